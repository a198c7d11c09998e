#include "BodyNames.h"

#include "Bodies.h"

#include <QCoreApplication>

#include <array>

namespace orvane::ui {

namespace {
constexpr std::array<const char*, body::Count + 1> Names{
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
} // namespace

QString BodyName(int body) {
    if (body < body::Sun || body > body::Count) return {};
    return QCoreApplication::translate("Bodies", Names[static_cast<std::size_t>(body)]);
}

} // namespace orvane::ui
