// The data layer against a real database: the schema, the recordset's
// behaviour that the screens rely on, and opening a file that is missing or
// damaged.
#include "TestEnv.h"
#include "app/Module1.h"
#include "data/Connection.h"
#include "data/DbError.h"
#include "data/Recordset.h"
#include "data/Schema.h"

#include <QDir>
#include <QFile>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QtTest>

using namespace Module1;

class TestData : public QObject {
    Q_OBJECT

private slots:
    void schemaHasEveryFieldAndIsNeverOverwritten();
    void addNewGetsKeyAndStaysCurrent();
    void nullIsKeptApartFromEmptyText();
    void deleteRemovesAtOnceAndIsSkipped();
    void misuseAndVanishedRowsAreReported();
    void boundTitleAndFirstStoredRowFirst();
    void openReportsMissingOrDamagedFiles_data();
    void openReportsMissingOrDamagedFiles();
};

namespace {

// The fields a query over the whole table returns, in order, as the program
// sees them (a server folds the names to lower case).
QString FieldsOf(const QString& table)
{
    QSqlQuery query(cnDatabase.Database());
    query.exec(QStringLiteral("SELECT * FROM %1").arg(table));
    QStringList names;
    for (int i = 0; i < query.record().count(); ++i)
        names << query.record().fieldName(i).toLower();
    return names.join(u',');
}

QString Fields(QStringList fields, const QStringList& perSlot)
{
    for (int s = 1; s <= 25; ++s)
        for (const QString& field : perSlot)
            fields << field.arg(s);
    return fields.join(u',').toLower();
}

void AddPassword(const QString& name, const QString& password)
{
    rsPasswords.AddNew();
    rsPasswords.SetField(QStringLiteral("fldStudentName"), name);
    rsPasswords.SetField(QStringLiteral("fldPassword"), password);
    rsPasswords.Update();
}

}

void TestData::schemaHasEveryFieldAndIsNeverOverwritten()
{
    TestEnv env;
    env.OpenDatabase();
    QCOMPARE(FieldsOf(QStringLiteral("Passwords")), QStringLiteral("fldstudentnumber,fldstudentname,fldpassword"));
    QCOMPARE(FieldsOf(QStringLiteral("Tests")),
             Fields({QStringLiteral("fldTestNumber"), QStringLiteral("fldTestName"), QStringLiteral("fldDescription"),
                     QStringLiteral("fldTime")},
                    {QStringLiteral("fldQ%1"), QStringLiteral("fldQ%1Answer"), QStringLiteral("fldQ%1Phony1"),
                     QStringLiteral("fldQ%1Phony2")}));
    QCOMPARE(FieldsOf(QStringLiteral("Results")),
             Fields({QStringLiteral("fldResultNumber"), QStringLiteral("fldStudentNumber"), QStringLiteral("fldTestNumber")},
                    {QStringLiteral("fldQ%1")})
                 + QStringLiteral(",fldgrade,flddate"));
    if (TestEnv::OnServer())
        return;  // the server's tables are refused twice in test_lab
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
    QVERIFY(rsPasswords.Eof());
    {
        // Reads nest; once they end, a store is on disk at once.
        Connection::ReadTransaction outer(cnDatabase);
        Connection::ReadTransaction inner(cnDatabase);
        rsResults.Open(Sql::AllResults(), cnDatabase);
        rsResults.Close();
    }
    AddPassword(QStringLiteral("Ann"), QStringLiteral("pw"));
    const qint64 first = rsPasswords.Field(QStringLiteral("fldStudentNumber")).toLongLong();
    QVERIFY(first > 0);
    // The new row stays current: a second store updates it, not a new row.
    rsPasswords.SetField(QStringLiteral("fldPassword"), QStringLiteral("changed"));
    rsPasswords.Update();
    QCOMPARE(env.Scalar(QStringLiteral("SELECT COUNT(*) FROM Passwords")).toInt(), 1);
    QCOMPARE(env.Scalar(QStringLiteral("SELECT fldPassword FROM Passwords")).toString(), QStringLiteral("changed"));
    AddPassword(QStringLiteral("Bob"), QStringLiteral("x"));
    QVERIFY(rsPasswords.Field(QStringLiteral("fldStudentNumber")).toLongLong() > first);
    // Rows added through the recordset are walked like the others.
    QStringList names;
    for (rsPasswords.MoveFirst(); !rsPasswords.Eof(); rsPasswords.MoveNext())
        names << rsPasswords.Text(QStringLiteral("fldStudentName"));
    QCOMPARE(names, (QStringList{QStringLiteral("Ann"), QStringLiteral("Bob")}));
    QCOMPARE(rsPasswords.RecordCount(), 2);
}

void TestData::nullIsKeptApartFromEmptyText()
{
    TestEnv env;
    const qint64 test = env.Insert(QStringLiteral("INSERT INTO Tests (fldTestName, fldQ1) VALUES ('T', '')"));
    env.OpenDatabase();
    rsTests.MoveFirst();
    QVERIFY(!rsTests.IsNull(QStringLiteral("fldQ1")));
    QVERIFY(rsTests.IsNull(QStringLiteral("fldQ2")));
    QCOMPARE(rsTests.Text(QStringLiteral("fldQ2")), QString());
    // Long and non-Latin text comes back whole; an empty text stays empty, not Null.
    const QString text = QStringLiteral("Ünïcødé Ελληνικά 日本語 'quote' \"double\" %_\n") + QString(20000, u'x');
    rsTests.SetField(QStringLiteral("fldQ3"), QString(""));
    rsTests.SetField(QStringLiteral("fldDescription"), text);
    rsTests.Update();
    QCOMPARE(env.Rows(QStringLiteral("SELECT fldQ1, fldQ3, fldQ4 FROM Tests WHERE fldTestNumber = ?"), {test}),
             QStringList{QStringLiteral("||NULL")});
    QCOMPARE(env.Scalar(QStringLiteral("SELECT fldDescription FROM Tests")).toString(), text);
}

void TestData::deleteRemovesAtOnceAndIsSkipped()
{
    TestEnv env;
    env.OpenDatabase();
    const QString insert = QStringLiteral("INSERT INTO Results (fldStudentNumber, fldTestNumber) VALUES (?, ?)");
    for (int t = 1; t <= 3; ++t)
        env.Insert(insert, {1, t});
    env.Insert(insert, {2, 9});
    rsResults.Open(Sql::ResultsOfStudent(1), cnDatabase);
    QCOMPARE(rsResults.RecordCount(), 3);
    for (int remaining = 2; !rsResults.Eof(); --remaining) {
        rsResults.Delete();
        // Each delete is in the table at once, before any further call.
        QCOMPARE(env.Scalar(QStringLiteral("SELECT COUNT(*) FROM Results WHERE fldStudentNumber = 1")).toInt(), remaining);
        rsResults.MoveNext();
    }
    QCOMPARE(rsResults.RecordCount(), 0);
    QCOMPARE(env.Scalar(QStringLiteral("SELECT COUNT(*) FROM Results")).toInt(), 1);
    QVERIFY_THROWS_EXCEPTION(DbError, rsResults.Field(QStringLiteral("fldGrade")));
    rsResults.MoveFirst();
    QVERIFY(rsResults.Eof());
}

void TestData::misuseAndVanishedRowsAreReported()
{
    TestEnv env;
    env.AddStudent(QStringLiteral("Gone"), QStringLiteral("p"));
    env.OpenDatabase();
    QVERIFY_THROWS_EXCEPTION(DbError, rsTests.Open(Sql::AllTests(), cnDatabase));
    rsTests.Close();
    QVERIFY_THROWS_EXCEPTION(DbError, rsTests.RecordCount());
    QVERIFY_THROWS_EXCEPTION(DbError, rsTests.MoveFirst());
    rsTests.Open(Sql::AllTests(), cnDatabase);
    QVERIFY_THROWS_EXCEPTION(DbError, rsTests.MoveNext());  // at EOF
    QVERIFY_THROWS_EXCEPTION(DbError, rsPasswords.Field(QStringLiteral("fldNoSuchField")));
    // A store into a row deleted elsewhere fails instead of passing silently.
    env.Exec(QStringLiteral("DELETE FROM Passwords"));
    rsPasswords.SetField(QStringLiteral("fldPassword"), QStringLiteral("x"));
    QVERIFY_THROWS_EXCEPTION(DbError, rsPasswords.Update());
}

void TestData::boundTitleAndFirstStoredRowFirst()
{
    TestEnv env;
    const QString title = QStringLiteral("O'Brien's \"quiz\"; DROP TABLE Tests");
    env.AddTest(QStringLiteral("Plain"));
    const qint64 quoted = env.AddTest(title);
    env.OpenDatabase();
    rsTests.Close();
    rsTests.Open(Sql::TestByName(title), cnDatabase);
    QCOMPARE(rsTests.RecordCount(), 1);
    QCOMPARE(rsTests.Field(QStringLiteral("fldTestNumber")).toLongLong(), quoted);
    // Two results of one student in one test: both list queries return the
    // first one stored first.
    for (int grade : {84, 12})
        env.Insert(QStringLiteral("INSERT INTO Results (fldStudentNumber, fldTestNumber, fldGrade) VALUES (4, 7, ?)"),
                   {grade});
    env.Insert(QStringLiteral("INSERT INTO Results (fldStudentNumber, fldTestNumber, fldGrade) VALUES (4, 8, 50)"));
    for (const SqlText& sql : {Sql::ResultsForList(4, 7), Sql::ResultOfStudentInTest(4, 7)}) {
        Recordset rs;
        rs.Open(sql, cnDatabase);
        QCOMPARE(rs.RecordCount(), 2);
        QCOMPARE(rs.Field(QStringLiteral("fldGrade")).toInt(), 84);
    }
}

void TestData::openReportsMissingOrDamagedFiles_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("expected");
    QTest::newRow("missing") << QByteArray() << "";
    QTest::newRow("not sqlite") << QByteArray("this is not a database at all, just some text.......") << "not a database";
    QTest::newRow("empty file") << QByteArray("") << "no such table";
    QTest::newRow("truncated") << QByteArray("SQLite format 3\0", 16) + QByteArray(200, '\x01') << "";
}

void TestData::openReportsMissingOrDamagedFiles()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, expected);
    QTemporaryDir dir;
    // Characters a file name may hold but a database URI would misread.
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("a #b?c")));
    const QString path = dir.path() + QStringLiteral("/a #b?c/Ostrel.mdb");
    if (!content.isNull()) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    Connection connection(QStringLiteral("damaged"));
    try {
        connection.Open(path);
        Recordset rs;
        rs.Open(Sql::AllPasswords(), connection);
        QFAIL("a missing or damaged database was read");
    } catch (const DbError& error) {
        QVERIFY2(!error.message().isEmpty() && error.message().contains(expected), qPrintable(error.message()));
    }
    QCOMPARE(QFile::exists(path), !content.isNull());  // opening never creates the file
}

QTEST_MAIN(TestData)
#include "test_data.moc"
