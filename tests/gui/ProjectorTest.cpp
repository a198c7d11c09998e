// The experiment window in front of a class: the bodies' names whole in every presented frame while the
// run goes at 1 ms; names large and bold for a projector, the Sun and the asteroid named first.
#include "GuiTestSupport.h"

#include "Bodies.h"
#include "BodyColors.h"
#include "ScreenOptionsController.h"
#include "VbSlider.h"
#include "VbTimer.h"

#include "Settings.h"

#include <QLabel>
#include <QPaintEvent>
#include <QScreen>
#include <QWheelEvent>

#include <array>
#include <cmath>
#include <map>
#include <numbers>

namespace orvane {
namespace {

using test::Click;
using test::ExperimentFixture;

struct Projector : ExperimentFixture {
    void SetUp() override {
        ui::OpenSettings()->clear();
        ExperimentFixture::SetUp();
    }
    void Set(const ScreenOptions& options) {
        form->findChild<ScreenOptionsController*>()->SetOptions(options);
    }
};

// Watches every paint of a screen as the window presents it. Right after the paint, what the window
// presents there (its backing store) is compared with the screen drawn afresh at that same tick (the
// picture with every name over it, as a paused screen is redrawn): every pixel of a name's letters and of
// its white rim must be presented, and no letter of a name's earlier place may stay on the screen.
class PresentedNames : public QObject {
  public:
    explicit PresentedNames(ui::PictureBox* screen) : screen_(screen) { screen->installEventFilter(this); }
    ~PresentedNames() override { screen_->removeEventFilter(this); }

    int checks = 0;          // frames compared
    int namesWhole = 0;      // names found whole in them
    QStringList brokenNames; // names presented in part, or left behind, with the frame's number

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != screen_ || event->type() != QEvent::Paint || painting_) return false;
        painting_ = true;
        QCoreApplication::sendEvent(screen_, event); // the screen's own paint, then the comparison
        painting_ = false;
        Compare();
        return true;
    }

  private:
    // The pixels wholly a name's: its colour or the white of its rim, where the picture itself differs.
    std::map<std::pair<int, int>, QRgb> InkOf(const QImage& named, const QImage& picture,
                                              const ui::PictureBox::ShownLabel& label) const {
        std::map<std::pair<int, int>, QRgb> ink;
        const QRect box = label.box & QRect(QPoint(0, 0), picture.size());
        for (int y = box.top(); y <= box.bottom(); ++y)
            for (int x = box.left(); x <= box.right(); ++x) {
                const QRgb shown = named.pixel(x, y) & 0xFFFFFF, plain = picture.pixel(x, y) & 0xFFFFFF;
                if (shown != plain && (shown == (label.rgb & 0xFFFFFF) || shown == 0xFFFFFF))
                    ink[{x, y}] = shown;
            }
        return ink;
    }

    void Compare() {
        // What the window presents: under the offscreen platform a grab of the window is its backing store.
        QWidget* top = screen_->window();
        const QImage window = top->screen()->grabWindow(top->winId()).toImage();
        if (window.isNull()) return;
        const QPoint origin = screen_->mapTo(screen_->window(), screen_->DrawingRect().topLeft());
        const auto presented = [&](int x, int y) {
            return window.pixel(origin.x() + x, origin.y() + y) & 0xFFFFFF;
        };
        const QImage picture = screen_->Image();
        const QImage named = screen_->ShownImage();
        ++checks;
        QRegion boxes;
        for (const auto& label : screen_->Labels()) {
            boxes += label.box;
            int missing = 0;
            for (const auto& [pixel, rgb] : InkOf(named, picture, label))
                if (presented(pixel.first, pixel.second) != rgb) ++missing;
            if (missing == 0)
                ++namesWhole;
            else
                brokenNames
                    << QStringLiteral("%1: %2 (%3 px missing)").arg(checks).arg(label.text).arg(missing);
        }
        // An earlier name's letters where no name stands now show the picture again.
        for (const auto& [pixel, rgb] : earlierInk_) {
            if (boxes.contains(QPoint(pixel.first, pixel.second))) continue;
            if (presented(pixel.first, pixel.second) !=
                (picture.pixel(pixel.first, pixel.second) & 0xFFFFFF)) {
                brokenNames << QStringLiteral("%1: a name left behind at %2,%3")
                                   .arg(checks)
                                   .arg(pixel.first)
                                   .arg(pixel.second);
                break;
            }
        }
        earlierInk_.clear();
        for (const auto& label : screen_->Labels())
            earlierInk_.merge(InkOf(named, picture, label));
    }

    ui::PictureBox* screen_;
    bool painting_ = false;
    std::map<std::pair<int, int>, QRgb> earlierInk_;
};

// The case the issue saw: 1 ms a step, the left screen 600 million km wide, where the inner planets'
// names move by a pixel every few steps. Each presented frame, compared right after its paint, holds every
// name whole, on both screens, with ordinary and with large points.
TEST_F(Projector, NamesAreWholeInEveryFramePresentedWhileRunningAtOneMillisecond) {
    for (const bool large : {false, true}) {
        Set({.bodyNames = true, .largeMarks = large});
        form->Slider2->setValue(600);
        form->Slider2_Scroll();
        form->Slider1->setValue(1);
        PresentedNames left(Left()), overview(Overview());
        Click(form, "Command1"); // «Старт», or a step the second time round
        Click(form, "Command5"); // «Продолжить»
        ASSERT_TRUE(test::WaitUntil([&] { return left.checks >= 25 && overview.checks >= 5; }, 20000))
            << left.checks << " " << overview.checks;
        Click(form, "Command4");                                              // «Пауза»
        EXPECT_GT(form->Run().SimTime, 50 * form->Shared().Options.TimeStep); // it did run
        EXPECT_TRUE(left.brokenNames.isEmpty()) << left.brokenNames.join('\n').toStdString();
        EXPECT_TRUE(overview.brokenNames.isEmpty()) << overview.brokenNames.join('\n').toStdString();
        EXPECT_GE(left.namesWhole, 3 * left.checks); // the Sun and the inner planets in every frame
    }
}

} // namespace
} // namespace orvane

namespace orvane {
namespace {

// WCAG 2's contrast ratio of a colour against white: (1 + 0.05) / (L + 0.05), L the relative luminance
// of the sRGB colour, its channels made linear first.
double ContrastWithWhite(std::int32_t color) {
    const auto linear = [](int channel) {
        const double c = channel / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    const double luminance = 0.2126 * linear(color & 0xFF) + 0.7152 * linear((color >> 8) & 0xFF) +
                             0.0722 * linear((color >> 16) & 0xFF);
    return 1.05 / (luminance + 0.05);
}

TEST(ProjectorColours, TheContrastFormulaGivesWcagsOwnFigures) {
    EXPECT_NEAR(ContrastWithWhite(RgbColor(0, 0, 0)), 21, 1e-9);
    EXPECT_NEAR(ContrastWithWhite(RgbColor(255, 255, 255)), 1, 1e-9);
    EXPECT_NEAR(ContrastWithWhite(RgbColor(0x77, 0x77, 0x77)), 4.48, 0.01); // the usual "#777 fails AA"
    EXPECT_NEAR(ContrastWithWhite(RgbColor(0, 0, 255)), 8.59, 0.01);
    EXPECT_NEAR(ContrastWithWhite(RgbColor(0, 255, 0)), 1.37, 0.01); // the table's Sun
}

// Each body its own colour, every one readable on the white screen, the Sun orange; the table's colours,
// which the projector's replace, fail on both counts.
TEST(ProjectorColours, EachBodyItsOwnColourAtLeastThreeToOneAgainstWhite) {
    const BodyColors table = AllBodyColors();
    EXPECT_EQ(table[body::Neptune - 1], table[body::Mars - 1]);
    EXPECT_LT(ContrastWithWhite(table[body::Sun - 1]), 3);
    const BodyColors projector = ProjectorBodyColors();
    const auto channels = [](std::int32_t c) {
        return std::array<int, 3>{c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF};
    };
    for (std::size_t a = 0; a < projector.size(); ++a) {
        EXPECT_GE(ContrastWithWhite(projector[a]), 3.0) << a + 1;
        for (std::size_t b = a + 1; b < projector.size(); ++b) {
            const auto p = channels(projector[a]), q = channels(projector[b]);
            const double distance = std::hypot(p[0] - q[0], p[1] - q[1], p[2] - q[2]);
            EXPECT_GT(distance, 80) << a + 1 << " and " << b + 1;
        }
    }
    // The Sun: red well above green, no blue, a hue between red-orange and yellow (20° to 50°).
    const auto sun = channels(projector[body::Sun - 1]);
    const double hue = std::atan2(std::sqrt(3.0) * (sun[1] - sun[2]), 2.0 * sun[0] - sun[1] - sun[2]) * 180 /
                       std::numbers::pi;
    EXPECT_GE(hue, 20);
    EXPECT_LE(hue, 50);
}

// On the screens: the points, the names and the kept trails in the projector's colours while the option
// is on, 3 × 3 logical pixels a point, names 20 px and bold; the table's colours back once it is off.
TEST_F(Projector, LargeMarksPaintEveryBodyInItsProjectorColour) {
    Set({.bodyNames = true, .keepTrails = true, .largeMarks = true});
    Ticks(3);
    const BodyColors projector = ProjectorBodyColors();
    const auto rgbOf = [](std::int32_t c) { return qRgb(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); };
    const QImage image = Left()->Image();
    const QPointF sun = Left()->ToPixel(form->Run().ScreenX(body::Sun), form->Run().ScreenY(body::Sun));
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            EXPECT_EQ(image.pixel(static_cast<int>(sun.x()) + dx, static_cast<int>(sun.y()) + dy),
                      rgbOf(projector[body::Sun - 1]));
    EXPECT_EQ(test::CountColor(Overview()->Image(), qRgb(255, 0, 0)), 0); // no table red: Mars, Neptune
    EXPECT_GT(test::CountColor(Overview()->Image(), rgbOf(projector[body::Neptune - 1])), 8);
    EXPECT_GT(test::CountColor(Overview()->Image(), rgbOf(projector[body::Mars - 1])), 8);
    ASSERT_FALSE(Left()->Labels().isEmpty());
    for (const auto& label : Left()->Labels()) {
        EXPECT_NE(std::find_if(projector.begin(), projector.end(),
                               [&](std::int32_t c) { return rgbOf(c) == label.rgb; }),
                  projector.end())
            << label.text.toStdString();
        EXPECT_GE(label.box.height(), 20) << label.text.toStdString(); // 20 px text and its rim
    }
    EXPECT_EQ(Left()->Labels().front().text, "Солнце");
    EXPECT_EQ(Left()->Labels().front().rgb, rgbOf(projector[body::Sun - 1]));
    // Off again: the next step plots in the table's colours, the names too.
    Set({.bodyNames = true});
    Click(form, "Command1");
    const QPointF sunNow = Left()->ToPixel(form->Run().ScreenX(body::Sun), form->Run().ScreenY(body::Sun));
    EXPECT_EQ(Left()->Image().pixel(static_cast<int>(sunNow.x()), static_cast<int>(sunNow.y())),
              qRgb(0, 255, 0));
    EXPECT_EQ(Left()->Labels().front().rgb, qRgb(0, 255, 0));
}

// At twice the pixel density (QT_SCALE_FACTOR=2, its own ctest entry) a large point is 3 × 3 logical
// pixels, 6 × 6 device pixels, and an axis two logical pixels wide.
TEST_F(Projector, LargeMarksAreLogicalPixelsOnADenseScreen) {
    if (Left()->devicePixelRatioF() < 2) GTEST_SKIP() << "runs as the entry with QT_SCALE_FACTOR=2";
    Set({.largeMarks = true});
    Ticks(1);
    const QImage image = Left()->Image();
    ASSERT_EQ(image.devicePixelRatio(), 2);
    const QPointF sun = Left()->ToPixel(form->Run().ScreenX(body::Sun), form->Run().ScreenY(body::Sun));
    const int sx = static_cast<int>(sun.x()) * 2, sy = static_cast<int>(sun.y()) * 2;
    const QRgb orange = qRgb(204, 102, 0);
    for (int dy = -2; dy <= 3; ++dy)
        for (int dx = -2; dx <= 3; ++dx)
            EXPECT_EQ(image.pixel(sx + dx, sy + dy), orange) << dx << "," << dy;
    EXPECT_NE(image.pixel(sx - 3, sy), orange);
    EXPECT_NE(image.pixel(sx + 4, sy), orange);
    // The x axis: two logical rows, four device rows, at the left edge.
    const int axisRow = static_cast<int>(Left()->ToPixel(0, 0).y()) * 2;
    for (int row = 0; row < 4; ++row)
        EXPECT_EQ(image.pixel(10, axisRow + row) & 0xFFFFFF, 0x010000u) << row;
    EXPECT_EQ(image.pixel(10, axisRow - 1) & 0xFFFFFF, 0xFFFFFFu);
    EXPECT_EQ(image.pixel(10, axisRow + 4) & 0xFFFFFF, 0xFFFFFFu);
}

} // namespace
} // namespace orvane

namespace orvane {
namespace {

// A turn of the mouse wheel over the left screen.
void Wheel(QWidget* screen, int delta, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    const QPointF at(screen->width() / 2.0, screen->height() / 2.0);
    QWheelEvent event(at, screen->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton, modifiers,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(screen, &event);
}

// The wheel over the left screen zooms by 1.25 a notch, Shift by 1.05, and does what a drag of the zoom
// slider to the same width does: the view, the caption, both screens wiped and the kept trails drawn
// again, pixel for pixel.
TEST_F(Projector, TheWheelZoomsByAFactorAsADragOfTheSliderWould) {
    Set({.keepTrails = true});
    driver::Program other;
    QPointer<Form2> dragged = driver::StartExperiment(other.windows);
    ASSERT_NE(dragged, nullptr);
    dragged->findChild<ScreenOptionsController*>()->SetOptions({.keepTrails = true});
    for (Form2* f : {form.data(), dragged.data()}) {
        Click(f, "Command4");
        for (int k = 0; k < 40; ++k)
            Click(f, "Command1");
    }
    int scrolls = 0;
    QObject::connect(form->Slider2, &ui::VbSlider::Scroll, [&] { ++scrolls; });
    Wheel(Left(), 120);
    EXPECT_EQ(form->Slider2->value(), 7200);
    EXPECT_EQ(scrolls, 1);
    EXPECT_EQ(form->View.ZoomHalfX, 3600);
    EXPECT_EQ(test::Find<QLabel>(form, "Label1")->text(), "Размеры экрана = 7200 млн.км");
    // The same width reached by the hand on the other window's slider.
    dragged->Slider2->setSliderDown(true);
    dragged->Slider2->setSliderPosition(7200);
    dragged->Slider2->setSliderDown(false);
    EXPECT_EQ(dragged->View.ZoomHalfX, 3600);
    EXPECT_EQ(Left()->Image(), test::Find<ui::PictureBox>(dragged, "Picture1")->Image());
    EXPECT_EQ(Overview()->Image(), test::Find<ui::PictureBox>(dragged, "Picture2")->Image());
    // Two notches at once, then half-notches of a fine wheel that add up; out again; Shift for 5 %.
    Wheel(Left(), 240);
    EXPECT_EQ(form->Slider2->value(), 4600);
    Wheel(Left(), 60);
    EXPECT_EQ(form->Slider2->value(), 4600);
    Wheel(Left(), 60);
    EXPECT_EQ(form->Slider2->value(), 3700);
    Wheel(Left(), -120);
    EXPECT_EQ(form->Slider2->value(), 4650); // 3700 × 1.25 = 4625, to the nearest 50
    Wheel(Left(), 120, Qt::ShiftModifier);
    EXPECT_EQ(form->Slider2->value(), 4429); // 4650 / 1.05
    // The overview does not zoom.
    Wheel(Overview(), 120);
    EXPECT_EQ(form->Slider2->value(), 4429);
    dragged->close();
}

// With the keys on, twelve presses of + take the screen from 9000 to 600 million km.
TEST_F(Projector, TwelvePressesOfPlusGoFromNineThousandToSixHundred) {
    Set({.keys = true});
    form->activateWindow();
    for (int k = 0; k < 12; ++k)
        QTest::keyClick(form, Qt::Key_Plus);
    EXPECT_EQ(form->Slider2->value(), 600);
    EXPECT_EQ(form->View.ZoomHalfX, 300);
    QTest::keyClick(form, Qt::Key_Minus);
    EXPECT_EQ(form->Slider2->value(), 750);
}

} // namespace
} // namespace orvane
