#pragma once

#include <QListWidget>
#include <QStyledItemDelegate>

// Draws a list's rows as the style does, except the keyboard's place on a
// row that is not selected: a dotted outline in the text colour instead of
// the style's tinted fill, which looks like a selection: a row the keyboard's
// place reaches without selecting it (Ctrl with an arrow) is not mistaken for
// the row Take or Review act on.
class ListRowLook : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

// A list of rows to pick from. With no row selected it has no current row
// either, even when it takes the focus (Qt would make the first row current
// unselected, and the first Down would then select the second row): the
// first Down, Up or Space selects the first row.
class PickList : public QListWidget {
public:
    using QListWidget::QListWidget;

protected:
    void focusInEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};
