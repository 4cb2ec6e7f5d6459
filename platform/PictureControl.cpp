#include "platform/PictureControl.h"

#include "resources/Pictures.h"

#include <QFocusEvent>
#include <QPainter>
#include <QPaintEngine>
#include <QPainterPath>

#include <algorithm>

namespace nuro {

PictureControl::PictureControl(int id, bool pushKind, const QString& text, QWidget* parent)
    : QAbstractButton(parent), id_(id), pushKind_(pushKind)
{
    setText(text);
    if (HasPicture(id + kPictureOffset)) {
        normal_ = LoadPicture(id + kPictureOffset);
        normal2x_ = LoadPicture2x(id + kPictureOffset);
    }
    if (pushKind && HasPicture(id + kHeldPictureOffset)) {
        held_ = LoadPicture(id + kHeldPictureOffset);
        held2x_ = LoadPicture2x(id + kHeldPictureOffset);
    }
    setProperty("pushKind", pushKind);
}

int PictureControl::ShownPictureId() const
{
    if (pushKind_ && isDown() && !held_.isNull())
        return id_ + kHeldPictureOffset;
    return normal_.isNull() ? 0 : id_ + kPictureOffset;
}

const QImage& PictureControl::ShownImage(qreal devicePixelRatio) const
{
    const bool held = ShownPictureId() == id_ + kHeldPictureOffset;
    const QImage& single = held ? held_ : normal_;
    const QImage& twin = held ? held2x_ : normal2x_;
    return devicePixelRatio > 1.0 && !twin.isNull() ? twin : single;
}

void PictureControl::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const int shown = ShownPictureId();
    // The device painted at last tells the ratio: the window's on a 2x screen, or a pixmap of
    // ratio 2 that the control is rendered into.
    const QPaintDevice* target = p.paintEngine() ? p.paintEngine()->paintDevice() : p.device();
    if (shown != 0)
        p.drawImage(rect(), ShownImage(target->devicePixelRatioF()));
    else if (id_ == 1)
        DrawCloseFace(p);
    else
        DrawPlainFace(p);

    // Focus is drawn only once the keyboard has moved it, so a mouse user never sees it.
    if (pushKind_ && hasFocus() && keyboardFocus_) {
        p.setRenderHint(QPainter::Antialiasing, false);
        QPen pen(Qt::black, 1, Qt::DotLine);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        p.drawRect(rect().adjusted(1, 1, -2, -2));
    }
}

void PictureControl::focusInEvent(QFocusEvent* event)
{
    keyboardFocus_ = event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason;
    QAbstractButton::focusInEvent(event);
}

void PictureControl::focusOutEvent(QFocusEvent* event)
{
    keyboardFocus_ = false;
    QAbstractButton::focusOutEvent(event);
}

void PictureControl::DrawPlainFace(QPainter& p) const
{
    // A grey bevelled face, sunk while held, with the control's text.
    const QRect r = rect();
    const bool down = isDown();
    p.fillRect(r, QColor(192, 192, 192));
    p.setPen(down ? QColor(128, 128, 128) : Qt::white);
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(down ? Qt::white : QColor(96, 96, 96));
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());
    if (!text().isEmpty()) {
        p.setPen(isEnabled() ? Qt::black : QColor(128, 128, 128));
        p.setFont(font());
        p.drawText(r.translated(down ? 1 : 0, down ? 1 : 0), Qt::AlignCenter | Qt::TextShowMnemonic, text());
    }
}

void PictureControl::DrawCloseFace(QPainter& p) const
{
    // The notices' close button has no picture: a small rounded grey face with a cross.
    p.setRenderHint(QPainter::Antialiasing);
    const bool down = isDown();
    const QRectF r = QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5);
    QLinearGradient fill(r.topLeft(), r.bottomLeft());
    fill.setColorAt(0, down ? QColor(176, 176, 176) : QColor(244, 244, 244));
    fill.setColorAt(1, down ? QColor(208, 208, 208) : QColor(196, 196, 196));
    const double radius = std::min(r.width(), r.height()) * 0.25;
    p.setPen(QPen(QColor(100, 100, 100), 1));
    p.setBrush(fill);
    p.drawRoundedRect(r, radius, radius);

    const double side = std::min(r.width(), r.height()) * 0.42;
    QPointF c = r.center() + (down ? QPointF(0.75, 0.75) : QPointF());
    QPen cross(QColor(150, 24, 24), std::max(1.5, side / 5.0), Qt::SolidLine, Qt::RoundCap);
    p.setPen(cross);
    p.drawLine(c + QPointF(-side / 2, -side / 2), c + QPointF(side / 2, side / 2));
    p.drawLine(c + QPointF(-side / 2, side / 2), c + QPointF(side / 2, -side / 2));
}

} // namespace nuro
