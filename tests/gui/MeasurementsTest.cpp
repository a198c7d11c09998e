// The measurements window through the real windows: opened from the experiment window's menu and
// shortcut, following the run, and saving the history as CSV in the user's locale.
#include "GuiTestSupport.h"

#include "Bodies.h"
#include "Form1.h"
#include "Form2.h"
#include "MeasurementsController.h"
#include "MeasurementsWindow.h"
#include "PictureBox.h"
#include "StateLayout.h"
#include "VbTimer.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

namespace orvane {
namespace {

using test::Click;
using test::Find;

constexpr int EarthRow = 3;
constexpr int RealLongitudeColumn = 9;
constexpr int PolarAngleColumn = 11;

struct Measurements : test::MeasurementsFixture {
    const QLocale runLocale; // the default locale the suite runs in

    void TearDown() override {
        QLocale::setDefault(runLocale);
        MeasurementsFixture::TearDown();
    }
    // The shortcut as a user types it in the experiment window.
    void PressCtrlM() {
        form->activateWindow();
        QApplication::setActiveWindow(form);
        EXPECT_TRUE(test::WaitUntil([&] { return QApplication::activeWindow() == form; }, 2000));
        QTest::keyClick(form, Qt::Key_M, Qt::ControlModifier);
    }
    static int WindowsOpen() {
        int count = 0;
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (widget->objectName() == "MeasurementsWindow" && widget->isVisible()) ++count;
        return count;
    }
    // What the screen's right-click menu offers.
    QStringList MenuOf(QWidget* screen) {
        return test::MenuEntries(screen, nullptr, [](const QAction* action) {
            return action->text() + "|" + action->shortcut().toString();
        });
    }
    // The CSV saved from the window, split into rows and fields.
    QList<QStringList> SavedCsv(measure::MeasurementsWindow* window, const QString& path, QChar separator) {
        EXPECT_TRUE(window->SaveCsv(path));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        QList<QStringList> rows;
        for (const QByteArray& line : file.readAll().split('\n')) {
            const QString text = QString::fromUtf8(line).trimmed();
            if (!text.isEmpty()) rows << text.split(separator);
        }
        return rows;
    }
};

// Narrowed to what a small screen leaves, the table's headings shrink so that none of their lines is cut;
// at the width it opens with on a large screen they keep the table's font.
TEST_F(Measurements, TheHeadingsLinesStayWholeInANarrowWindow) {
    Click(form, "Command4");
    measure::MeasurementsWindow* window = Open();
    auto* table = test::Find<QTableWidget>(window, "BodyTable");
    QHeaderView* header = table->horizontalHeader();
    const auto cutLines = [&] {
        QStringList cut;
        const QFontMetrics metrics(header->viewport()->font());
        for (int column = 0; column < table->columnCount(); ++column)
            for (const QString& line : table->horizontalHeaderItem(column)->text().split('\n'))
                if (metrics.horizontalAdvance(line) + 6 > header->sectionSize(column)) cut << line;
        return cut;
    };
    window->resize(1180, window->height());
    QApplication::processEvents();
    EXPECT_EQ(header->viewport()->font().pixelSize(), table->font().pixelSize());
    EXPECT_TRUE(cutLines().isEmpty()) << cutLines().join(", ").toStdString();

    window->resize(window->minimumSizeHint().width(), window->height());
    QApplication::processEvents();
    EXPECT_LT(header->viewport()->font().pixelSize(), table->font().pixelSize());
    EXPECT_TRUE(cutLines().isEmpty()) << cutLines().join(", ").toStdString();
}

TEST_F(Measurements, MenuAndShortcutOpenOneWindowAndBringItForward) {
    for (QWidget* screen : {static_cast<QWidget*>(form->Picture1), static_cast<QWidget*>(form->Picture2)}) {
        // The options for a class and the laws follow (tested with them).
        EXPECT_EQ(MenuOf(screen).mid(0, 7),
                  (QStringList{"Сохранить изображение…|", "Измерения…|Ctrl+M", "Подписи тел|",
                               "Сохранять следы при перемещении экрана|", "Управление с клавиатуры|",
                               "Крупные точки (для проектора)|", "Очистить экраны|"}));
        EXPECT_TRUE(screen->toolTip().contains("Правая кнопка мыши")) << screen->toolTip().toStdString();
    }
    measure::MeasurementsWindow* window = Open();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), "Измерения — Orvane2.0");
    EXPECT_EQ(window->parentWidget(), nullptr);
    EXPECT_EQ(WindowsOpen(), 1);

    PressCtrlM();
    EXPECT_EQ(Controller()->Window(), window);
    EXPECT_EQ(WindowsOpen(), 1);
    EXPECT_TRUE(test::WaitUntil([&] { return QApplication::activeWindow() == window; }, 2000));

    window->close();
    EXPECT_EQ(WindowsOpen(), 0);
    PressCtrlM();
    EXPECT_EQ(WindowsOpen(), 1);
}

TEST_F(Measurements, FollowsTheRunAndANewStart) {
    measure::MeasurementsWindow* window = Open();
    Ticks(3);
    const auto& history = Controller()->Recorder().History().Samples();
    EXPECT_EQ(history.size(), 4u);
    auto* time = Find<QLabel>(window, "TimeLabel");
    EXPECT_TRUE(test::WaitUntil([&] { return time->text().contains("6 дней (6 суток)"); }, 2000))
        << time->text().toStdString();
    // Paused: nothing new, so the refresh timer stops.
    EXPECT_TRUE(test::WaitUntil([&] { return !Controller()->Refreshing(); }, 2000));
    // |dE/E0| after three steps of two days: small but not zero.
    EXPECT_NE(Find<QLabel>(window, "EnergyChange")->text(), "—");

    Start();
    EXPECT_EQ(Controller()->Recorder().History().Samples().size(), 1u);
    EXPECT_TRUE(time->text().contains("0 лет и 0 дней (0 суток)")) << time->text().toStdString();
    EXPECT_EQ(Find<QLabel>(window, "EnergyChange")->text(), "0");
}

TEST_F(Measurements, ClosingTheWindowLeavesTheRunUntouched) {
    Ticks(2);
    measure::MeasurementsWindow* window = Open();
    const SimState before = form->Run();
    const bool timerOn = form->Timer1->Enabled();
    window->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(form->Run().SimTime, before.SimTime);
    for (int k = 1; k <= 44; ++k)
        EXPECT_EQ(form->Run().StateVec(k), before.StateVec(k));
    EXPECT_EQ(form->Timer1->Enabled(), timerOn);
    Click(form, "Command1");
    EXPECT_EQ(form->Run().SimTime, before.SimTime + 172800);
    EXPECT_EQ(Controller()->Recorder().History().Samples().size(), 4u); // recording goes on unseen
}

TEST_F(Measurements, CsvReadsBackInBothLocales) {
    Ticks(3);
    measure::MeasurementsWindow* window = Open();
    QTemporaryDir dir;
    const double earthX = form->Run().StateVec(state::X(body::Earth, body::Count)) / 1e9;

    QLocale::setDefault(QLocale::c());
    const QList<QStringList> plain = SavedCsv(window, dir.filePath("c.csv"), ',');
    // The header's fields are quoted and hold commas themselves: count them by their quotes.
    ASSERT_EQ(plain.size(), 5);
    const QString header = plain[0].join(',');
    // A byte-order mark first, for spreadsheets that would not take the file for UTF-8 otherwise.
    QFile raw(dir.filePath("c.csv"));
    ASSERT_TRUE(raw.open(QIODevice::ReadOnly));
    EXPECT_EQ(raw.read(4), QByteArray("\xEF\xBB\xBF\""));
    EXPECT_TRUE(header.startsWith("\"Время, сут\",\"Солнце x, млн км\"")) << header.toStdString();
    EXPECT_TRUE(header.contains(
        "\"Энергия, Дж\",\"Момент импульса, кг·м²/с\",\"|ΔE/E0|\",\"Солнце закреплено "
        "или свободно\",\"Меркурий расстояние от Солнца, млн км\",\"Меркурий скорость, км/с\","
        "\"Меркурий большая полуось, а. е.\",\"Меркурий эксцентриситет\",\"Меркурий период по "
        "Кеплеру, сут\",\"Венера расстояние от Солнца, млн км\""))
        << header.toStdString();
    EXPECT_TRUE(header.contains("\"Астероид эксцентриситет\",\"Астероид период по Кеплеру, сут\","
                                "\"Меркурий полярный угол, °\""));
    EXPECT_TRUE(header.contains("\"Земля полярный угол, °\""));
    EXPECT_TRUE(header.endsWith("\"Астероид полярный угол, °\",\"Метод решения\""));
    EXPECT_EQ(header.count('"'), 2 * 110);
    const QLocale c = QLocale::c();
    for (int row = 1; row <= 4; ++row) {
        ASSERT_EQ(plain[row].size(), 110);
        EXPECT_EQ(c.toDouble(plain[row][0]), 2.0 * (row - 1));
        EXPECT_EQ(plain[row].back(), "Метод Рунге — Кутты 4-го порядка"); // every run starts with it
    }
    bool ok = false;
    EXPECT_DOUBLE_EQ(c.toDouble(plain[4][13], &ok), earthX); // the Earth's x: 1 + 3 * 4
    EXPECT_TRUE(ok);
    // The Earth's polar angle about the Sun, 0 to 360 degrees, from the same row's positions.
    double earthAngle = std::atan2(c.toDouble(plain[4][14]) - c.toDouble(plain[4][2]),
                                   c.toDouble(plain[4][13]) - c.toDouble(plain[4][1])) *
                        180 / 3.141592653589793;
    if (earthAngle < 0) earthAngle += 360;
    EXPECT_NEAR(c.toDouble(plain[4][99 + body::Earth - body::Mercury]), earthAngle, 1e-6);
    EXPECT_GT(c.toDouble(plain[4][47]), 0);
    EXPECT_LT(c.toDouble(plain[4][47]), 1e-5);

    const QLocale russian(QLocale::Russian, QLocale::Russia);
    QLocale::setDefault(russian);
    const QList<QStringList> comma = SavedCsv(window, dir.filePath("ru.csv"), ';');
    ASSERT_EQ(comma.size(), 5);
    EXPECT_EQ(comma[0].size(), 110);
    EXPECT_EQ(comma[0][0], "\"Время, сут\"");
    ASSERT_EQ(comma[4].size(), 110);
    EXPECT_EQ(comma[2][0], "2");
    // Quoted, so that a spreadsheet splitting at commas too keeps the number whole.
    EXPECT_TRUE(comma[4][13].startsWith("\"") && comma[4][13].endsWith("\"")) << comma[4][13].toStdString();
    EXPECT_TRUE(comma[4][13].contains(',')) << comma[4][13].toStdString();
    EXPECT_DOUBLE_EQ(russian.toDouble(comma[4][13].mid(1, comma[4][13].size() - 2), &ok), earthX);
    EXPECT_TRUE(ok);
}

TEST_F(Measurements, AFailedSaveSaysSoAndLeavesNoFile) {
    Ticks(2);
    measure::MeasurementsWindow* window = Open();
    QTemporaryDir dir;
    test::MessageCatcher messages;
    const QString missingFolder = dir.filePath("nowhere/m.csv");
    EXPECT_FALSE(window->SaveCsv(missingFolder));
    EXPECT_FALSE(QFile::exists(missingFolder));
    // A directory in the file's place: nothing may stay behind beside it.
    QDir(dir.path()).mkdir("taken.csv");
    EXPECT_FALSE(window->SaveCsv(dir.filePath("taken.csv")));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 0);
    ASSERT_EQ(messages.titles.size(), 2);
    EXPECT_EQ(messages.titles[0], "Orvane2.0");
    EXPECT_TRUE(messages.texts[0].contains("Не удалось сохранить")) << messages.texts[0].toStdString();
}

// The angle the Trojan lesson asks the class to watch, for a run from any table: the default one here.
TEST_F(Measurements, EveryBodysPolarAngleAboutTheSunIsShown) {
    Ticks(10);
    measure::MeasurementsWindow* window = Open();
    window->Refresh();
    auto* table = Find<QTableWidget>(window, "BodyTable");
    EXPECT_EQ(table->horizontalHeaderItem(PolarAngleColumn)->text(), "Полярный\nугол\nот Солнца, °");
    EXPECT_EQ(table->item(0, PolarAngleColumn)->text(), "—"); // the Sun's own
    for (int body = body::Mercury; body <= body::Asteroid; ++body) {
        const SimState& run = form->Run();
        const double dx =
            run.StateVec(state::X(body, body::Count)) - run.StateVec(state::X(body::Sun, body::Count));
        const double dy =
            run.StateVec(state::Y(body, body::Count)) - run.StateVec(state::Y(body::Sun, body::Count));
        double degrees = std::atan2(dy, dx) * 180 / 3.141592653589793;
        if (degrees < 0) degrees += 360;
        const QString shown = table->item(body - 1, PolarAngleColumn)->text();
        // To hundredths of a degree, as the set-up window's angles for a date.
        EXPECT_TRUE(QRegularExpression("^[0-9]{1,3}[.,][0-9]{2}$").match(shown).hasMatch())
            << shown.toStdString();
        EXPECT_NEAR(QLocale().toDouble(shown), degrees, 0.006) << body << " " << shown.toStdString();
    }
}

TEST_F(Measurements, RealSkyOnlyForTheUnchangedDataSetOf2000) {
    measure::MeasurementsWindow* window = Open();
    auto* table = Find<QTableWidget>(window, "BodyTable");
    auto* date = Find<QLabel>(window, "DateLabel");
    EXPECT_EQ(table->item(EarthRow, RealLongitudeColumn)->text(), "—");
    EXPECT_TRUE(table->item(EarthRow, RealLongitudeColumn)->toolTip().contains("1.1.2000"));

    Click(&setup, "Command2");
    Start();
    EXPECT_EQ(date->text(), "Дата в модели: 1.1.2000");
    EXPECT_EQ(table->item(EarthRow, RealLongitudeColumn)->text().left(4), test::Decimal("99.8"));
    Ticks(183); // 366 days
    window->Refresh();
    EXPECT_EQ(date->text(), "Дата в модели: 1.1.2001");

    // Taking over a changed Sun makes the table the user's own.
    Find<QLineEdit>(&setup, "Text3(0)")->setText("15");
    Click(&setup, "Option15");
    Click(&setup, "Command6");
    EXPECT_FALSE(state.DataSetDate);
    Start();
    EXPECT_EQ(date->text(), "Дата в модели: —");
    EXPECT_EQ(table->item(EarthRow, RealLongitudeColumn)->text(), "—");
}

TEST_F(Measurements, DataSetDateIsClearedByEveryOtherChangeOfTheTable) {
    EXPECT_FALSE(state.DataSetDate);
    Click(&setup, "Command2");
    EXPECT_EQ(*state.DataSetDate, (CalendarDate{2000, 1, 1}));
    // Taking over the Sun and asteroid unchanged keeps it.
    Click(&setup, "Option15");
    Click(&setup, "Command6");
    EXPECT_TRUE(state.DataSetDate);
    // The data set holds nothing for the asteroid: a massless one still leaves a run comparable.
    Find<QLineEdit>(&setup, "Text2(10)")->setText("0");
    Click(&setup, "Command6");
    EXPECT_EQ(state.BodyMassPct(11), 0);
    EXPECT_TRUE(state.DataSetDate);
    Start();
    EXPECT_EQ(*form->Run().DataSetDate, (CalendarDate{2000, 1, 1}));
    Ticks(1);
    Click(form, "Command9"); // the run's state written back
    EXPECT_FALSE(state.DataSetDate);

    Click(&setup, "Command2");
    Find<QLineEdit>(&setup, "Text3(0)")->setText("1000"); // a moved Sun
    Click(&setup, "Command6");
    EXPECT_FALSE(state.DataSetDate);

    Click(&setup, "Command2");
    Click(&setup, "Option4"); // Mars along its orbit
    Click(&setup, "Command6");
    Click(&setup, "Command5");
    EXPECT_FALSE(state.DataSetDate);
}

} // namespace
} // namespace orvane
