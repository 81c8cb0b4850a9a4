#pragma once

#include "platform/forms/Host.h"

#include <QLockFile>
#include <QObject>

#include <map>
#include <memory>
#include <string>
#include <vector>

class QEventLoop;
class QMainWindow;
class QScreen;
class QTimer;

namespace forms {
class Control;
}

namespace gui {

class FormWindow;
enum class WindowKind;

// The host of the desktop: windows as Qt widgets, modal shows as nested event loops, message boxes as
// QMessageBox, timers on QTimer. One per run of the program, made after the QApplication.
class QtHost : public forms::Host {
public:
    QtHost();
    ~QtHost() override;

    int MsgBox(const forms::MessageBoxRequest& request) override;
    void ShowModeless(forms::Form& form) override;
    void RunModal(forms::Form& form) override;
    void RunUntilUnloaded(forms::Form& form) override;
    void StartTimer(forms::Timer& timer) override;
    void StopTimer(forms::Timer& timer) override;
    void PopupMenu(forms::Menu& menu) override;
    bool PrevInstance() override;
    std::string AppPath() override;
    // The primary screen's available geometry (the desktop less panels and task bars), 15 twips a pixel.
    forms::WorkArea WorkArea() override;
    // Flushes standard output and error and ends the process at once with EndExitStatus: no window hears
    // QueryUnload or Unload, no destructor runs, nothing is released one by one.
    [[noreturn]] void End() override;
    static constexpr int EndExitStatus = 1;

    // Text the main window's title carries after the window's own caption (the sample ward says so there).
    void SetTitleMark(std::string mark) { titleMark = std::move(mark); }
    const std::string& TitleMark() const { return titleMark; }

    // The main window (the shown window that is an MDI container), whose MDI area holds the MDI child windows.
    FormWindow* MainWindow() const;

    // Lets every window's widgets go while the windows themselves still exist. The application calls it before its
    // registry of windows goes away, which does not unload them one by one.
    void ReleaseWindows();

    // The widgets of a shown window, or nullptr.
    FormWindow* WindowOf(const forms::Form& form) const;
    // Builds the widgets of a loaded window without showing it (screenshots, benchmarks).
    FormWindow& Bind(forms::Form& form);

    // For the binding: the window was hidden or unloaded (its modal loop ends), or let go.
    void WindowClosed(forms::Form& form);
    void WindowReleased(forms::Form& form);
    // A timer's Interval changed while it runs.
    void TimerChanged(forms::Timer& timer);

private:
    class TimerWatch;

    FormWindow& BindAs(forms::Form& form, WindowKind kind);
    // Runs an event loop while the window stays loaded (and, when visibleToo, shown).
    void WaitWhileOpen(forms::Form& form, bool visibleToo);
    WindowKind KindFor(const forms::Form& form, bool modal) const;
    void WatchScreen(QScreen* screen);

    std::map<const forms::Form*, FormWindow*> windows;
    std::map<const forms::Form*, std::vector<QEventLoop*>> modalLoops;
    std::map<forms::Timer*, std::unique_ptr<QTimer>> timers;
    std::unique_ptr<TimerWatch> timerWatch;
    std::unique_ptr<QLockFile> instanceLock;
    std::string titleMark;
    // Receives the screens' signals while the host lives.
    std::unique_ptr<QObject> screenWatch;
};

} // namespace gui
