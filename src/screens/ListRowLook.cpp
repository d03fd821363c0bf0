#include "ListRowLook.h"

#include "report/MirroredRuns.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QStyle>

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

namespace {

// Draws the row's runs of words right to left within `room`, each at its
// mirrored column of the font's fixed pitch.
void DrawMirroredColumns(QPainter& painter, const QRect& room, const QString& row)
{
    const int cell = painter.fontMetrics().horizontalAdvance(QLatin1Char('M'));
    for (const WordRun& run : WordRuns(row))
        DrawAtRightInOwnDirection(painter, QRectF(room.left(), room.top(), room.width() - run.cell * cell, room.height()),
                                  Qt::AlignVCenter, run.text);
}

}

void ColumnRowLook::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    // Right to left, the style draws the row's frame, selection and focus
    // without its text (see initStyleOption), which is drawn here by columns.
    ListRowLook::paint(painter, option, index);
    if (option.direction != Qt::RightToLeft)
        return;
    QStyleOptionViewItem bare(option);
    initStyleOption(&bare, index);
    const QWidget* widget = option.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    const QRect room = style->subElementRect(QStyle::SE_ItemViewItemText, &bare, widget)
                           .adjusted(0, 0, -(style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1), 0);
    painter->save();
    painter->setFont(bare.font);
    const bool selected = option.state.testFlag(QStyle::State_Selected);
    painter->setPen(option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    DrawMirroredColumns(*painter, room, index.data(Qt::DisplayRole).toString());
    painter->restore();
}

void OwnDirectionLook::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    const Qt::Alignment screenSide = option->direction == Qt::RightToLeft ? Qt::AlignRight : Qt::AlignLeft;
    option->displayAlignment = screenSide | Qt::AlignAbsolute | (option->displayAlignment & Qt::AlignVertical_Mask);
    option->direction = option->text.isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight;
}

void ColumnRowLook::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const
{
    ListRowLook::initStyleOption(option, index);
    if (option->direction == Qt::RightToLeft)
        option->text.clear();
}

void ColumnHeading::paintEvent(QPaintEvent* event)
{
    if (!isRightToLeft())
        return QLabel::paintEvent(event);
    QPainter painter(this);
    painter.setPen(palette().color(foregroundRole()));
    DrawMirroredColumns(painter, contentsRect(), text());
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
