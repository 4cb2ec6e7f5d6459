// The Arabic-script letters that are written several ways, brought to one form: the search table's words
// are folded with these when the database is made and a typed search with the same, so both meet.
#pragma once

#include <string>
#include <string_view>

namespace nuro::paths {

// Tatweel, harakat, the combining hamzas and the superscript alef: they write no letter of their own.
inline constexpr bool IsArabicMark(char32_t c) { return c == 0x0640 || (c >= 0x064B && c <= 0x065F) || c == 0x0670; }

inline constexpr char32_t FoldArabicLetter(char32_t c) {
    switch (c) {
        case 0x0622:
        case 0x0623:
        case 0x0625:
        case 0x0671:
            return 0x0627;  // alef with hamza, madda or wasla
        case 0x0649:
        case 0x06CC:
        case 0x0626:
            return 0x064A;  // alef maqsura, Farsi yeh, yeh with hamza
        case 0x0629:
        case 0x06C3:  // teh marbuta, Urdu's too
        case 0x06C1:
        case 0x06C2:
        case 0x06C0:
        case 0x06D5:
            return 0x0647;  // heh goal, heh with yeh, ae
        case 0x0624:
            return 0x0648;  // waw with hamza
        case 0x06A9:
            return 0x0643;  // keheh
    }
    return c;
}

// A word with every Arabic mark dropped and every letter above folded; other text is kept byte for byte.
inline std::string FoldArabicWord(std::string_view word) {
    std::string out;
    out.reserve(word.size());
    for (std::size_t i = 0; i < word.size();) {
        const auto b = static_cast<unsigned char>(word[i]);
        // The Arabic block is two bytes in UTF-8 (0xD8..0xDB lead): nothing else changes.
        if (b >= 0xD8 && b <= 0xDB && i + 1 < word.size() && (static_cast<unsigned char>(word[i + 1]) & 0xC0) == 0x80) {
            const char32_t c = ((b & 0x1F) << 6) | (static_cast<unsigned char>(word[i + 1]) & 0x3F);
            i += 2;
            if (IsArabicMark(c)) continue;
            const char32_t f = FoldArabicLetter(c);
            out += static_cast<char>(0xC0 | (f >> 6));
            out += static_cast<char>(0x80 | (f & 0x3F));
            continue;
        }
        out += word[i++];
    }
    return out;
}

}  // namespace nuro::paths
