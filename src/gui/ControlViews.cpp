#include "gui/ControlView.h"

#include "gui/ControlKinds.h"
#include "gui/Conversions.h"
#include "gui/FormWindow.h"
#include "gui/ReportViewerView.h"
#include "gui/TextBoxView.h"
#include "platform/forms/Controls.h"
#include "platform/forms/ReportViewer.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QRadioButton>

namespace gui {

namespace {

// Colours and font of a captioned control; the background shows only where opaque says so.
void ShowLook(QWidget& widget, const forms::CaptionedControl& control, std::string_view property, bool opaque) {
    if (Is(property, "ForeColor") || Is(property, "BackColor") || Is(property, "BackStyle") || Is(property, "Style")) {
        QPalette palette = widget.palette();
        QColor fore = ToQColor(control.ForeColor(), QApplication::palette());
        QColor back = ToQColor(control.BackColor(), QApplication::palette());
        // A disabled control keeps the desktop's greyed text, so that it looks disabled whatever its colour.
        for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
            palette.setColor(group, QPalette::WindowText, fore);
            palette.setColor(group, QPalette::ButtonText, fore);
        }
        palette.setColor(QPalette::Window, back);
        palette.setColor(QPalette::Button, back);
        widget.setPalette(palette);
        widget.setAutoFillBackground(opaque);
    }
    if (Is(property, "Font"))
        widget.setFont(ToQFont(control.Font()));
}

class LabelView : public ControlView {
public:
    LabelView(forms::Label& label, FormWindow& window) : ControlView(label, window), label(label) {
        shown = new QLabel;
        shown->setTextFormat(Qt::PlainText);
        SetWidget(shown);
    }

protected:
    void Show(std::string_view property) override {
        if (Is(property, "Caption"))
            shown->setText(ToQString(forms::DisplayedCaption(label.Caption())));
        if (Is(property, "Alignment"))
            shown->setAlignment((ToQtAlignment(label.Alignment()) & Qt::AlignHorizontal_Mask) | Qt::AlignTop);
        if (Is(property, "WordWrap"))
            shown->setWordWrap(label.WordWrap());
        ShowLook(*shown, label, property, label.BackStyle() != 0);
    }

private:
    forms::Label& label;
    QLabel* shown;
};

class CommandButtonView : public ControlView {
public:
    CommandButtonView(forms::CommandButton& button, FormWindow& window) : ControlView(button, window), button(button) {
        shown = new QPushButton;
        // Enter is the model's: no button becomes a default by itself.
        shown->setAutoDefault(false);
        QObject::connect(shown, &QPushButton::clicked, &window, [this] { Window().ClickedByUser(this->button); });
        SetWidget(shown);
    }
    bool ClicksOnRelease() const override { return false; }

protected:
    void Show(std::string_view property) override {
        if (Is(property, "Caption"))
            shown->setText(ToQString(button.Caption()));
        if (Is(property, "Default"))
            shown->setDefault(button.Default());
        if (Is(property, "Picture") || Is(property, "Style")) {
            QPixmap picture = button.Style() == 1 ? PixmapOf(button.Picture()) : QPixmap();
            shown->setIcon(QIcon(picture));
            shown->setIconSize(picture.size());
        }
        ShowLook(*shown, button, property, button.Style() == 1);
    }

private:
    forms::CommandButton& button;
    QPushButton* shown;
};

// Check and option boxes whose state only the model changes: a click anywhere on the control asks the model, which
// sets Value.
class ModelCheckBox : public QCheckBox {
protected:
    void nextCheckState() override {}
    bool hitButton(const QPoint& position) const override { return rect().contains(position); }
};

class ModelOptionButton : public QRadioButton {
protected:
    void nextCheckState() override {}
    bool hitButton(const QPoint& position) const override { return rect().contains(position); }
};

class CheckBoxView : public ControlView {
public:
    CheckBoxView(forms::CheckBox& box, FormWindow& window) : ControlView(box, window), box(box) {
        shown = new ModelCheckBox;
        QObject::connect(shown, &QCheckBox::clicked, &window, [this] { Window().ClickedByUser(this->box); });
        SetWidget(shown);
    }
    bool ClicksOnRelease() const override { return false; }

protected:
    void Show(std::string_view property) override {
        if (Is(property, "Caption"))
            shown->setText(ToQString(box.Caption()));
        if (Is(property, "Value")) {
            shown->setTristate(box.Value() == forms::vbGrayed);
            shown->setCheckState(box.Value() == forms::vbChecked  ? Qt::Checked
                                 : box.Value() == forms::vbGrayed ? Qt::PartiallyChecked
                                                                  : Qt::Unchecked);
        }
        ShowLook(*shown, box, property, true);
    }

private:
    forms::CheckBox& box;
    ModelCheckBox* shown;
};

class OptionButtonView : public ControlView {
public:
    OptionButtonView(forms::OptionButton& option, FormWindow& window) : ControlView(option, window), option(option) {
        shown = new ModelOptionButton;
        // The model turns the others of the container off.
        shown->setAutoExclusive(false);
        QObject::connect(shown, &QRadioButton::clicked, &window, [this] { Window().ClickedByUser(this->option); });
        SetWidget(shown);
    }
    bool ClicksOnRelease() const override { return false; }

protected:
    void Show(std::string_view property) override {
        if (Is(property, "Caption"))
            shown->setText(ToQString(option.Caption()));
        if (Is(property, "Value"))
            shown->setChecked(option.Value());
        ShowLook(*shown, option, property, true);
    }

private:
    forms::OptionButton& option;
    ModelOptionButton* shown;
};

class FrameView : public ControlView {
public:
    FrameView(forms::Frame& frame, FormWindow& window) : ControlView(frame, window), frame(frame) {
        shown = new QGroupBox;
        SetWidget(shown);
    }

protected:
    void Show(std::string_view property) override {
        if (Is(property, "Caption"))
            shown->setTitle(ToQString(frame.Caption()));
        ShowLook(*shown, frame, property, true);
    }

private:
    forms::Frame& frame;
    QGroupBox* shown;
};

// A picture box draws its picture and lets the window draw on it (Paint) each time it is painted.
class PictureWidget : public QFrame {
public:
    explicit PictureWidget(forms::PictureBox& box, FormWindow& window) : box(box), window(window) {}

protected:
    void paintEvent(QPaintEvent* event) override {
        QFrame::paintEvent(event);
        QPainter painter(this);
        painter.drawPixmap(contentsRect().topLeft(), picture);
        painter.end();
        window.Guard([this] { box.Raise(box.Paint); });
    }

public:
    QPixmap picture;

private:
    forms::PictureBox& box;
    FormWindow& window;
};

class PictureBoxView : public ControlView {
public:
    PictureBoxView(forms::PictureBox& box, FormWindow& window) : ControlView(box, window), box(box) {
        shown = new PictureWidget(box, window);
        shown->setAutoFillBackground(true);
        SetWidget(shown);
    }

protected:
    void Show(std::string_view property) override {
        if (Is(property, "Picture")) {
            shown->picture = PixmapOf(box.Picture());
            shown->update();
        }
        if (Is(property, "BackColor")) {
            QPalette palette = shown->palette();
            palette.setColor(QPalette::Window, ToQColor(box.BackColor(), QApplication::palette()));
            shown->setPalette(palette);
        }
        if (Is(property, "BorderStyle"))
            shown->setFrameStyle(box.BorderStyle() != 0 ? QFrame::StyledPanel | QFrame::Sunken : QFrame::NoFrame);
    }

private:
    forms::PictureBox& box;
    PictureWidget* shown;
};

class ImageView : public ControlView {
public:
    ImageView(forms::Image& image, FormWindow& window) : ControlView(image, window), image(image) {
        shown = new QLabel;
        shown->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        SetWidget(shown);
    }

protected:
    void Show(std::string_view property) override {
        if (Is(property, "Picture"))
            shown->setPixmap(PixmapOf(image.Picture()));
        if (Is(property, "Stretch"))
            shown->setScaledContents(image.Stretch());
    }

private:
    forms::Image& image;
    QLabel* shown;
};

class ShapeWidget : public QWidget {
public:
    explicit ShapeWidget(forms::Shape& shape) : shape(shape) { setAttribute(Qt::WA_TransparentForMouseEvents); }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        QRectF area = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
        int kind = shape.ShapeKind();
        if (kind == 1 || kind == 3 || kind == 5) {
            qreal side = std::min(area.width(), area.height());
            area = QRectF(area.center() - QPointF(side / 2, side / 2), QSizeF(side, side));
        }
        QPalette palette = QApplication::palette();
        if (shape.BackStyle() != 0)
            painter.setBrush(ToQColor(shape.BackColor(), palette));
        QPainterPath outline;
        if (kind == 2 || kind == 3)
            outline.addEllipse(area);
        else if (kind == 4 || kind == 5)
            outline.addRoundedRect(area, area.width() / 8, area.height() / 8);
        else
            outline.addRect(area);
        painter.setPen(Qt::NoPen);
        if (shape.BackStyle() != 0)
            painter.fillPath(outline, ToQColor(shape.BackColor(), palette));
        if (shape.FillStyle() == 0)
            painter.fillPath(outline, ToQColor(shape.FillColor(), palette));
        painter.strokePath(outline, QPen(ToQColor(shape.BorderColor(), palette)));
    }

private:
    forms::Shape& shape;
};

class ShapeView : public ControlView {
public:
    ShapeView(forms::Shape& shape, FormWindow& window) : ControlView(shape, window) {
        shown = new ShapeWidget(shape);
        SetWidget(shown);
    }

protected:
    void Show(std::string_view property) override {
        (void)property;
        shown->update();
    }

private:
    ShapeWidget* shown;
};

template <class View, class Model> std::unique_ptr<ControlView> Make(forms::Control& control, FormWindow& window) {
    return std::make_unique<View>(static_cast<Model&>(control), window);
}

} // namespace

std::unique_ptr<ControlView> MakeControlView(forms::Control& control, FormWindow& window) {
    switch (control.Kind()) {
    case forms::ControlKind::TextBox:
        return Make<TextBoxView, forms::TextBox>(control, window);
    case forms::ControlKind::Label:
        return Make<LabelView, forms::Label>(control, window);
    case forms::ControlKind::CommandButton:
        return Make<CommandButtonView, forms::CommandButton>(control, window);
    case forms::ControlKind::CheckBox:
        return Make<CheckBoxView, forms::CheckBox>(control, window);
    case forms::ControlKind::OptionButton:
        return Make<OptionButtonView, forms::OptionButton>(control, window);
    case forms::ControlKind::Frame:
        return Make<FrameView, forms::Frame>(control, window);
    case forms::ControlKind::PictureBox:
        return Make<PictureBoxView, forms::PictureBox>(control, window);
    case forms::ControlKind::Image:
        return Make<ImageView, forms::Image>(control, window);
    case forms::ControlKind::Shape:
        return Make<ShapeView, forms::Shape>(control, window);
    case forms::ControlKind::Grid:
        return MakeGridView(control, window);
    case forms::ControlKind::ListBox:
        return MakeListBoxView(control, window);
    case forms::ControlKind::ComboBox:
        return MakeComboBoxView(control, window);
    case forms::ControlKind::ListView:
        return MakeListViewView(control, window);
    case forms::ControlKind::TabControl:
        return MakeTabView(control, window);
    case forms::ControlKind::DTPicker:
        return MakeDatePickerView(control, window);
    case forms::ControlKind::MonthView:
        return MakeMonthViewView(control, window);
    case forms::ControlKind::RichTextBox:
        return MakeRichTextView(control, window);
    case forms::ControlKind::ProgressBar:
        return MakeProgressBarView(control, window);
    case forms::ControlKind::StatusBar:
        return MakeStatusBarView(control, window);
    case forms::ControlKind::Toolbar:
        return MakeToolbarView(control, window);
    case forms::ControlKind::DaySchedule:
        return MakeDayScheduleView(control, window);
    case forms::ControlKind::ReportViewer:
        return MakeReportViewerView(static_cast<forms::ReportViewer&>(control), window);
    default:
        // Timers tick through the host; menus live in the window's menu bar; image lists and system information
        // are never shown.
        return nullptr;
    }
}

} // namespace gui
