// A lab's server keeps keys and grades from the workstations: with the
// workstation's settings file, a student can only do what the student screens
// do, for their own session. Needs a server; skips on the SQLite pass.
#include "LabDatabase.h"
#include "TestEnv.h"
#include "data/Connection.h"
#include "data/DbError.h"
#include "data/LabSession.h"
#include "data/Schema.h"
#include "data/ServerSettings.h"

#include <QDate>
#include <QSqlError>
#include <QSqlQuery>
#include <QtTest>

class TestLabSafe : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void workstationRoleReachesNoTable_data();
    void workstationRoleReachesNoTable();
    void sessionTakesOnlyItsOwnAttempt();
};

namespace {

// Settles the workstation role's password as labdb does; the workstations' settings.
ServerSettings Workstation(const TestEnv& env)
{
    const QString path = env.fake.programFolder + u'/' + ServerSettings::FileName;
    LabDatabase::WriteWorkstationSettings(env.Owner(), path);
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
        QSKIP("needs a PostgreSQL server (the server passes of scripts/test)");
}

void TestLabSafe::workstationRoleReachesNoTable_data()
{
    QTest::addColumn<int>("version");
    QTest::addColumn<QStringList>("steps");
    // The owner's tables, open to every role.
    QTest::newRow("version 1") << 1 << QStringList{"DROP TABLE Pictures", "DROP TABLE StudentSessions, ShownOrders", "GRANT ALL ON SCHEMA public TO PUBLIC",
                                                   "GRANT ALL ON ALL TABLES IN SCHEMA public TO PUBLIC"};
    // Functions that took the date from the workstation and any answer however late.
    QTest::newRow("version 2") << 2 << QStringList{"DROP TABLE Pictures", "DROP FUNCTION vt_short_date(TEXT, DATE)",
        "DROP FUNCTION vt_store(UUID, BIGINT, INTEGER, INTEGER)",
        "CREATE FUNCTION vt_store(UUID, BIGINT, INTEGER, INTEGER) RETURNS VOID LANGUAGE sql AS ''"};
    // No pictures yet.
    QTest::newRow("version 3") << 3 << QStringList{"DROP TABLE Pictures"};
}

// A server database of an older version is brought forward by labdb
// upgrade; the workstation role then gets nothing but the version row: no
// key, no password, no grade, no answer, no session, no definition, whatever
// the statement.
void TestLabSafe::workstationRoleReachesNoTable()
{
    QFETCH(int, version);
    QFETCH(QStringList, steps);
    TestEnv env;
    for (const QString& step : steps)
        env.Exec(step);
    env.Exec(QStringLiteral("UPDATE SchemaVersion SET fldVersion = ?"), {version});
    const qint64 ann = env.AddStudent(QStringLiteral("Ann"), QStringLiteral("a"));
    const qint64 test = env.AddTest(QStringLiteral("T"));
    env.Exec(QStringLiteral("INSERT INTO Results (fldStudentNumber, fldTestNumber, fldQ1, fldGrade) VALUES (?, ?, '2131X', 0)"),
             {ann, test});
    const LabDatabase::Versions versions = LabDatabase::Upgrade(env.Owner());
    QCOMPARE(QList<int>({versions.before, versions.after}), QList<int>({version, 4}));
    QCOMPARE(env.Rows(QStringLiteral("SELECT proname || ':' || prorettype::regtype FROM pg_proc "
                                     "WHERE proname IN ('vt_store', 'vt_short_date') ORDER BY proname")),
             QStringList({"vt_short_date:text", "vt_store:boolean"}));
    const ServerSettings workstation = Workstation(env);
    QCOMPARE(workstation.user + u'|' + workstation.adminUser + u'|' + QString::number(workstation.password.size()),
             env.Owner().database + QStringLiteral("_workstation|") + env.Owner().database + QStringLiteral("_admin|32"));

    Connection student(QStringLiteral("student-psql"));
    student.Open(workstation);
    const QString open = QStringLiteral("SELECT fldVersion FROM SchemaVersion");
    const QStringList forbidden{
        "SELECT fldQ1Answer FROM Tests", "SELECT fldPassword FROM Passwords", "SELECT fldQ1 FROM Results",
        "SELECT fldPasswordHash FROM Administrator", "SELECT fldBytes FROM Pictures", "DELETE FROM Pictures", "SELECT * FROM StudentSessions", "SELECT * FROM ShownOrders",
        "UPDATE Results SET fldGrade = 100", "INSERT INTO Results (fldStudentNumber, fldTestNumber, fldGrade) VALUES (1, 2, 100)",
        "DELETE FROM Results", "TRUNCATE Results", "UPDATE SchemaVersion SET fldVersion = 1", "DROP TABLE Results",
        "ALTER TABLE Results DISABLE TRIGGER OneAttemptPerStudentAndTest", "CREATE TABLE Keys (fldKey TEXT)",
        "CREATE TEMP TABLE Results (fldQ1 TEXT)", "CREATE FUNCTION vt_grade() RETURNS BIGINT LANGUAGE sql AS 'SELECT 100'",
        QStringLiteral("SELECT vt_open_test(%1)").arg(test), "SELECT vt_short_date('d', current_date)",
        QStringLiteral("SELECT vt_running_attempt(%1, %2)").arg(ann).arg(test), "SELECT vt_session_student(gen_random_uuid())",
        QStringLiteral("SELECT * FROM vt_review(gen_random_uuid(), %1)").arg(test),
        QStringLiteral("ALTER ROLE %1 PASSWORD 'mine'").arg(workstation.adminUser),
        QStringLiteral("SET ROLE %1").arg(workstation.adminUser),
    };
    QCOMPARE(Accepted(student, QStringList{open} + forbidden), QStringList{open});
    QCOMPARE(env.Rows(QStringLiteral("SELECT fldQ1, fldGrade FROM Results")), QStringList{"2131X|0"});
    QCOMPARE(env.Scalar(QStringLiteral("SELECT COUNT(*) FROM pg_tables WHERE schemaname = 'public'")).toInt(), 7);
}

// Through the functions a student signs in with the exact name and password
// (the student's own list: test_labpath), is shown each slot's answers in an
// order the server keeps (its record and C/X written by the server), sees no
// key before finishing, and can touch no other student's attempt. The
// administrator's role reads the tables but cannot drop them.
void TestLabSafe::sessionTakesOnlyItsOwnAttempt()
{
    TestEnv env(TestEnv::Workstation::Lab);
    const qint64 ann = env.AddStudent(QStringLiteral("Ann"), QStringLiteral("a"));
    const qint64 bob = env.AddStudent(QStringLiteral("Bob"), QStringLiteral("b"));
    const qint64 draft = env.AddTest(QStringLiteral("<Draft>"));
    const qint64 test = env.AddTest(QStringLiteral("T"), 30);
    env.Exec(QStringLiteral("INSERT INTO Results (fldStudentNumber, fldTestNumber, fldQ1, fldGrade, fldDate) "
                            "VALUES (?, ?, '1231C', 60, 'd')"), {bob, test});

    Connection lab(QStringLiteral("workstation"));
    lab.Open(Workstation(env));
    LabSession a(lab), b(lab);
    QVERIFY(!a.SignIn(QStringLiteral("Ann"), QStringLiteral("A")) && !a.SignIn(QStringLiteral("ann"), QStringLiteral("a")));
    QVERIFY(a.SignIn(QStringLiteral("Ann"), QStringLiteral("a")) && a.Student() == ann);
    QVERIFY(b.SignIn(QStringLiteral("Bob"), QStringLiteral("b")));
    QCOMPARE(FailureOf([&] { a.Review(test); }), QStringLiteral("This test has not been finished."));
    QCOMPARE(FailureOf([&] { a.Test(draft); }) + u'|' + FailureOf([&] { a.Begin(draft); }),
             QStringLiteral("This test is no longer available.|This test is no longer available."));
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
    QCOMPARE(a.Begin(test).answered[24], true);
    // Shown again, each slot keeps its order and its choice; the stored
    // records name the answers the student saw, line by line.
    QStringList columns;
    for (int s = 1; s <= 25; ++s)
        columns << QStringLiteral("fldQ%1").arg(s);
    const QStringList records =
        env.Rows(QStringLiteral("SELECT %1 FROM Results WHERE fldStudentNumber = ?").arg(columns.join(u',')), {ann})
            .value(0).split(u'|');
    for (int s = 1; s <= 25; ++s) {
        const LabSession::Slot again = a.Show(test, s);
        QCOMPARE(again.answers, shown[s - 1]);
        QString seen;
        for (const QString& answer : again.answers)
            seen += answer == QStringLiteral("A%1").arg(s) ? u'1' : answer == QStringLiteral("P%1a").arg(s) ? u'2' : u'3';
        QCOMPARE(records.value(s - 1), seen + QString::number(again.chosenLine) + (s % 3 == 1 ? u'C' : u'X'));
    }

    // Bob's session reaches only Bob's attempt, which is graded.
    QCOMPARE(FailureOf([&] { b.Store(test, 1, 2); }) + u'|' + FailureOf([&] { b.Finish(test, QStringLiteral("x")); }),
             QStringLiteral("This attempt is not running.|This attempt is not running."));
    QCOMPARE(b.Review(test).front().answerRecord, QStringLiteral("1231C"));
    QCOMPARE(FailureOf([&] { a.Review(test); }), QStringLiteral("This test has not been finished."));  // running

    // The server dates the attempt by its own clock, in the workstation's format.
    QCOMPARE(a.Finish(test, QStringLiteral("d.M.'yr' yy")), 36);
    const QDate today = QDate::currentDate();
    // Day and month with and without leading zeros, the year in two and four
    // digits, quoted text, names unpadded.
    QCOMPARE(env.Scalar(QStringLiteral("SELECT vt_short_date(?, DATE '2026-03-04')"),
                        {QStringLiteral("d/M/yy yyyy dd MM 'at' x MMMM|MMM|dddd|ddd")}).toString(),
             QStringLiteral("4/3/26 2026 04 03 at x March|Mar|Wednesday|Wed"));
    QCOMPARE(FailureOf([&] { a.Store(test, 3, 1); }), QStringLiteral("This attempt is not running."));
    const std::vector<LabSession::ReviewSlot> review = a.Review(test);
    QCOMPARE(review.size(), std::size_t(25));
    QCOMPARE(review[0].answerRecord + review[0].rightAnswer, records[0] + QStringLiteral("A1"));
    QCOMPARE(env.Rows(QStringLiteral("SELECT fldGrade, fldDate FROM Results WHERE fldStudentNumber = ?"), {ann}),
             QStringList{QStringLiteral("36|%1.%2.yr %3").arg(today.day()).arg(today.month()).arg(today.year() % 100, 2, 10, QChar(u'0'))});
    a.SignOut();
    QCOMPARE(env.Scalar(QStringLiteral("SELECT COUNT(*) FROM StudentSessions")).toInt(), 1);

    ServerSettings administrator = Workstation(env);
    administrator.user = administrator.adminUser;
    administrator.password = QStringLiteral("plum");
    Connection admin(QStringLiteral("administrator"));
    admin.Open(administrator);
    QCOMPARE(Accepted(admin, {QStringLiteral("SELECT fldPassword FROM Passwords"), QStringLiteral("DROP TABLE Results")}),
             QStringList{QStringLiteral("SELECT fldPassword FROM Passwords")});
}

QTEST_MAIN(TestLabSafe)
#include "test_labsafe.moc"
