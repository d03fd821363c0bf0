#include "frmAnswers.h"

#include "ResultsList.h"
#include "PictureView.h"
#include "Screens.h"
#include "rules/AnswerRecord.h"
#include "app/Platform.h"
#include "frmMain.h"
#include "work/StudentWork.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QFont>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

frmAnswers::frmAnswers() : SlotForm(QStringLiteral("frmAnswers"))
{
    QGridLayout* question = BuildQuestionArea();
    // The review only shows the student's choice; it cannot be changed.
    for (QRadioButton* option : optAnswer)
        option->setEnabled(false);
    QGridLayout* numbers = BuildSlotNumbers();
    QHBoxLayout* buttons = BuildSlotButtons();

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(question);
    layout->addStretch(1);
    layout->addSpacing(8);
    layout->addLayout(numbers);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    resize(720, 440);

    OnClick(cmdPrev, &frmAnswers::cmdPrev_Click);
    OnClick(cmdNext, &frmAnswers::cmdNext_Click);
    OnClick(cmdDone, &frmAnswers::cmdDone_Click);
    PressOnEscape(cmdDone);
}

void frmAnswers::OpenFrom(Form& opener, Refusal refusal, const ReviewTexts& texts, const std::function<void()>& refill)
{
    if (refusal == Refusal::TestGone)
        return TellTestGone(refill);
    if (refusal == Refusal::NotFinished)
        MsgBox(tr("This test has not been finished yet."));
    if (refusal != Refusal::None)
        return refill();
    IgnoreErrors([&] {
        Screens::Load<frmAnswers>([&](frmAnswers& review) {
            review.texts_ = &texts;
            review.opener_ = &opener;
        }).Show();
    });
    IgnoreErrors([&opener] { opener.Hide(); });
}

const ReviewTexts& frmAnswers::Texts() const { return texts_ ? *texts_ : Student().Review(); }

// Every failing step is skipped.
void frmAnswers::Form_Load()
{
    IgnoreErrors([this] { setWindowTitle(tr("Results of: %1").arg(Texts().TestText(QStringLiteral("fldTestName")))); });
    Colour_Question_Numbers();
    IgnoreErrors([this] { MakeRoomForPictures(Texts().PictureRoom()); });
    CurrentQuestion = 1;
    Load_Question();
}

// Green for a record ending in "C"; red for every other record, a missing
// one or one that cannot be read. A tick or a cross beside the number says
// the same without colour.
void frmAnswers::Colour_Question_Numbers()
{
    for (int slot = 1; slot <= AnswerRecords::Slots; ++slot) {
        bool right = false;
        IgnoreErrors([&] { right = AnswerRecords::IsRight(Texts().ResultText(AnswerRecords::SlotField(slot))); });
        QLabel& number = *lblQuestionNumber[static_cast<std::size_t>(slot - 1)];
        SetTextColour(number, right ? SlotColours::Right() : SlotColours::Missed());
        number.setText(QString::number(slot) + (right ? QStringLiteral("\u2713") : QStringLiteral("\u2717")));
        number.setAccessibleName(tr("Question %1, %2")
                                     .arg(slot)
                                     .arg(right ? tr("right") : tr("missed")));
    }
}

// The student's own choice stands out in bold and underlined, not only as a
// greyed option button; screen readers hear it with each answer's name.
void frmAnswers::Mark_Lines(int chosenIndex, const std::array<QString, 3>& order)
{
    const std::array<QLabel*, 3> lines = AnswerLines();
    std::array<QString, 3> notes;
    for (std::size_t k = 0; k < lines.size(); ++k) {
        const bool chosen = static_cast<int>(k) == chosenIndex;
        QFont font = lines[k]->font();
        font.setBold(chosen);
        font.setUnderline(chosen);
        lines[k]->setFont(font);
        QStringList said;
        if (order[k] == QLatin1String("1"))
            said << tr("right answer");
        if (chosen)
            said << tr("your answer");
        notes[k] = said.join(QStringLiteral(", "));
    }
    NameAnswerButtons(notes);
}

// Shows slot CurrentQuestion with its answers on the lines the student saw,
// the chosen line selected and the right answer in dark green. The record is
// taken apart by position only, so any stored text is shown without failing.
void frmAnswers::Load_Question()
{
    const std::array<QLabel*, 3> lines = AnswerLines();
    ClearSlot();
    for (QLabel* line : lines)
        SetTextColour(*line, SlotColours::OtherLine());
    std::array<QString, 3> order{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")};
    int chosenIndex = -1;

    const int slot = CurrentQuestion;
    if (slot >= 1 && slot <= AnswerRecords::Slots) {
        IgnoreErrors([&] {
            const QString record = Texts().ResultText(AnswerRecords::SlotField(slot));
            if (record.isEmpty())
                return;
            const AnswerRecords::Parts parts = AnswerRecords::TakeApart(record);
            order = parts.orderDigits;
            chosenIndex = parts.chosenIndex;
            SelectChoice(optAnswer, parts.chosenIndex);
        });
        IgnoreErrors([&] { lblQuestion->setText(Texts().TestText(AnswerRecords::SlotField(slot))); });
        IgnoreErrors([&] { ShowPicture(Texts().SlotPicture(slot)); });
        for (std::size_t k = 0; k < lines.size(); ++k) {
            const QString field = AnswerRecords::AnswerFieldFor(slot, order[k]);
            if (field.isEmpty())
                continue;
            IgnoreErrors([&] { lines[k]->setText(Texts().TestText(field)); });
            if (order[k] == QLatin1String("1"))
                SetTextColour(*lines[k], SlotColours::RightLine());
        }
    }
    Mark_Lines(chosenIndex, order);
    QuestionNumber->setText(tr("Question %1").arg(slot));
}

void frmAnswers::cmdNext_Click()
{
    if (CurrentQuestion == 25)
        return;
    ++CurrentQuestion;
    Load_Question();
}

void frmAnswers::cmdPrev_Click()
{
    if (CurrentQuestion == 1)
        return;
    --CurrentQuestion;
    Load_Question();
}

void frmAnswers::lblQuestionNumber_Click(std::int16_t index)
{
    CurrentQuestion = static_cast<std::int16_t>(index + 1);
    Load_Question();
}

void frmAnswers::cmdDone_Click() { Screens::Unload(*this); }

// Returns to the screen that opened the review (the student's home screen
// when none did).
void frmAnswers::Form_QueryUnload()
{
    if (opener_)
        opener_->Show();
    else
        Screens::Show<frmMain>();
}
