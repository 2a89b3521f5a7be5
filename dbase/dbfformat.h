#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <cstdint>

// One field of a table: name (at most 10 characters), type C, D, N, L or M, width and decimals.
struct FieldDef {
    QString name;
    char type = 'C';
    int length = 0;
    int decimals = 0;
};

// The layout of a .dbf file as read from its header, with what was wrong with it.
struct DbfLayout {
    std::uint8_t version = 0x03;
    std::uint32_t headerCount = 0; // the record count that the header claims
    int headerLength = 0;
    int recordLength = 0;
    QList<FieldDef> fields;
    QList<int> offsets;               // of each field within a record, after the deletion flag
    std::uint32_t recordsPresent = 0; // whole records actually in the file
    bool truncated = false;           // fewer or partial records than the header says
    bool hasMemo() const;
    qint64 recordOffset(std::uint32_t recNo) const { return headerLength + qint64(recNo - 1) * recordLength; }
};

// Reads the header of a .dbf image (the whole file, or at least its header and records).
// Throws DbfError naming fileName when the header or field descriptors make no sense.
DbfLayout readDbfLayout(QByteArrayView file, qint64 fileSize, const QString& fileName);

// A new header for fields, with count records and the given last-update date (y, m, d).
QByteArray dbfHeader(const QList<FieldDef>& fields, std::uint32_t count, int year, int month, int day);
// The 8 header bytes that carry the date of last update and the record count (offsets 1..7).
QByteArray dbfHeaderCount(std::uint32_t count, int year, int month, int day);

// The block a memo field refers to (blank or zero: none); -1 when the text is not a number.
qint64 memoBlockOf(QByteArrayView field);

// Reads the text of memo block `block` from a .dbt image: up to the first 0x1A 0x1A.
// Returns false when the block lies beyond the file.
bool readMemoText(QByteArrayView dbt, qint64 block, QByteArray* text);
// The next free block named in a .dbt header (its first four bytes), 0 when unreadable.
std::uint32_t memoNextFree(QByteArrayView dbt);

// Memo blocks are 512 bytes; a text ends with 0x1A 0x1A and is padded to whole blocks.
constexpr int kMemoBlock = 512;
QByteArray memoBlocks(const QByteArray& text);
