#pragma once

#include "WorkValues.h"

#include <QSize>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>

// Everything a student's screens do with the database: sign-in, the home
// list, taking a test and reviewing one. On the embedded database the
// program's shared recordsets do it; on a lab workstation the server's
// student functions do, under a role that may read no table, so keys and
// answer orders of a running attempt never reach the workstation.
class StudentWork {
public:
    virtual ~StudentWork() = default;

    // What the sign-in screen opens once the database is open: the accounts
    // and the tests of the file, on no row (each is read afresh where it is
    // used); nothing on a lab workstation, whose role reads no table.
    virtual void ReadAtStart() = 0;

    // The student with exactly this name and password; false when none.
    virtual bool SignIn(const QString& name, const QString& password) = 0;
    virtual void SignOut() = 0;
    virtual QString StudentName() = 0;

    // The home list: every test open to students with the student's score
    // and date, "Unfinished" or "Not Taken", each row with its test.
    virtual ResultRows List() = 0;

    // Why the test cannot be taken now (TestGone, BadLength, Finished),
    // checked before anything is written.
    virtual Refusal CanTake(qint64 testNumber) = 0;

    // Readies Review() on the student's finished attempt at the test;
    // TestGone or NotFinished when there is none to review.
    virtual Refusal ReadyReview(qint64 testNumber) = 0;
    virtual const ReviewTexts& Review() = 0;

    // The test screen, step by step: the test, the attempt (true when one is
    // stored, to be continued), the introduction's texts, the seconds left
    // (beginning the attempt when it is new), and then its slots.
    virtual void OpenTest(qint64 testNumber) = 0;
    virtual bool OpenAttempt() = 0;
    // `minutes` is the student's own: the test's length with their extra
    // time, which is `extraMinutes` of it.
    struct Intro {
        QString testName;
        QString description;
        QString minutes;
        int extraMinutes = 0;
    };
    virtual Intro TestIntro() = 0;
    virtual qint64 SecondsLeft() = 0;
    // What the database says of the running attempt now, for a countdown
    // that follows it: its seconds left, or that it has been finished by the
    // administrator (from another workstation, or from another program on
    // the same computer).
    struct Heard {
        qint64 secondsLeft = 0;
        bool finished = false;
    };
    virtual Heard Listen() = 0;
    // The test's length in whole minutes; DbError "Overflow" when the
    // stored length is none the countdown can run.
    virtual std::int16_t TestMinutes() = 0;
    virtual bool Answered(int slot) = 0;

    // A slot as shown: its answers in the order drawn (or stored), the
    // index (0 to 2) of the line chosen, -1 for none, and its picture if it
    // has one.
    struct Shown {
        QString question;
        std::array<QString, 3> answers;
        int chosenIndex = -1;
        std::optional<Picture> picture;
    };
    virtual Shown Slot(int slot) = 0;
    // The width of the test's widest picture and the height of its tallest;
    // empty when it has none.
    virtual QSize PictureRoom() = 0;
    // Stores line 1 to 3 as the answer to the slot last shown.
    virtual void Store(int slot, int line) = 0;
    // Grades and dates the attempt.
    virtual void Finish() = 0;
    virtual void CloseAttempt() = 0;
};

// The student's work for the database the program has open.
StudentWork& Student();
