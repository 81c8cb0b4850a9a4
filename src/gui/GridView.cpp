#include "gui/ControlKinds.h"
#include "gui/Conversions.h"
#include "gui/FormWindow.h"
#include "platform/forms/Grid.h"

#include <QAbstractTableModel>
#include <QApplication>
#include <QHash>
#include <QHeaderView>
#include <QPixmap>
#include <QScrollBar>
#include <QTableView>

#include <algorithm>
#include <cstdlib>

namespace gui {

namespace {

// The model's grid as Qt's views read it: only the non-fixed rows and columns are cells; the fixed rows are the
// column headers and the fixed columns the row headers. Cells are read when drawn, so a grid of any size opens at
// once.
class GridModel : public QAbstractTableModel {
public:
    explicit GridModel(forms::MSHFlexGrid& grid) : grid(grid) { Reset(); }

    // The shape as the view last heard it; the model's grid may have moved on while its drawing is held back.
    int FixedRows() const { return fixedRows; }
    int FixedCols() const { return fixedCols; }

    int rowCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : rows; }
    int columnCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : cols; }

    QVariant data(const QModelIndex& index, int role) const override {
        int row = index.row() + FixedRows();
        int col = index.column() + FixedCols();
        // While drawing is held back, the view may still ask for cells gone.
        if (row >= grid.Rows() || col >= grid.Cols())
            return {};
        return CellData(row, col, role, IsHighlighted(row, col));
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        int fixed = orientation == Qt::Horizontal ? FixedRows() : FixedCols();
        int other = section + (orientation == Qt::Horizontal ? FixedCols() : FixedRows());
        if (fixed == 0 || other >= (orientation == Qt::Horizontal ? grid.Cols() : grid.Rows()))
            return {};
        if (role == Qt::DisplayRole) {
            QStringList texts;
            for (int part = 0; part < fixed; ++part)
                texts << ToQString(orientation == Qt::Horizontal ? grid.TextMatrix(part, other)
                                                                 : grid.TextMatrix(other, part));
            return texts.join(orientation == Qt::Horizontal ? QStringLiteral("\n") : QStringLiteral(" "));
        }
        // The first fixed cell's formatting stands for the header section.
        int row = orientation == Qt::Horizontal ? 0 : other;
        int col = orientation == Qt::Horizontal ? other : 0;
        return CellData(row, col, role, false);
    }

    Qt::ItemFlags flags(const QModelIndex& index) const override {
        return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
    }

    // Whether the grid's shape differs from the one the view has.
    bool Reshaped() const {
        int newFixedRows = std::min(grid.FixedRows(), grid.Rows());
        int newFixedCols = std::min(grid.FixedCols(), grid.Cols());
        return newFixedRows != fixedRows || newFixedCols != fixedCols || grid.Rows() - newFixedRows != rows ||
               grid.Cols() - newFixedCols != cols;
    }
    void Reset() {
        beginResetModel();
        fixedRows = std::min(grid.FixedRows(), grid.Rows());
        fixedCols = std::min(grid.FixedCols(), grid.Cols());
        rows = std::max(0, grid.Rows() - fixedRows);
        cols = std::max(0, grid.Cols() - fixedCols);
        endResetModel();
    }
    void CellsChanged() {
        if (rowCount({}) > 0 && columnCount({}) > 0)
            emit dataChanged(index(0, 0), index(rowCount({}) - 1, columnCount({}) - 1));
        if (columnCount({}) > 0)
            emit headerDataChanged(Qt::Horizontal, 0, columnCount({}) - 1);
        if (rowCount({}) > 0)
            emit headerDataChanged(Qt::Vertical, 0, rowCount({}) - 1);
    }

private:
    QVariant CellData(int row, int col, int role, bool highlighted) const {
        bool fixed = row < grid.FixedRows() || col < grid.FixedCols();
        const forms::CellFormat& format = grid.FormatOf(row, col);
        QPalette palette = QApplication::palette();
        switch (role) {
        case Qt::DisplayRole:
            return ToQString(grid.TextMatrix(row, col));
        case Qt::BackgroundRole:
            if (highlighted)
                return QBrush(ToQColor(grid.BackColorSel(), palette));
            if (format.BackColor != 0)
                return QBrush(ToQColor(format.BackColor, palette));
            return QBrush(ToQColor(fixed ? grid.BackColorFixed() : grid.BackColor(), palette));
        case Qt::ForegroundRole:
            if (highlighted)
                return QBrush(ToQColor(grid.ForeColorSel(), palette));
            if (format.ForeColor != 0)
                return QBrush(ToQColor(format.ForeColor, palette));
            return QBrush(ToQColor(fixed ? grid.ForeColorFixed() : grid.ForeColor(), palette));
        case Qt::FontRole: {
            if (!format.FontBold)
                return {};
            QFont font = ToQFont(grid.Font());
            font.setBold(true);
            return font;
        }
        case Qt::DecorationRole:
            return format.Picture.IsEmpty() ? QVariant() : QVariant(PictureOf(format.Picture.Path));
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(AlignmentOf(row, col, format));
        default:
            return {};
        }
    }

    // The selection shows in the selection colours; the current cell keeps its own colours and a focus frame.
    bool IsHighlighted(int row, int col) const {
        if (grid.HighLight() == 0 || (row == grid.Row() && col == grid.Col()))
            return false;
        bool byRow = grid.SelectionMode() == forms::flexSelectionByRow;
        bool byCol = grid.SelectionMode() == forms::flexSelectionByColumn;
        bool inRows =
            byCol || (row >= std::min(grid.Row(), grid.RowSel()) && row <= std::max(grid.Row(), grid.RowSel()));
        bool inCols =
            byRow || (col >= std::min(grid.Col(), grid.ColSel()) && col <= std::max(grid.Col(), grid.ColSel()));
        return inRows && inCols;
    }

    Qt::Alignment AlignmentOf(int row, int col, const forms::CellFormat& format) const {
        int alignment = format.Alignment.value_or(grid.ColAlignment(col));
        if (alignment == forms::flexAlignGeneral) {
            // Numbers to the right, text to the left, as the grid's general alignment does.
            const std::string& text = grid.TextMatrix(row, col);
            char* end = nullptr;
            std::strtod(text.c_str(), &end);
            bool number = !text.empty() && end != nullptr && *end == '\0';
            return (number ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
        }
        Qt::Alignment horizontal = alignment <= 2 ? Qt::AlignLeft : alignment <= 5 ? Qt::AlignHCenter : Qt::AlignRight;
        int vertical = alignment % 3;
        return horizontal | (vertical == 0 ? Qt::AlignTop : vertical == 1 ? Qt::AlignVCenter : Qt::AlignBottom);
    }

    QPixmap PictureOf(const std::string& path) const {
        QString key = ToQString(path);
        auto found = pictures.find(key);
        if (found == pictures.end())
            found = pictures.insert(key, QPixmap(key));
        return *found;
    }

    forms::MSHFlexGrid& grid;
    int fixedRows = 0;
    int fixedCols = 0;
    int rows = 0;
    int cols = 0;
    mutable QHash<QString, QPixmap> pictures;
};

// Qt's own editing, selecting and tab key stay off: the current cell and the selection are the model's.
QTableView* NewTable(GridModel& model) {
    auto* table = new QTableView;
    // Rows take the standard height before the model's rows arrive, so that none is sized one by one.
    table->verticalHeader()->setDefaultSectionSize(TwipsToPixels(forms::GridDefaultRowHeight));
    table->setModel(&model);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::NoSelection);
    table->setTabKeyNavigation(false);
    table->setCornerButtonEnabled(false);
    table->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    table->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    for (QHeaderView* header : {table->horizontalHeader(), table->verticalHeader()}) {
        header->setSectionResizeMode(QHeaderView::Fixed);
        header->setSectionsClickable(false);
        header->setHighlightSections(false);
        header->setMinimumSectionSize(1);
    }
    table->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return table;
}

class GridView : public ControlView {
public:
    GridView(forms::MSHFlexGrid& grid, FormWindow& window)
        : ControlView(grid, window), grid(grid), model(grid), table(NewTable(model)) {
        QObject::connect(table->verticalScrollBar(), &QScrollBar::valueChanged, &window, [this](int value) {
            if (!Writing())
                ScrolledByUser(value);
        });
        SetWidget(table);
    }
    ~GridView() override {
        // The table may outlive the view until its deletion comes round; it must not read a model gone.
        if (auto* shown = qobject_cast<QTableView*>(Widget()))
            shown->setModel(nullptr);
    }

    bool MouseDownByUser(QObject* part, const QMouseEvent& mouse) override {
        QPoint at = mouse.position().toPoint();
        float X = 0;
        float Y = 0;
        if (part == table->viewport()) {
            QModelIndex index = table->indexAt(at);
            if (!index.isValid())
                return false;
            QRect cell = table->visualRect(index);
            X = Within(grid.ColPos(index.column() + model.FixedCols()), at.x() - cell.left());
            Y = Within(grid.RowPos(index.row() + model.FixedRows()), at.y() - cell.top());
        } else if (part == table->horizontalHeader()->viewport()) {
            int section = table->horizontalHeader()->logicalIndexAt(at);
            if (section < 0)
                return false;
            X = Within(grid.ColPos(section + model.FixedCols()),
                       at.x() - table->horizontalHeader()->sectionViewportPosition(section));
            Y = static_cast<float>(PixelsToTwips(at.y()));
        } else if (part == table->verticalHeader()->viewport()) {
            int section = table->verticalHeader()->logicalIndexAt(at);
            if (section < 0)
                return false;
            X = static_cast<float>(PixelsToTwips(at.x()));
            Y = Within(grid.RowPos(section + model.FixedRows()),
                       at.y() - table->verticalHeader()->sectionViewportPosition(section));
        } else {
            return false;
        }
        int button = mouse.button() == Qt::RightButton ? forms::vbRightButton : forms::vbLeftButton;
        Window().Guard([&] { grid.UserMouseDown(button, ShiftOf(mouse.modifiers()), X, Y); });
        return true;
    }

protected:
    void Show(std::string_view property) override {
        if (!grid.Redraw() && property != "*") {
            // Code that fills a grid with Redraw off sees it drawn once, when Redraw comes back.
            stale = true;
            return;
        }
        if (property == "Redraw" && stale) {
            stale = false;
            property = "*";
        }
        if (Is(property, "Rows") || Is(property, "Cols") || Is(property, "FixedRows") || Is(property, "FixedCols") ||
            Is(property, "FormatString")) {
            if (property != "*" || model.Reshaped())
                model.Reset();
            property = "*";
        }
        if (Is(property, "ColWidth") || Is(property, "RowHeight") || Is(property, "FixedRows"))
            ShowSizes();
        if (Is(property, "TextMatrix") || Is(property, "CellFormat") || Is(property, "ColAlignment") ||
            Is(property, "Row") || Is(property, "Col") || Is(property, "RowSel") || Is(property, "ColSel") ||
            Is(property, "SelectionMode") || Is(property, "HighLight") || property.find("Color") != property.npos)
            model.CellsChanged();
        if (Is(property, "Row") || Is(property, "Col"))
            ShowCurrentCell();
        if (Is(property, "TopRow"))
            table->verticalScrollBar()->setValue(grid.TopRow() - model.FixedRows());
        if (Is(property, "GridLines"))
            table->setShowGrid(grid.GridLines() != 0);
        if (Is(property, "WordWrap"))
            table->setWordWrap(grid.WordWrap());
        if (Is(property, "Font"))
            table->setFont(ToQFont(grid.Font()));
        if (Is(property, "ScrollBars"))
            ShowScrollBars(*table, grid.ScrollBars());
        if (Is(property, "BackColorBkg")) {
            QPalette palette = table->palette();
            palette.setColor(QPalette::Base, ToQColor(grid.BackColorBkg(), QApplication::palette()));
            table->setPalette(palette);
        }
    }

private:
    // A point within a cell that starts at start twips, offset pixels in.
    static float Within(int start, int offset) {
        return static_cast<float>(start + PixelsToTwips(std::max(0, offset)));
    }

    void ShowSizes() {
        QHeaderView* columns = table->horizontalHeader();
        int fixedCols = model.FixedCols();
        for (int col = fixedCols; col < grid.Cols(); ++col) {
            int width = grid.ColWidth(col);
            table->setColumnHidden(col - fixedCols, width == 0);
            if (width > 0)
                columns->resizeSection(col - fixedCols, TwipsToPixels(width));
        }
        QHeaderView* rows = table->verticalHeader();
        int fixedRows = model.FixedRows();
        int standard = TwipsToPixels(forms::GridDefaultRowHeight);
        // Most grids keep the standard height on every row: only rows that had or have another are sized.
        bool anyOther = false;
        for (int row = fixedRows; row < grid.Rows(); ++row) {
            int height = TwipsToPixels(grid.RowHeight(row));
            if (height != standard || (otherHeights && rows->sectionSize(row - fixedRows) != standard)) {
                rows->resizeSection(row - fixedRows, height);
                anyOther = anyOther || height != standard;
            }
        }
        otherHeights = anyOther;
        int headerHeight = 0;
        for (int row = 0; row < fixedRows; ++row)
            headerHeight += TwipsToPixels(grid.RowHeight(row));
        columns->setVisible(fixedRows > 0);
        columns->setFixedHeight(headerHeight);
        int headerWidth = 0;
        for (int col = 0; col < fixedCols; ++col)
            headerWidth += TwipsToPixels(grid.ColWidth(col));
        rows->setVisible(fixedCols > 0 && headerWidth > 0);
        rows->setFixedWidth(headerWidth);
    }

    void ShowCurrentCell() {
        QModelIndex current = model.index(grid.Row() - model.FixedRows(), grid.Col() - model.FixedCols());
        if (current.isValid())
            table->selectionModel()->setCurrentIndex(current, QItemSelectionModel::NoUpdate);
    }

    void ScrolledByUser(int value) {
        int top = value + model.FixedRows();
        if (top != grid.TopRow() && top < grid.Rows())
            Window().Guard([&] { grid.SetTopRow(top); });
    }

    forms::MSHFlexGrid& grid;
    GridModel model;
    QTableView* table;
    bool stale = false;
    bool otherHeights = false;
};

} // namespace

std::unique_ptr<ControlView> MakeGridView(forms::Control& control, FormWindow& window) {
    return std::make_unique<GridView>(static_cast<forms::MSHFlexGrid&>(control), window);
}

} // namespace gui
