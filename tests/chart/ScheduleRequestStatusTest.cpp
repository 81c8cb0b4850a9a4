#include "chart/frmScheduleRequestStatus.h"
#include "testkit/FixtureChart.h"
#include "testkit/FixtureORSchedule.h"
#include "testkit/UserActions.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace testkit;
namespace fixture = testkit::ward_fixture;
using testing::ElementsAre;
using testing::IsEmpty;

namespace {

// The list of the fixture station's requests, shown to the logged-in nurse.
struct RequestList {
    TestApp test;
    ward::frmScheduleRequestStatus* window = nullptr;

    explicit RequestList(const std::vector<Row>& rows = fixture::RequestRows()) {
        fixture::AddPeople(test);
        test.app.StationID = fixture::StationID;
        test.server.On(fixture::RequestListQuery()).Returns(fixture::RequestColumns, rows);
        window = &test.app.Forms.Get<ward::frmScheduleRequestStatus>();
        window->Show();
    }
    ward::frmScheduleRequestStatus& list() { return *window; }
    forms::MSHFlexGrid& grid() { return window->mshflexPending; }
    forms::CommandButton& revoke() { return window->cmdPending(1); }
};

TEST(ScheduleRequestStatus, ListsTheStationsRequestsByTheListingsColumns) {
    RequestList r;
    EXPECT_EQ(r.list().Caption(), "List of Request Entered");
    EXPECT_EQ(r.grid().Rows(), 4);
    EXPECT_EQ(r.grid().TextMatrix(0, 6), "RequestID");
    EXPECT_EQ(r.grid().TextMatrix(3, 1), "O'NEIL, ROSE");
    EXPECT_EQ(r.grid().ColWidth(0), 1);
    EXPECT_EQ(r.grid().ColWidth(9), 5000);
    EXPECT_TRUE(r.grid().Enabled());
    EXPECT_FALSE(r.revoke().Enabled());
    EXPECT_EQ(r.list().lblRecNum.Caption(), "1  out of  3");
    ClickCell(r.grid(), 3, 2);
    EXPECT_EQ(r.list().lblRecNum.Caption(), "3  out of  3");
    EXPECT_TRUE(r.revoke().Enabled());
    ClickCell(r.grid(), 2, 4);
    EXPECT_EQ(r.list().lblRecNum.Caption(), "2  out of  3");
}

TEST(ScheduleRequestStatus, WithoutARequestShowsOneEmptyDisabledRow) {
    RequestList r(std::vector<Row>{});
    EXPECT_EQ(r.grid().Rows(), 2);
    EXPECT_EQ(r.grid().TextMatrix(1, 1), "");
    EXPECT_FALSE(r.grid().Enabled());
    EXPECT_FALSE(r.revoke().Enabled());
    EXPECT_EQ(r.list().lblRecNum.Caption(), "");
    EXPECT_TRUE(r.list().fraPendingRequest.Visible());
}

TEST(ScheduleRequestStatus, RevokesOnlyARequestNeitherConfirmedNorRevoked) {
    struct Case {
        const char* status;
        const char* refusal; // empty: the nurse is asked
    };
    const Case cases[] = {
        {"Confirmed", "Can't revoke this request. It is already been CONFIRMED."},
        {" Revoked ", "Can't revoke this request. It is already been REVOKED."},
        {"confirmed", ""}, // the test is exact
        {"REVOKED", ""},
        {"", ""},
        {"Pending", ""},
    };
    for (const Case& c : cases) {
        RequestList r({{"GARCIA, ANA", "APPENDECTOMY", "", "", "", "R-102", "2", c.status, ""}});
        ClickCell(r.grid(), 1, 1);
        if (*c.refusal != '\0')
            r.test.host.ExpectMsgBox(c.refusal).Title("Notification").Buttons(forms::vbExclamation);
        else
            r.test.host.ExpectMsgBox("Are you sure you to revoke  this request?")
                .Title("Message")
                .Buttons(forms::vbYesNo + forms::vbQuestion)
                .Answer(forms::vbNo);
        const std::size_t mark = r.test.server.Mark();
        Click(r.revoke());
        EXPECT_THAT(r.test.server.Statements(mark), IsEmpty()) << c.status;
        EXPECT_TRUE(r.revoke().Enabled()) << c.status;
    }
}

TEST(ScheduleRequestStatus, YesRevokesInTheNursesNameAndShowsTheNewStatus) {
    RequestList r;
    std::vector<Row> after = fixture::RequestRows();
    after[2][7] = "Revoked";
    r.test.server.Instead(fixture::RequestListQuery()).Returns(fixture::RequestColumns, after);
    r.test.server.On(fixture::RevokeStatement("R-103", "O'1")).Affects(1);
    ClickCell(r.grid(), 3, 1);
    r.test.host.ExpectMsgBox("Are you sure you to revoke  this request?").Answer(forms::vbYes);
    r.test.host.ExpectMsgBox("Data Successfully Revoked.").Title("Message").Buttons(forms::vbExclamation);
    const std::size_t mark = r.test.server.Mark();
    Click(r.revoke());
    EXPECT_THAT(
        r.test.server.Statements(mark),
        ElementsAre("SCHEDULE..sp_Revoke_ORSchedule_Request 'R-103','O''1','N0001'", fixture::RequestListQuery()));
    EXPECT_EQ(r.grid().TextMatrix(3, 8), "Revoked");
    EXPECT_FALSE(r.revoke().Enabled());
    EXPECT_EQ(r.list().lblRecNum.Caption(), "1  out of  3");
}

TEST(ScheduleRequestStatus, AFailingRevokeSaysSoAndLeavesTheList) {
    RequestList r;
    r.test.server.On(fixture::RevokeStatement("R-103", "O'1")).Fails("Request is locked by the theatre", 50000);
    ClickCell(r.grid(), 3, 1);
    r.test.host.ExpectMsgBox("Are you sure you to revoke  this request?").Answer(forms::vbYes);
    r.test.host.ExpectMsgBox("Request is locked by the theatre\n\nThe request was not revoked.")
        .Title("Message")
        .Buttons(forms::vbOKOnly + forms::vbCritical);
    const std::size_t mark = r.test.server.Mark();
    Click(r.revoke());
    EXPECT_EQ(r.test.server.Statements(mark).size(), 1u) << "no reload";
    EXPECT_EQ(r.grid().TextMatrix(3, 8), "Pending");
    EXPECT_EQ(r.grid().Row(), 3);
    EXPECT_TRUE(r.revoke().Enabled());
}

TEST(ScheduleRequestStatus, ExitUnloadsTheWindow) {
    RequestList r;
    Click(r.list().cmdPending(2));
    EXPECT_FALSE(r.list().IsLoaded());
}

} // namespace
