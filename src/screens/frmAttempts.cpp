#include "frmAttempts.h"

#include "AttemptHold.h"
#include "ListRowLook.h"
#include "Screens.h"
#include "frmAdmin.h"
#include "app/Language.h"
#include "work/AdminWork.h"

#include <QDateTime>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLocale>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

QString BeganText(const std::optional<qint64>& began)
{
    if (!began)
        return {};
    return Language::ShortDateTime(QDateTime::fromSecsSinceEpoch(*began));
}

}

frmAttempts::frmAttempts() : Form(QStringLiteral("frmAttempts"))
{
    setWindowTitle(tr("Attempts in Progress"));
    lstAttempts = new QTreeWidget(this);
    lstAttempts->setObjectName(QStringLiteral("lstAttempts"));
    lstAttempts->setRootIsDecorated(false);
    lstAttempts->setUniformRowHeights(true);
    lstAttempts->setSelectionMode(QAbstractItemView::SingleSelection);
    lstAttempts->setItemDelegate(new OwnDirectionLook(lstAttempts));
    lstAttempts->setHeaderLabels({tr("Student"), tr("Test"), tr("Began"), tr("Answered"), tr("Time left")});
    lstAttempts->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    cmdMoreTime = NamedButton(tr("Give &More Time\u2026"), QStringLiteral("cmdMoreTime"), this);
    cmdFinishNow = NamedButton(tr("&Finish Now"), QStringLiteral("cmdFinishNow"), this);
    cmdRefresh = NamedButton(tr("&Refresh"), QStringLiteral("cmdRefresh"), this);
    cmdClose = NamedButton(tr("&Close"), QStringLiteral("cmdClose"), this);
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(RefreshMilliseconds);

    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {cmdMoreTime, cmdFinishNow, cmdRefresh})
        buttons->addWidget(button);
    buttons->addStretch();
    buttons->addWidget(cmdClose);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lstAttempts, 1);
    layout->addLayout(buttons);
    resize(720, 420);

    OnClick(cmdMoreTime, &frmAttempts::cmdMoreTime_Click);
    OnClick(cmdFinishNow, &frmAttempts::cmdFinishNow_Click);
    OnClick(cmdRefresh, &frmAttempts::cmdRefresh_Click);
    OnClick(cmdClose, &frmAttempts::cmdClose_Click);
    // A refresh the database cannot answer is skipped; the next one tries again.
    connect(Timer1, &QTimer::timeout, this, [this] { IgnoreErrors([this] { Timer1_Timer(); }); });
    connect(lstAttempts, &QTreeWidget::itemSelectionChanged, this, [this] { Enable_Buttons(); });
}

// The list is read afresh every 5 seconds on every engine: on one computer
// too, other programs (a student's, vornick-admin) change the attempts.
// The first row is selected, so that the buttons act on it at once.
void frmAttempts::Form_Load()
{
    Fill_Attempts();
    if (lstAttempts->topLevelItemCount() > 0)
        lstAttempts->setCurrentItem(lstAttempts->topLevelItem(0));
    Enable_Buttons();
    Timer1->start();
}

// The selection is kept by its student and test; a row that left the list
// (its attempt finished) leaves nothing selected.
void frmAttempts::Fill_Attempts()
{
    const std::optional<RunningAttempt> selected = Selected();
    shown_ = Administrator().Running();
    lstAttempts->clear();
    for (const RunningAttempt& attempt : shown_) {
        lstAttempts->addTopLevelItem(new QTreeWidgetItem(
            {attempt.student, attempt.test, BeganText(attempt.began), QString::number(attempt.answered),
             AttemptHold::TimeLeftText(attempt.secondsLeft)}));
    }
    if (selected)
        SelectAttempt(selected->studentNumber, selected->testNumber);
    Enable_Buttons();
}

// With nothing selected there is nothing to act on.
void frmAttempts::Enable_Buttons()
{
    const bool selected = Selected().has_value();
    cmdMoreTime->setEnabled(selected);
    cmdFinishNow->setEnabled(selected);
}

std::optional<RunningAttempt> frmAttempts::Selected() const
{
    const int row = lstAttempts->indexOfTopLevelItem(lstAttempts->currentItem());
    if (row < 0 || row >= static_cast<int>(shown_.size()) || !lstAttempts->currentItem()->isSelected())
        return std::nullopt;
    return shown_[static_cast<std::size_t>(row)];
}

void frmAttempts::SelectAttempt(qint64 student, qint64 test)
{
    for (std::size_t row = 0; row < shown_.size(); ++row) {
        if (shown_[row].studentNumber == student && shown_[row].testNumber == test)
            lstAttempts->setCurrentItem(lstAttempts->topLevelItem(static_cast<int>(row)));
    }
}

void frmAttempts::cmdMoreTime_Click()
{
    if (const std::optional<RunningAttempt> attempt = Selected()) {
        AttemptHold::GiveMoreTime(attempt->studentNumber, attempt->testNumber);
        Fill_Attempts();
    }
}

void frmAttempts::cmdFinishNow_Click()
{
    if (const std::optional<RunningAttempt> attempt = Selected()) {
        AttemptHold::FinishNow(attempt->studentNumber, attempt->testNumber);
        Fill_Attempts();
    }
}

void frmAttempts::cmdRefresh_Click() { Fill_Attempts(); }

void frmAttempts::Timer1_Timer() { Fill_Attempts(); }

void frmAttempts::cmdClose_Click()
{
    Timer1->stop();
    Screens::Unload(*this);
    Screens::Show<frmAdmin>();
}

// Closing the window by its frame returns to the administration screen, as Close does.
void frmAttempts::CloseByFrame() { cmdClose_Click(); }
