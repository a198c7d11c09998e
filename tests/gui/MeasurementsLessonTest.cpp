// The measurements window as a physics teacher uses it, through the real windows: Kepler's period with
// the right mu for a held and a free Sun, the Sun's switch and a new start, the real sky for every planet,
// the units and words of the table, the centre of mass, and the CSV of a long run, kept evenly from day 0,
// recomputed from its own state.
#include "GuiTestSupport.h"

#include "Bodies.h"
#include "Form1.h"
#include "Form2.h"
#include "Language.h"
#include "MeasureText.h"
#include "MeasurementsController.h"
#include "MeasurementsWindow.h"
#include "StateLayout.h"

#include <QFile>
#include <QLabel>
#include <QTableWidget>
#include <QTemporaryDir>

#include <cmath>
#include <numbers>

namespace orvane {
namespace {

using test::Click;
using test::Decimal;
using test::Find;

constexpr int JupiterRow = 5, EarthRow = 3, AsteroidRow = 10;
constexpr int SpeedColumn = 3, SemiMajorAxisColumn = 4, EccentricityColumn = 5, KeplerColumn = 6,
              MeasuredColumn = 7, DifferenceColumn = 8, RealLongitudeColumn = 9, SkyDifferenceColumn = 10;
// The mark's orange-red (200, 60, 0), smoothed at its edges; nothing else on the plot is near it.
bool IsMarkColour(const QColor& c) {
    return c.red() > 150 && c.red() - c.green() > 80 && c.blue() < 100;
}

struct Lesson : test::MeasurementsFixture {
    QTemporaryDir dir;

    QString Cell(int row, int column) {
        Controller()->Window()->Refresh();
        return Find<QTableWidget>(Controller()->Window(), "BodyTable")->item(row, column)->text();
    }
    QString TipOf(int row, int column) {
        Controller()->Window()->Refresh();
        return Find<QTableWidget>(Controller()->Window(), "BodyTable")->item(row, column)->toolTip();
    }
    QString Label(const char* name) {
        Controller()->Window()->Refresh();
        return Find<QLabel>(Controller()->Window(), name)->text();
    }
    // The pixels of the energy plot drawn in the colour of a new baseline's mark.
    int MarkPixels() {
        Controller()->Window()->Refresh();
        QWidget* plot = Controller()->Window()->findChild<QWidget*>("EnergyPlot");
        const QImage image = plot->grab().toImage();
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (IsMarkColour(QColor(image.pixel(x, y)))) ++count;
        return count;
    }
    // Every body but the Sun and Jupiter far away at rest, so Jupiter circles the Sun alone.
    void JupiterAlone() {
        for (int b = 2; b <= 11; ++b) {
            if (b == 6) continue;
            state.BodyX(b) = 1e15 * std::cos(b);
            state.BodyY(b) = 1e15 * std::sin(b);
            state.BodyVx(b) = 0;
            state.BodyVy(b) = 0;
        }
    }
    // The CSV as saved from the window, in the C locale: rows of fields, the header's fields unquoted.
    QList<QStringList> SavedCsv() {
        const QString path = dir.filePath("run.csv");
        const QLocale before;
        QLocale::setDefault(QLocale::c());
        EXPECT_TRUE(Controller()->Window()->SaveCsv(path));
        QLocale::setDefault(before);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        QList<QStringList> rows;
        for (const QByteArray& line : file.readAll().split('\n')) {
            const QString text = QString::fromUtf8(line).trimmed();
            if (text.isEmpty()) continue;
            // Header fields are quoted and hold commas of their own.
            if (text.startsWith('"'))
                rows << text.mid(1, text.size() - 2).split(QStringLiteral("\",\""));
            else
                rows << text.split(',');
        }
        return rows;
    }
};

// Kepler's third law for Jupiter alone: its measured period agrees with Kepler's to the hundredth of a
// percent, with mu = G M_Sun about a held Sun and mu = G (M_Sun + m) about a free one.
TEST_F(Lesson, JupiterAloneHasNoPeriodDifferenceWithTheSunHeldOrFree) {
    JupiterAlone();
    Start();
    Open();
    Ticks(2200); // 4400 days, one revolution of 4330.6
    EXPECT_EQ(Cell(JupiterRow, KeplerColumn), Decimal("4330.6"));
    EXPECT_EQ(Cell(JupiterRow, MeasuredColumn), Decimal("4330.6"));
    EXPECT_EQ(Cell(JupiterRow, DifferenceColumn), Decimal("0.00"));
    EXPECT_TRUE(TipOf(JupiterRow, KeplerColumn).contains("μ = G·M☉:"))
        << TipOf(JupiterRow, KeplerColumn).toStdString();

    Click(form, "Option2"); // the Sun free from the start
    Start();
    Ticks(2200);
    EXPECT_EQ(Cell(JupiterRow, DifferenceColumn), Decimal("0.00"));
    EXPECT_TRUE(TipOf(JupiterRow, KeplerColumn).contains("μ = G·(M☉ + m)"));
    EXPECT_TRUE(Controller()->Recorder().BaselineTimes().empty());
}

TEST_F(Lesson, ASecondStartForgetsTheMarksOfASunSwitch) {
    Open();
    Ticks(20);
    EXPECT_EQ(MarkPixels(), 0);
    Click(form, "Option2");
    Ticks(20);
    ASSERT_EQ(Controller()->Recorder().BaselineTimes().size(), 1u);
    EXPECT_GT(MarkPixels(), 20);

    Click(form, "Option1");
    Start();
    Ticks(20);
    EXPECT_TRUE(Controller()->Recorder().BaselineTimes().empty());
    EXPECT_EQ(MarkPixels(), 0);
}

// A switch at the newest step puts its line at the plot's right edge: its words stand on the line's left
// then, inside the plot's frame (12 pixels in from the widget's right side), not cut off by it.
TEST_F(Lesson, TheMarkOfASwitchAtTheRightEdgeKeepsItsWordsInsideThePlot) {
    Open();
    Ticks(40);
    Click(form, "Option2");
    Ticks(1);
    Controller()->Window()->Refresh();
    const QImage image = Find<QWidget>(Controller()->Window(), "EnergyPlot")->grab().toImage();
    int rightmost = -1, wordsLeftOfTheLine = 0;
    int lineColumn = -1, lineRun = 0;
    for (int x = 0; x < image.width(); ++x) {
        int inColumn = 0;
        for (int y = 0; y < image.height(); ++y)
            if (IsMarkColour(QColor(image.pixel(x, y)))) ++inColumn;
        if (inColumn > 0) rightmost = x;
        if (inColumn > lineRun) {
            lineRun = inColumn;
            lineColumn = x;
        }
    }
    for (int x = 0; x < lineColumn - 3; ++x)
        for (int y = 0; y < image.height(); ++y)
            if (IsMarkColour(QColor(image.pixel(x, y)))) ++wordsLeftOfTheLine;
    EXPECT_GT(lineColumn, image.width() - 30) << "the line is not at the right edge";
    EXPECT_LE(rightmost, image.width() - 12);
    EXPECT_GT(wordsLeftOfTheLine, 20);
}

TEST_F(Lesson, ASunChosenBeforeTheFirstStepMarksNoNewBaseline) {
    Open();
    Click(form, "Option2");
    Ticks(20);
    EXPECT_TRUE(Controller()->Recorder().BaselineTimes().empty());
    EXPECT_EQ(MarkPixels(), 0);
    EXPECT_TRUE(Label("TimeLabel").endsWith("Солнце свободно")) << Label("TimeLabel").toStdString();
}

// Eight years with the Sun free let it gather speed; held again, the energy counted without its motion
// gives a new baseline, and one step later |dE/E0| is as small as one step's error.
TEST_F(Lesson, ASwitchAfterTheSunHasMovedStartsFromTheRightBaseline) {
    Click(form, "Option2");
    Ticks(1500);
    const SimState& run = form->Run();
    ASSERT_GT(std::hypot(run.StateVec(state::Vx(body::Sun, body::Count)),
                         run.StateVec(state::Vy(body::Sun, body::Count))),
              3); // the Sun's velocity, m/s
    Click(form, "Option1");
    Ticks(1);
    EXPECT_LT(*Controller()->Recorder().EnergyChange(), 1e-8);
    Click(form, "Option2");
    Ticks(1);
    EXPECT_LT(*Controller()->Recorder().EnergyChange(), 1e-8);
    EXPECT_EQ(Controller()->Recorder().BaselineTimes().size(), 2u);
}

// Every planet, Pluto too, against JPL's table worked out separately for 1.1.2000, 0 h.
TEST_F(Lesson, EveryPlanetsRealLongitudeOnTheFirstOfJanuary2000) {
    Click(&setup, "Command2");
    Start();
    Open();
    const char* real[] = {"252.41", "181.80", "99.87",  "359.14", "36.33",
                          "45.56",  "316.39", "303.91", "250.53"};
    const double realValue[] = {252.4108, 181.7978, 99.8706,  359.1353, 36.3349,
                                45.5605,  316.3936, 303.9134, 250.5321};
    for (int b = 2; b <= 10; ++b) {
        EXPECT_EQ(Cell(b - 1, RealLongitudeColumn), Decimal(real[b - 2])) << b;
        const double simulated = std::atan2(state.BodyY(b), state.BodyX(b)) * 180 / std::numbers::pi;
        const double difference = std::remainder(simulated - realValue[b - 2], 360.0);
        EXPECT_EQ(Cell(b - 1, SkyDifferenceColumn), measure::Fixed(difference, 2)) << b;
        EXPECT_LT(std::abs(difference), 3) << b;
    }
    EXPECT_EQ(Cell(AsteroidRow, RealLongitudeColumn), "—");
}

// What the table shows after the 1.1.2000 data set is what the parameter file saves, for every planet.
TEST_F(Lesson, TheFirstOfJanuary2000IsShownAndSavedWithTheSameAngles) {
    const QString file = dir.filePath("orvane1.dat");
    setup.SetParameterFilePath(file);
    Click(&setup, "Command2");
    Click(&setup, "Command4");
    QFile saved(file);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = saved.readAll().split('\n');
    ASSERT_GE(lines.size(), 10);
    for (int b = 2; b <= 10; ++b) {
        const double shown = QLocale().toDouble(test::TextOf(&setup, QStringLiteral("Text1(%1)").arg(b - 1)));
        const double inFile = lines[b - 1].split(' ')[0].toDouble();
        EXPECT_LT(std::abs(shown - inFile), 1.0) << b << ": shown " << shown << ", saved " << inFile;
        EXPECT_EQ(state.PlanetAngle(b), state.BodyAngle(b)) << b;
    }
}

TEST_F(Lesson, SpeedsInKilometresPerSecondWhereTheCaptionSaysSo) {
    Open();
    // The default Earth: sqrt(30165^2 + 2639^2) m/s = 30.280 km/s.
    EXPECT_EQ(Cell(EarthRow, SpeedColumn), Decimal("30.280"));
    const QList<QStringList> csv = SavedCsv();
    ASSERT_EQ(csv.size(), 2);
    const qsizetype column = csv[0].indexOf("Земля скорость, км/с");
    ASSERT_GT(column, 0);
    EXPECT_NEAR(csv[1][column].toDouble(), 30.2802, 1e-4);
    EXPECT_EQ(csv[1][csv[0].indexOf("|ΔE/E0|")], "0"); // the first row's change, written as 0
    EXPECT_EQ(csv[1][csv[0].indexOf("Солнце закреплено или свободно")], "закреплено");
}

TEST_F(Lesson, TheCentreOfMassIsConservedOnlyWithTheSunFree) {
    Open();
    Ticks(10);
    EXPECT_EQ(Label("CentreOfMassVelocity"), "не сохраняется: Солнце закреплено");
    EXPECT_EQ(Label("CentreOfMassVelocityChange"), "—");
    Click(form, "Option2");
    Start();
    Ticks(200);
    // The default data's momentum over the total mass: the asteroid's 600 and -5000 m/s and the planets'
    // velocities weighted by their masses give a centre moving at a few metres per second.
    const QStringList velocity = Label("CentreOfMassVelocity").split("; ");
    ASSERT_EQ(velocity.size(), 2);
    EXPECT_NE(Label("CentreOfMassVelocity"), "не сохраняется: Солнце закреплено");
    const measure::Conservation& c = Controller()->Recorder().LatestConservation();
    const measure::Conservation& start = Controller()->Recorder().Baseline();
    EXPECT_NEAR(c.centreVx, start.centreVx, 1e-9);
    EXPECT_NEAR(c.centreVy, start.centreVy, 1e-9);
    EXPECT_EQ(velocity[0], measure::Fixed(start.centreVx, 4));
}

TEST_F(Lesson, CountsAndTheirNounsAgree) {
    EXPECT_EQ(measure::YearsText(1), "1 год");
    EXPECT_EQ(measure::YearsText(2), "2 года");
    EXPECT_EQ(measure::YearsText(5), "5 лет");
    EXPECT_EQ(measure::YearsText(11), "11 лет");
    EXPECT_EQ(measure::YearsText(21), "21 год");
    EXPECT_EQ(measure::YearsText(112), "112 лет");
    EXPECT_EQ(measure::YearsText(111), "111 лет"); // 11–14 take the many form whatever comes before
    EXPECT_EQ(measure::DaysText(12), "12 дней");
    EXPECT_EQ(measure::DaysText(22), "22 дня");
    EXPECT_EQ(measure::DaysText(0.1), Decimal("0.1 дня"));
    EXPECT_EQ(measure::DaysText(1), "1 день");
    EXPECT_EQ(measure::DaysText(3), "3 дня");
    EXPECT_EQ(measure::DaysText(10), "10 дней");
    EXPECT_EQ(measure::DaysText(0), "0 дней");
    EXPECT_EQ(measure::DaysText(2.5), Decimal("2.5 дня"));
    EXPECT_EQ(measure::DaysAndNightsText(1), "1 сутки");
    EXPECT_EQ(measure::DaysAndNightsText(2), "2 суток");
    EXPECT_EQ(measure::DaysAndNightsText(21), "21 сутки");
    EXPECT_EQ(measure::DaysAndNightsText(1.5), Decimal("1.5 суток"));

    // English: one alone takes the singular.
    ui::ApplyLanguage(ui::Language::English);
    EXPECT_EQ(measure::YearsText(1), "1 year");
    EXPECT_EQ(measure::YearsText(21), "21 years");
    EXPECT_EQ(measure::YearsText(2), "2 years");
    EXPECT_EQ(measure::DaysText(1), "1 day");
    EXPECT_EQ(measure::DaysText(31), "31 days");
    EXPECT_EQ(measure::DaysText(0), "0 days");
    EXPECT_EQ(measure::DaysText(1.2), Decimal("1.2 days"));
    EXPECT_EQ(measure::DaysAndNightsText(1), "1 day");
    EXPECT_EQ(measure::DaysAndNightsText(21), "21 days");
    ui::ApplyLanguage(ui::Language::Russian);

    Open();
    Ticks(183); // 366 days of 2
    EXPECT_TRUE(Label("TimeLabel").startsWith("Время с начала эксперимента: 1 год и 1 день (366 суток)"))
        << Label("TimeLabel").toStdString();
    // The same years and days as the experiment window's boxes.
    EXPECT_EQ(test::TextOf(form, "Text1"), "1");
    EXPECT_EQ(test::TextOf(form, "Text2"), "1");
}

TEST_F(Lesson, ABodyWithoutSidewaysVelocityFallsIntoTheSun) {
    state.BodyX(11) = 3e11;
    state.BodyY(11) = 0;
    state.BodyVx(11) = -1000;
    state.BodyVy(11) = 0;
    Start();
    Open();
    EXPECT_EQ(Cell(AsteroidRow, EccentricityColumn), Decimal("1.0000"));
    EXPECT_EQ(Cell(AsteroidRow, SemiMajorAxisColumn), "—");
    EXPECT_TRUE(TipOf(AsteroidRow, KeplerColumn).contains("падает на Солнце"))
        << TipOf(AsteroidRow, KeplerColumn).toStdString();
}

// A long free run with a Sun switch on the way: the CSV covers it from day 0 in even rows, and each row's
// derived columns follow from its own positions and velocities with mu as its Sun mode says.
TEST_F(Lesson, ALongRunsCsvCoversItEvenlyAndAgreesWithItsOwnState) {
    Open();
    Click(form, "Option2");
    Ticks(6000);
    Click(form, "Option1");
    Ticks(6000);
    const QList<QStringList> csv = SavedCsv();
    ASSERT_GT(csv.size(), 5000);
    ASSERT_LE(csv.size(), 10001);
    const QStringList& header = csv[0];
    EXPECT_EQ(csv[1][0], "0");
    const double spacing = csv[2][0].toDouble() - csv[1][0].toDouble();
    EXPECT_EQ(spacing, 4); // 12 000 steps of 2 days through 10 000 rows: every second step
    for (qsizetype row = 2; row + 1 < csv.size(); ++row)
        ASSERT_EQ(csv[row][0].toDouble() - csv[row - 1][0].toDouble(), spacing) << row;
    EXPECT_EQ(csv.last()[0].toDouble(), 24000);

    const SimState& run = form->Run();
    const double G = run.GravConst;
    const double sunMass = run.BodyMass(1);
    const qsizetype mode = header.indexOf("Солнце закреплено или свободно");
    int held = 0, sampled = 0;
    for (qsizetype row = 1; row < csv.size(); row += 97) {
        const QStringList& f = csv[row];
        const auto at = [&](const QString& name) {
            const qsizetype k = header.indexOf(name);
            EXPECT_GE(k, 0) << name.toStdString();
            return k >= 0 ? f[k] : QString();
        };
        const bool sunHeld = f[mode] == "закреплено";
        held += sunHeld;
        ++sampled;
        for (int b = 2; b <= 11; ++b) {
            const QString name = header[1 + 4 * (b - 1)].chopped(10); // "Земля x, млн км"
            const std::string bodyName = name.toStdString();
            const double rx = (at(name + " x, млн км").toDouble() - at("Солнце x, млн км").toDouble()) * 1e9;
            const double ry = (at(name + " y, млн км").toDouble() - at("Солнце y, млн км").toDouble()) * 1e9;
            const double wx = at(name + " vx, м/с").toDouble() - at("Солнце vx, м/с").toDouble();
            const double wy = at(name + " vy, м/с").toDouble() - at("Солнце vy, м/с").toDouble();
            const double mu = G * (sunMass + (sunHeld ? 0 : run.BodyMass(b)));
            const double r = std::hypot(rx, ry), v = std::hypot(wx, wy);
            const double energy = v * v / 2 - mu / r;
            const double h = rx * wy - ry * wx;
            EXPECT_NEAR(at(name + " расстояние от Солнца, млн км").toDouble(), r / 1e9, 1e-12 * r / 1e9);
            EXPECT_NEAR(at(name + " скорость, км/с").toDouble(), v / 1000, 1e-12 * v / 1000);
            const double e = std::sqrt(std::max(0.0, 1 + 2 * energy * h * h / (mu * mu)));
            EXPECT_NEAR(at(name + " эксцентриситет").toDouble(), e, 1e-9) << bodyName << " row " << row;
            if (energy < 0 && e < 1) {
                const double a = -mu / (2 * energy);
                EXPECT_NEAR(at(name + " большая полуось, а. е.").toDouble(), a / 149597870700.0,
                            1e-9 * a / 1.5e11);
                const double days = 2 * std::numbers::pi * std::sqrt(a * a * a / mu) / 86400;
                EXPECT_NEAR(at(name + " период по Кеплеру, сут").toDouble(), days, 1e-9 * days);
            } else {
                EXPECT_EQ(at(name + " большая полуось, а. е."), "") << bodyName << " row " << row;
                EXPECT_EQ(at(name + " период по Кеплеру, сут"), "");
            }
        }
    }
    EXPECT_GT(held, 0); // rows of both modes checked
    EXPECT_LT(held, sampled);
}

} // namespace
} // namespace orvane
