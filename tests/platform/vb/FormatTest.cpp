#include "platform/vb/Format.h"
#include "RuntimeTest.h"
#include "platform/vb/Conversions.h"

#include <gtest/gtest.h>

using namespace vb;

namespace {

struct FormatCase {
    Variant value;
    const char* pattern;
    const char* expected;
};

void ExpectFormats(const std::vector<FormatCase>& cases) {
    for (const FormatCase& c : cases) {
        const std::string shown = c.value.IsNull() ? "Null" : CStr(c.value);
        EXPECT_EQ(Format(c.value, c.pattern), c.expected) << shown << " with \"" << c.pattern << '"';
    }
}

} // namespace

TEST(FormatDates, EveryPatternTheWindowsUse) {
    const Date afternoon = At(2024, 3, 5, 13, 7, 9);
    const Date morning = At(2024, 11, 25, 0, 5, 0);
    ExpectFormats({
        {afternoon, "mm/dd/yyyy", "03/05/2024"},
        {afternoon, "MM/DD/YYYY", "03/05/2024"},
        {afternoon, "mm/dd/yyyy hh:mm:ss AM/PM", "03/05/2024 01:07:09 PM"},
        {morning, "mm/dd/yyyy hh:mm:ss AM/PM", "11/25/2024 12:05:00 AM"},
        {afternoon, "MM/DD/YYYY hh:mm:ss AM/PM", "03/05/2024 01:07:09 PM"},
        {afternoon, "MM/DD/YYYY HH:MM:SS AM/PM", "03/05/2024 01:07:09 PM"},
        {afternoon, "MM/dd/yyyy hh:mm:ss AM/PM", "03/05/2024 01:07:09 PM"},
        {afternoon, " hh:mm:ss AM/PM", " 01:07:09 PM"},
        {afternoon, "hh:mm:ss AM/PM", "01:07:09 PM"},
        {morning, "hh:mm:ss AM/PM", "12:05:00 AM"},
        {afternoon, "mm/dd/yyyy hh:mm:ss", "03/05/2024 13:07:09"},
        {morning, "mm/dd/yyyy hh:mm:ss", "11/25/2024 00:05:00"},
        {afternoon, "yyyy/mm/dd", "2024/03/05"},
        {afternoon, "mm/dd/yy", "03/05/24"},
        {Date{0}, "mm/dd/yy", "12/30/99"},
        {afternoon, "h:00:00 AM/PM", "1:00:00 PM"},
        {At(2024, 3, 5, 9, 59, 0), "h:00:00 AM/PM", "9:00:00 AM"},
        {afternoon, "mm/dd/yyyy ", "03/05/2024 "},
        {afternoon, "m/d/yyyy h:nn am/pm", "3/5/2024 1:07 pm"},
        {afternoon, "hh:mm", "13:07"},
        {afternoon, "mm:ss", "07:09"},
        {afternoon, "dddd, mmmm dd, yyyy", "Tuesday, March 05, 2024"},
        {afternoon, "ddd d-mmm-yy", "Tue 5-Mar-24"},
        {afternoon, "Long Date", "Tuesday, March 05, 2024"},
        {afternoon, "Short Date", "3/5/2024"},
        {afternoon, "General Date", "3/5/2024 1:07:09 PM"},
        {afternoon, "Long Time", "1:07:09 PM"},
        {afternoon, "q y w ww", "1 65 3 10"},
        {afternoon, "h:mm A/P", "1:07 P"},
        {afternoon, "\"at\" h \\h", "at 13 h"},
    });
}

TEST(FormatDates, TextsAndNumbersThatReadAsDates) {
    ExpectFormats({
        {"3/5/2024 1:07:09 PM", "mm/dd/yyyy", "03/05/2024"},
        {"2024-03-05 13:07:09.000", "MM/DD/YYYY hh:mm:ss AM/PM", "03/05/2024 01:07:09 PM"},
        {"1:00:00 AM", "hh:mm:ss AM/PM", "01:00:00 AM"},
        {"1:00:00 AM", "mm/dd/yyyy", "12/30/1899"},
        {45356.5, "mm/dd/yyyy hh:mm:ss", "03/05/2024 12:00:00"},
        {"45356", "mm/dd/yyyy", "03/05/2024"},
        {"not a date", "mm/dd/yyyy", "not a date"},
        {"", "mm/dd/yyyy", ""},
        {Variant::Null(), "mm/dd/yyyy", ""},
        {Variant(), "mm/dd/yyyy", ""},
        {1e10, "mm/dd/yyyy", "10000000000"},
        {"1E10", "mm/dd/yyyy", "1E10"},
    });
}

TEST(FormatNumbers, EveryPatternTheWindowsUse) {
    ExpectFormats({
        {1234.5, "#,##0.00;(#,##0.00)", "1,234.50"},
        {-1234.5, "#,##0.00;(#,##0.00)", "(1,234.50)"},
        {0.0, "#,##0.00;(#,##0.00)", "0.00"},
        {1234567.891, "###,###,##0.00", "1,234,567.89"},
        {0.5, "###,###,##0.00", "0.50"},
        {12345678901.0, "###,###,##0.00", "12,345,678,901.00"},
        {-1234.5, "###,###,##0.00", "-1,234.50"},
        {1234.5, "###0.00", "1234.50"},
        {0.0, "###0.00", "0.00"},
        {2.005, "0.00", "2.01"},
        {1.005, "0.00", "1.01"},
        {-2.005, "0.00", "-2.01"},
        {12.346, "#####.##", "12.35"},
        {12.345, "#####.##", "12.35"},
        {0.0, "#####.##", "."},
        {0.5, "#####.##", ".5"},
        {12.0, "#####.##", "12."},
        {12.3, "#####.##", "12.3"},
        {123456.789, "#####.##", "123456.79"},
        {0.004, "#####.##", "."},
        {1.5, "####.############", "1.5"},
        {1.0 / 3, "####.############", ".333333333333"},
        {1.5, "####.000000000000", "1.500000000000"},
        {250 * 1.1, "##########.############", "275."},
        {0.1 + 0.2, "##########.############", ".3"},
        {42, "000000", "000042"},
        {1234567, "000000", "1234567"},
        {std::int32_t{1045}, "00000000", "00001045"},
        {2.5, "0", "3"},
        {3.5, "0", "4"},
        {-2.5, "0", "-3"},
        {0.125, "0.00", "0.13"},
        {1e15, "0", "1000000000000000"},
        {0.07, "0.00%", "7.00%"},
        {1234.5, "Standard", "1,234.50"},
        {-1234.5, "Currency", "($1,234.50)"},
        {1234.5, "Fixed", "1234.50"},
        {1234.5, "General Number", "1234.5"},
        {2.0, "Yes/No", "Yes"},
        {0.0, "On/Off", "Off"},
        {Date{45356.5}, "General Number", "45356.5"},
        {Date{45356.5}, "Yes/No", "Yes"},
        {"0", "True/False", "False"},
        {0.0, "0.00;(0.00);\"nil\"", "nil"},
        {1234.0, "#,##0,", "1"},
        {12345.0, "00-000", "12-345"},
        {true, "0", "-1"},
        {Currency{12345}, "0.00", "1.23"},
        {Currency{12355}, "0.00", "1.24"},
        {Date{45356.5}, "0.00", "45356.50"},
    });
}

TEST(FormatNumbers, TextsThatReadAsNumbers) {
    ExpectFormats({
        {"12.346", "#####.##", "12.35"},
        {" 1,234.5 ", "#,##0.00;(#,##0.00)", "1,234.50"},
        {"-1234.5", "#,##0.00;(#,##0.00)", "(1,234.50)"},
        {"12A", "#####.##", "12A"},
        {"abc", "0.00", "abc"},
        {"", "0.00", ""},
        {"3/5/2024", "0.00", "3/5/2024"},
        {"1E400", "0.00", "1E400"},
    });
}

TEST(Format, WithoutAPatternGivesTheValueAsText) {
    ExpectFormats({
        {0.5, "", "0.5"},
        {At(2024, 3, 5), "", "3/5/2024"},
        {true, "", "True"},
        {"x", "", "x"},
    });
}

TEST(Format, RefusesValuesThatCannotBeShown) {
    EXPECT_EQ(RaisedError([] { FormatNumber(std::numeric_limits<double>::infinity(), "0"); }), "Overflow");
    EXPECT_EQ(RaisedError([] { Format(Date{1e300}, "mm/dd/yyyy"); }), "Overflow");
    EXPECT_EQ(RaisedError([] { Format(1e308, "0%"); }), "Overflow");
}
