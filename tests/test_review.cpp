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

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

using namespace Module1;

class TestReview : public QObject {
    Q_OBJECT

private slots:
    void recordShownByPosition_data();
    void recordShownByPosition();
    void movingOnlyReadsThenReturnsToItsOpener();
};

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

void TestReview::recordShownByPosition_data()
{
    QTest::addColumn<QVariant>("record");
    QTest::addColumn<QString>("lines");       // the three answer lines, "|" between them
    QTest::addColumn<QString>("rightLines");  // the lines in dark green
    QTest::addColumn<int>("chosen");          // the line selected, 0 for none
    QTest::addColumn<bool>("green");
    const QString shuffled = QStringLiteral("P1b|A1|P1a");
    QTest::newRow("right on line 2, chosen") << QVariant(QStringLiteral("3122C")) << shuffled << "2" << 2 << true;
    QTest::newRow("line 3 chosen") << QVariant(QStringLiteral("3123X")) << shuffled << "2" << 3 << false;
    QTest::newRow("unanswered") << QVariant() << "A1|P1a|P1b" << "1" << 0 << false;
    QTest::newRow("lower-case c") << QVariant(QStringLiteral("3122c")) << shuffled << "2" << 2 << false;
    QTest::newRow("one character") << QVariant(QStringLiteral("9")) << "||" << "" << 0 << false;
    QTest::newRow("letter among digits") << QVariant(QStringLiteral("31x2C")) << "P1b|A1|" << "2" << 2 << true;
    QTest::newRow("choice beyond line 3") << QVariant(QStringLiteral("3127C")) << shuffled << "2" << 0 << true;
    QTest::newRow("other digits") << QVariant(QStringLiteral("\u0663\u0661\u0662\u0662C")) << "||" << "" << 0 << true;
}

void TestReview::recordShownByPosition()
{
    QFETCH(QVariant, record);
    QFETCH(QString, lines);
    QFETCH(QString, rightLines);
    QFETCH(int, chosen);
    QFETCH(bool, green);
    TestEnv env;
    frmAnswers& review = Review(env, record, QStringLiteral("1231C"));
    const std::array<QLabel*, 3> shown{review.lblAnswer1, review.lblAnswer2, review.lblAnswer3};
    for (int k = 0; k < 3; ++k) {
        QCOMPARE(shown[k]->text(), lines.split(u'|')[k]);
        QCOMPARE(TextColour(*shown[k]), rightLines.contains(QString::number(k + 1)) ? QColor(0, 128, 0) : QColor(0, 0, 0));
    }
    QCOMPARE(ChosenLine(review.optAnswer), chosen);
    QCOMPARE(TextColour(*review.lblQuestionNumber[0]), green ? QColor(0, 255, 0) : QColor(255, 0, 0));
    QVERIFY(env.fake.shown.empty() && !env.fake.ended);
}

// The arrows stay put at either end; nothing changes the choice, colours or
// record. Opened for the administrator, closing by the frame returns there,
// once; the next review, from the home screen, returns home.
void TestReview::movingOnlyReadsThenReturnsToItsOpener()
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
    Screens::Hide<frmTestResults>();
    frmMain& home = Home();
    QVERIFY(ClickRow(home, QStringLiteral("Fractions")));
    Click(home.cmdReview);
    Click(Screens::Get<frmAnswers>().cmdDone);
    ProcessEvents();
    QVERIFY(home.isVisible() && !Screens::Get<frmTestResults>().isVisible());
}

QTEST_MAIN(TestReview)
#include "test_review.moc"
