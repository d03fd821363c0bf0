#include "frmTestResults.h"

#include "ResultsList.h"
#include "Screens.h"
#include "app/ListRows.h"
#include "app/Module1.h"
#include "app/Platform.h"
#include "frmAdmin.h"

#include <QListWidget>
#include <QPushButton>

using namespace Module1;

frmTestResults::frmTestResults() : Form(QStringLiteral("frmTestResults"))
{
    const ResultsListControls list = BuildResultsList(*this);
    Label1 = list.Label1;
    lstResults = list.lstResults;
    lblPrinting = list.lblPrinting;
    cmdView = NamedButton(QStringLiteral("&View Missed Questions"), QStringLiteral("cmdView"), this);
    cmdDelete = NamedButton(QStringLiteral("&Delete"), QStringLiteral("cmdDelete"), this);
    cmdPrint = NamedButton(QStringLiteral("&Print"), QStringLiteral("cmdPrint"), this);
    cmdExit = NamedButton(QStringLiteral("E&xit"), QStringLiteral("cmdExit"), this);
    LayOutResultsScreen(*this, list, {cmdView, cmdDelete, cmdPrint}, cmdExit);
    resize(900, 420);

    OnClick(cmdView, &frmTestResults::cmdView_Click);
    OnClick(cmdDelete, &frmTestResults::cmdDelete_Click);
    OnClick(cmdPrint, &frmTestResults::cmdPrint_Click);
    OnClick(cmdExit, &frmTestResults::cmdExit_Click);
}

void frmTestResults::Form_Load()
{
    const QString studentRow = SelectedText(Screens::Get<frmAdmin>().lstStudents);
    studentNumber_ = KeyedRow::KeyNumber(studentRow);
    setWindowTitle(QStringLiteral("Test Results For ") + KeyedRow::NameBeforeKey(studentRow));
    Load_Test_Results();
}

void frmTestResults::Load_Test_Results() { FillResultsList(*lstResults, studentNumber_, true); }

// Opens the review on the selected result: the student and the test its
// key names. The review returns here when it closes.
void frmTestResults::cmdView_Click()
{
    const QString row = SelectedText(lstResults);
    if (row.isEmpty() || ResultsRow::EndsNotTaken(row))
        return;
    const ResultsRow::Key key = ResultsRow::KeyOf(row);
    blnReviewFromAdmin = true;
    OpenReview(*this, row, key.studentNumber, key.testNumber);
}

void frmTestResults::cmdDelete_Click()
{
    const QString row = SelectedText(lstResults);
    if (row.isEmpty() || ResultsRow::EndsNotTaken(row))
        return;
    if (!AskYesNo(QStringLiteral("Are you sure you want to delete this test result?"),
                  QStringLiteral("Delete The Test Result")))
        return;
    const ResultsRow::Key key = ResultsRow::KeyOf(row);
    rsDeleteResult.Open(Sql::ResultOfStudentInTest(key.studentNumber, key.testNumber), cnDatabase);
    // A result that is gone already (the list was older than the table)
    // needs no deleting; the refill below shows the table as it is.
    if (rsDeleteResult.RecordCount() != 0)
        rsDeleteResult.Delete();
    rsDeleteResult.Close();
    Load_Test_Results();
}

void frmTestResults::cmdPrint_Click() { PrintResultsList(*this, *lblPrinting, *lstResults, true); }

void frmTestResults::cmdExit_Click()
{
    Screens::Unload(*this);
    Screens::Show<frmAdmin>();
}

// Closing the window by its frame returns to the administration screen, as Exit does.
void frmTestResults::CloseByFrame() { cmdExit_Click(); }
