// A solid colour, the framework's brush.
#pragma once

#include <QColor>

namespace nuro {

class TBrush {
public:
    TBrush(int red, int green, int blue) : color_(red, green, blue) {}
    explicit TBrush(QColor color) : color_(color) {}
    QColor Color() const { return color_; }

private:
    QColor color_;
};

} // namespace nuro
