#pragma once

#include <QString>
#include <array>
#include <functional>

// The five-character answer record of one question slot: the three order
// digits (which answer stands on answer lines 1, 2, 3: "1" the right answer,
// "2" the first false answer, "3" the second), the line the student chose,
// and "C" or "X". The test screen builds records; grading and the review read
// them back by position alone, whatever text the database holds.
namespace AnswerRecords {

constexpr int Slots = 25;

// A fresh order: the first digit is the whole part of 3 × r + 1, the second is
// drawn the same way until it differs, the third is what remains. `rnd` gives
// single-precision values in [0, 1).
QString DrawOrder(const std::function<float()>& rnd);

// The order digits followed by the chosen line (1 to 3) and "C" when that
// line holds the right answer, else "X".
QString Build(const QString& orderDigits, int chosenLine);

// True when the record's last character is "C" (exact case).
bool IsRight(const QString& record);

struct Parts {
    // Characters 1 to 3; a missing character is empty text.
    std::array<QString, 3> orderDigits;
    // The numeric value of character 4 minus 1; -1 when it is missing or not
    // a digit. Only 0 to 2 name an option button.
    int chosenIndex = -1;
};
Parts TakeApart(const QString& record);

// Field names of slot s (1 to 25): the question in Tests, the answer record
// in Results (both fldQ{s}), and the answer that order digit `digit` stands
// for (fldQ{s}Answer, fldQ{s}Phony1, fldQ{s}Phony2; empty for any other digit).
QString SlotField(int slot);
QString AnswerFieldFor(int slot, const QString& digit);

}
