#include "SampleWardApp.h"
#include "chart/frmFinal.h"
#include "core/frmReportViewer.h"
#include "platform/vb/Strings.h"
#include "requestcart/frmRemarks.h"
#include "shell/frmRequestingDoctor.h"
#include "shell/frmTransaction_UserValidation.h"
#include "testkit/RecordingReportEngine.h"
#include "testkit/UserActions.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using samplewardtest::SampleWardApp;
using testing::IsEmpty;

// The sample in-patient's chart as the patient list opens it, its header loaded.
struct SampleCart {
    SampleWardApp ward;
    ward::frmFinal& chart;

    SampleCart() : chart(ward.app.Forms.Get<ward::frmFinal>()) {
        // The printouts read the templates the program ships.
        ward.host.SetAppPath(testkit::RecordingReportEngine::ShippedTemplates().parent_path().string());
        chart.txtPno.SetText(sampleward::InPatientHospNum);
        chart.txtId.SetText(sampleward::InPatientIdNum);
        chart.Show();
        ward.host.FireTimer(chart.Timer1);
    }
    static int LineOf(const forms::ListBox& list, const std::string& code) {
        for (int i = 0; i < list.ListCount(); ++i)
            if (vb::Trim(vb::Right(list.List(i), 4)) == code)
                return i;
        return -1;
    }
    // Ticks the exam's line and answers the remarks dialog, picking the first specimen when a list is offered.
    void Pick(forms::ListBox& list, const std::string& code) {
        ward.host.OnModal<ward::frmRemarks>([](ward::frmRemarks& remarks) {
            if (remarks.Picture1.Visible())
                testkit::ClickCell(remarks.mshflexSpecimen, 1, 2);
            testkit::Click(remarks.Command1);
        });
        const int line = LineOf(list, code);
        ASSERT_GE(line, 0) << code;
        testkit::ClickListLine(list, line);
    }
};

// The blood count (STAT only, one specimen), the electrolytes profile (a choice of specimens), and an x-ray and an
// ultrasound exam: each opens the remarks dialog with the sample rows and lands priced in the cart.
TEST(SampleRequestCart, EachQuickListOrdersIntoTheCart) {
    SampleCart s;
    s.Pick(s.chart.lstListLaboratory, "101");
    s.Pick(s.chart.lstListLaboratory, "335");
    s.Pick(s.chart.lstListXray, "12");
    s.Pick(s.chart.lstListUltra, "210");
    forms::MSHFlexGrid& cart = s.chart.mshflexOrders;
    ASSERT_EQ(cart.Rows(), 5);
    const std::vector<std::vector<std::string>> expected = {
        {"LB", "101", "Y", "WB"}, {"LB", "335", "", "SER"}, {"XR", "12", "", ""}, {"US", "210", "", ""}};
    for (int row = 1; row <= 4; ++row) {
        const std::vector<std::string>& want = expected[row - 1];
        EXPECT_EQ(cart.TextMatrix(row, 1), want[0]);
        EXPECT_EQ(cart.TextMatrix(row, 2), want[1]);
        if (!want[2].empty()) {
            EXPECT_EQ(cart.TextMatrix(row, 7), want[2]);
        }
        if (!want[3].empty()) {
            EXPECT_EQ(cart.TextMatrix(row, 12), want[3]);
        }
        EXPECT_FALSE(cart.TextMatrix(row, 5).empty()) << row;
    }
    EXPECT_EQ(s.chart.mshflexProfileList.TextMatrix(2, 1), "331");
    EXPECT_THAT(s.ward.server->Unanswered(), IsEmpty());
}

TEST(SampleRequestCart, TheCartIsSentAndEmptied) {
    SampleCart s;
    s.Pick(s.chart.lstListLaboratory, "101");
    s.Pick(s.chart.lstListXray, "12");
    s.ward.host.OnModal<ward::frmTransaction_UserValidation>([&](ward::frmTransaction_UserValidation& v) {
        s.ward.app.ValidatedUserID = sampleward::SampleNurseID;
        v.Unload();
    });
    s.ward.app.AttendingDoctor1Code = "";
    s.ward.host.OnModal<ward::frmRequestingDoctor>([&](ward::frmRequestingDoctor& d) {
        s.ward.app.RequestingDoctorCode = "0";
        s.ward.app.RequestingDoctorName = "DR. SAMPLE";
        d.Hide();
    });
    s.ward.host.OnModal<ward::frmReportViewer>([](ward::frmReportViewer& viewer) { testkit::CloseWindow(viewer); });
    testkit::Click(s.chart.cmdSave);
    EXPECT_TRUE(s.chart.mshflexOrders.TextMatrix(1, 1).empty());
    EXPECT_THAT(s.ward.server->Unanswered(), IsEmpty());
}

// The in-patient's lists as the header load fills them: a processed and resulted x-ray, a pending blood count, an
// assessment. The blood count is cancelled by the signed-in nurse; both printouts of the pending requests open.
TEST(SampleRequestCart, TheRequestListsAreFilledAndThePendingRequestCancelled) {
    SampleCart s;
    ward::frmFinal& chart = s.chart;
    chart.tabSSTab1.SetTab(1);
    EXPECT_EQ(chart.mshflexProcessed(0).TextMatrix(1, 1), "CHEST PA");
    EXPECT_EQ(chart.mshflexProcessed(1).TextMatrix(1, 1), "COMPLETE BLOOD COUNT");
    EXPECT_EQ(chart.mshflexProcessed(2).TextMatrix(1, 1), "CHEST PA");
    EXPECT_FALSE(chart.txtMessage.Visible());

    s.ward.host.ExpectMsgBox("Are you sure you want to Cancel this request?").Answer(forms::vbYes);
    s.ward.host.OnModal<ward::frmTransaction_UserValidation>([&](ward::frmTransaction_UserValidation& v) {
        s.ward.app.ValidatedUserID = sampleward::SampleNurseID;
        v.Unload();
    });
    testkit::DoubleClickCell(chart.mshflexProcessed(1), 1, 1);
    for (int item = 0; item < 2; ++item) {
        s.ward.host.OnModal<ward::frmReportViewer>([](ward::frmReportViewer& viewer) { testkit::CloseWindow(viewer); });
        testkit::Click(chart.imgPendingRequest(item));
    }
    EXPECT_THAT(s.ward.server->Unanswered(), IsEmpty());
}

} // namespace
