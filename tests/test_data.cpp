// The data layer against a real database: the recordset's behaviour that the
// screens rely on, and files that are missing, damaged, locked or unwritable.
#include "TestEnv.h"
#include "app/Module1.h"
#include "data/DbError.h"
#include "data/Recordset.h"
#include "data/Schema.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <sys/stat.h>
#include <unistd.h>

using namespace Module1;

class TestData : public QObject {
    Q_OBJECT

private slots:
    void misuseIsReported();
    void otherProgramsAtTheDatabaseFile();
    void makedbTakesNoOptionForAFile();
    void missingOrDamagedFilesAreReported();
    void unwritableDatabaseIsToldAtStart();
    void fileWorksWithoutTheServersLibrary();
};

namespace {

// The engine's message when the program stores a new student, or "" once stored.
QString StoreFailure()
{
    return FailureOf([] {
        Recordset rsPasswords;
        rsPasswords.Open(Sql::StudentByNumber(0), cnDatabase);
        rsPasswords.AddNew();
        rsPasswords.SetField(QStringLiteral("fldStudentName"), QStringLiteral("Waiting"));
        rsPasswords.Update();
    });
}

// dbholder, another process, holds the database's write lock for `ms`.
void HoldLock(QProcess& holder, const QString& path, int ms)
{
    holder.start(QCoreApplication::applicationDirPath() + QStringLiteral("/dbholder"), {path, QString::number(ms)});
    QVERIFY(holder.waitForStarted() && holder.waitForReadyRead(10000));
    QCOMPARE(holder.readLine().trimmed(), QByteArray("locked"));
}

}

// Misuse is reported, never passed over: a recordset opened twice, read
// while closed or past its end, or storing over a row that has vanished.
void TestData::misuseIsReported()
{
    if (TestEnv::LabRun()) QSKIP("the recordsets read tables, which a lab workstation's role may not; the server pass runs them");
    TestEnv env;
    env.AddStudent(QStringLiteral("Gone"), QStringLiteral("p"));
    env.Exec(QStringLiteral("INSERT INTO Tests (fldTestName, fldQ1) VALUES ('T', '')"));
    for (int test = 7; test <= 9; ++test)
        env.Exec(QStringLiteral("INSERT INTO Results (fldStudentNumber, fldTestNumber) VALUES (1, ?)"), {test});
    env.OpenDatabase();
    Recordset rsPasswords;
    Recordset rsTests;
    Recordset rsResults;
    rsPasswords.Open(Sql::AllPasswords(), cnDatabase);
    rsTests.Open(Sql::AllTests(), cnDatabase);
    // Null is kept apart from empty text.
    QVERIFY(!rsTests.IsNull(QStringLiteral("fldQ1")) && rsTests.IsNull(QStringLiteral("fldQ2")));
    // A deleted row is gone at once and skipped afterwards.
    rsResults.Open(Sql::ResultsOfStudent(1), cnDatabase);
    rsResults.Delete();
    rsResults.MoveFirst();
    QCOMPARE(rsResults.Field(QStringLiteral("fldTestNumber")).toInt() + rsResults.RecordCount() * 100, 208);
    QCOMPARE(env.Scalar(QStringLiteral("SELECT COUNT(*) FROM Results")).toInt(), 2);
    rsResults.Close();
    rsResults.Open(Sql::ResultsOfStudent(2), cnDatabase);
    QVERIFY(rsResults.Eof() && rsResults.RecordCount() == 0);
    QVERIFY_THROWS_EXCEPTION(DbError, rsResults.Field(QStringLiteral("fldGrade")));
    QVERIFY_THROWS_EXCEPTION(DbError, rsTests.Open(Sql::AllTests(), cnDatabase));  // already open
    rsTests.Close();
    QVERIFY_THROWS_EXCEPTION(DbError, rsTests.MoveFirst());
    // A stored new row stays the current one, after the rows read before it.
    rsPasswords.AddNew();
    rsPasswords.SetField(QStringLiteral("fldStudentName"), QStringLiteral("New"));
    rsPasswords.Update();
    QCOMPARE(rsPasswords.Text(QStringLiteral("fldStudentName")), QStringLiteral("New"));
    env.Exec(QStringLiteral("DELETE FROM Passwords"));
    rsPasswords.SetField(QStringLiteral("fldPassword"), QStringLiteral("x"));
    QVERIFY_THROWS_EXCEPTION(DbError, rsPasswords.Update());
}

// Other programs at the file: creating a database over it is refused and
// leaves it in place (the build and the install run makedb every time); a
// lock held briefly is waited for and the store goes through; held too
// long, it is reported with the engine's message.
void TestData::otherProgramsAtTheDatabaseFile()
{
    TestEnv env;
    if (env.OnServer())
        QSKIP("a server has no file");
    env.AddStudent(QStringLiteral("Ann"), QStringLiteral("pw"));
    QVERIFY_THROWS_EXCEPTION(DbError, Schema::CreateDatabase(env.DatabasePath()));
    QCOMPARE(env.Scalar(QStringLiteral("SELECT fldStudentName FROM Passwords")).toString(), QStringLiteral("Ann"));
    env.OpenDatabase();
    QProcess briefly, long_;
    HoldLock(briefly, env.DatabasePath(), 1500);
    QElapsedTimer clock;
    clock.start();
    QCOMPARE(StoreFailure(), QString());
    QVERIFY(briefly.waitForFinished(10000) && clock.elapsed() >= 500);
    QCOMPARE(env.Scalar(QStringLiteral("SELECT COUNT(*) FROM Passwords")).toInt(), 2);
    HoldLock(long_, env.DatabasePath(), 9000);
    const QString failure = StoreFailure();
    QVERIFY2(failure.contains(QStringLiteral("locked")), qPrintable(failure));
    long_.kill();
    long_.waitForFinished();
}

// makedb's help creates nothing, and an option it does not know is refused,
// never taken for the name of a file to create.
void TestData::makedbTakesNoOptionForAFile()
{
    QTemporaryDir dir;
    const auto run = [&](const QString& argument) {
        QProcess tool;
        tool.setWorkingDirectory(dir.path());
        tool.start(QCoreApplication::applicationDirPath() + QStringLiteral("/../tools/makedb"), {argument});
        tool.waitForFinished(30000);
        const QString said = QString::fromLocal8Bit(tool.readAllStandardOutput() + tool.readAllStandardError());
        return QStringLiteral("%1|%2").arg(tool.exitCode()).arg(said.section(u'\n', 0, 0));
    };
    QCOMPARE(run(QStringLiteral("--help")), QStringLiteral("0|usage: makedb PATH"));
    QCOMPARE(run(QStringLiteral("-h")), QStringLiteral("0|usage: makedb PATH"));
    QCOMPARE(run(QStringLiteral("--force")), QStringLiteral("2|makedb: unknown option --force"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList());
    QCOMPARE(run(QStringLiteral("./-x.mdb")), QStringLiteral("0|created an empty database at ./-x.mdb"));
}

// Missing or damaged files are reported once read, a missing one by its
// path, and opening never creates the file; the folder's name holds
// characters a database URI would misread.
void TestData::missingOrDamagedFilesAreReported()
{
    const QList<std::pair<QByteArray, QString>> files{
        {QByteArray(), "The database %1 does not exist."},
        {"this is not a database at all, just some text.......", "not a database"},
        {"", "no such table"}, {QByteArray("SQLite format 3\0", 16) + QByteArray(200, '\x01'), ""}};
    for (const auto& [content, expected] : files) {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("a #b?c")));
        const QString path = dir.filePath(QStringLiteral("a #b?c/Ostrel.mdb"));
        QVERIFY(content.isNull() || WriteFile(dir, QStringLiteral("a #b?c/Ostrel.mdb"), content) == path);
        Connection connection(QStringLiteral("damaged"));
        const QString failure = FailureOf([&] {
            connection.Open(path);
            Recordset().Open(Sql::AllPasswords(), connection);
        });
        const QString told = content.isNull() ? expected.arg(path) : expected;
        QVERIFY2(!failure.isEmpty() && failure.contains(told), qPrintable(failure));
        QCOMPARE(QFile::exists(path), !content.isNull());
    }
    QTemporaryDir dir;
    const QString gone = dir.filePath(QStringLiteral("gone"));
    QCOMPARE(FailureOf([&] { Connection(QStringLiteral("gone")).Open(gone + QStringLiteral("/Ostrel.mdb")); }),
             QStringLiteral("The database %1/Ostrel.mdb cannot be found: its folder %1 does not exist.").arg(gone));
}

// A database this user cannot change is told at start, naming the path and
// what to do. The superuser is never refused a write, so as the superuser
// the database is opened as the ordinary user "nobody".
void TestData::unwritableDatabaseIsToldAtStart()
{
    if (TestEnv::OnServer())
        QSKIP("a server's files are not the workstation's");
    TestEnv env;
    const QString folder = QFileInfo(env.DatabasePath()).absolutePath();
    const auto open = [&] {
        QProcess dbopen;
        const QString binary = QCoreApplication::applicationDirPath() + QStringLiteral("/dbopen");
        if (::geteuid() == 0)
            dbopen.start(QStringLiteral("setpriv"), {"--reuid=65534", "--regid=65534", "--clear-groups", binary, folder});
        else
            dbopen.start(binary, {folder});
        dbopen.waitForFinished(20000);
        return QString::fromUtf8(dbopen.readAllStandardOutput()).trimmed();
    };
    const auto mode = [](const QString& path, mode_t bits) { return ::chmod(QFile::encodeName(path).constData(), bits) == 0; };
    const QString told = QStringLiteral("The database %1 cannot be written by this user account (%2 is read-only for it), "
                                        "so no answer or change could be stored.\nAsk the person who installed VornickTest "
                                        "to give this account write access to the database file and its folder.");
    QVERIFY(mode(folder, 0777) && mode(env.DatabasePath(), 0444));
    QCOMPARE(open(), told.arg(env.DatabasePath(), QStringLiteral("the file")));
    QVERIFY(mode(env.DatabasePath(), 0666) && mode(folder, 0555));
    QCOMPARE(open(), told.arg(env.DatabasePath(), QStringLiteral("its folder ") + folder));
    // One it cannot even read is told so, not taken for a missing file.
    const QString closed = QStringLiteral("The database %1 cannot be read by this user account (%2 is closed to it).\n"
                                          "Ask the person who installed VornickTest to give this account access to the "
                                          "database file and its folder.");
    QVERIFY(mode(folder, 0777) && mode(env.DatabasePath(), 0));
    QCOMPARE(open(), closed.arg(env.DatabasePath(), QStringLiteral("the file")));
    QVERIFY(mode(env.DatabasePath(), 0666) && mode(folder, 0666));
    QCOMPARE(open(), closed.arg(env.DatabasePath(), QStringLiteral("its folder ") + folder));
    QVERIFY(mode(folder, 0777));
    QCOMPARE(open(), QStringLiteral("opened"));
}

// A computer on a file needs no PostgreSQL client library: with a broken
// libpq first on the library path, a tool starts and reads the file, and a
// server named in a settings file is refused with a message, not a crash.
// Nor does it need the HTML parser until a question file with HTML comes in,
// which is then refused by the library's name, nor the password hash's
// library until a changed password is checked.
void TestData::fileWorksWithoutTheServersLibrary()
{
    if (TestEnv::OnServer())
        QSKIP("a database file (the first pass of scripts/test)");
    TestEnv env;
    env.AddStudent(QStringLiteral("Ann"), QStringLiteral("a"));
    QTemporaryDir broken;
    for (const char* name : {"libpq.so.5", "libgumbo.so.1", "libsodium.so.23"}) {
        QFile library(broken.filePath(QString::fromLatin1(name)));
        QVERIFY(library.open(QIODevice::WriteOnly) && library.write("not a library") > 0);
    }
    const auto run = [&](const QStringList& arguments) {
        QProcess tool;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("LD_LIBRARY_PATH"), broken.path());
        tool.setProcessEnvironment(environment);
        tool.start(QCoreApplication::applicationDirPath() + QStringLiteral("/vornick-admin"), arguments);
        tool.waitForFinished(30000);
        return QString::number(tool.exitCode()) + u' ' + QString::fromUtf8(tool.readAllStandardOutput() + tool.readAllStandardError());
    };
    QCOMPARE(run({"extra-time", "Ann", "--database", env.DatabasePath()}), QStringLiteral("0 Ann has 0% extra time.\n"));
    const QString settings = broken.filePath(QStringLiteral("VornickTest.ini"));
    QFile ini(settings);
    QVERIFY(ini.open(QIODevice::WriteOnly)
            && ini.write("[PostgreSQL]\nhost=127.0.0.1\nport=1\ndatabase=vornick\nuser=vornick\npassword=x\n") > 0);
    ini.close();
    const QString refused = run({"attempts", "--settings", settings});
    QVERIFY2(refused.startsWith(QStringLiteral("1 "))
                 && refused.contains(QStringLiteral("vornick-admin: The database driver QPSQL cannot be loaded. A server is "
                                                    "reached through Qt's PostgreSQL driver (Debian's libqt6sql6-psql) and the "
                                                    "PostgreSQL client library libpq (libpq5); both must be installed.\n")),
             qPrintable(refused));

    const QString gift = broken.filePath(QStringLiteral("capitals.gift"));
    QFile questions(gift);
    QVERIFY(questions.open(QIODevice::WriteOnly) && questions.write("[html]The <b>capital</b> of Peru?{=Lima ~Quito ~Cusco}\n") > 0);
    questions.close();
    const QString unread = run({"import", gift, "--database", env.DatabasePath()});
    QVERIFY2(unread.startsWith(QStringLiteral("1 vornick-admin: The library libgumbo.so.1 cannot be loaded: ")), qPrintable(unread));
    QCOMPARE(env.Rows(QStringLiteral("SELECT COUNT(*) FROM Tests")), QStringList{"0"});
}

QTEST_MAIN(TestData)
#include "test_data.moc"
