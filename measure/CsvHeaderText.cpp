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
    header.time = Tr("Время, сут");
    for (int body = body::Sun; body <= body::Count; ++body)
        header.bodies[static_cast<std::size_t>(body)] = ui::BodyName(body).toStdString();
    // Each is written after a body's name.
    header.bodyColumns = {Tr(" x, млн км"), Tr(" y, млн км"), Tr(" vx, м/с"), Tr(" vy, м/с")};
    header.totals = {Tr("Энергия, Дж"), Tr("Момент импульса, кг·м²/с"), Tr("|ΔE/E0|")};
    return header;
}

} // namespace orvane::measure
