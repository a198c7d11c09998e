// Reading a date as the user types it into the date dialog.
#include "DateText.h"

#include <gtest/gtest.h>

#include <string>

namespace orvane {
namespace {

constexpr CalendarDate First{1800, 1, 1};
constexpr CalendarDate Last{2050, 12, 31};

DateTextRead Read(const std::string& text) {
    return ReadDateText(text, First, Last);
}

TEST(DateText, DayMonthAndYearWithOrWithoutLeadingZeros) {
    const struct {
        const char* text;
        CalendarDate date;
    } cases[] = {
        {"1.3.1900", {1900, 3, 1}},     {"01.03.1900", {1900, 3, 1}},     {"15.06.2025", {2025, 6, 15}},
        {"15.6.2025", {2025, 6, 15}},   {"31.12.2050", {2050, 12, 31}},   {"1.1.1800", {1800, 1, 1}},
        {"29.02.2000", {2000, 2, 29}},  {"29.2.2000", {2000, 2, 29}},     {"29022000", {2000, 2, 29}},
        {" 7.12.2026 ", {2026, 12, 7}}, {"7 . 12 . 2026", {2026, 12, 7}}, {"29.2.2024", {2024, 2, 29}},
        {"1,3,1900", {1900, 3, 1}},     {"1.3,1900", {1900, 3, 1}},
    };
    for (const auto& c : cases) {
        const DateTextRead read = Read(c.text);
        EXPECT_EQ(read.fault, DateTextFault::None) << c.text;
        EXPECT_EQ(read.date, c.date) << c.text;
    }
}

TEST(DateText, DaysTheCalendarDoesNotHave) {
    for (const char* text : {"29.2.1900", "30.2.2024", "31.4.2000", "0.1.2000", "1.0.2000", "1.13.2000",
                             "32.1.2000", "29.2.2100", "00000000", "31062025"}) {
        const DateTextRead read = Read(text);
        EXPECT_EQ(read.fault, DateTextFault::NotInCalendar) << text;
    }
    // The calendar's question comes first: a day that never was is not "outside the range".
    EXPECT_EQ(Read("29.2.1700").fault, DateTextFault::NotInCalendar);
}

TEST(DateText, RealDaysOutsideTheRangeAreMarkedSo) {
    const struct {
        const char* text;
        CalendarDate date;
    } cases[] = {{"31.12.1799", {1799, 12, 31}},
                 {"1.1.2051", {2051, 1, 1}},
                 {"01012051", {2051, 1, 1}},
                 {"1.1.0001", {1, 1, 1}},
                 {"31.12.9999", {9999, 12, 31}}};
    for (const auto& c : cases) {
        const DateTextRead read = Read(c.text);
        EXPECT_EQ(read.fault, DateTextFault::OutsideRange) << c.text;
        EXPECT_EQ(read.date, c.date) << c.text;
    }
    // The range is the caller's.
    EXPECT_EQ(ReadDateText("1.1.2000", {2000, 1, 2}, Last).fault, DateTextFault::OutsideRange);
    EXPECT_EQ(ReadDateText("1.1.2000", {2000, 1, 1}, {2000, 1, 1}).fault, DateTextFault::None);
}

TEST(DateText, TextThatIsNoDate) {
    EXPECT_EQ(Read("").fault, DateTextFault::Empty);
    EXPECT_EQ(Read("   ").fault, DateTextFault::Empty);
    for (const char* text :
         {"abc",         "15.12.0000x", "1.3",       "1.3.",      "1.3.25",     "1.3.02025",
          "1.3.1900.",   ".1.3.1900",   "1..3.1900", "1.3.19 00", "123.1.2000", "1.123.2000",
          "-1.3.1900",   "1;3;1900",    "1/3/1900",  "2902200",   "290220001",  "29.02.2000 12:00",
          "1.3.1900 г.", "١.٣.١٩٠٠"}) {
        EXPECT_EQ(Read(text).fault, DateTextFault::NotADate) << text;
    }
}

} // namespace
} // namespace orvane
