// The administrator on a lab workstation: "Kestr" signs in as the server's
// administrator role with that role's password, works the administration
// screen through it, leaves it for the workstation role, and changes that
// password with the server's own means. The server cases skip on the SQLite pass.
#include "LabDatabase.h"
#include "TestEnv.h"
#include "TestServer.h"
#include "UserActions.h"
#include "app/Module1.h"
#include "data/DbError.h"
#include "data/RolePassword.h"
#include "data/ServerSettings.h"
#include "screens/Screens.h"
#include "screens/frmAdmin.h"
#include "screens/frmChangePassword.h"
#include "screens/frmEntry.h"

#include <QFileInfo>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QSqlError>
#include <QSqlQuery>
#include <QtTest>

using namespace Module1;

class TestLabAdmin : public QObject {
    Q_OBJECT

private slots:
    void verifierIsMadeAsTheServerChecksIt();
    void kestrWorksAsTheAdministratorRoleUntilExit();
    void passwordIsChangedOnTheServer();
    void resetToolLeavesTheServerRoleToTheOwner();
};

namespace {

// The lab as `labdb create` leaves it, its administrator role given a
// password: the program folder holds the workstations' settings file.
struct Lab {
    explicit Lab(TestEnv& env)
    {
        const QString settingsPath = env.fake.programFolder + QStringLiteral("/") + ServerSettings::FileName;
        owner = ServerSettings::Read(settingsPath);
        LabDatabase::WriteWorkstationSettings(owner, settingsPath);
        workstation = ServerSettings::Read(settingsPath);
        env.Exec(QStringLiteral("ALTER ROLE %1 PASSWORD 'first pass'").arg(workstation.adminUser));
    }

    ServerSettings owner;
    ServerSettings workstation;
};

QVariant Scalar(Connection& connection, const QString& sql)
{
    QSqlQuery query(connection.Database());
    if (!query.exec(sql) || !query.next())
        throw DbError(query.lastError().text());
    return query.value(0);
}

QString CurrentUser() { return Scalar(cnDatabase, QStringLiteral("SELECT current_user")).toString(); }

// Kestr signs in on the sign-in screen; true when the administration screen opened.
bool KestrSignsIn(const QString& password)
{
    frmEntry& entry = Screens::Get<frmEntry>();
    TypeInto(entry.txtName, QStringLiteral("Kestr"));
    TypeInto(entry.txtPassword, password);
    Click(entry.cmdOK);
    return Screens::IsLoaded<frmAdmin>() && Screens::Get<frmAdmin>().isVisible();
}

QString LastBox(const TestEnv& env) { return env.fake.shown.empty() ? QString() : env.fake.shown.back().text; }

}

#define REQUIRE_SERVER()                                                          \
    if (!TestEnv::OnServer())                                                     \
    QSKIP("needs a PostgreSQL server (the second pass of scripts/test)")

// Worked out with Python's hashlib.pbkdf2_hmac and hmac. The second password
// is written decomposed, with a soft hyphen and a no-break space, which a
// signing-in client turns into "Grüße 1".
void TestLabAdmin::verifierIsMadeAsTheServerChecksIt()
{
    QCOMPARE(RolePassword::ScramVerifier(QStringLiteral("pencil"),
                                         QByteArray::fromBase64("W22ZaJ0SNY7soEsUEjb6gQ==")),
             QStringLiteral("SCRAM-SHA-256$4096:W22ZaJ0SNY7soEsUEjb6gQ==$WG5d8oPm3OtcPnkdi4Uo7BkeZkBFzpcXkuLmtbsT4qY=:"
                            "wfPLwcE6nTWhTAmQ7tl2KeoiWGPlZqQxSrmfPwDl2dU="));
    QByteArray salt;
    for (char b = 0; b < 16; ++b)
        salt += b;
    QCOMPARE(RolePassword::ScramVerifier(QStringLiteral(u"Gru\u0308\u00ad\u00dfe\u00a01"), salt),
             QStringLiteral("SCRAM-SHA-256$4096:AAECAwQFBgcICQoLDA0ODw==$5xBQXt89eNbk2+rPDTxwuftrRcU5AelqFAgdlEIVIH0=:"
                            "/E8TfV3ctE4aIqQnFKpn7Wnu6OC6jxvN1wulHVlGj/o="));
}

void TestLabAdmin::kestrWorksAsTheAdministratorRoleUntilExit()
{
    REQUIRE_SERVER();
    TestEnv env;
    const Lab lab(env);
    Screens::Show<frmEntry>();
    QCOMPARE(CurrentUser(), lab.workstation.user);

    QVERIFY(!KestrSignsIn(QStringLiteral("first")));
    QCOMPARE(LastBox(env), QStringLiteral("Invalid password"));
    QCOMPARE(CurrentUser(), lab.workstation.user);

    QVERIFY(KestrSignsIn(QStringLiteral("first pass")));
    QCOMPARE(CurrentUser(), lab.workstation.adminUser);
    frmAdmin& admin = Screens::Get<frmAdmin>();
    TypeInto(admin.txtName, QStringLiteral("Ann"));
    TypeInto(admin.txtPassword, QStringLiteral("apple"));
    Click(admin.cmdAddStudent);
    QCOMPARE(env.Rows(QStringLiteral("SELECT fldStudentName, fldPassword FROM Passwords")), QStringList{"Ann|apple"});
    QCOMPARE(Rows(admin.lstStudents).size(), 1);
    Click(admin.cmdExit);
    ProcessEvents();
    QVERIFY(Screens::Get<frmEntry>().isVisible());
    QCOMPARE(CurrentUser(), lab.workstation.user);
    QVERIFY(!rsPasswords.IsOpen());
    QVERIFY(!QSqlQuery(cnDatabase.Database()).exec(QStringLiteral("SELECT fldPassword FROM Passwords")));
}

void TestLabAdmin::passwordIsChangedOnTheServer()
{
    REQUIRE_SERVER();
    TestEnv env;
    const Lab lab(env);
    Screens::Show<frmEntry>();
    QVERIFY(KestrSignsIn(QStringLiteral("first pass")));
    const auto change = [&](const QString& current, const QString& fresh) {
        env.fake.modalUsers.push_back([=](QWidget& window) {
            auto& dialog = static_cast<frmChangePassword&>(window);
            TypeInto(dialog.txtCurrent, current);
            TypeInto(dialog.txtNew, fresh);
            TypeInto(dialog.txtRepeat, fresh);
            Click(dialog.cmdOK);
            if (Screens::IsLoaded<frmChangePassword>())
                Click(dialog.cmdCancel);
        });
        Click(Screens::Get<frmAdmin>().cmdChangePassword);
        ProcessEvents();
        return LastBox(env);
    };
    QCOMPARE(change(QStringLiteral("first"), QStringLiteral("second pass")), QStringLiteral("Invalid password"));
    QCOMPARE(change(QStringLiteral("first pass"), QStringLiteral("second pass")),
             QStringLiteral("The administrator's password has been changed."));

    // The test server's superuser, over its socket in the folder of its settings file.
    ServerSettings superuserSettings = lab.owner;
    superuserSettings.host = QFileInfo(qEnvironmentVariable("VORNICK_TEST_SERVER")).absolutePath();
    superuserSettings.user = QStringLiteral("postgres");
    superuserSettings.password.clear();
    Connection superuser(QStringLiteral("superuser"));
    superuser.Open(superuserSettings);
    const QString verifier =
        Scalar(superuser, QStringLiteral("SELECT rolpassword FROM pg_authid WHERE rolname = '%1'").arg(lab.workstation.adminUser))
            .toString();
    QVERIFY2(verifier.startsWith(QStringLiteral("SCRAM-SHA-256$4096:")), qPrintable(verifier));
    // The session goes on, and is opened again, with the new password (an old
    // one would be refused until the limit).
    cnDatabase.SetReconnectLimit(std::chrono::seconds(3));
    Scalar(superuser, QStringLiteral("SELECT count(pg_terminate_backend(pid)) FROM pg_stat_activity WHERE usename = '%1'")
                          .arg(lab.workstation.adminUser));
    QCOMPARE(FailureOf([] { Screens::Get<frmAdmin>().Refresh_Lists(); }), QString());
    cnDatabase.SetReconnectLimit(Connection::ReconnectLimit);
    QCOMPARE(CurrentUser(), lab.workstation.adminUser);

    Click(Screens::Get<frmAdmin>().cmdExit);
    ProcessEvents();
    QVERIFY(!KestrSignsIn(QStringLiteral("first pass")));
    QCOMPARE(LastBox(env), QStringLiteral("Invalid password"));
    QVERIFY(KestrSignsIn(QStringLiteral("second pass")));
}

// Only the settings file is read: no server is needed to refuse.
void TestLabAdmin::resetToolLeavesTheServerRoleToTheOwner()
{
    QTemporaryDir folder;
    const QString settings = WriteFile(folder, QStringLiteral("VornickTest.ini"),
                                       "[PostgreSQL]\nhost=db.invalid\ndatabase=lab\nuser=lab_workstation\n"
                                       "password=w\nadminuser=lab_admin\n");
    QProcess tool;
    tool.start(QCoreApplication::applicationDirPath() + QStringLiteral("/vornick-passwd"), {QStringLiteral("--reset"), settings});
    QVERIFY(tool.waitForFinished(30000));
    QCOMPARE(tool.exitCode(), 1);
    QCOMPARE(QString::fromLocal8Bit(tool.readAllStandardError()),
             QStringLiteral("vornick-passwd: on this lab's server the administrator signs in as the role lab_admin, whose\n"
                            "password the server keeps. As the database's owner, give it a new one with psql:\n"
                            "    \\password lab_admin\n"));
}

QTEST_MAIN(TestLabAdmin)
#include "test_labadmin.moc"
