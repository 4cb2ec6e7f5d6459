// nuro-times: the day's times from the settings file or a database place, without any window.
#pragma once

#include "core/AppSettings.h"
#include "core/SettingsStore.h"
#include "core/TimeText.h"
#include "schedule/Schedule.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace nuro::times {

inline constexpr int kMaxDays = 3660;

struct Options {
    std::optional<LocalDate> date; // today when absent
    int days = 1;
    bool table = false;            // --days was given
    std::optional<std::string> place;
    bool help = false;
};

// Parses the arguments after the program name; on a mistake returns nullopt with `error` set.
std::optional<Options> ParseOptions(const std::vector<std::string>& args, std::string* error);

// "YYYY-MM-DD" of a real calendar day.
std::optional<LocalDate> ParseDate(std::string_view text);
std::string FormatDate(const LocalDate& date);
LocalDate NextDay(const LocalDate& date);

// A database row (nom, d1, m1, s1, card1, d2, m2, s2, card2, t_zone, p, t, h) taken into the settings
// as the Config dialog takes a chosen place: the name, the place's additions, the row's values
// normalised as the dialog's fields are ("%.2f" reals, "%d" integers), the Aser method kept.
void ApplyPlaceRow(AppSettings& settings, std::string_view name, std::string_view row);

// The settings controls of the main window, held as plain values.
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

// The six times of `date` through the refresh, or nullopt when the library gave no text.
std::optional<TimeTable> TimesFor(CalcLibrary& calc, const AppSettings& settings, const LocalDate& date);

// `hijri` is the day's Umm al-Qura date (HIJRI_ADJ applied), "" when ICU could not give one; it comes
// last, a line of its own or the table's last column, so readers of the times are not disturbed.
std::string FormatDay(const std::string& place, const LocalDate& date, const TimeTable& table,
                      const std::string& hijri = "");
std::string FormatTableHeader(const std::string& place);
std::string FormatTableRow(const LocalDate& date, const TimeTable& table, const std::string& hijri = "");
// The Hijri text of `date` for the settings' adjustment, "" without one.
std::string HijriFor(const LocalDate& date, std::int32_t adjustDays);

inline constexpr const char* kUsage =
    "usage: nuro-times [--date YYYY-MM-DD] [--days N] [--place NAME]\n"
    "Prints the six prayer times of the configured place (or of the database place NAME)\n"
    "for today or the given date; --days N prints a table of N days from that date.\n";

// The whole tool; returns the exit status.
int Run(const std::vector<std::string>& args, ProfileService& profile, CalcLibrary& calc, std::string& out,
        std::string& err);

} // namespace nuro::times
