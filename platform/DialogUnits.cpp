#include "platform/DialogUnits.h"

#include "platform/Translation.h"

#include <QStringList>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace nuro {
namespace {

bool IsSystemFont(const char* name)
{
    return name && std::strcmp(name, "System") == 0;
}

} // namespace

DialogUnitScale ScaleForFont(const char* fontName, int points)
{
    if (IsSystemFont(fontName))
        return {2.0, 2.0};
    const double size = points > 0 ? points / 8.0 : 1.0;
    return {1.5 * size, 1.625 * size};
}

int UnitsToPixelsAcross(const DialogUnitScale& s, int units)
{
    return static_cast<int>(std::lround(units * s.across));
}

int UnitsToPixelsDown(const DialogUnitScale& s, int units)
{
    return static_cast<int>(std::lround(units * s.down));
}

QRect UnitsToPixels(const DialogUnitScale& s, int x, int y, int cx, int cy)
{
    return QRect(UnitsToPixelsAcross(s, x), UnitsToPixelsDown(s, y), UnitsToPixelsAcross(s, cx),
                 UnitsToPixelsDown(s, cy));
}

QFont FontForTemplate(const char* fontName, int points)
{
    // Sized to the character cell the units come from, so texts fit their rectangles as designed.
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    // DejaVu Sans draws Urdu's own letters (ہ, ے) without their joined forms: Urdu reads in a Naskh
    // that has them, Latin letters and digits still in DejaVu Sans. Nastaliq, Urdu's book hand, is
    // too tall for the templates' line heights.
    if (InterfaceLanguage() == "ur")
        font.setFamilies(QStringList{QStringLiteral("Noto Naskh Arabic UI"), QStringLiteral("DejaVu Sans")});
    if (IsSystemFont(fontName)) {
        font.setPixelSize(12);
        font.setBold(true);
    } else {
        font.setPixelSize(std::max(9, static_cast<int>(std::lround(11.0 * (points > 0 ? points : 8) / 8.0))));
    }
    return font;
}

} // namespace nuro
