// Template 5: the Summer Time dialog.
#include "resources/templates/SettingsTemplates.h"

namespace nuro {
namespace {

// Unsorted drop-down lists, 73 units tall when open, scroll bar always shown.
constexpr std::uint32_t kCombo = CS_TabStop | CS_VScroll;

constexpr ControlTemplate kControls[] = {
    {105, ControlKind::GroupBox, "From", 2, 1, 99, 27, CS_None, ""},
    {108, ControlKind::Static, "Month", 5, 11, 20, 11, CS_Right, ""},
    {101, ControlKind::ComboBox, "", 27, 11, 26, 73, kCombo, ""},
    {110, ControlKind::Static, "Day", 59, 11, 13, 11, CS_Right, ""},
    {102, ControlKind::ComboBox, "", 73, 11, 26, 73, kCombo, ""},
    {106, ControlKind::GroupBox, "To", 2, 28, 99, 27, CS_None, ""},
    {107, ControlKind::Static, "Month", 5, 38, 20, 11, CS_Right, ""},
    {103, ControlKind::ComboBox, "", 27, 38, 26, 73, kCombo, ""},
    {109, ControlKind::Static, "Day", 59, 38, 13, 11, CS_Right, ""},
    {104, ControlKind::ComboBox, "", 73, 38, 26, 73, kCombo, ""},
    {111, ControlKind::CheckBox, "Enable Summer Time", 11, 61, 83, 7, CS_TabStop, ""},
    {132, ControlKind::PushButton, "&RESET", 15, 77, 28, 16, CS_TabStop, ""},
    {155, ControlKind::PushButton, "&OK", 63, 77, 28, 16, CS_TabStop, ""},
};

constexpr DialogTemplate kTemplate{
    kSummerTemplateId, "       Summer Time", "System", 10, 114, 29, 105, 96,
    WS_Visible | WS_Popup | WS_Caption | WS_Centered, "", 0, kControls};

} // namespace

const DialogTemplate& SummerTemplate() { return kTemplate; }

} // namespace nuro
