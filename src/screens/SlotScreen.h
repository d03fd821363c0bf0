#pragma once

#include "Form.h"

#include "exchange/Picture.h"

#include <QLabel>
#include <array>
#include <cstdint>
#include <optional>

class QButtonGroup;
class QColor;
class QGridLayout;
class QHBoxLayout;
class PictureView;
class QPushButton;
class QRadioButton;
class QWidget;

// The parts the test screen and the review screen share: the 25 clickable
// slot numbers, the question with its three answer lines, and the text
// colours they use.

// A label that acts on a mouse click. It takes no keyboard focus: the Tab
// key goes to the answers, and keyboard users step with the arrow buttons.
class ClickableLabel : public QLabel {
    Q_OBJECT

public:
    explicit ClickableLabel(QWidget* parent);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

namespace SlotColours {
QColor Right();       // green (0, 255, 0): a slot answered (right, on the review)
QColor Missed();      // red (255, 0, 0)
QColor RightLine();   // dark green (0, 128, 0): the line that holds the right answer
QColor OtherLine();   // black
}

// Sets a label's text colour as it reads on its window's background: black
// stands for the palette's own text colour, and any other colour keeps its
// hue but is darkened (on a light background) or lightened (on a dark one)
// until it stands out as the label's font needs: 3:1 for large text (18
// points, or 14 bold), 4.5:1 for any other. Set the font first.
void SetTextColour(QLabel& label, const QColor& colour);
QColor TextColour(const QLabel& label);

// The chosen line, 1 to 3, or 0 when none is selected.
int ChosenLine(const std::array<QRadioButton*, 3>& optAnswer);
// Selects the option button at `index`; an index outside 0..2 selects nothing.
void SelectChoice(const std::array<QRadioButton*, 3>& optAnswer, int index);

// Base of the test screen and the review screen, which show one question
// slot at a time with the same controls. Each screen creates the parts in
// its own order (which sets its tab order) and lays them out its own way.
class SlotForm : public Form {
    Q_OBJECT

public:
    using Form::Form;

    // A click on the number of slot index + 1.
    virtual void lblQuestionNumber_Click(std::int16_t index) = 0;

    std::array<QLabel*, 25> lblQuestionNumber{};
    QLabel* QuestionNumber = nullptr;
    QLabel* lblQuestion = nullptr;
    PictureView* picQuestion = nullptr;
    // Under a picture shown: that it opens full size.
    QLabel* lblPictureHint = nullptr;
    QLabel* lblAnswer1 = nullptr;
    QLabel* lblAnswer2 = nullptr;
    QLabel* lblAnswer3 = nullptr;
    std::array<QRadioButton*, 3> optAnswer{};
    QPushButton* cmdPrev = nullptr;
    QPushButton* cmdNext = nullptr;
    QPushButton* cmdDone = nullptr;

protected:
    // The labels "1" to "25" (bold, centred) in two rows, 1 to 13 and 14 to
    // 25; a click runs lblQuestionNumber_Click.
    QGridLayout* BuildSlotNumbers();
    // "Question #", the question, its picture (hidden while the slot has
    // none) and the three answer lines, each an option button beside a
    // word-wrapping label.
    QGridLayout* BuildQuestionArea();
    // "<<<" and ">>>" at the left, "&Done" at the right.
    QHBoxLayout* BuildSlotButtons();

    std::array<QLabel*, 3> AnswerLines() const;
    // Names each option button for screen readers by its line's answer,
    // followed by the note for that line ("right answer", ...) if any.
    void NameAnswerButtons(const std::array<QString, 3>& notes = {});
    // Empties the question, its picture and the answer lines and leaves all three option
    // buttons unselected (an exclusive group cannot otherwise return to
    // having none checked).
    void ClearSlot();
    // Shows the slot's picture (or none) with the hint under it.
    void ShowPicture(const std::optional<Picture>& picture);
    // Makes the window large enough, within the screen, to show a picture of
    // `room` at its own size; called once, before the first slot is shown,
    // so that the window keeps one size from slot to slot.
    void MakeRoomForPictures(const QSize& room);

private:
    QButtonGroup* choice_ = nullptr;
};
