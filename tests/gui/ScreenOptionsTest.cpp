// The experiment window's options for a class: off by default and then drawing exactly as without them;
// names over the screens; trails kept and drawn again after a pan or a zoom, as a live run at that view
// draws them; keys that reach the window whatever has the focus; large marks; remembered settings.
#include "GuiTestSupport.h"

#include "ExperimentKeys.h"
#include "Form3.h"
#include "ScreenOptionsController.h"
#include "VbSlider.h"
#include "VbTimer.h"

#include "Settings.h"
#include <QAction>
#include <QLabel>
#include <QMenu>

#include <QSettings>
#include <QTest>

#include <memory>

namespace orvane {
namespace {

using test::Click;
using test::ExperimentFixture;
using test::Find;
using test::Presented;
using test::WaitUntil;

ScreenOptionsController* OptionsOf(Form2* form) {
    auto* options = form->findChild<ScreenOptionsController*>();
    EXPECT_NE(options, nullptr);
    return options;
}

constexpr ScreenOptions AllOn{true, true, true, true};

struct Options : ExperimentFixture {
    // Every case begins with nothing remembered, as a new user's program does.
    void SetUp() override {
        ui::OpenSettings()->clear();
        ExperimentFixture::SetUp();
    }
    ScreenOptionsController* Controller() { return OptionsOf(form); }
    void Set(const ScreenOptions& options) { Controller()->SetOptions(options); }
};

// The entries follow "Измерения…" in both screens' menus, unchecked until the user checks them.
TEST_F(Options, AreCheckableMenuEntriesAfterMeasurementsAllOffByDefault) {
    ScreenOptionsController* options = Controller();
    EXPECT_EQ(options->Options(), ScreenOptions{});
    for (ui::PictureBox* screen : {Left(), Overview()}) {
        // The menu opens in a loop of its own: what it shows is read, and it is closed, from a timer.
        QStringList texts;
        QList<QAction*> entries;
        QTimer reader;
        QObject::connect(&reader, &QTimer::timeout, [&] {
            for (QWidget* widget : QApplication::topLevelWidgets()) {
                auto* menu = qobject_cast<QMenu*>(widget);
                if (menu == nullptr || !menu->isVisible() || menu->objectName() != "PictureMenu") continue;
                for (QAction* action : menu->actions()) {
                    texts.append(action->text());
                    entries.append(action);
                }
                menu->close();
            }
        });
        reader.start(20);
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(20, 20),
                                screen->mapToGlobal(QPoint(20, 20)));
        QApplication::sendEvent(screen, &event);
        reader.stop();
        EXPECT_EQ(texts.mid(1, 5),
                  QStringList({"Измерения…", "Подписи тел", "Сохранять следы при перемещении экрана",
                               "Управление с клавиатуры", "Крупные точки (для проектора)"}));
        for (QAction* action : entries.mid(2, 4)) {
            EXPECT_TRUE(action->isCheckable());
            EXPECT_FALSE(action->isChecked());
        }
    }
    // The screens' tooltip lists the keys.
    EXPECT_TRUE(Left()->toolTip().contains("PageDown")) << Left()->toolTip().toStdString();
    EXPECT_TRUE(Overview()->toolTip().contains("F1"));
}

// A window whose options were turned on and off again draws, pixel for pixel, what a window that never
// had them draws, through a run, pans, a zoom, the Sun released and a write-back.
TEST_F(Options, OffDrawExactlyAsAWindowWithoutThem) {
    driver::Program other;
    QPointer<Form2> plain = driver::StartExperiment(other.windows);
    ASSERT_NE(plain, nullptr);
    Controller()->BodyNamesAction->trigger();
    Controller()->KeepTrailsAction->trigger();
    Controller()->KeysAction->trigger();
    Controller()->LargeMarksAction->trigger();
    EXPECT_EQ(Controller()->Options(), AllOn);
    Set({});
    const auto both = [&](const std::function<void(Form2*)>& step) {
        step(form);
        step(plain);
    };
    both([](Form2* f) { Click(f, "Command4"); });
    both([](Form2* f) {
        for (int k = 0; k < 150; ++k)
            Click(f, "Command1");
    });
    both([](Form2* f) { Click(f, "Command2"); });
    both([](Form2* f) { Click(f, "Command3"); });
    both([](Form2* f) { f->Slider2->triggerAction(QAbstractSlider::SliderPageStepSub); });
    both([](Form2* f) { Click(f, "Option2"); });
    both([](Form2* f) {
        for (int k = 0; k < 50; ++k)
            Click(f, "Command1");
    });
    both([](Form2* f) { Click(f, "Command9"); });
    EXPECT_EQ(Controller()->Trails().Size(), 0u); // nothing was recorded
    EXPECT_TRUE(Left()->Labels().isEmpty());
    Presented(Find<ui::PictureBox>(plain, "Picture1"));
    Presented(Left());
    // Each grabbed as the active window: an inactive window's controls have other colours.
    const auto grabActive = [](QWidget* window) {
        QApplication::setActiveWindow(window);
        QApplication::processEvents();
        return window->grab().toImage();
    };
    EXPECT_EQ(grabActive(form), grabActive(plain));
    EXPECT_EQ(Left()->Image(), Find<ui::PictureBox>(plain, "Picture1")->Image());
    plain->close();
}

// With the trails kept, a pan and a zoom show on both screens exactly what a run drawn live at the new
// view from the start would show; without, only the latest points.
TEST_F(Options, KeptTrailsAfterAPanAndAZoomEqualALiveRunAtThatView) {
    Set({.keepTrails = true});
    Ticks(400);
    Click(form, "Command2");                                          // pan, one step
    form->Slider2->triggerAction(QAbstractSlider::SliderPageStepSub); // zoom, one step
    Ticks(20);
    EXPECT_EQ(Controller()->Trails().Size(), 422u);

    driver::Program other;
    QPointer<Form2> live = driver::StartExperiment(other.windows);
    Click(live, "Command4");
    Click(live, "Command2");
    live->Slider2->triggerAction(QAbstractSlider::SliderPageStepSub);
    for (int k = 0; k < 420; ++k)
        Click(live, "Command1");
    EXPECT_EQ(live->Run().SimTime, form->Run().SimTime);
    const QImage left = Left()->Image(), overview = Overview()->Image();
    EXPECT_EQ(left, Find<ui::PictureBox>(live, "Picture1")->Image());
    EXPECT_EQ(overview, Find<ui::PictureBox>(live, "Picture2")->Image());
    // The trails are really there: hundreds of Earth's blue points on the left screen.
    EXPECT_GT(test::CountColor(left, qRgb(0, 0, 255)), 80);
    live->close();

    // Without the option a pan leaves one step's points.
    Set({});
    EXPECT_EQ(Controller()->Trails().Size(), 0u);
    Click(form, "Command8");
    EXPECT_LE(test::CountColor(Left()->Image(), qRgb(0, 0, 255)), 2);
    EXPECT_EQ(Controller()->Trails().Size(), 0u); // nothing recorded while the option is off
}

// The Sun's switch never wipes the screens: the trails stay as drawn.
TEST_F(Options, TheSunSwitchLeavesTheTrailsAsTheyAre) {
    Set({.keepTrails = true});
    Ticks(100);
    const QImage before = Left()->Image();
    Click(form, "Option2");
    Click(form, "Option1");
    EXPECT_EQ(Left()->Image(), before);
}

// A new start and a write-back begin a new path.
TEST_F(Options, ANewStartOrAWriteBackBeginsANewPath) {
    Set({.keepTrails = true});
    Ticks(30);
    EXPECT_EQ(Controller()->Trails().Size(), 30u);
    Click(form, "Command9");
    EXPECT_EQ(Controller()->Trails().Size(), 0u);
    Ticks(5);
    Start();
    EXPECT_EQ(Controller()->Trails().Size(), 0u);
    Ticks(7);
    EXPECT_EQ(Controller()->Trails().Size(), 7u);
}

// Names beside the bodies on both screens, over the picture and never in it; none for a body off the
// screen; none overlapping.
TEST_F(Options, NamesStandOverThePictureBesideTheBodiesOnTheScreen) {
    form->Slider2->setValue(1050);
    form->Slider2->triggerAction(QAbstractSlider::SliderPageStepSub); // ±500 million km
    Ticks(50);
    const QImage withoutNames = Left()->Image();
    Set({.bodyNames = true});
    EXPECT_EQ(Left()->Image(), withoutNames); // not drawn into the trails
    QStringList left, overview;
    for (const auto& label : Left()->Labels())
        left.append(label.text);
    for (const auto& label : Overview()->Labels())
        overview.append(label.text);
    EXPECT_TRUE(left.contains("Солнце"));
    EXPECT_TRUE(overview.contains("Солнце"));
    // Pluto and the asteroid (at −1000, 2000 million km) lie far outside the ±500 left screen.
    EXPECT_TRUE(overview.contains("Плутон")) << overview.join(',').toStdString();
    EXPECT_TRUE(left.contains("Земля")) << left.join(',').toStdString();
    EXPECT_FALSE(left.contains("Астероид"));
    EXPECT_FALSE(left.contains("Плутон"));
    for (const auto* labels : {&Left()->Labels(), &Overview()->Labels()})
        for (qsizetype a = 0; a < labels->size(); ++a)
            for (qsizetype b = a + 1; b < labels->size(); ++b)
                EXPECT_FALSE((*labels)[a].box.intersects((*labels)[b].box))
                    << (*labels)[a].text.toStdString() << " " << (*labels)[b].text.toStdString();
    // The Sun's name, in the Sun's green, is what the screen shows there.
    const auto sun = std::find_if(Left()->Labels().begin(), Left()->Labels().end(),
                                  [](const auto& label) { return label.text == "Солнце"; });
    ASSERT_NE(sun, Left()->Labels().end());
    EXPECT_EQ(sun->rgb, qRgb(0, 255, 0));
    const QImage shown = Left()->ShownImage();
    EXPECT_GT(test::CountColor(shown.copy(sun->box), qRgb(0, 255, 0)), 10);
    EXPECT_EQ(test::CountColor(withoutNames.copy(sun->box), qRgb(0, 255, 0)), 0);
    // The names move with the bodies and leave no trace; off again, they are gone.
    Ticks(200);
    EXPECT_EQ(test::CountColor(Left()->Image(), qRgb(0, 255, 0)) <= 1, true); // the held Sun's one point
    Set({});
    EXPECT_TRUE(Left()->Labels().isEmpty());
    EXPECT_TRUE(Overview()->Labels().isEmpty());
}

// While the timer runs the names follow at the display's pace, not at every tick; a frame after a pause
// they stand where the bodies stopped, as names placed afresh there do.
TEST_F(Options, NamesFollowATimedRunAndStandWhereItStopped) {
    Set({.bodyNames = true});
    form->Timer1->SetInterval(1);
    const double before = form->Run().SimTime;
    Click(form, "Command5");
    test::Wait(300);
    Click(form, "Command4");
    ASSERT_GT((form->Run().SimTime - before) / state.Options.TimeStep, 30);
    test::Wait(60);
    const QList<ui::PictureBox::ShownLabel> left = Left()->Labels(), overview = Overview()->Labels();
    ASSERT_FALSE(left.isEmpty());
    Set({});
    Set({.bodyNames = true});
    EXPECT_EQ(Left()->Labels(), left);
    EXPECT_EQ(Overview()->Labels(), overview);
}

// For a projector: a 3 × 3 block per point, the axes and the zoom frame two pixels wide.
TEST_F(Options, LargeMarksDrawBlocksAndWideLines) {
    Set({.largeMarks = true});
    Ticks(1);
    const QImage image = Left()->Image();
    const QPointF sun = Left()->ToPixel(form->Run().ScreenX(1), form->Run().ScreenY(1));
    const int sx = static_cast<int>(sun.x()), sy = static_cast<int>(sun.y());
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            EXPECT_EQ(image.pixel(sx + dx, sy + dy) & 0xFFFFFF, 0xCC6600u) << dx << "," << dy; // orange
    // The x axis (colour value 1, red 1): two rows at the left edge, the row above white.
    const int axisRow = static_cast<int>(Left()->ToPixel(0, 0).y());
    EXPECT_EQ(image.pixel(5, axisRow) & 0xFFFFFF, 0x010000u);
    EXPECT_EQ(image.pixel(5, axisRow + 1) & 0xFFFFFF, 0x010000u);
    EXPECT_EQ(image.pixel(5, axisRow - 1) & 0xFFFFFF, 0xFFFFFFu);
    // Without the option one pixel per point and one row per axis.
    Set({});
    Click(form, "Command2");
    const QImage thin = Left()->Image();
    const int row = static_cast<int>(Left()->ToPixel(0, 0).y());
    EXPECT_EQ(thin.pixel(5, row + 1) & 0xFFFFFF, 0xFFFFFFu);
    EXPECT_EQ(image.size(), thin.size()); // the trail image keeps its size
}

// Each key with the focus on a slider, a button and a text box.
struct Keys : Options, ::testing::WithParamInterface<const char*> {
    QWidget* Focus() { return Find<QWidget>(form, GetParam()); }
    void Press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(Focus(), static_cast<Qt::Key>(key), modifiers);
    }
};

TEST_P(Keys, DoWhatTheirControlsDo) {
    Set({.keys = true});
    form->activateWindow();
    Focus()->setFocus();
    // Space: "Старт" first, then "Пауза" and "Продолжить" in turn.
    EXPECT_EQ(form->Timer1->Interval(), 0);
    Press(Qt::Key_Space);
    EXPECT_EQ(form->Run().SimTime, form->Shared().Options.TimeStep);
    EXPECT_TRUE(form->Timer1->Delivering());
    Press(Qt::Key_Space);
    EXPECT_FALSE(form->Timer1->Enabled());
    Press(Qt::Key_Space);
    EXPECT_TRUE(form->Timer1->Enabled());
    Press(Qt::Key_PageUp);
    EXPECT_FALSE(form->Timer1->Enabled());
    Press(Qt::Key_PageDown);
    EXPECT_TRUE(form->Timer1->Enabled());
    Press(Qt::Key_PageUp);
    // The arrows pan by a quarter of the screen, and each pan makes its step.
    const double before = form->Run().SimTime;
    Press(Qt::Key_Left);
    EXPECT_EQ(form->View.ZoomCenterX, -2250);
    Press(Qt::Key_Up);
    EXPECT_EQ(form->View.ZoomCenterY, 2250);
    Press(Qt::Key_Right);
    Press(Qt::Key_Right);
    EXPECT_EQ(form->View.ZoomCenterX, 2250);
    Press(Qt::Key_Down);
    EXPECT_EQ(form->View.ZoomCenterY, 0);
    EXPECT_EQ(form->Run().SimTime, before + 5 * form->Shared().Options.TimeStep);
    // + and −: the screen 1.25 times smaller or larger, as a move of the zoom slider, caption included.
    EXPECT_EQ(form->Slider1->value(), 1); // the focused slider did not move
    Press(Qt::Key_Plus, Qt::ShiftModifier);
    EXPECT_EQ(form->Slider2->value(), 7200);
    EXPECT_EQ(form->View.ZoomHalfX, 3600);
    EXPECT_EQ(Find<QLabel>(form, "Label1")->text(), "Размеры экрана = 7200 млн.км");
    Press(Qt::Key_Minus);
    Press(Qt::Key_Minus);
    EXPECT_EQ(form->Slider2->value(), 10000); // 9000, then the slider's end
    // Home: the view as the window opened it.
    Press(Qt::Key_Home);
    EXPECT_EQ(form->Slider2->value(), 9000);
    EXPECT_EQ(form->View.ZoomHalfX, 4500);
    EXPECT_EQ(form->View.ZoomCenterX, 0);
    EXPECT_EQ(form->View.ZoomCenterY, 0);
    EXPECT_EQ(form->Slider1->value(), 1);
    EXPECT_FALSE(form->Timer1->Enabled());
}

TEST_P(Keys, AreTheControlsOwnWhileTheOptionIsOff) {
    Focus()->setFocus();
    Press(Qt::Key_PageDown);
    Press(Qt::Key_Home);
    Press(Qt::Key_Left);
    EXPECT_EQ(form->View.ZoomCenterX, 0);
    EXPECT_EQ(form->Timer1->Interval(), 0); // nothing started
    // A focused slider takes its own keys, as it always did.
    if (QString(GetParam()) == "Slider1") {
        Press(Qt::Key_Right);
        EXPECT_EQ(form->Slider1->value(), 2);
    }
}

INSTANTIATE_TEST_SUITE_P(Focus, Keys, ::testing::Values("Slider1", "Command9", "Text1"));

// F1 opens the help window from the set-up window, the experiment window and the help window itself.
TEST_F(Options, F1OpensTheHelpFromEveryWindow) {
    ASSERT_EQ(windows.HelpWindow(), nullptr);
    QTest::keyClick(form->Slider1, Qt::Key_F1);
    ASSERT_NE(windows.HelpWindow(), nullptr);
    EXPECT_TRUE(windows.HelpWindow()->isVisible());
    windows.HelpWindow()->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QTest::keyClick(Find<QWidget>(&setup, "Text3(0)"), Qt::Key_F1);
    ASSERT_NE(windows.HelpWindow(), nullptr);
    Form3* help = windows.HelpWindow();
    QTest::keyClick(help, Qt::Key_F1);
    EXPECT_EQ(windows.HelpWindow(), help); // brought forward, not opened twice
    help->close();
}

// The options outlive the window and the program: a new program finds them in its settings (the test's
// own file, never the user's).
TEST_F(Options, AreRememberedAcrossARestart) {
    const QString file = ui::OpenSettings()->fileName();
    EXPECT_FALSE(file.startsWith(QDir::homePath() + "/.config")) << file.toStdString();
    Controller()->BodyNamesAction->trigger();
    Controller()->LargeMarksAction->trigger();
    form->close();
    {
        auto program = std::make_unique<driver::Program>();
        Form2* again = driver::StartExperiment(program->windows);
        EXPECT_EQ(OptionsOf(again)->Options(), (ScreenOptions{.bodyNames = true, .largeMarks = true}));
        EXPECT_TRUE(OptionsOf(again)->BodyNamesAction->isChecked());
        EXPECT_TRUE(Find<ui::PictureBox>(again, "Picture1")->LargeMarks());
        OptionsOf(again)->SetOptions({});
    }
    driver::Program last;
    EXPECT_EQ(OptionsOf(driver::StartExperiment(last.windows))->Options(), ScreenOptions{});
}

// Each option alone comes back as itself, not as another one of the four.
TEST_F(Options, EachRememberedOptionComesBackAsItself) {
    for (const ScreenOptions& alone : {ScreenOptions{.bodyNames = true}, ScreenOptions{.keepTrails = true},
                                       ScreenOptions{.keys = true}, ScreenOptions{.largeMarks = true}}) {
        Set(alone);
        driver::Program again;
        EXPECT_EQ(OptionsOf(driver::StartExperiment(again.windows))->Options(), alone);
        driver::CloseOpenedWindows(again.windows);
    }
    Set({});
}

} // namespace
} // namespace orvane
