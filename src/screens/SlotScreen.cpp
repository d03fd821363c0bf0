#include "SlotScreen.h"

#include <QButtonGroup>
#include <QColor>
#include <QFont>
#include <QGridLayout>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace {

constexpr int NumbersInUpperRow = 13;
constexpr int SlotNumberPointSize = 18;
constexpr int HeadingPointSize = 12;
constexpr int TextPointSize = 11;

QFont Bold(const QWidget& widget, int pointSize)
{
    QFont font = widget.font();
    font.setBold(true);
    font.setPointSize(pointSize);
    return font;
}

void MakeDataLabel(QLabel& label, const QString& objectName)
{
    label.setObjectName(objectName);
    // Texts come from the database: never read as markup.
    label.setTextFormat(Qt::PlainText);
    label.setWordWrap(true);
    QFont font = label.font();
    font.setPointSize(TextPointSize);
    label.setFont(font);
}

}

ClickableLabel::ClickableLabel(QWidget* parent) : QLabel(parent)
{
    setFocusPolicy(Qt::TabFocus);
    setCursor(Qt::PointingHandCursor);
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}

void ClickableLabel::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit clicked();
        return;
    default:
        QLabel::keyPressEvent(event);
    }
}

void ClickableLabel::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    QPainter painter(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
}

namespace SlotColours {
QColor Right() { return QColor(0, 255, 0); }
QColor Missed() { return QColor(255, 0, 0); }
QColor RightLine() { return QColor(0, 128, 0); }
QColor OtherLine() { return QColor(0, 0, 0); }
}

void SetTextColour(QLabel& label, const QColor& colour)
{
    QPalette palette = label.palette();
    palette.setColor(QPalette::WindowText, colour);
    label.setPalette(palette);
}

QColor TextColour(const QLabel& label) { return label.palette().color(QPalette::WindowText); }

QGridLayout* BuildSlotNumbers(QWidget& form, std::array<QLabel*, 25>& labels,
                              const std::function<void(std::int16_t)>& onClick)
{
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(4);
    for (int i = 0; i < 25; ++i) {
        auto* number = new ClickableLabel(&form);
        number->setObjectName(QStringLiteral("lblQuestionNumber_%1").arg(i));
        number->setText(QString::number(i + 1));
        number->setFont(Bold(*number, SlotNumberPointSize));
        number->setAlignment(Qt::AlignCenter);
        number->setMinimumWidth(number->fontMetrics().horizontalAdvance(QStringLiteral("888")));
        const auto index = static_cast<std::int16_t>(i);
        QObject::connect(number, &ClickableLabel::clicked, &form, [onClick, index] { onClick(index); });
        labels[static_cast<std::size_t>(i)] = number;
        grid->addWidget(number, i / NumbersInUpperRow, i % NumbersInUpperRow);
    }
    for (int column = 0; column < NumbersInUpperRow; ++column)
        grid->setColumnStretch(column, 1);
    return grid;
}

QuestionArea BuildQuestionArea(QWidget& form)
{
    QuestionArea area;
    area.QuestionNumber = new QLabel(QStringLiteral("Question #"), &form);
    area.QuestionNumber->setObjectName(QStringLiteral("QuestionNumber"));
    area.QuestionNumber->setFont(Bold(*area.QuestionNumber, HeadingPointSize));
    area.lblQuestion = new QLabel(&form);
    MakeDataLabel(*area.lblQuestion, QStringLiteral("lblQuestion"));
    area.choice = new QButtonGroup(&form);
    area.choice->setExclusive(true);

    area.layout = new QGridLayout;
    area.layout->setColumnStretch(1, 1);
    area.layout->setVerticalSpacing(10);
    area.layout->addWidget(area.QuestionNumber, 0, 0, 1, 2);
    area.layout->addWidget(area.lblQuestion, 1, 0, 1, 2);
    for (int k = 0; k < 3; ++k) {
        auto* option = new QRadioButton(&form);
        option->setObjectName(QStringLiteral("optAnswer_%1").arg(k));
        option->setAccessibleName(QStringLiteral("Answer %1").arg(k + 1));
        area.choice->addButton(option, k);
        // A click on the answer text chooses its line, as a click on the button does.
        auto* answer = new ClickableLabel(&form);
        MakeDataLabel(*answer, QStringLiteral("lblAnswer%1").arg(k + 1));
        answer->setFocusPolicy(Qt::NoFocus);
        answer->unsetCursor();
        QObject::connect(answer, &ClickableLabel::clicked, option, &QAbstractButton::click);
        area.optAnswer[static_cast<std::size_t>(k)] = option;
        area.lblAnswer[static_cast<std::size_t>(k)] = answer;
        area.layout->addWidget(option, k + 2, 0, Qt::AlignTop);
        area.layout->addWidget(answer, k + 2, 1);
    }
    return area;
}

void ClearChoice(QButtonGroup& choice)
{
    choice.setExclusive(false);
    for (QAbstractButton* option : choice.buttons())
        option->setChecked(false);
    choice.setExclusive(true);
}

int ChosenLine(const std::array<QRadioButton*, 3>& optAnswer)
{
    for (std::size_t k = 0; k < optAnswer.size(); ++k) {
        if (optAnswer[k]->isChecked())
            return static_cast<int>(k) + 1;
    }
    return 0;
}

void SelectChoice(const std::array<QRadioButton*, 3>& optAnswer, int index)
{
    if (index >= 0 && index < static_cast<int>(optAnswer.size()))
        optAnswer[static_cast<std::size_t>(index)]->setChecked(true);
}
