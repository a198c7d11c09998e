#include "ErrorText.h"

#include "Bodies.h"
#include "BodyNames.h"
#include "Ephemeris.h"
#include "Language.h"
#include "NumberText.h"

#include <QCoreApplication>

#include <algorithm>
#include <clocale>
#include <cstring>
#include <locale.h>
#include <string.h>

namespace orvane::ui {

namespace {

QString Tr(const char* source) {
    return QCoreApplication::translate("ErrorText", source);
}

// The parameter file holds five numbers for each body.
constexpr int ParameterNumbersNeeded = 5 * body::Count;

// The first sentence of a failed save: what the user was saving, where, and the system's reason.
QString SaveHead(const Error& e, const QString& path, const QString& reason) {
    switch (e.saved) {
    case SavedFile::Picture:
        //: %1 is the file's path, %2 the operating system's reason.
        return Tr(QT_TRANSLATE_NOOP("ErrorText", "Не удалось сохранить изображение %1 (%2)."))
            .arg(path, reason);
    case SavedFile::Measurements:
        //: %1 is the file's path, %2 the operating system's reason.
        return Tr(QT_TRANSLATE_NOOP("ErrorText", "Не удалось сохранить измерения в файл %1 (%2)."))
            .arg(path, reason);
    case SavedFile::Lesson:
        //: %1 is the file's path, %2 the operating system's reason.
        return Tr(QT_TRANSLATE_NOOP("ErrorText", "Не удалось сохранить опыт для урока в файл %1 (%2)."))
            .arg(path, reason);
    case SavedFile::Parameters:
        break;
    }
    //: %1 is the file's path, %2 the operating system's reason.
    return Tr(QT_TRANSLATE_NOOP("ErrorText", "Не удалось сохранить файл параметров %1 (%2)."))
        .arg(path, reason);
}

// The columns of the body table, as the first words of a sentence.
QString ColumnName(int column) {
    switch (column) {
    case 1:
        return Tr(QT_TRANSLATE_NOOP("ErrorText", "Масса"));
    case 2:
        return Tr(QT_TRANSLATE_NOOP("ErrorText", "Координата X"));
    case 3:
        return Tr(QT_TRANSLATE_NOOP("ErrorText", "Координата Y"));
    case 4:
        return Tr(QT_TRANSLATE_NOOP("ErrorText", "Скорость по оси X"));
    default:
        return Tr(QT_TRANSLATE_NOOP("ErrorText", "Скорость по оси Y"));
    }
}

} // namespace

QString QuotedInput(QStringView text) {
    constexpr qsizetype Longest = 40;
    QString shown;
    shown.reserve(std::min<qsizetype>(text.size(), Longest + 1));
    const auto append = [&shown](QStringView part) {
        for (const QChar c : part)
            shown += (c.unicode() < 32 || c.unicode() == 127) ? QChar(u'?') : c;
    };
    if (text.size() <= Longest) {
        append(text);
        return shown;
    }
    // The beginning and the end stay readable; the ellipsis takes one of the 40 places.
    constexpr qsizetype Head = (Longest - 1) / 2 + (Longest - 1) % 2;
    constexpr qsizetype Tail = Longest - 1 - Head;
    append(text.first(Head));
    shown += QChar(u'…');
    append(text.last(Tail));
    return shown;
}

QString OsReason(int osError) {
    // The system's words are in the desktop's language; when the program speaks another, the C library's
    // own English ones.
    if (LanguageOfDesktop(DesktopLanguages()) != CurrentLanguage()) {
        static const locale_t english = ::newlocale(LC_MESSAGES_MASK, "C", static_cast<locale_t>(nullptr));
        if (english != static_cast<locale_t>(nullptr))
            return QString::fromLocal8Bit(::strerror_l(osError, english));
    }
    return QString::fromLocal8Bit(std::strerror(osError));
}

QString ErrorText(const Error& e) {
    const QString path = QString::fromStdString(e.path);
    const QString reason = OsReason(e.osError);
    const QString line = QString::number(e.line);
    const QString field = QString::number(e.field);
    const QString input =
        QuotedInput(QString::fromUtf8(e.text.data(), static_cast<qsizetype>(e.text.size())));
    // A date is quoted as typed where it was typed, else as the program writes dates.
    const QString date = e.text.empty() ? DateToText(e.date) : input;
    const QString first = DateToText(FirstEphemerisDate);
    const QString last = DateToText(LastEphemerisDate);
    switch (e.code) {
    // The run-time faults: the handler's guard adds what to do (a smaller step, other data).
    case ErrorCode::IndexOutOfBounds:
        return Tr(QT_TRANSLATE_NOOP("ErrorText", "Индекс вне границ массива %1: %2"))
            .arg(QString::fromStdString(e.text), QString::number(e.value));
    case ErrorCode::Int16Overflow:
        return Tr(QT_TRANSLATE_NOOP("ErrorText", "Переполнение целого числа: %1 не помещается в 16 бит"))
            .arg(e.value);
    case ErrorCode::DivisionByZero:
        return Tr(QT_TRANSLATE_NOOP("ErrorText", "Деление на ноль"));
    case ErrorCode::FloatingPointOverflow:
        return Tr(QT_TRANSLATE_NOOP("ErrorText", "Переполнение при вычислениях с плавающей точкой"));
    case ErrorCode::InvalidOperation:
        return Tr(QT_TRANSLATE_NOOP("ErrorText", "Недопустимая операция с плавающей точкой"));
    case ErrorCode::PlanetAtTheSun:
        return Tr(QT_TRANSLATE_NOOP(
            "ErrorText",
            "Планета находится в точке, где стоит Солнце: направление притяжения не определено"));
    case ErrorCode::NotAPlanet:
        //: %1 is the body's name.
        return Tr(QT_TRANSLATE_NOOP("ErrorText", "Положение на дату известно только для планет, а не для "
                                                 "тела «%1». Выберите планету."))
            .arg(BodyName(e.body));
    case ErrorCode::DateNotInCalendar:
        //: %1 is the date as typed; %2 and %3 the first and the last date the planets are known for.
        return Tr(QT_TRANSLATE_NOOP("ErrorText", "Даты «%1» нет в календаре. Введите дату с %2 по %3."))
            .arg(date, first, last);
    case ErrorCode::DateOutsideEphemeris:
        return Tr(QT_TRANSLATE_NOOP("ErrorText", "Положения планет известны только для дат с %2 по %3, а не "
                                                 "на «%1». Введите дату в этих пределах."))
            .arg(date, first, last);
    case ErrorCode::SunWithoutMass:
        return Tr(QT_TRANSLATE_NOOP(
            "ErrorText", "Положения планет на дату рассчитываются для Солнца с массой больше нуля. "
                         "Введите массу Солнца, выберите «Солнце» и нажмите «Изменить»."));
    case ErrorCode::FieldNotANumber:
        return Tr(QT_TRANSLATE_NOOP("ErrorText", "В файле параметров строка %1, число %2: «%3» — не число. "
                                                 "Исправьте эту строку или выберите другой файл."))
            .arg(line, field, input);
    case ErrorCode::NumberTooLarge:
        return Tr(QT_TRANSLATE_NOOP("ErrorText",
                                    "В файле параметров строка %1, число %2: число «%3» слишком велико. "
                                    "Исправьте эту строку или выберите другой файл."))
            .arg(line, field, input);
    case ErrorCode::TooFewNumbers: {
        const int count = static_cast<int>(std::clamp(e.value, 0LL, 1LL << 30));
        //: %n is how many numbers the file holds, %1 how many it needs (five for each of the 11 bodies).
        return QCoreApplication::translate("ErrorText",
                                           "В файле параметров %n чисел, а нужно %1: по пять для каждого из "
                                           "11 тел. Выберите другой файл или сохраните параметры заново.",
                                           nullptr, count)
            .arg(ParameterNumbersNeeded);
    }
    case ErrorCode::FileNotFound:
        return Tr(QT_TRANSLATE_NOOP("ErrorText", "Файл параметров не найден: %1. Проверьте имя файла и папку "
                                                 "или сначала сохраните в него параметры."))
            .arg(path);
    case ErrorCode::NotARegularFile:
        return Tr(QT_TRANSLATE_NOOP("ErrorText", "Файл параметров не является обычным файлом: %1. Выберите "
                                                 "файл параметров (*.dat)."))
            .arg(path);
    case ErrorCode::CannotOpen:
        return Tr(QT_TRANSLATE_NOOP("ErrorText",
                                    "Не удалось открыть файл параметров %1: %2. Проверьте права на чтение "
                                    "файла или выберите другой."))
            .arg(path, reason);
    case ErrorCode::CannotRead:
        return Tr(QT_TRANSLATE_NOOP("ErrorText", "Не удалось прочитать файл параметров %1. Проверьте, что "
                                                 "файл на месте и доступен, или выберите другой."))
            .arg(path);
    case ErrorCode::SaveLinkLoop:
    case ErrorCode::SaveReplaceFailed:
        //: Follows the sentence that names the file which could not be saved.
        return SaveHead(e, path, reason) + u' ' +
               Tr(QT_TRANSLATE_NOOP("ErrorText", "Прежний файл не изменён. Сохраните в другой файл."));
    case ErrorCode::SaveWriteProtected:
        //: Follows the sentence that names the file which could not be saved.
        return SaveHead(e, path, reason) + u' ' +
               Tr(QT_TRANSLATE_NOOP("ErrorText", "Файл защищён от записи; прежний файл не изменён. Снимите "
                                                 "защиту от записи или сохраните в другой файл."));
    case ErrorCode::SaveCannotCreate:
        //: Follows the sentence that names the file which could not be saved.
        return SaveHead(e, path, reason) + u' ' +
               Tr(QT_TRANSLATE_NOOP(
                   "ErrorText", "В этой папке нельзя создать файл. Проверьте, что папка существует и в неё "
                                "разрешена запись, или выберите другую папку."));
    case ErrorCode::SaveWriteFailed:
    case ErrorCode::SaveDiskWriteFailed:
        //: Follows the sentence that names the file which could not be saved.
        return SaveHead(e, path, reason) + u' ' +
               Tr(QT_TRANSLATE_NOOP("ErrorText", "Ошибка записи на диск; прежний файл не изменён. Проверьте, "
                                                 "есть ли место на диске, и сохраните ещё раз."));
    case ErrorCode::CoordinatesBeyondFile:
        //: %1 is the body's name.
        return Tr(QT_TRANSLATE_NOOP("ErrorText",
                                    "Координаты тела «%1» слишком велики для файла параметров: файл не "
                                    "сохранён. Уменьшите их в таблице или загрузите другие данные."))
            .arg(BodyName(e.body));
    case ErrorCode::SunMassNotPositive:
        return Tr(QT_TRANSLATE_NOOP("ErrorText",
                                    "Масса Солнца должна быть больше нуля. Введите положительное число."));
    case ErrorCode::AsteroidMassNegative:
        return Tr(QT_TRANSLATE_NOOP("ErrorText", "Масса астероида не может быть отрицательной. Введите ноль "
                                                 "(он убирает влияние астероида) или положительное число."));
    case ErrorCode::DateTextEmpty:
        //: Д.М.ГГГГ is the pattern of a date: day, month, year.
        return Tr(QT_TRANSLATE_NOOP("ErrorText", "Дата не введена. Введите день, месяц и год через точку "
                                                 "(Д.М.ГГГГ), с %1 по %2."))
            .arg(first, last);
    case ErrorCode::DateTextNotADate:
        return Tr(QT_TRANSLATE_NOOP("ErrorText", "«%1» — не дата. Введите день, месяц и год через точку "
                                                 "(Д.М.ГГГГ), с %2 по %3."))
            .arg(input, first, last);
    // A lesson experiment's description file: %1 its path, %2 the line.
    case ErrorCode::LessonUnknownKey:
        //: The keys are the file format's own words and stay untranslated.
        return Tr(QT_TRANSLATE_NOOP("ErrorText",
                                    "Файл опыта %1, строка %2: неизвестный ключ. Исправьте строку: ключи — "
                                    "title, description, parameters, masses, accuracy и sun."))
            .arg(path, line);
    case ErrorCode::LessonNoEqualsSign:
        return Tr(QT_TRANSLATE_NOOP("ErrorText", "Файл опыта %1, строка %2: нет знака «=». Запишите строку "
                                                 "как «ключ = значение» или начните её с «#»."))
            .arg(path, line);
    case ErrorCode::LessonBadMasses:
        return Tr(QT_TRANSLATE_NOOP("ErrorText", "Файл опыта %1, строка %2: нужны одиннадцать масс не меньше "
                                                 "нуля, масса Солнца больше нуля. Исправьте строку masses."))
            .arg(path, line);
    case ErrorCode::LessonBadAccuracy:
        return Tr(QT_TRANSLATE_NOOP("ErrorText", "Файл опыта %1, строка %2: неизвестная точность. Напишите "
                                                 "accuracy = low, medium или high."))
            .arg(path, line);
    case ErrorCode::LessonBadSunMode:
        return Tr(QT_TRANSLATE_NOOP("ErrorText", "Файл опыта %1, строка %2: неизвестный режим Солнца. "
                                                 "Напишите sun = held или sun = free."))
            .arg(path, line);
    case ErrorCode::LessonBadMethod:
        return Tr(QT_TRANSLATE_NOOP("ErrorText",
                                    "Файл опыта %1, строка %2: неизвестный метод решения. "
                                    "Напишите method = euler, symplectic-euler, leapfrog или rk4."))
            .arg(path, line);
    case ErrorCode::LessonMissingTitle:
        return Tr(QT_TRANSLATE_NOOP("ErrorText", "Файл опыта %1: нет названия. Добавьте строку title = …"))
            .arg(path);
    case ErrorCode::LessonMissingFile:
        return Tr(QT_TRANSLATE_NOOP("ErrorText", "Файл опыта %1: не назван файл параметров. Добавьте "
                                                 "строку parameters = имя.dat"))
            .arg(path);
    case ErrorCode::LessonStrayContinuation:
        return Tr(QT_TRANSLATE_NOOP("ErrorText", "Файл опыта %1, строка %2: продолжение строки без ключа. "
                                                 "Уберите пробел в начале строки или добавьте строку с "
                                                 "ключом перед ней."))
            .arg(path, line);
    case ErrorCode::LessonCannotRead:
        return Tr(QT_TRANSLATE_NOOP("ErrorText", "Не удалось прочитать файл опыта %1. Проверьте, что файл на "
                                                 "месте и доступен."))
            .arg(path);
    case ErrorCode::CellNotANumber:
        //: %1 is the quantity (“Mass”, “Coordinate X”…), %2 the body's name, %3 the cell as typed, %4 a
        //: negative number written as the table writes numbers.
        return Tr(QT_TRANSLATE_NOOP("ErrorText",
                                    "%1 тела «%2»: «%3» — не число. Введите число, например 1500 или %4."))
            .arg(ColumnName(e.field), BodyName(e.body), input, NumberToText(-2.5));
    case ErrorCode::NoPlanetChosen:
        return Tr(QT_TRANSLATE_NOOP("ErrorText", "Выберете планету для изменения параметров"));
    case ErrorCode::SaveTargetFolder:
        return Tr(QT_TRANSLATE_NOOP("ErrorText", "«%1» — папка, а не файл: файл параметров не сохранён. "
                                                 "Сохраните параметры в файл, введя его имя."))
            .arg(path);
    case ErrorCode::RecentFileGone:
        //: «Открыть файл параметров…» is the command of the set-up window's right-click menu.
        return Tr(QT_TRANSLATE_NOOP("ErrorText", "Файла «%1» больше нет; он убран из списка недавних файлов. "
                                                 "Выберите другой файл командой «Открыть файл параметров…»."))
            .arg(path);
    case ErrorCode::LessonFolderNotCreated:
        return Tr(QT_TRANSLATE_NOOP("ErrorText",
                                    "Не удалось создать папку для опытов %1 (%2): опыт не сохранён. "
                                    "Проверьте права на запись и место на диске и сохраните ещё раз."))
            .arg(path, reason);
    case ErrorCode::LessonNotDeleted:
        return Tr(QT_TRANSLATE_NOOP("ErrorText", "Не удалось удалить файл опыта %1 (%2). Проверьте права на "
                                                 "запись в его папку или удалите файл вручную."))
            .arg(path, reason);
    }
    return Tr(QT_TRANSLATE_NOOP("ErrorText", "Неизвестная ошибка"));
}

} // namespace orvane::ui
