#include "platform/db/SqlText.h"
#include "requestentry/frmPTRequestEntry.h"
#include "shell/frmTransaction_UserValidation.h"
#include "testkit/FixtureRequestEntry.h"
#include "testkit/FixtureSignIn.h"
#include "testkit/UserActions.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace testkit;
namespace fixture = testkit::ward_fixture;
using ward::frmPTRequestEntry;

namespace {

const std::string Id = fixture::InPatientIdNum;
const std::string ErrorShown = "\n\nPlease notify your IT department.";
constexpr int Notice = forms::vbOKOnly | forms::vbInformation;
const std::vector<std::string> ListColumns = {"Remarks",   "RequestingMD", "DateRequested", "RequestedBy",
                                              "Status",    "ProcessDate",  "ProcessedBy",   "RevokeDate",
                                              "RevokedBy", "RequestNum"};

std::string SignInCheck() {
    return fixture::ActingUserCheck(fixture::ActingNurseCode, fixture::SignInOf(fixture::ActingNurseCode).enciphered);
}
std::string LoadQuery() { return "STATION..LoadPTRequests " + db::SqlQuote(Id); }
Row Request(const std::string& remarks, const std::string& status, const std::string& number) {
    return {remarks, "LIM, RAMON", "12/10/2026 09:00", fixture::NurseCode, status, "", "", "", "", number};
}
std::vector<Row> Requests() {
    return {Request("GAIT TRAINING", "Pending", "41"), Request("CHEST PT", " processed ", "42"),
            Request("ROM EXERCISE", "CANCELED", "43")};
}
std::string Insert(const std::string& remarks, const std::string& doctor) {
    return "INSERT INTO STATION..tbNursePTRequestLink (IDNum, NurseID, Remarks, RequestDocID, RequestDate, Status) "
           "VALUES ('" +
           Id + "','" + fixture::ActingNurseCode + "', " + db::SqlQuote(remarks) + ",'" + doctor + "',GETDATE(),'P')";
}
std::string Revoke(const std::string& number) {
    return "UPDATE STATION..tbNursePTRequestLink SET Status = 'C' WHERE Requestnum = '" + number + "'";
}
std::string LogRow(const std::string& number) {
    return "Insert Into STATION..tbStationLogs(Idnum,Transdate,Remarks,UserID,Hostname,StationID) Values('" + Id +
           "',GetDate(), 'CANCELED PT REQUEST: " + number + "','" + fixture::ActingNurseCode + "',Host_Name(),'" +
           fixture::StationID + "')";
}

// The entry opened for the in-patient as the other-departments list opens it, kept open for the test.
struct Entry {
    TestApp test;
    frmPTRequestEntry* window = nullptr;

    explicit Entry(const std::vector<Row>& requests = Requests()) {
        fixture::DeclareSignIns(test.server);
        test.app.StationID = fixture::StationID;
        test.server.On(LoadQuery()).Returns(ListColumns, requests);
        frmPTRequestEntry& entry = test.app.Forms.Instance<frmPTRequestEntry>();
        entry.PName = "DELA CRUZ, JUAN";
        entry.ID = Id;
        entry.Hosp = fixture::InPatientHospNum;
        entry.Room = "301";
        entry.Show();
        window = &entry;
        // The focus starts in the code box, whose check would answer any click: it waits in the remarks.
        Code().SetText("0");
        Name().SetText("X");
        W().txtRemarks.SetFocus();
        Code().SetText("");
        Name().SetText("");
    }
    frmPTRequestEntry& W() { return *window; }
    forms::TextBox& Code() { return W().txtRequestingDoctor(1); }
    forms::TextBox& Name() { return W().txtRequestingDoctor(0); }
    void KnowDoctor(const std::string& code) {
        test.codeSearch.answers[{1, code}] = [code](FakeCodeSearch& search) {
            search.doctor = {code, " LIM ", " RAMON ", "", false};
        };
    }
    void FillRequest(const std::string& remarks) {
        Code().SetText("0");
        Name().SetText("DR. SANTOS");
        W().txtRemarks.SetText(remarks);
    }
    std::vector<std::string> Column(int col) {
        std::vector<std::string> cells;
        for (int row = 0; row < W().mshflexList.Rows(); ++row)
            cells.push_back(W().mshflexList.TextMatrix(row, col));
        return cells;
    }
    void Pick(int row) { ClickCell(W().mshflexList, row, 1); }
};

TEST(PTRequestEntry, LoadsTheHeaderAndListsTheRequestsInTheirColours) {
    Entry e;
    frmPTRequestEntry& w = e.W();
    EXPECT_EQ(w.Caption(), "Rehabilitation Medicine - Request Entry");
    EXPECT_EQ(w.txtPatient.Text(), "DELA CRUZ, JUAN");
    EXPECT_EQ(w.txtId.Text(), Id);
    EXPECT_EQ(w.txtRoom.Text(), "301");
    EXPECT_EQ(e.Column(5), (std::vector<std::string>{"Status ", "Pending", " processed ", "CANCELED"}))
        << "the layout's titles stay over the bound rows";
    EXPECT_EQ(w.mshflexList.TextMatrix(0, 10), "Request No.");
    for (int col = 1; col <= 10; ++col) {
        EXPECT_EQ(w.mshflexList.FormatOf(1, col).ForeColor, 0u) << col;
        EXPECT_EQ(w.mshflexList.FormatOf(2, col).ForeColor, 65280u) << col;
        EXPECT_EQ(w.mshflexList.FormatOf(3, col).ForeColor, 255u) << col;
    }
    EXPECT_EQ(w.mshflexList.FormatOf(3, 0).ForeColor, 0u);
    EXPECT_EQ(w.mshflexList.ColWidth(1), 3000);
    EXPECT_EQ(w.mshflexList.ColWidth(10), 2000);
    EXPECT_FALSE(w.cmdRevoke.Enabled());
}

TEST(PTRequestEntry, AnAdmissionWithoutRequestsShowsTheEmptyLayout) {
    Entry e(std::vector<Row>{});
    EXPECT_EQ(e.W().mshflexList.Rows(), 2);
    EXPECT_EQ(e.W().mshflexList.Cols(), 11);
    EXPECT_EQ(e.W().mshflexList.TextMatrix(0, 1), "Remarks   ");
    e.Pick(1);
    EXPECT_TRUE(e.W().cmdRevoke.Enabled());
    e.test.host.ExpectMsgBox("Please select item to cancel.").Title("Notification").Buttons(Notice);
    Click(e.W().cmdRevoke);
}

TEST(PTRequestEntry, SaveAsksForTheDoctorAndTheRemarksFirst) {
    struct Case {
        std::string name, code, doctor, remarks, message;
        bool focusOnCode;
    };
    const Case cases[] = {
        {"no code", "", "DR. SANTOS", "GAIT", "Please provide requesting doctor.", true},
        {"no name", "0", " ", "GAIT", "Please provide requesting doctor.", true},
        {"no remarks", "0", "DR. SANTOS", "  ", "Please provide remarks written by requesting doctor.", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Entry e;
        e.Code().SetText(c.code);
        e.Name().SetText(c.doctor);
        e.W().txtRemarks.SetText(c.remarks);
        e.test.host.ExpectMsgBox(c.message).Title("Notification").Buttons(Notice);
        const std::size_t mark = e.test.server.Mark();
        Click(e.W().Command1(0));
        EXPECT_TRUE(e.test.server.SentExactly({}, mark));
        EXPECT_TRUE(c.focusOnCode ? e.Code().HasFocus() : e.W().txtRemarks.HasFocus());
    }
}

TEST(PTRequestEntry, SaveInsertsTheRequestOfTheValidatedNurseAndRefreshes) {
    for (bool signedIn : {true, false}) {
        SCOPED_TRACE(signedIn ? "signed in" : "validation given up");
        Entry e;
        e.FillRequest("PT BID, PATIENT'S KNEE");
        const std::string sql = Insert("PT BID, PATIENT'S KNEE", "0");
        if (signedIn) {
            fixture::SignInAsActingUser(e.test, fixture::ActingNurseCode);
            e.test.server.On(sql).Affects(1);
            e.test.host.ExpectMsgBox("PT request successfully saved.").Title("Notification").Buttons(Notice);
        } else {
            e.test.host.OnModal<ward::frmTransaction_UserValidation>(
                [](ward::frmTransaction_UserValidation& dialog) { dialog.Unload(); });
        }
        e.Pick(1);
        const std::size_t mark = e.test.server.Mark();
        Click(e.W().Command1(0));
        std::vector<std::string> sent;
        if (signedIn)
            sent.push_back(sql);
        sent.push_back(LoadQuery());
        EXPECT_THAT(e.test.server.Statements(mark), testing::IsSupersetOf(sent));
        EXPECT_EQ(e.test.server.Statements(mark).back(), LoadQuery()) << "the list is read again";
        EXPECT_THAT(sql, testing::HasSubstr("'PT BID, PATIENT''S KNEE'"));
        EXPECT_EQ(e.W().txtRemarks.Text(), signedIn ? "" : "PT BID, PATIENT'S KNEE");
        EXPECT_EQ(e.Code().Text(), signedIn ? "" : "0");
        EXPECT_FALSE(e.W().cmdRevoke.Enabled());
    }
}

TEST(PTRequestEntry, AFailedSaveIsShownAndTheListStillRefreshed) {
    Entry e;
    e.FillRequest("GAIT");
    fixture::SignInAsActingUser(e.test, fixture::ActingNurseCode);
    e.test.server.On(Insert("GAIT", "0")).Fails("Scripted failure", 50000);
    e.test.host.ExpectMsgBox("Scripted failure" + ErrorShown).Title("Notification");
    const std::size_t mark = e.test.server.Mark();
    Click(e.W().Command1(0));
    EXPECT_EQ(e.test.server.Statements(mark).back(), LoadQuery());
    EXPECT_EQ(e.W().txtRemarks.Text(), "GAIT");
}

TEST(PTRequestEntry, RevokeRefusesProcessedAndCancelledRequests) {
    struct Case {
        int row;
        std::string message;
    };
    const Case cases[] = {{2, "Sorry, this item was already processed by Rehabilitation Medicine."},
                          {3, "Sorry, this item is already canceled."}};
    for (const Case& c : cases) {
        Entry e;
        e.Pick(c.row);
        e.test.host.ExpectMsgBox(c.message).Title("Notification").Buttons(Notice);
        const std::size_t mark = e.test.server.Mark();
        Click(e.W().cmdRevoke);
        EXPECT_TRUE(e.test.server.SentExactly({}, mark));
    }
}

TEST(PTRequestEntry, RevokeCancelsAPendingRequestWithItsLogRowInOneTransaction) {
    Entry e;
    e.Pick(1);
    fixture::SignInAsActingUser(e.test, fixture::ActingNurseCode);
    e.test.server.On(Revoke("41")).Affects(1);
    e.test.server.On(LogRow("41")).Affects(1);
    e.test.host.ExpectMsgBox("Item was successfully canceled.").Title("Notification").Buttons(Notice);
    const std::size_t mark = e.test.server.Mark();
    Click(e.W().cmdRevoke);
    EXPECT_TRUE(e.test.server.SentExactly({SignInCheck(), LoadQuery(), Revoke("41"), LogRow("41"), LoadQuery()}, mark));
    EXPECT_FALSE(e.W().cmdRevoke.Enabled());
}

TEST(PTRequestEntry, RevokeGivenUpAtTheValidationSendsNothing) {
    Entry e;
    e.Pick(1);
    e.test.host.OnModal<ward::frmTransaction_UserValidation>(
        [](ward::frmTransaction_UserValidation& dialog) { dialog.Unload(); });
    const std::size_t mark = e.test.server.Mark();
    Click(e.W().cmdRevoke);
    EXPECT_TRUE(e.test.server.SentExactly({}, mark));
}

// The department may have processed the request since the list loaded: it is read again before the update.
TEST(PTRequestEntry, RevokeReadsTheRequestAgainAndRefusesOneChangedMeanwhile) {
    struct Case {
        std::string name;
        std::vector<Row> now;
        std::string message;
    };
    const Case cases[] = {
        {"processed",
         {Request("GAIT TRAINING", "PROCESSED", "41")},
         "Sorry, this item was already processed by Rehabilitation Medicine."},
        {"cancelled", {Request("GAIT TRAINING", "canceled", "41")}, "Sorry, this item is already canceled."},
        {"gone", {Request("CHEST PT", "Pending", "42")}, "Please select item to cancel."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Entry e;
        e.Pick(1);
        fixture::SignInAsActingUser(e.test, fixture::ActingNurseCode);
        e.test.server.Instead(LoadQuery()).Returns(ListColumns, c.now);
        e.test.host.ExpectMsgBox(c.message).Title("Notification");
        const std::size_t mark = e.test.server.Mark();
        Click(e.W().cmdRevoke);
        EXPECT_TRUE(e.test.server.SentExactly({SignInCheck(), LoadQuery(), LoadQuery()}, mark))
            << "nothing updated, list refreshed";
    }
}

TEST(PTRequestEntry, AFailedRevokeCommitsNothingAndRevokesOnceWhenTriedAgain) {
    std::unique_ptr<Entry> world;
    int run = 0;
    const std::vector<std::string> failures = {"", "Scripted failure", "Scripted failure", "Scripted commit failure"};
    auto fresh = [&]() -> ScriptedServer& {
        world = std::make_unique<Entry>();
        world->Pick(1);
        fixture::SignInAsActingUser(world->test, fixture::ActingNurseCode);
        world->test.server.On(Revoke("41")).Affects(1);
        world->test.server.On(LogRow("41")).Affects(1);
        if (run == 0)
            world->test.host.ExpectMsgBox("Item was successfully canceled.");
        else
            world->test.host.ExpectMsgBox(failures.at(static_cast<std::size_t>(run)) + ErrorShown)
                .Title("Notification");
        return world->test.server;
    };
    auto revoke = [&] {
        Click(world->W().cmdRevoke);
        ++run;
    };
    EXPECT_TRUE(EachFailureCommitsNothing(fresh, revoke, FailureScope::InsideTransactions));
    EXPECT_EQ(run, 4) << "one revoke, two failing statements, one failing commit";
}

TEST(PTRequestEntry, TheDoctorIsFoundByCodeOrTypedUnderCodeZero) {
    Entry e;
    e.KnowDoctor("D0101");
    // A known code fills both boxes on Enter; the focus stays in the code box.
    e.Code().SetFocus();
    Type(e.Code(), "d0101");
    EXPECT_EQ(e.Code().Text(), "D0101") << "typed in upper case";
    PressKey(e.Code(), forms::vbKeyReturn);
    EXPECT_EQ(e.Name().Text(), "LIM, RAMON");
    EXPECT_FALSE(e.Name().Enabled());
    EXPECT_TRUE(e.Code().HasFocus());

    // Code "0": Enter empties the name box, asks for the name and gives it the focus.
    e.Code().SetText("0");
    e.test.host.ExpectMsgBox("Please enter the name of the requesting doctor.")
        .Title("Notification")
        .Buttons(forms::vbOKOnly | forms::vbExclamation);
    PressKey(e.Code(), forms::vbKeyReturn);
    EXPECT_EQ(e.Name().Text(), "");
    EXPECT_TRUE(e.Name().Enabled());
    EXPECT_TRUE(e.Name().HasFocus());
    Type(e.Name(), "dr. santos");
    EXPECT_EQ(e.Name().Text(), "DR. SANTOS");
    // Enter in the name box moves on as Tab does.
    PressKey(e.Name(), forms::vbKeyReturn);
    EXPECT_FALSE(e.Name().HasFocus());

    // An unknown code keeps the focus in the box being left.
    e.Code().SetFocus();
    e.Code().SetText("D0999");
    e.test.host.ExpectMsgBox("Doctor code not exist.").Title("Notification").Buttons(Notice);
    e.W().txtRemarks.SetFocus();
    EXPECT_TRUE(e.Code().HasFocus());

    // The search button fills both boxes, or reports a miss in its own words.
    e.Code().SetText("D0101");
    e.W().txtRemarks.SetFocus();
    e.Name().SetText("");
    Click(e.W().cmdReqDoc);
    EXPECT_EQ(e.Name().Text(), "LIM, RAMON");
    e.W().txtRemarks.SetFocus();
    e.Code().SetText("D0999");
    e.test.host.ExpectMsgBox("Doctor code does not exist.").Title("Notification").Buttons(Notice);
    Click(e.W().cmdReqDoc);
}

TEST(PTRequestEntry, CloseAsksFirst) {
    Entry e;
    e.test.host.ExpectMsgBox("Are you sure to close Rehabilitation Medicine request entry?")
        .Title("Confirmation")
        .Buttons(forms::vbYesNo | forms::vbQuestion)
        .Answer(forms::vbNo);
    Click(e.W().Command1(2));
    EXPECT_TRUE(e.W().IsLoaded());
    e.test.host.ExpectMsgBox("Are you sure to close Rehabilitation Medicine request entry?").Answer(forms::vbYes);
    Click(e.W().Command1(2));
    EXPECT_FALSE(e.test.app.Forms.IsLoaded<frmPTRequestEntry>());
}

} // namespace
