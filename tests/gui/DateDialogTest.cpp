// Loading the planets on a chosen date from the set-up window. Expected numbers were worked out separately
// from the published table of elements (the orbit in the plane of the ecliptic, velocity from the true
// anomaly, the program's G and masses).
#include "GuiTestSupport.h"

#include "Bodies.h"
#include "DataSetOnDate.h"
#include "DateDialog.h"
#include "Form1.h"
#include "Form2.h"
#include "PictureBox.h"
#include "ProgramWindows.h"
#include "StateLayout.h"
#include "VbTimer.h"

#include <QAction>
#include <QCalendarWidget>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include <cmath>
#include <functional>
#include <memory>
#include <optional>

namespace orvane {
namespace {

using test::Click;
using test::Find;
using test::TextOf;

using DialogHand = test::ModalHand<DateDialog>;
using test::MenuEntries;

// A cell's number, read with the run's decimal separator.
double Number(const QString& text) {
    return QString(text).replace(QLocale().decimalPoint(), QStringLiteral(".")).toDouble();
}

struct DateCommand : ::testing::Test {
    SimState state;
    ProgramWindows windows{state};
    Form1& form = windows.Setup();

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
                  (QStringList{"Сохранить изображение…", entry, "Опыты для урока…",
                               "Сохранить как опыт для урока…", "Язык / Language", "Метод решения"}))
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
    auto* edit = Find<QLineEdit>(&dialog, "DateEdit");
    auto* calendar = Find<QCalendarWidget>(&dialog, "DateCalendar");
    EXPECT_EQ(Find<QPushButton>(&dialog, "LoadButton")->text(), "Загрузить");
    EXPECT_EQ(Find<QPushButton>(&dialog, "CancelButton")->text(), "Отмена");
    EXPECT_EQ(Find<QLabel>(&dialog, "DateLabel")->text(), "Дата (с 1.1.1800 по 31.12.2050):");
    EXPECT_EQ(edit->placeholderText(), "Д.М.ГГГГ");
    EXPECT_TRUE(edit->toolTip().contains("01.03.1900")) << edit->toolTip().toStdString();
    EXPECT_EQ(calendar->minimumDate(), QDate(1800, 1, 1));
    EXPECT_EQ(calendar->maximumDate(), QDate(2050, 12, 31));
    const QDate today = QDate::currentDate();
    if (today <= QDate(2050, 12, 31)) {
        EXPECT_EQ(edit->text(),
                  QStringLiteral("%1.%2.%3").arg(today.day()).arg(today.month()).arg(today.year()));
        EXPECT_EQ(calendar->selectedDate(), today);
    }
    // The offered date is selected: typing replaces it.
    EXPECT_EQ(edit->selectedText(), edit->text());
    EXPECT_EQ(DateDialog::DefaultDate(QDate(2024, 2, 29)), QDate(2024, 2, 29));
    EXPECT_EQ(DateDialog::DefaultDate(QDate(2051, 1, 1)), QDate(2050, 12, 31));
    EXPECT_EQ(DateDialog::DefaultDate(QDate(1799, 12, 31)), QDate(1800, 1, 1));

    // The field and the calendar follow each other, and the calendar never leaves the range.
    edit->setText("1.3.1900");
    EXPECT_EQ(calendar->selectedDate(), QDate(1900, 3, 1));
    calendar->setSelectedDate(QDate(1969, 7, 20));
    EXPECT_EQ(edit->text(), "20.7.1969");
    EXPECT_EQ(dialog.SelectedDate(), (CalendarDate{1969, 7, 20}));
    dialog.SetDate(QDate(1700, 1, 1));
    EXPECT_EQ(edit->text(), "1.1.1800");
    dialog.SetDate(QDate(2100, 1, 1));
    EXPECT_EQ(edit->text(), "31.12.2050");
    EXPECT_EQ(calendar->selectedDate(), QDate(2050, 12, 31));

    // Typing a date: the text stays as typed, the calendar moves once the date is whole. A text on its
    // way to a date, or one outside the range, leaves the calendar where it was.
    dialog.show();
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, "09.02.19");
    EXPECT_EQ(calendar->selectedDate(), QDate(2050, 12, 31));
    QTest::keyClicks(edit, "86");
    EXPECT_EQ(calendar->selectedDate(), QDate(1986, 2, 9));
    EXPECT_EQ(edit->text(), "09.02.1986");
    edit->setText("1.1.1700");
    EXPECT_EQ(calendar->selectedDate(), QDate(1986, 2, 9));
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
    // at 324.37504 degrees; Jupiter at 240.49352 degrees. The body table keeps every digit ...
    EXPECT_NEAR(state.BodyX(5) / 1e6, 168267.0, 0.1);
    EXPECT_NEAR(state.BodyY(5) / 1e6, -120578.2, 0.1);
    EXPECT_NEAR(state.BodyVx(5), 15047.52, 0.01);
    EXPECT_NEAR(state.BodyVy(5), 21755.33, 0.01);
    EXPECT_NEAR(state.PlanetAngle(5), 324.37504, 1e-5);
    EXPECT_NEAR(state.PlanetAngle(6), 240.49352, 1e-5);
    // ... and the cells show what the parameter file would keep, whole thousands of km and whole m/s
    // (toward zero), with the angles to hundredths of a degree: every cell readable in its box.
    EXPECT_EQ(TextOf(&form, "Text3(4)"), "168266"); // 168266.998
    EXPECT_EQ(TextOf(&form, "Text4(4)"), "-120578");
    EXPECT_EQ(TextOf(&form, "Text5(4)"), "15047");
    EXPECT_EQ(TextOf(&form, "Text6(4)"), "21755");
    EXPECT_EQ(TextOf(&form, "Text1(4)"), test::Decimal("324.38"));
    EXPECT_EQ(TextOf(&form, "Text1(5)"), test::Decimal("240.49"));
    const struct {
        const char* row;
        BodyArray SimState::*value;
        double unit;
    } rows[] = {{"Text3", &SimState::BodyX, state.LengthUnit},
                {"Text4", &SimState::BodyY, state.LengthUnit},
                {"Text5", &SimState::BodyVx, 1},
                {"Text6", &SimState::BodyVy, 1}};
    for (int column = 1; column <= 9; ++column) {
        const int planet = column + 1;
        EXPECT_EQ(Number(TextOf(&form, QStringLiteral("Text1(%1)").arg(column))),
                  std::round(state.PlanetAngle(planet) * 100) / 100)
            << column;
        for (const auto& row : rows)
            EXPECT_EQ(Number(TextOf(&form, QStringLiteral("%1(%2)").arg(row.row).arg(column))),
                      std::trunc((state.*row.value)(planet) / row.unit))
                << row.row << "(" << column << ")";
        for (const char* row : {"Text1", "Text3", "Text4", "Text5", "Text6"}) {
            auto* cell = Find<QLineEdit>(&form, QStringLiteral("%1(%2)").arg(row).arg(column));
            const int room = cell->contentsRect().width() - 4; // the frame's inner margin
            EXPECT_LE(cell->fontMetrics().horizontalAdvance(cell->text()), room)
                << row << "(" << column << ") " << cell->text().toStdString();
        }
    }
    // The experiment starts from the full values, not from what the cells show.
    Click(&form, "Command1");
    ASSERT_NE(windows.ExperimentWindow(), nullptr);
    EXPECT_EQ(windows.ExperimentWindow()->Run().StateVec(state::X(body::Mars, body::Count)), state.BodyX(5));
    EXPECT_EQ(windows.ExperimentWindow()->Run().StateVec(state::Vx(body::Mars, body::Count)),
              state.BodyVx(5));
    windows.ExperimentWindow()->close();
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
            QTest::keyClick(Find<QLineEdit>(dialog, "DateEdit"), key);
        });
        form.LoadOnDate_Click();
        ASSERT_TRUE(hand.opened);
        if (key == Qt::Key_Escape) {
            EXPECT_TRUE(TableUnchangedSince(before));
        }
    }
    // The Earth on 15.6.2025 about a held Sun: vx 29125.737113 m/s, at 263.816564 degrees.
    EXPECT_EQ(state.DataSetDate, (CalendarDate{2025, 6, 15}));
    EXPECT_NEAR(state.BodyVx(4), 29125.737113, 1e-3);
    EXPECT_NEAR(state.PlanetAngle(4), 263.816564, 1e-5);
    EXPECT_EQ(TextOf(&form, "Text5(3)"), "29125");
    EXPECT_EQ(TextOf(&form, "Text1(3)"), test::Decimal("263.82"));

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
              "Положения планет известны только для дат с 1.1.1800 по 31.12.2050, а не на «31.12.1799». "
              "Введите дату в этих пределах.");
    EXPECT_TRUE(catcher.texts[1].endsWith("а не на «1.1.2051». Введите дату в этих пределах."));
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

// Types over the offered date into the field that has the focus, as a user does after Ctrl+D, and
// presses Enter there.
void TypeAndPressEnter(DateDialog* dialog, const QString& text) {
    QWidget* field = dialog->focusWidget(); // where the keyboard is while the dialog is active
    ASSERT_NE(field, nullptr);
    ASSERT_EQ(field->objectName(), "DateEdit");
    if (text.isEmpty())
        QTest::keyClick(field, Qt::Key_Delete);
    else
        QTest::keyClicks(field, text);
    EXPECT_EQ(Find<QLineEdit>(dialog, "DateEdit")->text(), text);
    QTest::keyClick(field, Qt::Key_Return);
}

TEST_F(DateCommand, TypedDatesLoadExactlyWhatWasTyped) {
    const struct {
        const char* typed;
        CalendarDate date;
    } cases[] = {
        {"15.06.2025", {2025, 6, 15}}, {"15.6.2025", {2025, 6, 15}},   {"01.03.1900", {1900, 3, 1}},
        {"1.3.1900", {1900, 3, 1}},    {"31.12.2050", {2050, 12, 31}}, {"29.02.2000", {2000, 2, 29}},
        {"29.2.2000", {2000, 2, 29}},  {"29022000", {2000, 2, 29}},    {"1.1.1800", {1800, 1, 1}},
        {"01.01.1800", {1800, 1, 1}},  {" 7.12.2026 ", {2026, 12, 7}}, {"8,3,1950", {1950, 3, 8}},
    };
    for (const auto& c : cases) {
        state.DataSetDate.reset();
        test::MessageCatcher catcher;
        DialogHand hand([&](DateDialog* dialog) { TypeAndPressEnter(dialog, QString::fromUtf8(c.typed)); });
        form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
        QTest::keyClick(&form, Qt::Key_D, Qt::ControlModifier);
        ASSERT_TRUE(test::WaitUntil([&] { return hand.opened; }, 2000)) << c.typed;
        EXPECT_EQ(state.DataSetDate, c.date) << c.typed;
        EXPECT_TRUE(catcher.texts.isEmpty()) << c.typed << ": " << catcher.texts.join('|').toStdString();
    }
    // The table is that date's, in every cell: Mars on 8.3.1950 (the last one loaded) as the core gives it.
    SimState expected = state;
    ASSERT_FALSE(LoadDataSetOnDate(expected, {1950, 3, 8}).has_value());
    EXPECT_EQ(state.BodyX(5), expected.BodyX(5));
    EXPECT_EQ(state.BodyVy(10), expected.BodyVy(10));
}

TEST_F(DateCommand, WrongDatesAreRefusedNamingTheTextAndTheDialogStaysOpen) {
    const QString range = "с 1.1.1800 по 31.12.2050";
    const struct {
        const char* typed;
        QString message;
    } cases[] = {
        {"31.12.1799", "Положения планет известны только для дат " + range +
                           ", а не на «31.12.1799». Введите дату в этих пределах."},
        {"1.1.2051", "Положения планет известны только для дат " + range +
                         ", а не на «1.1.2051». Введите дату в этих пределах."},
        {"01012051", "Положения планет известны только для дат " + range +
                         ", а не на «01012051». Введите дату в этих пределах."},
        {"29.2.1900", "Даты «29.2.1900» нет в календаре. Введите дату " + range + "."},
        {"30.2.2024", "Даты «30.2.2024» нет в календаре. Введите дату " + range + "."},
        {"31.4.2000", "Даты «31.4.2000» нет в календаре. Введите дату " + range + "."},
        {"abc", "«abc» — не дата. Введите день, месяц и год через точку (Д.М.ГГГГ), " + range + "."},
        {"15.12.0000x",
         "«15.12.0000x» — не дата. Введите день, месяц и год через точку (Д.М.ГГГГ), " + range + "."},
        {"1.3.25", "«1.3.25» — не дата. Введите день, месяц и год через точку (Д.М.ГГГГ), " + range + "."},
        {"", "Дата не введена. Введите день, месяц и год через точку (Д.М.ГГГГ), " + range + "."},
    };
    const SimState before = state;
    for (const auto& c : cases) {
        const QString typed = QString::fromUtf8(c.typed);
        test::MessageCatcher catcher;
        bool stayedOpen = false;
        QString selected;
        QString focus;
        DialogHand hand([&](DateDialog* dialog) {
            TypeAndPressEnter(dialog, typed);
            // Also by the button, with the mouse.
            Find<QPushButton>(dialog, "LoadButton")->click();
            stayedOpen = dialog->isVisible() && dialog->result() != QDialog::Accepted;
            selected = Find<QLineEdit>(dialog, "DateEdit")->selectedText();
            focus = dialog->focusWidget() != nullptr ? dialog->focusWidget()->objectName() : QString();
            dialog->reject();
        });
        form.LoadOnDate->trigger();
        ASSERT_TRUE(hand.opened) << c.typed;
        ASSERT_EQ(catcher.texts.size(), 2) << c.typed;
        EXPECT_EQ(catcher.texts[0], c.message);
        EXPECT_EQ(catcher.texts[1], c.message);
        EXPECT_EQ(catcher.titles[0], "Orvane2.0");
        EXPECT_TRUE(stayedOpen) << c.typed;
        EXPECT_EQ(selected, typed) << c.typed;
        EXPECT_EQ(focus, "DateEdit") << c.typed;
        EXPECT_TRUE(TableUnchangedSince(before)) << c.typed;
    }
    EXPECT_EQ(TextOf(&form, "Text1(3)"), "275");
}

TEST_F(DateCommand, EnterOnAFocusedButtonPressesThatButton) {
    const SimState before = state;
    // Typed, then Tab to «Отмена» and Enter (or the keypad's Enter): nothing is loaded.
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
        DialogHand hand([key](DateDialog* dialog) {
            TypeAndPressEnter(dialog, {}); // an empty field is refused ...
            QTest::keyClicks(Find<QLineEdit>(dialog, "DateEdit"), "1.3.1900");
            auto* cancel = Find<QPushButton>(dialog, "CancelButton");
            cancel->setFocus(Qt::TabFocusReason);
            ASSERT_EQ(dialog->focusWidget(), cancel);
            QTest::keyClick(cancel, key);
        });
        test::MessageCatcher catcher;
        form.LoadOnDate_Click();
        ASSERT_TRUE(hand.opened);
        EXPECT_EQ(catcher.texts.size(), 1); // ... only the empty field
        EXPECT_TRUE(TableUnchangedSince(before)) << key;
    }
    // Enter on a focused «Загрузить» loads.
    DialogHand load([](DateDialog* dialog) {
        QTest::keyClicks(Find<QLineEdit>(dialog, "DateEdit"), "1.3.1900");
        auto* button = Find<QPushButton>(dialog, "LoadButton");
        button->setFocus(Qt::TabFocusReason);
        QTest::keyClick(button, Qt::Key_Enter);
    });
    form.LoadOnDate_Click();
    ASSERT_TRUE(load.opened);
    EXPECT_EQ(state.DataSetDate, (CalendarDate{1900, 3, 1}));

    // Whatever buttons the dialog has: Enter on each presses that one and no other.
    DateDialog dialog(&form, QDate(2000, 1, 1));
    const QList<QPushButton*> buttons = dialog.findChildren<QPushButton*>();
    ASSERT_EQ(buttons.size(), 2);
    for (QPushButton* focused : buttons) {
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
            dialog.show();
            QList<std::shared_ptr<QSignalSpy>> spies;
            for (QPushButton* button : buttons)
                spies << std::make_shared<QSignalSpy>(button, &QPushButton::clicked);
            focused->setFocus(Qt::TabFocusReason);
            QTest::keyClick(focused, key);
            for (int k = 0; k < buttons.size(); ++k)
                EXPECT_EQ(spies[k]->count(), buttons[k] == focused ? 1 : 0)
                    << focused->objectName().toStdString() << " focused, "
                    << buttons[k]->objectName().toStdString();
            EXPECT_FALSE(dialog.isVisible());
        }
    }
}

TEST_F(DateCommand, EnterOnTheMessagesOkClosesIt) {
    // The message's one button is also the one Enter presses.
    bool closedByEnter = false;
    QTimer::singleShot(20, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            QAbstractButton* ok = box->button(QMessageBox::Ok);
            ok->setFocus();
            QTest::keyClick(ok, Qt::Key_Return);
            closedByEnter = !box->isVisible();
        }
    });
    test::MessageCatcher late(500); // answers it if Enter did not
    form.LoadDataSetOn({1799, 12, 31});
    EXPECT_TRUE(closedByEnter);
}

} // namespace
} // namespace orvane
