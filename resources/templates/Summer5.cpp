// Template 5: the Summer Time dialog.
#include "resources/templates/SettingsTemplates.h"

namespace nuro {
namespace {

// Unsorted drop-down lists, 73 units tall when open, scroll bar always shown.
constexpr std::uint32_t kCombo = CS_TabStop | CS_VScroll;

constexpr ControlTemplate kControls[] = {
    // Automatic mode on top; the yearly window below it, centred, as it always was.
    {112, ControlKind::CheckBox, "Automatic (from the place's time zone)", 5, 2, 150, 10, CS_TabStop, ""},
    {113, ControlKind::Static, "", 15, 13, 140, 9, CS_None, ""},
    {105, ControlKind::GroupBox, "From", 29, 25, 99, 27, CS_None, ""},
    {108, ControlKind::Static, "Month", 32, 35, 20, 11, CS_Right, ""},
    {101, ControlKind::ComboBox, "", 54, 35, 26, 73, kCombo, ""},
    {110, ControlKind::Static, "Day", 86, 35, 13, 11, CS_Right, ""},
    {102, ControlKind::ComboBox, "", 100, 35, 26, 73, kCombo, ""},
    {106, ControlKind::GroupBox, "To", 29, 52, 99, 27, CS_None, ""},
    {107, ControlKind::Static, "Month", 32, 62, 20, 11, CS_Right, ""},
    {103, ControlKind::ComboBox, "", 54, 62, 26, 73, kCombo, ""},
    {109, ControlKind::Static, "Day", 86, 62, 13, 11, CS_Right, ""},
    {104, ControlKind::ComboBox, "", 100, 62, 26, 73, kCombo, ""},
    {111, ControlKind::CheckBox, "Enable Summer Time", 38, 85, 83, 7, CS_TabStop, ""},
    {132, ControlKind::PushButton, "&RESET", 42, 101, 28, 16, CS_TabStop, ""},
    {155, ControlKind::PushButton, "&OK", 90, 101, 28, 16, CS_TabStop, ""},
};

constexpr DialogTemplate kTemplate{kSummerTemplateId,
                                   "       Summer Time",
                                   "System",
                                   10,
                                   114,
                                   29,
                                   160,
                                   120,
                                   WS_Visible | WS_Popup | WS_Caption | WS_Centered,
                                   "",
                                   0,
                                   kControls};

} // namespace

const DialogTemplate& SummerTemplate()
{
    return kTemplate;
}

} // namespace nuro
