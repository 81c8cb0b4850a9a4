#pragma once

#include <string>
#include <vector>

namespace reports {

// A laid-out report as plain data. Coordinates are points (1/72 inch) from the page's top left corner; y grows
// downwards. A painter needs nothing else to draw it: text in a sans-serif face with Helvetica's widths (Arial,
// Liberation Sans) at the run's size in points, bold where asked, the top of the font's ascent at the top of the
// line box; the layout measured the text with those widths (TextWidth), so it fits its box.

enum class Align { Left, Center, Right };

// One run of text on one line. (x, y) is the top left corner of its line box, which is LineHeight(size) high and
// width wide; the text sits in that box as align says. A width of 0 means the run may extend as far as it needs
// (only with Align::Left).
struct TextRun {
    double x = 0;
    double y = 0;
    double width = 0;
    std::string text;
    double size = 10;
    bool bold = false;
    Align align = Align::Left;
};

// A straight line from (x1, y1) to (x2, y2), thickness in points.
struct Rule {
    double x1 = 0;
    double y1 = 0;
    double x2 = 0;
    double y2 = 0;
    double thickness = 0.5;
};

struct Page {
    int number = 1; // from 1
    std::vector<TextRun> texts;
    std::vector<Rule> rules;
};

// An entry of the viewer's group tree: a group heading and the page where it starts.
struct GroupEntry {
    std::string text;
    int page = 1;
};

struct Document {
    std::string title;
    double width = 612; // US letter, portrait
    double height = 792;
    std::vector<Page> pages;
    std::vector<GroupEntry> groups;

    // Every text of the document in reading order (page by page, top to bottom, left to right), one run a line.
    std::string PlainText() const;
};

inline double LineHeight(double size) { return size * 1.2; }

} // namespace reports
