#include "frmMain.h"

#include "ResultsList.h"
#include "Screens.h"
#include "app/ListRows.h"
#include "app/Module1.h"
#include "frmEntry.h"
#include "frmQuestions.h"

#include <QListWidget>
#include <QPushButton>

using namespace Module1;

frmMain::frmMain() : Form(QStringLiteral("frmMain"))
{
    const ResultsListControls list = BuildResultsList(*this);
    Label1 = list.Label1;
    lstResults = list.lstResults;
    lblPrinting = list.lblPrinting;
    cmdTakeTest = NamedButton(QStringLiteral("&Take Selected Test"), QStringLiteral("cmdTakeTest"), this);
    cmdReview = NamedButton(QStringLiteral("&Review Missed Questions"), QStringLiteral("cmdReview"), this);
    cmdPrint = NamedButton(QStringLiteral("&Print"), QStringLiteral("cmdPrint"), this);
    cmdExit = NamedButton(QStringLiteral("E&xit"), QStringLiteral("cmdExit"), this);
    LayOutResultsScreen(*this, list, {cmdTakeTest, cmdReview, cmdPrint}, cmdExit);
    resize(760, 420);

    OnClick(cmdTakeTest, &frmMain::cmdTakeTest_Click);
    OnClick(cmdReview, &frmMain::cmdReview_Click);
    OnClick(cmdPrint, &frmMain::cmdPrint_Click);
    OnClick(cmdExit, &frmMain::cmdExit_Click);
}

void frmMain::Form_Load()
{
    setWindowTitle(QStringLiteral("Test Results For ") + rsPasswords.Text(QStringLiteral("fldStudentName")));
    Load_Test_List();
}

void frmMain::Load_Test_List()
{
    FillResultsList(*lstResults, rsPasswords.Field(QStringLiteral("fldStudentNumber")).toLongLong(), false);
}

void frmMain::cmdPrint_Click() { PrintResultsList(*this, *lblPrinting, *lstResults, false); }

void frmMain::cmdExit_Click()
{
    Screens::Unload(*this);
    Screens::Show<frmEntry>();
}

// Closing the window signs the student out, as Exit does.
void frmMain::Form_QueryUnload() { Screens::Show<frmEntry>(); }

// Starts the selected test; only a row that shows "Not Taken" can be taken,
// any other row (or none) is refused silently.
void frmMain::cmdTakeTest_Click()
{
    const QString row = SelectedText(lstResults);
    if (!ResultsRow::ShowsNotAtScore(row))
        return;
    Hide();
    Screens::Show<frmQuestions>();
    if (Screens::IsLoaded<frmQuestions>())
        Screens::Get<frmQuestions>().setWindowTitle(ResultsRow::TestName(row));
}

// Opens the review of the selected taken test. After the two refusals every
// failing step is skipped, so the review shows whatever the recordsets hold.
void frmMain::cmdReview_Click()
{
    const QString row = SelectedText(lstResults);
    if (row.isEmpty() || ResultsRow::EndsNotTaken(row))
        return;
    qint64 student = 0;
    IgnoreErrors([&student] { student = rsPasswords.Field(QStringLiteral("fldStudentNumber")).toLongLong(); });
    OpenReview(*this, row, student, std::nullopt);
}
