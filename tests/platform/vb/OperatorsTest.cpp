#include "platform/vb/Operators.h"
#include "RuntimeTest.h"
#include "platform/vb/Conversions.h"

#include <gtest/gtest.h>

using namespace vb;

namespace {

const Variant null = Variant::Null();

struct OperationCase {
    const char* name;
    Variant result;
    Variant expected;
};

void ExpectResults(const std::vector<OperationCase>& cases) {
    for (const OperationCase& c : cases)
        EXPECT_EQ(c.result, c.expected) << c.name;
}

} // namespace

TEST(Operators, NullPassesThroughArithmeticButNotConcatenation) {
    ExpectResults({
        {"Null + 1", null + 1, null},
        {"1 - Null", Variant(1) - null, null},
        {"Null * 2", null * 2, null},
        {"Null / 2", null / 2, null},
        {"-Null", -null, null},
        {"Null \\ 2", IntDiv(null, 2), null},
        {"Null Mod 2", Mod(null, 2), null},
        {"\"a\" + Null", Variant("a") + null, null},
        {"Null & \"a\"", null & "a", "a"},
        {"\"a\" & Null", "a" & null, "a"},
        {"Null & Null", null & null, null},
        {"Null = Null", Equal(null, null), null},
        {"Null < 1", Less(null, 1), null},
    });
    EXPECT_EQ(Concat("Name: ", null, "/", 12.5, "/", true), "Name: /12.5/True");
    EXPECT_FALSE(IsTrue(null));
    EXPECT_TRUE(IsTrue(Variant(-1)));
}

TEST(Operators, ResultTypesFollowTheWiderOperand) {
    ExpectResults({
        {"Integer + Integer", Variant(std::int16_t{2}) + std::int16_t{3}, std::int16_t{5}},
        {"Integer overflow moves to Long", Variant(std::int16_t{32767}) + std::int16_t{1}, std::int32_t{32768}},
        {"Long overflow moves to Double", Variant(std::int32_t{2147483647}) + 1, 2147483648.0},
        {"Long * Long", Variant(100000) * 100000, 1e10},
        {"Integer + Long", Variant(std::int16_t{1}) + 1, std::int32_t{2}},
        {"Single + Integer", Variant(1.5f) + std::int16_t{1}, 2.5f},
        {"Single + Long", Variant(1.5f) + 1, 2.5},
        {"Double + Integer", Variant(1.5) + std::int16_t{1}, 2.5},
        {"Boolean + Boolean", Variant(true) + true, std::int16_t{-2}},
        {"Empty + Empty", Variant() + Variant(), std::int16_t{0}},
        {"Empty + 1.5", Variant() + 1.5, 1.5},
        {"Currency + Double", Variant(Currency{15000}) + 0.25, Currency{17500}},
        {"Currency * Currency", Variant(Currency{15000}) * Currency{15000}, Currency{22500}},
        {"Currency * Long", Variant(Currency{12345}) * 3, Currency{37035}},
        {"Currency * Double", Variant(Currency{10000}) * 0.33333, Currency{3333}},
        {"text + text", Variant("12") + "3", "123"},
        {"text + number", Variant("12") + 3, 15.0},
        {"text - text", Variant("12") - "3", 9.0},
        {"Empty + text", Variant() + "a", "a"},
        {"Date + 1", Variant(Date{45352.5}) + 1, Date{45353.5}},
        {"Date - 0.5", Variant(Date{45352.5}) - 0.5, Date{45352.0}},
        {"Date - Date", Variant(Date{45353.0}) - Date{45352.5}, 0.5},
        {"-Integer minimum", -Variant(std::int16_t{-32768}), std::int32_t{32768}},
        {"-Double", -Variant(2.5), -2.5},
        {"1 / 4 of Integers", Variant(std::int16_t{1}) / std::int16_t{4}, 0.25f},
        {"1 / 4 of Longs", Variant(1) / 4, 0.25},
        {"7 \\ 2", IntDiv(7, 2), std::int32_t{3}},
        {"-7 \\ 2", IntDiv(-7, 2), std::int32_t{-3}},
        {"7.5 \\ 2 rounds first", IntDiv(7.5, 2), std::int32_t{4}},
        {"Integer \\ Integer", IntDiv(std::int16_t{7}, std::int16_t{2}), std::int16_t{3}},
        {"-7 Mod 3", Mod(-7, 3), std::int32_t{-1}},
        {"7 Mod -3", Mod(7, -3), std::int32_t{1}},
        {"2.5 Mod 2 rounds to even", Mod(2.5, 2), std::int32_t{0}},
    });
}

TEST(Operators, RefuseWhatTheLanguageRefuses) {
    EXPECT_EQ(RaisedError([] { Variant("abc") + 1; }), "Type mismatch");
    EXPECT_EQ(RaisedError([] { Variant("") * 2; }), "Type mismatch");
    EXPECT_EQ(RaisedError([] { Variant(1) / 0; }), "Division by zero");
    EXPECT_EQ(RaisedError([] { Variant(0) / 0; }), "Overflow");
    EXPECT_EQ(RaisedError([] { IntDiv(1, 0); }), "Division by zero");
    EXPECT_EQ(RaisedError([] { Mod(1, 0.4); }), "Division by zero");
    EXPECT_EQ(RaisedError([] { Variant(1e308) * 10; }), "Overflow");
    EXPECT_EQ(RaisedError([] { Variant(Currency{INT64_MAX}) + Currency{1}; }), "Overflow");
    EXPECT_EQ(RaisedError([] { Variant(Date{2958465.0}) + 1; }), "Overflow");
    EXPECT_EQ(RaisedError([] { IntDiv(std::int32_t{INT32_MIN}, -1); }), "Overflow");
    EXPECT_EQ(RaisedError([] { Less("abc", 1); }), "Type mismatch");
}

TEST(Comparisons, FollowTheLanguage) {
    ExpectResults({
        {"\"a\" < \"b\"", Less("a", "b"), true},
        {"\"B\" < \"a\" (binary)", Less("B", "a"), true},
        {"\"a\" = \"A\"", Equal("a", "A"), false},
        {"\"\" = Empty", Equal("", Variant()), true},
        {"0 = Empty", Equal(0, Variant()), true},
        {"\"10\" > 9 (read as number)", Greater("10", 9), true},
        {"\"10\" > \"9\" (as texts)", Greater("10", "9"), false},
        {"Integer = Double", Equal(std::int16_t{2}, 2.0), true},
        {"Currency = Double", Equal(Currency{25000}, 2.5), true},
        {"Currency < Currency", Less(Currency{1}, Currency{2}), true},
        {"Date = text", Equal(Date{45352.0}, "3/1/2024"), true},
        {"text >= Date", GreaterEqual("3/2/2024", Date{45352.0}), true},
        {"True = -1", Equal(true, -1), true},
        {"1 <> 2", NotEqual(1, 2), true},
        {"2 <= 2", LessEqual(2, 2), true},
    });
    EXPECT_EQ(Compare(1, 2), -1);
    EXPECT_EQ(Compare(null, 2), std::nullopt);
}
