#include "chart/frmFinal.h"
#include "core/frmReportViewer.h"
#include "platform/vb/Conversions.h"
#include "platform/vb/DateSerialNumber.h"
#include "platform/vb/Format.h"
#include "testkit/FixtureChart.h"
#include "testkit/UserActions.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>

using namespace testkit;
namespace fixture = testkit::ward_fixture;

namespace {

const std::string IdNum = fixture::InPatientIdNum;
const std::string ErrorShown = "\n\nPlease notify your IT department.";

std::string SaveCall(const std::string& values) {
    return "STATION..Nurse_UpdateVitalSigns '2026001234','12/11/2026 08:30:00 AM'," + values + ",'DONE'";
}

// The in-patient's chart, its header loaded, the Vital Signs tab opened for the first time since the patient was.
struct VitalSignsPage {
    TestApp test;
    ward::frmFinal& chart;

    explicit VitalSignsPage(bool openTab = true) : chart(Open(test)) {
        fixture::DeclareVitalSigns(test, IdNum);
        test.server.On(fixture::ServerDateQuery).Returns({"Tdate"}, {{vb::MakeDate({2026, 12, 11, 8, 30, 0})}});
        test.app.ReloadVitalSigns = true;
        if (openTab)
            ChooseTab(chart.tabSSTab1, 3);
    }

    static ward::frmFinal& Open(TestApp& test) {
        fixture::AddPeople(test);
        ward::frmFinal& chart = fixture::OpenChart(test);
        test.host.FireTimer(chart.Timer1);
        return chart;
    }

    forms::MSHFlexGrid& History() { return chart.mshflexProcessed(3); }

    std::vector<forms::TextBox*> Boxes() {
        return {&chart.txtBloodPressure(0), &chart.txtBloodPressure(1), &chart.txtTemperature,
                &chart.txtRespiratoryrate,  &chart.txtPulserate,        &chart.txtO2Sat};
    }

    // Fills the boxes as typed: systolic, diastolic, temperature, respiratory rate, pulse rate, saturation.
    void Fill(const std::vector<std::string>& values) {
        std::vector<forms::TextBox*> boxes = Boxes();
        for (std::size_t i = 0; i < values.size(); ++i)
            boxes[i]->SetText(values[i]);
    }
};

TEST(VitalSignsHistory, ListsTheComponentsSetsInOrderUnderTheFixedColumns) {
    struct HistoryCase {
        std::string name;
        std::vector<Row> rows;
        int gridRows;
        bool printable;
    };
    const std::vector<Row> three = fixture::VitalSigns(fixture::OutPatientIdNum);
    const std::vector<HistoryCase> cases = {
        {"none", {}, 2, false},
        {"one", {fixture::VitalSigns(IdNum)[1]}, 2, true},
        {"three", three, 4, true},
    };
    for (const HistoryCase& c : cases) {
        VitalSignsPage p(false);
        p.test.requestObject.results[{IdNum, "4"}] = MakeTable(fixture::VitalSignsColumns, c.rows);
        p.chart.txtO2Sat.SetText("95");
        ChooseTab(p.chart.tabSSTab1, 3);

        forms::MSHFlexGrid& grid = p.History();
        EXPECT_EQ(p.test.requestObject.Calls.back(), "GetRequests(2026001234,4)") << c.name;
        EXPECT_EQ(grid.FormatString(), "  |<Date / Time         |<Blood Pressure        |<Temperature |<R.R |<P.R  "
                                       "|<O.S. |<Encoder |< |< |< |< |<ScheduleTime")
            << c.name;
        EXPECT_EQ(grid.Cols(), 13);
        const int widths[] = {1, 1901, 1201, 1051, 1251, 951, 451, 1701, 1, 1, 1, 1, 1901};
        for (int col = 0; col < 13; ++col)
            EXPECT_EQ(grid.ColWidth(col), widths[col]) << c.name << " column " << col;
        EXPECT_EQ(grid.Rows(), c.gridRows) << c.name;
        for (std::size_t r = 0; r < c.rows.size(); ++r) {
            for (int col = 1; col <= 12; ++col) {
                EXPECT_EQ(grid.TextMatrix(static_cast<int>(r) + 1, col),
                          forms::GridTextOf(c.rows[r][static_cast<std::size_t>(col - 1)]))
                    << c.name << " row " << r + 1 << " column " << col;
            }
        }
        if (c.rows.empty()) {
            EXPECT_EQ(grid.TextMatrix(1, 1), "");
        }
        EXPECT_EQ(p.chart.cmdPrintVitalSigns.Enabled(), c.printable) << c.name;
        EXPECT_EQ(p.chart.ActiveControl(), &p.chart.txtBloodPressure(0)) << c.name;
        EXPECT_EQ(p.chart.txtO2Sat.Text(), "95") << c.name << ": the saturation is kept";
        EXPECT_FALSE(p.test.app.ReloadVitalSigns);
    }
}

TEST(VitalSignsHistory, RefreshReloadsAndEmptiesTheCheckedBoxes) {
    VitalSignsPage p;
    p.Fill({"120", "80", "37", "18", "76", "98"});
    p.test.requestObject.Calls.clear();
    Click(p.chart.cmdVitalExit);
    EXPECT_EQ(p.test.requestObject.Calls, std::vector<std::string>{"GetRequests(2026001234,4)"});
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(p.Boxes()[static_cast<std::size_t>(i)]->Text(), "") << i;
    EXPECT_EQ(p.chart.txtO2Sat.Text(), "98");
}

TEST(VitalSignsHistory, AFailingComponentShowsTheErrorAndKeepsTheReloadFlag) {
    VitalSignsPage p(false);
    p.test.requestObject.failure = "Request list unreachable";
    p.test.host.ExpectMsgBox("Request list unreachable" + ErrorShown);
    ChooseTab(p.chart.tabSSTab1, 3);
    EXPECT_TRUE(p.test.app.ReloadVitalSigns);
    EXPECT_FALSE(p.chart.cmdPrintVitalSigns.Enabled());
}

struct KeyCase {
    std::string name;
    int box; // index into Boxes()
    std::string typed;
    std::optional<int> answer; // the answer to "Is this Entry Correct ?", when asked
    bool invalid;              // "INVALID ENTRY." shown
    int focusAfter;            // index into Boxes()
};

TEST(VitalSignsEntry, EnterChecksEachValueAgainstItsRangeAndMovesOn) {
    const std::vector<KeyCase> cases = {
        {"systolic 200", 0, "200", std::nullopt, false, 1},
        {"systolic 70", 0, "70", std::nullopt, false, 1},
        {"systolic 201, No", 0, "201", forms::vbNo, false, 0},
        {"systolic 69, Yes", 0, "69", forms::vbYes, false, 1},
        {"diastolic 150", 1, "150", std::nullopt, false, 2},
        {"diastolic 50", 1, "50", std::nullopt, false, 2},
        {"diastolic 151, No", 1, "151", forms::vbNo, false, 0},
        {"diastolic 49, Yes", 1, "49", forms::vbYes, false, 2},
        {"diastolic equal to systolic", 1, "120", std::nullopt, false, 2},
        {"diastolic above systolic", 1, "130", std::nullopt, true, 0},
        {"temperature 37.5", 2, "37.5", std::nullopt, false, 3},
        {"temperature 42", 2, "42", std::nullopt, false, 3},
        {"temperature 42.1, No", 2, "42.1", forms::vbNo, false, 2},
        {"temperature 36.9, Yes", 2, "36.9", forms::vbYes, false, 3},
        {"empty temperature reads as 0", 2, "", forms::vbNo, false, 2},
        {"respiratory rate 100", 3, "100", std::nullopt, false, 4},
        {"respiratory rate 101, No", 3, "101", forms::vbNo, false, 3},
        {"empty respiratory rate has no lower bound", 3, "", std::nullopt, false, 4},
        {"pulse 110", 4, "110", std::nullopt, false, 5},
        {"pulse 50", 4, "50", std::nullopt, false, 5},
        {"pulse 111, Yes", 4, "111", forms::vbYes, false, 5},
        {"pulse 49, No", 4, "49", forms::vbNo, false, 4},
    };
    for (const KeyCase& c : cases) {
        VitalSignsPage p;
        if (c.box == 1)
            p.chart.txtBloodPressure(0).SetText(c.name.find("systolic") != std::string::npos ? "120" : "200");
        forms::TextBox& box = *p.Boxes()[static_cast<std::size_t>(c.box)];
        Type(box, c.typed);
        if (c.answer)
            p.test.host.ExpectMsgBox("Is this Entry Correct ?")
                .Title("Message")
                .Buttons(forms::vbYesNo + forms::vbQuestion)
                .Answer(*c.answer);
        if (c.invalid)
            p.test.host.ExpectMsgBox("INVALID ENTRY.").Buttons(forms::vbOKOnly);
        PressKey(box, forms::vbKeyReturn);
        EXPECT_EQ(box.Text(), c.typed) << c.name;
        EXPECT_EQ(p.chart.ActiveControl(), p.Boxes()[static_cast<std::size_t>(c.focusAfter)]) << c.name;
        p.test.host.VerifyAllUsed();
    }
}

TEST(VitalSignsEntry, OnlyDigitsPointSlashAndBackspaceReachTheCheckedBoxes) {
    VitalSignsPage p;
    for (int i = 0; i < 5; ++i) {
        forms::TextBox& box = *p.Boxes()[static_cast<std::size_t>(i)];
        Type(box, "1a, /.");
        PressKey(box, forms::vbKeyBack);
        EXPECT_EQ(box.Text(), "1/") << i;
    }
    Type(p.chart.txtO2Sat, "98 %");
    EXPECT_EQ(p.chart.txtO2Sat.Text(), "98 %");
}

TEST(VitalSignsSave, SendsTheSetWithTheServersTimeAndTheNursesCode) {
    struct SaveCase {
        std::string name;
        std::vector<std::string> boxes;
        std::vector<std::string> profiles; // chosen before each save, "" for none
        std::vector<std::string> values;   // of each save
    };
    const std::vector<SaveCase> cases = {
        {"complete with a profile",
         {" 120 ", "80", "37.5", "18", "76", "98"},
         {"Every 2 hours"},
         {"'120/80','37.5','76','18','N0001','98','Every 2 hours','3'"}},
        {"temperature and systolic only", {"120", "", "37.5"}, {""}, {"'120/','37.5','','','N0001','','',''"}},
        {"a single blank counts as filled", {" ", "", " "}, {""}, {"'/',' ','','','N0001','','',''"}},
        {"none chosen after an earlier choice",
         {"120", "80", "37.5", "18", "76", "98"},
         {"Every 15 minutes", ""},
         {"'120/80','37.5','76','18','N0001','98','Every 15 minutes','5'",
          "'120/80','37.5','76','18','N0001','98','Every 15 minutes',''"}},
    };
    for (const SaveCase& c : cases) {
        VitalSignsPage p;
        for (std::size_t save = 0; save < c.values.size(); ++save) {
            p.Fill(c.boxes);
            if (!c.profiles[save].empty())
                ChooseComboLine(p.chart.cmbProfile, c.profiles[save]);
            else
                p.chart.cmbProfile.SetListIndex(-1);
            const std::string sql = SaveCall(c.values[save]);
            p.test.server.On(sql).Affects(1);
            const std::size_t before = p.test.server.Transcript().size();
            p.test.requestObject.Calls.clear();

            Click(p.chart.cmdSaveVitalSign);

            const std::vector<std::string> transcript = p.test.server.Transcript();
            EXPECT_EQ(
                std::vector<std::string>(transcript.begin() + static_cast<std::ptrdiff_t>(before), transcript.end()),
                (std::vector<std::string>{fixture::ServerDateQuery, "BEGIN TRANSACTION", "  " + sql, "COMMIT"}))
                << c.name;
            for (forms::TextBox* box : p.Boxes())
                EXPECT_EQ(box->Text(), "") << c.name;
            EXPECT_EQ(p.chart.ActiveControl(), &p.chart.txtBloodPressure(0)) << c.name;
            EXPECT_EQ(p.test.requestObject.Calls, std::vector<std::string>{"GetRequests(2026001234,4)"}) << c.name;
        }
    }
}

TEST(VitalSignsSave, AnIncompleteSetIsRefused) {
    for (const std::vector<std::string>& boxes :
         std::vector<std::vector<std::string>>{{"", "80", "37"}, {"120", "80", ""}}) {
        VitalSignsPage p;
        p.Fill(boxes);
        p.test.host.ExpectMsgBox("Can't Save Incomplete Vital Signs").Buttons(forms::vbOKOnly);
        const std::size_t mark = p.test.server.Mark();
        Click(p.chart.cmdSaveVitalSign);
        EXPECT_TRUE(p.test.server.SentExactly({}, mark));
        EXPECT_EQ(p.chart.txtBloodPressure(1).Text(), "80");
    }
}

TEST(VitalSignsSave, AFailureCommitsNothingAndKeepsTheBoxes) {
    std::unique_ptr<VitalSignsPage> world;
    int run = 0;
    const std::vector<std::string> failures = {"", "Scripted failure", "Scripted commit failure"};
    const std::string sql = SaveCall("'120/80','37.5','76','18','N0001','98','',''");
    auto fresh = [&]() -> ScriptedServer& {
        world.reset();
        world = std::make_unique<VitalSignsPage>();
        world->Fill({"120", "80", "37.5", "18", "76", "98"});
        world->test.server.On(sql).Affects(1);
        if (run > 0)
            world->test.host.ExpectMsgBox(failures.at(static_cast<std::size_t>(run)) + ErrorShown)
                .Title("Notification");
        return world->test.server;
    };
    auto save = [&] {
        Click(world->chart.cmdSaveVitalSign);
        if (run > 0) {
            for (forms::TextBox* box : world->Boxes()) {
                EXPECT_NE(box->Text(), "") << run;
            }
        }
        ++run;
    };
    EXPECT_TRUE(EachFailureCommitsNothing(fresh, save, FailureScope::InsideTransactions));
    EXPECT_EQ(run, 3);
}

TEST(VitalSignsPrint, HandsTheHeaderBoxesUntrimmed) {
    VitalSignsPage p;
    p.chart.txtRoom.SetText("SIC-03 ");
    p.test.host.OnModal<ward::frmReportViewer>([](ward::frmReportViewer& viewer) { EXPECT_TRUE(CloseWindow(viewer)); });
    Click(p.chart.cmdPrintVitalSigns);
    const RecordedReport& report = p.test.reportEngine.Last();
    EXPECT_EQ(report.path, p.test.host.AppPath() + "\\Reports\\Vital Signs.rpt");
    std::vector<std::string> values;
    for (const vb::Variant& value : report.values)
        values.push_back(vb::CStr(value));
    ward::frmFinal& c = p.chart;
    EXPECT_EQ(values,
              (std::vector<std::string>{c.txtId.Text(), c.txtPatient.Text(), c.txtDateAdmitted.Text(), c.txtId.Text(),
                                        c.txtPno.Text(), "SIC-03 ", c.txtSex.Text(), c.txtAge.Text()}));
    EXPECT_EQ(report.viewer.Caption, "Vital Signs");
    EXPECT_FALSE(report.viewer.ShowGroupTree);
}

} // namespace
