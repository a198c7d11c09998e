#include "AppDriver.h"
#include "AppStyle.h"

#include <QApplication>
#include <QLocale>

#include <gtest/gtest.h>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    orvane::ui::ApplyAppStyle(app);
    QLocale::setDefault(QLocale::c());
    ::testing::InitGoogleTest(&argc, argv);
    const orvane::driver::OwnSettingsFile settings; // the program's settings in a file of the suite's own
    return RUN_ALL_TESTS();
}
