#include "dbftable.h"

#include "cp850.h"
#include "dbferror.h"

#include <QDir>
#include <QFileInfo>
#include <QtEndian>
#include <cstring>
#include <unistd.h>

namespace {

QString native(const QString& path) {
    return QDir::toNativeSeparators(path);
}

bool exists(const QString& path) {
    return QFileInfo::exists(path);
}

void removeFile(const QString& path) {
    if (exists(path))
        QFile::remove(path);
}

QByteArray blankRecord(int length) {
    return QByteArray(length, ' ');
}

// Copies a damaged file beside itself as "<name>.damaged" (or ".damaged-2" and on when an earlier,
// different copy is there) before anything may rewrite it; an identical earlier copy serves.
QString keepCopy(const QString& path, const QByteArray& bytes) {
    for (int n = 1;; ++n) {
        const QString copy = path + (n == 1 ? QStringLiteral(".damaged") : QStringLiteral(".damaged-%1").arg(n));
        QFile existing(copy);
        if (!existing.exists()) {
            SafeFile::writeFile(copy, bytes);
            return copy;
        }
        if (existing.open(QIODevice::ReadOnly) && existing.readAll() == bytes)
            return copy;
    }
}

} // namespace

DbfTable::DbfTable(QObject* parent) : QObject(parent) {}

DbfTable::~DbfTable() {
    if (!Active())
        return;
    try {
        close();
    } catch (const DbfError& e) {
        qWarning("%s", e.what());
    }
}

void DbfTable::setDbfFileName(const QString& path) {
    fileName = path;
}

void DbfTable::setCreateFields(const QList<FieldDef>& fields) {
    createFields = fields;
}

void DbfTable::setIndexes(const QList<IndexDef>& indexes) {
    indexDefs = indexes;
}

void DbfTable::setActive(bool on) {
    if (on && !Active())
        open();
    else if (!on && Active())
        close();
}

QString DbfTable::folder() const {
    return QFileInfo(fileName).absolutePath();
}

QString DbfTable::memoPath() const {
    const QFileInfo info(fileName);
    const QString suffix = info.suffix();
    const QString ext = suffix.isEmpty() || suffix.at(0).isLower() ? QStringLiteral("dbt") : QStringLiteral("DBT");
    return info.absolutePath() + QLatin1Char('/') + info.completeBaseName() + QLatin1Char('.') + ext;
}

void DbfTable::open() {
    if (Active())
        close();
    if (fileName.isEmpty())
        throw DbfError(QStringLiteral("No table file is named."));
    damage.clear();
    try {
        openFiles();
    } catch (...) {
        dbf.close();
        dbt.close();
        records.clear();
        memo.clear();
        count = 0;
        throw;
    }
    activeIndex.clear();
    active = nullptr;
    position = 0;
    loadBuffer();
    emit rowsChanged();
    emit dataChange();
}

void DbfTable::openFiles() {
    if (!exists(fileName)) {
        if (createFields.isEmpty())
            throw DbfError(QStringLiteral("The table \"%1\" does not exist.").arg(native(fileName)));
        // Built under a temporary name, so that a half-made table never takes the real name.
        const QDate today = QDate::currentDate();
        QByteArray image = dbfHeader(createFields, 0, today.year(), today.month(), today.day());
        image.append('\x1A');
        const QString temporary = fileName + QStringLiteral(".tmp");
        SafeFile::writeFile(temporary, image);
        bool memoField = false;
        for (const FieldDef& f : createFields)
            memoField = memoField || f.type == 'M';
        if (memoField && !exists(memoPath())) {
            QByteArray header(kMemoBlock, '\0');
            qToLittleEndian<quint32>(1, header.data());
            SafeFile::writeFile(memoPath(), header);
        }
        SafeFile::rename(temporary, fileName);
        SafeFile::syncFolderOf(fileName);
    }
    dbf.open(fileName, false);
    dbf.lockExclusive();
    recoverInterruptedPack();

    records = dbf.readAll();
    const QByteArray asFound = records;
    const qint64 size = records.size();
    layout = readDbfLayout(records, size, native(fileName));
    count = layout.recordsPresent;
    if (layout.truncated)
        damage = QStringLiteral("The table \"%1\" is damaged: it holds %2 whole records where its header "
                                "counts %3, or its last record is cut short. The records that could be read are shown.")
                     .arg(native(fileName))
                     .arg(count)
                     .arg(layout.headerCount);
    records = records.mid(layout.headerLength, qint64(count) * layout.recordLength);

    if (layout.hasMemo()) {
        if (!exists(memoPath())) {
            QByteArray header(kMemoBlock, '\0');
            qToLittleEndian<quint32>(1, header.data());
            SafeFile::writeFile(memoPath(), header);
        }
        dbt.open(memoPath(), false);
        dbt.lockExclusive();
        memo = dbt.readAll();
        const qint64 blocks = (memo.size() + kMemoBlock - 1) / kMemoBlock;
        memoNext = std::max<std::uint32_t>(memoNextFree(memo), std::max<qint64>(blocks, 1));
        checkMemoReferences();
    }
    if (!damage.isEmpty()) {
        QString kept = native(keepCopy(fileName, asFound));
        if (layout.hasMemo())
            kept += QStringLiteral("\" and \"") + native(keepCopy(memoPath(), memo));
        damage += QStringLiteral(" The files as found are kept as \"%1\".").arg(kept);
    }
    // A count that falls short of the records present is the mark of an append cut off before
    // its header write: the records are whole, so the header is brought in line. A damaged file
    // is left as it is until something is written.
    if (damage.isEmpty() && layout.headerCount != count)
        writeHeaderCount();
    buildOrders();
    writeIndexes();
}

void DbfTable::recoverInterruptedPack() {
    const QString newDbf = fileName + QStringLiteral(".new"), newDbt = memoPath() + QStringLiteral(".new");
    const QString oldDbt = memoPath() + QStringLiteral(".old");
    removeFile(fileName + QStringLiteral(".tmp"));
    removeFile(memoPath() + QStringLiteral(".tmp"));
    if (exists(newDbf) && !exists(newDbt)) {
        // The memo file was already replaced: finish by putting the new table in place.
        SafeFile::rename(newDbf, fileName);
        SafeFile::syncFolderOf(fileName);
        dbf.open(fileName, false);
        dbf.lockExclusive();
    }
    removeFile(newDbf);
    removeFile(newDbt);
    removeFile(oldDbt);
}

void DbfTable::checkMemoReferences() {
    int bad = 0, first = 0;
    for (std::uint32_t r = 1; r <= count; ++r)
        for (int f = 0; f < layout.fields.size(); ++f) {
            if (layout.fields[f].type != 'M')
                continue;
            const qint64 block = memoBlockOf(QByteArrayView(record(r) + layout.offsets[f], 10));
            if (block < 0 || (block > 0 && block * kMemoBlock >= memo.size())) {
                if (!bad)
                    first = int(r);
                ++bad;
            }
        }
    if (bad) {
        if (!damage.isEmpty())
            damage += QLatin1Char(' ');
        damage += QStringLiteral("%1 record(s) of \"%2\", the first being record %3, refer to memo text beyond "
                                 "the end of \"%4\"; those comments are shown empty.")
                      .arg(bad)
                      .arg(native(fileName))
                      .arg(first)
                      .arg(native(memoPath()));
    }
}

void DbfTable::buildOrders() {
    orders.clear();
    const DateForm form = dateDisplayForm();
    for (const IndexDef& def : indexDefs) {
        auto order = std::make_unique<IndexOrder>(def, KeyExpression(def.expression, layout, form));
        order->build(records.constData(), count, layout.recordLength);
        orders.push_back(std::move(order));
    }
    active = nullptr;
    for (const auto& o : orders)
        if (o->def().name.compare(activeIndex, Qt::CaseInsensitive) == 0)
            active = o.get();
    indexesStale = false;
}

void DbfTable::writeIndexes() {
    // The index files are rebuilt at every opening, so they need no sync of their own.
    for (const auto& o : orders) {
        const QString path = folder() + QLatin1Char('/') + o->def().name + QStringLiteral(".ndx");
        SafeFile::writeFile(path, o->ndxImage(), false);
    }
    indexesStale = false;
}

void DbfTable::close() {
    if (!Active())
        return;
    struct Release {
        DbfTable* t;
        ~Release() {
            t->dbf.close();
            t->dbt.close();
            t->records.clear();
            t->memo.clear();
            t->orders.clear();
            t->active = nullptr;
            t->count = 0;
            t->position = 0;
            t->buffer.clear();
            t->pendingMemos.clear();
            emit t->rowsChanged();
            emit t->dataChange();
        }
    } release{this};
    if (indexesStale)
        writeIndexes();
}

int DbfTable::fieldIndex(const QString& name) const {
    for (int i = 0; i < layout.fields.size(); ++i)
        if (layout.fields[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

int DbfTable::requireField(const QString& name) const {
    requireOpen();
    const int f = fieldIndex(name);
    if (f < 0)
        throw DbfError(QStringLiteral("The table \"%1\" has no field \"%2\".").arg(native(fileName), name));
    return f;
}

void DbfTable::requireOpen() const {
    if (!Active())
        throw DbfError(QStringLiteral("The table \"%1\" is not open.").arg(native(fileName)));
}

void DbfTable::requireRecord() const {
    requireOpen();
    if (dEOF())
        throw DbfError(QStringLiteral("The table \"%1\" has no current record.").arg(native(fileName)));
}

const char* DbfTable::record(std::uint32_t recNo) const {
    return records.constData() + qsizetype(recNo - 1) * layout.recordLength;
}

int DbfTable::recNoAt(qsizetype pos) const {
    if (pos < 0 || pos >= qsizetype(count))
        return 0;
    return active ? int(active->records()[size_t(pos)]) : int(pos + 1);
}

qsizetype DbfTable::positionOf(int recNo) const {
    if (recNo < 1 || recNo > int(count))
        return -1;
    return active ? active->positionOf(std::uint32_t(recNo)) : recNo - 1;
}

int DbfTable::RecNo() const {
    return dEOF() ? int(count) + 1 : recNoAt(position);
}

void DbfTable::loadBuffer() {
    pendingMemos.clear();
    if (!Active()) {
        buffer.clear();
        return;
    }
    buffer = dEOF() ? blankRecord(layout.recordLength) : QByteArray(record(recNoAt(position)), layout.recordLength);
}

void DbfTable::moveTo(qsizetype newPosition) {
    position = std::clamp<qsizetype>(newPosition, 0, count);
    loadBuffer();
    emit dataChange();
}

void DbfTable::Go(int recNo) {
    requireOpen();
    const qsizetype p = positionOf(recNo);
    if (p < 0)
        throw DbfError(QStringLiteral("The table \"%1\" has no record %2.").arg(native(fileName)).arg(recNo));
    moveTo(p);
}

void DbfTable::GoTop() {
    requireOpen();
    moveTo(0);
}

void DbfTable::GoBottom() {
    requireOpen();
    moveTo(count == 0 ? 0 : qsizetype(count) - 1);
}

void DbfTable::Skip(int n) {
    requireOpen();
    if (dEOF() && n > 0)
        return;
    moveTo(std::max<qsizetype>(0, position + n));
}

void DbfTable::writeHeaderCount() {
    const QDate today = QDate::currentDate();
    dbf.write(1, dbfHeaderCount(count, today.year(), today.month(), today.day()));
    dbf.sync();
}

void DbfTable::Append() {
    requireOpen();
    const QByteArray blank = blankRecord(layout.recordLength);
    // The record and the end mark first, the header count after: a crash in between leaves
    // a whole record that the next opening counts in.
    QByteArray tail = blank;
    tail.append('\x1A');
    dbf.write(layout.recordOffset(count + 1), tail);
    dbf.sync();
    records.append(blank);
    ++count;
    writeHeaderCount();
    for (const auto& o : orders)
        o->update(count, record(count));
    indexesStale = true;
    position = positionOf(int(count));
    loadBuffer();
    emit rowsChanged();
    emit dataChange();
}

void DbfTable::ClearRecord() {
    requireOpen();
    buffer = blankRecord(layout.recordLength);
    pendingMemos.clear();
}

void DbfTable::SetCField(const QString& field, const QString& text) {
    const int f = requireField(field);
    const FieldDef& def = layout.fields[f];
    QByteArray bytes = toCp850(text).left(def.length);
    if (def.type == 'N' || def.type == 'F')
        bytes = bytes.trimmed().rightJustified(def.length, ' ', true);
    else
        bytes = bytes.leftJustified(def.length, ' ');
    buffer.replace(layout.offsets[f], def.length, bytes);
}

void DbfTable::SetDField(const QString& field, const QDate& date) {
    const int f = requireField(field);
    if (layout.fields[f].type != 'D')
        throw DbfError(QStringLiteral("The field \"%1\" of \"%2\" holds no date.").arg(field, native(fileName)));
    const QByteArray text = date.isValid() ? date.toString(QStringLiteral("yyyyMMdd")).toLatin1() : QByteArray(8, ' ');
    buffer.replace(layout.offsets[f], 8, text.rightJustified(8, '0', true));
}

void DbfTable::SetMemo(const QString& field, const QStringList& lines) {
    const int f = requireField(field);
    if (layout.fields[f].type != 'M')
        throw DbfError(QStringLiteral("The field \"%1\" of \"%2\" is not a memo.").arg(field, native(fileName)));
    QByteArray text = toCp850(lines.join(QStringLiteral("\r\n")));
    text.replace('\x1A', '?'); // the end mark can't be part of a text
    pendingMemos.insert(f, text);
}

QString DbfTable::GetCField(const QString& field) const {
    const int f = requireField(field);
    if (buffer.isEmpty())
        return {};
    return fromCp850(QByteArrayView(buffer).sliced(layout.offsets[f], layout.fields[f].length));
}

QString DbfTable::GetField(const QString& field) const {
    const int f = requireField(field);
    return layout.fields[f].type == 'M' ? GetMemo(field) : GetCField(field);
}

QDate DbfTable::dateField(const QString& field) const {
    const int f = requireField(field);
    if (buffer.isEmpty())
        return {};
    return QDate::fromString(QString::fromLatin1(buffer.constData() + layout.offsets[f], 8),
                             QStringLiteral("yyyyMMdd"));
}

QString DbfTable::GetDField(const QString& field) const {
    return dateDisplayForm().format(dateField(field));
}

QByteArray DbfTable::memoText(QByteArrayView field) const {
    QByteArray text;
    if (!readMemoText(memo, memoBlockOf(field), &text))
        text.clear();
    return text;
}

QString DbfTable::GetMemo(const QString& field) const {
    const int f = requireField(field);
    if (buffer.isEmpty() || layout.fields[f].type != 'M')
        return {};
    const auto pending = pendingMemos.constFind(f);
    const QByteArray text =
        pending != pendingMemos.cend() ? *pending : memoText(QByteArrayView(buffer).sliced(layout.offsets[f], 10));
    QString out = fromCp850(text);
    out.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return out;
}

qint64 DbfTable::writeMemo(const QByteArray& text) {
    if (text.isEmpty())
        return 0;
    const QByteArray blocks = memoBlocks(text);
    const qint64 at = memoNext;
    // The text first, then the header that hands its blocks out: a crash in between only
    // leaves unused blocks past the end.
    dbt.write(at * kMemoBlock, blocks);
    const std::uint32_t next = std::uint32_t(at + blocks.size() / kMemoBlock);
    QByteArray header(4, '\0');
    qToLittleEndian<quint32>(next, header.data());
    dbt.write(0, header);
    dbt.sync();
    if (memo.size() < at * kMemoBlock)
        memo.append(at * kMemoBlock - memo.size(), '\0');
    memo.replace(at * kMemoBlock, blocks.size(), blocks);
    memo.replace(0, 4, header);
    memoNext = next;
    return at;
}

void DbfTable::Replace() {
    requireOpen();
    if (dEOF())
        return;
    const std::uint32_t recNo = std::uint32_t(RecNo());
    for (auto it = pendingMemos.cbegin(); it != pendingMemos.cend(); ++it) {
        const qint64 block = writeMemo(*it);
        const QByteArray ref = block ? QByteArray::number(block).rightJustified(10, ' ') : QByteArray(10, ' ');
        buffer.replace(layout.offsets[it.key()], 10, ref);
    }
    pendingMemos.clear();
    dbf.write(layout.recordOffset(recNo), buffer);
    dbf.sync();
    records.replace(qsizetype(recNo - 1) * layout.recordLength, layout.recordLength, buffer);
    for (const auto& o : orders)
        o->update(recNo, record(recNo));
    indexesStale = true;
    position = positionOf(int(recNo));
    emit rowsChanged();
    emit dataChange();
}

void DbfTable::DeleteRec() {
    requireRecord();
    const std::uint32_t recNo = std::uint32_t(RecNo());
    dbf.write(layout.recordOffset(recNo), "*");
    dbf.sync();
    records[qsizetype(recNo - 1) * layout.recordLength] = '*';
    buffer[0] = '*';
    emit rowsChanged();
    emit dataChange();
}

void DbfTable::RecallRec() {
    requireRecord();
    const std::uint32_t recNo = std::uint32_t(RecNo());
    dbf.write(layout.recordOffset(recNo), " ");
    dbf.sync();
    records[qsizetype(recNo - 1) * layout.recordLength] = ' ';
    buffer[0] = ' ';
    emit rowsChanged();
    emit dataChange();
}

bool DbfTable::Deleted() const {
    requireOpen();
    return !dEOF() && buffer.at(0) == '*';
}

bool DbfTable::deletedAt(int recNo) const {
    return recNo >= 1 && recNo <= int(count) && record(std::uint32_t(recNo))[0] == '*';
}

QString DbfTable::fieldText(int recNo, int f) const {
    if (recNo < 1 || recNo > int(count) || f < 0 || f >= layout.fields.size())
        return {};
    const char* p = record(std::uint32_t(recNo)) + layout.offsets[f];
    const FieldDef& def = layout.fields[f];
    if (def.type == 'D')
        return dateDisplayForm().format(QDate::fromString(QString::fromLatin1(p, 8), QStringLiteral("yyyyMMdd")));
    if (def.type == 'M') {
        QString out = fromCp850(memoText(QByteArrayView(p, 10)));
        return out.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    }
    return fromCp850(QByteArrayView(p, def.length));
}

void DbfTable::Reindex() {
    requireOpen();
    // The orders follow every change in memory; the files are written when they lag behind.
    if (!indexesStale)
        return;
    const int recNo = RecNo();
    buildOrders();
    writeIndexes();
    position = dEOF() || recNo > int(count) ? qsizetype(count) : positionOf(recNo);
    emit rowsChanged();
}

void DbfTable::SetIndexTo(const QString& name) {
    requireOpen();
    IndexOrder* found = nullptr;
    for (const auto& o : orders)
        if (o->def().name.compare(name, Qt::CaseInsensitive) == 0)
            found = o.get();
    if (!name.isEmpty() && !found)
        throw DbfError(QStringLiteral("The table \"%1\" has no index \"%2\".").arg(native(fileName), name));
    const int recNo = RecNo();
    const bool atEnd = dEOF();
    active = found;
    activeIndex = found ? found->def().name : QString();
    position = atEnd ? qsizetype(count) : positionOf(recNo);
    emit rowsChanged();
    emit dataChange();
}

const IndexOrder* DbfTable::order(const QString& name) const {
    for (const auto& o : orders)
        if (o->def().name.compare(name, Qt::CaseInsensitive) == 0)
            return o.get();
    return nullptr;
}

void DbfTable::Pack() {
    requireOpen();
    const bool withMemo = layout.hasMemo();
    // The new files, built in memory: live records only, their memo texts copied in order.
    QByteArray newMemo(kMemoBlock, '\0');
    QByteArray newRecords;
    std::uint32_t kept = 0;
    for (std::uint32_t r = 1; r <= count; ++r) {
        if (record(r)[0] == '*')
            continue;
        QByteArray rec(record(r), layout.recordLength);
        for (int f = 0; f < layout.fields.size(); ++f) {
            if (layout.fields[f].type != 'M')
                continue;
            const QByteArray text = memoText(QByteArrayView(rec).sliced(layout.offsets[f], 10));
            QByteArray ref(10, ' ');
            if (!text.isEmpty()) {
                ref = QByteArray::number(newMemo.size() / kMemoBlock).rightJustified(10, ' ');
                newMemo.append(memoBlocks(text));
            }
            rec.replace(layout.offsets[f], 10, ref);
        }
        newRecords.append(rec);
        ++kept;
    }
    qToLittleEndian<quint32>(quint32(newMemo.size() / kMemoBlock), newMemo.data());
    const QDate today = QDate::currentDate();
    QByteArray header = dbf.read(0, layout.headerLength);
    header.replace(1, 7, dbfHeaderCount(kept, today.year(), today.month(), today.day()));
    QByteArray newTable = header + newRecords;
    newTable.append('\x1A');

    const QString newDbf = fileName + QStringLiteral(".new"), newDbt = memoPath() + QStringLiteral(".new");
    const QString oldDbt = memoPath() + QStringLiteral(".old");
    // Each new file is written whole under a temporary name and only then named ".new", so a
    // ".new" file is always complete; the next opening finishes or drops an interrupted pack.
    auto stage = [](const QString& target, const QByteArray& bytes) {
        const QString temporary = target.chopped(4) + QStringLiteral(".tmp");
        try {
            SafeFile::writeFile(temporary, bytes);
            SafeFile::rename(temporary, target);
        } catch (...) {
            removeFile(temporary);
            throw;
        }
    };
    try {
        if (withMemo)
            stage(newDbt, newMemo);
        stage(newDbf, newTable);
        SafeFile::syncFolderOf(fileName);
        if (withMemo) {
            removeFile(oldDbt);
            if (::link(QFile::encodeName(memoPath()).constData(), QFile::encodeName(oldDbt).constData()) != 0)
                throw DbfError(QStringLiteral("Can't keep a copy of \"%1\" while packing.").arg(native(memoPath())));
            SafeFile::rename(newDbt, memoPath());
        }
    } catch (...) {
        removeFile(newDbt);
        removeFile(newDbf);
        removeFile(oldDbt);
        throw;
    }
    try {
        SafeFile::rename(newDbf, fileName);
    } catch (...) {
        // The memo file is new but the table is old: put the old memo file back.
        if (withMemo && exists(oldDbt)) {
            SafeFile::rename(oldDbt, memoPath());
            removeFile(newDbf);
        }
        throw;
    }
    SafeFile::syncFolderOf(fileName);
    removeFile(oldDbt);

    // Reopen over the new files, keeping the active order.
    dbf.close();
    dbt.close();
    openFiles();
    position = 0;
    loadBuffer();
    emit rowsChanged();
    emit dataChange();
}
