#include "Gift.h"

#include "HtmlText.h"

#include <algorithm>
#include <deque>
#include <optional>
#include <QCoreApplication>

namespace {

QString Needs() { return QCoreApplication::translate("Gift", "the program needs one right answer (=) and two false answers (~)."); }

// The longest question block read: four texts at their longest and a
// picture at its largest in a data: URI (base64, a third longer). A longer
// one is left out without being copied.
constexpr qsizetype LongestBlock = 4 * QuestionFile::LongestText + Pictures::LargestFile / 3 * 4 + 4096;

// Characters that stand for themselves after a backslash.
bool IsEscapable(QChar c)
{
    switch (c.unicode()) {
    case u'~': case u'=': case u'#': case u'{': case u'}': case u':': case u'\\': case u' ': case u'\t':
    case u'%': case u'>':
        return true;
    default:
        return false;
    }
}

bool IsRawBlank(QChar c) { return c == u' ' || c == u'\t' || c == u'\n'; }

// The value of a raw text: escapes resolved, and blanks and line breaks at
// either end dropped unless escaped. An unknown escape keeps its backslash.
QString Unescape(QStringView raw)
{
    QString value;
    value.reserve(raw.size());
    qsizetype kept = 0;  // the length up to the last character that stays
    for (qsizetype i = 0; i < raw.size(); ++i) {
        const QChar c = raw[i];
        if (c == u'\\' && i + 1 < raw.size()) {
            const QChar next = raw[++i];
            if (next == u'n')
                value += u'\n';
            else if (IsEscapable(next))
                value += next;
            else
                value += QString(c) + next;
            kept = value.size();
        } else if (!IsRawBlank(c)) {
            value += c;
            kept = value.size();
        } else if (!value.isEmpty()) {
            value += c;
        }
    }
    value.truncate(kept);
    return value;
}

// The first of `wanted` at or after `from` that no backslash escapes, or -1.
// `from` must not fall between a backslash and the character it escapes.
qsizetype FindUnescaped(QStringView text, QStringView wanted, qsizetype from)
{
    for (qsizetype i = from; i < text.size(); ++i) {
        if (text[i] == u'\\') {
            ++i;
            continue;
        }
        for (QChar c : wanted) {
            if (text[i] == c)
                return i;
        }
    }
    return -1;
}

// The first "::" no backslash escapes, at or after `from`, or -1.
qsizetype FindTitleEnd(QStringView text, qsizetype from)
{
    for (qsizetype at = FindUnescaped(text, u":", from); at >= 0; at = FindUnescaped(text, u":", at + 1)) {
        if (at + 1 < text.size() && text[at + 1] == u':')
            return at;
    }
    return -1;
}

// A backslash that ends a line or the text, and so escapes nothing, or -1.
qsizetype LoneBackslash(QStringView text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u'\\')
            continue;
        if (i + 1 == text.size() || text[i + 1] == u'\n')
            return i;
        ++i;
    }
    return -1;
}

qsizetype SkipBlanks(QStringView text, qsizetype from)
{
    while (from < text.size() && IsRawBlank(text[from]))
        ++from;
    return from;
}

bool IsBlankText(QStringView text) { return SkipBlanks(text, 0) == text.size(); }

// One question: the lines between blank lines, comments left out, each
// line's start in the text with its line in the file.
struct Block {
    QString text;
    std::vector<std::pair<qsizetype, int>> lines;
    int endedBy = 0;  // the blank line after it
    bool tooLong = false;  // longer than LongestBlock: its text is not kept

    int LineAt(qsizetype offset) const
    {
        const auto after = std::upper_bound(lines.begin(), lines.end(), offset,
                                            [](qsizetype at, const auto& line) { return at < line.first; });
        return after == lines.begin() ? lines.front().second : std::prev(after)->second;
    }
    int FirstLine() const { return lines.front().second; }
};

// "$CATEGORY: $course$/top/Algebra" names its category by the last part of
// the path, where "//" stands for a slash in a name. Parts such as "top"
// and "$course$" are the platform's own, not a name.
QString CategoryName(QStringView path)
{
    QString part;
    QString last;
    for (qsizetype i = 0; i <= path.size(); ++i) {
        if (i < path.size() && path[i] == u'/' && i + 1 < path.size() && path[i + 1] == u'/') {
            part += u'/';
            ++i;
        } else if (i == path.size() || path[i] == u'/') {
            const QString name = part.trimmed();
            if (!name.isEmpty() && !name.startsWith(u'$') && name != QLatin1String("top"))
                last = name;
            part.clear();
        } else {
            part += path[i];
        }
    }
    return last;
}

constexpr QStringView CategoryMark = u"$CATEGORY:";

// The blocks of a text one at a time, so that a reader that has found
// enough questions stops without splitting the rest. The category is the
// first $CATEGORY line met so far.
class Blocks {
public:
    explicit Blocks(const QString& text) : text_(text) {}

    std::optional<Block> Next()
    {
        Block current;
        while (start_ <= text_.size()) {
            qsizetype end = text_.indexOf(u'\n', start_);
            end = end < 0 ? text_.size() : end;
            ++lineNumber_;
            const QStringView line = QStringView(text_).mid(start_, end - start_);
            start_ = end + 1;
            const QStringView trimmed = line.trimmed();
            if (trimmed.isEmpty() || trimmed.startsWith(CategoryMark)) {
                if (category_.isEmpty() && !trimmed.isEmpty())
                    category_ = CategoryName(trimmed.mid(CategoryMark.size()));
                if (!current.lines.empty())
                    return Ended(std::move(current));
            } else if (!trimmed.startsWith(u"//")) {
                Add(current, line);
            }
        }
        if (!current.lines.empty())
            return Ended(std::move(current));
        return std::nullopt;
    }

    const QString& Category() const { return category_; }

private:
    // A block past LongestBlock keeps its first line's number and no text.
    void Add(Block& block, QStringView line) const
    {
        if (block.tooLong)
            return;
        if (!block.lines.empty())
            block.text += u'\n';
        block.lines.emplace_back(block.text.size(), lineNumber_);
        block.tooLong = block.text.size() + line.size() >= LongestBlock;
        if (block.tooLong) {
            block.text.clear();
            block.lines.resize(1);
            return;
        }
        block.text += line;
    }

    Block Ended(Block block) const
    {
        block.endedBy = lineNumber_;
        return block;
    }

    const QString& text_;
    qsizetype start_ = 0;
    int lineNumber_ = 0;
    QString category_;
};

// The unescaped braces of a text, in order.
QString Braces(QStringView text)
{
    QString braces;
    for (qsizetype at = FindUnescaped(text, u"{}", 0); at >= 0; at = FindUnescaped(text, u"{}", at + 1))
        braces += text[at];
    return braces;
}

// A question whose answers a blank line cut in two: `first` opens them with
// its only brace, the blocks after it have none until one whose only brace
// closes them. Reads the blocks after `first` into `ahead` as far as it
// must; true when they end in such a closing block.
bool BlankLineInAnswers(const Block& first, Blocks& blocks, std::deque<Block>& ahead)
{
    if (Braces(first.text) != u"{")
        return false;
    for (std::size_t next = 0;; ++next) {
        if (next == ahead.size()) {
            std::optional<Block> more = blocks.Next();
            if (!more)
                return false;
            ahead.push_back(std::move(*more));
        }
        const QString braces = Braces(ahead[next].text);
        if (!braces.isEmpty())
            return braces == QLatin1String("}");
    }
}

enum class TextFormat { Plain, Html };

// A format mark such as [html] where a question or an answer starts; `at`
// moves past it. Without a mark a question is plain and an answer takes its
// question's format.
std::optional<TextFormat> ReadFormat(QStringView text, qsizetype& at)
{
    if (at >= text.size() || text[at] != u'[')
        return std::nullopt;
    const qsizetype close = text.mid(at, 12).indexOf(u']');
    if (close < 0)
        return std::nullopt;
    const QString name = text.mid(at + 1, close - 1).toString().toLower();
    if (name != QLatin1String("html") && name != QLatin1String("moodle") && name != QLatin1String("plain")
        && name != QLatin1String("markdown"))
        return std::nullopt;
    at += close + 1;
    return name == QLatin1String("html") ? TextFormat::Html : TextFormat::Plain;
}

struct Answer {
    bool right = false;
    bool weighted = false;
    bool feedback = false;
    bool pair = false;  // "x -> y"
    qsizetype at = 0;  // in the block
    QString text;       // escapes resolved, in its format
    TextFormat format = TextFormat::Plain;
};

bool IsTrueFalse(QStringView content)
{
    const qsizetype feedback = FindUnescaped(content, u"#", 0);
    const QString head = content.left(feedback < 0 ? content.size() : feedback).trimmed().toString().toUpper();
    return head == QLatin1String("T") || head == QLatin1String("F") || head == QLatin1String("TRUE")
           || head == QLatin1String("FALSE");
}

// What the answers of a question come to: counts and kinds of all, the
// first three (all a usable question has).
struct Answers {
    int rights = 0;
    int falses = 0;
    bool weighted = false;
    bool feedback = false;
    bool allPairs = true;
    std::vector<Answer> kept;

    // A matching question: every answer a right "x -> y". Anywhere else
    // "->" is part of an answer's text.
    bool Matching() const { return falses == 0 && allPairs; }

    void Add(Answer answer)
    {
        ++(answer.right ? rights : falses);
        weighted |= answer.weighted;
        feedback |= answer.feedback;
        allPairs &= answer.pair;
        if (kept.size() < 3)
            kept.push_back(std::move(answer));
    }
};

// The length of a weight such as "%50%", "%-33.33333%" or "%.5%" at the
// start of `text`, or 0: "%e%" and "%.5%" are text, not weights.
qsizetype WeightLength(QStringView text)
{
    if (!text.startsWith(u'%'))
        return 0;
    qsizetype at = 1;
    if (at < text.size() && text[at] == u'-')
        ++at;
    const auto isDigit = [&](qsizetype i) { return i < text.size() && text[i] >= u'0' && text[i] <= u'9'; };
    if (!isDigit(at))
        return 0;
    while (isDigit(at))
        ++at;
    if (at < text.size() && text[at] == u'.')
        ++at;
    while (isDigit(at))
        ++at;
    return at < text.size() && text[at] == u'%' ? at + 1 : 0;
}

// One answer from its mark ("=" or "~") to the next: an optional weight
// (%50%), an optional format of its own (else the question's), the text,
// and the feedback after "#".
Answer ReadAnswer(QStringView piece, qsizetype at, TextFormat questionFormat)
{
    Answer answer;
    answer.right = piece[0] == u'=';
    answer.at = at;
    qsizetype start = SkipBlanks(piece, 1);
    if (const qsizetype weight = WeightLength(piece.mid(start)); weight > 0) {
        answer.weighted = true;
        start = SkipBlanks(piece, start + weight);
    }
    answer.format = ReadFormat(piece, start).value_or(questionFormat);
    const qsizetype hash = FindUnescaped(piece, u"#", start);
    answer.feedback = hash >= 0;
    const QStringView raw = piece.mid(start, (hash < 0 ? piece.size() : hash) - start);
    answer.pair = answer.right && raw.contains(u"->");
    answer.text = Unescape(raw);
    return answer;
}

// Reads one question block into the outcome: a usable question, or the
// reason it is left out.
class BlockReader {
public:
    BlockReader(const Block& block, ReadOutcome& outcome, int& htmlTagsLeft)
        : block_(block), text_(block.text), outcome_(outcome), htmlTagsLeft_(htmlTagsLeft)
    {
    }

    void Read()
    {
        if (const qsizetype lone = LoneBackslash(text_); lone >= 0)
            return LeaveOut(block_.LineAt(lone), QCoreApplication::translate("Gift", "The line ends in a \"\\\" that escapes nothing; "
                                                               "write \\\\ for a backslash."));
        qsizetype at = SkipBlanks(text_, 0);
        if (text_.mid(at).startsWith(u"::")) {
            const qsizetype end = FindTitleEnd(text_, at + 2);
            if (end < 0)
                return LeaveOut(block_.LineAt(at), QCoreApplication::translate("Gift", "The question title opened with \"::\" is never "
                                                                 "closed with \"::\"."));
            title_ = Unescape(text_.mid(at + 2, end - at - 2));
            at = SkipBlanks(text_, end + 2);
        }
        format_ = ReadFormat(text_, at).value_or(TextFormat::Plain);
        ReadBraces(at);
    }

private:
    void ReadBraces(qsizetype start)
    {
        const qsizetype open = FindUnescaped(text_, u"{}", start);
        if (open < 0)
            return LeaveOut(block_.FirstLine(), Sentence(QCoreApplication::translate("Gift", "a text without answers in { }: a "
                                                                       "description, not a question.")));
        if (text_[open] == u'}')
            return LeaveOut(block_.LineAt(open), QCoreApplication::translate("Gift", "A \"}\" with no \"{\" before it; write \\} for a "
                                                               "brace inside a text."));
        const qsizetype close = FindUnescaped(text_, u"{}", open + 1);
        if (close < 0) {
            const QString hint = text_.mid(open).contains(u"\\}")
                ? QCoreApplication::translate("Gift", " (\\} is a brace inside a text, not the end of the answers)") : QString();
            return LeaveOut(block_.LineAt(open), QCoreApplication::translate("Gift", "The answers opened with \"{\" here are never "
                                                               "closed with \"}\"%1.").arg(hint));
        }
        if (text_[close] == u'{')
            return LeaveOut(block_.LineAt(close), QCoreApplication::translate("Gift", "A second \"{\" before the answers opened on line "
                                                                "%1 were closed; write \\{ for a brace inside a text.")
                                                      .arg(block_.LineAt(open)));
        if (const qsizetype more = FindUnescaped(text_, u"{}", close + 1); more >= 0)
            return LeaveOut(block_.LineAt(more), QCoreApplication::translate("Gift", "A second set of answers after those on line %1; "
                                                               "leave a blank line between two questions.")
                                                     .arg(block_.LineAt(open)));
        // Answers in the middle of the text leave a blank in their place.
        const QStringView after = text_.mid(close + 1);
        QString question = text_.mid(start, open - start).toString();
        if (!IsBlankText(after))
            question += QStringLiteral("_____") + after.toString();
        ReadAnswers(Unescape(question), open + 1, close);
    }

    void ReadAnswers(const QString& question, qsizetype from, qsizetype to)
    {
        const QStringView content = text_.mid(from, to - from);
        const qsizetype first = SkipBlanks(content, 0);
        if (first == content.size())
            return LeaveOutAs(QCoreApplication::translate("Gift", "an essay question (no answers to choose from); ") + Needs());
        if (content[first] == u'#')
            return LeaveOutAs(QCoreApplication::translate("Gift", "a numeric question; ") + Needs());
        if (IsTrueFalse(content))
            return LeaveOutAs(QCoreApplication::translate("Gift", "a true/false question; ") + Needs());
        const qsizetype mark = FindUnescaped(content, u"=~", 0);
        if (mark != first)
            return LeaveOut(block_.LineAt(from + first), Sentence(QCoreApplication::translate("Gift", "text before the first answer; each answer begins with = (right) or ~ (false).")));
        Answers answers;
        for (qsizetype at = mark; at >= 0;) {
            const qsizetype next = FindUnescaped(content, u"=~", at + 1);
            const qsizetype end = next < 0 ? content.size() : next;
            answers.Add(ReadAnswer(content.mid(at, end - at), from + at, format_));
            at = next;
        }
        Judge(question, answers);
    }

    void Judge(const QString& questionText, const Answers& answers)
    {
        if (answers.Matching())
            return LeaveOutAs(QCoreApplication::translate("Gift", "a matching question; ") + Needs());
        if (answers.falses == 0)
            return LeaveOutAs(QCoreApplication::translate("Gift", "a short answer question (the student types the answer); ") + Needs());
        if (answers.weighted)
            return LeaveOutAs(QCoreApplication::translate("Gift", "weighted answers (such as %50%); the program counts an answer only "
                                             "as right or wrong."));
        if (answers.rights != 1 || answers.falses != 2)
            return LeaveOutAs(QCoreApplication::translate("Gift", "%1 right and %2 false answers; ").arg(answers.rights).arg(answers.falses)
                              + Needs());
        std::optional<Picture> picture;
        const std::optional<QString> question = QuestionReadable(questionText, picture);
        if (!question)
            return;
        if (question->isEmpty())
            return LeaveOutAs(QCoreApplication::translate("Gift", "no question text."));
        DraftQuestion texts{*question, {}, {}, {}, std::move(picture)};
        for (const Answer& answer : answers.kept) {  // one right, two false, in file order
            const std::optional<QString> text = Readable(answer.text, answer.format);
            if (!text)
                return;
            if (text->isEmpty())
                return LeaveOut(block_.LineAt(answer.at), Sentence(QCoreApplication::translate("Gift", "an empty answer.")));
            (answer.right ? texts.answer : texts.phony1.isNull() ? texts.phony1 : texts.phony2) = *text;
        }
        for (const QString* text : {&texts.question, &texts.answer, &texts.phony1, &texts.phony2}) {
            if (text->size() > QuestionFile::LongestText)
                return LeaveOutAs(QCoreApplication::translate("Gift", "a text of %1 characters; a question or an answer may have at "
                                                 "most %2.", nullptr, int(text->size()))
                                      .arg(QuestionFile::Grouped(text->size()),
                                           QuestionFile::Grouped(QuestionFile::LongestText)));
        }
        if (answers.feedback)
            outcome_.notes.push_back({block_.FirstLine(), Sentence(QCoreApplication::translate("Gift", "feedback left out."))});
        if (pictureLeftOut_)
            outcome_.notes.push_back({block_.FirstLine(), Sentence(QCoreApplication::translate("Gift", "picture left out; its alt text "
                                                                                 "stays in brackets."))});
        if (scriptLeftOut_)
            outcome_.notes.push_back({block_.FirstLine(), Sentence(QCoreApplication::translate("Gift", "script or style left out."))});
        for (const QString& note : pictureNotes_)
            outcome_.notes.push_back({block_.FirstLine(), Sentence(note)});
        outcome_.questions.push_back({block_.FirstLine(), texts});
    }

    // The question as a student reads it. An [html] question keeps the first
    // picture it carries in a data: URI as its own, out of the text; the
    // notes say what became of its pictures.
    std::optional<QString> QuestionReadable(const QString& text, std::optional<Picture>& picture)
    {
        if (format_ != TextFormat::Html)
            return text;
        std::optional<HtmlText::Plain> plain = Parsed(text);
        if (!plain)
            return std::nullopt;
        const std::vector<HtmlText::Image> pictures = std::move(plain->pictures);
        const auto carried = std::find_if(pictures.begin(), pictures.end(), [](const HtmlText::Image& image) {
            return image.source.startsWith(QLatin1String("data:"), Qt::CaseInsensitive);
        });
        if (carried == pictures.end())
            return Taken(std::move(*plain));
        Pictures::Prepared prepared = Pictures::FromDataUri(carried->source);
        if (prepared.picture) {
            if (const QString note = Pictures::Describe(*prepared.picture, carried->alt); !note.isEmpty())
                pictureNotes_ << note;
            picture = std::move(prepared.picture);
            plain = HtmlText::ToPlain(text, carried - pictures.begin());
        } else {
            pictureNotes_ << QCoreApplication::translate("Gift", "its picture is left out, its alt text in brackets: %1")
                                 .arg(prepared.refusal);
        }
        if (pictures.size() > 1)
            pictureNotes_ << QCoreApplication::translate("Gift", "%n pictures; a question keeps one, the first in a data: URI, "
                                                                 "and the alt text of the others stays in brackets.",
                                                         nullptr, int(pictures.size()));
        // Its pictures are told of above, not as pictures left out.
        scriptLeftOut_ |= plain->scriptLeftOut;
        return std::move(plain->text);
    }

    // The text as a student reads it: HTML as its plain text, within the
    // limits on tags that keep a file's reading quick; nothing when the
    // question is left out for its tags.
    std::optional<QString> Readable(const QString& text, TextFormat format)
    {
        if (format != TextFormat::Html)
            return text;
        std::optional<HtmlText::Plain> plain = Parsed(text);
        if (!plain)
            return std::nullopt;
        return Taken(std::move(*plain));
    }

    // The HTML read, within the limits on tags that keep a file's reading
    // quick; nothing when the question is left out for its tags.
    std::optional<HtmlText::Plain> Parsed(const QString& text)
    {
        const int tags = HtmlText::Tags(text);
        if (tags > HtmlText::MostTags) {
            LeaveOutAs(QCoreApplication::translate("Gift", "an HTML text with %1 tags; the program reads at most %2 in one text.", nullptr, tags)
                           .arg(QuestionFile::Grouped(tags), QuestionFile::Grouped(HtmlText::MostTags)));
            return std::nullopt;
        }
        if (tags > htmlTagsLeft_) {
            LeaveOutAs(QCoreApplication::translate("Gift", "past the first %1 HTML tags of the file, more than the program reads in one "
                                      "file; split the file and import each part.")
                           .arg(QuestionFile::Grouped(HtmlText::MostTagsInAFile)));
            return std::nullopt;
        }
        htmlTagsLeft_ -= tags;
        return HtmlText::ToPlain(text);
    }

    QString Taken(HtmlText::Plain plain)
    {
        pictureLeftOut_ |= plain.pictureLeftOut;
        scriptLeftOut_ |= plain.scriptLeftOut;
        return std::move(plain.text);
    }

    // "A true/false question; ..." or, for a titled question,
    // "\"Capitals\": a true/false question; ...".
    QString Sentence(const QString& what) const
    {
        if (!title_.isEmpty())
            return u'"' + title_ + QStringLiteral("\": ") + what;
        return what.left(1).toUpper() + what.mid(1);
    }

    void LeaveOutAs(const QString& what) { LeaveOut(block_.FirstLine(), Sentence(what)); }
    void LeaveOut(int line, const QString& why) { outcome_.leftOut.push_back({line, why}); }

    const Block& block_;
    QStringView text_;
    ReadOutcome& outcome_;
    int& htmlTagsLeft_;  // in the whole file
    QString title_;
    TextFormat format_ = TextFormat::Plain;
    bool pictureLeftOut_ = false;
    bool scriptLeftOut_ = false;
    QStringList pictureNotes_;  // about the question's own picture
};

// ---- Writing ----------------------------------------------------------------

bool IsEdgeBlank(QChar c) { return c == u' ' || c == u'\t'; }

// A text on one line, escaped so that Unescape gives it back.
QString Escape(const QString& text)
{
    qsizetype first = 0;
    while (first < text.size() && IsEdgeBlank(text[first]))
        ++first;
    qsizetype last = text.size();
    while (last > first && IsEdgeBlank(text[last - 1]))
        --last;
    QString escaped;
    escaped.reserve(text.size() + text.size() / 8 + 4);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\n')
            escaped += QStringLiteral("\\n");
        else if (QStringView(u"~=#{}:\\").contains(c) || i < first || i >= last)
            escaped += QString(u'\\') + c;
        else
            escaped += c;
    }
    return escaped;
}

// A text that starts with "[" is marked [plain], so its start is not taken
// for a format.
QString MarkedPlain(const QString& escaped)
{
    return escaped.startsWith(u'[') ? QStringLiteral("[plain]") + escaped : escaped;
}

// An answer also keeps a leading "%" from reading as a weight and "->"
// from reading as a matching pair.
QString EscapeAnswerText(const QString& text)
{
    QString escaped = Escape(text);
    if (escaped.startsWith(u'%'))
        escaped.prepend(u'\\');
    return escaped.replace(QStringLiteral("->"), QStringLiteral("-\\>"));
}

QString EscapeAnswer(const QString& text) { return MarkedPlain(EscapeAnswerText(text)); }

QString EscapeQuestion(const QString& text) { return MarkedPlain(Escape(text)); }

// The three answers in braces, each on a line of its own, and the blank
// line that ends the question.
QString AnswerBlock(const QString& answer, const QString& phony1, const QString& phony2)
{
    return QStringLiteral(" {\n\t=%1\n\t~%2\n\t~%3\n}\n\n").arg(answer, phony1, phony2);
}

// A text as HTML shows it: special characters as references, line breaks as <br>.
QString Html(const QString& text) { return text.toHtmlEscaped().replace(u'\n', QStringLiteral("<br>")); }

// A question with a picture: [html] with the picture after the text, in a
// data: URI with its description as the alt text; its answers [plain], so
// that they are not read as HTML.
QString PicturedQuestion(const DraftQuestion& texts)
{
    const QString html = QStringLiteral("<p>%1</p><p><img src=\"%2\" alt=\"%3\"></p>")
                             .arg(Html(texts.question), Pictures::DataUri(*texts.picture), texts.picture->description.toHtmlEscaped());
    const QString plain = QStringLiteral("[plain]");
    return QStringLiteral("[html]") + Escape(html)
           + AnswerBlock(plain + EscapeAnswerText(texts.answer), plain + EscapeAnswerText(texts.phony1),
                         plain + EscapeAnswerText(texts.phony2));
}

// Whether HTML gives back the question and its picture's description as
// they are: it keeps no blank at the start or end of a line and no run of
// blanks.
bool HtmlKeeps(const DraftQuestion& texts)
{
    const HtmlText::Plain read = HtmlText::ToPlain(
        QStringLiteral("<p>%1</p><img alt=\"%2\">").arg(Html(texts.question), texts.picture->description.toHtmlEscaped()), 0);
    return read.text == texts.question && read.pictures.front().alt == texts.picture->description;
}

// The category line that names the test: its title without the unfinished
// marks, a slash doubled, on one line.
QString CategoryLine(const QString& title)
{
    QString name = title.startsWith(u'<') && title.endsWith(u'>') && title.size() >= 2
        ? title.mid(1, title.size() - 2) : title;
    name.replace(u'\n', u' ').replace(u'\r', u' ');
    name = name.trimmed().replace(QStringLiteral("/"), QStringLiteral("//"));
    return name.isEmpty() ? QString() : QStringLiteral("$CATEGORY: ") + name + QStringLiteral("\n\n");
}

}

// The bytes are let go once decoded: a file of 100 MB is then held once, as
// text, not twice.
ReadOutcome Gift::Read(QByteArray bytes)
{
    ReadOutcome outcome;
    const QuestionFile::Decoded decoded = QuestionFile::Decode(bytes, QuestionFile::LargestPictureFile);
    bytes = QByteArray();
    if (!decoded.refusal.text.isEmpty()) {
        outcome.refusal = decoded.refusal;
        return outcome;
    }
    Blocks blocks(decoded.text);
    std::deque<Block> ahead;  // read past a question whose answers a blank line may have cut
    const auto next = [&]() -> std::optional<Block> {
        if (ahead.empty())
            return blocks.Next();
        Block block = std::move(ahead.front());
        ahead.pop_front();
        return block;
    };
    int htmlTagsLeft = HtmlText::MostTagsInAFile;
    while (!QuestionFile::Enough(outcome)) {
        const std::optional<Block> block = next();
        if (!block)
            break;
        if (block->tooLong) {
            outcome.leftOut.push_back({block->FirstLine(),
                                       QCoreApplication::translate("Gift", "A question of more than %1 characters, its picture "
                                                                           "included; the program reads at most that many.",
                                                                   nullptr, int(LongestBlock))
                                           .arg(QuestionFile::Grouped(LongestBlock))});
        } else if (BlankLineInAnswers(*block, blocks, ahead)) {
            outcome.leftOut.push_back({block->LineAt(FindUnescaped(block->text, u"{", 0)),
                                       QCoreApplication::translate("Gift", "A blank line (line %1) ended the question inside its answers "
                                                      "opened with \"{\" here; leave no blank line between \"{\" and "
                                                      "\"}\".").arg(block->endedBy)});
            // The blocks up to the one that closes the answers go with it.
            while (Braces(ahead.front().text).isEmpty())
                ahead.pop_front();
            ahead.pop_front();
        } else {
            BlockReader(*block, outcome, htmlTagsLeft).Read();
        }
    }
    outcome.proposedTitle = blocks.Category();
    return outcome;
}

WriteOutcome Gift::Write(const TestDraft& draft)
{
    QuestionFile::WriterNotes notes;
    WriteOutcome written;
    written.text = CategoryLine(draft.title);
    const std::vector<QuestionFile::SlotQuestion> writable = QuestionFile::WritableQuestions(draft, notes);
    for (const auto& [slot, texts] : writable) {
        if (texts.answer.isEmpty() || texts.phony1.isEmpty() || texts.phony2.isEmpty())
            notes.Add(QCoreApplication::translate("Gift", "an empty answer; reading the file back leaves the question out."), slot);
        written.text += QStringLiteral("::Q%1:: ").arg(slot);
        if (texts.picture) {
            notes.Add(QCoreApplication::translate("Gift", "a picture, written inside the question as HTML (a data: URI); "
                                                          "other tools may not show pictures in GIFT."),
                      slot);
            if (!HtmlKeeps(texts))
                notes.Add(QCoreApplication::translate("Gift", "blanks at the start or end of a line, or several in a row, "
                                                              "in a question written as HTML for its picture; reading the "
                                                              "file back gives one blank or none for each."),
                          slot);
            written.text += PicturedQuestion(texts);
            continue;
        }
        written.text += EscapeQuestion(texts.question)
                        + AnswerBlock(EscapeAnswer(texts.answer), EscapeAnswer(texts.phony1), EscapeAnswer(texts.phony2));
    }
    written.notes = notes.Notes();
    written.questions = static_cast<int>(writable.size());
    return written;
}
