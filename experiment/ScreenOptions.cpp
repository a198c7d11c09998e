#include "ScreenOptions.h"

#include "Settings.h"

namespace orvane {

namespace {
constexpr auto BodyNamesKey = "experiment/bodyNames";
constexpr auto KeepTrailsKey = "experiment/keepTrails";
constexpr auto KeysKey = "experiment/keys";
constexpr auto LargeMarksKey = "experiment/largeMarks";
} // namespace

ScreenOptions LoadScreenOptions() {
    const auto settings = ui::OpenSettings();
    const auto flag = [&settings](const char* key) {
        return settings->value(QLatin1String(key), false).toBool();
    };
    return {flag(BodyNamesKey), flag(KeepTrailsKey), flag(KeysKey), flag(LargeMarksKey)};
}

void SaveScreenOptions(const ScreenOptions& options) {
    const auto settings = ui::OpenSettings();
    settings->setValue(QLatin1String(BodyNamesKey), options.bodyNames);
    settings->setValue(QLatin1String(KeepTrailsKey), options.keepTrails);
    settings->setValue(QLatin1String(KeysKey), options.keys);
    settings->setValue(QLatin1String(LargeMarksKey), options.largeMarks);
}

} // namespace orvane
