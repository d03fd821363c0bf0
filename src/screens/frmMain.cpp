#include "frmMain.h"

#include "ResultsList.h"
#include "Screens.h"
#include "app/ListRows.h"
#include "app/Module1.h"
#include "frmAnswers.h"
#include "frmEntry.h"
#include "frmQuestions.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Module1;

frmMain::frmMain() : Form(QStringLiteral("frmMain"))
{
    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    lstResults = new QListWidget(this);
    lstResults->setObjectName(QStringLiteral("lstResults"));
    UseListFont(*lstResults);
    SetResultsHeading(*Label1, *lstResults);
    Label1->setBuddy(lstResults);
    cmdTakeTest = new QPushButton(QStringLiteral("&Take Selected Test"), this);
    cmdTakeTest->setObjectName(QStringLiteral("cmdTakeTest"));
    cmdReview = new QPushButton(QStringLiteral("&Review Missed Questions"), this);
    cmdReview->setObjectName(QStringLiteral("cmdReview"));
    cmdPrint = new QPushButton(QStringLiteral("&Print"), this);
    cmdPrint->setObjectName(QStringLiteral("cmdPrint"));
    cmdExit = new QPushButton(QStringLiteral("E&xit"), this);
    cmdExit->setObjectName(QStringLiteral("cmdExit"));
    lblPrinting = new QLabel(QStringLiteral("Printing...."), this);
    lblPrinting->setObjectName(QStringLiteral("lblPrinting"));
    lblPrinting->setVisible(false);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdTakeTest);
    buttons->addWidget(cmdReview);
    buttons->addWidget(cmdPrint);
    buttons->addStretch();
    buttons->addWidget(lblPrinting);
    buttons->addWidget(cmdExit);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(lstResults, 1);
    layout->addLayout(buttons);
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
    IgnoreErrors([] { rsTests.Close(); });
    IgnoreErrors([] { rsResults.Close(); });
    IgnoreErrors([&] { rsTests.Open(Sql::TestByName(ResultsRow::TestName(row)), cnDatabase); });
    IgnoreErrors([] {
        rsResults.Open(Sql::ResultOfStudentInTest(rsPasswords.Field(QStringLiteral("fldStudentNumber")).toLongLong(),
                                                  rsTests.Field(QStringLiteral("fldTestNumber")).toLongLong()),
                       cnDatabase);
    });
    IgnoreErrors([] { Screens::Show<frmAnswers>(); });
    IgnoreErrors([this] { Hide(); });
}
