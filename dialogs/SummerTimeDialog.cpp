// The Summer Time dialog: the switch and the yearly window in which an hour is added.
#include "dialogs/Dialogs.h"
#include "dialogs/SettingsDialogs.h"
#include "dialogs/SettingsProc.h"
#include "dialogs/SummerRules.h"

#include "core/AppSettings.h"
#include "platform/DialogOps.h"
#include "platform/DialogProc.h"
#include "platform/MessageBox.h"
#include "resources/templates/SettingsTemplates.h"
#include "schedule/Schedule.h"

#include <QWidget>

#include <mutex>

namespace nuro {
namespace {

constexpr int kFromMonth = 101, kFromDay = 102, kToMonth = 103, kToDay = 104;
constexpr int kEnable = 111, kReset = 132, kOk = 155;
constexpr int kAutomatic = 112, kZoneInForce = 113;
constexpr int kSelectionRoom = 3; // two characters and the terminator

struct SummerState {
    QWidget* dlg = nullptr;
    std::function<LocalDate()> today = ReadLocalDate;
};

SummerState& State()
{
    static SummerState state;
    return state;
}

void EnableBoxes(QWidget* dlg, bool enable)
{
    for (int id : {kFromMonth, kFromDay, kToMonth, kToDay})
        EnableDlgItem(dlg, id, enable);
}

// Automatic mode: the window is not used, so its controls rest disabled, and the zone in force today
// is shown; unchecked, the dialog is the window dialog it always was.
void ShowAutomatic(QWidget* dlg)
{
    const bool automatic = Checked(dlg, kAutomatic);
    std::string zone;
    if (automatic) {
        const std::string configured = SnapshotSettings().extra.ZONE;
        zone = ZoneInForceText(SystemZoneRules(), configured, UtcNow());
    }
    SetDlgItemText(dlg, kZoneInForce, zone);
    EnableDlgItem(dlg, kEnable, !automatic);
    EnableDlgItem(dlg, kReset, !automatic);
    EnableBoxes(dlg, !automatic && Checked(dlg, kEnable));
}

void Select(QWidget* dlg, int id, int number)
{
    ListSelectString(GetDlgItem(dlg, id), 0, SummerEntryText(number));
}

std::int32_t Selected(QWidget* dlg, int id)
{
    return ReadSummerNumber(GetDlgItemText(dlg, id, kSelectionRoom));
}

void FillSummerFields(QWidget* dlg)
{
    const AppSettings s = SnapshotSettings();
    for (int i = 1; i <= 12; ++i) {
        ListAddString(GetDlgItem(dlg, kFromMonth), SummerEntryText(i));
        ListAddString(GetDlgItem(dlg, kToMonth), SummerEntryText(i));
    }
    Select(dlg, kFromMonth, s.month1);
    Select(dlg, kToMonth, s.month2);
    for (int i = 1; i <= 31; ++i) {
        ListAddString(GetDlgItem(dlg, kFromDay), SummerEntryText(i));
        ListAddString(GetDlgItem(dlg, kToDay), SummerEntryText(i));
    }
    Select(dlg, kFromDay, s.day1);
    Select(dlg, kToDay, s.day2);
    if (s.SUMMER != 0)
        Check(dlg, kEnable, true);
    EnableBoxes(dlg, s.SUMMER != 0);
    Check(dlg, kAutomatic, s.extra.AUTO_TZ != 0);
    ShowAutomatic(dlg);
}

void ResetSummerFields(QWidget* dlg)
{
    Select(dlg, kFromMonth, 4);
    Select(dlg, kToMonth, 10);
    Select(dlg, kFromDay, 1);
    Select(dlg, kToDay, 1);
    EnableBoxes(dlg, false);
    Check(dlg, kEnable, false);
}

// Window and switch together in one change, so a refresh never sees a new window with an old switch.
void ApplySummerFields(QWidget* dlg, const SummerWindow& window)
{
    const bool enabled = Checked(dlg, kEnable);
    const bool automatic = Checked(dlg, kAutomatic);
    const std::int32_t m1 = Selected(dlg, kFromMonth), m2 = Selected(dlg, kToMonth);
    const std::int32_t d1 = Selected(dlg, kFromDay), d2 = Selected(dlg, kToDay);
    SettingsRecord().Change([&](AppSettings& s) {
        s.val1 = window.val1;
        s.val2 = window.val2;
        s.SUMMER = enabled ? 1 : 0;
        s.month1 = m1;
        s.month2 = m2;
        s.day1 = d1;
        s.day2 = d2;
        s.extra.AUTO_TZ = automatic ? 1 : 0;
    });
}

void Accept(QWidget* dlg)
{
    const auto window = ValidateSummerWindow(State().today().year, Selected(dlg, kFromMonth), Selected(dlg, kFromDay),
                                             Selected(dlg, kToMonth), Selected(dlg, kToDay));
    if (!window) {
        MessageBox(dlg, "ERROR", " DATE", MB_OK);
        ResetSummerFields(dlg);
        return;
    }
    ApplySummerFields(dlg, *window);
    ShowWindow(dlg, false);
}

bool SummerCommand(QWidget* dlg, int id)
{
    if (ActsAsOk(id, kOk)) {
        Accept(dlg);
        return true;
    }
    if (id == kReset) {
        ResetSummerFields(dlg);
        return true;
    }
    if (id == kEnable) {
        EnableBoxes(dlg, Checked(dlg, kEnable));
        return true;
    }
    if (id == kAutomatic) {
        ShowAutomatic(dlg);
        return true;
    }
    return false;
}

bool SummerProc(QWidget* dlg, DialogMessage msg, int id, unsigned)
{
    State().dlg = dlg;
    switch (msg) {
    case DialogMessage::InitDialog:
        PlaceOverMainFrame(dlg);
        FillSummerFields(dlg);
        return true;
    case DialogMessage::Command:
        return SummerCommand(dlg, id & 0xFFFF);
    case DialogMessage::Close:
        return CloseActsAsOk();
    }
    return false;
}

} // namespace

void OpenSummerTimeDialog()
{
    const bool shownBefore = State().dlg != nullptr;
    OpenSettingsDialog(State().dlg, SummerTemplate(), SummerProc);
    // The place (and with it the zone) may have changed while the dialog was hidden.
    if (shownBefore && State().dlg)
        ShowAutomatic(State().dlg);
}

QWidget* SummerTimeDialogWindow()
{
    return State().dlg;
}

void ResetSummerTimeDialog()
{
    SummerState& st = State();
    delete st.dlg;
    st.dlg = nullptr;
}

void SetSummerDateSource(std::function<LocalDate()> today)
{
    State().today = today ? std::move(today) : std::function<LocalDate()>(ReadLocalDate);
}

} // namespace nuro
