#pragma once

#include "Form.h"
#include "analysis/ItemAnalysis.h"

#include <QStringList>

class GradeHistogram;
class QLabel;
class QListWidget;
class QPushButton;
class QTableWidget;

// The item statistics of one test: its figures and a histogram of grades,
// a table of every slot that sorts by any column, and the flags with their
// reasons. A slot opens in the question editor; the figures print and the
// table saves as CSV.
class frmStatistics : public Form {
    Q_OBJECT

public:
    frmStatistics();

    // Analyses the finished attempts of the current test of `tests`.
    void ShowTest(qint64 test);

    void cmdEdit_Click();
    void cmdPrint_Click();
    void cmdSave_Click();
    void cmdClose_Click();
    // Picking a flag selects its question in the table.
    void lstFlags_Click();

    QLabel* lblSummary = nullptr;
    QLabel* lblWarning = nullptr;
    GradeHistogram* picHistogram = nullptr;
    QLabel* Label1 = nullptr;  // "&Questions:"
    QTableWidget* grdSlots = nullptr;
    QLabel* Label2 = nullptr;  // "&Flags:"
    QListWidget* lstFlags = nullptr;
    QPushButton* cmdEdit = nullptr;
    QPushButton* cmdPrint = nullptr;
    QPushButton* cmdSave = nullptr;
    QPushButton* cmdClose = nullptr;
    QLabel* lblPrinting = nullptr;

protected:
    void CloseByFrame() override;

private:
    void BuildLayout();
    void FillTable();
    void FillFlags();
    // The slot of the table's selected row; 0 for none.
    int SelectedSlot() const;

    QString title_;
    QStringList questions_;
    ItemAnalysis::TestFigures figures_;
};
