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
#include <QtTest>

class TestKill : public QObject {
    Q_OBJECT

private slots:
    void killedMidTestKeepsStoredAnswers_data();
    void killedMidTestKeepsStoredAnswers();
};

namespace {

const QString TestName = QStringLiteral("Geography");

// The helper's "record S RECORD" lines by slot, once it says "answered N" or ends.
QMap<int, QString> WaitUntilAnswered(QProcess& helper, int answered)
{
    const QByteArray last = "answered " + QByteArray::number(answered);
    QByteArray output;
    QDeadlineTimer deadline(60000);
    while (!output.contains(last) && helper.state() == QProcess::Running && !deadline.hasExpired()) {
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

void TestKill::killedMidTestKeepsStoredAnswers_data()
{
    QTest::addColumn<int>("answered");
    QTest::newRow("first slot") << 1;
    QTest::newRow("every slot") << 25;
}

void TestKill::killedMidTestKeepsStoredAnswers()
{
    QFETCH(int, answered);
    TestEnv env;
    const qint64 student = env.AddStudent(QStringLiteral("Cy"), QStringLiteral("pine"));
    const qint64 test = env.AddTest(TestName);
    // Another student's finished result, which the killed attempt must leave alone.
    const qint64 other = env.AddStudent(QStringLiteral("Di Ross"), QStringLiteral("oak"));
    env.Insert(QStringLiteral("INSERT INTO Results (fldStudentNumber, fldTestNumber, fldQ1, fldGrade) VALUES (?, ?, '1231C', 4)"),
               {other, test});

    QProcess helper;  // offscreen, as ctest runs this test
    helper.start(QCoreApplication::applicationDirPath() + QStringLiteral("/midtest"),
                 {env.fake.programFolder, QStringLiteral("Cy"), QStringLiteral("pine"), TestName, QString::number(answered)});
    QVERIFY2(helper.waitForStarted(), qPrintable(helper.errorString()));
    const QMap<int, QString> built = WaitUntilAnswered(helper, answered);
    QVERIFY2(helper.state() == QProcess::Running && built.size() == answered, helper.readAllStandardError().constData());
    helper.kill();  // SIGKILL
    QVERIFY(helper.waitForFinished(10000) && helper.exitStatus() == QProcess::CrashExit);

    // One row for the attempt, every record as built, ungraded; the other row untouched.
    QStringList attempt{QString::number(student), QString::number(test)};
    for (int s = 1; s <= 25; ++s)
        attempt << built.value(s, QStringLiteral("NULL"));
    attempt << QStringLiteral("NULL") << QStringLiteral("NULL");
    QStringList stored = env.Rows(QStringLiteral("SELECT * FROM Results WHERE fldStudentNumber = ?"), {student});
    for (QString& row : stored)
        row = row.section(u'|', 1, -2);  // without the row's own key and its deadline
    QCOMPARE(stored, QStringList{attempt.join(u'|')});
    QCOMPARE(env.Rows(QStringLiteral("SELECT fldQ1, fldQ2, fldGrade FROM Results WHERE fldStudentNumber = ?"), {other}),
             QStringList{QStringLiteral("1231C|NULL|4")});

    if (!TestEnv::OnServer())  // no journal left to roll back, and SQLite's own check passes
        QVERIFY(!QFile::exists(env.DatabasePath() + QStringLiteral("-journal"))
                && env.Scalar(QStringLiteral("PRAGMA integrity_check")).toString() == QStringLiteral("ok"));

    // The program opens the database again and lists the attempt.
    SignIn(env, student);
    const QListWidget* list = Home().lstResults;
    QVERIFY(list->count() == 1 && ResultsRow::TestName(list->item(0)->text()) == TestName && env.fake.unexpected.isEmpty());
}

QTEST_MAIN(TestKill)
#include "test_kill.moc"
