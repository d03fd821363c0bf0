// The administration screen and the administrator's results screen, through their widgets.
#include "TestEnv.h"
#include "UserActions.h"
#include "app/Module1.h"
#include "screens/Screens.h"
#include "screens/frmAdmin.h"
#include "screens/frmAnswers.h"
#include "screens/frmTestResults.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

using namespace Module1;

class TestAdmin : public QObject {
    Q_OBJECT

private slots:
    void accountsAndDeletions();
    void resultsScreen();
};

namespace {

qint64 AddResult(TestEnv& env, qint64 student, qint64 test)
{
    return env.Insert(QStringLiteral("INSERT INTO Results (fldStudentNumber, fldTestNumber, fldGrade, fldDate) "
                                     "VALUES (?, ?, 84, '05/01/2026')"), {student, test});
}

qint64 Count(TestEnv& env, const QString& where, const QVariantList& values = {})
{
    return env.Scalar(QStringLiteral("SELECT COUNT(*) FROM ") + where, values).toLongLong();
}

// The last message box as "text|title|buttons".
QString LastBox(TestEnv& env)
{
    if (env.fake.shown.empty())
        return QStringLiteral("no box");
    const auto& box = env.fake.shown.back();
    return box.text + u'|' + box.title + (box.buttons == MsgButtons::YesNo ? QStringLiteral("|YesNo") : QStringLiteral("|OK"));
}

// Answered No, the box asks `box` and nothing changes; then Yes goes ahead.
void DeleteAfterNoThenYes(TestEnv& env, QPushButton* button, const QString& box)
{
    const auto counts = [&env] { return QList<qint64>{Count(env, "Passwords"), Count(env, "Tests"), Count(env, "Results")}; };
    const QList<qint64> before = counts();
    env.fake.answers = {MsgAnswer::No, MsgAnswer::Yes};
    Click(button);
    QCOMPARE(LastBox(env), box + QStringLiteral("|YesNo"));
    QCOMPARE(counts(), before);
    Click(button);
}

// Leaves rsTests holding one test only, as another screen may.
void NarrowTests(const QString& title)
{
    rsTests.Close();
    rsTests.Open(Sql::TestByName(title), cnDatabase);
}

}

void TestAdmin::accountsAndDeletions()
{
    TestEnv env;
    const qint64 ann = env.AddStudent(QStringLiteral("Ann"), QStringLiteral("one"));
    // A name ending in digits under a number of ten digits.
    const qint64 room = 1234567890;
    env.Exec(QStringLiteral("INSERT INTO Passwords VALUES (1234567890, 'Room 2024', 'two')"));
    const qint64 algebra = env.AddTest(QStringLiteral("Algebra"));
    const qint64 history = env.AddTest(QStringLiteral("History"));
    const qint64 twin = env.AddTest(QStringLiteral("Algebra"));
    for (const auto& [student, test] : {std::pair{ann, algebra}, {room, algebra}, {room, history}, {room, twin}})
        AddResult(env, student, test);
    frmAdmin& admin = SignInAdmin();
    admin.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&admin));
    Click(admin.cmdView);
    QCOMPARE(LastBox(env), QStringLiteral("Select a student first!|Error|OK"));
    QVERIFY(!Screens::IsLoaded<frmTestResults>());
    TypeInto(admin.txtPassword, QStringLiteral("pw"));
    admin.cmdAddStudent->setFocus();
    Click(admin.cmdAddStudent);
    QCOMPARE(LastBox(env), QStringLiteral("You must enter a student name.|Error|OK"));
    QVERIFY(admin.txtName->hasFocus());
    const QString name = QStringLiteral("O'Brien \"Ζωή\"");
    TypeInto(admin.txtName, name);
    admin.txtPassword->clear();
    admin.cmdAddStudent->setFocus();
    Click(admin.cmdAddStudent);
    QCOMPARE(LastBox(env), QStringLiteral("You must enter a password.|Error|OK"));
    QVERIFY(admin.txtPassword->hasFocus());
    // Enter on an empty password: the message, the focus back on the name.
    QTest::keyClick(admin.txtPassword, Qt::Key_Return);
    QCOMPARE(env.fake.shown.size(), std::size_t(4));
    QVERIFY(admin.txtName->hasFocus());
    QTest::keyClicks(admin.txtPassword, QStringLiteral(" p'w "));
    QTest::keyClick(admin.txtPassword, Qt::Key_Return);
    QCOMPARE(Count(env, QStringLiteral("Passwords WHERE fldStudentName = ? AND fldPassword = ' p''w '"), {name}), 1);

    PickRow(admin.lstStudents, RowOfNumber(admin.lstStudents, room));
    QCOMPARE(admin.txtPassword->text() + u'|' + admin.txtStudentNumber->text(), QStringLiteral("two|1234567890"));
    // Another screen moving the recordset does not misdirect the save.
    rsPasswords.MoveFirst();
    TypeInto(admin.txtName, QStringLiteral("Room 2025"));
    Click(admin.cmdAddStudent);
    // Picked, then cleared, then saved under the same name: a new account.
    PickRow(admin.lstStudents, RowOfNumber(admin.lstStudents, room));
    Click(admin.cmdNew);
    TypeInto(admin.txtName, QStringLiteral("Room 2025"));
    TypeInto(admin.txtPassword, QStringLiteral("three"));
    Click(admin.cmdAddStudent);
    QCOMPARE(Count(env, QStringLiteral("Passwords WHERE fldStudentNumber = ? AND fldStudentName = 'Room 2025'"), {room}), 1);
    QCOMPARE(Count(env, QStringLiteral("Passwords WHERE fldStudentName = 'Room 2025' AND fldPassword = 'three'")), 1);

    // Delete with a student picked then cleared, or no test picked: nothing.
    PickRow(admin.lstStudents, RowOfNumber(admin.lstStudents, room));
    Click(admin.cmdNew);
    TypeInto(admin.txtName, QStringLiteral("Ann"));
    Click(admin.cmdDeleteStudent);
    Click(admin.cmdDeleteTest);
    QCOMPARE(env.fake.shown.size(), std::size_t(4));
    QCOMPARE(Count(env, QStringLiteral("Passwords")) + Count(env, QStringLiteral("Tests")), 7);

    PickRow(admin.lstStudents, 0);
    DeleteAfterNoThenYes(env, admin.cmdDeleteStudent, QStringLiteral("Are you sure you want to delete this student "
                                                                      "and all the test results?|Delete The Current Student"));
    QCOMPARE(Count(env, QStringLiteral("Passwords WHERE fldStudentNumber = ?"), {ann}) + Count(env, QStringLiteral("Passwords")), 3);
    QCOMPARE(Count(env, QStringLiteral("Results WHERE fldStudentNumber = ?"), {ann}) + Count(env, QStringLiteral("Results")), 3);
    // The catalogue lists and finds from every test although another screen
    // narrowed rsTests, and tells same-name tests apart.
    NarrowTests(QStringLiteral("History"));
    admin.Fill_Test_List();  // else the twin below is not found
    NarrowTests(QStringLiteral("History"));
    PickRow(admin.lstTests, RowOfNumber(admin.lstTests, twin));
    DeleteAfterNoThenYes(env, admin.cmdDeleteTest, QStringLiteral("Are you sure you want to delete this test\r\n and all "
                                                                   "the corresponding student results?|Delete The Selected Test"));
    QCOMPARE(Count(env, QStringLiteral("Tests WHERE fldTestNumber = ?"), {twin}) + Count(env, QStringLiteral("Tests")), 2);
    QCOMPARE(Count(env, QStringLiteral("Results WHERE fldTestNumber = ?"), {twin}) + Count(env, QStringLiteral("Results")), 2);
}

void TestAdmin::resultsScreen()
{
    TestEnv env;
    // Of two same-title tests she took the second.
    const qint64 ann = env.AddStudent(QStringLiteral("Ann Lee 7"), QStringLiteral("1"));
    const qint64 algebra = env.AddTest(QStringLiteral("Algebra"));
    env.AddTest(QStringLiteral("History"));
    env.AddTest(QStringLiteral("Pilgrim's Progress"));
    const qint64 twin = env.AddTest(QStringLiteral("Pilgrim's Progress"));
    AddResult(env, ann, algebra);
    AddResult(env, ann, twin);
    frmAdmin& admin = SignInAdmin();
    PickRow(admin.lstStudents, 0);
    Click(admin.cmdView);
    frmTestResults& results = Screens::Get<frmTestResults>();
    // Filled from every test even when rsTests was left narrowed.
    NarrowTests(QStringLiteral("History"));
    results.Load_Test_Results();
    QCOMPARE(results.lstResults->count(), 4);
    const QString taken = QStringLiteral("Algebra") + QString(34, u' ') + QStringLiteral("84") + QString(12, u' ')
        + QStringLiteral("05/01/2026") + QString(20, u' ') + QStringLiteral("%1|%2").arg(ann).arg(algebra);
    QCOMPARE(results.lstResults->item(0)->text(), taken);

    // View and Delete ignore an empty selection and a test not taken.
    Click(results.cmdView);
    PickRow(results.lstResults, 1);
    Click(results.cmdView);
    Click(results.cmdDelete);
    QVERIFY(env.fake.shown.empty() && !blnReviewFromAdmin);

    PickRow(results.lstResults, 3);
    Click(results.cmdView);  // opens the row's own test, not the first of its title
    QVERIFY(blnReviewFromAdmin && !results.isVisible());
    QCOMPARE(rsTests.Field(QStringLiteral("fldTestNumber")).toLongLong(), twin);
    Click(Screens::Get<frmAnswers>().cmdDone);

    PickRow(results.lstResults, 0);
    DeleteAfterNoThenYes(env, results.cmdDelete,
                         QStringLiteral("Are you sure you want to delete this test result?|Delete The Test Result"));

    // A result that vanished behind the list's back: a quiet refill.
    env.Exec(QStringLiteral("DELETE FROM Results WHERE fldTestNumber = ?"), {twin});
    PickRow(results.lstResults, 3);
    env.fake.answers = {MsgAnswer::Yes};
    Click(results.cmdDelete);
    QCOMPARE(env.fake.shown.size(), std::size_t(3));
    QVERIFY(results.lstResults->item(0)->text().endsWith(QStringLiteral("Not Taken"))
            && results.lstResults->item(3)->text().endsWith(QStringLiteral("Not Taken")));
    QCOMPARE(Count(env, QStringLiteral("Results")), 0);  // the one picked, and the one gone before

    results.close();  // the frame's close box acts as Exit
    ProcessEvents();
    QVERIFY(!Screens::IsLoaded<frmTestResults>() && admin.isVisible());
}

QTEST_MAIN(TestAdmin)
#include "test_admin.moc"
