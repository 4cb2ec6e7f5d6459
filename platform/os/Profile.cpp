#include "platform/os/Profile.h"

#include "platform/os/AtomicFile.h"

#include "core/Utf8Text.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <mutex>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#ifndef NURO_INSTALL_DATADIR
#define NURO_INSTALL_DATADIR "/usr/local/share"
#endif

namespace nuro {
namespace {

constexpr std::size_t kUnsavedNoteChars = 500;

// Why a file cannot be taken as a settings file, or nothing when it can; ENOENT gives nothing with
// `missing` set. Links are followed; what they lead to is looked at before it is opened, and opened
// without waiting, so a FIFO or a device is refused without reading from it.
std::optional<std::string> ReadSettingsText(const std::string& path, std::string& text, bool* missing = nullptr)
{
    if (missing)
        *missing = false;
    struct stat st {};
    if (stat(path.c_str(), &st) != 0) {
        if (errno == ENOENT && missing) {
            *missing = true;
            return std::nullopt;
        }
        return path + " cannot be read: " + std::strerror(errno);
    }
    if (!S_ISREG(st.st_mode))
        return path + " is not a regular file";
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return path + " cannot be read: " + std::strerror(errno);
    struct Closer {
        int fd;
        ~Closer() { close(fd); }
    } closer{fd};
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))
        return path + " is not a regular file";
    if (st.st_size > kSettingsFileLimit)
        return path + " is larger than " + std::to_string(kSettingsFileLimit / 1024) + " KiB";
    std::string content;
    char buffer[1 << 14];
    for (;;) {
        ssize_t n = read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return path + " cannot be read: " + std::strerror(errno);
        if (n == 0)
            break;
        content.append(buffer, static_cast<std::size_t>(n));
        // It may have grown since fstat.
        if (content.size() > static_cast<std::size_t>(kSettingsFileLimit))
            return path + " is larger than " + std::to_string(kSettingsFileLimit / 1024) + " KiB";
    }
    text = std::move(content);
    return std::nullopt;
}

// False when the file cannot be read (or is missing).
bool ReadWholeFile(const std::string& path, std::string& text)
{
    bool missing = false;
    return !ReadSettingsText(path, text, &missing) && !missing;
}

std::string ExecutableDir()
{
    char path[PATH_MAX];
    ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
    if (n <= 0)
        return {};
    path[n] = '\0';
    std::string p(path);
    auto slash = p.rfind('/');
    return slash == std::string::npos ? std::string() : p.substr(0, slash);
}

// First use: put the installer's prepared file (place list and default place) where the user's lives.
// target is the settings path with its links followed.
void SeedFromDefault(const std::string& target, std::string_view file)
{
    if (access(target.c_str(), F_OK) == 0)
        return;
    for (const std::string& candidate : DefaultSettingsCandidates(file)) {
        std::string text;
        if (!ReadWholeFile(candidate, text))
            continue;
        if (MakeDirs(DirOf(target)))
            CreateFileOnce(target, text);
        return;
    }
}

// Beside the settings file; no temporary's name ("nuro.ini.XXXXXX") can look like it.
std::string UnsavedNotePath(std::string_view file)
{
    return ResolveSettingsPath(file) + ".not-saved";
}

std::mutex& FileLock()
{
    static std::mutex lock;
    return lock;
}

} // namespace

std::string ResolveSettingsPath(std::string_view file)
{
    if (file.find('/') != std::string_view::npos)
        return std::string(file);
    std::string base;
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg == '/')
        base = xdg;
    else if (const char* home = std::getenv("HOME"); home && *home == '/')
        base = std::string(home) + "/.config";
    else if (const passwd* pw = getpwuid(getuid()); pw && pw->pw_dir && *pw->pw_dir == '/')
        base = std::string(pw->pw_dir) + "/.config"; // never a folder another account could make
    else
        return {};
    return base + "/nuro/" + std::string(file);
}

std::vector<std::string> DefaultSettingsCandidates(std::string_view file)
{
    std::vector<std::string> candidates;
    // Tests (and packagers) point this at their own folder of defaults.
    if (const char* dir = std::getenv("NURO_DEFAULTS_DIR"); dir && *dir) {
        candidates.push_back(std::string(dir) + "/" + std::string(file));
        return candidates;
    }
    if (std::string exeDir = ExecutableDir(); !exeDir.empty())
        candidates.push_back(exeDir + "/../share/nuro/" + std::string(file));
    candidates.push_back(std::string(NURO_INSTALL_DATADIR) + "/nuro/" + std::string(file));
    return candidates;
}

std::optional<std::string> IniProfile::Load(std::string_view file, IniDocument& doc)
{
    const std::string path = FollowLinks(ResolveSettingsPath(file));
    SeedFromDefault(path, file);
    std::string text;
    bool missing = false;
    std::optional<std::string> problem = ReadSettingsText(path, text, &missing);
    if (!problem && !missing && text.find_first_not_of(" \t\r\n") == std::string::npos)
        problem = path + " is empty";
    doc = problem ? IniDocument() : IniDocument::Parse(text);
    return problem;
}

void IniProfile::BeginPass(std::string_view file)
{
    std::lock_guard<std::mutex> guard(FileLock());
    pass_.emplace();
    pass_->file = std::string(file);
    passProblem_ = Load(file, pass_->doc).value_or("");
}

void IniProfile::EndPass()
{
    std::lock_guard<std::mutex> guard(FileLock());
    pass_.reset();
}

std::string IniProfile::ReadKey(std::string_view section, std::string_view key, std::string_view fallback,
                                std::size_t maxChars, std::string_view file)
{
    std::lock_guard<std::mutex> guard(FileLock());
    std::string value(fallback);
    if (pass_ && pass_->file == file) {
        if (auto found = pass_->doc.Get(section, key))
            value = *found;
    } else {
        IniDocument doc;
        if (!Load(file, doc))
            if (auto found = doc.Get(section, key))
                value = *found;
    }
    return std::string(Utf8Head(value, maxChars));
}

bool IniProfile::WriteKeys(std::string_view section, const KeyValues& values, std::string_view file)
{
    std::lock_guard<std::mutex> guard(FileLock());
    auto fail = [this](const std::string& why) {
        lastError_ = why;
        return false;
    };
    // The link stays; the file it names is the one replaced.
    const std::string path = FollowLinks(ResolveSettingsPath(file));
    if (!MakeDirs(DirOf(path)))
        return fail("cannot create " + DirOf(path) + ": " + std::strerror(errno));
    SeedFromDefault(path, file);
    FolderLock lock(DirOf(path), true);
    struct stat st {};
    if (stat(path.c_str(), &st) == 0) {
        // Only a regular file is replaced: never a device, a FIFO or a folder a link leads to.
        if (!S_ISREG(st.st_mode))
            return fail(path + " is not a regular file; it was left as it was");
        // Root may write anything; a file without any write permission is still meant to stay as it is.
        if (access(path.c_str(), W_OK) != 0 || (st.st_mode & 0222) == 0)
            return fail(path + " is read-only; it was left as it was");
    }
    std::string text;
    bool missing = false;
    if (auto problem = ReadSettingsText(path, text, &missing))
        return fail(*problem + "; it was left as it was");
    // An empty file read as no settings at all: writing them would put zeros where the user's were.
    if (!missing && text.find_first_not_of(" \t\r\n") == std::string::npos)
        return fail(path + " is empty; it was left as it was");
    IniDocument doc = IniDocument::Parse(text);
    for (const auto& [key, value] : values)
        doc.Set(section, key, value);
    return ReplaceFileAtomically(path, doc.Text(), &lastError_);
}

bool IniProfile::KeepUnsavedNote(std::string_view reason, std::string_view file)
{
    std::lock_guard<std::mutex> guard(FileLock());
    const std::string note = UnsavedNotePath(file);
    if (!MakeDirs(DirOf(note)))
        return false;
    // Small and written in place: when the disk is too full for the settings it may still take this.
    // Never through a link, and never into a FIFO or a device standing there.
    int fd = open(note.c_str(), O_WRONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0644);
    if (fd < 0)
        return false;
    struct stat st {};
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || ftruncate(fd, 0) != 0) {
        close(fd);
        return false;
    }
    const std::string text(reason);
    bool written = write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size());
    written = close(fd) == 0 && written;
    if (!written)
        unlink(note.c_str());
    return written;
}

std::optional<std::string> IniProfile::TakeUnsavedNote(std::string_view file)
{
    std::lock_guard<std::mutex> guard(FileLock());
    const std::string note = UnsavedNotePath(file);
    std::string text;
    if (!ReadWholeFile(note, text))
        return std::nullopt;
    unlink(note.c_str());
    // Whatever it holds, the note itself says a save failed.
    return std::string(Utf8Head(text, kUnsavedNoteChars));
}

int RemoveStaleTemporaries(std::string_view file)
{
    std::lock_guard<std::mutex> guard(FileLock());
    return RemoveTemporariesBeside(FollowLinks(ResolveSettingsPath(file)));
}

IniProfile& Profile()
{
    static IniProfile profile;
    return profile;
}

} // namespace nuro
