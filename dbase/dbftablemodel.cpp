#include "dbftablemodel.h"

#include "dbftable.h"

DbfTableModel::DbfTableModel(DbfTable* table, QList<DbfColumn> columns, QObject* parent)
    : QAbstractTableModel(parent), dbf(table), cols(std::move(columns)) {
    refreshFields();
    connect(dbf, &DbfTable::rowsChanged, this, [this] {
        beginResetModel();
        refreshFields();
        endResetModel();
    });
    connect(dbf, &DbfTable::dataChange, this, [this] { emit currentRowChanged(currentRow()); });
}

void DbfTableModel::refreshFields() {
    fieldIndexes.clear();
    for (const DbfColumn& c : cols)
        fieldIndexes.append(dbf->Active() ? dbf->fieldIndex(c.field) : -1);
}

void DbfTableModel::setEditableFields(const QSet<QString>& fields) {
    editable = fields;
}

int DbfTableModel::currentRow() const {
    return dbf->Active() && !dbf->dEOF() ? int(dbf->currentPosition()) : -1;
}

int DbfTableModel::recNoAt(int row) const {
    return dbf->Active() ? dbf->recNoAt(row) : 0;
}

int DbfTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !dbf->Active() ? 0 : dbf->RecCount();
}

int DbfTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(cols.size());
}

QVariant DbfTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    const int recNo = recNoAt(index.row());
    const int field = fieldIndexes.value(index.column(), -1);
    // The current record shows its buffer, so that values set but not yet replaced are seen.
    if (recNo == dbf->RecNo() && field >= 0) {
        const QString& name = cols[index.column()].field;
        return (dbf->fields()[field].type == 'D' ? dbf->GetDField(name) : dbf->GetField(name)).trimmed();
    }
    return dbf->fieldText(recNo, field).trimmed();
}

QVariant DbfTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return section >= 0 && section < cols.size() ? cols[section].title : QVariant();
    return {};
}

Qt::ItemFlags DbfTableModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (index.isValid() && editable.contains(cols.value(index.column()).field.toLower()))
        f |= Qt::ItemIsEditable;
    return f;
}

bool DbfTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
        return false;
    const int recNo = recNoAt(index.row());
    if (recNo == 0)
        return false;
    if (dbf->RecNo() != recNo)
        dbf->Go(recNo);
    dbf->SetCField(cols[index.column()].field, value.toString());
    dbf->Replace();
    return true;
}
