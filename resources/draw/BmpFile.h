// Writers for the picture and icon file formats, so the committed files have exactly the layout we want.
#pragma once

#include <QImage>
#include <QString>

#include <cstdint>
#include <vector>

namespace draw {

// A palette image: one index per pixel, top row first.
struct IndexedImage {
    int width = 0;
    int height = 0;
    std::vector<QRgb> palette;
    std::vector<std::uint8_t> pixels;
};

// Uncompressed, bottom-up BMP with a 40-byte information header.
bool WriteBmp24(const QString& path, const QImage& image);
// bitsPerPixel 4 or 8; every palette entry is written and counted in the header.
bool WriteBmpIndexed(const QString& path, const IndexedImage& image, int bitsPerPixel);
// One 4-bit 16-colour image with its AND mask; pixels with mask[i] set are transparent.
bool WriteIco4(const QString& path, const IndexedImage& image, const std::vector<bool>& transparent);

} // namespace draw
