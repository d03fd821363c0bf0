#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

// One attempt at a test as plain values: who, which test, the grade and date
// as stored, and which of the three texts the student chose on each slot.
// Results files and the item statistics are built from these.

// What a student chose on a slot: the right answer, the first or second
// false answer, or nothing.
enum class Choice : std::uint8_t { None, Answer, False1, False2 };

constexpr int AttemptSlots = 25;
using SlotChoices = std::array<Choice, AttemptSlots>;

struct Attempt {
    qint64 studentNumber = 0;
    QString student;
    qint64 testNumber = 0;
    QString test;
    QString grade;  // as stored; empty while unfinished
    QString date;   // as stored
    bool finished = false;
    QString minutesGiven;  // the attempt's length as given; empty when not known
    SlotChoices choices{};
};

// An attempt's fields as the database hands them over, for a results file
// written while the rows are read: texts in UTF-8 (empty for Null) and each
// slot's answer record as stored, valid as long as the row they are read
// from.
struct StoredAttempt {
    qint64 studentNumber = 0;
    QByteArrayView student;
    qint64 testNumber = 0;
    QByteArrayView test;
    QByteArrayView grade;
    QByteArrayView date;
    bool finished = false;
    QByteArrayView minutesGiven;
    std::optional<qint64> gradedAt;  // seconds since 1970-01-01 UTC; none when not kept
    std::array<QByteArrayView, AttemptSlots> records;
};

// The choice a stored answer record holds. A record that is not exactly the
// three order digits (1, 2 and 3 once each), the chosen line (1 to 3) and the
// mark that line's digit calls for ("C" for the right answer, else "X") is
// malformed and counts as no choice, as an empty one does.
Choice ChoiceOfRecord(QStringView record);
Choice ChoiceOfRecord(QByteArrayView record);

// "answer", "false 1", "false 2", or empty for no choice.
QString ChoiceName(Choice choice);

// The choices of every finished attempt, in order.
std::vector<SlotChoices> FinishedChoices(const std::vector<Attempt>& attempts);
