// The experiment window in front of a class: the bodies' names whole in every presented frame while the
// run goes at 1 ms; names large and bold for a projector, the Sun and the asteroid named first.
#include "GuiTestSupport.h"

#include "ScreenOptionsController.h"
#include "VbSlider.h"
#include "VbTimer.h"

#include "Settings.h"

#include <QPaintEvent>
#include <QScreen>

#include <map>

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
