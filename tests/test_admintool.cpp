// vornick-admin run as a technician runs it: a child process beside the
// test's database (its Ostrel.mdb, or on a server run its VornickTest.ini),
// with the database checked after every run.
#include "TestEnv.h"

#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

class TestAdminTool : public QObject {
    Q_OBJECT

private slots:
    void importFromAShell();
    void exportAndImportAgain();
};

namespace {

struct Ran {
    int code = -1;
    QString out;
    QString err;
};

// The tool copied beside the test's database, as it is installed beside the program.
class Tool {
public:
    explicit Tool(TestEnv& env)
        : path_(QFileInfo(env.DatabasePath()).path() + QStringLiteral("/vornick-admin"))
    {
        QFile::copy(QCoreApplication::applicationDirPath() + QStringLiteral("/vornick-admin"), path_);
    }

    Ran operator()(const QStringList& arguments) const
    {
        QProcess process;
        process.start(path_, arguments);
        process.waitForFinished(60000);
        return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
                QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError())};
    }

private:
    QString path_;
};


// The one line an error leaves on stderr, after the exit code.
QString Error(const Ran& ran) { return QString::number(ran.code) + u' ' + ran.err; }

QString SlotColumns()
{
    QStringList columns;
    for (int s = 1; s <= 25; ++s)
        columns << QStringLiteral("fldQ%1, fldQ%1Answer, fldQ%1Phony1, fldQ%1Phony2").arg(s);
    return columns.join(QStringLiteral(", "));
}

}

void TestAdminTool::importFromAShell()
{
    TestEnv env;
    const Tool tool(env);
    QTemporaryDir files;
    const QString gift = WriteFile(files, QStringLiteral("geo.gift"),
        "$CATEGORY: $course$/top/Geography\n\n"
        "Capital of France? {=Paris ~Rome ~Oslo}\n\n"
        "::Nile:: Longest river? {=Nile#Yes ~Rhine ~Seine}\n\n"
        "The Earth is flat. {F}\n\n"
        "Highest mountain? {\n=Everest\n~K2\n~Mont Blanc\n}\n");

    Ran ran = tool({QStringLiteral("import"), gift, QStringLiteral("--minutes"), QStringLiteral("45"),
                    QStringLiteral("--description"), QStringLiteral("Read carefully.")});
    QCOMPARE(Error(ran), QStringLiteral("0 "));
    const qint64 number = env.Scalar(QStringLiteral("SELECT fldTestNumber FROM Tests")).toLongLong();
    QCOMPARE(ran.out, QStringLiteral(
        "Read %1 as GIFT.\nQuestions that can be used: 3.\nQuestions left out: 1.\n"
        "Line 7: A true/false question; the program needs one right answer (=) and two false answers (~).\n"
        "Notes:\nLine 5: \"Nile\": feedback left out.\n"
        "Stored test %2 \"<Geography>\" with 3 of 25 questions: unfinished, hidden from students until its questions "
        "are written.\n").arg(gift).arg(number));
    QCOMPARE(env.Rows(QStringLiteral("SELECT fldTestName, fldDescription, fldTime, fldQ1, fldQ1Answer, fldQ1Phony1, "
                                     "fldQ1Phony2, fldQ2, fldQ3Phony2, fldQ4, fldQ25Phony2 FROM Tests")),
             QStringList{QStringLiteral("<Geography>|Read carefully.|45|Capital of France?|Paris|Rome|Oslo|"
                                        "Longest river?|Mont Blanc|NULL|NULL")});

    // Refusals: one line on stderr, nothing stored.
    const QList<std::pair<QStringList, QString>> refused{
        {{}, QStringLiteral("Another test already has the title \"Geography\". Please choose a different title. (The "
                            "title came from the file; give one with --title.)")},
        {{QStringLiteral("--title"), QStringLiteral(" <Geography> ")},
         QStringLiteral("Another test already has the title \"Geography\". Please choose a different title.")},
        {{QStringLiteral("--minutes"), QStringLiteral("1.5")},
         QStringLiteral("The length of the test must be a whole number of minutes from 0 to 32767.")},
    };
    for (const auto& [options, message] : refused) {
        QCOMPARE(Error(tool(QStringList{QStringLiteral("import"), gift} + options)),
                 QStringLiteral("1 vornick-admin: ") + message + u'\n');
    }
    const QString binary = WriteFile(files, QStringLiteral("picture.txt"), QByteArray("GIF89a\n\x01\0\0;", 11));
    QCOMPARE(Error(tool({QStringLiteral("import"), binary})),
             QStringLiteral("1 vornick-admin: %1: Line 2: The file holds a NUL byte here, so it is not a text file. "
                            "Choose a GIFT or Aiken file saved as text.\n").arg(binary));
    QCOMPARE(TestCount(env), 1);

    // A bank of 26: refused with its count, or its first 25 stored, complete.
    QByteArray bank;
    for (int q = 1; q <= 26; ++q)
        bank += QStringLiteral("Q%1 {=A%1 ~B%1 ~C%1}\n\n").arg(q).toUtf8();
    const QString bankFile = WriteFile(files, QStringLiteral("bank.gift"), bank);
    QCOMPARE(Error(tool({QStringLiteral("import"), bankFile})),
             QStringLiteral("1 vornick-admin: %1 holds 26 usable questions and a test takes at most 25: split the file, "
                            "or take the first 25 with --first 25.\n").arg(bankFile));
    QCOMPARE(TestCount(env), 1);
    ran = tool({QStringLiteral("import"), bankFile, QStringLiteral("--first"), QStringLiteral("25")});
    QCOMPARE(Error(ran), QStringLiteral("0 "));
    QVERIFY2(ran.out.contains(QStringLiteral("\nNot taken (past the first 25): the questions on lines 51.\n")), qPrintable(ran.out));
    QCOMPARE(env.Rows(QStringLiteral("SELECT fldTestName, fldTime, fldQ25, fldQ25Phony2 FROM Tests WHERE fldTestName = 'bank'")),
             QStringList{QStringLiteral("bank|30|Q25|C25")});

    // A database that is not there is not made.
    const QString missing = files.filePath(QStringLiteral("none.mdb"));
    QCOMPARE(tool({QStringLiteral("import"), gift, QStringLiteral("--title"), QStringLiteral("X"),
                   QStringLiteral("--database"), missing}).code, 1);
    QVERIFY(!QFile::exists(missing));
    QCOMPARE(tool({QStringLiteral("import"), gift, QStringLiteral("--format"), QStringLiteral("gift")}).code, 2);
}

void TestAdminTool::exportAndImportAgain()
{
    TestEnv env;
    const Tool tool(env);
    QTemporaryDir files;
    const qint64 algebra = env.AddTest(QStringLiteral("Algebra"));
    env.Exec(QStringLiteral("UPDATE Tests SET fldQ2 = ?, fldQ2Answer = ?, fldQ2Phony1 = ? WHERE fldTestNumber = ?"),
             {QStringLiteral(" What is {x : x = ~1}?\n// #2 \\n "), QStringLiteral("%100% -> all"),
              QStringLiteral("\tΖωή, naïve\n"), algebra});
    const qint64 draft = env.Insert(QStringLiteral("INSERT INTO Tests (fldTestName, fldTime, fldQ1, fldQ1Answer, "
                                                   "fldQ1Phony1, fldQ1Phony2) VALUES ('<Draft>', 5, 'q', 'a', 'b', 'c')"));

    const QString file = files.filePath(QStringLiteral("algebra.gift"));
    Ran ran = tool({QStringLiteral("export"), QStringLiteral("Algebra"), QStringLiteral("--format"),
                    QStringLiteral("gift"), QStringLiteral("--output"), file});
    QCOMPARE(Error(ran), QStringLiteral("0 "));
    QCOMPARE(ran.out, QStringLiteral("Wrote 25 questions of test %1 \"Algebra\" to %2.\n").arg(algebra).arg(file));
    ran = tool({QStringLiteral("import"), file, QStringLiteral("--title"), QStringLiteral("Algebra again")});
    QCOMPARE(ran.code, 0);
    const QString select = QStringLiteral("SELECT %1 FROM Tests WHERE fldTestName = ?").arg(SlotColumns());
    const QStringList original = env.Rows(select, {QStringLiteral("Algebra")});
    QCOMPARE(env.Rows(select, {QStringLiteral("Algebra again")}), original);
    QVERIFY(original.value(0).contains(QStringLiteral("|%100% -> all|")));

    ran = tool({QStringLiteral("export"), QString::number(algebra), QStringLiteral("--format"), QStringLiteral("aiken")});
    QCOMPARE(ran.code, 0);
    QVERIFY(ran.out.startsWith(QStringLiteral("Q1\nA. A1\nB. P1a\nC. P1b\nANSWER: A\n\n"
                                              "What is {x : x = ~1}? // #2 \\n\nA. %100% -> all\nB. Ζωή, naïve\nC. P2b\n")));
    QCOMPARE(ran.err, QStringLiteral(
        "vornick-admin: note: Question 2: a line break, which Aiken cannot hold; each is written as a blank.\n"
        "vornick-admin: note: Question 2: blanks at the start or end of a text, which Aiken cannot hold; they are left out.\n"));
    ran = tool({QStringLiteral("export"), QStringLiteral("Draft"), QStringLiteral("--format"), QStringLiteral("GIFT")});
    QCOMPARE(ran.out, QStringLiteral("$CATEGORY: Draft\n\n::Q1:: q {\n\t=a\n\t~b\n\t~c\n}\n\n"));
    QCOMPARE(ran.err, QStringLiteral("vornick-admin: note: Questions 2 to 25: no question text; left out of the file.\n"));
    QCOMPARE(tool({QStringLiteral("export"), QString::number(draft), QStringLiteral("--format"), QStringLiteral("gift")}).out,
             ran.out);

    QCOMPARE(Error(tool({QStringLiteral("export"), QStringLiteral("Nope"), QStringLiteral("--format"), QStringLiteral("gift")})),
             QStringLiteral("1 vornick-admin: no test is numbered or titled \"Nope\".\n"));
    const QString nowhere = files.filePath(QStringLiteral("no/such/folder.gift"));
    QCOMPARE(tool({QStringLiteral("export"), QStringLiteral("Algebra"), QStringLiteral("--format"), QStringLiteral("gift"),
                   QStringLiteral("--output"), nowhere}).code, 1);
    QVERIFY(!QFile::exists(nowhere));
}

QTEST_MAIN(TestAdminTool)
#include "test_admintool.moc"
