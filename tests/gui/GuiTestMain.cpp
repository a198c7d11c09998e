#include "AppDriver.h"
#include "GuiTestSupport.h"
#include "Language.h"
#include "TestLocale.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QLocale>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>

#include <clocale>
#include <cstdio>
#include <string>

#include <gtest/gtest.h>

namespace {

// A message box that no test expects is closed at once and fails the running test with its text: a
// fault that raises one must show up as a failure, never as a suite waiting for a click. Other dialogs
// (a date, a file) are answered by the tests that open them within moments; one left open for seconds
// is closed the same way.
class UnexpectedDialogWatch {
  public:
    void Check() {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog != seen_) {
            seen_ = dialog;
            since_.start();
        }
        if (dialog == nullptr) return;
        auto* box = qobject_cast<QMessageBox*>(dialog);
        if (box != nullptr && orvane::test::LiveMessageCatchers() > 0) return; // the test answers it itself
        if (box == nullptr && since_.elapsed() < 3000) return;
        const QString text = box != nullptr ? box->text() : dialog->windowTitle();
        ADD_FAILURE() << "Unexpected " << (box != nullptr ? "message box" : "dialog") << ": "
                      << text.toStdString();
        QAbstractButton* ok = box != nullptr ? box->button(QMessageBox::Ok) : nullptr;
        if (ok != nullptr)
            ok->click();
        else
            dialog->reject();
    }

  private:
    QPointer<QDialog> seen_;
    QElapsedTimer since_;
};

} // namespace

int main(int argc, char* argv[]) {
    // Numbers read the same on every machine, in the C locale, unless ORVANE_TEST_LOCALE names the
    // locale to run the suites in (the second run, on a Russian desktop); tests that need yet another
    // locale set it themselves. The application takes the C library's locale from the environment.
    const std::string locale = orvane::driver::UseTestLocale();
    orvane::driver::OffscreenApplication app(argc, argv);
    const QString language = QString::fromStdString(locale).section(QLatin1Char('.'), 0, 0);
    QLocale::setDefault(locale.empty() ? QLocale::c() : QLocale(language));
    if (!locale.empty()) {
        std::printf("Locale of the run: %s; the C library's numbers: %s, decimal point '%s'\n",
                    qPrintable(QLocale().name()), std::setlocale(LC_NUMERIC, nullptr),
                    std::localeconv()->decimal_point);
        if (QLocale().language() == QLocale::C || QLocale().name() != language ||
            std::setlocale(LC_NUMERIC, nullptr) != locale) {
            std::fprintf(stderr, "The locale %s is not known\n", locale.c_str());
            return 1;
        }
    }
    ::testing::InitGoogleTest(&argc, argv);
    // The program's settings go to a file of the suite's own, never the user's.
    const orvane::driver::OwnSettingsFile settings;

    QTimer watch;
    watch.setInterval(10);
    UnexpectedDialogWatch dialogs;
    QObject::connect(&watch, &QTimer::timeout, [&dialogs] { dialogs.Check(); });
    watch.start();
    return RUN_ALL_TESTS();
}
