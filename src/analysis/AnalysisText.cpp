#include "AnalysisText.h"
#include <QCoreApplication>
#include <QLocale>

#include <algorithm>
#include <functional>
#include <utility>

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


}

QString GroupsLine(int size)
{
    return QCoreApplication::translate("AnalysisText", "Top and bottom groups: %Ln attempts each (27%)", nullptr, size);
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

namespace {

// A figure as the printed table shows it: the locale's decimal sign, or a
// short "not defined" that fits a column of figures.
QString Cell(const Figure& figure)
{
    //: Short for "not defined" in a printed column of figures (a few characters).
    return figure ? ShownHere(figure) : QCoreApplication::translate("AnalysisText", "n/a");
}

// The counts of one group in the locale's digits, in the table's order.
QStringList CountCells(const ChoiceCounts& counts)
{
    const QLocale here;
    return {here.toString(counts[1]), here.toString(counts[2]), here.toString(counts[3]), here.toString(counts[0])};
}

// One column of the printed table: its heading and a cell per slot, all
// right-aligned in a width that holds the widest of them after `gap` spaces
// (the first column has none before it), and never narrower than `least`.
struct Column {
    Column(QString heading_, int least_, int gap_ = 1) : heading(std::move(heading_)), least(least_), gap(gap_) {}

    QString heading;
    int least = 0;
    int gap = 1;
    QStringList cells;

    qsizetype Width() const
    {
        qsizetype widest = heading.size();
        for (const QString& cell : cells)
            widest = std::max(widest, cell.size());
        return std::max<qsizetype>(least, widest + gap);
    }
};

}

// The table's columns are measured from their translated headings and their
// figures, so that no two headings or numbers ever run together in any
// language.
QStringList ReportTable(const TestFigures& figures)
{
    const QLocale here;
    std::vector<Column> columns{
        //: A column heading of the printed table, kept short.
        {QCoreApplication::translate("AnalysisText", "Slot"), 4, 0},
        //: A column heading of the printed table, kept short.
        {QCoreApplication::translate("AnalysisText", "Facility"), 10},
        //: Short for discrimination: a column heading of the printed table.
        {QCoreApplication::translate("AnalysisText", "Discrim."), 10},
        //: A column heading of the printed table, kept short (the right answer).
        {QCoreApplication::translate("AnalysisText", "Answer"), 7},
        //: A column heading of the printed table, kept short (the first false answer).
        {QCoreApplication::translate("AnalysisText", "False1"), 7},
        //: A column heading of the printed table, kept short (the second false answer).
        {QCoreApplication::translate("AnalysisText", "False2"), 7},
        //: A column heading of the printed table, kept short (no answer given).
        {QCoreApplication::translate("AnalysisText", "None"), 7}};
    for (const char* group : {"T:A", "T:F1", "T:F2", "T:-", "B:A", "B:F1", "B:F2", "B:-"})
        columns.push_back({QString::fromLatin1(group), 5});
    for (const SlotFigures& slot : figures.perSlot) {
        QStringList cells{here.toString(slot.slot), Cell(slot.facility), Cell(slot.discrimination)};
        cells << CountCells(slot.all) << CountCells(slot.top) << CountCells(slot.bottom);
        for (std::size_t at = 0; at < columns.size(); ++at)
            columns[at].cells << cells[qsizetype(at)];
    }
    // The bars part the figures, the counts of all attempts, and those of the
    // top and the bottom group.
    const auto line = [&](const std::function<QString(const Column&)>& text) {
        QString drawn;
        for (std::size_t at = 0; at < columns.size(); ++at) {
            if (at == 3 || at == 7 || at == 11)
                drawn += QStringLiteral("  |");
            drawn += text(columns[at]).rightJustified(columns[at].Width());
        }
        return drawn;
    };
    QStringList lines{line([](const Column& column) { return column.heading; })
                      + QCoreApplication::translate("AnalysisText", "  Flags")};
    for (qsizetype row = 0; row < qsizetype(figures.perSlot.size()); ++row)
        lines << line([row](const Column& column) { return column.cells[row]; }) + QStringLiteral("  ")
                     + FlagNames(figures.perSlot[std::size_t(row)]);
    return lines;
}

QStringList Report(const TestFigures& figures)
{
    QStringList lines = Summary(figures) + Notes(figures);
    lines << QString()
          << QCoreApplication::translate("AnalysisText", "Choices: A the answer, F1 and F2 the false answers, - none; T: in the top group, B: in "
                            "the bottom group.")
          << ReportTable(figures);
    lines << QString();
    for (const SlotFigures& slot : figures.perSlot) {
        for (const FlagReason& flag : slot.flags)
            lines << QCoreApplication::translate("AnalysisText", "Slot %1: %2").arg(QLocale().toString(slot.slot), flag.reason);
    }
    return lines;
}

}
