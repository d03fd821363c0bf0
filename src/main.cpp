#include "app/Module1.h"
#include "app/Platform.h"
#include "desktop/QtPlatform.h"
#include "screens/ProgramStart.h"
#include "screens/Screens.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QtPlatform qtPlatform;
    SetPlatform(&qtPlatform);
    StartProgram();
    const int code = QApplication::exec();
    // Widgets and the connection go before the application object does.
    Screens::DiscardAll();
    Module1::Reset();
    return code;
}
