#include "frmNewTestIntro.h"

#include "Screens.h"
#include "TextBoxes.h"
#include "app/Platform.h"
#include "rules/TestRules.h"
#include "frmAdmin.h"
#include "frmNewTest.h"
#include "work/AdminWork.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

frmNewTestIntro::frmNewTestIntro() : Form(QStringLiteral("frmNewTestIntro"))
{
    setWindowTitle(tr("Create New Test"));
    Label1 = new QLabel(tr("Test Name:"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    txtTestName = new QLineEdit(this);
    txtTestName->setObjectName(QStringLiteral("txtTestName"));
    Label2 = new QLabel(tr("Description of test/instructions:"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    txtDescription = new QPlainTextEdit(this);
    txtDescription->setObjectName(QStringLiteral("txtDescription"));
    UseAsFieldBox(*txtDescription);
    Label3 = new QLabel(tr("Length of test in minutes:"), this);
    Label3->setObjectName(QStringLiteral("Label3"));
    txtMinutes = new QLineEdit(this);
    txtMinutes->setObjectName(QStringLiteral("txtMinutes"));
    txtMinutes->setMaximumWidth(90);
    cmdNext = new QPushButton(tr("&Next"), this);
    cmdNext->setObjectName(QStringLiteral("cmdNext"));
    cmdCancel = new QPushButton(tr("&Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    Label1->setBuddy(txtTestName);
    Label2->setBuddy(txtDescription);
    Label3->setBuddy(txtMinutes);

    auto* name = new QHBoxLayout;
    name->addWidget(Label1);
    name->addWidget(txtTestName, 1);
    auto* minutes = new QHBoxLayout;
    minutes->addWidget(Label3);
    minutes->addWidget(txtMinutes);
    minutes->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdNext);
    buttons->addWidget(cmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(name);
    layout->addWidget(Label2);
    layout->addWidget(txtDescription, 1);
    layout->addLayout(minutes);
    layout->addLayout(buttons);
    resize(520, 360);

    setTabOrder(txtTestName, txtDescription);
    setTabOrder(txtDescription, txtMinutes);
    setTabOrder(txtMinutes, cmdNext);
    setTabOrder(cmdNext, cmdCancel);

    OnClick(cmdNext, &frmNewTestIntro::cmdNext_Click);
    OnClick(cmdCancel, &frmNewTestIntro::cmdCancel_Click);
    PressOnEscape(cmdCancel);
}

// A heading that could not be read leaves the boxes as they were.
void frmNewTestIntro::ShowStored(qint64 test, const std::optional<TestHeading>& stored)
{
    editedTest_ = test;
    if (!stored)
        return;
    txtTestName->setText(stored->title);
    txtDescription->setPlainText(stored->description);
    txtMinutes->setText(stored->minutes);
}

void frmNewTestIntro::cmdNext_Click()
{
    const QString title = Title();
    if (title.isEmpty())
        return Refuse(TestRules::NoTitleMessage(), txtTestName);
    if (txtMinutes->text().isEmpty())
        return Refuse(tr("You must specify the length of the test."), txtMinutes);
    if (TestRules::VisibleTitle(title).size() > TestRules::LongestTitle)
        return Refuse(TestRules::LongTitleMessage(), txtTestName);
    if (!TestRules::WholeMinutes(txtMinutes->text()))
        return Refuse(TestRules::MinutesMessage(), txtMinutes);
    if (Administrator().TitleTaken(title, editedTest_))
        return Refuse(TestRules::TakenTitleMessage(title), txtTestName);
    Screens::Get<frmNewTest>().setWindowTitle(title);
    Hide();
    Screens::Show<frmNewTest>();
}

void frmNewTestIntro::Refuse(const QString& message, QWidget* box)
{
    MsgBox(message, tr("Required Field"));
    box->setFocus();
}

QString frmNewTestIntro::Title() const { return txtTestName->text().trimmed(); }

TestHeading frmNewTestIntro::Heading() const { return {Title(), BoxText(*txtDescription), txtMinutes->text()}; }

// The editor learns of it by this screen being gone.
void frmNewTestIntro::cmdCancel_Click()
{
    Screens::Unload(*this);
    Screens::Show<frmAdmin>();
}

// Closing the window abandons the test, as Cancel does; otherwise the editor
// would go on and write a row nobody asked for.
void frmNewTestIntro::CloseByFrame() { cmdCancel_Click(); }
