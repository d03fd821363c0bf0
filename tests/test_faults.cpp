// Faults from outside the program: damaged or missing databases at start, a
// database locked by another process, a second copy of the program.
#include "TestEnv.h"
#include "app/Module1.h"
#include "data/DbError.h"
#include "screens/Screens.h"
#include "screens/frmEntry.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <unistd.h>

class TestFaults : public QObject {
    Q_OBJECT

private slots:
    void damagedDatabaseAtStart_data();
    void damagedDatabaseAtStart();
    void readOnlyDatabaseFailsAtFirstWrite();
    void lockedDatabaseIsWaitedOnThenReported();
    void secondCopyEndsSilently();
};

namespace {

QString BinaryBeside(const QString& name) { return QCoreApplication::applicationDirPath() + u'/' + name; }

// Starts a process that holds an exclusive lock on `path` for `ms`.
void HoldLock(QProcess& holder, const QString& path, int ms)
{
    holder.start(BinaryBeside(QStringLiteral("dbholder")), {path, QString::number(ms)});
    QVERIFY(holder.waitForStarted());
    QVERIFY(holder.waitForReadyRead(10000));
    QCOMPARE(holder.readLine().trimmed(), QByteArray("locked"));
}

void AddStudentThroughProgram()
{
    Module1::rsPasswords.AddNew();
    Module1::rsPasswords.SetField(QStringLiteral("fldStudentName"), QStringLiteral("Waiting"));
    Module1::rsPasswords.SetField(QStringLiteral("fldPassword"), QStringLiteral("pw"));
    Module1::rsPasswords.Update();
}

}

void TestFaults::damagedDatabaseAtStart_data()
{
    // A missing file is shown at start in test_signin.
    // The file cut to keptBytes; -1 overwrites it with text, -2 drops the Tests table.
    QTest::addColumn<int>("keptBytes");
    QTest::addColumn<QString>("expected");
    QTest::newRow("empty") << 0 << "no such table: Passwords";
    QTest::newRow("truncated") << 1500 << "";
    QTest::newRow("not sqlite") << -1 << "file is not a database";
    QTest::newRow("no Tests table") << -2 << "no such table: Tests";
}

void TestFaults::damagedDatabaseAtStart()
{
    QFETCH(int, keptBytes);
    QFETCH(QString, expected);
    TestEnv env;
    if (env.OnServer() && keptBytes != -2)
        QSKIP("a damaged file means nothing to a database server");
    QFile file(env.DatabasePath());
    if (keptBytes >= 0) {
        QVERIFY(file.resize(keptBytes));
    } else if (keptBytes == -1) {
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(QByteArray(4096, 'x'));
        file.close();
    } else {
        env.Exec(QStringLiteral("DROP TABLE Tests"));
    }
    RunGuarded([] { Screens::Show<frmEntry>(); });
    QVERIFY(env.fake.ended && env.fake.exitCode == 1);
    QCOMPARE(env.fake.shown.size(), std::size_t(1));
    const QString engineText = env.OnServer() ? QStringLiteral("\"tests\" does not exist") : expected;
    QVERIFY2(!env.fake.shown[0].text.isEmpty() && env.fake.shown[0].text.contains(engineText),
             qPrintable(env.fake.shown[0].text));
    QVERIFY(!Screens::Get<frmEntry>().isVisible());
}

void TestFaults::readOnlyDatabaseFailsAtFirstWrite()
{
    if (::geteuid() == 0)
        QSKIP("file permissions do not bind the superuser");
    TestEnv env;
    QVERIFY(QFile::setPermissions(env.DatabasePath(), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    RunGuarded([] { Screens::Show<frmEntry>(); });
    QVERIFY(!env.fake.ended);
    try {
        AddStudentThroughProgram();
        QFAIL("stored into a read-only database");
    } catch (const DbError& error) {
        QVERIFY2(error.message().contains(QStringLiteral("readonly")), qPrintable(error.message()));
    }
}

void TestFaults::lockedDatabaseIsWaitedOnThenReported()
{
    TestEnv env;
    if (env.OnServer())
        QSKIP("a server has no file lock");
    env.OpenDatabase();
    {
        // A lock held briefly is waited for, and the store goes through.
        QProcess holder;
        HoldLock(holder, env.DatabasePath(), 1500);
        QElapsedTimer clock;
        clock.start();
        AddStudentThroughProgram();
        QVERIFY(clock.elapsed() >= 500);
        QVERIFY(holder.waitForFinished(10000));
        QCOMPARE(env.Scalar(QStringLiteral("SELECT COUNT(*) FROM Passwords WHERE fldStudentName = 'Waiting'")).toInt(), 1);
    }
    // A lock held too long is reported with the engine's message.
    QProcess holder;
    HoldLock(holder, env.DatabasePath(), 9000);
    try {
        AddStudentThroughProgram();
        QFAIL("a store went through a held lock");
    } catch (const DbError& error) {
        QVERIFY2(error.message().contains(QStringLiteral("locked")), qPrintable(error.message()));
    }
    holder.kill();
    holder.waitForFinished();
}

void TestFaults::secondCopyEndsSilently()
{
    QTemporaryDir folder;
    QTemporaryDir runtime;
    for (const char* file : {"VornickTest", "HelpFile.hlp", "Ostrel.mdb"})
        QVERIFY(QFile::copy(BinaryBeside(QLatin1String(file)), folder.path() + u'/' + QLatin1String(file)));
    QFile::setPermissions(folder.path() + QStringLiteral("/VornickTest"),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());

    QProcess first;
    first.setProcessEnvironment(environment);
    first.start(folder.path() + QStringLiteral("/VornickTest"), {});
    QVERIFY(first.waitForStarted());
    QTest::qWait(1500);  // let the first copy take its lock and show its screen
    QCOMPARE(first.state(), QProcess::Running);

    QProcess second;
    second.setProcessEnvironment(environment);
    second.start(folder.path() + QStringLiteral("/VornickTest"), {});
    QVERIFY(second.waitForFinished(10000));
    QCOMPARE(second.exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.exitCode(), 0);
    QCOMPARE(second.readAllStandardOutput(), QByteArray());

    QCOMPARE(first.state(), QProcess::Running);  // the first copy goes on
    first.kill();
    first.waitForFinished();
}

QTEST_MAIN(TestFaults)
#include "test_faults.moc"
