#include "WorkKinds.h"

#include "AdminWork.h"
#include "AttemptControl.h"
#include "RecordsetWork.h"
#include "StudentWork.h"
#include "rules/AnswerRecord.h"
#include "app/ErrorPolicy.h"
#include "data/Connection.h"
#include "app/Platform.h"
#include "TestPictures.h"
#include "rules/TestRules.h"
#include "data/AdminPassword.h"
#include "data/DbError.h"

#include <algorithm>
#include <QCoreApplication>

namespace {

// Recordsets of its own on the program's connection: passwords_ on the
// signed-in student's row, tests_ on the test taken, results_ on the
// attempt, and the review's own pair.
class Embedded : public StudentWork {
public:
    explicit Embedded(Connection& connection) : connection_(connection), review_(connection) {}
    void ReadAtStart() override;
    bool SignIn(const QString& name, const QString& password) override;
    void SignOut() override;
    QString StudentName() override { return passwords_.Text(QStringLiteral("fldStudentName")); }
    ResultRows List() override { return ResultsRows(connection_, SignedInStudent()); }
    Refusal CanTake(qint64 testNumber) override;
    Refusal ReadyReview(qint64 testNumber) override;
    const ReviewTexts& Review() override { return review_; }
    void OpenTest(qint64 testNumber) override;
    bool OpenAttempt() override;
    Intro TestIntro() override;
    qint64 SecondsLeft() override;
    Heard Listen() override;
    std::int16_t TestMinutes() override;
    bool Answered(int slot) override { return !results_.Text(AnswerRecords::SlotField(slot)).isEmpty(); }
    Shown Slot(int slot) override;
    QSize PictureRoom() override
    {
        return TestPictures::Room(connection_, tests_.Field(QStringLiteral("fldTestNumber")).toLongLong());
    }
    void Store(int slot, int line) override;
    void Finish() override;
    void CloseAttempt() override;

private:
    qint64 SignedInStudent() const { return passwords_.Field(QStringLiteral("fldStudentNumber")).toLongLong(); }
    bool FindStudent(const QString& name, const QString& password);
    bool AlreadyFinished(qint64 testNumber);
    int CountRightAnswers() const;
    int MinutesGivenNow();
    qint64 SecondsLeftIn(const Recordset& attempt, qint64 now);

    Connection& connection_;
    Recordset passwords_;
    Recordset tests_;
    Recordset results_;
    RecordsetReview review_;
    // The answer order of the slot last shown, kept for its store.
    QString order_;
};

// Both are read afresh where they are used (a sign-in, a test taken): at
// start they are opened on no row, which tells at once of a database
// without them, while a school's thousands of accounts and all its tests'
// texts cost the start nothing.
void Embedded::ReadAtStart()
{
    SignOut();
    passwords_.Open(Sql::NoRowsOf(Sql::AllPasswords()), connection_);
    tests_.Open(Sql::NoRowsOf(Sql::AllTests()), connection_);
}

void Embedded::SignOut()
{
    passwords_.Close();
    tests_.Close();
    results_.Close();
}

// The accounts are read afresh, so that one added on another workstation
// sharing the database since start-up can sign in.
bool Embedded::SignIn(const QString& name, const QString& password)
{
    passwords_.Close();
    passwords_.Open(Sql::AllPasswords(), connection_);
    return FindStudent(name, password);
}

// Leaves passwords_ on the first row whose name and password equal what was
// typed, exactly; a field with no value never matches.
bool Embedded::FindStudent(const QString& name, const QString& password)
{
    if (passwords_.RecordCount() == 0)
        return false;
    passwords_.MoveFirst();
    while (!passwords_.Eof()) {
        const QVariant storedName = passwords_.Field(QStringLiteral("fldStudentName"));
        const QVariant storedPassword = passwords_.Field(QStringLiteral("fldPassword"));
        if (!storedName.isNull() && !storedPassword.isNull() && storedName.toString() == name
            && storedPassword.toString() == password)
            return true;
        passwords_.MoveNext();
    }
    return false;
}

Refusal Embedded::CanTake(qint64 testNumber)
{
    if (!::OpenTest(tests_, connection_, testNumber) || TestRules::IsUnfinished(tests_.Text(QStringLiteral("fldTestName"))))
        return Refusal::TestGone;
    if (!TestRules::WholeMinutes(tests_.Field(QStringLiteral("fldTime"))))
        return Refusal::BadLength;
    return AlreadyFinished(testNumber) ? Refusal::Finished : Refusal::None;
}

bool Embedded::AlreadyFinished(qint64 testNumber)
{
    Recordset existing;
    existing.Open(Sql::ResultOfStudentInTest(SignedInStudent(), testNumber), connection_);
    return existing.RecordCount() != 0 && !existing.IsNull(QStringLiteral("fldGrade"));
}

Refusal Embedded::ReadyReview(qint64 testNumber)
{
    qint64 student = 0;
    IgnoreErrors([&student, this] { student = SignedInStudent(); });
    return review_.Ready(student, testNumber);
}

void Embedded::OpenTest(qint64 testNumber)
{
    IgnoreErrors([this] { tests_.Close(); });
    IgnoreErrors([&] { tests_.Open(Sql::TestByNumber(testNumber), connection_); });
    IgnoreErrors([this] { results_.Close(); });
}

// results_ on the student's attempt at the test in tests_: true when one
// is stored, false when a new one is begun (pending until its deadline is
// stored). Only the student's own row for this test is read.
bool Embedded::OpenAttempt()
{
    const QVariant testNumber = tests_.Field(QStringLiteral("fldTestNumber"));
    const QVariant studentNumber = passwords_.Field(QStringLiteral("fldStudentNumber"));
    results_.Open(Sql::ResultOfStudentInTest(studentNumber.toLongLong(), testNumber.toLongLong()), connection_);
    if (results_.RecordCount() != 0)
        return true;
    results_.AddNew();
    results_.SetField(QStringLiteral("fldTestNumber"), testNumber);
    results_.SetField(QStringLiteral("fldStudentNumber"), studentNumber);
    return false;
}

// A length the countdown cannot run is shown as stored.
StudentWork::Intro Embedded::TestIntro()
{
    Intro intro{tests_.Text(QStringLiteral("fldTestName")), tests_.Text(QStringLiteral("fldDescription")),
                tests_.Text(QStringLiteral("fldTime"))};
    if (const auto minutes = TestRules::WholeMinutes(tests_.Field(QStringLiteral("fldTime")))) {
        const int given = MinutesGivenNow();
        intro.minutes = QString::number(given);
        intro.extraMinutes = given - *minutes;
    }
    return intro;
}

// The signed-in student's minutes for the test in tests_, read when they
// signed in.
int Embedded::MinutesGivenNow()
{
    return AttemptControl::MinutesGiven(TestMinutes(), passwords_.Field(QStringLiteral("fldExtraTime")).toInt());
}

// The seconds left of the attempt by the database's clock. An attempt without
// a deadline (a new one, or one begun before deadlines were kept) gets its
// deadline now, its minutes given from now, and is stored with both. A clock
// put back since the attempt began never gives more than its minutes given.
qint64 Embedded::SecondsLeft()
{
    const qint64 now = connection_.ClockSeconds();
    if (results_.IsNull(QStringLiteral("fldDeadline"))) {
        const int given = MinutesGivenNow();
        results_.SetField(QStringLiteral("fldMinutesGiven"), given);
        results_.SetField(QStringLiteral("fldDeadline"), now + qint64{given} * 60);
        results_.Update();
    }
    return SecondsLeftIn(results_, now);
}

qint64 Embedded::SecondsLeftIn(const Recordset& attempt, qint64 now)
{
    const qint64 length = 60 * (attempt.IsNull(QStringLiteral("fldMinutesGiven"))
                                    ? qint64{TestMinutes()}
                                    : attempt.Field(QStringLiteral("fldMinutesGiven")).toLongLong());
    return std::min(attempt.Field(QStringLiteral("fldDeadline")).toLongLong() - now, length);
}

// The attempt as the file holds it now: another program on this computer (a
// second copy of this one, or vornick-admin) may have given it more time or
// finished it. An attempt deleted meanwhile counts as finished: nothing more
// of it can be stored.
StudentWork::Heard Embedded::Listen()
{
    Recordset attempt;
    attempt.Open(Sql::ResultOfStudentInTest(SignedInStudent(), tests_.Field(QStringLiteral("fldTestNumber")).toLongLong()),
                 connection_);
    if (attempt.RecordCount() == 0 || !attempt.IsNull(QStringLiteral("fldGrade")))
        return Heard{0, true};
    return Heard{SecondsLeftIn(attempt, connection_.ClockSeconds()), false};
}

std::int16_t Embedded::TestMinutes()
{
    const auto minutes = TestRules::WholeMinutes(tests_.Field(QStringLiteral("fldTime")));
    if (!minutes)
        throw DbError(QCoreApplication::translate("EmbeddedWork", "Overflow"));
    return *minutes;
}

// A fresh order while the slot is unanswered, the stored order and choice
// once it is answered; the order is kept in order_ for the store.
// Every read that fails is skipped and leaves its text empty (or the slot
// without its picture).
StudentWork::Shown Embedded::Slot(int slot)
{
    platform().Randomize();
    QString order = AnswerRecords::DrawOrder([] { return platform().Rnd(); });
    Shown shown;
    IgnoreErrors([&] {
        const QString stored = results_.Text(AnswerRecords::SlotField(slot));
        if (stored.isEmpty())
            return;
        const AnswerRecords::Parts parts = AnswerRecords::TakeApart(stored);
        order = parts.orderDigits[0] + parts.orderDigits[1] + parts.orderDigits[2];
        shown.chosenIndex = parts.chosenIndex;
    });
    IgnoreErrors([&] { shown.question = tests_.Text(AnswerRecords::SlotField(slot)); });
    for (int k = 0; k < 3; ++k) {
        const QString field = AnswerRecords::AnswerFieldFor(slot, order.mid(k, 1));
        if (!field.isEmpty())
            IgnoreErrors([&] { shown.answers[static_cast<std::size_t>(k)] = tests_.Text(field); });
    }
    IgnoreErrors([&] {
        shown.picture = TestPictures::Read(connection_, tests_.Field(QStringLiteral("fldTestNumber")).toLongLong(), slot);
    });
    order_ = order;
    return shown;
}

// The first store inserts the attempt's row. The grade goes with every store
// as none, so that an answer is stored only into an attempt nobody has
// graded meanwhile; into one that is graded, the store fails and stores
// nothing.
void Embedded::Store(int slot, int line)
{
    order_ = AnswerRecords::Build(order_, line);
    results_.SetField(AnswerRecords::SlotField(slot), order_);
    results_.SetField(QStringLiteral("fldGrade"), QVariant());
    results_.Update();
}

void Embedded::Finish()
{
    results_.SetField(QStringLiteral("fldGrade"), CountRightAnswers() * 4);
    results_.SetField(QStringLiteral("fldDate"), platform().TodayShortDate());
    results_.SetField(QStringLiteral("fldGradedAt"), connection_.ClockSeconds());
    results_.Update();
}

void Embedded::CloseAttempt()
{
    results_.Close();
    tests_.Close();
}

int Embedded::CountRightAnswers() const
{
    int right = 0;
    for (int slot = 1; slot <= AnswerRecords::Slots; ++slot)
        right += AnswerRecords::IsRight(results_.Text(AnswerRecords::SlotField(slot))) ? 1 : 0;
    return right;
}

// The administrator of a database file: the password is checked against the
// file's hash, and the program's own connection serves throughout.
class EmbeddedAdministrator : public AdminWork {
public:
    using AdminWork::AdminWork;
    bool SignIn(const QString& password) override { return PasswordIs(password); }
    void SignOut() override {}
};

}

StudentWork& EmbeddedWork(Connection& connection)
{
    static Embedded work(connection);
    return work;
}

AdminWork& EmbeddedAdmin(Connection& connection)
{
    static EmbeddedAdministrator work(connection);
    return work;
}
