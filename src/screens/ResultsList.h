#pragma once

#include <QtGlobal>

class QLabel;
class QListWidget;
class QWidget;

// Fills a results list for one student: every test open to students, as a
// fixed-column row with its score and date or "Not Taken". Tests whose name
// begins with "<" are skipped. Errors are skipped step by step, so the fill
// always runs to the end. `withKeys` adds the administrator's hidden key.
// rsTests is reopened on every test first, so the list never depends on how
// another screen left it; it ends past its last row.
void FillResultsList(QListWidget& list, qint64 studentNumber, bool withKeys);

// Prints a results list under the screen's title, with lblPrinting shown while
// the printer works. A printer failure is reported, never fatal; when no
// printer is installed the report is saved as a PDF and the user told where.
void PrintResultsList(QWidget& screen, QLabel& lblPrinting, const QListWidget& list, bool emphasizedHeading);

// The fixed-pitch font of the results lists (Courier New, or a metric twin).
void UseListFont(QWidget& list);

// Sets a results list's column heading ("Test", "Score", "Date Taken") in the
// list's own font, each word at the column of a results row, and indents it
// by the list's frame and item margin so the words stand over the columns.
// Call it after the list's font is set.
void SetResultsHeading(QLabel& heading, const QListWidget& list);
