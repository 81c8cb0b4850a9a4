#include "SampleWardApp.h"
#include "chart/frmFinal.h"
#include "core/frmReportViewer.h"
#include "platform/reports/TemplateReportEngine.h"
#include "testkit/RecordingReportEngine.h"
#include "testkit/UserActions.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using samplewardtest::SampleWardApp;
using testing::HasSubstr;
using testing::IsEmpty;

// A sample patient's chart as the patient list opens it, its header loaded, its clinical summary still to load.
struct SampleChart {
    SampleWardApp ward;
    ward::frmFinal& chart;

    SampleChart(const std::string& idNum, const std::string& hospNum) : chart(ward.app.Forms.Get<ward::frmFinal>()) {
        ward.host.SetAppPath(testkit::RecordingReportEngine::ShippedTemplates().parent_path().string());
        ward.app.ReportEngine = std::make_shared<reports::TemplateReportEngine>(*ward.server);
        ward.app.ReloadClinicalSummary = true;
        chart.txtPno.SetText(hospNum);
        chart.txtId.SetText(idNum);
        chart.Show();
        ward.host.FireTimer(chart.Timer1);
    }
};

struct SamplePatient {
    const char* idNum;
    const char* hospNum;
    int confinements;
};
const SamplePatient kPatients[] = {{sampleward::InPatientIdNum, sampleward::InPatientHospNum, 2},
                                   {sampleward::OutPatientIdNum, sampleward::OutPatientHospNum, 1}};

TEST(SampleProfileAndSummary, BothPagesLoadAndEveryConfinementComposes) {
    for (const SamplePatient& patient : kPatients) {
        SCOPED_TRACE(patient.idNum);
        SampleChart s(patient.idNum, patient.hospNum);
        testkit::ChooseTab(s.chart.tabSSTab1, 5);
        EXPECT_FALSE(s.chart.txtBriefHistory.Text().empty());
        testkit::ChooseTab(s.chart.tabSSTab1, 6);
        ASSERT_EQ(s.chart.mshflexClin.Rows(), patient.confinements + 1);
        for (int row = 1; row <= patient.confinements; ++row) {
            testkit::ClickCell(s.chart.mshflexClin, row, 1);
            testkit::Click(s.chart.cmdClinical);
            EXPECT_THAT(s.chart.rtbClinical.Text(),
                        HasSubstr("Admission Number : " + s.chart.mshflexClin.TextMatrix(row, 1)));
            EXPECT_THAT(s.chart.rtbClinical.Text(), HasSubstr("Final Diagnosis      :"));
        }
        EXPECT_EQ(s.ward.app.PatientSearch->Admission().IdNumber, patient.idNum);
        EXPECT_THAT(s.ward.server->Unanswered(), IsEmpty());
    }
}

TEST(SampleProfileAndSummary, TheInPatientsProfileShowsItsTicksAndTheDoctorsHistory) {
    SampleChart s(sampleward::InPatientIdNum, sampleward::InPatientHospNum);
    testkit::ChooseTab(s.chart.tabSSTab1, 5);
    EXPECT_EQ(s.chart.chkAllergy(2).Value(), forms::vbChecked);
    EXPECT_EQ(s.chart.chkAllergy(7).Value(), forms::vbChecked);
    EXPECT_EQ(s.chart.chkPH(11).Value(), forms::vbChecked);
    EXPECT_EQ(s.chart.chkPSH(1).Value(), forms::vbChecked);
    EXPECT_EQ(s.chart.txtBriefHistory.Text(), "EPIGASTRIC PAIN FOR 2 DAYS, SUDDEN WORSENING");
    EXPECT_EQ(s.chart.txtOtherPE.Text(), "GUARDING, REBOUND TENDERNESS");
    EXPECT_THAT(s.ward.server->Unanswered(), IsEmpty());
}

TEST(SampleProfileAndSummary, TheEarlierConfinementPrintsFromTheTemplate) {
    SampleChart s(sampleward::InPatientIdNum, sampleward::InPatientHospNum);
    testkit::ChooseTab(s.chart.tabSSTab1, 6);
    testkit::ClickCell(s.chart.mshflexClin, 2, 1);
    std::string printed;
    s.ward.host.OnModal<ward::frmReportViewer>([&printed](ward::frmReportViewer& viewer) {
        printed = viewer.CRViewer1.ReportSource<const reports::Document>()->PlainText();
        EXPECT_TRUE(testkit::CloseWindow(viewer));
    });
    testkit::Click(s.chart.cmdClinicalOption(1));
    EXPECT_THAT(printed, HasSubstr("Clinical Summary"));
    EXPECT_THAT(printed, HasSubstr(sampleward::EarlierInPatientIdNum));
    EXPECT_THAT(printed, HasSubstr("COMMUNITY-ACQUIRED PNEUMONIA"));
    EXPECT_THAT(printed, HasSubstr("SALBUTAMOL NEBULE"));
    EXPECT_THAT(printed, HasSubstr("Consolidation of the right lower lobe."));
    EXPECT_THAT(s.ward.server->Unanswered(), IsEmpty());
}

} // namespace
