#pragma once

#include "Form.h"

class QLabel;
class QPushButton;

// The introduction shown before a test starts: its description, the time
// allowed and how the test screen works.
class frmQuestionsIntro : public Form {
    Q_OBJECT

public:
    frmQuestionsIntro();

    void Form_Load() override;
    void cmdBegin_Click();

    QLabel* lblDescription = nullptr;
    QLabel* lblTime = nullptr;
    QLabel* lblExtraTime = nullptr;  // shown only for a student given extra time
    QLabel* Label1 = nullptr;
    QPushButton* cmdBegin = nullptr;
};
