#include "ListRowLook.h"

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
