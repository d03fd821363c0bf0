#pragma once

#include "exchange/Attempt.h"

#include <QString>
#include <array>
#include <optional>
#include <vector>

// Item statistics of a test from its finished attempts' choices: how the
// test as a whole measured, and per slot how easy it was, whether it told
// strong attempts from weak ones, and which texts were chosen. Every
// unanswered slot counts as wrong. A figure that is not defined (a variance
// of zero, no attempt at all) has no value; it is never NaN.
//
// Every variance, of a slot and of the total alike, divides by N (the number
// of attempts), so that Cronbach's alpha uses one shared denominator.
namespace ItemAnalysis {

using Figure = std::optional<double>;

// How many chose each text, indexed by Choice: nothing, the answer, false
// answer 1, false answer 2.
using ChoiceCounts = std::array<int, 4>;

enum class Flag { WrongKey, NegativeDiscrimination, TooEasy, TooHard };

struct FlagReason {
    Flag flag;
    QString reason;  // one line, for the teacher
};

struct SlotFigures {
    int slot = 0;  // 1 to 25
    // The share of attempts with the right answer.
    Figure facility;
    // Corrected item-total correlation: Pearson's r of the slot's right (1)
    // or wrong (0) against the total of the other slots.
    Figure discrimination;
    ChoiceCounts all{};
    ChoiceCounts top{};     // the top group by total
    ChoiceCounts bottom{};  // the bottom group by total
    std::vector<FlagReason> flags;
};

struct TestFigures {
    int attempts = 0;  // N
    // Grades as 4 points per right slot, counted from the answer records.
    Figure mean;
    Figure standardDeviation;
    Figure lowest;
    Figure highest;
    // KR-20: k/(k-1) * (1 - sum of p(1-p) / variance of the totals).
    Figure alpha;
    // Standard error of measurement, in grade points: SD * sqrt(1 - alpha).
    Figure standardError;
    // The size of the top and of the bottom group: 27% of N, rounded to the
    // nearest whole attempt (halves up), at least one when there is any.
    int groupSize = 0;
    // Fewer attempts than figures need to mean much.
    bool fewAttempts = true;
    // Grades 0-9, 10-19, ..., 80-89 and 90-100.
    std::array<int, 10> histogram{};
    std::vector<SlotFigures> perSlot;
};

constexpr int FewAttempts = 5;
// Below this many finished attempts no key is flagged as possibly wrong.
constexpr int KeyCheckAttempts = 20;
constexpr int PointsPerSlot = 4;

TestFigures Analyse(const std::vector<SlotChoices>& attempts);

// A figure with `decimals` places, or "not defined".
QString Shown(const Figure& figure, int decimals = 2);

}
