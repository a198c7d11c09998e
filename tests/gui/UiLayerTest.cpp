#include "GuiTestSupport.h"

#include "BodyNames.h"
#include "DateText.h"
#include "Guard.h"
#include "NumberText.h"
#include "PictureBox.h"
#include "VbSlider.h"
#include "VbTimer.h"

#include <QTest>

#include <gtest/gtest-spi.h>

namespace orvane {
namespace {

using ui::NumberToText;
using ui::TextToNumber;

constexpr QRgb White = 0xFFFFFF;

using test::Surface;

TEST(PictureBox, LinesBoxesPointsAndClipping) {
    Surface s;
    ASSERT_EQ(s.box->Image().size(), QSize(100, 100));
    s.box->Line(-50, 20, 50, 20, RgbColor(255, 0, 0)); // y = 20 lies 30 pixels from the top
    EXPECT_EQ(s.At(0, 30), 0xFF0000u);
    EXPECT_EQ(s.At(99, 30), 0xFF0000u);
    EXPECT_EQ(s.At(50, 29), White);
    EXPECT_EQ(s.At(50, 31), White);

    s.box->Line(0, 50, 0, -50, 1); // the axis colour: red 1, almost black
    EXPECT_EQ(s.At(50, 70), 0x010000u);

    s.box->Box(-40, -40, 20, 10); // corners (-40,-40) and (-20,-30): pixels x 10..30, y 80..90
    EXPECT_EQ(s.At(10, 85), 0u);
    EXPECT_EQ(s.At(30, 85), 0u);
    EXPECT_EQ(s.At(20, 80), 0u);
    EXPECT_EQ(s.At(20, 90), 0u);
    EXPECT_EQ(s.At(20, 85), White); // an outline, not filled

    s.box->PSet(25.2f, -5.7f, RgbColor(0, 0, 255)); // x 75.2 → 75, y 55.7 → 55
    EXPECT_EQ(s.At(75, 55), 0x0000FFu);
    EXPECT_EQ(s.At(76, 55), White);
    EXPECT_EQ(s.At(75, 56), White);

    const QImage before = s.box->Image().copy();
    s.box->PSet(60, 0, 0xFF);  // outside: clipped
    s.box->PSet(0, -50, 0xFF); // on the far edge: outside too
    s.box->Line(1e30f, 1e30f, 2e30f, 3e30f, 0xFF);
    s.box->Line(-3.4e38f, 0, 3.4e38f, 0, 0xFF00); // an enormous line still crosses the screen
    EXPECT_EQ(s.At(0, 50), 0x00FF00u);
    s.box->Box(-1e30f, -1e30f, 2e30f, 2e30f);
    s.box->PSet(std::numeric_limits<float>::quiet_NaN(), 0, 0xFF);
    EXPECT_EQ(s.At(75, 55), 0x0000FFu);

    // A partly visible box keeps its visible sides.
    s.box->Box(40, 40, 1e20f, 1e20f);
    EXPECT_EQ(s.At(90, 5), 0u);
    EXPECT_EQ(s.At(95, 10), 0u);
}

TEST(PictureBox, DrawingSurvivesRepaintUntilCls) {
    Surface s;
    s.box->PSet(0, 0, RgbColor(0, 255, 0));
    s.window.hide();
    s.window.show();
    const QImage shown = s.box->grab().toImage();
    EXPECT_EQ(shown.pixel(51, 51) & 0xFFFFFF, 0x00FF00u); // the border is one pixel wide
    s.box->Cls();
    EXPECT_EQ(test::CountColor(s.box->Image(), White), 100 * 100);
}

TEST(VbTimer, IntervalZeroDeliversNothingAndEnabledKeepsTheInterval) {
    ui::VbTimer timer(nullptr, true, 0);
    int events = 0;
    QObject::connect(&timer, &ui::VbTimer::Timer, [&events] { ++events; });
    test::Wait(40);
    EXPECT_EQ(events, 0);
    EXPECT_FALSE(timer.Delivering());

    timer.SetInterval(2);
    EXPECT_TRUE(test::WaitUntil([&] { return events > 3; }));

    timer.SetEnabled(false);
    EXPECT_EQ(timer.Interval(), 2);
    const int stopped = events;
    test::Wait(30);
    EXPECT_EQ(events, stopped);

    timer.SetInterval(0);
    timer.SetEnabled(true);
    test::Wait(30);
    EXPECT_EQ(events, stopped);
}

TEST(VbSlider, ScrollComesOnlyFromTheUserChangeFromEveryNewValue) {
    ui::VbSlider slider(nullptr, 50, 10000, 9000, 50, 1);
    slider.show();
    QStringList events;
    QObject::connect(&slider, &ui::VbSlider::Scroll,
                     [&] { events << QStringLiteral("Scroll %1").arg(slider.value()); });
    QObject::connect(&slider, &ui::VbSlider::Change,
                     [&] { events << QStringLiteral("Change %1").arg(slider.value()); });

    slider.setValue(5000);
    EXPECT_EQ(events, QStringList{QStringLiteral("Change 5000")});

    events.clear();
    QTest::keyClick(&slider, Qt::Key_Right);
    EXPECT_EQ(events, (QStringList{QStringLiteral("Scroll 5001"), QStringLiteral("Change 5001")}));

    events.clear();
    QTest::keyClick(&slider, Qt::Key_PageUp);
    EXPECT_EQ(events, (QStringList{QStringLiteral("Scroll 5051"), QStringLiteral("Change 5051")}));

    events.clear();
    slider.setValue(10000);
    QTest::keyClick(&slider, Qt::Key_Right); // already at the end: nothing moves
    EXPECT_EQ(events, QStringList{QStringLiteral("Change 10000")});
    slider.setValue(200);
    EXPECT_EQ(events.last(), QStringLiteral("Change 200"));
}

TEST(NumberText, DefaultConversionInTheCAndRussianLocales) {
    const QLocale c = QLocale::c();
    const QLocale ru(QLocale::Russian, QLocale::Russia);
    EXPECT_EQ(NumberToText(33316600, c), QStringLiteral("33316600"));
    EXPECT_EQ(NumberToText(33316600, ru), QStringLiteral("33316600"));
    EXPECT_EQ(NumberToText(5.55, c), QStringLiteral("5.55"));
    EXPECT_EQ(NumberToText(5.55, ru), QStringLiteral("5,55"));
    EXPECT_EQ(NumberToText(-55414, c), QStringLiteral("-55414"));
    EXPECT_EQ(NumberToText(-55414, ru), QStringLiteral("-55414"));
    EXPECT_EQ(NumberToText(-1000000, ru), QStringLiteral("-1000000"));
    EXPECT_EQ(NumberToText(0.21, c), QStringLiteral("0.21"));
    EXPECT_EQ(NumberToText(-0.0, c), QStringLiteral("0"));
    EXPECT_EQ(NumberToText(0.1 + 0.2, c), QStringLiteral("0.3")); // 15 significant digits
    EXPECT_EQ(NumberToText(123456789012345678.0, c), QStringLiteral("1.23456789012346E+17"));
}

TEST(NumberText, DatesAreWrittenAsTheDateFieldReadsThemInEveryLocale) {
    const CalendarDate dates[] = {{1800, 1, 1}, {1900, 3, 1}, {1969, 7, 20}, {2000, 2, 29}, {2050, 12, 31}};
    for (const CalendarDate& date : dates) {
        const QString text = ui::DateToText(date);
        const DateTextRead read = ReadDateText(text.toStdString(), {1800, 1, 1}, {2050, 12, 31});
        EXPECT_EQ(read.fault, DateTextFault::None) << text.toStdString();
        EXPECT_EQ(read.date, date) << text.toStdString();
    }
    // No leading zeros, dots whatever the desktop's language.
    EXPECT_EQ(ui::DateToText({1900, 3, 1}), "1.3.1900");
    EXPECT_EQ(ui::DateToText({2050, 12, 31}), "31.12.2050");
}

TEST(NumberText, ReadingTypedNumbers) {
    const QLocale c = QLocale::c();
    const QLocale ru(QLocale::Russian, QLocale::Russia);
    EXPECT_EQ(TextToNumber(QStringLiteral(" 5,55 "), ru), 5.55);
    EXPECT_EQ(TextToNumber(QStringLiteral("5.55"), ru), 5.55);
    EXPECT_EQ(TextToNumber(QStringLiteral("-1000000"), c), -1000000);
    EXPECT_EQ(TextToNumber(QStringLiteral("1e3"), c), 1000);
    for (const char* bad : {"", "  ", "abc", "5,55", "1 000", "1e999", "inf", "nan", "5..5", "12abc"})
        EXPECT_FALSE(TextToNumber(QString::fromUtf8(bad), c).has_value()) << bad;
    EXPECT_FALSE(TextToNumber(QStringLiteral("1 000"), ru).has_value());
}

TEST(Guard, RunTimeErrorBecomesAMessageAndDisablesItsTimer) {
    test::MessageCatcher catcher;
    ui::VbTimer timer(nullptr, true, 1);
    bool after = false;
    ui::Guarded(nullptr, &timer, [&] {
        throw RunTimeError({.code = ErrorCode::DivisionByZero});
        after = true;
    });
    EXPECT_FALSE(after);
    EXPECT_FALSE(timer.Enabled());
    ASSERT_EQ(catcher.texts.size(), 1);
    EXPECT_EQ(catcher.titles[0], QStringLiteral("Orvane2.0"));
    EXPECT_TRUE(catcher.texts[0].contains(QStringLiteral("Деление на ноль")));
}

} // namespace
} // namespace orvane

namespace orvane {
namespace {

// The whole window suite runs under a watch for message boxes: one that no test expects fails the
// test with its text instead of waiting for a click, while a test's own MessageCatcher still gets its
// boxes.
TEST(MessageBoxWatch, AnUnexpectedBoxFailsTheTestAndAnExpectedOneDoesNot) {
    ::testing::TestPartResultArray failures;
    {
        const ::testing::ScopedFakeTestPartResultReporter reporter(
            ::testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD, &failures);
        ui::ShowMessage(nullptr, QStringLiteral("Ошибка выполнения: проверка"));
    }
    ASSERT_EQ(failures.size(), 1);
    EXPECT_TRUE(failures.GetTestPartResult(0).failed());
    EXPECT_NE(std::string(failures.GetTestPartResult(0).message()).find("Ошибка выполнения: проверка"),
              std::string::npos);

    ::testing::TestPartResultArray none;
    test::MessageCatcher catcher;
    {
        const ::testing::ScopedFakeTestPartResultReporter reporter(
            ::testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD, &none);
        ui::ShowMessage(nullptr, QStringLiteral("Ожидаемое сообщение"));
    }
    EXPECT_EQ(none.size(), 0);
    EXPECT_EQ(catcher.texts, QStringList{"Ожидаемое сообщение"});
}

// The body names the windows show, from the one table of them.
TEST(BodyNames, TheElevenBodiesInRussianAndNothingElse) {
    EXPECT_EQ(ui::BodyName(1), "Солнце");
    EXPECT_EQ(ui::BodyName(4), "Земля");
    EXPECT_EQ(ui::BodyName(10), "Плутон");
    EXPECT_EQ(ui::BodyName(11), "Астероид");
    EXPECT_TRUE(ui::BodyName(0).isEmpty());
    EXPECT_TRUE(ui::BodyName(12).isEmpty());
}

} // namespace
} // namespace orvane
