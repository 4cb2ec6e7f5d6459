// The Config dialog's place search with the keyboard alone, over the database the build ships: type,
// arrows, Enter; and the first start's offer of the largest places of the computer's zone.
#include "DialogTestEnv.h"

#include "dialogs/Dialogs.h"
#include "dialogs/SettingsDialogs.h"
#include "places/Places.h"
#include "platform/DialogOps.h"
#include "platform/DialogWindow.h"
#include "platform/os/GeoClueBus.h"

#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>

#include <cstdlib>
#include <string>

using namespace nuro;
using namespace nuro::test;

namespace {

constexpr int kName = 101, kLatDeg = 109, kNote = 138, kSearch = 140, kMatches = 142, kQibla = 143, kLocate = 144;

class ConfigSearchTest : public DialogTest {
protected:
    void SetUp() override
    {
        DialogTest::SetUp();
        setenv("NURO_DATA_DIR", NURO_BUILD_SHARE, 1); // the shipped places
    }
    static std::string ConfigFileText()
    {
        QFile f(QString::fromUtf8(std::getenv("XDG_CONFIG_HOME")) + "/nuro/nuro.ini");
        return f.open(QIODevice::ReadOnly) ? f.readAll().toStdString() : std::string();
    }
};

TEST_F(ConfigSearchTest, TypingArrowsAndEnterTakeAPlace)
{
    WriteSettingsFile("Tunis, Tunisia*Sfax, Tunisia*");
    EditSettings([](AppSettings& s) {
        SetPlaceName(s, "Tunis, Tunisia");
        s.ASER = 2;
        s.extra.ASER_OWN = 1; // the user's own school stays
    });
    OpenConfigDialogToChoosePlace("Africa/Tunis");
    QWidget* dlg = ConfigDialogWindow();
    ASSERT_NE(dlg, nullptr);
    auto* search = qobject_cast<QLineEdit*>(GetDlgItem(dlg, kSearch));
    auto* matches = qobject_cast<QListWidget*>(GetDlgItem(dlg, kMatches));
    ASSERT_TRUE(search && matches);
    // The first start's offer: the zone's largest places, the search focused.
    EXPECT_TRUE(WaitFor([&] { return search->hasFocus(); }, 5));
    ASSERT_GT(matches->count(), 1);
    EXPECT_TRUE(matches->item(0)->text().startsWith("Tunis, Tunisia")) << matches->item(0)->text().toStdString();

    QTest::keyClicks(search, "london");
    ASSERT_GT(matches->count(), 1);
    EXPECT_TRUE(matches->item(0)->text().startsWith("London, United Kingdom"))
        << matches->item(0)->text().toStdString();
    EXPECT_EQ(matches->currentRow(), 0);
    QTest::keyClick(search, Qt::Key_Down);
    QTest::keyClick(search, Qt::Key_Down);
    EXPECT_EQ(matches->currentRow(), 2);
    QTest::keyClick(search, Qt::Key_Up);
    QTest::keyClick(search, Qt::Key_Up);
    QTest::keyClick(search, Qt::Key_Up); // stays on the first
    EXPECT_EQ(matches->currentRow(), 0);
    QTest::keyClick(search, Qt::Key_Return);

    const AppSettings s = SnapshotSettings();
    EXPECT_STREQ(s.PlaceName.data(), "London, United Kingdom");
    EXPECT_EQ(s.D2, 51);
    EXPECT_EQ(s.CARD1, 'W');
    EXPECT_EQ(s.CARD2, 'N');
    EXPECT_EQ(s.extra.ZONE, "Europe/London");
    EXPECT_EQ(s.ASER, 2); // the user's own school, not the country's
    EXPECT_EQ(s.extra.METHOD, "AUTO"); // the method of the place's country
    EXPECT_EQ(s.extra.country, "GB");
    EXPECT_FALSE(s.extra.methodInForce.empty());
    EXPECT_EQ(s.corrections[kDho], 0); // no additions of the user's under a method
    EXPECT_FALSE(places::PlaceNotChosen());
    EXPECT_EQ(GetDlgItemText(dlg, kName, 100), "London, United Kingdom");
    EXPECT_EQ(GetDlgItemText(dlg, kLatDeg, 100), "51");
    EXPECT_EQ(GetDlgItemText(dlg, kQibla, 100).substr(0, 12), "Qibla: 119.0");
    // It joined the user's own list, written at once.
    EXPECT_NE(ConfigFileText().find("t1=Tunis, Tunisia*Sfax, Tunisia*London, United Kingdom*"), std::string::npos)
        << ConfigFileText();
    EXPECT_GT(display.Refreshes(), 0);
}

// "Locate me" against a stand-in location service on a private bus: where it gives a position the
// nearest places are offered and Enter takes one; where it refuses or gives nothing in time the button
// goes, with the reason under the place. The button is worked by the keyboard alone.
TEST_F(ConfigSearchTest, LocateMeOffersTheNearestPlacesOrGoesWhenTheDesktopGivesNone)
{
    if (QStandardPaths::findExecutable("dbus-run-session").isEmpty())
        GTEST_SKIP() << "no dbus-run-session (package dbus)";
    const struct {
        QStringList service; // the stand-in's mode and position
        const char* first; // the nearest place offered; "" when the button goes instead
        const char* note; // the line under the place after the asking
    } rows[] = {
        {{"located", "34.74", "10.76"}, "Sfax, Tunisia", ""},
        {{"refused"}, "", "The desktop refused to give the position"},
        {{"silent"}, "", "The desktop gave no position"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.service.join(' ').toStdString());
        QProcess service;
        service.start("dbus-run-session", QStringList{"--", NURO_GEOCLUE_STANDIN} + r.service);
        ASSERT_TRUE(service.waitForStarted());
        QByteArray said;
        const auto saidLine = [&](const QByteArray& line) {
            said += service.readAllStandardOutput();
            return said.split('\n').contains(line);
        };
        ASSERT_TRUE(WaitFor([&] { return said += service.readAllStandardOutput(), said.contains('\n'); }, 10))
            << service.readAllStandardError().toStdString();
        ASSERT_TRUE(said.startsWith("BUS ")) << said.toStdString();
        SetGeoClueBus(said.mid(4, said.indexOf('\n') - 4).toStdString(), 1500);

        ResetSettingsDialogs();
        WriteSettingsFile("Tunis, Tunisia*Sfax, Tunisia*");
        EditSettings([](AppSettings& s) { SetPlaceName(s, "Tunis, Tunisia"); });
        OpenConfigDialog();
        QWidget* dlg = ConfigDialogWindow();
        ASSERT_NE(dlg, nullptr);
        auto* locate = qobject_cast<QPushButton*>(GetDlgItem(dlg, kLocate));
        auto* search = qobject_cast<QLineEdit*>(GetDlgItem(dlg, kSearch));
        auto* matches = qobject_cast<QListWidget*>(GetDlgItem(dlg, kMatches));
        ASSERT_TRUE(locate && search && matches);
        ASSERT_TRUE(WaitFor([&] { return IsDlgItemVisible(dlg, kLocate); }, 10)) << "the service is there";
        EXPECT_FALSE(locate->accessibleName().isEmpty());
        locate->setFocus();
        QTest::keyClick(locate, Qt::Key_Space);
        if (*r.first) {
            ASSERT_TRUE(WaitFor([&] { return matches->isVisible() && matches->count() > 0; }, 10));
            EXPECT_TRUE(matches->item(0)->text().startsWith(r.first)) << matches->item(0)->text().toStdString();
            EXPECT_TRUE(search->hasFocus());
            QTest::keyClick(search, Qt::Key_Return);
            EXPECT_STREQ(SnapshotSettings().PlaceName.data(), r.first);
            EXPECT_TRUE(IsDlgItemVisible(dlg, kLocate));
        } else {
            EXPECT_TRUE(WaitFor([&] { return !IsDlgItemVisible(dlg, kLocate); }, 10)) << "the button goes";
            EXPECT_STREQ(SnapshotSettings().PlaceName.data(), "Tunis, Tunisia");
        }
        EXPECT_EQ(GetDlgItemText(dlg, kNote, 200), r.note);
        // Asked once, as NURO, for a town's accuracy, and let go of.
        EXPECT_TRUE(WaitFor([&] { return saidLine("STOP"); }, 10)) << said.toStdString();
        EXPECT_TRUE(saidLine("SET DesktopId nuro")) << said.toStdString();
        EXPECT_TRUE(saidLine("SET RequestedAccuracyLevel 4")) << said.toStdString();
        EXPECT_EQ(said.count("START\n"), 1) << said.toStdString();
        service.closeWriteChannel();
        EXPECT_TRUE(service.waitForFinished());
    }
    SetGeoClueBus({});
}

} // namespace
