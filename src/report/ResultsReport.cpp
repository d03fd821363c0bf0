#include "ResultsReport.h"

namespace {
constexpr int TitleColumn = 15;
constexpr int DateColumn = 50;
constexpr int RowColumn = 5;
}

PageModel BuildResultsReport(const QString& title, const QString& date, const QStringList& rows,
                             bool emphasizedHeading)
{
    PageModel page;
    page.SetFont(QStringLiteral("Courier New"), 14);
    page.NewLine();
    if (emphasizedHeading)
        page.SetBold(true);
    page.PrintAt(TitleColumn, title);
    page.PrintAt(DateColumn, date);
    page.NewLine();
    if (emphasizedHeading)
        page.SetBold(false);
    page.NewLine();
    for (const QString& row : rows) {
        page.PrintAt(RowColumn, row);
        page.NewLine();
    }
    page.EndDoc();
    return page;
}
