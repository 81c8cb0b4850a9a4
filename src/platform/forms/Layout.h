#pragma once

#include "platform/forms/Control.h"

#include <functional>
#include <initializer_list>

namespace forms {

class Form;

// Sizes the layout helper works with, in twips.
struct LayoutMetrics {
    int Margin = 120;    // from the container's edge to the first control
    int Gap = 120;       // between controls side by side
    int RowGap = 60;     // between rows
    int RowHeight = 315; // a text box, a label, a check box
    int LabelWidth = 1500;
    int ButtonWidth = 1215;
    int ButtonHeight = 375;
    int FrameCaption = 240; // a frame's caption band above its first row
};

// One control of a row and its width; 0 takes what the row has left.
struct Cell {
    Control* control;
    int width = 0;
};

// Places controls from the top of a container down, so that windows compute their coordinates instead of typing
// them: rows of label and field, full-width controls (grids), button rows, and frames, picture boxes or tab pages
// with their own rows inside. Positions are relative to the container, as the controls keep them.
class Layout {
public:
    // The form's inner area.
    Layout(Form& form, LayoutMetrics metrics = {});
    // A container control (frame, picture box), or one page of a tab control.
    Layout(Control& container, LayoutMetrics metrics = {}, int page = -1);

    // A label and its field on one row; the field takes fieldWidth or the rest of the row.
    Layout& Row(Control& label, Control& field, int fieldWidth = 0);
    // Several controls side by side; height 0 is the row height.
    Layout& Row(std::initializer_list<Cell> cells, int height = 0);
    // One control across the whole width (a grid, a list), height 0 is the row height.
    Layout& Full(Control& control, int height = 0);
    // Buttons of the standard size, right-aligned on one row.
    Layout& Buttons(std::initializer_list<Control*> buttons);
    // A frame across the width whose inside is laid out by fill; the frame takes the height its rows need.
    Layout& Group(Control& frame, const std::function<void(Layout& inside)>& fill);
    Layout& Skip(int twips);

    int Left() const { return left; }
    int Width() const { return width; }
    // Where the next row starts.
    int Top() const { return top; }
    // The height used so far, with the bottom margin.
    int UsedHeight() const { return top - metrics.RowGap + metrics.Margin; }
    // Makes the form's inner area tall enough for what was placed (only for a layout of the form).
    void FitFormHeight();

private:
    void Place(Control& control, int x, int y, int w, int h);

    Form& form;
    Control* container;
    int page;
    LayoutMetrics metrics;
    int left;
    int top;
    int width;
};

} // namespace forms
