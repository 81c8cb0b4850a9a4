#pragma once

#include "platform/forms/Control.h"

#include <QMouseEvent>
#include <QPointer>
#include <QWidget>

#include <memory>
#include <string>
#include <string_view>

namespace gui {

class FormWindow;

// One control of the model shown as one widget. The base keeps what every control has (geometry, visibility,
// enabling, tool tip) in step; each kind adds its own properties in Show and wires what the user does back into the
// model through its FormWindow. A new control kind adds a view class and one line in MakeControlView.
class ControlView {
public:
    ControlView(forms::Control& control, FormWindow& window);
    ControlView(const ControlView&) = delete;
    ControlView& operator=(const ControlView&) = delete;
    virtual ~ControlView();

    forms::Control& Model() const { return control; }
    FormWindow& Window() const { return window; }
    QWidget* Widget() const { return widget; }
    // Where the controls this one contains are placed (a page of a tab control chooses by page).
    virtual QWidget* ChildArea(int page) {
        (void)page;
        return widget;
    }

    // Brings the widget in line with a property the model changed; "*" is all of them.
    void Changed(std::string_view property);
    // Whether the widget must be built anew for this change (a text box turning multi-line).
    virtual bool NeedsRebuild(std::string_view property) const {
        (void)property;
        return false;
    }
    // Whether a mouse click on the widget is a Click of the control; buttons report their own clicks instead.
    virtual bool ClicksOnRelease() const { return true; }
    // Text typed that no key of the keyboard table gives (an accented letter); only text boxes take it.
    virtual void TypeText(const std::string& text) { (void)text; }
    // Ctrl+C, Ctrl+X and Ctrl+V after the model heard the keys; only text boxes act on them.
    virtual void ClipboardKey(int KeyCode) { (void)KeyCode; }
    // A press of a mouse button on one of the widget's parts; true when the view raised MouseDown itself (a grid
    // first works out the cell under the mouse).
    virtual bool MouseDownByUser(QObject* part, const QMouseEvent& mouse) {
        (void)part;
        (void)mouse;
        return false;
    }
    // A click at a point of one of the widget's parts, inside the model's dispatch; true when the view passed it on
    // to the model as a click on one of its lines or tabs, false to let it count as a Click of the whole control.
    virtual bool ClickByUser(QObject* part, QPoint at) {
        (void)part;
        (void)at;
        return false;
    }

protected:
    // The derived view hands over its widget once built; the form window parents and places it.
    void SetWidget(QWidget* shown);
    // The kind's own properties.
    virtual void Show(std::string_view property) { (void)property; }
    // True while the view writes to the widget, so signals it raises are not taken for the user's doing.
    bool Writing() const { return writing > 0; }
    // Moves the focus here as a click does; false when the control that has it refused to let it go.
    bool TakeFocus();
    template <class F> void Write(F&& write) {
        ++writing;
        write();
        --writing;
    }

private:
    void ShowCommon(std::string_view property);

    forms::Control& control;
    FormWindow& window;
    QPointer<QWidget> widget;
    int writing = 0;
};

// The view of a control, or nullptr for a kind that has no widget (timers, menus) or none yet.
std::unique_ptr<ControlView> MakeControlView(forms::Control& control, FormWindow& window);

// Whether a property name stands for the one asked or for all of them.
inline bool Is(std::string_view property, std::string_view name) { return property == name || property == "*"; }

} // namespace gui
