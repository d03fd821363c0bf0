// The home screen: the fixed-column results rows, the list fill and the printed report.
#include "TestEnv.h"
#include "UserActions.h"
#include "rules/ListRows.h"
#include "app/Module1.h"
#include "report/ReportPrinter.h"
#include "report/ResultsReport.h"
#include "screens/Screens.h"
#include "screens/frmEntry.h"
#include "screens/frmMain.h"

#include <QtTest>
#include <QtWidgets>

using namespace Module1;

namespace {

const QString Date = QStringLiteral("12/6/2026");
// Paper's date: the fake platform's day (6 December 2026) as the desktop
// writes it, English being in use.
const QString DesktopDate = QLocale::system().toString(QDate(2026, 12, 6), QLocale::ShortFormat);

void AddResult(TestEnv& env, qint64 student, qint64 test, int grade, const QString& date)
{
    env.Insert("INSERT INTO Results (fldStudentNumber, fldTestNumber, fldGrade, fldDate) VALUES (?, ?, ?, ?)",
               {student, test, grade, date});
}

}

class TestDesk : public QObject {
    Q_OBJECT

private slots:
    // Names of 7, 40 and 41 characters: the score from column 42, the date from 56.
    void rowLayout()
    {
        const QString seven = QStringLiteral("Algebra"), forty(40, u'F'), fortyOne(41, u'L');
        const auto blanks = [](int count) { return QString(count, u' '); };
        const QStringList rows{ResultsRow::NotTaken(seven), ResultsRow::Taken(seven, "100", Date),
                               ResultsRow::Taken(forty, "0", Date), ResultsRow::NotTaken(forty),
                               ResultsRow::Taken(fortyOne, "84", Date), ResultsRow::NotTaken(fortyOne)};
        QCOMPARE(rows, QStringList({seven + blanks(34) + "Not Taken", seven + blanks(34) + "100" + blanks(11) + Date,
                                    forty + " 0" + blanks(13) + Date, forty + " Not Taken",
                                    fortyOne + "84" + blanks(12) + Date, fortyOne + "Not Taken"}));
        QCOMPARE(ResultsRow::TestName(rows[4]), fortyOne.left(40));
        QVERIFY(ResultsRow::ShowsNotAtScore(rows[3]) && ResultsRow::ShowsNotAtScore(rows[5]) && !ResultsRow::ShowsNotAtScore(rows[1])
                && !ResultsRow::ShowsNotAtScore(ResultsRow::NotTaken(QString(45, u'X'))));
        QVERIFY(ResultsRow::EndsNotTaken(rows[5]) && !ResultsRow::EndsNotTaken(ResultsRow::Taken(seven, "0", QString())));
    }

    // Bracketed tests never show; a student's first row of a test wins; the
    // heading stands over the columns in the list's own fixed-pitch font.
    // Printed: the title at column 15, the date at 50, the rows at 5; the heading
    // bold only for the administrator (a longer title's layout is test_platform's);
    // a printer error is shown and ends nothing. With the Results table gone
    // every query fails, and the fill goes on past them.
    void listAndItsReportShowEveryOpenTestOnce()
    {
        TestEnv env;
        env.fake.today = Date;
        const qint64 other = env.AddStudent(QStringLiteral("Bo"), QStringLiteral("x"));
        const qint64 ann = env.AddStudent(QStringLiteral("Ann Lee"), QStringLiteral("pw"));
        const qint64 biology = env.AddTest(QStringLiteral("Biology 2"));
        AddResult(env, ann, env.AddTest(QStringLiteral("<Draft>")), 100, Date);
        AddResult(env, other, env.AddTest(QStringLiteral("Geography")), 96, Date);
        env.AllowTwinAttempts();  // as a file from before the one-attempt rule may hold them
        AddResult(env, ann, biology, 84, QStringLiteral("11/30/2026"));
        AddResult(env, ann, biology, 100, Date);
        env.AddTest(QStringLiteral("Ann's <best> test"));
        SignInAs(QStringLiteral("Ann Lee"), QStringLiteral("pw"));
        frmMain& home = Screens::Get<frmMain>();
        QVERIFY(home.Label1->text().indexOf("Score") == 41 && home.Label1->text().indexOf("Date Taken") == 55);
        QVERIFY(home.Label1->font() == home.lstResults->font() && QFontInfo(home.lstResults->font()).fixedPitch());
        QCOMPARE(Rows(home.lstResults).replaceInStrings(QRegularExpression(QStringLiteral(" +")), QStringLiteral(" ")),
                 QStringList({"Biology 2 84 11/30/2026", "Geography Not Taken", "Ann's <best> test Not Taken"}));

        Click(home.cmdPrint);
        QCOMPARE(env.fake.printed.size(), std::size_t(1));
        const PageModel& page = env.fake.printed[0];
        QVERIFY(page.FontName() == QStringLiteral("Courier New") && page.FontSize() == 14 && page.Ended());
        QCOMPARE(page.PlainLines(),
                 QStringList({QString(), QString(14, u' ') + QStringLiteral("Test Results For Ann Lee").leftJustified(35) + DesktopDate,
                              QString(), QStringLiteral("    Biology 2") + QString(32, u' ') + "84" + QString(12, u' ') + "11/30/2026",
                              QStringLiteral("    Geography") + QString(32, u' ') + "Not Taken",
                              QStringLiteral("    Ann's <best> test") + QString(24, u' ') + "Not Taken"}));
        QVERIFY(!page.Lines()[1][0].bold && !home.lblPrinting->isVisible());
        const PageModel wrapped = BuildResultsReport(QString(36, u'T'), Date, {QStringLiteral("row")}, true);
        QVERIFY(wrapped.Lines()[1][0].bold && wrapped.Lines()[2][0].bold && !wrapped.Lines()[4][0].bold);

        env.fake.printOutcome = PrintOutcome{false, {}, QStringLiteral("The printer could not be started.")};
        Click(home.cmdPrint);
        QVERIFY(!env.fake.ended && home.isVisible() && !home.lblPrinting->isVisible());
        QCOMPARE(env.fake.shown.size(), std::size_t(1));
        QCOMPARE(env.fake.shown[0].text, QStringLiteral("The printer could not be started."));

        // A report never takes an existing file's name.
        QTemporaryDir folder;
        const QDateTime when(QDate(2026, 12, 6), QTime(18, 45, 3));
        QFile first(UniqueReportPath(folder.path(), when));
        QVERIFY(first.open(QIODevice::WriteOnly));
        QCOMPARE(QFileInfo(first).fileName(), QStringLiteral("VornickTest report 2026-12-06 18-45-03.pdf"));
        QCOMPARE(QFileInfo(UniqueReportPath(folder.path(), when)).fileName(),
                 QStringLiteral("VornickTest report 2026-12-06 18-45-03 (2).pdf"));

        env.Exec(QStringLiteral("DROP TABLE Results"));
        home.Load_Test_List();
        QVERIFY(env.fake.shown.size() == 1 && !env.fake.ended && home.lstResults->count() == 0);
        home.close();  // signs the student out, as Exit does
        ProcessEvents();
        QVERIFY(!Screens::IsLoaded<frmMain>() && Screens::Get<frmEntry>().isVisible());
    }
};

QTEST_MAIN(TestDesk)
#include "test_desk.moc"
