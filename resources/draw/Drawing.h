// The pictures, each drawn at its own size in full colour; main.cpp reduces them to their file depth.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainterPath>
#include <QPolygonF>
#include <QRectF>
#include <QString>

class QPainter;

namespace draw {

// Device pixels per picture pixel of this pass: 1 for the stored pictures, 2 for their HiDPI twins.
// Every picture is laid out in its own pixels and drawn through this scale.
inline int& PixelScaleSetting()
{
    static int scale = 1;
    return scale;
}
inline int PixelScale()
{
    return PixelScaleSetting();
}
inline void SetPixelScale(int scale)
{
    PixelScaleSetting() = scale;
}

// Fonts the pictures are set in, found through fontconfig by family name.
QFont ArabicUiFont(int pixelSize); // Noto Sans Arabic UI Bold: reads at label sizes
QFont CalligraphyFont(int pixelSize); // Amiri Bold: the large lettering
QFont SerifFont(int pixelSize); // Amiri Bold's Latin: a dark serif at label sizes

// Sets `text` so its inked pixels, measured on a scratch image, fill `box` as far as they fit and
// sit centred in it. Qt's tight bounding box cuts off Arabic marks, hence the measuring.
// Returns the pixel size used.
int DrawFitted(QPainter& painter, const QRectF& box, const QString& text, QFont font, const QColor& colour,
               int maxPixelSize, int minStretch = 100);

// The largest pixel size at which `text` fits `box`, measured the same way.
int FittedSize(const QRectF& box, const QString& text, QFont font, int maxPixelSize, int minStretch = 100);

// A closed outline through `corners`, in order.
inline QPainterPath Outline(const QPolygonF& corners)
{
    QPainterPath path;
    path.addPolygon(corners);
    path.closeSubpath();
    return path;
}

// Draws at `scale` times the size and averages back down, for smooth small shapes.
template <typename Paint> QImage Supersampled(int width, int height, int scale, const QImage& backdrop, Paint paint);

// Labels of one set share one letter size: the largest at which every word of the set fits,
// narrowed where it must be.
int ArabicLabelSize(const QStringList& words, QSize size);
int EnglishLabelSize(const QStringList& words, QSize size);
QImage ArabicLabel(const QString& word, QSize size, int pixelSize);
QImage EnglishLabel(const QString& word, QSize size, int pixelSize);
QImage ArrowLeft(QSize size, const QColor& background, bool smooth);

QImage AlarmClock(const QImage& backdrop);
QImage Loudspeaker(const QImage& backdrop, bool struckThrough);
QImage OkButton(const QImage& backdrop, bool held);
QImage FaceButton(const QImage& backdrop, bool smiling);
QImage Diskette();
QImage CheckMark();

QImage StarOrnament();
// The five notices set their captions at one size each, the size that fits the widest name.
struct CaptionSizes {
    int latin;
    int arabic;
};
CaptionSizes NoticeCaptionSizes(const QStringList& latinNames, const QStringList& arabicNames);
QImage NoticeScene(const QString& latinName, const QString& arabicName, CaptionSizes sizes);

// The application icon at any size, with transparency.
QImage Eye(int size);

} // namespace draw

#include <QPainter>

template <typename Paint>
QImage draw::Supersampled(int width, int height, int scale, const QImage& backdrop, Paint paint)
{
    const int s = PixelScale();
    QImage big(width * s * scale, height * s * scale, QImage::Format_ARGB32_Premultiplied);
    big.fill(Qt::transparent);
    {
        QPainter p(&big);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(scale * s, scale * s);
        paint(p);
    }
    const QImage small = big.scaled(width * s, height * s, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    if (backdrop.isNull())
        return small;
    QImage out = backdrop.scaled(width * s, height * s, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                     .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QPainter p(&out);
    p.drawImage(0, 0, small);
    return out;
}
