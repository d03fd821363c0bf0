#include "frmStatistics.h"

#include "ListRowLook.h"
#include "QuestionFiles.h"
#include "ResultsFiles.h"
#include "ResultsList.h"
#include "Screens.h"
#include "analysis/AnalysisText.h"
#include "app/Language.h"
#include "app/Platform.h"
#include "rules/TestRules.h"
#include "work/AdminWork.h"
#include "exchange/Csv.h"
#include "frmAdmin.h"
#include "report/AnalysisReport.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <limits>

using namespace ItemAnalysis;

// Bars of how many attempts fell in each tenth of the grade scale, drawn in
// the window. A screen reader hears the same counts as its description.
class GradeHistogram : public QWidget {
public:
    explicit GradeHistogram(QWidget* parent) : QWidget(parent)
    {
        setObjectName(QStringLiteral("picHistogram"));
        setAccessibleName(frmStatistics::tr("Histogram of grades"));
        setMinimumSize(320, 160);
    }

    void SetCounts(const std::array<int, 10>& counts)
    {
        counts_ = counts;
        QStringList parts;
        for (std::size_t bin = 0; bin < counts.size(); ++bin)
            parts << QStringLiteral("%1: %2").arg(BinName(bin)).arg(counts[bin]);
        setAccessibleDescription(parts.join(QStringLiteral("; ")));
        update();
    }

    static QString BinName(std::size_t bin)
    {
        const int from = static_cast<int>(bin) * 10;
        return QStringLiteral("%1-%2").arg(from).arg(bin == 9 ? 100 : from + 9);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        const int textHeight = fontMetrics().height();
        const int highest = std::max(1, *std::max_element(counts_.begin(), counts_.end()));
        const double barWidth = width() / static_cast<double>(counts_.size());
        const int plotHeight = height() - 2 * textHeight - 4;
        for (std::size_t bin = 0; bin < counts_.size(); ++bin) {
            const int left = static_cast<int>(bin * barWidth);
            const int barHeight = plotHeight * counts_[bin] / highest;
            const QRect bar(left + 3, textHeight + plotHeight - barHeight, static_cast<int>(barWidth) - 6, barHeight);
            painter.fillRect(bar, palette().color(QPalette::Highlight));
            painter.setPen(palette().color(QPalette::WindowText));
            painter.drawText(QRect(left, bar.top() - textHeight, static_cast<int>(barWidth), textHeight),
                             Qt::AlignCenter, QString::number(counts_[bin]));
            painter.drawText(QRect(left, height() - textHeight, static_cast<int>(barWidth), textHeight),
                             Qt::AlignCenter, BinName(bin));
        }
        painter.drawLine(0, textHeight + plotHeight, width(), textHeight + plotHeight);
    }

private:
    std::array<int, 10> counts_{};
};

namespace {

// A cell that sorts by a number of its own; a figure that is not defined
// sorts below every number.
class NumberItem : public QTableWidgetItem {
public:
    NumberItem(const QString& text, double key) : QTableWidgetItem(text)
    {
        setData(Qt::UserRole, key);
        setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }

    bool operator<(const QTableWidgetItem& other) const override
    {
        return data(Qt::UserRole).toDouble() < other.data(Qt::UserRole).toDouble();
    }
};

QTableWidgetItem* FigureItem(const Figure& figure)
{
    return new NumberItem(ShownHere(figure), figure.value_or(-std::numeric_limits<double>::infinity()));
}

QTableWidgetItem* CountItem(int count) { return new NumberItem(QLocale().toString(count), count); }

// The counts in the table's order: answer, false 1, false 2, none.
void PutCounts(QTableWidget& table, int row, int firstColumn, const ChoiceCounts& counts)
{
    for (const std::size_t index : {1, 2, 3, 0})
        table.setItem(row, firstColumn++, CountItem(counts[index]));
}

constexpr int SlotColumn = 0;
constexpr int FlagsColumn = 16;

}

frmStatistics::frmStatistics() : Form(QStringLiteral("frmStatistics"))
{
    lblSummary = new QLabel(this);
    lblSummary->setObjectName(QStringLiteral("lblSummary"));
    lblSummary->setTextFormat(Qt::PlainText);
    lblSummary->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    // The figures and the note wrap beside the histogram rather than widen
    // the window past the screen in a language with longer words.
    lblSummary->setWordWrap(true);
    lblWarning = new QLabel(this);
    lblWarning->setObjectName(QStringLiteral("lblWarning"));
    lblWarning->setTextFormat(Qt::PlainText);
    lblWarning->setWordWrap(true);
    picHistogram = new GradeHistogram(this);

    Label1 = new QLabel(tr("&Questions:"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    grdSlots = new QTableWidget(0, FlagsColumn + 1, this);
    grdSlots->setObjectName(QStringLiteral("grdSlots"));
    grdSlots->setHorizontalHeaderLabels(AnalysisText::ColumnHeadings());
    grdSlots->setAccessibleName(tr("Questions"));
    grdSlots->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdSlots->setSelectionMode(QAbstractItemView::SingleSelection);
    grdSlots->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdSlots->verticalHeader()->setVisible(false);
    grdSlots->setItemDelegateForColumn(1, new OwnDirectionLook(grdSlots));
    Label1->setBuddy(grdSlots);

    Label2 = new QLabel(tr("&Flags:"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    lstFlags = new PickList(this);
    lstFlags->setObjectName(QStringLiteral("lstFlags"));
    lstFlags->setItemDelegate(new ListRowLook(lstFlags));
    // A flag names a question in a sentence of its own: wrapped to the list's
    // width rather than cut at its edge.
    lstFlags->setWordWrap(true);
    lstFlags->setResizeMode(QListView::Adjust);
    lstFlags->setAccessibleName(tr("Flags"));
    Label2->setBuddy(lstFlags);

    cmdEdit = NamedButton(tr("&Edit Question"), QStringLiteral("cmdEdit"), this);
    cmdPrint = NamedButton(tr("&Print"), QStringLiteral("cmdPrint"), this);
    cmdSave = NamedButton(tr("&Save as CSV\u2026"), QStringLiteral("cmdSave"), this);
    cmdClose = NamedButton(tr("&Close"), QStringLiteral("cmdClose"), this);
    lblPrinting = new QLabel(tr("Printing...."), this);
    lblPrinting->setObjectName(QStringLiteral("lblPrinting"));
    lblPrinting->setVisible(false);
    BuildLayout();

    OnClick(cmdEdit, &frmStatistics::cmdEdit_Click);
    OnClick(cmdPrint, &frmStatistics::cmdPrint_Click);
    OnClick(cmdSave, &frmStatistics::cmdSave_Click);
    OnClick(cmdClose, &frmStatistics::cmdClose_Click);
    OnRowChange(lstFlags, &frmStatistics::lstFlags_Click);
    connect(grdSlots, &QTableWidget::itemDoubleClicked, this, [this] { RunGuarded([this] { cmdEdit_Click(); }); });
}

// The figures and the histogram side by side; the table below them, the
// flags under it and the buttons at the foot.
void frmStatistics::BuildLayout()
{
    auto* top = new QHBoxLayout;
    auto* figures = new QVBoxLayout;
    figures->addWidget(lblSummary);
    figures->addWidget(lblWarning);
    figures->addStretch();
    top->addLayout(figures, 1);
    top->addWidget(picHistogram, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdEdit);
    buttons->addWidget(cmdPrint);
    buttons->addWidget(cmdSave);
    buttons->addStretch();
    buttons->addWidget(lblPrinting);
    buttons->addWidget(cmdClose);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(Label1);
    layout->addWidget(grdSlots, 3);
    layout->addWidget(Label2);
    layout->addWidget(lstFlags, 1);
    layout->addLayout(buttons);
    // Fits a 1024 by 768 screen with its frame and a panel; the table scrolls.
    resize(960, 640);

    setTabOrder(grdSlots, lstFlags);
    setTabOrder(lstFlags, cmdEdit);
    setTabOrder(cmdEdit, cmdPrint);
    setTabOrder(cmdPrint, cmdSave);
    setTabOrder(cmdSave, cmdClose);
}

void frmStatistics::ShowTest(qint64 test)
{
    const TestDraft draft = Administrator().Test(test).value_or(TestDraft{});
    title_ = TestRules::VisibleTitle(draft.title);
    questions_.clear();
    for (const DraftQuestion& question : draft.questions)
        questions_ << question.question;
    figures_ = Analyse(FinishedChoices(Administrator().Attempts(test, std::nullopt)));

    setWindowTitle(tr("Statistics: %1").arg(title_));
    lblSummary->setText(AnalysisText::Summary(figures_).join(u'\n'));
    const QStringList notes = AnalysisText::Notes(figures_);
    lblWarning->setText(notes.join(u'\n'));
    lblWarning->setVisible(!notes.isEmpty());
    picHistogram->SetCounts(figures_.histogram);
    FillTable();
    FillFlags();
}

void frmStatistics::FillTable()
{
    grdSlots->setSortingEnabled(false);
    grdSlots->setRowCount(static_cast<int>(figures_.perSlot.size()));
    int row = 0;
    for (const SlotFigures& slot : figures_.perSlot) {
        grdSlots->setItem(row, SlotColumn, CountItem(slot.slot));
        grdSlots->setItem(row, 1, new QTableWidgetItem(questions_.value(slot.slot - 1)));
        grdSlots->setItem(row, 2, FigureItem(slot.facility));
        grdSlots->setItem(row, 3, FigureItem(slot.discrimination));
        PutCounts(*grdSlots, row, 4, slot.all);
        PutCounts(*grdSlots, row, 8, slot.top);
        PutCounts(*grdSlots, row, 12, slot.bottom);
        auto* flags = new QTableWidgetItem(AnalysisText::FlagNames(slot));
        flags->setToolTip(AnalysisText::Reasons(slot));
        grdSlots->setItem(row, FlagsColumn, flags);
        ++row;
    }
    grdSlots->setSortingEnabled(true);
    grdSlots->sortByColumn(SlotColumn, Qt::AscendingOrder);
    grdSlots->resizeColumnsToContents();
    grdSlots->setColumnWidth(1, std::min(grdSlots->columnWidth(1), 260));
}

void frmStatistics::FillFlags()
{
    lstFlags->clear();
    for (const SlotFigures& slot : figures_.perSlot) {
        for (const FlagReason& flag : slot.flags)
            AddKeyedRow(*lstFlags, tr("Question %1: %2").arg(QLocale().toString(slot.slot), flag.reason), slot.slot);
    }
}

void frmStatistics::lstFlags_Click()
{
    const std::optional<qint64> slot = SelectedKey(lstFlags);
    for (int row = 0; slot && row < grdSlots->rowCount(); ++row) {
        if (grdSlots->item(row, SlotColumn)->data(Qt::UserRole).toLongLong() == *slot) {
            grdSlots->selectRow(row);
            grdSlots->scrollToItem(grdSlots->item(row, SlotColumn));
        }
    }
}

int frmStatistics::SelectedSlot() const
{
    const QList<QTableWidgetItem*> selected = grdSlots->selectedItems();
    if (selected.isEmpty())
        return 0;
    return grdSlots->item(selected.first()->row(), SlotColumn)->data(Qt::UserRole).toInt();
}

// The editor opens on the test from the administration screen, at the slot;
// this window closes, as the figures change with the question.
void frmStatistics::cmdEdit_Click()
{
    const int slot = SelectedSlot();
    if (slot == 0)
        return;
    Screens::Unload(*this);
    Screens::Get<frmAdmin>().EditSelectedTestAt(slot);
}

void frmStatistics::cmdPrint_Click()
{
    PrintWithNotice(*lblPrinting,
                    BuildAnalysisReport(windowTitle(), Language::ShortDate(platform().Today()), AnalysisText::Report(figures_)));
}

void frmStatistics::cmdSave_Click()
{
    std::vector<QStringList> rows{AnalysisText::TableHeader()};
    for (const QStringList& row : AnalysisText::TableRows(figures_, questions_))
        rows.push_back(row);
    ResultsFiles::SaveCsv(Csv::Document(rows), tr("Save Statistics"),
                          tr("%1 statistics.csv").arg(QuestionFiles::FileNameFor(title_)),
                          tr("The statistics of %n questions written to %1.", nullptr, int(figures_.perSlot.size())));
}

void frmStatistics::cmdClose_Click()
{
    Screens::Unload(*this);
    Screens::Show<frmAdmin>();
}

// Closing the window by its frame returns to the administration screen, as Close does.
void frmStatistics::CloseByFrame() { cmdClose_Click(); }
