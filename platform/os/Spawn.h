// Starting outside programs without a shell and without waiting for them.
#pragma once

#include <string>
#include <vector>

namespace nuro {

// The directory of the running executable ("." when it cannot be read).
std::string ExecutableDir();

// The first of `candidates` that is an executable file, or "" when none is.
std::string FirstExecutable(const std::vector<std::string>& candidates);

// The database updater: <exe dir>/../libexec/nuro/mod (an installation), then <exe dir>/mod (the build
// tree); "" when neither exists.
std::string FindUpdater();

// Runs `program` with `args` as its arguments, each passed as it stands (no shell, no word splitting).
// Does not wait: a waiter thread reaps the child when it ends, so no zombie is left behind.
// False, with the reason in `error`, when the program could not be started.
bool SpawnDetached(const std::string& program, const std::vector<std::string>& args, std::string* error);

} // namespace nuro
