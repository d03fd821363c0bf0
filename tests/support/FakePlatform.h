#pragma once

#include "app/Platform.h"
#include "report/PageModel.h"

#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <vector>

// A scripted Platform: boxes answered from a queue and recorded, modal windows
// run by a scripted user, a fixed date and draws, printed pages kept.
class FakePlatform : public Platform {
public:
    struct Shown {
        QString text;
        QString title;  // as passed; empty means the program's title
        MsgButtons buttons;
    };

    MsgAnswer MsgBox(const QString& text, MsgButtons buttons, const QString& title) override;
    FileChoice ChooseFile(FileDialogKind kind, const QString& title, const QStringList& filters,
                          const QString& suggested) override;
    std::optional<int> AskWholeNumber(const QString& prompt, const QString& title, int least, int most,
                                      int start) override;
    void RunModal(QWidget& form) override;
    QString TodayShortDate() override { return today; }
    QDate Today() override { return day; }
    QString ShortDateFormat() override { return QStringLiteral("dd/MM/yyyy"); }
    void Randomize() override { ++randomizeCount; }
    float Rnd() override { return draws[nextDraw++ % draws.size()]; }
    PrintOutcome Print(const PageModel& page) override
    {
        printed.push_back(page);
        return printOutcome;
    }
    void ShowNotice(const QString& text) override { notices << text; }
    void ShowHelp(QWidget*) override { ++helpShown; }
    bool AnotherCopyRunning() override { return false; }  // a second copy runs for real in test_platform
    void EndProgram(int code) override
    {
        ended = true;
        exitCode = code;
    }
    QString ProgramFolder() override { return programFolder; }

    // Answers for the next Yes/No boxes, in order. OK boxes need none.
    std::deque<MsgAnswer> answers;
    std::vector<Shown> shown;
    // The files the user picks in the next file dialogs, in order, and what
    // each dialog offered ("title|filters joined by ;;|suggested").
    std::deque<FileChoice> fileChoices;
    QStringList fileDialogs;
    // The numbers typed into the next number questions (none: cancelled),
    // and what each asked ("title|prompt|least-most").
    std::deque<std::optional<int>> numbers;
    QStringList numberQuestions;
    // The users of the next modal windows; each must hide or unload its window.
    std::deque<std::function<void(QWidget&)>> modalUsers;
    // Draws returned by Rnd, in order, over and over.
    std::vector<float> draws{0.1f, 0.5f, 0.9f};
    std::size_t nextDraw = 0;
    int randomizeCount = 0;

    QString today = QStringLiteral("06/12/2026");
    QDate day{2026, 12, 6};
    QString programFolder;
    bool ended = false;
    int exitCode = -1;
    int helpShown = 0;
    QStringList notices;  // every notice shown, "" where it was taken away
    PrintOutcome printOutcome{true, {}, {}};
    std::vector<PageModel> printed;
    // A question with no answer queued or a modal window with no user.
    QStringList unexpected;
};
