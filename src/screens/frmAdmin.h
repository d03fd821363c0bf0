#pragma once

#include "Form.h"

#include <array>

class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// The administration screen: the catalogue of tests at the top, the student
// accounts below.
class frmAdmin : public Form {
    Q_OBJECT

public:
    frmAdmin();

    void Form_Load() override;
    void Form_QueryUnload() override;

    // Student accounts.
    void Fill_Student_List();
    void lstStudents_Click();
    void cmdAddStudent_Click();
    void cmdNew_Click();
    void cmdDeleteStudent_Click();
    void cmdView_Click();
    void txtName_KeyPress(int keyAscii);
    void txtPassword_KeyPress(int keyAscii);
    void cmdExit_Click();

    // Test catalogue.
    void Fill_Test_List();
    void cmdAddTest_Click();
    void cmdEdit_Click();
    void cmdDeleteTest_Click();

    QListWidget* lstStudents = nullptr;
    QLineEdit* txtName = nullptr;
    QLineEdit* txtPassword = nullptr;
    QLineEdit* txtStudentNumber = nullptr;  // hidden
    QPushButton* cmdAddStudent = nullptr;
    QPushButton* cmdNew = nullptr;
    QPushButton* cmdDeleteStudent = nullptr;
    QPushButton* cmdView = nullptr;
    QPushButton* cmdExit = nullptr;

    QListWidget* lstTests = nullptr;
    QPushButton* cmdAddTest = nullptr;
    QPushButton* cmdEdit = nullptr;
    QPushButton* cmdDeleteTest = nullptr;

    // "Students:", "Name:", "Password:", "Tests:" and the note on brackets.
    std::array<QLabel*, 5> Label1{};
    QFrame* Frame1 = nullptr;
};
