#include "ItemAnalysis.h"

#include <QCoreApplication>
#include <QLocale>
#include <QStringList>
#include <functional>
#include <algorithm>
#include <cmath>
#include <numeric>

namespace ItemAnalysis {

namespace {

constexpr double TooEasyAbove = 0.9;
constexpr double TooHardBelow = 0.25;

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

// A flag's sentence is written twice: as the teacher reads it (translated,
// the locale's numbers) and as files keep it (English, '.'), so that a saved
// CSV is the same in every language.
class Words {
public:
    explicit Words(bool shown) : shown_(shown) {}
    QString Text(const char* source) const
    {
        return shown_ ? QCoreApplication::translate("ItemAnalysis", source) : QString::fromUtf8(source);
    }
    QString Number(const Figure& figure) const { return shown_ ? ShownHere(figure) : Shown(figure); }
    QString FalseName(Choice choice) const
    {
        return Text(choice == Choice::False1 ? QT_TRANSLATE_NOOP("ItemAnalysis", "false answer 1")
                                             : QT_TRANSLATE_NOOP("ItemAnalysis", "false answer 2"));
    }

private:
    bool shown_;
};

FlagReason Flagged(Flag flag, const std::function<QString(const Words&)>& sentence)
{
    return {flag, sentence(Words(true)), sentence(Words(false))};
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

std::optional<FlagReason> WrongKeyReason(const SlotFigures& slot, const RestSums& rest, qint64 n, int group)
{
    const int keyedTop = slot.top[Index(Choice::Answer)];
    for (const Choice wrong : {Choice::False1, Choice::False2}) {
        if (slot.top[Index(wrong)] > keyedTop)
            return Flagged(Flag::WrongKey, [&](const Words& w) {
                return w.Text(QT_TRANSLATE_NOOP("ItemAnalysis",
                                                "Possible wrong key: %1 of the top %2 chose %3, %4 the keyed answer."))
                    .arg(slot.top[Index(wrong)]).arg(group).arg(w.FalseName(wrong)).arg(keyedTop);
            });
    }
    // Nobody choosing the keyed answer says nothing for it: counted as 0.
    const Figure keyed = slot.all[Index(Choice::Answer)] == 0 ? Figure(0.0) : slot.discrimination;
    for (const Choice wrong : {Choice::False1, Choice::False2}) {
        const Figure r = ChoiceCorrelation(slot, rest, n, wrong);
        if (r && keyed && *r > *keyed)
            return Flagged(Flag::WrongKey, [&](const Words& w) {
                return w.Text(QT_TRANSLATE_NOOP("ItemAnalysis", "Possible wrong key: %1 goes with high totals (r = %2) "
                                                                "more than the keyed answer (r = %3)."))
                    .arg(w.FalseName(wrong), w.Number(r), w.Number(keyed));
            });
    }
    return std::nullopt;
}

void AddFlags(SlotFigures& slot, const RestSums& rest, qint64 n, int group)
{
    if (const std::optional<FlagReason> reason = WrongKeyReason(slot, rest, n, group))
        slot.flags.push_back(*reason);
    if (slot.discrimination && *slot.discrimination < 0)
        slot.flags.push_back(Flagged(Flag::NegativeDiscrimination, [&](const Words& w) {
            return w.Text(QT_TRANSLATE_NOOP("ItemAnalysis", "Negative discrimination: r = %1, weaker attempts got it "
                                                            "right more often than stronger ones."))
                .arg(w.Number(slot.discrimination));
        }));
    if (slot.facility && *slot.facility > TooEasyAbove)
        slot.flags.push_back(Flagged(Flag::TooEasy, [&](const Words& w) {
            return w.Text(QT_TRANSLATE_NOOP("ItemAnalysis", "Too easy: facility %1, above 0.9.")).arg(w.Number(slot.facility));
        }));
    if (slot.facility && *slot.facility < TooHardBelow)
        slot.flags.push_back(Flagged(Flag::TooHard, [&](const Words& w) {
            return w.Text(QT_TRANSLATE_NOOP("ItemAnalysis", "Too hard: facility %1, below 0.25 (under chance for three answers)."))
                .arg(w.Number(slot.facility));
        }));
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
    AddFlags(figures, rest, n, group);
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

QString ShownHere(const Figure& figure, int decimals)
{
    return figure ? QLocale().toString(*figure, 'f', decimals) : QCoreApplication::translate("ItemAnalysis", "not defined");
}

}
