// The Expert dialog driven by ids and commands.
#include "DialogTestEnv.h"

#include "dialogs/Dialogs.h"
#include "dialogs/SettingsDialogs.h"
#include "platform/os/Autostart.h"
#include "platform/DialogOps.h"

#include <QApplication>

#include <array>
#include <cstdlib>
#include <fstream>
#include <iterator>

using namespace nuro;
using namespace nuro::test;

namespace {

struct Controls {
    int field, minus, plus;
};
constexpr std::array<Controls, 6> kPrayers = {
    {{103, 101, 102}, {106, 104, 105}, {109, 107, 108}, {112, 110, 111}, {120, 113, 114}, {118, 116, 117}}};
constexpr int kAngleFajer = 115, kAngleIsha = 119, kPrecision = 135, kStartup = 136, kReset = 132, kOk = 155;

class ExpertDialogTest : public DialogTest {
protected:
    QWidget* Open()
    {
        OpenExpertDialog();
        return ExpertDialogWindow();
    }
    static std::string Text(QWidget* dlg, int id) { return GetDlgItemText(dlg, id, 11); }
};

TEST_F(ExpertDialogTest, AdditionsShowAsMagnitudeWithTheSignOnTheRadiosAndReadBackUnchanged)
{
    struct Row {
        std::array<int, 8> values;
        std::array<const char*, 8> shown;
    };
    const Row rows[] = {
        {{-5, 5, 0, 1, -1, 120, 18, 17}, {"5", "5", "0", "1", "1", "120", "18", "17"}},
        {{0, 0, 0, 0, 0, 0, -18, 0}, {"0", "0", "0", "0", "0", "0", "-18", "0"}},
        {{12345678, -12345678, 9999999, -9999999, 60, -60, 20000000, -2000000},
         {"9999999", "9999999", "9999999", "9999999", "60", "60", "9999999", "-999999"}},
    };
    for (const Row& r : rows) {
        ResetSettingsDialogs();
        EditSettings([&](AppSettings& s) {
            for (int i = 0; i < 8; ++i)
                s.corrections[i] = r.values[i];
        });
        QWidget* dlg = Open();
        for (int i = 0; i < 6; ++i) {
            EXPECT_EQ(Text(dlg, kPrayers[i].field), r.shown[i]) << r.values[i];
            EXPECT_EQ(On(dlg, kPrayers[i].minus), r.values[i] < 1) << r.values[i];
            EXPECT_EQ(On(dlg, kPrayers[i].plus), r.values[i] >= 1) << r.values[i];
        }
        EXPECT_EQ(Text(dlg, kAngleFajer), r.shown[6]);
        EXPECT_EQ(Text(dlg, kAngleIsha), r.shown[7]);
        Command(dlg, kOk);
        EXPECT_FALSE(IsWindowVisible(dlg));
        // OK stores what was shown: the same values where they fit, the clamped ones otherwise.
        const AppSettings s = SnapshotSettings();
        for (int i = 0; i < 6; ++i) {
            const int magnitude = std::stoi(r.shown[i]);
            EXPECT_EQ(s.corrections[i], r.values[i] < 1 ? -magnitude : magnitude) << i;
        }
        EXPECT_EQ(s.corrections[kAngleFaj], std::stoi(r.shown[6]));
        EXPECT_EQ(s.corrections[kAngleIch], std::stoi(r.shown[7]));
    }
}

TEST_F(ExpertDialogTest, TheHijriAdjustmentShowsFromTheSettingsAndIsKeptWithinTwoDays)
{
    constexpr int kHijri = 141;
    struct Row {
        int stored;
        const char* shown;
        const char* typed;
        int kept;
    };
    const Row rows[] = {
        {0, "0", "1", 1},   {1, "1", "-2", -2}, {-2, "-2", "2", 2}, {0, "0", "5", 2},
        {0, "0", "-9", -2}, {2, "2", "x", 0},   {7, "2", "", 0},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.typed);
        ResetSettingsDialogs();
        EditSettings([&](AppSettings& s) { s.extra.HIJRI_ADJ = r.stored; });
        QWidget* dlg = Open();
        EXPECT_EQ(Text(dlg, kHijri), r.shown);
        SetDlgItemText(dlg, kHijri, r.typed);
        Command(dlg, kOk);
        EXPECT_EQ(SnapshotSettings().extra.HIJRI_ADJ, r.kept);
    }
    // RESET puts 0 in the field; OK makes it the setting.
    EditSettings([](AppSettings& s) { s.extra.HIJRI_ADJ = 1; });
    ResetSettingsDialogs();
    QWidget* dlg = Open();
    Command(dlg, kReset);
    EXPECT_EQ(Text(dlg, kHijri), "0");
    EXPECT_EQ(SnapshotSettings().extra.HIJRI_ADJ, 1);
    Command(dlg, kOk);
    EXPECT_EQ(SnapshotSettings().extra.HIJRI_ADJ, 0);
}

// The Startup box also decides the user's own log-in entry, made from the installed template: OK adds
// it when the box is checked and removes it when not, in the folder XDG_CONFIG_HOME names.
TEST_F(ExpertDialogTest, SwitchesShowFromTheSettings)
{
    const std::string entry = AutostartEntryPath();
    ASSERT_EQ(entry, std::string(std::getenv("XDG_CONFIG_HOME")) + "/autostart/nuro.desktop");
    struct Row {
        int startup, precision;
        bool startupBox, precisionBox;
    };
    const Row rows[] = {{0, 0, true, false}, {1, 1, false, true}, {0, 1, true, true}, {7, -1, false, true}};
    for (const Row& r : rows) {
        ResetSettingsDialogs();
        EditSettings([&](AppSettings& s) {
            s.STARTUP = r.startup;
            s.PRECISION = r.precision;
        });
        QWidget* dlg = Open();
        EXPECT_EQ(On(dlg, kStartup), r.startupBox) << r.startup;
        EXPECT_EQ(On(dlg, kPrecision), r.precisionBox) << r.precision;
        Command(dlg, kOk);
        EXPECT_EQ(SnapshotSettings().STARTUP, r.startupBox ? 0 : 1);
        EXPECT_EQ(SnapshotSettings().PRECISION, r.precision); // OK never reads Precision
        std::ifstream file(entry);
        ASSERT_EQ(file.good(), r.startupBox) << entry;
        if (r.startupBox) {
            const std::string text{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
            EXPECT_NE(text.find("\nExec=nuro S\n"), std::string::npos) << text;
        }
    }
}

TEST_F(ExpertDialogTest, ResetFillsDefaultsThatTakeEffectOnlyWithOk)
{
    for (int precision : {0, 1}) {
        ResetSettingsDialogs();
        EditSettings([&](AppSettings& s) {
            s.corrections = {5, -4, 3, -2, 1, 9, 15, 17};
            s.STARTUP = 1;
            s.PRECISION = precision;
        });
        QWidget* dlg = Open();
        const int refreshes = display.Refreshes();
        Command(dlg, kReset);
        for (const Controls& c : kPrayers) {
            EXPECT_EQ(Text(dlg, c.field), "0");
            EXPECT_TRUE(On(dlg, c.minus));
            EXPECT_FALSE(On(dlg, c.plus));
        }
        EXPECT_EQ(Text(dlg, kAngleFajer), "108");
        EXPECT_EQ(Text(dlg, kAngleIsha), "108");
        EXPECT_TRUE(On(dlg, kStartup));
        EXPECT_EQ(On(dlg, kPrecision), precision != 0);
        EXPECT_TRUE(IsWindowVisible(dlg));
        // Nothing reached the settings or the times yet.
        EXPECT_EQ(display.Refreshes(), refreshes);
        EXPECT_EQ(SnapshotSettings().corrections[kFaj], 5);

        Command(dlg, kOk);
        const AppSettings s = SnapshotSettings();
        EXPECT_EQ(s.corrections, (std::array<std::int32_t, 8>{0, 0, 0, 0, 0, 0, 108, 108}));
        EXPECT_EQ(s.STARTUP, 0);
        EXPECT_EQ(s.PRECISION, precision);
        EXPECT_EQ(display.Refreshes(), refreshes + 1);
    }
}

TEST_F(ExpertDialogTest, PrecisionTakesEffectAtOnceOtherEditsWaitForOk)
{
    EditSettings([](AppSettings& s) { s.p_dho() = 3; });
    QWidget* dlg = Open();
    SetDlgItemText(dlg, kPrayers[2].field, "9");
    struct Step {
        bool expected;
    };
    for (Step st : {Step{true}, Step{false}, Step{true}}) {
        const int refreshes = display.Refreshes();
        Click(dlg, kPrecision);
        EXPECT_EQ(SnapshotSettings().PRECISION, st.expected ? 1 : 0);
        EXPECT_EQ(display.Refreshes(), refreshes + 1);
        EXPECT_EQ(SnapshotSettings().corrections[kDho], 3);
        EXPECT_TRUE(IsWindowVisible(dlg));
    }
    Command(dlg, kOk);
    EXPECT_EQ(SnapshotSettings().corrections[kDho], 9);
}

TEST_F(ExpertDialogTest, ShownAgainAsLeft)
{
    QWidget* dlg = Open();
    EXPECT_EQ(dlg->windowTitle().toStdString(), "       Expert");
    SetDlgItemText(dlg, kAngleFajer, "18");
    Command(dlg, kOk);
    SetDlgItemText(dlg, kAngleIsha, "17"); // edited while hidden: not applied, but kept
    const int before = QApplication::topLevelWidgets().size();
    OpenExpertDialog();
    OpenExpertDialog();
    EXPECT_EQ(ExpertDialogWindow(), dlg);
    EXPECT_EQ(QApplication::topLevelWidgets().size(), before);
    EXPECT_TRUE(IsWindowVisible(dlg));
    EXPECT_EQ(Text(dlg, kAngleFajer), "18");
    EXPECT_EQ(Text(dlg, kAngleIsha), "17");
    Command(dlg, 703);
    EXPECT_FALSE(IsWindowVisible(dlg));
    EXPECT_EQ(SnapshotSettings().corrections[kAngleIch], 17);
}

// The drop-down shows the rule in force, takes effect only with OK, and RESET offers the middle of the
// night again; a value that is no rule shows, and is stored back, as the middle of the night.
TEST_F(ExpertDialogTest, HighLatitudeRuleIsChosenFromItsDropDownAndAppliedWithOk)
{
    struct Row {
        int stored, shown, chosen;
        bool reset;
        int applied;
    };
    const Row rows[] = {
        {0, 0, 1, false, 1}, {1, 1, 2, false, 2},  {2, 2, 0, false, 0},
        {2, 2, -1, true, 0}, {7, 0, -1, false, 0}, {-3, 0, 2, false, 2},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(::testing::Message() << "HIGH_LAT " << r.stored << " choose " << r.chosen);
        ResetSettingsDialogs();
        EditSettings([&](AppSettings& s) { s.extra.HIGH_LAT = r.stored; });
        QWidget* dlg = Open();
        QWidget* box = GetDlgItem(dlg, 137);
        ASSERT_EQ(ListGetCount(box), 3);
        EXPECT_EQ(ListGetText(box, 0), "middle of the night");
        EXPECT_EQ(ListGetText(box, 1), "one seventh of the night");
        EXPECT_EQ(ListGetText(box, 2), "twilight angle");
        EXPECT_EQ(ListGetCurSel(box), r.shown);
        if (r.chosen >= 0)
            ListSetCurSel(box, r.chosen);
        if (r.reset)
            Command(dlg, kReset);
        EXPECT_EQ(SnapshotSettings().extra.HIGH_LAT, r.stored);
        const int refreshes = display.Refreshes();
        Command(dlg, kOk);
        EXPECT_EQ(SnapshotSettings().extra.HIGH_LAT, r.applied);
        EXPECT_EQ(display.Refreshes(), refreshes + 1);
    }
}

TEST_F(ExpertDialogTest, FieldRefreshBeforeCreationDoesNothing)
{
    ShowExpertFields();
    EXPECT_EQ(ExpertDialogWindow(), nullptr);
}

} // namespace

// A named method shows its parameters read-only and says what it is; Custom makes the angles and the
// Isha interval editable, starting from the method left, and keeps decimals apart from a_faj/a_ich.
TEST_F(ExpertDialogTest, AMethodShowsItsParametersReadOnlyAndCustomMakesThemEditable)
{
    constexpr int kMethod = 143, kLine = 144, kByInterval = 145, kInterval = 146, kMinutes = 147;
    EditSettings([](AppSettings& s) {
        s.extra.METHOD = s.extra.methodInForce = "UMM_AL_QURA";
        s.corrections = {0, 0, 0, 0, 0, 0, 108, 108};
    });
    QWidget* dlg = Open();
    QWidget* box = GetDlgItem(dlg, kMethod);
    const int entries = ListGetCount(box);
    ASSERT_GT(entries, 20);
    EXPECT_EQ(ListGetText(box, 0), "From the place's country");
    EXPECT_EQ(ListGetText(box, entries - 1), "Custom");
    EXPECT_EQ(ListGetText(box, ListGetCurSel(box)), "Umm al-Qura, Makkah");

    const struct Row {
        const char* entry;
        bool editable;
        const char* fajr;
        const char* isha;
        bool byInterval;
        const char* interval;
        const char* line; // the beginning of the method's line
        const char* minutes; // the method's own minutes
    } rows[] = {
        {"Umm al-Qura, Makkah", false, "18.5", "", true, "90",
         "Umm al-Qura, Makkah: Fajr 18.5\u00b0, Isha 90 min after Maghreb, 120 in Ramadan", "Method's minutes: none"},
        {"Custom", true, "18.5", "18", true, "90", "Custom: ", ""},
        {"Tunisia, Ministry of Religious Affairs", false, "18", "18", false, "",
         "Tunisia, Ministry of Religious Affairs: Fajr 18\u00b0, Isha 18\u00b0",
         "Method's minutes: Dhohur +7, Maghereb +2"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.entry);
        int index = -1;
        for (int i = 0; i < entries; ++i)
            if (ListGetText(box, i) == row.entry)
                index = i;
        ASSERT_GE(index, 0);
        ListSetCurSel(box, index);
        Command(dlg, kMethod);
        EXPECT_EQ(Text(dlg, kAngleFajer), row.fajr);
        EXPECT_EQ(Text(dlg, kAngleIsha), row.isha);
        EXPECT_EQ(On(dlg, kByInterval), row.byInterval);
        EXPECT_EQ(Text(dlg, kInterval), row.interval);
        for (int id : {kAngleFajer, kAngleIsha, kInterval})
            EXPECT_EQ(IsDlgItemReadOnly(dlg, id), !row.editable) << id;
        EXPECT_EQ(IsDlgItemEnabled(dlg, kByInterval), row.editable);
        EXPECT_EQ(GetDlgItemText(dlg, kLine, 200).rfind(row.line, 0), 0u) << GetDlgItemText(dlg, kLine, 200);
        EXPECT_EQ(GetDlgItemText(dlg, kMinutes, 200), row.minutes);
    }

    // Custom again, a decimal Fajr angle: it lives in ANGLE_FAJ, a_faj keeps the nearest whole degree.
    ListSetCurSel(box, entries - 1);
    Command(dlg, kMethod);
    EXPECT_EQ(Text(dlg, kPrayers[2].field), "7") << "the method's minutes become the user's";
    SetDlgItemText(dlg, kAngleFajer, "17.5");
    SetDlgItemText(dlg, kAngleIsha, "17");
    Command(dlg, kOk);
    const AppSettings s = SnapshotSettings();
    EXPECT_EQ(s.extra.METHOD, "");
    EXPECT_EQ(s.extra.methodInForce, "");
    EXPECT_EQ(s.extra.ANGLE_FAJ, "17.5");
    EXPECT_EQ(s.extra.ANGLE_ICH, "");
    EXPECT_EQ(s.corrections[kAngleFaj], 18);
    EXPECT_EQ(s.corrections[kAngleIch], 17);
    EXPECT_EQ(s.corrections[kDho], 7);
    EXPECT_EQ(s.corrections[kMag], 2);
    EXPECT_EQ(s.extra.ISHA_INTERVAL, 0);
}
