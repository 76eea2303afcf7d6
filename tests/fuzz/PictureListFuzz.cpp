// The picture-list file reader on arbitrary bytes: it either reads a list or
// throws DamagedFile, and a list it reads writes back to the same bytes.
#include "PictureListFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    try {
        const PictureList list = PictureListFile::decode(bytes, QStringLiteral("fuzz.dat"));
        if (PictureListFile::encode(list) != bytes)
            std::abort();
    } catch (const PictureListFile::DamagedFile&) {
    }
    return 0;
}
