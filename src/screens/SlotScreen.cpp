#include "SlotScreen.h"

#include <QButtonGroup>
#include <QColor>
#include <QFont>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>
#include <QPushButton>
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

QGridLayout* SlotForm::BuildSlotNumbers()
{
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(4);
    for (int i = 0; i < 25; ++i) {
        auto* number = new ClickableLabel(this);
        number->setObjectName(QStringLiteral("lblQuestionNumber_%1").arg(i));
        number->setText(QString::number(i + 1));
        number->setFont(Bold(*number, SlotNumberPointSize));
        number->setAlignment(Qt::AlignCenter);
        number->setMinimumWidth(number->fontMetrics().horizontalAdvance(QStringLiteral("888")));
        const auto index = static_cast<std::int16_t>(i);
        connect(number, &ClickableLabel::clicked, this,
                [this, index] { RunGuarded([&] { lblQuestionNumber_Click(index); }); });
        lblQuestionNumber[static_cast<std::size_t>(i)] = number;
        grid->addWidget(number, i / NumbersInUpperRow, i % NumbersInUpperRow);
    }
    for (int column = 0; column < NumbersInUpperRow; ++column)
        grid->setColumnStretch(column, 1);
    return grid;
}

QGridLayout* SlotForm::BuildQuestionArea()
{
    QuestionNumber = new QLabel(QStringLiteral("Question #"), this);
    QuestionNumber->setObjectName(QStringLiteral("QuestionNumber"));
    QuestionNumber->setFont(Bold(*QuestionNumber, HeadingPointSize));
    lblQuestion = new QLabel(this);
    MakeDataLabel(*lblQuestion, QStringLiteral("lblQuestion"));
    choice_ = new QButtonGroup(this);
    choice_->setExclusive(true);

    auto* layout = new QGridLayout;
    layout->setColumnStretch(1, 1);
    layout->setVerticalSpacing(10);
    layout->addWidget(QuestionNumber, 0, 0, 1, 2);
    layout->addWidget(lblQuestion, 1, 0, 1, 2);
    std::array<QLabel*, 3> lines{};
    for (int k = 0; k < 3; ++k) {
        auto* option = new QRadioButton(this);
        option->setObjectName(QStringLiteral("optAnswer_%1").arg(k));
        option->setAccessibleName(QStringLiteral("Answer %1").arg(k + 1));
        choice_->addButton(option, k);
        // A click on the answer text chooses its line, as a click on the button does.
        auto* answer = new ClickableLabel(this);
        MakeDataLabel(*answer, QStringLiteral("lblAnswer%1").arg(k + 1));
        answer->setFocusPolicy(Qt::NoFocus);
        answer->unsetCursor();
        connect(answer, &ClickableLabel::clicked, option, &QAbstractButton::click);
        optAnswer[static_cast<std::size_t>(k)] = option;
        lines[static_cast<std::size_t>(k)] = answer;
        layout->addWidget(option, k + 2, 0, Qt::AlignTop);
        layout->addWidget(answer, k + 2, 1);
    }
    lblAnswer1 = lines[0];
    lblAnswer2 = lines[1];
    lblAnswer3 = lines[2];
    return layout;
}

QHBoxLayout* SlotForm::BuildSlotButtons()
{
    cmdPrev = NamedButton(QStringLiteral("<<<"), QStringLiteral("cmdPrev"), this);
    cmdPrev->setAccessibleName(QStringLiteral("Previous question"));
    cmdNext = NamedButton(QStringLiteral(">>>"), QStringLiteral("cmdNext"), this);
    cmdNext->setAccessibleName(QStringLiteral("Next question"));
    cmdDone = NamedButton(QStringLiteral("&Done"), QStringLiteral("cmdDone"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdPrev);
    buttons->addWidget(cmdNext);
    buttons->addStretch();
    buttons->addWidget(cmdDone);
    return buttons;
}

std::array<QLabel*, 3> SlotForm::AnswerLines() const { return {lblAnswer1, lblAnswer2, lblAnswer3}; }

void SlotForm::ClearSlot()
{
    lblQuestion->clear();
    for (QLabel* line : AnswerLines())
        line->clear();
    choice_->setExclusive(false);
    for (QAbstractButton* option : choice_->buttons())
        option->setChecked(false);
    choice_->setExclusive(true);
}
