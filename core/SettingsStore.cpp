#include "core/SettingsStore.h"

#include "core/NumberText.h"
#include "core/Utf8Text.h"

#include <array>

namespace nuro {
namespace {

constexpr std::array<const char*, 8> kCorrectionKeys = {"p_faj", "p_shu", "p_dho", "p_ase",
                                                        "p_mag", "p_ich", "a_faj", "a_ich"};

// Reads one load's keys, noting what it takes otherwise than written.
class KeyReader {
public:
    KeyReader(ProfileService& profile, LoadReport* report) : profile_(profile), report_(report) {}

    std::string Read(const char* key, std::size_t maxChars = kProfileReadLimit)
    {
        return profile_.ReadKey(kSettingsSection, key, "", maxChars, kSettingsFile);
    }
    std::int32_t Int(const char* key) { return IntOf(key, Read(key)); }
    std::int32_t IntOf(const char* key, const std::string& text)
    {
        bool clamped = false;
        const std::int32_t value = ParseIntClamped(text, &clamped);
        if (clamped)
            Note(std::string(key) + "=" + text + " is beyond what NURO holds; " + FormatInt(value) + " is used");
        return value;
    }
    float Float(const char* key) { return static_cast<float>(ParseReal(Read(key))); }
    char Char(const char* key)
    {
        std::string value = Read(key);
        return value.empty() ? '\0' : value[0];
    }
    void Note(std::string text)
    {
        if (report_)
            report_->notes.push_back(std::move(text));
    }
    ProfileService& Profile() { return profile_; }

private:
    ProfileService& profile_;
    LoadReport* report_;
};

// What loading makes of a COUNTRY value: the 50 characters of a read, within the record's capacity.
std::array<char, kPlaceNameCapacity> LoadedPlaceName(const std::string& value)
{
    AppSettings s;
    SetPlaceName(s, std::string(Utf8Head(value, kProfileReadLimit)).c_str());
    return s.PlaceName;
}

std::string Real(float value)
{
    return FormatFixed(value, 3);
}
std::string Letter(char c)
{
    return c ? std::string(1, c) : std::string();
}
std::string Flag(bool on)
{
    return on ? "1" : "0";
}

constexpr std::array<const char*, kExtraKeyCount> kExtraKeyNames = {
    "AUTO_TZ",   "ZONE",          "HIGH_LAT",  "HIJRI_ADJ",  "REMIND",       "SOUND_FAJ",
    "SOUND_DHO", "SOUND_ASE",     "SOUND_MAG", "SOUND_ICH",  "METHOD",       "ANGLE_FAJ",
    "ANGLE_ICH", "ISHA_INTERVAL", "ASER_OWN",  "TRAY_LABEL", "ALERT_NOTIFY", "PLACE_NOT_CHOSEN"};

// A file path or zone name is ours and is kept whole, however long (the file's own limit bounds it).
constexpr std::size_t kWholeValue = std::string::npos;
// Never a value a file can hold (a line cannot carry a NUL), so it tells a missing key.
constexpr std::string_view kAbsent{"\0absent", 7};

void LoadExtraSettings(KeyReader& read, ExtraSettings& e)
{
    e = ExtraSettings{};
    for (unsigned k = 0; k < kExtraKeyCount; ++k) {
        const char* key = kExtraKeyNames[k];
        std::string value = read.Profile().ReadKey(kSettingsSection, key, kAbsent, kWholeValue, kSettingsFile);
        if (value == kAbsent)
            continue;
        e.present |= 1u << k;
        switch (k) {
        case kAutoTz:
            e.AUTO_TZ = read.IntOf(key, value);
            break;
        case kZone:
            e.ZONE = value;
            break;
        case kHighLat:
            e.HIGH_LAT = read.IntOf(key, value);
            break;
        case kHijriAdj:
            e.HIJRI_ADJ = read.IntOf(key, value);
            break;
        case kRemind:
            e.REMIND = read.IntOf(key, value);
            break;
        case kMethod:
            e.METHOD = value;
            break;
        case kRealAngleFaj:
            e.ANGLE_FAJ = value;
            break;
        case kRealAngleIch:
            e.ANGLE_ICH = value;
            break;
        case kIshaInterval:
            e.ISHA_INTERVAL = read.IntOf(key, value);
            break;
        case kAserOwn:
            e.ASER_OWN = read.IntOf(key, value);
            break;
        case kTrayLabel:
            e.TRAY_LABEL = read.IntOf(key, value);
            break;
        case kAlertNotify:
            e.ALERT_NOTIFY = read.IntOf(key, value) != 0 ? 1 : 0;
            break;
        case kPlaceNotChosen:
            e.PLACE_NOT_CHOSEN = read.IntOf(key, value) != 0 ? 1 : 0;
            break;
        default:
            e.SOUND[k - kSoundFaj] = value;
            break;
        }
    }
}

} // namespace

const char* ExtraKeyName(ExtraKey key)
{
    return key < kExtraKeyCount ? kExtraKeyNames[key] : "";
}

KeyValues ExtraKeyValues(const ExtraSettings& e)
{
    KeyValues kv;
    auto put = [&](ExtraKey k, std::string value, bool isDefault) {
        if ((e.present & (1u << k)) || !isDefault)
            kv.emplace_back(kExtraKeyNames[k], std::move(value));
    };
    put(kAutoTz, FormatInt(e.AUTO_TZ), e.AUTO_TZ == 0);
    put(kZone, e.ZONE, e.ZONE.empty());
    put(kHighLat, FormatInt(e.HIGH_LAT), e.HIGH_LAT == 0);
    put(kHijriAdj, FormatInt(e.HIJRI_ADJ), e.HIJRI_ADJ == 0);
    put(kRemind, FormatInt(e.REMIND), e.REMIND == 0);
    for (unsigned i = 0; i < e.SOUND.size(); ++i)
        put(static_cast<ExtraKey>(kSoundFaj + i), e.SOUND[i], e.SOUND[i].empty());
    put(kMethod, e.METHOD, e.METHOD.empty());
    put(kRealAngleFaj, e.ANGLE_FAJ, e.ANGLE_FAJ.empty());
    put(kRealAngleIch, e.ANGLE_ICH, e.ANGLE_ICH.empty());
    put(kIshaInterval, FormatInt(e.ISHA_INTERVAL), e.ISHA_INTERVAL == 0);
    put(kAserOwn, FormatInt(e.ASER_OWN), e.ASER_OWN == 0);
    put(kTrayLabel, FormatInt(e.TRAY_LABEL), e.TRAY_LABEL == 0);
    put(kAlertNotify, FormatInt(e.ALERT_NOTIFY < 0 ? 0 : e.ALERT_NOTIFY), e.ALERT_NOTIFY < 0);
    put(kPlaceNotChosen, FormatInt(e.PLACE_NOT_CHOSEN), e.PLACE_NOT_CHOSEN == 0);
    return kv;
}

std::int32_t LoadStartupSwitch(ProfileService& profile)
{
    ProfilePass pass(profile, kSettingsFile);
    return KeyReader(profile, nullptr).Int("STARTUP");
}

LoadReport LoadAllSettings(ProfileService& profile, ControlSettings& controls, AppSettings& s)
{
    LoadReport report;
    ProfilePass pass(profile, kSettingsFile);
    report.fileProblem = profile.PassProblem();
    KeyReader read(profile, &report);
    controls.SetSoundOn(read.Int("Sound") != 0);
    controls.SetPlusChecked(read.Int("Radio_inc") != 0);
    // Set after the radio: the edit's change recomputes the offset with the sign already loaded.
    controls.SetOffsetText(read.Read("INC_DEC"));
    const std::string country = read.Read("COUNTRY", kWholeValue);
    SetPlaceName(s, std::string(Utf8Head(country, kProfileReadLimit)).c_str());
    if (country != s.PlaceName.data())
        read.Note("COUNTRY is longer than NURO holds; it uses \"" + std::string(s.PlaceName.data()) +
                  "\" and keeps the whole name in the file");
    s.ASER = read.Read("ASER") == "HANFAI" ? 2 : 1;
    s.English = read.Read("LANG") == "ENGLISH";
    controls.ApplyLanguage(s.English);
    s.D1 = read.Int("D1");
    s.M1 = read.Int("M1");
    s.S1 = read.Float("S1");
    s.D2 = read.Int("D2");
    s.M2 = read.Int("M2");
    s.S2 = read.Float("S2");
    s.CARD1 = read.Char("CARD1");
    s.CARD2 = read.Char("CARD2");
    s.T_ZONE = read.Float("T_ZONE");
    s.P = read.Float("P");
    s.T = read.Float("T");
    s.H = read.Float("H");
    for (std::size_t i = 0; i < kCorrectionKeys.size(); ++i)
        s.corrections[i] = read.Int(kCorrectionKeys[i]);
    s.SUMMER = read.Int("SUMMER");
    s.month1 = read.Int("month1");
    s.day1 = read.Int("day1");
    s.month2 = read.Int("month2");
    s.day2 = read.Int("day2");
    s.val1 = read.Int("val1");
    s.val2 = read.Int("val2");
    s.PRECISION = read.Int("PRECISION");
    LoadExtraSettings(read, s.extra);
    return report;
}

KeyValues SettingsKeyValues(const ControlSettings& controls, const AppSettings& s)
{
    KeyValues kv;
    kv.reserve(35);
    kv.emplace_back("Sound", Flag(controls.SoundOn()));
    kv.emplace_back("Radio_inc", Flag(controls.PlusChecked()));
    kv.emplace_back("INC_DEC", std::string(Utf8Head(controls.OffsetText(), 3)));
    kv.emplace_back("COUNTRY", std::string(s.PlaceName.data()));
    kv.emplace_back("ASER", s.ASER == 2 ? "HANFAI" : "STANDARD");
    kv.emplace_back("D1", FormatInt(s.D1));
    kv.emplace_back("M1", FormatInt(s.M1));
    kv.emplace_back("S1", Real(s.S1));
    kv.emplace_back("CARD1", Letter(s.CARD1));
    kv.emplace_back("D2", FormatInt(s.D2));
    kv.emplace_back("M2", FormatInt(s.M2));
    kv.emplace_back("S2", Real(s.S2));
    kv.emplace_back("CARD2", Letter(s.CARD2));
    kv.emplace_back("P", Real(s.P));
    kv.emplace_back("T", Real(s.T));
    kv.emplace_back("H", Real(s.H));
    kv.emplace_back("T_ZONE", Real(s.T_ZONE));
    kv.emplace_back("LANG", controls.English() ? "ENGLISH" : "ARABIC");
    for (std::size_t i = 0; i < kCorrectionKeys.size(); ++i)
        kv.emplace_back(kCorrectionKeys[i], FormatInt(s.corrections[i]));
    kv.emplace_back("STARTUP", Flag(s.STARTUP != 0));
    kv.emplace_back("SUMMER", Flag(s.SUMMER != 0));
    kv.emplace_back("month1", FormatInt(s.month1));
    kv.emplace_back("day1", FormatInt(s.day1));
    kv.emplace_back("month2", FormatInt(s.month2));
    kv.emplace_back("day2", FormatInt(s.day2));
    kv.emplace_back("val1", FormatInt(s.val1));
    kv.emplace_back("val2", FormatInt(s.val2));
    kv.emplace_back("PRECISION", FormatInt(s.PRECISION));
    return kv;
}

bool SaveAllSettings(ProfileService& profile, const ControlSettings& controls, const AppSettings& settings)
{
    KeyValues kv = SettingsKeyValues(controls, settings);
    // A longer name than the record holds, unchanged since it was loaded, stays whole in the file.
    const std::string stored = KeyReader(profile, nullptr).Read("COUNTRY", kWholeValue);
    if (stored != settings.PlaceName.data() && LoadedPlaceName(stored) == settings.PlaceName)
        std::erase_if(kv, [](const auto& entry) { return entry.first == "COUNTRY"; });
    for (auto& extra : ExtraKeyValues(settings.extra))
        kv.push_back(std::move(extra));
    return profile.WriteKeys(kSettingsSection, kv, kSettingsFile);
}

} // namespace nuro
