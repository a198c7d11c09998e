// Makes the pictures of the windows shown in the README: the set-up window after "Вывести на экраны",
// the experiment window after a run of some years, and the help window.
#include "AppDriver.h"
#include "DateDialog.h"
#include "Form1.h"
#include "Form2.h"
#include "Form3.h"
#include "LawsPictures.h"
#include "LessonCatalogue.h"
#include "LessonGallery.h"
#include "ScreenLawsController.h"
#include "ScreenOptionsController.h"
#include "SimState.h"
#include "VbSlider.h"

#include <QDate>
#include <QLocale>

#include <cstdio>

using orvane::driver::Click;
using orvane::driver::SaveGrab;

int main(int argc, char* argv[]) {
    orvane::driver::OffscreenApplication app(argc, argv);
    const QString outDir = orvane::driver::OutputFolder(argc, argv);
    // The options turned on for the pictures are not the user's: they are remembered in a folder of
    // the tool's own.
    const orvane::driver::OwnSettingsFile settings;
    const int ticks = argc > 2 ? std::atoi(argv[2]) : 900;

    orvane::driver::Program program;
    orvane::Form1& setup = program.setup;
    Click(&setup, "Command7");
    SaveGrab(&setup, outDir, QStringLiteral("setup-window"));

    orvane::Form2* experiment = orvane::driver::StartExperiment(program.windows);
    Click(experiment, "Command4");
    for (int k = 0; k < ticks; ++k)
        experiment->Command1_Click();
    SaveGrab(experiment, outDir, QStringLiteral("experiment-window"));

    // The inner planets: the left screen narrowed to 600 million km.
    experiment->Slider2->setValue(650);
    experiment->Slider2->triggerAction(QAbstractSlider::SliderPageStepSub);
    for (int k = 0; k < 200; ++k)
        experiment->Command1_Click();
    SaveGrab(experiment, outDir, QStringLiteral("experiment-window-inner"));

    // For a class: names beside the bodies, the trails kept through a zoom in on the inner planets.
    {
        orvane::driver::Program classProgram;
        orvane::Form2* shown = orvane::driver::StartExperiment(classProgram.windows);
        auto* options = shown->findChild<orvane::ScreenOptionsController*>();
        options->SetOptions({.bodyNames = true, .keepTrails = true, .keys = true, .largeMarks = false});
        Click(shown, "Command4");
        for (int k = 0; k < ticks; ++k)
            shown->Command1_Click();
        shown->Slider2->setValue(650);
        shown->Slider2->triggerAction(QAbstractSlider::SliderPageStepSub);
        SaveGrab(shown, outDir, QStringLiteral("experiment-window-names"));
        options->SetOptions({.bodyNames = true, .keepTrails = true, .keys = true, .largeMarks = true});
        SaveGrab(shown, outDir, QStringLiteral("experiment-window-projector"));
        shown->close();
    }

    // The laws over the screens: arrows, the Earth's orbit and its equal areas, the grid and a tape from
    // the Sun to Mars, on the inner planets after two years.
    {
        orvane::driver::Program lawsProgram;
        orvane::Form2* shown = orvane::driver::StartExperiment(lawsProgram.windows);
        shown->findChild<orvane::ScreenOptionsController*>()->SetOptions({});
        auto* laws = shown->findChild<orvane::ScreenLawsController*>();
        orvane::laws::LawsChoice all;
        all.velocity = all.force = all.orbit = all.areas = all.grid = true;
        laws->SetChoice(all, true);
        Click(shown, "Command4");
        shown->Slider2->setValue(650);
        shown->Slider2->triggerAction(QAbstractSlider::SliderPageStepSub);
        for (int k = 0; k < 365; ++k)
            shown->Command1_Click();
        laws->ShowPending();
        SaveGrab(shown, outDir, QStringLiteral("experiment-window-laws"));
        shown->close();
    }

    orvane::tools::SaveLawsPictures(outDir, QString());

    // Mars moved along its orbit for a while, its trail on both preview screens.
    Click(&setup, "Option13");
    Click(&setup, "Option4");
    Click(&setup, "Command6");
    for (int k = 0; k < 120; ++k)
        setup.Timer1_Timer();
    Click(&setup, "Command5");
    Click(&setup, "Option14");
    SaveGrab(&setup, outDir, QStringLiteral("setup-window-orbit"));

    Click(&setup, "Command8");
    SaveGrab(program.windows.HelpWindow(), outDir, QStringLiteral("help-window"));

    // The planets as they stand today, and the dialog that chose the date, as a Russian desktop shows it.
    const QDate today = orvane::DateDialog::DefaultDate(QDate::currentDate());
    orvane::driver::Program todayProgram;
    orvane::Form1& todaySetup = todayProgram.setup;
    todaySetup.LoadDataSetOn({today.year(), today.month(), today.day()});
    Click(&todaySetup, "Command7");
    SaveGrab(&todaySetup, outDir, QStringLiteral("setup-window-today"));
    orvane::DateDialog dateDialog(&todaySetup, today);
    dateDialog.setLocale(QLocale(QLocale::Russian, QLocale::Russia));
    dateDialog.show();
    SaveGrab(&dateDialog, outDir, QStringLiteral("date-dialog"));
    dateDialog.close();

    // The gallery of experiments for a lesson, the trojan chosen; then the trojan loaded in the set-up
    // window and shown on its screens.
    const orvane::LessonCatalogue lessons = orvane::ReadLessonCatalogue({orvane::BuiltInLessonFolder});
    orvane::LessonGallery gallery(lessons.entries, &todaySetup);
    gallery.Select(3);
    gallery.show();
    SaveGrab(&gallery, outDir, QStringLiteral("lesson-gallery"));
    gallery.close();
    orvane::driver::Program lessonProgram;
    const orvane::LessonEntry& trojan = lessons.entries.at(3);
    lessonProgram.setup.LoadLesson(trojan.experiment, trojan.rows);
    SaveGrab(&lessonProgram.setup, outDir, QStringLiteral("setup-window-trojan"));
    std::printf("pictures written to %s\n", qPrintable(outDir));
    return 0;
}
