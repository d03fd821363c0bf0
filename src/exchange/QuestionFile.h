#pragma once

#include "TestDraft.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

enum class QuestionFormat { Gift, Aiken, Moodle };

// Something a reader has to tell the teacher about a place in a file.
struct FileNote {
    int line = 0;  // from 1; 0 speaks of the file as a whole
    QString text;
};

// A usable question and the line it starts on.
struct FoundQuestion {
    int line = 0;
    DraftQuestion texts;
};

// What a reader made of a file. A reader never throws: a file it cannot read
// at all gives a refusal and nothing else.
struct ReadOutcome {
    FileNote refusal;                     // set when the file is no question file at all
    std::vector<FoundQuestion> questions;  // usable, in file order
    std::vector<FileNote> leftOut;         // questions that cannot be used, and why
    std::vector<FileNote> notes;           // what was dropped from usable questions
    QString proposedTitle;                 // what the file calls its questions, if anything
    // More usable questions than a test holds: reading stopped at the first
    // one past them, so `questions` has one more than a test holds.
    bool stoppedEarly = false;

    bool Refused() const { return !refusal.text.isEmpty(); }
    std::vector<DraftQuestion> Questions() const;
};

// A file as a writer made it, and what it could not carry.
struct WriteOutcome {
    QString text;
    int questions = 0;  // written into the text
    QStringList notes;
};

// What both readers share: the guard against files that are not question
// files, the limits, the choice of reader and the report of what was found.
namespace QuestionFile {

// Larger files are refused by their size before they are read; GIFT and
// Moodle XML files, which carry pictures, may be larger than Aiken files
// (25 pictures of 1 MB take about 34 MB in base64).
constexpr qint64 LargestFile = 10'000'000;
constexpr qint64 LargestPictureFile = 100'000'000;
// The longest question or answer taken from a file, in characters.
constexpr int LongestText = 65'536;

struct Decoded {
    QString text;  // line breaks as "\n" whatever the file used; no byte-order mark
    FileNote refusal;
};
// The bytes as text: UTF-8 (with or without a byte-order mark) or UTF-16
// (little or big endian, with a byte-order mark or without). Refuses an
// empty file, one over `largest` bytes (LargestFile or LargestPictureFile),
// a NUL byte and anything that is not UTF-8, naming the line.
Decoded Decode(const QByteArray& bytes, qint64 largest = LargestFile);

// A count as "1,048,576".
QString Grouped(qint64 number);

// "Line 7: " or nothing for the file as a whole, before the note's text.
QString Located(const FileNote& note);

// Moodle XML when the file is named .xml or begins as XML; else Aiken when
// the file's text has an "ANSWER:" line and is not named .gift; GIFT otherwise.
QuestionFormat Guess(const QString& fileName, const QByteArray& bytes);
QString FormatName(QuestionFormat format);
// The format named "gift", "aiken" or "moodle", in any case.
std::optional<QuestionFormat> FormatNamed(const QString& name);
// The draft in the format's writer.
WriteOutcome Write(QuestionFormat format, const TestDraft& draft);

struct Loaded {
    QuestionFormat format = QuestionFormat::Gift;
    ReadOutcome outcome;
};
// Reads the file at `path` with the reader its name and contents call for.
// The title proposed is the file's own, or else the file's name.
Loaded Load(const QString& path);

// What was found, for a teacher: the count of usable questions, then every
// question left out and every note with its line. Lists past `longestList`
// entries end with a count of the rest.
QString Report(const ReadOutcome& outcome, int longestList = 1'000'000);

// Whether a reader has found more usable questions than a test holds, and
// so stops (marking the outcome so); what follows is never parsed.
bool Enough(ReadOutcome& outcome);

// What a writer tells about the questions it left out or had to change,
// one note per kind of change naming every question it concerns:
// "Questions 3 and 7: an empty answer; ...".
class WriterNotes {
public:
    void Add(const QString& what, int slot);
    QStringList Notes() const;

private:
    std::vector<std::pair<QString, std::vector<int>>> kinds_;
};

// A question a writer puts into a file, with its slot number (from 1).
struct SlotQuestion {
    int slot = 0;
    DraftQuestion texts;
};

// The draft's questions that have a text, in slot order, as a text file can
// carry them (a carriage return as a line break, a NUL character left out).
// Notes the slots left out and every text changed or too long to read back.
std::vector<SlotQuestion> WritableQuestions(const TestDraft& draft, WriterNotes& notes);

}
