#include "dbfmemobinding.h"

#include "dbftable.h"

#include <QVariant>

DbfMemoBinding::DbfMemoBinding(DbfTable* table, QString field, QObject* editor, QByteArray property)
    : QObject(editor), dbf(table), fieldName(std::move(field)), target(editor), propertyName(std::move(property)) {
    connect(dbf, &DbfTable::dataChange, this, &DbfMemoBinding::refresh);
    refresh();
}

QString DbfMemoBinding::text() const {
    return target ? target->property(propertyName.constData()).toString() : QString();
}

void DbfMemoBinding::refresh() {
    if (!target)
        return;
    const bool record = dbf->Active() && !dbf->dEOF();
    const QString value = record ? dbf->GetMemo(fieldName) : QString();
    if (target->property(propertyName.constData()).toString() != value)
        target->setProperty(propertyName.constData(), value);
}
