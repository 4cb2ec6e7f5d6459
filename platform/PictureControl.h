// The picture controls of class "BorBtn": a control with id N shows picture N+1000, and the push
// kind shows N+3000 while held down where that picture exists. Both send command N when clicked.
#pragma once

#include <QAbstractButton>
#include <QImage>

namespace nuro {

inline constexpr int kPictureOffset = 1000;
inline constexpr int kHeldPictureOffset = 3000;

class PictureControl : public QAbstractButton {
    Q_OBJECT
public:
    PictureControl(int id, bool pushKind, const QString& text, QWidget* parent);

    int Id() const { return id_; }
    bool IsPushKind() const { return pushKind_; }
    // The picture id on show now, or 0 when the control draws its plain face.
    int ShownPictureId() const;
    // The image of that picture drawn on a device of this pixel ratio: the 2x twin where the
    // device has more than one pixel per pixel and the twin exists.
    const QImage& ShownImage(qreal devicePixelRatio) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void DrawPlainFace(QPainter& p) const;
    void DrawCloseFace(QPainter& p) const;

    int id_;
    bool pushKind_;
    QImage normal_;
    QImage held_;
    QImage normal2x_;
    QImage held2x_;
    bool keyboardFocus_ = false;
};

} // namespace nuro
