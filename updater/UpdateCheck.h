// What the updater agrees to run: exactly one plain UPDATE of one place, read by a tokenizer and
// parser of our own rather than matched as text.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace nuro::updater {

inline constexpr std::size_t kMaxStatementChars = 10000;

// Empty when `sql` is
//     UPDATE nuro SET column = literal [, column = literal ...] WHERE nom = 'name' [;]
// with keywords in any case, each column one of the place table's own (never nom) at most once, each
// literal a string or a signed number, a `zone` only a name the tz database lists (or '' for the
// computer's own), and nothing else: no conflict clause, no other condition, no second statement, no
// comment. A name holding a quote may stand unescaped (MODIF formats it as it is) when the text
// then cannot be read as SQL at all, so the database runs it only with the name bound as a value.
// Otherwise the reason it is refused, in a few words.
std::optional<std::string> CheckUpdateStatement(std::string_view sql);

} // namespace nuro::updater
