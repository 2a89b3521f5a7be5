#pragma once

#include "dbftable.h"
#include "journalstate.h"
#include "oracleanswer.h"

#include <QDate>
#include <QObject>
#include <QStringList>

// The journal's fields, in the order a new table gets them, and its six indexes in the order
// of the window's index list. Each index is named after the field whose column selects it.
QList<FieldDef> journalFields();
QList<IndexDef> journalIndexes();
// The journal table of a program folder ("oracle.dbf" in it; the folder ends in a separator).
QString journalPath(const QString& programDir);

// A hexagram number as the journal stores it: "05", "64"; 0 gives an empty text.
QString journalHexagram(int number);

// What Save stores of an answer.
struct JournalAnswer {
    QString question; // as typed; cut to the field's width by the engine
    int primaryNumber = 0;
    int changedNumber = 0; // 0 without moving lines
};

// What Save stores of the oracle's answer.
JournalAnswer journalAnswer(const OracleAnswer& answer);

// The journal table as the journal window uses it: it owns the open table and runs the
// journal's operations over it with the run state. Engine failures raise DbfError.
class JournalTable : public QObject {
    Q_OBJECT

public:
    explicit JournalTable(QString programDir, JournalRunState& state = journalState(), QObject* parent = nullptr);

    DbfTable& table() { return dbf; }
    JournalRunState& state() { return run; }

    // Opens the table (creating it when missing, rebuilding the indexes) and positions it:
    // date order, on the most recent answer the first time in a run, else on lastRecNo.
    void inicializa();
    // The table side of pressing a column title: orders by the field's index, same record current.
    void changeOrder(const QString& field);
    // Before moving: when not at EOF, the memo lines (when not empty) go into comment, then Replace.
    void writeBack(const QString& memoText);
    void first();
    void last();
    void add();
    // Recalls the current record when marked, marks it otherwise; nothing on an empty table.
    void deleteOrRecall();
    // The table side of closing the window: lastRecNo and the pending edits, then Pack.
    void closing();
    // Steps 3 to 9 of Save: a new record with the date, the question and both numbers.
    void appendAnswer(const JournalAnswer& answer, const QDate& date);

signals:
    // An order change ran for this field: the grid marks the column title with that field pressed.
    void orderChanged(const QString& field);

private:
    DbfTable dbf;
    QString folder;
    JournalRunState& run;
};
