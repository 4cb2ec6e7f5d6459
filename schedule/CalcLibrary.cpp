#include "schedule/CalcLibrary.h"

#include "core/FieldList.h"

#include "calc/nuro_api.h"
#include "platform/os/SharedLibrary.h"

#include <algorithm>
#include <cstdio>
#include <iterator>

namespace nuro {
namespace {

class SystemLibraryLoader : public LibraryLoader {
public:
    void* Open(const char* name) override { return OpenSharedLibrary(name); }
    void* Resolve(void* library, const char* symbol) override { return FindLibrarySymbol(library, symbol); }
};

void ReportMissing()
{
    std::fputs(kCalcError, stdout);
    std::fflush(stdout);
}

} // namespace

std::unique_ptr<LibraryLoader> MakeSystemLibraryLoader()
{
    return std::make_unique<SystemLibraryLoader>();
}

CalcLibrary::CalcLibrary(std::unique_ptr<LibraryLoader> loader) : loader_(std::move(loader))
{
}

void CalcLibrary::Load()
{
    std::call_once(loadOnce_, [this] { library_.store(loader_->Open(kCalcLibraryName)); });
}

bool CalcLibrary::Loaded() const
{
    return library_.load() != nullptr;
}

HighLatitudeRule ReadHighLatitudeRule(std::int32_t value)
{
    return value == kOneSeventhOfTheNight || value == kTwilightAngleShare ? static_cast<HighLatitudeRule>(value)
                                                                          : kMiddleOfTheNight;
}

void* CalcLibrary::OptionalExport(const char* name)
{
    Load();
    void* library = library_.load();
    return library ? loader_->Resolve(library, name) : nullptr;
}

void* CalcLibrary::Export(const char* name)
{
    void* symbol = OptionalExport(name);
    if (!symbol)
        ReportMissing();
    return symbol;
}

HighLatitudeRule CalcLibrary::RuleInForce(HighLatitudeRule requested)
{
    return requested != kMiddleOfTheNight && OptionalExport("trt_hl") ? requested : kMiddleOfTheNight;
}

std::optional<std::string> CalcLibrary::Trt(const TrtArguments& a)
{
    // The middle of the night always goes to "trt", so a settings file without HIGH_LAT makes exactly
    // the calls it always made; a library older than "trt_hl" still gives times, by "trt"'s rule.
    if (a.highLatRule != kMiddleOfTheNight) {
        if (auto trtHl = reinterpret_cast<nuro_trt_hl_fn>(OptionalExport("trt_hl"))) {
            const char* text =
                trtHl(a.year, a.month, a.day, a.lonDeg, a.lonMin, a.lonSec, a.lonDir, a.latDeg, a.latMin, a.latSec,
                      a.latDir, a.zoneHours, a.pressure, a.temperature, a.elevation, a.aserMethod, a.additions[0],
                      a.additions[1], a.additions[2], a.additions[3], a.additions[4], a.additions[5], a.angleFajer,
                      a.angleIsha, a.precision, a.highLatRule);
            return std::string(text ? text : "");
        }
    }
    auto trt = reinterpret_cast<nuro_trt_fn>(Export("trt"));
    if (!trt)
        return std::nullopt;
    const char* text =
        trt(a.year, a.month, a.day, a.lonDeg, a.lonMin, a.lonSec, a.lonDir, a.latDeg, a.latMin, a.latSec, a.latDir,
            a.zoneHours, a.pressure, a.temperature, a.elevation, a.aserMethod, a.additions[0], a.additions[1],
            a.additions[2], a.additions[3], a.additions[4], a.additions[5], a.angleFajer, a.angleIsha, a.precision);
    return std::string(text ? text : "");
}

std::optional<std::string> CalcLibrary::Connect5(const std::string& sql)
{
    auto connect5 = reinterpret_cast<nuro_connect5_fn>(Export("connect5"));
    if (!connect5)
        return std::nullopt;
    std::lock_guard<std::mutex> guard(queryLock_);
    const char* const columns[] = {"14",    "nom",    "d1", "m1", "s1", "card1",         "d2", "m2", "s2",
                                   "card2", "t_zone", "p",  "t",  "h",  workArea_.data()};
    const char* row = connect5(kPlaceDatabase, kPlaceDatabaseUser, kPlaceDatabasePassword, sql.c_str(), columns);
    return std::string(row ? row : "");
}

std::optional<std::string> CalcLibrary::PlaceColumn(const char* column, std::string_view name)
{
    auto connect5 = reinterpret_cast<nuro_connect5_fn>(Export("connect5"));
    if (!connect5)
        return std::nullopt;
    const std::string sql =
        std::string("select ") + column + PlaceQuery(name).substr(std::string_view("select *").size());
    std::lock_guard<std::mutex> guard(queryLock_);
    const char* const columns[] = {"2", column, workArea_.data()};
    const char* row = connect5(kPlaceDatabase, kPlaceDatabaseUser, kPlaceDatabasePassword, sql.c_str(), columns);
    return GetField(row ? row : "", '*', 0);
}

std::optional<std::vector<std::string>> CalcLibrary::Rows(const std::string& sql,
                                                          const std::vector<std::string>& columns, int maxRows)
{
    auto connect5 = reinterpret_cast<nuro_connect5_fn>(Export("connect5"));
    if (!connect5)
        return std::nullopt;
    auto connect5Rows = reinterpret_cast<nuro_connect5_rows_fn>(OptionalExport("connect5_rows"));
    const std::string count = std::to_string(columns.size() + 1);
    std::vector<const char*> table;
    table.reserve(columns.size() + 2);
    table.push_back(count.c_str());
    for (const std::string& c : columns)
        table.push_back(c.c_str());
    std::lock_guard<std::mutex> guard(queryLock_);
    table.push_back(workArea_.data());
    std::vector<std::string> rows;
    if (!connect5Rows) {
        // One row a call, each of its own offset.
        for (int n = 0; n < maxRows; ++n) {
            const std::string nth = "select * from (" + sql + ") limit 1 offset " + std::to_string(n);
            const char* row =
                connect5(kPlaceDatabase, kPlaceDatabaseUser, kPlaceDatabasePassword, nth.c_str(), table.data());
            if (!row || !*row)
                break;
            rows.emplace_back(row);
        }
        return rows;
    }
    const char* text =
        connect5Rows(kPlaceDatabase, kPlaceDatabaseUser, kPlaceDatabasePassword, sql.c_str(), table.data(), maxRows);
    for (std::string_view rest = text ? text : ""; !rest.empty();) {
        const std::size_t end = rest.find('\n');
        rows.emplace_back(rest.substr(0, end));
        rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
    }
    return rows;
}

std::optional<std::string> CalcLibrary::PlaceZone(std::string_view name)
{
    return PlaceColumn("zone", name);
}

std::optional<std::string> CalcLibrary::PlaceCountry(std::string_view name)
{
    return PlaceColumn("cc", name);
}

bool CalcLibrary::HasMethodExport()
{
    return OptionalExport("nuro_times") != nullptr;
}

std::optional<MethodTimes> CalcLibrary::Times(const nuro_query& query)
{
    auto times = reinterpret_cast<nuro_times_fn>(Export("nuro_times"));
    if (!times)
        return std::nullopt;
    nuro_result result{};
    result.size = sizeof result;
    const char* text = times(&query, &result);
    MethodTimes out;
    out.text = text ? text : "";
    std::copy(std::begin(result.seconds), std::end(result.seconds), out.seconds.begin());
    out.midnight = result.midnight;
    out.lastThird = result.last_third;
    return out;
}

std::vector<std::string> CalcLibrary::MethodIds()
{
    std::vector<std::string> ids;
    auto id = reinterpret_cast<nuro_method_id_fn>(OptionalExport("nuro_method_id"));
    // A bound, so a library that never ends its list cannot hang the program.
    for (std::int32_t i = 0; id && i < 1000; ++i) {
        const char* text = id(i);
        if (!text)
            break;
        ids.emplace_back(text);
    }
    return ids;
}

std::optional<nuro_method> CalcLibrary::Method(std::string_view id)
{
    auto get = reinterpret_cast<nuro_method_get_fn>(OptionalExport("nuro_method_get"));
    nuro_method method{};
    if (!get || get(std::string(id).c_str(), &method) != 1)
        return std::nullopt;
    return method;
}

std::string CalcLibrary::MethodName(std::string_view id)
{
    auto name = reinterpret_cast<nuro_method_text_fn>(OptionalExport("nuro_method_name"));
    const char* text = name ? name(std::string(id).c_str()) : nullptr;
    return text ? text : "";
}

std::string CalcLibrary::MethodDescription(std::string_view id)
{
    auto description = reinterpret_cast<nuro_method_text_fn>(OptionalExport("nuro_method_description"));
    const char* text = description ? description(std::string(id).c_str()) : nullptr;
    return text ? text : "";
}

std::optional<CountryDefault> CalcLibrary::CountryMethod(std::string_view countryCode)
{
    auto lookup = reinterpret_cast<nuro_country_method_fn>(OptionalExport("nuro_country_method"));
    if (!lookup || countryCode.empty())
        return std::nullopt;
    std::int32_t aser = 1;
    const char* method = lookup(std::string(countryCode).c_str(), &aser);
    if (!method)
        return std::nullopt;
    return CountryDefault{method, aser == 2 ? 2 : 1};
}

CalcLibrary& Calc()
{
    static CalcLibrary* library = new CalcLibrary(MakeSystemLibraryLoader());
    return *library;
}

std::string PlaceQuery(std::string_view name)
{
    std::string sql = "select * from nuro where nom='";
    for (char c : name) {
        if (c == '\0')
            break;
        sql.push_back(c);
        if (c == '\'')
            sql.push_back('\'');
    }
    sql += "'";
    return sql;
}

std::string PlaceNameIn(CalcLibrary& calc, std::string_view name, std::string_view language)
{
    static constexpr std::string_view kNamedLanguages[] = {"ar", "ur", "fa", "tr"};
    if (name.empty() ||
        std::find(std::begin(kNamedLanguages), std::end(kNamedLanguages), language) == std::end(kNamedLanguages))
        return std::string(name);
    const std::string column = "name_" + std::string(language);
    const std::optional<std::string> local = calc.PlaceColumn(column.c_str(), name);
    return local && !local->empty() ? *local : std::string(name);
}

} // namespace nuro
