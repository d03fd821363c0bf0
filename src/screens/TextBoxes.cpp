#include "TextBoxes.h"

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProxyStyle>
#include <QTextDocument>

namespace {

// The desktop's style, except that a password's characters show as "*"
// (where a style would show a dot): asked as one hint, with none of a
// style sheet's parsing at every start.
class StarredPasswordStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override
    {
        if (hint == SH_LineEdit_PasswordCharacter)
            return u'*';
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

// One for every password box, going with the application.
QStyle* PasswordStyle()
{
    static QPointer<StarredPasswordStyle> style;
    if (!style) {
        style = new StarredPasswordStyle;
        style->setParent(QApplication::instance());
    }
    return style;
}

}

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
    box.setStyle(PasswordStyle());
}
