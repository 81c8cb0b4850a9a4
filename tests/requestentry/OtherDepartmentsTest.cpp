#include "chart/ExamLines.h"
#include "chart/frmFinal.h"
#include "platform/db/SqlText.h"
#include "platform/vb/Strings.h"
#include "requestentry/frmAudio.h"
#include "requestentry/frmCTfile.h"
#include "requestentry/frmHeart.h"
#include "requestentry/frmNeuRoExams.h"
#include "requestentry/frmNuclear.h"
#include "requestentry/frmPTFile.h"
#include "requestentry/frmPTRequestEntry.h"
#include "requestentry/frmRTfile.h"
#include "requestentry/frmRequest.h"
#include "shell/frmSupervisorAccessCode.h"
#include "testkit/FixtureRequestEntry.h"
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
const std::string Placed = "The patient's account has been placed under cash basis ";
const std::string SeeBilling =
    "Please advise the patient/watcher to see the Billing staff immediately for further instructions.";
const std::string SeeCredit = "Please refer to Credit & Collection Department for further instructions.";
const std::string BypassQuestion = "Note: You can by pass the cash basis condition if the request is really a "
                                   "'STAT'.\n\rProvided that you will enter the reason for the STAT request and a "
                                   "Supervisor Log-in.\n\r\n\rDo You want to Proceed?";
const std::string AgainQuestion = "Selected transaction will not continue! \r\nAre you sure you want to by pass the "
                                  "cash basis condition if the request is really a 'STAT'?";
const std::string OtherItem = "DIALYSIS";
const std::string OtherText = OtherItem + std::string(30, ' ');

// One line of the list: its department, the window it opens and under the by-pass, and its refusal texts.
struct Dept {
    std::string code;
    std::string item;
    std::string clearedText;
    std::string window;
    std::string bypassWindow;
    std::string cashBasis; // empty: no cash basis at all
    components::NullableFlag components::AdmissionData::*flag;
    bool freeTypingPT = false;
};

const std::vector<Dept>& Depts() {
    using components::AdmissionData;
    static const std::vector<Dept> depts = {
        {"PT", "PHYSICAL THERAPY", "Physical Therapy", "frmPTFile", "frmPTFile",
         Placed + "for ( Physical Therapy Charges ) by the Billing Officer. " + SeeBilling, &AdmissionData::OkeyPT},
        {"PT", "PHYSICAL THERAPY", "Physical Therapy", "frmPTRequestEntry", "frmPTFile",
         Placed + "for ( Physical Therapy Charges ) by the Billing Officer. " + SeeBilling, &AdmissionData::OkeyPT,
         true},
        {"CT", "CT SCAN", "CT-Scan ", "frmCTfile", "frmCTfile",
         Placed + "for ( CT Scan Charges ) by the Billing Officer. " + SeeBilling, &AdmissionData::OkeyCT},
        {"PA", "PULMONARY", "Pulmonary", "frmRTfile", "frmRTfile",
         Placed + "for ( Pulmonary/RTS Charges ) by the Billing Officer. " + SeeBilling, &AdmissionData::OkeyRTS},
        {"AU", "AUDIOMETRY", "Audiometry", "frmAudio", "frmAudio",
         Placed + "for ( Audiometry Charges ) by the Credit & Collection Officer. " + SeeCredit,
         &AdmissionData::OkeyAU},
        {"NU", "NUCLEAR MEDICINE", "Nuclear Medicine", "frmNuclear", "frmNuclear",
         Placed + "for ( Nuclear Medicine Charges ) by the Billing Officer. " + SeeBilling, &AdmissionData::OkeyNU},
        {"HS", "HEART STATION", "Heart Station", "frmHeart", "frmHeart",
         Placed + "for ( Heart Station/Cardio Charges ) by the Billing Officer. " + SeeBilling, &AdmissionData::OkeyHS},
        {"NE", "NEUROLOGY", "Neurology", "frmNeuRoExams", "", "", nullptr},
        {"MI", "MRI", "MAGNETIC RESONANCE IMAGING", "frmRequest", "frmRequest",
         Placed + "\rfor ( MRI Charges ) by the Credit & Collection Officer. \r" + SeeCredit, nullptr},
        {"WC", "WOMEN", "CENTRE FOR WOMEN", "frmRequest", "frmRequest",
         Placed + "\rfor ( Center For Women Charges ) by the Credit & Collection Officer. \r" + SeeCredit, nullptr},
        {"DL", OtherItem, OtherText, "frmRequest", "frmRequest",
         Placed + "\rfor ( DIALYSIS UNIT ) by the Credit & Collection Officer. \r" + SeeCredit, nullptr},
    };
    return depts;
}

enum class Outcome { NoRight, Cleared, Closed, Allowed, SettingOff, BypassApproved, BypassGivenUp, NoRow };
const char* Name(Outcome o) {
    const char* names[] = {"no right",    "cleared",          "closed",           "allowed",
                           "setting off", "by-pass approved", "by-pass given up", "no row"};
    return names[static_cast<int>(o)];
}

bool HasQuery(const Dept& d) { return d.code == "MI" || d.code == "WC" || d.code == "DL"; }

// What an opened window saw while it was shown.
struct Seen {
    std::string window;
    bool ticked = false;
    bool bypassFlag = false;
    std::string caption, dept, department, box;
    std::vector<std::string> header;
};

// The chart with one line per department in its other-departments list.
struct OthersList {
    TestApp test;
    ward::frmFinal& chart;
    std::vector<Seen> seen;
    std::string code;

    OthersList() : chart(fixture::OpenRequestEntryChart(test, {{"IsAllowByPassClinicalDepartmentCashBasis", true}})) {
        fixture::DeclarePickerExams(test.server);
        fixture::DeclareSignIns(test.server);
        test.server.On("STATION..LoadPTRequests " + db::SqlQuote(Id)).Returns({"Remarks"}, {});
        test.app.ValidatedUserID = fixture::ActingNurseCode;
        forms::TextBox* header[] = {&chart.txtPatient,      &chart.txtDoctor1, &chart.txtDoctor2, &chart.txtRoom,
                                    &chart.txtDateAdmitted, &chart.txtDob,     &chart.txtSex,     &chart.txtAge};
        for (forms::TextBox* box : header)
            box->SetText(box->Name() + " text");
        chart.lstListOthers.Clear();
        for (const Dept& d : Depts())
            if (!d.freeTypingPT)
                chart.lstListOthers.AddItem(ward::examlines::OtherDepartmentLine(d.item, d.code));
    }
    int LineOf(const std::string& deptCode) {
        for (int i = 0; i < chart.lstListOthers.ListCount(); ++i)
            if (vb::Right(chart.lstListOthers.List(i), 2) == deptCode)
                return i;
        return -1;
    }
    bool Ticked() { return chart.lstListOthers.Selected(LineOf(code)); }
    std::string Line() { return chart.lstListOthers.List(LineOf(code)); }
    void ClickLine(const std::string& deptCode) {
        code = deptCode;
        ClickListLine(chart.lstListOthers, LineOf(deptCode));
    }

    Seen Opened(const std::string& window) {
        Seen s;
        s.window = window;
        s.ticked = Ticked();
        s.bypassFlag = test.app.CashBasisStatBypass;
        return s;
    }
    template <class Picker> void WatchPicker(const std::string& name) {
        test.host.OnModal<Picker>([this, name](Picker& picker) {
            Seen s = Opened(name);
            s.box = picker.DepartmentBox().Text();
            seen.push_back(s);
            Click(picker.CloseButton());
        });
    }
    // Whichever window the click opens reports what it saw and is closed as the nurse closes it.
    void Watch(const std::string& window) {
        if (window == "frmRequest") {
            test.host.OnModal<ward::frmRequest>([this](ward::frmRequest& dialog) {
                Seen s = Opened("frmRequest");
                s.caption = dialog.Caption();
                s.dept = dialog.txtDept.Text();
                s.department = dialog.Department();
                seen.push_back(s);
                Click(dialog.cmdOption(1));
            });
        } else if (window == "frmPTRequestEntry") {
            test.host.OnModal<ward::frmPTRequestEntry>([this](ward::frmPTRequestEntry& entry) {
                Seen s = Opened("frmPTRequestEntry");
                s.header = {entry.PName, entry.AdmMD,   entry.AtnMD, entry.ID,  entry.Hosp,
                            entry.Room,  entry.AdmDate, entry.Bdate, entry.Sex, entry.Age};
                seen.push_back(s);
                entry.Unload();
            });
        } else if (window == "frmPTFile") {
            WatchPicker<ward::frmPTFile>(window);
        } else if (window == "frmCTfile") {
            WatchPicker<ward::frmCTfile>(window);
        } else if (window == "frmRTfile") {
            WatchPicker<ward::frmRTfile>(window);
        } else if (window == "frmAudio") {
            WatchPicker<ward::frmAudio>(window);
        } else if (window == "frmNuclear") {
            WatchPicker<ward::frmNuclear>(window);
        } else if (window == "frmHeart") {
            WatchPicker<ward::frmHeart>(window);
        } else if (window == "frmNeuRoExams") {
            WatchPicker<ward::frmNeuRoExams>(window);
        }
    }
};

void ExpectBox(TestApp& test, const std::string& prompt, int buttons, const std::string& title = "Message") {
    test.host.ExpectMsgBox(prompt).Buttons(buttons).Title(title);
}

TEST(OtherDepartments, EachLineRunsItsGateAndOpensItsWindow) {
    const Outcome outcomes[] = {Outcome::NoRight,    Outcome::Cleared,        Outcome::Closed,        Outcome::Allowed,
                                Outcome::SettingOff, Outcome::BypassApproved, Outcome::BypassGivenUp, Outcome::NoRow};
    for (const Dept& d : Depts()) {
        for (Outcome outcome : outcomes) {
            if (outcome == Outcome::NoRow && !HasQuery(d))
                continue;
            SCOPED_TRACE(d.code + (d.freeTypingPT ? " free typing " : " ") + Name(outcome));
            OthersList l;
            TestApp& test = l.test;
            if (d.freeTypingPT)
                fixture::LoadWardParameter(test, "FreeTypingPT", "1");
            components::AdmissionData& admission = test.patientSearch.admissions[Id].admission;
            const bool cashOutcome = outcome == Outcome::SettingOff || outcome == Outcome::BypassApproved ||
                                     outcome == Outcome::BypassGivenUp;
            const bool underCash = cashOutcome && !d.cashBasis.empty();
            // The department's own answer.
            if (d.flag && underCash)
                admission.*d.flag = d.code == "HS" ? components::NullableFlag{} : components::NullableFlag{false};
            const std::string idNum = Id;
            if (d.code == "MI" || d.code == "WC") {
                const std::string query =
                    d.code == "MI" ? fixture::MriFlagQuery(idNum) : fixture::MammoFlagQuery(idNum);
                if (outcome == Outcome::NoRow)
                    test.server.On(query).Returns({"OkeyMRI"}, {});
                else
                    test.server.On(query).Returns({"OkeyMRI"}, {{std::int32_t{underCash ? 0 : 1}}});
            } else if (d.code == "DL") {
                const std::string query = fixture::OtherDeptCashBasisQuery(idNum, "DL");
                if (outcome == Outcome::NoRow)
                    test.server.On(query).Returns({"CashBasis", "Department"}, {});
                else
                    test.server.On(query).Returns({"CashBasis", "Department"},
                                                  {{underCash, underCash ? " DIALYSIS UNIT " : " DIALYSIS "}});
            }
            bool ticksAfter = false;
            std::vector<std::string> modal;
            std::string opened;
            switch (outcome) {
            case Outcome::NoRight:
                test.server.Instead(fixture::RightsQuery(fixture::NurseCode))
                    .Returns({"EmployeeID", "EmployeeRights"}, {{fixture::NurseCode, "|2|"}});
                ExpectBox(test, "Sorry you don't have access right to Request Exams.", Information);
                break;
            case Outcome::Cleared:
                test.server.Instead(fixture::ClearedCheck(Id, d.code))
                    .Returns({"IDNum", "ClearDate"}, {{Id, "12/01/2026"}});
                ExpectBox(test,
                          "Patient is already cleared by (" + d.clearedText +
                              " Department). If you have requests to make, notify the Billing staff immediately for "
                              "further instructions.....",
                          Information);
                break;
            case Outcome::Closed:
                admission.BillingDate = std::int32_t{46000};
                ExpectBox(test,
                          "The patient's account has already been closed . If you have charges to make, notify the "
                          "Billing staff immediately for further instructions.....",
                          Exclamation);
                ticksAfter = true;
                break;
            case Outcome::NoRow:
                ticksAfter = true;
                break;
            case Outcome::Allowed:
            case Outcome::SettingOff:
            case Outcome::BypassApproved:
            case Outcome::BypassGivenUp:
                if (!underCash) {
                    opened = d.window;
                    break;
                }
                ExpectBox(test, d.cashBasis, Exclamation);
                if (outcome == Outcome::SettingOff) {
                    // The setting as loaded counts: the server's answer is not asked again.
                    test.app.IsAllowByPassClinicalDepartmentCashBasis = false;
                    break;
                }
                test.host.ExpectMsgBox(BypassQuestion).Answer(forms::vbYes);
                modal.push_back("frmSupervisorAccessCode");
                if (outcome == Outcome::BypassApproved) {
                    fixture::SignInAsSupervisor(test, fixture::SupervisorCode);
                    opened = d.bypassWindow;
                } else {
                    test.host.OnModal<ward::frmSupervisorAccessCode>(
                        [](ward::frmSupervisorAccessCode& dialog) { Click(dialog.cmdOption(1)); });
                    test.host.ExpectMsgBox(AgainQuestion).Answer(forms::vbNo);
                }
                break;
            }
            if (!opened.empty()) {
                l.Watch(opened);
                modal.push_back(opened);
            }
            const std::string line = ward::examlines::OtherDepartmentLine(d.item, d.code);
            const std::size_t mark = test.server.Mark();
            l.ClickLine(d.code);
            EXPECT_EQ(test.host.ModalShows(), modal);
            EXPECT_EQ(l.Ticked(), ticksAfter);
            EXPECT_EQ(l.Line(), line);
            EXPECT_FALSE(test.app.CashBasisStatBypass);
            const bool approved = outcome == Outcome::BypassApproved && underCash;
            EXPECT_EQ(test.app.ValidatedUserID, approved ? fixture::SupervisorCode : fixture::ActingNurseCode);
            ward::BypassApprovals approvals;
            if (approved)
                approvals[d.code] = {fixture::SupervisorCode, "Allowed "};
            EXPECT_EQ(l.chart.StatBypassApprovals, approvals);
            if (HasQuery(d) && outcome != Outcome::NoRight && outcome != Outcome::Cleared &&
                outcome != Outcome::Closed) {
                EXPECT_THAT(test.server.Statements(mark),
                            testing::Contains(d.code == "MI"   ? fixture::MriFlagQuery(Id)
                                              : d.code == "WC" ? fixture::MammoFlagQuery(Id)
                                                               : fixture::OtherDeptCashBasisQuery(Id, "DL")));
            }
            if (opened.empty()) {
                EXPECT_THAT(l.seen, testing::IsEmpty());
                continue;
            }
            ASSERT_EQ(l.seen.size(), 1u);
            const Seen& s = l.seen[0];
            EXPECT_EQ(s.ticked, !approved) << "a line stays ticked while its window is open, but for a by-pass";
            EXPECT_EQ(s.bypassFlag, approved);
            if (opened == "frmRequest") {
                EXPECT_EQ(s.caption, d.code == "MI"   ? "MRI Request Entry"
                                     : d.code == "WC" ? "Centre for Women Request Entry"
                                                      : OtherText);
                EXPECT_EQ(s.dept, d.code);
                EXPECT_EQ(s.department, d.code);
            } else if (opened == "frmPTRequestEntry") {
                const ward::frmFinal& c = l.chart;
                EXPECT_EQ(s.header, (std::vector<std::string>{c.txtPatient.Text(), c.txtDoctor1.Text(),
                                                              c.txtDoctor2.Text(), c.txtId.Text(), c.txtPno.Text(),
                                                              c.txtRoom.Text(), c.txtDateAdmitted.Text(),
                                                              c.txtDob.Text(), c.txtSex.Text(), c.txtAge.Text()}));
            } else {
                EXPECT_EQ(s.box, line);
            }
        }
    }
}

// A click that takes a tick away still meets the right and closed-account refusals, and changes nothing.
TEST(OtherDepartments, AClickThatUnticksMeetsTheRefusalsAgain) {
    OthersList l;
    l.test.patientSearch.admissions[Id].admission.BillingDate = std::int32_t{46000};
    const std::string closed = "The patient's account has already been closed . If you have charges to make, notify "
                               "the Billing staff immediately for further instructions.....";
    l.test.host.ExpectMsgBox(closed);
    l.ClickLine("CT");
    EXPECT_TRUE(l.Ticked());
    l.test.host.ExpectMsgBox(closed);
    l.ClickLine("CT");
    EXPECT_FALSE(l.Ticked());
    EXPECT_THAT(l.test.host.ModalShows(), testing::IsEmpty());
}

// The patient search may hold another admission, picked in the patient list behind the chart: the gate reads the
// chart's own.
TEST(OtherDepartments, TheGateReadsTheChartsOwnAdmission) {
    OthersList l;
    const std::string other = "2026009999";
    l.test.patientSearch.admissions[other] = l.test.patientSearch.admissions[Id];
    l.test.patientSearch.admissions[other].admission.BillingDate = std::int32_t{46000};
    ASSERT_TRUE(l.test.patientSearch.ValidateAdmission(other));
    l.Watch("frmCTfile");
    l.ClickLine("CT");
    EXPECT_EQ(l.test.host.ModalShows(), (std::vector<std::string>{"frmCTfile"}));

    l.chart.txtId.SetText("2026000000");
    l.test.host.ExpectMsgBox("No records found.").Title("Notification").Buttons(Information);
    l.ClickLine("CT");
    EXPECT_EQ(l.test.host.ModalShows(), (std::vector<std::string>{"frmCTfile"}));
}

// A supervisor refused once may be asked again; the second one's approval opens the window.
TEST(OtherDepartments, TheSupervisorMayBeAskedAgain) {
    OthersList l;
    TestApp& test = l.test;
    test.patientSearch.admissions[Id].admission.OkeyCT = false;
    test.host.ExpectMsgBox(Placed + "for ( CT Scan Charges ) by the Billing Officer. " + SeeBilling);
    test.host.ExpectMsgBox(BypassQuestion).Answer(forms::vbYes);
    test.host.OnModal<ward::frmSupervisorAccessCode>(
        [](ward::frmSupervisorAccessCode& dialog) { Click(dialog.cmdOption(1)); });
    test.host.ExpectMsgBox(AgainQuestion).Answer(forms::vbYes);
    fixture::SignInAsSupervisor(test, fixture::SupervisorCode);
    l.Watch("frmCTfile");
    l.ClickLine("CT");
    EXPECT_EQ(test.host.ModalShows(),
              (std::vector<std::string>{"frmSupervisorAccessCode", "frmSupervisorAccessCode", "frmCTfile"}));
    ASSERT_EQ(l.seen.size(), 1u);
    EXPECT_TRUE(l.seen[0].bypassFlag);
    EXPECT_FALSE(test.app.CashBasisStatBypass);
}

} // namespace
