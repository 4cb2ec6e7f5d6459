// What the settings dialogs offer beyond their entry points: the shared placement rule, the Expert
// field refresh used by Config, and the windows and date source that tests reach them by.
#pragma once

#include "core/TimeText.h"

#include <functional>
#include <optional>
#include <string>

class QWidget;

namespace nuro {

// The main frame window given to SetDialogsMainFrame, or nullptr.
QWidget* DialogsMainFrame();

// Centres `dialog` over the main frame window, kept on the dialog's screen; size and stacking kept.
void PlaceOverMainFrame(QWidget* dialog);

// Puts the settings into an existing Expert dialog; nothing before it has been created.
void ShowExpertFields();

// The dialogs' windows once created, nullptr before.
QWidget* ConfigDialogWindow();
QWidget* ExpertDialogWindow();
QWidget* SummerTimeDialogWindow();
QWidget* SoundsDialogWindow();

// Puts the settings' sound files and reminder into an existing Sounds dialog.
void ShowSoundsFields();

// Where the Summer Time check takes the current year from (the local date unless replaced).
void SetSummerDateSource(std::function<LocalDate()> today);

// What MODIF hands the finished update statement to; by default it starts the updater `mod` without
// waiting. An empty function restores the default.
using PlaceUpdater = std::function<void(const std::string& statement)>;
void SetPlaceUpdater(PlaceUpdater updater);

// What the Config dialog asks the place database through; by default the calculation library's query.
// nullopt stands for a library that cannot be reached. An empty function restores the default.
using PlaceLookupFn = std::function<std::optional<std::string>(const std::string& sql)>;
void SetPlaceLookup(PlaceLookupFn lookup);

// Destroys the three settings dialogs so the next command creates them afresh (tests only: the program
// keeps them for its whole run).
void ResetSettingsDialogs();

} // namespace nuro
