#include "gui/GridTable.h"

#include "gui/Conversions.h"

#include <QPaintEvent>
#include <QPainter>
#include <QPixmap>
#include <QScrollBar>

#include <algorithm>
#include <functional>

namespace gui {

namespace {

constexpr int TextMargin = 3;
const QColor GridLineColor(192, 192, 192);

} // namespace

GridTable::GridTable(const forms::MSHFlexGrid& grid, QAbstractItemModel& cells) : grid(grid), cells(cells) {
    // No frame: the rows in view are the ones the grid counts in its own height.
    setFrameShape(QFrame::NoFrame);
    viewport()->setBackgroundRole(QPalette::Base);
    auto redraw = [this] {
        ShowScrollPosition();
        viewport()->update();
    };
    connect(&cells, &QAbstractItemModel::dataChanged, viewport(), [this] { viewport()->update(); });
    connect(&cells, &QAbstractItemModel::modelReset, viewport(), redraw);
    connect(&cells, &QAbstractItemModel::layoutChanged, viewport(), redraw);
}

// The bands (rows or columns) in view: the fixed ones, then from the first scrollable one on, until room pixels are
// filled. Positions are summed in twips and only then turned into pixels, so a cell lies where code that places a
// floating editor over it in twips puts the editor. Bands of no size (hidden columns) are left out.
std::vector<GridTable::Band> GridTable::BandsInView(int fixed, int first, int count, int room,
                                                    const std::function<int(int)>& twips) {
    std::vector<Band> bands;
    int position = 0;
    auto add = [&](int band) {
        int start = TwipsToPixels(position);
        position += twips(band);
        int size = TwipsToPixels(position) - start;
        if (size > 0)
            bands.push_back({band, start, size});
        return TwipsToPixels(position) < room;
    };
    for (int band = 0; band < std::min(fixed, count); ++band)
        if (!add(band))
            return bands;
    for (int band = std::max(first, fixed); band < count; ++band)
        if (!add(band))
            break;
    return bands;
}

std::vector<GridTable::Band> GridTable::RowsInView() const {
    return BandsInView(grid.FixedRows(), grid.TopRow(), grid.Rows(), viewport()->height(),
                       [this](int row) { return grid.RowHeight(row); });
}

std::vector<GridTable::Band> GridTable::ColsInView() const {
    return BandsInView(grid.FixedCols(), grid.LeftCol(), grid.Cols(), viewport()->width(),
                       [this](int col) { return grid.ColWidth(col); });
}

QRect GridTable::CellRect(int row, int col) const {
    std::vector<Band> rows = RowsInView();
    std::vector<Band> cols = ColsInView();
    auto rowBand = std::find_if(rows.begin(), rows.end(), [&](const Band& band) { return band.index == row; });
    auto colBand = std::find_if(cols.begin(), cols.end(), [&](const Band& band) { return band.index == col; });
    if (rowBand == rows.end() || colBand == cols.end())
        return {};
    return {colBand->start, rowBand->start, colBand->size, rowBand->size};
}

bool GridTable::CellAt(QPoint at, int& row, int& col) const {
    auto inside = [](const std::vector<Band>& bands, int position) {
        auto found = std::find_if(bands.begin(), bands.end(), [&](const Band& band) {
            return position >= band.start && position < band.start + band.size;
        });
        return found == bands.end() ? -1 : found->index;
    };
    row = inside(RowsInView(), at.y());
    col = inside(ColsInView(), at.x());
    return row >= 0 && col >= 0;
}

// The largest first scrollable band (row or column) that still leaves no room unused after the last one: fixed
// bands come first, count in all, each twips(band) long, in room pixels.
int GridTable::LastFirstBand(int fixed, int count, int room, const std::function<int(int)>& twips) {
    int left = PixelsToTwips(room);
    for (int band = 0; band < std::min(fixed, count); ++band)
        left -= twips(band);
    int first = count - 1;
    if (first < fixed)
        return fixed;
    left -= twips(first);
    while (first - 1 >= fixed && left - twips(first - 1) >= 0) {
        left -= twips(first - 1);
        --first;
    }
    return first;
}

int GridTable::LastTopRow() const {
    return LastFirstBand(grid.FixedRows(), grid.Rows(), viewport()->height(),
                         [this](int row) { return grid.RowHeight(row); });
}

int GridTable::LastLeftCol() const {
    return LastFirstBand(grid.FixedCols(), grid.Cols(), viewport()->width(),
                         [this](int col) { return grid.ColWidth(col); });
}

void GridTable::ShowScrollPosition() {
    auto show = [](QScrollBar& bar, int first, int last, int value, int page) {
        QSignalBlocker quiet(bar);
        bar.setRange(0, std::max(0, std::max(last, value) - first));
        bar.setPageStep(std::max(1, page));
        bar.setValue(std::max(0, value - first));
    };
    int rowsShown = static_cast<int>(RowsInView().size()) - std::min(grid.FixedRows(), grid.Rows());
    int colsShown = static_cast<int>(ColsInView().size()) - std::min(grid.FixedCols(), grid.Cols());
    show(*verticalScrollBar(), grid.FixedRows(), LastTopRow(), grid.TopRow(), rowsShown);
    show(*horizontalScrollBar(), grid.FixedCols(), LastLeftCol(), grid.LeftCol(), colsShown);
}

void GridTable::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    ShowScrollPosition();
}

void GridTable::scrollContentsBy(int, int) { viewport()->update(); }

// The focus frame and a selection shown only with the focus come and go with it.
void GridTable::focusInEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusInEvent(event);
    viewport()->update();
}

void GridTable::focusOutEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusOutEvent(event);
    viewport()->update();
}

void GridTable::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    painter.fillRect(event->rect(), palette().brush(QPalette::Base));
    std::vector<Band> cols = ColsInView();
    for (const Band& row : RowsInView())
        for (const Band& col : cols) {
            QRect rect(col.start, row.start, col.size, row.size);
            if (!rect.intersects(event->rect()))
                continue;
            bool fixed = row.index < grid.FixedRows() || col.index < grid.FixedCols();
            PaintCell(painter, cells.index(row.index, col.index), rect, fixed);
        }
}

void GridTable::PaintCell(QPainter& painter, const QModelIndex& index, QRect rect, bool fixed) const {
    painter.fillRect(rect, cells.data(index, Qt::BackgroundRole).value<QBrush>());
    if (fixed || grid.GridLines() != 0) {
        painter.setPen(fixed ? palette().color(QPalette::Dark) : GridLineColor);
        painter.drawLine(rect.topRight(), rect.bottomRight());
        painter.drawLine(rect.bottomLeft(), rect.bottomRight());
    }
    QRect inner = rect.adjusted(TextMargin, 0, -TextMargin - 1, -1);
    QVariant picture = cells.data(index, Qt::DecorationRole);
    if (picture.canConvert<QPixmap>()) {
        QPixmap pixmap = picture.value<QPixmap>();
        QRect place(inner.left(), inner.top() + (inner.height() - pixmap.height()) / 2, pixmap.width(),
                    pixmap.height());
        QRect shown = place.intersected(inner);
        painter.drawPixmap(shown, pixmap, shown.translated(-place.topLeft()));
        inner.setLeft(place.right() + 1 + TextMargin);
    }
    QString text = cells.data(index, Qt::DisplayRole).toString();
    if (!text.isEmpty()) {
        QVariant font = cells.data(index, Qt::FontRole);
        painter.setFont(font.isValid() ? font.value<QFont>() : this->font());
        painter.setPen(cells.data(index, Qt::ForegroundRole).value<QBrush>().color());
        int flags = cells.data(index, Qt::TextAlignmentRole).toInt() | (grid.WordWrap() ? Qt::TextWordWrap : 0);
        // Without TextDontClip the text stays within the cell.
        painter.drawText(inner, flags, text);
    }
    if (!fixed && hasFocus() && grid.FocusRect() != 0 && index.row() == grid.Row() && index.column() == grid.Col()) {
        painter.setPen(QPen(palette().color(QPalette::Text), 1, Qt::DotLine));
        painter.drawRect(rect.adjusted(1, 1, -2, -2));
    }
}

} // namespace gui
