// The real program in a child process on the offscreen platform: the "S" rule, the single instance
// and the exit codes, with the settings file they leave.
#include "ShellFixture.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>

#include <csignal>
#include <filesystem>
#include <thread>

using namespace nuro::test;
namespace fs = std::filesystem;

namespace {

constexpr int kWaitMs = 15000;

class ProgramTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        runtime = fs::temp_directory_path() / ("nuro-rt-" + std::to_string(getpid()));
        fs::remove_all(runtime);
        fs::create_directories(runtime);
        fs::permissions(runtime, fs::perms::owner_all);
    }
    void TearDown() override
    {
        for (auto& p : running)
            if (p->state() != QProcess::NotRunning) {
                p->kill();
                p->waitForFinished(kWaitMs);
            }
        fs::remove_all(runtime);
    }
    QProcess* Start(QStringList args, const QString& display = {})
    {
        auto env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", display.isEmpty() ? "offscreen" : "xcb");
        if (!display.isEmpty())
            env.insert("DISPLAY", display);
        env.insert("XDG_CONFIG_HOME", QString::fromStdString(fs::path(files.Path()).parent_path().parent_path()));
        env.insert("XDG_RUNTIME_DIR", QString::fromStdString(runtime.string()));
        running.push_back(std::make_unique<QProcess>());
        QProcess* p = running.back().get();
        p->setProcessEnvironment(env);
        p->start(NURO_PROGRAM, args);
        EXPECT_TRUE(p->waitForStarted(kWaitMs));
        return p;
    }
    // Running means listening for later starts.
    bool WaitUntilRunning() const
    {
        return WaitFor([this] { return fs::exists(runtime / "nuro.socket"); });
    }
    int Finish(QProcess* p)
    {
        EXPECT_TRUE(p->waitForFinished(kWaitMs));
        return p->exitStatus() == QProcess::NormalExit ? p->exitCode() : -1;
    }
    void Terminate(QProcess* p, int sig) { ::kill(static_cast<pid_t>(p->processId()), sig); }

    SettingsDir files;
    fs::path runtime;
    std::vector<std::unique_ptr<QProcess>> running;
};

const std::string kPrepared = Ini("t1=Tunis*Sfax*Sousse*\nCOUNTRY=Sfax\nSound=0\nINC_DEC=5\nRadio_inc=1\n"
                                  "D1=10\nM1=45\nCARD1=E\nD2=34\nM2=44\nCARD2=N\nT_ZONE=1\n");

} // namespace

TEST_F(ProgramTest, StartAtLogonFollowsTheStartupSwitch)
{
    struct Row {
        const char* startup; // nullptr: key absent
        QStringList args;
        bool runs;
    };
    const Row rows[] = {
        {"1", {"S"}, false},     {"1", {"s"}, true}, // exact, case-sensitive
        {"1", {"x", "S"}, true}, // only the first argument
        {"1", {}, true},         {"0", {"S"}, true}, {nullptr, {"S"}, true},
    };
    for (const Row& r : rows) {
        const std::string text = kPrepared + (r.startup ? std::string("STARTUP=") + r.startup + "\n" : "");
        files.Write(text);
        QProcess* p = Start(r.args);
        const std::string label =
            (r.startup ? r.startup : "absent") + std::string(" ") + r.args.join(' ').toStdString();
        if (!r.runs) {
            EXPECT_EQ(Finish(p), 0) << label;
            EXPECT_EQ(files.Read(), text) << label << ": the file is untouched";
            continue;
        }
        ASSERT_TRUE(WaitUntilRunning()) << label;
        Terminate(p, SIGTERM);
        EXPECT_EQ(Finish(p), 1) << label;
        auto keys = files.Keys();
        EXPECT_EQ(keys.size(), 36u) << label;
        EXPECT_EQ(keys["STARTUP"], r.startup && std::string(r.startup) == "1" ? "1" : "0") << label;
    }
}

TEST_F(ProgramTest, EveryExitSignalSavesAllKeysAndEndsWithOne)
{
    for (int sig : {SIGTERM, SIGINT, SIGHUP}) {
        files.Write(kPrepared);
        QProcess* p = Start({});
        ASSERT_TRUE(WaitUntilRunning()) << sig;
        Terminate(p, sig);
        EXPECT_EQ(Finish(p), 1) << sig;
        auto keys = files.Keys();
        EXPECT_EQ(keys.size(), 36u) << sig;
        EXPECT_EQ(keys["t1"], "Tunis*Sfax*Sousse*") << sig;
        EXPECT_EQ(keys["COUNTRY"], "Sfax") << sig;
        EXPECT_EQ(keys["INC_DEC"], "5") << sig;
        EXPECT_EQ(keys["ASER"], "STANDARD") << sig;
        EXPECT_FALSE(fs::exists(runtime / "nuro.socket")) << sig;
    }
}

TEST_F(ProgramTest, ASecondStartEndsWithZeroAndLeavesTheFirstRunning)
{
    files.Write(kPrepared);
    QProcess* first = Start({});
    ASSERT_TRUE(WaitUntilRunning());
    for (const QStringList& args : {QStringList{}, QStringList{"S"}}) {
        QProcess* second = Start(args);
        EXPECT_EQ(Finish(second), 0) << args.join(' ').toStdString();
        EXPECT_EQ(first->state(), QProcess::Running);
    }
    EXPECT_EQ(files.Read(), kPrepared) << "only the first instance writes, at its exit";
    Terminate(first, SIGTERM);
    EXPECT_EQ(Finish(first), 1);
    // The claim is given up with the process: the next start runs.
    QProcess* next = Start({});
    ASSERT_TRUE(WaitUntilRunning());
    Terminate(next, SIGTERM);
    EXPECT_EQ(Finish(next), 1);
}

TEST_F(ProgramTest, AFailedSaveIsReportedOnOneLineAndStillEndsWithOne)
{
    files.Write(kPrepared);
    QProcess* p = Start({});
    ASSERT_TRUE(WaitUntilRunning());
    // A folder where the file should be: the replace fails, also for root.
    fs::remove(files.Path());
    fs::create_directories(fs::path(files.Path()) / "x");
    Terminate(p, SIGTERM);
    EXPECT_EQ(Finish(p), 1);
    std::string err = p->readAllStandardError().toStdString();
    std::string line;
    std::istringstream in(err);
    int ours = 0;
    while (std::getline(in, line))
        ours += line.rfind("nuro: settings not saved: ", 0) == 0;
    EXPECT_EQ(ours, 1) << err;
    fs::remove_all(files.Path());
}

TEST_F(ProgramTest, ALostDisplayConnectionStillSavesAllKeysAndEndsWithOne)
{
    // The X server ending under the program (the session closing) makes Qt call exit() itself.
    const QString xvfb = QStandardPaths::findExecutable("Xvfb");
    if (xvfb.isEmpty())
        GTEST_SKIP() << "Xvfb is not installed";
    QProcess server;
    server.start(xvfb, {"-displayfd", "1", "-nolisten", "tcp", "-screen", "0", "1024x768x24"});
    ASSERT_TRUE(server.waitForStarted(kWaitMs));
    ASSERT_TRUE(WaitFor([&server] {
        server.waitForReadyRead(10);
        return server.canReadLine();
    }));
    const QString display = ":" + QString::fromLatin1(server.readLine()).trimmed();

    files.Write(kPrepared);
    QProcess* p = Start({}, display);
    ASSERT_TRUE(WaitUntilRunning());
    server.terminate();
    ASSERT_TRUE(server.waitForFinished(kWaitMs));
    EXPECT_EQ(Finish(p), 1) << p->readAllStandardError().toStdString();
    auto keys = files.Keys();
    EXPECT_EQ(keys.size(), 36u);
    EXPECT_EQ(keys["t1"], "Tunis*Sfax*Sousse*");
    EXPECT_EQ(keys["INC_DEC"], "5");
    EXPECT_FALSE(fs::exists(runtime / "nuro.socket"));
}

// What a user meets across two runs: leftovers of a killed save are gone once the program started, and
// a save that a signal's exit could not make (a read-only file, kept as it is) is told at the next start.
TEST_F(ProgramTest, AFailedSaveAtASignalIsToldAtTheNextStartAndLeftoversAreCleaned)
{
    files.Write(kPrepared);
    const fs::path dir = fs::path(files.Path()).parent_path();
    const fs::path leftover = dir / "nuro.ini.aB3xZ9";
    const fs::path note = files.Path() + ".not-saved";
    std::ofstream(leftover) << "half a save";
    QProcess* first = Start({});
    ASSERT_TRUE(WaitUntilRunning());
    EXPECT_FALSE(fs::exists(leftover));

    fs::permissions(files.Path(), fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    Terminate(first, SIGTERM);
    EXPECT_EQ(Finish(first), 1);
    EXPECT_NE(first->readAllStandardError().toStdString().find("nuro: settings not saved: "), std::string::npos);
    EXPECT_EQ(files.Read(), kPrepared);
    EXPECT_TRUE(fs::exists(note));

    fs::permissions(files.Path(), fs::perms::owner_write, fs::perm_options::add);
    QProcess* next = Start({});
    ASSERT_TRUE(WaitUntilRunning());
    std::string err;
    EXPECT_TRUE(WaitFor([&] {
        err += next->readAllStandardError().toStdString();
        return err.find("settings were not saved when NURO last ended") != std::string::npos;
    })) << err;
    EXPECT_FALSE(fs::exists(note)) << "told once";
    Terminate(next, SIGTERM);
    EXPECT_EQ(Finish(next), 1);
    EXPECT_EQ(files.Keys().size(), 36u) << "this time the save is made";
}
