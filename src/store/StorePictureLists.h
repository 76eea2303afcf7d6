#pragma once

#include "PictureList.h"
#include "PictureLists.h"

#include <QString>

#include <cstdint>
#include <vector>

// The store's four picture lists and their files in the program folder:
//
//   list              file                          name
//   ruimteimages      "RuimteImageList.dat"         "RuimteImages"
//   appimages         "AppImageList.dat"            "appimages"
//   usedRuimteimages  "CustomRuimteImageList.dat"   "usedRuimteimages"
//   usedAppimages     "CustomAppImageList.dat"      "usedAppimages"
//
// The catalogues hold 32 pictures to choose from; the item lists one entry
// per room or appliance that ever got a picture (its Afbeelding), and only
// grow.
//
// Locking: the lists belong to the store, so they follow StoreLock.h. Hold a
// StoreReadLock while reading them (drawing, export) and a StoreWriteLock
// while changing them; the functions of ItemPictures.h take the lock
// themselves. load() and save() run inside LoadCfg and SaveCfg, under
// whatever lock their caller holds.
//
// Damaged files: a list file that exists but is not a readable list does not
// stop the store. The file is copied beside the original as
// "<file>.damaged" (or "<file>.damaged.1", ".2", ... when an older copy with
// other bytes is there), the list starts empty, and warnings() says so. The
// damaged original stays until that list is changed: save() does not write
// a list that was damaged at loading and has not changed since, so nothing
// is lost whether or not the copy could be made.
class StorePictureLists final : public PictureLists {
public:
    StorePictureLists();

    // For each file that exists, in the order above, the list is replaced by
    // the file's pictures and given its name. Throws StoreIoError when a
    // file cannot be read at all.
    void load(const QString& folder) override;
    // Writes the four files, in the order above, atomically; throws
    // StoreIoError.
    void save(const QString& folder) override;

    // What the user should hear about the last load (damaged files), in
    // English, each naming the file.
    const std::vector<QString>& warnings() const { return _warnings; }

    PictureList ruimteimages;
    PictureList appimages;
    PictureList usedRuimteimages;
    PictureList usedAppimages;

private:
    struct ListFile {
        PictureList StorePictureLists::*list;
        const char* fileName;
        const char* name;
    };
    static const ListFile listFiles[4];

    void loadOne(const QString& folder, std::size_t index);

    // Per list: whether its file was damaged at loading and not written
    // since, and the list's revision right after that loading.
    bool _damaged[4] = {};
    std::uint64_t _revisionAtLoad[4] = {};
    std::vector<QString> _warnings;
};

inline constexpr const char* ruimteImageListFileName = "RuimteImageList.dat";
inline constexpr const char* appImageListFileName = "AppImageList.dat";
inline constexpr const char* customRuimteImageListFileName = "CustomRuimteImageList.dat";
inline constexpr const char* customAppImageListFileName = "CustomAppImageList.dat";
