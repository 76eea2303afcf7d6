// The JPEG, GIF and BMP decoders on arbitrary bytes, the first byte choosing
// the decoder: each either gives a picture within the limits or throws
// PictureError.
#include "BmpCodec.h"
#include "GifDecoder.h"
#include "JpegDecoder.h"
#include "PictureError.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const QByteArrayView bytes(reinterpret_cast<const char*>(data + 1), static_cast<qsizetype>(size - 1));
    try {
        Picture picture;
        switch (data[0] % 3) {
        case 0: picture = decodeJpeg(bytes); break;
        case 1: picture = decodeGif(bytes); break;
        default: picture = decodeBmp(bytes); break;
        }
        if (picture.width() > maxPictureSide || picture.height() > maxPictureSide ||
            picture.pixels().size() != std::size_t(picture.width()) * std::size_t(picture.height()))
            std::abort();
    } catch (const PictureError&) {
    }
    return 0;
}
