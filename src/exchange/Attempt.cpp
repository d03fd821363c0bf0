#include "Attempt.h"

namespace {

// A character of a record as a number, whether the record is text or UTF-8
// bytes (in which no byte of a longer character is an ASCII one).
char16_t Code(QChar c) { return c.unicode(); }
char16_t Code(char c) { return static_cast<unsigned char>(c); }

template <typename Record>
bool IsOrder(Record digits)
{
    return digits.size() == 3 && digits.contains(u'1') && digits.contains(u'2') && digits.contains(u'3');
}

template <typename Record>
Choice ChoiceOf(Record record)
{
    if (record.size() != 5 || !IsOrder(record.first(3)))
        return Choice::None;
    const char16_t line = Code(record[3]);
    if (line < u'1' || line > u'3')
        return Choice::None;
    const char16_t shown = Code(record[line - u'1']);
    const char16_t mark = shown == u'1' ? u'C' : u'X';
    if (Code(record[4]) != mark)
        return Choice::None;
    return static_cast<Choice>(shown - u'1' + 1);
}

}

Choice ChoiceOfRecord(QStringView record) { return ChoiceOf(record); }

Choice ChoiceOfRecord(QByteArrayView record) { return ChoiceOf(record); }

QString ChoiceName(Choice choice)
{
    switch (choice) {
    case Choice::Answer:
        return QStringLiteral("answer");
    case Choice::False1:
        return QStringLiteral("false 1");
    case Choice::False2:
        return QStringLiteral("false 2");
    case Choice::None:
        break;
    }
    return {};
}

std::vector<SlotChoices> FinishedChoices(const std::vector<Attempt>& attempts)
{
    std::vector<SlotChoices> finished;
    for (const Attempt& attempt : attempts) {
        if (attempt.finished)
            finished.push_back(attempt.choices);
    }
    return finished;
}
