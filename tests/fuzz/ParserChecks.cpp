#include "ParserChecks.h"

#include "app/AnswerRecord.h"
#include "app/ListRows.h"
#include "exchange/Aiken.h"
#include "exchange/Attempt.h"
#include "exchange/Gift.h"

#include <algorithm>

namespace {

// Pulls small values out of the input so the round trips cover many shapes.
class Source {
public:
    explicit Source(const QByteArray& bytes) : bytes_(bytes) {}

    unsigned Byte() { return position_ < bytes_.size() ? static_cast<unsigned char>(bytes_[position_++]) : 0u; }
    qint64 Number(int maxDigits)
    {
        qint64 value = 0;
        for (auto digits = Byte() % static_cast<unsigned>(maxDigits + 1); digits > 0; --digits)
            value = value * 10 + Byte() % 10;
        return value;
    }
    // Printable ASCII and some Greek.
    QString Text(int maxLength)
    {
        QString text;
        for (auto length = Byte() % static_cast<unsigned>(maxLength + 1); text.size() < length;) {
            const unsigned b = Byte();
            text += QChar(static_cast<char16_t>(b < 200 ? 32 + b % 95 : 0x391 + b % 40));
        }
        return text;
    }

    // A text of characters from `alphabet` only.
    QString TextOf(QStringView alphabet, int maxLength)
    {
        const int length = static_cast<int>(Byte() % static_cast<unsigned>(maxLength + 1));
        QString text;
        for (int i = 0; i < length; ++i)
            text += alphabet[Byte() % alphabet.size()];
        return text;
    }

private:
    QByteArray bytes_;
    qsizetype position_ = 0;
};

// What a question file reader returns for any bytes: usable questions in
// file order with every text there and within bounds, or a refusal alone.
QString CheckQuestionFileReader(const ReadOutcome& outcome, const char* reader)
{
    const auto fail = [reader](const QString& what) { return QString::fromLatin1(reader) + QStringLiteral(": ") + what; };
    if (outcome.Refused() && !(outcome.questions.empty() && outcome.leftOut.empty() && outcome.notes.empty()))
        return fail(QStringLiteral("a refused file with questions or notes"));
    int line = 1;
    for (const FoundQuestion& found : outcome.questions) {
        if (found.line < line)
            return fail(QStringLiteral("questions out of file order"));
        line = found.line;
        for (const QString* text : {&found.texts.question, &found.texts.answer, &found.texts.phony1, &found.texts.phony2})
            if (text->isEmpty() || text->size() > QuestionFile::LongestText)
                return fail(QStringLiteral("a usable question with an empty or overlong text"));
    }
    for (const auto* notes : {&outcome.leftOut, &outcome.notes})
        for (const FileNote& note : *notes)
            if (note.line < 1 || note.text.isEmpty())
                return fail(QStringLiteral("a note without its line or text"));
    return {};
}

// Questions with texts full of the characters the formats give a meaning
// to, written and read back: GIFT gives back every question that has a text
// and three answers, character for character; Aiken every one of them whose
// texts are single lines without blanks at either end.
QString CheckQuestionFileRoundTrips(Source& source)
{
    static const QString special = QStringLiteral("~=#{}:\\ \t\n%->[]/$ANSWER.)aé€日");
    TestDraft draft;
    draft.title = source.TextOf(special, 12);
    const int count = static_cast<int>(source.Byte() % 4);
    for (int i = 0; i < count; ++i)
        draft.questions.push_back({source.TextOf(special, 16), source.TextOf(special, 8), source.TextOf(special, 8),
                                   source.TextOf(special, 8)});
    std::vector<DraftQuestion> giftExpected;
    std::vector<DraftQuestion> aikenExpected;
    for (const DraftQuestion& q : draft.questions) {
        if (q.question.trimmed().isEmpty() || q.answer.isEmpty() || q.phony1.isEmpty() || q.phony2.isEmpty())
            continue;
        giftExpected.push_back(q);
        const auto oneLine = [](const QString& t) { return !t.contains(u'\n') && t == t.trimmed(); };
        if (oneLine(q.question) && oneLine(q.answer) && oneLine(q.phony1) && oneLine(q.phony2)
            && !q.question.startsWith(QLatin1String("ANSWER:")))
            aikenExpected.push_back(q);
    }
    if (Gift::Read(Gift::Write(draft).text.toUtf8()).Questions() != giftExpected)
        return QStringLiteral("GIFT did not give back what it wrote:\n") + Gift::Write(draft).text;
    // Questions Aiken had to change may read back too; those it carries
    // whole come back in their order among them.
    auto expected = aikenExpected.begin();
    for (const DraftQuestion& q : Aiken::Read(Aiken::Write(draft).text.toUtf8()).Questions()) {
        if (expected != aikenExpected.end() && q == *expected)
            ++expected;
    }
    if (expected != aikenExpected.end())
        return QStringLiteral("Aiken did not give back what it wrote:\n") + Aiken::Write(draft).text;
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

    // Rows and records built from values taken from the input read back to them.
    Source source(input);
    const QString name = source.Text(40), grade = QString::number(source.Number(3)), date = source.Text(12);
    const QString notTaken = ResultsRow::NotTaken(name), taken = ResultsRow::Taken(name, grade, date);
    expect(ResultsRow::TestName(notTaken) == name.trimmed() && ResultsRow::ShowsNotAtScore(notTaken)
               && ResultsRow::EndsNotTaken(notTaken),
           "Not Taken row misread", notTaken);
    expect(ResultsRow::TestName(taken) == name.trimmed() && taken.mid(41, grade.size()) == grade && taken.mid(55) == date,
           "taken row misread", taken);
    const QString listed = source.Text(120);
    const qint64 number = source.Number(18);
    for (const int gap : {KeyedRow::StudentGap, KeyedRow::TestGap})
        expect(KeyedRow::NameOf(KeyedRow::Build(listed, gap, number)) == listed.trimmed(), "name lost from a list row", listed);

    int fallback = 0;  // orders still vary once the input runs out
    const QString order = AnswerRecords::DrawOrder([&] {
        const unsigned b = source.Byte();
        return b ? static_cast<float>(b) / 256.0f : static_cast<float>(++fallback % 3) / 3.0f;
    });
    QString sorted = order;
    std::sort(sorted.begin(), sorted.end());
    expect(sorted == QLatin1String("123"), "drawn order is not a permutation", order);
    const int line = 1 + static_cast<int>(source.Byte() % 3);
    const QString record = AnswerRecords::Build(order, line);
    const AnswerRecords::Parts parts = AnswerRecords::TakeApart(record);
    expect(record.size() == 5 && parts.chosenIndex == line - 1
               && parts.orderDigits[0] + parts.orderDigits[1] + parts.orderDigits[2] == order
               && AnswerRecords::IsRight(record) == (order[line - 1] == u'1'),
           "record misread", record);
    const Choice expected[] = {Choice::None, Choice::Answer, Choice::False1, Choice::False2};
    expect(ChoiceOfRecord(record) == expected[order[line - 1].digitValue()], "choice misread from a built record", record);
    for (const auto& [outcome, reader] : {std::pair{Gift::Read(input), "GIFT"}, std::pair{Aiken::Read(input), "Aiken"}})
        expect(CheckQuestionFileReader(outcome, reader).isEmpty(), "question file reader", CheckQuestionFileReader(outcome, reader));
    const QString roundTrip = CheckQuestionFileRoundTrips(source);
    expect(roundTrip.isEmpty(), "question file round trip", roundTrip);
    return failure;
}
