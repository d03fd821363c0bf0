#pragma once

#include <QString>
#include <functional>

// The two ways a handler treats a failing database step.
//
// RunGuarded: the step is not expected to fail; if it does, the user sees the
// engine's message and the program ends. Every handler wired to a widget runs
// through it, so no exception ever crosses Qt's event loop.
//
// IgnoreErrors: the handler has chosen to go on past failures; the failing
// step is skipped and the next one runs.
void RunGuarded(const std::function<void()>& handler);
void IgnoreErrors(const std::function<void()>& step);

// Tells the user, through the platform's notice, while the connection to a
// lab's server is lost and the program waits to store or read again.
void NoticeWaitingForServer(bool waiting);

// Runs `step`; when the database refuses it, the user sees the engine's
// message (under `title`) and the result is false. The program goes on.
bool TellFailure(const std::function<void()>& step, const QString& title = QString());

// Runs `step`; when the database refuses it and `explained()` then finds the
// refusal expected, `instead` runs in its place; any other refusal goes on up
// as it came.
void RunUnlessExplained(const std::function<void()>& step, const std::function<bool()>& explained,
                        const std::function<void()>& instead);
