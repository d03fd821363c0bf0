// Start-up and the sign-in screen, driven through its real widgets.
#include "TestEnv.h"
#include "UserActions.h"
#include "app/Module1.h"
#include "data/DbError.h"
#include "data/Schema.h"
#include "screens/Screens.h"
#include "screens/frmAdmin.h"
#include "screens/frmEntry.h"
#include "screens/frmMain.h"

#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

class TestSignIn : public QObject {
    Q_OBJECT

private slots:
    void administratorWithEmptyTableThenCancel();
    void missingDatabaseEnds();
    void settingsFileNamesTheDatabaseFile();
    void refusals_data();
    void refusals();
    void keysRoundTripAndClosing();
};

namespace {

frmEntry& SignIn(const QString& name, const QString& password)
{
    Screens::Show<frmEntry>();
    frmEntry& entry = Screens::Get<frmEntry>();
    TypeInto(entry.txtName, name);
    TypeInto(entry.txtPassword, password);
    Click(entry.cmdOK);
    return entry;
}

}

void TestSignIn::administratorWithEmptyTableThenCancel()
{
    TestEnv env;
    frmEntry& entry = SignIn(QStringLiteral("Kestr"), QStringLiteral("plum"));
    QCOMPARE(entry.windowTitle(), QStringLiteral("Vornick Test Taker   Vs. 1.0"));
    QCOMPARE(entry.txtPassword->echoMode(), QLineEdit::Password);
    QVERIFY(Screens::IsLoaded<frmAdmin>() && Screens::Get<frmAdmin>().isVisible() && !entry.isVisible());
    QVERIFY(env.fake.shown.empty());
    // The administrator's window closed by its frame returns here; Cancel ends the program.
    Screens::Get<frmAdmin>().close();
    ProcessEvents();
    QVERIFY(!Screens::IsLoaded<frmAdmin>() && entry.isVisible() && !env.fake.ended);
    Click(entry.cmdExit);
    QVERIFY(env.fake.ended && env.fake.exitCode == 0);
}

void TestSignIn::missingDatabaseEnds()
{
    if (TestEnv::OnServer())
        QSKIP("no database file on a server run; an unreachable server is tested in test_lab");
    TestEnv env;
    QVERIFY(QFile::remove(env.DatabasePath()));
    RunGuarded([] { Screens::Show<frmEntry>(); });
    QVERIFY(env.fake.ended && env.fake.exitCode == 1 && env.fake.shown.size() == 1);
    QVERIFY(env.fake.shown[0].text.contains(QStringLiteral("unable to open database file")));
    QVERIFY(!QFile::exists(env.DatabasePath()) && !Screens::Get<frmEntry>().isVisible());  // never created
}

// VornickTest.ini may name the database file, relative to its own folder.
void TestSignIn::settingsFileNamesTheDatabaseFile()
{
    QTemporaryDir program;
    const QString settings = program.filePath(QStringLiteral("VornickTest.ini"));
    const auto write = [&settings](const QByteArray& text) {
        QFile file(settings);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(text) == text.size());
    };
    Connection connection(QStringLiteral("settings"));
    write("[Database]\nfile=school/ours.mdb\n");
    QVERIFY_THROWS_EXCEPTION(DbError, connection.OpenProgramDatabase(program.path()));  // never created
    QVERIFY(QDir(program.path()).mkdir(QStringLiteral("school")));
    Schema::CreateDatabase(program.filePath(QStringLiteral("school/ours.mdb")));
    connection.OpenProgramDatabase(program.path());
    QVERIFY(connection.IsOpen() && connection.Engine() == DbEngine::SQLite);
    connection.Close();

    // A settings file that names both, or neither, is refused with a sentence.
    QStringList refusals;
    for (const QByteArray& text : {QByteArray("[Database]\nfile=ours.mdb\n[PostgreSQL]\ndatabase=lab\n"),
                                   QByteArray("[Database]\nfile=\n")}) {
        write(text);
        try {
            connection.OpenProgramDatabase(program.path());
        } catch (const DbError& error) {
            refusals << error.message().replace(settings, QStringLiteral("INI"));
        }
    }
    QCOMPARE(refusals, (QStringList{
        "The settings file INI names both a database file and a server; it may name only one.",
        "The settings file INI names no database: it needs a [Database] section with a line file=PATH, "
        "or a [PostgreSQL] section."}));
}

void TestSignIn::refusals_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("password");
    QTest::newRow("administrator in other case") << "kestr" << "plum";
    QTest::newRow("administrator, wrong password") << "Kestr" << "pear";
    QTest::newRow("name in other case") << "ann" << "secret";
    QTest::newRow("trailing blank") << "Ann " << "secret";
    QTest::newRow("wrong case password") << "Ann" << "Secret";
    QTest::newRow("quotes and percent") << "' OR '1'='1" << "%";
    QTest::newRow("empty") << "" << "";
    QTest::newRow("null password row") << "NoPass" << "";
    // Sign-in reads the accounts afresh: one changed after start-up is refused.
    QTest::newRow("password changed elsewhere") << "Ann" << "old";
}

void TestSignIn::refusals()
{
    QFETCH(QString, name);
    QFETCH(QString, password);
    TestEnv env;
    env.AddStudent(QStringLiteral("Ann"), QStringLiteral("old"));
    env.Insert(QStringLiteral("INSERT INTO Passwords (fldStudentName) VALUES ('NoPass')"));
    Screens::Show<frmEntry>();
    env.Exec(QStringLiteral("UPDATE Passwords SET fldPassword = 'secret' WHERE fldStudentName = 'Ann'"));
    frmEntry& entry = SignIn(name, password);
    QCOMPARE(env.fake.shown.size(), std::size_t(1));
    QCOMPARE(env.fake.shown[0].text + u'|' + env.fake.shown[0].title, QStringLiteral("Invalid password| "));
    QVERIFY(entry.txtName->text() == name && entry.txtPassword->text() == password);  // boxes kept
    QVERIFY(!Screens::IsLoaded<frmMain>() && !Screens::IsLoaded<frmAdmin>());
}

void TestSignIn::keysRoundTripAndClosing()
{
    TestEnv env;
    Screens::Show<frmEntry>();
    // Added after start-up, as on another workstation, twice: the first row signs in.
    const qint64 first = env.AddStudent(QStringLiteral("Ann"), QStringLiteral("pw"));
    env.AddStudent(QStringLiteral("Ann"), QStringLiteral("pw"));
    frmEntry& entry = Screens::Get<frmEntry>();
    entry.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&entry));
    QTest::keyClick(&entry, Qt::Key_F1);
    QCOMPARE(env.fake.helpShown, 1);
    // Enter in the name box moves to the password box; there it signs in.
    entry.txtName->setFocus();
    QTest::keyClicks(entry.txtName, QStringLiteral("Ann"));
    QTest::keyClick(entry.txtName, Qt::Key_Return);
    QVERIFY(entry.txtPassword->hasFocus() && !Screens::IsLoaded<frmMain>());
    QTest::keyClicks(entry.txtPassword, QStringLiteral("pw"));
    QTest::keyClick(entry.txtPassword, Qt::Key_Return);
    QCOMPARE(Module1::rsPasswords.Field(QStringLiteral("fldStudentNumber")).toLongLong(), first);
    // Back from the student's screen, the boxes are empty.
    Click(Screens::Get<frmMain>().cmdExit);
    ProcessEvents();
    QVERIFY(!Screens::IsLoaded<frmMain>() && entry.isVisible());
    QVERIFY(entry.txtName->text().isEmpty() && entry.txtPassword->text().isEmpty());
    // Closing the sign-in window ends the program even with others loaded.
    SignIn(QStringLiteral("Kestr"), QStringLiteral("plum"));
    Screens::Get<frmAdmin>().Hide();
    entry.Show();
    entry.close();
    QVERIFY(env.fake.ended && env.fake.exitCode == 0);
}

QTEST_MAIN(TestSignIn)
#include "test_signin.moc"
