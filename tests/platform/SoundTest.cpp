// The sound service: where a bare name is looked for, the fallback to the default sound, and the
// real backend's waiting (SDL's dummy driver plays in real time) and quick failure without a device.
#include "platform/os/Sound.h"
#include "WaveFile.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include <unistd.h>

namespace nuro {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

// An environment variable set for one scope and put back afterwards.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value) : name_(name)
    {
        if (const char* old = std::getenv(name))
            old_ = old;
        if (value)
            setenv(name, value, 1);
        else
            unsetenv(name);
    }
    ~ScopedEnv()
    {
        if (old_)
            setenv(name_, old_->c_str(), 1);
        else
            unsetenv(name_);
    }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    const char* name_;
    std::optional<std::string> old_;
};

class ScopedCwd {
public:
    explicit ScopedCwd(const fs::path& dir) : old_(fs::current_path()) { fs::current_path(dir); }
    ~ScopedCwd() { fs::current_path(old_); }
    ScopedCwd(const ScopedCwd&) = delete;
    ScopedCwd& operator=(const ScopedCwd&) = delete;

private:
    fs::path old_;
};

fs::path MakeTempDir()
{
    std::string pattern = (fs::temp_directory_path() / "nuro-sound-XXXXXX").string();
    return fs::path(mkdtemp(pattern.data()));
}

// The three places in the order they are searched, each a fresh folder except the installation's.
class SoundLookupTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        root = MakeTempDir();
        fs::create_directories(root / "cwd");
        fs::create_directories(root / "xdg" / "nuro");
        fs::create_directories(root / "home" / ".local" / "share" / "nuro");
        const std::vector<std::string> dirs = SoundSearchDirs();
        ASSERT_EQ(dirs.size(), 3u);
        shareDir = dirs[2];
        // A name no real file has, so the installation's folder can take one for the test.
        name = "platform-test-" + std::to_string(getpid()) + ".wav";
    }
    void TearDown() override
    {
        std::error_code ec;
        fs::remove(fs::path(shareDir) / name, ec);
        fs::remove_all(root, ec);
    }
    fs::path root;
    std::string shareDir;
    std::string name;
};

TEST_F(SoundLookupTest, SearchDirsAreCwdThenXdgDataThenTheInstallation)
{
    ScopedCwd cwd(root / "cwd");
    ScopedEnv home("HOME", (root / "home").c_str());
    const std::string xdgDir = (root / "xdg").string();
    const struct {
        const char* xdg; // nullptr: unset
        std::string second;
    } rows[] = {
        {xdgDir.c_str(), (root / "xdg" / "nuro").string()},
        {nullptr, (root / "home" / ".local" / "share" / "nuro").string()},
        {"", (root / "home" / ".local" / "share" / "nuro").string()},
        {"relative/dir", (root / "home" / ".local" / "share" / "nuro").string()}, // ignored, as XDG says
    };
    // The installation's data sits beside the executable's folder: build/bin -> build/share/nuro.
    char exe[4096] = {};
    ASSERT_GT(readlink("/proc/self/exe", exe, sizeof exe - 1), 0);
    const std::string share = (fs::path(exe).parent_path().parent_path() / "share" / "nuro").string();
    for (const auto& row : rows) {
        SCOPED_TRACE(row.xdg ? row.xdg : "(unset)");
        ScopedEnv xdg("XDG_DATA_HOME", row.xdg);
        EXPECT_EQ(SoundSearchDirs(),
                  (std::vector<std::string>{fs::canonical(root / "cwd").string(), row.second, share}));
    }
}

TEST_F(SoundLookupTest, TheFirstPlaceHoldingTheFileWins)
{
    ScopedCwd cwd(root / "cwd");
    ScopedEnv xdg("XDG_DATA_HOME", (root / "xdg").c_str());
    const fs::path places[] = {fs::canonical(root / "cwd"), root / "xdg" / "nuro", fs::path(shareDir)};
    const struct {
        bool inCwd, inXdg, inShare;
        int found; // index into places, -1 for none
    } rows[] = {
        {true, true, true, 0},  {false, true, true, 1},  {false, false, true, 2},
        {true, false, true, 0}, {false, true, false, 1}, {false, false, false, -1},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::to_string(row.inCwd) + std::to_string(row.inXdg) + std::to_string(row.inShare));
        const bool present[] = {row.inCwd, row.inXdg, row.inShare};
        for (int i = 0; i < 3; ++i) {
            std::error_code ec;
            fs::remove(places[i] / name, ec);
            if (present[i])
                WriteWav(places[i] / name, 0.01);
        }
        EXPECT_EQ(FindSoundFile(name), row.found < 0 ? std::string() : (places[row.found] / name).string());
    }
    // A folder of that name is no file.
    fs::create_directory(places[0] / "folder.wav");
    EXPECT_EQ(FindSoundFile("folder.wav"), "");
    EXPECT_EQ(FindSoundFile(""), "");
    // A name with a '/' is taken as it stands, not searched.
    WriteWav(places[1] / name, 0.01);
    EXPECT_EQ(FindSoundFile((places[1] / name).string()), (places[1] / name).string());
    EXPECT_EQ(FindSoundFile("nuro/" + name), "");
}

// Records the calls and answers as told.
class FakeBackend : public SoundBackend {
public:
    SoundResult fileAnswer = SoundResult::Played;
    SoundResult defaultAnswer = SoundResult::Played;
    std::vector<std::string> calls;
    SoundResult PlayFile(const std::string& path) override
    {
        calls.push_back("file " + path);
        return fileAnswer;
    }
    SoundResult PlayDefault() override
    {
        calls.push_back("default");
        return defaultAnswer;
    }
};

class SoundFallbackTest : public SoundLookupTest {
protected:
    void SetUp() override
    {
        SoundLookupTest::SetUp();
        SetSoundBackend(&fake);
    }
    void TearDown() override
    {
        SetSoundBackend(nullptr);
        SoundLookupTest::TearDown();
    }
    FakeBackend fake;
};

TEST_F(SoundFallbackTest, MissingOrUnreadableFilesFallBackToTheDefaultSound)
{
    ScopedCwd cwd(root / "cwd");
    ScopedEnv xdg("XDG_DATA_HOME", (root / "xdg").c_str());
    const std::string inXdg = (root / "xdg" / "nuro" / name).string();
    const struct {
        bool exists;
        SoundResult file, def;
        bool played;
        std::vector<std::string> calls;
    } rows[] = {
        {true, SoundResult::Played, SoundResult::Played, true, {"file " + inXdg}},
        {false, SoundResult::Played, SoundResult::Played, true, {"default"}},
        {false, SoundResult::Played, SoundResult::NoDevice, false, {"default"}},
        {true, SoundResult::Failed, SoundResult::Played, true, {"file " + inXdg, "default"}},
        {true, SoundResult::Failed, SoundResult::Failed, false, {"file " + inXdg, "default"}},
        // Without a device the default sound would not play either: no second try.
        {true, SoundResult::NoDevice, SoundResult::Played, false, {"file " + inXdg}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.calls.front() + (row.exists ? " (exists)" : ""));
        std::error_code ec;
        fs::remove(inXdg, ec);
        if (row.exists)
            WriteWav(inXdg, 0.01);
        fake.calls.clear();
        fake.fileAnswer = row.file;
        fake.defaultAnswer = row.def;
        EXPECT_EQ(PlaySoundSync(name), row.played);
        EXPECT_EQ(fake.calls, row.calls);
    }
}

// The real backend on SDL's dummy driver, which consumes the sound in real time without a device.
class RealSoundTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetSoundBackend(nullptr);
        dir = MakeTempDir();
    }
    void TearDown() override
    {
        std::error_code ec;
        fs::remove_all(dir, ec);
    }
    static double Seconds(Clock::time_point since)
    {
        return std::chrono::duration<double>(Clock::now() - since).count();
    }
    fs::path dir;
};

TEST_F(RealSoundTest, PlayingBlocksUntilTheSoundHasPlayed)
{
    ScopedEnv driver("SDL_AUDIODRIVER", "dummy");
    const fs::path wav = dir / "tone.wav";
    const double length = 1.0;
    WriteWav(wav, length);
    const auto start = Clock::now();
    EXPECT_TRUE(PlaySoundSync(wav.string()));
    const double took = Seconds(start);
    // Not exact: only that it waited for most of the sound and then gave up waiting.
    EXPECT_GE(took, 0.7 * length);
    EXPECT_LT(took, length + 8.0);
}

TEST_F(RealSoundTest, TheDefaultSoundAlsoPlaysToTheEnd)
{
    ScopedEnv driver("SDL_AUDIODRIVER", "dummy");
    ScopedCwd cwd(dir);
    const auto start = Clock::now();
    EXPECT_TRUE(PlaySoundSync("no-such-sound.wav"));
    EXPECT_GE(Seconds(start), 0.3); // the default tone is well over that
}

TEST_F(RealSoundTest, AFileThatIsNoWaveFallsBackToTheDefault)
{
    ScopedEnv driver("SDL_AUDIODRIVER", "dummy");
    const fs::path bad = dir / "bad.wav";
    std::ofstream(bad) << "not a wave file";
    EXPECT_TRUE(PlaySoundSync(bad.string()));
}

TEST_F(RealSoundTest, WithoutAnAudioDeviceItReturnsAtOnce)
{
    ScopedEnv driver("SDL_AUDIODRIVER", "no-such-driver");
    const fs::path wav = dir / "long.wav";
    WriteWav(wav, 5.0);
    const auto start = Clock::now();
    EXPECT_FALSE(PlaySoundSync(wav.string()));
    EXPECT_FALSE(PlaySoundSync("no-such-sound.wav"));
    EXPECT_LT(Seconds(start), 2.0);
}

} // namespace
} // namespace nuro
