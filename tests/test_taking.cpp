// Taking a test: the introduction, the answer order, the answer records
// stored at every slot departure, the countdown and the grading, driven
// through the real screens.
#include "StudentDesk.h"
#include "TestEnv.h"
#include "app/AnswerRecord.h"
#include "app/Module1.h"
#include "app/QtPlatform.h"
#include "screens/Screens.h"
#include "screens/SlotScreen.h"
#include "screens/frmMain.h"
#include "screens/frmQuestions.h"
#include "screens/frmQuestionsIntro.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>
#include <random>
#include <set>

using namespace Module1;

class TestTaking : public QObject {
    Q_OBJECT

private slots:
    void introductionThenSlotOne();
    void introductionClosedByFrameStartsTheTest();
    void drawFollowsTheDigitRule();
    void ordersAreFreshUntilAnswered();
    void recordsForRightAndWrongChoices();
    void answerIsStoredTheMomentTheSlotIsLeft();
    void arrowsAtBothEndsStoreNothing();
    void emptySlotCanBeAnsweredAndCounts();
    void grading_data();
    void grading();
    void changedAnswerIsRewritten();
    void countdownTexts();
    void timeUpStoresTheSelectedAnswer();
    void finishedExactlyOnce();
    void frameCloseDuringTimeUpMessage();
    void frameCloseFinishesTheAttempt();
    void takeRefusesOtherRows();
    void wholeAttemptOnTheRealPlatform();
};

namespace {

struct Desk {
    TestEnv env;
    qint64 student = 0;
    qint64 test = 0;

    explicit Desk(int minutes = 30, const QString& description = QStringLiteral("Read each question twice."))
    {
        student = env.AddStudent(QStringLiteral("Ada"), QStringLiteral("pw"));
        env.AddStudent(QStringLiteral("Bob"), QStringLiteral("pw2"));
        test = env.AddTest(QStringLiteral("Fractions"), minutes, description);
        SignIn(env, student);
    }
    QVariant Stored(const QString& field)
    {
        return env.Scalar(QStringLiteral("SELECT %1 FROM Results WHERE fldStudentNumber = ? AND fldTestNumber = ?")
                              .arg(field),
                          {student, test});
    }
};

// Each slot shown takes two draws with these: 0.9 then 0.1 give the order 312.
const std::vector<float> Order312{0.9f, 0.1f};

void ClickNumber(frmQuestions& screen, int slot)
{
    QTest::mouseClick(screen.lblQuestionNumber[static_cast<std::size_t>(slot - 1)], Qt::LeftButton);
}

bool IsGreen(const frmQuestions& screen, int slot)
{
    return TextColour(*screen.lblQuestionNumber[static_cast<std::size_t>(slot - 1)]) == SlotColours::Right();
}

int TimeUpMessages(const FakePlatform& fake)
{
    int count = 0;
    for (const auto& box : fake.shown)
        count += box.text == QStringLiteral("Time Is Up!") ? 1 : 0;
    return count;
}

QString HomeRowOf(const QString& testName)
{
    for (int i = 0; i < Screens::Get<frmMain>().lstResults->count(); ++i) {
        const QString row = Screens::Get<frmMain>().lstResults->item(i)->text();
        if (row.startsWith(testName + u' '))
            return row;
    }
    return {};
}

}

void TestTaking::introductionThenSlotOne()
{
    Desk desk;
    frmMain& home = Home();
    QVERIFY(ClickRow(home, QStringLiteral("Fractions")));
    bool homeHiddenDuringIntro = false;
    QString title, description, time, instructions;
    desk.env.fake.modalUsers.push_back([&](QWidget& form) {
        auto& intro = static_cast<frmQuestionsIntro&>(form);
        homeHiddenDuringIntro = !home.isVisible();
        title = intro.windowTitle();
        description = intro.lblDescription->text();
        time = intro.lblTime->text();
        instructions = intro.Label1->text();
        QCOMPARE(ResultRows(desk.env), 0);  // the new row waits for the first answer
        QTest::mouseClick(intro.cmdBegin, Qt::LeftButton);
    });
    QTest::mouseClick(home.cmdTakeTest, Qt::LeftButton);

    QVERIFY(homeHiddenDuringIntro);
    QCOMPARE(title, QStringLiteral("Fractions"));
    QCOMPARE(description, QStringLiteral("Read each question twice."));
    QCOMPARE(time, QStringLiteral("You will be given 30 minutes to complete this test."));
    QCOMPARE(instructions,
             QStringLiteral("You can advance the question using the buttons or by directly clicking on the number "
                            "of the question.  When answered, the number of the question will turn green.  If you "
                            "finish before time runs out, press the \"Done\" button."));
    QVERIFY(!Screens::IsLoaded<frmQuestionsIntro>());

    frmQuestions& screen = Screens::Get<frmQuestions>();
    QVERIFY(screen.isVisible());
    QVERIFY(!home.isVisible());
    QCOMPARE(screen.windowTitle(), QStringLiteral("Fractions"));
    QCOMPARE(screen.QuestionNumber->text(), QStringLiteral("Question 1"));
    QCOMPARE(screen.lblQuestion->text(), QStringLiteral("Q1"));
    QCOMPARE(screen.lblTime->text(), QStringLiteral("30:00"));
    QVERIFY(screen.Timer1->isActive());
    QCOMPARE(screen.Timer1->interval(), 1000);
    QCOMPARE(ChosenLine(screen.optAnswer), 0);
    for (int slot = 1; slot <= 25; ++slot)
        QCOMPARE(screen.lblQuestionNumber[static_cast<std::size_t>(slot - 1)]->text(), QString::number(slot));
    QCOMPARE(ResultRows(desk.env), 0);
    QVERIFY(desk.env.fake.unexpected.isEmpty());
}

void TestTaking::introductionClosedByFrameStartsTheTest()
{
    Desk desk(1);
    frmMain& home = Home();
    QVERIFY(ClickRow(home, QStringLiteral("Fractions")));
    QString time;
    desk.env.fake.modalUsers.push_back([&](QWidget& intro) {
        time = static_cast<frmQuestionsIntro&>(intro).lblTime->text();
        intro.close();
    });
    home.cmdTakeTest_Click();
    // " minutes " also for a test of one minute.
    QCOMPARE(time, QStringLiteral("You will be given 1 minutes to complete this test."));
    QVERIFY(!Screens::IsLoaded<frmQuestionsIntro>());
    QVERIFY(Screens::Get<frmQuestions>().isVisible());
    QCOMPARE(Screens::Get<frmQuestions>().lblTime->text(), QStringLiteral("1:00"));
}

void TestTaking::drawFollowsTheDigitRule()
{
    // The second digit is drawn again while it equals the first.
    std::vector<float> draws{0.5f, 0.4f, 0.6f, 0.0f};
    std::size_t next = 0;
    QCOMPARE(AnswerRecords::DrawOrder([&] { return draws[next++]; }), QStringLiteral("213"));
    QCOMPARE(next, std::size_t{4});
    // The largest single-precision draw below 1 still gives 3.
    draws = {0.99999994f, 0.0f};
    next = 0;
    QCOMPARE(AnswerRecords::DrawOrder([&] { return draws[next++]; }), QStringLiteral("312"));
}

void TestTaking::ordersAreFreshUntilAnswered()
{
    Desk desk;
    std::mt19937 generator(7);
    std::uniform_real_distribution<float> uniform(0.0f, 1.0f);
    desk.env.fake.draws.clear();
    for (int i = 0; i < 2000; ++i)
        desk.env.fake.draws.push_back(std::min(uniform(generator), 0.99999994f));
    frmQuestions& screen = Take(desk.env, QStringLiteral("Fractions"));

    std::set<QString> seen;
    int changes = 0;
    QString previous = ShownOrder(screen);
    for (int showing = 0; showing < 60; ++showing) {
        const int reseedsBefore = desk.env.fake.randomizeCount;
        ClickNumber(screen, 1);  // no choice: slot 1 shown again, in a new draw
        QCOMPARE(desk.env.fake.randomizeCount, reseedsBefore + 1);
        const QString order = ShownOrder(screen);
        QString sorted = order;
        std::sort(sorted.begin(), sorted.end());
        QCOMPARE(sorted, QStringLiteral("123"));
        seen.insert(order);
        changes += order != previous ? 1 : 0;
        previous = order;
    }
    QCOMPARE(seen.size(), std::size_t{6});
    QVERIFY(changes > 30);
    QVERIFY(!IsGreen(screen, 1));
    QCOMPARE(ResultRows(desk.env), 0);

    // Once answered, the slot keeps its order and choice at every showing.
    const QString answeredOrder = ShownOrder(screen);
    Choose(screen, 2);
    ClickNumber(screen, 2);
    for (int visit = 0; visit < 5; ++visit) {
        ClickNumber(screen, 1);
        QCOMPARE(ShownOrder(screen), answeredOrder);
        QVERIFY(screen.optAnswer[1]->isChecked());
        ClickNumber(screen, 2);
    }
}

void TestTaking::recordsForRightAndWrongChoices()
{
    QCOMPARE(AnswerRecords::Build(QStringLiteral("312"), 2), QStringLiteral("3122C"));
    QCOMPARE(AnswerRecords::Build(QStringLiteral("312"), 3), QStringLiteral("3123X"));
    QCOMPARE(AnswerRecords::Build(QStringLiteral("123"), 1), QStringLiteral("1231C"));

    Desk desk;
    desk.env.fake.draws = Order312;
    frmQuestions& screen = Take(desk.env, QStringLiteral("Fractions"));
    QCOMPARE(ShownOrder(screen), QStringLiteral("312"));
    QCOMPARE(screen.lblAnswer1->text(), QStringLiteral("P1b"));
    QCOMPARE(screen.lblAnswer2->text(), QStringLiteral("A1"));
    QCOMPARE(screen.lblAnswer3->text(), QStringLiteral("P1a"));
    QCOMPARE(AnswerRecord, QStringLiteral("312"));
    Choose(screen, 2);
    QTest::mouseClick(screen.cmdNext, Qt::LeftButton);
    // Clicking an answer's text chooses its line too.
    QTest::mouseClick(screen.lblAnswer3, Qt::LeftButton);
    QVERIFY(screen.optAnswer[2]->isChecked());
    QTest::mouseClick(screen.cmdNext, Qt::LeftButton);
    Choose(screen, 1);
    QTest::mouseClick(screen.cmdNext, Qt::LeftButton);
    QCOMPARE(desk.Stored(QStringLiteral("fldQ1")).toString(), QStringLiteral("3122C"));
    QCOMPARE(desk.Stored(QStringLiteral("fldQ2")).toString(), QStringLiteral("3123X"));
    QCOMPARE(desk.Stored(QStringLiteral("fldQ3")).toString(), QStringLiteral("3121X"));
    QCOMPARE(ResultRows(desk.env), 1);
    QCOMPARE(desk.Stored(QStringLiteral("fldStudentNumber")).toLongLong(), desk.student);
}

void TestTaking::answerIsStoredTheMomentTheSlotIsLeft()
{
    Desk desk;
    frmQuestions& screen = Take(desk.env, QStringLiteral("Fractions"));
    ClickNumber(screen, 3);
    QCOMPARE(screen.QuestionNumber->text(), QStringLiteral("Question 3"));
    QCOMPARE(ResultRows(desk.env), 0);  // nothing chosen on slot 1: nothing stored
    QVERIFY(!IsGreen(screen, 1));

    const QString order = ShownOrder(screen);
    ChooseRight(screen);
    ClickNumber(screen, 20);
    QCOMPARE(screen.QuestionNumber->text(), QStringLiteral("Question 20"));
    QCOMPARE(screen.lblQuestion->text(), QStringLiteral("Q20"));
    QCOMPARE(CurrentQuestion, std::int16_t{20});
    const QString expected = order + QString::number(order.indexOf(u'1') + 1) + QStringLiteral("C");
    QCOMPARE(desk.Stored(QStringLiteral("fldQ3")).toString(), expected);
    QVERIFY(desk.Stored(QStringLiteral("fldGrade")).isNull());
    QVERIFY(IsGreen(screen, 3));
    QVERIFY(!IsGreen(screen, 20));
    QCOMPARE(ChosenLine(screen.optAnswer), 0);

    // Clicking the number on screen stores the choice, turns it green and
    // shows the slot again; the row stays one row, updated in place.
    ChooseWrong(screen);
    ClickNumber(screen, 20);
    QCOMPARE(screen.QuestionNumber->text(), QStringLiteral("Question 20"));
    QVERIFY(IsGreen(screen, 20));
    QVERIFY(desk.Stored(QStringLiteral("fldQ20")).toString().endsWith(u'X'));
    QCOMPARE(ResultRows(desk.env), 1);
    QCOMPARE(desk.Stored(QStringLiteral("fldQ3")).toString(), expected);
}

void TestTaking::arrowsAtBothEndsStoreNothing()
{
    Desk desk;
    frmQuestions& screen = Take(desk.env, QStringLiteral("Fractions"));
    const QString order = ShownOrder(screen);
    Choose(screen, 1);
    QTest::mouseClick(screen.cmdPrev, Qt::LeftButton);
    QCOMPARE(screen.QuestionNumber->text(), QStringLiteral("Question 1"));
    QCOMPARE(ShownOrder(screen), order);
    QVERIFY(screen.optAnswer[0]->isChecked());
    QCOMPARE(ResultRows(desk.env), 0);
    QVERIFY(!IsGreen(screen, 1));

    QTest::mouseClick(screen.cmdNext, Qt::LeftButton);  // leaves slot 1 with its choice
    QCOMPARE(screen.QuestionNumber->text(), QStringLiteral("Question 2"));
    QCOMPARE(ResultRows(desk.env), 1);
    QTest::mouseClick(screen.cmdPrev, Qt::LeftButton);
    QCOMPARE(screen.QuestionNumber->text(), QStringLiteral("Question 1"));

    ClickNumber(screen, 25);
    Choose(screen, 3);
    QTest::mouseClick(screen.cmdNext, Qt::LeftButton);
    QCOMPARE(screen.QuestionNumber->text(), QStringLiteral("Question 25"));
    QVERIFY(screen.optAnswer[2]->isChecked());
    QVERIFY(desk.Stored(QStringLiteral("fldQ25")).isNull());
    QVERIFY(!IsGreen(screen, 25));
    QTest::mouseClick(screen.cmdPrev, Qt::LeftButton);
    QCOMPARE(screen.QuestionNumber->text(), QStringLiteral("Question 24"));
    QVERIFY(!desk.Stored(QStringLiteral("fldQ25")).isNull());
}

void TestTaking::emptySlotCanBeAnsweredAndCounts()
{
    Desk desk;
    desk.env.Exec(QStringLiteral("UPDATE Tests SET fldQ5 = NULL, fldQ5Answer = NULL, fldQ5Phony1 = '', "
                                 "fldQ5Phony2 = NULL"));
    desk.env.fake.draws = Order312;
    frmQuestions& screen = Take(desk.env, QStringLiteral("Fractions"));
    ClickNumber(screen, 5);
    QCOMPARE(screen.lblQuestion->text(), QString());
    QCOMPARE(screen.lblAnswer1->text(), QString());
    QCOMPARE(screen.lblAnswer2->text(), QString());
    QCOMPARE(AnswerRecord, QStringLiteral("312"));
    Choose(screen, 2);
    QTest::mouseClick(screen.cmdDone, Qt::LeftButton);
    QCOMPARE(desk.Stored(QStringLiteral("fldQ5")).toString(), QStringLiteral("3122C"));
    QCOMPARE(desk.Stored(QStringLiteral("fldGrade")).toInt(), 4);
}

void TestTaking::grading_data()
{
    QTest::addColumn<int>("right");
    QTest::addColumn<int>("wrong");
    QTest::newRow("nothing answered") << 0 << 0;
    QTest::newRow("seven right") << 7 << 5;
    QTest::newRow("all right") << 25 << 0;
}

void TestTaking::grading()
{
    QFETCH(int, right);
    QFETCH(int, wrong);
    Desk desk;
    desk.env.fake.today = QStringLiteral("3/9/27");
    frmQuestions& screen = Take(desk.env, QStringLiteral("Fractions"));
    for (int slot = 1; slot <= right + wrong; ++slot) {
        if (slot <= right)
            ChooseRight(screen);
        else
            ChooseWrong(screen);
        // The last slot answered is left by Done, which stores it first.
        if (slot < right + wrong)
            QTest::mouseClick(screen.cmdNext, Qt::LeftButton);
    }
    QTest::mouseClick(screen.cmdDone, Qt::LeftButton);

    QCOMPARE(ResultRows(desk.env), 1);
    QCOMPARE(desk.Stored(QStringLiteral("fldGrade")).toInt(), 4 * right);
    QCOMPARE(desk.Stored(QStringLiteral("fldDate")).toString(), QStringLiteral("3/9/27"));
    QCOMPARE(desk.Stored(QStringLiteral("fldTestNumber")).toLongLong(), desk.test);
    QStringList answeredSlots;
    for (int slot = 1; slot <= 25; ++slot)
        answeredSlots << QStringLiteral("CASE WHEN fldQ%1 IS NULL THEN 0 ELSE 1 END").arg(slot);
    QCOMPARE(desk.env.Scalar(QStringLiteral("SELECT ") + answeredSlots.join(u'+') + QStringLiteral(" FROM Results"))
                 .toInt(),
             right + wrong);

    // Back home: the test screen is gone and the row shows the score and date.
    ProcessEvents();
    QVERIFY(!Screens::IsLoaded<frmQuestions>());
    QVERIFY(Screens::Get<frmMain>().isVisible());
    const QString row = HomeRowOf(QStringLiteral("Fractions"));
    QCOMPARE(row.mid(41).section(u' ', 0, 0), QString::number(4 * right));
    QVERIFY(row.endsWith(QStringLiteral("3/9/27")));
}

void TestTaking::changedAnswerIsRewritten()
{
    Desk desk;
    desk.env.fake.draws = Order312;
    frmQuestions& screen = Take(desk.env, QStringLiteral("Fractions"));
    Choose(screen, 2);
    QTest::mouseClick(screen.cmdNext, Qt::LeftButton);
    QCOMPARE(desk.Stored(QStringLiteral("fldQ1")).toString(), QStringLiteral("3122C"));
    QTest::mouseClick(screen.cmdPrev, Qt::LeftButton);
    QVERIFY(screen.optAnswer[1]->isChecked());
    Choose(screen, 1);
    QVERIFY(!screen.optAnswer[1]->isChecked());
    QTest::mouseClick(screen.cmdNext, Qt::LeftButton);
    QCOMPARE(desk.Stored(QStringLiteral("fldQ1")).toString(), QStringLiteral("3121X"));
    QTest::mouseClick(screen.cmdDone, Qt::LeftButton);
    QCOMPARE(desk.Stored(QStringLiteral("fldGrade")).toInt(), 0);
    QCOMPARE(ResultRows(desk.env), 1);
}

void TestTaking::countdownTexts()
{
    {
        Desk desk(45);
        frmQuestions& screen = Take(desk.env, QStringLiteral("Fractions"));
        QCOMPARE(screen.lblTime->text(), QStringLiteral("45:00"));
        screen.Timer1_Timer();
        QCOMPARE(screen.lblTime->text(), QStringLiteral("44:59"));
    }
    {
        Desk desk(10);
        frmQuestions& screen = Take(desk.env, QStringLiteral("Fractions"));
        for (int tick = 0; tick < 55; ++tick)
            screen.Timer1_Timer();
        QCOMPARE(screen.lblTime->text(), QStringLiteral("9:05"));
        screen.Timer1_Timer();
        QCOMPARE(screen.lblTime->text(), QStringLiteral("9:04"));
    }
    {
        Desk desk(1);
        frmQuestions& screen = Take(desk.env, QStringLiteral("Fractions"));
        QCOMPARE(screen.lblTime->text(), QStringLiteral("1:00"));
        screen.Timer1_Timer();
        QCOMPARE(screen.lblTime->text(), QStringLiteral("0:59"));
        for (int tick = 1; tick < 50; ++tick)
            screen.Timer1_Timer();
        QCOMPARE(screen.lblTime->text(), QStringLiteral("0:10"));
        screen.Timer1_Timer();
        QCOMPARE(screen.lblTime->text(), QStringLiteral("0:09"));
        for (int tick = 51; tick < 60; ++tick)
            screen.Timer1_Timer();
        QCOMPARE(screen.lblTime->text(), QStringLiteral("0:00"));
        QCOMPARE(TimeUpMessages(desk.env.fake), 0);
        QCOMPARE(ResultRows(desk.env), 0);
        screen.Timer1_Timer();  // the 61st tick
        QCOMPARE(TimeUpMessages(desk.env.fake), 1);
        QCOMPARE(ResultRows(desk.env), 1);
        QVERIFY(Screens::Get<frmMain>().isVisible());
    }
}

void TestTaking::timeUpStoresTheSelectedAnswer()
{
    Desk desk(0);
    desk.env.fake.today = QStringLiteral("1/2/03");
    desk.env.fake.draws = Order312;
    frmQuestions& screen = Take(desk.env, QStringLiteral("Fractions"));
    QCOMPARE(screen.lblTime->text(), QStringLiteral("0:00"));
    Choose(screen, 2);
    screen.Timer1_Timer();

    QCOMPARE(desk.env.fake.shown.size(), std::size_t{1});
    QCOMPARE(desk.env.fake.shown[0].text, QStringLiteral("Time Is Up!"));
    QCOMPARE(desk.env.fake.shown[0].title, QString());  // the program's title
    QVERIFY(desk.env.fake.shown[0].buttons == MsgButtons::OK);
    QCOMPARE(desk.Stored(QStringLiteral("fldQ1")).toString(), QStringLiteral("3122C"));
    QCOMPARE(desk.Stored(QStringLiteral("fldGrade")).toInt(), 4);
    QCOMPARE(desk.Stored(QStringLiteral("fldDate")).toString(), QStringLiteral("1/2/03"));
    QVERIFY(!Screens::IsLoaded<frmQuestions>());
    QVERIFY(Screens::Get<frmMain>().isVisible());
    QVERIFY(HomeRowOf(QStringLiteral("Fractions")).endsWith(QStringLiteral("1/2/03")));
}

void TestTaking::finishedExactlyOnce()
{
    Desk desk(0);
    frmQuestions& screen = Take(desk.env, QStringLiteral("Fractions"));
    ChooseRight(screen);
    screen.Timer1_Timer();  // time up: finished
    QVERIFY(!screen.Timer1->isActive());
    // A late tick, Done and a frame close reach the screen before it is gone.
    screen.Timer1_Timer();
    screen.cmdDone_Click();
    screen.close();
    QCOMPARE(TimeUpMessages(desk.env.fake), 1);
    QCOMPARE(ResultRows(desk.env), 1);
    QCOMPARE(desk.Stored(QStringLiteral("fldGrade")).toInt(), 4);
    ProcessEvents();
    QVERIFY(!Screens::IsLoaded<frmQuestions>());
    QVERIFY(desk.env.fake.unexpected.isEmpty());
}

// The student closes the test window while "Time Is Up!" is open.
void TestTaking::frameCloseDuringTimeUpMessage()
{
    struct ClosingPlatform : FakePlatform {
        std::function<void()> whileShown;
        MsgAnswer MsgBox(const QString& text, MsgButtons buttons, const QString& title) override
        {
            if (whileShown)
                whileShown();
            return FakePlatform::MsgBox(text, buttons, title);
        }
    } closing;
    Desk desk(0);
    closing.programFolder = desk.env.fake.programFolder;
    frmQuestions& screen = Take(desk.env, QStringLiteral("Fractions"));
    screen.Timer1->start();
    bool clockStopped = false;
    closing.whileShown = [&] {
        clockStopped = !screen.Timer1->isActive();
        screen.close();
    };
    SetPlatform(&closing);
    ChooseRight(screen);
    screen.Timer1_Timer();
    SetPlatform(&desk.env.fake);

    QVERIFY(clockStopped);
    QCOMPARE(closing.shown.size(), std::size_t{1});
    QCOMPARE(ResultRows(desk.env), 1);
    QCOMPARE(desk.Stored(QStringLiteral("fldGrade")).toInt(), 4);
    QVERIFY(!Screens::IsLoaded<frmQuestions>());
    QVERIFY(Screens::Get<frmMain>().isVisible());
}

void TestTaking::frameCloseFinishesTheAttempt()
{
    Desk desk;
    desk.env.fake.draws = Order312;
    frmQuestions& screen = Take(desk.env, QStringLiteral("Fractions"));
    Choose(screen, 2);
    QTest::mouseClick(screen.cmdNext, Qt::LeftButton);
    Choose(screen, 2);
    screen.close();
    QCOMPARE(ResultRows(desk.env), 1);
    QCOMPARE(desk.Stored(QStringLiteral("fldQ2")).toString(), QStringLiteral("3122C"));
    QCOMPARE(desk.Stored(QStringLiteral("fldGrade")).toInt(), 8);
    QVERIFY(!desk.Stored(QStringLiteral("fldDate")).isNull());
    ProcessEvents();
    QVERIFY(!Screens::IsLoaded<frmQuestions>());
    QVERIFY(Screens::Get<frmMain>().isVisible());
    QVERIFY(desk.env.fake.shown.empty());
}

void TestTaking::takeRefusesOtherRows()
{
    Desk desk;
    desk.env.AddTest(QStringLiteral("Decimals"));
    desk.env.Insert(QStringLiteral("INSERT INTO Results (fldStudentNumber, fldTestNumber, fldGrade, fldDate) "
                                   "SELECT ?, fldTestNumber, 80, '1/1/26' FROM Tests WHERE fldTestName = 'Decimals'"),
                    {desk.student});
    frmMain& home = Home();
    QTest::mouseClick(home.cmdTakeTest, Qt::LeftButton);  // nothing selected
    QVERIFY(ClickRow(home, QStringLiteral("Decimals")));
    QTest::mouseClick(home.cmdTakeTest, Qt::LeftButton);  // already taken
    QVERIFY(home.isVisible());
    QVERIFY(!Screens::IsLoaded<frmQuestions>());
    QVERIFY(desk.env.fake.shown.empty());
    QVERIFY(desk.env.fake.unexpected.isEmpty());
    QCOMPARE(ResultRows(desk.env), 1);
}

// The real modal introduction and the real "Time Is Up!" box, each answered
// from inside its own event loop.
void TestTaking::wholeAttemptOnTheRealPlatform()
{
    Desk desk(0);
    QtPlatform real(desk.env.fake.programFolder);
    SetPlatform(&real);
    frmMain& home = Home();
    QVERIFY(ClickRow(home, QStringLiteral("Fractions")));
    bool introWasModal = false;
    QTimer::singleShot(0, [&] {
        auto& intro = Screens::Get<frmQuestionsIntro>();
        introWasModal = intro.isVisible() && QApplication::activeModalWidget() == &intro;
        QTest::mouseClick(intro.cmdBegin, Qt::LeftButton);
    });
    QTest::mouseClick(home.cmdTakeTest, Qt::LeftButton);
    QVERIFY(introWasModal);
    ProcessEvents();  // the event loop runs between the start and the first tick
    frmQuestions& screen = Screens::Get<frmQuestions>();
    QVERIFY(screen.isVisible());
    QVERIFY(screen.Timer1->isActive());
    ChooseRight(screen);

    QString message;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        message = box->windowTitle() + u'|' + box->text();
        box->accept();
    });
    screen.Timer1_Timer();
    SetPlatform(&desk.env.fake);
    QCOMPARE(message, QStringLiteral("VornickTest|Time Is Up!"));
    QCOMPARE(desk.Stored(QStringLiteral("fldGrade")).toInt(), 4);
    QVERIFY(!desk.Stored(QStringLiteral("fldDate")).toString().isEmpty());
    QVERIFY(home.isVisible());
}

QTEST_MAIN(TestTaking)
#include "test_taking.moc"
