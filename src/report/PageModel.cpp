#include "PageModel.h"

void PageModel::SetFont(const QString& name, int pointSize)
{
    fontName_ = name;
    fontSize_ = pointSize;
}

void PageModel::SetBold(bool bold) { bold_ = bold; }

PageModel::Line& PageModel::OpenLine()
{
    if (!lineOpen_) {
        lines_.emplace_back();
        lineOpen_ = true;
    }
    return lines_.back();
}

int PageModel::LineLength() const
{
    if (!lineOpen_ || lines_.back().empty())
        return 0;
    const Piece& last = lines_.back().back();
    return last.column - 1 + static_cast<int>(last.text.size());
}

void PageModel::PrintAt(int column, const QString& text)
{
    column = std::max(column, 1);
    if (LineLength() >= column)
        NewLine();
    OpenLine().push_back(Piece{column, text, bold_});
}

void PageModel::NewLine()
{
    OpenLine();
    lineOpen_ = false;
}

void PageModel::EndDoc()
{
    lineOpen_ = false;
    ended_ = true;
}

QStringList PageModel::PlainLines() const
{
    QStringList plain;
    for (const Line& line : lines_) {
        QString text;
        for (const Piece& piece : line) {
            text = text.leftJustified(piece.column - 1, u' ');
            text += piece.text;
        }
        plain << text;
    }
    return plain;
}
