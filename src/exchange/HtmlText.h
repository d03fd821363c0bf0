#pragma once

#include <QString>
#include <QStringView>

// The plain text a reader sees in an HTML fragment: tags and comments
// dropped, line breaks (<br>) and the edges of paragraphs, list items and
// the like as line breaks, every other run of white space as one blank,
// character references decoded, no blanks at either end.
namespace HtmlText {
QString ToPlain(QStringView html);
}
