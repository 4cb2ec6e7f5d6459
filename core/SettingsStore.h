// Loading and saving the settings record to section SETUP of the settings file.
#pragma once

#include "core/AppSettings.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace nuro {

inline constexpr const char* kSettingsFile = "nuro.ini";
inline constexpr const char* kSettingsSection = "SETUP";
inline constexpr std::size_t kProfileReadLimit = 50; // a read keeps at most this many characters

using KeyValues = std::vector<std::pair<std::string, std::string>>;

// The profile service: keys of a section of a named settings file.
class ProfileService {
public:
    virtual ~ProfileService() = default;
    // The value, or `fallback` when file or key is missing; at most maxChars characters.
    virtual std::string ReadKey(std::string_view section, std::string_view key, std::string_view fallback,
                                std::size_t maxChars, std::string_view file) = 0;
    // Writes the keys in one replace of the file; everything else in it is kept. False on failure.
    virtual bool WriteKeys(std::string_view section, const KeyValues& values, std::string_view file) = 0;
    // A failed save that nobody could be told of when it happened (log-out, a signal), kept beside the
    // file for the next start. False when it could not be kept either.
    virtual bool KeepUnsavedNote(std::string_view /*reason*/, std::string_view /*file*/) { return false; }
    // The reason an earlier run kept, removed as it is taken; nothing when every save went well.
    virtual std::optional<std::string> TakeUnsavedNote(std::string_view /*file*/) { return std::nullopt; }
    // A load reads many keys: between these the file is read and parsed once, and every ReadKey of
    // that file answers from that reading.
    virtual void BeginPass(std::string_view /*file*/) {}
    virtual void EndPass() {}
    // Why the file of the current or last pass could not be used (its keys then read as absent);
    // empty when it could, or when it is missing.
    virtual std::string PassProblem() const { return {}; }
};

// Holds a pass of `profile` over `file` for its lifetime.
class ProfilePass {
public:
    ProfilePass(ProfileService& profile, std::string_view file) : profile_(profile) { profile_.BeginPass(file); }
    ~ProfilePass() { profile_.EndPass(); }
    ProfilePass(const ProfilePass&) = delete;
    ProfilePass& operator=(const ProfilePass&) = delete;

private:
    ProfileService& profile_;
};

// What a load found besides the values.
struct LoadReport {
    // The settings file could not be used (not a regular file, unreadable, too large, empty): every
    // key read as absent, and saves leave the file as it is.
    std::string fileProblem;
    // Values taken otherwise than written: integers clamped to 32 bits, owned texts longer than the
    // record holds (the file keeps them whole).
    std::vector<std::string> notes;
};

// The settings that live in main-window controls rather than in the record.
class ControlSettings {
public:
    virtual ~ControlSettings() = default;
    virtual void SetSoundOn(bool on) = 0;
    virtual bool SoundOn() const = 0;
    virtual void SetPlusChecked(bool plus) = 0; // true: the "+" radio, false: the "-" radio
    virtual bool PlusChecked() const = 0;
    virtual void SetOffsetText(const std::string& text) = 0;
    virtual std::string OffsetText() const = 0;
    virtual void ApplyLanguage(bool english) = 0;
    virtual bool English() const = 0;
};

// The settings controls of the main window held as plain values, where there is no window.
class HeldControls : public ControlSettings {
public:
    void SetSoundOn(bool on) override { sound_ = on; }
    bool SoundOn() const override { return sound_; }
    void SetPlusChecked(bool plus) override { plus_ = plus; }
    bool PlusChecked() const override { return plus_; }
    void SetOffsetText(const std::string& text) override { offset_ = text; }
    std::string OffsetText() const override { return offset_; }
    void ApplyLanguage(bool english) override { english_ = english; }
    bool English() const override { return english_; }

private:
    bool sound_ = false, plus_ = false, english_ = false;
    std::string offset_;
};

// Reads STARTUP only, before anything else exists.
std::int32_t LoadStartupSwitch(ProfileService& profile);

// Fills `settings` and the controls, in the load order, from one reading of the file.
LoadReport LoadAllSettings(ProfileService& profile, ControlSettings& controls, AppSettings& settings);

// The 35 keys in the save order, with their value texts.
KeyValues SettingsKeyValues(const ControlSettings& controls, const AppSettings& settings);

// The INI name of an extra key, and the keys beyond the 35 that a save writes: those the file had and
// those whose value left the default, in ExtraKey order.
const char* ExtraKeyName(ExtraKey key);
KeyValues ExtraKeyValues(const ExtraSettings& extra);

// Writes all 35 keys, then the extra keys of ExtraKeyValues, at once. False when the file could not be written (the old one is then intact).
// COUNTRY is left out while it holds what loading made of a longer value in the file, which then
// stays whole.
bool SaveAllSettings(ProfileService& profile, const ControlSettings& controls, const AppSettings& settings);

} // namespace nuro
