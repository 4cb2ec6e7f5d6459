// The application icon: a stylised eye, a blue iris under a blue and cyan lid.
#include "Drawing.h"

#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>

namespace draw {

QImage Eye(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double s = size / 32.0;
    p.scale(s, s);
    // Outlines never get thinner than one device pixel, so the small sizes keep their shape.
    const double line = std::max(1.0 / s, 1.2);

    QPainterPath eye;
    eye.moveTo(1.5, 17);
    eye.cubicTo(8, 7.5, 24, 7.5, 30.5, 17);
    eye.cubicTo(24, 26.5, 8, 26.5, 1.5, 17);
    eye.closeSubpath();
    p.setPen(QPen(QColor(0, 30, 110), line));
    p.setBrush(QColor(250, 252, 255));
    p.drawPath(eye);

    p.save();
    p.setClipPath(eye);
    QRadialGradient iris(QPointF(15, 16), 7.5);
    iris.setColorAt(0, QColor(90, 170, 255));
    iris.setColorAt(0.7, QColor(20, 90, 220));
    iris.setColorAt(1, QColor(0, 40, 140));
    p.setPen(QPen(QColor(0, 30, 110), line * 0.8));
    p.setBrush(iris);
    // Small sizes keep some white either side of a smaller iris, or the eye reads as a blot.
    const double irisRadius = size < 24 ? 5.6 : 6.8;
    p.drawEllipse(QPointF(16, 17.5), irisRadius, irisRadius);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 10, 40));
    p.drawEllipse(QPointF(16, 17.5), 2.8, 2.8);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(14.0, 15.3), 1.3, 1.3);
    p.restore();

    // The lid: a blue band over the upper half with a cyan edge where it meets the eye.
    QPainterPath lid;
    lid.moveTo(0.5, 16);
    lid.cubicTo(7, 3, 25, 3, 31.5, 16);
    lid.cubicTo(25, 8.5, 7, 8.5, 0.5, 16);
    lid.closeSubpath();
    p.setPen(QPen(QColor(0, 30, 110), line * 0.8));
    QLinearGradient blue(0, 4, 0, 12);
    blue.setColorAt(0, QColor(30, 80, 210));
    blue.setColorAt(1, QColor(10, 40, 160));
    p.setBrush(blue);
    p.drawPath(lid);
    QPainterPath edge;
    edge.moveTo(2.5, 15.5);
    edge.cubicTo(8, 8.8, 24, 8.8, 29.5, 15.5);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0, 220, 255), std::max(1.0 / s, 1.6), Qt::SolidLine, Qt::RoundCap));
    p.drawPath(edge);
    // Lashes, only where there is room for them.
    if (size >= 24) {
        p.setPen(QPen(QColor(0, 30, 110), line, Qt::SolidLine, Qt::RoundCap));
        for (double x : {7.0, 12.0, 16.0, 20.0, 25.0}) {
            const double y = x < 16 ? 9.8 - (x - 7) * 0.45 : 9.8 - (25 - x) * 0.45;
            p.drawLine(QPointF(x, y - 0.2), QPointF(x + (x - 16) * 0.12, y - 3.0));
        }
    }
    return image;
}

} // namespace draw
