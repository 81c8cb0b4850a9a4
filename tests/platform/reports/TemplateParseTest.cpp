#include "platform/reports/ReportError.h"
#include "platform/reports/Template.h"

#include <gtest/gtest.h>

struct BadTemplate {
    const char* name;
    const char* text;
    const char* message; // part of the error's text
};

class TemplateMistakes : public ::testing::TestWithParam<BadTemplate> {};

TEST_P(TemplateMistakes, AreReportedWithTheirLine) {
    try {
        reports::ParseTemplate(GetParam().text, "Bad.rpt");
        FAIL() << "accepted";
    } catch (const reports::ReportError& error) {
        EXPECT_EQ(error.Number(), reports::rptErrTemplateInvalid);
        EXPECT_NE(error.Description().find(GetParam().message), std::string::npos) << error.Description();
        EXPECT_NE(error.Description().find("Bad.rpt"), std::string::npos);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Template, TemplateMistakes,
    ::testing::Values(
        BadTemplate{"TextOutsideASection", "title = x\n", "(line 1): text outside a section"},
        BadTemplate{"UnknownSection", "[report]\ntitle = x\n[pictures]\n", "(line 3): unknown section [pictures]"},
        BadTemplate{"UnknownSetting", "[report]\ncolour = red\n", "unknown setting colour"},
        BadTemplate{"ParameterCountNotWhole", "[parameters 1.5]\n", "[parameters N] takes a count of values"},
        BadTemplate{"ParameterCountBeyondAnyInt", "[parameters 777777777777777777777777777777777777777777777777]\n",
                    "[parameters N] takes a count of values"},
        BadTemplate{"UnknownParameterType", "[parameters]\nIdNum date\n", "text, number or boolean"},
        BadTemplate{"ParameterTwice", "[parameters]\nIdNum\nidnum\n", "(line 3): the parameter idnum is listed twice"},
        BadTemplate{"BuiltInAsParameter", "[parameters]\nPage\n", "built-in field"},
        BadTemplate{"UnclosedField", "[text]\nName {Name\n", "(line 2): a field is not closed"},
        BadTemplate{"UnknownFieldInText", "[text]\n{Nobody}\n", "{Nobody} is neither a parameter"},
        BadTemplate{"PageNumberInTheBody", "[text]\n{Page}\n", "only in the header and the footer"},
        BadTemplate{"QueryUsingNoParameter", "[query q]\nSELECT {IdNum}\n", "uses {IdNum}, which is no parameter"},
        BadTemplate{"SqlLineComment", "[query q]\nSELECT 1 -- one\nFROM x\n", "(line 2): a query line cannot hold"},
        BadTemplate{"QueryPattern", "[parameters]\nA\n[query q]\nSELECT {A:0.00}\n", "takes no pattern"},
        BadTemplate{"TableOfNoQuery", "[table q]\ncolumn A | * | {A}\n", "reads the query q, which is not declared"},
        BadTemplate{"ColumnWithoutWidth", "[query q]\nSELECT 1\n[table q]\ncolumn A | | {A}\n", "needs a width"},
        BadTemplate{"PlacedItemWithoutPosition", "[header]\ntext 36 | x\n", "needs more positions"},
        BadTemplate{"WhenOfNoParameter", "[text]\nbold when Show | x\n", "\"when Show\" names no parameter"},
        BadTemplate{"FieldOfNoQuery", "[text]\n{patient.Name}\n", "names no query"},
        BadTemplate{"SqlBlockComment", "[query q]\nSELECT 1 /* one */\n", "(line 2): a query line cannot hold \"/*\""},
        BadTemplate{"FieldInsideQuotes", "[parameters]\nName\n[query q]\nSELECT 1 FROM p WHERE Name = '{Name}'\n",
                    "has {Name} inside quotes"},
        BadTemplate{"FieldInsideQuotesAcrossALineBreak",
                    "[parameters]\nName\n[query q]\nSELECT 1 FROM p WHERE Name = 'a\n{Name}'\n",
                    "has {Name} inside quotes"},
        BadTemplate{"FieldInALikePattern",
                    "[parameters]\nName\n[query q]\nSELECT 1 FROM p WHERE Name LIKE '%{Name}%'\n",
                    "has {Name} inside quotes"},
        BadTemplate{"FieldAfterADoubledQuote",
                    "[parameters]\nName\n[query q]\nSELECT 1 FROM p WHERE Name = 'O''{Name}'\n",
                    "has {Name} inside quotes"},
        BadTemplate{"FieldInsideAQuotedName", "[parameters]\nName\n[query q]\nSELECT 1 AS \"{Name}\"\n",
                    "has {Name} inside quotes"},
        BadTemplate{"FieldInsideBrackets", "[parameters]\nName\n[query q]\nSELECT 1 AS [a]]{Name}]\n",
                    "has {Name} inside quotes"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Template, AFieldBesideQuotedTextIsAccepted) {
    const reports::Template layout =
        reports::ParseTemplate("[parameters]\nName\n[query q]\nSELECT 1 FROM p WHERE Name LIKE '%' + {Name} + '%'\n"
                               "  AND Remark <> 'it''s' AND [odd]]name] = {Name} AND Code = \"x\"\n",
                               "Good.rpt");
    EXPECT_EQ(layout.queries.at(0).text, "SELECT 1 FROM p WHERE Name LIKE '%' + {Name} + '%' AND Remark <> 'it''s' "
                                         "AND [odd]]name] = {Name} AND Code = \"x\"");
}

// A line of nothing but white space is blank, whichever white space it holds.
TEST(Template, LinesOfAnyWhiteSpaceAreBlank) {
    for (const char* blank : {"\f", "\v", " \f\v\t ", "\r"}) {
        const std::string text = std::string("[parameters]\n") + blank + "\nName\n[query q]\nSELECT {Name}\n" + blank +
                                 "\n[table q]\n" + blank + "\ncolumn\fA |\v* | {A}\n[text]\n" + blank + "\n";
        const reports::Template layout = reports::ParseTemplate(text, "Blank.rpt");
        ASSERT_EQ(layout.parameters.size(), 1u);
        EXPECT_EQ(layout.queries.at(0).text, "SELECT {Name}");
        const auto& table = std::get<reports::TableBlock>(layout.body.at(0));
        ASSERT_EQ(table.columns.size(), 1u);
        EXPECT_EQ(table.columns[0].heading, "A");
    }
}

TEST(Template, ListsTheColumnsItsLayoutReadsFromAQuery) {
    const reports::Template layout = reports::ParseTemplate(R"(
[parameters]
IdNum
[query patient]
SELECT Name, Room FROM p WHERE IdNum = {IdNum}
[query notes]
SELECT Transdate, Notes FROM n WHERE IdNum = {IdNum}
[fields]
Patient | {patient.Name} in {patient.Room}
[table notes]
column Date | 90 | {Transdate:mm/dd/yyyy}
column Note | * | {Notes} ({IdNum}, page of {Title})
)",
                                                            "Notes.rpt");
    EXPECT_EQ(layout.ColumnsUsed("patient"), (std::vector<std::string>{"Name", "Room"}));
    EXPECT_EQ(layout.ColumnsUsed("NOTES"), (std::vector<std::string>{"Transdate", "Notes"}));
    EXPECT_EQ(layout.ParameterFieldCount(), 1);
}
