// The laws drawn over the experiment's screens: entries after the options for a class, off by default
// and then drawing nothing; arrows, the orbit, the sectors, the grid and the tape seen in the screens'
// pixels; remembered settings.
#include "GuiTestSupport.h"

#include "ScreenLawsController.h"
#include "ScreenOptionsController.h"

#include "KeplerPanel.h"
#include "MeasurementsWindow.h"
#include "NumberText.h"
#include "Settings.h"
#include "StateLayout.h"
#include "VbSlider.h"
#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <cmath>
#include <numbers>

namespace orvane {
namespace {

using test::Click;
using test::ExperimentFixture;
using test::Find;
using test::Presented;

constexpr double AuMkm = AstronomicalUnitMetres / 1e9;

struct Laws : ExperimentFixture {
    void SetUp() override {
        ui::OpenSettings()->clear();
        ExperimentFixture::SetUp();
    }
    ScreenLawsController* Controller() {
        auto* laws = form->findChild<ScreenLawsController*>();
        EXPECT_NE(laws, nullptr);
        return laws;
    }
    // The left screen narrowed to the inner planets: 600 million km across, about the Sun.
    void Inner() {
        form->Slider2->setValue(650);
        form->Slider2->triggerAction(QAbstractSlider::SliderPageStepSub);
    }
    // Steps as the user's clicks make them, with the shapes drawn as the display's next frame would.
    void Ticks(int count) {
        ExperimentFixture::Ticks(count);
        Controller()->ShowPending();
    }
    QImage Shown(ui::PictureBox* screen) {
        Controller()->ShowPending();
        Presented(screen);
        return screen->ShownImage();
    }
    // The pixel of the left screen's drawing where a point of the plane lands.
    QPoint PixelOf(ui::PictureBox* screen, double x, double y) {
        const QPointF p = screen->ToPixel(x, y);
        return {static_cast<int>(std::floor(p.x())), static_cast<int>(std::floor(p.y()))};
    }
};

laws::LawsChoice Everything() {
    laws::LawsChoice all;
    all.velocity = all.force = all.orbit = all.areas = all.grid = true;
    return all;
}

// Whether a pixel or one of its eight neighbours has the colour: a line drawn between two points may
// take the pixel beside the one its end falls in.
bool Near(const QImage& image, QPoint at, QRgb rgb) {
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy) {
            const QPoint p = at + QPoint(dx, dy);
            if (image.rect().contains(p) && image.pixel(p) == rgb) return true;
        }
    return false;
}

QRgb Rgb(std::int32_t color) {
    return qRgb(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

// The entries follow the four options for a class and the wiping of the screens in both screens' menus,
// unchecked, the Earth chosen in «Тело»; the screens show nothing of them.
TEST_F(Laws, EntriesAfterTheOptionsForAClassAllOffByDefault) {
    QList<QAction*> actions;
    const QStringList entries = test::MenuEntries(Left(), &actions);
    ASSERT_GE(entries.size(), 13);
    EXPECT_EQ(entries.mid(7), QStringList({"Стрелки скорости", "Стрелки силы", "Орбита выбранного тела",
                                           "Равные площади (второй закон Кеплера)", "Тело", "Длина сектора",
                                           "Рулетка", "Сетка"}));
    EXPECT_EQ(entries[5], "Крупные точки (для проектора)");
    EXPECT_EQ(entries[6], "Очистить экраны");
    EXPECT_EQ(test::MenuEntries(Overview()).mid(7), entries.mid(7));
    for (QAction* action : actions.mid(7))
        EXPECT_FALSE(action->isChecked()) << action->text().toStdString();
    ASSERT_NE(actions[11]->menu(), nullptr);
    QStringList bodies;
    for (QAction* entry : actions[11]->menu()->actions()) {
        bodies << entry->text();
        EXPECT_EQ(entry->isChecked(), entry->text() == "Земля");
    }
    EXPECT_EQ(bodies.size(), 10);
    EXPECT_EQ(bodies.front(), "Меркурий");
    Ticks(5);
    EXPECT_TRUE(Left()->Overlay().isEmpty());
    EXPECT_TRUE(Overview()->Overlay().isEmpty());
}

// Turned on and off again, they leave the screens as a window that never had them draws them.
TEST_F(Laws, OffDrawExactlyAsAWindowWithoutThem) {
    driver::Program other;
    QPointer<Form2> plain = driver::StartExperiment(other.windows);
    ASSERT_NE(plain, nullptr);
    ScreenLawsController* laws = Controller();
    for (QAction* action : {laws->VelocityAction, laws->ForceAction, laws->OrbitAction, laws->AreasAction,
                            laws->TapeAction, laws->GridAction})
        action->trigger();
    EXPECT_EQ(laws->Choice(), Everything());
    Ticks(30);
    EXPECT_FALSE(Left()->Overlay().isEmpty());
    laws->SetChoice({}, false);
    Ticks(70);
    Click(plain, "Command4");
    for (int k = 0; k < 100; ++k)
        Click(plain, "Command1");
    EXPECT_TRUE(Left()->Overlay().isEmpty());
    EXPECT_EQ(Shown(Left()), Shown(Find<ui::PictureBox>(plain, "Picture1")));
    EXPECT_EQ(Shown(Overview()), Shown(Find<ui::PictureBox>(plain, "Picture2")));
    plain->close();
}

// The Earth's velocity arrow runs from the Earth along its velocity, a fifth of the screen long when it is
// the fastest body shown; its force arrow points at the Sun.
TEST_F(Laws, ArrowsRunAlongTheVelocityAndTowardTheSun) {
    laws::LawsChoice arrows;
    arrows.velocity = arrows.force = true;
    Controller()->SetChoice(arrows, false);
    Inner();
    Ticks(1);
    const laws::BodyMotion motion = laws::MotionOf(form->Run(), form->Shared());
    const laws::ArrowSet velocity =
        laws::Arrows(motion, laws::ArrowKind::Velocity, LeftScreenArea(form->View));
    const QImage image = Shown(Left());
    const laws::Vec2 earth = motion.position[body::Earth];
    const laws::Vec2 v = motion.velocity[body::Earth];
    const double speed = std::hypot(v.x, v.y) / 1000;
    const double length = speed * velocity.millionKmPerUnit;
    for (const double share : {0.3, 0.5, 0.8}) {
        const double x = earth.x + v.x / 1000 / speed * length * share;
        const double y = earth.y + v.y / 1000 / speed * length * share;
        EXPECT_TRUE(Near(image, PixelOf(Left(), x, y), Rgb(laws::colors::Velocity()))) << share;
    }
    // Toward the Sun: the pixels between the Earth and the Sun carry the force's colour.
    const laws::ArrowSet force =
        laws::Arrows(motion, laws::ArrowKind::Acceleration, LeftScreenArea(form->View));
    for (const laws::Arrow& arrow : force.arrows) {
        if (arrow.body != body::Earth) continue;
        const double toSun = std::atan2(-earth.y, -earth.x);
        EXPECT_NEAR(std::atan2(arrow.tip.y - arrow.tail.y, arrow.tip.x - arrow.tail.x), toSun, 0.01);
        const QPoint middle =
            PixelOf(Left(), (arrow.tail.x + arrow.tip.x) / 2, (arrow.tail.y + arrow.tip.y) / 2);
        EXPECT_TRUE(Near(image, middle, Rgb(laws::colors::Acceleration())));
    }
    // The scale bars' words.
    QStringList texts;
    for (const ui::PictureBox::ShownShape& shape : Left()->Overlay())
        if (!shape.text.isEmpty()) texts << shape.text;
    EXPECT_EQ(texts.size(), 2);
    EXPECT_TRUE(texts.join(' ').contains("км/с")) << texts.join(' ').toStdString();
    EXPECT_TRUE(texts.join(' ').contains("м/с²"));
}

// The Earth's sectors after two years at the default step: tinted inside the orbit, every complete one
// of the same area to a tenth of a per cent, and the chosen body's orbit drawn through the Earth.
TEST_F(Laws, SectorsTintedInsideTheOrbitAndTheOrbitThroughTheBody) {
    laws::LawsChoice areas;
    areas.areas = areas.orbit = true;
    Controller()->SetChoice(areas, false);
    Inner();
    Ticks(400);
    const laws::EqualAreas& sectors = Controller()->Areas();
    const std::vector<double> complete = sectors.CompleteAreas();
    ASSERT_EQ(complete.size(), laws::EqualAreas::KeptSectors);
    for (const double area : complete)
        EXPECT_NEAR(area / complete.front(), 1, 1e-3);
    const QImage image = Shown(Left());
    const QRgb tints[] = {Rgb(laws::colors::SectorTint(0)), Rgb(laws::colors::SectorTint(1))};
    for (const laws::EqualAreas::Sector& sector : sectors.Sectors()) {
        if (!sector.complete) continue;
        // Half-way out along the sector's middle.
        const laws::Vec2 mid = sector.vertices[sector.vertices.size() / 2];
        const QRgb seen = image.pixel(PixelOf(Left(), mid.x / 2e9, mid.y / 2e9));
        EXPECT_TRUE(seen == tints[0] || seen == tints[1]) << std::hex << seen;
        // Outside the orbit, nothing is tinted.
        const QRgb outside = image.pixel(PixelOf(Left(), mid.x * 1.3e-9, mid.y * 1.3e-9));
        EXPECT_NE(outside, tints[0]);
        EXPECT_NE(outside, tints[1]);
    }
    const int n = form->Run().BodyCount;
    const double ex = form->Run().StateVec(state::X(body::Earth, n)) / 1e9;
    const double ey = form->Run().StateVec(state::Y(body::Earth, n)) / 1e9;
    // The ellipse passes through the Earth: its line lies within two pixels of the Earth's point.
    bool through = false;
    const QPoint at = PixelOf(Left(), ex, ey);
    for (int dx = -2; dx <= 2; ++dx)
        for (int dy = -2; dy <= 2; ++dy)
            through = through || image.pixel(at + QPoint(dx, dy)) == Rgb(laws::colors::Orbit());
    EXPECT_TRUE(through);
}

// Grid lines every AU on a 600 million km screen, labelled at the edge.
TEST_F(Laws, GridLinesEveryAstronomicalUnitOnTheInnerView) {
    laws::LawsChoice grid;
    grid.grid = true;
    Controller()->SetChoice(grid, false);
    Inner();
    Ticks(1);
    const QImage image = Shown(Left());
    const QRgb line = Rgb(laws::colors::Grid());
    // Where no planet passes: high up the screen.
    for (const double x : {-AuMkm, AuMkm}) {
        EXPECT_EQ(image.pixel(PixelOf(Left(), x, 280)), line);
        EXPECT_NE(image.pixel(PixelOf(Left(), x + 20, 280)), line);
    }
    EXPECT_EQ(image.pixel(PixelOf(Left(), 200, AuMkm)), line);
    QStringList texts;
    for (const ui::PictureBox::ShownShape& shape : Left()->Overlay())
        if (!shape.text.isEmpty()) texts << shape.text;
    EXPECT_TRUE(texts.contains("1 а. е.")) << texts.join('|').toStdString();
    EXPECT_TRUE(texts.contains("-1 а. е."));
    // The overview has no grid.
    EXPECT_TRUE(Overview()->Overlay().isEmpty());
}

// A drag from the Sun to the Earth measures about an AU and follows the Earth as the run goes; a click
// removes it, and so does Escape.
TEST_F(Laws, TapeMeasuresFollowsABodyAndGoesOnAClickOrEscape) {
    Controller()->SetChoice({}, true);
    Inner();
    Ticks(1);
    const int n = form->Run().BodyCount;
    const auto earth = [&] {
        return laws::Vec2{form->Run().StateVec(state::X(body::Earth, n)) / 1e9,
                          form->Run().StateVec(state::Y(body::Earth, n)) / 1e9};
    };
    const QPoint corner = Left()->DrawingRect().topLeft();
    const QPoint sun = PixelOf(Left(), 0, 0) + corner;
    const laws::Vec2 e = earth();
    const QPoint to = PixelOf(Left(), e.x, e.y) + corner;
    QTest::mousePress(Left(), Qt::LeftButton, {}, sun);
    QTest::mouseMove(Left(), (sun + to) / 2);
    QTest::mouseRelease(Left(), Qt::LeftButton, {}, to);
    auto tape = Controller()->TapeNow();
    ASSERT_TRUE(tape);
    EXPECT_NEAR(laws::MeasureTape(tape->start, tape->end).astronomicalUnits, 0.983, 0.01);
    EXPECT_DOUBLE_EQ(tape->end.x, e.x); // on the Earth itself, not where the mouse let go
    Ticks(20);
    tape = Controller()->TapeNow();
    ASSERT_TRUE(tape);
    EXPECT_DOUBLE_EQ(tape->end.x, earth().x);
    EXPECT_NE(tape->end.x, e.x);
    bool worded = false;
    for (const ui::PictureBox::ShownShape& shape : Overview()->Overlay())
        worded = worded || shape.text.contains("млн км");
    EXPECT_TRUE(worded);

    QTest::mouseClick(Left(), Qt::LeftButton, {}, sun + QPoint(30, 30));
    EXPECT_FALSE(Controller()->TapeNow());
    QTest::mousePress(Left(), Qt::LeftButton, {}, sun + QPoint(30, 30));
    QTest::mouseRelease(Left(), Qt::LeftButton, {}, sun + QPoint(90, 30));
    tape = Controller()->TapeNow();
    ASSERT_TRUE(tape);
    EXPECT_NEAR(tape->end.x - tape->start.x, 60.0 * 600 / Left()->DrawingRect().width(), 1e-6);
    EXPECT_NEAR(laws::MeasureTape(tape->start, tape->end).angleDegrees, 0, 1e-9);
    form->activateWindow();
    Controller()->RemoveTapeAction->trigger();
    EXPECT_FALSE(Controller()->TapeNow());
    EXPECT_TRUE(Left()->Overlay().isEmpty());
}

// The choice is remembered for the next start of the program, the body included; another body begins
// its sectors afresh.
TEST_F(Laws, RememberedAndAnotherBodyStartsNewSectors) {
    laws::LawsChoice choice;
    choice.areas = true;
    Controller()->SetChoice(choice, false);
    Ticks(30);
    // Each of the others remembered too: one program sees what the previous one's menu left.
    Controller()->VelocityAction->trigger();
    Controller()->ForceAction->trigger();
    Controller()->GridAction->trigger();
    EXPECT_FALSE(Controller()->Areas().Sectors().empty());
    QAction* mars = form->findChild<QAction*>("LawsBody(5)");
    ASSERT_NE(mars, nullptr);
    mars->trigger();
    EXPECT_EQ(Controller()->Choice().body, body::Mars);
    EXPECT_TRUE(Controller()->Areas().Sectors().empty());
    Ticks(1);
    EXPECT_EQ(Controller()->Areas().Sectors().size(), 1u);

    driver::Program next;
    QPointer<Form2> again = driver::StartExperiment(next.windows);
    ASSERT_NE(again, nullptr);
    auto* remembered = again->findChild<ScreenLawsController*>();
    ASSERT_NE(remembered, nullptr);
    EXPECT_EQ(remembered->Choice(), Controller()->Choice());
    EXPECT_EQ(remembered->Choice().body, body::Mars);
    EXPECT_TRUE(remembered->AreasAction->isChecked());
    EXPECT_TRUE(again->findChild<QAction*>("LawsBody(5)")->isChecked());
    EXPECT_TRUE(remembered->VelocityAction->isChecked() && remembered->ForceAction->isChecked() &&
                remembered->GridAction->isChecked());
    EXPECT_FALSE(remembered->OrbitAction->isChecked() || remembered->TapeOn());
    again->close();
}

// The measurements window lists the complete sectors' areas in AU² with their shares of the mean, and
// plots every bound planet's T² against a³ on the line of the third law.
TEST_F(Laws, MeasurementsListTheSectorsAndPlotTheThirdLaw) {
    laws::LawsChoice areas;
    areas.areas = true;
    Controller()->SetChoice(areas, false);
    Ticks(200);
    measure::MeasurementsWindow* window = driver::OpenMeasurements(form);
    ASSERT_NE(window, nullptr);
    auto* panel = window->findChild<measure::KeplerPanel*>("KeplerPanel");
    ASSERT_NE(panel, nullptr);
    const QString listed = Find<QLabel>(window, "SectorAreas")->text();
    const std::vector<double> complete = Controller()->Areas().CompleteAreas();
    ASSERT_FALSE(complete.empty());
    // The Earth sweeps a twelfth of π a b ≈ π / 12 AU² per sector.
    EXPECT_NEAR(complete.front() / std::pow(AstronomicalUnitMetres, 2), std::numbers::pi / 12, 0.005);
    EXPECT_TRUE(listed.contains("Земля")) << listed.toStdString();
    EXPECT_TRUE(
        listed.contains(ui::NumberToText(complete.front() / std::pow(AstronomicalUnitMetres, 2), 'g', 5)))
        << listed.toStdString();
    EXPECT_TRUE(listed.contains(ui::NumberToText(1.0, 'f', 4)));
    // Nine planets bound; the heavy default asteroid too. Each lies on the line to within a per cent or so
    // (the Kepler period with the held Sun's mu lies on it exactly).
    const laws::ThirdLaw& law = panel->ThirdLaw();
    EXPECT_GE(law.points.size(), 9u);
    EXPECT_NEAR(law.slope, 1, 0.01);
    for (const laws::ThirdLawPoint& point : law.points)
        if (!point.measured) {
            EXPECT_NEAR(point.tSquared / (law.slope * point.aCubed), 1, 1e-9) << point.body;
        }
    Find<QCheckBox>(window, "ThirdLawLinear")->click();
}

// Shift+F10 opens the left screen's menu, and the arrow keys and Enter reach every entry: here «Сетка»,
// the last.
TEST_F(Laws, EveryEntryReachedFromTheMenuByKeys) {
    ScreenLawsController* laws = Controller();
    EXPECT_TRUE(laws->ScreenMenuAction->shortcuts().contains(QKeySequence(Qt::SHIFT | Qt::Key_F10)));
    QStringList passed;
    QTimer::singleShot(50, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        for (int k = 0; k < menu->actions().size() && menu->activeAction() != laws->GridAction; ++k) {
            QTest::keyClick(menu, Qt::Key_Down);
            if (menu->activeAction() != nullptr) passed << menu->activeAction()->text();
        }
        QTest::keyClick(menu, Qt::Key_Return);
    });
    laws->ScreenMenuAction->trigger();
    EXPECT_TRUE(laws->GridAction->isChecked()) << passed.join('|').toStdString();
    EXPECT_TRUE(passed.contains("Тело"));
    EXPECT_TRUE(passed.contains("Длина сектора"));
}

// A fixed length of 10 days: sectors of five steps of 2 days.
TEST_F(Laws, ASectorLengthChosenInDays) {
    laws::LawsChoice areas;
    areas.areas = true;
    Controller()->SetChoice(areas, false);
    QAction* tenDays = form->findChild<QAction*>("SectorDays(10)");
    ASSERT_NE(tenDays, nullptr);
    tenDays->trigger();
    Ticks(12);
    EXPECT_EQ(Controller()->Areas().StepsPerSector(), 5);
    EXPECT_EQ(Controller()->Areas().CompleteAreas().size(), 2u);
    form->findChild<QAction*>("SectorDays(0)")->trigger();
    Ticks(1);
    EXPECT_EQ(Controller()->Areas().StepsPerSector(), 15); // the Earth's 365 days / 12 in steps of 2 days
}

// On the small overview the scale bars' words stand above their bars, on a pale box: the bar is not
// covered, the words read over the trails, and the trails still show through the box. The left screen's
// words are as they were.
TEST_F(Laws, OverviewScaleBarWordsStandAboveTheirBarsOnAPaleBox) {
    laws::LawsChoice arrows;
    arrows.velocity = arrows.force = true;
    Controller()->SetChoice(arrows, false);
    Ticks(5);
    // Trails across the lower part of the overview, black lines every third pixel, under the words.
    const ScreenArea area = OverviewArea(form->Shared());
    const double height = area.top - area.bottom;
    for (int k = 0; k < 40; ++k) {
        const auto y = static_cast<float>(area.bottom + height * (0.005 + 0.3 * k / 40));
        Overview()->Line(static_cast<float>(area.left), y, static_cast<float>(area.right), y, 0);
    }
    const QImage shown = Shown(Overview());
    const QImage& picture = Overview()->Image();
    int words = 0, showingThrough = 0;
    for (const ui::PictureBox::ShownShape& text : Overview()->Overlay()) {
        if (text.kind != OverlayShape::Kind::Text) continue;
        ++words;
        EXPECT_TRUE(text.backed) << text.text.toStdString();
        // Its bar: the level line of its colour starting where the words start, just below them.
        bool barBelow = false;
        for (const ui::PictureBox::ShownShape& bar : Overview()->Overlay())
            if (bar.kind == OverlayShape::Kind::Polyline && bar.rgb == text.rgb && bar.points.size() == 2 &&
                bar.points[0].y() == bar.points[1].y() && bar.points[0].x() == text.points[0].x())
                barBelow = bar.points[0].y() > text.points[0].y() + text.textSize.height() - 1 &&
                           bar.points[0].y() < text.points[0].y() + 2 * text.textSize.height();
        EXPECT_TRUE(barBelow) << text.text.toStdString();
        const QRect box = QRect(text.points[0], text.textSize) & shown.rect();
        for (int y = box.top(); y <= box.bottom(); ++y)
            for (int x = box.left(); x <= box.right(); ++x) {
                if ((picture.pixel(x, y) & 0xFFFFFF) != 0) continue;
                const QRgb p = shown.pixel(x, y);
                EXPECT_NE(p & 0xFFFFFF, 0u) << "a trail's pixel not paled at " << x << "," << y;
                if (qRed(p) == qGreen(p) && qGreen(p) == qBlue(p) && qRed(p) > 100 && qRed(p) < 230)
                    ++showingThrough;
            }
    }
    EXPECT_EQ(words, 2);
    EXPECT_GT(showingThrough, 50);
    for (const ui::PictureBox::ShownShape& text : Left()->Overlay())
        EXPECT_FALSE(text.backed);
}

// A name over a dark picture is exactly what drawing its text nine times gives, eight times in white
// around its place and once in its colour: the screen lays it out once and copies its white letters.
TEST(ScreenTexts, ANameIsDrawnAsItsTextNineTimesOver) {
    test::Surface surface;
    for (int row = 0; row < 100; ++row)
        surface.box->Line(-50, 50.0f - static_cast<float>(row), 50, 50.0f - static_cast<float>(row), 0);
    const std::int32_t red = 0x0000C0;
    const SurfaceLabel name{-40, 20, "Меркурий", red};
    surface.box->SetLabels({&name, 1});
    ASSERT_EQ(surface.box->Labels().size(), 1);
    const QRect box = surface.box->Labels().front().box;
    QFont font = surface.box->font();
    font.setBold(true);
    font.setPixelSize(11);
    QImage label(box.size(), QImage::Format_ARGB32_Premultiplied);
    label.fill(Qt::transparent);
    {
        QPainter painter(&label);
        painter.setFont(font);
        const QPoint origin(1, 1 + QFontMetrics(font).ascent());
        painter.setPen(Qt::white);
        for (const QPoint rim : {QPoint(-1, 0), QPoint(1, 0), QPoint(0, -1), QPoint(0, 1), QPoint(-1, -1),
                                 QPoint(1, 1), QPoint(-1, 1), QPoint(1, -1)})
            painter.drawText(origin + rim, QStringLiteral("Меркурий"));
        painter.setPen(QColor(0xC0, 0, 0));
        painter.drawText(origin, QStringLiteral("Меркурий"));
    }
    QImage expected = surface.box->Image();
    {
        QPainter painter(&expected);
        painter.drawImage(box.topLeft(), label);
    }
    EXPECT_EQ(surface.box->ShownImage(), expected);
}

// What a step drew waits to be presented at once, before the display's next frame comes.
TEST(ScreenTexts, APointDrawnWaitsToBePresented) {
    test::Surface surface;
    surface.box->PSet(10, 10, 0);
    const QPointF p = surface.box->ToPixel(10, 10);
    EXPECT_TRUE(surface.box->PendingRegion().contains(
        QPoint(static_cast<int>(p.x()), static_cast<int>(p.y())) + surface.box->DrawingRect().topLeft()));
}

// Watches every paint of a screen as the window presents it and compares, right after it, what the window
// presents (under the offscreen platform a grab of the window is its backing store) with the screen drawn
// afresh: outside what still waits to be presented, every pixel must be the same, the laws' shapes in their
// new places and none left in their old ones.
class PresentedShapes : public QObject {
  public:
    explicit PresentedShapes(ui::PictureBox* screen) : screen_(screen) { screen->installEventFilter(this); }
    ~PresentedShapes() override { screen_->removeEventFilter(this); }
    int checks = 0;
    int shapePixels = 0; // pixels of the shapes compared over all frames
    QStringList wrong;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != screen_ || event->type() != QEvent::Paint || painting_) return false;
        painting_ = true;
        QCoreApplication::sendEvent(screen_, event);
        painting_ = false;
        Compare();
        return true;
    }

  private:
    void Compare() {
        QWidget* top = screen_->window();
        const QImage window = top->screen()->grabWindow(top->winId()).toImage();
        if (window.isNull()) return;
        const QRect area = screen_->DrawingRect();
        const QPoint origin = screen_->mapTo(top, area.topLeft());
        const QImage shown = screen_->ShownImage();
        const QImage picture = screen_->Image();
        const QRegion waiting = screen_->PendingRegion().translated(-area.topLeft());
        ++checks;
        int differ = 0;
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x) {
                if (waiting.contains(QPoint(x, y)) || !window.rect().contains(origin + QPoint(x, y)))
                    continue;
                const QRgb want = shown.pixel(x, y) & 0xFFFFFF;
                if (want != (picture.pixel(x, y) & 0xFFFFFF)) ++shapePixels;
                if ((window.pixel(origin.x() + x, origin.y() + y) & 0xFFFFFF) != want && differ++ == 0)
                    wrong << QStringLiteral("frame %1: %2,%3").arg(checks).arg(x).arg(y);
            }
        if (differ > 0) wrong.back() += QStringLiteral(" and %1 more").arg(differ - 1);
    }

    ui::PictureBox* screen_;
    bool painting_ = false;
};

// While the run goes at 1 ms with every law on, large points and a tape on the Earth, only the places of
// the shapes that moved are painted again; each presented frame is still the whole picture.
TEST_F(Laws, EveryFramePresentedWhileRunningShowsTheShapesWhereTheyAre) {
    form->findChild<ScreenOptionsController*>()->SetOptions({.bodyNames = true, .largeMarks = true});
    Controller()->SetChoice(Everything(), true);
    Inner();
    Ticks(1);
    const int n = form->Run().BodyCount;
    const QPoint corner = Left()->DrawingRect().topLeft();
    const QPoint sun = PixelOf(Left(), 0, 0) + corner;
    const QPoint earth = PixelOf(Left(), form->Run().StateVec(state::X(body::Earth, n)) / 1e9,
                                 form->Run().StateVec(state::Y(body::Earth, n)) / 1e9) +
                         corner;
    QTest::mousePress(Left(), Qt::LeftButton, {}, sun);
    QTest::mouseRelease(Left(), Qt::LeftButton, {}, earth);
    ASSERT_TRUE(Controller()->TapeNow());
    form->Slider1->setValue(1);
    PresentedShapes left(Left()), overview(Overview());
    Click(form, "Command5"); // «Продолжить»
    ASSERT_TRUE(test::WaitUntil([&] { return left.checks >= 20 && overview.checks >= 5; }, 20000))
        << left.checks << " " << overview.checks;
    Click(form, "Command4");
    EXPECT_GT(left.shapePixels, 1000 * left.checks); // the shapes were there to compare
    EXPECT_TRUE(left.wrong.isEmpty()) << left.wrong.join('\n').toStdString();
    EXPECT_TRUE(overview.wrong.isEmpty()) << overview.wrong.join('\n').toStdString();
}

// A fast run's shapes and the tape's words follow behind it; paused, they catch up with where it stopped,
// as shapes built afresh there are.
TEST_F(Laws, AFastRunsShapesCatchUpWhereItStops) {
    laws::LawsChoice arrows;
    arrows.velocity = arrows.force = true;
    Controller()->SetChoice(arrows, true);
    Inner();
    Ticks(1);
    form->Slider1->setValue(1);
    const auto runAndCompare = [&](const char* what) {
        const double before = form->Run().SimTime;
        Click(form, "Command5");
        test::Wait(300);
        Click(form, "Command4");
        ASSERT_GT((form->Run().SimTime - before) / state.Options.TimeStep, 30) << what;
        test::Wait(300);
        const QList<ui::PictureBox::ShownShape> caughtUp = Left()->Overlay();
        QEvent again(QEvent::LanguageChange);
        QCoreApplication::sendEvent(form, &again);
        EXPECT_TRUE(Left()->Overlay() == caughtUp) << what;
    };
    runAndCompare("the arrows");
    driver::LayTape(*form, body::Sun, body::Earth);
    ASSERT_TRUE(Controller()->TapeNow());
    runAndCompare("the arrows and the tape's words");
}

} // namespace
} // namespace orvane
