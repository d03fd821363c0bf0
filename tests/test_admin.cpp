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
    void accounts();
    void deletionsAreAllOrNothing();
    void resultsScreenWithLargeKeys();
};

namespace {

const qint64 Largest = 9223372036854775807;
const qint64 Big = 9223372036854775000;  // 19 digits, with room for keys after it

void AddResult(TestEnv& env, qint64 student, qint64 test)
{
    env.Exec(QStringLiteral("INSERT INTO Results (fldStudentNumber, fldTestNumber, fldGrade, fldDate) "
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

QString StudentRow(const QString& name, qint64 number) { return name + QString(80, u' ') + QString::number(number); }

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

// From now on the engine refuses to delete any result, with "results are kept".
void RefuseResultDeletes(TestEnv& env)
{
    if (!env.OnServer()) {
        env.Exec(QStringLiteral("CREATE TRIGGER KeepResults BEFORE DELETE ON Results "
                                "BEGIN SELECT RAISE(ABORT, 'results are kept'); END"));
        return;
    }
    env.Exec(QStringLiteral("CREATE FUNCTION keep_results() RETURNS trigger LANGUAGE plpgsql AS "
                            "$$ BEGIN RAISE EXCEPTION 'results are kept'; END $$"));
    env.Exec(QStringLiteral("CREATE TRIGGER keep_results BEFORE DELETE ON Results FOR EACH ROW EXECUTE FUNCTION keep_results()"));
}

}

// Validation, the list refilled after each store, and names that must be unique.
void TestAdmin::accounts()
{
    TestEnv env;
    const qint64 ann = env.AddStudent(QStringLiteral("Ann"), QStringLiteral("one"));
    env.Exec(QStringLiteral("INSERT INTO Passwords VALUES (?, 'Room 2024', 'two')"), {Big});
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
    QTest::keyClicks(admin.txtPassword, QStringLiteral(" p'w "));
    QTest::keyClick(admin.txtPassword, Qt::Key_Return);
    const qint64 obrien = env.Scalar(QStringLiteral("SELECT fldStudentNumber FROM Passwords WHERE fldStudentName = ? "
                                                    "AND fldPassword = ' p''w '"), {name}).toLongLong();
    QVERIFY(obrien > 0);
    QVERIFY(admin.txtName->text().isEmpty());
    QVERIFY(admin.txtName->hasFocus());
    QCOMPARE(Rows(admin.lstStudents), (QStringList{StudentRow("Ann", ann), StudentRow("Room 2024", Big), StudentRow(name, obrien)}));

    // A name another student has is refused, exactly as sign-in compares.
    const std::size_t boxes = env.fake.shown.size();
    TypeInto(admin.txtName, QStringLiteral("Ann"));
    TypeInto(admin.txtPassword, QStringLiteral("x"));
    Click(admin.cmdAddStudent);
    QCOMPARE(LastBox(env), QStringLiteral("Another student already has the name \"Ann\".\nPlease give this student a "
                                          "different name.|Error|OK"));
    QCOMPARE(Count(env, QStringLiteral("Passwords")), 3);
    TypeInto(admin.txtName, QStringLiteral("ann"));
    Click(admin.cmdAddStudent);
    QCOMPARE(Count(env, QStringLiteral("Passwords WHERE fldStudentName = 'ann'")), 1);
    QCOMPARE(admin.lstStudents->count(), 4);

    // The picked student keeps their own name under a new password, on
    // their own number however large, whatever another screen did to the
    // recordset; taking another's name is refused.
    PickRow(admin.lstStudents, RowOfNumber(admin.lstStudents, Big));
    QCOMPARE(admin.txtName->text() + u'|' + admin.txtPassword->text() + u'|' + admin.txtStudentNumber->text(),
             QStringLiteral("Room 2024|two|9223372036854775000"));
    rsPasswords.MoveFirst();
    TypeInto(admin.txtPassword, QStringLiteral("three"));
    Click(admin.cmdAddStudent);
    QCOMPARE(Count(env, QStringLiteral("Passwords WHERE fldStudentNumber = ? AND fldPassword = 'three'"), {Big}), 1);
    PickRow(admin.lstStudents, RowOfNumber(admin.lstStudents, Big));
    TypeInto(admin.txtName, QStringLiteral("Ann"));
    Click(admin.cmdAddStudent);
    QVERIFY(LastBox(env).startsWith(QStringLiteral("Another student already has the name \"Ann\".")));
    QCOMPARE(Count(env, QStringLiteral("Passwords WHERE fldStudentName = 'Room 2024'")), 1);
    QCOMPARE(env.fake.shown.size(), boxes + 2);

    // Accounts and tests added on another workstation show on F5 and when
    // the window is activated again; the picked row and the boxes stay.
    const qint64 zed = env.AddStudent(QStringLiteral("Zed"), QStringLiteral("z"));
    const qint64 quiz = env.AddTest(QStringLiteral("Quiz"));
    QTest::keyClick(&admin, Qt::Key_F5);
    QVERIFY(Rows(admin.lstStudents).contains(StudentRow("Zed", zed)));
    QCOMPARE(admin.lstTests->count(), 1);
    QCOMPARE(admin.lstTests->item(0)->data(Qt::UserRole).toLongLong(), quiz);
    QCOMPARE(Form::SelectedKey(admin.lstStudents).value_or(0), Big);
    QCOMPARE(admin.txtName->text(), QStringLiteral("Ann"));
    const qint64 yve = env.AddStudent(QStringLiteral("Yve"), QStringLiteral("y"));
    QWidget elsewhere;
    elsewhere.show();
    elsewhere.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&elsewhere));
    admin.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&admin));
    QVERIFY(Rows(admin.lstStudents).contains(StudentRow("Yve", yve)));
}

// A student goes with all their results; a test with all of its results;
// when the engine refuses a step, nothing goes and its message is shown.
void TestAdmin::deletionsAreAllOrNothing()
{
    TestEnv env;
    const qint64 ann = env.AddStudent(QStringLiteral("Ann"), QStringLiteral("one"));
    const qint64 bo = env.AddStudent(QStringLiteral("Bo"), QStringLiteral("two"));
    const qint64 algebra = env.AddTest(QStringLiteral("Algebra"));
    const qint64 history = env.AddTest(QStringLiteral("History"));
    const qint64 latin = env.AddTest(QStringLiteral("Latin"));
    for (const qint64 test : {algebra, history, latin})
        AddResult(env, ann, test);
    AddResult(env, bo, algebra);
    AddResult(env, bo, latin);
    AddResult(env, env.AddStudent(QStringLiteral("Cy"), QStringLiteral("three")), latin);
    frmAdmin& admin = SignInAdmin();

    // Nothing picked, or picked and then cleared: nothing is asked or deleted.
    PickRow(admin.lstStudents, RowOfNumber(admin.lstStudents, bo));
    Click(admin.cmdNew);
    TypeInto(admin.txtName, QStringLiteral("Ann"));
    Click(admin.cmdDeleteStudent);
    Click(admin.cmdDeleteTest);
    QVERIFY(env.fake.shown.empty());

    PickRow(admin.lstStudents, RowOfNumber(admin.lstStudents, ann));
    DeleteAfterNoThenYes(env, admin.cmdDeleteStudent, QStringLiteral("Are you sure you want to delete this student "
                                                                      "and all the test results?|Delete The Current Student"));
    QVERIFY2(Count(env, QStringLiteral("Passwords WHERE fldStudentNumber = ?"), {ann}) == 0, qPrintable(LastBox(env)));
    QCOMPARE(Count(env, QStringLiteral("Results WHERE fldStudentNumber = ?"), {ann}), 0);
    QCOMPARE(Count(env, QStringLiteral("Results")), 3);
    QCOMPARE(admin.lstStudents->count(), 2);

    // The catalogue finds the picked test although another screen narrowed rsTests.
    rsTests.Close();
    rsTests.Open(Sql::TestByNumber(history), cnDatabase);
    PickRow(admin.lstTests, RowOfNumber(admin.lstTests, latin));
    DeleteAfterNoThenYes(env, admin.cmdDeleteTest, QStringLiteral("Are you sure you want to delete this test\r\n and all "
                                                                   "the corresponding student results?|Delete The Selected Test"));
    QCOMPARE(Count(env, QStringLiteral("Tests WHERE fldTestNumber = ?"), {latin}), 0);
    QCOMPARE(Count(env, QStringLiteral("Results")), 1);
    QCOMPARE(admin.lstTests->count(), 2);

    RefuseResultDeletes(env);
    const QStringList before = env.Rows(QStringLiteral("SELECT fldStudentNumber, fldTestNumber FROM Results"))
        + env.Rows(QStringLiteral("SELECT * FROM Passwords")) + env.Rows(QStringLiteral("SELECT fldTestNumber FROM Tests"));
    env.fake.answers = {MsgAnswer::Yes, MsgAnswer::Yes};
    PickRow(admin.lstStudents, RowOfNumber(admin.lstStudents, bo));
    Click(admin.cmdDeleteStudent);
    QVERIFY2(LastBox(env).contains(QStringLiteral("results are kept")), qPrintable(LastBox(env)));
    PickRow(admin.lstTests, RowOfNumber(admin.lstTests, algebra));
    Click(admin.cmdDeleteTest);
    QVERIFY2(LastBox(env).contains(QStringLiteral("results are kept")), qPrintable(LastBox(env)));
    QCOMPARE(env.Rows(QStringLiteral("SELECT fldStudentNumber, fldTestNumber FROM Results"))
                 + env.Rows(QStringLiteral("SELECT * FROM Passwords")) + env.Rows(QStringLiteral("SELECT fldTestNumber FROM Tests")),
             before);
    QVERIFY(!env.fake.ended && admin.isVisible());
    QCOMPARE(admin.lstStudents->count(), 2);
    QCOMPARE(admin.lstTests->count(), 2);
}

// Rows carry their keys whatever their size and show none; View and Delete
// act on the picked row's own test, among tests of the same title.
void TestAdmin::resultsScreenWithLargeKeys()
{
    TestEnv env;
    env.Exec(QStringLiteral("INSERT INTO Passwords VALUES (1234567890, 'Ann Lee 7', '1')"));
    env.Exec(QStringLiteral("INSERT INTO Passwords VALUES (?, 'Bo', '2')"), {Largest});
    const qint64 twin = Largest;
    const std::array<qint64, 3> numbers{1234567891, Largest - 1, twin};
    const std::array<qint64, 3> made{env.AddTest(QStringLiteral("Algebra")), env.AddTest(QStringLiteral("Pilgrim's Progress")),
                                     env.AddTest(QStringLiteral("Pilgrim's Progress"))};
    for (std::size_t i = 0; i < made.size(); ++i)
        env.Exec(QStringLiteral("UPDATE Tests SET fldTestNumber = ? WHERE fldTestNumber = ?"), {numbers[i], made[i]});
    AddResult(env, 1234567890, 1234567891);
    AddResult(env, Largest, 1234567891);
    AddResult(env, Largest, twin);
    frmAdmin& admin = SignInAdmin();
    PickRow(admin.lstStudents, RowOfNumber(admin.lstStudents, Largest));
    Click(admin.cmdView);
    frmTestResults& results = Screens::Get<frmTestResults>();
    QCOMPARE(results.windowTitle(), QStringLiteral("Test Results For Bo"));
    const QString taken = QString(34, u' ') + QStringLiteral("84") + QString(12, u' ') + QStringLiteral("05/01/2026");
    const QStringList rows{QStringLiteral("Algebra") + taken,
                           QStringLiteral("Pilgrim's Progress") + QString(23, u' ') + QStringLiteral("Not Taken"),
                           QStringLiteral("Pilgrim's Progress") + QString(23, u' ') + QStringLiteral("84") + QString(12, u' ')
                               + QStringLiteral("05/01/2026")};
    QCOMPARE(Rows(results.lstResults), rows);
    Click(results.cmdPrint);
    QCOMPARE(env.fake.printed.back().PlainLines().mid(3), (QStringList{"    " + rows[0], "    " + rows[1], "    " + rows[2]}));

    // View and Delete ignore an empty selection and a test not taken.
    Click(results.cmdView);
    PickRow(results.lstResults, 1);
    Click(results.cmdView);
    Click(results.cmdDelete);
    QVERIFY(env.fake.shown.empty() && !blnReviewFromAdmin);

    PickRow(results.lstResults, 2);
    Click(results.cmdView);
    QVERIFY(blnReviewFromAdmin && !results.isVisible());
    QCOMPARE(rsTests.Field(QStringLiteral("fldTestNumber")).toLongLong(), twin);
    QCOMPARE(rsResults.Field(QStringLiteral("fldStudentNumber")).toLongLong(), Largest);
    Click(Screens::Get<frmAnswers>().cmdDone);
    QVERIFY(results.isVisible());

    PickRow(results.lstResults, 0);
    DeleteAfterNoThenYes(env, results.cmdDelete,
                         QStringLiteral("Are you sure you want to delete this test result?|Delete The Test Result"));
    QCOMPARE(env.Rows(QStringLiteral("SELECT fldStudentNumber, fldTestNumber FROM Results ORDER BY fldStudentNumber DESC")),
             (QStringList{"9223372036854775807|9223372036854775807", "1234567890|1234567891"}));

    // A result that vanished behind the list's back: a quiet refill.
    env.Exec(QStringLiteral("DELETE FROM Results WHERE fldTestNumber = ?"), {twin});
    PickRow(results.lstResults, 2);
    env.fake.answers = {MsgAnswer::Yes};
    Click(results.cmdDelete);
    QCOMPARE(env.fake.shown.size(), std::size_t(3));
    QVERIFY(results.lstResults->item(2)->text().endsWith(QStringLiteral("Not Taken")));

    results.close();  // the frame's close box acts as Exit
    ProcessEvents();
    QVERIFY(!Screens::IsLoaded<frmTestResults>() && admin.isVisible());
}

QTEST_MAIN(TestAdmin)
#include "test_admin.moc"
