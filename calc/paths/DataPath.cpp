#include "DataPath.h"

#include <cstdlib>
#include <sys/stat.h>

namespace nuro::paths {

namespace {
std::string envAbsolute(const char* name) {
    const char* v = std::getenv(name);
    return (v && v[0] == '/') ? std::string(v) : std::string();
}
}  // namespace

std::string perUserDataDir() {
    std::string base = envAbsolute("XDG_DATA_HOME");
    if (base.empty()) {
        const std::string home = envAbsolute("HOME");
        if (home.empty()) return {};
        base = home + "/.local/share";
    }
    return base + "/nuro";
}

std::string installedDataDir(const std::string& binaryDir) {
    const std::string overridden = envAbsolute("NURO_DATA_DIR");
    if (!overridden.empty()) return overridden;
#ifndef NURO_PRIVATE_LIB_TO_DATA
#define NURO_PRIVATE_LIB_TO_DATA "../../../share/nuro"
#endif
    // bin/ or lib/ of a build tree, libexec/nuro/ of the updater, then the library's private folder.
    const std::string candidates[] = {binaryDir + "/../share/nuro", binaryDir + "/../../share/nuro",
                                      binaryDir + "/" NURO_PRIVATE_LIB_TO_DATA};
    for (const std::string& c : candidates)
        if (fileExists(c + "/data.ar")) return c;
    return candidates[0];
}

std::string resolveDataFile(const std::string& name, const std::string& binaryDir) {
    if (name.find('/') != std::string::npos) return name;
    const std::string user = perUserDataDir();
    if (!user.empty() && fileExists(user + "/" + name)) return user + "/" + name;
    return installedDataDir(binaryDir) + "/" + name;
}

std::string directoryOf(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

bool fileExists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

}  // namespace nuro::paths
