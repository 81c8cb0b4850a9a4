#include "chart/frmFinal.h"
#include "core/frmReportViewer.h"
#include "platform/vb/Conversions.h"
#include "platform/vb/DateSerialNumber.h"
#include "platform/vb/Strings.h"
#include "sampleward/SampleWard.h"
#include "shell/frmTransaction_UserValidation.h"
#include "testkit/FixtureChart.h"
#include "testkit/UserActions.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

using namespace testkit;
namespace fixture = testkit::ward_fixture;

namespace {

const std::string Id = fixture::InPatientIdNum;
const std::vector<std::string> RequestFields = {"ITEM DESCRIPTION",  "QTY",          "DEPT",
                                                "Request Date/Time", "Code",         "REQUESTED BY",
                                                "PROCESS DATE/TIME", "PROCESSED BY", "RESULT DATE/TIME",
                                                "RESULT BY",         "Remarks"};
const std::vector<std::string> Headings = {"ITEM DESCRIPTION",  "QTY",          "DEPT",
                                           "REQUEST DATE/TIME", "Code",         "REQUESTED BY",
                                           "PROCESS DATE/TIME", "PROCESSED BY", "RESULT DATE/TIME",
                                           "RESULT BY",         "REMARKS"};
std::vector<std::string> PendingFields() {
    std::vector<std::string> fields = RequestFields;
    fields.push_back("Requestnum");
    return fields;
}
Row Processed(const std::string& description, const std::string& code) {
    return {description, std::int32_t{1}, "XR", "12/10/2026 09:00:00 AM", code, "N0001", "12/10/2026 10:00:00 AM",
            "RADTECH", vb::Variant::Null(), vb::Variant::Null(), "PORTABLE"};
}
Row Pending(const std::string& description, const std::string& key) {
    Row row = {description, std::int32_t{1}, "LB", "12/11/2026 07:00:00 AM", "101", "N0001",
               vb::Variant::Null(), vb::Variant::Null(), vb::Variant::Null(), vb::Variant::Null(), ""};
    row.push_back(key);
    return row;
}
std::string AssessmentQuery(const std::string& idNum) {
    return "STATION..sp_Nurse_Clinical_AssessmentStatus '" + idNum + "'";
}
Row Assessment() {
    return {std::int32_t{7001}, Id, "HS", "HS010", 350.0, "N0001", "SIC", "ELECTROCARDIOGRAM", "ASSESSED",
            vb::Variant::Null(), "12/11/2026 06:00:00 AM"};
}

// Every value the progress bar takes, in order.
struct ProgressWatch : forms::FormObserver {
    explicit ProgressWatch(const forms::ProgressBar& bar) : bar(bar) {}
    void FormChanged(forms::Form&, std::string_view) override {}
    void ControlChanged(forms::Control& control, std::string_view property) override {
        if (&control == &bar && property == "Value")
            values.push_back(bar.Value());
    }
    void ControlAdded(forms::Control&) override {}
    void ControlRemoved(forms::Control&) override {}
    const forms::ProgressBar& bar;
    std::vector<double> values;
};

// The chart of the in-patient, its request lists answered by the request component as each test declares them.
struct Lists {
    std::unique_ptr<TestApp> test = std::make_unique<TestApp>();
    ward::frmFinal& chart = fixture::OpenChart(*test);

    Lists() { fixture::DeclareStationAndEmployees(test->server); }

    void Answer(const std::string& kind, const std::vector<Row>& rows, const std::string& idNum = Id) {
        test->requestObject.results[{idNum, kind}] = MakeTable(kind == "2" ? PendingFields() : RequestFields, rows);
    }
    // The lists page, or the vital-signs page for the history (item 3).
    void ShowPageOf(int index) { chart.tabSSTab1.SetTab(index == 3 ? 3 : 1); }
    forms::MSHFlexGrid& List(int index) { return chart.mshflexProcessed(index); }
    std::vector<std::string> Row(int index, int row) {
        std::vector<std::string> cells;
        for (int col = 1; col < List(index).Cols(); ++col)
            cells.push_back(List(index).TextMatrix(row, col));
        return cells;
    }
    int Reloads() const {
        const std::vector<std::string>& calls = test->requestObject.Calls;
        return static_cast<int>(std::count_if(calls.begin(), calls.end(), [](const std::string& call) {
            return call.starts_with("GetRequests(") && call.ends_with(",2)");
        }));
    }
};

TEST(RequestLists, EachListIsLaidOutWithItsWidthsAndHeadings) {
    Lists l;
    for (int index = 0; index < 3; ++index)
        l.List(index).Move(0, 0, 6506, 1500);
    l.Answer("1", {Processed("CHEST PA", "12")});
    l.Answer("2", {Pending("CBC", "RQ-1")});
    l.Answer("3", {Processed("CHEST PA", "12")});
    l.chart.Get_CanPenProc();
    // A thirteenth of 6506 is 500.46, a fifth 1301.2; "C0 + n" is n more than the fixed column's 1.
    const std::vector<int> widths = {1, 3001, 500, 500, 2001, 500, 1301, 2001, 1301, 2001, 1301, 3001};
    for (int index = 0; index < 3; ++index) {
        SCOPED_TRACE(index);
        forms::MSHFlexGrid& grid = l.List(index);
        EXPECT_EQ(grid.Cols(), index == 1 ? 13 : 12);
        for (int col = 0; col < 12; ++col)
            EXPECT_EQ(grid.ColWidth(col), widths[col]) << col;
        if (index != 1) {
            EXPECT_EQ(l.Row(index, 0), Headings);
        }
    }
    EXPECT_EQ(l.List(1).ColWidth(12), 1000);
    EXPECT_EQ(l.test->app.Connection().CursorLocation(), db::CursorLocation::Client);
}

TEST(RequestLists, EmptyListsAreDisabledWithOneBlankRowAndAreEnabledAgainWhenFilled) {
    Lists l;
    l.chart.Get_CanPenProc();
    for (int index = 0; index < 3; ++index) {
        SCOPED_TRACE(index);
        EXPECT_EQ(l.List(index).Rows(), 2);
        EXPECT_FALSE(l.List(index).Enabled());
        EXPECT_EQ(l.List(index).TextMatrix(1, 1), "");
    }
    // The pending list keeps the eleven headings; the others take the short heading.
    std::vector<std::string> pendingHeadings = Headings;
    pendingHeadings.push_back("");
    EXPECT_EQ(l.Row(1, 0), pendingHeadings);
    for (int index : {0, 2}) {
        EXPECT_EQ(l.List(index).FormatString(),
                  " |<ITEM DESCRIPTION" + vb::Space(37) + "|QTY|DEPT|<DATE/TIME" + vb::Space(21) + "|<Code");
        EXPECT_EQ(l.List(index).Cols(), 6);
    }

    l.Answer("1", {Processed("CHEST PA", "12")});
    l.Answer("2", {Pending("CBC", "RQ-1")});
    l.Answer("3", {Processed("CHEST PA", "12")});
    l.chart.Get_CanPenProc();
    for (int index = 0; index < 3; ++index) {
        SCOPED_TRACE(index);
        EXPECT_TRUE(l.List(index).Enabled());
        EXPECT_EQ(l.List(index).Rows(), 2);
    }
    // A pending request shows in cell (1, 1), with its key in the last column.
    EXPECT_EQ(l.List(1).TextMatrix(1, 1), "CBC");
    EXPECT_EQ(l.List(1).TextMatrix(1, l.List(1).Cols() - 1), "RQ-1");
}

TEST(RequestLists, EachRequestIsARowInTheComponentsOrderWithTheProgressOfItsList) {
    Lists l;
    l.Answer("1", {Processed("CHEST PA", "12"), Processed("", "13"), Processed("SKULL AP", "14")});
    ProgressWatch watch(l.chart.ProgressBarMeter);
    l.chart.AddObserver(&watch);
    l.chart.Get_CanPenProc();
    l.chart.RemoveObserver(&watch);
    ASSERT_EQ(l.List(0).Rows(), 4);
    EXPECT_EQ(l.Row(0, 1), (std::vector<std::string>{"CHEST PA", "1", "XR", "12/10/2026 09:00:00 AM", "12", "N0001",
                                                     "12/10/2026 10:00:00 AM", "RADTECH", "", "", "PORTABLE"}));
    // A request without a description keeps its own row.
    EXPECT_EQ(l.List(0).TextMatrix(2, 1), "");
    EXPECT_EQ(l.List(0).TextMatrix(2, 5), "13");
    EXPECT_EQ(l.List(0).TextMatrix(3, 1), "SKULL AP");
    ASSERT_EQ(watch.values.size(), 3u);
    EXPECT_NEAR(watch.values[0], 33.33, 0.01);
    EXPECT_NEAR(watch.values[1], 66.67, 0.01);
    EXPECT_NEAR(watch.values[2], 100, 0.01);
}

TEST(RequestLists, TheAssessmentsShowTheirAmountOnlyWithIsShowAmountAndTheMessageWhenThereAreNone) {
    for (const bool showAmount : {false, true}) {
        SCOPED_TRACE(showAmount);
        Lists l;
        l.test->app.IsShowAmount = showAmount;
        l.chart.Get_CanPenProc();
        EXPECT_TRUE(l.chart.txtMessage.Visible());
        EXPECT_EQ(l.chart.txtMessage.Text(), "No Assessment Entered........");

        l.test->server.Instead(AssessmentQuery(Id)).Returns(sampleward::AssessmentStatusColumns(), {Assessment()});
        l.chart.Get_CanPenProc();
        EXPECT_FALSE(l.chart.txtMessage.Visible());
        EXPECT_EQ(l.chart.mshflexList.Rows(), 2);
        EXPECT_EQ(l.chart.mshflexList.Row(), 1);
        EXPECT_EQ(l.chart.mshflexList.TextMatrix(1, 8), "ELECTROCARDIOGRAM");
        const std::vector<int> widths = {1, 0, 0, 1000, 0, showAmount ? 3000 : 0, 0, 0, 2500, 1000, 0, 1000};
        for (int col = 0; col < 12; ++col)
            EXPECT_EQ(l.chart.mshflexList.ColWidth(col), widths[col]) << col;
    }
}

TEST(RequestLists, TheAdmissionNumberIsPassedAsTheBoxHoldsIt) {
    Lists l;
    const std::string padded = Id + "  ";
    l.chart.txtId.SetText(padded);
    l.Answer("2", {Pending("CBC", "RQ-1")}, padded);
    l.test->server.On(AssessmentQuery(padded)).Returns(sampleward::AssessmentStatusColumns(), {});
    l.ShowPageOf(1);
    const std::size_t mark = l.test->server.Mark();
    Click(l.chart.cmdView);
    EXPECT_TRUE(l.test->server.SentExactly({AssessmentQuery(padded)}, mark));
    EXPECT_EQ(l.List(1).TextMatrix(1, 1), "CBC");
}

TEST(RequestLists, AFailingComponentIsShownByRefresh) {
    Lists l;
    l.test->requestObject.failure = "Component down";
    l.test->host.ExpectMsgBox("Component down\n\nPlease notify your IT department.").Title("Notification");
    l.ShowPageOf(1);
    Click(l.chart.cmdView);
}

// Cancelling a pending request.
const std::string Key = "RQ-7  ";
const std::string LockCheck = "STATION..sp_Nurse_Check_Request 'RQ-7'";
const std::string Revoke = "STATION..sp_Nurse_Revoke_Request 'RQ-7','N0002'";
const std::vector<std::string> LineColumns = {"StationID", "RecordStatus", "RevokeBy",
                                              "ProcessBy", "RevokeDate",   "ProcessDate"};
const std::string Question = "Are you sure you want to Cancel this request?";
const std::string NotSaved = "Entered request(s) will not be save! \r\nDo you want to save and send the request(s)?";

struct Cancel : Lists {
    Cancel() {
        Answer("1", {Processed("CHEST PA", "12")});
        Answer("2", {Pending("CBC", "RQ-1"), Pending("URINALYSIS", Key)});
        Answer("3", {Processed("CHEST PA", "12")});
        chart.Get_CanPenProc();
        test->server.On(LockCheck).Returns(LineColumns, {{"SIC", "", "", "", vb::Variant::Null(), vb::Variant::Null()}});
        test->server.On(Revoke).Affects(1);
        test->server.On(fixture::ServerDateQuery).Returns({"Tdate"}, {{vb::MakeDate({2026, 12, 11, 8, 30, 0})}});
    }
    // The validation dialog: the acting nurse signs, or the nurse gives up.
    void Sign(bool signs) {
        test->host.OnModal<ward::frmTransaction_UserValidation>([this, signs](ward::frmTransaction_UserValidation& v) {
            test->app.ValidatedUserID = signs ? fixture::ActingNurseCode : "";
            v.Unload();
        });
    }
    void DoubleClickPending() {
        ShowPageOf(1);
        DoubleClickCell(List(1), 2, 1);
    }
    std::vector<std::string> Sent(std::size_t mark) const { return test->server.Statements(mark); }
};

TEST(CancelRequest, OnlyAUserWithTheRightCancelsAndOnlyThePendingList) {
    for (const bool hasRight : {false, true}) {
        for (int index = 0; index < 4; ++index) {
            SCOPED_TRACE(std::to_string(index) + (hasRight ? " with the right" : " without"));
            Cancel c;
            if (!hasRight)
                c.test->currentUser.employeeCode = fixture::ActingNurseCode;
            if (!hasRight)
                c.test->host.ExpectMsgBox("Sorry you don't have access right to Cancel Requested Exams.")
                    .Buttons(forms::vbInformation)
                    .Title("Message");
            else if (index == 1)
                c.test->host.ExpectMsgBox(Question).Answer(forms::vbNo);
            c.ShowPageOf(index);
            const int reloads = c.Reloads();
            DoubleClickCell(c.List(index), index == 1 ? 2 : 1, 1);
            EXPECT_EQ(c.Reloads() - reloads, hasRight ? 1 : 0);
        }
    }
}

TEST(CancelRequest, ALockedRequestIsNotRevokedAndTheListsAreReloaded) {
    Cancel c;
    c.test->server.Instead(LockCheck).Returns(LineColumns,
                                              {{"MIC", "", "", "", vb::Variant::Null(), vb::Variant::Null()}});
    c.test->host.ExpectMsgBox("You can't revoked item(s)/exam(s) requested from station: MIC");
    const std::size_t mark = c.test->server.Mark();
    const int reloads = c.Reloads();
    c.DoubleClickPending();
    EXPECT_THAT(c.Sent(mark), testing::Not(testing::Contains(Revoke)));
    EXPECT_EQ(c.Reloads() - reloads, 1);
}

TEST(CancelRequest, ValidationGivenUpTwiceThenGivenRevokesOnceForTheActingNurse) {
    Cancel c;
    c.test->host.ExpectMsgBox(Question).Buttons(forms::vbYesNo + forms::vbQuestion).Answer(forms::vbYes);
    c.Sign(false);
    c.test->host.ExpectMsgBox(NotSaved).Answer(forms::vbYes);
    c.Sign(false);
    c.test->host.ExpectMsgBox(NotSaved).Answer(forms::vbYes);
    c.Sign(true);
    const std::size_t mark = c.test->server.Mark();
    c.DoubleClickPending();
    const std::vector<std::string> sent = c.Sent(mark);
    EXPECT_EQ(std::count(sent.begin(), sent.end(), Revoke), 1);
    EXPECT_TRUE(c.test->server.CommittedWrites(mark) == std::vector<std::string>{Revoke});
    // The lock check is given the key as the list holds it and trims it itself.
    EXPECT_THAT(sent, testing::Contains(LockCheck));
}

TEST(CancelRequest, NoOrAValidationGivenUpRevokesNothing) {
    for (const bool confirms : {false, true}) {
        SCOPED_TRACE(confirms);
        Cancel c;
        c.test->host.ExpectMsgBox(Question).Answer(confirms ? forms::vbYes : forms::vbNo);
        if (confirms) {
            c.Sign(false);
            c.test->host.ExpectMsgBox(NotSaved).Answer(forms::vbNo);
        }
        const std::size_t mark = c.test->server.Mark();
        c.DoubleClickPending();
        EXPECT_THAT(c.Sent(mark), testing::Not(testing::Contains(Revoke)));
    }
}

TEST(CancelRequest, AFailingRevokeIsRolledBackAndShownWithoutAReload) {
    Cancel c;
    c.test->server.Instead(Revoke).Fails("Deadlock victim", 1205);
    c.test->host.ExpectMsgBox(Question).Answer(forms::vbYes);
    c.Sign(true);
    c.test->host.ExpectMsgBox("Error While Canceling Request  Deadlock victim").Buttons(forms::vbOKOnly);
    const std::size_t mark = c.test->server.Mark();
    const int reloads = c.Reloads();
    c.DoubleClickPending();
    EXPECT_TRUE(c.test->server.NothingCommitted(mark));
    EXPECT_EQ(c.Reloads(), reloads);
    EXPECT_EQ(c.List(1).TextMatrix(2, 1), "URINALYSIS");
}

TEST(PendingRequestsPrintout, EachButtonPrintsTheListOfItsStationsOrOfAll) {
    struct Case {
        int index;
        std::string station, caption;
    };
    const std::vector<Case> cases = {{0, "SIC", "List of All Pending Requests By Station"},
                                     {1, "", "List of All Pending Requests By All Station"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.index);
        Lists l;
        l.test->host.OnModal<ward::frmReportViewer>([](ward::frmReportViewer& viewer) { CloseWindow(viewer); });
        l.ShowPageOf(1);
        Click(l.chart.imgPendingRequest(c.index));
        const RecordedReport& report = l.test->reportEngine.Last();
        EXPECT_EQ(report.path, l.test->host.AppPath() + "\\Reports\\List_Of_All_PendingRequest_ByAll_Station.Rpt");
        ASSERT_EQ(report.values.size(), 1u);
        EXPECT_EQ(vb::CStr(report.values[0]), c.station);
        EXPECT_EQ(report.viewer.Caption, c.caption);
        EXPECT_FALSE(report.viewer.ShowGroupTree);
        EXPECT_EQ(report.output, RecordedReport::Output::Viewed);
    }
}

TEST(PendingRequestsPrintout, AFailingReportIsShown) {
    Lists l;
    l.test->reportEngine.FailNextOpen("Printer not ready");
    l.test->host.ExpectMsgBox("Printer not ready\n\nPlease notify your IT department.").Title("Notification");
    l.ShowPageOf(1);
    Click(l.chart.imgPendingRequest(1));
}

} // namespace
