// Makes the README's picture of the measurements window: a run of twelve years from the 1.1.2000 data
// set, the Sun released after ten of them.
#include "AppStyle.h"
#include "Form1.h"
#include "Form2.h"
#include "MeasurementsController.h"
#include "MeasurementsWindow.h"
#include "SimState.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>

#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    orvane::ui::ApplyAppStyle(app);
    const QString outDir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs");
    const double scale = argc > 2 ? std::atof(argv[2]) : 1.0;
    QDir().mkpath(outDir);

    orvane::SimState state;
    orvane::Form1 setup(state);
    setup.show();
    const auto click = [](QWidget* window, const char* name) {
        window->findChild<QAbstractButton*>(QString::fromLatin1(name))->click();
    };
    click(&setup, "Command2");
    click(&setup, "Command1");
    orvane::Form2* experiment = setup.ExperimentWindow();
    click(experiment, "Command4");
    constexpr int TicksPerYear = 183; // steps of two days
    for (int k = 0; k < 10 * TicksPerYear; ++k)
        experiment->Command1_Click();
    click(experiment, "Option2");
    for (int k = 0; k < 2 * TicksPerYear; ++k)
        experiment->Command1_Click();

    experiment->MeasureAction->trigger();
    auto* controller = experiment->findChild<orvane::measure::MeasurementsController*>();
    orvane::measure::MeasurementsWindow* window = controller->Window();
    window->findChild<QComboBox*>(QStringLiteral("PlotBody"))->setCurrentIndex(3); // Mars
    window->Refresh();
    QApplication::processEvents();
    const QString name = scale > 1 ? QStringLiteral("/measurements-window@2x.png")
                                   : QStringLiteral("/measurements-window.png");
    window->grab().save(outDir + name);
    std::printf("picture written to %s%s\n", qPrintable(outDir), qPrintable(name));
    return 0;
}
