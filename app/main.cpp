#include "AppStyle.h"
#include "Form1.h"
#include "Language.h"
#include "ParameterFileLocation.h"
#include "SimState.h"

#include <QApplication>
#include <QStandardPaths>
#include <QStringList>

#include <cstdio>

namespace {

// The language this run is shown in, from "--lang en|ru" (or "--lang=…") on the command line; empty when
// none is named. Kept apart from the rest of the command line, which has its own parser.
QString LanguageArgument(const QStringList& arguments) {
    for (qsizetype k = 1; k < arguments.size(); ++k) {
        if (arguments[k] == QStringLiteral("--lang") && k + 1 < arguments.size()) return arguments[k + 1];
        if (arguments[k].startsWith(QStringLiteral("--lang="))) return arguments[k].mid(7);
    }
    return {};
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("orvane"));
    QApplication::setApplicationDisplayName(QStringLiteral("Orvane2.0"));
    orvane::ui::ApplyAppStyle(app);
    const QString language = LanguageArgument(QCoreApplication::arguments());
    if (!orvane::ui::ApplyStartupLanguage(language))
        std::fprintf(stderr, "orvane: unknown language '%s' (use en or ru)\n", qPrintable(language));

    // The one shared state of the simulation, handed to the windows; it lives as long as the program.
    orvane::SimState state;
    orvane::Form1 setupWindow(state);
    setupWindow.SetParameterFilePath(
        orvane::ChooseParameterFile(QCoreApplication::applicationDirPath(),
                                    QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)));
    setupWindow.show();

    // The parameter file named on the command line (a file manager's «Открыть с помощью»), opened after
    // the set-up window has loaded. Until the command-line parser takes this over: the first argument
    // that is not an option.
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    for (qsizetype k = 0; k < arguments.size(); ++k) {
        if (arguments[k] == QLatin1String("--lang")) ++k; // its value is no file
        if (k >= arguments.size() || arguments[k].startsWith(QLatin1Char('-'))) continue;
        setupWindow.OpenFileAtStart(arguments[k]);
        break;
    }
    return QApplication::exec();
}
