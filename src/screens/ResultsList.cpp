#include "ResultsList.h"

#include "Form.h"
#include "ListRowLook.h"
#include "rules/ListRows.h"
#include "app/Language.h"
#include "app/Platform.h"
#include "report/ResultsReport.h"

#include <QApplication>
#include <QFont>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>
#include <QCoreApplication>

void ShowResultRows(QListWidget& list, const ResultRows& rows)
{
    QStringList texts;
    std::vector<qint64> keys;
    for (const ResultRow& row : rows) {
        texts.append(row.text);
        keys.push_back(row.testNumber);
    }
    Form::SetKeyedRows(list, texts, keys);
}

void PrintResultsList(QWidget& screen, QLabel& lblPrinting, const QListWidget& list, bool emphasizedHeading)
{
    QStringList rows;
    for (int i = 0; i < list.count(); ++i)
        rows << list.item(i)->text();
    PrintWithNotice(lblPrinting,
                    BuildResultsReport(screen.windowTitle(), Language::ShortDate(platform().Today()), rows, emphasizedHeading));
}

void PrintWithNotice(QLabel& lblPrinting, const PageModel& page)
{
    lblPrinting.setVisible(true);
    lblPrinting.repaint();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);

    const PrintOutcome outcome = platform().Print(page);

    lblPrinting.setVisible(false);
    if (!outcome.error.isEmpty())
        MsgBox(outcome.error);
    else if (!outcome.pdfPath.isEmpty())
        MsgBox(QCoreApplication::translate("ResultsList", "No printer is installed, so the report was saved as\n%1").arg(outcome.pdfPath));
}

void UseListFont(QWidget& list)
{
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    list.setFont(font);
}

void SetResultsHeading(QLabel& heading, const QListWidget& list)
{
    heading.setFont(list.font());
    heading.setTextFormat(Qt::PlainText);
    heading.setWordWrap(false);
    // Laid out by the row builder itself, so the words sit where a row's
    // name, score and date begin.
    heading.setText(ResultsRow::Taken(QCoreApplication::translate("ResultsList", "Test"), QCoreApplication::translate("ResultsList", "Score"), QCoreApplication::translate("ResultsList", "Date Taken")));
    // A row's text starts past the list's frame and the item's text margin
    // (the style's focus-frame margin plus one pixel, as item views draw it).
    const int itemMargin = list.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &list) + 1;
    heading.setIndent(0);
    // On the side a row's text starts: the left, or the right in a language
    // written right to left.
    const int margin = list.frameWidth() + itemMargin;
    if (heading.isRightToLeft())
        heading.setContentsMargins(0, 0, margin, 0);
    else
        heading.setContentsMargins(margin, 0, 0, 0);
}

ResultsListControls BuildResultsList(QWidget& screen)
{
    ResultsListControls controls;
    controls.Label1 = new ColumnHeading(&screen);
    controls.Label1->setObjectName(QStringLiteral("Label1"));
    controls.lstResults = new PickList(&screen);
    controls.lstResults->setObjectName(QStringLiteral("lstResults"));
    controls.lstResults->setItemDelegate(new ColumnRowLook(controls.lstResults));
    UseListFont(*controls.lstResults);
    SetResultsHeading(*controls.Label1, *controls.lstResults);
    controls.Label1->setBuddy(controls.lstResults);
    controls.lblPrinting = new QLabel(QCoreApplication::translate("ResultsList", "Printing...."), &screen);
    controls.lblPrinting->setObjectName(QStringLiteral("lblPrinting"));
    controls.lblPrinting->setVisible(false);
    return controls;
}

namespace {

// The widest row of buttons that leaves the window room on a 1024-pixel
// screen, with its margins and the window's frame.
constexpr int WidestButtonRow = 940;

int RowWidth(const std::vector<QPushButton*>& buttons, int spacing)
{
    int width = 0;
    for (const QPushButton* button : buttons)
        width += std::max(button->sizeHint().width(), ButtonWidthWithRoom(*button)) + spacing;
    return width;
}

}

// The buttons in one row, Exit at its end; where the captions of a language
// make that row too wide for the screen, in two, the second ending in Exit.
void LayOutResultsScreen(QWidget& screen, const ResultsListControls& controls,
                         std::initializer_list<QPushButton*> buttons, QPushButton* exit)
{
    auto* layout = new QVBoxLayout(&screen);
    layout->addWidget(controls.Label1);
    layout->addWidget(controls.lstResults, 1);
    std::vector<QPushButton*> all(buttons);
    all.push_back(exit);
    const bool twoRows = RowWidth(all, layout->spacing()) > WidestButtonRow;
    auto* firstRow = new QHBoxLayout;
    auto* lastRow = twoRows ? new QHBoxLayout : firstRow;
    const std::size_t firstCount = twoRows ? (all.size() + 1) / 2 : all.size() - 1;
    for (std::size_t i = 0; i + 1 < all.size(); ++i)
        (i < firstCount ? firstRow : lastRow)->addWidget(all[i]);
    if (twoRows) {
        firstRow->addStretch();
        layout->addLayout(firstRow);
    }
    lastRow->addStretch();
    lastRow->addWidget(controls.lblPrinting);
    lastRow->addWidget(exit);
    layout->addLayout(lastRow);
}

void TellTestGone(const std::function<void()>& refill)
{
    MsgBox(QCoreApplication::translate("ResultsList", "This test is no longer available."));
    refill();
}
