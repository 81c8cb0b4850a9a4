#include "GuiTestWindows.h"

#include "gui/Conversions.h"
#include <QCheckBox>
#include <QClipboard>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <algorithm>

namespace {

class InputTest : public testing::Test {
protected:
    void SetUp() override {
        form.Show();
        QApplication::processEvents();
    }
    QLineEdit* Edit(const forms::TextBox& box) { return qobject_cast<QLineEdit*>(app.WidgetOf(box)); }
    bool Logged(const std::string& entry) const {
        return std::find(app.log.begin(), app.log.end(), entry) != app.log.end();
    }

    GuiApp app;
    dlgPatientName& form = app.Forms.Get<dlgPatientName>();
};

TEST_F(InputTest, ADisabledButtonLooksDisabledWhateverItsColour) {
    auto* button = qobject_cast<QPushButton*>(app.WidgetOf(form.cmdOK));
    ASSERT_NE(button, nullptr);
    form.cmdOK.SetForeColor(0xFF0000);
    form.cmdOK.SetEnabled(false);
    QApplication::processEvents();
    const QPalette& palette = button->palette();
    EXPECT_EQ(palette.color(QPalette::Active, QPalette::ButtonText), QColor(0, 0, 0xFF));
    EXPECT_EQ(palette.color(QPalette::Disabled, QPalette::ButtonText),
              QApplication::palette().color(QPalette::Disabled, QPalette::ButtonText));
}

TEST_F(InputTest, TypedKeysGoThroughKeyPressAndChange) {
    QTest::keyClicks(Edit(form.txtName), "ab");
    EXPECT_EQ(form.txtName.Text(), "AB");
    EXPECT_EQ(Edit(form.txtName)->text(), "AB");
    EXPECT_TRUE(Logged("txtName_KeyPress 97"));
    EXPECT_TRUE(Logged("txtName_Change AB"));
}

TEST_F(InputTest, DroppedKeyNeverShows) {
    QTest::keyClicks(Edit(form.txtName), "o'b");
    EXPECT_EQ(form.txtName.Text(), "OB");
    EXPECT_EQ(Edit(form.txtName)->text(), "OB");
}

TEST_F(InputTest, EditingKeysWorkThroughTheModel) {
    QTest::keyClicks(Edit(form.txtWard), "4 west");
    QTest::keyClick(Edit(form.txtWard), Qt::Key_Backspace);
    QTest::keyClick(Edit(form.txtWard), Qt::Key_Home);
    QTest::keyClick(Edit(form.txtWard), Qt::Key_Delete);
    EXPECT_EQ(form.txtWard.Text(), " wes");
    EXPECT_EQ(Edit(form.txtWard)->text(), " wes");
    EXPECT_EQ(Edit(form.txtWard)->cursorPosition(), 0);
}

TEST_F(InputTest, TextNoKeyTypesArrivesAsUtf8) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Eacute, Qt::NoModifier, QString::fromUtf8("\xC3\xA9"));
    QApplication::sendEvent(Edit(form.txtWard), &press);
    EXPECT_EQ(form.txtWard.Text(), "\xC3\xA9");
    EXPECT_EQ(Edit(form.txtWard)->text(), QString::fromUtf8("\xC3\xA9"));
}

TEST_F(InputTest, PasteGoesThroughTheModelWithinMaxLength) {
    form.txtWard.SetMaxLength(4);
    QApplication::clipboard()->setText("West wing\nbed 4");
    QTest::keyClick(Edit(form.txtWard), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(form.txtWard.Text(), "West");
    EXPECT_EQ(Edit(form.txtWard)->text(), "West");
}

TEST_F(InputTest, WhatCodeSetsShowsAtOnce) {
    form.txtName.SetText("SMITH");
    form.lblName.SetCaption("&Patient && Family");
    form.chkUrgent.SetValue(forms::vbChecked);
    form.SetCaption("Patient Name - Bed 4");
    form.cmdOK.SetEnabled(false);
    form.txtWard.SetVisible(false);
    form.txtName.SetSelStart(1);
    form.txtName.SetSelLength(3);

    EXPECT_EQ(Edit(form.txtName)->text(), "SMITH");
    EXPECT_EQ(Edit(form.txtName)->selectedText(), "MIT");
    EXPECT_EQ(qobject_cast<QLabel*>(app.WidgetOf(form.lblName))->text(), "Patient & Family");
    EXPECT_EQ(qobject_cast<QCheckBox*>(app.WidgetOf(form.chkUrgent))->checkState(), Qt::Checked);
    EXPECT_EQ(app.WindowOf(form)->windowTitle(), "Patient Name - Bed 4");
    EXPECT_FALSE(app.WidgetOf(form.cmdOK)->isEnabled());
    EXPECT_FALSE(app.WidgetOf(form.txtWard)->isVisible());
}

TEST_F(InputTest, GeometryIsTwipsAtFifteenAPixel) {
    form.txtName.Move(1500, 300, 3000, 315);
    EXPECT_EQ(app.WidgetOf(form.txtName)->geometry(), QRect(100, 20, 200, 21));
}

TEST_F(InputTest, ResizingByTheUserReachesTheModel) {
    int before = form.ScaleWidth();
    app.host.WindowOf(form)->ClientArea()->window()->resize(gui::TwipsToPixels(before) + 40, 200);
    EXPECT_EQ(form.ScaleWidth(), before + 40 * forms::TwipsPerPixel);
}

TEST_F(InputTest, LabelClickIsTheLabelsClick) {
    QTest::mouseClick(app.WidgetOf(form.lblWard), Qt::LeftButton);
    EXPECT_TRUE(Logged("lblWard_Click"));
}

TEST_F(InputTest, HideAndShowAgain) {
    form.Hide();
    EXPECT_FALSE(app.WindowOf(form)->isVisible());
    form.Show();
    EXPECT_TRUE(app.WindowOf(form)->isVisible());
}

TEST_F(InputTest, MouseSelectionReachesSelStartAndSelLength) {
    form.txtName.SetText("JONES");
    Edit(form.txtName)->setSelection(1, 2);
    EXPECT_EQ(form.txtName.SelStart(), 1);
    EXPECT_EQ(form.txtName.SelLength(), 2);
}

// Enter and Escape belong to the model: they press only the Default and Cancel buttons it has.
struct EnterEscapeCase {
    const char* name;
    Qt::Key key;
    bool makeDefault;
    bool makeCancel;
    bool expectOK;
    bool expectClosed;
};

void PrintTo(const EnterEscapeCase& row, std::ostream* out) { *out << row.name; }

class EnterEscapeTest : public InputTest, public testing::WithParamInterface<EnterEscapeCase> {};

TEST_P(EnterEscapeTest, OnlyWhatTheModelSays) {
    const EnterEscapeCase& row = GetParam();
    form.cmdOK.SetDefault(row.makeDefault);
    form.cmdClose.SetCancel(row.makeCancel);
    QTest::keyClick(Edit(form.txtName), row.key);
    EXPECT_EQ(Logged("cmdOK_Click"), row.expectOK);
    EXPECT_EQ(!form.IsLoaded(), row.expectClosed);
    EXPECT_EQ(form.Visible(), !row.expectClosed);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, EnterEscapeTest,
    testing::Values(EnterEscapeCase{"EnterWithoutDefault", Qt::Key_Return, false, false, false, false},
                    EnterEscapeCase{"EnterWithDefault", Qt::Key_Return, true, false, true, false},
                    EnterEscapeCase{"EscapeWithoutCancel", Qt::Key_Escape, false, false, false, false},
                    EnterEscapeCase{"EscapeWithCancel", Qt::Key_Escape, false, true, false, true}),
    [](const testing::TestParamInfo<EnterEscapeCase>& info) { return info.param.name; });

TEST_F(InputTest, EscapeOnTheWindowItselfClosesNothing) {
    QTest::keyClick(app.WindowOf(form), Qt::Key_Escape);
    EXPECT_TRUE(form.IsLoaded());
    EXPECT_TRUE(app.WindowOf(form)->isVisible());
}

TEST_F(InputTest, TabFollowsTabIndexAndMovesTheWidgetFocus) {
    form.txtWard.SetTabIndex(0);
    form.txtName.SetTabIndex(1);
    form.txtName.SetFocus();
    QTest::keyClick(Edit(form.txtName), Qt::Key_Tab);
    EXPECT_EQ(form.ActiveControl(), &form.chkUrgent);
    EXPECT_TRUE(app.WidgetOf(form.chkUrgent)->hasFocus());
    QTest::keyClick(app.WidgetOf(form.chkUrgent), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(form.ActiveControl(), &form.txtName);
}

TEST_F(InputTest, CancelledValidateKeepsTheFocusAndDropsTheClick) {
    form.RefuseEmptyName = true;
    form.txtName.SetFocus();
    QTest::mouseClick(app.WidgetOf(form.cmdOK), Qt::LeftButton);
    EXPECT_EQ(form.ActiveControl(), &form.txtName);
    EXPECT_TRUE(Edit(form.txtName)->hasFocus());
    EXPECT_FALSE(Logged("cmdOK_Click"));

    form.txtName.SetText("LEE");
    QTest::mouseClick(app.WidgetOf(form.cmdOK), Qt::LeftButton);
    EXPECT_TRUE(Logged("cmdOK_Click"));
    EXPECT_EQ(form.ActiveControl(), &form.cmdOK);
}

TEST_F(InputTest, AltWithAnAccessKeyGoesToTheModel) {
    QTest::keyClick(Edit(form.txtName), Qt::Key_U, Qt::AltModifier);
    EXPECT_EQ(form.chkUrgent.Value(), forms::vbChecked);
    QTest::keyClick(Edit(form.txtName), Qt::Key_O, Qt::AltModifier);
    EXPECT_TRUE(Logged("cmdOK_Click"));
}

TEST_F(InputTest, FixedBorderKeepsTheSizeCodeGives) {
    form.SetBorderStyle(3);
    QWidget* window = app.WindowOf(form);
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    form.SetWidth(form.Width() + 600);
    EXPECT_EQ(window->maximumSize().width(), window->width());
    EXPECT_EQ(app.host.WindowOf(form)->ClientArea()->width(), gui::TwipsToPixels(form.ScaleWidth()));
}

TEST_F(InputTest, CheckBoxClickTogglesThroughTheModel) {
    QTest::mouseClick(app.WidgetOf(form.chkUrgent), Qt::LeftButton);
    EXPECT_EQ(form.chkUrgent.Value(), forms::vbChecked);
    EXPECT_TRUE(Logged("chkUrgent_Click 1"));
    EXPECT_EQ(qobject_cast<QCheckBox*>(app.WidgetOf(form.chkUrgent))->checkState(), Qt::Checked);
    QTest::keyClick(app.WidgetOf(form.chkUrgent), Qt::Key_Space);
    EXPECT_EQ(form.chkUrgent.Value(), forms::vbUnchecked);
    EXPECT_EQ(qobject_cast<QCheckBox*>(app.WidgetOf(form.chkUrgent))->checkState(), Qt::Unchecked);
}

TEST_F(InputTest, AnErrorInAHandlerIsReportedAndTheWindowGoesOn) {
    QTest::mouseClick(app.WidgetOf(form.cmdFail), Qt::LeftButton);
    EXPECT_TRUE(Logged("error: Disk full"));
    QTest::keyClicks(Edit(form.txtName), "a");
    EXPECT_EQ(form.txtName.Text(), "A");
}

// The close box asks QueryUnload with the control-menu mode; a refusal keeps the window.
TEST_F(InputTest, CloseBoxGoesThroughQueryUnload) {
    form.RefuseClose = true;
    EXPECT_FALSE(app.WindowOf(form)->close());
    EXPECT_EQ(form.QueryUnloadMode, forms::vbFormControlMenu);
    EXPECT_TRUE(form.IsLoaded());

    form.RefuseClose = false;
    app.WindowOf(form)->close();
    EXPECT_FALSE(form.IsLoaded());
    EXPECT_EQ(app.host.WindowOf(form), nullptr);
}

TEST_F(InputTest, NoControlBoxNoCloseButtonAndNoClosing) {
    form.SetControlBox(false);
    EXPECT_FALSE(app.WindowOf(form)->windowFlags().testFlag(Qt::WindowCloseButtonHint));
    app.WindowOf(form)->close();
    EXPECT_TRUE(form.IsLoaded());
    EXPECT_EQ(form.QueryUnloadMode, -1);
}

TEST_F(InputTest, UnloadingTearsTheWidgetsDownAndAShowBuildsThemAgain) {
    form.txtName.SetText("X");
    form.Unload();
    EXPECT_EQ(app.host.WindowOf(form), nullptr);
    form.Show();
    EXPECT_EQ(Edit(form.txtName)->text(), "");
    EXPECT_TRUE(app.WindowOf(form)->isVisible());
}

} // namespace
