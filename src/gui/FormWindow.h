#pragma once

#include "gui/ControlView.h"
#include "platform/forms/Form.h"

#include <QMdiArea>
#include <QMenuBar>
#include <QObject>
#include <QPointer>

#include <functional>
#include <map>
#include <memory>
#include <unordered_map>
#include <vector>

class QAction;
class QKeyEvent;
class QMouseEvent;
class QVBoxLayout;

namespace forms {
class Menu;
}

namespace gui {

class QtHost;

// How a window is shown: a window of its own, a modal dialog, a child in the main window's MDI area, or the main
// window itself.
enum class WindowKind { TopLevel, Dialog, MdiChild, MainWindow };

// The widgets of one loaded window and the binding that keeps them and the model in step: what the model changes
// shows at once, what the user does goes through the model's input path (keys, clicks, focus, closing). Built
// when the window is first shown after loading, torn down when it unloads.
class FormWindow : public QObject, private forms::FormObserver {
public:
    FormWindow(QtHost& host, forms::Form& form, WindowKind kind);
    ~FormWindow() override;

    forms::Form& Model() const { return form; }
    WindowKind Kind() const { return kind; }
    // The window the user sees, and the form's inner area where its controls sit.
    QWidget* TopLevel() const { return top; }
    QWidget* ClientArea() const { return client; }
    // The main window's MDI area (only for the main window).
    QMdiArea* MdiArea() const { return mdiArea; }
    QWidget* WidgetOf(const forms::Control& control) const;

    // Shows the window as the model wants it: modeless, or as a modal dialog (which may change its kind).
    void ShowAs(WindowKind wanted);

    // Runs a call into the model from an event of the display; nothing it throws reaches the event loop.
    void Guard(const std::function<void()>& call);
    // Lets the window's widgets go and tells the host the binding is done (the window unloaded, or it must be
    // shown in another frame).
    void Detach();
    // Whether the binding still speaks for a loaded window (it goes quiet once the window unloads).
    bool Attached() const { return attached; }

    bool eventFilter(QObject* watched, QEvent* event) override;

    // For the views: a widget a view built (with its inner parts) belongs to that view's control.
    void Adopt(QWidget* widget, ControlView& view);
    // The user clicked a button-like control.
    void ClickedByUser(forms::Control& control);

private:
    void FormChanged(forms::Form& changed, std::string_view property) override;
    void ControlChanged(forms::Control& control, std::string_view property) override;
    void ControlAdded(forms::Control& control) override;
    void ControlRemoved(forms::Control& control) override;

    void BuildFrame();
    void BuildViews();
    void BuildView(forms::Control& control);
    void PlaceInContainer(ControlView& view);
    bool IsMainStatusBar(const forms::Control& control) const;
    void DropView(const forms::Control& control);
    void RebuildMenusLater();
    void RebuildMenus();
    void ShowMenu(forms::Menu& menu);
    void ShowFormProperty(std::string_view property);
    void ApplyWindowFlags();
    void ApplyGeometry();
    void ShowActiveControl();
    void ShowPicture();

    bool FilterTopLevel(QEvent* event);
    bool FilterControl(ControlView& view, QObject* part, QEvent* event);
    static bool KeepsMouse(const ControlView& view);
    void KeyPressed(forms::Control& target, QKeyEvent& event);
    void RaiseMouse(forms::Control& control, const forms::Event<int, int, float, float>& event,
                    const QMouseEvent& mouse);
    void ClientResized();
    bool ClaimFromShortcuts(QKeyEvent& event) const;
    bool IsAccessKey(int KeyCode) const;
    void WindowMoved();

    QtHost& host;
    forms::Form& form;
    WindowKind kind;
    bool attached = true;
    QPointer<QWidget> top;
    QPointer<QWidget> client;
    QPointer<QMenuBar> menuBar;
    QPointer<QMdiArea> mdiArea;
    QVBoxLayout* mainLayout = nullptr; // the main window's: its own controls, the child windows, the status bar
    std::map<const forms::Control*, std::unique_ptr<ControlView>> views;
    std::unordered_map<QObject*, ControlView*> widgetOwners;
    std::vector<std::unique_ptr<ControlView>> retired;
    std::map<const forms::Menu*, QPointer<QAction>> menuActions;
    bool menuRebuildPending = false;
    bool placedOnce = false;
};

} // namespace gui
