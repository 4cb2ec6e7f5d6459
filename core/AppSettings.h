// The settings record: one process-wide instance, fields named by their INI keys.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

namespace nuro {

inline constexpr std::size_t kPlaceNameCapacity = 54; // with the terminator

// Settings beyond the 35 keys, each with its own INI key. Every default is the behaviour of a file
// that lacks the key, so an old file behaves exactly as before.
enum ExtraKey : unsigned {
    kAutoTz = 0, // AUTO_TZ: 1 = times in the place's own zone (ZONE), 0 = T_ZONE and the summer window
    kZone, // ZONE: IANA zone name, empty = the computer's own zone
    kHighLat, // HIGH_LAT: 0 middle of the night, 1 one seventh of the night, 2 twilight-angle share
    kHijriAdj, // HIJRI_ADJ: days added to the Umm al-Qura date, -2..2
    kRemind, // REMIND: minutes before each alerted prayer for a silent reminder, 0 = none
    kSoundFaj, // SOUND_FAJ .. SOUND_ICH: sound file per alerted prayer, empty = um.wav
    kSoundDho,
    kSoundAse,
    kSoundMag,
    kSoundIch,
    kMethod, // METHOD: a named method's id, AUTO (the place's country default), empty = custom
    kRealAngleFaj, // ANGLE_FAJ, ANGLE_ICH: custom twilight angles with decimals, same convention as
    kRealAngleIch, //   a_faj/a_ich; empty = the whole degrees of a_faj/a_ich
    kIshaInterval, // ISHA_INTERVAL: custom Isha in minutes after Maghereb, 0 = by its angle
    kAserOwn, // ASER_OWN: 1 once the user chose the Aser school; 0 = a chosen place brings its country's
    kTrayLabel, // TRAY_LABEL: beside the icon, 0 nothing, 1 the next prayer and its time, 2 the time left
    kAlertNotify, // ALERT_NOTIFY: a desktop notification at each alert, 1 on, 0 off; absent: on Wayland only
    kPlaceNotChosen, // PLACE_NOT_CHOSEN: 1 while a first start's shipped default place is in use, unchosen
    kExtraKeyCount
};

struct ExtraSettings {
    std::int32_t AUTO_TZ = 0;
    std::string ZONE;
    std::int32_t HIGH_LAT = 0;
    std::int32_t HIJRI_ADJ = 0;
    std::int32_t REMIND = 0;
    // Fajer, Dhohur, Aser, Maghereb, Isha: the five alerted prayers.
    std::array<std::string, 5> SOUND;
    std::string METHOD;
    std::string ANGLE_FAJ, ANGLE_ICH;
    std::int32_t ISHA_INTERVAL = 0;
    std::int32_t ASER_OWN = 0;
    // Not keys: what METHOD means for the place in force, resolved when the settings are loaded and when
    // a place is chosen (never by the monitor's refresh). Empty methodInForce: the custom values.
    std::string methodInForce;
    std::string country; // the place's ISO 3166-1 code, empty when unknown
    std::int32_t highLatOverride = -1; // a high-latitude rule for one run of nuro-times, -1 = none
    std::int32_t TRAY_LABEL = 0;
    // -1 while the file has no ALERT_NOTIFY: the session decides (see AlertNotificationsOn).
    std::int32_t ALERT_NOTIFY = -1;
    std::int32_t PLACE_NOT_CHOSEN = 0;
    // Bit per ExtraKey: the key stood in the file when it was loaded. Such a key is written back; one
    // that did not is written only once its value leaves the default.
    unsigned present = 0;
};

struct AppSettings {
    std::int32_t D1 = 0, M1 = 0;
    float S1 = 0;
    char CARD1 = 0;
    std::int32_t D2 = 0, M2 = 0;
    float S2 = 0;
    char CARD2 = 0;
    float T_ZONE = 0, P = 0, T = 0, H = 0;
    std::int32_t ASER = 0;
    // p_faj, p_shu, p_dho, p_ase, p_mag, p_ich, a_faj, a_ich: walked as one array by load and save.
    std::array<std::int32_t, 8> corrections{};
    std::int32_t PRECISION = 0;
    std::int32_t STARTUP = 0;
    std::int32_t SUMMER = 0;
    std::int32_t month1 = 0, day1 = 0, month2 = 0, day2 = 0;
    std::int32_t val1 = 0, val2 = 0;
    std::array<char, kPlaceNameCapacity> PlaceName{};
    bool English = false;
    ExtraSettings extra;

    std::int32_t& p_faj() { return corrections[0]; }
    std::int32_t& p_shu() { return corrections[1]; }
    std::int32_t& p_dho() { return corrections[2]; }
    std::int32_t& p_ase() { return corrections[3]; }
    std::int32_t& p_mag() { return corrections[4]; }
    std::int32_t& p_ich() { return corrections[5]; }
    std::int32_t& a_faj() { return corrections[6]; }
    std::int32_t& a_ich() { return corrections[7]; }
};

enum CorrectionIndex { kFaj = 0, kShu, kDho, kAse, kMag, kIch, kAngleFaj, kAngleIch };

// Sets PlaceName from any text, cut so that it always keeps its terminator.
void SetPlaceName(AppSettings& settings, const char* text);

// The owner of the settings record. The user-interface thread changes it while the monitor thread's
// refresh reads it: readers take a copy made under the lock, and every change is one call that edits
// under the lock, so no reader sees half of an edit (a new place with the old one's zone). Once the
// lock is released the listeners hear of it, on the thread that made the change.
class SettingsOwner {
public:
    using Edit = std::function<void(AppSettings&)>;
    // `settings` is the record as the edit left it; `by` is what the caller of Change named itself
    // (a dialog hearing its own change may leave its fields as the user left them).
    using Listener = std::function<void(const AppSettings& settings, const void* by)>;

    AppSettings Snapshot() const;
    // One field or a few, read under the lock without copying the whole record.
    template <typename Reader> auto Read(Reader&& reader) const
    {
        std::lock_guard<std::mutex> guard(lock_);
        return reader(static_cast<const AppSettings&>(record_));
    }

    void Change(const Edit& edit, const void* by = nullptr);
    // Replaces the record without telling anyone: the first load, before there is anything to tell.
    void Replace(const AppSettings& settings);

    // Listeners are heard in the order they listened; the answer forgets one.
    int Listen(Listener listener);
    void Forget(int id);

    // The record and its lock themselves, for the tests that set up a state by hand.
    AppSettings& RecordForTests() { return record_; }
    std::mutex& LockForTests() { return lock_; }

private:
    mutable std::mutex lock_;
    AppSettings record_;
    std::mutex listenersLock_;
    std::vector<std::pair<int, Listener>> listeners_;
    int nextId_ = 1;
};

// The process's settings.
SettingsOwner& SettingsRecord();

// A consistent copy of the process's record.
inline AppSettings SnapshotSettings()
{
    return SettingsRecord().Snapshot();
}

// The process's record and its lock, for tests that arrange a state by hand; the program itself reads
// through Snapshot() and changes through Change().
AppSettings& Settings();
std::mutex& SettingsLock();

} // namespace nuro
