// libFuzzer target of the table reader: the input is a .dbf image and a .dbt image (split at a
// length given by the first two bytes). The table is opened, every field of every record read,
// and the indexes built over its character and date fields.
#include "dbferror.h"
#include "dbftable.h"

#include <QDir>
#include <QFile>
#include <QtEndian>
#include <cstdint>
#include <unistd.h>

namespace {

void writeFile(const QString& path, const char* data, size_t size) {
    QFile f(path);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(data, qint64(size));
}

const QString& folder() {
    static const QString dir = [] {
        const QString d = QStringLiteral("/dev/shm/qorin-fuzz-%1").arg(::getpid());
        QDir().mkpath(d);
        return d;
    }();
    return dir;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2)
        return 0;
    const size_t dbfSize = std::min<size_t>(qFromLittleEndian<quint16>(data), size - 2);
    const char* bytes = reinterpret_cast<const char*>(data + 2);
    const QString dbf = folder() + QStringLiteral("/t.dbf");
    writeFile(dbf, bytes, dbfSize);
    writeFile(folder() + QStringLiteral("/t.dbt"), bytes + dbfSize, size - 2 - dbfSize);

    DbfTable table;
    table.setDbfFileName(dbf);
    try {
        // A first opening learns the fields; a second one builds an index over each of them.
        table.open();
        QList<IndexDef> indexes;
        for (const FieldDef& f : table.fields())
            if (f.type == 'C' || f.type == 'D')
                indexes.append({QStringLiteral("i%1").arg(indexes.size()),
                                f.type == 'D' && indexes.size() % 2 ? QStringLiteral("dtoc(%1)").arg(f.name) : f.name});
        table.close();
        table.setIndexes(indexes);
        table.open();
        for (const IndexDef& index : indexes) {
            table.SetIndexTo(index.name);
            for (table.GoTop(); !table.dEOF(); table.Skip(1))
                for (const FieldDef& f : table.fields())
                    (void)table.GetField(f.name).size();
            (void)table.order(index.name)->ndxImage();
        }
        table.SetIndexTo(QString());
        for (int r = 1; r <= table.RecCount(); ++r)
            for (int f = 0; f < table.fields().size(); ++f)
                (void)table.fieldText(r, f);
    } catch (const DbfError&) {
        // A file refused with a message is the expected outcome for most inputs.
    }
    return 0;
}
