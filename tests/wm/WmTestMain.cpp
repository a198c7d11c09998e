#include "AppStyle.h"
#include "Settings.h"

#include <QApplication>
#include <QLocale>
#include <QTemporaryDir>

#include <gtest/gtest.h>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    orvane::ui::ApplyAppStyle(app);
    QLocale::setDefault(QLocale::c());
    ::testing::InitGoogleTest(&argc, argv);
    const QTemporaryDir settingsDir; // the program's settings in a file of the suite's own
    orvane::ui::UseSettingsFile(settingsDir.filePath(QStringLiteral("orvane.ini")));
    return RUN_ALL_TESTS();
}
