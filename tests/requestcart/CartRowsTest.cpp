#include "chart/ExamLines.h"
#include "chart/frmFinal.h"
#include "requestcart/ExamAmount.h"
#include "requestcart/frmRemarks.h"
#include "requestentry/frmAudio.h"
#include "requestentry/frmCTfile.h"
#include "requestentry/frmHeart.h"
#include "requestentry/frmNeuRoExams.h"
#include "requestentry/frmNuclear.h"
#include "requestentry/frmPTFile.h"
#include "requestentry/frmRTfile.h"
#include "testkit/FixtureRequestCart.h"
#include "testkit/UserActions.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace testkit;
namespace fixture = testkit::ward_fixture;

namespace {

const std::string Id = fixture::InPatientIdNum;

// One look-up: what the server answers for the exam and whether the admission pays the international rate.
struct AmountCase {
    std::string name;
    std::vector<Row> amountRows;
    bool rateOn;
    bool international;
    std::string expected;
};

TEST(ExamAmount, IsWrittenAsStrOrRaisedByTheInternationalRate) {
    const std::vector<AmountCase> cases = {
        {"whole amount", {{250.0}}, false, false, " 250"},
        {"cents", {{12.5}}, false, false, " 12.5"},
        {"below one", {{0.5}}, false, false, " .5"},
        {"Null amount", {{vb::Variant::Null()}}, false, false, ""},
        {"no amount for the class", {}, false, false, ""},
        {"international, rate off", {{250.0}}, false, true, " 250"},
        {"international, rate on", {{250.0}}, true, true, "275"},
        {"international, rate on, cents", {{125.5}}, true, true, "138.05"},
        {"not international, rate on", {{250.0}}, true, false, " 250"},
        {"international, rate on, no amount", {}, true, true, ""},
    };
    for (const AmountCase& c : cases) {
        SCOPED_TRACE(c.name);
        TestApp test;
        std::vector<Row> setup = fixture::NurseSetupRows();
        if (c.rateOn)
            setup.push_back({"ZODEAllowInternationalRate", "1"});
        fixture::DeclareSettings(test.server, false, setup);
        test.app.Parameters().LoadParameters(test.app);
        test.app.CurRoomClassID = "C ";
        test.server.On(fixture::ExamAmountQuery("XR", "C ", "12")).Returns({"Amount"}, c.amountRows);
        test.server.On(fixture::InternationalCheck(Id + " "))
            .Returns({"isInternational"}, {{c.international ? "Y" : "N"}});
        const std::size_t mark = test.server.Mark();
        ward::LookUpExamAmount(test.app, " XR", " 12 ", Id + " ");
        EXPECT_EQ(test.app.ExamAmount, c.expected);
        std::vector<std::string> sent = {fixture::ExamAmountQuery("XR", "C ", "12")};
        if (c.rateOn)
            sent.push_back(fixture::InternationalCheck(Id + " "));
        EXPECT_TRUE(test.server.SentExactly(sent, mark));
    }
}

TEST(ExamAmount, TheRecordsetIsReleasedEvenWhenTheLookUpFails) {
    TestApp test;
    test.app.CurRoomClassID = "C";
    test.server.On(fixture::ExamAmountQuery("XR", "C", "12")).Fails("Deadlock", 1205);
    test.app.ExamAmount = " 999";
    EXPECT_THROW(ward::LookUpExamAmount(test.app, "XR", "12", Id), std::exception);
    EXPECT_EQ(test.app.ExamAmount, "");
    EXPECT_EQ(test.app.ExamRecordset().State(), db::ObjectState::Closed) << "a fresh recordset";
}

// The chart with one ticked line in the list a cart row names, and that row in the cart.
struct PutBack {
    TestApp test;
    ward::frmFinal& chart;

    PutBack() : chart(fixture::OpenCartChart(test)) {}

    forms::MSHFlexGrid& Orders() { return chart.mshflexOrders; }
    void WriteRow(int row, const std::string& listName, const std::string& line, const std::string& code) {
        if (Orders().Rows() <= row)
            Orders().SetRows(row + 1);
        const std::vector<std::string> cells = {
            "XX", code, "EXAM " + code, "1", " 100", "", "N", "", listName, line, "7", "0", "0", "0", "1", "1"};
        for (int col = 1; col <= 16; ++col)
            Orders().SetTextMatrix(row, col, cells[col - 1]);
    }
    std::vector<std::string> Cells(int row) {
        std::vector<std::string> cells;
        for (int col = 1; col <= 16; ++col)
            cells.push_back(Orders().TextMatrix(row, col));
        return cells;
    }
};

// Every list a cart row can name, and the line in it the row came from.
struct ListCase {
    std::string name;
    std::function<forms::ListBox&(PutBack&)> list;
};

TEST(CartPutBack, EachKindOfListGetsItsLineBackUnticked) {
    auto picker = [](auto* window) {
        return [window](PutBack& p) -> forms::ListBox& {
            using Window = std::remove_pointer_t<decltype(window)>;
            return p.test.app.Forms.Instance<Window>().ExamList();
        };
    };
    const std::vector<ListCase> cases = {
        {"lstListUltra", [](PutBack& p) -> forms::ListBox& { return p.chart.lstListUltra; }},
        {"lstListXray", [](PutBack& p) -> forms::ListBox& { return p.chart.lstListXray; }},
        {"lstListLaboratory", [](PutBack& p) -> forms::ListBox& { return p.chart.lstListLaboratory; }},
        {"lstListAudio", picker(static_cast<ward::frmAudio*>(nullptr))},
        {"lstListCT", picker(static_cast<ward::frmCTfile*>(nullptr))},
        {"lstListHS", picker(static_cast<ward::frmHeart*>(nullptr))},
        {"lstListNuclear", picker(static_cast<ward::frmNuclear*>(nullptr))},
        {"lstListPT", picker(static_cast<ward::frmPTFile*>(nullptr))},
        {"lstListRTS", picker(static_cast<ward::frmRTfile*>(nullptr))},
        {"lstListNeuro", picker(static_cast<ward::frmNeuRoExams*>(nullptr))},
    };
    for (const ListCase& c : cases) {
        SCOPED_TRACE(c.name);
        PutBack p;
        forms::ListBox& list = c.list(p);
        ASSERT_GT(list.ListCount(), 0);
        const int last = list.ListCount() - 1;
        const std::string line = list.List(last);
        list.SetSelected(last, true);
        // Three rows, the middle one from the list; its stored index is stale, the text finds the line.
        p.WriteRow(1, "", "", "1");
        p.WriteRow(2, c.name, line, "2");
        p.WriteRow(3, "", "", "3");
        p.Orders().SetRow(2);
        Click(p.chart.cmdDelete);
        EXPECT_FALSE(list.Selected(last));
        EXPECT_EQ(list.List(last), line);
        EXPECT_EQ(p.Orders().Rows(), 3);
        EXPECT_EQ(p.Orders().TextMatrix(1, 2), "1");
        EXPECT_EQ(p.Orders().TextMatrix(2, 2), "3");
    }
}

TEST(CartPutBack, TheOnlyRowIsEmptiedButItsAmountAndARowOfTheDialogTouchesNoList) {
    PutBack p;
    const int line = fixture::LineOf(p.chart.lstListXray, fixture::ChestPaCode);
    p.chart.lstListXray.SetSelected(line, true);
    p.WriteRow(1, "", p.chart.lstListXray.List(line), fixture::ChestPaCode);
    DoubleClickCell(p.Orders(), 1, 2);
    EXPECT_TRUE(p.chart.lstListXray.Selected(line)) << "a row naming no list touches none";
    EXPECT_EQ(p.Cells(1),
              (std::vector<std::string>{"", "", "", "", " 100", "", "", "", "", "", "", "", "", "", "", ""}));
    // Again on the emptied cart: nothing changes.
    Click(p.chart.cmdDelete);
    EXPECT_EQ(p.Orders().Rows(), 2);
    EXPECT_EQ(p.Orders().TextMatrix(1, 5), " 100");
}

TEST(CartPutBack, AProfileLeavesWithItsMembers) {
    PutBack p;
    forms::MSHFlexGrid& profiles = p.chart.mshflexProfileList;
    profiles.SetRows(4);
    const std::vector<std::vector<std::string>> members = {{"510", "CHOLESTEROL", "500", "LIPID PROFILE"},
                                                           {"901", "SODIUM", "900", "ELECTROLYTES"},
                                                           {"520", "TRIGLYCERIDES", "500", "LIPID PROFILE"}};
    for (int row = 1; row <= 3; ++row)
        for (int col = 1; col <= 4; ++col)
            profiles.SetTextMatrix(row, col, members[row - 1][col - 1]);
    const std::string line = fixture::LabLine(fixture::LipidProfile);
    const int index = p.chart.lstListLaboratory.ListCount();
    (void)index;
    const int at = fixture::LineOf(p.chart.lstListLaboratory, fixture::LipidProfile.code);
    p.chart.lstListLaboratory.SetSelected(at, true);
    p.WriteRow(1, "lstListLaboratory", line, fixture::LipidProfile.code);
    p.WriteRow(2, "", "", "3");
    DoubleClickCell(p.Orders(), 1, 2);
    EXPECT_FALSE(p.chart.lstListLaboratory.Selected(at));
    EXPECT_EQ(profiles.Rows(), 2);
    EXPECT_EQ(profiles.TextMatrix(1, 3), "900");
    EXPECT_EQ(p.Orders().Rows(), 2);
    EXPECT_EQ(p.Orders().TextMatrix(1, 2), "3");
}

// Unticking a line whose row is the cart's only one keeps the amount and the hidden flags of that row.
TEST(CartRows, UntickingTheOnlyRowKeepsItsAmountAndHiddenFlagsAndTheNextPickReplacesThem) {
    TestApp test;
    ward::frmFinal& chart = fixture::OpenCartChart(test);
    test.host.OnModal<ward::frmRemarks>([](ward::frmRemarks& remarks) { Click(remarks.Command1); });
    forms::ListBox& list = chart.lstListXray;
    ClickListLine(list, fixture::LineOf(list, fixture::ChestPaCode));
    ClickListLine(list, fixture::LineOf(list, fixture::ChestPaCode));
    forms::MSHFlexGrid& orders = chart.mshflexOrders;
    EXPECT_EQ(orders.Rows(), 2);
    for (int col : {1, 2, 3, 4, 6, 7, 8, 9, 10, 11})
        EXPECT_EQ(orders.TextMatrix(1, col), "") << col;
    EXPECT_EQ(orders.TextMatrix(1, 5), " 450");
    EXPECT_EQ(orders.TextMatrix(1, 12), "0");
    EXPECT_EQ(orders.TextMatrix(1, 16), "0");
    EXPECT_FALSE(chart.CartHoldsRequests());
}

} // namespace
