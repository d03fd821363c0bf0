// Taking a test on the real screens: answer order, records stored, countdown, grading.
#include "StudentDesk.h"
#include "TestEnv.h"
#include "UserActions.h"
#include "app/Module1.h"
#include "app/QtPlatform.h"
#include "screens/Screens.h"
#include "screens/SlotScreen.h"
#include "screens/frmMain.h"
#include "screens/frmQuestions.h"
#include "screens/frmQuestionsIntro.h"

#include <QtTest>
#include <QtWidgets>

using namespace Module1;

namespace {

// Ada, signed in, with the test "Fractions"; Bob comes first so a row stored for the wrong student is not found.
struct Desk {
    TestEnv env;
    qint64 student = 0;

    explicit Desk(int minutes = 30)
    {
        env.AddStudent(QStringLiteral("Bob"), QStringLiteral("pw2"));
        student = env.AddStudent(QStringLiteral("Ada"), QStringLiteral("pw"));
        env.AddTest(QStringLiteral("Fractions"), minutes);
        SignIn(env, student);
    }
    frmQuestions& Take() { return ::Take(env, QStringLiteral("Fractions")); }
    QStringList Stored(const QString& fields)
    {
        return env.Rows(QStringLiteral("SELECT %1 FROM Results WHERE fldStudentNumber = ?").arg(fields), {student});
    }
};

}

class TestTaking : public QObject {
    Q_OBJECT

private slots:
    // Take refuses silently with no row picked. An unanswered slot is drawn
    // afresh at every showing (a repeated second digit drawn again, the top draw
    // giving 3); an answered one keeps its order and choice. Every answer is
    // stored when its slot is left: arrows (idle at either end), numbers, Done.
    void slotDepartures()
    {
        Desk desk;
        desk.env.Exec(QStringLiteral("UPDATE Tests SET fldQ25 = NULL, fldQ25Answer = NULL, fldQ25Phony1 = '', "
                                     "fldQ25Phony2 = NULL"));
        desk.env.fake.draws = {0.1f, 0.5f, 0.1f, 0.9f, 0.5f, 0.4f, 0.1f, 0.5f, 0.9f, 0.99999994f, 0.1f, 0.9f, 0.5f};
        frmMain& home = Home();
        Click(home.cmdTakeTest);
        QVERIFY(home.isVisible() && !Screens::IsLoaded<frmQuestions>() && desk.env.fake.shown.empty());

        frmQuestions& screen = desk.Take();
        const int reseeds = desk.env.fake.randomizeCount;
        QStringList orders{ShownOrder(screen)};
        for (int showing = 2; showing <= 6; ++showing) {
            QTest::mouseClick(screen.lblQuestionNumber[0], Qt::LeftButton);
            orders << ShownOrder(screen);
        }
        QCOMPARE(orders, QStringLiteral("123 132 213 231 312 321").split(u' '));
        QCOMPARE(desk.env.fake.randomizeCount, reseeds + 5);

        Choose(screen, 2);
        Click(screen.cmdPrev);
        QVERIFY(CurrentQuestion == 1 && desk.Stored(QStringLiteral("fldQ1")) == QStringList{"NULL"});
        desk.env.fake.draws = {0.9f, 0.1f};  // from here the order 312 on every slot
        desk.env.fake.nextDraw = 0;
        Click(screen.cmdNext);
        QCOMPARE(desk.Stored(QStringLiteral("fldQ1")), QStringList{"3212X"});
        Click(screen.cmdPrev);  // back to change it: shown as left
        QVERIFY(ShownOrder(screen) == QStringLiteral("321") && screen.optAnswer[1]->isChecked());
        QTest::mouseClick(screen.lblAnswer3, Qt::LeftButton);  // an answer's text chooses its line
        QTest::mouseClick(screen.lblQuestionNumber[24], Qt::LeftButton);
        QCOMPARE(desk.Stored(QStringLiteral("fldQ1")), QStringList{"3213C"});
        QCOMPARE(TextColour(*screen.lblQuestionNumber[0]), QColor(0, 153, 0));  // green at 3:1 on the grey window

        // Slot 25 has Null and empty texts and can still be answered.
        for (const QLabel* text : {screen.lblQuestion, screen.lblAnswer1, screen.lblAnswer2, screen.lblAnswer3})
            QCOMPARE(text->text(), QString());
        QCOMPARE(ChosenLine(screen.optAnswer), 0);
        Choose(screen, 2);
        Click(screen.cmdNext);
        QVERIFY(CurrentQuestion == 25 && desk.Stored(QStringLiteral("fldQ25")) == QStringList{"NULL"});
        Click(screen.cmdDone);
        QCOMPARE(desk.Stored(QStringLiteral("fldQ25, fldGrade")), QStringList{"3122C|8"});  // slots 1 and 25 right
    }

    void clock_data()
    {
        QTest::addColumn<int>("minutes");
        QTest::addColumn<QString>("texts");  // at the start, then after ticks 1, 50, 51 and 60
        QTest::newRow("0 minutes, nothing answered") << 0 << "0:00";
        QTest::newRow("1 minute") << 1 << "1:00 0:59 0:10 0:09 0:00";
    }

    // On the real platform: the modal introduction, the countdown, "Time Is Up!"
    // with the selected answer stored; the clock stands still while the box is
    // open, in which the window is closed (which finishes as Done does); a late
    // tick and Done follow: graded once.
    void clock()
    {
        QFETCH(int, minutes);
        QFETCH(QString, texts);
        Desk desk(minutes);
        QtPlatform real(desk.env.fake.programFolder);
        SetPlatform(&real);
        frmMain& home = Home();
        QVERIFY(ClickRow(home, QStringLiteral("Fractions")));
        bool introWasModal = false;
        QTimer::singleShot(0, [&] {
            introWasModal = QApplication::activeModalWidget() == &Screens::Get<frmQuestionsIntro>()
                && Screens::Get<frmQuestionsIntro>().lblTime->text()
                    == QStringLiteral("You will be given %1 minutes to complete this test.").arg(minutes);
            Click(Screens::Get<frmQuestionsIntro>().cmdBegin);
        });
        Click(home.cmdTakeTest);
        frmQuestions& screen = Screens::Get<frmQuestions>();
        QVERIFY(introWasModal && screen.Timer1->isActive());
        QCOMPARE(screen.Timer1->interval(), 1000);
        if (minutes > 0)
            ChooseRight(screen);

        QStringList messages;
        bool clockStopped = false;
        QTimer user;  // answers every message box that opens
        connect(&user, &QTimer::timeout, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                messages << box->windowTitle() + u'|' + box->text();
                clockStopped = !screen.Timer1->isActive();
                screen.close();
                box->accept();
            }
        });
        user.start(10);
        QStringList shown{screen.lblTime->text()};
        for (int tick = 1; tick <= 60 * minutes; ++tick) {
            screen.Timer1_Timer();
            if (tick == 1 || tick == 50 || tick == 51 || tick == 60)
                shown << screen.lblTime->text();
        }
        QCOMPARE(shown, texts.split(u' '));
        QVERIFY(messages.isEmpty());
        screen.Timer1_Timer();
        screen.Timer1_Timer();
        screen.cmdDone_Click();
        SetPlatform(&desk.env.fake);
        QVERIFY(messages == QStringList{QStringLiteral("VornickTest|Time Is Up!")} && clockStopped);
        QCOMPARE(desk.env.Rows(QStringLiteral("SELECT fldGrade FROM Results")), QStringList{QString::number(4 * minutes)});
        ProcessEvents();
        QVERIFY(!Screens::IsLoaded<frmQuestions>() && home.isVisible());
    }
};

QTEST_MAIN(TestTaking)
#include "test_taking.moc"
