// Draws every picture and the icon anew and writes them in their file formats:
//   nuro-draw <pictures-dir> <icons-dir> [contact-sheet.png]
#include "BmpFile.h"
#include "Drawing.h"
#include "Palette.h"

#include <QDir>
#include <QGuiApplication>
#include <QPainter>

#include <cstdio>
#include <functional>
#include <map>

namespace {

using namespace draw;

enum class Depth { Rgb24, Indexed8, Indexed4 };

struct Picture {
    int id;
    int width, height;
    Depth depth;
    int colours; // palette entries written (0 for 24-bit)
    std::function<QImage()> paint;
};

// Where a picture sits on the 250 x 250 background, in pixels, so its corners blend into it.
QImage BackdropAt(const QImage& background, int x, int y, int w, int h) { return background.copy(x, y, w, h); }

const QString kDawn = QStringLiteral(u"الصبح");
const QString kNoon = QStringLiteral(u"الظهر");
const QString kAfternoon = QStringLiteral(u"العصر");
const QString kSunset = QStringLiteral(u"المغرب");
const QString kNight = QStringLiteral(u"العشاء");

std::vector<Picture> Catalogue(const QImage& background) {
    const QSize label(32, 17);
    const QImage clockSpot = BackdropAt(background, 30, 132, 16, 18);
    const QImage speakerSpot = BackdropAt(background, 44, 60, 26, 24);
    const QImage okSpot = BackdropAt(background, 104, 210, 44, 32);
    const QImage faceSpot = BackdropAt(background, 218, 4, 28, 28);
    const CaptionSizes caption = NoticeCaptionSizes({"Sobeh", "Dhohur", "Aser", "Maghreb", "ISha"},
                                                    {kDawn, kNoon, kAfternoon, kSunset, kNight});
    return {
        {7, 32, 32, Depth::Indexed8, 48, [] { return Diskette(); }},
        {8, 32, 32, Depth::Indexed8, 40, [] { return CheckMark(); }},
        {1011, 32, 17, Depth::Rgb24, 0, [=] { return ArabicLabel(kDawn, label); }},
        {1012, 32, 17, Depth::Rgb24, 0, [=] { return ArabicLabel(kNoon, label); }},
        {1013, 32, 17, Depth::Rgb24, 0, [=] { return ArabicLabel(kAfternoon, label); }},
        {1014, 32, 17, Depth::Rgb24, 0, [=] { return ArabicLabel(kSunset, label); }},
        {1015, 32, 17, Depth::Rgb24, 0, [=] { return ArabicLabel(kNight, label); }},
        {1016, 15, 17, Depth::Indexed4, 2, [] { return ArrowLeft({15, 17}, QColor(255, 250, 196), false); }},
        {1017, 13, 16, Depth::Rgb24, 0, [=] { return AlarmClock(clockSpot); }},
        {1018, 13, 11, Depth::Rgb24, 0, [] { return ArabicLabel(QStringLiteral(u"د"), {13, 11}); }},
        {1019, 14, 12, Depth::Rgb24, 0, [] { return ArabicLabel(QStringLiteral(u"قبل"), {14, 12}); }},
        {1020, 14, 12, Depth::Rgb24, 0, [] { return ArabicLabel(QStringLiteral(u"بعد"), {14, 12}); }},
        {1101, 42, 30, Depth::Rgb24, 0, [=] { return OkButton(okSpot, false); }},
        {3101, 45, 33, Depth::Rgb24, 0, [=] { return OkButton(okSpot, true); }},
        {1102, 26, 26, Depth::Rgb24, 0, [=] { return FaceButton(faceSpot, false); }},
        {3102, 26, 26, Depth::Rgb24, 0, [=] { return FaceButton(faceSpot, true); }},
        {1104, 32, 32, Depth::Rgb24, 0,
         [=] { return background.scaled(32, 32, Qt::IgnoreAspectRatio, Qt::SmoothTransformation); }},
        {1400, 250, 250, Depth::Rgb24, 0, [=] { return background; }},
        {1700, 383, 256, Depth::Indexed4, 16, [=] { return NoticeScene("Sobeh", kDawn, caption); }},
        {1701, 383, 256, Depth::Indexed4, 16, [=] { return NoticeScene("Dhohur", kNoon, caption); }},
        {1702, 383, 256, Depth::Indexed4, 16, [=] { return NoticeScene("Aser", kAfternoon, caption); }},
        {1703, 383, 256, Depth::Indexed4, 16, [=] { return NoticeScene("Maghreb", kSunset, caption); }},
        {1704, 383, 256, Depth::Indexed4, 17, [=] { return NoticeScene("ISha", kNight, caption); }},
        {1705, 26, 24, Depth::Rgb24, 0, [=] { return Loudspeaker(speakerSpot, false); }},
        {1706, 26, 24, Depth::Rgb24, 0, [=] { return Loudspeaker(speakerSpot, true); }},
        {9000, 32, 17, Depth::Rgb24, 0, [=] { return EnglishLabel("Sobeh", label); }},
        {9001, 32, 17, Depth::Rgb24, 0, [=] { return EnglishLabel("Dhohur", label); }},
        {9002, 32, 17, Depth::Rgb24, 0, [=] { return EnglishLabel("Aser", label); }},
        {9003, 32, 17, Depth::Rgb24, 0, [=] { return EnglishLabel("Maghreb", label); }},
        {9004, 32, 17, Depth::Rgb24, 0, [=] { return EnglishLabel("Isha", label); }},
        {9005, 25, 12, Depth::Rgb24, 0, [] { return EnglishLabel("After", {25, 12}); }},
        {9006, 25, 12, Depth::Rgb24, 0, [] { return EnglishLabel("Before", {25, 12}); }},
        {9007, 13, 11, Depth::Rgb24, 0, [] { return EnglishLabel("Mn", {13, 11}); }},
        {9008, 15, 17, Depth::Indexed4, 16, [] { return ArrowLeft({15, 17}, Qt::white, true); }},
    };
}

// Reduces a picture to its palette; the notices keep their caption colours exact and dither the scene.
IndexedImage Reduce(const Picture& picture, const QImage& image) {
    const int usable = picture.depth == Depth::Indexed4 ? std::min(picture.colours, 16) : picture.colours;
    std::vector<QRgb> fixed;
    QRect dither;
    if (picture.id >= 1700 && picture.id <= 1704) {
        fixed = {qRgb(0, 0, 0), qRgb(255, 255, 255), qRgb(16, 32, 72), qRgb(236, 190, 72)};
        dither = QRect(0, 0, image.width(), 204);
    }
    if (picture.id == 1016)
        fixed = {qRgb(255, 250, 196), qRgb(0, 0, 0)};
    std::vector<QRgb> palette = MedianCutPalette(image, usable, fixed);
    IndexedImage reduced = MapToPalette(image, palette, dither);
    // A 4-bit picture can address 16 entries; a further entry is carried in the palette unused.
    while (static_cast<int>(reduced.palette.size()) < picture.colours)
        reduced.palette.push_back(qRgb(192, 192, 192));
    return reduced;
}

QImage Expand(const IndexedImage& indexed) {
    QImage out(indexed.width, indexed.height, QImage::Format_RGB32);
    for (int y = 0; y < indexed.height; ++y)
        for (int x = 0; x < indexed.width; ++x)
            out.setPixel(x, y, indexed.palette[indexed.pixels[static_cast<std::size_t>(y) * indexed.width + x]]);
    return out;
}

bool WriteIcons(const QString& picturesDir, const QString& iconsDir, std::map<int, QImage>& shown) {
    // The 16-colour icon: the drawn eye reduced to 15 colours plus black under the mask.
    const QImage eye = Eye(32);
    std::vector<bool> transparent(32 * 32);
    QImage opaque(32, 32, QImage::Format_RGB32);
    opaque.fill(Qt::black);
    QRect all(0, 0, 32, 32);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            const QRgb c = eye.pixel(x, y);
            transparent[y * 32 + x] = qAlpha(c) < 128;
            if (!transparent[y * 32 + x])
                opaque.setPixel(x, y, qRgb(qRed(c) * 255 / qAlpha(c), qGreen(c) * 255 / qAlpha(c),
                                           qBlue(c) * 255 / qAlpha(c)));
        }
    IndexedImage icon = MapToPalette(opaque, MedianCutPalette(opaque, 16, {qRgb(0, 0, 0)}));
    if (!WriteIco4(picturesDir + "/110.ico", icon, transparent))
        return false;
    QImage icon32(32, 32, QImage::Format_ARGB32);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            icon32.setPixel(x, y, transparent[y * 32 + x] ? qRgba(0, 0, 0, 0)
                                                          : icon.palette[icon.pixels[y * 32 + x]]);
    shown[110] = icon32;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString dir = QString("%1/%2x%2/apps").arg(iconsDir).arg(size);
        QDir().mkpath(dir);
        if (!Eye(size).save(dir + "/nuro.png"))
            return false;
        shown[100000 + size] = Eye(size);
    }
    return true;
}

QImage ContactSheet(const std::map<int, QImage>& shown) {
    const int cell = 400, columns = 6;
    const int rows = (static_cast<int>(shown.size()) + columns - 1) / columns;
    QImage sheet(columns * cell, rows * (cell + 24), QImage::Format_RGB32);
    sheet.fill(QColor(90, 90, 90));
    QPainter p(&sheet);
    int i = 0;
    for (const auto& [id, image] : shown) {
        const int scale = image.width() <= 64 ? 8 : (image.width() <= 128 ? 2 : 1);
        const QImage big = image.scaled(image.size() * scale, Qt::KeepAspectRatio, Qt::FastTransformation);
        const int x = (i % columns) * cell, y = (i / columns) * (cell + 24);
        p.fillRect(x + 4, y + 4, std::min(big.width(), cell - 8), std::min(big.height(), cell - 8),
                   QColor(200, 200, 200));
        p.drawImage(QRect(x + 4, y + 4, std::min(big.width(), cell - 8), std::min(big.height(), cell - 8)), big,
                    QRect(0, 0, std::min(big.width(), cell - 8), std::min(big.height(), cell - 8)));
        p.setPen(Qt::white);
        p.setFont(QFont("DejaVu Sans", 14));
        const QString name = id >= 100000 ? QString("icon %1").arg(id - 100000) : QString::number(id);
        p.drawText(x + 6, y + cell + 16, QString("%1  %2x%3").arg(name).arg(image.width()).arg(image.height()));
        ++i;
    }
    return sheet;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: nuro-draw <pictures-dir> <icons-dir> [contact-sheet.png]\n");
        return 2;
    }
    const QString picturesDir = QString::fromLocal8Bit(argv[1]);
    const QString iconsDir = QString::fromLocal8Bit(argv[2]);
    QDir().mkpath(picturesDir);
    const QImage background = StarOrnament();
    std::map<int, QImage> shown;
    for (const Picture& picture : Catalogue(background)) {
        const QImage image = picture.paint().convertToFormat(QImage::Format_RGB32);
        if (image.width() != picture.width || image.height() != picture.height) {
            std::fprintf(stderr, "picture %d drawn at the wrong size\n", picture.id);
            return 1;
        }
        const QString path = QString("%1/%2.bmp").arg(picturesDir).arg(picture.id);
        bool written = false;
        if (picture.depth == Depth::Rgb24) {
            written = WriteBmp24(path, image);
            shown[picture.id] = image;
        } else {
            const IndexedImage reduced = Reduce(picture, image);
            written = WriteBmpIndexed(path, reduced, picture.depth == Depth::Indexed8 ? 8 : 4);
            shown[picture.id] = Expand(reduced);
        }
        if (!written) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    if (!WriteIcons(picturesDir, iconsDir, shown)) {
        std::fprintf(stderr, "cannot write the icons\n");
        return 1;
    }
    if (argc > 3 && !ContactSheet(shown).save(QString::fromLocal8Bit(argv[3]))) {
        std::fprintf(stderr, "cannot write the contact sheet\n");
        return 1;
    }
    return 0;
}
