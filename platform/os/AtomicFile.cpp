#include "platform/os/AtomicFile.h"

#include <cctype>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace nuro {
namespace {

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
    struct sigaction current {};
    if (sigaction(SIGXFSZ, nullptr, &current) == 0 && current.sa_handler == SIG_DFL)
        signal(SIGXFSZ, SIG_IGN);

    temp = path + ".XXXXXX";
    int fd = mkstemp(temp.data());
    if (fd < 0)
        return fail("cannot create a temporary file beside " + path);
    struct stat st {};
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

} // namespace

FolderLock::FolderLock(const std::string& dir, bool wait)
{
    fd_ = open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd_ >= 0 && flock(fd_, LOCK_EX | (wait ? 0 : LOCK_NB)) == 0)
        held_ = true;
}

FolderLock::~FolderLock()
{
    if (fd_ >= 0)
        close(fd_); // releases the lock
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

std::string FollowLinks(const std::string& path)
{
    std::string current = path;
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st {};
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

int RemoveTemporariesBeside(const std::string& path)
{
    const std::string dir = DirOf(path), base = BaseOf(path);
    // A replace in another program holds the lock while its temporary exists: left for the next start.
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
        struct stat st {};
        if (lstat(leftover.c_str(), &st) == 0 && S_ISREG(st.st_mode) && unlink(leftover.c_str()) == 0)
            ++removed;
    }
    closedir(folder);
    return removed;
}

} // namespace nuro
