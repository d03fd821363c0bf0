#pragma once

#include "Form.h"
#include "exchange/TestDraft.h"
#include "work/WorkValues.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// "Create New Test": the title, description and length of a new or edited
// test, shown modally by the question editor as it loads.
class frmNewTestIntro : public Form {
    Q_OBJECT

public:
    frmNewTestIntro();

    // For an edit: the boxes show the test's heading as stored (none when it
    // could not be read), and its own title is not taken by it.
    void ShowStored(qint64 test, const std::optional<TestHeading>& stored);
    void cmdNext_Click();
    void cmdCancel_Click();

    // The title as Next accepted it: without blanks at either end.
    QString Title() const;
    // The heading as Next accepted it.
    TestHeading Heading() const;

    // Questions read from a file (Import...), stored with the new test at Next.
    std::vector<DraftQuestion> importedQuestions;

    QLabel* Label1 = nullptr;
    QLineEdit* txtTestName = nullptr;
    QLabel* Label2 = nullptr;
    QPlainTextEdit* txtDescription = nullptr;
    QLabel* Label3 = nullptr;
    QLineEdit* txtMinutes = nullptr;
    QPushButton* cmdNext = nullptr;
    QPushButton* cmdCancel = nullptr;

protected:
    void CloseByFrame() override;

private:
    void Refuse(const QString& message, QWidget* box);
    std::optional<qint64> editedTest_;
};
