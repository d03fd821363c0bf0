#include "WorkKinds.h"

#include "AdminWork.h"
#include "StudentWork.h"
#include "rules/AnswerRecord.h"
#include "app/ErrorPolicy.h"
#include "rules/ListRows.h"
#include "app/Platform.h"
#include "rules/TestRules.h"
#include "data/DbError.h"
#include "data/LabSession.h"

#include <QHash>
#include <optional>
#include <QCoreApplication>

namespace {

// A slot's picture from the server, held only while its slot is on screen.
std::optional<Picture> PictureOf(LabSession& session, qint64 testNumber, int slot)
{
    const std::optional<LabSession::SlotPicture> found = session.PictureOf(testNumber, slot);
    if (!found)
        return std::nullopt;
    return Picture{found->bytes, found->format, found->width, found->height, found->description};
}

// A finished attempt as the server's review hands it over, by field name;
// each slot's picture is asked for when the slot is shown.
class ReviewedTexts : public ReviewTexts {
public:
    QString TestText(const QString& field) const override { return test.value(field); }
    QString ResultText(const QString& field) const override { return result.value(field); }
    std::optional<Picture> SlotPicture(int slot) const override
    {
        return session ? PictureOf(*session, testNumber, slot) : std::nullopt;
    }
    QSize PictureRoom() const override { return session ? session->PictureRoom(testNumber) : QSize(); }

    QHash<QString, QString> test;
    QHash<QString, QString> result;
    LabSession* session = nullptr;
    qint64 testNumber = 0;
};

// A student on a lab workstation: every step is one of the server's student
// functions under the student's session. The server draws and keeps the
// answer orders and writes the answer records; the workstation sees an
// answer's order digits only in the review of a finished attempt.
class Lab : public StudentWork {
public:
    explicit Lab(Connection& connection) : session_(connection) {}

    void ReadAtStart() override {}
    bool SignIn(const QString& name, const QString& password) override;
    void SignOut() override { session_.SignOut(); }
    QString StudentName() override { return name_; }
    ResultRows List() override;
    Refusal CanTake(qint64 testNumber) override;
    Refusal ReadyReview(qint64 testNumber) override;
    const ReviewTexts& Review() override { return review_; }
    void OpenTest(qint64 testNumber) override;
    bool OpenAttempt() override { return OpenedTest().begun; }
    Intro TestIntro() override;
    qint64 SecondsLeft() override;
    Heard Listen() override;
    std::int16_t TestMinutes() override;
    bool Answered(int slot) override { return storedLines_.at(Index(slot)) != 0; }
    Shown Slot(int slot) override;
    void Store(int slot, int line) override;
    QSize PictureRoom() override { return session_.PictureRoom(testNumber_); }
    void Finish() override;
    void CloseAttempt() override { test_.reset(); }

private:
    static std::size_t Index(int slot) { return static_cast<std::size_t>(slot - 1); }
    const LabSession::TestInfo& OpenedTest() const;
    std::optional<LabSession::ListRow> RowOf(qint64 testNumber);
    void TakeReview(qint64 testNumber, const QString& testName);

    LabSession session_;
    QString name_;
    qint64 testNumber_ = 0;
    std::optional<LabSession::TestInfo> test_;
    // The line stored for each slot as far as this workstation knows (0 for
    // none): an answer left unchanged is not sent again.
    std::array<int, AnswerRecords::Slots> storedLines_{};
    ReviewedTexts review_;
};

bool Lab::SignIn(const QString& name, const QString& password)
{
    name_.clear();
    if (!session_.SignIn(name, password))
        return false;
    name_ = name;
    return true;
}

QString RowText(const LabSession::ListRow& row)
{
    if (!row.begun)
        return ResultsRow::NotTaken(row.testName);
    if (row.grade.isNull())
        return ResultsRow::Unfinished(row.testName);
    return ResultsRow::Taken(row.testName, row.grade.toString(), row.date);
}

// A list the server cannot give stays empty and the program goes on, as the
// embedded fill leaves out every row it cannot read.
ResultRows Lab::List()
{
    ResultRows rows;
    IgnoreErrors([&] {
        for (const LabSession::ListRow& row : session_.Rows())
            rows.push_back({RowText(row), row.testNumber});
    });
    return rows;
}

std::optional<LabSession::ListRow> Lab::RowOf(qint64 testNumber)
{
    for (LabSession::ListRow& row : session_.Rows()) {
        if (row.testNumber == testNumber)
            return std::move(row);
    }
    return std::nullopt;
}

Refusal Lab::CanTake(qint64 testNumber)
{
    const std::optional<LabSession::ListRow> row = RowOf(testNumber);
    if (!row)
        return Refusal::TestGone;
    if (!TestRules::WholeMinutes(row->minutes))
        return Refusal::BadLength;
    return row->begun && !row->grade.isNull() ? Refusal::Finished : Refusal::None;
}

Refusal Lab::ReadyReview(qint64 testNumber)
{
    const std::optional<LabSession::ListRow> row = RowOf(testNumber);
    if (!row)
        return Refusal::TestGone;
    if (!row->begun || row->grade.isNull())
        return Refusal::NotFinished;
    TakeReview(testNumber, row->testName);
    return Refusal::None;
}

void Lab::TakeReview(qint64 testNumber, const QString& testName)
{
    ReviewedTexts review;
    review.session = &session_;
    review.testNumber = testNumber;
    review.test.insert(QStringLiteral("fldTestName"), testName);
    int slot = 0;
    for (const LabSession::ReviewSlot& reviewed : session_.Review(testNumber)) {
        const QString field = AnswerRecords::SlotField(++slot);
        review.result.insert(field, reviewed.answerRecord);
        review.test.insert(field, reviewed.question);
        review.test.insert(AnswerRecords::AnswerFieldFor(slot, QStringLiteral("1")), reviewed.rightAnswer);
        review.test.insert(AnswerRecords::AnswerFieldFor(slot, QStringLiteral("2")), reviewed.phony1);
        review.test.insert(AnswerRecords::AnswerFieldFor(slot, QStringLiteral("3")), reviewed.phony2);
    }
    review_ = std::move(review);
}

void Lab::OpenTest(qint64 testNumber)
{
    testNumber_ = testNumber;
    test_.reset();
    storedLines_ = {};
    test_ = session_.Test(testNumber);
}

const LabSession::TestInfo& Lab::OpenedTest() const
{
    if (!test_)
        throw DbError(QCoreApplication::translate("LabWork", "This test is no longer available."));
    return *test_;
}

// A length the countdown cannot run is shown as stored.
StudentWork::Intro Lab::TestIntro()
{
    const LabSession::TestInfo& test = OpenedTest();
    Intro intro{test.testName, test.description, test.minutes.toString()};
    if (const auto minutes = TestRules::WholeMinutes(test.minutes)) {
        const int given = session_.MinutesGiven(testNumber_);
        intro.minutes = QString::number(given);
        intro.extraMinutes = given - *minutes;
    }
    return intro;
}

qint64 Lab::SecondsLeft()
{
    const LabSession::Attempt attempt = session_.Begin(testNumber_);
    for (std::size_t s = 0; s < storedLines_.size(); ++s)
        storedLines_[s] = attempt.answered[s] ? -1 : 0;  // answered, line not yet known
    return attempt.secondsLeft;
}

StudentWork::Heard Lab::Listen()
{
    const LabSession::TimeLeft left = session_.Left(testNumber_);
    return Heard{left.secondsLeft, left.finished};
}

std::int16_t Lab::TestMinutes()
{
    const auto minutes = TestRules::WholeMinutes(OpenedTest().minutes);
    if (!minutes)
        throw DbError(QCoreApplication::translate("LabWork", "Overflow"));
    return *minutes;
}

StudentWork::Shown Lab::Slot(int slot)
{
    const LabSession::Slot shown = session_.Show(testNumber_, slot);
    storedLines_.at(Index(slot)) = shown.chosenLine;
    Shown onScreen{shown.question, shown.answers, shown.chosenLine - 1, std::nullopt};
    // As on the embedded path, a picture that cannot be read leaves the slot without it.
    IgnoreErrors([&] { onScreen.picture = PictureOf(session_, testNumber_, slot); });
    return onScreen;
}

void Lab::Store(int slot, int line)
{
    int& stored = storedLines_.at(Index(slot));
    if (stored != line && session_.Store(testNumber_, slot, line))
        stored = line;
}

// The server dates the attempt by its own clock, written as this
// workstation writes short dates.
void Lab::Finish() { session_.Finish(testNumber_, platform().ShortDateFormat()); }

// The administrator on a lab workstation is the server's administrator role,
// signed in on the program's connection.
class LabAdministrator : public AdminWork {
public:
    using AdminWork::AdminWork;
    bool SignIn(const QString& password) override;
    void SignOut() override;
};

bool LabAdministrator::SignIn(const QString& password)
{
    if (!connection_.SignInAsAdministrator(password))
        return false;
    try {
        Students();
        Tests();
    } catch (const DbError&) {
        SignOut();
        throw;
    }
    return true;
}

void LabAdministrator::SignOut()
{
    if (!connection_.SignedInAsAdministrator())
        return;
    connection_.SignOutAdministrator();
}

}

StudentWork& LabWork(Connection& connection)
{
    static Lab work(connection);
    return work;
}

AdminWork& LabAdmin(Connection& connection)
{
    static LabAdministrator work(connection);
    return work;
}
