#include "chart/frmFinal.h"
#include "core/frmReportViewer.h"
#include "platform/vb/Conversions.h"
#include "platform/vb/DateSerialNumber.h"
#include "platform/vb/Format.h"
#include "shell/frmTransaction_UserValidation.h"
#include "testkit/FixtureChart.h"
#include "testkit/FixtureSignIn.h"
#include "testkit/UserActions.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>

using namespace testkit;
namespace fixture = testkit::ward_fixture;

namespace {

const std::string IdNum = fixture::InPatientIdNum;
const std::string ErrorShown = "\n\nPlease notify your IT department.";

std::string SaveCall(const std::string& text, const std::string& user = fixture::ActingNurseCode) {
    return "STATION..Nurse_SaveNursingNotes '2026001234','12/11/2026 08:30:00 AM','" + text + "','6AM-2PM','" + user +
           "','SIC'";
}

std::string OwnerQuery(const std::string& number, const std::string& user) {
    return "Select * from Station..tbNurseNotes Where TransNum = " + number + " and UserID ='" + user + "'";
}

std::string DeleteCall(const std::string& number) {
    return "DELETE Station..tbNurseNotes WHERE TransNum = '" + number + "'";
}

std::string LogInsert(const std::string& text, const std::string& user = fixture::ActingNurseCode) {
    return "Insert Into STATION..tbStationLogs(Idnum,Transdate,Remarks,UserID,Hostname,StationID) "
           "Values('2026001234',GetDate(), 'DELETED NURSE NOTES: " +
           text + "','" + user + "',Host_Name(),'SIC')";
}

std::string SignInCheck(const std::string& user) {
    return fixture::ActingUserCheck(user, fixture::SignInOf(user).enciphered);
}

const std::vector<std::string> Reload = {fixture::ServerDateQuery, fixture::NotesQuery(IdNum)};

std::vector<std::string> Then(std::vector<std::string> first, const std::vector<std::string>& more) {
    first.insert(first.end(), more.begin(), more.end());
    return first;
}

// The in-patient's chart, its header loaded, the Nurses Notes tab opened (unless asked not to).
struct NotesPage {
    TestApp test;
    ward::frmFinal& chart;

    explicit NotesPage(bool openTab = true) : chart(Open(test)) {
        fixture::DeclareSignIns(test.server);
        fixture::DeclareNotes(test.server, IdNum);
        if (openTab)
            OpenTab();
    }

    static ward::frmFinal& Open(TestApp& test) {
        fixture::AddPeople(test);
        ward::frmFinal& chart = fixture::OpenChart(test);
        test.host.FireTimer(chart.Timer1);
        return chart;
    }

    void OpenTab() { ChooseTab(chart.tabSSTab1, 4); }

    void ShowPastNotes() { ChooseTab(chart.SSNotebookNotes, 1); }

    void PickNote(int row) {
        ShowPastNotes();
        ClickCell(chart.mshflexPrevNotes, row, 1);
    }

    void SignIn(const std::string& user) { fixture::SignInAsActingUser(test, user); }

    void GiveUpSignIn() {
        test.host.OnModal<ward::frmTransaction_UserValidation>(
            [](ward::frmTransaction_UserValidation& dialog) { PressKey(dialog.txtUserID, forms::vbKeyEscape); });
    }

    void ExpectError(const std::string& message = "Scripted failure") {
        test.host.ExpectMsgBox(message + ErrorShown).Title("Notification");
    }

    // Validates as the note's writer and switches the panel on.
    void EditAs(const std::string& user, const std::string& number, bool owns = true) {
        std::vector<Row> rows;
        if (owns)
            rows = {{std::int32_t{std::stoi(number)}}};
        test.server.On(OwnerQuery(number, user)).Returns({"TransNum"}, rows);
        SignIn(user);
        Click(chart.cmdSaveNotes(1));
    }

    bool PanelOn() const {
        return chart.txtPrevNotes.Enabled() && !chart.txtPrevNotes.Locked() && chart.dtpNotes(2).Enabled() &&
               chart.dtpNotes(3).Enabled() && chart.cboShift(1).Enabled() && chart.cmdSaveNotes(2).Enabled();
    }
};

TEST(NotesList, ListsTheNotesUnderItsOwnTitlesAndPresetsANewNoteAtTheServersTime) {
    NotesPage p(false);
    const std::size_t mark = p.test.server.Mark();
    p.OpenTab();
    EXPECT_TRUE(p.test.server.SentExactly(Reload, mark));

    const forms::MSHFlexGrid& grid = p.chart.mshflexPrevNotes;
    EXPECT_EQ(grid.Rows(), 4);
    const std::vector<std::string> titles = {"Date / Time", "Day Shift", "Entered By", "User ID"};
    for (int col = 1; col <= 4; ++col)
        EXPECT_EQ(grid.TextMatrix(0, col), titles[col - 1]);
    const int widths[] = {1, 1700, 1000, 2500, 1000, 0};
    for (int col = 0; col < 6; ++col)
        EXPECT_EQ(grid.ColWidth(col), widths[col]) << col;
    const std::vector<fixture::FixtureNote> notes = fixture::Notes(IdNum);
    for (int row = 1; row <= 3; ++row) {
        const fixture::FixtureNote& note = notes[static_cast<std::size_t>(row - 1)];
        EXPECT_EQ(grid.TextMatrix(row, 1), forms::GridTextOf(note.written));
        EXPECT_EQ(grid.TextMatrix(row, 2), note.shift);
        EXPECT_EQ(grid.TextMatrix(row, 3), note.writer);
        EXPECT_EQ(grid.TextMatrix(row, 4), note.userID);
        EXPECT_EQ(grid.TextMatrix(row, 5), note.number);
    }
    EXPECT_TRUE(grid.Enabled());
    EXPECT_FALSE(p.chart.cmdSaveNotes(0).Enabled());
    EXPECT_FALSE(p.chart.cmdSaveNotes(1).Enabled());
    EXPECT_EQ(p.chart.ActiveControl(), &p.chart.txtNotesEntry);

    forms::DTPicker& date = p.chart.dtpNotes(0);
    EXPECT_EQ(date.Value(), vb::MakeDate({2026, 12, 11}));
    EXPECT_EQ(date.MinDate(), vb::MakeDate({2026, 12, 7}));
    EXPECT_EQ(date.MaxDate(), vb::MakeDate({2026, 12, 11}));
    EXPECT_FALSE(PickDate(date, vb::MakeDate({2026, 12, 6})));
    EXPECT_FALSE(PickDate(date, vb::MakeDate({2026, 12, 12})));
    EXPECT_TRUE(PickDate(date, vb::MakeDate({2026, 12, 7})));
    EXPECT_EQ(vb::Format(p.chart.dtpNotes(1).Value(), "hh:mm:ss AM/PM"), "08:30:00 AM");
    EXPECT_EQ(p.chart.cboShift(0).Text(), "6AM-2PM");
}

TEST(NotesList, PresetsTheShiftOfANewNoteByTheServersHour) {
    const std::vector<std::pair<vb::Date, std::string>> cases = {
        {vb::MakeDate({2026, 12, 11, 14, 30, 0}), "6AM-2PM"},  {vb::MakeDate({2026, 12, 11, 15, 0, 0}), "2PM-10PM"},
        {vb::MakeDate({2026, 12, 11, 22, 59, 0}), "2PM-10PM"}, {vb::MakeDate({2026, 12, 11, 23, 0, 0}), "10PM-6AM"},
        {vb::MakeDate({2026, 12, 11, 5, 59, 0}), "10PM-6AM"},  {vb::MakeDate({2026, 12, 11, 6, 0, 0}), "6AM-2PM"},
    };
    for (const auto& [now, shift] : cases) {
        NotesPage p(false);
        p.test.server.Instead(fixture::ServerDateQuery).Returns({"Tdate"}, {{now}});
        p.OpenTab();
        EXPECT_EQ(p.chart.cboShift(0).Text(), shift) << vb::Format(now, "hh:mm");
    }
}

TEST(NotesList, AnAdmissionWithoutNotesShowsOneEmptyRowAndCannotBePicked) {
    NotesPage p(false);
    p.test.server.Instead(fixture::NotesQuery(IdNum)).Returns(fixture::NotesListColumns, {});
    p.OpenTab();
    const forms::MSHFlexGrid& grid = p.chart.mshflexPrevNotes;
    EXPECT_EQ(grid.Rows(), 2);
    EXPECT_EQ(grid.TextMatrix(0, 3), "Entered By");
    EXPECT_EQ(grid.TextMatrix(1, 1), "");
    EXPECT_FALSE(grid.Enabled());

    // Deleting with nothing listed refuses before anything is asked.
    p.ShowPastNotes();
    p.test.host.ExpectMsgBox("Sorry, no data to delete.")
        .Title("Notification")
        .Buttons(forms::vbInformation + forms::vbOKOnly);
    const std::size_t mark = p.test.server.Mark();
    Click(p.chart.cmdDeleteNote);
    EXPECT_TRUE(p.test.server.SentExactly({}, mark));
    EXPECT_TRUE(p.test.host.ModalShows().empty());
}

TEST(NotesList, APickedNoteShowsItsStoredFieldsAndOffersEditAndPrint) {
    NotesPage p;
    const std::size_t mark = p.test.server.Mark();
    p.PickNote(2);
    EXPECT_TRUE(p.test.server.SentExactly({fixture::NoteQuery("102")}, mark));
    EXPECT_EQ(p.chart.lblInfo(13).Caption(), " REYES, ANA");
    EXPECT_EQ(p.chart.dtpNotes(2).Value(), vb::MakeDate({2026, 12, 9}));
    EXPECT_EQ(vb::Format(p.chart.dtpNotes(3).Value(), "hh:mm:ss AM/PM"), "03:40:00 PM");
    EXPECT_EQ(p.chart.cboShift(1).Text(), "2PM-10PM");
    EXPECT_EQ(p.chart.txtPrevNotes.Text(), "Complained of pain at the incision site; doctor informed.");
    EXPECT_TRUE(p.chart.cmdNotesPrint.Enabled());
    EXPECT_TRUE(p.chart.cmdSaveNotes(1).Enabled());
    EXPECT_FALSE(p.chart.cmdSaveNotes(2).Enabled());
    EXPECT_FALSE(p.PanelOn());
}

TEST(NotesList, APickThatFindsNoNoteKeepsThePanelAndNullFieldsReadAsEmpty) {
    struct PickCase {
        std::string name;
        std::function<void(NotesPage&)> arrange;
        std::string shift, text;
        bool printable;
        std::vector<std::string> sent;
    };
    const fixture::FixtureNote first = fixture::Notes(IdNum)[0];
    const std::vector<PickCase> cases = {
        {"note gone",
         [](NotesPage& p) { p.test.server.Instead(fixture::NoteQuery("102")).Returns(fixture::NoteColumns, {}); },
         first.shift,
         first.text,
         false,
         {fixture::NoteQuery("102")}},
        {"null shift and text",
         [](NotesPage& p) {
             p.test.server.Instead(fixture::NoteQuery("102"))
                 .Returns(fixture::NoteColumns, {{std::int32_t{102}, IdNum, vb::MakeDate({2026, 12, 9, 15, 40, 0}),
                                                  vb::Variant::Null(), vb::Variant::Null(), "N0002", "SIC"}});
         },
         "",
         "",
         true,
         {fixture::NoteQuery("102")}},
        {"number that is no whole number",
         [](NotesPage& p) { p.chart.mshflexPrevNotes.SetTextMatrix(2, 5, "102 OR 1=1"); },
         first.shift,
         first.text,
         false,
         {}},
    };
    for (const PickCase& c : cases) {
        NotesPage p;
        p.PickNote(1);
        c.arrange(p);
        const std::size_t mark = p.test.server.Mark();
        ClickCell(p.chart.mshflexPrevNotes, 2, 1);
        EXPECT_TRUE(p.test.server.SentExactly(c.sent, mark)) << c.name;
        EXPECT_EQ(p.chart.cboShift(1).Text(), c.shift) << c.name;
        EXPECT_EQ(p.chart.txtPrevNotes.Text(), c.text) << c.name;
        EXPECT_EQ(p.chart.cmdNotesPrint.Enabled(), c.printable) << c.name;
    }
}

TEST(NotesSave, SavesTheTypedNoteForTheValidatedNurseAndReloadsTheList) {
    struct SaveCase {
        std::string name;
        std::string text;
        bool pasted;
        // The validation's answers: "up" a given-up dialog, else the nurse who signs in; then the retry answers.
        std::vector<std::string> dialogs;
        std::vector<int> retries;
        std::vector<std::string> sent; // empty: nothing after the sign-ins
        bool saved;
    };
    const std::string retry =
        "Unable to continue this transaction! \r\nAre you sure you want to save this Nurses Notes?";
    const std::vector<SaveCase> cases = {
        {"signed in", "Stable, afebrile", false, {"N0002"}, {}, {SaveCall("Stable, afebrile")}, true},
        {"pasted apostrophe",
         "Patient's wife at bedside",
         true,
         {"N0002"},
         {},
         {SaveCall("Patient`s wife at bedside")},
         true},
        {"blanks only", "   ", true, {"N0002"}, {}, {SaveCall("   ")}, true},
        {"given up, then No", "Stable", false, {"up"}, {forms::vbNo}, {}, false},
        {"given up, then Yes", "Stable", false, {"up", "N0001"}, {forms::vbYes}, {SaveCall("Stable", "N0001")}, true},
    };
    for (const SaveCase& c : cases) {
        NotesPage p;
        if (c.pasted)
            p.chart.txtNotesEntry.SetText(c.text);
        else
            Type(p.chart.txtNotesEntry, c.text);
        EXPECT_TRUE(p.chart.cmdSaveNotes(0).Enabled()) << c.name;
        std::vector<std::string> sent;
        for (const std::string& dialog : c.dialogs) {
            if (dialog == "up") {
                p.GiveUpSignIn();
            } else {
                p.SignIn(dialog);
                sent.push_back(SignInCheck(dialog));
            }
        }
        for (int answer : c.retries)
            p.test.host.ExpectMsgBox(retry)
                .Title("Message")
                .Buttons(forms::vbYesNo + forms::vbInformation)
                .Answer(answer);
        for (const std::string& statement : c.sent) {
            p.test.server.On(statement).Affects(1);
            sent.push_back(fixture::ServerDateQuery);
            sent.push_back("BEGIN TRANSACTION");
            sent.push_back("  " + statement);
            sent.push_back("COMMIT");
            sent.insert(sent.end(), Reload.begin(), Reload.end());
        }
        const std::size_t before = p.test.server.Transcript().size();

        Click(p.chart.cmdSaveNotes(0));

        const std::vector<std::string> transcript = p.test.server.Transcript();
        EXPECT_EQ(std::vector<std::string>(transcript.begin() + static_cast<std::ptrdiff_t>(before), transcript.end()),
                  sent)
            << c.name;
        EXPECT_EQ(p.chart.txtNotesEntry.Text(), c.saved ? "" : c.text) << c.name;
        EXPECT_TRUE(p.chart.cmdSaveNotes(0).Enabled()) << c.name << ": emptying the box arms Save again";
    }
}

TEST(NotesSave, AnEmptyNoteIsRefusedAndDisarmsSave) {
    NotesPage p;
    Type(p.chart.txtNotesEntry, "x");
    p.chart.txtNotesEntry.SetText("");
    p.test.host.ExpectMsgBox("No Data to Save?").Buttons(forms::vbOKOnly);
    const std::size_t mark = p.test.server.Mark();
    Click(p.chart.cmdSaveNotes(0));
    EXPECT_TRUE(p.test.server.SentExactly({}, mark));
    EXPECT_TRUE(p.test.host.ModalShows().empty());
    EXPECT_FALSE(p.chart.cmdSaveNotes(0).Enabled());
}

TEST(NotesSave, AFailedSaveCommitsNothingKeepsTheNoteAndSavesOnceWhenTriedAgain) {
    std::unique_ptr<NotesPage> world;
    int run = 0;
    const std::vector<std::string> failures = {"", "Scripted failure", "Scripted commit failure"};
    const std::string sql = SaveCall("Stable");
    auto fresh = [&]() -> ScriptedServer& {
        world.reset();
        world = std::make_unique<NotesPage>();
        Type(world->chart.txtNotesEntry, "Stable");
        world->test.server.On(sql).Affects(1);
        world->SignIn(fixture::ActingNurseCode);
        if (run > 0)
            world->ExpectError(failures.at(static_cast<std::size_t>(run)));
        return world->test.server;
    };
    auto save = [&] {
        Click(world->chart.cmdSaveNotes(0));
        if (run > 0) {
            EXPECT_EQ(world->chart.txtNotesEntry.Text(), "Stable") << run;
            EXPECT_TRUE(world->chart.cmdSaveNotes(0).Enabled()) << run;
        }
        ++run;
    };
    EXPECT_TRUE(EachFailureCommitsNothing(fresh, save, FailureScope::InsideTransactions));
    EXPECT_EQ(run, 3) << "one save, one failing statement, one failing commit";

    world.reset();
    world = std::make_unique<NotesPage>();
    NotesPage& p = *world;
    Type(p.chart.txtNotesEntry, "Stable");
    p.test.server.On(sql).Affects(1);
    const std::size_t mark = p.test.server.Mark();
    p.test.server.FailStatement(mark + 2);
    p.SignIn(fixture::ActingNurseCode);
    p.ExpectError();
    Click(p.chart.cmdSaveNotes(0));
    p.SignIn(fixture::ActingNurseCode);
    Click(p.chart.cmdSaveNotes(0));
    EXPECT_EQ(p.test.server.CommittedWrites(mark), std::vector<std::string>{sql});
}

std::string UpdateCall(const std::string& shift, const std::string& written, const std::string& text,
                       const std::string& number) {
    return "STATION..sp_Nurse_Update_NurseNotes_New '" + shift + "','" + written + "','" + text + "'," + number;
}

TEST(NotesEdit, TheWriterEditsHerNoteAndUpdateSendsThePanelsNote) {
    struct EditCase {
        std::string name;
        std::function<void(NotesPage&)> afterEdit;
        std::string update;
    };
    const std::vector<EditCase> cases = {
        {"text with an apostrophe and a changed shift",
         [](NotesPage& p) {
             p.chart.txtPrevNotes.SetText("Patient's pain eased.");
             ChooseComboLine(p.chart.cboShift(1), "2PM-10PM");
         },
         UpdateCall("2PM-10PM", "12/08/2026 07:15:00 AM", "Patient`s pain eased.", "101")},
        {"no shift shown: the list's", [](NotesPage& p) { p.chart.cboShift(1).SetText(""); },
         UpdateCall("6AM-2PM", "12/08/2026 07:15:00 AM", "Patient rested well. Vital signs stable.", "101")},
        {"current row moved by the keys after Edit",
         [](NotesPage& p) {
             PressKey(p.chart.mshflexPrevNotes, forms::vbKeyDown);
             ASSERT_EQ(p.chart.mshflexPrevNotes.Row(), 2);
             p.chart.txtPrevNotes.SetText("Rested.");
         },
         UpdateCall("6AM-2PM", "12/08/2026 07:15:00 AM", "Rested.", "101")},
    };
    for (const EditCase& c : cases) {
        NotesPage p;
        p.PickNote(1);
        const std::size_t mark = p.test.server.Mark();
        p.EditAs(fixture::NurseCode, "101");
        EXPECT_TRUE(p.test.server.SentExactly({SignInCheck(fixture::NurseCode), OwnerQuery("101", "N0001")}, mark))
            << c.name;
        EXPECT_TRUE(p.PanelOn()) << c.name;
        EXPECT_TRUE(p.chart.cmdSaveNotes(1).Enabled()) << c.name;
        c.afterEdit(p);
        p.test.server.On(c.update).Affects(1);
        p.test.host.ExpectMsgBox("Nurses Notes Successfully Updated.")
            .Title("Message")
            .Buttons(forms::vbInformation + forms::vbOKOnly);
        const std::size_t update = p.test.server.Mark();

        Click(p.chart.cmdSaveNotes(2));

        EXPECT_THAT(p.test.server.Transcript(), testing::Not(testing::Contains("BEGIN TRANSACTION"))) << c.name;
        EXPECT_TRUE(p.test.server.SentExactly(Then({OwnerQuery("101", "N0001"), c.update}, Reload), update)) << c.name;
        EXPECT_FALSE(p.PanelOn()) << c.name;
        EXPECT_TRUE(p.chart.txtPrevNotes.Locked()) << c.name;
        EXPECT_FALSE(p.chart.cmdSaveNotes(1).Enabled()) << c.name;
    }
}

TEST(NotesEdit, AnotherNursesNoteIsRefusedNamingItsWriter) {
    NotesPage p;
    p.PickNote(2);
    p.test.host.ExpectMsgBox("You are not allowed to edit this notes entered by: REYES, ANA")
        .Title("Message")
        .Buttons(forms::vbCritical + forms::vbOKOnly);
    p.EditAs(fixture::NurseCode, "102", false);
    EXPECT_FALSE(p.PanelOn());
    EXPECT_FALSE(p.chart.cmdSaveNotes(1).Enabled());
    EXPECT_EQ(p.chart.txtPrevNotes.Text(), "Complained of pain at the incision site; doctor informed.");
}

TEST(NotesEdit, EditGivenUpThenNoChangesNothing) {
    NotesPage p;
    p.PickNote(1);
    p.GiveUpSignIn();
    p.test.host
        .ExpectMsgBox("Unable to continue this transaction! \r\nAre you sure you want to Edit this Nurses Notes?")
        .Title("Message")
        .Answer(forms::vbNo);
    const std::size_t mark = p.test.server.Mark();
    Click(p.chart.cmdSaveNotes(1));
    EXPECT_TRUE(p.test.server.SentExactly({}, mark));
    EXPECT_FALSE(p.PanelOn());
}

TEST(NotesEdit, UpdateIsRefusedWhenTheEditorNoLongerOwnsTheNote) {
    NotesPage p;
    p.PickNote(1);
    p.EditAs(fixture::NurseCode, "101");
    p.test.server.Instead(OwnerQuery("101", "N0001")).Returns({"TransNum"}, {});
    p.test.host.ExpectMsgBox("You are not allowed to edit this notes entered by: SANTOS, MARIA")
        .Title("Message")
        .Buttons(forms::vbCritical + forms::vbOKOnly);
    const std::size_t mark = p.test.server.Mark();
    Click(p.chart.cmdSaveNotes(2));
    EXPECT_TRUE(p.test.server.SentExactly({OwnerQuery("101", "N0001")}, mark));
    EXPECT_TRUE(p.test.host.ModalShows().size() == 1u) << "no second validation";
}

TEST(NotesEdit, AFailedUpdateKeepsThePanelOpenWithTheEdit) {
    NotesPage p;
    p.PickNote(1);
    p.EditAs(fixture::NurseCode, "101");
    p.chart.txtPrevNotes.SetText("Rested.");
    const std::string update = UpdateCall("6AM-2PM", "12/08/2026 07:15:00 AM", "Rested.", "101");
    p.test.server.On(update).Fails("Deadlock victim", 1205);
    p.ExpectError("Deadlock victim");
    Click(p.chart.cmdSaveNotes(2));
    EXPECT_TRUE(p.PanelOn());
    EXPECT_EQ(p.chart.txtPrevNotes.Text(), "Rested.");
}

TEST(NotesDelete, DeletesTheCurrentNoteWithItsAuditRowInOneTransaction) {
    struct DeleteCase {
        std::string name;
        std::function<void(NotesPage&)> arrange;
        std::vector<std::string> reads; // before the transaction, after the sign-in
        std::string number, loggedText;
    };
    const std::vector<DeleteCase> cases = {
        {"the note the panel shows",
         [](NotesPage& p) { p.PickNote(1); },
         {},
         "101",
         "Patient rested well. Vital signs stable."},
        {"its number with blanks and leading zeros",
         [](NotesPage& p) {
             p.PickNote(1);
             p.chart.mshflexPrevNotes.SetTextMatrix(1, 5, " 0101 ");
         },
         {},
         "101",
         "Patient rested well. Vital signs stable."},
        {"the panel on another note",
         [](NotesPage& p) {
             p.PickNote(1);
             PressKey(p.chart.mshflexPrevNotes, forms::vbKeyDown);
             PressKey(p.chart.mshflexPrevNotes, forms::vbKeyDown);
         },
         {fixture::NoteQuery("103")},
         "103",
         "Slept through the night; patient`s IV line patent."},
    };
    for (const DeleteCase& c : cases) {
        NotesPage p;
        c.arrange(p);
        p.test.server.On(DeleteCall(c.number)).Affects(1);
        p.test.server.On(LogInsert(c.loggedText)).Affects(1);
        p.SignIn(fixture::ActingNurseCode);
        const std::size_t before = p.test.server.Transcript().size();

        Click(p.chart.cmdDeleteNote);

        std::vector<std::string> expected = Then({SignInCheck(fixture::ActingNurseCode)}, c.reads);
        expected = Then(expected,
                        {"BEGIN TRANSACTION", "  " + DeleteCall(c.number), "  " + LogInsert(c.loggedText), "COMMIT"});
        expected = Then(expected, Reload);
        const std::vector<std::string> transcript = p.test.server.Transcript();
        EXPECT_EQ(std::vector<std::string>(transcript.begin() + static_cast<std::ptrdiff_t>(before), transcript.end()),
                  expected)
            << c.name;
        EXPECT_EQ(p.chart.txtPrevNotes.Text(), "") << c.name;
        EXPECT_FALSE(p.PanelOn()) << c.name;
        EXPECT_FALSE(p.chart.cmdSaveNotes(1).Enabled()) << c.name;
    }
}

TEST(NotesDelete, GivingUpTheValidationSaysAndSendsNothing) {
    NotesPage p;
    p.PickNote(1);
    p.GiveUpSignIn();
    const std::size_t mark = p.test.server.Mark();
    Click(p.chart.cmdDeleteNote);
    EXPECT_TRUE(p.test.server.SentExactly({}, mark));
    EXPECT_EQ(p.test.host.MessageBoxes().size(), 0u);
}

TEST(NotesDelete, ANoteAlreadyGoneGetsNoAuditRow) {
    NotesPage p;
    p.PickNote(1);
    p.test.server.On(DeleteCall("101")).Affects(0);
    p.SignIn(fixture::ActingNurseCode);
    p.test.host.ExpectMsgBox("Sorry, no data to delete.").Title("Notification");
    const std::size_t mark = p.test.server.Mark();
    Click(p.chart.cmdDeleteNote);
    EXPECT_TRUE(p.test.server.CommittedWrites(mark).empty());
    EXPECT_EQ(p.test.server.Transcript().back(), "ROLLBACK");
}

TEST(NotesDelete, AFailureCommitsNeitherTheDeleteNorItsAuditRowAndLeavesTheList) {
    std::unique_ptr<NotesPage> world;
    int run = 0;
    const std::vector<std::string> failures = {"", "Scripted failure", "Scripted failure", "Scripted commit failure"};
    auto fresh = [&]() -> ScriptedServer& {
        world.reset();
        world = std::make_unique<NotesPage>();
        world->PickNote(1);
        world->test.server.On(DeleteCall("101")).Affects(1);
        world->test.server.On(LogInsert("Patient rested well. Vital signs stable.")).Affects(1);
        world->SignIn(fixture::ActingNurseCode);
        if (run > 0)
            world->ExpectError(failures.at(static_cast<std::size_t>(run)));
        return world->test.server;
    };
    auto remove = [&] {
        const std::size_t mark = world->test.server.Mark();
        Click(world->chart.cmdDeleteNote);
        if (run > 0) {
            EXPECT_THAT(world->test.server.Statements(mark), testing::Not(testing::Contains(Reload[1]))) << run;
            EXPECT_EQ(world->chart.mshflexPrevNotes.Rows(), 4) << run;
            EXPECT_EQ(world->chart.txtPrevNotes.Text(), "Patient rested well. Vital signs stable.") << run;
        }
        ++run;
    };
    EXPECT_TRUE(EachFailureCommitsNothing(fresh, remove, FailureScope::InsideTransactions));
    EXPECT_EQ(run, 4) << "one delete, two failing statements, one failing commit";
}

TEST(NotesPrint, PrintsTheCurrentNoteOrAllNotesOfTheAdmission) {
    NotesPage p;
    p.PickNote(2);
    p.test.host.OnModal<ward::frmReportViewer>([](ward::frmReportViewer& viewer) { EXPECT_TRUE(CloseWindow(viewer)); });
    Click(p.chart.cmdNotesPrint);
    ASSERT_EQ(p.test.reportEngine.Reports().size(), 1u);
    const RecordedReport& one = p.test.reportEngine.Last();
    EXPECT_EQ(one.path, p.test.host.AppPath() + "\\Reports\\NursesNotes.rpt");
    ASSERT_EQ(one.values.size(), 3u);
    EXPECT_EQ(vb::CStr(one.values[0]), IdNum);
    EXPECT_EQ(one.values[1].Type(), vb::VarType::Double);
    EXPECT_EQ(vb::CDbl(one.values[1]), 102);
    EXPECT_EQ(vb::CStr(one.values[2]), fixture::HospitalAddress);
    EXPECT_EQ(one.viewer.Caption, "Nurses Notes");
    EXPECT_FALSE(one.viewer.ShowGroupTree);

    p.test.host.OnModal<ward::frmReportViewer>([](ward::frmReportViewer& viewer) { EXPECT_TRUE(CloseWindow(viewer)); });
    Click(p.chart.cmdPrintAll);
    const RecordedReport& all = p.test.reportEngine.Last();
    EXPECT_EQ(all.path, p.test.host.AppPath() + "\\Reports\\NursesNotes_PrintAll.rpt");
    ASSERT_EQ(all.values.size(), 2u);
    EXPECT_EQ(vb::CStr(all.values[0]), IdNum);
    EXPECT_EQ(vb::CStr(all.values[1]), p.test.currentUser.EmployeeName());
    EXPECT_EQ(all.viewer.Caption, "Nurses Notes");
    EXPECT_EQ(all.output, RecordedReport::Output::Viewed);
}

TEST(NotesPrint, AFailingPrintShowsTheError) {
    NotesPage p;
    p.test.reportEngine.FailNextOpen("Printer not ready");
    p.ExpectError("Printer not ready");
    p.ShowPastNotes();
    Click(p.chart.cmdPrintAll);
}

} // namespace
