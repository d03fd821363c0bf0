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

#include <QtTest>
#include <QtWidgets>

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

class TestSignIn : public QObject {
    Q_OBJECT

private slots:
    // A missing file or table: the engine's message, status 1, no sign-in
    // screen; the missing file is never created.
    void startUpFailureEnds()
    {
        const bool server = TestEnv::OnServer();
        for (const QString& missing : {QStringLiteral("Ostrel.mdb"), QStringLiteral("Tests")}) {
            TestEnv env;
            const bool file = missing.endsWith(QLatin1String(".mdb"));
            if (file && server)
                continue;
            file ? (void)QFile::remove(env.DatabasePath()) : env.Exec(QStringLiteral("DROP TABLE ") + missing);
            RunGuarded([] { Screens::Show<frmEntry>(); });
            const QString message = env.fake.shown.empty() ? QString() : env.fake.shown[0].text;
            QVERIFY2(message.contains(file ? "unable to open database file" : server ? "\"tests\" does not exist"
                                                                                       : "no such table: Tests"),
                     qPrintable(message));
            QVERIFY(env.fake.ended && env.fake.exitCode == 1 && env.fake.shown.size() == 1);
            QVERIFY(!Screens::Get<frmEntry>().isVisible() && QFile::exists(env.DatabasePath()) == (!file && !server));
        }
    }

    // VornickTest.ini may name the database file, relative to its own folder.
    void settingsFileNamesTheDatabaseFile()
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

    // Each refused with the same box, the boxes kept. Sign-in reads the
    // accounts afresh: a password changed after start-up counts.
    void refusals()
    {
        TestEnv env;
        env.AddStudent(QStringLiteral("Ann"), QStringLiteral("old"));
        env.Insert(QStringLiteral("INSERT INTO Passwords (fldStudentName) VALUES ('NoPass')"));
        Screens::Show<frmEntry>();
        env.Exec(QStringLiteral("UPDATE Passwords SET fldPassword = 'secret' WHERE fldStudentName = 'Ann'"));
        const QList<std::pair<QString, QString>> tries{
            {"kestr", "plum"}, {"Kestr", "pear"}, {"ann", "secret"}, {"Ann ", "secret"}, {"Ann", "Secret"},
            {"' OR '1'='1", "%"}, {"", ""}, {"NoPass", ""}, {"Ann", "old"}};
        for (const auto& [name, password] : tries) {
            env.fake.shown.clear();
            frmEntry& entry = SignIn(name, password);
            QVERIFY2(env.fake.shown.size() == 1 && env.fake.shown[0].text + u'|' + env.fake.shown[0].title == "Invalid password| ",
                     qPrintable(name));
            QVERIFY(entry.txtName->text() == name && entry.txtPassword->text() == password);
            QVERIFY(!Screens::IsLoaded<frmMain>() && !Screens::IsLoaded<frmAdmin>());
        }
    }

    void keysAdministratorAndClosing()
    {
        TestEnv env;
        Screens::Show<frmEntry>();
        frmEntry& entry = Screens::Get<frmEntry>();
        QCOMPARE(entry.windowTitle(), QStringLiteral("Vornick Test Taker   Vs. 1.0"));
        QCOMPARE(entry.txtPassword->echoMode(), QLineEdit::Password);
        // Added after start-up, as on another workstation, twice: the first row signs in.
        const qint64 first = env.AddStudent(QStringLiteral("Ann"), QStringLiteral("pw"));
        env.AddStudent(QStringLiteral("Ann"), QStringLiteral("pw"));
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
        QVERIFY(entry.txtName->text().isEmpty() && entry.txtPassword->text().isEmpty() && !entry.isVisible());

        // The administrator's window closed by its frame comes back here; closing
        // this one ends the program even with others loaded, as Cancel does.
        Screens::Get<frmMain>().Hide();
        SignIn(QStringLiteral("Kestr"), QStringLiteral("plum"));
        QVERIFY(Screens::Get<frmAdmin>().isVisible() && !entry.isVisible() && env.fake.shown.empty());
        Screens::Get<frmAdmin>().close();
        ProcessEvents();
        QVERIFY(!Screens::IsLoaded<frmAdmin>() && entry.isVisible() && !env.fake.ended);
        entry.close();
        QVERIFY(env.fake.ended && env.fake.exitCode == 0);
    }
};

QTEST_MAIN(TestSignIn)
#include "test_signin.moc"
