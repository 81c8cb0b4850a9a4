#include "SampleDesktop.h"
#include "gui/main/BuiltTemplates.h"
#include "gui/main/PdfText.h"
#include "platform/reports/TemplateReportEngine.h"
#include "requestentry/frmPrintRequestForm.h"
#include "requestentry/frmReprintLabForm.h"
#include "testkit/UserActions.h"

#include <gtest/gtest.h>

namespace {

using requestentryshots::SampleDesktop;

TEST(LabFormReprintScreenshots, ThePrintWindowWithItsMessagesAndButtons) {
    SampleDesktop desktop;
    ward::frmPrintRequestForm& window = desktop.app.Forms.Get<ward::frmPrintRequestForm>();
    window.Show();
    desktop.Save(window, "frmPrintRequestForm");
    window.Unload();
}

TEST(LabFormReprintScreenshots, TheListOfPostedExamsWithARowChosen) {
    SampleDesktop desktop;
    ward::frmReprintLabForm& window = desktop.app.Forms.Get<ward::frmReprintLabForm>();
    window.Show();
    ASSERT_EQ(window.mshflexLabList.Rows(), 4);
    testkit::ClickCell(window.mshflexLabList, 3, 2);
    desktop.Save(window, "frmReprintLabForm");
    window.Unload();
}

TEST(LabFormReprintPdf, TheReprintedFormReadsBackWithThePatientTheSlipAndTheUsersPrintRows) {
    std::unique_ptr<sampleward::SampleServer> ward = sampleward::OpenSampleWard();
    guitest::BuiltTemplates engine(*ward);
    auto report = engine.OpenReport("LabRequestForm_Reprint.RPT");
    report->SetHospitalName("TESSUN SAMPLE HOSPITAL");
    reports::SetParameterValues(*report, {"1 SAMPLE AVENUE, ZENTARI CITY", "(02) 555-0100", "300101",
                                          sampleward::InPatientIdNum, "VILLANUEVA ,ROBERTO SALAZAR", "54", "M",
                                          "SIC-02", "PRIVATE", "CS-20431", "", "STAT", "Non_Transplant", "None",
                                          "CRUZ, JOSE", "In-Patient", sampleward::SampleNurseID, "CM"});
    const std::string text = guitest::PdfText(engine.LayOutReport(*report));
    for (const char* expected :
         {"RE-PRINT LABORATORY REQUEST FORM", "STAT", "VILLANUEVA ,ROBERTO SALAZAR", "CS-20431", "Charge slip #",
          "Attending doctor", "Section HEM", "LB-0000452", "101 COMPLETE BLOOD COUNT"})
        EXPECT_NE(text.find(expected), std::string::npos) << expected << " in\n" << text;
    EXPECT_TRUE(ward->Unanswered().empty());
}

} // namespace
