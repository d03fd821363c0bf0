// Writing and editing tests: the catalogue's Add and Edit, the new test
// screen (run modally by a scripted user), the question editor and its Exit.
#include "TestEnv.h"
#include "UserActions.h"
#include "app/Module1.h"
#include "screens/Screens.h"
#include "screens/frmAdmin.h"
#include "screens/frmNewTest.h"
#include "screens/frmNewTestIntro.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

using namespace Module1;

class TestAuthoring : public QObject {
    Q_OBJECT

private slots:
    void newTestFromNextToExit();
    void cancelAndMarksOfAnEditedTest();
    void headingRefusals_data();
    void headingRefusals();
};

namespace {

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

frmNewTest& Editor() { return Screens::Get<frmNewTest>(); }

frmNewTest& EditTest(TestEnv& env, frmAdmin& admin, Act act = {})
{
    QueueUser(env, act);
    PickRow(admin.lstTests, 0);
    Click(admin.cmdEdit);
    return Editor();
}

void TypeSlot(frmNewTest& editor, const QString& question, const QString& answer = QStringLiteral("a"))
{
    editor.txtQuestion->clear();
    QTest::keyClicks(editor.txtQuestion, question);
    editor.txtAnswer->setPlainText(answer);
    editor.txtPhony1->setPlainText(QStringLiteral("p1"));
    editor.txtPhony2->setPlainText(QStringLiteral("p2"));
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

int NullSlotTexts(TestEnv& env) { return static_cast<int>(StoredRow(env).mid(4).count(QStringLiteral("NULL"))); }

// Both authoring screens closed, back on the catalogue.
void VerifyBackOnCatalogue(frmAdmin& admin)
{
    ProcessEvents();
    QVERIFY(!Screens::IsLoaded<frmNewTest>() && !Screens::IsLoaded<frmNewTestIntro>());
    QVERIFY(admin.isVisible() && !blnNewTest);
}

}

// From Next to Exit: the row at once, slot texts stored exactly (empty ones
// as empty texts), the arrows at both ends, and what Exit counts and stores.
void TestAuthoring::newTestFromNextToExit()
{
    TestEnv env;
    frmAdmin& admin = SignInAdmin();
    const QString title = QStringLiteral("Pilgrim's \"Ünïcödé\"");
    const QString description = QStringLiteral("Say \"why\" in 'two' lines:\nΖωή, 日本語, עברית.\n");
    QueueUser(env, [&](frmNewTestIntro& intro) {
        Heading(title, QStringLiteral("30"))(intro);
        intro.txtDescription->setPlainText(description);
    });
    Click(admin.cmdAddTest);
    frmNewTest& editor = Editor();
    QCOMPARE(NullSlotTexts(env), 100);
    // Closing by the frame acts as Exit: the slot on screen is stored first
    // and counted; No keeps the screen as it was.
    editor.txtQuestion->setPlainText(QStringLiteral("What is 2+2?"));
    env.fake.answers = {MsgAnswer::No};
    editor.close();
    QCOMPARE(env.fake.shown[0].text + env.fake.shown[0].title, IncompleteQuestion(24) + QStringLiteral("Incomplete Test"));
    QVERIFY(env.fake.shown[0].buttons == MsgButtons::YesNo);
    QVERIFY(editor.isVisible() && blnNewTest && editor.txtQuestion->toPlainText() == QStringLiteral("What is 2+2?"));
    QCOMPARE(StoredRow(env).mid(1, 5), (QStringList{title, description, "30", "What is 2+2?", ""}));
    editor.txtQuestion->clear();
    Click(editor.cmdPrev);  // on slot 1: nothing
    Click(editor.cmdNext);  // an empty slot: empty texts, not Nulls
    QCOMPARE(StoredRow(env).mid(4, 4), QStringList(4, QString()));
    TypeSlot(editor, QStringLiteral("   "), QStringLiteral("an answer"));
    Click(editor.cmdNext);
    const QList<QPlainTextEdit*> boxes{editor.txtQuestion, editor.txtAnswer, editor.txtPhony1, editor.txtPhony2};
    const QStringList texts{QStringLiteral("He said \"it's\"\n\n\tindented; 100% \\ back\u00a0slash ") + QString(5000, u'x'),
                            QStringLiteral("مرحبا بالعالم 👋"), QStringLiteral("  leading and trailing  "),
                            QStringLiteral("Line\nbreak\n")};
    for (int i = 0; i < boxes.size(); ++i)
        boxes[i]->setPlainText(texts[i]);
    Click(editor.cmdNext);
    Click(editor.cmdPrev);  // shown again from the store, then stored again
    Click(editor.cmdNext);
    QCOMPARE(StoredRow(env).mid(12, 4), texts);
    for (int s = 4; s <= 25; ++s) {
        TypeSlot(editor, s < 25 ? QStringLiteral("Q%1").arg(s) : QString(), QStringLiteral("only an answer"));
        Click(editor.cmdNext);  // on slot 25 it does nothing, not even a store
    }
    QCOMPARE(CurrentQuestion, std::int16_t(25));
    env.fake.answers = {MsgAnswer::No};
    Click(editor.cmdSave);
    QCOMPARE(env.fake.shown.back().text, IncompleteQuestion(3));  // slots 1, 2 and 25
    QCOMPARE(StoredRow(env)[101], QStringLiteral("only an answer"));  // slot 25 stored by Exit
    TypeSlot(editor, QStringLiteral("Q25"));
    env.fake.answers = {MsgAnswer::Yes};
    Click(editor.cmdSave);
    QCOMPARE(env.fake.shown.back().text, IncompleteQuestion(2));
    const QStringList stored = StoredRow(env);
    QCOMPARE(stored[1] + stored[8] + stored[100], u'<' + title + QStringLiteral(">   Q25"));
    VerifyBackOnCatalogue(admin);
}

// Cancel writes nothing. Marks removed on the new test screen: the caption
// shows the name as stored before; Exit marks the test again, never twice.
void TestAuthoring::cancelAndMarksOfAnEditedTest()
{
    TestEnv env;
    env.AddTest(QStringLiteral("<Draft>"), 20, QStringLiteral("Dates."));
    env.Exec(QStringLiteral("UPDATE Tests SET fldQ7 = NULL"));
    const QStringList before = env.Rows(QStringLiteral("SELECT * FROM Tests"));
    frmAdmin& admin = SignInAdmin();
    const Act changeAndCancel = [](frmNewTestIntro& intro) {
        Heading(QStringLiteral("Changed"), QStringLiteral("5"))(intro);
        Click(intro.cmdCancel);
    };
    QueueUser(env, [](frmNewTestIntro& intro) {  // closing by the frame cancels too
        Heading(QStringLiteral("Changed"), QStringLiteral("5"))(intro);
        intro.close();
    });
    Click(admin.cmdAddTest);
    VerifyBackOnCatalogue(admin);
    QueueUser(env, [&](frmNewTestIntro& intro) {
        QCOMPARE(intro.txtDescription->toPlainText() + intro.txtMinutes->text(), QStringLiteral("Dates.20"));
        changeAndCancel(intro);
    });
    PickRow(admin.lstTests, 0);
    Click(admin.cmdEdit);
    VerifyBackOnCatalogue(admin);
    QCOMPARE(env.Rows(QStringLiteral("SELECT * FROM Tests")), before);

    EditTest(env, admin, [](frmNewTestIntro& intro) {
        QCOMPARE(intro.txtTestName->text(), QStringLiteral("<Draft>"));
        intro.txtTestName->setText(QStringLiteral("Draft"));
    });
    QCOMPARE(Editor().windowTitle(), QStringLiteral("<Draft>"));
    QCOMPARE(StoredName(env), QStringLiteral("Draft"));
    env.fake.answers = {MsgAnswer::Yes, MsgAnswer::Yes};
    Click(Editor().cmdSave);
    QCOMPARE(env.fake.shown.back().text, IncompleteQuestion(1));  // the same wording for one
    QCOMPARE(StoredName(env), QStringLiteral("<Draft>"));
    Click(EditTest(env, admin).cmdSave);  // marks left on: no second pair
    QCOMPARE(StoredName(env), QStringLiteral("<Draft>"));
    // Completed: the marks go, and nothing is asked.
    env.Exec(QStringLiteral("UPDATE Tests SET fldQ7 = 'Q7'"));
    Click(EditTest(env, admin).cmdSave);
    QCOMPARE(env.fake.shown.size(), std::size_t(2));
    QCOMPARE(StoredName(env), QStringLiteral("Draft"));
    VerifyBackOnCatalogue(admin);
    QVERIFY(env.fake.unexpected.isEmpty());
}

// Titles are stored without blanks at either end and must differ from every
// other test's, compared exactly but without the unfinished marks.
void TestAuthoring::headingRefusals_data()
{
    const QString forty(40, u'T');
    const QString tooLong = QStringLiteral("The test title can be at most 40 characters long.");
    const QString badLength = QStringLiteral("The length of the test must be a whole number of minutes from 0 to 32767.");
    const QString noTitle = QStringLiteral("You must give the test a title.");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("minutes");
    QTest::addColumn<QString>("refusal");  // empty: accepted
    QTest::newRow("no title") << "" << "" << noTitle;
    QTest::newRow("only blanks") << "   " << "0" << noTitle;
    QTest::newRow("no length") << "Algebra" << "" << "You must specify the length of the test.";
    QTest::newRow("41 characters") << forty + u'x' << "abc" << tooLong;
    // Only an unfinished test's marks are discounted.
    QTest::newRow("40 and a closing >") << forty + u'>' << "abc" << tooLong;
    QTest::newRow("marked 40, bad length") << u'<' + forty + u'>' << "abc" << badLength;
    QTest::newRow("marked 40, largest") << u'<' + forty + u'>' << " 32767 " << QString();
    QTest::newRow("blanks trimmed, zero") << "  Geometry\t " << "0" << QString();
    QTest::newRow("other case") << "algebra" << "5" << QString();
    const QString taken = QStringLiteral("Another test already has the title \"%1\".\nPlease choose a different title.");
    QTest::newRow("taken") << " Algebra " << "5" << taken.arg("Algebra");
    QTest::newRow("taken by a draft") << "Draft" << "5" << taken.arg("Draft");
    QTest::newRow("marked, taken") << "<Algebra>" << "5" << taken.arg("Algebra");
    for (const char* minutes : {"32768", "99999999999", "-1", "1.5", "+5", " ", "thirty"})
        QTest::newRow(minutes) << "T" << minutes << badLength;
    QTest::newRow("arabic-indic digits") << "T" << QString::fromUtf8("٣٠") << badLength;
}

void TestAuthoring::headingRefusals()
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
    QCOMPARE(env.Scalar(QStringLiteral("SELECT COUNT(*) FROM Tests")).toInt(), 2);  // no row written
    QCOMPARE(env.fake.shown.size(), std::size_t(1));
    QCOMPARE(env.fake.shown[0].text + u'|' + env.fake.shown[0].title, refusal + QStringLiteral("|Required Field"));
    QVERIFY(env.fake.shown[0].buttons == MsgButtons::OK);
}

QTEST_MAIN(TestAuthoring)
#include "test_authoring.moc"
