#include "CsvHeaderText.h"

#include "BodyNames.h"

#include <QCoreApplication>

namespace orvane::measure {

namespace {
std::string Tr(const char* source) {
    return QCoreApplication::translate("CsvHeader", source).toStdString();
}
} // namespace

CsvHeader CsvHeaderText() {
    CsvHeader header;
    header.time = Tr(QT_TRANSLATE_NOOP("CsvHeader", "Время, сут"));
    for (int body = body::Sun; body <= body::Count; ++body)
        header.bodies[static_cast<std::size_t>(body)] = ui::BodyName(body).toStdString();
    // Each is written after a body's name.
    header.bodyColumns = {
        Tr(QT_TRANSLATE_NOOP("CsvHeader", " x, млн км")), Tr(QT_TRANSLATE_NOOP("CsvHeader", " y, млн км")),
        Tr(QT_TRANSLATE_NOOP("CsvHeader", " vx, м/с")), Tr(QT_TRANSLATE_NOOP("CsvHeader", " vy, м/с"))};
    header.totals = {Tr(QT_TRANSLATE_NOOP("CsvHeader", "Энергия, Дж")),
                     Tr(QT_TRANSLATE_NOOP("CsvHeader", "Момент импульса, кг·м²/с")),
                     Tr(QT_TRANSLATE_NOOP("CsvHeader", "|ΔE/E0|"))};
    return header;
}

} // namespace orvane::measure
