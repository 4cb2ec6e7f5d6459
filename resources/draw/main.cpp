// Draws every picture and the icon anew and writes them in their file formats:
//   nuro-draw <pictures-dir> <icons-dir> [contact-sheet.png]
#include "BmpFile.h"
#include "Drawing.h"
#include "Palette.h"

#include <QDir>
#include <QGuiApplication>
#include <QPainter>

#include <algorithm>
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
QImage BackdropAt(const QImage& background, int x, int y, int w, int h)
{
    const int s = PixelScale();
    return background.copy(x * s, y * s, w * s, h * s);
}

const QString kDawn = QStringLiteral(u"الصبح");
const QString kNoon = QStringLiteral(u"الظهر");
const QString kAfternoon = QStringLiteral(u"العصر");
const QString kSunset = QStringLiteral(u"المغرب");
const QString kNight = QStringLiteral(u"العشاء");
const QString kBefore = QStringLiteral(u"قبل");
const QString kAfter = QStringLiteral(u"بعد");
const QString kMinutes = QStringLiteral(u"د"); // the usual abbreviation of minutes

std::vector<Picture> Catalogue(const QImage& background)
{
    const QSize label(32, 17), small(25, 12), tiny(14, 12), unit(13, 11);
    const int arabicRow = ArabicLabelSize({kDawn, kNoon, kAfternoon, kSunset, kNight}, label);
    const int englishRow = EnglishLabelSize({"Sobeh", "Dhohur", "Aser", "Maghreb", "Isha"}, label);
    const int arabicSign = ArabicLabelSize({kBefore, kAfter}, tiny);
    const int englishSign = EnglishLabelSize({"After", "Before"}, small);
    const QImage clockSpot = BackdropAt(background, 30, 132, 16, 18);
    const QImage speakerSpot = BackdropAt(background, 44, 60, 26, 24);
    const QImage okSpot = BackdropAt(background, 104, 210, 44, 32);
    const QImage faceSpot = BackdropAt(background, 218, 4, 28, 28);
    const CaptionSizes caption =
        NoticeCaptionSizes({"Sobeh", "Dhohur", "Aser", "Maghreb", "ISha"}, {kDawn, kNoon, kAfternoon, kSunset, kNight});
    return {
        {7, 32, 32, Depth::Indexed8, 48, [] { return Diskette(); }},
        {8, 32, 32, Depth::Indexed8, 40, [] { return CheckMark(); }},
        {1011, 32, 17, Depth::Rgb24, 0, [=] { return ArabicLabel(kDawn, label, arabicRow); }},
        {1012, 32, 17, Depth::Rgb24, 0, [=] { return ArabicLabel(kNoon, label, arabicRow); }},
        {1013, 32, 17, Depth::Rgb24, 0, [=] { return ArabicLabel(kAfternoon, label, arabicRow); }},
        {1014, 32, 17, Depth::Rgb24, 0, [=] { return ArabicLabel(kSunset, label, arabicRow); }},
        {1015, 32, 17, Depth::Rgb24, 0, [=] { return ArabicLabel(kNight, label, arabicRow); }},
        {1016, 15, 17, Depth::Indexed4, 2,
         [] {
             return ArrowLeft({15, 17}, QColor(255, 250, 196), false);
         }},
        {1017, 13, 16, Depth::Rgb24, 0, [=] { return AlarmClock(clockSpot); }},
        {1018, 13, 11, Depth::Rgb24, 0, [=] { return ArabicLabel(kMinutes, unit, ArabicLabelSize({kMinutes}, unit)); }},
        {1019, 14, 12, Depth::Rgb24, 0, [=] { return ArabicLabel(kBefore, tiny, arabicSign); }},
        {1020, 14, 12, Depth::Rgb24, 0, [=] { return ArabicLabel(kAfter, tiny, arabicSign); }},
        {1101, 42, 30, Depth::Rgb24, 0, [=] { return OkButton(okSpot, false); }},
        {3101, 45, 33, Depth::Rgb24, 0, [=] { return OkButton(okSpot, true); }},
        {1102, 26, 26, Depth::Rgb24, 0, [=] { return FaceButton(faceSpot, false); }},
        {3102, 26, 26, Depth::Rgb24, 0, [=] { return FaceButton(faceSpot, true); }},
        {1104, 32, 32, Depth::Rgb24, 0,
         [=] {
             return background.scaled(32 * PixelScale(), 32 * PixelScale(), Qt::IgnoreAspectRatio,
                                      Qt::SmoothTransformation);
         }},
        {1400, 250, 250, Depth::Rgb24, 0, [=] { return background; }},
        {1700, 383, 256, Depth::Indexed4, 16, [=] { return NoticeScene("Sobeh", kDawn, caption); }},
        {1701, 383, 256, Depth::Indexed4, 16, [=] { return NoticeScene("Dhohur", kNoon, caption); }},
        {1702, 383, 256, Depth::Indexed4, 16, [=] { return NoticeScene("Aser", kAfternoon, caption); }},
        {1703, 383, 256, Depth::Indexed4, 16, [=] { return NoticeScene("Maghreb", kSunset, caption); }},
        {1704, 383, 256, Depth::Indexed4, 17, [=] { return NoticeScene("ISha", kNight, caption); }},
        {1705, 26, 24, Depth::Rgb24, 0, [=] { return Loudspeaker(speakerSpot, false); }},
        {1706, 26, 24, Depth::Rgb24, 0, [=] { return Loudspeaker(speakerSpot, true); }},
        {9000, 32, 17, Depth::Rgb24, 0, [=] { return EnglishLabel("Sobeh", label, englishRow); }},
        {9001, 32, 17, Depth::Rgb24, 0, [=] { return EnglishLabel("Dhohur", label, englishRow); }},
        {9002, 32, 17, Depth::Rgb24, 0, [=] { return EnglishLabel("Aser", label, englishRow); }},
        {9003, 32, 17, Depth::Rgb24, 0, [=] { return EnglishLabel("Maghreb", label, englishRow); }},
        {9004, 32, 17, Depth::Rgb24, 0, [=] { return EnglishLabel("Isha", label, englishRow); }},
        {9005, 25, 12, Depth::Rgb24, 0, [=] { return EnglishLabel("After", small, englishSign); }},
        {9006, 25, 12, Depth::Rgb24, 0, [=] { return EnglishLabel("Before", small, englishSign); }},
        {9007, 13, 11, Depth::Rgb24, 0, [=] { return EnglishLabel("Mn", unit, EnglishLabelSize({"Mn"}, unit)); }},
        {9008, 15, 17, Depth::Indexed4, 16,
         [] {
             return ArrowLeft({15, 17}, Qt::white, true);
         }},
    };
}

// Reduces a picture to its palette; the notices keep their caption colours exact and dither the scene.
IndexedImage Reduce(const Picture& picture, const QImage& image)
{
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

QImage Expand(const IndexedImage& indexed)
{
    QImage out(indexed.width, indexed.height, QImage::Format_RGB32);
    for (int y = 0; y < indexed.height; ++y)
        for (int x = 0; x < indexed.width; ++x)
            out.setPixel(x, y, indexed.palette[indexed.pixels[static_cast<std::size_t>(y) * indexed.width + x]]);
    return out;
}

bool WriteIcons(const QString& picturesDir, const QString& iconsDir, std::map<int, QImage>& shown)
{
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
                opaque.setPixel(
                    x, y, qRgb(qRed(c) * 255 / qAlpha(c), qGreen(c) * 255 / qAlpha(c), qBlue(c) * 255 / qAlpha(c)));
        }
    IndexedImage icon = MapToPalette(opaque, MedianCutPalette(opaque, 16, {qRgb(0, 0, 0)}));
    if (!WriteIco4(picturesDir + "/110.ico", icon, transparent))
        return false;
    QImage icon32(32, 32, QImage::Format_ARGB32);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            icon32.setPixel(x, y, transparent[y * 32 + x] ? qRgba(0, 0, 0, 0) : icon.palette[icon.pixels[y * 32 + x]]);
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

// The main window as the platform lays it out (2 pixels per dialog unit), to judge how the
// pictures sit on the background; time boxes and buttons are stand-ins.
QImage MainWindowPreview(const std::map<int, QImage>& shown, bool english)
{
    QImage window = shown.at(1400).copy();
    QPainter p(&window);
    auto picture = [&](int id, int x, int y, int cx, int cy) {
        p.drawImage(QRect(2 * x, 2 * y, 2 * cx, 2 * cy), shown.at(id));
    };
    auto box = [&](int x, int y, int cx, int cy, const QString& text) {
        const QRect r(2 * x, 2 * y, 2 * cx, 2 * cy);
        p.fillRect(r, Qt::white);
        p.setPen(Qt::darkGray);
        p.drawRect(r.adjusted(0, 0, -1, -1));
        p.setPen(Qt::black);
        p.setFont(QFont("DejaVu Sans", 9));
        p.drawText(r.adjusted(2, 0, -2, 0), Qt::AlignVCenter | Qt::AlignRight, text);
    };
    box(13, 16, 31, 12, "06:58:00");
    const int rows[] = {16, 31, 46, 61, 76};
    const char* times[] = {"05:21:00", "12:31:00", "15:40:00", "18:02:00", "19:30:00"};
    for (int i = 0; i < 5; ++i) {
        box(57, rows[i], 31, 12, times[i]);
        picture(english ? 9000 + i : 1011 + i, 89, i == 0 ? 17 : (i == 1 ? 31 : 47 + 15 * (i - 2)), 17, 10);
    }
    box(11, 74, 16, 12, "0");
    p.setBrush(Qt::white);
    p.setPen(Qt::black);
    p.drawEllipse(QRect(52, 146, 12, 12));
    p.drawEllipse(QRect(52, 160, 12, 12));
    p.drawRect(QRect(50, 86, 13, 14));
    picture(1705, 22, 30, 13, 12);
    p.setPen(QColor(255, 255, 255));
    p.drawLine(2, 203, 249, 203);
    picture(1101, 52, 105, 22, 16);
    picture(1102, 109, 2, 14, 14);
    picture(1017, 15, 66, 8, 9);
    if (english) {
        picture(9008, 46, 17, 9, 10);
        picture(9007, 4, 77, 8, 7);
        picture(9006, 32, 73, 14, 7);
        picture(9005, 32, 80, 14, 7);
    } else {
        picture(1016, 46, 17, 9, 10);
        picture(1018, 4, 77, 8, 7);
        picture(1019, 32, 73, 8, 7);
        picture(1020, 32, 80, 8, 7);
    }
    return window;
}

QImage ContactSheet(const std::map<int, QImage>& shown)
{
    const int cell = 400, columns = 6;
    const int rows = (static_cast<int>(shown.size()) + columns - 1) / columns;
    QImage sheet(columns * cell, rows * (cell + 24), QImage::Format_RGB32);
    sheet.fill(QColor(90, 90, 90));
    QPainter p(&sheet);
    int i = 0;
    for (const auto& [id, image] : shown) {
        const int scale = std::clamp(380 / std::max(image.width(), image.height()), 1, 8);
        const QImage big = image.scaled(image.size() * scale, Qt::KeepAspectRatio, Qt::FastTransformation);
        const int x = (i % columns) * cell, y = (i / columns) * (cell + 24);
        p.fillRect(x + 4, y + 4, std::min(big.width(), cell - 8), std::min(big.height(), cell - 8),
                   QColor(200, 200, 200));
        p.drawImage(QRect(x + 4, y + 4, std::min(big.width(), cell - 8), std::min(big.height(), cell - 8)), big,
                    QRect(0, 0, std::min(big.width(), cell - 8), std::min(big.height(), cell - 8)));
        p.setPen(Qt::white);
        p.setFont(QFont("DejaVu Sans", 14));
        const QString name = id >= 200000   ? QString(id == 200000 ? "window, Arabic" : "window, English")
                             : id >= 100000 ? QString("icon %1").arg(id - 100000)
                                            : QString::number(id);
        p.drawText(x + 6, y + std::min(big.height(), cell - 8) + 22,
                   QString("%1  %2x%3").arg(name).arg(image.width()).arg(image.height()));
        ++i;
    }
    return sheet;
}

} // namespace

int main(int argc, char** argv)
{
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
    // The HiDPI twins: every picture drawn again at twice its pixels, in full colour, for screens
    // of two device pixels per pixel. The stored pictures above stay exactly as they were.
    SetPixelScale(2);
    const QImage background2x = StarOrnament();
    for (const Picture& picture : Catalogue(background2x)) {
        const QImage image = picture.paint().convertToFormat(QImage::Format_RGB32);
        const QString path = QString("%1/%2@2x.png").arg(picturesDir).arg(picture.id);
        if (image.width() != 2 * picture.width || image.height() != 2 * picture.height) {
            std::fprintf(stderr, "picture %d drawn at the wrong size at 2x\n", picture.id);
            return 1;
        }
        if (!image.save(path, "PNG", 9)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    SetPixelScale(1);
    shown[200000] = MainWindowPreview(shown, false);
    shown[200001] = MainWindowPreview(shown, true);
    if (argc > 3 && !ContactSheet(shown).save(QString::fromLocal8Bit(argv[3]))) {
        std::fprintf(stderr, "cannot write the contact sheet\n");
        return 1;
    }
    return 0;
}
