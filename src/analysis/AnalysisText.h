#pragma once

#include "ItemAnalysis.h"

#include <QStringList>
#include <vector>

// The item statistics as text: the lines the command line prints and the
// report prints, and the per-slot table as rows for a spreadsheet.
namespace AnalysisText {

// "N 12, mean grade 61.3, ..." lines, with the warning when there are few attempts.
QStringList Summary(const ItemAnalysis::TestFigures& figures);

// The short names of a slot's flags, joined by ", ".
QString FlagNames(const ItemAnalysis::SlotFigures& slot);

// The table's column headings, and its rows: slot, question (from
// `questions`, slot 1 first), facility, discrimination, the four choice
// counts overall, in the top group and in the bottom group, and the flags'
// reasons.
QStringList TableHeader();
std::vector<QStringList> TableRows(const ItemAnalysis::TestFigures& figures, const QStringList& questions);

// The summary, a fixed-column table of every slot and each flag's reason
// on a line of its own.
QStringList Report(const ItemAnalysis::TestFigures& figures);

extern const QString FewAttemptsWarning;

}
