#pragma once

#include "QuestionFile.h"

// GIFT, the plain-text question format of the common learning platforms.
//
// Read takes questions as teachers and other tools write them: comments
// ("//" lines), "$CATEGORY:" lines (the last part proposes the title),
// question titles (::title::), the formats [html] (turned into plain text),
// [moodle], [plain] and [markdown] at the start of a question or of an
// answer (an answer without one takes its question's), questions and
// answers over several lines, the escapes \~ \= \# \{ \} \: \\ and \n (a
// line break), and feedback (dropped, with a note). Questions are separated
// by blank lines; one inside the braces is named as such. A question can be
// used when it is multiple choice with exactly one right answer (=) and two
// false ones (~), none of them weighted (%50%); answers in the middle of the
// text ("missing word") stand as "_____" in it. A "%" that begins no weight
// (%e%) and "->" in a question that also has false answers are text. An
// [html] question keeps the first picture it carries in a data: URI
// (data:image/png;base64,...) as its picture, described by its alt text, and
// out of its text; any other picture leaves its alt text in brackets.
//
// Write escapes every text so that Read gives it back character for
// character: the escapes above, a line break as \n, a blank or tab at
// either end of a text as "\ " or a backslash and a tab, a text that begins
// with "[" after the mark [plain], and in answers a leading "%" as \% and
// "->" as -\> (which would otherwise read as a weight or a matching pair).
// A question with a picture is written as [html], the picture after its
// text in a data: URI with the description as alt text, and its answers
// marked [plain].
namespace Gift {
ReadOutcome Read(QByteArray bytes);
WriteOutcome Write(const TestDraft& draft);
}
