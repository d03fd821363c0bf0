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
    void lockedDatabaseIsWaitedOn();
    void lockedDatabaseIsReported();
    void secondCopyEndsSilently();
};

namespace {

QString BinaryBeside(const QString& name) { return QCoreApplication::applicationDirPath() + u'/' + name; }

void Overwrite(const QString& path, const QByteArray& content)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(content);
}

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
    QTest::addColumn<QString>("damage");
    QTest::addColumn<QString>("expected");
    QTest::newRow("missing") << "missing" << "unable to open database file";
    QTest::newRow("empty") << "empty" << "no such table: Passwords";
    QTest::newRow("truncated") << "truncated" << "";
    QTest::newRow("not sqlite") << "text" << "file is not a database";
    QTest::newRow("no Tests table") << "no-tests" << "no such table: Tests";
}

void TestFaults::damagedDatabaseAtStart()
{
    QFETCH(QString, damage);
    QFETCH(QString, expected);
    TestEnv env;
    if (env.OnServer() && damage != QLatin1String("no-tests"))
        QSKIP("a damaged file means nothing to a database server");
    const QString path = env.DatabasePath();
    if (damage == QLatin1String("missing")) {
        QVERIFY(QFile::remove(path));
    } else if (damage == QLatin1String("empty")) {
        Overwrite(path, {});
    } else if (damage == QLatin1String("truncated")) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray head = file.read(1500);
        file.close();
        Overwrite(path, head);
    } else if (damage == QLatin1String("text")) {
        Overwrite(path, QByteArray(4096, 'x'));
    } else {
        env.Exec(QStringLiteral("DROP TABLE Tests"));
    }
    RunGuarded([] { Screens::Show<frmEntry>(); });
    QVERIFY(env.fake.ended);
    QCOMPARE(env.fake.exitCode, 1);
    QCOMPARE(env.fake.shown.size(), std::size_t(1));
    const QString engineText = env.OnServer() ? QStringLiteral("\"tests\" does not exist") : expected;
    QVERIFY2(env.fake.shown[0].text.contains(engineText), qPrintable(env.fake.shown[0].text));
    QVERIFY(!env.fake.shown[0].text.isEmpty());
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

void TestFaults::lockedDatabaseIsWaitedOn()
{
    TestEnv env;
    if (env.OnServer())
        QSKIP("a server has no file lock");
    env.OpenDatabase();
    QProcess holder;
    HoldLock(holder, env.DatabasePath(), 1500);
    QElapsedTimer clock;
    clock.start();
    AddStudentThroughProgram();
    QVERIFY(clock.elapsed() >= 500);
    QVERIFY(holder.waitForFinished(10000));
    QCOMPARE(env.Scalar(QStringLiteral("SELECT COUNT(*) FROM Passwords WHERE fldStudentName = 'Waiting'")).toInt(), 1);
}

void TestFaults::lockedDatabaseIsReported()
{
    TestEnv env;
    if (env.OnServer())
        QSKIP("a server has no file lock");
    env.OpenDatabase();
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
