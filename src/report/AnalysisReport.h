#pragma once

#include "PageModel.h"

#include <QStringList>

// The printed item statistics: the title and the date emphasized on the
// first line, an empty line, then the lines as given, in a small fixed-pitch
// font so that the wide table fits a page.
PageModel BuildAnalysisReport(const QString& title, const QString& date, const QStringList& lines);
