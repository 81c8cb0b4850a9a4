#include "platform/vb/DateTime.h"
#include "RuntimeTest.h"
#include "platform/vb/Conversions.h"
#include "platform/vb/DateText.h"

#include <gtest/gtest.h>

using namespace vb;

TEST(DateText, ReadsTheTextsTheProgramMeets) {
    struct Case {
        const char* text;
        Date expected;
    };
    const Case cases[] = {
        {"3/1/2024", At(2024, 3, 1)},
        {"03/01/2024", At(2024, 3, 1)},
        {" 03/01/2024 ", At(2024, 3, 1)},
        {"03/01/2024 01:05:09 PM", At(2024, 3, 1, 13, 5, 9)},
        {"03/01/2024 12:05:00 AM", At(2024, 3, 1, 0, 5, 0)},
        {"03/01/2024 12:05:00 PM", At(2024, 3, 1, 12, 5, 0)},
        {"3/1/2024 1:05 pm", At(2024, 3, 1, 13, 5, 0)},
        {"03/01/2024 13:05:09", At(2024, 3, 1, 13, 5, 9)},
        {"03/01/2024  1:05:09PM", At(2024, 3, 1, 13, 5, 9)},
        {"12/31/9999 23:59:59", At(9999, 12, 31, 23, 59, 59)},
        {"01/01/00", At(2000, 1, 1)},
        {"1/1/29", At(2029, 1, 1)},
        {"1/1/30", At(1930, 1, 1)},
        {"3-1-2024", At(2024, 3, 1)},
        {"2024/03/01", At(2024, 3, 1)},
        {"2024-03-01", At(2024, 3, 1)},
        {"2024-03-01 13:05:09", At(2024, 3, 1, 13, 5, 9)},
        {"2024-03-01T13:05:09", At(2024, 3, 1, 13, 5, 9)},
        {"2/29/2024", At(2024, 2, 29)},
        {"1:00:00 AM", Date{1.0 / 24}},
        {"13:00", Date{13.0 / 24}},
        {"12:00:00 AM", Date{0}},
        {"1/1/1800 6:00:00 AM", At(1800, 1, 1, 6, 0, 0)},
        {"Jan 5, 2024", At(2024, 1, 5)},
        {"Jan 5 2024", At(2024, 1, 5)},
        {"january 5,2024", At(2024, 1, 5)},
        {"SEP 30, 24", At(2024, 9, 30)},
        {"Jan 5, 2024 1:07 PM", At(2024, 1, 5, 13, 7, 0)},
        {"Jan  5 2024  1:07PM", At(2024, 1, 5, 13, 7, 0)},
        {"Dec 31 2023 12:00AM", At(2023, 12, 31)},
        {"5-Jan-2024", At(2024, 1, 5)},
        {"05-JAN-24", At(2024, 1, 5)},
        {"5/Feb/2024 13:05", At(2024, 2, 5, 13, 5, 0)},
        {"29 February 2024", At(2024, 2, 29)},
    };
    for (const Case& c : cases) {
        const std::optional<Date> read = ReadDateText(c.text);
        ASSERT_TRUE(read.has_value()) << c.text;
        EXPECT_DOUBLE_EQ(read->serial, c.expected.serial) << c.text;
        EXPECT_DOUBLE_EQ(CDate(c.text).serial, c.expected.serial) << c.text;
        EXPECT_TRUE(IsDate(c.text)) << c.text;
    }
}

TEST(DateText, ReadsTheDriversFractionOfASecond) {
    const std::optional<Date> read = ReadDateText("2024-03-01 13:05:09.600");
    ASSERT_TRUE(read.has_value());
    EXPECT_NEAR(read->serial, At(2024, 3, 1, 13, 5, 9).serial + 0.6 / 86400, 1e-9);
    EXPECT_EQ(CStr(*read), "3/1/2024 1:05:10 PM");
}

TEST(DateText, RefusesEverythingElse) {
    const char* texts[] = {
        "",
        "   ",
        "abc",
        "45352",
        "3/1",
        "13/1/2024",
        "2/30/2024",
        "2/29/2023",
        "0/1/2024",
        "3/0/2024",
        "3/1/024",
        "3/1/2024 25:00",
        "3/1/2024 13:00 PM",
        "3/1/2024 0:30 AM",
        "3/1/2024 10:60",
        "3/1/2024 10:00:60",
        "3/1/2024x",
        "3/1/2024 10",
        "3/1/2024 10:",
        "3/1-2024",
        "2024-03-01 1:00 PM junk",
        "1/1/99999",
        "1/1/0099",
        "10:00 XM",
        "3/1/2024T10:00",
        "123456789012/1/1",
        "Jan 5",
        "Jan 2024",
        "Jan5, 2024",
        "Ja 5, 2024",
        "Janu 5, 2024",
        "Feb 30, 2024",
        "Jan 5, 024",
        "32-Jan-2024",
        "5-Jan/2024",
        "5-Jan 2024",
        "2024-Jan-05",
        "Jan 5, 2024 PM",
        "1 2 3",
    };
    for (const char* text : texts) {
        EXPECT_FALSE(ReadDateText(text).has_value()) << text;
        EXPECT_EQ(RaisedError([&] { CDate(text); }), "Type mismatch") << text;
    }
}

TEST(DateText, WritesDateAloneTimeAloneOrBoth) {
    EXPECT_EQ(DateText(At(2024, 3, 1)), "3/1/2024");
    EXPECT_EQ(DateText(At(2024, 12, 25, 0, 0, 1)), "12/25/2024 12:00:01 AM");
    EXPECT_EQ(DateText(At(2024, 12, 25, 23, 59, 59)), "12/25/2024 11:59:59 PM");
    EXPECT_EQ(DateText(Date{13.0 / 24}), "1:00:00 PM");
    EXPECT_EQ(DateText(At(1800, 1, 1, 6, 0, 0)), "1/1/1800 6:00:00 AM");
}

TEST(DateDiff, CountsBoundaries) {
    struct Case {
        const char* interval;
        Date from, to;
        long long expected;
    };
    const Case cases[] = {
        {"n", At(2024, 3, 1, 10, 0, 59), At(2024, 3, 1, 10, 20, 0), 20},
        {"n", At(2024, 3, 1, 10, 0, 59), At(2024, 3, 1, 10, 1, 0), 1},
        {"n", At(2024, 3, 1, 10, 1, 0), At(2024, 3, 1, 10, 1, 59), 0},
        {"n", At(2024, 3, 1, 10, 20, 0), At(2024, 3, 1, 10, 0, 59), -20},
        {"h", At(2024, 3, 1, 10, 59, 59), At(2024, 3, 1, 11, 0, 0), 1},
        {"s", At(2024, 3, 1, 23, 59, 59), At(2024, 3, 2, 0, 0, 1), 2},
        {"d", At(2024, 3, 1, 23, 59, 0), At(2024, 3, 2, 0, 1, 0), 1},
        {"y", At(2024, 3, 1), At(2024, 3, 11), 10},
        {"m", At(2024, 1, 31), At(2024, 2, 1), 1},
        {"q", At(2024, 3, 31), At(2024, 4, 1), 1},
        {"yyyy", At(2023, 12, 31), At(2024, 1, 1), 1},
        {"w", At(2024, 3, 1), At(2024, 3, 14), 1},
        {"ww", At(2024, 3, 2), At(2024, 3, 3), 1}, // Saturday to Sunday
        {"ww", At(2024, 3, 3), At(2024, 3, 9), 0},
        {"d", At(1899, 12, 29, 6, 0, 0), At(1899, 12, 30, 0, 0, 0), 1},
        {"n", At(1899, 12, 29, 23, 59, 0), At(1899, 12, 30, 0, 1, 0), 2},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DateDiff(c.interval, c.from, c.to), c.expected)
            << c.interval << " " << CStr(c.from) << " " << CStr(c.to);
    EXPECT_EQ(DateDiff("N", "3/1/2024 10:00:59 AM", "3/1/2024 10:20:00 AM"), 20);
}

TEST(DateAdd, AddsIntervals) {
    struct Case {
        const char* interval;
        double number;
        Date from, expected;
    };
    const Case cases[] = {
        {"m", 1, At(2024, 1, 31), At(2024, 2, 29)},
        {"m", -1, At(2024, 3, 31, 8, 0, 0), At(2024, 2, 29, 8, 0, 0)},
        {"yyyy", 1, At(2024, 2, 29), At(2025, 2, 28)},
        {"q", 1, At(2024, 11, 30), At(2025, 2, 28)},
        {"d", 1, At(2024, 12, 31, 13, 0, 0), At(2025, 1, 1, 13, 0, 0)},
        {"d", -3, At(2024, 3, 1), At(2024, 2, 27)},
        {"ww", 2, At(2024, 3, 1), At(2024, 3, 15)},
        {"h", 25, At(2024, 3, 1, 0, 0, 0), At(2024, 3, 2, 1, 0, 0)},
        {"n", -1, At(2024, 3, 1), At(2024, 2, 29, 23, 59, 0)},
        {"s", 86400, At(2024, 3, 1), At(2024, 3, 2)},
        {"d", 1.5, At(2024, 3, 1), At(2024, 3, 3)},
        {"d", 2.5, At(2024, 3, 1), At(2024, 3, 3)},
        {"d", 1, At(1899, 12, 29, 6, 0, 0), At(1899, 12, 30, 6, 0, 0)},
    };
    for (const Case& c : cases)
        EXPECT_DOUBLE_EQ(DateAdd(c.interval, c.number, c.from).serial, c.expected.serial)
            << c.interval << " " << c.number << " " << CStr(c.from);
}

TEST(DateAdd, RefusesResultsOutOfRangeAndUnknownIntervals) {
    EXPECT_EQ(RaisedError([] { DateAdd("yyyy", 1, At(9999, 6, 1)); }), "Invalid procedure call or argument");
    EXPECT_EQ(RaisedError([] { DateAdd("d", -1, At(100, 1, 1)); }), "Invalid procedure call or argument");
    EXPECT_EQ(RaisedError([] { DateAdd("s", 1e300, At(2024, 1, 1)); }), "Invalid procedure call or argument");
    EXPECT_EQ(RaisedError([] { DateAdd("x", 1, At(2024, 1, 1)); }), "Invalid procedure call or argument");
    EXPECT_EQ(RaisedError([] { DateDiff("", At(2024, 1, 1), At(2024, 1, 1)); }), "Invalid procedure call or argument");
    EXPECT_EQ(RaisedError([] { DateAdd("d", 1, Variant::Null()); }), "Invalid use of Null");
    EXPECT_EQ(RaisedError([] { DateAdd("d", 1, "soon"); }), "Type mismatch");
}

TEST(DatePart, GivesEachPart) {
    const Date d = At(2024, 3, 1, 13, 5, 9); // a Friday
    EXPECT_EQ(DatePart("yyyy", d), 2024);
    EXPECT_EQ(DatePart("q", d), 1);
    EXPECT_EQ(DatePart("m", d), 3);
    EXPECT_EQ(DatePart("y", d), 61);
    EXPECT_EQ(DatePart("d", d), 1);
    EXPECT_EQ(DatePart("w", d), 6);
    EXPECT_EQ(DatePart("w", d, vbMonday), 5);
    EXPECT_EQ(DatePart("ww", d), 9);
    EXPECT_EQ(DatePart("ww", At(2024, 1, 6)), 1);
    EXPECT_EQ(DatePart("ww", At(2024, 1, 7)), 2);
    EXPECT_EQ(DatePart("h", d), 13);
    EXPECT_EQ(DatePart("n", d), 5);
    EXPECT_EQ(DatePart("s", d), 9);
    EXPECT_EQ(Year(d), 2024);
    EXPECT_EQ(Month(d), 3);
    EXPECT_EQ(Day(d), 1);
    EXPECT_EQ(Hour(d), 13);
    EXPECT_EQ(Minute(d), 5);
    EXPECT_EQ(Second(d), 9);
    EXPECT_EQ(Year("12/25/2023 1:00:00 PM"), 2023);
}

TEST(Weekday, CountsFromSunday) {
    EXPECT_EQ(Weekday(At(2024, 3, 3)), 1); // Sunday
    EXPECT_EQ(Weekday(At(2024, 3, 9)), 7); // Saturday
    EXPECT_EQ(Weekday(Date{0}), 7);        // 12/30/1899 was a Saturday
    EXPECT_EQ(Weekday(At(1899, 12, 24)), 1);
    EXPECT_EQ(Weekday(At(2024, 3, 4), vbMonday), 1);
    EXPECT_EQ(Weekday(At(2024, 3, 4), vbUseSystemDayOfWeek), 2);
    EXPECT_EQ(RaisedError([] { Weekday(At(2024, 3, 4), 8); }), "Invalid procedure call or argument");
}

TEST(DateSerial, CarriesOverAndReadsTwoDigitYears) {
    EXPECT_DOUBLE_EQ(DateSerial(2024, 3, 1).serial, 45352.0);
    EXPECT_DOUBLE_EQ(DateSerial(2024, 13, 1).serial, At(2025, 1, 1).serial);
    EXPECT_DOUBLE_EQ(DateSerial(2024, 3, 0).serial, At(2024, 2, 29).serial);
    EXPECT_DOUBLE_EQ(DateSerial(2024, 0, 1).serial, At(2023, 12, 1).serial);
    EXPECT_DOUBLE_EQ(DateSerial(2024, 1, -1).serial, At(2023, 12, 30).serial);
    EXPECT_DOUBLE_EQ(DateSerial(24, 3, 1).serial, 45352.0);
    EXPECT_DOUBLE_EQ(DateSerial(99, 1, 1).serial, At(1999, 1, 1).serial);
    EXPECT_EQ(RaisedError([] { DateSerial(10000, 1, 1); }), "Invalid procedure call or argument");
    EXPECT_EQ(RaisedError([] { DateSerial(2024, 2147483647, 1); }), "Invalid procedure call or argument");
}

TEST(TimeSerial, GivesATimeOnDayZero) {
    EXPECT_EQ(CStr(TimeSerial(13, 0, 0)), "1:00:00 PM");
    EXPECT_EQ(CStr(TimeSerial(0, 90, 0)), "1:30:00 AM");
    EXPECT_EQ(CStr(TimeSerial(25, 0, 0)), "12/31/1899 1:00:00 AM");
    EXPECT_EQ(CStr(DateValue("3/1/2024 1:05:00 PM")), "3/1/2024");
    EXPECT_EQ(CStr(TimeValue("3/1/2024 1:05:00 PM")), "1:05:00 PM");
}
