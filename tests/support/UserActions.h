#pragma once

#include <QStringList>

class QLineEdit;
class QListWidget;
class QPushButton;
class frmAdmin;

// What a user does with the mouse and keyboard, shared by the test programs.

void Click(QPushButton* button);
// Types like a user; text QTest cannot type as keys goes in as input does.
void TypeInto(QLineEdit* box, const QString& text);
// Picks a row as a user does, with a mouse click on it.
void PickRow(QListWidget* list, int row);
// Every row's text, top to bottom.
QStringList Rows(const QListWidget* list);
// The index of the row that carries record number `number`, or -1.
int RowOfNumber(const QListWidget* list, qint64 number);
// Starts the program and signs the administrator in on the sign-in screen.
frmAdmin& SignInAdmin();
