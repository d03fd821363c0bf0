#include "Form.h"

#include "ScreenRoles.h"
#include "Screens.h"
#include "app/Platform.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QGuiApplication>
#include <QScreen>
#include <QShortcut>
#include <QTimer>
#include <algorithm>

Form::Form(const QString& formName)
{
    InstallScreenRoles();
    setObjectName(formName);
    setAttribute(Qt::WA_DeleteOnClose, false);
    // F1 opens the user guide from every screen, at the section named like the screen.
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

void Form::SetKeyedRows(QListWidget& list, const QStringList& texts, const std::vector<qint64>& keys)
{
    list.clear();
    list.addItems(texts);
    for (int row = 0; row < list.count(); ++row)
        list.item(row)->setData(Qt::UserRole, keys[static_cast<std::size_t>(row)]);
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
    PrepareKeyboardOnFirstShow();
    QWidget::showEvent(event);
}

void Form::OnceDrawn(std::function<void()> step) { onceDrawn_.push_back(std::move(step)); }

// The steps wait for the end of the paint, so the drawn screen reaches the
// display before them.
void Form::paintEvent(QPaintEvent* event)
{
    if (!onceDrawn_.empty())
        QTimer::singleShot(0, this, [steps = std::exchange(onceDrawn_, {})] {
            for (const std::function<void()>& step : steps)
                RunGuarded(step);
        });
    QWidget::paintEvent(event);
}

namespace {

void CollectLaidOut(QLayout& layout, QList<QWidget*>& inOrder)
{
    for (int i = 0; i < layout.count(); ++i) {
        QLayoutItem* item = layout.itemAt(i);
        if (item->widget())
            inOrder.append(item->widget());
        else if (item->layout())
            CollectLaidOut(*item->layout(), inOrder);
    }
}

// Screen readers go through a window's controls in the order they were
// created; the layouts hold them in the order they stand on the screen, so
// each container's children are put in that order (raising laid-out controls,
// which never overlap, changes nothing on the screen).
void ReadInLayoutOrder(QWidget& container)
{
    if (!container.layout())
        return;
    QList<QWidget*> inOrder;
    CollectLaidOut(*container.layout(), inOrder);
    for (QWidget* widget : inOrder) {
        widget->raise();
        ReadInLayoutOrder(*widget);
    }
}

}

int ButtonWidthWithRoom(const QPushButton& button)
{
    const QFontMetrics metrics = button.fontMetrics();
    return metrics.horizontalAdvance(button.text().remove(u'&')) + 2 * metrics.horizontalAdvance(u'M') + 2 * metrics.height();
}

// Buttons press on Enter when they hold the focus, as the older platform's
// did (Qt does so only in dialogs), and keep a letter's width of room on
// either side of their captions; the form watches its controls' keys, and
// screen readers get every control's name in the order of the screen.
void Form::PrepareKeyboardOnFirstShow()
{
    if (keyboardReady_)
        return;
    keyboardReady_ = true;
    for (QPushButton* button : findChildren<QPushButton*>()) {
        button->setAutoDefault(true);
        button->setMinimumWidth(ButtonWidthWithRoom(*button));
    }
    for (QWidget* widget : findChildren<QWidget*>())
        widget->installEventFilter(this);
    NameBuddiesByTheirLabels();
    ReadInLayoutOrder(*this);
}

// Screen readers name a text box by its label but not a list; every control
// with a label is given the label's words as its name.
void Form::NameBuddiesByTheirLabels()
{
    for (const QLabel* label : findChildren<QLabel*>()) {
        QWidget* buddy = label->buddy();
        if (!buddy || !buddy->accessibleName().isEmpty())
            continue;
        QString words = label->text().remove(u'&').simplified();
        if (words.endsWith(u':'))
            words.chop(1);
        buddy->setAccessibleName(words);
    }
}

namespace {

// An Alt+letter reaches a control as a key press only when no control owns
// it as its mnemonic; a text box would type the letter.
bool IsUnownedAltLetter(const QKeyEvent& key)
{
    const Qt::KeyboardModifiers modifiers = key.modifiers();
    return modifiers.testFlag(Qt::AltModifier) && !modifiers.testFlag(Qt::ControlModifier) && !key.text().isEmpty()
        && key.text().at(0).isPrint();
}

}

bool Form::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && IsUnownedAltLetter(*static_cast<QKeyEvent*>(event)))
        return true;
    return QWidget::eventFilter(watched, event);
}

void Form::PressOnEscape(QAbstractButton* button)
{
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setContext(Qt::WindowShortcut);
    connect(escape, &QShortcut::activated, button, &QAbstractButton::click);
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

namespace {

void PressOnKeys(QAbstractButton* button, const QList<QKeySequence>& keys)
{
    QStringList names;
    for (const QKeySequence& key : keys) {
        auto* shortcut = new QShortcut(key, button);
        shortcut->setContext(Qt::WindowShortcut);
        QObject::connect(shortcut, &QShortcut::activated, button, &QAbstractButton::click);
        names << key.toString(QKeySequence::NativeText);
    }
    button->setToolTip(button->accessibleName() + QStringLiteral(" (") + names.join(QStringLiteral(", ")) + u')');
}

}

void GiveStepKeys(QAbstractButton* previous, QAbstractButton* next)
{
    PressOnKeys(previous, {QKeySequence(Qt::Key_PageUp), QKeySequence(Qt::ALT | Qt::Key_Left)});
    PressOnKeys(next, {QKeySequence(Qt::Key_PageDown), QKeySequence(Qt::ALT | Qt::Key_Right)});
}
