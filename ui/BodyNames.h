#pragma once

#include <QString>

namespace orvane::ui {

// The name of body 1..11 as the windows show it, in the user's language (the Russian names are the
// source texts of the context "Bodies"); empty for any other index.
QString BodyName(int body);

} // namespace orvane::ui
