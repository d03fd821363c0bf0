#include "app/ErrorPolicy.h"
#include "app/Language.h"
#include "app/Module1.h"
#include "app/Platform.h"
#include "desktop/QtPlatform.h"
#include "screens/Screens.h"
#include "screens/frmEntry.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("VornickTest"));
    QApplication::setQuitOnLastWindowClosed(false);
    // Every window carries the program's icon: the installed one, else the one beside the program.
    QApplication::setWindowIcon(QIcon::fromTheme(
        QStringLiteral("VornickTest"), QIcon(QApplication::applicationDirPath() + QStringLiteral("/VornickTest.svg"))));

    QtPlatform qtPlatform;
    SetPlatform(&qtPlatform);

    // The language comes first, so that every later message is in it; the
    // sign-in screen's load performs the rest of the start-up: an unknown
    // language, a second copy or a database that cannot be opened ends the
    // program here.
    RunGuarded([] {
        const QString language = Language::Start(platform().ProgramFolder());
        if (Language::RightToLeft(language))
            QApplication::setLayoutDirection(Qt::RightToLeft);
        Screens::Show<frmEntry>();
    });
    const int code = QApplication::exec();
    // Widgets and the connection go before the application object does.
    Screens::DiscardAll();
    Module1::Reset();
    return code;
}
