// The main window on the offscreen platform: offset, sound picture, layouts, label pictures, the menu
// commands, the colour rule, the set-up order and the menu's Exit with its save.
#include "ShellFixture.h"

#include "core/NumberText.h"
#include "platform/MessageBox.h"
#include "schedule/AlarmMonitor.h"
#include "shell/MainWindowRules.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTest>

#include <filesystem>
#include <functional>
#include <thread>

using namespace nuro;
using namespace nuro::test;

namespace {

class MainDialogTest : public MainWindowFixture {
protected:
    void SetUp() override { NoticeOffset = 4242; }
    QLineEdit* OffsetBox() const { return qobject_cast<QLineEdit*>(Item(kIdOffsetBox)); }
    void Click(int id) { QTest::mouseClick(Item(id), Qt::LeftButton); }
    void Type(const std::string& text)
    {
        OffsetBox()->selectAll();
        QTest::keyClick(OffsetBox(), Qt::Key_Delete);
        QTest::keyClicks(OffsetBox(), QString::fromStdString(text));
    }
    bool Visible(int id) const { return IsDlgItemVisible(Dlg(), id); }
};

} // namespace

TEST_F(MainDialogTest, OffsetFollowsTheBoxAndTheSignRadios)
{
    Open(Ini("Radio_inc=0\nINC_DEC=\n"));
    struct Step {
        const char* action; // "type:<text>", "after", "before"
        std::int32_t expected;
    };
    const Step steps[] = {
        {"type:15", -15}, {"after", 15},     {"before", -15},  {"type:", 0},        {"after", 0},
        {"type:7", 7},    {"type:999", 999}, {"before", -999}, {"type:1234", -123},
    };
    for (const Step& s : steps) {
        std::string a = s.action;
        if (a.rfind("type:", 0) == 0)
            Type(a.substr(5));
        else
            Click(a == "after" ? kIdAfterRadio : kIdBeforeRadio);
        EXPECT_EQ(NoticeOffset.load(), s.expected) << "after " << a;
    }
}

TEST_F(MainDialogTest, LoadedOffsetKeepsFourDigitsInTheBoxButCountsAndSavesThree)
{
    struct Row {
        const char* radio;
        std::int32_t expected;
    };
    const Row rows[] = {{"1", 123}, {"0", -123}};
    for (const Row& r : rows) {
        Open(Ini(std::string("Radio_inc=") + r.radio + "\nINC_DEC=1234\n"));
        EXPECT_EQ(OffsetBox()->text(), "1234");
        EXPECT_EQ(NoticeOffset.load(), r.expected) << "Radio_inc " << r.radio;
        dial->ExitProgram();
        EXPECT_EQ(files.Keys()["INC_DEC"], "123");
        EXPECT_EQ(files.Keys()["Radio_inc"], r.radio);
        frame.reset();
    }
}

// The box shows the digits that count: all three of the widest offset, and of a longer text its
// first three (the ones in effect), not its end.
TEST_F(MainDialogTest, OffsetBoxShowsTheDigitsInEffect)
{
    struct Row {
        const char* stored;
        const char* inEffect;
    };
    const Row rows[] = {{"999", "999"}, {"1234", "123"}, {"5", "5"}, {"88888", "888"}};
    for (const Row& r : rows) {
        Open(Ini(std::string("Radio_inc=1\nINC_DEC=") + r.stored + "\n"));
        QLineEdit* box = OffsetBox();
        // The box's room for text, as its own painting computes it, holds the digits in effect...
        QStyleOptionFrame opt;
        opt.initFrom(box);
        opt.rect = box->contentsRect();
        opt.lineWidth = box->hasFrame() ? box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &opt, box) : 0;
        const QRect contents = box->style()->subElementRect(QStyle::SE_LineEditContents, &opt, box);
        const int room = contents.width() - box->textMargins().left() - box->textMargins().right() - 2 * 2;
        EXPECT_LE(box->fontMetrics().horizontalAdvance(QString::fromUtf8(r.inEffect)), room) << r.stored;
        // ...and the view starts at the first of them, not at the end of a longer text.
        EXPECT_EQ(box->cursorPosition(), 0) << r.stored;
        EXPECT_EQ(NoticeOffset.load(), ParseInt(r.inEffect)) << r.stored;
        frame.reset();
    }
}

TEST_F(MainDialogTest, SoundPictureFollowsTheSoundBox)
{
    struct Row {
        const char* sound;
        bool shownAfterLoad;
    };
    const Row rows[] = {{"0", false}, {"1", true}, {"", false}};
    for (const Row& r : rows) {
        Open(Ini(std::string("Sound=") + r.sound + "\n"));
        EXPECT_EQ(Visible(kIdSoundOn), r.shownAfterLoad) << "Sound=" << r.sound;
        EXPECT_TRUE(Visible(kIdSoundOff)) << "706 is never shown or hidden";
        bool on = r.shownAfterLoad;
        for (int click = 0; click < 3; ++click) {
            Click(kIdSoundBox);
            on = !on;
            EXPECT_EQ(Visible(kIdSoundOn), on) << "Sound=" << r.sound << " click " << click;
            EXPECT_EQ(dial->SoundOn(), on);
        }
        frame.reset();
    }
}

TEST_F(MainDialogTest, LayoutsShowOneLabelSetAndAlwaysTheAlarmClock)
{
    const std::vector<int> arabic(kArabicLabels.begin(), kArabicLabels.end());
    const std::vector<int> english(kEnglishLabels.begin(), kEnglishLabels.end());
    struct Row {
        const char* lang; // loaded
        std::vector<int> commands; // then chosen from the Lang menu
        bool english;
        const char* saved;
    };
    const Row rows[] = {
        {"ARABIC", {}, false, "ARABIC"},
        {"ENGLISH", {}, true, "ENGLISH"},
        {"English", {}, false, "ARABIC"}, // only the exact text counts
        {"ARABIC", {kCmdEnglish}, true, "ENGLISH"},
        {"ARABIC", {kCmdEnglish, kCmdArabic}, false, "ARABIC"},
        {"ENGLISH", {kCmdArabic, kCmdArabic}, false, "ARABIC"},
    };
    for (const Row& r : rows) {
        Open(Ini(std::string("LANG=") + r.lang + "\n"));
        for (int cmd : r.commands)
            frame->DispatchCommand(cmd, BN_CLICKED);
        for (int id : arabic)
            EXPECT_EQ(Visible(id), !r.english) << r.lang << " id " << id;
        for (int id : english)
            EXPECT_EQ(Visible(id), r.english) << r.lang << " id " << id;
        EXPECT_TRUE(Visible(kIdAlarmClock)) << r.lang;
        EXPECT_TRUE(frame->Window()->isVisible()) << "11842 here is a language, not Exit";
        dial->ExitProgram();
        EXPECT_EQ(files.Keys()["LANG"], r.saved) << r.lang;
        frame.reset();
    }
}

TEST_F(MainDialogTest, LabelPicturesDoNothing)
{
    Open(Ini("Radio_inc=1\nINC_DEC=5\nSound=1\nLANG=ARABIC\n"));
    std::vector<int> labels(kArabicLabels.begin(), kArabicLabels.end());
    labels.push_back(kIdAlarmClock);
    auto before = rec.log;
    for (int id : labels) {
        Click(id);
        EXPECT_EQ(NoticeOffset.load(), 5) << id;
        EXPECT_TRUE(Visible(kIdSoundOn)) << id;
        EXPECT_TRUE(Visible(id)) << id;
        EXPECT_TRUE(frame->Window()->isVisible()) << id;
    }
    dial->SetEnglishLayout();
    for (int id : kEnglishLabels) {
        Click(id);
        EXPECT_EQ(NoticeOffset.load(), 5) << id;
        EXPECT_TRUE(Visible(id)) << id;
    }
    EXPECT_EQ(rec.log, before);
}

TEST_F(MainDialogTest, MenuAndFaceCommandsReachTheirHandlers)
{
    struct Row {
        int command;
        std::string recorded;
    };
    const Row rows[] = {
        {kCmdConfig, "config"}, {kCmdExpert, "expert"},  {kCmdSummerTime, "summer time"},
        {kIdAbout, "about"},    {kIdOk, "hide to tray"}, {kCmdExit, "end 1"},
    };
    for (const Row& r : rows) {
        Open(Ini(""));
        rec.log.clear();
        EXPECT_TRUE(frame->DispatchCommand(r.command, BN_CLICKED)) << r.command;
        EXPECT_EQ(rec.log.back(), r.recorded) << r.command;
        if (r.command == kIdAbout) {
            EXPECT_EQ(aboutOwner, Dlg());
        }
        frame.reset();
    }
    Open(Ini(""));
    for (int unanswered : {40006, 40003, 40005, 11, 8000, 17})
        EXPECT_FALSE(frame->DispatchCommand(unanswered, BN_CLICKED)) << unanswered;
}

TEST_F(MainDialogTest, FaceButtonsSendTheirCommandsWhenClicked)
{
    Open(Ini(""));
    rec.log.clear();
    Click(kIdAbout);
    Click(kIdOk);
    EXPECT_EQ(rec.log, (std::vector<std::string>{"about", "hide to tray"}));
    EXPECT_FALSE(frame->Window()->isVisible()) << "a later HideToTray hides the frame";
}

TEST_F(MainDialogTest, MenuExitSavesAll35KeysKeepsThePlaceListAndEndsWithOne)
{
    Open(Ini("t1=Tunis*Sfax*\nSound=1\nRadio_inc=1\nINC_DEC=12\nCOUNTRY=Sfax\nLANG=ENGLISH\nD1=10\n"));
    frame->DispatchCommand(kIdSoundBox, BN_CLICKED); // no change of state: only the command
    Click(kIdSoundBox);
    frame->DispatchCommand(kCmdExit, BN_CLICKED);
    EXPECT_EQ(rec.log.back(), "end 1");
    auto keys = files.Keys();
    EXPECT_EQ(keys.size(), 36u); // 35 and t1
    EXPECT_EQ(keys["t1"], "Tunis*Sfax*");
    EXPECT_EQ(keys["Sound"], "0");
    EXPECT_EQ(keys["Radio_inc"], "1");
    EXPECT_EQ(keys["INC_DEC"], "12");
    EXPECT_EQ(keys["COUNTRY"], "Sfax");
    EXPECT_EQ(keys["LANG"], "ENGLISH");
    EXPECT_EQ(keys["D1"], "10");
    // A second way out while the first is under way changes nothing.
    dial->ExitProgram();
    EXPECT_EQ(rec.Count("end 1"), 1);
}

TEST_F(MainDialogTest, OnlyACloseRequestOrExitEndsTheProgramAndBothSave)
{
    struct Row {
        const char* way;
        std::function<void()> act;
        bool ends;
    };
    const Row rows[] = {
        {"close request", [this] { frame->Window()->close(); }, true},
        {"menu Exit", [this] { frame->DispatchCommand(kCmdExit, BN_CLICKED); }, true},
        {"Escape in the offset box", [this] { QTest::keyClick(OffsetBox(), Qt::Key_Escape); }, false},
        {"Arabic command", [this] { frame->DispatchCommand(kCmdArabic, BN_CLICKED); }, false},
    };
    for (const Row& r : rows) {
        Open(Ini("t1=Tunis*\nINC_DEC=9\n"));
        rec.log.clear();
        r.act();
        EXPECT_EQ(rec.Count("end 1"), r.ends ? 1 : 0) << r.way;
        EXPECT_EQ(files.Keys().size(), r.ends ? 36u : 2u) << r.way;
        if (!r.ends) {
            EXPECT_TRUE(frame->Window()->isVisible()) << r.way;
        }
        frame.reset();
    }
}

TEST_F(MainDialogTest, SetUpLoadsThenShowsThenTakesTheTrayStep)
{
    struct Row {
        bool atLogon, tray;
        bool visible, minimized;
    };
    const Row rows[] = {
        {false, true, true, false},
        {true, true, false, false},
        {false, false, true, false},
        {true, false, true, true}, // no tray: a hidden window could never come back
    };
    for (const Row& r : rows) {
        Open(Ini("Sound=0\n"), r.atLogon, r.tray);
        EXPECT_EQ(rec.log, (std::vector<std::string>{"load library", "hide to tray"}));
        EXPECT_EQ(frame->Window()->isVisible(), r.visible) << r.atLogon << r.tray;
        EXPECT_EQ(frame->Window()->isMinimized(), r.minimized) << r.atLogon << r.tray;
        EXPECT_EQ(dial->MainFrame(), frame->Window());
        EXPECT_FALSE(Visible(kIdSoundOn)) << "settings were loaded before the tray step";
        rec.log.clear();
        frame.reset();
    }
}

TEST_F(MainDialogTest, ColourRule)
{
    Open(Ini(""));
    EXPECT_EQ(Dlg()->palette().color(QPalette::Window), QColor(kMainRed, kMainGreen, kMainBlue));
    EXPECT_TRUE(Dlg()->autoFillBackground());
    for (int id : {400, 101, 102, 11, 8000, 705})
        EXPECT_FALSE(Item(id)->autoFillBackground()) << id << ": pictures let the background through";
    const QColor plain = QApplication::palette().color(QPalette::Window);
    for (int id : {32, 111, 112, 113, 103, 104})
        EXPECT_EQ(Item(id)->palette().color(QPalette::Window), plain) << id;
    EXPECT_EQ(Item(103)->palette().color(QPalette::Base), plain);
    EXPECT_EQ(Item(kIdOffsetBox)->palette().color(QPalette::Base), QApplication::palette().color(QPalette::Base));
}

TEST_F(MainDialogTest, TimeBoxesTakeTextsFromAnyThread)
{
    Open(Ini(""));
    std::thread worker([this] {
        for (std::size_t i = 0; i < kTimeBoxIds.size(); ++i) {
            std::string text(1, '0'); // built by appending: GCC 12 at -O3 misreads "0" + a temporary
            text.append(std::to_string(i)).append(":00:00");
            dial->SetTimeText(i, text);
        }
    });
    worker.join();
    EXPECT_TRUE(WaitFor([this] { return GetDlgItemText(Dlg(), 108, 16) == "05:00:00"; }));
    EXPECT_EQ(GetDlgItemText(Dlg(), 107, 16), "03:00:00");
    EXPECT_EQ(GetDlgItemText(Dlg(), 106, 16), "04:00:00");
}

// A save that fails (here: a read-only settings file, which is kept as it is) is never passed over in
// silence: after the menu's Exit a message box tells it at once; after any other way out (a close
// request, as log-out sends) nobody may be there, so the next start tells it.
TEST_F(MainDialogTest, AFailedSaveIsToldAtOnceAfterTheMenusExitOrAtTheNextStart)
{
    struct Row {
        const char* way;
        std::function<void()> act;
        bool toldAtOnce;
    };
    const Row rows[] = {
        {"menu Exit", [this] { frame->DispatchCommand(kCmdExit, BN_CLICKED); }, true},
        {"close request", [this] { frame->Window()->close(); }, false},
    };
    const std::string note = files.Path() + ".not-saved";
    for (const Row& r : rows) {
        SCOPED_TRACE(r.way);
        Open(Ini("INC_DEC=9\n"));
        std::filesystem::permissions(files.Path(), std::filesystem::perms::owner_read |
                                                       std::filesystem::perms::group_read |
                                                       std::filesystem::perms::others_read);
        ClearAskedMessages();
        SetNextMessageBoxAnswer(IDOK);
        r.act();
        EXPECT_EQ(rec.Count("end 1"), 1);
        EXPECT_EQ(files.Read(), Ini("INC_DEC=9\n")) << "the read-only file is kept";
        const auto asked = LastAskedMessage();
        ASSERT_EQ(asked.has_value(), r.toldAtOnce);
        if (asked) {
            EXPECT_NE(asked->text.find("could not be saved"), std::string::npos) << asked->text;
            EXPECT_NE(asked->text.find("read-only"), std::string::npos) << asked->text;
        }
        EXPECT_EQ(std::filesystem::exists(note), !r.toldAtOnce);
        frame.reset();
        rec.log.clear();

        // The next start.
        std::filesystem::permissions(files.Path(), std::filesystem::perms::owner_write,
                                     std::filesystem::perm_options::add);
        ClearAskedMessages();
        SetNextMessageBoxAnswer(IDOK);
        Open(Ini("INC_DEC=9\n"));
        QApplication::processEvents();
        const auto later = LastAskedMessage();
        ASSERT_EQ(later.has_value(), !r.toldAtOnce);
        if (later) {
            EXPECT_NE(later->text.find("when NURO last ended"), std::string::npos) << later->text;
            EXPECT_NE(later->text.find("read-only"), std::string::npos) << later->text;
        }
        EXPECT_FALSE(std::filesystem::exists(note)) << "told once";
        frame.reset();
        ClearAskedMessages();
    }
}
