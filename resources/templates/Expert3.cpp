// Template 3: the Expert (corrections) dialog.
#include "resources/templates/SettingsTemplates.h"

namespace nuro {
namespace {

constexpr std::uint32_t kDigits = CS_TabStop | CS_Right | CS_Border | CS_Digits;

constexpr ControlTemplate kControls[] = {
    {131, ControlKind::GroupBox, "Addition(Mn)", 7, 0, 135, 74, CS_None, ""},
    // Each prayer: right-aligned label up to its field, the field, "-" above "+".
    {121, ControlKind::Static, "Fajer", 12, 11, 30, 8, CS_Right, ""},
    {103, ControlKind::Edit, "", 43, 8, 16, 12, kDigits, ""},
    {101, ControlKind::RadioButton, "-", 58, 7, 17, 7, CS_TabStop | CS_Group, ""},
    {102, ControlKind::RadioButton, "+", 58, 14, 17, 7, CS_None, ""},
    {122, ControlKind::Static, "Shuroq", 80, 11, 25, 8, CS_Right, ""},
    {106, ControlKind::Edit, "", 106, 8, 16, 12, kDigits, ""},
    {104, ControlKind::RadioButton, "-", 121, 7, 17, 7, CS_TabStop | CS_Group, ""},
    {105, ControlKind::RadioButton, "+", 121, 14, 17, 7, CS_None, ""},
    {123, ControlKind::Static, "Dhohur", 15, 33, 26, 8, CS_Right, ""},
    {109, ControlKind::Edit, "", 42, 30, 16, 12, kDigits, ""},
    {107, ControlKind::RadioButton, "-", 57, 29, 17, 7, CS_TabStop | CS_Group, ""},
    {108, ControlKind::RadioButton, "+", 57, 36, 17, 7, CS_None, ""},
    {124, ControlKind::Static, "Aser", 87, 33, 18, 8, CS_Right, ""},
    {112, ControlKind::Edit, "", 106, 30, 16, 12, kDigits, ""},
    {110, ControlKind::RadioButton, "-", 121, 29, 17, 7, CS_TabStop | CS_Group, ""},
    {111, ControlKind::RadioButton, "+", 121, 36, 17, 7, CS_None, ""},
    {125, ControlKind::Static, "Maghereb", 10, 54, 31, 8, CS_Right, ""},
    {120, ControlKind::Edit, "", 42, 52, 16, 12, kDigits, ""},
    {113, ControlKind::RadioButton, "-", 57, 51, 17, 7, CS_TabStop | CS_Group, ""},
    {114, ControlKind::RadioButton, "+", 57, 58, 17, 7, CS_None, ""},
    {130, ControlKind::Static, "Isha", 90, 54, 15, 8, CS_Right, ""},
    {118, ControlKind::Edit, "", 106, 52, 16, 12, kDigits, ""},
    {116, ControlKind::RadioButton, "-", 121, 51, 17, 7, CS_TabStop | CS_Group, ""},
    {117, ControlKind::RadioButton, "+", 121, 58, 17, 7, CS_None, ""},
    {128, ControlKind::Static, "", 7, 80, 93, 25, CS_Etched, ""},
    {127, ControlKind::Static, "Angle", 11, 76, 22, 8, CS_None, ""},
    {129, ControlKind::Static, "Fajer", 10, 88, 23, 8, CS_None, ""},
    {115, ControlKind::Edit, "", 34, 85, 16, 12, kDigits, ""},
    {133, ControlKind::Static, "\u00b0", 51, 85, 4, 8, CS_None, ""},
    {126, ControlKind::Static, "Isha", 57, 88, 19, 8, CS_None, ""},
    {119, ControlKind::Edit, "", 77, 85, 16, 12, kDigits, ""},
    {134, ControlKind::Static, "\u00b0", 94, 85, 4, 8, CS_None, ""},
    {135, ControlKind::CheckBox, "Precision", 105, 80, 40, 12, CS_TabStop, ""},
    {136, ControlKind::CheckBox, "Startup", 105, 93, 40, 12, CS_TabStop, ""},
    // The rule for Fajer and Isha where the sun does not reach the twilight angles (HIGH_LAT).
    {138, ControlKind::Static, "High latitudes", 7, 112, 41, 8, CS_None, ""},
    {137, ControlKind::ComboBox, "", 49, 110, 96, 48, CS_TabStop | CS_VScroll, ""},
    // Days added to the Umm al-Qura date where the month is begun by local sighting (-2 .. 2).
    {140, ControlKind::Static, "Hijri date (days)", 7, 129, 62, 8, CS_None, ""},
    {141, ControlKind::Edit, "", 74, 126, 16, 12, CS_TabStop | CS_Right | CS_Border, ""},
    {132, ControlKind::PushButton, "&RESET", 30, 145, 28, 16, CS_TabStop, ""},
    {155, ControlKind::PushButton, "&OK", 90, 145, 28, 16, CS_TabStop, ""},
};

constexpr DialogTemplate kTemplate{
    kExpertTemplateId, "       Expert", "System", 10, 114, 29, 148, 167,
    WS_Visible | WS_Popup | WS_Caption | WS_Centered, "", 0, kControls};

} // namespace

const DialogTemplate& ExpertTemplate() { return kTemplate; }

} // namespace nuro
