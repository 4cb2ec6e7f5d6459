#include "platform/os/Spawn.h"

#include <cerrno>
#include <cstring>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace nuro {

std::string ExecutableDir()
{
    char buffer[4096];
    const ssize_t n = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (n <= 0)
        return ".";
    std::string path(buffer, static_cast<std::size_t>(n));
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? "." : (slash == 0 ? "/" : path.substr(0, slash));
}

std::string FirstExecutable(const std::vector<std::string>& candidates)
{
    for (const std::string& path : candidates) {
        struct stat info {};
        if (::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && ::access(path.c_str(), X_OK) == 0)
            return path;
    }
    return {};
}

std::string FindUpdater()
{
    const std::string dir = ExecutableDir();
    return FirstExecutable({dir + "/../libexec/nuro/mod", dir + "/mod"});
}

bool SpawnDetached(const std::string& program, const std::vector<std::string>& args, std::string* error)
{
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const std::string& arg : args)
        argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);

    pid_t pid = 0;
    const int rc = ::posix_spawn(&pid, program.c_str(), nullptr, nullptr, argv.data(), environ);
    if (rc != 0) {
        if (error)
            *error = program + ": " + std::strerror(rc);
        return false;
    }
    // Reap the child whenever it ends; the process may well end first, which is fine.
    std::thread([pid] {
        int status = 0;
        while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {}
    }).detach();
    return true;
}

} // namespace nuro
