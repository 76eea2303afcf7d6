#include "JpegDecoder.h"

#include "PictureError.h"

#include <QString>

#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <new>

#include <jerror.h>
#include <jpeglib.h>

namespace {

// libjpeg reports a fatal error by calling error_exit, which must not
// return; we jump back to the decoding function with the message kept.
struct ErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

[[noreturn]] void onFatalError(j_common_ptr cinfo)
{
    auto* manager = reinterpret_cast<ErrorManager*>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, manager->message);
    std::longjmp(manager->jump, 1);
}

// Warnings are not printed. Data that ends before the picture does is an
// error: libjpeg would fill the rest with grey, and a few bytes could then
// stand for a picture of any size.
void onMessage(j_common_ptr cinfo, int level)
{
    const int code = cinfo->err->msg_code;
    if (level < 0 && (code == JWRN_JPEG_EOF || code == JWRN_HIT_MARKER))
        onFatalError(cinfo);
}

// Each progressive scan decodes the whole picture again; real files have a
// dozen or so.
constexpr int maxScans = 200;
constexpr long maxLibraryMemory = 512L * 1024 * 1024;

void onProgress(j_common_ptr cinfo)
{
    auto* decompress = reinterpret_cast<j_decompress_ptr>(cinfo);
    if (decompress->input_scan_number > maxScans) {
        auto* manager = reinterpret_cast<ErrorManager*>(cinfo->err);
        std::snprintf(manager->message, sizeof manager->message, "more than %d scans", maxScans);
        std::longjmp(manager->jump, 1);
    }
}

void storeRow(const JSAMPLE* in, J_COLOR_SPACE space, bool adobeInverted, Colour* out, JDIMENSION width)
{
    for (JDIMENSION x = 0; x < width; ++x) {
        if (space == JCS_RGB) {
            out[x] = rgb(in[3 * x], in[3 * x + 1], in[3 * x + 2]);
            continue;
        }
        // Adobe writes CMYK inverted (255 is no ink); others plainly.
        int c = in[4 * x], m = in[4 * x + 1], y = in[4 * x + 2], k = in[4 * x + 3];
        if (!adobeInverted) {
            c = 255 - c;
            m = 255 - m;
            y = 255 - y;
            k = 255 - k;
        }
        out[x] = rgb(c * k / 255, m * k / 255, y * k / 255);
    }
}

bool allocate(Picture* picture, JDIMENSION width, JDIMENSION height, char* message)
{
    try {
        *picture = Picture(static_cast<int>(width), static_cast<int>(height), 24);
        return true;
    } catch (const std::exception& e) {
        std::snprintf(message, JMSG_LENGTH_MAX, "%s", e.what());
        return false;
    }
}

// Everything that libjpeg may jump out of lives here, with only C objects in
// this frame, so the jump skips no destructor. False with `message` filled
// when the file cannot be decoded.
bool runDecoder(const unsigned char* data, unsigned long size, Picture* picture, char* message)
{
    jpeg_decompress_struct cinfo;
    ErrorManager errors;
    jpeg_progress_mgr progress;
    cinfo.err = jpeg_std_error(&errors.pub);
    errors.pub.error_exit = onFatalError;
    errors.pub.emit_message = onMessage;
    errors.message[0] = '\0';
    if (setjmp(errors.jump)) {
        jpeg_destroy_decompress(&cinfo);
        std::memcpy(message, errors.message, JMSG_LENGTH_MAX);
        return false;
    }
    jpeg_create_decompress(&cinfo);
    cinfo.mem->max_memory_to_use = maxLibraryMemory;
    progress.progress_monitor = onProgress;
    cinfo.progress = &progress;
    jpeg_mem_src(&cinfo, data, size);
    jpeg_read_header(&cinfo, TRUE);

    if (cinfo.image_width > JDIMENSION(maxPictureSide) || cinfo.image_height > JDIMENSION(maxPictureSide) ||
        std::int64_t(cinfo.image_width) * cinfo.image_height > maxPicturePixels) {
        std::snprintf(message, JMSG_LENGTH_MAX, "its size %u x %u is too large", cinfo.image_width, cinfo.image_height);
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    const bool cmyk = cinfo.jpeg_color_space == JCS_CMYK || cinfo.jpeg_color_space == JCS_YCCK;
    cinfo.out_color_space = cmyk ? JCS_CMYK : JCS_RGB;
    jpeg_start_decompress(&cinfo);
    if (cinfo.output_components != (cmyk ? 4 : 3) ||
        !allocate(picture, cinfo.output_width, cinfo.output_height, message)) {
        if (message[0] == '\0')
            std::snprintf(message, JMSG_LENGTH_MAX, "%d colour components", cinfo.output_components);
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    JSAMPARRAY line = (*cinfo.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&cinfo), JPOOL_IMAGE,
        cinfo.output_width * JDIMENSION(cinfo.output_components), 1);
    while (cinfo.output_scanline < cinfo.output_height) {
        const JDIMENSION y = cinfo.output_scanline;
        if (jpeg_read_scanlines(&cinfo, line, 1) != 1)
            break;
        storeRow(line[0], cinfo.out_color_space, cinfo.saw_Adobe_marker, picture->row(static_cast<int>(y)),
            cinfo.output_width);
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return true;
}

} // namespace

Picture decodeJpeg(QByteArrayView file)
{
    Picture picture;
    char message[JMSG_LENGTH_MAX] = {};
    if (file.isEmpty())
        throw PictureError("Not a readable JPEG file: the file is empty");
    if (!runDecoder(reinterpret_cast<const unsigned char*>(file.data()), static_cast<unsigned long>(file.size()),
            &picture, message))
        throw PictureError(
            QStringLiteral("Not a readable JPEG file: %1").arg(QString::fromLocal8Bit(message)).toStdString());
    return picture;
}
