// The review of a finished test: slot colours, the answers on the lines the
// student saw, the choice and the right answer for well-formed and malformed
// records; moving between slots; returning to the opener.
#include "StudentDesk.h"
#include "TestEnv.h"
#include "UserActions.h"
#include "app/AnswerRecord.h"
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
    void movingAtTheEndsOnlyReads();
    void returnsToItsOpener();
    void missingTestStillOpensTheReview();
};

namespace {

// Ada signed in, with a finished attempt at "Fractions" holding `records` in
// slots 1, 2, ...
struct Desk {
    TestEnv env;

    explicit Desk(const QVariantList& records)
    {
        const qint64 student = env.AddStudent(QStringLiteral("Ada"), QStringLiteral("pw"));
        QStringList columns{QStringLiteral("fldStudentNumber"), QStringLiteral("fldTestNumber"),
                            QStringLiteral("fldGrade"), QStringLiteral("fldDate")};
        QVariantList values{student, env.AddTest(QStringLiteral("Fractions")), 40, QStringLiteral("5/6/26")};
        for (int slot = 1; slot <= records.size(); ++slot) {
            columns << AnswerRecords::SlotField(slot);
            values << records[slot - 1];
        }
        env.Insert(QStringLiteral("INSERT INTO Results (%1) VALUES (?%2)")
                       .arg(columns.join(u','), QStringLiteral(",?").repeated(columns.size() - 1)),
                   values);
        SignIn(env, student);
    }
    // Opens the review from the home screen, as the student does.
    frmAnswers& Review()
    {
        frmMain& home = Home();
        if (!ClickRow(home, QStringLiteral("Fractions")))
            throw std::runtime_error("no row");
        Click(home.cmdReview);
        return Screens::Get<frmAnswers>();
    }
};

QColor NumberColour(const frmAnswers& review, int slot)
{
    return TextColour(*review.lblQuestionNumber[static_cast<std::size_t>(slot - 1)]);
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
    QTest::newRow("too long") << QVariant(QStringLiteral("3122CX")) << shuffled << "2" << 2 << false;
    QTest::newRow("one character") << QVariant(QStringLiteral("9")) << "||" << "" << 0 << false;
    QTest::newRow("two digits") << QVariant(QStringLiteral("12")) << "A1|P1a|" << "1" << 0 << false;
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
    Desk desk({record, QStringLiteral("1231C")});
    frmAnswers& review = desk.Review();
    QVERIFY(review.isVisible() && !Screens::Get<frmMain>().isVisible());
    QCOMPARE(review.windowTitle(), QStringLiteral("Results of: Fractions"));
    QCOMPARE(review.lblQuestion->text(), QStringLiteral("Q1"));
    const std::array<QLabel*, 3> shown{review.lblAnswer1, review.lblAnswer2, review.lblAnswer3};
    for (int k = 0; k < 3; ++k) {
        const QLabel& line = *shown[static_cast<std::size_t>(k)];
        QCOMPARE(line.text(), lines.split(u'|')[k]);
        QCOMPARE(TextColour(line), rightLines.contains(QString::number(k + 1)) ? SlotColours::RightLine()
                                                                                : SlotColours::OtherLine());
    }
    QCOMPARE(ChosenLine(review.optAnswer), chosen);
    QCOMPARE(NumberColour(review, 1), green ? SlotColours::Right() : SlotColours::Missed());
    QCOMPARE(NumberColour(review, 2), SlotColours::Right());
    QCOMPARE(NumberColour(review, 3), SlotColours::Missed());
    QVERIFY(desk.env.fake.shown.empty());
}

void TestReview::movingAtTheEndsOnlyReads()
{
    Desk desk({QStringLiteral("1231C"), QStringLiteral("2133X")});
    frmAnswers& review = desk.Review();
    Click(review.cmdPrev);  // at slot 1: stays
    QCOMPARE(review.QuestionNumber->text(), QStringLiteral("Question 1"));
    QCOMPARE(ChosenLine(review.optAnswer), 1);
    Click(review.cmdNext);
    QCOMPARE(ChosenLine(review.optAnswer), 3);
    // Neither the option buttons nor the answer texts change the choice.
    QTest::mouseClick(review.optAnswer[1], Qt::LeftButton);
    QTest::mouseClick(review.lblAnswer1, Qt::LeftButton);
    QCOMPARE(ChosenLine(review.optAnswer), 3);

    QTest::mouseClick(review.lblQuestionNumber[23], Qt::LeftButton);
    Click(review.cmdNext);
    Click(review.cmdNext);  // at slot 25: stays
    QCOMPARE(review.QuestionNumber->text(), QStringLiteral("Question 25"));
    QCOMPARE(review.lblQuestion->text(), QStringLiteral("Q25"));
    QCOMPARE(ChosenLine(review.optAnswer), 0);
    QCOMPARE(NumberColour(review, 1), SlotColours::Right());  // moving never recolours
    QCOMPARE(NumberColour(review, 2), SlotColours::Missed());
    QCOMPARE(desk.env.Scalar(QStringLiteral("SELECT fldQ2 FROM Results")).toString(), QStringLiteral("2133X"));
}

void TestReview::returnsToItsOpener()
{
    // Opened for the administrator: closing by the frame returns there, once.
    Desk desk({QStringLiteral("1231C")});
    frmAnswers& review = desk.Review();
    blnReviewFromAdmin = true;
    review.close();
    ProcessEvents();
    QVERIFY(!Screens::IsLoaded<frmAnswers>());
    QVERIFY(!blnReviewFromAdmin);
    QVERIFY(Screens::Get<frmTestResults>().isVisible());
    QVERIFY(!Screens::Get<frmMain>().isVisible());

    // The next review, from the home screen, returns home.
    Screens::Hide<frmTestResults>();
    Click(desk.Review().cmdDone);
    ProcessEvents();
    QVERIFY(Screens::Get<frmMain>().isVisible());
    QVERIFY(!Screens::Get<frmTestResults>().isVisible());
}

// The test is deleted after the row was picked: the failing steps are skipped.
void TestReview::missingTestStillOpensTheReview()
{
    Desk desk({QStringLiteral("3122C")});
    frmMain& home = Home();
    QVERIFY(ClickRow(home, QStringLiteral("Fractions")));
    desk.env.Exec(QStringLiteral("DELETE FROM Tests"));
    Click(home.cmdReview);
    frmAnswers& review = Screens::Get<frmAnswers>();
    QVERIFY(review.isVisible() && !home.isVisible());
    QCOMPARE(review.windowTitle(), QString());
    QCOMPARE(review.lblQuestion->text(), QString());
    QCOMPARE(review.lblAnswer1->text(), QString());
    QCOMPARE(NumberColour(review, 1), SlotColours::Missed());
    QVERIFY(desk.env.fake.shown.empty() && !desk.env.fake.ended);
}

QTEST_MAIN(TestReview)
#include "test_review.moc"
