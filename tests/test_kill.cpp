// A program killed in the middle of a test (SIGKILL, no chance to clean up)
// keeps every answer it had stored, and leaves a sound database behind.
#include "StudentDesk.h"
#include "TestEnv.h"
#include "app/ListRows.h"
#include "screens/frmMain.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QListWidget>
#include <QMap>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QUuid>
#include <QtTest>
#include <algorithm>

class TestKill : public QObject {
    Q_OBJECT

private slots:
    void killedMidTestKeepsStoredAnswers_data();
    void killedMidTestKeepsStoredAnswers();
};

namespace {

const QString StudentName = QStringLiteral("Cy Marr");
const QString StudentPassword = QStringLiteral("pine");
const QString TestName = QStringLiteral("Geography");

QString BinaryBeside(const QString& name) { return QCoreApplication::applicationDirPath() + u'/' + name; }

// Reads the helper's lines until "answered N"; its "record S XXXXX" lines
// go into `records`.
void WaitUntilAnswered(QProcess& helper, int answered, QMap<int, QString>& records)
{
    const QByteArray last = "answered " + QByteArray::number(answered);
    QDeadlineTimer deadline(60000);
    for (;;) {
        while (helper.canReadLine()) {
            const QByteArray line = helper.readLine().trimmed();
            if (line == last)
                return;
            const QList<QByteArray> parts = line.split(' ');
            QVERIFY2(parts.size() == 3 && parts[0] == "record", line.constData());
            records[parts[1].toInt()] = QString::fromLatin1(parts[2]);
        }
        QVERIFY2(helper.state() == QProcess::Running,
                 qPrintable(QStringLiteral("the helper ended: ") + QString::fromLocal8Bit(helper.readAllStandardError())));
        QVERIFY2(!deadline.hasExpired(), "the helper never reported its answers");
        helper.waitForReadyRead(1000);
    }
}

// The record a correct test screen builds: three distinct order digits,
// the chosen line, and "C" exactly when that line holds the right answer.
bool IsWellFormed(const QString& record)
{
    if (record.size() != 5)
        return false;
    QString order = record.left(3);
    std::sort(order.begin(), order.end());
    const int line = record.mid(3, 1).toInt();
    if (order != QLatin1String("123") || line < 1 || line > 3)
        return false;
    const bool right = record.at(line - 1) == u'1';
    return record.at(4) == (right ? u'C' : u'X');
}

QString IntegrityOf(const QString& path)
{
    const QString name = QStringLiteral("integrity-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
    QString verdict;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        if (db.open()) {
            QSqlQuery query(db);
            if (query.exec(QStringLiteral("PRAGMA integrity_check")) && query.next())
                verdict = query.value(0).toString();
        }
    }
    QSqlDatabase::removeDatabase(name);
    return verdict;
}

}

void TestKill::killedMidTestKeepsStoredAnswers_data()
{
    QTest::addColumn<int>("answered");
    QTest::newRow("first slot") << 1;
    QTest::newRow("half") << 13;
    QTest::newRow("every slot") << 25;
}

void TestKill::killedMidTestKeepsStoredAnswers()
{
    QFETCH(int, answered);
    TestEnv env;
    const qint64 student = env.AddStudent(StudentName, StudentPassword);
    const qint64 test = env.AddTest(TestName, 30, QStringLiteral("Maps and rivers."));
    // Another student's finished result, which the killed attempt must leave alone.
    const qint64 other = env.AddStudent(QStringLiteral("Di Ross"), QStringLiteral("oak"));
    env.Insert(QStringLiteral("INSERT INTO Results (fldStudentNumber, fldTestNumber, fldQ1, fldGrade, fldDate) "
                              "VALUES (?, ?, ?, ?, ?)"),
               {other, test, QStringLiteral("1231C"), 4, QStringLiteral("06/11/2026")});

    QProcess helper;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    helper.setProcessEnvironment(environment);
    helper.start(BinaryBeside(QStringLiteral("midtest")),
                 {env.fake.programFolder, StudentName, StudentPassword, TestName, QString::number(answered)});
    QVERIFY2(helper.waitForStarted(), qPrintable(helper.errorString()));
    QMap<int, QString> built;
    WaitUntilAnswered(helper, answered, built);
    if (QTest::currentTestFailed()) {
        helper.kill();
        helper.waitForFinished();
        return;
    }
    QCOMPARE(built.size(), answered);

    helper.kill();  // SIGKILL
    QVERIFY(helper.waitForFinished(10000));
    QCOMPARE(helper.exitStatus(), QProcess::CrashExit);

    // Exactly one row for the attempt, holding every record as built and
    // nothing else; never graded. The other student's row is untouched.
    QCOMPARE(env.Scalar(QStringLiteral("SELECT COUNT(*) FROM Results")).toLongLong(), 2);
    QCOMPARE(env.Scalar(QStringLiteral("SELECT COUNT(*) FROM Results WHERE fldStudentNumber = ? AND fldTestNumber = ?"),
                        {student, test})
                 .toLongLong(),
             1);
    const qint64 attempt =
        env.Scalar(QStringLiteral("SELECT fldResultNumber FROM Results WHERE fldStudentNumber = ?"), {student}).toLongLong();
    for (int s = 1; s <= 25; ++s) {
        const QVariant stored =
            env.Scalar(QStringLiteral("SELECT fldQ%1 FROM Results WHERE fldResultNumber = ?").arg(s), {attempt});
        if (s <= answered) {
            QCOMPARE(stored.toString(), built.value(s));
            QVERIFY2(IsWellFormed(stored.toString()), qPrintable(stored.toString()));
        } else {
            QVERIFY2(stored.isNull(), qPrintable(QStringLiteral("slot %1 holds %2").arg(s).arg(stored.toString())));
        }
    }
    QVERIFY(env.Scalar(QStringLiteral("SELECT fldGrade FROM Results WHERE fldResultNumber = ?"), {attempt}).isNull());
    QVERIFY(env.Scalar(QStringLiteral("SELECT fldDate FROM Results WHERE fldResultNumber = ?"), {attempt}).isNull());
    QCOMPARE(env.Scalar(QStringLiteral("SELECT fldQ1 FROM Results WHERE fldStudentNumber = ?"), {other}).toString(),
             QStringLiteral("1231C"));
    QCOMPARE(env.Scalar(QStringLiteral("SELECT fldGrade FROM Results WHERE fldStudentNumber = ?"), {other}).toInt(), 4);

    // The file is sound: no journal left to roll back, and SQLite's own check passes.
    if (!TestEnv::OnServer()) {
        QVERIFY(!QFile::exists(env.DatabasePath() + QStringLiteral("-journal")));
        QCOMPARE(IntegrityOf(env.DatabasePath()), QStringLiteral("ok"));
    }

    // The program opens the database again and lists the attempt.
    SignIn(env, student);
    frmMain& home = Home();
    QCOMPARE(home.lstResults->count(), 1);
    QCOMPARE(ResultsRow::TestName(home.lstResults->item(0)->text()), TestName);
    QVERIFY(env.fake.unexpected.isEmpty());
}

QTEST_MAIN(TestKill)
#include "test_kill.moc"
