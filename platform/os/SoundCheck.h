// Looks at a sound file before any decoder does: a decoder handed a header with no channels or no
// rate can crash the whole program (SDL2's WAV reader divides by them).
#pragma once

#include <cstdint>
#include <string>

namespace nuro {

// Larger than any adhan in any of the formats (ten minutes of 48 kHz stereo WAV is 115 MB).
inline constexpr std::int64_t kSoundFileLimit = 256 * 1024 * 1024;

// Empty when `path` is a regular file (links followed) of at most kSoundFileLimit bytes holding a
// WAV, Ogg (Vorbis, Opus, FLAC), FLAC or MP3 stream whose header names a channel count and a rate
// a decoder can take; otherwise why not, as a short text ("its header gives 0 channels"). Never
// blocks on a FIFO or a device, and reads at most the first 64 KiB.
std::string CheckSoundFile(const std::string& path);

} // namespace nuro
