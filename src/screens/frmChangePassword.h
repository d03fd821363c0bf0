#pragma once

#include "Form.h"

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;

// Changes the administrator's password: the current one, then the new one
// twice. Shown modally from the administration screen.
class frmChangePassword : public Form {
    Q_OBJECT

public:
    frmChangePassword();

    void cmdOK_Click();
    void cmdCancel_Click();
    void txtCurrent_KeyPress(int keyAscii);
    void txtNew_KeyPress(int keyAscii);
    void txtRepeat_KeyPress(int keyAscii);

    // "Current password:", "New password:", "Repeat new password:".
    std::array<QLabel*, 3> Label1{};
    QLineEdit* txtCurrent = nullptr;
    QLineEdit* txtNew = nullptr;
    QLineEdit* txtRepeat = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;

private:
    // Shows why the password cannot be changed and puts the focus on `box`, emptied.
    void Refuse(const QString& message, QLineEdit* box);
};
