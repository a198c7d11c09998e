#include "ProgramSettings.h"

namespace orvane::ui {

std::unique_ptr<QSettings> ProgramSettings() {
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                       QStringLiteral("orvane"), QStringLiteral("orvane"));
}

} // namespace orvane::ui
