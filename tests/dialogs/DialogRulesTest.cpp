// The dialogs' text and number rules, without windows.
#include "dialogs/ConfigRules.h"
#include "places/Places.h"
#include "dialogs/ExpertRules.h"
#include "dialogs/Placement.h"
#include "dialogs/SummerRules.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

using namespace nuro;
using namespace nuro::places;

TEST(PlaceListNames, EachStarEndsANameAndTheTailIsDropped)
{
    using Names = std::vector<std::string>;
    struct Row {
        const char* t1;
        Names expected;
    };
    const Row rows[] = {
        {"Tunis*Sfax*Gabes", {"Tunis", "Sfax"}},
        {"Tunis*Sfax*Gabes*", {"Tunis", "Sfax", "Gabes"}},
        {"", {}},
        {"no star at all", {}},
        {"a**b*", {"a", "", "b"}},
        {"*", {""}},
        {"N'Djamena, Chad*Tunis, Tunisia*", {"N'Djamena, Chad", "Tunis, Tunisia"}},
        {" spaced name *", {" spaced name "}},
    };
    for (const Row& r : rows)
        EXPECT_EQ(PlaceListNames(r.t1), r.expected) << r.t1;
}

TEST(QuoteSqlText, EverySingleQuoteIsDoubled)
{
    struct Row {
        const char* text;
        const char* expected;
    };
    const Row rows[] = {
        {"Tunis", "Tunis"}, {"", ""},    {"N'Djamena, Chad", "N''Djamena, Chad"}, {"x' or '1'='1", "x'' or ''1''=''1"},
        {"''", "''''"},     {"'", "''"},
    };
    for (const Row& r : rows)
        EXPECT_EQ(QuoteSqlText(r.text), r.expected) << r.text;
}

namespace {

AppSettings Coordinates(int d1, int m1, float s1, char c1, int d2, int m2, float s2, char c2)
{
    AppSettings s;
    s.D1 = d1;
    s.M1 = m1;
    s.S1 = s1;
    s.CARD1 = c1;
    s.D2 = d2;
    s.M2 = m2;
    s.S2 = s2;
    s.CARD2 = c2;
    return s;
}

} // namespace

TEST(UpdateStatement, FirstHalfFromSettingsSecondFromFieldTexts)
{
    struct Row {
        AppSettings settings;
        StatementFields fields;
        const char* expected;
    };
    const Row rows[] = {
        {Coordinates(10, 11, 12.5f, 'E', 36, 48, 30.25f, 'N'),
         {"1.00", "1013.00", "20.00", "0.00", "Tunis"},
         "update NURO set d1=10 ,m1=11,s1='12.500',card1='E',d2=36 ,m2=48,s2='30.250',card2='N',"
         "t_zone='1.00',p='1013.00',t='20.00',h='0.00' where nom='Tunis';"},
        {Coordinates(-15, 2, 0.f, 'W', 12, 7, 59.9996f, 'S'),
         {"-1.00", "0.00", "-5.50", "12.00", "N'Djamena, Chad"},
         "update NURO set d1=-15 ,m1=2,s1='0.000',card1='W',d2=12 ,m2=7,s2='60.000',card2='S',"
         "t_zone='-1.00',p='0.00',t='-5.50',h='12.00' where nom='N''Djamena, Chad';"},
        // Field texts are cut to 7 characters where that keeps the number, the name kept whole at 49.
        {Coordinates(0, 0, 0.f, 'E', 0, 0, 0.f, 'N'),
         {"12345.50", "1013.250", "-12.00", "1234567.00", std::string(49, 'n')},
         nullptr},
    };
    for (const Row& r : rows) {
        auto statement = UpdateStatement(r.settings, r.fields);
        ASSERT_TRUE(statement.has_value()) << r.fields.placeName;
        if (r.expected) {
            EXPECT_EQ(*statement, r.expected);
        } else {
            EXPECT_EQ(*statement, "update NURO set d1=0 ,m1=0,s1='0.000',card1='E',d2=0 ,m2=0,s2='0.000',card2='N',"
                                  "t_zone='12345.5',p='1013.25',t='-12.00',h='1234567' where nom='" +
                                      std::string(49, 'n') + "';");
        }
        EXPECT_LE(statement->size(), kStatementMaxChars);
    }
}

TEST(UpdateStatement, RefusedWhenACutWouldChangeWhatIsWritten)
{
    const AppSettings wide = Coordinates(INT_MIN, INT_MIN, -1e30f, 'W', INT_MIN, INT_MIN, -1e30f, 'S');
    const AppSettings plain = Coordinates(1, 1, 1.f, 'E', 1, 1, 1.f, 'N');
    const StatementFields ok{"1.00", "1.00", "1.00", "1.00", "Tunis"};
    auto with = [&](auto edit) {
        StatementFields f = ok;
        edit(f);
        return f;
    };
    struct Row {
        AppSettings settings;
        StatementFields fields;
        const char* said;
    };
    const Row rows[] = {
        {plain, with([](auto& f) { f.placeName = std::string(49, 'a'); }), nullptr},
        {plain, with([](auto& f) { f.placeName = std::string(49, '\''); }), nullptr}, // 98 once doubled, fits
        {wide, with([](auto& f) { f.placeName = ""; }), nullptr},
        {wide, with([](auto& f) { f.placeName = std::string(49, 'a'); }), "255"}, // wide seconds: 36 each
        {wide, with([](auto& f) { f.placeName = std::string(20, '\''); }), "255"},
        {plain, with([](auto& f) { f.placeName = std::string(50, 'a'); }), "49"},
        {plain, with([](auto& f) { f.timeZone = "-10.50"; }), nullptr},
        {plain, with([](auto& f) { f.pressure = "123456.70"; }), "p '123456.70'"},
        {plain, with([](auto& f) { f.temperature = "-999999.99"; }), "t '-999999.99'"},
        {plain, with([](auto& f) { f.elevation = "12345678.00"; }), "h '12345678.00'"},
        {plain, with([](auto& f) { f.timeZone = "1.000001"; }), "t_zone"},
    };
    for (const Row& r : rows) {
        std::string whyNot;
        auto statement = UpdateStatement(r.settings, r.fields, &whyNot);
        EXPECT_EQ(statement.has_value(), r.said == nullptr) << r.fields.placeName << " " << whyNot;
        if (statement) {
            EXPECT_LE(statement->size(), kStatementMaxChars);
        } else {
            EXPECT_NE(whyNot.find(r.said), std::string::npos) << whyNot;
        }
    }
}

TEST(NormalizeFields, TextsFitTheTenCharactersReadBack)
{
    struct Row {
        const char* typed;
        const char* real;
        const char* integer;
    };
    const Row rows[] = {
        {"12.5", "12.50", "12"},     {"007", "7.00", "7"},          {"", "0.00", "0"},
        {"abc", "0.00", "0"},        {" -3.456", "-3.46", "-3"},    {"1e2", "100.00", "1"},
        {"1e38", "9999999.99", "1"}, {"-1e38", "-999999.99", "-1"}, {"nan", "0.00", "0"},
        {"inf", "9999999.99", "0"},  {"-inf", "-999999.99", "0"},   {"9999999.996", "9999999.99", "9999999"},
        {"+5", "5.00", "5"},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(NormalizeRealField(r.typed), r.real) << r.typed;
        EXPECT_EQ(NormalizeIntField(r.typed), r.integer) << r.typed;
        // What the field shows reads back as itself.
        EXPECT_LE(std::string(r.real).size(), kFieldReadChars);
        EXPECT_EQ(NormalizeRealField(NormalizeRealField(r.typed)), r.real) << r.typed;
    }
}

TEST(PlaceAdditions, DhohurSevenAndMagherebTwoOnlyForTunisia)
{
    using Six = std::array<std::int32_t, 6>;
    struct Row {
        const char* name;
        Six expected;
    };
    const Row rows[] = {
        {"Tunis, Tunisia", {0, 0, 7, 0, 2, 0}},
        {"Tunisia", {0, 0, 7, 0, 2, 0}},
        {"xTunisiax", {0, 0, 7, 0, 2, 0}},
        {"tunis, tunisia", {0, 0, 0, 0, 0, 0}},
        {"TUNISIA", {0, 0, 0, 0, 0, 0}},
        {"Tunis", {0, 0, 0, 0, 0, 0}},
        {"", {0, 0, 0, 0, 0, 0}},
    };
    for (const Row& r : rows)
        EXPECT_EQ(PlaceAdditions(r.name), r.expected) << r.name;
}

TEST(ExpertAdditions, ReadBackNegatesWhenMinusIsChecked)
{
    struct Row {
        const char* field;
        bool minus;
        std::int32_t expected;
    };
    const Row rows[] = {
        {"5", true, -5},
        {"5", false, 5},
        {"0", true, 0},
        {"", false, 0},
        {"12x", false, 12},
        {"007", true, -7},
        {"99999999", false, 9999999},
        {"4294967295", true, -9999999},
        {"4294967297", false, 9999999}, // saturates, never wraps
        {" -3", true, 3},
        {"-12345678", false, -9999999},
    };
    for (const Row& r : rows)
        EXPECT_EQ(ReadAddition(r.field, r.minus), r.expected) << r.field;
    // A value shown and read back is the value, for every value that fits.
    for (std::int32_t v : {-9999999, -120, -1, 0, 1, 60, 9999999}) {
        AdditionView view = ShowAddition(v);
        EXPECT_EQ(ReadAddition(view.magnitude, view.minus), v);
    }
}

TEST(ExpertAngles, ShownWithSignAndClampedToSevenCharacters)
{
    struct Row {
        std::int32_t value;
        const char* text;
    };
    const Row rows[] = {
        {108, "108"},          {0, "0"},
        {-18, "-18"},          {9999999, "9999999"},
        {10000000, "9999999"}, {-999999, "-999999"},
        {-1000000, "-999999"}, {INT_MIN, "-999999"},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(ShowAngle(r.value), r.text) << r.value;
        EXPECT_LE(ShowAngle(r.value).size(), kExpertTextChars);
        EXPECT_EQ(ReadAngle(ShowAngle(r.value)), ReadAngle(r.text));
    }
    EXPECT_EQ(ReadAngle("-18"), -18);
    EXPECT_EQ(ReadAngle("123456789012"), 9999999);
    EXPECT_EQ(ReadAngle("4294967188"), 9999999);
    EXPECT_EQ(ReadAngle("-4294967188"), -999999);
}

TEST(ValidateSummerWindow, MonthLengthsLeapRuleAndOrder)
{
    struct Row {
        int year, m1, d1, m2, d2;
        bool accepted;
        int val1, val2;
    };
    const Row rows[] = {
        {2024, 2, 29, 10, 1, true, 229, 1001}, {2100, 2, 29, 10, 1, true, 229, 1001},
        {2023, 2, 29, 10, 1, false, 0, 0},     {2024, 2, 30, 10, 1, false, 0, 0},
        {2023, 1, 1, 2, 29, false, 0, 0},      {2024, 1, 1, 2, 29, true, 101, 229},
        {2023, 2, 28, 3, 1, true, 228, 301},   {2024, 4, 31, 10, 1, false, 0, 0},
        {2024, 6, 31, 10, 1, false, 0, 0},     {2024, 9, 31, 10, 1, false, 0, 0},
        {2024, 1, 1, 11, 31, false, 0, 0},     {2024, 3, 1, 4, 31, false, 0, 0},
        {2024, 3, 31, 4, 1, true, 331, 401},   {2024, 4, 30, 6, 30, true, 430, 630},
        {2024, 10, 1, 3, 31, false, 0, 0},     {2024, 3, 3, 3, 3, true, 303, 303},
        {2024, 3, 4, 3, 3, false, 0, 0},       {2024, 0, 0, 0, 0, true, 0, 0},
        {2024, 4, 1, 10, 1, true, 401, 1001},  {2024, 12, 31, 12, 31, true, 1231, 1231},
    };
    for (const Row& r : rows) {
        auto window = ValidateSummerWindow(r.year, r.m1, r.d1, r.m2, r.d2);
        ASSERT_EQ(window.has_value(), r.accepted) << r.year << " " << r.m1 << "/" << r.d1 << " " << r.m2 << "/" << r.d2;
        if (window) {
            EXPECT_EQ(window->val1, r.val1);
            EXPECT_EQ(window->val2, r.val2);
        }
    }
}

TEST(CentredOver, CentresOnTheFrameAndKeepsOnTheScreen)
{
    struct Row {
        int dw, dh;
        ScreenRect frame;
        int W, H;
        ScreenPoint expected;
    };
    const Row rows[] = {
        {200, 150, {100, 50, 300, 400}, 1024, 768, {150, 175}},
        {200, 150, {-500, 10, 300, 200}, 1024, 768, {0, 35}},
        {300, 200, {900, 700, 300, 200}, 1024, 768, {724, 568}},
        // Odd differences halve toward zero: -3 moves by -1, 3 by 1.
        {103, 103, {200, 200, 100, 100}, 1024, 768, {199, 199}},
        {97, 97, {200, 200, 100, 100}, 1024, 768, {201, 201}},
        // Left and top corrections win over right and bottom.
        {1200, 900, {0, 0, 100, 100}, 1024, 768, {0, 0}},
        {1200, 900, {600, 500, 1200, 900}, 1024, 768, {-176, -132}},
        {100, 100, {0, -300, 100, 100}, 1024, 768, {0, 0}},
        {100, 100, {1000, 700, 100, 100}, 1024, 768, {924, 668}},
    };
    for (const Row& r : rows) {
        ScreenPoint p = CentredOver(r.dw, r.dh, r.frame, r.W, r.H);
        EXPECT_EQ(p, r.expected) << r.frame.x << "," << r.frame.y << " " << r.dw << "x" << r.dh;
    }
}
