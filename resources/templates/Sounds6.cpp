// Template 6: the Sounds dialog: a sound file per alerted prayer, each with a chooser and a play
// button, the reminder's minutes, the label beside the tray icon and the alert's notification.
#include "resources/templates/SettingsTemplates.h"

namespace nuro {
namespace {

constexpr std::uint32_t kPath = CS_TabStop | CS_Border;
constexpr std::uint32_t kButton = CS_TabStop;

// Row n (Fajer, Dhohur, Aser, Maghereb, Isha): label 201+n, file 211+n, "..." 221+n, "Play" 231+n.
constexpr ControlTemplate kControls[] = {
    {200, ControlKind::Static, "Empty: the built-in chime (um.wav)", 6, 4, 180, 8, CS_None, ""},
    {201, ControlKind::Static, "Fajer", 6, 18, 36, 8, CS_Right, ""},
    {211, ControlKind::Edit, "", 44, 16, 100, 12, kPath, ""},
    {221, ControlKind::PushButton, "...", 146, 16, 14, 12, kButton, ""},
    {231, ControlKind::PushButton, "Play", 162, 16, 28, 12, kButton, ""},
    {202, ControlKind::Static, "Dhohur", 6, 34, 36, 8, CS_Right, ""},
    {212, ControlKind::Edit, "", 44, 32, 100, 12, kPath, ""},
    {222, ControlKind::PushButton, "...", 146, 32, 14, 12, kButton, ""},
    {232, ControlKind::PushButton, "Play", 162, 32, 28, 12, kButton, ""},
    {203, ControlKind::Static, "Aser", 6, 50, 36, 8, CS_Right, ""},
    {213, ControlKind::Edit, "", 44, 48, 100, 12, kPath, ""},
    {223, ControlKind::PushButton, "...", 146, 48, 14, 12, kButton, ""},
    {233, ControlKind::PushButton, "Play", 162, 48, 28, 12, kButton, ""},
    {204, ControlKind::Static, "Maghereb", 6, 66, 36, 8, CS_Right, ""},
    {214, ControlKind::Edit, "", 44, 64, 100, 12, kPath, ""},
    {224, ControlKind::PushButton, "...", 146, 64, 14, 12, kButton, ""},
    {234, ControlKind::PushButton, "Play", 162, 64, 28, 12, kButton, ""},
    {205, ControlKind::Static, "Isha", 6, 82, 36, 8, CS_Right, ""},
    {215, ControlKind::Edit, "", 44, 80, 100, 12, kPath, ""},
    {225, ControlKind::PushButton, "...", 146, 80, 14, 12, kButton, ""},
    {235, ControlKind::PushButton, "Play", 162, 80, 28, 12, kButton, ""},
    {240, ControlKind::Static, "Reminder (minutes before, 0 = none)", 6, 101, 130, 8, CS_None, ""},
    {241, ControlKind::Edit, "", 138, 98, 20, 12, CS_TabStop | CS_Right | CS_Border | CS_Digits, ""},
    {242, ControlKind::Static, "Beside the tray icon", 6, 116, 184, 8, CS_None, ""},
    {243, ControlKind::ComboBox, "", 6, 126, 184, 60, CS_TabStop, ""},
    {244, ControlKind::CheckBox, "Desktop notification at each alert", 6, 142, 184, 10, CS_TabStop, ""},
    {255, ControlKind::PushButton, "&OK", 84, 156, 28, 16, kButton, ""},
};

constexpr DialogTemplate kTemplate{kSoundsTemplateId,
                                   "       Sounds",
                                   "System",
                                   10,
                                   100,
                                   29,
                                   196,
                                   178,
                                   WS_Visible | WS_Popup | WS_Caption | WS_Centered,
                                   "",
                                   0,
                                   kControls};

} // namespace

const DialogTemplate& SoundsTemplate()
{
    return kTemplate;
}

} // namespace nuro
