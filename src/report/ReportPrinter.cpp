#include "ReportPrinter.h"

#include "MirroredRuns.h"
#include "PageModel.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QMarginsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <cmath>
#include <QCoreApplication>

namespace {

constexpr double MarginMm = 12.7;

QFont ReportFont(const PageModel& page, bool bold)
{
    QFont font(page.FontName(), page.FontSize());
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setBold(bold);
    return font;
}

// Characters from column 1 to the end of the line's last piece.
int LineLength(const PageModel::Line& line)
{
    int length = 0;
    for (const PageModel::Piece& piece : line)
        length = std::max(length, piece.column - 1 + static_cast<int>(piece.text.size()));
    return length;
}

int WidestLine(const PageModel& page)
{
    int widest = 0;
    for (const PageModel::Line& line : page.Lines())
        widest = std::max(widest, LineLength(line));
    return widest;
}

double CellWidth(const QFont& font, QPaintDevice& device)
{
    return QFontMetricsF(font, &device).horizontalAdvance(QLatin1Char('M'));
}

// Upright when the widest line fits across, else landscape.
void ChooseLayout(const PageModel& page, QPagedPaintDevice& device)
{
    device.setPageMargins(QMarginsF(MarginMm, MarginMm, MarginMm, MarginMm), QPageLayout::Millimeter);
    device.setPageOrientation(QPageLayout::Portrait);
    const double needed = WidestLine(page) * CellWidth(ReportFont(page, false), device);
    if (needed > device.width())
        device.setPageOrientation(QPageLayout::Landscape);
}

// Draws the model line by line. A line longer than the page is wide goes on
// across the following printed lines, as a line printer wraps it, so no
// character is lost at the edge. In a language written right to left the
// page is mirrored: column 1 stands at the right margin and each piece reads
// from the right.
class ReportDrawer {
public:
    ReportDrawer(const PageModel& page, QPagedPaintDevice& device, QPainter& painter)
        : page_(page), device_(device), painter_(painter),
          rightToLeft_(QGuiApplication::layoutDirection() == Qt::RightToLeft)
    {
        painter_.setLayoutDirection(rightToLeft_ ? Qt::RightToLeft : Qt::LeftToRight);
        const QFontMetricsF metrics(ReportFont(page, false), &device);
        cell_ = metrics.horizontalAdvance(QLatin1Char('M'));
        lineHeight_ = metrics.lineSpacing();
        ascent_ = metrics.ascent();
        cellsPerLine_ = std::max(1, static_cast<int>(std::floor(device.width() / cell_)));
        linesPerPage_ = std::max(1, static_cast<int>(std::floor(device.height() / lineHeight_)));
    }

    QString Draw()
    {
        for (const PageModel::Line& line : page_.Lines()) {
            const int rows = std::max(1, (LineLength(line) + cellsPerLine_ - 1) / cellsPerLine_);
            if (row_ + rows > linesPerPage_ && row_ > 0) {
                if (!device_.newPage())
                    return QCoreApplication::translate("ReportPrinter", "The printer could not start a new page.");
                row_ = 0;
            }
            for (const PageModel::Piece& piece : line)
                DrawPiece(piece);
            row_ += rows;
        }
        return {};
    }

private:
    // Right to left, each run of words stands at its own mirrored column, so
    // a row laid out in columns with blanks keeps its columns, mirrored,
    // whatever the script of its words.
    void DrawPiece(const PageModel::Piece& piece)
    {
        painter_.setFont(ReportFont(page_, piece.bold));
        if (!rightToLeft_) {
            DrawRun(piece.column - 1, piece.text);
            return;
        }
        for (const WordRun& run : WordRuns(piece.text))
            DrawRun(piece.column - 1 + run.cell, run.text);
    }

    void DrawRun(int cell, const QString& text)
    {
        qsizetype done = 0;
        while (done < text.size()) {
            const int wrappedRow = cell / cellsPerLine_;
            const int cellInRow = cell % cellsPerLine_;
            const qsizetype count = std::min<qsizetype>(cellsPerLine_ - cellInRow, text.size() - done);
            const double top = (row_ + wrappedRow) * lineHeight_;
            if (rightToLeft_)
                DrawAtRightInOwnDirection(painter_, QRectF(0, top, device_.width() - cellInRow * cell_, lineHeight_),
                                          Qt::AlignTop, text.mid(done, count));
            else
                painter_.drawText(QPointF(cellInRow * cell_, top + ascent_), text.mid(done, count));
            done += count;
            cell += static_cast<int>(count);
        }
    }

    const PageModel& page_;
    QPagedPaintDevice& device_;
    QPainter& painter_;
    const bool rightToLeft_;
    double cell_ = 1;
    double lineHeight_ = 1;
    double ascent_ = 0;
    int cellsPerLine_ = 1;
    int linesPerPage_ = 1;
    int row_ = 0;
};

}

QString DrawReport(const PageModel& page, QPagedPaintDevice& device)
{
    ChooseLayout(page, device);
    QPainter painter;
    if (!painter.begin(&device))
        return QCoreApplication::translate("ReportPrinter", "The printer could not be started.");
    const QString error = ReportDrawer(page, device, painter).Draw();
    if (!painter.end() && error.isEmpty())
        return QCoreApplication::translate("ReportPrinter", "The printer could not finish the document.");
    return error;
}

QString UniqueReportPath(const QString& folder, const QDateTime& now)
{
    const QString stem = QDir(folder).filePath(
        QCoreApplication::translate("ReportPrinter", "VornickTest report %1").arg(now.toString(QStringLiteral("yyyy-MM-dd HH-mm-ss"))));
    QString path = stem + QStringLiteral(".pdf");
    for (int copy = 2; QFileInfo::exists(path); ++copy)
        path = stem + QStringLiteral(" (%1).pdf").arg(copy);
    return path;
}

SavedReport SaveReportAsPdf(const PageModel& page, const QString& folder, const QDateTime& now)
{
    SavedReport saved;
    const QString path = UniqueReportPath(folder, now);
    {
        // Opening the file first gives the system's reason when it cannot be written.
        QFile probe(path);
        if (!probe.open(QIODevice::WriteOnly)) {
            saved.error = QCoreApplication::translate("ReportPrinter", "The report could not be saved as %1:\n%2").arg(path, probe.errorString());
            return saved;
        }
    }
    QString error;
    {
        QPdfWriter writer(path);
        writer.setCreator(QStringLiteral("VornickTest"));
        writer.setTitle(QCoreApplication::translate("ReportPrinter", "VornickTest report"));
        error = DrawReport(page, writer);
    }
    if (error.isEmpty() && QFileInfo(path).size() == 0)
        error = QCoreApplication::translate("ReportPrinter", "The report could not be written to %1.").arg(path);
    if (!error.isEmpty()) {
        QFile::remove(path);
        saved.error = error;
        return saved;
    }
    saved.path = path;
    return saved;
}
