#pragma once

#include <QLabel>

// What screen readers are told each screen and notice is. Without this a
// screen, a plain top-level widget, is exposed as a "filler".

// Makes every screen a window (a dialog once it is shown modally) to screen
// readers. Installed once, before the first screen is created.
void InstallScreenRoles();

// A short notice that screen readers announce as an alert each time it is
// shown: its words are its accessible name, set with its text.
class AlertLabel : public QLabel {
    Q_OBJECT

public:
    explicit AlertLabel(QWidget* parent);

    // Shows `words` after `mark` and announces the words.
    void Announce(const QString& mark, const QString& words);
};
