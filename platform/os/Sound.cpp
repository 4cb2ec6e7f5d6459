#include "platform/os/Sound.h"

#include "platform/os/SoundCheck.h"

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <ostream>

namespace nuro {

SoundBackend& BuiltInSoundBackend(); // SdlSoundBackend.cpp

namespace {

std::atomic<SoundBackend*> activeBackend{nullptr};
std::atomic<int> playingNow{0};
std::atomic<bool> stopAsked{false};

// Counts a play for SoundPlaying() while it lasts.
class PlayingScope {
public:
    PlayingScope()
    {
        if (playingNow.fetch_add(1) == 0)
            stopAsked = false;
    }
    ~PlayingScope() { playingNow.fetch_sub(1); }
    PlayingScope(const PlayingScope&) = delete;
    PlayingScope& operator=(const PlayingScope&) = delete;
};

SoundBackend& Backend()
{
    SoundBackend* b = activeBackend.load();
    return b ? *b : BuiltInSoundBackend();
}

std::filesystem::path ExeDir()
{
    std::error_code ec;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::filesystem::path() : exe.parent_path();
}

} // namespace

void SetSoundBackend(SoundBackend* backend)
{
    activeBackend.store(backend);
}

std::vector<std::string> SoundSearchDirs()
{
    namespace fs = std::filesystem;
    std::vector<std::string> dirs;
    std::error_code ec;
    const fs::path cwd = fs::current_path(ec);
    if (!ec)
        dirs.push_back(cwd.string());

    const char* xdg = std::getenv("XDG_DATA_HOME");
    const char* home = std::getenv("HOME");
    // The XDG rules ignore a relative XDG_DATA_HOME.
    if (xdg && xdg[0] == '/')
        dirs.push_back((fs::path(xdg) / "nuro").string());
    else if (home && home[0])
        dirs.push_back((fs::path(home) / ".local" / "share" / "nuro").string());

    const fs::path exeDir = ExeDir();
    if (!exeDir.empty())
        dirs.push_back((exeDir.parent_path() / "share" / "nuro").lexically_normal().string());
    return dirs;
}

std::string FindSoundFile(const std::string& bareName)
{
    namespace fs = std::filesystem;
    std::error_code ec;
    if (bareName.empty())
        return {};
    if (bareName.find('/') != std::string::npos)
        return fs::is_regular_file(bareName, ec) ? bareName : std::string();
    for (const std::string& dir : SoundSearchDirs()) {
        const fs::path candidate = fs::path(dir) / bareName;
        if (fs::is_regular_file(candidate, ec))
            return candidate.string();
    }
    return {};
}

bool PlaySoundSync(const std::string& bareName)
{
    PlayingScope playing;
    SoundBackend& backend = Backend();
    const std::string path = FindSoundFile(bareName);
    if (!path.empty()) {
        const SoundResult r = backend.PlayFile(path);
        if (r != SoundResult::Failed)
            return r == SoundResult::Played;
    }
    if (stopAsked.load())
        return false;
    return backend.PlayDefault() == SoundResult::Played;
}

bool PlayChosenSound(const std::string& chosen, const std::string& fallbackName, std::ostream& log)
{
    PlayingScope playing;
    if (!chosen.empty()) {
        SoundBackend& backend = Backend();
        const std::string path = FindSoundFile(chosen);
        if (path.empty()) {
            log << "nuro: sound file '" << chosen << "' not found; playing " << fallbackName << " instead\n";
        } else {
            const SoundResult r = backend.PlayFile(path);
            if (r != SoundResult::Failed)
                return r == SoundResult::Played;
            log << "nuro: sound file '" << path << "' cannot be played (" << backend.FailureReason() << "); playing "
                << fallbackName << " instead\n";
        }
        if (stopAsked.load())
            return false;
    }
    return PlaySoundSync(fallbackName);
}

SoundFileCheck CheckChosenSound(const std::string& chosen)
{
    namespace fs = std::filesystem;
    std::error_code ec;
    const bool named = chosen.find('/') != std::string::npos;
    const std::string path = FindSoundFile(chosen);
    if (path.empty())
        return {named && fs::exists(chosen, ec) ? SoundFileFault::NotAFile : SoundFileFault::Missing, {}};
    if (!std::ifstream(path, std::ios::binary).good())
        return {SoundFileFault::Unreadable, {}};
    if (std::string why = CheckSoundFile(path); !why.empty())
        return {SoundFileFault::Undecodable, why};
    SoundBackend& backend = Backend();
    if (backend.Probe(path) == SoundResult::Failed)
        return {SoundFileFault::Undecodable, backend.FailureReason()};
    return {};
}

bool SoundPlaying()
{
    return playingNow.load() > 0;
}

void StopSound()
{
    if (!SoundPlaying())
        return;
    stopAsked = true;
    Backend().Stop();
}

} // namespace nuro
