#include "ndxindex.h"

#include "dbferror.h"

#include <QtEndian>
#include <algorithm>
#include <cstring>

namespace {

constexpr int kBlock = 512;

// Unsigned comparison of two byte strings of equal length, eight bytes at a time.
int compareBytes(const char* a, const char* b, int length) {
    int i = 0;
    for (; i + 8 <= length; i += 8) {
        quint64 x, y;
        std::memcpy(&x, a + i, 8);
        std::memcpy(&y, b + i, 8);
        if (x != y)
            return qFromBigEndian(x) < qFromBigEndian(y) ? -1 : 1;
    }
    for (; i < length; ++i)
        if (a[i] != b[i])
            return static_cast<uchar>(a[i]) < static_cast<uchar>(b[i]) ? -1 : 1;
    return 0;
}

// The first eight bytes of a key as a number that orders as the bytes do; a date key's
// number itself, mapped so that its order survives as an unsigned integer.
quint64 prefixOf(const char* key, int length, bool numeric) {
    if (numeric) {
        const double d = qFromLittleEndian<double>(key);
        quint64 bits;
        std::memcpy(&bits, &d, 8);
        return bits & (quint64(1) << 63) ? ~bits : bits | (quint64(1) << 63);
    }
    char chunk[8] = {};
    std::memcpy(chunk, key, std::min(length, 8));
    quint64 x;
    std::memcpy(&x, chunk, 8);
    return qFromBigEndian(x);
}

int fieldIndex(const DbfLayout& layout, const QString& name) {
    for (int i = 0; i < layout.fields.size(); ++i)
        if (layout.fields[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

QDate dateOf(const char* p) {
    int v[8];
    for (int i = 0; i < 8; ++i) {
        if (p[i] < '0' || p[i] > '9')
            return {};
        v[i] = p[i] - '0';
    }
    return QDate(v[0] * 1000 + v[1] * 100 + v[2] * 10 + v[3], v[4] * 10 + v[5], v[6] * 10 + v[7]);
}

} // namespace

KeyExpression::KeyExpression(const QString& text, const DbfLayout& layout, const DateForm& dateForm) : form(dateForm) {
    const QStringList parts = text.split(QLatin1Char('+'));
    for (QString part : parts) {
        part = part.trimmed();
        Term term;
        const bool isDtoc = part.startsWith(QLatin1String("dtoc("), Qt::CaseInsensitive) && part.endsWith(')');
        if (isDtoc)
            part = part.mid(5, part.size() - 6).trimmed();
        const int f = fieldIndex(layout, part);
        if (f < 0)
            throw DbfError(
                QStringLiteral("The index expression \"%1\" names an unknown field \"%2\".").arg(text, part));
        const FieldDef& field = layout.fields[f];
        term.offset = layout.offsets[f];
        term.length = field.length;
        if (isDtoc) {
            if (field.type != 'D')
                throw DbfError(
                    QStringLiteral("The index expression \"%1\" takes dtoc of a field that holds no date.").arg(text));
            term.dtoc = true;
            term.length = form.width();
        } else if (field.type == 'D' && parts.size() == 1) {
            isNumeric = true;
            term.length = 8;
        } else if (field.type == 'M') {
            throw DbfError(QStringLiteral("The index expression \"%1\" names a memo field.").arg(text));
        }
        keyLength += term.length;
        terms.push_back(term);
    }
    if (keyLength > 100)
        throw DbfError(QStringLiteral("The key of the index expression \"%1\" is longer than 100 bytes.").arg(text));
}

void KeyExpression::keyOf(const char* record, char* out) const {
    if (isNumeric) {
        const double jd = julianDay(dateOf(record + terms[0].offset));
        qToLittleEndian<double>(jd, out);
        return;
    }
    for (const Term& t : terms) {
        if (t.dtoc) {
            form.formatStored(record + t.offset, out);
        } else {
            std::memcpy(out, record + t.offset, t.length);
        }
        out += t.length;
    }
}

IndexOrder::IndexOrder(IndexDef def, KeyExpression key) : definition(std::move(def)), expression(std::move(key)) {}

bool IndexOrder::less(std::uint32_t a, std::uint32_t b) const {
    const char* ka = keys.data() + size_t(a - 1) * expression.length();
    const char* kb = keys.data() + size_t(b - 1) * expression.length();
    if (expression.numeric()) {
        const double da = qFromLittleEndian<double>(ka), db = qFromLittleEndian<double>(kb);
        if (da != db)
            return da < db;
    } else if (const int c = compareBytes(ka, kb, expression.length())) {
        return c < 0;
    }
    return a < b;
}

void IndexOrder::build(const char* base, std::uint32_t count, int recordLength) {
    const int len = expression.length();
    keys.assign(size_t(count) * len, ' ');
    for (std::uint32_t i = 0; i < count; ++i)
        expression.keyOf(base + size_t(i) * recordLength, keys.data() + size_t(i) * len);
    // Sorted on the keys' first sixteen bytes held beside the record numbers, so that most
    // comparisons never reach the keys themselves.
    struct Item {
        quint64 prefix, second;
        std::uint32_t recNo;
    };
    const bool numeric = expression.numeric();
    std::vector<Item> items(count);
    for (std::uint32_t i = 0; i < count; ++i) {
        const char* key = keys.data() + size_t(i) * len;
        items[i] = {prefixOf(key, len, numeric), numeric || len <= 8 ? 0 : prefixOf(key + 8, len - 8, false), i + 1};
    }
    const bool whole = numeric || len <= 16;
    std::sort(items.begin(), items.end(), [this, whole, len](const Item& a, const Item& b) {
        if (a.prefix != b.prefix)
            return a.prefix < b.prefix;
        if (a.second != b.second)
            return a.second < b.second;
        if (!whole) {
            const int c = compareBytes(keys.data() + size_t(a.recNo - 1) * len + 16,
                                       keys.data() + size_t(b.recNo - 1) * len + 16, len - 16);
            if (c)
                return c < 0;
        }
        return a.recNo < b.recNo;
    });
    order.resize(count);
    for (std::uint32_t i = 0; i < count; ++i)
        order[i] = items[i].recNo;
}

void IndexOrder::update(std::uint32_t recNo, const char* record) {
    const int len = expression.length();
    if (size_t(recNo) * len > keys.size()) {
        keys.resize(size_t(recNo) * len, ' ');
    } else {
        const qsizetype at = positionOf(recNo);
        if (at >= 0)
            order.erase(order.begin() + at);
    }
    expression.keyOf(record, keys.data() + size_t(recNo - 1) * len);
    const auto where = std::lower_bound(order.begin(), order.end(), recNo,
                                        [this](std::uint32_t a, std::uint32_t b) { return less(a, b); });
    order.insert(where, recNo);
}

qsizetype IndexOrder::positionOf(std::uint32_t recNo) const {
    if (recNo == 0 || size_t(recNo) * expression.length() > keys.size())
        return -1;
    const auto at = std::lower_bound(order.begin(), order.end(), recNo,
                                     [this](std::uint32_t a, std::uint32_t b) { return less(a, b); });
    return at != order.end() && *at == recNo ? at - order.begin() : -1;
}

QByteArrayView IndexOrder::keyOf(std::uint32_t recNo) const {
    return QByteArrayView(keys.data() + size_t(recNo - 1) * expression.length(), expression.length());
}

QByteArray IndexOrder::ndxImage() const {
    const int keyLength = expression.length();
    const int entrySize = (keyLength + 8 + 3) / 4 * 4;
    const int maxKeys = (kBlock - 4) / entrySize;

    QByteArray image(kBlock, '\0');
    auto block = [&image]() {
        image.append(kBlock, '\0');
        return quint32(image.size() / kBlock - 1);
    };
    auto putEntry = [&](quint32 node, int slot, quint32 child, quint32 recNo, QByteArrayView key) {
        char* e = image.data() + qsizetype(node) * kBlock + 4 + slot * entrySize;
        qToLittleEndian<quint32>(child, e);
        qToLittleEndian<quint32>(recNo, e + 4);
        if (!key.isEmpty())
            std::memcpy(e + 8, key.data(), keyLength);
    };
    auto setCount = [&](quint32 node, quint32 n) {
        qToLittleEndian<quint32>(n, image.data() + qsizetype(node) * kBlock);
    };

    // A level is a list of (block, highest record of its subtree); leaves first.
    struct Node {
        quint32 block;
        std::uint32_t last;
    };
    std::vector<Node> level;
    const size_t n = order.size();
    if (n == 0) {
        level.push_back({block(), 0});
    } else {
        const size_t leaves = (n + maxKeys - 1) / maxKeys;
        size_t next = 0;
        for (size_t i = 0; i < leaves; ++i) {
            const size_t take = (n - next) / (leaves - i);
            const quint32 node = block();
            for (size_t k = 0; k < take; ++k)
                putEntry(node, int(k), 0, order[next + k], keyOf(order[next + k]));
            setCount(node, quint32(take));
            next += take;
            level.push_back({node, order[next - 1]});
        }
    }
    // Interior nodes: up to maxKeys keys and one more child pointer alone after the last entry.
    while (level.size() > 1) {
        std::vector<Node> up;
        const size_t children = level.size();
        const size_t nodes = (children + maxKeys) / (maxKeys + 1);
        size_t next = 0;
        for (size_t i = 0; i < nodes; ++i) {
            const size_t take = (children - next) / (nodes - i);
            const quint32 node = block();
            for (size_t k = 0; k + 1 < take; ++k)
                putEntry(node, int(k), level[next + k].block, level[next + k].last, keyOf(level[next + k].last));
            putEntry(node, int(take - 1), level[next + take - 1].block, 0, {});
            setCount(node, quint32(take - 1));
            next += take;
            up.push_back({node, level[next - 1].last});
        }
        level = std::move(up);
    }

    char* h = image.data();
    qToLittleEndian<quint32>(level.front().block, h);
    qToLittleEndian<quint32>(quint32(image.size() / kBlock), h + 4);
    qToLittleEndian<quint16>(quint16(keyLength), h + 12);
    qToLittleEndian<quint16>(quint16(maxKeys), h + 14);
    qToLittleEndian<quint16>(quint16(expression.numeric() ? 1 : 0), h + 16);
    qToLittleEndian<quint16>(quint16(entrySize), h + 18);
    h[23] = 0;
    const QByteArray expr = definition.expression.toLatin1().left(kBlock - 25);
    std::memcpy(h + 24, expr.constData(), expr.size());
    return image;
}
