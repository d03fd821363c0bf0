#include "Form.h"

#include "Screens.h"
#include "app/Platform.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QGuiApplication>
#include <QScreen>
#include <QShortcut>

Form::Form(const QString& formName)
{
    setObjectName(formName);
    setAttribute(Qt::WA_DeleteOnClose, false);
    // F1 opens the user guide from every screen.
    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    help->setContext(Qt::WindowShortcut);
    connect(help, &QShortcut::activated, this, [this] { platform().ShowHelp(this); });
}

void Form::Show()
{
    if (unloaded_)
        return;
    show();
    raise();
    activateWindow();
}

void Form::Hide() { hide(); }

// A screen opens in the middle of the screen the first time; after that it
// stays where the user put it.
void Form::CenterOnFirstShow()
{
    if (placed_)
        return;
    placed_ = true;
    if (!testAttribute(Qt::WA_Resized))
        adjustSize();
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
}

QString Form::SelectedText(const QListWidget* list)
{
    const QListWidgetItem* item = list->currentItem();
    return item && item->isSelected() ? item->text() : QString();
}

void Form::AddKeyedRow(QListWidget& list, const QString& text, qint64 key)
{
    auto* item = new QListWidgetItem(text, &list);
    item->setData(Qt::UserRole, key);
}

std::optional<qint64> Form::SelectedKey(const QListWidget* list)
{
    const QListWidgetItem* item = list->currentItem();
    if (!item || !item->isSelected() || !item->data(Qt::UserRole).isValid())
        return std::nullopt;
    return item->data(Qt::UserRole).toLongLong();
}

void Form::showEvent(QShowEvent* event)
{
    CenterOnFirstShow();
    QWidget::showEvent(event);
}

void Form::CloseByFrame() { Screens::Unload(*this); }

void Form::closeEvent(QCloseEvent* event)
{
    // The screen decides what closing means; Qt never closes it on its own.
    event->ignore();
    if (!unloading_ && !unloaded_)
        RunGuarded([this] { CloseByFrame(); });
}

void Form::ConnectClick(QAbstractButton* button, std::function<void()> run)
{
    connect(button, &QAbstractButton::clicked, this, std::move(run));
}

void Form::ConnectEnter(QLineEdit* box, std::function<void()> run)
{
    connect(box, &QLineEdit::returnPressed, this, std::move(run));
}

// A row counts as picked when it becomes the selected row, by mouse or by
// keyboard. A list that only receives the focus makes its first row current
// without selecting it; that is no pick, and a click on that row afterwards
// must still count as one, so the selection is followed, not the current row.
void Form::ConnectRowChange(QListWidget* list, std::function<void()> run)
{
    connect(list, &QListWidget::itemSelectionChanged, this, [list, run = std::move(run)] {
        if (!SelectedText(list).isEmpty())
            run();
    });
}

QPushButton* NamedButton(const QString& caption, const QString& name, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    return button;
}
