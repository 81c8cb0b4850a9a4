#include "gui/ControlKinds.h"
#include "gui/Conversions.h"
#include "gui/FormWindow.h"
#include "platform/forms/ListView.h"
#include "platform/forms/Lists.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QTreeWidget>

namespace gui {

namespace {

void ShowListLook(QWidget& widget, const forms::ListControl& list, std::string_view property) {
    if (Is(property, "ForeColor") || Is(property, "BackColor")) {
        QPalette palette = widget.palette();
        palette.setColor(QPalette::Text, ToQColor(list.ForeColor(), QApplication::palette()));
        palette.setColor(QPalette::Base, ToQColor(list.BackColor(), QApplication::palette()));
        widget.setPalette(palette);
    }
    if (Is(property, "Font"))
        widget.setFont(ToQFont(list.Font()));
}

// An item view that selects and edits nothing on its own: what is chosen is the model's.
void HandOverChoosing(QAbstractItemView& view) {
    view.setSelectionMode(QAbstractItemView::NoSelection);
    view.setEditTriggers(QAbstractItemView::NoEditTriggers);
    view.setTabKeyNavigation(false);
}

// The row of a list under a point of its viewport, or -1.
int RowAt(QAbstractItemView& view, QObject* part, QPoint at) {
    if (part != view.viewport())
        return -1;
    QModelIndex index = view.indexAt(at);
    return index.isValid() ? index.row() : -1;
}

// A list box: plain, multi-select, or with a check box on each line (whose tick is Selected).
class ListBoxView : public ControlView {
public:
    ListBoxView(forms::ListBox& list, FormWindow& window) : ControlView(list, window), list(list) {
        shown = new QListWidget;
        HandOverChoosing(*shown);
        SetWidget(shown);
    }

    bool ClickByUser(QObject* part, QPoint at) override {
        int line = RowAt(*shown, part, at);
        if (line < 0 || line >= list.ListCount())
            return false;
        if (TakeFocus())
            list.UserClickLine(line);
        return true;
    }

protected:
    void Show(std::string_view property) override {
        if (Is(property, "List") || Is(property, "Style") || Is(property, "Sorted"))
            ShowLines();
        if (Is(property, "List") || Is(property, "Style") || Is(property, "ListIndex") || Is(property, "Selected") ||
            Is(property, "MultiSelect"))
            ShowChoice();
        if (Is(property, "TopIndex") && list.TopIndex() < shown->count())
            shown->scrollToItem(shown->item(list.TopIndex()), QAbstractItemView::PositionAtTop);
        ShowListLook(*shown, list, property);
    }

private:
    bool IsChecklist() const { return list.Style() == forms::vbListBoxCheckbox; }

    void ShowLines() {
        shown->clear();
        for (int line = 0; line < list.ListCount(); ++line)
            shown->addItem(ToQString(list.List(line)));
    }

    void ShowChoice() {
        bool multi = list.MultiSelect() != forms::vbMultiSelectNone && !IsChecklist();
        for (int line = 0; line < shown->count(); ++line) {
            QListWidgetItem* item = shown->item(line);
            if (IsChecklist())
                item->setCheckState(list.Selected(line) ? Qt::Checked : Qt::Unchecked);
            else
                item->setData(Qt::CheckStateRole, QVariant());
            item->setSelected(multi ? list.Selected(line) : line == list.ListIndex());
        }
        if (list.ListIndex() >= 0 && list.ListIndex() < shown->count())
            shown->setCurrentRow(list.ListIndex(), QItemSelectionModel::NoUpdate);
    }

    forms::ListBox& list;
    QListWidget* shown;
};

// A combo box: the text is the model's (typing goes through its keys); a line picked from the drop-down is a choice
// of the user's.
class ComboBoxView : public ControlView {
public:
    ComboBoxView(forms::ComboBox& combo, FormWindow& window) : ControlView(combo, window), combo(combo) {
        shown = new QComboBox;
        shown->setInsertPolicy(QComboBox::NoInsert);
        shown->setEditable(IsEditable());
        QObject::connect(shown, &QComboBox::activated, &window, [this](int line) {
            if (!Writing())
                ChosenByUser(line);
        });
        SetWidget(shown);
        LeavePopupToQt();
    }

    bool NeedsRebuild(std::string_view property) const override {
        return Is(property, "Style") && shown->isEditable() != IsEditable();
    }
    // A press opens the drop-down as Qt does; the line picked is the click.
    bool ClicksOnRelease() const override { return false; }

protected:
    void Show(std::string_view property) override {
        if (Is(property, "List") || Is(property, "Sorted")) {
            shown->clear();
            for (int line = 0; line < combo.ListCount(); ++line)
                shown->addItem(ToQString(combo.List(line)));
        }
        if (Is(property, "List") || Is(property, "ListIndex") || Is(property, "Text")) {
            shown->setCurrentIndex(combo.ListIndex());
            if (QLineEdit* edit = shown->lineEdit(); edit != nullptr && edit->text() != ToQString(combo.Text()))
                edit->setText(ToQString(combo.Text()));
        }
        if (Is(property, "Locked") && shown->lineEdit() != nullptr)
            shown->lineEdit()->setReadOnly(combo.Locked());
        ShowListLook(*shown, combo, property);
    }

private:
    bool IsEditable() const { return combo.Style() != forms::vbComboDropdownList; }

    // The drop-down is a window of its own that Qt runs: its lines are picked with Qt's mouse handling.
    void LeavePopupToQt() {
        QWidget* popup = shown->view()->window();
        if (popup == shown->window())
            return;
        popup->removeEventFilter(&Window());
        for (QObject* part : popup->findChildren<QObject*>())
            part->removeEventFilter(&Window());
    }

    void ChosenByUser(int line) {
        if (line < 0 || line >= combo.ListCount())
            return;
        Window().Guard([&] {
            if (TakeFocus())
                combo.UserChoose(line);
        });
        Changed("ListIndex");
    }

    forms::ComboBox& combo;
    QComboBox* shown;
};

// A list view in its report view: column headers and lines with their sub-items; one line selected.
class ListViewView : public ControlView {
public:
    ListViewView(forms::ListView& list, FormWindow& window) : ControlView(list, window), list(list) {
        shown = new QTreeWidget;
        shown->setRootIsDecorated(false);
        shown->setUniformRowHeights(true);
        shown->header()->setSectionsMovable(false);
        shown->header()->setSectionsClickable(false);
        shown->header()->setStretchLastSection(false);
        HandOverChoosing(*shown);
        SetWidget(shown);
    }

    bool ClickByUser(QObject* part, QPoint at) override {
        int line = RowAt(*shown, part, at);
        if (line < 0 || line >= list.ListItemCount())
            return false;
        if (TakeFocus())
            list.UserClickItem(line + 1);
        return true;
    }

protected:
    void Show(std::string_view property) override {
        if (Is(property, "ColumnHeaders"))
            ShowHeaders();
        if (Is(property, "ColumnHeaders") || Is(property, "ListItems"))
            ShowItems();
        if (Is(property, "ColumnHeaders") || Is(property, "ListItems") || Is(property, "SelectedItem"))
            ShowSelection();
        if (Is(property, "FullRowSelect"))
            shown->setAllColumnsShowFocus(list.FullRowSelect());
    }

private:
    void ShowHeaders() {
        QStringList texts;
        for (int index = 1; index <= list.ColumnHeaderCount(); ++index)
            texts << ToQString(list.ColumnHeaders(index).Text);
        shown->setColumnCount(std::max(1, static_cast<int>(texts.size())));
        shown->setHeaderLabels(texts);
        for (int index = 1; index <= list.ColumnHeaderCount(); ++index)
            shown->header()->resizeSection(index - 1, TwipsToPixels(list.ColumnHeaders(index).Width));
    }

    void ShowItems() {
        shown->clear();
        QList<QTreeWidgetItem*> lines;
        for (int index = 1; index <= list.ListItemCount(); ++index) {
            const forms::ListItem& item = list.ListItems(index);
            QStringList texts{ToQString(item.Text())};
            for (int sub = 1; sub < list.ColumnHeaderCount(); ++sub)
                texts << ToQString(item.SubItems(sub));
            auto* line = new QTreeWidgetItem(texts);
            for (int column = 0; column < list.ColumnHeaderCount(); ++column)
                line->setTextAlignment(column, AlignmentOf(list.ColumnHeaders(column + 1).Alignment));
            lines << line;
        }
        shown->addTopLevelItems(lines);
    }

    static Qt::Alignment AlignmentOf(int alignment) {
        return (alignment == forms::vbRightJustify ? Qt::AlignRight
                : alignment == forms::vbCenter     ? Qt::AlignHCenter
                                                   : Qt::AlignLeft) |
               Qt::AlignVCenter;
    }

    void ShowSelection() {
        shown->clearSelection();
        forms::ListItem* selected = list.SelectedItem();
        if (selected == nullptr)
            return;
        QTreeWidgetItem* line = shown->topLevelItem(selected->Index() - 1);
        if (line == nullptr)
            return;
        line->setSelected(true);
        shown->setCurrentItem(line, 0, QItemSelectionModel::NoUpdate);
    }

    forms::ListView& list;
    QTreeWidget* shown;
};

} // namespace

std::unique_ptr<ControlView> MakeListBoxView(forms::Control& control, FormWindow& window) {
    return std::make_unique<ListBoxView>(static_cast<forms::ListBox&>(control), window);
}

std::unique_ptr<ControlView> MakeComboBoxView(forms::Control& control, FormWindow& window) {
    return std::make_unique<ComboBoxView>(static_cast<forms::ComboBox&>(control), window);
}

std::unique_ptr<ControlView> MakeListViewView(forms::Control& control, FormWindow& window) {
    return std::make_unique<ListViewView>(static_cast<forms::ListView&>(control), window);
}

} // namespace gui
