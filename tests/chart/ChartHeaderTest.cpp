#include "chart/frmFinal.h"
#include "platform/vb/Conversions.h"
#include "platform/vb/DateSerialNumber.h"
#include "testkit/FixtureChart.h"
#include "testkit/UserActions.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

using namespace testkit;
namespace fixture = testkit::ward_fixture;

namespace {

// The request lists' reload reads the admission's clinical assessments as the box holds the number.
std::string AssessmentStatusQuery(const std::string& idNum) {
    return "STATION..sp_Nurse_Clinical_AssessmentStatus '" + idNum + "'";
}

// The chart opened on one of the fixture's patients, its header not loaded yet.
struct HeaderChart {
    TestApp test;
    ward::frmFinal& chart;

    explicit HeaderChart(const std::string& idNum = fixture::InPatientIdNum,
                         const std::string& hospNum = fixture::InPatientHospNum,
                         const fixture::HeaderAnswers& answers = {}, const fixture::SettingChanges& settings = {})
        : chart(Open(test, idNum, hospNum, answers, settings)) {}

    static ward::frmFinal& Open(TestApp& test, const std::string& idNum, const std::string& hospNum,
                                const fixture::HeaderAnswers& answers, const fixture::SettingChanges& settings) {
        fixture::AddPeople(test);
        return fixture::OpenChart(test, idNum, hospNum, settings, answers);
    }

    components::AdmissionData& Admission(const std::string& idNum = fixture::InPatientIdNum) {
        return test.patientSearch.admissions.at(idNum).admission;
    }

    void LoadHeader() { test.host.FireTimer(chart.Timer1); }
    // F5 starts the timer again; its tick reloads.
    void ReloadHeader() {
        PressKey(chart, forms::vbKeyF5);
        LoadHeader();
    }
};

TEST(ChartHeader, WritesTheAdmissionIntoItsBoxesAndTheCurrentPatient) {
    HeaderChart c;
    c.test.app.CurPatientName = "AS THE LIST SET IT";
    c.test.app.CurRoomID = "SIC-01";
    const std::size_t mark = c.test.server.Mark();
    c.LoadHeader();

    const ward::frmFinal& chart = c.chart;
    EXPECT_EQ(chart.txtPatient.Text(), "DELA CRUZ ,JUAN PEREZ");
    EXPECT_EQ(chart.txtSex.Text(), "M");
    EXPECT_EQ(chart.txtStatus.Text(), "MARRIED");
    EXPECT_EQ(chart.txtDob.Text(), vb::CStr(vb::MakeDate({1961, 4, 12})));
    EXPECT_EQ(chart.txtDiagnosis.Text(), "ACUTE APPENDICITIS");
    EXPECT_EQ(chart.txtADMDiagnosis.Text(), "ACUTE APPENDICITIS");
    EXPECT_EQ(chart.txtChiefComplaints.Text(), "ABDOMINAL PAIN");
    EXPECT_EQ(chart.txtImpression.Text(), "RUPTURED APPENDIX");
    EXPECT_EQ(chart.txtHt.Text(), "170");
    EXPECT_EQ(chart.txtWt.Text(), "68");
    EXPECT_EQ(chart.txtAge.Text(), "65");
    EXPECT_EQ(chart.txtRoom.Text(), "SIC-03");
    EXPECT_EQ(chart.txtDateAdmitted.Text(), "12/07/2026 09:30:00 AM");
    EXPECT_EQ(chart.txtDateDischarged.Text(), "");
    EXPECT_EQ(chart.txtMannerOfAdmission.Text(), "EMERGENCY");
    EXPECT_EQ(chart.txtDoctor1.Text(), "DR. RAMON LIM");
    EXPECT_EQ(chart.txtDoctor2.Text(), "DR. RAMON LIM");
    EXPECT_EQ(chart.txtDoctor3.Text(), "DR. SOFIA TAN");
    EXPECT_EQ(chart.txtBloodType.Text(), "O+");
    EXPECT_EQ(chart.txtAdiet.Text(), "SOFT DIET");
    EXPECT_EQ(chart.lblPhilhealth(1).Caption(), " MEMBER");
    EXPECT_FALSE(chart.pctMeter.Visible());
    EXPECT_EQ(chart.lblMeter.Caption(), "Loading Patient Records");
    EXPECT_TRUE(chart.lblMeter.Enabled());
    EXPECT_EQ(chart.txtId.Text(), fixture::InPatientIdNum);
    EXPECT_EQ(chart.txtPno.Text(), fixture::InPatientHospNum);

    const ward::App& app = c.test.app;
    EXPECT_EQ(app.CurAdmissionDate, vb::CStr(vb::MakeDate({2026, 12, 7, 9, 30, 0})));
    EXPECT_EQ(app.CurDischargeDate, "");
    EXPECT_EQ(app.CurRoomClassID, "C");
    EXPECT_EQ(app.CurRoomRate, "4500");
    EXPECT_EQ(app.AttendingDoctor1Code, "D0101");
    EXPECT_EQ(app.HeaderAddress, "45 RIZAL AVENUE, ZENTARI CITY");
    EXPECT_EQ(app.CurAccountNum, fixture::InPatientHospNum);
    EXPECT_EQ(app.PhicMembership, "MEMBER");
    EXPECT_EQ(app.AdmType, "PHIC-MEMBER");
    EXPECT_EQ(app.PhicTypeText, "MEMBER");
    EXPECT_EQ(app.CurPatientName, "AS THE LIST SET IT");
    EXPECT_EQ(app.CurRoomID, "SIC-01");

    EXPECT_TRUE(c.test.server.SentExactly(
        {fixture::DietQuery(fixture::InPatientIdNum), fixture::MembershipQuery(fixture::InPatientIdNum),
         AssessmentStatusQuery(fixture::InPatientIdNum), fixture::PackageInfoQuery(fixture::InPatientIdNum), fixture::SeniorCitizenQuery(fixture::InPatientIdNum),
         fixture::AdmissionPackageQuery(fixture::InPatientIdNum)},
        mark));
    EXPECT_THAT(c.test.patientSearch.Calls, testing::Contains("ValidateAdmission(2026001234)"));
    EXPECT_THAT(c.test.patientSearch.patientMaster.Calls, testing::ElementsAre("LoadPatient(100234)"));
}

TEST(ChartHeader, SendsTheAdmissionBoxUntrimmedWhereItIsAndTrimmedWhereItIsTrimmed) {
    const std::string typed = std::string(fixture::InPatientIdNum) + " ";
    HeaderChart c;
    c.chart.txtId.SetText(typed);
    c.test.patientSearch.admissions[typed] = c.test.patientSearch.admissions.at(fixture::InPatientIdNum);
    fixture::DeclareHeader(c.test.server, typed, fixture::InPatientHospNum);
    const std::size_t mark = c.test.server.Mark();
    c.LoadHeader();
    EXPECT_EQ(c.test.patientSearch.admission.Calls.front(), "Admission.Refresh");
    EXPECT_THAT(c.test.patientSearch.Calls, testing::Contains("ValidateAdmission(" + typed + ")"));
    EXPECT_TRUE(c.test.server.SentExactly(
        {fixture::DietQuery(typed), fixture::MembershipQuery(fixture::InPatientIdNum), AssessmentStatusQuery(typed),
         fixture::PackageInfoQuery(typed),
         fixture::SeniorCitizenQuery(fixture::InPatientIdNum), fixture::AdmissionPackageQuery(fixture::InPatientIdNum)},
        mark));
}

// One header load on the in-patient after the case changed the patient search or the chart; check reads the result.
struct LoadCase {
    std::string name;
    fixture::HeaderAnswers answers;
    std::function<void(HeaderChart&)> prepare;
    std::function<void(HeaderChart&)> check;
};

TEST(ChartHeader, LoadsEachKindOfAdmissionRecord) {
    const vb::Date discharged = vb::MakeDate({2026, 12, 10, 15, 20, 0});
    const std::vector<LoadCase> cases = {
        {"discharged",
         {},
         [&](HeaderChart& c) { c.Admission().DischargeDate = discharged; },
         [&](HeaderChart& c) {
             EXPECT_EQ(c.chart.txtDateDischarged.Text(), "12/10/2026 03:20:00 PM");
             EXPECT_EQ(c.test.app.CurDischargeDate, vb::CStr(discharged));
         }},
        {"discharge date 0 after an earlier load",
         {},
         [](HeaderChart& c) {
             c.chart.txtDateDischarged.SetText("OLD");
             c.test.app.CurDischargeDate = "OLD";
         },
         [](HeaderChart& c) {
             EXPECT_EQ(c.chart.txtDateDischarged.Text(), "");
             EXPECT_EQ(c.test.app.CurDischargeDate, "");
         }},
        {"no tbpatient2 row",
         {{}, {{"MEMBER", "X"}}, {{"1"}}},
         [](HeaderChart& c) { c.chart.txtAdiet.SetText("OLD DIET"); },
         [](HeaderChart& c) { EXPECT_EQ(c.chart.txtAdiet.Text(), ""); }},
        {"a diet number without a name",
         {{{vb::Variant::Null(), "D99"}}, {{"MEMBER", "X"}}, {{"1"}}},
         [](HeaderChart& c) { c.chart.txtAdiet.SetText("OLD DIET"); },
         [](HeaderChart& c) { EXPECT_EQ(c.chart.txtAdiet.Text(), ""); }},
        {"names with trailing blanks and no middle name",
         {},
         [](HeaderChart& c) {
             components::PatientData& patient = c.test.patientSearch.admissions.at(fixture::InPatientIdNum).patient;
             patient.Lastname = "DELA CRUZ  ";
             patient.FirstName = " JUAN  ";
             patient.MiddleName = "";
         },
         [](HeaderChart& c) { EXPECT_EQ(c.chart.txtPatient.Text(), "DELA CRUZ , JUAN "); }},
        {"birth date unknown",
         {},
         [](HeaderChart& c) {
             c.test.patientSearch.admissions.at(fixture::InPatientIdNum).patient.BirthDate = std::int32_t{0};
         },
         [](HeaderChart& c) { EXPECT_EQ(c.chart.txtDob.Text(), ""); }},
        {"master record not loading",
         {},
         [](HeaderChart& c) {
             c.test.patientSearch.patientMaster.patients.clear();
             c.chart.txtBloodType.SetText("B-");
             c.test.app.HeaderAddress = "EARLIER ADDRESS";
             c.test.app.CurAccountNum = "ACC-EARLIER";
         },
         [](HeaderChart& c) {
             EXPECT_EQ(c.chart.txtBloodType.Text(), "B-");
             EXPECT_EQ(c.test.app.HeaderAddress, "EARLIER ADDRESS");
             EXPECT_EQ(c.test.app.CurAccountNum, "ACC-EARLIER");
             EXPECT_EQ(c.chart.txtPatient.Text(), "DELA CRUZ ,JUAN PEREZ") << "the rest still loads";
         }},
        {"no membership row",
         {{{"SOFT DIET", "D01"}}, {}, {{"1"}}},
         [](HeaderChart& c) {
             c.test.app.PhicMembership = "EARLIER";
             c.test.app.AdmType = "EARLIER";
         },
         [](HeaderChart& c) {
             EXPECT_EQ(c.test.app.PhicMembership, "");
             EXPECT_EQ(c.test.app.AdmType, "");
             EXPECT_EQ(c.test.app.PhicTypeText, "");
         }},
    };
    for (const LoadCase& row : cases) {
        SCOPED_TRACE(row.name);
        HeaderChart c(fixture::InPatientIdNum, fixture::InPatientHospNum, row.answers);
        row.prepare(c);
        c.LoadHeader();
        row.check(c);
    }
}

TEST(ChartHeader, ARefusedAdmissionClearsOnlyThePhilhealthType) {
    HeaderChart c;
    c.LoadHeader();
    c.chart.cmdNextPatient(11).SetEnabled(true);
    const std::string caption = c.chart.Caption();
    c.chart.txtId.SetText("2026009999");
    const std::size_t mark = c.test.server.Mark();
    const std::size_t masterCalls = c.test.patientSearch.patientMaster.Calls.size();
    c.ReloadHeader();

    EXPECT_EQ(c.chart.lblPhilhealth(1).Caption(), " ");
    EXPECT_EQ(c.test.app.PhicTypeText, "");
    EXPECT_EQ(c.test.app.PhicMembership, "");
    EXPECT_EQ(c.test.app.AdmType, "");
    EXPECT_EQ(c.chart.txtPatient.Text(), "DELA CRUZ ,JUAN PEREZ");
    EXPECT_EQ(c.chart.txtAdiet.Text(), "SOFT DIET");
    EXPECT_EQ(c.chart.txtBloodType.Text(), "O+");
    EXPECT_EQ(c.chart.Caption(), caption);
    EXPECT_TRUE(c.chart.cmdNextPatient(11).Enabled()) << "the flags are not applied";
    EXPECT_TRUE(c.test.server.SentExactly({}, mark));
    EXPECT_EQ(c.test.patientSearch.patientMaster.Calls.size(), masterCalls);
}

TEST(ChartHeader, AServerErrorStopsTheLoadAtItsStepAndIsShownOnce) {
    HeaderChart c;
    c.chart.cmdNextPatient(11).SetEnabled(true);
    const std::size_t mark = c.test.server.Mark();
    c.test.server.FailStatement(mark + 1); // the membership
    c.test.host.ExpectMsgBox("Scripted failure\n\nPlease notify your IT department.").Title("Notification");
    c.LoadHeader();
    EXPECT_EQ(c.chart.txtPatient.Text(), "DELA CRUZ ,JUAN PEREZ") << "written before the error";
    EXPECT_EQ(c.chart.txtAdiet.Text(), "SOFT DIET");
    EXPECT_EQ(c.chart.lblPhilhealth(1).Caption(), " ");
    EXPECT_EQ(c.test.server.Statements(mark).size(), 2u) << "nothing after the failing statement";
    EXPECT_TRUE(c.chart.cmdNextPatient(11).Enabled()) << "the flags are not applied";
    EXPECT_FALSE(c.chart.pctMeter.Visible());
}

struct LabelCase {
    std::string name;
    std::string idNum;
    fixture::HeaderAnswers answers;
    std::string label;
    std::string phicTypeText;
};

TEST(ChartHeader, ShowsThePhilhealthTypeOfInAndOutPatients) {
    const std::string in = fixture::InPatientIdNum;
    const std::string out = fixture::OutPatientIdNum;
    const std::vector<Row> diet = {{"SOFT DIET", "D01"}};
    const std::vector<LabelCase> cases = {
        {"in-patient, no membership row", in, {diet, {}, {}}, " NON-PHIC", ""},
        {"in-patient, blank membership", in, {diet, {{"   ", "X"}}, {}}, " NON-PHIC", "   "},
        {"in-patient, membership text",
         in,
         {diet, {{" MEMBER-EMPLOYED ", "X"}}, {}},
         " MEMBER-EMPLOYED",
         " MEMBER-EMPLOYED "},
        {"out-patient not a member in the master", out, {diet, {{"MEMBER", "X"}}, {{"0"}}}, " NON-PHIC", "0"},
        {"out-patient member in the master", out, {diet, {}, {{"Y"}}}, " WITH-PHIC", "Y"},
        {"out-patient without master row, membership text", out, {diet, {{"MEMBER", "X"}}, {}}, " WITH-PHIC", "MEMBER"},
        {"out-patient without master row or membership", out, {diet, {}, {}}, " NON-PHIC", ""},
        {"out-patient without master row, blank membership", out, {diet, {{"  ", "X"}}, {}}, " NON-PHIC", "  "},
    };
    for (const LabelCase& row : cases) {
        SCOPED_TRACE(row.name);
        const bool outPatient = row.idNum == out;
        HeaderChart c(row.idNum, outPatient ? fixture::OutPatientHospNum : fixture::InPatientHospNum, row.answers);
        const std::size_t mark = c.test.server.Mark();
        c.LoadHeader();
        EXPECT_EQ(c.chart.lblPhilhealth(1).Caption(), row.label);
        EXPECT_EQ(c.test.app.PhicTypeText, row.phicTypeText);
        const std::vector<std::string> sent = c.test.server.Statements(mark);
        EXPECT_EQ(std::count(sent.begin(), sent.end(), fixture::PhilhealthQuery(fixture::OutPatientHospNum)),
                  outPatient ? 1 : 0);
    }
}

TEST(ChartHeader, LoadsAnOutPatientVisit) {
    HeaderChart c(fixture::OutPatientIdNum, fixture::OutPatientHospNum);
    const std::size_t mark = c.test.server.Mark();
    c.LoadHeader();
    EXPECT_EQ(c.chart.txtPatient.Text(), "GARCIA ,LUISA TAN");
    EXPECT_EQ(c.chart.txtDateAdmitted.Text(), "12/10/2026 08:15:00 AM");
    EXPECT_EQ(c.chart.txtDoctor2.Text(), "DR. CARMEN YU");
    EXPECT_EQ(c.chart.txtChiefComplaints.Text(), "WOUND DRESSING");
    EXPECT_EQ(c.test.app.AttendingDoctor1Code, "D0205");
    EXPECT_TRUE(c.test.server.SentExactly(
        {fixture::DietQuery(fixture::OutPatientIdNum), fixture::MembershipQuery(fixture::OutPatientIdNum),
         fixture::PhilhealthQuery(fixture::OutPatientHospNum), AssessmentStatusQuery(fixture::OutPatientIdNum),
         fixture::PackageInfoQuery(fixture::OutPatientIdNum),
         fixture::SeniorCitizenQuery(fixture::OutPatientIdNum), fixture::VisitPackageQuery(fixture::OutPatientIdNum)},
        mark));
}

TEST(ChartHeader, EachReloadStartsTheCaptionFromTheOneTheLoadMade) {
    fixture::HeaderAnswers vip;
    vip.vip = true;
    HeaderChart c(fixture::InPatientIdNum, fixture::InPatientHospNum, vip);
    for (int load = 0; load < 3; ++load) {
        if (load == 0)
            c.LoadHeader();
        else
            c.ReloadHeader();
        EXPECT_EQ(c.chart.Caption(), "Clinical Procedure          ( Patient is Tag As VIP PATIENT )") << load;
    }
}

// The enabled state of what the flags govern, in one line: the three quick lists, their search buttons, pharmacy,
// central supply and clinical assessment, 1 for enabled.
std::string Governed(ward::frmFinal& chart) {
    std::string states;
    for (forms::Control* control : std::initializer_list<forms::Control*>{
             &chart.lstListLaboratory, &chart.lstListXray, &chart.lstListUltra, &chart.cmdLabMore, &chart.cmdXrayMore,
             &chart.cmdUltraMore, &chart.cmdNextPatient(1), &chart.cmdNextPatient(2), &chart.cmdNextPatient(11)})
        states += control->Enabled() ? '1' : '0';
    return states;
}

void SetGoverned(ward::frmFinal& chart, bool enabled) {
    for (forms::Control* control : std::initializer_list<forms::Control*>{
             &chart.lstListLaboratory, &chart.lstListXray, &chart.lstListUltra, &chart.cmdLabMore, &chart.cmdXrayMore,
             &chart.cmdUltraMore, &chart.cmdNextPatient(1), &chart.cmdNextPatient(2), &chart.cmdNextPatient(11)})
        control->SetEnabled(enabled);
}

struct FlagCase {
    std::string name;
    bool allowWithoutValidation;
    bool enabledBefore;
    std::function<void(components::AdmissionData&)> billing;
    std::string governed; // as Governed writes it
};

TEST(ChartHeader, CashBasisFlagsOpenAndCloseTheRequestLists) {
    using components::AdmissionData;
    const std::vector<FlagCase> cases = {
        {"setting on: only clinical assessment, the rest as it was", true, false,
         [](AdmissionData& a) { a.OkeyLab = false; }, "000000001"},
        {"setting on, all enabled before", true, true, [](AdmissionData& a) { a.OkeyLab = false; }, "111111111"},
        {"all ten flags True", false, false, [](AdmissionData&) {}, "111111110"},
        {"laboratory False only", false, true, [](AdmissionData& a) { a.OkeyLab = false; }, "011111111"},
        {"laboratory False only, search button left as it was", false, false,
         [](AdmissionData& a) { a.OkeyLab = false; }, "011011111"},
        {"pharmacy False: its button stays as it was", false, false, [](AdmissionData& a) { a.OkeyPH = false; },
         "111111011"},
        {"central supply False", false, false, [](AdmissionData& a) { a.OkeyCS = false; }, "111111101"},
        {"CT False opens clinical assessment", false, false, [](AdmissionData& a) { a.OkeyCT = false; }, "111111111"},
        {"nuclear False", false, false, [](AdmissionData& a) { a.OkeyNU = false; }, "111111111"},
        {"x-ray Null counts as True", false, false, [](AdmissionData& a) { a.OkeyXray.reset(); }, "111111110"},
        {"every flag Null", false, false,
         [](AdmissionData& a) {
             for (components::NullableFlag* flag : {&a.OkeyLab, &a.OkeyXray, &a.OkeyUltra, &a.OkeyPH, &a.OkeyCS,
                                                    &a.OkeyCT, &a.OkeyPT, &a.OkeyHS, &a.OkeyRTS, &a.OkeyNU})
                 flag->reset();
         },
         "111111110"},
        {"audiometry False is not consulted", false, true, [](AdmissionData& a) { a.OkeyAU = false; }, "111111110"},
    };
    for (const FlagCase& row : cases) {
        SCOPED_TRACE(row.name);
        HeaderChart c(fixture::InPatientIdNum, fixture::InPatientHospNum, {},
                      {{"IsAllowClinicalAssessmentWithoutValidation", row.allowWithoutValidation}});
        SetGoverned(c.chart, row.enabledBefore);
        // Billing decides between the chart's validation and the flags' own refresh.
        c.test.patientSearch.admission.onRefresh = [&row](AdmissionData& admission) {
            if (admission.IdNumber == fixture::InPatientIdNum)
                row.billing(admission);
        };
        c.LoadHeader();
        EXPECT_EQ(Governed(c.chart), row.governed);
    }
}

TEST(ChartHeader, ThePatientBoxUpperCasesWhatIsTyped) {
    HeaderChart c;
    c.chart.txtPatient.SetLocked(false);
    Type(c.chart.txtPatient, "dela cruz, juan 2nd");
    EXPECT_EQ(c.chart.txtPatient.Text(), "DELA CRUZ, JUAN 2ND");
    EXPECT_TRUE(c.test.keyFilter.Calls.empty()) << "the key filter is not asked";
}

} // namespace
