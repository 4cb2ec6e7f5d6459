// The prayer notice: a domed monument seen across a garden, with the prayer's name below.
#include "Drawing.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include <QStringList>

#include <algorithm>
#include <cmath>

namespace draw {
namespace {

// The notice windows show about the left 330 pixels of the picture, and their close
// button covers the lower right, so the scene is centred on x = 165 and the caption keeps left.
constexpr double kAxis = 165;
constexpr double kHorizon = 150;
constexpr int kCaptionTop = 204;

const QColor kMarble(246, 242, 232);
const QColor kMarbleShade(196, 190, 182);
const QColor kRecess(120, 112, 110);

QPainterPath OnionDome(double cx, double base, double halfWidth, double height)
{
    QPainterPath dome;
    dome.moveTo(cx - halfWidth * 0.82, base);
    dome.cubicTo(cx - halfWidth * 1.18, base - height * 0.35, cx - halfWidth * 1.05, base - height * 0.72,
                 cx - halfWidth * 0.18, base - height * 0.9);
    dome.quadTo(cx, base - height * 0.95, cx, base - height);
    dome.quadTo(cx, base - height * 0.95, cx + halfWidth * 0.18, base - height * 0.9);
    dome.cubicTo(cx + halfWidth * 1.05, base - height * 0.72, cx + halfWidth * 1.18, base - height * 0.35,
                 cx + halfWidth * 0.82, base);
    dome.closeSubpath();
    return dome;
}

QPainterPath PointedArch(double cx, double bottom, double halfWidth, double height)
{
    QPainterPath arch;
    const double spring = bottom - height + halfWidth * 1.1;
    arch.moveTo(cx - halfWidth, bottom);
    arch.lineTo(cx - halfWidth, spring);
    arch.quadTo(cx - halfWidth, bottom - height + halfWidth * 0.25, cx, bottom - height);
    arch.quadTo(cx + halfWidth, bottom - height + halfWidth * 0.25, cx + halfWidth, spring);
    arch.lineTo(cx + halfWidth, bottom);
    arch.closeSubpath();
    return arch;
}

void Sky(QPainter& p)
{
    QLinearGradient sky(0, 0, 0, kHorizon);
    sky.setColorAt(0, QColor(52, 108, 178));
    sky.setColorAt(0.55, QColor(120, 172, 220));
    sky.setColorAt(1, QColor(214, 230, 240));
    p.fillRect(QRectF(0, 0, 383, kHorizon + 1), sky);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 110));
    for (const QRectF& cloud :
         {QRectF(20, 38, 70, 12), QRectF(44, 30, 40, 14), QRectF(250, 52, 80, 10), QRectF(280, 44, 42, 13)})
        p.drawEllipse(cloud);
}

void Minaret(QPainter& p, double x, double top, double bottom, double width)
{
    QLinearGradient shade(x - width / 2, 0, x + width / 2, 0);
    shade.setColorAt(0, kMarble);
    shade.setColorAt(1, kMarbleShade);
    p.setPen(Qt::NoPen);
    p.setBrush(shade);
    p.drawPath(
        Outline({{x - width / 2, bottom}, {x - width * 0.38, top}, {x + width * 0.38, top}, {x + width / 2, bottom}}));
    // Balconies divide the shaft into storeys.
    for (double f : {0.28, 0.58, 0.98}) {
        const double y = top + (bottom - top) * (1 - f) + 2;
        p.setBrush(kMarbleShade);
        p.drawRect(QRectF(x - width * 0.75, y - 1.6, width * 1.5, 3.2));
    }
    // The kiosk and its little dome.
    p.setBrush(shade);
    p.drawRect(QRectF(x - width * 0.55, top - 8, width * 1.1, 8));
    p.setBrush(kRecess);
    p.drawRect(QRectF(x - width * 0.2, top - 6.5, width * 0.4, 5));
    p.setBrush(kMarble);
    p.drawPath(OnionDome(x, top - 8, width * 0.62, width * 1.2));
    p.setPen(QPen(QColor(200, 160, 60), 0.8));
    p.drawLine(QPointF(x, top - 8 - width * 1.2), QPointF(x, top - 12 - width * 1.2));
}

void Monument(QPainter& p)
{
    // Plinth.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(214, 200, 180));
    p.drawRect(QRectF(kAxis - 112, kHorizon - 12, 224, 12));
    p.setBrush(QColor(180, 160, 140));
    p.drawRect(QRectF(kAxis - 112, kHorizon - 3, 224, 3));
    Minaret(p, kAxis - 100, 52, kHorizon - 10, 9);
    Minaret(p, kAxis + 100, 52, kHorizon - 10, 9);
    // Main hall with its chamfered corners.
    QLinearGradient wall(kAxis - 55, 0, kAxis + 55, 0);
    wall.setColorAt(0, QColor(250, 247, 240));
    wall.setColorAt(0.7, kMarble);
    wall.setColorAt(1, kMarbleShade);
    p.setBrush(wall);
    p.drawRect(QRectF(kAxis - 56, 86, 112, kHorizon - 12 - 86));
    p.setBrush(kMarbleShade);
    p.drawRect(QRectF(kAxis - 62, 92, 6, kHorizon - 12 - 92));
    p.drawRect(QRectF(kAxis + 56, 92, 6, kHorizon - 12 - 92));
    // The great portal and the two storeys of side niches.
    p.setBrush(QColor(226, 218, 204));
    p.drawRect(QRectF(kAxis - 19, 88, 38, kHorizon - 12 - 88));
    p.setBrush(kRecess);
    p.drawPath(PointedArch(kAxis, kHorizon - 12, 13, 40));
    p.setBrush(QColor(70, 60, 62));
    p.drawPath(PointedArch(kAxis, kHorizon - 12, 6, 18));
    for (double side : {-1.0, 1.0})
        for (double y : {112.0, 134.0}) {
            p.setBrush(kRecess);
            p.drawPath(PointedArch(kAxis + side * 37, y, 7, 18));
            p.drawPath(PointedArch(kAxis + side * 54, y + 0.5, 3.2, 14));
        }
    // Drum, great dome and its finial.
    p.setBrush(wall);
    p.drawRect(QRectF(kAxis - 32, 72, 64, 15));
    QLinearGradient domeShade(kAxis - 40, 0, kAxis + 40, 0);
    domeShade.setColorAt(0, QColor(252, 250, 246));
    domeShade.setColorAt(0.6, QColor(238, 234, 226));
    domeShade.setColorAt(1, QColor(186, 180, 176));
    p.setBrush(domeShade);
    p.drawPath(OnionDome(kAxis, 74, 38, 62));
    p.setPen(QPen(QColor(200, 160, 60), 1.4));
    p.drawLine(QPointF(kAxis, 12), QPointF(kAxis, 2));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(210, 170, 70));
    p.drawEllipse(QPointF(kAxis, 8), 1.8, 1.8);
    // Corner kiosks on the roof.
    for (double side : {-1.0, 1.0}) {
        const double x = kAxis + side * 46;
        p.setBrush(kMarble);
        p.drawRect(QRectF(x - 8, 76, 16, 10));
        p.setBrush(kRecess);
        p.drawRect(QRectF(x - 3, 78, 6, 8));
        p.setBrush(domeShade);
        p.drawPath(OnionDome(x, 76, 9, 15));
    }
}

void Cypress(QPainter& p, double x, double base, double height)
{
    const double w = height * 0.22;
    QLinearGradient leaf(x - w, 0, x + w, 0);
    leaf.setColorAt(0, QColor(40, 110, 50));
    leaf.setColorAt(1, QColor(12, 52, 26));
    p.setPen(Qt::NoPen);
    p.setBrush(leaf);
    QPainterPath tree;
    tree.moveTo(x, base - height);
    tree.cubicTo(x + w * 1.2, base - height * 0.6, x + w, base - height * 0.1, x, base);
    tree.cubicTo(x - w, base - height * 0.1, x - w * 1.2, base - height * 0.6, x, base - height);
    p.drawPath(tree);
}

void RoundTree(QPainter& p, double x, double base, double radius)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(80, 60, 40));
    p.drawRect(QRectF(x - radius * 0.12, base - radius * 1.1, radius * 0.24, radius * 1.1));
    QRadialGradient crown(QPointF(x - radius * 0.3, base - radius * 1.9), radius * 1.4);
    crown.setColorAt(0, QColor(96, 160, 70));
    crown.setColorAt(1, QColor(24, 80, 34));
    p.setBrush(crown);
    p.drawEllipse(QPointF(x, base - radius * 1.7), radius, radius * 0.95);
    p.drawEllipse(QPointF(x - radius * 0.6, base - radius * 1.3), radius * 0.7, radius * 0.6);
    p.drawEllipse(QPointF(x + radius * 0.6, base - radius * 1.35), radius * 0.7, radius * 0.6);
}

void Garden(QPainter& p)
{
    QLinearGradient lawn(0, kHorizon, 0, kCaptionTop);
    lawn.setColorAt(0, QColor(110, 150, 70));
    lawn.setColorAt(1, QColor(60, 120, 40));
    p.fillRect(QRectF(0, kHorizon, 383, kCaptionTop - kHorizon), lawn);
    // Paths and the long pool that lead the eye to the portal.
    // Each widens from the horizon to the caption.
    auto strip = [](double far, double near) {
        return Outline({{kAxis - far, kHorizon},
                        {kAxis + far, kHorizon},
                        {kAxis + near, kCaptionTop},
                        {kAxis - near, kCaptionTop}});
    };
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(222, 206, 176));
    p.drawPath(strip(20, 80));
    QLinearGradient water(0, kHorizon, 0, kCaptionTop);
    water.setColorAt(0, QColor(200, 222, 236));
    water.setColorAt(1, QColor(70, 120, 180));
    p.setBrush(water);
    p.drawPath(strip(7, 34));
    // The dome's reflection, faint and broken.
    p.setBrush(QColor(255, 255, 255, 70));
    p.drawEllipse(QRectF(kAxis - 8, kHorizon + 6, 16, 18));
    // Rows of cypresses along the pool, shrinking with the distance.
    for (int i = 0; i < 6; ++i) {
        const double t = i / 5.0; // 0 near, 1 far
        const double base = kCaptionTop - 4 - t * (kCaptionTop - kHorizon - 6);
        const double spread = 112 - t * 70;
        const double height = 58 - t * 44;
        Cypress(p, kAxis - spread, base, height);
        Cypress(p, kAxis + spread, base, height);
    }
    RoundTree(p, 22, kCaptionTop - 2, 26);
    RoundTree(p, 318, kCaptionTop - 2, 28);
    RoundTree(p, 372, kCaptionTop - 10, 20);
}

const QRectF kLatinBox(12, kCaptionTop + 9, 118, 30);
const QRectF kArabicBox(134, kCaptionTop + 5, 112, 40);

QFont LatinCaptionFont()
{
    QFont font("DejaVu Serif");
    font.setBold(true);
    return font;
}

void Caption(QPainter& p, const QString& latinName, const QString& arabicName, CaptionSizes sizes)
{
    const QColor navy(16, 32, 72), gold(236, 190, 72);
    p.fillRect(QRectF(0, kCaptionTop, 383, 256 - kCaptionTop), navy);
    p.fillRect(QRectF(0, kCaptionTop, 383, 2), gold);
    // Each name keeps the common size and is centred in its box.
    DrawFitted(p, kLatinBox, latinName, LatinCaptionFont(), Qt::white, sizes.latin);
    DrawFitted(p, kArabicBox, arabicName, CalligraphyFont(sizes.arabic), gold, sizes.arabic);
}

} // namespace

CaptionSizes NoticeCaptionSizes(const QStringList& latinNames, const QStringList& arabicNames)
{
    CaptionSizes sizes{30, 44};
    for (const QString& name : latinNames)
        sizes.latin = std::min(sizes.latin, FittedSize(kLatinBox, name, LatinCaptionFont(), 30));
    for (const QString& name : arabicNames)
        sizes.arabic = std::min(sizes.arabic, FittedSize(kArabicBox, name, CalligraphyFont(44), 44));
    return sizes;
}

QImage NoticeScene(const QString& latinName, const QString& arabicName, CaptionSizes sizes)
{
    // The scene is drawn at twice the size for smooth edges; the caption is set at its own size.
    const int s = PixelScale();
    QImage big(766 * s, 512 * s, QImage::Format_RGB32);
    {
        QPainter p(&big);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(2 * s, 2 * s);
        Sky(p);
        Monument(p);
        Garden(p);
    }
    QImage image = big.scaled(383 * s, 256 * s, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QPainter p(&image);
    p.scale(s, s);
    p.setRenderHint(QPainter::Antialiasing);
    Caption(p, latinName, arabicName, sizes);
    return image;
}

} // namespace draw
