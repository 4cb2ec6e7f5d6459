// The program's side of the calculation library: loaded once by name, exports resolved at each call.
#pragma once

#include "calc/nuro_api.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace nuro {

inline constexpr const char* kCalcLibraryName = "libnuro.so";
inline constexpr const char* kPlaceDatabase = "data.ar";
inline constexpr const char* kPlaceDatabaseUser = "user";
inline constexpr const char* kPlaceDatabasePassword = "qvx";
inline constexpr const char* kCalcError = "ERREUR\n";

// How the library is reached: the system's dynamic loader in the program, a fake in tests.
class LibraryLoader {
public:
    virtual ~LibraryLoader() = default;
    virtual void* Open(const char* name) = 0; // nullptr when it cannot be loaded
    virtual void* Resolve(void* library, const char* symbol) = 0; // nullptr when the export is missing
};

std::unique_ptr<LibraryLoader> MakeSystemLibraryLoader();

// The high-latitude rules of the HIGH_LAT key: 0 is "trt"'s own (the middle of the night).
enum HighLatitudeRule : std::int32_t { kMiddleOfTheNight = 0, kOneSeventhOfTheNight = 1, kTwilightAngleShare = 2 };
inline constexpr std::array<const char*, 3> kHighLatitudeRuleNames = {"middle of the night", "one seventh of the night",
                                                                      "twilight angle"};

// A HIGH_LAT value as a rule; anything but 1 or 2 is the middle of the night, as a file without the key.
HighLatitudeRule ReadHighLatitudeRule(std::int32_t value);

// The 25 arguments of "trt", in call order, each one 32-bit slot, and the rule "trt_hl" takes as a 26th.
struct TrtArguments {
    std::int32_t year = 0, month = 0, day = 0;
    std::int32_t lonDeg = 0, lonMin = 0;
    float lonSec = 0;
    std::int32_t lonDir = 0; // the letter in the low 8 bits
    std::int32_t latDeg = 0, latMin = 0;
    float latSec = 0;
    std::int32_t latDir = 0;
    std::int32_t zoneHours = 0;
    float pressure = 0, temperature = 0, elevation = 0;
    std::int32_t aserMethod = 0;
    std::array<std::int32_t, 6> additions{}; // Fajer, Shuroq, Dhohur, Aser, Maghereb, Isha
    std::int32_t angleFajer = 0, angleIsha = 0;
    std::int32_t precision = 0;
    HighLatitudeRule highLatRule = kMiddleOfTheNight;

    bool operator==(const TrtArguments&) const = default;
};

// The times of "nuro_times": the field list, and the same as seconds of the local day.
struct MethodTimes {
    std::string text;
    std::array<std::int32_t, 6> seconds{}; // NURO_MISSING for a time that does not exist
    std::int32_t midnight = NURO_MISSING; // the night that begins this evening
    std::int32_t lastThird = NURO_MISSING;
};

// A country's default method and Aser school (1 standard, 2 Hanafi).
struct CountryDefault {
    std::string method;
    std::int32_t aser = 1;
};

class CalcLibrary {
public:
    explicit CalcLibrary(std::unique_ptr<LibraryLoader> loader);
    CalcLibrary(const CalcLibrary&) = delete;
    CalcLibrary& operator=(const CalcLibrary&) = delete;

    // Loads the library the first time it is called (from any thread); a failed load is silent.
    // There is no unload: a refresh on the monitor thread may be inside the library while the
    // program exits, so it stays loaded until the process ends.
    void Load();
    bool Loaded() const;

    // The export's text, copied; nullopt, after writing "ERREUR\n" to standard output, when the
    // library or the export is missing. Calls Load() first. A rule other than the middle of the night
    // goes to "trt_hl" where the library exports it; otherwise "trt" answers with the middle of the night.
    std::optional<std::string> Trt(const TrtArguments& args);
    // The rule Trt applies for `requested`: the middle of the night unless "trt_hl" is exported.
    HighLatitudeRule RuleInForce(HighLatitudeRule requested);
    std::optional<std::string> Connect5(const std::string& sql);
    // The IANA zone of the database place `name` through a second query of its own column table, so
    // the place row keeps its 13 fields; empty when the place or the column (an older database) is
    // missing.
    std::optional<std::string> PlaceZone(std::string_view name);
    // Up to maxRows rows of any read of the place database, each its fields in the order of `columns`
    // (a column the database lacks gives an empty field); none when the statement is refused. Through
    // "connect5_rows"; a library without it answers one row a call through "connect5".
    std::optional<std::vector<std::string>> Rows(const std::string& sql, const std::vector<std::string>& columns,
                                                 int maxRows);
    // One text column of the database place `name` ("name_tr"), the same way; empty when the place
    // or the column is missing.
    std::optional<std::string> PlaceColumn(const char* column, std::string_view name);
    // The place's country code (column `cc`) by a query of its own; empty when the place or the
    // column is missing.
    std::optional<std::string> PlaceCountry(std::string_view name);

    // "nuro_times": nullopt, after "ERREUR\n", when the library or the export is missing.
    std::optional<MethodTimes> Times(const nuro_query& query);
    bool HasMethodExport();
    // The named methods in the library's order; empty for a library without them.
    std::vector<std::string> MethodIds();
    std::optional<nuro_method> Method(std::string_view id);
    std::string MethodName(std::string_view id); // English; empty for an unknown id
    std::string MethodDescription(std::string_view id); // English one-line parameters
    std::optional<CountryDefault> CountryMethod(std::string_view countryCode);

private:
    void* Export(const char* name);
    void* OptionalExport(const char* name); // nullptr, without a report, when it is missing

    std::unique_ptr<LibraryLoader> loader_;
    std::once_flag loadOnce_;
    std::atomic<void*> library_{nullptr};
    std::mutex queryLock_; // guards the work area handed to every query
    std::array<char, 28> workArea_{};
};

// The process's binding, over the system loader. Never destroyed, so a detached thread may still use it.
CalcLibrary& Calc();

// "select * from nuro where nom='NAME'" with every single quote of the name doubled, so any name
// stays one literal.
std::string PlaceQuery(std::string_view name);

// The place's name as the reader's language writes it, where the database has a column for the
// language (name_ar, name_ur, name_fa, name_tr) and a text in it; otherwise `name`, the database's
// own name, which the settings keep.
std::string PlaceNameIn(CalcLibrary& calc, std::string_view name, std::string_view language);

} // namespace nuro
