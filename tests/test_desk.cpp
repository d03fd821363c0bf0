// The student's home screen: the fixed-column results rows and their readers,
// the list fill, the column heading, the printed report (its page model and
// the PDF it becomes) and signing out.
#include "TestEnv.h"
#include "UserActions.h"
#include "app/ListRows.h"
#include "app/Module1.h"
#include "app/QtPlatform.h"
#include "data/SqlText.h"
#include "report/ReportPrinter.h"
#include "report/ResultsReport.h"
#include "screens/Screens.h"
#include "screens/frmEntry.h"
#include "screens/frmMain.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
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
    void printedPageModel();
    void headingDateWraps();
    void pdfWrittenAndReadBack();
    void noPrinterSavesPdfInDocuments();
    void exitAndCloseBoxSignOut();
};

namespace {

const QString Date = QStringLiteral("12/6/2026");

frmMain& SignInAs(const QString& name, const QString& password)
{
    Screens::Show<frmEntry>();
    frmEntry& entry = Screens::Get<frmEntry>();
    TypeInto(entry.txtName, name);
    TypeInto(entry.txtPassword, password);
    Click(entry.cmdOK);
    return Screens::Get<frmMain>();
}

void AddResult(TestEnv& env, qint64 student, qint64 test, int grade, const QString& date)
{
    env.Insert(QStringLiteral("INSERT INTO Results (fldStudentNumber, fldTestNumber, fldGrade, fldDate) "
                              "VALUES (?, ?, ?, ?)"),
               {student, test, grade, date});
}

// pdftotext's reading of a PDF, cell by cell at the report font's pitch
// (Courier New and its metric twins advance 0.6 em: 8.4 points at 14).
QString PdfToText(const QString& path)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"),
                  {QStringLiteral("-layout"), QStringLiteral("-fixed"), QStringLiteral("8.4"), path, QStringLiteral("-")});
    return process.waitForFinished(30000) && process.exitCode() == 0 ? QString::fromUtf8(process.readAllStandardOutput())
                                                                     : QString();
}

// The text's non-blank lines without trailing blanks or the indent they all
// share (the page margin).
QStringList Lines(const QString& text)
{
    static const QRegularExpression trailing(QStringLiteral("\\s+$"));
    QStringList lines;
    for (QString line : text.split(QRegularExpression(QStringLiteral("[\\n\\f]"))))
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
    QTest::newRow("name like the mark") << "Not Taken" << "84" << "Not Taken" + blanks(32) + "84" + blanks(12) + Date;
    QTest::newRow("name like a key") << "Either|Or 7|9" << "100" << "Either|Or 7|9" + blanks(28) + "100" + blanks(11) + Date;
    QTest::newRow("padded name") << "  Padded  " << QString() << "  Padded  " + blanks(31) + "Not Taken";
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
    // "Not" stands at column 42 only for a name of at most 41 characters.
    QCOMPARE(ResultsRow::ShowsNotAtScore(built), !taken && name.size() <= 41);
    // A taken row with no stored date still reads as taken.
    QVERIFY(!ResultsRow::EndsNotTaken(ResultsRow::Taken(name, QStringLiteral("0"), QString())));
    // The administrator's key comes back from the tail, whatever the name
    // holds; a row without one reads as no test, never as digits of the row.
    const QString keyed = ResultsRow::WithKey(built, 1234, 56789);
    QCOMPARE(ResultsRow::TestName(keyed), name.left(40).trimmed());
    QCOMPARE(ResultsRow::ShowsNotAtScore(keyed), ResultsRow::ShowsNotAtScore(built));
    QCOMPARE(ResultsRow::KeyOf(keyed).studentNumber, qint64(1234));
    QCOMPARE(ResultsRow::KeyOf(keyed).testNumber, qint64(56789));
    QCOMPARE(ResultsRow::KeyOf(built).testNumber, qint64(0));
}

void TestDesk::listShowsEveryOpenTestOnce()
{
    TestEnv env;
    const qint64 other = env.AddStudent(QStringLiteral("Bo"), QStringLiteral("x"));
    const qint64 ann = env.AddStudent(QStringLiteral("Ann Lee"), QStringLiteral("pw"));
    const qint64 algebra = env.AddTest(QStringLiteral("Algebra"));
    const qint64 draft = env.AddTest(QStringLiteral("<Draft>"));
    const qint64 geography = env.AddTest(QStringLiteral("Geography"));
    const qint64 biology = env.AddTest(QStringLiteral("Biology 2"));
    env.AddTest(QStringLiteral("Ann's <best> test"));
    AddResult(env, ann, algebra, 84, Date);
    AddResult(env, ann, draft, 100, Date);  // a result never brings a bracketed test in
    AddResult(env, other, geography, 96, Date);
    AddResult(env, ann, biology, 0, QStringLiteral("11/30/2026"));
    AddResult(env, ann, biology, 100, QStringLiteral("12/1/2026"));  // a later row: the first wins

    frmMain& home = SignInAs(QStringLiteral("Ann Lee"), QStringLiteral("pw"));
    QCOMPARE(home.windowTitle(), QStringLiteral("Test Results For Ann Lee"));
    // The heading stands over the columns in the list's own fixed-pitch font.
    QCOMPARE(home.Label1->text().indexOf(QStringLiteral("Score")), 41);
    QCOMPARE(home.Label1->text().indexOf(QStringLiteral("Date Taken")), 55);
    QCOMPARE(home.Label1->font(), home.lstResults->font());
    QVERIFY(QFontInfo(home.lstResults->font()).fixedPitch());
    QStringList rows;
    for (int i = 0; i < home.lstResults->count(); ++i)
        rows << home.lstResults->item(i)->text();
    QCOMPARE(rows, QStringList({ResultsRow::Taken(QStringLiteral("Algebra"), QStringLiteral("84"), Date),
                                ResultsRow::NotTaken(QStringLiteral("Geography")),
                                ResultsRow::Taken(QStringLiteral("Biology 2"), QStringLiteral("0"),
                                                  QStringLiteral("11/30/2026")),
                                ResultsRow::NotTaken(QStringLiteral("Ann's <best> test"))}));
    QVERIFY(!rsResults.IsOpen());
    QCOMPARE(rsTests.RecordCount(), 5);  // reopened on every test, never narrowed

    // With the Results table gone every query fails; the fill ignores them.
    env.Exec(QStringLiteral("DROP TABLE Results"));
    home.Load_Test_List();
    QVERIFY(env.fake.shown.empty() && !env.fake.ended);
    QVERIFY(rsTests.Eof() && !rsResults.IsOpen());
}

void TestDesk::printedPageModel()
{
    TestEnv env;
    struct WatchingPrinter : FakePlatform {
        bool printingShown = false;
        PrintOutcome Print(const PageModel& page) override
        {
            printingShown = Screens::Get<frmMain>().lblPrinting->isVisible();
            return FakePlatform::Print(page);
        }
    } printer;
    printer.today = Date;
    printer.programFolder = env.fake.programFolder;
    SetPlatform(&printer);
    const qint64 ann = env.AddStudent(QStringLiteral("Ann"), QStringLiteral("pw"));
    AddResult(env, ann, env.AddTest(QStringLiteral("Algebra")), 84, Date);
    env.AddTest(QStringLiteral("Geography"));
    frmMain& home = SignInAs(QStringLiteral("Ann"), QStringLiteral("pw"));
    Click(home.cmdPrint);
    SetPlatform(&env.fake);

    QVERIFY(printer.printingShown);
    QVERIFY(!home.lblPrinting->isVisible());
    QCOMPARE(printer.printed.size(), std::size_t(1));
    const PageModel& page = printer.printed[0];
    QCOMPARE(page.FontName(), QStringLiteral("Courier New"));
    QCOMPARE(page.FontSize(), 14);
    // The title at column 15, the date at 50, the rows at 5.
    QCOMPARE(page.PlainLines(),
             QStringList({QString(), QString(14, u' ') + QStringLiteral("Test Results For Ann").leftJustified(35) + Date,
                          QString(), QString(4, u' ') + home.lstResults->item(0)->text(),
                          QString(4, u' ') + home.lstResults->item(1)->text()}));
    QVERIFY(!page.Lines()[1][0].bold);
    QVERIFY(printer.shown.empty());

    // A printer error is shown and ends nothing; a PDF saved instead is named.
    env.fake.printOutcome = PrintOutcome{false, {}, QStringLiteral("The printer could not be started.")};
    Click(home.cmdPrint);
    QVERIFY(!env.fake.ended && home.isVisible() && !home.lblPrinting->isVisible());
    QCOMPARE(env.fake.shown.size(), std::size_t(1));
    QCOMPARE(env.fake.shown[0].text, QStringLiteral("The printer could not be started."));
    env.fake.printOutcome = PrintOutcome{true, QStringLiteral("/home/ann/Documents/r.pdf"), {}};
    Click(home.cmdPrint);
    QCOMPARE(env.fake.shown.size(), std::size_t(2));
    QVERIFY(env.fake.shown[1].text.contains(QStringLiteral("/home/ann/Documents/r.pdf")));
}

void TestDesk::headingDateWraps()
{
    // 35 characters from column 15 end at 49 and leave the date on the line
    // (here with an empty list: the heading alone); 36 push it down.
    const QString fits(35, u'T'), longer(36, u'T');
    QCOMPARE(BuildResultsReport(fits, Date, {}, false).PlainLines(),
             QStringList({QString(), QString(14, u' ') + fits + Date, QString()}));
    const PageModel wrapped = BuildResultsReport(longer, Date, {QStringLiteral("row")}, true);
    QCOMPARE(wrapped.PlainLines(), QStringList({QString(), QString(14, u' ') + longer, QString(49, u' ') + Date,
                                                QString(), QStringLiteral("    row")}));
    // The administrator's heading is bold, and only the heading.
    QVERIFY(wrapped.Lines()[1][0].bold && wrapped.Lines()[2][0].bold && !wrapped.Lines()[4][0].bold);
}

// Each report is a new file; what pdftotext reads back keeps the columns,
// the pages break and a row wider than the page goes on over the next line.
void TestDesk::pdfWrittenAndReadBack()
{
    QTemporaryDir folder;
    const QDateTime when(QDate(2026, 12, 6), QTime(18, 45, 3));
    const PageModel page = BuildResultsReport(
        QStringLiteral("Test Results For Ann"), Date,
        {ResultsRow::Taken(QStringLiteral("Algebra"), "84", Date), ResultsRow::NotTaken(QString(40, u'G')),
         ResultsRow::Taken(QStringLiteral("Biology"), "100", QStringLiteral("11/30/2026"))},
        false);
    const SavedReport first = SaveReportAsPdf(page, folder.path(), when);
    QCOMPARE(QFileInfo(first.path).fileName(), QStringLiteral("VornickTest report 2026-12-06 18-45-03.pdf"));
    QCOMPARE(Lines(PdfToText(first.path)), Lines(page.PlainLines().join(u'\n')));

    QStringList rows;
    for (int i = 1; i <= 80; ++i)
        rows << ResultsRow::NotTaken(QStringLiteral("Test %1").arg(i));
    rows << QStringLiteral("Wide").repeated(40);
    const SavedReport second = SaveReportAsPdf(BuildResultsReport(QStringLiteral("T"), Date, rows, true),
                                               folder.path(), when);
    QCOMPARE(QFileInfo(second.path).fileName(), QStringLiteral("VornickTest report 2026-12-06 18-45-03 (2).pdf"));
    const QString text = PdfToText(second.path);
    QVERIFY(text.count(u'\f') >= 2);
    for (int i = 1; i <= 80; ++i)
        QVERIFY(text.contains(QRegularExpression(QStringLiteral("\\bTest %1 +Not Taken").arg(i))));
    QVERIFY(QString(text).remove(QRegularExpression(QStringLiteral("\\s"))).contains(rows.last()));

    // A folder that cannot take the file is reported, never created.
    const QString missing = folder.path() + QStringLiteral("/no such folder");
    const SavedReport refused = SaveReportAsPdf(page, missing, when);
    QVERIFY(refused.path.isEmpty() && refused.error.contains(missing));
    QVERIFY(!QDir(missing).exists());
}

void TestDesk::noPrinterSavesPdfInDocuments()
{
    if (!QPrinterInfo::defaultPrinter().isNull())
        QSKIP("a printer is installed here; the report would really be printed");
    QTemporaryDir home;
    const QByteArray oldHome = qgetenv("HOME"), oldConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("HOME", home.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (home.path() + QStringLiteral("/.config")).toLocal8Bit());
    QtPlatform qt;
    const PageModel page = BuildResultsReport(QStringLiteral("T"), Date, {}, false);
    const PrintOutcome inHome = qt.Print(page);  // no Documents folder: the home folder
    QVERIFY(QDir().mkpath(home.path() + QStringLiteral("/Documents")));
    const PrintOutcome inDocuments = qt.Print(page);
    qputenv("HOME", oldHome);
    oldConfig.isNull() ? (void)qunsetenv("XDG_CONFIG_HOME") : (void)qputenv("XDG_CONFIG_HOME", oldConfig);

    QVERIFY(inHome.printed && inHome.error.isEmpty());
    QCOMPARE(QFileInfo(inHome.pdfPath).absolutePath(), home.path());
    QCOMPARE(QFileInfo(inDocuments.pdfPath).absolutePath(), home.path() + QStringLiteral("/Documents"));
    QVERIFY(QFileInfo(inDocuments.pdfPath).size() > 0);
}

void TestDesk::exitAndCloseBoxSignOut()
{
    TestEnv env;
    env.AddStudent(QStringLiteral("Ann"), QStringLiteral("pw"));
    env.AddStudent(QStringLiteral("Bo"), QStringLiteral("x"));
    env.AddTest(QStringLiteral("Algebra"));
    frmEntry& entry = Screens::Get<frmEntry>();
    for (const bool byCloseBox : {false, true}) {
        // Each student gets a freshly loaded screen.
        frmMain& home = byCloseBox ? SignInAs(QStringLiteral("Bo"), QStringLiteral("x"))
                                   : SignInAs(QStringLiteral("Ann"), QStringLiteral("pw"));
        QCOMPARE(home.windowTitle(), byCloseBox ? QStringLiteral("Test Results For Bo") : QStringLiteral("Test Results For Ann"));
        QCOMPARE(home.lstResults->count(), 1);
        byCloseBox ? (void)home.close() : Click(home.cmdExit);
        ProcessEvents();
        QVERIFY(!Screens::IsLoaded<frmMain>());
        QVERIFY(entry.isVisible());
        QVERIFY(entry.txtName->text().isEmpty() && entry.txtPassword->text().isEmpty());
    }
    QVERIFY(!env.fake.ended && env.fake.shown.empty() && env.fake.unexpected.isEmpty());
}

QTEST_MAIN(TestDesk)
#include "test_desk.moc"
