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

// The slot on screen: its answer lines ("*" after the one in dark green, "?"
// after one neither dark green nor black), the chosen line and its number's colour.
QString Shown(const frmAnswers& review)
{
    QStringList lines;
    for (const QLabel* line : {review.lblAnswer1, review.lblAnswer2, review.lblAnswer3}) {
        const QColor colour = TextColour(*line);
        lines << line->text() + (colour == QColor(0, 128, 0) ? "*" : colour == QColor(0, 0, 0) ? "" : "?");
    }
    const QColor number = TextColour(*review.lblQuestionNumber[static_cast<std::size_t>(CurrentQuestion - 1)]);
    return lines.join(u'|') + QStringLiteral(" %1 ").arg(ChosenLine(review.optAnswer))
        + (number == QColor(0, 153, 0) ? "green" : number == QColor(255, 0, 0) ? "red" : "?");
}

}

class TestReview : public QObject {
    Q_OBJECT

private slots:
    // Slots 1 to 8 hold these records; the record is read by position only.
    // The arrows stay put at either end; nothing changes the choice, colours
    // or record. Opened for the administrator, closing by the frame returns there.
    void recordsShownByPositionThenBackToTheOpener()
    {
        const QList<std::pair<QVariant, QString>> records{
            {QStringLiteral("3122C"), "P%1b|A%1*|P%1a 2 green"},  // right on line 2, chosen
            {QStringLiteral("3123X"), "P%1b|A%1*|P%1a 3 red"},
            {QVariant(), "A%1*|P%1a|P%1b 0 red"},  // unanswered
            {QStringLiteral("3122c"), "P%1b|A%1*|P%1a 2 red"},
            {QStringLiteral("9"), "|| 0 red"},
            {QStringLiteral("31x2C"), "P%1b|A%1*| 2 green"},
            {QStringLiteral("3127C"), "P%1b|A%1*|P%1a 0 green"},  // no line 7
            {QStringLiteral("\u0663\u0661\u0662\u0662C"), "|| 0 green"},  // digits of another script
        };
        TestEnv env;
        const qint64 student = env.AddStudent(QStringLiteral("Ada"), QStringLiteral("pw"));
        const qint64 result = env.Insert(QStringLiteral("INSERT INTO Results (fldStudentNumber, fldTestNumber, fldGrade, "
                                                        "fldDate) VALUES (?, ?, 40, '5/6/26')"),
                                         {student, env.AddTest(QStringLiteral("Fractions"))});
        for (int s = 1; s <= records.size(); ++s)
            env.Exec(QStringLiteral("UPDATE Results SET fldQ%1 = ? WHERE fldResultNumber = ?").arg(s),
                     {records[s - 1].first, result});
        SignIn(env, student);
        frmMain& home = Home();
        QVERIFY(ClickRow(home, QStringLiteral("Fractions")));
        Click(home.cmdReview);
        frmAnswers& review = Screens::Get<frmAnswers>();
        Click(review.cmdPrev);
        for (int s = 1; s <= records.size(); Click(review.cmdNext), ++s)
            QCOMPARE(Shown(review), records[s - 1].second.arg(s));

        QTest::mouseClick(review.optAnswer[1], Qt::LeftButton);
        QTest::mouseClick(review.lblAnswer1, Qt::LeftButton);
        QCOMPARE(ChosenLine(review.optAnswer), 0);
        QTest::mouseClick(review.lblQuestionNumber[1], Qt::LeftButton);
        QCOMPARE(Shown(review), QStringLiteral("P2b|A2*|P2a 3 red"));
        QTest::mouseClick(review.lblQuestionNumber[23], Qt::LeftButton);
        Click(review.cmdNext);
        Click(review.cmdNext);
        QCOMPARE(review.windowTitle() + u'|' + review.lblQuestion->text(), QStringLiteral("Results of: Fractions|Q25"));
        QCOMPARE(env.Scalar(QStringLiteral("SELECT fldQ2 FROM Results")).toString(), QStringLiteral("3123X"));

        blnReviewFromAdmin = true;
        review.close();
        ProcessEvents();
        QVERIFY(!Screens::IsLoaded<frmAnswers>() && !blnReviewFromAdmin && env.fake.shown.empty());
        QVERIFY(Screens::Get<frmTestResults>().isVisible() && !home.isVisible());
    }
};

QTEST_MAIN(TestReview)
#include "test_review.moc"
