// Question files as plain values: GIFT and Aiken read as teachers and other
// tools write them, written so that reading gives back every character, and
// files that are no question files refused with the line that shows it.
#include "exchange/Aiken.h"
#include "exchange/Gift.h"
#include "exchange/HtmlText.h"

#include <QTemporaryDir>
#include <QtTest>

class TestExchange : public QObject {
    Q_OBJECT

private slots:
    void giftRoundTripsEverySpecialCharacter();
    void aikenRoundTripsAndSaysWhatItCannotCarry();
    void giftAsWrittenInPractice();
    void aikenBothOptionStyles();
    void filesThatAreNoQuestionFiles();
};

namespace {

QStringList Found(const ReadOutcome& outcome)
{
    QStringList found;
    for (const FoundQuestion& q : outcome.questions)
        found << QStringLiteral("%1:%2|%3|%4|%5").arg(q.line).arg(q.texts.question, q.texts.answer, q.texts.phony1,
                                                                   q.texts.phony2);
    return found;
}

QStringList Listed(const std::vector<FileNote>& notes)
{
    QStringList listed;
    for (const FileNote& note : notes)
        listed << QuestionFile::Located(note);
    return listed;
}

// Texts with every character GIFT gives a meaning to, at both ends and inside.
const QStringList SpecialTexts{
    QStringLiteral("~=#{}:\\"), QStringLiteral("a ~ b = c # d { e } f : g \\ h"), QStringLiteral("\\n is not a break"),
    QStringLiteral("\nstarts and ends with a break\n"), QStringLiteral("two\n\nbreaks"),
    QStringLiteral("  blanks at both ends  "), QStringLiteral("\ttabs\tat the ends\t"), QStringLiteral(" "),
    QStringLiteral("// not a comment"), QStringLiteral("::not a title::"), QStringLiteral("[html]<b>not html</b>"),
    QStringLiteral("$CATEGORY: not one"), QStringLiteral("%50% not a weight"), QStringLiteral("a -> b"),
    QStringLiteral("Ça coûte 5 € — naïve Ελληνικά 日本語 👋"), QStringLiteral("trailing backslash \\"),
    QStringLiteral("\\\\ and \\~"), QStringLiteral("{=x ~y ~z}"), QStringLiteral("#feedback? ####no"),
    QStringLiteral("ANSWER: A"), QStringLiteral("A. looks like an option"), QStringLiteral("&amp; &lt;b&gt;"),
};

TestDraft DraftOf(const QStringList& texts)
{
    TestDraft draft{QStringLiteral("Physics / Optics"), {}, 30, {}};
    for (qsizetype i = 0; i < texts.size(); ++i) {
        const auto text = [&](qsizetype k) { return texts[(i + k) % texts.size()]; };
        draft.questions.push_back({QStringLiteral("Q%1 ").arg(i) + text(0), text(1), text(2), text(3)});
    }
    return draft;
}

}

void TestExchange::giftRoundTripsEverySpecialCharacter()
{
    // The file itself, worked out by hand for one question.
    TestDraft one{QStringLiteral("<Optics/Light>"), {}, 10, {{QStringLiteral(" [x] 1:2{3}\n"),
                                                               QStringLiteral("%5 -> 6"), QStringLiteral("a\\b"),
                                                               QStringLiteral("=#~\t")}}};
    QCOMPARE(Gift::Write(one).text, QStringLiteral("$CATEGORY: Optics//Light\n\n"
                                                   "::Q1:: \\ [x] 1\\:2\\{3\\}\\n {\n"
                                                   "\t=\\%5 -\\> 6\n\t~a\\\\b\n\t~\\=\\#\\~\\\t\n}\n\n"));

    const TestDraft draft = DraftOf(SpecialTexts);
    const WriteOutcome written = Gift::Write(draft);
    QCOMPARE(written.notes, QStringList());
    const ReadOutcome read = Gift::Read(written.text.toUtf8());
    QCOMPARE(Listed(read.leftOut), QStringList());
    QCOMPARE(Listed(read.notes), QStringList());
    QCOMPARE(read.Questions(), draft.questions);
    QCOMPARE(read.proposedTitle, QStringLiteral("Physics / Optics"));

    // Slots without a question are left out and said so; an empty answer is
    // written but will not read back; a carriage return becomes a line break.
    TestDraft gaps{QStringLiteral("Gaps"), {}, 5, {{}, {QStringLiteral("q2"), QStringLiteral("a"), {}, QStringLiteral("c")},
                                                   {QStringLiteral("  "), QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")},
                                                   {QStringLiteral("q4\r\nx"), QStringLiteral("a\r"), QStringLiteral("b"), QStringLiteral("c")}}};
    const WriteOutcome gapsWritten = Gift::Write(gaps);
    QCOMPARE(gapsWritten.notes, (QStringList{
        QStringLiteral("Questions 1 and 3: no question text; left out of the file."),
        QStringLiteral("Question 4: a carriage return or NUL character, which a text file cannot hold; a carriage "
                       "return is written as a line break, a NUL character left out."),
        QStringLiteral("Question 2: an empty answer; reading the file back leaves the question out.")}));
    const ReadOutcome gapsRead = Gift::Read(gapsWritten.text.toUtf8());
    QCOMPARE(Found(gapsRead), QStringList{QStringLiteral("9:q4\nx|a\n|b|c")});
    QCOMPARE(Listed(gapsRead.leftOut), QStringList{QStringLiteral("Line 5: \"Q2\": an empty answer.")});
}

void TestExchange::aikenRoundTripsAndSaysWhatItCannotCarry()
{
    QStringList oneLine;
    for (const QString& text : SpecialTexts) {
        if (!text.contains(u'\n') && text == text.trimmed())
            oneLine << text;
    }
    const TestDraft draft = DraftOf(oneLine);
    const WriteOutcome written = Aiken::Write(draft);
    QCOMPARE(written.notes, QStringList());
    const ReadOutcome read = Aiken::Read(written.text.toUtf8());
    QCOMPARE(Listed(read.leftOut), QStringList());
    QCOMPARE(read.Questions(), draft.questions);

    const TestDraft uncarried{{}, {}, 0, {{QStringLiteral("Two\nlines"), QStringLiteral(" a "), QStringLiteral("b"), QStringLiteral("c")},
                                          {QStringLiteral("ANSWER: what?"), QStringLiteral("a"), QStringLiteral("b\nc"), QStringLiteral("d")}}};
    const WriteOutcome carried = Aiken::Write(uncarried);
    QCOMPARE(carried.text, QStringLiteral("Two lines\nA. a\nB. b\nC. c\nANSWER: A\n\n"
                                          "Question: ANSWER: what?\nA. a\nB. b c\nC. d\nANSWER: A\n\n"));
    QCOMPARE(carried.notes, (QStringList{
        QStringLiteral("Questions 1 and 2: a line break, which Aiken cannot hold; each is written as a blank."),
        QStringLiteral("Question 1: blanks at the start or end of a text, which Aiken cannot hold; they are left out."),
        QStringLiteral("Question 2: a question beginning with \"ANSWER:\", which Aiken takes for the answer line; "
                       "written after the word \"Question:\".")}));
}

// A file as another tool and a teacher would write it: byte-order mark,
// Windows line ends, every question type, comments, titles and formats.
void TestExchange::giftAsWrittenInPractice()
{
    const QByteArray file =
        "\xEF\xBB\xBF// Exported from another quiz tool\r\n"
        "$CATEGORY: $course$/top/Geography//History\r\n"
        "\r\n"
        "::Capitals::What is the capital of France? {=Paris ~London ~Berlin}\r\n"
        "\r\n"
        "// question: 2  name: multi-line\r\n"
        "Which river\r\n"
        "flows through Cairo?\r\n"
        "{\r\n"
        "  =The Nile#Right!\r\n"
        "  ~The Amazon#No.\r\n"
        "  // a comment among the answers\r\n"
        "  ~The Danube\r\n"
        "  ####Rivers are long.\r\n"
        "}\r\n"
        "\r\n"
        "::Sun::The sun is a star.{T}\r\n"
        "\r\n"
        "Who wrote Faust? {=Goethe =Johann Wolfgang von Goethe}\r\n"
        "\r\n"
        "Match the pairs. {=cat -> meow =dog -> woof =cow -> moo}\r\n"
        "\r\n"
        "::Pi::Pi to two places? {#3.14:0.01}\r\n"
        "\r\n"
        "Describe your holidays. {}\r\n"
        "\r\n"
        "Which are primes? {~%50%2 ~%50%3 ~%-100%4}\r\n"
        "\r\n"
        "Pick two. {=one =two ~three}\r\n"
        "\r\n"
        "Pick one. {=one ~two ~three ~four}\r\n"
        "\r\n"
        "::HTML::[html]<p>Which tag makes <b>bold</b>&nbsp;text?</p><p>A&amp;B &lt;tag&gt; caf&eacute; &#8364;&#x21;</p>"
        "{=&lt;b&gt; ~&lt;i&gt; ~<em>&lt;u&gt;</em>}\r\n"
        "\r\n"
        "[markdown]Gandhi's birthday is on {~15th =2nd ~3rd} of October.\r\n"
        "\r\n"
        "Just a description, with no answers.\r\n"
        "\r\n"
        "Escapes: 1\\:2 \\{x\\} a\\=b\\nnext line {=\\~tilde ~\\#hash ~back\\\\slash}\r\n";
    const ReadOutcome read = Gift::Read(file);
    QVERIFY(!read.Refused());
    QCOMPARE(read.proposedTitle, QStringLiteral("Geography/History"));
    QCOMPARE(Found(read), (QStringList{
        QStringLiteral("4:What is the capital of France?|Paris|London|Berlin"),
        QStringLiteral("7:Which river\nflows through Cairo?|The Nile|The Amazon|The Danube"),
        QStringLiteral("33:Which tag makes bold\u00a0text?\nA&B <tag> café €!|<b>|<i>|<u>"),
        QStringLiteral("35:Gandhi's birthday is on _____ of October.|2nd|15th|3rd"),
        QStringLiteral("39:Escapes: 1:2 {x} a=b\nnext line|~tilde|#hash|back\\slash")}));
    QCOMPARE(Listed(read.leftOut), (QStringList{
        QStringLiteral("Line 17: \"Sun\": a true/false question; the program needs one right answer (=) and two false answers (~)."),
        QStringLiteral("Line 19: A short answer question (the student types the answer); the program needs one right answer (=) and two false answers (~)."),
        QStringLiteral("Line 21: A matching question; the program needs one right answer (=) and two false answers (~)."),
        QStringLiteral("Line 23: \"Pi\": a numeric question; the program needs one right answer (=) and two false answers (~)."),
        QStringLiteral("Line 25: An essay question (no answers to choose from); the program needs one right answer (=) and two false answers (~)."),
        QStringLiteral("Line 27: Weighted answers (such as %50%); the program counts an answer only as right or wrong."),
        QStringLiteral("Line 29: 2 right and 1 false answers; the program needs one right answer (=) and two false answers (~)."),
        QStringLiteral("Line 31: 1 right and 3 false answers; the program needs one right answer (=) and two false answers (~)."),
        QStringLiteral("Line 37: A text without answers in { }: a description, not a question.")}));
    QCOMPARE(Listed(read.notes), QStringList{QStringLiteral("Line 7: Feedback left out.")});
    QCOMPARE(QuestionFile::Report(read, 2), QStringLiteral(
        "Questions that can be used: 5.\nQuestions left out: 9.\n"
        "Line 17: \"Sun\": a true/false question; the program needs one right answer (=) and two false answers (~).\n"
        "Line 19: A short answer question (the student types the answer); the program needs one right answer (=) and two false answers (~).\n"
        "... and 7 more.\nNotes:\nLine 7: Feedback left out."));
    QCOMPARE(HtmlText::ToPlain(u"  <ul><li>one</li><li>two<br><br>three</li></ul> a <b >  b</b> 1 < 2 &bogus; &#0; "),
             QStringLiteral("one\ntwo\n\nthree\na b 1 < 2 &bogus; &#0;"));
}

void TestExchange::aikenBothOptionStyles()
{
    const QByteArray file =
        "What is 2 + 2?\n"
        "A. 3\n"
        "B. 4\n"
        "C. 5\n"
        "ANSWER: B\n"
        "\n"
        "Which of these\n"
        "is a colour?\n"
        "A) Red\n"
        "B) Seven\n"
        "C) Table\n"
        "ANSWER: A\n"
        "Four options here?\n"
        "A. a\nB. b\nC. c\nD. d\n"
        "ANSWER: A\n"
        "\n"
        "No answer line\nA. a\nB. b\nC. c\n"
        "Next question\nA. x\nB. y\nC. z\n"
        "ANSWER: E\n"
        "ANSWER: A\n"
        "Empty option\nA. a\nB.\nC. c\nANSWER: A\n"
        "Lower case letter\nA. a\nB. b\nC. c\nANSWER: c\n"
        "Same letter twice\nA. a\nA. b\nC. c\nANSWER: A\n";
    const ReadOutcome read = Aiken::Read(file);
    QCOMPARE(Found(read), (QStringList{QStringLiteral("1:What is 2 + 2?|4|3|5"),
                                       QStringLiteral("7:Which of these\nis a colour?|Red|Seven|Table")}));
    QCOMPARE(Listed(read.leftOut), (QStringList{
        QStringLiteral("Line 13: The question has 4 options; the program needs exactly three: one right answer and two false ones."),
        QStringLiteral("Line 20: The question has no \"ANSWER:\" line after its options."),
        QStringLiteral("Line 28: ANSWER: E names none of the question's options."),
        QStringLiteral("Line 29: An \"ANSWER:\" line with no question before it."),
        QStringLiteral("Line 30: The question has an empty option."),
        QStringLiteral("Line 39: \"ANSWER:\" must be followed by one option letter, such as ANSWER: B."),
        QStringLiteral("Line 40: Two options are lettered A.")}));
    QCOMPARE(QuestionFile::Guess(QStringLiteral("quiz.txt"), file), QuestionFormat::Aiken);
    QCOMPARE(QuestionFile::Guess(QStringLiteral("quiz.GIFT"), file), QuestionFormat::Gift);
    QCOMPARE(QuestionFile::Guess(QStringLiteral("quiz.txt"), "Q {=a ~b ~c}\n"), QuestionFormat::Gift);
}

void TestExchange::filesThatAreNoQuestionFiles()
{
    const auto refusal = [](const QByteArray& bytes) {
        const ReadOutcome gift = Gift::Read(bytes);
        const ReadOutcome aiken = Aiken::Read(bytes);
        if (QuestionFile::Report(gift) != QuestionFile::Report(aiken) || !gift.questions.empty())
            return QStringLiteral("the readers differ");
        return QuestionFile::Report(gift);
    };
    QCOMPARE(refusal(QByteArray("Q {=a ~b ~c}\n\nQ2\0\x89PNG", 21)),
             QStringLiteral("Line 3: The file holds a NUL byte here, so it is not a text file. Choose a GIFT or Aiken file saved as text."));
    QCOMPARE(refusal("Caf\xC3\xA9 {=a ~b ~c}\r\nCaf\xE9\r\n"),
             QStringLiteral("Line 2: The file holds a byte that is not UTF-8 text here (0xE9). Save the file as UTF-8 and import it again."));
    // A surrogate and an overlong form are not UTF-8 either.
    QVERIFY(refusal("\xED\xA0\x80").startsWith(QLatin1String("Line 1: The file holds a byte that is not UTF-8 text here (0xED).")));
    QVERIFY(refusal("ok\n\xC0\xAF").startsWith(QLatin1String("Line 2: The file holds a byte that is not UTF-8 text here (0xC0).")));
    QCOMPARE(refusal(""), QStringLiteral("The file is empty."));
    QCOMPARE(refusal("\xEF\xBB\xBF \r\n\t\n"), QStringLiteral("The file is empty."));
    QCOMPARE(refusal(QByteArray(10'000'001, 'x')), QStringLiteral("The file has 10,000,001 bytes; a question file may have at most 10,000,000 (10 MB)."));

    // UTF-16 with its byte-order mark, as some editors save, reads as text.
    const QString utf16 = QStringLiteral("Ça? {=oui ~non ~peut-être}");
    QByteArray utf16Bytes("\xFF\xFE");
    utf16Bytes.append(reinterpret_cast<const char*>(utf16.utf16()), utf16.size() * 2);
    QCOMPARE(Found(Gift::Read(utf16Bytes)), QStringList{QStringLiteral("1:Ça?|oui|non|peut-être")});

    const ReadOutcome broken = Gift::Read(
        "Unclosed {=a ~b ~c\n\nx\n\nEscaped close {=a ~b ~c\\}\n\nStray } here {=a ~b ~c}\n\n"
        "Nested {=a {~b} ~c}\n\nTwo {=a ~b ~c}\nThree {=a ~b ~c}\n\nEnds in a backslash \\\n{=a ~b ~c}\n\n"
        "::Open title {=a ~b ~c}\n\n{=a ~b ~c}\n\nText first {a =b ~c ~d}\n\nQ {=a ~b ~c}\\");
    QCOMPARE(Listed(broken.leftOut), (QStringList{
        QStringLiteral("Line 1: The answers opened with \"{\" here are never closed with \"}\"."),
        QStringLiteral("Line 3: A text without answers in { }: a description, not a question."),
        QStringLiteral("Line 5: The answers opened with \"{\" here are never closed with \"}\" (\\} is a brace inside a text, not the end of the answers)."),
        QStringLiteral("Line 7: A \"}\" with no \"{\" before it; write \\} for a brace inside a text."),
        QStringLiteral("Line 9: A second \"{\" before the answers opened on line 9 were closed; write \\{ for a brace inside a text."),
        QStringLiteral("Line 12: A second set of answers after those on line 11; leave a blank line between two questions."),
        QStringLiteral("Line 14: The line ends in a \"\\\" that escapes nothing; write \\\\ for a backslash."),
        QStringLiteral("Line 17: The question title opened with \"::\" is never closed with \"::\"."),
        QStringLiteral("Line 19: No question text."),
        QStringLiteral("Line 21: Text before the first answer; each answer begins with = (right) or ~ (false)."),
        QStringLiteral("Line 23: The line ends in a \"\\\" that escapes nothing; write \\\\ for a backslash.")}));

    // A file far too large is refused by its size, before it is read.
    QTemporaryDir dir;
    QFile huge(dir.filePath(QStringLiteral("huge.gift")));
    QVERIFY(huge.open(QIODevice::WriteOnly) && huge.resize(100'000'000));
    huge.close();
    const QuestionFile::Loaded loaded = QuestionFile::Load(huge.fileName());
    QCOMPARE(QuestionFile::Report(loaded.outcome), QStringLiteral("The file has 100,000,000 bytes; a question file may have at most 10,000,000 (10 MB)."));
    QCOMPARE(QuestionFile::Load(dir.filePath(QStringLiteral("none.gift"))).outcome.refusal.text.left(9), QStringLiteral("The file "));
}

QTEST_APPLESS_MAIN(TestExchange)
#include "test_exchange.moc"
