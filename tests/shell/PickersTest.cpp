#include "shell/frmCMRemarks.h"
#include "shell/frmUser.h"
#include "testkit/TestApp.h"
#include "testkit/UserActions.h"

#include <gtest/gtest.h>

using namespace testkit;
using ward::frmCMRemarks;
using ward::frmUser;

namespace {

const std::string CMRemarks = "STATION..sp_Nurse_Get_CMRemarks 11";
const std::vector<std::string> UserColumns = {"EmployeeID", "EmployeeName", "Position"};

std::string UserSearch(const std::string& text) { return "STATION..spNurse_SearchNurseUsers 'SIC','" + text + "'"; }

template <class Picker> void Show(TestApp& test, std::function<void(Picker&)> work) {
    test.host.OnModal<Picker>(std::move(work));
    test.app.Forms.Instance<Picker>().ShowModal();
    EXPECT_FALSE(test.app.Forms.IsLoaded<Picker>());
}

TEST(frmUser, PicksAnEmployeeByDoubleClickAndCloseLeavesNothingPicked) {
    TestApp test;
    test.server.On(UserSearch("rey"))
        .Returns(UserColumns, {{"N0002", "REYES, ANA", "NURSE"}, {"N0007", "REYNA, LIZA", "AIDE"}});
    Show<frmUser>(test, [](frmUser& picker) {
        Type(picker.txtEmployeeID, "rey");
        PressKey(picker.txtEmployeeID, forms::vbKeyReturn);
        EXPECT_TRUE(picker.fmeUsers.Visible());
        EXPECT_TRUE(picker.grdUsers.HasFocus());
        DoubleClickCell(picker.grdUsers, 2, 1);
    });
    EXPECT_EQ(test.app.PickedEmployeeCode, "N0007");
    EXPECT_EQ(test.app.PickedEmployeeName, "REYNA, LIZA");

    Show<frmUser>(test, [](frmUser& picker) {
        EXPECT_EQ(picker.txtEmployeeID.Text(), "");
        EXPECT_EQ(picker.txtEmployee.Text(), "");
        Click(picker.cmdClose);
    });
    EXPECT_EQ(test.app.PickedEmployeeCode, "");
    EXPECT_EQ(test.app.PickedEmployeeName, "");
    EXPECT_TRUE(test.server.SentExactly({UserSearch("rey")}));
}

TEST(frmUser, ASearchWithoutResultLeavesAnEmptyDisabledGridAndTheFrameAsItWas) {
    TestApp test;
    test.server.On(UserSearch("O''BRIEN ")).Returns(UserColumns, {});
    Show<frmUser>(test, [](frmUser& picker) {
        picker.txtEmployeeID.SetText("O'BRIEN ");
        Click(picker.cmdSearch);
        EXPECT_FALSE(picker.grdUsers.Enabled());
        EXPECT_EQ(picker.grdUsers.TextMatrix(1, 1), "");
        EXPECT_FALSE(picker.fmeUsers.Visible());
        // The down arrow finds no employee to go to.
        PressKey(picker.txtEmployeeID, forms::vbKeyDown);
        EXPECT_TRUE(picker.txtEmployeeID.HasFocus());
        Click(picker.cmdClose);
    });
}

TEST(frmCMRemarks, HandsBackTheRemarkAsListedAndNothingWhenLeftThroughTheLegend) {
    TestApp test;
    test.server.On(CMRemarks).Returns({"ID", "Remarks"}, {{"01", " WRONG ITEM "}, {"02", "PATIENT REFUSED"}});
    Show<frmCMRemarks>(test, [](frmCMRemarks& picker) {
        EXPECT_EQ(picker.lblDoctor.Caption(), "List of CM Remarks");
        EXPECT_EQ(picker.mshFlexCMRemarks.ColWidth(0), 0);
        DoubleClickCell(picker.mshFlexCMRemarks, 1, 2);
    });
    EXPECT_EQ(test.app.Forms.Instance<frmCMRemarks>().SelectedRemarks(), " WRONG ITEM ");

    Show<frmCMRemarks>(test, [](frmCMRemarks& picker) {
        ClickCell(picker.mshFlexCMRemarks, 2, 2);
        PressKey(picker.mshFlexCMRemarks, forms::vbKeyReturn);
    });
    EXPECT_EQ(test.app.Forms.Instance<frmCMRemarks>().SelectedRemarks(), "PATIENT REFUSED");

    Show<frmCMRemarks>(test, [](frmCMRemarks& picker) { Click(picker.imgLegend); });
    EXPECT_EQ(test.app.Forms.Instance<frmCMRemarks>().SelectedRemarks(), "");
    EXPECT_TRUE(test.server.SentExactly({CMRemarks, CMRemarks, CMRemarks}));
}

TEST(frmCMRemarks, AnEmptyListCannotBeChosenFromAndAFailedListIsReported) {
    TestApp test;
    test.server.On(CMRemarks).Returns({"ID", "Remarks"}, {});
    test.server.On(CMRemarks).Fails("Could not find stored procedure 'STATION..sp_Nurse_Get_CMRemarks'.", 2812);
    Show<frmCMRemarks>(test, [](frmCMRemarks& picker) {
        EXPECT_FALSE(picker.mshFlexCMRemarks.Enabled());
        EXPECT_EQ(picker.mshFlexCMRemarks.Rows(), 2);
        Click(picker.imgLegend);
    });
    test.host.ExpectMsgBox(
        "Could not find stored procedure 'STATION..sp_Nurse_Get_CMRemarks'.\n\nPlease notify your IT department.");
    Show<frmCMRemarks>(test, [](frmCMRemarks& picker) { Click(picker.imgLegend); });
    EXPECT_EQ(test.app.Forms.Instance<frmCMRemarks>().SelectedRemarks(), "");
}

} // namespace
