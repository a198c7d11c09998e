// Grabs the experiment and set-up windows in a fixed sequence of runs, pans and zooms, for comparing
// the drawing of two builds pixel for pixel (`cmp` on the files):
//   orvane_experiment_grabs [output directory]
#include "AppDriver.h"
#include "Form1.h"
#include "Form2.h"
#include "PictureBox.h"
#include "SimState.h"
#include "VbSlider.h"

#include <QAbstractSlider>
#include <QApplication>

#include <cstdio>

using orvane::driver::Click;

namespace {
void Ticks(orvane::Form2* experiment, int count) {
    for (int k = 0; k < count; ++k)
        experiment->Command1_Click();
    QApplication::processEvents();
}

void Save(QWidget* window, const QString& folder, const char* name) {
    orvane::driver::SaveGrab(window, folder, QString::fromLatin1(name));
}
} // namespace

int main(int argc, char* argv[]) {
    orvane::driver::OffscreenApplication app(argc, argv);
    const QString folder = orvane::driver::OutputFolder(argc, argv);

    orvane::driver::Program program;
    orvane::Form1& setup = program.setup;
    Click(&setup, "Command7");
    Save(&setup, folder, "setup");

    orvane::Form2* experiment = orvane::driver::StartExperiment(program.windows);
    Save(experiment, folder, "experiment-opened");
    Click(experiment, "Command4");
    Ticks(experiment, 400);
    Save(experiment, folder, "experiment-run");
    Click(experiment, "Command2");
    Ticks(experiment, 100);
    Save(experiment, folder, "experiment-left");
    Click(experiment, "Command3");
    Click(experiment, "Command8");
    Click(experiment, "Command7");
    Ticks(experiment, 50);
    Save(experiment, folder, "experiment-pans");
    experiment->Slider2->setValue(1050);
    experiment->Slider2->triggerAction(QAbstractSlider::SliderPageStepSub);
    Ticks(experiment, 300);
    Save(experiment, folder, "experiment-zoomed");
    Click(experiment, "Option2");
    Ticks(experiment, 100);
    Click(experiment, "Option1");
    Ticks(experiment, 10);
    Save(experiment, folder, "experiment-sun");
    experiment->Slider1->triggerAction(QAbstractSlider::SliderPageStepAdd);
    Save(experiment, folder, "experiment-slow");
    Click(experiment, "Command9");
    Click(&setup, "Command1");
    Ticks(experiment, 100);
    Save(experiment, folder, "experiment-restarted");
    Save(&setup, folder, "setup-after");
    std::printf("grabs written to %s\n", qPrintable(folder));
    return 0;
}
