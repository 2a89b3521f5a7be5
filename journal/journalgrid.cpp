#include "journalgrid.h"

#include "dbftable.h"
#include "dbftablemodel.h"

#include <QPainter>
#include <QPainterPath>

bool rowMarkedDeleted(const DbfTableModel& model, int row) {
    const int recNo = model.recNoAt(row);
    return recNo > 0 && model.table()->deletedAt(recNo);
}

RowIndicator::RowIndicator(DbfTableModel* model, QWidget* parent) : QHeaderView(Qt::Vertical, parent), table(model) {
    setSectionResizeMode(QHeaderView::Fixed);
    setSectionsClickable(false);
    setDefaultSectionSize(20);
    connect(model, &DbfTableModel::currentRowChanged, viewport(), qOverload<>(&QWidget::update));
}

QSize RowIndicator::sizeHint() const {
    return QSize(12, QHeaderView::sizeHint().height());
}

void RowIndicator::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const {
    painter->save();
    painter->fillRect(rect, palette().color(QPalette::Button));
    painter->setPen(palette().color(QPalette::Dark));
    painter->drawLine(rect.bottomLeft(), rect.bottomRight());
    painter->drawLine(rect.topRight(), rect.bottomRight());
    if (logicalIndex == table->currentRow()) {
        const QPointF c = QRectF(rect).center();
        QPainterPath arrow;
        arrow.moveTo(c.x() - 2.5, c.y() - 4.5);
        arrow.lineTo(c.x() + 2.5, c.y());
        arrow.lineTo(c.x() - 2.5, c.y() + 4.5);
        arrow.closeSubpath();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->fillPath(arrow, Qt::black);
    }
    painter->restore();
}

DeletedMarkDelegate::DeletedMarkDelegate(DbfTableModel* model, QObject* parent)
    : QStyledItemDelegate(parent), table(model) {}

void DeletedMarkDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const {
    QStyledItemDelegate::initStyleOption(option, index);
    if (!rowMarkedDeleted(*table, index.row()))
        return;
    option->font.setStrikeOut(true);
    option->palette.setColor(QPalette::Text, Qt::gray);
    option->palette.setColor(QPalette::HighlightedText, QColor(0xE0, 0xE0, 0xE0));
}
