#pragma once

#include <QString>
#include <QStringList>
#include <vector>

// What a printed report holds, before any printer is involved: the font, and
// the lines with their pieces of text placed at character columns. Built the
// way a line printer is driven (position to a column, print, new line), with
// the usual rule that positioning to a column the line already reaches past
// continues on the next line.
class PageModel {
public:
    struct Piece {
        int column = 1;  // 1-based character cell
        QString text;
        bool bold = false;
    };
    using Line = std::vector<Piece>;

    void SetFont(const QString& name, int pointSize);
    void SetBold(bool bold);
    void PrintAt(int column, const QString& text);
    void NewLine();
    void EndDoc();

    QString FontName() const { return fontName_; }
    int FontSize() const { return fontSize_; }
    bool Ended() const { return ended_; }
    const std::vector<Line>& Lines() const { return lines_; }

    // The lines as plain text, each piece padded to its column.
    QStringList PlainLines() const;

private:
    Line& OpenLine();
    int LineLength() const;

    QString fontName_;
    int fontSize_ = 0;
    bool bold_ = false;
    bool lineOpen_ = false;
    bool ended_ = false;
    std::vector<Line> lines_;
};
