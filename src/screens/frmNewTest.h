#pragma once

#include "Form.h"
#include "exchange/Picture.h"

#include <optional>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// The question editor: one slot of the test at a time, stored into the
// test's row at every move; Exit decides whether the test is finished.
class frmNewTest : public Form {
    Q_OBJECT

public:
    frmNewTest();

    // Loads and shows the editor on the test with that number, or on a new
    // one (none).
    static void Open(std::optional<qint64> test);

    void Form_Load() override;
    void cmdNext_Click();
    void cmdPrev_Click();
    void cmdSave_Click();
    void cmdPicture_Click();
    void cmdRemovePicture_Click();
    // Stores the slot on screen and shows slot `slot` (1 to 25), as the arrows do.
    void GoToSlot(int slot);

    QLabel* lblQuestion = nullptr;
    QLabel* Label2 = nullptr;
    QPlainTextEdit* txtQuestion = nullptr;
    QLabel* Label3 = nullptr;
    QPlainTextEdit* txtAnswer = nullptr;
    QLabel* Label4 = nullptr;
    QPlainTextEdit* txtPhony1 = nullptr;
    QLabel* Label5 = nullptr;
    QPlainTextEdit* txtPhony2 = nullptr;
    QPushButton* cmdPrev = nullptr;
    QPushButton* cmdNext = nullptr;
    QPushButton* cmdSave = nullptr;
    // The slot's picture, small, with its description and its two buttons.
    QLabel* imgPicture = nullptr;
    QLabel* lblPictureDescription = nullptr;
    QLineEdit* txtPictureDescription = nullptr;
    QPushButton* cmdPicture = nullptr;
    QPushButton* cmdRemovePicture = nullptr;

    std::int16_t CurrentQuestion = 0;  // the slot shown, 1 to 25

protected:
    void CloseByFrame() override;

private:
    // Stores the slot on screen; false (nothing stored, after a message
    // saying why) when its picture has no fitting description.
    bool Save_Question();
    void Load_Question();
    qint64 TestNumber() const;
    void ShowPicture();
    bool StorePicture();
    // Marks or unmarks the stored name, refreshes the catalogue and returns
    // to the administration screen.
    void Finish(bool complete);

    // The test being edited; none until a new one is stored.
    std::optional<qint64> editedTest_;
    // The picture of the slot on screen as it will be stored, and whether it
    // differs from the stored one.
    std::optional<Picture> picture_;
    bool pictureChanged_ = false;
};
