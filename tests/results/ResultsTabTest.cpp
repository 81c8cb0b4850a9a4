#include "ResultsChart.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>

using namespace resultstest;

namespace {

const std::string IdNum = fixture::InPatientIdNum;
const std::string SecondIdNum = "2026001299";

std::string Call(const std::string& idNum, const std::string& kind) { return "GetResults(" + idNum + "," + kind + ")"; }

// One x-ray row: request number, exam, dates, the reading doctor and the interpretation.
Row RadiologyRow(const std::string& requestNum, const std::string& exam, const std::string& middleName = "REYES") {
    return {
        requestNum, exam,       vb::MakeDate({2026, 12, 9, 8, 0, 0}), vb::MakeDate({2026, 12, 9, 15, 30, 0}), "SANTOS",
        "MIGUEL",   middleName, "Interpretation of " + requestNum};
}

struct Selection {
    std::string what;
    std::function<void(ResultsChart&)> act;
    std::vector<std::string> calls; // the component's calls it makes
};

void ChoosePage(ResultsChart& c, int page) { ChooseTab(c.chart.tabSSTab2, page); }

// What the patient list does when it opens the chart on another admission.
void OpenSecondPatient(ResultsChart& c) {
    ChooseTab(c.chart.tabSSTab1, 0);
    c.MarkForReload();
    c.chart.txtId.SetText(SecondIdNum);
    ChooseTab(c.chart.tabSSTab1, 2);
}

TEST(ResultsTab, LoadsEachPageOncePerPatientAndRefreshReloads) {
    ResultsChart c;
    c.LabTable({}, {});
    c.LabTable({}, {}, SecondIdNum);
    c.HeartResults({});
    c.HeartResults({}, SecondIdNum);
    const std::vector<Selection> selections = {
        {"View Results opens on the x-ray page", [](ResultsChart& c) { c.OpenViewResults(); }, {Call(IdNum, "1")}},
        {"ultrasound", [](ResultsChart& c) { ChoosePage(c, 1); }, {Call(IdNum, "2")}},
        {"x-ray again, from the switch", [](ResultsChart& c) { ChoosePage(c, 0); }, {}},
        {"ultrasound again", [](ResultsChart& c) { ChoosePage(c, 1); }, {}},
        {"ultrasound Refresh", [](ResultsChart& c) { Click(c.chart.cmdResultU(0)); }, {Call(IdNum, "2")}},
        {"CT", [](ResultsChart& c) { ChoosePage(c, 2); }, {Call(IdNum, "3")}},
        {"CT Refresh", [](ResultsChart& c) { Click(c.chart.cmdCTExit(0)); }, {Call(IdNum, "3")}},
        {"laboratory", [](ResultsChart& c) { ChoosePage(c, 3); }, {Call(IdNum, "4")}},
        {"laboratory Refresh", [](ResultsChart& c) { Click(c.chart.cmdExitResultL(1)); }, {Call(IdNum, "4")}},
        {"heart station", [](ResultsChart& c) { ChoosePage(c, 4); }, {}},
        {"every page again",
         [](ResultsChart& c) {
             for (int page : {0, 1, 2, 3, 4, 0})
                 ChoosePage(c, page);
         },
         {}},
        {"x-ray Refresh", [](ResultsChart& c) { Click(c.chart.cmdResultX(0)); }, {Call(IdNum, "1")}},
        {"View Results left and opened again",
         [](ResultsChart& c) {
             ChooseTab(c.chart.tabSSTab1, 0);
             ChooseTab(c.chart.tabSSTab1, 2);
         },
         {}},
        {"a second patient", OpenSecondPatient, {Call(SecondIdNum, "1")}},
        {"its pages",
         [](ResultsChart& c) {
             for (int page : {1, 2, 3, 4, 1, 2, 3})
                 ChoosePage(c, page);
         },
         {Call(SecondIdNum, "2"), Call(SecondIdNum, "3"), Call(SecondIdNum, "4")}},
    };
    for (const Selection& s : selections) {
        const std::size_t before = c.ResultCalls().size();
        s.act(c);
        const std::vector<std::string> all = c.ResultCalls();
        const std::vector<std::string> calls(all.begin() + static_cast<long>(before), all.end());
        EXPECT_EQ(calls, s.calls) << s.what;
    }
    EXPECT_FALSE(c.test.app.ReloadHeartResults);
    for (int page = 5; page <= 8; ++page)
        EXPECT_FALSE(c.chart.tabSSTab2.TabEnabled(page)) << "page " << page;
}

TEST(ResultsTab, AFailedLoadLeavesItsPageToLoadAgain) {
    struct FailedPage {
        int page;
        bool ward::App::*flag;
        std::string kind;
    };
    for (const FailedPage& f : std::vector<FailedPage>{{1, &ward::App::ReloadUltrasoundResults, "2"},
                                                       {2, &ward::App::ReloadCTResults, "3"},
                                                       {3, &ward::App::ReloadLabResults, "4"}}) {
        ResultsChart c;
        c.LabTable({}, {});
        c.OpenViewResults();
        c.test.resultsObject.failure = "Results server unreachable";
        c.test.host.ExpectMsgBox("Results server unreachable\n\nPlease notify your IT department.")
            .Title("Notification");
        ChoosePage(c, f.page);
        EXPECT_TRUE(c.test.app.*f.flag) << "page " << f.page;

        c.test.resultsObject.failure.clear();
        ChoosePage(c, 0);
        ChoosePage(c, f.page);
        EXPECT_FALSE(c.test.app.*f.flag) << "page " << f.page;
        EXPECT_THAT(c.ResultCalls(), testing::ElementsAre(Call(IdNum, "1"), Call(IdNum, f.kind), Call(IdNum, f.kind)))
            << "page " << f.page;
    }
}

TEST(ResultsTab, AFailedXrayLoadLeavesItToTheNextOpening) {
    ResultsChart c;
    c.test.resultsObject.failure = "Results server unreachable";
    c.test.host.ExpectMsgBox("Results server unreachable\n\nPlease notify your IT department.").Title("Notification");
    c.OpenViewResults();
    EXPECT_TRUE(c.test.app.ReloadXrayResults);
}

TEST(RadiologyLoad, ListsTheResultsUnderTheirHeaderInTheComponentsOrder) {
    ResultsChart c;
    Row withNulls = RadiologyRow("XR-0003", "SKULL APL", "");
    withNulls[6] = vb::Variant::Null();
    withNulls[7] = vb::Variant::Null();
    c.Results("2", {RadiologyRow("US-0002", "WHOLE ABDOMEN"), RadiologyRow("US-0001", "PELVIS"), withNulls});
    c.OpenViewResults();
    ChoosePage(c, 1);

    const forms::MSHFlexGrid& grid = c.chart.mshflexUltra;
    EXPECT_EQ(grid.FormatString(), " |<Trans. No |<Exam. Name               |<Trans. Date        |<Result Date       "
                                   "|<DR. Lastname |<DR. Firstname |<DR. Middlename |<Interpretation");
    const int widths[] = {1, 1001, 3001, 2001, 2001, 1501, 1501, 1501, 1501};
    ASSERT_EQ(grid.Cols(), 9);
    for (int col = 0; col < 9; ++col)
        EXPECT_EQ(grid.ColWidth(col), widths[col]) << "column " << col;
    ASSERT_EQ(grid.Rows(), 4);
    EXPECT_EQ(grid.TextMatrix(0, 2), "Exam. Name               ");
    EXPECT_EQ(grid.TextMatrix(1, 1), "US-0002");
    EXPECT_EQ(grid.TextMatrix(2, 1), "US-0001");
    EXPECT_EQ(grid.TextMatrix(2, 3), vb::CStr(vb::MakeDate({2026, 12, 9, 8, 0, 0})));
    EXPECT_EQ(grid.TextMatrix(2, 8), "Interpretation of US-0001");
    EXPECT_EQ(grid.TextMatrix(3, 7), "");
    EXPECT_EQ(grid.TextMatrix(3, 8), "");

    c.Results("2", {});
    Click(c.chart.cmdResultU(0));
    EXPECT_EQ(grid.Rows(), 2) << "a reload starts again from the header and one blank row";
    EXPECT_EQ(grid.TextMatrix(1, 1), "");
}

// The value labels of the three pages, x-ray first.
std::vector<int> ValueLabels() { return {6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 24, 25, 26, 27, 28, 29}; }

TEST(RadiologyLoad, OnlyTheXrayLoadBlanksTheValuesOfAllThreePages) {
    ResultsChart c;
    for (const char* kind : {"1", "2", "3"})
        c.Results(kind, {RadiologyRow(std::string("R-") + kind, "EXAM")});
    c.OpenViewResults();
    ChoosePage(c, 1);
    ChoosePage(c, 2);
    c.test.server.On("Select * From Radiology..tbXRResult Where Requestnum ='R-1'")
        .Returns({"Interpretation"}, {{"A"}});
    c.test.server
        .On("Select Isnull(E.FormType,'') As FormType,U.* From Radiology..tbUlResult U  Inner Join "
            "Build_File..tbcoUltraExam E On U.ItemCode = E.UltraExamID  Where U.Requestnum ='R-2'")
        .Returns({"FormType", "Interpretation"}, {{"", "B"}});
    c.test.server.On("Select * From Radiology..tbCTResult Where Requestnum ='R-3'")
        .Returns({"Interpretation"}, {{"C"}});
    ChoosePage(c, 0);
    ClickCell(c.chart.mshflexXray, 1, 2);
    ChoosePage(c, 1);
    ClickCell(c.chart.mshflexUltra, 1, 2);
    ChoosePage(c, 2);
    ClickCell(c.chart.mshflexCT, 1, 2);

    Click(c.chart.cmdCTExit(0));
    EXPECT_EQ(c.chart.txtCTInterp.Text(), "");
    EXPECT_EQ(c.chart.lblXrayInfo(29).Caption(), "R-3") << "a CT refresh keeps the row viewed before";
    EXPECT_EQ(c.chart.txtUltraInterp.Text(), "B");

    ChoosePage(c, 0);
    Click(c.chart.cmdResultX(0));
    for (int index : ValueLabels())
        EXPECT_EQ(c.chart.lblXrayInfo(index).Caption(), "") << "label " << index;
    EXPECT_EQ(c.chart.txtXrayInterp.Text(), "");
    EXPECT_EQ(c.chart.txtUltraInterp.Text(), "B") << "the x-ray load leaves the other interpretations";
    EXPECT_TRUE(c.chart.cmdResultX(2).Enabled()) << "a load leaves View as it was";
}

struct RowView {
    std::string what;
    int page;
    std::vector<Row> rows;
    int clicked;
    std::vector<Row> resultRows;     // the result table's answer
    std::string statement;           // empty when none is sent
    std::vector<std::string> values; // transaction number, date, result date, exam, films, doctor
    std::string interpretation;
    bool viewEnabled;
};

std::vector<RowView> RowViews() {
    const std::string transDate = vb::CStr(vb::MakeDate({2026, 12, 9, 8, 0, 0}));
    const std::string resultDate = vb::CStr(vb::MakeDate({2026, 12, 9, 15, 30, 0}));
    Row emptyNumber = RadiologyRow("", "CHEST AP");
    return {
        {"x-ray row",
         0,
         {RadiologyRow("XR-1", "CHEST PA"), RadiologyRow("XR-2", "SKULL")},
         2,
         {{"XR-2", "Fresh from the table"}},
         "Select * From Radiology..tbXRResult Where Requestnum ='XR-2'",
         {"XR-2", transDate, resultDate, "SKULL", "", "SANTOS , MIGUEL REYES"},
         "Fresh from the table",
         true},
        {"ultrasound row",
         1,
         {RadiologyRow("US-1", "PELVIS", "")},
         1,
         {{"US-1", "Normal uterus."}},
         "Select Isnull(E.FormType,'') As FormType,U.* From Radiology..tbUlResult U  Inner Join "
         "Build_File..tbcoUltraExam E On U.ItemCode = E.UltraExamID  Where U.Requestnum ='US-1'",
         {"US-1", transDate, resultDate, "PELVIS", "", "SANTOS , MIGUEL "},
         "Normal uterus.",
         true},
        {"CT row with an apostrophe",
         2,
         {RadiologyRow("CT'1", "BRAIN")},
         1,
         {{"CT'1", vb::Variant::Null()}},
         "Select * From Radiology..tbCTResult Where Requestnum ='CT''1'",
         {"CT'1", transDate, resultDate, "BRAIN", "", "SANTOS , MIGUEL REYES"},
         "",
         true},
        {"row not in the result table",
         0,
         {RadiologyRow("XR-9", "CHEST PA")},
         1,
         {},
         "Select * From Radiology..tbXRResult Where Requestnum ='XR-9'",
         {"XR-9", transDate, resultDate, "CHEST PA", "", "SANTOS , MIGUEL REYES"},
         "",
         true},
        {"empty grid", 0, {}, 1, {}, "", {"", "", "", "", "", ""}, "", false},
        {"row with an empty request number",
         0,
         {RadiologyRow("XR-1", "CHEST PA"), emptyNumber},
         2,
         {},
         "Select * From Radiology..tbXRResult Where Requestnum =''",
         {"", transDate, resultDate, "CHEST AP", "", "SANTOS , MIGUEL REYES"},
         "",
         true},
    };
}

TEST(RadiologyRowView, ShowsTheClickedRowWithItsInterpretation) {
    for (const RowView& v : RowViews()) {
        ResultsChart c;
        const char* kinds[] = {"1", "2", "3"};
        c.Results(kinds[v.page], v.rows);
        c.OpenViewResults();
        ChooseTab(c.chart.tabSSTab2, v.page);
        if (!v.statement.empty())
            c.test.server.On(v.statement).Returns({"Requestnum", "Interpretation"}, v.resultRows);
        forms::MSHFlexGrid* grids[] = {&c.chart.mshflexXray, &c.chart.mshflexUltra, &c.chart.mshflexCT};
        forms::TextBox* boxes[] = {&c.chart.txtXrayInterp, &c.chart.txtUltraInterp, &c.chart.txtCTInterp};
        forms::ControlArray<forms::CommandButton>* buttons[] = {&c.chart.cmdResultX, &c.chart.cmdResultU,
                                                                &c.chart.cmdCTExit};
        boxes[v.page]->SetText("left from before");
        const std::size_t mark = c.test.server.Mark();

        ClickCell(*grids[v.page], v.clicked, 2);

        const std::vector<int> values[] = {{6, 7, 8, 9, 10, 11}, {17, 16, 15, 14, 13, 12}, {29, 28, 27, 26, 25, 24}};
        for (int detail = 0; detail < 6; ++detail)
            EXPECT_EQ(c.chart.lblXrayInfo(values[v.page][detail]).Caption(), v.values[detail])
                << v.what << ", detail " << detail;
        EXPECT_EQ(c.test.server.Statements(mark),
                  v.statement.empty() ? std::vector<std::string>{} : std::vector<std::string>{v.statement})
            << v.what;
        EXPECT_EQ(boxes[v.page]->Text(), v.interpretation) << v.what;
        EXPECT_EQ((*buttons[v.page])(2).Enabled(), v.viewEnabled) << v.what;
    }
}

TEST(RadiologyButtons, TheXrayPageHasNoExitAndTheOthersLeaveAsTheChartDoes) {
    ResultsChart c;
    EXPECT_FALSE(c.chart.cmdResultX.Exists(1));
    c.OpenViewResults();
    for (int page : {1, 2}) {
        ChooseTab(c.chart.tabSSTab2, page);
        c.test.host.ExpectMsgBox("Do you want to Exit?").Answer(forms::vbNo).Title("Message");
        Click(page == 1 ? c.chart.cmdResultU(1) : c.chart.cmdCTExit(1));
        EXPECT_TRUE(c.chart.Visible()) << "page " << page;
    }
}

TEST(RadiologyButtons, SetThePrintRightFromRight16WhateverTheyDo) {
    for (const std::string& rights : {std::string("|10|"), std::string("|10|16|")}) {
        ResultsChart c(rights);
        c.OpenViewResults();
        for (int page : {0, 1, 2}) {
            ChooseTab(c.chart.tabSSTab2, page);
            c.test.app.AllowReportPrint = rights == "|10|";
            forms::ControlArray<forms::CommandButton>* buttons[] = {&c.chart.cmdResultX, &c.chart.cmdResultU,
                                                                    &c.chart.cmdCTExit};
            Click((*buttons[page])(0));
            EXPECT_EQ(c.test.app.AllowReportPrint, rights == "|10|16|") << rights << " page " << page;
        }
    }
}

TEST(RadiologyButtons, AFailedRefreshIsShownAndLeavesTheFlagsAlone) {
    ResultsChart c;
    c.OpenViewResults();
    ChooseTab(c.chart.tabSSTab2, 1);
    c.test.app.ReloadCTResults = true;
    c.test.resultsObject.failure = "Connection lost";
    c.test.host.ExpectMsgBox("Connection lost\n\nPlease notify your IT department.").Title("Notification");
    Click(c.chart.cmdResultU(0));
    EXPECT_FALSE(c.test.app.ReloadUltrasoundResults);
    EXPECT_TRUE(c.test.app.ReloadCTResults);
}

} // namespace
