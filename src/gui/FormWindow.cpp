#include "gui/FormWindow.h"

#include "gui/Conversions.h"
#include "gui/MenuItems.h"
#include "gui/QtHost.h"
#include "platform/forms/Controls.h"
#include "platform/forms/FormsContext.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHash>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace gui {

namespace {

// A window's picture fills its background whatever the window's size: scaled to cover it, proportions kept, what
// overhangs cut off evenly on both sides.
void DrawCovering(QPainter& painter, const QRect& area, const QPixmap& picture) {
    if (picture.isNull() || area.isEmpty())
        return;
    QRect target(QPoint(0, 0), picture.size().scaled(area.size(), Qt::KeepAspectRatioByExpanding));
    target.moveCenter(area.center());
    painter.drawPixmap(target, picture);
}

// The form's inner area: its size hint is the size the model gives, so frames around it (an MDI sub-window) take
// the right size; each time it is drawn the window hears Paint, and what the window's Paint handler drew is drawn
// over the background.
class InnerArea : public QWidget {
public:
    using PaintHandler = std::function<std::vector<forms::PaintedPicture>()>;
    explicit InnerArea(PaintHandler painted) : painted(std::move(painted)) {}
    QSize sizeHint() const override { return wanted; }
    void Want(QSize size) {
        wanted = size;
        updateGeometry();
    }
    void SetPicture(QPixmap value) {
        picture = std::move(value);
        update();
    }

protected:
    void paintEvent(QPaintEvent* event) override {
        QWidget::paintEvent(event);
        QPainter painter(this);
        DrawCovering(painter, rect(), picture);
        for (const forms::PaintedPicture& drawn : painted())
            painter.drawPixmap(TwipsToPixels(drawn.X), TwipsToPixels(drawn.Y), PixmapOf(drawn.Picture));
    }

private:
    // A file the display cannot read draws nothing.
    const QPixmap& PixmapOf(const forms::Picture& drawn) {
        QString path = ToQString(drawn.Path);
        auto found = pictures.constFind(path);
        if (found == pictures.constEnd())
            found = pictures.insert(path, drawn.IsEmpty() ? QPixmap() : QPixmap(path));
        return *found;
    }

    PaintHandler painted;
    QSize wanted;
    QPixmap picture;
    QHash<QString, QPixmap> pictures;
};

// The main window's area for its child windows, with the window's picture behind them.
class PictureMdiArea : public QMdiArea {
public:
    void SetPicture(QPixmap value) {
        picture = std::move(value);
        viewport()->update();
    }

protected:
    void paintEvent(QPaintEvent* event) override {
        QMdiArea::paintEvent(event);
        QPainter painter(viewport());
        DrawCovering(painter, viewport()->rect(), picture);
    }

private:
    QPixmap picture;
};

} // namespace

FormWindow::FormWindow(QtHost& host, forms::Form& form, WindowKind kind) : host(host), form(form), kind(kind) {
    BuildFrame();
    BuildViews();
    RebuildMenus();
    ShowFormProperty("*");
    form.AddObserver(this);
}

FormWindow::~FormWindow() {
    if (attached)
        form.RemoveObserver(this);
    delete top;
}

QWidget* FormWindow::WidgetOf(const forms::Control& control) const {
    auto found = views.find(&control);
    return found == views.end() ? nullptr : found->second->Widget();
}

void FormWindow::Guard(const std::function<void()>& call) {
    if (attached)
        form.Context().Dispatch(call);
}

// Building

void FormWindow::BuildFrame() {
    client = new InnerArea([this] {
        std::vector<forms::PaintedPicture> drawn;
        Guard([this, &drawn] {
            form.RaisePaint();
            drawn = form.PaintedPictures();
        });
        return drawn;
    });
    client->setAutoFillBackground(true);
    client->setFocusPolicy(Qt::NoFocus);
    client->installEventFilter(this);

    if (kind == WindowKind::MainWindow) {
        auto* main = new QMainWindow;
        menuBar = main->menuBar();
        auto* central = new QWidget;
        auto* layout = new QVBoxLayout(central);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(0);
        layout->addWidget(client);
        mdiArea = new PictureMdiArea;
        mdiArea->setBackground(QApplication::palette().color(QPalette::Mid));
        layout->addWidget(mdiArea, 1);
        mainLayout = layout;
        main->setCentralWidget(central);
        top = main;
    } else {
        auto* frame = new QWidget;
        auto* layout = new QVBoxLayout(frame);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(0);
        menuBar = new QMenuBar;
        layout->setMenuBar(menuBar);
        layout->addWidget(client, 1);
        top = frame;
        FormWindow* main = host.MainWindow();
        if (kind == WindowKind::MdiChild && main != nullptr && main->MdiArea() != nullptr) {
            auto* sub = main->MdiArea()->addSubWindow(frame);
            sub->setAttribute(Qt::WA_DeleteOnClose, false);
            top = sub;
        } else if (kind == WindowKind::MdiChild) {
            kind = WindowKind::TopLevel;
        }
    }
    top->installEventFilter(this);
    ApplyWindowFlags();
}

void FormWindow::BuildViews() {
    for (forms::Control* control : form.Controls())
        BuildView(*control);
    // Containers may come after what they hold: place everything once all widgets exist.
    for (auto& [control, view] : views)
        PlaceInContainer(*view);
    for (auto& [control, view] : views)
        view->Changed("*");
}

void FormWindow::BuildView(forms::Control& control) {
    std::unique_ptr<ControlView> view = MakeControlView(control, *this);
    if (view == nullptr || view->Widget() == nullptr)
        return;
    view->Widget()->setParent(client);
    views[&control] = std::move(view);
}

void FormWindow::Adopt(QWidget* widget, ControlView& view) {
    widget->setFocusPolicy(Qt::NoFocus);
    widget->installEventFilter(this);
    widgetOwners[widget] = &view;
    for (QWidget* inner : widget->findChildren<QWidget*>()) {
        inner->setFocusPolicy(Qt::NoFocus);
        inner->installEventFilter(this);
        widgetOwners[inner] = &view;
    }
}

// The main window's status bar stands along its bottom edge, below the child windows, as the platform aligns it.
bool FormWindow::IsMainStatusBar(const forms::Control& control) const {
    return kind == WindowKind::MainWindow && control.Container() == nullptr &&
           control.Kind() == forms::ControlKind::StatusBar;
}

void FormWindow::PlaceInContainer(ControlView& view) {
    forms::Control* container = view.Model().Container();
    if (IsMainStatusBar(view.Model()) && mainLayout != nullptr) {
        QWidget* bar = view.Widget();
        if (mainLayout->indexOf(bar) < 0)
            mainLayout->addWidget(bar);
        bar->setFixedHeight(TwipsToPixels(view.Model().Height()));
        bar->setVisible(view.Model().Visible());
        return;
    }
    // A toolbar stands along the top edge of its window, above everything else in it.
    if (view.Model().Kind() == forms::ControlKind::Toolbar && view.Model().Container() == nullptr) {
        QWidget* bar = view.Widget();
        auto* frameLayout =
            kind == WindowKind::MainWindow ? mainLayout : qobject_cast<QVBoxLayout*>(client->parentWidget()->layout());
        if (frameLayout != nullptr && frameLayout->indexOf(bar) < 0)
            frameLayout->insertWidget(0, bar);
        bar->setVisible(view.Model().Visible());
        return;
    }
    QWidget* parent = client;
    if (container != nullptr) {
        auto found = views.find(container);
        if (found != views.end())
            parent = found->second->ChildArea(view.Model().ContainerPage());
    }
    QWidget* widget = view.Widget();
    if (widget->parentWidget() != parent) {
        bool shown = view.Model().Visible();
        widget->setParent(parent);
        widget->setVisible(shown);
    }
    if (view.Model().IsOverlay())
        widget->raise();
}

void FormWindow::DropView(const forms::Control& control) {
    auto found = views.find(&control);
    if (found == views.end())
        return;
    std::unique_ptr<ControlView> view = std::move(found->second);
    views.erase(found);
    for (auto owner = widgetOwners.begin(); owner != widgetOwners.end();)
        owner = owner->second == view.get() ? widgetOwners.erase(owner) : std::next(owner);
    if (QWidget* widget = view->Widget()) {
        widget->disconnect(this);
        widget->removeEventFilter(this);
        widget->hide();
        widget->deleteLater();
    }
    // The view may be on the stack of the event that unloaded its control: let it go once that returns.
    retired.push_back(std::move(view));
    QTimer::singleShot(0, this, [this] { retired.clear(); });
}

// Menus

void FormWindow::RebuildMenusLater() {
    if (menuRebuildPending)
        return;
    menuRebuildPending = true;
    QTimer::singleShot(0, this, [this] { RebuildMenus(); });
}

void FormWindow::RebuildMenus() {
    menuRebuildPending = false;
    if (!attached || menuBar == nullptr)
        return;
    menuBar->clear();
    for (QMenu* old : menuBar->findChildren<QMenu*>(Qt::FindDirectChildrenOnly))
        old->deleteLater();
    for (QAction* old : menuBar->findChildren<QAction*>(Qt::FindDirectChildrenOnly))
        old->deleteLater();
    menuActions.clear();
    std::vector<forms::Menu*> items = form.MenuBar();
    AddMenuItems(
        menuBar, nullptr, items, menuActions,
        [this](forms::Menu& item) {
            Guard([&item] { item.UserClick(); });
            return attached;
        },
        [this](forms::Menu& item, forms::Form& window) { Guard([&item, &window] { item.UserChooseWindow(window); }); });
    bool anyVisible = std::any_of(items.begin(), items.end(), [](forms::Menu* item) { return item->Visible(); });
    menuBar->setVisible(anyVisible);
}

void FormWindow::ShowMenu(forms::Menu& menu) {
    auto found = menuActions.find(&menu);
    if (found != menuActions.end() && found->second != nullptr)
        ShowMenuItem(*found->second, menu);
    if (menu.ParentMenu() == nullptr && menuBar != nullptr) {
        std::vector<forms::Menu*> items = form.MenuBar();
        menuBar->setVisible(std::any_of(items.begin(), items.end(), [](forms::Menu* item) { return item->Visible(); }));
    }
}

// Model to display

void FormWindow::FormChanged(forms::Form& changed, std::string_view property) {
    (void)changed;
    if (property == "Loaded" && !form.IsLoaded()) {
        Detach();
        return;
    }
    if (property == "Visible" && !form.Visible()) {
        top->hide();
        host.WindowClosed(form);
        return;
    }
    if (property == "Visible") {
        top->show();
        return;
    }
    ShowFormProperty(property);
}

void FormWindow::ShowFormProperty(std::string_view property) {
    if (Is(property, "Caption")) {
        std::string title = form.Caption();
        if (kind == WindowKind::MainWindow)
            title += host.TitleMark();
        top->setWindowTitle(ToQString(title));
        if (auto* sub = qobject_cast<QMdiSubWindow*>(top.data()))
            sub->widget()->setWindowTitle(top->windowTitle());
    }
    if (Is(property, "Geometry"))
        ApplyGeometry();
    if (Is(property, "Enabled"))
        client->setEnabled(form.Enabled());
    if (Is(property, "ControlBox") || Is(property, "BorderStyle"))
        ApplyWindowFlags();
    if (property == "BorderStyle")
        ApplyGeometry();
    if (Is(property, "BackColor")) {
        QPalette palette = client->palette();
        palette.setColor(QPalette::Window, ToQColor(form.BackColor(), QApplication::palette()));
        client->setPalette(palette);
    }
    if (Is(property, "Picture"))
        ShowPicture();
    if (Is(property, "MousePointer")) {
        if (form.MousePointer() == forms::vbHourglass)
            top->setCursor(Qt::WaitCursor);
        else
            top->unsetCursor();
    }
    if (Is(property, "WindowState") && top->isVisible()) {
        if (form.WindowState() == forms::vbMaximized)
            top->showMaximized();
        else if (form.WindowState() == forms::vbMinimized)
            top->showMinimized();
        else if (top->isMaximized() || top->isMinimized())
            top->showNormal();
    }
    if (Is(property, "ActiveControl"))
        ShowActiveControl();
    if (property == "Refresh")
        client->update();
}

namespace {

// Border styles 2 (sizable) and 5 (sizable tool window) let the user resize the window; 0 has no border at all.
bool IsSizable(int borderStyle) { return borderStyle == 2 || borderStyle == 5; }

} // namespace

void FormWindow::ApplyWindowFlags() {
    Qt::WindowFlags flags = Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (form.ControlBox())
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (form.ControlBox() && IsSizable(form.BorderStyle()) && kind != WindowKind::Dialog)
        flags |= Qt::WindowMinMaxButtonsHint;
    if (form.BorderStyle() == 0)
        flags = Qt::FramelessWindowHint;
    bool wasVisible = top->isVisible();
    switch (kind) {
    case WindowKind::Dialog:
        top->setWindowFlags(flags | Qt::Dialog);
        top->setWindowModality(Qt::ApplicationModal);
        break;
    case WindowKind::MdiChild:
        top->setWindowFlags(flags | Qt::SubWindow);
        break;
    default:
        top->setWindowFlags(flags | Qt::Window | (form.ControlBox() ? Qt::WindowMinMaxButtonsHint : Qt::WindowFlags()));
        top->setWindowModality(Qt::NonModal);
        break;
    }
    if (wasVisible)
        top->show();
}

void FormWindow::ApplyGeometry() {
    int innerWidth = TwipsToPixels(form.ScaleWidth());
    int innerHeight = TwipsToPixels(form.ScaleHeight());
    if (kind == WindowKind::MainWindow) {
        // The main window's own controls (a tool bar, a status strip) take the height they reach down to.
        int reach = 0;
        for (auto& [control, view] : views)
            if (control->Container() == nullptr && control->HasGeometry() && !IsMainStatusBar(*control))
                reach = std::max(reach, TwipsToPixels(control->Top() + control->Height()));
        client->setFixedHeight(reach);
        client->setVisible(reach > 0);
        top->resize(innerWidth, innerHeight + (menuBar->isVisible() ? menuBar->sizeHint().height() : 0));
    } else {
        // A fixed border keeps the size code gives; only code changes it.
        top->setMinimumSize(0, 0);
        top->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        int menuHeight = menuBar != nullptr && !menuBar->isHidden() ? menuBar->sizeHint().height() : 0;
        QWidget* frame = kind == WindowKind::MdiChild ? static_cast<QMdiSubWindow*>(top.data())->widget() : top.data();
        static_cast<InnerArea*>(client.data())->Want(QSize(innerWidth, innerHeight));
        frame->resize(innerWidth, innerHeight + menuHeight);
        client->resize(innerWidth, innerHeight);
        if (kind == WindowKind::MdiChild)
            top->resize(top->sizeHint());
        if (!IsSizable(form.BorderStyle()))
            top->setFixedSize(top->size());
    }
    if (kind == WindowKind::MdiChild)
        return;
    if (form.Left() != 0 || form.Top() != 0 || placedOnce) {
        top->move(TwipsToPixels(form.Left()), TwipsToPixels(form.Top()));
    } else if (QScreen* screen = QApplication::primaryScreen()) {
        QRect area = screen->availableGeometry();
        top->move(area.center() - QPoint(top->width() / 2, top->height() / 2));
    }
    placedOnce = true;
}

void FormWindow::ShowPicture() {
    // A file the display cannot read leaves the background plain, as no picture does.
    QPixmap picture = PixmapOf(form.Picture());
    if (kind == WindowKind::MainWindow && mdiArea != nullptr)
        static_cast<PictureMdiArea*>(mdiArea.data())->SetPicture(picture);
    else
        static_cast<InnerArea*>(client.data())->SetPicture(picture);
}

void FormWindow::ShowActiveControl() {
    forms::Control* active = form.ActiveControl();
    QWidget* widget = active != nullptr ? WidgetOf(*active) : nullptr;
    if (widget == nullptr)
        widget = client;
    if (QApplication::focusWidget() != widget)
        widget->setFocus(Qt::OtherFocusReason);
}

void FormWindow::ControlChanged(forms::Control& control, std::string_view property) {
    if (control.Kind() == forms::ControlKind::Menu) {
        if (property == "Container" || property == "*")
            RebuildMenusLater();
        else
            ShowMenu(static_cast<forms::Menu&>(control));
        return;
    }
    auto found = views.find(&control);
    if (found == views.end())
        return;
    if (found->second->NeedsRebuild(property)) {
        DropView(control);
        BuildView(control);
        found = views.find(&control);
        if (found == views.end())
            return;
        PlaceInContainer(*found->second);
        found->second->Changed("*");
        return;
    }
    if (property == "Container" || property == "Overlay" || property == "*")
        PlaceInContainer(*found->second);
    found->second->Changed(property);
}

void FormWindow::ControlAdded(forms::Control& control) {
    if (control.Kind() == forms::ControlKind::Menu) {
        RebuildMenusLater();
        return;
    }
    BuildView(control);
    auto found = views.find(&control);
    if (found == views.end())
        return;
    PlaceInContainer(*found->second);
    found->second->Changed("*");
}

void FormWindow::ControlRemoved(forms::Control& control) {
    if (control.Kind() == forms::ControlKind::Menu) {
        menuActions.erase(static_cast<const forms::Menu*>(&control));
        RebuildMenusLater();
        return;
    }
    DropView(control);
}

// Showing

void FormWindow::ShowAs(WindowKind wanted) {
    if (wanted != kind && (wanted == WindowKind::Dialog || wanted == WindowKind::TopLevel)) {
        kind = wanted;
        top->hide();
        ApplyWindowFlags();
    }
    if (auto* sub = qobject_cast<QMdiSubWindow*>(top.data()))
        sub->widget()->show();
    ApplyGeometry();
    top->show();
    ShowFormProperty("WindowState");
    top->raise();
    top->activateWindow();
    ShowActiveControl();
}

void FormWindow::Detach() {
    if (!attached)
        return;
    attached = false;
    form.RemoveObserver(this);
    for (auto& [control, view] : views)
        if (QWidget* widget = view->Widget())
            widget->disconnect(this);
    if (top != nullptr) {
        top->removeEventFilter(this);
        top->hide();
        if (auto* sub = qobject_cast<QMdiSubWindow*>(top.data()); sub != nullptr && sub->mdiArea() != nullptr)
            sub->mdiArea()->removeSubWindow(sub);
        top->deleteLater();
    }
    host.WindowClosed(form);
    host.WindowReleased(form);
}

// Display to model

bool FormWindow::eventFilter(QObject* watched, QEvent* event) {
    if (!attached)
        return false;
    if (watched == client && event->type() == QEvent::MouseButtonRelease)
        Guard([this] { form.Form_Click(); });
    if (watched == client && event->type() == QEvent::MouseButtonDblClick)
        Guard([this] { form.Form_DblClick(); });
    if (!attached)
        return false;
    if (watched == top || watched == client)
        return FilterTopLevel(event);
    auto owner = widgetOwners.find(watched);
    if (owner == widgetOwners.end())
        return false;
    return FilterControl(*owner->second, watched, event);
}

namespace {

int ButtonOf(Qt::MouseButton button) {
    switch (button) {
    case Qt::RightButton:
        return forms::vbRightButton;
    case Qt::MiddleButton:
        return forms::vbMiddleButton;
    default:
        return forms::vbLeftButton;
    }
}

float TwipsOf(qreal pixels) { return static_cast<float>(pixels * forms::TwipsPerPixel); }

} // namespace

bool FormWindow::FilterTopLevel(QEvent* event) {
    switch (event->type()) {
    case QEvent::Close:
        event->ignore();
        if (form.ControlBox())
            Guard([this] { form.CloseByUser(); });
        return true;
    case QEvent::WindowActivate:
        // The main window's active child stays the active window while the user works in it.
        if (kind != WindowKind::MainWindow || mdiArea == nullptr || mdiArea->activeSubWindow() == nullptr)
            Guard([this] { form.Context().SetActiveForm(form); });
        if (attached)
            ShowActiveControl();
        return false;
    case QEvent::ShortcutOverride:
        return ClaimFromShortcuts(*static_cast<QKeyEvent*>(event));
    case QEvent::KeyPress:
        // Keys that reach the window itself belong to its active control; with none, they go nowhere (Escape
        // closes nothing on its own).
        if (forms::Control* active = form.ActiveControl())
            KeyPressed(*active, *static_cast<QKeyEvent*>(event));
        return true;
    case QEvent::KeyRelease:
        return true;
    case QEvent::Resize:
        ClientResized();
        return false;
    case QEvent::Move:
        WindowMoved();
        return false;
    default:
        return false;
    }
}

bool FormWindow::ClaimFromShortcuts(QKeyEvent& event) const {
    // Keys are the model's, access keys of captions included; Alt with any other key stays with the menu bar.
    if (event.modifiers().testFlag(Qt::AltModifier) && !IsAccessKey(KeyCodeOf(event)))
        return false;
    event.accept();
    return true;
}

bool FormWindow::IsAccessKey(int KeyCode) const {
    for (forms::Control* control : form.Controls()) {
        auto* captioned = dynamic_cast<forms::CaptionedControl*>(control);
        if (captioned != nullptr && KeyCode != 0 && forms::AccessKeyOf(captioned->Caption()) == KeyCode &&
            control->IsEffectivelyVisible() && control->IsEffectivelyEnabled())
            return true;
    }
    return false;
}

void FormWindow::WindowMoved() {
    if (kind == WindowKind::MdiChild || !top->isVisible())
        return;
    QPoint at = top->pos();
    if (at.x() == TwipsToPixels(form.Left()) && at.y() == TwipsToPixels(form.Top()))
        return;
    Guard([&] { form.Move(PixelsToTwips(at.x()), PixelsToTwips(at.y()), form.Width(), form.Height()); });
}

void FormWindow::ClientResized() {
    if (kind == WindowKind::MainWindow || !top->isVisible())
        return;
    int width = client->width();
    int height = client->height();
    if (width == TwipsToPixels(form.ScaleWidth()) && height == TwipsToPixels(form.ScaleHeight()))
        return;
    Guard([&] { form.SetInnerSize(PixelsToTwips(width), PixelsToTwips(height)); });
}

void FormWindow::RaiseMouse(forms::Control& control, const forms::Event<int, int, float, float>& event,
                            const QMouseEvent& mouse) {
    QPointF at = mouse.position();
    Guard([&] {
        control.Raise(event, ButtonOf(mouse.button()), ShiftOf(mouse.modifiers()), TwipsOf(at.x()), TwipsOf(at.y()));
    });
}

// A label, frame or picture does nothing of its own with the mouse: its events stop there, so the frame or window
// behind it does not take the same click for its own. Text boxes and rich text boxes select with the mouse.
bool FormWindow::KeepsMouse(const ControlView& view) {
    forms::ControlKind kind = view.Model().Kind();
    return view.ClicksOnRelease() && kind != forms::ControlKind::TextBox && kind != forms::ControlKind::RichTextBox;
}

bool FormWindow::FilterControl(ControlView& view, QObject* part, QEvent* event) {
    forms::Control& control = view.Model();
    switch (event->type()) {
    case QEvent::ShortcutOverride:
        return ClaimFromShortcuts(*static_cast<QKeyEvent*>(event));
    case QEvent::KeyPress:
        KeyPressed(control, *static_cast<QKeyEvent*>(event));
        return true;
    case QEvent::KeyRelease:
        return true;
    case QEvent::MouseButtonPress: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        // No pasting of the selection with the middle button: text changes only through the model.
        if (mouse->button() == Qt::MiddleButton)
            return true;
        bool refused = false;
        if (control.CanHoldFocus() && control.TabStop())
            Guard([&] { refused = !form.MoveFocus(control); });
        if (refused || !attached)
            return true;
        if (!view.MouseDownByUser(part, *mouse))
            RaiseMouse(control, control.MouseDown, *mouse);
        return !attached || KeepsMouse(view);
    }
    case QEvent::MouseButtonRelease: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        RaiseMouse(control, control.MouseUp, *mouse);
        bool inside = view.Widget() != nullptr && view.Widget()->rect().contains(mouse->position().toPoint());
        bool afterDouble = event->spontaneous() && mouse->flags().testFlag(Qt::MouseEventCreatedDoubleClick);
        if (attached && inside && !afterDouble && mouse->button() == Qt::LeftButton && view.ClicksOnRelease())
            Guard([&] {
                if (!view.ClickByUser(part, mouse->position().toPoint()))
                    form.ClickControl(control);
            });
        return !attached || KeepsMouse(view);
    }
    case QEvent::MouseButtonDblClick:
        Guard([&] { control.Raise(control.DblClick); });
        return !attached;
    case QEvent::FocusIn:
        if (form.ActiveControl() != &control) {
            bool moved = false;
            Guard([&] { moved = form.MoveFocus(control); });
            if (attached && !moved)
                QTimer::singleShot(0, this, [this] {
                    if (attached)
                        ShowActiveControl();
                });
        }
        return false;
    case QEvent::ContextMenu:
        return true;
    default:
        return false;
    }
}

void FormWindow::KeyPressed(forms::Control& target, QKeyEvent& event) {
    const forms::Control* targetKey = &target;
    int shift = ShiftOf(event.modifiers());
    QString text = event.text();
    bool plain = (shift & (forms::vbCtrlMask | forms::vbAltMask)) == 0;
    if (plain && text.size() == 1 && text[0].unicode() >= 0x20 && text[0].unicode() < 0x7F) {
        // A printable character: the keyboard table gives its key, whatever layout the user types on.
        Guard([&] { form.TypeCharacter(target, static_cast<char>(text[0].unicode())); });
        return;
    }
    int code = KeyCodeOf(event);
    if (code != 0) {
        Guard([&] { form.PressKey(target, code, shift); });
        bool clipboard = shift == forms::vbCtrlMask && (code == 'C' || code == 'X' || code == 'V');
        auto found = views.find(targetKey);
        if (clipboard && attached && found != views.end())
            found->second->ClipboardKey(code);
        return;
    }
    auto found = views.find(targetKey);
    if (plain && !text.isEmpty() && text[0].isPrint() && found != views.end())
        found->second->TypeText(ToUtf8(text));
}

void FormWindow::ClickedByUser(forms::Control& control) {
    Guard([&] { form.ClickControl(control); });
}

} // namespace gui
