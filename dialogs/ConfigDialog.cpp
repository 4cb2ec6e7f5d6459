// The Config dialog: chooses the place, edits its coordinates and corrections, and writes them back
// to the place database through the updater.
#include "dialogs/ConfigRules.h"
#include "dialogs/Dialogs.h"
#include "dialogs/SettingsDialogs.h"
#include "dialogs/SettingsProc.h"

#include "core/FieldList.h"
#include "core/NumberText.h"
#include "core/SettingsStore.h"
#include "places/Places.h"
#include "platform/DialogOps.h"
#include "platform/DialogProc.h"
#include "platform/DialogWindow.h"
#include "platform/os/GeoClue.h"
#include "platform/os/Profile.h"
#include "platform/SearchField.h"
#include "platform/os/Spawn.h"
#include "platform/TemplateBuilder.h"
#include "platform/Translation.h"
#include "resources/Pictures.h"
#include "resources/UiTexts.h"
#include "resources/templates/SettingsTemplates.h"
#include "schedule/CalcLibrary.h"
#include "schedule/Methods.h"
#include "schedule/NextPrayer.h"
#include "core/ZoneRules.h"
#include "schedule/Schedule.h"

#include <QWidget>

#include <QRect>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <mutex>
#include <optional>
#include <string>

namespace nuro {
namespace {

using places::ClassifyPlaceLookup;
using places::kPlaceDatabaseProbe;
using places::PlaceLookup;
using places::PlaceLookupText;

constexpr int kPlaceName = 101;
constexpr int kLonDeg = 106, kLonMin = 111, kLonSec = 110, kEast = 103, kWest = 104;
constexpr int kLatDeg = 109, kLatMin = 108, kLatSec = 107, kNorth = 102, kSouth = 105;
constexpr int kZone = 120, kPressure = 127, kTemperature = 122, kElevation = 121;
constexpr int kStandard = 134, kHanfai = 135;
constexpr int kModif = 133, kOk = 155;
constexpr int kPlaceList = 120; // shares the time zone field's id; told apart by its double-click
constexpr int kNotFound = 138;
constexpr int kSearch = 140, kMatches = 142, kQibla = 143, kLocate = 144;
constexpr int kSearchRoom = 201; // what a person types to find a place
constexpr const char* kQiblaPattern = "Qibla: %1\u00b0 from true north, %2 km";
constexpr const char* kLocateRefused = "The desktop refused to give the position";
constexpr const char* kLocateFailed = "The desktop gave no position";
// In pixels: right of the fields, which are wide enough for their values, and under the place search.
constexpr int kPlaceListX = 330, kPlaceListY = 46;

// Room the dialog reads its fields with: 10 characters, the name 53.
constexpr int kFieldRoom = static_cast<int>(kFieldReadChars) + 1;
constexpr int kNameRoom = static_cast<int>(kPlaceNameCapacity);

struct ConfigState {
    QWidget* dlg = nullptr;
    QWidget* list = nullptr;
    int lastChosen = -1;
    PlaceUpdater updater;
    PlaceLookupFn lookup;
    std::vector<places::Place> matches; // what the matches list shows, in its order
    bool locateGone = false; // the desktop refused or failed to locate: no second asking
};

ConfigState& State()
{
    static ConfigState state;
    return state;
}

std::string Field(QWidget* dlg, int id, int room = kFieldRoom)
{
    return GetDlgItemText(dlg, id, room);
}

void CheckPair(QWidget* dlg, int first, int second, bool firstOn)
{
    Check(dlg, first, firstOn);
    Check(dlg, second, !firstOn);
}

std::string CurrentPlaceName()
{
    return SettingsRecord().Read([](const AppSettings& s) { return std::string(s.PlaceName.data()); });
}

std::optional<std::string> LookUp(const std::string& sql)
{
    return State().lookup ? State().lookup(sql) : Calc().Connect5(sql);
}

// The place's values in effect, for a place the database cannot give: the seconds with the three
// decimals the settings file keeps, the other reals as the dialog's own normalisation writes them.
void ShowSettingsInFields(QWidget* dlg, const AppSettings& s)
{
    const struct {
        int id;
        std::string text;
    } fields[] = {
        {kLonDeg, FormatInt(s.D1)},        {kLonMin, FormatInt(s.M1)},       {kLonSec, FormatFixed(s.S1, 3)},
        {kLatDeg, FormatInt(s.D2)},        {kLatMin, FormatInt(s.M2)},       {kLatSec, FormatFixed(s.S2, 3)},
        {kZone, FormatFixed(s.T_ZONE, 2)}, {kPressure, FormatFixed(s.P, 2)}, {kTemperature, FormatFixed(s.T, 2)},
        {kElevation, FormatFixed(s.H, 2)},
    };
    for (const auto& f : fields)
        SetDlgItemText(dlg, f.id, f.text);
    CheckPair(dlg, kEast, kWest, s.CARD1 == 'E');
    CheckPair(dlg, kNorth, kSouth, s.CARD2 == 'N');
}

// The row from the database of the place `s` names; only the Aser radios follow the settings. Without
// a row the coordinates are never replaced by nothing: the dialog keeps what it holds (at the first
// opening, the settings in effect) and says why the place was not found.
void LoadPlaceRow(QWidget* dlg, bool firstOpening, const AppSettings& s)
{
    const std::string name = s.PlaceName.data();
    SetDlgItemText(dlg, kPlaceName, name);
    const std::optional<std::string> row = LookUp(PlaceQuery(name));
    const PlaceLookup found =
        ClassifyPlaceLookup(row, row && row->empty() ? LookUp(kPlaceDatabaseProbe) : std::nullopt);
    // No name yet (a fresh settings file) is no place lost: nothing to explain.
    const QString why =
        TranslateData(TextLanguage::Interface, TemplateContext(kConfigTemplateId), PlaceLookupText(found));
    SetDlgItemText(dlg, kNotFound, name.empty() ? std::string() : why.toStdString());
    if (found == PlaceLookup::Found) {
        const struct {
            int id;
            int field;
        } columns[] = {
            {kLonDeg, 1}, {kLonMin, 2}, {kLonSec, 3},    {kLatDeg, 5},       {kLatMin, 6},
            {kLatSec, 7}, {kZone, 9},   {kPressure, 10}, {kTemperature, 11}, {kElevation, 12},
        };
        for (const auto& c : columns)
            SetDlgItemText(dlg, c.id, GetField(*row, '*', c.field));
        CheckPair(dlg, kEast, kWest, GetField(*row, '*', 4).starts_with('E'));
        CheckPair(dlg, kNorth, kSouth, GetField(*row, '*', 8).starts_with('N'));
    } else {
        if (!name.empty())
            std::fprintf(stderr, "nuro: %s: %s; the values shown are kept\n", name.c_str(), PlaceLookupText(found));
        if (firstOpening)
            ShowSettingsInFields(dlg, s);
    }
    CheckPair(dlg, kStandard, kHanfai, s.ASER != 2);
}

void FillPlaceList(QWidget* list)
{
    const std::string t1 = Profile().ReadKey(kSettingsSection, "t1", "", kPlaceListChars, kSettingsFile);
    ListAddStrings(list, PlaceListNames(t1));
    ListSelectString(list, 0, CurrentPlaceName());
}

void NormalizeConfigFields(QWidget* dlg);

QString Translated(const char* text)
{
    return TranslateData(TextLanguage::Interface, TemplateContext(kConfigTemplateId), text);
}

// The direction of the Kaaba from the coordinates in effect; nothing before there is a place.
void ShowQibla(QWidget* dlg)
{
    const AppSettings s = SnapshotSettings();
    const places::QiblaFigures f = places::Figures(places::QiblaOf(s), InterfaceLanguage());
    SetDlgItemText(dlg, kQibla,
                   s.PlaceName[0] ? FillPattern(Translated(kQiblaPattern).toStdString(), {f.degrees, f.kilometres})
                                  : std::string());
}

void ShowMatches(QWidget* dlg, std::vector<places::Place> matches)
{
    std::vector<std::string> lines;
    for (const places::Place& p : matches)
        lines.push_back(places::ListLabel(p));
    State().matches = std::move(matches);
    ListReplaceAll(GetDlgItem(dlg, kMatches), lines);
    ShowOnTop(dlg, kMatches, !lines.empty());
}

// "Locate me" shows once the desktop's location service is known to be there, and never again in this
// run after it refused or failed.
void OfferLocating(QWidget* dlg)
{
    if (State().locateGone)
        return;
    ProbeGeoClue([dlg](bool available) {
        if (available && State().dlg == dlg && !State().locateGone)
            ShowDlgItem(dlg, kLocate, true);
    });
}

// The position asked for once; its nearest places are offered as the search's matches are, the search
// focused so that the arrows and Enter take one.
void LocateMe(QWidget* dlg)
{
    EnableDlgItem(dlg, kLocate, false);
    LocateOnce([dlg](const LocateResult& found) {
        if (State().dlg != dlg)
            return;
        if (found.outcome == LocateOutcome::Located) {
            EnableDlgItem(dlg, kLocate, true);
            SetDlgItemText(dlg, kSearch, "");
            ShowMatches(
                dlg, places::Nearest(Calc(), found.latitude, found.longitude).value_or(std::vector<places::Place>{}));
            FocusDlgItem(dlg, kSearch);
            return;
        }
        std::fprintf(stderr, "nuro: the desktop's location service gave no position: %s\n", found.why.c_str());
        State().locateGone = true;
        ShowDlgItem(dlg, kLocate, false);
        SetDlgItemText(
            dlg, kNotFound,
            Translated(found.outcome == LocateOutcome::Refused ? kLocateRefused : kLocateFailed).toStdString());
        FocusDlgItem(dlg, kSearch);
    });
}

void SearchPlaces(QWidget* dlg)
{
    const std::string typed = Field(dlg, kSearch, kSearchRoom);
    ShowMatches(dlg, places::Search(Calc(), typed).value_or(std::vector<places::Place>{}));
}

// The place list the installer's settings file holds: what is not in it the user added.
std::string ShippedPlaceList()
{
    for (const std::string& candidate : DefaultSettingsCandidates(kSettingsFile)) {
        std::ifstream in(candidate, std::ios::binary);
        if (!in)
            continue;
        const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        return IniDocument::Parse(text).Get(kSettingsSection, "t1").value_or("");
    }
    return {};
}

// The chosen place joins the user's own list, which is written at once: it is the file's, not the
// settings record's.
void AddToUserList(const std::string& label)
{
    ConfigState& st = State();
    const std::string t1 = Profile().ReadKey(kSettingsSection, "t1", "", kPlaceListChars, kSettingsFile);
    const std::string next = places::AddToPlaceList(t1, label, ShippedPlaceList(), kPlaceListChars, label);
    if (next != t1 && !Profile().WriteKeys(kSettingsSection, {{"t1", next}}, kSettingsFile))
        std::fprintf(stderr, "nuro: the place list could not be written: %s\n", Profile().LastError().c_str());
    ListReplaceAll(st.list, {});
    ListAddStrings(st.list, PlaceListNames(next));
    st.lastChosen = ListSelectString(st.list, -1, label);
}

// A place found by the search: the settings take all of it in one edit, so a refresh on the monitor
// thread sees the old place or the new one, never half of each.
void ChooseMatch(QWidget* dlg, int index)
{
    ConfigState& st = State();
    if (index < 0 || static_cast<std::size_t>(index) >= st.matches.size())
        return;
    places::Place place = st.matches[static_cast<std::size_t>(index)];
    // The user's own changes to the place come first, as for a place of the list.
    if (std::optional<places::Place> own = places::ByLabel(Calc(), place.label))
        place = std::move(*own);
    // The new record is made aside (the method of the place's country asks the library) and put in
    // place at once; this thread is the only one that writes the settings.
    AppSettings next = SnapshotSettings();
    places::ApplyPlace(next, place);
    ResolvePlaceMethod(Calc(), next);
    if (const std::optional<CountryDefault> country = Calc().CountryMethod(next.extra.country);
        country && next.extra.ASER_OWN == 0)
        next.ASER = country->aser;
    next.extra.PLACE_NOT_CHOSEN = 0;
    SettingsRecord().Change([&next](AppSettings& s) { s = next; });
    CheckPair(dlg, kStandard, kHanfai, next.ASER != 2);
    SetDlgItemText(dlg, kPlaceName, place.label);
    SetDlgItemText(dlg, kNotFound, "");
    const struct {
        int id;
        int field;
    } columns[] = {
        {kLonDeg, 1}, {kLonMin, 2}, {kLonSec, 3},    {kLatDeg, 5},       {kLatMin, 6},
        {kLatSec, 7}, {kZone, 9},   {kPressure, 10}, {kTemperature, 11}, {kElevation, 12},
    };
    for (const auto& c : columns)
        SetDlgItemText(dlg, c.id, GetField(place.row, '*', c.field));
    NormalizeConfigFields(dlg);
    CheckPair(dlg, kEast, kWest, GetField(place.row, '*', 4).starts_with('E'));
    CheckPair(dlg, kNorth, kSouth, GetField(place.row, '*', 8).starts_with('N'));
    if (QWidget* frame = DialogsMainFrame())
        SetWindowText(frame, place.label);
    ShowQibla(dlg);
    AddToUserList(place.label);
    // Done: the list of the user's places shows again, the new one selected.
    SetDlgItemText(dlg, kSearch, "");
    ShowMatches(dlg, {});
}

// A place of the list brings its additions and its own zone (coordinates edited by hand keep them),
// and under METHOD its country: AUTO's method and, until the user chose one, its Aser school. A
// database without the zone column (an older per-user copy) gives the computer's own zone rather than
// the previous place's. Asks the library, so it works on a record aside.
void TakePlaceDefaults(AppSettings& s, const std::string& name)
{
    SetPlaceName(s, name.c_str());
    const auto additions = places::PlaceAdditions(s.PlaceName.data(), s.extra.METHOD);
    for (std::size_t i = 0; i < additions.size(); ++i)
        s.corrections[i] = additions[i];
    s.extra.ZONE = Calc().PlaceZone(s.PlaceName.data()).value_or("");
    if (s.extra.METHOD.empty())
        return;
    ResolvePlaceMethod(Calc(), s);
    const std::optional<CountryDefault> country = Calc().CountryMethod(s.extra.country);
    if (country && s.extra.ASER_OWN == 0)
        s.ASER = country->aser;
}

void NormalizeConfigFields(QWidget* dlg)
{
    for (int id : {kLonSec, kLatSec, kPressure, kTemperature, kZone, kElevation})
        SetDlgItemText(dlg, id, NormalizeRealField(Field(dlg, id)));
    for (int id : {kLonDeg, kLonMin, kLatDeg, kLatMin})
        SetDlgItemText(dlg, id, NormalizeIntField(Field(dlg, id)));
}

// What the fields say of the place, read before the settings change.
struct ConfigFields {
    std::string name;
    std::int32_t d1 = 0, m1 = 0, d2 = 0, m2 = 0;
    float s1 = 0, s2 = 0, p = 0, t = 0, zone = 0, h = 0;
    char card1 = 'E', card2 = 'N';
    std::int32_t aser = 1;
};

ConfigFields ReadConfigFields(QWidget* dlg)
{
    auto real = [&](int id) { return static_cast<float>(ParseReal(Field(dlg, id))); };
    auto integer = [&](int id) { return ParseInt(Field(dlg, id)); };
    ConfigFields f;
    f.name = Field(dlg, kPlaceName, kNameRoom);
    f.d1 = integer(kLonDeg), f.m1 = integer(kLonMin), f.d2 = integer(kLatDeg), f.m2 = integer(kLatMin);
    f.s1 = real(kLonSec), f.s2 = real(kLatSec);
    f.p = real(kPressure), f.t = real(kTemperature), f.zone = real(kZone), f.h = real(kElevation);
    f.card1 = Checked(dlg, kEast) ? 'E' : 'W';
    f.card2 = Checked(dlg, kNorth) ? 'N' : 'S';
    f.aser = Checked(dlg, kHanfai) ? 2 : 1;
    return f;
}

void PutConfigFields(const ConfigFields& f, AppSettings& s)
{
    SetPlaceName(s, f.name.c_str());
    s.D1 = f.d1;
    s.M1 = f.m1;
    s.S1 = f.s1;
    s.CARD1 = f.card1;
    s.D2 = f.d2;
    s.M2 = f.m2;
    s.S2 = f.s2;
    s.CARD2 = f.card2;
    s.P = f.p;
    s.T = f.t;
    s.T_ZONE = f.zone;
    s.H = f.h;
    // Under a method the school follows the place's country until the user picks one.
    if (f.aser != s.ASER && !s.extra.METHOD.empty())
        s.extra.ASER_OWN = 1;
    s.ASER = f.aser;
}

// After the place changed: the main window's title and the Qibla follow.
void ShowPlaceInEffect(QWidget* dlg)
{
    // The place as the reader's language writes it; the settings keep the database's name.
    if (QWidget* frame = DialogsMainFrame())
        SetWindowText(frame, PlaceNameIn(Calc(), CurrentPlaceName(), InterfaceLanguage()));
    ShowQibla(dlg);
}

void ApplyConfigFields(QWidget* dlg)
{
    const ConfigFields fields = ReadConfigFields(dlg);
    SettingsRecord().Change([&fields](AppSettings& s) { PutConfigFields(fields, s); });
    ShowPlaceInEffect(dlg);
}

void StartUpdater(const std::string& statement)
{
    const std::string updater = FindUpdater();
    std::string error = "no updater next to the program";
    if (updater.empty() || !SpawnDetached(updater, {statement}, &error))
        std::fprintf(stderr, "nuro: the place update could not be started: %s\n", error.c_str());
}

void RunUpdater(QWidget* dlg)
{
    // Read whole, so that the statement can tell a harmless cut from one that changes what is written.
    const StatementFields fields{Field(dlg, kZone), Field(dlg, kPressure), Field(dlg, kTemperature),
                                 Field(dlg, kElevation), Field(dlg, kPlaceName, kNameRoom)};
    std::string whyNot;
    const auto statement = UpdateStatement(SnapshotSettings(), fields, &whyNot);
    if (!statement) {
        std::fprintf(stderr, "nuro: the place update was not run: %s\n", whyNot.c_str());
        return;
    }
    if (State().updater)
        State().updater(*statement);
    else
        StartUpdater(*statement);
}

void ChoosePlace(QWidget* dlg)
{
    ConfigState& st = State();
    const int k = ListGetCurSel(st.list);
    if (k == st.lastChosen) {
        // The same place again: keep the user's edits and let them take effect.
        ApplyConfigFields(dlg);
        return;
    }
    st.lastChosen = k;
    // One change: a refresh sees the old place or the new one, never the new coordinates with the old
    // place's zone. The record is made aside (the library and the database are asked) and put in place
    // at once; this thread is the only one that writes the settings.
    AppSettings next = SnapshotSettings();
    TakePlaceDefaults(next, ListGetText(st.list, k));
    LoadPlaceRow(dlg, false, next);
    PutConfigFields(ReadConfigFields(dlg), next);
    SettingsRecord().Change([&next](AppSettings& s) { s = next; });
    ShowPlaceInEffect(dlg);
}

void Initialise(QWidget* dlg)
{
    ConfigState& st = State();
    PlaceOverMainFrame(dlg);
    st.list = CreateListBox(dlg, kPlaceList, QRect(kPlaceListX, kPlaceListY, 180, 196),
                            CS_Border | CS_VScroll | CS_TabStop | CS_Sorted);
    LinkSearchList(dlg, kSearch, kMatches);
    LoadPlaceRow(dlg, true, SnapshotSettings());
    FillPlaceList(st.list);
    SetButtonImage(dlg, kModif, LoadPicture(7), LoadPicture2x(7));
    SetButtonImage(dlg, kOk, LoadPicture(8), LoadPicture2x(8));
    ShowQibla(dlg);
    OfferLocating(dlg);
}

bool ConfigCommand(QWidget* dlg, int id, unsigned code)
{
    if (ActsAsOk(id, kOk)) {
        places::MarkPlaceChosen(); // the place shown is the one the user keeps
        NormalizeConfigFields(dlg);
        ApplyConfigFields(dlg);
        ShowWindow(dlg, false);
        return true;
    }
    if (id == kModif) {
        places::MarkPlaceChosen();
        NormalizeConfigFields(dlg);
        ApplyConfigFields(dlg);
        RunUpdater(dlg);
        return true;
    }
    if (id == kPlaceList && code == LBN_DBLCLK) {
        places::MarkPlaceChosen();
        ChoosePlace(dlg);
        return true;
    }
    if (id == kLocate) {
        LocateMe(dlg);
        return true;
    }
    if (id == kSearch && code == EN_CHANGE) {
        SearchPlaces(dlg);
        return true;
    }
    if (id == kMatches && code == LBN_DBLCLK) {
        ChooseMatch(dlg, ListGetCurSel(GetDlgItem(dlg, kMatches)));
        return true;
    }
    // Enter in the search or among its matches takes the current match.
    if (id == IDOK && (FocusedDlgItem(dlg) == kSearch || FocusedDlgItem(dlg) == kMatches)) {
        ChooseMatch(dlg, ListGetCurSel(GetDlgItem(dlg, kMatches)));
        return true;
    }
    return false;
}

bool ConfigProc(QWidget* dlg, DialogMessage msg, int id, unsigned code)
{
    State().dlg = dlg;
    switch (msg) {
    case DialogMessage::InitDialog:
        Initialise(dlg);
        return true;
    case DialogMessage::Command:
        return ConfigCommand(dlg, id & 0xFFFF, code);
    case DialogMessage::Close:
        return CloseActsAsOk();
    }
    return false;
}

} // namespace

void OpenConfigDialog()
{
    OpenSettingsDialog(State().dlg, ConfigTemplate(), ConfigProc);
}

void OpenConfigDialogToChoosePlace(const std::string& zone)
{
    OpenConfigDialog();
    QWidget* dlg = State().dlg;
    if (!dlg)
        return;
    ShowMatches(dlg, places::LargestInZone(Calc(), zone).value_or(std::vector<places::Place>{}));
    FocusDlgItem(dlg, kSearch);
}

QWidget* ConfigDialogWindow()
{
    return State().dlg;
}

void SetPlaceUpdater(PlaceUpdater updater)
{
    State().updater = std::move(updater);
}

void ResetConfigDialog()
{
    ConfigState& st = State();
    delete st.dlg;
    st = ConfigState{nullptr, nullptr, -1, std::move(st.updater), std::move(st.lookup), {}, false};
}

void SetPlaceLookup(PlaceLookupFn lookup)
{
    State().lookup = std::move(lookup);
}

} // namespace nuro
