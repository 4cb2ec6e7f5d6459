// Entry points of the settings dialogs and the About box, called by the main window's menu commands
// (11844 Config, 11846 Expert, 11847 Summer Time, 102 About) and the tray host's "?" (40005).
#pragma once

#include <string>

class QWidget;

namespace nuro {

// Each settings dialog is created on its first call and only hidden by OK; later calls show it again
// as it was left. Never a second instance.
void OpenConfigDialog();
// The first start: the Config dialog with the search field focused, offering the largest places of
// `zone` (the computer's own) until something is typed.
void OpenConfigDialogToChoosePlace(const std::string& zone);
void OpenExpertDialog();
void OpenSummerTimeDialog();
// The Sounds dialog (11848): shown again with the settings' files each time.
void OpenSoundsDialog();

// The About box, run modally over `owner` (the main dialog or the tray host).
void ShowAbout(QWidget* owner);

// The main frame window the dialogs are placed over; set once by the shell at start-up.
void SetDialogsMainFrame(QWidget* mainFrame);

} // namespace nuro
