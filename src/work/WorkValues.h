#pragma once

#include "exchange/Picture.h"

#include <QString>
#include <optional>
#include <vector>

// The plain values the work layer hands to the screens.

// A student account as the administrator keeps it; number 0 for a new one.
struct StudentAccount {
    qint64 number = 0;
    QString name;
    QString password;
    int extraPercent = 0;
};

// A row of the administrator's lists: the student or test, by its number.
struct StudentRow {
    qint64 number = 0;
    QString name;
};
struct TestRow {
    qint64 number = 0;
    QString name;  // as stored, with the marks of an unfinished test
};

// A test's heading as the new test screen shows it; the length is stored
// as the whole number its text is.
struct TestHeading {
    QString title;
    QString description;
    QString minutes;
};

// A row of a results list as shown, and the test it stands for.
struct ResultRow {
    QString text;
    qint64 testNumber = 0;
};
using ResultRows = std::vector<ResultRow>;

// Why a step on a test is refused: the test is gone, its stored length is
// none the countdown can run, the attempt is finished already (nothing more
// to take) or not finished yet (nothing to review), or there is no attempt
// at all. None: go on.
enum class Refusal { None, TestGone, BadLength, Finished, NotFinished, NoAttempt };

// An attempt begun and not graded, as the administrator follows it.
struct RunningAttempt {
    qint64 studentNumber = 0;
    qint64 testNumber = 0;
    QString student;  // empty when the student is gone
    QString test;     // empty when the test is gone
    std::optional<qint64> began;        // seconds since 1970-01-01 UTC; none when not known
    int answered = 0;                   // slots holding an answer
    std::optional<qint64> secondsLeft;  // none before its deadline is stored
};
using RunningAttempts = std::vector<RunningAttempt>;

// The texts the review screen shows, by the field names of the test's row
// and of the result's row (AnswerRecords::SlotField, AnswerFieldFor,
// "fldTestName"). Each read may throw DbError; the review skips it.
class ReviewTexts {
public:
    virtual ~ReviewTexts() = default;
    virtual QString TestText(const QString& field) const = 0;
    virtual QString ResultText(const QString& field) const = 0;
    // The slot's picture, if it has one.
    virtual std::optional<Picture> SlotPicture(int slot) const = 0;
    // The width of the test's widest picture and the height of its tallest;
    // empty when it has none.
    virtual QSize PictureRoom() const = 0;
};
