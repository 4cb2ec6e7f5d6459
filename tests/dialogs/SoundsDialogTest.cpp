// The Sounds dialog as the user meets it: the files and reminder from the settings, the chooser,
// the play button and OK.
#include "DialogTestEnv.h"

#include "dialogs/Dialogs.h"
#include "dialogs/SettingsDialogs.h"
#include "platform/DialogOps.h"
#include "platform/FileChooser.h"
#include "platform/Sound.h"

#include <QTemporaryDir>

#include <filesystem>
#include <fstream>
#include <mutex>

using namespace nuro;
using namespace nuro::test;

namespace {

constexpr int kFirstFile = 211, kFirstBrowse = 221, kFirstPlay = 231, kRemind = 241, kOk = 255;

class RecordingBackend : public SoundBackend {
public:
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
    std::string openedAt;
    SetFileChooser([&](const std::string& start) {
        openedAt = start;
        return std::string("/adhan/aser.ogg");
    });
    Command(dlg, kFirstBrowse + 2);
    EXPECT_EQ(Text(dlg, kFirstFile + 2), "/adhan/aser.ogg");
    SetFileChooser([&](const std::string& start) {
        openedAt = start;
        return std::string();
    });
    Command(dlg, kFirstBrowse);
    EXPECT_EQ(openedAt, "/adhan/fajer.mp3");
    EXPECT_EQ(Text(dlg, kFirstFile), "/adhan/fajer.mp3");
    SetDlgItemText(dlg, kFirstFile + 4, ""); // back to um.wav
    SetDlgItemText(dlg, kRemind, "1500");    // beyond the range: held to 999

    Command(dlg, kOk);
    EXPECT_FALSE(IsWindowVisible(dlg));
    const AppSettings s = SnapshotSettings();
    EXPECT_EQ(s.extra.SOUND, (std::array<std::string, 5>{"/adhan/fajer.mp3", "", "/adhan/aser.ogg", "", ""}));
    EXPECT_EQ(s.extra.REMIND, 999);
}

TEST_F(SoundsDialogTest, PlayTriesTheFieldsFileWithoutHoldingTheDialog)
{
    RecordingBackend backend;
    SetSoundBackend(&backend);
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string file = (dir.path() + "/chime.wav").toStdString();
    { std::ofstream(file) << "RIFF"; }
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
