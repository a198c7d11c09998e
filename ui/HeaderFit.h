#pragma once

#include <QHeaderView>

namespace orvane::ui {

// Keeps every line of a table's column headings whole as the table narrows: below the width at which
// the longest line of some heading would be cut, the headings' font shrinks just enough for it (to no
// less than `smallestShare` of the table's font); wider, the headings keep the table's own font. The
// headings' lines are those their texts break with "\n". Columns in Stretch mode share what the others leave.
void KeepHeadingLinesWhole(QHeaderView* header, double smallestShare = 0.7);

} // namespace orvane::ui
