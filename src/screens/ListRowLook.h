#pragma once

#include <QLabel>
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

// The look of rows laid out in columns with blanks in a fixed-pitch font (the
// results lists): right to left, each run of words stands at its own mirrored
// column in its own direction, so every row's columns line up under the
// heading whatever the script of its title.
class ColumnRowLook : public ListRowLook {
public:
    using ListRowLook::ListRowLook;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;
};

// Cells whose texts come from the database (names, titles, questions): each
// laid out in its own direction, so a Latin question on a right-to-left
// screen keeps its question mark at its end, and set on the screen's own
// side of its cell.
class OwnDirectionLook : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;
};

// The heading over such a list, its words drawn at the same mirrored columns
// right to left. Its text stays the plain padded row a screen reader reads.
class ColumnHeading : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent* event) override;
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
