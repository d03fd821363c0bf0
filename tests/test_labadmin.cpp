// The administrator on a lab workstation: "Kestr" signs in as the server's
// administrator role with that role's password, works the administration
// screen through it, changes that password with the server's own means and
// leaves, after which nobody is signed in. The server case skips on the SQLite pass.
#include "TestEnv.h"
#include "UserActions.h"
#include "app/Module1.h"
#include "data/DbError.h"
#include "data/RolePassword.h"
#include "data/Schema.h"
#include "data/ServerSettings.h"
#include "screens/Screens.h"
#include "screens/frmAdmin.h"
#include "screens/frmChangePassword.h"
#include "screens/frmEntry.h"

#include <QtSql>
#include <QtTest>
#include <QtWidgets>

using namespace Module1;

class TestLabAdmin : public QObject {
    Q_OBJECT

private slots:
    void verifierIsMadeAsTheServerChecksIt();
    void kestrWorksAsTheAdministratorRoleUntilExit();
    void toolsLeaveTheServerToTheOwner();
};

namespace {

QVariant Scalar(Connection& connection, const QString& sql)
{
    QSqlQuery query(connection.Database());
    if (!query.exec(sql) || !query.next())
        throw DbError(query.lastError().text());
    return query.value(0);
}

QString CurrentUser() { return Scalar(cnDatabase, QStringLiteral("SELECT current_user")).toString(); }

// Kestr signs in on the sign-in screen; the last box shown, or "admin" when
// the administration screen opened.
QString KestrSignsIn(TestEnv& env, const QString& password)
{
    SignInAs(QStringLiteral("Kestr"), password);
    if (Screens::IsLoaded<frmAdmin>() && Screens::Get<frmAdmin>().isVisible())
        return QStringLiteral("admin");
    return env.fake.shown.empty() ? QString() : env.fake.shown.back().text;
}

// Change Password… with the current password and a new one typed twice; the last box shown.
QString ChangePassword(TestEnv& env, const QString& current, const QString& fresh)
{
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
    return env.fake.shown.back().text;
}

}

// Worked out with Python's hashlib.pbkdf2_hmac and hmac. The second password
// is written decomposed, with a soft hyphen and a no-break space, which a
// signing-in client turns into "Grüße 1"; the third has compatibility
// characters (a ligature, a superscript, a circled digit), which it turns
// into "fig2 1".
void TestLabAdmin::verifierIsMadeAsTheServerChecksIt()
{
    QCOMPARE(RolePassword::ScramVerifier(QStringLiteral("pencil"),
                                         QByteArray::fromBase64("W22ZaJ0SNY7soEsUEjb6gQ==")),
             QStringLiteral("SCRAM-SHA-256$4096:W22ZaJ0SNY7soEsUEjb6gQ==$WG5d8oPm3OtcPnkdi4Uo7BkeZkBFzpcXkuLmtbsT4qY=:"
                            "wfPLwcE6nTWhTAmQ7tl2KeoiWGPlZqQxSrmfPwDl2dU="));
    QCOMPARE(RolePassword::ScramVerifier(QStringLiteral(u"Gru\u0308\u00ad\u00dfe\u00a01"),
                                         QByteArray::fromHex("000102030405060708090a0b0c0d0e0f")),
             QStringLiteral("SCRAM-SHA-256$4096:AAECAwQFBgcICQoLDA0ODw==$5xBQXt89eNbk2+rPDTxwuftrRcU5AelqFAgdlEIVIH0=:"
                            "/E8TfV3ctE4aIqQnFKpn7Wnu6OC6jxvN1wulHVlGj/o="));
    QCOMPARE(RolePassword::ScramVerifier(QStringLiteral(u"\uFB01g\u00B2 \u2460"),
                                         QByteArray::fromHex("000102030405060708090a0b0c0d0e0f")),
             QStringLiteral("SCRAM-SHA-256$4096:AAECAwQFBgcICQoLDA0ODw==$uGeR416Uvd+bcoxuW0ZKZi25xd4IjEYFaCOCOrqujJg=:"
                            "494VrBvWrh5TEBlxbHXXV/HKv7jcuZAQmUOmx3yvNus="));
}

// A refused password signs no one in; the right one works the
// administration screen as the administrator role and changes the role's
// password (the server checks the current one and keeps a SCRAM verifier; a
// session lost afterwards is opened again with the new one). Exit returns to
// no one signed in; only the new password signs in.
void TestLabAdmin::kestrWorksAsTheAdministratorRoleUntilExit()
{
    if (!TestEnv::OnServer())
        QSKIP("needs a PostgreSQL server (the server passes of scripts/test)");
    TestEnv env(TestEnv::Workstation::Lab);
    const ServerSettings lab = ServerSettings::Read(env.fake.programFolder + u'/' + ServerSettings::FileName);
    Screens::Show<frmEntry>();
    QCOMPARE(KestrSignsIn(env, QStringLiteral("plum ")), QStringLiteral("Invalid password"));
    QVERIFY(!cnDatabase.IsOpen());
    QCOMPARE(KestrSignsIn(env, QStringLiteral("plum")), QStringLiteral("admin"));
    QCOMPARE(CurrentUser(), lab.adminUser);
    // A new student gets a role of their own with the row, and a password
    // of 8 characters or more.
    frmAdmin& admin = Screens::Get<frmAdmin>();
    for (const char* password : {"apple pi", "apple p"}) {
        TypeInto(admin.txtName, QString::fromLatin1(password).left(3) + QString::number(std::strlen(password)));
        TypeInto(admin.txtPassword, QString::fromLatin1(password));
        Click(admin.cmdAddStudent);
    }
    QCOMPARE(env.fake.shown.back().text + u'|' + env.fake.shown.back().title,
             QStringLiteral("Lab passwords must be at least 8 characters long.|Error"));
    QCOMPARE(env.Rows(QStringLiteral("SELECT fldStudentName, fldPassword, "
                                     "(SELECT rolname || rolconnlimit FROM pg_roles WHERE rolname = vt_student_role(fldStudentName)) "
                                     "FROM Passwords")),
             QStringList{"app8|apple pi|" + Schema::StudentRole(lab.database, QStringLiteral("app8")) + QStringLiteral("3")});
    // Renamed or deleted, the role follows in the same transaction: a rolled-back rename leaves it.
    const QString roles = QStringLiteral("SELECT string_agg(rolname, ',' ORDER BY rolname) FROM pg_roles WHERE rolname IN ('%1', '%2')")
                              .arg(Schema::StudentRole(lab.database, QStringLiteral("app8")), Schema::StudentRole(lab.database, QStringLiteral("Ann")));
    env.Exec(QStringLiteral("BEGIN"));
    env.Exec(QStringLiteral("UPDATE Passwords SET fldStudentName = 'Ann'"));
    env.Exec(QStringLiteral("ROLLBACK"));
    QCOMPARE(env.Scalar(roles).toString(), Schema::StudentRole(lab.database, QStringLiteral("app8")));
    env.Exec(QStringLiteral("UPDATE Passwords SET fldStudentName = 'Ann'"));
    QCOMPARE(env.Scalar(roles).toString(), Schema::StudentRole(lab.database, QStringLiteral("Ann")));
    env.Exec(QStringLiteral("DELETE FROM Passwords"));
    QCOMPARE(env.Scalar(roles).toString(), QString());

    QCOMPARE(ChangePassword(env, QStringLiteral("plump"), QStringLiteral("second pass")), QStringLiteral("Invalid password"));
    QCOMPARE(ChangePassword(env, QStringLiteral("plum"), QStringLiteral("second pass")),
             QStringLiteral("The administrator's password has been changed."));
    // The test server's superuser, over its socket in the folder of its settings file.
    ServerSettings superuserSettings = env.Owner();
    superuserSettings.host = QFileInfo(qEnvironmentVariable("VORNICK_TEST_SERVER")).absolutePath();
    superuserSettings.user = QStringLiteral("postgres");
    superuserSettings.password.clear();
    Connection superuser(QStringLiteral("superuser"));
    superuser.Open(superuserSettings);
    const QString verifier =
        Scalar(superuser, QStringLiteral("SELECT rolpassword FROM pg_authid WHERE rolname = '%1'").arg(lab.adminUser)).toString();
    QVERIFY2(verifier.startsWith(QStringLiteral("SCRAM-SHA-256$4096:")), qPrintable(verifier));
    cnDatabase.SetReconnectLimit(std::chrono::seconds(3));  // an old password would be refused until the limit
    Scalar(superuser, QStringLiteral("SELECT count(pg_terminate_backend(pid)) FROM pg_stat_activity WHERE usename = '%1'")
                          .arg(lab.adminUser));
    QCOMPARE(FailureOf([&] { admin.Refresh_Lists(); }), QString());
    cnDatabase.SetReconnectLimit(Connection::ReconnectLimit);

    Click(admin.cmdExit);
    ProcessEvents();
    QVERIFY(Screens::Get<frmEntry>().isVisible() && !cnDatabase.IsOpen());
    QVERIFY(!QSqlQuery(cnDatabase.Database()).exec(QStringLiteral("SELECT fldPassword FROM Passwords")));
    QCOMPARE(KestrSignsIn(env, QStringLiteral("plum")), QStringLiteral("Invalid password"));
    QCOMPARE(KestrSignsIn(env, QStringLiteral("second pass")), QStringLiteral("admin"));
}

// The technician's tools given a workstations' settings file, or installed
// beside it, leave the server to its owner; only the file is read: no server
// is needed to refuse.
void TestLabAdmin::toolsLeaveTheServerToTheOwner()
{
    QTemporaryDir folder;
    const QString settings = WriteFile(folder, QStringLiteral("VornickTest.ini"),
                                       "[PostgreSQL]\nhost=db.invalid\ndatabase=lab\nadminuser=lab_admin\n");
    const QString built = QCoreApplication::applicationDirPath();
    QVERIFY(QFile::copy(built + QStringLiteral("/vornick-admin"), folder.filePath(QStringLiteral("vornick-admin"))));
    const QList<std::pair<QStringList, QString>> runs{
        {{built + "/vornick-passwd", "--reset", settings},
         "vornick-passwd: on this lab's server the administrator signs in as the role lab_admin, whose\n"
         "password the server keeps. As the database's owner, give it a new one with psql:\n    \\password lab_admin\n"},
        {{folder.filePath(QStringLiteral("vornick-admin")), "results", "--output", folder.filePath(QStringLiteral("all.csv"))},
         "vornick-admin: the settings file is a lab workstation's, which signs no one in who reads the tables: give "
         "the database owner's settings file with --settings.\n"},
        // Refused before the server is reached: its folder is not there.
        {{built + "/../tools/labdb", "create", settings, folder.filePath(QStringLiteral("none/VornickTest.ini"))},
         "labdb: The settings file " + folder.filePath(QStringLiteral("none/VornickTest.ini")) + " cannot be written: "
         "the folder " + folder.filePath(QStringLiteral("none")) + " does not exist.\n"}};
    for (const auto& [arguments, refusal] : runs) {
        QProcess tool;
        tool.start(arguments[0], arguments.mid(1));
        QVERIFY(tool.waitForFinished(30000) && tool.exitCode() == 1);
        QCOMPARE(QString::fromLocal8Bit(tool.readAllStandardError()), refusal);
    }
    QVERIFY(!QFile::exists(folder.filePath(QStringLiteral("all.csv"))));
}

QTEST_MAIN(TestLabAdmin)
#include "test_labadmin.moc"
