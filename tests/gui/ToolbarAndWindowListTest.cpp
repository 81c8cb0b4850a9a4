#include "GuiTestWindows.h"
#include "platform/forms/Toolbar.h"

#include <QMainWindow>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

// A main window with a bar of a plain and a drop-down button, and a window menu listing its open child windows.
class mdiBar : public forms::Form {
public:
    explicit mdiBar(GuiApp& app) : Form(app.Forms) {
        Toolbar1.ButtonClick = [&app](forms::ToolbarButton& Button) {
            app.log.push_back("Toolbar1_ButtonClick " + Button.Key());
        };
        Toolbar1.ButtonMenuClick = [&app](forms::ButtonMenu& ButtonMenu) {
            app.log.push_back("Toolbar1_ButtonMenuClick " + ButtonMenu.Key());
        };
    }
    forms::Toolbar Toolbar1{*this, "Toolbar1"};
    forms::Menu mnuWindow{*this, "mnuWindow"};
    forms::Menu mnuTile{mnuWindow, "mnuTile"};

private:
    void Design() override {
        SetCaption("Tessun Nurse");
        SetMDIContainer(true);
        SetInnerSize(9000, 6000);
        Toolbar1.AddButton("Open", "Patient List").SetToolTipText("Patient List");
        forms::ToolbarButton& reports = Toolbar1.AddButton("Report", "View Reports", forms::tbrDropdown);
        reports.SetToolTipText("Reports");
        reports.AddButtonMenu("Audit", "Audit Report");
        reports.AddButtonMenu("Census", "Census Report");
        mnuWindow.SetCaption("&Window");
        mnuWindow.SetWindowList(true);
        mnuTile.SetCaption("&Tile");
    }
};

QToolBar* BarOf(GuiApp& app, mdiBar& main) { return qobject_cast<QToolBar*>(app.WidgetOf(main.Toolbar1)); }

QToolButton* ButtonOf(QToolBar& bar, const QString& text) {
    for (QToolButton* button : bar.findChildren<QToolButton*>())
        if (button->text() == text)
            return button;
    return nullptr;
}

TEST(ToolbarView, ButtonsShowTheirCaptionsAndTipsAndRaiseTheirClicksByKey) {
    GuiApp app;
    auto& main = app.Forms.Get<mdiBar>();
    main.Show();
    QToolBar* bar = BarOf(app, main);
    ASSERT_NE(bar, nullptr);
    QToolButton* list = ButtonOf(*bar, "Patient List");
    QToolButton* reports = ButtonOf(*bar, "View Reports");
    ASSERT_NE(list, nullptr);
    ASSERT_NE(reports, nullptr);
    EXPECT_EQ(reports->toolTip(), "Reports");
    EXPECT_EQ(list->menu(), nullptr);
    ASSERT_NE(reports->menu(), nullptr);
    ASSERT_EQ(reports->menu()->actions().size(), 2);
    EXPECT_EQ(reports->menu()->actions()[1]->text(), "Census Report");

    list->click();
    reports->click();
    reports->menu()->actions()[1]->trigger();
    EXPECT_EQ(app.log, (std::vector<std::string>{"Toolbar1_ButtonClick Open", "Toolbar1_ButtonClick Report",
                                                 "Toolbar1_ButtonMenuClick Census"}));

    // A button disabled from code refuses the mouse.
    main.Toolbar1.Buttons("Open").SetEnabled(false);
    list = ButtonOf(*bar, "Patient List");
    ASSERT_NE(list, nullptr);
    EXPECT_FALSE(list->isEnabled());
}

TEST(ToolbarView, TheBarStandsAboveTheChildWindowsArea) {
    GuiApp app;
    auto& main = app.Forms.Get<mdiBar>();
    main.Show();
    QToolBar* bar = BarOf(app, main);
    ASSERT_NE(bar, nullptr);
    auto* frame = qobject_cast<QMainWindow*>(app.WindowOf(main));
    ASSERT_NE(frame, nullptr);
    auto* area = frame->findChild<QMdiArea*>();
    ASSERT_NE(area, nullptr);
    EXPECT_LE(bar->mapTo(frame, QPoint(0, bar->height())).y(), area->mapTo(frame, QPoint(0, 0)).y());
    EXPECT_TRUE(bar->isVisible());
}

TEST(WindowListView, TheMenuListsTheOpenChildWindowsBelowItsItemsAndBringsTheChosenOneForward) {
    GuiApp app;
    auto& main = app.Forms.Get<mdiBar>();
    main.Show();
    auto& notes = app.Forms.Get<frmChild>();
    notes.Show();
    main.Show();
    auto* frame = qobject_cast<QMainWindow*>(app.WindowOf(main));
    ASSERT_NE(frame, nullptr);
    QMenu* menu = frame->menuBar()->actions().front()->menu();
    ASSERT_NE(menu, nullptr);
    emit menu->aboutToShow();
    QStringList texts;
    for (QAction* action : menu->actions())
        texts << (action->isSeparator() ? "-" : action->text());
    EXPECT_EQ(texts, (QStringList{"&Tile", "-", "&1 Notes"}));

    app.Forms.SetActiveForm(main);
    menu->actions().back()->trigger();
    EXPECT_EQ(app.Forms.ActiveForm(), &notes);

    notes.Unload();
    emit menu->aboutToShow();
    EXPECT_EQ(menu->actions().size(), 1) << "a closed window leaves the list";
}

} // namespace
