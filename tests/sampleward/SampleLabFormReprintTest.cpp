#include "SampleWardApp.h"
#include "chart/frmFinal.h"
#include "requestentry/frmPrintRequestForm.h"
#include "requestentry/frmReprintLabForm.h"
#include "testkit/UserActions.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using samplewardtest::SampleWardApp;
using testing::IsEmpty;

// The in-patient's chart with its header boxes, as the print windows read them.
ward::frmFinal& InPatientChart(SampleWardApp& ward) {
    ward::frmFinal& chart = ward.app.Forms.Get<ward::frmFinal>();
    chart.txtPno.SetText(sampleward::InPatientHospNum);
    chart.txtId.SetText(sampleward::InPatientIdNum);
    return chart;
}

// Both windows stage the posted exams of a slip as the user's print rows, and the print reads them back.
TEST(SampleLabFormReprint, BothWindowsReprintThePostedExamsWithNoStatementUnanswered) {
    SampleWardApp ward;
    auto recorder = std::make_unique<testkit::RecordingReportEngine>();
    testkit::RecordingReportEngine& printed = *recorder;
    ward.app.ReportEngine = std::move(recorder);
    InPatientChart(ward);

    ward::frmReprintLabForm& list = ward.app.Forms.Get<ward::frmReprintLabForm>();
    list.Show();
    ASSERT_EQ(list.mshflexLabList.Rows(), 4);
    EXPECT_EQ(list.mshflexLabList.TextMatrix(3, 3), "CS-20478");
    testkit::ClickCell(list.mshflexLabList, 1, 2);
    testkit::Click(list.cmdOption(0));
    testkit::Click(list.cmdOption(1));

    ward.app.LabReferenceNum = "CS-20478";
    ward::frmPrintRequestForm& print = ward.app.Forms.Get<ward::frmPrintRequestForm>();
    print.Show();
    testkit::Click(print.cmdOption(1));

    EXPECT_EQ(printed.PrintedCount(), 2);
    EXPECT_THAT(ward.server->Unanswered(), IsEmpty());
}

} // namespace
