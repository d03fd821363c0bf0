#include "TestRows.h"

#include "rules/AnswerRecord.h"
#include "data/Recordset.h"

namespace {

struct SlotFields {
    QString question, answer, phony1, phony2;
};

SlotFields FieldsOf(int slot)
{
    return {AnswerRecords::SlotField(slot), AnswerRecords::AnswerFieldFor(slot, QStringLiteral("1")),
            AnswerRecords::AnswerFieldFor(slot, QStringLiteral("2")),
            AnswerRecords::AnswerFieldFor(slot, QStringLiteral("3"))};
}

}

TestDraft TestRows::Draft(const Recordset& tests)
{
    TestDraft draft{tests.Text(QStringLiteral("fldTestName")), tests.Text(QStringLiteral("fldDescription")),
                    tests.Field(QStringLiteral("fldTime")).toInt(), {}};
    for (int slot = 1; slot <= TestDraft::Slots; ++slot) {
        const SlotFields fields = FieldsOf(slot);
        draft.questions.push_back({tests.Text(fields.question), tests.Text(fields.answer), tests.Text(fields.phony1),
                                   tests.Text(fields.phony2)});
    }
    return draft;
}

void TestRows::WriteSlot(Recordset& tests, int slot, const DraftQuestion& texts)
{
    const SlotFields fields = FieldsOf(slot);
    tests.SetField(fields.question, texts.question);
    tests.SetField(fields.answer, texts.answer);
    tests.SetField(fields.phony1, texts.phony1);
    tests.SetField(fields.phony2, texts.phony2);
}

void TestRows::WriteQuestions(Recordset& tests, const std::vector<DraftQuestion>& questions)
{
    for (std::size_t i = 0; i < questions.size() && i < TestDraft::Slots; ++i)
        WriteSlot(tests, static_cast<int>(i) + 1, questions[i]);
}
