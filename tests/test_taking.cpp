// Taking a test on the real screens: the test on the row picked (rows carry
// their test's number; a test that is gone or cannot run is refused before
// anything is written), answer order, records stored, countdown, grading; then
// the review of a finished test, records well-formed and malformed.
#include "StudentDesk.h"
#include "TestEnv.h"
#include "UserActions.h"
#include "app/ServerWait.h"
#include "app/Module1.h"
#include "desktop/QtPlatform.h"
#include "screens/Screens.h"
#include "screens/SlotScreen.h"
#include "screens/frmAnswers.h"
#include "screens/frmMain.h"
#include "screens/frmQuestions.h"
#include "screens/frmQuestionsIntro.h"
#include "screens/frmTestResults.h"

#include <QtTest>
#include <QtWidgets>

using namespace Module1;

namespace {

// Ada, signed in, with the test "Fractions"; Bob comes first so a row stored for the wrong student is not found.
struct Desk {
    TestEnv env;
    qint64 student = 0;

    explicit Desk(int minutes = 30)
    {
        env.AddStudent(QStringLiteral("Bob"), QStringLiteral("pw2"));
        student = env.AddStudent(QStringLiteral("Ada"), QStringLiteral("pw"));
        env.AddTest(QStringLiteral("Fractions"), minutes);
        SignIn(env, student);
    }
    frmQuestions& Take() { return ::Take(env, QStringLiteral("Fractions")); }
    QStringList Stored(const QString& fields)
    {
        return env.Rows(QStringLiteral("SELECT %1 FROM Results WHERE fldStudentNumber = ?").arg(fields), {student});
    }
};

qint64 ResultCount(TestEnv& env) { return env.Scalar(QStringLiteral("SELECT COUNT(*) FROM Results")).toLongLong(); }

// The slot on screen: its answer lines ("*" after the one in dark green, made
// readable on the light window as (0, 122, 0), 4.8:1; "?"
// after one neither dark green nor black), the chosen line and its number's colour.
QString Shown(const frmAnswers& review)
{
    QStringList lines;
    for (const QLabel* line : {review.lblAnswer1, review.lblAnswer2, review.lblAnswer3}) {
        const QColor colour = TextColour(*line);
        lines << line->text() + (colour == QColor(0, 122, 0) ? "*" : colour == QColor(0, 0, 0) ? "" : "?");
    }
    const QColor number = TextColour(*review.lblQuestionNumber[static_cast<std::size_t>(review.CurrentQuestion - 1)]);
    return lines.join(u'|') + QStringLiteral(" %1 ").arg(ChosenLine(review.optAnswer))
        + (number == QColor(0, 153, 0) ? "green" : number == QColor(255, 0, 0) ? "red" : "?");
}

}

class TestTaking : public QObject {
    Q_OBJECT

private slots:
    // Take refuses silently with no row picked. An unanswered slot is drawn
    // afresh at every showing (a repeated second digit drawn again, the top draw
    // giving 3). An answer is stored when its slot is left (< and > idle at
    // either end); an answer's text chooses its line.
    void slotDepartures()
    {
        if (TestEnv::LabRun()) QSKIP("the program's draws; a lab's server draws and keeps the orders (test_labpath, test_labsafe)");
        Desk desk;
        desk.env.Exec(QStringLiteral("UPDATE Tests SET fldQ25 = NULL, fldQ25Answer = NULL, fldQ25Phony1 = '', "
                                     "fldQ25Phony2 = NULL"));
        desk.env.fake.draws = {0.1f, 0.5f, 0.1f, 0.9f, 0.5f, 0.4f, 0.1f, 0.5f, 0.9f, 0.99999994f, 0.1f, 0.9f, 0.5f};
        frmMain& home = Home();
        Click(home.cmdTakeTest);
        QVERIFY(home.isVisible() && !Screens::IsLoaded<frmQuestions>() && desk.env.fake.shown.empty());

        frmQuestions& screen = desk.Take();
        const int reseeds = desk.env.fake.randomizeCount;
        QStringList orders{ShownOrder(screen)};
        for (int showing = 2; showing <= 6; ++showing) {
            QTest::mouseClick(screen.lblQuestionNumber[0], Qt::LeftButton);
            orders << ShownOrder(screen);
        }
        QCOMPARE(orders, QStringLiteral("123 132 213 231 312 321").split(u' '));
        QCOMPARE(desk.env.fake.randomizeCount, reseeds + 5);

        QTest::mouseClick(screen.lblAnswer3, Qt::LeftButton);
        Click(screen.cmdPrev);
        QVERIFY(screen.CurrentQuestion == 1 && desk.Stored(QStringLiteral("fldQ1")) == QStringList{"NULL"});
        desk.env.fake.draws = {0.9f, 0.1f};  // from here the order 312 on every slot
        desk.env.fake.nextDraw = 0;
        QTest::mouseClick(screen.lblQuestionNumber[24], Qt::LeftButton);
        QCOMPARE(desk.Stored(QStringLiteral("fldQ1")), QStringList{"3213C"});
        QCOMPARE(TextColour(*screen.lblQuestionNumber[0]), QColor(0, 153, 0));  // green at 3:1 on the grey window

        // Slot 25 has Null and empty texts and can still be answered.
        for (const QLabel* text : {screen.lblQuestion, screen.lblAnswer1, screen.lblAnswer2, screen.lblAnswer3})
            QCOMPARE(text->text(), QString());
        QCOMPARE(ChosenLine(screen.optAnswer), 0);
        Choose(screen, 2);
        Click(screen.cmdNext);
        QVERIFY(screen.CurrentQuestion == 25 && desk.Stored(QStringLiteral("fldQ25")) == QStringList{"NULL"});
        Click(screen.cmdDone);
        QCOMPARE(desk.Stored(QStringLiteral("fldQ25, fldGrade")), QStringList{"3122C|8"});  // slots 1 and 25 right
    }

    // On the real platform, a test of one minute: the modal introduction (no
    // attempt stored while it is open), the countdown, "Time Is Up!" with the
    // selected answer stored; the clock stands still while the box is open, in
    // which the window is closed (which finishes as Done does); a late tick and
    // Done follow: graded once.
    void clock()
    {
        Desk desk(1);
        QtPlatform real(desk.env.fake.programFolder);
        SetPlatform(&real);
        frmMain& home = Home();
        QVERIFY(ClickRow(home, QStringLiteral("Fractions")));
        bool introWasModal = false;
        QTimer::singleShot(0, [&] {
            introWasModal = QApplication::activeModalWidget() == &Screens::Get<frmQuestionsIntro>()
                && Screens::Get<frmQuestionsIntro>().lblTime->text()
                    == QStringLiteral("You will be given 1 minutes to complete this test.")
                && desk.env.Scalar(QStringLiteral("SELECT COUNT(*) FROM Results")).toInt() == 0;
            Click(Screens::Get<frmQuestionsIntro>().cmdBegin);
        });
        Click(home.cmdTakeTest);
        frmQuestions& screen = Screens::Get<frmQuestions>();
        QVERIFY(introWasModal && screen.Timer1->isActive());
        QCOMPARE(screen.Timer1->interval(), 1000);
        ChooseRight(screen);

        QStringList messages;
        bool clockStopped = false;
        QTimer user;  // answers every message box that opens
        connect(&user, &QTimer::timeout, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                messages << box->windowTitle() + u'|' + box->text();
                clockStopped = !screen.Timer1->isActive();
                screen.close();
                box->accept();
            }
        });
        user.start(10);
        QStringList shown{screen.lblTime->text()};
        for (int tick = 1; tick <= 60; ++tick) {
            screen.Timer1_Timer();
            if (tick == 1 || tick == 50 || tick == 51 || tick == 60)
                shown << screen.lblTime->text();
        }
        QCOMPARE(shown, QStringLiteral("1:00 0:59 0:10 0:09 0:00").split(u' '));  // ticks 0, 1, 50, 51, 60
        QVERIFY(messages.isEmpty());
        // While a lost server is waited for, the clock holds at 0:00.
        QTimer::singleShot(0, [&] {
            screen.Timer1_Timer();
            screen.Timer1_Timer();
        });
        ServerWait::KeepScreensAliveFor(std::chrono::milliseconds(50));
        QVERIFY(messages.isEmpty());
        QCOMPARE(screen.lblTime->text(), QStringLiteral("0:00"));
        screen.Timer1_Timer();
        screen.Timer1_Timer();
        screen.cmdDone_Click();
        SetPlatform(&desk.env.fake);
        QVERIFY(messages == QStringList{QStringLiteral("VornickTest|Time Is Up!")} && clockStopped);
        QCOMPARE(desk.env.Rows(QStringLiteral("SELECT fldGrade FROM Results")), QStringList{"4"});
        ProcessEvents();
        QVERIFY(!Screens::IsLoaded<frmQuestions>() && home.isVisible());
    }

    // Slots 1 to 8 hold these records; the record is read by position only.
    // The arrows stay put at either end; nothing changes the choice, colours
    // or record. Opened for the administrator, closing by the frame returns there.
    void recordsShownByPositionThenBackToTheOpener()
    {
        const QList<std::pair<QVariant, QString>> records{
            {QStringLiteral("3122C"), "P%1b|A%1*|P%1a 2 green"},  // right on line 2, chosen
            {QStringLiteral("3123X"), "P%1b|A%1*|P%1a 3 red"},
            {QVariant(), "A%1*|P%1a|P%1b 0 red"},  // unanswered
            {QStringLiteral("3122c"), "P%1b|A%1*|P%1a 2 red"},
            {QStringLiteral("9"), "|| 0 red"},
            {QStringLiteral("31x2C"), "P%1b|A%1*| 2 green"},
            {QStringLiteral("3127C"), "P%1b|A%1*|P%1a 0 green"},  // no line 7
            {QStringLiteral("\u0663\u0661\u0662\u0662C"), "|| 0 green"},  // digits of another script
        };
        TestEnv env;
        const qint64 student = env.AddStudent(QStringLiteral("Ada"), QStringLiteral("pw"));
        const qint64 result = env.Insert(QStringLiteral("INSERT INTO Results (fldStudentNumber, fldTestNumber, fldGrade, "
                                                        "fldDate) VALUES (?, ?, 40, '5/6/26')"),
                                         {student, env.AddTest(QStringLiteral("Fractions"))});
        for (int s = 1; s <= records.size(); ++s)
            env.Exec(QStringLiteral("UPDATE Results SET fldQ%1 = ? WHERE fldResultNumber = ?").arg(s),
                     {records[s - 1].first, result});
        SignIn(env, student);
        frmMain& home = Home();
        QVERIFY(ClickRow(home, QStringLiteral("Fractions")));
        Click(home.cmdReview);
        frmAnswers& review = Screens::Get<frmAnswers>();
        Click(review.cmdPrev);
        for (int s = 1; s <= records.size(); Click(review.cmdNext), ++s)
            QCOMPARE(Shown(review), records[s - 1].second.arg(s));

        QTest::mouseClick(review.optAnswer[1], Qt::LeftButton);
        QTest::mouseClick(review.lblAnswer1, Qt::LeftButton);
        QCOMPARE(ChosenLine(review.optAnswer), 0);
        QTest::mouseClick(review.lblQuestionNumber[1], Qt::LeftButton);
        QCOMPARE(Shown(review), QStringLiteral("P2b|A2*|P2a 3 red"));
        QTest::mouseClick(review.lblQuestionNumber[23], Qt::LeftButton);
        Click(review.cmdNext);
        Click(review.cmdNext);
        QCOMPARE(review.windowTitle() + u'|' + review.lblQuestion->text(), QStringLiteral("Results of: Fractions|Q25"));
        QCOMPARE(env.Scalar(QStringLiteral("SELECT fldQ2 FROM Results")).toString(), QStringLiteral("3123X"));

        // Closed by its frame, the review goes back to the screen that opened it.
        review.close();
        ProcessEvents();
        QVERIFY(!Screens::IsLoaded<frmAnswers>() && env.fake.shown.empty());
        QVERIFY(home.isVisible());
    }

    // Twins each start and review their own test (rows carry their test's number);
    // only the student's own row for the test is read to begin.
    void twinTitles()
    {
        TestEnv env;
        const qint64 ann = env.AddStudent(QStringLiteral("Ann"), QStringLiteral("1"));
        const qint64 other = env.AddStudent(QStringLiteral("Bo"), QStringLiteral("2"));
        const qint64 first = env.AddTest(QStringLiteral("Twin"));
        const qint64 second = env.AddTest(QStringLiteral("Twin"));
        env.Exec(QStringLiteral("UPDATE Tests SET fldQ1 = 'second twin' WHERE fldTestNumber = ?"), {second});
        for (const qint64 test : {first, second})
            env.Exec(QStringLiteral("INSERT INTO Results (fldStudentNumber, fldTestNumber, fldGrade) VALUES (?, ?, 8)"), {other, test});
        SignIn(env, ann);
        frmMain& home = Home();
        QCOMPARE(Rows(home.lstResults), QStringList(2, "Twin" + QString(37, u' ') + "Not Taken"));
        PickRow(home.lstResults, 1);
        frmQuestions& screen = TakePicked(env, home);
        QCOMPARE(screen.lblQuestion->text(), QStringLiteral("second twin"));
        Choose(screen, 1);
        Click(screen.cmdDone);
        QCOMPARE(env.Rows(QStringLiteral("SELECT fldTestNumber FROM Results WHERE fldStudentNumber = ?"), {ann}),
                 QStringList{QString::number(second)});
        QVERIFY(home.lstResults->item(0)->text().endsWith(QStringLiteral("Not Taken")));
        PickRow(home.lstResults, 1);
        Click(home.cmdReview);
        QCOMPARE(Screens::Get<frmAnswers>().lblQuestion->text(), QStringLiteral("second twin"));
        QCOMPARE(ChosenLine(Screens::Get<frmAnswers>().optAnswer), 1);  // Ann's answer, not Bo's empty row
    }

    // A test deleted or unfinished since the list was filled: a plain message,
    // the list refilled, nothing written; the student stays on the home screen.
    // A stored length the countdown cannot count (it never wraps around) is
    // refused at Take likewise.
    void goneOrUnrunnableTestsAreRefused()
    {
        TestEnv env;
        const qint64 ann = env.AddStudent(QStringLiteral("Ann"), QStringLiteral("1"));
        const qint64 deleted = env.AddTest(QStringLiteral("Deleted"));
        const qint64 drafted = env.AddTest(QStringLiteral("Drafted"));
        const qint64 reviewed = env.AddTest(QStringLiteral("Reviewed"));
        env.Exec(QStringLiteral("INSERT INTO Results (fldStudentNumber, fldTestNumber, fldGrade) VALUES (?, ?, 8)"), {ann, reviewed});
        SignIn(env, ann);
        frmMain& home = Home();
        QCOMPARE(home.lstResults->count(), 3);
        const std::array<std::pair<QString, QPushButton*>, 3> changes{
            {{QStringLiteral("DELETE FROM Tests WHERE fldTestNumber = %1").arg(deleted), home.cmdTakeTest},
             {QStringLiteral("UPDATE Tests SET fldTestName = '<Drafted>' WHERE fldTestNumber = %1").arg(drafted), home.cmdTakeTest},
             {QStringLiteral("DELETE FROM Tests WHERE fldTestNumber = %1").arg(reviewed), home.cmdReview}}};
        for (const auto& [change, button] : changes) {
            env.Exec(change);
            const int before = home.lstResults->count();
            PickRow(home.lstResults, 0);
            Click(button);
            QCOMPARE(env.fake.shown.back().text, QStringLiteral("This test is no longer available."));
            QCOMPARE(home.lstResults->count(), before - 1);
            QVERIFY(home.isVisible() && !Screens::IsLoaded<frmQuestions>() && !Screens::IsLoaded<frmAnswers>());
        }

        // Finished on another workstation since the list was filled: nothing
        // opens, and the refilled list shows the grade.
        const qint64 elsewhere = env.AddTest(QStringLiteral("Elsewhere"));
        home.Load_Test_List();
        env.Exec(QStringLiteral("INSERT INTO Results (fldStudentNumber, fldTestNumber, fldGrade, fldDate) VALUES (?, ?, 60, '12/6/26')"),
                 {ann, elsewhere});
        PickRow(home.lstResults, 0);
        Click(home.cmdTakeTest);
        QVERIFY(home.isVisible() && !Screens::IsLoaded<frmQuestions>());
        QCOMPARE(Rows(home.lstResults), QStringList{"Elsewhere" + QString(32, u' ') + "60" + QString(12, u' ') + "12/6/26"});

        const qint64 algebra = env.AddTest(QStringLiteral("Algebra"));
        home.Load_Test_List();
        QVariantList lengths{-5, 32768, QVariant(QMetaType(QMetaType::Int))};
        if (!env.OnServer())  // a server's whole-number column holds no text or fraction
            lengths << QStringLiteral("thirty") << 12.5;
        for (const QVariant& stored : lengths) {
            env.Exec(QStringLiteral("UPDATE Tests SET fldTime = ? WHERE fldTestNumber = ?"), {stored, algebra});
            QVERIFY(ClickRow(home, QStringLiteral("Algebra")));
            Click(home.cmdTakeTest);
            QCOMPARE(env.fake.shown.back().text, QStringLiteral("This test cannot be started: its length is not a whole number "
                                                                "of minutes from 0 to 32767.\nPlease tell your teacher."));
            QVERIFY(home.isVisible() && !Screens::IsLoaded<frmQuestions>() && !env.fake.ended);
        }
        QCOMPARE(env.fake.shown.size(), 3 + std::size_t(lengths.size()));

        QCOMPARE(ResultCount(env), 2);
    }
};

QTEST_MAIN(TestTaking)
#include "test_taking.moc"
