#pragma once

#include <QByteArray>
#include <QColor>
#include <QStringList>
#include <QVariant>

class QImage;
class FakePlatform;
class TestEnv;
class frmEntry;
class QLineEdit;
class QListWidget;
class QPushButton;
class frmAdmin;

// What a user does with the mouse and keyboard, shared by the test programs.

// A picture's file as a program writes it ("PNG", "JPEG", "BMP").
QByteArray Encoded(const QImage& image, const char* format = "PNG");
// A PNG file of one colour.
QByteArray FilledPng(int width, int height, const QColor& colour);

void Click(QPushButton* button);
// Types like a user; text QTest cannot type as keys goes in as input does.
void TypeInto(QLineEdit* box, const QString& text);
// Picks a row as a user does, with a mouse click on it.
void PickRow(QListWidget* list, int row);
// Every row's text, top to bottom.
QStringList Rows(const QListWidget* list);
// The index of the row that carries record number `number`, or -1.
int RowOfNumber(const QListWidget* list, qint64 number);
// Shows the sign-in screen, types the name and password and clicks OK.
frmEntry& SignInAs(const QString& name, const QString& password);
// Starts the program and signs the administrator in on the sign-in screen.
frmAdmin& SignInAdmin();
// The last message box as "text|title|OK" or "text|title|YesNo", or "no box".
QString LastBox(const FakePlatform& fake);

// An attempt stored straight: slots 1 to 5 as given (a Null QVariant for
// none), every later slot `later`; dated when it has a grade.
void AddAttempt(TestEnv& env, qint64 student, qint64 test, const QVariant& grade, const QVariantList& firstFive,
                const QVariant& later = {});

// vornick-admin run from a shell, copied beside the test's database as it is
// installed beside the program (so it finds that database, or on a server run
// its VornickTest.ini; on a lab run the owner's, as the technician runs it);
// -1 as the code when it crashed or hung.
struct ToolRun {
    int code = -1;
    QString out;
    QString err;
};
ToolRun RunAdminTool(TestEnv& env, const QStringList& arguments);
