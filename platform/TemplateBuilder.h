// Turns a dialog template into Qt widgets: one widget per control, tagged with its id.
#pragma once

#include "platform/DialogWindow.h"
#include "resources/DialogTemplate.h"

#include <QImage>

#include <cstdint>

namespace nuro {

// Grey of the "BorDlg_Gray" dialog class.
inline constexpr QRgb kGrayDialogColor = qRgb(192, 192, 192);

// Builds the window and its controls; commands go to the window's sink (set it afterwards).
// A child is placed at (0, 0) inside parent; a popup is owned by parent and placed by the template.
DialogWindow* BuildDialog(const DialogTemplate& tmpl, QWidget* parent, bool child);

// Creates a list box after the fact (one that is not in the template), at a pixel rectangle.
// Its commands carry id; it joins the end of the control list, so an earlier control with the
// same id still answers GetDlgItem. style: CS_Sorted, CS_Border, CS_VScroll, CS_TabStop.
QWidget* CreateListBox(QWidget* dlg, int id, const QRect& pixels, std::uint32_t style);

// Renders the template as built, without a window frame (for review and documentation).
QImage RenderTemplate(const DialogTemplate& tmpl);

} // namespace nuro
