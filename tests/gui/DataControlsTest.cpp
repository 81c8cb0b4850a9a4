#include "WardTestWindow.h"
#include "gui/Conversions.h"
#include "gui/GridTable.h"
#include "platform/forms/MonthView.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QProgressBar>
#include <QScrollBar>
#include <QTabBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
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
    gui::GridTable* Grid() { return dynamic_cast<gui::GridTable*>(app.WidgetOf(form.grdPatients)); }
    QModelIndex CellOf(int row, int col) { return Grid()->Cells().index(row, col); }
    void ClickCell(int row, int col) {
        QTest::mouseClick(Grid()->viewport(), Qt::LeftButton, {}, Grid()->CellRect(row, col).center());
    }
    // The colour drawn in the middle of a cell's left margin, where no text reaches.
    QColor DrawnAt(int row, int col) {
        QRect cell = Grid()->CellRect(row, col);
        return Grid()->viewport()->grab().toImage().pixelColor(cell.left() + 1, cell.center().y());
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
    EXPECT_TRUE(form.grdPatients.HasFocus());
}

TEST_F(DataControlsTest, GridShowsWhatCodeSets) {
    QAbstractItemModel& cells = Grid()->Cells();
    form.grdPatients.SetTextMatrix(2, 1, "BROWN, ANNE");
    EXPECT_EQ(cells.data(CellOf(2, 1)).toString(), "BROWN, ANNE");
    EXPECT_EQ(cells.data(CellOf(0, 1)).toString(), "Patient");

    form.grdPatients.SetRow(2);
    form.grdPatients.SetCol(1);
    form.grdPatients.SetCellBackColor(forms::vbYellow);
    form.grdPatients.SetCellFontBold(true);
    EXPECT_EQ(cells.data(CellOf(2, 1), Qt::BackgroundRole).value<QBrush>().color(), QColor(Qt::yellow));
    EXPECT_TRUE(cells.data(CellOf(2, 1), Qt::FontRole).value<QFont>().bold());
    EXPECT_EQ(DrawnAt(2, 1), QColor(Qt::yellow));

    // The selection shows in the selection colours, the current cell in its own.
    form.grdPatients.SetRowSel(3);
    QColor selected = gui::ToQColor(forms::vbHighlight, QApplication::palette());
    EXPECT_EQ(cells.data(CellOf(3, 1), Qt::BackgroundRole).value<QBrush>().color(), selected);
    EXPECT_NE(cells.data(CellOf(2, 1), Qt::BackgroundRole).value<QBrush>().color(), selected);
    EXPECT_NE(cells.data(CellOf(4, 1), Qt::BackgroundRole).value<QBrush>().color(), selected);
    EXPECT_EQ(DrawnAt(3, 1), selected);

    form.grdPatients.AddItem("5\tGREEN, TOM\tDR. LEE\t1005");
    EXPECT_EQ(cells.rowCount(), 6);
    EXPECT_EQ(cells.data(CellOf(5, 2)).toString(), "DR. LEE");
}

TEST_F(DataControlsTest, ZeroWidthColumnsAreHiddenAndWidthsFollowTheModel) {
    int fixedWidth = gui::TwipsToPixels(form.grdPatients.ColWidth(0));
    EXPECT_TRUE(Grid()->CellRect(1, 3).isEmpty());
    EXPECT_EQ(Grid()->CellRect(1, 1).left(), fixedWidth);
    EXPECT_EQ(Grid()->CellRect(1, 1).width(), gui::TwipsToPixels(form.grdPatients.ColWidth(1)));
    form.grdPatients.SetColWidth(3, 900);
    EXPECT_EQ(Grid()->CellRect(1, 3).width(), 60);
    EXPECT_EQ(Grid()->CellRect(1, 3).left(), Grid()->CellRect(1, 2).right() + 1);

    // Widths that are no whole number of pixels: a cell still starts where the grid's own twips put it, so that an
    // editor placed over the current cell by code covers it.
    for (int col = 0; col < 4; ++col)
        form.grdPatients.SetColWidth(col, 1000);
    for (int col = 1; col < 4; ++col)
        EXPECT_EQ(Grid()->CellRect(2, col).left(), gui::TwipsToPixels(form.grdPatients.ColPos(col))) << col;
    EXPECT_EQ(Grid()->CellRect(2, 1).top(), gui::TwipsToPixels(form.grdPatients.RowPos(2)));
}

QImage Solid(int width, int height, QColor color) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

// The picture saved as a file of the folder; its path.
QString Saved(const QTemporaryDir& folder, const QString& name, const QImage& picture) {
    QString path = folder.filePath(name);
    EXPECT_TRUE(picture.save(path)) << path.toStdString();
    return path;
}

TEST_F(DataControlsTest, ACellPictureIsDrawnAtTheLeftOfItsCell) {
    QTemporaryDir folder;
    QString path = Saved(folder, "flag.png", Solid(6, 40, Qt::red));
    form.grdPatients.SetRow(3);
    form.grdPatients.SetCol(2);
    form.grdPatients.SetCellPicture(forms::LoadPicture(path.toStdString()));
    QRect cell = Grid()->CellRect(3, 2);
    QImage drawn = Grid()->viewport()->grab().toImage();
    EXPECT_EQ(drawn.pixelColor(cell.left() + 5, cell.center().y()), QColor(Qt::red));
    EXPECT_NE(drawn.pixelColor(cell.left() + 5, cell.top() - 2), QColor(Qt::red)) << "the picture stays in its cell";
}

TEST_F(DataControlsTest, AnOverlaidCellPictureShowsItsBaseWhereTheOverlayHasItsMaskColour) {
    QTemporaryDir folder;
    QString base = Saved(folder, "report.png", Solid(12, 12, Qt::red));
    // A white badge with a blue right half.
    QImage marked = Solid(12, 12, Qt::white);
    QPainter(&marked).fillRect(6, 0, 6, 12, Qt::blue);
    QString badge = Saved(folder, "badge.png", marked);

    form.grdPatients.SetRow(3);
    form.grdPatients.SetCol(2);
    struct Case {
        forms::Color mask;
        QColor left;
    };
    for (Case c : {Case{forms::vbWhite, Qt::red}, Case{0xC0C0C0, Qt::white}}) {
        form.grdPatients.SetCellPicture(forms::Picture{base.toStdString(), {{badge.toStdString(), c.mask}}});
        // The picture starts 3 pixels into the cell.
        QRect cell = Grid()->CellRect(3, 2);
        QImage drawn = Grid()->viewport()->grab().toImage();
        EXPECT_EQ(drawn.pixelColor(cell.left() + 3 + 2, cell.center().y()), c.left) << c.mask;
        EXPECT_EQ(drawn.pixelColor(cell.left() + 3 + 9, cell.center().y()), QColor(Qt::blue)) << c.mask;
    }
}

TEST_F(DataControlsTest, ASelectionShownWithTheFocusOnlyGoesWithIt) {
    form.grdPatients.SetFocus();
    form.grdPatients.SetHighLight(forms::flexHighlightWithFocus);
    form.grdPatients.SetRowSel(3);
    QColor selected = gui::ToQColor(forms::vbHighlight, QApplication::palette());
    EXPECT_EQ(DrawnAt(3, 1), selected);
    form.lstTasks.SetFocus();
    QApplication::processEvents();
    EXPECT_NE(DrawnAt(3, 1), selected);
}

// A grid taller than its window: the rows below scroll into view a whole row at a time, by the scroll bar or the
// keys, and the fixed row stays on top.
class LongGridTest : public DataControlsTest {
protected:
    void SetUp() override {
        DataControlsTest::SetUp();
        for (int row = 5; row <= 60; ++row)
            form.grdPatients.AddItem(std::to_string(row) + "\tPATIENT " + std::to_string(row));
    }
    QScrollBar& Bar() { return *Grid()->verticalScrollBar(); }
};

TEST_F(LongGridTest, TheScrollBarAndTopRowMoveTogether) {
    EXPECT_GT(Bar().maximum(), 40);
    EXPECT_LT(Bar().maximum(), 60);
    Bar().setValue(10);
    EXPECT_EQ(form.grdPatients.TopRow(), 11);
    int header = Grid()->CellRect(0, 1).height();
    EXPECT_EQ(Grid()->CellRect(11, 1).top(), header);
    EXPECT_TRUE(Grid()->CellRect(5, 1).isEmpty());

    form.grdPatients.SetTopRow(30);
    EXPECT_EQ(Bar().value(), 29);
    int row = 0;
    int col = 0;
    ASSERT_TRUE(Grid()->CellAt(Grid()->CellRect(30, 2).center(), row, col));
    EXPECT_EQ(row, 30);
    EXPECT_EQ(col, 2);

    ClickCell(31, 1);
    for (int i = 0; i < 40; ++i)
        QTest::keyClick(Grid(), Qt::Key_Down);
    EXPECT_EQ(form.grdPatients.Row(), 60);
    EXPECT_EQ(Bar().value(), Bar().maximum()) << "the last row is in view";
    EXPECT_FALSE(Grid()->CellRect(60, 1).isEmpty());
}

TEST_F(LongGridTest, FilledWithRedrawOffItShowsWhenRedrawComesBack) {
    form.grdPatients.SetRedraw(false);
    int before = Bar().maximum();
    form.grdPatients.SetRows(200);
    form.grdPatients.SetTextMatrix(150, 1, "LATE");
    EXPECT_EQ(Bar().maximum(), before);
    form.grdPatients.SetRedraw(true);
    EXPECT_GT(Bar().maximum(), 180);
    form.grdPatients.SetTopRow(150);
    EXPECT_EQ(Grid()->Cells().data(CellOf(150, 1)).toString(), "LATE");
    EXPECT_EQ(Grid()->CellRect(150, 1).top(), Grid()->CellRect(0, 1).height());
}

TEST_F(DataControlsTest, RichTextSelectionGoesBothWays) {
    form.tabWard.SetTab(0);
    auto* shown = Shown<QTextEdit>(form.rtfNote);
    form.rtfNote.SetSelStart(9);
    form.rtfNote.SetSelLength(10);
    EXPECT_EQ(shown->textCursor().selectedText(), "penicillin");
    EXPECT_EQ(app.log, (std::vector<std::string>{"rtfNote_SelChange 9,0", "rtfNote_SelChange 9,10"}))
        << "showing the selection is not taken for the user's";

    app.log.clear();
    auto at = [&](int position) {
        QTextCursor cursor(shown->document());
        cursor.setPosition(position);
        return shown->cursorRect(cursor).center();
    };
    QTest::mousePress(shown->viewport(), Qt::LeftButton, {}, at(0));
    QTest::mouseMove(shown->viewport(), at(7));
    QTest::mouseRelease(shown->viewport(), Qt::LeftButton, {}, at(7));
    EXPECT_EQ(form.rtfNote.SelStart(), 0);
    EXPECT_EQ(form.rtfNote.SelLength(), 7);
    EXPECT_EQ(form.rtfNote.SelText(), "Allergy");
    EXPECT_EQ(app.log.back(), "rtfNote_SelChange 0,7");
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

TEST_F(DataControlsTest, TabsWiderThanTheControlAllStayInsideIt) {
    auto* bar = app.WidgetOf(form.tabWard)->findChild<QTabBar*>();
    ASSERT_NE(bar, nullptr);
    form.tabWard.SetTabs(8);
    for (int page = 0; page < 8; ++page)
        form.tabWard.SetTabCaption(page, "Schedule Operation " + std::to_string(page));
    QApplication::processEvents();
    for (int page = 0; page < 8; ++page) {
        EXPECT_LE(bar->tabRect(page).right(), bar->width()) << page;
        EXPECT_GT(bar->tabRect(page).width(), bar->width() / 10) << page << ": each tab keeps a share";
    }
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

// An operating-room calendar that goes back to the server's day when a day of another month is clicked.
class frmOperatingRoom : public forms::Form {
public:
    explicit frmOperatingRoom(GuiApp& app) : Form(app.Forms), app(app) {
        MonthView1.DateClick = [this](vb::Date DateClicked) { MonthView1_DateClick(DateClicked); };
    }
    forms::TextBox txtRemarks{*this, "txtRemarks"};
    forms::MonthView MonthView1{*this, "MonthView1"};
    vb::Date ServerDate{vb::DateSerial(2026, 12, 11).serial + vb::TimeSerial(14, 35, 7).serial};

private:
    void Design() override {
        SetCaption("Operating Room");
        SetInnerSize(4200, 3600);
        txtRemarks.Move(120, 120, 3900, 300);
        MonthView1.Move(120, 540, 3900, 2900);
    }
    void MonthView1_DateClick(vb::Date DateClicked) {
        app.log.push_back("MonthView1_DateClick " + forms::FormatPickerDate(DateClicked, "M/d/yyyy"));
        if (vb::Month(vb::Variant(MonthView1.Value())) != vb::Month(vb::Variant(ServerDate)))
            MonthView1.SetValue(ServerDate);
    }
    GuiApp& app;
};

class MonthViewTest : public testing::Test {
protected:
    void SetUp() override {
        form.MonthView1.SetValue(form.ServerDate);
        form.Show();
        QApplication::processEvents();
        calendar = qobject_cast<QCalendarWidget*>(app.WidgetOf(form.MonthView1));
        ASSERT_NE(calendar, nullptr);
    }
    // Clicks the cell of the calendar's page that shows that day of the month (the first such cell).
    void ClickDayCell(int day) {
        auto* days = calendar->findChild<QTableView*>();
        QAbstractItemModel* cells = days->model();
        for (int row = 1; row < cells->rowCount(); ++row)
            for (int col = 0; col < cells->columnCount(); ++col) {
                QModelIndex cell = cells->index(row, col);
                if (cell.data().toString() == QString::number(day)) {
                    QTest::mouseClick(days->viewport(), Qt::LeftButton, {}, days->visualRect(cell).center());
                    return;
                }
            }
        ADD_FAILURE() << "no cell shows day " << day;
    }

    GuiApp app;
    frmOperatingRoom& form = app.Forms.Get<frmOperatingRoom>();
    QCalendarWidget* calendar = nullptr;
};

TEST_F(MonthViewTest, TheCalendarShowsTheValueCodeSetsWithoutDateClick) {
    EXPECT_EQ(calendar->selectedDate(), QDate(2026, 12, 11));
    form.MonthView1.SetValue(vb::DateSerial(2027, 1, 5));
    EXPECT_EQ(calendar->selectedDate(), QDate(2027, 1, 5));
    EXPECT_TRUE(app.log.empty());
}

TEST_F(MonthViewTest, ADayClickedInTheCalendarIsTheValueAndRaisesDateClick) {
    form.txtRemarks.SetFocus();
    ClickDayCell(24);
    EXPECT_EQ(form.MonthView1.Value(), vb::DateSerial(2026, 12, 24));
    EXPECT_TRUE(form.MonthView1.HasFocus());
    EXPECT_EQ(calendar->selectedDate(), QDate(2026, 12, 24));
    EXPECT_EQ(app.log, (std::vector<std::string>{"MonthView1_DateClick 12/24/2026"}));
}

TEST_F(MonthViewTest, TheCalendarFollowsAValueTheHandlerSetsBack) {
    // The page of December 2026 starts with the last days of November.
    ClickDayCell(30);
    EXPECT_EQ(app.log, (std::vector<std::string>{"MonthView1_DateClick 11/30/2026"}));
    EXPECT_EQ(form.MonthView1.Value(), form.ServerDate);
    EXPECT_EQ(calendar->selectedDate(), QDate(2026, 12, 11));
}

} // namespace
