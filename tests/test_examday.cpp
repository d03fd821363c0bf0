// Exam day: a student's extra time from the administration screen to the
// stored deadline and the introduction; more time and an end for one
// attempt on the results screen, in the attempts in progress and from
// vornick-admin, with their refusals.
#include "StudentDesk.h"
#include "TestEnv.h"
#include "UserActions.h"
#include "app/Module1.h"
#include "screens/ScreenRoles.h"
#include "screens/Screens.h"
#include "screens/frmAdmin.h"
#include "screens/frmAttempts.h"
#include "screens/frmMain.h"
#include "screens/frmQuestions.h"
#include "screens/frmQuestionsIntro.h"
#include "screens/frmTestResults.h"
#include "data/Connection.h"
#include "data/Schema.h"
#include "data/ServerSettings.h"
#include "work/AttemptControl.h"
#include "work/StudentWork.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

namespace {

qint64 DbNow(TestEnv& env)
{
    return env.Scalar(TestEnv::OnServer() ? QStringLiteral("SELECT CAST(floor(extract(epoch FROM clock_timestamp())) AS BIGINT)")
                                          : QStringLiteral("SELECT CAST(strftime('%s', 'now') AS INTEGER)"))
        .toLongLong();
}

void EndProgram()
{
    Screens::DiscardAll();
    QCoreApplication::processEvents();
    Module1::Reset();
}

// The administrator types the student's extra time and saves.
void SetExtraTimeOnScreen(TestEnv& env, qint64 student, const QString& percent)
{
    frmAdmin& admin = SignInAdmin();
    PickRow(admin.lstStudents, RowOfNumber(admin.lstStudents, student));
    admin.txtExtraTime->clear();
    TypeInto(admin.txtExtraTime, percent);
    Click(admin.cmdAddStudent);
    (void)env;
}

// Takes the test through the introduction, keeping its two time lines.
QStringList TakeReadingIntro(TestEnv& env, qint64 student, const QString& test)
{
    SignIn(env, student);
    frmMain& home = Home();
    if (!ClickRow(home, test))
        return {QStringLiteral("no row")};
    QStringList lines;
    env.fake.modalUsers.push_back([&lines](QWidget& window) {
        auto& intro = static_cast<frmQuestionsIntro&>(window);
        lines << intro.lblTime->text() << (intro.lblExtraTime->isVisibleTo(&intro) ? intro.lblExtraTime->text() : QString());
        Click(intro.cmdBegin);
    });
    Click(home.cmdTakeTest);
    if (Screens::IsLoaded<frmQuestions>()) {
        Screens::Get<frmQuestions>().Timer1->stop();
        Screens::Get<frmQuestions>().tmrListen->stop();
    }
    return lines;
}

QString Attempt(TestEnv& env, qint64 student, qint64 test)
{
    return env.Rows(QStringLiteral("SELECT fldMinutesGiven, fldGrade FROM Results WHERE fldStudentNumber = ? AND fldTestNumber = ?"),
                    {student, test}).join(u';');
}

qint64 SecondsToDeadline(TestEnv& env, qint64 student, qint64 test)
{
    return env.Scalar(QStringLiteral("SELECT fldDeadline FROM Results WHERE fldStudentNumber = ? AND fldTestNumber = ?"),
                      {student, test}).toLongLong() - DbNow(env);
}

bool Near(qint64 seconds, qint64 expected) { return seconds <= expected && seconds >= expected - 3; }

}

class TestExamDay : public QObject {
    Q_OBJECT

private slots:
    void init() { Module1::Reset(); }

    // 50% on a 30-minute test gives 45 minutes: said twice on the
    // introduction, stored as the deadline and the minutes given. Rounded up
    // to a minute; no extra line without extra time; a 0-minute test stays 0.
    void extraTimeReachesTheDeadlineAndTheIntroduction()
    {
        TestEnv env;
        const qint64 ann = env.AddStudent(QStringLiteral("Ann"), QStringLiteral("a"));
        const qint64 bob = env.AddStudent(QStringLiteral("Bob"), QStringLiteral("b"));
        const qint64 history = env.AddTest(QStringLiteral("History"), 30);
        const qint64 quick = env.AddTest(QStringLiteral("Quick"), 1);
        const qint64 none = env.AddTest(QStringLiteral("None"), 0);

        SetExtraTimeOnScreen(env, ann, QStringLiteral("50"));
        QCOMPARE(env.Rows(QStringLiteral("SELECT fldStudentName, fldExtraTime FROM Passwords ORDER BY fldStudentNumber")),
                 (QStringList{"Ann|50", "Bob|0"}));
        frmAdmin& admin = Screens::Get<frmAdmin>();
        PickRow(admin.lstStudents, RowOfNumber(admin.lstStudents, ann));
        QCOMPARE(admin.txtExtraTime->text(), QStringLiteral("50"));
        Click(admin.cmdNew);
        QCOMPARE(admin.txtExtraTime->text(), QStringLiteral("0"));
        // Refused: nothing stored, the box has the focus back.
        for (const char* typed : {"401", "-50", "7x", "2.5", "ten", ""}) {
            PickRow(admin.lstStudents, RowOfNumber(admin.lstStudents, bob));
            admin.txtExtraTime->clear();
            TypeInto(admin.txtExtraTime, QString::fromLatin1(typed));
            Click(admin.cmdAddStudent);
            QCOMPARE(LastBox(env.fake), QStringLiteral("Extra time must be a whole number from 0 to 400.|Error|OK"));
        }
        QCOMPARE(env.Scalar(QStringLiteral("SELECT fldExtraTime FROM Passwords WHERE fldStudentNumber = ?"), {bob}).toInt(), 0);
        EndProgram();

        QCOMPARE(TakeReadingIntro(env, ann, QStringLiteral("History")),
                 (QStringList{"You will be given 45 minutes to complete this test.",
                              "This includes 15 minutes of extra time."}));
        QCOMPARE(Attempt(env, ann, history), QStringLiteral("45|NULL"));
        QVERIFY(Near(SecondsToDeadline(env, ann, history), 2700));
        QVERIFY(Screens::Get<frmQuestions>().lblTime->text().startsWith(QStringLiteral("4")));
        EndProgram();

        // 1 minute at 50% is 1.5, given as 2; 0 minutes stay 0.
        QCOMPARE(TakeReadingIntro(env, ann, QStringLiteral("Quick")),
                 (QStringList{"You will be given 2 minutes to complete this test.",
                              "This includes 1 minutes of extra time."}));
        QCOMPARE(Attempt(env, ann, quick), QStringLiteral("2|NULL"));
        EndProgram();
        QCOMPARE(TakeReadingIntro(env, ann, QStringLiteral("None")).value(1), QString());
        QCOMPARE(Attempt(env, ann, none).section(u'|', 0, 0), QStringLiteral("0"));
        EndProgram();

        QCOMPARE(TakeReadingIntro(env, bob, QStringLiteral("History")),
                 (QStringList{"You will be given 30 minutes to complete this test.", QString()}));
        QCOMPARE(Attempt(env, bob, history), QStringLiteral("30|NULL"));
        QVERIFY(Near(SecondsToDeadline(env, bob, history), 1800));
        QCOMPARE(env.fake.unexpected, QStringList());
    }

    // On the results screen an Unfinished row takes more time and an end; a
    // past deadline moves to the minutes from now, and the attempt
    // continues; a finished one is graded from what was stored.
    void moreTimeAndFinishNowOnTheResultsScreen()
    {
        TestEnv env;
        const qint64 cy = env.AddStudent(QStringLiteral("Cy"), QStringLiteral("c"));
        const qint64 maths = env.AddTest(QStringLiteral("Maths"), 20);
        const qint64 art = env.AddTest(QStringLiteral("Art"), 20);
        AddAttempt(env, cy, maths, QVariant(), {"1231C", "2311X", "3122C", QVariant(), QVariant()});
        AddAttempt(env, cy, art, 8, {"1231C", "1231C", QVariant(), QVariant(), QVariant()});
        env.Exec(QStringLiteral("UPDATE Results SET fldDeadline = ?, fldMinutesGiven = 20 WHERE fldTestNumber = ?"),
                 {DbNow(env) - 600, maths});

        frmAdmin& admin = SignInAdmin();
        PickRow(admin.lstStudents, RowOfNumber(admin.lstStudents, cy));
        Click(admin.cmdView);
        frmTestResults& results = Screens::Get<frmTestResults>();
        PickRow(results.lstResults, RowOfNumber(results.lstResults, art));
        QVERIFY(!results.cmdMoreTime->isEnabled() && !results.cmdFinishNow->isEnabled());
        PickRow(results.lstResults, RowOfNumber(results.lstResults, maths));
        QVERIFY(results.cmdMoreTime->isEnabled() && results.cmdFinishNow->isEnabled());

        env.fake.numbers = {std::nullopt, 10};
        Click(results.cmdMoreTime);  // cancelled
        QCOMPARE(Attempt(env, cy, maths), QStringLiteral("20|NULL"));
        Click(results.cmdMoreTime);
        QCOMPARE(env.fake.numberQuestions.value(1),
                 QStringLiteral("Give More Time|Give Cy more time on Maths (0:00 left)?\nMinutes to add to this attempt (1 to 600):|1-600"));
        QCOMPARE(Attempt(env, cy, maths), QStringLiteral("30|NULL"));
        QVERIFY(Near(SecondsToDeadline(env, cy, maths), 600));

        EndProgram();

        // The student continues with the ten minutes.
        SignIn(env, cy);
        frmMain& home = Home();
        ClickRow(home, QStringLiteral("Maths"));
        const QString clock = TakePicked(env, home, false).lblTime->text();
        QVERIFY2(clock == QStringLiteral("10:00") || clock.startsWith(QStringLiteral("9:5")), qPrintable(clock));
        EndProgram();

        frmAdmin& again = SignInAdmin();
        PickRow(again.lstStudents, RowOfNumber(again.lstStudents, cy));
        Click(again.cmdView);
        frmTestResults& later = Screens::Get<frmTestResults>();
        PickRow(later.lstResults, RowOfNumber(later.lstResults, maths));
        env.fake.answers = {MsgAnswer::No, MsgAnswer::Yes};
        Click(later.cmdFinishNow);
        QVERIFY2(LastBox(env.fake).startsWith(QStringLiteral("Finish Cy's attempt at Maths now (9:5"))
                     || LastBox(env.fake).startsWith(QStringLiteral("Finish Cy's attempt at Maths now (10:00")),
                 qPrintable(LastBox(env.fake)));
        QCOMPARE(Attempt(env, cy, maths), QStringLiteral("30|NULL"));
        Click(later.cmdFinishNow);
        QCOMPARE(env.Rows(QStringLiteral("SELECT fldGrade, fldDate FROM Results WHERE fldTestNumber = ?"), {maths}),
                 (QStringList{"8|" + env.fake.today}));
        QVERIFY(!later.cmdFinishNow->isEnabled());
        QVERIFY(later.lstResults->item(RowOfNumber(later.lstResults, maths))->text().contains(QStringLiteral("8")));
        QCOMPARE(env.fake.unexpected, QStringList());
    }

    // The attempts in progress, least time left first; the hold works on the
    // selected row, and a finished attempt leaves the list.
    void attemptsInProgress()
    {
        TestEnv env;
        const qint64 ann = env.AddStudent(QStringLiteral("Ann"), QStringLiteral("a"));
        const qint64 bob = env.AddStudent(QStringLiteral("Bob"), QStringLiteral("b"));
        const qint64 test = env.AddTest(QStringLiteral("Physics"), 30);
        AddAttempt(env, ann, test, QVariant(), {"1231C", "2311X", QVariant(), QVariant(), QVariant()});
        AddAttempt(env, bob, test, QVariant(), {"1231C", QVariant(), QVariant(), QVariant(), QVariant()});
        const qint64 now = DbNow(env);
        env.Exec(QStringLiteral("UPDATE Results SET fldDeadline = ?, fldMinutesGiven = 45 WHERE fldStudentNumber = ?"), {now + 1500, ann});
        env.Exec(QStringLiteral("UPDATE Results SET fldDeadline = ?, fldMinutesGiven = 30 WHERE fldStudentNumber = ?"), {now + 300, bob});

        frmAdmin& admin = SignInAdmin();
        Click(admin.cmdAttempts);
        frmAttempts& attempts = Screens::Get<frmAttempts>();
        QVERIFY(attempts.isVisible() && !admin.isVisible());
        QCOMPARE(attempts.lstAttempts->topLevelItemCount(), 2);
        const auto row = [&attempts](int r) {
            const QTreeWidgetItem* item = attempts.lstAttempts->topLevelItem(r);
            return QStringList{item->text(0), item->text(1), item->text(3)}.join(u'|');
        };
        QCOMPARE(row(0), QStringLiteral("Bob|Physics|1"));
        QCOMPARE(row(1), QStringLiteral("Ann|Physics|2"));
        const QString bobLeft = attempts.lstAttempts->topLevelItem(0)->text(4);
        QVERIFY2(bobLeft == QStringLiteral("5:00") || bobLeft.startsWith(QStringLiteral("4:5")), qPrintable(bobLeft));
        // Began: deadline less the minutes given, 20 minutes ago for Ann.
        QCOMPARE(attempts.lstAttempts->topLevelItem(1)->text(2),
                 QLocale::system().toString(QDateTime::fromSecsSinceEpoch(now - 1200), QLocale::ShortFormat));

        // Opened on the first row; read afresh every 5 seconds on every engine.
        QCOMPARE(attempts.lstAttempts->currentItem()->text(0), QStringLiteral("Bob"));
        QVERIFY(attempts.cmdMoreTime->isEnabled() && attempts.cmdFinishNow->isEnabled());
        QVERIFY(attempts.Timer1->isActive() && attempts.Timer1->interval() == 5000);
        env.Exec(QStringLiteral("UPDATE Results SET fldDeadline = ? WHERE fldStudentNumber = ?"), {now + 284, bob});
        attempts.Timer1_Timer();
        const QString fresh = attempts.lstAttempts->topLevelItem(0)->text(4);
        QVERIFY2(fresh.startsWith(QStringLiteral("4:4")), qPrintable(fresh));
        QCOMPARE(attempts.lstAttempts->currentItem()->text(0), QStringLiteral("Bob"));

        env.fake.numbers = {30};
        Click(attempts.cmdMoreTime);  // Bob now has about 35 minutes left, more than Ann
        const QString asked = env.fake.numberQuestions.value(0);
        QVERIFY2(asked.startsWith(QStringLiteral("Give More Time|Give Bob more time on Physics (4:4"))
                     && asked.endsWith(QStringLiteral(" left)?\nMinutes to add to this attempt (1 to 600):|1-600")),
                 qPrintable(asked));
        QCOMPARE(row(0), QStringLiteral("Ann|Physics|2"));
        QCOMPARE(attempts.lstAttempts->currentItem()->text(0), QStringLiteral("Bob"));
        env.fake.answers = {MsgAnswer::Yes};
        Click(attempts.cmdFinishNow);
        QVERIFY2(LastBox(env.fake).startsWith(QStringLiteral("Finish Bob's attempt at Physics now (34:4"))
                     && LastBox(env.fake).endsWith(QStringLiteral(" left)? It will be graded from the answers stored.|Finish Now|YesNo")),
                 qPrintable(LastBox(env.fake)));
        QCOMPARE(attempts.lstAttempts->topLevelItemCount(), 1);
        QCOMPARE(env.Rows(QStringLiteral("SELECT fldMinutesGiven, fldGrade FROM Results ORDER BY fldStudentNumber")),
                 (QStringList{"45|NULL", "60|4"}));
        // The finished row left the list: nothing is selected, nothing to act on.
        QVERIFY(!attempts.cmdMoreTime->isEnabled() && !attempts.cmdFinishNow->isEnabled());
        env.fake.shown.clear();
        Click(attempts.cmdFinishNow);
        QVERIFY(env.fake.shown.empty());
        Click(attempts.cmdClose);
        QVERIFY(admin.isVisible());
        QCOMPARE(env.fake.unexpected, QStringList());
    }

    // vornick-admin: extra time shown and set by name or number, more time
    // and finish, the attempts listed; every refusal changes nothing.
    // The running test follows the teacher on every engine, the teacher being
    // another program on the same database (vornick-admin): more time shows at
    // the next listen (every 5 seconds), the warning taken back. A finish ends
    // the test with a note and stores nothing more, whether the student's
    // next step is the listen, a move to another slot or Done; the grade, the
    // review, the results file and the statistics then tell the same.
    void runningTestFollowsTheTeacher()
    {
        TestEnv env;
        const qint64 ann = env.AddStudent(QStringLiteral("Ann"), QStringLiteral("apple pie"));
        const qint64 bo = env.AddStudent(QStringLiteral("Bo"), QStringLiteral("banana split"));
        const qint64 rivers = env.AddTest(QStringLiteral("Rivers"), 30);
        SignIn(env, ann);
        frmQuestions& screen = Take(env, QStringLiteral("Rivers"));
        QCOMPARE(screen.tmrListen->interval(), 5000);
        env.Exec(QStringLiteral("UPDATE Results SET fldDeadline = fldDeadline - 1560"));
        screen.tmrListen_Timer();
        QVERIFY2(screen.lblTime->text().startsWith(QStringLiteral("3:5")) || screen.lblTime->text() == QStringLiteral("4:00"),
                 qPrintable(screen.lblTime->text()));
        QVERIFY(screen.lblTimeNotice->isVisibleTo(&screen));
        QCOMPARE(RunAdminTool(env, {"more-time", "Ann", "Rivers", "10"}).code, 0);
        screen.tmrListen_Timer();
        QVERIFY2(screen.lblTime->text().startsWith(QStringLiteral("13:5")) || screen.lblTime->text() == QStringLiteral("14:00"),
                 qPrintable(screen.lblTime->text()));
        QVERIFY(!screen.lblTimeNotice->isVisibleTo(&screen));

        // Ann: slot 1 stored right; finished by the teacher; slot 2 picked and left.
        ChooseRight(screen);
        Click(screen.cmdNext);
        QCOMPARE(RunAdminTool(env, {"finish", "Ann", "Rivers"}).code, 0);
        ChooseRight(screen);
        env.fake.shown.clear();
        Click(screen.cmdNext);
        QCOMPARE(LastBox(env.fake) + QString::number(env.fake.shown.size()),
                 QStringLiteral("Your teacher has finished this test.||OK1"));
        QVERIFY(!Screens::IsLoaded<frmQuestions>() && Home().isVisible());
        QVERIFY(Home().lstResults->item(0)->text().contains(QStringLiteral("4")));
        QCOMPARE(Student().ReadyReview(rivers), Refusal::None);
        QCOMPARE(Student().Review().ResultText(QStringLiteral("fldQ1")).right(1) + u'|'
                     + Student().Review().ResultText(QStringLiteral("fldQ2")),
                 QStringLiteral("C|"));
        EndProgram();

        // Bo: slot 1 stored right, slot 2 picked right; finished by the teacher; Done.
        SignIn(env, bo);
        frmQuestions& second = Take(env, QStringLiteral("Rivers"));
        ChooseRight(second);
        Click(second.cmdNext);
        ChooseRight(second);
        QCOMPARE(RunAdminTool(env, {"finish", "Bo", "Rivers"}).code, 0);
        env.fake.shown.clear();
        Click(second.cmdDone);
        QCOMPARE(LastBox(env.fake) + QString::number(env.fake.shown.size()),
                 QStringLiteral("Your teacher has finished this test.||OK1"));
        QVERIFY(!Screens::IsLoaded<frmQuestions>() && Home().isVisible());
        QCOMPARE(env.fake.unexpected, QStringList());
        EndProgram();

        // Both graded 4 for the one answer stored; the file and the statistics agree.
        QCOMPARE(env.Rows(QStringLiteral("SELECT fldStudentNumber, fldGrade, fldMinutesGiven, "
                                         "CASE WHEN fldGradedAt IS NULL THEN 'no moment' ELSE 'graded at' END FROM Results "
                                         "WHERE fldQ2 IS NULL ORDER BY fldStudentNumber")),
                 (QStringList{QStringLiteral("%1|4|40|graded at").arg(ann), QStringLiteral("%1|4|30|graded at").arg(bo)}));
        QTemporaryDir files;
        const QString path = files.filePath(QStringLiteral("rivers.csv"));
        QCOMPARE(RunAdminTool(env, {"results", "--output", path}).code, 0);
        QFile csv(path);
        QVERIFY(csv.open(QIODevice::ReadOnly));
        const QStringList lines = QString::fromUtf8(csv.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 3);
        for (const QString& line : lines.mid(1)) {
            const QStringList fields = line.split(u',');
            QCOMPARE(fields.mid(4, 1) + fields.mid(9, 4), (QStringList{"4", "1", "answer", "0", ""}));
        }
        QVERIFY(RunAdminTool(env, {"analysis", "Rivers"}).out.contains(QStringLiteral("Mean grade: 4.0 ")));
    }

    // The student's own role on a lab's server can change no deadline, no
    // grade and no extra time.
    void labStudentCannotHoldTheClock()
    {
        if (!TestEnv::LabRun())
            QSKIP("a lab's server (the third pass of scripts/test)");
        TestEnv env;
        env.AddStudent(QStringLiteral("Ann"), QStringLiteral("apple pie"));
        env.AddTest(QStringLiteral("Rivers"), 30);
        SignIn(env, env.Scalar(QStringLiteral("SELECT fldStudentNumber FROM Passwords")).toLongLong());
        Take(env, QStringLiteral("Rivers"));
        ChooseRight(Screens::Get<frmQuestions>());
        Click(Screens::Get<frmQuestions>().cmdDone);
        ServerSettings own = env.Owner();
        own.user = Schema::StudentRole(own.database, QStringLiteral("Ann"));
        own.password = QStringLiteral("apple pie");
        Connection psql(QStringLiteral("student-psql"));
        psql.Open(own);
        for (const char* statement : {"UPDATE Results SET fldDeadline = fldDeadline + 6000, fldGrade = NULL",
                                      "UPDATE Passwords SET fldExtraTime = 400",
                                      "SELECT vt_minutes_given(30, 400)"}) {
            QSqlQuery query(psql.Database());
            QVERIFY2(!query.exec(QString::fromLatin1(statement)), statement);
        }
        QCOMPARE(env.Rows(QStringLiteral("SELECT fldGrade, fldMinutesGiven FROM Results")), QStringList{"4|30"});
        QCOMPARE(env.Rows(QStringLiteral("SELECT fldExtraTime FROM Passwords")), QStringList{"0"});
    }

    void commandLine()
    {
        TestEnv env;
        const qint64 ann = env.AddStudent(QStringLiteral("Ann Lee"), QStringLiteral("a"));
        const qint64 test = env.AddTest(QStringLiteral("Biology"), 40);
        env.AddTest(QStringLiteral("Chemistry"), 40);
        const auto run = [&env](const QStringList& arguments) {
            const ToolRun ran = RunAdminTool(env, arguments);
            return QString::number(ran.code) + u' ' + ran.out + ran.err;
        };
        QCOMPARE(run({"extra-time", "Ann Lee"}), QStringLiteral("0 Ann Lee has 0% extra time.\n"));
        QCOMPARE(run({"extra-time", QString::number(ann), "25"}), QStringLiteral("0 %1 now has 25% extra time.\n").arg(ann));
        for (const char* wrong : {"401", "-50", "7x", "2.5"})
            QCOMPARE(run({"extra-time", "Ann Lee", QString::fromLatin1(wrong)}),
                     QStringLiteral("2 vornick-admin: extra time is a whole number from 0 to 400. See vornick-admin --help.\n"));
        QCOMPARE(run({"extra-time", "Ann Lee", "400"}), QStringLiteral("0 Ann Lee now has 400% extra time.\n"));
        QCOMPARE(run({"extra-time", "Ann Lee", "25"}), QStringLiteral("0 Ann Lee now has 25% extra time.\n"));
        QCOMPARE(run({"extra-time", "Nobody", "10"}), QStringLiteral("1 vornick-admin: no student is numbered or named \"Nobody\".\n"));
        QCOMPARE(env.Scalar(QStringLiteral("SELECT fldExtraTime FROM Passwords")).toInt(), 25);

        QCOMPARE(run({"attempts"}), QStringLiteral("0 No attempt is in progress.\n"));
        QCOMPARE(run({"more-time", "Ann Lee", "Biology", "5"}),
                 QStringLiteral("1 vornick-admin: Ann Lee has not begun \"Biology\"; nothing was changed.\n"));
        AddAttempt(env, ann, test, QVariant(), {"1231C", "1231C", "2311X", QVariant(), QVariant()});
        env.Exec(QStringLiteral("UPDATE Results SET fldDeadline = ?, fldMinutesGiven = 50"), {DbNow(env) + 600});
        for (const char* minutes : {"0", "601", "x"})
            QCOMPARE(run({"more-time", "Ann Lee", "Biology", QString::fromLatin1(minutes)}),
                     QStringLiteral("2 vornick-admin: more time is a whole number of minutes from 1 to 600. See vornick-admin --help.\n"));
        QCOMPARE(run({"more-time", "Ann Lee", "Biology", "600"}), QStringLiteral("0 Gave Ann Lee 600 more minutes on \"Biology\".\n"));
        QCOMPARE(env.Scalar(QStringLiteral("SELECT fldMinutesGiven FROM Results")).toInt(), 650);
        QVERIFY(Near(SecondsToDeadline(env, ann, test), 36600));
        const QStringList listed = run({"attempts"}).split(u'\n');
        QCOMPARE(listed.value(0), QStringLiteral("0 Student\tTest\tBegan\tAnswered\tTime left"));
        QVERIFY2(listed.value(1).startsWith(QStringLiteral("Ann Lee\tBiology\t")) && listed.value(1).contains(QStringLiteral("\t3\t6")),
                 qPrintable(listed.value(1)));

        QCOMPARE(run({"finish", "Ann Lee", "Chemistry"}),
                 QStringLiteral("1 vornick-admin: Ann Lee has not begun \"Chemistry\"; nothing was changed.\n"));
        QCOMPARE(run({"finish", "Ann Lee", "Biology"}), QStringLiteral("0 Finished Ann Lee's attempt at \"Biology\".\n"));
        QCOMPARE(env.Scalar(QStringLiteral("SELECT fldGrade FROM Results")).toInt(), 8);
        QCOMPARE(run({"finish", "Ann Lee", "Biology"}),
                 QStringLiteral("1 vornick-admin: Ann Lee's attempt at \"Biology\" is finished already; nothing was changed.\n"));
        QCOMPARE(run({"more-time", "Ann Lee", "Biology", "5"}),
                 QStringLiteral("1 vornick-admin: Ann Lee's attempt at \"Biology\" is finished already; nothing was changed.\n"));
        QCOMPARE(env.Scalar(QStringLiteral("SELECT fldMinutesGiven FROM Results")).toInt(), 650);
    }
};

QTEST_MAIN(TestExamDay)
#include "test_examday.moc"
