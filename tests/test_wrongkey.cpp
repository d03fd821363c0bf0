// The "possible wrong key" flag: small classes worked out by hand for its
// limits, and simulated classes for how often it cries wolf and how often
// it finds a key that really is wrong.
#include "analysis/ItemAnalysis.h"

#include <QtTest>
#include <cmath>
#include <random>

class TestWrongKey : public QObject {
    Q_OBJECT

private slots:
    void handMadeClasses();
    void simulatedClasses();
};

namespace {

using namespace ItemAnalysis;

// A class whose attempt i (from 0) has i + 2 of slots 2 to 25 right and the
// rest unanswered, so the rest of the test runs 2, 3, ..., n + 1; slot 1
// holds `slotOne`'s choices, one letter an attempt: A the answer, 1 and 2 the
// false answers, - none.
std::vector<SlotChoices> Class(const QString& slotOne)
{
    std::vector<SlotChoices> attempts;
    for (std::size_t i = 0; i < static_cast<std::size_t>(slotOne.size()); ++i) {
        SlotChoices choices{};
        const QChar letter = slotOne[static_cast<qsizetype>(i)];
        choices[0] = letter == u'A' ? Choice::Answer
                         : letter == u'1' ? Choice::False1
                         : letter == u'2' ? Choice::False2
                                          : Choice::None;
        for (std::size_t slot = 1; slot < i + 3; ++slot)
            choices[slot] = Choice::Answer;
        attempts.push_back(choices);
    }
    return attempts;
}

QString WrongKeyReasons(const TestFigures& figures)
{
    QStringList reasons;
    for (const SlotFigures& slot : figures.perSlot) {
        for (const FlagReason& flag : slot.flags) {
            if (flag.flag == Flag::WrongKey)
                reasons << QStringLiteral("%1: %2").arg(slot.slot).arg(flag.reason);
        }
    }
    return reasons.join(u'\n');
}

// Numbers from mt19937_64's raw output, which the standard fixes, so every
// library draws the same classes.
class Draw {
public:
    explicit Draw(std::uint64_t seed) : engine_(seed) {}
    double Uniform() { return static_cast<double>(engine_() >> 11) * 0x1.0p-53; }
    double Normal()  // Box-Muller
    {
        const double radius = std::sqrt(-2 * std::log(1 - Uniform()));
        return radius * std::cos(2 * M_PI * Uniform());
    }

private:
    std::mt19937_64 engine_;
};

struct SimulatedSlot {
    double slope;
    double difficulty;
    double firstFalseShare;  // of the misses
};

// n attempts from the three-parameter logistic model: ability ~ N(0, 1),
// P(right) = 0.2 + 0.8 / (1 + exp(-slope (ability - difficulty))) with slopes
// uniform on 0.8-2.0 and difficulties ~ N(0, 1); 2% of the choices left
// empty; a slot's misses go to false answer 1 at a share of its own
// (uniform 0.3-0.7), else to false answer 2.
std::vector<SlotChoices> SimulatedClass(Draw& draw, int n)
{
    std::array<SimulatedSlot, AttemptSlots> drawn{};
    for (SimulatedSlot& slot : drawn)
        slot = {0.8 + 1.2 * draw.Uniform(), draw.Normal(), 0.3 + 0.4 * draw.Uniform()};
    std::vector<SlotChoices> attempts(static_cast<std::size_t>(n));
    for (SlotChoices& choices : attempts) {
        const double ability = draw.Normal();
        for (std::size_t i = 0; i < drawn.size(); ++i) {
            const SimulatedSlot& slot = drawn[i];
            const double right = 0.2 + 0.8 / (1 + std::exp(-slot.slope * (ability - slot.difficulty)));
            if (draw.Uniform() < 0.02)
                choices[i] = Choice::None;
            else if (draw.Uniform() < right)
                choices[i] = Choice::Answer;
            else
                choices[i] = draw.Uniform() < slot.firstFalseShare ? Choice::False1 : Choice::False2;
        }
    }
    return attempts;
}

// The slot stored with `wrongKey` as its key: who chose the true answer now
// counts as choosing that false answer, and the other way round.
void Miskey(std::vector<SlotChoices>& attempts, std::size_t slot, Choice wrongKey)
{
    for (SlotChoices& choices : attempts) {
        if (choices[slot] == Choice::Answer)
            choices[slot] = wrongKey;
        else if (choices[slot] == wrongKey)
            choices[slot] = Choice::Answer;
    }
}

bool FlaggedWrongKey(const SlotFigures& slot, const QString& probablyRight = QString())
{
    return std::any_of(slot.flags.begin(), slot.flags.end(), [&](const FlagReason& flag) {
        return flag.flag == Flag::WrongKey && flag.reason.contains(probablyRight + QStringLiteral(" is probably right"));
    });
}

struct Rates {
    int cleanSlots = 0;
    int falseAlarms = 0;
    int miskeyed = 0;
    int found = 0;  // flagged, naming the true answer as the one probably right
    double falseAlarmRate() const { return double(falseAlarms) / cleanSlots; }
    double foundRate() const { return double(found) / miskeyed; }
};

// `classes` correctly keyed classes of n, and as many with one slot's key
// swapped to a false answer (slot and false answer taking turns).
Rates Simulate(int n, int classes, std::uint64_t seed)
{
    Draw draw(seed);
    Rates rates;
    for (int i = 0; i < classes; ++i) {
        for (const SlotFigures& slot : Analyse(SimulatedClass(draw, n)).perSlot) {
            ++rates.cleanSlots;
            rates.falseAlarms += FlaggedWrongKey(slot) ? 1 : 0;
        }
        std::vector<SlotChoices> attempts = SimulatedClass(draw, n);
        const auto slot = static_cast<std::size_t>(i % AttemptSlots);
        const Choice wrongKey = i % 2 == 0 ? Choice::False1 : Choice::False2;
        Miskey(attempts, slot, wrongKey);
        ++rates.miskeyed;
        const QString name = wrongKey == Choice::False1 ? QStringLiteral("false answer 1") : QStringLiteral("false answer 2");
        rates.found += FlaggedWrongKey(Analyse(attempts).perSlot[slot], name) ? 1 : 0;
    }
    qInfo("N = %d: %d of %d clean slots flagged (%.2f%%), %d of %d miskeyed slots found (%.1f%%)", n, rates.falseAlarms,
          rates.cleanSlots, 100 * rates.falseAlarmRate(), rates.found, rates.miskeyed, 100 * rates.foundRate());
    return rates;
}

}

// Slot 1 against a rest of the test running 2..21 over N = 20 (mean 11.5,
// SD sqrt(33.25) = 5.766). A text chosen by k attempts whose rests average M
// has the point-biserial r = (M - 11.5) / 5.766 * sqrt(k / (20 - k)); a false
// answer chosen by f and the key by k correlate -sqrt(f k / ((20-f)(20-k))).
// The evidence against the key is Steiger's Z plus (f - k) / sqrt(f + k) / 2.
void TestWrongKey::handMadeClasses()
{
    // The key chosen by attempts 0-4 (M = 4): rK = -7.5/5.766 * sqrt(5/15) = -0.75;
    // false answer 1 by the top ten (M = 16.5): rF = 5/5.766 = 0.87; r(F, K) =
    // -0.577, s = -0.579, Steiger's Z = (1.322 + 0.975) sqrt(17) / sqrt(3.157) = 5.3,
    // evidence 5.3 + 5/sqrt(15)/2 = 6.0. False answer 2 (attempts 5-9, M = 9,
    // rF = -0.25) does not go with high totals.
    QCOMPARE(WrongKeyReasons(Analyse(Class(QStringLiteral("AAAAA222221111111111")))),
             QStringLiteral("1: Possible wrong key: false answer 1 (chosen by 10, r = 0.87) goes with high totals more "
                            "than the keyed answer (chosen by 5, r = -0.75); false answer 1 is probably right."));
    // The same without the attempt of rest 7: 19 finished attempts are too few
    // for any key to be flagged.
    QCOMPARE(WrongKeyReasons(Analyse(Class(QStringLiteral("AAAAA22221111111111")))), QString());
    // Turned round, the key with the top ten: nothing to flag.
    QCOMPARE(WrongKeyReasons(Analyse(Class(QStringLiteral("1111122222AAAAAAAAAA")))), QString());

    // Both false answers beat a key chosen by the bottom eight (M = 5.5,
    // rK = -6/5.766 * sqrt(8/12) = -0.85): false answer 1 by the middle seven
    // (M = 13, rF = 1.5/5.766 * sqrt(7/13) = 0.19, Z = 3.32, evidence
    // 3.32 - 1/sqrt(15)/2 = 3.19), false answer 2 by the top five (M = 19,
    // rF = 7.5/5.766 * sqrt(5/15) = 0.75, Z = 5.36, evidence 5.36 - 3/sqrt(13)/2
    // = 4.94): the flag names the one with more evidence.
    QCOMPARE(WrongKeyReasons(Analyse(Class(QStringLiteral("AAAAAAAA111111122222")))),
             QStringLiteral("1: Possible wrong key: false answer 2 (chosen by 5, r = 0.75) goes with high totals more "
                            "than the keyed answer (chosen by 8, r = -0.85); false answer 2 is probably right."));
    // The top four alone (rF = 8/5.766 * sqrt(4/16) = 0.69, Z = 5.2) are too
    // few choosers to accuse the key, however clearly they stand out.
    QCOMPARE(WrongKeyReasons(Analyse(Class(QStringLiteral("AAAAAAAA--------2222")))), QString());
    // A false answer that goes with low totals (attempts 4-13, M = 10.5,
    // rF = -0.17) is never called right, though its evidence against a key
    // chosen by the bottom four (rK = -0.69) is 1.60 + 6/sqrt(14)/2 = 2.41.
    QCOMPARE(WrongKeyReasons(Analyse(Class(QStringLiteral("AAAA1111111111------")))), QString());
    // Nor one that goes with high totals less than the key: false answer 1 by
    // attempts 3-18 (M = 12.5, rF = 1/5.766 * sqrt(16/4) = 0.35), the key by the
    // top one (rK = 9.5/5.766 * sqrt(1/19) = 0.38), evidence -0.09 +
    // 15/sqrt(17)/2 = 1.73.
    QCOMPARE(WrongKeyReasons(Analyse(Class(QStringLiteral("---1111111111111111A")))), QString());

    // Only the key and false answer 1 chosen, so r(F, K) = -1 and rK = -rF.
    // False answer 1 by the bottom four and the top eight (M = 154/12 = 12.83,
    // rF = 1.333/5.766 * sqrt(12/8) = 0.28): Z = 1.20 alone is too little, but
    // with twelve choosers against the key's eight the evidence is
    // 1.20 + 4/sqrt(20)/2 = 1.65.
    QCOMPARE(WrongKeyReasons(Analyse(Class(QStringLiteral("1111AAAAAAAA11111111")))),
             QStringLiteral("1: Possible wrong key: false answer 1 (chosen by 12, r = 0.28) goes with high totals more "
                            "than the keyed answer (chosen by 8, r = -0.28); false answer 1 is probably right."));
    // False answer 1 by the bottom two and the top six (M = 14.5, rF = 3/5.766 *
    // sqrt(8/12) = 0.42): Z = 1.87, but eight choosers against the key's twelve
    // leave 1.87 - 4/sqrt(20)/2 = 1.42, short of 1.5.
    QCOMPARE(WrongKeyReasons(Analyse(Class(QStringLiteral("11AAAAAAAAAAAA111111")))), QString());

    // Nobody chose the key: the class split between the false answers, the
    // top ten on false answer 1 (M = 16.5, rF = 5/5.766 = 0.87). The key's r
    // counts as 0 and r(F, K) as 0: m^2 = 0.188, s = -0.089, Steiger's Z =
    // 1.321 sqrt(17) / sqrt(2.178) = 3.69, evidence 3.69 + 10/sqrt(10)/2 = 5.27.
    QCOMPARE(WrongKeyReasons(Analyse(Class(QStringLiteral("22222222221111111111")))),
             QStringLiteral("1: Possible wrong key: false answer 1 (chosen by 10, r = 0.87) goes with high totals more "
                            "than the keyed answer (chosen by 0, r = 0.00); false answer 1 is probably right."));
    // Fisher's transform decides here: the key by attempts 2-14 (M = 10,
    // rK = -1.5/5.766 * sqrt(13/7) = -0.35), false answer 1 by the top five
    // (rF = 0.75), r(F, K) = -0.787, s = -0.792. With atanh, Z = (0.975 +
    // 0.371) sqrt(17) / sqrt(3.584) = 2.93 and the evidence 2.93 - 8/sqrt(18)/2
    // = 1.99 flags the key; the bare difference of the r's would give Z = 2.41
    // and 1.46, short of 1.5.
    QCOMPARE(WrongKeyReasons(Analyse(Class(QStringLiteral("--AAAAAAAAAAAAA11111")))),
             QStringLiteral("1: Possible wrong key: false answer 1 (chosen by 5, r = 0.75) goes with high totals more "
                            "than the keyed answer (chosen by 13, r = -0.35); false answer 1 is probably right."));
}

// Fixed seeds; the rates measured are printed.
void TestWrongKey::simulatedClasses()
{
    const Rates thirty = Simulate(30, 2000, 27);
    QVERIFY2(thirty.falseAlarmRate() <= 0.01, "N = 30: more than 1% of the clean slots flagged");
    QVERIFY2(thirty.foundRate() >= 0.75, "N = 30: fewer than 75% of the wrong keys found");
    const Rates hundred = Simulate(100, 500, 28);
    QVERIFY2(hundred.falseAlarmRate() <= 0.005, "N = 100: more than 0.5% of the clean slots flagged");
    QVERIFY2(hundred.foundRate() >= 0.85, "N = 100: fewer than 85% of the wrong keys found");
    for (const int n : {1, 10, 19}) {
        const Rates few = Simulate(n, 100, 29);
        QCOMPARE(few.falseAlarms + few.found, 0);
    }
}

QTEST_MAIN(TestWrongKey)
#include "test_wrongkey.moc"
