// The review of a finished test: records well-formed and malformed, moving, returning.
#include "StudentDesk.h"
#include "TestEnv.h"
#include "UserActions.h"
#include "app/Module1.h"
#include "screens/Screens.h"
#include "screens/SlotScreen.h"
#include "screens/frmAnswers.h"
#include "screens/frmMain.h"
#include "screens/frmTestResults.h"

#include <QtTest>
#include <QtWidgets>

using namespace Module1;

namespace {

// Ada's finished attempt at "Fractions" (slots 1 and 2 given), reviewed from home.
frmAnswers& Review(TestEnv& env, const QVariant& first, const QVariant& second)
{
    const qint64 student = env.AddStudent(QStringLiteral("Ada"), QStringLiteral("pw"));
    env.Insert(QStringLiteral("INSERT INTO Results (fldStudentNumber, fldTestNumber, fldGrade, fldDate, fldQ1, fldQ2) "
                              "VALUES (?, ?, 40, '5/6/26', ?, ?)"),
               {student, env.AddTest(QStringLiteral("Fractions")), first, second});
    SignIn(env, student);
    frmMain& home = Home();
    ClickRow(home, QStringLiteral("Fractions"));
    Click(home.cmdReview);
    return Screens::Get<frmAnswers>();
}

}

class TestReview : public QObject {
    Q_OBJECT

private slots:
    void recordShownByPosition_data()
    {
        QTest::addColumn<QVariant>("record");
        // The answer lines ("*" after the one in dark green), the chosen line, the number's colour.
        QTest::addColumn<QString>("shown");
        QTest::newRow("right on line 2, chosen") << QVariant(QStringLiteral("3122C")) << "P1b|A1*|P1a 2 green";
        QTest::newRow("line 3 chosen") << QVariant(QStringLiteral("3123X")) << "P1b|A1*|P1a 3 red";
        QTest::newRow("unanswered") << QVariant() << "A1*|P1a|P1b 0 red";
        QTest::newRow("lower-case c") << QVariant(QStringLiteral("3122c")) << "P1b|A1*|P1a 2 red";
        QTest::newRow("one character") << QVariant(QStringLiteral("9")) << "|| 0 red";
        QTest::newRow("letter among digits") << QVariant(QStringLiteral("31x2C")) << "P1b|A1*| 2 green";
        QTest::newRow("choice beyond line 3") << QVariant(QStringLiteral("3127C")) << "P1b|A1*|P1a 0 green";
        QTest::newRow("other digits") << QVariant(QStringLiteral("\u0663\u0661\u0662\u0662C")) << "|| 0 green";
    }

    void recordShownByPosition()
    {
        QFETCH(QVariant, record);
        QFETCH(QString, shown);
        TestEnv env;
        frmAnswers& review = Review(env, record, QStringLiteral("1231C"));
        QStringList lines;
        for (const QLabel* line : {review.lblAnswer1, review.lblAnswer2, review.lblAnswer3}) {
            const QColor colour = TextColour(*line);
            lines << line->text() + (colour == QColor(0, 128, 0) ? "*" : colour == QColor(0, 0, 0) ? "" : "?");
        }
        const QColor number = TextColour(*review.lblQuestionNumber[0]);
        QCOMPARE(lines.join(u'|') + QStringLiteral(" %1 ").arg(ChosenLine(review.optAnswer))
                     + (number == QColor(0, 255, 0) ? "green" : number == QColor(255, 0, 0) ? "red" : "?"),
                 shown);
        QVERIFY(env.fake.shown.empty() && !env.fake.ended);
    }

    // The arrows stay put at either end; nothing changes the choice, colours or
    // record. Opened for the administrator, closing by the frame returns there.
    void movingOnlyReadsThenReturnsToItsOpener()
    {
        TestEnv env;
        frmAnswers& review = Review(env, QStringLiteral("1231C"), QStringLiteral("2133X"));
        Click(review.cmdPrev);
        QCOMPARE(ChosenLine(review.optAnswer), 1);  // still slot 1
        Click(review.cmdNext);
        QTest::mouseClick(review.optAnswer[1], Qt::LeftButton);
        QTest::mouseClick(review.lblAnswer1, Qt::LeftButton);
        QCOMPARE(ChosenLine(review.optAnswer), 3);
        QTest::mouseClick(review.lblQuestionNumber[23], Qt::LeftButton);
        Click(review.cmdNext);
        Click(review.cmdNext);
        QCOMPARE(review.windowTitle() + u'|' + review.lblQuestion->text(), QStringLiteral("Results of: Fractions|Q25"));
        QCOMPARE(TextColour(*review.lblQuestionNumber[1]), QColor(255, 0, 0));
        QCOMPARE(env.Scalar(QStringLiteral("SELECT fldQ2 FROM Results")).toString(), QStringLiteral("2133X"));

        blnReviewFromAdmin = true;
        review.close();
        ProcessEvents();
        QVERIFY(!Screens::IsLoaded<frmAnswers>() && !blnReviewFromAdmin);
        QVERIFY(Screens::Get<frmTestResults>().isVisible() && !Screens::Get<frmMain>().isVisible());
    }
};

QTEST_MAIN(TestReview)
#include "test_review.moc"
