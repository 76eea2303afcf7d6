#pragma once

#include "Picture.h"

#include <QByteArray>

// Picture files made in the tests: JPEG with libjpeg's compressor, GIF with
// giflib's encoder, BMP byte by byte.

// Quality 100 without chroma subsampling, so flat areas come back within a
// few steps of their colour.
QByteArray jpegFile(const Picture& picture);
// Greyscale: the red channel of each pixel.
QByteArray greyJpegFile(const Picture& picture);
// Every pixel stored as the same four CMYK bytes, as written (Adobe style).
QByteArray cmykJpegFile(int width, int height, const unsigned char (&cmyk)[4]);

struct GifOptions {
    bool interlaced = false;
    int transparentIndex = -1; // a graphics control block naming this index
    int screenWidth = 0; // 0: the picture's size
    int screenHeight = 0;
    int left = 0;
    int top = 0;
    bool localColourMap = false;
};
// The picture's colours (at most 256) become the colour map in order of
// first appearance.
QByteArray gifFile(const Picture& picture, const GifOptions& options = {});

// 1, 4 or 8 bits with a palette of the picture's colours, or 16 (5-5-5), 24
// or 32 bits; bottom-up unless topDown.
QByteArray bmpFile(const Picture& picture, int bits, bool topDown = false);

// Two flat halves: left `left`, right `right`.
Picture halves(int width, int height, Colour left, Colour right);

// Writes `contents` to `path`, failing the test when it cannot.
void writeFile(const QString& path, const QByteArray& contents);
