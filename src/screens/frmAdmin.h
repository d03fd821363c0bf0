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

    // Reads the accounts and tests afresh and refills both lists, keeping the
    // rows that were selected: what another workstation added or changed
    // shows. Runs on F5 and whenever the window becomes the active one.
    void Refresh_Lists();

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
    void cmdChangePassword_Click();
    void cmdAttempts_Click();

    // Test catalogue.
    void Fill_Test_List();
    void cmdAddTest_Click();
    void cmdEdit_Click();
    void cmdDeleteTest_Click();
    void cmdImport_Click();
    void cmdExport_Click();
    void cmdStatistics_Click();
    void cmdSaveResults_Click();
    // Opens the question editor on the selected test at `slot` (1 to 25).
    void EditSelectedTestAt(int slot);

    QListWidget* lstStudents = nullptr;
    QLineEdit* txtName = nullptr;
    QLineEdit* txtPassword = nullptr;
    QLabel* lblExtraTime = nullptr;
    QLineEdit* txtExtraTime = nullptr;  // the student's extra time, in percent
    QLineEdit* txtStudentNumber = nullptr;  // hidden
    QPushButton* cmdAddStudent = nullptr;
    QPushButton* cmdNew = nullptr;
    QPushButton* cmdDeleteStudent = nullptr;
    QPushButton* cmdView = nullptr;
    QPushButton* cmdExit = nullptr;
    QPushButton* cmdChangePassword = nullptr;
    QPushButton* cmdAttempts = nullptr;

    QListWidget* lstTests = nullptr;
    QPushButton* cmdAddTest = nullptr;
    QPushButton* cmdEdit = nullptr;
    QPushButton* cmdDeleteTest = nullptr;
    QPushButton* cmdImport = nullptr;
    QPushButton* cmdExport = nullptr;
    QPushButton* cmdStatistics = nullptr;
    QPushButton* cmdSaveResults = nullptr;

    // "Students:", "Name:", "Password:", "Tests:" and the note on brackets.
    std::array<QLabel*, 5> Label1{};
    QFrame* Frame1 = nullptr;

protected:
    void changeEvent(QEvent* event) override;

private:
    void BuildLayout();
    void ClearStudentBoxes();
    // Makes the row of the student with `number` current, searching from the
    // first row; false when no row has it.
    bool MoveToStudent(qint64 number);
    // Reopens rsTests on every test, whatever another screen narrowed it to.
    void ReopenAllTests();
    // Reopens rsTests and makes the test of the selected row current; false
    // without a selection or when its number is not (any longer) in the table.
    bool FindSelectedTest();
    bool ShortNewLabPassword(const QString& password);
    bool NameTakenByAnother(const QString& name);
    static void DeleteResultsOfStudent(qint64 number);
    static void DeleteOpenResults();
    // Shows the question editor, ignoring errors; if it ends up not open
    // (cancelled, or it failed while loading), this screen is shown again.
    void OpenEditor(int slot = 1);
};
