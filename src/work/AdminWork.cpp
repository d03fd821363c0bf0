#include "AdminWork.h"

#include "AttemptControl.h"
#include "AttemptRows.h"
#include "RecordsetWork.h"
#include "ResultsExport.h"
#include "TestPictures.h"
#include "TestRows.h"
#include "app/Platform.h"
#include "data/AdminPassword.h"
#include "data/Connection.h"
#include "data/Recordset.h"
#include "rules/TestRules.h"

#include <algorithm>

namespace {

const QString StudentNumber = QStringLiteral("fldStudentNumber");
const QString StudentName = QStringLiteral("fldStudentName");
const QString Password = QStringLiteral("fldPassword");
const QString ExtraTime = QStringLiteral("fldExtraTime");
const QString TestNumber = QStringLiteral("fldTestNumber");
const QString TestName = QStringLiteral("fldTestName");

constexpr int ShortestLabPassword = 8;

// Opens `rs` on the test with that number; false when it is gone.
bool OpenTestRow(Recordset& rs, Connection& connection, qint64 test)
{
    rs.Open(Sql::TestByNumber(test), connection);
    return rs.RecordCount() != 0;
}

// Every row of `sql` as its number and name.
template <class Row>
std::vector<Row> NumberedRows(Connection& connection, const SqlText& sql, const QString& numberField,
                              const QString& nameField)
{
    std::vector<Row> rows;
    Recordset rs;
    rs.Open(sql, connection);
    rows.reserve(static_cast<std::size_t>(rs.RecordCount()));
    for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext())
        rows.push_back({rs.Field(numberField).toLongLong(), rs.Text(nameField)});
    return rows;
}

// Deletes the one row `owner` selects and every result `results` selects,
// together; false, with nothing deleted, when there is no such row.
bool DeleteWithResults(Connection& connection, const SqlText& owner, const SqlText& results)
{
    Connection::Transaction deleting(connection);
    Recordset row;
    row.Open(owner, connection);
    if (row.RecordCount() == 0)
        return false;
    row.Delete();
    Recordset theirs;
    theirs.Open(results, connection);
    for (theirs.MoveFirst(); !theirs.Eof(); theirs.MoveNext())
        theirs.Delete();
    deleting.Commit();
    return true;
}

void WriteHeading(Recordset& rs, const TestHeading& heading)
{
    rs.SetField(TestName, heading.title);
    rs.SetField(QStringLiteral("fldDescription"), heading.description);
    rs.SetField(QStringLiteral("fldTime"), heading.minutes.trimmed().toInt());
}

}

AdminWork::AdminWork(Connection& connection)
    : connection_(connection), reviewed_(std::make_unique<RecordsetReview>(connection))
{
}

AdminWork::~AdminWork() = default;

bool AdminWork::PasswordIs(const QString& typed) { return AdminPassword::Matches(connection_, typed); }

void AdminWork::ChangePassword(const QString& password) { AdminPassword::Change(connection_, password); }

// ---- Student accounts -------------------------------------------------------

std::vector<StudentRow> AdminWork::Students()
{
    return NumberedRows<StudentRow>(connection_, Sql::AllPasswords(), StudentNumber, StudentName);
}

std::optional<StudentAccount> AdminWork::Account(qint64 student)
{
    Recordset rs;
    rs.Open(Sql::StudentByNumber(student), connection_);
    if (rs.RecordCount() == 0)
        return std::nullopt;
    return StudentAccount{student, rs.Text(StudentName), rs.Text(Password), rs.Field(ExtraTime).toInt()};
}

bool AdminWork::NameTakenByAnother(const QString& name, std::optional<qint64> self)
{
    Recordset named;
    named.Open(Sql::StudentsNamed(name), connection_);
    for (named.MoveFirst(); !named.Eof(); named.MoveNext()) {
        if (named.Field(StudentNumber).toLongLong() == self.value_or(-1))
            return false;
    }
    return named.RecordCount() != 0;
}

bool AdminWork::ShortNewLabPassword(const QString& password, std::optional<qint64> self)
{
    if (!connection_.IsLabWorkstation() || password.size() >= ShortestLabPassword)
        return false;
    const std::optional<StudentAccount> stored = self ? Account(*self) : std::nullopt;
    return !stored || stored->password != password;
}

// A student that is gone leaves the recordset with no current row, and
// storing into it reports so.
qint64 AdminWork::SaveAccount(const StudentAccount& account)
{
    AttemptControl::RequireExtraPercent(account.extraPercent);
    Recordset rs;
    rs.Open(Sql::StudentByNumber(account.number), connection_);
    if (account.number == 0)
        rs.AddNew();
    rs.SetField(StudentName, account.name);
    rs.SetField(Password, account.password);
    rs.SetField(ExtraTime, account.extraPercent);
    rs.Update();
    return rs.Field(StudentNumber).toLongLong();
}

bool AdminWork::DeleteStudent(qint64 student)
{
    return DeleteWithResults(connection_, Sql::StudentByNumber(student), Sql::ResultsOfStudent(student));
}

// ---- Tests --------------------------------------------------------------------

std::vector<TestRow> AdminWork::Tests()
{
    return NumberedRows<TestRow>(connection_, Sql::TestTitles(), TestNumber, TestName);
}

std::optional<TestDraft> AdminWork::Test(qint64 test, bool withPictures)
{
    Recordset rs;
    if (!OpenTestRow(rs, connection_, test))
        return std::nullopt;
    TestDraft draft = TestRows::Draft(rs);
    if (withPictures)
        TestPictures::ReadInto(connection_, test, draft);
    return draft;
}

std::optional<TestHeading> AdminWork::Heading(qint64 test)
{
    Recordset rs;
    if (!OpenTestRow(rs, connection_, test))
        return std::nullopt;
    return TestHeading{rs.Text(TestName), rs.Text(QStringLiteral("fldDescription")), rs.Text(QStringLiteral("fldTime"))};
}

bool AdminWork::TitleTaken(const QString& title, std::optional<qint64> edited)
{
    const QString visible = TestRules::VisibleTitle(title);
    Recordset titles;
    titles.Open(Sql::TestTitles(), connection_);
    bool taken = false;
    for (titles.MoveFirst(); !titles.Eof(); titles.MoveNext()) {
        if (TestRules::VisibleTitle(titles.Text(TestName)) != visible)
            continue;
        if (titles.Field(TestNumber).toLongLong() == edited.value_or(-1))
            return false;
        taken = true;
    }
    return taken;
}

qint64 AdminWork::AddTest(const TestHeading& heading, const std::vector<DraftQuestion>& questions)
{
    Connection::Transaction adding(connection_);
    Recordset rs;
    rs.Open(Sql::TestByNumber(0), connection_);
    rs.AddNew();
    WriteHeading(rs, heading);
    if (!questions.empty()) {
        TestRows::WriteQuestions(rs, questions);
        rs.SetField(TestName, TestRules::StoredTitle(heading.title, questions.size() == std::size_t{TestDraft::Slots}));
    }
    rs.Update();
    const qint64 number = rs.Field(TestNumber).toLongLong();
    TestPictures::WriteFrom(connection_, number, questions);
    adding.Commit();
    return number;
}

// A test that is gone leaves the recordset with no current row, and storing
// into it reports so.
void AdminWork::StoreHeading(qint64 test, const TestHeading& heading)
{
    Recordset rs;
    OpenTestRow(rs, connection_, test);
    WriteHeading(rs, heading);
    rs.Update();
}

void AdminWork::StoreSlot(qint64 test, int slot, const DraftQuestion& texts,
                          const std::optional<std::optional<Picture>>& picture)
{
    Connection::Transaction storing(connection_);
    Recordset rs;
    OpenTestRow(rs, connection_, test);
    TestRows::WriteSlot(rs, slot, texts);
    rs.Update();
    if (picture)
        TestPictures::Keep(connection_, test, slot, *picture);
    storing.Commit();
}

std::optional<Picture> AdminWork::SlotPicture(qint64 test, int slot)
{
    return TestPictures::Read(connection_, test, slot);
}

int AdminWork::UnwrittenSlots(qint64 test)
{
    Recordset rs;
    OpenTestRow(rs, connection_, test);
    const TestDraft draft = TestRows::Draft(rs);
    return static_cast<int>(std::count_if(draft.questions.begin(), draft.questions.end(), [](const DraftQuestion& q) {
        return !TestRules::SlotWritten(q.question, q.answer, q.phony1, q.phony2);
    }));
}

void AdminWork::MarkComplete(qint64 test, bool complete)
{
    Recordset rs;
    OpenTestRow(rs, connection_, test);
    const QString name = rs.Text(TestName);
    const QString marked = TestRules::StoredTitle(name, complete);
    if (marked == name)
        return;
    rs.SetField(TestName, marked);
    rs.Update();
}

bool AdminWork::DeleteTest(qint64 test)
{
    return DeleteWithResults(connection_, Sql::TestByNumber(test), Sql::ResultsOfTest(test));
}

// ---- Results -------------------------------------------------------------------

ResultRows AdminWork::Results(qint64 student) { return ResultsRows(connection_, student); }

Refusal AdminWork::ReadyReview(qint64 student, qint64 test) { return reviewed_->Ready(student, test); }

const ReviewTexts& AdminWork::Review() { return *reviewed_; }

void AdminWork::DeleteResult(qint64 student, qint64 test)
{
    Recordset result;
    result.Open(Sql::ResultOfStudentInTest(student, test), connection_);
    if (result.RecordCount() != 0)
        result.Delete();
}

std::vector<Attempt> AdminWork::Attempts(std::optional<qint64> test, std::optional<qint64> student)
{
    return AttemptRows::Load(connection_, test, student);
}

qint64 AdminWork::CountAttempts(std::optional<qint64> test, std::optional<qint64> student)
{
    return AttemptRows::Count(connection_, test, student);
}

std::optional<qint64> AdminWork::WriteResults(std::optional<qint64> test, std::optional<qint64> student,
                                              QIODevice& file, const std::function<bool(qint64)>& going)
{
    return ResultsExport::Write(connection_, test, student, file, going);
}

// ---- Attempts in progress ----------------------------------------------------

RunningAttempts AdminWork::Running() { return AttemptControl::Running(connection_); }

Refusal AdminWork::GiveMoreTime(qint64 student, qint64 test, int minutes)
{
    return AttemptControl::GiveMoreTime(connection_, student, test, minutes);
}

Refusal AdminWork::FinishNow(qint64 student, qint64 test)
{
    return AttemptControl::FinishNow(connection_, student, test, platform().TodayShortDate());
}
