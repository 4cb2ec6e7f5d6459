// Where the place database lives: the per-user copy first, else the installed one.
#pragma once

#include <string>

namespace nuro::paths {

// $XDG_DATA_HOME/nuro (default ~/.local/share/nuro); empty when neither variable gives an absolute path.
std::string perUserDataDir();

// NURO_DATA_DIR when set, else the first of <dir>/../share/nuro and <dir>/../../share/nuro that holds
// data.ar (the build tree and an installation), else the first of them.
std::string installedDataDir(const std::string& binaryDir);

// A bare file name resolves to the per-user copy when it exists, else to the installed copy; a name with
// a slash is taken as it is.
std::string resolveDataFile(const std::string& name, const std::string& binaryDir);

std::string directoryOf(const std::string& path);
bool fileExists(const std::string& path);

}  // namespace nuro::paths
