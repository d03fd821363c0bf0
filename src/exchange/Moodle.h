#pragma once

#include "QuestionFile.h"

// Moodle XML, the question bank format of the common learning platforms,
// the one that carries pictures.
//
// Read takes each <question type="multichoice"> with exactly three answers,
// one of fraction 100 and two of fraction 0, its texts in any of the text
// formats (html turned into plain text; plain_text, moodle_auto_format and
// markdown as written), and the question text's first picture: an <img>
// whose src is "@@PLUGINFILE@@/name" naming a base64 <file> of the text, or
// a data: URI, with its alt text as the description. The last category
// proposes the title. Every other question is left out with its line and
// why; a file that is not well-formed XML is refused with its line.
//
// Write gives every slot with a text as a multichoice question whose
// picture is embedded as a <file>; answers are plain text, the question
// html when it has a picture (plain text otherwise), so that Read gives back
// the same texts and the same picture bytes.
namespace Moodle {
ReadOutcome Read(const QByteArray& bytes);
WriteOutcome Write(const TestDraft& draft);
}
