// An interrupted attempt continues: killed, closed or out of time; one attempt
// per student and test in the database; older databases brought forward.
#include "LabDatabase.h"
#include "TestServer.h"
#include "StudentDesk.h"
#include "TestEnv.h"
#include "UserActions.h"
#include "app/Module1.h"
#include "data/Schema.h"
#include "data/ServerSettings.h"
#include "screens/Screens.h"
#include "screens/SlotScreen.h"
#include "screens/frmAdmin.h"
#include "screens/frmAnswers.h"
#include "screens/frmEntry.h"
#include "screens/frmMain.h"
#include "screens/frmQuestions.h"
#include "screens/frmTestResults.h"

#include <QSqlQuery>
#include <QtTest>
#include <QtWidgets>

using namespace Module1;

class TestResume : public QObject {
    Q_OBJECT

private slots:
    void killedAfterTwelveAnswersContinues();
    void olderDatabaseBroughtForward_data();
    void olderDatabaseBroughtForward();
    void newerOrBrokenDatabaseLeftUntouched();
    void labCopyKeepsTwinsAndRefusesNewOnes();
};

namespace {

const QString Twelve = QStringLiteral("1231C 3122C 2311X 1231C 3122C 2311X 1231C 3122C 2311X 1231C 3122C 2311X");

// The database's clock in whole seconds since 1970, read straight.
qint64 DbNow(TestEnv& env)
{
    return env.Scalar(TestEnv::OnServer() ? QStringLiteral("SELECT CAST(floor(extract(epoch FROM clock_timestamp())) AS BIGINT)")
                                          : QStringLiteral("SELECT CAST(strftime('%s', 'now') AS INTEGER)"))
        .toLongLong();
}

// "1" for each slot number shown green, "0" for the others.
QString GreenNumbers(const frmQuestions& screen)
{
    QString green;
    for (const QLabel* number : screen.lblQuestionNumber)
        green += TextColour(*number) == QColor(0, 153, 0) ? u'1' : u'0';
    return green;
}

// The records midtest printed ("record S RECORD"), blank-separated.
QString RecordsPrinted(const QByteArray& output)
{
    QStringList records;
    for (const QByteArray& line : output.split('\n'))
        if (line.startsWith("record "))
            records << QString::fromLatin1(line.split(' ').value(2));
    return records.join(u' ');
}

QString Unfinished(const QString& name) { return name + QString(41 - name.size(), u' ') + QStringLiteral("Unfinished"); }

// Closes every screen and the connection, as a program's end does.
void EndProgram()
{
    Screens::DiscardAll();
    ProcessEvents();
    Module1::Reset();
}

void RunProgram() { RunGuarded([] { Screens::Show<frmEntry>(); }); }

}

// A real program killed after its twelfth answer: the attempt continues with
// every answer in its order, the answered numbers green and the time left of
// the deadline stored as it began; Review is refused while it is unfinished.
// Left again (as the window does when the desktop session ends) it keeps the
// answer on screen; the administrator sees it unfinished and cannot view it;
// past its deadline, Take finishes it at once, graded from what was stored.
void TestResume::killedAfterTwelveAnswersContinues()
{
    TestEnv env;
    const qint64 student = env.AddStudent(QStringLiteral("Cy"), QStringLiteral("pine"));
    env.AddTest(QStringLiteral("Geography"));
    const qint64 started = DbNow(env);
    QProcess helper;
    helper.start(QCoreApplication::applicationDirPath() + QStringLiteral("/midtest"),
                 {env.fake.programFolder, QStringLiteral("Cy"), QStringLiteral("pine"), QStringLiteral("Geography"), "12"});
    QVERIFY2(helper.waitForStarted(), qPrintable(helper.errorString()));
    QByteArray output;
    for (QDeadlineTimer limit(60000); !output.contains("answered 12") && helper.state() == QProcess::Running && !limit.hasExpired();) {
        helper.waitForReadyRead(1000);
        output += helper.readAllStandardOutput();
    }
    QVERIFY2(output.contains("answered 12"), helper.readAllStandardError().constData());
    helper.kill();
    QVERIFY(helper.waitForFinished(10000) && helper.exitStatus() == QProcess::CrashExit);
    // On a lab the server drew the orders: the records are those midtest saw.
    const QString twelve = env.OnLab() ? RecordsPrinted(output) : Twelve;
    // No journal left to roll back, and SQLite's own check passes.
    if (!TestEnv::OnServer())
        QVERIFY(!QFile::exists(env.DatabasePath() + QStringLiteral("-journal"))
                && env.Scalar(QStringLiteral("PRAGMA integrity_check")).toString() == QStringLiteral("ok"));
    // The deadline was stored as the attempt began: 30 minutes on.
    const qint64 deadline = env.Scalar(QStringLiteral("SELECT fldDeadline FROM Results")).toLongLong();
    QVERIFY2(deadline >= started + 1800 && deadline <= DbNow(env) + 1800, qPrintable(QString::number(deadline - started)));
    // 17 minutes 26 seconds of it have gone by since.
    env.Exec(QStringLiteral("UPDATE Results SET fldDeadline = ?"), {DbNow(env) + 754});

    SignIn(env, student);
    frmMain& home = Home();
    QCOMPARE(Rows(home.lstResults), QStringList{Unfinished(QStringLiteral("Geography"))});
    QVERIFY(ClickRow(home, QStringLiteral("Geography")));
    Click(home.cmdReview);
    QVERIFY(!Screens::IsLoaded<frmAnswers>() && home.isVisible());

    frmQuestions& screen = Take(env, QStringLiteral("Geography"), false);
    QVERIFY2(screen.lblTime->text() == QStringLiteral("12:34") || screen.lblTime->text() == QStringLiteral("12:33"),
             qPrintable(screen.lblTime->text()));
    QCOMPARE(GreenNumbers(screen), QStringLiteral("1111111111110000000000000"));
    QStringList shown;
    for (int slot = 1; slot <= 12; ++slot) {
        QTest::mouseClick(screen.lblQuestionNumber[static_cast<std::size_t>(slot - 1)], Qt::LeftButton);
        shown << ShownOrder(screen) + QString::number(ChosenLine(screen.optAnswer));
    }
    QCOMPARE(shown.join(u' '), QString(twelve).remove(u'C').remove(u'X'));
    QTest::mouseClick(screen.lblQuestionNumber[12], Qt::LeftButton);
    QCOMPARE(ChosenLine(screen.optAnswer), 0);
    ChooseRight(screen);
    const QString thirteenth = ShownOrder(screen) + QString::number(ShownOrder(screen).indexOf(u'1') + 1) + u'C';
    screen.Leave_Attempt();  // slot 13's answer is on screen, not yet left
    ProcessEvents();
    QVERIFY(!Screens::IsLoaded<frmQuestions>() && home.isVisible());
    QCOMPARE(env.Rows(QStringLiteral("SELECT * FROM Results")).first().split(u'|').mid(3, 14).join(u' '),
             twelve + u' ' + thirteenth + QStringLiteral(" NULL"));

    // The administrator's list shows it "Unfinished", and View refuses it.
    EndProgram();
    frmAdmin& admin = SignInAdmin();
    PickRow(admin.lstStudents, RowOfNumber(admin.lstStudents, student));
    Click(admin.cmdView);
    frmTestResults& results = Screens::Get<frmTestResults>();
    QCOMPARE(Rows(results.lstResults), QStringList{Unfinished(QStringLiteral("Geography"))});
    PickRow(results.lstResults, 0);
    Click(results.cmdView);
    QVERIFY(!Screens::IsLoaded<frmAnswers>() && results.isVisible());

    // Past its deadline: "Time Is Up!", graded from what was stored (slot 13 right too).
    EndProgram();
    env.Exec(QStringLiteral("UPDATE Results SET fldDeadline = ?"), {DbNow(env) - 5});
    SignIn(env, student);
    frmMain& again = Home();
    QVERIFY(ClickRow(again, QStringLiteral("Geography")));
    Click(again.cmdTakeTest);
    ProcessEvents();
    QCOMPARE(env.fake.shown.size(), std::size_t(1));
    QCOMPARE(env.fake.shown[0].text, QStringLiteral("Time Is Up!"));
    QVERIFY(!Screens::IsLoaded<frmQuestions>() && again.isVisible());
    QCOMPARE(env.Rows(QStringLiteral("SELECT fldGrade, fldDate FROM Results")), QStringList{"36|" + env.fake.today});
}

namespace {

// The tables as the program kept them before this version: no deadline, no
// one-attempt rule, no administrator's table, no recorded version (on a
// server, no roles' functions either).
void MakeLandedDatabase(TestEnv& env)
{
    const bool server = TestEnv::OnServer();
    for (const char* table : {"Results", "Tests", "Passwords", "Administrator"})
        env.Exec(QStringLiteral("DROP TABLE %1").arg(QLatin1String(table)));
    if (server) {
        env.Exec(QStringLiteral("DROP TABLE SchemaVersion, StudentSessions, ShownOrders"));
        env.Exec(QStringLiteral("DROP FUNCTION OneAttemptPerStudentAndTest()"));
    } else {
        env.Exec(QStringLiteral("PRAGMA user_version = 0"));
    }
    const QString key = server ? QStringLiteral("BIGINT GENERATED BY DEFAULT AS IDENTITY PRIMARY KEY")
                               : QStringLiteral("INTEGER PRIMARY KEY AUTOINCREMENT");
    QStringList slotColumns, answers;
    for (int s = 1; s <= 25; ++s) {
        slotColumns << QStringLiteral("fldQ%1 TEXT, fldQ%1Answer TEXT, fldQ%1Phony1 TEXT, fldQ%1Phony2 TEXT").arg(s);
        answers << QStringLiteral("fldQ%1 TEXT").arg(s);
    }
    env.Exec(QStringLiteral("CREATE TABLE Passwords (fldStudentNumber %1, fldStudentName TEXT, fldPassword TEXT)").arg(key));
    env.Exec(QStringLiteral("CREATE TABLE Tests (fldTestNumber %1, fldTestName TEXT, fldDescription TEXT, fldTime INTEGER, %2)")
                 .arg(key, slotColumns.join(u',')));
    env.Exec(QStringLiteral("CREATE TABLE Results (fldResultNumber %1, fldStudentNumber BIGINT, fldTestNumber BIGINT, %2, "
                            "fldGrade INTEGER, fldDate TEXT)")
                 .arg(key, answers.join(u',')));
    env.Exec(QStringLiteral("CREATE INDEX ResultsByStudentAndTest ON Results (fldStudentNumber, fldTestNumber)"));
}

QString VersionOf(TestEnv& env)
{
    return env.Scalar(TestEnv::OnServer() ? QStringLiteral("SELECT fldVersion FROM SchemaVersion")
                                          : QStringLiteral("PRAGMA user_version")).toString();
}

}

void TestResume::olderDatabaseBroughtForward_data()
{
    QTest::addColumn<bool>("byLabdb");
    QTest::newRow("by the program") << false;
    QTest::newRow("by labdb") << true;
}

// A database of the landed version, twins and an unfinished attempt in it,
// is brought forward with every row kept; afterwards new twins are refused,
// and the unfinished attempt, begun before deadlines were kept, continues
// with the test's whole length from now.
void TestResume::olderDatabaseBroughtForward()
{
    QFETCH(bool, byLabdb);
    if (byLabdb && !TestEnv::OnServer())
        QSKIP("labdb works on a server (the second pass of scripts/test)");
    if (!byLabdb && TestEnv::LabRun()) QSKIP("a lab workstation's role owns no table to bring forward; labdb does");
    TestEnv env;
    MakeLandedDatabase(env);
    env.Exec(QStringLiteral("INSERT INTO Passwords (fldStudentName, fldPassword) VALUES ('Ann', 'a')"));
    env.AddTest(QStringLiteral("First"));
    env.AddTest(QStringLiteral("Second"));
    for (const char* values : {"1, 1, '1231C', 4", "1, 1, '1232X', 0", "1, 2, '3121X', NULL"})
        env.Exec(QStringLiteral("INSERT INTO Results (fldStudentNumber, fldTestNumber, fldQ1, fldGrade) VALUES (%1)")
                     .arg(QLatin1String(values)));
    if (!TestEnv::OnServer())
        QCOMPARE(VersionOf(env), QStringLiteral("0"));

    if (byLabdb) {
        const LabDatabase::Versions versions = LabDatabase::Upgrade(env.Owner());
        QCOMPARE(QList<int>({versions.before, versions.after}), QList<int>({0, 3}));
    }
    RunProgram();
    QVERIFY2(env.fake.shown.empty() && !env.fake.ended, env.fake.shown.empty() ? "" : qPrintable(env.fake.shown[0].text));
    QCOMPARE(VersionOf(env), TestEnv::OnServer() ? QStringLiteral("3") : QStringLiteral("1"));
    QCOMPARE(env.Scalar(QStringLiteral("SELECT COUNT(*) FROM Administrator")).toInt(), 0);
    QCOMPARE(env.Rows(QStringLiteral("SELECT fldStudentNumber, fldTestNumber, fldQ1, fldGrade, fldDeadline FROM Results "
                                     "ORDER BY fldResultNumber")),
             (QStringList{"1|1|1231C|4|NULL", "1|1|1232X|0|NULL", "1|2|3121X|NULL|NULL"}));
    // A second attempt is refused by the database, whoever stores it; another student is not held back.
    const QString insert = QStringLiteral("INSERT INTO Results (fldStudentNumber, fldTestNumber) VALUES (?, ?)");
    const QString refused = FailureOf([&] { env.Exec(insert, {1, 2}); });
    QVERIFY2(refused.contains(QStringLiteral("This student has already begun this test.")), qPrintable(refused));
    env.Exec(insert, {2, 2});
    EndProgram();
    RunProgram();  // once forward, opened as it is
    QVERIFY(env.fake.shown.empty() && !env.fake.ended);
    EndProgram();
    SignIn(env, 1);
    QCOMPARE(Take(env, QStringLiteral("Second"), false).lblTime->text(), QStringLiteral("30:00"));
    const QString deadline = QStringLiteral("SELECT fldDeadline FROM Results WHERE fldStudentNumber = 1 AND fldTestNumber = 2");
    const qint64 left = env.Scalar(deadline).toLongLong() - DbNow(env);
    QVERIFY2(left >= 1799 && left <= 1800, qPrintable(QString::number(left)));
}

// A newer version is refused and the database left as it was; so is an
// older one whose upgrade fails, none of the upgrade's steps kept.
void TestResume::newerOrBrokenDatabaseLeftUntouched()
{
    TestEnv env;
    const bool server = TestEnv::OnServer();
    env.Exec(server ? QStringLiteral("UPDATE SchemaVersion SET fldVersion = 7") : QStringLiteral("PRAGMA user_version = 7"));
    const auto bytes = [&] {
        QFile file(env.DatabasePath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    const QByteArray before = bytes();
    RunProgram();
    QVERIFY(env.fake.ended && env.fake.exitCode == 1 && env.fake.shown.size() == 1);
    QCOMPARE(env.fake.shown[0].text,
             QStringLiteral("The database has schema version 7, which this copy of VornickTest does not know (it knows "
                            "versions up to %1). It was left untouched: use the VornickTest that last opened it, or a newer one.")
                 .arg(server ? 3 : 1));
    QVERIFY(bytes() == before);
    QCOMPARE(VersionOf(env), QStringLiteral("7"));

    // A landed database that somehow has the deadline field already.
    EndProgram();
    env.fake.shown.clear();
    env.fake.ended = false;
    MakeLandedDatabase(env);
    env.Exec(QStringLiteral("ALTER TABLE Results ADD COLUMN fldDeadline INTEGER"));
    RunProgram();
    QVERIFY(env.fake.ended && env.fake.shown.size() == 1);
    QVERIFY2(env.fake.shown[0].text.startsWith(QStringLiteral("The database is of an older version and could not be brought "
                                                               "up to date: "))
                 && env.fake.shown[0].text.endsWith(QStringLiteral("\nIt was left untouched.")),
             qPrintable(env.fake.shown[0].text));
    const QString triggers = server ? QStringLiteral("SELECT COUNT(*) FROM pg_trigger WHERE NOT tgisinternal")
                                    : QStringLiteral("SELECT COUNT(*) FROM sqlite_master WHERE type = 'trigger'");
    QCOMPARE(env.Scalar(triggers).toInt(), 0);
    if (!server)
        QCOMPARE(VersionOf(env), QStringLiteral("0"));
}

// Twins in a file from before the rule are copied to a lab's server as they
// are; the server then refuses new ones.
void TestResume::labCopyKeepsTwinsAndRefusesNewOnes()
{
    if (!TestEnv::OnServer())
        QSKIP("needs a PostgreSQL server (the second pass of scripts/test)");
    TestEnv env;
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("Ostrel.mdb"));
    Schema::CreateDatabase(file);
    {
        Connection source(QStringLiteral("twins"));
        source.Open(file);
        QSqlQuery seed(source.Database());
        for (const char* sql : {"DROP TRIGGER OneAttemptPerStudentAndTest", "INSERT INTO Passwords VALUES (4, 'Ann', 'a')",
                                "INSERT INTO Tests (fldTestNumber, fldTestName, fldTime) VALUES (6, 'T', 30)",
                                "INSERT INTO Results (fldStudentNumber, fldTestNumber, fldGrade) VALUES (4, 6, 80)",
                                "INSERT INTO Results (fldStudentNumber, fldTestNumber, fldGrade) VALUES (4, 6, NULL)"})
            QVERIFY2(seed.exec(QString::fromLatin1(sql)), sql);
    }
    const ServerSettings target = TestServer::FreshDatabase(false);
    QCOMPARE(LabDatabase::CopyFrom(file, target).results, 2);
    QCOMPARE(env.Rows(QStringLiteral("SELECT fldGrade FROM Results ORDER BY fldResultNumber")), (QStringList{"80", "NULL"}));
    QVERIFY_THROWS_EXCEPTION(std::runtime_error,
                             env.Exec(QStringLiteral("INSERT INTO Results (fldStudentNumber, fldTestNumber) VALUES (4, 6)")));
}

QTEST_MAIN(TestResume)
#include "test_resume.moc"
