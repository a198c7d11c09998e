#pragma once

#include "AppDriver.h"
#include "Form1.h"
#include "Form2.h"
#include "PictureBox.h"
#include "ProgramWindows.h"
#include "SimState.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>
#include <utility>

namespace orvane::test {

// Works a modal dialog of that kind once it opens, as a user would; remembers whether it opened at all
// and its title.
template <typename Dialog>
class ModalHand {
  public:
    explicit ModalHand(std::function<void(Dialog*)> work) : work_(std::move(work)) {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            if (auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget())) {
                timer_.stop();
                opened = true;
                title = dialog->windowTitle();
                work_(dialog);
            }
        });
        timer_.start();
    }
    bool opened = false;
    QString title;

  private:
    std::function<void(Dialog*)> work_;
    QTimer timer_;
};

// The entries of the popup menu that a right-click opens on the widget, each as `describe` tells it (by
// its text unless asked otherwise), and, if asked, its actions.
inline QStringList MenuEntries(QWidget* widget, QList<QAction*>* actions = nullptr,
                               const std::function<QString(const QAction*)>& describe = &QAction::text) {
    QStringList entries;
    QTimer::singleShot(50, [&] {
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            for (QAction* action : menu->actions())
                entries << describe(action);
            if (actions != nullptr) *actions = menu->actions();
            menu->close();
        }
    });
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(10, 10), widget->mapToGlobal(QPoint(10, 10)));
    QApplication::sendEvent(widget, &event);
    return entries;
}

using driver::LiveMessageCatchers;
using driver::MessageCatcher;

template <typename T = QWidget>
T* Find(QWidget* window, const QString& name) {
    T* widget = window->findChild<T*>(name);
    EXPECT_NE(widget, nullptr) << name.toStdString();
    return widget;
}

using driver::Wait;
using driver::WaitUntil;

inline void Click(QWidget* window, const QString& name) {
    EXPECT_TRUE(driver::Click(window, name)) << name.toStdString();
}

// A number's text with the decimal separator of the locale the suites run in.
inline QString Decimal(const char* plain) {
    return QString::fromUtf8(plain).replace(QLatin1Char('.'), QLocale().decimalPoint());
}

inline QString TextOf(QWidget* window, const QString& name) {
    auto* edit = Find<QLineEdit>(window, name);
    return edit != nullptr ? edit->text() : QString();
}

// The angle row shows the start-up angles of the nine planets.
inline void ExpectDefaultAngles(QWidget* setupWindow) {
    const QStringList angles{"70", "275", "275", "325", "320", "50", "225", "310", "240"};
    for (int k = 1; k <= 9; ++k)
        EXPECT_EQ(TextOf(setupWindow, QStringLiteral("Text1(%1)").arg(k)), angles[k - 1])
            << "Text1(" << k << ")";
}

// Waits until everything drawn so far has been presented.
inline bool Presented(const ui::PictureBox* box) {
    if (!WaitUntil([box] { return box->PendingRegion().isEmpty(); })) return false;
    Wait(40); // longer than the window's pacing interval
    return true;
}

// A 100 × 100 drawing area (the widget adds a border of one pixel, so it lies at (1, 1)) spanning
// -50..50 on both axes, cleared and on the screen.
struct Surface {
    QWidget window;
    ui::PictureBox* box = new ui::PictureBox(&window);
    Surface() {
        box->setGeometry(0, 0, 102, 102);
        window.resize(120, 120);
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
        box->Cls();
        box->Scale(-50, 50, 50, -50);
        Presented(box);
    }
    QRgb At(int x, int y) const { return box->Image().pixel(x, y) & 0xFFFFFF; }
};

// The set-up window on the screen and the experiment window its "Старт" opened.
struct ExperimentFixture : ::testing::Test {
    SimState state;
    ProgramWindows windows{state};
    Form1& setup = windows.Setup();
    QPointer<Form2> form;

    void SetUp() override {
        setup.show();
        Start();
    }
    void TearDown() override {
        if (form) form->close();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    void Start() {
        form = driver::StartExperiment(windows);
        ASSERT_NE(form, nullptr);
    }
    // Ticks without the timer: the run is paused first, so only these steps happen.
    void Ticks(int count) {
        Click(form, "Command4");
        for (int k = 0; k < count; ++k)
            Click(form, "Command1");
    }
    ui::PictureBox* Left() { return Find<ui::PictureBox>(form, "Picture1"); }
    ui::PictureBox* Overview() { return Find<ui::PictureBox>(form, "Picture2"); }
};

// The experiment window with its measurements at hand.
struct MeasurementsFixture : ExperimentFixture {
    measure::MeasurementsController* Controller() { return driver::MeasurementsOf(form); }
    measure::MeasurementsWindow* Open() { return driver::OpenMeasurements(form); }
};

// Counts the pixels of an image in one colour.
inline int CountColor(const QImage& image, QRgb color) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) == (color & 0xFFFFFF)) ++count;
    return count;
}

// Every caption of a window is shown in full: no button, option, frame or label cuts its text off.
inline void ExpectCaptionsFit(QWidget* window) {
    for (auto* button : window->findChildren<QPushButton*>()) {
        QStyleOptionButton option;
        option.initFrom(button);
        const QRect area = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        const QRect needed =
            button->fontMetrics().boundingRect(area, Qt::AlignCenter | Qt::TextWordWrap, button->text());
        EXPECT_TRUE(area.contains(needed))
            << button->objectName().toStdString() << " needs " << needed.width() << "x" << needed.height()
            << " in " << area.width() << "x" << area.height();
    }
    for (auto* option : window->findChildren<QRadioButton*>()) {
        EXPECT_LE(option->sizeHint().width(), option->width() + 2) << option->objectName().toStdString();
        EXPECT_LE(option->fontMetrics().height(), option->height() + 2) << option->objectName().toStdString();
    }
    for (auto* frame : window->findChildren<QGroupBox*>())
        EXPECT_LE(frame->fontMetrics().horizontalAdvance(frame->title()), frame->width())
            << frame->objectName().toStdString();
    for (auto* label : window->findChildren<QLabel*>()) {
        if (label->text().isEmpty()) continue;
        if (label->wordWrap())
            EXPECT_LE(label->heightForWidth(label->width()), label->height() + 3)
                << label->objectName().toStdString();
        else
            EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width())
                << label->objectName().toStdString();
    }
}

} // namespace orvane::test
