#include "frmNewTest.h"

#include "Screens.h"
#include "TextBoxes.h"
#include "QuestionFiles.h"
#include "app/ErrorPolicy.h"
#include "app/Platform.h"
#include "frmAdmin.h"
#include "frmNewTestIntro.h"
#include "work/AdminWork.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <QVariant>
#include <array>
#include <utility>

namespace {

constexpr int Slots = TestDraft::Slots;
constexpr int PreviewSide = 160;

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
    imgPicture = new QLabel(this);
    imgPicture->setObjectName(QStringLiteral("imgPicture"));
    imgPicture->setAlignment(Qt::AlignCenter);
    imgPicture->setFixedSize(PreviewSide, PreviewSide);
    txtPictureDescription = new QLineEdit(this);
    txtPictureDescription->setObjectName(QStringLiteral("txtPictureDescription"));
    txtPictureDescription->setMaxLength(Pictures::LongestDescription);
    lblPictureDescription = BuddyLabel(tr("Picture's description:"), QStringLiteral("lblPictureDescription"),
                                       txtPictureDescription, this);
    cmdPicture = NamedButton(tr("&Picture\u2026"), QStringLiteral("cmdPicture"), this);
    cmdRemovePicture = NamedButton(tr("&Remove Picture"), QStringLiteral("cmdRemovePicture"), this);

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
    // The picture's column is a widget of its own, so a screen reader takes
    // it whole, after the four boxes beside it.
    auto* pictureColumn = new QWidget(this);
    auto* picture = new QVBoxLayout(pictureColumn);
    picture->setContentsMargins(0, 0, 0, 0);
    picture->addWidget(imgPicture, 0, Qt::AlignHCenter);
    picture->addWidget(lblPictureDescription);
    picture->addWidget(txtPictureDescription);
    picture->addWidget(cmdPicture);
    picture->addWidget(cmdRemovePicture);
    picture->addStretch();
    boxes->addWidget(pictureColumn, 0, 2, 4, 1);
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
    resize(820, 520);

    // The four texts first, as they are typed one after the other; the
    // picture's controls after the slot buttons, so that a Tab after the
    // question never lands on a button that typing would press.
    setTabOrder(txtQuestion, txtAnswer);
    setTabOrder(txtAnswer, txtPhony1);
    setTabOrder(txtPhony1, txtPhony2);
    setTabOrder(txtPhony2, cmdPrev);
    setTabOrder(cmdPrev, cmdNext);
    setTabOrder(cmdNext, cmdPicture);
    setTabOrder(cmdPicture, txtPictureDescription);
    setTabOrder(txtPictureDescription, cmdRemovePicture);
    setTabOrder(cmdRemovePicture, cmdSave);

    GiveStepKeys(cmdPrev, cmdNext);
    OnClick(cmdNext, &frmNewTest::cmdNext_Click);
    OnClick(cmdPrev, &frmNewTest::cmdPrev_Click);
    OnClick(cmdSave, &frmNewTest::cmdSave_Click);
    OnClick(cmdPicture, &frmNewTest::cmdPicture_Click);
    OnClick(cmdRemovePicture, &frmNewTest::cmdRemovePicture_Click);
    connect(txtPictureDescription, &QLineEdit::textEdited, this, [this] { pictureChanged_ = true; });
}

void frmNewTest::Open(std::optional<qint64> test)
{
    Screens::Load<frmNewTest>([test](frmNewTest& editor) { editor.editedTest_ = test; }).Show();
}

// Runs the new test screen first; after its Next the test's heading is
// written at once (a new test added, with the questions of a file), so the
// test exists from here on. Cancel there unloads it, and this screen too.
void frmNewTest::Form_Load()
{
    frmNewTestIntro& intro = Screens::Get<frmNewTestIntro>();
    std::optional<TestHeading> stored;
    if (editedTest_) {
        IgnoreErrors([&] { stored = Administrator().Heading(*editedTest_); });
        intro.ShowStored(*editedTest_, stored);
    }
    Screens::ShowModal(intro);
    if (!Screens::IsLoaded<frmNewTestIntro>()) {
        Screens::Unload(*this);
        return;
    }
    CurrentQuestion = 1;
    const TestHeading heading = intro.Heading();
    if (editedTest_) {
        setWindowTitle(stored ? stored->title : QString());
        Administrator().StoreHeading(*editedTest_, heading);
    } else {
        editedTest_ = Administrator().AddTest(heading, intro.importedQuestions);
    }
    Load_Question();
}

bool frmNewTest::Save_Question()
{
    const int slot = CurrentQuestion;
    if (picture_) {
        picture_->description = txtPictureDescription->text();
        const QString refusal = Pictures::DescriptionRefusal(picture_->description);
        if (!refusal.isEmpty()) {
            MsgBox(refusal, tr("Picture"));
            txtPictureDescription->setFocus();
            return false;
        }
    }
    // The texts and the picture are stored together or not at all.
    if (IsSlot(slot))
        Administrator().StoreSlot(TestNumber(), slot,
                                  {BoxText(*txtQuestion), BoxText(*txtAnswer), BoxText(*txtPhony1), BoxText(*txtPhony2)},
                                  pictureChanged_ ? std::optional(picture_) : std::nullopt);
    pictureChanged_ = false;
    txtQuestion->setFocus();
    return true;
}

qint64 frmNewTest::TestNumber() const { return editedTest_.value_or(0); }

void frmNewTest::ShowPicture()
{
    imgPicture->clear();
    imgPicture->setAccessibleDescription(picture_ ? picture_->description : QString());
    if (picture_)
        imgPicture->setPixmap(QPixmap::fromImage(Pictures::Image(*picture_))
                                  .scaled(PreviewSide, PreviewSide, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    txtPictureDescription->setText(picture_ ? picture_->description : QString());
    txtPictureDescription->setEnabled(picture_.has_value());
    cmdRemovePicture->setEnabled(picture_.has_value());
}

// A chosen file replaces the slot's picture once it is found to be one; the
// description typed so far stays. Stored with the slot's texts.
void frmNewTest::cmdPicture_Click()
{
    const FileChoice choice = platform().ChooseFile(
        FileDialogKind::Open, tr("Picture"),
        {tr("Pictures (*.png *.jpg *.jpeg *.gif *.bmp *.webp)"), tr("All files (*)")}, QuestionFiles::DocumentsFolder());
    if (choice.path.isEmpty())
        return;
    Pictures::Prepared prepared = Pictures::FromFile(choice.path);
    if (!prepared.picture) {
        MsgBox(tr("This file cannot be used as the question's picture.\n%1").arg(prepared.refusal), tr("Picture"));
        return;
    }
    const QString description = txtPictureDescription->text();
    picture_ = std::move(prepared.picture);
    picture_->description = description;
    pictureChanged_ = true;
    ShowPicture();
    txtPictureDescription->setFocus();
}

// Asks first: the picture chosen may be the only copy the teacher has.
void frmNewTest::cmdRemovePicture_Click()
{
    if (!picture_ || !AskYesNo(tr("Remove this question's picture?"), tr("Remove Picture")))
        return;
    picture_.reset();
    pictureChanged_ = true;
    ShowPicture();
}

// Shows the slot as stored; a Null field, or a test that cannot be read,
// leaves its boxes empty.
void frmNewTest::Load_Question()
{
    txtQuestion->clear();
    txtAnswer->clear();
    txtPhony1->clear();
    txtPhony2->clear();
    const int slot = CurrentQuestion;
    std::optional<TestDraft> stored;
    if (IsSlot(slot))
        IgnoreErrors([&] { stored = Administrator().Test(TestNumber()); });
    if (stored) {
        const DraftQuestion& question = stored->questions[static_cast<std::size_t>(slot - 1)];
        txtQuestion->setPlainText(question.question);
        txtAnswer->setPlainText(question.answer);
        txtPhony1->setPlainText(question.phony1);
        txtPhony2->setPlainText(question.phony2);
    }
    picture_.reset();
    pictureChanged_ = false;
    if (IsSlot(slot))
        IgnoreErrors([&] { picture_ = Administrator().SlotPicture(TestNumber(), slot); });
    ShowPicture();
    lblQuestion->setText(tr("Question %1").arg(slot));
    txtQuestion->setFocus();
}

void frmNewTest::cmdNext_Click()
{
    if (CurrentQuestion == Slots || !Save_Question())
        return;
    ++CurrentQuestion;
    Load_Question();
}

void frmNewTest::cmdPrev_Click()
{
    if (CurrentQuestion == 1 || !Save_Question())
        return;
    --CurrentQuestion;
    Load_Question();
}

void frmNewTest::GoToSlot(int slot)
{
    if (slot == CurrentQuestion || !IsSlot(slot) || !Save_Question())
        return;
    CurrentQuestion = static_cast<std::int16_t>(slot);
    Load_Question();
}

// Exit: stores the slot on screen, as moving to another slot would, then
// publishes a complete test or, once confirmed, keeps an incomplete one
// hidden from students behind its "<" and ">".
void frmNewTest::cmdSave_Click()
{
    if (!Save_Question())
        return;
    const int unwritten = Administrator().UnwrittenSlots(TestNumber());
    if (unwritten > 0
        && !AskYesNo(tr("There are %n questions left to write.\r\nAre you sure you want to exit?", nullptr, unwritten),
                     tr("Incomplete Test")))
        return;
    Finish(unwritten == 0);
}

void frmNewTest::Finish(bool complete)
{
    Administrator().MarkComplete(TestNumber(), complete);
    Screens::Get<frmAdmin>().Fill_Test_List();
    Screens::Unload(*this);
    Screens::Unload<frmNewTestIntro>();
    Screens::Show<frmAdmin>();
}

// Closing the editor by its frame leaves it as Exit does, so the slot on
// screen, the marks and the way back to the catalogue are never lost.
void frmNewTest::CloseByFrame() { cmdSave_Click(); }
