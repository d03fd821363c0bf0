// A whole school day, end to end, through the real widgets: the administrator
// prepares two students and two tests, both students take the finished test
// (one finishes with Done, one runs out of time) and review it, and the
// administrator views, prints and deletes. After every step the whole
// database is compared with the rows the day should have left, not only the
// screens. The steps run in order and share one database, as a day does.
#include "StudentDesk.h"
#include "TestEnv.h"
#include "UserActions.h"
#include "app/ListRows.h"
#include "app/Module1.h"
#include "screens/Screens.h"
#include "screens/SlotScreen.h"
#include "screens/frmAdmin.h"
#include "screens/frmAnswers.h"
#include "screens/frmEntry.h"
#include "screens/frmMain.h"
#include "screens/frmNewTest.h"
#include "screens/frmNewTestIntro.h"
#include "screens/frmQuestions.h"
#include "screens/frmQuestionsIntro.h"
#include "screens/frmTestResults.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <memory>

using namespace Module1;

namespace {

constexpr int Slots = 25;
const QString Complete = QStringLiteral("Fractions");
const QString Description = QStringLiteral("Simplify first. Two minutes.");

// The texts typed into slot s: the question (0), the right answer (1) and
// the two wrong ones (2, 3), as the order digits number them.
QString SlotText(int s, int part)
{
    static const QStringList patterns{QStringLiteral("Q%1"), QStringLiteral("A%1"), QStringLiteral("P%1a"),
                                      QStringLiteral("P%1b")};
    return patterns[part].arg(s);
}

using Records = QMap<int, QString>;  // slot -> the answer record the choices built

QString RecordOf(const QString& order, int line)
{
    return order + QString::number(line) + (order.at(line - 1) == u'1' ? u'C' : u'X');
}

int GradeOf(const Records& records)
{
    return 4 * static_cast<int>(std::count_if(records.begin(), records.end(),
                                              [](const QString& record) { return record.endsWith(u'C'); }));
}

// A student and their attempt at the complete test, as the database should hold them.
struct Student {
    Student(const QString& n, const QString& p) : name(n), password(p) {}
    QString name;
    QString password;
    qint64 number = 0;
    Records records;  // the attempt's row is inserted by the first answer stored
    bool finished = false;
    bool resultDeleted = false;
    bool deleted = false;
    bool HasAccount() const { return number != 0 && !deleted; }
    bool HasResult() const { return !resultDeleted && !records.isEmpty(); }
};

struct TestRow {
    QString name;
    QString description;
    int minutes = 0;
    int written = 0;  // slots 1 to `written` hold their texts, the rest Null
};

void Type(QPlainTextEdit* box, const QString& text)
{
    box->clear();
    QTest::keyClicks(box, text);
}

QStringList Rows(const QListWidget* list)
{
    QStringList rows;
    for (int i = 0; i < list->count(); ++i)
        rows << list->item(i)->text();
    return rows;
}

void Leave(QWidget* screen)
{
    Click(screen->findChild<QPushButton*>(QStringLiteral("cmdExit")));
    ProcessEvents();
}

}

// Stops the calling test function when a helper's check has failed.
#define STEP(call) do { call; if (QTest::currentTestFailed()) return; } while (false)

class TestSchoolDay : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase() { env_.reset(); }
    void init();
    void cleanup() { dayBroken_ = dayBroken_ || QTest::currentTestFailed(); }
    void administratorPreparesTheDay();
    void firstStudentFinishesWithDoneAndReviews();
    void secondStudentRunsOutOfTimeAndReviews();
    void administratorViewsPrintsAndDeletes();

private:
    // Passwords, Tests and Results hold exactly the rows the day expects, no
    // result points at a student or test that is gone, and nothing unexpected
    // happened on the screens.
    void ExpectDatabase()
    {
        QStringList passwords, tests, results;
        for (const Student* student : {&ada_, &bo_}) {
            if (student->HasAccount())
                passwords << QStringList{QString::number(student->number), student->name, student->password}.join(u'|');
            if (!student->HasResult())
                continue;
            QStringList row{QString::number(student->number), QString::number(fractions_)};
            for (int s = 1; s <= Slots; ++s)
                row << student->records.value(s, QStringLiteral("NULL"));
            row << (student->finished ? QString::number(GradeOf(student->records)) : QStringLiteral("NULL"))
                << (student->finished ? env_->fake.today : QStringLiteral("NULL"));
            results << row.join(u'|');
        }
        for (auto it = tests_.cbegin(); it != tests_.cend(); ++it) {
            QStringList row{QString::number(it.key()), it->name, it->description, QString::number(it->minutes)};
            for (int s = 1; s <= Slots; ++s)
                for (int part = 0; part < 4; ++part)
                    row << (s <= it->written ? SlotText(s, part) : QStringLiteral("NULL"));
            tests << row.join(u'|');
        }
        QCOMPARE(env_->Rows(QStringLiteral("SELECT * FROM Passwords ORDER BY fldStudentNumber")), passwords);
        QCOMPARE(env_->Rows(QStringLiteral("SELECT * FROM Tests ORDER BY fldTestNumber")), tests);
        QStringList stored = env_->Rows(QStringLiteral("SELECT * FROM Results ORDER BY fldResultNumber"));
        for (QString& row : stored)
            row = row.section(u'|', 1);  // the row's own key is not the day's concern
        QCOMPARE(stored, results);
        QCOMPARE(env_->Rows(QStringLiteral(
                     "SELECT fldResultNumber FROM Results r WHERE NOT EXISTS "
                     "(SELECT 1 FROM Passwords p WHERE p.fldStudentNumber = r.fldStudentNumber) "
                     "OR NOT EXISTS (SELECT 1 FROM Tests t WHERE t.fldTestNumber = r.fldTestNumber)")),
                 QStringList());
        QCOMPARE(env_->fake.unexpected, QStringList());
        QVERIFY(!env_->fake.ended);
        QVERIFY(env_->fake.answers.empty() && env_->fake.modalUsers.empty());
    }
    qint64 NumberOf(const QString& table, const QString& name)
    {
        const QString sql = table == QLatin1String("Tests")
            ? QStringLiteral("SELECT fldTestNumber FROM Tests WHERE fldTestName = ?")
            : QStringLiteral("SELECT fldStudentNumber FROM Passwords WHERE fldStudentName = ?");
        return env_->Scalar(sql, {name}).toLongLong();
    }
    frmMain& SignsIn(const Student& student)
    {
        frmEntry& entry = Screens::Get<frmEntry>();
        [&] { QVERIFY(entry.isVisible()); }();
        TypeInto(entry.txtName, student.name);
        TypeInto(entry.txtPassword, student.password);
        QTest::keyClick(entry.txtPassword, Qt::Key_Return);
        frmMain& home = Screens::Get<frmMain>();
        [&] {
            QVERIFY(home.isVisible() && !entry.isVisible());
            QCOMPARE(home.windowTitle(), QStringLiteral("Test Results For ") + student.name);
        }();
        return home;
    }
    // The introduction filled in and Next pressed: the test's row is stored at once.
    frmNewTest& StartTest(frmAdmin& admin, const QString& name, const QString& description, int minutes)
    {
        env_->fake.modalUsers.push_back([=](QWidget& window) {
            auto& intro = static_cast<frmNewTestIntro&>(window);
            QVERIFY(intro.txtTestName->text().isEmpty());
            TypeInto(intro.txtTestName, name);
            Type(intro.txtDescription, description);
            TypeInto(intro.txtMinutes, QString::number(minutes));
            Click(intro.cmdNext);
        });
        Click(admin.cmdAddTest);
        const qint64 number = NumberOf(QStringLiteral("Tests"), name);
        tests_[number] = {name, description, minutes, 0};
        (name == Complete ? fractions_ : decimals_) = number;
        return Screens::Get<frmNewTest>();
    }
    // Slots 1 to `typed` typed; each >> stores the slot it leaves, and only that.
    void WriteSlots(frmNewTest& editor, qint64 test, int typed)
    {
        QVERIFY(editor.isVisible());
        STEP(ExpectDatabase());
        for (int s = 1; s <= typed; ++s) {
            QCOMPARE(editor.lblQuestion->text(), QStringLiteral("Question %1").arg(s));
            Type(editor.txtQuestion, SlotText(s, 0));
            Type(editor.txtAnswer, SlotText(s, 1));
            Type(editor.txtPhony1, SlotText(s, 2));
            Type(editor.txtPhony2, SlotText(s, 3));
            if (s == typed)
                break;
            Click(editor.cmdNext);
            tests_[test].written = s;
            STEP(ExpectDatabase());
        }
    }
    frmQuestions& BeginTest(frmMain& home)
    {
        [&] { QVERIFY(ClickRow(home, Complete)); }();
        env_->fake.modalUsers.push_back([](QWidget& window) {
            auto& intro = static_cast<frmQuestionsIntro&>(window);
            QCOMPARE(intro.windowTitle(), Complete);
            QCOMPARE(intro.lblDescription->text(), Description);
            QCOMPARE(intro.lblTime->text(), QStringLiteral("You will be given 2 minutes to complete this test."));
            Click(intro.cmdBegin);
        });
        Click(home.cmdTakeTest);
        frmQuestions& screen = Screens::Get<frmQuestions>();
        // The countdown is ticked by hand, never by the wall clock.
        screen.Timer1->stop();
        [&] {
            QVERIFY(screen.isVisible() && !home.isVisible());
            QCOMPARE(screen.windowTitle(), Complete);
            QCOMPARE(screen.lblTime->text(), QStringLiteral("2:00"));
        }();
        return screen;
    }
    // Picks the line showing `digit` and leaves the slot with `leave`; the
    // record is stored at once.
    void Answer(frmQuestions& screen, Student& student, QChar digit, QPushButton* leave)
    {
        const int s = CurrentQuestion;
        QCOMPARE(screen.QuestionNumber->text(), QStringLiteral("Question %1").arg(s));
        QCOMPARE(screen.lblQuestion->text(), SlotText(s, 0));
        const QString order = ShownOrder(screen);
        QVERIFY2(order.contains(u'1') && order.contains(u'2') && order.contains(u'3'), qPrintable(order));
        const int line = static_cast<int>(order.indexOf(digit)) + 1;
        Choose(screen, line);
        Click(leave);
        student.records[s] = RecordOf(order, line);
        student.finished = leave == screen.cmdDone;
        STEP(ExpectDatabase());
        // A slot left for another turns green; Done closes the screen instead.
        if (!student.finished)
            QCOMPARE(TextColour(*screen.lblQuestionNumber[static_cast<std::size_t>(s - 1)]), SlotColours::Right());
    }
    // A taken test cannot be taken again; its review shows what is stored.
    void ReviewsOwnTest(frmMain& home, const Student& student)
    {
        QCOMPARE(Rows(home.lstResults), QStringList{TakenRow(student)});
        QVERIFY(ClickRow(home, Complete));
        Click(home.cmdTakeTest);
        QVERIFY(!Screens::IsLoaded<frmQuestions>());
        Click(home.cmdReview);
        QVERIFY(!home.isVisible());
        STEP(ExpectReview(Screens::Get<frmAnswers>(), student.records));
        Click(Screens::Get<frmAnswers>().cmdDone);
        ProcessEvents();
        QVERIFY(!Screens::IsLoaded<frmAnswers>());
        QVERIFY(home.isVisible());
        STEP(ExpectDatabase());  // neither the refused Take nor the review stored anything
        Leave(&home);
    }
    // Steps through all 25 slots with >>>: each slot number is green when its
    // record is right and red otherwise; each slot shows its question, its
    // answers in the stored order (the right one dark green) and the choice.
    void ExpectReview(frmAnswers& review, const Records& records)
    {
        QVERIFY(review.isVisible());
        QCOMPARE(review.windowTitle(), QStringLiteral("Results of: ") + Complete);
        for (int s = 1; s <= Slots; ++s)
            QCOMPARE(TextColour(*review.lblQuestionNumber[static_cast<std::size_t>(s - 1)]),
                     records.value(s).endsWith(u'C') ? SlotColours::Right() : SlotColours::Missed());
        for (int s = 1; s <= Slots; ++s) {
            if (s > 1)
                Click(review.cmdNext);
            QCOMPARE(review.QuestionNumber->text(), QStringLiteral("Question %1").arg(s));
            QCOMPARE(review.lblQuestion->text(), SlotText(s, 0));
            const QString record = records.value(s);
            // An unanswered slot shows the answers in their stored order, nothing chosen.
            const QString order = record.isEmpty() ? QStringLiteral("123") : record.left(3);
            const std::array<QLabel*, 3> lines{review.lblAnswer1, review.lblAnswer2, review.lblAnswer3};
            for (int k = 0; k < 3; ++k) {
                const QLabel& line = *lines[static_cast<std::size_t>(k)];
                QCOMPARE(line.text(), SlotText(s, order.at(k).digitValue()));
                QCOMPARE(TextColour(line), order.at(k) == u'1' ? SlotColours::RightLine() : SlotColours::OtherLine());
            }
            QCOMPARE(ChosenLine(review.optAnswer), record.isEmpty() ? 0 : record.mid(3, 1).toInt());
        }
    }
    QString TakenRow(const Student& student) const
    {
        return ResultsRow::Taken(Complete, QString::number(GradeOf(student.records)), env_->fake.today);
    }

    std::unique_ptr<TestEnv> env_;
    bool dayBroken_ = false;
    Student ada_{QStringLiteral("Ada Lind"), QStringLiteral("rowan")};
    Student bo_{QStringLiteral("Bo Quist"), QStringLiteral("elm7")};
    QMap<qint64, TestRow> tests_;
    qint64 fractions_ = 0;
    qint64 decimals_ = 0;
};

// ---- the day -----------------------------------------------------------------

void TestSchoolDay::initTestCase()
{
    env_ = std::make_unique<TestEnv>();
    // Three draws give the orders 123, 312 and 231 in turn.
    env_->fake.draws = {0.1f, 0.5f, 0.9f};
}

void TestSchoolDay::init()
{
    if (dayBroken_)
        QSKIP("an earlier step of the day failed");
}

void TestSchoolDay::administratorPreparesTheDay()
{
    STEP(ExpectDatabase());
    frmAdmin& admin = SignInAdmin();
    QVERIFY(admin.isVisible());
    QCOMPARE(admin.lstStudents->count() + admin.lstTests->count(), 0);

    // Two students: one saved with the button, one with Enter in each box.
    TypeInto(admin.txtName, ada_.name);
    TypeInto(admin.txtPassword, ada_.password);
    Click(admin.cmdAddStudent);
    ada_.number = NumberOf(QStringLiteral("Passwords"), ada_.name);
    STEP(ExpectDatabase());
    QVERIFY(admin.txtName->text().isEmpty());
    TypeInto(admin.txtName, bo_.name);
    QTest::keyClick(admin.txtName, Qt::Key_Return);
    TypeInto(admin.txtPassword, bo_.password);
    QTest::keyClick(admin.txtPassword, Qt::Key_Return);
    bo_.number = NumberOf(QStringLiteral("Passwords"), bo_.name);
    STEP(ExpectDatabase());
    QCOMPARE(admin.lstStudents->count(), 2);

    // The complete test: every slot written; complete, so Exit asks nothing.
    frmNewTest& editor = StartTest(admin, Complete, Description, 2);
    QVERIFY(!admin.isVisible());
    STEP(WriteSlots(editor, fractions_, Slots));
    const std::size_t boxesBefore = env_->fake.shown.size();
    Click(editor.cmdSave);
    QCOMPARE(env_->fake.shown.size(), boxesBefore);
    ProcessEvents();
    QVERIFY(!Screens::IsLoaded<frmNewTest>());
    QVERIFY(admin.isVisible());
    tests_[fractions_].written = Slots;
    STEP(ExpectDatabase());

    // The incomplete test: two slots written, a third typed but left by Exit
    // (so dropped), the question answered Yes, and the title marked.
    frmNewTest& second = StartTest(admin, QStringLiteral("Decimals"), QString(), 10);
    STEP(WriteSlots(second, decimals_, 3));
    env_->fake.answers.push_back(MsgAnswer::Yes);
    Click(second.cmdSave);
    QCOMPARE(env_->fake.shown.back().text,
             QStringLiteral("There are 23 questions left to write.\r\nAre you sure you want to exit?"));
    QCOMPARE(env_->fake.shown.back().title, QStringLiteral("Incomplete Test"));
    ProcessEvents();
    QVERIFY(!Screens::IsLoaded<frmNewTest>());
    tests_[decimals_].name = QStringLiteral("<Decimals>");
    STEP(ExpectDatabase());
    QCOMPARE(Rows(admin.lstTests), (QStringList{KeyedRow::Build(Complete, KeyedRow::TestGap, fractions_),
                                                KeyedRow::Build(QStringLiteral("<Decimals>"), KeyedRow::TestGap,
                                                                decimals_)}));
    Leave(&admin);
    QVERIFY(!Screens::IsLoaded<frmAdmin>());
    STEP(ExpectDatabase());
}

void TestSchoolDay::firstStudentFinishesWithDoneAndReviews()
{
    frmMain& home = SignsIn(ada_);
    // Only the complete test is open to students.
    QCOMPARE(Rows(home.lstResults), QStringList{ResultsRow::NotTaken(Complete)});
    frmQuestions& screen = BeginTest(home);
    STEP(ExpectDatabase());  // nothing stored before the first answer

    // Right on most slots, wrong on every fourth; slot 7 is answered right,
    // left, come back to by its number and changed to a wrong answer; slot
    // 24 is left unanswered; slot 25 is answered and finished with Done.
    for (int s = 1; s <= 23; ++s) {
        if (s == 8) {
            // On slot 8, unanswered: back to 7 by its number, which stores nothing.
            QTest::mouseClick(screen.lblQuestionNumber[6], Qt::LeftButton);
            QCOMPARE(CurrentQuestion, 7);
            STEP(ExpectDatabase());
            QVERIFY(TextColour(*screen.lblQuestionNumber[7]) != SlotColours::Right());
            // The slot comes back as it was left: its order kept, its line chosen.
            QCOMPARE(ShownOrder(screen), ada_.records[7].left(3));
            QCOMPARE(ChosenLine(screen.optAnswer), ada_.records[7].mid(3, 1).toInt());
            STEP(Answer(screen, ada_, u'3', screen.cmdNext));
        }
        QCOMPARE(CurrentQuestion, s);
        STEP(Answer(screen, ada_, s % 4 == 0 ? u'2' : u'1', screen.cmdNext));
    }
    Click(screen.cmdNext);
    QCOMPARE(CurrentQuestion, 25);
    STEP(ExpectDatabase());
    STEP(Answer(screen, ada_, u'1', screen.cmdDone));
    ProcessEvents();
    // 17 of slots 1 to 23 right (not 4, 7, 8, 12, 16, 20), and slot 25.
    QCOMPARE(GradeOf(ada_.records), 72);
    QVERIFY(!Screens::IsLoaded<frmQuestions>());
    QVERIFY(home.isVisible());
    STEP(ReviewsOwnTest(home, ada_));
}

void TestSchoolDay::secondStudentRunsOutOfTimeAndReviews()
{
    frmMain& home = SignsIn(bo_);
    // Ada's result is hers: Bo still sees the test as not taken.
    QCOMPARE(Rows(home.lstResults), QStringList{ResultsRow::NotTaken(Complete)});
    frmQuestions& screen = BeginTest(home);

    // Slots 1 to 10 answered, right on the even ones; on slot 11 the right
    // line is picked and the time runs out before the student leaves it.
    for (int s = 1; s <= 10; ++s)
        STEP(Answer(screen, bo_, s % 2 == 0 ? u'1' : u'3', screen.cmdNext));
    QCOMPARE(CurrentQuestion, 11);
    const QString order = ShownOrder(screen);
    ChooseRight(screen);
    screen.Timer1_Timer();
    QCOMPARE(screen.lblTime->text(), QStringLiteral("1:59"));
    const std::size_t boxesBefore = env_->fake.shown.size();
    for (int tick = 2; tick <= 120; ++tick)
        screen.Timer1_Timer();
    QCOMPARE(screen.lblTime->text(), QStringLiteral("0:00"));
    QCOMPARE(env_->fake.shown.size(), boxesBefore);
    STEP(ExpectDatabase());  // slot 11 not stored yet, nothing graded

    screen.Timer1_Timer();
    QCOMPARE(env_->fake.shown.size(), boxesBefore + 1);
    QCOMPARE(env_->fake.shown.back().text, QStringLiteral("Time Is Up!"));
    QCOMPARE(env_->fake.shown.back().buttons, MsgButtons::OK);
    ProcessEvents();
    bo_.records[11] = RecordOf(order, static_cast<int>(order.indexOf(u'1')) + 1);
    bo_.finished = true;
    QCOMPARE(GradeOf(bo_.records), 24);
    STEP(ExpectDatabase());
    QVERIFY(!Screens::IsLoaded<frmQuestions>());
    QVERIFY(home.isVisible());
    STEP(ReviewsOwnTest(home, bo_));
}

void TestSchoolDay::administratorViewsPrintsAndDeletes()
{
    frmAdmin& admin = SignInAdmin();
    // Both students' results viewed and printed; Bo's then deleted.
    for (Student* student : {&ada_, &bo_}) {
        PickRow(admin.lstStudents, RowOfNumber(admin.lstStudents, student->number));
        QCOMPARE(admin.txtName->text(), student->name);
        Click(admin.cmdView);
        frmTestResults& results = Screens::Get<frmTestResults>();
        QVERIFY(results.isVisible() && !admin.isVisible());
        QCOMPARE(results.windowTitle(), QStringLiteral("Test Results For ") + student->name);
        const QString row = ResultsRow::WithKey(TakenRow(*student), student->number, fractions_);
        QCOMPARE(Rows(results.lstResults), QStringList{row});
        PickRow(results.lstResults, 0);
        const std::size_t pages = env_->fake.printed.size();
        Click(results.cmdPrint);
        QCOMPARE(env_->fake.printed.size(), pages + 1);
        const QStringList lines = env_->fake.printed.back().PlainLines();
        QVERIFY2(lines.size() >= 2 && lines[1].contains(QStringLiteral("Test Results For ") + student->name)
                     && lines[1].contains(env_->fake.today) && lines.contains(QStringLiteral("    ") + row),
                 qPrintable(lines.join(u'\n')));
        QVERIFY(!results.lblPrinting->isVisible());
        STEP(ExpectDatabase());

        if (student == &bo_) {
            // Bo's result goes; his account stays with the test not taken.
            PickRow(results.lstResults, 0);
            env_->fake.answers.push_back(MsgAnswer::Yes);
            Click(results.cmdDelete);
            QCOMPARE(env_->fake.shown.back().text, QStringLiteral("Are you sure you want to delete this test result?"));
            QCOMPARE(Rows(results.lstResults), QStringList{ResultsRow::NotTaken(Complete)});
            bo_.resultDeleted = true;
            STEP(ExpectDatabase());
        }
        Leave(&results);
        QVERIFY(!Screens::IsLoaded<frmTestResults>());
        QVERIFY(admin.isVisible());
    }

    // The second student goes.
    PickRow(admin.lstStudents, RowOfNumber(admin.lstStudents, bo_.number));
    env_->fake.answers.push_back(MsgAnswer::Yes);
    Click(admin.cmdDeleteStudent);
    QCOMPARE(env_->fake.shown.back().title, QStringLiteral("Delete The Current Student"));
    bo_.deleted = true;
    STEP(ExpectDatabase());
    QCOMPARE(Rows(admin.lstStudents), QStringList{KeyedRow::Build(ada_.name, KeyedRow::StudentGap, ada_.number)});

    // The complete test goes, and Ada's result of it with it.
    PickRow(admin.lstTests, RowOfNumber(admin.lstTests, fractions_));
    env_->fake.answers.push_back(MsgAnswer::Yes);
    Click(admin.cmdDeleteTest);
    QCOMPARE(env_->fake.shown.back().title, QStringLiteral("Delete The Selected Test"));
    tests_.remove(fractions_);
    ada_.resultDeleted = true;
    STEP(ExpectDatabase());
    QCOMPARE(Rows(admin.lstTests), QStringList{KeyedRow::Build(QStringLiteral("<Decimals>"), KeyedRow::TestGap,
                                                               decimals_)});
    Leave(&admin);

    // At the end of the day Ada has nothing left to take.
    frmMain& home = SignsIn(ada_);
    QCOMPARE(home.lstResults->count(), 0);
    Leave(&home);
    STEP(ExpectDatabase());
    QVERIFY(Screens::Get<frmEntry>().isVisible());
}

QTEST_MAIN(TestSchoolDay)
#include "test_schoolday.moc"
