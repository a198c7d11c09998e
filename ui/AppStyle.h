#pragma once

#include <QIcon>
#include <QPixmap>

class QApplication;

namespace orvane::ui {

// The program's look: one style and a compact font, so every caption fits its twip-sized control.
void ApplyAppStyle(QApplication& app);

// The program's icon, a Sun with orbits, drawn in code at any size.
QPixmap DrawAppIcon(int size, bool small = false);
QIcon AppIcon();

} // namespace orvane::ui
