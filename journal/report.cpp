#include "report.h"

#include "dbftable.h"
#include "hexagram.h"
#include "member.h"

#include <algorithm>

namespace {

// A whole number with an optional sign, nothing else; false otherwise.
bool parseInteger(const QString& text, int& value) {
    qsizetype i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
        negative = text[i] == QLatin1Char('-');
        ++i;
    }
    if (i == text.size())
        return false;
    int result = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < QLatin1Char('0') || text[i] > QLatin1Char('9'))
            return false;
        result = result * 10 + (text[i].unicode() - '0');
    }
    value = negative ? -result : result;
    return true;
}

// The hexagram number of a field, or 0 when it is blank or lies outside 1..64.
int hexagramIn(const QString& field) {
    const int n = hexagramFieldValue(field);
    return n >= 1 && n <= 64 ? n : 0;
}

QString cell(int count) {
    return QStringLiteral("<TD align=center valign=middle>") + QString::number(count) + QStringLiteral("</TD>");
}

QString titleRow(const QString& title) {
    return QStringLiteral("<TR><TD bgcolor=FFFFFF align=center colspan=9>") + title + QStringLiteral("</TD></TR>");
}

// One row of the trigram table: its label, then one line per trigram; the last closes the row.
void appendRow(QStringList& rows, const QString& label, const std::array<int, 8>& counts) {
    rows.append(QStringLiteral("<TR><TD align=center valign=middle>") + label + QStringLiteral("</TD>"));
    for (int t = 0; t < 8; ++t)
        rows.append(cell(counts[t]) + (t == 7 ? QStringLiteral("</TR>") : QString()));
}

// The Upper, Lower and Total rows under a title row.
void appendBlock(QStringList& rows, const QString& title, const std::array<int, 8>& upper,
                 const std::array<int, 8>& lower) {
    std::array<int, 8> total{};
    for (int t = 0; t < 8; ++t)
        total[t] = upper[t] + lower[t];
    rows.append(titleRow(title));
    appendRow(rows, QStringLiteral("Upper"), upper);
    appendRow(rows, QStringLiteral("Lower"), lower);
    appendRow(rows, QStringLiteral("Total"), total);
}

} // namespace

NotAnIntegerError::NotAnIntegerError(const QString& text)
    : std::runtime_error(QStringLiteral("'%1' is not a valid integer value").arg(text).toStdString()) {}

int hexagramFieldValue(const QString& field) {
    const QString digits = field.trimmed().left(2);
    if (digits.trimmed().isEmpty())
        return 0;
    int value = 0;
    if (!parseInteger(digits, value))
        throw NotAnIntegerError(digits);
    return value;
}

const std::array<TrigramLines, 8> trigramColumns = {{
    {1, 1, 1}, // Ch'ien
    {1, 0, 0}, // Chên
    {0, 1, 0}, // K'an
    {0, 0, 1}, // Kên
    {0, 0, 0}, // K'un
    {0, 1, 1}, // Sun
    {1, 0, 1}, // Li
    {1, 1, 0}, // Tui
}};

void trig(const TrigramLines& trigram, const SixLines& lines, TrigramCounters& counters) {
    if (lines[0] == trigram[0] && lines[1] == trigram[1] && lines[2] == trigram[2])
        ++counters.lower;
    if (lines[3] == trigram[0] && lines[4] == trigram[1] && lines[5] == trigram[2])
        ++counters.upper;
}

QStringList trigramReportRows(const QList<AnswerNumbers>& records) {
    std::array<TrigramCounters, 8> counters{};
    QStringList rows;
    const auto pass = [&](QString AnswerNumbers::*field, const QString& title) {
        for (TrigramCounters& c : counters)
            c.lower = c.upper = 0;
        for (const AnswerNumbers& record : records) {
            if (const int n = hexagramIn(record.*field))
                for (int t = 0; t < 8; ++t)
                    trig(trigramColumns[t], lineTable[n - 1], counters[t]);
        }
        std::array<int, 8> upper{}, lower{};
        for (int t = 0; t < 8; ++t) {
            counters[t].lowerTotal += counters[t].lower;
            counters[t].upperTotal += counters[t].upper;
            upper[t] = counters[t].upper;
            lower[t] = counters[t].lower;
        }
        appendBlock(rows, title, upper, lower);
    };
    pass(&AnswerNumbers::h1, QStringLiteral("First Hexagram"));
    pass(&AnswerNumbers::h2, QStringLiteral("Second Hexagram"));

    std::array<int, 8> upper{}, lower{};
    for (int t = 0; t < 8; ++t) {
        upper[t] = counters[t].upperTotal;
        lower[t] = counters[t].lowerTotal;
    }
    appendBlock(rows, QStringLiteral("Both Hexagrams"), upper, lower);
    rows.append(QStringLiteral("</table><p>The yarrow-stalk method generates more ying lines in the second hexagram"));
    return rows;
}

QStringList hexagramReportRows(const QList<AnswerNumbers>& records, bool byFrequency) {
    std::array<int, 64> first{}, second{};
    for (const AnswerNumbers& record : records) {
        if (const int n = hexagramIn(record.h1))
            ++first[n - 1];
        if (const int n = hexagramIn(record.h2))
            ++second[n - 1];
    }

    struct Row {
        int key; // the count as first hexagram
        QString line;
    };
    QList<Row> rows;
    rows.reserve(64);
    for (int n = 1; n <= 64; ++n) {
        const int a = first[n - 1];
        const int b = second[n - 1];
        rows.append({a, QStringLiteral("<tr><td><A HREF=\"%1\">%2</A></td><td align=center>%3</td>"
                                       "<td align=center>%4</td><td align=center>%5</td></tr>")
                            .arg(n)
                            .arg(titulos()[n], QString::number(a), QString::number(b), QString::number(a + b))});
    }
    // Least frequent first hexagram first; equal counts in text order of the rest of the line.
    if (byFrequency)
        std::stable_sort(rows.begin(), rows.end(), [](const Row& x, const Row& y) {
            if (x.key != y.key)
                return x.key < y.key;
            return x.line.compare(y.line, Qt::CaseInsensitive) < 0;
        });

    QStringList lines;
    lines.reserve(65);
    for (const Row& row : rows)
        lines.append(row.line);
    lines.append(QStringLiteral("</TABLE>"));
    return lines;
}

QStringList reportPage(ReportKind kind, const Archive& archive, const QString& archivePath,
                       const QList<AnswerNumbers>& records, bool byFrequency) {
    const QString member = kind == ReportKind::Trigrams ? kTrigramTemplate : kHexagramTemplate;
    QStringList page = expande(archive, archivePath, member);
    if (page.isEmpty())
        throw std::runtime_error(QStringLiteral("The archive holds no page %1.").arg(member).toStdString());
    page += kind == ReportKind::Trigrams ? trigramReportRows(records) : hexagramReportRows(records, byFrequency);
    return page;
}

QList<AnswerNumbers> readAnswerNumbers(DbfTable& table) {
    QList<AnswerNumbers> records;
    records.reserve(table.RecCount());
    const QString h1 = QStringLiteral("H1");
    const QString h2 = QStringLiteral("H2");
    for (table.GoTop(); !table.dEOF(); table.Skip(1))
        records.append({table.GetField(h1), table.GetField(h2)});
    return records;
}
