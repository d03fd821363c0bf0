#include "frmChangePassword.h"

#include "Screens.h"
#include "TextBoxes.h"
#include "app/Platform.h"
#include "work/AdminWork.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>


namespace {

QString Title() { return frmChangePassword::tr("Change Password"); }

QLineEdit* NamedPasswordBox(const QString& name, QWidget* parent)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    UseAsPasswordBox(*box);
    box->setMinimumWidth(200);
    return box;
}

}

frmChangePassword::frmChangePassword() : Form(QStringLiteral("frmChangePassword"))
{
    setWindowTitle(Title());
    txtCurrent = NamedPasswordBox(QStringLiteral("txtCurrent"), this);
    txtNew = NamedPasswordBox(QStringLiteral("txtNew"), this);
    txtRepeat = NamedPasswordBox(QStringLiteral("txtRepeat"), this);
    const std::array<QLineEdit*, 3> boxes{txtCurrent, txtNew, txtRepeat};
    const QStringList captions{tr("C&urrent password:"), tr("&New password:"),
                               tr("&Repeat new password:")};
    auto* fields = new QGridLayout;
    for (std::size_t i = 0; i < Label1.size(); ++i) {
        Label1[i] = new QLabel(captions[static_cast<int>(i)], this);
        Label1[i]->setObjectName(QStringLiteral("Label1_%1").arg(i));
        Label1[i]->setBuddy(boxes[i]);
        fields->addWidget(Label1[i], static_cast<int>(i), 0);
        fields->addWidget(boxes[i], static_cast<int>(i), 1);
    }
    cmdOK = NamedButton(tr("&OK"), QStringLiteral("cmdOK"), this);
    cmdCancel = NamedButton(tr("&Cancel"), QStringLiteral("cmdCancel"), this);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addSpacing(8);
    layout->addLayout(buttons);

    setTabOrder(txtCurrent, txtNew);
    setTabOrder(txtNew, txtRepeat);
    setTabOrder(txtRepeat, cmdOK);
    setTabOrder(cmdOK, cmdCancel);

    OnClick(cmdOK, &frmChangePassword::cmdOK_Click);
    OnClick(cmdCancel, &frmChangePassword::cmdCancel_Click);
    PressOnEscape(cmdCancel);
    OnEnter(txtCurrent, &frmChangePassword::txtCurrent_KeyPress);
    OnEnter(txtNew, &frmChangePassword::txtNew_KeyPress);
    OnEnter(txtRepeat, &frmChangePassword::txtRepeat_KeyPress);
}

void frmChangePassword::cmdOK_Click()
{
    if (!Administrator().PasswordIs(txtCurrent->text())) {
        Refuse(tr("Invalid password"), txtCurrent);
        return;
    }
    if (txtNew->text().isEmpty()) {
        Refuse(tr("You must enter a new password."), txtNew);
        return;
    }
    if (txtRepeat->text() != txtNew->text()) {
        Refuse(tr("The new password and its repeat are not the same."), txtRepeat);
        return;
    }
    Administrator().ChangePassword(txtNew->text());
    MsgBox(tr("The administrator's password has been changed."), Title());
    Screens::Unload(*this);
}

void frmChangePassword::Refuse(const QString& message, QLineEdit* box)
{
    MsgBox(message, tr("Error"));
    box->clear();
    box->setFocus();
}

void frmChangePassword::cmdCancel_Click() { Screens::Unload(*this); }

void frmChangePassword::txtCurrent_KeyPress(int keyAscii)
{
    if (keyAscii == 13)
        txtNew->setFocus();
}

void frmChangePassword::txtNew_KeyPress(int keyAscii)
{
    if (keyAscii == 13)
        txtRepeat->setFocus();
}

void frmChangePassword::txtRepeat_KeyPress(int keyAscii)
{
    if (keyAscii == 13)
        cmdOK_Click();
}
