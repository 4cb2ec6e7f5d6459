// The row labels of the main window: words, arrows and abbreviations.
#include "Drawing.h"

#include <QPainter>
#include <QPolygonF>
#include <QStringList>

#include <algorithm>

namespace draw {
namespace {

const QColor kPaleYellow(255, 250, 196);

QImage Blank(QSize size, const QColor& colour)
{
    QImage image(size * PixelScale(), QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// Latin letters take more narrowing than Arabic ones before they stop reading well.
constexpr int kArabicMinStretch = 76;
constexpr int kLatinMinStretch = 64;

QRectF Inside(QSize size)
{
    return QRectF(1, 1, size.width() - 2, size.height() - 2);
}

int CommonSize(const QStringList& words, QSize size, const QFont& font, int minStretch)
{
    int common = 16;
    for (const QString& word : words)
        common = std::min(common, FittedSize(Inside(size), word, font, 16, minStretch));
    return common;
}

} // namespace

int ArabicLabelSize(const QStringList& words, QSize size)
{
    return CommonSize(words, size, ArabicUiFont(16), kArabicMinStretch);
}
int EnglishLabelSize(const QStringList& words, QSize size)
{
    return CommonSize(words, size, SerifFont(16), kLatinMinStretch);
}

QImage ArabicLabel(const QString& word, QSize size, int pixelSize)
{
    QImage image = Blank(size, kPaleYellow);
    QPainter p(&image);
    p.scale(PixelScale(), PixelScale());
    DrawFitted(p, Inside(size), word, ArabicUiFont(pixelSize), Qt::black, pixelSize, kArabicMinStretch);
    return image;
}

QImage EnglishLabel(const QString& word, QSize size, int pixelSize)
{
    QImage image = Blank(size, Qt::white);
    QPainter p(&image);
    p.scale(PixelScale(), PixelScale());
    DrawFitted(p, Inside(size), word, SerifFont(pixelSize), Qt::black, pixelSize, kLatinMinStretch);
    return image;
}

QImage ArrowLeft(QSize size, const QColor& background, bool smooth)
{
    QImage image = Blank(size, background);
    QPainter p(&image);
    p.scale(PixelScale(), PixelScale());
    p.setRenderHint(QPainter::Antialiasing, smooth);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    const double w = size.width(), h = size.height(), mid = h / 2.0;
    const double headEnd = w * 0.5;
    const double shaft = smooth ? 1.6 : 1.5;
    QPolygonF arrow;
    arrow << QPointF(1, mid) << QPointF(headEnd, mid - 5.5) << QPointF(headEnd, mid - shaft)
          << QPointF(w - 1, mid - shaft) << QPointF(w - 1, mid + shaft) << QPointF(headEnd, mid + shaft)
          << QPointF(headEnd, mid + 5.5);
    p.drawPolygon(arrow);
    return image;
}

} // namespace draw
