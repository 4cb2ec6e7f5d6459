#include "Drawing.h"

#include <QFontMetrics>
#include <QPainter>

#include <optional>
#include <utility>

namespace draw {
namespace {

QFont Font(const QString& family, int pixelSize, QFont::Weight weight)
{
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setWeight(weight);
    font.setStyleStrategy(QFont::PreferAntialias);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

struct Measured {
    QRect ink; // inked pixels relative to the pen position (the baseline's left end)
    bool empty = true;
};

Measured MeasureInk(const QString& text, const QFont& font)
{
    const QFontMetrics metrics(font);
    const int pad = font.pixelSize() * 2 + 8;
    QImage scratch(metrics.horizontalAdvance(text) + 2 * pad, metrics.height() + 2 * pad,
                   QImage::Format_ARGB32_Premultiplied);
    scratch.fill(Qt::transparent);
    const QPoint pen(pad, pad + metrics.ascent());
    {
        QPainter p(&scratch);
        p.setFont(font);
        p.setPen(Qt::black);
        p.drawText(pen, text);
    }
    int left = scratch.width(), right = -1, top = scratch.height(), bottom = -1;
    for (int y = 0; y < scratch.height(); ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(scratch.constScanLine(y));
        for (int x = 0; x < scratch.width(); ++x) {
            // Faint fringes count: a cut-off fringe is what the measuring is for.
            if (qAlpha(row[x]) > 24) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    Measured m;
    if (right < 0)
        return m;
    m.empty = false;
    m.ink = QRect(QPoint(left, top), QPoint(right, bottom)).translated(-pen);
    return m;
}

struct Fit {
    QFont font; // at the size and stretch found
    QRect ink;
};

// Largest size first, then ever narrower: the first setting whose ink fits `box`.
std::optional<Fit> FindFit(const QRectF& box, const QString& text, QFont font, int maxPixelSize, int minStretch)
{
    for (int size = maxPixelSize; size >= 4; --size)
        for (int stretch = 100; stretch >= minStretch; stretch -= 4) {
            font.setPixelSize(size);
            font.setStretch(stretch);
            const Measured m = MeasureInk(text, font);
            if (!m.empty && m.ink.width() <= box.width() && m.ink.height() <= box.height())
                return Fit{font, m.ink};
        }
    return std::nullopt;
}

} // namespace

QFont ArabicUiFont(int pixelSize)
{
    return Font("Noto Sans Arabic UI", pixelSize, QFont::Bold);
}
QFont CalligraphyFont(int pixelSize)
{
    return Font("Amiri", pixelSize, QFont::Bold);
}
QFont SerifFont(int pixelSize)
{
    return Font("Amiri", pixelSize, QFont::Bold);
}

int FittedSize(const QRectF& box, const QString& text, QFont font, int maxPixelSize, int minStretch)
{
    const auto fit = FindFit(box, text, std::move(font), maxPixelSize, minStretch);
    return fit ? fit->font.pixelSize() : 4;
}

int DrawFitted(QPainter& painter, const QRectF& box, const QString& text, QFont font, const QColor& colour,
               int maxPixelSize, int minStretch)
{
    const auto fit = FindFit(box, text, std::move(font), maxPixelSize, minStretch);
    if (!fit)
        return 0;
    const QRect& ink = fit->ink;
    // Whole-pixel pen positions keep the hinted outlines as crisp as measured.
    const double cx = box.left() + (box.width() - ink.width()) / 2.0;
    const double cy = box.top() + (box.height() - ink.height()) / 2.0;
    const QPoint pen(static_cast<int>(std::lround(cx)) - ink.left(), static_cast<int>(std::lround(cy)) - ink.top());
    painter.save();
    painter.setFont(fit->font);
    painter.setPen(colour);
    painter.drawText(pen, text);
    painter.restore();
    return fit->font.pixelSize();
}

} // namespace draw
