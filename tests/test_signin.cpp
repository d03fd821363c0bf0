// Start-up and the sign-in screen, driven through its real widgets; the
// administrator's password changed, kept as a hash, and reset by the technician.
#include "TestEnv.h"
#include "UserActions.h"
#include "app/Language.h"
#include "app/Module1.h"
#include "screens/ProgramStart.h"
#include "screens/Screens.h"
#include "screens/frmAdmin.h"
#include "screens/frmChangePassword.h"
#include "screens/frmEntry.h"
#include "screens/frmMain.h"
#include "work/StudentWork.h"

#include <QtTest>
#include <QtWidgets>

namespace {

QStringList ShownBoxes(const TestEnv& env)
{
    QStringList shown;
    for (const auto& box : env.fake.shown)
        shown << box.text + u'|' + box.title;
    return shown;
}

void TypeAll(frmChangePassword& dialog, const QString& current, const QString& fresh, const QString& repeat)
{
    TypeInto(dialog.txtCurrent, current);
    TypeInto(dialog.txtNew, fresh);
    TypeInto(dialog.txtRepeat, repeat);
}

// Opens the dialog from the administration screen; `user` works it.
void OpenDialog(TestEnv& env, frmAdmin& admin, std::function<void(frmChangePassword&)> user)
{
    env.fake.modalUsers.push_back([user](QWidget& window) { user(static_cast<frmChangePassword&>(window)); });
    Click(admin.cmdChangePassword);
    ProcessEvents();
}

// Signs in from the sign-in screen; true when the administration screen opened.
bool AdminSignsIn(const QString& password)
{
    SignInAs(QStringLiteral("Kestr"), password);
    return Screens::IsLoaded<frmAdmin>() && Screens::Get<frmAdmin>().isVisible();
}

void SignOut()
{
    Click(Screens::Get<frmAdmin>().cmdExit);
    ProcessEvents();
}

// The reset command on this test's database; returns what it printed.
QString Reset(const TestEnv& env)
{
    const QString target = TestEnv::OnServer() ? env.fake.programFolder + QStringLiteral("/VornickTest.ini")
                                                : env.DatabasePath();
    QProcess tool;
    tool.start(QCoreApplication::applicationDirPath() + QStringLiteral("/vornick-passwd"),
               {QStringLiteral("--reset"), target});
    if (!tool.waitForFinished(30000) || tool.exitCode() != 0)
        return QStringLiteral("failed: ") + QString::fromLocal8Bit(tool.readAllStandardError());
    return QString::fromLocal8Bit(tool.readAllStandardOutput());
}

}

class TestSignIn : public QObject {
    Q_OBJECT

private slots:
    void changeThroughTheDialog();

    // A missing file (named) or table, or a server out of reach (port 1): the
    // engine's or driver's message, status 1, no sign-in screen; a missing
    // file is never created. A lab workstation reads no table at start.
    void startUpFailureEnds()
    {
        const bool server = TestEnv::OnServer();
        const QList<std::pair<QString, QString>> failures{
            {"Ostrel.mdb", server ? QString() : "The database %1 does not exist."},
            {"Tests", TestEnv::LabRun() ? QString() : server ? "\"tests\" does not exist" : "no such table: Tests"},
            {"server", "refused"}};
        for (const auto& [missing, expected] : failures) {
            if (expected.isEmpty())
                continue;
            TestEnv env;
            if (missing == "Ostrel.mdb")
                QFile::remove(env.DatabasePath());
            else if (missing == "Tests")
                env.Exec(server ? QStringLiteral("DROP TABLE Tests CASCADE") : QStringLiteral("DROP TABLE Tests"));  // a server's Pictures refer to it
            else {
                QFile ini(env.fake.programFolder + QStringLiteral("/VornickTest.ini"));
                QVERIFY(ini.open(QIODevice::WriteOnly) && ini.write("[PostgreSQL]\nhost=127.0.0.1\nport=1\ndatabase=lab\n") > 0);
            }
            RunGuarded([] { Screens::Show<frmEntry>(); });
            const QString message = env.fake.shown.empty() ? QString() : env.fake.shown[0].text;
            const QString told = missing == "Ostrel.mdb" ? expected.arg(env.DatabasePath()) : expected;
            QVERIFY2(message.contains(told), qPrintable(message));
            QVERIFY(env.fake.ended && env.fake.exitCode == 1 && env.fake.shown.size() == 1);
            QVERIFY(!Screens::Get<frmEntry>().isVisible() && QFile::exists(env.DatabasePath()) == (missing != "Ostrel.mdb" && !server));
        }
    }

    // The program's own start shows the sign-in screen at once and gives the
    // program's icon only once that screen is drawn. On a lab workstation
    // whose server is out of reach (port 1) the screen comes first, and then
    // the driver's message ends the program.
    void startShowsTheScreenFirst()
    {
        for (const bool lab : {false, true}) {
            TestEnv env;
            if (lab) {
                QFile ini(env.fake.programFolder + QStringLiteral("/VornickTest.ini"));
                QVERIFY(ini.open(QIODevice::WriteOnly)
                        && ini.write("[PostgreSQL]\nhost=127.0.0.1\nport=1\ndatabase=lab\nadminuser=lab_admin\n") > 0);
            }
            QApplication::setWindowIcon(QIcon());
            StartProgram();
            frmEntry& entry = Screens::Get<frmEntry>();
            QVERIFY(entry.isVisible() && env.fake.shown.empty() && !env.fake.ended);
            QVERIFY(QApplication::windowIcon().isNull());
            QTRY_VERIFY(!QApplication::windowIcon().pixmap(32).isNull());
            if (lab) {
                QTRY_VERIFY(env.fake.ended);
                QVERIFY(env.fake.exitCode == 1 && env.fake.shown.size() == 1);
                QVERIFY2(env.fake.shown[0].text.contains(QStringLiteral("refused")), qPrintable(env.fake.shown[0].text));
            } else {
                QVERIFY(!env.fake.ended);
            }
            Language::Install(QStringLiteral("en"));
        }
    }

    // The caption, a hidden password shown as stars, F1. Sign-in reads the accounts afresh
    // (added or changed after start-up, as on another workstation): each
    // refusal shows the same box, the boxes kept. Enter in the name box moves
    // to the password box and there signs in (the first of two twin
    // accounts), emptying both; the administrator's window closed by its
    // frame comes back here; closing this one ends the program even with
    // others loaded.
    void signInScreen()
    {
        TestEnv env;
        Screens::Show<frmEntry>();
        frmEntry& entry = Screens::Get<frmEntry>();
        QCOMPARE(entry.windowTitle(), QStringLiteral("Vornick Test Taker   Vs. 1.0"));
        QCOMPARE(entry.txtPassword->echoMode(), QLineEdit::Password);
        env.AddStudent(QStringLiteral("Ann"), QStringLiteral("old"));
        env.Insert(QStringLiteral("INSERT INTO Passwords (fldStudentName) VALUES ('NoPass')"));
        env.Exec(QStringLiteral("UPDATE Passwords SET fldPassword = 'secret' WHERE fldStudentName = 'Ann'"));
        const qint64 first = env.AddStudent(QStringLiteral("Bo"), QStringLiteral("pw"));
        env.AddStudent(QStringLiteral("Bo"), QStringLiteral("pw"));
        // Only the first twin has a result, which their list shows.
        env.Exec(QStringLiteral("INSERT INTO Results (fldStudentNumber, fldTestNumber, fldGrade, fldDate) "
                                "VALUES (?, ?, 84, '1/12/2026')"),
                 {first, env.AddTest(QStringLiteral("Maths"))});
        const QList<std::pair<QString, QString>> tries{
            {"kestr", "plum"}, {"Kestr", "pear"}, {"Kestr", "PLUM"}, {"ann", "secret"}, {"Ann ", "secret"}, {"Ann", "Secret"},
            {"' OR '1'='1", "%"}, {"", ""}, {"NoPass", ""}, {"Ann", "old"}};
        for (const auto& [name, password] : tries) {
            env.fake.shown.clear();
            SignInAs(name, password);
            QVERIFY2(env.fake.shown.size() == 1 && LastBox(env.fake) == "Invalid password| |OK", qPrintable(name));
            QVERIFY(entry.txtName->text() == name && entry.txtPassword->text() == password);
            QVERIFY(!Screens::IsLoaded<frmMain>() && !Screens::IsLoaded<frmAdmin>());
        }
        QCOMPARE(entry.txtPassword->displayText(), QStringLiteral("***"));  // "old", starred
        env.fake.shown.clear();
        entry.txtName->clear();
        entry.txtPassword->clear();
        entry.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&entry));
        QTest::keyClick(&entry, Qt::Key_F1);
        QCOMPARE(env.fake.helpShown, 1);
        entry.txtName->setFocus();
        QTest::keyClicks(entry.txtName, QStringLiteral("Bo"));
        QTest::keyClick(entry.txtName, Qt::Key_Return);
        QVERIFY(entry.txtPassword->hasFocus() && !Screens::IsLoaded<frmMain>());
        QTest::keyClicks(entry.txtPassword, QStringLiteral("pw"));
        QTest::keyClick(entry.txtPassword, Qt::Key_Return);
        QCOMPARE(env.OnLab() ? env.Scalar(QStringLiteral("SELECT r.fldStudentNumber FROM StudentRoles r "
                                                       "JOIN pg_stat_activity a ON a.usename = r.fldRoleName")).toLongLong()
                             : Student().List().at(0).text.contains(QStringLiteral("84")) ? first : 0,
                 first);
        QVERIFY(entry.txtName->text().isEmpty() && entry.txtPassword->text().isEmpty() && !entry.isVisible());

        Screens::Get<frmMain>().Hide();
        SignInAs(QStringLiteral("Kestr"), QStringLiteral("plum"));
        QVERIFY(Screens::Get<frmAdmin>().isVisible() && !entry.isVisible() && env.fake.shown.empty());
        Screens::Get<frmAdmin>().close();
        ProcessEvents();
        QVERIFY(!Screens::IsLoaded<frmAdmin>() && entry.isVisible() && !env.fake.ended);
        entry.close();
        QVERIFY(env.fake.ended && env.fake.exitCode == 0);
    }
};

// On a database from before the password could be changed, the default
// signs in and the first change makes the table. Cancel stores nothing;
// each refusal keeps the dialog, the box to type again emptied; the new
// password is kept as a salted hash at the program's cost and replaces the
// old one. A stored text that is no hash never matches; the technician's
// reset brings the default back, once.
void TestSignIn::changeThroughTheDialog()
{
    TestEnv env;
    env.Exec(QStringLiteral("DROP TABLE Administrator"));
    QVERIFY(AdminSignsIn(QStringLiteral("plum")));
    frmAdmin& admin = Screens::Get<frmAdmin>();
    const QString fresh = QStringLiteral("Fig Ö7");
    OpenDialog(env, admin, [&](frmChangePassword& dialog) {
        TypeAll(dialog, QStringLiteral("plum"), fresh, fresh);
        Click(dialog.cmdCancel);
    });
    QStringList leftAfterRefusals;
    OpenDialog(env, admin, [&](frmChangePassword& dialog) {
        TypeAll(dialog, fresh, fresh, fresh);  // the cancelled change did not count
        Click(dialog.cmdOK);
        leftAfterRefusals << dialog.txtCurrent->text() + u'|' + dialog.txtNew->text();
        TypeAll(dialog, QStringLiteral("plum"), QString(), QString());
        Click(dialog.cmdOK);
        TypeAll(dialog, QStringLiteral("plum"), fresh, QStringLiteral("fig Ö7"));
        Click(dialog.cmdOK);
        leftAfterRefusals << dialog.txtNew->text() + u'|' + dialog.txtRepeat->text();
        QVERIFY(dialog.isVisible());
        TypeInto(dialog.txtRepeat, fresh);
        QTest::keyClick(dialog.txtRepeat, Qt::Key_Return);
    });
    QCOMPARE(leftAfterRefusals, (QStringList{"|Fig Ö7", "Fig Ö7|"}));
    QCOMPARE(ShownBoxes(env), (QStringList{"Invalid password|Error", "You must enter a new password.|Error",
                                     "The new password and its repeat are not the same.|Error",
                                     "The administrator's password has been changed.|Change Password"}));
    QVERIFY(!Screens::IsLoaded<frmChangePassword>() && admin.isVisible());
    // On a lab the server keeps the role's password, and has no reset (test_labadmin).
    const bool lab = env.OnLab();
    if (!lab) {
        const QStringList stored = env.Rows(QStringLiteral("SELECT * FROM Administrator"));
        QVERIFY2(stored.size() == 1 && stored[0].startsWith(QStringLiteral("1|$argon2id$v=19$m=65536,t=2,p=1$")),
                 qPrintable(stored.join(u';')));
        QVERIFY(!stored[0].contains(fresh));
    }

    SignOut();
    env.fake.shown.clear();
    QVERIFY(!AdminSignsIn(QStringLiteral("plum")));
    QCOMPARE(ShownBoxes(env), QStringList{"Invalid password| "});
    QVERIFY(!AdminSignsIn(QStringLiteral("Fig Ö7 ")));
    QVERIFY(AdminSignsIn(fresh));
    SignOut();
    if (lab)
        return;

    env.Exec(QStringLiteral("UPDATE Administrator SET fldPasswordHash = 'plum'"));
    QVERIFY(!AdminSignsIn(QStringLiteral("plum")));
    const QString reset = Reset(env);
    QVERIFY2(reset.endsWith(QStringLiteral(" is \"plum\" again.\n")), qPrintable(reset));
    if (!TestEnv::OnServer())
        QCOMPARE(reset, QStringLiteral("The administrator's password of %1 is \"plum\" again.\n").arg(env.DatabasePath()));
    QVERIFY(Reset(env).endsWith(QStringLiteral(" was \"plum\" already.\n")));
    QVERIFY(AdminSignsIn(QStringLiteral("plum")));
}

QTEST_MAIN(TestSignIn)
#include "test_signin.moc"
