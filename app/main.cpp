#include "AppStyle.h"
#include "CommandLine.h"
#include "Language.h"
#include "ParameterFileLocation.h"
#include "ProgramWindows.h"
#include "SimState.h"

#include <QApplication>
#include <QStandardPaths>

#include <iostream>

int main(int argc, char* argv[]) {
    // Read before the window system is touched: --help, --version and a mistyped option answer without a
    // display, in the language the windows would speak (the translators need an application, but not
    // one with windows). The file to open (commandLine.file) is the set-up window's.
    const orvane::CommandLine commandLine = orvane::ParseCommandLine(argc, argv);
    if (commandLine.action != orvane::CommandLine::Action::Run) {
        QCoreApplication terminal(argc, argv);
        QCoreApplication::setApplicationName(QStringLiteral("orvane"));
        orvane::ui::ApplyStartupLanguage(commandLine.language);
        // Read once more: a mistake's words are chosen as it is found, now in that language.
        return orvane::AnswerWithoutWindow(orvane::ParseCommandLine(argc, argv), std::cout, std::cerr)
            .value();
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("orvane"));
    // Wayland compositors match the windows with the menu entry by this name, as X11 docks do by the
    // windows' class ("orvane", the application's name).
    QGuiApplication::setDesktopFileName(QStringLiteral(ORVANE_APP_ID));
    QApplication::setApplicationDisplayName(QStringLiteral("Orvane2.0"));
    orvane::ui::ApplyAppStyle(app);
    // The parser has already refused a language other than en and ru.
    orvane::ui::ApplyStartupLanguage(commandLine.language);

    // The one shared state of the simulation, handed to the windows; it lives as long as the program, and
    // so do the windows wired together around it.
    orvane::SimState state;
    orvane::ProgramWindows windows(state);
    orvane::Form1& setupWindow = windows.Setup();
    setupWindow.SetParameterFilePath(
        orvane::ChooseParameterFile(QCoreApplication::applicationDirPath(),
                                    QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)));
    setupWindow.show();

    // The parameter file named on the command line (a file manager's «Открыть с помощью»), opened after
    // the set-up window has loaded.
    if (!commandLine.file.isEmpty()) setupWindow.OpenFileAtStart(commandLine.file);
    return QApplication::exec();
}
