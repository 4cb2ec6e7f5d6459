// The one way out of a running program, as a fixed order of steps over whatever performs them.
#pragma once

#include <ostream>
#include <string>

namespace nuro {

class ExitSteps {
public:
    virtual ~ExitSteps() = default;
    // False with a reason when the settings file could not be written.
    virtual bool SaveSettings(std::string& error) = 0;
    virtual void StopMonitor() = 0;
    virtual void UnloadLibrary() = 0;
    virtual void RemoveSkin() = 0;
    // Ends the process at once, nothing unwound. Returns only in tests.
    virtual void EndProcess(int code) = 0;
};

// Save, stop the monitor, unload the library, remove the skin, end with code 1. A failed save costs
// the user their changes, so it is the one thing reported: one line on `err`. A second call while the
// first is under way (a signal or a log-out arriving during the save) does nothing.
class ExitSequence {
public:
    void Run(ExitSteps& steps, std::ostream& err);
    bool Started() const { return started_; }

private:
    bool started_ = false;
};

} // namespace nuro
