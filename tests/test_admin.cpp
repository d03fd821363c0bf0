// The administration and results screens through their widgets; writing and
// editing tests: Add and Edit, the new test screen (run modally by a scripted
// user), the question editor and its Exit.
#include "TestEnv.h"
#include "UserActions.h"
#include "app/Module1.h"
#include "screens/Screens.h"
#include "screens/frmAdmin.h"
#include "screens/frmAnswers.h"
#include "screens/frmNewTest.h"
#include "screens/frmNewTestIntro.h"
#include "screens/frmTestResults.h"
#include "work/AdminWork.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

using namespace Module1;

class TestAdmin : public QObject {
    Q_OBJECT

private slots:
    void accounts();
    void deletionsAreAllOrNothing();
    void resultsScreenWithLargeKeys();
    void writingAndEditingTests();
    void headingRefusals_data();
    void headingRefusals();
};

namespace {

const qint64 Largest = 9223372036854775807;
const qint64 Big = 9223372036854775000;  // 19 digits, with room for keys after it

qint64 Count(TestEnv& env, const QString& where, const QVariantList& values = {})
{
    return env.Scalar(QStringLiteral("SELECT COUNT(*) FROM ") + where, values).toLongLong();
}

QString StudentLine(const QString& name, qint64 number) { return name + QString(80, u' ') + QString::number(number); }

// Answered No, the box asks `box` and nothing changes; then Yes goes ahead.
void DeleteAfterNoThenYes(TestEnv& env, QPushButton* button, const QString& box)
{
    const auto counts = [&env] { return QList<qint64>{Count(env, "Passwords"), Count(env, "Tests"), Count(env, "Results")}; };
    const QList<qint64> before = counts();
    env.fake.answers = {MsgAnswer::No, MsgAnswer::Yes};
    Click(button);
    QCOMPARE(LastBox(env.fake), box + QStringLiteral("|YesNo"));
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

using Act = std::function<void(frmNewTestIntro&)>;

// The user of the modal new test screen: does `act`, then Next unless the screen has gone.
void QueueUser(TestEnv& env, Act act = {})
{
    env.fake.modalUsers.push_back([=](QWidget& window) {
        auto& intro = static_cast<frmNewTestIntro&>(window);
        if (act)
            act(intro);
        if (intro.isVisible())
            Click(intro.cmdNext);
    });
}

Act Heading(const QString& title, const QString& minutes)
{
    return [=](frmNewTestIntro& intro) {
        intro.txtTestName->setText(title);
        intro.txtMinutes->setText(minutes);
    };
}

frmNewTest& EditTest(TestEnv& env, frmAdmin& admin, Act act = {})
{
    QueueUser(env, act);
    PickRow(admin.lstTests, 0);
    Click(admin.cmdEdit);
    return Screens::Get<frmNewTest>();
}

QString IncompleteQuestion(int count)
{
    return QStringLiteral("There are %1 questions left to write.\r\nAre you sure you want to exit?").arg(count);
}

// The newest test's values; the slot texts follow number, title, description and length.
QStringList StoredRow(TestEnv& env)
{
    return env.Rows(QStringLiteral("SELECT * FROM Tests ORDER BY fldTestNumber DESC")).value(0).split(u'|');
}

QString StoredName(TestEnv& env) { return StoredRow(env).value(1); }

// Both authoring screens closed, back on the catalogue.
void VerifyBackOnCatalogue(frmAdmin& admin)
{
    ProcessEvents();
    QVERIFY(!Screens::IsLoaded<frmNewTest>() && !Screens::IsLoaded<frmNewTestIntro>());
    QVERIFY(admin.isVisible());
}

}

// Validation, the list refilled after each store, names that must be unique,
// and accounts added elsewhere shown on F5 and on coming back to the window.
void TestAdmin::accounts()
{
    TestEnv env;
    const qint64 ann = env.AddStudent(QStringLiteral("Ann"), QStringLiteral("one"));
    env.Exec(QStringLiteral("INSERT INTO Passwords (fldStudentNumber, fldStudentName, fldPassword) VALUES (?, 'Room 2024', 'two')"), {Big});
    frmAdmin& admin = SignInAdmin();
    admin.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&admin));
    Click(admin.cmdView);
    QCOMPARE(LastBox(env.fake), QStringLiteral("Select a student first!|Error|OK"));
    QVERIFY(!Screens::IsLoaded<frmTestResults>());
    TypeInto(admin.txtPassword, QStringLiteral("pw"));
    admin.cmdAddStudent->setFocus();
    Click(admin.cmdAddStudent);
    QCOMPARE(LastBox(env.fake), QStringLiteral("You must enter a student name.|Error|OK"));
    QVERIFY(admin.txtName->hasFocus());
    const QString name = QStringLiteral("O'Brien \"Ζωή\"");
    TypeInto(admin.txtName, name);
    admin.txtPassword->clear();
    admin.cmdAddStudent->setFocus();
    Click(admin.cmdAddStudent);
    QCOMPARE(LastBox(env.fake), QStringLiteral("You must enter a password.|Error|OK"));
    QVERIFY(admin.txtPassword->hasFocus());
    QTest::keyClicks(admin.txtPassword, QStringLiteral(" p'word "));
    QTest::keyClick(admin.txtPassword, Qt::Key_Return);
    const qint64 obrien = env.Scalar(QStringLiteral("SELECT fldStudentNumber FROM Passwords WHERE fldStudentName = ? "
                                                    "AND fldPassword = ' p''word '"), {name}).toLongLong();
    QVERIFY(obrien > 0 && admin.txtName->text().isEmpty() && admin.txtName->hasFocus());
    // The list is read afresh in the table's order: a file's rows as they
    // were added, a server's by number.
    const QStringList added = TestEnv::OnServer()
        ? QStringList{StudentLine("Ann", ann), StudentLine(name, obrien), StudentLine("Room 2024", Big)}
        : QStringList{StudentLine("Ann", ann), StudentLine("Room 2024", Big), StudentLine(name, obrien)};
    QCOMPARE(Rows(admin.lstStudents), added);

    // A name another student has is refused, exactly as sign-in compares.
    TypeInto(admin.txtName, QStringLiteral("Ann"));
    TypeInto(admin.txtPassword, QStringLiteral("xylophone"));
    Click(admin.cmdAddStudent);
    QCOMPARE(LastBox(env.fake), QStringLiteral("Another student already has the name \"Ann\".\nPlease give this student a "
                                          "different name.|Error|OK"));
    QCOMPARE(Count(env, QStringLiteral("Passwords")), 3);
    TypeInto(admin.txtName, QStringLiteral("ann"));
    Click(admin.cmdAddStudent);
    QCOMPARE(admin.lstStudents->count(), 4);

    // The picked student (of a 19-digit number) keeps their own name under a new
    // password; another's is refused.
    PickRow(admin.lstStudents, RowOfNumber(admin.lstStudents, Big));
    QCOMPARE(admin.txtName->text() + u'|' + admin.txtPassword->text() + u'|' + admin.txtStudentNumber->text(),
             QStringLiteral("Room 2024|two|9223372036854775000"));
    TypeInto(admin.txtPassword, QStringLiteral("threefold"));
    Click(admin.cmdAddStudent);
    QCOMPARE(Count(env, QStringLiteral("Passwords WHERE fldStudentNumber = ? AND fldPassword = 'threefold'"), {Big}), 1);
    PickRow(admin.lstStudents, RowOfNumber(admin.lstStudents, Big));
    TypeInto(admin.txtName, QStringLiteral("Ann"));
    Click(admin.cmdAddStudent);
    QVERIFY(LastBox(env.fake).startsWith(QStringLiteral("Another student already has the name \"Ann\".")));
    QCOMPARE(Count(env, QStringLiteral("Passwords WHERE fldStudentName = 'Room 2024'")), 1);

    // Added on another workstation: shown on F5, and when the window is
    // activated again; the picked row and the boxes stay.
    const qint64 zed = env.AddStudent(QStringLiteral("Zed"), QStringLiteral("z"));
    QTest::keyClick(&admin, Qt::Key_F5);
    QVERIFY(Rows(admin.lstStudents).contains(StudentLine("Zed", zed)));
    QCOMPARE(Form::SelectedKey(admin.lstStudents).value_or(0), Big);
    QCOMPARE(admin.txtName->text(), QStringLiteral("Ann"));
    const qint64 yve = env.AddStudent(QStringLiteral("Yve"), QStringLiteral("y"));
    QWidget elsewhere;
    elsewhere.show();
    elsewhere.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&elsewhere));
    admin.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&admin));
    QVERIFY(Rows(admin.lstStudents).contains(StudentLine("Yve", yve)));

    // An older database's twin keeps the name they share under a new password.
    const qint64 twin = env.AddStudent(QStringLiteral("Zed"), QStringLiteral("z2"));
    QTest::keyClick(&admin, Qt::Key_F5);
    PickRow(admin.lstStudents, RowOfNumber(admin.lstStudents, twin));
    TypeInto(admin.txtPassword, QStringLiteral("newer pw"));
    Click(admin.cmdAddStudent);
    QCOMPARE(env.Rows(QStringLiteral("SELECT fldPassword FROM Passwords WHERE fldStudentName = 'Zed' ORDER BY fldStudentNumber")),
             (QStringList{"z", "newer pw"}));
}

// The screen asks before a delete and deletes the picked row by its number
// (what goes with it is the administrator's work's to prove); when the engine
// refuses a step, nothing goes and its message is shown.
void TestAdmin::deletionsAreAllOrNothing()
{
    TestEnv env;
    const qint64 ann = env.AddStudent(QStringLiteral("Ann"), QStringLiteral("one"));
    const qint64 bo = env.AddStudent(QStringLiteral("Bo"), QStringLiteral("two"));
    const qint64 algebra = env.AddTest(QStringLiteral("Algebra"));
    const qint64 history = env.AddTest(QStringLiteral("History"));
    const qint64 latin = env.AddTest(QStringLiteral("Latin"));
    for (const qint64 test : {algebra, history, latin})
        AddAttempt(env, ann, test, 84, {});
    AddAttempt(env, bo, algebra, 84, {});
    AddAttempt(env, bo, latin, 84, {});
    AddAttempt(env, env.AddStudent(QStringLiteral("Cy"), QStringLiteral("three")), latin, 84, {});
    frmAdmin& admin = SignInAdmin();

    // Picked and then cleared: nothing is asked or deleted.
    PickRow(admin.lstStudents, RowOfNumber(admin.lstStudents, bo));
    Click(admin.cmdNew);
    Click(admin.cmdDeleteStudent);
    Click(admin.cmdDeleteTest);
    QVERIFY(env.fake.shown.empty());

    PickRow(admin.lstStudents, RowOfNumber(admin.lstStudents, ann));
    DeleteAfterNoThenYes(env, admin.cmdDeleteStudent, QStringLiteral("Are you sure you want to delete this student "
                                                                      "and all the test results?|Delete The Current Student"));
    QVERIFY2(Count(env, QStringLiteral("Passwords WHERE fldStudentNumber = ?"), {ann}) == 0, qPrintable(LastBox(env.fake)));
    QCOMPARE(admin.lstStudents->count(), 2);

    // The catalogue deletes the picked test by its number.
    PickRow(admin.lstTests, RowOfNumber(admin.lstTests, latin));
    DeleteAfterNoThenYes(env, admin.cmdDeleteTest, QStringLiteral("Are you sure you want to delete this test\r\n and all "
                                                                   "the corresponding student results?|Delete The Selected Test"));
    QCOMPARE(Count(env, QStringLiteral("Tests WHERE fldTestNumber = ?"), {latin}), 0);
    QCOMPARE(admin.lstTests->count(), 2);

    RefuseResultDeletes(env);
    const auto all = [&env] {
        return env.Rows(QStringLiteral("SELECT fldStudentNumber, fldTestNumber FROM Results"))
            + env.Rows(QStringLiteral("SELECT * FROM Passwords")) + env.Rows(QStringLiteral("SELECT fldTestNumber FROM Tests"));
    };
    const QStringList before = all();
    env.fake.answers = {MsgAnswer::Yes, MsgAnswer::Yes};
    PickRow(admin.lstStudents, RowOfNumber(admin.lstStudents, bo));
    Click(admin.cmdDeleteStudent);
    QVERIFY2(LastBox(env.fake).contains(QStringLiteral("results are kept")), qPrintable(LastBox(env.fake)));
    PickRow(admin.lstTests, RowOfNumber(admin.lstTests, algebra));
    Click(admin.cmdDeleteTest);
    QVERIFY2(LastBox(env.fake).contains(QStringLiteral("results are kept")), qPrintable(LastBox(env.fake)));
    QCOMPARE(all(), before);
    QVERIFY(!env.fake.ended && admin.isVisible());
    QCOMPARE(admin.lstStudents->count() + admin.lstTests->count(), 4);
}

// Rows carry their keys whatever their size and show none; View and Delete
// act on the picked row's own test, among tests of the same title.
void TestAdmin::resultsScreenWithLargeKeys()
{
    TestEnv env;
    env.Exec(QStringLiteral("INSERT INTO Passwords (fldStudentNumber, fldStudentName, fldPassword) VALUES (1234567890, 'Ann Lee 7', '1')"));
    env.Exec(QStringLiteral("INSERT INTO Passwords (fldStudentNumber, fldStudentName, fldPassword) VALUES (?, 'Bo', '2')"), {Largest});
    const std::array<qint64, 3> numbers{1234567891, Largest - 1, Largest};
    const std::array<qint64, 3> made{env.AddTest(QStringLiteral("Algebra")), env.AddTest(QStringLiteral("Pilgrim's Progress")),
                                     env.AddTest(QStringLiteral("Pilgrim's Progress"))};
    for (std::size_t i = 0; i < made.size(); ++i)
        env.Exec(QStringLiteral("UPDATE Tests SET fldTestNumber = ? WHERE fldTestNumber = ?"), {numbers[i], made[i]});
    AddAttempt(env, 1234567890, 1234567891, 84, {});
    AddAttempt(env, Largest, 1234567891, 84, {});
    AddAttempt(env, Largest, Largest, 84, {});
    frmAdmin& admin = SignInAdmin();
    PickRow(admin.lstStudents, RowOfNumber(admin.lstStudents, Largest));
    Click(admin.cmdView);
    frmTestResults& results = Screens::Get<frmTestResults>();
    QCOMPARE(results.windowTitle(), QStringLiteral("Test Results For Bo"));
    const QString taken = QStringLiteral("84") + QString(12, u' ') + QStringLiteral("1.12.2026");
    QCOMPARE(Rows(results.lstResults), (QStringList{QStringLiteral("Algebra") + QString(34, u' ') + taken,
        QStringLiteral("Pilgrim's Progress") + QString(23, u' ') + QStringLiteral("Not Taken"),
        QStringLiteral("Pilgrim's Progress") + QString(23, u' ') + taken}));

    // View and Delete ignore a test not taken.
    PickRow(results.lstResults, 1);
    Click(results.cmdView);
    Click(results.cmdDelete);
    QVERIFY(env.fake.shown.empty() && !Screens::IsLoaded<frmAnswers>());

    PickRow(results.lstResults, 2);
    Click(results.cmdView);
    QVERIFY(!results.isVisible());
    QCOMPARE(Administrator().Review().TestText(QStringLiteral("fldTestNumber")).toLongLong(), Largest);
    QCOMPARE(Administrator().Review().ResultText(QStringLiteral("fldStudentNumber")).toLongLong(), Largest);
    Click(Screens::Get<frmAnswers>().cmdDone);
    QVERIFY(results.isVisible());

    PickRow(results.lstResults, 0);
    DeleteAfterNoThenYes(env, results.cmdDelete,
                         QStringLiteral("Are you sure you want to delete this test result?|Delete The Test Result"));
    QCOMPARE(env.Rows(QStringLiteral("SELECT fldStudentNumber, fldTestNumber FROM Results ORDER BY fldStudentNumber DESC")),
             (QStringList{"9223372036854775807|9223372036854775807", "1234567890|1234567891"}));

    // A result that vanished behind the list's back: a quiet refill.
    env.Exec(QStringLiteral("DELETE FROM Results WHERE fldTestNumber = ?"), {Largest});
    PickRow(results.lstResults, 2);
    env.fake.answers = {MsgAnswer::Yes};
    Click(results.cmdDelete);
    QCOMPARE(env.fake.shown.size(), std::size_t(3));
    QVERIFY(results.lstResults->item(2)->text().endsWith(QStringLiteral("Not Taken")));
}

// Cancel on an edited test writes nothing. Marks removed on the new test
// screen: the caption shows the name as stored before; Exit marks the test
// again, never twice, and takes them off once it is complete. Then beyond the
// school day's writing: the frame's close acts as Exit (No keeps the screen),
// empty slots are empty texts, texts stored exactly, Exit counts.
void TestAdmin::writingAndEditingTests()
{
    TestEnv env;
    env.AddTest(QStringLiteral("<Draft>"), 20, QStringLiteral("Dates."));
    env.Exec(QStringLiteral("UPDATE Tests SET fldQ7 = NULL"));
    const QStringList before = env.Rows(QStringLiteral("SELECT * FROM Tests"));
    frmAdmin& admin = SignInAdmin();
    QueueUser(env, [](frmNewTestIntro& intro) {
        QCOMPARE(intro.txtDescription->toPlainText() + intro.txtMinutes->text(), QStringLiteral("Dates.20"));
        Heading(QStringLiteral("Changed"), QStringLiteral("5"))(intro);
        intro.close();  // closing by the frame cancels
    });
    PickRow(admin.lstTests, 0);
    Click(admin.cmdEdit);
    VerifyBackOnCatalogue(admin);
    QCOMPARE(env.Rows(QStringLiteral("SELECT * FROM Tests")), before);

    EditTest(env, admin, [](frmNewTestIntro& intro) {
        QCOMPARE(intro.txtTestName->text(), QStringLiteral("<Draft>"));
        intro.txtTestName->setText(QStringLiteral("Draft"));
    });
    QCOMPARE(Screens::Get<frmNewTest>().windowTitle(), QStringLiteral("<Draft>"));
    QCOMPARE(StoredName(env), QStringLiteral("Draft"));
    env.fake.answers = {MsgAnswer::Yes, MsgAnswer::Yes};
    Click(Screens::Get<frmNewTest>().cmdSave);
    QCOMPARE(env.fake.shown.back().text, IncompleteQuestion(1));  // the same wording for one
    QCOMPARE(StoredName(env), QStringLiteral("<Draft>"));
    Click(EditTest(env, admin).cmdSave);  // marks left on: no second pair
    QCOMPARE(StoredName(env), QStringLiteral("<Draft>"));
    env.Exec(QStringLiteral("UPDATE Tests SET fldQ7 = 'Q7'"));
    Click(EditTest(env, admin).cmdSave);
    QCOMPARE(env.fake.shown.size(), std::size_t(2));  // complete: nothing asked
    QCOMPARE(StoredName(env), QStringLiteral("Draft"));
    VerifyBackOnCatalogue(admin);

    const QString title = QStringLiteral("Pilgrim's \"Ünïcödé\"");
    const QString description = QStringLiteral("Say \"why\" in 'two' lines:\nΖωή, 日本語, עברית.\n");
    QueueUser(env, [&](frmNewTestIntro& intro) {
        Heading(title, QStringLiteral("30"))(intro);
        intro.txtDescription->setPlainText(description);
    });
    Click(admin.cmdAddTest);
    frmNewTest& editor = Screens::Get<frmNewTest>();
    editor.txtQuestion->setPlainText(QStringLiteral("What is 2+2?"));
    env.fake.answers = {MsgAnswer::No};
    editor.close();
    // A question without its answers is not written.
    QCOMPARE(LastBox(env.fake), IncompleteQuestion(25) + QStringLiteral("|Incomplete Test|YesNo"));
    QVERIFY(editor.isVisible() && editor.txtQuestion->toPlainText() == QStringLiteral("What is 2+2?"));
    QCOMPARE(StoredRow(env).mid(1, 6), (QStringList{title, description, "30", "What is 2+2?", "", ""}));
    editor.txtQuestion->clear();
    Click(editor.cmdNext);
    QCOMPARE(StoredRow(env).mid(4, 4), QStringList(4, QString()));
    const QList<QPlainTextEdit*> boxes{editor.txtQuestion, editor.txtAnswer, editor.txtPhony1, editor.txtPhony2};
    const QStringList texts{QStringLiteral("He said \"it's\"\n\n\tindented; 100% \\ back\u00a0slash ") + QString(5000, u'x'),
                            QStringLiteral("مرحبا بالعالم 👋"), QStringLiteral("  leading and trailing  "),
                            QStringLiteral("Line\nbreak\n")};
    for (int s = 2; s <= 25; ++s) {  // after slot 2, answers only: slot 3 under a blank question, 25 under none
        const QString question = s == 3 ? QStringLiteral("   ") : s == 25 ? QString() : QStringLiteral("Q");
        for (int i = 0; i < boxes.size(); ++i)
            boxes[i]->setPlainText(s == 2 ? texts[i] : i == 0 ? question : QStringLiteral("a"));
        Click(editor.cmdNext);  // on slot 25 it does nothing, not even a store
    }
    QCOMPARE(StoredRow(env).mid(8, 4), texts);
    QCOMPARE(editor.CurrentQuestion, std::int16_t(25));
    env.fake.answers = {MsgAnswer::Yes};
    Click(editor.cmdSave);
    QCOMPARE(env.fake.shown.back().text, IncompleteQuestion(3));  // slots 1, 3 and 25
    const QStringList stored = StoredRow(env);
    QCOMPARE(stored[1] + stored[12] + stored[101], u'<' + title + QStringLiteral(">   a"));
    VerifyBackOnCatalogue(admin);

    // An older database's twin title is kept by an edit that leaves it as it is.
    const qint64 twin = env.AddTest(QStringLiteral("Draft"));
    QTest::keyClick(&admin, Qt::Key_F5);
    QueueUser(env, [](frmNewTestIntro& intro) {
        intro.txtMinutes->setText(QStringLiteral("9"));
        Click(intro.cmdNext);
        if (intro.isVisible())
            Click(intro.cmdCancel);
    });
    PickRow(admin.lstTests, RowOfNumber(admin.lstTests, twin));
    Click(admin.cmdEdit);
    QCOMPARE(env.Rows(QStringLiteral("SELECT fldTestName, fldTime FROM Tests WHERE fldTestNumber = ?"), {twin}),
             QStringList{"Draft|9"});
}

// Titles are stored without blanks at either end and must differ from every
// other test's, compared exactly but without the unfinished marks.
void TestAdmin::headingRefusals_data()
{
    const QString forty(40, u'T');
    const QString tooLong = QStringLiteral("The test title can be at most 40 characters long.");
    const QString badLength = QStringLiteral("The length of the test must be a whole number of minutes from 0 to 32767.");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("minutes");
    QTest::addColumn<QString>("refusal");  // empty: accepted
    QTest::newRow("only blanks") << "   " << "0" << "You must give the test a title.";
    QTest::newRow("no length") << "Algebra" << "" << "You must specify the length of the test.";
    // Only an unfinished test's marks are discounted.
    QTest::newRow("40 and a closing >") << forty + u'>' << "abc" << tooLong;
    QTest::newRow("marked 40, bad length") << u'<' + forty + u'>' << "abc" << badLength;
    QTest::newRow("marked 40, largest") << u'<' + forty + u'>' << " 32767 " << QString();
    QTest::newRow("blanks trimmed, zero") << "  Geometry\t " << "0" << QString();
    QTest::newRow("other case") << "algebra" << "5" << QString();
    const QString taken = QStringLiteral("Another test already has the title \"%1\".\nPlease choose a different title.");
    QTest::newRow("taken") << " Algebra " << "5" << taken.arg("Algebra");
    QTest::newRow("taken by a draft") << "Draft" << "5" << taken.arg("Draft");
    for (const char* minutes : {"32768", "99999999999", "-1", "1.5", "+5", " ", "thirty"})
        QTest::newRow(minutes) << "T" << minutes << badLength;
    QTest::newRow("arabic-indic digits") << "T" << QString::fromUtf8("٣٠") << badLength;
}

void TestAdmin::headingRefusals()
{
    QFETCH(QString, title);
    QFETCH(QString, minutes);
    QFETCH(QString, refusal);
    TestEnv env;
    env.AddTest(QStringLiteral("Algebra"));
    env.AddTest(QStringLiteral("<Draft>"));
    frmAdmin& admin = SignInAdmin();
    QueueUser(env, [&](frmNewTestIntro& intro) {
        Heading(title, minutes)(intro);
        Click(intro.cmdNext);
        if (intro.isVisible())  // refused: Cancel, which writes nothing either
            Click(intro.cmdCancel);
    });
    Click(admin.cmdAddTest);
    if (refusal.isEmpty()) {
        QVERIFY(env.fake.shown.empty());
        QCOMPARE(StoredRow(env)[1] + u'|' + StoredRow(env)[3], title.trimmed() + u'|' + QString::number(minutes.trimmed().toInt()));
        return;
    }
    QCOMPARE(TestCount(env), 2);  // no row written
    QCOMPARE(LastBox(env.fake) + QString::number(env.fake.shown.size()), refusal + QStringLiteral("|Required Field|OK1"));
}

QTEST_MAIN(TestAdmin)
#include "test_admin.moc"
