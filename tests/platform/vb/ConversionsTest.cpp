#include "platform/vb/Conversions.h"
#include "RuntimeTest.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace vb;

TEST(Val, ReadsTheLeadingNumber) {
    struct Case {
        const char* text;
        double expected;
    };
    const Case cases[] = {
        {"", 0},       {"12A", 12},        {"1 2", 12},        {"1/2", 1},
        {"1,234", 1},  {"  -3.5kg", -3.5}, {"\t1\n2", 12},     {"- 5", -5},
        {".5", 0.5},   {"1.2.3", 1.2},     {"1E3", 1000},      {"1e-2", 0.01},
        {"2D2", 200},  {"1E", 1},          {"1E+", 1},         {"ABC", 0},
        {"&HFF", 255}, {"&HFFFF", -1},     {"&H10000", 65536}, {"&HFFFFFFFF", -1},
        {"&O17", 15},  {"&", 0},           {"&HG", 0},         {"+7", 7},
        {"1E-400", 0}, {"\r1", 0},         {"0012.50", 12.5},  {".", 0},
        {"-", 0},      {"1 E 2", 100},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Val(c.text), c.expected) << '"' << c.text << '"';
}

TEST(Val, OverflowsOnHugeNumbers) {
    EXPECT_EQ(RaisedError([] { Val("1E400"); }), "Overflow");
    EXPECT_EQ(RaisedError([] { Val("&H100000000"); }), "Overflow");
    EXPECT_EQ(RaisedError([] { Val(std::string(400, '9')); }), "Overflow");
}

TEST(Val, OfAValueReadsItsText) {
    EXPECT_EQ(Val(Variant(12.5)), 12.5);
    EXPECT_EQ(Val(Variant()), 0);
    EXPECT_EQ(RaisedError([] { Val(Variant::Null()); }), "Invalid use of Null");
}

TEST(StrictReads, AcceptTheWholeTextOnly) {
    struct Case {
        const char* text;
        double expected;
    };
    const Case cases[] = {
        {"1,234.50", 1234.5},
        {" 12 ", 12},
        {"-0.5", -0.5},
        {"+3", 3},
        {"1.", 1},
        {".5", 0.5},
        {"1E3", 1000},
        {"&HFF", 255},
        {"1,2", 12},
        {"\t7\t", 7},
        {"(250.00)", -250},
        {"$1,234.50", 1234.5},
        {"($1,234.50)", -1234.5},
        {"-$5", -5},
        {"$-5", -5},
        {"5-", -5},
        {"( 5 )", -5},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CDbl(c.text), c.expected) << '"' << c.text << '"';
}

TEST(StrictReads, RefuseWhatIsNotANumber) {
    const char* texts[] = {"",      "   ",      "12A", "1 2",  "1/2", "abc", ".",  "-",   "1E",  ",5",
                           "1.2.3", "3/1/2024", "$",   "(-5)", "-5-", "(5",  "5$", "$$5", "--5", "()"};
    for (const char* text : texts) {
        EXPECT_EQ(RaisedError([&] { CDbl(text); }), "Type mismatch") << '"' << text << '"';
        EXPECT_EQ(RaisedError([&] { CLng(text); }), "Type mismatch") << '"' << text << '"';
        EXPECT_FALSE(IsNumeric(text)) << '"' << text << '"';
    }
}

TEST(StrictReads, RoundHalfToEvenIntoWholeNumbers) {
    struct Case {
        Variant value;
        int expected;
    };
    const Case cases[] = {
        {2.5, 2},
        {3.5, 4},
        {-2.5, -2},
        {-3.5, -4},
        {2.6, 3},
        {"2.5", 2},
        {"1,234.5", 1234},
        {true, -1},
        {Variant(), 0},
        {Currency{25000}, 2},
        {Currency{35000}, 4},
        {Currency{-15001}, -2},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CInt(c.value), c.expected) << CStr(c.value);
        EXPECT_EQ(CLng(c.value), c.expected) << CStr(c.value);
    }
}

TEST(StrictReads, OverflowOutOfRange) {
    EXPECT_EQ(CInt(32767.4), 32767);
    EXPECT_EQ(CInt(-32768.5), -32768);
    EXPECT_EQ(RaisedError([] { CInt(32767.5); }), "Overflow");
    EXPECT_EQ(RaisedError([] { CInt("40000"); }), "Overflow");
    EXPECT_EQ(RaisedError([] { CLng(2147483647.5); }), "Overflow");
    EXPECT_EQ(RaisedError([] { CDbl("1E400"); }), "Overflow");
    EXPECT_EQ(RaisedError([] { CCur(1e16); }), "Overflow");
    EXPECT_EQ(RaisedError([] { CSng(1e39); }), "Overflow");
    EXPECT_EQ(RaisedError([] { CLng(std::nan("")); }), "Overflow");
    EXPECT_FALSE(IsNumeric("1E400"));
}

TEST(Conversions, NullIsRefusedEverywhere) {
    const Variant null = Variant::Null();
    EXPECT_EQ(RaisedError([&] { CStr(null); }), "Invalid use of Null");
    EXPECT_EQ(RaisedError([&] { CDbl(null); }), "Invalid use of Null");
    EXPECT_EQ(RaisedError([&] { CInt(null); }), "Invalid use of Null");
    EXPECT_EQ(RaisedError([&] { CLng(null); }), "Invalid use of Null");
    EXPECT_EQ(RaisedError([&] { CCur(null); }), "Invalid use of Null");
    EXPECT_EQ(RaisedError([&] { CBool(null); }), "Invalid use of Null");
    EXPECT_EQ(RaisedError([&] { CDate(null); }), "Invalid use of Null");
    EXPECT_TRUE(IsNull(null));
    EXPECT_FALSE(IsNumeric(null));
    EXPECT_FALSE(IsDate(null));
}

TEST(CStr, WritesDoublesWithFifteenSignificantDigits) {
    struct Case {
        double value;
        const char* expected;
    };
    const Case cases[] = {
        {250 * 1.1, "275"},
        {0.1 + 0.2, "0.3"},
        {0.5, "0.5"},
        {-0.5, "-0.5"},
        {1234.5, "1234.5"},
        {100, "100"},
        {0, "0"},
        {0.0001, "0.0001"},
        {0.00001, "1E-05"},
        {1.5e15, "1.5E+15"},
        {999999999999999, "999999999999999"},
        {1e100, "1E+100"},
        {-1.25e-7, "-1.25E-07"},
        {1.0 / 3, "0.333333333333333"},
        {2.0 / 3, "0.666666666666667"},
        {123456789.123456789, "123456789.123457"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CStr(c.value), c.expected) << c.value;
}

TEST(CStr, WritesEachTypeAsTheRuntimeDoes) {
    struct Case {
        Variant value;
        const char* expected;
    };
    const Case cases[] = {
        {Variant(), ""},
        {true, "True"},
        {false, "False"},
        {std::int16_t{-7}, "-7"},
        {std::int32_t{123456}, "123456"},
        {1.1f, "1.1"},
        {12345678.0f, "1.234568E+07"},
        {Currency{15000000}, "1500"},
        {Currency{125}, "0.0125"},
        {Currency{-5}, "-0.0005"},
        {Currency{INT64_MIN}, "-922337203685477.5808"},
        {Date{45352.0}, "3/1/2024"},
        {Date{45352.0 + 13.0 / 24 + 5.0 / 1440}, "3/1/2024 1:05:00 PM"},
        {Date{13.0 / 24}, "1:00:00 PM"},
        {Date{0}, "12:00:00 AM"},
        {Date{-1.25}, "12/29/1899 6:00:00 AM"},
        {"text", "text"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CStr(c.value), c.expected);
}

TEST(CStr, RefusesDatesOutOfRange) {
    EXPECT_EQ(RaisedError([] { CStr(Date{1e300}); }), "Overflow");
    EXPECT_EQ(RaisedError([] { CStr(Date{std::nan("")}); }), "Overflow");
    EXPECT_EQ(RaisedError([] { CStr(std::numeric_limits<double>::infinity()); }), "Overflow");
}

TEST(Str, PutsABlankInTheSignPlace) {
    struct Case {
        Variant value;
        const char* expected;
    };
    const Case cases[] = {
        {250.0, " 250"},         {0.5, " .5"},       {-3.0, "-3"},
        {-0.5, "-.5"},           {0.0, " 0"},        {std::int16_t{300}, " 300"},
        {Currency{5000}, " .5"}, {"12.50", " 12.5"}, {Variant(), " 0"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Str(c.value), c.expected);
}

TEST(CCur, KeepsFourExactDecimals) {
    EXPECT_EQ(CCur(1234.5).scaled, 12345000);
    EXPECT_EQ(CCur("1,234.56789").scaled, 12345679);
    EXPECT_EQ(CCur(0.00005).scaled, 0);
    EXPECT_EQ(CCur(0.00015).scaled, 2);
    EXPECT_EQ(CCur(std::int32_t{7}).scaled, 70000);
    EXPECT_EQ(CStr(CCur(0.1)), "0.1");
}

TEST(CBool, ReadsNumbersAndTheWordsTrueAndFalse) {
    EXPECT_TRUE(CBool("True"));
    EXPECT_TRUE(CBool(" true "));
    EXPECT_FALSE(CBool("FALSE"));
    EXPECT_TRUE(CBool("-1"));
    EXPECT_FALSE(CBool("0"));
    EXPECT_TRUE(CBool(0.5));
    EXPECT_FALSE(CBool(Variant()));
    EXPECT_TRUE(CBool(Currency{1}));
    EXPECT_EQ(RaisedError([] { CBool("yes"); }), "Type mismatch");
}

TEST(CDate, ReadsDateTextsAndNumbers) {
    EXPECT_EQ(CDate("3/1/2024").serial, 45352.0);
    EXPECT_EQ(CDate(45352.5).serial, 45352.5);
    EXPECT_EQ(RaisedError([] { CDate("tomorrow"); }), "Type mismatch");
    EXPECT_EQ(RaisedError([] { CDate("45352"); }), "Type mismatch");
    EXPECT_EQ(RaisedError([] { CDate(3e6); }), "Overflow");
    EXPECT_TRUE(IsDate("03/01/2024 01:00:00 PM"));
    EXPECT_FALSE(IsDate(45352.0));
    EXPECT_TRUE(IsDate(Date{1}));
}

TEST(IsNumeric, AnswersForEveryType) {
    EXPECT_TRUE(IsNumeric(Variant()));
    EXPECT_TRUE(IsNumeric(true));
    EXPECT_TRUE(IsNumeric(" 1,234.50 "));
    EXPECT_TRUE(IsNumeric(Currency{1}));
    EXPECT_FALSE(IsNumeric(Date{1}));
}

TEST(Hex, WritesTwosComplementForNegatives) {
    EXPECT_EQ(Hex(std::int32_t{255}), "FF");
    EXPECT_EQ(Hex(std::int16_t{-1}), "FFFF");
    EXPECT_EQ(Hex(std::int32_t{-1}), "FFFFFFFF");
    EXPECT_EQ(Hex(0), "0");
    EXPECT_EQ(Hex(10.5), "A");
    EXPECT_EQ(Hex("4096"), "1000");
}

TEST(Round, HalvesGoToTheEvenNeighbour) {
    EXPECT_EQ(Round(2.5), 2);
    EXPECT_EQ(Round(3.5), 4);
    EXPECT_EQ(Round(-2.5), -2);
    EXPECT_EQ(Round(29.5), 30);
    EXPECT_EQ(Round(28.5), 28);
    EXPECT_EQ(Round(1.25, 1), 1.2);
    EXPECT_EQ(Int(-2.5), -3);
    EXPECT_EQ(Fix(-2.5), -2);
}
