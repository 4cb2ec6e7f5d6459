#include "core/Utf8Text.h"

namespace nuro {
namespace {

bool Continuation(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

} // namespace

std::size_t Utf8Length(std::string_view text)
{
    std::size_t n = 0;
    for (char c : text)
        n += !Continuation(c);
    return n;
}

std::string_view Utf8Head(std::string_view text, std::size_t maxChars)
{
    std::size_t chars = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (!Continuation(text[i]) && chars++ == maxChars)
            return text.substr(0, i);
    }
    return text;
}

std::string_view Utf8HeadBytes(std::string_view text, std::size_t maxBytes)
{
    if (text.size() <= maxBytes)
        return text;
    std::size_t n = maxBytes;
    // Back off to the start of the character that does not fit.
    while (n > 0 && Continuation(text[n]))
        --n;
    return text.substr(0, n);
}

void Utf8Append(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

} // namespace nuro
