#include "AppStyle.h"
#include "Form1.h"
#include "SimState.h"

#include <QApplication>
#include <QDir>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("orvane"));
    QApplication::setApplicationDisplayName(QStringLiteral("Orvane2.0"));
    orvane::ui::ApplyAppStyle(app);

    // The one shared state of the simulation, handed to the windows; it lives as long as the program.
    orvane::SimState state;
    orvane::Form1 setupWindow(state);
    setupWindow.SetParameterFilePath(
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("orvane1.dat")));
    setupWindow.show();
    return QApplication::exec();
}
