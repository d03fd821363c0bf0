// Backups of a database file while the program is in use, and restores: a
// copy made while another program stores answers holds every answer stored
// before it began and no row half-written; a restore refuses a database that
// holds data unless told to replace it, and brings an older backup forward.
// Database files only: a lab's server is backed up by the server package.
#include "TestEnv.h"
#include "data/Connection.h"
#include "data/DbError.h"
#include "data/FileBackup.h"
#include "data/Schema.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QtTest>

namespace {

QString Tool() { return QCoreApplication::applicationDirPath() + QStringLiteral("/vornick-admin"); }

// Runs vornick-admin; its exit code and what it wrote, standard output first.
std::pair<int, QString> Admin(const QStringList& arguments)
{
    QProcess tool;
    tool.start(Tool(), arguments);
    tool.waitForFinished(60000);
    return {tool.exitCode(), QString::fromUtf8(tool.readAllStandardOutput() + tool.readAllStandardError()).trimmed()};
}

// The first value of `sql` on the database file at `path`.
QString ValueIn(const QString& path, const QString& sql)
{
    Connection file(QStringLiteral("backup-reader"));
    file.Open(path);
    QSqlQuery query(file.Database());
    if (!query.exec(sql) || !query.next())
        return QStringLiteral("failed: ") + query.lastError().text();
    return query.value(0).toString();
}

}

class TestBackup : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void backupWhileAnotherProgramStores();
    void restoreRefusesDataAndBringsOldForward();
};

void TestBackup::initTestCase()
{
    if (TestEnv::OnServer())
        QSKIP("backups of a database file; a lab's are the server package's");
}

// midtest answers 24 slots, each stored as it leaves it; the backup is taken
// (by the tool, as a second program) once it has stored eight. The copy has
// those eight and any stored later, each as midtest printed it, in order
// from slot 1 with no gap, and passes SQLite's own check.
void TestBackup::backupWhileAnotherProgramStores()
{
    TestEnv env;
    env.AddStudent(QStringLiteral("Cy"), QStringLiteral("pine"));
    env.AddTest(QStringLiteral("Geography"));
    QProcess helper;
    helper.start(QCoreApplication::applicationDirPath() + QStringLiteral("/midtest"),
                 {env.fake.programFolder, QStringLiteral("Cy"), QStringLiteral("pine"), QStringLiteral("Geography"), "24"});
    QVERIFY2(helper.waitForStarted(), qPrintable(helper.errorString()));
    QByteArray output;
    const auto readUntil = [&](const QByteArray& seen) {
        for (QDeadlineTimer limit(60000); !output.contains(seen) && helper.state() == QProcess::Running && !limit.hasExpired();) {
            helper.waitForReadyRead(100);
            output += helper.readAllStandardOutput();
        }
        return output.contains(seen);
    };
    QVERIFY(readUntil("record 8 "));
    output += helper.readAllStandardOutput();
    const QList<QByteArray> before = output.split('\n');
    const QString backup = env.fake.programFolder + QStringLiteral("/copy.mdb");
    const auto [code, said] = Admin({QStringLiteral("backup"), backup, QStringLiteral("--database"), env.DatabasePath()});
    QVERIFY(readUntil("answered 24"));
    helper.kill();
    helper.waitForFinished(10000);
    QCOMPARE(code, 0);
    QVERIFY2(said.startsWith(QStringLiteral("Wrote the backup %1 of %2 (").arg(backup, env.DatabasePath())), qPrintable(said));

    QMap<int, QString> printed;
    int storedBefore = 0;
    for (const QByteArray& line : output.split('\n')) {
        const QList<QByteArray> words = line.split(' ');
        if (words.value(0) == "record") {
            printed[words.value(1).toInt()] = QString::fromLatin1(words.value(2));
            storedBefore += before.contains(line) ? 1 : 0;
        }
    }
    QVERIFY(storedBefore >= 8 && printed.size() == 24);
    QCOMPARE(ValueIn(backup, QStringLiteral("PRAGMA integrity_check")), QStringLiteral("ok"));
    int copied = 0;
    for (int slot = 1; slot <= 24; ++slot) {
        const QString kept = ValueIn(backup, QStringLiteral("SELECT COALESCE(fldQ%1, '') FROM Results").arg(slot));
        if (kept.isEmpty())
            break;
        QCOMPARE(kept, printed[slot]);
        ++copied;
    }
    QVERIFY2(copied >= storedBefore, qPrintable(QStringLiteral("%1 of %2").arg(copied).arg(storedBefore)));
    QCOMPARE(ValueIn(backup, QStringLiteral("SELECT COUNT(*) FROM Results WHERE fldQ%1 IS NOT NULL").arg(copied + 1)),
             QStringLiteral("0"));
    QCOMPARE(QFileInfo(backup).permissions() & (QFile::ReadGroup | QFile::ReadOther), QFile::Permissions());
    QVERIFY(!QFileInfo::exists(backup + QStringLiteral(".part")));
}

// A backup never goes over its own database; a restore refuses a file that
// is no database of the program and a database that holds anything unless
// told to replace it; restored, the database holds what the backup held;
// a backup of an older version comes back at this one.
void TestBackup::restoreRefusesDataAndBringsOldForward()
{
    TestEnv env;
    env.AddStudent(QStringLiteral("Ann"), QStringLiteral("apple"));
    env.AddTest(QStringLiteral("Rivers"));
    const QString database = env.DatabasePath();
    const QString folder = env.fake.programFolder;
    const QString backup = folder + QStringLiteral("/b.mdb");
    QCOMPARE(FailureOf([&] { FileBackup::Write(database, database); }),
             QStringLiteral("The backup %1 would be written over the database it copies; give another file.").arg(database));
    FileBackup::Write(database, backup);
    env.Exec(QStringLiteral("DELETE FROM Passwords"));
    env.AddStudent(QStringLiteral("Bea"), QStringLiteral("birch"));

    QCOMPARE(FailureOf([&] { FileBackup::Restore(backup, database, false); }),
             QStringLiteral("The database %1 holds 2 students, tests and results; nothing was restored "
                            "(give --replace to write over them).").arg(database));
    const QString notes = folder + QStringLiteral("/notes.txt");
    QFile text(notes);
    QVERIFY(text.open(QIODevice::WriteOnly) && text.write("not a database") > 0);
    text.close();
    QCOMPARE(FailureOf([&] { FileBackup::Restore(notes, database, true); }),
             notes + QStringLiteral(" is not a database of VornickTest; nothing was restored."));
    // A copy that fails leaves nothing behind, not even in part.
    const QString failed = folder + QStringLiteral("/failed.mdb");
    QCOMPARE(FailureOf([&] { FileBackup::Write(notes, failed); }), failed + QStringLiteral(": file is not a database"));
    QVERIFY(!QFileInfo::exists(failed) && !QFileInfo::exists(failed + QStringLiteral(".part")));
    QCOMPARE(env.Rows(QStringLiteral("SELECT fldStudentName FROM Passwords")), QStringList{"Bea"});

    const auto [code, said] = Admin({QStringLiteral("restore"), backup, QStringLiteral("--replace"),
                                     QStringLiteral("--database"), database});
    QCOMPARE(code, 0);
    QCOMPARE(said, QStringLiteral("Restored %1 as %2.").arg(backup, database));
    QCOMPARE(ValueIn(database, QStringLiteral("SELECT group_concat(fldStudentName) FROM Passwords")), QStringLiteral("Ann"));

    // Into an empty database; a backup of the version before pictures.
    const QString empty = folder + QStringLiteral("/empty.mdb");
    Schema::CreateDatabase(empty);
    {
        Connection older(QStringLiteral("older"));
        older.Open(backup);
        QSqlQuery query(older.Database());
        QVERIFY(query.exec(QStringLiteral("DROP TABLE Pictures")) && query.exec(QStringLiteral("PRAGMA user_version = 2")));
    }
    FileBackup::Restore(backup, empty, false);
    QCOMPARE(ValueIn(empty, QStringLiteral("PRAGMA user_version")), QStringLiteral("5"));
    QCOMPARE(ValueIn(empty, QStringLiteral("SELECT COUNT(*) FROM Pictures")), QStringLiteral("0"));
    QCOMPARE(ValueIn(empty, QStringLiteral("SELECT fldTestName FROM Tests")), QStringLiteral("Rivers"));
}

QTEST_MAIN(TestBackup)
#include "test_backup.moc"
