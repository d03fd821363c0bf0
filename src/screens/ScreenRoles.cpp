#include "ScreenRoles.h"

#include "Form.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace {

class ScreenAccessible : public QAccessibleWidget {
public:
    explicit ScreenAccessible(Form* screen) : QAccessibleWidget(screen) {}

    QAccessible::Role role() const override
    {
        return static_cast<const Form*>(widget())->IsDialog() ? QAccessible::Dialog : QAccessible::Window;
    }
};

QAccessibleInterface* ScreenRoleFactory(const QString&, QObject* object)
{
    if (auto* screen = qobject_cast<Form*>(object))
        return new ScreenAccessible(screen);
    if (auto* alert = qobject_cast<AlertLabel*>(object))
        return new QAccessibleWidget(alert, QAccessible::AlertMessage);
    return nullptr;
}

}

void InstallScreenRoles()
{
    static const bool installed = [] {
        QAccessible::installFactory(ScreenRoleFactory);
        return true;
    }();
    (void)installed;
}

AlertLabel::AlertLabel(QWidget* parent) : QLabel(parent)
{
    InstallScreenRoles();
    setTextFormat(Qt::PlainText);
}

// Screen readers present an alert when it becomes visible, so it is shown afresh.
void AlertLabel::Announce(const QString& mark, const QString& words)
{
    setText(mark + u' ' + words);
    setAccessibleName(words);
    hide();
    show();
}
