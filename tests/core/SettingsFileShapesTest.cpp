// The settings file in the shapes real users have: a byte-order mark, line endings of another system,
// a symbolic link, a read-only file, a save the disk refuses, leftovers of a killed save, two programs
// starting at once. No setting is lost and no failure passes for a success.
#include "core/SettingsStore.h"
#include "platform/os/Profile.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <set>
#include <sstream>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace nuro;
namespace fs = std::filesystem;

namespace {

std::string ReadFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

void WriteFile(const fs::path& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
}

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

std::string Key(int program)
{
    std::string key(1, 'K');
    key += std::to_string(program);
    return key;
}

// Runs fn in a child process; its exit code.
int InChild(const std::function<int()>& fn)
{
    pid_t child = fork();
    if (child == 0)
        _exit(fn());
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

class SettingsFileShapes : public ::testing::Test {
protected:
    void SetUp() override
    {
        root = fs::temp_directory_path() / ("nuro-shapes-" + std::to_string(getpid()) + "-" +
                                            ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(root);
        fs::create_directories(root / "config" / "nuro");
        fs::create_directories(root / "defaults");
        setenv("XDG_CONFIG_HOME", (root / "config").c_str(), 1);
        setenv("NURO_DEFAULTS_DIR", (root / "defaults").c_str(), 1);
        path = ResolveSettingsPath(kSettingsFile);
    }
    void TearDown() override
    {
        fs::permissions(root, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(root);
    }
    bool Save(std::int32_t d1, std::string* error = nullptr)
    {
        HeldControls controls;
        AppSettings s;
        LoadAllSettings(profile, controls, s);
        s.D1 = d1;
        IniProfile writer;
        const bool saved = SaveAllSettings(writer, controls, s);
        if (error)
            *error = writer.LastError();
        return saved;
    }

    fs::path root;
    std::string path;
    IniProfile profile;
};

} // namespace

TEST_F(SettingsFileShapes, ByteOrderMarkAndLineEndingsReadAsTheSameSettingsAndTheSaveKeepsTheRest)
{
    struct Row {
        const char* shape;
        std::string text;
        bool mark; // the file begins with a byte-order mark, and keeps it
        bool crlfAdded; // lines the save adds end with CRLF
    };
    const std::string body[] = {"; my notes", "[SETUP]", "t1=Tunis*Sfax*", "COUNTRY=Sfax",
                                "D1=10",      "",        "[OTHER]",        "D1=99"};
    auto join = [&](const std::function<const char*(std::size_t)>& ending) {
        std::string text;
        for (std::size_t i = 0; i < std::size(body); ++i)
            text += body[i] + ending(i) + "\n";
        return text;
    };
    const std::string lf = join([](std::size_t) { return ""; });
    const std::string crlf = join([](std::size_t) { return "\r"; });
    // Edited on another system: CRLF in the SETUP section's first half only.
    const std::string mixed = join([](std::size_t i) { return i < 4 ? "\r" : ""; });
    const Row rows[] = {
        {"LF", lf, false, false},
        {"CRLF", crlf, false, true},
        {"mixed", mixed, false, false},
        {"mark, LF", "\xEF\xBB\xBF" + lf, true, false},
        {"mark, CRLF", "\xEF\xBB\xBF" + crlf, true, true},
        {"mark, mixed", "\xEF\xBB\xBF" + mixed, true, false},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.shape);
        WriteFile(path, r.text);
        HeldControls controls;
        AppSettings s;
        LoadAllSettings(profile, controls, s);
        EXPECT_EQ(std::string(s.PlaceName.data()), "Sfax");
        EXPECT_EQ(s.D1, 10);
        EXPECT_EQ(profile.ReadKey(kSettingsSection, "t1", "", 11999, kSettingsFile), "Tunis*Sfax*");

        ASSERT_TRUE(Save(12));
        const std::string saved = ReadFile(path);
        EXPECT_EQ(saved.starts_with("\xEF\xBB\xBF"), r.mark);
        const std::vector<std::string> before = Lines(r.text), after = Lines(saved);
        // Every line but the one changed stands as it was, its ending included.
        std::multiset<std::string> kept(after.begin(), after.end());
        for (std::size_t i = 0; i < before.size(); ++i) {
            if (before[i].find("D1=10") != std::string::npos)
                continue;
            EXPECT_EQ(kept.count(before[i]), 1u) << "line " << i << " lost: " << before[i];
        }
        int headers = 0;
        for (const std::string& line : after)
            headers += line.find("[SETUP]") != std::string::npos;
        EXPECT_EQ(headers, 1) << saved;
        EXPECT_EQ(IniDocument::Parse(saved).Get("SETUP", "D1"), "12");
        EXPECT_EQ(IniDocument::Parse(saved).Get("OTHER", "D1"), "99");
        EXPECT_EQ(IniDocument::Parse(saved).Get("SETUP", "PRECISION").has_value(), true);
        const auto precision =
            std::find_if(after.begin(), after.end(), [](const std::string& l) { return l.starts_with("PRECISION="); });
        ASSERT_NE(precision, after.end());
        EXPECT_EQ(precision->ends_with("\r"), r.crlfAdded);
    }
}

// A file that an earlier reader, blind to the mark, saved into: the section it added holds the
// settings in use, and the section behind the mark what it could not see.
TEST_F(SettingsFileShapes, AMarkedFileSavedTwiceKeepsTheSettingsInUse)
{
    WriteFile(path, "\xEF\xBB\xBF[SETUP]\nt1=Tunis*\nD1=1\nCOUNTRY=Tunis\n\n[SETUP]\nD1=5\nCOUNTRY=Sfax\n");
    HeldControls controls;
    AppSettings s;
    LoadAllSettings(profile, controls, s);
    EXPECT_EQ(s.D1, 5);
    EXPECT_EQ(std::string(s.PlaceName.data()), "Sfax");
    EXPECT_EQ(profile.ReadKey(kSettingsSection, "t1", "", 11999, kSettingsFile), "Tunis*");
    ASSERT_TRUE(Save(6));
    LoadAllSettings(profile, controls, s);
    EXPECT_EQ(s.D1, 6);
    EXPECT_EQ(std::string(s.PlaceName.data()), "Sfax");
}

TEST_F(SettingsFileShapes, TheFileIsReplacedWhereItLivesOrKeptAndTheFailureReported)
{
    struct Row {
        const char* shape;
        std::function<void()> prepare;
        bool saves;
        const char* errorHolds; // part of the reason given when the save fails
    };
    const fs::path dotfiles = root / "dotfiles";
    const fs::path target = dotfiles / "nuro-settings.ini";
    const Row rows[] = {
        {"plain file", [] {}, true, ""},
        {"symbolic link",
         [&] {
             fs::create_directories(dotfiles);
             WriteFile(target, "[SETUP]\nD1=10\n");
             fs::remove(path);
             fs::create_symlink(target, path);
         },
         true, ""},
        {"relative link to a link",
         [&] {
             fs::create_directories(dotfiles);
             WriteFile(target, "[SETUP]\nD1=10\n");
             fs::create_symlink(target, dotfiles / "hop.ini");
             fs::remove(path);
             fs::create_symlink("../../dotfiles/hop.ini", path);
         },
         true, ""},
        {"read-only file", [&] { fs::permissions(path, fs::perms::owner_read | fs::perms::group_read); }, false,
         "read-only"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.shape);
        fs::remove_all(dotfiles);
        fs::remove(path);
        WriteFile(path, "[SETUP]\nD1=10\n");
        r.prepare();
        const bool wasLink = fs::is_symlink(path);
        const std::string old = ReadFile(path);
        std::string error;
        EXPECT_EQ(Save(11, &error), r.saves);
        EXPECT_EQ(fs::is_symlink(path), wasLink) << "a link stays a link";
        if (r.saves) {
            EXPECT_EQ(IniDocument::Parse(ReadFile(path)).Get("SETUP", "D1"), "11");
        } else {
            EXPECT_EQ(ReadFile(path), old);
            EXPECT_NE(error.find(r.errorHolds), std::string::npos) << error;
        }
        if (wasLink) {
            EXPECT_EQ(IniDocument::Parse(ReadFile(target)).Get("SETUP", "D1"), "11");
        }
        for (const auto& entry : fs::directory_iterator(fs::path(path).parent_path()))
            EXPECT_FALSE(entry.path().filename().string().starts_with("nuro.ini.")) << entry.path();
    }
}

// A file-size limit (SIGXFSZ) or a full disk: the write fails, the save says so, the old file stands.
TEST_F(SettingsFileShapes, AWriteTheSystemRefusesFailsTheSaveAndKeepsTheOldFile)
{
    const std::string old = "[SETUP]\nt1=" + std::string(2000, 'p') + "*\nD1=10\n";
    WriteFile(path, old);
    const int code = InChild([&] {
        struct rlimit limit {
            512, 512
        };
        setrlimit(RLIMIT_FSIZE, &limit);
        std::string error;
        if (Save(11, &error))
            return 1; // reported as done
        return error.find("cannot write") != std::string::npos ? 0 : 2;
    });
    EXPECT_EQ(code, 0) << "1: a failed save passed for done; 2: no reason given; -1: killed by the limit";
    EXPECT_EQ(ReadFile(path), old);
    for (const auto& entry : fs::directory_iterator(fs::path(path).parent_path()))
        EXPECT_EQ(entry.path().filename(), "nuro.ini");
}

TEST_F(SettingsFileShapes, LeftoversOfKilledSavesGoAtTheNextStartAndNothingElse)
{
    WriteFile(path, "[SETUP]\nD1=10\n");
    const fs::path dir = fs::path(path).parent_path();
    struct Row {
        const char* name;
        bool removed;
    };
    const Row rows[] = {
        {"nuro.ini.aB3xZ9", true},   {"nuro.ini.000000", true},   {"nuro.ini.bak", false},
        {"nuro.ini.aB3xZ", false},   {"nuro.ini.aB3xZ9x", false}, {"nuro.ini.not-saved", false},
        {"other.ini.aB3xZ9", false}, {"nuro.ini~", false},
    };
    for (const Row& r : rows)
        WriteFile(dir / r.name, "x");
    EXPECT_EQ(RemoveStaleTemporaries(kSettingsFile), 2);
    for (const Row& r : rows)
        EXPECT_EQ(fs::exists(dir / r.name), !r.removed) << r.name;
    EXPECT_EQ(ReadFile(path), "[SETUP]\nD1=10\n");

    // A save under way in another program keeps its temporary file: every one of its saves succeeds
    // while starts clean up beside it.
    pid_t saver = fork();
    if (saver == 0) {
        for (int i = 0; i < 300; ++i)
            if (!Save(i))
                _exit(1);
        _exit(0);
    }
    int status = 0;
    while (waitpid(saver, &status, WNOHANG) == 0)
        RemoveStaleTemporaries(kSettingsFile);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "a save lost its temporary file";
}

// Two programs (or a program and nuro-times) using the settings for the first time at the same moment:
// the default is copied once, and neither one's keys are lost to the other.
TEST_F(SettingsFileShapes, ConcurrentFirstUseLosesNoEdit)
{
    WriteFile(root / "defaults" / kSettingsFile, "[SETUP]\nt1=Tunis*Sfax*\nCOUNTRY=Tunis\n");
    constexpr int kPrograms = 8;
    int lost = 0;
    for (int round = 0; round < 10; ++round) {
        fs::remove(path);
        std::vector<pid_t> children;
        for (int p = 0; p < kPrograms; ++p) {
            pid_t child = fork();
            if (child == 0) {
                IniProfile own;
                own.ReadKey(kSettingsSection, "STARTUP", "", 50, kSettingsFile);
                _exit(own.WriteKeys(kSettingsSection, {{Key(p), "1"}}, kSettingsFile) ? 0 : 1);
            }
            children.push_back(child);
        }
        for (pid_t child : children) {
            int status = 0;
            waitpid(child, &status, 0);
            EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        }
        const IniDocument doc = IniDocument::Parse(ReadFile(path));
        for (int p = 0; p < kPrograms; ++p)
            lost += !doc.Get("SETUP", Key(p)).has_value();
        EXPECT_EQ(doc.Get("SETUP", "t1"), "Tunis*Sfax*") << "round " << round;
    }
    EXPECT_EQ(lost, 0);
}

// A load reads and parses the file once: what the keys say within one pass is the file as it was when
// the pass began, whatever happens to it meanwhile; the next read outside the pass sees the file anew.
TEST_F(SettingsFileShapes, ALoadPassReadsTheFileOnce)
{
    WriteFile(path, "[SETUP]\nD1=5\nM1=6\nCOUNTRY=Sfax\n");
    {
        ProfilePass pass(profile, kSettingsFile);
        EXPECT_EQ(profile.ReadKey(kSettingsSection, "D1", "", 10, kSettingsFile), "5");
        fs::remove(path);
        EXPECT_EQ(profile.ReadKey(kSettingsSection, "M1", "", 10, kSettingsFile), "6");
        WriteFile(path, "[SETUP]\nD1=9\n");
        EXPECT_EQ(profile.ReadKey(kSettingsSection, "D1", "", 10, kSettingsFile), "5");
        EXPECT_EQ(profile.ReadKey(kSettingsSection, "COUNTRY", "", 53, kSettingsFile), "Sfax");
    }
    EXPECT_EQ(profile.ReadKey(kSettingsSection, "D1", "", 10, kSettingsFile), "9");
    EXPECT_EQ(profile.ReadKey(kSettingsSection, "M1", "-", 10, kSettingsFile), "-");
}
