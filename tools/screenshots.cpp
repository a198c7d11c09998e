// Makes the pictures of the windows shown in the README: the set-up window after "Вывести на экраны",
// the experiment window after a run of some years, and the help window.
#include "AppDriver.h"
#include "DateDialog.h"
#include "Form1.h"
#include "Form2.h"
#include "Form3.h"
#include "SimState.h"
#include "VbSlider.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDate>
#include <QDir>
#include <QLocale>
#include <QWidget>

#include <cstdio>

int main(int argc, char* argv[]) {
    orvane::driver::OffscreenApplication app(argc, argv);
    const QString outDir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs");
    const int ticks = argc > 2 ? std::atoi(argv[2]) : 900;
    QDir().mkpath(outDir);

    orvane::SimState state;
    orvane::Form1 setup(state);
    setup.show();
    const auto click = [](QWidget* window, const char* name) {
        orvane::driver::Click(window, QString::fromLatin1(name));
    };
    click(&setup, "Command7");
    QApplication::processEvents();
    setup.grab().save(outDir + QStringLiteral("/setup-window.png"));

    click(&setup, "Command1");
    orvane::Form2* experiment = setup.ExperimentWindow();
    click(experiment, "Command4");
    for (int k = 0; k < ticks; ++k)
        experiment->Command1_Click();
    QApplication::processEvents();
    experiment->grab().save(outDir + QStringLiteral("/experiment-window.png"));

    // The inner planets: the left screen narrowed to 600 million km.
    experiment->Slider2->setValue(650);
    experiment->Slider2->triggerAction(QAbstractSlider::SliderPageStepSub);
    for (int k = 0; k < 200; ++k)
        experiment->Command1_Click();
    QApplication::processEvents();
    experiment->grab().save(outDir + QStringLiteral("/experiment-window-inner.png"));

    // Mars moved along its orbit for a while, its trail on both preview screens.
    click(&setup, "Option13");
    click(&setup, "Option4");
    click(&setup, "Command6");
    for (int k = 0; k < 120; ++k)
        setup.Timer1_Timer();
    click(&setup, "Command5");
    click(&setup, "Option14");
    QApplication::processEvents();
    setup.grab().save(outDir + QStringLiteral("/setup-window-orbit.png"));

    click(&setup, "Command8");
    QApplication::processEvents();
    setup.HelpWindow()->grab().save(outDir + QStringLiteral("/help-window.png"));

    // The planets as they stand today, and the dialog that chose the date, as a Russian desktop shows it.
    const QDate today = orvane::DateDialog::DefaultDate(QDate::currentDate());
    orvane::SimState todayState;
    orvane::Form1 todaySetup(todayState);
    todaySetup.show();
    todaySetup.LoadDataSetOn({today.year(), today.month(), today.day()});
    click(&todaySetup, "Command7");
    QApplication::processEvents();
    todaySetup.grab().save(outDir + QStringLiteral("/setup-window-today.png"));
    orvane::DateDialog dateDialog(&todaySetup, today);
    dateDialog.setLocale(QLocale(QLocale::Russian, QLocale::Russia));
    dateDialog.show();
    QApplication::processEvents();
    dateDialog.grab().save(outDir + QStringLiteral("/date-dialog.png"));
    dateDialog.close();
    std::printf("pictures written to %s\n", qPrintable(outDir));
    return 0;
}
