// The administration screen (student accounts and the test catalogue) and
// the administrator's results screen, driven through their real widgets.
#include "TestEnv.h"
#include "UserActions.h"
#include "app/ListRows.h"
#include "app/Module1.h"
#include "screens/Screens.h"
#include "screens/frmAdmin.h"
#include "screens/frmAnswers.h"
#include "screens/frmEntry.h"
#include "screens/frmTestResults.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QtTest>

using namespace Module1;

class TestAdmin : public QObject {
    Q_OBJECT

private slots:
    void firstAccountInEmptyTable();
    void editKeepsNumberAndClearMakesNewAccount();
    void oddNamesAndNumbersListedExactly();
    void validationMessagesAndFocus();
    void enterKeys();
    void deleteStudentRemovesExactlyTheirResults();
    void deleteWithoutPickedStudentDoesNothing();
    void viewNeedsSelectedStudent();
    void catalogueListsEveryTestAsStored();
    void deleteTestRemovesExactlyItsResults();
    void deleteTestRightAfterDeletingStudent();
    void sameNameTestsToldApart();
    void exitAndFrameReturnToSignIn();
    void resultsScreenCaptionAndList();
    void resultsViewOpensReview();
    void resultsDeleteYesNoAndVanishedRow();
    void resultsNotTakenRowsIgnored();
    void resultsExitAndFrameReturnToAdmin();
    void resultsPrint();
};

namespace {

frmAdmin& ActiveAdmin()
{
    frmAdmin& admin = SignInAdmin();
    admin.activateWindow();
    if (!QTest::qWaitForWindowActive(&admin))
        qWarning("administration window not active; focus checks may fail");
    return admin;
}

qint64 AddResult(TestEnv& env, qint64 student, qint64 test, int grade = 84)
{
    return env.Insert(QStringLiteral("INSERT INTO Results (fldStudentNumber, fldTestNumber, fldGrade, fldDate) "
                                     "VALUES (?, ?, ?, '05/01/2026')"),
                      {student, test, grade});
}

qint64 Count(TestEnv& env, const QString& sql, const QVariantList& values = {})
{
    return env.Scalar(sql, values).toLongLong();
}

}

void TestAdmin::firstAccountInEmptyTable()
{
    TestEnv env;
    frmAdmin& admin = SignInAdmin();
    QCOMPARE(admin.windowTitle(), QStringLiteral("Vornick Test Taker - Administrative Functions"));
    QCOMPARE(admin.lstStudents->count(), 0);
    QCOMPARE(admin.lstTests->count(), 0);
    QVERIFY(!admin.txtStudentNumber->isVisible());
    QCOMPARE(admin.txtPassword->echoMode(), QLineEdit::Password);
    QCOMPARE(admin.txtPassword->style()->styleHint(QStyle::SH_LineEdit_PasswordCharacter, nullptr, admin.txtPassword),
             int(u'*'));
    QCOMPARE(admin.Label1[0]->text(), QStringLiteral("Students:"));
    QCOMPARE(admin.Label1[1]->buddy(), admin.txtName);
    QCOMPARE(admin.Label1[2]->buddy(), admin.txtPassword);

    TypeInto(admin.txtName, QStringLiteral("Ann"));
    TypeInto(admin.txtPassword, QStringLiteral("pw"));
    Click(admin.cmdAddStudent);

    QCOMPARE(Count(env, QStringLiteral("SELECT COUNT(*) FROM Passwords")), 1);
    const qint64 number = Count(env, QStringLiteral("SELECT fldStudentNumber FROM Passwords"));
    QCOMPARE(admin.lstStudents->count(), 1);
    QCOMPARE(admin.lstStudents->item(0)->text(), QStringLiteral("Ann") + QString(80, u' ') + QString::number(number));
    QVERIFY(admin.txtName->text().isEmpty());
    QVERIFY(admin.txtPassword->text().isEmpty());
    QVERIFY(admin.txtStudentNumber->text().isEmpty());
    QVERIFY(env.fake.shown.empty());
}

void TestAdmin::editKeepsNumberAndClearMakesNewAccount()
{
    TestEnv env;
    env.AddStudent(QStringLiteral("Ann"), QStringLiteral("one"));
    const qint64 bob = env.AddStudent(QStringLiteral("Bob"), QStringLiteral("two"));
    frmAdmin& admin = ActiveAdmin();

    // Tabbing into the list makes its first row current but picks nothing;
    // a click on that row then picks it.
    admin.lstStudents->setFocus(Qt::TabFocusReason);
    QVERIFY(admin.txtName->text().isEmpty());
    PickRow(admin.lstStudents, 0);
    QCOMPARE(admin.txtName->text(), QStringLiteral("Ann"));
    // Moving the selection by keyboard picks the student as a click does.
    QTest::keyClick(admin.lstStudents, Qt::Key_Down);
    QCOMPARE(admin.txtName->text(), QStringLiteral("Bob"));
    QCOMPARE(admin.txtPassword->text(), QStringLiteral("two"));
    QCOMPARE(admin.txtStudentNumber->text(), QString::number(bob));

    // Another screen moving the recordset does not misdirect the save.
    rsPasswords.MoveFirst();
    TypeInto(admin.txtPassword, QStringLiteral("changed"));
    Click(admin.cmdAddStudent);
    QCOMPARE(Count(env, QStringLiteral("SELECT COUNT(*) FROM Passwords")), 2);
    QCOMPARE(env.Scalar(QStringLiteral("SELECT fldPassword FROM Passwords WHERE fldStudentNumber = ?"), {bob}).toString(),
             QStringLiteral("changed"));
    QCOMPARE(env.Scalar(QStringLiteral("SELECT fldPassword FROM Passwords WHERE fldStudentName = 'Ann'")).toString(),
             QStringLiteral("one"));

    // Picked, then cleared, then saved under the same name: a new account.
    PickRow(admin.lstStudents, 1);
    Click(admin.cmdNew);
    QVERIFY(admin.txtName->text().isEmpty() && admin.txtStudentNumber->text().isEmpty());
    TypeInto(admin.txtName, QStringLiteral("Bob"));
    TypeInto(admin.txtPassword, QStringLiteral("three"));
    Click(admin.cmdAddStudent);
    QCOMPARE(Count(env, QStringLiteral("SELECT COUNT(*) FROM Passwords WHERE fldStudentName = 'Bob'")), 2);
    QCOMPARE(admin.lstStudents->count(), 3);
    QVERIFY(env.fake.shown.empty());
}

void TestAdmin::oddNamesAndNumbersListedExactly()
{
    TestEnv env;
    // A name ending in digits, and a number of ten digits.
    env.Insert(QStringLiteral("INSERT INTO Passwords (fldStudentNumber, fldStudentName, fldPassword) "
                              "VALUES (1234567890, 'Room 2024', 'x')"));
    frmAdmin& admin = SignInAdmin();
    const QStringList names{QStringLiteral("  "), QStringLiteral("O'Brien \"Jo\""), QStringLiteral("Ζωή Νικολάου"),
                            QString(300, u'w')};
    for (const QString& name : names) {
        TypeInto(admin.txtName, name);
        TypeInto(admin.txtPassword, QStringLiteral(" p'w "));
        Click(admin.cmdAddStudent);
    }
    QVERIFY(env.fake.shown.empty());
    QCOMPARE(admin.lstStudents->count(), 5);
    for (int i = 0; i < names.size(); ++i) {
        const QString row = admin.lstStudents->item(i + 1)->text();
        QVERIFY(row.startsWith(names[i] + QString(80, u' ')));
        PickRow(admin.lstStudents, i + 1);
        QCOMPARE(admin.txtName->text(), names[i]);
        QCOMPARE(admin.txtPassword->text(), QStringLiteral(" p'w "));
    }

    PickRow(admin.lstStudents, 0);
    QCOMPARE(admin.txtStudentNumber->text(), QStringLiteral("1234567890"));
    TypeInto(admin.txtName, QStringLiteral("Room 2025"));
    Click(admin.cmdAddStudent);
    QCOMPARE(env.Scalar(QStringLiteral("SELECT fldStudentName FROM Passwords WHERE fldStudentNumber = 1234567890"))
                 .toString(),
             QStringLiteral("Room 2025"));
    QCOMPARE(Count(env, QStringLiteral("SELECT COUNT(*) FROM Passwords")), 5);
}

void TestAdmin::validationMessagesAndFocus()
{
    TestEnv env;
    frmAdmin& admin = ActiveAdmin();

    TypeInto(admin.txtPassword, QStringLiteral("pw"));
    admin.cmdAddStudent->setFocus();
    Click(admin.cmdAddStudent);
    QCOMPARE(env.fake.shown.size(), std::size_t(1));
    QCOMPARE(env.fake.shown[0].text, QStringLiteral("You must enter a student name."));
    QCOMPARE(env.fake.shown[0].title, QStringLiteral("Error"));
    QVERIFY(env.fake.shown[0].buttons == MsgButtons::OK);
    QVERIFY(admin.txtName->hasFocus());

    TypeInto(admin.txtName, QStringLiteral("Ann"));
    admin.txtPassword->clear();
    admin.cmdAddStudent->setFocus();
    Click(admin.cmdAddStudent);
    QCOMPARE(env.fake.shown.size(), std::size_t(2));
    QCOMPARE(env.fake.shown[1].text, QStringLiteral("You must enter a password."));
    QCOMPARE(env.fake.shown[1].title, QStringLiteral("Error"));
    QVERIFY(admin.txtPassword->hasFocus());
    QCOMPARE(Count(env, QStringLiteral("SELECT COUNT(*) FROM Passwords")), 0);
    QCOMPARE(admin.txtName->text(), QStringLiteral("Ann"));
}

void TestAdmin::enterKeys()
{
    TestEnv env;
    frmAdmin& admin = ActiveAdmin();
    admin.txtName->setFocus();
    QTest::keyClicks(admin.txtName, QStringLiteral("Ann"));
    QTest::keyClick(admin.txtName, Qt::Key_Return);
    QVERIFY(admin.txtPassword->hasFocus());

    // Enter on an empty password: the message, then the focus back on the name.
    QTest::keyClick(admin.txtPassword, Qt::Key_Return);
    QCOMPARE(env.fake.shown.size(), std::size_t(1));
    QCOMPARE(env.fake.shown[0].text, QStringLiteral("You must enter a password."));
    QVERIFY(admin.txtName->hasFocus());

    QTest::keyClicks(admin.txtPassword, QStringLiteral("pw"));
    QTest::keyClick(admin.txtPassword, Qt::Key_Return);
    QCOMPARE(Count(env, QStringLiteral("SELECT COUNT(*) FROM Passwords WHERE fldPassword = 'pw'")), 1);
    QVERIFY(admin.txtName->hasFocus());
    QCOMPARE(env.fake.shown.size(), std::size_t(1));
}

void TestAdmin::deleteStudentRemovesExactlyTheirResults()
{
    TestEnv env;
    const qint64 ann = env.AddStudent(QStringLiteral("Ann"), QStringLiteral("1"));
    const qint64 bob = env.AddStudent(QStringLiteral("Bob"), QStringLiteral("2"));
    const qint64 algebra = env.AddTest(QStringLiteral("Algebra"));
    const qint64 history = env.AddTest(QStringLiteral("History"));
    AddResult(env, ann, algebra);
    AddResult(env, ann, history);
    AddResult(env, bob, algebra);
    frmAdmin& admin = SignInAdmin();

    PickRow(admin.lstStudents, 0);
    env.fake.answers = {MsgAnswer::No};
    Click(admin.cmdDeleteStudent);
    QCOMPARE(env.fake.shown.size(), std::size_t(1));
    QCOMPARE(env.fake.shown.back().text, QStringLiteral("Are you sure you want to delete this student and all the test results?"));
    QCOMPARE(env.fake.shown.back().title, QStringLiteral("Delete The Current Student"));
    QVERIFY(env.fake.shown.back().buttons == MsgButtons::YesNo);
    QCOMPARE(Count(env, QStringLiteral("SELECT COUNT(*) FROM Passwords")), 2);
    QCOMPARE(Count(env, QStringLiteral("SELECT COUNT(*) FROM Results")), 3);
    QCOMPARE(admin.txtName->text(), QStringLiteral("Ann"));

    env.fake.answers = {MsgAnswer::Yes};
    Click(admin.cmdDeleteStudent);
    QCOMPARE(Count(env, QStringLiteral("SELECT COUNT(*) FROM Passwords WHERE fldStudentNumber = ?"), {ann}), 0);
    QCOMPARE(Count(env, QStringLiteral("SELECT COUNT(*) FROM Passwords")), 1);
    QCOMPARE(Count(env, QStringLiteral("SELECT COUNT(*) FROM Results WHERE fldStudentNumber = ?"), {ann}), 0);
    QCOMPARE(Count(env, QStringLiteral("SELECT COUNT(*) FROM Results WHERE fldStudentNumber = ?"), {bob}), 1);
    QCOMPARE(Count(env, QStringLiteral("SELECT COUNT(*) FROM Tests")), 2);
    QCOMPARE(admin.lstStudents->count(), 1);
    QVERIFY(admin.txtName->text().isEmpty() && admin.txtStudentNumber->text().isEmpty());

    // A student without results goes without any further message.
    PickRow(admin.lstStudents, 0);
    env.fake.answers = {MsgAnswer::Yes};
    const auto shownBefore = env.fake.shown.size();
    Click(admin.cmdDeleteStudent);
    QCOMPARE(env.fake.shown.size(), shownBefore + 1);
    QCOMPARE(Count(env, QStringLiteral("SELECT COUNT(*) FROM Passwords")), 0);
    QCOMPARE(Count(env, QStringLiteral("SELECT COUNT(*) FROM Results")), 0);
    QVERIFY(env.fake.unexpected.isEmpty());
}

void TestAdmin::deleteWithoutPickedStudentDoesNothing()
{
    TestEnv env;
    env.AddStudent(QStringLiteral("Ann"), QStringLiteral("1"));
    frmAdmin& admin = SignInAdmin();
    Click(admin.cmdDeleteStudent);  // empty name
    TypeInto(admin.txtName, QStringLiteral("Ann"));
    Click(admin.cmdDeleteStudent);  // a name typed, no student picked
    PickRow(admin.lstStudents, 0);
    Click(admin.cmdNew);
    TypeInto(admin.txtName, QStringLiteral("Ann"));
    Click(admin.cmdDeleteStudent);  // picked, then cleared
    QVERIFY(env.fake.shown.empty());
    QCOMPARE(Count(env, QStringLiteral("SELECT COUNT(*) FROM Passwords")), 1);
}

void TestAdmin::viewNeedsSelectedStudent()
{
    TestEnv env;
    env.AddStudent(QStringLiteral("Ann"), QStringLiteral("1"));
    frmAdmin& admin = SignInAdmin();
    Click(admin.cmdView);
    QCOMPARE(env.fake.shown.size(), std::size_t(1));
    QCOMPARE(env.fake.shown[0].text, QStringLiteral("Select a student first!"));
    QCOMPARE(env.fake.shown[0].title, QStringLiteral("Error"));
    QVERIFY(admin.isVisible());
    QVERIFY(!Screens::IsLoaded<frmTestResults>());
}

void TestAdmin::catalogueListsEveryTestAsStored()
{
    TestEnv env;
    const qint64 algebra = env.AddTest(QStringLiteral("Algebra"));
    const qint64 draft = env.AddTest(QStringLiteral("<Draft>"));
    frmAdmin& admin = SignInAdmin();
    QCOMPARE(admin.lstTests->count(), 2);
    QCOMPARE(admin.lstTests->item(0)->text(), QStringLiteral("Algebra") + QString(150, u' ') + QString::number(algebra));
    QCOMPARE(admin.lstTests->item(1)->text(), QStringLiteral("<Draft>") + QString(150, u' ') + QString::number(draft));
    QCOMPARE(admin.Label1[3]->text(), QStringLiteral("Tests:"));
    QCOMPARE(admin.Label1[4]->text(),
             QStringLiteral("Note: The brackets \"<>\" depict unfinished tests which are not available to students."));

    // Another screen narrowed rsTests to one test: the catalogue still sees all.
    rsTests.Close();
    rsTests.Open(Sql::TestByName(QStringLiteral("Algebra")), cnDatabase);
    admin.Fill_Test_List();
    QCOMPARE(admin.lstTests->count(), 2);
    rsTests.Close();
    rsTests.Open(Sql::TestByName(QStringLiteral("Algebra")), cnDatabase);
    PickRow(admin.lstTests, 1);
    env.fake.answers = {MsgAnswer::Yes};
    Click(admin.cmdDeleteTest);
    QCOMPARE(Count(env, QStringLiteral("SELECT COUNT(*) FROM Tests WHERE fldTestNumber = ?"), {draft}), 0);
    QCOMPARE(admin.lstTests->count(), 1);
}

void TestAdmin::deleteTestRemovesExactlyItsResults()
{
    TestEnv env;
    const qint64 ann = env.AddStudent(QStringLiteral("Ann"), QStringLiteral("1"));
    const qint64 bob = env.AddStudent(QStringLiteral("Bob"), QStringLiteral("2"));
    const qint64 algebra = env.AddTest(QStringLiteral("Algebra"));
    const qint64 history = env.AddTest(QStringLiteral("History"));
    AddResult(env, ann, algebra);
    AddResult(env, bob, algebra);
    AddResult(env, ann, history);
    frmAdmin& admin = SignInAdmin();

    Click(admin.cmdDeleteTest);  // nothing selected: nothing asked
    QVERIFY(env.fake.shown.empty());

    PickRow(admin.lstTests, 0);
    env.fake.answers = {MsgAnswer::No};
    Click(admin.cmdDeleteTest);
    QCOMPARE(env.fake.shown.size(), std::size_t(1));
    QCOMPARE(env.fake.shown.back().text,
             QStringLiteral("Are you sure you want to delete this test\r\n and all the corresponding student results?"));
    QCOMPARE(env.fake.shown.back().title, QStringLiteral("Delete The Selected Test"));
    QCOMPARE(Count(env, QStringLiteral("SELECT COUNT(*) FROM Tests")), 2);

    env.fake.answers = {MsgAnswer::Yes};
    Click(admin.cmdDeleteTest);
    QCOMPARE(Count(env, QStringLiteral("SELECT COUNT(*) FROM Tests WHERE fldTestNumber = ?"), {algebra}), 0);
    QCOMPARE(Count(env, QStringLiteral("SELECT COUNT(*) FROM Results WHERE fldTestNumber = ?"), {algebra}), 0);
    QCOMPARE(Count(env, QStringLiteral("SELECT COUNT(*) FROM Results WHERE fldTestNumber = ?"), {history}), 1);
    QCOMPARE(Count(env, QStringLiteral("SELECT COUNT(*) FROM Passwords")), 2);
    QCOMPARE(admin.lstTests->count(), 1);
    QVERIFY(Form::SelectedText(admin.lstTests).isEmpty());
    QVERIFY(rsResults.IsOpen());

    // A test nobody took: deleted, rsResults left closed.
    const qint64 geometry = env.AddTest(QStringLiteral("Geometry"));
    admin.Fill_Test_List();
    PickRow(admin.lstTests, RowOfNumber(admin.lstTests, geometry));
    env.fake.answers = {MsgAnswer::Yes};
    Click(admin.cmdDeleteTest);
    QCOMPARE(Count(env, QStringLiteral("SELECT COUNT(*) FROM Tests")), 1);
    QCOMPARE(Count(env, QStringLiteral("SELECT COUNT(*) FROM Results")), 1);
    QVERIFY(!rsResults.IsOpen());
}

void TestAdmin::deleteTestRightAfterDeletingStudent()
{
    TestEnv env;
    const qint64 ann = env.AddStudent(QStringLiteral("Ann"), QStringLiteral("1"));
    const qint64 bob = env.AddStudent(QStringLiteral("Bob"), QStringLiteral("2"));
    const qint64 algebra = env.AddTest(QStringLiteral("Algebra"));
    const qint64 history = env.AddTest(QStringLiteral("History"));
    AddResult(env, ann, algebra);
    AddResult(env, bob, algebra);
    AddResult(env, bob, history);
    frmAdmin& admin = SignInAdmin();

    PickRow(admin.lstStudents, 0);
    env.fake.answers = {MsgAnswer::Yes, MsgAnswer::Yes};
    Click(admin.cmdDeleteStudent);
    QVERIFY(rsResults.IsOpen());
    PickRow(admin.lstTests, 0);
    Click(admin.cmdDeleteTest);
    QCOMPARE(Count(env, QStringLiteral("SELECT COUNT(*) FROM Results")), 1);
    QCOMPARE(Count(env, QStringLiteral("SELECT fldTestNumber FROM Results")), history);
    QCOMPARE(Count(env, QStringLiteral("SELECT COUNT(*) FROM Tests")), 1);
    QVERIFY(env.fake.unexpected.isEmpty());
    QVERIFY(!env.fake.ended);
}

void TestAdmin::sameNameTestsToldApart()
{
    TestEnv env;
    const qint64 first = env.AddTest(QStringLiteral("Algebra"));
    const qint64 second = env.AddTest(QStringLiteral("Algebra"));
    const qint64 ann = env.AddStudent(QStringLiteral("Ann"), QStringLiteral("1"));
    AddResult(env, ann, first);
    AddResult(env, ann, second);
    frmAdmin& admin = SignInAdmin();
    PickRow(admin.lstTests, RowOfNumber(admin.lstTests, second));
    env.fake.answers = {MsgAnswer::Yes};
    Click(admin.cmdDeleteTest);
    QCOMPARE(Count(env, QStringLiteral("SELECT fldTestNumber FROM Tests")), first);
    QCOMPARE(Count(env, QStringLiteral("SELECT fldTestNumber FROM Results")), first);
}

void TestAdmin::exitAndFrameReturnToSignIn()
{
    TestEnv env;
    frmAdmin& admin = SignInAdmin();
    Click(admin.cmdExit);
    ProcessEvents();
    QVERIFY(!Screens::IsLoaded<frmAdmin>());
    QVERIFY(Screens::Get<frmEntry>().isVisible());

    Screens::Get<frmEntry>().Hide();
    SignInAdmin().close();
    ProcessEvents();
    QVERIFY(!Screens::IsLoaded<frmAdmin>());
    QVERIFY(Screens::Get<frmEntry>().isVisible());
}

namespace {

// Ann has taken Algebra (key tail) but not History; a bracketed draft is
// never listed. Returns the results screen opened from the catalogue.
struct ResultsWorld {
    qint64 ann = 0;
    qint64 algebra = 0;
    qint64 history = 0;
};

ResultsWorld SeedResults(TestEnv& env)
{
    ResultsWorld world;
    env.AddStudent(QStringLiteral("Bob"), QStringLiteral("2"));
    world.ann = env.AddStudent(QStringLiteral("Ann Lee 7"), QStringLiteral("1"));
    world.algebra = env.AddTest(QStringLiteral("Algebra"));
    world.history = env.AddTest(QStringLiteral("History"));
    const qint64 draft = env.AddTest(QStringLiteral("<Draft>"));
    AddResult(env, world.ann, world.algebra, 84);
    AddResult(env, world.ann, draft, 100);
    return world;
}

frmTestResults& OpenResultsOfRow(frmAdmin& admin, int row)
{
    PickRow(admin.lstStudents, row);
    Click(admin.cmdView);
    return Screens::Get<frmTestResults>();
}

}

void TestAdmin::resultsScreenCaptionAndList()
{
    TestEnv env;
    const ResultsWorld world = SeedResults(env);
    frmAdmin& admin = SignInAdmin();
    frmTestResults& results = OpenResultsOfRow(admin, 1);
    QVERIFY(!admin.isVisible());
    QVERIFY(results.isVisible());
    QCOMPARE(results.windowTitle(), QStringLiteral("Test Results For Ann Lee 7"));
    QCOMPARE(results.lstResults->count(), 2);
    const QString taken = QStringLiteral("Algebra") + QString(34, u' ') + QStringLiteral("84") + QString(12, u' ')
        + QStringLiteral("05/01/2026") + QString(20, u' ') + QStringLiteral("%1|%2").arg(world.ann).arg(world.algebra);
    QCOMPARE(results.lstResults->item(0)->text(), taken);
    QCOMPARE(results.lstResults->item(1)->text(), QStringLiteral("History") + QString(34, u' ') + QStringLiteral("Not Taken"));

    // Filled from every test even when rsTests was left narrowed.
    rsTests.Close();
    rsTests.Open(Sql::TestByName(QStringLiteral("History")), cnDatabase);
    results.Load_Test_Results();
    QCOMPARE(results.lstResults->count(), 2);
    QCOMPARE(results.cmdView->text(), QStringLiteral("&View Missed Questions"));
    QVERIFY(!results.lblPrinting->isVisible());
}

void TestAdmin::resultsViewOpensReview()
{
    TestEnv env;
    const ResultsWorld world = SeedResults(env);
    // A second test under the same name, also taken: the review must open
    // the row's own test, not the first of that name.
    const qint64 twin = env.AddTest(QStringLiteral("Algebra"));
    const qint64 twinResult = AddResult(env, world.ann, twin, 48);
    frmAdmin& admin = SignInAdmin();
    frmTestResults& results = OpenResultsOfRow(admin, 1);
    const int twinRow = 2;
    QVERIFY(results.lstResults->item(twinRow)->text().endsWith(QStringLiteral("|%1").arg(twin)));

    PickRow(results.lstResults, twinRow);
    Click(results.cmdView);
    QVERIFY(blnReviewFromAdmin);
    QVERIFY(!results.isVisible());
    QVERIFY(Screens::IsLoaded<frmTestResults>());
    QVERIFY(Screens::Get<frmAnswers>().isVisible());
    QCOMPARE(rsTests.Field(QStringLiteral("fldTestNumber")).toLongLong(), twin);
    QCOMPARE(rsResults.Field(QStringLiteral("fldResultNumber")).toLongLong(), twinResult);
    QCOMPARE(rsResults.Field(QStringLiteral("fldStudentNumber")).toLongLong(), world.ann);
    QVERIFY(env.fake.shown.empty());
}

void TestAdmin::resultsDeleteYesNoAndVanishedRow()
{
    TestEnv env;
    const ResultsWorld world = SeedResults(env);
    const qint64 bob = 1;
    AddResult(env, bob, world.algebra, 12);
    AddResult(env, world.ann, world.history, 60);
    frmAdmin& admin = SignInAdmin();
    frmTestResults& results = OpenResultsOfRow(admin, 1);

    PickRow(results.lstResults, 0);
    env.fake.answers = {MsgAnswer::No};
    Click(results.cmdDelete);
    QCOMPARE(env.fake.shown.size(), std::size_t(1));
    QCOMPARE(env.fake.shown.back().text, QStringLiteral("Are you sure you want to delete this test result?"));
    QCOMPARE(env.fake.shown.back().title, QStringLiteral("Delete The Test Result"));
    QVERIFY(env.fake.shown.back().buttons == MsgButtons::YesNo);
    QCOMPARE(Count(env, QStringLiteral("SELECT COUNT(*) FROM Results")), 4);

    env.fake.answers = {MsgAnswer::Yes};
    Click(results.cmdDelete);
    QCOMPARE(Count(env, QStringLiteral("SELECT COUNT(*) FROM Results WHERE fldStudentNumber = ? AND fldTestNumber = ?"),
                   {world.ann, world.algebra}),
             0);
    QCOMPARE(Count(env, QStringLiteral("SELECT COUNT(*) FROM Results")), 3);  // Bob's and the others stay
    QVERIFY(results.lstResults->item(0)->text().endsWith(QStringLiteral("Not Taken")));
    QVERIFY(!rsDeleteResult.IsOpen());

    // The History result vanishes behind the list's back: a quiet refill.
    env.Exec(QStringLiteral("DELETE FROM Results WHERE fldTestNumber = ?"), {world.history});
    PickRow(results.lstResults, 1);
    env.fake.answers = {MsgAnswer::Yes};
    const auto shownBefore = env.fake.shown.size();
    Click(results.cmdDelete);
    QCOMPARE(env.fake.shown.size(), shownBefore + 1);
    QVERIFY(results.lstResults->item(1)->text().endsWith(QStringLiteral("Not Taken")));
    QCOMPARE(Count(env, QStringLiteral("SELECT COUNT(*) FROM Results")), 2);
    QVERIFY(!env.fake.ended);
    QVERIFY(env.fake.unexpected.isEmpty());
}

void TestAdmin::resultsNotTakenRowsIgnored()
{
    TestEnv env;
    SeedResults(env);
    frmAdmin& admin = SignInAdmin();
    frmTestResults& results = OpenResultsOfRow(admin, 1);
    Click(results.cmdView);  // nothing selected
    Click(results.cmdDelete);
    PickRow(results.lstResults, 1);
    Click(results.cmdView);
    Click(results.cmdDelete);
    QVERIFY(env.fake.shown.empty());
    QVERIFY(!blnReviewFromAdmin);
    QVERIFY(results.isVisible());
    QCOMPARE(Count(env, QStringLiteral("SELECT COUNT(*) FROM Results")), 2);
}

void TestAdmin::resultsExitAndFrameReturnToAdmin()
{
    TestEnv env;
    SeedResults(env);
    frmAdmin& admin = SignInAdmin();
    frmTestResults& results = OpenResultsOfRow(admin, 1);
    Click(results.cmdExit);
    ProcessEvents();
    QVERIFY(!Screens::IsLoaded<frmTestResults>());
    QVERIFY(admin.isVisible());
    // The selection survives, and the next opening loads afresh for Bob.
    QCOMPARE(admin.lstStudents->currentRow(), 1);
    frmTestResults& bobs = OpenResultsOfRow(admin, 0);
    QCOMPARE(bobs.windowTitle(), QStringLiteral("Test Results For Bob"));
    bobs.close();
    ProcessEvents();
    QVERIFY(!Screens::IsLoaded<frmTestResults>());
    QVERIFY(admin.isVisible());
}

void TestAdmin::resultsPrint()
{
    TestEnv env;
    SeedResults(env);
    frmAdmin& admin = SignInAdmin();
    frmTestResults& results = OpenResultsOfRow(admin, 1);
    Click(results.cmdPrint);
    QCOMPARE(env.fake.printed.size(), std::size_t(1));
    QVERIFY(!results.lblPrinting->isVisible());
    QVERIFY(env.fake.shown.empty());
}

QTEST_MAIN(TestAdmin)
#include "test_admin.moc"
