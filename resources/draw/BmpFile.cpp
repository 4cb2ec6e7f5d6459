#include "BmpFile.h"

#include <QFile>

namespace draw {
namespace {

class Bytes {
public:
    void u8(std::uint32_t v) { data_.push_back(static_cast<char>(v & 0xff)); }
    void u16(std::uint32_t v)
    {
        u8(v);
        u8(v >> 8);
    }
    void u32(std::uint32_t v)
    {
        u16(v & 0xffff);
        u16(v >> 16);
    }
    void rgbQuad(QRgb c)
    {
        u8(qBlue(c));
        u8(qGreen(c));
        u8(qRed(c));
        u8(0);
    }
    void mark() { mark_ = data_.size(); }
    // Rows are padded to whole 32-bit words counted from the row's own start.
    void padRow()
    {
        while ((data_.size() - mark_) % 4)
            u8(0);
    }
    std::size_t size() const { return data_.size(); }
    const QByteArray& data() const { return data_; }

private:
    QByteArray data_;
    std::size_t mark_ = 0;
};

int RowBytes(int width, int bitsPerPixel)
{
    return ((width * bitsPerPixel + 31) / 32) * 4;
}

// 96 dots per inch.
constexpr std::uint32_t kPixelsPerMetre = 3780;

void InfoHeader(Bytes& out, int width, int height, int bitsPerPixel, std::uint32_t imageSize, std::uint32_t colours)
{
    out.u32(40);
    out.u32(static_cast<std::uint32_t>(width));
    out.u32(static_cast<std::uint32_t>(height)); // positive: bottom-up
    out.u16(1);
    out.u16(static_cast<std::uint32_t>(bitsPerPixel));
    out.u32(0); // BI_RGB
    out.u32(imageSize);
    out.u32(kPixelsPerMetre);
    out.u32(kPixelsPerMetre);
    out.u32(colours);
    out.u32(colours);
}

void FileHeader(Bytes& out, std::uint32_t fileSize, std::uint32_t pixelOffset)
{
    out.u8('B');
    out.u8('M');
    out.u32(fileSize);
    out.u32(0);
    out.u32(pixelOffset);
}

bool Save(const QString& path, const Bytes& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return file.write(bytes.data()) == bytes.data().size();
}

void PackedRow(Bytes& out, const IndexedImage& image, int y, int bitsPerPixel)
{
    const std::uint8_t* row = &image.pixels[static_cast<std::size_t>(y) * image.width];
    out.mark();
    if (bitsPerPixel == 8) {
        for (int x = 0; x < image.width; ++x)
            out.u8(row[x]);
    } else {
        for (int x = 0; x < image.width; x += 2) {
            const std::uint32_t hi = row[x] & 0x0f;
            const std::uint32_t lo = x + 1 < image.width ? row[x + 1] & 0x0f : 0;
            out.u8(hi << 4 | lo);
        }
    }
    out.padRow();
}

} // namespace

bool WriteBmp24(const QString& path, const QImage& source)
{
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    const int w = image.width(), h = image.height();
    const std::uint32_t imageSize = static_cast<std::uint32_t>(RowBytes(w, 24) * h);
    Bytes out;
    FileHeader(out, 54 + imageSize, 54);
    InfoHeader(out, w, h, 24, imageSize, 0);
    for (int y = h - 1; y >= 0; --y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        out.mark();
        for (int x = 0; x < w; ++x) {
            out.u8(qBlue(row[x]));
            out.u8(qGreen(row[x]));
            out.u8(qRed(row[x]));
        }
        out.padRow();
    }
    return Save(path, out);
}

bool WriteBmpIndexed(const QString& path, const IndexedImage& image, int bitsPerPixel)
{
    const auto colours = static_cast<std::uint32_t>(image.palette.size());
    const std::uint32_t imageSize = static_cast<std::uint32_t>(RowBytes(image.width, bitsPerPixel) * image.height);
    const std::uint32_t offset = 54 + 4 * colours;
    Bytes out;
    FileHeader(out, offset + imageSize, offset);
    InfoHeader(out, image.width, image.height, bitsPerPixel, imageSize, colours);
    for (QRgb c : image.palette)
        out.rgbQuad(c);
    for (int y = image.height - 1; y >= 0; --y)
        PackedRow(out, image, y, bitsPerPixel);
    return Save(path, out);
}

bool WriteIco4(const QString& path, const IndexedImage& image, const std::vector<bool>& transparent)
{
    const int w = image.width, h = image.height;
    const std::uint32_t xorSize = static_cast<std::uint32_t>(RowBytes(w, 4) * h);
    const std::uint32_t andSize = static_cast<std::uint32_t>(RowBytes(w, 1) * h);
    const std::uint32_t resourceSize = 40 + 16 * 4 + xorSize + andSize;
    Bytes out;
    out.u16(0);
    out.u16(1); // icon
    out.u16(1); // one image
    out.u8(static_cast<std::uint32_t>(w));
    out.u8(static_cast<std::uint32_t>(h));
    out.u8(16);
    out.u8(0);
    out.u16(1);
    out.u16(4);
    out.u32(resourceSize);
    out.u32(22);
    // In an icon the height counts the colour rows and the mask rows together.
    out.u32(40);
    out.u32(static_cast<std::uint32_t>(w));
    out.u32(static_cast<std::uint32_t>(2 * h));
    out.u16(1);
    out.u16(4);
    out.u32(0);
    out.u32(xorSize + andSize);
    out.u32(0);
    out.u32(0);
    out.u32(16);
    out.u32(0);
    for (int i = 0; i < 16; ++i)
        out.rgbQuad(i < static_cast<int>(image.palette.size()) ? image.palette[i] : 0);
    for (int y = h - 1; y >= 0; --y)
        PackedRow(out, image, y, 4);
    for (int y = h - 1; y >= 0; --y) {
        out.mark();
        for (int x = 0; x < w; x += 8) {
            std::uint32_t bits = 0;
            for (int b = 0; b < 8 && x + b < w; ++b)
                if (transparent[static_cast<std::size_t>(y) * w + x + b])
                    bits |= 0x80u >> b;
            out.u8(bits);
        }
        out.padRow();
    }
    return Save(path, out);
}

} // namespace draw
