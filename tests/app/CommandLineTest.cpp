// The command line as the parser reads it, and the program itself answering --help, --version and
// mistakes on a terminal without a display.
#include "CommandLine.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QSettings>
#include <QTemporaryDir>

#include <sstream>

#include <gtest/gtest.h>

namespace orvane {
namespace {

using Action = CommandLine::Action;

CommandLine Parse(const QStringList& arguments) {
    return ParseCommandLine(arguments);
}

TEST(CommandLine, NoArgumentsOpenTheWindowsAsAlways) {
    const CommandLine line = Parse({});
    EXPECT_EQ(line.action, Action::Run);
    EXPECT_TRUE(line.language.isEmpty());
    EXPECT_TRUE(line.file.isEmpty());
}

TEST(CommandLine, LanguageAndFileInEitherOrderAndForm) {
    CommandLine line = Parse({"--lang", "en", "lesson.dat"});
    EXPECT_EQ(line.action, Action::Run);
    EXPECT_EQ(line.language, "en");
    EXPECT_EQ(line.file, "lesson.dat");

    line = Parse({"/home/teacher/Уроки/солнце.dat", "--lang=ru"});
    EXPECT_EQ(line.action, Action::Run);
    EXPECT_EQ(line.language, "ru");
    EXPECT_EQ(line.file, "/home/teacher/Уроки/солнце.dat");

    line = Parse({"--lang", "ru", "--lang", "en"}); // the last one counts, as with most programs
    EXPECT_EQ(line.language, "en");
}

TEST(CommandLine, DoubleDashLetsAFileNameStartWithADash) {
    CommandLine line = Parse({"--", "--help"});
    EXPECT_EQ(line.action, Action::Run);
    EXPECT_EQ(line.file, "--help");
    line = Parse({"-"}); // a lone dash is a name, not an option
    EXPECT_EQ(line.action, Action::Run);
    EXPECT_EQ(line.file, "-");
}

TEST(CommandLine, HelpAndVersionAnswerAsSoonAsMet) {
    EXPECT_EQ(Parse({"--help"}).action, Action::ShowHelp);
    EXPECT_EQ(Parse({"-h"}).action, Action::ShowHelp);
    EXPECT_EQ(Parse({"--version"}).action, Action::ShowVersion);
    EXPECT_EQ(Parse({"file.dat", "--version", "--bogus"}).action, Action::ShowVersion);
    EXPECT_EQ(Parse({"--bogus", "--help"}).action, Action::Fail);
    EXPECT_EQ(Parse({"--version", "--help"}).action, Action::ShowVersion);
}

TEST(CommandLine, MistakesAreNamed) {
    struct Case {
        QStringList arguments;
        const char* named; // what the message must quote
    };
    const Case cases[] = {
        {{"--bogus"}, "«--bogus»"},
        {{"-x", "file.dat"}, "«-x»"},
        {{"--langen"}, "«--langen»"},
        {{"--HELP"}, "«--HELP»"},
        {{"--lang"}, "«--lang»"},
        {{"--lang", "de"}, "«de»"},
        {{"--lang="}, "«»"},
        {{"--lang", "EN"}, "«EN»"},
        {{"one.dat", "two.dat"}, "«two.dat»"},
        {{""}, "файла"},
    };
    for (const Case& mistake : cases) {
        const CommandLine line = Parse(mistake.arguments);
        EXPECT_EQ(line.action, Action::Fail) << mistake.arguments.join(' ').toStdString();
        EXPECT_TRUE(line.error.contains(QString::fromUtf8(mistake.named)))
            << line.error.toStdString() << " should name " << mistake.named;
        EXPECT_FALSE(line.error.contains('\n'));
    }
}

TEST(CommandLine, QtsOwnOptionsAreLeftToQt) {
    CommandLine line = Parse({"-platform", "offscreen", "-style=fusion", "--display", ":1", "-reverse",
                              "lesson.dat", "-stylesheet", "x.qss"});
    EXPECT_EQ(line.action, Action::Run);
    EXPECT_EQ(line.file, "lesson.dat"); // the values of Qt's options are not taken for the file
    EXPECT_EQ(Parse({"-platformx"}).action, Action::Fail);
    EXPECT_EQ(Parse({"-lang=en"}).action, Action::Fail);
}

TEST(CommandLine, AnswersOnTheRightStreamWithTheRightStatus) {
    std::ostringstream out, err;
    EXPECT_EQ(AnswerWithoutWindow(Parse({}), out, err), std::nullopt);
    EXPECT_EQ(out.str() + err.str(), "");

    EXPECT_EQ(AnswerWithoutWindow(Parse({"--help"}), out, err), 0);
    EXPECT_EQ(out.str(), CommandLineHelp().toStdString());
    EXPECT_EQ(err.str(), "");

    out.str("");
    EXPECT_EQ(AnswerWithoutWindow(Parse({"--version"}), out, err), 0);
    EXPECT_EQ(out.str().rfind("orvane (Orvane2.0) " ORVANE_VERSION "\n", 0), 0u) << out.str();
    EXPECT_EQ(err.str(), "");

    out.str("");
    EXPECT_EQ(AnswerWithoutWindow(Parse({"--bogus"}), out, err), 2);
    EXPECT_EQ(out.str(), "");
    EXPECT_EQ(err.str().rfind("orvane: неизвестный параметр «--bogus»\n", 0), 0u) << err.str();
    EXPECT_NE(err.str().find("orvane --help"), std::string::npos);
}

TEST(CommandLine, HelpNamesEveryOption) {
    const QString help = CommandLineHelp();
    for (const char* option : {"--help", "-h,", "--version", "--lang", " ru, en;", "ФАЙЛ", "man orvane"})
        EXPECT_TRUE(help.contains(QString::fromUtf8(option))) << option;
    for (const QString& line : help.split('\n'))
        EXPECT_LE(line.size(), 90) << "a terminal line too long: " << line.toStdString();
}

// The program itself, where no window can open: no display, and the X11 platform, which would end the
// program with a complaint about the display if a window were attempted.
struct Answer {
    int status = -1;
    QString out, err;
};

// `desktop` sets the desktop's language variables (LANG, LANGUAGE...); the settings are a folder's own, empty
// unless `savedLanguage` names a choice.
Answer RunProgram(const QStringList& arguments, const QList<std::pair<QString, QString>>& desktop = {},
                  const QString& savedLanguage = {}) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    QTemporaryDir config;
    environment.insert("XDG_CONFIG_HOME", config.path());
    if (!savedLanguage.isEmpty())
        QSettings(config.filePath("orvane/orvane.ini"), QSettings::IniFormat)
            .setValue("language", savedLanguage);
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"})
        environment.remove(name);
    environment.insert("LANG", "C.UTF-8");
    for (const auto& [name, value] : desktop)
        environment.insert(name, value);
    environment.remove("DISPLAY");
    environment.remove("WAYLAND_DISPLAY");
    environment.insert("QT_QPA_PLATFORM", "xcb");
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(ORVANE_PROGRAM), arguments);
    Answer answer;
    if (!process.waitForFinished(20000)) {
        process.kill();
        process.waitForFinished();
        answer.err = "(still running after 20 s)";
        return answer;
    }
    answer.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    answer.out = QString::fromUtf8(process.readAllStandardOutput());
    answer.err += QString::fromUtf8(process.readAllStandardError());
    return answer;
}

TEST(ProgramCommandLine, HelpAndVersionNeedNoDisplay) {
    Answer answer = RunProgram({"--help"});
    EXPECT_EQ(answer.status, 0) << answer.err.toStdString();
    EXPECT_EQ(answer.out, CommandLineHelp());
    EXPECT_EQ(answer.err, "");

    answer = RunProgram({"--lang", "en", "--version"});
    EXPECT_EQ(answer.status, 0) << answer.err.toStdString();
    EXPECT_EQ(answer.out, "orvane (Orvane2.0) " ORVANE_VERSION
                          "\nThe program is distributed free of charge, for non-commercial use.\n");
    EXPECT_EQ(answer.err, "");
}

// With no --lang and nothing saved the desktop's preferred languages decide: the first the program has,
// else Russian. --lang and a saved choice win over the desktop. The help, the version and the mistakes
// are all in the language chosen.
TEST(ProgramCommandLine, SpeaksTheLanguageTheWindowsWould) {
    const QString english = "Usage: orvane [OPTIONS] [FILE]";
    const QString russian = "Использование: orvane [ПАРАМЕТРЫ] [ФАЙЛ]";
    struct Case {
        QList<std::pair<QString, QString>> desktop;
        QStringList arguments;
        QString saved;
        QString expected;
    };
    const Case cases[] = {
        {{{"LANG", "en_US.UTF-8"}}, {"--help"}, {}, english},
        {{{"LANG", "ru_RU.UTF-8"}}, {"--help"}, {}, russian},
        {{{"LANG", "C.UTF-8"}}, {"--help"}, {}, russian},
        {{{"LANG", "de_DE.UTF-8"}}, {"--help"}, {}, russian},
        {{{"LANG", "de_DE.UTF-8"}, {"LANGUAGE", "de:en_GB:ru"}}, {"--help"}, {}, english},
        {{{"LANG", "en_US.UTF-8"}, {"LANGUAGE", "fr:ru:en"}}, {"--help"}, {}, russian},
        {{{"LANG", "en_US.UTF-8"}}, {"--lang", "ru", "--help"}, {}, russian},
        {{{"LANG", "ru_RU.UTF-8"}}, {"--lang=en", "-h"}, {}, english},
        {{{"LANG", "en_US.UTF-8"}}, {"--help"}, "ru", russian},
        {{{"LANG", "ru_RU.UTF-8"}}, {"--help"}, "en", english},
        {{{"LANG", "ru_RU.UTF-8"}}, {"--lang", "ru", "--help"}, "en", russian},
    };
    for (const Case& c : cases) {
        const Answer answer = RunProgram(c.arguments, c.desktop, c.saved);
        EXPECT_EQ(answer.status, 0) << answer.err.toStdString();
        EXPECT_TRUE(answer.out.startsWith(c.expected))
            << c.arguments.join(' ').toStdString() << " saved '" << c.saved.toStdString() << "' "
            << c.desktop.back().second.toStdString() << ": " << answer.out.toStdString();
    }
    Answer answer = RunProgram({"--version"}, {{"LANG", "en_GB.UTF-8"}});
    EXPECT_TRUE(answer.out.contains("distributed free of charge, for non-commercial use"))
        << answer.out.toStdString();
    answer = RunProgram({"--bogus"}, {{"LANG", "en_GB.UTF-8"}});
    EXPECT_EQ(answer.status, 2);
    EXPECT_EQ(answer.err, "orvane: unknown option “--bogus”\nHelp: orvane --help\n");
    answer = RunProgram({"--lang", "de"}, {{"LANG", "en_GB.UTF-8"}});
    EXPECT_EQ(answer.err,
              "orvane: language “de” is not supported; give one of: ru, en\nHelp: orvane --help\n");
    answer = RunProgram({"--lang", "de"}, {{"LANG", "ru_RU.UTF-8"}});
    EXPECT_TRUE(answer.err.startsWith("orvane: язык «de» не поддерживается; укажите один из: ru, en\n"))
        << answer.err.toStdString();
}

TEST(ProgramCommandLine, MistakeEndsWithStatusTwoAndNoWindow) {
    for (const QStringList& arguments : {QStringList{"--bogus"}, QStringList{"--lang", "xx"},
                                         QStringList{"a.dat", "b.dat"}, QStringList{"--lang"}}) {
        const Answer answer = RunProgram(arguments);
        EXPECT_EQ(answer.status, 2) << arguments.join(' ').toStdString() << ": " << answer.err.toStdString();
        EXPECT_EQ(answer.out, "");
        EXPECT_TRUE(answer.err.startsWith("orvane: ")) << answer.err.toStdString();
        EXPECT_FALSE(answer.err.contains("display", Qt::CaseInsensitive)) << answer.err.toStdString();
    }
}

TEST(ProgramCommandLine, WithoutOptionsItReallyTriesToOpenAWindow) {
    // The counterpart of the checks above: the same environment does stop a program that opens windows,
    // so their clean answers prove that no window was attempted.
    const Answer answer = RunProgram({"--lang", "ru"});
    EXPECT_NE(answer.status, 0);
    EXPECT_TRUE(answer.err.contains("display", Qt::CaseInsensitive)) << answer.err.toStdString();
}

} // namespace
} // namespace orvane
