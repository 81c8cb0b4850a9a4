#include "chart/frmFinal.h"
#include "platform/vb/Strings.h"
#include "testkit/FixtureChart.h"

#include <gtest/gtest.h>

using namespace testkit;

namespace {

struct CartWidthCase {
    int gridWidth;
    bool showAmount;
    int narrow;  // DEPT, CODE, QTY, SECTION, STAT
    int amount;  // AMOUNT
    int remarks; // REMARKS
};

class RequestCartLayout : public ::testing::TestWithParam<CartWidthCase> {};

TEST_P(RequestCartLayout, SizesTheColumnsFromTheGridsWidth) {
    const CartWidthCase& c = GetParam();
    TestApp test;
    ward::frmFinal& chart = ward_fixture::LoadEmptyChart(test, {{"IsShowAmount", c.showAmount}});
    forms::MSHFlexGrid& cart = chart.mshflexOrders;
    cart.SetTextMatrix(1, 2, "1024");
    cart.SetRows(5);
    cart.SetWidth(c.gridWidth);

    chart.LayOutRequestCart();

    EXPECT_EQ(cart.Rows(), 2);
    EXPECT_EQ(cart.Cols(), 17);
    EXPECT_EQ(cart.TextMatrix(1, 2), "");
    EXPECT_EQ(cart.TextMatrix(0, 3), "DESCRIPTION" + vb::Space(38));
    EXPECT_EQ(cart.TextMatrix(0, 14), "DIALYSIS");
    EXPECT_EQ(cart.TextMatrix(0, 16), "");
    EXPECT_EQ(cart.ColAlignment(1), forms::flexAlignLeftCenter);
    EXPECT_EQ(cart.ColWidth(0), 1);
    EXPECT_EQ(cart.ColWidth(3), 4001);
    for (int col : {1, 2, 4, 6, 7})
        EXPECT_EQ(cart.ColWidth(col), c.narrow) << "column " << col;
    EXPECT_EQ(cart.ColWidth(5), c.amount);
    EXPECT_EQ(cart.ColWidth(8), c.remarks);
    for (int col = 9; col <= 16; ++col)
        EXPECT_EQ(cart.ColWidth(col), 0) << "column " << col;
    EXPECT_TRUE(cart.Redraw());
}

INSTANTIATE_TEST_SUITE_P(Widths, RequestCartLayout,
                         ::testing::Values(CartWidthCase{13000, true, 1500, 1500, 4000},
                                           CartWidthCase{13000, false, 1500, 0, 4000},
                                           CartWidthCase{10000, true, 1269, 1269, 3769}));

TEST(ProfileListLayout, HasFiveColumnsAndOneBlankRow) {
    TestApp test;
    ward::frmFinal& chart = ward_fixture::LoadEmptyChart(test);
    forms::MSHFlexGrid& grid = chart.mshflexProfileList;
    grid.SetRows(4);
    grid.SetTextMatrix(1, 1, "1024");

    chart.LayOutProfileList();

    EXPECT_EQ(grid.Rows(), 2);
    EXPECT_EQ(grid.Cols(), 5);
    EXPECT_EQ(grid.TextMatrix(1, 1), "");
    EXPECT_EQ(grid.TextMatrix(0, 2), "ExamName" + vb::Space(25));
    EXPECT_EQ(grid.TextMatrix(0, 4), "ProfileName" + vb::Space(22));
    const int widths[] = {1, 700, 2000, 700, 2000};
    for (int col = 0; col < 5; ++col)
        EXPECT_EQ(grid.ColWidth(col), widths[col]) << "column " << col;
}

TEST(ChartCreation, GivesTheRequestChecksTheirTextsAndTheCartItsDefaults) {
    TestApp test;
    ward_fixture::DeclareEmptyChartSetUp(test.server);
    test.app.Forms.Instance<ward::frmFinal>();

    EXPECT_EQ(test.app.MsgExamRequestedPrefix, "The same exam had been requested at...");
    EXPECT_EQ(test.app.MsgExamPendingSuffix, "   and it is Pending...");
    EXPECT_EQ(test.app.SpecimenCode, "0");
    EXPECT_EQ(test.app.TransplantID, "0");
    EXPECT_EQ(test.app.DialysisID, "0");
}

} // namespace
