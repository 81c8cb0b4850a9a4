#include "SampleWardApp.h"
#include "chart/frmFinal.h"
#include "sampleward/SampleWard.h"
#include "testkit/UserActions.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using testing::IsEmpty;

// Both admissions open on the Vital Signs and Nurses Notes tabs with their rows, a note picked shows its text, and a
// set of vital signs saves, with every statement answered.
TEST(SampleChartNursing, BothTabsLoadForEachAdmissionWithEveryStatementAnswered) {
    for (const sampleward::SampleAdmission& sample : sampleward::SampleAdmissions()) {
        const std::string idNum = sample.admission.IdNumber;
        if (idNum != sampleward::InPatientIdNum && idNum != sampleward::OutPatientIdNum)
            continue;
        SCOPED_TRACE(idNum);
        samplewardtest::SampleWardApp ward;
        ward.app.CurIdNum = idNum;
        ward.app.CurHospNum = sample.admission.HospitalNumber;
        ward.app.ReloadVitalSigns = true;
        ward::frmFinal& chart = ward.app.Forms.Get<ward::frmFinal>();
        chart.txtPno.SetText(sample.admission.HospitalNumber);
        chart.txtId.SetText(idNum);
        chart.Show();
        ward.host.FireTimer(chart.Timer1);

        testkit::ChooseTab(chart.tabSSTab1, 3);
        const int sets = static_cast<int>(sampleward::SampleVitalSigns(idNum).size());
        EXPECT_GE(sets, 2);
        EXPECT_EQ(chart.mshflexProcessed(3).Rows(), sets + 1);
        EXPECT_TRUE(chart.cmdPrintVitalSigns.Enabled());
        testkit::Type(chart.txtBloodPressure(0), "120");
        testkit::Type(chart.txtBloodPressure(1), "80");
        testkit::Type(chart.txtTemperature, "37.2");
        testkit::Click(chart.cmdSaveVitalSign);
        EXPECT_EQ(chart.txtTemperature.Text(), "");

        testkit::ChooseTab(chart.tabSSTab1, 4);
        EXPECT_GE(chart.mshflexPrevNotes.Rows(), 3);
        EXPECT_TRUE(chart.mshflexPrevNotes.Enabled());
        testkit::ChooseTab(chart.SSNotebookNotes, 1);
        testkit::ClickCell(chart.mshflexPrevNotes, 2, 1);
        EXPECT_FALSE(chart.txtPrevNotes.Text().empty());
        EXPECT_TRUE(chart.cmdNotesPrint.Enabled());
        EXPECT_THAT(ward.server->Unanswered(), IsEmpty());
    }
}

} // namespace
