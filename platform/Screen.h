// Screen size as a screen device context reports it: the primary screen in logical pixels.
#pragma once

namespace nuro {

inline constexpr int HORZRES = 8;
inline constexpr int VERTRES = 10;

// HORZRES or VERTRES; 0 for anything else or without a screen. Callable from any thread.
int GetDeviceCaps(int index);

} // namespace nuro
