#include "chart/frmFinal.h"
#include "platform/db/SqlText.h"
#include "platform/vb/DateSerialNumber.h"
#include "platform/vb/Strings.h"
#include "shell/frmRequestingDoctor.h"
#include "shell/frmTransaction_UserValidation.h"
#include "testkit/FixtureRequestCart.h"
#include "testkit/UserActions.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

using namespace testkit;
namespace fixture = testkit::ward_fixture;
using fixture::SettingChanges;

namespace {

const std::string Id = fixture::InPatientIdNum;
const std::string HospNum = fixture::InPatientHospNum;
const std::string Stamp = "12/11/2026 08:30:00 AM";
const std::string Nurse = "N0002";

using Cells = std::vector<std::string>;
// A cart row's cells 1 to 16.
Cells XrayRow() {
    return {"XR", "12", "CHEST PA", "1", "450", "", "N", "", "lstListXray", "", "0", "0", "0", "0", "0", "1"};
}
Cells LabRow(const std::string& code, const std::string& stat, const std::string& amount = "250") {
    return {"LB", code, "LAB " + code, "1", amount, "CHE", stat, "FASTING", "lstListLaboratory",
            "",   "0",  "SER",         "0", "0",    "1",   ""};
}
Cells Row(const std::string& dept, const std::string& code) {
    return {dept, code, dept + " EXAM", "1", "100", "", "N", "", "", "", "0", "0", "0", "0", "0", ""};
}

// The request line of a row as the save writes it, by the cells it reads.
std::string LogBookLine(const Cells& c, const std::string& doctorCode = "D01",
                        const std::string& doctorName = "SANTOS, JUAN", const std::string& am = "",
                        const std::string& portable = "") {
    const std::string amArg = am.empty() ? (c[14].empty() ? "0" : c[14]) : am;
    const std::string portableArg = portable.empty() ? (c[15].empty() ? "0" : c[15]) : portable;
    return "STATION..Nurse_AppendNurseLogBook '" + HospNum + "','" + Id + "','I','" + c[1] + "','" + c[4] + "','" +
           c[3] + "',' ','" + c[5] + "','" + Stamp + "','" + c[0] + "','" + doctorCode + "',' ','" + Nurse + "','" +
           c[7] + "','" + c[2] + "','SIC','" + c[6] + "','0','" + c[11] + "','0','0'," + amArg + "," +
           db::SqlQuote(doctorName) + "," + portableArg;
}
std::string RequestNumQuery(const std::string& dept, const std::string& code) {
    return "Select Isnull(Requestnum,'') Requestnum From STATION..tbNurseCommunicationFile Where IDNum ='" + Id +
           "' and RevenueID ='" + dept + "' and ItemID = '" + code + "' and Isnull(RecordStatus,'') = ''";
}
std::string StatRequest(const Cells& c) {
    return "STATION..sp_Nurse_SaveStatRequest '" + c[1] + "','" + c[11] + "','" + c[5] + "','" + Nurse + "','" + c[6] +
           "','SIC','" + Stamp + "'";
}
const std::string DeleteStat = "DELETE STATION..tbNurse_StatRequest Where UserID = 'N0002'";
const std::string DeleteCharging = "DELETE STATION..tbNurse_DepartmentCharging Where UserID = 'N0002'";
const std::string RoomCheck = "STATION..Nurse_CheckPatientRoom '" + Id + "','" + HospNum + "','SIC-02'";
const std::string LabForms = "STATION..sp_Nurse__GetLabStatRequest_RequestNumber '" + Id + "','N0001','";

// The chart of the in-patient with a cart written into it; the nurse N0002 signs for it and names Dr. Santos.
struct CartSave {
    std::unique_ptr<TestApp> test = std::make_unique<TestApp>();
    ward::frmFinal* chart = nullptr;
    std::size_t mark = 0;
    bool signs = true;
    int validations = 0;

    // Direct charging is off unless the settings turn it on.
    explicit CartSave(const SettingChanges& settings = {}) {
        SettingChanges all = {{"IsLBDirectCharging", false}, {"IsXRDirectCharging", false}};
        all.insert(all.end(), settings.begin(), settings.end());
        chart = &fixture::OpenCartChart(*test, all);
        chart->txtRoom.SetText("SIC-02");
        Server().On(fixture::ServerDateQuery).Returns({"Tdate"}, {{vb::MakeDate({2026, 12, 11, 8, 30, 0})}});
        Server().On(RoomCheck).Returns({"RoomID", "StationID"}, {});
        Server().On(DeleteStat).Affects(0);
        Server().On(DeleteCharging).Affects(0);
        mark = Server().Mark();
    }
    // The validation dialog, signed by N0002 or given up; once signed, the doctor's prompt.
    void ExpectValidation() {
        test->host.OnModal<ward::frmTransaction_UserValidation>([this](ward::frmTransaction_UserValidation& v) {
            ++validations;
            test->app.ValidatedUserID = signs ? Nurse : "";
            v.Unload();
        });
    }
    void ExpectDoctor() {
        test->host.OnModal<ward::frmRequestingDoctor>([this](ward::frmRequestingDoctor& d) {
            test->app.RequestingDoctorCode = doctorCode;
            test->app.RequestingDoctorName = doctorName;
            d.Hide();
        });
    }
    // Save, signed by the nurse.
    void Save() {
        ExpectValidation();
        ExpectDoctor();
        chart->cmdSave_Click();
    }
    ScriptedServer& Server() { return test->server; }
    ward::frmFinal& Chart() { return *chart; }

    void Put(const std::vector<Cells>& rows) {
        forms::MSHFlexGrid& grid = chart->mshflexOrders;
        grid.SetRows(static_cast<int>(rows.size()) + 1);
        for (std::size_t r = 0; r < rows.size(); ++r) {
            for (int col = 1; col <= 16; ++col)
                grid.SetTextMatrix(static_cast<int>(r) + 1, col, rows[r][col - 1]);
            const Cells& c = rows[r];
            Server().On(LogBookLine(c, doctorCode, doctorName)).Affects(1);
            Server().On(RequestNumQuery(c[0], c[1])).Returns({"Requestnum"}, {{"RQ-" + c[1]}});
            if (c[0] == "LB")
                Server().On(StatRequest(c)).Affects(1);
        }
    }
    // The statements of the save's transaction after the server date and the settings it reads first.
    std::vector<std::string> Transaction() const {
        const std::vector<std::string> all = test->server.Transcript();
        auto begin = std::find(all.rbegin(), all.rend(), "BEGIN TRANSACTION");
        std::vector<std::string> lines;
        for (auto line = begin.base(); line != all.end(); ++line)
            lines.push_back(line->starts_with("  ") ? line->substr(2) : *line);
        EXPECT_GE(lines.size(), 4u);
        if (lines.size() >= 4) {
            EXPECT_EQ(lines[0], "select GETDATE() AS Tdate");
            lines.erase(lines.begin(), lines.begin() + 4);
        }
        auto end = std::find_if(lines.begin(), lines.end(),
                                [](const std::string& l) { return l == "COMMIT" || l.starts_with("ROLLBACK"); });
        if (end != lines.end())
            lines.erase(end + 1, lines.end());
        return lines;
    }
    bool CartEmpty() const { return chart->mshflexOrders.TextMatrix(1, 1).empty(); }

    std::string doctorCode = "D01";
    std::string doctorName = "SANTOS, JUAN";
};

TEST(CartSave, OneXrayRowIsOneRequestLineAndItsNumber) {
    CartSave s;
    s.Put({XrayRow()});
    s.Save();
    EXPECT_THAT(s.Transaction(),
                testing::ElementsAre(DeleteStat, DeleteCharging,
                                     "STATION..Nurse_AppendNurseLogBook '" + HospNum + "','" + Id +
                                         "','I','12','450','1',' ','','" + Stamp +
                                         "','XR','D01',' ','N0002','','CHEST PA','SIC','N','0','0','0','0',0,'SANTOS, "
                                         "JUAN',1",
                                     RequestNumQuery("XR", "12"), "COMMIT"));
    EXPECT_TRUE(s.CartEmpty());
    EXPECT_TRUE(s.Chart().cmdSave.Enabled());
}

const SettingChanges LabCharging = {{"IsLBDirectCharging", true}};
const std::string FirstReference = "STATION..sp_Nurse_Get_RequestNum_ReferenceNum '" + Id + "','N0002','',''";
const std::string PrintToWard = "STATION..spNurse_PrintToWard '" + Stamp + "','SIC'";
const std::string LabCharging2 = "LABORATORY..Lab_NurseCharging2 '" + Id + "'";
const std::string SecondReference = "STATION..sp_Nurse_Get_RequestNum_ReferenceNum '" + Id + "','N0002','','X'";
std::string FormsQuery(CartSave& s, const std::string& reference) {
    return "STATION..sp_Nurse__GetLabStatRequest_RequestNumber '" + Id + "','" +
           s.test->app.CurrentUser->EmployeeCode() + "','" + reference + "'";
}
std::string Note(const std::string& dept, const std::string& code, const std::string& amount) {
    return "Station..sp_Nurse_Append_tbBillAdjustInfo '" + Id + "','" + dept + "','" + code + "'," + amount +
           ",'S0001',1,'RQ-" + code + "','Allowed Note: By pass Cash Basis Condition For STAT Request.'";
}

// Laboratory rows under direct charging: each gets its priority row; the first reference call finds no request
// number, so the second asks with none rather than with an earlier save's.
struct LabCartSave : CartSave {
    LabCartSave() : CartSave(LabCharging) {
        Server().On(FirstReference).Returns({"RequestNum", "ReferenceNum"}, {});
        Server().On(PrintToWard).Returns({"Printed"}, {});
        Server().On(LabCharging2).Affects(3);
        Server().On(SecondReference).Returns({"RequestNum", "ReferenceNum"}, {{"", "REF-9"}});
        Server()
            .On(FormsQuery(*this, "REF-9"))
            .Returns({"SectionID", "Stat", "ExamID", "SpecimenID", "RequestNum"}, {});
        test->app.LabRequestNum = "OLD-1";
        test->app.LabReferenceNum = "OLD-REF";
    }
};

TEST(CartSave, LaboratoryRowsWithTheirPrioritiesAndDirectCharging) {
    LabCartSave s;
    const Cells stat = LabRow("101", "Y"), routine = LabRow("1024", "N", "180.5");
    s.Put({stat, routine});
    s.Save();
    EXPECT_THAT(s.Transaction(),
                testing::ElementsAre(DeleteStat, DeleteCharging, LogBookLine(stat), StatRequest(stat),
                                     RequestNumQuery("LB", "101"), LogBookLine(routine), StatRequest(routine),
                                     RequestNumQuery("LB", "1024"), FirstReference, PrintToWard, LabCharging2,
                                     SecondReference, "COMMIT"));
    EXPECT_EQ(s.test->app.LabReferenceNum, "REF-9");
    EXPECT_TRUE(s.CartEmpty());
}

TEST(CartSave, WithoutDirectChargingTheFormsAskWithNoEarlierReference) {
    CartSave s;
    s.Server().On(FormsQuery(s, "")).Returns({"SectionID", "Stat", "ExamID", "SpecimenID", "RequestNum"}, {});
    s.test->app.LabReferenceNum = "OLD-REF";
    const Cells row = LabRow("101", "Y");
    s.Put({row});
    s.Save();
    EXPECT_THAT(s.Transaction(), testing::ElementsAre(DeleteStat, DeleteCharging, LogBookLine(row), StatRequest(row),
                                                      RequestNumQuery("LB", "101"), "COMMIT"));
    EXPECT_THAT(s.Server().Statements(s.mark), testing::Contains(FormsQuery(s, "")));
}

TEST(CartSave, DepartmentsChargeDirectlyInTheirOrder) {
    CartSave s({{"IsXRDirectCharging", true},
                {"IsUSDirectCharging", true},
                {"IsCTDirectCharging", true},
                {"IsHSDirectCharging", true}});
    const std::vector<Cells> rows = {Row("HS", "901"), Row("CT", "601"), Row("US", "210"), Row("XR", "12")};
    s.Put(rows);
    std::vector<std::string> charges;
    for (const char* dept : {"XR", "US", "CT", "HS"}) {
        charges.push_back("STATION..sp_Nurse_Save_" + std::string(dept) + "Charging '" + Id + "','N0002'");
        s.Server().On(charges.back()).Affects(1);
    }
    s.Save();
    std::vector<std::string> lines = s.Transaction();
    ASSERT_GE(lines.size(), 5u);
    EXPECT_EQ(std::vector<std::string>(lines.end() - 5, lines.end() - 1), charges);
}

// Only the departments a supervisor approved get the note; an approval left from elsewhere gives none.
TEST(CartSave, ATakenBypassNotesItsDepartmentsRowsForBilling) {
    CartSave s;
    s.Server().On(FormsQuery(s, "")).Returns({"SectionID", "Stat", "ExamID", "SpecimenID", "RequestNum"}, {});
    s.test->app.SupervisorID = "S0009";
    s.test->app.ApprovalRemark = "Allowed ";
    s.Chart().StatBypassApprovals["XR"] = {"S0001 ", "Allowed "};
    const Cells xray = XrayRow(), lab = LabRow("101", "Y");
    s.Put({xray, lab});
    s.Server().On(Note("XR", "12", "450")).Affects(1);
    s.Save();
    EXPECT_THAT(s.Transaction(),
                testing::ElementsAre(DeleteStat, DeleteCharging, LogBookLine(xray), RequestNumQuery("XR", "12"),
                                     Note("XR", "12", "450"), LogBookLine(lab), StatRequest(lab),
                                     RequestNumQuery("LB", "101"), "COMMIT"));
    EXPECT_TRUE(s.Chart().StatBypassApprovals.empty());
}

TEST(CartSave, AnApostropheInTheDoctorsNameIsDoubled) {
    CartSave s;
    s.doctorName = "O'BRIEN, JOHN";
    const Cells xray = XrayRow();
    s.Put({xray});
    s.Save();
    const std::vector<std::string> lines = s.Transaction();
    ASSERT_GE(lines.size(), 3u);
    EXPECT_THAT(lines[2], testing::HasSubstr(",'O''BRIEN, JOHN',1"));
}

// The morning pick-up, the portable machine and the note's amount go unquoted: their leading number, 0 for none.
TEST(CartSave, UnquotedNumbersAreTheCellsLeadingNumbers) {
    struct Case {
        std::string cell, sent;
    };
    for (const Case& c : std::vector<Case>{{"1", "1"}, {" 1", "1"}, {"", "0"}, {"abc", "0"}, {"2.5x", "2.5"}}) {
        SCOPED_TRACE(c.cell);
        CartSave s;
        s.Chart().StatBypassApprovals["XR"] = {"S0001", "Allowed "};
        Cells row = XrayRow();
        row[4] = c.cell;
        row[14] = c.cell;
        row[15] = c.cell;
        s.Put({row});
        row[4] = vb::Trim(c.cell);
        s.Server().On(LogBookLine(row, "D01", "SANTOS, JUAN", c.sent, c.sent)).Affects(1);
        s.Server().On(Note("XR", "12", c.sent)).Affects(1);
        s.Save();
        EXPECT_THAT(s.Transaction(), testing::Contains(LogBookLine(row, "D01", "SANTOS, JUAN", c.sent, c.sent)));
        EXPECT_THAT(s.Transaction(), testing::Contains(Note("XR", "12", c.sent)));
    }
}

// A cart of laboratory rows under direct charging, an x-ray row and a by-pass note.
struct FullCart : LabCartSave {
    FullCart() {
        Chart().StatBypassApprovals["XR"] = {"S0001", "Allowed "};
        Put({LabRow("101", "Y"), XrayRow(), LabRow("1024", "N")});
        Server().On(Note("XR", "12", "450")).Affects(1);
    }
};

TEST(CartSave, EachFailureCommitsNothingAndTheCartStaysForAnotherTry) {
    // Run 0 learns the statements; in run k the k-th fails: the room check before anything is asked, then each
    // statement of the transaction with its message, then the commit.
    std::unique_ptr<FullCart> world;
    int run = 0;
    std::size_t statements = 0;
    EXPECT_TRUE(EachFailureCommitsNothing(
        [&]() -> ScriptedServer& {
            world.reset();
            world = std::make_unique<FullCart>();
            return world->Server();
        },
        [&] {
            const int k = run++;
            if (k == 1) {
                // A room that cannot be checked keeps the cart and asks nobody to sign.
                world->test->host.ExpectMsgBox("Scripted failure\n\nPlease notify your IT department.")
                    .Title("Notification");
                world->Chart().cmdSave_Click();
                EXPECT_FALSE(world->CartEmpty());
                EXPECT_EQ(world->validations, 0);
                return;
            }
            if (k > 1)
                world->test->host.ExpectMsgBox(
                    std::string("Error While Saving Request  ") +
                    (static_cast<std::size_t>(k) <= statements ? "Scripted failure" : "Scripted commit failure"));
            world->Save();
            if (k == 0) {
                // The room check and the transaction's statements up to its commit.
                const std::vector<std::string> lines = world->Server().Transcript();
                auto begin = std::find(lines.begin(), lines.end(), "BEGIN TRANSACTION");
                statements = 1 + (std::find(begin, lines.end(), "COMMIT") - begin - 1);
            }
        },
        FailureScope::UpToTheFirstCommit));
    EXPECT_EQ(static_cast<std::size_t>(run), statements + 2);

    FullCart s;
    const std::size_t first = s.Server().Mark();
    // After the room check, the server date, three settings reads, two clean-ups and the first row's three
    // statements, the second row's request line fails.
    s.Server().FailStatement(first + 1 + 1 + 3 + 2 + 3, "Deadlock victim");
    s.test->host.ExpectMsgBox("Error While Saving Request  Deadlock victim").Buttons(forms::vbOKOnly);
    s.Save();
    EXPECT_TRUE(s.Server().NothingCommitted(first));
    EXPECT_EQ(s.Chart().mshflexOrders.Rows(), 4);
    EXPECT_EQ(s.Chart().mshflexOrders.TextMatrix(2, 1), "XR");
    EXPECT_TRUE(s.Chart().cmdSave.Enabled());
    EXPECT_EQ(s.Chart().StatBypassApprovals.count("XR"), 1u);

    const std::size_t retry = s.Server().Mark();
    s.Save();
    EXPECT_TRUE(s.Server().NoneSentAgain(first, retry));
    const std::vector<std::string> sent = s.Server().Statements(retry);
    EXPECT_EQ(std::count_if(sent.begin(), sent.end(),
                            [](const std::string& t) { return t.starts_with("STATION..Nurse_AppendNurseLogBook"); }),
              3);
    EXPECT_EQ(s.Server().CommittedWrites(retry).size(), 2u + 3u + 2u + 1u + 1u);
    EXPECT_TRUE(s.CartEmpty());
}

TEST(CartSave, AFormFailingAfterTheCommitLeavesTheRequestsSaved) {
    LabCartSave s;
    s.Server().Instead(FormsQuery(s, "REF-9")).Fails("Invalid object name", 208);
    s.Put({LabRow("101", "Y")});
    s.test->host.ExpectMsgBox("Request(s) saved. Error While Preparing Laboratory Request Form  Invalid object name")
        .Buttons(forms::vbExclamation + forms::vbOKOnly)
        .Title("Message");
    s.Save();
    EXPECT_EQ(s.Server().CommittedWrites(s.mark).size(), 2u + 2u + 1u);
    EXPECT_TRUE(s.CartEmpty());
    EXPECT_TRUE(s.Chart().cmdSave.Enabled());
}

TEST(CartSave, DecliningToSignEmptiesTheCartUnsent) {
    CartSave s;
    s.signs = false;
    s.Put({XrayRow()});
    const std::string question =
        "Entered request(s) will not be save! \r\nDo you want to save and send the request(s)?";
    s.test->host.ExpectMsgBox(question).Answer(forms::vbNo);
    s.ExpectValidation();
    s.Chart().cmdSave_Click();
    EXPECT_EQ(s.validations, 1);
    EXPECT_TRUE(s.Server().NothingCommitted(s.mark));
    EXPECT_TRUE(s.CartEmpty());
}

TEST(CartSave, SigningAfterASecondAskSavesOnce) {
    CartSave s;
    s.signs = false;
    s.Put({XrayRow()});
    s.test->host.ExpectMsgBox("Entered request(s) will not be save! \r\nDo you want to save and send the request(s)?")
        .Answer(forms::vbYes)
        .WhileOpen([&] { s.signs = true; });
    s.ExpectValidation();
    s.ExpectValidation();
    s.ExpectDoctor();
    s.Chart().cmdSave_Click();
    EXPECT_EQ(s.validations, 2);
    const std::vector<std::string> sent = s.Server().Statements(s.mark);
    EXPECT_EQ(std::count(sent.begin(), sent.end(), LogBookLine(XrayRow())), 1);
}

TEST(CartSave, AMovedPatientEmptiesTheCartUnsent) {
    CartSave s;
    s.Server().Instead(RoomCheck).Returns({"RoomID", "StationID"}, {{"MIC-05", "MIC"}});
    s.Put({XrayRow()});
    s.test->host.ExpectMsgBox("Patient is transfered to room MIC-05  -MIC").Buttons(forms::vbOKOnly);
    s.Chart().cmdSave_Click();
    EXPECT_EQ(s.validations, 0);
    EXPECT_TRUE(s.Server().NothingCommitted(s.mark));
    EXPECT_TRUE(s.CartEmpty());
}

TEST(CartSave, AnEmptyCartSendsNothing) {
    CartSave s;
    s.test->host.ExpectMsgBox("No data to save.").Buttons(forms::vbInformation + forms::vbOKOnly).Title("Notification");
    s.Chart().cmdSave_Click();
    EXPECT_TRUE(s.Server().SentExactly({}, s.mark));
}

} // namespace
