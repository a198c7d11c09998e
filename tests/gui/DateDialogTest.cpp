// Loading the planets on a chosen date from the set-up window. Expected numbers were worked out separately
// from the published table of elements (the orbit in the plane of the ecliptic, velocity from the true
// anomaly, the program's G and masses).
#include "GuiTestSupport.h"

#include "DateDialog.h"
#include "Form1.h"
#include "PictureBox.h"
#include "VbTimer.h"

#include <QAction>
#include <QCalendarWidget>
#include <QContextMenuEvent>
#include <QDateEdit>
#include <QLocale>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <functional>

namespace orvane {
namespace {

using test::Click;
using test::Find;
using test::TextOf;

// Works the date dialog once it opens, as a user would; remembers whether it opened at all.
class DialogHand {
  public:
    explicit DialogHand(std::function<void(DateDialog*)> work) : work_(std::move(work)) {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            if (auto* dialog = qobject_cast<DateDialog*>(QApplication::activeModalWidget())) {
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
    std::function<void(DateDialog*)> work_;
    QTimer timer_;
};

// The entries of the popup menu that a right-click opens on the widget.
QStringList MenuEntries(QWidget* widget, QList<QAction*>* actions = nullptr) {
    QStringList entries;
    QTimer::singleShot(50, [&] {
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            for (QAction* action : menu->actions())
                entries << action->text();
            if (actions != nullptr) *actions = menu->actions();
            menu->close();
        }
    });
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(10, 10), widget->mapToGlobal(QPoint(10, 10)));
    QApplication::sendEvent(widget, &event);
    return entries;
}

// A cell's number, read with the run's decimal separator.
double Number(const QString& text) {
    return QString(text).replace(QLocale().decimalPoint(), QStringLiteral(".")).toDouble();
}

struct DateCommand : ::testing::Test {
    SimState state;
    Form1 form{state};

    void SetUp() override { form.show(); }
    void TearDown() override { form.Command5_Click(); }

    // The whole body table, to see that something changed nothing.
    bool TableUnchangedSince(const SimState& before) const {
        return state.BodyX == before.BodyX && state.BodyY == before.BodyY && state.BodyVx == before.BodyVx &&
               state.BodyVy == before.BodyVy && state.BodyAngle == before.BodyAngle &&
               state.PlanetAngle == before.PlanetAngle && state.BodyMassPct == before.BodyMassPct &&
               state.DataSetDate == before.DataSetDate;
    }
};

TEST_F(DateCommand, OfferedOnTheButtonAndBothScreensWithItsShortcut) {
    const QString entry = "Загрузить данные на другую дату…";
    auto* command2 = Find<QPushButton>(&form, "Command2");
    EXPECT_EQ(command2->text(), "Загрузить данные  на  1.1.2000 года");
    EXPECT_TRUE(command2->toolTip().contains("Ctrl+D"));
    EXPECT_TRUE(command2->toolTip().contains("другую дату"));

    QList<QAction*> actions;
    EXPECT_EQ(MenuEntries(command2, &actions), QStringList{entry});
    ASSERT_EQ(actions.size(), 1);
    EXPECT_EQ(actions[0]->shortcut(), QKeySequence("Ctrl+D"));
    EXPECT_TRUE(actions[0]->isShortcutVisibleInContextMenu());
    for (const char* screen : {"Picture1", "Picture2"}) {
        EXPECT_EQ(MenuEntries(Find<ui::PictureBox>(&form, screen), &actions),
                  (QStringList{"Сохранить изображение…", entry, "Язык / Language"}))
            << screen;
        EXPECT_EQ(actions.value(1), form.LoadOnDate) << screen;
    }
}

TEST_F(DateCommand, TheMenuEntryAndCtrlDOpenTheDialog) {
    {
        DialogHand hand([](DateDialog* dialog) { dialog->reject(); });
        QTimer::singleShot(50, [] {
            if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
                menu->setActiveAction(menu->actions().value(0));
                QTest::keyClick(menu, Qt::Key_Return);
            }
        });
        auto* command2 = Find<QPushButton>(&form, "Command2");
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), command2->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(command2, &event);
        EXPECT_TRUE(test::WaitUntil([&] { return hand.opened; }, 2000));
        EXPECT_EQ(hand.title, "Положения планет на дату");
    }
    for (QWidget* target : {static_cast<QWidget*>(&form), static_cast<QWidget*>(form.Text2[0])}) {
        form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
        target->setFocus();
        DialogHand hand([](DateDialog* dialog) { dialog->reject(); });
        QTest::keyClick(target, Qt::Key_D, Qt::ControlModifier);
        EXPECT_TRUE(test::WaitUntil([&] { return hand.opened; }, 2000)) << target->objectName().toStdString();
    }
}

TEST_F(DateCommand, TheDialogOffersTheCoveredDatesWithTodayFirst) {
    DateDialog dialog(&form);
    EXPECT_EQ(dialog.objectName(), "DateDialog");
    EXPECT_EQ(dialog.windowTitle(), "Положения планет на дату");
    auto* edit = Find<QDateEdit>(&dialog, "DateEdit");
    auto* calendar = Find<QCalendarWidget>(&dialog, "DateCalendar");
    EXPECT_EQ(Find<QPushButton>(&dialog, "LoadButton")->text(), "Загрузить");
    EXPECT_EQ(Find<QPushButton>(&dialog, "CancelButton")->text(), "Отмена");
    EXPECT_EQ(edit->minimumDate(), QDate(1800, 1, 1));
    EXPECT_EQ(edit->maximumDate(), QDate(2050, 12, 31));
    EXPECT_EQ(calendar->minimumDate(), QDate(1800, 1, 1));
    EXPECT_EQ(calendar->maximumDate(), QDate(2050, 12, 31));
    const QDate today = QDate::currentDate();
    if (today <= QDate(2050, 12, 31)) {
        EXPECT_EQ(edit->date(), today);
    }
    EXPECT_EQ(DateDialog::DefaultDate(QDate(2024, 2, 29)), QDate(2024, 2, 29));
    EXPECT_EQ(DateDialog::DefaultDate(QDate(2051, 1, 1)), QDate(2050, 12, 31));
    EXPECT_EQ(DateDialog::DefaultDate(QDate(1799, 12, 31)), QDate(1800, 1, 1));

    // The field and the calendar follow each other, and neither leaves the range.
    edit->setDate(QDate(1900, 3, 1));
    EXPECT_EQ(calendar->selectedDate(), QDate(1900, 3, 1));
    calendar->setSelectedDate(QDate(1969, 7, 20));
    EXPECT_EQ(edit->date(), QDate(1969, 7, 20));
    EXPECT_EQ(dialog.SelectedDate(), (CalendarDate{1969, 7, 20}));
    edit->setDate(QDate(1700, 1, 1));
    EXPECT_EQ(edit->date(), QDate(1800, 1, 1));
    edit->setDate(QDate(2100, 1, 1));
    EXPECT_EQ(edit->date(), QDate(2050, 12, 31));

    // Typing a date: day, month and year one after the other.
    dialog.show();
    edit->setFocus();
    edit->setSelectedSection(QDateTimeEdit::DaySection);
    QTest::keyClicks(edit, "09021986");
    EXPECT_EQ(edit->date(), QDate(1986, 2, 9)) << edit->text().toStdString();
    EXPECT_EQ(edit->text(), "09.02.1986");
}

TEST_F(DateCommand, MonthNamesFollowARussianDesktop) {
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    {
        DateDialog dialog(nullptr, QDate(2025, 1, 15));
        dialog.show();
        auto* month = dialog.findChild<QToolButton*>("qt_calendar_monthbutton");
        ASSERT_NE(month, nullptr);
        EXPECT_TRUE(month->text().startsWith("январ", Qt::CaseInsensitive)) << month->text().toStdString();
        Find<QCalendarWidget>(&dialog, "DateCalendar")->setSelectedDate(QDate(2025, 3, 8));
        EXPECT_TRUE(month->text().startsWith("март", Qt::CaseInsensitive)) << month->text().toStdString();
        EXPECT_EQ(Find<QCalendarWidget>(&dialog, "DateCalendar")->firstDayOfWeek(), Qt::Monday);
    }
    QLocale::setDefault(saved);
}

TEST_F(DateCommand, LoadingFillsTheTableLikeThe2000DataSet) {
    state.BodyMassPct(11) = 42;
    form.Text3[10]->setText("typed, not taken over");
    DialogHand hand([](DateDialog* dialog) {
        dialog->SetDate(QDate(1900, 3, 1));
        Find<QPushButton>(dialog, "LoadButton")->click();
    });
    form.LoadOnDate->trigger();
    ASSERT_TRUE(hand.opened);
    ASSERT_TRUE(state.DataSetDate.has_value());
    EXPECT_EQ(*state.DataSetDate, (CalendarDate{1900, 3, 1}));

    // Mars on 1.3.1900 at 0 h: x 168267.0 and y -120578.2 thousand km, vx 15047.52 and vy 21755.33 m/s,
    // at 324.37504 degrees; Jupiter at 240.49352 degrees.
    EXPECT_NEAR(Number(TextOf(&form, "Text3(4)")), 168267.0, 0.1);
    EXPECT_NEAR(Number(TextOf(&form, "Text4(4)")), -120578.2, 0.1);
    EXPECT_NEAR(Number(TextOf(&form, "Text5(4)")), 15047.52, 0.01);
    EXPECT_NEAR(Number(TextOf(&form, "Text6(4)")), 21755.33, 0.01);
    EXPECT_NEAR(Number(TextOf(&form, "Text1(4)")), 324.37504, 1e-5);
    EXPECT_NEAR(Number(TextOf(&form, "Text1(5)")), 240.49352, 1e-5);
    EXPECT_NEAR(state.PlanetAngle(6), 240.49352, 1e-5);
    // Every column is rewritten from the body table, the Sun's and the asteroid's too.
    EXPECT_EQ(TextOf(&form, "Text3(0)"), "0");
    EXPECT_EQ(TextOf(&form, "Text5(0)"), "0");
    EXPECT_EQ(TextOf(&form, "Text2(10)"), "42");
    EXPECT_EQ(TextOf(&form, "Text3(10)"), "-1000000");
    EXPECT_EQ(TextOf(&form, "Text2(4)"), test::Decimal("10.75"));
}

TEST_F(DateCommand, EnterLoadsAndEscapeOrCancelChangeNothing) {
    const SimState before = state;
    for (const Qt::Key key : {Qt::Key_Escape, Qt::Key_Return}) {
        DialogHand hand([key](DateDialog* dialog) {
            dialog->SetDate(QDate(2025, 6, 15));
            QTest::keyClick(Find<QDateEdit>(dialog, "DateEdit"), key);
        });
        form.LoadOnDate_Click();
        ASSERT_TRUE(hand.opened);
        if (key == Qt::Key_Escape) {
            EXPECT_TRUE(TableUnchangedSince(before));
        }
    }
    // The Earth on 15.6.2025: vx 29125.780824 m/s, at 263.816564 degrees.
    EXPECT_EQ(state.DataSetDate, (CalendarDate{2025, 6, 15}));
    EXPECT_NEAR(Number(TextOf(&form, "Text5(3)")), 29125.780824, 1e-3);
    EXPECT_NEAR(Number(TextOf(&form, "Text1(3)")), 263.816564, 1e-5);

    const SimState loaded = state;
    DialogHand cancel([](DateDialog* dialog) {
        dialog->SetDate(QDate(1950, 1, 1));
        Find<QPushButton>(dialog, "CancelButton")->click();
    });
    form.LoadOnDate_Click();
    ASSERT_TRUE(cancel.opened);
    EXPECT_TRUE(TableUnchangedSince(loaded));

    // Enter on a day of the calendar loads it too.
    DialogHand calendar([](DateDialog* dialog) {
        auto* view = Find<QCalendarWidget>(dialog, "DateCalendar");
        view->setSelectedDate(QDate(1986, 2, 9));
        view->setFocus();
        QTest::keyClick(view->focusWidget() != nullptr ? view->focusWidget() : view, Qt::Key_Return);
    });
    form.LoadOnDate_Click();
    ASSERT_TRUE(calendar.opened);
    EXPECT_EQ(state.DataSetDate, (CalendarDate{1986, 2, 9}));
}

TEST_F(DateCommand, ARunningOrbitRunIsStoppedFirst) {
    Click(&form, "Option4"); // Mars
    Click(&form, "Command6");
    ASSERT_EQ(form.OrbitRunPlanet(), 5);
    ASSERT_TRUE(form.Timer1->Delivering());
    DialogHand hand([](DateDialog* dialog) {
        dialog->SetDate(QDate(1900, 3, 1));
        dialog->accept();
    });
    form.LoadOnDate_Click();
    ASSERT_TRUE(hand.opened);
    EXPECT_EQ(form.OrbitRunPlanet(), 0);
    EXPECT_FALSE(form.Timer1->Delivering());
    const double marsX = state.BodyX(5);
    test::Wait(50);
    EXPECT_EQ(state.BodyX(5), marsX);
    EXPECT_NEAR(marsX / 1e6, 168267.0, 0.1);
}

TEST_F(DateCommand, DatesOutsideTheTableAreRefusedWithAMessage) {
    const SimState before = state;
    test::MessageCatcher catcher;
    form.LoadDataSetOn({1799, 12, 31});
    form.LoadDataSetOn({2051, 1, 1});
    ASSERT_EQ(catcher.texts.size(), 2);
    EXPECT_EQ(catcher.texts[0],
              "Положения планет известны только для дат с 1.1.1800 по 31.12.2050, а не на 31.12.1799.");
    EXPECT_TRUE(catcher.texts[1].endsWith("а не на 1.1.2051."));
    EXPECT_EQ(catcher.titles[0], "Orvane2.0");
    EXPECT_TRUE(TableUnchangedSince(before));
    EXPECT_EQ(TextOf(&form, "Text1(3)"), "275");

    // Nor does a refused date stop a repositioning run.
    Click(&form, "Option4");
    Click(&form, "Command6");
    form.LoadDataSetOn({1799, 12, 31});
    EXPECT_EQ(catcher.texts.size(), 3);
    EXPECT_EQ(form.OrbitRunPlanet(), 5);
}

} // namespace
} // namespace orvane
