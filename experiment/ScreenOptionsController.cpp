#include "ScreenOptionsController.h"

#include "ExperimentKeys.h"
#include "Form2.h"
#include "HistoryCsv.h"
#include "KeptTrails.h"
#include "PictureBox.h"

#include "BodyNames.h"

#include <QAction>
#include <QCoreApplication>
#include <QEvent>

namespace orvane {

namespace {
// The bodies' names as the set-up window and the measurements call them, in the desktop's language.
BodyNameTexts ScreenBodyNames() {
    BodyNameTexts names;
    for (int body = body::Sun; body <= body::Count; ++body) {
        names[static_cast<std::size_t>(body - 1)] = ui::BodyName(body).toStdString();
    }
    return names;
}
} // namespace

ScreenOptionsController::ScreenOptionsController(Form2& experiment)
    : QObject(&experiment), experiment_(experiment), colors_(AllBodyColors()), names_(ScreenBodyNames()),
      keys_(new ExperimentKeys(experiment)) {
    setObjectName(QStringLiteral("ScreenOptions"));
    const auto makeAction = [this](const char* name) {
        auto* action = new QAction(this);
        action->setObjectName(QLatin1String(name));
        action->setCheckable(true);
        for (ui::PictureBox* screen : {experiment_.Picture1, experiment_.Picture2})
            screen->AddMenuAction(action);
        connect(action, &QAction::toggled, this, [this] {
            SetOptions({BodyNamesAction->isChecked(), KeepTrailsAction->isChecked(), KeysAction->isChecked(),
                        LargeMarksAction->isChecked()});
        });
        return action;
    };
    BodyNamesAction = makeAction("BodyNamesAction");
    KeepTrailsAction = makeAction("KeepTrailsAction");
    KeysAction = makeAction("KeysAction");
    LargeMarksAction = makeAction("LargeMarksAction");
    ClearScreensAction = new QAction(this);
    ClearScreensAction->setObjectName(QStringLiteral("ClearScreensAction"));
    for (ui::PictureBox* screen : {experiment_.Picture1, experiment_.Picture2})
        screen->AddMenuAction(ClearScreensAction);
    connect(ClearScreensAction, &QAction::triggered, &experiment_, &Form2::ClearScreens_Click);
    ShowTexts();
    experiment_.installEventFilter(this);

    connect(&experiment_, &Form2::Ticked, this, &ScreenOptionsController::OnTicked);
    connect(&experiment_, &Form2::Started, this, &ScreenOptionsController::OnStarted);
    connect(&experiment_, &Form2::ScreensCleared, this, &ScreenOptionsController::OnScreensCleared);
    // What was kept for the wiped screens would come back with the next pan.
    connect(&experiment_, &Form2::ScreensWiped, this, [this] {
        trails_.Clear();
        screensInStore_ = true;
    });
    connect(&experiment_, &Form2::WroteBack, this, [this] {
        trails_.Clear();
        screensInStore_ = false;
    });

    Apply(LoadScreenOptions());
}

void ScreenOptionsController::ShowTexts() {
    BodyNamesAction->setText(tr("Подписи тел"));
    KeepTrailsAction->setText(tr("Сохранять следы при перемещении экрана"));
    KeysAction->setText(tr("Управление с клавиатуры"));
    LargeMarksAction->setText(tr("Крупные точки (для проектора)"));
    ClearScreensAction->setText(tr("Очистить экраны"));
}

bool ScreenOptionsController::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &experiment_ && event->type() == QEvent::LanguageChange) {
        ShowTexts();
        names_ = ScreenBodyNames();
        for (ui::PictureBox* screen : {experiment_.Picture1, experiment_.Picture2})
            screen->setToolTip(ScreensToolTip());
        ShowBodyNames();
    }
    return false;
}

void ScreenOptionsController::SetOptions(const ScreenOptions& options) {
    if (options == options_) return;
    Apply(options);
    SaveScreenOptions(options_);
}

void ScreenOptionsController::Apply(const ScreenOptions& options) {
    const ScreenOptions before = options_;
    options_ = options;
    const QSignalBlocker names(BodyNamesAction), trails(KeepTrailsAction), keys(KeysAction),
        marks(LargeMarksAction);
    BodyNamesAction->setChecked(options.bodyNames);
    KeepTrailsAction->setChecked(options.keepTrails);
    KeysAction->setChecked(options.keys);
    LargeMarksAction->setChecked(options.largeMarks);

    // The path is recorded only while it is wanted, and its memory given back when it no longer is.
    if (!options.keepTrails) trails_.Clear();
    if (options.keepTrails != before.keepTrails) screensInStore_ = !ticked_;
    keys_->SetEnabled(options.keys);
    // A projector gets colours a class tells apart on its white screen: the points from the next step
    // on, the names and the trails drawn again at once.
    colors_ = options.largeMarks ? ProjectorBodyColors() : AllBodyColors();
    experiment_.Palette = options.largeMarks ? std::optional(colors_) : std::nullopt;
    for (ui::PictureBox* screen : {experiment_.Picture1, experiment_.Picture2}) {
        screen->SetLargeMarks(options.largeMarks);
        screen->setToolTip(ScreensToolTip());
    }
    if (options.largeMarks != before.largeMarks && options.keepTrails && ticked_ && screensInStore_) Redraw();
    ShowBodyNames();
}

QString ScreenOptionsController::ScreensToolTip() const {
    QString tip = tr("Правая кнопка мыши — меню: сохранить изображение, измерения, подписи тел, следы, "
                     "клавиатура, крупные точки");
    tip += QLatin1Char('\n');
    tip += ExperimentKeys::KeyList();
    if (!options_.keys)
        tip += QLatin1Char('\n') +
               tr("Клавиши действуют, когда в меню включено «Управление с клавиатуры» (F1 — всегда).");
    return tip;
}

void ScreenOptionsController::OnTicked() {
    ticked_ = true;
    if (options_.keepTrails) trails_.Record(TrailSample(experiment_.Run()));
    if (!options_.bodyNames) return;
    constexpr int FrameMs = 16;
    if (experiment_.TickedByTimer() && !namesPace_.Due(FrameMs)) return;
    ShowBodyNames();
}

// A new start begins a new path; the screens keep what they show.
void ScreenOptionsController::OnStarted() {
    trails_.Clear();
    screensInStore_ = !ticked_;
    ShowBodyNames();
}

// A pan or a zoom has just wiped both screens and is about to make its step: the kept trails go back
// first, at the new view.
void ScreenOptionsController::OnScreensCleared() {
    screensInStore_ = options_.keepTrails;
    if (!options_.keepTrails) return;
    RedrawTrails(trails_, colors_, experiment_.Shared(), experiment_.View, *experiment_.Picture1,
                 *experiment_.Picture2);
}

// The screens drawn afresh from the kept trails, without a step (the look of the points has changed).
void ScreenOptionsController::Redraw() {
    experiment_.Picture1->Cls();
    experiment_.Picture2->Cls();
    OnScreensCleared();
}

void ScreenOptionsController::ShowBodyNames() {
    namesPace_.Ran();
    if (!options_.bodyNames || !ticked_) {
        for (ui::PictureBox* screen : {experiment_.Picture1, experiment_.Picture2})
            screen->SetLabels({});
        return;
    }
    const SimState& shared = experiment_.Shared();
    DrawBodyLabels(experiment_.Run(), shared, LeftScreenArea(experiment_.View), names_, colors_,
                   *experiment_.Picture1);
    DrawBodyLabels(experiment_.Run(), shared, OverviewArea(shared), names_, colors_, *experiment_.Picture2);
}

ScreenOptionsController* AttachScreenOptions(Form2& experiment) {
    return new ScreenOptionsController(experiment);
}

} // namespace orvane
