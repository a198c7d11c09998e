// English as the user's choice: every text the windows show in English holds no Cyrillic letter, the
// captions fit their fixed places, the choice is remembered, and a change applies at once.
#include "GuiTestSupport.h"

#include "DateDialog.h"
#include "ErrorText.h"
#include "Form3.h"
#include "Guard.h"
#include "Language.h"
#include "MeasurementsController.h"
#include "MeasurementsWindow.h"
#include "Settings.h"
#include "VbSlider.h"

#include <QAction>
#include <QComboBox>
#include <QDirIterator>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTranslator>

#include <algorithm>

namespace orvane {
namespace {

using test::Click;
using test::Find;

bool HasCyrillic(const QString& text) {
    for (const QChar c : text)
        if (c.unicode() >= 0x0400 && c.unicode() <= 0x04FF) return true;
    return false;
}

// The language menu names each language in its own words, whatever the language shown.
bool IsLanguageChoice(const QString& text) {
    return text == QStringLiteral("Язык / Language") || text == QStringLiteral("Русский");
}

void ExpectEnglishActions(const QList<QAction*>& actions, const QString& where) {
    for (QAction* action : actions) {
        if (IsLanguageChoice(action->text())) continue;
        EXPECT_FALSE(HasCyrillic(action->text()))
            << where.toStdString() << ": " << action->text().toStdString();
        EXPECT_FALSE(HasCyrillic(action->toolTip())) << where.toStdString();
        if (action->menu() != nullptr) ExpectEnglishActions(action->menu()->actions(), where);
    }
}

// Every text a window shows: captions, titles, tooltips, menus, table heads and cells, list entries and
// the text boxes.
void ExpectNoCyrillic(QWidget* window) {
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets.prepend(window);
    const std::string name = window->objectName().toStdString();
    int texts = 0;
    const auto check = [&](const QString& text, QWidget* widget) {
        if (text.isEmpty()) return;
        ++texts;
        EXPECT_FALSE(HasCyrillic(text))
            << name << "/" << widget->objectName().toStdString() << ": " << text.toStdString();
    };
    for (QWidget* widget : widgets) {
        check(widget->windowTitle(), widget);
        check(widget->toolTip(), widget);
        ExpectEnglishActions(widget->actions(), window->objectName());
        if (auto* button = qobject_cast<QAbstractButton*>(widget)) check(button->text(), widget);
        if (auto* label = qobject_cast<QLabel*>(widget)) check(label->text(), widget);
        if (auto* group = qobject_cast<QGroupBox*>(widget)) check(group->title(), widget);
        if (auto* edit = qobject_cast<QLineEdit*>(widget)) check(edit->text(), widget);
        if (auto* text = qobject_cast<QPlainTextEdit*>(widget)) check(text->toPlainText(), widget);
        if (auto* box = qobject_cast<QComboBox*>(widget))
            for (int k = 0; k < box->count(); ++k)
                check(box->itemText(k), widget);
        if (auto* table = qobject_cast<QTableWidget*>(widget)) {
            for (int column = 0; column < table->columnCount(); ++column) {
                check(table->horizontalHeaderItem(column)->text(), widget);
                for (int row = 0; row < table->rowCount(); ++row)
                    if (table->item(row, column) != nullptr) check(table->item(row, column)->text(), widget);
            }
        }
    }
    EXPECT_GE(texts, 3) << name;
}

struct InEnglish : ::testing::Test {
    void SetUp() override { ui::ApplyLanguage(ui::Language::English); }
    void TearDown() override {
        ui::ApplyLanguage(ui::Language::Russian);
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

TEST_F(InEnglish, EveryWindowAndDialogShowsEnglishOnlyAndItsCaptionsFit) {
    SimState state;
    ProgramWindows windows(state);
    Form1& setup = windows.Setup();
    setup.show();
    ExpectNoCyrillic(&setup);
    test::ExpectCaptionsFit(&setup);
    EXPECT_EQ(Find<QPushButton>(&setup, "Command1")->text(), "Start Experiment");
    EXPECT_EQ(Find<QRadioButton>(&setup, "Option15")->text(), "Sun");

    Form2* experiment = driver::StartExperiment(windows);
    ASSERT_NE(experiment, nullptr);
    ExpectNoCyrillic(experiment);
    test::ExpectCaptionsFit(experiment);
    EXPECT_EQ(Find<QPushButton>(experiment, "Command4")->text(), "Pause");

    auto* measurements = driver::OpenMeasurements(experiment);
    ASSERT_NE(measurements, nullptr);
    ExpectNoCyrillic(measurements);
    EXPECT_EQ(measurements->windowTitle(), "Measurements — Orvane2.0");

    Click(&setup, "Command8");
    Form3* help = windows.HelpWindow();
    ASSERT_NE(help, nullptr);
    ExpectNoCyrillic(help);
    test::ExpectCaptionsFit(help);
    EXPECT_TRUE(help->HelpText().startsWith("    When the program starts"));

    DateDialog dialog(&setup);
    ExpectNoCyrillic(&dialog);
    experiment->close();
}

TEST_F(InEnglish, MessagesAreEnglish) {
    SimState state;
    ProgramWindows windows(state);
    Form1& setup = windows.Setup();
    QTemporaryDir dir;
    setup.SetParameterFilePath(dir.filePath("orvane1.dat"));
    setup.show();
    auto catcher = std::make_unique<test::MessageCatcher>();
    Click(&setup, "Command6"); // no planet chosen
    Click(&setup, "Command3"); // no parameter file yet
    Find<QLineEdit>(&setup, "Text2(0)")->setText(QStringLiteral("heavy"));
    Click(&setup, "Command6");
    const QStringList texts = catcher->texts;
    catcher.reset();
    ASSERT_EQ(texts.size(), 3);
    EXPECT_EQ(texts[0], "Choose a planet to change its parameters");
    EXPECT_TRUE(texts[1].startsWith("Parameter file not found: "));
    // The example keeps the desktop's decimal separator, as the table's numbers do.
    EXPECT_EQ(texts[2],
              "Mass of the body “Sun”: “heavy” is not a number. Enter a number, for example 1500 or " +
                  test::Decimal("-2.5") + ".");
    for (const QString& text : texts)
        EXPECT_FALSE(HasCyrillic(text)) << text.toStdString();

    // Every error of the core and the file, and a fault's advice, in English; the system's reason too.
    for (int code = 0; code < ErrorCodeCount; ++code) {
        const QString text = ui::ErrorText(
            {.code = static_cast<ErrorCode>(code), .text = "x", .path = "/p", .osError = EACCES});
        EXPECT_FALSE(HasCyrillic(text)) << code << ": " << text.toStdString();
    }
    test::MessageCatcher fault;
    ui::Guarded(nullptr, nullptr, [] { throw RunTimeError({.code = ErrorCode::DivisionByZero}); });
    ASSERT_EQ(fault.texts.size(), 1);
    EXPECT_TRUE(fault.texts[0].startsWith("Run-time error: Division by zero\n\n"))
        << fault.texts[0].toStdString();
    EXPECT_TRUE(fault.texts[0].contains("“Solution Accuracy”"));
}

TEST(Language, TheDesktopDecidesUntilAChoiceIsRemembered) {
    QTemporaryDir dir;
    ui::UseSettingsFile(dir.filePath("orvane.conf"));
    EXPECT_EQ(ui::SavedLanguage(), std::nullopt);
    // Nobody chose: a Russian or a German desktop gets Russian windows, an English one English windows.
    ASSERT_TRUE(ui::ApplyStartupLanguage(QString(), {"de-DE"}));
    EXPECT_EQ(ui::CurrentLanguage(), ui::Language::Russian);
    ASSERT_TRUE(ui::ApplyStartupLanguage(QString(), {"en-US", "en"}));
    EXPECT_EQ(ui::CurrentLanguage(), ui::Language::English);
    SimState state;
    {
        ProgramWindows windows(state);
        Form1& setup = windows.Setup();
        EXPECT_EQ(Find<QPushButton>(&setup, "Command1")->text(), "Start Experiment");
    }
    ASSERT_TRUE(ui::ApplyStartupLanguage(QString(), {"ru-RU"}));
    EXPECT_EQ(ui::CurrentLanguage(), ui::Language::Russian);
    EXPECT_EQ(ui::SavedLanguage(), std::nullopt); // the desktop's language is not remembered as a choice

    {
        ProgramWindows windows(state);
        Form1& setup = windows.Setup();
        setup.show();
        setup.findChild<QAction*>("LanguageEnglish")->trigger();
    }
    EXPECT_EQ(QSettings(dir.filePath("orvane.conf"), QSettings::IniFormat).value("language").toString(),
              "en");
    // The next start on a Russian desktop: English without being asked.
    ui::ApplyLanguage(ui::Language::Russian);
    ASSERT_TRUE(ui::ApplyStartupLanguage(QString(), {"ru-RU"}));
    EXPECT_EQ(ui::CurrentLanguage(), ui::Language::English);
    {
        ProgramWindows windows(state);
        Form1& setup = windows.Setup();
        EXPECT_EQ(Find<QPushButton>(&setup, "Command1")->text(), "Start Experiment");
        EXPECT_TRUE(setup.findChild<QAction*>("LanguageEnglish")->isChecked());
    }
    // --lang ru for one run: Russian, and the choice stays English.
    ASSERT_TRUE(ui::ApplyStartupLanguage(QStringLiteral("ru"), {"en-US"}));
    EXPECT_EQ(ui::CurrentLanguage(), ui::Language::Russian);
    EXPECT_EQ(ui::SavedLanguage(), ui::Language::English);
    {
        ProgramWindows windows(state);
        Form1& setup = windows.Setup();
        EXPECT_EQ(Find<QPushButton>(&setup, "Command1")->text(), "Начать эксперимент");
        EXPECT_EQ(Find<QRadioButton>(&setup, "Option5")->text(), "Юпитер");
        EXPECT_TRUE(setup.findChild<QAction*>("LanguageRussian")->isChecked());
    }
    // An unknown code is refused and the saved choice is used.
    EXPECT_FALSE(ui::ApplyStartupLanguage(QStringLiteral("de"), {"ru-RU"}));
    EXPECT_EQ(ui::CurrentLanguage(), ui::Language::English);
    ui::ApplyLanguage(ui::Language::Russian);
}

// The choice takes effect at once in every open window, the texts a handler has rewritten included, and
// the way back gives exactly the Russian captions.
TEST(Language, AChangeShowsEveryOpenWindowInTheNewLanguageAtOnce) {
    QTemporaryDir dir;
    ui::UseSettingsFile(dir.filePath("orvane.conf"));
    SimState state;
    ProgramWindows windows(state);
    Form1& setup = windows.Setup();
    setup.show();
    Form2* experiment = driver::StartExperiment(windows);
    ASSERT_NE(experiment, nullptr);
    experiment->Slider2->setValue(5000); // "Размеры экрана = 5000 млн.км"
    auto* bodyNames = experiment->findChild<QAction*>("BodyNamesAction");
    Click(experiment, "Command1"); // one step, then paused: the bodies have places to be named at
    Click(experiment, "Command4");
    bodyNames->setChecked(true); // the Sun named on the screens
    const auto screenNames = [experiment] {
        QStringList names;
        for (const auto& label : experiment->Picture1->Labels())
            names.append(label.text);
        return names;
    };
    ASSERT_TRUE(screenNames().contains("Солнце")) << screenNames().join(',').toStdString();
    const QString russianSize = Find<QLabel>(experiment, "Label1")->text();
    const QString russianDelay = Find<QLabel>(experiment, "Label2")->text();
    Click(&setup, "Command8");

    setup.findChild<QAction*>("LanguageEnglish")->trigger();
    QApplication::sendPostedEvents();
    EXPECT_EQ(Find<QPushButton>(&setup, "Command1")->text(), "Start Experiment");
    EXPECT_EQ(Find<QGroupBox>(&setup, "Frame1")->title(), "Solution Accuracy");
    EXPECT_EQ(Find<QRadioButton>(&setup, "Option15")->text(), "Sun"); // the body names' own translations
    EXPECT_EQ(Find<QRadioButton>(&setup, "Option9")->text(), "Pluto");
    EXPECT_EQ(Find<QPushButton>(experiment, "Command1")->text(), "Start");
    EXPECT_EQ(Find<QLabel>(experiment, "Label1")->text(), "Screen size = 5000 million km");
    EXPECT_FALSE(HasCyrillic(Find<QLabel>(experiment, "Label2")->text()));
    EXPECT_EQ(experiment->MeasureAction->text(), "Measurements…");
    // The screen options: their menu entries, the screens' tooltip with its list of keys, the names drawn.
    EXPECT_EQ(bodyNames->text(), "Body Names");
    EXPECT_FALSE(HasCyrillic(experiment->findChild<QAction*>("LargeMarksAction")->text()));
    for (QWidget* screen :
         {static_cast<QWidget*>(experiment->Picture1), static_cast<QWidget*>(experiment->Picture2)}) {
        EXPECT_TRUE(screen->toolTip().contains("PageDown")) << screen->toolTip().toStdString();
        EXPECT_FALSE(HasCyrillic(screen->toolTip())) << screen->toolTip().toStdString();
    }
    EXPECT_TRUE(screenNames().contains("Sun")) << screenNames().join(',').toStdString();
    EXPECT_TRUE(windows.HelpWindow()->HelpText().startsWith("    When the program starts"));
    ExpectNoCyrillic(experiment);
    test::ExpectCaptionsFit(&setup);

    setup.findChild<QAction*>("LanguageRussian")->trigger();
    QApplication::sendPostedEvents();
    EXPECT_EQ(Find<QPushButton>(&setup, "Command1")->text(), "Начать эксперимент");
    EXPECT_EQ(Find<QLabel>(experiment, "Label1")->text(), russianSize);
    EXPECT_EQ(Find<QLabel>(experiment, "Label2")->text(), russianDelay);
    EXPECT_EQ(bodyNames->text(), "Подписи тел");
    EXPECT_TRUE(screenNames().contains("Солнце")) << screenNames().join(',').toStdString();
    EXPECT_TRUE(experiment->Picture1->toolTip().contains("PageDown"));
    EXPECT_EQ(Find<QLabel>(&setup, "Label8")->text(),
              "   Задайте параметры    астероида      (если они          есть)");
    EXPECT_TRUE(windows.HelpWindow()->HelpText().startsWith("    При загрузке"));
    EXPECT_EQ(ui::SavedLanguage(), ui::Language::Russian);
    experiment->close();
    windows.HelpWindow()->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Every string literal of a source file with its line, comments left out.
struct Literal {
    QString text;
    int line;
};
QList<Literal> StringLiterals(const QString& source) {
    QList<Literal> literals;
    int line = 1;
    for (qsizetype i = 0; i < source.size(); ++i) {
        const QChar c = source[i];
        if (c == '\n') {
            ++line;
        } else if (source.mid(i, 2) == "//") {
            while (i < source.size() && source[i] != '\n')
                ++i;
            --i;
        } else if (source.mid(i, 2) == "/*") {
            const qsizetype end = source.indexOf("*/", i + 2);
            line += int(source.mid(i, end - i).count('\n'));
            i = end + 1;
        } else if (c == '\'') {
            i += source[i + 1] == '\\' ? 3 : 2;
        } else if (c == '"') {
            QString text;
            for (++i; i < source.size() && source[i] != '"'; ++i) {
                if (source[i] == '\\') {
                    ++i;
                    text += source[i] == 'n' ? QChar('\n') : source[i];
                } else {
                    text += source[i];
                }
            }
            literals.append({text, line});
        }
    }
    return literals;
}

// The texts lupdate finds in the sources, as in a .ts file.
QStringList SourceTexts(const QString& ts) {
    QStringList texts;
    const QRegularExpression source(QStringLiteral("<source>([^<]*)</source>"));
    for (auto match = source.globalMatch(ts); match.hasNext();) {
        QString text = match.next().captured(1);
        text.replace("&lt;", "<").replace("&gt;", ">").replace("&quot;", "\"").replace("&apos;", "'");
        texts.append(text.replace("&amp;", "&"));
    }
    return texts;
}

// Runs lupdate on the sources into a copy of the translation file of `row`, as the lupdate target does, and
// returns the copy's text.
QString UpdatedCopy(const ui::LanguageRow& row, const QTemporaryDir& dir) {
    const QString name = QStringLiteral("orvane_%1.ts").arg(row.code);
    const QString copy = dir.filePath(name);
    EXPECT_TRUE(QFile::copy(ORVANE_SOURCE_DIR "/i18n/" + name, copy)) << "no translation file " << row.code;
    QStringList arguments{"-locations", "none", "-source-language", "ru_RU"};
    // The language of the sources needs only its plural forms.
    if (row.language == ui::Languages().front().language) arguments << "-pluralonly";
    arguments << "ui"
              << "setup"
              << "experiment"
              << "help"
              << "measure"
              << "app"
              << "lessons"
              << "-ts" << copy;
    QProcess lupdate;
    lupdate.setWorkingDirectory(ORVANE_SOURCE_DIR);
    lupdate.start(ORVANE_LUPDATE, arguments);
    EXPECT_TRUE(lupdate.waitForFinished(50000));
    EXPECT_EQ(lupdate.exitCode(), 0) << lupdate.readAllStandardError().toStdString();
    QFile file(copy);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return QString::fromUtf8(file.readAll());
}

// Each language of the table has its translation file, and it holds a finished text for every text of
// the sources and nothing else: lupdate run on the sources into a copy of it finds no new, unfinished,
// obsolete or vanished entry, and every plural text has all the forms its language needs (Russian
// three: one, few, many). The compiled file is in the program.
TEST(TranslationFile, EveryTextHasAFinishedTranslationAndNoneIsObsolete) {
    QTemporaryDir dir;
    for (const ui::LanguageRow& row : ui::Languages()) {
        SCOPED_TRACE(row.code);
        const QString ts = UpdatedCopy(row, dir);
        const QRegularExpression open(QStringLiteral("<translation type=\"(unfinished|obsolete|vanished)\""));
        int bad = 0;
        for (auto found = open.globalMatch(ts); found.hasNext();) {
            const QRegularExpressionMatch match = found.next();
            const qsizetype source = ts.lastIndexOf(QStringLiteral("<source>"), match.capturedStart());
            ADD_FAILURE() << match.captured(1).toStdString() << ": "
                          << ts.mid(source, match.capturedStart() - source).trimmed().toStdString();
            ++bad;
        }
        EXPECT_EQ(bad, 0) << "run: cmake --build build --target lupdate, then translate the new entries";
        EXPECT_FALSE(ts.contains(QStringLiteral("<numerusform></numerusform>")))
            << "a plural text lacks a form";
        EXPECT_TRUE(ts.contains(QStringLiteral("language=\"%1").arg(row.code)));
        QTranslator compiled;
        EXPECT_TRUE(compiled.load(QString::fromLatin1(row.translation)));
        const int plurals = int(ts.count(QStringLiteral("<message numerus=\"yes\">")));
        EXPECT_GE(plurals, 3);
        if (row.language == ui::Language::Russian) {
            EXPECT_EQ(ts.count(QStringLiteral("<numerusform>")), 3 * plurals);
            EXPECT_EQ(compiled.translate("orvane::measure::Counts", "%1 лет", nullptr, 22), "%1 года");
        } else {
            EXPECT_GT(ts.count(QStringLiteral("<message>")), 150);
        }
    }
}

// No text meant for the user can hide from lupdate: every string literal with a Cyrillic letter in the
// translated folders is one lupdate found (a text handed to a translate call through a helper of one's
// own is not), but for the few that stay the same in every language.
TEST(TranslationFile, NoUserTextIsHiddenFromLupdate) {
    QTemporaryDir dir;
    const QStringList texts = SourceTexts(UpdatedCopy(ui::RowOf(ui::Language::English), dir));
    ASSERT_GT(texts.size(), 150);
    // The first line of a lesson's description file is part of the file's format, not a text shown.
    QStringList sameInEveryLanguage{QStringLiteral("Язык / Language"),
                                    QStringLiteral("# Опыт для урока Orvane2.0\n")};
    for (const ui::LanguageRow& row : ui::Languages())
        sameInEveryLanguage << QString::fromUtf8(row.nativeName);
    int checked = 0;
    for (const char* folder : {"ui", "setup", "experiment", "help", "measure", "app", "lessons"}) {
        QDirIterator files(QStringLiteral(ORVANE_SOURCE_DIR "/") + folder, {"*.cpp", "*.h"}, QDir::Files,
                           QDirIterator::Subdirectories);
        while (files.hasNext()) {
            QFile file(files.next());
            ASSERT_TRUE(file.open(QIODevice::ReadOnly));
            for (const Literal& literal : StringLiterals(QString::fromUtf8(file.readAll()))) {
                if (!HasCyrillic(literal.text) || sameInEveryLanguage.contains(literal.text)) continue;
                ++checked;
                const bool seen = std::any_of(texts.begin(), texts.end(), [&](const QString& text) {
                    return text.contains(literal.text);
                });
                EXPECT_TRUE(seen) << file.fileName().toStdString() << ":" << literal.line
                                  << ": lupdate does not see \"" << literal.text.toStdString() << "\"";
            }
        }
    }
    EXPECT_GT(checked, 200);
}

// The scan above finds what a helper hides.
TEST(TranslationFile, TheScanReadsLiteralsAsTheCompilerDoes) {
    const QList<Literal> found = StringLiterals(
        "// \"в комментарии\"\nTr(\"скрытый \\\"текст\\\"\"); /* \"нет\" */ c = '\"'; x(\"да\\n\");");
    ASSERT_EQ(found.size(), 2);
    EXPECT_EQ(found[0].text, "скрытый \"текст\"");
    EXPECT_EQ(found[0].line, 2);
    EXPECT_EQ(found[1].text, "да\n");
}

} // namespace
} // namespace orvane
