#pragma once

#include "Form.h"

class QLabel;
class QListWidget;
class QPushButton;

// One student's results as the administrator sees them: review, delete or
// print a result.
class frmTestResults : public Form {
    Q_OBJECT

public:
    frmTestResults();

    // Loads and shows the results of the student with that number and name.
    static void ShowFor(qint64 student, const QString& name);

    void Form_Load() override;
    void Load_Test_Results();
    void cmdView_Click();
    void cmdDelete_Click();
    void cmdPrint_Click();
    void cmdExit_Click();
    void cmdSave_Click();
    void lstResults_Click();
    void cmdMoreTime_Click();
    void cmdFinishNow_Click();

    QListWidget* lstResults = nullptr;
    QLabel* Label1 = nullptr;
    QPushButton* cmdView = nullptr;
    QPushButton* cmdDelete = nullptr;
    QPushButton* cmdPrint = nullptr;
    QPushButton* cmdExit = nullptr;
    QPushButton* cmdSave = nullptr;
    QPushButton* cmdMoreTime = nullptr;   // for an Unfinished row
    QPushButton* cmdFinishNow = nullptr;  // for an Unfinished row
    QLabel* lblPrinting = nullptr;

protected:
    void CloseByFrame() override;

private:
    std::optional<qint64> SelectedResultTest() const;
    std::optional<qint64> SelectedRunningTest() const;

    // The student whose results are shown.
    qint64 studentNumber_ = 0;
    QString studentName_;
};
