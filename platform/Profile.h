// The profile service: keys of INI files, read and written without disturbing the rest of the file.
#pragma once

#include "core/SettingsStore.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace nuro {

// An INI text kept line by line, so that rewriting keys leaves comments, order, other sections and
// unknown keys exactly as they were. Section and key names match case-insensitively.
class IniDocument {
public:
    static IniDocument Parse(std::string_view text);
    std::optional<std::string> Get(std::string_view section, std::string_view key) const;
    void Set(std::string_view section, std::string_view key, std::string_view value);
    std::string Text() const;

private:
    std::vector<std::string> lines_;
    bool endsWithNewline_ = true;
};

// Where a bare settings file name lives: $XDG_CONFIG_HOME/nuro/<name> (~/.config/nuro/<name>).
// A name holding a '/' is used as it is.
std::string ResolveSettingsPath(std::string_view file);

// The system default copied into place on first use: <exe dir>/../share/nuro/<name> (the build tree
// and any installation prefix alike), then the configured install prefix; $NURO_DEFAULTS_DIR replaces both.
std::vector<std::string> DefaultSettingsCandidates(std::string_view file);

class IniProfile : public ProfileService {
public:
    std::string ReadKey(std::string_view section, std::string_view key, std::string_view fallback,
                        std::size_t maxChars, std::string_view file) override;
    bool WriteKeys(std::string_view section, const KeyValues& values, std::string_view file) override;
    // Why the last write failed, for the one line the caller reports.
    const std::string& LastError() const { return lastError_; }

private:
    std::string lastError_;
};

// The process's profile service.
IniProfile& Profile();

// Writes `text` to `path` as one atomic replace: a temporary file beside it, flushed, renamed over it.
bool ReplaceFileAtomically(const std::string& path, std::string_view text, std::string* error);

} // namespace nuro
