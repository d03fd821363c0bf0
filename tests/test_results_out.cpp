// Results saved as CSV from the administrator's screens and from
// vornick-admin, read back with Python's csv module as a spreadsheet would.
#include "TestEnv.h"
#include "UserActions.h"
#include "screens/Screens.h"
#include "screens/frmAdmin.h"
#include "screens/frmTestResults.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QtTest>

class TestResultsOut : public QObject {
    Q_OBJECT

private slots:
    void savedFromTheScreens();
    void writtenByTheTool();
};

namespace {

// A Results row with slots 1 to 5 as given (a Null QVariant for none).
void AddAttempt(TestEnv& env, qint64 student, qint64 test, const QVariant& grade, const QVariantList& firstFive)
{
    QStringList columns{QStringLiteral("fldStudentNumber"), QStringLiteral("fldTestNumber"), QStringLiteral("fldGrade"),
                        QStringLiteral("fldDate")};
    QVariantList values{student, test, grade, grade.isNull() ? QVariant() : QVariant(QStringLiteral("1.12.2026"))};
    for (int s = 1; s <= 5; ++s)
        columns << QStringLiteral("fldQ%1").arg(s);
    values << firstFive;
    const QString marks = QStringList(columns.size(), QStringLiteral("?")).join(u',');
    env.Insert(QStringLiteral("INSERT INTO Results (%1) VALUES (%2)").arg(columns.join(u','), marks), values);
}

// Students whose names a spreadsheet would run as formulas, or that need
// quoting; each took Algebra, the first one also began Geometry.
struct School {
    qint64 algebra = 0;
    qint64 geometry = 0;
    qint64 zoe = 0;
};

School Seed(TestEnv& env)
{
    School school;
    school.algebra = env.AddTest(QStringLiteral("Algebra"));
    school.geometry = env.AddTest(QStringLiteral("Geometry, \"plane\""));
    env.AddTest(QStringLiteral("Unused"));
    school.zoe = env.AddStudent(QStringLiteral("Zoë Müller, \"Z\""), QStringLiteral("pw"));
    // Slot 1 the answer, 2 false answer 2, 3 false answer 1, 4 none, 5 malformed.
    AddAttempt(env, school.zoe, school.algebra, 12, {"3122C", "3121X", "2311X", QVariant(), "1233C"});
    AddAttempt(env, school.zoe, school.geometry, QVariant(), {"1232X", QVariant(), QVariant(), QVariant(), QVariant()});
    for (const QString& name : {QStringLiteral("=HYPERLINK(\"http://x\")"), QStringLiteral("+1+1"), QStringLiteral("-2"),
                                QStringLiteral("@SUM(A1)"), QStringLiteral("\tTab"), QStringLiteral("Line\nbreak")})
        AddAttempt(env, env.AddStudent(name, QStringLiteral("pw")), school.algebra, 4,
                   {"1231C", QVariant(), QVariant(), QVariant(), QVariant()});
    return school;
}

// The file as Python's csv module reads it (the byte-order mark taken off).
QList<QStringList> ReadCsv(const QString& path)
{
    QProcess python;
    python.start(QStringLiteral("python3"),
                 {QStringLiteral("-c"), QStringLiteral("import csv, json, sys\n"
                                                       "with open(sys.argv[1], encoding='utf-8-sig', newline='') as f:\n"
                                                       "    print(json.dumps(list(csv.reader(f, strict=True))))"),
                  path});
    python.waitForFinished(60000);
    QList<QStringList> rows;
    for (const QJsonValue& row : QJsonDocument::fromJson(python.readAllStandardOutput()).array())
        rows << row.toVariant().toStringList();
    return rows;
}

QByteArray FirstBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.read(3) : QByteArray();
}

// A row's cells up to slot 5's choice.
QString Head(const QStringList& row) { return row.mid(0, 17).join(u'|'); }

QString LastBox(TestEnv& env)
{
    return env.fake.shown.empty() ? QStringLiteral("no box") : env.fake.shown.back().text + u'|' + env.fake.shown.back().title;
}

}

void TestResultsOut::savedFromTheScreens()
{
    TestEnv env;
    const School school = Seed(env);
    QTemporaryDir files;
    frmAdmin& admin = SignInAdmin();

    // One test's results: ordered by name, formulas shown as text, the rest as stored.
    PickRow(admin.lstTests, RowOfNumber(admin.lstTests, school.algebra));
    env.fake.fileChoices = {FileChoice{files.filePath(QStringLiteral("algebra")), 0}};
    Click(admin.cmdSaveResults);
    const QString path = files.filePath(QStringLiteral("algebra.csv"));
    QCOMPARE(LastBox(env), QStringLiteral("7 results written to %1.|Save Results").arg(QDir::toNativeSeparators(path)));
    QVERIFY(env.fake.fileDialogs.value(0).startsWith(QStringLiteral("Save Results|CSV files (*.csv)|")));
    QVERIFY(env.fake.fileDialogs.value(0).endsWith(QStringLiteral("/Algebra results.csv")));
    QCOMPARE(FirstBytes(path), QByteArray("\xEF\xBB\xBF"));
    const QList<QStringList> rows = ReadCsv(path);
    QCOMPARE(rows.size(), 8);
    QCOMPARE(rows[0].size(), 57);
    QCOMPARE(Head(rows[0]), QStringLiteral("Student number|Student|Test number|Test|Grade|Date|Finished|Q1|Q1 choice|Q2|Q2 choice|"
                                           "Q3|Q3 choice|Q4|Q4 choice|Q5|Q5 choice"));
    QCOMPARE(rows[0].last(), QStringLiteral("Q25 choice"));
    QStringList students;
    for (const QStringList& row : rows.mid(1))
        students << row.value(1);
    QCOMPARE(students, (QStringList{"'\tTab", "'+1+1", "-2", "'=HYPERLINK(\"http://x\")", "'@SUM(A1)", "Line\nbreak",
                                    "Zoë Müller, \"Z\""}));
    QCOMPARE(Head(rows[7]), QStringLiteral("%1|Zoë Müller, \"Z\"|%2|Algebra|12|1.12.2026|yes|1|answer|0|false 2|0|false 1|0||0|")
                                .arg(school.zoe).arg(school.algebra));
    QStringList unanswered;
    for (int slot = 6; slot <= 25; ++slot)
        unanswered << QStringLiteral("0") << QString();
    QCOMPARE(rows[7].mid(17), unanswered);

    // A test nobody has taken: said so, no file asked for.
    PickRow(admin.lstTests, admin.lstTests->count() - 1);
    Click(admin.cmdSaveResults);
    QCOMPARE(LastBox(env), QStringLiteral("There are no results to save yet.|Save Results"));

    // One student's results, the unfinished attempt with them.
    PickRow(admin.lstStudents, RowOfNumber(admin.lstStudents, school.zoe));
    Click(admin.cmdView);
    frmTestResults& results = Screens::Get<frmTestResults>();
    env.fake.fileChoices = {FileChoice{files.filePath(QStringLiteral("zoe.csv")), 0}};
    Click(results.cmdSave);
    QVERIFY(env.fake.fileDialogs.value(1).endsWith(QStringLiteral("/Zoë Müller, _Z_ results.csv")));
    const QList<QStringList> zoe = ReadCsv(files.filePath(QStringLiteral("zoe.csv")));
    QCOMPARE(zoe.size(), 3);
    QCOMPARE(Head(zoe[2]), QStringLiteral("%1|Zoë Müller, \"Z\"|%2|Geometry, \"plane\"|||no|0|false 1|0||0||0||0|")
                               .arg(school.zoe).arg(school.geometry));
    QCOMPARE(env.fake.unexpected, QStringList());
}

void TestResultsOut::writtenByTheTool()
{
    TestEnv env;
    const School school = Seed(env);
    QTemporaryDir files;
    const QString tool = QFileInfo(env.DatabasePath()).path() + QStringLiteral("/vornick-admin");
    QFile::copy(QCoreApplication::applicationDirPath() + QStringLiteral("/vornick-admin"), tool);
    const auto run = [&](const QStringList& arguments) {
        QProcess process;
        process.start(tool, arguments);
        process.waitForFinished(60000);
        return QString::number(process.exitCode()) + u' ' + QString::fromUtf8(process.readAllStandardOutput())
               + QString::fromUtf8(process.readAllStandardError());
    };

    const QString all = files.filePath(QStringLiteral("all.csv"));
    QCOMPARE(run({QStringLiteral("results"), QStringLiteral("--output"), all}),
             QStringLiteral("0 Wrote 8 results to %1.\n").arg(all));
    QCOMPARE(ReadCsv(all).size(), 9);

    // A student by name and a test by title narrow it to one attempt.
    const QString one = files.filePath(QStringLiteral("one.csv"));
    QCOMPARE(run({QStringLiteral("results"), QStringLiteral("--student"), QStringLiteral("Zoë Müller, \"Z\""),
                  QStringLiteral("--test"), QStringLiteral("Geometry, \"plane\""), QStringLiteral("--output"), one}),
             QStringLiteral("0 Wrote 1 result to %1.\n").arg(one));
    QCOMPARE(Head(ReadCsv(one).value(1)).section(u'|', 0, 6),
             QStringLiteral("%1|Zoë Müller, \"Z\"|%2|Geometry, \"plane\"|||no").arg(school.zoe).arg(school.geometry));
    QCOMPARE(run({QStringLiteral("results"), QStringLiteral("--student"), QString::number(school.zoe), QStringLiteral("--output"), one}),
             QStringLiteral("0 Wrote 2 results to %1.\n").arg(one));

    // Errors leave no file behind.
    const QString none = files.filePath(QStringLiteral("none.csv"));
    QCOMPARE(run({QStringLiteral("results"), QStringLiteral("--student"), QStringLiteral("Nobody"), QStringLiteral("--output"), none}),
             QStringLiteral("1 vornick-admin: no student is numbered or named \"Nobody\".\n"));
    QCOMPARE(run({QStringLiteral("results")}),
             QStringLiteral("2 vornick-admin: results needs --output FILE. See vornick-admin --help.\n"));
    QVERIFY(!QFile::exists(none));
}

QTEST_MAIN(TestResultsOut)
#include "test_results_out.moc"
