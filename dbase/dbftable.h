#pragma once

#include "dbfformat.h"
#include "ndxindex.h"
#include "safefile.h"

#include <QDate>
#include <QHash>
#include <QObject>
#include <QStringList>
#include <memory>
#include <vector>

// A dBase III table (.dbf) with its memo file (.dbt) and single-key indexes (.ndx).
//
// The table is opened exclusively. A missing file is created with the fields given; all
// indexes are rebuilt from the records at every opening and written beside the table, and
// the header's record count is brought in line with the records present. The orders are
// kept in memory, so walking never reads the index files. Every change is written and
// synced before the call returns; Pack rewrites the files so that a crash leaves either the
// old table or the new one.
//
// The current record is the one under the record pointer; its fields are read from and
// written into a record buffer, which Replace writes back. EOF is the state past the last
// record of the active order, and the state of an empty table. Text is CP850 in the files
// and Unicode here. Errors are raised as DbfError, with a message that names the file.
class DbfTable : public QObject {
    Q_OBJECT

public:
    explicit DbfTable(QObject* parent = nullptr);
    ~DbfTable() override;

    // What the next opening uses.
    void setDbfFileName(const QString& path);
    const QString& DbfFileName() const { return fileName; }
    void setCreateFields(const QList<FieldDef>& fields); // the layout of a table created because missing
    void setIndexes(const QList<IndexDef>& indexes);     // index files lie beside the table

    void open();
    void close();
    void setActive(bool active);
    bool Active() const { return dbf.isOpen(); }
    // What was wrong with the files found at the last opening (empty when nothing); the table
    // then holds the records that could be read.
    const QString& damageReport() const { return damage; }

    const QList<FieldDef>& fields() const { return layout.fields; }
    int fieldIndex(const QString& name) const; // without regard to case; -1 when absent

    int RecCount() const { return int(count); }
    int RecNo() const; // RecCount() + 1 at EOF
    void Go(int recNo);
    void GoTop();
    void GoBottom();
    void Skip(int n = 1);
    bool dEOF() const { return position >= qsizetype(count); }

    void Append();
    void ClearRecord();
    void SetDField(const QString& field, const QDate& date);
    void SetCField(const QString& field, const QString& text);
    void SetMemo(const QString& field, const QStringList& lines);
    QString GetField(const QString& field) const; // memo fields give their text
    QString GetCField(const QString& field) const;
    QString GetDField(const QString& field) const;
    QDate dateField(const QString& field) const;
    QString GetMemo(const QString& field) const; // lines joined with "\n"
    void Replace();
    void DeleteRec();
    void RecallRec();
    bool Deleted() const;
    void Pack();
    void Reindex();
    void SetIndexTo(const QString& indexName); // empty: the physical order
    const QString& indexName() const { return activeIndex; }

    // The active order, for views: its size is RecCount(); position() is RecCount() at EOF.
    qsizetype currentPosition() const { return position; }
    int recNoAt(qsizetype position) const;
    qsizetype positionOf(int recNo) const;
    // A field of any record as text, without moving: C fields blank-padded, dates in display form.
    QString fieldText(int recNo, int field) const;
    bool deletedAt(int recNo) const;
    // An index image as it was last written, for checks.
    const IndexOrder* order(const QString& indexName) const;

signals:
    // The current record changed, or its data changed.
    void dataChange();
    // The rows of the active order changed (opening, closing, append, reorder, write, pack).
    void rowsChanged();

private:
    struct Pending;
    void openFiles();
    void recoverInterruptedPack();
    void checkMemoReferences();
    void buildOrders();
    void writeIndexes();
    void writeHeaderCount();
    void moveTo(qsizetype newPosition);
    void loadBuffer();
    void requireOpen() const;
    void requireRecord() const;
    int requireField(const QString& field) const;
    const char* record(std::uint32_t recNo) const;
    QByteArray memoText(QByteArrayView field) const;
    qint64 writeMemo(const QByteArray& text);
    QString memoPath() const;
    QString folder() const;

    QString fileName;
    QList<FieldDef> createFields;
    QList<IndexDef> indexDefs;
    SafeFile dbf;
    SafeFile dbt;
    DbfLayout layout;
    QByteArray records; // all records, one after the other
    QByteArray memo;    // the whole memo file
    std::uint32_t count = 0;
    std::uint32_t memoNext = 1;
    std::vector<std::unique_ptr<IndexOrder>> orders;
    QString activeIndex;
    IndexOrder* active = nullptr;
    qsizetype position = 0;
    QByteArray buffer;
    QHash<int, QByteArray> pendingMemos; // field -> text, written by Replace
    QString damage;
    bool indexesStale = false;
};
