#include "SampleWardApp.h"
#include "assessments/frmCashAssessment.h"
#include "charges/frmCharge.h"
#include "chart/frmFinal.h"
#include "discharge/frmDischargeMenu.h"
#include "discharge/frmDoctors.h"
#include "discharge/frmHBPS.h"
#include "discharge/frmPostDiet.h"
#include "pharmacy/frmAdministeredMeds.h"
#include "pharmacy/frmCSREntry.h"
#include "pharmacy/frmHtWt.h"
#include "pharmacy/frmPHEntry.h"
#include "pharmacy/frmPharmacyRequest.h"
#include "testkit/UserActions.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using samplewardtest::SampleWardApp;
using testing::IsEmpty;

// The sample nurse with the chart of one sample admission open, its header not loaded yet.
struct SampleChart {
    SampleWardApp ward;
    ward::frmFinal& chart;

    explicit SampleChart(const std::string& idNum) : chart(ward.app.Forms.Get<ward::frmFinal>()) {
        for (const sampleward::SampleAdmission& sample : sampleward::SampleAdmissions())
            if (sample.admission.IdNumber == idNum)
                chart.txtPno.SetText(sample.admission.HospitalNumber);
        chart.txtId.SetText(idNum);
        chart.Show();
    }
    template <class Window> void CloseWhenShown() {
        ward.host.OnModal<Window>([](Window& window) { EXPECT_TRUE(testkit::CloseWindow(window)); });
    }
};

TEST(SampleChartGates, TheInPatientReachesEveryWindowBehindTheGates) {
    SampleChart s(sampleward::InPatientIdNum);
    s.CloseWhenShown<ward::frmPharmacyRequest>();
    testkit::Click(s.chart.cmdNextPatient(1));
    s.CloseWhenShown<ward::frmPharmacyRequest>();
    testkit::Click(s.chart.cmdNextPatient(2));
    s.CloseWhenShown<ward::frmPostDiet>();
    testkit::Click(s.chart.cmdNextPatient(3));
    s.CloseWhenShown<ward::frmHtWt>();
    testkit::Click(s.chart.cmdNextPatient(0));
    // The in-patient's blood count is still pending: no discharge order yet.
    s.ward.host.ExpectMsgBox("You can`t send discharge order at this time.There are still pending requests.");
    testkit::Click(s.chart.cmdNextPatient(6));
    s.CloseWhenShown<ward::frmDischargeMenu>();
    testkit::Click(s.chart.cmdNextPatient(4));
    s.CloseWhenShown<ward::frmAdministeredMeds>();
    testkit::Click(s.chart.cmdNextPatient(9));
    testkit::Click(s.chart.cmdNextPatient(5));
    testkit::Click(s.chart.cmdNextPatient(11));
    s.CloseWhenShown<ward::frmPHEntry>();
    testkit::PressKey(s.chart, forms::vbKeyF6);
    s.CloseWhenShown<ward::frmCSREntry>();
    testkit::PressKey(s.chart, forms::vbKeyF7);
    // The doctors window reloads the header, which switches buttons by the admission's flags.
    s.CloseWhenShown<ward::frmDoctors>();
    testkit::Click(s.chart.cmdNextPatient(10));
    EXPECT_EQ(s.ward.host.ModalShows(),
              (std::vector<std::string>{"frmPharmacyRequest", "frmPharmacyRequest", "frmPostDiet", "frmHtWt",
                                        "frmDischargeMenu", "frmAdministeredMeds", "frmPHEntry", "frmCSREntry",
                                        "frmDoctors"}));
    EXPECT_EQ(s.chart.txtAdiet.Text(), "SOFT DIET");
    EXPECT_EQ(s.ward.host.ModelessShows(),
              (std::vector<std::string>{"frmFinal", "frmCharge", "frmAssessmentClinical"}));
    EXPECT_EQ(s.ward.app.Forms.Get<ward::frmCharge>().lvwDepartments.ListItemCount(), 5);
    EXPECT_THAT(s.ward.server->Unanswered(), IsEmpty());
}

TEST(SampleChartGates, ThePatientClearedByPharmacyIsRefusedItsMedicines) {
    SampleChart s(sampleward::PharmacyClearedIdNum);
    s.ward.host.ExpectMsgBox("Patient is already cleared by (Pharmacy Department). If you have requests to make, "
                             "notify the Billing staff immediately for further instructions.");
    testkit::Click(s.chart.cmdNextPatient(1));
    EXPECT_THAT(s.ward.host.ModalShows(), IsEmpty());
    EXPECT_THAT(s.ward.server->Unanswered(), IsEmpty());
}

TEST(SampleChartGates, SuppliesUnderCashBasisOfferTheStatBypassAndACashAssessment) {
    SampleChart s(sampleward::SuppliesCashBasisIdNum);
    s.ward.host.ExpectMsgBox("The patient's account has been placed under cash basis for ( Central Supply Charges ) "
                             "by the Billing Officer. Please advise the patient/watcher to see the Billing staff "
                             "immediately for further instructions.");
    s.ward.host
        .ExpectMsgBox("Note: You can by pass the cash basis condition if the request is really a 'STAT'.\n\rProvided "
                      "that you will enter the reason for the STAT request and a Supervisor Log-in.\n\r\n\rDo you "
                      "want to proceed?")
        .Answer(forms::vbNo);
    testkit::PressKey(s.chart, forms::vbKeyF7);
    testkit::Click(s.chart.cmdNextPatient(7));
    EXPECT_EQ(s.ward.host.ModelessShows(), (std::vector<std::string>{"frmFinal", "frmCashAssessment"}));
    EXPECT_EQ(s.ward.app.Forms.Get<ward::frmCashAssessment>().txtId.Text(), sampleward::SuppliesCashBasisIdNum);
    EXPECT_THAT(s.ward.server->Unanswered(), IsEmpty());
}

} // namespace
