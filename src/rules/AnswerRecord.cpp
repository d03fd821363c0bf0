#include "AnswerRecord.h"

#include "ListRows.h"

namespace AnswerRecords {

namespace {

int DrawDigit(const std::function<float()>& rnd) { return static_cast<int>(3.0f * rnd() + 1.0f); }

}

QString DrawOrder(const std::function<float()>& rnd)
{
    const int first = DrawDigit(rnd);
    int second = DrawDigit(rnd);
    while (second == first)
        second = DrawDigit(rnd);
    const int third = 6 - first - second;
    return QString::number(first) + QString::number(second) + QString::number(third);
}

QString Build(const QString& orderDigits, int chosenLine)
{
    const QString order = orderDigits.left(3);
    const int rightLine = static_cast<int>(order.indexOf(u'1')) + 1;  // 0 when absent
    return order + QString::number(chosenLine) + (chosenLine == rightLine ? u'C' : u'X');
}

bool IsRight(const QString& record) { return record.endsWith(u'C'); }

Parts TakeApart(const QString& record)
{
    Parts parts;
    for (int k = 0; k < 3; ++k)
        parts.orderDigits[static_cast<std::size_t>(k)] = record.mid(k, 1);
    parts.chosenIndex = static_cast<int>(Val(record.mid(3, 1))) - 1;
    return parts;
}

QString SlotField(int slot) { return QStringLiteral("fldQ%1").arg(slot); }

QString AnswerFieldFor(int slot, const QString& digit)
{
    if (digit == QLatin1String("1"))
        return SlotField(slot) + QStringLiteral("Answer");
    if (digit == QLatin1String("2"))
        return SlotField(slot) + QStringLiteral("Phony1");
    if (digit == QLatin1String("3"))
        return SlotField(slot) + QStringLiteral("Phony2");
    return {};
}

}
