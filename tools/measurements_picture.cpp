// Makes the README's picture of the measurements window on a Russian desktop: a run of twelve years from
// the 1.1.2000 data set with a massless asteroid, the Sun released after ten of them.
#include "AppDriver.h"
#include "Form1.h"
#include "Form2.h"
#include "MeasurementsWindow.h"
#include "SimState.h"

#include <QComboBox>
#include <QLineEdit>
#include <QLocale>

#include <cstdio>
#include <cstdlib>

using orvane::driver::Click;

int main(int argc, char* argv[]) {
    orvane::driver::OffscreenApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    const QString outDir = orvane::driver::OutputFolder(argc, argv);
    const double scale = argc > 2 ? std::atof(argv[2]) : 1.0;

    orvane::driver::Program program;
    orvane::Form1& setup = program.setup;
    Click(&setup, "Command2");
    // Without the asteroid's pull the planets can be compared with the real sky for the whole run.
    setup.findChild<QLineEdit*>(QStringLiteral("Text2(10)"))->setText(QStringLiteral("0"));
    Click(&setup, "Option15");
    Click(&setup, "Command6");
    orvane::Form2* experiment = orvane::driver::StartExperiment(program.windows);
    Click(experiment, "Command4");
    constexpr int TicksPerYear = 183; // steps of two days
    for (int k = 0; k < 10 * TicksPerYear; ++k)
        experiment->Command1_Click();
    Click(experiment, "Option2");
    for (int k = 0; k < 2 * TicksPerYear; ++k)
        experiment->Command1_Click();

    orvane::measure::MeasurementsWindow* window = orvane::driver::OpenMeasurements(experiment);
    window->findChild<QComboBox*>(QStringLiteral("PlotBody"))->setCurrentIndex(3); // Mars
    window->Refresh();
    const QString name =
        scale > 1 ? QStringLiteral("measurements-window@2x") : QStringLiteral("measurements-window");
    orvane::driver::SaveGrab(window, outDir, name);
    std::printf("picture written to %s/%s.png\n", qPrintable(outDir), qPrintable(name));
    return 0;
}
