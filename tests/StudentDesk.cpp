#include "StudentDesk.h"

#include "TestEnv.h"
#include "rules/ListRows.h"
#include "screens/Screens.h"
#include "screens/SlotScreen.h"
#include "screens/frmMain.h"
#include "screens/frmQuestions.h"
#include "screens/frmQuestionsIntro.h"

#include <QtTest>
#include <QtWidgets>
#include <stdexcept>

void SignIn(TestEnv& env, qint64 studentNumber)
{
    env.OpenDatabase();
    env.SignInStudent(studentNumber);
}

frmMain& Home()
{
    Screens::Show<frmMain>();
    return Screens::Get<frmMain>();
}

bool ClickRow(frmMain& home, const QString& testName)
{
    for (int i = 0; i < home.lstResults->count(); ++i) {
        QListWidgetItem* item = home.lstResults->item(i);
        if (ResultsRow::TestName(item->text()) != testName)
            continue;
        home.lstResults->scrollToItem(item);
        QTest::mouseClick(home.lstResults->viewport(), Qt::LeftButton, {},
                          home.lstResults->visualItemRect(item).center());
        return item->isSelected();
    }
    return false;
}

frmQuestions& Take(TestEnv& env, const QString& testName, bool introduced)
{
    frmMain& home = Home();
    if (!ClickRow(home, testName))
        throw std::runtime_error("no row for the test");
    return TakePicked(env, home, introduced);
}

frmQuestions& TakePicked(TestEnv& env, frmMain& home, bool introduced)
{
    if (introduced) {
        env.fake.modalUsers.push_back([](QWidget& intro) {
            QTest::mouseClick(static_cast<frmQuestionsIntro&>(intro).cmdBegin, Qt::LeftButton);
        });
    }
    const qsizetype unexpected = env.fake.unexpected.size();
    QTest::mouseClick(home.cmdTakeTest, Qt::LeftButton);
    if (!Screens::IsLoaded<frmQuestions>() || env.fake.unexpected.size() != unexpected)
        throw std::runtime_error("the test screen did not open as expected");
    frmQuestions& screen = Screens::Get<frmQuestions>();
    screen.Timer1->stop();
    screen.tmrListen->stop();
    return screen;
}

QString ShownOrder(const frmQuestions& screen)
{
    const QString slot = QString::number(screen.CurrentQuestion);
    const QStringList texts{QStringLiteral("A") + slot, QStringLiteral("P%1a").arg(slot), QStringLiteral("P%1b").arg(slot)};
    QString order;
    for (const QLabel* line : {screen.lblAnswer1, screen.lblAnswer2, screen.lblAnswer3}) {
        // The first word: a right answer may carry more ("A7 of the key").
        const auto digit = static_cast<int>(texts.indexOf(line->text().section(u' ', 0, 0)));
        order += digit < 0 ? QChar(u'?') : QChar(u'1' + digit);
    }
    return order;
}

void Choose(frmQuestions& screen, int line)
{
    QTest::mouseClick(screen.optAnswer.at(static_cast<std::size_t>(line - 1)), Qt::LeftButton);
}

void ChooseRight(frmQuestions& screen) { Choose(screen, static_cast<int>(ShownOrder(screen).indexOf(u'1')) + 1); }

QString GreenNumbers(const SlotForm& screen)
{
    QString green;
    for (const QLabel* number : screen.lblQuestionNumber)
        green += TextColour(*number) == QColor(0, 153, 0) ? u'1' : u'0';
    return green;
}
