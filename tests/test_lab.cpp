// Several workstations on one database, the settings file naming a lab's
// server, and the server tools. What needs a server skips on the SQLite pass.
#include "LabDatabase.h"
#include "TestEnv.h"
#include "TestServer.h"
#include "app/ErrorPolicy.h"
#include "app/Module1.h"
#include "data/DbError.h"
#include "data/Recordset.h"
#include "data/Schema.h"
#include "data/ServerSettings.h"
#include "screens/Screens.h"
#include "screens/frmEntry.h"

#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QUuid>
#include <QtTest>

using namespace Module1;

class TestLab : public QObject {
    Q_OBJECT

private slots:
    void storesOverOtherChangesAreRefused();
    void ownConsecutiveStoresNeverConflictAndKeepKeyOrder();
    void settingsFileChoosesTheServer();
    void settingsAreReadAsWritten();
    void unreachableServerEndsWithDriverMessage();
    void lostConnectionIsReopenedAndTheStoreGoesThrough();
    void createOnceThenCopyKeepsNumbersAndRefusesData();
};

namespace {

const QString Conflict = QStringLiteral(
    "This record was changed or deleted by another user since it was read; your change was not saved.");

void WriteFile(const QString& path, const QByteArray& text)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(text) == text.size());
}

}

#define REQUIRE_SERVER()                                                          \
    if (!TestEnv::OnServer())                                                     \
    QSKIP("needs a PostgreSQL server (the second pass of scripts/test)")
// The recordsets read tables, which a lab workstation's role may not.
#define SKIP_ON_LAB()                                                             \
    if (TestEnv::LabRun())                                                        \
    QSKIP("the recordsets on a server: the server pass")

void TestLab::storesOverOtherChangesAreRefused()
{
    SKIP_ON_LAB();
    TestEnv env;
    const qint64 ann = env.AddStudent(QStringLiteral("Ann"), QStringLiteral("one"));
    env.Exec(QStringLiteral("INSERT INTO Results (fldStudentNumber, fldTestNumber) VALUES (?, ?)"),
             {ann, env.AddTest(QStringLiteral("T"))});
    env.OpenDatabase();
    rsResults.Open(Sql::ResultsOfStudent(ann), cnDatabase);
    // A second workstation changes the password this one read.
    Connection b(QStringLiteral("workstation-b"));
    b.OpenProgramDatabase(env.fake.programFolder);
    Recordset other;
    other.Open(Sql::AllPasswords(), b);
    other.SetField(QStringLiteral("fldPassword"), QStringLiteral("set by B"));
    other.Update();
    rsPasswords.SetField(QStringLiteral("fldPassword"), QStringLiteral("set by A"));
    QCOMPARE(FailureOf([] { rsPasswords.Update(); }), Conflict);
    QCOMPARE(env.Rows(QStringLiteral("SELECT fldPassword FROM Passwords")), QStringList{"set by B"});

    // A field that had no value counts as changed when another gave it one.
    env.Exec(QStringLiteral("UPDATE Results SET fldQ1 = '1231C'"));
    rsResults.SetField(QStringLiteral("fldQ1"), QStringLiteral("1232X"));
    QCOMPARE(FailureOf([] { rsResults.Update(); }), Conflict);
    QCOMPARE(env.Rows(QStringLiteral("SELECT fldQ1 FROM Results")), QStringList{"1231C"});

    // A row deleted elsewhere is not written back.
    env.Exec(QStringLiteral("DELETE FROM Tests"));
    rsTests.SetField(QStringLiteral("fldDescription"), QStringLiteral("edited"));
    QCOMPARE(FailureOf([] { rsTests.Update(); }), Conflict);
    QCOMPARE(env.Scalar(QStringLiteral("SELECT COUNT(*) FROM Tests")).toInt(), 0);
}

// Answers go into one Results row store after store; none may meet itself.
// A changed row keeps its place in the lists on either engine.
void TestLab::ownConsecutiveStoresNeverConflictAndKeepKeyOrder()
{
    SKIP_ON_LAB();
    TestEnv env;
    const qint64 student = env.AddStudent(QStringLiteral("Ann"), QStringLiteral("one"));
    env.AddStudent(QStringLiteral("Bob"), QStringLiteral("two"));
    const qint64 test = env.AddTest(QStringLiteral("T"));
    env.OpenDatabase();
    rsResults.Open(Sql::ResultsOfStudent(student), cnDatabase);
    rsResults.AddNew();
    rsResults.SetField(QStringLiteral("fldStudentNumber"), student);
    rsResults.SetField(QStringLiteral("fldTestNumber"), test);
    rsResults.Update();
    for (const QString& record : {QStringLiteral("1231C"), QStringLiteral("1232X")})
        for (int s = 1; s <= 25; ++s) {
            rsResults.SetField(QStringLiteral("fldQ%1").arg(s), record);
            rsResults.Update();
        }
    // The length is typed as text and stored as a whole number.
    for (const QString& minutes : {QStringLiteral("30"), QStringLiteral("45")}) {
        rsTests.SetField(QStringLiteral("fldTime"), minutes);
        rsTests.Update();
    }
    rsPasswords.SetField(QStringLiteral("fldPassword"), QStringLiteral("r"));
    rsPasswords.Update();
    QCOMPARE(env.Rows(QStringLiteral("SELECT fldTime FROM Tests")), QStringList{"45"});
    QCOMPARE(env.Rows(QStringLiteral("SELECT fldQ1, fldQ25 FROM Results")), QStringList{"1232X|1232X"});
    rsPasswords.Close();
    rsPasswords.Open(Sql::AllPasswords(), cnDatabase);
    QCOMPARE(rsPasswords.Text(QStringLiteral("FLDSTUDENTNAME")), QStringLiteral("Ann"));
}

void TestLab::settingsFileChoosesTheServer()
{
    REQUIRE_SERVER();
    QTemporaryDir folder;
    const ServerSettings server = *TestServer::Settings();
    // Without the settings file the program folder's database file is used.
    Connection connection(QStringLiteral("chooser"));
    QVERIFY_THROWS_EXCEPTION(DbError, connection.OpenProgramDatabase(folder.path()));
    Schema::CreateDatabase(folder.filePath(QStringLiteral("Ostrel.mdb")));
    connection.OpenProgramDatabase(folder.path());
    QVERIFY(connection.Engine() == DbEngine::SQLite);

    // With it, the server, its password read from a file beside it.
    WriteFile(folder.filePath(QStringLiteral("secret.txt")), server.password.toUtf8() + "\r\n");
    WriteFile(folder.filePath(ServerSettings::FileName),
              QStringLiteral("[PostgreSQL]\nhost=%1\nport=%2\ndatabase=%3\nuser=%4\npasswordfile=secret.txt\n")
                  .arg(server.host).arg(server.port).arg(server.database, server.user).toUtf8());
    connection.OpenProgramDatabase(folder.path());
    QVERIFY(connection.IsOpen() && connection.Engine() == DbEngine::PostgreSQL);
}

// Every character of a value counts, the password's blanks at either end
// too; a key the program does not know is named. On a server, such a
// password signs in and sslmode reaches the driver.
void TestLab::settingsAreReadAsWritten()
{
    QTemporaryDir folder;
    const QString ini = folder.filePath(ServerSettings::FileName);
    const QString password = QStringLiteral(" Lab,2026;x \"q\" 'a' \\b=c ");
    WriteFile(ini, "\xEF\xBB\xBF; the lab\r\n[postgresql]\r\n Host =db.lab\r\nport=5433\r\ndatabase=vornick\r\n"
                   "password= Lab,2026;x \"q\" 'a' \\b=c \r\nsslrootcert=certs/root ca.crt\r\n");
    const ServerSettings read = ServerSettings::Read(ini);
    QCOMPARE(read.password, password);
    QCOMPARE(read.host + u'|' + QString::number(read.port) + u'|' + read.database + u'|' + read.sslrootcert,
             QStringLiteral("db.lab|5433|vornick|") + folder.path() + QStringLiteral("/certs/root ca.crt"));
    WriteFile(ini, "[PostgreSQL]\ndatabase=vornick\npasword=Lab\n");
    QCOMPARE(FailureOf([&] { ServerSettings::Read(ini); }),
             QStringLiteral("The settings file %1 has a key the program does not know: pasword (line 3).").arg(ini));
    WriteFile(ini, "[Database]\nfile=Ostrel.mdb\n[Server]\n");
    QCOMPARE(FailureOf([&] { DatabaseLocation::Read(ini); }),
             QStringLiteral("The settings file %1 has a section the program does not know: [Server] (line 3).").arg(ini));

    REQUIRE_SERVER();
    TestEnv env;
    ServerSettings lab = *TestServer::Settings();
    lab.user = QStringLiteral("vt_") + QUuid::createUuid().toString(QUuid::Id128);
    lab.password = password;
    env.Exec(QStringLiteral("CREATE ROLE %1 LOGIN PASSWORD '%2'").arg(lab.user, QString(password).replace(u'\'', QStringLiteral("''"))));
    lab.sslmode = QStringLiteral("require");
    lab.Write(ini);
    Connection connection(QStringLiteral("as-written"));
    const QString noTls = FailureOf([&] { connection.Open(ServerSettings::Read(ini)); });
    lab.sslmode = QStringLiteral("disable");
    lab.Write(ini);
    const QString signedIn = FailureOf([&] { connection.Open(ServerSettings::Read(ini)); });
    connection.Close();
    env.Exec(QStringLiteral("DROP ROLE %1").arg(lab.user));
    QVERIFY2(noTls.contains(QStringLiteral("SSL")), qPrintable(noTls));
    QCOMPARE(signedIn, QString());
}

// A server that cannot be reached ends the program at start with the
// driver's message, as a missing database file does.
void TestLab::unreachableServerEndsWithDriverMessage()
{
    TestEnv env;
    ServerSettings nowhere;
    nowhere.host = QStringLiteral("127.0.0.1");
    nowhere.port = 1;
    nowhere.database = QStringLiteral("lab");
    nowhere.user = QStringLiteral("teacher");
    nowhere.Write(env.fake.programFolder + QStringLiteral("/") + ServerSettings::FileName);
    RunGuarded([] { Screens::Show<frmEntry>(); });
    QVERIFY(env.fake.ended);
    QCOMPARE(env.fake.exitCode, 1);
    QCOMPARE(env.fake.shown.size(), std::size_t(1));
    QVERIFY2(env.fake.shown[0].text.contains(QStringLiteral("refused")), qPrintable(env.fake.shown[0].text));
    QVERIFY(!Screens::Get<frmEntry>().isVisible());
}

// A session the server ended mid-test is opened again at once, without a
// notice, and the store goes through.
void TestLab::lostConnectionIsReopenedAndTheStoreGoesThrough()
{
    SKIP_ON_LAB();
    REQUIRE_SERVER();
    TestEnv env;
    const qint64 student = env.AddStudent(QStringLiteral("Ann"), QStringLiteral("one"));
    env.OpenDatabase();
    rsResults.Open(Sql::ResultsOfStudent(student), cnDatabase);
    rsResults.AddNew();
    rsResults.SetField(QStringLiteral("fldStudentNumber"), student);
    for (int s = 1; s <= 5; ++s) {
        rsResults.SetField(QStringLiteral("fldQ%1").arg(s), QStringLiteral("1231C"));
        rsResults.Update();
    }
    env.Exec(QStringLiteral("SELECT pg_terminate_backend(pid) FROM pg_stat_activity "
                            "WHERE datname = current_database() AND pid <> pg_backend_pid()"));
    rsResults.SetField(QStringLiteral("fldQ6"), QStringLiteral("1232X"));
    rsResults.Update();
    QCOMPARE(env.Rows(QStringLiteral("SELECT fldQ1, fldQ5, fldQ6 FROM Results")),
             QStringList{QStringLiteral("1231C|1231C|1232X")});
    QVERIFY(env.fake.notices.isEmpty());
}

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
             {"INSERT INTO Passwords VALUES (3, 'Ann', 'one')", "INSERT INTO Passwords VALUES (17, 'O''Neil', NULL)",
              "INSERT INTO Passwords VALUES (25, 'Gone', 'x')", "DELETE FROM Passwords WHERE fldStudentNumber = 25",
              "INSERT INTO Tests (fldTestNumber, fldTestName, fldTime, fldQ25Phony2) VALUES (9, '<Draft>', 30, 'Ω')",
              "INSERT INTO Results (fldResultNumber, fldStudentNumber, fldTestNumber, fldQ1, fldGrade, fldDate) "
              "VALUES (41, 17, 9, '1231C', 4, '06/12/2026')"})
            QVERIFY2(seed.exec(QString::fromUtf8(sql)), sql);
    }
    const ServerSettings target = TestServer::FreshDatabase(false);
    LabDatabase::Create(target);
    QVERIFY_THROWS_EXCEPTION(DbError, LabDatabase::Create(target));
    const LabDatabase::Copied copied = LabDatabase::CopyFrom(file, target);
    QCOMPARE(QList<int>({copied.students, copied.tests, copied.results}), QList<int>({2, 1, 1}));
    Connection lab(QStringLiteral("lab"));
    lab.Open(target);
    Recordset students, result, tests;
    students.Open(Sql::AllPasswords(), lab);
    students.MoveNext();
    QCOMPARE(students.Text(QStringLiteral("fldStudentName")), QStringLiteral("O'Neil"));
    QVERIFY(students.IsNull(QStringLiteral("fldPassword")));
    result.Open(Sql::ResultOfStudentInTest(17, 9), lab);
    QCOMPARE(result.Field(QStringLiteral("fldResultNumber")).toLongLong(), 41);
    QCOMPARE(result.Text(QStringLiteral("fldQ1")) + result.Text(QStringLiteral("fldDate")),
             QStringLiteral("1231C06/12/2026"));
    tests.Open(Sql::AllTests(), lab);
    QCOMPARE(tests.Text(QStringLiteral("fldTestName")) + tests.Text(QStringLiteral("fldQ25Phony2"))
                 + tests.Text(QStringLiteral("fldTime")),
             QStringLiteral("<Draft>Ω30"));
    // New rows are numbered past every number the file used, a deleted one's too.
    students.AddNew();
    students.SetField(QStringLiteral("fldStudentName"), QStringLiteral("New"));
    students.Update();
    QCOMPARE(students.Field(QStringLiteral("fldStudentNumber")).toLongLong(), 26);
    QVERIFY(FailureOf([&] { LabDatabase::CopyFrom(file, target); }).contains(QStringLiteral("already holds data")));
    QCOMPARE(students.RecordCount(), 3);
}

QTEST_MAIN(TestLab)
#include "test_lab.moc"
