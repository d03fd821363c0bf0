// Takes the screenshots of the introduction, the test screen and the review
// for the docs folder. Run under an X server (xvfb-run) with the output
// folder as argument; each window is captured with ImageMagick's import.
#include "StudentDesk.h"
#include "TestEnv.h"
#include "screens/Screens.h"
#include "screens/frmAnswers.h"
#include "screens/frmMain.h"
#include "screens/frmQuestions.h"
#include "screens/frmQuestionsIntro.h"

#include <QApplication>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QThread>
#include <QTimer>

namespace {

void Capture(QWidget& window, const QString& path)
{
    window.raise();
    for (int i = 0; i < 20; ++i) {
        QApplication::processEvents();
        QThread::msleep(25);
    }
    QProcess::execute(QStringLiteral("import"),
                      {QStringLiteral("-window"), QString::number(window.winId()), path});
}

const QList<QStringList> questions{
        {"Which fraction is equal to 0.75?", "3/4", "7/5", "75/10"},
        {"What is 1/2 + 1/3?", "5/6", "2/5", "1/6"},
        {"Which is the larger fraction?", "5/8", "3/5", "4/7"},
        {"Simplify 12/16.", "3/4", "6/8", "2/3"},
        {"What is 2/3 of 27?", "18", "9", "24"},
        {"Which fraction lies between 1/4 and 1/2?",
         "3/8, because when both ends are written in eighths they become 2/8 and 4/8, and 3/8 lies strictly between them on the number line", "5/8", "1/8"},
        {"What is 3/4 divided by 1/2?", "1 1/2", "3/8", "2/3"},
};

void WriteQuestions(TestEnv& env)
{
    for (int s = 1; s <= questions.size(); ++s) {
        const QStringList& q = questions[s - 1];
        env.Exec(QStringLiteral("UPDATE Tests SET fldQ%1 = ?, fldQ%1Answer = ?, fldQ%1Phony1 = ?, fldQ%1Phony2 = ?")
                     .arg(s),
                 {q[0], q[1], q[2], q[3]});
    }
}

}

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs");
    TestEnv env;
    const qint64 student = env.AddStudent(QStringLiteral("Ada Lovelace"), QStringLiteral("pw"));
    env.AddTest(QStringLiteral("Fractions, Unit 3"), 30,
                QStringLiteral("Twenty-five questions on adding, comparing and simplifying fractions. "
                               "Work each one on paper before you choose an answer."));
    WriteQuestions(env);
    SignIn(env, student);
    env.fake.draws = {0.9f, 0.1f, 0.5f, 0.2f, 0.1f, 0.7f};

    frmMain& home = Home();
    ClickRow(home, QStringLiteral("Fractions, Unit 3"));
    env.fake.modalUsers.push_back([&](QWidget& intro) {
        intro.adjustSize();
        Capture(intro, out + QStringLiteral("/frmQuestionsIntro.png"));
        QTest::mouseClick(static_cast<frmQuestionsIntro&>(intro).cmdBegin, Qt::LeftButton);
    });
    QTest::mouseClick(home.cmdTakeTest, Qt::LeftButton);
    frmQuestions& screen = Screens::Get<frmQuestions>();
    screen.Timer1->stop();
    // Right on slots 1, 3 and 5, wrong on 2 and 4.
    for (int slot = 1; slot <= 5; ++slot) {
        const QList<QLabel*> lines{screen.lblAnswer1, screen.lblAnswer2, screen.lblAnswer3};
        int right = 0;
        while (lines[right]->text() != questions[slot - 1][1])
            ++right;
        Choose(screen, (slot % 2 == 1 ? right : (right + 1) % 3) + 1);
        QTest::mouseClick(screen.cmdNext, Qt::LeftButton);
    }
    for (int tick = 0; tick < 754; ++tick)
        screen.Timer1_Timer();
    QTest::mouseClick(screen.lblQuestionNumber[5], Qt::LeftButton);
    Capture(screen, out + QStringLiteral("/frmQuestions.png"));

    QTest::mouseClick(screen.cmdDone, Qt::LeftButton);
    ClickRow(home, QStringLiteral("Fractions, Unit 3"));
    QTest::mouseClick(home.cmdReview, Qt::LeftButton);
    frmAnswers& review = Screens::Get<frmAnswers>();
    QTest::mouseClick(review.lblQuestionNumber[1], Qt::LeftButton);
    Capture(review, out + QStringLiteral("/frmAnswers.png"));
    return 0;
}
