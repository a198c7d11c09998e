// The core's tests start as the program does: the C library's locale is taken from the environment (Qt
// does so at start), so the run under a Russian locale shows whether anything in the core depends on it.
#include <gtest/gtest.h>

#include <clocale>

int main(int argc, char* argv[]) {
    std::setlocale(LC_ALL, "");
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
