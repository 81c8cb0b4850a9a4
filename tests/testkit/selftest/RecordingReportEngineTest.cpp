#include "testkit/RecordingReportEngine.h"
#include "platform/reports/ReportError.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

using testkit::RecordedReport;
using testkit::RecordingReportEngine;

TEST(RecordingReportEngine, RecordsTheCallsOfAViewedReport) {
    RecordingReportEngine engine;
    auto report = engine.OpenReport("/opt/ward\\Reports\\List_of_RequestOrders.Rpt");
    report->SetHospitalName("Tessun Zentari Hospital");
    report->LogOnTables({"HOSPSRV", "STATION", "sa", "pw"});
    reports::SetParameterValues(*report, {"2024-000123", true});
    reports::SetParameterValues(report->OpenSubreport("HospitalBill"), {"2024-000123"});
    engine.Display(*report, {"Request Status", true, false, 125});

    const RecordedReport& recorded = engine.Last();
    EXPECT_EQ(recorded.path, "/opt/ward\\Reports\\List_of_RequestOrders.Rpt");
    EXPECT_EQ(recorded.hospitalName, "Tessun Zentari Hospital");
    EXPECT_EQ(recorded.logOn, (reports::LogOnInfo{"HOSPSRV", "STATION", "sa", "pw"}));
    EXPECT_EQ(recorded.values, (std::vector<vb::Variant>{"2024-000123", true}));
    ASSERT_EQ(recorded.subreports.size(), 1u);
    EXPECT_EQ(recorded.subreports[0].name, "HospitalBill");
    EXPECT_EQ(recorded.subreports[0].values, std::vector<vb::Variant>{"2024-000123"});
    EXPECT_EQ(recorded.output, RecordedReport::Output::Viewed);
    EXPECT_EQ(recorded.viewer, (reports::ViewerSettings{"Request Status", true, false, 125}));
    EXPECT_EQ(engine.ViewedCount(), 1);
    EXPECT_EQ(engine.PrintedCount(), 0);
}

TEST(RecordingReportEngine, RecordsADirectPrintAndCanHaveNoPrinter) {
    RecordingReportEngine engine;
    auto report = engine.OpenReport("LabRequestForm.RPT");
    engine.PrintOut(*report);
    EXPECT_EQ(engine.Last().output, RecordedReport::Output::Printed);
    engine.SetNoPrinter();
    EXPECT_THROW(engine.PrintOut(*report), reports::ReportError);
    EXPECT_EQ(engine.PrintedCount(), 1);
}

TEST(RecordingReportEngine, WithTheShippedTemplatesItChecksTheFileAndTakesOnlyItsFields) {
    RecordingReportEngine engine(RecordingReportEngine::ShippedTemplates());
    auto report = engine.OpenReport("C:\\Ward\\Reports\\NursesNotes_PrintAll.RPT");
    reports::SetParameterValues(*report, {"2024-000123", "Maria Santos", "extra"});
    EXPECT_EQ(engine.Last().values, (std::vector<vb::Variant>{"2024-000123", "Maria Santos"}));
    EXPECT_THROW(engine.OpenReport("C:\\Ward\\Reports\\NoSuchReport.rpt"), reports::ReportError);
    EXPECT_THROW(report->OpenSubreport("HospitalBill"), reports::ReportError);
}

TEST(RecordingReportEngine, CanFailTheNextOpenAndRecordsEmptyReports) {
    RecordingReportEngine engine;
    engine.FailNextOpen("Load report failed.");
    EXPECT_THROW(engine.OpenReport("x.rpt"), reports::ReportError);
    EXPECT_NO_THROW(engine.OpenReport("x.rpt"));
    auto empty = engine.EmptyReport();
    engine.Display(*empty, {});
    EXPECT_TRUE(engine.Last().empty);
    EXPECT_EQ(engine.Last().output, RecordedReport::Output::Viewed);
}

TEST(RecordingReportEngine, LastWithNoReportFailsTheTest) {
    EXPECT_NONFATAL_FAILURE(
        {
            RecordingReportEngine engine;
            engine.Last();
        },
        "no report was opened");
}
