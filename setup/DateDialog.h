#pragma once

#include "Calendar.h"

#include <QDate>
#include <QDialog>

class QCalendarWidget;
class QDateEdit;

namespace orvane {

// Asks for the date whose planet positions the set-up window loads: a date field and a calendar that
// follow each other, limited to the dates the planet elements cover. Enter loads, Escape cancels. Month
// and day names follow the user's locale.
class DateDialog : public QDialog {
    Q_OBJECT
  public:
    explicit DateDialog(QWidget* parent = nullptr, QDate initial = DefaultDate(QDate::currentDate()));

    CalendarDate SelectedDate() const;
    void SetDate(QDate date);

    static QDate FirstDate();
    static QDate LastDate();
    // Today when it lies in the range; otherwise the nearest end of the range.
    static QDate DefaultDate(QDate today);

  private:
    QDateEdit* dateEdit_ = nullptr;
    QCalendarWidget* calendar_ = nullptr;
};

} // namespace orvane
