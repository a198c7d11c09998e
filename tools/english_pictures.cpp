// Makes the README's pictures of every window in English: the set-up window after "Show on screens", the
// experiment window after six years, the measurements window, the help window and the date dialog.
#include "AppDriver.h"
#include "DateDialog.h"
#include "Form1.h"
#include "Form2.h"
#include "Form3.h"
#include "Language.h"
#include "LawsPictures.h"
#include "MeasurementsWindow.h"
#include "SimState.h"

#include <QComboBox>
#include <QDate>

#include <cstdio>

using orvane::driver::Click;

int main(int argc, char* argv[]) {
    orvane::driver::OffscreenApplication app(argc, argv);
    const QString outDir = orvane::driver::OutputFolder(argc, argv);
    orvane::ui::ApplyLanguage(orvane::ui::Language::English);
    // The laws turned on for the pictures are not the user's.
    const orvane::driver::OwnSettingsFile settings;
    const auto save = [&outDir](QWidget* window, const char* name) {
        orvane::driver::SaveGrab(window, outDir, QStringLiteral("en-%1").arg(QString::fromLatin1(name)));
    };

    orvane::driver::Program program;
    orvane::Form1& setup = program.setup;
    Click(&setup, "Command7");
    save(&setup, "setup-window");

    orvane::Form2* experiment = orvane::driver::StartExperiment(program.windows);
    Click(experiment, "Command4");
    for (int k = 0; k < 1100; ++k)
        experiment->Command1_Click();
    save(experiment, "experiment-window");

    orvane::tools::SaveLawsPictures(outDir, QStringLiteral("en-"));

    orvane::measure::MeasurementsWindow* measurements = orvane::driver::OpenMeasurements(experiment);
    measurements->findChild<QComboBox*>(QStringLiteral("PlotBody"))->setCurrentIndex(3); // Mars
    measurements->Refresh();
    save(measurements, "measurements-window");

    Click(&setup, "Command8");
    save(program.windows.HelpWindow(), "help-window");

    orvane::DateDialog dateDialog(&setup, QDate(2026, 12, 7));
    dateDialog.show();
    save(&dateDialog, "date-dialog");
    dateDialog.close();
    std::printf("pictures written to %s\n", qPrintable(outDir));
    return 0;
}
