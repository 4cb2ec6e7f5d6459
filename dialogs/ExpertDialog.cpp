// The Expert dialog: per-prayer minute additions, twilight angles, the precision and start-up switches,
// and the days added to the Hijri date.
#include "dialogs/Dialogs.h"
#include "dialogs/ExpertRules.h"
#include "dialogs/SettingsDialogs.h"
#include "dialogs/SettingsProc.h"

#include "core/AppSettings.h"
#include "platform/os/Autostart.h"
#include "core/HijriDate.h"
#include "core/NumberText.h"
#include "platform/DialogOps.h"
#include "platform/DialogProc.h"
#include "platform/Translation.h"
#include "resources/UiTexts.h"
#include "resources/templates/SettingsTemplates.h"
#include "schedule/Methods.h"
#include "schedule/Schedule.h"

#include <QWidget>

#include <cmath>

#include <algorithm>
#include <array>
#include <initializer_list>
#include <mutex>
#include <string>
#include <vector>

namespace nuro {
namespace {

struct AdditionControls {
    int field, minus, plus;
};

// Fajer, Shuroq, Dhohur, Aser, Maghereb, Isha: the order of the six additions in the record.
constexpr std::array<AdditionControls, 6> kAdditions = {
    {{103, 101, 102}, {106, 104, 105}, {109, 107, 108}, {112, 110, 111}, {120, 113, 114}, {118, 116, 117}}};
constexpr int kAngleFajer = 115, kAngleIsha = 119;
constexpr int kPrecision = 135, kStartup = 136;
constexpr int kReset = 132, kOk = 155;
constexpr int kHighLatitudes = 137; // drop-down of the rules, in HIGH_LAT's order
constexpr int kHijriAdjust = 141;
constexpr int kFieldRoom = 11;
constexpr int kMethod = 143; // drop-down: the place's country's, the named methods, then Custom
constexpr int kMethodText = 144; // what the chosen method is, in one line
constexpr int kIshaByInterval = 145; // Isha minutes after Maghereb instead of its angle
constexpr int kIshaInterval = 146;
constexpr int kMethodMinutes = 147; // the named method's own minutes
constexpr std::int32_t kMaxIshaInterval = 1440;

struct ExpertState {
    QWidget* dlg = nullptr;
    // The drop-down's entries after the first (the place's country's): the named methods' ids, then ""
    // for Custom.
    std::vector<std::string> methods;
    int shown = -1; // the entry the fields show
    AppSettings shownFrom; // the settings the fields were last filled from
};

ExpertState& State()
{
    static ExpertState state;
    return state;
}

QString Tr(const char* text)
{
    return TranslateData(TextLanguage::Interface, TemplateContext(kExpertTemplateId), text);
}

// The drop-down's entry for METHOD: 0 the place's country's, then the named methods, Custom last.
int MethodEntry(const ExpertState& st, const std::string& method)
{
    const int custom = static_cast<int>(st.methods.size());
    if (method.empty())
        return custom;
    for (int i = 0; i + 1 < custom; ++i)
        if (st.methods[i] == method)
            return i + 1;
    return 0; // AUTO, and an id this library lacks, which computes as AUTO does
}

bool IsCustom(const ExpertState& st, int entry)
{
    return entry == static_cast<int>(st.methods.size());
}

// The method of an entry: AUTO's is the one the place's country has.
std::string EntryMethod(const ExpertState& st, int entry, const AppSettings& s)
{
    if (entry == 0) {
        AppSettings copy = s;
        if (copy.extra.methodInForce.empty() || copy.extra.METHOD != kAutoMethod) {
            copy.extra.METHOD = kAutoMethod;
            ResolvePlaceMethod(Calc(), copy);
        }
        return copy.extra.methodInForce;
    }
    return IsCustom(st, entry) ? std::string() : st.methods[entry - 1];
}

// The Expert dialog's words for a method, in the interface's language.
std::string Word(const char* english)
{
    return Tr(english).toStdString();
}

// The method in one line, in the interface's language: "Umm al-Qura, Makkah: Fajr 18.5°, Isha 90 min
// after Maghreb, 120 in Ramadan".
std::string DescribeMethod(const std::string& id, const nuro_method& m)
{
    return Word(Calc().MethodName(id).c_str()) + ": " +
           MethodParametersText(m, Word, ReadingSignsOf(InterfaceLanguage()));
}

void SetMethodFieldsEditable(QWidget* dlg, bool editable)
{
    for (int id : {kAngleFajer, kAngleIsha, kIshaInterval})
        SetDlgItemReadOnly(dlg, id, !editable);
    EnableDlgItem(dlg, kIshaByInterval, editable);
}

// The custom values as the settings hold them: the angles in a_faj's convention, decimals from ANGLE_*.
void ShowCustomFields(QWidget* dlg, const AppSettings& s)
{
    AppSettings copy = s;
    SetDlgItemText(dlg, kAngleFajer, s.extra.ANGLE_FAJ.empty() ? ShowAngle(copy.a_faj()) : s.extra.ANGLE_FAJ);
    SetDlgItemText(dlg, kAngleIsha, s.extra.ANGLE_ICH.empty() ? ShowAngle(copy.a_ich()) : s.extra.ANGLE_ICH);
    Check(dlg, kIshaByInterval, s.extra.ISHA_INTERVAL > 0);
    SetDlgItemText(dlg, kIshaInterval, s.extra.ISHA_INTERVAL > 0 ? std::to_string(s.extra.ISHA_INTERVAL) : "");
    SetDlgItemText(dlg, kMethodText, Tr("Custom: your own angles, Isha interval and minutes").toStdString());
    SetDlgItemText(dlg, kMethodMinutes, "");
}

// Shows an entry: a named method's parameters read-only, or the custom values to edit. Turning from a
// named method to Custom by hand starts the custom values from that method, its minutes added to the
// user's, so the times stay where they were until the user changes them.
void ShowMethodEntry(QWidget* dlg, int entry, bool byUser)
{
    ExpertState& st = State();
    const AppSettings s = SnapshotSettings();
    const int previous = st.shown;
    st.shown = entry;
    ListSetCurSel(GetDlgItem(dlg, kMethod), entry);
    if (IsCustom(st, entry)) {
        const std::string from = previous >= 0 && !IsCustom(st, previous) ? EntryMethod(st, previous, s) : "";
        const std::optional<nuro_method> m = from.empty() ? std::nullopt : Calc().Method(from);
        if (byUser && m) {
            SetDlgItemText(dlg, kAngleFajer, AngleText(m->fajr_angle));
            SetDlgItemText(dlg, kAngleIsha, m->isha_rule == NURO_ISHA_ANGLE ? AngleText(m->isha_angle) : "18");
            Check(dlg, kIshaByInterval, m->isha_rule == NURO_ISHA_INTERVAL);
            SetDlgItemText(dlg, kIshaInterval,
                           m->isha_rule == NURO_ISHA_INTERVAL ? std::to_string(m->isha_minutes) : "");
            for (std::size_t i = 0; i < kAdditions.size(); ++i) {
                const std::int32_t mine = ReadAddition(GetDlgItemText(dlg, kAdditions[i].field, kFieldRoom),
                                                       Checked(dlg, kAdditions[i].minus));
                const AdditionView view = ShowAddition(mine + m->minutes[i]);
                SetDlgItemText(dlg, kAdditions[i].field, view.magnitude);
                Check(dlg, kAdditions[i].minus, view.minus);
                Check(dlg, kAdditions[i].plus, !view.minus);
            }
            SetDlgItemText(dlg, kMethodText, Tr("Custom: your own angles, Isha interval and minutes").toStdString());
            SetDlgItemText(dlg, kMethodMinutes, "");
        } else {
            ShowCustomFields(dlg, s);
        }
        SetMethodFieldsEditable(dlg, true);
        return;
    }
    const std::string id = EntryMethod(st, entry, s);
    const std::optional<nuro_method> m = Calc().Method(id);
    SetMethodFieldsEditable(dlg, false);
    if (!m) {
        ShowCustomFields(dlg, s);
        return;
    }
    const bool seasonalFajr = m->fajr_rule == NURO_FAJR_MOONSIGHTING;
    SetDlgItemText(dlg, kAngleFajer, AngleText(m->fajr_angle) + (seasonalFajr ? "*" : ""));
    SetDlgItemText(dlg, kAngleIsha, m->isha_rule == NURO_ISHA_INTERVAL ? std::string() : AngleText(m->isha_angle));
    Check(dlg, kIshaByInterval, m->isha_rule == NURO_ISHA_INTERVAL);
    SetDlgItemText(dlg, kIshaInterval, m->isha_rule == NURO_ISHA_INTERVAL ? std::to_string(m->isha_minutes) : "");
    std::string line = DescribeMethod(id, *m);
    if (entry == 0)
        line = Tr("From the place's country").toStdString() + " \u2014 " + line;
    SetDlgItemText(dlg, kMethodText, line);
    SetDlgItemText(dlg, kMethodMinutes, MethodMinutesText(*m, Word, ReadingSignsOf(InterfaceLanguage())));
}

// A custom angle as typed: whole degrees stay in a_faj/a_ich as ever, decimals go to ANGLE_*.
void ReadCustomAngle(const std::string& text, std::int32_t& whole, std::string& real)
{
    if (text.find('.') == std::string::npos) {
        whole = ReadAngle(text);
        real.clear();
        return;
    }
    const double value = ParseReal(text);
    if (!std::isfinite(value) || std::fabs(value) > 180.0 || value == std::trunc(value)) {
        whole = std::isfinite(value) && std::fabs(value) <= 180.0 ? static_cast<std::int32_t>(value) : 0;
        real.clear();
        return;
    }
    real = AngleText(value);
    // Older versions read a_faj alone: the nearest whole degree keeps them close.
    whole = static_cast<std::int32_t>(std::lround(value));
}

void ApplyExpertFields(QWidget* dlg)
{
    std::array<std::int32_t, 6> additions{};
    for (std::size_t i = 0; i < kAdditions.size(); ++i)
        additions[i] =
            ReadAddition(GetDlgItemText(dlg, kAdditions[i].field, kFieldRoom), Checked(dlg, kAdditions[i].minus));
    const ExpertState& st = State();
    const int entry = st.shown;
    const bool custom = entry < 0 || IsCustom(st, entry);
    std::int32_t angleFajer = 0, angleIsha = 0;
    std::string realFajer, realIsha;
    ReadCustomAngle(GetDlgItemText(dlg, kAngleFajer, kFieldRoom), angleFajer, realFajer);
    ReadCustomAngle(GetDlgItemText(dlg, kAngleIsha, kFieldRoom), angleIsha, realIsha);
    const std::int32_t interval =
        Checked(dlg, kIshaByInterval)
            ? std::clamp<std::int32_t>(ReadAngle(GetDlgItemText(dlg, kIshaInterval, kFieldRoom)), 0, kMaxIshaInterval)
            : 0;
    const std::string method = custom ? std::string() : entry == 0 ? std::string(kAutoMethod) : st.methods[entry - 1];
    // What METHOD means at the place in force, asked before the settings are locked.
    AppSettings resolved = SnapshotSettings();
    resolved.extra.METHOD = method;
    ResolvePlaceMethod(Calc(), resolved);
    const bool startup = Checked(dlg, kStartup);
    const int rule = ListGetCurSel(GetDlgItem(dlg, kHighLatitudes));

    const std::int32_t hijri = ClampHijriAdjustment(ParseInt(GetDlgItemText(dlg, kHijriAdjust, kFieldRoom)));
    const auto edit = [&](AppSettings& s) {
        for (std::size_t i = 0; i < additions.size(); ++i)
            s.corrections[i] = additions[i];
        // A named method leaves the custom values as they were, for a return to Custom.
        if (custom) {
            s.a_faj() = angleFajer;
            s.a_ich() = angleIsha;
            s.extra.ANGLE_FAJ = realFajer;
            s.extra.ANGLE_ICH = realIsha;
            s.extra.ISHA_INTERVAL = interval;
        }
        s.extra.METHOD = method;
        s.extra.methodInForce = resolved.extra.methodInForce;
        s.extra.country = resolved.extra.country;
        s.STARTUP = startup ? 0 : 1;
        // -1 only before the initialisation filled the list: the value stays as it was.
        if (rule >= 0)
            s.extra.HIGH_LAT = rule;
        s.extra.HIJRI_ADJ = hijri;
    };
    SettingsRecord().Change(edit, &State());
}

// The defaults go into the controls only; OK makes them the settings. Precision keeps its state.
void ResetExpertFields(QWidget* dlg)
{
    for (const AdditionControls& c : kAdditions)
        SetDlgItemText(dlg, c.field, "0");
    if (IsCustom(State(), State().shown)) {
        SetDlgItemText(dlg, kAngleFajer, "108");
        SetDlgItemText(dlg, kAngleIsha, "108");
        Check(dlg, kIshaByInterval, false);
        SetDlgItemText(dlg, kIshaInterval, "");
    }
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
    SettingsRecord().Change([on](AppSettings& s) { s.PRECISION = on ? 1 : 0; }, &State());
}

bool ExpertCommand(QWidget* dlg, int id)
{
    if (ActsAsOk(id, kOk)) {
        ApplyExpertFields(dlg);
        // The log-in entry follows the box at once: it is the user's, not only a setting kept until exit.
        UpdateAutostartEntry(Checked(dlg, kStartup));
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
    if (id == kMethod) {
        const int entry = ListGetCurSel(GetDlgItem(dlg, kMethod));
        if (entry >= 0 && entry != State().shown)
            ShowMethodEntry(dlg, entry, true);
        return true;
    }
    return false;
}

void FillMethodList(QWidget* dlg)
{
    ExpertState& st = State();
    st.methods = Calc().MethodIds();
    QWidget* box = GetDlgItem(dlg, kMethod);
    ListAddString(box, Tr("From the place's country").toStdString());
    for (const std::string& id : st.methods)
        ListAddString(box, Tr(Calc().MethodName(id).c_str()).toStdString());
    st.methods.emplace_back();
    ListAddString(box, Tr("Custom").toStdString());
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
        FillMethodList(dlg);
        ShowExpertFields();
        return true;
    case DialogMessage::Command:
        return ExpertCommand(dlg, id & 0xFFFF);
    case DialogMessage::Close:
        return CloseActsAsOk();
    }
    return false;
}

bool ExpertFieldsDiffer(const AppSettings& a, const AppSettings& b)
{
    return a.STARTUP != b.STARTUP || a.PRECISION != b.PRECISION || a.corrections != b.corrections ||
           a.extra.METHOD != b.extra.METHOD || a.extra.methodInForce != b.extra.methodInForce ||
           a.extra.country != b.extra.country || a.extra.HIGH_LAT != b.extra.HIGH_LAT ||
           a.extra.HIJRI_ADJ != b.extra.HIJRI_ADJ || a.extra.ANGLE_FAJ != b.extra.ANGLE_FAJ ||
           a.extra.ANGLE_ICH != b.extra.ANGLE_ICH || a.extra.ISHA_INTERVAL != b.extra.ISHA_INTERVAL;
}

} // namespace

void ShowExpertFields()
{
    QWidget* dlg = State().dlg;
    if (!dlg)
        return;
    const AppSettings s = SnapshotSettings();
    State().shownFrom = s;
    Check(dlg, kStartup, s.STARTUP == 0);
    Check(dlg, kPrecision, s.PRECISION != 0);
    for (std::size_t i = 0; i < kAdditions.size(); ++i) {
        const AdditionView view = ShowAddition(s.corrections[i]);
        SetDlgItemText(dlg, kAdditions[i].field, view.magnitude);
        Check(dlg, kAdditions[i].minus, view.minus);
        Check(dlg, kAdditions[i].plus, !view.minus);
    }
    ShowMethodEntry(dlg, MethodEntry(State(), s.extra.METHOD), false);
    ListSetCurSel(GetDlgItem(dlg, kHighLatitudes), ReadHighLatitudeRule(s.extra.HIGH_LAT));
    SetDlgItemText(dlg, kHijriAdjust, std::to_string(ClampHijriAdjustment(s.extra.HIJRI_ADJ)));
}

void OpenExpertDialog()
{
    // While it is open the dialog follows what another one changes of what it shows (a place chosen in
    // Config brings its additions and method); its own changes leave the fields as the user left them.
    static const int listening = SettingsRecord().Listen([](const AppSettings& s, const void* by) {
        const ExpertState& st = State();
        if (st.dlg && by != &st && ExpertFieldsDiffer(st.shownFrom, s))
            ShowExpertFields();
    });
    (void)listening;
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
