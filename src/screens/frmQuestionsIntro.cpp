#include "frmQuestionsIntro.h"

#include "Screens.h"
#include "work/StudentWork.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QFont>
#include <QPushButton>
#include <QVBoxLayout>

frmQuestionsIntro::frmQuestionsIntro() : Form(QStringLiteral("frmQuestionsIntro"))
{
    lblDescription = new QLabel(this);
    lblDescription->setObjectName(QStringLiteral("lblDescription"));
    lblTime = new QLabel(this);
    lblTime->setObjectName(QStringLiteral("lblTime"));
    lblExtraTime = new QLabel(this);
    lblExtraTime->setObjectName(QStringLiteral("lblExtraTime"));
    lblExtraTime->setVisible(false);
    Label1 = new QLabel(tr("You can advance the question using the buttons or by directly clicking on "
                       "the number of the question.  When answered, the number of the question "
                       "will turn green.  If you finish before time runs out, press the \"Done\" "
                       "button."),
                        this);
    Label1->setObjectName(QStringLiteral("Label1"));
    for (QLabel* label : {lblDescription, lblTime, lblExtraTime, Label1}) {
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(true);
    }
    QFont timeFont = lblTime->font();
    timeFont.setBold(true);
    lblTime->setFont(timeFont);
    cmdBegin = new QPushButton(tr("&Begin"), this);
    cmdBegin->setObjectName(QStringLiteral("cmdBegin"));
    cmdBegin->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdBegin);
    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(14);
    layout->addWidget(lblDescription);
    layout->addWidget(lblTime);
    layout->addWidget(lblExtraTime);
    layout->addWidget(Label1);
    layout->addStretch();
    layout->addLayout(buttons);
    setMinimumWidth(560);

    OnClick(cmdBegin, &frmQuestionsIntro::cmdBegin_Click);
}

void frmQuestionsIntro::Form_Load()
{
    const StudentWork::Intro intro = Student().TestIntro();
    setWindowTitle(intro.testName);
    lblDescription->setText(intro.description);
    bool whole = false;
    const int minutes = intro.minutes.toInt(&whole);
    lblTime->setText(whole ? tr("You will be given %n minutes to complete this test.", nullptr, minutes)
                           : tr("You will be given %1 minutes to complete this test.").arg(intro.minutes));
    lblExtraTime->setText(tr("This includes %n minutes of extra time.", nullptr, intro.extraMinutes));
    lblExtraTime->setVisible(intro.extraMinutes > 0);
}

// Closing the window by its frame unloads it too, and the test starts.
void frmQuestionsIntro::cmdBegin_Click() { Screens::Unload(*this); }
