#include "frmMain.h"

#include "ResultsList.h"
#include "Screens.h"
#include "rules/ListRows.h"
#include "app/ErrorPolicy.h"
#include "app/Platform.h"
#include "rules/TestRules.h"
#include "frmAnswers.h"
#include "frmEntry.h"
#include "frmQuestions.h"
#include "work/StudentWork.h"

#include <QListWidget>
#include <QPushButton>

frmMain::frmMain() : Form(QStringLiteral("frmMain"))
{
    const ResultsListControls list = BuildResultsList(*this);
    Label1 = list.Label1;
    lstResults = list.lstResults;
    lblPrinting = list.lblPrinting;
    cmdTakeTest = NamedButton(tr("&Take Selected Test"), QStringLiteral("cmdTakeTest"), this);
    cmdReview = NamedButton(tr("&Review Missed Questions"), QStringLiteral("cmdReview"), this);
    cmdPrint = NamedButton(tr("&Print"), QStringLiteral("cmdPrint"), this);
    cmdExit = NamedButton(tr("E&xit"), QStringLiteral("cmdExit"), this);
    LayOutResultsScreen(*this, list, {cmdTakeTest, cmdReview, cmdPrint}, cmdExit);
    resize(760, 420);

    OnClick(cmdTakeTest, &frmMain::cmdTakeTest_Click);
    OnClick(cmdReview, &frmMain::cmdReview_Click);
    OnClick(cmdPrint, &frmMain::cmdPrint_Click);
    OnClick(cmdExit, &frmMain::cmdExit_Click);
}

void frmMain::Form_Load()
{
    setWindowTitle(tr("Test Results For %1").arg(Student().StudentName()));
    Load_Test_List();
}

void frmMain::Load_Test_List()
{
    ShowResultRows(*lstResults, Student().List());
}

void frmMain::cmdPrint_Click() { PrintResultsList(*this, *lblPrinting, *lstResults, false); }

void frmMain::cmdExit_Click()
{
    Screens::Unload(*this);
    Screens::Show<frmEntry>();
}

// Closing the window signs the student out, as Exit does. A session the
// server could not end expires there by itself.
void frmMain::Form_QueryUnload()
{
    IgnoreErrors([] { Student().SignOut(); });
    Screens::Show<frmEntry>();
}

// Starts the selected test, or continues its unfinished attempt; only a row
// that shows "Not Taken" or "Unfinished" can be taken, any other row (or
// none) is refused silently. The test is the one whose number the row
// carries; one that is gone, or whose stored length the countdown cannot run,
// is refused with a message before anything is written.
void frmMain::cmdTakeTest_Click()
{
    const QString row = SelectedText(lstResults);
    const std::optional<qint64> test = SelectedKey(lstResults);
    if (!(ResultsRow::ShowsNotAtScore(row) || ResultsRow::ShowsUnfinished(row)) || !test)
        return;
    switch (Student().CanTake(*test)) {
    case Refusal::TestGone:
        return TellTestGone([this] { Load_Test_List(); });
    case Refusal::BadLength:
        MsgBox(tr("This test cannot be started: its length is not a whole number of minutes "
                  "from 0 to %1.\nPlease tell your teacher.").arg(TestRules::LongestMinutes));
        return;
    case Refusal::Finished:
    case Refusal::NotFinished:
    case Refusal::NoAttempt:
        return Load_Test_List();
    case Refusal::None:
        break;
    }
    Hide();
    frmQuestions::Take(*test);
    if (Screens::IsLoaded<frmQuestions>())
        Screens::Get<frmQuestions>().setWindowTitle(ResultsRow::TestName(row));
}

// Opens the review of the selected taken test.
void frmMain::cmdReview_Click()
{
    const QString row = SelectedText(lstResults);
    const std::optional<qint64> test = SelectedKey(lstResults);
    if (row.isEmpty() || ResultsRow::EndsNotTaken(row) || !test)
        return;
    frmAnswers::OpenFrom(*this, Student().ReadyReview(*test), Student().Review(),
                         [this] { IgnoreErrors([this] { Load_Test_List(); }); });
}
