#pragma once

#include <QString>

#include <functional>
#include <memory>

// The store's four picture lists (room and appliance catalogues and the
// pictures chosen for items), loaded first and saved last with the
// configuration. The store only calls this interface; the picture code
// plugs in its implementation with TLoadSave::setPictureListsFactory.
class PictureLists {
public:
    virtual ~PictureLists() = default;
    // Replaces each list whose file exists in `folder`; throws StoreIoError.
    virtual void load(const QString& folder) = 0;
    // Writes the four files into `folder`; throws StoreIoError.
    virtual void save(const QString& folder) = 0;
};

using PictureListsFactory = std::function<std::unique_ptr<PictureLists>()>;
