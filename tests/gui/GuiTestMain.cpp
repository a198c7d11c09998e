#include "AppStyle.h"

#include <QApplication>
#include <QLocale>

#include <clocale>
#include <cstdio>

#include <gtest/gtest.h>

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv); // also takes the C library's locale from the environment
    orvane::ui::ApplyAppStyle(app);
    // Numbers read the same on every machine, in the C locale, unless ORVANE_TEST_LOCALE names the
    // locale to run the suites in (the second run, on a Russian desktop); tests that need yet another
    // locale set it themselves.
    const QByteArray locale = qgetenv("ORVANE_TEST_LOCALE");
    QLocale::setDefault(locale.isEmpty() ? QLocale::c() : QLocale(QString::fromLatin1(locale)));
    if (!locale.isEmpty()) {
        std::printf("Locale of the run: %s; the C library's numbers: %s, decimal point '%s'\n",
                    qPrintable(QLocale().name()), std::setlocale(LC_NUMERIC, nullptr),
                    std::localeconv()->decimal_point);
        if (QLocale().language() == QLocale::C || QLocale().name() != QString::fromLatin1(locale)) {
            std::fprintf(stderr, "The locale %s is not known\n", locale.constData());
            return 1;
        }
    }
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
