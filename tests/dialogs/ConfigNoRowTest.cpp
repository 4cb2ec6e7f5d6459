// The Config dialog when the place database gives no row for the place: the coordinates in effect are
// kept (never replaced by empty fields that OK would save as zeros) and the dialog says why.
#include "DialogTestEnv.h"

#include "core/NumberText.h"
#include "dialogs/Dialogs.h"
#include "dialogs/SettingsDialogs.h"
#include "platform/DialogOps.h"
#include "platform/DialogWindow.h"

#include <QFile>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <string>

using namespace nuro;
using namespace nuro::test;

namespace {

constexpr int kName = 101, kLonDeg = 106, kLonMin = 111, kLonSec = 110, kEast = 103;
constexpr int kLatDeg = 109, kLatMin = 108, kLatSec = 107, kNorth = 102;
constexpr int kZoneBox = 120, kPressure = 127, kTemperature = 122, kElevation = 121;
constexpr int kOk = 155, kNotFound = 138;

const char* const kNotInDatabase = "Place not found: not in the database";
const char* const kNoDatabase = "Place not found: unreadable database";
const char* const kNoLibrary = "Place not found: no place library";

std::string InstalledDatabase()
{
    return std::string(std::getenv("NURO_DATA_DIR")) + "/data.ar";
}

class ConfigNoRowTest : public DialogTest {
protected:
    // A place of the user's own, as the settings file gave it.
    void GiveSettings(const char* place)
    {
        EditSettings([place](AppSettings& s) {
            SetPlaceName(s, place);
            s.D1 = 99;
            s.M1 = 58;
            s.S1 = 59.5f;
            s.CARD1 = 'W';
            s.D2 = 45;
            s.M2 = 30;
            s.S2 = 12.25f;
            s.CARD2 = 'S';
            s.T_ZONE = -5;
            s.P = 1010;
            s.T = -12.5f;
            s.H = 2240;
        });
    }
    static std::string Text(QWidget* dlg, int id) { return GetDlgItemText(dlg, id, 100); }
    static void ExpectFields(QWidget* dlg, const std::vector<std::pair<int, std::string>>& expected)
    {
        for (const auto& [id, text] : expected)
            EXPECT_EQ(Text(dlg, id), text) << "field " << id;
    }
    static void ExpectCoordinatesKept(const AppSettings& s)
    {
        EXPECT_EQ(s.D1, 99);
        EXPECT_EQ(s.M1, 58);
        EXPECT_FLOAT_EQ(s.S1, 59.5f);
        EXPECT_EQ(s.CARD1, 'W');
        EXPECT_EQ(s.D2, 45);
        EXPECT_EQ(s.M2, 30);
        EXPECT_FLOAT_EQ(s.S2, 12.25f);
        EXPECT_EQ(s.CARD2, 'S');
        EXPECT_FLOAT_EQ(s.T_ZONE, -5);
        EXPECT_FLOAT_EQ(s.P, 1010);
        EXPECT_FLOAT_EQ(s.T, -12.5f);
        EXPECT_FLOAT_EQ(s.H, 2240);
    }
    static void DoubleClick(QWidget* dlg, const std::string& entry)
    {
        QWidget* list = nullptr;
        for (QWidget* c : DialogOf(dlg)->Controls())
            if (GetDlgCtrlID(c) == kZoneBox && c != GetDlgItem(dlg, kZoneBox))
                list = c;
        ASSERT_NE(list, nullptr);
        for (int i = 0; i < ListGetCount(list); ++i)
            if (ListGetText(list, i) == entry)
                ListSetCurSel(list, i);
        ASSERT_EQ(ListGetText(list, ListGetCurSel(list)), entry);
        Command(dlg, kZoneBox, LBN_DBLCLK);
    }
};

} // namespace

TEST_F(ConfigNoRowTest, FirstOpeningWithoutARowShowsTheSettingsInEffectSaysWhyAndOkKeepsThem)
{
    struct Row {
        const char* why;
        const char* place;
        std::function<void()> breakIt;
        const char* shown;
    };
    const Row rows[] = {
        {"a name the database does not hold", "Atlantis, Nowhere", [] {}, kNotInDatabase},
        {"a name removed by a database update", "Sfax", [] { ChangeTestDatabase("delete from nuro where nom='Sfax'"); },
         kNotInDatabase},
        {"no database", "Tunis", [] { QFile::remove(QString::fromStdString(InstalledDatabase())); }, kNoDatabase},
        {"a damaged database", "Tunis",
         [] {
             QFile f(QString::fromStdString(InstalledDatabase()));
             ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
             f.write(QByteArray(4096, 'x'));
         },
         kNoDatabase},
        {"no library", "Tunis", [] { SetPlaceLookup([](const std::string&) { return std::nullopt; }); }, kNoLibrary},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.why);
        SetUp(); // a whole database and the default lookup again
        GiveSettings(r.place);
        r.breakIt();
        OpenConfigDialog();
        QWidget* dlg = ConfigDialogWindow();
        ASSERT_NE(dlg, nullptr);
        EXPECT_EQ(Text(dlg, kName), r.place);
        EXPECT_EQ(Text(dlg, kNotFound), r.shown);
        ExpectFields(dlg, {{kLonDeg, "99"},
                           {kLonMin, "58"},
                           {kLonSec, "59.500"},
                           {kLatDeg, "45"},
                           {kLatMin, "30"},
                           {kLatSec, "12.250"},
                           {kZoneBox, "-5.00"},
                           {kPressure, "1010.00"},
                           {kTemperature, "-12.50"},
                           {kElevation, "2240.00"}});
        EXPECT_FALSE(On(dlg, kEast));
        EXPECT_FALSE(On(dlg, kNorth));
        Command(dlg, kOk);
        const AppSettings s = SnapshotSettings();
        EXPECT_EQ(std::string(s.PlaceName.data()), r.place);
        ExpectCoordinatesKept(s);
        TearDown();
    }
}

TEST_F(ConfigNoRowTest, ChoosingAPlaceWithoutARowKeepsWhatTheDialogHoldsAndAFoundPlaceClearsTheReason)
{
    WriteSettingsFile("Tunis*Atlantis, Nowhere*Sfax*");
    GiveSettings("Atlantis, Nowhere");
    OpenConfigDialog();
    QWidget* dlg = ConfigDialogWindow();
    ASSERT_NE(dlg, nullptr);
    EXPECT_EQ(Text(dlg, kNotFound), kNotInDatabase);

    // A place of the database: its row, and nothing to explain.
    DoubleClick(dlg, "Sfax");
    EXPECT_EQ(Text(dlg, kNotFound), "");
    ExpectFields(dlg, {{kLonDeg, "10"}, {kLonMin, "45"}, {kLatDeg, "34"}, {kElevation, "13.0"}});

    // Then one it lacks: the fields stay as the user left them, edit included, and take effect.
    SetDlgItemText(dlg, kLonSec, "44.25");
    DoubleClick(dlg, "Atlantis, Nowhere");
    EXPECT_EQ(Text(dlg, kNotFound), kNotInDatabase);
    ExpectFields(dlg, {{kLonDeg, "10"}, {kLonMin, "45"}, {kLonSec, "44.25"}, {kLatDeg, "34"}, {kElevation, "13.0"}});
    EXPECT_TRUE(On(dlg, kEast));
    EXPECT_TRUE(On(dlg, kNorth));
    const AppSettings s = SnapshotSettings();
    EXPECT_EQ(std::string(s.PlaceName.data()), "Atlantis, Nowhere");
    EXPECT_EQ(s.D1, 10);
    EXPECT_EQ(s.M1, 45);
    EXPECT_FLOAT_EQ(s.S1, 44.25f);
    EXPECT_EQ(s.D2, 34);
    EXPECT_FLOAT_EQ(s.H, 13);
}
