// The real platform's own pieces, offscreen: the date, the random generator,
// the printing route, the help window and the single-instance lock.
#include "TestEnv.h"
#include "app/Language.h"
#include "app/ServerWait.h"
#include "desktop/QtPlatform.h"
#include "data/Schema.h"
#include "report/ReportPrinter.h"
#include "report/ResultsReport.h"

#include <QPrinter>
#include <cstdio>
#include <QtTest>
#include <QtWidgets>

namespace {

// The real platform in another program folder, its message boxes recorded.
class PlatformIn : public QtPlatform {
public:
    explicit PlatformIn(QString folder) : folder_(std::move(folder)) {}
    QString ProgramFolder() override { return folder_; }
    MsgAnswer MsgBox(const QString& text, MsgButtons, const QString&) override
    {
        shown << text;
        return MsgAnswer::OK;
    }
    QStringList shown;

private:
    QString folder_;
};

// pdftotext's non-blank lines, a cell per character at 14-point Courier's pitch.
QStringList PdfLines(const QString& path)
{
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), QStringLiteral("-fixed"), "8.4", path, "-"});
    pdftotext.waitForFinished(30000);
    return QString::fromUtf8(pdftotext.readAllStandardOutput())
        .split(QRegularExpression(QStringLiteral("\\s*[\\n\\f]")), Qt::SkipEmptyParts);
}

// Where pdftotext finds each word of a PDF's first page: its left and right edge, in points.
QMap<QString, std::pair<double, double>> PdfWords(const QString& path)
{
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), path, "-"});
    pdftotext.waitForFinished(30000);
    QMap<QString, std::pair<double, double>> words;
    static const QRegularExpression word(QStringLiteral("xMin=\"([\\d.]+)\" yMin=\"[\\d.]+\" xMax=\"([\\d.]+)\"[^>]*>([^<]+)<"));
    for (const auto& found : word.globalMatch(QString::fromUtf8(pdftotext.readAllStandardOutput())))
        words.insert(found.captured(3), {found.captured(1).toDouble(), found.captured(2).toDouble()});
    return words;
}

qint64 LockHolder(const QString& lock)
{
    qint64 pid = 0;
    QString host, application;
    return QLockFile(lock).getLockInfo(&pid, &host, &application) ? pid : 0;
}

}

class TestPlatform : public QObject {
    Q_OBJECT

private slots:
    // A stored date is the desktop's short form with ASCII digits and no
    // direction marks: an Arabic desktop's and a German one's read back alike.
    void storedDatesHaveAsciiDigits()
    {
        const QDate day(2026, 12, 8);
        QCOMPARE(QLocale(QStringLiteral("ar_EG")).toString(day, QLocale::ShortFormat),
                 QStringLiteral("\u0668\u200F/\u0661\u0662\u200F/\u0662\u0660\u0662\u0666"));
        QCOMPARE(StoredShortDate(QLocale(QStringLiteral("ar_EG")), day), QStringLiteral("8/12/2026"));
        QCOMPARE(StoredShortDate(QLocale(QStringLiteral("de_DE")), day), QStringLiteral("08.12.26"));
        QCOMPARE(StoredShortDate(QLocale(QStringLiteral("en_US")), day), QStringLiteral("12/8/26"));
    }

    // What a finish stores, and the pattern a lab server is told, read from
    // the program's own platform in a copy of this test run under an Arabic
    // and a German desktop: one form of ASCII digits, whatever the desktop.
    void finishStoresAsciiUnderEveryDesktop_data()
    {
        QTest::addColumn<QString>("desktop");
        QTest::addColumn<QString>("pattern");
        QTest::newRow("Arabic") << QStringLiteral("ar_EG.UTF-8") << QStringLiteral("d/M/yyyy");
        QTest::newRow("German") << QStringLiteral("de_DE.UTF-8") << QStringLiteral("dd.MM.yy");
    }
    void finishStoresAsciiUnderEveryDesktop()
    {
        QFETCH(QString, desktop);
        QFETCH(QString, pattern);
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(QStringLiteral("LC_ALL"));
        environment.remove(QStringLiteral("LC_TIME"));
        environment.insert(QStringLiteral("LANG"), desktop);
        environment.insert(QStringLiteral("VORNICK_SHOW_STORED_TODAY"), QStringLiteral("1"));
        child.setProcessEnvironment(environment);
        const QString before = QDate::currentDate().toString(pattern);
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("storedTodayOfThisDesktop")});
        QVERIFY(child.waitForFinished(30000));
        const QString shown = QString::fromUtf8(child.readAllStandardOutput());
        const QRegularExpressionMatch stored = QRegularExpression(QStringLiteral("stored=(\\S*) pattern=(\\S*)\n")).match(shown);
        QVERIFY2(stored.hasMatch(), qPrintable(shown));
        QVERIFY2(stored.captured(1) == before || stored.captured(1) == QDate::currentDate().toString(pattern),
                 qPrintable(stored.captured(1)));
        QCOMPARE(stored.captured(2), pattern);
    }
    void storedTodayOfThisDesktop()
    {
        if (qEnvironmentVariableIsEmpty("VORNICK_SHOW_STORED_TODAY"))
            QSKIP("run by finishStoresAsciiUnderEveryDesktop under another desktop language");
        QtPlatform platform;
        std::printf("stored=%s pattern=%s\n", qPrintable(platform.TodayShortDate()), qPrintable(platform.ShortDateFormat()));
    }

    // Qt's own message box in Arabic: each button holds its whole caption,
    // its marks included ("حسنًا"), with the style's margin on either side.
    void messageBoxButtonsHoldTheirCaptionsInArabic()
    {
        QVERIFY(Language::Install(QStringLiteral("ar")));
        QApplication::setLayoutDirection(Qt::RightToLeft);
        QTemporaryDir lock;
        QtPlatform platform(lock.path());
        QStringList tight;
        int seen = 0;
        QTimer closer;
        connect(&closer, &QTimer::timeout, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            ++seen;
            for (QAbstractButton* button : box->buttons()) {
                const QString caption = button->text().remove(u'&');
                const int margin = button->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button);
                const int ink = button->fontMetrics().tightBoundingRect(caption).width();
                if (ink + 2 * margin > button->width())
                    tight << QStringLiteral("%1: %2 + 2×%3 > %4").arg(caption).arg(ink).arg(margin).arg(button->width());
            }
            box->done(0);
        });
        closer.start(10);
        platform.MsgBox(QStringLiteral("انتهى الوقت!"), MsgButtons::OK, QString());
        platform.MsgBox(QStringLiteral("?"), MsgButtons::YesNo, QString());
        Language::Install(QStringLiteral("en"));
        QApplication::setLayoutDirection(Qt::LeftToRight);
        QCOMPARE(seen, 2);
        QCOMPARE(tight, QStringList());
    }

    // Dates on screen and paper follow the language in use, also one fixed in
    // the settings file on a desktop of another language (this run's is en_US).
    void datesFollowTheLanguageInUse()
    {
        const QDate day(2026, 12, 8);
        const QDateTime moment(day, QTime(17, 5, 9));
        Language::Install(QStringLiteral("de"));
        QCOMPARE(Language::ShortDate(day) + u'|' + Language::ShortDateTime(moment), QStringLiteral("08.12.26|08.12.26 17:05"));
        Language::Install(QStringLiteral("ar"));
        QCOMPARE(Language::ShortDate(day), QStringLiteral("\u0668\u200F/\u0661\u0662\u200F/\u0662\u0660\u0662\u0666"));
        Language::Install(QStringLiteral("en"));
        QCOMPARE(Language::ShortDate(day), QStringLiteral("12/8/26"));
    }

    // Waiting for a lost server: the event loop runs (a timer of no window
    // fires, and a window's timer marked to tick through), but no other
    // timer of a window fires, typing reaches no box and no window closes;
    // afterwards all is as before.
    void serverWaitKeepsScreensAliveButHeld()
    {
        QWidget window;
        auto* box = new QLineEdit(&window);
        window.show();
        box->setFocus();
        auto* screenTimer = new QTimer(&window);
        auto* clock = new QTimer(&window);
        ServerWait::TickThroughWaits(*clock);
        QTimer free;
        int screenTicks = 0, clockTicks = 0, freeTicks = 0;
        bool runningInside = false;
        connect(screenTimer, &QTimer::timeout, [&] { ++screenTicks; });
        connect(clock, &QTimer::timeout, [&] { ++clockTicks; });
        connect(&free, &QTimer::timeout, [&] {
            runningInside = ServerWait::Running();
            if (++freeTicks == 3) {
                QTest::keyClicks(box, QStringLiteral("abc"));
                window.close();
            }
        });
        for (QTimer* timer : {screenTimer, clock, &free})
            timer->start(10);
        ServerWait::KeepScreensAliveFor(std::chrono::milliseconds(300));
        QVERIFY2(freeTicks > 5 && clockTicks > 5 && screenTicks == 0,
                 qPrintable(QStringLiteral("%1 %2 %3").arg(freeTicks).arg(clockTicks).arg(screenTicks)));
        QVERIFY(runningInside && !ServerWait::Running());
        QCOMPARE(box->text(), QString());
        QVERIFY(window.isVisible());
        QTest::keyClicks(box, QStringLiteral("ok"));
        QCOMPARE(box->text(), QStringLiteral("ok"));
        QTRY_VERIFY(screenTicks > 0);
    }

    // Run under en_US (see main): month/day/two-digit year, no leading zeros,
    // and that form's pattern.
    // Reseeded twice within one second, the generator gives two sequences.
    void shortDateAndDraws()
    {
        QtPlatform platform;
        const auto usShortDate = [] { return QDate::currentDate().toString(QStringLiteral("M/d/yy")); };
        const QString before = usShortDate(), shown = platform.TodayShortDate();
        QVERIFY2(shown == before || shown == usShortDate(), qPrintable(shown));  // midnight may pass between
        QCOMPARE(platform.ShortDateFormat(), QStringLiteral("M/d/yy"));  // as a lab server is told to write it
        const auto draws = [&platform] {
            platform.Randomize();
            return QList<float>{platform.Rnd(), platform.Rnd(), platform.Rnd(), platform.Rnd()};
        };
        QList<float> first, second;
        for (qint64 start = -1; start != QDateTime::currentSecsSinceEpoch();) {
            start = QDateTime::currentSecsSinceEpoch();
            first = draws();
            second = draws();
        }
        QVERIFY(first != second);
        float lowest = 1, highest = 0;
        for (int i = 0; i < 200000; ++i) {
            const float draw = platform.Rnd();
            lowest = std::min(lowest, draw);
            highest = std::max(highest, draw);
        }
        QVERIFY(lowest >= 0 && lowest < 0.001f && highest > 0.999f && highest < 1);
    }

    // No printer offscreen: a PDF in the Documents folder, or at home without
    // one; read back, it keeps the columns, breaks the pages and wraps a wide
    // line. A printer (here one writing PDF) gets the same page.
    void reportGoesToPrinterOrPdf()
    {
        QTemporaryDir home;
        qputenv("HOME", QFile::encodeName(home.path()));
        QVERIFY(QDir(home.path()).mkdir(QStringLiteral("Documents")));
        QStringList rows;
        for (int i = 1; i <= 80; ++i)
            rows << QStringLiteral("Test %1").arg(i).leftJustified(41) + QStringLiteral("Not Taken");
        const QString title = QStringLiteral("Wide").repeated(40);
        const PageModel page = BuildResultsReport(title, QStringLiteral("12/6/26"), rows, true);
        QtPlatform platform;
        const PrintOutcome saved = platform.Print(page);
        QVERIFY(saved.printed && saved.error.isEmpty());
        QCOMPARE(QFileInfo(saved.pdfPath).absolutePath(), home.path() + QStringLiteral("/Documents"));
        // Columns 15, 50 and 5, behind the page's margin of four cells.
        const QStringList lines = PdfLines(saved.pdfPath);
        QVERIFY(lines[0].startsWith(QString(18, u' ') + QStringLiteral("WideWide")));
        QVERIFY(lines.contains(QString(53, u' ') + QStringLiteral("12/6/26")) && lines.contains(QString(8, u' ') + rows[0]));
        QCOMPARE(lines.filter(QRegularExpression(QStringLiteral("^        Test \\d+ +Not Taken$"))).size(), 80);
        QVERIFY(lines.join(QString()).remove(QRegularExpression(QStringLiteral("\\s"))).contains(title));
        QVERIFY(QDir(home.filePath(QStringLiteral("Documents"))).removeRecursively());
        QCOMPARE(QFileInfo(platform.Print(page).pdfPath).absolutePath(), home.path());

        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(home.filePath(QStringLiteral("printer.pdf")));
        const PrintOutcome printed = PrintOnPrinter(printer, page);
        QVERIFY(printed.printed && printed.pdfPath.isEmpty() && PdfLines(printer.outputFileName()) == lines);
        printer.setOutputFileName(home.filePath(QStringLiteral("no such folder/printer.pdf")));
        QCOMPARE(PrintOnPrinter(printer, page).error, QStringLiteral("The printer could not be started."));
    }

    // Arabic's report is mirrored: the heading's title at the right margin
    // with the date to its left, each row's title right, its grade left.
    void reportReadsRightToLeftInArabic()
    {
        QTemporaryDir folder;
        const PageModel page = BuildResultsReport(QStringLiteral("Geography"), QStringLiteral("12/6/26"),
                                                  {QStringLiteral("Rivers?").leftJustified(41) + QStringLiteral("88")}, true);
        QApplication::setLayoutDirection(Qt::RightToLeft);
        const QString pdf = SaveReportAsPdf(page, folder.path(), QDateTime(QDate(2026, 12, 6), QTime(9, 0))).path;
        QApplication::setLayoutDirection(Qt::LeftToRight);
        const auto words = PdfWords(pdf);
        QVERIFY2(words.size() == 4, qPrintable(QStringList(words.keys()).join(u' ')));
        // A4 is 595 points wide; 12.7 mm margins; a 14-point Courier cell is 8.4 points.
        const double rightMargin = 595.3 - 36, cell = 8.4;
        QVERIFY(std::abs(words["Geography"].second - (rightMargin - 14 * cell)) < cell);
        QVERIFY(std::abs(words["12/6/26"].second - (rightMargin - 49 * cell)) < cell);
        // A Latin title keeps its question mark at its end.
        QVERIFY(std::abs(words["Rivers?"].second - (rightMargin - 4 * cell)) < cell);
        QVERIFY(words["88"].second < words["Rivers?"].first - 30 * cell);
    }

    // Left by a copy that has ended, empty or garbled, or a folder in its
    // place: the program starts. A running copy: a second one ends silently.
    // Without the guide in the program's folder, F1 says where it should be;
    // in German it names the German guide, and without that it shows the
    // English one (the guide shown beside the asking screen: test_keyboard).
    void lockAndHelpInTheProgramFolder()
    {
        QTemporaryDir runtime, folder;
        PlatformIn help(folder.path());
        help.ShowHelp(nullptr);
        QCOMPARE(help.shown, QStringList{"The user guide could not be opened:\n" + folder.filePath("HelpFile.hlp")});
        QVERIFY(Language::Install(QStringLiteral("de")));
        help.ShowHelp(nullptr);
        QCOMPARE(help.shown.last(), "Das Benutzerhandbuch konnte nicht geöffnet werden:\n" + folder.filePath("HelpFile_de.hlp"));
        WriteFile(folder, QStringLiteral("HelpFile.hlp"), "<p>The English guide</p>");
        help.ShowHelp(nullptr);
        Language::Install(QStringLiteral("en"));
        QTextBrowser* viewer = nullptr;
        for (QWidget* window : QApplication::topLevelWidgets())
            viewer = window->objectName() == QStringLiteral("HelpViewer") ? qobject_cast<QTextBrowser*>(window) : viewer;
        QVERIFY(help.shown.size() == 2 && viewer && viewer->toPlainText() == QStringLiteral("The English guide"));
        viewer->close();
        const QString lock = runtime.filePath(QStringLiteral("VornickTest.lock"));
        QProcess ended;
        ended.start(QStringLiteral("true"));
        QVERIFY(ended.waitForStarted());
        const QByteArray endedPid = QByteArray::number(ended.processId());
        QVERIFY(ended.waitForFinished());
        for (const QByteArray& leftover : {endedPid + "\nVornickTest\n" + QSysInfo::machineHostName().toUtf8() + '\n',
                                           QByteArray(), QByteArray("\x7f garbled \xff\n")}) {
            QCOMPARE(WriteFile(runtime, QStringLiteral("VornickTest.lock"), leftover), lock);
            QtPlatform copy(runtime.path());
            QVERIFY(!copy.AnotherCopyRunning() && LockHolder(lock) == QCoreApplication::applicationPid());
        }
        QVERIFY(QDir().mkdir(lock) && !QtPlatform(runtime.path()).AnotherCopyRunning() && QDir().rmdir(lock));

        const QString program = folder.filePath(QStringLiteral("VornickTest"));
        QVERIFY(QFile::copy(QCoreApplication::applicationDirPath() + QStringLiteral("/VornickTest"), program));
        Schema::CreateDatabase(folder.filePath(QStringLiteral("Ostrel.mdb")));
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
        QProcess first, second;
        for (QProcess* copy : {&first, &second}) {
            copy->setProcessEnvironment(environment);
            copy->start(program, {});
            QVERIFY(copy->waitForStarted());
            QTRY_COMPARE_WITH_TIMEOUT(LockHolder(lock), first.processId(), 10000);
        }
        QVERIFY(QtPlatform(runtime.path()).AnotherCopyRunning());
        QVERIFY(second.waitForFinished(10000) && second.exitStatus() == QProcess::NormalExit && second.exitCode() == 0);
        QVERIFY(second.readAllStandardOutput().isEmpty() && first.state() == QProcess::Running);
        const qint64 firstPid = first.processId();
        first.kill();  // leaves its lock file behind
        QVERIFY(first.waitForFinished() && LockHolder(lock) == firstPid && !QtPlatform(runtime.path()).AnotherCopyRunning());
    }
};

int main(int argc, char* argv[])
{
    // A copy run for finishStoresAsciiUnderEveryDesktop keeps the desktop it is given.
    if (qEnvironmentVariableIsEmpty("VORNICK_SHOW_STORED_TODAY"))
        qputenv("LC_ALL", "en_US.UTF-8");
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    TestPlatform test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_platform.moc"
