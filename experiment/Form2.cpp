#include "Form2.h"

#include "AppStyle.h"
#include "ControlLayout.h"
#include "ExperimentStart.h"
#include "ExperimentTick.h"
#include "Language.h"
#include "MethodNames.h"
#include "NumberText.h"
#include "OptionGroup.h"
#include "PictureBox.h"
#include "ScreenLawsController.h"
#include "ScreenOptionsController.h"
#include "Twips.h"
#include "VbSlider.h"
#include "VbTimer.h"
#include "WindowOps.h"

#include <QAction>
#include <QEvent>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>

namespace orvane {

using ui::Named;
using ui::PlaceTw;

template <typename Handler>
void Form2::Guard(Handler handler) {
    // A fault pauses the run, as "Пауза" would, so its message is shown once.
    ui::Guarded(this, Timer1, [&] { (this->*handler)(); });
}

Form2::Form2(SimState& shared) : QWidget(nullptr), shared_(shared) {
    setObjectName(QStringLiteral("Form2"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(ui::WindowCaption);
    setWindowIcon(ui::AppIcon());
    setFixedSize(ui::Tw(11910), ui::Tw(8610));
    BuildLayout();
    Guard(&Form2::Form_Load);
    AttachScreenOptions(*this);
    AttachScreenLaws(*this);
}

void Form2::BuildLayout() {
    Picture1 = Named<ui::PictureBox>(QStringLiteral("Picture1"), this);
    PlaceTw(Picture1, 30, 30, 8775, 8655);
    Picture2 = Named<ui::PictureBox>(QStringLiteral("Picture2"), this);
    PlaceTw(Picture2, 8880, 30, 2985, 2775);

    // Created first: every handler's guard pauses the run on a fault.
    Timer1 = new ui::VbTimer(this, true, 0);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    ui::ConnectGuarded(Timer1, &ui::VbTimer::Timer, this, Timer1, &Form2::Timer1_Timer);

    using Button = ui::ButtonLayout<Form2>;
    static constexpr Button buttons[] = {
        {{"Command3", QT_TRANSLATE_NOOP("Captions", "Вверх"), 9840, 2880, 975, 495}, &Form2::Command3_Click},
        {{"Command2", QT_TRANSLATE_NOOP("Captions", "Влево"), 8880, 3360, 855, 495}, &Form2::Command2_Click},
        {{"Command8", QT_TRANSLATE_NOOP("Captions", "Вправо"), 10950, 3360, 855, 495},
         &Form2::Command8_Click},
        {{"Command7", QT_TRANSLATE_NOOP("Captions", "Вниз"), 9840, 3840, 975, 495}, &Form2::Command7_Click},
        {{"Command1", QT_TRANSLATE_NOOP("Captions", "Старт"), 8880, 7200, 1335, 375}, &Form2::Command1_Click},
        {{"Command9",
          QT_TRANSLATE_NOOP("Captions",
                            "     Изменить          параметры          объектов          (сохранить)"),
          10440, 7200, 1335, 855},
         &Form2::Command9_Click},
        {{"Command4", QT_TRANSLATE_NOOP("Captions", "Пауза"), 8880, 7680, 1335, 375}, &Form2::Command4_Click},
        {{"Command5", QT_TRANSLATE_NOOP("Captions", "Продолжить"), 8880, 8160, 1335, 375},
         &Form2::Command5_Click},
        {{"Command6", QT_TRANSLATE_NOOP("Captions", "Выход"), 10440, 8160, 1335, 375},
         &Form2::Command6_Click},
    };
    ui::MakeButtons<Form2>(this, buttons, Timer1);

    const auto label = [this](const ui::ControlLayout& layout) {
        return ui::MakeControl<ui::VbLabel>(this, layout);
    };
    //: The label over the four arrow buttons that move the left screen; the spaces break it into two lines.
    label({"Label3", QT_TRANSLATE_NOOP("Captions", "Переместить       экран"), 9840, 3390, 1095, 375})
        ->setAlignment(Qt::AlignCenter);
    Label1 = label(
        {"Label1", QT_TRANSLATE_NOOP("Captions", "Размеры экрана = 9000 млн. км"), 9000, 4400, 2775, 255});
    Label2 =
        label({"Label2", QT_TRANSLATE_NOOP("Captions", "Замедление на шаге =1 мс"), 9000, 5160, 2775, 255});
    label(
        {"Label4", QT_TRANSLATE_NOOP("Captions", "    С начала эксперимента прошло"), 8880, 6480, 2895, 255});
    //: Read with the counters around it: “[years] Лет и [days] Дней”, the time since the experiment began.
    label({"Label5", QT_TRANSLATE_NOOP("Captions", "Лет и"), 9840, 6840, 495, 255});
    //: Follows the days' counter: “[years] Лет и [days] Дней”.
    label({"Label6", QT_TRANSLATE_NOOP("Captions", "Дней"), 11280, 6840, 495, 255});

    Slider2 = Named<ui::VbSlider>(QStringLiteral("Slider2"), this, 50, 10000,
                                  static_cast<int>(2 * DefaultZoomHalf), 50, 1);
    PlaceTw(Slider2, 8880, 4680, 2895, 375);
    Slider1 = Named<ui::VbSlider>(QStringLiteral("Slider1"), this, 1, 10000, FastStepDelayMs, 100, 1);
    PlaceTw(Slider1, 8880, 5400, 2895, 375);
    ui::ConnectGuarded(Slider1, &ui::VbSlider::Scroll, this, Timer1, &Form2::Slider1_Scroll);
    ui::ConnectGuarded(Slider1, &ui::VbSlider::Change, this, Timer1, &Form2::Slider1_Change);
    ui::ConnectGuarded(Slider2, &ui::VbSlider::Scroll, this, Timer1, &Form2::Slider2_Scroll);
    ui::ConnectGuarded(Slider2, &ui::VbSlider::Change, this, Timer1, &Form2::Slider2_Change);

    auto* frame = ui::MakeControl<QGroupBox>(this, "Frame1", QT_TRANSLATE_NOOP("Captions", "Движение Солнца"),
                                             8880, 5800, 2895, 615);
    //: The Sun's motion switched off: the Sun is held in place (glossary: held).
    Option1 = ui::MakeControl<QRadioButton>(frame, "Option1", QT_TRANSLATE_NOOP("Captions", "Отключено"), 120,
                                            240, 1335, 255);
    Option1->setChecked(true);
    //: Switched on: here the Sun's motion (the Sun is free); in the set-up window the slow-down.
    Option2 = ui::MakeControl<QRadioButton>(frame, "Option2", QT_TRANSLATE_NOOP("Captions", "Включено"), 1680,
                                            240, 1095, 255);
    ui::ConnectGuarded(Option1, &QRadioButton::clicked, this, Timer1, &Form2::Option1_Click);
    ui::ConnectGuarded(Option2, &QRadioButton::clicked, this, Timer1, &Form2::Option2_Click);
    ui::GroupOptions(frame);

    Text1 = ui::MakeControl<QLineEdit>(this, "Text1", "0", 9000, 6720, 735, 285);
    Text2 = ui::MakeControl<QLineEdit>(this, "Text2", "0", 10440, 6720, 735, 285);
    for (QLineEdit* text : {Text1, Text2}) {
        text->setReadOnly(true);
        text->setAlignment(Qt::AlignRight);
    }

    setTabOrder(Slider2, Slider1);

    MeasureAction = new QAction(this);
    MeasureAction->setObjectName(QStringLiteral("MeasureAction"));
    MeasureAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_M));
    addAction(MeasureAction);
    for (ui::PictureBox* screen : {Picture1, Picture2}) {
        screen->AddMenuAction(MeasureAction);
    }
    ShowMenuTexts();
}

void Form2::ShowMenuTexts() {
    // The screens' tooltip is the screen options' (ScreenOptionsController), which list the keys too.
    MeasureAction->setText(tr("Измерения…"));
}

// A new language: the captions, the menu, and the two labels a slider has rewritten.
void Form2::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() != QEvent::LanguageChange) return;
    const bool sizeShown = Label1->property(ui::CaptionShownProperty).toString() != Label1->text();
    const bool delayShown = Label2->property(ui::CaptionShownProperty).toString() != Label2->text();
    ui::RetranslateCaptions(this);
    if (sizeShown) Slider2_Change();
    if (delayShown) Slider1_Change();
    ShowMenuTexts();
    ShowMethod();
}

void Form2::Form_Load() {
    View = ExperimentView{};
    LoadExperimentWindowOptions(shared_.Options);
    SetSunHeld(shared_.Options.SunHeld);
}

void Form2::StartFrom(const SimState& packed) {
    const SunMode sunHeld = shared_.Options.SunHeld;
    run_ = packed;
    run_.Options.SunHeld = sunHeld;
    integrator_.Forget();
    ShowMethod();
    emit Started();
}

namespace {
// Laying out a text box's text costs more than the rest of a tick's drawing: only a new value does.
void ShowIfChanged(QLineEdit* box, const QString& text) {
    if (box->text() != text) box->setText(text);
}
} // namespace

// The tick: the core steps the run and draws through both screens; the window shows the elapsed time and
// sets the timer, which is what first arms it and how a new slow-down takes effect.
void Form2::Command1_Click() {
    ExperimentTick(run_, shared_, View, *Picture1, *Picture2, integrator_, Palette ? &*Palette : nullptr);
    ShowElapsed(timerTick_);
    Timer1->SetInterval(shared_.Options.StepDelayMs);
    emit Ticked();
}

void Form2::ShowElapsed(bool paced) {
    // Every other display frame: a count changing faster cannot be read, and each change paints the
    // caption the days' box overlaps as well.
    constexpr int FrameMs = 33;
    if (paced && !elapsedPace_.Due(FrameMs)) return;
    elapsedPace_.Ran();
    ShowIfChanged(Text1, ui::NumberToText(run_.ElapsedYears));
    ShowIfChanged(Text2, ui::NumberToText(run_.ElapsedDaysRem));
}

void Form2::Timer1_Timer() {
    struct Ticking {
        bool& flag;
        explicit Ticking(bool& f) : flag(f) { flag = true; }
        ~Ticking() { flag = false; }
        Ticking(const Ticking&) = delete;
        Ticking& operator=(const Ticking&) = delete;
    } ticking(timerTick_);
    Command1_Click();
}

void Form2::Command4_Click() {
    Timer1->SetEnabled(false);
    // Paused, the boxes show where the run stands.
    elapsedPace_.Flush();
}
void Form2::Command5_Click() {
    Timer1->SetEnabled(true);
}

void Form2::Command6_Click() {
    emit Leaving();
    close();
}

void Form2::Command9_Click() {
    ReturnRunToTable(shared_, run_);
    emit WroteBack();
}

void Form2::Option1_Click() {
    SetSunHeld(SunMode::Held);
}

void Form2::Option2_Click() {
    SetSunHeld(SunMode::Free);
}

// The switch holds for the options and for a run already going.
void Form2::SetSunHeld(SunMode mode) {
    shared_.Options.SunHeld = mode;
    run_.Options.SunHeld = mode;
    integrator_.Forget();
}

void Form2::ShowMethod() {
    const QString caption = ui::ExperimentCaption(shared_.Options.Method);
    if (windowTitle() != caption) setWindowTitle(caption);
}

void Form2::ClearScreens_Click() {
    Picture1->Cls();
    Picture2->Cls();
    emit ScreensWiped();
}

void Form2::ClearScreensIf(bool clear) {
    if (!clear) return;
    Picture1->Cls();
    Picture2->Cls();
    emit ScreensCleared();
}

} // namespace orvane
