#pragma once

#include <QImage>

class QWidget;

#include <string>

namespace forms {
class Form;
}

namespace gui {

class QtHost;

// Renders a loaded window as the user would see it (without the window manager's frame), showing it first if it
// is not shown. Works under the offscreen platform, so the look of each window can be checked by its picture.
QImage RenderForm(QtHost& host, forms::Form& form);
// The same, saved as a PNG file; false when the file could not be written.
bool SaveScreenshot(QtHost& host, forms::Form& form, const std::string& path);
// A widget of the binding's own that is no window of the program (the announcer's figure), as it is drawn now.
bool SaveScreenshot(QWidget& widget, const std::string& path);

} // namespace gui
