#include "AnalysisText.h"

namespace AnalysisText {

using namespace ItemAnalysis;

namespace {

QString Flagged(Flag flag)
{
    switch (flag) {
    case Flag::WrongKey:
        return QStringLiteral("possible wrong key");
    case Flag::NegativeDiscrimination:
        return QStringLiteral("negative discrimination");
    case Flag::TooEasy:
        return QStringLiteral("too easy");
    case Flag::TooHard:
        break;
    }
    return QStringLiteral("too hard");
}

// Counts in the order the table shows them: answer, false 1, false 2, none.
QStringList CountTexts(const ChoiceCounts& counts)
{
    return {QString::number(counts[1]), QString::number(counts[2]), QString::number(counts[3]),
            QString::number(counts[0])};
}

QString Padded(const QStringList& texts, int width)
{
    QString line;
    for (const QString& text : texts)
        line += text.rightJustified(width);
    return line;
}

}

QStringList Summary(const TestFigures& figures)
{
    QStringList lines{
        QStringLiteral("Finished attempts (N): %1").arg(figures.attempts),
        QStringLiteral("Mean grade: %1   Standard deviation: %2   Lowest: %3   Highest: %4")
            .arg(Shown(figures.mean, 1), Shown(figures.standardDeviation, 1), Shown(figures.lowest, 0),
                 Shown(figures.highest, 0)),
        QStringLiteral("Reliability (Cronbach's alpha, KR-20): %1   Standard error of measurement: %2")
            .arg(Shown(figures.alpha), Shown(figures.standardError, 1)),
        QStringLiteral("Top and bottom groups: %1 attempts each (27%)").arg(figures.groupSize)};
    return lines;
}

QStringList Notes(const TestFigures& figures)
{
    QStringList notes;
    if (figures.fewAttempts)
        notes << QStringLiteral("Warning: fewer than 5 finished attempts; these figures mean little.");
    if (figures.attempts < KeyCheckAttempts)
        notes << QStringLiteral("Keys are not checked below 20 finished attempts, so none is flagged as possibly wrong.");
    return notes;
}

QString Reasons(const SlotFigures& slot)
{
    QStringList reasons;
    for (const FlagReason& flag : slot.flags)
        reasons << flag.reason;
    return reasons.join(u' ');
}

QString FlagNames(const SlotFigures& slot)
{
    QStringList names;
    for (const FlagReason& flag : slot.flags)
        names << Flagged(flag.flag);
    return names.join(QStringLiteral(", "));
}

QStringList TableHeader()
{
    return {QStringLiteral("Slot"), QStringLiteral("Question"), QStringLiteral("Facility"),
            QStringLiteral("Discrimination"), QStringLiteral("Answer"), QStringLiteral("False 1"),
            QStringLiteral("False 2"), QStringLiteral("None"), QStringLiteral("Top answer"),
            QStringLiteral("Top false 1"), QStringLiteral("Top false 2"), QStringLiteral("Top none"),
            QStringLiteral("Bottom answer"), QStringLiteral("Bottom false 1"), QStringLiteral("Bottom false 2"),
            QStringLiteral("Bottom none"), QStringLiteral("Flags")};
}

std::vector<QStringList> TableRows(const TestFigures& figures, const QStringList& questions)
{
    std::vector<QStringList> rows;
    for (const SlotFigures& slot : figures.perSlot) {
        QStringList row{QString::number(slot.slot), questions.value(slot.slot - 1), Shown(slot.facility),
                        Shown(slot.discrimination)};
        row << CountTexts(slot.all) << CountTexts(slot.top) << CountTexts(slot.bottom) << Reasons(slot);
        rows.push_back(row);
    }
    return rows;
}

QStringList Report(const TestFigures& figures)
{
    QStringList lines = Summary(figures) + Notes(figures);
    const QString bar = QStringLiteral("  |");
    lines << QString()
          << QStringLiteral("Choices: A the answer, F1 and F2 the false answers, - none; T: in the top group, B: in "
                            "the bottom group.")
          << QStringLiteral("Slot") + QStringLiteral("Facility").rightJustified(10) + QStringLiteral("Discrim.").rightJustified(10)
                 + bar + Padded({QStringLiteral("Answer"), QStringLiteral("False1"), QStringLiteral("False2"), QStringLiteral("None")}, 7)
                 + bar + Padded({QStringLiteral("T:A"), QStringLiteral("T:F1"), QStringLiteral("T:F2"), QStringLiteral("T:-")}, 5)
                 + bar + Padded({QStringLiteral("B:A"), QStringLiteral("B:F1"), QStringLiteral("B:F2"), QStringLiteral("B:-")}, 5)
                 + QStringLiteral("  Flags");
    for (const SlotFigures& slot : figures.perSlot) {
        lines << QString::number(slot.slot).rightJustified(4) + Shown(slot.facility).rightJustified(10)
                     + Shown(slot.discrimination).rightJustified(10) + bar + Padded(CountTexts(slot.all), 7) + bar
                     + Padded(CountTexts(slot.top), 5) + bar + Padded(CountTexts(slot.bottom), 5) + QStringLiteral("  ")
                     + FlagNames(slot);
    }
    lines << QString();
    for (const SlotFigures& slot : figures.perSlot) {
        for (const FlagReason& flag : slot.flags)
            lines << QStringLiteral("Slot %1: %2").arg(slot.slot).arg(flag.reason);
    }
    return lines;
}

}
