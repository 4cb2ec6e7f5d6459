// The shell's rules that need no window: the start decision, the offset, the layouts, the exit order,
// the tray's mouse and command rules, and template 13 as data.
#include "resources/templates/ShellTemplates.h"
#include "shell/ExitSequence.h"
#include "shell/MainWindowRules.h"
#include "shell/StartupRules.h"
#include "shell/TrayRules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <sstream>
#include <string>
#include <vector>

using namespace nuro;

TEST(StartRule, OnlyAnExactFirstArgumentSMarksALogonStart)
{
    struct Row {
        std::vector<const char*> args;
        int startup;
        StartMode expected;
    };
    const Row rows[] = {
        {{"nuro"}, 0, StartMode::Normal},
        {{"nuro"}, 1, StartMode::Normal}, // no argument: whatever STARTUP holds
        {{"nuro", "S"}, 0, StartMode::AtLogon},
        {{"nuro", "S"}, 1, StartMode::Refused},
        {{"nuro", "S"}, -7, StartMode::Refused}, // any non-zero value refuses
        {{"nuro", "s"}, 1, StartMode::Normal}, // case-sensitive
        {{"nuro", "S "}, 1, StartMode::Normal},
        {{"nuro", "SS"}, 1, StartMode::Normal},
        {{"nuro", ""}, 1, StartMode::Normal},
        {{"nuro", "x", "S"}, 1, StartMode::Normal}, // only the first argument counts
        {{"nuro", "S", "x"}, 1, StartMode::Refused},
    };
    for (const Row& r : rows) {
        std::vector<const char*> argv = r.args;
        argv.push_back(nullptr);
        EXPECT_EQ(DecideStart(static_cast<int>(r.args.size()), argv.data(), r.startup), r.expected)
            << "args " << r.args.size() << " startup " << r.startup;
    }
}

TEST(StartRule, SecondInstanceShowsTheFirstOnlyOnANormalStart)
{
    EXPECT_STREQ(InstanceRequest(StartMode::Normal), kInstanceShow);
    EXPECT_STREQ(InstanceRequest(StartMode::AtLogon), kInstanceQuiet);
    EXPECT_STRNE(kInstanceShow, kInstanceQuiet);
}

TEST(NoticeOffsetRule, BoxTextAndRadiosGiveTheOffset)
{
    struct Row {
        const char* text;
        bool after, before;
        std::optional<std::int32_t> expected;
    };
    const Row rows[] = {
        {"", true, false, 0}, // cleared box: 0 whatever the sign
        {"", false, true, 0},
        {"", false, false, 0},
        {"15", false, true, -15},
        {"15", true, false, 15},
        {"1234", true, false, 123}, // only three characters are read
        {"1234", false, true, -123},
        {"999", false, true, -999},
        {"007", true, false, 7},
        {"0", false, true, 0},
        {"15", false, false, std::nullopt}, // neither radio on: unchanged
    };
    for (const Row& r : rows)
        EXPECT_EQ(NoticeOffsetFor(r.text, r.after, r.before), r.expected)
            << '"' << r.text << "\" after " << r.after << " before " << r.before;
}

TEST(LayoutRule, EachSwitchHidesTheOtherSetThenShowsItsOwnInOrder)
{
    const std::vector<int> arabicShown = {11, 12, 13, 14, 15, 19, 20, 18, 16};
    const std::vector<int> englishShown = {8000, 8001, 8002, 8003, 8004, 8005, 8006, 8007, 8008};
    struct Row {
        bool english;
        std::vector<int> hidden, shown;
    };
    const Row rows[] = {{false, englishShown, arabicShown}, {true, arabicShown, englishShown}};
    for (const Row& r : rows) {
        auto steps = LayoutSteps(r.english);
        std::vector<int> hidden, shown;
        bool showing = false;
        for (const LayoutStep& s : steps) {
            EXPECT_NE(s.id, kIdAlarmClock) << "picture 17 is never touched";
            if (s.show)
                showing = true;
            else
                EXPECT_FALSE(showing) << "a hide after a show, id " << s.id;
            (s.show ? shown : hidden).push_back(s.id);
        }
        EXPECT_EQ(hidden, r.hidden) << "english " << r.english;
        EXPECT_EQ(shown, r.shown) << "english " << r.english;
    }
}

namespace {

class RecordingExit : public ExitSteps {
public:
    bool SaveSettings(std::string& error) override
    {
        log.push_back("save");
        if (!saveOk)
            error = reason;
        return saveOk;
    }
    void TellUnsaved(const std::string& why, ExitOrigin origin) override
    {
        log.push_back(std::string(origin == ExitOrigin::Menu ? "tell now: " : "tell next start: ") + why);
    }
    void StopMonitor() override { log.push_back("stop"); }
    void UnloadLibrary() override { log.push_back("unload"); }
    void RemoveSkin() override { log.push_back("skin"); }
    void EndProcess(int code) override { log.push_back("end " + std::to_string(code)); }
    bool saveOk = true;
    std::string reason;
    std::vector<std::string> log;
};

} // namespace

TEST(ExitRule, SavesStopsUnloadsRemovesSkinAndEndsWithOne)
{
    struct Row {
        bool saveOk;
        std::string reason;
        ExitOrigin origin;
        std::string expectedErr;
        std::string told; // "" when nothing is told
    };
    const std::string denied = "cannot replace /x/nuro.ini: Permission denied";
    const Row rows[] = {
        {true, "", ExitOrigin::Menu, "", ""},
        {true, "", ExitOrigin::Unattended, "", ""},
        {false, denied, ExitOrigin::Unattended, "nuro: settings not saved: " + denied + "\n",
         "tell next start: " + denied},
        {false, denied, ExitOrigin::Menu, "nuro: settings not saved: " + denied + "\n", "tell now: " + denied},
        {false, "", ExitOrigin::Menu, "nuro: settings not saved: unknown error\n", "tell now: unknown error"},
    };
    for (const Row& r : rows) {
        RecordingExit steps;
        steps.saveOk = r.saveOk;
        steps.reason = r.reason;
        std::ostringstream err;
        ExitSequence exit;
        exit.Run(steps, err, r.origin);
        // A failed save is reported, told to the user before the program ends, and the way out goes on.
        std::vector<std::string> expected{"save", "stop", "unload", "skin", "end 1"};
        if (!r.told.empty())
            expected.insert(expected.begin() + 1, r.told);
        EXPECT_EQ(steps.log, expected);
        const std::string text = err.str();
        EXPECT_EQ(text, r.expectedErr);
        EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), r.saveOk ? 0 : 1);
    }
}

TEST(ExitRule, ASecondRequestDuringTheFirstDoesNothing)
{
    RecordingExit steps;
    std::ostringstream err;
    ExitSequence exit;
    exit.Run(steps, err);
    exit.Run(steps, err);
    EXPECT_EQ(std::count(steps.log.begin(), steps.log.end(), "save"), 1);
    EXPECT_EQ(std::count(steps.log.begin(), steps.log.end(), "end 1"), 1);
}

TEST(TrayMouseRule, OnlyDoubleClickAndRightReleaseActAndNothingWhileBusy)
{
    struct Row {
        TrayMouse event;
        bool busy;
        TrayReaction expected;
    };
    const Row rows[] = {
        {TrayMouse::LeftDoubleClick, false, TrayReaction::Show},
        {TrayMouse::RightRelease, false, TrayReaction::OpenMenu},
        {TrayMouse::LeftClick, false, TrayReaction::Ignore},
        {TrayMouse::MiddleClick, false, TrayReaction::Ignore},
        {TrayMouse::Other, false, TrayReaction::Ignore},
        {TrayMouse::LeftDoubleClick, true, TrayReaction::Ignore},
        {TrayMouse::RightRelease, true, TrayReaction::Ignore},
        {TrayMouse::LeftClick, true, TrayReaction::Ignore},
    };
    for (const Row& r : rows)
        EXPECT_EQ(ReactToTrayMouse(r.event, r.busy), r.expected) << static_cast<int>(r.event) << " busy " << r.busy;
}

TEST(TrayMouseRule, StatusNotifierActivateShowsOrOpensTheMenuWhereTheHostHasNone)
{
    struct Row {
        TrayMouse event;
        TrayState state;
        TrayReaction expected;
    };
    const TrayKind sni = TrayKind::StatusNotifier;
    const Row rows[] = {
        {TrayMouse::LeftClick, {false, sni, false}, TrayReaction::Show},
        {TrayMouse::LeftClick, {false, sni, true}, TrayReaction::OpenMenu},
        {TrayMouse::LeftClick, {true, sni, false}, TrayReaction::Ignore},
        {TrayMouse::LeftClick, {true, sni, true}, TrayReaction::Ignore},
        {TrayMouse::RightRelease, {false, sni, true}, TrayReaction::OpenMenu},
        {TrayMouse::RightRelease, {true, sni, true}, TrayReaction::Ignore},
        {TrayMouse::LeftDoubleClick, {false, sni, false}, TrayReaction::Show},
        {TrayMouse::MiddleClick, {false, sni, true}, TrayReaction::Ignore},
        // The XEmbed rule does not change with what a StatusNotifier host lacks.
        {TrayMouse::LeftClick, {false, TrayKind::XEmbed, true}, TrayReaction::Ignore},
        {TrayMouse::LeftDoubleClick, {false, TrayKind::XEmbed, true}, TrayReaction::Show},
    };
    for (const Row& r : rows)
        EXPECT_EQ(ReactToTrayMouse(r.event, r.state), r.expected)
            << static_cast<int>(r.event) << " busy " << r.state.menuBusy << " kind " << static_cast<int>(r.state.kind)
            << " no host menu " << r.state.hostLacksMenu;
}

namespace {

class RecordingTray : public TrayActions {
public:
    void ShowMainFrame() override { log.push_back("show"); }
    void HideMainFrame() override { log.push_back("hide"); }
    void HideTrayHost() override { log.push_back("hide host"); }
    void ShowAboutFromTray() override { log.push_back("about"); }
    void RemoveTrayIcon() override { log.push_back("remove icon"); }
    void ExitProgram() override { log.push_back("exit"); }
    std::vector<std::string> log;
};

} // namespace

TEST(TrayCommandRule, EachCommandDoesItsStepsInOrder)
{
    struct Row {
        int command;
        bool handled;
        std::vector<std::string> steps;
    };
    const Row rows[] = {
        {40006, true, {"show"}},  {40003, true, {"hide", "hide host"}},
        {40005, true, {"about"}}, {11842, true, {"remove icon", "exit"}}, // the icon goes before the process does
        {11843, false, {}}, // the main menu's Exit is not a tray command
        {11845, false, {}},       {101, false, {}},
        {0, false, {}},
    };
    for (const Row& r : rows) {
        RecordingTray tray;
        EXPECT_EQ(DispatchTrayCommand(r.command, tray), r.handled) << r.command;
        EXPECT_EQ(tray.log, r.steps) << r.command;
    }
}

TEST(MainTemplate, EveryControlAtItsPlaceWithItsKind)
{
    struct Row {
        int id;
        ControlKind kind;
        int x, y, cx, cy;
    };
    const Row rows[] = {
        {109, ControlKind::Custom, 88, 88, 35, 12},         {400, ControlKind::PictureStatic, 0, 0, 125, 125},
        {101, ControlKind::PictureButton, 52, 105, 22, 16}, {102, ControlKind::PictureButton, 109, 2, 14, 14},
        {104, ControlKind::Edit, 13, 16, 31, 12},           {103, ControlKind::Edit, 57, 16, 31, 12},
        {105, ControlKind::Edit, 57, 31, 31, 12},           {107, ControlKind::Edit, 57, 46, 31, 12},
        {106, ControlKind::Edit, 57, 61, 31, 12},           {108, ControlKind::Edit, 57, 76, 31, 12},
        {110, ControlKind::Edit, 11, 74, 16, 12},           {112, ControlKind::RadioButton, 26, 73, 6, 7},
        {111, ControlKind::RadioButton, 26, 80, 6, 7},      {32, ControlKind::CheckBox, 25, 43, 7, 8},
        {705, ControlKind::PictureStatic, 22, 30, 13, 12},  {706, ControlKind::PictureStatic, 22, 30, 13, 12},
        {113, ControlKind::Static, 1, 101, 124, 1},         {11, ControlKind::PictureButton, 89, 17, 17, 10},
        {12, ControlKind::PictureButton, 89, 31, 17, 10},   {13, ControlKind::PictureButton, 89, 47, 17, 10},
        {14, ControlKind::PictureButton, 89, 62, 17, 10},   {15, ControlKind::PictureButton, 89, 77, 17, 10},
        {16, ControlKind::PictureButton, 46, 17, 9, 10},    {17, ControlKind::PictureButton, 15, 66, 8, 9},
        {18, ControlKind::PictureButton, 4, 77, 8, 7},      {19, ControlKind::PictureButton, 32, 73, 8, 7},
        {20, ControlKind::PictureButton, 32, 80, 8, 7},     {8000, ControlKind::PictureButton, 89, 17, 17, 10},
        {8001, ControlKind::PictureButton, 89, 31, 17, 10}, {8002, ControlKind::PictureButton, 89, 47, 17, 10},
        {8003, ControlKind::PictureButton, 89, 62, 17, 10}, {8004, ControlKind::PictureButton, 89, 77, 17, 10},
        {8005, ControlKind::PictureButton, 32, 80, 14, 7},  {8006, ControlKind::PictureButton, 32, 73, 14, 7},
        {8007, ControlKind::PictureButton, 4, 77, 8, 7},    {8008, ControlKind::PictureButton, 46, 17, 9, 10},
        {114, ControlKind::Static, 0, 125, 125, 10}, // the Hijri date, below the pictures
    };
    ASSERT_EQ(kMainTemplate.controls.size(), std::size(rows));
    std::set<int> seen;
    for (const ControlTemplate& c : kMainTemplate.controls)
        EXPECT_TRUE(seen.insert(c.id).second) << "duplicate id " << c.id;
    for (const Row& r : rows) {
        auto it = std::find_if(kMainTemplate.controls.begin(), kMainTemplate.controls.end(),
                               [&](const ControlTemplate& c) { return c.id == r.id; });
        ASSERT_NE(it, kMainTemplate.controls.end()) << r.id;
        EXPECT_EQ(it->kind, r.kind) << r.id;
        EXPECT_EQ((std::array{it->x, it->y, it->cx, it->cy}), (std::array{r.x, r.y, r.cx, r.cy})) << r.id;
        // Picture statics carry the bitmap style; picture push buttons never do.
        if (r.kind == ControlKind::PictureStatic) {
            EXPECT_TRUE(it->style & CS_Bitmap) << r.id;
        }
        if (r.kind == ControlKind::PictureButton) {
            EXPECT_FALSE(it->style & CS_Bitmap) << r.id;
        }
    }
}

TEST(MainTemplate, FrameAndStylesOfTheWindowAndItsBoxes)
{
    EXPECT_EQ(kMainTemplate.id, 13);
    EXPECT_STREQ(kMainTemplate.caption, "S1");
    EXPECT_EQ(kMainTemplate.menuId, 13);
    EXPECT_EQ((std::array{kMainTemplate.cx, kMainTemplate.cy}), (std::array{125, 135})); // with the Hijri strip
    const std::array timeBoxes = {103, 104, 105, 107, 106, 108};
    for (const ControlTemplate& c : kMainTemplate.controls) {
        bool timeBox = std::find(timeBoxes.begin(), timeBoxes.end(), c.id) != timeBoxes.end();
        if (timeBox) {
            EXPECT_TRUE((c.style & CS_ReadOnly) && (c.style & CS_Border)) << c.id;
        }
        if (c.id == kIdOffsetBox) {
            EXPECT_STREQ(c.text, "0");
            EXPECT_TRUE((c.style & CS_Digits) && (c.style & CS_Right)) << c.id;
            EXPECT_FALSE(c.style & CS_ReadOnly);
        }
        // Only the clock starts hidden; the layouts decide about the labels.
        EXPECT_EQ(bool(c.style & CS_Hidden), c.id == 109) << c.id;
        // The OK and About faces take the tab key; the label pictures do not.
        bool tabbed = c.id == 101 || c.id == 102;
        if (c.kind == ControlKind::PictureButton) {
            EXPECT_EQ(bool(c.style & CS_TabStop), tabbed) << c.id;
        }
    }
    // The struck-through loudspeaker lies beneath the other: later controls are drawn on top.
    auto pos = [](int id) {
        return std::find_if(kMainTemplate.controls.begin(), kMainTemplate.controls.end(),
                            [id](const ControlTemplate& c) { return c.id == id; }) -
               kMainTemplate.controls.begin();
    };
    EXPECT_LT(pos(kIdSoundOff), pos(kIdSoundOn));
    EXPECT_EQ(pos(kIdBackground), 1); // under every visible control
    EXPECT_EQ(kTrayHostTemplate.id, 1);
    EXPECT_STREQ(kTrayHostTemplate.caption, " ");
    EXPECT_TRUE(kTrayHostTemplate.controls.empty());
    EXPECT_EQ((std::array{kTrayHostTemplate.cx, kTrayHostTemplate.cy}), (std::array{0, 0}));
}
