#include "SignInWorld.h"
#include "shell/frmSupervisorAccessCode.h"
#include "testkit/UserActions.h"

#include <gtest/gtest.h>

using namespace testkit;
using namespace shelltest;
using ward::frmSupervisorAccessCode;

namespace {

// Types the ID, Enter, the code, and clicks OK, as a supervisor does.
void SignInWith(TestApp& test, const std::string& userID, const std::string& accessCode) {
    test.host.OnModal<frmSupervisorAccessCode>([userID, accessCode](frmSupervisorAccessCode& dialog) {
        Type(dialog.txtUserID, userID);
        PressKey(dialog.txtUserID, forms::vbKeyReturn);
        EXPECT_TRUE(dialog.txtAccessCode.HasFocus());
        Type(dialog.txtAccessCode, accessCode);
        Click(dialog.cmdOption(0));
    });
    test.app.Forms.Instance<frmSupervisorAccessCode>().ShowModal();
}

TEST(frmSupervisorAccessCode, ASupervisorWithRight29ApprovesAtTheWorkstationOfANurseWithoutIt) {
    TestApp test;
    InstallSignInWorld(test);
    SignInWith(test, " S0001 ", "BOSS99");
    EXPECT_TRUE(test.server.SentExactly(
        {"STATION..sp_Check_User_Department_Access 'S0001','5BDA66F0 91218','SIC'", RightsQuery("S0001")}));
    EXPECT_EQ(test.app.SupervisorID, "S0001");
    EXPECT_EQ(test.app.ApprovalRemark, "Allowed ");
    EXPECT_EQ(test.app.ValidatedUserName, "CRUZ, ELENA DIAZ");
    EXPECT_FALSE(test.app.Forms.IsLoaded<frmSupervisorAccessCode>());
}

TEST(frmSupervisorAccessCode, RefusesAColleagueWithoutRight29EvenWhenTheLoggedInUserHoldsIt) {
    TestApp test;
    InstallSignInWorld(test);
    test.currentUser.employeeCode = fixture::SupervisorCode;
    test.host.ExpectMsgBox("Sorry, you don't have supervisory rights.")
        .Title("Notification")
        .Buttons(forms::vbOKOnly | forms::vbInformation);
    SignInWith(test, fixture::ActingNurseCode, "ANA2026");
    EXPECT_TRUE(test.server.SentExactly(
        {fixture::SupervisorCheck("N0002", "5BDB66EE6CCCADA6"), RightsQuery(fixture::ActingNurseCode)}));
    EXPECT_EQ(test.app.SupervisorID, "");
    EXPECT_EQ(test.app.ApprovalRemark, "");
    EXPECT_EQ(test.app.ValidatedUserName, "REYES, ANA ");
    EXPECT_FALSE(test.app.Forms.IsLoaded<frmSupervisorAccessCode>());
}

TEST(frmSupervisorAccessCode, AWrongCodeIsRefusedNamingTheStation) {
    TestApp test;
    InstallSignInWorld(test);
    const std::string check = fixture::SupervisorCheck("S0001", "5BF5 41A253C");
    test.server.On(check).Returns(fixture::SignInColumns(), {});
    test.app.ValidatedUserName = "SANTOS, MARIA LOPEZ";
    test.host.ExpectMsgBox(Unauthorized).Title("Notification").Buttons(forms::vbOKOnly | forms::vbInformation);
    SignInWith(test, "S0001", "WRONG");
    EXPECT_TRUE(test.server.SentExactly({check}));
    EXPECT_EQ(test.app.SupervisorID, "");
    EXPECT_EQ(test.app.ApprovalRemark, "");
    EXPECT_EQ(test.app.ValidatedUserName, "");
}

TEST(frmSupervisorAccessCode, EnterInTheCodeBoxApprovesAndApostrophesAreDropped) {
    TestApp test;
    InstallSignInWorld(test);
    test.host.OnModal<frmSupervisorAccessCode>([](frmSupervisorAccessCode& dialog) {
        Type(dialog.txtUserID, "S0'001");
        Type(dialog.txtAccessCode, "BOSS'99");
        PressKey(dialog.txtAccessCode, forms::vbKeyReturn);
    });
    test.app.Forms.Instance<frmSupervisorAccessCode>().ShowModal();
    EXPECT_EQ(test.app.SupervisorID, "S0001");
}

TEST(frmSupervisorAccessCode, EscapeOrCloseAfterAnApprovalLeaveBothResultsEmpty) {
    const struct {
        const char* name;
        std::function<void(frmSupervisorAccessCode&)> giveUp;
    } cases[] = {
        {"Escape in the code box", [](frmSupervisorAccessCode& d) { PressKey(d.txtAccessCode, forms::vbKeyEscape); }},
        {"Escape in the ID box", [](frmSupervisorAccessCode& d) { PressKey(d.txtUserID, forms::vbKeyEscape); }},
        {"Close", [](frmSupervisorAccessCode& d) { Click(d.cmdOption(1)); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TestApp test;
        InstallSignInWorld(test);
        SignInWith(test, "S0001", "BOSS99");
        ASSERT_EQ(test.app.SupervisorID, "S0001");
        const std::size_t mark = test.server.Mark();
        test.host.OnModal<frmSupervisorAccessCode>([&](frmSupervisorAccessCode& dialog) {
            EXPECT_EQ(dialog.txtUserID.Text(), "");
            EXPECT_EQ(dialog.txtAccessCode.Text(), "");
            Type(dialog.txtUserID, "S0001");
            c.giveUp(dialog);
        });
        test.app.Forms.Instance<frmSupervisorAccessCode>().ShowModal();
        EXPECT_EQ(test.app.SupervisorID, "");
        EXPECT_EQ(test.app.ApprovalRemark, "");
        EXPECT_TRUE(test.server.SentExactly({}, mark));
    }
}

TEST(frmSupervisorAccessCode, TheCodeTravelsEnciphered) {
    TestApp test;
    InstallSignInWorld(test);
    auto& dialog = test.app.Forms.Get<frmSupervisorAccessCode>();
    EXPECT_EQ(dialog.txtAccessCode.PasswordChar(), '*');
    dialog.Unload();
    SignInWith(test, "S0001", "BOSS99");
    for (const std::string& statement : test.server.Statements())
        EXPECT_EQ(statement.find("BOSS99"), std::string::npos) << statement;
}

} // namespace
