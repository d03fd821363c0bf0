// Faults from outside the program: other programs at the database file, and
// a program killed in the middle of a test. (An unwritable database is in test_data.)
#include "StudentDesk.h"
#include "TestEnv.h"
#include "app/Module1.h"
#include "data/DbError.h"
#include "data/Schema.h"
#include "screens/Screens.h"
#include "screens/frmMain.h"

#include <QtTest>
#include <QtWidgets>

namespace {

QString BinaryBeside(const QString& name) { return QCoreApplication::applicationDirPath() + u'/' + name; }

// The engine's message when the program stores a new student, or "" once stored.
QString StoreFailure()
{
    try {
        Module1::rsPasswords.AddNew();
        Module1::rsPasswords.SetField(QStringLiteral("fldStudentName"), QStringLiteral("Waiting"));
        Module1::rsPasswords.Update();
        return {};
    } catch (const DbError& error) {
        return error.message();
    }
}

void HoldLock(QProcess& holder, const QString& path, int ms)
{
    holder.start(BinaryBeside(QStringLiteral("dbholder")), {path, QString::number(ms)});
    QVERIFY(holder.waitForStarted() && holder.waitForReadyRead(10000));
    QCOMPARE(holder.readLine().trimmed(), QByteArray("locked"));
}

// midtest's "record S RECORD" lines by slot, once it says "answered N" or ends.
QMap<int, QString> WaitUntilAnswered(QProcess& helper, int answered)
{
    const QByteArray last = "answered " + QByteArray::number(answered);
    QByteArray output;
    for (QDeadlineTimer deadline(60000); !output.contains(last) && helper.state() == QProcess::Running
         && !deadline.hasExpired();) {
        helper.waitForReadyRead(1000);
        output += helper.readAllStandardOutput();
    }
    QMap<int, QString> records;
    for (const QByteArray& line : output.split('\n')) {
        const QList<QByteArray> parts = line.split(' ');
        if (parts.size() == 3 && parts[0] == "record")
            records[parts[1].toInt()] = QString::fromLatin1(parts[2]);
    }
    return records;
}

}

class TestFaults : public QObject {
    Q_OBJECT

private slots:
    // Other programs at the file: creating a database over it is refused and
    // leaves it in place (the build and the install run makedb every time); a
    // lock held briefly is waited for and the store goes through; held too
    // long, it is reported with the engine's message.
    void otherProgramsAtTheDatabaseFile()
    {
        TestEnv env;
        if (env.OnServer())
            QSKIP("a server has no file");
        QVERIFY_THROWS_EXCEPTION(DbError, Schema::CreateDatabase(env.DatabasePath()));
        QVERIFY(QFile::exists(env.DatabasePath()));
        env.OpenDatabase();
        QProcess briefly, long_;
        HoldLock(briefly, env.DatabasePath(), 1500);
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(StoreFailure(), QString());
        QVERIFY(briefly.waitForFinished(10000) && clock.elapsed() >= 500);
        QCOMPARE(env.Scalar(QStringLiteral("SELECT COUNT(*) FROM Passwords")).toInt(), 1);
        HoldLock(long_, env.DatabasePath(), 9000);
        const QString failure = StoreFailure();
        QVERIFY2(failure.contains(QStringLiteral("locked")), qPrintable(failure));
        long_.kill();
        long_.waitForFinished();
    }

    // Killed with SIGKILL after its last answer, the program leaves every answer
    // it stored, ungraded, another student's result untouched, and a sound
    // database it opens again.
    void killedMidTestKeepsStoredAnswers()
    {
        const int answered = 25;
        TestEnv env;
        const qint64 student = env.AddStudent(QStringLiteral("Cy"), QStringLiteral("pine"));
        const qint64 test = env.AddTest(QStringLiteral("Geography"));
        const qint64 other = env.AddStudent(QStringLiteral("Di Ross"), QStringLiteral("oak"));
        env.Insert(QStringLiteral("INSERT INTO Results (fldStudentNumber, fldTestNumber, fldQ1, fldGrade) VALUES (?, ?, '1231C', 4)"),
                   {other, test});

        QProcess helper;
        helper.start(BinaryBeside(QStringLiteral("midtest")), {env.fake.programFolder, QStringLiteral("Cy"), QStringLiteral("pine"),
                                                               QStringLiteral("Geography"), QString::number(answered)});
        QVERIFY2(helper.waitForStarted(), qPrintable(helper.errorString()));
        const QMap<int, QString> built = WaitUntilAnswered(helper, answered);
        QVERIFY2(helper.state() == QProcess::Running && built.size() == answered, helper.readAllStandardError().constData());
        helper.kill();
        QVERIFY(helper.waitForFinished(10000) && helper.exitStatus() == QProcess::CrashExit);

        QStringList attempt{QString::number(student), QString::number(test)};
        for (int s = 1; s <= 25; ++s)
            attempt << built.value(s, QStringLiteral("NULL"));
        attempt << QStringLiteral("NULL") << QStringLiteral("NULL");
        QStringList stored = env.Rows(QStringLiteral("SELECT * FROM Results ORDER BY fldResultNumber"));
        for (QString& row : stored)
            row = row.section(u'|', 1, -2);  // without the row's own key and its deadline
        QCOMPARE(stored, QStringList({QStringLiteral("%1|%2|1231C").arg(other).arg(test) + QStringLiteral("|NULL").repeated(24)
                                          + QStringLiteral("|4|NULL"),
                                      attempt.join(u'|')}));
        if (!TestEnv::OnServer())  // no journal left to roll back, and SQLite's own check passes
            QVERIFY(!QFile::exists(env.DatabasePath() + QStringLiteral("-journal"))
                    && env.Scalar(QStringLiteral("PRAGMA integrity_check")).toString() == QStringLiteral("ok"));

        SignIn(env, student);
        const QListWidget* list = Home().lstResults;
        QVERIFY(list->count() == 1 && list->item(0)->text().startsWith(QStringLiteral("Geography ")));
        QVERIFY(env.fake.unexpected.isEmpty());
    }
};

QTEST_MAIN(TestFaults)
#include "test_faults.moc"
