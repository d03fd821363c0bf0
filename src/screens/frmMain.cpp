#include "frmMain.h"

#include "Screens.h"
#include "app/Module1.h"
#include "frmEntry.h"

#include <QPushButton>
#include <QVBoxLayout>

using namespace Module1;

frmMain::frmMain() : Form(QStringLiteral("frmMain"))
{
    cmdExit = new QPushButton(QStringLiteral("E&xit"), this);
    cmdExit->setObjectName(QStringLiteral("cmdExit"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(cmdExit);
    OnClick(cmdExit, &frmMain::cmdExit_Click);
}

void frmMain::Form_Load()
{
    setWindowTitle(QStringLiteral("Test Results For ") + rsPasswords.Text(QStringLiteral("fldStudentName")));
}

void frmMain::cmdExit_Click()
{
    Screens::Unload(*this);
    Screens::Show<frmEntry>();
}

// Closing the window signs the student out, as Exit does.
void frmMain::Form_QueryUnload() { Screens::Show<frmEntry>(); }
