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

const QString StudentName = QStringLiteral("Cy Marr");
const QString StudentPassword = QStringLiteral("pine");
const QString TestName = QStringLiteral("Geography");

QString BinaryBeside(const QString& name) { return QCoreApplication::applicationDirPath() + u'/' + name; }

// Reads the helper's output until it says "answered N" or ends; returns
// its "record S RECORD" lines by slot.
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
    const QMap<int, QString> built = WaitUntilAnswered(helper, answered);
    QVERIFY2(helper.state() == QProcess::Running, helper.readAllStandardError().constData());
    QCOMPARE(built.size(), answered);
    helper.kill();  // SIGKILL
    QVERIFY(helper.waitForFinished(10000));
    QCOMPARE(helper.exitStatus(), QProcess::CrashExit);

    // Exactly one row for the attempt, holding every record as built and
    // nothing else, never graded; the other student's row is untouched.
    QStringList attempt{QString::number(student), QString::number(test)};
    for (int s = 1; s <= 25; ++s)
        attempt << built.value(s, QStringLiteral("NULL"));
    attempt << QStringLiteral("NULL") << QStringLiteral("NULL");
    QStringList stored = env.Rows(QStringLiteral("SELECT * FROM Results WHERE fldStudentNumber = ?"), {student});
    for (QString& row : stored)
        row = row.section(u'|', 1);  // without the row's own key
    QCOMPARE(stored, QStringList{attempt.join(u'|')});
    QCOMPARE(env.Rows(QStringLiteral("SELECT fldQ1, fldQ2, fldGrade FROM Results WHERE fldStudentNumber = ?"), {other}),
             QStringList{QStringLiteral("1231C|NULL|4")});

    // The file is sound: no journal left to roll back, and SQLite's own check passes.
    if (!TestEnv::OnServer()) {
        QVERIFY(!QFile::exists(env.DatabasePath() + QStringLiteral("-journal")));
        QCOMPARE(env.Scalar(QStringLiteral("PRAGMA integrity_check")).toString(), QStringLiteral("ok"));
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
