// The words of nuro-times' day text and table in each language of the program's catalogues. The
// catalogues are Qt's and this tool has no Qt, so the words are kept here; the resource tests hold
// them to the catalogues' own translations.
#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace nuro::times {

struct TimesWords {
    const char* language; // ISO 639-1, as the catalogues are named
    const char* date;
    std::array<const char*, 6> prayers; // Fajer, Shuroq, Dhohur, Aser, Maghereb, Isha
    const char* zone;
    const char* hijri;
    const char* highLatitudes;
    std::array<const char*, 3> rules; // as the Expert dialog's list names them
    std::array<const char*, 2> sunnah; // the night's middle and its last third
};

// A text of the program's catalogues in one language, for the lines nuro-times builds from the
// Config and Expert dialogs' words (the Qibla, the method); made at build time from the .ts files.
struct CatalogueText {
    const char* language;
    const char* context;
    const char* source;
    const char* translation;
};
std::span<const CatalogueText> CatalogueTexts();

// `english` of `context` in the words' language; `english` itself where the catalogue has none.
std::string Translated(const TimesWords& words, std::string_view context, std::string_view english);

// English first, then every catalogue language.
std::span<const TimesWords> AllTimesWords();
const TimesWords& EnglishTimesWords();

// The words of a language given as "tr", "tr_TR" or "tr_TR.UTF-8"; nullptr for one without words.
const TimesWords* FindTimesWords(std::string_view languageOrLocale);

// The language the environment asks for, as gettext reads it: LC_ALL, then LC_MESSAGES, then LANG;
// "" when none is set.
std::string_view EnvironmentLocale();

// Columns of a terminal a UTF-8 text takes: one a character, none for a combining mark or a
// zero-width joiner, as far as the scripts of the catalogues need.
std::size_t DisplayWidth(std::string_view text);

} // namespace nuro::times
