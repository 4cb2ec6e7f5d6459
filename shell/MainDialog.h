// TDial: the main window's dialog on template 13, shown inside the main frame window.
#pragma once

#include "core/SettingsStore.h"
#include "platform/TControls.h"
#include "platform/TDialog.h"
#include "schedule/Schedule.h"
#include "shell/ExitSequence.h"

#include <array>
#include <functional>
#include <memory>

class QWidget;

namespace nuro {

// Set by AppMain for a start at log-on that STARTUP allows; read once by SetupMainWindow.
extern int StartedAtLogon;

// What the main dialog sets off outside itself. The program uses ProgramHooks(); tests record.
struct MainDialogHooks {
    std::function<void()> loadCalcLibrary;
    std::function<void()> hideToTray;
    std::function<bool()> trayAvailable;
    std::function<void()> openConfig, openExpert, openSummerTime;
    std::function<void()> openSounds; // may be empty
    std::function<void(QWidget*)> showAbout;
    std::function<void(int)> endProcess; // ends the process at once
    ProfileService* profile = nullptr;
};
MainDialogHooks ProgramHooks();

class TDial : public TDialog, public ControlSettings, public TimeDisplay {
public:
    explicit TDial(MainDialogHooks hooks = ProgramHooks());
    ~TDial() override;

    // The may-close answer: every close request ends the program here.
    bool CanClose() override { return ExitProgram(); }
    // Saves, stops the monitor, removes the skin and ends the process with code 1. A failed save is
    // told in a message box after a menu's Exit, and at the next start after any other way out.
    bool ExitProgram(ExitOrigin origin = ExitOrigin::Unattended);

    void UpdateNoticeOffset();
    void UpdateSoundPicture();
    void SetArabicLayout();
    void SetEnglishLayout();

    // The main frame window (the dialog's own top-level window), recorded by set-up.
    QWidget* MainFrame() const { return mainFrame_; }

    bool DispatchCommand(int id, unsigned code) override;

    // The settings held in controls.
    void SetSoundOn(bool on) override;
    bool SoundOn() const override;
    void SetPlusChecked(bool plus) override;
    bool PlusChecked() const override;
    void SetOffsetText(const std::string& text) override;
    std::string OffsetText() const override;
    void ApplyLanguage(bool english) override;
    bool English() const override;

    // Marks the next prayer's time box by its colour (0: none); the pictures stay as drawn.
    void MarkTimeBox(int boxId);
    void SetHijriText(const std::string& text);

    // The six time boxes; the refresh may call this on the monitor thread.
    void SetTimeText(std::size_t slot, const std::string& text) override;

protected:
    void SetupWindow() override { SetupMainWindow(); }
    void SetupMainWindow();

private:
    ProfileService& SettingsProfile() const;
    void TellUnsavedLastTime();
    // Notes of the load on standard error; a settings file that cannot be used in a message too.
    void TellLoadReport(const LoadReport& loaded);
    class Steps;
    void ApplyColourRule();
    void CmHideToTray();
    void CmAbout();
    void CmConfig();
    void CmExpert();
    void CmSummerTime();
    void CmSounds();
    void CmExit();

    MainDialogHooks hooks_;
    TBrush brush_;
    std::array<std::unique_ptr<TEdit>, 6> timeBoxes_;
    TEdit offsetBox_;
    TCheckBox soundBox_;
    TButton soundPicture_;
    TRadioButton afterRadio_;
    TRadioButton beforeRadio_;
    QWidget* mainFrame_ = nullptr;
    std::unique_ptr<Steps> exitSteps_;
    ExitSequence exit_;
    // Gone with the window: a time text handed over just before it closed finds no window to fill.
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
    static const TResponseEntry<TDial> kResponses[];
};

// The one main dialog, set by CreateMainWindow; the tray's Exit and the exit signals use it.
TDial* MainDialog();
void SetMainDialog(TDial* dial);

} // namespace nuro
