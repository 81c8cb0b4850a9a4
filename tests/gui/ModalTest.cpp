#include "GuiTestWindows.h"

#include <QMainWindow>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

namespace {

// Runs action on the message box once it is open; poll must outlive the box.
void WhenMessageBoxOpens(QTimer& poll, std::function<void(QMessageBox&)> action) {
    poll.setInterval(5);
    QObject::connect(&poll, &QTimer::timeout, &poll, [&poll, action] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || !box->isVisible())
            return;
        poll.stop();
        action(*box);
    });
    poll.start();
}

QAbstractButton* ButtonNamed(QMessageBox& box, const QString& text) {
    for (QAbstractButton* button : box.buttons())
        if (button->text() == text)
            return button;
    return nullptr;
}

TEST(ModalTest, ShowModalReturnsAfterTheDialogUnloadsItself) {
    GuiApp app;
    auto& form = app.Forms.Instance<dlgPatientName>();
    QTimer::singleShot(0, [&] {
        app.log.push_back("dialog open");
        QTest::mouseClick(app.WidgetOf(form.cmdClose), Qt::LeftButton);
    });
    form.ShowModal();
    app.log.push_back("ShowModal returned");
    EXPECT_EQ(app.log, (std::vector<std::string>{"dialog open", "cmdClose_Click", "ShowModal returned"}));
    EXPECT_FALSE(form.IsLoaded());
}

TEST(ModalTest, ShowModalReturnsWhenTheDialogIsHidden) {
    GuiApp app;
    auto& form = app.Forms.Get<dlgPatientName>();
    form.cmdOK.Click = [&form] { form.Hide(); };
    QTimer::singleShot(0, [&] { QTest::mouseClick(app.WidgetOf(form.cmdOK), Qt::LeftButton); });
    form.ShowModal();
    EXPECT_TRUE(form.IsLoaded());
    EXPECT_FALSE(app.WindowOf(form)->isVisible());
}

TEST(ModalTest, AWindowShownModallyThenModelessIsNoLongerModal) {
    GuiApp app;
    auto& form = app.Forms.Get<dlgPatientName>();
    QTimer::singleShot(0, [&form] { form.Hide(); });
    form.ShowModal();
    form.Show();
    EXPECT_EQ(app.WindowOf(form)->windowModality(), Qt::NonModal);
    EXPECT_TRUE(app.WindowOf(form)->isVisible());
}

TEST(ModalTest, DialogIsApplicationModal) {
    GuiApp app;
    auto& form = app.Forms.Instance<dlgPatientName>();
    Qt::WindowModality modality = Qt::NonModal;
    QTimer::singleShot(0, [&] {
        modality = app.WindowOf(form)->windowModality();
        form.Unload();
    });
    form.ShowModal();
    EXPECT_EQ(modality, Qt::ApplicationModal);
}

TEST(ModalTest, TimerTicksWhileAMessageBoxIsOpen) {
    GuiApp app;
    auto& form = app.Forms.Get<dlgPatientName>();
    int ticks = 0;
    form.tmrClock.TimerEvent = [&ticks] { ++ticks; };
    form.tmrClock.SetInterval(5);
    QTimer poll;
    WhenMessageBoxOpens(poll, [&ticks](QMessageBox& box) {
        // Close the box only once the timer has ticked behind it.
        EXPECT_TRUE(QTest::qWaitFor([&ticks] { return ticks >= 3; }, 5000));
        box.defaultButton()->click();
    });
    int answer = form.MsgBox("Waiting for the server", forms::vbOKOnly);
    EXPECT_EQ(answer, forms::vbOK);
    EXPECT_GE(ticks, 3);
}

TEST(ModalTest, TimerIntervalChangeTakesEffect) {
    GuiApp app;
    auto& form = app.Forms.Get<dlgPatientName>();
    int ticks = 0;
    form.tmrClock.TimerEvent = [&] {
        ++ticks;
        form.tmrClock.SetEnabled(false);
    };
    form.tmrClock.SetInterval(60000);
    form.tmrClock.SetInterval(1);
    EXPECT_TRUE(QTest::qWaitFor([&] { return ticks > 0; }, 2000));
    EXPECT_EQ(ticks, 1);
    EXPECT_FALSE(form.tmrClock.IsRunning());
}

// The window a message box is shown over can be unloaded while the box is open (a timer's tick, say): the box goes
// with it and the question answers its default.
TEST(ModalTest, AMessageBoxOutlivesTheWindowItWasShownOver) {
    GuiApp app;
    auto& form = app.Forms.Get<dlgPatientName>();
    form.Show();
    app.WindowOf(form)->activateWindow();
    QApplication::processEvents();
    QTimer poll;
    WhenMessageBoxOpens(poll, [&](QMessageBox& box) {
        QPointer<QMessageBox> open = &box;
        form.Unload();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (open)
            open->defaultButton()->click();
    });
    EXPECT_EQ(app.Forms.MsgBox("Discard the changes?", forms::vbYesNo | forms::vbDefaultButton2, ""), forms::vbNo);
}

// Message boxes: the platform's buttons in its order, its default button, and Escape only where it answers.
struct MessageBoxCase {
    const char* name;
    int buttons;
    QStringList shown;
    QString defaultButton;
    std::function<void(QMessageBox&)> user;
    int answer;
};

void PrintTo(const MessageBoxCase& row, std::ostream* out) { *out << row.name; }

class MessageBoxTest : public testing::TestWithParam<MessageBoxCase> {};

TEST_P(MessageBoxTest, ButtonsDefaultAndAnswer) {
    const MessageBoxCase& row = GetParam();
    GuiApp app;
    QStringList shown;
    QString defaultButton;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString title;
    QTimer poll;
    WhenMessageBoxOpens(poll, [&](QMessageBox& box) {
        for (QAbstractButton* button : box.buttons())
            shown << button->text();
        defaultButton = box.defaultButton() != nullptr ? box.defaultButton()->text() : QString();
        icon = box.icon();
        title = box.windowTitle();
        row.user(box);
    });
    int answer = app.Forms.MsgBox("Discard the changes?", row.buttons, "");
    EXPECT_EQ(shown, row.shown);
    EXPECT_EQ(defaultButton, row.defaultButton);
    EXPECT_EQ(answer, row.answer);
    EXPECT_EQ(title, "Tessun Nurse");
    if ((row.buttons & 0x70) == forms::vbQuestion) {
        EXPECT_EQ(icon, QMessageBox::Question);
    }
}

void PressReturn(QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Return); }
void PressEscape(QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Escape); }
// Escape on a question without Cancel does nothing; the user then answers No.
void EscapeThenNo(QMessageBox& box) {
    QTest::keyClick(&box, Qt::Key_Escape);
    if (box.isVisible())
        ButtonNamed(box, "&No")->click();
}

INSTANTIATE_TEST_SUITE_P(
    Sets, MessageBoxTest,
    testing::Values(
        MessageBoxCase{"OkOnlyEscape", forms::vbOKOnly, {"OK"}, "OK", PressEscape, forms::vbOK},
        MessageBoxCase{"OkCancelEscape", forms::vbOKCancel, {"OK", "Cancel"}, "OK", PressEscape, forms::vbCancel},
        MessageBoxCase{"YesNoSecondDefault",
                       forms::vbYesNo | forms::vbQuestion | forms::vbDefaultButton2,
                       {"&Yes", "&No"},
                       "&No",
                       PressReturn,
                       forms::vbNo},
        MessageBoxCase{"YesNoEscapeIgnored", forms::vbYesNo, {"&Yes", "&No"}, "&Yes", EscapeThenNo, forms::vbNo},
        MessageBoxCase{
            "YesNoCancelEscape", forms::vbYesNoCancel, {"&Yes", "&No", "Cancel"}, "&Yes", PressEscape, forms::vbCancel},
        MessageBoxCase{"AbortRetryIgnoreThird",
                       forms::vbAbortRetryIgnore | forms::vbDefaultButton3,
                       {"&Abort", "&Retry", "&Ignore"},
                       "&Ignore",
                       PressReturn,
                       forms::vbIgnore},
        MessageBoxCase{
            "RetryCancel", forms::vbRetryCancel, {"&Retry", "Cancel"}, "&Retry", PressReturn, forms::vbRetry}),
    [](const testing::TestParamInfo<MessageBoxCase>& info) { return info.param.name; });

TEST(MainWindowTest, MdiChildOpensInsideTheMainWindow) {
    GuiApp app;
    auto& main = OpenMainWindow(app);
    auto& child = app.Forms.Get<frmChild>();
    child.Show();
    gui::FormWindow* mainWindow = app.host.WindowOf(main);
    ASSERT_NE(mainWindow->MdiArea(), nullptr);
    EXPECT_EQ(mainWindow->MdiArea()->subWindowList().size(), 1);
    EXPECT_EQ(app.host.WindowOf(child)->Kind(), gui::WindowKind::MdiChild);
    child.Unload();
    QApplication::processEvents();
    EXPECT_EQ(mainWindow->MdiArea()->subWindowList().size(), 0);
}

TEST(MainWindowTest, MultiLineTextTakesEnterAsALineBreak) {
    GuiApp app;
    auto& child = app.Forms.Get<frmChild>();
    child.Show();
    auto* edit = qobject_cast<QPlainTextEdit*>(app.WidgetOf(child.txtNote));
    ASSERT_NE(edit, nullptr);
    QTest::keyClicks(edit, "bp");
    QTest::keyClick(edit, Qt::Key_Return);
    QTest::keyClicks(edit, "ok");
    EXPECT_EQ(child.txtNote.Text(), "bp\r\nok");
    EXPECT_EQ(edit->toPlainText(), "bp\nok");
    EXPECT_EQ(edit->textCursor().position(), 5);
    EXPECT_EQ(child.txtNote.SelStart(), 6);
}

TEST(MainWindowTest, PopupMenuReturnsAfterTheChosenItemsClick) {
    GuiApp app;
    auto& main = OpenMainWindow(app);
    QTimer poll;
    poll.setInterval(5);
    QObject::connect(&poll, &QTimer::timeout, [&poll] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (menu == nullptr)
            return;
        poll.stop();
        QTest::keyClick(menu, Qt::Key_Down);
        QTest::keyClick(menu, Qt::Key_Return);
    });
    poll.start();
    main.PopupMenu(main.mnuContext);
    app.log.push_back("PopupMenu returned");
    EXPECT_EQ(app.log, (std::vector<std::string>{"mnuContextCopy_Click", "PopupMenu returned"}));
}

namespace {

// A window whose pop-up menu lists recent patients as a control array, and whose refresh timer may close it.
class frmRecent : public forms::Form {
public:
    explicit frmRecent(GuiApp& app) : Form(app.Forms) {
        tmrRefresh.TimerEvent = [this] { Unload(); };
        mnuRecent.On(&forms::Control::Click,
                     [&app](int Index) { app.log.push_back("mnuRecent_Click " + std::to_string(Index)); });
    }
    forms::Timer tmrRefresh{*this, "tmrRefresh"};
    forms::Menu mnuPopup{*this, "mnuPopup"};
    forms::ControlArray<forms::Menu> mnuRecent{*this, "mnuRecent"};

private:
    void Design() override {
        SetCaption("Recent Patients");
        mnuPopup.SetCaption("Patients");
        mnuPopup.SetVisible(false);
        for (int index = 0; index < 2; ++index) {
            forms::Menu& item = mnuRecent.Load(index);
            item.SetContainer(&mnuPopup);
            item.SetCaption("Patient " + std::to_string(index));
        }
    }
};

} // namespace

// The item chosen belonged to the window before its timer unloaded it: no Click is raised, on it or on the item that
// replaced it.
TEST(MainWindowTest, AnItemChosenAfterThePopupsWindowUnloadedIsNotClicked) {
    GuiApp app;
    auto& form = app.Forms.Get<frmRecent>();
    form.Show();
    form.tmrRefresh.SetInterval(1);
    QTimer poll;
    poll.setInterval(5);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (menu == nullptr || form.IsLoaded())
            return;
        poll.stop();
        QTest::keyClick(menu, Qt::Key_Down);
        QTest::keyClick(menu, Qt::Key_Return);
    });
    poll.start();
    form.PopupMenu(form.mnuPopup);
    EXPECT_FALSE(poll.isActive()) << "the pop-up menu closed before an item was chosen";
    EXPECT_EQ(app.log, std::vector<std::string>{});
    EXPECT_EQ(form.mnuRecent.Count(), 2);
}

TEST(MainWindowTest, MenuItemsRaiseClickAndFollowTheModel) {
    GuiApp app;
    auto& main = OpenMainWindow(app);
    int exits = 0;
    main.mnuFileExit.Click = [&exits] { ++exits; };
    auto* bar = qobject_cast<QMainWindow*>(app.WindowOf(main))->menuBar();
    ASSERT_EQ(bar->actions().size(), 2);
    EXPECT_FALSE(bar->actions().back()->isVisible());
    QAction* exit = bar->actions().front()->menu()->actions().front();
    EXPECT_EQ(exit->text(), "E&xit");
    exit->trigger();
    EXPECT_EQ(exits, 1);
    main.mnuFileExit.SetEnabled(false);
    main.mnuFileExit.SetCaption("&Quit");
    EXPECT_FALSE(exit->isEnabled());
    EXPECT_EQ(exit->text(), "&Quit");
}

} // namespace
