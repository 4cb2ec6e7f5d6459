// Template 2: the Config (place) dialog.
#include "resources/templates/SettingsTemplates.h"

namespace nuro {
namespace {

constexpr std::uint32_t kNumber = CS_TabStop | CS_Right | CS_Border;
constexpr std::uint32_t kDigits = kNumber | CS_Digits;
constexpr std::uint32_t kMulti = kNumber | CS_MultiLine;

// The fields are wide enough for their widest values (a pressure of 1010.00, an elevation of 2240.00,
// seconds of 59.999), and the place search and the place list stand right of them: the dialog is that
// much wider and taller.
constexpr ControlTemplate kControls[] = {
    {101, ControlKind::Static, "", 4, 0, 148, 9, CS_None, ""},
    {130, ControlKind::Static, "Longitude", 4, 10, 33, 10, CS_None, ""},
    {118, ControlKind::Static, "", 3, 18, 149, 20, CS_Etched, ""},
    {106, ControlKind::Edit, "0", 6, 22, 19, 12, kDigits, ""},
    {112, ControlKind::Static, "\u00b0", 27, 22, 4, 4, CS_None, ""},
    {111, ControlKind::Edit, "0", 31, 22, 19, 12, kDigits, ""},
    {114, ControlKind::Static, "'", 51, 22, 4, 4, CS_None, ""},
    {110, ControlKind::Edit, "0", 55, 22, 26, 12, kNumber, ""},
    {116, ControlKind::Static, "''", 83, 22, 4, 4, CS_None, ""},
    {103, ControlKind::RadioButton, "E", 92, 22, 16, 12, CS_TabStop | CS_Group, ""},
    {104, ControlKind::RadioButton, "W", 120, 22, 17, 12, CS_None, ""},
    {131, ControlKind::Static, "Latitude", 4, 40, 33, 10, CS_None, ""},
    {119, ControlKind::Static, "", 3, 48, 149, 20, CS_Etched, ""},
    {109, ControlKind::Edit, "0", 6, 52, 19, 12, kDigits, ""},
    {113, ControlKind::Static, "\u00b0", 27, 52, 4, 4, CS_None, ""},
    {108, ControlKind::Edit, "0", 31, 52, 19, 12, kDigits, ""},
    {115, ControlKind::Static, "'", 51, 52, 4, 4, CS_None, ""},
    {107, ControlKind::Edit, "0", 55, 52, 26, 12, kNumber, ""},
    {117, ControlKind::Static, "''", 83, 52, 4, 4, CS_None, ""},
    {102, ControlKind::RadioButton, "N", 92, 52, 16, 12, CS_TabStop | CS_Group, ""},
    {105, ControlKind::RadioButton, "S", 120, 52, 16, 12, CS_None, ""},
    {132, ControlKind::Static, "Refraction", 5, 70, 33, 10, CS_None, ""},
    {129, ControlKind::Static, "", 4, 79, 90, 32, CS_Etched, ""},
    {127, ControlKind::Edit, "0", 6, 82, 31, 12, kMulti, ""},
    {124, ControlKind::Static, "Pressure(mBar)", 39, 84, 51, 10, CS_None, ""},
    {122, ControlKind::Edit, "0", 6, 97, 31, 12, kMulti, ""},
    {125, ControlKind::Static, "Temperature(\u00b0C)", 39, 99, 52, 10, CS_None, ""},
    {128, ControlKind::Static, "", 96, 79, 66, 32, CS_Etched, ""},
    {120, ControlKind::Edit, "0", 98, 82, 25, 12, kMulti, ""},
    {126, ControlKind::Static, "Time Zone", 125, 84, 35, 10, CS_None, ""},
    {121, ControlKind::Edit, "0", 98, 97, 31, 12, kMulti, ""},
    {123, ControlKind::Static, "Elevation", 130, 99, 31, 10, CS_None, ""},
    {137, ControlKind::Static, "Aser Prayer", 5, 111, 40, 8, CS_None, ""},
    {136, ControlKind::Static, "", 4, 118, 84, 23, CS_Etched, ""},
    {134, ControlKind::RadioButton, "Standard", 6, 119, 42, 12, CS_TabStop | CS_Group, ""},
    {135, ControlKind::RadioButton, "Hanfai", 6, 129, 36, 12, CS_None, ""},
    // The place search stands above the place list; while it has matches they show over the list, the
    // arrows move through them and Enter takes one. "Locate me" shows only where the desktop can tell
    // the position.
    {141, ControlKind::Static, "Find a place", 165, 0, 90, 9, CS_None, ""},
    {140, ControlKind::Edit, "", 165, 9, 90, 12, CS_TabStop | CS_Border, ""},
    {142, ControlKind::ListBox, "", 165, 23, 90, 98, CS_TabStop | CS_Border | CS_VScroll | CS_Hidden, ""},
    {144, ControlKind::PushButton, "Locate me", 165, 144, 90, 12, CS_TabStop | CS_Hidden, ""},
    // The direction of the Kaaba from the place shown, and how far it is.
    {143, ControlKind::Static, "", 4, 144, 158, 9, CS_None, ""},
    // Why the place has no row in the database; empty while it has one.
    {138, ControlKind::Static, "", 92, 116, 153, 9, CS_None, ""},
    // The captions give way to bitmaps 7 and 8, set when the dialog initialises.
    {133, ControlKind::BitmapButton, "&MODIF", 124, 125, 28, 16, CS_TabStop, ""},
    {155, ControlKind::BitmapButton, "&OK", 183, 125, 28, 16, CS_TabStop, ""},
};

// No system menu: the dialog has no close box and leaves the screen only through OK.
constexpr DialogTemplate kTemplate{kConfigTemplateId,
                                   "       Config",
                                   "System",
                                   10,
                                   67,
                                   31,
                                   259,
                                   158,
                                   WS_Visible | WS_Caption | WS_ModalFrame | WS_Centered | WS_3DLook,
                                   "",
                                   0,
                                   kControls};

} // namespace

const DialogTemplate& ConfigTemplate()
{
    return kTemplate;
}

} // namespace nuro
