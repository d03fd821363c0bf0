// Start-up and the sign-in screen, driven through its real widgets.
#include "TestEnv.h"
#include "UserActions.h"
#include "app/Module1.h"
#include "app/QtPlatform.h"
#include "screens/Screens.h"
#include "screens/frmAdmin.h"
#include "screens/frmEntry.h"
#include "screens/frmMain.h"

#include <QFile>
#include <QLineEdit>
#include <QLockFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

class TestSignIn : public QObject {
    Q_OBJECT

private slots:
    void startUpOpensDatabaseOnce();
    void missingDatabaseEndsWithEngineMessage();
    void secondCopyEndsSilently();
    void realLockRefusesSecondHolder();
    void administratorWithEmptyTable();
    void refusals_data();
    void refusals();
    void studentSignsInOnTheirRow();
    void accountAddedElsewhereCanSignIn();
    void enterKeys();
    void roundTripLeavesBoxesEmpty();
    void cancelAndCloseEndTheProgram();
    void f1OpensHelp();
};

namespace {

frmEntry& StartUp(TestEnv& env)
{
    Screens::Show<frmEntry>();
    Q_UNUSED(env);
    return Screens::Get<frmEntry>();
}

void Type(frmEntry& entry, const QString& name, const QString& password)
{
    TypeInto(entry.txtName, name);
    TypeInto(entry.txtPassword, password);
}

}

void TestSignIn::startUpOpensDatabaseOnce()
{
    TestEnv env;
    frmEntry& entry = StartUp(env);
    QVERIFY(entry.isVisible());
    QVERIFY(Module1::cnDatabase.IsOpen());
    QVERIFY(Module1::rsPasswords.IsOpen());
    QVERIFY(Module1::rsTests.IsOpen());
    QCOMPARE(entry.windowTitle(), QStringLiteral("Vornick Test Taker   Vs. 1.0"));
    // Showing it again later neither reloads it nor reopens the database.
    entry.Hide();
    Screens::Show<frmEntry>();
    QCOMPARE(&Screens::Get<frmEntry>(), &entry);
    QVERIFY(env.fake.shown.empty());
}

void TestSignIn::missingDatabaseEndsWithEngineMessage()
{
    TestEnv env;
    if (TestEnv::OnServer())
        QSKIP("no database file on a server run; an unreachable server is tested in test_lab");
    QVERIFY(QFile::remove(env.DatabasePath()));
    RunGuarded([] { Screens::Show<frmEntry>(); });
    QVERIFY(env.fake.ended);
    QCOMPARE(env.fake.exitCode, 1);
    QCOMPARE(env.fake.shown.size(), std::size_t(1));
    QVERIFY(env.fake.shown[0].text.contains(QStringLiteral("unable to open database file")));
    QVERIFY(!QFile::exists(env.DatabasePath()));
    QVERIFY(!Screens::Get<frmEntry>().isVisible());
}

void TestSignIn::secondCopyEndsSilently()
{
    TestEnv env;
    env.fake.anotherCopy = true;
    RunGuarded([] { Screens::Get<frmEntry>(); });
    QVERIFY(env.fake.ended);
    QCOMPARE(env.fake.exitCode, 0);
    QVERIFY(env.fake.shown.empty());
    QVERIFY(!Module1::cnDatabase.IsOpen());
}

void TestSignIn::realLockRefusesSecondHolder()
{
    QTemporaryDir dir;
    QtPlatform first(dir.path());
    QtPlatform second(dir.path());
    QVERIFY(!first.AnotherCopyRunning());
    QVERIFY(second.AnotherCopyRunning());
}

void TestSignIn::administratorWithEmptyTable()
{
    TestEnv env;
    frmEntry& entry = StartUp(env);
    Type(entry, QStringLiteral("Kestr"), QStringLiteral("plum"));
    QTest::mouseClick(entry.cmdOK, Qt::LeftButton);
    QVERIFY(Screens::IsLoaded<frmAdmin>());
    QVERIFY(Screens::Get<frmAdmin>().isVisible());
    QCOMPARE(Screens::Get<frmAdmin>().windowTitle(), QStringLiteral("Vornick Test Taker - Administrative Functions"));
    QVERIFY(!entry.isVisible());
    QVERIFY(entry.txtName->text().isEmpty());
    QVERIFY(entry.txtPassword->text().isEmpty());
    QVERIFY(env.fake.shown.empty());
}

void TestSignIn::refusals_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("password");
    QTest::newRow("administrator in other case") << "kestr" << "plum";
    QTest::newRow("trailing blank") << "Ann " << "secret";
    QTest::newRow("wrong case password") << "Ann" << "Secret";
    QTest::newRow("unknown") << "Nobody" << "x";
    QTest::newRow("quotes and percent") << "' OR '1'='1" << "%";
    QTest::newRow("empty") << "" << "";
    QTest::newRow("null password row") << "NoPass" << "";
}

void TestSignIn::refusals()
{
    QFETCH(QString, name);
    QFETCH(QString, password);
    TestEnv env;
    env.AddStudent(QStringLiteral("Ann"), QStringLiteral("secret"));
    env.Insert(QStringLiteral("INSERT INTO Passwords (fldStudentName) VALUES ('NoPass')"));
    frmEntry& entry = StartUp(env);
    Type(entry, name, password);
    QTest::mouseClick(entry.cmdOK, Qt::LeftButton);
    QCOMPARE(env.fake.shown.size(), std::size_t(1));
    QCOMPARE(env.fake.shown[0].text, QStringLiteral("Invalid password"));
    QCOMPARE(env.fake.shown[0].title, QStringLiteral(" "));
    QVERIFY(env.fake.shown[0].buttons == MsgButtons::OK);
    QCOMPARE(entry.txtName->text(), name);
    QCOMPARE(entry.txtPassword->text(), password);
    QVERIFY(!Screens::IsLoaded<frmMain>());
    QVERIFY(!Screens::IsLoaded<frmAdmin>());
}

void TestSignIn::studentSignsInOnTheirRow()
{
    TestEnv env;
    env.AddStudent(QStringLiteral("Ann"), QStringLiteral("one"));
    const qint64 second = env.AddStudent(QStringLiteral("Ζωή 'Z'"), QStringLiteral("two"));
    env.AddStudent(QStringLiteral("Ζωή 'Z'"), QStringLiteral("two"));
    frmEntry& entry = StartUp(env);
    Type(entry, QStringLiteral("Ζωή 'Z'"), QStringLiteral("two"));
    QTest::mouseClick(entry.cmdOK, Qt::LeftButton);
    QVERIFY(env.fake.shown.empty());
    // The first matching row wins and stays current.
    QCOMPARE(Module1::rsPasswords.Field(QStringLiteral("fldStudentNumber")).toLongLong(), second);
    QCOMPARE(Screens::Get<frmMain>().windowTitle(), QStringLiteral("Test Results For Ζωή 'Z'"));
    QVERIFY(!entry.isVisible());
}

void TestSignIn::accountAddedElsewhereCanSignIn()
{
    TestEnv env;
    env.AddStudent(QStringLiteral("Ann"), QStringLiteral("one"));
    frmEntry& entry = StartUp(env);
    Type(entry, QStringLiteral("Ann"), QStringLiteral("one"));
    QTest::mouseClick(entry.cmdOK, Qt::LeftButton);
    QTest::mouseClick(Screens::Get<frmMain>().cmdExit, Qt::LeftButton);
    // Another workstation adds an account (and changes one) after start-up.
    const qint64 added = env.AddStudent(QStringLiteral("Bo"), QStringLiteral("two"));
    env.Exec(QStringLiteral("UPDATE Passwords SET fldPassword = 'new' WHERE fldStudentName = 'Ann'"));
    Type(entry, QStringLiteral("Bo"), QStringLiteral("two"));
    QTest::mouseClick(entry.cmdOK, Qt::LeftButton);
    QVERIFY(env.fake.shown.empty());
    QCOMPARE(Module1::rsPasswords.Field(QStringLiteral("fldStudentNumber")).toLongLong(), added);
    QCOMPARE(Screens::Get<frmMain>().windowTitle(), QStringLiteral("Test Results For Bo"));
    QTest::mouseClick(Screens::Get<frmMain>().cmdExit, Qt::LeftButton);
    Type(entry, QStringLiteral("Ann"), QStringLiteral("one"));
    QTest::mouseClick(entry.cmdOK, Qt::LeftButton);
    QCOMPARE(env.fake.shown.size(), std::size_t(1));
    QCOMPARE(env.fake.shown[0].text, QStringLiteral("Invalid password"));
}

void TestSignIn::enterKeys()
{
    TestEnv env;
    env.AddStudent(QStringLiteral("Ann"), QStringLiteral("pw"));
    frmEntry& entry = StartUp(env);
    entry.activateWindow();
    entry.txtName->setFocus();
    QTest::keyClicks(entry.txtName, QStringLiteral("Ann"));
    QTest::keyClick(entry.txtName, Qt::Key_Return);
    QVERIFY(entry.txtPassword->hasFocus() || QApplication::focusWidget() == nullptr);
    QVERIFY(!Screens::IsLoaded<frmMain>());
    QTest::keyClicks(entry.txtPassword, QStringLiteral("pw"));
    QTest::keyClick(entry.txtPassword, Qt::Key_Return);
    QVERIFY(Screens::IsLoaded<frmMain>());
}

void TestSignIn::roundTripLeavesBoxesEmpty()
{
    TestEnv env;
    env.AddStudent(QStringLiteral("Ann"), QStringLiteral("pw"));
    frmEntry& entry = StartUp(env);
    Type(entry, QStringLiteral("Ann"), QStringLiteral("pw"));
    QTest::mouseClick(entry.cmdOK, Qt::LeftButton);
    frmMain& home = Screens::Get<frmMain>();
    QTest::mouseClick(home.cmdExit, Qt::LeftButton);
    ProcessEvents();
    QVERIFY(!Screens::IsLoaded<frmMain>());
    QVERIFY(entry.isVisible());
    QVERIFY(entry.txtName->text().isEmpty());
    QVERIFY(entry.txtPassword->text().isEmpty());

    // The administrator's window closed by its frame also returns here.
    Type(entry, QStringLiteral("Kestr"), QStringLiteral("plum"));
    QTest::mouseClick(entry.cmdOK, Qt::LeftButton);
    Screens::Get<frmAdmin>().close();
    ProcessEvents();
    QVERIFY(!Screens::IsLoaded<frmAdmin>());
    QVERIFY(entry.isVisible());
    QVERIFY(!env.fake.ended);
}

void TestSignIn::cancelAndCloseEndTheProgram()
{
    {
        TestEnv env;
        frmEntry& entry = StartUp(env);
        QTest::mouseClick(entry.cmdExit, Qt::LeftButton);
        QVERIFY(env.fake.ended);
        QCOMPARE(env.fake.exitCode, 0);
    }
    {
        TestEnv env;
        env.AddStudent(QStringLiteral("Ann"), QStringLiteral("pw"));
        frmEntry& entry = StartUp(env);
        Type(entry, QStringLiteral("Kestr"), QStringLiteral("plum"));
        QTest::mouseClick(entry.cmdOK, Qt::LeftButton);
        Screens::Get<frmAdmin>().Hide();
        entry.Show();
        // Closing the sign-in window ends the program even with others loaded.
        entry.close();
        QVERIFY(env.fake.ended);
    }
}

void TestSignIn::f1OpensHelp()
{
    TestEnv env;
    frmEntry& entry = StartUp(env);
    entry.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&entry));
    QTest::keyClick(&entry, Qt::Key_F1);
    QCOMPARE(env.fake.helpShown, 1);
}

QTEST_MAIN(TestSignIn)
#include "test_signin.moc"
