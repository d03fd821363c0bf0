// A lab's server keeps keys and grades from the workstations: with the
// workstation's settings file, a student can only do what the student screens
// do, for their own session. Needs a server; skips on the SQLite pass.
#include "LabDatabase.h"
#include "TestEnv.h"
#include "TestServer.h"
#include "data/Connection.h"
#include "data/DbError.h"
#include "data/LabSession.h"
#include "data/Schema.h"
#include "data/ServerSettings.h"

#include <QDate>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

class TestLabSafe : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void workstationRoleReachesNoTable();
    void sessionTakesOnlyItsOwnAttempt();
    void versionTwoBroughtForward();
};

namespace {

// The owner's settings of this test's database.
ServerSettings OwnerSettings(const TestEnv& env) { return env.Owner(); }

// Settles the workstation role's password and returns its settings file.
ServerSettings WorkstationSettings(const TestEnv& env, const QTemporaryDir& folder)
{
    const QString path = folder.filePath(QStringLiteral("workstation.ini"));
    LabDatabase::WriteWorkstationSettings(OwnerSettings(env), path);
    return ServerSettings::Read(path);
}

// The statements of `statements` that the connection runs without an error.
QStringList Accepted(Connection& connection, const QStringList& statements)
{
    QStringList accepted;
    for (const QString& statement : statements) {
        QSqlQuery query(connection.Database());
        if (query.exec(statement))
            accepted << statement;
    }
    return accepted;
}

}

void TestLabSafe::initTestCase()
{
    if (!TestEnv::OnServer())
        QSKIP("needs a PostgreSQL server (the second pass of scripts/test)");
}

// A server database of version 1 (the owner's tables, open to every role)
// is brought forward by labdb upgrade; the workstation role then gets nothing
// but the version row: no key, no password, no grade, no answer, no session,
// no definition, whatever the statement.
void TestLabSafe::workstationRoleReachesNoTable()
{
    TestEnv env;
    for (const char* step : {"DROP TABLE StudentSessions, ShownOrders", "GRANT ALL ON SCHEMA public TO PUBLIC",
                             "GRANT ALL ON ALL TABLES IN SCHEMA public TO PUBLIC", "UPDATE SchemaVersion SET fldVersion = 1"})
        env.Exec(QString::fromLatin1(step));
    const qint64 ann = env.AddStudent(QStringLiteral("Ann"), QStringLiteral("a"));
    const qint64 test = env.AddTest(QStringLiteral("T"));
    env.Exec(QStringLiteral("INSERT INTO Results (fldStudentNumber, fldTestNumber, fldQ1, fldGrade) VALUES (?, ?, '2131X', 0)"),
             {ann, test});
    const LabDatabase::Versions versions = LabDatabase::Upgrade(OwnerSettings(env));
    QCOMPARE(QList<int>({versions.before, versions.after}), QList<int>({1, 3}));
    QTemporaryDir folder;
    const ServerSettings workstation = WorkstationSettings(env, folder);
    QCOMPARE(workstation.user, OwnerSettings(env).database + QStringLiteral("_workstation"));
    QCOMPARE(workstation.adminUser, OwnerSettings(env).database + QStringLiteral("_admin"));
    QCOMPARE(workstation.password.size(), 32);

    Connection student(QStringLiteral("student-psql"));
    student.Open(workstation);
    const QString open = QStringLiteral("SELECT fldVersion FROM SchemaVersion");
    const QStringList forbidden{
        QStringLiteral("SELECT fldQ1Answer FROM Tests"),
        QStringLiteral("SELECT fldPassword FROM Passwords"),
        QStringLiteral("SELECT fldQ1 FROM Results"),
        QStringLiteral("SELECT fldPasswordHash FROM Administrator"),
        QStringLiteral("SELECT * FROM StudentSessions"),
        QStringLiteral("SELECT * FROM ShownOrders"),
        QStringLiteral("UPDATE Results SET fldGrade = 100"),
        QStringLiteral("INSERT INTO Results (fldStudentNumber, fldTestNumber, fldGrade) VALUES (1, 2, 100)"),
        QStringLiteral("DELETE FROM Results"),
        QStringLiteral("TRUNCATE Results"),
        QStringLiteral("UPDATE SchemaVersion SET fldVersion = 1"),
        QStringLiteral("DROP TABLE Results"),
        QStringLiteral("ALTER TABLE Results DISABLE TRIGGER OneAttemptPerStudentAndTest"),
        QStringLiteral("CREATE TABLE Keys (fldKey TEXT)"),
        QStringLiteral("CREATE TEMP TABLE Results (fldQ1 TEXT)"),
        QStringLiteral("CREATE FUNCTION vt_grade() RETURNS BIGINT LANGUAGE sql AS 'SELECT 100'"),
        QStringLiteral("SELECT vt_open_test(%1)").arg(test),
        QStringLiteral("SELECT vt_short_date('d', current_date)"),
        QStringLiteral("SELECT vt_running_attempt(%1, %2)").arg(ann).arg(test),
        QStringLiteral("SELECT vt_session_student(gen_random_uuid())"),
        QStringLiteral("SELECT * FROM vt_review(gen_random_uuid(), %1)").arg(test),
        QStringLiteral("ALTER ROLE %1 PASSWORD 'mine'").arg(workstation.adminUser),
        QStringLiteral("SET ROLE %1").arg(workstation.adminUser),
    };
    QCOMPARE(Accepted(student, QStringList{open} + forbidden), QStringList{open});
    QCOMPARE(env.Rows(QStringLiteral("SELECT fldQ1, fldGrade FROM Results")), QStringList{"2131X|0"});
    QCOMPARE(env.Scalar(QStringLiteral("SELECT COUNT(*) FROM pg_tables WHERE schemaname = 'public'")).toInt(), 7);
}

// Through the functions a student signs in with the exact name and password,
// sees only their own rows, is shown each slot's answers in an order the
// server keeps (its record and C/X written by the server), sees no key before
// finishing, and can touch no other student's attempt. The administrator's
// role signs in only once the technician has given it a password, and then
// reads the tables but cannot drop them.
void TestLabSafe::sessionTakesOnlyItsOwnAttempt()
{
    TestEnv env;
    const ServerSettings owner = TestServer::FreshDatabase(false);
    QTemporaryDir folder;
    LabDatabase::Create(owner, folder.filePath(QStringLiteral("workstation.ini")));
    const ServerSettings workstation = ServerSettings::Read(folder.filePath(QStringLiteral("workstation.ini")));
    const qint64 ann = env.AddStudent(QStringLiteral("Ann"), QStringLiteral("a"));
    const qint64 bob = env.AddStudent(QStringLiteral("Bob"), QStringLiteral("b"));
    const qint64 draft = env.AddTest(QStringLiteral("<Draft>"));
    const qint64 test = env.AddTest(QStringLiteral("T"), 30);
    env.Exec(QStringLiteral("INSERT INTO Results (fldStudentNumber, fldTestNumber, fldQ1, fldGrade, fldDate) "
                            "VALUES (?, ?, '1231C', 60, 'd')"), {bob, test});

    Connection lab(QStringLiteral("workstation"));
    lab.Open(workstation);
    LabSession a(lab), b(lab);
    QVERIFY(!a.SignIn(QStringLiteral("Ann"), QStringLiteral("A")));
    QVERIFY(!a.SignIn(QStringLiteral("ann"), QStringLiteral("a")));
    QVERIFY(a.SignIn(QStringLiteral("Ann"), QStringLiteral("a")) && a.Student() == ann);
    QVERIFY(b.SignIn(QStringLiteral("Bob"), QStringLiteral("b")));
    const std::vector<LabSession::ListRow> rows = a.Rows();
    QCOMPARE(rows.size(), std::size_t(1));
    QCOMPARE(rows[0].testName + (rows[0].begun ? "|begun" : "|new") + (rows[0].grade.isNull() ? "|NULL" : "|graded"),
             QStringLiteral("T|new|NULL"));
    QCOMPARE(b.Rows()[0].grade.toInt(), 60);
    QCOMPARE(FailureOf([&] { a.Review(test); }), QStringLiteral("This test has not been finished."));

    QCOMPARE(FailureOf([&] { a.Test(draft); }), QStringLiteral("This test is no longer available."));
    QCOMPARE(FailureOf([&] { a.Begin(draft); }), QStringLiteral("This test is no longer available."));
    const LabSession::TestInfo info = a.Test(test);
    QCOMPARE(info.testName + u'|' + info.minutes.toString() + (info.begun ? "|begun" : "|new"), QStringLiteral("T|30|new"));
    const LabSession::Attempt attempt = a.Begin(test);
    QVERIFY2(attempt.secondsLeft == 1800 || attempt.secondsLeft == 1799, qPrintable(QString::number(attempt.secondsLeft)));
    QCOMPARE(std::count(attempt.answered.begin(), attempt.answered.end(), true), std::ptrdiff_t(0));
    QCOMPARE(FailureOf([&] { a.Store(test, 1, 1); }), QStringLiteral("Question 1 has not been shown."));
    // Every third slot answered right from slot 1 on, the others on either
    // wrong line, each on the line the server showed.
    std::array<std::array<QString, 3>, 25> shown;
    for (int s = 1; s <= 25; ++s) {
        const LabSession::Slot slot = a.Show(test, s);
        shown[s - 1] = slot.answers;
        QStringList sorted(slot.answers.begin(), slot.answers.end());
        sorted.sort();
        QCOMPARE(slot.question + u'|' + sorted.join(u','), QStringLiteral("Q%1|A%1,P%1a,P%1b").arg(s));
        const int rightLine = static_cast<int>(std::find(slot.answers.begin(), slot.answers.end(), QStringLiteral("A%1").arg(s))
                                               - slot.answers.begin()) + 1;
        a.Store(test, s, (rightLine + s - 2) % 3 + 1);
    }
    // Shown again, each answered slot keeps its order and its choice.
    for (int s = 1; s <= 25; ++s) {
        const LabSession::Slot again = a.Show(test, s);
        QCOMPARE(again.answers, shown[s - 1]);
        QCOMPARE(again.answers[std::size_t(std::max(again.chosenLine, 1) - 1)] == QStringLiteral("A%1").arg(s), s % 3 == 1);
    }
    QCOMPARE(a.Begin(test).answered[24], true);
    // The stored records name the answers the student saw, line by line.
    QStringList columns;
    for (int s = 1; s <= 25; ++s)
        columns << QStringLiteral("fldQ%1").arg(s);
    const QStringList records =
        env.Rows(QStringLiteral("SELECT %1 FROM Results WHERE fldStudentNumber = ?").arg(columns.join(u',')), {ann})
            .value(0).split(u'|');
    for (int s = 1; s <= 25; ++s) {
        const QString record = records.value(s - 1);
        QCOMPARE(record.size(), 5);
        for (int k = 0; k < 3; ++k) {
            const QString expected = record[k] == u'1' ? QStringLiteral("A%1").arg(s)
                                     : record[k] == u'2' ? QStringLiteral("P%1a").arg(s) : QStringLiteral("P%1b").arg(s);
            QCOMPARE(shown[s - 1][k], expected);
        }
        QCOMPARE(record.right(1), s % 3 == 1 ? QStringLiteral("C") : QStringLiteral("X"));
    }

    // Bob's session reaches only Bob's attempt, which is graded.
    QCOMPARE(FailureOf([&] { b.Store(test, 1, 2); }), QStringLiteral("This attempt is not running."));
    QCOMPARE(FailureOf([&] { b.Finish(test, QStringLiteral("x")); }), QStringLiteral("This attempt is not running."));
    QCOMPARE(b.Review(test).front().answerRecord, QStringLiteral("1231C"));
    QCOMPARE(FailureOf([&] { a.Review(test); }), QStringLiteral("This test has not been finished."));

    // The server dates the attempt by its own clock, in the workstation's format.
    QCOMPARE(a.Finish(test, QStringLiteral("d.M.'yr' yy")), 36);
    const QDate today = QDate::currentDate();
    // Day and month with and without leading zeros, the year in two and four digits, quoted text.
    QCOMPARE(env.Scalar(QStringLiteral("SELECT vt_short_date(?, DATE '2026-03-04')"),
                        {QStringLiteral("d/M/yy yyyy dd MM 'at' x")}).toString(),
             QStringLiteral("4/3/26 2026 04 03 at x"));
    QVERIFY(a.Test(test).begun && a.Test(test).graded);
    QCOMPARE(FailureOf([&] { a.Store(test, 3, 1); }), QStringLiteral("This attempt is not running."));
    const std::vector<LabSession::ReviewSlot> review = a.Review(test);
    QCOMPARE(review.size(), std::size_t(25));
    QCOMPARE(review[0].answerRecord + review[0].rightAnswer, records[0] + QStringLiteral("A1"));
    QCOMPARE(env.Rows(QStringLiteral("SELECT fldGrade, fldDate FROM Results WHERE fldStudentNumber = ?"), {ann}),
             QStringList{QStringLiteral("36|%1.%2.yr %3").arg(today.day()).arg(today.month()).arg(today.year() % 100, 2, 10, QChar(u'0'))});
    a.SignOut();
    QCOMPARE(env.Scalar(QStringLiteral("SELECT COUNT(*) FROM StudentSessions")).toInt(), 1);

    ServerSettings administrator = workstation;
    administrator.user = workstation.adminUser;
    administrator.password = QStringLiteral("Lab 2026");
    Connection admin(QStringLiteral("administrator"));
    QVERIFY(FailureOf([&] { admin.Open(administrator); }).contains(QStringLiteral("password authentication failed")));
    env.Exec(QStringLiteral("ALTER ROLE %1 PASSWORD 'Lab 2026'").arg(administrator.user));
    admin.Open(administrator);
    QCOMPARE(Accepted(admin, {QStringLiteral("SELECT fldPassword FROM Passwords"), QStringLiteral("DROP TABLE Results")}),
             QStringList{QStringLiteral("SELECT fldPassword FROM Passwords")});
}

// A server database of version 2, whose functions took the date from the
// workstation and any answer however late, is brought forward to version 3.
void TestLabSafe::versionTwoBroughtForward()
{
    TestEnv env;
    for (const char* step : {"DROP FUNCTION vt_short_date(TEXT, DATE)", "DROP FUNCTION vt_store(UUID, BIGINT, INTEGER, INTEGER)",
                             "CREATE FUNCTION vt_store(UUID, BIGINT, INTEGER, INTEGER) RETURNS VOID LANGUAGE sql AS ''",
                             "UPDATE SchemaVersion SET fldVersion = 2"})
        env.Exec(QString::fromLatin1(step));
    const LabDatabase::Versions versions = LabDatabase::Upgrade(OwnerSettings(env));
    QCOMPARE(QList<int>({versions.before, versions.after}), QList<int>({2, 3}));
    QCOMPARE(env.Rows(QStringLiteral("SELECT proname || ':' || prorettype::regtype FROM pg_proc "
                                     "WHERE proname IN ('vt_store', 'vt_short_date') ORDER BY proname")),
             QStringList({"vt_short_date:text", "vt_store:boolean"}));
}

QTEST_MAIN(TestLabSafe)
#include "test_labsafe.moc"
