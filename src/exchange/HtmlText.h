#pragma once

#include <QString>
#include <QStringView>
#include <vector>

// The plain text a reader sees in an HTML fragment, read by an HTML5 parser
// (gumbo): every character reference decoded, a "<" that opens no tag kept
// as text, comments dropped; line breaks (<br>) and the edges of paragraphs,
// list items and the like as line breaks, table cells apart by a blank, every
// other run of white space as one blank, no blanks at either end.
// Superscripts and subscripts become Unicode's raised and lowered characters
// where every character has one (x<sup>2</sup> is x²), else "^" or "_"
// before the text; a picture leaves its alt text in brackets (unless it is
// set apart, when it leaves nothing); scripts and styles are dropped.
namespace HtmlText {

// The parser's work grows with the square of the nesting, so a reader counts
// the tags of a text before handing it over.
constexpr int MostTags = 2'000;
// And a file: this many read at worst in about a second.
constexpr int MostTagsInAFile = 100'000;
// The tags of a text: each "<" followed by a letter, "/" or "!".
int Tags(QStringView html);

// An <img> as the reader finds it: its src as written (character
// references decoded) and its alt text as plain text.
struct Image {
    QString source;
    QString alt;
};

struct Plain {
    QString text;
    std::vector<Image> pictures;  // every <img>, in order
    bool pictureLeftOut = false;  // an <img> other than the one set apart
    bool scriptLeftOut = false;   // a script or a style sheet
};
// `setApart` is the index of a picture (among `pictures`) that is kept apart
// from the text, as a question's own picture is, and so leaves no alt text.
Plain ToPlain(QStringView html, qsizetype setApart = -1);

}
