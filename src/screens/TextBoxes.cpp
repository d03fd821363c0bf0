#include "TextBoxes.h"

#include <QLineEdit>

#include <QPlainTextEdit>
#include <QTextDocument>

QString BoxText(const QPlainTextEdit& box)
{
    QString text = box.document()->toRawText();
    for (QChar& c : text) {
        if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator)
            c = u'\n';
    }
    return text;
}

void UseAsFieldBox(QPlainTextEdit& box)
{
    box.setTabChangesFocus(true);
}

void UseAsPasswordBox(QLineEdit& box)
{
    box.setEchoMode(QLineEdit::Password);
    box.setStyleSheet(QStringLiteral("lineedit-password-character: 42"));
}
