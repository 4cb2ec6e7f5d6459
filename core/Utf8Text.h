// Cuts of UTF-8 texts that never split a character: a cut text is valid UTF-8 whenever the whole was.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace nuro {

// The number of characters: every byte but a continuation byte starts one.
std::size_t Utf8Length(std::string_view text);

// The first maxChars characters of text (all of it when shorter).
std::string_view Utf8Head(std::string_view text, std::size_t maxChars);

// The longest start of text that holds at most maxBytes bytes and ends on a character boundary.
std::string_view Utf8HeadBytes(std::string_view text, std::size_t maxBytes);

// Appends the code point c, encoded.
void Utf8Append(std::string& out, char32_t c);

} // namespace nuro
