// Starts as the program does (its own start-up function), in the desktop's
// language, up to the sign-in screen mapped by the window system and drawn, reports,
// then ends: the process the start-up benchmark times. BENCH_PROGRAM_FOLDER
// stands for the program's folder (the database, or a settings file naming a
// server, beside it).
#include "StartupWindow.h"
#include "app/Language.h"
#include "app/Module1.h"
#include "desktop/QtPlatform.h"
#include "screens/ProgramStart.h"
#include "screens/Screens.h"
#include "screens/frmEntry.h"

#include <QApplication>
#include <QTemporaryDir>

namespace {

class BenchPlatform : public QtPlatform {
public:
    using QtPlatform::QtPlatform;
    QString ProgramFolder() override
    {
        return qEnvironmentVariable("BENCH_PROGRAM_FOLDER", QtPlatform::ProgramFolder());
    }
};

}

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QTemporaryDir lockFolder;  // never collide with a copy the user runs
    BenchPlatform qtPlatform(lockFolder.path());
    SetPlatform(&qtPlatform);
    StartProgram();
    const bool shown = ReportOnceDrawn(Screens::Get<frmEntry>());
    const int code = shown && Language::Current() == qEnvironmentVariable("BENCH_EXPECT_LANGUAGE", QStringLiteral("en")) ? 0 : 1;
    Screens::DiscardAll();
    Module1::Reset();
    return code;
}
