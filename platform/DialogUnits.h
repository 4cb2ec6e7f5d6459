// Dialog units to pixels: templates are laid out in units of the dialog font's character cell.
#pragma once

#include <QFont>
#include <QRect>

namespace nuro {

struct DialogUnitScale {
    double across; // pixels per horizontal unit
    double down; // pixels per vertical unit
};

// "System": 2 pixels per unit each way; "MS Sans Serif" 8: 1.5 across and 1.625 down (scaled with
// the size for other sizes). Other fonts are laid out like "MS Sans Serif".
DialogUnitScale ScaleForFont(const char* fontName, int points);

// Each value is converted on its own and rounded to the nearest pixel (halves away from zero).
int UnitsToPixelsAcross(const DialogUnitScale& s, int units);
int UnitsToPixelsDown(const DialogUnitScale& s, int units);
QRect UnitsToPixels(const DialogUnitScale& s, int x, int y, int cx, int cy);

// The Qt font that stands in for a template's font.
QFont FontForTemplate(const char* fontName, int points);

} // namespace nuro
