// The Config dialog driven by ids and commands over a test database.
#include "DialogTestEnv.h"

#include "core/FieldList.h"
#include "core/NumberText.h"
#include "dialogs/Dialogs.h"
#include "dialogs/SettingsDialogs.h"
#include "platform/DialogOps.h"
#include "platform/DialogWindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

using namespace nuro;
using namespace nuro::test;

namespace {

constexpr int kName = 101, kLonDeg = 106, kLonMin = 111, kLonSec = 110, kEast = 103, kWest = 104;
constexpr int kLatDeg = 109, kLatMin = 108, kLatSec = 107, kNorth = 102, kSouth = 105;
constexpr int kZone = 120, kPressure = 127, kTemperature = 122, kElevation = 121;
constexpr int kStandard = 134, kHanfai = 135, kModif = 133, kOk = 155;

class ConfigDialogTest : public DialogTest {
protected:
    QWidget* Open()
    {
        OpenConfigDialog();
        QWidget* dlg = ConfigDialogWindow();
        EXPECT_NE(dlg, nullptr);
        return dlg;
    }

    // The place list is the second control with id 120; the first is the time zone field.
    static QWidget* PlaceList(QWidget* dlg)
    {
        for (QWidget* c : DialogOf(dlg)->Controls())
            if (GetDlgCtrlID(c) == kZone && c != GetDlgItem(dlg, kZone))
                return c;
        return nullptr;
    }

    static std::vector<std::string> Entries(QWidget* list)
    {
        std::vector<std::string> out;
        for (int i = 0; i < ListGetCount(list); ++i)
            out.push_back(ListGetText(list, i));
        return out;
    }

    static void DoubleClick(QWidget* dlg, const std::string& entry)
    {
        QWidget* list = PlaceList(dlg);
        const std::vector<std::string> entries = Entries(list);
        const auto at = std::find(entries.begin(), entries.end(), entry);
        ASSERT_NE(at, entries.end()) << entry;
        ListSetCurSel(list, static_cast<int>(at - entries.begin()));
        Command(dlg, kZone, LBN_DBLCLK);
    }

    static std::string Text(QWidget* dlg, int id) { return GetDlgItemText(dlg, id, 100); }
};

TEST_F(ConfigDialogTest, FirstOpeningShowsTheDatabaseRowAndOkMakesItTheSettings)
{
    struct Row {
        const char* place;
        int aser;
    };
    // A place without a row keeps its values: ConfigNoRowTest.
    const Row rows[] = {{"Tunis", 2}, {"Lima, Peru", 1}, {"N'Djamena, Chad", 0}};
    for (const Row& r : rows) {
        ResetSettingsDialogs();
        EditSettings([&](AppSettings& s) {
            SetPlaceName(s, r.place);
            s.ASER = r.aser;
            s.D1 = 99;
            s.M1 = 98;
            s.S1 = 97.f;
            s.CARD1 = 'W';
            s.T_ZONE = 9;
            s.P = 1;
        });
        const std::string row = QueryRow(r.place);
        QWidget* dlg = Open();
        SCOPED_TRACE(r.place);
        EXPECT_EQ(Text(dlg, kName), r.place);
        const struct {
            int id, field;
        } columns[] = {{kLonDeg, 1}, {kLonMin, 2}, {kLonSec, 3},    {kLatDeg, 5},       {kLatMin, 6},
                       {kLatSec, 7}, {kZone, 9},   {kPressure, 10}, {kTemperature, 11}, {kElevation, 12}};
        for (const auto& c : columns)
            EXPECT_EQ(Text(dlg, c.id), GetField(row, '*', c.field)) << c.id;
        const bool known = !row.empty();
        EXPECT_EQ(On(dlg, kEast), known && GetField(row, '*', 4) == "E");
        EXPECT_EQ(On(dlg, kWest), !On(dlg, kEast));
        EXPECT_EQ(On(dlg, kNorth), known && GetField(row, '*', 8) == "N");
        EXPECT_EQ(On(dlg, kSouth), !On(dlg, kNorth));
        EXPECT_EQ(On(dlg, kHanfai), r.aser == 2);
        EXPECT_EQ(On(dlg, kStandard), r.aser != 2);

        const int refreshes = display.Refreshes();
        Command(dlg, kOk);
        EXPECT_FALSE(IsWindowVisible(dlg));
        EXPECT_EQ(display.Refreshes(), refreshes + 1);
        const AppSettings s = SnapshotSettings();
        EXPECT_EQ(std::string(s.PlaceName.data()), r.place);
        EXPECT_EQ(s.D1, ParseInt(GetField(row, '*', 1)));
        EXPECT_EQ(s.M1, ParseInt(GetField(row, '*', 2)));
        EXPECT_FLOAT_EQ(s.S1, static_cast<float>(ParseReal(GetField(row, '*', 3))));
        EXPECT_EQ(s.CARD1, known && GetField(row, '*', 4) == "E" ? 'E' : 'W');
        EXPECT_FLOAT_EQ(s.S2, static_cast<float>(ParseReal(GetField(row, '*', 7))));
        EXPECT_EQ(s.CARD2, known && GetField(row, '*', 8) == "N" ? 'N' : 'S');
        EXPECT_FLOAT_EQ(s.T_ZONE, static_cast<float>(ParseReal(GetField(row, '*', 9))));
        EXPECT_FLOAT_EQ(s.H, static_cast<float>(ParseReal(GetField(row, '*', 12))));
        EXPECT_EQ(s.ASER, r.aser == 2 ? 2 : 1);
        EXPECT_EQ(mainFrame.windowTitle().toStdString(), r.place);
    }
}

TEST_F(ConfigDialogTest, OkNormalisesTheFieldsBeforeReadingThem)
{
    struct Row {
        int id;
        const char* typed;
        const char* shown;
    };
    const Row rows[] = {
        {kLonSec, "12.5", "12.50"}, {kLonDeg, "007", "7"},      {kLatMin, "", "0"},
        {kPressure, "abc", "0.00"}, {kZone, "-3.456", "-3.46"}, {kTemperature, "20", "20.00"},
        {kLatSec, "1e2", "100.00"}, {kLatDeg, " -12x", "-12"},  {kElevation, "5.005", "5.00"},
    };
    EditSettings([](AppSettings& s) { SetPlaceName(s, "Tunis"); });
    QWidget* dlg = Open();
    for (const Row& r : rows)
        SetDlgItemText(dlg, r.id, r.typed);
    Command(dlg, kOk);
    for (const Row& r : rows)
        EXPECT_EQ(Text(dlg, r.id), r.shown) << r.typed;
    const AppSettings s = SnapshotSettings();
    EXPECT_FLOAT_EQ(s.S1, 12.5f);
    EXPECT_EQ(s.D1, 7);
    EXPECT_EQ(s.M2, 0);
    EXPECT_EQ(s.P, 0.f);
    EXPECT_FLOAT_EQ(s.T_ZONE, -3.46f);
    EXPECT_FLOAT_EQ(s.S2, 100.f);
    EXPECT_EQ(s.D2, -12);
}

TEST_F(ConfigDialogTest, PlaceListFromT1SortedTailDroppedAndPrefixSelected)
{
    using Names = std::vector<std::string>;
    const std::string longName(60, 'L');
    struct Row {
        std::string t1;
        const char* place;
        Names listed;
        std::string selected;
    };
    const Row rows[] = {
        {"Tunis*Sfax*Gabes", "Tunis", {"Sfax", "Tunis"}, "Tunis"},
        {"Tunis*Sfax*Gabes*", "gab", {"Gabes", "Sfax", "Tunis"}, "Gabes"},
        {"Tunis*Sfax*Gabes*", "Paris", {"Gabes", "Sfax", "Tunis"}, ""},
        {"b*a**c*", "c", {"", "a", "b", "c"}, "c"},
        {"", "Tunis", {}, ""},
        // The search starts at the second entry: with two matches that one wins.
        {"Tunis*Tunis, Tunisia*", "Tunis", {"Tunis", "Tunis, Tunisia"}, "Tunis, Tunisia"},
        {longName + "*", "L", {longName}, longName},
    };
    for (const Row& r : rows) {
        ResetSettingsDialogs();
        WriteSettingsFile(r.t1);
        EditSettings([&](AppSettings& s) { SetPlaceName(s, r.place); });
        QWidget* list = PlaceList(Open());
        ASSERT_NE(list, nullptr);
        EXPECT_EQ(Entries(list), r.listed) << r.t1;
        const int sel = ListGetCurSel(list);
        EXPECT_EQ(sel < 0 ? std::string() : ListGetText(list, sel), r.selected) << r.t1;
    }
}

TEST_F(ConfigDialogTest, PlaceListSeesOnlyTheFirst11999Characters)
{
    // 1199 names of 9 characters and a '*' fill 11990 characters; the next name's '*' is the 12000th.
    std::string t1;
    for (int i = 0; i < 1199; ++i)
        t1.append("n").append(std::to_string(10000000 + i)).append("*");
    WriteSettingsFile(t1 + "lastplace*");
    QWidget* list = PlaceList(Open());
    EXPECT_EQ(ListGetCount(list), 1199);
    WriteSettingsFile(t1 + "lastpla*");
    ResetSettingsDialogs();
    EXPECT_EQ(ListGetCount(PlaceList(Open())), 1200);
}

TEST_F(ConfigDialogTest, DoubleClickTakesAPlaceOrAppliesTheEditsOfTheSameOne)
{
    EditSettings([](AppSettings& s) {
        SetPlaceName(s, "Tunis");
        s.p_faj() = 5;
        s.p_mag() = -3;
    });
    OpenExpertDialog();
    QWidget* expert = ExpertDialogWindow();
    QWidget* dlg = Open();
    // Opening touches no addition.
    EXPECT_EQ(SnapshotSettings().corrections[kFaj], 5);

    struct Step {
        const char* entry;
        const char* editLonSec;
        std::array<int, 6> additions;
        const char* lonSec;
    };
    const Step steps[] = {
        {"Tunis, Tunisia", nullptr, {0, 0, 7, 0, 2, 0}, "53.0"},
        // The same entry again keeps (and applies) the user's edit.
        {"Tunis, Tunisia", "44.25", {0, 0, 7, 0, 2, 0}, "44.25"},
        {"Sfax", nullptr, {0, 0, 0, 0, 0, 0}, "36.0"},
        {"tunis, tunisia lower", nullptr, {0, 0, 0, 0, 0, 0}, "9.0"},
        {"Tunis, Tunisia", nullptr, {0, 0, 7, 0, 2, 0}, "53.0"},
    };
    for (const Step& st : steps) {
        SCOPED_TRACE(st.entry);
        if (st.editLonSec)
            SetDlgItemText(dlg, kLonSec, st.editLonSec);
        const int refreshes = display.Refreshes();
        DoubleClick(dlg, st.entry);
        const AppSettings s = SnapshotSettings();
        EXPECT_EQ(std::string(s.PlaceName.data()), st.entry);
        EXPECT_EQ(Text(dlg, kName), st.entry);
        EXPECT_EQ(Text(dlg, kLonSec), st.lonSec);
        EXPECT_FLOAT_EQ(s.S1, static_cast<float>(ParseReal(st.lonSec)));
        for (int i = 0; i < 6; ++i)
            EXPECT_EQ(s.corrections[i], st.additions[i]) << i;
        EXPECT_EQ(display.Refreshes(), refreshes + 1);
        EXPECT_EQ(mainFrame.windowTitle().toStdString(), st.entry);
        // The open Expert dialog follows: Dhohur 7 and Maghereb 2 with "+", the rest 0 with "-".
        const int fields[] = {103, 106, 109, 112, 120, 118};
        const int pluses[] = {102, 105, 108, 111, 114, 117};
        for (int i = 0; i < 6; ++i) {
            EXPECT_EQ(GetDlgItemText(expert, fields[i], 11), std::to_string(st.additions[i])) << fields[i];
            EXPECT_EQ(On(expert, pluses[i]), st.additions[i] > 0) << pluses[i];
        }
        EXPECT_TRUE(IsWindowVisible(dlg));
    }
}

TEST_F(ConfigDialogTest, DoubleClickedNamesLongerThan53AreCut)
{
    const std::string longName = "Llanfairpwllgwyngyllgogerychwyrndrobwllllantysiliogogogoch, Tunisia";
    WriteSettingsFile(longName + "*");
    QWidget* dlg = Open();
    DoubleClick(dlg, longName);
    const std::string placeName = SnapshotSettings().PlaceName.data();
    EXPECT_EQ(placeName, longName.substr(0, 53));
    EXPECT_EQ(Text(dlg, kName), longName.substr(0, 53));
    EXPECT_EQ(SnapshotSettings().corrections[kDho], 0); // "Tunisia" lies past the cut
}

TEST_F(ConfigDialogTest, ModifHandsTheExactStatementToTheUpdater)
{
    struct Row {
        const char* place;
        std::vector<std::pair<int, const char*>> edits;
        std::string statement;
    };
    const Row rows[] = {
        {"Tunis",
         {{kTemperature, "20"}, {kPressure, "1013"}, {kElevation, "0"}},
         "update NURO set d1=10 ,m1=11,s1='12.500',card1='E',d2=36 ,m2=48,s2='30.250',card2='N',"
         "t_zone='1.00',p='1013.00',t='20.00',h='0.00' where nom='Tunis';"},
        {"N'Djamena, Chad",
         {{kLonDeg, "016"}, {kTemperature, "-2.5"}},
         "update NURO set d1=16 ,m1=2,s1='40.000',card1='E',d2=12 ,m2=6,s2='47.000',card2='N',"
         "t_zone='1.00',p='1005.00',t='-2.50',h='298.00' where nom='N''Djamena, Chad';"},
        // Pressure 12345.5 normalises to 12345.50, of which 7 characters reach the statement.
        {"Lima, Peru",
         {{kPressure, "12345.5"}},
         "update NURO set d1=77 ,m1=2,s1='0.000',card1='W',d2=12 ,m2=2,s2='0.000',card2='S',"
         "t_zone='-5.00',p='12345.5',t='19.00',h='154.00' where nom='Lima, Peru';"},
    };
    std::vector<std::string> statements;
    SetPlaceUpdater([&](const std::string& s) { statements.push_back(s); });
    for (const Row& r : rows) {
        ResetSettingsDialogs();
        statements.clear();
        EditSettings([&](AppSettings& s) { SetPlaceName(s, r.place); });
        QWidget* dlg = Open();
        const std::vector<std::string> listed = Entries(PlaceList(dlg));
        for (const auto& [id, text] : r.edits)
            SetDlgItemText(dlg, id, text);
        Command(dlg, kModif);
        ASSERT_EQ(statements.size(), 1u) << r.place;
        EXPECT_EQ(statements[0], r.statement);
        // The fields were applied first; the dialog and its list stay as they were.
        EXPECT_TRUE(IsWindowVisible(dlg));
        EXPECT_EQ(Entries(PlaceList(dlg)), listed);
        EXPECT_EQ(std::string(SnapshotSettings().PlaceName.data()), r.place);
        ResetSettingsDialogs();
        EXPECT_EQ(Entries(PlaceList(Open())), listed); // t1 on disk unchanged too
    }
}

TEST_F(ConfigDialogTest, ModifThatCannotBeWrittenFaithfullyRunsNothingAndSaysSoOnce)
{
    struct Row {
        const char* why;
        std::vector<std::pair<int, std::string>> edits;
        const char* said;
    };
    const Row rows[] = {
        // Huge seconds and degrees: the coordinate texts alone nearly fill the statement.
        {"over 255",
         {{kLonSec, "1e38"},
          {kLatSec, "-1e38"},
          {kLonDeg, "999999999"},
          {kLatDeg, "999999999"},
          {kName, std::string(49, '\'')}},
         "255"},
        // "123456.70" would reach the database as "123456.", another number.
        {"pressure cut", {{kPressure, "123456.7"}}, "p '123456.70'"},
        // Clamped by normalisation to -999999.99, still too wide for the statement.
        {"elevation cut", {{kElevation, "-1000000"}}, "h '-999999.99'"},
        // Cut to 49 characters the name would address another row, or none.
        {"long name", {{kName, std::string(50, 'n')}}, "49"},
    };
    std::vector<std::string> statements;
    SetPlaceUpdater([&](const std::string& s) { statements.push_back(s); });
    for (const Row& r : rows) {
        SCOPED_TRACE(r.why);
        ResetSettingsDialogs();
        statements.clear();
        EditSettings([](AppSettings& s) { SetPlaceName(s, "Tunis"); });
        QWidget* dlg = Open();
        for (const auto& [id, text] : r.edits)
            SetDlgItemText(dlg, id, text);
        testing::internal::CaptureStderr();
        Command(dlg, kModif);
        const std::string err = testing::internal::GetCapturedStderr();
        EXPECT_TRUE(statements.empty());
        EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
        EXPECT_NE(err.find(r.said), std::string::npos) << err;
        // The fields still reached the settings; only the database write was held back.
        EXPECT_TRUE(IsWindowVisible(dlg));
    }
}

TEST_F(ConfigDialogTest, ModifReallyUpdatesTheDatabaseThroughMod)
{
    struct Row {
        const char* place;
        int id;
        const char* typed;
        int field;
        const char* stored;
    };
    const Row rows[] = {
        {"Tunis", kLonDeg, "11", 1, "11"},
        {"N'Djamena, Chad", kTemperature, "31.5", 11, "31.5"},
        {"Lima, Peru", kElevation, "160", 12, "160.0"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.place);
        ResetSettingsDialogs();
        EditSettings([&](AppSettings& s) { SetPlaceName(s, r.place); });
        QWidget* dlg = Open();
        SetDlgItemText(dlg, r.id, r.typed);
        Command(dlg, kModif);
        EXPECT_TRUE(WaitFor([&] { return GetField(QueryRow(r.place), '*', r.field) == r.stored; }))
            << QueryRow(r.place);
        // Only that place changed.
        EXPECT_EQ(GetField(QueryRow("Sfax"), '*', 1), "10");
    }
}

TEST_F(ConfigDialogTest, ReopenedAsLeftEvenWhenTheDatabaseChanged)
{
    SetPlaceUpdater([](const std::string&) {});
    EditSettings([](AppSettings& s) { SetPlaceName(s, "Tunis"); });
    QWidget* dlg = Open();
    DoubleClick(dlg, "Sfax");
    SetDlgItemText(dlg, kLonMin, "59");
    Command(dlg, kOk);
    ASSERT_FALSE(IsWindowVisible(dlg));
    ChangeTestDatabase("update nuro set m1=1, s1=2 where nom='Sfax'");
    ASSERT_EQ(GetField(QueryRow("Sfax"), '*', 2), "1");
    const int before = QApplication::topLevelWidgets().size();
    for (int i = 0; i < 3; ++i) {
        OpenConfigDialog();
        EXPECT_EQ(ConfigDialogWindow(), dlg);
        EXPECT_TRUE(IsWindowVisible(dlg));
    }
    EXPECT_EQ(QApplication::topLevelWidgets().size(), before);
    EXPECT_EQ(Text(dlg, kName), "Sfax");
    EXPECT_EQ(Text(dlg, kLonMin), "59");
    EXPECT_EQ(Text(dlg, kLonDeg), "10");
    const int list = ListGetCurSel(PlaceList(dlg));
    EXPECT_EQ(ListGetText(PlaceList(dlg), list), "Sfax");
}

TEST_F(ConfigDialogTest, WindowManagerCloseRequestsAndEscapeActAsOk)
{
    QWidget* dlg = Open();
    EXPECT_FALSE(dlg->windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_EQ(dlg->windowTitle().toStdString(), "       Config");
    dlg->close();
    QApplication::processEvents();
    EXPECT_FALSE(IsWindowVisible(dlg));
    OpenConfigDialog();
    Command(dlg, IDCANCEL);
    EXPECT_FALSE(IsWindowVisible(dlg));
    for (int id : {700, 702, 704}) {
        OpenConfigDialog();
        Command(dlg, id);
        EXPECT_FALSE(IsWindowVisible(dlg)) << id;
    }
}

TEST_F(ConfigDialogTest, ButtonsShowPictures7And8)
{
    QWidget* dlg = Open();
    auto* modif = qobject_cast<QAbstractButton*>(GetDlgItem(dlg, kModif));
    auto* ok = qobject_cast<QAbstractButton*>(GetDlgItem(dlg, kOk));
    ASSERT_TRUE(modif && ok);
    EXPECT_FALSE(modif->icon().isNull());
    EXPECT_FALSE(ok->icon().isNull());
}

} // namespace

// A chosen place brings its zone into ZONE (T_ZONE as before); a hand edit of the same place keeps it;
// a database without the zone column gives the computer's own zone, never the previous place's.
TEST_F(ConfigDialogTest, ChosenPlaceSetsTheZoneAndHandEditsKeepIt)
{
    EditSettings([](AppSettings& s) {
        SetPlaceName(s, "Tunis");
        s.extra.ZONE = "Asia/Tokyo";
    });
    QWidget* dlg = Open();
    EXPECT_EQ(SnapshotSettings().extra.ZONE, "Asia/Tokyo"); // opening changes nothing
    DoubleClick(dlg, "Sfax"); // the test database has no zone column yet
    EXPECT_EQ(SnapshotSettings().extra.ZONE, "");

    ChangeTestDatabase("alter table nuro add column zone text;"
                       "update nuro set zone='Africa/Tunis' where nom='Tunis, Tunisia';"
                       "update nuro set zone='America/Lima' where nom='Lima, Peru'");
    struct Step {
        const char* entry;
        const char* editLonSec;
        const char* zone;
    };
    const Step steps[] = {
        {"Tunis, Tunisia", nullptr, "Africa/Tunis"},
        {"Lima, Peru", nullptr, "America/Lima"},
        {"Lima, Peru", "12.5", "America/Lima"},
        {"Sfax", nullptr, ""}, // a row whose zone is empty
    };
    for (const Step& st : steps) {
        SCOPED_TRACE(st.entry);
        if (st.editLonSec)
            SetDlgItemText(dlg, kLonSec, st.editLonSec);
        DoubleClick(dlg, st.entry);
        const AppSettings s = SnapshotSettings();
        EXPECT_EQ(s.extra.ZONE, st.zone);
        EXPECT_FLOAT_EQ(s.T_ZONE, static_cast<float>(ParseReal(GetField(QueryRow(st.entry), '*', 9))));
    }
}

// A place taken from the list is one change of the settings: the refresh that listens hears it once,
// with the whole new place (coordinates, zone, additions), never the new coordinates with the old zone.
TEST_F(ConfigDialogTest, APlaceTakenFromTheListIsOneWholeChange)
{
    ChangeTestDatabase("alter table nuro add column zone text;"
                       "update nuro set zone='Africa/Tunis' where nom='Tunis, Tunisia';"
                       "update nuro set zone='America/Lima' where nom='Lima, Peru'");
    EditSettings([](AppSettings& s) { SetPlaceName(s, "Sfax"); });
    QWidget* dlg = Open();
    std::vector<AppSettings> heard;
    struct Listening {
        int id;
        ~Listening() { SettingsRecord().Forget(id); }
    } listening{SettingsRecord().Listen([&](const AppSettings& s, const void*) { heard.push_back(s); })};
    struct Step {
        const char* entry;
        const char* zone;
        std::array<int, 6> additions;
    };
    const Step steps[] = {
        {"Lima, Peru", "America/Lima", {0, 0, 0, 0, 0, 0}},
        {"Tunis, Tunisia", "Africa/Tunis", {0, 0, 7, 0, 2, 0}},
        {"Sfax", "", {0, 0, 0, 0, 0, 0}},
        {"Sfax", "", {0, 0, 0, 0, 0, 0}}, // the same place again applies the fields, once
    };
    for (const Step& st : steps) {
        SCOPED_TRACE(st.entry);
        heard.clear();
        const int refreshes = display.Refreshes();
        DoubleClick(dlg, st.entry);
        ASSERT_EQ(heard.size(), 1u);
        const AppSettings& s = heard.front();
        const std::string row = QueryRow(st.entry);
        EXPECT_EQ(std::string(s.PlaceName.data()), st.entry);
        EXPECT_EQ(s.extra.ZONE, st.zone);
        EXPECT_EQ(s.D1, ParseInt(GetField(row, '*', 1)));
        EXPECT_EQ(s.D2, ParseInt(GetField(row, '*', 5)));
        EXPECT_FLOAT_EQ(s.T_ZONE, static_cast<float>(ParseReal(GetField(row, '*', 9))));
        for (int i = 0; i < 6; ++i)
            EXPECT_EQ(s.corrections[i], st.additions[i]) << i;
        EXPECT_EQ(display.Refreshes(), refreshes + 1);
    }
}
