#include "SampleWardApp.h"
#include "chart/frmFinal.h"
#include "chart/frmScheduleRequestStatus.h"
#include "testkit/UserActions.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using samplewardtest::SampleWardApp;
using testing::IsEmpty;

// The sample in-patient's chart opened on the Schedule Operation page.
struct SampleSchedule {
    SampleWardApp ward;
    ward::frmFinal& chart;

    SampleSchedule() : chart(ward.app.Forms.Get<ward::frmFinal>()) {
        ward.app.ReloadORSchedule = true;
        chart.txtPno.SetText(sampleward::InPatientHospNum);
        chart.txtId.SetText(sampleward::InPatientIdNum);
        chart.Show();
        ward.host.FireTimer(chart.Timer1);
        testkit::ChooseTab(chart.tabSSTab1, 7);
    }
};

TEST(SampleORSchedule, ThePageShowsTheDaysBookingsAndARequestIsSent) {
    SampleSchedule s;
    EXPECT_EQ(s.chart.tabSSTab1.Tab(), 7);
    EXPECT_GE(s.chart.Schedule1.Columns().size(), 3u);
    EXPECT_EQ(s.chart.Schedule1.Increment(), 30);
    s.chart.txtOperation(0).SetText("0420");
    s.chart.txtOperation(1).SetText("APPENDECTOMY");
    ASSERT_TRUE(testkit::PickDate(s.chart.dtpSchedule(0), vb::Date{s.ward.app.ServerDate.serial + 1}));
    s.chart.cboStartTime.SetText("8:00:00 AM");
    s.ward.host.ExpectMsgBox("Schedule Data Successfully Saved.");
    testkit::Click(s.chart.cmdSaveSchedule(0));
    EXPECT_EQ(s.chart.txtOperation(0).Text(), "");
    EXPECT_THAT(s.ward.server->Unanswered(), IsEmpty());
}

TEST(SampleORSchedule, TheListOfRequestsOpensAndAnOpenRequestIsRevoked) {
    SampleSchedule s;
    s.ward.host.OnModal<ward::frmScheduleRequestStatus>([&](ward::frmScheduleRequestStatus& list) {
        EXPECT_EQ(list.mshflexPending.Rows(), 4);
        testkit::ClickCell(list.mshflexPending, 3, 1);
        s.ward.host.ExpectMsgBox("Are you sure you to revoke  this request?").Answer(forms::vbYes);
        s.ward.host.ExpectMsgBox("Data Successfully Revoked.");
        testkit::Click(list.cmdPending(1));
        testkit::Click(list.cmdPending(2));
    });
    testkit::Click(s.chart.cmdSaveSchedule(3));
    EXPECT_THAT(s.ward.host.ModalShows(), testing::ElementsAre("frmScheduleRequestStatus"));
    EXPECT_THAT(s.ward.server->Unanswered(), IsEmpty());
}

} // namespace
