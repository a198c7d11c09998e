#include "ExperimentKeys.h"

#include "Form2.h"
#include "Guard.h"
#include "VbSlider.h"
#include "VbTimer.h"
#include "WheelZoom.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>

namespace orvane {

namespace {
// What a key does in the window.
enum class Command { None, StartPauseContinue, Click, ZoomIn, ZoomOut, Home, ClearScreens };

struct KeyCommand {
    int key;
    Command command;
    const char* button = nullptr; // the button a Click clicks
};

constexpr KeyCommand KeyCommands[] = {
    {Qt::Key_Space, Command::StartPauseContinue},
    {Qt::Key_PageDown, Command::Click, "Command5"},
    {Qt::Key_PageUp, Command::Click, "Command4"},
    {Qt::Key_Left, Command::Click, "Command2"},
    {Qt::Key_Right, Command::Click, "Command8"},
    {Qt::Key_Up, Command::Click, "Command3"},
    {Qt::Key_Down, Command::Click, "Command7"},
    {Qt::Key_Plus, Command::ZoomIn},
    {Qt::Key_Equal, Command::ZoomIn},
    {Qt::Key_Minus, Command::ZoomOut},
    {Qt::Key_Underscore, Command::ZoomOut},
    {Qt::Key_Home, Command::Home},
    {Qt::Key_Delete, Command::ClearScreens},
};

KeyCommand CommandOf(const QKeyEvent& key) {
    // Shift is allowed: many keyboards type + with it. Ctrl, Alt and Meta keys belong to others.
    if ((key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) != 0)
        return {0, Command::None};
    for (const KeyCommand& command : KeyCommands)
        if (command.key == key.key()) return command;
    return {0, Command::None};
}

// Keys whose repetition while held down would be a surprise: each press counts once. The arrows and the
// zoom keys repeat, as a held button of a remote would.
bool OncePerPress(const KeyCommand& command) {
    return command.command == Command::StartPauseContinue || command.command == Command::Home ||
           command.command == Command::ClearScreens || command.key == Qt::Key_PageDown ||
           command.key == Qt::Key_PageUp;
}
} // namespace

ExperimentKeys::ExperimentKeys(Form2& experiment)
    : QObject(&experiment), experiment_(experiment), homeSize_(experiment.Slider2->value()),
      homeView_(experiment.View), zoom_(ZoomOf(experiment)) {}

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
              "стрелки — переместить экран; + и − — размер экрана в 1,25 раза меньше или больше\n"
              "(колесо мыши над левым экраном — так же, с Shift — мельче);\n"
              "Home — исходный вид; PageDown — «Продолжить», PageUp — «Пауза»;\n"
              "Ctrl+M — измерения; F1 — справка.") +
           QLatin1Char('\n') + tr("Delete — очистить экраны.");
}

bool ExperimentKeys::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::KeyRelease && type != QEvent::ShortcutOverride)
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr || widget->window() != &experiment_) return false;
    const auto& key = static_cast<const QKeyEvent&>(*event);
    if (CommandOf(key).command == Command::None) return false;
    // The press does the work; a release or a shortcut check of the same key is only kept from the
    // control with the focus, which would otherwise act on it too (a button clicks on Space's release).
    if (type == QEvent::KeyPress) return Handle(key);
    event->accept();
    return type == QEvent::KeyRelease;
}

bool ExperimentKeys::Handle(const QKeyEvent& key) {
    const KeyCommand command = CommandOf(key);
    if (key.isAutoRepeat() && OncePerPress(command)) return true;
    switch (command.command) {
    case Command::StartPauseContinue:
        if (experiment_.Timer1->Interval() == 0)
            ClickButton("Command1");
        else
            ClickButton(experiment_.Timer1->Enabled() ? "Command4" : "Command5");
        return true;
    case Command::Click:
        ClickButton(command.button);
        return true;
    case Command::ZoomIn:
        zoom_->Step(1, false);
        return true;
    case Command::ZoomOut:
        zoom_->Step(-1, false);
        return true;
    case Command::Home:
        GoHome();
        return true;
    case Command::ClearScreens:
        experiment_.ClearScreens_Click();
        return true;
    case Command::None:
        break;
    }
    return false;
}

void ExperimentKeys::ClickButton(const char* name) {
    if (auto* button = experiment_.findChild<QAbstractButton*>(QLatin1String(name))) button->click();
}

// The zoom slider set back (its caption follows) and the view moved home, drawn as a move of the
// slider draws it.
void ExperimentKeys::GoHome() {
    ui::Guarded(&experiment_, experiment_.Timer1, [this] {
        experiment_.View.ZoomCenterX = homeView_.ZoomCenterX;
        experiment_.View.ZoomCenterY = homeView_.ZoomCenterY;
        experiment_.Slider2->setValue(homeSize_);
        experiment_.Slider2_Scroll();
    });
}

} // namespace orvane
