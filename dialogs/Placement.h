// Where a dialog stands over the main frame window: centred on it, kept on the screen.
#pragma once

namespace nuro {

struct ScreenRect {
    int x, y, width, height;
};

struct ScreenPoint {
    int x, y;
    bool operator==(const ScreenPoint&) const = default;
};

// Centres a dialog of dialogWidth x dialogHeight over `frame` (halving toward zero). A negative position
// becomes 0; otherwise one running past the right or bottom edge is pulled back. The left and top
// corrections win, so a dialog larger than the screen may still end at a negative position.
ScreenPoint CentredOver(int dialogWidth, int dialogHeight, ScreenRect frame, int screenWidth, int screenHeight);

} // namespace nuro
