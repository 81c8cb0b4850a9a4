#include "gui/QtHost.h"

#include "gui/Conversions.h"
#include "gui/FormWindow.h"
#include "gui/MenuItems.h"
#include "platform/forms/Controls.h"
#include "platform/forms/FormsContext.h"

#include <QApplication>
#include <QCursor>
#include <QDir>
#include <QEventLoop>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <map>
#include <optional>

namespace gui {

// Follows the windows whose timers run, so that a new Interval takes effect at once.
class QtHost::TimerWatch : public forms::FormObserver {
public:
    explicit TimerWatch(QtHost& host) : host(host) {}
    void Watch(forms::Form& form) {
        if (counts[&form]++ == 0)
            form.AddObserver(this);
    }
    void Unwatch(forms::Form& form) {
        auto found = counts.find(&form);
        if (found == counts.end() || --found->second > 0)
            return;
        counts.erase(found);
        form.RemoveObserver(this);
    }
    void FormChanged(forms::Form&, std::string_view) override {}
    void ControlChanged(forms::Control& control, std::string_view property) override {
        if (control.Kind() == forms::ControlKind::Timer && property == "Interval")
            host.TimerChanged(static_cast<forms::Timer&>(control));
    }
    void ControlAdded(forms::Control&) override {}
    void ControlRemoved(forms::Control&) override {}

private:
    QtHost& host;
    std::map<forms::Form*, int> counts;
};

QtHost::QtHost() : timerWatch(std::make_unique<TimerWatch>(*this)), screenWatch(std::make_unique<QObject>()) {
    for (QScreen* screen : QGuiApplication::screens())
        WatchScreen(screen);
    QObject::connect(qApp, &QGuiApplication::screenAdded, screenWatch.get(), [this](QScreen* screen) {
        WatchScreen(screen);
        DisplayChanged();
    });
    QObject::connect(qApp, &QGuiApplication::screenRemoved, screenWatch.get(), [this](QScreen*) { DisplayChanged(); });
    QObject::connect(qApp, &QGuiApplication::primaryScreenChanged, screenWatch.get(),
                     [this](QScreen*) { DisplayChanged(); });
}

QtHost::~QtHost() {
    for (auto& [timer, qtimer] : timers)
        timerWatch->Unwatch(timer->Parent());
    ReleaseWindows();
}

// Message boxes

namespace {

QString ButtonText(int answer) {
    switch (answer) {
    case forms::vbCancel:
        return QStringLiteral("Cancel");
    case forms::vbAbort:
        return QStringLiteral("&Abort");
    case forms::vbRetry:
        return QStringLiteral("&Retry");
    case forms::vbIgnore:
        return QStringLiteral("&Ignore");
    case forms::vbYes:
        return QStringLiteral("&Yes");
    case forms::vbNo:
        return QStringLiteral("&No");
    default:
        return QStringLiteral("OK");
    }
}

QMessageBox::Icon IconOf(int icon) {
    switch (icon) {
    case forms::vbCritical:
        return QMessageBox::Critical;
    case forms::vbQuestion:
        return QMessageBox::Question;
    case forms::vbExclamation:
        return QMessageBox::Warning;
    case forms::vbInformation:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

} // namespace

int QtHost::MsgBox(const forms::MessageBoxRequest& request) {
    // The box lives on the heap: the window it is shown over may be unloaded while it is open, and takes the box
    // with it.
    QWidget* owner = QApplication::activeWindow();
    QPointer<QMessageBox> box = new QMessageBox(owner != nullptr && owner->isVisible() ? owner : nullptr);
    box->setWindowTitle(ToQString(request.Title.empty() ? forms::ProgramTitle : request.Title));
    box->setText(ToQString(request.Prompt));
    box->setTextFormat(Qt::PlainText);
    box->setIcon(IconOf(request.Icon()));
    box->setWindowModality(Qt::ApplicationModal);
    // Every button in the order the platform puts them; Escape and the close box answer Cancel where there is
    // one, OK on an OK-only box, and nothing else (a Yes/No question must be answered).
    std::map<QAbstractButton*, int> answers;
    for (int answer : request.Answers()) {
        QPushButton* button = box->addButton(ButtonText(answer), QMessageBox::ActionRole);
        answers[button] = answer;
        if (answer == request.DefaultAnswer())
            box->setDefaultButton(button);
        if (answer == forms::vbCancel || request.ButtonSet() == forms::vbOKOnly)
            box->setEscapeButton(button);
    }
    std::optional<int> chosen;
    QObject::connect(box.data(), &QMessageBox::buttonClicked, box.data(), [&answers, &chosen](QAbstractButton* button) {
        auto found = answers.find(button);
        if (found != answers.end())
            chosen = found->second;
    });
    box->exec();
    delete box.data();
    if (chosen)
        return *chosen;
    return request.Offers(forms::vbCancel) ? forms::vbCancel : request.DefaultAnswer();
}

// Windows

void QtHost::ReleaseWindows() {
    std::map<const forms::Form*, FormWindow*> remaining;
    remaining.swap(windows);
    for (auto& [form, window] : remaining)
        delete window;
}

FormWindow* QtHost::WindowOf(const forms::Form& form) const {
    auto found = windows.find(&form);
    return found == windows.end() ? nullptr : found->second;
}

FormWindow* QtHost::MainWindow() const {
    for (auto& [form, window] : windows)
        if (window->Kind() == WindowKind::MainWindow && window->Attached())
            return window;
    return nullptr;
}

WindowKind QtHost::KindFor(const forms::Form& form, bool modal) const {
    if (form.MDIContainer())
        return WindowKind::MainWindow;
    if (modal)
        return WindowKind::Dialog;
    if (form.MDIChild() && MainWindow() != nullptr)
        return WindowKind::MdiChild;
    return WindowKind::TopLevel;
}

namespace {

// Whether a window built as one kind can be shown as the other: a dialog and a window of its own share their frame,
// an MDI child and the main window have frames of their own.
bool SameFrame(WindowKind built, WindowKind wanted) {
    auto frame = [](WindowKind kind) { return kind == WindowKind::Dialog ? WindowKind::TopLevel : kind; };
    return frame(built) == frame(wanted);
}

} // namespace

FormWindow& QtHost::BindAs(forms::Form& form, WindowKind kind) {
    if (FormWindow* existing = WindowOf(form)) {
        if (SameFrame(existing->Kind(), kind))
            return *existing;
        existing->Detach();
    }
    auto* window = new FormWindow(*this, form, kind);
    windows[&form] = window;
    return *window;
}

FormWindow& QtHost::Bind(forms::Form& form) { return BindAs(form, KindFor(form, false)); }

void QtHost::ShowModeless(forms::Form& form) {
    FormWindow& window = BindAs(form, KindFor(form, false));
    window.ShowAs(KindFor(form, false));
}

void QtHost::RunModal(forms::Form& form) {
    FormWindow& window = BindAs(form, KindFor(form, true));
    window.ShowAs(KindFor(form, true));
    WaitWhileOpen(form, true);
}

void QtHost::RunUntilUnloaded(forms::Form& form) { WaitWhileOpen(form, false); }

void QtHost::WaitWhileOpen(forms::Form& form, bool visibleToo) {
    QEventLoop loop;
    modalLoops[&form].push_back(&loop);
    // The form stays alive meanwhile: its show holds it.
    while (form.IsLoaded() && (form.Visible() || !visibleToo))
        loop.exec();
    auto& loops = modalLoops[&form];
    loops.erase(std::remove(loops.begin(), loops.end(), &loop), loops.end());
    if (loops.empty())
        modalLoops.erase(&form);
}

void QtHost::WindowClosed(forms::Form& form) {
    auto found = modalLoops.find(&form);
    if (found == modalLoops.end())
        return;
    for (QEventLoop* loop : found->second)
        loop->quit();
}

void QtHost::WindowReleased(forms::Form& form) {
    auto found = windows.find(&form);
    if (found == windows.end())
        return;
    found->second->deleteLater();
    windows.erase(found);
}

// Timers

void QtHost::StartTimer(forms::Timer& timer) {
    auto& qtimer = timers[&timer];
    if (qtimer == nullptr) {
        qtimer = std::make_unique<QTimer>();
        timerWatch->Watch(timer.Parent());
        QObject::connect(qtimer.get(), &QTimer::timeout, qtimer.get(),
                         [&timer] { timer.Parent().Context().Dispatch([&timer] { timer.Tick(); }); });
    }
    qtimer->start(timer.Interval());
}

void QtHost::StopTimer(forms::Timer& timer) {
    auto found = timers.find(&timer);
    if (found == timers.end())
        return;
    timerWatch->Unwatch(timer.Parent());
    // The timer may be stopped from its own tick: let the QTimer go once that returns.
    found->second->stop();
    found->second.release()->deleteLater();
    timers.erase(found);
}

void QtHost::TimerChanged(forms::Timer& timer) {
    auto found = timers.find(&timer);
    if (found != timers.end() && timer.Interval() > 0)
        found->second->start(timer.Interval());
}

// Pop-up menus

void QtHost::PopupMenu(forms::Menu& menu) {
    QMenu popup;
    MenuActions actions;
    forms::Menu* chosen = nullptr;
    forms::Form& form = menu.Parent();
    const std::shared_ptr<forms::Form> keep = form.weak_from_this().lock();
    // The items are those of the window as it was loaded when the menu opened. A handler that ran meanwhile (a
    // sub-menu's, a timer's) may have unloaded it, which resets them or, elements of a control array, destroys them.
    const unsigned loading = form.Generation();
    auto current = [&form, loading] { return form.Generation() == loading; };
    // A pop-up menu is usually a hidden item of the menu bar: its items count as shown while it is open.
    auto click = [current](forms::Menu& item) {
        if (current() && item.Visible() && item.Enabled())
            item.Parent().Context().Dispatch([&item] { item.Raise(item.Click); });
    };
    AddMenuItems(nullptr, &popup, menu.Items(), actions, [&chosen, click, current](forms::Menu& item) {
        if (!current())
            return false;
        if (!item.Items().empty()) {
            // A sub-menu opening is its item's Click, at once.
            click(item);
            return true;
        }
        // The chosen item's Click runs once the menu has closed, as the platform did.
        chosen = &item;
        return false;
    });
    popup.exec(QCursor::pos());
    if (chosen != nullptr)
        click(*chosen);
}

// The program's place

bool QtHost::PrevInstance() {
    if (instanceLock == nullptr) {
        // One copy per user of the workstation.
        QString name = QStringLiteral("tessun-nurse-%1.lock").arg(qEnvironmentVariable("USER", QStringLiteral("user")));
        instanceLock = std::make_unique<QLockFile>(QDir::temp().filePath(name));
        instanceLock->setStaleLockTime(0);
        instanceLock->tryLock(0);
    }
    return !instanceLock->isLocked();
}

std::string QtHost::AppPath() { return ToUtf8(QCoreApplication::applicationDirPath()); }

// The display

forms::WorkArea QtHost::WorkArea() {
    QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return {};
    QRect area = screen->availableGeometry();
    return forms::WorkArea{PixelsToTwips(area.left()), PixelsToTwips(area.top()), PixelsToTwips(area.width()),
                           PixelsToTwips(area.height())};
}

void QtHost::WatchScreen(QScreen* screen) {
    QObject::connect(screen, &QScreen::availableGeometryChanged, screenWatch.get(), [this] { DisplayChanged(); });
}

// The end

void QtHost::End() {
    std::fflush(nullptr);
    std::cout.flush();
    std::cerr.flush();
    std::_Exit(EndExitStatus);
}

} // namespace gui
