#include "ExperimentKeys.h"

#include "Form2.h"
#include "Guard.h"
#include "VbSlider.h"
#include "VbTimer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>

namespace orvane {

namespace {
// What a key does in the window.
enum class Command {
    None,
    StartPauseContinue,
    Continue,
    Pause,
    Left,
    Right,
    Up,
    Down,
    ZoomIn,
    ZoomOut,
    Home
};

Command CommandOf(const QKeyEvent& key) {
    // Shift is allowed: many keyboards type + with it. Ctrl, Alt and Meta keys belong to others.
    if ((key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) != 0)
        return Command::None;
    switch (key.key()) {
    case Qt::Key_Space:
        return Command::StartPauseContinue;
    case Qt::Key_PageDown:
        return Command::Continue;
    case Qt::Key_PageUp:
        return Command::Pause;
    case Qt::Key_Left:
        return Command::Left;
    case Qt::Key_Right:
        return Command::Right;
    case Qt::Key_Up:
        return Command::Up;
    case Qt::Key_Down:
        return Command::Down;
    case Qt::Key_Plus:
    case Qt::Key_Equal:
        return Command::ZoomIn;
    case Qt::Key_Minus:
    case Qt::Key_Underscore:
        return Command::ZoomOut;
    case Qt::Key_Home:
        return Command::Home;
    default:
        return Command::None;
    }
}

// Keys whose repetition while held down would be a surprise: each press counts once.
bool OncePerPress(Command command) {
    return command == Command::StartPauseContinue || command == Command::Continue ||
           command == Command::Pause || command == Command::Home;
}
} // namespace

ExperimentKeys::ExperimentKeys(Form2& experiment)
    : QObject(&experiment), experiment_(experiment),
      homeSize_(experiment.Slider2->value()), homeCentre_{experiment.ZoomCenterX, experiment.ZoomCenterY} {}

ExperimentKeys::~ExperimentKeys() {
    SetEnabled(false);
}

void ExperimentKeys::SetEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    // Watching every event of the program costs a comparison each; while off, nothing is watched.
    if (enabled)
        qApp->installEventFilter(this);
    else
        qApp->removeEventFilter(this);
}

QString ExperimentKeys::KeyList() {
    return tr("Клавиши: пробел — «Старт», затем «Пауза» или «Продолжить»;\n"
              "стрелки — переместить экран; + и − — размер экрана меньше или больше;\n"
              "Home — исходный вид; PageDown — «Продолжить», PageUp — «Пауза»;\n"
              "Ctrl+M — измерения; F1 — справка.");
}

bool ExperimentKeys::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::KeyRelease && type != QEvent::ShortcutOverride)
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr || widget->window() != &experiment_) return false;
    const auto& key = static_cast<const QKeyEvent&>(*event);
    const Command command = CommandOf(key);
    if (command == Command::None) return false;
    // The press does the work; a release or a shortcut check of the same key is only kept from the
    // control with the focus, which would otherwise act on it too (a button clicks on Space's release).
    if (type == QEvent::KeyPress) return Handle(key);
    event->accept();
    return type == QEvent::KeyRelease;
}

bool ExperimentKeys::Handle(const QKeyEvent& key) {
    const Command command = CommandOf(key);
    if (key.isAutoRepeat() && OncePerPress(command)) return true;
    switch (command) {
    case Command::StartPauseContinue:
        if (experiment_.Timer1->Interval() == 0)
            ClickButton("Command1");
        else
            ClickButton(experiment_.Timer1->Enabled() ? "Command4" : "Command5");
        break;
    case Command::Continue:
        ClickButton("Command5");
        break;
    case Command::Pause:
        ClickButton("Command4");
        break;
    case Command::Left:
        ClickButton("Command2");
        break;
    case Command::Right:
        ClickButton("Command8");
        break;
    case Command::Up:
        ClickButton("Command3");
        break;
    case Command::Down:
        ClickButton("Command7");
        break;
    case Command::ZoomIn:
        ZoomStep(QAbstractSlider::SliderPageStepSub);
        break;
    case Command::ZoomOut:
        ZoomStep(QAbstractSlider::SliderPageStepAdd);
        break;
    case Command::Home:
        GoHome();
        break;
    case Command::None:
        return false;
    }
    return true;
}

void ExperimentKeys::ClickButton(const char* name) {
    if (auto* button = experiment_.findChild<QAbstractButton*>(QLatin1String(name))) button->click();
}

// A click on the slider's track: the slider raises its Scroll and Change events as for the mouse.
void ExperimentKeys::ZoomStep(int action) {
    experiment_.Slider2->triggerAction(static_cast<QAbstractSlider::SliderAction>(action));
}

// The zoom slider set back (its caption follows) and the view moved home, drawn as a move of the
// slider draws it.
void ExperimentKeys::GoHome() {
    ui::Guarded(&experiment_, experiment_.Timer1, [this] {
        experiment_.ZoomCenterX = homeCentre_.x;
        experiment_.ZoomCenterY = homeCentre_.y;
        experiment_.Slider2->setValue(homeSize_);
        experiment_.Slider2_Scroll();
    });
}

} // namespace orvane
