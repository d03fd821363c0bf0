#pragma once

#include "SlotScreen.h"

#include <cstdint>
#include <functional>

class AlertLabel;
class QLabel;
class QTimer;

// The test screen: one of the 25 slots at a time, its answers in a drawn
// order, the countdown to the attempt's stored deadline, and the attempt's
// Results row stored when it begins and at every slot departure.
class frmQuestions : public SlotForm {
    Q_OBJECT

public:
    frmQuestions();

    // Loads and shows the test screen on the test with that number, for the
    // signed-in student.
    static void Take(qint64 test);

    void Form_Load() override;
    void Form_QueryUnload() override;
    void lblQuestionNumber_Click(std::int16_t index) override;
    void cmdNext_Click();
    void cmdPrev_Click();
    void cmdDone_Click();
    void Timer1_Timer();
    void tmrListen_Timer();
    // Leaves the attempt unfinished, to be continued: what closing the window
    // does when the desktop session ends.
    void Leave_Attempt();

    QLabel* Label2 = nullptr;
    QLabel* lblTime = nullptr;
    // Beside the clock in the last minutes: "5 minutes left", then "1 minute left".
    AlertLabel* lblTimeNotice = nullptr;
    QTimer* Timer1 = nullptr;
    // Every few seconds while the countdown runs, asks the database what it
    // says of the attempt (a lab's server: more time, or a finish).
    QTimer* tmrListen = nullptr;

    std::int16_t CurrentQuestion = 0;  // the slot shown, 1 to 25
    std::int16_t MinutesLeft = 0;
    std::int16_t SecondsLeft = 0;
    bool Finishing = false;

protected:
    void CloseByFrame() override;

private:
    void Mark_Answered_Slots();
    void Mark_Slot(int slot, bool answered);
    void Load_Question();
    bool Store_Chosen_Answer();
    void Unless_Finished_Elsewhere(const std::function<void()>& step);
    bool Finished_Elsewhere();
    void Start_Countdown(qint64 secondsLeft);
    void Show_Time();
    void Time_Is_Up();
    void Follow_Time_Left(qint64 secondsLeft);
    void Finished_By_Teacher();
    void Return_Home();

    bool timeIsUp_ = false;
    // The administrator finished the attempt while it was on screen.
    bool endedElsewhere_ = false;
    int warnAtSeconds_ = 0;

    qint64 testNumber_ = 0;
};
