#include "charges/frmCharge.h"
#include "platform/vb/DateSerialNumber.h"
#include "shell/frmTransaction_UserValidation.h"
#include "testkit/FixtureCharge.h"
#include "testkit/FixtureSignIn.h"
#include "testkit/UserActions.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

using namespace testkit;
namespace fixture = testkit::ward_fixture;
using testing::ElementsAre;

namespace {

constexpr forms::Color Open = 8454016;
constexpr forms::Color Closed = 255;

std::vector<Row> WardParameters() {
    std::vector<Row> rows = fixture::NurseSetupRows();
    rows.push_back({"ZODEAllowOpenCloseTank", "1"});
    return rows;
}

Row TankPosting(const char* slip, const char* quantity = "1", const char* marker = "") {
    return fixture::PostedCharge("OX", "OX-TANK", "OXYGEN TANK", quantity, "500", slip, marker);
}

const std::string ComputePipe = "Station..Nurse_ComputePipeOxygen '" + std::string(fixture::InPatientIdNum) + "'";
const std::string ServerClock = "select GETDATE() AS Tdate";
std::string CloseStatement(const std::string& slip) {
    return "Update Station..tbOpenCloseTank Set CloseBy = 'N0002', Status = '0', ClosingTime = '12/11/2026 "
           "02:30:05 PM' Where IDNum = '" +
           std::string(fixture::InPatientIdNum) + "' and RefNum = '" + slip + "' And Status = 1";
}

// The charge window with tanks kept, listing an open tank (C1B, row 1), a closed one (C2B, row 2) and a service (row
// 3).
struct TankWindow {
    explicit TankWindow(std::vector<Row> posted = {TankPosting("C1B"), TankPosting("C2B"),
                                                   fixture::PostedCharge("SU", "SU001", "DRESSING", "1", "200", "C3B")},
                        std::vector<fixture::Tank> tanks = {{"C1B", true}, {"C2B", false}})
        : charge(Open(std::move(posted), std::move(tanks))) {}

    ward::frmCharge& Open(std::vector<Row> posted, std::vector<fixture::Tank> tanks) {
        fixture::ChargeWindowSetUp setUp;
        setUp.wardParameters = WardParameters();
        setUp.posted = std::move(posted);
        setUp.tanks = std::move(tanks);
        fixture::DeclareSignIns(test.server);
        return fixture::OpenChargeWindow(test, setUp);
    }
    forms::Color BackColor(int row) const { return charge.mshflexList.FormatOf(row, 3).BackColor; }
    // The closing answered: the computation, the server's clock at 2:30:05 PM and the update.
    void DeclareClosing(const std::string& slip) {
        test.server.On(ComputePipe).Affects(1);
        test.server.On(ServerClock).Returns({"Tdate"}, {{vb::Variant(vb::MakeDate({2026, 12, 11, 14, 30, 5}))}});
        test.server.On(CloseStatement(slip)).Affects(1);
    }
    // The tank is open when "Close Tank" checks it, closed for every later look.
    void AnswerTankClosedAfterTheCheck(const std::string& slip) {
        test.server.On(fixture::OpenTankQuery(slip)).Returns({""}, {{1}});
        test.server.On(fixture::OpenTankQuery(slip)).Returns({""}, {});
    }
    void PressCloseTank(int row) {
        ClickCell(charge.mshflexList, row, 2);
        Click(charge.cmdCloseTank);
    }

    TestApp test;
    ward::frmCharge& charge;
};

TEST(OxygenTanks, EachTankPostingIsPaintedByItsTanksState) {
    TankWindow w({TankPosting("C1B"), TankPosting("C2B"), TankPosting("C3B", "1", "AUTO"), TankPosting("C1B", "-1"),
                  TankPosting("C4B"), fixture::PostedCharge("SU", "OX-TANK", "DRESSING", "1", "200", "C5B")},
                 {{"C1B", true}, {"C2B", false}, {"C3B", false}});
    const forms::Color plain = w.BackColor(6);
    EXPECT_EQ(w.BackColor(1), Open);
    EXPECT_EQ(w.BackColor(2), Closed);
    EXPECT_EQ(w.BackColor(3), plain) << "an automatic posting";
    EXPECT_EQ(w.BackColor(4), plain) << "a cancellation line";
    EXPECT_EQ(w.BackColor(5), plain) << "a posting without a tank row";
    for (int col = 1; col < w.charge.mshflexList.Cols(); ++col)
        EXPECT_EQ(w.charge.mshflexList.FormatOf(2, col).BackColor, Closed) << col;
    const std::vector<std::string> sent = w.test.server.Statements();
    const auto asked = [&](const std::string& slip) {
        return std::count(sent.begin(), sent.end(), fixture::TankRecordQuery(slip));
    };
    EXPECT_EQ(asked("C1B"), 1) << "the cancellation line asks nothing";
    EXPECT_EQ(asked("C3B"), 0);
    EXPECT_EQ(asked("C5B"), 0);
    EXPECT_EQ(asked("C4B"), 1);
}

TEST(OxygenTanks, NothingIsPaintedWhenTanksAreNotKept) {
    fixture::ChargeWindowSetUp setUp;
    setUp.posted = {TankPosting("C1B")};
    TestApp test;
    ward::frmCharge& charge = fixture::OpenChargeWindow(test, setUp);
    EXPECT_NE(charge.mshflexList.FormatOf(1, 3).BackColor, Open);
    for (const std::string& sent : test.server.Statements())
        EXPECT_THAT(sent, testing::Not(testing::HasSubstr("tbOpenClosetank")));
}

TEST(OxygenTanks, CloseTankStopsOnAWrongRowAClosedTankAtTheQuestionAndAtTheValidation) {
    struct Case {
        const char* name;
        int row;
        std::function<void(TankWindow&)> expect;
        std::vector<std::string> sent; // up to the question's answer
    };
    const std::vector<Case> cases = {
        {"a service row", 3,
         [](TankWindow& w) {
             w.test.host.ExpectMsgBox("Please select oxygen tank to close.")
                 .Title("Notification")
                 .Buttons(forms::vbOKOnly + forms::vbInformation);
         },
         {}},
        {"a closed tank", 2,
         [](TankWindow& w) {
             w.test.host.ExpectMsgBox("Sorry, this tank is already closed.")
                 .Title("Warning")
                 .Buttons(forms::vbOKOnly + forms::vbCritical);
         },
         {fixture::OpenTankQuery("C2B")}},
        {"No to the question", 1,
         [](TankWindow& w) {
             w.test.host.ExpectMsgBox("Are you sure you want to close this tank?")
                 .Title("Confirmation")
                 .Buttons(forms::vbYesNo + forms::vbInformation + forms::vbDefaultButton2)
                 .Answer(forms::vbNo);
         },
         {fixture::OpenTankQuery("C1B")}},
        {"the validation given up", 1,
         [](TankWindow& w) {
             w.test.host.ExpectMsgBox("Are you sure you want to close this tank?").Answer(forms::vbYes);
             w.test.host.OnModal<ward::frmTransaction_UserValidation>(
                 [](ward::frmTransaction_UserValidation& dialog) { PressKey(dialog, forms::vbKeyEscape); });
         },
         {fixture::OpenTankQuery("C1B")}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TankWindow w;
        ClickCell(w.charge.mshflexList, 1, 2); // the button is enabled on a tank posting
        w.charge.mshflexList.SetRow(c.row);    // and the arrow keys move the row
        c.expect(w);
        const std::size_t mark = w.test.server.Mark();
        Click(w.charge.cmdCloseTank);
        const std::vector<std::string> sent = w.test.server.Statements(mark);
        ASSERT_GE(sent.size(), c.sent.size());
        EXPECT_EQ(std::vector<std::string>(sent.begin(), sent.begin() + static_cast<long>(c.sent.size())), c.sent);
        EXPECT_THAT(sent, testing::Not(testing::Contains(ComputePipe)));
        EXPECT_TRUE(w.test.server.CommittedWrites(mark).empty());
        EXPECT_TRUE(w.charge.cmdCloseTank.Enabled());
    }
}

TEST(OxygenTanks, CloseTankComputesThePipedOxygenAndClosesTheTankInOneTransaction) {
    TankWindow w;
    w.DeclareClosing("C1B");
    w.test.host.ExpectMsgBox("Are you sure you want to close this tank?").Answer(forms::vbYes);
    fixture::SignInAsActingUser(w.test, fixture::ActingNurseCode);
    w.test.host.ExpectMsgBox("Tank successfully closed.")
        .Title("Notification")
        .Buttons(forms::vbOKOnly + forms::vbInformation)
        .WhileOpen([&] { EXPECT_EQ(w.test.server.Transcript().back(), "COMMIT"); });
    w.AnswerTankClosedAfterTheCheck("C1B");
    const std::size_t mark = w.test.server.Mark();
    w.PressCloseTank(1);
    const std::vector<std::string> sent = w.test.server.Statements(mark);
    const auto compute = std::find(sent.begin(), sent.end(), ComputePipe);
    ASSERT_NE(compute, sent.end());
    EXPECT_EQ(sent.front(), fixture::OpenTankQuery("C1B"));
    EXPECT_THAT(std::vector<std::string>(compute, compute + 4),
                ElementsAre(ComputePipe, ServerClock, CloseStatement("C1B"), fixture::PostedChargesQuery()));
    EXPECT_THAT(w.test.server.CommittedWrites(mark), ElementsAre(ComputePipe, CloseStatement("C1B")));
    EXPECT_EQ(w.BackColor(1), Closed);
    EXPECT_FALSE(w.charge.cmdCloseTank.Enabled());
    const std::vector<std::string> transcript = w.test.server.Transcript();
    EXPECT_NE(std::find(transcript.begin(), transcript.end(), "  " + CloseStatement("C1B")), transcript.end())
        << "the closing runs inside the transaction";
}

TEST(OxygenTanks, AFailedClosingCommitsNothingAndLeavesTheTankOpen) {
    std::unique_ptr<TankWindow> world;
    int run = 0;
    // The computation, the clock and the update fail in turn, then the commit.
    const std::vector<std::string> failures = {"", "Scripted failure", "Scripted failure", "Scripted failure",
                                               "Scripted commit failure"};
    auto fresh = [&]() -> ScriptedServer& {
        world.reset();
        world = std::make_unique<TankWindow>();
        world->DeclareClosing("C1B");
        world->test.host.ExpectMsgBox("Are you sure you want to close this tank?").Answer(forms::vbYes);
        fixture::SignInAsActingUser(world->test, fixture::ActingNurseCode);
        if (run == 0) {
            world->test.host.ExpectMsgBox("Tank successfully closed.");
            world->AnswerTankClosedAfterTheCheck("C1B");
        } else {
            world->test.host.ExpectMsgBox(failures.at(static_cast<std::size_t>(run)) +
                                          "\n\nPlease notify your IT department.");
        }
        return world->test.server;
    };
    auto close = [&] {
        world->PressCloseTank(1);
        if (run > 0) {
            EXPECT_EQ(world->BackColor(1), Open) << run;
            EXPECT_TRUE(world->charge.cmdCloseTank.Enabled()) << run;
        }
        ++run;
    };
    EXPECT_TRUE(EachFailureCommitsNothing(fresh, close, FailureScope::InsideTransactions));
    EXPECT_EQ(run, 5);
}

} // namespace
