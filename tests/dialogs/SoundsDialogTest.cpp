// The Sounds dialog as the user meets it: the files and reminder from the settings, the chooser,
// the play button and OK.
#include "DialogTestEnv.h"

#include "dialogs/Dialogs.h"
#include "dialogs/SettingsDialogs.h"
#include "platform/DialogOps.h"
#include "platform/DialogWindow.h"
#include "platform/FileChooser.h"
#include "platform/MessageBox.h"
#include "platform/os/Sound.h"
#include "tests/platform/WaveFile.h"

#include <QApplication>
#include <QTest>

#include <QTemporaryDir>

#include <filesystem>
#include <fstream>
#include <mutex>
#include <thread>
#include <unistd.h>

using namespace nuro;
using namespace nuro::test;

namespace {

constexpr int kFirstFile = 211, kFirstBrowse = 221, kFirstPlay = 231, kRemind = 241, kOk = 255;

class RecordingBackend : public SoundBackend {
public:
    // A file whose name says "bad" does not decode.
    SoundResult Probe(const std::string& path) override
    {
        return path.find("bad") == std::string::npos ? SoundResult::Played : SoundResult::Failed;
    }
    std::string FailureReason() const override { return "Unrecognized audio format"; }
    SoundResult PlayFile(const std::string& path) override
    {
        std::lock_guard<std::mutex> guard(lock);
        played.push_back(path);
        return SoundResult::Played;
    }
    SoundResult PlayDefault() override { return SoundResult::Played; }
    std::mutex lock;
    std::vector<std::string> played;
};

class SoundsDialogTest : public DialogTest {
protected:
    void TearDown() override
    {
        SetFileChooser({});
        SetSoundBackend(nullptr);
        DialogTest::TearDown();
    }
    static std::string Text(QWidget* dlg, int id) { return GetDlgItemText(dlg, id, 4096); }
};

TEST_F(SoundsDialogTest, FilesAndReminderShowFromTheSettingsAndOkKeepsWhatWasChosen)
{
    EditSettings([](AppSettings& s) {
        s.extra.SOUND = {"/adhan/fajer.mp3", "", "", "", "chime.ogg"};
        s.extra.REMIND = 10;
    });
    OpenSoundsDialog();
    QWidget* dlg = SoundsDialogWindow();
    ASSERT_NE(dlg, nullptr);
    const char* shown[] = {"/adhan/fajer.mp3", "", "", "", "chime.ogg"};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(Text(dlg, kFirstFile + i), shown[i]) << i;
    EXPECT_EQ(Text(dlg, kRemind), "10");

    // The chooser opens at the current file; a cancelled chooser leaves the field alone.
    RecordingBackend backend;
    SetSoundBackend(&backend);
    const std::string aser = (std::filesystem::path(::testing::TempDir()) / "nuro-sounds-aser.wav").string();
    WriteWav(aser, 0.1);
    std::string openedAt;
    SetFileChooser([&](const std::string& start) {
        openedAt = start;
        return aser;
    });
    Command(dlg, kFirstBrowse + 2);
    EXPECT_EQ(Text(dlg, kFirstFile + 2), aser);
    SetFileChooser([&](const std::string& start) {
        openedAt = start;
        return std::string();
    });
    Command(dlg, kFirstBrowse);
    EXPECT_EQ(openedAt, "/adhan/fajer.mp3");
    EXPECT_EQ(Text(dlg, kFirstFile), "/adhan/fajer.mp3");
    SetDlgItemText(dlg, kFirstFile + 4, ""); // back to um.wav
    SetDlgItemText(dlg, kRemind, "1500"); // beyond the range: held to 999

    Command(dlg, kOk);
    EXPECT_FALSE(IsWindowVisible(dlg));
    const AppSettings s = SnapshotSettings();
    EXPECT_EQ(s.extra.SOUND, (std::array<std::string, 5>{"/adhan/fajer.mp3", "", aser, "", ""}))
        << "a file chosen before is not checked again: it falls back to the chime when it is gone";
    EXPECT_EQ(s.extra.REMIND, 999);
    std::filesystem::remove(aser);
}

// Each file chosen is checked on OK: one that fails is named with its prayer and why, and not kept;
// the others are, and the dialog stays open until OK finds nothing to say.
TEST_F(SoundsDialogTest, ChosenFilesAreCheckedOnOkAndOnlyThoseThatPlayAreKept)
{
    RecordingBackend backend;
    SetSoundBackend(&backend);
    namespace fs = std::filesystem;
    const fs::path dir = fs::path(::testing::TempDir()) / ("nuro-sounds-check-" + std::to_string(getpid()));
    fs::create_directories(dir / "folder.wav");
    WriteWav(dir / "good.wav", 0.1);
    {
        std::ofstream(dir / "bad.mp3") << "26";
    }
    WriteWav(dir / "bad-inside.wav", 0.1); // a sound header the decoder still refuses
    WriteWav(dir / "locked.wav", 0.1);
    fs::permissions(dir / "locked.wav", fs::perms::none);
    const bool canLock = !std::ifstream(dir / "locked.wav").good(); // root reads it all the same
    struct Row {
        std::string chosen;
        std::string says; // "" when it is kept
    };
    const Row rows[] = {
        {(dir / "good.wav").string(), ""},
        {"26", "Dhohur sound, 26: no such file"},
        {(dir / "folder.wav").string(), "Aser sound, " + (dir / "folder.wav").string() + ": not a file"},
        {(dir / "bad-inside.wav").string(),
         "Maghereb sound, " + (dir / "bad-inside.wav").string() + ": it cannot be decoded (Unrecognized audio format)"},
        {(dir / "locked.wav").string(),
         canLock ? "Isha sound, " + (dir / "locked.wav").string() + ": it cannot be read" : std::string()},
    };
    EditSettings([](AppSettings& s) { s.extra.SOUND = {"", "", "", "old.ogg", ""}; });
    OpenSoundsDialog();
    QWidget* dlg = SoundsDialogWindow();
    for (int i = 0; i < 5; ++i)
        SetDlgItemText(dlg, kFirstFile + i, rows[i].chosen);
    ClearAskedMessages();
    SetNextMessageBoxAnswer(IDOK);
    Command(dlg, kOk);
    const auto asked = LastAskedMessage();
    ASSERT_TRUE(asked.has_value()) << "the user is told";
    EXPECT_EQ(asked->owner, dlg);
    const AppSettings s = SnapshotSettings();
    for (int i = 0; i < 5; ++i) {
        SCOPED_TRACE(rows[i].chosen);
        const bool kept = rows[i].says.empty();
        if (!kept) {
            EXPECT_NE(asked->text.find(rows[i].says), std::string::npos) << asked->text;
        }
        const std::string before = i == 3 ? "old.ogg" : "";
        EXPECT_EQ(s.extra.SOUND[i], kept ? rows[i].chosen : before);
        EXPECT_EQ(Text(dlg, kFirstFile + i), kept ? rows[i].chosen : before) << "the field shows what is kept";
    }
    EXPECT_TRUE(IsWindowVisible(dlg)) << "open, to choose again";
    ClearAskedMessages();
    Command(dlg, kOk);
    EXPECT_FALSE(LastAskedMessage().has_value());
    EXPECT_FALSE(IsWindowVisible(dlg));
    // A file no header check takes never reaches the decoder: its reason is the check's own.
    EXPECT_EQ(CheckChosenSound((dir / "bad.mp3").string()).fault, SoundFileFault::Undecodable);
    fs::permissions(dir / "locked.wav", fs::perms::owner_all);
    fs::remove_all(dir);
}

// No dialog has a Cancel: Escape and the window manager's close request keep what it shows, as OK.
TEST_F(SoundsDialogTest, EscapeAndCloseRequestsActAsOkOnEveryDialog)
{
    struct Row {
        const char* what;
        std::function<QWidget*()> open;
        std::function<void(QWidget*)> edit;
        std::function<bool()> applied;
    };
    const Row rows[] = {
        {"Sounds",
         [] {
             OpenSoundsDialog();
             return SoundsDialogWindow();
         },
         [](QWidget* dlg) { SetDlgItemText(dlg, kRemind, "15"); },
         [] { return SnapshotSettings().extra.REMIND == 15; }},
        {"Expert",
         [] {
             OpenExpertDialog();
             return ExpertDialogWindow();
         },
         [](QWidget* dlg) { SetDlgItemText(dlg, 115, "17"); },
         [] { return SnapshotSettings().corrections[kAngleFaj] == 17; }},
        {"Summer Time",
         [] {
             OpenSummerTimeDialog();
             return SummerTimeDialogWindow();
         },
         [](QWidget* dlg) { Click(dlg, 111); }, [] { return SnapshotSettings().SUMMER == 1; }},
        {"Config",
         [] {
             OpenConfigDialog();
             return ConfigDialogWindow();
         },
         [](QWidget*) {}, [] { return true; }},
    };
    for (const bool escape : {true, false}) {
        for (const Row& row : rows) {
            SCOPED_TRACE(std::string(row.what) + (escape ? ", Escape" : ", close request"));
            EditSettings([](AppSettings& s) {
                s.extra.REMIND = 0;
                s.corrections[kAngleFaj] = 18;
                s.SUMMER = 0;
            });
            ResetSettingsDialogs();
            QWidget* dlg = row.open();
            ASSERT_NE(dlg, nullptr);
            ASSERT_TRUE(WaitFor([dlg] { return dlg->isVisible(); }, 5));
            row.edit(dlg);
            if (escape)
                QTest::keyClick(dlg, Qt::Key_Escape);
            else
                dlg->close();
            EXPECT_TRUE(WaitFor([dlg] { return !dlg->isVisible(); }, 5));
            EXPECT_TRUE(row.applied());
        }
    }
}

TEST_F(SoundsDialogTest, PlayTriesTheFieldsFileWithoutHoldingTheDialog)
{
    RecordingBackend backend;
    SetSoundBackend(&backend);
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string file = (dir.path() + "/chime.wav").toStdString();
    {
        std::ofstream(file) << "RIFF";
    }
    OpenSoundsDialog();
    QWidget* dlg = SoundsDialogWindow();
    SetDlgItemText(dlg, kFirstFile + 1, file);
    Command(dlg, kFirstPlay + 1);
    EXPECT_TRUE(WaitFor([&] {
        std::lock_guard<std::mutex> guard(backend.lock);
        return !backend.played.empty();
    }));
    EXPECT_TRUE(WaitFor([] { return !SoundPlaying(); }));
    std::lock_guard<std::mutex> guard(backend.lock);
    EXPECT_EQ(backend.played, std::vector<std::string>{file});
}

} // namespace
