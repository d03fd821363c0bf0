// The data layer against a real SQLite file: the schema, the recordset's
// behaviour that the screens rely on, and opening a database that is missing
// or damaged.
#include "TestEnv.h"
#include "app/Module1.h"
#include "data/Connection.h"
#include "data/DbError.h"
#include "data/Recordset.h"
#include "data/Schema.h"

#include <QFile>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QtTest>

class TestData : public QObject {
    Q_OBJECT

private slots:
    void schemaHasEveryField();
    void createDatabaseNeverOverwrites();
    void addNewGetsKeyAndStaysCurrent();
    void nullIsKeptApartFromEmptyText();
    void deleteRemovesAtOnceAndIsSkipped();
    void openTwiceFailsAndClosedFails();
    void titleWithApostropheIsFound();
    void listQueriesSelectTheSameRows();
    void longAndNonLatinTextRoundTrips();
    void updateOfVanishedRowIsReported();
    void openRefusesMissingFile();
    void openReportsDamagedFiles_data();
    void openReportsDamagedFiles();
    void readTransactionNests();
};

namespace {

// The fields a query over the whole table returns, as the program sees them.
QSqlRecord FieldsOf(const QString& table)
{
    QSqlQuery query(Module1::cnDatabase.Database());
    if (!query.exec(QStringLiteral("SELECT * FROM %1").arg(table)))
        return {};
    return query.record();
}

}

void TestData::schemaHasEveryField()
{
    TestEnv env;
    env.OpenDatabase();
    const QSqlRecord tests = FieldsOf(QStringLiteral("Tests"));
    const QSqlRecord results = FieldsOf(QStringLiteral("Results"));
    const QSqlRecord passwords = FieldsOf(QStringLiteral("Passwords"));
    QCOMPARE(tests.count(), 104);
    QCOMPARE(results.count(), 30);  // 29 fields and the row's own key
    QCOMPARE(passwords.count(), 3);
    for (int s = 1; s <= 25; ++s) {
        for (const QString& suffix : {QString(), QStringLiteral("Answer"), QStringLiteral("Phony1"), QStringLiteral("Phony2")})
            QVERIFY2(tests.contains(QStringLiteral("fldQ%1%2").arg(s).arg(suffix)), qPrintable(suffix));
        QVERIFY(results.contains(QStringLiteral("fldQ%1").arg(s)));
    }
    for (const char* name : {"fldStudentNumber", "fldTestNumber", "fldGrade", "fldDate", "fldResultNumber"})
        QVERIFY(results.contains(QLatin1String(name)));
}

void TestData::createDatabaseNeverOverwrites()
{
    TestEnv env;
    if (TestEnv::OnServer())
        QSKIP("a database file only; the server's tables are refused twice in test_lab");
    const qint64 student = env.AddStudent(QStringLiteral("Ann"), QStringLiteral("pw"));
    QVERIFY_THROWS_EXCEPTION(DbError, Schema::CreateDatabase(env.DatabasePath()));
    QCOMPARE(env.Scalar(QStringLiteral("SELECT fldStudentName FROM Passwords WHERE fldStudentNumber = ?"), {student})
                 .toString(),
             QStringLiteral("Ann"));
}

void TestData::addNewGetsKeyAndStaysCurrent()
{
    TestEnv env;
    env.OpenDatabase();
    Recordset& rs = Module1::rsPasswords;
    QCOMPARE(rs.RecordCount(), 0);
    QVERIFY(rs.Eof());
    rs.AddNew();
    rs.SetField(QStringLiteral("fldStudentName"), QStringLiteral("Ann"));
    rs.SetField(QStringLiteral("fldPassword"), QStringLiteral("pw"));
    rs.Update();
    const qint64 first = rs.Field(QStringLiteral("fldStudentNumber")).toLongLong();
    QVERIFY(first > 0);
    QCOMPARE(rs.RecordCount(), 1);
    // The new row stays current: a second store updates it, not a new row.
    rs.SetField(QStringLiteral("fldPassword"), QStringLiteral("changed"));
    rs.Update();
    QCOMPARE(env.Scalar(QStringLiteral("SELECT COUNT(*) FROM Passwords")).toInt(), 1);
    QCOMPARE(env.Scalar(QStringLiteral("SELECT fldPassword FROM Passwords")).toString(), QStringLiteral("changed"));

    rs.AddNew();
    rs.SetField(QStringLiteral("fldStudentName"), QStringLiteral("Bob"));
    rs.Update();
    QVERIFY(rs.Field(QStringLiteral("fldStudentNumber")).toLongLong() > first);
    // Rows added through the recordset are walked like the others.
    QStringList names;
    for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext())
        names << rs.Text(QStringLiteral("fldStudentName"));
    QCOMPARE(names, (QStringList{QStringLiteral("Ann"), QStringLiteral("Bob")}));
}

void TestData::nullIsKeptApartFromEmptyText()
{
    TestEnv env;
    const qint64 test = env.Insert(QStringLiteral("INSERT INTO Tests (fldTestName, fldQ1) VALUES ('T', '')"));
    env.OpenDatabase();
    Recordset& rs = Module1::rsTests;
    rs.MoveFirst();
    QVERIFY(!rs.IsNull(QStringLiteral("fldQ1")));
    QCOMPARE(rs.Text(QStringLiteral("fldQ1")), QString(""));
    QVERIFY(rs.IsNull(QStringLiteral("fldQ2")));
    QCOMPARE(rs.Text(QStringLiteral("fldQ2")), QString());
    rs.SetField(QStringLiteral("fldQ3"), QString(""));
    rs.Update();
    QCOMPARE(env.Scalar(QStringLiteral("SELECT fldQ3 IS NULL FROM Tests WHERE fldTestNumber = ?"), {test}).toInt(), 0);
    QCOMPARE(env.Scalar(QStringLiteral("SELECT fldQ4 IS NULL FROM Tests WHERE fldTestNumber = ?"), {test}).toInt(), 1);
}

void TestData::deleteRemovesAtOnceAndIsSkipped()
{
    TestEnv env;
    env.OpenDatabase();
    const qint64 s = env.AddStudent(QStringLiteral("S"), QStringLiteral("p"));
    for (int t = 1; t <= 3; ++t)
        env.Insert(QStringLiteral("INSERT INTO Results (fldStudentNumber, fldTestNumber) VALUES (?, ?)"), {s, t});
    env.Insert(QStringLiteral("INSERT INTO Results (fldStudentNumber, fldTestNumber) VALUES (?, 9)"), {s + 1});
    Recordset& rs = Module1::rsResults;
    rs.Open(Sql::ResultsOfStudent(s), Module1::cnDatabase);
    QCOMPARE(rs.RecordCount(), 3);
    rs.MoveFirst();
    int remaining = 3;
    while (!rs.Eof()) {
        rs.Delete();
        --remaining;
        // Each delete is in the table at once, before any further call.
        QCOMPARE(env.Scalar(QStringLiteral("SELECT COUNT(*) FROM Results WHERE fldStudentNumber = ?"), {s}).toInt(),
                 remaining);
        rs.MoveNext();
    }
    QCOMPARE(rs.RecordCount(), 0);
    QCOMPARE(env.Scalar(QStringLiteral("SELECT COUNT(*) FROM Results")).toInt(), 1);
    QVERIFY_THROWS_EXCEPTION(DbError, rs.Field(QStringLiteral("fldGrade")));
    rs.MoveFirst();
    QVERIFY(rs.Eof());
}

void TestData::openTwiceFailsAndClosedFails()
{
    TestEnv env;
    env.OpenDatabase();
    QVERIFY_THROWS_EXCEPTION(DbError, Module1::rsTests.Open(Sql::AllTests(), Module1::cnDatabase));
    Module1::rsTests.Close();
    QVERIFY_THROWS_EXCEPTION(DbError, Module1::rsTests.RecordCount());
    QVERIFY_THROWS_EXCEPTION(DbError, Module1::rsTests.MoveFirst());
    Module1::rsTests.Open(Sql::AllTests(), Module1::cnDatabase);
    QVERIFY(Module1::rsTests.Eof());
    QVERIFY_THROWS_EXCEPTION(DbError, Module1::rsTests.MoveNext());
    QVERIFY_THROWS_EXCEPTION(DbError, Module1::rsTests.Field(QStringLiteral("fldNoSuchField")));
}

void TestData::titleWithApostropheIsFound()
{
    TestEnv env;
    env.AddTest(QStringLiteral("Plain"));
    const qint64 quoted = env.AddTest(QStringLiteral("O'Brien's \"quiz\"; DROP TABLE Tests"));
    env.OpenDatabase();
    Module1::rsTests.Close();
    Module1::rsTests.Open(Sql::TestByName(QStringLiteral("O'Brien's \"quiz\"; DROP TABLE Tests")), Module1::cnDatabase);
    QCOMPARE(Module1::rsTests.RecordCount(), 1);
    QCOMPARE(Module1::rsTests.Field(QStringLiteral("fldTestNumber")).toLongLong(), quoted);
}

void TestData::listQueriesSelectTheSameRows()
{
    TestEnv env;
    env.OpenDatabase();
    env.Insert(QStringLiteral("INSERT INTO Results (fldStudentNumber, fldTestNumber, fldGrade) VALUES (4, 7, 84)"));
    env.Insert(QStringLiteral("INSERT INTO Results (fldStudentNumber, fldTestNumber, fldGrade) VALUES (4, 7, 12)"));
    env.Insert(QStringLiteral("INSERT INTO Results (fldStudentNumber, fldTestNumber, fldGrade) VALUES (4, 8, 50)"));
    Recordset a;
    Recordset b;
    a.Open(Sql::ResultsForList(4, 7), Module1::cnDatabase);
    b.Open(Sql::ResultOfStudentInTest(4, 7), Module1::cnDatabase);
    QCOMPARE(a.RecordCount(), 2);
    QCOMPARE(b.RecordCount(), 2);
    // The first row the query returns is the first one stored.
    QCOMPARE(a.Field(QStringLiteral("fldGrade")).toInt(), 84);
    QCOMPARE(b.Field(QStringLiteral("fldGrade")).toInt(), 84);
}

void TestData::longAndNonLatinTextRoundTrips()
{
    TestEnv env;
    env.OpenDatabase();
    const QString text = QStringLiteral("Ünïcødé Ελληνικά 日本語 'quote' \"double\" %_\n") + QString(20000, u'x');
    Recordset& rs = Module1::rsPasswords;
    rs.AddNew();
    rs.SetField(QStringLiteral("fldStudentName"), text);
    rs.SetField(QStringLiteral("fldPassword"), QStringLiteral(""));
    rs.Update();
    QCOMPARE(env.Scalar(QStringLiteral("SELECT fldStudentName FROM Passwords")).toString(), text);
    QCOMPARE(env.Scalar(QStringLiteral("SELECT fldPassword IS NULL FROM Passwords")).toInt(), 0);
}

void TestData::updateOfVanishedRowIsReported()
{
    TestEnv env;
    env.AddStudent(QStringLiteral("Gone"), QStringLiteral("p"));
    env.OpenDatabase();
    env.Exec(QStringLiteral("DELETE FROM Passwords"));
    Module1::rsPasswords.MoveFirst();
    Module1::rsPasswords.SetField(QStringLiteral("fldPassword"), QStringLiteral("x"));
    QVERIFY_THROWS_EXCEPTION(DbError, Module1::rsPasswords.Update());
}

void TestData::openRefusesMissingFile()
{
    QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/a #b?c/Ostrel.mdb");
    Connection connection(QStringLiteral("missing"));
    try {
        connection.Open(path);
        QFAIL("opened a missing file");
    } catch (const DbError& error) {
        QVERIFY(!error.message().isEmpty());
    }
    QVERIFY(!QFile::exists(path));
}

void TestData::openReportsDamagedFiles_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("expected");
    QTest::newRow("not sqlite") << QByteArray("this is not a database at all, just some text.......") << "not a database";
    QTest::newRow("empty file") << QByteArray() << "no such table";
    QTest::newRow("truncated") << QByteArray("SQLite format 3\0", 16) + QByteArray(200, '\x01') << "";
}

void TestData::openReportsDamagedFiles()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, expected);
    QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/Ostrel.mdb");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();
    Connection connection(QStringLiteral("damaged"));
    Recordset rs;
    try {
        connection.Open(path);
        rs.Open(Sql::AllPasswords(), connection);
        QFAIL("a damaged database was read");
    } catch (const DbError& error) {
        QVERIFY2(error.message().contains(expected), qPrintable(error.message()));
    }
}

void TestData::readTransactionNests()
{
    TestEnv env;
    env.OpenDatabase();
    {
        Connection::ReadTransaction outer(Module1::cnDatabase);
        Connection::ReadTransaction inner(Module1::cnDatabase);
        Module1::rsResults.Open(Sql::AllResults(), Module1::cnDatabase);
        Module1::rsResults.Close();
    }
    // A store after the reads is on disk at once.
    Module1::rsPasswords.AddNew();
    Module1::rsPasswords.SetField(QStringLiteral("fldStudentName"), QStringLiteral("After"));
    Module1::rsPasswords.Update();
    QCOMPARE(env.Scalar(QStringLiteral("SELECT COUNT(*) FROM Passwords")).toInt(), 1);
}

QTEST_MAIN(TestData)
#include "test_data.moc"
