#pragma once

#include <QString>

class PageModel;
class QDateTime;
class QPagedPaintDevice;

// Draws a page model in its font, every piece at its character column (the
// font's fixed advance times the column), starting a new page when a page is
// full. The page is turned to landscape when the widest line would not fit
// upright. Returns the failure text, or an empty text when the pages were
// drawn. `device` must not be painted on yet.
QString DrawReport(const PageModel& page, QPagedPaintDevice& device);

// Saves a page model as a PDF file in `folder` under a name that no file
// there has yet ("VornickTest report 2026-12-06 18-45-03.pdf").
struct SavedReport {
    QString path;   // the file written
    QString error;  // why nothing was written
};
SavedReport SaveReportAsPdf(const PageModel& page, const QString& folder, const QDateTime& now);

// The first free file name for a report made at `now` in `folder`.
QString UniqueReportPath(const QString& folder, const QDateTime& now);
