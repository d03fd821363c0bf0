// A lab's server restarted or out of reach for a while, through the real
// screens and a server of this test's own (scripts/test-server), which it
// stops and starts: stores wait for it and go on, up to the limit. Runs on
// the server passes of scripts/test only; on the lab pass through the
// server's student functions and the administrator role.
#include "StudentDesk.h"
#include "TestEnv.h"
#include "TestServer.h"
#include "UserActions.h"
#include "app/Module1.h"
#include "screens/Screens.h"
#include "screens/SlotScreen.h"
#include "screens/frmAdmin.h"
#include "screens/frmEntry.h"
#include "screens/frmMain.h"
#include "screens/frmQuestions.h"

#include <QtTest>
#include <QtWidgets>
#include <memory>

using namespace Module1;

namespace {

const QString Waiting = QStringLiteral("Connection to the server lost; trying again…");

QString ServerScript() { return QStringLiteral(VORNICK_SOURCE_DIR "/scripts/test-server"); }

// Runs a command of the test server's script on this test's server; false
// when it fails or takes more than `seconds`.
bool ServerCommand(const QStringList& arguments, int seconds = 150)
{
    QProcess command;
    command.start(ServerScript(), arguments);
    return command.waitForFinished(seconds * 1000) && command.exitStatus() == QProcess::NormalExit
           && command.exitCode() == 0;
}

// Returns once the server takes connections again, within a minute of its
// restart command ending (which itself waits up to two).
void AwaitServerUp()
{
    const QDeadlineTimer limit(60000);
    for (;;) {
        Connection probe(QStringLiteral("blip-probe"));
        const QString failure = FailureOf([&] { probe.Open(*TestServer::Settings()); });
        if (failure.isEmpty())
            return;
        if (limit.hasExpired())
            qFatal("the server did not start again: %s", qPrintable(failure));
        QThread::msleep(250);
    }
}

// Stops the test's server and starts it again `seconds` later; returns once
// it is down, the restart still to come.
std::unique_ptr<QProcess> PauseServer(const QString& folder, int seconds)
{
    auto pause = std::make_unique<QProcess>();
    pause->start(ServerScript(), {QStringLiteral("pause"), folder, QString::number(seconds)});
    const QDeadlineTimer limit(150000);
    while (!pause->canReadLine() && pause->state() != QProcess::NotRunning && !limit.hasExpired())
        pause->waitForReadyRead(1000);
    const QByteArray line = pause->readLine();
    if (line != "stopped\n")
        qFatal("the server did not stop: %s", line.constData());
    return pause;
}

void AwaitRestart(QProcess& pause)
{
    // The program's event loop runs while it waits, so the restart may have
    // been seen to end already.
    const bool ended = pause.state() == QProcess::NotRunning || pause.waitForFinished(150000);
    if (!ended || pause.exitStatus() != QProcess::NormalExit || pause.exitCode() != 0)
        qFatal("the server did not start again: %s", pause.readAllStandardError().constData());
    AwaitServerUp();
}

// Picks line 1 on the slot on screen and leaves it with >>>; returns the
// answer record that leaves in the database.
QString AnswerLineOneAndGoOn(frmQuestions& screen)
{
    const QString order = ShownOrder(screen);
    Choose(screen, 1);
    Click(screen.cmdNext);
    return order + (order.startsWith(u'1') ? QStringLiteral("1C") : QStringLiteral("1X"));
}

}

class TestBlip : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void blipsAreSurvived();
    void serverAwayPastTheLimitEndsAndTheAttemptContinues();
    void outageNeverFreezesTheScreen();

private:
    QTemporaryDir folder_;
    QString server_;
};

// The shared test server must not restart under other test programs, so
// this one starts its own and its TestEnv databases live there.
void TestBlip::initTestCase()
{
    if (qEnvironmentVariableIsEmpty("VORNICK_TEST_SERVER"))
        QSKIP("needs a PostgreSQL server (the server passes of scripts/test)");
    QFile::setPermissions(folder_.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner
                                              | QFileDevice::ReadGroup | QFileDevice::ExeGroup
                                              | QFileDevice::ReadOther | QFileDevice::ExeOther);
    server_ = folder_.filePath(QStringLiteral("pg"));
    QProcess start;
    start.start(ServerScript(), {QStringLiteral("start"), server_});
    QVERIFY(start.waitForFinished(300000) && start.exitCode() == 0);
    qputenv("VORNICK_TEST_SERVER", start.readAllStandardOutput().trimmed());
}

void TestBlip::cleanupTestCase()
{
    if (!server_.isEmpty())
        QProcess::execute(ServerScript(), {QStringLiteral("stop"), server_});
}

// A sign-in screen left across a restart signs the next student in; a store
// made while the server is away waits with the notice up and the answer on
// screen, and the test goes on; so does Done, which grades once; the
// administrator's store waits the same way.
void TestBlip::blipsAreSurvived()
{
    TestEnv env;
    const qint64 ann = env.AddStudent(QStringLiteral("Ann"), QStringLiteral("pw"));
    env.AddTest(QStringLiteral("Rivers"));
    Screens::Show<frmEntry>();
    AwaitRestart(*PauseServer(server_, 1));
    SignInAs(QStringLiteral("Ann"), QStringLiteral("pw"));
    QVERIFY(Screens::IsLoaded<frmMain>() && !env.fake.ended);

    frmQuestions& screen = Take(env, QStringLiteral("Rivers"));
    const QString first = AnswerLineOneAndGoOn(screen);
    auto pause = PauseServer(server_, 4);
    Choose(screen, 2);
    const QString second = ShownOrder(screen) + (ShownOrder(screen)[1] == u'1' ? QStringLiteral("2C") : QStringLiteral("2X"));
    Click(screen.cmdNext);
    AwaitRestart(*pause);
    QCOMPARE(env.fake.notices, (QStringList{Waiting, QString()}));
    QVERIFY(!env.fake.ended && env.fake.shown.empty());
    QCOMPARE(screen.CurrentQuestion, 3);
    QCOMPARE(GreenNumbers(screen).left(4), QStringLiteral("1100"));
    const QString third = AnswerLineOneAndGoOn(screen);
    pause = PauseServer(server_, 3);
    Click(screen.cmdDone);
    AwaitRestart(*pause);
    QCOMPARE(env.fake.notices.size(), 4);
    const int grade = 4 * static_cast<int>(QString(first + second + third).count(u'C'));
    QCOMPARE(env.Rows(QStringLiteral("SELECT fldQ1, fldQ2, fldQ3, fldQ4, fldGrade FROM Results WHERE fldStudentNumber = ?"),
                      {ann}),
             QStringList{first + u'|' + second + u'|' + third + QStringLiteral("|NULL|") + QString::number(grade)});

    // The administrator's Add/Save across a pause: stored once, listed.
    Screens::DiscardAll();
    Module1::Reset();
    frmAdmin& admin = SignInAdmin();
    pause = PauseServer(server_, 3);
    TypeInto(admin.txtName, QStringLiteral("Bea"));
    TypeInto(admin.txtPassword, QStringLiteral("birch bark"));
    Click(admin.cmdAddStudent);
    AwaitRestart(*pause);
    QVERIFY2(env.fake.notices.size() == 6 && !env.fake.ended,
             qPrintable(env.fake.notices.join(u'|') + (env.fake.shown.empty() ? QString() : env.fake.shown.back().text)));
    QCOMPARE(env.Rows(QStringLiteral("SELECT fldStudentName FROM Passwords ORDER BY fldStudentNumber")),
             (QStringList{"Ann", "Bea"}));
    QCOMPARE(admin.lstStudents->count(), 2);
}

// Past the limit the program ends with the driver's message (no stray
// brackets); the answers stored before stay, and the attempt continues from
// them once the server is back.
void TestBlip::serverAwayPastTheLimitEndsAndTheAttemptContinues()
{
    TestEnv env;
    env.AddStudent(QStringLiteral("Cy"), QStringLiteral("pw"));
    env.AddTest(QStringLiteral("Lakes"));
    Screens::Show<frmEntry>();
    cnDatabase.SetReconnectLimit(std::chrono::seconds(3));
    SignInAs(QStringLiteral("Cy"), QStringLiteral("pw"));
    frmQuestions& screen = Take(env, QStringLiteral("Lakes"));
    const QString first = AnswerLineOneAndGoOn(screen);
    // The server stays down until the program has given up, however slowly
    // a busy machine runs it.
    QVERIFY(ServerCommand({QStringLiteral("halt"), server_}));
    Choose(screen, 3);
    QElapsedTimer waited;
    waited.start();
    Click(screen.cmdNext);
    const qint64 gaveUpAfter = waited.elapsed();
    QVERIFY(ServerCommand({QStringLiteral("resume"), server_}));
    AwaitServerUp();
    QVERIFY2(gaveUpAfter >= 3000 && gaveUpAfter < 15000, qPrintable(QString::number(gaveUpAfter)));
    QVERIFY(env.fake.ended && env.fake.exitCode == 1);
    QCOMPARE(env.fake.notices, (QStringList{Waiting, QString()}));
    QCOMPARE(env.fake.shown.size(), std::size_t(1));
    const QString message = env.fake.shown[0].text;
    QVERIFY2(message.contains(QStringLiteral("Connection refused")) && !message.contains(QStringLiteral("()")),
             qPrintable(message));

    Screens::DiscardAll();
    Module1::Reset();
    env.fake.ended = false;
    SignInAs(QStringLiteral("Cy"), QStringLiteral("pw"));
    frmQuestions& continued = Take(env, QStringLiteral("Lakes"));  // continued, without the introduction
    QCOMPARE(GreenNumbers(continued).left(3), QStringLiteral("100"));
    QCOMPARE(ShownOrder(continued) + u'1' + (ShownOrder(continued).startsWith(u'1') ? u'C' : u'X'), first);
    QVERIFY(continued.optAnswer[0]->isChecked());
}

// Twenty seconds without the server under a running test: the event loop
// answers every sample of 50 ms within 100 ms throughout, the clock ticks
// on, a click on an answer meanwhile is not taken, the notice shows and
// goes, and every answer is stored once the server is back.
void TestBlip::outageNeverFreezesTheScreen()
{
    TestEnv env;
    const qint64 dee = env.AddStudent(QStringLiteral("Dee"), QStringLiteral("pw"));
    env.AddTest(QStringLiteral("Seas"));
    Screens::Show<frmEntry>();
    SignInAs(QStringLiteral("Dee"), QStringLiteral("pw"));
    cnDatabase.SetReconnectLimit(Connection::ReconnectLimit);
    frmQuestions& screen = Take(env, QStringLiteral("Seas"));
    screen.Timer1->start();
    const QString first = AnswerLineOneAndGoOn(screen);
    auto pause = PauseServer(server_, 20);
    Choose(screen, 2);
    const QString second = ShownOrder(screen) + (ShownOrder(screen)[1] == u'1' ? QStringLiteral("2C") : QStringLiteral("2X"));

    QElapsedTimer sinceLast;
    qint64 worst = 0;
    int samples = 0;
    bool clickTaken = false;
    QStringList clock;
    QTimer sampler;
    sampler.setTimerType(Qt::PreciseTimer);
    sampler.setInterval(50);
    connect(&sampler, &QTimer::timeout, [&] {
        worst = std::max(worst, sinceLast.restart() - 50);
        if (++samples == 100) {
            QTest::mouseClick(screen.optAnswer[2], Qt::LeftButton);
            clickTaken = screen.optAnswer[2]->isChecked();
        }
        if (samples % 40 == 0)
            clock << screen.lblTime->text();
    });
    sinceLast.start();
    sampler.start();
    Click(screen.cmdNext);  // stores once the server is back
    sampler.stop();
    AwaitRestart(*pause);
    QVERIFY2(samples >= 300 && worst < 100,
             qPrintable(QStringLiteral("%1 samples, the slowest %2 ms late").arg(samples).arg(worst)));
    qInfo("event loop through the outage: %d samples of 50 ms, the slowest %lld ms late", samples, worst);
    QVERIFY(!clickTaken);
    QCOMPARE(QSet<QString>(clock.begin(), clock.end()).size(), clock.size());  // a different time at every 2 s
    QCOMPARE(env.fake.notices, (QStringList{Waiting, QString()}));
    QVERIFY(!env.fake.ended && env.fake.shown.empty());
    QCOMPARE(screen.CurrentQuestion, 3);
    QCOMPARE(env.Rows(QStringLiteral("SELECT fldQ1, fldQ2 FROM Results WHERE fldStudentNumber = ?"), {dee}),
             QStringList{first + u'|' + second});
}

QTEST_MAIN(TestBlip)
#include "test_blip.moc"
