// Writing and editing tests: the catalogue's Add and Edit, the new test
// screen (run modally by a scripted user), the question editor and its Exit.
#include "TestEnv.h"
#include "UserActions.h"
#include "app/ListRows.h"
#include "app/Module1.h"
#include "screens/Screens.h"
#include "screens/frmAdmin.h"
#include "screens/frmAnswers.h"
#include "screens/frmEntry.h"
#include "screens/frmNewTest.h"
#include "screens/frmNewTestIntro.h"
#include "screens/frmTestResults.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

using namespace Module1;

class TestAuthoring : public QObject {
    Q_OBJECT

private slots:
    void rowExistsRightAfterNext();
    void cancelOnNewLeavesNoRow();
    void cancelOnEditLeavesRowUnchanged();
    void editOpensPickedTestAmongSameNames();
    void emptySlotStoresEmptyTexts();
    void steppingThroughAllSlots();
    void exitOnNewTestCountsAllMissing();
    void lastSlotStoredOnlyWithQuestion();
    void blankQuestionCountsAsUnwritten();
    void completingUnmarksAndEmptyingMarks();
    void markedTestKeepsOneMarkAndEditCaption();
    void closingEditorActsAsExit();
    void titleAndLengthRefusals();
    void lengthRefusals_data();
    void lengthRefusals();
    void exoticTextsRoundTrip();
    void apostropheTitlePublishedReviewedDeleted();
    void failingLoadReturnsToCatalogue();
};

namespace {

frmNewTestIntro& IntroOf(QWidget& window) { return static_cast<frmNewTestIntro&>(window); }

// The user of the modal new test screen: optionally checks what it shows,
// then fills the boxes that are given and presses Next.
void QueueNext(TestEnv& env, const QString& title, const QString& minutes, const QString& description = QString(),
               std::function<void(frmNewTestIntro&)> look = {})
{
    env.fake.modalUsers.push_back([=](QWidget& window) {
        frmNewTestIntro& intro = IntroOf(window);
        if (look)
            look(intro);
        intro.txtTestName->setText(title);
        intro.txtMinutes->setText(minutes);
        if (!description.isNull())
            intro.txtDescription->setPlainText(description);
        Click(intro.cmdNext);
    });
}

void QueueCancel(TestEnv& env, std::function<void(frmNewTestIntro&)> look = {})
{
    env.fake.modalUsers.push_back([=](QWidget& window) {
        if (look)
            look(IntroOf(window));
        Click(IntroOf(window).cmdCancel);
    });
}

frmNewTest& Editor() { return Screens::Get<frmNewTest>(); }

frmNewTest& AddTest(TestEnv& env, frmAdmin& admin, const QString& title, const QString& minutes = QStringLiteral("30"))
{
    QueueNext(env, title, minutes, QStringLiteral("Read carefully."));
    Click(admin.cmdAddTest);
    return Editor();
}

// Opens the test with `number` in the editor, keeping its stored heading.
frmNewTest& EditTest(TestEnv& env, frmAdmin& admin, qint64 number, std::function<void(frmNewTestIntro&)> look = {})
{
    env.fake.modalUsers.push_back([=](QWidget& window) {
        if (look)
            look(IntroOf(window));
        Click(IntroOf(window).cmdNext);
    });
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

// Writes slots 1 to 24 and stops on slot 25 without typing there.
void WriteUpToLastSlot(frmNewTest& editor)
{
    for (int s = 1; s < 25; ++s) {
        TypeSlot(editor, QStringLiteral("Q%1").arg(s));
        Click(editor.cmdNext);
    }
    QCOMPARE(CurrentQuestion, std::int16_t(25));
}

QVariant StoredOf(TestEnv& env, qint64 test, const QString& field)
{
    return env.Scalar(QStringLiteral("SELECT %1 FROM Tests WHERE fldTestNumber = ?").arg(field), {test});
}

qint64 NewestTest(TestEnv& env) { return env.Scalar(QStringLiteral("SELECT MAX(fldTestNumber) FROM Tests")).toLongLong(); }

qint64 Count(TestEnv& env, const QString& sql) { return env.Scalar(sql).toLongLong(); }

QString IncompleteQuestion(int count)
{
    return QStringLiteral("There are %1 questions left to write.\r\nAre you sure you want to exit?").arg(count);
}

// After an Exit that went through: back on the catalogue, authoring closed.
void VerifyBackOnCatalogue(frmAdmin& admin)
{
    ProcessEvents();
    QVERIFY(!Screens::IsLoaded<frmNewTest>());
    QVERIFY(!Screens::IsLoaded<frmNewTestIntro>());
    QVERIFY(admin.isVisible());
    QVERIFY(!blnNewTest);
}

}

void TestAuthoring::rowExistsRightAfterNext()
{
    TestEnv env;
    frmAdmin& admin = SignInAdmin();
    QueueNext(env, QStringLiteral("Algebra"), QStringLiteral("45"), QStringLiteral("Line one\nLine two"),
              [](frmNewTestIntro& intro) {
                  QCOMPARE(intro.windowTitle(), QStringLiteral("Create New Test"));
                  QVERIFY(intro.txtTestName->text().isEmpty());
                  QVERIFY(intro.txtMinutes->text().isEmpty());
                  QVERIFY(!Screens::Get<frmAdmin>().isVisible());
              });
    Click(admin.cmdAddTest);
    frmNewTest& editor = Editor();
    QVERIFY(editor.isVisible());
    QVERIFY(!admin.isVisible());
    QVERIFY(blnNewTest);
    QCOMPARE(editor.windowTitle(), QStringLiteral("Algebra"));
    QCOMPARE(editor.lblQuestion->text(), QStringLiteral("Question 1"));
    QCOMPARE(CurrentQuestion, std::int16_t(1));

    const qint64 test = NewestTest(env);
    QCOMPARE(Count(env, QStringLiteral("SELECT COUNT(*) FROM Tests")), 1);
    QCOMPARE(StoredOf(env, test, QStringLiteral("fldTestName")).toString(), QStringLiteral("Algebra"));
    QCOMPARE(StoredOf(env, test, QStringLiteral("fldDescription")).toString(), QStringLiteral("Line one\nLine two"));
    QCOMPARE(StoredOf(env, test, QStringLiteral("fldTime")).toInt(), 45);
    for (int s = 1; s <= 25; ++s)
        for (const QString& field : {QStringLiteral("fldQ%1"), QStringLiteral("fldQ%1Answer"),
                                     QStringLiteral("fldQ%1Phony1"), QStringLiteral("fldQ%1Phony2")})
            QVERIFY(StoredOf(env, test, field.arg(s)).isNull());
    QVERIFY(env.fake.unexpected.isEmpty());
}

void TestAuthoring::cancelOnNewLeavesNoRow()
{
    TestEnv env;
    env.AddTest(QStringLiteral("History"));
    frmAdmin& admin = SignInAdmin();
    QueueCancel(env, [](frmNewTestIntro& intro) { intro.txtTestName->setText(QStringLiteral("Draft")); });
    Click(admin.cmdAddTest);
    ProcessEvents();
    QCOMPARE(Count(env, QStringLiteral("SELECT COUNT(*) FROM Tests")), 1);
    QVERIFY(admin.isVisible());
    QCOMPARE(admin.lstTests->count(), 1);
    QVERIFY(!Screens::IsLoaded<frmNewTest>());
    QVERIFY(!Screens::IsLoaded<frmNewTestIntro>());
    QVERIFY(!blnNewTest);
    QVERIFY(!blnCancelNewTest);

    // Closing the new test screen by its frame abandons it as Cancel does.
    env.fake.modalUsers.push_back([](QWidget& window) {
        IntroOf(window).txtTestName->setText(QStringLiteral("Draft"));
        IntroOf(window).txtMinutes->setText(QStringLiteral("10"));
        window.close();
    });
    Click(admin.cmdAddTest);
    ProcessEvents();
    QCOMPARE(Count(env, QStringLiteral("SELECT COUNT(*) FROM Tests")), 1);
    QVERIFY(admin.isVisible());
    QVERIFY(!Screens::IsLoaded<frmNewTest>());
    QVERIFY(!blnNewTest);

    // A later Add starts afresh with empty boxes.
    QueueNext(env, QStringLiteral("Second"), QStringLiteral("5"), QString(),
              [](frmNewTestIntro& intro) { QVERIFY(intro.txtTestName->text().isEmpty()); });
    Click(admin.cmdAddTest);
    QVERIFY(Editor().isVisible());
    QCOMPARE(Count(env, QStringLiteral("SELECT COUNT(*) FROM Tests")), 2);
}

void TestAuthoring::cancelOnEditLeavesRowUnchanged()
{
    TestEnv env;
    const qint64 test = env.AddTest(QStringLiteral("History"), 20, QStringLiteral("Dates."));
    frmAdmin& admin = SignInAdmin();
    env.fake.modalUsers.push_back([](QWidget& window) {
        frmNewTestIntro& intro = IntroOf(window);
        QCOMPARE(intro.txtTestName->text(), QStringLiteral("History"));
        QCOMPARE(intro.txtDescription->toPlainText(), QStringLiteral("Dates."));
        QCOMPARE(intro.txtMinutes->text(), QStringLiteral("20"));
        intro.txtTestName->setText(QStringLiteral("Changed"));
        Click(intro.cmdCancel);
    });
    PickRow(admin.lstTests, 0);
    Click(admin.cmdEdit);
    ProcessEvents();
    QCOMPARE(StoredOf(env, test, QStringLiteral("fldTestName")).toString(), QStringLiteral("History"));
    QCOMPARE(StoredOf(env, test, QStringLiteral("fldTime")).toInt(), 20);
    QVERIFY(admin.isVisible());
    QVERIFY(!Screens::IsLoaded<frmNewTest>());

    // Edit with nothing selected does nothing.
    admin.lstTests->clearSelection();
    Click(admin.cmdEdit);
    QVERIFY(admin.isVisible());
    QVERIFY(env.fake.unexpected.isEmpty());
}

void TestAuthoring::editOpensPickedTestAmongSameNames()
{
    TestEnv env;
    const qint64 first = env.AddTest(QStringLiteral("Algebra"), 10);
    const qint64 second = env.AddTest(QStringLiteral("Algebra"), 20);
    env.Exec(QStringLiteral("UPDATE Tests SET fldDescription = NULL WHERE fldTestNumber = ?"), {second});
    frmAdmin& admin = SignInAdmin();
    // Another screen narrowed rsTests to one of them: Edit still finds the other.
    rsTests.Close();
    rsTests.Open(Sql::AllResults(), cnDatabase);
    frmNewTest& editor = EditTest(env, admin, second, [](frmNewTestIntro& intro) {
        QCOMPARE(intro.txtMinutes->text(), QStringLiteral("20"));
        QVERIFY(intro.txtDescription->toPlainText().isEmpty());
        intro.txtMinutes->setText(QStringLiteral("25"));
    });
    QCOMPARE(editor.txtQuestion->toPlainText(), QStringLiteral("Q1"));
    QCOMPARE(editor.txtPhony2->toPlainText(), QStringLiteral("P1b"));
    QCOMPARE(StoredOf(env, second, QStringLiteral("fldTime")).toInt(), 25);
    QCOMPARE(StoredOf(env, first, QStringLiteral("fldTime")).toInt(), 10);
    QVERIFY(!blnNewTest);
    Click(editor.cmdSave);
    VerifyBackOnCatalogue(admin);
    QCOMPARE(Count(env, QStringLiteral("SELECT COUNT(*) FROM Tests")), 2);
}

void TestAuthoring::emptySlotStoresEmptyTexts()
{
    TestEnv env;
    frmAdmin& admin = SignInAdmin();
    frmNewTest& editor = AddTest(env, admin, QStringLiteral("Algebra"));
    const qint64 test = NewestTest(env);
    Click(editor.cmdNext);
    QCOMPARE(editor.lblQuestion->text(), QStringLiteral("Question 2"));
    for (const QString& field : {QStringLiteral("fldQ1"), QStringLiteral("fldQ1Answer"), QStringLiteral("fldQ1Phony1"),
                                 QStringLiteral("fldQ1Phony2")}) {
        const QVariant stored = StoredOf(env, test, field);
        QVERIFY(!stored.isNull());
        QCOMPARE(stored.toString(), QString());
    }
    QVERIFY(StoredOf(env, test, QStringLiteral("fldQ2")).isNull());
}

void TestAuthoring::steppingThroughAllSlots()
{
    TestEnv env;
    frmAdmin& admin = SignInAdmin();
    frmNewTest& editor = AddTest(env, admin, QStringLiteral("Algebra"));
    const qint64 test = NewestTest(env);
    Click(editor.cmdPrev);  // on slot 1: nothing
    QCOMPARE(CurrentQuestion, std::int16_t(1));
    QVERIFY(StoredOf(env, test, QStringLiteral("fldQ1")).isNull());

    WriteUpToLastSlot(editor);
    QCOMPARE(editor.lblQuestion->text(), QStringLiteral("Question 25"));
    for (int s = 1; s <= 24; ++s)
        QCOMPARE(StoredOf(env, test, QStringLiteral("fldQ%1").arg(s)).toString(), QStringLiteral("Q%1").arg(s));
    TypeSlot(editor, QStringLiteral("Q25"));
    Click(editor.cmdNext);  // on slot 25: nothing, not even a store
    QCOMPARE(CurrentQuestion, std::int16_t(25));
    QVERIFY(StoredOf(env, test, QStringLiteral("fldQ25")).isNull());

    // << stores the slot left and shows the one before as stored.
    Click(editor.cmdPrev);
    QCOMPARE(StoredOf(env, test, QStringLiteral("fldQ25")).toString(), QStringLiteral("Q25"));
    QCOMPARE(editor.lblQuestion->text(), QStringLiteral("Question 24"));
    QCOMPARE(editor.txtQuestion->toPlainText(), QStringLiteral("Q24"));
    QCOMPARE(editor.txtPhony1->toPlainText(), QStringLiteral("p1"));
}

void TestAuthoring::exitOnNewTestCountsAllMissing()
{
    TestEnv env;
    frmAdmin& admin = SignInAdmin();
    frmNewTest& editor = AddTest(env, admin, QStringLiteral("Algebra"));
    const qint64 test = NewestTest(env);

    // Typed on slot 1 but never stored: still 25. No keeps the editor as it
    // was, typing included, and marks nothing.
    TypeSlot(editor, QStringLiteral("What is 2+2?"));
    env.fake.answers = {MsgAnswer::No};
    Click(editor.cmdSave);
    QCOMPARE(env.fake.shown.size(), std::size_t(1));
    QCOMPARE(env.fake.shown[0].text, IncompleteQuestion(25));
    QCOMPARE(env.fake.shown[0].title, QStringLiteral("Incomplete Test"));
    QVERIFY(env.fake.shown[0].buttons == MsgButtons::YesNo);
    QVERIFY(editor.isVisible());
    QCOMPARE(CurrentQuestion, std::int16_t(1));
    QCOMPARE(editor.txtQuestion->toPlainText(), QStringLiteral("What is 2+2?"));
    QCOMPARE(StoredOf(env, test, QStringLiteral("fldTestName")).toString(), QStringLiteral("Algebra"));
    QVERIFY(StoredOf(env, test, QStringLiteral("fldQ1")).isNull());
    QVERIFY(!admin.isVisible());

    env.fake.answers = {MsgAnswer::Yes};
    Click(editor.cmdSave);
    QCOMPARE(env.fake.shown.back().text, IncompleteQuestion(25));
    QCOMPARE(StoredOf(env, test, QStringLiteral("fldTestName")).toString(), QStringLiteral("<Algebra>"));
    VerifyBackOnCatalogue(admin);
    QCOMPARE(admin.lstTests->item(0)->text(), QStringLiteral("<Algebra>") + QString(150, u' ') + QString::number(test));
}

void TestAuthoring::lastSlotStoredOnlyWithQuestion()
{
    TestEnv env;
    frmAdmin& admin = SignInAdmin();
    frmNewTest& editor = AddTest(env, admin, QStringLiteral("Algebra"));
    const qint64 test = NewestTest(env);
    WriteUpToLastSlot(editor);
    TypeSlot(editor, QString(), QStringLiteral("only an answer"));
    env.fake.answers = {MsgAnswer::No};
    Click(editor.cmdSave);
    QCOMPARE(env.fake.shown.back().text, IncompleteQuestion(1));  // same wording for one
    QVERIFY(StoredOf(env, test, QStringLiteral("fldQ25Answer")).isNull());

    TypeSlot(editor, QStringLiteral("Q25"));
    const auto asked = env.fake.shown.size();
    Click(editor.cmdSave);
    QCOMPARE(env.fake.shown.size(), asked);  // complete: nothing asked
    QCOMPARE(StoredOf(env, test, QStringLiteral("fldQ25")).toString(), QStringLiteral("Q25"));
    QCOMPARE(StoredOf(env, test, QStringLiteral("fldTestName")).toString(), QStringLiteral("Algebra"));
    VerifyBackOnCatalogue(admin);
}

void TestAuthoring::blankQuestionCountsAsUnwritten()
{
    TestEnv env;
    frmAdmin& admin = SignInAdmin();
    frmNewTest& editor = AddTest(env, admin, QStringLiteral("Algebra"));
    const qint64 test = NewestTest(env);
    WriteUpToLastSlot(editor);
    Click(editor.cmdPrev);
    TypeSlot(editor, QStringLiteral("   "), QStringLiteral("an answer"));  // slot 24 made blank
    Click(editor.cmdNext);
    TypeSlot(editor, QStringLiteral("Q25"));
    env.fake.answers = {MsgAnswer::Yes};
    Click(editor.cmdSave);
    QCOMPARE(StoredOf(env, test, QStringLiteral("fldQ24")).toString(), QStringLiteral("   "));
    QCOMPARE(env.fake.shown.back().text, IncompleteQuestion(1));
    QCOMPARE(StoredOf(env, test, QStringLiteral("fldTestName")).toString(), QStringLiteral("<Algebra>"));
    VerifyBackOnCatalogue(admin);
}

void TestAuthoring::completingUnmarksAndEmptyingMarks()
{
    TestEnv env;
    const qint64 draft = env.AddTest(QStringLiteral("<Draft>"));  // all slots written
    const qint64 done = env.AddTest(QStringLiteral("Done"));
    frmAdmin& admin = SignInAdmin();

    frmNewTest& editor = EditTest(env, admin, draft);
    Click(editor.cmdSave);
    QVERIFY(env.fake.shown.empty());
    QCOMPARE(StoredOf(env, draft, QStringLiteral("fldTestName")).toString(), QStringLiteral("Draft"));
    VerifyBackOnCatalogue(admin);

    // A finished test whose question is emptied is withdrawn once confirmed.
    frmNewTest& again = EditTest(env, admin, done);
    Click(again.cmdNext);
    again.txtQuestion->clear();
    Click(again.cmdPrev);
    env.fake.answers = {MsgAnswer::Yes};
    Click(again.cmdSave);
    QCOMPARE(env.fake.shown.back().text, IncompleteQuestion(1));
    QCOMPARE(StoredOf(env, done, QStringLiteral("fldTestName")).toString(), QStringLiteral("<Done>"));
    VerifyBackOnCatalogue(admin);
    QCOMPARE(KeyedRow::NameBeforeKey(admin.lstTests->item(RowOfNumber(admin.lstTests, done))->text()),
             QStringLiteral("<Done>"));
}

void TestAuthoring::markedTestKeepsOneMarkAndEditCaption()
{
    TestEnv env;
    const qint64 draft = env.AddTest(QStringLiteral("<Draft>"));
    env.Exec(QStringLiteral("UPDATE Tests SET fldQ7 = NULL WHERE fldTestNumber = ?"), {draft});
    frmAdmin& admin = SignInAdmin();

    // The administrator removes the marks on the new test screen; the
    // caption still shows the name as stored before, marks and all.
    env.fake.modalUsers.push_back([](QWidget& window) {
        frmNewTestIntro& intro = IntroOf(window);
        QCOMPARE(intro.txtTestName->text(), QStringLiteral("<Draft>"));
        intro.txtTestName->setText(QStringLiteral("Draft"));
        Click(intro.cmdNext);
    });
    PickRow(admin.lstTests, RowOfNumber(admin.lstTests, draft));
    Click(admin.cmdEdit);
    QCOMPARE(Editor().windowTitle(), QStringLiteral("<Draft>"));
    QCOMPARE(StoredOf(env, draft, QStringLiteral("fldTestName")).toString(), QStringLiteral("Draft"));
    env.fake.answers = {MsgAnswer::Yes};
    Click(Editor().cmdSave);
    QCOMPARE(StoredOf(env, draft, QStringLiteral("fldTestName")).toString(), QStringLiteral("<Draft>"));
    VerifyBackOnCatalogue(admin);

    // Left marked on the new test screen: no second pair of marks.
    frmNewTest& editor = EditTest(env, admin, draft);
    env.fake.answers = {MsgAnswer::Yes};
    Click(editor.cmdSave);
    QCOMPARE(StoredOf(env, draft, QStringLiteral("fldTestName")).toString(), QStringLiteral("<Draft>"));
    VerifyBackOnCatalogue(admin);
}

void TestAuthoring::closingEditorActsAsExit()
{
    TestEnv env;
    frmAdmin& admin = SignInAdmin();
    frmNewTest& editor = AddTest(env, admin, QStringLiteral("Algebra"));
    const qint64 test = NewestTest(env);
    env.fake.answers = {MsgAnswer::No};
    editor.close();
    QCOMPARE(env.fake.shown.back().text, IncompleteQuestion(25));
    QVERIFY(editor.isVisible());
    QVERIFY(Screens::IsLoaded<frmNewTest>());
    QVERIFY(blnNewTest);

    env.fake.answers = {MsgAnswer::Yes};
    editor.close();
    QCOMPARE(StoredOf(env, test, QStringLiteral("fldTestName")).toString(), QStringLiteral("<Algebra>"));
    VerifyBackOnCatalogue(admin);
}

void TestAuthoring::titleAndLengthRefusals()
{
    TestEnv env;
    frmAdmin& admin = SignInAdmin();
    const QString forty(40, u'T');
    env.fake.modalUsers.push_back([&](QWidget& window) {
        frmNewTestIntro& intro = IntroOf(window);
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        auto pressNext = [&](const QString& title, const QString& minutes) {
            intro.txtTestName->setText(title);
            intro.txtMinutes->setText(minutes);
            intro.cmdCancel->setFocus();
            Click(intro.cmdNext);
            QVERIFY(intro.isVisible());
            QCOMPARE(env.fake.shown.back().title, QStringLiteral("Required Field"));
            QVERIFY(env.fake.shown.back().buttons == MsgButtons::OK);
        };
        pressNext(QString(), QString());
        QCOMPARE(env.fake.shown.back().text, QStringLiteral("You must give the test a title."));
        QVERIFY(intro.txtTestName->hasFocus());
        pressNext(QStringLiteral("Algebra"), QString());
        QCOMPARE(env.fake.shown.back().text, QStringLiteral("You must specify the length of the test."));
        QVERIFY(intro.txtMinutes->hasFocus());
        pressNext(forty + QStringLiteral("x"), QStringLiteral("abc"));
        QCOMPARE(env.fake.shown.back().text, QStringLiteral("The test title can be at most 40 characters long."));
        QVERIFY(intro.txtTestName->hasFocus());
        // Only an unfinished test's marks are discounted: a ">" closing an
        // unmarked title is part of what students see.
        pressNext(forty + QStringLiteral(">"), QStringLiteral("abc"));
        QCOMPARE(env.fake.shown.back().text, QStringLiteral("The test title can be at most 40 characters long."));
        pressNext(QStringLiteral("<") + forty + QStringLiteral(">"), QStringLiteral("abc"));
        QCOMPARE(env.fake.shown.back().text,
                 QStringLiteral("The length of the test must be a whole number of minutes from 0 to 32767."));
        QVERIFY(intro.txtMinutes->hasFocus());
        QCOMPARE(env.fake.shown.size(), std::size_t(5));
        // A title of blanks passes, as does an unfinished title of 40 characters.
        intro.txtTestName->setText(QStringLiteral("<") + forty + QStringLiteral(">"));
        intro.txtMinutes->setText(QStringLiteral(" 32767 "));
        Click(intro.cmdNext);
    });
    Click(admin.cmdAddTest);
    QVERIFY(Editor().isVisible());
    QCOMPARE(StoredOf(env, NewestTest(env), QStringLiteral("fldTime")).toInt(), 32767);
    QCOMPARE(StoredOf(env, NewestTest(env), QStringLiteral("fldTestName")).toString(),
             QStringLiteral("<") + forty + QStringLiteral(">"));
    QCOMPARE(env.fake.shown.size(), std::size_t(5));
}

void TestAuthoring::lengthRefusals_data()
{
    QTest::addColumn<QString>("minutes");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("zero") << "0" << true;
    QTest::newRow("largest") << "32767" << true;
    QTest::newRow("too large") << "32768" << false;
    QTest::newRow("far too large") << "99999999999" << false;
    QTest::newRow("negative") << "-1" << false;
    QTest::newRow("fraction") << "1.5" << false;
    QTest::newRow("plus sign") << "+5" << false;
    QTest::newRow("blank") << " " << false;
    QTest::newRow("words") << "thirty" << false;
    QTest::newRow("arabic-indic digits") << QString::fromUtf8("٣٠") << false;
}

void TestAuthoring::lengthRefusals()
{
    QFETCH(QString, minutes);
    QFETCH(bool, accepted);
    TestEnv env;
    frmAdmin& admin = SignInAdmin();
    env.fake.modalUsers.push_back([&](QWidget& window) {
        frmNewTestIntro& intro = IntroOf(window);
        intro.txtTestName->setText(QStringLiteral("   "));
        intro.txtMinutes->setText(minutes);
        Click(intro.cmdNext);
        if (intro.isVisible())
            Click(intro.cmdCancel);
    });
    Click(admin.cmdAddTest);
    QCOMPARE(Count(env, QStringLiteral("SELECT COUNT(*) FROM Tests")), accepted ? 1 : 0);
    QCOMPARE(env.fake.shown.size(), accepted ? std::size_t(0) : std::size_t(1));
    if (accepted)
        QCOMPARE(StoredOf(env, NewestTest(env), QStringLiteral("fldTestName")).toString(), QStringLiteral("   "));
}

void TestAuthoring::exoticTextsRoundTrip()
{
    TestEnv env;
    frmAdmin& admin = SignInAdmin();
    const QString description = QStringLiteral("Say \"why\" in 'two' lines:\nΖωή, 日本語, עברית.\n");
    QueueNext(env, QStringLiteral("Ünïcödé \"Test\""), QStringLiteral("30"), description);
    Click(admin.cmdAddTest);
    frmNewTest& editor = Editor();
    const qint64 test = NewestTest(env);
    QCOMPARE(StoredOf(env, test, QStringLiteral("fldDescription")).toString(), description);

    const QString question = QStringLiteral("He said \"it's\"\n\n\tindented; 100% \\ back\u00a0slash ") + QString(5000, u'x');
    const QString answer = QStringLiteral("مرحبا بالعالم 👋");
    const QString phony1 = QStringLiteral("  leading and trailing  ");
    const QString phony2 = QStringLiteral("Line\nbreak\n");
    editor.txtQuestion->setPlainText(question);
    editor.txtAnswer->setPlainText(answer);
    editor.txtPhony1->setPlainText(phony1);
    editor.txtPhony2->setPlainText(phony2);
    Click(editor.cmdNext);
    QCOMPARE(StoredOf(env, test, QStringLiteral("fldQ1")).toString(), question);
    QCOMPARE(StoredOf(env, test, QStringLiteral("fldQ1Answer")).toString(), answer);
    QCOMPARE(StoredOf(env, test, QStringLiteral("fldQ1Phony1")).toString(), phony1);
    QCOMPARE(StoredOf(env, test, QStringLiteral("fldQ1Phony2")).toString(), phony2);
    Click(editor.cmdPrev);
    QCOMPARE(editor.txtQuestion->toPlainText().size(), question.size());
    QCOMPARE(StoredOf(env, test, QStringLiteral("fldQ1")).toString(), question);
    QCOMPARE(StoredOf(env, test, QStringLiteral("fldQ1Answer")).toString(), answer);

    // Opened again for an edit, the description comes back exactly too.
    env.fake.answers = {MsgAnswer::Yes};
    Click(editor.cmdSave);
    ProcessEvents();
    EditTest(env, admin, test);
    QCOMPARE(StoredOf(env, test, QStringLiteral("fldDescription")).toString(), description);
    QCOMPARE(StoredOf(env, test, QStringLiteral("fldTestName")).toString(), QStringLiteral("<Ünïcödé \"Test\">"));
}

void TestAuthoring::apostropheTitlePublishedReviewedDeleted()
{
    TestEnv env;
    const qint64 ann = env.AddStudent(QStringLiteral("Ann"), QStringLiteral("pw"));
    frmAdmin& admin = SignInAdmin();
    frmNewTest& editor = AddTest(env, admin, QStringLiteral("Pilgrim's Progress"));
    const qint64 test = NewestTest(env);
    WriteUpToLastSlot(editor);
    TypeSlot(editor, QStringLiteral("Q25"));
    Click(editor.cmdSave);
    VerifyBackOnCatalogue(admin);
    QCOMPARE(StoredOf(env, test, QStringLiteral("fldTestName")).toString(), QStringLiteral("Pilgrim's Progress"));

    // Taken by Ann: the administrator's review finds the test by its title.
    env.Insert(QStringLiteral("INSERT INTO Results (fldStudentNumber, fldTestNumber, fldGrade, fldDate) VALUES (?, ?, 96, 'x')"),
               {ann, test});
    PickRow(admin.lstStudents, 0);
    Click(admin.cmdView);
    frmTestResults& results = Screens::Get<frmTestResults>();
    QCOMPARE(results.lstResults->count(), 1);
    PickRow(results.lstResults, 0);
    Click(results.cmdView);
    QCOMPARE(rsTests.Field(QStringLiteral("fldTestNumber")).toLongLong(), test);
    QCOMPARE(rsResults.Field(QStringLiteral("fldGrade")).toInt(), 96);
    Screens::Unload<frmAnswers>();
    Click(results.cmdExit);
    ProcessEvents();

    PickRow(admin.lstTests, 0);
    env.fake.answers = {MsgAnswer::Yes};
    Click(admin.cmdDeleteTest);
    QCOMPARE(Count(env, QStringLiteral("SELECT COUNT(*) FROM Tests")), 0);
    QCOMPARE(Count(env, QStringLiteral("SELECT COUNT(*) FROM Results")), 0);
    QVERIFY(env.fake.unexpected.isEmpty());
}

// The editor cannot write its row (the table has gone): the ignored failure
// leaves no half-open authoring behind and the catalogue comes back.
void TestAuthoring::failingLoadReturnsToCatalogue()
{
    TestEnv env;
    frmAdmin& admin = SignInAdmin();
    env.Exec(QStringLiteral("DROP TABLE Tests"));
    QueueNext(env, QStringLiteral("Algebra"), QStringLiteral("30"));
    Click(admin.cmdAddTest);
    ProcessEvents();
    QVERIFY(admin.isVisible());
    QVERIFY(!Screens::IsLoaded<frmNewTest>());
    QVERIFY(!Screens::IsLoaded<frmNewTestIntro>());
    QVERIFY(!blnNewTest);
    QVERIFY(!env.fake.ended);
}

QTEST_MAIN(TestAuthoring)
#include "test_authoring.moc"
