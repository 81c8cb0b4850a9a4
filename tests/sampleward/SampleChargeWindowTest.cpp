#include "SampleWardApp.h"
#include "charges/frmCharge.h"
#include "charges/frmDoctorsFee.h"
#include "charges/frmPSIReading.h"
#include "chart/frmFinal.h"
#include "components/frmPickList.h"
#include "core/frmReportViewer.h"
#include "shell/frmSupervisorAccessCode.h"
#include "shell/frmTransaction_UserValidation.h"
#include "shell/mdiOrMenu.h"
#include "testkit/RecordingReportEngine.h"
#include "testkit/UserActions.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using samplewardtest::SampleWardApp;
using testing::IsEmpty;

// The sample in-patient's chart, its header loaded and its Post Charges action taken: the charge window as the nurse
// first sees it.
struct SampleChargeWindow {
    SampleWardApp ward;
    ward::frmFinal& chart = ward.app.Forms.Get<ward::frmFinal>();
    ward::frmCharge& charge = ward.app.Forms.Get<ward::frmCharge>();

    SampleChargeWindow() {
        ward.host.SetAppPath(testkit::RecordingReportEngine::ShippedTemplates().parent_path().string());
        chart.txtPno.SetText(sampleward::InPatientHospNum);
        chart.txtId.SetText(sampleward::InPatientIdNum);
        chart.Show();
        ward.host.FireTimer(chart.Timer1);
        testkit::Click(chart.cmdNextPatient(5));
    }

    void Enter(int row, int col, const std::string& text) {
        testkit::ClickCell(charge.mshflexEntry, row, col);
        testkit::Type(charge.txtEntry, text);
        testkit::PressKey(charge.txtEntry, forms::vbKeyReturn);
    }
    // Types a name into the item code and takes the first line the medicine list offers.
    void EnterFromList(int row, const std::string& name) {
        ward.host.OnModal<components::frmPickList>([](components::frmPickList& list) {
            testkit::ClickListItem(list.lvwList, 1);
            testkit::Click(list.cmdOK);
        });
        Enter(row, 2, name);
    }
    // The next validation dialog answered by the sample nurse.
    void SignInWhenAsked(const std::string& reason = "") {
        ward.host.OnModal<ward::frmTransaction_UserValidation>([reason](ward::frmTransaction_UserValidation& dialog) {
            if (!reason.empty())
                testkit::Type(dialog.txtRemarks, reason);
            testkit::Type(dialog.txtUserID, sampleward::SampleNurseID);
            testkit::PressKey(dialog.txtUserID, forms::vbKeyReturn);
            testkit::Type(dialog.txtAccessCode, sampleward::SampleNurseAccessCode);
            testkit::PressKey(dialog.txtAccessCode, forms::vbKeyReturn);
        });
    }
    std::vector<std::string> Row(int row, int to = 6) {
        std::vector<std::string> cells;
        for (int col = 1; col <= to; ++col)
            cells.push_back(charge.mshflexEntry.TextMatrix(row, col));
        return cells;
    }
};

TEST(SampleChargeWindow, OpensWithThePostedListItsCancellationInRedAndItsTanksPainted) {
    SampleChargeWindow s;
    ward::frmCharge& charge = s.charge;
    ASSERT_EQ(charge.mshflexList.Rows(), 6);
    EXPECT_TRUE(charge.mshflexList.Enabled());
    EXPECT_FALSE(charge.txtMessage.Visible());
    for (int row = 1; row < 6; ++row) {
        EXPECT_EQ(charge.mshflexList.FormatOf(row, 3).ForeColor == 255, row == 3) << "row " << row;
        const forms::Color tank = row == 4 ? 8454016 : row == 5 ? 255 : charge.mshflexList.FormatOf(1, 3).BackColor;
        EXPECT_EQ(charge.mshflexList.FormatOf(row, 3).BackColor, tank) << "row " << row;
    }
    EXPECT_TRUE(charge.cmdCloseTank.Visible());
    EXPECT_EQ(charge.txtPatient.Text(), s.chart.txtPatient.Text());
    EXPECT_EQ(charge.lvwDepartments.ListItemCount(), 5);
    EXPECT_THAT(s.ward.server->Unanswered(), IsEmpty());
}

TEST(SampleChargeWindow, AServiceAndAMedicineAreLookedUpAndPricedWithNoStatementUnanswered) {
    SampleChargeWindow s;
    s.Enter(1, 1, "SU");
    s.Enter(1, 2, "SU-DRS");
    // The in-patient's room is of class C.
    EXPECT_EQ(s.Row(1), (std::vector<std::string>{"SU", "SU-DRS", "WOUND DRESSING", "1", "250", "250"}));
    s.ward.host.ExpectMsgBox("Is it Stat/Holiday?").Answer(forms::vbNo);
    // The confirmed quantity completes the row, which appends the next one.
    s.Enter(1, 4, "2");
    ASSERT_EQ(s.charge.mshflexEntry.Rows(), 3);

    s.Enter(2, 1, "PH");
    s.EnterFromList(2, "amox");
    EXPECT_EQ(s.Row(2), (std::vector<std::string>{"PH", "AMOX500", "AMOXICILLIN 500MG", "1", "12.00", "12"}));
    s.ward.host.ExpectMsgBox("Is it Stat/Holiday?").Answer(forms::vbNo);
    s.Enter(2, 4, "3");
    EXPECT_EQ(s.Row(2), (std::vector<std::string>{"PH", "AMOX500", "AMOXICILLIN 500MG", "3", "12.00", "36"}));
    EXPECT_EQ(s.charge.mshflexEntry.TextMatrix(1, 6), "500");
    EXPECT_THAT(s.ward.server->Unanswered(), IsEmpty());
}

TEST(SampleChargeWindow, ASaveAndACancellationWithNoStatementUnanswered) {
    SampleChargeWindow s;
    s.Enter(1, 1, "SU");
    s.Enter(1, 2, "SU-NEB");
    s.ward.host.ExpectMsgBox("Is it Stat/Holiday?").Answer(forms::vbNo);
    s.Enter(1, 4, "1");
    s.ward.host
        .ExpectMsgBox("Please verify that the item(s) entered are true and correct. Especially the Department "
                      "Code and the Item Code of the Procedure/Item.\n\rDo you want to proceed in saving this "
                      "charge(s)?")
        .Answer(forms::vbYes);
    s.SignInWhenAsked();
    ASSERT_TRUE(s.ward.app.IsPrintChargeSlip);
    s.ward.host.ExpectMsgBox("Print Charge Slip! [YES] Pre-printed Form [NO] Blank Paper").Answer(forms::vbNo);
    s.ward.host.OnModal<ward::frmReportViewer>([](ward::frmReportViewer& viewer) { viewer.Unload(); });
    testkit::Click(s.charge.Command1(0));
    EXPECT_EQ(s.charge.mshflexEntry.Rows(), 2);
    EXPECT_EQ(s.ward.app.Forms.Instance<ward::mdiOrMenu>().lblCS(1).Caption(), "0004521");

    // The dressing on the list is cancelled.
    testkit::ClickCell(s.charge.mshflexList, 1, 2);
    s.ward.host.ExpectMsgBox("Are you sure you want to Cancel this Charge?").Answer(forms::vbYes);
    s.SignInWhenAsked("WRONG PATIENT");
    s.ward.host.OnModal<ward::frmSupervisorAccessCode>([](ward::frmSupervisorAccessCode& dialog) {
        testkit::Type(dialog.txtUserID, "S1001");
        testkit::PressKey(dialog.txtUserID, forms::vbKeyReturn);
        testkit::Type(dialog.txtAccessCode, "HEAD1");
        testkit::PressKey(dialog.txtAccessCode, forms::vbKeyReturn);
    });
    testkit::Click(s.charge.cmdOption(1));
    // The medicine charged and cancelled again has nothing left standing.
    testkit::ClickCell(s.charge.mshflexList, 2, 2);
    s.ward.host.ExpectMsgBox("Can't Cancel this Charges. The Total Amount is already Zero.");
    testkit::Click(s.charge.cmdOption(1));
    s.ward.host.VerifyAllUsed();
    EXPECT_THAT(s.ward.server->Unanswered(), IsEmpty());
}

TEST(SampleChargeWindow, OxygenByPSIReadsTheTanksHistoryWithNoStatementUnanswered) {
    struct Case {
        const char* tank;
        const char* initial; // typed when the tank has no history
        int consumed;
    };
    for (const Case& c : {Case{sampleward::SampleTankWithHistory, "", 300}, Case{"5", "1800", 600}}) {
        SCOPED_TRACE(c.tank);
        SampleChargeWindow s;
        s.Enter(1, 1, "OX");
        s.Enter(1, 2, "OX-PSI");
        ASSERT_EQ(s.charge.mshflexEntry.TextMatrix(1, 2), "OX-PSI");
        s.ward.host.ExpectMsgBox("Is this a PSI Oxygen?").Answer(forms::vbYes);
        bool historyTaken = false;
        s.ward.host.OnModal<ward::frmPSIReading>([&](ward::frmPSIReading& dialog) {
            testkit::Type(dialog.txtTank, c.tank);
            testkit::PressKey(dialog.txtTank, forms::vbKeyReturn);
            historyTaken = dialog.txtInitialReading.Locked();
            if (!historyTaken) {
                testkit::Type(dialog.txtInitialReading, c.initial);
                testkit::PressKey(dialog.txtInitialReading, forms::vbKeyReturn);
            }
            testkit::Type(dialog.txtLastReading, "1200");
            testkit::Click(dialog.lblExit(1));
        });
        s.ward.host.ExpectMsgBox("Is it Stat/Holiday?").Answer(forms::vbNo);
        s.Enter(1, 4, "1");
        EXPECT_EQ(historyTaken, std::string(c.tank) == sampleward::SampleTankWithHistory);
        EXPECT_EQ(s.ward.app.PSIReading, c.consumed);
        EXPECT_EQ(s.charge.mshflexEntry.TextMatrix(1, 4), " " + std::to_string(c.consumed));
        s.ward.host.VerifyAllUsed();
        EXPECT_THAT(s.ward.server->Unanswered(), IsEmpty());
    }
}

TEST(SampleChargeWindow, ASecondOxygenTankIsRefusedWhileTheFirstIsOpen) {
    SampleChargeWindow s;
    s.Enter(1, 1, "OX");
    s.ward.host.ExpectMsgBox("Sorry, patient still has an open oxygen tank.");
    s.Enter(1, 2, "OX-TANK");
    EXPECT_EQ(s.charge.mshflexEntry.TextMatrix(1, 5), "") << "not priced";
    s.ward.host.VerifyAllUsed();
    EXPECT_THAT(s.ward.server->Unanswered(), IsEmpty());
}

TEST(SampleChargeWindow, DrSantossFeeIsPickedFromHisListWithNoStatementUnanswered) {
    SampleChargeWindow s;
    s.Enter(1, 1, "MD");
    std::vector<std::string> listed;
    s.ward.host.OnModal<ward::frmDoctorsFee>([&](ward::frmDoctorsFee& picker) {
        for (int row = 1; row < picker.mshFlexDoctorsFee.Rows(); ++row)
            listed.push_back(picker.mshFlexDoctorsFee.TextMatrix(row, 1));
        testkit::DoubleClickCell(picker.mshFlexDoctorsFee, 2, 1);
    });
    s.Enter(1, 2, "1021");
    EXPECT_EQ(listed, (std::vector<std::string>{"CONSULTATION", "ICU DAILY VISIT"}));
    EXPECT_EQ(s.Row(1, 5), (std::vector<std::string>{"MD", "1021", "SANTOS ,MARIA", "1", "1200"}));
    s.ward.host.VerifyAllUsed();
    EXPECT_THAT(s.ward.server->Unanswered(), IsEmpty());
}

} // namespace
