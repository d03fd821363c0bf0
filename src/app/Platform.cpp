#include "Platform.h"

#include <stdexcept>

namespace {
Platform* current = nullptr;
}

Platform& platform()
{
    if (!current)
        throw std::logic_error("no Platform installed");
    return *current;
}

void SetPlatform(Platform* implementation) { current = implementation; }

void MsgBox(const QString& text, const QString& title) { platform().MsgBox(text, MsgButtons::OK, title); }

bool AskYesNo(const QString& text, const QString& title)
{
    return platform().MsgBox(text, MsgButtons::YesNo, title) == MsgAnswer::Yes;
}

QString StoredShortDate(const QLocale& locale, QDate day)
{
    QString stored;
    for (const QChar c : locale.toString(day, QLocale::ShortFormat)) {
        if (c.category() == QChar::Number_DecimalDigit)
            stored += QChar(u'0' + c.digitValue());
        else if (c.category() != QChar::Other_Format)  // the direction marks
            stored += c;
    }
    return stored;
}
