#pragma once

#include "exchange/Picture.h"

#include <QFutureWatcher>
#include <QImage>
#include <QWidget>
#include <optional>

class QDialog;

// A question's picture on the test and review screens: as large as the
// space the window gives it allows, never larger than its own size nor
// smaller than 60% of it while the screen has room, with its description as
// its name for a screen reader. Enter, Return or a click opens it at full
// size in a window of its own that Escape closes, placed over the picture's
// place and never over the widget kept in sight (the clock). Hidden while
// the slot has no picture, so the screen is then laid out as without it.
// The picture is decoded away from the screen's thread: the slot's texts show
// at once, in a layout that already keeps the picture's room (its stored
// size), and the pixels follow when they are ready.
class PictureView : public QWidget {
    Q_OBJECT

public:
    explicit PictureView(QWidget* parent);

    // Shows `picture`, or hides the view for none; a picture shown before
    // whose decoding has not ended is dropped.
    void Show(const std::optional<Picture>& picture);
    // Whether the pixels of the picture shown are drawn (false for none, or
    // for bytes that turned out not to be a picture: the view is then hidden).
    bool Decoded() const { return !image_.isNull(); }
    // Keeps room for a picture of `size` in the layout, with nothing drawn,
    // until the next Show.
    void Reserve(const QSize& size);
    // The size it is drawn at in the space it has now.
    QSize ShownSize() const;
    // Opens the full-size window; it is the view's child and goes with it.
    QDialog* OpenFullSize();
    // The full-size window never covers `widget` (nor anything above it).
    void KeepInSight(QWidget* widget) { keptInSight_ = widget; }
    // The most a window's inside can have on the screen `window` is on: the
    // screen's free area less the window's frame.
    static QSize WindowRoom(const QWidget& window);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

signals:
    // The picture shown was decoded, or found not to be one.
    void DecodingEnded();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void TakeDecoded();
    QRect FullSizeArea() const;

    QSize natural_;  // the picture's own size, known before it is decoded
    QImage image_;
    QString description_;
    QFutureWatcher<QImage>* decoding_ = nullptr;  // the picture shown, while it is decoded
    QWidget* keptInSight_ = nullptr;
};
