// A search edit and the list of its matches: typing stays in the edit while the arrows move through
// the list, so a place is found and taken with the keyboard alone.
#pragma once

#include <string>
#include <vector>

class QWidget;

namespace nuro {

// Up, Down, Page Up and Page Down typed in the edit move the list's current entry.
void LinkSearchList(QWidget* dlg, int editId, int listId);

// Replaces every entry of the list with `texts`, in their order, the first one current.
void ListReplaceAll(QWidget* box, const std::vector<std::string>& texts);

// Shows the control above the controls it overlaps, or hides it.
void ShowOnTop(QWidget* dlg, int id, bool show);

// Gives the keyboard focus to the control.
void FocusDlgItem(QWidget* dlg, int id);
// The id of the control that has the focus in the dialog, 0 when none has.
int FocusedDlgItem(QWidget* dlg);

} // namespace nuro
