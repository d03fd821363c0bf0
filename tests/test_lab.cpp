// Several workstations on one database, the settings file naming a lab's
// server (one out of reach: test_signin), and the server tools. What needs a
// server skips on the SQLite pass.
#include "LabDatabase.h"
#include "TestEnv.h"
#include "TestServer.h"
#include "app/Module1.h"
#include "data/DbError.h"
#include "data/Recordset.h"
#include "data/Schema.h"
#include "data/ServerSettings.h"

#include <QSqlQuery>
#include <QTemporaryDir>
#include <QUuid>
#include <QtTest>

using namespace Module1;

class TestLab : public QObject {
    Q_OBJECT

private slots:
    void storesOverOtherChangesAreRefused();
    void settingsAreReadAsWritten();
    void createOnceThenCopyKeepsNumbersAndRefusesData();
};

const QString Conflict = QStringLiteral(
    "This record was changed or deleted by another user since it was read; your change was not saved.");

#define REQUIRE_SERVER()                                                          \
    if (!TestEnv::OnServer())                                                     \
    QSKIP("needs a PostgreSQL server (the server passes of scripts/test)")

// A store over a change made since the read is refused: a value another
// workstation changed, a Null another gave a value, a row deleted. A field
// set twice before its store is compared with what was read. On a
// server, a session the server ended is opened again at once, without a
// notice, and the store goes through.
void TestLab::storesOverOtherChangesAreRefused()
{
    if (TestEnv::LabRun()) QSKIP("the recordsets read tables, which a lab workstation's role may not: the server pass");
    TestEnv env;
    const qint64 ann = env.AddStudent(QStringLiteral("Ann"), QStringLiteral("one"));
    env.Exec(QStringLiteral("INSERT INTO Results (fldStudentNumber, fldTestNumber) VALUES (?, ?)"),
             {ann, env.AddTest(QStringLiteral("T"))});
    env.OpenDatabase();
    Recordset rsPasswords;
    Recordset rsTests;
    Recordset rsResults;
    rsPasswords.Open(Sql::AllPasswords(), cnDatabase);
    rsTests.Open(Sql::AllTests(), cnDatabase);
    rsResults.Open(Sql::ResultsOfStudent(ann), cnDatabase);
    Connection b(QStringLiteral("workstation-b"));
    b.OpenProgramDatabase(env.fake.programFolder);
    Recordset other;
    other.Open(Sql::AllPasswords(), b);
    other.SetField(QStringLiteral("fldPassword"), QStringLiteral("set by B"));
    other.Update();
    rsPasswords.SetField(QStringLiteral("fldPassword"), QStringLiteral("set by A"));
    QCOMPARE(FailureOf([&] { rsPasswords.Update(); }), Conflict);
    QCOMPARE(env.Rows(QStringLiteral("SELECT fldPassword FROM Passwords")), QStringList{"set by B"});

    env.Exec(QStringLiteral("UPDATE Results SET fldQ1 = '1231C'"));
    rsResults.SetField(QStringLiteral("fldQ1"), QStringLiteral("1232X"));
    QCOMPARE(FailureOf([&] { rsResults.Update(); }), Conflict);
    QCOMPARE(env.Rows(QStringLiteral("SELECT fldQ1 FROM Results")), QStringList{"1231C"});
    Recordset twice;
    twice.Open(Sql::ResultsOfStudent(ann), cnDatabase);
    twice.SetField(QStringLiteral("fldQ2"), QStringLiteral("1232X"));
    twice.SetField(QStringLiteral("fldQ2"), QStringLiteral("1231C"));
    twice.Update();
    QCOMPARE(env.Rows(QStringLiteral("SELECT fldQ1, fldQ2 FROM Results")), QStringList{"1231C|1231C"});

    env.Exec(QStringLiteral("DELETE FROM Tests"));
    rsTests.SetField(QStringLiteral("fldDescription"), QStringLiteral("edited"));
    QCOMPARE(FailureOf([&] { rsTests.Update(); }), Conflict);
    QCOMPARE(TestCount(env), 0);

    REQUIRE_SERVER();
    rsResults.Close();
    rsResults.Open(Sql::ResultsOfStudent(ann), cnDatabase);
    env.Exec(QStringLiteral("SELECT pg_terminate_backend(pid) FROM pg_stat_activity "
                            "WHERE datname = current_database() AND pid <> pg_backend_pid()"));
    rsResults.SetField(QStringLiteral("fldQ6"), QStringLiteral("1232X"));
    rsResults.Update();
    QCOMPARE(env.Rows(QStringLiteral("SELECT fldQ1, fldQ6 FROM Results")), QStringList{QStringLiteral("1231C|1232X")});
    QVERIFY(env.fake.notices.isEmpty());
}

// Every character of a value counts, the password's blanks at either end
// too; a key or section the program does not know is named. A database file
// is taken from the settings file's folder and never created; naming both a
// file and a server, or neither, is refused. On a server, a password with
// blanks signs in, from the settings file or a file it names, and sslmode
// reaches the driver.
void TestLab::settingsAreReadAsWritten()
{
    QTemporaryDir folder;
    const QString ini = folder.filePath(ServerSettings::FileName);
    const auto write = [&folder](const QByteArray& text) { WriteFile(folder, ServerSettings::FileName, text); };
    Connection connection(QStringLiteral("as-written"));
    const auto refusal = [&] { return FailureOf([&] { connection.OpenProgramDatabase(folder.path()); }).replace(ini, "INI"); };
    const QString password = QStringLiteral(" Lab,2026;x \"q\" 'a' \\b=c ");
    write("\xEF\xBB\xBF; the lab\r\n[postgresql]\r\n Host =db.lab\r\nport=5433\r\ndatabase=vornick\r\n"
          "password= Lab,2026;x \"q\" 'a' \\b=c \r\nsslrootcert=certs/root ca.crt\r\n");
    const ServerSettings read = ServerSettings::Read(ini);
    QCOMPARE(read.password, password);
    QCOMPARE(read.host + u'|' + QString::number(read.port) + u'|' + read.database + u'|' + read.sslrootcert,
             QStringLiteral("db.lab|5433|vornick|") + folder.path() + QStringLiteral("/certs/root ca.crt"));
    write("[PostgreSQL]\ndatabase=vornick\npasword=Lab\n");
    QCOMPARE(refusal(), QStringLiteral("The settings file INI has a key the program does not know: pasword (line 3)."));
    write("[Database]\nfile=Ostrel.mdb\n[Server]\n");
    QCOMPARE(refusal(), QStringLiteral("The settings file INI has a section the program does not know: [Server] (line 3)."));

    write("[Database]\nfile=school/ours.mdb\n");
    QVERIFY(!refusal().isEmpty() && !QFile::exists(folder.filePath(QStringLiteral("school/ours.mdb"))));
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("school")));
    Schema::CreateDatabase(folder.filePath(QStringLiteral("school/ours.mdb")));
    QCOMPARE(refusal(), QString());
    QVERIFY(connection.IsOpen() && connection.Engine() == DbEngine::SQLite);
    connection.Close();
    write("[Database]\nfile=ours.mdb\n[PostgreSQL]\ndatabase=lab\n");
    QCOMPARE(refusal(), "The settings file INI names both a database file and a server; it may name only one.");
    write("[Database]\nfile=\n");
    QCOMPARE(refusal(), "The settings file INI names no database: it needs a [Database] section with a line file=PATH, "
                        "or a [PostgreSQL] section.");

    REQUIRE_SERVER();
    TestEnv env;
    ServerSettings lab = *TestServer::Settings();
    lab.user = QStringLiteral("vt_") + QUuid::createUuid().toString(QUuid::Id128);
    lab.password = password;
    env.Exec(QStringLiteral("CREATE ROLE %1 LOGIN PASSWORD '%2'").arg(lab.user, QString(password).replace(u'\'', QStringLiteral("''"))));
    lab.sslmode = QStringLiteral("require");
    lab.Write(ini);
    const QString noTls = refusal();
    lab.sslmode = QStringLiteral("disable");
    lab.Write(ini);
    const QString signedIn = refusal();
    connection.Close();
    WriteFile(folder, QStringLiteral("secret.txt"), password.toUtf8() + "\r\n");
    write(QStringLiteral("[PostgreSQL]\nhost=%1\nport=%2\ndatabase=%3\nuser=%4\npasswordfile=secret.txt\n")
              .arg(lab.host).arg(lab.port).arg(lab.database, lab.user).toUtf8());
    const QString fromFile = refusal();
    connection.Close();
    env.Exec(QStringLiteral("DROP ROLE %1").arg(lab.user));
    QVERIFY2(noTls.contains(QStringLiteral("SSL")), qPrintable(noTls));
    QCOMPARE(signedIn + fromFile, QString());
}

// labdb creates a database once; it copies a file's rows with their numbers
// (a picture byte for byte, one of a test gone left behind)
// into an empty one only, gives every student their role and lists the
// passwords too short for a lab, and new rows are numbered past every number the
// file used, a deleted one's too. Twin attempts from a file made before the
// one-attempt rule are copied as they are; the server then refuses new ones.
void TestLab::createOnceThenCopyKeepsNumbersAndRefusesData()
{
    REQUIRE_SERVER();
    TestEnv env;
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("Ostrel.mdb"));
    Schema::CreateDatabase(file);
    {
        Connection source(QStringLiteral("source"));
        source.Open(file);
        QSqlQuery seed(source.Database());
        for (const char* sql :
             {"DROP TRIGGER OneAttemptPerStudentAndTest", "INSERT INTO Passwords (fldStudentNumber, fldStudentName, fldPassword) VALUES (3, 'Ann', 'one')",
              "INSERT INTO Passwords (fldStudentNumber, fldStudentName, fldPassword) VALUES (17, 'O''Neil', NULL)",
              "INSERT INTO Passwords (fldStudentNumber, fldStudentName, fldPassword) VALUES (25, 'Gone', 'x')", "DELETE FROM Passwords WHERE fldStudentNumber = 25",
              "INSERT INTO Tests (fldTestNumber, fldTestName, fldTime, fldQ25Phony2) VALUES (9, '<Draft>', 30, 'Ω')",
              "INSERT INTO Results (fldResultNumber, fldStudentNumber, fldTestNumber, fldQ1, fldGrade, fldDate) "
              "VALUES (41, 17, 9, '1231C', 4, '06/12/2026')",
              "INSERT INTO Results (fldResultNumber, fldStudentNumber, fldTestNumber) VALUES (42, 17, 9)",
              "INSERT INTO Pictures VALUES (9, 25, X'89504E470D0A00FF', 'png', 2, 1, 'A dot')",
              "INSERT INTO Pictures VALUES (8, 1, X'00', 'png', 1, 1, 'Test 8 is gone')"})
            QVERIFY2(seed.exec(QString::fromUtf8(sql)), sql);
    }
    const ServerSettings target = TestServer::FreshDatabase(false);
    LabDatabase::Create(target);
    QVERIFY_THROWS_EXCEPTION(DbError, LabDatabase::Create(target));
    const LabDatabase::Copied copied = LabDatabase::CopyFrom(file, target);
    QCOMPARE(QList<int>({copied.students, copied.tests, copied.results, copied.pictures}), QList<int>({2, 1, 2, 1}));
    QCOMPARE(env.Rows(QStringLiteral("SELECT fldTestNumber, fldSlot, encode(fldBytes, 'hex'), fldFormat, fldWidth, fldHeight, "
                                     "fldDescription FROM Pictures")),
             QStringList{"9|25|89504e470d0a00ff|png|2|1|A dot"});
    QCOMPARE(env.Rows(QStringLiteral("SELECT * FROM Passwords ORDER BY fldStudentNumber")),
             (QStringList{"3|Ann|one|0", "17|O'Neil|NULL|0"}));
    // Each student has their role; the passwords too short for a lab are listed.
    QStringList listed;
    for (const LabDatabase::Account& account : copied.shortPasswords)
        listed << QString::number(account.number) + u' ' + account.name;
    QCOMPARE(listed, (QStringList{"3 Ann", "17 O'Neil"}));
    QCOMPARE(env.Rows(QStringLiteral("SELECT s.fldStudentNumber FROM StudentRoles s JOIN pg_roles r ON r.rolname = s.fldRoleName "
                                     "ORDER BY 1")),
             (QStringList{"3", "17"}));
    QCOMPARE(env.Rows(QStringLiteral("SELECT fldResultNumber, fldStudentNumber, fldTestNumber, fldQ1, fldDate FROM Results")),
             (QStringList{"41|17|9|1231C|06/12/2026", "42|17|9|NULL|NULL"}));
    const auto attempt = [&] { env.Exec(QStringLiteral("INSERT INTO Results (fldStudentNumber, fldTestNumber) VALUES (3, 9)")); };
    QCOMPARE(FailureOf(attempt), QString());
    QVERIFY(FailureOf(attempt).contains(QStringLiteral("This student has already begun this test.")));
    QCOMPARE(env.Rows(QStringLiteral("SELECT fldTestName, fldQ25Phony2, fldTime FROM Tests")), QStringList{"<Draft>|Ω|30"});
    QCOMPARE(env.AddStudent(QStringLiteral("New"), QStringLiteral("n")), qint64(26));
    QVERIFY(FailureOf([&] { LabDatabase::CopyFrom(file, target); }).contains(QStringLiteral("already holds data")));
    QCOMPARE(env.Scalar(QStringLiteral("SELECT COUNT(*) FROM Passwords")).toInt(), 3);
}

QTEST_MAIN(TestLab)
#include "test_lab.moc"
