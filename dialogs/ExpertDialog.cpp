// The Expert dialog: per-prayer minute additions, twilight angles, the precision and start-up switches,
// and the days added to the Hijri date.
#include "dialogs/Dialogs.h"
#include "dialogs/ExpertRules.h"
#include "dialogs/SettingsDialogs.h"
#include "dialogs/SettingsProc.h"

#include "core/AppSettings.h"
#include "platform/Autostart.h"
#include "core/HijriDate.h"
#include "core/NumberText.h"
#include "platform/DialogOps.h"
#include "platform/DialogProc.h"
#include "platform/Translation.h"
#include "resources/UiTexts.h"
#include "resources/templates/SettingsTemplates.h"
#include "schedule/Schedule.h"

#include <QWidget>

#include <array>
#include <mutex>

namespace nuro {
namespace {

struct AdditionControls {
    int field, minus, plus;
};

// Fajer, Shuroq, Dhohur, Aser, Maghereb, Isha: the order of the six additions in the record.
constexpr std::array<AdditionControls, 6> kAdditions = {{
    {103, 101, 102}, {106, 104, 105}, {109, 107, 108}, {112, 110, 111}, {120, 113, 114}, {118, 116, 117}}};
constexpr int kAngleFajer = 115, kAngleIsha = 119;
constexpr int kPrecision = 135, kStartup = 136;
constexpr int kReset = 132, kOk = 155;
constexpr int kHighLatitudes = 137; // drop-down of the rules, in HIGH_LAT's order
constexpr int kHijriAdjust = 141;
constexpr int kFieldRoom = 11;

struct ExpertState {
    QWidget* dlg = nullptr;
};

ExpertState& State()
{
    static ExpertState state;
    return state;
}

void ApplyExpertFields(QWidget* dlg)
{
    std::array<std::int32_t, 6> additions{};
    for (std::size_t i = 0; i < kAdditions.size(); ++i)
        additions[i] = ReadAddition(GetDlgItemText(dlg, kAdditions[i].field, kFieldRoom), Checked(dlg, kAdditions[i].minus));
    const std::int32_t angleFajer = ReadAngle(GetDlgItemText(dlg, kAngleFajer, kFieldRoom));
    const std::int32_t angleIsha = ReadAngle(GetDlgItemText(dlg, kAngleIsha, kFieldRoom));
    const bool startup = Checked(dlg, kStartup);
    const int rule = ListGetCurSel(GetDlgItem(dlg, kHighLatitudes));

    const std::int32_t hijri = ClampHijriAdjustment(ParseInt(GetDlgItemText(dlg, kHijriAdjust, kFieldRoom)));
    std::lock_guard<std::mutex> guard(SettingsLock());
    AppSettings& s = Settings();
    for (std::size_t i = 0; i < additions.size(); ++i)
        s.corrections[i] = additions[i];
    s.a_faj() = angleFajer;
    s.a_ich() = angleIsha;
    s.STARTUP = startup ? 0 : 1;
    // -1 only before the initialisation filled the list: the value stays as it was.
    if (rule >= 0)
        s.extra.HIGH_LAT = rule;
    s.extra.HIJRI_ADJ = hijri;
}

// The defaults go into the controls only; OK makes them the settings. Precision keeps its state.
void ResetExpertFields(QWidget* dlg)
{
    for (const AdditionControls& c : kAdditions)
        SetDlgItemText(dlg, c.field, "0");
    SetDlgItemText(dlg, kAngleFajer, "108");
    SetDlgItemText(dlg, kAngleIsha, "108");
    for (const AdditionControls& c : kAdditions) {
        Check(dlg, c.minus, true);
        Check(dlg, c.plus, false);
    }
    Check(dlg, kStartup, true);
    ListSetCurSel(GetDlgItem(dlg, kHighLatitudes), kMiddleOfTheNight);
    SetDlgItemText(dlg, kHijriAdjust, "0");
}

void TogglePrecision(QWidget* dlg)
{
    const bool on = Checked(dlg, kPrecision);
    {
        std::lock_guard<std::mutex> guard(SettingsLock());
        Settings().PRECISION = on ? 1 : 0;
    }
    RefreshSchedule();
}

bool ExpertCommand(QWidget* dlg, int id)
{
    if (ActsAsOk(id, kOk)) {
        ApplyExpertFields(dlg);
        // The log-in entry follows the box at once: it is the user's, not only a setting kept until exit.
        UpdateAutostartEntry(Checked(dlg, kStartup));
        RefreshSchedule();
        ShowWindow(dlg, false);
        return true;
    }
    if (id == kReset) {
        ResetExpertFields(dlg);
        return true;
    }
    if (id == kPrecision) {
        TogglePrecision(dlg);
        return true;
    }
    return false;
}

bool ExpertProc(QWidget* dlg, DialogMessage msg, int id, unsigned)
{
    State().dlg = dlg;
    switch (msg) {
    case DialogMessage::InitDialog:
        PlaceOverMainFrame(dlg);
        // Only the index is read back, so the rules can be shown in the interface's language.
        for (const char* rule : kHighLatitudeRuleNames) {
            const QString shown = TranslateData(TextLanguage::Interface, TemplateContext(kExpertTemplateId), rule);
            ListAddString(GetDlgItem(dlg, kHighLatitudes), shown.toStdString());
        }
        ShowExpertFields();
        return true;
    case DialogMessage::Command:
        return ExpertCommand(dlg, id & 0xFFFF);
    case DialogMessage::Close:
        return CloseActsAsOk();
    }
    return false;
}

} // namespace

void ShowExpertFields()
{
    QWidget* dlg = State().dlg;
    if (!dlg)
        return;
    const AppSettings s = SnapshotSettings();
    Check(dlg, kStartup, s.STARTUP == 0);
    Check(dlg, kPrecision, s.PRECISION != 0);
    for (std::size_t i = 0; i < kAdditions.size(); ++i) {
        const AdditionView view = ShowAddition(s.corrections[i]);
        SetDlgItemText(dlg, kAdditions[i].field, view.magnitude);
        Check(dlg, kAdditions[i].minus, view.minus);
        Check(dlg, kAdditions[i].plus, !view.minus);
    }
    SetDlgItemText(dlg, kAngleFajer, ShowAngle(s.corrections[kAngleFaj]));
    SetDlgItemText(dlg, kAngleIsha, ShowAngle(s.corrections[kAngleIch]));
    ListSetCurSel(GetDlgItem(dlg, kHighLatitudes), ReadHighLatitudeRule(s.extra.HIGH_LAT));
    SetDlgItemText(dlg, kHijriAdjust, std::to_string(ClampHijriAdjustment(s.extra.HIJRI_ADJ)));
}

void OpenExpertDialog()
{
    OpenSettingsDialog(State().dlg, ExpertTemplate(), ExpertProc);
}

QWidget* ExpertDialogWindow()
{
    return State().dlg;
}

void ResetExpertDialog()
{
    delete State().dlg;
    State() = ExpertState{};
}

} // namespace nuro
