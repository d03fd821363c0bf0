#include "SlotScreen.h"

#include "PictureView.h"

#include <QButtonGroup>
#include <QColor>
#include <QFont>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <algorithm>
#include <cmath>

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
    // Beside its button in either direction of the screen, whatever the
    // direction of the text itself (an English answer on an Arabic screen).
    label.setAlignment((label.isRightToLeft() ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignAbsolute | Qt::AlignVCenter);
    QFont font = label.font();
    font.setPointSize(TextPointSize);
    label.setFont(font);
}

}

namespace {

constexpr int FocusWidth = 2;
constexpr int FocusRoom = 4;

// An answer's option button with a focus mark of its own: a frame in the
// window's text colour around the button whenever it holds the focus, from
// the first moment of a test. The style marks the focus only after a key has
// moved it, and then in a faint shade of the background.
class AnswerOption : public QRadioButton {
public:
    using QRadioButton::QRadioButton;

    QSize sizeHint() const override { return QRadioButton::sizeHint() + QSize(2 * FocusRoom, 2 * FocusRoom); }
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    bool hitButton(const QPoint& position) const override { return rect().contains(position); }

    void paintEvent(QPaintEvent*) override
    {
        QStylePainter painter(this);
        QStyleOptionButton option;
        initStyleOption(&option);
        option.rect = rect().adjusted(FocusRoom, FocusRoom, -FocusRoom, -FocusRoom);
        option.state.setFlag(QStyle::State_HasFocus, false);
        painter.drawControl(QStyle::CE_RadioButton, option);
        if (!hasFocus())
            return;
        const QColor mark = palette().color(QPalette::WindowText);
        const int w = width(), h = height();
        for (const QRect& edge : {QRect(0, 0, w, FocusWidth), QRect(0, h - FocusWidth, w, FocusWidth),
                                  QRect(0, 0, FocusWidth, h), QRect(w - FocusWidth, 0, FocusWidth, h)})
            painter.fillRect(edge, mark);
    }
};

}

ClickableLabel::ClickableLabel(QWidget* parent) : QLabel(parent)
{
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::PointingHandCursor);
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}

namespace SlotColours {
QColor Right() { return QColor(0, 255, 0); }
QColor Missed() { return QColor(255, 0, 0); }
QColor RightLine() { return QColor(0, 128, 0); }
QColor OtherLine() { return QColor(0, 0, 0); }
}

namespace {

// Relative luminance and contrast ratio as WCAG 2.1 defines them.
double Luminance(const QColor& colour)
{
    const auto linear = [](int channel) {
        const double value = channel / 255.0;
        return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.red()) + 0.7152 * linear(colour.green()) + 0.0722 * linear(colour.blue());
}

double Contrast(const QColor& a, const QColor& b)
{
    const double first = Luminance(a);
    const double second = Luminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

// Large text (18 points, or 14 points bold) reads at 3:1 against its
// background; smaller text needs 4.5:1.
double LeastContrastFor(const QFont& font)
{
    const double points = font.pointSizeF();
    return points >= 18 || (font.bold() && points >= 14) ? 3.0 : 4.5;
}

// `wanted` mixed in steps of 5% toward black or white, whichever stands out
// more from the background, until it reaches the least contrast.
QColor ReadableOn(const QColor& background, const QColor& wanted, double leastContrast)
{
    const QColor target = Contrast(background, Qt::black) >= Contrast(background, Qt::white) ? Qt::black : Qt::white;
    const auto mix = [](int from, int to, double share) { return qRound(from + (to - from) * share); };
    QColor colour = wanted;
    for (int step = 1; step <= 20 && Contrast(colour, background) < leastContrast; ++step) {
        const double share = step / 20.0;
        colour = QColor(mix(wanted.red(), target.red(), share), mix(wanted.green(), target.green(), share),
                        mix(wanted.blue(), target.blue(), share));
    }
    return colour;
}

}

void SetTextColour(QLabel& label, const QColor& colour)
{
    const QPalette window = label.window()->palette();
    QPalette palette = label.palette();
    palette.setColor(QPalette::WindowText, colour == SlotColours::OtherLine()
                                               ? window.color(QPalette::WindowText)
                                               : ReadableOn(window.color(QPalette::Window), colour, LeastContrastFor(label.font())));
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
        // Wide enough for the review's widest number with its mark ("25✗").
        number->setMinimumWidth(number->fontMetrics().horizontalAdvance(QStringLiteral("88\u2717")));
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
    QuestionNumber = new QLabel(tr("Question #"), this);
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
        auto* option = new AnswerOption(this);
        option->setObjectName(QStringLiteral("optAnswer_%1").arg(k));
        choice_->addButton(option, k);
        // A click on the answer text chooses its line, as a click on the button does.
        auto* answer = new ClickableLabel(this);
        MakeDataLabel(*answer, QStringLiteral("lblAnswer%1").arg(k + 1));
        answer->setFocusPolicy(Qt::NoFocus);
        answer->unsetCursor();
        connect(answer, &ClickableLabel::clicked, option, &QAbstractButton::click);
        optAnswer[static_cast<std::size_t>(k)] = option;
        lines[static_cast<std::size_t>(k)] = answer;
        layout->addWidget(option, k + 4, 0, Qt::AlignTop);
        layout->addWidget(answer, k + 4, 1);
    }
    // Made after the answers, so that they take the focus first on every
    // slot and the picture after them; laid out above them.
    picQuestion = new PictureView(this);
    layout->addWidget(picQuestion, 2, 0, 1, 2);
    lblPictureHint = new QLabel(tr("Click the picture or press Enter to see it full size."), this);
    lblPictureHint->setObjectName(QStringLiteral("lblPictureHint"));
    lblPictureHint->setAlignment(Qt::AlignHCenter);
    lblPictureHint->hide();
    layout->addWidget(lblPictureHint, 3, 0, 1, 2);
    connect(picQuestion, &PictureView::DecodingEnded, this,
            [this] { lblPictureHint->setVisible(picQuestion->isVisibleTo(this)); });
    lblAnswer1 = lines[0];
    lblAnswer2 = lines[1];
    lblAnswer3 = lines[2];
    NameAnswerButtons();
    return layout;
}

QHBoxLayout* SlotForm::BuildSlotButtons()
{
    cmdPrev = NamedButton(QStringLiteral("<<<"), QStringLiteral("cmdPrev"), this);
    cmdPrev->setAccessibleName(tr("Previous question"));
    cmdNext = NamedButton(QStringLiteral(">>>"), QStringLiteral("cmdNext"), this);
    cmdNext->setAccessibleName(tr("Next question"));
    cmdDone = NamedButton(tr("&Done"), QStringLiteral("cmdDone"), this);
    GiveStepKeys(cmdPrev, cmdNext);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdPrev);
    buttons->addWidget(cmdNext);
    buttons->addStretch();
    buttons->addWidget(cmdDone);
    return buttons;
}

std::array<QLabel*, 3> SlotForm::AnswerLines() const { return {lblAnswer1, lblAnswer2, lblAnswer3}; }

void SlotForm::NameAnswerButtons(const std::array<QString, 3>& notes)
{
    const std::array<QLabel*, 3> lines = AnswerLines();
    for (std::size_t k = 0; k < lines.size(); ++k) {
        QString name = tr("Answer %1").arg(k + 1);
        // The joins are the language's own (French puts a space before ':').
        if (!lines[k]->text().isEmpty())
            //: A screen reader's name of an answer button: "Answer 1" and the answer's text.
            name = tr("%1: %2").arg(name, lines[k]->text());
        if (!notes[k].isEmpty())
            //: A screen reader's name of an answer button and what is noted of it, such as "right".
            name = tr("%1 (%2)").arg(name, notes[k]);
        optAnswer[k]->setAccessibleName(name);
    }
}

void SlotForm::ShowPicture(const std::optional<Picture>& picture)
{
    picQuestion->Show(picture);
    lblPictureHint->setVisible(picQuestion->isVisibleTo(this));
}

void SlotForm::MakeRoomForPictures(const QSize& room)
{
    if (room.isEmpty())
        return;
    picQuestion->Reserve(room);
    lblPictureHint->show();
    layout()->invalidate();
    const QSize wanted = sizeHint();
    ShowPicture(std::nullopt);
    resize(wanted.boundedTo(PictureView::WindowRoom(*this)).expandedTo(size()));
}

void SlotForm::ClearSlot()
{
    lblQuestion->clear();
    ShowPicture(std::nullopt);
    for (QLabel* line : AnswerLines())
        line->clear();
    choice_->setExclusive(false);
    for (QAbstractButton* option : choice_->buttons())
        option->setChecked(false);
    choice_->setExclusive(true);
}
