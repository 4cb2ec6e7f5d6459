#include "core/SettingsStore.h"

#include "core/NumberText.h"
#include "core/Utf8Text.h"

#include <array>

namespace nuro {
namespace {

constexpr std::array<const char*, 8> kCorrectionKeys = {"p_faj", "p_shu", "p_dho", "p_ase",
                                                        "p_mag", "p_ich", "a_faj", "a_ich"};

std::string Read(ProfileService& profile, const char* key)
{
    return profile.ReadKey(kSettingsSection, key, "", kProfileReadLimit, kSettingsFile);
}

std::int32_t ReadInt(ProfileService& profile, const char* key) { return ParseInt(Read(profile, key)); }
float ReadFloat(ProfileService& profile, const char* key) { return static_cast<float>(ParseReal(Read(profile, key))); }
char ReadChar(ProfileService& profile, const char* key)
{
    std::string value = Read(profile, key);
    return value.empty() ? '\0' : value[0];
}

std::string Real(float value) { return FormatFixed(value, 3); }
std::string Letter(char c) { return c ? std::string(1, c) : std::string(); }
std::string Flag(bool on) { return on ? "1" : "0"; }

constexpr std::array<const char*, kExtraKeyCount> kExtraKeyNames = {
    "AUTO_TZ", "ZONE", "HIGH_LAT", "HIJRI_ADJ", "REMIND",
    "SOUND_FAJ", "SOUND_DHO", "SOUND_ASE", "SOUND_MAG", "SOUND_ICH",
    "METHOD", "ANGLE_FAJ", "ANGLE_ICH", "ISHA_INTERVAL", "ASER_OWN"};

// A file path or zone name may be longer than the 50 characters of the other keys.
constexpr std::size_t kLongValueLimit = 4096;
// Never a value a file can hold (a line cannot carry a NUL), so it tells a missing key.
constexpr std::string_view kAbsent{"\0absent", 7};

void LoadExtraSettings(ProfileService& profile, ExtraSettings& e)
{
    e = ExtraSettings{};
    for (unsigned k = 0; k < kExtraKeyCount; ++k) {
        std::string value = profile.ReadKey(kSettingsSection, kExtraKeyNames[k], kAbsent, kLongValueLimit,
                                            kSettingsFile);
        if (value == kAbsent)
            continue;
        e.present |= 1u << k;
        switch (k) {
        case kAutoTz: e.AUTO_TZ = ParseInt(value); break;
        case kZone: e.ZONE = value; break;
        case kHighLat: e.HIGH_LAT = ParseInt(value); break;
        case kHijriAdj: e.HIJRI_ADJ = ParseInt(value); break;
        case kRemind: e.REMIND = ParseInt(value); break;
        case kMethod: e.METHOD = value; break;
        case kRealAngleFaj: e.ANGLE_FAJ = value; break;
        case kRealAngleIch: e.ANGLE_ICH = value; break;
        case kIshaInterval: e.ISHA_INTERVAL = ParseInt(value); break;
        case kAserOwn: e.ASER_OWN = ParseInt(value); break;
        default: e.SOUND[k - kSoundFaj] = value; break;
        }
    }
}

} // namespace

const char* ExtraKeyName(ExtraKey key) { return key < kExtraKeyCount ? kExtraKeyNames[key] : ""; }

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
    return kv;
}

std::int32_t LoadStartupSwitch(ProfileService& profile) { return ReadInt(profile, "STARTUP"); }

void LoadAllSettings(ProfileService& profile, ControlSettings& controls, AppSettings& s)
{
    controls.SetSoundOn(ReadInt(profile, "Sound") != 0);
    controls.SetPlusChecked(ReadInt(profile, "Radio_inc") != 0);
    // Set after the radio: the edit's change recomputes the offset with the sign already loaded.
    controls.SetOffsetText(Read(profile, "INC_DEC"));
    SetPlaceName(s, Read(profile, "COUNTRY").c_str());
    s.ASER = Read(profile, "ASER") == "HANFAI" ? 2 : 1;
    s.English = Read(profile, "LANG") == "ENGLISH";
    controls.ApplyLanguage(s.English);
    s.D1 = ReadInt(profile, "D1");
    s.M1 = ReadInt(profile, "M1");
    s.S1 = ReadFloat(profile, "S1");
    s.D2 = ReadInt(profile, "D2");
    s.M2 = ReadInt(profile, "M2");
    s.S2 = ReadFloat(profile, "S2");
    s.CARD1 = ReadChar(profile, "CARD1");
    s.CARD2 = ReadChar(profile, "CARD2");
    s.T_ZONE = ReadFloat(profile, "T_ZONE");
    s.P = ReadFloat(profile, "P");
    s.T = ReadFloat(profile, "T");
    s.H = ReadFloat(profile, "H");
    for (std::size_t i = 0; i < kCorrectionKeys.size(); ++i)
        s.corrections[i] = ReadInt(profile, kCorrectionKeys[i]);
    s.SUMMER = ReadInt(profile, "SUMMER");
    s.month1 = ReadInt(profile, "month1");
    s.day1 = ReadInt(profile, "day1");
    s.month2 = ReadInt(profile, "month2");
    s.day2 = ReadInt(profile, "day2");
    s.val1 = ReadInt(profile, "val1");
    s.val2 = ReadInt(profile, "val2");
    s.PRECISION = ReadInt(profile, "PRECISION");
    LoadExtraSettings(profile, s.extra);
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
    for (auto& extra : ExtraKeyValues(settings.extra))
        kv.push_back(std::move(extra));
    return profile.WriteKeys(kSettingsSection, kv, kSettingsFile);
}

} // namespace nuro
