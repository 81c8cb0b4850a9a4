#include "GuiTestWindows.h"

#include <QGroupBox>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class ContainerTest : public testing::Test {
protected:
    void SetUp() override { form.Show(); }
    QRadioButton* Option(int index) { return qobject_cast<QRadioButton*>(app.WidgetOf(form.optShift(index))); }

    GuiApp app;
    frmShift& form = app.Forms.Get<frmShift>();
};

TEST_F(ContainerTest, ControlsSitInTheirFrame) {
    EXPECT_EQ(Option(0)->parentWidget(), app.WidgetOf(form.fraShift));
    form.fraShift.SetVisible(false);
    EXPECT_FALSE(Option(0)->isVisible());
    EXPECT_TRUE(form.optShift(0).Visible());
}

TEST_F(ContainerTest, OptionClickTurnsTheOthersOffAndOnlyTheOptionHearsIt) {
    QTest::mouseClick(Option(0), Qt::LeftButton);
    QTest::mouseClick(Option(1), Qt::LeftButton);
    EXPECT_FALSE(Option(0)->isChecked());
    EXPECT_TRUE(Option(1)->isChecked());
    EXPECT_EQ(app.log, (std::vector<std::string>{"optShift_Click 0", "optShift_Click 1"}));
}

TEST_F(ContainerTest, ElementsLoadedAndUnloadedWhileOpen) {
    form.AddShift(2, "&Night");
    ASSERT_NE(Option(2), nullptr);
    EXPECT_EQ(Option(2)->parentWidget(), app.WidgetOf(form.fraShift));
    EXPECT_EQ(Option(2)->text(), "&Night");
    form.optShift.Unload(2);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(app.WidgetOf(*form.optShift.Elements().back()), Option(1));
    EXPECT_EQ(app.WidgetOf(form.fraShift)->findChildren<QRadioButton*>().size(), 2);
}

} // namespace
