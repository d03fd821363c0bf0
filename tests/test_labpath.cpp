// A lab workstation's student screens: everything through the server's
// student functions under a role that may read no table.
#include "StudentDesk.h"
#include "TestEnv.h"
#include "UserActions.h"
#include "app/Module1.h"
#include "data/LabSession.h"
#include "screens/Screens.h"
#include "screens/SlotScreen.h"
#include "screens/StudentWork.h"
#include "screens/frmAnswers.h"
#include "screens/frmEntry.h"
#include "screens/frmMain.h"
#include "screens/frmQuestions.h"

#include <QDate>
#include <QtTest>
#include <QtWidgets>

using namespace Module1;

namespace {

// "green" or "red" for each slot number of the review, from 1 on.
QStringList NumberColours(const frmAnswers& review)
{
    QStringList colours;
    for (const QLabel* number : review.lblQuestionNumber)
        colours << (TextColour(*number) == QColor(255, 0, 0) ? QStringLiteral("red") : QStringLiteral("green"));
    return colours;
}

// The answer records of the student's attempts, slots 1 to 3, "|"-joined.
QStringList Records(TestEnv& env, qint64 student)
{
    return env.Rows(QStringLiteral("SELECT fldQ1, fldQ2, fldQ3 FROM Results WHERE fldStudentNumber = ?"), {student});
}

}

class TestLabPath : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (!TestEnv::OnServer())
            QSKIP("needs a PostgreSQL server (the second pass of scripts/test)");
    }

    // Signed in on the sign-in screen, a student's list shows only the
    // student's own results; a wrong password gets the usual box.
    void studentSeesOnlyOwnRows()
    {
        TestEnv env(TestEnv::Workstation::Lab);
        const qint64 ann = env.AddStudent(QStringLiteral("Ann"), QStringLiteral("a"));
        const qint64 bob = env.AddStudent(QStringLiteral("Bob"), QStringLiteral("b"));
        const qint64 algebra = env.AddTest(QStringLiteral("Algebra"));
        env.AddTest(QStringLiteral("<Draft"));
        env.Exec(QStringLiteral("INSERT INTO Results (fldStudentNumber, fldTestNumber, fldGrade, fldDate) "
                                "VALUES (?, ?, 88, '1/2/26')"),
                 {bob, algebra});
        Screens::Show<frmEntry>();
        frmEntry& entry = Screens::Get<frmEntry>();
        TypeInto(entry.txtName, QStringLiteral("Ann"));
        TypeInto(entry.txtPassword, QStringLiteral("b"));
        Click(entry.cmdOK);
        QCOMPARE(env.fake.shown.size(), std::size_t(1));
        QCOMPARE(env.fake.shown[0].text, QStringLiteral("Invalid password"));
        TypeInto(entry.txtPassword, QStringLiteral("a"));
        Click(entry.cmdOK);
        frmMain& home = Screens::Get<frmMain>();
        QCOMPARE(home.windowTitle(), QStringLiteral("Test Results For Ann"));
        QCOMPARE(Rows(home.lstResults).size(), 1);
        QVERIFY(Rows(home.lstResults)[0].startsWith(QStringLiteral("Algebra ")));
        QVERIFY(Rows(home.lstResults)[0].endsWith(QStringLiteral("Not Taken")));
        QVERIFY(!Rows(home.lstResults)[0].contains(QStringLiteral("88")));
        // Reviewing a row not taken does nothing; Ann's own attempt is separate from Bob's.
        PickRow(home.lstResults, 0);
        Click(home.cmdReview);
        QVERIFY(!Screens::IsLoaded<frmAnswers>());
        QCOMPARE(Records(env, ann), QStringList());
    }

    // The workstation is shown each slot's answers in the server's order, never
    // the order digits; it stores lines, and the server writes the records,
    // grades and dates. The review then colours the slots from the records.
    void attemptThroughTheServer()
    {
        TestEnv env(TestEnv::Workstation::Lab);
        const qint64 ann = env.AddStudent(QStringLiteral("Ann"), QStringLiteral("a"));
        env.AddTest(QStringLiteral("Algebra"), 5, QStringLiteral("Sums"));
        SignIn(env, ann);
        frmQuestions& screen = Take(env, QStringLiteral("Algebra"));
        QVERIFY2(screen.lblTime->text() == QLatin1String("5:00") || screen.lblTime->text() == QLatin1String("4:59"),
                 qPrintable(screen.lblTime->text()));
        ChooseRight(screen);
        Click(screen.cmdNext);
        const QString secondOrder = ShownOrder(screen);
        Choose(screen, secondOrder.indexOf(u'1') == 0 ? 2 : 1);  // a wrong line
        Click(screen.cmdNext);
        ChooseRight(screen);
        Click(screen.cmdPrev);
        QCOMPARE(ShownOrder(screen), secondOrder);
        // Nothing of a record or an order reached the workstation.
        QVERIFY(AnswerRecord.isEmpty());
        QVERIFY(Student().Review().ResultText(QStringLiteral("fldQ1")).isEmpty());
        QCOMPARE(Records(env, ann)[0].section(u'|', 0, 0).right(1), QStringLiteral("C"));
        QCOMPARE(Records(env, ann)[0].section(u'|', 1, 1), secondOrder + QString::number(ChosenLine(screen.optAnswer))
                                                               + QStringLiteral("X"));
        QCOMPARE(Records(env, ann)[0].section(u'|', 2, 2).right(1), QStringLiteral("C"));
        ChooseRight(screen);  // slot 2 changed to its right line, stored by Done
        Click(screen.cmdDone);
        ProcessEvents();

        const QDate today = QDate::currentDate();
        QCOMPARE(env.Rows(QStringLiteral("SELECT fldGrade, fldDate FROM Results WHERE fldStudentNumber = ?"), {ann}),
                 QStringList{QStringLiteral("12|") + today.toString(QStringLiteral("dd/MM/yyyy"))});
        frmMain& home = Screens::Get<frmMain>();
        QVERIFY(Rows(home.lstResults)[0].contains(QStringLiteral(" 12 ")));
        PickRow(home.lstResults, 0);
        Click(home.cmdReview);
        QVERIFY(Screens::IsLoaded<frmAnswers>());
        frmAnswers& review = Screens::Get<frmAnswers>();
        QCOMPARE(review.windowTitle(), QStringLiteral("Results of: Algebra"));
        QCOMPARE(NumberColours(review).mid(0, 4), QStringList({"green", "green", "green", "red"}));
        // Slot 2 as the student saw it, the right line chosen.
        Click(review.cmdNext);
        QString seen;
        for (const QLabel* line : {review.lblAnswer1, review.lblAnswer2, review.lblAnswer3})
            seen += QString::number(QStringList({"A2", "P2a", "P2b"}).indexOf(line->text()) + 1);
        QCOMPARE(seen, secondOrder);
        QCOMPARE(ChosenLine(review.optAnswer), static_cast<int>(secondOrder.indexOf(u'1')) + 1);
        QCOMPARE(review.lblQuestion->text(), QStringLiteral("Q2"));
    }

    // The refusals of Take come from the server: a test withdrawn since the
    // list was filled, and a test finished meanwhile on another workstation.
    void takeRefusedByTheServer()
    {
        TestEnv env(TestEnv::Workstation::Lab);
        const qint64 ann = env.AddStudent(QStringLiteral("Ann"), QStringLiteral("a"));
        const qint64 algebra = env.AddTest(QStringLiteral("Algebra"));
        const qint64 geometry = env.AddTest(QStringLiteral("Geometry"));
        SignIn(env, ann);
        frmMain& home = Home();
        env.Exec(QStringLiteral("UPDATE Tests SET fldTestName = '<Algebra' WHERE fldTestNumber = ?"), {algebra});
        QVERIFY(ClickRow(home, QStringLiteral("Algebra")));
        Click(home.cmdTakeTest);
        QCOMPARE(env.fake.shown.back().text, QStringLiteral("This test is no longer available."));
        env.Exec(QStringLiteral("INSERT INTO Results (fldStudentNumber, fldTestNumber, fldGrade, fldDate) "
                                "VALUES (?, ?, 40, 'then')"),
                 {ann, geometry});
        QVERIFY(ClickRow(home, QStringLiteral("Geometry")));
        Click(home.cmdTakeTest);
        QVERIFY(!Screens::IsLoaded<frmQuestions>());
        QCOMPARE(Rows(home.lstResults).size(), 1);
        QVERIFY(Rows(home.lstResults)[0].endsWith(QStringLiteral("then")));
    }

    // The server takes no answer more than ten seconds past the deadline.
    void lateAnswerRefused()
    {
        TestEnv env(TestEnv::Workstation::Lab);
        const qint64 ann = env.AddStudent(QStringLiteral("Ann"), QStringLiteral("a"));
        env.AddTest(QStringLiteral("Algebra"));
        SignIn(env, ann);
        frmQuestions& screen = Take(env, QStringLiteral("Algebra"));
        const QString deadline = QStringLiteral("UPDATE Results SET fldDeadline = "
                                                "CAST(floor(extract(epoch FROM clock_timestamp())) AS BIGINT) - ?");
        env.Exec(deadline, {8});
        Choose(screen, 1);
        Click(screen.cmdNext);
        env.Exec(deadline, {12});
        Choose(screen, 2);
        Click(screen.cmdNext);
        QCOMPARE(Records(env, ann)[0].section(u'|', 0, 0).mid(3, 1) + u'|' + Records(env, ann)[0].section(u'|', 1, 1),
                 QStringLiteral("1|NULL"));
        // Left for later, the attempt shows "Unfinished".
        screen.Leave_Attempt();
        ProcessEvents();
        QVERIFY(Rows(Screens::Get<frmMain>().lstResults)[0].endsWith(QStringLiteral("Unfinished")));
    }
};

QTEST_MAIN(TestLabPath)
#include "test_labpath.moc"
