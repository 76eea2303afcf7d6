#include "TestPictures.h"

#include <QFile>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include <gif_lib.h>
#include <jpeglib.h>

namespace {

QByteArray compress(
    int width, int height, int components, J_COLOR_SPACE space, const std::vector<unsigned char>& samples)
{
    jpeg_compress_struct cinfo;
    jpeg_error_mgr errors;
    cinfo.err = jpeg_std_error(&errors);
    jpeg_create_compress(&cinfo);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &buffer, &size);
    cinfo.image_width = static_cast<JDIMENSION>(width);
    cinfo.image_height = static_cast<JDIMENSION>(height);
    cinfo.input_components = components;
    cinfo.in_color_space = space;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, 100, TRUE);
    for (int c = 0; c < cinfo.num_components; ++c) {
        cinfo.comp_info[c].h_samp_factor = 1;
        cinfo.comp_info[c].v_samp_factor = 1;
    }
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        auto* row = const_cast<JSAMPLE*>(samples.data() + std::size_t(cinfo.next_scanline) * width * components);
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    QByteArray file(reinterpret_cast<const char*>(buffer), static_cast<qsizetype>(size));
    std::free(buffer);
    return file;
}

int appendToBuffer(GifFileType* gif, const GifByteType* data, int length)
{
    static_cast<QByteArray*>(gif->UserData)->append(reinterpret_cast<const char*>(data), length);
    return length;
}

std::vector<Colour> paletteOf(const Picture& picture)
{
    std::vector<Colour> palette;
    for (const Colour c : picture.pixels())
        if (std::find(palette.begin(), palette.end(), c) == palette.end())
            palette.push_back(c);
    return palette;
}

int indexIn(const std::vector<Colour>& palette, Colour c)
{
    return static_cast<int>(std::find(palette.begin(), palette.end(), c) - palette.begin());
}

void put16(QByteArray& b, unsigned v)
{
    b.append(static_cast<char>(v & 0xFF));
    b.append(static_cast<char>(v >> 8 & 0xFF));
}

void put32(QByteArray& b, quint32 v)
{
    put16(b, v & 0xFFFF);
    put16(b, v >> 16);
}

} // namespace

QByteArray jpegFile(const Picture& picture)
{
    std::vector<unsigned char> samples;
    for (const Colour c : picture.pixels())
        samples.insert(samples.end(),
            {static_cast<unsigned char>(redOf(c)), static_cast<unsigned char>(greenOf(c)),
                static_cast<unsigned char>(blueOf(c))});
    return compress(picture.width(), picture.height(), 3, JCS_RGB, samples);
}

QByteArray greyJpegFile(const Picture& picture)
{
    std::vector<unsigned char> samples;
    for (const Colour c : picture.pixels())
        samples.push_back(static_cast<unsigned char>(redOf(c)));
    return compress(picture.width(), picture.height(), 1, JCS_GRAYSCALE, samples);
}

QByteArray cmykJpegFile(int width, int height, const unsigned char (&cmyk)[4])
{
    std::vector<unsigned char> samples;
    for (int i = 0; i < width * height; ++i)
        samples.insert(samples.end(), cmyk, cmyk + 4);
    return compress(width, height, 4, JCS_CMYK, samples);
}

QByteArray gifFile(const Picture& picture, const GifOptions& options)
{
    const std::vector<Colour> palette = paletteOf(picture);
    EXPECT_LE(palette.size(), 256u);
    int bits = 1;
    while ((1u << bits) < palette.size())
        ++bits;
    std::vector<GifColorType> colours(std::size_t(1) << bits);
    for (std::size_t i = 0; i < palette.size(); ++i)
        colours[i] = {static_cast<GifByteType>(redOf(palette[i])), static_cast<GifByteType>(greenOf(palette[i])),
            static_cast<GifByteType>(blueOf(palette[i]))};
    ColorMapObject* map = GifMakeMapObject(1 << bits, colours.data());

    QByteArray out;
    int error = 0;
    GifFileType* gif = EGifOpen(&out, appendToBuffer, &error);
    EXPECT_NE(gif, nullptr);
    EGifSetGifVersion(gif, true);
    const int screenWidth = options.screenWidth ? options.screenWidth : picture.width();
    const int screenHeight = options.screenHeight ? options.screenHeight : picture.height();
    EGifPutScreenDesc(gif, screenWidth, screenHeight, bits, 0, options.localColourMap ? nullptr : map);
    if (options.transparentIndex >= 0) {
        GraphicsControlBlock control {};
        control.DisposalMode = DISPOSAL_UNSPECIFIED;
        control.DelayTime = 0;
        control.TransparentColor = options.transparentIndex;
        GifByteType extension[4];
        const size_t length = EGifGCBToExtension(&control, extension);
        EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(length), extension);
    }
    EGifPutImageDesc(gif, options.left, options.top, picture.width(), picture.height(), options.interlaced,
        options.localColourMap ? map : nullptr);
    std::vector<GifPixelType> line(static_cast<std::size_t>(picture.width()));
    auto putRow = [&](int y) {
        for (int x = 0; x < picture.width(); ++x)
            line[static_cast<std::size_t>(x)] = static_cast<GifPixelType>(indexIn(palette, picture.pixel(x, y)));
        EXPECT_EQ(EGifPutLine(gif, line.data(), picture.width()), GIF_OK);
    };
    if (options.interlaced) {
        for (const auto& [start, step] : {std::pair {0, 8}, {4, 8}, {2, 4}, {1, 2}})
            for (int y = start; y < picture.height(); y += step)
                putRow(y);
    } else {
        for (int y = 0; y < picture.height(); ++y)
            putRow(y);
    }
    EXPECT_EQ(EGifCloseFile(gif, &error), GIF_OK);
    GifFreeMapObject(map);
    return out;
}

QByteArray bmpFile(const Picture& picture, int bits, bool topDown)
{
    const std::vector<Colour> palette = bits <= 8 ? paletteOf(picture) : std::vector<Colour>();
    EXPECT_LE(palette.size(), std::size_t(1) << (bits <= 8 ? bits : 0)) << "too many colours for " << bits << " bits";
    const quint32 stride = (quint32(picture.width()) * quint32(bits) + 31) / 32 * 4;
    const quint32 offset = 14 + 40 + quint32(palette.size()) * 4;
    QByteArray b;
    b.append("BM", 2);
    put32(b, offset + stride * quint32(picture.height()));
    put32(b, 0);
    put32(b, offset);
    put32(b, 40);
    put32(b, quint32(picture.width()));
    put32(b, quint32(topDown ? -picture.height() : picture.height()));
    put16(b, 1);
    put16(b, unsigned(bits));
    put32(b, 0);
    put32(b, stride * quint32(picture.height()));
    put32(b, 2835);
    put32(b, 2835);
    put32(b, quint32(palette.size()));
    put32(b, 0);
    for (const Colour c : palette)
        put32(b, quint32(blueOf(c)) | quint32(greenOf(c)) << 8 | quint32(redOf(c)) << 16);
    for (int i = 0; i < picture.height(); ++i) {
        const int y = topDown ? i : picture.height() - 1 - i;
        QByteArray row(static_cast<qsizetype>(stride), '\0');
        for (int x = 0; x < picture.width(); ++x) {
            const Colour c = picture.pixel(x, y);
            if (bits <= 8) {
                const int bitOffset = x * bits;
                row[bitOffset / 8] = static_cast<char>(
                    static_cast<unsigned char>(row[bitOffset / 8]) | indexIn(palette, c) << (8 - bits - bitOffset % 8));
            } else if (bits == 16) {
                const unsigned v =
                    unsigned(redOf(c) >> 3) << 10 | unsigned(greenOf(c) >> 3) << 5 | unsigned(blueOf(c) >> 3);
                row[x * 2] = static_cast<char>(v & 0xFF);
                row[x * 2 + 1] = static_cast<char>(v >> 8);
            } else {
                const int at = x * bits / 8;
                row[at] = static_cast<char>(blueOf(c));
                row[at + 1] = static_cast<char>(greenOf(c));
                row[at + 2] = static_cast<char>(redOf(c));
                if (bits == 32)
                    row[at + 3] = '\x7F'; // alpha, ignored
            }
        }
        b.append(row);
    }
    return b;
}

Picture halves(int width, int height, Colour left, Colour right)
{
    Picture picture(width, height, 24, right);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width / 2; ++x)
            picture.setPixel(x, y, left);
    return picture;
}

void writeFile(const QString& path, const QByteArray& contents)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    ASSERT_EQ(file.write(contents), contents.size());
}
