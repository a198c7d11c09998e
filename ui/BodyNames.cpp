#include "BodyNames.h"

namespace orvane::ui {

QString BodyName(int body) {
    if (body < body::Sun || body > body::Count) return {};
    return QCoreApplication::translate(BodyNameContext, BodyNameSources[static_cast<std::size_t>(body)]);
}

} // namespace orvane::ui
