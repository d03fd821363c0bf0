#pragma once

#include "Form.h"
#include "work/WorkValues.h"

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
    // The student whose account the boxes show; none for a new one.
    std::optional<qint64> EditedStudent() const;
    // The test of the selected row as the table holds it now; none without a
    // selection or when its number is not (any longer) in the table.
    std::optional<TestRow> SelectedTest();
    // Shows the question editor on the test (none: a new one), ignoring
    // errors; if it ends up not open (cancelled, or it failed while
    // loading), this screen is shown again.
    void OpenEditor(std::optional<qint64> test, int slot = 1);
};
