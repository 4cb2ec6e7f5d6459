// The desktop's file chooser, behind a seam that tests answer.
#pragma once

#include <functional>
#include <string>

class QWidget;

namespace nuro {

// An existing file chosen by the user, or "" when the chooser was cancelled. `start` is a file or
// folder to open at; `filter` a Qt name filter such as "Sounds (*.wav *.ogg *.mp3)".
std::string ChooseOpenFile(QWidget* owner, const std::string& title, const std::string& start,
                           const std::string& filter);

// Replaces the chooser (tests); an empty function restores the desktop's.
using FileChooser = std::function<std::string(const std::string& start)>;
void SetFileChooser(FileChooser chooser);

} // namespace nuro
