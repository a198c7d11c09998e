#include "AppDriver.h"

#include <QLocale>

#include <gtest/gtest.h>

int main(int argc, char* argv[]) {
    orvane::driver::OffscreenApplication app(argc, argv);
    // Numbers read the same on every machine; tests that need another locale set it themselves.
    QLocale::setDefault(QLocale::c());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
