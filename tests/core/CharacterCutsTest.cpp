// Every cut of a text falls between two characters: a long Arabic or accented place name, a value read
// from the settings file, a field of the update statement. The file and the database never get half a
// character, and a cut keeps as many whole characters as the limit allows.
#include "core/AppSettings.h"
#include "core/SettingsStore.h"
#include "core/Utf8Text.h"
#include "dialogs/ConfigRules.h"
#include "platform/os/Profile.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <unistd.h>

using namespace nuro;
namespace fs = std::filesystem;

namespace {

// Whether text is well-formed UTF-8 (no lone continuation byte, no lead byte without its followers).
bool ValidUtf8(std::string_view text)
{
    for (std::size_t i = 0; i < text.size();) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        const std::size_t n = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : (c >> 3) == 0x1E ? 4 : 0;
        if (n == 0 || i + n > text.size())
            return false;
        for (std::size_t k = 1; k < n; ++k)
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80)
                return false;
        i += n;
    }
    return true;
}

std::string Repeat(const std::string& s, int n)
{
    std::string out;
    for (int i = 0; i < n; ++i)
        out += s;
    return out;
}

const std::string kArabic = "\xD8\xB5"; // ص, 2 bytes
const std::string kEuro = "\xE2\x82\xAC"; // €, 3 bytes
const std::string kEmoji = "\xF0\x9F\x95\x8C"; // 🕌, 4 bytes

} // namespace

TEST(CharacterCuts, CharacterLimitsKeepWholeCharacters)
{
    struct Row {
        std::string text;
        std::size_t limit;
        std::string head;
    };
    const Row rows[] = {
        {"Tunis", 3, "Tun"},
        {"Tunis", 9, "Tunis"},
        {Repeat(kArabic, 60), 50, Repeat(kArabic, 50)},
        {"S" + kEuro + "fax", 2, "S" + kEuro},
        {kEmoji + kEmoji, 1, kEmoji},
        {"", 3, ""},
        {"abc", 0, ""},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(Utf8Head(r.text, r.limit), r.head) << r.text;
        EXPECT_EQ(Utf8Length(Utf8Head(r.text, r.limit)), std::min(r.limit, Utf8Length(r.text)));
    }
}

TEST(CharacterCuts, ByteLimitsBackOffToACharacterStart)
{
    struct Row {
        std::string text;
        std::string placeName; // PlaceName holds 53 bytes
    };
    const Row rows[] = {
        {std::string(60, 'a'), std::string(53, 'a')},
        {Repeat(kArabic, 30), Repeat(kArabic, 26)}, // 52 bytes: the 27th would need 54
        {std::string(1, 'a').append(Repeat(kArabic, 30)),
         std::string(1, 'a').append(Repeat(kArabic, 26))}, // 53 bytes exactly
        {Repeat(kEuro, 20), Repeat(kEuro, 17)}, // 51 bytes
        {Repeat(kEmoji, 14), Repeat(kEmoji, 13)}, // 52 bytes
        {"Tunis, Tunisia", "Tunis, Tunisia"},
    };
    for (const Row& r : rows) {
        AppSettings s;
        SetPlaceName(s, r.text.c_str());
        EXPECT_EQ(std::string(s.PlaceName.data()), r.placeName);
        EXPECT_TRUE(ValidUtf8(s.PlaceName.data()));
    }
}

// Values read from the settings file (50 characters, t1 11999) and the offset written back (3).
TEST(CharacterCuts, SettingsFileReadsAndWritesCutBetweenCharacters)
{
    const fs::path dir = fs::temp_directory_path() / ("nuro-cuts-" + std::to_string(getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir / "nuro");
    setenv("XDG_CONFIG_HOME", dir.c_str(), 1);
    setenv("NURO_DEFAULTS_DIR", (dir / "none").c_str(), 1);
    const std::string name = Repeat(kArabic, 40) + ", " + Repeat(kEuro, 20);
    const std::string t1 = Repeat(Repeat(kArabic, 9) + "*", 1300);
    std::ofstream(dir / "nuro" / "nuro.ini", std::ios::binary)
        << "[SETUP]\nCOUNTRY=" << name << "\nt1=" << t1 << "\nINC_DEC=" << kArabic << "12\n";
    IniProfile profile;
    struct Row {
        const char* key;
        std::size_t limit;
        std::string expected;
    };
    const Row rows[] = {
        {"COUNTRY", kProfileReadLimit, std::string(Utf8Head(name, 50))},
        {"t1", kPlaceListChars, std::string(Utf8Head(t1, 11999))},
    };
    for (const Row& r : rows) {
        const std::string value = profile.ReadKey(kSettingsSection, r.key, "", r.limit, kSettingsFile);
        EXPECT_EQ(value, r.expected) << r.key;
        EXPECT_EQ(Utf8Length(value), r.limit) << r.key;
        EXPECT_TRUE(ValidUtf8(value)) << r.key;
    }
    // The place list still sees 1199 whole names of 9 Arabic letters, as 11999 characters hold.
    EXPECT_EQ(PlaceListNames(rows[1].expected).size(), 1199u);

    HeldControls controls;
    AppSettings s;
    LoadAllSettings(profile, controls, s);
    EXPECT_TRUE(ValidUtf8(s.PlaceName.data()));
    for (const auto& [key, value] : SettingsKeyValues(controls, s)) {
        EXPECT_TRUE(ValidUtf8(value)) << key;
        if (key == "INC_DEC") {
            EXPECT_EQ(value, kArabic + "12");
        }
    }
    fs::remove_all(dir);
}

TEST(CharacterCuts, UpdateStatementCutsAndCountsCharacters)
{
    AppSettings s;
    s.CARD1 = 'E';
    s.CARD2 = 'N';
    struct Row {
        StatementFields fields;
        bool built;
        std::string holds; // part of the statement
    };
    const std::string longArabic = Repeat(kArabic, 49);
    const Row rows[] = {
        // A name of 49 Arabic letters (98 bytes) is within the 49 characters.
        {{"1.00", "1013.00", "20.00", "0.00", longArabic}, true, "nom='" + longArabic + "';"},
        {{"1.00", "1013.00", "20.00", "0.00", longArabic + kArabic}, false, ""},
        // A field of 7 characters with a character of two bytes: cut after the 7th character.
        {{"1.00", "1013.00", "20.00" + kArabic + "xy", "0.00", "Tunis"}, true, "t='20.00" + kArabic + "x'"},
        {{"1.00" + kEuro + kEuro + kEuro + "9", "1013.00", "20.00", "0.00", "Tunis"},
         true,
         "t_zone='1.00" + kEuro + kEuro + kEuro + "'"},
    };
    for (const Row& r : rows) {
        std::string why;
        const auto statement = UpdateStatement(s, r.fields, &why);
        ASSERT_EQ(statement.has_value(), r.built) << why;
        if (statement) {
            EXPECT_TRUE(ValidUtf8(*statement));
            EXPECT_NE(statement->find(r.holds), std::string::npos) << *statement;
        }
    }
}
