// Ending the process at once.
#pragma once

namespace nuro {

// Flushes the standard streams, then ends the process with code without running exit
// routines, destructors or other threads. Files must be closed by then.
[[noreturn]] void ExitProcessNow(int code);

} // namespace nuro
