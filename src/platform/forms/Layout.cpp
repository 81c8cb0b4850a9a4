#include "platform/forms/Layout.h"

#include "platform/forms/Form.h"
#include "platform/forms/Tabs.h"

#include <algorithm>

namespace forms {

namespace {

// Where rows start inside a container: below a frame's caption, or below a tab control's strip of tabs.
int InsideTop(const Control& container, const LayoutMetrics& metrics) {
    if (container.Kind() == ControlKind::TabControl)
        return static_cast<const SSTab&>(container).TabHeight() + metrics.RowGap;
    return metrics.FrameCaption + metrics.RowGap;
}

} // namespace

Layout::Layout(Form& form, LayoutMetrics metrics)
    : form(form), container(nullptr), page(-1), metrics(metrics), left(metrics.Margin), top(metrics.Margin),
      width(std::max(0, form.ScaleWidth() - 2 * metrics.Margin)) {}

Layout::Layout(Control& container, LayoutMetrics metrics, int page)
    : form(container.Parent()), container(&container), page(page), metrics(metrics), left(metrics.Margin),
      top(InsideTop(container, metrics)), width(std::max(0, container.Width() - 2 * metrics.Margin)) {}

void Layout::Place(Control& control, int x, int y, int w, int h) {
    control.SetContainer(container, page);
    control.Move(x, y, w, h);
}

Layout& Layout::Row(Control& label, Control& field, int fieldWidth) {
    return Row({{&label, metrics.LabelWidth}, {&field, fieldWidth}});
}

Layout& Layout::Row(std::initializer_list<Cell> cells, int height) {
    int rowHeight = height > 0 ? height : metrics.RowHeight;
    int fixed = 0;
    int flexible = 0;
    for (const Cell& cell : cells) {
        fixed += cell.width;
        flexible += cell.width == 0 ? 1 : 0;
    }
    int gaps = static_cast<int>(cells.size() - 1) * metrics.Gap;
    int share = flexible == 0 ? 0 : std::max(0, width - fixed - gaps) / flexible;
    int x = left;
    for (const Cell& cell : cells) {
        int w = cell.width == 0 ? share : cell.width;
        Place(*cell.control, x, top, w, rowHeight);
        x += w + metrics.Gap;
    }
    top += rowHeight + metrics.RowGap;
    return *this;
}

Layout& Layout::Full(Control& control, int height) {
    int h = height > 0 ? height : metrics.RowHeight;
    Place(control, left, top, width, h);
    top += h + metrics.RowGap;
    return *this;
}

Layout& Layout::Buttons(std::initializer_list<Control*> buttons) {
    int count = static_cast<int>(buttons.size());
    int x = left + width - count * metrics.ButtonWidth - (count - 1) * metrics.Gap;
    for (Control* button : buttons) {
        Place(*button, x, top, metrics.ButtonWidth, metrics.ButtonHeight);
        x += metrics.ButtonWidth + metrics.Gap;
    }
    top += metrics.ButtonHeight + metrics.RowGap;
    return *this;
}

Layout& Layout::Group(Control& frame, const std::function<void(Layout& inside)>& fill) {
    Place(frame, left, top, width, metrics.RowHeight);
    Layout inside(frame, metrics);
    fill(inside);
    frame.SetHeight(inside.UsedHeight());
    top += frame.Height() + metrics.RowGap;
    return *this;
}

Layout& Layout::Skip(int twips) {
    top += twips;
    return *this;
}

void Layout::FitFormHeight() {
    if (container == nullptr)
        form.SetInnerSize(form.ScaleWidth(), UsedHeight());
}

} // namespace forms
