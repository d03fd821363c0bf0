#include "BenchDrivers.h"

#include "BenchEnv.h"
#include "app/Module1.h"
#include "app/Platform.h"
#include "screens/Screens.h"
#include "screens/frmAdmin.h"
#include "screens/frmMain.h"
#include "screens/frmQuestions.h"
#include "screens/frmQuestionsIntro.h"
#include "work/StudentWork.h"

#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <algorithm>

using namespace Module1;

void BenchDrivers::SignOutAll()
{
    Screens::DiscardAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    Module1::Reset();
}

frmMain& BenchDrivers::SignedInStudent(const QString& name)
{
    SignOutAll();
    cnDatabase.OpenProgramDatabase(platform().ProgramFolder());
    Student().ReadAtStart();
    Student().SignIn(name, QStringLiteral("pw"));
    return Screens::Get<frmMain>();
}

void BenchDrivers::PickToTake(BenchEnv& env, frmMain& home, int row)
{
    home.lstResults->setCurrentRow(row);
    env.fake.modalUsers.push_back([](QWidget& intro) { static_cast<frmQuestionsIntro&>(intro).cmdBegin->click(); });
}

frmQuestions& BenchDrivers::ShownTestScreen()
{
    frmQuestions& screen = Screens::Get<frmQuestions>();
    screen.Timer1->stop();
    return screen;
}

void BenchDrivers::StoreAnswer(frmQuestions& screen, int index)
{
    screen.optAnswer[static_cast<std::size_t>(index)]->setChecked(true);
    screen.lblQuestionNumber_Click(0);
}

frmAdmin& BenchDrivers::SignedInAdmin()
{
    cnDatabase.OpenProgramDatabase(platform().ProgramFolder());
    Student().ReadAtStart();
    Screens::Show<frmAdmin>();
    QCoreApplication::processEvents();
    return Screens::Get<frmAdmin>();
}

double BenchDrivers::Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

double BenchDrivers::Milliseconds(std::chrono::steady_clock::duration d)
{
    return std::chrono::duration<double, std::milli>(d).count();
}

double BenchDrivers::MillisecondsOf(const std::function<void()>& work)
{
    const auto start = std::chrono::steady_clock::now();
    work();
    return Milliseconds(std::chrono::steady_clock::now() - start);
}
