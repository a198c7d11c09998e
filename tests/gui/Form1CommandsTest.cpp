#include "GuiTestSupport.h"

#include "Bodies.h"
#include "Form1.h"
#include "Form2.h"
#include "PictureBox.h"
#include "ProgramWindows.h"
#include "StateLayout.h"
#include "Twips.h"
#include "VbTimer.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cmath>

namespace orvane::test {
namespace {

struct SetupCommands : ::testing::Test {
    QTemporaryDir dir;
    SimState state;
    ProgramWindows windows{state};
    Form1& form = windows.Setup();
    QString file;

    void SetUp() override {
        file = dir.filePath(QStringLiteral("orvane1.dat"));
        form.SetParameterFilePath(file);
        form.show();
    }
    void TearDown() override {
        form.Command5_Click();
        if (Form2* experiment = windows.ExperimentWindow()) experiment->close();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    void WriteFile(const QByteArray& text) {
        QFile out(file);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(text);
    }
    QByteArray ReadFile() {
        QFile in(file);
        return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
    }
    // A parameter file of the default data with one planet's line replaced.
    QByteArray DefaultFileWith(int body, const QByteArray& line) {
        Click(&form, "Command4");
        QList<QByteArray> lines = ReadFile().split('\n');
        lines[body - 1] = line + '\r';
        return lines.join('\n');
    }
    ui::PictureBox* Picture(const char* name) {
        return Find<ui::PictureBox>(&form, QString::fromLatin1(name));
    }
    bool IsBlack(ui::PictureBox* box, double x, double y) {
        const QPointF p = box->ToPixel(x, y);
        return (box->Image().pixel(static_cast<int>(p.x()), static_cast<int>(p.y())) & 0xFFFFFF) == 0;
    }
};

TEST_F(SetupCommands, PreviewScreensShowTheBodiesTheOutlineAndTheFloor) {
    Click(&form, "Command7");
    EXPECT_EQ(state.ViewHalfX, 6000);
    EXPECT_EQ(state.ViewHalfY, 6000);
    EXPECT_TRUE(IsBlack(Picture("Picture1"), 567.026, -475.791)); // Jupiter's square at its lower-left corner
    EXPECT_TRUE(IsBlack(Picture("Picture1"), 577.026, -465.791)); // ... and its upper-right one
    EXPECT_TRUE(IsBlack(Picture("Picture2"), -2201.25, -3812.677)); // Pluto on the overview
    EXPECT_TRUE(IsBlack(Picture("Picture2"), -1000, 500));          // the outline of the ±1000 area
    EXPECT_TRUE(IsBlack(Picture("Picture2"), 700, 1000));
    // The asteroid at (-1000, 2000) lies outside the left screen: its top rows stay white.
    const QImage corner = Picture("Picture1")->Image().copy(0, 0, 100, 5);
    EXPECT_EQ(CountColor(corner, 0xFFFFFF), 100 * 5);
    EXPECT_EQ(state.LoopI, 12);
}

TEST_F(SetupCommands, AFarBodyShrinksTheOutline) {
    Find<QLineEdit>(&form, "Text3(10)")->setText("8000000");
    Click(&form, "Option15");
    Click(&form, "Command6");
    EXPECT_EQ(state.BodyX(11), 8e12);
    Click(&form, "Command7");
    EXPECT_DOUBLE_EQ(state.ViewHalfX, 8800);
    auto* overview = Picture("Picture2");
    EXPECT_NEAR(overview->ToPixel(1000, 0).x() - overview->ToPixel(0, 0).x(),
                overview->Image().width() / 17.6, 0.01);
    EXPECT_TRUE(IsBlack(overview, 1000, 300));
}

TEST_F(SetupCommands, ChoosingABody) {
    state.SimTime = 77;
    Click(&form, "Option15");
    EXPECT_EQ(state.SelectedBody, 1);
    EXPECT_EQ(state.SimTime, 77);
    Click(&form, "Option3");
    EXPECT_EQ(state.SelectedBody, 4);
    EXPECT_EQ(state.SimTime, 0);
    state.SimTime = 5;
    Click(&form, "Option3"); // again the same planet
    EXPECT_EQ(state.SimTime, 0);
}

TEST_F(SetupCommands, ChangeWithNothingChosenAsksForAPlanetAndStillTakesTheFieldsOver) {
    Find<QLineEdit>(&form, "Text3(0)")->setText("15");
    Find<QLineEdit>(&form, "Text6(10)")->setText("-4000.5");
    test::MessageCatcher catcher;
    Click(&form, "Command6");
    ASSERT_EQ(catcher.texts.size(), 1);
    EXPECT_EQ(catcher.texts[0], "Выберете планету для изменения параметров");
    EXPECT_EQ(catcher.titles[0], "Orvane2.0");
    EXPECT_EQ(state.BodyX(1), 15e6);
    EXPECT_EQ(state.BodyVy(11), -4000.5);

    // All ten cells, each in its own unit: per cent of the Earth's mass, thousands of km, m/s.
    const std::pair<const char*, const char*> typed[] = {
        {"Text2(0)", "33000000"}, {"Text2(10)", "2"},  {"Text3(0)", "-3"}, {"Text3(10)", "4"},
        {"Text4(0)", "5"},        {"Text4(10)", "-6"}, {"Text5(0)", "7"},  {"Text5(10)", "-8"},
        {"Text6(0)", "9"},        {"Text6(10)", "10"},
    };
    for (const auto& [cell, text] : typed)
        Find<QLineEdit>(&form, cell)->setText(text);
    Click(&form, "Command6");
    EXPECT_EQ(state.BodyMassPct(1), 33000000);
    EXPECT_EQ(state.BodyMassPct(11), 2);
    EXPECT_EQ(state.BodyX(1), -3e6);
    EXPECT_EQ(state.BodyX(11), 4e6);
    EXPECT_EQ(state.BodyY(1), 5e6);
    EXPECT_EQ(state.BodyY(11), -6e6);
    EXPECT_EQ(state.BodyVx(1), 7);
    EXPECT_EQ(state.BodyVx(11), -8);
    EXPECT_EQ(state.BodyVy(1), 9);
    EXPECT_EQ(state.BodyVy(11), 10);
}

TEST_F(SetupCommands, ChangeWithTheSunOnlyTakesTheValuesOver) {
    Find<QLineEdit>(&form, "Text2(0)")->setText("33000000");
    Click(&form, "Option15");
    Click(&form, "Command6");
    EXPECT_EQ(state.BodyMassPct(1), 33000000);
    EXPECT_EQ(CountColor(Picture("Picture1")->Image(), 0xFFFFFF),
              Picture("Picture1")->Image().width() * Picture("Picture1")->Image().height());
    EXPECT_FALSE(form.Timer1->Delivering());
    EXPECT_EQ(form.OrbitRunPlanet(), 0);
}

TEST_F(SetupCommands, BadFieldsAreRefusedAndNothingIsStored) {
    test::MessageCatcher catcher;
    Find<QLineEdit>(&form, "Text3(0)")->setText("15");
    Find<QLineEdit>(&form, "Text3(10)")->setText("12x");
    Click(&form, "Option3");
    Click(&form, "Command6");
    ASSERT_EQ(catcher.texts.size(), 1);
    EXPECT_TRUE(catcher.texts[0].startsWith("Координата X тела «Астероид»"))
        << catcher.texts[0].toStdString();
    // The example of a number is written with the desktop's decimal separator, as the cells are.
    EXPECT_EQ(catcher.texts[0],
              "Координата X тела «Астероид»: «12x» — не число. Введите число, например 1500 или " +
                  Decimal("-2.5") + ".");
    EXPECT_EQ(state.BodyX(1), 0);
    EXPECT_EQ(form.OrbitRunPlanet(), 0);

    Find<QLineEdit>(&form, "Text3(10)")->setText("");
    Click(&form, "Command6");
    EXPECT_TRUE(catcher.texts[1].startsWith("Координата X тела «Астероид»"));

    Find<QLineEdit>(&form, "Text3(10)")->setText("-1000000");
    Find<QLineEdit>(&form, "Text2(0)")->setText("0");
    Click(&form, "Command6");
    EXPECT_TRUE(catcher.texts[2].contains("Масса Солнца"));
    EXPECT_EQ(state.BodyMassPct(1), 33316600);
    EXPECT_EQ(form.focusWidget(), Find<QLineEdit>(&form, "Text2(0)")); // the cell to correct

    Find<QLineEdit>(&form, "Text2(0)")->setText("33316600");
    Find<QLineEdit>(&form, "Text2(10)")->setText("-1");
    Click(&form, "Command6");
    EXPECT_TRUE(catcher.texts[3].contains("Масса астероида"));
    EXPECT_EQ(form.focusWidget(), Find<QLineEdit>(&form, "Text2(10)"));

    Find<QLineEdit>(&form, "Text2(10)")->setText("0");
    Find<QLineEdit>(&form, "Text5(0)")->setText("1e400");
    Click(&form, "Command6");
    EXPECT_TRUE(catcher.texts[4].startsWith("Скорость по оси X тела «Солнце»"));
    EXPECT_EQ(catcher.texts.size(), 5);
    EXPECT_EQ(state.BodyMassPct(11), 318100);
}

// Each of the ten cells the button reads is named by its own quantity and body when it holds no number.
TEST_F(SetupCommands, EachCellsRefusalNamesItsQuantityAndBody) {
    const struct {
        const char* cell;
        const char* named;
    } cells[] = {
        {"Text2(0)", "Масса тела «Солнце»"},
        {"Text2(10)", "Масса тела «Астероид»"},
        {"Text3(0)", "Координата X тела «Солнце»"},
        {"Text3(10)", "Координата X тела «Астероид»"},
        {"Text4(0)", "Координата Y тела «Солнце»"},
        {"Text4(10)", "Координата Y тела «Астероид»"},
        {"Text5(0)", "Скорость по оси X тела «Солнце»"},
        {"Text5(10)", "Скорость по оси X тела «Астероид»"},
        {"Text6(0)", "Скорость по оси Y тела «Солнце»"},
        {"Text6(10)", "Скорость по оси Y тела «Астероид»"},
    };
    for (const auto& c : cells) {
        auto* cell = Find<QLineEdit>(&form, c.cell);
        const QString kept = cell->text();
        cell->setText("7x");
        test::MessageCatcher catcher;
        Click(&form, "Command6");
        ASSERT_EQ(catcher.texts.size(), 1) << c.cell;
        EXPECT_TRUE(catcher.texts[0].startsWith(QString::fromUtf8(c.named) + ": «7x» — не число."))
            << c.cell << ": " << catcher.texts[0].toStdString();
        EXPECT_EQ(form.focusWidget(), cell) << c.cell;
        cell->setText(kept);
    }
}

TEST_F(SetupCommands, MovingAPlanetAlongItsOrbit) {
    Click(&form, "Option2"); // Venus
    const double vx0 = state.BodyVx(3);
    Click(&form, "Command6");
    // The first step happens during the press, before any timer event.
    EXPECT_EQ(form.OrbitRunPlanet(), 3);
    EXPECT_NE(state.BodyVx(3), vx0);
    EXPECT_EQ(form.Timer1->Interval(), 1);
    EXPECT_TRUE(form.Timer1->Delivering());
    EXPECT_EQ(state.SimTime, 172800);
    // One two-day step of Venus around the Sun, worked out separately: x 15417756385.75 m,
    // vx 34926.6736 m/s, angle 278.2534277891546°.
    EXPECT_EQ(TextOf(&form, "Text3(2)"), "15417");
    EXPECT_EQ(TextOf(&form, "Text5(2)"), "34926");
    EXPECT_EQ(TextOf(&form, "Text1(2)"), test::Decimal("278.253427789155"));
    EXPECT_NEAR(state.BodyVx(3), 34926.6736, 1e-4); // the table keeps the full value
    EXPECT_TRUE(test::WaitUntil([&] { return state.SimTime > 5 * 172800.0; })); // the timer moves it on
    Click(&form, "Command5");
    EXPECT_FALSE(form.Timer1->Delivering());
    const double stoppedX = state.BodyX(3);
    test::Wait(20);
    EXPECT_EQ(state.BodyX(3), stoppedX);
    // A later experiment starts where the planet stopped.
    Click(&form, "Command1");
    EXPECT_EQ(windows.ExperimentWindow()->Run().StateVec(state::X(body::Venus, body::Count)), stoppedX);
}

TEST_F(SetupCommands, TrailInThePlanetsColourAndDisplayedValuesTruncatedTowardZero) {
    Click(&form, "Option13"); // steps 2 s apart: the test takes the steps itself
    Click(&form, "Option1");  // Mercury, 1.8 pixels a step on the left screen
    Click(&form, "Command6");
    for (int k = 0; k < 5; ++k)
        form.Timer1_Timer();
    EXPECT_EQ(CountColor(Picture("Picture1")->Image(), 0x00B900), 6);
    EXPECT_GE(CountColor(Picture("Picture2")->Image(), 0x00B900),
              1); // at the overview's scale the points merge
    Click(&form, "Command5");
    Click(&form, "Option4"); // Mars, below the x axis
    Click(&form, "Command6");
    // One two-day step of Mars, worked out separately: (171906180568.39, -114782276630.77) m,
    // (14750.105, 22000.865) m/s. Below the axis, truncation goes up toward zero.
    EXPECT_EQ(TextOf(&form, "Text3(4)"), "171906");
    EXPECT_EQ(TextOf(&form, "Text4(4)"), "-114782");
    EXPECT_EQ(TextOf(&form, "Text5(4)"), "14750");
    EXPECT_EQ(TextOf(&form, "Text6(4)"), "22000");
    EXPECT_NEAR(state.BodyY(5), -114782276630.77, 1);
}

TEST_F(SetupCommands, APlanetRunForOnePeriodReturnsNearItsStart) {
    Click(&form, "Option12");
    Click(&form, "Option13");
    Click(&form, "Option3"); // the Earth
    const double x0 = state.BodyX(4), y0 = state.BodyY(4);
    const double r = std::hypot(x0, y0), v = std::hypot(state.BodyVx(4), state.BodyVy(4));
    const double gm = state.EarthMass * 33316600 / 100 * state.GravConst;
    const double a = 1 / (2 / r - v * v / gm);
    const int steps = static_cast<int>(std::lround(2 * M_PI * std::sqrt(a * a * a / gm) / 8640));
    Click(&form, "Command6");
    for (int k = 1; k < steps; ++k)
        form.Timer1_Timer();
    // Within the half step by which a whole number of steps misses the period.
    EXPECT_LT(std::hypot(state.BodyX(4) - x0, state.BodyY(4) - y0), 0.6 * v * 8640);
}

TEST_F(SetupCommands, TheRunKeepsItsPlanetWhateverElseLoopsOverTheBodies) {
    Click(&form, "Option13");
    Click(&form, "Option5"); // Jupiter
    Click(&form, "Command6");
    const double saturnX = state.BodyX(7);
    Click(&form, "Command7"); // leaves the shared loop index past the last body
    Click(&form, "Command1"); // and so does the experiment
    windows.ExperimentWindow()->Command4_Click();
    Click(windows.ExperimentWindow(), "Command1");
    Click(&form, "Option7"); // another choice takes effect only at the next "Изменить"
    const double jupiterX = state.BodyX(6);
    form.Timer1_Timer();
    EXPECT_NE(state.BodyX(6), jupiterX);
    EXPECT_EQ(state.BodyX(7), saturnX);
}

TEST_F(SetupCommands, LoadingDataStopsARun) {
    Click(&form, "Option6");
    Click(&form, "Command6");
    ASSERT_TRUE(form.Timer1->Delivering());
    Click(&form, "Command2");
    EXPECT_FALSE(form.Timer1->Delivering());
    EXPECT_EQ(form.OrbitRunPlanet(), 0);
    EXPECT_EQ(state.BodyX(7), 948102e6);
}

TEST_F(SetupCommands, EpochDataSet) {
    Click(&form, "Command2");
    EXPECT_EQ(TextOf(&form, "Text3(3)"), "-22434");
    EXPECT_EQ(TextOf(&form, "Text4(3)"), "150410");
    EXPECT_EQ(TextOf(&form, "Text1(4)"), "0");
    EXPECT_EQ(TextOf(&form, "Text1(3)"), test::Decimal("98.5"));
    EXPECT_EQ(TextOf(&form, "Text2(3)"), "100");
    EXPECT_EQ(TextOf(&form, "Text3(10)"), "-1000000");
    EXPECT_EQ(state.BodyMassPct(6), 31810);
    EXPECT_EQ(state.BodyVx(11), 600);
    EXPECT_EQ(state.PlanetAngle(4), 98.5); // what the table shows is what the file saves
    const SimState once = state;
    Click(&form, "Command2");
    EXPECT_TRUE(state.BodyX == once.BodyX);
    EXPECT_TRUE(state.BodyVy == once.BodyVy);
    EXPECT_TRUE(state.PlanetAngle == once.PlanetAngle);
}

TEST_F(SetupCommands, SaveThenLoadGivesTheDefaultTableTruncated) {
    Click(&form, "Command4");
    const QList<QByteArray> lines = ReadFile().split('\n');
    ASSERT_EQ(lines.size(), 12);
    EXPECT_EQ(lines[1], "70 15733 43226 -55414 20169\r");
    Click(&form, "Option3");
    Click(&form, "Command6");
    form.Command5_Click();
    Find<QLineEdit>(&form, "Text2(0)")->setText("1");
    Click(&form, "Command3");
    test::ExpectDefaultAngles(&form);
    EXPECT_EQ(TextOf(&form, "Text3(2)"), "9361");
    EXPECT_EQ(state.BodyX(3), 9361e6);
    EXPECT_EQ(TextOf(&form, "Text2(0)"), "1"); // the mass row is not touched
    EXPECT_EQ(state.BodyMassPct(1), 33316600);
    EXPECT_EQ(state.PlanetAngle(3), 275);
}

// Everything the save writes loads back, up to the largest values: any finite velocity, and a
// coordinate up to 1.7976931348623154e302 thousand km, whose metres are 1.7976931348623154e308. A body
// at the largest double's metres is one step past that: its file would not load, so it is not saved.
TEST_F(SetupCommands, TheLargestValuesSaveAndLoadBack) {
    test::MessageCatcher catcher;
    constexpr double LargestCoordinate = 1.7976931348623154e302;
    state.BodyX(11) = LargestCoordinate * 1e6;
    state.BodyY(11) = -LargestCoordinate * 1e6;
    state.BodyVx(11) = 1.7976931348623157e308;
    state.BodyVy(11) = -1.7976931348623157e308;
    Click(&form, "Command4");
    EXPECT_TRUE(catcher.texts.isEmpty()) << catcher.texts.join('|').toStdString();
    const SimState saved = state;
    Click(&form, "Command2");
    state.BodyX(11) = 0;
    Click(&form, "Command3");
    EXPECT_TRUE(catcher.texts.isEmpty()) << catcher.texts.join('|').toStdString();
    EXPECT_EQ(state.BodyX(11), saved.BodyX(11));
    EXPECT_EQ(state.BodyY(11), saved.BodyY(11));
    EXPECT_EQ(state.BodyVx(11), 1.7976931348623157e308);
    EXPECT_EQ(state.BodyVy(11), -1.7976931348623157e308);
    EXPECT_EQ(state.BodyX(4), saved.BodyX(4));

    const QByteArray before = ReadFile();
    state.BodyX(11) = 1.7976931348623157e308;
    Click(&form, "Command4");
    ASSERT_EQ(catcher.texts.size(), 1);
    EXPECT_TRUE(catcher.texts.last().startsWith("Координаты тела «Астероид» слишком велики"))
        << catcher.texts.last().toStdString();
    EXPECT_EQ(ReadFile(), before);
}

// A file edited by hand with fractions and exponents loads as written, whatever the desktop's language
// (the suites run a second time on a Russian desktop), and is saved back truncated.
TEST_F(SetupCommands, HandEditedFractionsAndExponentsLoadAsWritten) {
    WriteFile(
        DefaultFileWith(2, "98.5 1.5e3 43226 -55414 20169").replace("\r\n275 9361", "\r\n-3.5156e4 9361"));
    Click(&form, "Command3");
    EXPECT_EQ(state.PlanetAngle(2), 98.5);
    EXPECT_EQ(state.BodyX(2), 1500e6);
    EXPECT_EQ(state.PlanetAngle(3), -35156);
    EXPECT_EQ(TextOf(&form, "Text1(1)"), "98");
    EXPECT_EQ(TextOf(&form, "Text3(1)"), "1500");
    EXPECT_EQ(TextOf(&form, "Text1(2)"), "-35156");
    Click(&form, "Command4");
    const QList<QByteArray> lines = ReadFile().split('\n');
    EXPECT_EQ(lines[1], "98 1500 43226 -55414 20169\r");
    EXPECT_TRUE(lines[2].startsWith("-35156 9361 ")) << lines[2].toStdString();
}

TEST_F(SetupCommands, LoadAcceptsOtherSeparatorsAndIgnoresExtraNumbers) {
    Click(&form, "Command4");
    QByteArray text = ReadFile();
    text.replace("\r\n", ",\n");
    text.replace(' ', ',');
    WriteFile(text + "1 2 3 rubbish");
    Click(&form, "Command2");
    Click(&form, "Command3");
    EXPECT_EQ(state.BodyX(4), 12821e6);
    EXPECT_EQ(TextOf(&form, "Text1(3)"), "275");
}

TEST_F(SetupCommands, BadFilesChangeNothingAndSaySo) {
    test::MessageCatcher catcher;
    const auto loadAndExpect = [&](const char* fragment) {
        const SimState before = state;
        const QString shown = TextOf(&form, "Text3(3)");
        Click(&form, "Command3");
        ASSERT_FALSE(catcher.texts.isEmpty());
        EXPECT_TRUE(catcher.texts.last().contains(QString::fromUtf8(fragment)))
            << catcher.texts.last().toStdString();
        EXPECT_TRUE(state.BodyX == before.BodyX);
        EXPECT_TRUE(state.PlanetAngle == before.PlanetAngle);
        EXPECT_EQ(TextOf(&form, "Text3(3)"), shown);
    };
    loadAndExpect("не найден");
    WriteFile("1 2 3 4 5\r\n6 7 8\r\n");
    loadAndExpect("8 чисел, а нужно 55");
    WriteFile(DefaultFileWith(3, "275 9361 -106991 abc 3076"));
    loadAndExpect("строка 3, число 4");
    WriteFile(DefaultFileWith(3, "275 9361 1e500 35156 3076"));
    loadAndExpect("слишком велико");
    QFile::remove(file);
    QDir().mkdir(file);
    loadAndExpect("не является обычным файлом");
    Click(&form, "Command4");
    EXPECT_TRUE(catcher.texts.last().startsWith("Не удалось сохранить"));
    form.SetParameterFilePath(dir.filePath("missing/orvane1.dat"));
    Click(&form, "Command4");
    EXPECT_TRUE(catcher.texts.last().startsWith("Не удалось сохранить"));
    EXPECT_EQ(catcher.titles.last(), "Orvane2.0");
}

TEST_F(SetupCommands, ClosingTheWindowStopsItsOrbitRun) {
    Click(&form, "Option3");
    Click(&form, "Command6");
    ASSERT_TRUE(form.Timer1->Delivering());
    form.close();
    EXPECT_FALSE(form.Timer1->Delivering());
    EXPECT_EQ(form.OrbitRunPlanet(), 0);
    const double x = state.BodyX(4);
    test::Wait(30);
    EXPECT_EQ(state.BodyX(4), x);
    EXPECT_EQ(state.SimTime, 172800);
}

TEST_F(SetupCommands, LoadingTheParameterFileStopsARun) {
    Click(&form, "Command4");
    Click(&form, "Option6"); // Saturn
    Click(&form, "Command6");
    ASSERT_TRUE(form.Timer1->Delivering());
    Click(&form, "Command3");
    EXPECT_FALSE(form.Timer1->Delivering());
    EXPECT_EQ(form.OrbitRunPlanet(), 0);
    test::Wait(30);
    EXPECT_EQ(state.BodyX(7), 869499e6);
    EXPECT_EQ(state.BodyVy(7), 6526);
    EXPECT_EQ(TextOf(&form, "Text3(6)"), "869499");
    EXPECT_EQ(TextOf(&form, "Text1(6)"), "50");
}

TEST_F(SetupCommands, AnOrbitStepReachingTheSunAtItsHalfStepStopsTheRunAndKeepsThePlanet) {
    // The Earth 1080 thousand km from the Sun, heading for it at 25000 m/s: at a day per step it stands
    // on the Sun at the half step.
    WriteFile(DefaultFileWith(4, "0 1080 0 -25000 0"));
    Click(&form, "Command3");
    Click(&form, "Option11");
    Click(&form, "Option3");
    {
        test::MessageCatcher catcher;
        Click(&form, "Command6");
        test::Wait(30);
        ASSERT_EQ(catcher.texts.size(), 1);
        EXPECT_EQ(catcher.titles[0], "Orvane2.0");
        EXPECT_TRUE(catcher.texts[0].startsWith("Ошибка выполнения")) << catcher.texts[0].toStdString();
    }
    EXPECT_FALSE(form.Timer1->Delivering());
    EXPECT_EQ(form.OrbitRunPlanet(), 0);
    EXPECT_EQ(state.BodyX(4), 1080e6);
    EXPECT_EQ(state.BodyY(4), 0);
    EXPECT_EQ(state.BodyVx(4), -25000);
    EXPECT_EQ(state.BodyVy(4), 0);
    EXPECT_EQ(state.PlanetAngle(4), 0);
    EXPECT_EQ(state.SimTime, 0);
    EXPECT_EQ(TextOf(&form, "Text3(3)"), "1080");
    EXPECT_EQ(TextOf(&form, "Text5(3)"), "-25000");
    EXPECT_EQ(TextOf(&form, "Text1(3)"), "0");
}

} // namespace
} // namespace orvane::test
