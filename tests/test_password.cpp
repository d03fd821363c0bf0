// The administrator's password: changed through the real widgets, kept as a
// hash, and put back to the default by the technician's reset command.
#include "TestEnv.h"
#include "UserActions.h"
#include "data/AdminPassword.h"
#include "screens/Screens.h"
#include "screens/frmAdmin.h"
#include "screens/frmChangePassword.h"
#include "screens/frmEntry.h"

#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QtTest>

class TestPassword : public QObject {
    Q_OBJECT

private slots:
    // New hashes at the lowest cost, except where the program's own is checked.
    void initTestCase() { AdminPassword::SetHashCost(AdminPassword::HashCost::Minimum); }
    void changeThroughTheDialog();
    void olderDatabaseDamagedHashAndReset();
};

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
    Screens::Show<frmEntry>();
    frmEntry& entry = Screens::Get<frmEntry>();
    TypeInto(entry.txtName, QStringLiteral("Kestr"));
    TypeInto(entry.txtPassword, password);
    Click(entry.cmdOK);
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

void TestPassword::changeThroughTheDialog()
{
    TestEnv env;
    frmAdmin& admin = SignInAdmin();
    OpenDialog(env, admin, [](frmChangePassword& dialog) {
        TypeAll(dialog, QStringLiteral("plum"), QStringLiteral("Fig 7"), QStringLiteral("Fig 7"));
        Click(dialog.cmdCancel);
    });
    QCOMPARE(env.Scalar(QStringLiteral("SELECT COUNT(*) FROM Administrator")).toInt(), 0);

    // Every refusal keeps the dialog open, with the box to type again emptied.
    QStringList leftAfterRefusals;
    OpenDialog(env, admin, [&](frmChangePassword& dialog) {
        TypeAll(dialog, QStringLiteral("Plum"), QStringLiteral("Fig 7"), QStringLiteral("Fig 7"));
        Click(dialog.cmdOK);
        leftAfterRefusals << dialog.txtCurrent->text() + u'|' + dialog.txtNew->text();
        TypeAll(dialog, QStringLiteral("plum"), QString(), QString());
        Click(dialog.cmdOK);
        TypeAll(dialog, QStringLiteral("plum"), QStringLiteral("Fig 7"), QStringLiteral("fig 7"));
        Click(dialog.cmdOK);
        leftAfterRefusals << dialog.txtNew->text() + u'|' + dialog.txtRepeat->text();
        QVERIFY(dialog.isVisible());
        TypeInto(dialog.txtRepeat, QStringLiteral("Fig 7"));
        QTest::keyClick(dialog.txtRepeat, Qt::Key_Return);
    });
    QCOMPARE(leftAfterRefusals, (QStringList{"|Fig 7", "Fig 7|"}));
    QCOMPARE(ShownBoxes(env), (QStringList{"Invalid password|Error", "You must enter a new password.|Error",
                                     "The new password and its repeat are not the same.|Error",
                                     "The administrator's password has been changed.|Change Password"}));
    QVERIFY(!Screens::IsLoaded<frmChangePassword>() && admin.isVisible());

    // Stored as a salted hash string, never the password.
    const QStringList stored = env.Rows(QStringLiteral("SELECT * FROM Administrator"));
    QCOMPARE(stored.size(), 1);
    QVERIFY2(stored[0].startsWith(QStringLiteral("1|$argon2id$v=19$m=8,t=1,p=1$")), qPrintable(stored[0]));
    QVERIFY(!stored[0].contains(QStringLiteral("Fig")));

    // The old password is refused like any wrong one; the new one signs in.
    SignOut();
    env.fake.shown.clear();
    QVERIFY(!AdminSignsIn(QStringLiteral("plum")));
    QCOMPARE(ShownBoxes(env), QStringList{"Invalid password| "});
    QVERIFY(!AdminSignsIn(QStringLiteral("Fig 7 ")));
    QVERIFY(AdminSignsIn(QStringLiteral("Fig 7")));
}

void TestPassword::olderDatabaseDamagedHashAndReset()
{
    TestEnv env;
    // A database made before the password could be changed: the default
    // signs in, and the first change makes the table, at the program's cost.
    env.Exec(QStringLiteral("DROP TABLE Administrator"));
    QVERIFY(AdminSignsIn(QStringLiteral("plum")));
    AdminPassword::SetHashCost(AdminPassword::HashCost::Interactive);
    OpenDialog(env, Screens::Get<frmAdmin>(), [](frmChangePassword& dialog) {
        TypeAll(dialog, QStringLiteral("plum"), QStringLiteral("Ärger über Öl"), QStringLiteral("Ärger über Öl"));
        Click(dialog.cmdOK);
    });
    AdminPassword::SetHashCost(AdminPassword::HashCost::Minimum);
    const QString hash = env.Scalar(QStringLiteral("SELECT fldPasswordHash FROM Administrator")).toString();
    QVERIFY2(hash.startsWith(QStringLiteral("$argon2id$v=19$m=65536,t=2,p=1$")), qPrintable(hash));
    SignOut();
    QVERIFY(AdminSignsIn(QStringLiteral("Ärger über Öl")));
    SignOut();

    // A stored text that is not a hash never matches, not even itself.
    env.Exec(QStringLiteral("UPDATE Administrator SET fldPasswordHash = 'plum'"));
    QVERIFY(!AdminSignsIn(QStringLiteral("plum")));

    // The technician's reset brings the default back, once.
    const QString reset = Reset(env);
    QVERIFY2(reset.endsWith(QStringLiteral(" is \"plum\" again.\n")), qPrintable(reset));
    if (!TestEnv::OnServer())
        QCOMPARE(reset, QStringLiteral("The administrator's password of %1 is \"plum\" again.\n").arg(env.DatabasePath()));
    QVERIFY(Reset(env).endsWith(QStringLiteral(" was \"plum\" already.\n")));
    QVERIFY(AdminSignsIn(QStringLiteral("plum")));
}

QTEST_MAIN(TestPassword)
#include "test_password.moc"
