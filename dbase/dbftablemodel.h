#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QSet>
#include <QString>

class DbfTable;

// A grid column over a table field: the field's name, the column title and its width in pixels.
struct DbfColumn {
    QString field;
    QString title;
    int width = 80;
};

// The table as rows of its active order, for a grid. Character fields are shown without their
// trailing blanks, dates in the engine's display form. The editable fields are written back
// at once: the row's record becomes current, the field is set and the record replaced.
class DbfTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    DbfTableModel(DbfTable* table, QList<DbfColumn> columns, QObject* parent = nullptr);

    void setEditableFields(const QSet<QString>& fields); // names in lower case
    const QList<DbfColumn>& columns() const { return cols; }
    DbfTable* table() const { return dbf; }

    // The row of the current record (-1 at EOF), and the record of a row.
    int currentRow() const;
    int recNoAt(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

signals:
    // The current record moved to this row (-1 at EOF).
    void currentRowChanged(int row);

private:
    DbfTable* dbf;
    QList<DbfColumn> cols;
    QSet<QString> editable;
    QList<int> fieldIndexes;
    void refreshFields();
};
