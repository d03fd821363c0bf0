#pragma once

#include "Form.h"

class QLabel;
class QListWidget;
class QPushButton;

// The signed-in student's home screen: every test open to students with the
// student's score and date, "Unfinished" or "Not Taken".
class frmMain : public Form {
    Q_OBJECT

public:
    frmMain();

    void Form_Load() override;
    void Form_QueryUnload() override;
    void Load_Test_List();
    void cmdTakeTest_Click();
    void cmdReview_Click();
    void cmdPrint_Click();
    void cmdExit_Click();

    QLabel* Label1 = nullptr;
    QListWidget* lstResults = nullptr;
    QPushButton* cmdTakeTest = nullptr;
    QPushButton* cmdReview = nullptr;
    QPushButton* cmdPrint = nullptr;
    QPushButton* cmdExit = nullptr;
    QLabel* lblPrinting = nullptr;
};
