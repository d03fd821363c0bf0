#pragma once

#include "Form.h"

#include <array>
#include <cstdint>

class QButtonGroup;
class QLabel;
class QPushButton;
class QRadioButton;

// The review of one finished test: green and red slot numbers, the answers on
// the lines the student saw them, the chosen line selected and the right
// answer in dark green. It only reads.
class frmAnswers : public Form {
    Q_OBJECT

public:
    frmAnswers();

    void Form_Load() override;
    void Form_QueryUnload() override;
    void cmdNext_Click();
    void cmdPrev_Click();
    void lblQuestionNumber_Click(std::int16_t index);
    void cmdDone_Click();

    QLabel* lblQuestion = nullptr;
    std::array<QRadioButton*, 3> optAnswer{};
    QLabel* lblAnswer1 = nullptr;
    QLabel* lblAnswer2 = nullptr;
    QLabel* lblAnswer3 = nullptr;
    QLabel* QuestionNumber = nullptr;
    std::array<QLabel*, 25> lblQuestionNumber{};
    QPushButton* cmdPrev = nullptr;
    QPushButton* cmdNext = nullptr;
    QPushButton* cmdDone = nullptr;

private:
    void Load_Question();
    void Colour_Question_Numbers();

    QButtonGroup* choice_ = nullptr;
};
