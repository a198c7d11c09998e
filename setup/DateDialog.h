#pragma once

#include "Calendar.h"
#include "DateText.h"

#include <QDate>
#include <QDialog>

class QCalendarWidget;
class QLineEdit;

namespace orvane {

// Asks for the date whose planet positions the set-up window loads: a date field and a calendar that
// follow each other, limited to the dates the planet elements cover. The field takes the date as typed,
// day, month and year (Д.М.ГГГГ); "Загрузить" or Enter reads the whole text, and a text that is no date,
// no day of the calendar or outside the range is answered with a message while the dialog stays open.
// Enter on a focused button presses that button; Escape cancels. Month and day names follow the user's
// locale.
class DateDialog : public QDialog {
    Q_OBJECT
  public:
    explicit DateDialog(QWidget* parent = nullptr, QDate initial = DefaultDate(QDate::currentDate()));

    // The date the field holds when it holds one; otherwise the calendar's.
    CalendarDate SelectedDate() const;
    void SetDate(QDate date);

    static QDate FirstDate();
    static QDate LastDate();
    // Today when it lies in the range; otherwise the nearest end of the range.
    static QDate DefaultDate(QDate today);
    // A date as the field shows it: day, month and year without leading zeros.
    static QString DateText(QDate date);

    // Takes the typed date, or explains why not and leaves the dialog open with the text selected.
    void accept() override;

  private:
    DateTextRead ReadTyped() const;
    void FollowTypedText();
    void FollowCalendar();
    QString RefusalOf(const DateTextRead& read) const;

    QLineEdit* dateEdit_ = nullptr;
    QCalendarWidget* calendar_ = nullptr;
};

} // namespace orvane
