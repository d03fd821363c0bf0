#include "WorkKinds.h"

#include "AdminWork.h"
#include "AttemptControl.h"
#include "RecordsetWork.h"
#include "StudentWork.h"
#include "app/AnswerRecord.h"
#include "app/ErrorPolicy.h"
#include "app/Module1.h"
#include "app/Platform.h"
#include "app/TestPictures.h"
#include "app/TestRules.h"
#include "data/AdminPassword.h"
#include "data/DbError.h"

#include <algorithm>
#include <QCoreApplication>

using namespace Module1;

namespace {

// The screens' shared recordsets on the program's own connection: rsPasswords
// on the signed-in student's row, rsTests on the test, rsResults on the
// attempt, each screen reopening them as it needs.
class Embedded : public StudentWork {
public:
    void ReadAtStart() override;
    bool SignIn(const QString& name, const QString& password) override;
    void SignOut() override {}
    QString StudentName() override { return rsPasswords.Text(QStringLiteral("fldStudentName")); }
    ResultRows List() override { return ResultsRows(SignedInStudent()); }
    Refusal CanTake(qint64 testNumber) override;
    Refusal ReadyReview(qint64 testNumber) override;
    const ReviewTexts& Review() override { return RecordsetReview(); }
    void OpenTest(qint64 testNumber) override;
    bool OpenAttempt() override;
    Intro TestIntro() override;
    qint64 SecondsLeft() override;
    std::int16_t TestMinutes() override;
    bool Answered(int slot) override { return !rsResults.Text(AnswerRecords::SlotField(slot)).isEmpty(); }
    Shown Slot(int slot) override;
    void Store(int slot, int line) override;
    void Finish() override;
    void CloseAttempt() override;

private:
    static qint64 SignedInStudent() { return rsPasswords.Field(QStringLiteral("fldStudentNumber")).toLongLong(); }
    static bool FindStudent(const QString& name, const QString& password);
    static bool AlreadyFinished(qint64 testNumber);
    static int CountRightAnswers();
    int MinutesGivenNow();
};

void Embedded::ReadAtStart()
{
    rsPasswords.Open(Sql::AllPasswords(), cnDatabase);
    rsTests.Open(Sql::AllTests(), cnDatabase);
}

// The accounts are read afresh, so that one added on another workstation
// sharing the database since start-up can sign in.
bool Embedded::SignIn(const QString& name, const QString& password)
{
    rsPasswords.Close();
    rsPasswords.Open(Sql::AllPasswords(), cnDatabase);
    return FindStudent(name, password);
}

// Leaves rsPasswords on the first row whose name and password equal what was
// typed, exactly; a field with no value never matches.
bool Embedded::FindStudent(const QString& name, const QString& password)
{
    if (rsPasswords.RecordCount() == 0)
        return false;
    rsPasswords.MoveFirst();
    while (!rsPasswords.Eof()) {
        const QVariant storedName = rsPasswords.Field(QStringLiteral("fldStudentName"));
        const QVariant storedPassword = rsPasswords.Field(QStringLiteral("fldPassword"));
        if (!storedName.isNull() && !storedPassword.isNull() && storedName.toString() == name
            && storedPassword.toString() == password)
            return true;
        rsPasswords.MoveNext();
    }
    return false;
}

Refusal Embedded::CanTake(qint64 testNumber)
{
    if (!::OpenTest(testNumber) || TestRules::IsUnfinished(rsTests.Text(QStringLiteral("fldTestName"))))
        return Refusal::TestGone;
    if (!TestRules::WholeMinutes(rsTests.Field(QStringLiteral("fldTime"))))
        return Refusal::BadLength;
    return AlreadyFinished(testNumber) ? Refusal::Finished : Refusal::None;
}

bool Embedded::AlreadyFinished(qint64 testNumber)
{
    Recordset existing;
    existing.Open(Sql::ResultOfStudentInTest(SignedInStudent(), testNumber), cnDatabase);
    return existing.RecordCount() != 0 && !existing.IsNull(QStringLiteral("fldGrade"));
}

Refusal Embedded::ReadyReview(qint64 testNumber)
{
    qint64 student = 0;
    IgnoreErrors([&student] { student = SignedInStudent(); });
    return ::ReadyReview(student, testNumber);
}

void Embedded::OpenTest(qint64 testNumber)
{
    IgnoreErrors([] { rsTests.Close(); });
    IgnoreErrors([&] { rsTests.Open(Sql::TestByNumber(testNumber), cnDatabase); });
    IgnoreErrors([] { rsResults.Close(); });
}

// rsResults on the student's attempt at the test in rsTests: true when one
// is stored, false when a new one is begun (pending until its deadline is
// stored). Only the student's own row for this test is read.
bool Embedded::OpenAttempt()
{
    const QVariant testNumber = rsTests.Field(QStringLiteral("fldTestNumber"));
    const QVariant studentNumber = rsPasswords.Field(QStringLiteral("fldStudentNumber"));
    rsResults.Open(Sql::ResultOfStudentInTest(studentNumber.toLongLong(), testNumber.toLongLong()), cnDatabase);
    if (rsResults.RecordCount() != 0)
        return true;
    rsResults.AddNew();
    rsResults.SetField(QStringLiteral("fldTestNumber"), testNumber);
    rsResults.SetField(QStringLiteral("fldStudentNumber"), studentNumber);
    return false;
}

// A length the countdown cannot run is shown as stored.
StudentWork::Intro Embedded::TestIntro()
{
    Intro intro{rsTests.Text(QStringLiteral("fldTestName")), rsTests.Text(QStringLiteral("fldDescription")),
                rsTests.Text(QStringLiteral("fldTime"))};
    if (const auto minutes = TestRules::WholeMinutes(rsTests.Field(QStringLiteral("fldTime")))) {
        const int given = MinutesGivenNow();
        intro.minutes = QString::number(given);
        intro.extraMinutes = given - *minutes;
    }
    return intro;
}

// The signed-in student's minutes for the test in rsTests, read when they
// signed in.
int Embedded::MinutesGivenNow()
{
    return AttemptControl::MinutesGiven(TestMinutes(), rsPasswords.Field(QStringLiteral("fldExtraTime")).toInt());
}

// The seconds left of the attempt by the database's clock. An attempt without
// a deadline (a new one, or one begun before deadlines were kept) gets its
// deadline now, its minutes given from now, and is stored with both. A clock
// put back since the attempt began never gives more than its minutes given.
qint64 Embedded::SecondsLeft()
{
    const qint64 now = cnDatabase.ClockSeconds();
    if (rsResults.IsNull(QStringLiteral("fldDeadline"))) {
        const int given = MinutesGivenNow();
        rsResults.SetField(QStringLiteral("fldMinutesGiven"), given);
        rsResults.SetField(QStringLiteral("fldDeadline"), now + qint64{given} * 60);
        rsResults.Update();
    }
    const qint64 length = 60 * (rsResults.IsNull(QStringLiteral("fldMinutesGiven"))
                                    ? qint64{TestMinutes()}
                                    : rsResults.Field(QStringLiteral("fldMinutesGiven")).toLongLong());
    return std::min(rsResults.Field(QStringLiteral("fldDeadline")).toLongLong() - now, length);
}

std::int16_t Embedded::TestMinutes()
{
    const auto minutes = TestRules::WholeMinutes(rsTests.Field(QStringLiteral("fldTime")));
    if (!minutes)
        throw DbError(QCoreApplication::translate("EmbeddedWork", "Overflow"));
    return *minutes;
}

// A fresh order while the slot is unanswered, the stored order and choice
// once it is answered; the order is kept in AnswerRecord for the store.
// Every read that fails is skipped and leaves its text empty (or the slot
// without its picture).
StudentWork::Shown Embedded::Slot(int slot)
{
    platform().Randomize();
    QString order = AnswerRecords::DrawOrder([] { return platform().Rnd(); });
    Shown shown;
    IgnoreErrors([&] {
        const QString stored = rsResults.Text(AnswerRecords::SlotField(slot));
        if (stored.isEmpty())
            return;
        const AnswerRecords::Parts parts = AnswerRecords::TakeApart(stored);
        order = parts.orderDigits[0] + parts.orderDigits[1] + parts.orderDigits[2];
        shown.chosenIndex = parts.chosenIndex;
    });
    IgnoreErrors([&] { shown.question = rsTests.Text(AnswerRecords::SlotField(slot)); });
    for (int k = 0; k < 3; ++k) {
        const QString field = AnswerRecords::AnswerFieldFor(slot, order.mid(k, 1));
        if (!field.isEmpty())
            IgnoreErrors([&] { shown.answers[static_cast<std::size_t>(k)] = rsTests.Text(field); });
    }
    IgnoreErrors([&] {
        shown.picture = TestPictures::Read(cnDatabase, rsTests.Field(QStringLiteral("fldTestNumber")).toLongLong(), slot);
    });
    AnswerRecord = order;
    return shown;
}

// The first store inserts the attempt's row.
void Embedded::Store(int slot, int line)
{
    AnswerRecord = AnswerRecords::Build(AnswerRecord, line);
    rsResults.SetField(AnswerRecords::SlotField(slot), AnswerRecord);
    rsResults.Update();
}

void Embedded::Finish()
{
    rsResults.SetField(QStringLiteral("fldGrade"), CountRightAnswers() * 4);
    rsResults.SetField(QStringLiteral("fldDate"), platform().TodayShortDate());
    rsResults.Update();
}

void Embedded::CloseAttempt()
{
    rsResults.Close();
    rsTests.Close();
}

int Embedded::CountRightAnswers()
{
    int right = 0;
    for (int slot = 1; slot <= AnswerRecords::Slots; ++slot)
        right += AnswerRecords::IsRight(rsResults.Text(AnswerRecords::SlotField(slot))) ? 1 : 0;
    return right;
}

// The administrator of a database file: the password is checked against the
// file's hash, and the program's own connection serves throughout.
class EmbeddedAdministrator : public AdminWork {
public:
    bool SignIn(const QString& password) override { return AdminPassword::Matches(cnDatabase, password); }
    void SignOut() override {}
};

}

StudentWork& EmbeddedWork()
{
    static Embedded work;
    return work;
}

AdminWork& EmbeddedAdmin()
{
    static EmbeddedAdministrator work;
    return work;
}
