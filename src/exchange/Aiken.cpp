#include "Aiken.h"

#include <QCoreApplication>
#include <algorithm>
#include <utility>
#include <vector>
#include <QCoreApplication>

namespace {

const QString AnswerMark = QStringLiteral("ANSWER:");

struct Option {
    QChar letter;
    QString text;
};

// "A. text" or "B) text": a capital letter, "." or ")", then a blank or nothing.
bool IsOption(QStringView line)
{
    const bool lettered = line.size() >= 2 && line[0] >= u'A' && line[0] <= u'Z'
                          && (line[1] == u'.' || line[1] == u')');
    return lettered && (line.size() == 2 || line[2] == u' ' || line[2] == u'\t');
}

// A question being read: its text, from its first line, and its options.
struct Pending {
    int line = 0;
    QString question;
    std::vector<Option> options;

    bool Started() const { return line > 0; }
};

class Reader {
public:
    explicit Reader(ReadOutcome& outcome) : outcome_(outcome) {}

    void Line(int number, QStringView line)
    {
        const QStringView text = line.trimmed();
        if (text.isEmpty())
            return;
        if (text.startsWith(AnswerMark))
            return Answer(number, text.mid(AnswerMark.size()).trimmed());
        if (!pending_.Started()) {
            pending_ = Pending{number, text.toString(), {}};
        } else if (IsOption(text)) {
            pending_.options.push_back({text[0], text.mid(2).trimmed().toString()});
        } else if (pending_.options.empty()) {
            pending_.question += u'\n';
            pending_.question += text;
        } else {
            LeaveOut(pending_.line, QCoreApplication::translate("Aiken", "The question has no \"ANSWER:\" line after its options."));
            pending_ = Pending{number, text.toString(), {}};
        }
    }

    void End()
    {
        if (pending_.Started())
            LeaveOut(pending_.line, QCoreApplication::translate("Aiken", "The question has no \"ANSWER:\" line."));
    }

private:
    void Answer(int number, QStringView letter)
    {
        if (!pending_.Started())
            return LeaveOut(number, QCoreApplication::translate("Aiken", "An \"ANSWER:\" line with no question before it."));
        const Pending question = std::exchange(pending_, Pending{});
        const auto options = static_cast<qsizetype>(question.options.size());
        if (options != 3)
            return LeaveOut(question.line, QCoreApplication::translate("Aiken", "The question has %n options; the program needs exactly "
                                                          "three: one right answer and two false ones.", nullptr, int(options)));
        if (letter.size() != 1 || letter[0] < u'A' || letter[0] > u'Z')
            return LeaveOut(number, QCoreApplication::translate("Aiken", "\"ANSWER:\" must be followed by one option letter, such as "
                                                   "ANSWER: B."));
        const auto right = std::find_if(question.options.begin(), question.options.end(),
                                        [&](const Option& o) { return o.letter == letter[0]; });
        if (right == question.options.end())
            return LeaveOut(number, QCoreApplication::translate("Aiken", "ANSWER: %1 names none of the question's options.").arg(letter[0]));
        const auto sameLetter = std::count_if(question.options.begin(), question.options.end(),
                                              [&](const Option& o) { return o.letter == right->letter; });
        if (sameLetter > 1)
            return LeaveOut(question.line, QCoreApplication::translate("Aiken", "Two options are lettered %1.").arg(right->letter));
        std::vector<QString> phonies;
        for (const Option& option : question.options) {
            if (&option != &*right)
                phonies.push_back(option.text);
        }
        Keep(question.line, DraftQuestion{question.question, right->text, phonies[0], phonies[1]});
    }

    void Keep(int line, const DraftQuestion& texts)
    {
        for (const QString* text : {&texts.question, &texts.answer, &texts.phony1, &texts.phony2}) {
            if (text->isEmpty())
                return LeaveOut(line, QCoreApplication::translate("Aiken", "The question has an empty option."));
            if (text->size() > QuestionFile::LongestText)
                return LeaveOut(line, QCoreApplication::translate("Aiken", "The question has a text of %1 characters; a question or an "
                                                     "answer may have at most %2.", nullptr, int(text->size()))
                                          .arg(QuestionFile::Grouped(text->size()),
                                               QuestionFile::Grouped(QuestionFile::LongestText)));
        }
        outcome_.questions.push_back({line, texts});
    }

    void LeaveOut(int line, const QString& why) { outcome_.leftOut.push_back({line, why}); }

    ReadOutcome& outcome_;
    Pending pending_;
};

// The text on one line, as Aiken can carry it; notes what had to change.
QString OneLine(const QString& text, int slot, QuestionFile::WriterNotes& notes)
{
    QString line = text;
    if (line.contains(u'\n')) {
        line.replace(u'\n', u' ');
        notes.Add(QCoreApplication::translate("Aiken", "a line break, which Aiken cannot hold; each is written as a blank."), slot);
    }
    const QString trimmed = line.trimmed();
    if (trimmed != line)
        notes.Add(QCoreApplication::translate("Aiken", "blanks at the start or end of a text, which Aiken cannot hold; they are left out."),
                  slot);
    return trimmed;
}

// A question that begins like the answer line would be read as one.
QString OneQuestionLine(const QString& text, int slot, QuestionFile::WriterNotes& notes)
{
    const QString line = OneLine(text, slot, notes);
    if (!line.startsWith(AnswerMark))
        return line;
    notes.Add(QCoreApplication::translate("Aiken", "a question beginning with \"ANSWER:\", which Aiken takes for the answer line; "
                             "written after the word \"Question:\"."),
              slot);
    return QStringLiteral("Question: ") + line;
}

}

ReadOutcome Aiken::Read(const QByteArray& bytes)
{
    ReadOutcome outcome;
    const QuestionFile::Decoded decoded = QuestionFile::Decode(bytes);
    if (!decoded.refusal.text.isEmpty()) {
        outcome.refusal = decoded.refusal;
        return outcome;
    }
    Reader reader(outcome);
    const QStringView text = decoded.text;
    int number = 0;
    for (qsizetype start = 0; start <= text.size() && !QuestionFile::Enough(outcome);) {
        qsizetype end = text.indexOf(u'\n', start);
        end = end < 0 ? text.size() : end;
        reader.Line(++number, text.mid(start, end - start));
        start = end + 1;
    }
    if (!outcome.stoppedEarly)
        reader.End();
    return outcome;
}

WriteOutcome Aiken::Write(const TestDraft& draft)
{
    QuestionFile::WriterNotes notes;
    WriteOutcome written;
    const std::vector<QuestionFile::SlotQuestion> writable = QuestionFile::WritableQuestions(draft, notes);
    for (const auto& [slot, texts] : writable) {
        const QString question = OneQuestionLine(texts.question, slot, notes);
        const QString answer = OneLine(texts.answer, slot, notes);
        const QString phony1 = OneLine(texts.phony1, slot, notes);
        const QString phony2 = OneLine(texts.phony2, slot, notes);
        if (answer.isEmpty() || phony1.isEmpty() || phony2.isEmpty())
            notes.Add(QCoreApplication::translate("Aiken", "an empty answer; reading the file back leaves the question out."), slot);
        if (texts.picture)
            notes.Add(QCoreApplication::translate("Aiken", "picture left out (Aiken carries no pictures)."), slot);
        written.text += QStringLiteral("%1\nA. %2\nB. %3\nC. %4\nANSWER: A\n\n")
                            .arg(question, answer, phony1, phony2);
    }
    written.notes = notes.Notes();
    written.questions = static_cast<int>(writable.size());
    return written;
}
