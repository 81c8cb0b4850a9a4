#include "charges/frmRecievable.h"
#include "charges/frmSearchRecievable.h"
#include "testkit/FixtureReceivable.h"
#include "testkit/UserActions.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace testkit;
namespace fixture = testkit::ward_fixture;
using ward::frmRecievable;

namespace {

struct ReceivableWorld {
    TestApp test;
    frmRecievable& window = fixture::OpenReceivableWindow(test);

    std::vector<std::string> Header() const {
        std::vector<std::string> boxes;
        for (const forms::TextBox* box :
             {&window.txtPatient, &window.txtSex, &window.txtStatus, &window.txtDob, &window.txtAge, &window.txtPno,
              &window.txtId, &window.txtRoom, &window.txtDateAdmitted, &window.txtDateDischarged, &window.txtDoctor1,
              &window.txtDoctor2, &window.txtDoctor3, &window.txtBloodType, &window.txtDiagnosis, &window.txtAdiet})
            boxes.push_back(box->Text());
        return boxes;
    }
};

TEST(ReceivableWindow, TheSetUpListsTheCodesAndWaitsForAPatient) {
    ReceivableWorld w;
    EXPECT_EQ(w.window.Caption(), "Recievable Update");
    EXPECT_TRUE(w.window.MDIChild());
    EXPECT_EQ(w.window.lvwDepartments.ListItemCount(), 5);
    EXPECT_EQ(w.window.lvwDepartments.ListItems(1).Text(), "SU");
    EXPECT_FALSE(w.window.Command1(0).Enabled());
    EXPECT_FALSE(w.window.cmdOption(0).Enabled());
    EXPECT_FALSE(w.window.cmdOption(1).Enabled());
    EXPECT_EQ(w.window.Command1(3).Caption(), "Search Patient");
    EXPECT_EQ(w.window.mshflexEntry.Cols(), 19);
    EXPECT_GT(w.window.mshflexEntry.ColWidth(18), 0);
    EXPECT_EQ(w.window.mshflexEntry.ColWidth(17), 0);
    for (int col = 1; col <= 6; ++col)
        EXPECT_FALSE(w.window.Entry().IsLockedColumn(col)) << "column " << col;
}

TEST(ReceivableWindow, LoadsAnInPatientAndAnOutPatientIntoTheHeader) {
    {
        ReceivableWorld w;
        w.window.txtAdiet.SetText("EARLIER");
        fixture::DeclareReceivableLoad(w.test.server, fixture::InPatientIdNum);
        const std::size_t mark = w.test.server.Mark();
        fixture::PickReceivablePatient(w.test, fixture::InPatientHospNum, fixture::InPatientIdNum, true);
        EXPECT_EQ(w.Header(), (std::vector<std::string>{
                                  "DELA CRUZ ,JUAN PEREZ", "M", "MARRIED", "4/12/1961", "65", "100234", "2026001234",
                                  "SIC-03", "12/07/2026 09:30:00 AM", "", "DR. RAMON LIM", "DR. RAMON LIM",
                                  "DR. SOFIA TAN", "O+", "ACUTE APPENDICITIS", "SOFT DIET"}));
        EXPECT_EQ(w.test.app.CurRoomClassID, "C");
        EXPECT_EQ(w.test.app.CurStationName, fixture::StationName);
        EXPECT_EQ(w.test.app.CurAccountNum, fixture::InPatientHospNum);
        EXPECT_EQ(w.test.app.HeaderAddress, "45 RIZAL AVENUE, ZENTARI CITY");
        EXPECT_EQ(w.test.app.ReceivableMembership, "MEMBER");
        EXPECT_EQ(w.test.app.ReceivableAdmType, "REG");
        EXPECT_EQ(w.test.app.ReceivableGuarantor, "PERSONAL");
        EXPECT_TRUE(w.window.Command1(0).Enabled());
        const std::vector<std::string> sent = w.test.server.Statements(mark);
        ASSERT_GE(sent.size(), 2u);
        EXPECT_EQ(sent[sent.size() - 2], fixture::DietQuery(fixture::InPatientIdNum));
        EXPECT_EQ(sent.back(), fixture::MembershipQuery(fixture::InPatientIdNum));
    }
    {
        ReceivableWorld w;
        w.window.txtAdiet.SetText("EARLIER");
        fixture::DeclareReceivableLoad(w.test.server, fixture::OutPatientIdNum);
        fixture::PickReceivablePatient(w.test, fixture::OutPatientHospNum, fixture::OutPatientIdNum, false);
        EXPECT_EQ(w.Header(), (std::vector<std::string>{"GARCIA ,LUISA TAN", "F", "", "8/1/1990", "36", "100577",
                                                        "2026004410B", "ER/OPD", "12/10/2026 08:15:00 AM", "", "DR. CARMEN YU",
                                                        "DR. CARMEN YU", "", "", "", "EARLIER"}));
        EXPECT_EQ(w.test.app.CurRoomClassID, "A");
        EXPECT_EQ(w.test.app.CurRoomID, "OPD");
        EXPECT_EQ(w.test.app.CurStationName, "ER/OP Department");
        EXPECT_THAT(w.test.server.Statements(), testing::Not(testing::Contains(
                                                    fixture::DietQuery(fixture::OutPatientIdNum))));
        EXPECT_TRUE(w.window.Command1(0).Enabled());
    }
}

TEST(ReceivableWindow, AnAdmissionThatDoesNotLoadLeavesTheHeaderEmptyAndSaveDisabled) {
    ReceivableWorld w;
    w.test.host.OnModal<ward::frmSearchRecievable>([&](ward::frmSearchRecievable& s) {
        w.test.app.ReceivableHospNum = "100999";
        w.test.app.ReceivableIdNum = "2026999999";
        s.Hide();
    });
    w.test.host.ExpectMsgBox("No Records Found.").Title("Notification").Buttons(forms::vbInformation);
    const std::size_t mark = w.test.server.Mark();
    Click(w.window.Command1(3));
    EXPECT_EQ(w.window.txtPatient.Text(), "");
    EXPECT_EQ(w.window.txtId.Text(), "");
    EXPECT_FALSE(w.window.Command1(0).Enabled());
    EXPECT_EQ(w.test.server.Statements(mark), std::vector<std::string>{});
}

// Posting late charges is not built: Save and the list of charges say so, send nothing and keep the typed rows.
TEST(ReceivableWindow, SaveAndTheListOfChargesSayTheyAreNotAvailableAndSendNothing) {
    ReceivableWorld w;
    fixture::DeclareReceivableLoad(w.test.server, fixture::InPatientIdNum);
    fixture::PickReceivablePatient(w.test, fixture::InPatientHospNum, fixture::InPatientIdNum, true);
    w.window.mshflexEntry.SetTextMatrix(1, 1, "SU");
    w.test.host.ExpectMsgBox("Saving late charges is not available in this version of the program. Nothing was saved.")
        .Title("Notification")
        .Buttons(forms::vbInformation);
    w.test.host.ExpectMsgBox("The list of charges entered is not available in this version of the program.")
        .Title("Notification")
        .Buttons(forms::vbInformation);
    const std::size_t mark = w.test.server.Mark();
    Click(w.window.Command1(0));
    Click(w.window.Command1(5));
    EXPECT_EQ(w.test.server.Statements(mark), std::vector<std::string>{});
    EXPECT_EQ(w.window.mshflexEntry.TextMatrix(1, 1), "SU");
    w.test.host.VerifyAllUsed();
}

TEST(ReceivableWindow, ClosingPointsTheSearchBackAndRestoresTheCurrentPatient) {
    struct Case {
        const char* name;
        std::string curIdNum;
        std::string curHospNum;
        std::string call;
    };
    const Case cases[] = {
        {"in-patient", fixture::InPatientIdNum, fixture::InPatientHospNum, "Refresh"},
        {"out-patient", fixture::OutPatientIdNum, fixture::OutPatientHospNum, "OutPatient.Refresh"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TestApp test;
        test.app.CurIdNum = c.curIdNum;
        test.app.CurHospNum = c.curHospNum;
        test.app.CurPatientName = "LIST, PATIENT";
        test.app.CurRoomClassID = "D";
        test.app.CurStationName = "SIC";
        frmRecievable& window = fixture::OpenReceivableWindow(test);
        fixture::DeclareReceivableLoad(test.server, fixture::InPatientIdNum);
        fixture::PickReceivablePatient(test, fixture::InPatientHospNum, fixture::InPatientIdNum, true);
        EXPECT_EQ(test.app.CurRoomClassID, "C");
        EXPECT_TRUE(CloseWindow(window));
        EXPECT_FALSE(test.app.Forms.IsLoaded<ward::frmSearchRecievable>());
        EXPECT_EQ(test.app.CurPatientName, "LIST, PATIENT");
        EXPECT_EQ(test.app.CurRoomClassID, "D");
        EXPECT_EQ(test.app.CurStationName, "SIC");
        EXPECT_EQ(test.app.CurIdNum, c.curIdNum);
    }
}

} // namespace
