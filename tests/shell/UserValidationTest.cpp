#include "SignInWorld.h"
#include "platform/forms/LayoutCheck.h"
#include "shell/frmCMRemarks.h"
#include "shell/frmTransaction_UserValidation.h"
#include "testkit/UserActions.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace testkit;
using namespace shelltest;
using ward::frmTransaction_UserValidation;

namespace {

const char* MissingReason = "Please enter reason of cancellation.";
const std::string CMRemarks = "STATION..sp_Nurse_Get_CMRemarks 11";

frmTransaction_UserValidation& Dialog(TestApp& test) {
    return test.app.Forms.Instance<frmTransaction_UserValidation>();
}

void TypeSignIn(frmTransaction_UserValidation& dialog, const std::string& userID, const std::string& accessCode) {
    Type(dialog.txtUserID, userID);
    PressKey(dialog.txtUserID, forms::vbKeyReturn);
    Type(dialog.txtAccessCode, accessCode);
}

// Shows the dialog once; work gets the dialog as the nurse sees it.
void Show(TestApp& test, std::function<void(frmTransaction_UserValidation&)> work, int postOrCancel = 0) {
    test.host.OnModal<frmTransaction_UserValidation>(std::move(work));
    if (postOrCancel != 0)
        Dialog(test).PostOrCancel = static_cast<std::int16_t>(postOrCancel);
    Dialog(test).ShowModal();
}

TEST(frmTransaction_UserValidation, AcceptsTheActingUserWithEnterInTheCodeBox) {
    TestApp test;
    InstallSignInWorld(test);
    test.app.ApprovalRemark = "earlier";
    Show(test, [](frmTransaction_UserValidation& dialog) {
        EXPECT_EQ(dialog.Height(), 2505);
        // The reason and OK lie below what the posting layout shows.
        EXPECT_GE(dialog.fraRemarks.Top(), dialog.ScaleHeight());
        TypeSignIn(dialog, "  N0002 ", "ANA2026");
        PressKey(dialog.txtAccessCode, forms::vbKeyReturn);
    });
    EXPECT_TRUE(
        test.server.SentExactly({"Station..sp_Check_User_Department_Access 'N0002','5BDB66EE6CCCADA6','ZODE'"}));
    EXPECT_EQ(test.app.ValidatedUserID, "N0002");
    EXPECT_EQ(test.app.ValidatedUserName, "REYES, ANA ");
    EXPECT_EQ(test.app.ApprovalRemark, "earlier");
    EXPECT_FALSE(test.app.Forms.IsLoaded<frmTransaction_UserValidation>());
}

TEST(frmTransaction_UserValidation, RefusesAWrongCodeAndClosesWithBothResultsEmpty) {
    TestApp test;
    InstallSignInWorld(test);
    const std::string check = fixture::ActingUserCheck("N0002", "5BF5 41A253C");
    test.server.On(check).Returns(fixture::SignInColumns(), {});
    test.app.ValidatedUserID = "N0001";
    test.app.ValidatedUserName = "SANTOS, MARIA LOPEZ";
    test.host.ExpectMsgBox(Unauthorized).Title("Notification").Buttons(forms::vbOKOnly | forms::vbInformation);
    Show(test, [](frmTransaction_UserValidation& dialog) {
        TypeSignIn(dialog, "N0002", "WRONG");
        PressKey(dialog.txtAccessCode, forms::vbKeyReturn);
    });
    EXPECT_TRUE(test.server.SentExactly({check}));
    EXPECT_EQ(test.app.ValidatedUserID, "");
    EXPECT_EQ(test.app.ValidatedUserName, "");
    EXPECT_FALSE(test.app.Forms.IsLoaded<frmTransaction_UserValidation>());
}

TEST(frmTransaction_UserValidation, AnEmptyCodeIsStillSentEnciphered) {
    TestApp test;
    InstallSignInWorld(test);
    const std::string check = "Station..sp_Check_User_Department_Access 'N0002','5B','ZODE'";
    test.server.On(check).Returns(fixture::SignInColumns(), {});
    test.host.ExpectMsgBox(Unauthorized);
    Show(test, [](frmTransaction_UserValidation& dialog) {
        TypeSignIn(dialog, "N0002", "   ");
        PressKey(dialog.txtAccessCode, forms::vbKeyReturn);
    });
    EXPECT_TRUE(test.server.SentExactly({check}));
}

TEST(frmTransaction_UserValidation, EscapeAfterAnAcceptedShowingGivesUpWithoutAServerCall) {
    TestApp test;
    InstallSignInWorld(test);
    fixture::SignInAsActingUser(test, fixture::ActingNurseCode);
    Dialog(test).ShowModal();
    ASSERT_EQ(test.app.ValidatedUserID, "N0002");
    const std::size_t mark = test.server.Mark();
    Show(test, [](frmTransaction_UserValidation& dialog) {
        EXPECT_EQ(dialog.txtUserID.Text(), "");
        Type(dialog.txtUserID, "N0001");
        PressKey(dialog.txtUserID, forms::vbKeyEscape);
    });
    EXPECT_EQ(test.app.ValidatedUserID, "");
    EXPECT_TRUE(test.server.SentExactly({}, mark));
}

struct ReasonCase {
    const char* name;
    bool reasonSetting;
    std::vector<std::string> lines; // typed with Enter between them
    std::string approvalRemark;
};

TEST(frmTransaction_UserValidation, TheCancellationLayoutTakesTheReasonWhenTheSettingAsksForIt) {
    const ReasonCase cases[] = {
        {"one line", true, {"WRONG ITEM "}, "WRONG ITEM"},
        {"two lines become one", true, {"WRONG ITEM", "PATIENT REFUSED"}, "WRONG ITEM  PATIENT REFUSED"},
        {"setting off: the reason is ignored", false, {"WRONG ITEM"}, "earlier"},
        {"setting off: no reason needed", false, {}, "earlier"},
    };
    for (const ReasonCase& c : cases) {
        SCOPED_TRACE(c.name);
        TestApp test;
        InstallSignInWorld(test);
        test.app.IsAllowEntryOfReasonForCancellation = c.reasonSetting;
        test.app.ApprovalRemark = "earlier";
        Show(
            test,
            [&c](frmTransaction_UserValidation& dialog) {
                EXPECT_EQ(dialog.Height(), 4155);
                EXPECT_LE(dialog.cmdOK.Top() + dialog.cmdOK.Height(), dialog.ScaleHeight());
                EXPECT_THAT(forms::FindOverlaps(dialog), testing::IsEmpty());
                TypeSignIn(dialog, "N0002", "ANA2026");
                for (std::size_t i = 0; i < c.lines.size(); ++i) {
                    if (i > 0)
                        PressKey(dialog.txtRemarks, forms::vbKeyReturn);
                    Type(dialog.txtRemarks, c.lines[i]);
                }
                Click(dialog.cmdOK);
            },
            1);
        EXPECT_EQ(test.app.ValidatedUserID, "N0002");
        EXPECT_EQ(test.app.ApprovalRemark, c.approvalRemark);
        EXPECT_FALSE(test.app.Forms.IsLoaded<frmTransaction_UserValidation>());
        EXPECT_EQ(Dialog(test).PostOrCancel, 0);
    }
}

TEST(frmTransaction_UserValidation, AMissingReasonKeepsTheDialogOpenWithTheUserAccepted) {
    TestApp test;
    InstallSignInWorld(test);
    test.app.IsAllowEntryOfReasonForCancellation = true;
    test.app.ApprovalRemark = "earlier";
    test.host.ExpectMsgBox(MissingReason).Title("Notification").Buttons(forms::vbOKOnly | forms::vbCritical);
    Show(
        test,
        [&test](frmTransaction_UserValidation& dialog) {
            TypeSignIn(dialog, "N0002", "ANA2026");
            Type(dialog.txtRemarks, "  ");
            PressKey(dialog.txtRemarks, forms::vbKeyReturn);
            Type(dialog.txtRemarks, " ");
            Click(dialog.cmdOK);
            EXPECT_TRUE(dialog.IsLoaded());
            EXPECT_TRUE(dialog.txtRemarks.HasFocus());
            EXPECT_EQ(test.app.ValidatedUserID, "N0002");
            EXPECT_EQ(test.app.ApprovalRemark, "");
            PressKey(dialog.txtRemarks, forms::vbKeyEscape);
        },
        1);
    EXPECT_EQ(test.app.ValidatedUserID, "");
    EXPECT_FALSE(test.app.Forms.IsLoaded<frmTransaction_UserValidation>());
}

TEST(frmTransaction_UserValidation, TheNextCallerThatSetsNothingGetsThePostingLayout) {
    TestApp test;
    InstallSignInWorld(test);
    Show(
        test, [](frmTransaction_UserValidation& dialog) { PressKey(dialog.txtUserID, forms::vbKeyEscape); }, 1);
    Show(test, [](frmTransaction_UserValidation& dialog) {
        EXPECT_EQ(dialog.PostOrCancel, 0);
        EXPECT_EQ(dialog.Height(), 2505);
        PressKey(dialog.txtUserID, forms::vbKeyEscape);
    });
}

// The remarks picker answers with the remark of the row the nurse double-clicks.
void ChooseRemark(TestApp& test, int row) {
    test.host.OnModal<ward::frmCMRemarks>(
        [row](ward::frmCMRemarks& picker) { DoubleClickCell(picker.mshFlexCMRemarks, row, 2); });
}

TEST(frmTransaction_UserValidation, CreditMemoRemarksAreAppendedOnce) {
    TestApp test;
    InstallSignInWorld(test);
    test.server.On(CMRemarks).Returns({"ID", "Remarks"}, {{"01", "WRONG ITEM "}, {"02", "PATIENT REFUSED"}});
    test.app.IsAllowEntryOfReasonForCancellation = true;
    std::vector<std::string> reasons;
    Show(
        test,
        [&](frmTransaction_UserValidation& dialog) {
            Type(dialog.txtRemarks, " ");
            ChooseRemark(test, 1);
            Click(dialog.Command1);
            reasons.push_back(dialog.txtRemarks.Text());
            ChooseRemark(test, 1);
            Click(dialog.Command1);
            reasons.push_back(dialog.txtRemarks.Text());
            ChooseRemark(test, 2);
            Click(dialog.Command1);
            reasons.push_back(dialog.txtRemarks.Text());
            test.host.OnModal<ward::frmCMRemarks>([](ward::frmCMRemarks& picker) { Click(picker.imgLegend); });
            Click(dialog.Command1);
            reasons.push_back(dialog.txtRemarks.Text());
            TypeSignIn(dialog, "N0002", "ANA2026");
            Click(dialog.cmdOK);
        },
        1);
    EXPECT_THAT(reasons, testing::ElementsAre(" WRONG ITEM ", " WRONG ITEM ", " WRONG ITEM , PATIENT REFUSED",
                                              " WRONG ITEM , PATIENT REFUSED"));
    EXPECT_EQ(test.app.ApprovalRemark, "WRONG ITEM , PATIENT REFUSED");
}

} // namespace
