// The home screen: the fixed-column results rows, the list fill, the printed report and its PDF.
#include "TestEnv.h"
#include "UserActions.h"
#include "app/ListRows.h"
#include "app/Module1.h"
#include "report/ReportPrinter.h"
#include "report/ResultsReport.h"
#include "screens/Screens.h"
#include "screens/frmEntry.h"
#include "screens/frmMain.h"

#include <QDateTime>
#include <QFileInfo>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>
#include <limits>

using namespace Module1;

class TestDesk : public QObject {
    Q_OBJECT

private slots:
    void rowLayout_data();
    void rowLayout();
    void listShowsEveryOpenTestOnce();
    void printedReport();
};

namespace {

const QString Date = QStringLiteral("12/6/2026");

frmMain& SignInAs(const QString& name, const QString& password)
{
    Screens::Show<frmEntry>();
    TypeInto(Screens::Get<frmEntry>().txtName, name);
    TypeInto(Screens::Get<frmEntry>().txtPassword, password);
    Click(Screens::Get<frmEntry>().cmdOK);
    return Screens::Get<frmMain>();
}

void AddResult(TestEnv& env, qint64 student, qint64 test, int grade, const QString& date)
{
    env.Insert("INSERT INTO Results (fldStudentNumber, fldTestNumber, fldGrade, fldDate) VALUES (?, ?, ?, ?)",
               {student, test, grade, date});
}

// pdftotext's non-blank lines, a cell per character at the font's pitch (0.6 em of 14 points), unindented.
QStringList PdfLines(const QString& path)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), QStringLiteral("-fixed"), "8.4", path, "-"});
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return {};
    static const QRegularExpression trailing(QStringLiteral("\\s+$"));
    QStringList lines;
    for (QString line : QString::fromUtf8(process.readAllStandardOutput()).split(QRegularExpression("[\\n\\f]")))
        if (!line.remove(trailing).isEmpty())
            lines << line;
    qsizetype indent = std::numeric_limits<qsizetype>::max();
    for (const QString& line : lines)
        indent = std::min(indent, line.size() - line.trimmed().size());
    for (QString& line : lines)
        line.remove(0, indent);
    return lines;
}

}

void TestDesk::rowLayout_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("grade");  // none: not taken
    QTest::addColumn<QString>("row");
    const QString seven = QStringLiteral("Algebra"), forty(40, u'F'), fortyOne(41, u'L'), long45(45, u'X');
    const auto blanks = [](int count) { return QString(count, u' '); };
    QTest::newRow("7, not taken") << seven << QString() << seven + blanks(34) + "Not Taken";
    QTest::newRow("7, 84") << seven << "84" << seven + blanks(34) + "84" + blanks(12) + Date;
    QTest::newRow("7, 100") << seven << "100" << seven + blanks(34) + "100" + blanks(11) + Date;
    QTest::newRow("40, 0") << forty << "0" << forty + blanks(1) + "0" + blanks(13) + Date;
    QTest::newRow("40, not taken") << forty << QString() << forty + blanks(1) + "Not Taken";
    QTest::newRow("41, 0") << fortyOne << "0" << fortyOne + "0" + blanks(13) + Date;
    QTest::newRow("41, not taken") << fortyOne << QString() << fortyOne + "Not Taken";
    QTest::newRow("45, not taken") << long45 << QString() << long45 + "Not Taken";
    QTest::newRow("name like a key") << "Either|Or 7|9" << "100" << "Either|Or 7|9" + blanks(28) + "100" + blanks(11) + Date;
}

void TestDesk::rowLayout()
{
    QFETCH(QString, name);
    QFETCH(QString, grade);
    QFETCH(QString, row);
    const bool taken = !grade.isNull();
    const QString built = taken ? ResultsRow::Taken(name, grade, Date) : ResultsRow::NotTaken(name);
    QCOMPARE(built, row);
    QCOMPARE(ResultsRow::TestName(built), name.left(40).trimmed());
    QCOMPARE(ResultsRow::EndsNotTaken(built), !taken);
    QCOMPARE(ResultsRow::ShowsNotAtScore(built), !taken && name.size() <= 41);  // "Not" at column 42
    QVERIFY(!ResultsRow::EndsNotTaken(ResultsRow::Taken(name, QStringLiteral("0"), QString())));  // no date
}

// Bracketed tests never show; a student's first row of a test wins; the
// heading stands over the columns in the list's own fixed-pitch font.
void TestDesk::listShowsEveryOpenTestOnce()
{
    TestEnv env;
    const qint64 other = env.AddStudent(QStringLiteral("Bo"), QStringLiteral("x"));
    const qint64 ann = env.AddStudent(QStringLiteral("Ann Lee"), QStringLiteral("pw"));
    const qint64 biology = env.AddTest(QStringLiteral("Biology 2"));
    AddResult(env, ann, env.AddTest(QStringLiteral("Algebra")), 84, Date);
    AddResult(env, ann, env.AddTest(QStringLiteral("<Draft>")), 100, Date);
    AddResult(env, other, env.AddTest(QStringLiteral("Geography")), 96, Date);
    env.AllowTwinAttempts();  // as a file from before the one-attempt rule may hold them
    AddResult(env, ann, biology, 0, QStringLiteral("11/30/2026"));
    AddResult(env, ann, biology, 100, QStringLiteral("12/1/2026"));
    env.AddTest(QStringLiteral("Ann's <best> test"));

    frmMain& home = SignInAs(QStringLiteral("Ann Lee"), QStringLiteral("pw"));
    QVERIFY(home.Label1->text().indexOf("Score") == 41 && home.Label1->text().indexOf("Date Taken") == 55);
    QVERIFY(home.Label1->font() == home.lstResults->font() && QFontInfo(home.lstResults->font()).fixedPitch());
    QStringList rows;
    for (int i = 0; i < home.lstResults->count(); ++i)
        rows << home.lstResults->item(i)->text();
    QCOMPARE(rows, QStringList({ResultsRow::Taken(QStringLiteral("Biology 2"), "0", QStringLiteral("11/30/2026")),
                                ResultsRow::Taken(QStringLiteral("Algebra"), QStringLiteral("84"), Date),
                                ResultsRow::NotTaken(QStringLiteral("Geography")),
                                ResultsRow::NotTaken(QStringLiteral("Ann's <best> test"))}));
    QVERIFY(!rsResults.IsOpen());

    // With the Results table gone every query fails; the fill ignores them.
    env.Exec(QStringLiteral("DROP TABLE Results"));
    home.Load_Test_List();
    QVERIFY(env.fake.shown.empty() && !env.fake.ended && rsTests.Eof());

    // Closing the window signs the student out, as Exit does.
    home.close();
    ProcessEvents();
    QVERIFY(!Screens::IsLoaded<frmMain>());
    QVERIFY(Screens::Get<frmEntry>().isVisible() && Screens::Get<frmEntry>().txtName->text().isEmpty());
}

// The title at column 15, the date at 50 unless a title over 35 characters
// pushes it down (bold only for the administrator), the rows at 5; a printer
// error is shown and ends nothing. Each PDF is a new file; what pdftotext
// reads back keeps the columns, the pages break and a wide row wraps.
void TestDesk::printedReport()
{
    TestEnv env;
    env.fake.today = Date;
    const qint64 ann = env.AddStudent(QStringLiteral("Ann"), QStringLiteral("pw"));
    AddResult(env, ann, env.AddTest(QStringLiteral("Algebra")), 84, Date);
    env.AddTest(QStringLiteral("Geography"));
    frmMain& home = SignInAs(QStringLiteral("Ann"), QStringLiteral("pw"));
    Click(home.cmdPrint);
    QCOMPARE(env.fake.printed.size(), std::size_t(1));
    const PageModel page = env.fake.printed[0];  // a copy: printing again grows the list
    QVERIFY(page.FontName() == QStringLiteral("Courier New") && page.FontSize() == 14);
    QCOMPARE(page.PlainLines(),
             QStringList({QString(), QString(14, u' ') + QStringLiteral("Test Results For Ann").leftJustified(35) + Date,
                          QString(), QString(4, u' ') + home.lstResults->item(0)->text(),
                          QString(4, u' ') + home.lstResults->item(1)->text()}));
    QVERIFY(!page.Lines()[1][0].bold && !home.lblPrinting->isVisible());

    const QString fits(35, u'T'), longer(36, u'T');
    QCOMPARE(BuildResultsReport(fits, Date, {}, false).PlainLines(),
             QStringList({QString(), QString(14, u' ') + fits + Date, QString()}));
    const PageModel wrapped = BuildResultsReport(longer, Date, {QStringLiteral("row")}, true);
    QCOMPARE(wrapped.PlainLines(), QStringList({QString(), QString(14, u' ') + longer, QString(49, u' ') + Date,
                                                QString(), QStringLiteral("    row")}));
    QVERIFY(wrapped.Lines()[1][0].bold && wrapped.Lines()[2][0].bold && !wrapped.Lines()[4][0].bold);

    env.fake.printOutcome = PrintOutcome{false, {}, QStringLiteral("The printer could not be started.")};
    Click(home.cmdPrint);
    QVERIFY(!env.fake.ended && home.isVisible() && !home.lblPrinting->isVisible());
    QCOMPARE(env.fake.shown.size(), std::size_t(1));
    QCOMPARE(env.fake.shown[0].text, env.fake.printOutcome.error);

    QTemporaryDir folder;
    const QDateTime when(QDate(2026, 12, 6), QTime(18, 45, 3));
    const SavedReport first = SaveReportAsPdf(page, folder.path(), when);
    QCOMPARE(QFileInfo(first.path).fileName(), QStringLiteral("VornickTest report 2026-12-06 18-45-03.pdf"));
    QStringList expected = page.PlainLines().filter(QRegularExpression(QStringLiteral("\\S")));
    for (QString& line : expected)
        line.remove(0, 4);  // the rows' indent is the page's shared margin
    QCOMPARE(PdfLines(first.path), expected);

    QStringList rows;
    for (int i = 1; i <= 80; ++i)
        rows << ResultsRow::NotTaken(QStringLiteral("Test %1").arg(i));
    rows << QStringLiteral("Wide").repeated(40);
    const SavedReport second = SaveReportAsPdf(BuildResultsReport(QStringLiteral("T"), Date, rows, true),
                                               folder.path(), when);
    QCOMPARE(QFileInfo(second.path).fileName(), QStringLiteral("VornickTest report 2026-12-06 18-45-03 (2).pdf"));
    const QString text = PdfLines(second.path).join(u'\n');
    QCOMPARE(text.count(QRegularExpression(QStringLiteral("\\bTest \\d+ +Not Taken"))), 80);
    QVERIFY(QString(text).remove(QRegularExpression(QStringLiteral("\\s"))).contains(rows.last()));
}

QTEST_MAIN(TestDesk)
#include "test_desk.moc"
