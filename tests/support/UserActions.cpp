#include "UserActions.h"

#include "TestEnv.h"
#include "rules/ListRows.h"
#include "data/AdminPassword.h"
#include "screens/Screens.h"
#include "screens/frmAdmin.h"
#include "screens/frmEntry.h"

#include <QtTest>
#include <QtWidgets>
#include <algorithm>
#include <QBuffer>
#include <QImage>

void Click(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

void TypeInto(QLineEdit* box, const QString& text)
{
    box->clear();
    const bool ascii = std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; });
    if (ascii)
        QTest::keyClicks(box, text);
    else
        box->insert(text);
}

QStringList Rows(const QListWidget* list)
{
    QStringList rows;
    for (int i = 0; i < list->count(); ++i)
        rows << list->item(i)->text();
    return rows;
}

void PickRow(QListWidget* list, int row)
{
    QListWidgetItem* item = list->item(row);
    QVERIFY(item);
    list->scrollToItem(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
    QVERIFY(item->isSelected());
}

int RowOfNumber(const QListWidget* list, qint64 number)
{
    for (int i = 0; i < list->count(); ++i)
        if (list->item(i)->data(Qt::UserRole).toLongLong() == number)
            return i;
    return -1;
}

frmEntry& SignInAs(const QString& name, const QString& password)
{
    Screens::Show<frmEntry>();
    frmEntry& entry = Screens::Get<frmEntry>();
    TypeInto(entry.txtName, name);
    TypeInto(entry.txtPassword, password);
    Click(entry.cmdOK);
    return entry;
}

frmAdmin& SignInAdmin()
{
    SignInAs(frmEntry::AdministratorName, AdminPassword::Default);
    return Screens::Get<frmAdmin>();
}

QString LastBox(const FakePlatform& fake)
{
    if (fake.shown.empty())
        return QStringLiteral("no box");
    const FakePlatform::Shown& box = fake.shown.back();
    return box.text + u'|' + box.title + (box.buttons == MsgButtons::YesNo ? QStringLiteral("|YesNo") : QStringLiteral("|OK"));
}

void AddAttempt(TestEnv& env, qint64 student, qint64 test, const QVariant& grade, const QVariantList& firstFive,
                const QVariant& later)
{
    QStringList columns{QStringLiteral("fldStudentNumber"), QStringLiteral("fldTestNumber"), QStringLiteral("fldGrade"),
                        QStringLiteral("fldDate")};
    QVariantList values{student, test, grade, grade.isNull() ? QVariant() : QVariant(QStringLiteral("1.12.2026"))};
    for (int s = 1; s <= 25; ++s) {
        columns << QStringLiteral("fldQ%1").arg(s);
        values << (s <= 5 ? firstFive.value(s - 1) : later);
    }
    const QString marks = QStringList(columns.size(), QStringLiteral("?")).join(u',');
    env.Insert(QStringLiteral("INSERT INTO Results (%1) VALUES (%2)").arg(columns.join(u','), marks), values);
}

ToolRun RunAdminTool(TestEnv& env, const QStringList& arguments)
{
    QString folder = QFileInfo(env.DatabasePath()).path();
    if (env.OnLab()) {  // the technician's copy, beside the owner's settings file, never a workstation's
        folder += QStringLiteral("/technician");
        QDir().mkpath(folder);
        env.Owner().Write(folder + u'/' + ServerSettings::FileName);
    }
    const QString tool = folder + QStringLiteral("/vornick-admin");
    if (!QFile::exists(tool))
        QFile::copy(QCoreApplication::applicationDirPath() + QStringLiteral("/vornick-admin"), tool);
    QProcess process;
    process.start(tool, arguments);
    process.waitForFinished(60000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError())};
}

QByteArray Encoded(const QImage& image, const char* format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

QByteArray FilledPng(int width, int height, const QColor& colour)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return Encoded(image);
}
