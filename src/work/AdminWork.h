#pragma once

#include "WorkValues.h"
#include "exchange/Attempt.h"
#include "exchange/TestDraft.h"

#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class Connection;
class QIODevice;
class RecordsetReview;

// Everything the administrator does with the data, in plain values: the
// student accounts, the test catalogue, a test's heading, slots and
// pictures, results and their review, deletes, the attempts in progress.
// Screens name the student or test by its number; nothing here keeps a row
// current for another call. The administrator reads the tables on both
// engines (on a lab workstation as the server's administrator role), so one
// implementation serves both; only signing in and out differ. Every call
// throws DbError with the engine's message when the database refuses it,
// and a call that writes more than one row writes all of them or none.
class AdminWork {
public:
    explicit AdminWork(Connection& connection);
    virtual ~AdminWork();

    // Whether `password` is the administrator's. On a lab workstation the
    // server checks it as the administrator role's, and the connection then
    // stays that role's until SignOut; a failed first read there signs out
    // again and throws.
    virtual bool SignIn(const QString& password) = 0;
    // Leaving the administration: on a lab workstation the session ends.
    virtual void SignOut() = 0;
    // The administrator's password: whether it is `typed`, and changing it.
    bool PasswordIs(const QString& typed);
    void ChangePassword(const QString& password);

    // ---- Student accounts
    // Every account in the table's order.
    std::vector<StudentRow> Students();
    // The account with that number; none when it is gone.
    std::optional<StudentAccount> Account(qint64 student);
    // Whether another student than `self` has exactly this name. The
    // student being edited keeps their own name even where an older database
    // holds a twin of it.
    bool NameTakenByAnother(const QString& name, std::optional<qint64> self);
    // A lab's server can be reached over the network, where a short password
    // is soon guessed: true for a password under 8 characters that is new
    // (a new student's, or a changed one) on a lab workstation.
    bool ShortNewLabPassword(const QString& password, std::optional<qint64> self);
    // Adds the account (number 0) or stores it over the one with its number;
    // returns its number. DbError when the edited student is gone.
    qint64 SaveAccount(const StudentAccount& account);
    // Deletes the student and every result of theirs; false, with nothing
    // deleted, when the student is gone.
    bool DeleteStudent(qint64 student);

    // ---- The test catalogue and a test's content
    // Every test in the table's order, unfinished ones with their marks.
    std::vector<TestRow> Tests();
    // The test's heading as stored (a Null field as empty text); none when
    // the test is gone.
    std::optional<TestHeading> Heading(qint64 test);
    // The test's heading and slots as stored (a Null field as empty text);
    // with the pictures of its slots when asked. None when it is gone.
    std::optional<TestDraft> Test(qint64 test, bool withPictures = false);
    // Whether a test other than `edited` has this title, the unfinished
    // marks of both left out.
    bool TitleTaken(const QString& title, std::optional<qint64> edited);
    // Adds a test with this heading and the questions (and pictures) given
    // for slots 1 on; marked unfinished when questions are given and fewer
    // than 25. Returns its number.
    qint64 AddTest(const TestHeading& heading, const std::vector<DraftQuestion>& questions);
    // Stores the heading over the test's.
    void StoreHeading(qint64 test, const TestHeading& heading);
    // Stores a slot's four texts and, when `picture` is given, its picture
    // (a picture, or none to remove it), together or not at all.
    void StoreSlot(qint64 test, int slot, const DraftQuestion& texts,
                   const std::optional<std::optional<Picture>>& picture);
    std::optional<Picture> SlotPicture(qint64 test, int slot);
    // How many slots have no question (Null or only blanks).
    int UnwrittenSlots(qint64 test);
    // Shows a complete test to students (its marks taken off) or hides an
    // incomplete one behind "<" and ">".
    void MarkComplete(qint64 test, bool complete);
    // Deletes the test and every result of it; false when it is gone.
    bool DeleteTest(qint64 test);

    // ---- Results
    // One student's results list, as the student sees it.
    ResultRows Results(qint64 student);
    // Readies Review() on the student's finished attempt at the test;
    // TestGone or NotFinished when there is none to review.
    Refusal ReadyReview(qint64 student, qint64 test);
    const ReviewTexts& Review();
    // Deletes the student's result in the test; a result that is gone
    // already needs no deleting.
    void DeleteResult(qint64 student, qint64 test);
    // The attempts of a test, of a student, or of both, as plain values.
    std::vector<Attempt> Attempts(std::optional<qint64> test, std::optional<qint64> student);
    qint64 CountAttempts(std::optional<qint64> test, std::optional<qint64> student);
    // Writes them to `file` as a results file, telling `going` the rows
    // written so far: the number written, none when `going` stopped it.
    std::optional<qint64> WriteResults(std::optional<qint64> test, std::optional<qint64> student, QIODevice& file,
                                       const std::function<bool(qint64)>& going);

    // ---- Attempts in progress (AttemptControl)
    RunningAttempts Running();
    Refusal GiveMoreTime(qint64 student, qint64 test, int minutes);
    // A finish is dated today.
    Refusal FinishNow(qint64 student, qint64 test);

protected:
    Connection& connection_;

private:
    // The review of one student's result, read through recordsets of its own.
    std::unique_ptr<RecordsetReview> reviewed_;
};

// The administrator's work for the database the program has open.
AdminWork& Administrator();
