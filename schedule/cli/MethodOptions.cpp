#include "schedule/cli/MethodOptions.h"

#include "core/NumberText.h"
#include "schedule/Methods.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace nuro::times {
namespace {

// A whole decimal number and nothing else ("21.4225", "-0.5"); no hex, no infinity, no blanks.
std::optional<double> Number(std::string_view text)
{
    if (text.empty() || text.size() > 32)
        return std::nullopt;
    for (char c : text)
        if (!((c >= '0' && c <= '9') || c == '.' || c == '-' || c == '+'))
            return std::nullopt;
    const std::string copy(text);
    char* end = nullptr;
    errno = 0;
    const double value = std::strtod(copy.c_str(), &end);
    if (errno != 0 || end != copy.c_str() + copy.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

} // namespace

std::optional<MethodOptions::At> ParseCoordinates(std::string_view text)
{
    std::vector<std::string_view> parts;
    for (std::size_t start = 0;;) {
        const std::size_t comma = text.find(',', start);
        parts.push_back(text.substr(start, comma == std::string_view::npos ? std::string_view::npos : comma - start));
        if (comma == std::string_view::npos)
            break;
        start = comma + 1;
    }
    if (parts.size() < 2 || parts.size() > 3)
        return std::nullopt;
    const std::optional<double> lat = Number(parts[0]), lon = Number(parts[1]);
    const std::optional<double> h = parts.size() == 3 ? Number(parts[2]) : std::optional<double>(0.0);
    // From the Dead Sea's shore to above any town.
    if (!lat || !lon || !h || std::fabs(*lat) > 90.0 || std::fabs(*lon) > 180.0 || *h < -500.0 || *h > 9000.0)
        return std::nullopt;
    return MethodOptions::At{*lat, *lon, *h};
}

OptionParse ParseMethodOption(const std::vector<std::string>& args, std::size_t& i, MethodOptions& o,
                              std::string* error)
{
    const std::string& arg = args[i];
    if (arg == "--methods") {
        o.list = true;
        return OptionParse::Taken;
    }
    if (arg == "--sunnah") {
        o.sunnah = true;
        return OptionParse::Taken;
    }
    bool matched = false;
    if (auto value = OptionValue(args, i, "--method", matched); matched) {
        if (!value || value->empty()) {
            *error = "--method wants a method id (nuro-times --methods lists them)";
            return OptionParse::Wrong;
        }
        o.method = *value;
        return OptionParse::Taken;
    }
    if (auto value = OptionValue(args, i, "--at", matched); matched) {
        o.at = value ? ParseCoordinates(*value) : std::nullopt;
        if (!o.at) {
            *error = "--at wants LAT,LON[,H]: decimal degrees (north and east positive, latitude -90..90, "
                     "longitude -180..180) and metres";
            return OptionParse::Wrong;
        }
        return OptionParse::Taken;
    }
    if (auto value = OptionValue(args, i, "--aser", matched); matched) {
        if (value && *value == "standard")
            o.aser = 1;
        else if (value && *value == "hanafi")
            o.aser = 2;
        else {
            *error = "--aser wants standard or hanafi";
            return OptionParse::Wrong;
        }
        return OptionParse::Taken;
    }
    if (auto value = OptionValue(args, i, "--high-lat", matched); matched) {
        for (std::int32_t rule = 0; value && rule < static_cast<std::int32_t>(std::size(kHighLatOptionNames)); ++rule)
            if (*value == kHighLatOptionNames[rule])
                o.highLat = rule;
        if (!o.highLat) {
            *error = "--high-lat wants middle, seventh, angle or seventh-from-55";
            return OptionParse::Wrong;
        }
        return OptionParse::Taken;
    }
    return OptionParse::NotMine;
}

std::string MethodListing(CalcLibrary& calc)
{
    std::string out;
    for (const std::string& id : calc.MethodIds()) {
        std::string line = id;
        line.resize(std::max<std::size_t>(line.size() + 2, 14), ' ');
        line += calc.MethodName(id);
        if (const std::string d = calc.MethodDescription(id); !d.empty())
            line += ": " + d;
        out += line + "\n";
    }
    return out;
}

void ApplyCoordinates(const MethodOptions::At& at, AppSettings& s)
{
    char name[64];
    std::snprintf(name, sizeof name, "%.4f, %.4f", at.latitude, at.longitude);
    SetPlaceName(s, name);
    // Degrees, minutes and seconds as the settings keep them; the seconds carry the rest.
    auto split = [](double value, std::int32_t& d, std::int32_t& m, float& sec) {
        const double a = std::fabs(value);
        d = static_cast<std::int32_t>(a);
        m = static_cast<std::int32_t>((a - d) * 60.0);
        sec = static_cast<float>((a - d) * 3600.0 - m * 60.0);
    };
    split(at.longitude, s.D1, s.M1, s.S1);
    s.CARD1 = at.longitude < 0 ? 'W' : 'E';
    split(at.latitude, s.D2, s.M2, s.S2);
    s.CARD2 = at.latitude < 0 ? 'S' : 'N';
    s.H = static_cast<float>(at.elevation);
    // The standard atmosphere, and no additions: they were the previous place's.
    s.P = 1010.0f;
    s.T = 10.0f;
    for (std::size_t i = 0; i < 6; ++i)
        s.corrections[i] = 0;
    // The place's own clock: --zone's, else the computer's.
    s.extra.AUTO_TZ = 1;
    s.extra.ZONE.clear();
}

int ApplyMethodChoice(const MethodOptions& o, bool newPlace, AppSettings& s, CalcLibrary& calc, const ZoneRules& zones,
                      std::string& err)
{
    if (o.method) {
        if (*o.method != kAutoMethod && !calc.Method(*o.method)) {
            err += "nuro-times: unknown method '" + *o.method + "' (nuro-times --methods lists them)\n";
            return kExitUsage;
        }
        s.extra.METHOD = *o.method;
    }
    ResolvePlaceMethod(calc, s, zones);
    // Another place brings its country's school, as choosing it in Config does, unless the user chose one.
    if (newPlace && !s.extra.METHOD.empty() && s.extra.ASER_OWN == 0)
        if (const std::optional<CountryDefault> d = calc.CountryMethod(s.extra.country))
            s.ASER = d->aser;
    if (o.aser)
        s.ASER = *o.aser;
    if (o.highLat) {
        s.extra.highLatOverride = *o.highLat;
        // "trt_hl" takes the first three rules of the custom values.
        if (*o.highLat <= kTwilightAngleShare)
            s.extra.HIGH_LAT = *o.highLat;
    }
    return -1;
}

std::string MethodLine(CalcLibrary& calc, const AppSettings& s, const TimesWords& words)
{
    const std::optional<nuro_method> method = MethodInForce(calc, s);
    if (!method)
        return {};
    if (&words == &EnglishTimesWords())
        return "Method: " + MethodInForceText(calc, s) + "\n";
    // The Expert dialog's words: the name as the catalogue writes it, then its parameters and minutes.
    constexpr const char* kExpert = "Template3";
    const MethodWords word = [&](const char* english) { return Translated(words, kExpert, english); };
    const std::string& id = s.extra.methodInForce;
    const bool named = !id.empty() && calc.Method(id);
    const ReadingSigns signs = ReadingSignsOf(words.language);
    std::string line = word("Method") + std::string(signs.colon) +
                       (named ? word(calc.MethodName(id).c_str()) + " (" + id + ")" : word("Custom")) +
                       std::string(signs.colon) + MethodParametersText(*method, word, signs);
    if (HasMethodMinutes(*method))
        line += std::string(signs.semicolon) + MethodMinutesText(*method, word, signs);
    return line + "\n";
}

} // namespace nuro::times
