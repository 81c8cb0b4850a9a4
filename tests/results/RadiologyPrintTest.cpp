#include "results/RadiologyPrint.h"
#include "ResultsChart.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace resultstest;

namespace {

const std::string IdNum = fixture::InPatientIdNum;

// What tells the three pages' printouts apart.
struct PrintPage {
    int page;
    std::string kind;       // the component's
    std::string lookUpKind; // the station procedure's
    std::string section;
    std::string caption;
};

const PrintPage kPages[] = {
    {0, "1", "1", "X-RAY SECTION", "Xray Result"},
    {1, "2", "3", "ULTRASOUND SECTION", "ULTRASOUND Result"},
    {2, "3", "2", "C.T. SCAN SECTION", "CTSCAN Result"},
};

const std::vector<std::string> LookUpColumns = {"XrayNum",    "Interpretation", "TelNum",
                                                "ControlNum", "Radiologist2",   "Remarks",
                                                "RadCode",    "Radiologist3",   "Radiologist4"};

// Every value of the printout distinct, so that a value sent in another's place shows.
struct PrintingChart : ResultsChart {
    const PrintPage& p;

    explicit PrintingChart(const PrintPage& p, const std::string& rights = "|10|16|") : ResultsChart(rights), p(p) {
        chart.txtPatient.SetText("DELA CRUZ ,JUAN O'BRIEN ");
        chart.txtPno.SetText(" 100234 ");
        chart.txtDoctor2.SetText("DR. ANA LIM");
        chart.txtStatus.SetText("MARRIED");
        chart.txtAge.SetText("45");
        chart.txtSex.SetText("M");
        chart.txtRoom.SetText("SIC-03");
        chart.txtId.SetText(IdNum + " ");
        test.app.HeaderAddress = "12 RIZAL ST., CEBU";
        test.app.CurHospNum = "999999";
        test.app.CurPatientAddress = "ANOTHER PATIENT'S ADDRESS";
        test.app.HospitalAddress = " 1 MABINI ST. ";
        Results(p.kind,
                {{"R-0001", "FIRST EXAM", "12/01/2026", "12/02/2026", "LIM", "ROSA", "CRUZ", "x"},
                 {"  R-0002 ", "SECOND EXAM", "12/09/2026 08:00 AM", "12/10/2026", "SANTOS", "MIGUEL", "REYES", "y"}},
                IdNum + " ");
        OpenViewResults();
        ChooseTab(chart.tabSSTab2, p.page);
        test.server.On(RowView()).Returns({"Interpretation"}, {{"shown"}});
        ClickCell(Grid(), 2, 2);
    }

    forms::MSHFlexGrid& Grid() {
        forms::MSHFlexGrid* grids[] = {&chart.mshflexXray, &chart.mshflexUltra, &chart.mshflexCT};
        return *grids[p.page];
    }
    forms::CommandButton& View() {
        forms::ControlArray<forms::CommandButton>* buttons[] = {&chart.cmdResultX, &chart.cmdResultU, &chart.cmdCTExit};
        return (*buttons[p.page])(2);
    }
    std::string RowView() const {
        if (p.page == 0)
            return "Select * From Radiology..tbXRResult Where Requestnum ='R-0002'";
        if (p.page == 1)
            return "Select Isnull(E.FormType,'') As FormType,U.* From Radiology..tbUlResult U  Inner Join "
                   "Build_File..tbcoUltraExam E On U.ItemCode = E.UltraExamID  Where U.Requestnum ='R-0002'";
        return "Select * From Radiology..tbCTResult Where Requestnum ='R-0002'";
    }
    std::string LookUp() const { return "STATION..sp_Nurse_Get_RadiologyResults 'R-0002'," + p.lookUpKind; }

    void LookUpFinds(Row row) { test.server.On(LookUp()).Returns(LookUpColumns, {std::move(row)}); }
    void CloseTheViewer() {
        test.host.OnModal<ward::frmReportViewer>(
            [](ward::frmReportViewer& viewer) { EXPECT_TRUE(CloseWindow(viewer)); });
    }
};

const std::string CleanUp = "DELETE RADIOLOGY..tbRadioResult WHERE UserID = 'N0001' and AdmNum = '2026001234';";

Row Released() {
    return {" XN-77 ",     "No fracture; the patient's lungs are clear.",
            "TEL-5",       " CTL-9",
            "DR. RAD TWO", "FOLLOW UP",
            " RC-3 ",      "DR. RAD THREE",
            "DR. RAD FOUR"};
}

std::string Staging() {
    return "RADIOLOGY..SPRADIO_ResultPrint 'DELA CRUZ ,JUAN O''BRIEN ',' 100234 ','DR. ANA LIM','SECOND EXAM',"
           "'MARRIED','45','M','2026001234 ',' XN-77 ','SIC-03','12/09/2026 08:00 AM',"
           "'No fracture; the patient''s lungs are clear.','SANTOS, MIGUEL REYES','12 RIZAL ST., CEBU','TEL-5',"
           "' XN-77 ',' CTL-9','N0001','DR. RAD TWO','FOLLOW UP', '', 'RC-3','DR. RAD THREE','DR. RAD FOUR'";
}

TEST(RadiologyView, StagesTheRowAndShowsItsReport) {
    for (const PrintPage& page : kPages) {
        PrintingChart c(page);
        ASSERT_TRUE(c.View().Enabled());
        c.LookUpFinds(Released());
        c.test.server.On(CleanUp).Affects(1);
        c.test.server.On(Staging()).Affects(1);
        c.CloseTheViewer();
        const std::size_t mark = c.test.server.Mark();

        Click(c.View());

        EXPECT_EQ(c.test.server.Statements(mark),
                  (std::vector<std::string>{RightsQuery, c.LookUp(), CleanUp, Staging()}))
            << page.section;
        ASSERT_EQ(c.test.reportEngine.Reports().size(), 1u) << page.section;
        const RecordedReport& report = c.test.reportEngine.Last();
        EXPECT_EQ(report.path, c.test.host.AppPath() + "\\Reports\\RadioResult.Rpt");
        EXPECT_EQ(report.values,
                  (std::vector<vb::Variant>{page.section, "100234", "1 MABINI ST.", "N0001", "2026001234"}))
            << page.section;
        EXPECT_EQ(report.output, RecordedReport::Output::Viewed);
        EXPECT_EQ(report.viewer.Caption, page.caption);
        EXPECT_FALSE(report.viewer.ShowGroupTree);
        EXPECT_TRUE(report.viewer.PrintButton);
        EXPECT_FALSE(c.View().Enabled()) << page.section;
    }
}

TEST(RadiologyView, WithoutRight16TheViewerHasNoPrintButton) {
    PrintingChart c(kPages[0], "|10|");
    c.LookUpFinds(Released());
    c.test.server.On(CleanUp).Affects(1);
    c.test.server.On(Staging()).Affects(1);
    c.CloseTheViewer();
    Click(c.View());
    EXPECT_FALSE(c.test.reportEngine.Last().viewer.PrintButton);
    EXPECT_TRUE(c.test.app.AllowReportPrint) << "the closing viewer gives the right back";
}

TEST(RadiologyView, AResultNotReleasedShowsNothingAndDisablesView) {
    for (const PrintPage& page : kPages) {
        PrintingChart c(page);
        c.test.server.On(c.LookUp()).Returns(LookUpColumns, {});
        const std::size_t mark = c.test.server.Mark();
        Click(c.View());
        EXPECT_EQ(c.test.server.Statements(mark), (std::vector<std::string>{RightsQuery, c.LookUp()}));
        EXPECT_THAT(c.test.reportEngine.Reports(), testing::IsEmpty());
        EXPECT_FALSE(c.View().Enabled());
    }
}

struct Failure {
    std::string what;
    std::function<void(PrintingChart&)> arrange;
    std::vector<std::string> sent; // after the look-up
    std::string message;
};

TEST(RadiologyView, AFailureKeepsTheDoneStepsAndView) {
    const std::vector<Failure> failures = {
        {"look-up fails",
         [](PrintingChart& c) { c.test.server.On(c.LookUp()).Fails("Radiology is offline", 50000); },
         {},
         "Radiology is offline"},
        {"no radiologist's code",
         [](PrintingChart& c) {
             Row row = Released();
             row[6] = vb::Variant::Null();
             c.LookUpFinds(row);
             c.test.server.On(CleanUp).Affects(0);
         },
         {CleanUp},
         "Invalid use of Null"},
        {"staging fails",
         [](PrintingChart& c) {
             c.LookUpFinds(Released());
             c.test.server.On(CleanUp).Affects(1);
             c.test.server.On(Staging()).Fails("String or binary data would be truncated.", 8152);
         },
         {CleanUp, Staging()},
         "String or binary data would be truncated."},
        {"report fails",
         [](PrintingChart& c) {
             c.LookUpFinds(Released());
             c.test.server.On(CleanUp).Affects(1);
             c.test.server.On(Staging()).Affects(1);
             c.test.reportEngine.FailNextOpen("Load report failed.");
         },
         {CleanUp, Staging()},
         "Load report failed."},
    };
    for (const Failure& f : failures) {
        PrintingChart c(kPages[0]);
        f.arrange(c);
        c.test.host.ExpectMsgBox(f.message + "\n\nPlease notify your IT department.").Title("Notification");
        const std::size_t mark = c.test.server.Mark();
        Click(c.View());
        std::vector<std::string> sent = {RightsQuery, c.LookUp()};
        sent.insert(sent.end(), f.sent.begin(), f.sent.end());
        EXPECT_EQ(c.test.server.Statements(mark), sent) << f.what;
        EXPECT_EQ(c.test.reportEngine.ViewedCount(), 0) << f.what;
        EXPECT_TRUE(c.View().Enabled()) << f.what;
    }
}

TEST(RadiologyStaging, SendsTheTwentyFourValuesInTheirPlaces) {
    ward::RadiologyStagingValues values;
    for (std::size_t i = 0; i < values.size(); ++i)
        values[i] = "v" + std::to_string(i + 1);
    values[11] = "it's";
    EXPECT_EQ(ward::RadiologyStagingCall(values),
              "RADIOLOGY..SPRADIO_ResultPrint 'v1','v2','v3','v4','v5','v6','v7','v8','v9','v10','v11','it''s','v13',"
              "'v14','v15','v16','v17','v18','v19','v20', '', 'v22','v23','v24'");
}

} // namespace
