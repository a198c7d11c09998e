#pragma once

#include "AppDriver.h"
#include "SimState.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QImage>
#include <QLineEdit>
#include <QLocale>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

namespace orvane::test {

using driver::LiveMessageCatchers;
using driver::MessageCatcher;

template <typename T = QWidget>
T* Find(QWidget* window, const QString& name) {
    T* widget = window->findChild<T*>(name);
    EXPECT_NE(widget, nullptr) << name.toStdString();
    return widget;
}

// Lets the event loop run for a while, delivering timer events as they fall due (QTest::qWait sleeps
// in steps of 10 ms between them).
inline void Wait(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// Lets the event loop run until the condition holds or the time is up; tells whether it holds. Timer
// rates differ from machine to machine (and under the sanitizers): only the limit is generous.
template <typename Condition>
bool WaitUntil(Condition condition, int limitMs = 5000) {
    QElapsedTimer clock;
    clock.start();
    while (!condition() && clock.elapsed() < limitMs)
        Wait(2);
    return condition();
}

inline void Click(QWidget* window, const QString& name) {
    EXPECT_TRUE(driver::Click(window, name)) << name.toStdString();
}

// A number's text with the decimal separator of the locale the suites run in.
inline QString Decimal(const char* plain) {
    return QString::fromLatin1(plain).replace(QLatin1Char('.'), QLocale().decimalPoint());
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

// Counts the pixels of an image in one colour.
inline int CountColor(const QImage& image, QRgb color) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) == (color & 0xFFFFFF)) ++count;
    return count;
}

} // namespace orvane::test

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>

namespace orvane::test {

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
