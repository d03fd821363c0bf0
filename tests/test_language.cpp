// The program in the school's language: which language is chosen, what the
// tools and screens say in it, the numbers and Qt's own buttons, Arabic's
// mirrored screens, and what is stored staying English.
#include "TestEnv.h"
#include "analysis/AnalysisText.h"
#include "app/Language.h"
#include "rules/ListRows.h"
#include "data/ServerSettings.h"
#include "exchange/Csv.h"
#include "screens/ResultsList.h"
#include "screens/Screens.h"
#include "screens/SlotScreen.h"
#include "screens/frmEntry.h"
#include "screens/frmQuestionsIntro.h"

#include <QXmlStreamReader>
#include <QtTest>
#include <QtWidgets>

namespace {

// vornick-passwd as installed in `folder`, run with the environment's language `language`.
struct Run {
    int code = -1;
    QString err;
};

Run Passwd(const QString& folder, const QString& language)
{
    const QString tool = folder + QStringLiteral("/vornick-passwd");
    if (!QFile::exists(tool))
        QFile::copy(QCoreApplication::applicationDirPath() + QStringLiteral("/vornick-passwd"), tool);
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"})
        environment.remove(QString::fromLatin1(name));
    environment.insert(QStringLiteral("LANG"), language);
    process.setProcessEnvironment(environment);
    process.start(tool, {});
    process.waitForFinished(30000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardError())};
}

// The x at which the text's character `at` is drawn in a line laid out right to left.
qreal DrawnAt(const QString& text, int at)
{
    QTextLayout layout(text, QApplication::font());
    QTextOption option;
    option.setTextDirection(Qt::RightToLeft);
    layout.setTextOption(option);
    layout.beginLayout();
    layout.createLine().setLineWidth(1000);
    layout.endLayout();
    return layout.lineAt(0).cursorToX(at);
}

// The right edges of the runs of ink in the image's rows `top` to `bottom`,
// from the right: runs part where a gap of `gap` pixels or more has no ink.
QList<int> InkRunRightEdges(const QImage& image, int top, int bottom, int gap)
{
    QList<int> edges;
    int blank = gap;
    for (int x = image.width() - 1; x >= 0; --x) {
        bool ink = false;
        for (int y = std::max(top, 0); y <= std::min(bottom, image.height() - 1) && !ink; ++y)
            ink = qGray(image.pixel(x, y)) < 150;
        if (ink && blank >= gap)
            edges << x;
        blank = ink ? 0 : blank + 1;
    }
    return edges;
}

// A slot of the test screen on its own: the question and its three answers.
class LoneSlot : public SlotForm {
public:
    LoneSlot() : SlotForm(QStringLiteral("frmQuestions"))
    {
        auto* layout = new QVBoxLayout(this);
        layout->addLayout(BuildQuestionArea());
    }
    void lblQuestionNumber_Click(std::int16_t) override {}
};

}

class TestLanguage : public QObject {
    Q_OBJECT

private slots:
    // A mnemonic's underline draws its letter on its own, cut from both
    // neighbours: in a cursive script the "&" stands only before a letter
    // that joins neither the one before it nor the one after (or a caption
    // carries a bracketed Latin key instead). Joining is Unicode's, as Qt
    // knows it; marks between letters are looked through.
    void mnemonicsNeverBreakAJoinedWord()
    {
        const auto joinsForward = [](QChar c) {
            return c.joiningType() == QChar::Joining_Dual || c.joiningType() == QChar::Joining_Left
                   || c.joiningType() == QChar::Joining_Causing;
        };
        const auto joinsBack = [](QChar c) {
            return c.joiningType() == QChar::Joining_Dual || c.joiningType() == QChar::Joining_Right
                   || c.joiningType() == QChar::Joining_Causing;
        };
        QStringList broken;
        const QDir folder(QStringLiteral(VORNICK_SOURCE_DIR "/translations"));
        for (const QString& name : folder.entryList({QStringLiteral("*.ts")})) {
            QFile file(folder.filePath(name));
            QVERIFY(file.open(QIODevice::ReadOnly));
            QXmlStreamReader ts(&file);
            while (!ts.atEnd()) {
                if (ts.readNext() != QXmlStreamReader::StartElement || ts.name() != QLatin1String("translation"))
                    continue;
                const QString text = ts.readElementText(QXmlStreamReader::IncludeChildElements);
                for (qsizetype at = text.indexOf(u'&'); at >= 0 && at + 1 < text.size(); at = text.indexOf(u'&', at + 2)) {
                    if (text[at + 1] == u'&')
                        continue;
                    const QChar letter = text[at + 1];
                    qsizetype before = at - 1;
                    while (before >= 0 && text[before].joiningType() == QChar::Joining_Transparent)
                        --before;
                    qsizetype after = at + 2;
                    while (after < text.size() && text[after].joiningType() == QChar::Joining_Transparent)
                        ++after;
                    const bool joinedBefore = before >= 0 && joinsForward(text[before]) && joinsBack(letter);
                    const bool joinedAfter = after < text.size() && joinsForward(letter) && joinsBack(text[after]);
                    if (joinedBefore || joinedAfter)
                        broken << name + QStringLiteral(": ") + text;
                }
            }
        }
        for (const QString& caption : broken)
            qWarning("mnemonic inside a joined word: %s", qPrintable(caption));
        QCOMPARE(broken.size(), 0);
    }

    void cleanup()
    {
        Screens::DiscardAll();
        Language::Install(QStringLiteral("en"));
        QApplication::setLayoutDirection(Qt::LeftToRight);
    }

    // The desktop's first language that ships, by its full code or its
    // language alone; English when none does; the settings file's code wins
    // and an unknown one is refused by name.
    void chosenFromTheDesktopOrTheSettingsFile()
    {
        QCOMPARE(Language::Shipped(), QStringList({"en", "ar", "de", "es", "fr", "pt_BR"}));
        QCOMPARE(Language::Choose({}, {"ja-JP", "de-AT", "fr"}), QStringLiteral("de"));
        QCOMPARE(Language::Choose({}, {"pt-PT"}), QStringLiteral("pt_BR"));
        QCOMPARE(Language::Choose({}, {"ar-EG"}), QStringLiteral("ar"));
        QCOMPARE(Language::Choose({}, {"ja", "C"}), QStringLiteral("en"));
        QCOMPARE(Language::Choose({}, {}), QStringLiteral("en"));
        QCOMPARE(Language::Choose(QStringLiteral("pt-BR"), {"de"}), QStringLiteral("pt_BR"));
        QCOMPARE(Language::Choose(QStringLiteral("en"), {"de"}), QStringLiteral("en"));
        QCOMPARE(FailureOf([] { Language::Choose(QStringLiteral("klingon"), {"de"}); }),
                 QStringLiteral("The settings file names the language \"klingon\", which this program does not have. "
                                "It has: en, ar, de, es, fr, pt_BR."));

        QTemporaryDir dir;
        QCOMPARE(LanguageSetting(dir.path()), QString());
        WriteFile(dir, "VornickTest.ini", "[Database]\nfile=school.mdb\n\n[General]\nlanguage = fr \n");
        QCOMPARE(LanguageSetting(dir.path()), QStringLiteral("fr"));
        QCOMPARE(DatabaseLocation::Beside(dir.path()).file, dir.filePath("school.mdb"));
        // A file that only fixes the language keeps the database beside it.
        WriteFile(dir, "VornickTest.ini", "[General]\nlanguage=de\n");
        QCOMPARE(DatabaseLocation::Beside(dir.path()).file, dir.filePath("Ostrel.mdb"));
        WriteFile(dir, "VornickTest.ini", "[General]\nlangauge=de\n");
        QVERIFY(FailureOf([&] { LanguageSetting(dir.path()); }).contains("has a key the program does not know: langauge"));
    }

    // The tools read the same key beside them, else the desktop's language.
    void toolsSpeakTheLanguage()
    {
        QTemporaryDir dir;
        Run run = Passwd(dir.path(), QStringLiteral("de_DE.UTF-8"));
        QCOMPARE(run.code, 2);
        QVERIFY2(run.err.startsWith("Aufruf: vornick-passwd --reset [DATENBANK | EINSTELLUNGEN]\n"), qPrintable(run.err));
        QVERIFY(Passwd(dir.path(), QStringLiteral("C")).err.startsWith("usage: vornick-passwd --reset"));
        WriteFile(dir, "VornickTest.ini", "[General]\nlanguage=es\n");
        QVERIFY(Passwd(dir.path(), QStringLiteral("de_DE.UTF-8")).err.startsWith("uso: vornick-passwd --reset [BASE | CONFIGURACIÓN]\n"));
        WriteFile(dir, "VornickTest.ini", "[General]\nlanguage=xx\n");
        run = Passwd(dir.path(), QStringLiteral("de_DE.UTF-8"));
        QCOMPARE(run.code, 1);
        QCOMPARE(run.err, QStringLiteral("vornick-passwd: The settings file names the language \"xx\", which this program "
                                         "does not have. It has: en, ar, de, es, fr, pt_BR.\n"));
    }

    // German: the screens, Qt's own buttons, the plural, the locale's numbers;
    // the list's "Not Taken" row still opens a test; what files keep stays English.
    void germanOnScreenEnglishInFiles()
    {
        QVERIFY(Language::Install(QStringLiteral("de")));
        QMessageBox box(QMessageBox::NoIcon, "t", "x", QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(box.button(QMessageBox::Yes)->text(), QStringLiteral("&Ja"));
        QCOMPARE(box.button(QMessageBox::No)->text(), QStringLiteral("&Nein"));
        frmEntry entry;
        QCOMPARE(entry.Label1[0]->text(), QStringLiteral("Schüler-ID:"));
        QCOMPARE(entry.cmdExit->text(), QStringLiteral("Abbre&chen"));
        QCOMPARE(QCoreApplication::translate("frmQuestionsIntro", "You will be given %n minutes to complete this test.",
                                             nullptr, 1),
                 QStringLiteral("Sie haben 1 Minute Zeit, um diesen Test zu bearbeiten."));
        QCOMPARE(QCoreApplication::translate("ResultsFiles", "%n results written to %1.", nullptr, 3).arg("a.csv"),
                 QStringLiteral("3 Ergebnisse in a.csv geschrieben."));
        const QString row = ResultsRow::NotTaken(QStringLiteral("Erdkunde"));
        QCOMPARE(row, QStringLiteral("Erdkunde") + QString(33, u' ') + QStringLiteral("Nicht abgelegt"));
        QVERIFY(ResultsRow::ShowsNotAtScore(row) && ResultsRow::EndsNotTaken(row)
                && !ResultsRow::ShowsNotAtScore(ResultsRow::Taken(QStringLiteral("Erdkunde"), "84", "1.2.2026")));
        QCOMPARE(ItemAnalysis::ShownHere(0.894), QStringLiteral("0,89"));
        QCOMPARE(ItemAnalysis::ShownHere(std::nullopt), QStringLiteral("nicht definiert"));
        QCOMPARE(ItemAnalysis::Shown(0.894), QStringLiteral("0.89"));
        QCOMPARE(ItemAnalysis::Shown(std::nullopt), QStringLiteral("not defined"));
        QCOMPARE(AnalysisText::TableHeader().mid(0, 5), QStringList({"Slot", "Question", "Facility", "Discrimination", "Answer"}));
        QCOMPARE(AnalysisText::ColumnHeadings().mid(0, 5), QStringList({"Nr.", "Frage", "Lösungsquote", "Trennschärfe", "Lösung"}));

        // Everyone right but one, who chose nothing: too easy, said in German
        // with "0,96" and kept in English with "0.96".
        std::vector<SlotChoices> attempts(25);
        for (auto& attempt : attempts)
            attempt.fill(Choice::Answer);
        attempts[0][0] = Choice::None;
        const ItemAnalysis::TestFigures figures = ItemAnalysis::Analyse(attempts);
        QCOMPARE(figures.perSlot[0].flags.back().reason, QStringLiteral("Zu leicht: Lösungsquote 0,96, über 0,9."));
        QCOMPARE(figures.perSlot[0].flags.back().recorded, QStringLiteral("Too easy: facility 0.96, above 0.9."));
        QVERIFY(AnalysisText::TableRows(figures, {}).front().last().endsWith("Too easy: facility 0.96, above 0.9."));
    }

    // Arabic: the screens mirror (a label right of its box), plurals have
    // their dual, and a title mixing Arabic and Latin reads in the right order.
    void arabicReadsRightToLeft()
    {
        QVERIFY(Language::Install(QStringLiteral("ar")) && Language::RightToLeft(QStringLiteral("ar"))
                && !Language::RightToLeft(QStringLiteral("de")));
        QApplication::setLayoutDirection(Qt::RightToLeft);
        frmEntry entry;
        entry.resize(600, 200);
        entry.show();
        QVERIFY(QTest::qWaitForWindowExposed(&entry));
        QCOMPARE(entry.Label1[0]->text(), QStringLiteral("معرّف الطالب:"));
        QVERIFY(entry.Label1[0]->geometry().left() > entry.txtName->geometry().right());
        QVERIFY(entry.cmdOK->geometry().left() > entry.cmdExit->geometry().right());
        QCOMPARE(QCoreApplication::translate("frmStatistics", "The statistics of %n questions written to %1.", nullptr, 2)
                     .arg("a.csv"),
                 QStringLiteral("كُتبت في a.csv إحصاءات سؤالين."));
        // Counts in the language's own digits, as its other numbers are.
        QCOMPARE(QCoreApplication::translate("ResultsFiles", "%n results written to %1.", nullptr, 11).arg("a.csv"),
                 QStringLiteral("كُتبت ١١ نتيجة في a.csv."));
        QCOMPARE(QCoreApplication::translate("ResultsFiles", "%n results written to %1.", nullptr, 0).arg("a.csv"),
                 QStringLiteral("لم تُكتب أي نتيجة في a.csv."));
        // "Results of: World 2": the Arabic words first, at the right; the Latin title to their left, in its own order.
        const QString title = QCoreApplication::translate("frmAnswers", "Results of: %1").arg("World 2");
        QCOMPARE(title, QStringLiteral("نتائج: World 2"));
        QVERIFY(DrawnAt(title, 1) > DrawnAt(title, 9));
        QVERIFY(DrawnAt(title, 2) < DrawnAt(title, 1));  // Arabic right to left
        QVERIFY(DrawnAt(title, 8) < DrawnAt(title, 9));  // "World" left to right
    }

    // Right to left, read back from what is drawn: a results row stands under
    // its heading's columns whatever the script of its title (each column's
    // right edge at the heading's, 41 and 55 cells from the title's), and an
    // English answer stands beside its option button at the right.
    void mixedScriptsKeepTheirPlacesRightToLeft()
    {
        QVERIFY(Language::Install(QStringLiteral("ar")));
        QApplication::setLayoutDirection(Qt::RightToLeft);
        QWidget screen;
        const ResultsListControls list = BuildResultsList(screen);
        LayOutResultsScreen(screen, list, {}, new QPushButton(QStringLiteral("x"), &screen));
        ShowResultRows(*list.lstResults, {{ResultsRow::Taken(QStringLiteral("World Capitals"), "84", "8/12/2026"), 1},
                                          {ResultsRow::Taken(QStringLiteral("عواصم العالم"), "92", "8/12/2026"), 2}});
        screen.resize(1000, 300);
        screen.show();
        QVERIFY(QTest::qWaitForWindowExposed(&screen));
        const int cell = QFontMetrics(list.lstResults->font()).horizontalAdvance(QLatin1Char('M'));
        QWidget* rows = list.lstResults->viewport();
        const QImage drawn = rows->grab().toImage();
        const QImage heading = list.Label1->grab().toImage();
        const int headingShift = list.Label1->mapTo(&screen, QPoint()).x() - rows->mapTo(&screen, QPoint()).x();
        QList<int> headingEdges;
        for (const int edge : InkRunRightEdges(heading, 0, heading.height() - 1, 2 * cell))
            headingEdges << edge + headingShift;
        QCOMPARE(headingEdges.size(), 3);
        QVERIFY2(headingEdges[0] > rows->width() - 2 * cell, qPrintable(QString::number(headingEdges[0])));
        for (int row = 0; row < 2; ++row) {
            const QRect place = list.lstResults->visualItemRect(list.lstResults->item(row));
            const QList<int> edges = InkRunRightEdges(drawn, place.top(), place.bottom(), 2 * cell);
            QCOMPARE(edges.size(), 3);
            for (int column = 0; column < 3; ++column)
                QVERIFY2(std::abs(edges[column] - headingEdges[column]) <= 3,
                         qPrintable(QStringLiteral("row %1 column %2: %3 under %4").arg(row).arg(column)
                                        .arg(edges[column]).arg(headingEdges[column])));
            QVERIFY(std::abs(edges[0] - edges[1] - 41 * cell) <= 3 && std::abs(edges[0] - edges[2] - 55 * cell) <= 3);
        }

        LoneSlot slot;
        slot.lblAnswer1->setText(QStringLiteral("Lima"));
        slot.resize(900, 400);
        slot.show();
        QVERIFY(QTest::qWaitForWindowExposed(&slot));
        const QImage answer = slot.lblAnswer1->grab().toImage();
        const QList<int> answerEdges = InkRunRightEdges(answer, 0, answer.height() - 1, 20);
        QCOMPARE(answerEdges.size(), 1);
        const int inkRight = slot.lblAnswer1->mapTo(&slot, QPoint(answerEdges[0], 0)).x();
        const int button = slot.optAnswer[0]->geometry().left();
        QVERIFY2(inkRight < button && button - inkRight < 40, qPrintable(QStringLiteral("%1 %2").arg(inkRight).arg(button)));
    }

    // The printed table measures its translated headings: every heading
    // stands apart from the one before it and each figure ends under the end
    // of its heading, in every language; "not defined" has a short form.
    void printedTableHeadingsNeverRunTogether()
    {
        ItemAnalysis::TestFigures figures;
        ItemAnalysis::SlotFigures slot;
        slot.slot = 1;
        slot.facility = 0.5;
        slot.all = {1, 12, 3, 0};
        slot.top = {0, 4, 0, 0};
        slot.bottom = {1, 1, 2, 0};
        figures.perSlot.push_back(slot);

        QVERIFY(Language::Install(QStringLiteral("en")));
        QCOMPARE(AnalysisText::ReportTable(figures),
                 QStringList({"Slot  Facility  Discrim.  | Answer False1 False2   None  |  T:A T:F1 T:F2  T:-  |  B:A B:F1 B:F2  B:-  Flags",
                              "   1      0.50       n/a  |     12      3      0      1  |    4    0    0    0  |    1    2    0    1  "}));
        QVERIFY(Language::Install(QStringLiteral("de")));
        QCOMPARE(AnalysisText::ReportTable(figures),
                 QStringList({QStringLiteral(" Nr. Lösungsquote Trennsch.  | Lösung Falsch 1 Falsch 2  Keine  |  T:A T:F1 T:F2  T:-  |  B:A B:F1 B:F2  B:-  Hinweise"),
                              "   1         0,50     n. d.  |     12        3        0      1  |    4    0    0    0  |    1    2    0    1  "}));

        for (const QString& code : Language::Shipped()) {
            QVERIFY(Language::Install(code));
            const QStringList table = AnalysisText::ReportTable(figures);
            const QStringList headings = AnalysisText::ColumnHeadings();
            qsizetype from = 0;
            // Slot, Facility, Discrim. (its own short heading), the four choices.
            QStringList shown{headings[0], headings[2],
                              QCoreApplication::translate("AnalysisText", "Discrim."),
                              QCoreApplication::translate("AnalysisText", "Answer"),
                              QCoreApplication::translate("AnalysisText", "False1"),
                              QCoreApplication::translate("AnalysisText", "False2"), headings[7]};
            for (const QString& heading : shown) {
                const qsizetype at = table[0].indexOf(heading, from);
                QVERIFY2(at >= 0 && (at == 0 || table[0][at - 1] == u' '), qPrintable(code + ": " + table[0]));
                from = at + heading.size();
                QVERIFY2(table[1][from - 1] != u' ' && table[1][from] == u' ', qPrintable(code + ": " + table[1]));
            }
        }
    }

    // English, chosen or left alone, is the program as it always was.
    void englishIsAsBefore()
    {
        QVERIFY(Language::Install(QStringLiteral("en")));
        frmEntry entry;
        QCOMPARE(entry.Label1[0]->text(), QStringLiteral("Student ID:"));
        QCOMPARE(ItemAnalysis::ShownHere(0.894), QStringLiteral("0.89"));
        QCOMPARE(QCoreApplication::translate("frmQuestionsIntro", "You will be given %n minutes to complete this test.",
                                             nullptr, 1),
                 QStringLiteral("You will be given 1 minutes to complete this test."));
        QCOMPARE(ResultsRow::NotTaken(QStringLiteral("Erdkunde")), QStringLiteral("Erdkunde") + QString(33, u' ') + "Not Taken");
        // Counts the program words itself take the singular.
        const char* groups = "Top and bottom groups: %Ln attempts each (27%)";
        QCOMPARE(QCoreApplication::translate("AnalysisText", groups, nullptr, 1),
                 QStringLiteral("Top and bottom groups: 1 attempt each (27%)"));
        QCOMPARE(QCoreApplication::translate("AnalysisText", groups, nullptr, 2),
                 QStringLiteral("Top and bottom groups: 2 attempts each (27%)"));
        QCOMPARE(QCoreApplication::translate("ResultsFiles", "%n results written to %1.", nullptr, 1).arg("a.csv"),
                 QStringLiteral("1 result written to a.csv."));
        QCOMPARE(QLocale().toString(12345), QStringLiteral("12345"));
    }
};

QTEST_MAIN(TestLanguage)
#include "test_language.moc"
