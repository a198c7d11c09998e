#include "CsvWords.h"

#include "BodyNames.h"
#include "MethodNames.h"

#include <QCoreApplication>
#include <QString>

namespace orvane::measure {

namespace {
QString Tr(const char* text) {
    return QCoreApplication::translate("orvane::measure::CsvWords", text);
}

// The header of one column: a body's columns name the body first.
QString HeaderOf(const CsvColumn& column) {
    const char* text = "";
    switch (column.quantity) {
    case CsvQuantity::Time:
        return Tr(QT_TRANSLATE_NOOP("orvane::measure::CsvWords", "Время, сут"));
    case CsvQuantity::Energy:
        return Tr(QT_TRANSLATE_NOOP("orvane::measure::CsvWords", "Энергия, Дж"));
    case CsvQuantity::AngularMomentum:
        return Tr(QT_TRANSLATE_NOOP("orvane::measure::CsvWords", "Момент импульса, кг·м²/с"));
    case CsvQuantity::EnergyChange:
        //: A CSV column heading: the relative change of the total energy since the start.
        return Tr(QT_TRANSLATE_NOOP("orvane::measure::CsvWords", "|ΔE/E0|"));
    case CsvQuantity::SunMode:
        return Tr(QT_TRANSLATE_NOOP("orvane::measure::CsvWords", "Солнце закреплено или свободно"));
    case CsvQuantity::Method:
        return Tr(QT_TRANSLATE_NOOP("orvane::measure::CsvWords", "Метод решения"));
    case CsvQuantity::X:
        //: A CSV column heading: %1 is the body's name.
        text = QT_TRANSLATE_NOOP("orvane::measure::CsvWords", "%1 x, млн км");
        break;
    case CsvQuantity::Y:
        text = QT_TRANSLATE_NOOP("orvane::measure::CsvWords", "%1 y, млн км");
        break;
    case CsvQuantity::Vx:
        text = QT_TRANSLATE_NOOP("orvane::measure::CsvWords", "%1 vx, м/с");
        break;
    case CsvQuantity::Vy:
        text = QT_TRANSLATE_NOOP("orvane::measure::CsvWords", "%1 vy, м/с");
        break;
    case CsvQuantity::Distance:
        text = QT_TRANSLATE_NOOP("orvane::measure::CsvWords", "%1 расстояние от Солнца, млн км");
        break;
    case CsvQuantity::Speed:
        text = QT_TRANSLATE_NOOP("orvane::measure::CsvWords", "%1 скорость, км/с");
        break;
    case CsvQuantity::SemiMajorAxis:
        text = QT_TRANSLATE_NOOP("orvane::measure::CsvWords", "%1 большая полуось, а. е.");
        break;
    case CsvQuantity::Eccentricity:
        text = QT_TRANSLATE_NOOP("orvane::measure::CsvWords", "%1 эксцентриситет");
        break;
    case CsvQuantity::KeplerPeriod:
        text = QT_TRANSLATE_NOOP("orvane::measure::CsvWords", "%1 период по Кеплеру, сут");
        break;
    case CsvQuantity::Longitude:
        text = QT_TRANSLATE_NOOP("orvane::measure::CsvWords", "%1 долгота, °");
        break;
    case CsvQuantity::RealLongitude:
        text = QT_TRANSLATE_NOOP("orvane::measure::CsvWords", "%1 реальная долгота, °");
        break;
    case CsvQuantity::PolarAngle:
        text = QT_TRANSLATE_NOOP("orvane::measure::CsvWords", "%1 полярный угол, °");
        break;
    }
    return Tr(text).arg(ui::BodyName(column.body));
}
} // namespace

CsvWords CsvWordsFor(const RunSnapshot& run) {
    CsvWords words;
    for (const CsvColumn& column : HistoryCsvColumns(run))
        words.header.push_back(HeaderOf(column).toStdString());
    //: A CSV cell: the Sun is held at its place (the option "Sun motion" is off).
    words.sunHeld = Tr(QT_TRANSLATE_NOOP("orvane::measure::CsvWords", "закреплено")).toStdString();
    //: A CSV cell: the Sun moves freely (the option "Sun motion" is on).
    words.sunFree = Tr(QT_TRANSLATE_NOOP("orvane::measure::CsvWords", "свободно")).toStdString();
    for (std::size_t k = 0; k < SolverMethods.size(); ++k)
        words.methods[k] = ui::MethodName(SolverMethods[k].id).toStdString();
    return words;
}

} // namespace orvane::measure
