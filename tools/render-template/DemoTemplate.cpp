#include "Templates.h"

namespace nuro {
namespace {

constexpr ControlTemplate kDemoControls[] = {
    {400, ControlKind::PictureStatic, "", 0, 0, 60, 60, CS_Bitmap, ""},
    {101, ControlKind::PictureButton, "", 65, 4, 22, 16, CS_TabStop, ""},
    {102, ControlKind::PictureButton, "", 92, 4, 14, 14, CS_TabStop, ""},
    {705, ControlKind::PictureStatic, "", 112, 5, 13, 12, CS_Bitmap, ""},
    {1, ControlKind::PictureButton, "", 132, 4, 20, 13, CS_TabStop, ""},
    {11, ControlKind::PictureButton, "", 158, 5, 17, 10, CS_None, ""},
    {21, ControlKind::PictureButton, "Face", 180, 4, 18, 13, CS_None, ""},
    {120, ControlKind::Static, "Label", 65, 26, 38, 10, CS_None, ""},
    {121, ControlKind::Edit, "123", 105, 24, 30, 12, CS_Digits | CS_Right | CS_Border | CS_TabStop, ""},
    {122, ControlKind::Edit, "12:30:00", 140, 24, 40, 12, CS_ReadOnly | CS_Border | CS_TabStop, ""},
    {130, ControlKind::PushButton, "&Push", 65, 40, 40, 14, CS_TabStop, ""},
    {131, ControlKind::DefPushButton, "&OK", 110, 40, 40, 14, CS_TabStop, ""},
    {133, ControlKind::BitmapButton, "&MODIF", 155, 38, 28, 16, CS_TabStop, ""},
    {140, ControlKind::CheckBox, "Check", 65, 58, 45, 10, CS_TabStop, ""},
    {141, ControlKind::RadioButton, "One", 115, 58, 35, 10, CS_TabStop | CS_Group, ""},
    {142, ControlKind::RadioButton, "Two", 155, 58, 35, 10, CS_TabStop, ""},
    {150, ControlKind::GroupBox, "Group", 2, 62, 60, 32, CS_Group, ""},
    {151, ControlKind::ComboBox, "", 6, 74, 50, 60, CS_TabStop | CS_VScroll, ""},
    {160, ControlKind::ListBox, "", 65, 72, 60, 36, CS_Sorted | CS_Border | CS_VScroll | CS_TabStop, ""},
    {170, ControlKind::Static, "Frame1", 2, 112, 196, 1, CS_Etched, ""},
    {171, ControlKind::Static, "NURO V2.0", 130, 74, 68, 8, CS_Center, ""},
    {172, ControlKind::Static, "right", 130, 86, 68, 8, CS_Right, ""},
    {109, ControlKind::Custom, "MHCL200.VBX;MhClock;MhClock109", 160, 96, 20, 10, CS_Hidden, "MhClock"},
    {173, ControlKind::Static, "Temperature(\u00b0C)", 4, 98, 58, 10, CS_None, ""},
};

} // namespace

const DialogTemplate kDemoTemplate = {
    990, "Demo", "System", 8, 0, 0, 200, 118, WS_Visible | WS_Caption | WS_SysMenu, "BorDlg_Gray", 0, kDemoControls,
};

} // namespace nuro
