// The review of a finished test: the slot colours, the answers on the lines
// the student saw, the choice and the right answer, for well-formed and
// malformed answer records; moving between slots and returning to the opener.
#include "StudentDesk.h"
#include "TestEnv.h"
#include "app/AnswerRecord.h"
#include "app/Module1.h"
#include "screens/Screens.h"
#include "screens/SlotScreen.h"
#include "screens/frmAnswers.h"
#include "screens/frmMain.h"
#include "screens/frmQuestions.h"
#include "screens/frmTestResults.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>
#include <random>

using namespace Module1;

class TestReview : public QObject {
    Q_OBJECT

private slots:
    void recordShownByPosition_data();
    void recordShownByPosition();
    void takeApartNeverFails();
    void allGreenOrAllRed();
    void movingBetweenSlots();
    void reviewOfAnAttemptJustTaken();
    void returnsToItsOpener();
    void reviewRefusesOtherRows();
    void missingTestStillOpensTheReview();
};

namespace {

struct Desk {
    TestEnv env;
    qint64 student = 0;
    qint64 test = 0;

    Desk()
    {
        student = env.AddStudent(QStringLiteral("Ada"), QStringLiteral("pw"));
        test = env.AddTest(QStringLiteral("Fractions"));
        env.AddTest(QStringLiteral("Decimals"));
    }
    // A finished attempt with the given records in slots 1, 2, ...
    void AddResult(const QVariantList& records)
    {
        QStringList columns{QStringLiteral("fldStudentNumber"), QStringLiteral("fldTestNumber"),
                            QStringLiteral("fldGrade"), QStringLiteral("fldDate")};
        QVariantList values{student, test, 40, QStringLiteral("5/6/26")};
        QStringList marks{QStringLiteral("?"), QStringLiteral("?"), QStringLiteral("?"), QStringLiteral("?")};
        for (int slot = 1; slot <= records.size(); ++slot) {
            columns << AnswerRecords::SlotField(slot);
            values << records[slot - 1];
            marks << QStringLiteral("?");
        }
        env.Insert(QStringLiteral("INSERT INTO Results (%1) VALUES (%2)").arg(columns.join(u','), marks.join(u',')),
                   values);
    }
    frmAnswers& Review(const QString& testName = QStringLiteral("Fractions"))
    {
        SignIn(env, student);
        frmMain& home = Home();
        if (!ClickRow(home, testName))
            throw std::runtime_error("no row");
        QTest::mouseClick(home.cmdReview, Qt::LeftButton);
        if (!Screens::IsLoaded<frmAnswers>())
            throw std::runtime_error("the review did not open");
        return Screens::Get<frmAnswers>();
    }
};

QColor NumberColour(const frmAnswers& review, int slot)
{
    return TextColour(*review.lblQuestionNumber[static_cast<std::size_t>(slot - 1)]);
}

int SelectedIndex(const frmAnswers& review)
{
    return ChosenLine(review.optAnswer) - 1;
}

}

void TestReview::recordShownByPosition_data()
{
    QTest::addColumn<QVariant>("record");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("rightLines");  // the lines in dark green, e.g. "2"
    QTest::addColumn<int>("selected");
    QTest::addColumn<bool>("green");

    const QStringList shuffled{QStringLiteral("P1b"), QStringLiteral("A1"), QStringLiteral("P1a")};
    const QStringList plain{QStringLiteral("A1"), QStringLiteral("P1a"), QStringLiteral("P1b")};
    const QStringList empty{QString(), QString(), QString()};
    QTest::newRow("right on line 2, chosen") << QVariant(QStringLiteral("3122C")) << shuffled << "2" << 1 << true;
    QTest::newRow("right on line 2, line 3 chosen") << QVariant(QStringLiteral("3123X")) << shuffled << "2" << 2 << false;
    QTest::newRow("unanswered") << QVariant() << plain << "1" << -1 << false;
    QTest::newRow("empty text") << QVariant(QString()) << plain << "1" << -1 << false;
    QTest::newRow("lower-case c") << QVariant(QStringLiteral("3122c")) << shuffled << "2" << 1 << false;
    QTest::newRow("one character") << QVariant(QStringLiteral("9")) << empty << "" << -1 << false;
    QTest::newRow("two digits") << QVariant(QStringLiteral("12"))
                                << QStringList{QStringLiteral("A1"), QStringLiteral("P1a"), QString()} << "1" << -1
                                << false;
    QTest::newRow("no choice") << QVariant(QStringLiteral("312")) << shuffled << "2" << -1 << false;
    QTest::newRow("letters") << QVariant(QStringLiteral("abcdefg")) << empty << "" << -1 << false;
    QTest::newRow("letter among digits") << QVariant(QStringLiteral("31x2C"))
                                         << QStringList{QStringLiteral("P1b"), QStringLiteral("A1"), QString()} << "2"
                                         << 1 << true;
    QTest::newRow("choice beyond line 3") << QVariant(QStringLiteral("3127C")) << shuffled << "2" << -1 << true;
    QTest::newRow("choice 0") << QVariant(QStringLiteral("3120X")) << shuffled << "2" << -1 << false;
    QTest::newRow("right answer on every line") << QVariant(QStringLiteral("1111C"))
                                                << QStringList{QStringLiteral("A1"), QStringLiteral("A1"),
                                                               QStringLiteral("A1")}
                                                << "123" << 0 << true;
    QTest::newRow("too long") << QVariant(QStringLiteral("3122CX")) << shuffled << "2" << 1 << false;
    QTest::newRow("other digits") << QVariant(QStringLiteral("\u0663\u0661\u0662\u0662C")) << empty << "" << -1 << true;
}

void TestReview::recordShownByPosition()
{
    QFETCH(QVariant, record);
    QFETCH(QStringList, lines);
    QFETCH(QString, rightLines);
    QFETCH(int, selected);
    QFETCH(bool, green);
    Desk desk;
    desk.AddResult({record, QStringLiteral("1231C")});
    frmAnswers& review = desk.Review();

    QVERIFY(review.isVisible());
    QVERIFY(!Screens::Get<frmMain>().isVisible());
    QCOMPARE(review.windowTitle(), QStringLiteral("Results of: Fractions"));
    QCOMPARE(review.QuestionNumber->text(), QStringLiteral("Question 1"));
    QCOMPARE(review.lblQuestion->text(), QStringLiteral("Q1"));
    const std::array<QLabel*, 3> shown{review.lblAnswer1, review.lblAnswer2, review.lblAnswer3};
    for (int k = 0; k < 3; ++k) {
        QCOMPARE(shown[static_cast<std::size_t>(k)]->text(), lines[k]);
        const bool right = rightLines.contains(QString::number(k + 1));
        QCOMPARE(TextColour(*shown[static_cast<std::size_t>(k)]),
                 right ? SlotColours::RightLine() : SlotColours::OtherLine());
    }
    QCOMPARE(SelectedIndex(review), selected);
    QCOMPARE(NumberColour(review, 1), green ? SlotColours::Right() : SlotColours::Missed());
    QCOMPARE(NumberColour(review, 2), SlotColours::Right());
    QCOMPARE(NumberColour(review, 3), SlotColours::Missed());
    QVERIFY(desk.env.fake.shown.empty());
}

void TestReview::takeApartNeverFails()
{
    std::mt19937 generator(11);
    const QString alphabet = QStringLiteral("0123456789CcXx -+.\u0663\u00e9");
    std::uniform_int_distribution<int> length(0, 9);
    std::uniform_int_distribution<int> pick(0, static_cast<int>(alphabet.size()) - 1);
    for (int i = 0; i < 5000; ++i) {
        QString record;
        for (int n = length(generator); n > 0; --n)
            record += alphabet[pick(generator)];
        const AnswerRecords::Parts parts = AnswerRecords::TakeApart(record);
        for (int k = 0; k < 3; ++k)
            QCOMPARE(parts.orderDigits[static_cast<std::size_t>(k)], record.mid(k, 1));
        const QChar choice = record.size() > 3 ? record[3] : QChar();
        const int expected = choice >= u'0' && choice <= u'9' ? choice.unicode() - u'0' - 1 : -1;
        QCOMPARE(parts.chosenIndex, expected);
        QCOMPARE(AnswerRecords::IsRight(record), record.endsWith(u'C'));
    }
}

void TestReview::allGreenOrAllRed()
{
    {
        Desk desk;
        QVariantList records;
        for (int slot = 1; slot <= 25; ++slot)
            records << QStringLiteral("2131C");
        desk.AddResult(records);
        frmAnswers& review = desk.Review();
        for (int slot = 1; slot <= 25; ++slot)
            QCOMPARE(NumberColour(review, slot), SlotColours::Right());
    }
    {
        Desk desk;
        desk.AddResult({});
        frmAnswers& review = desk.Review();
        for (int slot = 1; slot <= 25; ++slot)
            QCOMPARE(NumberColour(review, slot), SlotColours::Missed());
    }
}

void TestReview::movingBetweenSlots()
{
    Desk desk;
    desk.AddResult({QStringLiteral("1231C"), QStringLiteral("2133X")});
    frmAnswers& review = desk.Review();
    QTest::mouseClick(review.cmdPrev, Qt::LeftButton);
    QCOMPARE(review.QuestionNumber->text(), QStringLiteral("Question 1"));
    QCOMPARE(SelectedIndex(review), 0);

    QTest::mouseClick(review.cmdNext, Qt::LeftButton);
    QCOMPARE(review.QuestionNumber->text(), QStringLiteral("Question 2"));
    QCOMPARE(review.lblAnswer1->text(), QStringLiteral("P2a"));
    QCOMPARE(review.lblAnswer2->text(), QStringLiteral("A2"));
    QCOMPARE(TextColour(*review.lblAnswer1), SlotColours::OtherLine());
    QCOMPARE(TextColour(*review.lblAnswer2), SlotColours::RightLine());
    QCOMPARE(SelectedIndex(review), 2);
    // Read-only: the option buttons and answer texts cannot change the choice.
    QTest::mouseClick(review.optAnswer[1], Qt::LeftButton);
    QTest::mouseClick(review.lblAnswer1, Qt::LeftButton);
    QCOMPARE(SelectedIndex(review), 2);
    for (const QRadioButton* option : review.optAnswer)
        QVERIFY(!option->isEnabled());

    QTest::mouseClick(review.lblQuestionNumber[13], Qt::LeftButton);
    QCOMPARE(review.QuestionNumber->text(), QStringLiteral("Question 14"));
    QCOMPARE(review.lblQuestion->text(), QStringLiteral("Q14"));
    QCOMPARE(SelectedIndex(review), -1);
    QCOMPARE(TextColour(*review.lblAnswer1), SlotColours::RightLine());
    QCOMPARE(TextColour(*review.lblAnswer2), SlotColours::OtherLine());

    for (int step = 0; step < 15; ++step)
        QTest::mouseClick(review.cmdNext, Qt::LeftButton);
    QCOMPARE(review.QuestionNumber->text(), QStringLiteral("Question 25"));
    QCOMPARE(review.lblQuestion->text(), QStringLiteral("Q25"));
    QCOMPARE(NumberColour(review, 1), SlotColours::Right());  // moving never recolours
    QCOMPARE(NumberColour(review, 2), SlotColours::Missed());
    QCOMPARE(desk.env.Scalar(QStringLiteral("SELECT fldQ2 FROM Results")).toString(), QStringLiteral("2133X"));
}

// What the student saw and chose is what the review shows.
void TestReview::reviewOfAnAttemptJustTaken()
{
    Desk desk;
    SignIn(desk.env, desk.student);
    frmQuestions& screen = Take(desk.env, QStringLiteral("Fractions"));
    const QString firstOrder = ShownOrder(screen);
    ChooseRight(screen);
    QTest::mouseClick(screen.cmdNext, Qt::LeftButton);
    const QStringList secondLines{screen.lblAnswer1->text(), screen.lblAnswer2->text(), screen.lblAnswer3->text()};
    ChooseWrong(screen);
    const int secondChoice = ChosenLine(screen.optAnswer);
    QTest::mouseClick(screen.cmdDone, Qt::LeftButton);
    ProcessEvents();

    frmMain& home = Screens::Get<frmMain>();
    QVERIFY(ClickRow(home, QStringLiteral("Fractions")));
    QTest::mouseClick(home.cmdReview, Qt::LeftButton);
    frmAnswers& review = Screens::Get<frmAnswers>();
    QVERIFY(review.isVisible());
    QCOMPARE(NumberColour(review, 1), SlotColours::Right());
    QCOMPARE(NumberColour(review, 2), SlotColours::Missed());
    QCOMPARE(NumberColour(review, 3), SlotColours::Missed());
    QCOMPARE(SelectedIndex(review), static_cast<int>(firstOrder.indexOf(u'1')));
    QTest::mouseClick(review.cmdNext, Qt::LeftButton);
    QCOMPARE((QStringList{review.lblAnswer1->text(), review.lblAnswer2->text(), review.lblAnswer3->text()}),
             secondLines);
    QCOMPARE(SelectedIndex(review), secondChoice - 1);
}

void TestReview::returnsToItsOpener()
{
    Desk desk;
    desk.AddResult({QStringLiteral("1231C")});
    frmAnswers& review = desk.Review();
    QTest::mouseClick(review.cmdDone, Qt::LeftButton);
    ProcessEvents();
    QVERIFY(!Screens::IsLoaded<frmAnswers>());
    QVERIFY(Screens::Get<frmMain>().isVisible());

    // Opened for the administrator: closing by the frame returns there, once.
    Screens::Hide<frmMain>();
    blnReviewFromAdmin = true;
    Screens::Show<frmAnswers>();
    Screens::Get<frmAnswers>().close();
    ProcessEvents();
    QVERIFY(!blnReviewFromAdmin);
    QVERIFY(Screens::IsLoaded<frmTestResults>());
    QVERIFY(Screens::Get<frmTestResults>().isVisible());
    QVERIFY(!Screens::Get<frmMain>().isVisible());

    // The next review from the home screen returns home again.
    Screens::Hide<frmTestResults>();
    frmMain& home = Home();
    QVERIFY(ClickRow(home, QStringLiteral("Fractions")));
    QTest::mouseClick(home.cmdReview, Qt::LeftButton);
    QTest::mouseClick(Screens::Get<frmAnswers>().cmdDone, Qt::LeftButton);
    ProcessEvents();
    QVERIFY(home.isVisible());
    QVERIFY(!Screens::Get<frmTestResults>().isVisible());
}

void TestReview::reviewRefusesOtherRows()
{
    Desk desk;
    desk.AddResult({QStringLiteral("1231C")});
    SignIn(desk.env, desk.student);
    frmMain& home = Home();
    QTest::mouseClick(home.cmdReview, Qt::LeftButton);  // nothing selected
    QVERIFY(ClickRow(home, QStringLiteral("Decimals")));
    QTest::mouseClick(home.cmdReview, Qt::LeftButton);  // not taken
    QVERIFY(home.isVisible());
    QVERIFY(!Screens::IsLoaded<frmAnswers>());
    QVERIFY(desk.env.fake.shown.empty());
}

void TestReview::missingTestStillOpensTheReview()
{
    Desk desk;
    desk.AddResult({QStringLiteral("3122C")});
    SignIn(desk.env, desk.student);
    frmMain& home = Home();
    QVERIFY(ClickRow(home, QStringLiteral("Fractions")));
    desk.env.Exec(QStringLiteral("DELETE FROM Tests WHERE fldTestName = 'Fractions'"));
    QTest::mouseClick(home.cmdReview, Qt::LeftButton);
    frmAnswers& review = Screens::Get<frmAnswers>();
    QVERIFY(review.isVisible());
    QVERIFY(!home.isVisible());
    QCOMPARE(review.windowTitle(), QString());  // the failing caption step is skipped
    QCOMPARE(review.lblQuestion->text(), QString());
    QCOMPARE(review.lblAnswer1->text(), QString());
    QCOMPARE(review.QuestionNumber->text(), QStringLiteral("Question 1"));
    QCOMPARE(NumberColour(review, 1), SlotColours::Missed());
    QVERIFY(desk.env.fake.shown.empty());
    QVERIFY(!desk.env.fake.ended);
}

QTEST_MAIN(TestReview)
#include "test_review.moc"
