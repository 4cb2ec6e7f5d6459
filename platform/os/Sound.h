// Synchronous sound: plays a wave file found by its bare name and returns when it has played.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace nuro {

enum class SoundResult {
    Played,
    NoDevice, // no audio output: nothing was played, and nothing waited
    Failed, // the file could not be read or decoded
};

class SoundBackend {
public:
    virtual ~SoundBackend() = default;
    // Both return only when the sound has played, or its wait has timed out.
    virtual SoundResult PlayFile(const std::string& path) = 0;
    // The short default tone, for a file that is missing or unreadable.
    virtual SoundResult PlayDefault() = 0;
    // Why the calling thread's last PlayFile answered Failed.
    virtual std::string FailureReason() const { return "it could not be decoded"; }
    // Ends the sound now playing, from any thread; the play call then returns at once.
    virtual void Stop() {}
    // Whether the file's start decodes, without playing it: Failed (FailureReason() says why), Played
    // when it decodes, NoDevice when that cannot be told now (no audio output, or a sound is playing).
    virtual SoundResult Probe(const std::string& /*path*/) { return SoundResult::NoDevice; }
};

// Replaces the backend (not owned); nullptr restores the built-in one (SDL).
void SetSoundBackend(SoundBackend* backend);

// Where a bare name is looked for, in order: the current directory, $XDG_DATA_HOME/nuro
// (default ~/.local/share/nuro), then <exe dir>/../share/nuro (the installation's data, and in
// the build tree build/share/nuro).
std::vector<std::string> SoundSearchDirs();
// The first existing file of that name in those places, or "" (a name with a '/' is taken as is).
std::string FindSoundFile(const std::string& bareName);

// Plays the file, or the default tone when it is missing or unreadable; returns whether
// anything played. Without an audio device it returns at once.
bool PlaySoundSync(const std::string& bareName);

// A prayer's own sound (SOUND_FAJ .. SOUND_ICH): an empty choice plays `fallbackName` as before; a
// chosen file that is missing or cannot be decoded plays `fallbackName` instead, and `log` says why.
// A sound ended by StopSound() is not followed by the fallback.
bool PlayChosenSound(const std::string& chosen, const std::string& fallbackName, std::ostream& log);

// What is wrong with a sound file chosen by the user, checked as it is chosen: it must be found (a
// bare name in SoundSearchDirs), be a file that can be read, pass CheckSoundFile (SoundCheck.h) and
// its start must decode.
enum class SoundFileFault { None, Missing, NotAFile, Unreadable, Undecodable };
struct SoundFileCheck {
    SoundFileFault fault = SoundFileFault::None;
    std::string detail; // the decoder's words, for Undecodable
};
// Never plays anything; where the decoder cannot be asked now only the file itself is checked.
SoundFileCheck CheckChosenSound(const std::string& chosen);

// True while one of the calls above is playing (the tray then offers "Stop sound").
bool SoundPlaying();
// Ends the sound now playing at once; nothing when none plays.
void StopSound();

} // namespace nuro
