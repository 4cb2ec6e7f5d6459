// A main dialog in its frame over a settings file of the test's own, with every outside effect recorded.
#pragma once

#include "SettingsText.h"

#include "platform/DialogOps.h"
#include "platform/DialogWindow.h"
#include "platform/os/Profile.h"
#include "platform/TFrameWindow.h"
#include "shell/MainDialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QWidget>

#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

namespace nuro::test {

class SettingsDir {
public:
    SettingsDir()
    {
        dir_ = std::filesystem::temp_directory_path() /
               ("nuro-shell-" + std::to_string(getpid()) + "-" + std::to_string(counter_++));
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_ / "nuro");
        setenv("XDG_CONFIG_HOME", dir_.c_str(), 1);
    }
    ~SettingsDir() { std::filesystem::remove_all(dir_); }
    std::string Path() const { return (dir_ / "nuro" / "nuro.ini").string(); }
    void Write(const std::string& text) const { std::ofstream(Path(), std::ios::binary) << text; }
    std::string Read() const { return ReadWholeFile(Path()); }
    std::map<std::string, std::string> Keys() const { return SettingsKeys(Read()); }

private:
    std::filesystem::path dir_;
    static inline int counter_ = 0;
};

struct Recorder {
    std::vector<std::string> log;
    int Count(const std::string& what) const
    {
        int n = 0;
        for (const auto& e : log)
            n += e == what;
        return n;
    }
};

class MainWindowFixture : public ::testing::Test {
protected:
    void Open(const std::string& settings, bool atLogon = false, bool trayAvailable = true)
    {
        files.Write(settings);
        StartedAtLogon = atLogon ? 1 : 0;
        hideCalls = 0;
        MainDialogHooks h;
        h.loadCalcLibrary = [this] { rec.log.push_back("load library"); };
        h.hideToTray = [this] {
            rec.log.push_back("hide to tray");
            if (++hideCalls > 1 && dial->MainFrame())
                dial->MainFrame()->hide();
        };
        h.trayAvailable = [trayAvailable] { return trayAvailable; };
        h.openConfig = [this] { rec.log.push_back("config"); };
        h.openExpert = [this] { rec.log.push_back("expert"); };
        h.openSummerTime = [this] { rec.log.push_back("summer time"); };
        h.showAbout = [this](QWidget* owner) {
            rec.log.push_back("about");
            aboutOwner = owner;
        };
        h.endProcess = [this](int code) { rec.log.push_back("end " + std::to_string(code)); };
        h.profile = &profile;
        dial = new TDial(std::move(h));
        frame = std::make_unique<TFrameWindow>(nullptr, "NURO V2.0", dial, true);
        frame->SetDialogFrameWithoutTitle(true);
        frame->AssignMenu(13);
        frame->Create();
        QApplication::processEvents();
    }
    void TearDown() override
    {
        frame.reset();
        StartedAtLogon = 0;
    }
    QWidget* Dlg() const { return dial->Window(); }
    QWidget* Item(int id) const { return GetDlgItem(dial->Window(), id); }

    SettingsDir files;
    IniProfile profile;
    Recorder rec;
    TDial* dial = nullptr;
    std::unique_ptr<TFrameWindow> frame;
    QWidget* aboutOwner = nullptr;
    int hideCalls = 0;
};

// Serves events until `done` holds, for at most about five seconds.
template <class F> bool WaitFor(F done)
{
    for (int i = 0; i < 500 && !done(); ++i) {
        QApplication::processEvents(QEventLoop::AllEvents, 5);
        usleep(10000);
    }
    return done();
}

inline std::string Ini(const std::string& body)
{
    return "[SETUP]\n" + body;
}

} // namespace nuro::test
