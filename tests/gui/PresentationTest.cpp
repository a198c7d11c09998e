// What reaches the display and when: a picture box presents only the pixels a drawing call changed, an
// idle window is not repainted at all, and a full exposure still shows the whole drawing.
#include "GuiTestSupport.h"

#include "Form1.h"
#include "Form2.h"
#include "NumberText.h"
#include "PictureBox.h"
#include "VbTimer.h"

#include <QLineEdit>
#include <QPaintEvent>
#include <QScreen>
#include <QTest>

namespace orvane {
namespace {

using test::Click;
using test::Find;
using test::Presented;
using test::Surface;
using test::Wait;
using test::WaitUntil;

// Records the regions of the paint events a widget receives.
struct PaintLog : QObject {
    QList<QRegion> regions;
    explicit PaintLog(QWidget* widget) { widget->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) regions.append(static_cast<QPaintEvent*>(event)->region());
        return false;
    }
    QRegion Painted() const {
        QRegion all;
        for (const QRegion& region : regions)
            all += region;
        return all;
    }
};

// Counts paint events of every widget in a window.
struct WindowPaints : QObject {
    QWidget* window;
    int count = 0;
    explicit WindowPaints(QWidget* watched) : window(watched) { qApp->installEventFilter(this); }
    ~WindowPaints() override { qApp->removeEventFilter(this); }
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (event->type() == QEvent::Paint && widget != nullptr && widget->window() == window) ++count;
        return false;
    }
};

qint64 Area(const QRegion& region) {
    qint64 area = 0;
    for (const QRect& rect : region)
        area += static_cast<qint64>(rect.width()) * rect.height();
    return area;
}

// The display shows the drawing: the window's presented pixels over the box's drawing area (as far as
// the window reaches) are those of the backing image.
void ExpectShownAsDrawn(ui::PictureBox* box) {
    QWidget* window = box->window();
    const QRect area(box->mapTo(window, box->DrawingRect().topLeft()), box->DrawingRect().size());
    const QRect visible = area & window->rect();
    ASSERT_FALSE(visible.isEmpty());
    const QImage shown =
        window->screen()
            ->grabWindow(window->winId(), visible.x(), visible.y(), visible.width(), visible.height())
            .toImage()
            .convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(shown, box->Image().copy(visible.translated(-area.topLeft())))
        << box->objectName().toStdString();
}

TEST(Presentation, OnlyChangedPixelsArePresented) {
    Surface s;
    PaintLog log(s.box);

    s.box->PSet(25.2f, -5.7f, RgbColor(0, 0, 255)); // drawing pixel (75, 55), widget pixel (76, 56)
    ASSERT_TRUE(Presented(s.box));
    EXPECT_EQ(log.Painted(), QRegion(76, 56, 1, 1));

    log.regions.clear();
    s.box->Line(-50, 20, 50, 20, 1); // drawing row 30: a hundred pixels
    ASSERT_TRUE(Presented(s.box));
    EXPECT_EQ(log.Painted(), QRegion(1, 31, 100, 1));

    // The same line again changes no pixel: nothing is presented.
    log.regions.clear();
    s.box->Line(-50, 20, 50, 20, 1);
    s.box->PSet(25.2f, -5.7f, RgbColor(0, 0, 255));
    EXPECT_TRUE(s.box->PendingRegion().isEmpty());
    Wait(60);
    EXPECT_TRUE(log.regions.isEmpty());

    // A box outline: its four sides, drawing pixels x 10..30, y 80..90, not its inside.
    s.box->Box(-40, -40, 20, 10);
    ASSERT_TRUE(Presented(s.box));
    EXPECT_EQ(Area(log.Painted()), 2 * 21 + 2 * 9);
    EXPECT_FALSE(log.Painted().contains(QPoint(21, 86)));

    // Cls presents the whole drawing area, the border stays.
    log.regions.clear();
    s.box->Cls();
    ASSERT_TRUE(Presented(s.box));
    EXPECT_EQ(log.Painted(), QRegion(1, 1, 100, 100));
}

TEST(Presentation, AnAxisDrawnAgainRestoresThePointsOverIt) {
    Surface s;
    const auto at = [&](int x, int y) { return s.box->Image().pixel(x, y) & 0xFFFFFF; };
    const auto axes = [&] {
        s.box->Line(-50, 0, 50, 0, 1); // drawing row 50
        s.box->Line(0, 50, 0, -50, 1); // drawing column 50
    };
    axes();
    ASSERT_TRUE(Presented(s.box));
    PaintLog log(s.box);
    s.box->PSet(0, 0, RgbColor(0, 255, 0));   // on both axes: pixel (50, 50)
    s.box->PSet(-30, 0, RgbColor(255, 0, 0)); // on the horizontal one: (20, 50)
    for (int k = 1; k <= 30; ++k)             // more points than remembered on the vertical one
        s.box->PSet(0, static_cast<float>(k), RgbColor(0, 0, 255));
    EXPECT_EQ(at(50, 50), 0x00FF00u);
    EXPECT_EQ(at(50, 21), 0x0000FFu);
    axes();
    EXPECT_EQ(at(50, 50), 0x010000u);
    EXPECT_EQ(at(20, 50), 0x010000u);
    for (int y = 0; y < 100; ++y)
        EXPECT_EQ(at(50, y), 0x010000u) << y;
    for (int x = 0; x < 100; ++x)
        EXPECT_EQ(at(x, 50), 0x010000u) << x;
    ASSERT_TRUE(Presented(s.box));
    ExpectShownAsDrawn(s.box);
    // Presented: the points, and for each axis drawn again the span of the pixels it restored.
    EXPECT_EQ(log.Painted(), QRegion(51, 21, 1, 31) + QRegion(21, 51, 31, 1));
}

TEST(Presentation, WholeDrawingAfterPartialPresentationsAndAfterExposure) {
    Surface s;
    for (int k = 0; k < 40; ++k)
        s.box->PSet(static_cast<float>(k * 2 - 40), static_cast<float>(k - 20), RgbColor(255, 0, k * 6));
    s.box->Line(-50, -50, 50, 50, RgbColor(0, 128, 0));
    ASSERT_TRUE(Presented(s.box));
    ExpectShownAsDrawn(s.box);

    PaintLog log(s.box);
    s.window.hide();
    s.window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&s.window));
    ASSERT_TRUE(WaitUntil([&] { return !log.regions.isEmpty(); }));
    EXPECT_EQ(log.Painted(), QRegion(s.box->rect()));
    ExpectShownAsDrawn(s.box);
    EXPECT_EQ(s.box->grab().toImage().pixel(0, 0) & 0xFFFFFF, 0x808080u); // the grey border
}

TEST(Presentation, AWindowWithAPictureBoxIsPresentedAtMostAtTheDisplayRate) {
    Surface s;
    auto* text = new QLineEdit(&s.window);
    text->setGeometry(0, 104, 60, 14);
    text->show();
    ASSERT_TRUE(Presented(s.box));
    PaintLog log(text);
    const int interval = static_cast<int>(1000 / s.window.screen()->refreshRate());
    QElapsedTimer clock;
    clock.start();
    int set = 0;
    while (clock.elapsed() < 200) {
        text->setText(QString::number(++set));
        Wait(1);
    }
    const qint64 elapsed = clock.elapsed();
    Wait(2 * interval);
    ASSERT_GT(set, 20);
    EXPECT_GE(log.regions.size(), 1);
    EXPECT_LE(log.regions.size(), elapsed / interval + 2);
    const QRect box = text->geometry();
    const QImage shown = s.window.screen()
                             ->grabWindow(s.window.winId(), box.x(), box.y(), box.width(), box.height())
                             .toImage();
    EXPECT_EQ(shown.convertToFormat(QImage::Format_RGB32),
              text->grab().toImage().convertToFormat(QImage::Format_RGB32)); // the last text is shown
}

struct RunningExperiment : test::ExperimentFixture {
    void SetUp() override {
        ExperimentFixture::SetUp();
        if (HasFatalFailure()) return;
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form));
        form->Command4_Click(); // paused: only the test's own ticks run
    }
};

TEST_F(RunningExperiment, TicksPresentAFewPixelsAndAnIdleWindowNone) {
    Click(form, "Command1"); // the first tick draws the axes and the zoom frame
    ASSERT_TRUE(Presented(Left()) && Presented(Overview()));
    PaintLog left(Left()), overview(Overview());
    constexpr int ticks = 5;
    for (int k = 0; k < ticks; ++k)
        Click(form, "Command1"); // one step each while paused
    ASSERT_TRUE(Presented(Left()) && Presented(Overview()));
    // A tick plots eleven points of one pixel each; the axes, drawn again over themselves, change only
    // where a point had covered them: at most twice eleven pixels a tick, of screens of several hundred
    // thousand and eighty thousand pixels.
    EXPECT_GT(Area(left.Painted()), 0);
    EXPECT_LE(Area(left.Painted()), 2 * 11 * ticks);
    EXPECT_LE(Area(overview.Painted()), 2 * 11 * ticks);
    ExpectShownAsDrawn(Left());
    ExpectShownAsDrawn(Overview());

    WindowPaints idle(form);
    Wait(300);
    EXPECT_EQ(idle.count, 0);

    // Covered and uncovered: the whole screen is painted again from the drawing.
    left.regions.clear();
    form->hide();
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form));
    ASSERT_TRUE(WaitUntil([&] { return !left.regions.isEmpty(); }));
    EXPECT_EQ(left.Painted(), QRegion(Left()->rect()) & Left()->visibleRegion());
    ExpectShownAsDrawn(Left());
}

// At a thousand ticks a second the elapsed time's boxes change at most every other display frame, and show
// on the display what a whole new painting of the window shows; paused, they show where the run is.
TEST_F(RunningExperiment, TheElapsedTimeIsShownEveryOtherFrameAndExactlyWhenPaused) {
    auto* days = Find<QLineEdit>(form, "Text2");
    form->Timer1->SetInterval(1);
    int changes = 0;
    QObject::connect(days, &QLineEdit::textChanged, [&changes] { ++changes; });
    QElapsedTimer running;
    running.start();
    const double before = form->Run().SimTime;
    Click(form, "Command5");
    Wait(400);
    Click(form, "Command4");
    const qint64 ms = running.elapsed();
    const double steps = (form->Run().SimTime - before) / state.Options.TimeStep;
    ASSERT_GT(steps, 40) << "the run went at the timer's pace";
    // One change per 33 ms, the first at once, and one more where the run was paused.
    EXPECT_LE(changes, ms / 33 + 2);
    EXPECT_GT(changes, 2);
    EXPECT_EQ(form->Text1->text(), ui::NumberToText(form->Run().ElapsedYears));
    EXPECT_EQ(days->text(), ui::NumberToText(form->Run().ElapsedDaysRem));

    Wait(100);
    const QRect boxes = (form->Text1->geometry() | days->geometry()).adjusted(-4, -4, 4, 4);
    const QImage shown = form->screen()
                             ->grabWindow(form->winId(), boxes.x(), boxes.y(), boxes.width(), boxes.height())
                             .toImage()
                             .convertToFormat(QImage::Format_RGB32);
    const QImage fresh = form->grab(boxes).toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(shown, fresh.scaled(shown.size()));
}

} // namespace
} // namespace orvane
