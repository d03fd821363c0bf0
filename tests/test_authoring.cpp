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
    void lastSlotStoredOnlyWithQuestionApostropheTitle();
    void cancelAndMarksOfAnEditedTest();
    void headingRefusals_data();
    void headingRefusals();
};

namespace {

using Act = std::function<void(frmNewTestIntro&)>;

// The user of the modal new test screen: does `act` (looks, types, perhaps
// cancels), then presses Next unless the screen has gone.
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

frmNewTest& AddTest(TestEnv& env, frmAdmin& admin, const Act& heading)
{
    QueueUser(env, heading);
    Click(admin.cmdAddTest);
    return Editor();
}

frmNewTest& EditTest(TestEnv& env, frmAdmin& admin, qint64 number, Act act = {})
{
    QueueUser(env, act);
    PickRow(admin.lstTests, RowOfNumber(admin.lstTests, number));
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

// Writes the slots from the current one to 24 and stops on slot 25 without typing there.
void WriteUpToLastSlot(frmNewTest& editor)
{
    for (int s = CurrentQuestion; s < 25; ++s) {
        TypeSlot(editor, QStringLiteral("Q%1").arg(s));
        Click(editor.cmdNext);
    }
    QCOMPARE(CurrentQuestion, std::int16_t(25));
}

QVariant StoredOf(TestEnv& env, qint64 test, const QString& field)
{
    return env.Scalar(QStringLiteral("SELECT %1 FROM Tests WHERE fldTestNumber = ?").arg(field), {test});
}

QString NameOf(TestEnv& env, qint64 test) { return StoredOf(env, test, QStringLiteral("fldTestName")).toString(); }

qint64 NewestTest(TestEnv& env) { return env.Scalar(QStringLiteral("SELECT MAX(fldTestNumber) FROM Tests")).toLongLong(); }

QString IncompleteQuestion(int count)
{
    return QStringLiteral("There are %1 questions left to write.\r\nAre you sure you want to exit?").arg(count);
}

// The test's stored values; the slot texts follow number, title, description and length.
QStringList StoredRow(TestEnv& env) { return env.Rows(QStringLiteral("SELECT * FROM Tests")).value(0).split(u'|'); }

int NullSlotTexts(TestEnv& env) { return static_cast<int>(StoredRow(env).mid(4).count(QStringLiteral("NULL"))); }

// Both authoring screens closed, back on the catalogue.
void VerifyBackOnCatalogue(frmAdmin& admin)
{
    ProcessEvents();
    QVERIFY(!Screens::IsLoaded<frmNewTest>() && !Screens::IsLoaded<frmNewTestIntro>());
    QVERIFY(admin.isVisible() && !blnNewTest);
}

}

// The row at once with every slot Null, an empty slot stored as empty texts,
// texts of any kind kept exactly, the arrows at both ends, and a blank
// question counted as unwritten.
void TestAuthoring::newTestFromNextToExit()
{
    TestEnv env;
    frmAdmin& admin = SignInAdmin();
    const QString title = QStringLiteral("Ünïcödé \"Test\"");
    const QString description = QStringLiteral("Say \"why\" in 'two' lines:\nΖωή, 日本語, עברית.\n");
    frmNewTest& editor = AddTest(env, admin, [&](frmNewTestIntro& intro) {
        Heading(title, QStringLiteral("30"))(intro);
        intro.txtDescription->setPlainText(description);
    });
    QCOMPARE(StoredRow(env).mid(1, 2), (QStringList{title, description}));
    QCOMPARE(NullSlotTexts(env), 100);
    Click(editor.cmdPrev);  // on slot 1: nothing, not even a store
    QCOMPARE(NullSlotTexts(env), 100);
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
    WriteUpToLastSlot(editor);
    TypeSlot(editor, QStringLiteral("Q25"));
    Click(editor.cmdNext);  // on slot 25: nothing, not even a store
    QCOMPARE(CurrentQuestion, std::int16_t(25));
    QCOMPARE(NullSlotTexts(env), 4);
    env.fake.answers = {MsgAnswer::Yes};
    Click(editor.cmdSave);
    QCOMPARE(env.fake.shown.back().text, IncompleteQuestion(2));  // slots 1 and 2
    const QStringList stored = StoredRow(env);
    QCOMPARE(stored[1] + stored[8] + stored[100], u'<' + title + QStringLiteral(">   Q25"));
    VerifyBackOnCatalogue(admin);
}

// Typed on slot 1 but never stored: all 25 missing; closing by the frame asks
// as Exit does and No keeps the typing. Slot 25 is stored by Exit only when it
// has a question. The title with an apostrophe is published.
void TestAuthoring::lastSlotStoredOnlyWithQuestionApostropheTitle()
{
    TestEnv env;
    frmAdmin& admin = SignInAdmin();
    frmNewTest& editor = AddTest(env, admin, Heading(QStringLiteral("Pilgrim's Progress"), QStringLiteral("30")));
    const qint64 test = NewestTest(env);
    TypeSlot(editor, QStringLiteral("What is 2+2?"));
    env.fake.answers = {MsgAnswer::No, MsgAnswer::No};
    editor.close();
    QCOMPARE(env.fake.shown[0].text + env.fake.shown[0].title, IncompleteQuestion(25) + QStringLiteral("Incomplete Test"));
    QVERIFY(env.fake.shown[0].buttons == MsgButtons::YesNo);
    QVERIFY(editor.isVisible() && blnNewTest);
    QCOMPARE(editor.txtQuestion->toPlainText(), QStringLiteral("What is 2+2?"));
    WriteUpToLastSlot(editor);
    TypeSlot(editor, QString(), QStringLiteral("only an answer"));
    Click(editor.cmdSave);
    QCOMPARE(env.fake.shown.back().text, IncompleteQuestion(1));  // the same wording for one
    QVERIFY(StoredOf(env, test, QStringLiteral("fldQ25Answer")).isNull());
    TypeSlot(editor, QStringLiteral("Q25"));
    Click(editor.cmdSave);
    QCOMPARE(env.fake.shown.size(), std::size_t(2));  // complete: nothing asked
    QCOMPARE(StoredOf(env, test, QStringLiteral("fldQ25")).toString(), QStringLiteral("Q25"));
    QCOMPARE(NameOf(env, test), QStringLiteral("Pilgrim's Progress"));
    VerifyBackOnCatalogue(admin);
}

// Cancel on a new test or on an edit writes nothing. Marks removed on the
// new test screen: the caption shows the name as stored before, and Exit
// marks the still unfinished test again, never twice.
void TestAuthoring::cancelAndMarksOfAnEditedTest()
{
    TestEnv env;
    const qint64 draft = env.AddTest(QStringLiteral("<Draft>"), 20, QStringLiteral("Dates."));
    env.Exec(QStringLiteral("UPDATE Tests SET fldQ7 = NULL WHERE fldTestNumber = ?"), {draft});
    const QStringList before = env.Rows(QStringLiteral("SELECT * FROM Tests"));
    frmAdmin& admin = SignInAdmin();
    const Act cancel = [](frmNewTestIntro& intro) {
        Heading(QStringLiteral("Changed"), QStringLiteral("5"))(intro);
        Click(intro.cmdCancel);
    };
    QueueUser(env, cancel);
    Click(admin.cmdAddTest);
    VerifyBackOnCatalogue(admin);
    QueueUser(env, [&](frmNewTestIntro& intro) {
        QCOMPARE(intro.txtDescription->toPlainText() + intro.txtMinutes->text(), QStringLiteral("Dates.20"));
        cancel(intro);
    });
    PickRow(admin.lstTests, 0);
    Click(admin.cmdEdit);
    VerifyBackOnCatalogue(admin);
    QCOMPARE(env.Rows(QStringLiteral("SELECT * FROM Tests")), before);

    EditTest(env, admin, draft, [](frmNewTestIntro& intro) {
        QCOMPARE(intro.txtTestName->text(), QStringLiteral("<Draft>"));
        intro.txtTestName->setText(QStringLiteral("Draft"));
    });
    QCOMPARE(Editor().windowTitle(), QStringLiteral("<Draft>"));
    QCOMPARE(NameOf(env, draft), QStringLiteral("Draft"));
    env.fake.answers = {MsgAnswer::Yes, MsgAnswer::Yes};
    Click(Editor().cmdSave);
    QCOMPARE(NameOf(env, draft), QStringLiteral("<Draft>"));
    Click(EditTest(env, admin, draft).cmdSave);  // marks left on: no second pair
    QCOMPARE(NameOf(env, draft), QStringLiteral("<Draft>"));
    // Completed: the marks go, and nothing is asked.
    env.Exec(QStringLiteral("UPDATE Tests SET fldQ7 = 'Q7' WHERE fldTestNumber = ?"), {draft});
    Click(EditTest(env, admin, draft).cmdSave);
    QCOMPARE(env.fake.shown.size(), std::size_t(2));
    QCOMPARE(NameOf(env, draft), QStringLiteral("Draft"));
    VerifyBackOnCatalogue(admin);
    QVERIFY(env.fake.unexpected.isEmpty());
}

void TestAuthoring::headingRefusals_data()
{
    const QString forty(40, u'T');
    const QString tooLong = QStringLiteral("The test title can be at most 40 characters long.");
    const QString badLength = QStringLiteral("The length of the test must be a whole number of minutes from 0 to 32767.");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("minutes");
    QTest::addColumn<QString>("refusal");  // empty: accepted
    QTest::addColumn<bool>("focusOnTitle");
    QTest::newRow("no title") << "" << "" << "You must give the test a title." << true;
    QTest::newRow("no length") << "Algebra" << "" << "You must specify the length of the test." << false;
    QTest::newRow("41 characters") << forty + u'x' << "abc" << tooLong << true;
    // Only an unfinished test's marks are discounted.
    QTest::newRow("40 and a closing >") << forty + u'>' << "abc" << tooLong << true;
    QTest::newRow("marked 40, bad length") << u'<' + forty + u'>' << "abc" << badLength << false;
    QTest::newRow("marked 40, largest") << u'<' + forty + u'>' << " 32767 " << QString() << false;
    QTest::newRow("blanks, zero") << "   " << "0" << QString() << false;
    for (const char* minutes : {"32768", "99999999999", "-1", "1.5", "+5", " ", "thirty"})
        QTest::newRow(minutes) << "T" << minutes << badLength << false;
    QTest::newRow("arabic-indic digits") << "T" << QString::fromUtf8("٣٠") << badLength << false;
}

void TestAuthoring::headingRefusals()
{
    QFETCH(QString, title);
    QFETCH(QString, minutes);
    QFETCH(QString, refusal);
    QFETCH(bool, focusOnTitle);
    TestEnv env;
    frmAdmin& admin = SignInAdmin();
    QueueUser(env, [&](frmNewTestIntro& intro) {
        intro.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&intro));
        Heading(title, minutes)(intro);
        intro.cmdCancel->setFocus();
        Click(intro.cmdNext);
        if (intro.isVisible()) {
            QVERIFY((focusOnTitle ? intro.txtTestName : intro.txtMinutes)->hasFocus());
            Click(intro.cmdCancel);
        }
    });
    Click(admin.cmdAddTest);
    if (refusal.isEmpty()) {
        QVERIFY(env.fake.shown.empty());
        QCOMPARE(StoredRow(env)[1] + u'|' + StoredRow(env)[3], title + u'|' + QString::number(minutes.trimmed().toInt()));
        return;
    }
    QVERIFY(StoredRow(env).size() == 1 && env.fake.shown.size() == 1);  // no row, one box
    QCOMPARE(env.fake.shown[0].text + u'|' + env.fake.shown[0].title, refusal + QStringLiteral("|Required Field"));
    QVERIFY(env.fake.shown[0].buttons == MsgButtons::OK);
}

QTEST_MAIN(TestAuthoring)
#include "test_authoring.moc"
