#pragma once

#include "dateform.h"
#include "dbfformat.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <functional>
#include <vector>

// One index of a table: its name (the .ndx file's base name) and its key expression, which
// joins field names and dtoc(datefield) with "+"; a lone date field gives a numeric key.
struct IndexDef {
    QString name;
    QString expression;
};

// A key expression compiled against a table's fields.
class KeyExpression {
public:
    KeyExpression(const QString& expression, const DbfLayout& layout, const DateForm& form);

    bool numeric() const { return isNumeric; }
    int length() const { return keyLength; }
    // Writes the key of a record (its bytes, deletion flag first) into out (length() bytes).
    void keyOf(const char* record, char* out) const;

private:
    struct Term {
        int offset = 0;
        int length = 0;
        bool dtoc = false;
    };
    std::vector<Term> terms;
    DateForm form;
    bool isNumeric = false;
    int keyLength = 0;
};

// An order: the record numbers (from 1) sorted by key, equal keys in record-number order,
// with the keys kept beside them so that single records can be moved after a change.
class IndexOrder {
public:
    IndexOrder(IndexDef def, KeyExpression key);

    const IndexDef& def() const { return definition; }
    const KeyExpression& key() const { return expression; }
    const std::vector<std::uint32_t>& records() const { return order; }

    // Builds the order over count records laid out one after the other from base.
    void build(const char* base, std::uint32_t count, int recordLength);
    // Puts record recNo (1-based, the next one or an existing one) where its new key belongs.
    void update(std::uint32_t recNo, const char* record);
    // Position of recNo in the order, or -1.
    qsizetype positionOf(std::uint32_t recNo) const;
    // The key of recNo (as stored in memory).
    QByteArrayView keyOf(std::uint32_t recNo) const;

    // The .ndx file image of this order (512-byte blocks, header in block 0).
    QByteArray ndxImage() const;

private:
    bool less(std::uint32_t a, std::uint32_t b) const;
    IndexDef definition;
    KeyExpression expression;
    std::vector<std::uint32_t> order;
    std::vector<char> keys; // keyLength bytes per record, record 1 first
};
