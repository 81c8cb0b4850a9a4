#include "RuntimeTest.h"
#include "platform/vb/Runtime.h"

#include <gtest/gtest.h>

using namespace vb;

TEST(Strings, CountCharactersNotBytes) {
    EXPECT_EQ(Len("PEÑA"), 4);
    EXPECT_EQ(Len(""), 0);
    EXPECT_EQ(Len("\xFF\xFE"), 2);  // invalid bytes count one each
    EXPECT_EQ(Len("a\xE2\x82"), 3); // a cut sequence too
    EXPECT_EQ(Len("€5"), 2);
    EXPECT_EQ(Left("PEÑA", 3), "PEÑ");
    EXPECT_EQ(Right("PEÑA", 2), "ÑA");
    EXPECT_EQ(Mid("PEÑA CRUZ", 3, 2), "ÑA");
    EXPECT_EQ(Mid("PEÑA CRUZ", 6), "CRUZ");
    EXPECT_EQ(InStr("PEÑA CRUZ", "A"), 4);
    EXPECT_EQ(InStr(5, "PEÑA CRUZ", "U"), 8);
}

TEST(Strings, CutBeyondTheEndGivesWhatThereIs) {
    EXPECT_EQ(Left("ab", 5), "ab");
    EXPECT_EQ(Right("ab", 5), "ab");
    EXPECT_EQ(Mid("ab", 3), "");
    EXPECT_EQ(Mid("ab", 9, 2), "");
    EXPECT_EQ(Mid("abc", 2, 0), "");
    EXPECT_EQ(Left("ab", 0), "");
}

TEST(Strings, RefuseNegativeLengthsAndPositionsBelowOne) {
    EXPECT_EQ(RaisedError([] { Left("ab", -1); }), "Invalid procedure call or argument");
    EXPECT_EQ(RaisedError([] { Right("ab", -1); }), "Invalid procedure call or argument");
    EXPECT_EQ(RaisedError([] { Mid("ab", 0); }), "Invalid procedure call or argument");
    EXPECT_EQ(RaisedError([] { Mid("ab", 1, -1); }), "Invalid procedure call or argument");
    EXPECT_EQ(RaisedError([] { InStr(0, "ab", "a"); }), "Invalid procedure call or argument");
    EXPECT_EQ(RaisedError([] { Space(-1); }), "Invalid procedure call or argument");
}

TEST(InStr, FollowsTheRuntimeOnEmptyTexts) {
    struct Case {
        int start;
        const char* text;
        const char* find;
        int expected;
    };
    const Case cases[] = {
        {1, "abc", "", 1},  {3, "abc", "", 3},  {4, "abc", "", 0},  {1, "", "", 0},       {1, "", "a", 0},
        {1, "abc", "c", 3}, {4, "abc", "c", 0}, {1, "aXa", "x", 0}, {2, "abab", "ab", 3}, {1, "ab", "abc", 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(InStr(c.start, c.text, c.find), c.expected) << c.start << " " << c.text << " " << c.find;
    EXPECT_EQ(InStrRev("a,b,c", ","), 4);
    EXPECT_EQ(InStrRev("a,b,c", ",", 3), 2);
    EXPECT_EQ(InStrRev("ÑaÑa", "Ña"), 3);
}

TEST(Replace, ReplacesEveryMatchFromTheStart) {
    EXPECT_EQ(Replace("O'BRIEN", "'", "`"), "O`BRIEN");
    EXPECT_EQ(Replace("a'b'c", "'", "''"), "a''b''c");
    EXPECT_EQ(Replace("aaa", "aa", "b"), "ba");
    EXPECT_EQ(Replace("abcabc", "b", "", 3), "cac");
    EXPECT_EQ(Replace("ababab", "a", "x", 1, 2), "xbxbab");
    EXPECT_EQ(Replace("abc", "", "x"), "abc");
    EXPECT_EQ(Replace("PEÑA", "Ñ", "N"), "PENA");
}

TEST(Trim, RemovesBlanksOnly) {
    EXPECT_EQ(Trim("  a b  "), "a b");
    EXPECT_EQ(LTrim("  a "), "a ");
    EXPECT_EQ(RTrim("  a "), "  a");
    EXPECT_EQ(Trim("\ta\t"), "\ta\t");
    EXPECT_EQ(Trim("   "), "");
}

TEST(Case, MapsWindows1252Letters) {
    EXPECT_EQ(UCase("peña"), "PEÑA");
    EXPECT_EQ(LCase("PEÑA"), "peña");
    EXPECT_EQ(UCase("àéîõü ÿ šžœ"), "ÀÉÎÕÜ Ÿ ŠŽŒ");
    EXPECT_EQ(LCase("ÀÉÎÕÜ Ÿ ŠŽŒ"), "àéîõü ÿ šžœ");
    EXPECT_EQ(UCase("ß÷µ"), "ß÷µ");
    EXPECT_EQ(LCase("×"), "×");
    EXPECT_EQ(UCase("a\xFF"), "A\xFF");
    EXPECT_EQ(UCase("ж"), "ж"); // outside the code page: unchanged
}

TEST(Split, CutsAtEachDelimiter) {
    using Parts = std::vector<std::string>;
    EXPECT_EQ(Split("a,b,,c", ","), (Parts{"a", "b", "", "c"}));
    EXPECT_EQ(Split("", ","), Parts{});
    EXPECT_EQ(Split("abc", ""), Parts{"abc"});
    EXPECT_EQ(Split("a b c"), (Parts{"a", "b", "c"}));
    EXPECT_EQ(Split("a||b||c", "||", 2), (Parts{"a", "b||c"}));
    EXPECT_EQ(Split("a,", ","), (Parts{"a", ""}));
    EXPECT_EQ(Join({"a", "b"}, ", "), "a, b");
}

TEST(AscChr, RoundTripAllCodesOfTheCodePage) {
    for (int code = 0; code < 256; ++code)
        EXPECT_EQ(Asc(Chr(code)), code) << code;
    EXPECT_EQ(Chr(129), "\xC2\x81");
    EXPECT_EQ(Chr(128), "€");
    EXPECT_EQ(Chr(209), "Ñ");
    EXPECT_EQ(Asc("Ñ"), 209);
    EXPECT_EQ(Asc("ж"), 63);
    EXPECT_EQ(Asc("\xFF"), 63);
    EXPECT_EQ(Asc("AB"), 65);
    EXPECT_EQ(RaisedError([] { Asc(""); }), "Invalid procedure call or argument");
    EXPECT_EQ(RaisedError([] { Chr(256); }), "Invalid procedure call or argument");
    EXPECT_EQ(RaisedError([] { Chr(-1); }), "Invalid procedure call or argument");
}

TEST(StrComp, IsBinaryAndCaseSensitive) {
    EXPECT_EQ(StrComp("a", "A"), 1);
    EXPECT_EQ(StrComp("A", "a"), -1);
    EXPECT_EQ(StrComp("Ñ", "Ñ"), 0);
    EXPECT_EQ(Space(3), "   ");
}

TEST(Split, ElementsOutsideTheArrayAreRefused) {
    const std::vector<std::string> parts = Split("1|2|3", "|");
    EXPECT_EQ(UBound(parts), 2);
    EXPECT_EQ(Element(parts, 2), "3");
    EXPECT_EQ(UBound(Split("", "|")), -1);
    EXPECT_EQ(RaisedError([&] { Element(parts, 3); }), "Subscript out of range");
    EXPECT_EQ(RaisedError([&] { Element(parts, -1); }), "Subscript out of range");
}
