// A whole school day through the real widgets, its steps in order on one
// database: the administrator prepares, two students take a test and review
// it, the administrator views, prints and deletes. After every step the whole
// database is compared with the rows the day should have left.
#include "StudentDesk.h"
#include "TestEnv.h"
#include "UserActions.h"
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
#include "screens/frmTestResults.h"

#include <QtTest>
#include <QtWidgets>

using namespace Module1;

namespace {

constexpr int Slots = 25;
const QString Complete = QStringLiteral("Fractions");

// Slot s's question (0), right answer (1) and wrong ones (2, 3), as the order digits number them.
QString SlotText(int s, int part)
{
    return QStringList{QStringLiteral("Q%1"), QStringLiteral("A%1"), QStringLiteral("P%1a"), QStringLiteral("P%1b")}[part].arg(s);
}

QString RecordOf(const QString& order, int line)
{
    return order + QString::number(line) + (order.at(line - 1) == u'1' ? u'C' : u'X');
}

int GradeOf(const QMap<int, QString>& records)
{
    return 4 * static_cast<int>(std::count_if(records.begin(), records.end(), [](const QString& r) { return r.endsWith(u'C'); }));
}

// A student and their attempt, as the database should hold them: number 0
// once deleted, no records once the result is deleted.
struct Student {
    Student(const QString& n, const QString& p) : name(n), password(p) {}
    QString name, password;
    qint64 number = 0;
    QMap<int, QString> records;  // slot -> record
    bool begun = false;  // the row is stored when the test screen opens
    bool finished = false;
};

struct TestState {
    QString name;
    int minutes = 0, written = 0;  // slots 1 to `written` hold their texts, the rest Null
};

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
    void init() { if (dayBroken_) QSKIP("an earlier step of the day failed"); }
    void cleanup() { dayBroken_ = dayBroken_ || QTest::currentTestFailed(); }

    void administratorPreparesTheDay()
    {
        frmAdmin& admin = SignInAdmin();
        // Two students: one saved with the button, one with Enter in each box.
        const QString studentByName = QStringLiteral("SELECT fldStudentNumber FROM Passwords WHERE fldStudentName = ?");
        TypeInto(admin.txtName, ada_.name);
        TypeInto(admin.txtPassword, ada_.password);
        Click(admin.cmdAddStudent);
        ada_.number = NumberOf(studentByName, ada_.name);
        STEP(ExpectDatabase());
        QVERIFY(admin.txtName->text().isEmpty());
        TypeInto(admin.txtName, bo_.name);
        QTest::keyClick(admin.txtName, Qt::Key_Return);
        TypeInto(admin.txtPassword, bo_.password);
        QTest::keyClick(admin.txtPassword, Qt::Key_Return);
        bo_.number = NumberOf(studentByName, bo_.name);
        STEP(ExpectDatabase());

        // The complete test: every slot written; complete, so Exit asks nothing.
        STEP(WritesTest(admin, Complete, 2, fractions_, Slots));
        Click(Screens::Get<frmNewTest>().cmdSave);  // an unexpected question is caught as such
        ProcessEvents();
        QVERIFY(!Screens::IsLoaded<frmNewTest>() && admin.isVisible());
        tests_[fractions_].written = Slots;
        STEP(ExpectDatabase());

        // The incomplete test: two slots written, a third typed and left by Exit
        // (stored all the same), the question answered Yes, and the title marked.
        STEP(WritesTest(admin, QStringLiteral("Decimals"), 10, decimals_, 3));
        env_.fake.answers.push_back(MsgAnswer::Yes);
        Click(Screens::Get<frmNewTest>().cmdSave);
        QCOMPARE(env_.fake.shown.back().text,
                 QStringLiteral("There are 22 questions left to write.\r\nAre you sure you want to exit?"));
        QCOMPARE(env_.fake.shown.back().title, QStringLiteral("Incomplete Test"));
        ProcessEvents();
        QVERIFY(!Screens::IsLoaded<frmNewTest>());
        tests_[decimals_].written = 3;
        tests_[decimals_].name = QStringLiteral("<Decimals>");
        STEP(ExpectDatabase());
        Leave(&admin);
        QVERIFY(!Screens::IsLoaded<frmAdmin>());
    }

    void firstStudentFinishesWithDoneAndReviews()
    {
        STEP(BeginsTest(ada_));
        frmQuestions& screen = Screens::Get<frmQuestions>();
        QVERIFY(!Screens::Get<frmMain>().isVisible());
        STEP(ExpectDatabase());  // the attempt is stored as it begins, no answer in it yet

        // Right on most slots, wrong on every fourth; slot 7 is answered right,
        // come back to by its number and changed to a wrong answer; slot 24 is
        // left unanswered; slot 25 is answered and finished with Done.
        for (int s = 1; s <= 23; ++s) {
            if (s == 8) {
                // On slot 8, unanswered: back to 7 by its number, which stores nothing.
                QTest::mouseClick(screen.lblQuestionNumber[6], Qt::LeftButton);
                QCOMPARE(screen.CurrentQuestion, 7);
                STEP(ExpectDatabase());
                // The slot comes back as it was left: its order kept, its line chosen.
                QCOMPARE(ShownOrder(screen), ada_.records[7].left(3));
                QCOMPARE(ChosenLine(screen.optAnswer), ada_.records[7].mid(3, 1).toInt());
                STEP(Answer(screen, ada_, u'3', screen.cmdNext));
            }
            QCOMPARE(screen.CurrentQuestion, s);
            STEP(Answer(screen, ada_, s % 4 == 0 ? u'2' : u'1', screen.cmdNext));
        }
        Click(screen.cmdNext);
        QCOMPARE(screen.CurrentQuestion, 25);
        STEP(ExpectDatabase());
        STEP(Answer(screen, ada_, u'1', screen.cmdDone));
        ProcessEvents();
        QVERIFY(!Screens::IsLoaded<frmQuestions>() && Screens::Get<frmMain>().isVisible());
        STEP(ReviewsOwnTest(ada_));
    }

    void secondStudentRunsOutOfTimeAndReviews()
    {
        STEP(BeginsTest(bo_));
        frmQuestions& screen = Screens::Get<frmQuestions>();

        // Slots 1 to 10 answered, right on the even ones; on slot 11 the right
        // line is picked and the time runs out before the student leaves it.
        for (int s = 1; s <= 10; ++s)
            STEP(Answer(screen, bo_, s % 2 == 0 ? u'1' : u'3', screen.cmdNext));
        const QString order = ShownOrder(screen);
        ChooseRight(screen);
        const std::size_t boxesBefore = env_.fake.shown.size();
        for (int tick = 1; tick <= 120; ++tick)
            screen.Timer1_Timer();
        QCOMPARE(env_.fake.shown.size(), boxesBefore);
        STEP(ExpectDatabase());  // slot 11 not stored yet, nothing graded

        screen.Timer1_Timer();
        QCOMPARE(env_.fake.shown.size(), boxesBefore + 1);
        QCOMPARE(env_.fake.shown.back().text, QStringLiteral("Time Is Up!"));
        ProcessEvents();
        bo_.records[11] = RecordOf(order, static_cast<int>(order.indexOf(u'1')) + 1);
        bo_.finished = true;
        STEP(ExpectDatabase());
        QVERIFY(!Screens::IsLoaded<frmQuestions>() && Screens::Get<frmMain>().isVisible());
        STEP(ReviewsOwnTest(bo_));
    }

    void administratorViewsPrintsAndDeletes()
    {
        frmAdmin& admin = SignInAdmin();
        // Both students' results viewed and printed; Bo's then deleted.
        for (Student* student : {&ada_, &bo_}) {
            PickRow(admin.lstStudents, RowOfNumber(admin.lstStudents, student->number));
            Click(admin.cmdView);
            frmTestResults& results = Screens::Get<frmTestResults>();
            QVERIFY(results.isVisible() && !admin.isVisible());
            const QString row = TakenRow(*student);  // no key, on screen or on paper
            QCOMPARE(Rows(results.lstResults), QStringList{row});
            PickRow(results.lstResults, 0);
            Click(results.cmdPrint);
            QVERIFY(!env_.fake.printed.empty() && env_.fake.printed.back().PlainLines().contains(QStringLiteral("    ") + row));
            STEP(ExpectDatabase());
            if (student == &bo_) {
                // Bo's result goes; his account stays with the test not taken.
                ConfirmDelete(results.lstResults, 0, results.cmdDelete);
                QCOMPARE(Rows(results.lstResults), QStringList{Complete + QString(32, u' ') + QStringLiteral("Not Taken")});
                bo_.records.clear();
                bo_.begun = false;
                STEP(ExpectDatabase());
            }
            Leave(&results);
            QVERIFY(!Screens::IsLoaded<frmTestResults>() && admin.isVisible());
        }

        // The second student goes, then the complete test and Ada's result of it.
        ConfirmDelete(admin.lstStudents, RowOfNumber(admin.lstStudents, bo_.number), admin.cmdDeleteStudent);
        bo_.number = 0;
        STEP(ExpectDatabase());
        ConfirmDelete(admin.lstTests, RowOfNumber(admin.lstTests, fractions_), admin.cmdDeleteTest);
        tests_.remove(fractions_);
        ada_.records.clear();
        ada_.begun = false;
        STEP(ExpectDatabase());
        QCOMPARE(Rows(admin.lstStudents), QStringList{ada_.name + QString(80, u' ') + QString::number(ada_.number)});
        QCOMPARE(Rows(admin.lstTests), QStringList{QStringLiteral("<Decimals>") + QString(150, u' ') + QString::number(decimals_)});
        Leave(&admin);
        QVERIFY(Screens::Get<frmEntry>().isVisible());
    }

private:
    // The three tables hold exactly the rows the day expects (so no result is
    // orphaned), and nothing unexpected happened on the screens.
    void ExpectDatabase()
    {
        QStringList passwords, tests, results, gradedFor;
        for (const Student* student : {&ada_, &bo_}) {
            if (student->number)
                passwords << QStringList{QString::number(student->number), student->name, student->password, QStringLiteral("0")}.join(u'|');
            if (!student->begun)
                continue;
            QStringList row{QString::number(student->number), QString::number(fractions_)};
            for (int s = 1; s <= Slots; ++s)
                row << student->records.value(s, QStringLiteral("NULL"));
            row << (student->finished ? QString::number(GradeOf(student->records)) : QStringLiteral("NULL"))
                << (student->finished ? env_.fake.today : QStringLiteral("NULL"))
                << QString::number(tests_.value(fractions_).minutes);  // minutes given: no extra time
            results << row.join(u'|');
            gradedFor << (student->finished ? QStringLiteral("graded") : QStringLiteral("running"));
        }
        for (auto it = tests_.cbegin(); it != tests_.cend(); ++it) {
            QStringList row{QString::number(it.key()), it->name, QString(), QString::number(it->minutes)};
            for (int s = 1; s <= Slots; ++s)
                for (int part = 0; part < 4; ++part)
                    row << (s <= it->written ? SlotText(s, part) : QStringLiteral("NULL"));
            tests << row.join(u'|');
        }
        QCOMPARE(env_.Rows(QStringLiteral("SELECT * FROM Passwords ORDER BY fldStudentNumber")), passwords);
        QCOMPARE(env_.Rows(QStringLiteral("SELECT * FROM Tests ORDER BY fldTestNumber")), tests);
        QStringList stored = env_.Rows(QStringLiteral("SELECT * FROM Results ORDER BY fldResultNumber")), graded;
        for (QString& row : stored) {
            graded << (row.section(u'|', -1) == QStringLiteral("NULL") ? QStringLiteral("running") : QStringLiteral("graded"));
            row = row.section(u'|', 1, -3);  // without the row's own key, its deadline and when it was graded
        }
        QCOMPARE(stored, results);
        // The moment graded kept with every grade, and only with one.
        QCOMPARE(graded, gradedFor);
        QCOMPARE(env_.fake.unexpected, QStringList());
        QVERIFY(!env_.fake.ended && env_.fake.answers.empty() && env_.fake.modalUsers.empty());
    }
    qint64 NumberOf(const QString& sql, const QString& name) { return env_.Scalar(sql, {name}).toLongLong(); }
    // The introduction filled in and Next pressed stores the test's row at once;
    // then slots 1 to `typed` are typed, each >> storing the slot it leaves.
    void WritesTest(frmAdmin& admin, const QString& name, int minutes, qint64& number, int typed)
    {
        env_.fake.modalUsers.push_back([=](QWidget& window) {
            auto& intro = static_cast<frmNewTestIntro&>(window);
            TypeInto(intro.txtTestName, name);
            TypeInto(intro.txtMinutes, QString::number(minutes));
            Click(intro.cmdNext);
        });
        Click(admin.cmdAddTest);
        number = NumberOf(QStringLiteral("SELECT fldTestNumber FROM Tests WHERE fldTestName = ?"), name);
        tests_[number] = {name, minutes, 0};
        frmNewTest& editor = Screens::Get<frmNewTest>();
        QVERIFY(editor.isVisible() && !admin.isVisible());
        STEP(ExpectDatabase());
        for (int s = 1; s <= typed; ++s) {
            const QList<QPlainTextEdit*> boxes{editor.txtQuestion, editor.txtAnswer, editor.txtPhony1, editor.txtPhony2};
            for (int part = 0; part < 4; ++part) {
                boxes[part]->clear();
                QTest::keyClicks(boxes[part], SlotText(s, part));
            }
            if (s == typed)
                break;
            Click(editor.cmdNext);
            tests_[number].written = s;
            STEP(ExpectDatabase());
        }
    }

    // Signed in, only the complete test is open, and the other student's result
    // is not theirs: the test is listed as not taken. Begun, its clock is ticked by hand.
    void BeginsTest(Student& student)
    {
        SignInAs(student.name, student.password);
        QCOMPARE(Rows(Screens::Get<frmMain>().lstResults), QStringList{Complete + QString(32, u' ') + QStringLiteral("Not Taken")});
        Take(env_, Complete);
        student.begun = true;
    }

    void ConfirmDelete(QListWidget* list, int row, QPushButton* button)
    {
        PickRow(list, row);
        env_.fake.answers.push_back(MsgAnswer::Yes);
        Click(button);
    }

    // Picks the line showing `digit` and leaves the slot with `leave`; the record is stored at once.
    void Answer(frmQuestions& screen, Student& student, QChar digit, QPushButton* leave)
    {
        const int s = screen.CurrentQuestion;
        const QString order = ShownOrder(screen);
        QVERIFY2(order.contains(u'1') && order.contains(u'2') && order.contains(u'3'), qPrintable(order));
        const int line = static_cast<int>(order.indexOf(digit)) + 1;
        Choose(screen, line);
        Click(leave);
        student.records[s] = RecordOf(order, line);
        student.finished = leave == screen.cmdDone;
        STEP(ExpectDatabase());
    }

    // A taken test cannot be taken again; its review shows what is stored.
    void ReviewsOwnTest(const Student& student)
    {
        frmMain& home = Screens::Get<frmMain>();
        QCOMPARE(Rows(home.lstResults), QStringList{TakenRow(student)});
        QVERIFY(ClickRow(home, Complete));
        Click(home.cmdTakeTest);
        QVERIFY(!Screens::IsLoaded<frmQuestions>());
        Click(home.cmdReview);
        frmAnswers& review = Screens::Get<frmAnswers>();
        QVERIFY(review.isVisible() && !home.isVisible());
        // Each slot: green number when right, red otherwise; its first answer line
        // as the stored order says (an unanswered one in order 123), and the chosen line.
        for (int s = 1; s <= Slots; ++s) {
            if (s > 1)
                Click(review.cmdNext);
            const QString record = student.records.value(s);
            QCOMPARE(TextColour(*review.lblQuestionNumber[static_cast<std::size_t>(s - 1)]),
                     record.endsWith(u'C') ? QColor(0, 153, 0) : QColor(255, 0, 0));
            QCOMPARE(review.lblAnswer1->text(), SlotText(s, record.isEmpty() ? 1 : record[0].digitValue()));
            QCOMPARE(ChosenLine(review.optAnswer), record.isEmpty() ? 0 : record.mid(3, 1).toInt());
        }
        Click(review.cmdDone);
        ProcessEvents();
        QVERIFY(!Screens::IsLoaded<frmAnswers>() && home.isVisible());
        STEP(ExpectDatabase());  // neither the refused Take nor the review stored anything
        Leave(&home);
    }
    QString TakenRow(const Student& student) const
    {
        // "Fractions", blanks to column 41, the grade from 42, the date from 56.
        const QString grade = QString::number(GradeOf(student.records));
        return Complete + QString(32, u' ') + grade + QString(14 - grade.size(), u' ') + env_.fake.today;
    }

    TestEnv env_;  // its draws 0.1, 0.5, 0.9 give the orders 123, 312, 231
    bool dayBroken_ = false;
    Student ada_{QStringLiteral("Ada Lind"), QStringLiteral("rowan tree")};
    Student bo_{QStringLiteral("Bo Quist"), QStringLiteral("elm7 leaf")};
    QMap<qint64, TestState> tests_;
    qint64 fractions_ = 0;
    qint64 decimals_ = 0;
};

QTEST_MAIN(TestSchoolDay)
#include "test_schoolday.moc"
