#include "ResultsChart.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>
#include <optional>

using namespace resultstest;

namespace {

const std::string IdNum = fixture::InPatientIdNum;

Row LabRow(const std::string& requestNum, const std::string& section, const std::string& reference = "CS-1") {
    return {requestNum, "12/10/2026 07:00 AM", "L" + requestNum, "EXAM " + requestNum, section, reference};
}

// The laboratory page opened on the admission's results; its table holds one examination when asked.
struct LabPage : ResultsChart {
    explicit LabPage(const std::vector<Row>& rows, bool withTable = false) {
        Results("4", rows);
        const vb::Variant day = vb::MakeDate({2026, 12, 10, 7, 0, 0});
        if (withTable)
            LabTable({{std::int16_t(1), day}}, {{"HEMATOLOGY", "HGB", "120 - 160", "L1", day, "135"}});
        else
            LabTable({}, {});
        OpenViewResults();
        ChooseTab(chart.tabSSTab2, 3);
    }
};

TEST(LaboratoryList, FillsTheRowsInOrderWithTheirColumns) {
    Row withNulls = LabRow("R3", "SEROLOGY");
    withNulls[1] = vb::Variant::Null();
    withNulls[5] = vb::Variant::Null();
    LabPage c({LabRow("R1", "HEMATOLOGY"), LabRow("R2", "HEMATOLOGY", "CS-2"), withNulls});
    const forms::MSHFlexGrid& grid = c.chart.mshflexLab;
    EXPECT_EQ(grid.FormatString(), " |<Request No.|<Result Date/Time  |<Exam. Code  |<Exam. Name               "
                                   "|<Section Name             |<Reference");
    const int widths[] = {1, 1001, 2001, 1001, 4001, 2001, 1001};
    ASSERT_EQ(grid.Cols(), 7);
    for (int col = 0; col < 7; ++col)
        EXPECT_EQ(grid.ColWidth(col), widths[col]) << "column " << col;
    ASSERT_EQ(grid.Rows(), 4);
    EXPECT_EQ(grid.TextMatrix(1, 1), "R1");
    EXPECT_EQ(grid.TextMatrix(2, 6), "CS-2");
    EXPECT_EQ(grid.TextMatrix(3, 2), "");
    EXPECT_EQ(grid.TextMatrix(3, 4), "EXAM R3");
    EXPECT_EQ(grid.TextMatrix(3, 6), "");
    EXPECT_TRUE(grid.Enabled());
    EXPECT_TRUE(grid.Redraw());
    EXPECT_FALSE(c.chart.cmdLabView(0).Enabled());
    EXPECT_FALSE(c.chart.cmdLabView(1).Enabled());
}

TEST(LaboratoryList, TintsEachRowBySectionExactlyAsNamed) {
    struct Tint {
        std::string section;
        std::optional<forms::Color> colour; // none: the grid's own background
    };
    const std::vector<Tint> tints = {
        {"BLOOD CHEMISTRY", 12632319},  {"HEMATOLOGY", 8421631},           {"SEROLOGY", 33023},
        {"HISTOPATHOLOGY", 8454143},    {"MICBIOLOGY", 8454016},           {"BLOOD BANK", 16777088},
        {"VIROLOGY", 16744576},         {"CLINICAL MICROSCOPY", 16744703}, {"  HEMATOLOGY ", 8421631},
        {"MICROBIOLOGY", std::nullopt}, {"Hematology", std::nullopt},      {"", std::nullopt},
    };
    std::vector<Row> rows;
    for (std::size_t i = 0; i < tints.size(); ++i)
        rows.push_back(LabRow("R" + std::to_string(i + 1), tints[i].section));
    LabPage c(rows);
    const forms::MSHFlexGrid& grid = c.chart.mshflexLab;
    for (std::size_t i = 0; i < tints.size(); ++i) {
        const int row = static_cast<int>(i) + 1;
        // Column 0 is never tinted: it shows the grid's own background.
        const forms::Color untinted = grid.FormatOf(row, 0).BackColor;
        for (int col = 1; col < 7; ++col)
            EXPECT_EQ(grid.FormatOf(row, col).BackColor, tints[i].colour.value_or(untinted))
                << "\"" << tints[i].section << "\" column " << col;
    }
}

TEST(LaboratoryList, AnAdmissionWithoutResultsLeavesEverythingOff) {
    LabPage c({});
    EXPECT_EQ(c.chart.mshflexLab.Rows(), 2);
    EXPECT_FALSE(c.chart.mshflexLab.Enabled());
    EXPECT_FALSE(c.chart.cmdLabView(0).Enabled());
    EXPECT_FALSE(c.chart.cmdTabular.Enabled());
    EXPECT_EQ(c.chart.mshflexLabTabular.Rows(), 3);
}

TEST(LaboratoryList, AFirstRowWithoutRequestNumberIsWrittenOver) {
    LabPage c({LabRow("", "SEROLOGY"), LabRow("R2", "HEMATOLOGY")});
    EXPECT_EQ(c.chart.mshflexLab.Rows(), 2);
    EXPECT_EQ(c.chart.mshflexLab.TextMatrix(1, 1), "R2");
}

struct ViewCase {
    int button;
    std::map<std::string, std::string> members;
};

TEST(LaboratoryView, HandsTheViewerTheRowAndThePatient) {
    const std::map<std::string, std::string> patient = {{"CSNumber", "CS-2"},
                                                        {"ViewMode", "0"},
                                                        {"HospitalNumber", "100234"},
                                                        {"IdNumber", "2026001234"},
                                                        {"RoomNumber", "SIC-03"},
                                                        {"PatientName", " DELA CRUZ ,JUAN "},
                                                        {"Age", " 45"},
                                                        {"Sex", "M "},
                                                        {"Status", ""},
                                                        {"UserID", "N0001"},
                                                        {"StationID", "ER"}};
    for (const ViewCase& v : std::vector<ViewCase>{{0, {{"RequestNum", "R2"}, {"AutoPrint", "True"}}},
                                                   {1, {{"RequestNum", ""}, {"AutoPrint", "False"}}}}) {
        LabPage c({LabRow("R1", "HEMATOLOGY"), LabRow(" R2 ", "SEROLOGY", " CS-2 ")});
        c.chart.txtPno.SetText(" 100234 ");
        c.chart.txtRoom.SetText(" SIC-03");
        c.chart.txtPatient.SetText(" DELA CRUZ ,JUAN ");
        c.chart.txtAge.SetText(" 45");
        c.chart.txtSex.SetText("M ");
        ClickCell(c.chart.mshflexLab, 2, 3);
        Click(c.chart.cmdLabView(v.button));

        FakeLabResultViewer& viewer = c.test.labResultViewer;
        ASSERT_EQ(viewer.shows.size(), 1u);
        std::map<std::string, std::string> expected = patient;
        expected.insert(v.members.begin(), v.members.end());
        EXPECT_EQ(viewer.shows[0], expected) << "button " << v.button;
        EXPECT_EQ(viewer.Calls,
                  (std::vector<std::string>{"CSNumber", "RequestNum", "AutoPrint", "ViewMode", "SQLConnection",
                                            "HospitalNumber", "IdNumber", "RoomNumber", "PatientName", "Age", "Sex",
                                            "Status", "UserID", "StationID", "Show_Results"}));
        EXPECT_EQ(viewer.connection, &c.test.app.Connection());
    }
}

TEST(LaboratoryView, RefreshDisablesViewButKeepsTheReferenceClicked) {
    LabPage c({LabRow("R1", "HEMATOLOGY", "CS-1"), LabRow("R2", "SEROLOGY", "CS-2")}, true);
    ClickCell(c.chart.mshflexLab, 2, 3);
    EXPECT_TRUE(c.chart.cmdLabView(1).Enabled());

    c.Results("4", {LabRow("R9", "VIROLOGY", "CS-9")});
    Click(c.chart.cmdExitResultL(1));
    EXPECT_FALSE(c.chart.cmdLabView(0).Enabled());
    EXPECT_FALSE(c.chart.cmdLabView(1).Enabled());
    EXPECT_EQ(c.chart.mshflexLab.TextMatrix(1, 1), "R9");

    // The table's way back to the list enables View without a new click.
    Click(c.chart.cmdTabular);
    Click(c.chart.cmdTabular);
    Click(c.chart.cmdLabView(1));
    EXPECT_EQ(c.test.labResultViewer.properties["CSNumber"], "CS-2");
}

TEST(LaboratoryView, EachChartStartsWithoutAReference) {
    LabPage c({LabRow("R1", "HEMATOLOGY", "CS-1")}, true);
    ClickCell(c.chart.mshflexLab, 1, 3);
    c.chart.Unload();
    c.test.app.Forms.Get<ward::frmFinal>().Show();
    c.MarkForReload();
    c.chart.txtId.SetText(IdNum);
    c.OpenViewResults();
    ChooseTab(c.chart.tabSSTab2, 3);
    Click(c.chart.cmdTabular);
    Click(c.chart.cmdTabular);
    Click(c.chart.cmdLabView(1));
    EXPECT_EQ(c.test.labResultViewer.properties["CSNumber"], "");
}

TEST(LaboratoryPage, ExitLeavesAsTheChartDoes) {
    LabPage c({});
    c.test.host.ExpectMsgBox("Do you want to Exit?").Answer(forms::vbNo).Title("Message");
    Click(c.chart.cmdExitResultL(0));
    EXPECT_TRUE(c.chart.Visible());
}

} // namespace
