// The core's tests start as the program does: the C library's locale is taken from the environment (Qt
// does so at start), so the run under a Russian locale shows whether anything in the core depends on it.
#include "TestLocale.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <cstring>
#include <string>

int main(int argc, char* argv[]) {
    const std::string locale = orvane::driver::UseTestLocale();
    const char* taken = std::setlocale(LC_ALL, "");
    if (!locale.empty()) {
        std::printf("Locale of the run: %s, decimal point '%s'\n", taken != nullptr ? taken : "(none)",
                    std::localeconv()->decimal_point);
        if (taken == nullptr || locale != taken) {
            std::fprintf(stderr, "The locale %s is not known\n", locale.c_str());
            return 1;
        }
    }
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
