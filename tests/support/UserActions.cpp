#include "UserActions.h"

#include "app/ListRows.h"
#include "data/AdminPassword.h"
#include "screens/Screens.h"
#include "screens/frmAdmin.h"
#include "screens/frmEntry.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>
#include <algorithm>

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

frmAdmin& SignInAdmin()
{
    Screens::Show<frmEntry>();
    frmEntry& entry = Screens::Get<frmEntry>();
    entry.txtName->setText(frmEntry::AdministratorName);
    entry.txtPassword->setText(AdminPassword::Default);
    Click(entry.cmdOK);
    return Screens::Get<frmAdmin>();
}
