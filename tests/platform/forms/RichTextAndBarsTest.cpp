#include "TestWindows.h"
#include "platform/forms/Bars.h"
#include "platform/forms/ReportViewer.h"
#include "platform/forms/RichTextBox.h"
#include "platform/vb/VbError.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace forms;
using testing::ElementsAre;

namespace {

class frmSummary : public Form {
public:
    explicit frmSummary(TestApp& app) : Form(app.Forms), log(app.log) {
        rtbClinical.Change = [this] { log.push_back("rtbClinical_Change"); };
    }
    RichTextBox rtbClinical{*this, "rtbClinical"};
    ProgressBar ProgressBarMeter{*this, "ProgressBarMeter"};
    StatusBar StbEr{*this, "StbEr"};
    ReportViewer crViewer{*this, "crViewer"};

private:
    void Design() override {
        SetInnerSize(8000, 6000);
        Layout(*this).Full(rtbClinical, 2000).Full(ProgressBarMeter).Full(crViewer, 2000).Full(StbEr);
    }
    std::vector<std::string>& log;
};

// Appends text through the selection in a format, as the clinical summary is composed.
void Append(RichTextBox& box, const std::string& text, const std::string& font, double size, bool bold, Color color) {
    box.SetSelStart(static_cast<int>(box.Text().size()));
    box.SetSelFontName(font);
    box.SetSelFontSize(size);
    box.SetSelBold(bold);
    box.SetSelColor(color);
    box.SetSelText(text);
}

class SummaryTest : public ::testing::Test {
protected:
    TestApp app;
    frmSummary& form = app.Forms.Get<frmSummary>();
};

} // namespace

TEST_F(SummaryTest, RichTextBuiltThroughTheSelectionKeepsEachStretchInItsFormat) {
    RichTextBox& box = form.rtbClinical;
    Append(box, "Laboratory :\r\n", "Arial", 10, true, vbBlue);
    Append(box, "CBC 3/1/2026\r\n", "Courier New", 8, false, vbBlack);
    Append(box, "FBS 3/2/2026\r\n", "Courier New", 8, false, vbBlack);
    EXPECT_EQ(box.Text(), "Laboratory :\r\nCBC 3/1/2026\r\nFBS 3/2/2026\r\n");
    ASSERT_EQ(box.Runs().size(), 2u) << "neighbours of one format merge";
    EXPECT_EQ(box.Runs()[0].Format.FontName, "Arial");
    EXPECT_TRUE(box.Runs()[0].Format.Bold);
    EXPECT_EQ(box.Runs()[0].Format.ForeColor, vbBlue);
    EXPECT_EQ(box.Runs()[1].Text, "CBC 3/1/2026\r\nFBS 3/2/2026\r\n");

    box.SetSelStart(14);
    box.SetSelLength(3);
    EXPECT_EQ(box.SelText(), "CBC");
    box.SetSelBold(true);
    EXPECT_TRUE(box.SelBold());
    EXPECT_EQ(box.Runs().size(), 3u);
    box.SetSelText("ESR");
    EXPECT_EQ(box.Text(), "Laboratory :\r\nESR 3/1/2026\r\nFBS 3/2/2026\r\n");
    EXPECT_TRUE(box.Runs()[1].Format.Bold) << "replacing a selection keeps its format";
    EXPECT_EQ(box.SelStart(), 17);

    box.SetText("");
    EXPECT_TRUE(box.Runs().empty());
    EXPECT_EQ(app.log.size(), 5u) << "every change of the text raises Change";
}

TEST_F(SummaryTest, TheProgressBarKeepsItsValueWithinItsRange) {
    ProgressBar& bar = form.ProgressBarMeter;
    bar.SetValue(40);
    bar.SetMax(25);
    EXPECT_EQ(bar.Value(), 25);
    EXPECT_EQ(VbErrorOf([&] { bar.SetValue(26); }), 380);
    EXPECT_EQ(VbErrorOf([&] { bar.SetMin(25); }), 380) << "the minimum stays below the maximum";
    EXPECT_EQ(VbErrorOf([&] { bar.SetMax(-1); }), 380);
    bar.SetMin(10);
    EXPECT_EQ(bar.Value(), 25);
}

TEST_F(SummaryTest, StatusBarPanelsCountFromOne) {
    StatusBar& bar = form.StbEr;
    for (int i = 0; i < 8; ++i)
        bar.AddPanel();
    bar.Panels(2).SetText("RN");
    bar.Panels(7).SetToolTipText("Tuesday, March 03, 2026");
    bar.Panels(8).SetStyle(sbrTime);
    EXPECT_EQ(bar.Panels(2).Text(), "RN");
    EXPECT_EQ(bar.Panels(8).Style(), sbrTime);
    EXPECT_EQ(VbErrorOf([&] { bar.Panels(0); }), 35600);
    EXPECT_EQ(VbErrorOf([&] { bar.Panels(9); }), 35600);
}

TEST_F(SummaryTest, TheReportViewerHoldsAnyReportObjectAndViewsOnlyWithOne) {
    struct Report {
        std::string Path;
    };
    ReportViewer& viewer = form.crViewer;
    EXPECT_EQ(VbErrorOf([&] { viewer.ViewReport(); }), 5);
    viewer.SetReportSource(std::make_shared<Report>(Report{"Reports\\CMSlip.rpt"}));
    viewer.SetDisplayGroupTree(false);
    viewer.Zoom(1);
    viewer.ViewReport();
    EXPECT_EQ(viewer.ReportSource<Report>()->Path, "Reports\\CMSlip.rpt");
    EXPECT_EQ(viewer.ReportSource<int>(), nullptr);
    EXPECT_EQ(viewer.ViewCount(), 1);
    form.Unload();
    EXPECT_FALSE(viewer.HasReportSource());
    EXPECT_TRUE(viewer.DisplayGroupTree());
}
