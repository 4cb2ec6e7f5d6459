#include "core/SettingsStore.h"
#include "platform/os/Profile.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <algorithm>
#include <functional>
#include <fstream>
#include <signal.h>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

using namespace nuro;
namespace fs = std::filesystem;

namespace {

// Stands in for the main window's controls.
class FakeControls : public ControlSettings {
public:
    void SetSoundOn(bool on) override { sound = on; }
    bool SoundOn() const override { return sound; }
    void SetPlusChecked(bool p) override { plus = p; }
    bool PlusChecked() const override { return plus; }
    void SetOffsetText(const std::string& t) override { offset = t; }
    std::string OffsetText() const override { return offset; }
    void ApplyLanguage(bool e) override
    {
        english = e;
        ++languageApplied;
    }
    bool English() const override { return english; }
    bool sound = true, plus = true, english = true;
    std::string offset = "x";
    int languageApplied = 0;
};

const char* const kSaveOrder[] = {"Sound",  "Radio_inc", "INC_DEC", "COUNTRY", "ASER",  "D1",      "M1",
                                  "S1",     "CARD1",     "D2",      "M2",      "S2",    "CARD2",   "P",
                                  "T",      "H",         "T_ZONE",  "LANG",    "p_faj", "p_shu",   "p_dho",
                                  "p_ase",  "p_mag",     "p_ich",   "a_faj",   "a_ich", "STARTUP", "SUMMER",
                                  "month1", "day1",      "month2",  "day2",    "val1",  "val2",    "PRECISION"};

class SettingsFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir = fs::temp_directory_path() / ("nuro-settings-" + std::to_string(getpid()) + "-" +
                                           ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
        setenv("XDG_CONFIG_HOME", dir.c_str(), 1);
        defaults = dir / "defaults";
        setenv("NURO_DEFAULTS_DIR", defaults.c_str(), 1);
        path = ResolveSettingsPath("nuro.ini");
        fs::create_directories(fs::path(path).parent_path());
    }
    void TearDown() override { fs::remove_all(dir); }
    void Write(const std::string& text) { std::ofstream(path, std::ios::binary) << text; }
    std::string Read() const
    {
        std::ifstream in(path, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    fs::path dir, defaults;
    std::string path;
    IniProfile profile;
};

std::vector<std::string> KeysInOrder(const std::string& text)
{
    std::vector<std::string> keys;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        auto eq = line.find('=');
        if (eq != std::string::npos)
            keys.push_back(line.substr(0, eq));
    }
    return keys;
}

} // namespace

TEST(SettingsPath, BareNameLivesInTheUserConfigFolder)
{
    setenv("XDG_CONFIG_HOME", "/xdg/conf", 1);
    EXPECT_EQ(ResolveSettingsPath("nuro.ini"), "/xdg/conf/nuro/nuro.ini");
    unsetenv("XDG_CONFIG_HOME");
    setenv("HOME", "/home/u", 1);
    EXPECT_EQ(ResolveSettingsPath("nuro.ini"), "/home/u/.config/nuro/nuro.ini");
    EXPECT_EQ(ResolveSettingsPath("/etc/x.ini"), "/etc/x.ini");
}

TEST_F(SettingsFile, MissingFileGivesDefaultsAndExitWritesAll35Keys)
{
    fs::remove(path);
    FakeControls controls;
    AppSettings s;
    LoadAllSettings(profile, controls, s);
    EXPECT_FALSE(controls.sound);
    EXPECT_FALSE(controls.plus);
    EXPECT_EQ(controls.offset, "");
    EXPECT_FALSE(controls.english);
    EXPECT_EQ(controls.languageApplied, 1);
    EXPECT_EQ(s.ASER, 1);
    EXPECT_EQ(s.CARD1, '\0');
    EXPECT_EQ(s.T_ZONE, 0.0f);
    EXPECT_STREQ(s.PlaceName.data(), "");
    for (int v : s.corrections)
        EXPECT_EQ(v, 0);

    ASSERT_TRUE(SaveAllSettings(profile, controls, s));
    std::vector<std::string> keys = KeysInOrder(Read());
    ASSERT_EQ(keys.size(), 35u);
    for (std::size_t i = 0; i < keys.size(); ++i)
        EXPECT_EQ(keys[i], kSaveOrder[i]);
    EXPECT_NE(Read().find("[SETUP]\n"), std::string::npos);
    EXPECT_NE(Read().find("ASER=STANDARD\n"), std::string::npos);
    EXPECT_NE(Read().find("LANG=ARABIC\n"), std::string::npos);
    EXPECT_NE(Read().find("CARD1=\n"), std::string::npos);
}

TEST_F(SettingsFile, ValueTextsReadAndWrittenBack)
{
    const std::string longName(60, 'n');
    Write("; prepared by the installer\n"
          "[OTHER]\nkeep=me\n"
          "[SETUP]\n"
          "t1=Tunis, Tunisia*Sfax, Tunisia*\n"
          "ASER=hanfai\nLANG=English\nS1=12.34567\nINC_DEC=1234\nRadio_inc=1\nSound=1\n"
          "COUNTRY=" +
          longName +
          "\n"
          "CARD1=West\nCARD2=N\nT_ZONE=5.5\nD1=-10\nunknown=kept\np_dho=7\na_faj=108\nPRECISION=1\n"
          "STARTUP=5\nSUMMER=2\nval1=401\n"
          "[TAIL]\nz=1\n");
    FakeControls controls;
    AppSettings s;
    LoadAllSettings(profile, controls, s);
    EXPECT_EQ(s.ASER, 1); // the comparison is case-sensitive
    EXPECT_FALSE(controls.english); // so is this one
    EXPECT_FLOAT_EQ(s.S1, 12.34567f);
    EXPECT_EQ(controls.offset, "1234");
    EXPECT_TRUE(controls.plus);
    EXPECT_TRUE(controls.sound);
    EXPECT_EQ(std::string(s.PlaceName.data()), std::string(50, 'n')); // reads keep 50 characters
    EXPECT_EQ(s.CARD1, 'W');
    EXPECT_FLOAT_EQ(s.T_ZONE, 5.5f);
    EXPECT_EQ(s.D1, -10);
    EXPECT_EQ(s.p_dho(), 7);
    EXPECT_EQ(s.a_faj(), 108);
    EXPECT_EQ(s.PRECISION, 1);
    EXPECT_EQ(s.val1, 401);

    s.STARTUP = 5; // written back as a flag
    ASSERT_TRUE(SaveAllSettings(profile, controls, s));
    IniDocument doc = IniDocument::Parse(Read());
    struct Row {
        const char* key;
        const char* value;
    };
    const Row rows[] = {{"ASER", "STANDARD"}, {"LANG", "ARABIC"},  {"S1", "12.346"},
                        {"INC_DEC", "123"},   {"Radio_inc", "1"},  {"Sound", "1"},
                        {"CARD1", "W"},       {"T_ZONE", "5.500"}, {"D1", "-10"},
                        {"STARTUP", "1"},     {"SUMMER", "1"},     {"p_dho", "7"},
                        {"P", "0.000"},       {"unknown", "kept"}, {"t1", "Tunis, Tunisia*Sfax, Tunisia*"}};
    for (const Row& r : rows)
        EXPECT_EQ(doc.Get("SETUP", r.key).value_or("<missing>"), r.value) << r.key;
    EXPECT_EQ(doc.Get("OTHER", "keep").value_or(""), "me");
    EXPECT_EQ(doc.Get("TAIL", "z").value_or(""), "1");
    EXPECT_EQ(Read().rfind("; prepared by the installer\n[OTHER]\nkeep=me\n[SETUP]\nt1=", 0), 0u);
    EXPECT_NE(Read().find("\n[TAIL]\nz=1\n"), std::string::npos);
}

TEST_F(SettingsFile, FirstUseCopiesTheSystemDefault)
{
    fs::remove(path);
    fs::create_directories(defaults);
    std::ofstream(defaults / "nuro.ini") << "; installed\n[SETUP]\nCOUNTRY=Tunis, Tunisia\nt1=Tunis, Tunisia*\n";
    FakeControls controls;
    AppSettings s;
    LoadAllSettings(profile, controls, s);
    EXPECT_STREQ(s.PlaceName.data(), "Tunis, Tunisia");
    ASSERT_TRUE(SaveAllSettings(profile, controls, s));
    EXPECT_EQ(Read().rfind("; installed\n[SETUP]\nCOUNTRY=Tunis, Tunisia\nt1=Tunis, Tunisia*\n", 0), 0u);
    // Once the user's file exists the default is never copied again.
    std::ofstream(defaults / "nuro.ini") << "[SETUP]\nCOUNTRY=Elsewhere\n";
    EXPECT_EQ(profile.ReadKey("SETUP", "COUNTRY", "", 50, "nuro.ini"), "Tunis, Tunisia");
}

TEST_F(SettingsFile, HugeRealIsWrittenInFull)
{
    FakeControls controls;
    AppSettings s;
    s.H = 1e30f;
    ASSERT_TRUE(SaveAllSettings(profile, controls, s));
    EXPECT_EQ(IniDocument::Parse(Read()).Get("SETUP", "H").value_or(""), "1000000015047466219876688855040.000");
}

TEST_F(SettingsFile, StartupSwitchIsReadAlone)
{
    Write("[SETUP]\nSTARTUP=1\n");
    EXPECT_EQ(LoadStartupSwitch(profile), 1);
    Write("[setup]\nstartup= 0 \n");
    EXPECT_EQ(LoadStartupSwitch(profile), 0);
}

TEST_F(SettingsFile, UnwritableFolderFailsAndKeepsNothingHalfWritten)
{
    // A file where the folder should be: creation fails even for root.
    fs::path blocker = dir / "blocked";
    std::ofstream(blocker) << "x";
    setenv("XDG_CONFIG_HOME", blocker.c_str(), 1);
    FakeControls controls;
    AppSettings s;
    EXPECT_FALSE(SaveAllSettings(profile, controls, s));
    EXPECT_FALSE(profile.LastError().empty());
    std::ifstream in(blocker);
    std::string content;
    in >> content;
    EXPECT_EQ(content, "x");
}

TEST_F(SettingsFile, KilledSaveLeavesOldOrNewFileWhole)
{
    const std::string t1 = "t1=" + std::string(3000, 'p') + "*\n";
    Write("[SETUP]\n" + t1 + "D1=1\n");
    int mixed = 0, broken = 0, rewritten = 0;
    for (int round = 0; round < 60; ++round) {
        pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            FakeControls controls;
            AppSettings s;
            for (int i = 0;; ++i) {
                s.D1 = i % 2 ? 1 : 2;
                s.D2 = s.D1;
                SaveAllSettings(profile, controls, s);
            }
        }
        usleep(static_cast<useconds_t>(2000 + (round * 7919) % 9000));
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        std::string text = Read();
        IniDocument doc = IniDocument::Parse(text);
        if (doc.Get("SETUP", "t1").value_or("") != t1.substr(3, t1.size() - 4))
            ++broken;
        std::string d1 = doc.Get("SETUP", "D1").value_or("");
        if (d1 != "1" && d1 != "2")
            ++broken;
        std::string d2 = doc.Get("SETUP", "D2").value_or("");
        if (!d2.empty() && d2 != d1)
            ++mixed;
        rewritten += !d2.empty();
        if (!d2.empty() && KeysInOrder(text).size() != 36u)
            ++broken;
    }
    EXPECT_EQ(broken, 0);
    EXPECT_EQ(mixed, 0);
    EXPECT_GT(rewritten, 0) << "no child got as far as a save: the test proved nothing";
    for (const auto& entry : fs::directory_iterator(fs::path(path).parent_path()))
        if (entry.path().filename() != "nuro.ini")
            fs::remove(entry.path()); // temporaries of killed writers
}

// The keys beyond the 35: read when present, written back when the file had them or their value
// left the default, never added to a file that lacks them while they keep the default.
TEST_F(SettingsFile, ExtraKeysAreReadAndWrittenOnlyWhenUsed)
{
    const std::string longPath = "/home/u/" + std::string(200, 'a') + ".ogg";
    struct Row {
        const char* lines; // extra lines of [SETUP]
        std::function<void(AppSettings&)> change; // what the user does before the save
        std::vector<std::string> writtenExtras; // keys beyond the 35, in file order
        std::function<void(const AppSettings&)> check;
    };
    const std::vector<Row> rows = {
        {"",
         [](AppSettings&) {},
         {},
         [](const AppSettings& s) {
             EXPECT_EQ(s.extra.AUTO_TZ, 0);
             EXPECT_EQ(s.extra.ZONE, "");
             EXPECT_EQ(s.extra.present, 0u);
         }},
        {"AUTO_TZ=1\nZONE=Europe/London\n",
         [](AppSettings&) {},
         {"AUTO_TZ", "ZONE"},
         [](const AppSettings& s) {
             EXPECT_EQ(s.extra.AUTO_TZ, 1);
             EXPECT_EQ(s.extra.ZONE, "Europe/London");
         }},
        {"ZONE=\nHIGH_LAT=0\n", [](AppSettings&) {}, {"ZONE", "HIGH_LAT"}, [](const AppSettings&) {}},
        {"",
         [](AppSettings& s) {
             s.extra.HIGH_LAT = 2;
             s.extra.REMIND = 10;
         },
         {"HIGH_LAT", "REMIND"},
         [](const AppSettings&) {}},
        {"SOUND_ASE=",
         [&](AppSettings& s) { s.extra.SOUND[0] = longPath; },
         {"SOUND_ASE", "SOUND_FAJ"},
         [](const AppSettings& s) { EXPECT_EQ(s.extra.SOUND[2], ""); }},
        {"HIJRI_ADJ=-1\n",
         [](AppSettings&) {},
         {"HIJRI_ADJ"},
         [](const AppSettings& s) { EXPECT_EQ(s.extra.HIJRI_ADJ, -1); }},
        // Without ALERT_NOTIFY the session decides; a file that has it keeps it, off too.
        {"",
         [](AppSettings& s) { s.extra.TRAY_LABEL = 2; },
         {"TRAY_LABEL"},
         [](const AppSettings& s) { EXPECT_EQ(s.extra.ALERT_NOTIFY, -1); }},
        {"ALERT_NOTIFY=0\nTRAY_LABEL=0\n",
         [](AppSettings&) {},
         {"ALERT_NOTIFY", "TRAY_LABEL"},
         [](const AppSettings& s) { EXPECT_EQ(s.extra.ALERT_NOTIFY, 0); }},
        {"", [](AppSettings& s) { s.extra.ALERT_NOTIFY = 0; }, {"ALERT_NOTIFY"}, [](const AppSettings&) {}},
        // A first start's unchosen place is told until the user chooses; then the key says so.
        {"", [](AppSettings& s) { s.extra.PLACE_NOT_CHOSEN = 1; }, {"PLACE_NOT_CHOSEN"}, [](const AppSettings&) {}},
        {"PLACE_NOT_CHOSEN=1\n",
         [](AppSettings& s) { s.extra.PLACE_NOT_CHOSEN = 0; },
         {"PLACE_NOT_CHOSEN"},
         [](const AppSettings& s) { EXPECT_EQ(s.extra.PLACE_NOT_CHOSEN, 1); }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.lines);
        Write(std::string("[SETUP]\n") + row.lines);
        FakeControls controls;
        AppSettings s;
        LoadAllSettings(profile, controls, s);
        row.check(s);
        row.change(s);
        ASSERT_TRUE(SaveAllSettings(profile, controls, s));
        std::vector<std::string> base, extras;
        for (const std::string& key : KeysInOrder(Read()))
            (std::find(std::begin(kSaveOrder), std::end(kSaveOrder), key) != std::end(kSaveOrder) ? base : extras)
                .push_back(key);
        EXPECT_EQ(base, std::vector<std::string>(std::begin(kSaveOrder), std::end(kSaveOrder)));
        EXPECT_EQ(extras, row.writtenExtras);
        AppSettings again;
        LoadAllSettings(profile, controls, again);
        EXPECT_EQ(again.extra.HIGH_LAT, s.extra.HIGH_LAT);
        EXPECT_EQ(again.extra.SOUND, s.extra.SOUND); // a long path is not cut like the 50-character keys
    }
}
