#include "chart/frmFinal.h"
#include "core/Rates.h"
#include "core/frmReportViewer.h"
#include "platform/vb/Conversions.h"
#include "platform/vb/DateSerialNumber.h"
#include "requestcart/LabRequestForm.h"
#include "testkit/FixtureRequestCart.h"
#include "testkit/UserActions.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>

using namespace testkit;
namespace fixture = testkit::ward_fixture;

namespace {

const std::string Id = fixture::InPatientIdNum;
const std::string Stamp = "12/11/2026 08:30:00 AM";
const std::vector<std::string> RequestColumns = {"SectionID", "Stat", "ExamID", "SpecimenID", "RequestNum"};

// The chart of the in-patient after a save that left the reference REF-9 and Dr. Santos as the requesting doctor;
// the user's earlier print rows are on the server.
struct Forms {
    std::unique_ptr<TestApp> test = std::make_unique<TestApp>();
    ward::frmFinal* chart = nullptr;

    Forms() {
        chart = &fixture::OpenCartChart(*test);
        ward::App& app = test->app;
        app.ServerDate = vb::MakeDate({2026, 12, 11, 8, 30, 0});
        app.LabReferenceNum = " REF-9 ";
        app.RequestingDoctorCode = "D01";
        app.RequestingDoctorName = "O'NEIL, JUAN";
        app.PatientSearch->PatientMaster().Account.AccountNumber = " A-778 ";
        app.PatientSearch->Admission().Room.Accomodation.Description = "PRIVATE";
        app.TransplantID = "1";
        app.DialysisID = " 2";
    }
    ScriptedServer& Server() { return test->server; }
    std::string User() const { return test->app.CurrentUser->EmployeeCode(); }
    std::string Query() const {
        return "STATION..sp_Nurse__GetLabStatRequest_RequestNumber '" + Id + "','" + User() + "','REF-9'";
    }
    std::string CleanUp() const { return "LABORATORY..Lab_CleanUp_tbLabRequestForm '" + User() + "'"; }
    std::string PrintRow(const std::string& exam, const std::string& specimen, const std::string& section,
                         const std::string& stat, const std::string& request) const {
        const std::string u = User();
        return "LABORATORY..Lab_SaveRequestForm 'NS','" + exam + "', '" + specimen + "', '" + u + "', '" + section +
               "', '" + u + "', '" + stat + "','A-778','" + request + "','D01','" + Stamp + "','" + u + "'";
    }
    // The server returns the requests; the print rows are accepted.
    void Requests(const std::vector<Row>& rows) {
        Server().On(Query()).Returns(RequestColumns, rows);
        Server().On(CleanUp()).Affects(2);
        for (const Row& row : rows)
            Server()
                .On(PrintRow(vb::CStr(row[2]), vb::CStr(row[3]), vb::CStr(row[0]), vb::CStr(row[1]), vb::CStr(row[4])))
                .Affects(1);
    }
    void CloseViewer() {
        test->host.OnModal<ward::frmReportViewer>([](ward::frmReportViewer& viewer) { CloseWindow(viewer); });
    }
    void Run() { ward::SaveLabRequestForms(test->app, *chart); }
};

const std::vector<Row> TwoSections = {{"HEM", "Y", "101", "WB", "RQ-1"}, {"CHE", "N", "1024", "SER", "RQ-2"}};

TEST(LabRequestForms, ARequestWithoutRowsLeavesTheEarlierPrintRowsAndPrintsNothing) {
    Forms f;
    f.Server().On(f.Query()).Returns(RequestColumns, {});
    const std::size_t mark = f.Server().Mark();
    f.Run();
    EXPECT_TRUE(f.Server().SentExactly({f.Query()}, mark));
    EXPECT_TRUE(f.test->reportEngine.Reports().empty());
}

// Each request is one print row, whatever its section; the form prints once with the last request's priority and
// section, and the patient, the reference and the doctor of the save.
TEST(LabRequestForms, EachRequestIsAPrintRowAndTheFormTakesTheLastRequestsPriorityAndSection) {
    Forms f;
    f.Requests(TwoSections);
    f.CloseViewer();
    const std::size_t mark = f.Server().Mark();
    f.Run();
    EXPECT_TRUE(f.Server().SentExactly({f.Query(), f.CleanUp(), f.PrintRow("101", "WB", "HEM", "Y", "RQ-1"),
                                        f.PrintRow("1024", "SER", "CHE", "N", "RQ-2")},
                                       mark));
    EXPECT_EQ(f.Server().CommittedWrites(mark).size(), 3u);

    ASSERT_EQ(f.test->reportEngine.Reports().size(), 1u);
    const RecordedReport& form = f.test->reportEngine.Last();
    EXPECT_EQ(form.path, f.test->host.AppPath() + "\\Reports\\LabRequestForm.RPT");
    std::vector<std::string> values;
    for (const vb::Variant& value : form.values)
        values.push_back(vb::CStr(value));
    const ward::frmFinal& c = *f.chart;
    EXPECT_THAT(values, testing::ElementsAre(f.test->app.HospitalAddress, f.test->app.HospitalPhone, c.txtPno.Text(),
                                             c.txtId.Text(), c.txtPatient.Text(), c.txtAge.Text(), c.txtSex.Text(),
                                             c.txtRoom.Text(), "PRIVATE", " REF-9 ", "", "ROUTINE", "Transplant",
                                             "Post-Dialysis", "O'NEIL, JUAN", "In-Patient", f.User(), "CHE"));
    EXPECT_EQ(form.output, RecordedReport::Output::Viewed);
    EXPECT_EQ(form.viewer.Caption, "LABORATORY REQUEST FORM");
    EXPECT_FALSE(form.viewer.ShowGroupTree);
}

TEST(LabRequestForms, TransplantAndDialysisTextsFollowTheirCodes) {
    struct Case {
        std::string transplantID, dialysisID, transplantText, dialysisText;
    };
    // Codes with no name of their own leave the texts of the save before.
    const std::vector<Case> cases = {{"0", "0", "Non_Transplant", "None"},
                                     {" 1 ", "1", "Transplant", "Pre-Dialysis"},
                                     {"2", "2", "EARLIER T", "Post-Dialysis"},
                                     {"9", "", "EARLIER T", "EARLIER D"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.transplantID + "/" + c.dialysisID);
        TestApp test;
        ward::App& app = test.app;
        app.TransplantText = "EARLIER T";
        app.DialysisText = "EARLIER D";
        app.TransplantID = c.transplantID;
        app.DialysisID = c.dialysisID;
        ward::SetTransplantAndDialysisTexts(app);
        EXPECT_EQ(app.TransplantText, c.transplantText);
        EXPECT_EQ(app.DialysisText, c.dialysisText);
    }
}

TEST(LabRequestForms, AnApostropheInARequestValueIsDoubled) {
    Forms f;
    f.Requests({{"HEM", "Y", "10'1", "WB", "RQ-1"}});
    f.Server().On("LABORATORY..Lab_SaveRequestForm 'NS','10''1', 'WB', '" + f.User() + "', 'HEM', '" + f.User() +
                  "', 'Y','A-778','RQ-1','D01','" + Stamp + "','" + f.User() + "'")
        .Affects(1);
    f.CloseViewer();
    f.Run();
    EXPECT_EQ(f.test->reportEngine.Reports().size(), 1u);
}

TEST(LabRequestForms, AFailingReportIsShownAndThePrintRowsStay) {
    Forms f;
    f.Requests(TwoSections);
    f.test->reportEngine.FailNextOpen("Printer not ready");
    f.test->host.ExpectMsgBox("Printer not ready\n\nPlease notify your IT department.").Title("Notification");
    const std::size_t mark = f.Server().Mark();
    f.Run();
    EXPECT_EQ(f.Server().CommittedWrites(mark).size(), 3u);
}

// The first run learns the statements and prints; in each later one a statement or the commit fails.
TEST(LabRequestForms, EachFailureLeavesTheEarlierPrintRowsAndPrintsNothing) {
    std::unique_ptr<Forms> world;
    int run = 0;
    EXPECT_TRUE(EachFailureCommitsNothing(
        [&]() -> ScriptedServer& {
            world = std::make_unique<Forms>();
            world->Requests(TwoSections);
            return world->Server();
        },
        [&] {
            if (run++ == 0)
                world->CloseViewer();
            world->Run();
        }));
    EXPECT_EQ(run, 1 + 4 + 1);
    EXPECT_TRUE(world->test->reportEngine.Reports().empty());
}

} // namespace
