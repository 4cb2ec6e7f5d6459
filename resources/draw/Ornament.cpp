// The main window's background: a five-pointed star with gold lettering on a light blue frame.
#include "Drawing.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <numbers>

namespace draw {
namespace {

QPainterPath Star(QPointF centre, double outer, double inner, double turn = 0)
{
    QPolygonF corners;
    for (int i = 0; i < 10; ++i) {
        const double r = i % 2 ? inner : outer;
        const double a = -std::numbers::pi / 2 + turn + i * std::numbers::pi / 5;
        corners << QPointF(centre.x() + r * std::cos(a), centre.y() + r * std::sin(a));
    }
    return Outline(corners);
}

void Frame(QPainter& p, int size)
{
    QLinearGradient sky(0, 0, size, size);
    sky.setColorAt(0, QColor(196, 228, 250));
    sky.setColorAt(1, QColor(150, 200, 240));
    p.fillRect(0, 0, size, size, sky);
    // A faint lattice of small eight-pointed stars, the usual filling of such frames.
    p.setPen(QPen(QColor(255, 255, 255, 90), 1.0));
    p.setBrush(Qt::NoBrush);
    for (int y = 0; y <= size; y += 25)
        for (int x = 0; x <= size; x += 25) {
            p.drawRect(QRectF(x - 5, y - 5, 10, 10));
            p.save();
            p.translate(x, y);
            p.rotate(45);
            p.drawRect(QRectF(-5, -5, 10, 10));
            p.restore();
        }
    p.setPen(QPen(QColor(40, 90, 170), 2.0));
    p.drawRect(QRectF(3, 3, size - 6, size - 6));
    p.setPen(QPen(QColor(214, 170, 60), 1.0));
    p.drawRect(QRectF(6.5, 6.5, size - 13, size - 13));
}

void Seal(QPainter& p, QRectF box)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 40, 70));
    p.drawRect(box.translated(1.2, 1.2));
    p.setBrush(QColor(170, 30, 30));
    p.drawRect(box);
    p.setPen(QPen(QColor(240, 205, 110), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(box.adjusted(2, 2, -2, -2));
    DrawFitted(p, box.adjusted(4, 4, -4, -4), QStringLiteral(u"نور"), CalligraphyFont(20), QColor(250, 225, 140), 20);
}

} // namespace

QImage StarOrnament()
{
    const int size = 250;
    QImage image(size * PixelScale(), size * PixelScale(), QImage::Format_RGB32);
    QPainter p(&image);
    p.scale(PixelScale(), PixelScale());
    p.setRenderHint(QPainter::Antialiasing);
    Frame(p, size);
    const QPointF centre(125, 132);
    const QColor gold(232, 186, 64), deepGold(150, 105, 20);
    // The star: a gold rim, a deep blue body and an inner line following its outline.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(10, 30, 80, 80));
    p.drawPath(Star(centre + QPointF(2, 3), 116, 47));
    p.setBrush(gold);
    p.drawPath(Star(centre, 116, 47));
    QRadialGradient blue(centre, 110);
    blue.setColorAt(0, QColor(40, 95, 200));
    blue.setColorAt(1, QColor(10, 40, 130));
    p.setBrush(blue);
    p.drawPath(Star(centre, 109, 43.5));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(232, 186, 64, 170), 1.0));
    p.drawPath(Star(centre, 98, 39));
    // A medallion at the heart with the lettering.
    p.setPen(QPen(gold, 1.5));
    p.setBrush(QColor(12, 36, 110));
    p.drawEllipse(centre, 40, 40);
    p.setPen(QPen(QColor(232, 186, 64, 140), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, 36, 36);
    DrawFitted(p, QRectF(centre.x() - 32, centre.y() - 26, 64, 26), QStringLiteral(u"حيّ على"), CalligraphyFont(30),
               gold, 30);
    DrawFitted(p, QRectF(centre.x() - 33, centre.y() - 1, 66, 28), QStringLiteral(u"الصلاة"), CalligraphyFont(34), gold,
               34);
    // Small gold stars in the arms.
    p.setPen(Qt::NoPen);
    p.setBrush(deepGold);
    for (int i = 0; i < 5; ++i) {
        const double a = -std::numbers::pi / 2 + i * 2 * std::numbers::pi / 5;
        const QPointF at(centre.x() + 70 * std::cos(a), centre.y() + 70 * std::sin(a));
        p.setBrush(gold);
        p.drawPath(Star(at, 7, 3, a + std::numbers::pi / 2));
    }
    Seal(p, QRectF(214, 214, 28, 28));
    return image;
}

} // namespace draw
