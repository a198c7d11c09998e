#pragma once

class QButtonGroup;
class QWidget;

namespace orvane::ui {

// Makes the option buttons that lie directly on `container` one exclusive group: once one is chosen,
// exactly one is, and choosing the chosen one again keeps it. Qt's own exclusivity of option buttons
// takes in those of the frames inside the container too and then gives up; a group of its own does not.
QButtonGroup* GroupOptions(QWidget* container);

} // namespace orvane::ui
