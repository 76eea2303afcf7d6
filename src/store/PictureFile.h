#pragma once

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <memory>

// A picture-list file kept open after loading, read at offsets from any
// thread. The open file stays the one that was loaded even when a save
// puts a new file in its place.
class PictureFile {
public:
    // nullptr when there is no file at `path`; throws StoreIoError when it
    // cannot be opened.
    static std::shared_ptr<const PictureFile> open(const QString& path);
    ~PictureFile();
    PictureFile(const PictureFile&) = delete;
    PictureFile& operator=(const PictureFile&) = delete;

    const QString& path() const { return _path; }
    std::int64_t size() const { return _size; }
    // False when the file no longer holds `count` bytes at `offset`.
    bool read(std::int64_t offset, char* target, std::size_t count) const;
    QByteArray read(std::int64_t offset, std::size_t count) const;

private:
    PictureFile(int fd, std::int64_t size, QString path);

    int _fd;
    std::int64_t _size;
    QString _path;
};
