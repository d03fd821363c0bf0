#include "ListRowLook.h"

#include <QKeyEvent>
#include <QPainter>

void ListRowLook::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const bool outlineOnly = option.state.testFlag(QStyle::State_HasFocus) && !option.state.testFlag(QStyle::State_Selected);
    QStyleOptionViewItem row(option);
    if (outlineOnly)
        row.state.setFlag(QStyle::State_HasFocus, false);
    QStyledItemDelegate::paint(painter, row, index);
    if (!outlineOnly)
        return;
    painter->save();
    QPen pen(option.palette.color(QPalette::Text));
    pen.setStyle(Qt::DotLine);
    painter->setPen(pen);
    painter->drawRect(option.rect.adjusted(0, 0, -1, -1));
    painter->restore();
}

void PickList::focusInEvent(QFocusEvent* event)
{
    QListWidget::focusInEvent(event);
    if (selectedItems().isEmpty())
        selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
}

void PickList::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Space && !currentIndex().isValid() && count() > 0) {
        setCurrentRow(0);
        return event->accept();
    }
    QListWidget::keyPressEvent(event);
}
