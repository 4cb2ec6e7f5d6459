// The settings file as it may be found: only a regular file is read (links followed) and replaced,
// without waiting and up to its size limit; one that cannot be used is reported and left as it is;
// a load reads it once; numbers beyond 32 bits are clamped with a note, our own long values kept whole.
#include "HostileSupport.h"
#include "core/SettingsStore.h"
#include "platform/os/Profile.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <filesystem>
#include <cstdlib>
#include <functional>

namespace nuro {
namespace {

using test::TempDir;

class SettingsFile : public testing::Test {
protected:
    void SetUp() override
    {
        setenv("XDG_CONFIG_HOME", (dir / "config").c_str(), 1);
        setenv("NURO_DEFAULTS_DIR", (dir / "no-defaults").c_str(), 1);
        ASSERT_EQ(mkdir((dir / "config").c_str(), 0700), 0);
        ASSERT_EQ(mkdir(folder.c_str(), 0700), 0);
    }
    void TearDown() override
    {
        unsetenv("XDG_CONFIG_HOME");
        unsetenv("NURO_DEFAULTS_DIR");
    }
    bool IsKind(const std::string& p, mode_t kind, bool link = false) const
    {
        struct stat st {};
        return lstat(p.c_str(), &st) == 0 && (link ? S_ISLNK(st.st_mode) : (st.st_mode & S_IFMT) == kind);
    }

    TempDir dir;
    const std::string folder = dir / "config/nuro";
    const std::string file = folder + "/nuro.ini";
};

constexpr const char* kGood = "; mine\n[SETUP]\nCOUNTRY=Sfax, Tunisia\nD1=10\n[other]\nx=1\n";

TEST_F(SettingsFile, OnlyARegularFileIsReadAndReplacedAndOneThatCannotBeUsedIsLeftAsItIs)
{
    const struct {
        const char* name;
        std::function<void(const std::string& file, const TempDir& dir)> make;
        const char* problem; // a part of the reported problem; "" when the file is used
        std::function<bool(const std::string& file, const TempDir& dir)> afterSave;
    } rows[] = {
        {"regular file", [](const std::string& f, const TempDir&) { test::WriteFile(f, kGood); }, "",
         [](const std::string& f, const TempDir&) {
             const std::string t = test::ReadFile(f);
             return t.starts_with("; mine\n[SETUP]\n") && t.find("[other]\nx=1\n") != std::string::npos &&
                    t.find("Sound=0") != std::string::npos;
         }},
        {"link to a regular file: the link stays, its file is replaced",
         [](const std::string& f, const TempDir& d) {
             test::WriteFile(d / "real.ini", kGood);
             ASSERT_EQ(symlink((d / "real.ini").c_str(), f.c_str()), 0);
         },
         "",
         [this](const std::string& f, const TempDir& d) {
             return IsKind(f, 0, true) && test::ReadFile(d / "real.ini").find("Sound=0") != std::string::npos;
         }},
        {"empty file", [](const std::string& f, const TempDir&) { test::WriteFile(f, ""); }, "is empty",
         [](const std::string& f, const TempDir&) { return test::ReadFile(f).empty(); }},
        {"blank lines only", [](const std::string& f, const TempDir&) { test::WriteFile(f, "\r\n \n"); }, "is empty",
         [](const std::string& f, const TempDir&) { return test::ReadFile(f) == "\r\n \n"; }},
        {"FIFO: refused at once, never waited on",
         [](const std::string& f, const TempDir&) { ASSERT_EQ(mkfifo(f.c_str(), 0600), 0); }, "not a regular file",
         [this](const std::string& f, const TempDir&) { return IsKind(f, S_IFIFO); }},
        {"link to a FIFO",
         [](const std::string& f, const TempDir& d) {
             ASSERT_EQ(mkfifo((d / "fifo").c_str(), 0600), 0);
             ASSERT_EQ(symlink((d / "fifo").c_str(), f.c_str()), 0);
         },
         "not a regular file",
         [this](const std::string& f, const TempDir& d) { return IsKind(f, 0, true) && IsKind(d / "fifo", S_IFIFO); }},
        // Only the link is made; stat tells the device from it and nothing opens the device.
        {"link to a device",
         [](const std::string& f, const TempDir&) { ASSERT_EQ(symlink("/dev/zero", f.c_str()), 0); },
         "not a regular file", [this](const std::string& f, const TempDir&) { return IsKind(f, 0, true); }},
        {"folder", [](const std::string& f, const TempDir&) { ASSERT_EQ(mkdir(f.c_str(), 0700), 0); },
         "not a regular file", [this](const std::string& f, const TempDir&) { return IsKind(f, S_IFDIR); }},
        {"larger than the limit (sparse)",
         [](const std::string& f, const TempDir&) {
             test::WriteFile(f, kGood);
             ASSERT_EQ(truncate(f.c_str(), kSettingsFileLimit + 1), 0);
         },
         "larger than 1024 KiB",
         [](const std::string& f, const TempDir&) {
             struct stat st {};
             return stat(f.c_str(), &st) == 0 && st.st_size == kSettingsFileLimit + 1;
         }},
        {"unreadable (skipped as root, who reads anything)",
         [](const std::string& f, const TempDir&) {
             test::WriteFile(f, kGood);
             ASSERT_EQ(chmod(f.c_str(), geteuid() == 0 ? 0644 : 0), 0);
         },
         geteuid() == 0 ? "" : "cannot be read",
         [](const std::string& f, const TempDir&) {
             chmod(f.c_str(), 0644);
             return geteuid() == 0 || test::ReadFile(f) == kGood;
         }},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        std::filesystem::remove_all(folder);
        ASSERT_EQ(mkdir(folder.c_str(), 0700), 0);
        row.make(file, dir);
        IniProfile profile;
        HeldControls controls;
        AppSettings settings;
        const LoadReport report = LoadAllSettings(profile, controls, settings);
        const bool saved = SaveAllSettings(profile, controls, settings);
        if (*row.problem) {
            EXPECT_NE(report.fileProblem.find(row.problem), std::string::npos) << report.fileProblem;
            EXPECT_FALSE(saved);
            EXPECT_NE(profile.LastError().find("left as it was"), std::string::npos) << profile.LastError();
            EXPECT_EQ(settings.D1, 0);
        } else {
            EXPECT_EQ(report.fileProblem, "");
            EXPECT_TRUE(saved) << profile.LastError();
            EXPECT_EQ(settings.D1, 10);
        }
        EXPECT_TRUE(row.afterSave(file, dir));
    }
}

TEST_F(SettingsFile, ALoadReadsTheFileOnceAndEveryKeyComesFromThatReading)
{
    test::WriteFile(file, "[SETUP]\nD1=1\nM1=2\n");
    IniProfile profile;
    profile.BeginPass(kSettingsFile);
    EXPECT_EQ(profile.ReadKey(kSettingsSection, "D1", "", 50, kSettingsFile), "1");
    // Changed under the pass: the keys still come from the one reading it made.
    test::WriteFile(file, "[SETUP]\nD1=7\nM1=8\n");
    EXPECT_EQ(profile.ReadKey(kSettingsSection, "M1", "", 50, kSettingsFile), "2");
    profile.EndPass();
    EXPECT_EQ(profile.ReadKey(kSettingsSection, "M1", "", 50, kSettingsFile), "8");
}

TEST_F(SettingsFile, NumbersBeyond32BitsAreClampedWithANoteAndOurLongValuesAreKeptWhole)
{
    const std::string longName(80, 'n'), longZone(5000, 'z'), longSound = "/" + std::string(6000, 's') + ".ogg";
    const struct {
        const char* name;
        std::string text; // [SETUP] lines
        std::function<bool(const AppSettings&)> loaded;
        const char* note; // a part of one note; "" for none
        std::function<void(AppSettings&)> edit = [](AppSettings&) {};
        const char* savedLine; // a line the saved file must hold
    } rows[] = {
        {"below -2^31",
         "D1=-2147483649\n",
         [](const AppSettings& s) { return s.D1 == INT_MIN; },
         "D1=-2147483649",
         {},
         "D1=-2147483648\n"},
        {"far above 2^31",
         "M2=99999999999999999999\n",
         [](const AppSettings& s) { return s.M2 == INT_MAX; },
         "M2=99999999999999999999",
         {},
         "M2=2147483647\n"},
        {"2^32 + 1, which used to wrap to 1",
         "p_faj=4294967297\n",
         [](const AppSettings& s) { return s.corrections[0] == INT_MAX; },
         "p_faj",
         {},
         "p_faj=2147483647\n"},
        {"an extra key beyond 2^31",
         "REMIND=-9999999999\n",
         [](const AppSettings& s) { return s.extra.REMIND == INT_MIN; },
         "REMIND",
         {},
         "REMIND=-2147483648\n"},
        {"the largest 32-bit value",
         "a_ich=2147483647\n",
         [](const AppSettings& s) { return s.corrections[7] == INT_MAX; },
         "",
         {},
         "a_ich=2147483647\n"},
        {"a place name longer than the record",
         "COUNTRY=" + longName + "\n",
         [&](const AppSettings& s) { return std::string(s.PlaceName.data()) == longName.substr(0, 50); },
         "COUNTRY is longer",
         {},
         nullptr},
        {"a long place name changed after the load", "COUNTRY=" + longName + "\n",
         [](const AppSettings&) { return true; }, "COUNTRY is longer",
         [](AppSettings& s) { SetPlaceName(s, "Sfax, Tunisia"); }, "COUNTRY=Sfax, Tunisia\n"},
        {"a zone of 5000 characters",
         "ZONE=" + longZone + "\n",
         [&](const AppSettings& s) { return s.extra.ZONE == longZone; },
         "",
         {},
         nullptr},
        {"a sound path of 6000 characters",
         "SOUND_FAJ=" + longSound + "\n",
         [&](const AppSettings& s) { return s.extra.SOUND[0] == longSound; },
         "",
         {},
         nullptr},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        test::WriteFile(file, "[SETUP]\n" + row.text);
        IniProfile profile;
        HeldControls controls;
        AppSettings settings;
        const LoadReport report = LoadAllSettings(profile, controls, settings);
        EXPECT_TRUE(row.loaded(settings));
        std::string notes;
        for (const auto& n : report.notes)
            notes += n + "\n";
        if (*row.note)
            EXPECT_NE(notes.find(row.note), std::string::npos) << notes;
        else
            EXPECT_EQ(notes, "");
        if (row.edit)
            row.edit(settings);
        ASSERT_TRUE(SaveAllSettings(profile, controls, settings)) << profile.LastError();
        const std::string saved = test::ReadFile(file);
        // Unchanged or our own, a long value is in the file as it was written.
        EXPECT_NE(saved.find(row.savedLine ? std::string(row.savedLine) : row.text), std::string::npos);
    }
}

} // namespace
} // namespace nuro
