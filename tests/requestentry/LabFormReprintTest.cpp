#include "chart/frmFinal.h"
#include "core/App.h"
#include "platform/vb/Conversions.h"
#include "platform/vb/DateSerialNumber.h"
#include "requestentry/frmPrintRequestForm.h"
#include "requestentry/frmReprintLabForm.h"
#include "testkit/FixtureRequestCart.h"
#include "testkit/UserActions.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>

using namespace testkit;
namespace fixture = testkit::ward_fixture;

namespace {

const std::string Id = fixture::InPatientIdNum;
const std::string ErrorShown = "\n\nPlease notify your IT department.";
const std::vector<std::string> ExamColumns = {"Section",  "Type",        "TRANSPLANT", "DIALYSIS",  "Code",
                                              "Specimen", "CHARGE DATE", "NURSE",      "RequestNum"};
const std::vector<std::string> ListColumns = {"CODE",       "DESCRIPTION", "CHARGE SLIP", "CHARGE DATE/TIME",
                                              "SECTION",    "TYPE",        "SPECIMEN",    "DIALYSIS",
                                              "TRANSPLANT", "REQUESTNUM",  "NURSE",       "CNURSE"};
const vb::Date Charged = vb::MakeDate({2026, 12, 10, 14, 5, 0});
const std::string ChargedText = "12/10/2026 02:05:00 PM";

// A routine blood count first, then a STAT chemistry of another section and an exam with no charge date.
const std::vector<Row> ThreeExams = {{"HEM", "N", "1", "2", "101", "WB", Charged, "N0007", "RQ-1"},
                                     {"CHE", "Y", "0", "0", "1024", "SER", Charged, "N0008", "RQ-2"},
                                     {"CHE", "Y", "0", "0", "12", "SER", vb::Variant::Null(), "N0008", "RQ-3"}};

// The in-patient's chart after a save that left the reference REF-9; the admission's account and the patient's
// master account differ, so that each window shows which one it writes.
struct World {
    std::unique_ptr<TestApp> test = std::make_unique<TestApp>();
    ward::frmFinal* chart = nullptr;

    World() {
        chart = &fixture::OpenCartChart(*test);
        ward::App& app = test->app;
        app.LabReferenceNum = " REF-9 ";
        app.PatientSearch->Admission().Account.AccountNumber = " A-778 ";
        app.PatientSearch->PatientMaster().Account.AccountNumber = " PM-12 ";
        app.PatientSearch->Admission().AttendingDoctor1.Code = "D07";
        app.PatientSearch->Admission().Room.Accomodation.Description = "PRIVATE";
        app.TransplantText = "EARLIER T";
        app.DialysisText = "EARLIER D";
        chart->txtDoctor2.SetText("CRUZ, JOSE");
    }
    ward::App& App() { return test->app; }
    ScriptedServer& Server() { return test->server; }
    std::string User() const { return test->app.CurrentUser->EmployeeCode(); }
    std::string Station() const { return test->app.StationID; }
    std::string ExamsQuery(const std::string& reference) const {
        return "STATION..sp_Nurse_Get_LaboratoryExamPosted '" + Id + "','" + Station() + "','" + reference + "','1'";
    }
    std::string ListQuery() const {
        return "STATION..sp_Nurse_Get_LaboratoryExamPosted '" + Id + "','" + Station() + "','','0'";
    }
    std::string CleanUp() const { return "LABORATORY..Lab_CleanUp_tbLabRequestForm '" + User() + "'"; }
    std::string PrintRow(const std::string& exam, const std::string& specimen, const std::string& section,
                         const std::string& nurse, const std::string& stat, const std::string& account,
                         const std::string& request, const std::string& date) const {
        const std::string u = User();
        return "LABORATORY..Lab_SaveRequestForm 'NS','" + exam + "', '" + specimen + "', '" + u + "', '" + section +
               "', '" + nurse + "', '" + stat + "','" + account + "','" + request + "','D07','" + date + "','" + u +
               "'";
    }
    // The three exams' print rows with the priority and account a window writes.
    std::vector<std::string> PrintRows(const std::string& stat, const std::string& account) const {
        return {PrintRow("101", "WB", "HEM", "N0007", stat, account, "RQ-1", ChargedText),
                PrintRow("1024", "SER", "CHE", "N0008", stat, account, "RQ-2", ChargedText),
                PrintRow("12", "SER", "CHE", "N0008", stat, account, "RQ-3", "")};
    }
    void Exams(const std::string& reference, const std::vector<Row>& rows, const std::string& stat,
               const std::string& account) {
        Server().On(ExamsQuery(reference)).Returns(ExamColumns, rows);
        Server().On(CleanUp()).Affects(2);
        for (const std::string& row : PrintRows(stat, account))
            Server().On(row).Affects(1);
    }
    std::vector<std::string> Values(const RecordedReport& report) const {
        std::vector<std::string> values;
        for (const vb::Variant& value : report.values)
            values.push_back(vb::CStr(value));
        return values;
    }
    // The eighteen values of a form of the three exams: the first exam routine, the last one's section.
    std::vector<std::string> ExpectedValues(const std::string& reference) const {
        const ward::frmFinal& c = *chart;
        return {test->app.HospitalAddress,
                test->app.HospitalPhone,
                c.txtPno.Text(),
                c.txtId.Text(),
                c.txtPatient.Text(),
                c.txtAge.Text(),
                c.txtSex.Text(),
                c.txtRoom.Text(),
                "PRIVATE",
                reference,
                "",
                "ROUTINE",
                "Transplant",
                "Post-Dialysis",
                "CRUZ, JOSE",
                "In-Patient",
                User(),
                "CHE"};
    }
};

// The print window

struct PrintWindow : World {
    ward::frmPrintRequestForm& W() { return App().Forms.Get<ward::frmPrintRequestForm>(); }
    bool Open() { return App().Forms.Instance<ward::frmPrintRequestForm>().IsLoaded(); }
};

// Every row is written with the first exam's priority as "STAT" or "ROUTINE", the admission's account and the
// attending doctor; the form goes straight to the printer with the last exam's section, and the window closes.
TEST(PrintRequestForm, ReprintWritesEachPostedExamWithTheFirstPriorityAndPrintsDirectly) {
    PrintWindow p;
    p.Exams("REF-9", ThreeExams, "ROUTINE", "A-778");
    p.W().Show();
    const std::size_t mark = p.Server().Mark();
    Click(p.W().cmdOption(1));

    std::vector<std::string> expected = {p.ExamsQuery("REF-9"), p.CleanUp()};
    for (const std::string& row : p.PrintRows("ROUTINE", "A-778"))
        expected.push_back(row);
    EXPECT_TRUE(p.Server().SentExactly(expected, mark));
    EXPECT_EQ(p.Server().CommittedWrites(mark).size(), 4u);
    ASSERT_EQ(p.test->reportEngine.PrintedCount(), 1);
    const RecordedReport& form = p.test->reportEngine.Last();
    EXPECT_EQ(form.path, p.test->host.AppPath() + "\\Reports\\LabRequestForm.RPT");
    EXPECT_THAT(p.Values(form), testing::ElementsAreArray(p.ExpectedValues("REF-9")));
    EXPECT_EQ(form.output, RecordedReport::Output::Printed);
    EXPECT_FALSE(p.Open());
}

TEST(PrintRequestForm, AStatFirstExamMakesEveryRowStat) {
    PrintWindow p;
    std::vector<Row> statFirst = ThreeExams;
    statFirst[0][1] = "Y";
    p.Exams("REF-9", statFirst, "STAT", "A-778");
    p.W().Show();
    Click(p.W().cmdOption(1));
    ASSERT_EQ(p.test->reportEngine.PrintedCount(), 1);
    EXPECT_EQ(p.Values(p.test->reportEngine.Last()).at(11), "STAT");
}

TEST(PrintRequestForm, OkOrNoPostedExamTouchesNoPrintRowAndCloses) {
    for (int option : {0, 1}) {
        SCOPED_TRACE(option);
        PrintWindow p;
        p.Server().On(p.ExamsQuery("REF-9")).Returns(ExamColumns, {});
        p.W().Show();
        const std::size_t mark = p.Server().Mark();
        Click(p.W().cmdOption(option));
        EXPECT_EQ(p.Server().Statements(mark).size(), option == 1 ? 1u : 0u);
        EXPECT_TRUE(p.test->reportEngine.Reports().empty());
        EXPECT_FALSE(p.Open());
    }
}

// A failing print row is shown; the earlier print rows stay, nothing prints and the window stays for another try.
TEST(PrintRequestForm, AFailedPrintRowIsShownAndTheWindowStays) {
    PrintWindow p;
    p.Exams("REF-9", ThreeExams, "ROUTINE", "A-778");
    p.Server().Instead(p.PrintRows("ROUTINE", "A-778")[1]).Fails("Deadlock victim", 1205);
    p.test->host.ExpectMsgBox("Deadlock victim" + ErrorShown).Title("Notification");
    p.W().Show();
    const std::size_t mark = p.Server().Mark();
    Click(p.W().cmdOption(1));
    EXPECT_TRUE(p.Server().CommittedWrites(mark).empty());
    EXPECT_TRUE(p.test->reportEngine.Reports().empty());
    EXPECT_TRUE(p.Open());
}

// The first run learns the statements and prints; in each later one a print row, the clean-up or the commit fails.
TEST(PrintRequestForm, EachFailureLeavesTheEarlierPrintRowsAndPrintsNothing) {
    std::unique_ptr<PrintWindow> world;
    EXPECT_TRUE(EachFailureCommitsNothing(
        [&]() -> ScriptedServer& {
            world = std::make_unique<PrintWindow>();
            world->Exams("REF-9", ThreeExams, "ROUTINE", "A-778");
            return world->Server();
        },
        [&] { world->W().SaveLabRequestForms(); }));
    EXPECT_TRUE(world->test->reportEngine.Reports().empty());
}

TEST(PrintRequestForm, AFailingPrintIsShownAndThePrintRowsStay) {
    PrintWindow p;
    p.Exams("REF-9", ThreeExams, "ROUTINE", "A-778");
    p.test->reportEngine.FailNextOpen("Printer not ready");
    p.test->host.ExpectMsgBox("Printer not ready" + ErrorShown).Title("Notification");
    p.W().Show();
    const std::size_t mark = p.Server().Mark();
    Click(p.W().cmdOption(1));
    EXPECT_EQ(p.Server().CommittedWrites(mark).size(), 4u);
    EXPECT_FALSE(p.Open());
}

// The reprint window

struct ReprintWindow : World {
    // Two exams on slip CS-1 and one on CS-2.
    const std::vector<Row> Listed = {
        {"101", "COMPLETE BLOOD COUNT", "CS-1", Charged, "HEM", "N", "WB", "2", "1", "RQ-1", "REYES, ANA", "N0007"},
        {"1024", "BLOOD SUGAR", "CS-1", Charged, "CHE", "Y", "SER", "0", "0", "RQ-2", "REYES, ANA", "N0008"},
        {"12", "ALBUMIN", " CS-2 ", Charged, "CHE", "Y", "SER", "0", "0", "RQ-3", "REYES, ANA", "N0008"}};

    ward::frmReprintLabForm& W() { return App().Forms.Get<ward::frmReprintLabForm>(); }
    bool Open() { return App().Forms.Instance<ward::frmReprintLabForm>().IsLoaded(); }
    void List(const std::vector<Row>& rows) { Server().On(ListQuery()).Returns(ListColumns, rows); }
};

TEST(ReprintLabForm, TheListShowsThePostedExamsOrStaysEmptyAndDisabled) {
    for (bool posted : {true, false}) {
        SCOPED_TRACE(posted);
        ReprintWindow r;
        r.List(posted ? r.Listed : std::vector<Row>{});
        r.W().Show();
        forms::MSHFlexGrid& grid = r.W().mshflexLabList;
        EXPECT_EQ(grid.Rows(), posted ? 4 : 2);
        EXPECT_EQ(grid.Cols(), 13);
        EXPECT_EQ(grid.Enabled(), posted);
        EXPECT_EQ(grid.ColWidth(0), 0);
        EXPECT_EQ(grid.ColWidth(2), 3000);
        EXPECT_EQ(grid.TextMatrix(0, 3), "CHARGE SLIP");
        EXPECT_EQ(grid.TextMatrix(1, 3), posted ? "CS-1" : "");
        EXPECT_FALSE(r.W().cmdOption(0).Enabled());
    }
}

TEST(ReprintLabForm, AListThatCannotBeReadIsShownAndStaysEmpty) {
    ReprintWindow r;
    r.Server().On(r.ListQuery()).Fails("Timeout expired", 50000);
    r.test->host.ExpectMsgBox("Timeout expired" + ErrorShown).Title("Notification");
    r.W().Show();
    EXPECT_EQ(r.W().mshflexLabList.Rows(), 2);
    EXPECT_FALSE(r.W().mshflexLabList.Enabled());
}

// The chosen row's charge slip: every exam on it is written with the first exam's flag as posted and the patient's
// own account; the form prints directly with the slip as its number, and the window stays open.
TEST(ReprintLabForm, ReprintWritesTheChosenSlipsExamsWithTheFlagAsPostedAndPrintsDirectly) {
    ReprintWindow r;
    r.List(r.Listed);
    r.Exams("CS-2", ThreeExams, "N", "PM-12");
    r.W().Show();
    ClickCell(r.W().mshflexLabList, 3, 2);
    ASSERT_TRUE(r.W().cmdOption(0).Enabled());
    const std::size_t mark = r.Server().Mark();
    Click(r.W().cmdOption(0));

    std::vector<std::string> expected = {r.ExamsQuery("CS-2"), r.CleanUp()};
    for (const std::string& row : r.PrintRows("N", "PM-12"))
        expected.push_back(row);
    EXPECT_TRUE(r.Server().SentExactly(expected, mark));
    EXPECT_EQ(r.Server().CommittedWrites(mark).size(), 4u);
    ASSERT_EQ(r.test->reportEngine.PrintedCount(), 1);
    const RecordedReport& form = r.test->reportEngine.Last();
    EXPECT_EQ(form.path, r.test->host.AppPath() + "\\Reports\\LabRequestForm_Reprint.RPT");
    EXPECT_THAT(r.Values(form), testing::ElementsAreArray(r.ExpectedValues("CS-2")));
    EXPECT_EQ(form.output, RecordedReport::Output::Printed);
    EXPECT_TRUE(r.Open());

    Click(r.W().cmdOption(1));
    EXPECT_FALSE(r.Open());
}

TEST(ReprintLabForm, ASlipWithoutExamsTouchesNoPrintRowAndTheWindowStays) {
    ReprintWindow r;
    r.List(r.Listed);
    r.Server().On(r.ExamsQuery("CS-1")).Returns(ExamColumns, {});
    r.W().Show();
    ClickCell(r.W().mshflexLabList, 1, 2);
    const std::size_t mark = r.Server().Mark();
    Click(r.W().cmdOption(0));
    EXPECT_TRUE(r.Server().SentExactly({r.ExamsQuery("CS-1")}, mark));
    EXPECT_TRUE(r.test->reportEngine.Reports().empty());
    EXPECT_TRUE(r.Open());
}

TEST(ReprintLabForm, EachFailureLeavesTheEarlierPrintRowsAndPrintsNothing) {
    std::unique_ptr<ReprintWindow> world;
    EXPECT_TRUE(EachFailureCommitsNothing(
        [&]() -> ScriptedServer& {
            world = std::make_unique<ReprintWindow>();
            world->List(world->Listed);
            world->Exams("CS-2", ThreeExams, "N", "PM-12");
            world->W().Show();
            ClickCell(world->W().mshflexLabList, 3, 2);
            return world->Server();
        },
        [&] { world->W().ReprintLabRequestForm(); }));
    EXPECT_TRUE(world->test->reportEngine.Reports().empty());
}

} // namespace
