#include "ParserChecks.h"

#include "rules/AnswerRecord.h"
#include "rules/ListRows.h"
#include "exchange/Aiken.h"
#include "exchange/Attempt.h"
#include "exchange/Gift.h"
#include "exchange/Moodle.h"

#include <algorithm>

namespace {

// What a question file reader returns for any bytes: usable questions in
// file order with every text there and within bounds, or a refusal alone.
QString CheckQuestionFileReader(const ReadOutcome& outcome, const char* reader)
{
    const auto fail = [reader](const QString& what) { return QString::fromLatin1(reader) + QStringLiteral(": ") + what; };
    if (outcome.Refused() && !(outcome.questions.empty() && outcome.leftOut.empty() && outcome.notes.empty()))
        return fail(QStringLiteral("a refused file with questions or notes"));
    // A reader stops at the first usable question past what a test holds.
    if (outcome.questions.size() > std::size_t{TestDraft::Slots} + 1
        || outcome.stoppedEarly != (outcome.questions.size() == std::size_t{TestDraft::Slots} + 1))
        return fail(QStringLiteral("read past the first question more than a test holds"));
    int line = 1;
    for (const FoundQuestion& found : outcome.questions) {
        if (found.line < line)
            return fail(QStringLiteral("questions out of file order"));
        line = found.line;
        for (const QString* text : {&found.texts.question, &found.texts.answer, &found.texts.phony1, &found.texts.phony2})
            if (text->isEmpty() || text->size() > QuestionFile::LongestText)
                return fail(QStringLiteral("a usable question with an empty or overlong text"));
        if (found.texts.picture && !Pictures::DescriptionRefusal(found.texts.picture->description).isEmpty())
            return fail(QStringLiteral("a picture without a description that can be stored"));
    }
    for (const auto* notes : {&outcome.leftOut, &outcome.notes})
        for (const FileNote& note : *notes)
            if (note.line < 1 || note.text.isEmpty())
                return fail(QStringLiteral("a note without its line or text"));
    return {};
}

}

QString CheckParsers(const QByteArray& input)
{
    QString failure;
    const auto expect = [&failure](bool holds, const char* what, const QString& text) {
        if (!holds && failure.isEmpty())
            failure = QString::fromLatin1(what) + QStringLiteral(": ") + text;
    };
    // No reader may fail or read outside the text, whatever it holds.
    for (const QString& text : {QString::fromUtf8(input), QString::fromLatin1(input)}) {
        (void)Val(text);
        (void)ResultsRow::TestName(text);
        (void)ResultsRow::ShowsNotAtScore(text);
        (void)ResultsRow::EndsNotTaken(text);
        (void)KeyedRow::NameOf(text);
        const AnswerRecords::Parts parts = AnswerRecords::TakeApart(text);
        expect(parts.chosenIndex >= -1 && parts.chosenIndex <= 8, "chosen index out of range", text);
        expect(std::all_of(parts.orderDigits.begin(), parts.orderDigits.end(), [](const QString& d) { return d.size() <= 1; }),
               "an order digit longer than one character", text);
        expect(AnswerRecords::IsRight(text) == text.endsWith(u'C'), "right or wrong misread", text);
        // A choice is read only from a well-formed record, and it is the answer exactly when graded right.
        const Choice choice = ChoiceOfRecord(text);
        expect(choice == Choice::None || (text.size() == 5 && AnswerRecords::IsRight(text) == (choice == Choice::Answer)),
               "choice disagrees with the mark", text);
    }

    // A record built on an order drawn from the input's bytes reads back to them.
    qsizetype at = 0;
    const auto byte = [&] { return at < input.size() ? static_cast<unsigned char>(input[at++]) : 0u; };
    int fallback = 0;  // orders still vary once the input runs out
    const QString order = AnswerRecords::DrawOrder([&] {
        const unsigned b = byte();
        return b ? static_cast<float>(b) / 256.0f : static_cast<float>(++fallback % 3) / 3.0f;
    });
    QString sorted = order;
    std::sort(sorted.begin(), sorted.end());
    expect(sorted == QLatin1String("123"), "drawn order is not a permutation", order);
    const int line = 1 + static_cast<int>(byte() % 3);
    const QString record = AnswerRecords::Build(order, line);
    const AnswerRecords::Parts parts = AnswerRecords::TakeApart(record);
    expect(record.size() == 5 && parts.chosenIndex == line - 1
               && parts.orderDigits[0] + parts.orderDigits[1] + parts.orderDigits[2] == order
               && AnswerRecords::IsRight(record) == (order[line - 1] == u'1'),
           "record misread", record);
    const Choice expected[] = {Choice::None, Choice::Answer, Choice::False1, Choice::False2};
    expect(ChoiceOfRecord(record) == expected[order[line - 1].digitValue()], "choice misread from a built record", record);
    for (const QuestionFormat format : {QuestionFormat::Gift, QuestionFormat::Aiken, QuestionFormat::Moodle}) {
        const QString readerFailure = CheckReader(format, input);
        expect(readerFailure.isEmpty(), "question file reader", readerFailure);
    }
    return failure;
}

QString CheckReader(QuestionFormat format, const QByteArray& input)
{
    switch (format) {
    case QuestionFormat::Gift: return CheckQuestionFileReader(Gift::Read(input), "GIFT");
    case QuestionFormat::Aiken: return CheckQuestionFileReader(Aiken::Read(input), "Aiken");
    case QuestionFormat::Moodle: return CheckQuestionFileReader(Moodle::Read(input), "Moodle XML");
    }
    return {};
}
