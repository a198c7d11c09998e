#include "DateDialog.h"

#include "Ephemeris.h"
#include "Language.h"

#include <algorithm>

#include <QCalendarWidget>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

namespace orvane {

namespace {
QDate ToQDate(const CalendarDate& date) {
    return QDate(date.year, date.month, date.day);
}
} // namespace

QDate DateDialog::FirstDate() {
    return ToQDate(FirstEphemerisDate);
}

QDate DateDialog::LastDate() {
    return ToQDate(LastEphemerisDate);
}

QDate DateDialog::DefaultDate(QDate today) {
    if (!today.isValid()) return QDate(2000, 1, 1);
    return std::clamp(today, FirstDate(), LastDate());
}

DateDialog::DateDialog(QWidget* parent, QDate initial) : QDialog(parent) {
    setObjectName(QStringLiteral("DateDialog"));
    setWindowTitle(tr("Положения планет на дату"));

    auto* prompt = new QLabel(tr("Дата (с 1.1.1800 по 31.12.2050):"), this);
    prompt->setObjectName(QStringLiteral("DateLabel"));
    dateEdit_ = new QDateEdit(this);
    dateEdit_->setObjectName(QStringLiteral("DateEdit"));
    // Day, month and year as Russian readers write them, whatever the desktop's own short format.
    dateEdit_->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    dateEdit_->setDateRange(FirstDate(), LastDate());
    prompt->setBuddy(dateEdit_);

    calendar_ = new QCalendarWidget(this);
    calendar_->setObjectName(QStringLiteral("DateCalendar"));
    calendar_->setDateRange(FirstDate(), LastDate());
    calendar_->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    calendar_->setGridVisible(true);
    // Month and day names in the program's language; the week still starts on Monday.
    if (ui::CurrentLanguage() == ui::Language::English)
        calendar_->setLocale(QLocale(QLocale::English, QLocale::UnitedKingdom));

    auto* load = new QPushButton(tr("Загрузить"), this);
    load->setObjectName(QStringLiteral("LoadButton"));
    load->setDefault(true);
    auto* cancel = new QPushButton(tr("Отмена"), this);
    cancel->setObjectName(QStringLiteral("CancelButton"));
    cancel->setAutoDefault(false);

    auto* fieldRow = new QHBoxLayout;
    fieldRow->addWidget(prompt);
    fieldRow->addWidget(dateEdit_, 1);
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch(1);
    buttonRow->addWidget(load);
    buttonRow->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fieldRow);
    layout->addWidget(calendar_);
    layout->addLayout(buttonRow);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(dateEdit_, &QDateEdit::dateChanged, calendar_, &QCalendarWidget::setSelectedDate);
    connect(calendar_, &QCalendarWidget::selectionChanged, this,
            [this] { dateEdit_->setDate(calendar_->selectedDate()); });
    // The calendar keeps Enter for itself; taking a day with Enter or a double click loads it.
    connect(calendar_, &QCalendarWidget::activated, this, &QDialog::accept);
    connect(load, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    SetDate(DefaultDate(initial));
    dateEdit_->setFocus();
}

void DateDialog::SetDate(QDate date) {
    dateEdit_->setDate(date);
    calendar_->setSelectedDate(dateEdit_->date());
}

CalendarDate DateDialog::SelectedDate() const {
    const QDate date = dateEdit_->date();
    return {date.year(), date.month(), date.day()};
}

} // namespace orvane
