// Starts as the program does, in the desktop's language, up to the visible
// sign-in screen, then ends: the process the start-up benchmark times.
#include "app/ErrorPolicy.h"
#include "app/Language.h"
#include "app/Module1.h"
#include "desktop/QtPlatform.h"
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
    RunGuarded([] {
        if (Language::RightToLeft(Language::Start(platform().ProgramFolder())))
            QApplication::setLayoutDirection(Qt::RightToLeft);
        Screens::Show<frmEntry>();
    });
    QCoreApplication::processEvents();
    const int code = Screens::Get<frmEntry>().isVisible() && Language::Current() == qEnvironmentVariable("BENCH_EXPECT_LANGUAGE", QStringLiteral("en")) ? 0 : 1;
    Screens::DiscardAll();
    Module1::Reset();
    return code;
}
