#include "ResultsChart.h"
#include "results/clsLaboratoryTabularFormat.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>

using namespace resultstest;

namespace {

const std::string IdNum = fixture::InPatientIdNum;
const std::string Heading = "             EXAMINATION";
constexpr forms::Color ResultBackColor = 12632319;

vb::Variant Day(int day, int hour = 7) { return vb::MakeDate({2026, 12, day, hour, 0, 0}); }

Row Result(const std::string& section, const std::string& exam, const std::string& normal, const std::string& id,
           const vb::Variant& when, const std::string& result) {
    return {section, exam, normal, id, when, result};
}

Row Days(int maxcol, const vb::Variant& start = Day(8)) { return {std::int16_t(maxcol), start}; }

struct Layout {
    std::string what;
    std::vector<Row> maxcol;
    std::vector<Row> rows;
    std::vector<std::vector<std::string>> cells; // every cell, row by row
    std::vector<int> widths;
};

std::vector<Layout> Layouts() {
    const std::vector<std::string> days = {Heading, "NORMAL VALUES", "12/08/26", "12/09/26", "12/10/26", ""};
    const std::vector<std::string> noDays = {Heading, "NORMAL VALUES", "", "", "", ""};
    const std::vector<std::string> blank(6, "");
    return {
        {"ordinary admission",
         {Days(3)},
         {Result("HEMATOLOGY", "HGB", "120 - 160", "L1", Day(8), "135"),
          Result("HEMATOLOGY", "HGB", " 120 - 160 ", "L1", Day(10), " 140 "),
          Result("HEMATOLOGY", "WBC", " 5 - 10 ", "L2", Day(8), "7.2"),
          Result(" BLOOD CHEMISTRY", "CREA", "53 - 115", "L10", Day(10), "88")},
         {days,
          {"HEMATOLOGY", "", "", "", "", ""},
          {" HGB", "120 - 160", "135", "", "140", "L1"},
          {" WBC", " 5 - 10 ", "7.2", "", "", "L2"},
          {"BLOOD CHEMISTRY", "", "", "", "", ""},
          {" CREA", "53 - 115", "", "", "88", "L10"}},
         {3500, 2000, 800, 0, 800, 0}},
        {"two results on one day",
         {Days(3)},
         {Result("HEMATOLOGY", "HGB", "120 - 160", "L1", Day(9, 6), "135 "),
          Result("HEMATOLOGY", "HGB", "120 - 160", "L1", Day(9, 18), " 128")},
         {days, {"HEMATOLOGY", "", "", "", "", ""}, {" HGB", "120 - 160", "", "135, 128", "", "L1"}},
         {3500, 2000, 0, 800, 0, 0}},
        {"results outside the columns",
         {Days(3)},
         {Result("HEMATOLOGY", "HGB", "120 - 160", "L1", Day(7), "135"),
          Result("HEMATOLOGY", "HGB", "120 - 160", "L1", Day(11), "150"),
          Result("HEMATOLOGY", "HGB", "120 - 160", "L1", vb::Variant::Null(), "160")},
         {days, {"HEMATOLOGY", "", "", "", "", ""}, {" HGB", "120 - 160", "", "", "", "L1"}},
         {3500, 2000, 0, 0, 0, 0}},
        {"no start date",
         {Days(3, vb::Variant::Null())},
         {Result("HEMATOLOGY", "HGB", "120 - 160", "L1", Day(8), "135")},
         {noDays, {"HEMATOLOGY", "", "", "", "", ""}, {" HGB", "120 - 160", "", "", "", "L1"}},
         {3500, 2000, 0, 0, 0, 0}},
        {"a start date of 01/01/00",
         {Days(3, vb::MakeDate({2000, 1, 1, 0, 0, 0}))},
         {Result("HEMATOLOGY", "HGB", "120 - 160", "L1", vb::MakeDate({2000, 1, 1, 8, 0, 0}), "135")},
         {noDays, {"HEMATOLOGY", "", "", "", "", ""}, {" HGB", "120 - 160", "", "", "", "L1"}},
         {3500, 2000, 0, 0, 0, 0}},
        {"no MaxCol row",
         {},
         {Result("HEMATOLOGY", "HGB", "120 - 160", "L1", Day(8), "135")},
         {{Heading, "NORMAL VALUES", ""}, {"HEMATOLOGY", "", ""}, {" HGB", "120 - 160", "L1"}},
         {3500, 2000, 0}},
        {"no rows", {Days(3)}, {}, {blank, blank, blank}, {3500, 2000, 0, 0, 0, 0}},
        {"a section coming back, an examination coming back",
         {Days(1)},
         {Result("HEMATOLOGY", "HGB", "120 - 160", "L1", Day(8), "135"),
          Result("HEMATOLOGY", "WBC", "5 - 10", "L2", Day(8), "7.2"),
          Result("HEMATOLOGY", "HGB", "120 - 160", "L1", Day(8), "140"),
          Result("SEROLOGY", "HBSAG", "NONREACTIVE", "L5", Day(8), "NR"),
          Result("HEMATOLOGY", "PLT", "150 - 400", "L3", Day(8), "250")},
         {{Heading, "NORMAL VALUES", "12/08/26", ""},
          {"HEMATOLOGY", "", "", ""},
          {" HGB", "120 - 160", "135", "L1"},
          {" WBC", "5 - 10", "7.2", "L2"},
          {" HGB", "120 - 160", "140", "L1"},
          {"SEROLOGY", "", "", ""},
          {" HBSAG", "NONREACTIVE", "NR", "L5"},
          {"HEMATOLOGY", "", "", ""},
          {" PLT", "150 - 400", "250", "L3"}},
         {3500, 2000, 800, 0}},
        {"one examination name in two sections",
         {Days(1)},
         {Result("HEMATOLOGY", "ESR", "0 - 20", "L7", Day(8), "12"),
          Result("CLINICAL MICROSCOPY", "ESR", "0 - 15", "L8", Day(8), "30")},
         {{Heading, "NORMAL VALUES", "12/08/26", ""},
          {"HEMATOLOGY", "", "", ""},
          {" ESR", "0 - 20", "12", "L7"},
          {"CLINICAL MICROSCOPY", "", "", ""},
          {" ESR", "0 - 15", "30", "L8"}},
         {3500, 2000, 800, 0}},
    };
}

// The laboratory page opened on an admission whose table the server answers so.
struct TablePage : ResultsChart {
    TablePage(const std::vector<Row>& maxcol, const std::vector<Row>& rows, const std::string& rights = "|10|16|")
        : ResultsChart(rights) {
        LabTable(maxcol, rows);
        OpenViewResults();
        ChooseTab(chart.tabSSTab2, 3);
    }
};

TEST(LaboratoryTable, LaysSectionsExaminationsAndDaysCellByCell) {
    for (const Layout& l : Layouts()) {
        TablePage c(l.maxcol, l.rows);
        const forms::MSHFlexGrid& grid = c.chart.mshflexLabTabular;
        ASSERT_EQ(grid.Rows(), static_cast<int>(l.cells.size())) << l.what;
        ASSERT_EQ(grid.Cols(), static_cast<int>(l.widths.size())) << l.what;
        EXPECT_EQ(grid.FixedCols(), 2) << l.what;
        for (int row = 0; row < grid.Rows(); ++row)
            for (int col = 0; col < grid.Cols(); ++col)
                EXPECT_EQ(grid.TextMatrix(row, col), l.cells[row][col]) << l.what << ", cell " << row << "," << col;
        for (int col = 0; col < grid.Cols(); ++col)
            EXPECT_EQ(grid.ColWidth(col), l.widths[col]) << l.what << ", column " << col;
        EXPECT_EQ(grid.BackColor() == ResultBackColor, !l.rows.empty()) << l.what;
        EXPECT_EQ(c.chart.cmdTabular.Enabled(), !l.rows.empty()) << l.what;
        EXPECT_EQ(c.test.server.Statements(c.test.server.Mark() - 2),
                  (std::vector<std::string>{MaxColQuery(IdNum), NormalValuesQuery(IdNum)}))
            << l.what;
    }
}

TEST(LaboratoryTable, AColumnCountPastSixteenBitsStopsWithTheMessage) {
    for (int maxcol : {32765, 40000}) {
        TestApp test;
        test.server.On(MaxColQuery("A-1")).Returns(MaxColColumns, {{std::int32_t(maxcol), Day(8)}});
        test.server.On(NormalValuesQuery("A-1"))
            .Returns(NormalValuesColumns, {Result("HEMATOLOGY", "HGB", "120 - 160", "L1", Day(8), "135")});
        test.host.ExpectMsgBox("Overflow\n\nPlease notify your IT department.").Title("Notification");
        ward::frmFinal& chart = fixture::LoadEmptyChart(test);
        ward::clsLaboratoryTabularFormat table(test.app);
        table.AdmissionNumber = " A-1 ";
        table.Load_Results(chart.mshflexLabTabular);
        EXPECT_EQ(test.server.Statements().back(), maxcol == 40000 ? MaxColQuery("A-1") : NormalValuesQuery("A-1"))
            << maxcol;
    }
}

TEST(LaboratoryTable, AReloadFindingNothingWhileShownDisablesTheSwitch) {
    TablePage c({Days(1)}, {Result("HEMATOLOGY", "HGB", "120 - 160", "L1", Day(8), "135")});
    Click(c.chart.cmdTabular);
    EXPECT_TRUE(c.chart.mshflexLabTabular.Visible());
    EXPECT_FALSE(c.chart.mshflexLab.Visible());
    EXPECT_EQ(c.chart.cmdTabular.Caption(), "View Complete List");
    EXPECT_FALSE(c.chart.cmdLabView(0).Enabled());

    // Each reload reads another admission, so that the server's answers differ.
    c.LabTable({Days(1)}, {}, "A-2");
    c.chart.txtId.SetText("A-2");
    Click(c.chart.cmdExitResultL(1));
    EXPECT_FALSE(c.chart.cmdTabular.Enabled());
    EXPECT_TRUE(c.chart.mshflexLabTabular.Visible()) << "a reload keeps the table shown";

    c.LabTable({Days(1)}, {Result("HEMATOLOGY", "HGB", "120 - 160", "L1", Day(8), "135")}, "A-3");
    c.chart.txtId.SetText("A-3");
    Click(c.chart.cmdExitResultL(1));
    Click(c.chart.cmdTabular);
    EXPECT_FALSE(c.chart.mshflexLabTabular.Visible());
    EXPECT_TRUE(c.chart.mshflexLab.Visible());
    EXPECT_EQ(c.chart.cmdTabular.Caption(), "View Tabular Format");
    EXPECT_TRUE(c.chart.cmdLabView(0).Enabled());
    EXPECT_TRUE(c.chart.cmdLabView(1).Enabled());
}

struct GraphCase {
    std::string what;
    int row;
    std::optional<int> answer; // none: nothing is asked
    std::string rights;
    bool prints;
};

TEST(LaboratoryGraph, IsOfferedOnExaminationRowsOnly) {
    const std::vector<GraphCase> cases = {
        {"examination, Yes", 2, forms::vbYes, "|10|16|", true},
        {"examination, Yes, without right 16", 2, forms::vbYes, "|10|", true},
        {"examination, No", 2, forms::vbNo, "|10|16|", false},
        {"section heading", 1, std::nullopt, "|10|16|", false},
        {"examination without normal values", 3, std::nullopt, "|10|16|", false},
    };
    for (const GraphCase& g : cases) {
        TablePage c({Days(1)},
                    {Result("HEMATOLOGY", "HGB", "120 - 160", " L1 ", Day(8), "135"),
                     Result("HEMATOLOGY", "RETIC", "  ", "L4", Day(8), "1.2")},
                    g.rights);
        c.chart.txtId.SetText(" " + IdNum + " ");
        Click(c.chart.cmdTabular);
        if (g.answer)
            c.test.host.ExpectMsgBox("View Graph?").Buttons(forms::vbYesNo).Title("Message").Answer(*g.answer);
        if (g.prints)
            c.test.host.OnModal<ward::frmReportViewer>(
                [](ward::frmReportViewer& viewer) { EXPECT_TRUE(CloseWindow(viewer)); });
        c.test.app.AllowReportPrint = true;
        ClickCell(c.chart.mshflexLabTabular, g.row, 2);

        ASSERT_EQ(c.test.reportEngine.Reports().size(), g.prints ? 1u : 0u) << g.what;
        if (!g.prints)
            continue;
        const RecordedReport& report = c.test.reportEngine.Last();
        EXPECT_EQ(report.path, c.test.host.AppPath() + "\\Reports\\LaboratoryResult_InTabularFormat_Graph.rpt");
        EXPECT_EQ(report.values, (std::vector<vb::Variant>{IdNum, "L1"})) << g.what;
        EXPECT_EQ(report.viewer.Caption, "");
        EXPECT_FALSE(report.viewer.ShowGroupTree);
        EXPECT_EQ(report.viewer.PrintButton, g.rights == "|10|16|") << g.what;
    }
}

} // namespace
