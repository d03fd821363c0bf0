// A short school day on an installed VornickTest, run by the users the package
// test created: the administrator adds a student, writes a test and changes
// the password; the student takes the test. Everything goes through the real
// screens, on the database the settings file in PROGRAM_FOLDER names.
//   package_day PROGRAM_FOLDER [administrator PASSWORD | student]
// Without a part, one account does both, with the administrator's first
// password "plum".
// Prints every message shown; exits 0 when the day went through, 1 when the
// program would have ended on an error or asked something unexpected.
#include "FakePlatform.h"
#include "StudentDesk.h"
#include "UserActions.h"
#include "app/Module1.h"
#include "screens/Screens.h"
#include "screens/frmAdmin.h"
#include "screens/frmChangePassword.h"
#include "screens/frmEntry.h"
#include "screens/frmMain.h"
#include "screens/frmNewTest.h"
#include "screens/frmNewTestIntro.h"
#include "screens/frmQuestions.h"
#include "screens/frmQuestionsIntro.h"

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <cstdio>

namespace {

FakePlatform fake;
QString adminPassword = QStringLiteral("plum");
// Long enough for a lab's server, which refuses shorter ones.
const QString StudentPassword = QStringLiteral("Pupil pw 1");

bool Ended() { return fake.ended || !fake.unexpected.isEmpty(); }

// False, with the reason kept, when the screen `T` did not come up.
template <class T>
bool CameUp(const char* what)
{
    if (Ended())
        return false;
    if (Screens::IsLoaded<T>() && Screens::Get<T>().isVisible())
        return true;
    fake.unexpected << QString::fromLatin1(what) + QStringLiteral(" did not come up");
    return false;
}

void Leave(QPushButton* exit)
{
    Click(exit);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// A test of 25 slots, the right answer of slot s being "A{s}".
void WriteTest(frmAdmin& admin)
{
    fake.modalUsers.push_back([](QWidget& window) {
        auto& intro = static_cast<frmNewTestIntro&>(window);
        TypeInto(intro.txtTestName, QStringLiteral("Rivers"));
        TypeInto(intro.txtMinutes, QStringLiteral("10"));
        Click(intro.cmdNext);
    });
    Click(admin.cmdAddTest);
    if (!CameUp<frmNewTest>("the question editor"))
        return;
    frmNewTest& editor = Screens::Get<frmNewTest>();
    for (int s = 1; s <= 25; ++s) {
        editor.txtQuestion->setPlainText(QStringLiteral("Q%1").arg(s));
        editor.txtAnswer->setPlainText(QStringLiteral("A%1 Riverkey").arg(s));
        editor.txtPhony1->setPlainText(QStringLiteral("P%1a").arg(s));
        editor.txtPhony2->setPlainText(QStringLiteral("P%1b").arg(s));
        Click(s < 25 ? editor.cmdNext : editor.cmdSave);
    }
}

void ChangePassword(frmAdmin& admin)
{
    fake.modalUsers.push_back([](QWidget& window) {
        auto& dialog = static_cast<frmChangePassword&>(window);
        TypeInto(dialog.txtCurrent, adminPassword);
        TypeInto(dialog.txtNew, QStringLiteral("Oak tree 9"));
        TypeInto(dialog.txtRepeat, QStringLiteral("Oak tree 9"));
        Click(dialog.cmdOK);
    });
    Click(admin.cmdChangePassword);
}

void Administrator()
{
    SignInAs(QStringLiteral("Kestr"), adminPassword);
    if (!CameUp<frmAdmin>("the administration screen"))
        return;
    frmAdmin& admin = Screens::Get<frmAdmin>();
    TypeInto(admin.txtName, QStringLiteral("Pupil"));
    TypeInto(admin.txtPassword, StudentPassword);
    Click(admin.cmdAddStudent);
    if (Ended())
        return;
    WriteTest(admin);
    if (Ended())
        return;
    ChangePassword(admin);
    Leave(admin.cmdExit);
}

void Student()
{
    SignInAs(QStringLiteral("Pupil"), StudentPassword);
    if (!CameUp<frmMain>("the student's home screen"))
        return;
    frmMain& home = Home();
    if (!ClickRow(home, QStringLiteral("Rivers"))) {
        fake.unexpected << QStringLiteral("the student's list has no row for the test");
        return;
    }
    fake.modalUsers.push_back([](QWidget& intro) { Click(static_cast<frmQuestionsIntro&>(intro).cmdBegin); });
    Click(home.cmdTakeTest);
    if (!CameUp<frmQuestions>("the test screen"))
        return;
    frmQuestions& screen = Screens::Get<frmQuestions>();
    screen.Timer1->stop();
    for (int s = 1; s <= 25 && !Ended(); ++s) {
        ChooseRight(screen);
        Click(s < 25 ? screen.cmdNext : screen.cmdDone);
    }
    Leave(home.cmdExit);
}

}

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments().mid(1);
    const bool both = args.size() == 1;
    const bool administrator = args.size() == 3 && args[1] == QLatin1String("administrator");
    const bool student = args.size() == 2 && args[1] == QLatin1String("student");
    if (!both && !administrator && !student) {
        std::fprintf(stderr, "usage: package_day PROGRAM_FOLDER [administrator PASSWORD | student]\n");
        return 2;
    }
    fake.programFolder = args[0];
    if (administrator)
        adminPassword = args[2];
    SetPlatform(&fake);
    RunGuarded([] { Screens::Show<frmEntry>(); });
    if (!Ended() && !student)
        Administrator();
    if (!Ended() && !administrator)
        Student();
    for (const auto& shown : fake.shown)
        std::printf("shown: %s\n", qPrintable(shown.text));
    for (const QString& problem : fake.unexpected)
        std::printf("unexpected: %s\n", qPrintable(problem));
    const bool done = !Ended();
    Screens::DiscardAll();
    Module1::Reset();
    std::printf(done ? "the day went through\n" : "the day ended early\n");
    return done ? 0 : 1;
}
