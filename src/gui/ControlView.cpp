#include "gui/ControlView.h"

#include "gui/Conversions.h"
#include "gui/FormWindow.h"
#include "platform/forms/Form.h"

namespace gui {

ControlView::ControlView(forms::Control& control, FormWindow& window) : control(control), window(window) {}

ControlView::~ControlView() = default;

void ControlView::SetWidget(QWidget* shown) {
    widget = shown;
    window.Adopt(shown, *this);
}

bool ControlView::TakeFocus() {
    if (!control.CanHoldFocus() || !control.TabStop())
        return true;
    return control.Parent().MoveFocus(control) && control.Parent().IsLoaded();
}

void ControlView::Changed(std::string_view property) {
    if (widget == nullptr)
        return;
    Write([&] {
        ShowCommon(property);
        Show(property);
    });
}

void ControlView::ShowCommon(std::string_view property) {
    if (Is(property, "Left") || Is(property, "Top") || Is(property, "Width") || Is(property, "Height"))
        widget->setGeometry(TwipsToPixels(control.Left()), TwipsToPixels(control.Top()), TwipsToPixels(control.Width()),
                            TwipsToPixels(control.Height()));
    if (Is(property, "Visible"))
        widget->setVisible(control.Visible());
    if (Is(property, "Enabled"))
        widget->setEnabled(control.Enabled());
    if (Is(property, "ToolTipText"))
        widget->setToolTip(ToQString(control.ToolTipText()));
    if (property == "Refresh")
        widget->update();
}

} // namespace gui
