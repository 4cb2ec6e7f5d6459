// Template 3: the Expert (corrections) dialog.
#include "resources/templates/SettingsTemplates.h"

namespace nuro {
namespace {

constexpr std::uint32_t kDigits = CS_TabStop | CS_Right | CS_Border | CS_Digits;
// An angle may have decimals (17.5): the field reads it, the dialog checks it.
constexpr std::uint32_t kAngle = CS_TabStop | CS_Right | CS_Border;

constexpr ControlTemplate kControls[] = {
    // The method first: a named one shows its parameters and takes the angles out of the user's hands.
    // The drop-down spans the dialog: the methods go by their authorities' full names.
    {142, ControlKind::Static, "Method", 7, 4, 30, 8, CS_None, ""},
    {143, ControlKind::ComboBox, "", 38, 2, 200, 120, CS_TabStop | CS_VScroll, ""},
    {144, ControlKind::Static, "", 7, 16, 231, 22, CS_MultiLine, ""},
    {131, ControlKind::GroupBox, "Addition(Mn)", 7, 40, 135, 74, CS_None, ""},
    // Each prayer: right-aligned label up to its field, the field, "-" above "+".
    {121, ControlKind::Static, "Fajer", 12, 51, 30, 8, CS_Right, ""},
    {103, ControlKind::Edit, "", 43, 48, 16, 12, kDigits, ""},
    {101, ControlKind::RadioButton, "-", 58, 47, 17, 7, CS_TabStop | CS_Group, ""},
    {102, ControlKind::RadioButton, "+", 58, 54, 17, 7, CS_None, ""},
    {122, ControlKind::Static, "Shuroq", 76, 51, 29, 8, CS_Right, ""},
    {106, ControlKind::Edit, "", 106, 48, 16, 12, kDigits, ""},
    {104, ControlKind::RadioButton, "-", 121, 47, 17, 7, CS_TabStop | CS_Group, ""},
    {105, ControlKind::RadioButton, "+", 121, 54, 17, 7, CS_None, ""},
    {123, ControlKind::Static, "Dhohur", 15, 73, 26, 8, CS_Right, ""},
    {109, ControlKind::Edit, "", 42, 70, 16, 12, kDigits, ""},
    {107, ControlKind::RadioButton, "-", 57, 69, 17, 7, CS_TabStop | CS_Group, ""},
    {108, ControlKind::RadioButton, "+", 57, 76, 17, 7, CS_None, ""},
    {124, ControlKind::Static, "Aser", 80, 73, 25, 8, CS_Right, ""},
    {112, ControlKind::Edit, "", 106, 70, 16, 12, kDigits, ""},
    {110, ControlKind::RadioButton, "-", 121, 69, 17, 7, CS_TabStop | CS_Group, ""},
    {111, ControlKind::RadioButton, "+", 121, 76, 17, 7, CS_None, ""},
    {125, ControlKind::Static, "Maghereb", 10, 94, 31, 8, CS_Right, ""},
    {120, ControlKind::Edit, "", 42, 92, 16, 12, kDigits, ""},
    {113, ControlKind::RadioButton, "-", 57, 91, 17, 7, CS_TabStop | CS_Group, ""},
    {114, ControlKind::RadioButton, "+", 57, 98, 17, 7, CS_None, ""},
    {130, ControlKind::Static, "Isha", 80, 94, 25, 8, CS_Right, ""},
    {118, ControlKind::Edit, "", 106, 92, 16, 12, kDigits, ""},
    {116, ControlKind::RadioButton, "-", 121, 91, 17, 7, CS_TabStop | CS_Group, ""},
    {117, ControlKind::RadioButton, "+", 121, 98, 17, 7, CS_None, ""},
    // Beside the additions: the custom angles and the two switches.
    {128, ControlKind::Static, "", 145, 44, 93, 38, CS_Etched, ""},
    {127, ControlKind::Static, "Angle", 149, 40, 22, 8, CS_None, ""},
    {129, ControlKind::Static, "Fajer", 150, 53, 40, 8, CS_None, ""},
    {115, ControlKind::Edit, "", 192, 50, 18, 12, kAngle, ""},
    {133, ControlKind::Static, "\u00b0", 211, 50, 4, 8, CS_None, ""},
    {126, ControlKind::Static, "Isha", 150, 67, 40, 8, CS_None, ""},
    {119, ControlKind::Edit, "", 192, 64, 18, 12, kAngle, ""},
    {134, ControlKind::Static, "\u00b0", 211, 64, 4, 8, CS_None, ""},
    {135, ControlKind::CheckBox, "Precision", 145, 86, 80, 12, CS_TabStop, ""},
    {136, ControlKind::CheckBox, "Startup", 145, 100, 80, 12, CS_TabStop, ""},
    // Isha by an interval after Maghereb instead of its angle, and the method's own minutes.
    {145, ControlKind::CheckBox, "Isha: minutes after Maghereb", 7, 120, 100, 12, CS_TabStop, ""},
    {146, ControlKind::Edit, "", 108, 120, 20, 12, kDigits, ""},
    {147, ControlKind::Static, "", 7, 136, 231, 8, CS_None, ""},
    // The rule for Fajer and Isha where the sun does not reach the twilight angles (HIGH_LAT).
    {138, ControlKind::Static, "High latitudes", 7, 152, 52, 8, CS_None, ""},
    {137, ControlKind::ComboBox, "", 60, 150, 96, 48, CS_TabStop | CS_VScroll, ""},
    // Days added to the Umm al-Qura date where the month is begun by local sighting (-2 .. 2).
    {140, ControlKind::Static, "Hijri date (days)", 7, 169, 78, 8, CS_None, ""},
    {141, ControlKind::Edit, "", 87, 166, 16, 12, CS_TabStop | CS_Right | CS_Border, ""},
    {132, ControlKind::PushButton, "&RESET", 78, 186, 28, 16, CS_TabStop, ""},
    {155, ControlKind::PushButton, "&OK", 139, 186, 28, 16, CS_TabStop, ""},
};

constexpr DialogTemplate kTemplate{kExpertTemplateId,
                                   "       Expert",
                                   "System",
                                   10,
                                   114,
                                   29,
                                   245,
                                   208,
                                   WS_Visible | WS_Popup | WS_Caption | WS_Centered,
                                   "",
                                   0,
                                   kControls};

} // namespace

const DialogTemplate& ExpertTemplate()
{
    return kTemplate;
}

} // namespace nuro
