// The Config dialog's text rules: the place list, quoting, field normalisation and the update
// statement for the updater. No windows here; the place rules are in places/.
#pragma once

#include "core/AppSettings.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace nuro {

inline constexpr std::size_t kPlaceListChars = 11999; // t1 is read into a 12,000-character buffer
inline constexpr std::size_t kFieldReadChars = 10; // every edit is read with room for 10
inline constexpr std::size_t kStatementFieldChars = 7; // the four corrections in the update statement
inline constexpr std::size_t kStatementNameChars = 49; // the place name in the update statement
inline constexpr std::size_t kStatementMaxChars = 255; // the updater's statement buffer
// Every limit counts characters, and every cut falls between two of them: a cut text stays valid UTF-8.

// The names of a t1 list, in list order: each '*' ends a name; text after the last '*' is dropped.
std::vector<std::string> PlaceListNames(std::string_view t1);

// `text` with every single quote doubled, so it stays one SQL string literal.
std::string QuoteSqlText(std::string_view text);

// A real field rewritten with two decimals, an integer field with "%d" (unparsable text gives 0).
// A real is clamped to -999999.99 .. 9999999.99 (NaN gives 0) so that its text fits the 10 characters
// the field is read back with: what the field shows is what is applied.
std::string NormalizeRealField(std::string_view text);
std::string NormalizeIntField(std::string_view text);

// The texts of the fields that go into the update statement as they stand.
struct StatementFields {
    std::string timeZone, pressure, temperature, elevation, placeName;
};

// The statement handed to the updater, from the settings (coordinates) and the field texts, each cut to
// what the statement holds (7 characters, the name 49; the statement at most 255 characters) and with its quotes doubled. Empty, with the reason
// in `whyNot`, when a cut would change what is written (a number that reads differently, a name that
// would address another row) or the statement would not fit 255 characters.
std::optional<std::string> UpdateStatement(const AppSettings& settings, const StatementFields& fields,
                                           std::string* whyNot = nullptr);

} // namespace nuro
