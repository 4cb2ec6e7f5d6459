// The small button faces and symbols, drawn large and averaged down.
#include "Drawing.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

namespace draw {
namespace {

constexpr int kScale = 8;

QPen Pen(const QColor& colour, double width)
{
    QPen pen(colour, width);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

} // namespace

QImage AlarmClock(const QImage& backdrop)
{
    return Supersampled(13, 16, kScale, backdrop, [](QPainter& p) {
        const QColor red(214, 24, 24), dark(110, 0, 0);
        // Bells and their hammer.
        p.setPen(Pen(dark, 0.6));
        p.setBrush(red);
        p.drawChord(QRectF(0.3, 1.2, 5.2, 5.2), 30 * 16, 180 * 16);
        p.drawChord(QRectF(7.5, 1.2, 5.2, 5.2), -30 * 16, 180 * 16);
        p.setPen(Pen(dark, 0.9));
        p.drawLine(QPointF(6.5, 1.0), QPointF(6.5, 3.0));
        // Legs.
        p.setPen(Pen(dark, 1.1));
        p.drawLine(QPointF(3.0, 13.5), QPointF(1.6, 15.2));
        p.drawLine(QPointF(10.0, 13.5), QPointF(11.4, 15.2));
        // Body and face.
        QRadialGradient body(QPointF(5.2, 6.8), 7.0);
        body.setColorAt(0, QColor(255, 90, 80));
        body.setColorAt(1, red);
        p.setPen(Pen(dark, 0.7));
        p.setBrush(body);
        p.drawEllipse(QPointF(6.5, 9.0), 5.8, 5.8);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(6.5, 9.0), 4.0, 4.0);
        p.setPen(Pen(Qt::black, 0.9));
        p.drawLine(QPointF(6.5, 9.0), QPointF(6.5, 6.2));
        p.drawLine(QPointF(6.5, 9.0), QPointF(8.6, 9.8));
    });
}

QImage Loudspeaker(const QImage& backdrop, bool struckThrough)
{
    return Supersampled(26, 24, kScale, backdrop, [struckThrough](QPainter& p) {
        const QPainterPath speaker = Outline({{2.5, 9}, {7, 9}, {13, 3.5}, {13, 20.5}, {7, 15}, {2.5, 15}});
        QLinearGradient shade(0, 4, 0, 20);
        shade.setColorAt(0, QColor(120, 120, 130));
        shade.setColorAt(1, QColor(30, 30, 40));
        p.setPen(Pen(QColor(10, 10, 20), 1.0));
        p.setBrush(shade);
        p.drawPath(speaker);
        p.setBrush(Qt::NoBrush);
        p.setPen(Pen(QColor(20, 40, 120), 1.8));
        for (int i = 0; i < 3; ++i) {
            const double r = 3.5 + 3.3 * i;
            p.drawArc(QRectF(13 - r, 12 - r, 2 * r, 2 * r), -45 * 16, 90 * 16);
        }
        if (struckThrough) {
            p.setPen(Pen(QColor(255, 255, 255, 200), 4.4));
            p.drawLine(QPointF(3, 21), QPointF(23, 3));
            p.setPen(Pen(QColor(220, 0, 0), 2.6));
            p.drawLine(QPointF(3, 21), QPointF(23, 3));
        }
    });
}

QImage OkButton(const QImage& backdrop, bool held)
{
    const int w = held ? 45 : 42, h = held ? 33 : 30;
    return Supersampled(w, h, kScale, backdrop, [=](QPainter& p) {
        // The held face fills more of its larger picture, so it seems to grow under the pointer.
        const double margin = held ? 0.8 : 2.0;
        const QRectF oval(margin, margin + 0.5, w - 2 * margin, h - 2 * margin - 1.0);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 40, 90));
        p.drawEllipse(oval.translated(0.6, 1.0));
        QLinearGradient face(0, oval.top(), 0, oval.bottom());
        face.setColorAt(0, held ? QColor(70, 120, 230) : QColor(110, 160, 255));
        face.setColorAt(0.5, held ? QColor(20, 60, 190) : QColor(30, 80, 220));
        face.setColorAt(1, held ? QColor(10, 30, 120) : QColor(10, 40, 150));
        p.setPen(Pen(QColor(0, 20, 90), 1.0));
        p.setBrush(face);
        p.drawEllipse(oval);
        // A soft highlight on the upper half.
        QLinearGradient gloss(0, oval.top(), 0, oval.center().y());
        gloss.setColorAt(0, QColor(255, 255, 255, held ? 70 : 130));
        gloss.setColorAt(1, QColor(255, 255, 255, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(gloss);
        p.drawEllipse(
            QRectF(oval.left() + oval.width() * 0.15, oval.top() + 1.2, oval.width() * 0.7, oval.height() * 0.45));
        QFont font("DejaVu Sans");
        font.setBold(true);
        font.setItalic(true);
        font.setPixelSize(held ? 17 : 15);
        p.setFont(font);
        p.setPen(QColor(0, 10, 60, 160));
        p.drawText(oval.translated(0.7, 0.8), Qt::AlignCenter, "OK");
        p.setPen(Qt::white);
        p.drawText(oval, Qt::AlignCenter, "OK");
    });
}

QImage FaceButton(const QImage& backdrop, bool smiling)
{
    return Supersampled(26, 26, kScale, backdrop, [smiling](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 40, 80));
        p.drawEllipse(QPointF(13.5, 13.8), 11.5, 11.5);
        QRadialGradient face(QPointF(10, 9), 14);
        face.setColorAt(0, QColor(255, 250, 150));
        face.setColorAt(0.6, QColor(255, 222, 40));
        face.setColorAt(1, QColor(235, 170, 0));
        p.setPen(Pen(QColor(120, 80, 0), 1.0));
        p.setBrush(face);
        p.drawEllipse(QPointF(13, 13), 11.5, 11.5);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(50, 30, 0));
        if (smiling) {
            p.setPen(Pen(QColor(50, 30, 0), 1.6));
            p.setBrush(Qt::NoBrush);
            p.drawArc(QRectF(7.2, 7.2, 3.6, 3.6), 20 * 16, 140 * 16);
            p.drawArc(QRectF(15.2, 7.2, 3.6, 3.6), 20 * 16, 140 * 16);
            QPainterPath mouth;
            mouth.moveTo(7.0, 14.5);
            mouth.quadTo(13, 22.5, 19.0, 14.5);
            mouth.quadTo(13, 17.0, 7.0, 14.5);
            p.setPen(Pen(QColor(50, 30, 0), 1.0));
            p.setBrush(QColor(150, 30, 20));
            p.drawPath(mouth);
        } else {
            p.drawEllipse(QPointF(9.3, 9.8), 1.5, 2.0);
            p.drawEllipse(QPointF(16.7, 9.8), 1.5, 2.0);
            p.setPen(Pen(QColor(50, 30, 0), 1.0));
            p.setBrush(QColor(150, 30, 20));
            p.drawEllipse(QPointF(13, 17.2), 2.2, 2.6);
        }
    });
}

QImage Diskette()
{
    QImage field(32, 32, QImage::Format_RGB32);
    field.fill(QColor(212, 208, 200));
    return Supersampled(32, 32, kScale, field, [](QPainter& p) {
        const QPainterPath body = Outline({{3, 3}, {26, 3}, {29, 6}, {29, 29}, {3, 29}});
        QLinearGradient blue(3, 3, 29, 29);
        blue.setColorAt(0, QColor(70, 120, 230));
        blue.setColorAt(1, QColor(15, 45, 150));
        p.setPen(Pen(QColor(5, 20, 80), 1.0));
        p.setBrush(blue);
        p.drawPath(body);
        // Metal shutter with its window.
        QLinearGradient metal(9, 0, 23, 0);
        metal.setColorAt(0, QColor(235, 235, 240));
        metal.setColorAt(1, QColor(150, 155, 165));
        p.setPen(Pen(QColor(70, 70, 80), 0.7));
        p.setBrush(metal);
        p.drawRect(QRectF(9, 3, 14, 9));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(40, 45, 60));
        p.drawRect(QRectF(17, 4.5, 3.5, 6));
        // Paper label with ruled lines.
        p.setPen(Pen(QColor(90, 90, 110), 0.6));
        p.setBrush(QColor(250, 250, 245));
        p.drawRect(QRectF(6.5, 16, 19, 12));
        p.setPen(Pen(QColor(200, 60, 60), 0.8));
        p.drawLine(QPointF(8.5, 19), QPointF(23.5, 19));
        p.setPen(Pen(QColor(150, 150, 180), 0.7));
        p.drawLine(QPointF(8.5, 22.3), QPointF(23.5, 22.3));
        p.drawLine(QPointF(8.5, 25.3), QPointF(23.5, 25.3));
    });
}

QImage CheckMark()
{
    QImage field(32, 32, QImage::Format_RGB32);
    field.fill(QColor(192, 192, 192));
    return Supersampled(32, 32, kScale, field, [](QPainter& p) {
        QPainterPath tick;
        tick.moveTo(5, 17);
        tick.lineTo(13, 25);
        tick.lineTo(27, 7);
        p.setBrush(Qt::NoBrush);
        p.setPen(Pen(QColor(60, 60, 60, 90), 6.5));
        p.drawPath(tick.translated(1, 1.2));
        p.setPen(Pen(QColor(0, 90, 0), 6.0));
        p.drawPath(tick);
        p.setPen(Pen(QColor(40, 190, 40), 3.8));
        p.drawPath(tick);
        p.setPen(Pen(QColor(150, 240, 130), 1.2));
        p.drawPath(tick.translated(-0.5, -0.7));
    });
}

} // namespace draw
