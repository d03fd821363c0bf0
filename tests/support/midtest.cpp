// A student in the middle of a test, for the test of a program that is
// killed there: runs the real screens offscreen on the database of a program
// folder, signs the student in, begins the test, answers slots 1 to N (each
// departure from a slot stores it), prints every record it stored and then
// "answered N", and waits in the event loop until it is killed.
//
//   midtest FOLDER NAME PASSWORD TEST N
//
// Slot 25 is left by clicking the number of slot 1, so that it is stored too.
// Every third slot is answered wrong, the others right. Exits with 1 (and
// says why on stderr) when the screens do not go as planned.
#include "FakePlatform.h"
#include "StudentDesk.h"
#include "app/Module1.h"
#include "screens/Screens.h"
#include "screens/frmEntry.h"
#include "screens/frmMain.h"
#include "screens/frmQuestions.h"
#include "screens/frmQuestionsIntro.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <cstdio>

namespace {

int Fail(const FakePlatform& fake, const QString& why)
{
    QString text = why;
    for (const FakePlatform::Shown& box : fake.shown)
        text += QStringLiteral("\nshown: ") + box.text;
    for (const QString& surprise : fake.unexpected)
        text += QStringLiteral("\nunexpected: ") + surprise;
    std::fprintf(stderr, "midtest: %s\n", qPrintable(text));
    return 1;
}

void Say(const QString& line)
{
    std::printf("%s\n", qPrintable(line));
    std::fflush(stdout);
}

}

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 6) {
        std::fprintf(stderr, "usage: midtest FOLDER NAME PASSWORD TEST N\n");
        return 2;
    }
    const int answered = args[5].toInt();

    FakePlatform fake;
    fake.programFolder = args[1];
    SetPlatform(&fake);

    Screens::Show<frmEntry>();
    if (fake.ended || !Screens::IsLoaded<frmEntry>())
        return Fail(fake, QStringLiteral("the sign-in screen did not start"));
    frmEntry& entry = Screens::Get<frmEntry>();
    entry.txtName->setText(args[2]);
    entry.txtPassword->setText(args[3]);
    QTest::mouseClick(entry.cmdOK, Qt::LeftButton);
    if (!Screens::IsLoaded<frmMain>())
        return Fail(fake, QStringLiteral("the student could not sign in"));
    frmMain& home = Screens::Get<frmMain>();
    if (!ClickRow(home, args[4]))
        return Fail(fake, QStringLiteral("the home list has no row for the test"));
    fake.modalUsers.push_back([](QWidget& intro) {
        QTest::mouseClick(static_cast<frmQuestionsIntro&>(intro).cmdBegin, Qt::LeftButton);
    });
    QTest::mouseClick(home.cmdTakeTest, Qt::LeftButton);
    if (!Screens::IsLoaded<frmQuestions>())
        return Fail(fake, QStringLiteral("the test screen did not open"));
    frmQuestions& screen = Screens::Get<frmQuestions>();

    for (int s = 1; s <= answered; ++s) {
        if (Module1::CurrentQuestion != s)
            return Fail(fake, QStringLiteral("slot %1 shown instead of %2").arg(Module1::CurrentQuestion).arg(s));
        const QString order = ShownOrder(screen);
        const QChar digit = s % 3 == 0 ? u'2' : u'1';
        const int line = static_cast<int>(order.indexOf(digit)) + 1;
        Choose(screen, line);
        if (s < 25)
            QTest::mouseClick(screen.cmdNext, Qt::LeftButton);
        else
            QTest::mouseClick(screen.lblQuestionNumber[0], Qt::LeftButton);
        const QString mark = digit == u'1' ? QStringLiteral("C") : QStringLiteral("X");
        Say(QStringLiteral("record %1 %2%3%4").arg(s).arg(order).arg(line).arg(mark));
    }
    if (fake.ended || !fake.unexpected.isEmpty())
        return Fail(fake, QStringLiteral("the answers were not stored"));
    Say(QStringLiteral("answered %1").arg(answered));
    return QApplication::exec();
}
