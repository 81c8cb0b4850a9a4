#pragma once

#include "platform/forms/Grid.h"

#include <QAbstractItemModel>
#include <QAbstractScrollArea>

#include <functional>
#include <vector>

namespace gui {

// A flex grid on the screen. The cells come from a table model over the grid (index (row, col) is the grid's own
// cell, fixed ones included); the layout, scrolling and current cell come from the grid itself. The fixed rows stay
// at the top and the fixed columns at the left; the rest scrolls a whole row or column at a time from TopRow and
// LeftCol, as the grid does. Only the cells in view are read and drawn, so a grid of any size opens at once.
class GridTable : public QAbstractScrollArea {
public:
    GridTable(const forms::MSHFlexGrid& grid, QAbstractItemModel& cells);

    QAbstractItemModel& Cells() const { return cells; }
    // A cell's rectangle in the viewport, or an empty one when the cell is out of view or hidden.
    QRect CellRect(int row, int col) const;
    // The cell under a point of the viewport; false over the background.
    bool CellAt(QPoint at, int& row, int& col) const;
    // Brings the scroll bars in line with the grid's shape, sizes, TopRow and LeftCol.
    void ShowScrollPosition();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    // The scroll bars move TopRow and LeftCol through the view that owns the grid, not the viewport.
    void scrollContentsBy(int dx, int dy) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    // The rows (or columns) in view, in drawing order, each with its start and size in pixels.
    struct Band {
        int index;
        int start;
        int size;
    };
    std::vector<Band> RowsInView() const;
    std::vector<Band> ColsInView() const;
    static std::vector<Band> BandsInView(int fixed, int first, int count, int room,
                                         const std::function<int(int)>& twips);
    // The largest TopRow (LeftCol) that still leaves no room unused below (right of) the last row (column).
    int LastTopRow() const;
    int LastLeftCol() const;
    static int LastFirstBand(int fixed, int count, int room, const std::function<int(int)>& twips);
    void PaintCell(QPainter& painter, const QModelIndex& index, QRect rect, bool fixed) const;

    const forms::MSHFlexGrid& grid;
    QAbstractItemModel& cells;
};

} // namespace gui
