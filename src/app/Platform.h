#pragma once

#include <QDate>
#include <QLocale>
#include <QString>
#include <optional>
#include <QStringList>

class QWidget;
class PageModel;

enum class MsgButtons { OK, YesNo, YesNoDefaultNo };
enum class MsgAnswer { OK, Yes, No };

// A file the user picked in a file dialog, and which of the dialog's
// filters was chosen (from 0); an empty path when the dialog was cancelled.
struct FileChoice {
    QString path;
    int filter = 0;
};
enum class FileDialogKind { Open, Save };

// What a print job came to, for the user to be told.
struct PrintOutcome {
    bool printed = false;  // sent to a printer or written to a file
    QString pdfPath;       // set when the report was saved as a PDF instead
    QString error;         // the printer's message when it failed
};

// Everything that touches the world outside the program: message boxes,
// modal windows, the date, the random generator, the printer, help, the
// single-instance lock and the end of the program. The program runs on the
// Qt implementation; tests substitute a scripted fake.
class Platform {
public:
    static inline const QString ProgramTitle = QStringLiteral("VornickTest");

    virtual ~Platform() = default;

    // A message box with no icon; an empty title shows the program's title.
    virtual MsgAnswer MsgBox(const QString& text, MsgButtons buttons, const QString& title) = 0;

    // A modal file dialog: a file to open (one that exists) or a name to
    // save under, starting at `suggested` (a folder, or a file in one);
    // `filters` are like "GIFT files (*.gift)".
    virtual FileChoice ChooseFile(FileDialogKind kind, const QString& title, const QStringList& filters,
                                  const QString& suggested) = 0;

    // A modal question for a whole number from `least` to `most`, starting
    // at `start`; none when cancelled.
    virtual std::optional<int> AskWholeNumber(const QString& prompt, const QString& title, int least, int most,
                                              int start) = 0;

    // Shows `form` modally and returns once it is hidden or unloaded.
    virtual void RunModal(QWidget& form) = 0;

    // Today's date in the system's short date form, as stored.
    virtual QString TodayShortDate() = 0;
    // Today's date, for what the screens and paper show.
    virtual QDate Today() = 0;
    // That form as a pattern ("dd/MM/yyyy"), for a lab server that writes
    // its own date the way this computer would.
    virtual QString ShortDateFormat() = 0;

    // The random generator: reseeded from the clock, draws in [0, 1).
    virtual void Randomize() = 0;
    virtual float Rnd() = 0;

    virtual PrintOutcome Print(const PageModel& page) = 0;

    // A plain notice over the active window that asks for nothing and stays
    // until replaced; an empty text takes it away. It shows at once, while
    // the program waits without handling events.
    virtual void ShowNotice(const QString& text) = 0;

    // Opens the user guide beside the program.
    virtual void ShowHelp(QWidget* over) = 0;

    // True when another copy of the program already runs for this user.
    virtual bool AnotherCopyRunning() = 0;

    // Ends the program at once: no further handler and no unload runs.
    virtual void EndProgram(int exitCode) = 0;

    // The folder that holds the program, its database and its help file.
    virtual QString ProgramFolder() = 0;
};

Platform& platform();
void SetPlatform(Platform* implementation);  // not owned

// The program's message box with an OK button only.
void MsgBox(const QString& text, const QString& title = QString());
// A Yes/No question; true on Yes.
bool AskYesNo(const QString& text, const QString& title);

// `day` in the locale's short date form, as the database stores it: with
// ASCII digits and no direction marks, so a lab of mixed desktops and a
// spreadsheet read one form ("٨‏/١٢‏/٢٠٢٦" of an Arabic desktop is stored
// 8/12/2026).
QString StoredShortDate(const QLocale& locale, QDate day);
// The pattern of that form ("d/M/yyyy" of an Arabic desktop), for a lab
// server to write the same.
QString StoredShortDatePattern(const QLocale& locale);
