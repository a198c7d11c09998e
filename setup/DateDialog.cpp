#include "DateDialog.h"

#include "ErrorText.h"

#include "Ephemeris.h"
#include "Language.h"
#include "MessageBox.h"
#include "NumberText.h"

#include <algorithm>

#include <QCalendarWidget>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
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
    if (!today.isValid()) return ToQDate(EpochDate);
    return std::clamp(today, FirstDate(), LastDate());
}

QString DateDialog::DateText(QDate date) {
    return ui::DateToText({date.year(), date.month(), date.day()});
}

DateDialog::DateDialog(QWidget* parent, QDate initial) : QDialog(parent) {
    setObjectName(QStringLiteral("DateDialog"));
    setWindowTitle(tr("Положения планет на дату"));

    auto* prompt =
        //: %1 and %2 are the first and the last date the planets' positions are known for.
        new QLabel(tr("Дата (с %1 по %2):").arg(DateText(FirstDate()), DateText(LastDate())), this);
    prompt->setObjectName(QStringLiteral("DateLabel"));
    // A plain text field: the date is read as typed, as a whole, never part by part.
    dateEdit_ = new QLineEdit(this);
    dateEdit_->setObjectName(QStringLiteral("DateEdit"));
    //: The pattern of a date: day, month, year (D.M.YYYY).
    dateEdit_->setPlaceholderText(tr("Д.М.ГГГГ"));
    dateEdit_->setToolTip(tr("День, месяц и год через точку, например 1.3.1900 или 01.03.1900"));
    dateEdit_->setMaxLength(40);
    prompt->setBuddy(dateEdit_);

    calendar_ = new QCalendarWidget(this);
    calendar_->setObjectName(QStringLiteral("DateCalendar"));
    calendar_->setDateRange(FirstDate(), LastDate());
    calendar_->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    calendar_->setGridVisible(true);
    // Month and day names in the program's language; the week still starts on Monday.
    calendar_->setLocale(ui::LocaleOf(ui::CurrentLanguage()));

    // Enter loads, unless a button has the focus: then it presses that button, as everywhere.
    auto* load = new QPushButton(tr("Загрузить"), this);
    load->setObjectName(QStringLiteral("LoadButton"));
    load->setDefault(true);
    auto* cancel = new QPushButton(tr("Отмена"), this);
    cancel->setObjectName(QStringLiteral("CancelButton"));

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

    connect(dateEdit_, &QLineEdit::textChanged, this, &DateDialog::FollowTypedText);
    connect(calendar_, &QCalendarWidget::selectionChanged, this, &DateDialog::FollowCalendar);
    // The calendar keeps Enter for itself; taking a day with Enter or a double click loads it.
    connect(calendar_, &QCalendarWidget::activated, this, &DateDialog::accept);
    connect(load, &QPushButton::clicked, this, &DateDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    SetDate(DefaultDate(initial));
    dateEdit_->setFocus();
    dateEdit_->selectAll(); // typing replaces the offered date
}

void DateDialog::SetDate(QDate date) {
    calendar_->setSelectedDate(date);
    dateEdit_->setText(DateText(calendar_->selectedDate()));
}

DateTextRead DateDialog::ReadTyped() const {
    return ReadDateText(dateEdit_->text().toStdString(), FirstEphemerisDate, LastEphemerisDate);
}

// A date typed in full moves the calendar to it; a text on its way to one leaves the calendar alone.
void DateDialog::FollowTypedText() {
    const DateTextRead read = ReadTyped();
    if (read.fault == DateTextFault::None) calendar_->setSelectedDate(ToQDate(read.date));
}

// A day chosen in the calendar is written into the field, unless the field already names it (as typed,
// perhaps with leading zeros).
void DateDialog::FollowCalendar() {
    const QDate chosen = calendar_->selectedDate();
    const DateTextRead read = ReadTyped();
    if (read.fault == DateTextFault::None && ToQDate(read.date) == chosen) return;
    dateEdit_->setText(DateText(chosen));
}

CalendarDate DateDialog::SelectedDate() const {
    const DateTextRead read = ReadTyped();
    if (read.fault == DateTextFault::None) return read.date;
    const QDate date = calendar_->selectedDate();
    return {date.year(), date.month(), date.day()};
}

QString DateDialog::RefusalOf(const DateTextRead& read) const {
    const std::optional<Error> error = DateTextError(read, dateEdit_->text().trimmed().toStdString());
    return error ? ui::ErrorText(*error) : QString();
}

void DateDialog::accept() {
    const DateTextRead read = ReadTyped();
    if (read.fault != DateTextFault::None) {
        ui::ShowMessage(this, RefusalOf(read));
        dateEdit_->setFocus();
        dateEdit_->selectAll();
        return;
    }
    calendar_->setSelectedDate(ToQDate(read.date));
    QDialog::accept();
}

} // namespace orvane
