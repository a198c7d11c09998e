#pragma once

// The README's pictures of the laws over the experiment's screens, one law or two to a picture, on the
// inner planets: the arrows; Mars's orbit and its equal areas; the grid and a tape from the Earth to Mars.
// Shared by the Russian and the English pictures; the texts are in whatever language is applied.
#include "AppDriver.h"
#include "Form2.h"
#include "ScreenLawsController.h"
#include "ScreenOptionsController.h"
#include "VbSlider.h"

namespace orvane::tools {

inline void SaveLawsPictures(const QString& outDir, const QString& prefix) {
    struct Picture {
        const char* name;
        laws::LawsChoice choice;
        bool tape;
        int ticks;
    };
    laws::LawsChoice arrows, orbit, grid;
    arrows.velocity = arrows.force = true;
    orbit.orbit = orbit.areas = true;
    orbit.body = body::Mars;
    grid.grid = true;
    for (const Picture& picture : {Picture{"experiment-window-arrows", arrows, false, 200},
                                   Picture{"experiment-window-orbit-areas", orbit, false, 420},
                                   Picture{"experiment-window-tape-grid", grid, true, 300}}) {
        driver::Program program;
        Form2* shown = driver::StartExperiment(program.windows);
        shown->findChild<ScreenOptionsController*>()->SetOptions({});
        auto* laws = shown->findChild<ScreenLawsController*>();
        laws->SetChoice(picture.choice, picture.tape);
        driver::Click(shown, "Command4");
        shown->Slider2->setValue(650);
        shown->Slider2->triggerAction(QAbstractSlider::SliderPageStepSub);
        shown->Command1_Click();
        if (picture.tape) driver::LayTape(*shown, body::Earth, body::Mars);
        for (int k = 1; k < picture.ticks; ++k)
            shown->Command1_Click();
        laws->ShowPending();
        driver::SaveGrab(shown, outDir, prefix + QString::fromLatin1(picture.name));
        shown->close();
    }
}

} // namespace orvane::tools
