// The Summer Time dialog driven by ids and commands, its date error answered through the seam.
#include "DialogTestEnv.h"

#include "dialogs/Dialogs.h"
#include "dialogs/SettingsDialogs.h"
#include "platform/DialogOps.h"
#include "platform/DialogWindow.h"
#include "platform/MessageBox.h"

#include <QApplication>

using namespace nuro;
using namespace nuro::test;

namespace {

constexpr int kFromMonth = 101, kFromDay = 102, kToMonth = 103, kToDay = 104;
constexpr int kEnable = 111, kReset = 132, kOk = 155;

class SummerTimeDialogTest : public DialogTest {
protected:
    QWidget* Open(int year = 2024)
    {
        SetSummerDateSource([year] {
            LocalDate d;
            d.year = year;
            d.month = 6;
            d.day = 15;
            return d;
        });
        OpenSummerTimeDialog();
        return SummerTimeDialogWindow();
    }
    static void Choose(QWidget* dlg, int id, int number)
    {
        ASSERT_GE(ListSelectString(GetDlgItem(dlg, id), 0, std::to_string(number) + " "), 0) << number;
    }
    static std::string Shown(QWidget* dlg, int id) { return GetDlgItemText(dlg, id, 10); }
    static void ExpectDefaults(QWidget* dlg)
    {
        EXPECT_EQ(Shown(dlg, kFromMonth), "4 ");
        EXPECT_EQ(Shown(dlg, kFromDay), "1 ");
        EXPECT_EQ(Shown(dlg, kToMonth), "10 ");
        EXPECT_EQ(Shown(dlg, kToDay), "1 ");
        EXPECT_FALSE(On(dlg, kEnable));
        for (int id : {kFromMonth, kFromDay, kToMonth, kToDay})
            EXPECT_FALSE(IsDlgItemEnabled(dlg, id)) << id;
    }
};

TEST_F(SummerTimeDialogTest, EntriesAndSelectionsFollowTheSettings)
{
    struct Row {
        int summer, m1, d1, m2, d2;
        const char* shown[4];
        bool enabled;
    };
    const Row rows[] = {
        {1, 10, 1, 12, 31, {"10 ", "1 ", "12 ", "31 "}, true},
        {0, 1, 10, 11, 3, {"1 ", "10 ", "11 ", "3 "}, false},
        {5, 4, 1, 10, 1, {"4 ", "1 ", "10 ", "1 "}, true},
        // A value no entry matches leaves its box without a selection.
        {0, 0, 0, 13, 32, {"", "", "", ""}, false},
    };
    for (const Row& r : rows) {
        ResetSettingsDialogs();
        EditSettings([&](AppSettings& s) {
            s.SUMMER = r.summer;
            s.month1 = r.m1;
            s.day1 = r.d1;
            s.month2 = r.m2;
            s.day2 = r.d2;
        });
        QWidget* dlg = Open();
        EXPECT_EQ(ListGetCount(GetDlgItem(dlg, kFromMonth)), 12);
        EXPECT_EQ(ListGetCount(GetDlgItem(dlg, kToDay)), 31);
        EXPECT_EQ(ListGetText(GetDlgItem(dlg, kFromDay), 0), "1 ");
        EXPECT_EQ(ListGetText(GetDlgItem(dlg, kFromDay), 30), "31 ");
        const int ids[] = {kFromMonth, kFromDay, kToMonth, kToDay};
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(Shown(dlg, ids[i]), r.shown[i]) << r.m1 << " " << ids[i];
            EXPECT_EQ(IsDlgItemEnabled(dlg, ids[i]), r.enabled);
        }
        EXPECT_EQ(On(dlg, kEnable), r.enabled);
    }
}

TEST_F(SummerTimeDialogTest, OkAcceptsOrRejectsTheWindow)
{
    struct Row {
        int year, m1, d1, m2, d2;
        bool accepted;
        int val1, val2;
        int summer = 1;
    };
    const Row rows[] = {
        // The full table of the rule is in DialogRulesTest; here each outcome once through the dialog.
        {2100, 2, 29, 10, 1, true, 229, 1001},
        {2023, 2, 29, 10, 1, false, 0, 0},
        {2024, 1, 1, 11, 31, false, 0, 0},
        {2024, 10, 1, 3, 31, false, 0, 0},
        {2024, 3, 3, 3, 3, true, 303, 303},
        {2024, 3, 31, 4, 30, true, 331, 430},
        // Switched off, the window is checked all the same.
        {2024, 4, 31, 10, 1, false, 0, 0, 0},
        {2024, 3, 3, 3, 3, true, 303, 303, 0},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(testing::Message() << r.year << " " << r.m1 << "/" << r.d1 << "-" << r.m2 << "/" << r.d2);
        ResetSettingsDialogs();
        ClearAskedMessages();
        const AppSettings before = [&] {
            AppSettings s;
            s.SUMMER = r.summer;
            s.month1 = 5;
            s.day1 = 5;
            s.month2 = 6;
            s.day2 = 6;
            s.val1 = 505;
            s.val2 = 606;
            return s;
        }();
        EditSettings([&](AppSettings& s) { s = before; });
        QWidget* dlg = Open(r.year);
        Choose(dlg, kFromMonth, r.m1);
        Choose(dlg, kFromDay, r.d1);
        Choose(dlg, kToMonth, r.m2);
        Choose(dlg, kToDay, r.d2);
        const int refreshes = display.Refreshes();
        SetNextMessageBoxAnswer(IDOK);
        Command(dlg, kOk);
        const AppSettings s = SnapshotSettings();
        if (r.accepted) {
            EXPECT_FALSE(LastAskedMessage().has_value());
            EXPECT_FALSE(IsWindowVisible(dlg));
            EXPECT_EQ(s.val1, r.val1);
            EXPECT_EQ(s.val2, r.val2);
            EXPECT_EQ(s.month1, r.m1);
            EXPECT_EQ(s.day1, r.d1);
            EXPECT_EQ(s.month2, r.m2);
            EXPECT_EQ(s.day2, r.d2);
            EXPECT_EQ(s.SUMMER, r.summer);
            EXPECT_EQ(display.Refreshes(), refreshes + 1);
        } else {
            const auto asked = LastAskedMessage();
            ASSERT_TRUE(asked.has_value());
            EXPECT_EQ(asked->text, "ERROR");
            EXPECT_EQ(asked->caption, " DATE");
            EXPECT_EQ(asked->flags, MB_OK);
            EXPECT_EQ(asked->owner, dlg);
            EXPECT_TRUE(IsWindowVisible(dlg));
            ExpectDefaults(dlg);
            EXPECT_EQ(s.val1, before.val1);
            EXPECT_EQ(s.val2, before.val2);
            EXPECT_EQ(s.month1, before.month1);
            EXPECT_EQ(s.SUMMER, before.SUMMER);
            EXPECT_EQ(display.Refreshes(), refreshes);
        }
    }
}

TEST_F(SummerTimeDialogTest, ResetThenOkStoresTheDefaultWindowSwitchedOff)
{
    EditSettings([](AppSettings& s) {
        s.SUMMER = 1;
        s.month1 = 3;
        s.day1 = 20;
        s.month2 = 9;
        s.day2 = 22;
    });
    QWidget* dlg = Open();
    Command(dlg, kReset);
    ExpectDefaults(dlg);
    EXPECT_EQ(SnapshotSettings().month1, 3); // RESET touches only the controls
    Command(dlg, kOk);
    const AppSettings s = SnapshotSettings();
    EXPECT_EQ(s.SUMMER, 0);
    EXPECT_EQ(s.month1, 4);
    EXPECT_EQ(s.day1, 1);
    EXPECT_EQ(s.month2, 10);
    EXPECT_EQ(s.day2, 1);
    EXPECT_EQ(s.val1, 401);
    EXPECT_EQ(s.val2, 1001);
}

TEST_F(SummerTimeDialogTest, TheCheckBoxEnablesTheBoxesAndUncheckedStillStoresTheWindow)
{
    EditSettings([](AppSettings& s) {
        s.SUMMER = 1;
        s.month1 = 3;
        s.day1 = 27;
        s.month2 = 10;
        s.day2 = 30;
    });
    QWidget* dlg = Open();
    for (bool on : {false, true, false}) {
        Click(dlg, kEnable);
        for (int id : {kFromMonth, kFromDay, kToMonth, kToDay})
            EXPECT_EQ(IsDlgItemEnabled(dlg, id), on) << id;
    }
    Command(dlg, kOk);
    const AppSettings s = SnapshotSettings();
    EXPECT_EQ(s.SUMMER, 0);
    EXPECT_EQ(s.val1, 327);
    EXPECT_EQ(s.val2, 1030);
}

TEST_F(SummerTimeDialogTest, AllZeroWindowPassesAndIsStored)
{
    EditSettings([](AppSettings& s) {
        s.val1 = 401;
        s.val2 = 1001;
    });
    QWidget* dlg = Open();
    Command(dlg, kOk);
    EXPECT_FALSE(LastAskedMessage().has_value());
    EXPECT_EQ(SnapshotSettings().val1, 0);
    EXPECT_EQ(SnapshotSettings().val2, 0);
}

TEST_F(SummerTimeDialogTest, ShownAgainAsLeftAndNotFilledTwice)
{
    QWidget* dlg = Open();
    EXPECT_EQ(dlg->windowTitle().toStdString(), "       Summer Time");
    Choose(dlg, kToMonth, 9);
    Command(dlg, 700);
    EXPECT_FALSE(IsWindowVisible(dlg));
    const int before = QApplication::topLevelWidgets().size();
    OpenSummerTimeDialog();
    OpenSummerTimeDialog();
    EXPECT_EQ(SummerTimeDialogWindow(), dlg);
    EXPECT_EQ(QApplication::topLevelWidgets().size(), before);
    EXPECT_EQ(ListGetCount(GetDlgItem(dlg, kToMonth)), 12);
    EXPECT_EQ(Shown(dlg, kToMonth), "9 ");
}

} // namespace

// Automatic mode on top: checked, the window's controls rest disabled and the zone in force is named;
// unchecked, the window dialog as it always was. OK stores AUTO_TZ beside the window.
TEST_F(SummerTimeDialogTest, AutomaticModeDisablesTheWindowAndNamesTheZone)
{
    struct Row {
        int autoTz;
        const char* zone;
        int summer;
        bool clickAutomatic;
        const char* shown;
        int stored;
    };
    const Row rows[] = {
        {1, "Asia/Kathmandu", 1, false, "Asia/Kathmandu, UTC+05:45", 1},
        {1, "Asia/Tehran", 0, false, "Asia/Tehran, UTC+03:30", 1},
        {1, "Mars/Olympus", 0, false, "Unknown zone 'Mars/Olympus': ", 1},
        {0, "Asia/Tehran", 1, false, "", 0},
        {0, "Africa/Tunis", 1, true, "Africa/Tunis, UTC+01:00", 1},
        {1, "Africa/Tunis", 1, true, "", 0},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.zone);
        ResetSettingsDialogs();
        EditSettings([&](AppSettings& s) {
            s.extra.AUTO_TZ = r.autoTz;
            s.extra.ZONE = r.zone;
            s.SUMMER = r.summer;
            s.month1 = 3;
            s.day1 = 27;
            s.month2 = 10;
            s.day2 = 30;
        });
        QWidget* dlg = Open();
        if (r.clickAutomatic)
            Click(dlg, 112);
        const bool automatic = On(dlg, 112);
        EXPECT_EQ(GetDlgItemText(dlg, 113, 100).rfind(r.shown, 0), 0u) << GetDlgItemText(dlg, 113, 100);
        EXPECT_EQ(IsDlgItemEnabled(dlg, kEnable), !automatic);
        EXPECT_EQ(IsDlgItemEnabled(dlg, kReset), !automatic);
        for (int id : {kFromMonth, kFromDay, kToMonth, kToDay})
            EXPECT_EQ(IsDlgItemEnabled(dlg, id), !automatic && r.summer != 0) << id;
        Command(dlg, kOk);
        const AppSettings s = SnapshotSettings();
        EXPECT_EQ(s.extra.AUTO_TZ, r.stored);
        EXPECT_EQ(s.SUMMER, r.summer);
        EXPECT_EQ(s.val1, 327);
        EXPECT_EQ(s.val2, 1030);
    }
}
