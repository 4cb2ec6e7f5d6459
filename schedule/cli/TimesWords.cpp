#include "schedule/cli/TimesWords.h"

#include <cstdlib>
#include <string>

namespace nuro::times {
namespace {

constexpr TimesWords kWords[] = {
    {"en",
     "Date",
     {"Fajer", "Shuroq", "Dhohur", "Aser", "Maghereb", "Isha"},
     "Zone",
     "Hijri",
     "High latitudes",
     {"middle of the night", "one seventh of the night", "twilight angle"},
     {"Midnight", "Last 1/3"}},
    {"ar",
     "التاريخ",
     {"الفجر", "الشروق", "الظهر", "العصر", "المغرب", "العشاء"},
     "المنطقة",
     "الهجري",
     "خطوط العرض العليا",
     {"منتصف الليل", "سُبع الليل", "زاوية الشفق"},
     {"منتصف الليل", "الثلث الأخير"}},
    {"ur",
     "تاریخ",
     {"فجر", "طلوعِ آفتاب", "ظہر", "عصر", "مغرب", "عشاء"},
     "ٹائم زون",
     "ہجری",
     "بلند عرض بلد",
     {"آدھی رات", "رات کا ساتواں حصہ", "شفق کا زاویہ"},
     {"نصف شب", "آخری تہائی"}},
    {"fa",
     "تاریخ",
     {"صبح", "طلوع آفتاب", "ظهر", "عصر", "مغرب", "عشا"},
     "منطقهٔ زمانی",
     "قمری",
     "عرض‌های بالا",
     {"نیمهٔ شب", "یک‌هفتم شب", "زاویهٔ شفق"},
     {"نیمه‌شب", "ثلث آخر"}},
    {"tr",
     "Tarih",
     {"İmsak", "Güneş", "Öğle", "İkindi", "Akşam", "Yatsı"},
     "Saat dilimi",
     "Hicri",
     "Yüksek enlem",
     {"gecenin yarısı", "gecenin yedide biri", "tan açısı"},
     {"Gece yarısı", "Son üçte bir"}},
    {"id",
     "Tanggal",
     {"Subuh", "Terbit", "Zuhur", "Asar", "Magrib", "Isya"},
     "Zona",
     "Hijriah",
     "Lintang tinggi",
     {"tengah malam", "sepertujuh malam", "sudut senja"},
     {"Tengah malam", "Sepertiga akhir"}},
    {"ms",
     "Tarikh",
     {"Subuh", "Syuruk", "Zohor", "Asar", "Maghrib", "Isyak"},
     "Zon",
     "Hijrah",
     "Latitud tinggi",
     {"tengah malam", "satu pertujuh malam", "sudut senja"},
     {"Tengah malam", "Sepertiga akhir"}},
    {"fr",
     "Date",
     {"Fajr", "Chourouq", "Dhouhr", "Asr", "Maghrib", "Icha"},
     "Fuseau",
     "Hégire",
     "Hautes latitudes",
     {"milieu de la nuit", "septième de la nuit", "angle du crépuscule"},
     {"Minuit", "Dernier tiers"}},
    {"bn",
     "তারিখ",
     {"ফজর", "সূর্যোদয়", "যোহর", "আসর", "মাগরিব", "এশা"},
     "সময় অঞ্চল",
     "হিজরি",
     "উচ্চ অক্ষাংশ",
     {"রাতের মধ্যভাগ", "রাতের সাত ভাগের এক ভাগ", "গোধূলির কোণ"},
     {"মধ্যরাত", "শেষ তৃতীয়াংশ"}},
    {"de",
     "Datum",
     {"Fadschr", "Sonnenaufgang", "Dhuhr", "Asr", "Maghrib", "Ischa"},
     "Zone",
     "Hidschri",
     "Hohe Breiten",
     {"Mitte der Nacht", "ein Siebtel der Nacht", "Dämmerungswinkel"},
     {"Mitternacht", "Letztes Drittel"}},
};

bool Combining(char32_t c)
{
    return (c >= 0x0300 && c <= 0x036F) || (c >= 0x0610 && c <= 0x061A) || (c >= 0x064B && c <= 0x065F) ||
           c == 0x0670 || (c >= 0x06D6 && c <= 0x06ED) || c == 0x0981 || c == 0x09BC || (c >= 0x09C1 && c <= 0x09C4) ||
           c == 0x09CD || (c >= 0x09E2 && c <= 0x09E3) || (c >= 0x200B && c <= 0x200F);
}

} // namespace

std::span<const TimesWords> AllTimesWords()
{
    return kWords;
}

const TimesWords& EnglishTimesWords()
{
    return kWords[0];
}

const TimesWords* FindTimesWords(std::string_view languageOrLocale)
{
    const std::string_view language = languageOrLocale.substr(0, languageOrLocale.find_first_of("_-.@"));
    for (const TimesWords& words : kWords)
        if (language == words.language)
            return &words;
    return nullptr;
}

std::string Translated(const TimesWords& words, std::string_view context, std::string_view english)
{
    for (const CatalogueText& t : CatalogueTexts())
        if (words.language == std::string_view(t.language) && context == t.context && english == t.source)
            return t.translation;
    return std::string(english);
}

std::string_view EnvironmentLocale()
{
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"})
        if (const char* value = std::getenv(name); value && *value)
            return value;
    return {};
}

std::size_t DisplayWidth(std::string_view text)
{
    std::size_t width = 0;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        char32_t c = length == 1 ? lead : lead & (0x3F >> (length - 1));
        for (std::size_t k = 1; k < length && i + k < text.size(); ++k)
            c = (c << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
        if (!Combining(c))
            ++width;
        i += length;
    }
    return width;
}

} // namespace nuro::times
