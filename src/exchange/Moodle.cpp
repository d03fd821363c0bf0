#include "Moodle.h"

#include "HtmlText.h"

#include <QCoreApplication>
#include <QHash>
#include <QUrl>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>
#include <algorithm>

namespace {

const QString PluginFile = QStringLiteral("@@PLUGINFILE@@/");

// A text element as the file has it: its text, format and embedded files.
struct Text {
    QString text;
    QString format;
    QHash<QString, QByteArray> files;  // by name, base64
};

struct Answer {
    double fraction = 0;
    Text text;
};

struct Question {
    int line = 0;
    QString type;
    QString name;
    Text text;
    std::vector<Answer> answers;
    QString category;
    bool entityLeftOut = false;  // a reference to an entity the reader does not fetch stood in it
};

int TagsOf(const Text& text) { return text.format == QLatin1String("html") ? HtmlText::Tags(text.text) : 0; }

// The text as a student reads it.
QString PlainOf(const Text& text)
{
    if (text.format != QLatin1String("html"))
        return text.text;
    return HtmlText::ToPlain(text.text).text;
}

// Reads up to the end of the element the reader stands on.
class QuestionReader {
public:
    explicit QuestionReader(QXmlStreamReader& xml) : xml_(xml) {}

    Question Read()
    {
        Question question;
        question.line = static_cast<int>(xml_.lineNumber());
        question.type = xml_.attributes().value(QLatin1String("type")).toString();
        while (xml_.readNextStartElement()) {
            const auto name = xml_.name();
            if (name == QLatin1String("name"))
                question.name = ReadText().text;
            else if (name == QLatin1String("questiontext"))
                question.text = ReadText();
            else if (name == QLatin1String("category"))
                question.category = ReadText().text;
            else if (name == QLatin1String("answer"))
                question.answers.push_back(ReadAnswer());
            else
                xml_.skipCurrentElement();
        }
        return question;
    }

private:
    Text ReadText()
    {
        Text text;
        text.format = xml_.attributes().value(QLatin1String("format")).toString();
        while (xml_.readNextStartElement()) {
            if (xml_.name() == QLatin1String("text")) {
                text.text = xml_.readElementText(QXmlStreamReader::SkipChildElements);
            } else if (xml_.name() == QLatin1String("file")) {
                const QString name = xml_.attributes().value(QLatin1String("name")).toString();
                text.files.insert(name, xml_.readElementText(QXmlStreamReader::SkipChildElements).toLatin1());
            } else {
                xml_.skipCurrentElement();
            }
        }
        return text;
    }

    Answer ReadAnswer()
    {
        Answer answer;
        answer.fraction = xml_.attributes().value(QLatin1String("fraction")).toDouble();
        answer.text = ReadText();
        return answer;
    }

    QXmlStreamReader& xml_;
};

// The names of the entities the file's DTD declares outside the file (a
// SYSTEM or PUBLIC one): the reader never fetches them and leaves their
// references out of the text, without a trace in what it reads.
QStringList ExternalEntities(const QXmlStreamReader& xml)
{
    QStringList names;
    for (const QXmlStreamEntityDeclaration& entity : xml.entityDeclarations()) {
        if (!entity.systemId().isEmpty() || !entity.publicId().isEmpty())
            names << entity.name().toString();
    }
    return names;
}

// Whether the part of the file between the two character offsets refers to
// one of the entities.
bool Refers(QStringView part, const QStringList& entities)
{
    return std::any_of(entities.begin(), entities.end(),
                       [part](const QString& name) { return part.contains(u'&' + name + u';'); });
}

class Reader {
public:
    ReadOutcome Read(const QByteArray& bytes)
    {
        QXmlStreamReader xml(bytes);
        QStringList external;
        while (!xml.atEnd() && xml.readNext() != QXmlStreamReader::StartElement) {
            if (xml.tokenType() == QXmlStreamReader::DTD)
                external = ExternalEntities(xml);
        }
        // Read as text only to find references to such entities.
        const QString document = external.isEmpty() ? QString() : QString::fromUtf8(bytes);
        if (xml.tokenType() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("quiz")) {
            while (!QuestionFile::Enough(outcome_) && xml.readNextStartElement()) {
                if (xml.name() != QLatin1String("question")) {
                    xml.skipCurrentElement();
                    continue;
                }
                const qint64 from = xml.characterOffset();
                Question question = QuestionReader(xml).Read();
                question.entityLeftOut =
                    !external.isEmpty() && Refers(QStringView(document).mid(from, xml.characterOffset() - from), external);
                if (!Take(question))
                    return outcome_;
            }
        } else if (!xml.hasError()) {
            outcome_.refusal = {static_cast<int>(xml.lineNumber()),
                                QCoreApplication::translate("Moodle", "The file is XML but not a Moodle question file (it has no <quiz>).")};
            return outcome_;
        }
        if (xml.hasError()) {
            ReadOutcome refused;
            refused.refusal = {static_cast<int>(xml.lineNumber()),
                               QCoreApplication::translate("Moodle", "The file is not well-formed XML here: %1.").arg(xml.errorString())};
            return refused;
        }
        return outcome_;
    }

private:
    // Takes the question in; false when the file is refused at it.
    bool Take(const Question& question)
    {
        if (question.type == QLatin1String("category")) {
            outcome_.proposedTitle = question.category.section(u'/', -1).trimmed();
            return true;
        }
        ++number_;
        if (question.entityLeftOut && !entityNoted_) {
            entityNoted_ = true;
            outcome_.notes.push_back(
                {question.line, QCoreApplication::translate("Moodle", "An entity in question %1 was left out.").arg(number_)});
        }
        if (!WithinFileTags(question))
            return false;
        const QString why = WhyLeftOut(question);
        if (!why.isEmpty()) {
            outcome_.leftOut.push_back({question.line, Named(question, why)});
            return true;
        }
        TakeUsable(question);
        return true;
    }

    // Counts the question's HTML tags against the file's: past them, the
    // file is refused, the rest never read.
    bool WithinFileTags(const Question& question)
    {
        tagsLeft_ -= TagsOf(question.text);
        for (const Answer& answer : question.answers)
            tagsLeft_ -= TagsOf(answer.text);
        if (tagsLeft_ >= 0)
            return true;
        outcome_ = ReadOutcome();
        outcome_.refusal = {question.line, QCoreApplication::translate("Moodle", "The file has more than %1 HTML tags; the program "
                                                                                 "reads at most that many in one file. Split the "
                                                                                 "file and import each part.")
                                               .arg(QuestionFile::Grouped(HtmlText::MostTagsInAFile))};
        return false;
    }

    void TakeUsable(const Question& question)
    {
        DraftQuestion draft;
        draft.question = QuestionText(question, draft.picture);
        QString* nextFalse = &draft.phony1;
        for (const Answer& answer : question.answers) {
            if (answer.fraction == 100) {
                draft.answer = PlainOf(answer.text);
            } else {
                *nextFalse = PlainOf(answer.text);
                nextFalse = &draft.phony2;
            }
        }
        for (const QString* text : {&draft.question, &draft.answer, &draft.phony1, &draft.phony2}) {
            if (text->trimmed().isEmpty())
                return outcome_.leftOut.push_back({question.line, Named(question, QCoreApplication::translate("Moodle", "an empty text."))});
            if (text->size() > QuestionFile::LongestText)
                return outcome_.leftOut.push_back(
                    {question.line, Named(question, QCoreApplication::translate("Moodle", "a text of %1 characters; at most %2 can be used.", nullptr, int(text->size()))
                                                        .arg(QuestionFile::Grouped(text->size()),
                                                             QuestionFile::Grouped(QuestionFile::LongestText)))});
        }
        outcome_.questions.push_back({question.line, std::move(draft)});
    }

    // The question's text as a student reads it, and its picture: an HTML
    // text is parsed once, its first picture set apart, and again (with the
    // picture's alt text in its place) only when that picture cannot be kept.
    QString QuestionText(const Question& question, std::optional<Picture>& picture)
    {
        if (question.text.format != QLatin1String("html"))
            return question.text.text;
        HtmlText::Plain parsed = HtmlText::ToPlain(question.text.text, 0);
        picture = PictureOf(question, parsed.pictures);
        if (picture || parsed.pictures.empty())
            return std::move(parsed.text);
        return PlainOf(question.text);
    }

    static QString WhyLeftOut(const Question& question)
    {
        // The HTML reader's work grows with the square of the nesting.
        const auto tooManyTags = [](const Text& text) { return TagsOf(text) > HtmlText::MostTags; };
        if (tooManyTags(question.text)
            || std::any_of(question.answers.begin(), question.answers.end(),
                           [&](const Answer& answer) { return tooManyTags(answer.text); }))
            return QCoreApplication::translate("Moodle", "an HTML text with more than %1 tags; the program reads at most that many in one text.", nullptr,
                                              HtmlText::MostTags)
                .arg(QuestionFile::Grouped(HtmlText::MostTags));
        if (question.type != QLatin1String("multichoice"))
            return QCoreApplication::translate("Moodle", "a question of type \"%1\"; only multiple choice (multichoice) can be used.").arg(question.type);
        if (question.answers.size() != 3)
            return QCoreApplication::translate("Moodle", "%n answers; the program needs exactly three, one right (fraction 100) and two false (fraction 0).",
                                              nullptr, int(question.answers.size()));
        int rights = 0;
        int falses = 0;
        for (const Answer& answer : question.answers) {
            rights += answer.fraction == 100 ? 1 : 0;
            falses += answer.fraction == 0 ? 1 : 0;
        }
        if (rights != 1 || falses != 2)
            return QCoreApplication::translate("Moodle", "answers of fractions other than one of 100 and two of 0; the program counts an answer only "
                      "as right or false.");
        return {};
    }

    static QString Named(const Question& question, const QString& why)
    {
        return question.name.isEmpty() ? why.left(1).toUpper() + why.mid(1) : u'"' + question.name + QStringLiteral("\": ") + why;
    }

    // The first of the question text's pictures, if it can be read; notes
    // what is left out of it.
    std::optional<Picture> PictureOf(const Question& question, const std::vector<HtmlText::Image>& images)
    {
        if (images.empty())
            return std::nullopt;
        if (images.size() > 1)
            Note(question, QCoreApplication::translate("Moodle", "only the first of its %n pictures is kept.", nullptr, int(images.size())));
        const HtmlText::Image& image = images.front();
        Pictures::Prepared prepared;
        if (image.source.startsWith(PluginFile)) {
            const QString name = QUrl::fromPercentEncoding(image.source.mid(PluginFile.size()).toUtf8());
            if (!question.text.files.contains(name)) {
                Note(question, QCoreApplication::translate("Moodle", "its picture \"%1\" is not in the file; left out.").arg(name));
                return std::nullopt;
            }
            prepared = Pictures::FromBase64(question.text.files.value(name));
        } else if (image.source.startsWith(QLatin1String("data:"), Qt::CaseInsensitive)) {
            prepared = Pictures::FromDataUri(image.source);
        } else {
            prepared.refusal = QCoreApplication::translate("Moodle", "it is not a picture inside the file.");
        }
        if (!prepared.picture) {
            Note(question, QCoreApplication::translate("Moodle", "its picture is left out: %1").arg(prepared.refusal));
            return std::nullopt;
        }
        if (const QString note = Pictures::Describe(*prepared.picture, image.alt); !note.isEmpty())
            Note(question, note);
        return prepared.picture;
    }

    void Note(const Question& question, const QString& what) { outcome_.notes.push_back({question.line, Named(question, what)}); }

    ReadOutcome outcome_;
    int number_ = 0;  // of the questions read, categories left out
    bool entityNoted_ = false;
    int tagsLeft_ = HtmlText::MostTagsInAFile;
};

void WriteText(QXmlStreamWriter& xml, const QString& element, const QString& text, const QString& format)
{
    xml.writeStartElement(element);
    xml.writeAttribute(QStringLiteral("format"), format);
    xml.writeTextElement(QStringLiteral("text"), text);
}

QString Html(const QString& text) { return text.toHtmlEscaped().replace(u'\n', QStringLiteral("<br>")); }

void WriteQuestionText(QXmlStreamWriter& xml, const DraftQuestion& question)
{
    if (!question.picture) {
        WriteText(xml, QStringLiteral("questiontext"), question.question, QStringLiteral("plain_text"));
        xml.writeEndElement();
        return;
    }
    const Picture& picture = *question.picture;
    const QString name = QStringLiteral("picture.") + (picture.format == QLatin1String("jpeg") ? QStringLiteral("jpg") : picture.format);
    WriteText(xml, QStringLiteral("questiontext"),
              QStringLiteral("<p>%1</p><p><img src=\"%2%3\" alt=\"%4\" width=\"%5\" height=\"%6\"></p>")
                  .arg(Html(question.question), PluginFile, name, picture.description.toHtmlEscaped())
                  .arg(picture.width)
                  .arg(picture.height),
              QStringLiteral("html"));
    xml.writeStartElement(QStringLiteral("file"));
    xml.writeAttribute(QStringLiteral("name"), name);
    xml.writeAttribute(QStringLiteral("path"), QStringLiteral("/"));
    xml.writeAttribute(QStringLiteral("encoding"), QStringLiteral("base64"));
    xml.writeCharacters(QString::fromLatin1(picture.bytes.toBase64()));
    xml.writeEndElement();
    xml.writeEndElement();
}

void WriteAnswer(QXmlStreamWriter& xml, const QString& text, int fraction)
{
    xml.writeStartElement(QStringLiteral("answer"));
    xml.writeAttribute(QStringLiteral("fraction"), QString::number(fraction));
    xml.writeAttribute(QStringLiteral("format"), QStringLiteral("plain_text"));
    xml.writeTextElement(QStringLiteral("text"), text);
    xml.writeEndElement();
}

}

ReadOutcome Moodle::Read(const QByteArray& bytes) { return Reader().Read(bytes); }

WriteOutcome Moodle::Write(const TestDraft& draft)
{
    QuestionFile::WriterNotes notes;
    const std::vector<QuestionFile::SlotQuestion> questions = QuestionFile::WritableQuestions(draft, notes);
    WriteOutcome outcome;
    QXmlStreamWriter xml(&outcome.text);
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    xml.writeStartElement(QStringLiteral("quiz"));
    xml.writeStartElement(QStringLiteral("question"));
    xml.writeAttribute(QStringLiteral("type"), QStringLiteral("category"));
    WriteText(xml, QStringLiteral("category"), QStringLiteral("$course$/") + draft.title, QStringLiteral("plain_text"));
    xml.writeEndElement();
    xml.writeEndElement();
    for (const QuestionFile::SlotQuestion& question : questions) {
        xml.writeStartElement(QStringLiteral("question"));
        xml.writeAttribute(QStringLiteral("type"), QStringLiteral("multichoice"));
        WriteText(xml, QStringLiteral("name"), QStringLiteral("Question %1").arg(question.slot), QStringLiteral("plain_text"));
        xml.writeEndElement();
        WriteQuestionText(xml, question.texts);
        xml.writeTextElement(QStringLiteral("single"), QStringLiteral("true"));
        xml.writeTextElement(QStringLiteral("shuffleanswers"), QStringLiteral("true"));
        WriteAnswer(xml, question.texts.answer, 100);
        WriteAnswer(xml, question.texts.phony1, 0);
        WriteAnswer(xml, question.texts.phony2, 0);
        xml.writeEndElement();
        ++outcome.questions;
    }
    xml.writeEndDocument();
    outcome.notes = notes.Notes();
    return outcome;
}
