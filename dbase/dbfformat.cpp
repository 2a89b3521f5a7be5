#include "dbfformat.h"

#include "dbferror.h"

#include <QtEndian>

namespace {

[[noreturn]] void fail(const QString& fileName, const QString& why) {
    throw DbfError(QStringLiteral("The table \"%1\" is damaged: %2. It was left as it is.").arg(fileName, why));
}

bool validType(char t) {
    return t == 'C' || t == 'D' || t == 'N' || t == 'L' || t == 'M' || t == 'F';
}

} // namespace

bool DbfLayout::hasMemo() const {
    for (const FieldDef& f : fields)
        if (f.type == 'M')
            return true;
    return false;
}

DbfLayout readDbfLayout(QByteArrayView file, qint64 fileSize, const QString& fileName) {
    if (fileSize < 32 || file.size() < 32)
        fail(fileName, QStringLiteral("the file is shorter than its header"));
    const auto* b = reinterpret_cast<const uchar*>(file.data());
    DbfLayout layout;
    layout.version = b[0];
    if ((layout.version & 0x07) != 0x03)
        fail(fileName, QStringLiteral("it is not a dBase III table"));
    layout.headerCount = qFromLittleEndian<quint32>(b + 4);
    layout.headerLength = qFromLittleEndian<quint16>(b + 8);
    layout.recordLength = qFromLittleEndian<quint16>(b + 10);
    if (layout.headerLength < 33 || layout.headerLength > fileSize || layout.headerLength > file.size())
        fail(fileName, QStringLiteral("its header length is wrong"));

    int offset = 0;
    qsizetype p = 32;
    for (;; p += 32) {
        if (p >= layout.headerLength)
            fail(fileName, QStringLiteral("its field list has no end"));
        if (b[p] == 0x0D)
            break;
        if (p + 32 > layout.headerLength)
            fail(fileName, QStringLiteral("a field descriptor is cut short"));
        FieldDef f;
        qsizetype n = 0;
        while (n < 11 && b[p + n] != 0)
            ++n;
        f.name = QString::fromLatin1(reinterpret_cast<const char*>(b + p), n).trimmed();
        f.type = static_cast<char>(b[p + 11]);
        f.length = b[p + 16];
        f.decimals = b[p + 17];
        if (f.name.isEmpty() || !validType(f.type) || f.length == 0)
            fail(fileName, QStringLiteral("field %1 makes no sense").arg(layout.fields.size() + 1));
        if ((f.type == 'D' && f.length != 8) || (f.type == 'M' && f.length != 10) || (f.type == 'L' && f.length != 1))
            fail(fileName, QStringLiteral("field %1 has a wrong width").arg(f.name));
        for (const FieldDef& g : layout.fields)
            if (g.name.compare(f.name, Qt::CaseInsensitive) == 0)
                fail(fileName, QStringLiteral("field %1 is named twice").arg(f.name));
        layout.offsets.append(offset + 1);
        offset += f.length;
        layout.fields.append(f);
        if (layout.fields.size() > 255)
            fail(fileName, QStringLiteral("it has too many fields"));
    }
    if (layout.fields.isEmpty())
        fail(fileName, QStringLiteral("it has no fields"));
    if (layout.recordLength != offset + 1)
        fail(fileName, QStringLiteral("its record length does not match its fields"));

    const qint64 body = fileSize - layout.headerLength;
    qint64 whole = body / layout.recordLength;
    const qint64 rest = body % layout.recordLength;
    // A trailing end mark (0x1A) is not a record; anything else cut short is.
    if (rest > 1 || (rest == 1 && (fileSize > file.size() || b[fileSize - 1] != 0x1A)))
        layout.truncated = true;
    if (whole > 0xFFFFFFF)
        whole = 0xFFFFFFF;
    layout.recordsPresent = static_cast<std::uint32_t>(whole);
    if (layout.headerCount > layout.recordsPresent)
        layout.truncated = true;
    return layout;
}

QByteArray dbfHeaderCount(std::uint32_t count, int year, int month, int day) {
    QByteArray h(7, '\0');
    h[0] = static_cast<char>(qBound(0, year - 1900, 255));
    h[1] = static_cast<char>(month);
    h[2] = static_cast<char>(day);
    qToLittleEndian<quint32>(count, h.data() + 3);
    return h;
}

QByteArray dbfHeader(const QList<FieldDef>& fields, std::uint32_t count, int year, int month, int day) {
    int recordLength = 1;
    bool memo = false;
    for (const FieldDef& f : fields) {
        recordLength += f.length;
        memo = memo || f.type == 'M';
    }
    const int headerLength = 32 + 32 * int(fields.size()) + 1;
    QByteArray h(headerLength, '\0');
    h[0] = static_cast<char>(memo ? 0x83 : 0x03);
    h.replace(1, 7, dbfHeaderCount(count, year, month, day));
    qToLittleEndian<quint16>(headerLength, h.data() + 8);
    qToLittleEndian<quint16>(recordLength, h.data() + 10);
    qsizetype p = 32;
    for (const FieldDef& f : fields) {
        const QByteArray name = f.name.toUpper().toLatin1().left(10);
        h.replace(p, name.size(), name);
        h[p + 11] = f.type;
        h[p + 16] = static_cast<char>(f.length);
        h[p + 17] = static_cast<char>(f.decimals);
        p += 32;
    }
    h[p] = 0x0D;
    return h;
}

qint64 memoBlockOf(QByteArrayView field) {
    const QByteArrayView t = field.trimmed();
    if (t.isEmpty())
        return 0;
    qint64 n = 0;
    for (const char c : t) {
        if (c < '0' || c > '9')
            return -1;
        n = n * 10 + (c - '0');
    }
    return n;
}

std::uint32_t memoNextFree(QByteArrayView dbt) {
    if (dbt.size() < 4)
        return 0;
    return qFromLittleEndian<quint32>(dbt.data());
}

bool readMemoText(QByteArrayView dbt, qint64 block, QByteArray* text) {
    text->clear();
    if (block <= 0)
        return true;
    if (block > dbt.size() / kMemoBlock)
        return false;
    const qint64 start = block * kMemoBlock;
    if (start >= dbt.size())
        return false;
    const QByteArrayView rest = dbt.sliced(start);
    const qsizetype end = rest.indexOf(QByteArrayView("\x1A\x1A", 2));
    *text = (end < 0 ? rest : rest.first(end)).toByteArray();
    return true;
}

QByteArray memoBlocks(const QByteArray& text) {
    QByteArray out = text;
    out.append("\x1A\x1A", 2);
    const qsizetype padded = (out.size() + kMemoBlock - 1) / kMemoBlock * kMemoBlock;
    out.append(padded - out.size(), '\0');
    return out;
}
