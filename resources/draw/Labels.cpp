// The row labels of the main window: words, arrows and abbreviations.
#include "Drawing.h"

#include <QPainter>
#include <QPolygonF>

namespace draw {
namespace {

const QColor kPaleYellow(255, 250, 196);

QImage Blank(QSize size, const QColor& colour) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

} // namespace

QImage ArabicLabel(const QString& word, QSize size) {
    QImage image = Blank(size, kPaleYellow);
    QPainter p(&image);
    DrawFitted(p, QRectF(1, 1, size.width() - 2, size.height() - 2), word, ArabicUiFont(16), Qt::black, 16, 80);
    return image;
}

QImage EnglishLabel(const QString& word, QSize size) {
    QImage image = Blank(size, Qt::white);
    QPainter p(&image);
    DrawFitted(p, QRectF(1, 1, size.width() - 2, size.height() - 2), word, SerifFont(16), Qt::black, 16, 80);
    return image;
}

QImage ArrowLeft(QSize size, const QColor& background, bool smooth) {
    QImage image = Blank(size, background);
    QPainter p(&image);
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
