#include "platform/Profile.h"

#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <mutex>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

#ifndef NURO_INSTALL_DATADIR
#define NURO_INSTALL_DATADIR "/usr/local/share"
#endif

namespace nuro {
namespace {

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

bool ReadWholeFile(const std::string& path, std::string& text)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    std::ostringstream buffer;
    buffer << in.rdbuf();
    text = buffer.str();
    return true;
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

// First use: put the installer's prepared file (place list and default place) where the user's lives.
void SeedFromDefault(const std::string& path, std::string_view file)
{
    if (access(path.c_str(), F_OK) == 0)
        return;
    for (const std::string& candidate : DefaultSettingsCandidates(file)) {
        std::string text;
        if (!ReadWholeFile(candidate, text))
            continue;
        if (MakeDirs(DirOf(path)))
            ReplaceFileAtomically(path, text, nullptr);
        return;
    }
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

std::optional<std::string> IniDocument::Get(std::string_view section, std::string_view key) const
{
    bool inSection = false;
    for (const std::string& line : lines_) {
        if (auto name = SectionOf(line)) {
            inSection = EqualNoCase(*name, section);
            continue;
        }
        if (!inSection)
            continue;
        if (auto k = KeyOf(line); k && EqualNoCase(*k, key))
            return ValueOf(line);
    }
    return std::nullopt;
}

void IniDocument::Set(std::string_view section, std::string_view key, std::string_view value)
{
    std::string newLine = std::string(key) + "=" + std::string(value);
    bool inSection = false;
    std::optional<std::size_t> lastInSection; // last key line of the section, to append after it
    std::optional<std::size_t> header;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (auto name = SectionOf(lines_[i])) {
            inSection = EqualNoCase(*name, section);
            if (inSection && !header) {
                header = i;
                lastInSection = i;
            }
            continue;
        }
        if (!inSection)
            continue;
        if (auto k = KeyOf(lines_[i])) {
            if (EqualNoCase(*k, key)) {
                // Keep a Windows-style line ending where the file has them.
                bool cr = !lines_[i].empty() && lines_[i].back() == '\r';
                lines_[i] = newLine + (cr ? "\r" : "");
                return;
            }
            lastInSection = i;
        }
    }
    if (!header) {
        if (!lines_.empty() && !Trim(lines_.back()).empty())
            lines_.emplace_back();
        // Appended, not `"[" + std::string(...)`: GCC 12 takes that front insert for an overlapping copy.
        std::string sectionLine(1, '[');
        sectionLine.append(section).append(1, ']');
        lines_.push_back(std::move(sectionLine));
        lines_.push_back(newLine);
        endsWithNewline_ = true;
        return;
    }
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(*lastInSection) + 1, newLine);
}

std::string IniDocument::Text() const
{
    std::string text;
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
    else if (const char* home = std::getenv("HOME"); home && *home)
        base = std::string(home) + "/.config";
    else
        base = "/tmp";
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

std::string IniProfile::ReadKey(std::string_view section, std::string_view key, std::string_view fallback,
                                std::size_t maxChars, std::string_view file)
{
    std::lock_guard<std::mutex> guard(FileLock());
    const std::string path = ResolveSettingsPath(file);
    SeedFromDefault(path, file);
    std::string text;
    std::string value(fallback);
    if (ReadWholeFile(path, text)) {
        if (auto found = IniDocument::Parse(text).Get(section, key))
            value = *found;
    }
    if (value.size() > maxChars)
        value.resize(maxChars);
    return value;
}

bool IniProfile::WriteKeys(std::string_view section, const KeyValues& values, std::string_view file)
{
    std::lock_guard<std::mutex> guard(FileLock());
    const std::string path = ResolveSettingsPath(file);
    SeedFromDefault(path, file);
    std::string text;
    ReadWholeFile(path, text); // a missing file starts empty
    IniDocument doc = IniDocument::Parse(text);
    for (const auto& [key, value] : values)
        doc.Set(section, key, value);
    if (!MakeDirs(DirOf(path))) {
        lastError_ = "cannot create " + DirOf(path) + ": " + std::strerror(errno);
        return false;
    }
    return ReplaceFileAtomically(path, doc.Text(), &lastError_);
}

IniProfile& Profile()
{
    static IniProfile profile;
    return profile;
}

bool ReplaceFileAtomically(const std::string& path, std::string_view text, std::string* error)
{
    auto fail = [&](const std::string& what) {
        if (error)
            *error = what + ": " + std::strerror(errno);
        return false;
    };
    std::string temp = path + ".XXXXXX";
    int fd = mkstemp(temp.data());
    if (fd < 0)
        return fail("cannot create a temporary file beside " + path);
    struct stat st{};
    mode_t mode = (stat(path.c_str(), &st) == 0) ? (st.st_mode & 07777) : 0644;
    fchmod(fd, mode);
    const char* p = text.data();
    std::size_t left = text.size();
    while (left > 0) {
        ssize_t n = write(fd, p, left);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            int saved = errno;
            close(fd);
            unlink(temp.c_str());
            errno = saved;
            return fail("cannot write " + temp);
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
    if (!flushed) {
        int saved = savedFlush;
        unlink(temp.c_str());
        errno = saved;
        return fail("cannot flush " + temp);
    }
    if (rename(temp.c_str(), path.c_str()) != 0) {
        int saved = errno;
        unlink(temp.c_str());
        errno = saved;
        return fail("cannot replace " + path);
    }
    // The rename itself must reach the disk too.
    int dir = open(DirOf(path).c_str(), O_RDONLY | O_DIRECTORY);
    if (dir >= 0) {
        fsync(dir);
        close(dir);
    }
    return true;
}

} // namespace nuro
