#pragma once

#include "QuestionFile.h"

// Aiken, the one-question-per-block format many quiz tools read:
//
//     What is the capital of France?
//     A. Paris
//     B) London
//     C. Berlin
//     ANSWER: A
//
// Read takes the question's text (its first line, and further lines up to
// the first option), the options lettered "A." or "A)" one per line, and
// the "ANSWER:" line naming the right one; blank lines are skipped and
// blanks at either end of a line dropped. Exactly three options make a
// usable question: the one ANSWER names is the right answer, the other two
// the false answers in their order.
//
// Write puts each question on one line, the right answer as A, the false
// answers as B and C, and ANSWER: A. Aiken cannot carry a line break or
// blanks at either end of a text: a line break is written as a blank, end
// blanks are left out, and the notes say which questions that concerns.
namespace Aiken {
ReadOutcome Read(const QByteArray& bytes);
WriteOutcome Write(const TestDraft& draft);
}
