// The words of the core's and the parameter file's errors: the same Russian sentences the program has
// always shown, produced by the windows from the error values, and inputs quoted at a readable length.
#include "GuiTestSupport.h"

#include "Bodies.h"
#include "CsvWords.h"
#include "DataSetOnDate.h"
#include "DateDialog.h"
#include "ErrorText.h"
#include "Guard.h"
#include "HistoryCsv.h"
#include "Language.h"
#include "LessonCatalogue.h"
#include "MeasurementsWindow.h"
#include "ParameterFile.h"
#include "Settings.h"
#include "VbTimer.h"

#include <QRegularExpression>
#include <QSet>

#include <QTemporaryDir>

#include <algorithm>
#include <cerrno>
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
              "Положения планет известны только для дат с 1.1.1800 по 31.12.2050, а не на «31.12.1799». "
              "Введите дату в этих пределах.");
    EXPECT_EQ(ErrorText(LoadDataSetOnDate(s, {2051, 1, 1}).value()),
              "Положения планет известны только для дат с 1.1.1800 по 31.12.2050, а не на «1.1.2051». "
              "Введите дату в этих пределах.");
    EXPECT_EQ(ErrorText(LoadDataSetOnDate(s, {1900, 2, 29}).value()),
              "Даты «29.2.1900» нет в календаре. Введите дату с 1.1.1800 по 31.12.2050.");
    s.BodyMassPct(body::Sun) = 0;
    EXPECT_EQ(ErrorText(LoadDataSetOnDate(s, {2000, 1, 1}).value()),
              "Положения планет на дату рассчитываются для Солнца с массой больше нуля. Введите массу "
              "Солнца, выберите «Солнце» и нажмите «Изменить».");
}

TEST(ErrorText, ParameterFileRefusalsNameLineFieldAndInput) {
    const QString advice = " Выберите другой файл или сохраните параметры заново.";
    EXPECT_EQ(ReadError(Numbers(54)),
              "В файле параметров 54 числа, а нужно 55: по пять для каждого из 11 тел." + advice);
    EXPECT_EQ(ReadError(Numbers(51)),
              "В файле параметров 51 число, а нужно 55: по пять для каждого из 11 тел." + advice);
    EXPECT_EQ(ReadError(Numbers(11)),
              "В файле параметров 11 чисел, а нужно 55: по пять для каждого из 11 тел." + advice);
    EXPECT_EQ(ReadError(Numbers(1)),
              "В файле параметров 1 число, а нужно 55: по пять для каждого из 11 тел." + advice);
    const QString fix = " Исправьте эту строку или выберите другой файл.";
    const QString notNumber = ReadError("1 2 3 4 5\r\n6 7 x8 9 10\r\n" + Numbers(45));
    EXPECT_EQ(notNumber, "В файле параметров строка 2, число 3: «x8» — не число." + fix);
    EXPECT_TRUE(ReadError("1 2 1e999 " + Numbers(52)).contains("слишком велико"));
    EXPECT_EQ(ReadError("0 1.797693134862316e302 " + Numbers(53)),
              "В файле параметров строка 1, число 2: число «1.797693134862316e302» слишком велико." + fix);
    // A control character is shown as '?', not sent to the message box.
    EXPECT_EQ(ReadError("1 \x01x " + Numbers(53)),
              "В файле параметров строка 1, число 2: «?x» — не число." + fix);
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
                           QString(18, u'9') +
                           "x» — не число. Исправьте эту строку или выберите другой файл.");
}

TEST(ErrorText, FileFailuresSayWhatHappenedToThePreviousFile) {
    QTemporaryDir dir;
    const std::string file = dir.filePath("orvane1.dat").toStdString();
    const ParameterFileRead missing = ReadParameterFile(file);
    ASSERT_TRUE(missing.error);
    EXPECT_EQ(ErrorText(*missing.error),
              QString::fromStdString("Файл параметров не найден: " + file) +
                  ". Проверьте имя файла и папку или сначала сохраните в него параметры.");

    const SaveResult unwritable =
        WriteParameterFile(dir.filePath("no-such-dir/orvane1.dat").toStdString(), {});
    ASSERT_FALSE(unwritable);
    const QString cannotCreate = ErrorText(unwritable.Failure());
    EXPECT_EQ(cannotCreate, "Не удалось сохранить файл параметров " +
                                dir.filePath("no-such-dir/orvane1.dat") + " (" +
                                QString::fromLocal8Bit(std::strerror(ENOENT)) +
                                "). В этой папке нельзя создать файл. Проверьте, что папка существует и в "
                                "неё разрешена запись, или выберите другую папку.");

    namespace fs = std::filesystem;
    const fs::path link = dir.filePath("loop.dat").toStdString();
    fs::create_symlink("other.dat", link);
    fs::create_symlink("loop.dat", link.parent_path() / "other.dat");
    const SaveResult loop = WriteParameterFile(link.string(), {});
    ASSERT_FALSE(loop);
    EXPECT_EQ(ErrorText(loop.Failure()),
              QString::fromStdString("Не удалось сохранить файл параметров " + link.string() + " (") +
                  QString::fromLocal8Bit(std::strerror(ELOOP)) +
                  ("). Прежний файл не изменён. Сохраните в другой файл."));
    for (const ErrorCode kept : {ErrorCode::SaveWriteProtected, ErrorCode::SaveWriteFailed,
                                 ErrorCode::SaveDiskWriteFailed, ErrorCode::SaveReplaceFailed}) {
        const QString text = ErrorText({.code = kept, .path = "/x/orvane1.dat", .osError = EIO});
        EXPECT_TRUE(text.startsWith("Не удалось сохранить файл параметров /x/orvane1.dat ("))
            << text.toStdString();
        EXPECT_TRUE(text.contains(QRegularExpression("[Пп]режний файл не изменён. "))) << text.toStdString();
    }
    // The same failure names what the user was saving: a picture, measurements, a lesson experiment.
    const std::pair<SavedFile, QString> kinds[] = {
        {SavedFile::Picture, "Не удалось сохранить изображение /x/a.png ("},
        {SavedFile::Measurements, "Не удалось сохранить измерения в файл /x/a.png ("},
        {SavedFile::Lesson, "Не удалось сохранить опыт для урока в файл /x/a.png ("},
    };
    for (const auto& [kind, start] : kinds) {
        const QString text = ErrorText(
            {.code = ErrorCode::SaveWriteProtected, .path = "/x/a.png", .osError = EACCES, .saved = kind});
        EXPECT_EQ(text, start + QString::fromLocal8Bit(std::strerror(EACCES)) +
                            "). Файл защищён от записи; прежний файл не изменён. Снимите защиту от записи "
                            "или сохраните в другой файл.");
    }
    // A path holding a placeholder is shown as it is.
    EXPECT_EQ(ErrorText({.code = ErrorCode::CannotRead, .path = "/tmp/%1%2.dat"}),
              "Не удалось прочитать файл параметров /tmp/%1%2.dat. Проверьте, что файл на месте и доступен, "
              "или выберите другой.");
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

bool HasCyrillicLetter(const QString& text) {
    return std::any_of(text.begin(), text.end(),
                       [](QChar c) { return c.unicode() >= 0x400 && c.unicode() < 0x500; });
}

// Whether a message tells the user what to do: an imperative opening the message or one of its
// sentences. «Выберете» is the set-up window's own spelling of its oldest message.
bool SaysWhatToDo(const QString& text, ui::Language language) {
    static const QStringList russian{"Выберите",  "Введите",  "Исправьте", "Проверьте",
                                     "Сохраните", "Снимите",  "Уменьшите", "Запишите",
                                     "Напишите",  "Добавьте", "Уберите",   "Выберете"};
    static const QStringList english{"Choose", "Enter", "Correct", "Check", "Save",
                                     "Remove", "Make",  "Write",   "Add"};
    const QStringList& verbs = language == ui::Language::English ? english : russian;
    return std::any_of(verbs.begin(), verbs.end(), [&](const QString& verb) {
        return text.startsWith(verb) || text.contains(QStringLiteral(". ") + verb) ||
               text.contains(QStringLiteral(": ") + verb);
    });
}

// Every error the core and the files can give has its own sentence in every language, and every refusal
// tells the user what to do (the run-time faults get that from the handler's guard, tested above).
TEST(ErrorText, EveryCodeIsWordedInEveryLanguageAndSaysWhatToDo) {
    const int firstRefusal = static_cast<int>(ErrorCode::NotAPlanet);
    for (const ui::LanguageRow& row : ui::Languages()) {
        ui::ApplyLanguage(row.language);
        QSet<QString> texts;
        constexpr int FileKinds = static_cast<int>(SavedFile::Lesson) + 1;
        for (int code = 0; code < ErrorCodeCount * FileKinds; ++code) {
            // Each code once more for every kind of file a save can be writing.
            const Error error{.code = static_cast<ErrorCode>(code % ErrorCodeCount),
                              .text = "x",
                              .path = "/p/f.dat",
                              .value = 8,
                              .line = 3,
                              .field = 2,
                              .body = body::Asteroid,
                              .date = {2000, 2, 30},
                              .osError = EIO,
                              .saved = static_cast<SavedFile>(code / ErrorCodeCount)};
            const QString text = ErrorText(error);
            SCOPED_TRACE(std::string(row.code) + " " + std::to_string(code) + ": " + text.toStdString());
            texts.insert(text);
            EXPECT_FALSE(text.isEmpty());
            EXPECT_FALSE(text.contains(QStringLiteral("Неизвестная ошибка")) ||
                         text.contains("Unknown error"));
            EXPECT_FALSE(text.contains(QRegularExpression(QStringLiteral("%\\d|%n"))))
                << "a place left unfilled";
            if (row.language == ui::Language::English) {
                EXPECT_FALSE(HasCyrillicLetter(text));
            }
            if (code % ErrorCodeCount < firstRefusal) continue;
            EXPECT_TRUE(SaysWhatToDo(text, row.language)) << "says nothing of what to do";
            // A body is named by its name, never by its number.
            EXPECT_FALSE(text.contains(QRegularExpression(QStringLiteral("(тела|объекта|body) \\d"))))
                << "a body by its number";
        }
        // Two pairs of saving faults share their sentence (the same advice fits both); the four saving
        // sentences have their own words for each of the four kinds of file, and no other sentence depends
        // on the kind.
        EXPECT_EQ(texts.size(), ErrorCodeCount - 2 + 4 * (FileKinds - 1));
    }
    ui::ApplyLanguage(ui::Language::Russian);
    EXPECT_TRUE(
        ErrorText({.code = ErrorCode::CoordinatesBeyondFile, .body = body::Asteroid}).contains("«Астероид»"));
    EXPECT_TRUE(ErrorText({.code = ErrorCode::NotAPlanet, .body = body::Sun}).contains("«Солнце»"));
    EXPECT_EQ(ErrorText({.code = ErrorCode::CellNotANumber, .text = "7 7", .field = 5, .body = body::Pluto}),
              "Скорость по оси Y тела «Плутон»: «7 7» — не число. Введите число, например 1500 или " +
                  test::Decimal("-2.5") + ".");
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
    ProgramWindows windows(state);
    Form1& form = windows.Setup();
    form.show();
    auto* mass = test::Find<QLineEdit>(&form, "Text2(0)");
    mass->setText(QString(320, u'3') + u'x');
    test::MessageCatcher catcher;
    test::Click(&form, "Command6");
    ASSERT_EQ(catcher.texts.size(), 1);
    EXPECT_EQ(catcher.texts[0], "Масса тела «Солнце»: «" + QString(20, u'3') + QChar(u'…') +
                                    QString(18, u'3') + "x» — не число. Введите число, например 1500 или " +
                                    test::Decimal("-2.5") + ".");
}

} // namespace
} // namespace orvane

namespace orvane {
namespace {

// Every refusal a user can meet in the windows, provoked as the user would: each message says what to do,
// in every language, and an English one holds no Russian word.
TEST(ErrorText, EveryRefusalOfTheWindowsSaysWhatToDo) {
    QTemporaryDir dir;
    ui::UseSettingsFile(dir.filePath("orvane.conf"));
    const auto path = [&dir](const char* name) { return dir.filePath(QString::fromUtf8(name)); };
    {
        QFile regular(path("plain.txt"));
        ASSERT_TRUE(regular.open(QIODevice::WriteOnly));
        regular.write("x");
        QFile bad(path("bad.dat"));
        ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
        bad.write("1 2 x3 4 5\n");
        QFile lesson(path("lessons/bad.experiment"));
        ASSERT_TRUE(QDir(dir.path()).mkpath("lessons"));
        ASSERT_TRUE(lesson.open(QIODevice::WriteOnly));
        lesson.write("title = Опыт\nparameters = a.dat\nmasses = 1 2\n");
    }
    for (const ui::LanguageRow& row : ui::Languages()) {
        ui::ApplyLanguage(row.language);
        SimState state;
        ProgramWindows windows(state);
        Form1& setup = windows.Setup();
        setup.show();
        test::MessageCatcher catcher;
        QStringList expected; // what each message is about, for the failure's trace
        auto* sunMass = test::Find<QLineEdit>(&setup, "Text2(0)");
        const QString mass = sunMass->text();

        sunMass->setText("x");
        test::Click(&setup, "Command6");
        expected << "bad cell";
        sunMass->setText("0");
        test::Click(&setup, "Command6");
        expected << "mass refused";
        sunMass->setText(mass);
        test::Click(&setup, "Command6");
        expected << "no planet chosen";

        setup.SetParameterFilePath(path("bad.dat"));
        test::Click(&setup, "Command3");
        expected << "bad parameter file";
        EXPECT_FALSE(setup.SaveParameterFileAs(dir.path()));
        expected << "a folder as the file";
        ASSERT_TRUE(setup.SaveParameterFileAs(path("gone.dat")));
        ASSERT_TRUE(QFile::remove(path("gone.dat")));
        emit setup.RecentFilesMenu->aboutToShow(); // as when the menu opens
        ASSERT_FALSE(setup.RecentFilesMenu->actions().isEmpty());
        setup.RecentFilesMenu->actions().constFirst()->trigger();
        expected << "a recent file gone";

        test::ModalHand<DateDialog> hand([](DateDialog* dialog) {
            test::Find<QLineEdit>(dialog, "DateEdit")->setText("31.2.2000");
            test::Find<QPushButton>(dialog, "LoadButton")->click();
            dialog->reject();
        });
        setup.LoadOnDate->trigger();
        EXPECT_TRUE(hand.opened);
        expected << "bad date";

        // Folders that cannot be: one that does not exist, one under a regular file.
        EXPECT_TRUE(setup.SaveLessonIn(path("plain.txt/lessons"), LessonExperiment{}).isEmpty());
        expected << "lesson folder under a file";
        for (const char* where : {"nowhere/shot.png", "plain.txt/shot.png"}) {
            EXPECT_FALSE(setup.Picture1->SaveImage(path(where)));
            expected << where;
        }
        Form2* experiment = driver::StartExperiment(windows);
        ASSERT_NE(experiment, nullptr);
        measure::MeasurementsWindow* measurements = driver::OpenMeasurements(experiment);
        ASSERT_NE(measurements, nullptr);
        for (const char* where : {"nowhere/m.csv", "plain.txt/m.csv"}) {
            EXPECT_FALSE(measurements->SaveCsv(path(where)));
            expected << where;
        }
        experiment->close();

        QStringList texts = catcher.texts;
        ASSERT_EQ(texts.size(), expected.size()) << texts.join("\n").toStdString();
        // A lesson experiment file with a mistake is named with its line and what to write there.
        const LessonCatalogue lessons = ReadLessonCatalogue({path("lessons")});
        const auto unreadable = std::find_if(lessons.entries.begin(), lessons.entries.end(),
                                             [](const LessonEntry& entry) { return !entry.Readable(); });
        ASSERT_NE(unreadable, lessons.entries.end());
        texts << unreadable->error;
        expected << "bad lesson file";
        for (qsizetype k = 0; k < texts.size(); ++k) {
            SCOPED_TRACE(std::string(row.code) + " " + expected[k].toStdString() + ": " +
                         texts[k].toStdString());
            EXPECT_TRUE(SaysWhatToDo(texts[k], row.language));
            if (row.language == ui::Language::English) {
                EXPECT_FALSE(HasCyrillicLetter(texts[k]));
            }
        }
        // The save failures name what was being saved and why.
        const bool english = row.language == ui::Language::English;
        EXPECT_TRUE(texts[8].startsWith(english ? "Could not save the picture "
                                                : "Не удалось сохранить изображение "));
        EXPECT_TRUE(texts[9].contains(QString::fromLocal8Bit(std::strerror(ENOTDIR))) ||
                    texts[9].contains("Not a directory"))
            << texts[9].toStdString();
        EXPECT_TRUE(texts[10].startsWith(english ? "Could not save the measurements "
                                                 : "Не удалось сохранить измерения "));
        EXPECT_TRUE(texts[0].contains(english ? "“Sun”" : "«Солнце»"));
    }
    ui::ApplyLanguage(ui::Language::Russian);
}

} // namespace
} // namespace orvane
