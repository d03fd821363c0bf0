#include "HtmlText.h"

#include <QStringList>
#include <array>

namespace {

// The named references of the Latin-1 characters, from U+00A0 on, in order.
const QStringList Latin1Names = QStringLiteral(
    "nbsp iexcl cent pound curren yen brvbar sect uml copy ordf laquo not shy reg macr deg plusmn sup2 sup3 "
    "acute micro para middot cedil sup1 ordm raquo frac14 frac12 frac34 iquest Agrave Aacute Acirc Atilde "
    "Auml Aring AElig Ccedil Egrave Eacute Ecirc Euml Igrave Iacute Icirc Iuml ETH Ntilde Ograve Oacute "
    "Ocirc Otilde Ouml times Oslash Ugrave Uacute Ucirc Uuml Yacute THORN szlig agrave aacute acirc atilde "
    "auml aring aelig ccedil egrave eacute ecirc euml igrave iacute icirc iuml eth ntilde ograve oacute "
    "ocirc otilde ouml divide oslash ugrave uacute ucirc uuml yacute thorn yuml").split(u' ');

struct NamedCharacter {
    const char* name;
    char32_t code;
};
constexpr std::array<NamedCharacter, 16> OtherNames{{
    {"amp", U'&'}, {"lt", U'<'}, {"gt", U'>'}, {"quot", U'"'}, {"apos", U'\''}, {"ndash", U'\u2013'},
    {"mdash", U'\u2014'}, {"lsquo", U'\u2018'}, {"rsquo", U'\u2019'}, {"ldquo", U'\u201C'},
    {"rdquo", U'\u201D'}, {"hellip", U'\u2026'}, {"bull", U'\u2022'}, {"euro", U'\u20AC'},
    {"trade", U'\u2122'}, {"minus", U'\u2212'},
}};

// Tags whose edges break the line: <br> itself and the blocks of text.
const QStringList BreakingTags = QStringLiteral(
    "br p div li ul ol dl dt dd h1 h2 h3 h4 h5 h6 tr table blockquote pre hr section article header footer")
                                     .split(u' ');

constexpr qsizetype LongestReference = 10;

bool IsHtmlSpace(QChar c) { return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\f'; }

// The character a reference names, or an empty text when it names none.
QString Referenced(QStringView name)
{
    if (name.startsWith(u'#')) {
        const bool hex = name.size() > 1 && (name[1] == u'x' || name[1] == u'X');
        bool ok = false;
        const char32_t code = name.mid(hex ? 2 : 1).toUInt(&ok, hex ? 16 : 10);
        const bool character = ok && code > 0 && code <= 0x10FFFF && (code < 0xD800 || code > 0xDFFF);
        return character ? QString::fromUcs4(&code, 1) : QString();
    }
    const qsizetype latin1 = Latin1Names.indexOf(name.toString());
    if (latin1 >= 0)
        return QChar(static_cast<char16_t>(0xA0 + latin1));
    for (const NamedCharacter& named : OtherNames) {
        if (name == QLatin1String(named.name))
            return QString::fromUcs4(&named.code, 1);
    }
    return {};
}

// Builds the plain text: white space waits until the next visible character
// so that none is left at either end or beside a line break.
class PlainText {
public:
    explicit PlainText(qsizetype size) { text_.reserve(size); }

    void Space() { space_ = true; }
    void Break(bool lineBreak)
    {
        // <br> adds a line each time; the edges of blocks make one break.
        breaks_ = lineBreak ? breaks_ + 1 : std::max(breaks_, 1);
    }
    template <class Characters>
    void Add(Characters characters)
    {
        if (breaks_ > 0 && !text_.isEmpty())
            text_.append(QString(breaks_, u'\n'));
        else if (space_ && !text_.isEmpty())
            text_.append(u' ');
        breaks_ = 0;
        space_ = false;
        text_.append(characters);
    }
    QString Take() { return std::move(text_); }

private:
    QString text_;
    bool space_ = false;
    int breaks_ = 0;
};

QString TagName(QStringView tag)
{
    qsizetype i = tag.startsWith(u'/') ? 1 : 0;
    const qsizetype start = i;
    while (i < tag.size() && tag[i].isLetterOrNumber())
        ++i;
    return tag.mid(start, i - start).toString().toLower();
}

}

QString HtmlText::ToPlain(QStringView html)
{
    PlainText plain(html.size());
    // The next '>' is looked for only once the last one found is passed, so
    // a run of '<' that opens no tag costs one pass, not one per '<'.
    qsizetype nextClose = -1;  // html.size() when there is none
    for (qsizetype i = 0; i < html.size(); ++i) {
        const QChar c = html[i];
        if (c == u'<' && html.mid(i).startsWith(u"<!--")) {
            const qsizetype end = html.indexOf(u"-->", i + 4);
            i = end < 0 ? html.size() : end + 2;
            continue;
        }
        if (c == u'<' && nextClose < i) {
            nextClose = html.indexOf(u'>', i);
            nextClose = nextClose < 0 ? html.size() : nextClose;
        }
        if (c == u'<' && nextClose < html.size()) {
            const QString name = TagName(html.mid(i + 1, nextClose - i - 1));
            if (!name.isEmpty()) {
                if (BreakingTags.contains(name))
                    plain.Break(name == QLatin1String("br"));
                i = nextClose;
                continue;
            }
        }
        if (c == u'&') {
            const qsizetype end = html.mid(i, LongestReference).indexOf(u';');
            const QString character = end > 1 ? Referenced(html.mid(i + 1, end - 1)) : QString();
            if (!character.isEmpty()) {
                plain.Add(character);
                i += end;
                continue;
            }
        }
        if (IsHtmlSpace(c))
            plain.Space();
        else
            plain.Add(c);
    }
    return plain.Take();
}
