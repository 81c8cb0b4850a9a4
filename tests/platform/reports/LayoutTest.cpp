#include "platform/reports/Layout.h"
#include "platform/reports/ReportError.h"
#include "platform/reports/Template.h"

#include <gtest/gtest.h>

#include <algorithm>

using reports::BoundReport;
using reports::Document;
using reports::Page;
using reports::TextRun;

namespace {

const char* kNotesSheet = R"(
[report]
title = Nurses Notes
[parameters]
IdNum
[header]
center 36 bold size 12 | {HospitalName}
center 52 bold | {Title}
text 36 70 | Admission: {IdNum}
line 84
[query notes]
SELECT Transdate, Notes FROM STATION..tbNurseNotes WHERE IdNum = {IdNum}
[table notes]
column Date / Time | 100 | {Transdate}
column Notes | * | {Notes}
)";

BoundReport Notes(const reports::Template& layout, int rows) {
    BoundReport report;
    report.layout = &layout;
    report.hospitalName = "Tessun Zentari Hospital";
    report.values = {vb::Variant("2024-000123")};
    reports::QueryRows& notes = report.rows["notes"];
    notes.columns = {"Transdate", "Notes"};
    for (int i = 1; i <= rows; ++i)
        notes.rows.push_back({vb::Variant("03/01/2024 0" + std::to_string(i % 10) + ":00 AM"),
                              vb::Variant("Note number " + std::to_string(i) + ": rested well, vital signs stable.")});
    return report;
}

std::vector<std::string> TextsOf(const Page& page) {
    std::vector<std::string> texts;
    for (const TextRun& run : page.texts)
        texts.push_back(run.text);
    return texts;
}

bool Has(const Page& page, const std::string& text) {
    const auto texts = TextsOf(page);
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}

} // namespace

TEST(Layout, ALongReportRunsOntoMorePagesUnderTheRunningHeaderAndIsNumbered) {
    const reports::Template layout = reports::ParseTemplate(kNotesSheet, "NursesNotes.rpt");
    const Document document = reports::LayOut(Notes(layout, 80), {});
    ASSERT_GE(document.pages.size(), 2u);
    const std::string pages = std::to_string(document.pages.size());
    int rowsPrinted = 0;
    for (const Page& page : document.pages) {
        const std::string number = std::to_string(page.number);
        EXPECT_TRUE(Has(page, "Tessun Zentari Hospital")) << "page " << number;
        EXPECT_TRUE(Has(page, "Nurses Notes")) << "page " << number;
        EXPECT_TRUE(Has(page, "Admission: 2024-000123")) << "page " << number;
        EXPECT_TRUE(Has(page, "Date / Time")) << "the column headings repeat on page " << number;
        EXPECT_TRUE(Has(page, "Page " + number + " of " + pages));
        for (const TextRun& run : page.texts) {
            rowsPrinted += run.text.rfind("Note number ", 0) == 0 ? 1 : 0;
            EXPECT_GE(run.y, 0);
            EXPECT_LE(run.y + reports::LineHeight(run.size), document.height - 36 + 0.01) << run.text;
        }
    }
    EXPECT_EQ(rowsPrinted, 80);
    EXPECT_EQ(document.pages[0].number, 1);
}

TEST(Layout, BodyRunsStayBetweenTheHeaderAndTheFooter) {
    const reports::Template layout = reports::ParseTemplate(kNotesSheet, "NursesNotes.rpt");
    const Document document = reports::LayOut(Notes(layout, 80), {});
    for (const Page& page : document.pages)
        for (const TextRun& run : page.texts)
            if (run.text.rfind("Note number ", 0) == 0) {
                EXPECT_GT(run.y, 84) << "under the header's rule";
                EXPECT_LT(run.y + reports::LineHeight(run.size), 792 - 36 - 30) << "above the footer";
            }
}

TEST(Layout, LongTextWrapsInsideItsColumnAndKeepsItsLineEnds) {
    EXPECT_EQ(reports::WrapText("alpha beta gamma", reports::TextWidth("alpha beta", 10, false) + 1, 10, false),
              (std::vector<std::string>{"alpha beta", "gamma"}));
    EXPECT_EQ(reports::WrapText("one\r\ntwo", 500, 10, false), (std::vector<std::string>{"one", "two"}));
    EXPECT_EQ(reports::WrapText("abcdefgh", reports::TextWidth("abcd", 10, false) + 0.1, 10, false),
              (std::vector<std::string>{"abcd", "efgh"}));
    EXPECT_TRUE(reports::WrapText("", 100, 10, false).empty());
}

TEST(Layout, AGroupedTableListsItsGroupsForTheGroupTree) {
    const reports::Template layout = reports::ParseTemplate(R"(
[query q]
SELECT Section, Exam FROM x
[table q]
group = {Section}
column Exam | * | {Exam}
)",
                                                            "Requests.rpt");
    BoundReport report;
    report.layout = &layout;
    report.rows["q"] = {{"Section", "Exam"}, {{"LABORATORY", "CBC"}, {"LABORATORY", "FBS"}, {"X-RAY", "Chest PA"}}};
    const Document document = reports::LayOut(report, {});
    ASSERT_EQ(document.groups.size(), 2u);
    EXPECT_EQ(document.groups[0].text, "LABORATORY");
    EXPECT_EQ(document.groups[1].text, "X-RAY");
    EXPECT_EQ(document.PlainText(), "Exam\nLABORATORY\nCBC\nFBS\nX-RAY\nChest PA\nPage 1 of 1\n");
}

TEST(Layout, AColumnShownOnlyWhenAParameterIsTrue) {
    const reports::Template layout = reports::ParseTemplate(R"(
[parameters]
ShowAmount boolean
[query q]
SELECT Item, Amount FROM x
[table q]
column Item | * | {Item}
column Amount | 80 right sum when ShowAmount | {Amount:#,##0.00}
)",
                                                            "Income.rpt");
    BoundReport report;
    report.layout = &layout;
    report.rows["q"] = {{"Item", "Amount"}, {{"CBC", 350.0}, {"Oxygen", 1200.0}}};
    report.values = {vb::Variant(false)};
    EXPECT_EQ(reports::LayOut(report, {}).PlainText(), "Item\nCBC\nOxygen\nTotal\nPage 1 of 1\n");
    report.values = {vb::Variant(true)};
    EXPECT_EQ(reports::LayOut(report, {}).PlainText(),
              "Item\nAmount\nCBC\n350.00\nOxygen\n1,200.00\nTotal\n1,550.00\nPage 1 of 1\n");
}

TEST(Layout, AColumnTheQueryDidNotGiveIsAnError) {
    const reports::Template layout =
        reports::ParseTemplate("[query q]\nSELECT A FROM x\n[table q]\ncolumn B | * | {B}\n", "Broken.rpt");
    BoundReport report;
    report.layout = &layout;
    report.rows["q"] = {{"A"}, {{"1"}}};
    EXPECT_THROW(reports::LayOut(report, {}), reports::ReportError);
}

TEST(Layout, ARowTallerThanAPageContinuesOnTheNextPagesWithNoLineLost) {
    const reports::Template layout = reports::ParseTemplate(kNotesSheet, "NursesNotes.rpt");
    BoundReport report = Notes(layout, 1);
    std::string longNote;
    for (int i = 1; i <= 150; ++i)
        longNote += "Line " + std::to_string(i) + "\n";
    report.rows["notes"].rows.push_back({vb::Variant("03/02/2024 09:00 AM"), vb::Variant(longNote)});
    report.rows["notes"].rows.push_back({vb::Variant("03/02/2024 10:00 AM"), vb::Variant("After the long note")});
    const Document document = reports::LayOut(report, {});
    ASSERT_GE(document.pages.size(), 3u);
    std::vector<std::string> lines;
    for (const Page& page : document.pages) {
        EXPECT_TRUE(Has(page, "Date / Time")) << "the column headings repeat on page " << page.number;
        for (const TextRun& run : page.texts) {
            if (run.text.rfind("Line ", 0) == 0)
                lines.push_back(run.text);
            if (run.text.rfind("Line ", 0) == 0 || run.text == "After the long note") {
                EXPECT_GT(run.y, 84);
                EXPECT_LE(run.y + reports::LineHeight(run.size), 792 - 36 - 30);
            }
        }
    }
    ASSERT_EQ(lines.size(), 150u);
    EXPECT_EQ(lines.front(), "Line 1");
    EXPECT_EQ(lines.back(), "Line 150");
    EXPECT_TRUE(Has(document.pages.back(), "After the long note"));
}
