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

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QProcess>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using namespace Module1;

class TestResume : public QObject {
    Q_OBJECT

private slots:
    void killedAfterTwelveAnswersContinues();
    void continuedPastItsDeadlineIsGradedAtOnce();
    void closedByItsFrameContinuesUntilDeleted();
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

// Take on an unfinished row: no introduction (the fake would note one as unexpected).
frmQuestions& Continue(TestEnv& env, const QString& testName)
{
    frmMain& home = Home();
    if (!ClickRow(home, testName))
        throw std::runtime_error("no row for the test");
    Click(home.cmdTakeTest);
    if (!Screens::IsLoaded<frmQuestions>() || !env.fake.unexpected.isEmpty())
        throw std::runtime_error("the attempt did not continue");
    frmQuestions& screen = Screens::Get<frmQuestions>();
    screen.Timer1->stop();
    return screen;
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
// every answer in its order, the answered numbers green, the time that is
// left of the stored deadline, and Review refused while it is unfinished.
void TestResume::killedAfterTwelveAnswersContinues()
{
    TestEnv env;
    const qint64 student = env.AddStudent(QStringLiteral("Cy"), QStringLiteral("pine"));
    const qint64 geography = env.AddTest(QStringLiteral("Geography"));
    const qint64 other = env.AddStudent(QStringLiteral("Di Ross"), QStringLiteral("oak"));
    env.Exec(QStringLiteral("INSERT INTO Results (fldStudentNumber, fldTestNumber, fldQ1, fldGrade) VALUES (?, ?, '1231C', 4)"),
             {other, geography});
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
    const qint64 killed = DbNow(env);
    // No journal left to roll back, SQLite's own check passes, the other student's result untouched.
    if (!TestEnv::OnServer())
        QVERIFY(!QFile::exists(env.DatabasePath() + QStringLiteral("-journal"))
                && env.Scalar(QStringLiteral("PRAGMA integrity_check")).toString() == QStringLiteral("ok"));
    QCOMPARE(env.Rows(QStringLiteral("SELECT fldQ1, fldQ2, fldGrade FROM Results WHERE fldStudentNumber = ?"), {other}),
             QStringList{"1231C|NULL|4"});

    // The deadline was stored as the attempt began: 30 minutes on.
    const qint64 deadline = env.Scalar(QStringLiteral("SELECT fldDeadline FROM Results WHERE fldStudentNumber = ?"), {student}).toLongLong();
    QVERIFY2(deadline >= started + 1800 && deadline <= killed + 1800, qPrintable(QString::number(deadline - started)));
    // 17 minutes 26 seconds of it have gone by since.
    env.Exec(QStringLiteral("UPDATE Results SET fldDeadline = ? WHERE fldStudentNumber = ?"), {DbNow(env) + 754, student});

    SignIn(env, student);
    frmMain& home = Home();
    QCOMPARE(Rows(home.lstResults), QStringList{Unfinished(QStringLiteral("Geography"))});
    QVERIFY(ClickRow(home, QStringLiteral("Geography")));
    Click(home.cmdReview);
    QVERIFY(!Screens::IsLoaded<frmAnswers>() && home.isVisible());

    frmQuestions& screen = Continue(env, QStringLiteral("Geography"));
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
    Click(screen.cmdDone);
    const QString mine = QStringLiteral("SELECT * FROM Results WHERE fldStudentNumber = ?");
    QStringList stored = env.Rows(mine, {student}).first().split(u'|').mid(3, 12);
    QCOMPARE(stored.join(u' '), twelve);
    QCOMPARE(env.Rows(QStringLiteral("SELECT fldGrade, fldDate FROM Results WHERE fldStudentNumber = ?"), {student}),
             QStringList{"36|" + env.fake.today});
}

// Past its deadline an attempt is finished as Take continues it: graded from
// what was stored, "Time Is Up!" told. One begun before deadlines were kept
// gets the test's length from now.
void TestResume::continuedPastItsDeadlineIsGradedAtOnce()
{
    TestEnv env;
    const qint64 ada = env.AddStudent(QStringLiteral("Ada"), QStringLiteral("pw"));
    const qint64 fractions = env.AddTest(QStringLiteral("Fractions"));
    const qint64 algebra = env.AddTest(QStringLiteral("Algebra"), 45);
    env.Exec(QStringLiteral("INSERT INTO Results (fldStudentNumber, fldTestNumber, fldQ1, fldQ2, fldQ7, fldDeadline) "
                            "VALUES (?, ?, '1231C', '3121X', '2312C', ?)"),
             {ada, fractions, DbNow(env) - 5});
    env.Exec(QStringLiteral("INSERT INTO Results (fldStudentNumber, fldTestNumber, fldQ3) VALUES (?, ?, '1231C')"), {ada, algebra});
    SignIn(env, ada);
    frmMain& home = Home();
    QVERIFY(ClickRow(home, QStringLiteral("Fractions")));
    Click(home.cmdTakeTest);
    ProcessEvents();
    QCOMPARE(env.fake.shown.size(), std::size_t(1));
    QCOMPARE(env.fake.shown[0].text, QStringLiteral("Time Is Up!"));
    QVERIFY(!Screens::IsLoaded<frmQuestions>() && home.isVisible());
    QCOMPARE(env.Rows(QStringLiteral("SELECT fldQ1, fldGrade, fldDate FROM Results WHERE fldTestNumber = ?"), {fractions}),
             QStringList{"1231C|8|" + env.fake.today});
    QCOMPARE(Rows(home.lstResults),
             (QStringList{"Fractions" + QString(32, u' ') + "8" + QString(13, u' ') + env.fake.today, Unfinished("Algebra")}));

    frmQuestions& screen = Continue(env, QStringLiteral("Algebra"));
    const qint64 now = DbNow(env);
    QCOMPARE(screen.lblTime->text(), QStringLiteral("45:00"));
    const qint64 deadline = env.Scalar(QStringLiteral("SELECT fldDeadline FROM Results WHERE fldTestNumber = ?"), {algebra}).toLongLong();
    QVERIFY2(deadline - now >= 2699 && deadline - now <= 2700, qPrintable(QString::number(deadline - now)));
    QCOMPARE(GreenNumbers(screen), QStringLiteral("0010000000000000000000000"));
}

// The attempt is stored as the questions appear; leaving it (as the window
// does when the desktop session ends) keeps it unfinished with the answer on
// screen kept, and Take continues it, until the administrator deletes it.
void TestResume::closedByItsFrameContinuesUntilDeleted()
{
    TestEnv env;
    const qint64 ada = env.AddStudent(QStringLiteral("Ada"), QStringLiteral("pw"));
    env.AddTest(QStringLiteral("Fractions"), 20);
    SignIn(env, ada);
    frmQuestions& first = Take(env, QStringLiteral("Fractions"));
    const QString order = ShownOrder(first);  // a lab's server draws its own
    const QString firstRecord = env.OnLab() ? order + QString::number(order.indexOf(u'1') + 1) + u'C' : QStringLiteral("1231C");
    const qint64 now = DbNow(env);
    QCOMPARE(env.Rows(QStringLiteral("SELECT fldQ1, fldGrade FROM Results")), QStringList{"NULL|NULL"});
    const qint64 deadline = env.Scalar(QStringLiteral("SELECT fldDeadline FROM Results")).toLongLong();
    QVERIFY2(deadline - now >= 1199 && deadline - now <= 1200, qPrintable(QString::number(deadline - now)));
    QCOMPARE(first.lblTime->text(), QStringLiteral("20:00"));

    ChooseRight(first);
    QTest::mouseClick(first.lblQuestionNumber[4], Qt::LeftButton);
    const QString fifth = ShownOrder(first);
    Choose(first, 3);
    first.Leave_Attempt();  // slot 5's answer is on screen, not yet left
    ProcessEvents();
    QVERIFY(!Screens::IsLoaded<frmQuestions>() && Screens::Get<frmMain>().isVisible());
    QCOMPARE(Rows(Screens::Get<frmMain>().lstResults), QStringList{Unfinished("Fractions")});
    const QString fifthRecord = fifth + u'3' + (fifth.at(2) == u'1' ? u'C' : u'X');
    QCOMPARE(env.Rows(QStringLiteral("SELECT fldQ1, fldQ5, fldGrade FROM Results")),
             QStringList{firstRecord + u'|' + fifthRecord + "|NULL"});

    frmQuestions& again = Continue(env, QStringLiteral("Fractions"));
    QVERIFY2(again.lblTime->text() == QStringLiteral("20:00") || again.lblTime->text() == QStringLiteral("19:59"),
             qPrintable(again.lblTime->text()));
    QCOMPARE(GreenNumbers(again), QStringLiteral("1000100000000000000000000"));
    QCOMPARE(ShownOrder(again) + QString::number(ChosenLine(again.optAnswer)), firstRecord.left(4));
    again.Leave_Attempt();
    ProcessEvents();

    // The administrator's list shows it "Unfinished"; View refuses it; Delete
    // lets the student take the test fresh, with its introduction.
    EndProgram();
    frmAdmin& admin = SignInAdmin();
    PickRow(admin.lstStudents, RowOfNumber(admin.lstStudents, ada));
    Click(admin.cmdView);
    frmTestResults& results = Screens::Get<frmTestResults>();
    QCOMPARE(Rows(results.lstResults), QStringList{Unfinished("Fractions")});
    PickRow(results.lstResults, 0);
    Click(results.cmdView);
    QVERIFY(!Screens::IsLoaded<frmAnswers>() && results.isVisible());
    env.fake.answers.push_back(MsgAnswer::Yes);
    Click(results.cmdDelete);
    QCOMPARE(Rows(results.lstResults), QStringList{"Fractions" + QString(32, u' ') + "Not Taken"});
    QCOMPARE(env.Scalar(QStringLiteral("SELECT COUNT(*) FROM Results")).toInt(), 0);

    EndProgram();
    SignIn(env, ada);
    frmQuestions& fresh = Take(env, QStringLiteral("Fractions"));  // the introduction is begun
    QVERIFY(env.fake.modalUsers.empty());
    QCOMPARE(GreenNumbers(fresh), QString(25, u'0'));
    QCOMPARE(env.Rows(QStringLiteral("SELECT fldQ1, fldGrade FROM Results")), QStringList{"NULL|NULL"});
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

QByteArray FileHash(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256) : QByteArray();
}

}

void TestResume::olderDatabaseBroughtForward_data()
{
    QTest::addColumn<bool>("byLabdb");
    QTest::newRow("by the program") << false;
    QTest::newRow("by labdb") << true;
}

// A database of the landed version, twins and an unfinished attempt in it,
// is brought forward with every row kept; afterwards new twins are refused.
void TestResume::olderDatabaseBroughtForward()
{
    QFETCH(bool, byLabdb);
    if (!byLabdb && TestEnv::LabRun()) QSKIP("a lab workstation's role owns no table to bring forward; labdb does");
    if (byLabdb && !TestEnv::OnServer())
        QSKIP("labdb works on a server (the second pass of scripts/test)");
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
    QString refused;
    try {
        env.Exec(insert, {1, 2});
    } catch (const std::runtime_error& error) {
        refused = QString::fromLocal8Bit(error.what());
    }
    QVERIFY2(refused.contains(QStringLiteral("This student has already begun this test.")), qPrintable(refused));
    env.Exec(insert, {2, 2});
    EndProgram();
    RunProgram();  // once forward, opened as it is
    QVERIFY(env.fake.shown.empty() && !env.fake.ended);
}

// A newer version is refused and the database left as it was; so is an
// older one whose upgrade fails, none of the upgrade's steps kept.
void TestResume::newerOrBrokenDatabaseLeftUntouched()
{
    TestEnv env;
    const bool server = TestEnv::OnServer();
    env.Exec(server ? QStringLiteral("UPDATE SchemaVersion SET fldVersion = 7") : QStringLiteral("PRAGMA user_version = 7"));
    const QByteArray before = FileHash(env.DatabasePath());
    RunProgram();
    QVERIFY(env.fake.ended && env.fake.exitCode == 1 && env.fake.shown.size() == 1);
    QCOMPARE(env.fake.shown[0].text,
             QStringLiteral("The database has schema version 7, which this copy of VornickTest does not know (it knows "
                            "versions up to %1). It was left untouched: use the VornickTest that last opened it, or a newer one.")
                 .arg(server ? 3 : 1));
    QCOMPARE(FileHash(env.DatabasePath()), before);
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
