#include "FakeCalcLibrary.h"

#include "calc/nuro_api.h"
#include "core/FieldList.h"
#include "core/TimeText.h"

#include <cstdio>

#include <cstdlib>
#include <cstring>
#include <iterator>

namespace nuro::test {

namespace {
int libraryToken;
thread_local std::string answer; // valid until the same thread's next call, as the library's own
} // namespace

struct FakeExports {
    static const char* Trt(std::int32_t year, std::int32_t month, std::int32_t day, std::int32_t lonDeg,
                           std::int32_t lonMin, float lonSec, std::int32_t lonDir, std::int32_t latDeg,
                           std::int32_t latMin, float latSec, std::int32_t latDir, std::int32_t zone, float p, float t,
                           float h, std::int32_t aser, std::int32_t a0, std::int32_t a1, std::int32_t a2,
                           std::int32_t a3, std::int32_t a4, std::int32_t a5, std::int32_t angleFajer,
                           std::int32_t angleIsha, std::int32_t precision)
    {
        TrtArguments a{year,
                       month,
                       day,
                       lonDeg,
                       lonMin,
                       lonSec,
                       lonDir,
                       latDeg,
                       latMin,
                       latSec,
                       latDir,
                       zone,
                       p,
                       t,
                       h,
                       aser,
                       {a0, a1, a2, a3, a4, a5},
                       angleFajer,
                       angleIsha,
                       precision};
        return Answer(a, "trt");
    }

    static const char* TrtHl(std::int32_t year, std::int32_t month, std::int32_t day, std::int32_t lonDeg,
                             std::int32_t lonMin, float lonSec, std::int32_t lonDir, std::int32_t latDeg,
                             std::int32_t latMin, float latSec, std::int32_t latDir, std::int32_t zone, float p,
                             float t, float h, std::int32_t aser, std::int32_t a0, std::int32_t a1, std::int32_t a2,
                             std::int32_t a3, std::int32_t a4, std::int32_t a5, std::int32_t angleFajer,
                             std::int32_t angleIsha, std::int32_t precision, std::int32_t rule)
    {
        TrtArguments a{year,
                       month,
                       day,
                       lonDeg,
                       lonMin,
                       lonSec,
                       lonDir,
                       latDeg,
                       latMin,
                       latSec,
                       latDir,
                       zone,
                       p,
                       t,
                       h,
                       aser,
                       {a0, a1, a2, a3, a4, a5},
                       angleFajer,
                       angleIsha,
                       precision,
                       static_cast<HighLatitudeRule>(rule)};
        return Answer(a, "trt_hl");
    }

    static const char* Answer(const TrtArguments& a, const char* exportName)
    {
        FakeLibrary& fake = FakeLibrary::Instance();
        std::lock_guard<std::mutex> guard(fake.lock_);
        fake.state_.trtCalls.push_back(a);
        fake.state_.trtExports.emplace_back(exportName);
        answer = fake.state_.trtText;
        if (fake.state_.echoLongitude) {
            answer.clear();
            for (int i = 0; i < 6; ++i)
                answer += FormatTimeText(a.lonDeg % 24, a.lonMin % 60, 0) + "*";
        }
        return answer.c_str();
    }

    static const char* Times(const nuro_query* q, nuro_result* r)
    {
        FakeLibrary& fake = FakeLibrary::Instance();
        std::lock_guard<std::mutex> guard(fake.lock_);
        fake.state_.timesCalls.push_back(*q);
        answer = fake.state_.trtText;
        if (r) {
            for (int i = 0; i < 6; ++i) {
                const std::string field = GetField(answer, '*', i);
                int h = 0, m = 0, sec = 0;
                r->seconds[i] = std::sscanf(field.c_str(), "%2d:%2d:%2d", &h, &m, &sec) == 3 ? h * 3600 + m * 60 + sec
                                                                                             : NURO_MISSING;
            }
            r->midnight = fake.state_.midnight;
            r->last_third = fake.state_.lastThird;
        }
        return answer.c_str();
    }

    static const char* MethodId(std::int32_t index)
    {
        FakeLibrary& fake = FakeLibrary::Instance();
        std::lock_guard<std::mutex> guard(fake.lock_);
        if (index < 0 || static_cast<std::size_t>(index) >= fake.state_.methods.size())
            return nullptr;
        return std::next(fake.state_.methods.begin(), index)->first.c_str();
    }

    static std::int32_t MethodGet(const char* id, nuro_method* out)
    {
        FakeLibrary& fake = FakeLibrary::Instance();
        std::lock_guard<std::mutex> guard(fake.lock_);
        const auto it = fake.state_.methods.find(id);
        if (it == fake.state_.methods.end())
            return 0;
        *out = it->second;
        return 1;
    }

    static const char* MethodName(const char* id)
    {
        FakeLibrary& fake = FakeLibrary::Instance();
        std::lock_guard<std::mutex> guard(fake.lock_);
        const auto it = fake.state_.methods.find(id);
        if (it == fake.state_.methods.end())
            return nullptr;
        answer = "Name of " + it->first;
        return answer.c_str();
    }

    static const char* MethodDescription(const char* id)
    {
        FakeLibrary& fake = FakeLibrary::Instance();
        std::lock_guard<std::mutex> guard(fake.lock_);
        const auto it = fake.state_.methods.find(id);
        if (it == fake.state_.methods.end())
            return nullptr;
        answer = "Fajr " + std::to_string(it->second.fajr_angle);
        return answer.c_str();
    }

    static const char* CountryMethod(const char* code, std::int32_t* aser)
    {
        FakeLibrary& fake = FakeLibrary::Instance();
        std::lock_guard<std::mutex> guard(fake.lock_);
        const auto it = fake.state_.countries.find(code);
        if (it == fake.state_.countries.end())
            return nullptr;
        if (aser)
            *aser = it->second.second;
        return it->second.first.c_str();
    }

    static const char* Connect5(const char* database, const char* user, const char* password, const char* sql,
                                const char* const* columns)
    {
        FakeLibrary& fake = FakeLibrary::Instance();
        std::lock_guard<std::mutex> guard(fake.lock_);
        fake.state_.queries.push_back(std::string(database) + "|" + user + "|" + password + "|" + sql);
        // The first text counts the table's texts; the work area follows them.
        const int count = std::atoi(columns[0]);
        std::vector<std::string> table;
        for (int i = 0; i < count; ++i)
            table.emplace_back(columns[i]);
        fake.state_.columnTables.push_back(table);
        fake.state_.workAreas.push_back(columns[count]);
        answer = std::strncmp(sql, "select zone ", 12) == 0   ? fake.state_.zoneText
                 : std::strncmp(sql, "select cc ", 10) == 0   ? fake.state_.ccText
                 : std::strncmp(sql, "select name_", 12) == 0 ? fake.state_.localNameText
                                                              : fake.state_.connect5Text;
        return answer.c_str();
    }
};

// The casts below only hold when the fakes have exactly the library's signatures.
static_assert(std::is_same_v<decltype(&FakeExports::Trt), nuro_trt_fn>);
static_assert(std::is_same_v<decltype(&FakeExports::TrtHl), nuro_trt_hl_fn>);
static_assert(std::is_same_v<decltype(&FakeExports::Connect5), nuro_connect5_fn>);
static_assert(std::is_same_v<decltype(&FakeExports::Times), nuro_times_fn>);
static_assert(std::is_same_v<decltype(&FakeExports::MethodId), nuro_method_id_fn>);
static_assert(std::is_same_v<decltype(&FakeExports::MethodGet), nuro_method_get_fn>);
static_assert(std::is_same_v<decltype(&FakeExports::MethodName), nuro_method_text_fn>);
static_assert(std::is_same_v<decltype(&FakeExports::CountryMethod), nuro_country_method_fn>);

FakeLibrary& FakeLibrary::Instance()
{
    static FakeLibrary fake;
    return fake;
}

void FakeLibrary::Reset()
{
    std::lock_guard<std::mutex> guard(lock_);
    state_ = FakeLibraryState{};
}

void* FakeLoader::Open(const char* name)
{
    FakeLibrary& fake = FakeLibrary::Instance();
    std::lock_guard<std::mutex> guard(fake.lock_);
    ++fake.state_.opens;
    fake.state_.openedNames.emplace_back(name);
    return fake.state_.libraryPresent ? &libraryToken : nullptr;
}

void* FakeLoader::Resolve(void* library, const char* symbol)
{
    FakeLibrary& fake = FakeLibrary::Instance();
    std::lock_guard<std::mutex> guard(fake.lock_);
    fake.state_.resolved.emplace_back(symbol);
    if (library != &libraryToken)
        return nullptr;
    if (std::strcmp(symbol, "trt") == 0 && fake.state_.trtPresent)
        return reinterpret_cast<void*>(&FakeExports::Trt);
    if (std::strcmp(symbol, "trt_hl") == 0 && fake.state_.trtHlPresent)
        return reinterpret_cast<void*>(&FakeExports::TrtHl);
    if (std::strcmp(symbol, "connect5") == 0 && fake.state_.connect5Present)
        return reinterpret_cast<void*>(&FakeExports::Connect5);
    if (!fake.state_.timesPresent)
        return nullptr;
    const struct {
        const char* name;
        void* function;
    } methodExports[] = {
        {"nuro_times", reinterpret_cast<void*>(&FakeExports::Times)},
        {"nuro_method_id", reinterpret_cast<void*>(&FakeExports::MethodId)},
        {"nuro_method_get", reinterpret_cast<void*>(&FakeExports::MethodGet)},
        {"nuro_method_name", reinterpret_cast<void*>(&FakeExports::MethodName)},
        {"nuro_method_description", reinterpret_cast<void*>(&FakeExports::MethodDescription)},
        {"nuro_country_method", reinterpret_cast<void*>(&FakeExports::CountryMethod)},
    };
    for (const auto& e : methodExports)
        if (std::strcmp(symbol, e.name) == 0)
            return e.function;
    return nullptr;
}

} // namespace nuro::test
