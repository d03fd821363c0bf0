// Import... and Export... on the administration screen, through the real
// widgets; the file dialogs, boxes and the new test screen are answered by
// the scripted platform.
#include "TestEnv.h"
#include "UserActions.h"
#include "screens/Screens.h"
#include "screens/frmAdmin.h"
#include "screens/frmNewTest.h"
#include "screens/frmNewTestIntro.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

class TestQuestionFiles : public QObject {
    Q_OBJECT

private slots:
    void importReportCancelAndStore();
    void exportTheSelectedTest();
};

namespace {


QString LastBox(TestEnv& env)
{
    return env.fake.shown.empty() ? QStringLiteral("no box") : env.fake.shown.back().text + u'|' + env.fake.shown.back().title;
}

// The user of the new test screen: looks at what it proposes, then acts.
void QueueUser(TestEnv& env, std::function<void(frmNewTestIntro&)> act)
{
    env.fake.modalUsers.push_back([act](QWidget& window) { act(static_cast<frmNewTestIntro&>(window)); });
}

}

void TestQuestionFiles::importReportCancelAndStore()
{
    TestEnv env;
    QTemporaryDir files;
    const QString gift = WriteFile(files, QStringLiteral("capitals.gift"),
        "$CATEGORY: Capitals\n\n"
        "Capital of France? {=Paris ~Rome ~Oslo}\n\n"
        "Paris is in France. {T}\n\n"
        "Capital of Peru? {=Lima#Yes ~Quito ~La Paz}\n");
    frmAdmin& admin = SignInAdmin();

    // Cancelled in the file dialog: nothing shown, nothing stored.
    env.fake.fileChoices = {FileChoice{}};
    Click(admin.cmdImport);
    QVERIFY(env.fake.fileDialogs.value(0).startsWith(
        QStringLiteral("Import Questions|Question files (*.gift *.txt);;All files (*)|")));
    QCOMPARE(LastBox(env), QStringLiteral("no box"));

    // The report, then the new test screen with the file's title; Cancel stores nothing.
    const QString report = QStringLiteral(
        "Read capitals.gift as GIFT.\nQuestions that can be used: 2.\nQuestions left out: 1.\n"
        "Line 5: A true/false question; the program needs one right answer (=) and two false answers (~).\n"
        "Notes:\nLine 7: Feedback left out.|Import Questions");
    QString proposed;
    env.fake.fileChoices = {FileChoice{gift, 0}};
    QueueUser(env, [&](frmNewTestIntro& intro) {
        proposed = intro.txtTestName->text() + u'|' + intro.txtMinutes->text();
        Click(intro.cmdCancel);
    });
    Click(admin.cmdImport);
    QCOMPARE(LastBox(env), report);
    QCOMPARE(proposed, QStringLiteral("Capitals|"));
    ProcessEvents();
    QVERIFY(admin.isVisible() && !Screens::IsLoaded<frmNewTest>() && !Screens::IsLoaded<frmNewTestIntro>());
    QCOMPARE(TestCount(env), 0);

    // Next stores the test with its questions in file order; the editor opens on the first.
    env.fake.fileChoices = {FileChoice{gift, 0}};
    QueueUser(env, [](frmNewTestIntro& intro) {
        TypeInto(intro.txtMinutes, QStringLiteral("20"));
        Click(intro.cmdNext);
    });
    Click(admin.cmdImport);
    frmNewTest& editor = Screens::Get<frmNewTest>();
    QVERIFY(editor.isVisible());
    QCOMPARE(editor.txtQuestion->toPlainText() + u'|' + editor.txtAnswer->toPlainText(), QStringLiteral("Capital of France?|Paris"));
    QCOMPARE(env.Rows(QStringLiteral("SELECT fldTestName, fldTime, fldQ1, fldQ1Answer, fldQ1Phony1, fldQ1Phony2, fldQ2, "
                                     "fldQ2Answer, fldQ2Phony1, fldQ2Phony2, fldQ3 FROM Tests")),
             QStringList{QStringLiteral("<Capitals>|20|Capital of France?|Paris|Rome|Oslo|Capital of Peru?|Lima|Quito|La Paz|NULL")});
    env.fake.answers = {MsgAnswer::Yes};
    Click(editor.cmdSave);
    QCOMPARE(LastBox(env), QStringLiteral("There are 23 questions left to write.\r\nAre you sure you want to exit?|Incomplete Test"));
    ProcessEvents();
    QVERIFY(admin.isVisible() && admin.lstTests->count() == 1);
    QCOMPARE(env.Rows(QStringLiteral("SELECT fldTestName FROM Tests")), QStringList{QStringLiteral("<Capitals>")});

    // Files that give no test end with the report: nothing opens, nothing is stored.
    QByteArray bank;
    for (int q = 1; q <= 26; ++q)
        bank += QStringLiteral("Q%1 {=A ~B ~C}\n\n").arg(q).toUtf8();
    env.fake.fileChoices = {FileChoice{WriteFile(files, QStringLiteral("bank.gift"), bank), 0},
                            FileChoice{WriteFile(files, QStringLiteral("photo.txt"), QByteArray("\x89PNG\r\n\x1A\n\0", 9)), 0}};
    Click(admin.cmdImport);
    QCOMPARE(LastBox(env), QStringLiteral("Read bank.gift as GIFT.\nQuestions that can be used: 26.\n\nA test takes at most 25 "
                                          "questions and this file holds 26 usable ones. Split the file and import each "
                                          "part.|Import Questions"));
    Click(admin.cmdImport);
    QCOMPARE(LastBox(env), QStringLiteral("This file cannot be imported.\nLine 1: The file holds a byte that is not UTF-8 "
                                          "text here (0x89). Save the file as UTF-8 and import it again.|Import Questions"));
    QCOMPARE(TestCount(env), 1);
    QCOMPARE(env.fake.unexpected, QStringList());
}

void TestQuestionFiles::exportTheSelectedTest()
{
    TestEnv env;
    QTemporaryDir files;
    env.AddTest(QStringLiteral("Algebra / 1"));
    frmAdmin& admin = SignInAdmin();

    Click(admin.cmdExport);  // nothing selected: no dialog
    QCOMPARE(env.fake.fileDialogs, QStringList());

    PickRow(admin.lstTests, 0);
    env.fake.fileChoices = {FileChoice{}, FileChoice{files.filePath(QStringLiteral("algebra")), 1}};
    Click(admin.cmdExport);  // cancelled
    QVERIFY(env.fake.fileDialogs.value(0).startsWith(QStringLiteral("Export Questions|GIFT files (*.gift);;Aiken files (*.txt)|")));
    QVERIFY(env.fake.fileDialogs.value(0).endsWith(QStringLiteral("/Algebra _ 1.gift")));
    QCOMPARE(LastBox(env), QStringLiteral("no box"));
    Click(admin.cmdExport);  // as Aiken, the suffix added
    const QString path = files.filePath(QStringLiteral("algebra.txt"));
    QCOMPARE(LastBox(env), QStringLiteral("25 questions of \"Algebra / 1\" written to %1 as Aiken.|Export Questions")
                               .arg(QDir::toNativeSeparators(path)));
    QFile written(path);
    QVERIFY(written.open(QIODevice::ReadOnly));
    const QByteArray text = written.readAll();
    QVERIFY(text.startsWith("Q1\nA. A1\nB. P1a\nC. P1b\nANSWER: A\n\nQ2\nA. A2\n"));
    QCOMPARE(text.count("ANSWER: A\n"), 25);
    QCOMPARE(env.fake.unexpected, QStringList());
}

QTEST_MAIN(TestQuestionFiles)
#include "test_questionfiles.moc"
