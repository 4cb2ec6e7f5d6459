// Template 13: the main window's dialog, hosted in the main frame window. Dialog units.
#include "resources/templates/ShellTemplates.h"

namespace nuro {
namespace {

constexpr std::uint32_t kTime = CS_ReadOnly | CS_Border | CS_TabStop;
constexpr std::uint32_t kPicture = CS_Bitmap;

constexpr ControlTemplate kControls[] = {
    // The clock control is hosted but never shown: nothing of the program talks to it.
    {109, ControlKind::Custom, "MHCL200.VBX;MhClock;MhClock109", 88, 88, 35, 12, CS_Hidden, "MhClock"},
    {400, ControlKind::PictureStatic, "", 0, 0, 125, 125, kPicture, ""},
    {101, ControlKind::PictureButton, "", 52, 105, 22, 16, CS_TabStop, ""},
    {102, ControlKind::PictureButton, "", 109, 2, 14, 14, CS_TabStop, ""},
    {104, ControlKind::Edit, "", 13, 16, 31, 12, kTime, ""},
    {103, ControlKind::Edit, "", 57, 16, 31, 12, kTime, ""},
    {105, ControlKind::Edit, "", 57, 31, 31, 12, kTime, ""},
    {107, ControlKind::Edit, "", 57, 46, 31, 12, kTime, ""},
    {106, ControlKind::Edit, "", 57, 61, 31, 12, kTime, ""},
    {108, ControlKind::Edit, "", 57, 76, 31, 12, kTime, ""},
    {110, ControlKind::Edit, "0", 11, 74, 16, 12, CS_Digits | CS_Right | CS_Border | CS_TabStop, ""},
    {112, ControlKind::RadioButton, "", 26, 73, 6, 7, CS_TabStop, ""},
    {111, ControlKind::RadioButton, "", 26, 80, 6, 7, CS_TabStop, ""},
    {32, ControlKind::CheckBox, "", 25, 43, 7, 8, CS_TabStop, ""},
    // 706 lies beneath 705: hiding 705 uncovers it.
    {706, ControlKind::PictureStatic, "", 22, 30, 13, 12, kPicture, ""},
    {705, ControlKind::PictureStatic, "", 22, 30, 13, 12, kPicture, ""},
    {113, ControlKind::Static, "Frame1", 1, 101, 124, 1, CS_Etched, ""},
    {11, ControlKind::PictureButton, "", 89, 17, 17, 10, CS_None, ""},
    {12, ControlKind::PictureButton, "", 89, 31, 17, 10, CS_None, ""},
    {13, ControlKind::PictureButton, "", 89, 47, 17, 10, CS_None, ""},
    {14, ControlKind::PictureButton, "", 89, 62, 17, 10, CS_None, ""},
    {15, ControlKind::PictureButton, "", 89, 77, 17, 10, CS_None, ""},
    {16, ControlKind::PictureButton, "", 46, 17, 9, 10, CS_None, ""},
    {17, ControlKind::PictureButton, "", 15, 66, 8, 9, CS_None, ""},
    {18, ControlKind::PictureButton, "", 4, 77, 8, 7, CS_None, ""},
    {19, ControlKind::PictureButton, "", 32, 73, 8, 7, CS_None, ""},
    {20, ControlKind::PictureButton, "", 32, 80, 8, 7, CS_None, ""},
    {8000, ControlKind::PictureButton, "", 89, 17, 17, 10, CS_None, ""},
    {8001, ControlKind::PictureButton, "", 89, 31, 17, 10, CS_None, ""},
    {8002, ControlKind::PictureButton, "", 89, 47, 17, 10, CS_None, ""},
    {8003, ControlKind::PictureButton, "", 89, 62, 17, 10, CS_None, ""},
    {8004, ControlKind::PictureButton, "", 89, 77, 17, 10, CS_None, ""},
    {8005, ControlKind::PictureButton, "", 32, 80, 14, 7, CS_None, ""},
    {8006, ControlKind::PictureButton, "", 32, 73, 14, 7, CS_None, ""},
    {8007, ControlKind::PictureButton, "", 4, 77, 8, 7, CS_None, ""},
    {8008, ControlKind::PictureButton, "", 46, 17, 9, 10, CS_None, ""},
    // The day's Hijri date, on a strip below the pictures so they stay as drawn.
    {114, ControlKind::Static, "", 0, 125, 125, 10, CS_Center, ""},
};

} // namespace

const DialogTemplate kMainTemplate = {
    13, "S1", "System",  8, 1, 0, 125, 135, WS_Visible | WS_Popup | WS_Caption | WS_SizeBorder | WS_Centered,
    "", 13,   kControls,
};

} // namespace nuro
