#include "frmNewTest.h"

#include "Screens.h"
#include "TextBoxes.h"
#include "app/AnswerRecord.h"
#include "app/Module1.h"
#include "app/Platform.h"
#include "app/TestRows.h"
#include "app/TestRules.h"
#include "frmAdmin.h"
#include "frmNewTestIntro.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <QVariant>
#include <array>
#include <utility>

using namespace Module1;

namespace {

constexpr int Slots = AnswerRecords::Slots;
const QString TestNameField = QStringLiteral("fldTestName");

QString QuestionField(int slot) { return AnswerRecords::SlotField(slot); }
QString AnswerField(int slot) { return AnswerRecords::AnswerFieldFor(slot, QStringLiteral("1")); }
QString Phony1Field(int slot) { return AnswerRecords::AnswerFieldFor(slot, QStringLiteral("2")); }
QString Phony2Field(int slot) { return AnswerRecords::AnswerFieldFor(slot, QStringLiteral("3")); }

bool IsSlot(int slot) { return slot >= 1 && slot <= Slots; }

QPlainTextEdit* FieldBox(const QString& name, QWidget* parent)
{
    auto* box = new QPlainTextEdit(parent);
    box->setObjectName(name);
    UseAsFieldBox(*box);
    return box;
}

QLabel* BuddyLabel(const QString& caption, const QString& name, QWidget* box, QWidget* parent)
{
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    label->setBuddy(box);
    return label;
}

}

frmNewTest::frmNewTest() : Form(QStringLiteral("frmNewTest"))
{
    setWindowTitle(tr("Add New Test"));
    cmdPrev = new QPushButton(QStringLiteral("<<"), this);
    cmdPrev->setObjectName(QStringLiteral("cmdPrev"));
    cmdPrev->setAccessibleName(tr("Previous question"));
    lblQuestion = new QLabel(tr("Question 1"), this);
    lblQuestion->setObjectName(QStringLiteral("lblQuestion"));
    lblQuestion->setAlignment(Qt::AlignCenter);
    cmdNext = new QPushButton(QStringLiteral(">>"), this);
    cmdNext->setObjectName(QStringLiteral("cmdNext"));
    cmdNext->setAccessibleName(tr("Next question"));
    txtQuestion = FieldBox(QStringLiteral("txtQuestion"), this);
    txtAnswer = FieldBox(QStringLiteral("txtAnswer"), this);
    txtPhony1 = FieldBox(QStringLiteral("txtPhony1"), this);
    txtPhony2 = FieldBox(QStringLiteral("txtPhony2"), this);
    Label2 = BuddyLabel(tr("Question:"), QStringLiteral("Label2"), txtQuestion, this);
    Label3 = BuddyLabel(tr("Answer:"), QStringLiteral("Label3"), txtAnswer, this);
    Label4 = BuddyLabel(tr("False Answer:"), QStringLiteral("Label4"), txtPhony1, this);
    Label5 = BuddyLabel(tr("False Answer:"), QStringLiteral("Label5"), txtPhony2, this);
    // Both boxes' labels read "False Answer:"; screen readers tell them apart.
    txtPhony1->setAccessibleName(tr("False answer 1"));
    txtPhony2->setAccessibleName(tr("False answer 2"));
    cmdSave = new QPushButton(tr("E&xit"), this);
    cmdSave->setObjectName(QStringLiteral("cmdSave"));

    auto* stepping = new QHBoxLayout;
    stepping->addWidget(cmdPrev);
    stepping->addWidget(lblQuestion, 1);
    stepping->addWidget(cmdNext);
    auto* boxes = new QGridLayout;
    const std::array<std::pair<QLabel*, QPlainTextEdit*>, 4> rows{
        {{Label2, txtQuestion}, {Label3, txtAnswer}, {Label4, txtPhony1}, {Label5, txtPhony2}}};
    for (int i = 0; i < 4; ++i) {
        boxes->addWidget(rows[i].first, i, 0, Qt::AlignTop);
        boxes->addWidget(rows[i].second, i, 1);
    }
    boxes->setRowStretch(0, 2);
    for (int i = 1; i < 4; ++i)
        boxes->setRowStretch(i, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(cmdSave);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(stepping);
    layout->addLayout(boxes, 1);
    layout->addLayout(bottom);
    resize(620, 520);

    setTabOrder(txtQuestion, txtAnswer);
    setTabOrder(txtAnswer, txtPhony1);
    setTabOrder(txtPhony1, txtPhony2);
    setTabOrder(txtPhony2, cmdPrev);
    setTabOrder(cmdPrev, cmdNext);
    setTabOrder(cmdNext, cmdSave);

    GiveStepKeys(cmdPrev, cmdNext);
    OnClick(cmdNext, &frmNewTest::cmdNext_Click);
    OnClick(cmdPrev, &frmNewTest::cmdPrev_Click);
    OnClick(cmdSave, &frmNewTest::cmdSave_Click);
}

// Runs the new test screen first; after its Next the test's row is written
// at once (added for a new test), so the test exists from here on.
void frmNewTest::Form_Load()
{
    Screens::ShowModal(Screens::Get<frmNewTestIntro>());
    if (blnCancelNewTest) {
        blnCancelNewTest = false;
        Screens::Unload(*this);
        return;
    }
    CurrentQuestion = 1;
    if (blnNewTest)
        rsTests.AddNew();
    else
        setWindowTitle(rsTests.Text(TestNameField));
    StoreTestHeading();
    Load_Question();
}

// A new test from a file is stored with its questions, marked unfinished
// while it has fewer than 25.
void frmNewTest::StoreTestHeading()
{
    const frmNewTestIntro& intro = Screens::Get<frmNewTestIntro>();
    const std::vector<DraftQuestion>& imported = intro.importedQuestions;
    if (blnNewTest && !imported.empty()) {
        TestRows::WriteQuestions(rsTests, imported);
        rsTests.SetField(TestNameField, TestRules::StoredTitle(intro.Title(), imported.size() == std::size_t{Slots}));
    } else {
        rsTests.SetField(TestNameField, intro.Title());
    }
    rsTests.SetField(QStringLiteral("fldDescription"), BoxText(*intro.txtDescription));
    rsTests.SetField(QStringLiteral("fldTime"), intro.Minutes());
    rsTests.Update();
}

void frmNewTest::Save_Question()
{
    const int slot = CurrentQuestion;
    if (IsSlot(slot)) {
        rsTests.SetField(QuestionField(slot), BoxText(*txtQuestion));
        rsTests.SetField(AnswerField(slot), BoxText(*txtAnswer));
        rsTests.SetField(Phony1Field(slot), BoxText(*txtPhony1));
        rsTests.SetField(Phony2Field(slot), BoxText(*txtPhony2));
    }
    rsTests.Update();
    txtQuestion->setFocus();
}

// Shows the slot as stored; a Null field, or one that cannot be read,
// leaves its box empty.
void frmNewTest::Load_Question()
{
    txtQuestion->clear();
    txtAnswer->clear();
    txtPhony1->clear();
    txtPhony2->clear();
    const int slot = CurrentQuestion;
    if (IsSlot(slot)) {
        IgnoreErrors([&] { txtQuestion->setPlainText(rsTests.Text(QuestionField(slot))); });
        IgnoreErrors([&] { txtAnswer->setPlainText(rsTests.Text(AnswerField(slot))); });
        IgnoreErrors([&] { txtPhony1->setPlainText(rsTests.Text(Phony1Field(slot))); });
        IgnoreErrors([&] { txtPhony2->setPlainText(rsTests.Text(Phony2Field(slot))); });
    }
    lblQuestion->setText(tr("Question %1").arg(slot));
    txtQuestion->setFocus();
}

void frmNewTest::cmdNext_Click()
{
    if (CurrentQuestion == Slots)
        return;
    Save_Question();
    ++CurrentQuestion;
    Load_Question();
}

void frmNewTest::cmdPrev_Click()
{
    if (CurrentQuestion == 1)
        return;
    Save_Question();
    --CurrentQuestion;
    Load_Question();
}

void frmNewTest::GoToSlot(int slot)
{
    if (slot == CurrentQuestion || !IsSlot(slot))
        return;
    Save_Question();
    CurrentQuestion = static_cast<std::int16_t>(slot);
    Load_Question();
}

void frmNewTest::Form_QueryUnload() { blnNewTest = false; }

// A slot counts as unwritten when its question is Null or only blanks.
int frmNewTest::CountUnwrittenQuestions()
{
    int unwritten = 0;
    for (int slot = 1; slot <= Slots; ++slot) {
        const QVariant question = rsTests.Field(QuestionField(slot));
        if (question.isNull() || question.toString().trimmed().isEmpty())
            ++unwritten;
    }
    return unwritten;
}

// Exit: stores the slot on screen, as moving to another slot would, then
// publishes a complete test or, once confirmed, keeps an incomplete one
// hidden from students behind its "<" and ">".
void frmNewTest::cmdSave_Click()
{
    Save_Question();
    const int unwritten = CountUnwrittenQuestions();
    if (unwritten > 0
        && !AskYesNo(tr("There are %n questions left to write.\r\nAre you sure you want to exit?", nullptr, unwritten),
                     tr("Incomplete Test")))
        return;
    Finish(unwritten == 0);
}

void frmNewTest::Finish(bool complete)
{
    const QString name = rsTests.Text(TestNameField);
    const bool marked = name.startsWith(u'<');
    if (complete && marked) {
        rsTests.SetField(TestNameField, name.mid(1, std::max<qsizetype>(0, name.size() - 2)));
        rsTests.Update();
    } else if (!complete && !marked) {
        rsTests.SetField(TestNameField, QStringLiteral("<") + name + QStringLiteral(">"));
        rsTests.Update();
    }
    Screens::Get<frmAdmin>().Fill_Test_List();
    Screens::Unload(*this);
    Screens::Unload<frmNewTestIntro>();
    Screens::Show<frmAdmin>();
}

// Closing the editor by its frame leaves it as Exit does, so the slot on
// screen, the marks and the way back to the catalogue are never lost.
void frmNewTest::CloseByFrame() { cmdSave_Click(); }
