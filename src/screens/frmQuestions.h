#pragma once

#include "Form.h"

#include <array>
#include <cstdint>

class QButtonGroup;
class QLabel;
class QPushButton;
class QRadioButton;
class QTimer;

// The test screen: one of the 25 slots at a time, its answers in a drawn
// order, the countdown, and the attempt's Results row stored at every slot
// departure.
class frmQuestions : public Form {
    Q_OBJECT

public:
    frmQuestions();

    void Form_Load() override;
    void Form_QueryUnload() override;
    void lblQuestionNumber_Click(std::int16_t index);
    void cmdNext_Click();
    void cmdPrev_Click();
    void cmdDone_Click();
    void Timer1_Timer();

    std::array<QLabel*, 25> lblQuestionNumber{};
    QLabel* QuestionNumber = nullptr;
    QLabel* lblQuestion = nullptr;
    QLabel* lblAnswer1 = nullptr;
    QLabel* lblAnswer2 = nullptr;
    QLabel* lblAnswer3 = nullptr;
    std::array<QRadioButton*, 3> optAnswer{};
    QPushButton* cmdPrev = nullptr;
    QPushButton* cmdNext = nullptr;
    QPushButton* cmdDone = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* lblTime = nullptr;
    QTimer* Timer1 = nullptr;

    std::int16_t MinutesLeft = 0;
    std::int16_t SecondsLeft = 0;
    bool Finishing = false;

protected:
    void CloseByFrame() override;

private:
    void Load_Question();
    void Show_Order(int slot, const QString& orderDigits);
    void Start_Countdown();
    void Time_Is_Up();
    int Count_Right_Answers() const;

    QButtonGroup* choice_ = nullptr;
};
