#pragma once

#include <cstdlib>
#include <string>

namespace orvane::driver {

// The locale a test run is made in. ORVANE_TEST_LOCALE names it (for example ru_RU.UTF-8) for the second
// run on a Russian desktop: the whole process then takes it, as a program started on that desktop would.
// Returns the name, or nothing for an ordinary run.
inline std::string UseTestLocale() {
    const char* name = std::getenv("ORVANE_TEST_LOCALE");
    if (name == nullptr || *name == '\0') return {};
    ::setenv("LANG", name, 1);
    ::setenv("LC_ALL", name, 1);
    return name;
}

} // namespace orvane::driver
