#include "AnalysisReport.h"

namespace {
constexpr int TitleColumn = 1;
constexpr int DateColumn = 100;
}

PageModel BuildAnalysisReport(const QString& title, const QString& date, const QStringList& lines)
{
    PageModel page;
    page.SetFont(QStringLiteral("Courier New"), 8);
    page.SetBold(true);
    page.PrintAt(TitleColumn, title);
    page.PrintAt(DateColumn, date);
    page.NewLine();
    page.SetBold(false);
    page.NewLine();
    for (const QString& line : lines) {
        page.PrintAt(TitleColumn, line);
        page.NewLine();
    }
    page.EndDoc();
    return page;
}
