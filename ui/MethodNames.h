#pragma once

#include "SolverMethod.h"

#include <QString>

namespace orvane::ui {

// The name of a method of solving in the user's language, for the menu, the windows and the CSV file.
QString MethodName(SolverMethod method);

// The experiment window's caption: "Orvane2.0" while the run is solved by Runge–Kutta, the method the
// program has always used; the caption names any other method.
QString ExperimentCaption(SolverMethod method);

} // namespace orvane::ui
