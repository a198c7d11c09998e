#pragma once

#include <QString>

namespace orvane::ui {

// The name of body 1..11 (the Sun, the planets, the asteroid) in the program's language.
QString BodyName(int body);

} // namespace orvane::ui
