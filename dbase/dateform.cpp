#include "dateform.h"

#include <optional>

namespace {

std::optional<DateForm>& current() {
    static std::optional<DateForm> form;
    return form;
}

bool isPosix(const QLocale& locale) {
    return locale.language() == QLocale::C || locale.name() == QLatin1String("C");
}

} // namespace

QString DateForm::format(const QDate& date) const {
    const int yearWidth = fourDigitYears ? 4 : 2;
    QString d, m, y;
    if (date.isValid()) {
        d = QStringLiteral("%1").arg(date.day(), 2, 10, QLatin1Char('0'));
        m = QStringLiteral("%1").arg(date.month(), 2, 10, QLatin1Char('0'));
        y = QStringLiteral("%1").arg(fourDigitYears ? date.year() : date.year() % 100, yearWidth, 10, QLatin1Char('0'));
    } else {
        d = m = QStringLiteral("  ");
        y = QString(yearWidth, QLatin1Char(' '));
    }
    switch (order) {
    case DayMonthYear:
        return d + separator + m + separator + y;
    case YearMonthDay:
        return y + separator + m + separator + d;
    case MonthDayYear:
        break;
    }
    return m + separator + d + separator + y;
}

void DateForm::formatStored(const char* stamp, char* out) const {
    bool digits = true;
    for (int i = 0; i < 8; ++i)
        digits = digits && stamp[i] >= '0' && stamp[i] <= '9';
    auto n = [stamp](int at, int len) {
        int v = 0;
        for (int i = 0; i < len; ++i)
            v = v * 10 + stamp[at + i] - '0';
        return v;
    };
    const bool valid = digits && QDate::isValid(n(0, 4), n(4, 2), n(6, 2));
    const char sep = separator.toLatin1();
    const char* y = stamp + (fourDigitYears ? 0 : 2);
    const int yw = fourDigitYears ? 4 : 2;
    auto put = [&](const char* from, int len) {
        for (int i = 0; i < len; ++i)
            *out++ = valid ? from[i] : ' ';
    };
    auto part = [&](char which) {
        if (which == 'd')
            put(stamp + 6, 2);
        else if (which == 'm')
            put(stamp + 4, 2);
        else
            put(y, yw);
    };
    const char* parts = order == DayMonthYear ? "dmy" : order == YearMonthDay ? "ymd" : "mdy";
    part(parts[0]);
    *out++ = sep;
    part(parts[1]);
    *out++ = sep;
    part(parts[2]);
}

DateForm dateFormOf(const QLocale& locale, bool fourDigitYears) {
    DateForm form;
    form.fourDigitYears = fourDigitYears;
    if (isPosix(locale))
        return form;
    const QString pattern = locale.dateFormat(QLocale::ShortFormat);
    const qsizetype d = pattern.indexOf(QLatin1Char('d'));
    const qsizetype m = pattern.indexOf(QLatin1Char('M'));
    const qsizetype y = pattern.indexOf(QLatin1Char('y'));
    if (d < 0 || m < 0 || y < 0)
        return form;
    if (y < m && y < d)
        form.order = DateForm::YearMonthDay;
    else if (d < m)
        form.order = DateForm::DayMonthYear;
    for (const QChar c : pattern)
        if (!c.isLetter() && !c.isSpace() && c != QLatin1Char('\'')) {
            form.separator = c;
            break;
        }
    if (!fourDigitYears && pattern.count(QLatin1Char('y')) >= 4)
        form.fourDigitYears = true;
    return form;
}

DateForm dateDisplayForm() {
    if (!current())
        current() = dateFormOf(QLocale::system(), false);
    return *current();
}

void setDateDisplayForm(const DateForm& form) {
    current() = form;
}

void useFourDigitYears() {
    current() = dateFormOf(QLocale::system(), true);
}

double julianDay(const QDate& date) {
    return date.isValid() ? static_cast<double>(date.toJulianDay()) : 0.0;
}
