#include "GuiTestSupport.h"

#include "Form1.h"
#include "Form3.h"
#include "ProgramWindows.h"

#include <QPlainTextEdit>
#include <QPointer>
#include <QTest>

namespace orvane {
namespace {

using test::Click;
using test::Find;

TEST(HelpWindow, OpensWithTheWholeTextOnceAndAgain) {
    SimState state;
    ProgramWindows windows(state);
    Form1& setup = windows.Setup();
    setup.show();
    Click(&setup, "Command8");
    QPointer<Form3> help = windows.HelpWindow();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(help->windowTitle(), "Orvane2.0");
    const QString built = help->HelpText();
    // The whole text, character for character: its mixed quotation marks, missing blanks and typing
    // errors included, five paragraph breaks, and no full stop at the end.
    const QString expected = QString::fromUtf8(
        "    При загрузке программы вы видите параметры объектов, которые загружаются по умолчанию. Их можно "
        "вывести на графические экраны, нажав кнопку “вывести на экраны”,а выбрав конкретный объект, можно "
        "установить для него произвольные параметры. Для планет надо нажать кнопку ”изменить”,а когда "
        "планета займет требуемое положение кнопку “стоп”. Для Солнца и астероида необходимо ввести их "
        "параметры вручную, а затем включить переключатель у Солнца и нажать кнопку “изменить”. Чтобы "
        "исключить влияние астероида на другие объекты, надо задать его массу равную нулю (или заслать его "
        "очень далеко).\r\n"
        "   Все параметры (кроме масс объектов) можно в любой момент сохранить в файле, а позднее наоборот "
        "загрузить эти параметры из файла. Кроме того можно загрузить параметры объектов по состоянию на "
        "1.1.2000 г., нажав соответствующую кнопку. Чтобы точнее устоновить параметры планет можно изменить "
        "точность решения и замедление на шаге решения, изменив опции установленные по умолчанию.\r\n"
        "    После того как все параметры заданы можно начинать эксперимент, для чего необходимо нажать "
        "соответствующую кнопку и загрузить вторую форму, которя также имеет два графических экрана и "
        "элементы управления ходом эксперимента.\r\n"
        "    Масштаб изображения на левом экране можно изменить ползунком, а просматриваемую область "
        "пространства выбрать перемещая его влево, вправо, вниз и вверх. При этом на правом экране, который "
        "показывает объекты в постоянном масштабетак, чтобы был виден самый отдаленный объект, вы будете "
        "видеть квадрат ограничивающий эту область. \r\n"
        "    Также как и на первой форме, чтобы увидеть процесс в замедленном темпе, вы можете ползунком "
        "изменить замедление на шаге решения, а чтобы приостановить прцесс вы можете нажать кнопку “пауза”,а "
        "затем опять продолжить эксперимент или вернуться к первой форме и сохранить данные в файле.\r\n"
        "    По умолчанию опция “движение Солнца”, отключена, но вы можете ее включить и увидеть, что не "
        "только Солнце притягивает планеты, но и они его тоже и для того, чтобы оно только слегка колебалось "
        "относительно начала координат надо на первой форме подобрать начальные параметры Солнца, которые к "
        "сожалению мне не известны. В нижней части формы вы видите сколько лет и дней прошло с начала "
        "эксперимент");
    EXPECT_EQ(built, expected);
    const QString shown = Find<QPlainTextEdit>(help, "Text1")->toPlainText();
    // The text box breaks lines with \n; after the text, an empty line and the guide to the rest.
    EXPECT_TRUE(shown.startsWith(QString(expected).replace("\r\n", "\n") + "\n\nВСЯ ПРОГРАММА\n\n"))
        << shown.toStdString();
    EXPECT_FALSE(Find<QPlainTextEdit>(help, "Text1")->isReadOnly());
    EXPECT_TRUE(Find<QLabel>(help, "Label2")->text().startsWith("    Программа"));
    EXPECT_TRUE(Find<QLabel>(help, "Label2")->text().endsWith("целей          "));
    test::ExpectCaptionsFit(help);

    EXPECT_EQ(help->parentWidget(), nullptr);
    // Tab leaves the text box for "Закрыть" and types nothing.
    auto* text = Find<QPlainTextEdit>(help, "Text1");
    text->setFocus();
    QTest::keyClick(text, Qt::Key_Tab);
    EXPECT_EQ(help->focusWidget(), Find<QWidget>(help, "Command1"));
    EXPECT_EQ(text->toPlainText(), shown);

    Click(&setup, "Command8"); // open: only brought forward
    EXPECT_EQ(windows.HelpWindow(), help.data());

    Click(help, "Command1");
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(help, nullptr);
    Click(&setup, "Command8");
    ASSERT_NE(windows.HelpWindow(), nullptr);
    EXPECT_EQ(windows.HelpWindow()->HelpText(), built);
    EXPECT_EQ(Find<QPlainTextEdit>(windows.HelpWindow(), "Text1")->toPlainText(), shown);
    windows.HelpWindow()->close();
}

} // namespace
} // namespace orvane

namespace orvane {
namespace {

// The guide after the help text: a section for each part of the program a new user meets, and every key
// in a table of two columns, in both languages.
TEST(HelpWindow, TheGuideCoversTheWholeProgramWithEveryKeyInATable) {
    SimState state;
    ProgramWindows windows(state);
    Form1& setup = windows.Setup();
    setup.show();
    setup.Command8_Click(); // «Справка», as in the case above
    QPointer<Form3> help = windows.HelpWindow();
    ASSERT_NE(help, nullptr);
    const QString shown = Find<QPlainTextEdit>(help, "Text1")->toPlainText();
    const QString guide = shown.mid(shown.indexOf("ВСЯ ПРОГРАММА"));
    for (const char* heading : {"ОПЫТЫ ДЛЯ УРОКА", "ФАЙЛЫ ПАРАМЕТРОВ", "ИЗМЕРЕНИЯ И ТАБЛИЦА CSV",
                                "ПАРАМЕТРЫ ЭКРАНОВ", "ЯЗЫК", "КЛАВИШИ"})
        EXPECT_TRUE(guide.contains("\n\n" + QString::fromUtf8(heading) + "\n")) << heading;
    // Each screen option by its menu name, the language menu by its name.
    for (const char* words :
         {"«Подписи тел»", "«Сохранять следы при перемещении экрана»", "«Управление с клавиатуры»",
          "«Крупные точки (для проектора)»", "«Язык / Language»", "«Опыты для урока…»", "«Измерения…»",
          "«Открыть файл параметров…»", "«Сохранить как опыт для урока…»", "«Очистить экраны»",
          "«Стрелки скорости»", "«Стрелки силы»", "«Орбита выбранного тела»",
          "«Равные площади (второй закон Кеплера)»", "«Рулетка»", "«Сетка»", "«Метод решения»"})
        EXPECT_TRUE(guide.contains(QString::fromUtf8(words))) << words;
    // The keys' table: every key the program has, a row each, key and action split by a tab.
    const QStringList rows = guide.mid(guide.indexOf("КЛАВИШИ\n") + 8).split('\n');
    QStringList keys;
    for (const QString& row : rows) {
        const QStringList columns = row.split('\t');
        ASSERT_EQ(columns.size(), 2) << row.toStdString();
        EXPECT_FALSE(columns[1].isEmpty());
        keys << columns[0];
    }
    EXPECT_EQ(keys, (QStringList{"F1", "Ctrl+D", "Ctrl+O", "Ctrl+Shift+S", "Ctrl+L", "Ctrl+Shift+L", "Ctrl+M",
                                 "Ctrl+S", "Пробел", "← → ↑ ↓", "+ и −", "Home", "PageDown / PageUp",
                                 "Delete", "Shift+F10", "Escape", "Enter"}));

    // In English: the same guide, no Russian letter left in it.
    setup.findChild<QAction*>("LanguageEnglish")->trigger();
    QApplication::sendPostedEvents();
    const QString english = Find<QPlainTextEdit>(help, "Text1")->toPlainText();
    const QString englishGuide = english.mid(english.indexOf("THE WHOLE PROGRAM"));
    EXPECT_TRUE(englishGuide.contains("\n\nKEYS\n")) << english.toStdString();
    for (const QChar c : englishGuide)
        if (c.script() == QChar::Script_Cyrillic) {
            ADD_FAILURE() << "Cyrillic in the English guide: " << englishGuide.toStdString();
            break;
        }
    setup.findChild<QAction*>("LanguageRussian")->trigger();
    QApplication::sendPostedEvents();
}

} // namespace
} // namespace orvane
