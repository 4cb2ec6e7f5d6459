// Template 4: the About box.
#include "resources/templates/SettingsTemplates.h"

namespace nuro {
namespace {

constexpr ControlTemplate kControls[] = {
    {101, ControlKind::Static, "NURO V2.0", 16, 5, 72, 8, CS_Center, ""},
    // Shows picture 1104 by the picture id rule; clicking it does nothing.
    {104, ControlKind::PictureStatic, "Button2", 44, 32, 16, 16, CS_Bitmap | CS_TabStop, "BorBtn"},
    // The place data's attribution, which its licence asks for wherever the places are shown.
    {105, ControlKind::Static, "Places: GeoNames.org", 2, 51, 101, 8, CS_Center, ""},
    {106, ControlKind::Static, "CC BY 4.0, modified", 2, 60, 101, 8, CS_Center, ""},
    {1, ControlKind::PushButton, "OK", 39, 72, 28, 16, CS_TabStop, ""},
};

constexpr DialogTemplate kTemplate{kAboutTemplateId,
                                   "       About",
                                   "System",
                                   10,
                                   114,
                                   29,
                                   105,
                                   96,
                                   WS_Visible | WS_Popup | WS_Caption | WS_Centered,
                                   "",
                                   0,
                                   kControls};

} // namespace

const DialogTemplate& AboutTemplate()
{
    return kTemplate;
}

} // namespace nuro
