#include "ResultsChart.h"
#include "platform/vb/Strings.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>

using namespace resultstest;
using testing::IsEmpty;

namespace {

const std::string IdNum = fixture::InPatientIdNum;

Row HeartRow(const std::string& requestNum, const std::string& letter, const std::string& exam = "2D ECHO") {
    return {requestNum, exam, "12/01/2026 08:00 AM", "12/02/2026 03:30 PM", letter, "DR. ANA LIM", "DR. BEN CRUZ"};
}

std::string PackageQuery(const std::string& requestNum) {
    return "STATION..sp_Nurse_HS_Result_PackageExams '" + IdNum + "','" + requestNum + "'";
}

// The chart on its heart-station page, every header value distinct so that a value in another's place shows.
struct HeartChart : ResultsChart {
    explicit HeartChart(const std::vector<Row>& rows, const std::string& rights = "|10|16|") : ResultsChart(rights) {
        HeartResults(rows);
        OpenViewResults();
        chart.txtPatient.SetText("DELA CRUZ ,JUAN SANTOS");
        chart.txtAge.SetText("45");
        chart.txtSex.SetText("M");
        chart.txtRoom.SetText("SIC-03");
        test.app.HospitalAddress = "1 MABINI ST.";
        test.app.HeaderAddress = "12 RIZAL ST., CEBU";
        ChooseTab(chart.tabSSTab2, 4);
    }

    forms::MSHFlexGrid& Grid() { return chart.mshflexHeart; }
    forms::CommandButton& View() { return chart.cmdExitResultE(2); }
    std::vector<std::string> ValueLabels() {
        std::vector<std::string> captions;
        for (int index = 6; index <= 11; ++index)
            captions.push_back(chart.lblHEart(index).Caption());
        return captions;
    }
    // Closes the next viewers, noting whether each offered printing and running an action while it is open.
    void CloseViewers(int count, std::function<void(int)> whileOpen = {}) {
        for (int i = 0; i < count; ++i)
            test.host.OnModal<ward::frmReportViewer>([this, i, whileOpen](ward::frmReportViewer& viewer) {
                if (whileOpen)
                    whileOpen(i);
                EXPECT_TRUE(CloseWindow(viewer));
            });
    }
    struct Shown {
        std::string file;
        std::string caption;
        std::vector<vb::Variant> values;
        bool printButton;
        friend bool operator==(const Shown&, const Shown&) = default;
    };
    std::vector<Shown> Reports() {
        std::vector<Shown> shown;
        for (const auto& report : test.reportEngine.Reports()) {
            const std::string prefix = test.host.AppPath() + "\\Reports\\";
            EXPECT_EQ(report->path.substr(0, prefix.size()), prefix);
            EXPECT_EQ(report->output, RecordedReport::Output::Viewed) << report->path;
            EXPECT_FALSE(report->viewer.ShowGroupTree);
            shown.push_back({report->path.substr(prefix.size()), report->viewer.Caption, report->values,
                             report->viewer.PrintButton});
        }
        return shown;
    }
};

void PrintTo(const HeartChart::Shown& shown, std::ostream* os) {
    *os << shown.file << " \"" << shown.caption << "\" " << shown.values.size() << " values, print "
        << shown.printButton;
}

std::string Message(const std::string& error) { return error + "\n\nPlease notify your IT department."; }

TEST(HeartStationList, ShowsTheAdmissionsResultsInTheirColumns) {
    HeartChart c({HeartRow("HS-0001", "A", "2D ECHO"), HeartRow("HS-0002", "", "VASCULAR PACKAGE")});
    forms::MSHFlexGrid& grid = c.Grid();
    EXPECT_EQ(grid.Cols(), 9) << "the closing separator brings an untitled column";
    ASSERT_EQ(grid.Rows(), 3);
    EXPECT_TRUE(grid.Enabled());
    const std::vector<std::string> headers = {"Trans. No", "Exam. Name", "Trans. Date",  "Result Date",
                                              "FORM",      "ATTN. DOCTOR", "CARDIOLOGIST", ""};
    const int amounts[] = {1000, 3000, 2000, 2000, 1000, 4000, 4000};
    for (int col = 1; col <= 8; ++col)
        EXPECT_EQ(vb::Trim(grid.TextMatrix(0, col)), headers[static_cast<std::size_t>(col - 1)]) << col;
    for (int col = 1; col <= 7; ++col)
        EXPECT_EQ(grid.ColWidth(col), grid.ColWidth(0) + amounts[col - 1]) << col;
    const Row expected = HeartRow("HS-0002", "", "VASCULAR PACKAGE");
    for (int col = 1; col <= 7; ++col)
        EXPECT_EQ(grid.TextMatrix(2, col), expected[static_cast<std::size_t>(col - 1)].AsString()) << col;
    EXPECT_EQ(grid.TextMatrix(2, 8), "");
    EXPECT_THAT(c.ValueLabels(), testing::Each(""));
    EXPECT_FALSE(c.View().Enabled());
    EXPECT_FALSE(c.test.app.ReloadHeartResults);
}

TEST(HeartStationList, WithoutResultsTheGridIsDisabledWithOneBlankRow) {
    HeartChart c({});
    EXPECT_EQ(c.Grid().Rows(), 2);
    EXPECT_FALSE(c.Grid().Enabled());
    EXPECT_EQ(c.Grid().TextMatrix(1, 1), "");
}

TEST(HeartStationList, TheAdmissionNumberIsSentAsItStandsAndNullsShowEmpty) {
    ResultsChart c;
    c.chart.txtId.SetText(" " + IdNum + " ");
    Row row = HeartRow("HS-0001", "B");
    row[6] = vb::Variant::Null();
    c.HeartResults({row}, " " + IdNum + " ");
    c.OpenViewResults();
    const std::size_t mark = c.test.server.Mark();
    ChooseTab(c.chart.tabSSTab2, 4);
    EXPECT_EQ(c.test.server.Statements(mark), std::vector<std::string>{HeartQuery(" " + IdNum + " ")});
    EXPECT_EQ(c.chart.mshflexHeart.TextMatrix(1, 7), "");
}

TEST(HeartStationList, ARecordWithoutRequestNumberIsWrittenOverByTheNext) {
    HeartChart c({HeartRow("", "B", "FIRST"), HeartRow("HS-0002", "I", "SECOND")});
    EXPECT_EQ(c.Grid().Rows(), 2);
    EXPECT_EQ(c.Grid().TextMatrix(1, 2), "SECOND");
}

TEST(HeartStationList, AClickShowsTheRowRefreshClearsItAndViewNeedsANewClick) {
    HeartChart c({HeartRow("HS-0001", "N", "ECG"), HeartRow(" HS-0002 ", "T", "2D ECHO")});
    ClickCell(c.Grid(), 2, 3);
    EXPECT_EQ(c.ValueLabels(), (std::vector<std::string>{" HS-0002 ", "12/01/2026 08:00 AM", "12/02/2026 03:30 PM",
                                                         "2D ECHO", "DR. ANA LIM", "DR. BEN CRUZ"}));
    EXPECT_TRUE(c.View().Enabled());

    const std::size_t mark = c.test.server.Mark();
    Click(c.chart.cmdExitResultE(1));
    EXPECT_EQ(c.test.server.Statements(mark), std::vector<std::string>{HeartQuery(IdNum)});
    EXPECT_THAT(c.ValueLabels(), testing::Each(""));
    EXPECT_FALSE(c.View().Enabled());

    DoubleClickCell(c.Grid(), 1, 2);
    EXPECT_EQ(c.ValueLabels()[0], "HS-0001");
    EXPECT_TRUE(c.View().Enabled());
    Click(c.View());
    EXPECT_FALSE(c.View().Enabled()) << "a second View finds the button disabled";
    EXPECT_THAT(c.test.reportEngine.Reports(), IsEmpty());
}

TEST(HeartStationList, AFailedRefreshIsShownAndKeepsView) {
    HeartChart c({HeartRow("HS-0001", "B")});
    ClickCell(c.Grid(), 1, 1);
    c.test.server.Instead(HeartQuery(IdNum)).Fails("Heart station is offline", 50000);
    c.test.host.ExpectMsgBox(Message("Heart station is offline")).Title("Notification");
    Click(c.chart.cmdExitResultE(1));
    EXPECT_TRUE(c.View().Enabled());
}

const std::vector<vb::Variant> Request = {"HS-0001"};

struct LetterCase {
    std::string letter;
    std::vector<HeartChart::Shown> shown; // print button as right 16 gives it
};

std::vector<LetterCase> LetterCases() {
    auto one = [](const char* file, const char* caption, std::vector<vb::Variant> values = Request) {
        return HeartChart::Shown{file, caption, std::move(values), true};
    };
    const std::vector<vb::Variant> echo = {"1 MABINI ST.",
                                           "HS-0001",
                                           "DELA CRUZ ,JUAN SANTOS",
                                           "12 RIZAL ST., CEBU",
                                           "45",
                                           "M",
                                           "DR. ANA LIM",
                                           "",
                                           "",
                                           "",
                                           "",
                                           "SIC-03",
                                           "",
                                           "",
                                           "HS-0001"};
    const std::vector<vb::Variant> hemodynamic = {"HS-0001", "DELA CRUZ ,JUAN SANTOS", "DR. ANA LIM", "DR. BEN CRUZ"};
    return {
        {"A", {one("Exam_2DEcho_Adult.rpt", "Echocardiographic Report", echo)}},
        {"B", {one("AbdominalAorta2.rpt", "Abdominal Aorta Examination")}},
        {"C", {one("Carotid.rpt", "Carotid Examination"), one("Carotid2.rpt", "Carotid Examination")}},
        {"D", {one("ArterialLower.rpt", "Arterial Lower Evaluation"), one("ArterialLower2.rpt", "Arterial Duplex Scan")}},
        {"E", {one("ArterialUpper.rpt", "Arterial Evaluation"), one("ArterialUpper2.rpt", "Arterial Duplex Scan")}},
        {"F", {one("Carotid.rpt", "Carotid Examination"), one("Carotid2.rpt", "Carotid Examination")}},
        {"G", {one("RenalArtery.rpt", "Renal Artery Duplex Scan")}},
        {"H", {one("Transcranial.rpt", "Transcranial Ultrasonography")}},
        {"I", {one("ResultECG.rpt", "ECG Examination")}},
        {"J", {one("Exam_Hemodynamic.rpt", "Hemodynamic Cardiovascular Laboratory", hemodynamic)}},
        {"K", {one("VenousUpper.rpt", "Venous Upper Examination")}},
        {"L", {one("VenousLower.rpt", "VenousLower")}},
        {"M", {one("Transcranial.rpt", "Transcranial Ultrasonography")}},
        {"N", {}},
        {"T", {}},
        {"c", {}},
        {"B ", {}},
        {" B", {}},
        {"Z", {}},
    };
}

TEST(HeartStationView, EachFormLetterOpensItsReportsInOrder) {
    for (const LetterCase& l : LetterCases()) {
        SCOPED_TRACE("letter \"" + l.letter + "\"");
        HeartChart c({HeartRow(" HS-0001 ", l.letter)});
        ClickCell(c.Grid(), 1, 2);
        c.CloseViewers(static_cast<int>(l.shown.size()));
        const std::size_t mark = c.test.server.Mark();
        Click(c.View());
        EXPECT_EQ(c.Reports(), l.shown);
        EXPECT_EQ(c.test.server.Statements(mark),
                  l.shown.empty() ? std::vector<std::string>{} : std::vector<std::string>{RightsQuery});
        EXPECT_FALSE(c.View().Enabled());
    }
}

TEST(HeartStationView, EveryViewerOfAViewFollowsRight16) {
    for (const std::string rights : {"|10|16|", "|10|"}) {
        SCOPED_TRACE(rights);
        const bool mayPrint = rights == "|10|16|";
        HeartChart c({HeartRow("HS-0001", "D"), HeartRow("HS-0009", "")}, rights);
        ClickCell(c.Grid(), 1, 1);
        c.CloseViewers(2);
        Click(c.View());
        ClickCell(c.Grid(), 2, 1);
        c.test.server.On(PackageQuery("HS-0009"))
            .Returns({"FormType", "RequestNum"}, {{"B", "HS-0010"}, {"I", "HS-0011"}, {"G", "HS-0012"}});
        c.CloseViewers(3);
        const std::size_t mark = c.test.server.Mark();
        Click(c.View());
        EXPECT_EQ(c.test.server.Statements(mark), (std::vector<std::string>{PackageQuery("HS-0009"), RightsQuery}))
            << "the right is read once per View";
        std::vector<bool> offered;
        for (const HeartChart::Shown& shown : c.Reports())
            offered.push_back(shown.printButton);
        EXPECT_EQ(offered, std::vector<bool>(5, mayPrint));
        EXPECT_TRUE(c.test.app.AllowReportPrint) << "the last closing viewer gives printing back";
    }
}

TEST(HeartStationView, AFailingLetteredPrintIsShownAndKeepsView) {
    struct Failing {
        std::string what;
        std::function<void(HeartChart&)> arrange;
        std::vector<std::string> printed;
    };
    const std::vector<Failing> failures = {
        {"the first report", [](HeartChart& c) { c.test.reportEngine.FailNextOpen("Load report failed."); }, {}},
        {"the second report of a pair",
         [](HeartChart& c) {
             c.CloseViewers(1, [&c](int) { c.test.reportEngine.FailNextOpen("Load report failed."); });
         },
         {"Carotid.rpt"}},
    };
    for (const Failing& f : failures) {
        SCOPED_TRACE(f.what);
        HeartChart c({HeartRow("HS-0001", "C")});
        ClickCell(c.Grid(), 1, 1);
        f.arrange(c);
        c.test.host.ExpectMsgBox(Message("Load report failed.")).Title("Notification");
        Click(c.View());
        std::vector<std::string> printed;
        for (const HeartChart::Shown& shown : c.Reports())
            printed.push_back(shown.file);
        EXPECT_EQ(printed, f.printed);
        EXPECT_TRUE(c.View().Enabled());
    }
}

TEST(HeartStationPackage, PrintsEachExamByItsOwnLetterAndPassesOverTheUnknown) {
    HeartChart c({HeartRow(" HS-0009 ", "")});
    c.chart.txtId.SetText(IdNum + " ");
    ClickCell(c.Grid(), 1, 1);
    c.test.server.On(PackageQuery("HS-0009"))
        .Returns({"FormType", "RequestNum"},
                 {{" B ", " HS-0010 "}, {"X", "HS-0011"}, {"I", "HS-0012"}, {"a", "HS-0013"}, {"A", "HS-0014"}});
    c.CloseViewers(3);
    Click(c.View());
    const std::vector<vb::Variant> echo = {"HS-0014",     "DELA CRUZ ,JUAN SANTOS", "12 RIZAL ST., CEBU", "45",
                                           "M",           "SIC-03",                 "DR. ANA LIM",        "",
                                           "",            "DR. BEN CRUZ",           "HS-0014"};
    EXPECT_EQ(c.Reports(), (std::vector<HeartChart::Shown>{
                               {"AbdominalAorta2.rpt", "Abdominal Aorta Examination", {"HS-0010"}, true},
                               {"ResultECG.rpt", "ECG Examination", {"HS-0012"}, true},
                               {"Exam_2DEcho_Adult.rpt", "Echocardiographic Report", echo, true},
                           }));
    EXPECT_FALSE(c.View().Enabled());
}

TEST(HeartStationPackage, AFailureEndsThePackageWithItsMessageAndDisablesView) {
    struct Failing {
        std::string what;
        std::function<void(HeartChart&)> arrange;
        std::string message; // none: no message
        std::vector<std::string> printed;
    };
    const std::vector<Failing> failures = {
        {"no exams",
         [](HeartChart& c) { c.test.server.On(PackageQuery("HS-0009")).Returns({"FormType", "RequestNum"}, {}); },
         "",
         {}},
        {"the package procedure fails",
         [](HeartChart& c) { c.test.server.On(PackageQuery("HS-0009")).Fails("Deadlock victim", 1205); },
         "Deadlock victim",
         {}},
        {"a report fails",
         [](HeartChart& c) {
             c.test.server.On(PackageQuery("HS-0009"))
                 .Returns({"FormType", "RequestNum"}, {{"B", "HS-0010"}, {"I", "HS-0011"}, {"G", "HS-0012"}});
             c.CloseViewers(1, [&c](int) { c.test.reportEngine.FailNextOpen("Load report failed."); });
         },
         "Load report failed.",
         {"AbdominalAorta2.rpt"}},
        {"a Null letter",
         [](HeartChart& c) {
             c.test.server.On(PackageQuery("HS-0009"))
                 .Returns({"FormType", "RequestNum"}, {{"B", "HS-0010"}, {vb::Variant::Null(), "HS-0011"}});
             c.CloseViewers(1);
         },
         "Invalid use of Null",
         {"AbdominalAorta2.rpt"}},
        {"a Null request number",
         [](HeartChart& c) {
             c.test.server.On(PackageQuery("HS-0009"))
                 .Returns({"FormType", "RequestNum"}, {{"B", vb::Variant::Null()}});
         },
         "Invalid use of Null",
         {}},
    };
    for (const Failing& f : failures) {
        SCOPED_TRACE(f.what);
        HeartChart c({HeartRow("HS-0009", "")});
        ClickCell(c.Grid(), 1, 1);
        f.arrange(c);
        if (!f.message.empty())
            c.test.host.ExpectMsgBox(Message(f.message)).Title("Notification");
        Click(c.View());
        std::vector<std::string> printed;
        for (const HeartChart::Shown& shown : c.Reports())
            printed.push_back(shown.file);
        EXPECT_EQ(printed, f.printed);
        EXPECT_FALSE(c.View().Enabled());
    }
}

} // namespace
