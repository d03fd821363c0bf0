#include "HtmlText.h"

#include "GumboLibrary.h"

#include <QByteArray>
#include <memory>
#include <vector>

namespace {

bool IsHtmlSpace(QChar c) { return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\f'; }

// Builds the plain text: white space waits until the next visible character
// so that none is left at either end or beside a line break.
class PlainText {
public:
    void Space() { space_ = true; }
    void Break(bool lineBreak)
    {
        // <br> adds a line each time; the edges of blocks make one break.
        breaks_ = lineBreak ? breaks_ + 1 : std::max(breaks_, 1);
    }
    void Add(QStringView characters)
    {
        if (breaks_ > 0 && !text_.isEmpty())
            text_.append(QString(breaks_, u'\n'));
        else if (space_ && !text_.isEmpty())
            text_.append(u' ');
        breaks_ = 0;
        space_ = false;
        text_.append(characters);
    }
    // Text as it comes from the parser: runs of white space become one Space().
    void AddText(QStringView text)
    {
        qsizetype run = 0;
        for (qsizetype i = 0; i <= text.size(); ++i) {
            if (i < text.size() && !IsHtmlSpace(text[i]))
                continue;
            if (i > run)
                Add(text.mid(run, i - run));
            if (i < text.size())
                Space();
            run = i + 1;
        }
    }
    QString Take() { return std::move(text_); }

private:
    QString text_;
    bool space_ = false;
    int breaks_ = 0;
};

// Unicode's raised forms of 0-9 + - = ( ) n i, and its lowered forms of those
// and of the letters that have one.
QChar Raised(QChar c)
{
    static const QString digits = QStringLiteral("⁰¹²³⁴⁵⁶⁷⁸⁹");
    if (c >= u'0' && c <= u'9')
        return digits[c.unicode() - u'0'];
    const qsizetype at = QStringView(u"+-\u2212=()ni").indexOf(c);
    return at < 0 ? QChar() : QStringView(u"⁺⁻⁻⁼⁽⁾ⁿⁱ")[at];
}

QChar Lowered(QChar c)
{
    if (c >= u'0' && c <= u'9')
        return QChar(static_cast<char16_t>(0x2080 + (c.unicode() - u'0')));
    const qsizetype at = QStringView(u"+-\u2212=()aeoxəhklmnpstijruv").indexOf(c);
    return at < 0 ? QChar() : QStringView(u"₊₋₋₌₍₎ₐₑₒₓₔₕₖₗₘₙₚₛₜᵢⱼᵣᵤᵥ")[at];
}

// "2" raised is "²"; a text with a character that has no raised form is
// written after the mark instead, as "^ab".
QString Shifted(const QString& text, QChar (*shift)(QChar), QChar mark)
{
    QString shifted;
    for (QChar c : text) {
        const QChar moved = shift(c);
        if (moved.isNull())
            return mark + text;
        shifted += moved;
    }
    return shifted;
}

bool Breaks(GumboTag tag)
{
    switch (tag) {
    case GUMBO_TAG_P: case GUMBO_TAG_DIV: case GUMBO_TAG_LI: case GUMBO_TAG_UL: case GUMBO_TAG_OL:
    case GUMBO_TAG_DL: case GUMBO_TAG_DT: case GUMBO_TAG_DD: case GUMBO_TAG_H1: case GUMBO_TAG_H2:
    case GUMBO_TAG_H3: case GUMBO_TAG_H4: case GUMBO_TAG_H5: case GUMBO_TAG_H6: case GUMBO_TAG_TR:
    case GUMBO_TAG_TABLE: case GUMBO_TAG_CAPTION: case GUMBO_TAG_BLOCKQUOTE: case GUMBO_TAG_PRE: case GUMBO_TAG_HR:
    case GUMBO_TAG_SECTION: case GUMBO_TAG_ARTICLE: case GUMBO_TAG_HEADER: case GUMBO_TAG_FOOTER:
    case GUMBO_TAG_ADDRESS: case GUMBO_TAG_FIGURE: case GUMBO_TAG_FIGCAPTION:
        return true;
    default:
        return false;
    }
}

QString FromUtf8(const char* text) { return QString::fromUtf8(text); }

struct ParsedHtml {
    explicit ParsedHtml(QStringView html) : utf8(html.toUtf8())
    {
        options.fragment_context = GUMBO_TAG_BODY;
        options.max_errors = 0;  // the errors are not read; keeping them costs memory
        output = gumbo.parse(&options, utf8.constData(), static_cast<size_t>(utf8.size()));
    }
    ~ParsedHtml() { gumbo.destroy(&options, output); }
    ParsedHtml(const ParsedHtml&) = delete;
    ParsedHtml& operator=(const ParsedHtml&) = delete;

    const GumboLibrary::Functions& gumbo = GumboLibrary::Get();
    QByteArray utf8;
    GumboOptions options = *gumbo.defaultOptions;
    GumboOutput* output = nullptr;
};

// Walks the tree without recursion, so that no nesting can exhaust the stack.
class Walker {
public:
    explicit Walker(qsizetype setApart) : setApart_(setApart) {}

    HtmlText::Plain Walk(const GumboNode* root)
    {
        texts_.emplace_back();
        Enter(root);
        while (!open_.empty()) {
            Frame& frame = open_.back();
            const GumboVector& children = frame.node->v.element.children;
            if (frame.next < children.length)
                Enter(static_cast<const GumboNode*>(children.data[frame.next++]));
            else
                Leave();
        }
        plain_.text = texts_.back().Take();
        return std::move(plain_);
    }

private:
    struct Frame {
        const GumboNode* node;
        unsigned next = 0;
    };

    PlainText& Text() { return texts_.back(); }

    void Enter(const GumboNode* node)
    {
        switch (node->type) {
        case GUMBO_NODE_TEXT: case GUMBO_NODE_WHITESPACE: case GUMBO_NODE_CDATA:
            return Text().AddText(FromUtf8(node->v.text.text));
        case GUMBO_NODE_ELEMENT:
            return EnterElement(node);
        default:  // comments, and templates, whose content is not shown
            return;
        }
    }

    void EnterElement(const GumboNode* node)
    {
        const GumboTag tag = node->v.element.tag;
        switch (tag) {
        case GUMBO_TAG_SCRIPT: case GUMBO_TAG_STYLE:
            plain_.scriptLeftOut = true;
            return;
        case GUMBO_TAG_IMG:
            return Picture(node);
        case GUMBO_TAG_BR:
            return Text().Break(true);
        case GUMBO_TAG_SUP: case GUMBO_TAG_SUB:
            texts_.emplace_back();
            break;
        default:
            Edge(tag);
        }
        open_.push_back({node});
    }

    void Leave()
    {
        const GumboTag tag = open_.back().node->v.element.tag;
        open_.pop_back();
        if (tag == GUMBO_TAG_SUP || tag == GUMBO_TAG_SUB) {
            const QString shifted = texts_.back().Take().replace(u'\n', u' ');
            texts_.pop_back();
            if (!shifted.isEmpty())
                Text().Add(tag == GUMBO_TAG_SUP ? Shifted(shifted, Raised, u'^') : Shifted(shifted, Lowered, u'_'));
        } else {
            Edge(tag);
        }
    }

    // The edges of blocks break the line; those of table cells part them.
    void Edge(GumboTag tag)
    {
        if (Breaks(tag))
            Text().Break(false);
        else if (tag == GUMBO_TAG_TD || tag == GUMBO_TAG_TH)
            Text().Space();
    }

    void Picture(const GumboNode* node)
    {
        const auto attribute = GumboLibrary::Get().attribute;
        const GumboAttribute* alt = attribute(&node->v.element.attributes, "alt");
        const GumboAttribute* source = attribute(&node->v.element.attributes, "src");
        PlainText described;
        if (alt)
            described.AddText(FromUtf8(alt->value));
        HtmlText::Image image{source ? FromUtf8(source->value).trimmed() : QString(), described.Take()};
        const bool setApart = static_cast<qsizetype>(plain_.pictures.size()) == setApart_;
        plain_.pictureLeftOut |= !setApart;
        if (!setApart && !image.alt.isEmpty())
            Text().Add(u'[' + image.alt + u']');
        plain_.pictures.push_back(std::move(image));
    }

    const qsizetype setApart_;
    std::vector<Frame> open_;
    std::vector<PlainText> texts_;  // a superscript's or subscript's own, on top of the text's
    HtmlText::Plain plain_;
};

}

int HtmlText::Tags(QStringView html)
{
    int tags = 0;
    for (qsizetype i = 0; i + 1 < html.size(); ++i) {
        const QChar next = html[i + 1];
        if (html[i] == u'<' && ((next.unicode() < 128 && next.isLetter()) || next == u'/' || next == u'!'))
            ++tags;
    }
    return tags;
}

HtmlText::Plain HtmlText::ToPlain(QStringView html, qsizetype setApart)
{
    const ParsedHtml parsed(html);
    return Walker(setApart).Walk(parsed.output->root);
}
