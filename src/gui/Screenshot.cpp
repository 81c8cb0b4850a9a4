#include "gui/Screenshot.h"

#include "gui/Conversions.h"
#include "gui/FormWindow.h"
#include "gui/QtHost.h"
#include "platform/forms/Form.h"

#include <QApplication>
#include <QPixmap>

namespace gui {

QImage RenderForm(QtHost& host, forms::Form& form) {
    if (!form.Visible())
        form.Show();
    FormWindow& window = host.Bind(form);
    QApplication::processEvents();
    QWidget* shown = window.TopLevel();
    if (shown == nullptr)
        return {};
    return shown->grab().toImage();
}

bool SaveScreenshot(QtHost& host, forms::Form& form, const std::string& path) {
    QImage image = RenderForm(host, form);
    return !image.isNull() && image.save(ToQString(path), "PNG");
}

bool SaveScreenshot(QWidget& widget, const std::string& path) {
    QApplication::processEvents();
    QImage image = widget.grab().toImage();
    return !image.isNull() && image.save(ToQString(path), "PNG");
}

} // namespace gui
