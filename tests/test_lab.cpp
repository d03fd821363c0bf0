// Several workstations on one database: stores that meet another
// workstation's change, the settings file that names a lab's server, a
// connection lost mid-test, and the tools that set up the server's database.
// Runs on both engines; what needs a server skips on the SQLite pass.
#include "LabDatabase.h"
#include "TestEnv.h"
#include "TestServer.h"
#include "app/ErrorPolicy.h"
#include "app/Module1.h"
#include "data/Connection.h"
#include "data/DbError.h"
#include "data/Recordset.h"
#include "data/Schema.h"
#include "data/ServerSettings.h"
#include "screens/Screens.h"
#include "screens/frmEntry.h"

#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

using namespace Module1;

class TestLab : public QObject {
    Q_OBJECT

private slots:
    void storesOverOtherChangesAreRefused();
    void ownConsecutiveStoresNeverConflict();
    void deletingRowDeletedElsewhereIsDone();
    void rowsComeInKeyOrderAfterChanges();
    void settingsFileChoosesTheServer();
    void settingsFileFaults();
    void unreachableServerEndsWithDriverMessage();
    void lostConnectionKeepsStoredAnswers();
    void createToolMakesTablesOnce();
    void copyToolKeepsNumbersAndRefusesData();
};

namespace {

const QString Conflict = QStringLiteral(
    "This record was changed or deleted by another user since it was read; your change was not saved.");

// The message a call fails with, or "" when it succeeds.
QString FailureOf(const std::function<void()>& call)
{
    try {
        call();
    } catch (const DbError& error) {
        return error.message();
    }
    return {};
}

QString StoredText(TestEnv& env, const QString& sql) { return env.Scalar(sql).toString(); }

}

// QSKIP must stand in the test function itself.
#define REQUIRE_SERVER()                                                          \
    if (!TestEnv::OnServer())                                                     \
    QSKIP("needs a PostgreSQL server (the second pass of scripts/test)")

void TestLab::storesOverOtherChangesAreRefused()
{
    TestEnv env;
    const qint64 ann = env.AddStudent(QStringLiteral("Ann"), QStringLiteral("one"));
    const qint64 test = env.AddTest(QStringLiteral("T"));
    env.Exec(QStringLiteral("INSERT INTO Results (fldStudentNumber, fldTestNumber) VALUES (?, ?)"), {ann, test});
    env.OpenDatabase();
    rsResults.Open(Sql::AllResults(), cnDatabase);
    // A second workstation changes the password this one read.
    Connection b(QStringLiteral("workstation-b"));
    b.OpenProgramDatabase(env.fake.programFolder);
    Recordset other;
    other.Open(Sql::AllPasswords(), b);
    other.SetField(QStringLiteral("fldPassword"), QStringLiteral("set by B"));
    other.Update();
    rsPasswords.SetField(QStringLiteral("fldPassword"), QStringLiteral("set by A"));
    QCOMPARE(FailureOf([] { rsPasswords.Update(); }), Conflict);
    QCOMPARE(StoredText(env, QStringLiteral("SELECT fldPassword FROM Passwords")), QStringLiteral("set by B"));

    // A field B did not touch is stored, and B's change stays.
    Recordset fresh;
    fresh.Open(Sql::AllPasswords(), cnDatabase);
    other.SetField(QStringLiteral("fldStudentName"), QStringLiteral("Ann B"));
    other.Update();
    fresh.SetField(QStringLiteral("fldPassword"), QStringLiteral("set by A"));
    fresh.Update();
    QCOMPARE(StoredText(env, QStringLiteral("SELECT fldStudentName || fldPassword FROM Passwords")),
             QStringLiteral("Ann Bset by A"));

    // A field that had no value counts as changed when another gave it one.
    env.Exec(QStringLiteral("UPDATE Results SET fldQ1 = '1231C'"));
    rsResults.SetField(QStringLiteral("fldQ1"), QStringLiteral("1232X"));
    QCOMPARE(FailureOf([] { rsResults.Update(); }), Conflict);
    QCOMPARE(StoredText(env, QStringLiteral("SELECT fldQ1 FROM Results")), QStringLiteral("1231C"));

    // A row deleted elsewhere is not written back.
    env.Exec(QStringLiteral("DELETE FROM Tests"));
    rsTests.SetField(QStringLiteral("fldDescription"), QStringLiteral("edited"));
    QCOMPARE(FailureOf([] { rsTests.Update(); }), Conflict);
    QCOMPARE(env.Scalar(QStringLiteral("SELECT COUNT(*) FROM Tests")).toInt(), 0);
}

// A student's answers go into one Results row store after store, in the
// order the test screen writes them; none of them may meet itself.
void TestLab::ownConsecutiveStoresNeverConflict()
{
    TestEnv env;
    const qint64 student = env.AddStudent(QStringLiteral("Ann"), QStringLiteral("one"));
    const qint64 test = env.AddTest(QStringLiteral("T"));
    env.OpenDatabase();
    rsResults.Open(Sql::AllResults(), cnDatabase);
    rsResults.AddNew();
    rsResults.SetField(QStringLiteral("fldStudentNumber"), student);
    rsResults.SetField(QStringLiteral("fldTestNumber"), test);
    rsResults.Update();
    for (const QString& record : {QStringLiteral("1231C"), QStringLiteral("1232X")})
        for (int s = 1; s <= 25; ++s) {
            rsResults.SetField(QStringLiteral("fldQ%1").arg(s), record);
            rsResults.Update();
        }
    for (int grade : {0, 4}) {
        rsResults.SetField(QStringLiteral("fldGrade"), grade);
        rsResults.Update();
    }
    // The length is typed as text and stored as a whole number; storing it
    // again compares with what was stored.
    for (const QString& minutes : {QStringLiteral("30"), QStringLiteral("45")}) {
        rsTests.SetField(QStringLiteral("fldTime"), minutes);
        rsTests.Update();
    }
    QCOMPARE(env.Scalar(QStringLiteral("SELECT fldTime FROM Tests")).toInt(), 45);
    QCOMPARE(env.Scalar(QStringLiteral("SELECT COUNT(*) FROM Results")).toInt(), 1);
    QCOMPARE(StoredText(env, QStringLiteral("SELECT fldQ25 FROM Results")), QStringLiteral("1232X"));
    QCOMPARE(env.Scalar(QStringLiteral("SELECT fldGrade FROM Results")).toInt(), 4);
}

void TestLab::deletingRowDeletedElsewhereIsDone()
{
    TestEnv env;
    const qint64 student = env.AddStudent(QStringLiteral("S"), QStringLiteral("p"));
    for (int t = 1; t <= 2; ++t)
        env.Exec(QStringLiteral("INSERT INTO Results (fldStudentNumber, fldTestNumber) VALUES (?, ?)"), {student, t});
    env.OpenDatabase();
    rsResults.Open(Sql::ResultsOfStudent(student), cnDatabase);
    env.Exec(QStringLiteral("DELETE FROM Results WHERE fldTestNumber = 1"));
    for (; !rsResults.Eof(); rsResults.MoveNext())
        rsResults.Delete();
    QCOMPARE(env.Scalar(QStringLiteral("SELECT COUNT(*) FROM Results")).toInt(), 0);
}

// The lists show the tables in the order their rows were added, on either
// engine, also after a row was changed.
void TestLab::rowsComeInKeyOrderAfterChanges()
{
    TestEnv env;
    for (const char* name : {"first", "second", "third"})
        env.AddStudent(QString::fromLatin1(name), QStringLiteral("p"));
    env.Exec(QStringLiteral("UPDATE Passwords SET fldPassword = 'q' WHERE fldStudentName = 'first'"));
    env.OpenDatabase();
    rsPasswords.SetField(QStringLiteral("fldPassword"), QStringLiteral("r"));
    rsPasswords.Update();
    rsPasswords.Close();
    rsPasswords.Open(Sql::AllPasswords(), cnDatabase);
    QStringList names;
    for (; !rsPasswords.Eof(); rsPasswords.MoveNext())
        names << rsPasswords.Text(QStringLiteral("FLDSTUDENTNAME"));
    QCOMPARE(names, (QStringList{"first", "second", "third"}));
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
    QFile password(folder.filePath(QStringLiteral("secret.txt")));
    QVERIFY(password.open(QIODevice::WriteOnly));
    password.write(server.password.toUtf8() + "\r\n");
    password.close();
    QFile ini(folder.filePath(ServerSettings::FileName));
    QVERIFY(ini.open(QIODevice::WriteOnly));
    ini.write(QStringLiteral("[PostgreSQL]\nhost=%1\nport=%2\ndatabase=%3\nuser=%4\npasswordfile=secret.txt\n")
                  .arg(server.host).arg(server.port).arg(server.database, server.user).toUtf8());
    ini.close();
    connection.OpenProgramDatabase(folder.path());
    QVERIFY(connection.Engine() == DbEngine::PostgreSQL);
    QVERIFY(connection.IsOpen());
}

void TestLab::settingsFileFaults()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(ServerSettings::FileName);
    const auto faultOf = [&](const QByteArray& text) {
        QFile ini(path);
        if (!ini.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return QStringLiteral("cannot write the settings file");
        ini.write(text);
        ini.close();
        return FailureOf([&] { ServerSettings::Read(path); });
    };
    QVERIFY(faultOf("[PostgreSQL]\nhost=db.school\n").contains(QStringLiteral("names no database")));
    QVERIFY(faultOf("[PostgreSQL]\ndatabase=lab\nport=fifty\n").contains(QStringLiteral("port")));
    QVERIFY(faultOf("[PostgreSQL]\ndatabase=lab\npasswordfile=missing.txt\n").contains(QStringLiteral("missing.txt")));
    QCOMPARE(faultOf("[PostgreSQL]\ndatabase=lab\nuser=teacher\npassword=\"semi;colon #hash\"\n"), QString());
    ServerSettings read = ServerSettings::Read(path);
    QCOMPARE(read.host, QStringLiteral("localhost"));
    QCOMPARE(read.port, 5432);
    QCOMPARE(read.password, QStringLiteral("semi;colon #hash"));
    // Written settings read back the same.
    read.password = QStringLiteral("p=w \"q\" ;#");
    read.Write(path);
    QCOMPARE(ServerSettings::Read(path).password, read.password);
}

// A server that cannot be reached ends the program at start with the
// driver's message, as a missing database file does.
void TestLab::unreachableServerEndsWithDriverMessage()
{
    TestEnv env;
    // Nothing listens on port 1 of the loopback address.
    ServerSettings nowhere{QStringLiteral("127.0.0.1"), 1, QStringLiteral("lab"), QStringLiteral("teacher"), {}};
    nowhere.Write(env.fake.programFolder + QStringLiteral("/") + ServerSettings::FileName);
    RunGuarded([] { Screens::Show<frmEntry>(); });
    QVERIFY(env.fake.ended);
    QCOMPARE(env.fake.exitCode, 1);
    QCOMPARE(env.fake.shown.size(), std::size_t(1));
    QVERIFY2(env.fake.shown[0].text.contains(QStringLiteral("refused")), qPrintable(env.fake.shown[0].text));
    QVERIFY(!Screens::Get<frmEntry>().isVisible());
}

void TestLab::lostConnectionKeepsStoredAnswers()
{
    REQUIRE_SERVER();
    TestEnv env;
    const qint64 student = env.AddStudent(QStringLiteral("Ann"), QStringLiteral("one"));
    env.OpenDatabase();
    rsResults.Open(Sql::AllResults(), cnDatabase);
    rsResults.AddNew();
    rsResults.SetField(QStringLiteral("fldStudentNumber"), student);
    rsResults.SetField(QStringLiteral("fldTestNumber"), 1);
    for (int s = 1; s <= 5; ++s) {
        rsResults.SetField(QStringLiteral("fldQ%1").arg(s), QStringLiteral("1231C"));
        rsResults.Update();
    }
    env.Exec(QStringLiteral("SELECT pg_terminate_backend(pid) FROM pg_stat_activity "
                            "WHERE datname = current_database() AND pid <> pg_backend_pid()"));
    rsResults.SetField(QStringLiteral("fldQ6"), QStringLiteral("1231C"));
    const QString failure = FailureOf([] { rsResults.Update(); });
    QVERIFY2(failure.contains(QStringLiteral("connection"), Qt::CaseInsensitive), qPrintable(failure));
    QCOMPARE(StoredText(env, QStringLiteral("SELECT fldQ1 || fldQ5 FROM Results")), QStringLiteral("1231C1231C"));
    QVERIFY(env.Scalar(QStringLiteral("SELECT fldQ6 FROM Results")).isNull());
}

void TestLab::createToolMakesTablesOnce()
{
    REQUIRE_SERVER();
    TestEnv env;
    const ServerSettings empty = TestServer::FreshDatabase(false);
    LabDatabase::Create(empty);
    Connection check(QStringLiteral("check"));
    check.Open(empty);
    Recordset tests;
    tests.Open(Sql::AllTests(), check);
    QCOMPARE(tests.RecordCount(), 0);
    tests.AddNew();
    tests.SetField(QStringLiteral("fldTestName"), QStringLiteral("T"));
    tests.Update();
    QVERIFY(tests.Field(QStringLiteral("fldTestNumber")).toLongLong() > 0);
    QVERIFY_THROWS_EXCEPTION(DbError, LabDatabase::Create(empty));
    QCOMPARE(tests.RecordCount(), 1);
}

void TestLab::copyToolKeepsNumbersAndRefusesData()
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
              "INSERT INTO Tests (fldTestNumber, fldTestName, fldTime, fldQ25Phony2) VALUES (9, '<Draft>', 30, 'Ω')",
              "INSERT INTO Results (fldResultNumber, fldStudentNumber, fldTestNumber, fldQ1, fldGrade, fldDate) "
              "VALUES (41, 17, 9, '1231C', 4, '06/12/2026')"})
            QVERIFY2(seed.exec(QString::fromUtf8(sql)), sql);
    }
    const ServerSettings target = TestServer::FreshDatabase(false);
    const LabDatabase::Copied copied = LabDatabase::CopyFrom(file, target);
    QCOMPARE(copied.students, 2);
    QCOMPARE(copied.tests, 1);
    QCOMPARE(copied.results, 1);

    Connection lab(QStringLiteral("lab"));
    lab.Open(target);
    Recordset students;
    students.Open(Sql::AllPasswords(), lab);
    students.MoveNext();
    QCOMPARE(students.Text(QStringLiteral("fldStudentName")), QStringLiteral("O'Neil"));
    QVERIFY(students.IsNull(QStringLiteral("fldPassword")));
    Recordset result;
    result.Open(Sql::ResultOfStudentInTest(17, 9), lab);
    QCOMPARE(result.Field(QStringLiteral("fldResultNumber")).toLongLong(), 41);
    QCOMPARE(result.Text(QStringLiteral("fldQ1")) + result.Text(QStringLiteral("fldDate")),
             QStringLiteral("1231C06/12/2026"));
    Recordset tests;
    tests.Open(Sql::AllTests(), lab);
    QCOMPARE(tests.Text(QStringLiteral("fldTestName")) + tests.Text(QStringLiteral("fldQ25Phony2")),
             QStringLiteral("<Draft>Ω"));
    QCOMPARE(tests.Field(QStringLiteral("fldTime")).toInt(), 30);
    // New rows are numbered past the copied ones.
    students.AddNew();
    students.SetField(QStringLiteral("fldStudentName"), QStringLiteral("New"));
    students.Update();
    QCOMPARE(students.Field(QStringLiteral("fldStudentNumber")).toLongLong(), 18);

    QVERIFY(FailureOf([&] { LabDatabase::CopyFrom(file, target); }).contains(QStringLiteral("already holds data")));
    Recordset after;
    after.Open(Sql::AllPasswords(), lab);
    QCOMPARE(after.RecordCount(), 3);
}

QTEST_MAIN(TestLab)
#include "test_lab.moc"