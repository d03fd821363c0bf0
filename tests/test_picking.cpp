// The student always gets the test on the row they picked: rows carry their
// test's number, and a test that is gone or cannot run is refused before
// anything is written.
#include "StudentDesk.h"
#include "TestEnv.h"
#include "UserActions.h"
#include "app/Module1.h"
#include "screens/Screens.h"
#include "screens/frmAnswers.h"
#include "screens/frmMain.h"
#include "screens/frmQuestions.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

using namespace Module1;

class TestPicking : public QObject {
    Q_OBJECT

private slots:
    void sameAndBlankEndedTitles();
    void goneTestsAreTold();
    void badStoredLengthIsRefused_data();
    void badStoredLengthIsRefused();
};

namespace {

qint64 ResultCount(TestEnv& env) { return env.Scalar(QStringLiteral("SELECT COUNT(*) FROM Results")).toLongLong(); }

}

// Twins and a title stored with blanks around it each start and review their
// own test; only the student's own row for the test is read to begin.
void TestPicking::sameAndBlankEndedTitles()
{
    TestEnv env;
    const qint64 ann = env.AddStudent(QStringLiteral("Ann"), QStringLiteral("1"));
    const qint64 other = env.AddStudent(QStringLiteral("Bo"), QStringLiteral("2"));
    const qint64 first = env.AddTest(QStringLiteral("Twin"));
    const qint64 second = env.AddTest(QStringLiteral("Twin"));
    const qint64 spaced = env.AddTest(QStringLiteral(" Spaced "));
    env.Exec(QStringLiteral("UPDATE Tests SET fldQ1 = 'second twin' WHERE fldTestNumber = ?"), {second});
    env.Exec(QStringLiteral("UPDATE Tests SET fldQ1 = 'spaced' WHERE fldTestNumber = ?"), {spaced});
    for (const qint64 test : {first, second, spaced})
        env.Exec(QStringLiteral("INSERT INTO Results (fldStudentNumber, fldTestNumber, fldGrade) VALUES (?, ?, 8)"), {other, test});
    SignIn(env, ann);
    frmMain& home = Home();
    QCOMPARE(Rows(home.lstResults), (QStringList{"Twin" + QString(37, u' ') + "Not Taken", "Twin" + QString(37, u' ') + "Not Taken",
                                                 " Spaced " + QString(33, u' ') + "Not Taken"}));
    for (const auto& [row, test, question] : {std::tuple{1, second, "second twin"}, {2, spaced, "spaced"}}) {
        PickRow(home.lstResults, row);
        frmQuestions& screen = TakePicked(env, home);
        QCOMPARE(rsResults.RecordCount(), 1);  // the attempt just begun: the other student's rows were not read
        QCOMPARE(screen.lblQuestion->text(), QString::fromLatin1(question));
        Choose(screen, 1);
        Click(screen.cmdDone);
        QCOMPARE(env.Scalar(QStringLiteral("SELECT fldTestNumber FROM Results WHERE fldStudentNumber = ?"
                                           " AND fldQ1 IS NOT NULL AND fldTestNumber = ?"), {ann, test}).toLongLong(), test);
    }
    QCOMPARE(ResultCount(env), 5);
    QVERIFY(home.lstResults->item(0)->text().endsWith(QStringLiteral("Not Taken")));
    PickRow(home.lstResults, 1);
    Click(home.cmdReview);
    QCOMPARE(rsTests.Field(QStringLiteral("fldTestNumber")).toLongLong(), second);
    QCOMPARE(rsResults.Field(QStringLiteral("fldStudentNumber")).toLongLong(), ann);
    QCOMPARE(Screens::Get<frmAnswers>().lblQuestion->text(), QStringLiteral("second twin"));
}

// A test deleted or unfinished since the list was filled: a plain message,
// the list refilled, nothing written; the student stays on the home screen.
void TestPicking::goneTestsAreTold()
{
    TestEnv env;
    const qint64 ann = env.AddStudent(QStringLiteral("Ann"), QStringLiteral("1"));
    const qint64 deleted = env.AddTest(QStringLiteral("Deleted"));
    const qint64 drafted = env.AddTest(QStringLiteral("Drafted"));
    const qint64 reviewed = env.AddTest(QStringLiteral("Reviewed"));
    env.Exec(QStringLiteral("INSERT INTO Results (fldStudentNumber, fldTestNumber, fldGrade) VALUES (?, ?, 8)"), {ann, reviewed});
    SignIn(env, ann);
    frmMain& home = Home();
    QCOMPARE(home.lstResults->count(), 3);
    const std::array<std::pair<QString, QPushButton*>, 3> changes{
        {{QStringLiteral("DELETE FROM Tests WHERE fldTestNumber = %1").arg(deleted), home.cmdTakeTest},
         {QStringLiteral("UPDATE Tests SET fldTestName = '<Drafted>' WHERE fldTestNumber = %1").arg(drafted), home.cmdTakeTest},
         {QStringLiteral("DELETE FROM Tests WHERE fldTestNumber = %1").arg(reviewed), home.cmdReview}}};
    for (const auto& [change, button] : changes) {
        env.Exec(change);
        const int before = home.lstResults->count();
        PickRow(home.lstResults, 0);
        Click(button);
        QCOMPARE(env.fake.shown.back().text, QStringLiteral("This test is no longer available."));
        QCOMPARE(home.lstResults->count(), before - 1);
        QVERIFY(home.isVisible() && !Screens::IsLoaded<frmQuestions>() && !Screens::IsLoaded<frmAnswers>());
    }
    QCOMPARE(env.fake.shown.size(), std::size_t(3));
    QCOMPARE(ResultCount(env), 1);

    // Finished on another workstation since the list was filled: nothing
    // opens, and the refilled list shows the grade.
    const qint64 elsewhere = env.AddTest(QStringLiteral("Elsewhere"));
    home.Load_Test_List();
    env.Exec(QStringLiteral("INSERT INTO Results (fldStudentNumber, fldTestNumber, fldGrade, fldDate) VALUES (?, ?, 60, '12/6/26')"),
             {ann, elsewhere});
    PickRow(home.lstResults, 0);
    Click(home.cmdTakeTest);
    QVERIFY(home.isVisible() && !Screens::IsLoaded<frmQuestions>());
    QCOMPARE(Rows(home.lstResults), QStringList{"Elsewhere" + QString(32, u' ') + "60" + QString(12, u' ') + "12/6/26"});
    QCOMPARE(ResultCount(env), 2);
}

void TestPicking::badStoredLengthIsRefused_data()
{
    QTest::addColumn<QVariant>("stored");
    QTest::newRow("text") << QVariant(QStringLiteral("thirty"));
    QTest::newRow("null") << QVariant(QMetaType(QMetaType::Int));
    QTest::newRow("negative") << QVariant(-5);
    QTest::newRow("too large") << QVariant(32768);
    QTest::newRow("fraction") << QVariant(12.5);
}

// The countdown never runs a length it cannot count, and never wraps around.
void TestPicking::badStoredLengthIsRefused()
{
    QFETCH(QVariant, stored);
    TestEnv env;
    if (env.OnServer() && stored.typeId() != QMetaType::Int)
        QSKIP("a server's whole-number column holds no text or fraction");
    const qint64 ann = env.AddStudent(QStringLiteral("Ann"), QStringLiteral("1"));
    const qint64 test = env.AddTest(QStringLiteral("Algebra"));
    env.Exec(QStringLiteral("UPDATE Tests SET fldTime = ? WHERE fldTestNumber = ?"), {stored, test});
    SignIn(env, ann);
    frmMain& home = Home();
    PickRow(home.lstResults, 0);
    Click(home.cmdTakeTest);
    QCOMPARE(env.fake.shown.size(), std::size_t(1));
    QCOMPARE(env.fake.shown[0].text, QStringLiteral("This test cannot be started: its length is not a whole number of "
                                                    "minutes from 0 to 32767.\nPlease tell your teacher."));
    QVERIFY(home.isVisible() && !Screens::IsLoaded<frmQuestions>() && !env.fake.ended);
    QCOMPARE(ResultCount(env), 0);
}

QTEST_MAIN(TestPicking)
#include "test_picking.moc"
