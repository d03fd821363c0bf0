#pragma once

#include "exchange/Picture.h"

#include <QImage>
#include <QWidget>
#include <optional>

class QDialog;

// A question's picture on the test and review screens: as large as the
// space the window gives it allows, never larger than its own size, with
// its description as what a screen reader reads. Enter, Return or a click
// opens it at full size in a window of its own that Escape closes. Hidden
// while the slot has no picture, so the screen is then laid out as without it.
class PictureView : public QWidget {
    Q_OBJECT

public:
    explicit PictureView(QWidget* parent);

    void Show(const std::optional<Picture>& picture);
    // The size it is drawn at in the space it has now.
    QSize ShownSize() const;
    // Opens the full-size window; it is the view's child and goes with it.
    QDialog* OpenFullSize();

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QImage image_;
    QString description_;
};
