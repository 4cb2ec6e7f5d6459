// The one way out of a running program, as a fixed order of steps over whatever performs them.
#pragma once

#include <ostream>
#include <string>

namespace nuro {

// Where the request to end came from: the user's own Exit in the main or tray menu, or anything else
// (log-out, a signal, a close request, a lost display), when nobody may be there to read a message.
enum class ExitOrigin { Menu, Unattended };

class ExitSteps {
public:
    virtual ~ExitSteps() = default;
    // False with a reason when the settings file could not be written.
    virtual bool SaveSettings(std::string& error) = 0;
    // Tells the user the settings were not saved: at once in a message box after a menu's Exit,
    // otherwise at the next start.
    virtual void TellUnsaved(const std::string& reason, ExitOrigin origin) = 0;
    virtual void StopMonitor() = 0;
    virtual void UnloadLibrary() = 0;
    virtual void RemoveSkin() = 0;
    // Ends the process at once, nothing unwound. Returns only in tests.
    virtual void EndProcess(int code) = 0;
};

// Save, stop the monitor, unload the library, remove the skin, end with code 1. A failed save costs
// the user their changes, so it is the one thing reported: one line on `err`, and to the user through
// TellUnsaved. A second call while the first is under way (a signal or a log-out arriving during the
// save or its message) does nothing.
class ExitSequence {
public:
    void Run(ExitSteps& steps, std::ostream& err, ExitOrigin origin = ExitOrigin::Unattended);
    bool Started() const { return started_; }

private:
    bool started_ = false;
};

// The user's texts of a failed save: told at the exit that failed, or at the start after it.
std::string UnsavedAtExitText(const std::string& reason);
std::string UnsavedLastTimeText(const std::string& reason);

} // namespace nuro
