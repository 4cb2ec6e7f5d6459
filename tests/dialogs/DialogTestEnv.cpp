#include "DialogTestEnv.h"

#include "dialogs/Dialogs.h"
#include "dialogs/SettingsDialogs.h"
#include "platform/DialogOps.h"
#include "platform/DialogWindow.h"
#include "platform/MessageBox.h"
#include "schedule/CalcLibrary.h"

#include <sqlite3.h>

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include <cstdlib>

namespace nuro::test {
namespace {

QTemporaryDir& Root()
{
    static QTemporaryDir dir;
    return dir;
}

std::string RootPath(const char* sub)
{
    return (Root().path() + "/" + sub).toStdString();
}

void MakeDatabase(const std::string& path)
{
    QFile::remove(QString::fromStdString(path));
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(db,
                           "CREATE TABLE nuro (nom TEXT PRIMARY KEY NOT NULL, d1 INTEGER, m1 INTEGER, s1 REAL,"
                           " card1 TEXT, d2 INTEGER, m2 INTEGER, s2 REAL, card2 TEXT, t_zone REAL, p REAL, t REAL,"
                           " h REAL);",
                           nullptr, nullptr, nullptr),
              SQLITE_OK);
    sqlite3_stmt* ins = nullptr;
    sqlite3_prepare_v2(db, "INSERT INTO nuro VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?)", -1, &ins, nullptr);
    for (const PlaceRow& r : TestPlaces()) {
        sqlite3_bind_text(ins, 1, r.nom.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_int(ins, 2, r.d1);
        sqlite3_bind_int(ins, 3, r.m1);
        sqlite3_bind_double(ins, 4, r.s1);
        sqlite3_bind_text(ins, 5, r.card1, -1, SQLITE_STATIC);
        sqlite3_bind_int(ins, 6, r.d2);
        sqlite3_bind_int(ins, 7, r.m2);
        sqlite3_bind_double(ins, 8, r.s2);
        sqlite3_bind_text(ins, 9, r.card2, -1, SQLITE_STATIC);
        sqlite3_bind_double(ins, 10, r.zone);
        sqlite3_bind_double(ins, 11, r.p);
        sqlite3_bind_double(ins, 12, r.t);
        sqlite3_bind_double(ins, 13, r.h);
        ASSERT_EQ(sqlite3_step(ins), SQLITE_DONE) << r.nom;
        sqlite3_reset(ins);
    }
    sqlite3_finalize(ins);
    sqlite3_close(db);
}

// The copy the library reads: the per-user one once the updater made it, else the installed one.
std::string QueryDatabasePath()
{
    const std::string user = RootPath("userdata") + "/nuro/data.ar";
    return QFile::exists(QString::fromStdString(user)) ? user : RootPath("installed") + "/data.ar";
}

} // namespace

const std::vector<PlaceRow>& TestPlaces()
{
    static const std::vector<PlaceRow> places = {
        {"Tunis", 10, 11, 12.5, "E", 36, 48, 30.25, "N", 1, 1013, 20, 0},
        {"Sfax", 10, 45, 36, "E", 34, 44, 24, "N", 1, 1010, 18, 13},
        {"Gabes", 10, 5, 54, "E", 33, 52, 53, "N", 1, 1010, 10, 5},
        {"Tunis, Tunisia", 10, 10, 53, "E", 36, 48, 23, "N", 1, 1010, 10, 4},
        {"tunis, tunisia lower", 9, 9, 9, "E", 35, 35, 35, "N", 1, 1000, 15, 7},
        {"N'Djamena, Chad", 15, 2, 40, "E", 12, 6, 47, "N", 1, 1005, 28, 298},
        {"Lima, Peru", 77, 2, 0, "W", 12, 2, 0, "S", -5, 1012, 19, 154},
    };
    return places;
}

void WriteSettingsFile(const std::string& t1)
{
    const QString dir = Root().path() + "/config/nuro";
    QDir().mkpath(dir);
    QFile file(dir + "/nuro.ini");
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(("[SETUP]\nt1=" + t1 + "\n").c_str());
}

void ChangeTestDatabase(const std::string& sql)
{
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(QueryDatabasePath().c_str(), &db), SQLITE_OK);
    EXPECT_EQ(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr), SQLITE_OK) << sql;
    sqlite3_close(db);
}

std::string UserDatabasePath()
{
    return RootPath("userdata") + "/nuro/data.ar";
}

std::string QueryRow(const std::string& name)
{
    return Calc().Connect5(PlaceQuery(name)).value_or("");
}

bool WaitFor(const std::function<bool()>& done, int seconds)
{
    QDeadlineTimer deadline(seconds * 1000);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(20);
    }
    return true;
}

void DialogTest::SetUp()
{
    ASSERT_TRUE(Root().isValid());
    setenv("XDG_CONFIG_HOME", RootPath("config").c_str(), 1);
    setenv("XDG_DATA_HOME", RootPath("userdata").c_str(), 1);
    setenv("NURO_DATA_DIR", RootPath("installed").c_str(), 1);
    QDir().mkpath(QString::fromStdString(RootPath("installed")));
    MakeDatabase(RootPath("installed") + "/data.ar");
    QFile::remove(QString::fromStdString(UserDatabasePath()));
    WriteSettingsFile("Tunis*Sfax*Gabes*Tunis, Tunisia*tunis, tunisia lower*N'Djamena, Chad*Lima, Peru*");
    {
        std::lock_guard<std::mutex> guard(SettingsLock());
        Settings() = AppSettings{};
    }
    ResetSettingsDialogs();
    SetPlaceUpdater({});
    SetPlaceLookup({});
    SetSummerDateSource({});
    ClearAskedMessages();
    SetTimeDisplay(&display);
    RefreshOnSettingsChanges();
    mainFrame.setGeometry(100, 50, 300, 400);
    SetDialogsMainFrame(&mainFrame);
}

void DialogTest::TearDown()
{
    ResetSettingsDialogs();
    SetTimeDisplay(nullptr);
    SetDialogsMainFrame(nullptr);
}

void DialogTest::EditSettings(const std::function<void(AppSettings&)>& edit)
{
    std::lock_guard<std::mutex> guard(SettingsLock());
    edit(Settings());
}

void Command(QWidget* dlg, int id, unsigned code)
{
    ASSERT_NE(DialogOf(dlg), nullptr);
    DialogOf(dlg)->SendCommand(id, code);
}

void Click(QWidget* dlg, int id)
{
    auto* button = qobject_cast<QAbstractButton*>(GetDlgItem(dlg, id));
    ASSERT_NE(button, nullptr) << id;
    button->click();
}

bool On(QWidget* dlg, int id)
{
    return IsDlgButtonChecked(dlg, id) == BST_CHECKED;
}

} // namespace nuro::test
