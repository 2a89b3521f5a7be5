#pragma once

#include "oracleanswer.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <stdexcept>

class Archive;
class DbfTable;

// The two hexagram fields of one journal record, as stored ("05", "64", blank).
struct AnswerNumbers {
    QString h1;
    QString h2;
};

// A hexagram field that holds text which is not a whole number.
class NotAnIntegerError : public std::runtime_error {
public:
    explicit NotAnIntegerError(const QString& text);
};

// The hexagram number of a stored field: blanks stripped at both ends, its first two characters;
// 0 when they are blank. Raises NotAnIntegerError when they are not a whole number.
int hexagramFieldValue(const QString& field);

// Lines of the eight trigrams in the report's column order, bottom line first.
using TrigramLines = std::array<std::uint8_t, 3>;
extern const std::array<TrigramLines, 8> trigramColumns;

// Lower and upper count of one trigram in the current pass, and their totals over both passes.
struct TrigramCounters {
    int lower = 0;
    int upper = 0;
    int lowerTotal = 0;
    int upperTotal = 0;
};

// Adds 1 to the lower count when lines 1 to 3 equal the trigram, 1 to the upper when lines 4 to 6 do.
void trig(const TrigramLines& trigram, const SixLines& lines, TrigramCounters& counters);

// The archive members that open the two report pages.
inline const QString kTrigramTemplate = QStringLiteral("triana.htm");
inline const QString kHexagramTemplate = QStringLiteral("hexa.htm");

// The trigram report's rows after the template: the first and second hexagram passes and the totals.
// Numbers outside 1..64 are skipped.
QStringList trigramReportRows(const QList<AnswerNumbers>& records);

// The hexagram report's 64 rows, in number order or by the count as first hexagram, and "</TABLE>".
QStringList hexagramReportRows(const QList<AnswerNumbers>& records, bool byFrequency);

enum class ReportKind { Trigrams, Hexagrams };

// The report's whole page: the template member expanded from the archive, then the report's rows.
// Raises NotAnIntegerError for a field that is no number, and std::runtime_error when the archive lacks the template.
QStringList reportPage(ReportKind kind, const Archive& archive, const QString& archivePath,
                       const QList<AnswerNumbers>& records, bool byFrequency);

// The "H1" and "H2" fields of every record of the table, walked with GoTop, Skip and dEOF in its
// active order; the table is left at EOF.
QList<AnswerNumbers> readAnswerNumbers(DbfTable& table);
