// Dialog templates and menus as plain data: the windows are described here and built by the platform layer.
#pragma once

#include <cstdint>
#include <span>

namespace nuro {

enum class ControlKind {
    Static, // text label
    Edit,
    PushButton,
    DefPushButton,
    CheckBox,
    RadioButton,
    GroupBox,
    ComboBox, // drop-down list
    ListBox,
    PictureStatic, // "BorBtn" with the bitmap style: shows picture id+1000
    PictureButton, // "BorBtn" push button: picture id+1000, id+3000 while held where it exists
    BitmapButton, // ordinary push button whose picture is set by code
    Custom, // an outside control class, hosted as a hidden placeholder
};

// Control style bits.
enum ControlStyle : std::uint32_t {
    CS_None = 0,
    CS_TabStop = 1u << 0,
    CS_Group = 1u << 1,
    CS_Hidden = 1u << 2, // not visible at creation
    CS_Digits = 1u << 3, // edit accepts digits only
    CS_ReadOnly = 1u << 4,
    CS_Right = 1u << 5, // right-aligned text
    CS_Center = 1u << 6,
    CS_MultiLine = 1u << 7,
    CS_Etched = 1u << 8, // etched frame static
    CS_Sorted = 1u << 9, // list/combo keeps its entries sorted
    CS_Disabled = 1u << 10,
    CS_Border = 1u << 11,
    CS_VScroll = 1u << 12,
    CS_Bitmap = 1u << 15, // the picture library's bitmap style (0x8000)
};

// Window style bits of a template.
enum WindowStyle : std::uint32_t {
    WS_None = 0,
    WS_Visible = 1u << 0,
    WS_Caption = 1u << 1,
    WS_SysMenu = 1u << 2,
    WS_Centered = 1u << 3,
    WS_SizeBorder = 1u << 4,
    WS_ModalFrame = 1u << 5,
    WS_3DLook = 1u << 6,
    WS_Popup = 1u << 7,
    WS_Child = 1u << 8,
    WS_MinimizeBox = 1u << 9,
};

struct ControlTemplate {
    int id;
    ControlKind kind;
    const char* text; // caption or initial text; "" when none
    int x, y, cx, cy; // dialog units
    std::uint32_t style; // ControlStyle bits
    const char* className; // outside class name for Custom ("" otherwise)
};

struct DialogTemplate {
    int id;
    const char* caption;
    const char* fontName; // "System" or "MS Sans Serif"
    int fontPoints;
    int x, y, cx, cy; // dialog units
    std::uint32_t style; // WindowStyle bits
    const char* className; // "" or e.g. "BorDlg_Gray"
    int menuId; // 0 when none
    std::span<const ControlTemplate> controls;
};

enum class MenuItemKind { Command, Separator, Popup, EndPopup };

// A menu is a flat list: Popup opens a sub-menu that lasts until its EndPopup.
struct MenuItemTemplate {
    MenuItemKind kind;
    const char* text; // with '&' before the mnemonic
    int id; // command id (0 for separators and pop-ups)
    bool isDefault; // drawn bold, the double-click action
};

struct MenuTemplate {
    int id;
    std::span<const MenuItemTemplate> items;
};

} // namespace nuro
