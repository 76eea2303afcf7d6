#pragma once

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <optional>

// Reading and writing the data files. Every failure throws StoreIoError
// with a message that names the file.
namespace DataFile {

// The whole file, or std::nullopt when it does not exist.
std::optional<QByteArray> readIfExists(const QString& path);

// Writes through a temporary file that is flushed to disk and renamed over
// the old one, so a crash or a full disk never leaves a half-written file.
void writeAtomically(const QString& path, const QByteArray& contents);

// Walks the sections of a data file: a two-byte length, high byte first,
// then that many bytes.
class SectionReader {
public:
    SectionReader(const QString& path, const QByteArray& contents);

    enum class Oversize { Reject, KeepBlock };

    // Reads the next section into a zeroed block of `blockSize` bytes. A
    // shorter section fills the start of the block. A longer one cannot come
    // from this program: it is refused, or its first block is kept and the
    // rest skipped.
    QByteArray next(std::size_t blockSize, const char* sectionName, Oversize oversize = Oversize::Reject);

    // The length that the last section's header stated.
    std::size_t lastLength() const { return _lastLength; }

private:
    QString _path;
    const QByteArray& _contents;
    qsizetype _position = 0;
    std::size_t _lastLength = 0;
};

// Appends a section header and the section.
void appendSection(QByteArray& file, const QByteArray& section);

} // namespace DataFile
