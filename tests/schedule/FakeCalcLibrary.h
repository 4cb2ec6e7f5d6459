// A stand-in for libnuro.so: a loader that hands out real functions with the library's signatures,
// which record every call's arguments and answer a text set by the test.
#pragma once

#include "schedule/CalcLibrary.h"

#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace nuro::test {

struct FakeLibraryState {
    bool libraryPresent = true;
    bool trtPresent = true;
    bool trtHlPresent = true; // the library's high-latitude export
    bool connect5Present = true;
    int opens = 0;
    std::vector<std::string> openedNames;
    std::vector<std::string> resolved; // every symbol asked for, in order
    std::string trtText;
    bool echoLongitude = false; // answer six times "D1:M1:00" instead of trtText
    std::vector<TrtArguments> trtCalls; // of "trt" and "trt_hl" alike, the rule in highLatRule
    std::vector<std::string> trtExports; // which of the two each call went to
    std::string connect5Text;
    std::string zoneText; // the answer to the place zone query
    std::string localNameText; // the answer to a query of a name_xx column
    std::string ccText; // the answer to the place country query
    // "nuro_times" answers trtText (its times also as seconds) and these two sunnah times.
    bool timesPresent = true;
    std::vector<nuro_query> timesCalls;
    std::int32_t midnight = 86400 + 5 * 60, lastThird = 86400 + 3 * 3600;
    std::map<std::string, nuro_method> methods; // by id, in id order
    std::map<std::string, std::pair<std::string, std::int32_t>> countries; // code -> method, Aser school
    std::vector<std::string> queries;
    std::vector<std::vector<std::string>> columnTables; // the texts of each query's column table (14 for a place row)
    std::vector<const void*> workAreas;
};

// One fake per process; Reset() starts each test afresh. Every access takes the lock, since the
// monitor's thread calls it too.
class FakeLibrary {
public:
    static FakeLibrary& Instance();
    void Reset();
    template <typename F> auto With(F&& f)
    {
        std::lock_guard<std::mutex> guard(lock_);
        return f(state_);
    }

private:
    friend class FakeLoader;
    friend struct FakeExports;
    std::mutex lock_;
    FakeLibraryState state_;
};

class FakeLoader : public LibraryLoader {
public:
    void* Open(const char* name) override;
    void* Resolve(void* library, const char* symbol) override;
};

inline std::unique_ptr<CalcLibrary> MakeFakeCalc()
{
    return std::make_unique<CalcLibrary>(std::make_unique<FakeLoader>());
}

} // namespace nuro::test
