#include "AppDriver.h"
#include "GuiTestSupport.h"

#include <QApplication>
#include <QDialog>
#include <QLocale>
#include <QMessageBox>
#include <QTimer>

#include <clocale>
#include <cstdio>

#include <gtest/gtest.h>

namespace {

// A message box or dialog that no test expects is closed at once and fails the running test with its
// text: a fault that raises one must show up as a failure, never as a suite waiting for a click.
void DismissUnexpectedDialog() {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (dialog == nullptr) return;
    auto* box = qobject_cast<QMessageBox*>(dialog);
    if (box != nullptr && orvane::test::LiveMessageCatchers() > 0) return; // the test answers it itself
    const QString text = box != nullptr ? box->text() : dialog->windowTitle();
    ADD_FAILURE() << "Unexpected " << (box != nullptr ? "message box" : "dialog") << ": "
                  << text.toStdString();
    QAbstractButton* ok = box != nullptr ? box->button(QMessageBox::Ok) : nullptr;
    if (ok != nullptr)
        ok->click();
    else
        dialog->reject();
}

} // namespace

int main(int argc, char* argv[]) {
    orvane::driver::OffscreenApplication app(argc,
                                             argv); // also takes the C library's locale from the environment
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

    QTimer watch;
    watch.setInterval(10);
    QObject::connect(&watch, &QTimer::timeout, &DismissUnexpectedDialog);
    watch.start();
    return RUN_ALL_TESTS();
}
