#include "frmEntry.h"

#include "Screens.h"
#include "TextBoxes.h"
#include "app/Module1.h"
#include "app/Platform.h"
#include "app/ServerWait.h"
#include "frmAdmin.h"
#include "frmMain.h"
#include "work/AdminWork.h"
#include "work/StudentWork.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Module1;

frmEntry::frmEntry() : Form(QStringLiteral("frmEntry"))
{
    setWindowTitle(tr("Vornick Test Taker   Vs. 1.0"));

    Label1[0] = new QLabel(tr("Student ID:"), this);
    Label1[1] = new QLabel(tr("Password:"), this);
    Label2 = new QLabel(tr("Press F1 for help"), this);
    txtName = new QLineEdit(this);
    txtPassword = new QLineEdit(this);
    UseAsPasswordBox(*txtPassword);
    cmdOK = new QPushButton(tr("&OK"), this);
    cmdExit = new QPushButton(tr("&Cancel"), this);
    Label1[0]->setObjectName(QStringLiteral("Label1_0"));
    Label1[1]->setObjectName(QStringLiteral("Label1_1"));
    Label2->setObjectName(QStringLiteral("Label2"));
    txtName->setObjectName(QStringLiteral("txtName"));
    txtPassword->setObjectName(QStringLiteral("txtPassword"));
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdExit->setObjectName(QStringLiteral("cmdExit"));
    Label1[0]->setBuddy(txtName);
    Label1[1]->setBuddy(txtPassword);
    txtName->setMinimumWidth(220);

    auto* fields = new QGridLayout;
    fields->addWidget(Label1[0], 0, 0);
    fields->addWidget(txtName, 0, 1);
    fields->addWidget(Label1[1], 1, 0);
    fields->addWidget(txtPassword, 1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Label2);
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdExit);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addSpacing(8);
    layout->addLayout(buttons);

    setTabOrder(txtName, txtPassword);
    setTabOrder(txtPassword, cmdOK);
    setTabOrder(cmdOK, cmdExit);

    OnClick(cmdOK, &frmEntry::cmdOK_Click);
    OnClick(cmdExit, &frmEntry::cmdExit_Click);
    OnEnter(txtName, &frmEntry::txtName_KeyPress);
    OnEnter(txtPassword, &frmEntry::txtPassword_KeyPress);
}

void frmEntry::Form_Load()
{
    if (platform().AnotherCopyRunning()) {
        platform().EndProgram(0);
        return;
    }
    Open_Database();
}

// Ostrel.mdb beside the program, or the lab's server when VornickTest.ini
// beside the program names one. A lab workstation's role reads no table, so
// nothing is read there at start; whether its server answers is asked once
// this screen is up, and one out of reach ends the program as a database
// that cannot be opened does.
void frmEntry::Open_Database()
{
    cnDatabase.OnWaitingForServer(NoticeWaitingForServer);
    cnDatabase.OnPause(ServerWait::KeepScreensAliveFor);
    cnDatabase.OpenProgramDatabase(platform().ProgramFolder());
    if (cnDatabase.IsLabWorkstation())
        OnceDrawn([] { cnDatabase.RequireServerAnswers(); });
    Student().ReadAtStart();
}

void frmEntry::cmdOK_Click()
{
    const QString name = txtName->text();
    const QString password = txtPassword->text();
    // The name first: a changed password's hash is slow to check, by design.
    if (name == AdministratorName && Administrator().SignIn(password)) {
        ClearBoxes();
        Screens::Show<frmAdmin>();
        Hide();
        return;
    }
    if (Student().SignIn(name, password)) {
        ClearBoxes();
        Screens::Show<frmMain>();
        Hide();
        return;
    }
    platform().MsgBox(tr("Invalid password"), MsgButtons::OK, QStringLiteral(" "));
}

void frmEntry::ClearBoxes()
{
    txtName->clear();
    txtPassword->clear();
    txtName->setFocus();
}

void frmEntry::cmdExit_Click() { platform().EndProgram(0); }

void frmEntry::txtName_KeyPress(int keyAscii)
{
    if (keyAscii == 13)
        txtPassword->setFocus();
}

void frmEntry::txtPassword_KeyPress(int keyAscii)
{
    if (keyAscii == 13)
        cmdOK_Click();
}

// Closing the sign-in window ends the program, as Cancel does.
void frmEntry::CloseByFrame() { cmdExit_Click(); }
