// The student's work without a screen: one sequence of calls, and the values
// it must give, on whatever engine the run gives (the database file, the
// server as its owner, a lab workstation through the server's functions).
// An engine whose answers drift from the others fails here.
#include "TestEnv.h"
#include "app/Module1.h"
#include "work/StudentWork.h"

#include <QtTest>
#include <algorithm>

using namespace Module1;

namespace {

QString Blanks(int count) { return QString(count, u' '); }

QStringList Texts(const ResultRows& rows)
{
    QStringList texts;
    for (const ResultRow& row : rows)
        texts << row.text;
    return texts;
}

// The order digits of a slot as shown: which answer stands on each line
// ("1" the right one, "2" and "3" the phonies).
QString OrderOf(const StudentWork::Shown& shown, int slot)
{
    QString order;
    for (const QString& answer : shown.answers)
        order += QString::number(QStringList{QStringLiteral("A%1").arg(slot), QStringLiteral("P%1a").arg(slot),
                                             QStringLiteral("P%1b").arg(slot)}
                                     .indexOf(answer) + 1);
    return order;
}

// The line an answer stands on, 1 to 3.
int LineOf(const StudentWork::Shown& shown, const QString& answer)
{
    return static_cast<int>(std::find(shown.answers.begin(), shown.answers.end(), answer) - shown.answers.begin()) + 1;
}

}

class TestWork : public QObject {
    Q_OBJECT

private slots:
    // Ann signs in, sees her list, takes Algebra (slot 1 right, slot 2
    // wrong, slot 2 shown again as stored), finishes it and reviews it; Bob
    // leaves an attempt unfinished, which can be continued but not reviewed.
    void oneSequenceOnEveryEngine()
    {
        TestEnv env;
        const qint64 ann = env.AddStudent(QStringLiteral("Ann"), QStringLiteral("a"));
        env.AddStudent(QStringLiteral("Bob"), QStringLiteral("b"));
        const qint64 algebra = env.AddTest(QStringLiteral("Algebra"), 30, QStringLiteral("Sums"));
        const qint64 geometry = env.AddTest(QStringLiteral("Geometry"), 5);
        const qint64 longTest = env.AddTest(QStringLiteral("Long"), 32768);
        env.AddTest(QStringLiteral("<Draft"));
        env.Exec(QStringLiteral("INSERT INTO Results (fldStudentNumber, fldTestNumber, fldGrade, fldDate) "
                                "VALUES (?, ?, 88, 'then')"),
                 {ann, geometry});
        cnDatabase.OpenProgramDatabase(env.fake.programFolder);
        StudentWork& work = Student();
        work.ReadAtStart();

        QVERIFY(!work.SignIn(QStringLiteral("Ann"), QStringLiteral("b")));
        QVERIFY(!work.SignIn(QStringLiteral("ann"), QStringLiteral("a")));
        QVERIFY(work.SignIn(QStringLiteral("Ann"), QStringLiteral("a")));
        QCOMPARE(work.StudentName(), QStringLiteral("Ann"));
        const ResultRows rows = work.List();
        QCOMPARE(Texts(rows), (QStringList{"Algebra" + Blanks(34) + "Not Taken",
                                           "Geometry" + Blanks(33) + "88" + Blanks(12) + "then",
                                           "Long" + Blanks(37) + "Not Taken"}));
        QCOMPARE(rows[0].testNumber, algebra);
        QCOMPARE(rows[1].testNumber, geometry);
        QCOMPARE(work.CanTake(algebra), Refusal::None);
        QCOMPARE(work.CanTake(geometry), Refusal::Finished);
        QCOMPARE(work.CanTake(longTest), Refusal::BadLength);
        QCOMPARE(work.CanTake(algebra + 1000), Refusal::TestGone);

        work.OpenTest(algebra);
        QVERIFY(!work.OpenAttempt());
        const StudentWork::Intro intro = work.TestIntro();
        QCOMPARE(intro.testName + '|' + intro.description + '|' + intro.minutes, QStringLiteral("Algebra|Sums|30"));
        QCOMPARE(work.TestMinutes(), std::int16_t{30});
        const qint64 left = work.SecondsLeft();
        QVERIFY2(left > 1790 && left <= 1800, qPrintable(QString::number(left)));
        const StudentWork::Shown first = work.Slot(1);
        QCOMPARE(first.question + '|' + QString::number(first.chosenIndex), QStringLiteral("Q1|-1"));
        const QString firstOrder = OrderOf(first, 1);
        QString digits = firstOrder;
        std::sort(digits.begin(), digits.end());
        QCOMPARE(digits, QStringLiteral("123"));
        const int rightLine = LineOf(first, QStringLiteral("A1"));
        work.Store(1, rightLine);
        const StudentWork::Shown second = work.Slot(2);
        const QString secondOrder = OrderOf(second, 2);
        const int wrongLine = LineOf(second, QStringLiteral("P2a"));
        work.Store(2, wrongLine);
        QVERIFY(work.Answered(1) && work.Answered(2) && !work.Answered(3));
        const StudentWork::Shown again = work.Slot(2);
        QCOMPARE(OrderOf(again, 2) + QString::number(again.chosenIndex), secondOrder + QString::number(wrongLine - 1));
        work.Finish();
        work.CloseAttempt();

        const QString firstRecord = firstOrder + QString::number(rightLine) + u'C';
        const QString secondRecord = secondOrder + QString::number(wrongLine) + u'X';
        QCOMPARE(env.Rows(QStringLiteral("SELECT fldQ1, fldQ2, fldQ3, fldGrade, fldDate FROM Results "
                                         "WHERE fldStudentNumber = ? AND fldTestNumber = ?"),
                          {ann, algebra}),
                 QStringList{firstRecord + '|' + secondRecord + "|NULL|4|" + env.fake.today});
        QCOMPARE(Texts(work.List())[0], "Algebra" + Blanks(34) + "4" + Blanks(13) + env.fake.today);
        QCOMPARE(work.CanTake(algebra), Refusal::Finished);

        QCOMPARE(work.ReadyReview(algebra), Refusal::None);
        const ReviewTexts& review = work.Review();
        QStringList seen;
        for (const char* field : {"fldTestName", "fldQ2", "fldQ2Answer", "fldQ2Phony1", "fldQ2Phony2", "fldQ3"})
            seen << review.TestText(QLatin1String(field));
        for (const char* field : {"fldQ1", "fldQ2", "fldQ3"})
            seen << review.ResultText(QLatin1String(field));
        QCOMPARE(seen, (QStringList{"Algebra", "Q2", "A2", "P2a", "P2b", "Q3", firstRecord, secondRecord, ""}));
        QCOMPARE(work.ReadyReview(algebra + 1000), Refusal::TestGone);

        work.SignOut();
        QVERIFY(work.SignIn(QStringLiteral("Bob"), QStringLiteral("b")));
        work.OpenTest(algebra);
        QVERIFY(!work.OpenAttempt());
        work.SecondsLeft();
        work.Store(3, LineOf(work.Slot(3), QStringLiteral("A3")));
        work.CloseAttempt();
        QCOMPARE(Texts(work.List())[0], "Algebra" + Blanks(34) + "Unfinished");
        QCOMPARE(work.ReadyReview(algebra), Refusal::NotFinished);
        QCOMPARE(work.CanTake(algebra), Refusal::None);
        work.OpenTest(algebra);
        QVERIFY(work.OpenAttempt());
        QVERIFY(work.SecondsLeft() <= 1800);
        QVERIFY(work.Answered(3) && !work.Answered(1));
        QCOMPARE(work.Slot(3).chosenIndex + 1, LineOf(work.Slot(3), QStringLiteral("A3")));
        work.CloseAttempt();
        work.SignOut();
    }
};

QTEST_GUILESS_MAIN(TestWork)
#include "test_work.moc"
