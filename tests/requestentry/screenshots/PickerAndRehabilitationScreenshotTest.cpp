#include "SampleDesktop.h"
#include "chart/frmFinal.h"
#include "requestentry/frmCTfile.h"
#include "requestentry/frmPTRequestEntry.h"
#include "testkit/UserActions.h"

#include <gtest/gtest.h>

namespace {

using requestentryshots::SampleDesktop;

TEST(PickerScreenshots, TheCTPickerWithItsExamsInTheirColumns) {
    SampleDesktop desktop;
    ward::frmCTfile& picker = desktop.app.Forms.Get<ward::frmCTfile>();
    picker.Show();
    picker.lstListCT.SetSelected(0, false);
    desktop.Save(picker, "frmCTfile");
    picker.Hide();
}

TEST(RehabilitationScreenshots, TheEntryWithRequestsOfEachStatusInTheirColours) {
    SampleDesktop desktop;
    ward::frmFinal& chart = desktop.app.Forms.Instance<ward::frmFinal>();
    ward::frmPTRequestEntry& entry = desktop.app.Forms.Instance<ward::frmPTRequestEntry>();
    entry.PName = "DELA CRUZ, JUAN SANTOS";
    entry.AdmMD = "REYES, ANA";
    entry.AtnMD = "CRUZ, JOSE";
    entry.ID = chart.txtId.Text();
    entry.Hosp = chart.txtPno.Text();
    entry.Room = "SIC-04";
    entry.AdmDate = "12/05/2026";
    entry.Bdate = "03/14/1958";
    entry.Age = "68";
    entry.Sex = "M";
    entry.Show();
    ASSERT_EQ(entry.mshflexList.Rows(), 4);
    entry.txtRequestingDoctor(1).SetText("0");
    entry.txtRequestingDoctor(0).SetText("DR. SANTOS");
    entry.txtRemarks.SetText("CHEST PHYSIOTHERAPY TWICE A DAY");
    desktop.Save(entry, "frmPTRequestEntry");
    entry.Unload();
}

} // namespace
