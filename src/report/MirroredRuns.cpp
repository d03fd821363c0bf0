#include "MirroredRuns.h"

#include <QPainter>
#include <QRegularExpression>

std::vector<WordRun> WordRuns(const QString& row)
{
    static const QRegularExpression words(QStringLiteral("\\S+(?: \\S+)*"));
    std::vector<WordRun> runs;
    for (const QRegularExpressionMatch& run : words.globalMatch(row))
        runs.push_back({static_cast<int>(run.capturedStart()), run.captured()});
    return runs;
}

void DrawAtRightInOwnDirection(QPainter& painter, const QRectF& room, Qt::Alignment vertical, const QString& text)
{
    painter.save();
    painter.setLayoutDirection(text.isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight);
    painter.drawText(room, Qt::AlignRight | Qt::AlignAbsolute | vertical | Qt::TextDontClip, text);
    painter.restore();
}
