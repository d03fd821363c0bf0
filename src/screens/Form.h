#pragma once

#include "app/ErrorPolicy.h"

#include <QWidget>

#include <optional>
#include <vector>

class QAbstractButton;
class QCloseEvent;
class QKeySequence;
class QLineEdit;
class QListWidget;
class QPushButton;
class QPaintEvent;
class QShowEvent;

// The base of every screen: a top-level window whose controls are members
// named like the screen's controls and whose handlers are methods named like
// the screen's events. Handlers wired to widgets run through RunGuarded;
// other screens and tests may call them directly.
class Form : public QWidget {
    Q_OBJECT

public:
    explicit Form(const QString& formName);

    virtual void Form_Load() {}
    virtual void Form_QueryUnload() {}

    // Modeless show; does nothing on a form that has been unloaded.
    void Show();
    void Hide();

    bool IsUnloaded() const { return unloaded_; }
    bool IsUnloading() const { return unloading_; }
    void MarkUnloading() { unloading_ = true; }
    void MarkUnloaded() { unloaded_ = true; }
    // A screen shown modally is a dialog to screen readers.
    void MarkDialog() { dialog_ = true; }
    bool IsDialog() const { return dialog_; }

    // Runs `step` (guarded) once this screen has been drawn for the first
    // time after now: work the user need not wait for before seeing it.
    void OnceDrawn(std::function<void()> step);

    // The text of a list's selected row, or "" when none is selected.
    static QString SelectedText(const QListWidget* list);
    // Adds a row whose text is what the user sees and hears, and which
    // carries the number of the record it stands for as its data.
    static void AddKeyedRow(QListWidget& list, const QString& text, qint64 key);
    // Replaces every row of `list` with `texts`, each keyed by the number at
    // the same place in `keys`; one insertion for the lot, so a list of
    // thousands is laid out once rather than once per row.
    static void SetKeyedRows(QListWidget& list, const QStringList& texts, const std::vector<qint64>& keys);
    // The record number the selected row carries; none without a selection.
    static std::optional<qint64> SelectedKey(const QListWidget* list);

protected:
    // Closing the window by its frame. By default the screen is unloaded,
    // which runs its Form_QueryUnload.
    virtual void CloseByFrame();

    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

    // Escape presses `button` (a Cancel or a Done that closes the screen).
    void PressOnEscape(QAbstractButton* button);

    template <class Derived>
    void OnClick(QAbstractButton* button, void (Derived::*handler)());
    // The Enter key in a text box, delivered as character code 13.
    template <class Derived>
    void OnEnter(QLineEdit* box, void (Derived::*handler)(int keyAscii));
    // A list's Click: runs whenever a row becomes the selected one, by mouse or keyboard.
    template <class Derived>
    void OnRowChange(QListWidget* list, void (Derived::*handler)());

private:
    std::vector<std::function<void()>> onceDrawn_;

    void CenterOnFirstShow();
    void PrepareKeyboardOnFirstShow();
    void NameBuddiesByTheirLabels();
    void ConnectClick(QAbstractButton* button, std::function<void()> run);
    void ConnectEnter(QLineEdit* box, std::function<void()> run);
    void ConnectRowChange(QListWidget* list, std::function<void()> run);

    bool unloading_ = false;
    bool unloaded_ = false;
    bool dialog_ = false;
    bool placed_ = false;
    bool keyboardReady_ = false;
};

// A push button with its caption and the object name it is found by.
QPushButton* NamedButton(const QString& caption, const QString& name, QWidget* parent);

// The width a button of the program's screens keeps: its caption with a
// letter's width of room on either side.
int ButtonWidthWithRoom(const QPushButton& button);

// The arrow buttons that step between question slots: Page Up and Alt+Left
// press the previous one, Page Down and Alt+Right the next one; their
// tooltips name the keys.
void GiveStepKeys(QAbstractButton* previous, QAbstractButton* next);

template <class Derived>
void Form::OnClick(QAbstractButton* button, void (Derived::*handler)())
{
    auto* self = static_cast<Derived*>(this);
    ConnectClick(button, [self, handler] { RunGuarded([&] { (self->*handler)(); }); });
}

template <class Derived>
void Form::OnEnter(QLineEdit* box, void (Derived::*handler)(int))
{
    auto* self = static_cast<Derived*>(this);
    ConnectEnter(box, [self, handler] { RunGuarded([&] { (self->*handler)(13); }); });
}

template <class Derived>
void Form::OnRowChange(QListWidget* list, void (Derived::*handler)())
{
    auto* self = static_cast<Derived*>(this);
    ConnectRowChange(list, [self, handler] { RunGuarded([&] { (self->*handler)(); }); });
}
