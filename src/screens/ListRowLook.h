#pragma once

#include <QStyledItemDelegate>

// Draws a list's rows as the style does, except the keyboard's place on a
// row that is not selected: a dotted outline in the text colour instead of
// the style's tinted fill, which looks like a selection. A list that takes
// the focus with nothing selected then shows no row as selected, and Take or
// Review (which act only on a selected row) are not expected to act on it.
class ListRowLook : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};
