#include "gui/FigureAnnouncer.h"

#include "gui/Conversions.h"
#include "platform/forms/FormsContext.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <functional>

namespace gui {

namespace {

constexpr int FigureWidth = 120;
constexpr int FigureHeight = 150;
constexpr int BalloonWidth = 260;
constexpr int BalloonHeight = 120;
constexpr int TailHeight = 18;

// The window holds the balloon above the figure; the figure stands at its bottom centre.
constexpr int WindowWidth = BalloonWidth + 20;
constexpr int WindowHeight = BalloonHeight + TailHeight + FigureHeight;
constexpr int FigureLeft = (WindowWidth - FigureWidth) / 2;
constexpr int FigureTop = BalloonHeight + TailHeight;

class FigureWidget : public QWidget {
public:
    explicit FigureWidget(std::function<void()> doubleClicked) : doubleClicked(std::move(doubleClicked)) {
        setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
        setAttribute(Qt::WA_TranslucentBackground);
        setAttribute(Qt::WA_ShowWithoutActivating);
        setFixedSize(WindowWidth, WindowHeight);
    }

    void ShowPose(const agent::Pose& value) {
        pose = value;
        // The figure's top left corner stands where the character was moved.
        move(pose.X - FigureLeft, pose.Y - FigureTop);
        setVisible(pose.Visible);
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        if (pose.BalloonVisible)
            PaintBalloon(painter);
        PaintFigure(painter);
    }

    void mouseDoubleClickEvent(QMouseEvent* event) override {
        QRect figure(FigureLeft, FigureTop, FigureWidth, FigureHeight);
        if (figure.contains(event->position().toPoint()))
            doubleClicked();
    }

private:
    void PaintBalloon(QPainter& painter) const {
        QRectF box(0.5, 0.5, WindowWidth - 1, BalloonHeight);
        QPainterPath outline;
        outline.addRoundedRect(box, 12, 12);
        QPolygonF tail;
        double middle = WindowWidth / 2.0;
        tail << QPointF(middle - 14, box.bottom() - 6) << QPointF(middle + 6, box.bottom() - 6)
             << QPointF(middle - 10, box.bottom() + TailHeight);
        outline.addPolygon(tail);
        outline = outline.simplified();
        painter.setPen(QPen(QColor(60, 60, 60), 1.2));
        painter.setBrush(QColor(255, 255, 225));
        painter.drawPath(outline);
        painter.setPen(Qt::black);
        QFont font = painter.font();
        font.setPointSizeF(10);
        painter.setFont(font);
        painter.drawText(box.adjusted(12, 8, -12, -8), Qt::AlignCenter | Qt::TextWordWrap, ToQString(pose.BalloonText));
    }

    void PaintFigure(QPainter& painter) const {
        painter.save();
        painter.translate(FigureLeft, FigureTop);
        bool animating = !pose.Animation.empty();

        // A lamp's smoke rising into a body.
        QPainterPath smoke;
        smoke.moveTo(60, 148);
        smoke.cubicTo(20, 140, 70, 118, 44, 104);
        smoke.cubicTo(26, 92, 28, 66, 36, 56);
        smoke.lineTo(84, 56);
        smoke.cubicTo(94, 70, 92, 96, 74, 108);
        smoke.cubicTo(58, 120, 96, 136, 60, 148);
        QLinearGradient blue(0, 56, 0, 148);
        blue.setColorAt(0, QColor(52, 110, 200));
        blue.setColorAt(1, QColor(150, 200, 250, 120));
        painter.setPen(Qt::NoPen);
        painter.setBrush(blue);
        painter.drawPath(smoke);

        // Arms: folded in front, or raised while an animation plays.
        painter.setPen(QPen(QColor(52, 110, 200), 9, Qt::SolidLine, Qt::RoundCap));
        if (animating) {
            painter.drawLine(QPointF(38, 64), QPointF(14, 30));
            painter.drawLine(QPointF(82, 64), QPointF(106, 30));
        } else {
            painter.drawLine(QPointF(38, 66), QPointF(80, 78));
            painter.drawLine(QPointF(82, 66), QPointF(40, 78));
        }

        // Head with a turban.
        painter.setPen(QPen(QColor(120, 80, 50), 1));
        painter.setBrush(QColor(240, 200, 160));
        painter.drawEllipse(QRectF(40, 22, 40, 38));
        painter.setBrush(QColor(200, 40, 60));
        painter.drawChord(QRectF(36, 8, 48, 36), 0, 180 * 16);
        painter.setBrush(QColor(250, 210, 60));
        painter.drawEllipse(QRectF(56, 14, 8, 8));
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(30, 30, 30));
        painter.drawEllipse(QRectF(50, 36, 5, 6));
        painter.drawEllipse(QRectF(65, 36, 5, 6));
        painter.setPen(QPen(QColor(120, 40, 40), 2, Qt::SolidLine, Qt::RoundCap));
        painter.setBrush(Qt::NoBrush);
        painter.drawArc(QRectF(50, 40, 20, 12), 200 * 16, 140 * 16);

        if (animating) {
            QFont font = painter.font();
            font.setPointSizeF(7);
            font.setItalic(true);
            painter.setFont(font);
            painter.setPen(QColor(40, 40, 40));
            painter.drawText(QRectF(0, 0, FigureWidth, 10), Qt::AlignCenter, ToQString(pose.Animation));
        }
        painter.restore();
    }

    std::function<void()> doubleClicked;
    agent::Pose pose;
};

// One character: its queue plays on timers and its figure shows each pose.
class FigureCharacter : public agent::Character, private agent::Stage {
public:
    FigureCharacter(const std::string& id, double pace, std::function<void()> doubleClicked)
        : queue(id, *this), figure(new FigureWidget(std::move(doubleClicked))), pace(pace) {
        timer.setSingleShot(true);
        QObject::connect(&timer, &QTimer::timeout, [this] { queue.Finished(); });
    }
    ~FigureCharacter() override {
        timer.stop();
        // The figure may be on the stack of its own double-click.
        if (figure != nullptr) {
            figure->hide();
            figure->deleteLater();
        }
    }

    void Show() override { queue.Show(); }
    void Hide() override { queue.Hide(); }
    void Stop() override { queue.Stop(); }
    void MoveTo(int x, int y) override { queue.MoveTo(x, y); }
    void Play(const std::string& animation) override { queue.Play(animation); }
    void Speak(const std::string& text) override { queue.Speak(text); }
    void SetLanguageID(int value) override { queue.SetLanguageID(value); }
    void SetBalloonStyle(int value) override { queue.SetBalloonStyle(value); }
    void SetBalloonVisible(bool value) override { queue.SetBalloonVisible(value); }

    const agent::QueuedCharacter& Queue() const { return queue; }
    QWidget& Figure() const { return *figure; }

private:
    void Begin(const agent::Request& request) override {
        int time = static_cast<int>(std::lround(PlayingTime(request) * pace));
        if (time <= 0)
            queue.Finished();
        else
            timer.start(time);
    }
    void Cancel() override { timer.stop(); }
    void PoseChanged() override {
        if (figure != nullptr)
            figure->ShowPose(queue.CurrentPose());
    }

    agent::QueuedCharacter queue;
    QPointer<FigureWidget> figure;
    QTimer timer;
    double pace;
};

} // namespace

int PlayingTime(const agent::Request& request) {
    switch (request.What) {
    case agent::Request::Kind::Show:
        return 300;
    case agent::Request::Kind::MoveTo:
        return 400;
    case agent::Request::Kind::Play:
        return 1200;
    case agent::Request::Kind::Speak:
        // About a reader's pace, never too short to see.
        return std::max(1500, 70 * static_cast<int>(request.Text.size()));
    default:
        return 0;
    }
}

FigureAnnouncer::FigureAnnouncer(forms::FormsContext& context) : context(context) {}

FigureAnnouncer::~FigureAnnouncer() = default;

QWidget& FigureAnnouncer::FigureOf(const std::string& characterID) {
    return static_cast<FigureCharacter&>(Characters(characterID)).Figure();
}

const agent::QueuedCharacter& FigureAnnouncer::QueueOf(const std::string& characterID) {
    return static_cast<FigureCharacter&>(Characters(characterID)).Queue();
}

std::unique_ptr<agent::Character> FigureAnnouncer::MakeCharacter(const std::string& characterID,
                                                                 const std::string& file) {
    agent::FindCharacterFile(file);
    return std::make_unique<FigureCharacter>(characterID, pace, [this, characterID] {
        context.Dispatch([this, characterID] { RaiseDblClick(characterID); });
    });
}

} // namespace gui
