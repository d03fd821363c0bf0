#include "Attempt.h"

namespace {

bool IsOrder(QStringView digits)
{
    return digits.size() == 3 && digits.contains(u'1') && digits.contains(u'2') && digits.contains(u'3');
}

}

Choice ChoiceOfRecord(QStringView record)
{
    if (record.size() != 5 || !IsOrder(record.first(3)))
        return Choice::None;
    const QChar line = record[3];
    if (line < u'1' || line > u'3')
        return Choice::None;
    const QChar shown = record[line.unicode() - u'1'];
    const QChar mark = shown == u'1' ? u'C' : u'X';
    if (record[4] != mark)
        return Choice::None;
    return static_cast<Choice>(shown.unicode() - u'1' + 1);
}

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
