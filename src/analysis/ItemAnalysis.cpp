#include "ItemAnalysis.h"

#include <QStringList>
#include <algorithm>
#include <cmath>
#include <numeric>

namespace ItemAnalysis {

namespace {

constexpr double TooEasyAbove = 0.9;
constexpr double TooHardBelow = 0.25;
// The wrong-key rule's limits. Steiger's Z tests against equal correlations,
// while a right key's r is usually far above its false answers'; so a Z
// of 1.1 suffices, a level set against false alarms by simulated classes.
constexpr qint64 WrongKeyChoosers = 5;
constexpr double WrongKeyMargin = 0.2;
constexpr double WrongKeyZ = 1.1;

std::size_t Index(Choice choice) { return static_cast<std::size_t>(choice); }

// Pearson's r from whole-number sums over n pairs:
// (n Σxy − Σx Σy) / √((n Σx² − (Σx)²)(n Σy² − (Σy)²)); not defined when
// either variable does not vary.
Figure Pearson(qint64 n, qint64 sx, qint64 sxx, qint64 sy, qint64 syy, qint64 sxy)
{
    const qint64 vx = n * sxx - sx * sx;
    const qint64 vy = n * syy - sy * sy;
    if (vx <= 0 || vy <= 0)
        return std::nullopt;
    return static_cast<double>(n * sxy - sx * sy) / std::sqrt(static_cast<double>(vx) * static_cast<double>(vy));
}

std::vector<int> Totals(const std::vector<SlotChoices>& attempts)
{
    std::vector<int> totals;
    totals.reserve(attempts.size());
    for (const SlotChoices& choices : attempts)
        totals.push_back(static_cast<int>(std::count(choices.begin(), choices.end(), Choice::Answer)));
    return totals;
}

// Attempts from the highest total to the lowest; equal totals keep their order.
std::vector<std::size_t> ByTotal(const std::vector<int>& totals)
{
    std::vector<std::size_t> order(totals.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return totals[a] > totals[b]; });
    return order;
}

// 27% of n, rounded half up, at least one of any.
int GroupSize(int n) { return n == 0 ? 0 : std::max(1, (27 * n + 50) / 100); }

ChoiceCounts Count(const std::vector<SlotChoices>& attempts, std::size_t slot, auto first, auto last)
{
    ChoiceCounts counts{};
    for (auto i = first; i != last; ++i)
        ++counts[Index(attempts[*i][slot])];
    return counts;
}

QString FalseName(Choice choice)
{
    return choice == Choice::False1 ? QStringLiteral("false answer 1") : QStringLiteral("false answer 2");
}

// Each text's choosers against the total of the other slots.
struct RestSums {
    qint64 sum = 0;
    qint64 squares = 0;
    std::array<qint64, 4> byChoice{};  // Σ rest over those who chose each text
};

Figure ChoiceCorrelation(const SlotFigures& slot, const RestSums& rest, qint64 n, Choice choice)
{
    const qint64 chose = slot.all[Index(choice)];
    return Pearson(n, chose, chose, rest.sum, rest.squares, rest.byChoice[Index(choice)]);
}

// Steiger's (1980) Z for the difference of two correlations that share one
// variable, here the rest of the test R: the false answer's rF = r(F, R)
// against the key's rK = r(K, R), where F and K themselves correlate rFK:
// Z = (atanh rF - atanh rK) sqrt(n - 3) / sqrt(2 - 2 s), s = psi / (1 - m^2)^2,
// psi = rFK (1 - 2 m^2) - m^2 (1 - 2 m^2 - rFK^2) / 2, m = (rF + rK) / 2.
// When only F and K were chosen (rFK = -1) it is the test of rF > 0.
double SteigerZ(double rF, double rK, double rFK, double n)
{
    const double m2 = (rF + rK) * (rF + rK) / 4;
    const double psi = rFK * (1 - 2 * m2) - m2 * (1 - 2 * m2 - rFK * rFK) / 2;
    const double s = psi / ((1 - m2) * (1 - m2));
    return (std::atanh(rF) - std::atanh(rK)) * std::sqrt(n - 3) / std::sqrt(2 - 2 * s);
}

// Whether a false answer beats the keyed answer: chosen by enough attempts,
// going with high totals (rF above 0), by a clear margin over the key's rK and
// significantly so.
bool BeatsKey(qint64 chose, double rF, qint64 keyed, double rK, qint64 n)
{
    if (chose < WrongKeyChoosers || rF <= 0 || rF - rK < WrongKeyMargin)
        return false;
    // Choosing F and choosing K exclude each other, so r(F, K) follows from the counts.
    const double rFK = keyed == 0 ? 0.0
                                  : -std::sqrt(static_cast<double>(chose * keyed) /
                                               static_cast<double>((n - chose) * (n - keyed)));
    return SteigerZ(rF, rK, rFK, static_cast<double>(n)) >= WrongKeyZ;
}

// The flag names the false answer that beats the key with the higher r.
std::optional<QString> WrongKeyReason(const SlotFigures& slot, const RestSums& rest, qint64 n)
{
    const qint64 keyed = slot.all[Index(Choice::Answer)];
    // Nobody choosing the keyed answer says nothing for it: counted as 0.
    const Figure rK = keyed == 0 ? Figure(0.0) : slot.discrimination;
    Choice likeliest = Choice::None;
    Figure best;
    for (const Choice wrong : {Choice::False1, Choice::False2}) {
        const Figure rF = ChoiceCorrelation(slot, rest, n, wrong);
        if (rF && rK && BeatsKey(slot.all[Index(wrong)], *rF, keyed, *rK, n) && (!best || *rF > *best)) {
            likeliest = wrong;
            best = rF;
        }
    }
    if (!best)
        return std::nullopt;
    return QStringLiteral("Possible wrong key: %1 goes with high totals (r = %2) clearly more than the keyed answer "
                          "(r = %3); %1 is probably right.").arg(FalseName(likeliest), Shown(best), Shown(rK));
}

void AddFlags(SlotFigures& slot, const RestSums& rest, qint64 n)
{
    if (n >= KeyCheckAttempts) {
        if (const std::optional<QString> reason = WrongKeyReason(slot, rest, n))
            slot.flags.push_back({Flag::WrongKey, *reason});
    }
    if (slot.discrimination && *slot.discrimination < 0)
        slot.flags.push_back({Flag::NegativeDiscrimination,
                              QStringLiteral("Negative discrimination: r = %1, weaker attempts got it right more "
                                             "often than stronger ones.").arg(Shown(slot.discrimination))});
    if (slot.facility && *slot.facility > TooEasyAbove)
        slot.flags.push_back({Flag::TooEasy, QStringLiteral("Too easy: facility %1, above 0.9.").arg(Shown(slot.facility))});
    if (slot.facility && *slot.facility < TooHardBelow)
        slot.flags.push_back({Flag::TooHard, QStringLiteral("Too hard: facility %1, below 0.25 (under chance for three "
                                                            "answers).").arg(Shown(slot.facility))});
}

SlotFigures SlotOf(const std::vector<SlotChoices>& attempts, const std::vector<int>& totals,
                   const std::vector<std::size_t>& order, int group, std::size_t slot)
{
    SlotFigures figures;
    figures.slot = static_cast<int>(slot) + 1;
    RestSums rest;
    for (std::size_t i = 0; i < attempts.size(); ++i) {
        const Choice choice = attempts[i][slot];
        const qint64 restTotal = totals[i] - (choice == Choice::Answer ? 1 : 0);
        rest.sum += restTotal;
        rest.squares += restTotal * restTotal;
        rest.byChoice[Index(choice)] += restTotal;
        ++figures.all[Index(choice)];
    }
    const auto n = static_cast<qint64>(attempts.size());
    if (n > 0)
        figures.facility = static_cast<double>(figures.all[Index(Choice::Answer)]) / static_cast<double>(n);
    figures.discrimination = ChoiceCorrelation(figures, rest, n, Choice::Answer);
    figures.top = Count(attempts, slot, order.begin(), order.begin() + group);
    figures.bottom = Count(attempts, slot, order.end() - group, order.end());
    AddFlags(figures, rest, n);
    return figures;
}

void AddTestFigures(TestFigures& figures, const std::vector<int>& totals)
{
    const auto n = static_cast<qint64>(totals.size());
    qint64 sum = 0;
    qint64 squares = 0;
    for (const int total : totals) {
        sum += total;
        squares += qint64{total} * total;
        ++figures.histogram[static_cast<std::size_t>(std::min(total * PointsPerSlot / 10, 9))];
    }
    if (n == 0)
        return;
    const auto [low, high] = std::minmax_element(totals.begin(), totals.end());
    figures.lowest = PointsPerSlot * *low;
    figures.highest = PointsPerSlot * *high;
    figures.mean = PointsPerSlot * static_cast<double>(sum) / static_cast<double>(n);
    // n² times the variance of the totals; the slots' p(1-p) below are n²
    // times theirs too, so the shared n² cancels in alpha.
    const qint64 spread = n * squares - sum * sum;
    figures.standardDeviation = PointsPerSlot * std::sqrt(static_cast<double>(spread)) / static_cast<double>(n);
    if (spread == 0)
        return;
    qint64 slotSpread = 0;
    for (const SlotFigures& slot : figures.perSlot) {
        const qint64 right = slot.all[Index(Choice::Answer)];
        slotSpread += right * (n - right);
    }
    const double k = AttemptSlots;
    figures.alpha = k / (k - 1) * (1 - static_cast<double>(slotSpread) / static_cast<double>(spread));
    figures.standardError = *figures.standardDeviation * std::sqrt(1 - *figures.alpha);
}

}

TestFigures Analyse(const std::vector<SlotChoices>& attempts)
{
    TestFigures figures;
    figures.attempts = static_cast<int>(attempts.size());
    figures.fewAttempts = figures.attempts < FewAttempts;
    figures.groupSize = GroupSize(figures.attempts);
    const std::vector<int> totals = Totals(attempts);
    const std::vector<std::size_t> order = ByTotal(totals);
    for (std::size_t slot = 0; slot < AttemptSlots; ++slot)
        figures.perSlot.push_back(SlotOf(attempts, totals, order, figures.groupSize, slot));
    AddTestFigures(figures, totals);
    return figures;
}

QString Shown(const Figure& figure, int decimals)
{
    return figure ? QString::number(*figure, 'f', decimals) : QStringLiteral("not defined");
}

}
