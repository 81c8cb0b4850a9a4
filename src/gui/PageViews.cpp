#include "gui/ControlKinds.h"
#include "gui/Conversions.h"
#include "gui/FormWindow.h"
#include "gui/TextSelection.h"
#include "platform/forms/Bars.h"
#include "platform/forms/DatePicker.h"
#include "platform/forms/MonthView.h"
#include "platform/forms/RichTextBox.h"
#include "platform/forms/Tabs.h"
#include "platform/vb/DateTime.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QDateTimeEdit>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QProgressBar>
#include <QTabBar>
#include <QTextCursor>
#include <QTextEdit>

#include <algorithm>
#include <cmath>
#include <vector>

namespace gui {

namespace {

// Tab control

// The tabs share the control's width, as the platform's do: tabs that fit keep their own widths; when they do not,
// each first gives up its padding, in proportion to what it has beyond a small margin, and only when the captions
// alone are too wide are they narrowed alike and shown elided. Without this the last tabs were cut off at the edge.
class TabStrip : public QTabBar {
protected:
    QSize tabSizeHint(int index) const override {
        const QSize own = QTabBar::tabSizeHint(index);
        int total = 0, spare = 0;
        for (int i = 0; i < count(); ++i) {
            if (!isTabVisible(i))
                continue;
            const int natural = QTabBar::tabSizeHint(i).width();
            total += natural;
            spare += Spare(i, natural);
        }
        const int overflow = total - width();
        if (overflow <= 0)
            return own;
        const int spareOwn = Spare(index, own.width());
        if (overflow <= spare)
            return {own.width() - static_cast<int>(std::ceil(double(overflow) * spareOwn / spare)), own.height()};
        const int kept = own.width() - spareOwn;
        return {std::max(1, kept * width() / (total - spare)), own.height()};
    }

private:
    static constexpr int kMargin = 8;
    // What a tab of this width may give up: all but its caption and a small margin.
    int Spare(int index, int width) const {
        const int caption = fontMetrics().horizontalAdvance(tabText(index)) + kMargin;
        return std::max(0, width - caption);
    }
};

// A strip of tabs over a framed body; each page is a transparent layer over the whole control (the controls on a
// page are placed from the control's top left, as on the platform), shown only while its tab is the current one.
class TabWidget : public QWidget {
public:
    TabWidget() {
        body = new QFrame(this);
        body->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
        bar = new TabStrip;
        bar->setParent(this);
        bar->setDrawBase(false);
        bar->setElideMode(Qt::ElideRight);
        bar->setExpanding(false);
        bar->setUsesScrollButtons(false);
    }
    QTabBar* Bar() const { return bar; }
    QWidget* Page(int index) {
        while (static_cast<int>(pages.size()) <= index) {
            auto* page = new QWidget(this);
            page->setGeometry(rect());
            page->hide();
            pages.push_back(page);
            bar->raise();
        }
        return pages[static_cast<std::size_t>(index)];
    }
    void ShowPage(int current) {
        for (std::size_t index = 0; index < pages.size(); ++index)
            pages[index]->setVisible(static_cast<int>(index) == current);
    }
    void SetStripHeight(int pixels) {
        stripHeight = pixels;
        Arrange();
    }

protected:
    void resizeEvent(QResizeEvent*) override { Arrange(); }

private:
    void Arrange() {
        bar->setGeometry(0, 0, width(), stripHeight);
        body->setGeometry(0, stripHeight, width(), std::max(0, height() - stripHeight));
        for (QWidget* page : pages)
            page->setGeometry(rect());
    }

    QFrame* body;
    QTabBar* bar;
    std::vector<QWidget*> pages;
    int stripHeight = 20;
};

class TabView : public ControlView {
public:
    TabView(forms::SSTab& tab, FormWindow& window) : ControlView(tab, window), tab(tab) {
        shown = new TabWidget;
        SetWidget(shown);
    }

    QWidget* ChildArea(int page) override { return shown->Page(std::max(0, page)); }

    bool ClickByUser(QObject* part, QPoint at) override {
        if (part != shown->Bar())
            return false;
        int index = shown->Bar()->tabAt(at);
        if (index >= 0 && TakeFocus())
            tab.UserChooseTab(index);
        return true;
    }

protected:
    void Show(std::string_view property) override {
        QTabBar* bar = shown->Bar();
        if (Is(property, "Tabs")) {
            while (bar->count() > tab.Tabs())
                bar->removeTab(bar->count() - 1);
            while (bar->count() < tab.Tabs())
                bar->addTab(QString());
        }
        if (Is(property, "Tabs") || Is(property, "TabCaption") || Is(property, "TabVisible") ||
            Is(property, "TabEnabled")) {
            for (int index = 0; index < tab.Tabs(); ++index) {
                // Access keys are the model's: the tab shows its caption without Qt's own shortcut.
                bar->setTabText(index, ToQString(forms::DisplayedCaption(tab.TabCaption(index))).replace('&', "&&"));
                bar->setTabVisible(index, tab.TabVisible(index));
                bar->setTabEnabled(index, tab.TabEnabled(index));
            }
        }
        if (Is(property, "Tabs") || Is(property, "Tab")) {
            bar->setCurrentIndex(tab.Tab());
            shown->ShowPage(tab.Tab());
        }
        if (Is(property, "TabHeight"))
            shown->SetStripHeight(TwipsToPixels(tab.TabHeight()));
        if (Is(property, "Font"))
            bar->setFont(ToQFont(tab.Font()));
    }

private:
    forms::SSTab& tab;
    TabWidget* shown;
};

// Date picker

QDateTime ToQDateTime(vb::Date date) {
    vb::Variant value(date);
    return QDateTime(QDate(vb::Year(value), vb::Month(value), vb::Day(value)),
                     QTime(vb::Hour(value), vb::Minute(value), vb::Second(value)));
}

vb::Date ToDate(const QDateTime& shown) {
    double day = vb::DateSerial(shown.date().year(), shown.date().month(), shown.date().day()).serial;
    double time = vb::TimeSerial(shown.time().hour(), shown.time().minute(), shown.time().second()).serial;
    // Before 12/30/1899 the time still counts forward from the day's start.
    return vb::Date{day >= 0 ? day + time : day - time};
}

// A date edit that shows the model's text of the value and never reads the text back: only the calendar picks.
class PickerEdit : public QDateTimeEdit {
public:
    explicit PickerEdit(forms::DTPicker& picker) : picker(picker) {}

protected:
    QString textFromDateTime(const QDateTime& dateTime) const override {
        (void)dateTime;
        return ToQString(picker.Text());
    }
    QDateTime dateTimeFromText(const QString& text) const override {
        (void)text;
        return ToQDateTime(picker.Value());
    }
    QValidator::State validate(QString& input, int& position) const override {
        (void)input;
        (void)position;
        return QValidator::Acceptable;
    }

private:
    forms::DTPicker& picker;
};

class DatePickerView : public ControlView {
public:
    DatePickerView(forms::DTPicker& picker, FormWindow& window) : ControlView(picker, window), picker(picker) {
        shown = new PickerEdit(picker);
        shown->setCalendarPopup(true);
        shown->setDisplayFormat(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        shown->setContextMenuPolicy(Qt::NoContextMenu);
        QObject::connect(shown, &QDateTimeEdit::dateTimeChanged, &window, [this](const QDateTime& value) {
            if (!Writing())
                PickedByUser(value);
        });
        SetWidget(shown);
        // The calendar is a window of its own that Qt runs.
        if (QCalendarWidget* calendar = shown->calendarWidget())
            for (QObject* part : calendar->window()->findChildren<QObject*>())
                part->removeEventFilter(&window);
    }
    // A press opens the calendar as Qt does; the day picked is the change.
    bool ClicksOnRelease() const override { return false; }

protected:
    void Show(std::string_view property) override {
        if (Is(property, "MinDate") || Is(property, "MaxDate"))
            shown->setDateTimeRange(ToQDateTime(picker.MinDate()),
                                    ToQDateTime(picker.MaxDate()).addDays(1).addSecs(-1));
        if (Is(property, "Value") || Is(property, "Format") || Is(property, "CustomFormat") ||
            Is(property, "MinDate") || Is(property, "MaxDate")) {
            shown->setDateTime(ToQDateTime(picker.Value()));
            // Setting the format again draws the model's text anew also when only the format changed.
            shown->setDisplayFormat(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        }
        if (Is(property, "UpDown"))
            shown->setCalendarPopup(!picker.UpDown());
    }

private:
    void PickedByUser(const QDateTime& value) {
        // A day picked keeps the time of the value.
        QDateTime wanted(value.date(), ToQDateTime(picker.Value()).time());
        Window().Guard([&] {
            if (TakeFocus())
                picker.UserPick(ToDate(wanted));
        });
        Changed("Value");
    }

    forms::DTPicker& picker;
    PickerEdit* shown;
};

// Month calendar

class MonthViewView : public ControlView {
public:
    MonthViewView(forms::MonthView& calendar, FormWindow& window) : ControlView(calendar, window), calendar(calendar) {
        shown = new QCalendarWidget;
        shown->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
        shown->setContextMenuPolicy(Qt::NoContextMenu);
        QObject::connect(shown, &QCalendarWidget::clicked, &window, [this](QDate day) {
            if (!Writing())
                ClickedByUser(day);
        });
        SetWidget(shown);
    }
    // The calendar takes the mouse itself: a click on a day is reported as that day.
    bool ClicksOnRelease() const override { return false; }

protected:
    void Show(std::string_view property) override {
        if (Is(property, "Value"))
            Write([this] { shown->setSelectedDate(ToQDateTime(calendar.Value()).date()); });
    }

private:
    void ClickedByUser(QDate day) {
        Window().Guard([&] {
            if (TakeFocus())
                calendar.UserClickDay(vb::DateSerial(day.year(), day.month(), day.day()));
        });
        // The handler may have set the value back, or the click may not have been taken.
        Changed("Value");
    }

    forms::MonthView& calendar;
    QCalendarWidget* shown;
};

// Rich text box

class RichTextView : public ControlView {
public:
    RichTextView(forms::RichTextBox& box, FormWindow& window) : ControlView(box, window), box(box) {
        shown = new QTextEdit;
        shown->setReadOnly(true);
        shown->setTextInteractionFlags(Qt::TextSelectableByMouse);
        shown->setContextMenuPolicy(Qt::NoContextMenu);
        shown->setAcceptDrops(false);
        shown->setUndoRedoEnabled(false);
        QObject::connect(shown, &QTextEdit::cursorPositionChanged, &window, [this] { SelectedByUser(); });
        SetWidget(shown);
    }

protected:
    void Show(std::string_view property) override {
        if (Is(property, "Text") || Is(property, "Runs") || Is(property, "Font"))
            Write([this] { ShowRuns(); });
        if (Is(property, "Text") || Is(property, "Runs") || Is(property, "SelStart") || Is(property, "SelLength"))
            Write([this] { ShowSelection(); });
        if (Is(property, "BackColor")) {
            QPalette palette = shown->palette();
            palette.setColor(QPalette::Base, ToQColor(box.BackColor(), QApplication::palette()));
            shown->setPalette(palette);
        }
        if (Is(property, "ScrollBars"))
            ShowScrollBars(*shown, box.ScrollBars());
    }

private:
    void ShowRuns() {
        shown->clear();
        QTextCursor cursor(shown->document());
        for (const forms::TextRun& run : box.Runs()) {
            QTextCharFormat format;
            forms::Font font{run.Format.FontName, run.Format.FontSize,  run.Format.Bold,
                             run.Format.Italic,   run.Format.Underline, false};
            format.setFont(ToQFont(font));
            format.setForeground(ToQColor(run.Format.ForeColor, QApplication::palette()));
            cursor.insertText(ToWidgetText(run.Text), format);
        }
    }

    void ShowSelection() {
        std::string text = box.Text();
        QTextCursor cursor = shown->textCursor();
        cursor.setPosition(WidgetPosition(text, box.SelStart()));
        cursor.setPosition(WidgetPosition(text, box.SelStart() + box.SelLength()), QTextCursor::KeepAnchor);
        shown->setTextCursor(cursor);
    }

    // A selection made with the mouse or the keys becomes the box's SelStart and SelLength.
    void SelectedByUser() {
        if (Writing())
            return;
        QTextCursor cursor = shown->textCursor();
        TakeUserSelection(Window(), box, box.Text(), cursor.anchor(), cursor.position());
    }

    forms::RichTextBox& box;
    QTextEdit* shown;
};

// Progress and status bars

class ProgressBarView : public ControlView {
public:
    ProgressBarView(forms::ProgressBar& bar, FormWindow& window) : ControlView(bar, window), bar(bar) {
        shown = new QProgressBar;
        shown->setTextVisible(false);
        shown->setRange(0, Steps);
        SetWidget(shown);
    }

protected:
    void Show(std::string_view property) override {
        if (Is(property, "Min") || Is(property, "Max") || Is(property, "Value")) {
            double range = bar.Max() - bar.Min();
            double part = range > 0 ? (bar.Value() - bar.Min()) / range : 0;
            shown->setValue(static_cast<int>(std::lround(part * Steps)));
        }
    }

private:
    static constexpr int Steps = 10000;
    forms::ProgressBar& bar;
    QProgressBar* shown;
};

QString PanelText(const forms::Panel& panel) {
    switch (panel.Style()) {
    case forms::sbrCaps:
        return QStringLiteral("CAPS");
    case forms::sbrNum:
        return QStringLiteral("NUM");
    case forms::sbrIns:
        return QStringLiteral("INS");
    case forms::sbrScrl:
        return QStringLiteral("SCRL");
    case forms::sbrTime:
        return QLocale().toString(QTime::currentTime(), QLocale::ShortFormat);
    case forms::sbrDate:
        return QLocale().toString(QDate::currentDate(), QLocale::ShortFormat);
    default:
        return ToQString(panel.Text());
    }
}

class StatusBarView : public ControlView {
public:
    StatusBarView(forms::StatusBar& bar, FormWindow& window) : ControlView(bar, window), bar(bar) {
        shown = new QFrame;
        layout = new QHBoxLayout(shown);
        layout->setContentsMargins(2, 2, 2, 2);
        layout->setSpacing(2);
        SetWidget(shown);
    }

protected:
    void Show(std::string_view property) override {
        if (!Is(property, "Panels") && !Is(property, "Style") && !Is(property, "SimpleText"))
            return;
        while (QLayoutItem* item = layout->takeAt(0)) {
            delete item->widget();
            delete item;
        }
        if (bar.Style() == 1) {
            layout->addWidget(NewPanel(ToQString(bar.SimpleText()), QString()), 1);
            return;
        }
        for (int index = 1; index <= bar.PanelCount(); ++index) {
            const forms::Panel& panel = bar.Panels(index);
            if (!panel.Visible())
                continue;
            QLabel* label = NewPanel(PanelText(panel), ToQString(panel.ToolTipText()));
            label->setFixedWidth(TwipsToPixels(panel.Width()));
            layout->addWidget(label);
        }
        layout->addStretch(1);
    }

private:
    static QLabel* NewPanel(const QString& text, const QString& tip) {
        auto* label = new QLabel(text);
        label->setTextFormat(Qt::PlainText);
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setToolTip(tip);
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
        return label;
    }

    forms::StatusBar& bar;
    QFrame* shown;
    QHBoxLayout* layout;
};

template <class View, class Model> std::unique_ptr<ControlView> Make(forms::Control& control, FormWindow& window) {
    return std::make_unique<View>(static_cast<Model&>(control), window);
}

} // namespace

std::unique_ptr<ControlView> MakeTabView(forms::Control& control, FormWindow& window) {
    return Make<TabView, forms::SSTab>(control, window);
}

std::unique_ptr<ControlView> MakeDatePickerView(forms::Control& control, FormWindow& window) {
    return Make<DatePickerView, forms::DTPicker>(control, window);
}

std::unique_ptr<ControlView> MakeMonthViewView(forms::Control& control, FormWindow& window) {
    return Make<MonthViewView, forms::MonthView>(control, window);
}

std::unique_ptr<ControlView> MakeRichTextView(forms::Control& control, FormWindow& window) {
    return Make<RichTextView, forms::RichTextBox>(control, window);
}

std::unique_ptr<ControlView> MakeProgressBarView(forms::Control& control, FormWindow& window) {
    return Make<ProgressBarView, forms::ProgressBar>(control, window);
}

std::unique_ptr<ControlView> MakeStatusBarView(forms::Control& control, FormWindow& window) {
    return Make<StatusBarView, forms::StatusBar>(control, window);
}

} // namespace gui
