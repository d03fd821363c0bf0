#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <functional>

class Form;
class QListWidget;

// The texts the review screen shows, by the field names of the test's row
// and of the result's row (AnswerRecords::SlotField, AnswerFieldFor,
// "fldTestName"). Each read may throw DbError; the review skips it.
class ReviewTexts {
public:
    virtual ~ReviewTexts() = default;
    virtual QString TestText(const QString& field) const = 0;
    virtual QString ResultText(const QString& field) const = 0;
};

// The current rows of rsTests and rsResults, as the opener left them.
const ReviewTexts& RecordsetReview();

// Everything a student's screens do with the database: sign-in, the home
// list, taking a test and reviewing one. On the embedded database the
// screens' shared recordsets do it; on a lab workstation the server's student
// functions do, under a role that may read no table, so keys and answer
// orders of a running attempt never reach the workstation.
class StudentWork {
public:
    virtual ~StudentWork() = default;

    // The student with exactly this name and password; false when none.
    virtual bool SignIn(const QString& name, const QString& password) = 0;
    virtual void SignOut() = 0;
    virtual QString StudentName() = 0;

    // The home list: every test open to students with the student's score
    // and date, "Unfinished" or "Not Taken", each row keyed by its test.
    virtual void FillList(QListWidget& list) = 0;

    // Why the test cannot be taken now, checked before anything is written.
    enum class Refusal { None, TestGone, BadLength, Finished };
    virtual Refusal CanTake(qint64 testNumber) = 0;

    // Opens the review of the student's finished attempt at the test and
    // hides `opener`; a test that is gone is told, and an attempt not
    // finished refills the list (`refill`) instead.
    virtual void OpenReview(Form& opener, qint64 testNumber, const std::function<void()>& refill) = 0;
    virtual const ReviewTexts& Review() = 0;

    // The test screen, step by step: the test, the attempt (true when one is
    // stored, to be continued), the introduction's texts, the seconds left
    // (beginning the attempt when it is new), and then its slots.
    virtual void OpenTest(qint64 testNumber) = 0;
    virtual bool OpenAttempt() = 0;
    struct Intro {
        QString testName;
        QString description;
        QString minutes;
    };
    virtual Intro TestIntro() = 0;
    virtual qint64 SecondsLeft() = 0;
    // The test's length in whole minutes; DbError "Overflow" when the
    // stored length is none the countdown can run.
    virtual std::int16_t TestMinutes() = 0;
    virtual bool Answered(int slot) = 0;

    // A slot as shown: its answers in the order drawn (or stored), and the
    // index (0 to 2) of the line chosen, -1 for none.
    struct Shown {
        QString question;
        std::array<QString, 3> answers;
        int chosenIndex = -1;
    };
    virtual Shown Slot(int slot) = 0;
    // Stores line 1 to 3 as the answer to the slot last shown.
    virtual void Store(int slot, int line) = 0;
    // Grades and dates the attempt.
    virtual void Finish() = 0;
    virtual void CloseAttempt() = 0;
};

// The student's work for the database the program has open: the only place
// that tells the embedded database from a lab workstation.
StudentWork& Student();
