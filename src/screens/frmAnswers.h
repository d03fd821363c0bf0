#pragma once

#include "SlotScreen.h"
#include "work/WorkValues.h"

#include <QPointer>
#include <array>
#include <cstdint>
#include <functional>

// The review of one finished test: green and red slot numbers, the answers on
// the lines the student saw them, the chosen line selected and the right
// answer in dark green. It only reads.
class frmAnswers : public SlotForm {
    Q_OBJECT

public:
    frmAnswers();

    // Shows the review `texts` readied (`refusal` None) in place of
    // `opener`, every step past a failure; closing it shows `opener` again.
    // A test that is gone is told and the list refilled (`refill`); an
    // attempt not finished refills the list.
    static void OpenFrom(Form& opener, Refusal refusal, const ReviewTexts& texts, const std::function<void()>& refill);

    void Form_Load() override;
    void Form_QueryUnload() override;
    void cmdNext_Click();
    void cmdPrev_Click();
    void lblQuestionNumber_Click(std::int16_t index) override;
    void cmdDone_Click();

    std::int16_t CurrentQuestion = 0;  // the slot shown, 1 to 25

private:
    // The review shown: the one its opener readied, else the signed-in
    // student's.
    const ReviewTexts& Texts() const;
    void Load_Question();
    void Colour_Question_Numbers();
    void Mark_Lines(int chosenIndex, const std::array<QString, 3>& order);

    const ReviewTexts* texts_ = nullptr;
    QPointer<Form> opener_;
};
