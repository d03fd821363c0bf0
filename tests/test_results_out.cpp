// Results out of the database: saved as CSV from the administrator's screens
// and from vornick-admin, read back with Python's csv module as a spreadsheet
// would, and byte for byte as the file is streamed on each engine; a slow
// save shown with its progress and cancelled; the item statistics of a test, checked against figures worked out by
// hand, through the real statistics window and through vornick-admin analysis.
#include "TestEnv.h"
#include "exchange/Csv.h"
#include "UserActions.h"
#include "app/Module1.h"
#include "data/Recordset.h"
#include "screens/Screens.h"
#include "screens/frmAdmin.h"
#include "screens/frmNewTest.h"
#include "screens/frmNewTestIntro.h"
#include "screens/frmStatistics.h"
#include "screens/frmTestResults.h"

#include <QHeaderView>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProcess>
#include <QProgressDialog>
#include <QPushButton>
#include <QTableWidget>
#include <QThread>
#include <QtTest>

class TestResultsOut : public QObject {
    Q_OBJECT

private slots:
    void savedFromTheScreens();
    void streamedBytes();
    void cancelledSave();
    void handWorkedClass();
};

namespace {

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

// A row's cells up to slot 5's choice.
QString Head(const QStringList& row) { return row.mid(0, 18).join(u'|'); }


// Six finished attempts (A to F) and one unfinished (G), which the figures
// leave out. Per attempt, slots 1 to 5 ("-" no choice, "bad" a malformed
// record, which counts as no choice; slots 6 to 25 all right):
//        S1      S2      S3    S4     S5      right in 1-5   total   grade
//   A    answer  false1  bad   answer answer  3              23      92
//   B    answer  false1  bad   answer answer  3              23      92
//   C    answer  false2  bad   bad    answer  2              22      88
//   D    -       answer  -     answer -       2              22      88
//   E    false2  answer  -     -      false1  1              21      84
//   F    -       answer  -     bad    false1  1              21      84
// N = 6; mean grade 88; the totals' variance (over N) is (1+1+0+0+1+1)/6 = 2/3,
// so SD = 4 * sqrt(2/3) = 3.27 grade points. Slots 1, 2, 4 and 5 have p = 1/2,
// p(1-p) = 1/4 each, summing to 1; slots 3 and 6-25 have p(1-p) = 0.
// KR-20 = 25/24 * (1 - 1 / (2/3)) = -0.52; SEM = 3.27 * sqrt(1.52) = 4.03.
// Groups: 27% of 6 = 1.62, so 2: top A, B; bottom E, F.
// Corrected item-total r (rest = total of the other slots, less 20):
//   S1: x = 1,1,1,0,0,0  rest = 2,2,1,2,1,1  Σdxdr = 0.5, Σdx² = 1.5, Σdr² = 1.5 -> 0.33
//   S2: x = 0,0,0,1,1,1  rest = 3,3,2,1,0,0  Σdxdr = -3.5, Σdx² = 1.5, Σdr² = 9.5 -> -0.93
//   S4: x = 1,1,0,1,0,0  rest = 2,2,2,1,1,1  -> 0.5 / 1.5 = 0.33
//   S5: x = 1,1,1,0,0,0  rest = 2,2,1,2,1,1  -> 0.33
// S2 looks keyed wrong (false answer 1 against the rest: r = 0.84 > -0.93),
// but six attempts are too few for any key to be flagged.
qint64 SeedClass(TestEnv& env)
{
    const qint64 test = env.AddTest(QStringLiteral("Quiz"));
    const qint64 other = env.AddTest(QStringLiteral("Other"));
    const QVariant none;
    const QString right = QStringLiteral("1231C");
    const QStringList names{"A", "B", "C", "D", "E", "F", "G"};
    std::vector<qint64> students;
    for (const QString& name : names)
        students.push_back(env.AddStudent(name, QStringLiteral("pw")));
    AddAttempt(env, students[0], test, 92, {"1231C", "2311X", "1134X", "3122C", "2313C"}, right);
    AddAttempt(env, students[1], test, 92, {"3122C", "1232X", "1231c", "1231C", "1231C"}, right);
    AddAttempt(env, students[2], test, 88, {"2313C", "1233X", "123145", "1233C", "3122C"}, right);
    AddAttempt(env, students[3], test, 88, {"", "1231C", none, "2313C", none}, right);
    AddAttempt(env, students[4], test, 84, {"3121X", "3122C", none, none, "1232X"}, right);
    AddAttempt(env, students[5], test, 84, {none, "2313C", none, "31X", "2311X"}, right);
    AddAttempt(env, students[6], test, none, {"1232X", "1232X", "1232X", "1232X", "1232X"}, right);
    AddAttempt(env, students[0], other, 100, {right, right, right, right, right}, right);
    return test;
}

QString RowText(const QTableWidget* table, int row)
{
    QStringList cells;
    for (int column = 0; column < table->columnCount(); ++column)
        cells << table->item(row, column)->text();
    return cells.join(u'|');
}

QString Column(const QTableWidget* table, int column)
{
    QStringList cells;
    for (int row = 0; row < table->rowCount(); ++row)
        cells << table->item(row, column)->text();
    return cells.join(u',');
}

void ClickHeader(QTableWidget* table, int column)
{
    QHeaderView* header = table->horizontalHeader();
    table->scrollToItem(table->item(0, column));
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(column) + header->sectionSize(column) / 2, header->height() / 2));
}


}

// CSV from the catalogue (one test), the results screen (one student) and vornick-admin.
void TestResultsOut::savedFromTheScreens()
{
    TestEnv env;
    // Students whose names a spreadsheet would run as formulas, or that need
    // quoting; each took Algebra, the first one also began Geometry.
    const qint64 algebra = env.AddTest(QStringLiteral("Algebra"));
    const qint64 geometry = env.AddTest(QStringLiteral("Geometry, \"plane\""));
    env.AddTest(QStringLiteral("Unused"));
    const qint64 zoe = env.AddStudent(QStringLiteral("Zoë Müller, \"Z\""), QStringLiteral("pw"));
    // Slot 1 the answer, 2 false answer 2, 3 false answer 1, 4 none, 5 malformed.
    AddAttempt(env, zoe, algebra, 12, {"3122C", "3121X", "2311X", QVariant(), "1233C"});
    AddAttempt(env, zoe, geometry, QVariant(), {"1232X", QVariant(), QVariant(), QVariant(), QVariant()});
    env.Exec(QStringLiteral("UPDATE Results SET fldMinutesGiven = 45 WHERE fldTestNumber = ?"), {geometry});
    for (const QString& name : {QStringLiteral("=HYPERLINK(\"http://x\")"), QStringLiteral("+1+1"), QStringLiteral("-2"),
                                QStringLiteral("@SUM(A1)"), QStringLiteral("\tTab"), QStringLiteral("Line\nbreak")})
        AddAttempt(env, env.AddStudent(name, QStringLiteral("pw")), algebra, 4,
                   {"1231C", QVariant(), QVariant(), QVariant(), QVariant()});
    QTemporaryDir files;
    frmAdmin& admin = SignInAdmin();

    // One test's results: ordered by name, formulas shown as text, the rest as stored.
    PickRow(admin.lstTests, RowOfNumber(admin.lstTests, algebra));
    env.fake.fileChoices = {FileChoice{files.filePath(QStringLiteral("algebra")), 0}};
    Click(admin.cmdSaveResults);
    const QString path = files.filePath(QStringLiteral("algebra.csv"));
    QCOMPARE(LastBox(env.fake), QStringLiteral("7 results written to %1.|Save Results|OK").arg(QDir::toNativeSeparators(path)));
    QVERIFY(env.fake.fileDialogs.value(0).endsWith(QStringLiteral("/Algebra results.csv")));
    QCOMPARE(ReadFile(path).left(3), QByteArray("\xEF\xBB\xBF"));
    const QList<QStringList> rows = ReadCsv(path);
    QCOMPARE(rows[0].size(), 59);
    QCOMPARE(Head(rows[0]), QStringLiteral("Student number|Student|Test number|Test|Grade|Date|Date (ISO)|Finished|Minutes given|Q1|Q1 choice|Q2|"
                                           "Q2 choice|Q3|Q3 choice|Q4|Q4 choice|Q5"));
    QStringList students;
    for (const QStringList& row : rows.mid(1))
        students << row.value(1);
    QCOMPARE(students, (QStringList{"'\tTab", "'+1+1", "-2", "'=HYPERLINK(\"http://x\")", "'@SUM(A1)", "Line\nbreak",
                                    "Zoë Müller, \"Z\""}));
    QCOMPARE(Head(rows[7]), QStringLiteral("%1|Zoë Müller, \"Z\"|%2|Algebra|12|1.12.2026||yes||1|answer|0|false 2|0|false 1|0||0")
                                .arg(zoe).arg(algebra));
    QCOMPARE(rows[7].mid(19).join(u','), QStringList(20, QStringLiteral("0,")).join(u','));  // slots 6 to 25 unanswered

    // A test nobody has taken: said so, no file asked for.
    PickRow(admin.lstTests, admin.lstTests->count() - 1);
    Click(admin.cmdSaveResults);
    QCOMPARE(LastBox(env.fake), QStringLiteral("There are no results to save yet.|Save Results|OK"));

    // One student's results, the unfinished attempt with them.
    PickRow(admin.lstStudents, RowOfNumber(admin.lstStudents, zoe));
    Click(admin.cmdView);
    frmTestResults& results = Screens::Get<frmTestResults>();
    env.fake.fileChoices = {FileChoice{files.filePath(QStringLiteral("zoe.csv")), 0}};
    Click(results.cmdSave);
    QVERIFY(env.fake.fileDialogs.value(1).endsWith(QStringLiteral("/Zoë Müller, _Z_ results.csv")));
    const QList<QStringList> zoeRows = ReadCsv(files.filePath(QStringLiteral("zoe.csv")));
    QCOMPARE(zoeRows.size(), 3);
    QCOMPARE(Head(zoeRows[2]), QStringLiteral("%1|Zoë Müller, \"Z\"|%2|Geometry, \"plane\"||||no|45|0|false 1|0||0||0||0")
                               .arg(zoe).arg(geometry));
    QCOMPARE(env.fake.unexpected, QStringList());

    // From vornick-admin, narrowed by student and test, by name or number.
    const auto run = [&env](const QStringList& arguments) {
        const ToolRun ran = RunAdminTool(env, arguments);
        return QString::number(ran.code) + u' ' + ran.out + ran.err;
    };

    const QString one = files.filePath(QStringLiteral("one.csv"));
    QCOMPARE(run({"results", "--student", "Zoë Müller, \"Z\"", "--test", "Geometry, \"plane\"", "--output", one}),
             QStringLiteral("0 Wrote 1 result to %1.\n").arg(one));
    QCOMPARE(Head(ReadCsv(one).value(1)).section(u'|', 0, 7),
             QStringLiteral("%1|Zoë Müller, \"Z\"|%2|Geometry, \"plane\"||||no").arg(zoe).arg(geometry));
    QCOMPARE(run({"results", "--student", QString::number(zoe), "--output", one}),
             QStringLiteral("0 Wrote 2 results to %1.\n").arg(one));

    // Errors leave no file behind.
    const QString none = files.filePath(QStringLiteral("none.csv"));
    QCOMPARE(run({"results", "--student", "Nobody", "--output", none}),
             QStringLiteral("1 vornick-admin: no student is numbered or named \"Nobody\".\n"));
    QCOMPARE(run({"results"}), QStringLiteral("2 vornick-admin: results needs --output FILE. See vornick-admin --help.\n"));
    QVERIFY(!QFile::exists(none));
}

// The whole school's file from vornick-admin, byte for byte: tests by number,
// then names by code point (not as a dictionary in the server's language
// would: "anna" after "Zoë"), a gone student (no name) first, each field as
// the spreadsheet must see it.
void TestResultsOut::streamedBytes()
{
    TestEnv env;
    const qint64 algebra = env.AddTest(QStringLiteral("Algebra"));
    const qint64 geometry = env.AddTest(QStringLiteral("Geometry"));
    const qint64 zoe = env.AddStudent(QStringLiteral("Zoë"), QStringLiteral("pw"));
    const qint64 emile = env.AddStudent(QStringLiteral("Émile"), QStringLiteral("pw"));
    const qint64 anna = env.AddStudent(QStringLiteral("anna"), QStringLiteral("pw"));
    const qint64 bob = env.AddStudent(QStringLiteral("Bob"), QStringLiteral("pw"));
    const qint64 sum = env.AddStudent(QStringLiteral("=Sum, \"x\""), QStringLiteral("pw"));
    // A school's server sorts names as its language's dictionary does unless
    // told otherwise; the file's order must not follow it.
    if (TestEnv::OnServer())
        env.Exec(QStringLiteral("ALTER TABLE Passwords ALTER COLUMN fldStudentName TYPE TEXT COLLATE \"und-x-icu\""));
    const QVariant none;
    AddAttempt(env, bob, geometry, 100, {"1231C", "1231C", "1231C", "1231C", "1231C"}, QStringLiteral("1231C"));
    AddAttempt(env, zoe, algebra, 8, {"3122C", "3121X", "2311X", none, "1233C"});
    AddAttempt(env, emile, algebra, 4, {"1231C", none, none, none, none});
    AddAttempt(env, anna, algebra, none, {"2311X", none, none, none, none});
    env.Exec(QStringLiteral("UPDATE Results SET fldMinutesGiven = 45 WHERE fldStudentNumber = ?"), {anna});
    AddAttempt(env, 999, algebra, 0, {none, none, none, none, none});
    AddAttempt(env, bob, algebra, 12, {"1232X", none, none, none, none});
    AddAttempt(env, sum, algebra, 0, {none, none, none, none, none});
    // Graded after the moment was kept (Bob's two), and a crafted moment past
    // the year 9999, which is no moment at all.
    env.Exec(QStringLiteral("UPDATE Results SET fldGradedAt = 1796742001 WHERE fldStudentNumber = ?"), {bob});
    env.Exec(QStringLiteral("UPDATE Results SET fldGradedAt = 999999999999999 WHERE fldStudentNumber = ?"), {zoe});

    QByteArray expected("\xEF\xBB\xBFStudent number,Student,Test number,Test,Grade,Date,Date (ISO),Finished,Minutes given");
    for (int slot = 1; slot <= 25; ++slot)
        expected += QStringLiteral(",Q%1,Q%1 choice").arg(slot).toUtf8();
    const QByteArray unanswered = ",0,";
    const auto row = [&](qint64 student, const char* name, qint64 test, const char* rest, const QByteArray& answers) {
        expected += "\r\n" + QByteArray::number(student) + ',' + name + ',' + QByteArray::number(test) + ',' + rest + answers;
    };
    row(999, "", algebra, "Algebra,0,1.12.2026,,yes,", unanswered.repeated(25));
    row(sum, "\"'=Sum, \"\"x\"\"\"", algebra, "Algebra,0,1.12.2026,,yes,", unanswered.repeated(25));
    row(bob, "Bob", algebra, "Algebra,12,1.12.2026,2026-12-08T15:00:01Z,yes,", ",0,false 1" + unanswered.repeated(24));
    row(zoe, "Zoë", algebra, "Algebra,8,1.12.2026,,yes,",
        ",1,answer,0,false 2,0,false 1,0,,0," + unanswered.repeated(20));
    row(anna, "anna", algebra, "Algebra,,,,no,45", ",0,false 1" + unanswered.repeated(24));
    row(emile, "Émile", algebra, "Algebra,4,1.12.2026,,yes,", ",1,answer" + unanswered.repeated(24));
    row(bob, "Bob", geometry, "Geometry,100,1.12.2026,2026-12-08T15:00:01Z,yes,", QByteArray(",1,answer").repeated(25));
    expected += "\r\n";

    QTemporaryDir files;
    const QString path = files.filePath(QStringLiteral("school.csv"));
    const ToolRun ran = RunAdminTool(env, {"results", "--output", path});
    QCOMPARE(ran.out + ran.err, QStringLiteral("Wrote 7 results to %1.\n").arg(path));
    QCOMPARE(ReadFile(path), expected);

    // A quote, a comma, a line break or a blank at either end: the field
    // quoted and its quotes doubled, as spreadsheets and Python's csv read it.
    QCOMPARE(Csv::Document({{"\"Bo\" Lee", "O\"Neil", " Cy", "Di ", "Ed", "a\nb", "x,y"}}),
             QByteArray("\xEF\xBB\xBF\"\"\"Bo\"\" Lee\",\"O\"\"Neil\",\" Cy\",\"Di \",Ed,\"a\nb\",\"x,y\"\r\n"));
}

// Save Results whose export runs slowly (its first thousand rows held up for
// a second, as a slow disk or server would): the progress dialog shows over
// the screen, and its Cancel keeps the file that was there as it was and
// leaves nothing else. Saved again, the export runs to its end.
void TestResultsOut::cancelledSave()
{
    TestEnv env;
    const qint64 test = env.AddTest(QStringLiteral("Everyone"));
    env.Exec(QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 3000) "
                            "INSERT INTO Results (fldStudentNumber, fldTestNumber, fldGrade) SELECT 1000 + i, %1, 100 FROM n")
                 .arg(test));
    QTemporaryDir files;
    const QString path = WriteFile(files, QStringLiteral("everyone.csv"), "kept");
    frmAdmin& admin = SignInAdmin();
    PickRow(admin.lstTests, RowOfNumber(admin.lstTests, test));

    QString shown;
    QTimer::singleShot(0, [] { QThread::msleep(1100); });
    QTimer canceller;
    connect(&canceller, &QTimer::timeout, &canceller, [&] {
        auto* dialog = admin.findChild<QProgressDialog*>();
        if (!dialog || !dialog->isVisible())
            return;
        canceller.stop();
        shown = dialog->windowTitle() + u'|' + dialog->labelText() + u'|' + QString::number(dialog->minimumDuration());
        QTest::mouseClick(dialog->findChild<QPushButton*>(), Qt::LeftButton);
    });
    canceller.start(0);
    env.fake.fileChoices = {FileChoice{path, 0}};
    Click(admin.cmdSaveResults);
    QCOMPARE(shown, QStringLiteral("Save Results|Saving results\u2026|1000"));
    QCOMPARE(LastBox(env.fake), QStringLiteral("Saving was cancelled; nothing was saved.|Save Results|OK"));
    QCOMPARE(ReadFile(path), QByteArray("kept"));
    QCOMPARE(QDir(files.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"everyone.csv"});

    // A query the window runs meanwhile (a list's refresh) is refused and
    // takes none of the rows still to come: the file holds every attempt.
    QString meanwhile = QStringLiteral("never ran");
    QTimer::singleShot(0, [&] {
        meanwhile = FailureOf([] {
            Recordset tests;
            tests.Open(Sql::AllTests(), Module1::cnDatabase);
        });
    });
    env.fake.fileChoices = {FileChoice{path, 0}};
    Click(admin.cmdSaveResults);
    QCOMPARE(meanwhile, QStringLiteral("The database is busy saving results; try again when they are saved."));
    QCOMPARE(LastBox(env.fake), QStringLiteral("3000 results written to %1.|Save Results|OK").arg(path));
    QCOMPARE(ReadFile(path).count("\r\n"), 3001);
    QCOMPARE(FailureOf([] {
                 Recordset tests;
                 tests.Open(Sql::AllTests(), Module1::cnDatabase);
             }),
             QString());
    QCOMPARE(env.fake.unexpected, QStringList());
}

// The hand-worked class (see SeedClass) in the statistics window: summary,
// slots, flags, sorting, printing, saving, and a flag opening the editor.
void TestResultsOut::handWorkedClass()
{
    TestEnv env;
    const qint64 test = SeedClass(env);
    frmAdmin& admin = SignInAdmin();
    PickRow(admin.lstTests, RowOfNumber(admin.lstTests, test));
    Click(admin.cmdStatistics);
    frmStatistics& window = Screens::Get<frmStatistics>();
    QVERIFY(window.isVisible() && !admin.isVisible());
    // The window, and the size its layout asks for, fit a 1024 by 768 screen.
    const QSize screen(1024, 768);
    QVERIFY(screen.expandedTo(window.frameGeometry().size()) == screen && screen.expandedTo(window.sizeHint()) == screen);
    QCOMPARE(window.lblSummary->text(),
             QStringLiteral("Finished attempts (N): 6\n"
                            "Mean grade: 88.0   Standard deviation: 3.3   Lowest: 84   Highest: 92\n"
                            "Reliability (Cronbach's alpha, KR-20): -0.52   Standard error of measurement: 4.0\n"
                            "Top and bottom groups: 2 attempts each (27%)"));
    QCOMPARE(window.lblWarning->text(),
             QStringLiteral("Keys are not checked below 20 finished attempts, so none is flagged as possibly wrong."));
    QCOMPARE(window.findChild<QWidget*>(QStringLiteral("picHistogram"))->accessibleDescription(),
             QStringLiteral("0-9: 0; 10-19: 0; 20-29: 0; 30-39: 0; 40-49: 0; 50-59: 0; 60-69: 0; 70-79: 0; 80-89: 4; 90-100: 2"));

    // Slot, question, facility, discrimination, then answer/false 1/false 2/none
    // overall, in the top two and in the bottom two, and the flags.
    const QTableWidget* table = window.grdSlots;
    QCOMPARE(table->rowCount(), 25);
    QCOMPARE(RowText(table, 0), QStringLiteral("1|Q1|0.50|0.33|3|0|1|2|2|0|0|0|0|0|1|1|"));
    QCOMPARE(RowText(table, 1), QStringLiteral("2|Q2|0.50|-0.93|3|2|1|0|0|2|0|0|2|0|0|0|negative discrimination"));
    QCOMPARE(RowText(table, 2), QStringLiteral("3|Q3|0.00|not defined|0|0|0|6|0|0|0|2|0|0|0|2|too hard"));
    QCOMPARE(RowText(table, 24), QStringLiteral("25|Q25|1.00|not defined|6|0|0|0|2|0|0|0|2|0|0|0|too easy"));
    // Each flag a line (question 2 two), their reasons in full in the CSV below.
    QCOMPARE(window.lstFlags->count(), 22);
    QCOMPARE(window.lstFlags->item(1)->text(),
             QStringLiteral("Question 3: Too hard: facility 0.00, below 0.25 (under chance for three answers)."));

    // Sorted by number, not text; a figure not defined sorts below every number.
    ClickHeader(window.grdSlots, 0);
    QCOMPARE(Column(table, 0).left(12), QStringLiteral("25,24,23,22,"));
    ClickHeader(window.grdSlots, 3);
    ClickHeader(window.grdSlots, 3);
    const Qt::SortOrder order = table->horizontalHeader()->sortIndicatorOrder();
    QCOMPARE(Column(table, 3).section(u',', order == Qt::AscendingOrder ? 20 : 0, order == Qt::AscendingOrder ? 25 : 4),
             order == Qt::AscendingOrder ? QStringLiteral("not defined,-0.93,0.33,0.33,0.33")
                                         : QStringLiteral("0.33,0.33,0.33,-0.93,not defined"));

    // Printed: the summary and every slot's line, then the reasons.
    Click(window.cmdPrint);
    const QStringList printed = env.fake.printed.back().PlainLines();
    // Paper's date is the desktop's own form of the day, in English as here.
    QCOMPARE(printed.value(0), QStringLiteral("Statistics: Quiz").leftJustified(99)
                                   + QLocale::system().toString(QDate(2026, 12, 6), QLocale::ShortFormat));
    QVERIFY2(printed.contains(QStringLiteral("   2      0.50     -0.93  |      3      2      1      0  |    0    2    0    0  |    2    0    0    0  "
                                                    "negative discrimination")),
             qPrintable(printed.join(u'\n')));

    // The table as CSV: one header row and a row per slot, reasons in full.
    QTemporaryDir files;
    env.fake.fileChoices = {FileChoice{files.filePath(QStringLiteral("quiz")), 0}};
    Click(window.cmdSave);
    const QList<QByteArray> lines = ReadFile(files.filePath(QStringLiteral("quiz.csv"))).split('\n');
    QCOMPARE(lines.size(), 27);
    QCOMPARE(lines[2], QByteArray("2,Q2,0.50,-0.93,3,2,1,0,0,2,0,0,2,0,0,0,\"Negative discrimination: r = -0.93, weaker "
                                  "attempts got it right more often than stronger ones.\"\r"));

    // The question that discriminates the wrong way, picked by its flag, opens in the editor at its slot.
    PickRow(window.lstFlags, 0);
    env.fake.modalUsers.push_back([](QWidget& intro) { Click(static_cast<frmNewTestIntro&>(intro).cmdNext); });
    Click(window.cmdEdit);
    ProcessEvents();
    QVERIFY(!Screens::IsLoaded<frmStatistics>());
    frmNewTest& editor = Screens::Get<frmNewTest>();
    QCOMPARE(editor.lblQuestion->text() + u'|' + editor.txtQuestion->toPlainText() + u'|' + editor.txtPhony1->toPlainText(),
             QStringLiteral("Question 2|Q2|P2a"));
    QCOMPARE(env.fake.unexpected, QStringList());

    // One finished attempt (the class's other test, all right): nothing varies, so
    // spread and reliability are not defined, and a shell is warned they mean little.
    const ToolRun ran = RunAdminTool(env, {"analysis", "Other"});
    QCOMPARE(ran.code, 0);
    QCOMPARE(ran.out.split(u'\n').mid(1, 6), (QStringList{"Finished attempts (N): 1",
        "Mean grade: 100.0   Standard deviation: 0.0   Lowest: 100   Highest: 100",
        "Reliability (Cronbach's alpha, KR-20): not defined   Standard error of measurement: not defined",
        "Top and bottom groups: 1 attempt each (27%)", "Warning: fewer than 5 finished attempts; these figures mean little.",
        "Keys are not checked below 20 finished attempts, so none is flagged as possibly wrong."}));
}

QTEST_MAIN(TestResultsOut)
#include "test_results_out.moc"
