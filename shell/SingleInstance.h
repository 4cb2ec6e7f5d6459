// One NURO per user session: a lock file and a local socket in $XDG_RUNTIME_DIR.
#pragma once

#include <functional>
#include <string>

namespace nuro {

// $XDG_RUNTIME_DIR, or a private folder under the temporary directory where it is not set.
std::string InstanceDirectory();

// True when this process is now the session's one instance. A lock left by an instance that has
// ended does not count.
bool ClaimSingleInstance();

// Hands `request` to the running instance; false when it did not answer in a few seconds.
bool NotifyRunningInstance(const std::string& request);

// Serves later starts: each request line reaches onRequest on the user-interface thread.
void ListenForLaterStarts(std::function<void(const std::string&)> onRequest);

// Gives the claim up (the exit path, just before the process ends).
void ReleaseSingleInstance();

} // namespace nuro
