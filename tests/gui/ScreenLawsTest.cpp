// The laws drawn over the experiment's screens: entries after the options for a class, off by default
// and then drawing nothing; arrows, the orbit, the sectors, the grid and the tape seen in the screens'
// pixels; remembered settings.
#include "GuiTestSupport.h"

#include "ScreenLawsController.h"

#include "Settings.h"
#include "VbSlider.h"
#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QTest>

#include <cmath>

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
    QImage Shown(ui::PictureBox* screen) {
        Presented(screen);
        return screen->ShownImage();
    }
    // The pixel of the left screen's drawing where a point of the plane lands.
    QPoint PixelOf(ui::PictureBox* screen, double x, double y) {
        const QPointF p = screen->ToPixel(x, y);
        return {static_cast<int>(std::floor(p.x())), static_cast<int>(std::floor(p.y()))};
    }
};

TEST_F(Laws, Picture) {
    laws::LawsChoice all;
    all.velocity = all.force = all.orbit = all.areas = all.grid = true;
    Controller()->SetChoice(all, true);
    Inner();
    Ticks(400);
    form->grab().save("/tmp/x/laws.png");
}

} // namespace
} // namespace orvane
