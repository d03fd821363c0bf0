#include "QuestionFile.h"

#include "Aiken.h"
#include "Gift.h"
#include "Moodle.h"

#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QStringDecoder>
#include <algorithm>
#include <climits>
#include <optional>
#include <QCoreApplication>

std::vector<DraftQuestion> ReadOutcome::Questions() const
{
    std::vector<DraftQuestion> texts;
    texts.reserve(questions.size());
    for (const FoundQuestion& found : questions)
        texts.push_back(found.texts);
    return texts;
}

namespace {

FileNote Refusal(int line, const QString& text) { return FileNote{line, text}; }

FileNote TooLarge(qint64 bytes, qint64 largest)
{
    // The count that chooses the plural form.
    const int counted = static_cast<int>(std::min(bytes, qint64(INT_MAX)));
    if (largest == QuestionFile::LargestPictureFile)
        return Refusal(0, QCoreApplication::translate("QuestionFile", "The file has %1 bytes; a GIFT or Moodle XML file may "
                                                                      "have at most %2 (100 MB).", nullptr, counted)
                              .arg(QuestionFile::Grouped(bytes), QuestionFile::Grouped(largest)));
    return Refusal(0, QCoreApplication::translate("QuestionFile", "The file has %1 bytes; a question file may have at most %2 (10 MB).", nullptr,
                                                  counted)
                          .arg(QuestionFile::Grouped(bytes), QuestionFile::Grouped(largest)));
}

// The length of the well-formed UTF-8 sequence that starts at `at`, or 0.
// Overlong forms, surrogates and code points past U+10FFFF are not UTF-8.
int Utf8SequenceLength(const QByteArray& bytes, qsizetype at)
{
    const auto byte = [&](qsizetype i) { return i < bytes.size() ? static_cast<unsigned char>(bytes[i]) : 0u; };
    const unsigned lead = byte(at);
    const auto follows = [&](qsizetype i, unsigned low = 0x80, unsigned high = 0xBF) {
        return byte(i) >= low && byte(i) <= high;
    };
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        return follows(at + 1) ? 2 : 0;
    if (lead >= 0xE0 && lead <= 0xEF) {
        const unsigned low = lead == 0xE0 ? 0xA0 : 0x80;
        const unsigned high = lead == 0xED ? 0x9F : 0xBF;
        return follows(at + 1, low, high) && follows(at + 2) ? 3 : 0;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        const unsigned low = lead == 0xF0 ? 0x90 : 0x80;
        const unsigned high = lead == 0xF4 ? 0x8F : 0xBF;
        return follows(at + 1, low, high) && follows(at + 2) && follows(at + 3) ? 4 : 0;
    }
    return 0;
}

// The first NUL byte or the first byte that is not UTF-8, with its line.
FileNote FirstNonTextByte(const QByteArray& bytes)
{
    int line = 1;
    for (qsizetype i = 0; i < bytes.size();) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        if (byte == 0)
            return Refusal(line, QCoreApplication::translate("QuestionFile", "The file holds a NUL byte here, so it is not a text file. "
                                                "Choose a GIFT or Aiken file saved as text."));
        const int length = Utf8SequenceLength(bytes, i);
        if (length == 0)
            return Refusal(line, QCoreApplication::translate("QuestionFile", "The file holds a byte that is not UTF-8 text here (0x%1). "
                                                "Save the file as UTF-8 and import it again.")
                                     .arg(QString::number(byte, 16).toUpper().rightJustified(2, u'0')));
        line += byte == '\n' ? 1 : 0;
        i += length;
    }
    return {};
}

// "\r\n" and a lone "\r" both become "\n".
QString UnixLineEnds(const QString& text)
{
    if (!text.contains(u'\r'))
        return text;
    QString lines;
    lines.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u'\r')
            lines += text[i];
        else if (i + 1 >= text.size() || text[i + 1] != u'\n')
            lines += u'\n';
    }
    return lines;
}

std::optional<QStringDecoder::Encoding> Utf16Mark(const QByteArray& bytes)
{
    if (bytes.startsWith("\xFF\xFE"))
        return QStringDecoder::Utf16LE;
    if (bytes.startsWith("\xFE\xFF"))
        return QStringDecoder::Utf16BE;
    return std::nullopt;
}

// UTF-16 saved without a byte-order mark: an even number of bytes with NUL
// bytes on one side of each pair only, in at least a quarter of the pairs,
// as any text with Latin letters, digits or line breaks has. UTF-8 text has
// no NUL byte at all.
std::optional<QStringDecoder::Encoding> Utf16Unmarked(const QByteArray& bytes)
{
    if (bytes.isEmpty() || bytes.size() % 2 != 0)
        return std::nullopt;
    qsizetype nulFirst = 0, nulSecond = 0;
    for (qsizetype i = 0; i < bytes.size(); i += 2) {
        nulFirst += bytes[i] == '\0';
        nulSecond += bytes[i + 1] == '\0';
    }
    const qsizetype pairs = bytes.size() / 2;
    if (nulFirst == 0 && nulSecond * 4 >= pairs)
        return QStringDecoder::Utf16LE;
    if (nulSecond == 0 && nulFirst * 4 >= pairs)
        return QStringDecoder::Utf16BE;
    return std::nullopt;
}

QuestionFile::Decoded DecodeUtf16(const QByteArray& bytes, QStringDecoder::Encoding encoding, qsizetype mark)
{
    QStringDecoder decoder(encoding, QStringDecoder::Flag::Stateless);
    QString text = decoder(bytes.mid(mark));
    if (decoder.hasError() || bytes.size() % 2 != 0)
        return {{}, Refusal(0, QCoreApplication::translate("QuestionFile", "The file is marked as UTF-16 text but is not. "
                                              "Save the file as UTF-8 and import it again."))};
    const qsizetype nul = text.indexOf(QChar(u'\0'));
    if (nul >= 0)
        return {{}, Refusal(static_cast<int>(QStringView(text).left(nul).count(u'\n')) + 1,
                            QCoreApplication::translate("QuestionFile", "The file holds a NUL character here, so it is not a text file."))};
    return {std::move(text), {}};
}

bool IsBlank(const QString& text)
{
    for (QChar c : text) {
        if (!c.isSpace())
            return false;
    }
    return true;
}

}

QuestionFile::Decoded QuestionFile::Decode(const QByteArray& bytes, qint64 largest)
{
    if (bytes.size() > largest)
        return {{}, TooLarge(bytes.size(), largest)};
    Decoded decoded;
    const std::optional<QStringDecoder::Encoding> marked = Utf16Mark(bytes);
    const std::optional<QStringDecoder::Encoding> unmarked = marked ? std::nullopt : Utf16Unmarked(bytes);
    if (marked)
        decoded = DecodeUtf16(bytes, *marked, 2);
    else if (unmarked)
        decoded = DecodeUtf16(bytes, *unmarked, 0);
    // What does not decode as UTF-16 without a mark is refused for its NUL bytes.
    if (!marked && (!unmarked || !decoded.refusal.text.isEmpty())) {
        decoded.refusal = FirstNonTextByte(bytes);
        if (decoded.refusal.text.isEmpty())
            decoded.text = QString::fromUtf8(bytes.startsWith("\xEF\xBB\xBF") ? bytes.mid(3) : bytes);
    }
    if (!decoded.refusal.text.isEmpty())
        return decoded;
    if (IsBlank(decoded.text))
        return {{}, Refusal(0, QCoreApplication::translate("QuestionFile", "The file is empty."))};
    decoded.text = UnixLineEnds(decoded.text);
    return decoded;
}

QString QuestionFile::Grouped(qint64 number)
{
    QLocale locale = QLocale::c();
    locale.setNumberOptions(QLocale::DefaultNumberOptions);
    return locale.toString(number);
}

QString QuestionFile::Located(const FileNote& note)
{
    return note.line > 0 ? QCoreApplication::translate("QuestionFile", "Line %1: %2").arg(note.line).arg(note.text) : note.text;
}

QuestionFormat QuestionFile::Guess(const QString& fileName, const QByteArray& bytes)
{
    if (fileName.endsWith(QLatin1String(".xml"), Qt::CaseInsensitive) || bytes.trimmed().startsWith("<?xml"))
        return QuestionFormat::Moodle;
    if (fileName.endsWith(QLatin1String(".gift"), Qt::CaseInsensitive))
        return QuestionFormat::Gift;
    const QString text = Decode(bytes, LargestPictureFile).text;  // UTF-16 too
    const bool answerLine = text.startsWith(QLatin1String("ANSWER:")) || text.contains(QLatin1String("\nANSWER:"));
    return answerLine ? QuestionFormat::Aiken : QuestionFormat::Gift;
}

QString QuestionFile::FormatName(QuestionFormat format)
{
    switch (format) {
    case QuestionFormat::Gift: return QStringLiteral("GIFT");
    case QuestionFormat::Aiken: return QStringLiteral("Aiken");
    case QuestionFormat::Moodle: break;
    }
    return QStringLiteral("Moodle XML");
}

std::optional<QuestionFormat> QuestionFile::FormatNamed(const QString& name)
{
    for (QuestionFormat format : {QuestionFormat::Gift, QuestionFormat::Aiken, QuestionFormat::Moodle}) {
        if (FormatName(format).section(u' ', 0, 0).compare(name, Qt::CaseInsensitive) == 0)
            return format;
    }
    return std::nullopt;
}

WriteOutcome QuestionFile::Write(QuestionFormat format, const TestDraft& draft)
{
    switch (format) {
    case QuestionFormat::Gift: return Gift::Write(draft);
    case QuestionFormat::Aiken: return Aiken::Write(draft);
    case QuestionFormat::Moodle: break;
    }
    return Moodle::Write(draft);
}

QuestionFile::Loaded QuestionFile::Load(const QString& path)
{
    Loaded loaded;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        loaded.outcome.refusal = Refusal(0, QCoreApplication::translate("QuestionFile", "The file %1 cannot be opened: %2.").arg(path, file.errorString()));
        return loaded;
    }
    // Refused by its size before anything is read; reading one byte past the
    // limit also catches a file that grows meanwhile. Aiken's reader refuses
    // a file over its own, smaller limit.
    if (file.size() > LargestPictureFile) {
        loaded.outcome.refusal = TooLarge(file.size(), LargestPictureFile);
        return loaded;
    }
    QByteArray bytes = file.read(LargestPictureFile + 1);
    loaded.format = Guess(path, bytes);
    switch (loaded.format) {
    case QuestionFormat::Gift: loaded.outcome = Gift::Read(std::move(bytes)); break;
    case QuestionFormat::Aiken: loaded.outcome = Aiken::Read(bytes); break;
    case QuestionFormat::Moodle: loaded.outcome = Moodle::Read(bytes); break;
    }
    if (loaded.outcome.proposedTitle.isEmpty())
        loaded.outcome.proposedTitle = QFileInfo(path).completeBaseName();
    return loaded;
}

namespace {

void AppendList(QStringList& lines, const QString& heading, const std::vector<FileNote>& notes, int longestList)
{
    if (notes.empty())
        return;
    lines << heading;
    const auto listed = std::min<std::size_t>(notes.size(), static_cast<std::size_t>(std::max(longestList, 0)));
    for (std::size_t i = 0; i < listed; ++i)
        lines << QuestionFile::Located(notes[i]);
    if (listed < notes.size())
        lines << QCoreApplication::translate("QuestionFile", "... and %1 more.").arg(notes.size() - listed);
}

}

bool QuestionFile::Enough(ReadOutcome& outcome)
{
    outcome.stoppedEarly = outcome.questions.size() > std::size_t{TestDraft::Slots};
    return outcome.stoppedEarly;
}

QString QuestionFile::Report(const ReadOutcome& outcome, int longestList)
{
    if (outcome.Refused())
        return Located(outcome.refusal);
    QStringList lines;
    lines << (outcome.stoppedEarly
                  ? QCoreApplication::translate("QuestionFile", "Questions that can be used: more than %1; reading "
                                                                "stopped there.")
                        .arg(TestDraft::Slots)
                  : QCoreApplication::translate("QuestionFile", "Questions that can be used: %1.").arg(outcome.questions.size()));
    AppendList(lines, QCoreApplication::translate("QuestionFile", "Questions left out: %1.").arg(outcome.leftOut.size()), outcome.leftOut,
               longestList);
    AppendList(lines, QCoreApplication::translate("QuestionFile", "Notes:"), outcome.notes, longestList);
    return lines.join(u'\n');
}

void QuestionFile::WriterNotes::Add(const QString& what, int slot)
{
    auto kind = std::find_if(kinds_.begin(), kinds_.end(), [&](const auto& k) { return k.first == what; });
    if (kind == kinds_.end())
        kind = kinds_.insert(kinds_.end(), {what, {}});
    if (kind->second.empty() || kind->second.back() != slot)
        kind->second.push_back(slot);
}

namespace {

// "Question 4", "Questions 2 and 9", "Questions 2 to 25", "Questions 1, 3 to 5 and 9".
QString Numbered(const std::vector<int>& numbers)
{
    QStringList parts;
    for (std::size_t i = 0; i < numbers.size();) {
        std::size_t last = i;
        while (last + 1 < numbers.size() && numbers[last + 1] == numbers[last] + 1)
            ++last;
        if (last >= i + 2)
            parts << QCoreApplication::translate("QuestionFile", "%1 to %2").arg(numbers[i]).arg(numbers[last]);
        else
            for (std::size_t k = i; k <= last; ++k)
                parts << QString::number(numbers[k]);
        i = last + 1;
    }
    const bool several = numbers.size() > 1;
    const QString last = parts.takeLast();
    return (several ? QCoreApplication::translate("QuestionFile", "Questions ") : QCoreApplication::translate("QuestionFile", "Question "))
           + (parts.isEmpty() ? last : parts.join(QStringLiteral(", ")) + QCoreApplication::translate("QuestionFile", " and ") + last);
}

}

QStringList QuestionFile::WriterNotes::Notes() const
{
    QStringList notes;
    for (const auto& [what, numbered] : kinds_)
        notes << Numbered(numbered) + QStringLiteral(": ") + what;
    return notes;
}

namespace {

// A carriage return becomes a line break, a NUL character is left out.
QString FileSafe(const QString& text, bool& changed)
{
    if (!text.contains(u'\r') && !text.contains(QChar(u'\0')))
        return text;
    changed = true;
    QString safe = UnixLineEnds(text);
    safe.remove(QChar(u'\0'));
    return safe;
}

}

std::vector<QuestionFile::SlotQuestion> QuestionFile::WritableQuestions(const TestDraft& draft, WriterNotes& notes)
{
    std::vector<SlotQuestion> writable;
    for (std::size_t i = 0; i < draft.questions.size(); ++i) {
        const int slot = static_cast<int>(i) + 1;
        const DraftQuestion& stored = draft.questions[i];
        if (stored.question.trimmed().isEmpty()) {
            notes.Add(QCoreApplication::translate("QuestionFile", "no question text; left out of the file."), slot);
            continue;
        }
        bool changed = false;
        DraftQuestion texts{FileSafe(stored.question, changed), FileSafe(stored.answer, changed),
                            FileSafe(stored.phony1, changed), FileSafe(stored.phony2, changed)};
        if (changed)
            notes.Add(QCoreApplication::translate("QuestionFile", "a carriage return or NUL character, which a text file cannot hold; "
                                     "a carriage return is written as a line break, a NUL character left out."),
                      slot);
        for (const QString* text : {&texts.question, &texts.answer, &texts.phony1, &texts.phony2}) {
            if (text->size() > LongestText)
                notes.Add(QCoreApplication::translate("QuestionFile", "a text longer than %1 characters; reading the file back leaves the "
                                         "question out.", nullptr, int(LongestText)).arg(Grouped(LongestText)),
                          slot);
        }
        texts.picture = stored.picture;
        writable.push_back({slot, std::move(texts)});
    }
    return writable;
}
