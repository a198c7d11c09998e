#include "GuiTestSupport.h"

#include "Bodies.h"
#include "Form1.h"
#include "Form2.h"
#include "PictureBox.h"
#include "StateLayout.h"
#include "VbSlider.h"
#include "VbTimer.h"

#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <cmath>
#include <functional>
#include <utility>

namespace orvane::test {
namespace {

constexpr QRgb Blue = 0x0000FF, Red = 0xFF0000, Black = 0x000000, SunGreen = 0x00FF00, Jupiter = 0xBD0000,
               Mercury = 0x00B900, Uranus = 0x0000BF, Saturn = 0x00BF00, Asteroid = 0x00BE00, Axis = 0x010000;
// Places in the running state vector of eleven bodies.
constexpr int SunX = state::X(body::Sun, body::Count), SunY = state::Y(body::Sun, body::Count),
              EarthX = state::X(body::Earth, body::Count), EarthY = state::Y(body::Earth, body::Count),
              EarthVx = state::Vx(body::Earth, body::Count);

struct Experiment : ExperimentFixture {
    ui::VbTimer* Timer() { return form->Timer1; }
};

TEST_F(Experiment, ElapsedYearsAndDays) {
    Ticks(1);
    EXPECT_EQ(TextOf(form, "Text1"), "0");
    EXPECT_EQ(TextOf(form, "Text2"), "2");
    Ticks(181);
    EXPECT_EQ(TextOf(form, "Text1"), "0");
    EXPECT_EQ(TextOf(form, "Text2"), "364");
    Ticks(1);
    EXPECT_EQ(TextOf(form, "Text1"), "1");
    EXPECT_EQ(TextOf(form, "Text2"), "1");
}

TEST_F(Experiment, LayoutDefaultsAndCaptions) {
    EXPECT_EQ(form->windowTitle(), "Orvane2.0");
    EXPECT_EQ(Find<QAbstractButton>(form, "Command9")->text(),
              "     Изменить          параметры          объектов          (сохранить)");
    EXPECT_EQ(Find<QLabel>(form, "Label3")->text(), "Переместить       экран");
    EXPECT_EQ(Find<QLabel>(form, "Label4")->text(), "    С начала эксперимента прошло");
    EXPECT_EQ(Find<QLabel>(form, "Label1")->text(), "Размеры экрана = 9000 млн. км");
    EXPECT_EQ(Find<QLabel>(form, "Label2")->text(), "Замедление на шаге =1 мс");
    EXPECT_EQ(Find(form, "Picture1")->geometry(), QRect(2, 2, 585, 577));
    EXPECT_EQ(Find(form, "Command6")->geometry(), QRect(696, 544, 89, 25));
    EXPECT_EQ(Find(form, "Option2")->parentWidget()->objectName(), "Frame1");
    EXPECT_EQ(form->Slider1->minimum(), 1);
    EXPECT_EQ(form->Slider1->maximum(), 10000);
    EXPECT_EQ(form->Slider1->pageStep(), 100);
    EXPECT_EQ(form->Slider2->value(), 9000);
    EXPECT_EQ(form->Slider2->minimum(), 50);
    EXPECT_EQ(form->Slider2->pageStep(), 50);
    EXPECT_EQ(form->View.ZoomHalfX, 4500);
    EXPECT_EQ(state.Options.StepDelayMs, 1);
    EXPECT_EQ(state.Options.SunHeld, SunMode::Held);
    EXPECT_TRUE(Find<QRadioButton>(form, "Option1")->isChecked());
    test::ExpectCaptionsFit(form);
}

TEST_F(Experiment, WaitsForStartThenRunsPausesAndSteps) {
    EXPECT_TRUE(Timer()->Enabled());
    EXPECT_EQ(Timer()->Interval(), 0);
    Click(form, "Command5"); // "Продолжить" first changes nothing
    test::Wait(30);
    EXPECT_EQ(form->Run().SimTime, 0);
    EXPECT_EQ(TextOf(form, "Text2"), "0");

    Click(form, "Command1");
    EXPECT_EQ(Timer()->Interval(), 1);
    EXPECT_TRUE(
        test::WaitUntil([&] { return form->Run().SimTime > 3 * 172800.0; })); // the timer runs the ticks

    Click(form, "Command4");
    EXPECT_FALSE(Timer()->Enabled());
    const double paused = form->Run().SimTime;
    test::Wait(30);
    EXPECT_EQ(form->Run().SimTime, paused);
    Click(form, "Command1");
    Click(form, "Command1");
    EXPECT_EQ(form->Run().SimTime, paused + 2 * 172800);
    EXPECT_FALSE(Timer()->Enabled());
    test::Wait(30);
    EXPECT_EQ(form->Run().SimTime, paused + 2 * 172800);

    Click(form, "Command5");
    EXPECT_TRUE(test::WaitUntil([&] { return form->Run().SimTime > paused + 3 * 172800; }));
}

// The column of the y axis on the left screen.
int AxisColumn(const QImage& image, int row) {
    for (int x = 0; x < image.width(); ++x)
        if ((image.pixel(x, row) & 0xFFFFFF) == Axis) return x;
    return -1;
}

TEST_F(Experiment, PanningMovesTheViewByAQuarter) {
    Ticks(1);
    const int width = Left()->Image().width();
    EXPECT_EQ(AxisColumn(Left()->Image(), 10), width / 2);
    Click(form, "Command2"); // "Влево"
    EXPECT_EQ(form->View.ZoomCenterX, -2250);
    EXPECT_NEAR(AxisColumn(Left()->Image(), 10), 0.75 * width, 1);
    for (int k = 0; k < 4; ++k)
        Click(form, "Command3");
    EXPECT_EQ(form->View.ZoomCenterY, 4 * 2250);
    for (int k = 0; k < 4; ++k)
        Click(form, "Command7");
    EXPECT_EQ(form->View.ZoomCenterY, 0);
    Click(form, "Command8");
    EXPECT_EQ(form->View.ZoomCenterX, 0);
    EXPECT_EQ(form->Run().SimTime, 11 * 172800.0); // every pan is one step
}

TEST_F(Experiment, SlidersScrollApplyChangeOnlyCaptions) {
    Ticks(1);
    form->Slider2->triggerAction(QAbstractSlider::SliderToMinimum);
    EXPECT_EQ(form->View.ZoomHalfX, 25);
    EXPECT_EQ(form->View.ZoomHalfY, 25);
    EXPECT_EQ(Find<QLabel>(form, "Label1")->text(), "Размеры экрана = 50 млн.км");
    EXPECT_EQ(form->Run().SimTime, 2 * 172800.0);

    form->Slider1->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(state.Options.StepDelayMs, 101);
    EXPECT_EQ(Timer()->Interval(), 101);
    EXPECT_EQ(Find<QLabel>(form, "Label2")->text(), "Замедление на шаге = 101 мс");
    EXPECT_EQ(form->Run().SimTime, 3 * 172800.0);

    // A Change without a Scroll only writes the caption.
    form->Slider1->setValue(5000);
    form->Slider2->setValue(777);
    EXPECT_EQ(state.Options.StepDelayMs, 101);
    EXPECT_EQ(form->View.ZoomHalfX, 25);
    EXPECT_EQ(Find<QLabel>(form, "Label2")->text(), "Замедление на шаге = 5000 мс");
    EXPECT_EQ(Find<QLabel>(form, "Label1")->text(), "Размеры экрана = 777 млн.км");
    EXPECT_EQ(form->Run().SimTime, 3 * 172800.0);

    form->Slider2->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(form->View.ZoomHalfX, 389); // 778 / 2
    form->Slider2->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(form->View.ZoomHalfX, 389.5);
}

TEST_F(Experiment, BodyColoursAxesAndZoomFrame) {
    Ticks(1);
    form->Slider2->setValue(4050);
    form->Slider2->triggerAction(QAbstractSlider::SliderPageStepSub); // a 4000 million km view, ±2000
    Ticks(2);
    const QImage overview = Overview()->Image();
    for (QRgb color : {Blue, Red, SunGreen, Jupiter, Mercury, Uranus, Saturn, Asteroid, Axis})
        EXPECT_GT(CountColor(overview, color), 0) << std::hex << color;
    const QImage left = Left()->Image();
    for (QRgb color : {Blue, Red, SunGreen, Axis})
        EXPECT_GT(CountColor(left, color), 0) << std::hex << color;
    // Venus is black, and so is the zoom frame on the overview, which spans ±(1.1 × Pluto's y).
    EXPECT_DOUBLE_EQ(state.ViewHalfX, 1.1 * 3812677 / 1000);
    const QPointF corner = Overview()->ToPixel(-2000, 2000);
    EXPECT_EQ(overview.pixel(static_cast<int>(corner.x()), overview.height() / 3) & 0xFFFFFF, Black);
    EXPECT_EQ(overview.pixel(overview.width() / 3, static_cast<int>(corner.y())) & 0xFFFFFF, Black);
    EXPECT_GT(CountColor(left, Black), 0);
}

TEST_F(Experiment, TrailsGrowOnePointPerTickAndAPanWipesThem) {
    Ticks(1);
    form->Slider2->setValue(1050);
    form->Slider2->triggerAction(QAbstractSlider::SliderPageStepSub); // 1000 million km across, one step
    ASSERT_EQ(form->View.ZoomHalfX, 500);
    // Mars, at (169, -119) million km, lies away from both axes at either zoom, so no axis hides its
    // earlier point.
    EXPECT_EQ(CountColor(Left()->Image(), Red), 1);
    Ticks(5);
    EXPECT_EQ(CountColor(Left()->Image(), Red), 6);
    Click(form, "Command2");
    EXPECT_EQ(CountColor(Left()->Image(), Red), 1);
    EXPECT_EQ(CountColor(Overview()->Image(), Mercury), 1);
}

TEST_F(Experiment, SunHeldStaysAndFreeSunMoves) {
    Ticks(20);
    EXPECT_EQ(form->Run().StateVec(SunX), 0);
    EXPECT_EQ(form->Run().StateVec(SunY), 0);
    Click(form, "Option2");
    EXPECT_EQ(state.Options.SunHeld, SunMode::Free);
    Ticks(20);
    EXPECT_NE(form->Run().StateVec(SunX), 0);
    const double x = form->Run().StateVec(SunX);
    Click(form, "Option1");
    Ticks(5);
    EXPECT_EQ(form->Run().StateVec(SunX), x);
}

TEST_F(Experiment, EarthReturnsAfterOneYearAtHighAccuracy) {
    Click(&setup, "Option12");
    Start();
    Ticks(3652);
    const double dx = form->Run().StateVec(EarthX) - 12821e6, dy = form->Run().StateVec(EarthY) + 146540e6;
    EXPECT_LT(std::hypot(dx, dy), 0.02 * 147e9);
}

TEST_F(Experiment, RunsOnItsOwnCopyOfTheState) {
    Ticks(10);
    const SimState before = form->Run();
    // The body table keeps what the user set: no intermediate positions leak into it.
    EXPECT_EQ(state.BodyX(4), 12821e6);
    // Nothing the set-up window does reaches the running experiment.
    Click(&setup, "Command7");
    Click(&setup, "Command2");
    Click(&setup, "Option3");
    Click(&setup, "Command6");
    Find<QLineEdit>(&setup, "Text3(0)")->setText("12345");
    EXPECT_TRUE(form->Run().StateVec == before.StateVec);
    setup.Command5_Click();
    Ticks(1);
    EXPECT_NE(form->Run().StateVec(EarthX), before.StateVec(EarthX));
}

TEST_F(Experiment, WriteBackHandsOverOneMomentAndARestartBeginsThere) {
    Click(form, "Option2"); // the Sun moves too, so no body's values stay zero
    Ticks(7);
    Click(form, "Command9");
    const SimState handed = form->Run();
    // Plain numbers, not the layout's accessors: this checks the layout itself.
    for (int i = 1; i <= 11; ++i) {
        EXPECT_EQ(state.BodyX(i), handed.StateVec(i)) << i;
        EXPECT_EQ(state.BodyY(i), handed.StateVec(i + 11)) << i;
        EXPECT_EQ(state.BodyVx(i), handed.StateVec(i + 22)) << i;
        EXPECT_EQ(state.BodyVy(i), handed.StateVec(i + 33)) << i;
    }
    EXPECT_NE(state.BodyVx(1), 0);
    EXPECT_EQ(state.BodyMassPct(4), 100);
    EXPECT_TRUE(setup.isVisible());
    Ticks(3); // the run goes on without touching the handed-over table
    EXPECT_EQ(state.BodyX(4), handed.StateVec(EarthX));
    Start();
    EXPECT_EQ(form->Run().StateVec(EarthX), handed.StateVec(EarthX));
    EXPECT_EQ(form->Run().StateVec(EarthVx), handed.StateVec(EarthVx));
    EXPECT_EQ(form->Run().SimTime, 0);
}

TEST_F(Experiment, SetupOptionsReachTheRunningExperiment) {
    // The slow-down chosen before the first start is overridden by the new window's defaults ...
    form->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    Click(&setup, "Option13");
    Click(&setup, "Option12");
    Start();
    Ticks(1);
    EXPECT_EQ(Timer()->Interval(), 1);
    EXPECT_EQ(form->Run().SimTime, 8640);
    // ... while options changed during a run take effect at the next tick.
    Click(&setup, "Option13");
    EXPECT_EQ(Timer()->Interval(), 1);
    Click(&setup, "Option10");
    Ticks(1);
    EXPECT_EQ(Timer()->Interval(), 2000);
    EXPECT_EQ(form->Run().SimTime, 8640 + 172800);
}

TEST_F(Experiment, ARestartKeepsViewSpeedSunAndTimer) {
    Ticks(1);
    Click(form, "Command2");
    form->Slider1->triggerAction(QAbstractSlider::SliderPageStepAdd);
    Click(form, "Option2");
    Click(form, "Command4");
    Start();
    EXPECT_EQ(form->View.ZoomCenterX, -2250);
    EXPECT_EQ(state.Options.StepDelayMs, 101);
    EXPECT_EQ(form->Run().Options.SunHeld, SunMode::Free);
    EXPECT_FALSE(Timer()->Enabled());
    EXPECT_EQ(form->Run().SimTime, 0);
}

TEST_F(Experiment, AFaultedTickPausesOnceAndUndoesTheStep) {
    Ticks(2);
    const SimState before = form->Run();
    state.Options.TimeStep = 1e306; // positions overflow within one step
    Click(form, "Command5");        // running again
    {
        test::MessageCatcher catcher;
        ASSERT_TRUE(test::WaitUntil([&] { return !catcher.texts.isEmpty(); })); // the next event faults
        test::Wait(50);                                                         // and no further one comes

        ASSERT_EQ(catcher.texts.size(), 1);
        EXPECT_EQ(catcher.titles[0], "Orvane2.0");
    }
    EXPECT_FALSE(Timer()->Enabled());
    EXPECT_TRUE(form->Run().StateVec == before.StateVec);
    EXPECT_EQ(form->Run().SimTime, before.SimTime);
    state.Options.TimeStep = 172800;
    Click(form, "Command9");
    for (int i = 1; i <= 11; ++i)
        EXPECT_TRUE(std::isfinite(state.BodyX(i)));
    Click(form, "Command1");
    EXPECT_EQ(form->Run().SimTime, before.SimTime + 172800);
}

TEST_F(Experiment, ScreensSaveTheirPictureAndOfferItOnARightClick) {
    Ticks(20);
    QTemporaryDir dir;
    const QString path = dir.filePath("overview.png");
    ASSERT_TRUE(Overview()->SaveImage(path));
    const QImage saved(path);
    EXPECT_EQ(saved.size(), Overview()->DrawingRect().size());
    EXPECT_GT(CountColor(saved, Jupiter), 0);
    EXPECT_GT(CountColor(saved, Blue), 0);
    {
        MessageCatcher catcher;
        EXPECT_FALSE(Overview()->SaveImage(dir.filePath("missing/overview.png")));
        EXPECT_EQ(catcher.texts.size(), 1); // said, not swallowed
    }

    EXPECT_EQ(MenuEntries(Left()).value(0), "Сохранить изображение…");
}

TEST_F(Experiment, ClosingByTheFrameEndsTheRunAndExitClosesBoth) {
    Click(form, "Command2");
    form->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(form, nullptr);
    EXPECT_TRUE(setup.isVisible());
    Start();
    EXPECT_EQ(form->View.ZoomCenterX, 0); // a new window starts from its defaults
    Click(form, "Command6");
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(form, nullptr);
    EXPECT_FALSE(setup.isVisible());
}

// A start that comes after the window was closed, before the event loop has deleted it, opens a fresh
// window instead of showing the one about to go.
TEST_F(Experiment, AStartRightAfterClosingOpensAFreshWindow) {
    Click(form, "Command2");
    Form2* closed = form;
    form->close();
    Start();
    EXPECT_NE(form.data(), closed);
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(form->View.ZoomCenterX, 0);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_NE(form, nullptr); // the new window stays
    EXPECT_TRUE(form->isVisible());
}

// Closing the set-up window while the experiment runs only hides it: the run, the table and the options
// go on; the save-and-return shows it again with the handed-over state and without loading it anew.
// The program ends with the last visible window.
TEST_F(Experiment, ClosingTheSetupWindowHidesItUntilTheSaveAndReturn) {
    EXPECT_EQ(form->parentWidget(), nullptr); // a window of its own, not hidden along with the set-up window
    Click(&setup, "Option12");
    Find<QLineEdit>(&setup, "Text2(0)")->setText("7");
    Click(form, "Command1");
    QSignalSpy lastClosed(qApp, &QGuiApplication::lastWindowClosed);
    EXPECT_TRUE(setup.close());
    EXPECT_FALSE(setup.isVisible());
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(lastClosed.count(), 0);
    ASSERT_TRUE(test::WaitUntil([&] { return form->Run().SimTime >= 5 * 8640; })); // still running

    Click(form, "Command9");
    EXPECT_TRUE(setup.isVisible());
    EXPECT_EQ(state.BodyX(4), form->Run().StateVec(EarthX));
    EXPECT_NE(state.BodyX(4), 12821e6);
    EXPECT_EQ(state.Options.TimeStep, 8640); // not loaded anew: the options and typed text are as they were
    EXPECT_TRUE(Find<QRadioButton>(&setup, "Option12")->isChecked());
    EXPECT_EQ(TextOf(&setup, "Text2(0)"), "7");
    EXPECT_EQ(TextOf(&setup, "Text3(3)"), "12821"); // the table is not refreshed by the hand-over

    // Hidden again, the set-up window does not keep the program alive once the experiment closes: the
    // program's event loop ends at once, not at the time limit.
    QTimer::singleShot(0, [&] {
        setup.close();
        form->close();
    });
    QTimer limit;
    limit.setSingleShot(true);
    QObject::connect(&limit, &QTimer::timeout, [] { QApplication::exit(1); });
    limit.start(10000);
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_EQ(lastClosed.count(), 1);
}

// The x axis's row of a screen, where it crosses the given column.
int AxisRow(const QImage& image, int column) {
    for (int y = 0; y < image.height(); ++y)
        if ((image.pixel(column, y) & 0xFFFFFF) == Axis) return y;
    return -1;
}

// The rows of the pixels of one colour.
QList<int> RowsOf(const QImage& image, QRgb color) {
    QList<int> rows;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) == color) rows.push_back(y);
    return rows;
}

TEST_F(Experiment, YGrowsUpwardOnBothScreens) {
    Ticks(1);
    for (ui::PictureBox* screen : {Left(), Overview()}) {
        const QImage image = screen->Image();
        const int axis = AxisRow(image, 3);
        ASSERT_GT(axis, 0) << screen->objectName().toStdString();
        // The Earth (y = -146540 thousand km) and Pluto, drawn in the same blue, lie below the x axis ...
        const QList<int> below = RowsOf(image, Blue);
        ASSERT_FALSE(below.isEmpty());
        for (int row : below)
            EXPECT_GT(row, axis) << screen->objectName().toStdString();
        // ... and the asteroid (y = 2000000 thousand km) above it.
        const QList<int> above = RowsOf(image, Asteroid);
        ASSERT_FALSE(above.isEmpty());
        for (int row : above)
            EXPECT_LT(row, axis) << screen->objectName().toStdString();
    }
}

TEST_F(Experiment, EveryPanAndZoomClearsBothScreens) {
    // A fast massless asteroid between 400 and 2200 million km on both axes: its trail points lie apart
    // on both screens, away from the axes, and inside the left screen after every move below.
    state.BodyMassPct(11) = 0;
    state.BodyX(11) = 400e9;
    state.BodyY(11) = 300e9;
    state.BodyVx(11) = 4e5;
    state.BodyVy(11) = 4e5;
    Start();
    const std::pair<const char*, std::function<void()>> moves[] = {
        {"Влево", [&] { Click(form, "Command2"); }},
        {"Вправо", [&] { Click(form, "Command8"); }},
        {"Вверх", [&] { Click(form, "Command3"); }},
        {"Вниз", [&] { Click(form, "Command7"); }},
        {"Slider2", [&] { form->Slider2->triggerAction(QAbstractSlider::SliderPageStepSub); }},
    };
    for (const auto& [name, move] : moves) {
        Ticks(4);
        ASSERT_GE(CountColor(Left()->Image(), Asteroid), 4) << name;
        ASSERT_GE(CountColor(Overview()->Image(), Asteroid), 4) << name;
        const double before = form->Run().SimTime;
        move();
        EXPECT_EQ(form->Run().SimTime, before + 172800) << name;
        EXPECT_EQ(CountColor(Left()->Image(), Asteroid), 1) << name;
        EXPECT_EQ(CountColor(Overview()->Image(), Asteroid), 1) << name;
    }
    EXPECT_EQ(form->View.ZoomHalfX, 4475);
}

TEST_F(Experiment, AStepFaultingAtItsHalfStepIsUndoneAsAWhole) {
    Click(&setup, "Option11"); // a day per step
    Click(form, "Command1");   // the run goes
    // Mercury reaches the origin at the half step, a hair's breadth from Venus: only there does their
    // pull overflow, after the first stage has already moved the state. The Sun stands out of the way.
    state.BodyY(1) = 3e12;
    state.BodyX(2) = -1.08e9;
    state.BodyY(2) = 0;
    state.BodyVx(2) = 25000; // 1.08e9 m in half a day
    state.BodyVy(2) = 0;
    state.BodyX(3) = 1e-150;
    state.BodyY(3) = 0;
    state.BodyVx(3) = 0;
    state.BodyVy(3) = 0;
    Start(); // the running window goes on from the new state
    const SimState before = form->Run();
    ASSERT_TRUE(Timer()->Delivering());
    {
        test::MessageCatcher catcher;
        ASSERT_TRUE(test::WaitUntil([&] { return !catcher.texts.isEmpty(); }));
        test::Wait(50);
        ASSERT_EQ(catcher.texts.size(), 1);
        EXPECT_EQ(catcher.titles[0], "Orvane2.0");
        EXPECT_TRUE(catcher.texts[0].startsWith("Ошибка выполнения")) << catcher.texts[0].toStdString();
    }
    EXPECT_FALSE(Timer()->Enabled());
    EXPECT_EQ(form->Run().SimTime, 0);
    EXPECT_EQ(form->Run().StateVec(state::X(body::Mercury, body::Count)), -1.08e9);
    EXPECT_EQ(form->Run().StateVec(state::X(body::Venus, body::Count)), 1e-150);
    EXPECT_TRUE(form->Run().StateVec == before.StateVec);
}

} // namespace
} // namespace orvane::test
