#include "frmTestResults.h"

#include "QuestionFiles.h"
#include "ResultsFiles.h"
#include "ResultsList.h"
#include "AttemptHold.h"
#include "Screens.h"
#include "rules/ListRows.h"
#include "app/ErrorPolicy.h"
#include "app/Platform.h"
#include "frmAdmin.h"
#include "frmAnswers.h"
#include "work/AdminWork.h"

#include <QListWidget>
#include <QPushButton>

frmTestResults::frmTestResults() : Form(QStringLiteral("frmTestResults"))
{
    const ResultsListControls list = BuildResultsList(*this);
    Label1 = list.Label1;
    lstResults = list.lstResults;
    lblPrinting = list.lblPrinting;
    cmdView = NamedButton(tr("&View Missed Questions"), QStringLiteral("cmdView"), this);
    cmdDelete = NamedButton(tr("&Delete"), QStringLiteral("cmdDelete"), this);
    cmdPrint = NamedButton(tr("&Print"), QStringLiteral("cmdPrint"), this);
    cmdExit = NamedButton(tr("E&xit"), QStringLiteral("cmdExit"), this);
    cmdSave = NamedButton(tr("&Save Results\u2026"), QStringLiteral("cmdSave"), this);
    cmdMoreTime = NamedButton(tr("Give &More Time\u2026"), QStringLiteral("cmdMoreTime"), this);
    cmdFinishNow = NamedButton(tr("&Finish Now"), QStringLiteral("cmdFinishNow"), this);
    LayOutResultsScreen(*this, list, {cmdView, cmdDelete, cmdPrint, cmdSave, cmdMoreTime, cmdFinishNow}, cmdExit);
    resize(900, 420);

    OnClick(cmdView, &frmTestResults::cmdView_Click);
    OnClick(cmdDelete, &frmTestResults::cmdDelete_Click);
    OnClick(cmdPrint, &frmTestResults::cmdPrint_Click);
    OnClick(cmdExit, &frmTestResults::cmdExit_Click);
    OnClick(cmdSave, &frmTestResults::cmdSave_Click);
    OnClick(cmdMoreTime, &frmTestResults::cmdMoreTime_Click);
    OnClick(cmdFinishNow, &frmTestResults::cmdFinishNow_Click);
    OnRowChange(lstResults, &frmTestResults::lstResults_Click);
}

void frmTestResults::ShowFor(qint64 student, const QString& name)
{
    Screens::Load<frmTestResults>([&](frmTestResults& results) {
        results.studentNumber_ = student;
        results.studentName_ = name;
    }).Show();
}

void frmTestResults::Form_Load()
{
    setWindowTitle(tr("Test Results For %1").arg(studentName_));
    Load_Test_Results();
}

void frmTestResults::Load_Test_Results()
{
    ShowResultRows(*lstResults, Administrator().Results(studentNumber_));
    lstResults_Click();
}

// More time and an end are for an attempt still running.
void frmTestResults::lstResults_Click()
{
    const bool running = ResultsRow::ShowsUnfinished(SelectedText(lstResults));
    cmdMoreTime->setEnabled(running);
    cmdFinishNow->setEnabled(running);
}

// The test of the selected row when it shows an attempt still running.
std::optional<qint64> frmTestResults::SelectedRunningTest() const
{
    if (!ResultsRow::ShowsUnfinished(SelectedText(lstResults)))
        return std::nullopt;
    return SelectedKey(lstResults);
}

void frmTestResults::cmdMoreTime_Click()
{
    if (const std::optional<qint64> test = SelectedRunningTest())
        AttemptHold::GiveMoreTime(studentNumber_, *test);
}

void frmTestResults::cmdFinishNow_Click()
{
    const std::optional<qint64> test = SelectedRunningTest();
    if (test && AttemptHold::FinishNow(studentNumber_, *test))
        Load_Test_Results();
}

// The test of the selected row when it shows a result; none otherwise.
std::optional<qint64> frmTestResults::SelectedResultTest() const
{
    const QString row = SelectedText(lstResults);
    if (row.isEmpty() || ResultsRow::EndsNotTaken(row))
        return std::nullopt;
    return SelectedKey(lstResults);
}

// Opens the review on the selected result: this student's, in the test the
// row carries; an unfinished one has nothing to review yet. The review
// returns here when it closes.
void frmTestResults::cmdView_Click()
{
    const std::optional<qint64> test = SelectedResultTest();
    if (!test)
        return;
    frmAnswers::OpenFrom(*this, Administrator().ReadyReview(studentNumber_, *test), Administrator().Review(),
                         [this] { IgnoreErrors([this] { Load_Test_Results(); }); });
}

void frmTestResults::cmdDelete_Click()
{
    const std::optional<qint64> test = SelectedResultTest();
    if (!test)
        return;
    if (!AskYesNo(tr("Are you sure you want to delete this test result?"),
                  tr("Delete The Test Result")))
        return;
    // A result that is gone already (the list was older than the table)
    // needs no deleting; the refill below shows the table as it is.
    Administrator().DeleteResult(studentNumber_, *test);
    Load_Test_Results();
}

void frmTestResults::cmdPrint_Click() { PrintResultsList(*this, *lblPrinting, *lstResults, true); }

void frmTestResults::cmdSave_Click()
{
    ResultsFiles::SaveResults(this, std::nullopt, studentNumber_,
                              tr("%1 results.csv").arg(QuestionFiles::FileNameFor(studentName_)));
}

void frmTestResults::cmdExit_Click()
{
    Screens::Unload(*this);
    Screens::Show<frmAdmin>();
}

// Closing the window by its frame returns to the administration screen, as Exit does.
void frmTestResults::CloseByFrame() { cmdExit_Click(); }
