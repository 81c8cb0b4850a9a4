#include "gui/ControlKinds.h"
#include "gui/Conversions.h"
#include "gui/FormWindow.h"
#include "gui/GridTable.h"
#include "platform/forms/Grid.h"

#include <QAbstractTableModel>
#include <QApplication>
#include <QHash>
#include <QPixmap>
#include <QScrollBar>

#include <algorithm>
#include <cstdlib>

namespace gui {

namespace {

// The grid's cells as a table model: index (row, col) is the grid's own cell, fixed ones included. Cells are read
// when drawn.
class GridModel : public QAbstractTableModel {
public:
    explicit GridModel(forms::MSHFlexGrid& grid) : grid(grid) {}

    int rowCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : grid.Rows(); }
    int columnCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : grid.Cols(); }

    QVariant data(const QModelIndex& index, int role) const override {
        int row = index.row();
        int col = index.column();
        if (!index.isValid() || row >= grid.Rows() || col >= grid.Cols())
            return {};
        return CellData(row, col, role, IsHighlighted(row, col));
    }

    Qt::ItemFlags flags(const QModelIndex& index) const override {
        return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
    }

    void Reset() {
        beginResetModel();
        endResetModel();
    }
    void CellsChanged() {
        if (grid.Rows() > 0 && grid.Cols() > 0)
            emit dataChanged(index(0, 0), index(grid.Rows() - 1, grid.Cols() - 1));
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
            return format.Picture.IsEmpty() ? QVariant() : QVariant(PictureOf(format.Picture));
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(AlignmentOf(row, col, format));
        default:
            return {};
        }
    }

    // The selection shows in the selection colours; the current cell keeps its own colours and a focus frame.
    bool IsHighlighted(int row, int col) const {
        bool shown = grid.HighLight() == forms::flexHighlightAlways ||
                     (grid.HighLight() == forms::flexHighlightWithFocus && grid.HasFocus());
        if (!shown || (row == grid.Row() && col == grid.Col()))
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

    QPixmap PictureOf(const forms::Picture& picture) const {
        QString key = ToQString(picture.Path);
        for (const forms::PictureOverlay& overlay : picture.Overlays)
            key += QStringLiteral("\n%1\n%2").arg(ToQString(overlay.Path)).arg(overlay.MaskColor);
        auto found = pictures.find(key);
        if (found == pictures.end())
            found = pictures.insert(key, PixmapOf(picture));
        return *found;
    }

    forms::MSHFlexGrid& grid;
    mutable QHash<QString, QPixmap> pictures;
};

class GridView : public ControlView {
public:
    GridView(forms::MSHFlexGrid& grid, FormWindow& window)
        : ControlView(grid, window), grid(grid), model(new GridModel(grid)), table(new GridTable(grid, *model)) {
        // The table owns the model: it may outlive this view until its deletion comes round.
        model->setParent(table);
        QObject::connect(table->verticalScrollBar(), &QScrollBar::valueChanged, &window, [this](int value) {
            ScrolledByUser([this, value] { this->grid.SetTopRow(value + this->grid.FixedRows()); });
        });
        QObject::connect(table->horizontalScrollBar(), &QScrollBar::valueChanged, &window, [this](int value) {
            ScrolledByUser([this, value] { this->grid.SetLeftCol(value + this->grid.FixedCols()); });
        });
        SetWidget(table);
    }

    bool MouseDownByUser(QObject* part, const QMouseEvent& mouse) override {
        QPoint at = mouse.position().toPoint();
        int row = 0;
        int col = 0;
        if (part != table->viewport() || !table->CellAt(at, row, col))
            return false;
        QRect cell = table->CellRect(row, col);
        float X = Within(grid.ColPos(col), at.x() - cell.left());
        float Y = Within(grid.RowPos(row), at.y() - cell.top());
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
        if (Is(property, "Rows") || Is(property, "Cols") || Is(property, "FormatString"))
            model->Reset();
        if (Is(property, "FixedRows") || Is(property, "FixedCols") || Is(property, "ColWidth") ||
            Is(property, "RowHeight") || Is(property, "TopRow") || Is(property, "LeftCol") || Is(property, "Font")) {
            table->ShowScrollPosition();
            table->viewport()->update();
        }
        if (Is(property, "TextMatrix") || Is(property, "CellFormat") || Is(property, "ColAlignment") ||
            Is(property, "Row") || Is(property, "Col") || Is(property, "RowSel") || Is(property, "ColSel") ||
            Is(property, "SelectionMode") || Is(property, "HighLight") || Is(property, "GridLines") ||
            Is(property, "WordWrap") || Is(property, "FocusRect") || property.find("Color") != property.npos)
            model->CellsChanged();
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

    // A scroll bar moved by the user moves the grid; where the grid refuses, the bar goes back.
    void ScrolledByUser(const std::function<void()>& scroll) {
        Window().Guard(scroll);
        table->ShowScrollPosition();
    }

    forms::MSHFlexGrid& grid;
    GridModel* model;
    GridTable* table;
    bool stale = false;
};

} // namespace

std::unique_ptr<ControlView> MakeGridView(forms::Control& control, FormWindow& window) {
    return std::make_unique<GridView>(static_cast<forms::MSHFlexGrid&>(control), window);
}

} // namespace gui
