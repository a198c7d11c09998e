#include "AppStyle.h"
#include "Form1.h"
#include "ParameterFileLocation.h"
#include "SimState.h"

#include <QApplication>
#include <QStandardPaths>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("orvane"));
    QApplication::setApplicationDisplayName(QStringLiteral("Orvane2.0"));
    orvane::ui::ApplyAppStyle(app);

    // The one shared state of the simulation, handed to the windows; it lives as long as the program.
    orvane::SimState state;
    orvane::Form1 setupWindow(state);
    setupWindow.SetParameterFilePath(
        orvane::ChooseParameterFile(QCoreApplication::applicationDirPath(),
                                    QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)));
    setupWindow.show();
    return QApplication::exec();
}
