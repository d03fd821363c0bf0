#include "AnalysisText.h"
#include <QCoreApplication>

namespace AnalysisText {

using namespace ItemAnalysis;

namespace {

QString Flagged(Flag flag)
{
    switch (flag) {
    case Flag::WrongKey:
        return QCoreApplication::translate("AnalysisText", "possible wrong key");
    case Flag::NegativeDiscrimination:
        return QCoreApplication::translate("AnalysisText", "negative discrimination");
    case Flag::TooEasy:
        return QCoreApplication::translate("AnalysisText", "too easy");
    case Flag::TooHard:
        break;
    }
    return QCoreApplication::translate("AnalysisText", "too hard");
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

// One attempt in the singular in every language; more through the
// language's plural forms.
QString GroupsLine(int size)
{
    return size == 1 ? QCoreApplication::translate("AnalysisText", "Top and bottom groups: 1 attempt each (27%)")
                     : QCoreApplication::translate("AnalysisText", "Top and bottom groups: %Ln attempts each (27%)", nullptr,
                                                   size);
}

QStringList Summary(const TestFigures& figures)
{
    QStringList lines{
        QCoreApplication::translate("AnalysisText", "Finished attempts (N): %L1").arg(figures.attempts),
        QCoreApplication::translate("AnalysisText", "Mean grade: %1   Standard deviation: %2   Lowest: %3   Highest: %4")
            .arg(ShownHere(figures.mean, 1), ShownHere(figures.standardDeviation, 1), ShownHere(figures.lowest, 0),
                 ShownHere(figures.highest, 0)),
        QCoreApplication::translate("AnalysisText", "Reliability (Cronbach's alpha, KR-20): %1   Standard error of measurement: %2")
            .arg(ShownHere(figures.alpha), ShownHere(figures.standardError, 1)),
        GroupsLine(figures.groupSize)};
    return lines;
}

QStringList Notes(const TestFigures& figures)
{
    QStringList notes;
    if (figures.fewAttempts)
        notes << QCoreApplication::translate("AnalysisText", "Warning: fewer than 5 finished attempts; these figures mean little.");
    if (figures.attempts < KeyCheckAttempts)
        notes << QCoreApplication::translate("AnalysisText", "Keys are not checked below 20 finished attempts, so none is flagged as possibly wrong.");
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

namespace {

// The table's columns, in English as the CSV keeps them.
const char* const Columns[] = {
    QT_TRANSLATE_NOOP("AnalysisText", "Slot"),           QT_TRANSLATE_NOOP("AnalysisText", "Question"),
    QT_TRANSLATE_NOOP("AnalysisText", "Facility"),       QT_TRANSLATE_NOOP("AnalysisText", "Discrimination"),
    QT_TRANSLATE_NOOP("AnalysisText", "Answer"),         QT_TRANSLATE_NOOP("AnalysisText", "False 1"),
    QT_TRANSLATE_NOOP("AnalysisText", "False 2"),        QT_TRANSLATE_NOOP("AnalysisText", "None"),
    QT_TRANSLATE_NOOP("AnalysisText", "Top answer"),     QT_TRANSLATE_NOOP("AnalysisText", "Top false 1"),
    QT_TRANSLATE_NOOP("AnalysisText", "Top false 2"),    QT_TRANSLATE_NOOP("AnalysisText", "Top none"),
    QT_TRANSLATE_NOOP("AnalysisText", "Bottom answer"),  QT_TRANSLATE_NOOP("AnalysisText", "Bottom false 1"),
    QT_TRANSLATE_NOOP("AnalysisText", "Bottom false 2"), QT_TRANSLATE_NOOP("AnalysisText", "Bottom none"),
    QT_TRANSLATE_NOOP("AnalysisText", "Flags")};

}

QStringList TableHeader()
{
    QStringList header;
    for (const char* column : Columns)
        header << QString::fromUtf8(column);
    return header;
}

QStringList ColumnHeadings()
{
    QStringList headings;
    for (const char* column : Columns)
        headings << QCoreApplication::translate("AnalysisText", column);
    return headings;
}

std::vector<QStringList> TableRows(const TestFigures& figures, const QStringList& questions)
{
    std::vector<QStringList> rows;
    for (const SlotFigures& slot : figures.perSlot) {
        QStringList reasons;
        for (const FlagReason& flag : slot.flags)
            reasons << flag.recorded;
        QStringList row{QString::number(slot.slot), questions.value(slot.slot - 1), Shown(slot.facility),
                        Shown(slot.discrimination)};
        row << CountTexts(slot.all) << CountTexts(slot.top) << CountTexts(slot.bottom) << reasons.join(u' ');
        rows.push_back(row);
    }
    return rows;
}

QStringList Report(const TestFigures& figures)
{
    QStringList lines = Summary(figures) + Notes(figures);
    const QString bar = QStringLiteral("  |");
    lines << QString()
          << QCoreApplication::translate("AnalysisText", "Choices: A the answer, F1 and F2 the false answers, - none; T: in the top group, B: in "
                            "the bottom group.")
          //: A column of four characters.
          << QCoreApplication::translate("AnalysisText", "Slot").leftJustified(4)
                 //: A column of at most nine characters.
                 + QCoreApplication::translate("AnalysisText", "Facility").rightJustified(10)
                 //: Short for discrimination: a column of at most nine characters.
                 + QCoreApplication::translate("AnalysisText", "Discrim.").rightJustified(10) + bar
                 //: Four columns of at most six characters each.
                 + Padded({QCoreApplication::translate("AnalysisText", "Answer"), QCoreApplication::translate("AnalysisText", "False1"),
                           QCoreApplication::translate("AnalysisText", "False2"), QCoreApplication::translate("AnalysisText", "None")}, 7)
                 + bar + Padded({QStringLiteral("T:A"), QStringLiteral("T:F1"), QStringLiteral("T:F2"), QStringLiteral("T:-")}, 5)
                 + bar + Padded({QStringLiteral("B:A"), QStringLiteral("B:F1"), QStringLiteral("B:F2"), QStringLiteral("B:-")}, 5)
                 + QCoreApplication::translate("AnalysisText", "  Flags");
    for (const SlotFigures& slot : figures.perSlot) {
        lines << QString::number(slot.slot).rightJustified(4) + ShownHere(slot.facility).rightJustified(10)
                     + ShownHere(slot.discrimination).rightJustified(10) + bar + Padded(CountTexts(slot.all), 7) + bar
                     + Padded(CountTexts(slot.top), 5) + bar + Padded(CountTexts(slot.bottom), 5) + QStringLiteral("  ")
                     + FlagNames(slot);
    }
    lines << QString();
    for (const SlotFigures& slot : figures.perSlot) {
        for (const FlagReason& flag : slot.flags)
            lines << QCoreApplication::translate("AnalysisText", "Slot %1: %2").arg(slot.slot).arg(flag.reason);
    }
    return lines;
}

}
