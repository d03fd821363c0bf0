// Question files: GIFT and Aiken read as teachers and other tools write them,
// written so that reading gives back every character, files that are no
// question files refused with the line that shows it; imported and exported by
// vornick-admin as a technician runs it and by Import... and Export... on screen.
#include "TestEnv.h"
#include "UserActions.h"
#include "exchange/Aiken.h"
#include "exchange/Gift.h"
#include "exchange/HtmlText.h"
#include "exchange/Moodle.h"
#include "screens/Screens.h"
#include "screens/frmAdmin.h"
#include "screens/frmNewTest.h"
#include "screens/frmNewTestIntro.h"

#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

class TestQuestionFiles : public QObject {
    Q_OBJECT

private slots:
    void writtenFilesReadBack();
    void filesAsWrittenInPractice();
    void textsAsTheTeacherWroteThem_data();
    void textsAsTheTeacherWroteThem();
    void filesThatAreNoQuestionFiles();
    void readersStopEarly();
    void adminToolImportsAndExports();
    void importReportCancelAndStore();
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

// Only the lines the notes name, as "1 3 5".
QString Lines(const std::vector<FileNote>& notes)
{
    QStringList lines;
    for (const FileNote& note : notes)
        lines << QString::number(note.line);
    return lines.join(u' ');
}

// Texts the fuzzed round trips (tests/fuzz) cannot make, their alphabet
// lacking these words, digits, entities and characters beyond the BMP.
const QStringList SpecialTexts{
    QStringLiteral("\\n is not a break"), QStringLiteral("// not a comment"), QStringLiteral("[html]<b>not html</b>"),
    QStringLiteral("$CATEGORY: not one"), QStringLiteral("%50% not a weight"), QStringLiteral("&amp; &lt;b&gt;"),
    QStringLiteral("Ça coûte 5 € — naïve Ελληνικά 日本語 👋"),
};

// The exit code, then the one line an error leaves on stderr.
QString Error(const ToolRun& ran) { return QString::number(ran.code) + u' ' + ran.err; }

// A bank of 26 usable questions, one more than a test takes.
QByteArray Bank()
{
    QByteArray bank;
    for (int q = 1; q <= 26; ++q)
        bank += QStringLiteral("Q%1 {=A%1 ~B%1 ~C%1}\n\n").arg(q).toUtf8();
    return bank;
}

}

// Both writers' files read back to every question; the GIFT file itself
// worked out by hand for one question. What a file cannot carry is told.
void TestQuestionFiles::writtenFilesReadBack()
{
    TestDraft one{QStringLiteral("<Optics/Light>"), {}, 10, {{QStringLiteral(" [x] 1:2{3}\n"),
                                                               QStringLiteral("%5 -> 6"), QStringLiteral("[html]a\\b"),
                                                               QStringLiteral("=#~\t")}}};
    QCOMPARE(Gift::Write(one).text, QStringLiteral("$CATEGORY: Optics//Light\n\n"
                                                   "::Q1:: \\ [x] 1\\:2\\{3\\}\\n {\n"
                                                   "\t=\\%5 -\\> 6\n\t~[plain][html]a\\\\b\n\t~\\=\\#\\~\\\t\n}\n\n"));

    TestDraft draft{QStringLiteral("Physics / Optics"), {}, 30, {}};
    for (qsizetype i = 0; i < SpecialTexts.size(); ++i) {
        const auto text = [&](qsizetype k) { return SpecialTexts[(i + k) % SpecialTexts.size()]; };
        draft.questions.push_back({QStringLiteral("Q%1 ").arg(i) + text(0), text(1), text(2), text(3)});
    }
    const WriteOutcome gift = Gift::Write(draft), aiken = Aiken::Write(draft);
    QCOMPARE(gift.notes + aiken.notes, QStringList());
    const ReadOutcome giftRead = Gift::Read(gift.text.toUtf8()), aikenRead = Aiken::Read(aiken.text.toUtf8());
    QCOMPARE(Listed(giftRead.leftOut) + Listed(giftRead.notes) + Listed(aikenRead.leftOut), QStringList());
    QCOMPARE(giftRead.Questions(), draft.questions);
    QCOMPARE(aikenRead.Questions(), draft.questions);
    QCOMPARE(giftRead.proposedTitle, QStringLiteral("Physics / Optics"));

    // Slots without a question are left out and said so; an empty answer is
    // written but will not read back; a carriage return becomes a line break;
    // a question Aiken would take for its answer line is set apart.
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

    const WriteOutcome carried = Aiken::Write({{}, {}, 0, {{QStringLiteral("ANSWER: what?"), QStringLiteral("a"),
                                                            QStringLiteral("b"), QStringLiteral("c")}}});
    QCOMPARE(carried.text, QStringLiteral("Question: ANSWER: what?\nA. a\nB. b\nC. c\nANSWER: A\n\n"));
    QCOMPARE(carried.notes, QStringList{QStringLiteral("Question 1: a question beginning with \"ANSWER:\", which Aiken "
                                                       "takes for the answer line; written after the word \"Question:\".")});
}

// A GIFT file as another tool and a teacher would write it: byte-order mark,
// Windows line ends, every question type, comments, titles and formats.
void TestQuestionFiles::filesAsWrittenInPractice()
{
    const QByteArray file =
        "\xEF\xBB\xBF// Exported from another quiz tool\r\n"
        "$CATEGORY: $course$/top/Geography//History\r\n\r\n"
        "::Capitals::What is the capital of France? {=Paris ~London ~Berlin}\r\n\r\n"
        "// question: 2  name: multi-line\r\n"
        "Which river\r\nflows through Cairo?\r\n{\r\n"
        "  =The Nile#Right!\r\n  ~The Amazon#No.\r\n  // a comment among the answers\r\n  ~The Danube\r\n"
        "  ####Rivers are long.\r\n}\r\n\r\n"
        "::Sun::The sun is a star.{T}\r\n\r\n"
        "Who wrote Faust? {=Goethe =Johann Wolfgang von Goethe}\r\n\r\n"
        "Match the pairs. {=cat -> meow =dog -> woof =cow -> moo}\r\n\r\n"
        "::Pi::Pi to two places? {#3.14:0.01}\r\n\r\n"
        "Describe your holidays. {}\r\n\r\n"
        "Which are primes? {~%50%2 ~%50%3 ~%-100%4}\r\n\r\n"
        "Pick two. {=one =two ~three}\r\n\r\n"
        "Pick one. {=one ~two ~three ~four}\r\n\r\n"
        "::HTML::[html]<p>Which tag makes <b>bold</b>&nbsp;text?</p><p>A&amp;B &lt;tag&gt; caf&eacute; &#8364;&#x21;</p>"
        "{=&lt;b&gt; ~&lt;i&gt; ~<em>&lt;u&gt;</em>}\r\n\r\n"
        "[markdown]Gandhi's birthday is on {~15th =2nd ~3rd} of October.\r\n\r\n"
        "// a comment between questions\r\n\r\n"
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
    // Every other kind of question is left out at its line, saying why.
    QCOMPARE(Lines(read.leftOut), QStringLiteral("17 19 21 23 25 27 29 31"));
    QCOMPARE(Listed(read.leftOut).value(3), QStringLiteral("Line 23: \"Pi\": a numeric question; the program needs one "
                                                           "right answer (=) and two false answers (~)."));
    QCOMPARE(Listed(read.notes), QStringList{QStringLiteral("Line 7: Feedback left out.")});
    // A long list in the report ends with the count of the rest.
    QVERIFY(QuestionFile::Report(read, 2).endsWith(QStringLiteral("\n... and 6 more.\nNotes:\nLine 7: Feedback left out.")));
    QCOMPARE(HtmlText::ToPlain(u"  <ul><li>one</li><li>two<br><br>three</li></ul> a <b >  b</b> 1 < 2 &bogus; &#0; "
                               u"<table><tr><td>x</td><td>y</td></tr></table>z<!-- c -->").text,
             QStringLiteral("one\ntwo\n\nthree\na b 1 < 2 &bogus; \uFFFD\nx y\nz"));

    // Aiken: both option styles, questions that run over lines, each way a
    // question is left out; the format guessed by name and contents.
    const QByteArray aikenFile =
        "What is 2 + 2?\nA. 3\nB. 4\nC. 5\nANSWER: B\n\n"
        "Which of these\nis a colour?\nA) Red\nB) Seven\nC) Table\nANSWER: A\n"
        "Four options here?\nA. a\nB. b\nC. c\nD. d\nANSWER: A\n\n"
        "No answer line\nA. a\nB. b\nC. c\n"
        "Next question\nA. x\nB. y\nC. z\nANSWER: E\nANSWER: A\n"
        "Empty option\nA. a\nB.\nC. c\nANSWER: A\n"
        "Lower case letter\nA. a\nB. b\nC. c\nANSWER: c\n"
        "Same letter twice\nA. a\nA. b\nC. c\nANSWER: A\n";
    const ReadOutcome aiken = Aiken::Read(aikenFile);
    QCOMPARE(Found(aiken), (QStringList{QStringLiteral("1:What is 2 + 2?|4|3|5"),
                                        QStringLiteral("7:Which of these\nis a colour?|Red|Seven|Table")}));
    QCOMPARE(Lines(aiken.leftOut), QStringLiteral("13 20 28 29 30 39 40"));
    QCOMPARE(Listed(aiken.leftOut).value(1), QStringLiteral("Line 20: The question has no \"ANSWER:\" line after its options."));
    QCOMPARE(QuestionFile::Guess(QStringLiteral("quiz.txt"), aikenFile), QuestionFormat::Aiken);
    QCOMPARE(QuestionFile::Guess(QStringLiteral("quiz.GIFT"), aikenFile), QuestionFormat::Gift);
    QCOMPARE(QuestionFile::Guess(QStringLiteral("quiz.txt"), "Q {=a ~b ~c}\n"), QuestionFormat::Gift);
}

namespace {

// A text as UTF-16, little or big endian, with or without a byte-order mark.
QByteArray Utf16(const QString& text, bool bigEndian, bool marked)
{
    QByteArray bytes = marked ? QByteArray("\xFF\xFE") : QByteArray();
    bytes.append(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
    if (bigEndian) {
        for (qsizetype i = 0; i + 1 < bytes.size(); i += 2)
            std::swap(bytes[i], bytes[i + 1]);
    }
    return bytes;
}

// `count` questions whose HTML question text has `tags` tags each.
// Questions whose text has `tags` HTML tags; with `inAnswers`, each of
// their answers as many.
QByteArray TaggedQuestions(int count, int tags, bool inAnswers = false)
{
    const QByteArray tagged = QByteArray("<i>x</i>").repeated(tags / 2) + QByteArray(tags % 2 ? "<b>" : "");
    const QByteArray answerTags = inAnswers ? tagged : QByteArray();
    QByteArray bytes;
    for (int q = 1; q <= count; ++q)
        bytes += "[html]Q" + QByteArray::number(q) + tagged + " {=a" + answerTags + " ~b" + answerTags + " ~c" + answerTags
                 + "}\n\n";
    return bytes;
}

}

void TestQuestionFiles::textsAsTheTeacherWroteThem_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("read");  // format, questions, then what is left out and noted
    const QString aiken = QStringLiteral("What?\r\nA. a\r\nB. b\r\nC. c\r\nANSWER: B\r\n");
    const QStringList aikenRead{"Aiken", "1:What?|b|a|c"};
    QTest::newRow("references") << "q.gift" << QByteArray("[html]&Omega; &pi;&le;&ne; &rarr;&infin; &notin; &copy "
                                                          "&#x1F600;{=&Aring;ngstr&ouml;m ~&frac12; ~&hellip;}")
                                << QStringList{"GIFT", "1:Ω π≤≠ →∞ ∉ © 😀|Ångström|½|…"};
    QTest::newRow("less than") << "q.gift" << QByteArray("[html]<p>Is 3<5 and 7>2 true?</p>{=yes ~no ~<b>never</b>}")
                               << QStringList{"GIFT", "1:Is 3<5 and 7>2 true?|yes|no|never"};
    QTest::newRow("raised and lowered") << "q.gift"
        << QByteArray("[html]πr<sup>2</sup>, H<sub>2</sub>O, 10<sup>-3</sup>, x<sup>n+1</sup>, e<sup>ab</sup>, "
                      "a<sub>y</sub>, C<sub>(aq)</sub> {=m<sup> 2 </sup> ~s<sup></sup> ~x<sub>i</sub>}")
        << QStringList{"GIFT", "1:πr², H₂O, 10⁻³, xⁿ⁺¹, e^ab, a_y, C_(aq)|m²|s|xᵢ"};
    QTest::newRow("pictures") << "q.gift"
        << QByteArray("::Pet::[html]Which animal? <img src=\"cat.png\" alt=\" a  grey cat \"><img src=\"x.png\"> "
                      "{=cat ~dog ~cow}")
        << QStringList{"GIFT", "1:Which animal? [a grey cat]|cat|dog|cow",
                       "note Line 1: \"Pet\": picture left out; its alt text stays in brackets."};
    QTest::newRow("scripts") << "q.gift"
        << QByteArray("[html]<style>p \\{color: red\\}</style>Two<script>alert(1)</script> plus two? {=4 ~3 ~5}")
        << QStringList{"GIFT", "1:Two plus two?|4|3|5", "note Line 1: Script or style left out."};
    QTest::newRow("answer formats") << "q.gift"
        << QByteArray("What is CO2? {=[moodle]carbon dioxide ~[html]<b>carbon</b> monoxide ~ [plain]<b>x</b>}\n\n"
                      "[html]Q&amp;A {=a&amp;b ~[PLAIN]a&amp;b ~[markdown]*c*}\n\n"
                      "Bracket {=[x] a ~[html b ~c}")
        << QStringList{"GIFT", "1:What is CO2?|carbon dioxide|carbon monoxide|<b>x</b>", "3:Q&A|a&b|a&amp;b|*c*",
                       "5:Bracket|[x] a|[html b|c"};
    QTest::newRow("arrows and percent") << "q.gift"
        << QByteArray("Q {=a->b ~c ~d}\n\nPairs {=a -> b =c -> d}\n\nR {=x ~%e% of y ~%5z}\n\n"
                      "W {=x ~%-33.3% y ~z}")
        << QStringList{"GIFT", "1:Q|a->b|c|d", "5:R|x|%e% of y|%5z",
                       "left out Line 3: A matching question; the program needs one right answer (=) and two false answers (~).",
                       "left out Line 7: Weighted answers (such as %50%); the program counts an answer only as right or "
                       "wrong."};
    QTest::newRow("blank line in answers") << "q.gift"
        << QByteArray("Q {=a\n\n~b\n// c\n\n~c\n}\n\nNext {=x ~y ~z}\n\nOpen {=a ~b\n\nOther {=x ~y ~z}\n")
        << QStringList{"GIFT", "9:Next|x|y|z", "13:Other|x|y|z",
                       "left out Line 1: A blank line (line 2) ended the question inside its answers opened with \"{\" "
                       "here; leave no blank line between \"{\" and \"}\".",
                       "left out Line 11: The answers opened with \"{\" here are never closed with \"}\"."};
    QTest::newRow("Aiken UTF-16LE") << "quiz.txt" << Utf16(aiken, false, true) << aikenRead;
    QTest::newRow("Aiken UTF-16BE") << "quiz.txt" << Utf16(aiken, true, true) << aikenRead;
    QTest::newRow("Aiken UTF-16LE unmarked") << "quiz.txt" << Utf16(aiken, false, false) << aikenRead;
    QTest::newRow("Aiken UTF-16BE unmarked") << "quiz.txt" << Utf16(QStringLiteral("Ελληνικά;\nA. α\nB. β\nC. γ\nANSWER: A"), true, false)
                                             << QStringList{"Aiken", "1:Ελληνικά;|α|β|γ"};
    QTest::newRow("tags in a text") << "q.gift" << TaggedQuestions(1, 2'000) + TaggedQuestions(1, 2'001)
        << QStringList{"GIFT", "1:Q1" + QString("x").repeated(1'000) + "|a|b|c",
                       "left out Line 3: An HTML text with 2,001 tags; the program reads at most 2,000 in one text."};
    // 8,000 tags a question: the 13th passes 100,000.
    QStringList twelve{"GIFT"};
    const QString xs = QString("x").repeated(1'000);
    for (int q = 1; q <= 12; ++q)
        twelve << QStringLiteral("%1:Q%2%3|a%3|b%3|c%3").arg(2 * q - 1).arg(q).arg(xs);
    QTest::newRow("tags in a file") << "q.gift" << TaggedQuestions(13, 2'000, true)
        << twelve + QStringList{"left out Line 25: Past the first 100,000 HTML tags of the file, more than the program "
                                "reads in one file; split the file and import each part."};
}

// Each text stored as the teacher wrote it, each kind of question left out
// as such, whatever the file's encoding.
void TestQuestionFiles::textsAsTheTeacherWroteThem()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, read);
    QTemporaryDir files;
    const QuestionFile::Loaded loaded = QuestionFile::Load(WriteFile(files, name, bytes));
    QStringList got{QuestionFile::FormatName(loaded.format)};
    got << Found(loaded.outcome);
    for (const QString& leftOut : Listed(loaded.outcome.leftOut))
        got << QStringLiteral("left out ") + leftOut;
    for (const QString& note : Listed(loaded.outcome.notes))
        got << QStringLiteral("note ") + note;
    QCOMPARE(got, read);
}

// Bytes that are no text, or no text at all, are refused by both readers
// alike with the line that shows it; GIFT's broken structure is named line by line.
void TestQuestionFiles::filesThatAreNoQuestionFiles()
{
    const auto refusal = [](const QByteArray& bytes) {
        const ReadOutcome gift = Gift::Read(bytes);
        const ReadOutcome aiken = Aiken::Read(bytes);
        if (QuestionFile::Report(gift) != QuestionFile::Report(aiken) || !gift.questions.empty())
            return QStringLiteral("the readers differ");
        return QuestionFile::Report(gift);
    };
    const QString notUtf8 = QStringLiteral("The file holds a byte that is not UTF-8 text here (0x%1). Save the file as "
                                           "UTF-8 and import it again.");
    const QList<std::pair<QByteArray, QString>> refused{
        {QByteArray("Q {=a ~b ~c}\n\nQ2\0\x89PNG", 21),
         "Line 3: The file holds a NUL byte here, so it is not a text file. Choose a GIFT or Aiken file saved as text."},
        {"Caf\xC3\xA9 {=a ~b ~c}\r\nCaf\xE9\r\n", "Line 2: " + notUtf8.arg("E9")},
        {"\xED\xA0\x80", "Line 1: " + notUtf8.arg("ED")},  // a surrogate
        {"ok\n\xC0\xAF", "Line 2: " + notUtf8.arg("C0")},  // an overlong form
        {"", "The file is empty."},
        {"\xEF\xBB\xBF \r\n\t\n", "The file is empty."}};
    for (const auto& [bytes, text] : refused)
        QCOMPARE(refusal(bytes), text);
    // By its size: an Aiken file over 10 MB; a GIFT file, which may carry
    // pictures, over 100 MB.
    const QByteArray tenMegabytes(10'000'001, 'x');
    QCOMPARE(QuestionFile::Report(Aiken::Read(tenMegabytes)),
             QStringLiteral("The file has 10,000,001 bytes; a question file may have at most 10,000,000 (10 MB)."));
    QVERIFY(!Gift::Read(tenMegabytes).Refused());
    QCOMPARE(QuestionFile::Report(Gift::Read(QByteArray(100'000'001, 'x'))),
             QStringLiteral("The file has 100,000,001 bytes; a GIFT or Moodle XML file may have at most 100,000,000 (100 MB)."));

    // UTF-16 with its byte-order mark, as some editors save, reads as text.
    const QString utf16 = QStringLiteral("Ça? {=oui ~non ~peut-être}");
    QByteArray utf16Bytes("\xFF\xFE");
    utf16Bytes.append(reinterpret_cast<const char*>(utf16.utf16()), utf16.size() * 2);
    QCOMPARE(Found(Gift::Read(utf16Bytes)), QStringList{QStringLiteral("1:Ça?|oui|non|peut-être")});

    const ReadOutcome broken = Gift::Read(
        "Unclosed {=a ~b ~c\n\nx\n\nEscaped close {=a ~b ~c\\}\n\nStray } here {=a ~b ~c}\n\n"
        "Nested {=a {~b} ~c}\n\nTwo {=a ~b ~c}\nThree {=a ~b ~c}\n\nEnds in a backslash \\\n{=a ~b ~c}\n\n"
        "::Open title {=a ~b ~c}\n\n{=a ~b ~c}\n\nText first {a =b ~c ~d}\n\nQ {=a ~b ~c}\\");
    QCOMPARE(Lines(broken.leftOut), QStringLiteral("1 3 5 7 9 12 14 17 19 21 23"));
    QCOMPARE(Listed(broken.leftOut).mid(4, 3), (QStringList{
        QStringLiteral("Line 9: A second \"{\" before the answers opened on line 9 were closed; write \\{ for a brace inside a text."),
        QStringLiteral("Line 12: A second set of answers after those on line 11; leave a blank line between two questions."),
        QStringLiteral("Line 14: The line ends in a \"\\\" that escapes nothing; write \\\\ for a backslash.")}));
}

// From a shell: an import's report and its unfinished row; refusals on stderr
// storing nothing; a bank of 26 refused or cut to its first 25; a database that
// is not there not made. Exported and imported again, a test comes back slot
// for slot; Aiken's changes told on stderr; an unfinished test exported by its
// title without the marks.
void TestQuestionFiles::adminToolImportsAndExports()
{
    TestEnv env;
    const auto tool = [&env](const QStringList& arguments) { return RunAdminTool(env, arguments); };
    QTemporaryDir files;
    const QString gift = WriteFile(files, QStringLiteral("geo.gift"),
        "$CATEGORY: $course$/top/Geography\n\nCapital of France? {=Paris ~Rome ~Oslo}\n\n"
        "::Nile:: Longest river? {=Nile#Yes ~Rhine ~Seine}\n\nThe Earth is flat. {F}\n\n"
        "Highest mountain? {\n=Everest\n~K2\n~Mont Blanc\n}\n");
    ToolRun ran = tool({"import", gift, "--minutes", "45", "--description", "Read carefully."});
    QCOMPARE(Error(ran), QStringLiteral("0 "));
    const qint64 number = env.Scalar(QStringLiteral("SELECT fldTestNumber FROM Tests")).toLongLong();
    QCOMPARE(ran.out, QStringLiteral(
        "Read %1 as GIFT.\nQuestions that can be used: 3.\nQuestions left out: 1.\n"
        "Line 7: A true/false question; the program needs one right answer (=) and two false answers (~).\n"
        "Notes:\nLine 5: \"Nile\": feedback left out.\n"
        "Stored test %2 \"<Geography>\" with 3 of 25 questions: unfinished, hidden from students until its questions "
        "are written.\n").arg(gift).arg(number));
    QCOMPARE(env.Rows(QStringLiteral("SELECT fldTestName, fldDescription, fldTime, fldQ1, fldQ1Answer, fldQ1Phony1, "
                                     "fldQ1Phony2, fldQ2, fldQ3Phony2, fldQ4, fldQ25Phony2 FROM Tests")),
             QStringList{"<Geography>|Read carefully.|45|Capital of France?|Paris|Rome|Oslo|Longest river?|Mont Blanc|NULL|NULL"});

    const QString bank = WriteFile(files, QStringLiteral("bank.gift"), Bank());
    const QString binary = WriteFile(files, QStringLiteral("picture.txt"), QByteArray("GIF89a\n\x01\0\0;", 11));
    const QList<std::pair<QStringList, QString>> refused{
        {{gift}, "Another test already has the title \"Geography\". Please choose a different title. (The title came "
                 "from the file; give one with --title.)"},
        {{binary}, binary + ": Line 2: The file holds a NUL byte here, so it is not a text file. Choose a GIFT or "
                            "Aiken file saved as text."},
        {{bank}, bank + " holds more than 25 usable questions, more than a test takes: split the file, or take the "
                        "first 25 with --first 25."}};
    for (const auto& [arguments, message] : refused)
        QCOMPARE(Error(tool(QStringList{"import"} + arguments)), "1 vornick-admin: " + message + u'\n');
    QCOMPARE(TestCount(env), 1);
    ran = tool({"import", bank, "--first", "25"});
    QVERIFY2(ran.code == 0 && ran.out.contains("\nNot taken (past the first 25): the questions from line 51 on.\n"),
             qPrintable(ran.out));
    QCOMPARE(env.Rows(QStringLiteral("SELECT fldTestName, fldTime, fldQ25, fldQ25Phony2 FROM Tests WHERE fldTestName = 'bank'")),
             QStringList{"bank|30|Q25|C25"});

    const QString missing = files.filePath(QStringLiteral("none.mdb"));
    QCOMPARE(Error(tool({"import", gift, "--title", "X", "--database", missing})),
             "1 vornick-admin: The database " + missing + " does not exist.\n");
    QVERIFY(!QFile::exists(missing));
    // A wrong command line says what is wrong, and exits with 2.
    const QList<std::pair<QStringList, QString>> wrong{
        {{"import", gift, "--format", "gift"}, "--format does not go with this command."},  // it is for export
        {{"import", gift, "--minutes", "1.5"}, "The length of the test must be a whole number of minutes from 0 to 32767."},
        {{"import", gift, "--colour"}, "Unknown option 'colour'."},
        {{"import", gift, "--minutes"}, "Missing value after '--minutes'."}};
    for (const auto& [arguments, message] : wrong)
        QCOMPARE(Error(tool(arguments)), "2 vornick-admin: " + message + " See vornick-admin --help.\n");
    QCOMPARE(TestCount(env), 2);

    const qint64 algebra = env.AddTest(QStringLiteral("Algebra"));
    env.Exec(QStringLiteral("UPDATE Tests SET fldQ2 = ?, fldQ2Answer = ?, fldQ2Phony1 = ? WHERE fldTestNumber = ?"),
             {QStringLiteral(" What is {x : x = ~1}?\n// #2 \\n "), QStringLiteral("%100% -> all"),
              QStringLiteral("\tΖωή, naïve\n"), algebra});
    env.Exec(QStringLiteral("INSERT INTO Tests (fldTestName, fldTime, fldQ1, fldQ1Answer, fldQ1Phony1, fldQ1Phony2) "
                            "VALUES ('<Draft>', 5, 'q', 'a', 'b', 'c')"));

    const QByteArray png = FilledPng(4, 3, Qt::red);
    env.Exec(QStringLiteral("INSERT INTO Pictures VALUES (?, 3, ?, 'png', 4, 3, 'A \"red\" square: 4 = 4')"), {algebra, png});

    const QString file = files.filePath(QStringLiteral("algebra.gift"));
    ran = tool({"export", "Algebra", "--format", "gift", "--output", file});
    QCOMPARE(ran.err, QStringLiteral("vornick-admin: note: Question 3: a picture, written inside the question as HTML (a "
                                     "data: URI); other tools may not show pictures in GIFT.\n"));
    QCOMPARE(ran.out, QStringLiteral("Wrote 25 questions of test %1 \"Algebra\" to %2.\n").arg(algebra).arg(file));
    QCOMPARE(tool({"import", file, "--title", "Algebra again"}).code, 0);
    const auto slotTexts = [&env](const QString& title) {  // every column after number, title, description, length
        return env.Rows(QStringLiteral("SELECT * FROM Tests WHERE fldTestName = ?"), {title}).value(0).section(u'|', 4);
    };
    QCOMPARE(slotTexts(QStringLiteral("Algebra again")), slotTexts(QStringLiteral("Algebra")));
    const QString again = QStringLiteral("SELECT p.fldSlot, p.fldFormat, p.fldWidth, p.fldHeight, p.fldDescription FROM Pictures p "
                                         "JOIN Tests t ON t.fldTestNumber = p.fldTestNumber WHERE t.fldTestName = 'Algebra again'");
    QCOMPARE(env.Rows(again), QStringList{QStringLiteral("3|png|4|3|A \"red\" square: 4 = 4")});
    QCOMPARE(env.Scalar(QStringLiteral("SELECT p.fldBytes FROM Pictures p JOIN Tests t ON t.fldTestNumber = p.fldTestNumber "
                                       "WHERE t.fldTestName = 'Algebra again'")).toByteArray(), png);
    QVERIFY(slotTexts(QStringLiteral("Algebra")).contains(QStringLiteral("|%100% -> all|")));

    ran = tool({"export", QString::number(algebra), "--format", "aiken"});
    QVERIFY(ran.out.startsWith(QStringLiteral("Q1\nA. A1\nB. P1a\nC. P1b\nANSWER: A\n\n"
                                              "What is {x : x = ~1}? // #2 \\n\nA. %100% -> all\nB. Ζωή, naïve\nC. P2b\n")));
    QCOMPARE(ran.err, QStringLiteral(
        "vornick-admin: note: Question 2: a line break, which Aiken cannot hold; each is written as a blank.\n"
        "vornick-admin: note: Question 2: blanks at the start or end of a text, which Aiken cannot hold; they are left out.\n"
        "vornick-admin: note: Question 3: picture left out (Aiken carries no pictures).\n"));
    ran = tool({"export", "Draft", "--format", "GIFT"});
    QCOMPARE(ran.out, QStringLiteral("$CATEGORY: Draft\n\n::Q1:: q {\n\t=a\n\t~b\n\t~c\n}\n\n"));
    QCOMPARE(ran.err, QStringLiteral("vornick-admin: note: Questions 2 to 25: no question text; left out of the file.\n"));
    QCOMPARE(Error(tool({"export", "Nope", "--format", "gift"})),
             QStringLiteral("1 vornick-admin: no test is numbered or titled \"Nope\".\n"));
    const QString nowhere = files.filePath(QStringLiteral("none/algebra.gift"));
    QCOMPARE(Error(tool({"export", "Algebra", "--format", "gift", "--output", nowhere})),
             "1 vornick-admin: " + nowhere + " cannot be written: the folder " + files.filePath(QStringLiteral("none"))
                 + " does not exist.\n");
}

// Import... and Export... on the screen: a cancelled dialog does nothing; the
// report, then the new test screen with the file's title (Cancel stores
// nothing, Next stores and opens the editor on the first question); a file
// that gives no test ends with the report.
void TestQuestionFiles::importReportCancelAndStore()
{
    TestEnv env;
    QTemporaryDir files;
    const QString gift = WriteFile(files, QStringLiteral("capitals.gift"),
        "$CATEGORY: Capitals\n\nCapital of France? {=Paris ~Rome ~Oslo}\n\n"
        "Paris is in France. {T}\n\nCapital of Peru? {=Lima#Yes ~Quito ~La Paz}\n");
    frmAdmin& admin = SignInAdmin();
    Click(admin.cmdExport);  // nothing picked: no dialog
    env.fake.fileChoices = {FileChoice{}};
    Click(admin.cmdImport);
    QCOMPARE(LastBox(env.fake), QStringLiteral("no box"));

    QString proposed;
    env.fake.fileChoices = {FileChoice{gift, 0}, FileChoice{gift, 0}};
    env.fake.modalUsers.push_back([&](QWidget& window) {  // the new test screen: what it proposes, then Cancel
        auto& intro = static_cast<frmNewTestIntro&>(window);
        proposed = intro.txtTestName->text() + u'|' + intro.txtMinutes->text();
        Click(intro.cmdCancel);
    });
    Click(admin.cmdImport);
    QCOMPARE(LastBox(env.fake), QStringLiteral(
        "Read capitals.gift as GIFT.\nQuestions that can be used: 2.\nQuestions left out: 1.\n"
        "Line 5: A true/false question; the program needs one right answer (=) and two false answers (~).\n"
        "Notes:\nLine 7: Feedback left out.|Import Questions|OK"));
    QCOMPARE(proposed, QStringLiteral("Capitals|"));
    ProcessEvents();
    QVERIFY(admin.isVisible() && !Screens::IsLoaded<frmNewTest>() && !Screens::IsLoaded<frmNewTestIntro>());
    QCOMPARE(TestCount(env), 0);

    env.fake.modalUsers.push_back([](QWidget& window) {
        auto& intro = static_cast<frmNewTestIntro&>(window);
        TypeInto(intro.txtMinutes, QStringLiteral("20"));
        Click(intro.cmdNext);
    });
    Click(admin.cmdImport);
    frmNewTest& editor = Screens::Get<frmNewTest>();
    QCOMPARE(editor.txtQuestion->toPlainText() + u'|' + editor.txtAnswer->toPlainText(), QStringLiteral("Capital of France?|Paris"));
    QCOMPARE(env.Rows(QStringLiteral("SELECT fldTestName, fldTime, fldQ1, fldQ1Answer, fldQ1Phony1, fldQ1Phony2, fldQ2, "
                                     "fldQ2Answer, fldQ2Phony1, fldQ2Phony2, fldQ3 FROM Tests")),
             QStringList{"<Capitals>|20|Capital of France?|Paris|Rome|Oslo|Capital of Peru?|Lima|Quito|La Paz|NULL"});
    env.fake.answers = {MsgAnswer::Yes};
    Click(editor.cmdSave);
    ProcessEvents();
    QVERIFY(admin.isVisible() && admin.lstTests->count() == 1);

    env.fake.fileChoices = {FileChoice{WriteFile(files, QStringLiteral("bank.gift"), Bank()), 0}};
    Click(admin.cmdImport);
    QVERIFY(LastBox(env.fake).endsWith("holds more usable ones. Split the file and import each part.|Import Questions|OK"));
    QCOMPARE(TestCount(env), 1);

    // Export... writes the picked test, the file named after its title; the suffix follows the chosen format.
    const qint64 algebra = env.AddTest(QStringLiteral("Algebra / 1"));
    QTest::keyClick(&admin, Qt::Key_F5);
    PickRow(admin.lstTests, RowOfNumber(admin.lstTests, algebra));
    env.fake.fileChoices = {FileChoice{}, FileChoice{files.filePath(QStringLiteral("algebra")), 1}};
    Click(admin.cmdExport);  // cancelled
    QVERIFY(env.fake.fileDialogs.size() == 5 && env.fake.fileDialogs[4].endsWith(QStringLiteral("/Algebra _ 1.gift")));
    Click(admin.cmdExport);  // as Aiken
    const QString path = files.filePath(QStringLiteral("algebra.txt"));
    QCOMPARE(LastBox(env.fake), QStringLiteral("25 questions of \"Algebra / 1\" written to %1 as Aiken.|Export Questions|OK")
                               .arg(QDir::toNativeSeparators(path)));
    QCOMPARE(ReadFile(path).count("ANSWER: A\n"), 25);
    QCOMPARE(env.fake.unexpected, QStringList());
}

// Every reader stops at the first usable question past what a test holds:
// what follows is never parsed (a broken question there is not reported).
// A Moodle file is refused past 100,000 HTML tags; an entity the reader
// does not expand is told once, with its question.
void TestQuestionFiles::readersStopEarly()
{
    const ReadOutcome gift = Gift::Read(Bank() + "Broken {=a ~b\n\n");
    QVERIFY(gift.stoppedEarly && gift.questions.size() == 26 && gift.leftOut.empty());
    QCOMPARE(QuestionFile::Report(gift), QStringLiteral("Questions that can be used: more than 25; reading stopped there."));
    // A question longer than four texts and a picture can be is left out unread.
    const ReadOutcome huge = Gift::Read(QByteArray(70'000'000, 'x') + " {=a ~b ~c}\n\nQ {=a ~b ~c}\n");
    QCOMPARE(QuestionFile::Report(huge), QStringLiteral("Questions that can be used: 1.\nQuestions left out: 1.\nLine 1: A question "
                                                        "of more than 66,932,904 characters, its picture included; the program "
                                                        "reads at most that many."));
    QCOMPARE(Gift::Read(Bank().left(Bank().lastIndexOf("Q26"))).stoppedEarly, false);
    QByteArray aiken;
    for (int q = 1; q <= 27; ++q)
        aiken += QStringLiteral("Q%1\nA. a\nB. b\nC. c\nANSWER: A\n\n").arg(q).toUtf8();
    const ReadOutcome aikenRead = Aiken::Read(aiken + "Broken\nA. a\nANSWER: Z\n");
    QVERIFY(aikenRead.stoppedEarly && aikenRead.questions.size() == 26 && aikenRead.leftOut.empty());

    const auto question = [](const QByteArray& type, const QByteArray& text) {
        return "<question type=\"" + type + "\"><questiontext format=\"html\"><text>" + text
            + "</text></questiontext><answer fraction=\"100\"><text>a</text></answer><answer fraction=\"0\"><text>b</text>"
              "</answer><answer fraction=\"0\"><text>c</text></answer></question>\n";
    };
    const QByteArray head = "<?xml version=\"1.0\"?>\n<quiz>\n";
    const ReadOutcome moodle = Moodle::Read(head + question("multichoice", "Q").repeated(26) + "<question type=\"x\">\n</quiz>\n");
    QVERIFY(moodle.stoppedEarly && moodle.questions.size() == 26 && moodle.leftOut.empty());
    // 1,999 tags a question: the 51st passes 100,000.
    const QByteArray heavy = QByteArray("&lt;b&gt;x&lt;/b&gt;").repeated(999) + "&lt;br&gt;";
    const ReadOutcome refused = Moodle::Read(head + question("essay", heavy).repeated(60) + "</quiz>\n");
    QCOMPARE(QuestionFile::Located(refused.refusal),
             QStringLiteral("Line 53: The file has more than 100,000 HTML tags; the program reads at most that many in one "
                            "file. Split the file and import each part."));
    QVERIFY(refused.questions.empty() && refused.leftOut.empty());

    const ReadOutcome entities = Moodle::Read("<?xml version=\"1.0\"?>\n<!DOCTYPE quiz [<!ENTITY x SYSTEM \"file:///etc/passwd\">]>\n"
                                              "<quiz>\n" + question("multichoice", "Q1") + question("multichoice", "Where &amp;x; is &x;")
                                              + question("multichoice", "Q3 &x;") + "</quiz>\n");
    QCOMPARE(entities.questions.size(), std::size_t(3));
    QCOMPARE(entities.questions[1].texts.question, QStringLiteral("Where &x; is"));
    QCOMPARE(entities.notes.size(), std::size_t(1));
    QCOMPARE(QuestionFile::Located(entities.notes[0]), QStringLiteral("Line 5: An entity in question 2 was left out."));
}

QTEST_MAIN(TestQuestionFiles)
#include "test_questionfiles.moc"
