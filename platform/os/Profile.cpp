#include "platform/os/Profile.h"

#include "core/Utf8Text.h"

#include <cctype>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <pwd.h>
#include <fstream>
#include <mutex>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#ifndef NURO_INSTALL_DATADIR
#define NURO_INSTALL_DATADIR "/usr/local/share"
#endif

namespace nuro {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::size_t kUnsavedNoteChars = 500;

std::string_view Trim(std::string_view s)
{
    const char* ws = " \t\r";
    auto b = s.find_first_not_of(ws);
    if (b == std::string_view::npos)
        return {};
    auto e = s.find_last_not_of(ws);
    return s.substr(b, e - b + 1);
}

bool EqualNoCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        unsigned char x = static_cast<unsigned char>(a[i]), y = static_cast<unsigned char>(b[i]);
        if (std::tolower(x) != std::tolower(y))
            return false;
    }
    return true;
}

// "[name]" gives name; anything else is no section header.
std::optional<std::string_view> SectionOf(std::string_view line)
{
    line = Trim(line);
    if (line.size() < 2 || line.front() != '[')
        return std::nullopt;
    auto close = line.find(']');
    if (close == std::string_view::npos)
        return std::nullopt;
    return Trim(line.substr(1, close - 1));
}

// "key=value" gives key; comments and other lines give nothing.
std::optional<std::string_view> KeyOf(std::string_view line)
{
    std::string_view t = Trim(line);
    if (t.empty() || t.front() == ';' || t.front() == '#' || t.front() == '[')
        return std::nullopt;
    auto eq = line.find('=');
    if (eq == std::string_view::npos)
        return std::nullopt;
    return Trim(line.substr(0, eq));
}

std::string ValueOf(std::string_view line)
{
    std::string_view v = Trim(line.substr(line.find('=') + 1));
    // The Windows service drops one pair of surrounding quotes; keep files written there readable.
    if (v.size() >= 2 && ((v.front() == '"' && v.back() == '"') || (v.front() == '\'' && v.back() == '\'')))
        v = v.substr(1, v.size() - 2);
    return std::string(v);
}

// Why a file cannot be taken as a settings file, or nothing when it can; ENOENT gives nothing with
// `missing` set. Links are followed; what they lead to is looked at before it is opened, and opened
// without waiting, so a FIFO or a device is refused without reading from it.
std::optional<std::string> ReadSettingsText(const std::string& path, std::string& text, bool* missing = nullptr)
{
    if (missing)
        *missing = false;
    struct stat st{};
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

bool MakeDirs(const std::string& dir)
{
    if (dir.empty())
        return true;
    std::string partial;
    std::size_t pos = 0;
    while (pos != std::string::npos) {
        pos = dir.find('/', pos + 1);
        partial = dir.substr(0, pos);
        if (partial.empty())
            continue;
        if (mkdir(partial.c_str(), 0755) != 0 && errno != EEXIST)
            return false;
    }
    return true;
}

std::string DirOf(const std::string& path)
{
    auto slash = path.rfind('/');
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash);
}

std::string BaseOf(const std::string& path)
{
    auto slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The file a path names once its symbolic links are followed (a dotfiles manager links the settings
// file into place). The target need not exist yet; a loop of links gives the path itself.
std::string FollowLinks(const std::string& path)
{
    std::string current = path;
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st{};
        if (lstat(current.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
            return current;
        std::string target(static_cast<std::size_t>(st.st_size > 0 ? st.st_size : PATH_MAX), '\0');
        const ssize_t n = readlink(current.c_str(), target.data(), target.size());
        if (n <= 0)
            return current;
        target.resize(static_cast<std::size_t>(n));
        current = target.front() == '/' ? target : DirOf(current) + "/" + target;
    }
    return path;
}

// Every read-modify-write of the settings by any process holds the lock of the folder the file lives
// in, from reading the old text to renaming the new one into place: two programs saving at once each
// keep the other's keys, and the start-up clean-up never takes a temporary file a save is writing.
class FolderLock {
public:
    FolderLock(const std::string& dir, bool wait)
    {
        fd_ = open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd_ >= 0 && flock(fd_, LOCK_EX | (wait ? 0 : LOCK_NB)) == 0)
            held_ = true;
    }
    ~FolderLock()
    {
        if (fd_ >= 0)
            close(fd_); // releases the lock
    }
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;
    bool Held() const { return held_; }

private:
    int fd_ = -1;
    bool held_ = false;
};

// "name.XXXXXX" as mkstemp fills it in for the settings file "name".
bool IsOurTemporary(std::string_view entry, std::string_view base)
{
    constexpr std::size_t kRandomChars = 6;
    if (entry.size() != base.size() + 1 + kRandomChars || !entry.starts_with(base) || entry[base.size()] != '.')
        return false;
    for (char c : entry.substr(base.size() + 1))
        if (!std::isalnum(static_cast<unsigned char>(c)))
            return false;
    return true;
}

// Writes text to a new temporary file beside path ("path.XXXXXX"), flushed to the disk, with the mode
// of the file it will replace. Its name is in temp.
bool WriteTemporary(const std::string& path, std::string_view text, std::string& temp, std::string* error)
{
    auto fail = [&](const std::string& what) {
        if (error)
            *error = what + ": " + std::strerror(errno);
        return false;
    };
    // Workaround: past a file-size limit the kernel kills the writer with SIGXFSZ before a save can
    // tell anyone it failed; ignored, the write fails with EFBIG instead and is reported.
    struct sigaction current{};
    if (sigaction(SIGXFSZ, nullptr, &current) == 0 && current.sa_handler == SIG_DFL)
        signal(SIGXFSZ, SIG_IGN);

    temp = path + ".XXXXXX";
    int fd = mkstemp(temp.data());
    if (fd < 0)
        return fail("cannot create a temporary file beside " + path);
    struct stat st{};
    mode_t mode = (stat(path.c_str(), &st) == 0) ? (st.st_mode & 07777) : 0644;
    fchmod(fd, mode);
    auto discard = [&](const std::string& what, int saved) {
        unlink(temp.c_str());
        errno = saved;
        return fail(what);
    };
    const char* p = text.data();
    std::size_t left = text.size();
    while (left > 0) {
        ssize_t n = write(fd, p, left);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            int saved = errno;
            close(fd);
            return discard("cannot write " + temp, saved);
        }
        p += n;
        left -= static_cast<std::size_t>(n);
    }
    bool flushed = fsync(fd) == 0;
    int savedFlush = errno;
    if (close(fd) != 0 && flushed) {
        flushed = false;
        savedFlush = errno;
    }
    if (!flushed)
        return discard("cannot flush " + temp, savedFlush);
    return true;
}

void SyncFolder(const std::string& path)
{
    int dir = open(DirOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        fsync(dir);
        close(dir);
    }
}

// Creates path with text unless something already stands there: a link(2) of a finished temporary
// file, so two programs seeding at once never replace what the first one (or a save after it) wrote.
bool CreateFileOnce(const std::string& path, std::string_view text)
{
    std::string temp;
    if (!WriteTemporary(path, text, temp, nullptr))
        return false;
    bool created = link(temp.c_str(), path.c_str()) == 0;
    // A file system without hard links: a rename, taken only while nothing stands there yet.
    if (!created && errno != EEXIST && access(path.c_str(), F_OK) != 0)
        created = rename(temp.c_str(), path.c_str()) == 0;
    unlink(temp.c_str());
    if (created)
        SyncFolder(path);
    return created;
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

IniDocument IniDocument::Parse(std::string_view text)
{
    IniDocument doc;
    if (text.starts_with(kByteOrderMark)) {
        doc.byteOrderMark_ = true;
        text.remove_prefix(kByteOrderMark.size());
    }
    doc.endsWithNewline_ = text.empty() || text.back() == '\n';
    std::size_t start = 0;
    while (start < text.size()) {
        auto end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = text.substr(start, end - start);
        doc.lines_.emplace_back(line);
        start = end + 1;
    }
    return doc;
}

std::optional<std::size_t> IniDocument::Find(std::string_view section, std::string_view key) const
{
    // A reader that did not know the byte-order mark saw no section in the file's first line, and a
    // save then added the section again further down: the keys there are the ones in use, so they are
    // looked up first, and the marked section only for what they lack.
    for (const bool markedHeaderCounts : {!byteOrderMark_, true}) {
        bool inSection = false;
        for (std::size_t i = 0; i < lines_.size(); ++i) {
            if (auto name = SectionOf(lines_[i])) {
                inSection = (i > 0 || markedHeaderCounts) && EqualNoCase(*name, section);
                continue;
            }
            if (!inSection)
                continue;
            if (auto k = KeyOf(lines_[i]); k && EqualNoCase(*k, key))
                return i;
        }
        if (markedHeaderCounts)
            break;
    }
    return std::nullopt;
}

std::optional<std::string> IniDocument::Get(std::string_view section, std::string_view key) const
{
    if (auto line = Find(section, key))
        return ValueOf(lines_[*line]);
    return std::nullopt;
}

void IniDocument::Set(std::string_view section, std::string_view key, std::string_view value)
{
    // Each line keeps its own ending; a new line takes the ending of the line it follows.
    auto endingOf = [this](std::size_t i) {
        return !lines_[i].empty() && lines_[i].back() == '\r' ? std::string("\r") : std::string();
    };
    const std::string newLine = std::string(key) + "=" + std::string(value);
    if (auto line = Find(section, key)) {
        lines_[*line] = newLine + endingOf(*line);
        return;
    }
    bool inSection = false;
    std::optional<std::size_t> lastInSection; // last key line of the section, to append after it
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (auto name = SectionOf(lines_[i])) {
            inSection = EqualNoCase(*name, section);
            if (inSection && !lastInSection)
                lastInSection = i;
            continue;
        }
        if (inSection && KeyOf(lines_[i]))
            lastInSection = i;
    }
    if (!lastInSection) {
        std::string ending;
        for (std::size_t i = lines_.size(); i-- > 0;) {
            if (!Trim(lines_[i]).empty()) {
                ending = endingOf(i);
                break;
            }
        }
        if (!lines_.empty() && !Trim(lines_.back()).empty())
            lines_.push_back(ending);
        std::string header(1, '[');
        header.append(section).append("]").append(ending);
        lines_.push_back(std::move(header));
        lines_.push_back(newLine + ending);
        endsWithNewline_ = true;
        return;
    }
    const std::string ending = endingOf(*lastInSection);
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(*lastInSection) + 1, newLine + ending);
}

std::string IniDocument::Text() const
{
    std::string text = byteOrderMark_ ? std::string(kByteOrderMark) : std::string();
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        text += lines_[i];
        if (i + 1 < lines_.size() || endsWithNewline_)
            text += '\n';
    }
    return text;
}

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
    struct stat st{};
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
    struct stat st{};
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
    const std::string path = FollowLinks(ResolveSettingsPath(file));
    const std::string dir = DirOf(path), base = BaseOf(path);
    // A save in another program holds the lock while its temporary exists: left for the next start.
    FolderLock lock(dir, false);
    if (!lock.Held())
        return 0;
    DIR* folder = opendir(dir.c_str());
    if (!folder)
        return 0;
    int removed = 0;
    while (const dirent* entry = readdir(folder)) {
        if (!IsOurTemporary(entry->d_name, base))
            continue;
        const std::string leftover = dir + "/" + entry->d_name;
        struct stat st{};
        if (lstat(leftover.c_str(), &st) == 0 && S_ISREG(st.st_mode) && unlink(leftover.c_str()) == 0)
            ++removed;
    }
    closedir(folder);
    return removed;
}

IniProfile& Profile()
{
    static IniProfile profile;
    return profile;
}

bool ReplaceFileAtomically(const std::string& path, std::string_view text, std::string* error)
{
    const std::string target = FollowLinks(path);
    std::string temp;
    if (!WriteTemporary(target, text, temp, error))
        return false;
    if (rename(temp.c_str(), target.c_str()) != 0) {
        int saved = errno;
        unlink(temp.c_str());
        if (error)
            *error = "cannot replace " + target + ": " + std::strerror(saved);
        return false;
    }
    // The rename itself must reach the disk too.
    SyncFolder(target);
    return true;
}

} // namespace nuro
