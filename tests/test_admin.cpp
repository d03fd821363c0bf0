// The administration screen (student accounts and the test catalogue) and
// the administrator's results screen, driven through their real widgets.
#include "TestEnv.h"
#include "UserActions.h"
#include "app/Module1.h"
#include "screens/Screens.h"
#include "screens/frmAdmin.h"
#include "screens/frmAnswers.h"
#include "screens/frmEntry.h"
#include "screens/frmTestResults.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

using namespace Module1;

class TestAdmin : public QObject {
    Q_OBJECT

private slots:
    void firstAccountValidationAndEnterKeys();
    void editKeepsNumberAndClearMakesNewAccount();
    void nothingPickedDoesNothing();
    void deletionsRemoveExactlyTheirResults();
    void resultsScreen();
};

namespace {

qint64 AddResult(TestEnv& env, qint64 student, qint64 test, int grade = 84)
{
    return env.Insert(QStringLiteral("INSERT INTO Results (fldStudentNumber, fldTestNumber, fldGrade, fldDate) "
                                     "VALUES (?, ?, ?, '05/01/2026')"),
                      {student, test, grade});
}

qint64 Count(TestEnv& env, const QString& where, const QVariantList& values = {})
{
    return env.Scalar(QStringLiteral("SELECT COUNT(*) FROM ") + where, values).toLongLong();
}

void ExpectLastBox(TestEnv& env, const QString& text, const QString& title, MsgButtons buttons)
{
    QVERIFY(!env.fake.shown.empty());
    QCOMPARE(env.fake.shown.back().text, text);
    QCOMPARE(env.fake.shown.back().title, title);
    QVERIFY(env.fake.shown.back().buttons == buttons);
}

// Leaves rsTests holding one test only, as another screen may.
void NarrowTests(const QString& title)
{
    rsTests.Close();
    rsTests.Open(Sql::TestByName(title), cnDatabase);
}

}

void TestAdmin::firstAccountValidationAndEnterKeys()
{
    TestEnv env;
    frmAdmin& admin = SignInAdmin();
    QCOMPARE(admin.windowTitle(), QStringLiteral("Vornick Test Taker - Administrative Functions"));
    admin.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&admin));
    TypeInto(admin.txtPassword, QStringLiteral("pw"));
    admin.cmdAddStudent->setFocus();
    Click(admin.cmdAddStudent);
    ExpectLastBox(env, QStringLiteral("You must enter a student name."), QStringLiteral("Error"), MsgButtons::OK);
    QVERIFY(admin.txtName->hasFocus());

    const QString name = QStringLiteral("O'Brien \"Ζωή\"");
    TypeInto(admin.txtName, name);
    admin.txtPassword->clear();
    admin.cmdAddStudent->setFocus();
    Click(admin.cmdAddStudent);
    ExpectLastBox(env, QStringLiteral("You must enter a password."), QStringLiteral("Error"), MsgButtons::OK);
    QVERIFY(admin.txtPassword->hasFocus());
    QCOMPARE(Count(env, QStringLiteral("Passwords")), 0);

    // Enter in the name moves on; Enter on an empty password gives the
    // message and puts the focus back on the name; with one it saves.
    admin.txtName->setFocus();
    QTest::keyClick(admin.txtName, Qt::Key_Return);
    QVERIFY(admin.txtPassword->hasFocus());
    QTest::keyClick(admin.txtPassword, Qt::Key_Return);
    QCOMPARE(env.fake.shown.size(), std::size_t(3));
    QCOMPARE(env.fake.shown.back().text, QStringLiteral("You must enter a password."));
    QVERIFY(admin.txtName->hasFocus());
    QTest::keyClicks(admin.txtPassword, QStringLiteral(" p'w "));
    QTest::keyClick(admin.txtPassword, Qt::Key_Return);
    QVERIFY(admin.txtName->hasFocus());
    QCOMPARE(env.fake.shown.size(), std::size_t(3));

    // The first account of an empty table, stored and listed exactly.
    QCOMPARE(Count(env, QStringLiteral("Passwords WHERE fldStudentName = ? AND fldPassword = ' p''w '"), {name}), 1);
    const qint64 number = env.Scalar(QStringLiteral("SELECT fldStudentNumber FROM Passwords")).toLongLong();
    QCOMPARE(admin.lstStudents->item(0)->text(), name + QString(80, u' ') + QString::number(number));
    QVERIFY(admin.txtName->text().isEmpty() && admin.txtPassword->text().isEmpty());
}

void TestAdmin::editKeepsNumberAndClearMakesNewAccount()
{
    TestEnv env;
    env.AddStudent(QStringLiteral("Ann"), QStringLiteral("one"));
    // A name ending in digits under a number of ten digits.
    env.Insert(QStringLiteral("INSERT INTO Passwords (fldStudentNumber, fldStudentName, fldPassword) "
                              "VALUES (1234567890, 'Room 2024', 'two')"));
    frmAdmin& admin = SignInAdmin();
    PickRow(admin.lstStudents, 0);
    QCOMPARE(admin.txtName->text(), QStringLiteral("Ann"));
    // Moving the selection by keyboard picks the student as a click does.
    QTest::keyClick(admin.lstStudents, Qt::Key_Down);
    QCOMPARE(admin.txtPassword->text(), QStringLiteral("two"));
    QCOMPARE(admin.txtStudentNumber->text(), QStringLiteral("1234567890"));

    // Another screen moving the recordset does not misdirect the save.
    rsPasswords.MoveFirst();
    TypeInto(admin.txtName, QStringLiteral("Room 2025"));
    Click(admin.cmdAddStudent);
    QCOMPARE(Count(env, QStringLiteral("Passwords")), 2);
    QCOMPARE(Count(env, QStringLiteral("Passwords WHERE fldStudentNumber = 1234567890 AND fldStudentName = 'Room 2025'")),
             1);

    // Picked, then cleared, then saved under the same name: a new account.
    PickRow(admin.lstStudents, 1);
    Click(admin.cmdNew);
    QVERIFY(admin.txtName->text().isEmpty() && admin.txtStudentNumber->text().isEmpty());
    TypeInto(admin.txtName, QStringLiteral("Room 2025"));
    TypeInto(admin.txtPassword, QStringLiteral("three"));
    Click(admin.cmdAddStudent);
    QCOMPARE(Count(env, QStringLiteral("Passwords WHERE fldStudentName = 'Room 2025'")), 2);
    QCOMPARE(admin.lstStudents->count(), 3);
    QVERIFY(env.fake.shown.empty());
}

void TestAdmin::nothingPickedDoesNothing()
{
    TestEnv env;
    env.AddStudent(QStringLiteral("Ann"), QStringLiteral("1"));
    env.AddTest(QStringLiteral("Algebra"));
    frmAdmin& admin = SignInAdmin();
    TypeInto(admin.txtName, QStringLiteral("Ann"));
    Click(admin.cmdDeleteStudent);  // a name typed, no student picked
    PickRow(admin.lstStudents, 0);
    Click(admin.cmdNew);
    TypeInto(admin.txtName, QStringLiteral("Ann"));
    Click(admin.cmdDeleteStudent);  // picked, then cleared
    Click(admin.cmdDeleteTest);     // no test selected
    QVERIFY(env.fake.shown.empty());
    QCOMPARE(Count(env, QStringLiteral("Passwords")), 1);
    QCOMPARE(Count(env, QStringLiteral("Tests")), 1);

    admin.lstStudents->clearSelection();
    Click(admin.cmdView);
    ExpectLastBox(env, QStringLiteral("Select a student first!"), QStringLiteral("Error"), MsgButtons::OK);
    QVERIFY(!Screens::IsLoaded<frmTestResults>());

    // The close box leads back to the sign-in screen, as Exit does.
    admin.close();
    ProcessEvents();
    QVERIFY(!Screens::IsLoaded<frmAdmin>());
    QVERIFY(Screens::Get<frmEntry>().isVisible());
}

void TestAdmin::deletionsRemoveExactlyTheirResults()
{
    TestEnv env;
    const qint64 ann = env.AddStudent(QStringLiteral("Ann"), QStringLiteral("1"));
    const qint64 bob = env.AddStudent(QStringLiteral("Bob"), QStringLiteral("2"));
    const qint64 algebra = env.AddTest(QStringLiteral("Algebra"));
    const qint64 history = env.AddTest(QStringLiteral("History"));
    const qint64 twin = env.AddTest(QStringLiteral("Algebra"));
    AddResult(env, ann, algebra);
    AddResult(env, bob, algebra);
    AddResult(env, bob, twin);
    AddResult(env, bob, history);
    frmAdmin& admin = SignInAdmin();

    PickRow(admin.lstStudents, 0);
    env.fake.answers = {MsgAnswer::No};
    Click(admin.cmdDeleteStudent);
    ExpectLastBox(env, QStringLiteral("Are you sure you want to delete this student and all the test results?"),
                  QStringLiteral("Delete The Current Student"), MsgButtons::YesNo);
    QCOMPARE(Count(env, QStringLiteral("Results")), 4);
    env.fake.answers = {MsgAnswer::Yes};
    Click(admin.cmdDeleteStudent);
    QCOMPARE(Count(env, QStringLiteral("Passwords")), 1);
    QCOMPARE(Count(env, QStringLiteral("Results")), 3);
    QCOMPARE(admin.lstStudents->count(), 1);
    QVERIFY(admin.txtName->text().isEmpty() && admin.txtStudentNumber->text().isEmpty());

    // Right after: the catalogue lists and finds from every test although
    // another screen narrowed rsTests, and tells same-name tests apart.
    NarrowTests(QStringLiteral("History"));
    admin.Fill_Test_List();
    QCOMPARE(admin.lstTests->count(), 3);
    NarrowTests(QStringLiteral("History"));
    PickRow(admin.lstTests, RowOfNumber(admin.lstTests, twin));
    env.fake.answers = {MsgAnswer::No};
    Click(admin.cmdDeleteTest);
    ExpectLastBox(env,
                  QStringLiteral("Are you sure you want to delete this test\r\n and all the corresponding student results?"),
                  QStringLiteral("Delete The Selected Test"), MsgButtons::YesNo);
    QCOMPARE(Count(env, QStringLiteral("Tests")), 3);
    env.fake.answers = {MsgAnswer::Yes};
    Click(admin.cmdDeleteTest);
    QCOMPARE(Count(env, QStringLiteral("Tests")), 2);
    QCOMPARE(Count(env, QStringLiteral("Results WHERE fldTestNumber IN (?, ?)"), {algebra, history}), 2);
    QCOMPARE(Count(env, QStringLiteral("Results")), 2);
    QCOMPARE(admin.lstTests->item(0)->text(), QStringLiteral("Algebra") + QString(150, u' ') + QString::number(algebra));
    QVERIFY(env.fake.unexpected.isEmpty());
    QVERIFY(!env.fake.ended);
}

void TestAdmin::resultsScreen()
{
    TestEnv env;
    // Ann took Algebra but not History; a bracketed draft she took is never
    // listed; of two tests sharing a title with an apostrophe she took the second.
    const qint64 bob = env.AddStudent(QStringLiteral("Bob"), QStringLiteral("2"));
    const qint64 ann = env.AddStudent(QStringLiteral("Ann Lee 7"), QStringLiteral("1"));
    const qint64 algebra = env.AddTest(QStringLiteral("Algebra"));
    env.AddTest(QStringLiteral("History"));
    AddResult(env, ann, env.AddTest(QStringLiteral("<Draft>")), 100);
    env.AddTest(QStringLiteral("Pilgrim's Progress"));
    const qint64 twin = env.AddTest(QStringLiteral("Pilgrim's Progress"));
    AddResult(env, ann, algebra, 84);
    AddResult(env, bob, algebra, 12);
    const qint64 twinResult = AddResult(env, ann, twin, 48);
    frmAdmin& admin = SignInAdmin();
    const auto openResultsOfRow = [&admin](int row) -> frmTestResults& {
        PickRow(admin.lstStudents, row);
        Click(admin.cmdView);
        return Screens::Get<frmTestResults>();
    };
    frmTestResults& results = openResultsOfRow(1);
    QVERIFY(!admin.isVisible());
    QCOMPARE(results.windowTitle(), QStringLiteral("Test Results For Ann Lee 7"));
    QCOMPARE(results.lstResults->count(), 4);
    const QString taken = QStringLiteral("Algebra") + QString(34, u' ') + QStringLiteral("84") + QString(12, u' ')
        + QStringLiteral("05/01/2026") + QString(20, u' ') + QStringLiteral("%1|%2").arg(ann).arg(algebra);
    QCOMPARE(results.lstResults->item(0)->text(), taken);
    QCOMPARE(results.lstResults->item(1)->text(), QStringLiteral("History") + QString(34, u' ') + QStringLiteral("Not Taken"));
    // Filled from every test even when rsTests was left narrowed.
    NarrowTests(QStringLiteral("History"));
    results.Load_Test_Results();
    QCOMPARE(results.lstResults->count(), 4);

    // View and Delete ignore an empty selection and a test not taken.
    Click(results.cmdView);
    PickRow(results.lstResults, 1);
    Click(results.cmdView);
    Click(results.cmdDelete);
    QVERIFY(env.fake.shown.empty());
    QVERIFY(!blnReviewFromAdmin);

    // The review opens the row's own test, not the first of its title.
    PickRow(results.lstResults, 3);
    Click(results.cmdView);
    QVERIFY(blnReviewFromAdmin);
    QVERIFY(!results.isVisible());
    QCOMPARE(rsTests.Field(QStringLiteral("fldTestNumber")).toLongLong(), twin);
    QCOMPARE(rsResults.Field(QStringLiteral("fldResultNumber")).toLongLong(), twinResult);
    Click(Screens::Get<frmAnswers>().cmdDone);
    ProcessEvents();
    QVERIFY(results.isVisible());

    PickRow(results.lstResults, 0);
    env.fake.answers = {MsgAnswer::No};
    Click(results.cmdDelete);
    ExpectLastBox(env, QStringLiteral("Are you sure you want to delete this test result?"),
                  QStringLiteral("Delete The Test Result"), MsgButtons::YesNo);
    QCOMPARE(Count(env, QStringLiteral("Results")), 4);
    env.fake.answers = {MsgAnswer::Yes};
    Click(results.cmdDelete);
    QCOMPARE(Count(env, QStringLiteral("Results WHERE fldStudentNumber = ? AND fldTestNumber = ?"), {ann, algebra}), 0);
    QCOMPARE(Count(env, QStringLiteral("Results")), 3);  // Bob's and Ann's others stay
    QVERIFY(results.lstResults->item(0)->text().endsWith(QStringLiteral("Not Taken")));

    // A result that vanished behind the list's back: a quiet refill.
    env.Exec(QStringLiteral("DELETE FROM Results WHERE fldTestNumber = ?"), {twin});
    PickRow(results.lstResults, 3);
    env.fake.answers = {MsgAnswer::Yes};
    Click(results.cmdDelete);
    QCOMPARE(env.fake.shown.size(), std::size_t(3));
    QVERIFY(results.lstResults->item(3)->text().endsWith(QStringLiteral("Not Taken")));
    QCOMPARE(Count(env, QStringLiteral("Results")), 2);

    // Exit returns to the administration screen; the next opening loads
    // afresh; the frame's close box acts as Exit.
    Click(results.cmdExit);
    ProcessEvents();
    QVERIFY(!Screens::IsLoaded<frmTestResults>());
    QVERIFY(admin.isVisible());
    frmTestResults& bobs = openResultsOfRow(0);
    QCOMPARE(bobs.windowTitle(), QStringLiteral("Test Results For Bob"));
    bobs.close();
    ProcessEvents();
    QVERIFY(!Screens::IsLoaded<frmTestResults>());
    QVERIFY(admin.isVisible());
    QVERIFY(env.fake.unexpected.isEmpty());
}

QTEST_MAIN(TestAdmin)
#include "test_admin.moc"