// A whole school day, end to end, through the real widgets: the administrator
// prepares two students and two tests, both students take the finished test
// (one finishes with Done, one runs out of time), both review it, and the
// administrator views, prints and deletes. After every step the database
// itself is checked, not only the screens. The steps run in order and share
// one database, as a day does.
#include "StudentDesk.h"
#include "TestEnv.h"
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
#include <QRadioButton>
#include <QTimer>
#include <QtTest>
#include <memory>

using namespace Module1;

namespace {

constexpr int Slots = 25;

const QString Complete = QStringLiteral("Fractions");
const QString Incomplete = QStringLiteral("Decimals");
const QString Description = QStringLiteral("Simplify first. Two minutes.");
const QString AdaName = QStringLiteral("Ada Lind");
const QString AdaPassword = QStringLiteral("rowan");
const QString BoName = QStringLiteral("Bo Quist");
const QString BoPassword = QStringLiteral("elm7");

// The texts the administrator types into slot s; the review and the test
// screen are read back against them.
QString QuestionText(int s) { return QStringLiteral("Q%1").arg(s); }
QString AnswerText(int s) { return QStringLiteral("A%1").arg(s); }
QString Phony1Text(int s) { return QStringLiteral("P%1a").arg(s); }
QString Phony2Text(int s) { return QStringLiteral("P%1b").arg(s); }
QString TextOfDigit(int s, QChar digit)
{
    return digit == u'1' ? AnswerText(s) : digit == u'2' ? Phony1Text(s) : Phony2Text(s);
}

// Slot number -> the answer record the student's choices built.
using Records = QMap<int, QString>;

QString RecordOf(const QString& order, int line)
{
    return order + QString::number(line) + (order.at(line - 1) == u'1' ? QStringLiteral("C") : QStringLiteral("X"));
}

int RightCount(const Records& records)
{
    int right = 0;
    for (const QString& record : records)
        right += record.endsWith(u'C') ? 1 : 0;
    return right;
}

void Click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }

void Type(QLineEdit* box, const QString& text)
{
    box->clear();
    QTest::keyClicks(box, text);
}

void Type(QPlainTextEdit* box, const QString& text)
{
    box->clear();
    QTest::keyClicks(box, text);
}

// Clicks the list row with `text`, as a user picks it.
bool PickRow(QListWidget* list, const std::function<bool(const QString&)>& matches)
{
    for (int i = 0; i < list->count(); ++i) {
        QListWidgetItem* item = list->item(i);
        if (!matches(item->text()))
            continue;
        list->scrollToItem(item);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
        return item->isSelected();
    }
    return false;
}

bool PickKeyed(QListWidget* list, qint64 number)
{
    return PickRow(list, [number](const QString& row) { return KeyedRow::KeyNumber(row) == number; });
}

QStringList Rows(const QListWidget* list)
{
    QStringList rows;
    for (int i = 0; i < list->count(); ++i)
        rows << list->item(i)->text();
    return rows;
}

// The order digits the three answer lines of a screen show for slot s.
QString OrderOnLines(int s, const std::array<QLabel*, 3>& lines)
{
    QString order;
    for (const QLabel* line : lines) {
        const QString text = line->text();
        order += text == AnswerText(s) ? u'1' : text == Phony1Text(s) ? u'2' : text == Phony2Text(s) ? u'3' : u'?';
    }
    return order;
}

int CheckedLine(const std::array<QRadioButton*, 3>& options)
{
    for (int k = 0; k < 3; ++k)
        if (options[static_cast<std::size_t>(k)]->isChecked())
            return k + 1;
    return 0;
}

}

// Stops the calling test function when a helper's check has failed.
#define STEP(call)                          \
    do {                                    \
        call;                               \
        if (QTest::currentTestFailed())     \
            return;                         \
    } while (false)

class TestSchoolDay : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();
    void administratorPreparesTheDay();
    void firstStudentFinishesWithDone();
    void secondStudentRunsOutOfTime();
    void eachStudentReviewsTheirTest();
    void administratorViewsPrintsAndDeletes();

private:
    // ---- the database itself ----
    qint64 Count(const QString& table);
    QVariant ResultField(qint64 result, const QString& field);
    // Passwords, Tests and Results hold exactly these many rows, no result
    // points at a student or test that is gone, and every graded result has
    // 4 points per record ending in "C".
    void ExpectRows(qint64 passwords, qint64 tests, qint64 results);
    void ExpectStudent(qint64 number, const QString& name, const QString& password);
    void ExpectSlotWritten(qint64 test, int s);
    // The attempt's 25 answer fields are exactly `records` (Null elsewhere).
    void ExpectRecords(qint64 result, const Records& records);
    void ExpectNothingUnexpected();

    // ---- the people at the desk ----
    frmAdmin& AdministratorSignsIn();
    frmMain& StudentSignsIn(const QString& name, const QString& password);
    void WriteSlot(frmNewTest& editor, int s);
    frmQuestions& BeginTest(frmMain& home);
    // Picks `line` on the slot shown, departs with `depart`, and checks that
    // the record is stored at once.
    void Answer(frmQuestions& screen, int line, Records& records, qint64& result, qint64 student,
                const std::function<void()>& depart);
    void ExpectReviewShowsStored(frmAnswers& review, qint64 result, const Records& records);
    void ExpectTakenRow(const QString& row, const Records& records);

    std::unique_ptr<TestEnv> env_;
    // Each step goes on from where the one before left the day.
    bool dayBroken_ = false;
    qint64 ada_ = 0;
    qint64 bo_ = 0;
    qint64 fractions_ = 0;
    qint64 decimals_ = 0;
    qint64 adaResult_ = 0;
    qint64 boResult_ = 0;
    Records adaRecords_;
    Records boRecords_;
};

// ---- the database itself ------------------------------------------------------

qint64 TestSchoolDay::Count(const QString& table)
{
    return env_->Scalar(QStringLiteral("SELECT COUNT(*) FROM %1").arg(table)).toLongLong();
}

QVariant TestSchoolDay::ResultField(qint64 result, const QString& field)
{
    return env_->Scalar(QStringLiteral("SELECT %1 FROM Results WHERE fldResultNumber = ?").arg(field), {result});
}

void TestSchoolDay::ExpectRows(qint64 passwords, qint64 tests, qint64 results)
{
    const qint64 orphans = env_->Scalar(QStringLiteral(
        "SELECT COUNT(*) FROM Results r WHERE NOT EXISTS "
        "(SELECT 1 FROM Passwords p WHERE p.fldStudentNumber = r.fldStudentNumber) "
        "OR NOT EXISTS (SELECT 1 FROM Tests t WHERE t.fldTestNumber = r.fldTestNumber)")).toLongLong();
    QCOMPARE(orphans, 0);
    QCOMPARE(Count(QStringLiteral("Passwords")), passwords);
    QCOMPARE(Count(QStringLiteral("Tests")), tests);
    QCOMPARE(Count(QStringLiteral("Results")), results);
    QStringList rightSlots;
    for (int s = 1; s <= Slots; ++s)
        rightSlots << QStringLiteral("CASE WHEN SUBSTR(fldQ%1, 5, 1) = 'C' THEN 1 ELSE 0 END").arg(s);
    const qint64 misgraded = env_->Scalar(QStringLiteral("SELECT COUNT(*) FROM Results WHERE fldGrade IS NOT NULL "
                                                         "AND fldGrade <> 4 * (%1)")
                                              .arg(rightSlots.join(QStringLiteral(" + "))))
                                 .toLongLong();
    QCOMPARE(misgraded, 0);
}

void TestSchoolDay::ExpectStudent(qint64 number, const QString& name, const QString& password)
{
    QCOMPARE(env_->Scalar(QStringLiteral("SELECT fldStudentName FROM Passwords WHERE fldStudentNumber = ?"), {number})
                 .toString(),
             name);
    QCOMPARE(env_->Scalar(QStringLiteral("SELECT fldPassword FROM Passwords WHERE fldStudentNumber = ?"), {number})
                 .toString(),
             password);
}

void TestSchoolDay::ExpectSlotWritten(qint64 test, int s)
{
    const QStringList fields{QStringLiteral("fldQ%1"), QStringLiteral("fldQ%1Answer"), QStringLiteral("fldQ%1Phony1"),
                             QStringLiteral("fldQ%1Phony2")};
    const QStringList texts{QuestionText(s), AnswerText(s), Phony1Text(s), Phony2Text(s)};
    for (int i = 0; i < fields.size(); ++i) {
        const QString sql = QStringLiteral("SELECT %1 FROM Tests WHERE fldTestNumber = ?").arg(fields[i].arg(s));
        QCOMPARE(env_->Scalar(sql, {test}).toString(), texts[i]);
    }
}

void TestSchoolDay::ExpectRecords(qint64 result, const Records& records)
{
    for (int s = 1; s <= Slots; ++s) {
        const QVariant stored = ResultField(result, QStringLiteral("fldQ%1").arg(s));
        if (records.contains(s)) {
            QCOMPARE(stored.toString(), records[s]);
        } else {
            if (!stored.isNull())
                QFAIL(qPrintable(QStringLiteral("slot %1 holds %2 but was never answered").arg(s).arg(stored.toString())));
        }
    }
}

void TestSchoolDay::ExpectNothingUnexpected()
{
    QCOMPARE(env_->fake.unexpected, QStringList());
    QVERIFY(!env_->fake.ended);
    QVERIFY(env_->fake.answers.empty());
    QVERIFY(env_->fake.modalUsers.empty());
}

// ---- the people at the desk ---------------------------------------------------

frmAdmin& TestSchoolDay::AdministratorSignsIn()
{
    Screens::Show<frmEntry>();
    frmEntry& entry = Screens::Get<frmEntry>();
    Type(entry.txtName, frmEntry::AdministratorName);
    QTest::keyClick(entry.txtName, Qt::Key_Return);
    Type(entry.txtPassword, frmEntry::AdministratorPassword);
    Click(entry.cmdOK);
    return Screens::Get<frmAdmin>();
}

frmMain& TestSchoolDay::StudentSignsIn(const QString& name, const QString& password)
{
    Screens::Show<frmEntry>();
    frmEntry& entry = Screens::Get<frmEntry>();
    Type(entry.txtName, name);
    Type(entry.txtPassword, password);
    QTest::keyClick(entry.txtPassword, Qt::Key_Return);
    return Screens::Get<frmMain>();
}

void TestSchoolDay::WriteSlot(frmNewTest& editor, int s)
{
    QCOMPARE(editor.lblQuestion->text(), QStringLiteral("Question %1").arg(s));
    Type(editor.txtQuestion, QuestionText(s));
    Type(editor.txtAnswer, AnswerText(s));
    Type(editor.txtPhony1, Phony1Text(s));
    Type(editor.txtPhony2, Phony2Text(s));
}

frmQuestions& TestSchoolDay::BeginTest(frmMain& home)
{
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
    return screen;
}

void TestSchoolDay::Answer(frmQuestions& screen, int line, Records& records, qint64& result, qint64 student,
                           const std::function<void()>& depart)
{
    const int s = CurrentQuestion;
    QCOMPARE(screen.QuestionNumber->text(), QStringLiteral("Question %1").arg(s));
    QCOMPARE(screen.lblQuestion->text(), QuestionText(s));
    const QString order = ShownOrder(screen);
    QVERIFY2(order.contains(u'1') && order.contains(u'2') && order.contains(u'3'), qPrintable(order));
    Choose(screen, line);
    depart();
    records[s] = RecordOf(order, line);
    // The first store inserts the attempt's row; the same row takes every later one.
    if (result == 0)
        result = env_->Scalar(QStringLiteral("SELECT fldResultNumber FROM Results WHERE fldStudentNumber = ? "
                                             "AND fldTestNumber = ?"),
                              {student, fractions_})
                     .toLongLong();
    QVERIFY(result != 0);
    STEP(ExpectRecords(result, records));
    // A slot left for another turns green; Done closes the screen instead.
    if (!screen.Finishing)
        QCOMPARE(TextColour(*screen.lblQuestionNumber[static_cast<std::size_t>(s - 1)]), SlotColours::Right());
}

void TestSchoolDay::ExpectTakenRow(const QString& row, const Records& records)
{
    QCOMPARE(row, ResultsRow::Taken(Complete, QString::number(4 * RightCount(records)), env_->fake.today));
}

// Steps through all 25 slots of the review with >>> and checks each against
// the row the database holds (and against what the student chose).
void TestSchoolDay::ExpectReviewShowsStored(frmAnswers& review, qint64 result, const Records& records)
{
    QCOMPARE(review.windowTitle(), QStringLiteral("Results of: ") + Complete);
    for (int s = 1; s <= Slots; ++s) {
        const QVariant stored = ResultField(result, QStringLiteral("fldQ%1").arg(s));
        QCOMPARE(stored.isNull() ? QString() : stored.toString(), records.value(s));
        const bool right = stored.toString().endsWith(u'C');
        QCOMPARE(TextColour(*review.lblQuestionNumber[static_cast<std::size_t>(s - 1)]),
                 right ? SlotColours::Right() : SlotColours::Missed());
    }
    for (int s = 1; s <= Slots; ++s) {
        if (s > 1)
            Click(review.cmdNext);
        QCOMPARE(CurrentQuestion, s);
        QCOMPARE(review.QuestionNumber->text(), QStringLiteral("Question %1").arg(s));
        QCOMPARE(review.lblQuestion->text(), QuestionText(s));
        const std::array<QLabel*, 3> lines{review.lblAnswer1, review.lblAnswer2, review.lblAnswer3};
        const QString record = records.value(s);
        // An unanswered slot shows the answers in their stored order, nothing chosen.
        const QString order = record.isEmpty() ? QStringLiteral("123") : record.left(3);
        QCOMPARE(OrderOnLines(s, lines), order);
        QCOMPARE(CheckedLine(review.optAnswer), record.isEmpty() ? 0 : record.mid(3, 1).toInt());
        for (int k = 0; k < 3; ++k) {
            QLabel* line = lines[static_cast<std::size_t>(k)];
            QCOMPARE(line->text(), TextOfDigit(s, order.at(k)));
            QCOMPARE(TextColour(*line), order.at(k) == u'1' ? SlotColours::RightLine() : SlotColours::OtherLine());
        }
    }
}

// ---- the day -----------------------------------------------------------------

void TestSchoolDay::initTestCase()
{
    env_ = std::make_unique<TestEnv>();
    // Three draws give the orders 123, 312 and 231 in turn.
    env_->fake.draws = {0.1f, 0.5f, 0.9f};
}

void TestSchoolDay::cleanupTestCase() { env_.reset(); }

void TestSchoolDay::init()
{
    if (dayBroken_)
        QSKIP("an earlier step of the day failed");
}

void TestSchoolDay::cleanup() { dayBroken_ = dayBroken_ || QTest::currentTestFailed(); }

void TestSchoolDay::administratorPreparesTheDay()
{
    STEP(ExpectRows(0, 0, 0));
    frmAdmin& admin = AdministratorSignsIn();
    QVERIFY(admin.isVisible());
    QVERIFY(!Screens::Get<frmEntry>().isVisible());
    QCOMPARE(admin.lstStudents->count(), 0);
    QCOMPARE(admin.lstTests->count(), 0);
    STEP(ExpectRows(0, 0, 0));

    // Two students: one saved with the button, one with Enter in the password box.
    Type(admin.txtName, AdaName);
    Type(admin.txtPassword, AdaPassword);
    Click(admin.cmdAddStudent);
    ada_ = env_->Scalar(QStringLiteral("SELECT fldStudentNumber FROM Passwords WHERE fldStudentName = ?"), {AdaName})
               .toLongLong();
    STEP(ExpectRows(1, 0, 0));
    STEP(ExpectStudent(ada_, AdaName, AdaPassword));
    QVERIFY(admin.txtName->text().isEmpty());
    Type(admin.txtName, BoName);
    QTest::keyClick(admin.txtName, Qt::Key_Return);
    Type(admin.txtPassword, BoPassword);
    QTest::keyClick(admin.txtPassword, Qt::Key_Return);
    bo_ = env_->Scalar(QStringLiteral("SELECT fldStudentNumber FROM Passwords WHERE fldStudentName = ?"), {BoName})
              .toLongLong();
    QVERIFY(bo_ != ada_);
    STEP(ExpectRows(2, 0, 0));
    STEP(ExpectStudent(bo_, BoName, BoPassword));
    QCOMPARE(admin.lstStudents->count(), 2);

    // The complete test: the new test screen's Next stores its row at once.
    env_->fake.modalUsers.push_back([](QWidget& window) {
        auto& intro = static_cast<frmNewTestIntro&>(window);
        Type(intro.txtTestName, Complete);
        Type(intro.txtDescription, Description);
        Type(intro.txtMinutes, QStringLiteral("2"));
        Click(intro.cmdNext);
    });
    Click(admin.cmdAddTest);
    QVERIFY(Screens::IsLoaded<frmNewTest>());
    frmNewTest& editor = Screens::Get<frmNewTest>();
    QVERIFY(editor.isVisible());
    QVERIFY(!admin.isVisible());
    fractions_ = env_->Scalar(QStringLiteral("SELECT fldTestNumber FROM Tests WHERE fldTestName = ?"), {Complete})
                     .toLongLong();
    QVERIFY(fractions_ != 0);
    STEP(ExpectRows(2, 1, 0));
    QCOMPARE(env_->Scalar(QStringLiteral("SELECT fldDescription FROM Tests WHERE fldTestNumber = ?"), {fractions_})
                 .toString(),
             Description);
    QCOMPARE(env_->Scalar(QStringLiteral("SELECT fldTime FROM Tests WHERE fldTestNumber = ?"), {fractions_}).toInt(), 2);
    QVERIFY(env_->Scalar(QStringLiteral("SELECT fldQ1 FROM Tests WHERE fldTestNumber = ?"), {fractions_}).isNull());

    // Every >> stores the slot it leaves; Exit on slot 25 stores the last one.
    for (int s = 1; s <= Slots; ++s) {
        STEP(WriteSlot(editor, s));
        if (s == Slots)
            break;
        Click(editor.cmdNext);
        STEP(ExpectSlotWritten(fractions_, s));
        const QString next = QStringLiteral("SELECT fldQ%1 FROM Tests WHERE fldTestNumber = ?").arg(s + 1);
        QVERIFY(env_->Scalar(next, {fractions_}).isNull());
    }
    const std::size_t boxesBefore = env_->fake.shown.size();
    Click(editor.cmdSave);
    QCOMPARE(env_->fake.shown.size(), boxesBefore);  // complete: no question asked
    ProcessEvents();
    QVERIFY(!Screens::IsLoaded<frmNewTest>());
    QVERIFY(admin.isVisible());
    for (int s = 1; s <= Slots; ++s)
        STEP(ExpectSlotWritten(fractions_, s));
    QCOMPARE(env_->Scalar(QStringLiteral("SELECT fldTestName FROM Tests WHERE fldTestNumber = ?"), {fractions_})
                 .toString(),
             Complete);
    STEP(ExpectRows(2, 1, 0));

    // The incomplete test: two slots written, a third typed but left by Exit
    // (so dropped), and the question answered Yes.
    env_->fake.modalUsers.push_back([](QWidget& window) {
        auto& intro = static_cast<frmNewTestIntro&>(window);
        QVERIFY(intro.txtTestName->text().isEmpty());
        Type(intro.txtTestName, Incomplete);
        Type(intro.txtMinutes, QStringLiteral("10"));
        Click(intro.cmdNext);
    });
    Click(admin.cmdAddTest);
    frmNewTest& second = Screens::Get<frmNewTest>();
    decimals_ = env_->Scalar(QStringLiteral("SELECT fldTestNumber FROM Tests WHERE fldTestName = ?"), {Incomplete})
                    .toLongLong();
    QVERIFY(decimals_ != 0 && decimals_ != fractions_);
    STEP(ExpectRows(2, 2, 0));
    for (int s = 1; s <= 3; ++s) {
        STEP(WriteSlot(second, s));
        if (s < 3)
            Click(second.cmdNext);
    }
    env_->fake.answers.push_back(MsgAnswer::Yes);
    Click(second.cmdSave);
    QCOMPARE(env_->fake.shown.back().text,
             QStringLiteral("There are 23 questions left to write.\r\nAre you sure you want to exit?"));
    QCOMPARE(env_->fake.shown.back().title, QStringLiteral("Incomplete Test"));
    ProcessEvents();
    QVERIFY(!Screens::IsLoaded<frmNewTest>());
    QVERIFY(admin.isVisible());
    QCOMPARE(env_->Scalar(QStringLiteral("SELECT fldTestName FROM Tests WHERE fldTestNumber = ?"), {decimals_})
                 .toString(),
             QStringLiteral("<") + Incomplete + QStringLiteral(">"));
    STEP(ExpectSlotWritten(decimals_, 1));
    STEP(ExpectSlotWritten(decimals_, 2));
    QCOMPARE(env_->Scalar(QStringLiteral("SELECT COUNT(*) FROM Tests WHERE fldTestNumber = ? AND fldQ3 IS NULL"),
                          {decimals_})
                 .toLongLong(),
             1);
    // The complete test kept its bare name.
    QCOMPARE(env_->Scalar(QStringLiteral("SELECT COUNT(*) FROM Tests WHERE fldTestName LIKE '<%'")).toLongLong(), 1);
    STEP(ExpectRows(2, 2, 0));
    QStringList catalogue;
    for (const QString& row : Rows(admin.lstTests))
        catalogue << KeyedRow::NameBeforeKey(row);
    catalogue.sort();
    QCOMPARE(catalogue, (QStringList{QStringLiteral("<") + Incomplete + QStringLiteral(">"), Complete}));

    Click(admin.cmdExit);
    ProcessEvents();
    QVERIFY(!Screens::IsLoaded<frmAdmin>());
    QVERIFY(Screens::Get<frmEntry>().isVisible());
    STEP(ExpectRows(2, 2, 0));
    STEP(ExpectNothingUnexpected());
}

void TestSchoolDay::firstStudentFinishesWithDone()
{
    frmMain& home = StudentSignsIn(AdaName, AdaPassword);
    QVERIFY(home.isVisible());
    QVERIFY(!Screens::Get<frmEntry>().isVisible());
    QCOMPARE(home.windowTitle(), QStringLiteral("Test Results For ") + AdaName);
    // Only the complete test is open to students.
    QCOMPARE(Rows(home.lstResults), QStringList{ResultsRow::NotTaken(Complete)});
    QVERIFY(ClickRow(home, Complete));

    frmQuestions& screen = BeginTest(home);
    QVERIFY(screen.isVisible());
    QVERIFY(!home.isVisible());
    QCOMPARE(screen.windowTitle(), Complete);
    QCOMPARE(screen.lblTime->text(), QStringLiteral("2:00"));
    STEP(ExpectRows(2, 2, 0));  // nothing stored before the first answer

    // Right on most slots, wrong on every fourth; slot 7 is answered right,
    // left, come back to by its number and changed to a wrong answer; slot
    // 24 is left unanswered; slot 25 is answered and finished with Done.
    const auto next = [&screen] { Click(screen.cmdNext); };
    for (int s = 1; s <= 23; ++s) {
        if (s == 8) {
            // On slot 8, unanswered: back to 7 by its number, which stores nothing.
            Click(screen.lblQuestionNumber[6]);
            QCOMPARE(CurrentQuestion, 7);
            STEP(ExpectRecords(adaResult_, adaRecords_));
            QVERIFY(TextColour(*screen.lblQuestionNumber[7]) != SlotColours::Right());
            // The slot comes back as it was left: its order kept, its line chosen.
            QCOMPARE(ShownOrder(screen), adaRecords_[7].left(3));
            QCOMPARE(CheckedLine(screen.optAnswer), adaRecords_[7].mid(3, 1).toInt());
            const int wrongLine = static_cast<int>(ShownOrder(screen).indexOf(u'3')) + 1;
            STEP(Answer(screen, wrongLine, adaRecords_, adaResult_, ada_, next));
            QVERIFY(adaRecords_[7].endsWith(u'X'));
        }
        QCOMPARE(CurrentQuestion, s);
        const QString order = ShownOrder(screen);
        const int rightLine = static_cast<int>(order.indexOf(u'1')) + 1;
        const int wrongLine = static_cast<int>(order.indexOf(u'2')) + 1;
        STEP(Answer(screen, s % 4 == 0 ? wrongLine : rightLine, adaRecords_, adaResult_, ada_, next));
        if (s == 1)
            STEP(ExpectRows(2, 2, 1));
    }
    QCOMPARE(CurrentQuestion, 24);
    next();
    QCOMPARE(CurrentQuestion, 25);
    STEP(ExpectRecords(adaResult_, adaRecords_));
    QVERIFY(ResultField(adaResult_, QStringLiteral("fldGrade")).isNull());
    const int rightLine = static_cast<int>(ShownOrder(screen).indexOf(u'1')) + 1;
    STEP(Answer(screen, rightLine, adaRecords_, adaResult_, ada_, [&screen] { Click(screen.cmdDone); }));
    ProcessEvents();

    // 17 of slots 1 to 23 right (not 4, 7, 8, 12, 16, 20), and slot 25.
    QCOMPARE(RightCount(adaRecords_), 18);
    QCOMPARE(adaRecords_.size(), 24);
    QCOMPARE(ResultField(adaResult_, QStringLiteral("fldGrade")).toInt(), 72);
    QCOMPARE(ResultField(adaResult_, QStringLiteral("fldDate")).toString(), env_->fake.today);
    QCOMPARE(ResultField(adaResult_, QStringLiteral("fldStudentNumber")).toLongLong(), ada_);
    QCOMPARE(ResultField(adaResult_, QStringLiteral("fldTestNumber")).toLongLong(), fractions_);
    STEP(ExpectRecords(adaResult_, adaRecords_));
    STEP(ExpectRows(2, 2, 1));

    QVERIFY(!Screens::IsLoaded<frmQuestions>());
    QVERIFY(home.isVisible());
    QCOMPARE(home.lstResults->count(), 1);
    STEP(ExpectTakenRow(home.lstResults->item(0)->text(), adaRecords_));

    Click(home.cmdExit);
    ProcessEvents();
    QVERIFY(!Screens::IsLoaded<frmMain>());
    QVERIFY(Screens::Get<frmEntry>().isVisible());
    STEP(ExpectRows(2, 2, 1));
    STEP(ExpectNothingUnexpected());
}

void TestSchoolDay::secondStudentRunsOutOfTime()
{
    frmMain& home = StudentSignsIn(BoName, BoPassword);
    QCOMPARE(home.windowTitle(), QStringLiteral("Test Results For ") + BoName);
    // Ada's result is hers: Bo still sees the test as not taken.
    QCOMPARE(Rows(home.lstResults), QStringList{ResultsRow::NotTaken(Complete)});
    QVERIFY(ClickRow(home, Complete));
    frmQuestions& screen = BeginTest(home);

    // Slots 1 to 10 answered, right on the even ones; on slot 11 a line is
    // picked and the time runs out before the student leaves it.
    const auto next = [&screen] { Click(screen.cmdNext); };
    for (int s = 1; s <= 10; ++s) {
        const QString order = ShownOrder(screen);
        const int line = static_cast<int>(order.indexOf(s % 2 == 0 ? u'1' : u'3')) + 1;
        STEP(Answer(screen, line, boRecords_, boResult_, bo_, next));
    }
    QVERIFY(boResult_ != adaResult_);
    STEP(ExpectRows(2, 2, 2));
    QCOMPARE(CurrentQuestion, 11);
    const QString order = ShownOrder(screen);
    const int line = static_cast<int>(order.indexOf(u'1')) + 1;
    ChooseRight(screen);

    screen.Timer1_Timer();
    QCOMPARE(screen.lblTime->text(), QStringLiteral("1:59"));
    const std::size_t boxesBefore = env_->fake.shown.size();
    for (int tick = 2; tick <= 120; ++tick)
        screen.Timer1_Timer();
    QCOMPARE(screen.lblTime->text(), QStringLiteral("0:00"));
    QCOMPARE(env_->fake.shown.size(), boxesBefore);
    STEP(ExpectRecords(boResult_, boRecords_));  // slot 11 not stored yet
    QVERIFY(ResultField(boResult_, QStringLiteral("fldGrade")).isNull());

    screen.Timer1_Timer();
    QCOMPARE(env_->fake.shown.size(), boxesBefore + 1);
    QCOMPARE(env_->fake.shown.back().text, QStringLiteral("Time Is Up!"));
    QCOMPARE(env_->fake.shown.back().buttons, MsgButtons::OK);
    ProcessEvents();
    boRecords_[11] = RecordOf(order, line);

    QCOMPARE(RightCount(boRecords_), 6);
    QCOMPARE(ResultField(boResult_, QStringLiteral("fldGrade")).toInt(), 24);
    QCOMPARE(ResultField(boResult_, QStringLiteral("fldDate")).toString(), env_->fake.today);
    QCOMPARE(ResultField(boResult_, QStringLiteral("fldStudentNumber")).toLongLong(), bo_);
    STEP(ExpectRecords(boResult_, boRecords_));
    // Ada's attempt is untouched.
    STEP(ExpectRecords(adaResult_, adaRecords_));
    STEP(ExpectRows(2, 2, 2));

    QVERIFY(!Screens::IsLoaded<frmQuestions>());
    QVERIFY(home.isVisible());
    STEP(ExpectTakenRow(home.lstResults->item(0)->text(), boRecords_));
    Click(home.cmdExit);
    ProcessEvents();
    QVERIFY(Screens::Get<frmEntry>().isVisible());
    STEP(ExpectNothingUnexpected());
}

void TestSchoolDay::eachStudentReviewsTheirTest()
{
    struct Student {
        QString name, password;
        qint64 result;
        const Records& records;
    };
    for (const Student& student : {Student{AdaName, AdaPassword, adaResult_, adaRecords_},
                                   Student{BoName, BoPassword, boResult_, boRecords_}}) {
        frmMain& home = StudentSignsIn(student.name, student.password);
        QCOMPARE(home.lstResults->count(), 1);
        STEP(ExpectTakenRow(home.lstResults->item(0)->text(), student.records));
        QVERIFY(ClickRow(home, Complete));

        // A taken test cannot be taken again.
        Click(home.cmdTakeTest);
        QVERIFY(!Screens::IsLoaded<frmQuestions>());
        QVERIFY(home.isVisible());
        STEP(ExpectRows(2, 2, 2));

        Click(home.cmdReview);
        QVERIFY(Screens::IsLoaded<frmAnswers>());
        frmAnswers& review = Screens::Get<frmAnswers>();
        QVERIFY(review.isVisible());
        QVERIFY(!home.isVisible());
        STEP(ExpectReviewShowsStored(review, student.result, student.records));
        Click(review.cmdDone);
        ProcessEvents();
        QVERIFY(!Screens::IsLoaded<frmAnswers>());
        QVERIFY(home.isVisible());
        // Reviewing only reads.
        STEP(ExpectRecords(student.result, student.records));
        STEP(ExpectRows(2, 2, 2));

        Click(home.cmdExit);
        ProcessEvents();
        QVERIFY(Screens::Get<frmEntry>().isVisible());
    }
    STEP(ExpectNothingUnexpected());
}

void TestSchoolDay::administratorViewsPrintsAndDeletes()
{
    frmAdmin& admin = AdministratorSignsIn();
    QCOMPARE(admin.lstStudents->count(), 2);

    // Both students' results, each printed; Bo's also reviewed.
    struct Student {
        qint64 number;
        QString name;
        const Records& records;
    };
    for (const Student& student : {Student{ada_, AdaName, adaRecords_}, Student{bo_, BoName, boRecords_}}) {
        QVERIFY(PickKeyed(admin.lstStudents, student.number));
        QCOMPARE(admin.txtName->text(), student.name);
        Click(admin.cmdView);
        frmTestResults& results = Screens::Get<frmTestResults>();
        QVERIFY(results.isVisible());
        QVERIFY(!admin.isVisible());
        QCOMPARE(results.windowTitle(), QStringLiteral("Test Results For ") + student.name);
        const QString taken =
            ResultsRow::Taken(Complete, QString::number(4 * RightCount(student.records)), env_->fake.today);
        const QString row = ResultsRow::WithKey(taken, student.number, fractions_);
        QCOMPARE(Rows(results.lstResults), QStringList{row});

        if (student.number == bo_) {
            QVERIFY(PickRow(results.lstResults, [&row](const QString& text) { return text == row; }));
            Click(results.cmdView);
            frmAnswers& review = Screens::Get<frmAnswers>();
            QVERIFY(review.isVisible());
            QVERIFY(!results.isVisible());
            STEP(ExpectReviewShowsStored(review, boResult_, boRecords_));
            Click(review.cmdDone);
            ProcessEvents();
            QVERIFY(!Screens::IsLoaded<frmAnswers>());
            QVERIFY(results.isVisible());
            QVERIFY(!blnReviewFromAdmin);
        }

        const std::size_t pages = env_->fake.printed.size();
        Click(results.cmdPrint);
        QCOMPARE(env_->fake.printed.size(), pages + 1);
        const QStringList lines = env_->fake.printed.back().PlainLines();
        QVERIFY2(lines.size() >= 2 && lines[1].contains(QStringLiteral("Test Results For ") + student.name)
                     && lines[1].contains(env_->fake.today),
                 qPrintable(lines.join(u'\n')));
        QVERIFY2(lines.contains(QStringLiteral("    ") + row), qPrintable(lines.join(u'\n')));
        QVERIFY(!results.lblPrinting->isVisible());
        STEP(ExpectRows(2, 2, 2));

        if (student.number == bo_) {
            // Bo's result goes; his account stays with the test not taken.
            QVERIFY(PickRow(results.lstResults, [&row](const QString& text) { return text == row; }));
            env_->fake.answers.push_back(MsgAnswer::Yes);
            Click(results.cmdDelete);
            QCOMPARE(env_->fake.shown.back().text, QStringLiteral("Are you sure you want to delete this test result?"));
            QCOMPARE(Rows(results.lstResults), QStringList{ResultsRow::NotTaken(Complete)});
            STEP(ExpectRows(2, 2, 1));
            QCOMPARE(env_->Scalar(QStringLiteral("SELECT COUNT(*) FROM Results WHERE fldStudentNumber = ?"), {bo_})
                         .toLongLong(),
                     0);
            STEP(ExpectRecords(adaResult_, adaRecords_));
        }
        Click(results.cmdExit);
        ProcessEvents();
        QVERIFY(!Screens::IsLoaded<frmTestResults>());
        QVERIFY(admin.isVisible());
    }

    // The second student goes.
    QVERIFY(PickKeyed(admin.lstStudents, bo_));
    env_->fake.answers.push_back(MsgAnswer::Yes);
    Click(admin.cmdDeleteStudent);
    QCOMPARE(env_->fake.shown.back().title, QStringLiteral("Delete The Current Student"));
    STEP(ExpectRows(1, 2, 1));
    STEP(ExpectStudent(ada_, AdaName, AdaPassword));
    QCOMPARE(Rows(admin.lstStudents), QStringList{KeyedRow::Build(AdaName, KeyedRow::StudentGap, ada_)});

    // The complete test goes, and Ada's result of it with it.
    QVERIFY(PickKeyed(admin.lstTests, fractions_));
    env_->fake.answers.push_back(MsgAnswer::Yes);
    Click(admin.cmdDeleteTest);
    QCOMPARE(env_->fake.shown.back().title, QStringLiteral("Delete The Selected Test"));
    STEP(ExpectRows(1, 1, 0));
    QCOMPARE(env_->Scalar(QStringLiteral("SELECT fldTestNumber FROM Tests")).toLongLong(), decimals_);
    QCOMPARE(Rows(admin.lstTests),
             QStringList{KeyedRow::Build(QStringLiteral("<") + Incomplete + QStringLiteral(">"), KeyedRow::TestGap,
                                         decimals_)});

    Click(admin.cmdExit);
    ProcessEvents();
    QVERIFY(Screens::Get<frmEntry>().isVisible());

    // At the end of the day Ada has nothing left to take.
    frmMain& home = StudentSignsIn(AdaName, AdaPassword);
    QVERIFY(home.isVisible());
    QCOMPARE(home.lstResults->count(), 0);
    Click(home.cmdExit);
    ProcessEvents();
    STEP(ExpectRows(1, 1, 0));
    STEP(ExpectNothingUnexpected());
}

QTEST_MAIN(TestSchoolDay)
#include "test_schoolday.moc"
