// The words of the core's and the parameter file's errors: the same Russian sentences the program has
// always shown, produced by the windows from the error values, and inputs quoted at a readable length.
#include "GuiTestSupport.h"

#include "Bodies.h"
#include "CsvWords.h"
#include "DataSetOnDate.h"
#include "ErrorText.h"
#include "Guard.h"
#include "HistoryCsv.h"
#include "ParameterFile.h"
#include "VbTimer.h"

#include <QTemporaryDir>

#include <cstring>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace orvane {
namespace {

using ui::ErrorText;
using ui::QuotedInput;

SimState StartupState() {
    SimState s;
    s.AssignStartupValues();
    return s;
}

std::string Numbers(int count) {
    std::string text;
    for (int k = 1; k <= count; ++k)
        text += std::to_string(k) + " ";
    return text;
}

QString ReadError(const std::string& text) {
    const ParameterFileRead read = ParseParameterText(text);
    EXPECT_FALSE(read.rows);
    return read.error ? ErrorText(*read.error) : QString();
}

TEST(ErrorText, DatesThePlanetsCannotBeLoadedForWordForWord) {
    SimState s = StartupState();
    EXPECT_EQ(ErrorText(LoadDataSetOnDate(s, {1799, 12, 31}).value()),
              "Положения планет известны только для дат с 1.1.1800 по 31.12.2050, а не на 31.12.1799.");
    EXPECT_EQ(ErrorText(LoadDataSetOnDate(s, {2051, 1, 1}).value()),
              "Положения планет известны только для дат с 1.1.1800 по 31.12.2050, а не на 1.1.2051.");
    EXPECT_EQ(ErrorText(LoadDataSetOnDate(s, {1900, 2, 29}).value()),
              "Такой даты нет в календаре: 29.2.1900.");
    s.BodyMassPct(body::Sun) = 0;
    EXPECT_EQ(ErrorText(LoadDataSetOnDate(s, {2000, 1, 1}).value()),
              "Положения планет на дату рассчитываются для Солнца с массой больше нуля.");
}

TEST(ErrorText, ParameterFileRefusalsNameLineFieldAndInput) {
    EXPECT_EQ(ReadError(Numbers(54)),
              "В файле параметров 54 чисел из 55 нужных: по пять чисел для каждого из 11 объектов.");
    const QString notNumber = ReadError("1 2 3 4 5\r\n6 7 x8 9 10\r\n" + Numbers(45));
    EXPECT_EQ(notNumber, "В файле параметров строка 2, число 3: «x8» — не число.");
    EXPECT_TRUE(ReadError("1 2 1e999 " + Numbers(52)).contains("слишком велико"));
    EXPECT_EQ(ReadError("0 1.797693134862316e302 " + Numbers(53)),
              "В файле параметров строка 1, число 2: число «1.797693134862316e302» слишком велико.");
    // A control character is shown as '?', not sent to the message box.
    EXPECT_EQ(ReadError("1 \x01x " + Numbers(53)), "В файле параметров строка 1, число 2: «?x» — не число.");
}

// A 320-digit number once made a message box 1000 pixels wide with its text cut off: the quoted input is
// shortened in its middle, its beginning and end still readable.
TEST(ErrorText, LongInputsAreShortenedInTheirMiddle) {
    EXPECT_EQ(QuotedInput(u"1234567890"), "1234567890");
    const QString forty(40, u'7');
    EXPECT_EQ(QuotedInput(forty), forty);
    const QString digits = QString(20, u'1') + QString(280, u'5') + QString(20, u'9');
    const QString shown = QuotedInput(digits);
    EXPECT_EQ(shown.size(), 40);
    EXPECT_EQ(shown, QString(20, u'1') + QChar(u'…') + QString(19, u'9'));
    const QString message = ReadError(std::string(320, '9') + "x " + Numbers(54));
    EXPECT_EQ(message, "В файле параметров строка 1, число 1: «" + QString(20, u'9') + QChar(u'…') +
                           QString(18, u'9') + "x» — не число.");
}

TEST(ErrorText, FileFailuresSayWhatHappenedToThePreviousFile) {
    QTemporaryDir dir;
    const std::string file = dir.filePath("orvane1.dat").toStdString();
    const ParameterFileRead missing = ReadParameterFile(file);
    ASSERT_TRUE(missing.error);
    EXPECT_EQ(ErrorText(*missing.error), QString::fromStdString("Файл параметров не найден: " + file));

    const SaveResult unwritable =
        WriteParameterFile(dir.filePath("no-such-dir/orvane1.dat").toStdString(), {});
    ASSERT_FALSE(unwritable);
    const QString cannotCreate = ErrorText(unwritable.Failure());
    EXPECT_TRUE(
        cannotCreate.startsWith("Не удалось сохранить файл параметров: нельзя создать файл рядом с "));
    EXPECT_TRUE(cannotCreate.contains(QString::fromLocal8Bit(std::strerror(ENOENT))));

    namespace fs = std::filesystem;
    const fs::path link = dir.filePath("loop.dat").toStdString();
    fs::create_symlink("other.dat", link);
    fs::create_symlink("loop.dat", link.parent_path() / "other.dat");
    const SaveResult loop = WriteParameterFile(link.string(), {});
    ASSERT_FALSE(loop);
    EXPECT_EQ(ErrorText(loop.Failure()),
              QString::fromStdString("Не удалось сохранить файл параметров " + link.string() + " (") +
                  QString::fromLocal8Bit(std::strerror(ELOOP)) + ("). Прежний файл не изменён."));
    for (const ErrorCode kept : {ErrorCode::SaveWriteProtected, ErrorCode::SaveWriteFailed,
                                 ErrorCode::SaveDiskWriteFailed, ErrorCode::SaveReplaceFailed}) {
        const QString text = ErrorText({.code = kept, .path = "/x/orvane1.dat", .osError = EIO});
        EXPECT_TRUE(text.startsWith("Не удалось сохранить файл параметров /x/orvane1.dat"))
            << text.toStdString();
        EXPECT_TRUE(text.endsWith("Прежний файл не изменён.")) << text.toStdString();
    }
    // A path holding a placeholder is shown as it is.
    EXPECT_EQ(ErrorText({.code = ErrorCode::CannotRead, .path = "/tmp/%1%2.dat"}),
              "Не удалось прочитать файл параметров /tmp/%1%2.dat");
}

TEST(ErrorText, RunTimeFaultsInWords) {
    SimState s = StartupState();
    try {
        (void)s.BodyY(20);
        FAIL();
    } catch (const RunTimeError& error) {
        EXPECT_EQ(ErrorText(error.Value()), "Индекс вне границ массива BodyY: 20");
    }
    EXPECT_TRUE(ErrorText({.code = ErrorCode::PlanetAtTheSun}).contains("Солнце"));
    EXPECT_TRUE(ErrorText({.code = ErrorCode::FloatingPointOverflow}).contains("Переполнение"));
    EXPECT_EQ(ErrorText({.code = ErrorCode::Int16Overflow, .value = 32768}),
              "Переполнение целого числа: 32768 не помещается в 16 бит");
    EXPECT_EQ(ErrorText({.code = ErrorCode::DivisionByZero}), "Деление на ноль");
    EXPECT_EQ(ErrorText({.code = ErrorCode::InvalidOperation}), "Недопустимая операция с плавающей точкой");
}

// A run stopped by a fault says, after what went wrong, what the teacher can do about it.
TEST(ErrorText, AFaultsMessageSaysWhatCanBeDone) {
    test::MessageCatcher catcher;
    ui::VbTimer timer(nullptr, true, 1);
    ui::Guarded(nullptr, &timer, [] { throw RunTimeError({.code = ErrorCode::FloatingPointOverflow}); });
    ASSERT_EQ(catcher.texts.size(), 1);
    EXPECT_TRUE(catcher.texts[0].startsWith(
        "Ошибка выполнения: Переполнение при вычислениях с плавающей точкой\n\n"));
    EXPECT_TRUE(catcher.texts[0].contains("«Точность решения»"));
    EXPECT_TRUE(catcher.texts[0].contains("другие данные"));
}

TEST(ErrorText, CsvHeaderInRussian) {
    measure::SampleHistory history;
    history.Add({});
    const measure::RunSnapshot run;
    const std::string csv = measure::HistoryCsv(history, run, measure::CsvWordsFor(run), {true});
    EXPECT_EQ(
        csv.rfind("\xEF\xBB\xBF\"Время, сут\";\"Солнце x, млн км\";\"Солнце y, млн км\";\"Солнце vx, м/с\"",
                  0),
        0u);
    EXPECT_NE(csv.find("\"Астероид vy, м/с\";\"Энергия, Дж\";\"Момент импульса, кг·м²/с\";\"|ΔE/E0|\""),
              std::string::npos);
}

} // namespace
} // namespace orvane

namespace orvane {
namespace {

// A 320-digit number typed into the Sun's mass is quoted shortened, so its message keeps a usual width.
TEST(ErrorText, ALongTypedInputIsQuotedShortened) {
    SimState state;
    Form1 form(state);
    form.show();
    auto* mass = test::Find<QLineEdit>(&form, "Text2(0)");
    mass->setText(QString(320, u'3') + u'x');
    test::MessageCatcher catcher;
    test::Click(&form, "Command6");
    ASSERT_EQ(catcher.texts.size(), 1);
    EXPECT_EQ(catcher.texts[0], "Масса Солнца: «" + QString(20, u'3') + QChar(u'…') + QString(18, u'3') +
                                    "x» — не число. Введите число, например 1500 или " +
                                    test::Decimal("-2.5") + ".");
}

} // namespace
} // namespace orvane
