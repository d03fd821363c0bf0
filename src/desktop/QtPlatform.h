#pragma once

#include "app/Platform.h"

#include <QPointer>
#include <QString>
#include <memory>
#include <random>

class QLabel;
class QLockFile;
class QPrinter;
class HelpViewer;

// The Platform of the running program, on Qt's widgets.
class QtPlatform : public Platform {
public:
    // `lockFolder` holds the single-instance lock; empty means the user's
    // runtime folder.
    explicit QtPlatform(QString lockFolder = QString());
    ~QtPlatform() override;

    MsgAnswer MsgBox(const QString& text, MsgButtons buttons, const QString& title) override;
    std::optional<int> AskWholeNumber(const QString& prompt, const QString& title, int least, int most,
                                      int start) override;
    FileChoice ChooseFile(FileDialogKind kind, const QString& title, const QStringList& filters,
                          const QString& suggested) override;
    void RunModal(QWidget& form) override;
    QString TodayShortDate() override;
    QDate Today() override;
    QString ShortDateFormat() override;
    void Randomize() override;
    float Rnd() override;
    PrintOutcome Print(const PageModel& page) override;
    void ShowNotice(const QString& text) override;
    void ShowHelp(QWidget* over) override;
    bool AnotherCopyRunning() override;
    [[noreturn]] void EndProgram(int exitCode) override;
    QString ProgramFolder() override;

private:
    QString LockPath() const;
    void KeepHelpUsable();

    QString lockFolder_;
    std::unique_ptr<QLockFile> instanceLock_;
    std::mt19937 generator_;
    QPointer<HelpViewer> help_;
    QPointer<QLabel> notice_;
};

// Draws the page on `printer` (a PDF printer too) as a print job named
// "VornickTest report"; Print uses it for the default printer.
PrintOutcome PrintOnPrinter(QPrinter& printer, const PageModel& page);
