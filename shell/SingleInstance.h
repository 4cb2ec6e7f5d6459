// One NURO per user session: a lock file and a local socket in a private folder of the user's own.
#pragma once

#include <functional>
#include <string>

namespace nuro {

// Sets, before the application object exists, what the start needs from the environment: HOME from
// the password database when it is unset, and XDG_RUNTIME_DIR, when it is unset or not a private
// folder of ours, to InstanceDirectory (so that nothing, Qt included, falls back to a guessable path
// under /tmp). False with the reason when no private folder could be made.
bool PrepareSessionEnvironment(std::string& error);

// $XDG_RUNTIME_DIR when it is a folder of ours that no one else may enter; otherwise the 0700 folder
// "nuro/runtime" of the XDG cache folder, or of the XDG config folder. Empty when none could be made.
std::string InstanceDirectory();

enum class StartClaim {
    Claimed, // this process is now the session's one instance
    HandedOver, // the running instance took the request and answered
    Failed, // neither: the reason is in `error`
};

// Takes the session's lock, or hands `request` to the instance holding it. The lock is the kernel's
// (flock): it goes with the process that held it, so no file content (empty, garbage, an ended
// process) ever blocks a start. An instance that is ending no longer answers; a start then waits for
// it to be gone and runs. Gives up after `waitMs` of neither.
StartClaim ClaimOrHandOver(const std::string& request, std::string& error, int waitMs = 15000);

// Serves later starts: each request line reaches onRequest on the user-interface thread, and is
// answered once carried out. False, with the reason, when the socket cannot be listened on (later
// starts then find no answer).
bool ListenForLaterStarts(std::function<void(const std::string&)> onRequest, std::string* error = nullptr);

// The exit path's first step: later starts no longer reach this instance and wait for it to end.
void StopListeningForLaterStarts();

// Gives the claim up (the exit path, just before the process ends).
void ReleaseSingleInstance();

} // namespace nuro
