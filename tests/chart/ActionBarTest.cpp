#include "assessments/frmAssessmentClinical.h"
#include "charges/frmCharge.h"
#include "chart/frmFinal.h"
#include "discharge/frmDischargeMenu.h"
#include "discharge/frmDoctors.h"
#include "discharge/frmHBPS.h"
#include "discharge/frmPostDiet.h"
#include "pharmacy/frmAdministeredMeds.h"
#include "pharmacy/frmCSREntry.h"
#include "pharmacy/frmHtWt.h"
#include "pharmacy/frmPHEntry.h"
#include "pharmacy/frmPharmacyRequest.h"
#include "platform/vb/DateSerialNumber.h"
#include "shell/frmSupervisorAccessCode.h"
#include "testkit/FixtureCharge.h"
#include "testkit/FixtureChart.h"
#include "testkit/FixtureSignIn.h"
#include "testkit/UserActions.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace testkit;
namespace fixture = testkit::ward_fixture;

namespace {

const std::string Id = fixture::InPatientIdNum;
const std::string AllRights = "|1|2|3|4|5|6|7|8|9|10|12|15|20|22";
constexpr int Information = forms::vbInformation + forms::vbOKOnly;
constexpr int Exclamation = forms::vbExclamation + forms::vbOKOnly;
constexpr int Question = forms::vbYesNo + forms::vbInformation;

std::string RightsQuery(const std::string& employee) {
    return "SELECT * FROM STATION..tbNurseUserRights WHERE EmployeeID = '" + employee + "'";
}
std::string ClearedCheck(const std::string& dept) {
    return "STATION..sp_Nurse_Check_ClearedDepartment '" + Id + "','" + dept + "'";
}
const std::string PatientsMedCheck =
    "Select Isnull(PatientsMed,0) as PatientsMed from Patient_data..tbPatient2 where IDNum ='" + Id + "'";
std::string WardCashBasisCheck(const std::string& idNum) {
    return "SELECT Isnull(OkeySU,0) as OKeySU FROM Patient_data..tbPatient2 WHERE IDNum ='" + idNum + "'";
}
const std::string ChargingCodes = "STATION..sp_SNCU_ChargingCodes";
const std::string DietQuery =
    "SELECT tbCoDiet.Diet,tbpatient2.DietID FROM PATIENT_DATA..tbpatient2 AS tbpatient2 LEFT OUTER JOIN "
    "BUILD_FILE..tbCoDiet AS tbCoDiet ON tbpatient2.DietID = tbCoDiet.DietID where tbpatient2.Idnum = '" +
    Id + "'";
const std::string RemoteControlCheck = "Station..sp_Check_RemoteControl_Charges '" + Id + "'";
const std::string ServerDateQuery = "select GETDATE() AS Tdate";
const std::vector<std::string> SettingsQueries = {fixture::HospitalInfoQuery, fixture::NursingSettingsQuery,
                                                  fixture::NurseSetupQuery};

const std::string Closed = "The patient's account has already been closed . If you have charges to make, notify the "
                           "Billing staff immediately for further instructions.";

std::vector<std::string> Concat(std::initializer_list<std::vector<std::string>> parts) {
    std::vector<std::string> all;
    for (const auto& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

// The chart of the fixture's in-patient, opened by a nurse holding these rights; the statements sent from then on
// are the action bar's.
struct ActionBar {
    TestApp test;
    ward::frmFinal& chart;
    std::size_t mark = 0;

    explicit ActionBar(const std::string& rights = AllRights, const fixture::SettingChanges& settings = {},
                       const std::string& idNum = Id, const fixture::HeaderAnswers& header = {})
        : chart(Open(test, settings, idNum, header)) {
        test.server.On(RightsQuery(fixture::NurseCode))
            .Returns({"EmployeeID", "EmployeeRights"}, {{fixture::NurseCode, rights}});
        mark = test.server.Mark();
    }

    static ward::frmFinal& Open(TestApp& test, const fixture::SettingChanges& settings, const std::string& idNum,
                                const fixture::HeaderAnswers& header) {
        fixture::AddPeople(test);
        test.app.StationID = fixture::StationID;
        return fixture::OpenChart(test, idNum, idNum == Id ? fixture::InPatientHospNum : fixture::OutPatientHospNum,
                                  settings, header);
    }

    components::AdmissionData& Admission() { return test.patientSearch.admissions[Id].admission; }

    void Cleared(const std::string& dept, bool cleared) {
        test.server.On(ClearedCheck(dept))
            .Returns({"IDNum", "ClearDate"},
                     {{Id, cleared ? vb::Variant(vb::MakeDate({2026, 12, 11, 9, 0, 0})) : vb::Variant::Null()}});
    }
    void PatientsMed(bool under) { test.server.On(PatientsMedCheck).Returns({"PatientsMed"}, {{under ? 1 : 0}}); }
    void WardCashBasis(bool under) { test.server.On(WardCashBasisCheck(Id)).Returns({"OKeySU"}, {{under ? 0 : 1}}); }
    void Departments(const std::string& sql) {
        test.server.On(sql).Returns({"RevenueID", "ItemName"}, {{"SU", "NURSING SERVICES"}, {"OX", "OXYGEN"}});
    }
    // Each header box but the admission's numbers holds its own name, so a copy into the wrong box shows.
    void FillHeader() {
        for (forms::TextBox* box : HeaderBoxes(chart))
            if (box != &chart.txtId && box != &chart.txtPno)
                box->SetText(box->Name() + " text");
    }
    template <class Window> static std::vector<forms::TextBox*> HeaderBoxes(Window& w) {
        return {&w.txtPatient,      &w.txtDoctor1,        &w.txtDoctor2, &w.txtDoctor3,  &w.txtId,  &w.txtPno,
                &w.txtDateAdmitted, &w.txtDateDischarged, &w.txtDob,     &w.txtRoom,     &w.txtAge, &w.txtSex,
                &w.txtBloodType,    &w.txtStatus,         &w.txtAdiet,   &w.txtDiagnosis};
    }

    void Press(int index) { Click(chart.cmdNextPatient(index)); }
    // The statements sent since the chart opened, but for the assessments the request lists' reloads read.
    std::vector<std::string> Sent() const {
        std::vector<std::string> sent = test.server.Statements(mark);
        std::erase_if(sent, [](const std::string& sql) {
            return sql.starts_with("STATION..sp_Nurse_Clinical_AssessmentStatus ");
        });
        return sent;
    }

    void Expect(const std::string& message, int buttons, const std::string& title = "Message") {
        test.host.ExpectMsgBox(message).Title(title).Buttons(buttons);
    }
    template <class Window> void CloseWhenShown(std::function<void(Window&)> look = {}) {
        test.host.OnModal<Window>([look](Window& window) {
            if (look)
                look(window);
            EXPECT_TRUE(CloseWindow(window));
        });
    }
    std::vector<std::string> Shown() const { return Concat({test.host.ModalShows(), test.host.ModelessShows()}); }
};

// One refusal of a branch: what the fixture holds, the message the nurse sees, what was asked of the server.
struct Refusal {
    std::string name;
    int button;
    std::string rights;
    std::function<void(ActionBar&)> arrange;
    std::string message;
    int buttons;
    std::vector<std::string> sent;
};

TEST(ActionBarGates, EachRefusingStepTellsWhyAndOpensNothing) {
    const std::string clearedPH = "Patient is already cleared by (Pharmacy Department). If you have requests to make, "
                                  "notify the Billing staff immediately for further instructions.";
    const std::string clearedCS = "Patient is already cleared by (Central Supply Department). If you have requests to "
                                  "make, notify the Billing staff immediately for further instructions.";
    const std::string clearedDT = "Patient is already cleared by (Dietary Department). If you have requests to make, "
                                  "notify the Billing staff immediately for further instructions.";
    const std::string clearedSU = "Patient is already cleared by (ZODE Department). If you have charges to make, "
                                  "notify the Billing staff immediately for further instructions.";
    const std::string rights = RightsQuery(fixture::NurseCode);
    auto closedAccount = [](ActionBar& b) { b.Admission().BillingDate = vb::MakeDate({2026, 12, 10}); };
    const std::vector<Refusal> cases = {
        {"pharmacy without right 1",
         1,
         "|2|3|",
         {},
         "Sorry you don't have access right to Request Medicines.",
         Information,
         {rights}},
        {"pharmacy cleared",
         1,
         AllRights,
         [](ActionBar& b) { b.Cleared("PH", true); },
         clearedPH,
         Information,
         {rights, ClearedCheck("PH")}},
        {"pharmacy closed",
         1,
         AllRights,
         [&](ActionBar& b) {
             b.Cleared("PH", false);
             b.PatientsMed(false);
             closedAccount(b);
         },
         Closed,
         Exclamation,
         {rights, ClearedCheck("PH"), PatientsMedCheck}},
        {"supplies without right 1",
         2,
         "|2|3|",
         {},
         "Sorry you don't have access right to Request Central Supplies.",
         Information,
         {rights}},
        {"supplies cleared",
         2,
         AllRights,
         [](ActionBar& b) { b.Cleared("CS", true); },
         clearedCS,
         Information,
         {rights, ClearedCheck("CS")}},
        {"supplies closed",
         2,
         AllRights,
         [&](ActionBar& b) {
             b.Cleared("CS", false);
             closedAccount(b);
         },
         Closed,
         Exclamation,
         {rights, ClearedCheck("CS")}},
        {"diet without right 6",
         3,
         "|1|",
         {},
         "Sorry you don't have access right to Post New Diet.",
         Information,
         {rights}},
        {"diet cleared",
         3,
         AllRights,
         [](ActionBar& b) { b.Cleared("DT", true); },
         clearedDT,
         Information,
         {rights, ClearedCheck("DT")}},
        {"discharge without right 4 or 5",
         4,
         "|1|2|3|6|",
         {},
         "Sorry you don't have access right to Discharge and Transfer Room of Patient.",
         Information,
         {rights, rights}},
        {"charges without right 3",
         5,
         "|1|",
         {},
         "Sorry you don't have access right to Post Charges.",
         Information,
         {rights}},
        {"charges cleared",
         5,
         AllRights,
         [](ActionBar& b) { b.Cleared("SU", true); },
         clearedSU,
         Information,
         {rights, ClearedCheck("SU")}},
        {"charges closed",
         5,
         AllRights,
         [&](ActionBar& b) {
             b.Cleared("SU", false);
             closedAccount(b);
         },
         Closed,
         Exclamation,
         {rights, ClearedCheck("SU")}},
        {"charges under cash basis",
         5,
         AllRights,
         [](ActionBar& b) {
             b.Cleared("SU", false);
             b.WardCashBasis(true);
         },
         "The patient's account has been placed under cash basis for ( ZODE Charges ) by the Billing Officer. Please "
         "advise the patient/watcher to see the Billing staff immediately for further instructions.",
         Exclamation,
         {rights, ClearedCheck("SU"), WardCashBasisCheck(Id)}},
        {"charges with a blank room class",
         5,
         AllRights,
         [](ActionBar& b) {
             b.Cleared("SU", false);
             b.WardCashBasis(false);
             b.Admission().Room.RoomClassID = "   ";
         },
         "Patient Has Incomplete Admission Records! Please Refer to the Admission Dept. To Check His/Her Record "
         "Especially the Room.",
         forms::vbCritical + forms::vbOKOnly,
         {rights, ClearedCheck("SU"), WardCashBasisCheck(Id)}},
        {"clearance without right 6",
         6,
         "|1|",
         {},
         "Sorry you don't have access right to Send Clearance/Discharge Order.",
         Information,
         {rights}},
        {"cash assessment without right 9",
         7,
         "|1|",
         {},
         "Sorry you don't have access right for Assessment Entry.",
         Information,
         {rights}},
    };
    for (const Refusal& r : cases) {
        ActionBar b(r.rights);
        if (r.arrange)
            r.arrange(b);
        b.Expect(r.message, r.buttons);
        b.Press(r.button);
        EXPECT_EQ(b.Sent(), r.sent) << r.name;
        EXPECT_THAT(b.Shown(), testing::ElementsAre("frmFinal")) << r.name;
        b.test.host.VerifyAllUsed();
    }
}

TEST(ActionBarGates, ANullBillingDateIsAnOpenAccount) {
    ActionBar b;
    b.Cleared("CS", false);
    b.Admission().BillingDate = vb::Variant::Null();
    b.CloseWhenShown<ward::frmPharmacyRequest>();
    b.Press(2);
    EXPECT_EQ(b.test.host.ModalShows(), (std::vector<std::string>{"frmPharmacyRequest"}));
}

TEST(ActionBarGates, ReadTheChartsOwnAdmissionWhateverThePatientSearchHeldLast) {
    ActionBar b;
    b.Cleared("PH", false);
    b.PatientsMed(false);
    // The patient list validated another patient, whose account is closed, behind the open chart.
    b.test.patientSearch.admission.BillingDate = vb::MakeDate({2026, 12, 1});
    b.test.patientSearch.admission.IdNumber = "2026009999";
    b.CloseWhenShown<ward::frmPharmacyRequest>();
    b.Press(1);
    EXPECT_EQ(b.test.host.ModalShows(), (std::vector<std::string>{"frmPharmacyRequest"}));
    EXPECT_THAT(b.test.patientSearch.Calls, testing::Contains("ValidateAdmission(" + Id + ")"));
    EXPECT_EQ(b.test.patientSearch.admission.IdNumber, Id);
}

TEST(ActionBarGates, AnAdmissionThePatientSearchCannotFindOpensNothing) {
    const std::vector<std::pair<std::string, std::function<void(ActionBar&)>>> entries = {
        {"pharmacy",
         [](ActionBar& b) {
             b.Cleared("PH", false);
             b.PatientsMed(false);
             b.Press(1);
         }},
        {"charges", [](ActionBar& b) { b.Press(5); }},
        {"F6", [](ActionBar& b) { PressKey(b.chart, forms::vbKeyF6); }},
        {"F7", [](ActionBar& b) { PressKey(b.chart, forms::vbKeyF7); }},
    };
    for (const auto& [name, act] : entries) {
        ActionBar b;
        b.test.patientSearch.admissions.erase(Id);
        b.Expect("No records found.", Information, "Notification");
        act(b);
        EXPECT_THAT(b.Shown(), testing::ElementsAre("frmFinal")) << name;
        EXPECT_THAT(b.test.patientSearch.admission.Calls, testing::Not(testing::Contains("Admission.Refresh"))) << name;
    }
}

TEST(ActionBarPharmacy, GivesTheMenuTheAdmissionAndItsDepartment) {
    for (const auto& [button, revenue] : std::vector<std::pair<int, std::string>>{{1, "PH"}, {2, "CS"}}) {
        ActionBar b;
        b.Cleared(revenue, false);
        if (revenue == "PH")
            b.PatientsMed(false);
        std::vector<std::string> members;
        b.CloseWhenShown<ward::frmPharmacyRequest>([&](ward::frmPharmacyRequest& menu) {
            members = {menu.IdNum, menu.HospNum, menu.SetRevenue};
        });
        b.Press(button);
        EXPECT_EQ(members, (std::vector<std::string>{Id, fixture::InPatientHospNum, revenue})) << revenue;
    }
}

TEST(ActionBarPharmacy, ThePatientsMedicineNoticeLetsTheClosedCheckFollow) {
    ActionBar b;
    b.Cleared("PH", false);
    b.PatientsMed(true);
    b.Admission().BillingDate = vb::MakeDate({2026, 12, 10});
    b.Expect("Records indicate that this Patient is under patients medicine.", Information);
    b.Expect(Closed, Exclamation);
    b.Press(1);
    EXPECT_THAT(b.Shown(), testing::ElementsAre("frmFinal"));
}

TEST(ActionBarDiet, ShowsTheDietPostedOrNoneAfterTheDietWindow) {
    struct Case {
        std::string name;
        std::vector<Row> rows;
        std::string shown;
    };
    const std::vector<Case> cases = {
        {"a diet", {{"SOFT DIET", "D02"}}, "SOFT DIET"},
        {"a Null diet", {{vb::Variant::Null(), "D99"}}, ""},
        {"no row", {}, ""},
    };
    for (const Case& c : cases) {
        // The diet window's own read of the diet is the header's statement.
        fixture::HeaderAnswers header;
        header.diet = c.rows;
        ActionBar b(AllRights, {}, Id, header);
        b.chart.txtAdiet.SetText("NPO");
        b.Cleared("DT", false);
        b.CloseWhenShown<ward::frmPostDiet>();
        b.Press(3);
        EXPECT_EQ(b.chart.txtAdiet.Text(), c.shown) << c.name;
        EXPECT_EQ(b.Sent(), (std::vector<std::string>{RightsQuery(fixture::NurseCode), ClearedCheck("DT"), DietQuery}))
            << c.name;
    }
}

TEST(ActionBarDischarge, OpensTheDischargeMenuWithEitherRight) {
    for (const char* rights : {"|4|", "|5|"}) {
        ActionBar b(rights);
        b.CloseWhenShown<ward::frmDischargeMenu>();
        b.Press(4);
        EXPECT_EQ(b.test.host.ModalShows(), (std::vector<std::string>{"frmDischargeMenu"})) << rights;
    }
}

TEST(ActionBarWindows, OpenWithoutGateAndRefreshOrReloadAfterwards) {
    struct Case {
        int button;
        std::string window;
        std::function<void(ActionBar&)> expectShown;
        std::string afterwards; // a call of the patient search's admission, or none
    };
    const std::vector<Case> cases = {
        {0, "frmHtWt", [](ActionBar& b) { b.CloseWhenShown<ward::frmHtWt>(); }, "Admission.Refresh"},
        {9, "frmAdministeredMeds", [](ActionBar& b) { b.CloseWhenShown<ward::frmAdministeredMeds>(); }, ""},
    };
    for (const Case& c : cases) {
        ActionBar b("");
        c.expectShown(b);
        b.Press(c.button);
        EXPECT_EQ(b.test.host.ModalShows(), (std::vector<std::string>{c.window}));
        EXPECT_EQ(b.Sent(), std::vector<std::string>{}) << c.window;
        const std::vector<std::string> afterwards =
            c.afterwards.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.afterwards};
        EXPECT_EQ(b.test.patientSearch.admission.Calls, afterwards) << c.window;
    }
}

TEST(ActionBarWindows, TheDoctorsWindowGetsTheAdmissionAndPatientName) {
    ActionBar b("");
    b.chart.txtPatient.SetText("DELA CRUZ, JUAN PEREZ ");
    b.test.app.Forms.Instance<ward::frmDoctors>().SMSMode = true;
    std::vector<std::string> members;
    b.CloseWhenShown<ward::frmDoctors>([&](ward::frmDoctors& doctors) {
        members = {doctors.SMSMode ? "SMS" : "normal", doctors.IdNum, doctors.PName};
    });
    b.Press(10);
    EXPECT_EQ(members, (std::vector<std::string>{"normal", Id, "DELA CRUZ, JUAN PEREZ "}));
}

// Send Clearance: the cut-off against the server's time read at the click, pending requests, remote-control charges.
struct ClearanceCase {
    std::string name;
    vb::Date serverTime;
    std::string pending;      // cell (1, 1) of the pending list after the reload
    vb::Variant remoteAmount; // Empty: no row
    std::string refusal;
};

TEST(ActionBarClearance, SendsTheDischargeOrderOnlyBeforeTheCutOffWithNothingPendingOrCharged) {
    const vb::Date beforeCutOff = vb::MakeDate({2026, 12, 11, 16, 59, 59});
    const std::string cutOff = "Sending of Clearance/Discharge Order! is up to  05:00:00 PM only.\r\nPlease notify "
                               "the Billing staff immediately for further instructions.";
    const std::string pending = "You can`t send discharge order at this time.There are still pending requests.";
    const std::string remote = "Records indicate that the Patient has Remote Control Charges! \r\nPlease credit first "
                               "the remote control charge before sending Discharge Order.";
    const std::vector<ClearanceCase> cases = {
        {"at the cut-off", vb::MakeDate({2026, 12, 11, 17, 0, 0}), "", vb::Variant(), cutOff},
        {"after the cut-off", vb::MakeDate({2026, 12, 11, 21, 30, 0}), "", vb::Variant(), cutOff},
        {"a second before", beforeCutOff, "", vb::Variant(), ""},
        {"a pending request", beforeCutOff, "LB", vb::Variant(), pending},
        {"no remote-control row", beforeCutOff, "", vb::Variant(), ""},
        {"a remote control of 0", beforeCutOff, "", vb::Variant(0.0), ""},
        {"a Null remote-control amount", beforeCutOff, "", vb::Variant::Null(), ""},
        {"a remote control of 0.01", beforeCutOff, "", vb::Variant(0.01), remote},
    };
    for (const ClearanceCase& c : cases) {
        ActionBar b(AllRights, {{"IsCutoffClearance", true}});
        b.test.app.ServerDate = vb::MakeDate({2026, 12, 11, 8, 0, 0}); // read hours ago
        b.test.server.On(ServerDateQuery).Returns({"Tdate"}, {{c.serverTime}});
        std::vector<Row> remoteRows;
        if (!c.remoteAmount.IsEmpty())
            remoteRows.push_back({c.remoteAmount});
        b.test.server.On(RemoteControlCheck).Returns({"Amount"}, remoteRows);
        if (!c.pending.empty())
            b.test.requestObject.results[{Id, "2"}] = MakeTable({"ITEM DESCRIPTION", "Requestnum"}, {{c.pending, "RQ-1"}});
        if (c.refusal.empty())
            b.CloseWhenShown<ward::frmHBPS>();
        else
            b.Expect(c.refusal, Information);
        b.Press(6);
        const bool opened = c.refusal.empty();
        EXPECT_EQ(b.test.host.ModalShows(), opened ? std::vector<std::string>{"frmHBPS"} : std::vector<std::string>{})
            << c.name;
        std::vector<std::string> sent = Concat({{RightsQuery(fixture::NurseCode)}, SettingsQueries, {ServerDateQuery}});
        if (c.refusal != cutOff && c.refusal != pending)
            sent.push_back(RemoteControlCheck);
        EXPECT_EQ(b.Sent(), sent) << c.name;
        EXPECT_EQ(b.test.patientSearch.admission.Calls.size(), opened ? 1u : 0u) << c.name << ": refreshed after";
        b.test.host.VerifyAllUsed();
    }
}

TEST(ActionBarClearance, WithoutTheCutOffSettingTheServersTimeIsNotRead) {
    ActionBar b;
    b.test.server.On(RemoteControlCheck).Returns({"Amount"}, {});
    b.CloseWhenShown<ward::frmHBPS>();
    b.Press(6);
    EXPECT_EQ(b.Sent(), Concat({{RightsQuery(fixture::NurseCode)}, SettingsQueries, {RemoteControlCheck}}));
}

TEST(ActionBarCharges, OpenTheChargeWindowWithTheDepartmentsStationAndHeader) {
    ActionBar b;
    b.FillHeader();
    b.Cleared("SU", false);
    b.WardCashBasis(false);
    b.Departments(ChargingCodes);
    fixture::DeclareNoCdf(b.test.server);
    b.test.server.On(fixture::PostedChargesQuery()).Returns(fixture::PostedChargesColumns(), {});
    b.Press(5);
    ward::frmCharge& charge = b.test.app.Forms.Get<ward::frmCharge>();
    EXPECT_EQ(b.test.host.ModelessShows(), (std::vector<std::string>{"frmFinal", "frmCharge"}));
    // The window loads, then lists what was posted once it is shown with the header.
    EXPECT_EQ(b.Sent(), Concat({{RightsQuery(fixture::NurseCode), ClearedCheck("SU"), WardCashBasisCheck(Id),
                                 ChargingCodes},
                                SettingsQueries,
                                fixture::NoCdfStatements(),
                                {fixture::PostedChargesQuery()}}));
    EXPECT_EQ(charge.Caption(), "POST CHARGES");
    EXPECT_EQ(charge.lblDeptCode.Caption(), "SIC");
    ASSERT_EQ(charge.lvwDepartments.ListItemCount(), 2);
    EXPECT_EQ(charge.lvwDepartments.ListItems(2).Text(), "OX");
    EXPECT_EQ(charge.lvwDepartments.ListItems(2).SubItems(1), "OXYGEN");
    const auto from = ActionBar::HeaderBoxes(b.chart);
    const auto to = ActionBar::HeaderBoxes(charge);
    for (std::size_t i = 0; i < from.size(); ++i)
        EXPECT_EQ(to[i]->Text(), from[i]->Text()) << to[i]->Name();

    // Opened again, the window lists each department once.
    b.Press(5);
    EXPECT_EQ(charge.lvwDepartments.ListItemCount(), 2);
}

TEST(ActionBarClinicalAssessment, ListsTheDepartmentsTheServerAllowsAndCopiesTheHeader) {
    for (bool withoutValidation : {false, true}) {
        ActionBar b("", {{"IsAllowClinicalAssessmentWithoutValidation", withoutValidation}});
        b.FillHeader();
        b.chart.txtId.SetText(Id + " ");
        const std::string trimmed =
            "STATION..sp_Nurse_Get_Assess_ClinicalDeparment '" + Id + "'," + (withoutValidation ? "1" : "0");
        b.Departments(trimmed);
        b.Press(11);
        b.Press(11);
        ward::frmAssessmentClinical& assessment = b.test.app.Forms.Get<ward::frmAssessmentClinical>();
        EXPECT_EQ(b.Sent(), Concat({SettingsQueries, {trimmed}, SettingsQueries, {trimmed}}));
        EXPECT_EQ(assessment.Caption(), "Assessment Entry For Clinical Department");
        EXPECT_EQ(assessment.lblDeptCode.Caption(), "SIC");
        EXPECT_EQ(assessment.lvwDepartments.ListItemCount(), 2) << "each department once";
        EXPECT_EQ(assessment.txtId.Text(), Id + " ");
        EXPECT_EQ(assessment.txtDiagnosis.Text(), "txtDiagnosis text");
        EXPECT_EQ(b.test.host.ModelessShows().back(), "frmAssessmentClinical");
    }
}

// F6 and F7: the pharmacy and central-supply request entries behind the closed and cash-basis checks.
TEST(ActionBarRequestEntries, RefuseAClosedAccountUnderTheProgramsTitle) {
    const std::vector<std::pair<int, std::string>> keys = {
        {forms::vbKeyF6, Closed},
        {forms::vbKeyF7, "The patient's account has already been closed. If you have charges to make, notify the "
                         "Billing staff immediately for further instructions."},
    };
    for (const auto& [key, message] : keys) {
        ActionBar b;
        b.Admission().BillingDate = vb::MakeDate({2026, 12, 10});
        b.Expect(message, Exclamation, forms::ProgramTitle);
        PressKey(b.chart, key);
        EXPECT_THAT(b.Shown(), testing::ElementsAre("frmFinal")) << key;
    }
}

TEST(ActionBarRequestEntries, PharmacyEntryUnderCashBasisOrANullFlagIsRefused) {
    for (components::NullableFlag flag : {components::NullableFlag(false), components::NullableFlag()}) {
        ActionBar b;
        b.Admission().OkeyPH = flag;
        b.Expect("The patient's account has been placed under cash basis for ( Pharmacy Charges ) by the Billing "
                 "Officer. Please advise the patient/watcher to see the Billing staff immediately for further "
                 "instructions.",
                 Exclamation);
        PressKey(b.chart, forms::vbKeyF6);
        EXPECT_THAT(b.Shown(), testing::ElementsAre("frmFinal"));
    }
}

TEST(ActionBarRequestEntries, PharmacyEntryGetsTheAdmission) {
    ActionBar b;
    std::vector<std::string> members;
    b.CloseWhenShown<ward::frmPHEntry>([&](ward::frmPHEntry& entry) { members = {entry.IdNum, entry.HospNum}; });
    PressKey(b.chart, forms::vbKeyF6);
    EXPECT_EQ(members, (std::vector<std::string>{Id, fixture::InPatientHospNum}));
}

const std::string SuppliesCashBasis =
    "The patient's account has been placed under cash basis for ( Central Supply Charges ) by the Billing Officer. "
    "Please advise the patient/watcher to see the Billing staff immediately for further instructions.";
const std::string StatQuestion = "Note: You can by pass the cash basis condition if the request is really a "
                                 "'STAT'.\n\rProvided that you will enter the reason for the STAT request and a "
                                 "Supervisor Log-in.\n\r\n\rDo you want to proceed?";
const std::string NotContinue = "Selected transaction will not continue! \r\nAre you sure you want to by pass the "
                                "cash basis condition if the request is really a 'STAT'?";

// The central-supply entry with supplies under cash basis, the nurse answering as the steps say.
struct StatBypass {
    ActionBar b;
    bool bypassWhileShown = false;

    StatBypass() {
        b.Admission().OkeyCS = false;
        fixture::DeclareSignIns(b.test.server);
        b.test.server.On(RightsQuery(fixture::SupervisorCode))
            .Returns({"EmployeeID", "EmployeeRights"}, {{fixture::SupervisorCode, "|1|3|20|22|29"}});
        b.test.app.CashBasisStatBypass = true;
        b.Expect(SuppliesCashBasis, Exclamation);
    }
    void ExpectEntry() {
        b.CloseWhenShown<ward::frmCSREntry>(
            [this](ward::frmCSREntry&) { bypassWhileShown = b.test.app.CashBasisStatBypass; });
    }
    void SupervisorGivesUp(const std::string& leftBehind = "") {
        b.test.host.OnModal<ward::frmSupervisorAccessCode>([this, leftBehind](ward::frmSupervisorAccessCode& dialog) {
            Click(dialog.cmdOption(1));
            b.test.app.SupervisorID = leftBehind;
        });
    }
};

TEST(ActionBarStatBypass, AnApprovedSupervisorLetsTheEntryOpenAsStatOnce) {
    StatBypass s;
    s.b.test.host.ExpectMsgBox(StatQuestion).Title("Message").Buttons(Question).Answer(forms::vbYes);
    fixture::SignInAsSupervisor(s.b.test, fixture::SupervisorCode);
    s.ExpectEntry();
    PressKey(s.b.chart, forms::vbKeyF7);
    EXPECT_TRUE(s.bypassWhileShown);
    EXPECT_FALSE(s.b.test.app.CashBasisStatBypass) << "only while the entry is shown";
    EXPECT_EQ(s.b.test.app.ValidatedUserID, fixture::SupervisorCode);
    EXPECT_EQ(s.b.test.host.ModalShows(), (std::vector<std::string>{"frmSupervisorAccessCode", "frmCSREntry"}));
}

TEST(ActionBarStatBypass, ARefusedSupervisorMayTryAgainOrGiveUp) {
    struct Case {
        std::string name;
        std::string leftBehind; // what the refused dialog leaves in SupervisorID
        bool tryAgain;
    };
    for (const Case& c :
         std::vector<Case>{{"given up", "", false}, {"an ID of blanks", "   ", false}, {"tried again", "", true}}) {
        StatBypass s;
        s.b.test.host.ExpectMsgBox(StatQuestion).Answer(forms::vbYes);
        s.SupervisorGivesUp(c.leftBehind);
        s.b.test.host.ExpectMsgBox(NotContinue)
            .Title("Message")
            .Buttons(Question)
            .Answer(c.tryAgain ? forms::vbYes : forms::vbNo);
        if (c.tryAgain) {
            fixture::SignInAsSupervisor(s.b.test, fixture::SupervisorCode);
            s.ExpectEntry();
        }
        PressKey(s.b.chart, forms::vbKeyF7);
        EXPECT_EQ(s.bypassWhileShown, c.tryAgain) << c.name;
        EXPECT_FALSE(s.b.test.app.CashBasisStatBypass) << c.name;
        EXPECT_EQ(s.b.test.host.ModalShows().back(), c.tryAgain ? "frmCSREntry" : "frmSupervisorAccessCode") << c.name;
    }
}

TEST(ActionBarStatBypass, NoStatOrNoSettingEndsWithTheCashBasisMessage) {
    {
        StatBypass s;
        s.b.test.host.ExpectMsgBox(StatQuestion).Answer(forms::vbNo);
        PressKey(s.b.chart, forms::vbKeyF7);
        EXPECT_THAT(s.b.test.host.ModalShows(), testing::IsEmpty());
        EXPECT_FALSE(s.b.test.app.CashBasisStatBypass);
    }
    {
        ActionBar b(AllRights, {{"IsAllowByPassClinicalDepartmentCashBasis", false}});
        b.Admission().OkeyCS = components::NullableFlag();
        b.Expect(SuppliesCashBasis, Exclamation);
        PressKey(b.chart, forms::vbKeyF7);
        EXPECT_EQ(b.Sent(), Concat({{RightsQuery(fixture::NurseCode)}, SettingsQueries}));
        EXPECT_THAT(b.test.host.ModalShows(), testing::IsEmpty());
    }
}

TEST(ActionBarStatBypass, SuppliesNotUnderCashBasisOpenTheEntryWithoutAsking) {
    ActionBar b;
    b.test.app.CashBasisStatBypass = false;
    b.CloseWhenShown<ward::frmCSREntry>();
    PressKey(b.chart, forms::vbKeyF7);
    EXPECT_EQ(b.test.host.ModalShows(), (std::vector<std::string>{"frmCSREntry"}));
    EXPECT_EQ(b.Sent(), (std::vector<std::string>{RightsQuery(fixture::NurseCode)}));
}

} // namespace
