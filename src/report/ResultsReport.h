#pragma once

#include "PageModel.h"

#include <QStringList>

// The printed results list: an empty line, the heading (the screen's title at
// column 15, the date at column 50, emphasized on the administrator's report),
// an empty line, then every row at column 5.
PageModel BuildResultsReport(const QString& title, const QString& date, const QStringList& rows,
                             bool emphasizedHeading);
