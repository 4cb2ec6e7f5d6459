#include "dialogs/ConfigRules.h"

#include "core/NumberText.h"
#include "core/Utf8Text.h"

#include <algorithm>
#include <cmath>

namespace nuro {

std::vector<std::string> PlaceListNames(std::string_view t1)
{
    std::vector<std::string> names;
    std::string name;
    for (char c : t1) {
        if (c == '*') {
            names.push_back(name);
            name.clear();
        } else {
            name.push_back(c);
        }
    }
    return names;
}

std::string QuoteSqlText(std::string_view text)
{
    std::string quoted;
    quoted.reserve(text.size());
    for (char c : text) {
        quoted.push_back(c);
        if (c == '\'')
            quoted.push_back('\'');
    }
    return quoted;
}

std::string NormalizeRealField(std::string_view text)
{
    // The widest texts "%.2f" gives within the 10 characters read back.
    constexpr double kLowest = -999999.99, kHighest = 9999999.99;
    const double value = ParseReal(Utf8Head(text, kFieldReadChars));
    return FormatFixed(std::isnan(value) ? 0.0 : std::clamp(value, kLowest, kHighest), 2);
}

std::string NormalizeIntField(std::string_view text)
{
    return FormatInt(ParseInt(Utf8Head(text, kFieldReadChars)));
}

std::optional<std::string> UpdateStatement(const AppSettings& s, const StatementFields& f, std::string* whyNot)
{
    auto refuse = [&](const std::string& reason) -> std::optional<std::string> {
        if (whyNot)
            *whyNot = reason;
        return std::nullopt;
    };
    // Cutting "1013.250" to "1013.25" writes the same number; cutting "-999999.99" to "-999999" does not.
    const struct {
        const char* column;
        const std::string& text;
    } numbers[] = {{"t_zone", f.timeZone}, {"p", f.pressure}, {"t", f.temperature}, {"h", f.elevation}};
    for (const auto& n : numbers) {
        const std::string_view cut = Utf8Head(n.text, kStatementFieldChars);
        if (cut.size() < n.text.size() && ParseReal(cut) != ParseReal(n.text))
            return refuse(std::string(n.column) + " '" + n.text + "' does not fit " +
                          std::to_string(kStatementFieldChars) + " characters");
    }
    if (Utf8Length(f.placeName) > kStatementNameChars)
        return refuse("the place name is longer than " + std::to_string(kStatementNameChars) + " characters");

    // Appended piece by piece: GCC 12 misreads `"'" + std::string&&` (an insert at the front) as an
    // overlapping copy and warns under -Wrestrict at -O2 and above.
    auto quoted = [](const std::string& text, std::size_t room) {
        std::string out(1, '\'');
        out += QuoteSqlText(Utf8Head(text, room));
        out += '\'';
        return out;
    };
    // A letter never set yet (0) adds nothing rather than a terminator inside the statement.
    auto card = [](char c) { return c ? std::string(1, c) : std::string(); };
    std::string statement = "update NURO set d1=" + FormatInt(s.D1) + " ,m1=" + FormatInt(s.M1) + ",s1='" +
                            FormatFixed(s.S1, 3) + "',card1='" + card(s.CARD1) + "',d2=" + FormatInt(s.D2) +
                            " ,m2=" + FormatInt(s.M2) + ",s2='" + FormatFixed(s.S2, 3) + "',card2='" + card(s.CARD2) +
                            "'";
    statement +=
        ",t_zone=" + quoted(f.timeZone, kStatementFieldChars) + ",p=" + quoted(f.pressure, kStatementFieldChars) +
        ",t=" + quoted(f.temperature, kStatementFieldChars) + ",h=" + quoted(f.elevation, kStatementFieldChars) +
        " where nom=" + quoted(f.placeName, kStatementNameChars) + ";";
    if (Utf8Length(statement) > kStatementMaxChars)
        return refuse("the statement is longer than " + std::to_string(kStatementMaxChars) + " characters");
    return statement;
}

} // namespace nuro
