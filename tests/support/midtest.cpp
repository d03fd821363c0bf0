// midtest FOLDER NAME PASSWORD TEST N: signs in on the real screens, begins
// the test, answers slots 1 to N (N < 25; wrong on every third), each left by
// >>>, prints "record S RECORD" for each (a lab's server draws the orders),
// then "answered N", and waits to be killed.
#include "FakePlatform.h"
#include "StudentDesk.h"
#include "screens/Screens.h"
#include "screens/frmEntry.h"
#include "screens/frmMain.h"
#include "screens/frmQuestions.h"
#include "screens/frmQuestionsIntro.h"

#include <QtTest>
#include <QtWidgets>
#include <cstdio>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    FakePlatform fake;
    fake.programFolder = args.value(1);
    SetPlatform(&fake);
    Screens::Show<frmEntry>();
    frmEntry& entry = Screens::Get<frmEntry>();
    entry.txtName->setText(args.value(2));
    entry.txtPassword->setText(args.value(3));
    QTest::mouseClick(entry.cmdOK, Qt::LeftButton);
    fake.modalUsers.push_back([](QWidget& intro) {
        QTest::mouseClick(static_cast<frmQuestionsIntro&>(intro).cmdBegin, Qt::LeftButton);
    });
    if (!Screens::IsLoaded<frmMain>() || !ClickRow(Screens::Get<frmMain>(), args.value(4)))
        return 1;
    QTest::mouseClick(Screens::Get<frmMain>().cmdTakeTest, Qt::LeftButton);
    if (!Screens::IsLoaded<frmQuestions>())
        return 1;
    frmQuestions& screen = Screens::Get<frmQuestions>();
    const int answered = args.value(5).toInt();
    for (int s = 1; s <= answered; ++s) {
        const QString order = ShownOrder(screen);
        const QChar digit = s % 3 == 0 ? u'2' : u'1';
        const int line = static_cast<int>(order.indexOf(digit)) + 1;
        Choose(screen, line);
        QTest::mouseClick(screen.cmdNext, Qt::LeftButton);
        std::printf("record %d %s%d%c\n", s, qPrintable(order), line, digit == u'1' ? 'C' : 'X');
    }
    if (fake.ended || !fake.unexpected.isEmpty())
        return 1;
    std::printf("answered %d\n", answered);
    std::fflush(stdout);
    return QApplication::exec();
}
