// The Decimal subtype: wide numbers from the server keep every digit through text, comparison, formatting and the
// conversions a window applies to them.
#include "platform/vb/Decimal.h"
#include "RuntimeTest.h"
#include "platform/vb/Conversions.h"
#include "platform/vb/Format.h"
#include "platform/vb/Operators.h"

#include <gtest/gtest.h>

using namespace vb;

namespace {

Variant Dec(const char* text) { return Variant(*ReadDecimal(text)); }

} // namespace

TEST(Decimal, ReadsPlainDecimalTextOnly) {
    struct Case {
        const char* text;
        const char* expected; // DecimalText of what was read; "" when nothing
    };
    const Case cases[] = {
        {"123456789012345678", "123456789012345678"},
        {"-9223372036854775808", "-9223372036854775808"},
        {"12.3400", "12.34"},
        {"-0.000001", "-0.000001"},
        {".5", "0.5"},
        {"+7.", "7"},
        {"0.000", "0"},
        {"99999999999999999999999999999999999999", "99999999999999999999999999999999999999"},
        {"999999999999999999999999999999999999999", ""}, // 39 digits
        {"1E+20", ""},
        {"12a", ""},
        {"", ""},
        {"-", ""},
        {".", ""},
    };
    for (const Case& c : cases) {
        const std::optional<Decimal> read = ReadDecimal(c.text);
        EXPECT_EQ(read ? DecimalText(*read) : std::string(), c.expected) << c.text;
    }
    EXPECT_EQ(Dec("1.50"), Dec("1.5")); // equal numbers are equal values
}

TEST(Decimal, ConvertsWithoutLosingDigits) {
    const Variant big = Dec("123456789012345678");
    EXPECT_EQ(CStr(big), "123456789012345678");
    EXPECT_EQ(CStr(Dec("-0.1234567")), "-0.1234567");
    EXPECT_EQ(ConcatText(big), "123456789012345678");
    EXPECT_DOUBLE_EQ(CDbl(big), 123456789012345678.0);
    EXPECT_DOUBLE_EQ(CDbl(Dec("0.1234567")), 0.1234567);
    EXPECT_EQ(CLng(Dec("2.5")), 2);
    EXPECT_EQ(CCur(Dec("123456789012.34565")), Currency{1234567890123456}); // half to even, on every digit
    EXPECT_EQ(CCur(Dec("-1.00005")), Currency{-10000});
    EXPECT_EQ(RaisedError([] { CCur(Dec("123456789012345678")); }), "Overflow");
    EXPECT_EQ(RaisedError([] { CStr(Variant::Null()); }), "Invalid use of Null");

    EXPECT_EQ(CDec(Variant(std::int32_t(-70000))), *ReadDecimal("-70000"));
    EXPECT_EQ(CDec(Variant(Currency{-123450})), *ReadDecimal("-12.345"));
    EXPECT_EQ(CDec(Variant(0.1)), *ReadDecimal("0.1"));
    EXPECT_EQ(CDec(Variant(1.5f)), *ReadDecimal("1.5"));
    EXPECT_EQ(CDec(Variant(" 98765432109876543.21 ")), *ReadDecimal("98765432109876543.21"));
    EXPECT_EQ(CDec(Variant("1,234.5")), *ReadDecimal("1234.5"));
    EXPECT_EQ(RaisedError([] { CDec(Variant("abc")); }), "Type mismatch");
    EXPECT_EQ(RaisedError([] { CDec(Variant(1e40)); }), "Overflow");
}

TEST(Decimal, ComparesOnEveryDigit) {
    struct Case {
        Variant left;
        Variant right;
        int order;
    };
    const Case cases[] = {
        {Dec("123456789012345678"), Dec("123456789012345679"), -1},
        {Dec("123456789012345678"), Dec("123456789012345678.0"), 0},
        {Dec("-5"), Dec("3"), -1},
        {Dec("0.1"), Dec("0.10000000000000000000000000000000000001"), -1},
        {Dec("99999999999999999999999999999999999999"), Dec("0.00000000000000000000000000000000000001"), 1},
        {Dec("-99999999999999999999999999999999999999"), Dec("-0.5"), -1},
        {Dec("12.5"), Variant(Currency{125000}), 0},
        {Dec("70000"), Variant(std::int32_t(70001)), -1},
        {Variant(std::int16_t(3)), Dec("2.99"), 1},
        {Dec("0.5"), Variant(0.5), 0},
        {Dec("17"), Variant("17"), 0},
        {Dec("0"), Variant(), 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Compare(c.left, c.right), c.order) << CStr(c.left) << " against " << CStr(c.right);
    EXPECT_TRUE(Equal(Dec("1"), Variant::Null()).IsNull());
    EXPECT_EQ(Greater(Dec("123456789012345679"), Dec("123456789012345678")), Variant(true));
}

TEST(Decimal, FormatsEveryDigit) {
    struct Case {
        Variant value;
        const char* pattern;
        const char* expected;
    };
    const Case cases[] = {
        {Dec("123456789012345678"), "", "123456789012345678"},
        {Dec("123456789012345678"), "0", "123456789012345678"},
        {Dec("123456789012345678"), "#,##0.00", "123,456,789,012,345,678.00"},
        {Dec("-1234.565"), "#,##0.00", "-1,234.57"},
        {Dec("-1234.565"), "0.00;(0.00)", "(1234.57)"},
        {Dec("0"), "0.00;(0.00);\"nil\"", "nil"},
        {Dec("0.125"), "0.0%", "12.5%"},
        {Dec("98765432109876543.21"), "General Number", "98765432109876543.21"},
        {Dec("2"), "Yes/No", "Yes"},
        {Dec("0.1234567"), "Fixed", "0.12"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Format(c.value, c.pattern), c.expected) << CStr(c.value) << " with \"" << c.pattern << '"';
}

TEST(Decimal, ArithmeticFallsBackToDouble) {
    EXPECT_EQ(Dec("1.5") + Variant(std::int16_t(1)), Variant(2.5));
    EXPECT_TRUE((Dec("1") + Variant::Null()).IsNull());
}
