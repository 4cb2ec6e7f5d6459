// Operations on a dialog's controls by id, standing in for the Windows dialog calls. dlg is the
// dialog's window (a TDialog's Window(), or what DialogBoxParam/CreateDialogParam hand over).
// Every call may be made from any thread: it is carried over to the user-interface thread.
// Texts are UTF-8; lengths count characters.
#pragma once

#include <QImage>
#include <QRect>

#include <string>
#include <vector>

class QWidget;

namespace nuro {

inline constexpr int BST_UNCHECKED = 0;
inline constexpr int BST_CHECKED = 1;

// The first control with this id, or nullptr.
QWidget* GetDlgItem(QWidget* dlg, int id);
int GetDlgCtrlID(QWidget* control);

// At most maxChars - 1 characters, as the Windows call with a buffer of maxChars does.
// An edit, static, button, group box or the selected entry of a combo box.
std::string GetDlgItemText(QWidget* dlg, int id, int maxChars);
// Setting an edit's text sends its change notification (EN_CHANGE), also when set by code.
bool SetDlgItemText(QWidget* dlg, int id, const std::string& text);

// Check state without a command, as BM_SETCHECK: a radio button changes alone.
void CheckDlgButton(QWidget* dlg, int id, int state);
int IsDlgButtonChecked(QWidget* dlg, int id);

void ShowDlgItem(QWidget* dlg, int id, bool show);
void EnableDlgItem(QWidget* dlg, int id, bool enable);
// The control's own visible flag (not whether its window is on screen).
bool IsDlgItemVisible(QWidget* dlg, int id);
bool IsDlgItemEnabled(QWidget* dlg, int id);
// An edit that shows its text but takes no typing (still focusable, so a screen reader reads it).
void SetDlgItemReadOnly(QWidget* dlg, int id, bool readOnly);
bool IsDlgItemReadOnly(QWidget* dlg, int id);

// The picture of a bitmap push button; it takes the place of the caption.
void SetButtonImage(QWidget* dlg, int id, const QImage& image, const QImage& twin2x = QImage());

// List and combo boxes (box from GetDlgItem or CreateListBox). Indexes count from 0; -1 is
// "none". A sorted box inserts in case-insensitive order; the result is the entry's index.
int ListAddString(QWidget* box, const std::string& text);
// Adds every text, in order, exactly as one ListAddString after another would, in n log n: a sorted
// box sorts the new texts once and merges them in, rather than searching the whole box for each.
void ListAddStrings(QWidget* box, const std::vector<std::string>& texts);
// Selects the first entry whose text begins with prefix (case-insensitive), searching from the
// entry after start and wrapping around to start itself; start -1 searches from the top. No
// match leaves the selection as it was. Returns the index found or -1.
int ListSelectString(QWidget* box, int start, const std::string& prefix);
int ListGetCurSel(QWidget* box);
void ListSetCurSel(QWidget* box, int index);
std::string ListGetText(QWidget* box, int index);
int ListGetCount(QWidget* box);

// Whole windows: show or hide, title, outer rectangle in screen pixels, move keeping the size.
void ShowWindow(QWidget* window, bool show);
bool IsWindowVisible(QWidget* window);
void SetWindowText(QWidget* window, const std::string& text);
std::string GetWindowText(QWidget* window);
QRect GetWindowRect(QWidget* window);
// activate false moves it without raising or activating it.
void MoveWindow(QWidget* window, int x, int y, bool activate = true);

} // namespace nuro
