#pragma once

#include <QHeaderView>
#include <QStyledItemDelegate>

class DbfTableModel;

// The grid's row indicator: a narrow column whose current row carries a pointing triangle.
class RowIndicator : public QHeaderView {
    Q_OBJECT
public:
    RowIndicator(DbfTableModel* model, QWidget* parent);
    QSize sizeHint() const override;

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;

private:
    DbfTableModel* table;
};

// Shows the cells of a record marked deleted struck through and greyed, until the table is packed.
class DeletedMarkDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    DeletedMarkDelegate(DbfTableModel* model, QObject* parent);

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;

private:
    DbfTableModel* table;
};

// True when the row's record is marked deleted.
bool rowMarkedDeleted(const DbfTableModel& model, int row);
