// A lab workstation's student screens: everything through the server's
// student functions under a role that may read no table.
#include "StudentDesk.h"
#include "TestEnv.h"
#include "UserActions.h"
#include "app/Module1.h"
#include "screens/PictureView.h"
#include "screens/Screens.h"
#include "screens/SlotScreen.h"
#include "work/StudentWork.h"
#include "screens/frmAnswers.h"
#include "screens/frmMain.h"
#include "screens/frmQuestions.h"

#include <QtTest>
#include <QtWidgets>

using namespace Module1;

namespace {


}

class TestLabPath : public QObject {
    Q_OBJECT

private slots:
    // The student's list shows only the student's own results. Each slot's
    // answers come in the server's order, never the order digits; the
    // workstation stores lines (a changed one too, as the attempt is left),
    // and the server writes the records, shows no text past the deadline and
    // takes no answer more than ten seconds past it, grades and dates. The review shows each slot as the student
    // saw it. A slot's picture comes on the test screen and in the review.
    // A test finished elsewhere since the list was filled is refused.
    void attemptThroughTheServer()
    {
        if (!TestEnv::OnServer())
            QSKIP("needs a PostgreSQL server (the server passes of scripts/test)");
        TestEnv env(TestEnv::Workstation::Lab);
        const qint64 ann = env.AddStudent(QStringLiteral("Ann"), QStringLiteral("a"));
        const qint64 bob = env.AddStudent(QStringLiteral("Bob"), QStringLiteral("b"));
        const qint64 algebra = env.AddTest(QStringLiteral("Algebra"));
        const qint64 geometry = env.AddTest(QStringLiteral("Geometry"));
        env.AddTest(QStringLiteral("<Draft"));
        env.Exec(QStringLiteral("INSERT INTO Pictures VALUES (?, 2, ?, 'png', 4, 4, 'A red square')"), {algebra, FilledPng(4, 4, Qt::red)});
        const QString result = QStringLiteral("INSERT INTO Results (fldStudentNumber, fldTestNumber, fldGrade, fldDate) "
                                              "VALUES (?, ?, 88, 'then')");
        env.Exec(result, {bob, algebra});
        SignInAs(QStringLiteral("Ann"), QStringLiteral("b"));
        QCOMPARE(LastBox(env.fake), QStringLiteral("Invalid password| |OK"));
        SignInAs(QStringLiteral("Ann"), QStringLiteral("a"));
        frmMain& home = Screens::Get<frmMain>();
        QCOMPARE(Rows(home.lstResults), (QStringList{"Algebra" + QString(34, u' ') + "Not Taken",
                                                     "Geometry" + QString(33, u' ') + "Not Taken"}));

        frmQuestions& screen = Take(env, QStringLiteral("Algebra"));
        ChooseRight(screen);
        QVERIFY(!screen.picQuestion->isVisible());
        Click(screen.cmdNext);
        const QString secondOrder = ShownOrder(screen);
        QVERIFY(screen.picQuestion->isVisible());  // slot 2's picture, through the student's role
        QTRY_VERIFY(screen.picQuestion->Decoded());  // its bytes whole, as the server holds them
        const QImage drawn = screen.picQuestion->grab().toImage();
        QCOMPARE(drawn.pixelColor((drawn.width() - 4) / 2 + 2, 2), QColor(Qt::red));
        const int wrongLine = secondOrder.indexOf(u'1') == 0 ? 2 : 1;
        Choose(screen, wrongLine);
        Click(screen.cmdNext);
        ChooseRight(screen);
        Click(screen.cmdPrev);
        QCOMPARE(ShownOrder(screen), secondOrder);
        // Nothing of a record or an order reached the workstation.
        QVERIFY(Student().Review().ResultText(QStringLiteral("fldQ2")).isEmpty());
        const QString records = QStringLiteral("SELECT fldQ1, fldQ2, fldQ3, fldQ4, fldQ5 FROM Results WHERE fldStudentNumber = ?");
        QCOMPARE(env.Rows(records, {ann}).value(0).section(u'|', 1, 1), secondOrder + QString::number(wrongLine) + u'X');
        ChooseRight(screen);  // slot 2 changed to its right line, stored as the attempt is left
        screen.Leave_Attempt();
        ProcessEvents();
        QCOMPARE(Rows(home.lstResults)[0], "Algebra" + QString(34, u' ') + "Unfinished");

        frmQuestions& again = Take(env, QStringLiteral("Algebra"));  // continued, without the introduction
        QTest::mouseClick(again.lblQuestionNumber[3], Qt::LeftButton);
        const QString deadline = QStringLiteral("UPDATE Results SET fldDeadline = "
                                                "CAST(floor(extract(epoch FROM clock_timestamp())) AS BIGINT) - ?");
        env.Exec(deadline, {8});
        ChooseRight(again);
        Click(again.cmdNext);
        QCOMPARE(again.lblQuestion->text() + again.lblAnswer1->text(), QString());  // past the deadline: no text
        env.Exec(deadline, {12});
        Choose(again, 1);
        Click(again.cmdDone);
        ProcessEvents();
        const QStringList stored = env.Rows(records, {ann}).value(0).split(u'|');
        QCOMPARE(QString(stored[0].back()) + stored[1].back() + stored[2].back() + stored[3].back() + u'|' + stored[4],
                 QStringLiteral("CCCC|NULL"));
        QCOMPARE(env.Rows(QStringLiteral("SELECT fldGrade, fldDate FROM Results WHERE fldStudentNumber = ?"), {ann}),
                 QStringList{QStringLiteral("16|") + env.fake.today});
        // The moment graded, by the database's clock (this computer's here).
        const qint64 graded = env.Rows(QStringLiteral("SELECT fldGradedAt FROM Results WHERE fldStudentNumber = ?"), {ann})
                                  .value(0).toLongLong();
        QVERIFY2(std::abs(graded - QDateTime::currentSecsSinceEpoch()) < 600, qPrintable(QString::number(graded)));

        PickRow(home.lstResults, 0);
        Click(home.cmdReview);
        frmAnswers& review = Screens::Get<frmAnswers>();
        QString colours;
        for (const QLabel* number : review.lblQuestionNumber)
            colours += TextColour(*number) == QColor(255, 0, 0) ? u'r' : u'g';
        QCOMPARE(colours.left(6), QStringLiteral("ggggrr"));
        Click(review.cmdNext);  // slot 2 as the student saw it, its picture, the right line chosen
        QCOMPARE(review.picQuestion->accessibleName(), QStringLiteral("A red square"));
        QString seen;
        for (const QLabel* line : {review.lblAnswer1, review.lblAnswer2, review.lblAnswer3})
            seen += QString::number(QStringList({"A2", "P2a", "P2b"}).indexOf(line->text()) + 1);
        QCOMPARE(seen + QString::number(ChosenLine(review.optAnswer)) + review.lblQuestion->text(),
                 secondOrder + QString::number(secondOrder.indexOf(u'1') + 1) + QStringLiteral("Q2"));
        Click(review.cmdDone);

        env.Exec(result, {ann, geometry});
        QVERIFY(ClickRow(home, QStringLiteral("Geometry")));
        Click(home.cmdTakeTest);
        QVERIFY(!Screens::IsLoaded<frmQuestions>());
        QCOMPARE(Rows(home.lstResults)[1], "Geometry" + QString(33, u' ') + "88" + QString(12, u' ') + "then");
    }
};

QTEST_MAIN(TestLabPath)
#include "test_labpath.moc"
