#include "SampleWardApp.h"
#include "shell/frmSearch.h"
#include "shell/mdiOrMenu.h"
#include "testkit/UserActions.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using samplewardtest::SampleWardApp;
using testing::IsEmpty;

constexpr forms::Color Blue = 0xFF0000;
constexpr forms::Color Red = 0xFF;

// The row of an admission number in the list, or 0.
int RowOf(const forms::MSHFlexGrid& grid, const std::string& idNum) {
    for (int row = 1; row < grid.Rows(); ++row)
        if (grid.TextMatrix(row, 2) == idNum)
            return row;
    return 0;
}

TEST(SamplePatientList, ListsTheStationsAdmissionsInEveryColourAndAllPatientsWithOtherStations) {
    SampleWardApp ward;
    ward::frmSearch& list = ward.app.Forms.Get<ward::frmSearch>();
    list.Show();
    forms::MSHFlexGrid& grid = list.mshflexList;
    EXPECT_EQ(grid.Rows() - 1, 12);
    EXPECT_EQ(RowOf(grid, "2026000201"), 0) << "another station's patient";
    EXPECT_EQ(grid.FormatOf(RowOf(grid, "2026000103"), 3).ForeColor, Blue);
    EXPECT_EQ(grid.FormatOf(RowOf(grid, "2026000104"), 3).ForeColor, Blue) << "billed though flagged";
    EXPECT_EQ(grid.FormatOf(RowOf(grid, "2026000105"), 3).ForeColor, Red);
    EXPECT_EQ(grid.FormatOf(RowOf(grid, sampleward::InPatientIdNum), 3).ForeColor, forms::vbWindowText);
    testkit::ClickCell(grid, RowOf(grid, "2026000105"), 3);
    EXPECT_EQ(list.lblLegend(1).Caption(), "CASH BASIS: LABORATORY AND PHARMACY");
    EXPECT_EQ(ward.app.CurGuarantor, "ZENTARI HEALTH PLAN");

    testkit::Click(list.optSearchType(1));
    EXPECT_EQ(grid.Rows() - 1, 14);
    testkit::Type(list.txtSearch(0), "rey");
    testkit::PressKey(list.txtSearch(0), forms::vbKeyReturn);
    EXPECT_EQ(grid.Rows() - 1, 1);
    EXPECT_EQ(grid.TextMatrix(1, 2), "2026000105");
    EXPECT_THAT(ward.server->Unanswered(), IsEmpty());
}

TEST(SamplePatientList, ChoosingEachSamplePatientFindsItsAdmission) {
    SampleWardApp ward;
    ward::frmSearch& list = ward.app.Forms.Get<ward::frmSearch>();
    list.Show();
    ward::mdiOrMenu& main = ward.app.Forms.Instance<ward::mdiOrMenu>();
    forms::MSHFlexGrid& grid = list.mshflexList;
    for (int row = 1; row < grid.Rows(); ++row) {
        SCOPED_TRACE(grid.TextMatrix(row, 2));
        testkit::ClickCell(grid, row, 1);
        EXPECT_EQ(ward.app.CurIdNum, grid.TextMatrix(row, 2));
        EXPECT_TRUE(main.mnuInquiry.Enabled()) << "the admission was found";
        EXPECT_FALSE(ward.app.CurPatientName.empty());
        EXPECT_EQ(main.mnuMaintained.Enabled(), grid.TextMatrix(row, 2) == "2026000103");
    }
    EXPECT_THAT(ward.server->Unanswered(), IsEmpty());
}

TEST(SamplePatientList, TheWaitingRoomTransferIsAskedAgainEachTime) {
    SampleWardApp ward;
    ward::frmSearch& list = ward.app.Forms.Get<ward::frmSearch>();
    list.Show();
    const int row = RowOf(list.mshflexList, "2026000105");
    for (int time = 0; time < 2; ++time) {
        ward.host
            .ExpectMsgBox("Record(s) indicate that this Patient was transfered from Room:SIC-04 To:SIC-06\n\rPlease "
                          "confirm first the transfer before doing any transactions.\n\rDo you want to confirm the "
                          "Room Transfer?")
            .Answer(forms::vbNo);
        ward.host.ExpectMsgBox("Do you want to revoke/cancel the Room Transfer request?").Answer(forms::vbNo);
        testkit::DoubleClickCell(list.mshflexList, row, 1);
    }
    EXPECT_THAT(ward.server->Unanswered(), IsEmpty());
}

} // namespace
