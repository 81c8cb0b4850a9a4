#include "SampleWardApp.h"
#include "chart/frmFinal.h"
#include "program/AllWindows.h"
#include "shell/clsSearcher.h"
#include "shell/frmInfo.h"
#include "shell/frmSearcher.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using samplewardtest::SampleWardApp;
using testing::IsEmpty;

TEST(SampleWard, TheSettingsShowCF4AndTheStatementsBeforeAnyWindowAreAnswered) {
    SampleWardApp ward;
    EXPECT_TRUE(ward.app.Parameters().ShowCF4());
    EXPECT_EQ(ward.app.HospitalName, "TESSUN SAMPLE HOSPITAL");
    EXPECT_THAT(ward.server->Unanswered(), IsEmpty());
}

TEST(SampleWard, EveryWindowLoadsWithoutAStatementLeftUnanswered) {
    for (const auto& entry : ward::AllWindows().Entries()) {
        SCOPED_TRACE(entry.Name);
        SampleWardApp ward;
        // The chart's admission, as the patient list writes it, for the windows that edit it.
        ward.app.Forms.Instance<ward::frmFinal>().txtId.SetText(sampleward::InPatientIdNum);
        entry.Load(ward.app);
        EXPECT_THAT(ward.server->Unanswered(), IsEmpty());
    }
}

// Every sample admission's chart loads its header: the in-patient is a PhilHealth member with a diet, the
// out-patient's master says no member, and the listed in-patients have no membership row.
TEST(SampleWard, TheChartOpensOnEachSamplePatientWithItsListsFilled) {
    for (const sampleward::SampleAdmission& sample : sampleward::SampleAdmissions()) {
        const std::string idNum = sample.admission.IdNumber;
        const std::string hospNum = sample.admission.HospitalNumber;
        SCOPED_TRACE(idNum);
        SampleWardApp ward;
        ward.app.CurIdNum = idNum;
        ward.app.CurHospNum = hospNum;
        ward::frmFinal& chart = ward.app.Forms.Get<ward::frmFinal>();
        ASSERT_TRUE(chart.IsLoaded());
        chart.txtPno.SetText(hospNum);
        chart.txtId.SetText(idNum);
        chart.Show();
        ward.host.FireTimer(chart.Timer1);
        for (forms::ListBox* list :
             {&chart.lstListLaboratory, &chart.lstListXray, &chart.lstListUltra, &chart.lstListOthers})
            EXPECT_GT(list->ListCount(), 0) << list->Name();
        EXPECT_EQ(chart.mshflexReports.Rows(), 11);
        const components::PatientData& patient = sample.patient;
        EXPECT_EQ(chart.txtPatient.Text(), patient.Lastname + " ," + patient.FirstName + " " + patient.MiddleName);
        const bool inPatient = idNum == sampleward::InPatientIdNum;
        EXPECT_EQ(chart.txtAdiet.Text(), inPatient ? "SOFT DIET" : "");
        EXPECT_EQ(chart.lblPhilhealth(1).Caption(), inPatient ? " MEMBER-EMPLOYED" : " NON-PHIC");
        for (forms::TextBox* box :
             {&chart.txtSex, &chart.txtDob, &chart.txtAge, &chart.txtDateAdmitted, &chart.txtDoctor2})
            EXPECT_FALSE(box->Text().empty()) << box->Name();
        EXPECT_THAT(ward.server->Unanswered(), IsEmpty());
    }
}

TEST(SampleWard, TheHospitalSearchFindsOneHospitalAtOnceAndListsSeveral) {
    SampleWardApp ward;
    ward::clsSearcher searcher(ward.app);
    EXPECT_TRUE(searcher.SearchHospital("makati"));
    EXPECT_EQ(searcher.Description(), "MAKATI MEDICAL CENTER");
    ward.host.OnModal<ward::frmSearcher>([](ward::frmSearcher& dialog) {
        EXPECT_EQ(dialog.grdDispWindow.Rows(), 3);
        EXPECT_EQ(dialog.grdDispWindow.TextMatrix(1, 1), "SAN JUAN DE DIOS HOSPITAL");
        dialog.cmdSelect.UserClick();
    });
    EXPECT_TRUE(searcher.SearchHospital("SAN"));
    EXPECT_EQ(searcher.Code(), "H0003");
    EXPECT_THAT(ward.server->Unanswered(), IsEmpty());
}

TEST(SampleWard, ThePersonalInformationShowsTheChosenInPatient) {
    SampleWardApp ward;
    auto& info = ward.app.Forms.Get<ward::frmInfo>();
    EXPECT_EQ(info.lblInfo(1).Caption(), sampleward::InPatientIdNum);
    EXPECT_FALSE(info.lblPatient.Caption().empty());
    EXPECT_FALSE(info.lblInfo(3).Caption().empty());
}

} // namespace
