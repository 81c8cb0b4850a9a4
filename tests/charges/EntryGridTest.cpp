#include "ChargeWindow.h"
#include "charges/frmCharge.h"
#include "core/frmCdfViewing.h"
#include "platform/forms/Constants.h"
#include "testkit/UserActions.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace testkit;
namespace fixture = testkit::ward_fixture;

using namespace charges_test;

namespace {

TEST(ChargeWindowSetUp, LaysTheGridOutByTheSettingsAndPlacesTheEditorOnTheFirstCell) {
    struct Case {
        const char* name;
        bool showAmount, dosage, tanks;
        std::vector<int> widths; // columns 0 to 6, then 7, 10, 11, 17, 18
    };
    const std::vector<Case> cases = {
        {"amounts shown", true, false, false, {895, 1490, 1490, 4000, 1000, 1000, 1000, 1, 1, 0, 0, 0}},
        {"amounts hidden", false, false, false, {895, 1490, 1490, 4000, 1000, 0, 0, 1, 1, 0, 0, 0}},
        {"dosage column", true, true, true, {895, 1490, 1490, 3000, 1000, 1000, 1000, 1, 1, 0, 0, 1000}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fixture::ChargeWindowSetUp setUp;
        setUp.hospital = {{"IsShowAmount", c.showAmount}};
        setUp.wardParameters = WardParameters(
            {{"ZODEShowDosagePostMedicines", c.dosage ? "1" : "0"}, {"ZODEAllowOpenCloseTank", c.tanks ? "1" : "0"}});
        ChargeWindow w(setUp);
        forms::MSHFlexGrid& grid = w.grid();

        std::vector<std::string> expected = SettingsQueries;
        for (const std::string& cdf : fixture::NoCdfStatements())
            expected.push_back(cdf);
        expected.push_back(fixture::PostedChargesQuery());
        EXPECT_EQ(w.test.server.Statements(), expected);

        std::vector<int> widths;
        for (int col : {0, 1, 2, 3, 4, 5, 6, 7, 10, 11, 17, 18})
            widths.push_back(grid.ColWidth(col));
        EXPECT_EQ(widths, c.widths);
        EXPECT_EQ(grid.Rows(), 2);
        EXPECT_EQ(grid.Cols(), 19);
        EXPECT_EQ(grid.TextMatrix(1, 0), "1");
        EXPECT_EQ(grid.TextMatrix(0, 18), "Dosage ID");
        EXPECT_EQ(w.charge.lblMessage.Caption(), "Type the Charging Code..(See Department Codes for the list)");
        EXPECT_TRUE(w.charge.txtEntry.Visible());
        EXPECT_EQ(w.charge.txtEntry.Left(), grid.Left() + grid.ColPos(1) + 25);
        EXPECT_EQ(w.charge.txtEntry.Top(), grid.Top() + grid.RowPos(1) + 25);
        EXPECT_EQ(w.charge.txtEntry.Width(), 1470);
        EXPECT_EQ(w.charge.txtEntry.MaxLength(), 3);
        EXPECT_FALSE(w.charge.mshflexList.Enabled());
        EXPECT_FALSE(w.charge.cmdOption(0).Enabled());
        EXPECT_FALSE(w.charge.cmdOption(1).Enabled());
        EXPECT_FALSE(w.charge.cmdCDF.Enabled());
        EXPECT_EQ(w.charge.lblNote.Visible(), !c.tanks);
        EXPECT_EQ(w.charge.frOxLegend.Visible(), c.tanks);
        EXPECT_EQ(w.charge.cmdCloseTank.Visible(), c.tanks);
        // The opener's work stays as it left it.
        EXPECT_EQ(w.charge.Caption(), "POST CHARGES");
        EXPECT_EQ(w.charge.lblDeptCode.Caption(), "SIC");
        EXPECT_EQ(w.charge.lvwDepartments.ListItemCount(), 5);
    }
}

TEST(ChargeWindowSetUp, EnablesTheCdfButtonForTheCurrentPatientsBalance) {
    TestApp test;
    const std::vector<std::string> cdf = fixture::NoCdfStatements();
    test.server.On(cdf[0]).Returns({"RevenueID", "LocationID", "hemorequest", "ItemID", "DrCr", "LGRP", "Amount"},
                                   {{"SU", "", 0, "", "", "", 1000.0}});
    test.server.On(cdf[1]).Returns({"Amount"}, {{5000.0}});
    test.server.On(cdf[2]).Returns({"Amount"}, {{0.0}});
    ward::frmCharge& charge = fixture::OpenChargeWindow(test);
    EXPECT_TRUE(charge.cmdCDF.Enabled());
    std::string balance;
    test.host.OnModal<ward::frmCdfViewing>([&](ward::frmCdfViewing& window) {
        balance = window.txtCDFBalance.Text();
        window.Unload();
    });
    Click(charge.cmdCDF);
    EXPECT_EQ(test.host.ModalShows(), std::vector<std::string>{"frmCdfViewing"});
    EXPECT_FALSE(balance.empty());
}

TEST(EntryGridRows, CompletenessDecidesWhenLeavingACellAppendsARow) {
    struct Case {
        const char* name;
        std::vector<std::vector<std::string>> rows; // from row 1
        int current;
        bool complete;
        int rowsAfterLeaving;
    };
    const std::vector<std::string> done = {"SU", "SU001", "DRESSING", "1", "100", "100"};
    const std::vector<Case> cases = {
        {"one complete row", {done}, 1, true, 3},
        {"unit price 0", {{"SU", "SU001", "X", "1", "0", "100"}}, 1, false, 2},
        {"empty quantity", {{"SU", "SU001", "X", "", "100", "100"}}, 1, false, 2},
        {"blank quantity counts as typed", {{"SU", "SU001", "X", " ", "100", "100"}}, 1, true, 3},
        {"no description needed", {{"SU", "SU001", "", "1", "100", "100"}}, 1, true, 3},
        {"amount as text", {{"SU", "SU001", "X", "1", "100", "ABC"}}, 1, false, 2},
        {"earlier row while the last is unfinished", {done, {"PH"}}, 1, true, 3},
        {"earlier row with the last complete", {done, done}, 1, true, 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ChargeWindow w;
        for (std::size_t i = 0; i < c.rows.size(); ++i)
            w.Fill(static_cast<int>(i) + 1, c.rows[i]);
        EXPECT_EQ(w.charge.Entry().IsRowComplete(c.current), c.complete);
        ClickCell(w.grid(), c.current, 4);
        ClickCell(w.grid(), c.current, 1);
        EXPECT_EQ(w.grid().Rows(), c.rowsAfterLeaving);
    }
}

TEST(EntryGridRows, F3RemovesALaterRowAndEmptiesTheFirstOneUpToTheTankNumber) {
    ChargeWindow w;
    const std::vector<std::string> done = {"SU", "SU001", "DRESSING", "1", "100", "100"};
    w.Fill(1, done);
    ClickCell(w.grid(), 1, 4);
    w.Fill(2, done);
    ClickCell(w.grid(), 2, 4);
    w.Fill(3, done);
    ClickCell(w.grid(), 3, 4);
    ASSERT_EQ(w.Column(0), (std::vector<std::string>{"1", "2", "3", "4"}));
    ClickCell(w.grid(), 2, 2);
    PressKey(w.charge, forms::vbKeyF3);
    EXPECT_EQ(w.Column(0), (std::vector<std::string>{"1", "3", "4"}));
    EXPECT_EQ(w.charge.Entry().RowCounter(), 3);
    // The editor goes to column 1 of the last row, the current cell stays.
    EXPECT_EQ(w.charge.txtEntry.Top(), w.grid().Top() + w.grid().RowPos(3) + 25);
    EXPECT_EQ(w.charge.txtEntry.Left(), w.grid().Left() + w.grid().ColPos(1) + 25);
    EXPECT_TRUE(w.charge.txtEntry.HasFocus());

    // The first row keeps its number and its dosage.
    w.grid().SetTextMatrix(1, 14, "T-7");
    w.grid().SetTextMatrix(1, 18, "BID");
    ClickCell(w.grid(), 1, 1);
    PressKey(w.charge, forms::vbKeyF3);
    std::vector<std::string> first;
    for (int col = 0; col < 19; ++col)
        first.push_back(w.grid().TextMatrix(1, col));
    std::vector<std::string> expected(19, "");
    expected[0] = "1";
    expected[18] = "BID";
    EXPECT_EQ(first, expected);
}

TEST(EntryGridRows, F3OverTheLockedDescriptionShowsTheEditorOnTheLastRow) {
    ChargeWindow w;
    w.Fill(1, {"SU", "SU001", "DRESSING", "1", "100", "100"});
    ClickCell(w.grid(), 1, 4);
    ClickCell(w.grid(), 1, 3);
    EXPECT_FALSE(w.charge.txtEntry.Visible());
    PressKey(w.charge, forms::vbKeyF3);
    EXPECT_TRUE(w.charge.txtEntry.Visible());
    EXPECT_TRUE(w.charge.txtEntry.HasFocus());
    EXPECT_EQ(w.charge.txtEntry.Top(), w.grid().Top() + w.grid().RowPos(2) + 25);
    EXPECT_EQ(w.Column(1), (std::vector<std::string>{"", ""}));
}

TEST(EntryGridRows, DuplicateItemsAreSoughtInEveryRowButTheCurrentAndTheLast) {
    struct Case {
        const char* name;
        int current;
        const char* code;
        bool duplicate;
    };
    const std::vector<Case> cases = {
        {"same department and item", 3, "SU001", true},
        {"trimmed", 3, " SU001 ", true},
        {"other department", 3, "PH001", false},
        {"the current row itself", 1, "SU001", false},
        {"the last row is never compared", 1, "SU002", false},
        {"case kept", 3, "su001", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ChargeWindow w;
        w.Fill(1, {"SU", "SU001"});
        w.Fill(2, {"PH", "PH001"});
        w.Fill(3, {"SU ", "SU002"});
        w.grid().SetRow(c.current);
        EXPECT_EQ(w.charge.Entry().IsDuplicateItem(c.code), c.duplicate);
    }
}

TEST(EntryGridRows, DepartmentCodesAreTheListedOnesTrimmedWithTheirCase) {
    ChargeWindow w;
    for (auto [code, known] : std::vector<std::pair<std::string, bool>>{
             {"SU", true}, {" OX ", true}, {"su", false}, {"", false}, {"   ", false}, {"XR", false}})
        EXPECT_EQ(w.charge.Entry().DeptCodeExists(code), known) << "[" << code << "]";
}

TEST(EntryGridKeys, HomeAndEndSkipLockedAndNarrowColumns) {
    struct Case {
        const char* name;
        bool showAmount;
        int from;
        int key;
        int to;
    };
    const std::vector<Case> cases = {
        {"End from the department", true, 1, forms::vbKeyEnd, 2},
        {"End over the description", true, 2, forms::vbKeyEnd, 4},
        {"End to the unit price", true, 4, forms::vbKeyEnd, 5},
        {"End past the locked amount", true, 5, forms::vbKeyEnd, 5},
        {"End over hidden amounts", false, 4, forms::vbKeyEnd, 4},
        {"Home over the description", true, 4, forms::vbKeyHome, 2},
        {"Home in the first column", true, 1, forms::vbKeyHome, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fixture::ChargeWindowSetUp setUp;
        setUp.hospital = {{"IsShowAmount", c.showAmount}};
        ChargeWindow w(setUp);
        ClickCell(w.grid(), 1, c.from);
        w.charge.txtEntry.SetText("TYPED");
        PressKey(w.charge.txtEntry, c.key);
        EXPECT_EQ(w.grid().Col(), c.to);
        // The cell entry runs again, so the editor shows the cell's own text.
        EXPECT_EQ(w.charge.txtEntry.Text(), "");
    }
}

TEST(EntryGridKeys, UpAndDownStayInsideTheEntryRows) {
    ChargeWindow w;
    w.Fill(2, {});
    ClickCell(w.grid(), 1, 1);
    PressKey(w.charge.txtEntry, forms::vbKeyUp);
    EXPECT_EQ(w.grid().Row(), 1);
    PressKey(w.charge.txtEntry, forms::vbKeyDown);
    EXPECT_EQ(w.grid().Row(), 2);
    PressKey(w.charge.txtEntry, forms::vbKeyDown);
    EXPECT_EQ(w.grid().Row(), 2);
    PressKey(w.charge.txtEntry, forms::vbKeyUp);
    EXPECT_EQ(w.grid().Row(), 1);
}

TEST(EntryGridKeys, TheEditorFiltersWhatIsTyped) {
    struct Case {
        int col;
        const char* typed;
        const char* shown;
    };
    const std::vector<Case> cases = {
        {1, "su'", "SU"}, {2, "amox 5", "AMOX 5"}, {4, "1/2", "1/2"}, {4, "1.5x-", "1.5"}, {5, "12a", "12A"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        ChargeWindow w;
        w.Fill(1, {"SU", "SU001", "DRESSING"});
        ClickCell(w.grid(), 1, c.col);
        Type(w.charge.txtEntry, c.typed);
        EXPECT_EQ(w.charge.txtEntry.Text(), c.shown);
    }
}

TEST(EntryGridEditor, FollowsItsCellOverAScrolledGridAndStaysHiddenOnTheDosageColumn) {
    fixture::ChargeWindowSetUp setUp;
    setUp.wardParameters = WardParameters({{"ZODEShowDosagePostMedicines", "1"}});
    ChargeWindow w(setUp);
    for (int row = 1; row <= 20; ++row)
        w.Fill(row, {"SU", "SU00" + std::to_string(row)});
    ClickCell(w.grid(), 15, 1);
    ASSERT_GT(w.grid().TopRow(), 1);
    EXPECT_EQ(w.charge.txtEntry.Top(), w.grid().Top() + w.grid().RowPos(15) + 25);
    EXPECT_EQ(w.charge.txtEntry.Text(), "SU");
    w.grid().SetTopRow(w.grid().TopRow() - 1);
    EXPECT_EQ(w.charge.txtEntry.Top(), w.grid().Top() + w.grid().RowPos(15) + 25);

    ClickCell(w.grid(), 15, 18);
    EXPECT_FALSE(w.charge.txtEntry.Visible());
}

TEST(PostedCharges, ListsThePostingsWithCancellationsInRed) {
    fixture::ChargeWindowSetUp setUp;
    setUp.posted = {fixture::PostedCharge("SU", "SU001", "DRESSING", "2", "200", "C000123B"),
                    fixture::PostedCharge("SU", "SU001", "DRESSING", "-2", "-200", "C000123B")};
    ChargeWindow w(setUp);
    forms::MSHFlexGrid& list = w.charge.mshflexList;
    EXPECT_TRUE(list.Enabled());
    EXPECT_FALSE(w.charge.txtMessage.Visible());
    ASSERT_EQ(list.Rows(), 3);
    EXPECT_EQ(list.TextMatrix(2, 4), "-2");
    const int W = list.Width();
    EXPECT_EQ(list.ColWidth(1), W / 15);
    EXPECT_EQ(list.ColWidth(3), static_cast<int>(std::nearbyint(W / 15 * 7.5)));
    EXPECT_EQ(list.ColWidth(5), W / 15 * 2 + 60);
    for (int col = 1; col < list.Cols(); ++col) {
        EXPECT_EQ(list.FormatOf(2, col).ForeColor, 255) << col;
        EXPECT_EQ(list.FormatOf(1, col).ForeColor, 0) << col;
    }
}

TEST(PostedCharges, SaysSoWhenThereIsNone) {
    fixture::ChargeWindowSetUp setUp;
    setUp.hospital = {{"IsShowAmount", false}};
    ChargeWindow w(setUp);
    EXPECT_FALSE(w.charge.mshflexList.Enabled());
    EXPECT_TRUE(w.charge.txtMessage.Visible());
    EXPECT_EQ(w.charge.txtMessage.Text(), "No Charges Entered");
    EXPECT_EQ(w.charge.mshflexList.Rows(), 2);
    EXPECT_EQ(w.charge.mshflexList.ColWidth(5), 0);
}

TEST(PostedCharges, AClickEnablesReprintByTheSettingAndCloseTankOnlyOnATankPosting) {
    struct Case {
        const char* name;
        Row posting;
        bool closeTank;
    };
    const std::vector<Case> cases = {
        {"tank posting", fixture::PostedCharge("OX", "OX-TANK", "OXYGEN TANK", "1", "500", "C1B"), true},
        {"automatic tank posting", fixture::PostedCharge("OX", "OX-TANK", "OXYGEN TANK", "1", "500", "C1B", "AUTO"),
         false},
        {"other oxygen item", fixture::PostedCharge("OX", "OX-PIPE", "PIPED OXYGEN", "1", "500", "C1B"), false},
        {"a service", fixture::PostedCharge("SU", "OX-TANK", "DRESSING", "1", "500", "C1B"), false},
    };
    for (bool printSlip : {true, false}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.name);
            fixture::ChargeWindowSetUp setUp;
            setUp.hospital = {{"IsPrintChargeSlip", printSlip}};
            setUp.wardParameters = WardParameters({{"ZODEAllowOpenCloseTank", "1"}});
            setUp.posted = {c.posting};
            ChargeWindow w(setUp);
            ClickCell(w.charge.mshflexList, 1, 2);
            EXPECT_EQ(w.charge.cmdCloseTank.Enabled(), c.closeTank);
            EXPECT_EQ(w.charge.cmdOption(0).Enabled(), printSlip);
            EXPECT_TRUE(w.charge.cmdOption(1).Enabled());
        }
    }
}

} // namespace
