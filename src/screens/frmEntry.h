#pragma once

#include "Form.h"

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;

// The sign-in screen, first screen of the program. Its load opens the
// database; students go on to their home screen, the administrator to the
// administration screen.
class frmEntry : public Form {
    Q_OBJECT

public:
    frmEntry();

    void Form_Load() override;
    void cmdOK_Click();
    void cmdExit_Click();
    void txtName_KeyPress(int keyAscii);
    void txtPassword_KeyPress(int keyAscii);

    std::array<QLabel*, 2> Label1{};
    QLabel* Label2 = nullptr;
    QLineEdit* txtName = nullptr;
    QLineEdit* txtPassword = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdExit = nullptr;

    static inline const QString AdministratorName = QStringLiteral("Kestr");

protected:
    void CloseByFrame() override;

private:
    void Open_Database();
    void ClearBoxes();
};
