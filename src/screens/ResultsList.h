#pragma once

#include "work/WorkValues.h"

#include <functional>
#include <initializer_list>

class PageModel;
class QLabel;
class QListWidget;
class QPushButton;
class QWidget;

// Shows a results list's rows (see ResultsRows and StudentWork::List), each
// row carrying its test's number.
void ShowResultRows(QListWidget& list, const ResultRows& rows);

// Prints a results list under the screen's title, with lblPrinting shown while
// the printer works. A printer failure is reported, never fatal; when no
// printer is installed the report is saved as a PDF and the user told where.
void PrintResultsList(QWidget& screen, QLabel& lblPrinting, const QListWidget& list, bool emphasizedHeading);

// Prints a report with lblPrinting shown while the printer works, and tells
// the user of a failure or of the PDF it went to instead.
void PrintWithNotice(QLabel& lblPrinting, const PageModel& page);

// The fixed-pitch font of the results lists (Courier New, or a metric twin).
void UseListFont(QWidget& list);

// Sets a results list's column heading ("Test", "Score", "Date Taken") in the
// list's own font, each word at the column of a results row, and indents it
// by the list's frame and item margin so the words stand over the columns.
// Call it after the list's font is set.
void SetResultsHeading(QLabel& heading, const QListWidget& list);

// The controls the two results-list screens share: the column heading, the
// list in its fixed-pitch font, and the "Printing...." label, hidden.
struct ResultsListControls {
    QLabel* Label1 = nullptr;
    QListWidget* lstResults = nullptr;
    QLabel* lblPrinting = nullptr;
};
ResultsListControls BuildResultsList(QWidget& screen);
// The heading over the list, below them the screen's buttons from the left
// and, at the right, the printing label and Exit.
void LayOutResultsScreen(QWidget& screen, const ResultsListControls& controls,
                         std::initializer_list<QPushButton*> buttons, QPushButton* exit);

// Tells the user that the test of the picked row is gone, then refills the list.
void TellTestGone(const std::function<void()>& refill);
