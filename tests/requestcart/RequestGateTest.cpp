#include "requestcart/RequestGate.h"
#include "chart/frmFinal.h"
#include "platform/vb/DateSerialNumber.h"
#include "shell/frmSupervisorAccessCode.h"
#include "testkit/FixtureRequestCart.h"
#include "testkit/FixtureSignIn.h"
#include "testkit/UserActions.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace testkit;
namespace fixture = testkit::ward_fixture;

namespace {

const std::string Id = fixture::InPatientIdNum;
constexpr int Information = forms::vbInformation + forms::vbOKOnly;
constexpr int Exclamation = forms::vbExclamation + forms::vbOKOnly;
constexpr int Question = forms::vbYesNo + forms::vbInformation;

const std::string Closed = "The patient's account has already been closed . If you have charges to make, notify the "
                           "Billing staff immediately for further instructions.....";
const std::string BypassQuestion = "Note: You can by pass the cash basis condition if the request is really a "
                                   "'STAT'.\n\rProvided that you will enter the reason for the STAT request and a "
                                   "Supervisor Log-in.\n\r\n\rDo You want to Proceed?";
const std::string AgainQuestion = "Selected transaction will not continue! \r\nAre you sure you want to by pass the "
                                  "cash basis condition if the request is really a 'STAT'?";
const std::vector<std::string> SettingsQueries = {fixture::HospitalInfoQuery, fixture::NursingSettingsQuery,
                                                  fixture::NurseSetupQuery};

// The window a search button opens, standing in for the request dialog: it notes the by-pass flag it was shown
// under.
class StandInEntry : public forms::Form {
public:
    explicit StandInEntry(ward::App& app) : Form(app.Forms) {}
};

// One opener with the texts its refusals must show.
struct Opener {
    std::string name;
    const ward::RequestOpener& opener;
    forms::ListBox* (*list)(ward::frmFinal&); // null for a search button
    std::string code;                         // the quick-list line clicked
    std::string dept;
    std::string rightRefusal;
    std::string cleared;
    std::string cashBasis;
    bool reloadsSettings;
};

forms::ListBox* LabList(ward::frmFinal& chart) { return &chart.lstListLaboratory; }
forms::ListBox* XrayList(ward::frmFinal& chart) { return &chart.lstListXray; }
forms::ListBox* UltraList(ward::frmFinal& chart) { return &chart.lstListUltra; }

const std::string LabRight = "Sorry you don't have access right to Request Laboratory Exams.";
const std::string XrayRight = "Sorry you don't have access right to Request Xray Exams.";
const std::string UltraRight = "Sorry you don't have access right to Request Ultrasound Exams.";
const std::string LabCash = "The patient's account has been placed under cash basis for ( Laboratory Charges ) by the "
                            "Billing Officer. Please advise the patient/watcher to see the Billing staff immediately "
                            "for further instructions.";
const std::string XrayCash = "The patient's account has been placed under cash basis for ( Xray Charges ) by the "
                             "Billing Officer. Please advise the patient/watcher to see the Billing staff immediately "
                             "for further instructions.";
const std::string UltraCash = "The patient's account has been placed under cash basis for ( Ultrasound Charges ) by "
                              "the Billing Officer. Please advise the patient/watcher to see the Billing staff "
                              "immediately for further instructions.";
std::string Cleared(const std::string& department, const std::string& stops) {
    return "Patient is already cleared by (" + department +
           " Department). If you have requests to make, notify the Billing staff immediately for further "
           "instructions" +
           stops;
}

const std::vector<Opener>& Openers() {
    static const std::vector<Opener> openers = {
        {"lstListLaboratory", ward::openers::lstListLaboratory, LabList, fixture::CbcCode, "LB", LabRight,
         Cleared("Laboratory", "."), LabCash, false},
        {"lstListXray", ward::openers::lstListXray, XrayList, fixture::ChestPaCode, "XR", XrayRight,
         Cleared("Xray", "....."), XrayCash, false},
        {"lstListUltra", ward::openers::lstListUltra, UltraList, fixture::WholeAbdomenCode, "US", UltraRight,
         Cleared("Ultrasound", "....."), UltraCash, false},
        {"cmdLabMore", ward::openers::cmdLabMore, nullptr, "", "LB", LabRight, Cleared("Laboratory", "....."), LabCash,
         true},
        {"cmdUltraMore", ward::openers::cmdUltraMore, nullptr, "", "US", UltraRight, Cleared("Ultrasound", "....."),
         UltraCash, false},
        {"cmdXrayMore", ward::openers::cmdXrayMore, nullptr, "", "XR", XrayRight, Cleared("Xray", "....."), XrayCash,
         false},
    };
    return openers;
}

// The chart of the in-patient; the statements from the mark on are the gate's.
struct Gate {
    TestApp test;
    ward::frmFinal& chart;
    const Opener& row;
    std::size_t mark = 0;
    bool flagWhileShown = false;

    Gate(const Opener& row, bool bypassAllowed)
        : chart(fixture::OpenCartChart(test, {{"IsAllowByPassClinicalDepartmentCashBasis", bypassAllowed}})), row(row) {
        fixture::DeclareSignIns(test.server);
        mark = test.server.Mark();
    }
    void ExpectEntryWindow() {
        test.host.OnModal<StandInEntry>([this](StandInEntry& window) {
            flagWhileShown = test.app.CashBasisStatBypass;
            window.Unload();
        });
    }

    components::AdmissionData& Admission() { return test.patientSearch.admissions[Id].admission; }
    forms::ListBox* List() { return row.list ? row.list(chart) : nullptr; }
    int Line() { return fixture::LineOf(*List(), row.code); }
    std::string LineText() { return List()->List(Line()); }

    // A click on the line, or a press of the button; what the gate answered.
    ward::GateAnswer Run() {
        if (forms::ListBox* list = List()) {
            ClickListLine(*list, Line());
            return ward::GateAnswer::Refused;
        }
        return ward::PassSearchGate(test.app, row.opener, chart.txtId, chart.StatBypassApprovals,
                                    [this] { test.app.Forms.Get<StandInEntry>().ShowModal(); });
    }
    bool LineTicked() {
        const int line = Line();
        return line >= 0 && List()->Selected(line);
    }
    void Expect(const std::string& message, int buttons, const std::string& title = "Message", int answer = 0) {
        MessageBoxExpectation& box = test.host.ExpectMsgBox(message).Title(title).Buttons(buttons);
        if (answer != 0)
            box.Answer(answer);
    }
    void CloseSupervisorDialog() {
        test.host.OnModal<ward::frmSupervisorAccessCode>(
            [](ward::frmSupervisorAccessCode& dialog) { Click(dialog.cmdOption(1)); });
    }
};

// What a case leads to, for every opener or for the search buttons (whose cash-basis refusal may be by-passed).
enum class Ends { Right, UnknownAdmission, Cleared, Closed, CashBasis };
enum class Bypass { NotAsked, Declined, RefusedThenNo, RefusedThenApproved };

struct GateCase {
    std::string name;
    bool bypassAllowed;
    std::function<void(Gate&)> arrange;
    Ends ends;
    Bypass bypass; // the search buttons' by-pass, when the case ends at cash basis
};

const std::vector<GateCase>& Cases() {
    static const std::vector<GateCase> cases = {
        {"no right", false,
         [](Gate& g) {
             g.test.server.Instead(fixture::RightsQuery(fixture::NurseCode))
                 .Returns({"EmployeeID", "EmployeeRights"}, {{fixture::NurseCode, "|2|3|"}});
         },
         Ends::Right, Bypass::NotAsked},
        {"another admission than the chart's", false, [](Gate& g) { g.test.patientSearch.admissions.erase(Id); },
         Ends::UnknownAdmission, Bypass::NotAsked},
        {"cleared", false,
         [](Gate& g) {
             g.test.server.Instead(fixture::ClearedCheck(Id, g.row.dept))
                 .Returns({"IDNum", "ClearDate"}, {{Id, vb::MakeDate({2026, 12, 11})}});
         },
         Ends::Cleared, Bypass::NotAsked},
        {"closed", false,
         [](Gate& g) {
             g.Admission().BillingDate = vb::MakeDate({2026, 12, 10});
         },
         Ends::Closed, Bypass::NotAsked},
        {"cash basis without a flag, by-pass not allowed", false,
         [](Gate& g) { (g.Admission().*g.row.opener.MayCharge).reset(); }, Ends::CashBasis, Bypass::NotAsked},
        {"cash basis, by-pass declined", true, [](Gate& g) { g.Admission().*g.row.opener.MayCharge = false; },
         Ends::CashBasis, Bypass::Declined},
        {"cash basis, supervisor refused twice, then no", true,
         [](Gate& g) { g.Admission().*g.row.opener.MayCharge = false; }, Ends::CashBasis, Bypass::RefusedThenNo},
        {"cash basis, supervisor refused, then approved", true,
         [](Gate& g) { g.Admission().*g.row.opener.MayCharge = false; }, Ends::CashBasis, Bypass::RefusedThenApproved},
    };
    return cases;
}

std::string Message(const Opener& row, Ends ends) {
    switch (ends) {
    case Ends::Right:
        return row.rightRefusal;
    case Ends::UnknownAdmission:
        return "No records found.";
    case Ends::Cleared:
        return row.cleared;
    case Ends::Closed:
        return Closed;
    case Ends::CashBasis:
        return row.cashBasis;
    }
    return "";
}

TEST(RequestGate, EachOpenerRefusesWithItsOwnWordsAndTheButtonsOfferTheStatBypass) {
    for (const Opener& opener : Openers()) {
        for (const GateCase& c : Cases()) {
            SCOPED_TRACE(opener.name + ": " + c.name);
            Gate g(opener, c.bypassAllowed);
            c.arrange(g);
            const bool button = opener.list == nullptr;
            const Bypass bypass = button ? c.bypass : Bypass::NotAsked;
            const int index = button ? -1 : g.Line();
            const std::string line = button ? "" : g.LineText();
            const int buttons = c.ends == Ends::Right || c.ends == Ends::UnknownAdmission || c.ends == Ends::Cleared
                                    ? Information
                                    : Exclamation;
            g.Expect(Message(opener, c.ends), buttons, c.ends == Ends::UnknownAdmission ? "Notification" : "Message");
            if (bypass != Bypass::NotAsked)
                g.Expect(BypassQuestion, Question, "Message", bypass == Bypass::Declined ? forms::vbNo : forms::vbYes);
            if (bypass == Bypass::RefusedThenNo) {
                g.CloseSupervisorDialog();
                g.Expect(AgainQuestion, Question, "Message", forms::vbYes);
                g.CloseSupervisorDialog();
                g.Expect(AgainQuestion, Question, "Message", forms::vbNo);
            }
            if (bypass == Bypass::RefusedThenApproved) {
                g.CloseSupervisorDialog();
                g.Expect(AgainQuestion, Question, "Message", forms::vbYes);
                fixture::SignInAsSupervisor(g.test, fixture::SupervisorCode);
                g.ExpectEntryWindow();
            }
            g.test.app.ValidatedUserID = fixture::ActingNurseCode;

            const ward::GateAnswer answer = g.Run();

            const bool approved = bypass == Bypass::RefusedThenApproved;
            if (button) {
                EXPECT_EQ(answer, approved ? ward::GateAnswer::PassedUnderBypass : ward::GateAnswer::Refused);
            } else {
                EXPECT_EQ(g.LineTicked(), c.ends == Ends::Closed) << "only a closed account leaves the line ticked";
                EXPECT_EQ(g.List()->List(index), line) << "the line is back at its place";
            }
            std::vector<std::string> modal;
            if (bypass == Bypass::RefusedThenNo)
                modal = {"frmSupervisorAccessCode", "frmSupervisorAccessCode"};
            if (approved)
                modal = {"frmSupervisorAccessCode", "frmSupervisorAccessCode", "StandInEntry"};
            EXPECT_EQ(g.test.host.ModalShows(), modal);
            EXPECT_FALSE(g.test.app.CashBasisStatBypass);
            EXPECT_EQ(g.flagWhileShown, approved);
            EXPECT_EQ(g.test.app.ValidatedUserID, approved ? fixture::SupervisorCode : fixture::ActingNurseCode);
            ward::BypassApprovals approvals;
            if (approved)
                approvals[opener.dept] = {fixture::SupervisorCode, "Allowed "};
            EXPECT_EQ(g.chart.StatBypassApprovals, approvals);

            std::vector<std::string> sent = {fixture::RightsQuery(fixture::NurseCode)};
            if (c.ends != Ends::Right && c.ends != Ends::UnknownAdmission)
                sent.push_back(fixture::ClearedCheck(Id, opener.dept));
            if (button && c.ends == Ends::CashBasis && opener.reloadsSettings)
                sent.insert(sent.end(), SettingsQueries.begin(), SettingsQueries.end());
            if (approved) {
                const fixture::SignIn& supervisor = fixture::SignInOf(fixture::SupervisorCode);
                sent.push_back(fixture::SupervisorCheck(supervisor.code, supervisor.enciphered));
                sent.push_back(fixture::RightsQuery(fixture::SupervisorCode));
            }
            EXPECT_TRUE(g.test.server.SentExactly(sent, g.mark));
        }
    }
}

// The laboratory button reads the by-pass setting from the server; the other two use it as last loaded.
TEST(RequestGate, OnlyTheLaboratoryButtonReadsTheBypassSettingAfresh) {
    for (const Opener& opener : Openers()) {
        if (opener.list != nullptr)
            continue;
        SCOPED_TRACE(opener.name);
        Gate g(opener, false);
        g.test.app.IsAllowByPassClinicalDepartmentCashBasis = true;
        g.Admission().*opener.opener.MayCharge = false;
        g.Expect(opener.cashBasis, Exclamation);
        if (!opener.reloadsSettings)
            g.Expect(BypassQuestion, Question, "Message", forms::vbNo);
        EXPECT_EQ(g.Run(), ward::GateAnswer::Refused);
        EXPECT_EQ(g.test.app.IsAllowByPassClinicalDepartmentCashBasis, !opener.reloadsSettings);
    }
}

// Whatever ends the entry window, the by-pass flag falls with it.
TEST(RequestGate, TheBypassFlagFallsWhenTheEntryWindowFails) {
    TestApp test;
    test.app.IsAllowByPassClinicalDepartmentCashBasis = true;
    fixture::DeclareSignIns(test.server);
    fixture::DeclareCartPicks(test.server);
    test.host.ExpectMsgBox(BypassQuestion).Answer(forms::vbYes);
    fixture::SignInAsSupervisor(test, fixture::SupervisorCode);
    ward::BypassApprovals approvals;
    EXPECT_THROW(ward::RunStatBypass(test.app, "US", false, approvals,
                                     [&] {
                                         EXPECT_TRUE(test.app.CashBasisStatBypass);
                                         throw std::runtime_error("entry window failed");
                                     }),
                 std::runtime_error);
    EXPECT_FALSE(test.app.CashBasisStatBypass);
    EXPECT_EQ(approvals.at("US"), (ward::BypassApproval{fixture::SupervisorCode, "Allowed "}));
}

} // namespace
