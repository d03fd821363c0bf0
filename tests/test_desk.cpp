// The student's home screen: the fixed-column results rows and their readers,
// the list fill, the column heading, the printed report (its page model and
// the PDF it becomes) and signing out.
#include "TestEnv.h"
#include "app/ListRows.h"
#include "app/Module1.h"
#include "app/QtPlatform.h"
#include "report/ReportPrinter.h"
#include "report/ResultsReport.h"
#include "screens/ResultsList.h"
#include "screens/Screens.h"
#include "screens/frmEntry.h"
#include "screens/frmMain.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>
#include <limits>
#include <set>

class TestDesk : public QObject {
    Q_OBJECT

private slots:
    void rowLayout_data();
    void rowLayout();
    void readersOnBuiltRows();
    void listShowsEveryOpenTestOnce();
    void listIgnoresDatabaseErrors();
    void headingStandsOverTheColumns();
    void printedPageModel();
    void headingDateWrapsAfterLongTitle();
    void emptyListPrintsHeadingOnly();
    void printerErrorIsShownNotFatal();
    void pdfNamedUniquely();
    void pdfReadsBackInColumns();
    void pdfBreaksPagesAndKeepsLongRows();
    void pdfRefusedFolderIsReported();
    void noPrinterSavesPdfInDocuments();
    void exitAndCloseBoxSignOut();
};

namespace {

const QString Date = QStringLiteral("12/6/2026");

// Signs in through the sign-in screen as a user would; returns the home screen.
frmMain& SignIn(const QString& name, const QString& password)
{
    Screens::Show<frmEntry>();
    frmEntry& entry = Screens::Get<frmEntry>();
    entry.txtName->setText(name);
    entry.txtPassword->setText(password);
    QTest::mouseClick(entry.cmdOK, Qt::LeftButton);
    return Screens::Get<frmMain>();
}

QStringList Rows(const QListWidget& list)
{
    QStringList rows;
    for (int i = 0; i < list.count(); ++i)
        rows << list.item(i)->text();
    return rows;
}

qint64 AddResult(TestEnv& env, qint64 student, qint64 test, const QVariant& grade, const QVariant& date)
{
    return env.Insert(QStringLiteral("INSERT INTO Results (fldStudentNumber, fldTestNumber, fldGrade, fldDate) "
                                     "VALUES (?, ?, ?, ?)"),
                      {student, test, grade, date});
}

// A fake printer that also notes whether "Printing...." was up while it printed.
class WatchingPrinter : public FakePlatform {
public:
    PrintOutcome Print(const PageModel& page) override
    {
        printingShown = Screens::Get<frmMain>().lblPrinting->isVisible();
        return FakePlatform::Print(page);
    }
    bool printingShown = false;
};

// The x positions (in `window` coordinates) of every pixel column with dark
// ink inside `area` of `widget`.
std::set<int> InkColumns(QWidget& widget, const QRect& area, QWidget& window)
{
    const QImage image = widget.grab(area).toImage();
    std::set<int> columns;
    for (int x = 0; x < image.width(); ++x)
        for (int y = 0; y < image.height(); ++y)
            if (qGray(image.pixel(x, y)) < 128) {
                columns.insert(widget.mapTo(&window, QPoint(area.x() + x, 0)).x());
                break;
            }
    return columns;
}

// Lines without trailing blanks or page breaks, and without blank lines at
// either end.
QStringList Unpadded(QString text)
{
    text.remove(u'\f');
    QStringList lines;
    static const QRegularExpression trailingBlanks(QStringLiteral("\\s+$"));
    for (QString line : text.split(u'\n'))
        lines << line.remove(trailingBlanks);
    while (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    while (!lines.isEmpty() && lines.first().isEmpty())
        lines.removeFirst();
    return lines;
}

// The lines with the blanks that all non-empty lines start with removed, and
// without blank lines at either end.
QStringList WithoutCommonIndent(const QStringList& text)
{
    QStringList lines = Unpadded(text.join(u'\n'));
    qsizetype indent = std::numeric_limits<qsizetype>::max();
    for (const QString& line : lines) {
        qsizetype blanks = 0;
        while (blanks < line.size() && line[blanks] == u' ')
            ++blanks;
        if (blanks < line.size())
            indent = std::min(indent, blanks);
    }
    for (QString& line : lines)
        line = line.mid(indent);
    return lines;
}

QString PdfToText(const QString& path)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"),
                  {QStringLiteral("-layout"), QStringLiteral("-fixed"), QStringLiteral("8.4"), path, QStringLiteral("-")});
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

}

void TestDesk::rowLayout_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("grade");
    QTest::addColumn<QString>("row");
    const QString seven = QStringLiteral("Algebra");
    const QString forty = QString(40, u'F');
    const QString fortyOne = QString(41, u'L');
    QTest::newRow("7, not taken") << seven << QString() << seven + QString(34, u' ') + QStringLiteral("Not Taken");
    QTest::newRow("7, grade 84") << seven << "84" << seven + QString(34, u' ') + "84" + QString(12, u' ') + Date;
    QTest::newRow("7, grade 100") << seven << "100" << seven + QString(34, u' ') + "100" + QString(11, u' ') + Date;
    QTest::newRow("7, grade 0") << seven << "0" << seven + QString(34, u' ') + "0" + QString(13, u' ') + Date;
    QTest::newRow("40, not taken") << forty << QString() << forty + u' ' + QStringLiteral("Not Taken");
    QTest::newRow("40, grade 84") << forty << "84" << forty + u' ' + "84" + QString(12, u' ') + Date;
    QTest::newRow("41, not taken") << fortyOne << QString() << fortyOne + QStringLiteral("Not Taken");
    QTest::newRow("45, not taken") << QString(45, u'X') << QString() << QString(45, u'X') + QStringLiteral("Not Taken");
    QTest::newRow("41, grade 0") << fortyOne << "0" << fortyOne + "0" + QString(13, u' ') + Date;
    QTest::newRow("empty name") << QString() << QString() << QString(41, u' ') + QStringLiteral("Not Taken");
}

void TestDesk::rowLayout()
{
    QFETCH(QString, name);
    QFETCH(QString, grade);
    QFETCH(QString, row);
    const bool taken = !grade.isNull();
    const QString built = taken ? ResultsRow::Taken(name, grade, Date) : ResultsRow::NotTaken(name);
    QCOMPARE(built, row);
    if (name.size() <= 40) {
        // Score and "Not Taken" from column 42, the date from column 56.
        QCOMPARE(built.mid(41, taken ? grade.size() : 9), taken ? grade : QStringLiteral("Not Taken"));
        if (taken)
            QCOMPARE(built.mid(55), Date);
    }
    QCOMPARE(ResultsRow::TestName(built), name.left(40));
    QCOMPARE(ResultsRow::EndsNotTaken(built), !taken);
    // "Not" stands at column 42 only for a name of at most 41 characters.
    QCOMPARE(ResultsRow::ShowsNotAtScore(built), !taken && name.size() <= 41);
}

void TestDesk::readersOnBuiltRows()
{
    // Names that look like a grade, a key or the "Not Taken" mark read back whole.
    const QString digits = QStringLiteral("Chapter 12");
    const QString bar = QStringLiteral("Either|Or 7|9");
    const QString notTaken = QStringLiteral("Not Taken");
    QCOMPARE(ResultsRow::TestName(ResultsRow::NotTaken(digits)), digits);
    QCOMPARE(ResultsRow::TestName(ResultsRow::Taken(bar, "84", Date)), bar);
    QCOMPARE(ResultsRow::TestName(ResultsRow::Taken(QStringLiteral("  Padded  "), "84", Date)),
             QStringLiteral("Padded"));
    QVERIFY(!ResultsRow::EndsNotTaken(ResultsRow::Taken(notTaken, "84", Date)));
    QVERIFY(!ResultsRow::ShowsNotAtScore(ResultsRow::Taken(notTaken, "84", Date)));
    QVERIFY(ResultsRow::ShowsNotAtScore(ResultsRow::NotTaken(notTaken)));
    // A taken row with no stored date still reads as taken.
    QVERIFY(!ResultsRow::EndsNotTaken(ResultsRow::Taken(digits, "0", QString())));

    // The administrator's key comes back from the tail, whatever the name holds.
    for (const QString& name : {digits, bar, QString(45, u'9')}) {
        const QString row = ResultsRow::WithKey(ResultsRow::Taken(name, "100", Date), 1234, 56789);
        QCOMPARE(ResultsRow::TestName(row), name.left(40));
        QCOMPARE(ResultsRow::KeyOf(row).studentNumber, qint64(1234));
        QCOMPARE(ResultsRow::KeyOf(row).testNumber, qint64(56789));
        QVERIFY(!ResultsRow::EndsNotTaken(row));
        QVERIFY(!ResultsRow::ShowsNotAtScore(row));
    }
    // A row without a key reads as zeros, never as digits of the name or date.
    QCOMPARE(ResultsRow::KeyOf(ResultsRow::NotTaken(digits)).testNumber, qint64(0));
}

void TestDesk::listShowsEveryOpenTestOnce()
{
    TestEnv env;
    const qint64 other = env.AddStudent(QStringLiteral("Bo"), QStringLiteral("x"));
    const qint64 ann = env.AddStudent(QStringLiteral("Ann Lee"), QStringLiteral("pw"));
    const qint64 algebra = env.AddTest(QStringLiteral("Algebra"));
    const qint64 draft = env.AddTest(QStringLiteral("<Draft>"));
    const qint64 geography = env.AddTest(QStringLiteral("Geography"));
    env.AddTest(QStringLiteral("<"));
    const qint64 biology = env.AddTest(QStringLiteral("Biology 2"));
    env.AddTest(QStringLiteral("Ann's <best> test"));
    AddResult(env, ann, algebra, 84, Date);
    AddResult(env, ann, draft, 100, Date);  // a result never brings a bracketed test in
    AddResult(env, other, geography, 96, QStringLiteral("1/1/2026"));
    AddResult(env, ann, biology, 0, QStringLiteral("11/30/2026"));
    AddResult(env, ann, biology, 100, QStringLiteral("12/1/2026"));  // a later row for the same test

    frmMain& home = SignIn(QStringLiteral("Ann Lee"), QStringLiteral("pw"));
    QVERIFY(home.isVisible());
    QCOMPARE(home.windowTitle(), QStringLiteral("Test Results For Ann Lee"));
    const QStringList expected{
        ResultsRow::Taken(QStringLiteral("Algebra"), QStringLiteral("84"), Date),
        ResultsRow::NotTaken(QStringLiteral("Geography")),
        ResultsRow::Taken(QStringLiteral("Biology 2"), QStringLiteral("0"), QStringLiteral("11/30/2026")),
        ResultsRow::NotTaken(QStringLiteral("Ann's <best> test")),
    };
    QCOMPARE(Rows(*home.lstResults), expected);
    // The fill leaves rsResults closed and rsTests past its last row, holding every test.
    QVERIFY(!Module1::rsResults.IsOpen());
    QVERIFY(Module1::rsTests.Eof());
    QCOMPARE(Module1::rsTests.RecordCount(), 6);
    QVERIFY(env.fake.shown.empty());

    // Refilling (after a test is graded) rebuilds the rows without doubling them.
    AddResult(env, ann, geography, 52, Date);
    Module1::rsResults.Open(Sql::AllResults(), Module1::cnDatabase);  // left open by another screen
    home.Load_Test_List();
    QCOMPARE(home.lstResults->count(), 4);
    QCOMPARE(home.lstResults->item(1)->text(), ResultsRow::Taken(QStringLiteral("Geography"), "52", Date));
    QVERIFY(!Module1::rsResults.IsOpen());
}

void TestDesk::listIgnoresDatabaseErrors()
{
    TestEnv env;
    env.AddStudent(QStringLiteral("Ann"), QStringLiteral("pw"));
    env.AddTest(QStringLiteral("Algebra"));
    frmMain& home = SignIn(QStringLiteral("Ann"), QStringLiteral("pw"));
    QCOMPARE(home.lstResults->count(), 1);
    // With the Results table gone every query of the fill fails; the fill
    // still runs to the end of the tests and reports nothing.
    env.Exec(QStringLiteral("DROP TABLE Results"));
    home.Load_Test_List();
    QVERIFY(env.fake.shown.empty());
    QVERIFY(!env.fake.ended);
    QVERIFY(Module1::rsTests.Eof());
    QVERIFY(!Module1::rsResults.IsOpen());
}

void TestDesk::headingStandsOverTheColumns()
{
    TestEnv env;
    env.AddStudent(QStringLiteral("Ann"), QStringLiteral("pw"));
    frmMain& home = SignIn(QStringLiteral("Ann"), QStringLiteral("pw"));
    const QString heading = home.Label1->text();
    QVERIFY(heading.startsWith(QStringLiteral("Test ")));
    QCOMPARE(heading.indexOf(QStringLiteral("Score")), 41);
    QCOMPARE(heading.indexOf(QStringLiteral("Date Taken")), 55);
    QCOMPARE(home.Label1->font(), home.lstResults->font());
    QVERIFY(QFontInfo(home.lstResults->font()).fixedPitch());

    // On screen: a row holding the heading's own text inks exactly the same
    // pixel columns as the heading above it.
    home.lstResults->addItem(heading);
    home.lstResults->setCurrentRow(-1);
    QVERIFY(QTest::qWaitForWindowExposed(&home));
    QWidget* viewport = home.lstResults->viewport();
    const QRect item = home.lstResults->visualItemRect(home.lstResults->item(0)).adjusted(1, 0, -1, 0);
    const std::set<int> underneath = InkColumns(*viewport, item, home);
    const std::set<int> above = InkColumns(*home.Label1, home.Label1->rect(), home);
    QVERIFY(!above.empty());
    QCOMPARE(above, underneath);
    // Nothing of the heading is cut off.
    QVERIFY(home.Label1->width() >= home.Label1->sizeHint().width());
}

void TestDesk::printedPageModel()
{
    TestEnv env;
    WatchingPrinter printer;
    printer.today = QStringLiteral("12/6/2026");
    printer.programFolder = env.fake.programFolder;
    SetPlatform(&printer);
    const qint64 ann = env.AddStudent(QStringLiteral("Ann"), QStringLiteral("pw"));
    AddResult(env, ann, env.AddTest(QStringLiteral("Algebra")), 84, Date);
    env.AddTest(QStringLiteral("Geography"));
    frmMain& home = SignIn(QStringLiteral("Ann"), QStringLiteral("pw"));
    QTest::mouseClick(home.cmdPrint, Qt::LeftButton);
    SetPlatform(&env.fake);

    QCOMPARE(printer.printed.size(), std::size_t(1));
    QVERIFY(printer.printingShown);
    QVERIFY(!home.lblPrinting->isVisible());
    const PageModel& page = printer.printed[0];
    QCOMPARE(page.FontName(), QStringLiteral("Courier New"));
    QCOMPARE(page.FontSize(), 14);
    QVERIFY(page.Ended());
    const QStringList expected{
        QString(),
        QString(14, u' ') + QStringLiteral("Test Results For Ann").leftJustified(35) + QStringLiteral("12/6/2026"),
        QString(),
        QString(4, u' ') + home.lstResults->item(0)->text(),
        QString(4, u' ') + home.lstResults->item(1)->text(),
    };
    QCOMPARE(page.PlainLines(), expected);
    for (const PageModel::Line& line : page.Lines())
        for (const PageModel::Piece& piece : line)
            QVERIFY(!piece.bold);
    QVERIFY(printer.shown.empty());  // printed: nothing to tell
}

void TestDesk::headingDateWrapsAfterLongTitle()
{
    // The title starts at column 15: 35 characters end at column 49 and
    // leave the date on the line; 36 reach column 50 and push it down.
    const QString fits = QString(35, u'T');
    const QStringList same = BuildResultsReport(fits, Date, {}, false).PlainLines();
    QCOMPARE(same.size(), 3);
    QCOMPARE(same[1], QString(14, u' ') + fits + Date);

    const QString longer = QString(36, u'T');
    const PageModel wrapped = BuildResultsReport(longer, Date, {QStringLiteral("row")}, false);
    QCOMPARE(wrapped.PlainLines(),
             QStringList({QString(), QString(14, u' ') + longer, QString(49, u' ') + Date, QString(),
                          QStringLiteral("    row")}));

    // The administrator's heading is bold, and only the heading.
    const PageModel bold = BuildResultsReport(longer, Date, {QStringLiteral("row")}, true);
    QVERIFY(bold.Lines()[1][0].bold && bold.Lines()[2][0].bold);
    QVERIFY(!bold.Lines()[4][0].bold);
}

void TestDesk::emptyListPrintsHeadingOnly()
{
    TestEnv env;
    env.AddStudent(QStringLiteral("Ann"), QStringLiteral("pw"));
    env.AddTest(QStringLiteral("<Only a draft>"));
    frmMain& home = SignIn(QStringLiteral("Ann"), QStringLiteral("pw"));
    QCOMPARE(home.lstResults->count(), 0);
    QTest::mouseClick(home.cmdPrint, Qt::LeftButton);
    QCOMPARE(env.fake.printed.size(), std::size_t(1));
    const QStringList lines = env.fake.printed[0].PlainLines();
    QCOMPARE(lines.size(), 3);
    QVERIFY(lines[0].isEmpty() && lines[2].isEmpty());
    QVERIFY(lines[1].startsWith(QString(14, u' ') + QStringLiteral("Test Results For Ann")));
}

void TestDesk::printerErrorIsShownNotFatal()
{
    TestEnv env;
    env.AddStudent(QStringLiteral("Ann"), QStringLiteral("pw"));
    frmMain& home = SignIn(QStringLiteral("Ann"), QStringLiteral("pw"));

    env.fake.printOutcome = PrintOutcome{false, {}, QStringLiteral("The printer could not be started.")};
    QTest::mouseClick(home.cmdPrint, Qt::LeftButton);
    QVERIFY(!env.fake.ended);
    QVERIFY(home.isVisible());
    QVERIFY(!home.lblPrinting->isVisible());
    QCOMPARE(env.fake.shown.size(), std::size_t(1));
    QCOMPARE(env.fake.shown[0].text, QStringLiteral("The printer could not be started."));

    // Saved as a PDF instead: the user is told where.
    env.fake.printOutcome = PrintOutcome{true, QStringLiteral("/home/ann/Documents/r.pdf"), {}};
    QTest::mouseClick(home.cmdPrint, Qt::LeftButton);
    QCOMPARE(env.fake.shown.size(), std::size_t(2));
    QVERIFY(env.fake.shown[1].text.contains(QStringLiteral("/home/ann/Documents/r.pdf")));
    QVERIFY(!home.lblPrinting->isVisible());
}

void TestDesk::pdfNamedUniquely()
{
    QTemporaryDir folder;
    const QDateTime when(QDate(2026, 12, 6), QTime(18, 45, 3));
    const PageModel page = BuildResultsReport(QStringLiteral("Test Results For Ann"), Date, {}, false);
    const SavedReport first = SaveReportAsPdf(page, folder.path(), when);
    const SavedReport second = SaveReportAsPdf(page, folder.path(), when);
    QCOMPARE(first.error, QString());
    QCOMPARE(QFileInfo(first.path).fileName(), QStringLiteral("VornickTest report 2026-12-06 18-45-03.pdf"));
    QCOMPARE(QFileInfo(second.path).fileName(), QStringLiteral("VornickTest report 2026-12-06 18-45-03 (2).pdf"));
    QFile pdf(first.path);
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    QVERIFY(pdf.read(5) == "%PDF-");
}

void TestDesk::pdfReadsBackInColumns()
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext is not installed");
    QTemporaryDir folder;
    QStringList rows{ResultsRow::Taken(QStringLiteral("Algebra"), "84", Date),
                     ResultsRow::NotTaken(QString(40, u'G')),
                     ResultsRow::Taken(QStringLiteral("Biology"), "100", QStringLiteral("11/30/2026"))};
    const QString title = QStringLiteral("Test Results For Ann");
    const PageModel page = BuildResultsReport(title, Date, rows, false);
    const SavedReport saved = SaveReportAsPdf(page, folder.path(), QDateTime::currentDateTime());
    QCOMPARE(saved.error, QString());
    // Read back cell by cell at the font's pitch (Courier New and its metric
    // twins advance 0.6 em: 8.4 points at 14). Only the page margin may add
    // blanks in front of every line.
    QCOMPARE(WithoutCommonIndent(Unpadded(PdfToText(saved.path))), WithoutCommonIndent(page.PlainLines()));
}

void TestDesk::pdfBreaksPagesAndKeepsLongRows()
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext is not installed");
    QTemporaryDir folder;
    QStringList rows;
    for (int i = 1; i <= 80; ++i)
        rows << ResultsRow::NotTaken(QStringLiteral("Test %1").arg(i));
    QString longRow;
    for (int i = 0; i < 20; ++i)
        longRow += QStringLiteral("Word%1 ").arg(i, 2, 10, QLatin1Char('0'));
    rows << longRow.trimmed();
    const SavedReport saved = SaveReportAsPdf(BuildResultsReport(QStringLiteral("Test Results For Ann"), Date, rows, true),
                                              folder.path(), QDateTime::currentDateTime());
    QCOMPARE(saved.error, QString());
    const QString text = PdfToText(saved.path);
    QVERIFY(text.count(u'\f') >= 2);  // more than one page
    for (int i = 1; i <= 80; ++i)
        QVERIFY(text.contains(QRegularExpression(QStringLiteral("\\bTest %1 +Not Taken").arg(i))));
    // A row wider than the page goes on over the next line; nothing is cut off.
    QString joined = text;
    joined.remove(QRegularExpression(QStringLiteral("\\s")));
    QString expected = longRow;
    QVERIFY(joined.contains(expected.remove(u' ')));
}

void TestDesk::pdfRefusedFolderIsReported()
{
    QTemporaryDir folder;
    const QString missing = folder.path() + QStringLiteral("/no such folder");
    const SavedReport saved =
        SaveReportAsPdf(BuildResultsReport(QStringLiteral("T"), Date, {}, false), missing, QDateTime::currentDateTime());
    QVERIFY(saved.path.isEmpty());
    QVERIFY(saved.error.contains(missing));
    QVERIFY(!QDir(missing).exists());
}

void TestDesk::noPrinterSavesPdfInDocuments()
{
    if (!QPrinterInfo::defaultPrinter().isNull())
        QSKIP("a printer is installed here; the report would really be printed");
    QTemporaryDir home;
    const QByteArray oldHome = qgetenv("HOME");
    const QByteArray oldConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("HOME", home.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (home.path() + QStringLiteral("/.config")).toLocal8Bit());
    QtPlatform qt;
    const PageModel page = BuildResultsReport(QStringLiteral("Test Results For Ann"), Date, {}, false);

    const PrintOutcome home1 = qt.Print(page);  // no Documents folder: home
    QVERIFY(QDir().mkpath(home.path() + QStringLiteral("/Documents")));
    const PrintOutcome documents = qt.Print(page);
    qputenv("HOME", oldHome);
    if (oldConfig.isNull())
        qunsetenv("XDG_CONFIG_HOME");
    else
        qputenv("XDG_CONFIG_HOME", oldConfig);

    QCOMPARE(home1.error, QString());
    QVERIFY(home1.printed);
    QCOMPARE(QFileInfo(home1.pdfPath).absolutePath(), home.path());
    QCOMPARE(QFileInfo(documents.pdfPath).absolutePath(), home.path() + QStringLiteral("/Documents"));
    QVERIFY(QFileInfo(documents.pdfPath).size() > 0);
}

void TestDesk::exitAndCloseBoxSignOut()
{
    TestEnv env;
    env.AddStudent(QStringLiteral("Ann"), QStringLiteral("pw"));
    env.AddStudent(QStringLiteral("Bo"), QStringLiteral("x"));
    env.AddTest(QStringLiteral("Algebra"));
    frmEntry& entry = Screens::Get<frmEntry>();

    frmMain* home = &SignIn(QStringLiteral("Ann"), QStringLiteral("pw"));
    QTest::mouseClick(home->cmdExit, Qt::LeftButton);
    ProcessEvents();
    QVERIFY(!Screens::IsLoaded<frmMain>());
    QVERIFY(entry.isVisible());
    QVERIFY(entry.txtName->text().isEmpty() && entry.txtPassword->text().isEmpty());

    // The next student gets a freshly loaded screen; its close box signs out too.
    home = &SignIn(QStringLiteral("Bo"), QStringLiteral("x"));
    QCOMPARE(home->windowTitle(), QStringLiteral("Test Results For Bo"));
    QCOMPARE(home->lstResults->count(), 1);
    home->close();
    ProcessEvents();
    QVERIFY(!Screens::IsLoaded<frmMain>());
    QVERIFY(entry.isVisible());
    QVERIFY(entry.txtName->text().isEmpty() && entry.txtPassword->text().isEmpty());
    QVERIFY(!env.fake.ended);
    QVERIFY(env.fake.shown.empty());
    QVERIFY(env.fake.unexpected.isEmpty());
}

QTEST_MAIN(TestDesk)
#include "test_desk.moc"
