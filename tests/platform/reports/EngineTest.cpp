#include "TemplateFolder.h"
#include "platform/reports/ReportError.h"
#include "platform/reports/TemplateReportEngine.h"
#include "testkit/ScriptedServer.h"

#include <gtest/gtest.h>

using reports::Document;
using reports::LogOnInfo;
using reports::ReportError;
using reports::TemplateReport;
using reports::TemplateReportEngine;
using testkit::ScriptedServer;

namespace {

const char* kThreeFields = R"(
[report]
title = Three Fields
[parameters]
First
Second
Third
[text]
first={First} second={Second} third={Third}
)";

struct Fixture {
    TemplateFolder folder;
    ScriptedServer server;
    TemplateReportEngine engine{server};

    std::unique_ptr<reports::Report> Open(const std::string& fileName, const std::vector<vb::Variant>& values) {
        auto report = engine.OpenReport(folder.PathOf(fileName));
        reports::SetParameterValues(*report, values);
        return report;
    }
};

class PrinterSpy : public reports::Printer {
public:
    void Print(const Document& document) override { printed.push_back(document); }
    std::vector<Document> printed;
};

} // namespace

struct PositionalCase {
    const char* name;
    std::vector<vb::Variant> values;
    const char* expected;
};

class PositionalValues : public ::testing::TestWithParam<PositionalCase> {};

TEST_P(PositionalValues, FieldsTakeTheValuesInOrder) {
    Fixture fixture;
    fixture.folder.Write("Three.rpt", kThreeFields);
    auto report = fixture.Open("Three.rpt", GetParam().values);
    const Document document = fixture.engine.Display(*report, {});
    EXPECT_NE(document.PlainText().find(GetParam().expected), std::string::npos) << document.PlainText();
}

INSTANTIATE_TEST_SUITE_P(
    Engine, PositionalValues,
    ::testing::Values(
        PositionalCase{"FiveValuesForThreeFields", {"a", "b", "c", "d", "e"}, "first=a second=b third=c\n"},
        PositionalCase{"TwoValuesForThreeFields", {"a", "b"}, "first=a second=b third=\n"},
        PositionalCase{"NoValues", {}, "first= second= third=\n"},
        PositionalCase{"NumbersAndBooleansAsText", {std::int32_t(12), true, 2.5}, "first=12 second=True third=2.5\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Engine, FindsTheTemplateWithoutRegardToCaseAndSeparators) {
    Fixture fixture;
    fixture.folder.Write("Vital Signs.rpt", kThreeFields);
    fixture.folder.Write("Assessment_Slip_BlankForm.rpt", kThreeFields);
    for (const std::string name :
         {"Vital Signs.rpt", "VITAL SIGNS.RPT", "vital signs.Rpt", "Assessment_Slip_BlankForm.RPT"})
        EXPECT_NO_THROW(fixture.engine.OpenReport(fixture.folder.PathOf(name))) << name;
    EXPECT_NO_THROW(fixture.engine.OpenReport(fixture.folder.PathOf("..\\reports\\Vital Signs.rpt")));
}

TEST(Engine, AMissingTemplateRaisesAnErrorNamingIt) {
    Fixture fixture;
    try {
        fixture.engine.OpenReport(fixture.folder.PathOf("Diet_List.Rpt"));
        FAIL() << "no error";
    } catch (const ReportError& error) {
        EXPECT_EQ(error.Number(), reports::rptErrTemplateMissing);
        EXPECT_NE(error.Description().find("Diet_List.Rpt was not found"), std::string::npos) << error.Description();
    }
}

TEST(Engine, QueriesReceiveTheValuesQuoted) {
    Fixture fixture;
    fixture.folder.Write("Notes.rpt", R"(
[parameters]
IdNum
TransNum number
From
ShowAmount boolean
[query notes]
SELECT Transdate, Notes FROM STATION..tbNurseNotes
 WHERE IdNum = {IdNum} AND TransNum = {TransNum}
   AND Transdate >= {From:date} AND Shown = {ShowAmount}
[table notes]
column Date | 100 | {Transdate:mm/dd/yyyy}
column Note | * | {Notes}
)");
    fixture.server
        .On("SELECT Transdate, Notes FROM STATION..tbNurseNotes WHERE IdNum = 'O''Brien'' --' AND TransNum = 42 "
            "AND Transdate >= '20240301 00:00:00' AND Shown = 1")
        .Returns({"Transdate", "Notes"}, {{"03/02/2024 08:00:00 AM", "Patient's pain eased"}});
    auto report = fixture.Open("Notes.rpt", {"O'Brien' --", std::int32_t(42), "3/1/2024", true});
    const std::string text = fixture.engine.Display(*report, {}).PlainText();
    EXPECT_NE(text.find("03/02/2024\nPatient's pain eased\n"), std::string::npos) << text;
}

TEST(Engine, ValuesTheTemplateCannotTakeRaise) {
    Fixture fixture;
    fixture.folder.Write("Typed.rpt", "[parameters]\nTransNum number\nShow boolean\nFrom\n"
                                      "[query q]\nSELECT 1 WHERE d = {From:date}\n[table q]\ncolumn A | * | {A}\n");
    auto report = fixture.engine.OpenReport(fixture.folder.PathOf("Typed.rpt"));
    EXPECT_THROW(report->SetParameterValue(0, "twelve"), ReportError);
    EXPECT_THROW(report->SetParameterValue(1, "maybe"), ReportError);
    EXPECT_THROW(report->SetParameterValue(3, "x"), ReportError);
    report->SetParameterValue(0, "12");
    report->SetParameterValue(1, "False");
    report->SetParameterValue(2, "13/45/2024");
    EXPECT_THROW(fixture.engine.Display(*report, {}), ReportError);
    EXPECT_TRUE(fixture.server.Sent().empty());
}

TEST(Engine, KeepsTheLogOnOfEveryTableAndNeverShowsThePassword) {
    Fixture fixture;
    fixture.folder.Write("Two.rpt", "[query a]\nSELECT 1 A\n[query b]\nSELECT 2 B\n[table a]\ncolumn A | * | {A}\n");
    auto report = fixture.engine.OpenReport(fixture.folder.PathOf("Two.rpt"));
    const LogOnInfo logOn{"HOSPSRV", "STATION", "sa", "s3cret"};
    report->LogOnTables(logOn);
    const auto& tables = dynamic_cast<TemplateReport&>(*report).TableLogOns();
    ASSERT_EQ(tables.size(), 2u);
    EXPECT_EQ(tables[0], std::make_pair(std::string("a"), logOn));
    EXPECT_EQ(tables[1].first, "b");
    EXPECT_EQ(reports::Describe(logOn), "HOSPSRV/STATION as sa");
    fixture.server.On("SELECT 1 A").Fails("Login failed for user 'sa'.", 18456);
    try {
        fixture.engine.Display(*report, {});
        FAIL() << "no error";
    } catch (const vb::VbError& error) {
        EXPECT_EQ(error.Description().find("s3cret"), std::string::npos);
    }
}

TEST(Engine, HandsTheHospitalNameToTheReportButNotToItsSubreports) {
    Fixture fixture;
    fixture.folder.Write("Statement.rpt", R"(
[parameters]
IdNum
[header]
center 36 bold | {HospitalName}
[text]
Main for {IdNum}
[subreport HospitalBill]
[parameters]
IdNum
[query bill]
SELECT Item, Amount FROM BILLING..tbBillDailyBill WHERE IdNum = {IdNum}
[table bill]
heading = Hospital Bill
column Item | * | {Item}
column Amount | 80 right sum | {Amount:#,##0.00}
[subreport MedicalFee]
[parameters]
IdNum
[text]
Fees of {IdNum} {HospitalName}.
)");
    fixture.server.On("SELECT Item, Amount FROM BILLING..tbBillDailyBill WHERE IdNum = '1001'")
        .Returns({"Item", "Amount"}, {{"Room", 1500.5}, {"Drugs", 250.0}});
    auto report = fixture.Open("Statement.rpt", {"1001"});
    report->SetHospitalName("Tessun Zentari Hospital");
    reports::SetParameterValues(report->OpenSubreport("hospitalbill"), {"1001"});
    reports::SetParameterValues(report->OpenSubreport("MedicalFee"), {"1001"});
    EXPECT_THROW(report->OpenSubreport("Nursing"), ReportError);
    const std::string text = fixture.engine.Display(*report, {}).PlainText();
    EXPECT_EQ(text, "Tessun Zentari Hospital\n"
                    "Main for 1001\n"
                    "Hospital Bill\n"
                    "Item\nAmount\n"
                    "Room\n1,500.50\n"
                    "Drugs\n250.00\n"
                    "Total\n1,750.50\n"
                    "Fees of 1001 .\n"
                    "Page 1 of 1\n");
}

TEST(Engine, ATemplateCanTellHowManyValuesItWasGiven) {
    Fixture fixture;
    fixture.folder.Write("Echo.rpt", R"(
[parameters]
Name
Age
Doctor
[parameters 2]
Age
Name
[text]
{Name} ({Age}) {Doctor}
)");
    auto three = fixture.Open("Echo.rpt", {"Cruz", "40", "Dr. Reyes"});
    auto two = fixture.Open("Echo.rpt", {"40", "Cruz"});
    EXPECT_EQ(fixture.engine.Display(*three, {}).PlainText(), "Cruz (40) Dr. Reyes\nPage 1 of 1\n");
    EXPECT_EQ(fixture.engine.Display(*two, {}).PlainText(), "Cruz (40) \nPage 1 of 1\n");
}

TEST(Engine, PrintsEveryPageAtOnceOrRaisesWithoutAPrinter) {
    Fixture fixture;
    fixture.folder.Write("Three.rpt", kThreeFields);
    auto report = fixture.Open("Three.rpt", {"a"});
    try {
        fixture.engine.PrintOut(*report);
        FAIL() << "printed without a printer";
    } catch (const ReportError& error) {
        EXPECT_EQ(error.Number(), reports::rptErrNoPrinter);
    }
    PrinterSpy printer;
    fixture.engine.SetPrinter(&printer);
    fixture.engine.PrintOut(*report);
    ASSERT_EQ(printer.printed.size(), 1u);
    EXPECT_EQ(printer.printed[0].title, "Three Fields");
}

TEST(Engine, AnEmptyReportShowsOneBlankPage) {
    Fixture fixture;
    auto report = fixture.engine.EmptyReport();
    const Document document = fixture.engine.Display(*report, {"", false, true, 125});
    ASSERT_EQ(document.pages.size(), 1u);
    EXPECT_EQ(document.PlainText(), "Page 1 of 1\n");
}

TEST(Engine, AQueryWithAFieldInsideQuotesIsNeverWritten) {
    reports::Template layout;
    layout.parameters.push_back({"Name"});
    const reports::Query query{"patients", "SELECT * FROM p WHERE Name = '{Name}'"};
    reports::BoundReport bound;
    bound.layout = &layout;
    bound.values = {vb::Variant(" OR 1=1 OR Name = ")};
    EXPECT_THROW(reports::QueryStatement(query, bound), ReportError);
}
