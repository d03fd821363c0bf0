#pragma once

#include "ItemAnalysis.h"

#include <QStringList>
#include <vector>

// The item statistics as text: the lines the command line prints and the
// report prints, and the per-slot table as rows for a spreadsheet.
namespace AnalysisText {

// The test's figures: N, the grades' mean, spread and range, alpha and the
// standard error, the size of the top and bottom groups.
QStringList Summary(const ItemAnalysis::TestFigures& figures);

// A slot's flags' reasons, one after the other.
QString Reasons(const ItemAnalysis::SlotFigures& slot);

// The short names of a slot's flags, joined by ", ".
QString FlagNames(const ItemAnalysis::SlotFigures& slot);

// The table's column headings, and its rows: slot, question (from
// `questions`, slot 1 first), facility, discrimination, the four choice
// counts overall, in the top group and in the bottom group, and the flags'
// reasons (in English, as files keep them). The screen's headings are
// ColumnHeadings, in the language shown.
QStringList TableHeader();
QStringList ColumnHeadings();
std::vector<QStringList> TableRows(const ItemAnalysis::TestFigures& figures, const QStringList& questions);

// What the figures cannot tell yet: the warning when there are few attempts,
// and why no key is flagged as possibly wrong below 20 attempts.
QStringList Notes(const ItemAnalysis::TestFigures& figures);

// The table of every slot as the report prints it: a line of headings and a
// line per slot, each column right-aligned and as wide as its widest heading
// or figure needs.
QStringList ReportTable(const ItemAnalysis::TestFigures& figures);

// The summary and the notes, a fixed-column table of every slot and each
// flag's reason on a line of its own.
QStringList Report(const ItemAnalysis::TestFigures& figures);

}
