// Starts as the program does, up to the visible sign-in screen, then ends:
// the process the start-up benchmark times.
#include "app/ErrorPolicy.h"
#include "app/Module1.h"
#include "app/QtPlatform.h"
#include "screens/Screens.h"
#include "screens/frmEntry.h"

#include <QApplication>
#include <QTemporaryDir>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    QTemporaryDir lockFolder;  // never collide with a copy the user runs
    QtPlatform qtPlatform(lockFolder.path());
    SetPlatform(&qtPlatform);
    RunGuarded([] { Screens::Show<frmEntry>(); });
    QCoreApplication::processEvents();
    const int code = Screens::Get<frmEntry>().isVisible() ? 0 : 1;
    Screens::DiscardAll();
    Module1::Reset();
    return code;
}
