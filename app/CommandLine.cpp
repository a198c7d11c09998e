#include "CommandLine.h"

#include "LanguageTable.h"

#include <QCoreApplication>
#include <QFile>

#include <array>
#include <ostream>
#include <string_view>

namespace orvane {
namespace {

// The options Qt reads itself from the same command line (QGuiApplication, QApplication and the X11
// platform). Those that take a value may also be written -style=fusion.
constexpr std::array<std::string_view, 15> QtOptionsWithValue = {"platform",      "platformpluginpath",
                                                                 "platformtheme", "plugin",
                                                                 "qmljsdebugger", "qwindowgeometry",
                                                                 "qwindowicon",   "qwindowtitle",
                                                                 "session",       "display",
                                                                 "name",          "geometry",
                                                                 "title",         "style",
                                                                 "stylesheet"};
constexpr std::array<std::string_view, 5> QtFlags = {"reverse", "nograb", "dograb", "sync", "widgetcount"};

bool Contains(const auto& names, const QString& name) {
    const std::string latin = name.toStdString();
    for (std::string_view known : names)
        if (latin == known) return true;
    return false;
}

// How many arguments a Qt option takes up (1 or 2), or 0 when `argument` is not one of Qt's. Qt accepts
// both -platform and --platform.
int QtOptionLength(const QString& argument) {
    if (!argument.startsWith(QLatin1Char('-')) || argument.size() < 2) return 0;
    QString name = argument.mid(argument.startsWith(QLatin1String("--")) ? 2 : 1);
    if (Contains(QtFlags, name)) return 1;
    const qsizetype equals = name.indexOf(QLatin1Char('='));
    if (equals > 0) return Contains(QtOptionsWithValue, name.left(equals)) ? 1 : 0;
    return Contains(QtOptionsWithValue, name) ? 2 : 0;
}

CommandLine Failure(const QString& error) {
    CommandLine result;
    result.action = CommandLine::Action::Fail;
    result.error = error;
    return result;
}

} // namespace

CommandLine ParseCommandLine(const QStringList& arguments) {
    CommandLine result;
    bool optionsEnded = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        const bool isOption = !optionsEnded && argument.startsWith(QLatin1Char('-')) && argument != "-";
        if (isOption) {
            if (argument == "--") {
                optionsEnded = true;
            } else if (argument == "-h" || argument == "--help") {
                result.action = CommandLine::Action::ShowHelp;
                return result;
            } else if (argument == "--version") {
                result.action = CommandLine::Action::ShowVersion;
                return result;
            } else if (argument == "--lang" || argument.startsWith(QLatin1String("--lang="))) {
                QString language;
                if (argument == "--lang") {
                    if (i + 1 >= arguments.size())
                        return Failure(QCoreApplication::translate(
                                           "CommandLine", "параметру «--lang» нужно значение, одно из: %1")
                                           .arg(ui::LanguageCodes()));
                    language = arguments[++i];
                } else {
                    language = argument.mid(7);
                }
                if (!ui::LanguageFromCode(language))
                    return Failure(QCoreApplication::translate(
                                       "CommandLine", "язык «%1» не поддерживается; укажите один из: %2")
                                       .arg(language, ui::LanguageCodes()));
                result.language = language;
            } else if (const int length = QtOptionLength(argument); length > 0) {
                i += length - 1;
            } else {
                return Failure(
                    QCoreApplication::translate("CommandLine", "неизвестный параметр «%1»").arg(argument));
            }
        } else if (argument.isEmpty()) {
            return Failure(QCoreApplication::translate("CommandLine", "пустое имя файла параметров"));
        } else if (!result.file.isEmpty()) {
            return Failure(
                QCoreApplication::translate(
                    "CommandLine", "можно открыть только один файл параметров, а указаны «%1» и «%2»")
                    .arg(result.file, argument));
        } else {
            result.file = argument;
        }
    }
    return result;
}

CommandLine ParseCommandLine(int argc, const char* const argv[]) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QFile::decodeName(argv[i]);
    return ParseCommandLine(arguments);
}

QString CommandLineHelp() {
    //: %1 lists the language codes, "ru, en". Keep each line within 80 characters.
    return QCoreApplication::translate(
               "CommandLine",
               "Использование: orvane [ПАРАМЕТРЫ] [ФАЙЛ]\n"
               "Движение объектов по законам Ньютона в одной плоскости: Солнце, девять планет и астероид.\n"
               "\n"
               "  ФАЙЛ            файл параметров, который открывается при запуске\n"
               "  --lang ЯЗЫК     язык программы на этот запуск, один из: %1;\n"
               "                  без него — язык, выбранный в программе, а если его\n"
               "                  не выбирали — первый из языков рабочего стола, который\n"
               "                  есть в программе, иначе русский\n"
               "  -h, --help      показать эту справку и выйти\n"
               "  --version       показать версию и выйти\n"
               "\n"
               "Стандартные параметры Qt (-platform, -display, -style и другие) тоже принимаются.\n"
               "Подробнее: man orvane\n")
        .arg(ui::LanguageCodes());
}

QString VersionText() {
    return QCoreApplication::translate("CommandLine",
                                       "orvane (Orvane2.0) %1\n"
                                       "Программа распространяется свободно, для некоммерческих целей.\n")
        .arg(QStringLiteral(ORVANE_VERSION));
}

std::optional<int> AnswerWithoutWindow(const CommandLine& commandLine, std::ostream& out, std::ostream& err) {
    switch (commandLine.action) {
    case CommandLine::Action::Run:
        return std::nullopt;
    case CommandLine::Action::ShowHelp:
        out << CommandLineHelp().toStdString() << std::flush;
        return 0;
    case CommandLine::Action::ShowVersion:
        out << VersionText().toStdString() << std::flush;
        return 0;
    case CommandLine::Action::Fail:
        err << "orvane: " << commandLine.error.toStdString() << '\n'
            << QCoreApplication::translate("CommandLine", "Справка: orvane --help").toStdString()
            << std::endl;
        return 2;
    }
    return 2;
}

} // namespace orvane
