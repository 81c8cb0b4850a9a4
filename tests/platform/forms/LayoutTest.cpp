#include "TestWindows.h"
#include "platform/forms/LayoutCheck.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace forms;

namespace {

class frmOverlaps : public Form {
public:
    explicit frmOverlaps(TestApp& app) : Form(app.Forms) {}
    TextBox txtA{*this, "txtA"};
    TextBox txtB{*this, "txtB"};
    Frame fraBox{*this, "fraBox"};
    TextBox txtInside{*this, "txtInside"};
    Timer tmrPoll{*this, "tmrPoll"};
};

} // namespace

TEST(LayoutCheck, EveryRegisteredWindowHasNoOverlappingControlsAtItsDesignSize) {
    forms::WindowCatalog<TestApp> catalog = TestWindowCatalog();
    for (const auto& entry : catalog.Entries()) {
        TestApp app;
        Form& form = entry.Load(app);
        EXPECT_THAT(FindOverlaps(form), testing::IsEmpty()) << entry.Name;
    }
}

TEST(LayoutCheck, FindsOverlapsOnlyAmongVisibleControlsOfOneContainer) {
    struct Case {
        const char* name;
        std::function<void(frmOverlaps&)> arrange;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {"two boxes on one spot", [](frmOverlaps&) {}, {"txtA overlaps txtB"}},
        {"one of them hidden", [](frmOverlaps& f) { f.txtB.SetVisible(false); }, {}},
        {"one of them an overlay", [](frmOverlaps& f) { f.txtB.SetOverlay(true); }, {}},
        {"side by side", [](frmOverlaps& f) { f.txtB.SetLeft(1000); }, {}},
        {"in another container",
         [](frmOverlaps& f) {
             f.txtB.SetContainer(&f.fraBox);
             f.fraBox.Move(0, 0, 1000, 1000);
         },
         {"txtA overlaps fraBox"}},
    };
    for (const Case& c : cases) {
        TestApp app;
        frmOverlaps& form = app.Forms.Get<frmOverlaps>();
        form.txtA.Move(0, 0, 1000, 300);
        form.txtB.Move(500, 0, 1000, 300);
        form.fraBox.Move(0, 2000, 1000, 1000);
        form.txtInside.SetContainer(&form.fraBox);
        form.txtInside.Move(0, 500, 1000, 300);
        c.arrange(form);
        EXPECT_EQ(FindOverlaps(form), c.expected) << c.name;
    }
}

TEST(Layout, RowsStackDownwardsAndFieldsTakeTheRestOfTheRow) {
    TestApp app;
    frmSignIn& form = app.Forms.Get<frmSignIn>();
    LayoutMetrics metrics;
    EXPECT_EQ(form.lblUserID.Left(), metrics.Margin);
    EXPECT_EQ(form.txtUserID.Left(), metrics.Margin + metrics.LabelWidth + metrics.Gap);
    EXPECT_EQ(form.txtUserID.Left() + form.txtUserID.Width(), form.ScaleWidth() - metrics.Margin);
    EXPECT_EQ(form.txtAccessCode.Top(), form.txtUserID.Top() + metrics.RowHeight + metrics.RowGap);
    EXPECT_EQ(form.cmdOption(1).Left() + form.cmdOption(1).Width(), form.ScaleWidth() - metrics.Margin)
        << "buttons stand at the right";
}

TEST(Layout, AGroupHoldsItsRowsAndGrowsToThem) {
    TestApp app;
    frmOverlaps& form = app.Forms.Get<frmOverlaps>();
    form.SetInnerSize(6000, 3000);
    Layout layout(form);
    layout.Full(form.txtA).Group(form.fraBox, [&](Layout& inside) { inside.Full(form.txtInside).Full(form.txtB); });
    EXPECT_EQ(form.txtB.Container(), &form.fraBox);
    EXPECT_GT(form.txtB.Top(), form.txtInside.Top());
    EXPECT_GE(form.fraBox.Height(), form.txtB.Top() + form.txtB.Height());
    EXPECT_EQ(layout.Top(), form.fraBox.Top() + form.fraBox.Height() + LayoutMetrics{}.RowGap);
    EXPECT_THAT(FindOverlaps(form), testing::IsEmpty());
}
