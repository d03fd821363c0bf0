// The data layer against a real database: the schema, the recordset's
// behaviour that the screens rely on, and missing or damaged files.
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
#include <QProcess>
#include <QFileInfo>
#include <unistd.h>
#include <QtTest>

using namespace Module1;

class TestData : public QObject {
    Q_OBJECT

private slots:
    void schemaHasEveryFieldAndIsNeverOverwritten();
    void storesKeepKeysNullAndTextApart();
    void deleteAtOnceAndMisuseReported();
    void openReportsMissingOrDamagedFiles_data();
    void openReportsMissingOrDamagedFiles();
    void unwritableDatabaseIsToldAtStart();
};

namespace {

// The field names of a whole-table query, in order (a server folds them to lower case).
QString FieldsOf(const QString& table)
{
    QSqlQuery query(cnDatabase.Database());
    query.exec(QStringLiteral("SELECT * FROM %1").arg(table));
    QStringList names;
    for (int i = 0; i < query.record().count(); ++i)
        names << query.record().fieldName(i).toLower();
    return names.join(u',');
}

QString Fields(QStringList fields, const QStringList& perSlot, const QStringList& after = {})
{
    for (int s = 1; s <= 25; ++s)
        for (const QString& field : perSlot)
            fields << field.arg(s);
    return (fields + after).join(u',').toLower();
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
    QCOMPARE(FieldsOf(QStringLiteral("Tests")), Fields({"fldTestNumber", "fldTestName", "fldDescription", "fldTime"},
                                                       {"fldQ%1", "fldQ%1Answer", "fldQ%1Phony1", "fldQ%1Phony2"}));
    QCOMPARE(FieldsOf(QStringLiteral("Results")),
             Fields({"fldResultNumber", "fldStudentNumber", "fldTestNumber"}, {"fldQ%1"}, {"fldGrade", "fldDate"}));
    if (TestEnv::OnServer())
        return;  // the server's tables are refused twice in test_lab
    env.AddStudent(QStringLiteral("Ann"), QStringLiteral("pw"));
    QVERIFY_THROWS_EXCEPTION(DbError, Schema::CreateDatabase(env.DatabasePath()));
    QCOMPARE(env.Scalar(QStringLiteral("SELECT fldStudentName FROM Passwords")).toString(), QStringLiteral("Ann"));
}

void TestData::storesKeepKeysNullAndTextApart()
{
    TestEnv env;
    const qint64 test = env.Insert(QStringLiteral("INSERT INTO Tests (fldTestName, fldQ1) VALUES ('T', '')"));
    env.OpenDatabase();
    // A new row gets its key and stays current: a second store updates it.
    AddPassword(QStringLiteral("Ann"), QStringLiteral("pw"));
    const qint64 first = rsPasswords.Field(QStringLiteral("fldStudentNumber")).toLongLong();
    rsPasswords.SetField(QStringLiteral("fldPassword"), QStringLiteral("changed"));
    rsPasswords.Update();
    AddPassword(QStringLiteral("Bob"), QStringLiteral("x"));
    const qint64 second = rsPasswords.Field(QStringLiteral("fldStudentNumber")).toLongLong();
    QVERIFY(first > 0 && second > first);
    QCOMPARE(env.Rows(QStringLiteral("SELECT * FROM Passwords ORDER BY fldStudentNumber")),
             (QStringList{QStringLiteral("%1|Ann|changed").arg(first), QStringLiteral("%1|Bob|x").arg(second)}));

    // Null is kept apart from empty text; long and non-Latin text comes back whole.
    QVERIFY(!rsTests.IsNull(QStringLiteral("fldQ1")) && rsTests.IsNull(QStringLiteral("fldQ2")));
    QCOMPARE(rsTests.Text(QStringLiteral("fldQ2")), QString());
    const QString text = QStringLiteral("Ünïcødé Ελληνικά 日本語 'quote' \"double\" %_\n") + QString(20000, u'x');
    rsTests.SetField(QStringLiteral("fldQ3"), QString(""));
    rsTests.SetField(QStringLiteral("fldDescription"), text);
    rsTests.Update();
    QCOMPARE(env.Rows(QStringLiteral("SELECT fldQ1, fldQ3, fldQ4 FROM Tests WHERE fldTestNumber = ?"), {test}),
             QStringList{QStringLiteral("||NULL")});
    QCOMPARE(env.Scalar(QStringLiteral("SELECT fldDescription FROM Tests")).toString(), text);
}

void TestData::deleteAtOnceAndMisuseReported()
{
    TestEnv env;
    env.AddStudent(QStringLiteral("Gone"), QStringLiteral("p"));
    env.OpenDatabase();
    const QString insert = QStringLiteral("INSERT INTO Results (fldStudentNumber, fldTestNumber) VALUES (?, ?)");
    for (int t = 1; t <= 3; ++t)
        env.Insert(insert, {1, t});
    env.Insert(insert, {2, 9});
    rsResults.Open(Sql::ResultsOfStudent(1), cnDatabase);
    // Each delete is in the table at once; the deleted row is skipped afterwards.
    for (int remaining = 2; !rsResults.Eof(); --remaining) {
        rsResults.Delete();
        QCOMPARE(env.Scalar(QStringLiteral("SELECT COUNT(*) FROM Results WHERE fldStudentNumber = 1")).toInt(), remaining);
        rsResults.MoveNext();
    }
    QCOMPARE(env.Scalar(QStringLiteral("SELECT COUNT(*) FROM Results")).toInt(), 1);
    rsResults.MoveFirst();
    QVERIFY(rsResults.Eof() && rsResults.RecordCount() == 0);
    QVERIFY_THROWS_EXCEPTION(DbError, rsResults.Field(QStringLiteral("fldGrade")));

    QVERIFY_THROWS_EXCEPTION(DbError, rsTests.Open(Sql::AllTests(), cnDatabase));  // already open
    rsTests.Close();
    QVERIFY_THROWS_EXCEPTION(DbError, rsTests.MoveFirst());
    env.Exec(QStringLiteral("DELETE FROM Passwords"));
    rsPasswords.SetField(QStringLiteral("fldPassword"), QStringLiteral("x"));
    QVERIFY_THROWS_EXCEPTION(DbError, rsPasswords.Update());  // a vanished row is not passed over silently
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
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
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

// A database this user cannot change is told at start, naming the path and
// what to do. The superuser is never refused a write, so as the superuser
// the database is opened as the ordinary user "nobody".
void TestData::unwritableDatabaseIsToldAtStart()
{
    if (TestEnv::OnServer())
        QSKIP("a server's files are not the workstation's");
    TestEnv env;
    const QString folder = QFileInfo(env.DatabasePath()).absolutePath();
    const bool root = ::geteuid() == 0;
    const auto open = [&] {
        QProcess dbopen;
        const QString binary = QCoreApplication::applicationDirPath() + QStringLiteral("/dbopen");
        if (root)
            dbopen.start(QStringLiteral("setpriv"), {"--reuid=65534", "--regid=65534", "--clear-groups", binary, folder});
        else
            dbopen.start(binary, {folder});
        dbopen.waitForFinished(20000);
        return QString::fromUtf8(dbopen.readAllStandardOutput()).trimmed();
    };
    const auto all = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::WriteGroup
        | QFile::ExeGroup | QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;
    const auto readable = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;
    const QString told = QStringLiteral("The database %1 cannot be written by this user account (%2 is read-only for it), "
                                        "so no answer or change could be stored.\nAsk the person who installed VornickTest "
                                        "to give this account write access to the database file and its folder.");
    QVERIFY(QFile::setPermissions(folder, all));
    QVERIFY(QFile::setPermissions(env.DatabasePath(), readable));
    QCOMPARE(open(), told.arg(env.DatabasePath(), QStringLiteral("the file")));
    QVERIFY(QFile::setPermissions(env.DatabasePath(), readable | QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther));
    QVERIFY(QFile::setPermissions(folder, readable | QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther));
    QCOMPARE(open(), told.arg(env.DatabasePath(), QStringLiteral("its folder ") + folder));
    QVERIFY(QFile::setPermissions(folder, all));
    QCOMPARE(open(), QStringLiteral("opened"));
}

QTEST_MAIN(TestData)
#include "test_data.moc"
