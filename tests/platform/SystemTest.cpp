// Screen size, library loading by bare name and exiting the process at once.
#include "PlatformTestSupport.h"

#include "platform/os/Library.h"
#include "platform/os/Process.h"
#include "platform/Screen.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QScreen>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

#include <dlfcn.h>
#include <sys/wait.h>
#include <unistd.h>

namespace nuro {
namespace {

namespace fs = std::filesystem;

TEST(ScreenTest, PrimaryScreenInLogicalPixelsFromAnyThread)
{
    QScreen* screen = QGuiApplication::primaryScreen();
    ASSERT_NE(screen, nullptr);
    const QSize logical = screen->geometry().size();
    ASSERT_FALSE(logical.isEmpty());
    EXPECT_EQ(GetDeviceCaps(HORZRES), logical.width());
    EXPECT_EQ(GetDeviceCaps(VERTRES), logical.height());
    EXPECT_EQ(GetDeviceCaps(0), 0);
    EXPECT_EQ(GetDeviceCaps(12), 0);

    std::atomic<int> w{-1}, h{-1};
    std::thread worker([&] {
        w = GetDeviceCaps(HORZRES);
        h = GetDeviceCaps(VERTRES);
    });
    test::ServeUntil([&] { return w >= 0 && h >= 0; });
    worker.join();
    EXPECT_EQ(w.load(), logical.width());
    EXPECT_EQ(h.load(), logical.height());
}

std::string Output(const std::string& command);

// Under a scale factor the screen is smaller in logical pixels, which is what windows are placed in.
TEST(ScreenTest, SizeIsInLogicalPixelsUnderScaling)
{
    const std::string self = fs::read_symlink("/proc/self/exe").string();
    int w1 = 0, h1 = 0, w2 = 0, h2 = 0;
    ASSERT_EQ(std::sscanf(Output("env QT_SCALE_FACTOR=1 " + self + " --report-screen").c_str(), "%d %d", &w1, &h1), 2);
    ASSERT_EQ(std::sscanf(Output("env QT_SCALE_FACTOR=2 " + self + " --report-screen").c_str(), "%d %d", &w2, &h2), 2);
    EXPECT_GT(w1, 0);
    EXPECT_EQ(w2, w1 / 2);
    EXPECT_EQ(h2, h1 / 2);
}

constexpr const char* kTestLibrary = "libnuro_platform_testlib.so";

fs::path BuildLibDir()
{
    return fs::read_symlink("/proc/self/exe").parent_path().parent_path() / "lib";
}

using Answer = int (*)(int);

TEST(LibraryTest, ABareNameIsFoundInTheBuildTreesLib)
{
    LibraryHandle lib = LoadLibrary(kTestLibrary);
    ASSERT_NE(lib, nullptr) << dlerror();
    void* fn = GetProcAddress(lib, "nuro_test_answer");
    ASSERT_NE(fn, nullptr);
    EXPECT_EQ(reinterpret_cast<Answer>(fn)(20), 41);
    // The copy that was loaded is the build tree's.
    Dl_info info{};
    ASSERT_NE(dladdr(fn, &info), 0);
    EXPECT_EQ(fs::canonical(info.dli_fname), fs::canonical(BuildLibDir() / kTestLibrary));
    // Looked up by name at each call; an export the library lacks is nullptr.
    EXPECT_EQ(GetProcAddress(lib, "nuro_test_answer"), fn);
    EXPECT_EQ(GetProcAddress(lib, "nuro_no_such_export"), nullptr);
    EXPECT_EQ(GetProcAddress(lib, nullptr), nullptr);
    EXPECT_EQ(GetProcAddress(nullptr, "nuro_test_answer"), nullptr);
    FreeLibrary(lib);
    FreeLibrary(nullptr);
}

TEST(LibraryTest, NamesThatDoNotLoadGiveNull)
{
    const fs::path dir = fs::temp_directory_path() / ("nuro-lib-" + std::to_string(getpid()));
    fs::create_directories(dir);
    std::ofstream(dir / "libnuro-not-elf.so") << "not a library";
    fs::copy_file(BuildLibDir() / kTestLibrary, dir / "libnuro-cwd-only.so", fs::copy_options::overwrite_existing);
    const fs::path oldCwd = fs::current_path();
    fs::current_path(dir);

    const struct {
        std::string name;
        bool loads;
    } rows[] = {
        {"libnuro-no-such-library.so", false},
        {"", false},
        {(dir / "libnuro-not-elf.so").string(), false},
        {"/no/such/dir/" + std::string(kTestLibrary), false},
        // A bare name is not looked for in the current folder, only a path with '/' is.
        {"libnuro-cwd-only.so", false},
        {"./libnuro-cwd-only.so", true},
        {(dir / "libnuro-cwd-only.so").string(), true},
        {(BuildLibDir() / kTestLibrary).string(), true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        LibraryHandle lib = LoadLibrary(row.name.c_str());
        EXPECT_EQ(lib != nullptr, row.loads);
        if (lib) {
            auto fn = reinterpret_cast<Answer>(GetProcAddress(lib, "nuro_test_answer"));
            ASSERT_NE(fn, nullptr);
            EXPECT_EQ(fn(1), 3);
            FreeLibrary(lib);
        }
    }
    EXPECT_EQ(LoadLibrary(nullptr), nullptr);
    fs::current_path(oldCwd);
    fs::remove_all(dir);
}

std::string Output(const std::string& command)
{
    std::string out;
    if (std::FILE* p = popen(command.c_str(), "r")) {
        char buffer[512];
        while (std::fgets(buffer, sizeof buffer, p))
            out += buffer;
        pclose(p);
    }
    return out;
}

// The dynamic linker's order, in a fresh process: LD_LIBRARY_PATH before the executable's run path.
TEST(LibraryTest, ABareNameFollowsTheLinkersSearchOrder)
{
    const fs::path dir = fs::temp_directory_path() / ("nuro-libpath-" + std::to_string(getpid()));
    fs::create_directories(dir);
    fs::copy_file(BuildLibDir() / kTestLibrary, dir / kTestLibrary, fs::copy_options::overwrite_existing);
    const std::string self = fs::read_symlink("/proc/self/exe").string();
    const struct {
        std::string env;
        std::string expected;
    } rows[] = {
        {"env -u LD_LIBRARY_PATH", fs::canonical(BuildLibDir() / kTestLibrary).string()},
        {"env LD_LIBRARY_PATH=" + dir.string(), (dir / kTestLibrary).string()},
        {"env LD_LIBRARY_PATH=/nonexistent", fs::canonical(BuildLibDir() / kTestLibrary).string()},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.env);
        EXPECT_EQ(Output(row.env + " " + self + " --report-library " + kTestLibrary), row.expected + "\n");
    }
    EXPECT_EQ(Output("env -u LD_LIBRARY_PATH " + self + " --report-library libnuro-no-such-library.so"), "none\n");
    fs::remove_all(dir);
}

// Runs body in a child process and returns its exit status.
template <class F> int InChild(F body)
{
    const pid_t pid = fork();
    if (pid == 0) {
        body();
        _exit(99); // not reached when body exits as it should
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return status;
}

TEST(ProcessTest, ExitsAtOnceWithTheCodeAfterFlushingStreams)
{
    const fs::path dir = fs::temp_directory_path() / ("nuro-exit-" + std::to_string(getpid()));
    fs::create_directories(dir);
    const std::string written = (dir / "written.txt").string();
    const std::string marker = (dir / "atexit.txt").string();
    static std::string markerPath;
    markerPath = marker;
    for (int code : {0, 3, 200}) {
        SCOPED_TRACE(code);
        fs::remove(written);
        fs::remove(marker);
        const int status = InChild([&] {
            // Exit routines must not run: they would touch state other threads still use.
            std::atexit([] { std::ofstream(markerPath) << "ran"; });
            std::FILE* f = std::fopen(written.c_str(), "w");
            std::fputs("buffered", f); // still in the stdio buffer
            ExitProcessNow(code);
        });
        ASSERT_TRUE(WIFEXITED(status));
        EXPECT_EQ(WEXITSTATUS(status), code);
        std::ifstream in(written);
        std::stringstream text;
        text << in.rdbuf();
        EXPECT_EQ(text.str(), "buffered");
        EXPECT_FALSE(fs::exists(marker));
    }
    fs::remove_all(dir);
}

} // namespace

namespace test {

int ReportScreen(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    std::printf("%d %d\n", GetDeviceCaps(HORZRES), GetDeviceCaps(VERTRES));
    return 0;
}

int ReportLibrary(const char* name)
{
    LibraryHandle lib = LoadLibrary(name);
    void* fn = GetProcAddress(lib, "nuro_test_answer");
    Dl_info info{};
    if (!fn || !dladdr(fn, &info)) {
        std::printf("none\n");
        return 1;
    }
    std::printf("%s\n", fs::weakly_canonical(info.dli_fname).c_str());
    return 0;
}

} // namespace test
} // namespace nuro
