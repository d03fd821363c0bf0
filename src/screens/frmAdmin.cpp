#include "frmAdmin.h"

#include "Screens.h"
#include "frmEntry.h"

#include <QPushButton>
#include <QVBoxLayout>

frmAdmin::frmAdmin() : Form(QStringLiteral("frmAdmin"))
{
    setWindowTitle(QStringLiteral("Vornick Test Taker - Administrative Functions"));
    cmdExit = new QPushButton(QStringLiteral("E&xit"), this);
    cmdExit->setObjectName(QStringLiteral("cmdExit"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(cmdExit);
    OnClick(cmdExit, &frmAdmin::cmdExit_Click);
}

void frmAdmin::Form_Load() {}

void frmAdmin::cmdExit_Click()
{
    Screens::Unload(*this);
    Screens::Show<frmEntry>();
}

// Closing the window returns to the sign-in screen, as Exit does.
void frmAdmin::Form_QueryUnload() { Screens::Show<frmEntry>(); }
