#pragma once

#include <QWidget>

namespace orvane::ui {

// The windows are laid out in twips; at 15 twips per logical pixel Qt's high-DPI scaling does the rest.
constexpr int TwipsPerPixel = 15;

constexpr int Tw(int twips) {
    return (twips + TwipsPerPixel / 2) / TwipsPerPixel;
}

inline void PlaceTw(QWidget* widget, int left, int top, int width, int height) {
    widget->setGeometry(Tw(left), Tw(top), Tw(width), Tw(height));
}

// The objectName of element `index` of a control array, e.g. "Text3(5)".
inline QString ArrayName(const char* base, int index) {
    return QStringLiteral("%1(%2)").arg(QLatin1String(base)).arg(index);
}

} // namespace orvane::ui
