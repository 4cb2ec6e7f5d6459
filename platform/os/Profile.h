// The profile service: keys of INI files, read and written without disturbing the rest of the file.
#pragma once

#include "core/SettingsStore.h"
#include "platform/os/AtomicFile.h"
#include "platform/os/IniDocument.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace nuro {

// Where a bare settings file name lives: $XDG_CONFIG_HOME/nuro/<name> (~/.config/nuro/<name>).
// A name holding a '/' is used as it is.
std::string ResolveSettingsPath(std::string_view file);

// The system default copied into place on first use: <exe dir>/../share/nuro/<name> (the build tree
// and any installation prefix alike), then the configured install prefix; $NURO_DEFAULTS_DIR replaces both.
std::vector<std::string> DefaultSettingsCandidates(std::string_view file);

// A settings file longer than this is not read (the place list, the longest value, is 12,000
// characters): a link to an endless file must not fill the memory.
inline constexpr std::int64_t kSettingsFileLimit = 1024 * 1024;

// Settings files are opened only when they are regular files (links followed), without waiting, up
// to kSettingsFileLimit bytes. A file that cannot be used that way, or is empty, reads as having no
// keys, is named by PassProblem(), and is never written over.
class IniProfile : public ProfileService {
public:
    void BeginPass(std::string_view file) override;
    void EndPass() override;
    std::string PassProblem() const override { return passProblem_; }
    std::string ReadKey(std::string_view section, std::string_view key, std::string_view fallback, std::size_t maxChars,
                        std::string_view file) override;
    // A settings file that is a symbolic link stays one: the file it names is replaced. A file without
    // write permission is not replaced, and the write fails.
    bool WriteKeys(std::string_view section, const KeyValues& values, std::string_view file) override;
    bool KeepUnsavedNote(std::string_view reason, std::string_view file) override;
    std::optional<std::string> TakeUnsavedNote(std::string_view file) override;
    // Why the last write failed, for the one line the caller reports.
    const std::string& LastError() const { return lastError_; }

private:
    // Why the file cannot be used, or nothing; `doc` is then its text (empty when it is missing).
    std::optional<std::string> Load(std::string_view file, IniDocument& doc);

    struct Pass {
        std::string file;
        IniDocument doc;
    };
    std::optional<Pass> pass_;
    std::string passProblem_;
    std::string lastError_;
};

// The process's profile service.
IniProfile& Profile();

// Removes the temporary files ("nuro.ini.XXXXXX") that a save killed half-way left beside the settings
// file. None is taken while another program's save holds the folder; the count removed.
int RemoveStaleTemporaries(std::string_view file);

} // namespace nuro
