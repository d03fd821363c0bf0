#include "TestRules.h"

namespace TestRules {

std::optional<std::int16_t> WholeMinutes(const QVariant& stored)
{
    if (stored.isNull() || !stored.isValid())
        return std::nullopt;
    const QString digits = stored.toString().trimmed();
    if (digits.isEmpty() || digits.size() > 5)
        return std::nullopt;
    for (QChar c : digits) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
    }
    const int minutes = digits.toInt();
    if (minutes > LongestMinutes)
        return std::nullopt;
    return static_cast<std::int16_t>(minutes);
}

bool IsUnfinished(const QString& storedTitle) { return storedTitle.startsWith(u'<'); }

// Completing a test drops the first and last characters of its title, so
// the visible title is what that would leave.
QString VisibleTitle(const QString& storedTitle)
{
    return IsUnfinished(storedTitle) ? storedTitle.mid(1, std::max<qsizetype>(0, storedTitle.size() - 2))
                                     : storedTitle;
}

}
