#pragma once

#include <QDate>
#include <QLocale>
#include <QString>

// How the engine shows a date as text (dtoc, GetDField): day, month and year in the order
// and with the separator of the short-date form, two digits for day and month.
struct DateForm {
    enum Order { MonthDayYear, DayMonthYear, YearMonthDay };
    Order order = MonthDayYear;
    QChar separator = QLatin1Char('/');
    bool fourDigitYears = true;

    QString format(const QDate& date) const; // blank date: blanks and separators
    // The same from a stored date (eight digits, year first) into width() bytes.
    void formatStored(const char* stamp, char* out) const;
    int width() const { return fourDigitYears ? 10 : 8; }
};

// The short-date form of a locale; the C and POSIX locales give MM/dd/yyyy.
DateForm dateFormOf(const QLocale& locale, bool fourDigitYears);

// The form the engine uses; starts as the system locale's, with two-digit years unless
// its short-date format has four.
DateForm dateDisplayForm();
void setDateDisplayForm(const DateForm& form);
// Switches the engine's form to four-digit years, keeping the system's order and separator.
void useFourDigitYears();

// Julian day number, the numeric key of a date (2000-01-01 is 2451545).
double julianDay(const QDate& date);
