#pragma once

#include "Bodies.h"

#include <QCoreApplication>
#include <QString>

#include <array>
#include <cstddef>

namespace orvane::ui {

// The bodies' names in Russian, the source texts of the translation context BodyNameContext; body 0
// has none.
inline constexpr const char* BodyNameContext = "Bodies";
inline constexpr std::array<const char*, body::Count + 1> BodyNameSources{
    nullptr,
    QT_TRANSLATE_NOOP("Bodies", "Солнце"),
    QT_TRANSLATE_NOOP("Bodies", "Меркурий"),
    QT_TRANSLATE_NOOP("Bodies", "Венера"),
    QT_TRANSLATE_NOOP("Bodies", "Земля"),
    QT_TRANSLATE_NOOP("Bodies", "Марс"),
    QT_TRANSLATE_NOOP("Bodies", "Юпитер"),
    QT_TRANSLATE_NOOP("Bodies", "Сатурн"),
    QT_TRANSLATE_NOOP("Bodies", "Уран"),
    QT_TRANSLATE_NOOP("Bodies", "Нептун"),
    QT_TRANSLATE_NOOP("Bodies", "Плутон"),
    QT_TRANSLATE_NOOP("Bodies", "Астероид"),
};

// The name of body 1..11 as the windows show it, in the user's language; empty for any other index.
QString BodyName(int body);

} // namespace orvane::ui
