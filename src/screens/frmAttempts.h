#pragma once

#include "Form.h"

#include "work/WorkValues.h"

class QPushButton;
class QTimer;
class QTreeWidget;

// The attempts in progress: every attempt begun and not graded, with its
// student, test, start, answers and time left, the least time left first;
// more time or an end for the selected one, read afresh every 5 seconds.
class frmAttempts : public Form {
    Q_OBJECT

public:
    frmAttempts();

    void Form_Load() override;
    void Fill_Attempts();
    void cmdMoreTime_Click();
    void cmdFinishNow_Click();
    void cmdRefresh_Click();
    void cmdClose_Click();
    void Timer1_Timer();

    QTreeWidget* lstAttempts = nullptr;
    QPushButton* cmdMoreTime = nullptr;
    QPushButton* cmdFinishNow = nullptr;
    QPushButton* cmdRefresh = nullptr;
    QPushButton* cmdClose = nullptr;
    QTimer* Timer1 = nullptr;

    static constexpr int RefreshMilliseconds = 5000;

protected:
    void CloseByFrame() override;

private:
    // The selected attempt, kept across refills by its student and test.
    std::optional<RunningAttempt> Selected() const;
    void SelectAttempt(qint64 student, qint64 test);
    void Enable_Buttons();

    RunningAttempts shown_;
};
