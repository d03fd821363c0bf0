#include "FakePlatform.h"

#include <QWidget>

MsgAnswer FakePlatform::MsgBox(const QString& text, MsgButtons buttons, const QString& title)
{
    shown.push_back({text, title, buttons});
    if (buttons == MsgButtons::OK)
        return MsgAnswer::OK;
    if (answers.empty()) {
        unexpected << QStringLiteral("unanswered question: ") + text;
        return MsgAnswer::No;
    }
    const MsgAnswer answer = answers.front();
    answers.pop_front();
    return answer;
}

std::optional<int> FakePlatform::AskWholeNumber(const QString& prompt, const QString& title, int least, int most, int)
{
    numberQuestions << QStringLiteral("%1|%2|%3-%4").arg(title, prompt).arg(least).arg(most);
    if (numbers.empty()) {
        unexpected << QStringLiteral("number question with no answer: ") + prompt;
        return std::nullopt;
    }
    const std::optional<int> number = numbers.front();
    numbers.pop_front();
    return number;
}

FileChoice FakePlatform::ChooseFile(FileDialogKind, const QString& title, const QStringList& filters,
                                    const QString& suggested)
{
    fileDialogs << title + u'|' + filters.join(QStringLiteral(";;")) + u'|' + suggested;
    if (fileChoices.empty()) {
        unexpected << QStringLiteral("file dialog with no choice: ") + title;
        return {};
    }
    const FileChoice choice = fileChoices.front();
    fileChoices.pop_front();
    return choice;
}

void FakePlatform::RunModal(QWidget& form)
{
    if (modalUsers.empty()) {
        unexpected << QStringLiteral("modal window with no user: ") + form.objectName();
        form.hide();
        return;
    }
    auto user = std::move(modalUsers.front());
    modalUsers.pop_front();
    form.show();
    user(form);
}
