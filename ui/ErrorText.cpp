#include "ErrorText.h"

#include "Bodies.h"
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
    switch (e.code) {
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
        return Tr(QT_TRANSLATE_NOOP("ErrorText",
                                    "Положение на дату известно только для планет, а не для объекта %1"))
            .arg(e.body);
    case ErrorCode::DateNotInCalendar:
        return Tr(QT_TRANSLATE_NOOP("ErrorText", "Такой даты нет в календаре: %1.")).arg(DateToText(e.date));
    case ErrorCode::DateOutsideEphemeris:
        return Tr(QT_TRANSLATE_NOOP("ErrorText",
                                    "Положения планет известны только для дат с %1 по %2, а не на %3."))
            .arg(DateToText(FirstEphemerisDate), DateToText(LastEphemerisDate), DateToText(e.date));
    case ErrorCode::SunWithoutMass:
        return Tr(QT_TRANSLATE_NOOP(
            "ErrorText", "Положения планет на дату рассчитываются для Солнца с массой больше нуля."));
    case ErrorCode::FieldNotANumber:
        return Tr(QT_TRANSLATE_NOOP("ErrorText", "В файле параметров строка %1, число %2: «%3» — не число."))
            .arg(line, field, input);
    case ErrorCode::NumberTooLarge:
        return Tr(QT_TRANSLATE_NOOP("ErrorText",
                                    "В файле параметров строка %1, число %2: число «%3» слишком велико."))
            .arg(line, field, input);
    case ErrorCode::TooFewNumbers:
        return Tr(QT_TRANSLATE_NOOP(
                      "ErrorText",
                      "В файле параметров %1 чисел из %2 нужных: по пять чисел для каждого из 11 объектов."))
            .arg(QString::number(e.value), QString::number(ParameterNumbersNeeded));
    case ErrorCode::FileNotFound:
        return Tr(QT_TRANSLATE_NOOP("ErrorText", "Файл параметров не найден: %1")).arg(path);
    case ErrorCode::NotARegularFile:
        return Tr(QT_TRANSLATE_NOOP("ErrorText", "Файл параметров не является обычным файлом: %1")).arg(path);
    case ErrorCode::CannotOpen:
        return Tr(QT_TRANSLATE_NOOP("ErrorText", "Не удалось открыть файл параметров %1: %2"))
            .arg(path, reason);
    case ErrorCode::CannotRead:
        return Tr(QT_TRANSLATE_NOOP("ErrorText", "Не удалось прочитать файл параметров %1")).arg(path);
    case ErrorCode::SaveLinkLoop:
    case ErrorCode::SaveReplaceFailed:
        return Tr(QT_TRANSLATE_NOOP("ErrorText",
                                    "Не удалось сохранить файл параметров %1 (%2). Прежний файл не изменён."))
            .arg(path, reason);
    case ErrorCode::SaveWriteProtected:
        return Tr(QT_TRANSLATE_NOOP(
                      "ErrorText",
                      "Не удалось сохранить файл параметров %1: файл защищён от записи (%2). Прежний файл не "
                      "изменён."))
            .arg(path, reason);
    case ErrorCode::SaveCannotCreate:
        return Tr(QT_TRANSLATE_NOOP(
                      "ErrorText",
                      "Не удалось сохранить файл параметров: нельзя создать файл рядом с %1 (%2)."))
            .arg(path, reason);
    case ErrorCode::SaveWriteFailed:
        return Tr(QT_TRANSLATE_NOOP("ErrorText", "Не удалось сохранить файл параметров %1: ошибка записи "
                                                 "(%2). Прежний файл не изменён."))
            .arg(path, reason);
    case ErrorCode::SaveDiskWriteFailed:
        return Tr(QT_TRANSLATE_NOOP(
                      "ErrorText",
                      "Не удалось сохранить файл параметров %1: ошибка записи на диск (%2). Прежний файл не "
                      "изменён."))
            .arg(path, reason);
    }
    return Tr(QT_TRANSLATE_NOOP("ErrorText", "Неизвестная ошибка"));
}

} // namespace orvane::ui
