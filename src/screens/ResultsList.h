#pragma once

#include <QtGlobal>

#include <functional>
#include <initializer_list>

class Form;
class PageModel;
class QLabel;
class QListWidget;
class QPushButton;
class QWidget;

// Fills a results list for one student: every test open to students, as a
// fixed-column row with its score and date or "Not Taken", each row carrying
// its test's number; an attempt without a grade shows "Unfinished". Tests
// whose name begins with "<" are skipped. Errors are skipped step by step,
// so the fill always runs to the end. rsTests is reopened on every test
// first, so the list never depends on how another screen left it; it ends
// past its last row.
void FillResultsList(QListWidget& list, qint64 studentNumber);

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

// Reopens rsTests on the test with that number; false when it is gone.
bool OpenTest(qint64 testNumber);

// Tells the user that the test of the picked row is gone, then refills the list.
void TellTestGone(const std::function<void()>& refill);

// Opens the review of a taken test's row: rsTests on the row's test and
// rsResults on the student's result in it, where the review screen reads
// them; then the review is shown and `opener` hidden. A test that is gone is
// told and the list refilled (`refill`); otherwise every step goes on past a
// failure, so the review shows whatever could be read. An attempt that is
// still unfinished is never opened: the list is refilled instead.
void OpenReview(Form& opener, qint64 studentNumber, qint64 testNumber, const std::function<void()>& refill);
