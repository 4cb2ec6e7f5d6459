// Any settings file: the load and the save must neither crash nor hang, the file's text must survive
// a parse unchanged, and what a save writes must load back as the same settings.
#include "core/SettingsStore.h"
#include "platform/os/Profile.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string g_file;

void Write(const std::string& text)
{
    std::ofstream out(g_file, std::ios::binary | std::ios::trunc);
    out << text;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // In memory where the machine has it: every save flushes its file, which on a disk costs more than
    // the rest of a run.
    struct stat shm {};
    std::string tmpl = stat("/dev/shm", &shm) == 0 && S_ISDIR(shm.st_mode) ? "/dev/shm/nuro-fuzz-settings-XXXXXX"
                                                                           : "/tmp/nuro-fuzz-settings-XXXXXX";
    const char* dir = mkdtemp(tmpl.data());
    if (!dir)
        std::abort();
    const std::string config = std::string(dir) + "/config";
    const std::string defaults = std::string(dir) + "/defaults";
    if (mkdir(config.c_str(), 0700) != 0 || mkdir((config + "/nuro").c_str(), 0700) != 0 ||
        mkdir(defaults.c_str(), 0700) != 0)
        std::abort();
    setenv("XDG_CONFIG_HOME", config.c_str(), 1);
    setenv("NURO_DEFAULTS_DIR", defaults.c_str(), 1); // nothing to seed from
    g_file = config + "/nuro/nuro.ini";
    static const std::string made = dir;
    std::atexit([] {
        std::error_code ec;
        std::filesystem::remove_all(made, ec);
    });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    if (nuro::IniDocument::Parse(text).Text() != text)
        std::abort(); // the rest of a file is kept byte for byte

    Write(text);
    nuro::IniProfile profile;
    nuro::HeldControls controls;
    nuro::AppSettings settings;
    const nuro::LoadReport report = nuro::LoadAllSettings(profile, controls, settings);
    const bool saved = nuro::SaveAllSettings(profile, controls, settings);
    if (!report.fileProblem.empty()) {
        // Never written over.
        std::ifstream in(g_file, std::ios::binary);
        const std::string after((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        if (saved || after != text)
            std::abort();
        return 0;
    }
    if (!saved)
        std::abort();
    nuro::HeldControls again;
    nuro::AppSettings reloaded;
    nuro::LoadAllSettings(profile, again, reloaded);
    if (nuro::SettingsKeyValues(controls, settings) != nuro::SettingsKeyValues(again, reloaded) ||
        nuro::ExtraKeyValues(settings.extra) != nuro::ExtraKeyValues(reloaded.extra))
        std::abort();
    return 0;
}
