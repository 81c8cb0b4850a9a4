#include "RequestDialog.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace testkit;
namespace fixture = testkit::ward_fixture;

namespace {

std::vector<std::string> CartRow(forms::MSHFlexGrid& orders, int row) {
    std::vector<std::string> cells;
    for (int col = 1; col <= 16; ++col)
        cells.push_back(orders.TextMatrix(row, col));
    return cells;
}

std::vector<std::string> QuickLists(ward::frmFinal& chart) {
    std::vector<std::string> lines;
    for (forms::ListBox* list : {&chart.lstListLaboratory, &chart.lstListXray, &chart.lstListUltra})
        for (int i = 0; i < list->ListCount(); ++i)
            lines.push_back(list->List(i) + (list->Selected(i) ? " [x]" : ""));
    return lines;
}

TEST(AcceptRequest, AcceptWithOnlyTheEmptyRowCopiesNothing) {
    RequestDialog r("LB");
    Click(r.d().cmdOption(0));
    EXPECT_FALSE(r.d().IsLoaded());
    EXPECT_EQ(r.CartCodes(), (std::vector<std::string>{" "}));
}

TEST(AcceptRequest, RowsWithACodeFollowTheCartsRowsInTheDialogsOrder) {
    for (bool cartFilled : {false, true}) {
        SCOPED_TRACE(cartFilled ? "into a filled cart" : "into an empty cart");
        RequestDialog r("LB");
        if (cartFilled)
            WriteCartRow(r.chart.mshflexOrders, "XR", fixture::ChestPaCode);
        r.Enter(fixture::Albumin.code, [](ward::frmRemarks& remarks) { remarks.txtRemarks.SetText("FASTING"); });
        ClickCell(r.grid(), 2, 1);
        r.Enter(fixture::FbsCode);
        ClickCell(r.grid(), 3, 1);
        r.Enter(fixture::CbcCode);
        ClickCell(r.grid(), 2, 1);
        PressKey(r.d(), forms::vbKeyF3);
        ASSERT_EQ(r.Codes(), (std::vector<std::string>{"12", "101", ""}));
        // Row 1 loses its code but keeps what F3 does not reach: it is skipped as a row without a code.
        ClickCell(r.grid(), 1, 1);
        PressKey(r.d(), forms::vbKeyF3);
        r.grid().SetTextMatrix(1, 7, "LEFT OVER");
        Click(r.d().cmdOption(0));
        std::vector<std::string> codes = {"LB 101"};
        if (cartFilled)
            codes.insert(codes.begin(), "XR 12");
        EXPECT_EQ(r.CartCodes(), codes);
        EXPECT_EQ(CartRow(r.chart.mshflexOrders, cartFilled ? 2 : 1),
                  (std::vector<std::string>{"LB", "101", "COMPLETE BLOOD COUNT", "1", "250", "HEM", "N", "", "", "", "",
                                            "WB", "0", "0", "0", "0"}));
    }
}

TEST(AcceptRequest, TheProfileMembersFollowIntoTheChartsProfileGrid) {
    for (bool chartHasMembers : {false, true}) {
        SCOPED_TRACE(chartHasMembers ? "after members already there" : "into an empty profile grid");
        RequestDialog r("LB");
        forms::MSHFlexGrid& profiles = r.chart.mshflexProfileList;
        if (chartHasMembers) {
            profiles.SetTextMatrix(1, 1, "900");
            profiles.SetTextMatrix(1, 3, "901");
        }
        r.Enter(fixture::LipidProfile.code);
        Click(r.d().cmdOption(0));
        std::vector<std::string> members = {"510 of 500", "520 of 500"};
        if (chartHasMembers)
            members.insert(members.begin(), "900 of 901");
        EXPECT_EQ(r.ProfileMembers(profiles), members);
        EXPECT_EQ(profiles.TextMatrix(profiles.Rows() - 1, 4), "LIPID PROFILE");
    }
}

// A profile's members leave with its row, so they cannot refuse a later pick of the exams they stood for.
TEST(AcceptRequest, AProfileRemovedWithF3LeavesNoMembersBehind) {
    RequestDialog r("LB");
    r.Enter(fixture::CbcCode);
    ClickCell(r.grid(), 2, 1);
    r.Enter(fixture::LipidProfile.code);
    ClickCell(r.grid(), 2, 1);
    PressKey(r.d(), forms::vbKeyF3);
    Click(r.d().cmdOption(0));
    EXPECT_EQ(r.CartCodes(), (std::vector<std::string>{"LB 101"}));
    EXPECT_EQ(r.ProfileMembers(r.chart.mshflexProfileList), (std::vector<std::string>{" of "}));
}

TEST(AcceptRequest, ExitAndTheCloseBoxCopyNothing) {
    for (bool closeBox : {false, true}) {
        RequestDialog r("LB");
        r.Enter(fixture::CbcCode);
        ClickCell(r.grid(), 2, 1);
        r.Enter(fixture::LipidProfile.code);
        if (closeBox)
            CloseWindow(r.d());
        else
            Click(r.d().cmdOption(1));
        EXPECT_FALSE(r.d().IsLoaded());
        EXPECT_EQ(r.CartCodes(), (std::vector<std::string>{" "}));
        EXPECT_EQ(r.ProfileMembers(r.chart.mshflexProfileList), (std::vector<std::string>{" of "}));
    }
}

TEST(AcceptRequest, ACopiedRowIsPutBackWithoutTouchingAQuickList) {
    RequestDialog r("XR");
    r.Enter(fixture::ChestPaCode);
    Click(r.d().cmdOption(0));
    const std::vector<std::string> lines = QuickLists(r.chart);
    r.chart.mshflexOrders.SetRow(1);
    Click(r.chart.cmdDelete);
    EXPECT_EQ(r.CartCodes(), (std::vector<std::string>{" "}));
    EXPECT_EQ(QuickLists(r.chart), lines);
}

// The dialog opens afresh each time: one empty row and an empty profile grid.
TEST(AcceptRequest, TheNextOpeningStartsEmpty) {
    RequestDialog r("LB");
    r.Enter(fixture::LipidProfile.code);
    Click(r.d().cmdOption(1));
    r.Open("LB");
    EXPECT_EQ(r.Codes(), (std::vector<std::string>{""}));
    EXPECT_EQ(r.DialogProfiles(), (std::vector<std::string>{" of "}));
    EXPECT_EQ(r.Cell(), std::make_pair(1, 1));
}

} // namespace
