#include "ScreenLawsController.h"

#include "BodyLabels.h"
#include "BodyNames.h"
#include "Form2.h"
#include "NumberText.h"
#include "PictureBox.h"
#include "Settings.h"
#include "StateLayout.h"

#include <QAction>
#include <QActionGroup>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QEvent>
#include <QMenu>
#include <QMouseEvent>

#include <cmath>

namespace orvane {

namespace {

constexpr auto VelocityKey = "experiment/velocityArrows";
constexpr auto ForceKey = "experiment/forceArrows";
constexpr auto OrbitKey = "experiment/orbit";
constexpr auto AreasKey = "experiment/equalAreas";
constexpr auto TapeKey = "experiment/tape";
constexpr auto GridKey = "experiment/grid";
constexpr auto BodyKey = "experiment/lawsBody";

// A press and release closer than this many pixels is a click, and removes the tape.
constexpr double ClickPixels = 3;
// The shapes are built again at most this often while the run goes.
constexpr int FrameMs = 16;
// While the timer runs the shapes are built again at most this often.
constexpr int RunningFrameMs = 33;
// While the run goes, the tape's words change at most this often: a reading must stand still to be read.
constexpr int TapeReadingMs = 200;
// A drag that starts this close to a body's point follows the body.
constexpr double BodyPixels = 6;

// Numbers of the bars, the grid and the tape: three significant digits are all a picture can show.
QString Figure(double value) {
    return ui::NumberToText(value, 'g', 3);
}

// The controller's context written in full: lupdate does not find the class from here.
QString Tr(const char* text) {
    return QCoreApplication::translate("orvane::ScreenLawsController", text);
}

class Words : public laws::LawsWording {
  public:
    // `heldTape`, when not null, is said for the tape instead of its reading.
    Words(std::map<std::pair<double, double>, std::string>& gridWords, const std::string* heldTape)
        : gridWords_(gridWords), heldTape_(heldTape) {}
    std::string VelocityBar(double kmPerSecond, bool centreOfMassFrame) const override {
        const QString text =
            centreOfMassFrame
                //: The velocity arrows' scale in the screen's corner: %1 is the speed an arrow of the scale's
                //: length stands for.
                ? Tr(QT_TRANSLATE_NOOP("orvane::ScreenLawsController", "%1 км/с (относительно центра масс)"))
                : Tr(QT_TRANSLATE_NOOP("orvane::ScreenLawsController", "%1 км/с"));
        return text.arg(Figure(kmPerSecond)).toStdString();
    }
    std::string AccelerationBar(double metresPerSecondSquared) const override {
        //: The force arrows' scale: %1 is the acceleration an arrow of the scale's length stands for.
        return Tr(QT_TRANSLATE_NOOP("orvane::ScreenLawsController", "%1 м/с²"))
            .arg(Figure(metresPerSecondSquared))
            .toStdString();
    }
    std::string GridLabel(const laws::GridSpacing& spacing, double multiple) const override {
        // A line's words are keyed by its place in million km: the spacing's unit follows from it.
        const std::pair<double, double> key{spacing.millionKm, multiple};
        if (const auto known = gridWords_.find(key); known != gridWords_.end()) return known->second;
        // A zoom that passes through many spacings must not leave them all behind.
        if (gridWords_.size() > 256) gridWords_.clear();
        const QString text = spacing.inAstronomicalUnits
                                 ? Tr(QT_TRANSLATE_NOOP("orvane::ScreenLawsController", "%1 а. е."))
                                 : Tr(QT_TRANSLATE_NOOP("orvane::ScreenLawsController", "%1 млн км"));
        return gridWords_.emplace(key, text.arg(Figure(spacing.value * multiple)).toStdString())
            .first->second;
    }
    std::string TapeLabel(const laws::Tape& tape) const override {
        if (heldTape_ != nullptr) return *heldTape_;
        //: The measuring tape's reading: its length in million km and in AU, and its direction in degrees.
        return Tr(QT_TRANSLATE_NOOP("orvane::ScreenLawsController", "%1 млн км = %2 а. е., %3°"))
            .arg(Figure(tape.millionKm), Figure(tape.astronomicalUnits),
                 ui::NumberToText(tape.angleDegrees, 'f', 1))
            .toStdString();
    }

  private:
    std::map<std::pair<double, double>, std::string>& gridWords_;
    const std::string* heldTape_;
};

} // namespace

ScreenLawsController::ScreenLawsController(Form2& experiment)
    : QObject(&experiment), experiment_(experiment) {
    setObjectName(QStringLiteral("ScreenLaws"));
    const auto addToScreens = [this](QAction* action) {
        for (ui::PictureBox* screen : {experiment_.Picture1, experiment_.Picture2})
            screen->AddMenuAction(action);
    };
    const auto makeAction = [&](const char* name) {
        auto* action = new QAction(this);
        action->setObjectName(QLatin1String(name));
        action->setCheckable(true);
        addToScreens(action);
        connect(action, &QAction::toggled, this, [this] {
            laws::LawsChoice choice = choice_;
            choice.velocity = VelocityAction->isChecked();
            choice.force = ForceAction->isChecked();
            choice.orbit = OrbitAction->isChecked();
            choice.areas = AreasAction->isChecked();
            choice.grid = GridAction->isChecked();
            SetChoice(choice, TapeAction->isChecked());
        });
        return action;
    };
    VelocityAction = makeAction("VelocityArrowsAction");
    ForceAction = makeAction("ForceArrowsAction");
    OrbitAction = makeAction("OrbitAction");
    AreasAction = makeAction("EqualAreasAction");

    // The body of the orbit and the areas: the planets and the asteroid, one chosen.
    auto* bodies = new QMenu(&experiment_);
    bodies->setObjectName(QStringLiteral("LawsBodyMenu"));
    BodyGroup = new QActionGroup(this);
    for (int b = body::Mercury; b <= body::Count; ++b) {
        QAction* entry = bodies->addAction(QString());
        entry->setObjectName(QStringLiteral("LawsBody(%1)").arg(b));
        entry->setCheckable(true);
        entry->setData(b);
        BodyGroup->addAction(entry);
        connect(entry, &QAction::triggered, this, [this, b] {
            laws::LawsChoice choice = choice_;
            choice.body = b;
            SetChoice(choice, tapeOn_);
        });
    }
    BodyMenuAction = bodies->menuAction();
    BodyMenuAction->setObjectName(QStringLiteral("LawsBodyAction"));
    addToScreens(BodyMenuAction);

    // The sectors' length: the default, or a fixed number of days (not remembered: a lesson's choice).
    auto* lengths = new QMenu(&experiment_);
    lengths->setObjectName(QStringLiteral("SectorLengthMenu"));
    SectorGroup = new QActionGroup(this);
    for (const int days : {0, 5, 10, 30, 100}) {
        QAction* entry = lengths->addAction(QString());
        entry->setObjectName(QStringLiteral("SectorDays(%1)").arg(days));
        entry->setCheckable(true);
        entry->setChecked(days == 0);
        entry->setData(days);
        SectorGroup->addAction(entry);
        connect(entry, &QAction::triggered, this, [this, days] {
            areas_.SetDaysPerSector(days);
            ResetAreas();
            Show();
        });
    }
    SectorMenuAction = lengths->menuAction();
    SectorMenuAction->setObjectName(QStringLiteral("SectorLengthAction"));
    addToScreens(SectorMenuAction);

    TapeAction = makeAction("TapeAction");
    GridAction = makeAction("GridAction");

    RemoveTapeAction = new QAction(this);
    RemoveTapeAction->setObjectName(QStringLiteral("RemoveTapeAction"));
    RemoveTapeAction->setShortcut(QKeySequence(Qt::Key_Escape));
    RemoveTapeAction->setShortcutContext(Qt::WindowShortcut);
    experiment_.addAction(RemoveTapeAction);
    connect(RemoveTapeAction, &QAction::triggered, this, [this] {
        tapeStart_.reset();
        tapeEnd_.reset();
        Show();
    });

    ScreenMenuAction = new QAction(this);
    ScreenMenuAction->setObjectName(QStringLiteral("ScreenMenuAction"));
    ScreenMenuAction->setShortcuts({QKeySequence(Qt::SHIFT | Qt::Key_F10), QKeySequence(Qt::Key_Menu)});
    ScreenMenuAction->setShortcutContext(Qt::WindowShortcut);
    experiment_.addAction(ScreenMenuAction);
    connect(ScreenMenuAction, &QAction::triggered, this, [this] {
        ui::PictureBox* screen = experiment_.Picture1;
        const QPoint at = screen->DrawingRect().topLeft() + QPoint(8, 8);
        QContextMenuEvent event(QContextMenuEvent::Keyboard, at, screen->mapToGlobal(at));
        QCoreApplication::sendEvent(screen, &event);
    });

    ShowTexts();
    experiment_.Picture2->ShareTextImages(*experiment_.Picture1);
    experiment_.installEventFilter(this);
    for (ui::PictureBox* screen : {experiment_.Picture1, experiment_.Picture2})
        screen->installEventFilter(this);

    connect(&experiment_, &Form2::Ticked, this, &ScreenLawsController::OnTicked);
    connect(&experiment_, &Form2::Started, this, &ScreenLawsController::ResetAreas);
    connect(&experiment_, &Form2::WroteBack, this, &ScreenLawsController::ResetAreas);

    const auto settings = ui::OpenSettings();
    const auto flag = [&settings](const char* key) {
        return settings->value(QLatin1String(key), false).toBool();
    };
    laws::LawsChoice choice;
    choice.velocity = flag(VelocityKey);
    choice.force = flag(ForceKey);
    choice.orbit = flag(OrbitKey);
    choice.areas = flag(AreasKey);
    choice.grid = flag(GridKey);
    const int chosen = settings->value(QLatin1String(BodyKey), body::Earth).toInt();
    choice.body = chosen >= body::Mercury && chosen <= body::Count ? chosen : body::Earth;
    Apply(choice, flag(TapeKey));
}

void ScreenLawsController::ShowTexts() {
    VelocityAction->setText(tr("Стрелки скорости"));
    VelocityAction->setToolTip(tr("Скорость каждого тела относительно Солнца; когда Солнце движется — "
                                  "относительно центра масс"));
    ForceAction->setText(tr("Стрелки силы"));
    ForceAction->setToolTip(tr("Ускорение каждого тела: сила притяжения всех остальных тел на килограмм"));
    OrbitAction->setText(tr("Орбита выбранного тела"));
    AreasAction->setText(tr("Равные площади (второй закон Кеплера)"));
    //: The submenu choosing the body whose orbit and sectors are drawn.
    BodyMenuAction->setText(tr("Тело"));
    for (QAction* entry : BodyGroup->actions())
        entry->setText(ui::BodyName(entry->data().toInt()));
    SectorMenuAction->setText(tr("Длина сектора"));
    for (QAction* entry : SectorGroup->actions()) {
        const int days = entry->data().toInt();
        //: A sector's length: a twelfth of the body's period, rounded to whole steps.
        const QString twelfth = tr("1/12 периода (целое число шагов)");
        //: A sector's length in days.
        entry->setText(days == 0 ? twelfth : tr("%1 сут").arg(days));
    }
    //: The command that opens a screen's context menu from the keyboard (Shift+F10).
    ScreenMenuAction->setText(tr("Меню экрана"));
    //: A tool: drag across a screen to measure a distance and a direction.
    TapeAction->setText(tr("Рулетка"));
    TapeAction->setToolTip(tr("Протяните мышью по экрану; Escape или щелчок убирает рулетку"));
    //: Lines across the screens every round number of AU.
    GridAction->setText(tr("Сетка"));
    RemoveTapeAction->setText(tr("Убрать рулетку"));
}

bool ScreenLawsController::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &experiment_) {
        if (event->type() == QEvent::LanguageChange) {
            ShowTexts();
            gridWords_.clear();
            Show();
        }
        return false;
    }
    auto* screen = qobject_cast<ui::PictureBox*>(watched);
    if (screen == nullptr || !tapeOn_ || !ticked_) return false;
    const auto* mouse = dynamic_cast<QMouseEvent*>(event);
    if (mouse == nullptr) return false;
    const QPointF at = mouse->position() - QPointF(screen->DrawingRect().topLeft());
    const auto endAt = [&] { return TapeEnd{ToPlane(*screen, at), BodyAt(*screen, at)}; };
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        if (mouse->button() != Qt::LeftButton) return false;
        dragging_ = screen;
        pressedAt_ = at;
        tapeStart_ = endAt();
        tapeEnd_ = tapeStart_;
        return true;
    case QEvent::MouseMove:
        if (dragging_ != screen) return false;
        tapeEnd_ = endAt();
        Show();
        return true;
    case QEvent::MouseButtonRelease:
        if (dragging_ != screen || mouse->button() != Qt::LeftButton) return false;
        dragging_ = nullptr;
        if (std::hypot(at.x() - pressedAt_.x(), at.y() - pressedAt_.y()) < ClickPixels) {
            tapeStart_.reset();
            tapeEnd_.reset();
        } else {
            tapeEnd_ = endAt();
        }
        Show();
        return true;
    default:
        return false;
    }
}

// The plane's point under a pixel of a screen's drawing area, by the screen's own scale.
laws::Vec2 ScreenLawsController::ToPlane(const ui::PictureBox& screen, QPointF pixel) const {
    const QPointF origin = screen.ToPixel(0, 0);
    const QPointF unit = screen.ToPixel(1, 1);
    return {(pixel.x() - origin.x()) / (unit.x() - origin.x()),
            (pixel.y() - origin.y()) / (unit.y() - origin.y())};
}

int ScreenLawsController::BodyAt(const ui::PictureBox& screen, QPointF pixel) const {
    const laws::BodyMotion motion = laws::MotionOf(experiment_.Run(), experiment_.Shared());
    int nearest = 0;
    double best = BodyPixels;
    for (int b = body::Sun; b <= body::Count; ++b) {
        const QPointF p = screen.ToPixel(motion.position[b].x, motion.position[b].y);
        const double d = std::hypot(p.x() - pixel.x(), p.y() - pixel.y());
        if (d < best) best = d, nearest = b;
    }
    return nearest;
}

laws::Vec2 ScreenLawsController::Where(const TapeEnd& end) const {
    if (end.body == 0) return end.point;
    const SimState& run = experiment_.Run();
    const int n = run.BodyCount;
    return {ToMillionKm(run.StateVec(state::X(end.body, n)), experiment_.Shared().LengthUnit),
            ToMillionKm(run.StateVec(state::Y(end.body, n)), experiment_.Shared().LengthUnit)};
}

std::optional<laws::TapeLine> ScreenLawsController::TapeNow() const {
    if (!tapeOn_ || !tapeStart_ || !tapeEnd_) return std::nullopt;
    return laws::TapeLine{Where(*tapeStart_), Where(*tapeEnd_)};
}

void ScreenLawsController::SetChoice(const laws::LawsChoice& choice, bool tape) {
    if (choice == choice_ && tape == tapeOn_) return;
    Apply(choice, tape);
    const auto settings = ui::OpenSettings();
    settings->setValue(QLatin1String(VelocityKey), choice_.velocity);
    settings->setValue(QLatin1String(ForceKey), choice_.force);
    settings->setValue(QLatin1String(OrbitKey), choice_.orbit);
    settings->setValue(QLatin1String(AreasKey), choice_.areas);
    settings->setValue(QLatin1String(TapeKey), tapeOn_);
    settings->setValue(QLatin1String(GridKey), choice_.grid);
    settings->setValue(QLatin1String(BodyKey), choice_.body);
}

void ScreenLawsController::Apply(const laws::LawsChoice& choice, bool tape) {
    const laws::LawsChoice before = choice_;
    choice_ = choice;
    tapeOn_ = tape;
    const QSignalBlocker v(VelocityAction), f(ForceAction), o(OrbitAction), a(AreasAction), t(TapeAction),
        g(GridAction);
    VelocityAction->setChecked(choice.velocity);
    ForceAction->setChecked(choice.force);
    OrbitAction->setChecked(choice.orbit);
    AreasAction->setChecked(choice.areas);
    TapeAction->setChecked(tape);
    GridAction->setChecked(choice.grid);
    for (QAction* entry : BodyGroup->actions())
        entry->setChecked(entry->data().toInt() == choice.body);
    // The sectors begin where the option is turned on, or the body changes.
    if (!choice.areas || choice.body != before.body || !before.areas) ResetAreas();
    if (!tape) {
        tapeStart_.reset();
        tapeEnd_.reset();
    }
    Show();
}

void ScreenLawsController::ResetAreas() {
    const bool had = !areas_.Sectors().empty();
    areas_.Reset();
    if (had) emit AreasChanged();
}

void ScreenLawsController::OnTicked() {
    ticked_ = true;
    if (choice_.areas) {
        // A sector completes when the next one begins: the count or the first one kept changes.
        const std::size_t sectors = areas_.Sectors().size();
        const std::size_t first = areas_.FirstNumber();
        areas_.Record(experiment_.Run(), choice_.body);
        if (areas_.Sectors().size() != sectors || areas_.FirstNumber() != first) emit AreasChanged();
    }
    // A fast run's shapes follow at every other display frame: at a thousand steps a second the arrows are
    // a stroboscope either way, and drawing them at every frame cost more than the whole run.
    const int frameMs = experiment_.TickedByTimer() ? RunningFrameMs : FrameMs;
    if (!showPace_.Due(frameMs)) return;
    Show(true);
}

void ScreenLawsController::ShowPending() {
    if (showPace_.Held()) Show();
}

void ScreenLawsController::Show(bool running) {
    showPace_.Ran();
    const std::optional<laws::TapeLine> tape = TapeNow();
    // While the run goes, the words held stand until their time is up; the last ones are the reading
    // where the run stopped.
    if (tape && ticked_ && (!running || tapePace_.Due(TapeReadingMs))) {
        tapePace_.Ran();
        tapeWords_ = Words(gridWords_, nullptr).TapeLabel(laws::MeasureTape(tape->start, tape->end));
    }
    const bool any =
        choice_.velocity || choice_.force || choice_.orbit || choice_.areas || choice_.grid || tape;
    if (!any || !ticked_) {
        left_.clear();
        overview_.clear();
    } else {
        const SimState& run = experiment_.Run();
        const SimState& shared = experiment_.Shared();
        const laws::BodyMotion motion = laws::MotionOf(run, shared);
        std::optional<laws::OrbitShape> orbit;
        if (choice_.orbit) orbit = laws::OrbitShapeOf(run, shared, choice_.body);
        const Words words(gridWords_, &tapeWords_);
        laws::BuildOverlay(choice_, motion, orbit, areas_, tape, LeftScreenArea(experiment_.View), true,
                           shared.LengthUnit, words, left_);
        laws::BuildOverlay(choice_, motion, orbit, areas_, tape, OverviewArea(shared), false,
                           shared.LengthUnit, words, overview_);
    }
    experiment_.Picture1->SetOverlay(left_);
    experiment_.Picture2->SetOverlay(overview_);
}

ScreenLawsController* AttachScreenLaws(Form2& experiment) {
    return new ScreenLawsController(experiment);
}

} // namespace orvane
