#include "PictureView.h"

#include <QDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QPixmap>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>
#include <QtConcurrent/QtConcurrentRun>

namespace {

// Below this share of its own size a picture's labels are hard to read.
constexpr double SmallestShare = 0.6;

// The height a window's frame adds above its inside: the title bar and a
// border.
int TitleBar(const QWidget& window)
{
    return window.style()->pixelMetric(QStyle::PM_TitleBarHeight) + 2 * window.style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
}

// What is kept free around a window on the screen, besides its title bar.
constexpr int Margin = 16;

}

QSize PictureView::WindowRoom(const QWidget& window)
{
    const QScreen* screen = window.screen();
    const QSize free = screen ? screen->availableSize() : QSize(800, 600);
    return free - QSize(Margin, TitleBar(window) + Margin);
}

PictureView::PictureView(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("picQuestion"));
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setAccessibleName(tr("Picture"));
    setAccessibleDescription(tr("Press Enter to see it full size."));
    hide();
}

void PictureView::Show(const std::optional<Picture>& picture)
{
    if (decoding_)  // a picture still being decoded is no longer wanted
        std::exchange(decoding_, nullptr)->deleteLater();
    image_ = QImage();
    natural_ = picture ? QSize(picture->width, picture->height) : QSize();
    description_ = picture ? picture->description : QString();
    setAccessibleName(description_.isEmpty() ? tr("Picture") : description_);
    setToolTip(description_);
    setVisible(!natural_.isEmpty());  // one stored without its size shows once decoded
    updateGeometry();
    update();
    if (!picture)
        return;
    auto* watcher = new QFutureWatcher<QImage>(this);
    decoding_ = watcher;
    connect(watcher, &QFutureWatcher<QImage>::finished, this, [this, watcher] {
        if (watcher == decoding_)
            TakeDecoded();
    });
    watcher->setFuture(QtConcurrent::run([shown = *picture] { return Pictures::Image(shown); }));
}

void PictureView::Reserve(const QSize& size)
{
    Show(std::nullopt);
    natural_ = size;
    setVisible(!natural_.isEmpty());
    updateGeometry();
}

void PictureView::TakeDecoded()
{
    image_ = decoding_->result();
    std::exchange(decoding_, nullptr)->deleteLater();
    if (image_.isNull()) {
        natural_ = QSize();
        hide();  // stored bytes that are no picture: the slot shows as one without
    } else if (image_.size() != natural_) {
        natural_ = image_.size();
        show();
        updateGeometry();
    }
    update();
    emit DecodingEnded();
}

QSize PictureView::ShownSize() const
{
    if (natural_.isEmpty())
        return {};
    return natural_.width() <= width() && natural_.height() <= height() ? natural_
                                                                         : natural_.scaled(size(), Qt::KeepAspectRatio);
}

QSize PictureView::sizeHint() const { return natural_; }

// 60% of its own size, or less where the screen has not that much room for
// the picture beside the rest of the window (half its height).
QSize PictureView::minimumSizeHint() const
{
    if (natural_.isEmpty())
        return {};
    const QSize least = natural_ * SmallestShare;
    const QSize room = WindowRoom(*window());
    const QSize most(room.width() - 40, room.height() / 2);
    return least.width() <= most.width() && least.height() <= most.height() ? least
                                                                               : least.scaled(most, Qt::KeepAspectRatio);
}

int PictureView::heightForWidth(int width) const
{
    if (natural_.isEmpty())
        return 0;
    return std::min(natural_.height(), width * natural_.height() / natural_.width());
}

void PictureView::paintEvent(QPaintEvent*)
{
    if (image_.isNull())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QSize shown = ShownSize();
    const QRect target(QPoint((width() - shown.width()) / 2, 0), shown);
    painter.drawImage(target, image_);
    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
        painter.drawRect(target.adjusted(1, 1, -1, -1));
    }
}

void PictureView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        OpenFullSize();
    QWidget::mouseReleaseEvent(event);
}

void PictureView::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        OpenFullSize();
    else
        QWidget::keyPressEvent(event);
}

QDialog* PictureView::OpenFullSize()
{
    if (decoding_) {  // asked for before its pixels came
        decoding_->waitForFinished();
        TakeDecoded();
    }
    if (image_.isNull())
        return nullptr;
    auto* window = new QDialog(this);
    window->setObjectName(QStringLiteral("PictureWindow"));
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowTitle(tr("Picture"));
    auto* picture = new QLabel(window);
    picture->setObjectName(QStringLiteral("picFullSize"));
    picture->setAccessibleName(description_.isEmpty() ? tr("Picture") : description_);
    auto* layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(picture);
    const QRect area = FullSizeArea();
    // Whole or, where the free area is smaller, scaled down whole: never cut
    // under a scroll bar.
    const QSize shown = image_.width() <= area.width() && image_.height() <= area.height()
        ? image_.size()
        : image_.size().scaled(area.size(), Qt::KeepAspectRatio);
    picture->setPixmap(QPixmap::fromImage(image_.scaled(shown, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
    window->setFixedSize(shown);
    // Over the picture's place, centred on it where the free area allows.
    const int centre = mapToGlobal(rect().center()).x();
    const int left = std::clamp(centre - shown.width() / 2, area.left(), area.right() + 1 - shown.width());
    window->move(left, area.top() - TitleBar(*window));
    window->show();
    return window;
}

// The part of the screen the full-size window's inside may take, down to
// the bottom of the screen's free area: from the top of the picture's place,
// or higher where that leaves less than half the screen, but never over the
// widget kept in sight.
QRect PictureView::FullSizeArea() const
{
    const QRect free = screen() ? screen()->availableGeometry() : QRect(0, 0, 800, 600);
    int frameTop = std::min(mapToGlobal(QPoint(0, 0)).y(), free.top() + free.height() / 2);
    if (keptInSight_)
        frameTop = std::max(frameTop, keptInSight_->mapToGlobal(QPoint(0, keptInSight_->height())).y() + 4);
    const int top = frameTop + TitleBar(*this);
    return QRect(QPoint(free.left() + 8, top), QPoint(free.right() - 8, std::max(top + 32, free.bottom() - 8)));
}
