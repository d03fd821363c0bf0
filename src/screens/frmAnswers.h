#pragma once

#include "SlotScreen.h"

#include <array>
#include <cstdint>

// The review of one finished test: green and red slot numbers, the answers on
// the lines the student saw them, the chosen line selected and the right
// answer in dark green. It only reads.
class ReviewTexts;

class frmAnswers : public SlotForm {
    Q_OBJECT

public:
    frmAnswers();

    void Form_Load() override;
    void Form_QueryUnload() override;
    void cmdNext_Click();
    void cmdPrev_Click();
    void lblQuestionNumber_Click(std::int16_t index) override;
    void cmdDone_Click();

private:
    static const ReviewTexts& Texts();
    void Load_Question();
    void Colour_Question_Numbers();
    void Mark_Lines(int chosenIndex, const std::array<QString, 3>& order);
};
