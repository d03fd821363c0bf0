#include "ProgramStart.h"

#include "Screens.h"
#include "app/ErrorPolicy.h"
#include "app/Language.h"
#include "app/Platform.h"
#include "frmEntry.h"

#include <QApplication>
#include <QIcon>

namespace {

// Every window carries the program's icon, the one beside the program (the
// package links it to the installed one). It is given once the sign-in
// screen is drawn: drawing an icon costs a picture plugin and a render the
// first screen need not wait for.
void GiveProgramIcon()
{
    QApplication::setWindowIcon(QIcon(QApplication::applicationDirPath() + QStringLiteral("/VornickTest.svg")));
}

}

void StartProgram()
{
    QApplication::setApplicationName(QStringLiteral("VornickTest"));
    QApplication::setQuitOnLastWindowClosed(false);
    RunGuarded([] {
        const QString language = Language::Start(platform().ProgramFolder());
        if (Language::RightToLeft(language))
            QApplication::setLayoutDirection(Qt::RightToLeft);
        Screens::Show<frmEntry>();
        Screens::Get<frmEntry>().OnceDrawn(GiveProgramIcon);
    });
}
