#include "chart/frmFinal.h"
#include "platform/vb/Conversions.h"
#include "platform/vb/Strings.h"
#include "requestentry/frmAudio.h"
#include "requestentry/frmCTfile.h"
#include "requestentry/frmHeart.h"
#include "requestentry/frmNeuRoExams.h"
#include "requestentry/frmNuclear.h"
#include "requestentry/frmPTFile.h"
#include "requestentry/frmRTfile.h"
#include "testkit/FixtureChart.h"
#include "testkit/UserActions.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace testkit;
namespace fixture = testkit::ward_fixture;

namespace {

using Lines = std::vector<std::string>;

Lines ListLines(const forms::ListBox& list) {
    Lines lines;
    for (int i = 0; i < list.ListCount(); ++i)
        lines.push_back(list.List(i));
    return lines;
}

// What one run of the set-up sends: the report list, the settings in the middle of the cart's layout, and the
// catalogues in their order.
Lines SetUpStatements() {
    Lines statements = {fixture::ReportListQuery, fixture::HospitalInfoQuery, fixture::NursingSettingsQuery,
                        fixture::NurseSetupQuery};
    for (const fixture::ExamCatalogue& catalogue : fixture::ExamCatalogues())
        statements.push_back(catalogue.table);
    return statements;
}

template <class Picker> forms::ListBox& PickerList(TestApp& test) {
    return test.app.Forms.Instance<Picker>().ExamList();
}

TEST(ChartSetUp, RunsWhenTheChartIsMadeAndAgainAtEachLoad) {
    TestApp test;
    fixture::OpenChart(test);
    Lines twice = SetUpStatements();
    const Lines once = SetUpStatements();
    twice.insert(twice.end(), once.begin(), once.end());
    twice.push_back(fixture::AdmissionPackageQuery(fixture::InPatientIdNum));
    EXPECT_EQ(test.server.Statements(), twice);

    ward::frmFinal& chart = test.app.Forms.Get<ward::frmFinal>();
    ASSERT_TRUE(chart.Unload());
    const std::size_t mark = test.server.Mark();
    test.app.Forms.Get<ward::frmFinal>();
    Lines second = SetUpStatements();
    second.push_back(fixture::AdmissionPackageQuery(fixture::InPatientIdNum));
    EXPECT_EQ(test.server.Statements(mark), second) << "the window is made once, so a second opening sets up once";
}

TEST(ChartSetUp, FillsEachListOnceFromItsCatalogue) {
    TestApp test;
    ward::frmFinal& chart = fixture::OpenChart(test);
    const std::string blanks = vb::Space(50);
    auto line = [](const std::string& description, const std::string& rest) {
        return description + vb::Space(50 - vb::Len(description)) + rest;
    };
    // Sorted lists: the order is the list's own.
    EXPECT_EQ(ListLines(chart.lstListLaboratory),
              (Lines{line("Cbc", "LBHEM 101"), line("Fasting blood sugar", "LBCHE1024")}))
        << "an exam not marked common stays out of the quick list";
    EXPECT_EQ(ListLines(chart.lstListXray), (Lines{line("Chest pa", "XR   12")}));
    EXPECT_EQ(ListLines(chart.lstListUltra), (Lines{line("Whole abdomen", "US  210")}));
    EXPECT_EQ(ListLines(chart.lstListOthers),
              (Lines{"CT SCAN" + vb::Space(30) + "CT", "PHYSICAL THERAPY" + vb::Space(30) + "PT"}));
    EXPECT_EQ(ListLines(PickerList<ward::frmCTfile>(test)), (Lines{line("Ct brain plain", "CT  601")}))
        << "an inactive exam stays out";
    EXPECT_EQ(ListLines(PickerList<ward::frmPTFile>(test)), (Lines{line("Ultrasound therapy", "PT  501")}));
    EXPECT_EQ(ListLines(PickerList<ward::frmRTfile>(test)), (Lines{line("Nebulization", "PA  701")}));
    EXPECT_EQ(ListLines(PickerList<ward::frmAudio>(test)), (Lines{line("Pure tone audiometry", "AU  801")}));
    EXPECT_EQ(ListLines(PickerList<ward::frmHeart>(test)), (Lines{line("Ecg 12 leads", "HS  901")}));
    EXPECT_EQ(ListLines(PickerList<ward::frmNuclear>(test)), (Lines{line("Thyroid scan", "NU  951")}));
    EXPECT_EQ(ListLines(PickerList<ward::frmNeuRoExams>(test)), (Lines{line("Eeg", "NE  971")}));
}

TEST(ChartSetUp, LeavesThePickersLoadedAndHidden) {
    TestApp test;
    fixture::OpenChart(test);
    for (forms::Form* picker : std::initializer_list<forms::Form*>{
             &test.app.Forms.Instance<ward::frmPTFile>(), &test.app.Forms.Instance<ward::frmCTfile>(),
             &test.app.Forms.Instance<ward::frmRTfile>(), &test.app.Forms.Instance<ward::frmAudio>(),
             &test.app.Forms.Instance<ward::frmHeart>(), &test.app.Forms.Instance<ward::frmNuclear>(),
             &test.app.Forms.Instance<ward::frmNeuRoExams>()}) {
        EXPECT_TRUE(picker->IsLoaded()) << picker->Name();
        EXPECT_FALSE(picker->Visible()) << picker->Name();
    }
}

struct StatusCase {
    vb::Variant status;
    vb::Variant common;
    bool inQuickList;
    bool inPicker;
};

TEST(ChartSetUp, ListsOnlyExamsMarkedExactlyActiveAndCommon) {
    const vb::Variant Null = vb::Variant::Null();
    const std::vector<StatusCase> cases = {
        {std::string("A"), std::string("Y"), true, true},
        {std::string("A"), std::string("N"), false, true},
        {std::string("A"), std::string("y"), false, true},
        {std::string("a"), std::string("Y"), false, false},
        {std::string("A "), std::string("Y"), false, false},
        {Null, std::string("Y"), false, false},
        {std::string("A"), Null, false, true},
    };
    for (const StatusCase& c : cases) {
        TestApp test;
        fixture::DeclareChartSetUp(test.server);
        test.server.On("STATION..XrayExams")
            .Returns({"Status", "Description", "Code", "Common"},
                     {{c.status, std::string("Skull"), std::string("15"), c.common}});
        test.server.On("STATION..CTExams")
            .Returns({"Status", "Description", "Code"}, {{c.status, std::string("Ct orbit"), std::string("602")}});
        ward::frmFinal& chart = fixture::LoadEmptyChart(test);
        auto text = [](const vb::Variant& value) { return value.IsNull() ? std::string("Null") : vb::CStr(value); };
        const std::string name = text(c.status) + "/" + text(c.common);
        EXPECT_EQ(chart.lstListXray.ListCount(), c.inQuickList ? 1 : 0) << name;
        EXPECT_EQ(PickerList<ward::frmCTfile>(test).ListCount(), c.inPicker ? 1 : 0) << name;
    }
}

TEST(ChartSetUp, ReadsNullTextsAsEmptyAndLeavesOutADepartmentWithoutCode) {
    TestApp test;
    const vb::Variant Null = vb::Variant::Null();
    fixture::DeclareChartSetUp(test.server);
    test.server.On("STATION..XrayExams")
        .Returns({"Status", "Description", "Code", "Common"},
                 {{std::string("A"), Null, std::string("15"), std::string("Y")}});
    test.server.On("STATION..OtherExams")
        .Returns({"RevenueID", "ItemName"}, {{Null, std::string("NO CODE")}, {std::string("NU"), Null}});
    test.app.CurAccountNum = "ACC-77";
    ward::frmFinal& chart = fixture::LoadEmptyChart(test);
    EXPECT_EQ(ListLines(chart.lstListXray), (Lines{vb::Space(50) + "XR   15"}));
    EXPECT_EQ(ListLines(chart.lstListOthers), (Lines{vb::Space(30) + "NU"}));
    EXPECT_EQ(test.app.CurAccountNum, "ACC-77") << "the account number never holds a department code";
}

TEST(ChartSetUp, GivesTheRequestCartAndTheChecksTheirDefaults) {
    TestApp test;
    ward::frmFinal& chart = fixture::OpenChart(test);
    test.app.SpecimenCode = "S1";
    chart.mshflexOrders.SetTextMatrix(1, 1, "LB");
    chart.mshflexOrders.SetRows(4);
    ASSERT_TRUE(chart.Unload());
    test.app.Forms.Get<ward::frmFinal>();
    EXPECT_EQ(chart.mshflexOrders.Rows(), 2) << "rows of the previous patient do not survive";
    EXPECT_EQ(chart.mshflexOrders.TextMatrix(1, 1), "");
    EXPECT_EQ(test.app.SpecimenCode, "0");
    EXPECT_EQ(test.app.MsgExamRequestedPrefix, "The same exam had been requested at...");
}

TEST(ChartSetUp, ListsTheActiveReportsAndDisablesAnEmptyList) {
    {
        TestApp test;
        ward::frmFinal& chart = fixture::OpenChart(test);
        forms::MSHFlexGrid& reports = chart.mshflexReports;
        EXPECT_TRUE(reports.Enabled());
        ASSERT_EQ(reports.Rows(), 11);
        EXPECT_EQ(reports.Cols(), 4);
        EXPECT_EQ(reports.TextMatrix(0, 3), "Report Name");
        EXPECT_EQ(reports.TextMatrix(1, 1), "4");
        EXPECT_EQ(reports.TextMatrix(1, 3), "Charged Medicines");
        EXPECT_EQ(reports.TextMatrix(10, 3), "Supplies Charged");
        for (int col = 0; col < 4; ++col)
            EXPECT_EQ(reports.ColWidth(col), (std::vector<int>{0, 0, 350, 4800}[col])) << col;
    }
    TestApp test;
    ward::frmFinal& chart = fixture::LoadEmptyChart(test);
    EXPECT_FALSE(chart.mshflexReports.Enabled());
    EXPECT_EQ(chart.mshflexReports.Rows(), 2);
    EXPECT_EQ(chart.mshflexReports.TextMatrix(0, 2), "Report Name");
}

TEST(ChartSetUp, FailingShowsTheErrorOnceAndKeepsTheChartClosedUntilTheNextOpening) {
    TestApp test;
    const std::string error = "Invalid object name 'STATION..UltraExams'.";
    fixture::DeclareSettings(test.server);
    test.server.On(fixture::ReportListQuery).Returns(fixture::ReportListColumns, fixture::ReportListRows());
    for (const fixture::ExamCatalogue& catalogue : fixture::ExamCatalogues()) {
        if (catalogue.table == "STATION..UltraExams") {
            test.server.On(catalogue.table).Fails(error, 208); // when made
            test.server.On(catalogue.table).Fails(error, 208); // when loaded
            test.server.On(catalogue.table)
                .Returns(catalogue.columns,
                         {{std::string("A"), std::string("Pelvis"), std::string("211"), std::string("Y")}});
        } else {
            test.server.On(catalogue.table).Returns(catalogue.columns, catalogue.rows);
        }
    }
    test.host.ExpectMsgBox(error + "\n\nPlease notify your IT department.").Title("Notification");
    test.app.Forms.Get<ward::frmFinal>();
    EXPECT_FALSE(test.app.Forms.IsLoaded<ward::frmFinal>());
    EXPECT_EQ(test.host.MessageBoxes().size(), 1u) << "the error is shown once";

    test.server.On(fixture::AdmissionPackageQuery("")).Returns({"Package"}, {});
    ward::frmFinal& chart = test.app.Forms.Get<ward::frmFinal>();
    EXPECT_TRUE(chart.IsLoaded()) << "the next opening starts afresh";
    EXPECT_EQ(chart.lstListUltra.ListCount(), 1);
}

} // namespace
