#pragma once

#include <QString>

#include <cstdint>

// The numbers a temporary file name is made of, in the order they appear.
struct TemporaryNameParts {
    std::uint32_t threadId = 0;
    int dayOfYear = 1; // 1..366
    std::uint32_t msSinceBoot = 0;
    int year = 0;
    int random = 0; // 0..254
};

// `folder` + "/" + the parts in upper-case hexadecimal, each padded to its
// width (4, 3, 6, 2, 2 digits), + ".jpg".
QString formatTemporaryFileName(const QString& folder, const TemporaryNameParts& parts);

// A fresh name in the system's temporary folder for this thread and moment.
QString getTemporaryFileName();

// A temporary file that is removed when it goes out of scope.
class TemporaryFile {
public:
    TemporaryFile()
        : _path(getTemporaryFileName())
    {
    }
    ~TemporaryFile();
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    const QString& path() const { return _path; }

private:
    QString _path;
};
