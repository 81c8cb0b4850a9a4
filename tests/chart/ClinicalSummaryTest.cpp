#include "chart/frmFinal.h"
#include "core/frmReportViewer.h"
#include "platform/vb/DateSerialNumber.h"
#include "testkit/FixtureChart.h"
#include "testkit/UserActions.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace testkit;
namespace fixture = testkit::ward_fixture;
using testing::ElementsAre;
using testing::HasSubstr;

namespace {

constexpr forms::Color Blue = 16711680;
constexpr forms::Color Black = 0;

// The chart as the patient list opens it, every confinement of the fixture known to the components, the clinical
// summary still to load.
struct SummaryChart {
    TestApp test;
    ward::frmFinal& chart;

    explicit SummaryChart(const std::string& idNum = fixture::InPatientIdNum,
                          const std::string& hospNum = fixture::InPatientHospNum)
        : chart(Open(test, idNum, hospNum)) {
        test.app.ReloadClinicalSummary = true;
        test.app.HospitalName = "TESSUN GENERAL HOSPITAL";
        test.app.HospitalAddress = "12 MABINI STREET, ZENTARI CITY";
    }

    static ward::frmFinal& Open(TestApp& test, const std::string& idNum, const std::string& hospNum) {
        fixture::AddPeople(test);
        fixture::AddConfinements(test);
        components::PatientData& inPatient = test.patientSearch.admissions[fixture::InPatientIdNum].patient;
        inPatient.BirthPlace = "ILOILO CITY";
        inPatient.Nationality.Description = "FILIPINO";
        inPatient.Religion.Description = "ROMAN CATHOLIC";
        inPatient.Spouse.SpouseName = "ROSA DELA CRUZ";
        inPatient.Father.FatherName = "PEDRO DELA CRUZ";
        inPatient.Mother.MotherName = "LUZ PEREZ";
        test.patientSearch.patientClass.outPatient.patient.patients[fixture::OutPatientHospNum].BirthPlace = "CEBU";
        return fixture::OpenChart(test, idNum, hospNum);
    }

    void OpenSummary() { ChooseTab(chart.tabSSTab1, 6); }
    std::string Medicines(const std::string& idNum) { return "STATION..Nurse_GetPostedMedicines '" + idNum + "'"; }
    // Picks a confinement and composes its summary.
    void View(int row, const std::string& chartIdNum = fixture::InPatientIdNum) {
        test.server.On(Medicines(chartIdNum)).Returns({"Transdate"}, {});
        ClickCell(chart.mshflexClin, row, 1);
        Click(chart.cmdClinical);
    }
    std::string Summary() const { return chart.rtbClinical.Text(); }
    // The format of the run that holds the text.
    forms::TextFormat FormatOf(const std::string& text) const {
        for (const forms::TextRun& run : chart.rtbClinical.Runs())
            if (run.Text.find(text) != std::string::npos)
                return run.Format;
        ADD_FAILURE() << "no run holds " << text;
        return {};
    }
};

std::vector<std::string> Values(const ward::frmFinal& chart) {
    std::vector<std::string> values;
    for (int index : {9, 12, 13, 14, 15, 16, 17, 18})
        values.push_back(chart.lblClinHEad(index).Caption());
    return values;
}

std::vector<std::string> Row(const forms::MSHFlexGrid& grid, int row) {
    std::vector<std::string> cells;
    for (int col = 1; col <= 4; ++col)
        cells.push_back(grid.TextMatrix(row, col));
    return cells;
}

TEST(ClinicalSummaryTab, LoadsTheInPatientsDataAndConfinementsInTheComponentsOrder) {
    SummaryChart s;
    s.chart.rtbClinical.SetText("an earlier summary");
    s.test.patientSearch.admission.IdNumber = "2026000999"; // another patient, clicked in the list
    s.OpenSummary();
    EXPECT_FALSE(s.test.app.ReloadClinicalSummary);
    EXPECT_EQ(s.test.patientSearch.Calls.back(), "ValidateAdmission(2026001234)");
    EXPECT_THAT(s.test.patientSearch.admission.patient.Calls, ElementsAre("Patient.Refresh"));
    EXPECT_EQ(Values(s.chart),
              (std::vector<std::string>{"45 RIZAL AVENUE, ZENTARI CITY", "ILOILO CITY", "FILIPINO", "ROMAN CATHOLIC",
                                        "MARRIED", "ROSA DELA CRUZ", "PEDRO DELA CRUZ", "LUZ PEREZ"}));
    EXPECT_THAT(s.test.confinementObject.Calls, ElementsAre("GetConfinementPeriod(100234,)"));
    const forms::MSHFlexGrid& grid = s.chart.mshflexClin;
    EXPECT_EQ(grid.FormatString(), " |<Admision No. |<Admision Date/Time     |<Discharged Date/Time |<Room No.");
    EXPECT_EQ(
        (std::vector<int>{grid.ColWidth(0), grid.ColWidth(1), grid.ColWidth(2), grid.ColWidth(3), grid.ColWidth(4)}),
        (std::vector<int>{1, 2500, 4000, 4000, 1000}));
    ASSERT_EQ(grid.Rows(), 3);
    EXPECT_EQ(Row(grid, 1), (std::vector<std::string>{"2026001234", "12/7/2026 9:30:00 AM", "", "SIC-03"}));
    EXPECT_EQ(Row(grid, 2),
              (std::vector<std::string>{"2025000877", "3/2/2025 2:10:00 PM", "3/9/2025 10:00:00 AM", "SIC-01"}));
    EXPECT_TRUE(grid.Enabled());
    EXPECT_TRUE(s.chart.cmdClinical.Enabled());
    EXPECT_FALSE(s.chart.cmdClinicalOption(1).Enabled());
    EXPECT_EQ(s.chart.rtbClinical.Text(), "");
}

TEST(ClinicalSummaryTab, AnOutPatientsDataComeFromTheVisit) {
    SummaryChart s(fixture::OutPatientIdNum, fixture::OutPatientHospNum);
    s.OpenSummary();
    EXPECT_THAT(s.test.patientSearch.patientClass.outPatient.Calls, ElementsAre("OpenOutPatient(2026004410B,100577)"));
    EXPECT_EQ(Values(s.chart)[0], "8 LUNA STREET, ZENTARI CITY");
    EXPECT_EQ(Values(s.chart)[1], "CEBU");
    EXPECT_EQ(Row(s.chart.mshflexClin, 1), (std::vector<std::string>{"2026004410B", "12/10/2026 8:15:00 AM", "", ""}));
}

TEST(ClinicalSummaryTab, WithoutConfinementsTheGridAndViewAreOff) {
    SummaryChart s;
    s.test.confinementObject.results.clear();
    s.OpenSummary();
    EXPECT_EQ(s.chart.mshflexClin.Rows(), 2);
    EXPECT_EQ(s.chart.mshflexClin.TextMatrix(1, 1), "");
    EXPECT_FALSE(s.chart.mshflexClin.Enabled());
    EXPECT_FALSE(s.chart.cmdClinical.Enabled());
}

TEST(ClinicalSummaryTab, AnAdmissionTheSearchCannotFindLeavesThePersonalDataEmpty) {
    SummaryChart s;
    s.OpenSummary();
    s.test.patientSearch.admissions.erase(fixture::InPatientIdNum);
    Click(s.chart.cmdClinicalOption(0));
    EXPECT_EQ(Values(s.chart), std::vector<std::string>(8, ""));
    EXPECT_EQ(s.chart.mshflexClin.Rows(), 3) << "the confinements of the hospital number still list";
}

TEST(ClinicalSummaryTab, AFailingListKeepsTheTabToLoadAgain) {
    SummaryChart s;
    s.test.confinementObject.failure = "Confinements unavailable";
    s.test.host.ExpectMsgBox("Confinements unavailable\n\nPlease notify your IT department.");
    s.OpenSummary();
    EXPECT_TRUE(s.test.app.ReloadClinicalSummary);
}

TEST(ClinicalSummaryTab, ClickingARowChoosesWhatPrintPrints) {
    SummaryChart s;
    s.OpenSummary();
    ClickCell(s.chart.mshflexClin, 1, 2);
    ClickCell(s.chart.mshflexClin, 2, 3);
    EXPECT_EQ(s.chart.SelectedConfinementIdNum, fixture::EarlierIdNum);
    ASSERT_TRUE(s.chart.cmdClinicalOption(1).Enabled());
    s.test.host.OnModal<ward::frmReportViewer>([](ward::frmReportViewer& viewer) { EXPECT_TRUE(CloseWindow(viewer)); });
    Click(s.chart.cmdClinicalOption(1));
    const RecordedReport& report = s.test.reportEngine.Last();
    EXPECT_EQ(report.path, s.test.host.AppPath() + "\\Reports\\Clinical_Summary.RPT");
    EXPECT_EQ(report.values, (std::vector<vb::Variant>{"2025000877", "12 MABINI STREET, ZENTARI CITY"}));
    EXPECT_EQ(report.viewer.Caption, "Clinical Summary");
    EXPECT_EQ(report.output, RecordedReport::Output::Viewed);
    EXPECT_FALSE(s.chart.cmdClinicalOption(1).Enabled());

    ClickCell(s.chart.mshflexClin, 1, 1);
    EXPECT_TRUE(s.chart.cmdClinicalOption(1).Enabled());
    Click(s.chart.cmdClinicalOption(0));
    EXPECT_FALSE(s.chart.cmdClinicalOption(1).Enabled());
}

TEST(ClinicalSummaryTab, APrintThatFailsKeepsPrintOn) {
    SummaryChart s;
    s.test.reportEngine.FailNextOpen("Logon failed for table tbPatientHistory");
    s.OpenSummary();
    ClickCell(s.chart.mshflexClin, 1, 1);
    s.test.host.ExpectMsgBox("Logon failed for table tbPatientHistory\n\nPlease notify your IT department.");
    Click(s.chart.cmdClinicalOption(1));
    EXPECT_TRUE(s.chart.cmdClinicalOption(1).Enabled());
}

const std::string CrLf = "\r\n";

TEST(ClinicalSummaryView, ComposesAnEarlierConfinementWhole) {
    SummaryChart s;
    s.OpenSummary();
    s.View(2);
    const std::string expected =
        CrLf + std::string(28, ' ') + "TESSUN GENERAL HOSPITAL" + CrLf + std::string(25, ' ') +
        "12 MABINI STREET, ZENTARI CITY" + CrLf + std::string(62, ' ') + "Clinical Summary" + CrLf + CrLf +
        "Lastname   : DELA CRUZ       Age         : 63         Admission Number : 2025000877" + CrLf +
        "Firstname  : JUAN            Sex         : Male       Hospital Number  : 100234" + CrLf +
        "Middlename : PEREZ           Civil Status: MARRIED    Room/Ward Number : SIC-01" + CrLf +
        "Birthdate  : 4/12/1961" + CrLf + std::string(57, '_') + CrLf + CrLf + "Date Admitted        :     03/02/2025" +
        CrLf + "Date Discharged      :     03/09/2025" + CrLf + "Attending Physician  :     DR. PEDRO GO" + CrLf +
        "Admitting Doctor     :     DR. LILIA ONG" + CrLf + "Admitting Diagnosis  :     PNEUMONIA" + CrLf +
        "Chief Complaints     :     FEVER AND COUGH" + CrLf +
        "Final Diagnosis      :     COMMUNITY-ACQUIRED PNEUMONIA" + CrLf + CrLf + "Medications :" + CrLf +
        std::string(7, ' ') + "Rx Date" + std::string(10, ' ') + "Brand Name" + std::string(40, ' ') + "Dosage" +
        std::string(24, ' ') + "Qty  " + CrLf + "3/3/2025" + std::string(9, ' ') + "CEFUROXIME 750MG VIAL" +
        std::string(29, ' ') + "1 VIAL EVERY 8 HOURS" + std::string(10, ' ') + "9      " + CrLf + "3/4/2025" +
        std::string(9, ' ') + "SALBUTAMOL NEBULE" + std::string(33, ' ') + "1 NEB EVERY 6 HOURS" +
        std::string(11, ' ') + "12     " + CrLf + CrLf + "Xray Examinations :" + CrLf + "          CHEST PA 3/2/2025" +
        CrLf + "Right lower lobe pneumonia." + CrLf + CrLf + CrLf + "Ultrasound Examinations :" + CrLf +
        "          WHOLE ABDOMEN 3/5/2025" + CrLf + "Normal liver and gallbladder." + CrLf + CrLf + CrLf +
        "CT-Scan Examinations :" + CrLf + "          CT CHEST PLAIN 3/6/2025" + CrLf +
        "Consolidation, right lower lobe." + CrLf + CrLf;
    EXPECT_EQ(s.Summary(), expected);
    EXPECT_THAT(s.test.confinementResultsObject.Calls,
                ElementsAre("GetConfinementResults(2025000877,1)", "GetConfinementResults(2025000877,2)",
                            "GetConfinementResults(2025000877,3)", "GetConfinementResults(2025000877,4)"));
    EXPECT_EQ(s.test.patientSearch.Calls.back(), "ValidateAdmission(2026001234)");
    EXPECT_EQ(s.test.patientSearch.Admission().IdNumber, fixture::InPatientIdNum);
    EXPECT_EQ(s.chart.ProgressBarMeter.Value(), 100);
}

TEST(ClinicalSummaryView, WritesEachPieceInItsFormat) {
    SummaryChart s;
    s.OpenSummary();
    s.View(2);
    const struct {
        std::string text;
        forms::TextFormat format;
    } pieces[] = {
        {"TESSUN GENERAL HOSPITAL", {"Courier New", 10, false, false, false, Black}},
        {"Clinical Summary", {"Monotype Corsiva", 14, false, false, false, Blue}},
        {"Lastname   :", {"Courier New", 10, false, false, false, Blue}},
        {"DELA CRUZ", {"Courier New", 10, false, false, false, Black}},
        {"_____", {"Arial", 14, false, false, false, Black}},
        {"Date Admitted", {"Courier New", 10, true, false, false, Blue}},
        {"03/02/2025", {"Arial", 8, false, false, false, Black}},
        {"Medications :", {"Arial", 10, true, false, false, Blue}},
        {"Rx Date", {"Courier New", 8, false, false, false, Black}},
        {"CEFUROXIME", {"Courier New", 8, false, false, false, Black}},
        {"CHEST PA", {"Arial", 8, false, false, false, Blue}},
        {"Right lower lobe", {"Arial", 8, false, false, false, Black}},
    };
    for (const auto& piece : pieces) {
        bool found = false;
        for (const forms::TextRun& run : s.chart.rtbClinical.Runs())
            found = found || (run.Text.find(piece.text) != std::string::npos && run.Format == piece.format);
        EXPECT_TRUE(found) << piece.text << " in " << piece.format.FontName << " " << piece.format.FontSize;
    }
}

TEST(ClinicalSummaryView, AnOutPatientVisitShowsTheRoomAsEmergencyAndNoAdmittingData) {
    SummaryChart s(fixture::OutPatientIdNum, fixture::OutPatientHospNum);
    s.OpenSummary();
    s.test.patientSearch.patientClass.outPatient.Calls.clear();
    s.View(1, fixture::OutPatientIdNum);
    EXPECT_THAT(s.test.patientSearch.patientClass.outPatient.Calls, ElementsAre("OpenOutPatient(2026004410B,100577)"));
    const std::string summary = s.Summary();
    EXPECT_THAT(summary, HasSubstr("Lastname   : GARCIA          Age         : 36         Admission Number : "
                                   "2026004410B\r\n"));
    EXPECT_THAT(summary, HasSubstr("Sex         : Female     Hospital Number  : 100577\r\n"));
    EXPECT_THAT(summary, HasSubstr("Room/Ward Number : ER/OPD\r\n"));
    EXPECT_THAT(summary, HasSubstr("Date Discharged      :     \r\n"));
    EXPECT_THAT(summary, HasSubstr("Attending Physician  :     DR. CARMEN YU\r\n"));
    EXPECT_THAT(summary, HasSubstr("Admitting Doctor     :     \r\nAdmitting Diagnosis  :     \r\n"));
    EXPECT_THAT(summary, HasSubstr("Chief Complaints     :     WOUND DRESSING\r\n"));
    EXPECT_THAT(summary, HasSubstr("\r\n\r\nXray Examinations :\r\n          LEFT HAND AP/OBLIQUE 12/10/2026\r\n"));
    EXPECT_THAT(summary, testing::Not(HasSubstr("Medications :")));
}

TEST(ClinicalSummaryView, CentresTheHeadingWithHalvesRoundedToEven) {
    const struct {
        std::string name;
        int blanks;
    } cases[] = {{std::string(21, 'N'), 30}, {std::string(23, 'N'), 28},
                 {std::string(22, 'N'), 29}, {"  " + std::string(20, 'N') + " ", 30},
                 {std::string(81, 'N'), 0},  {std::string(85, 'N'), 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name.size());
        SummaryChart s;
        s.test.app.HospitalName = c.name;
        s.OpenSummary();
        s.View(1);
        EXPECT_EQ(s.Summary().substr(2, c.blanks + 1), std::string(c.blanks, ' ') + "N");
    }
}

TEST(ClinicalSummaryView, ALongValueIsWrittenWholeAndUntrimmed) {
    SummaryChart s;
    s.test.patientSearch.admissions[fixture::EarlierIdNum].patient.Lastname = " DELA CRUZ-VILLANUEVA";
    s.test.patientSearch.admissions[fixture::EarlierIdNum].patient.CivilStatus.Description = "SEPARATED ";
    s.test.patientSearch.admissions[fixture::EarlierIdNum].patient.Sex = "";
    s.OpenSummary();
    s.View(2);
    EXPECT_THAT(s.Summary(), HasSubstr("Lastname   :  DELA CRUZ-VILLANUEVA Age         : 63 "));
    EXPECT_THAT(s.Summary(), HasSubstr("Civil Status: SEPARATED  Room/Ward"));
    EXPECT_THAT(s.Summary(), HasSubstr("Sex         : Female "));
}

TEST(ClinicalSummaryView, EmptySectionsHaveNoHeadingAndOddMedicineRowsAreSafe) {
    SummaryChart s;
    const vb::Variant Null = vb::Variant::Null();
    s.test.confinementResultsObject.results[{fixture::InPatientIdNum, "1"}] = MakeTable(
        fixture::MedicineColumns, {{Null, "NOT GIVEN", "1 TAB", 1}, {vb::MakeDate({2026, 12, 8}), Null, Null, Null}});
    s.OpenSummary();
    s.View(1);
    const std::string summary = s.Summary();
    EXPECT_THAT(summary, testing::Not(HasSubstr("NOT GIVEN")));
    // After the row, the closing lines of the medicines, the x-ray and the ultrasound sections, none after CT.
    EXPECT_TRUE(summary.ends_with("Qty  \r\n12/8/2026" + std::string(95, ' ') + "\r\n\r\n\r\n\r\n"));
    EXPECT_THAT(summary, testing::Not(HasSubstr("Examinations :")));
}

TEST(ClinicalSummaryView, AskesThePostedMedicinesOfTheChartsOwnAdmission) {
    SummaryChart s;
    s.OpenSummary();
    const std::size_t mark = s.test.server.Mark();
    s.View(2);
    EXPECT_TRUE(s.test.server.SentExactly({"STATION..Nurse_GetPostedMedicines '2026001234'"}, mark));
}

TEST(ClinicalSummaryView, AComponentFailingMidwayLeavesTheChartsAdmissionCurrent) {
    SummaryChart s;
    s.OpenSummary();
    ClickCell(s.chart.mshflexClin, 2, 1);
    s.test.confinementResultsObject.failure = "Results server down";
    s.test.host.ExpectMsgBox("Results server down\n\nPlease notify your IT department.").Title("Notification");
    Click(s.chart.cmdClinical);
    EXPECT_EQ(s.test.patientSearch.Calls.back(), "ValidateAdmission(2026001234)");
    EXPECT_EQ(s.test.patientSearch.Admission().IdNumber, fixture::InPatientIdNum);
    EXPECT_THAT(s.Summary(), HasSubstr("Admission Number : 2025000877"));
}

} // namespace
