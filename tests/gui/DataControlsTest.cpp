#include "WardTestWindow.h"
#include "gui/Conversions.h"

#include <QComboBox>
#include <QDateTimeEdit>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QTabBar>
#include <QTableView>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

class DataControlsTest : public testing::Test {
protected:
    void SetUp() override {
        form.Show();
        QApplication::processEvents();
        app.log.clear();
    }
    template <class W> W* Shown(const forms::Control& control) { return qobject_cast<W*>(app.WidgetOf(control)); }
    QTableView* Grid() { return Shown<QTableView>(form.grdPatients); }
    // The display's cell of a model's cell (the fixed row and column are the headers).
    QModelIndex CellOf(int row, int col) { return Grid()->model()->index(row - 1, col - 1); }
    void ClickCell(int row, int col) {
        QTest::mouseClick(Grid()->viewport(), Qt::LeftButton, {}, Grid()->visualRect(CellOf(row, col)).center());
    }

    GuiApp app;
    frmWard& form = app.Forms.Get<frmWard>();
};

TEST_F(DataControlsTest, ClickOnAGridCellMovesTheCurrentCellThroughTheModel) {
    ClickCell(3, 2);
    EXPECT_EQ(form.grdPatients.Row(), 3);
    EXPECT_EQ(form.grdPatients.Col(), 2);
    EXPECT_EQ(app.log, (std::vector<std::string>{"grdPatients_LeaveCell 1,1", "grdPatients_EnterCell 3,2",
                                                 "grdPatients_Click 3,2"}));
    EXPECT_EQ(Grid()->currentIndex(), CellOf(3, 2));
    EXPECT_TRUE(form.grdPatients.HasFocus());
}

TEST_F(DataControlsTest, GridShowsWhatCodeSets) {
    QAbstractItemModel& cells = *Grid()->model();
    form.grdPatients.SetTextMatrix(2, 1, "BROWN, ANNE");
    EXPECT_EQ(cells.data(CellOf(2, 1)).toString(), "BROWN, ANNE");
    EXPECT_EQ(cells.headerData(0, Qt::Horizontal).toString(), "Patient");

    form.grdPatients.SetRow(2);
    form.grdPatients.SetCol(1);
    form.grdPatients.SetCellBackColor(forms::vbYellow);
    form.grdPatients.SetCellFontBold(true);
    EXPECT_EQ(cells.data(CellOf(2, 1), Qt::BackgroundRole).value<QBrush>().color(), QColor(Qt::yellow));
    EXPECT_TRUE(cells.data(CellOf(2, 1), Qt::FontRole).value<QFont>().bold());
    EXPECT_EQ(Grid()->currentIndex(), CellOf(2, 1));

    // The selection shows in the selection colours, the current cell in its own.
    form.grdPatients.SetRowSel(3);
    QColor selected = gui::ToQColor(forms::vbHighlight, QApplication::palette());
    EXPECT_EQ(cells.data(CellOf(3, 1), Qt::BackgroundRole).value<QBrush>().color(), selected);
    EXPECT_NE(cells.data(CellOf(2, 1), Qt::BackgroundRole).value<QBrush>().color(), selected);
    EXPECT_NE(cells.data(CellOf(4, 1), Qt::BackgroundRole).value<QBrush>().color(), selected);

    form.grdPatients.AddItem("5\tGREEN, TOM\tDR. LEE\t1005");
    EXPECT_EQ(cells.rowCount(), 5);
    EXPECT_EQ(cells.data(CellOf(5, 2)).toString(), "DR. LEE");
}

TEST_F(DataControlsTest, ZeroWidthColumnsAreHiddenAndWidthsFollowTheModel) {
    EXPECT_TRUE(Grid()->isColumnHidden(2));
    EXPECT_EQ(Grid()->columnWidth(0), gui::TwipsToPixels(form.grdPatients.ColWidth(1)));
    form.grdPatients.SetColWidth(3, 900);
    EXPECT_FALSE(Grid()->isColumnHidden(2));
    EXPECT_EQ(Grid()->columnWidth(2), 60);
    EXPECT_EQ(Grid()->verticalHeader()->width(), gui::TwipsToPixels(form.grdPatients.ColWidth(0)));
}

TEST_F(DataControlsTest, GridFilledWithRedrawOffShowsWhenRedrawComesBack) {
    form.grdPatients.SetRedraw(false);
    form.grdPatients.SetRows(200);
    form.grdPatients.SetTextMatrix(150, 1, "LATE");
    EXPECT_EQ(Grid()->model()->rowCount(), 4);
    form.grdPatients.SetRedraw(true);
    EXPECT_EQ(Grid()->model()->rowCount(), 199);
    EXPECT_EQ(Grid()->model()->data(CellOf(150, 1)).toString(), "LATE");
}

TEST_F(DataControlsTest, CheckInACheckBoxListReachesSelectedAndItemCheck) {
    form.tabWard.SetTab(0);
    auto* list = Shown<QListWidget>(form.lstTasks);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(1)).center());
    EXPECT_TRUE(form.lstTasks.Selected(1));
    EXPECT_EQ(list->item(1)->checkState(), Qt::Checked);
    EXPECT_EQ(list->item(0)->checkState(), Qt::Unchecked);
    EXPECT_EQ(app.log, (std::vector<std::string>{"lstTasks_ItemCheck 1", "lstTasks_Click"}));

    form.lstTasks.SetSelected(1, false);
    EXPECT_EQ(list->item(1)->checkState(), Qt::Unchecked);
    form.lstTasks.AddItem("Fluid balance");
    EXPECT_EQ(list->count(), 4);
}

TEST_F(DataControlsTest, ChoosingATabRaisesClickAndShowsItsPage) {
    auto* bar = app.WidgetOf(form.tabWard)->findChild<QTabBar*>();
    ASSERT_NE(bar, nullptr);
    EXPECT_TRUE(app.WidgetOf(form.lstTasks)->isVisible());
    EXPECT_FALSE(app.WidgetOf(form.lvwOrders)->isVisible());

    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());
    EXPECT_EQ(form.tabWard.Tab(), 1);
    EXPECT_EQ(app.log, (std::vector<std::string>{"tabWard_Click 0"}));
    EXPECT_EQ(bar->currentIndex(), 1);
    EXPECT_FALSE(app.WidgetOf(form.lstTasks)->isVisible());
    EXPECT_TRUE(app.WidgetOf(form.lvwOrders)->isVisible());

    // A disabled tab cannot be chosen; code still moves between pages.
    form.tabWard.SetTabEnabled(0, false);
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(0).center());
    EXPECT_EQ(form.tabWard.Tab(), 1);
    form.tabWard.SetTab(0);
    EXPECT_TRUE(app.WidgetOf(form.dtpVisit)->isVisible());
}

TEST_F(DataControlsTest, DatePickedReachesValueAndChange) {
    auto* picker = Shown<QDateTimeEdit>(form.dtpVisit);
    EXPECT_EQ(picker->text(), "12/10/2026");
    picker->setDate(QDate(2026, 12, 24));
    EXPECT_EQ(form.dtpVisit.Value(), vb::DateSerial(2026, 12, 24));
    EXPECT_EQ(app.log, (std::vector<std::string>{"dtpVisit_Change"}));
    EXPECT_EQ(picker->text(), "12/24/2026");

    // A day outside the range is not taken; the picker shows the model's value again.
    form.dtpVisit.SetMaxDate(vb::DateSerial(2026, 12, 31));
    picker->setMaximumDate(QDate(2027, 12, 31));
    picker->setDate(QDate(2027, 1, 5));
    EXPECT_EQ(form.dtpVisit.Value(), vb::DateSerial(2026, 12, 24));
    EXPECT_EQ(picker->date(), QDate(2026, 12, 24));
}

TEST_F(DataControlsTest, ListViewAndComboChoicesGoThroughTheModel) {
    form.tabWard.SetTab(1);
    auto* orders = Shown<QTreeWidget>(form.lvwOrders);
    EXPECT_EQ(orders->topLevelItem(1)->text(1), "Done");
    QTest::mouseClick(orders->viewport(), Qt::LeftButton, {}, orders->visualItemRect(orders->topLevelItem(1)).center());
    EXPECT_EQ(form.lvwOrders.SelectedItem(), &form.lvwOrders.ListItems(2));
    EXPECT_EQ(app.log.back(), "lvwOrders_ItemClick Full blood count");
    EXPECT_TRUE(orders->topLevelItem(1)->isSelected());

    form.tabWard.SetTab(0);
    app.log.clear();
    auto* shift = Shown<QComboBox>(form.cboShift);
    emit shift->activated(2);
    EXPECT_EQ(form.cboShift.ListIndex(), 2);
    form.cboShift.SetListIndex(0);
    EXPECT_EQ(shift->currentText(), "Day");
    EXPECT_EQ(app.log, (std::vector<std::string>{"cboShift_Click Night", "cboShift_Click Day"}));
}

TEST_F(DataControlsTest, BarsShowTheirValues) {
    auto* progress = Shown<QProgressBar>(form.prgLoad);
    EXPECT_EQ(progress->value() * 100 / progress->maximum(), 40);
    form.prgLoad.SetValue(75);
    EXPECT_EQ(progress->value() * 100 / progress->maximum(), 75);
    form.sbrWard.Panels(1).SetText("Nurse BROWN");
    auto texts = [&] {
        std::vector<std::string> shown;
        for (QLabel* label : app.WidgetOf(form.sbrWard)->findChildren<QLabel*>())
            shown.push_back(label->text().toStdString());
        return shown;
    };
    EXPECT_EQ(texts(), (std::vector<std::string>{"Nurse BROWN", "4 West"}));
}

} // namespace
