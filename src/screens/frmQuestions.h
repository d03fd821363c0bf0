#pragma once

#include "SlotScreen.h"

#include <cstdint>

class QLabel;
class QTimer;

// The test screen: one of the 25 slots at a time, its answers in a drawn
// order, the countdown, and the attempt's Results row stored at every slot
// departure.
class frmQuestions : public SlotForm {
    Q_OBJECT

public:
    frmQuestions();

    void Form_Load() override;
    void Form_QueryUnload() override;
    void lblQuestionNumber_Click(std::int16_t index) override;
    void cmdNext_Click();
    void cmdPrev_Click();
    void cmdDone_Click();
    void Timer1_Timer();

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
};
