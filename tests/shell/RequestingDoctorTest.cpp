#include "shell/frmRequestingDoctor.h"
#include "testkit/TestApp.h"
#include "testkit/UserActions.h"

#include <gtest/gtest.h>

using namespace testkit;
using ward::frmRequestingDoctor;

namespace {

const char* NotFound = "Doctor code does not exist.";
const char* NameMissing = "Please Enter the Name of the requesting Doctor.";
const char* Incomplete = "Please provide requesting doctor.";

void KnowDoctor(TestApp& test, const std::string& code, const char* lastname, const char* firstname,
                bool resident = false) {
    test.codeSearch.answers[{1, code}] = [=](FakeCodeSearch& search) {
        search.doctor = {code, lastname, firstname, "", resident};
    };
}

forms::TextBox& CodeBox(frmRequestingDoctor& dialog) { return dialog.txtRequestingDoctor(1); }
forms::TextBox& NameBox(frmRequestingDoctor& dialog) { return dialog.txtRequestingDoctor(0); }

void Show(TestApp& test, std::function<void(frmRequestingDoctor&)> work) {
    test.host.OnModal<frmRequestingDoctor>(std::move(work));
    test.app.Forms.Instance<frmRequestingDoctor>().ShowModal();
    EXPECT_FALSE(test.app.Forms.IsLoaded<frmRequestingDoctor>());
}

TEST(frmRequestingDoctor, OpensWithTheAttendingDoctorAndOkHandsHimBack) {
    TestApp test;
    KnowDoctor(test, "D0101", " LIM ", "RAMON ");
    test.app.AttendingDoctor1Code = "D0101";
    test.app.RequestingDoctorCode = "D0999";
    test.app.RequestingDoctorName = "EARLIER, DOCTOR";
    Show(test, [&test](frmRequestingDoctor& dialog) {
        EXPECT_EQ(test.app.RequestingDoctorCode, "");
        EXPECT_EQ(test.app.RequestingDoctorName, "");
        EXPECT_EQ(CodeBox(dialog).Text(), "D0101");
        EXPECT_EQ(NameBox(dialog).Text(), "LIM ,RAMON");
        EXPECT_FALSE(NameBox(dialog).Enabled());
        EXPECT_FALSE(dialog.ControlBox());
        // Neither the close box nor Escape lets the nurse out without a doctor.
        EXPECT_FALSE(dialog.CloseByUser());
        PressKey(CodeBox(dialog), forms::vbKeyEscape);
        EXPECT_TRUE(dialog.IsLoaded());
        Click(dialog.cmdOK);
    });
    EXPECT_EQ(test.app.RequestingDoctorCode, "D0101");
    EXPECT_EQ(test.app.RequestingDoctorName, "LIM ,RAMON");
}

TEST(frmRequestingDoctor, CodeZeroTakesATypedNameInUpperCase) {
    TestApp test;
    // Leaving the empty code box for OK looks the empty code up.
    test.host.ExpectMsgBox(NotFound).Title("Notification").Buttons(forms::vbOKOnly | forms::vbInformation);
    test.host.ExpectMsgBox(NameMissing).Title("Message").Buttons(forms::vbOKOnly | forms::vbExclamation);
    Show(test, [](frmRequestingDoctor& dialog) {
        // No attending doctor: both boxes empty and no message at the opening.
        EXPECT_EQ(CodeBox(dialog).Text(), "");
        Click(dialog.cmdOK);
        Type(CodeBox(dialog), "0");
        PressKey(CodeBox(dialog), forms::vbKeyReturn);
        EXPECT_TRUE(NameBox(dialog).Enabled());
        EXPECT_TRUE(NameBox(dialog).HasFocus());
        Type(NameBox(dialog), "dr. o'neil cruz");
        Click(dialog.cmdOK);
    });
    EXPECT_EQ(test.app.RequestingDoctorCode, "0");
    EXPECT_EQ(test.app.RequestingDoctorName, "DR. ONEIL CRUZ");
}

TEST(frmRequestingDoctor, AnUnknownAttendingDoctorIsReportedAtTheOpening) {
    TestApp test;
    KnowDoctor(test, "D0101", "LIM", "RAMON");
    test.app.AttendingDoctor1Code = "D0777";
    test.host.ExpectMsgBox(NotFound).Title("Notification").Buttons(forms::vbOKOnly | forms::vbInformation);
    Show(test, [](frmRequestingDoctor& dialog) {
        CodeBox(dialog).SetText("");
        Type(CodeBox(dialog), " d0101 ");
        PressKey(CodeBox(dialog), forms::vbKeyReturn);
        EXPECT_EQ(CodeBox(dialog).Text(), "D0101");
        Click(dialog.cmdOK);
    });
    EXPECT_EQ(test.app.RequestingDoctorName, "LIM ,RAMON");
}

TEST(frmRequestingDoctor, AnUnknownCodeKeepsTheFocusAndTheClickOnOk) {
    TestApp test;
    KnowDoctor(test, "D0101", "LIM", "RAMON");
    test.app.AttendingDoctor1Code = "D0101";
    test.host.ExpectMsgBox(NotFound);
    Show(test, [](frmRequestingDoctor& dialog) {
        CodeBox(dialog).SetText("D0777");
        Focus(CodeBox(dialog));
        // The name of the doctor looked up before still stands, but OK must not send it with another code.
        Click(dialog.cmdOK);
        EXPECT_TRUE(dialog.IsLoaded());
        EXPECT_TRUE(CodeBox(dialog).HasFocus());
        CodeBox(dialog).SetText("D0101");
        Click(dialog.cmdOK);
    });
    EXPECT_EQ(test.app.RequestingDoctorCode, "D0101");
}

TEST(frmRequestingDoctor, AResidentNeverCompletesThePrompt) {
    TestApp test;
    KnowDoctor(test, "R0005", "TAN", "PAOLO", true);
    test.app.AttendingDoctor1Code = "R0005";
    test.host.ExpectMsgBox(Incomplete).Title("Notification").Buttons(forms::vbOKOnly | forms::vbInformation);
    Show(test, [](frmRequestingDoctor& dialog) {
        EXPECT_EQ(CodeBox(dialog).Text(), "R0005");
        EXPECT_EQ(NameBox(dialog).Text(), "");
        EXPECT_FALSE(NameBox(dialog).Enabled());
        Click(dialog.cmdOK);
        EXPECT_TRUE(dialog.IsLoaded());
        CodeBox(dialog).SetText("0");
        NameBox(dialog).SetText("DR. TAN'S CONSULTANT");
        Click(dialog.cmdOK);
    });
    EXPECT_EQ(test.app.RequestingDoctorCode, "0");
}

TEST(frmRequestingDoctor, TheLookUpButtonWritesTheNameWithTheBlankAfterTheComma) {
    TestApp test;
    KnowDoctor(test, "D0101", "LIM", "RAMON");
    test.app.AttendingDoctor1Code = "D0101";
    Show(test, [](frmRequestingDoctor& dialog) {
        EXPECT_EQ(NameBox(dialog).Text(), "LIM ,RAMON");
        CodeBox(dialog).SetText("  D0101 ");
        Click(dialog.cmdReqDoc);
        EXPECT_EQ(CodeBox(dialog).Text(), "D0101");
        EXPECT_EQ(NameBox(dialog).Text(), "LIM, RAMON");
        Click(dialog.cmdOK);
    });
    EXPECT_EQ(test.app.RequestingDoctorName, "LIM, RAMON");
}

} // namespace
