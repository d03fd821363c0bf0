#pragma once

#include <QLabel>
#include <array>
#include <cstdint>
#include <functional>

class QButtonGroup;
class QColor;
class QGridLayout;
class QRadioButton;
class QWidget;

// The parts the test screen and the review screen share: the 25 clickable
// slot numbers, the question with its three answer lines, and the text
// colours they use.

// A label that acts on a mouse click, and on Space or Enter when it has the
// keyboard focus, so keyboard users can reach it too.
class ClickableLabel : public QLabel {
    Q_OBJECT

public:
    explicit ClickableLabel(QWidget* parent);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

namespace SlotColours {
QColor Right();       // green (0, 255, 0): a slot answered (right, on the review)
QColor Missed();      // red (255, 0, 0)
QColor RightLine();   // dark green (0, 128, 0): the line that holds the right answer
QColor OtherLine();   // black
}

void SetTextColour(QLabel& label, const QColor& colour);
QColor TextColour(const QLabel& label);

// Creates the labels "1" to "25" (bold, centred) in two rows, 1 to 13 and 14
// to 25; a click on label i runs onClick(i).
QGridLayout* BuildSlotNumbers(QWidget& form, std::array<QLabel*, 25>& labels,
                              const std::function<void(std::int16_t)>& onClick);

// The question heading, the question and the three answer lines, each an
// option button beside a word-wrapping label.
struct QuestionArea {
    QLabel* QuestionNumber = nullptr;
    QLabel* lblQuestion = nullptr;
    std::array<QLabel*, 3> lblAnswer{};
    std::array<QRadioButton*, 3> optAnswer{};
    QButtonGroup* choice = nullptr;
    QGridLayout* layout = nullptr;
};
QuestionArea BuildQuestionArea(QWidget& form);

// All three option buttons unselected (an exclusive group cannot otherwise
// return to having none checked).
void ClearChoice(QButtonGroup& choice);
// The chosen line, 1 to 3, or 0 when none is selected.
int ChosenLine(const std::array<QRadioButton*, 3>& optAnswer);
// Selects the option button at `index`; an index outside 0..2 selects nothing.
void SelectChoice(const std::array<QRadioButton*, 3>& optAnswer, int index);
