#include "PictureView.h"

#include <QDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QPixmap>
#include <QScrollArea>
#include <QVBoxLayout>
#include <utility>
#include <QtConcurrent/QtConcurrentRun>

namespace {

constexpr int SmallestSide = 48;

}

PictureView::PictureView(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("picQuestion"));
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setAccessibleName(tr("Picture"));
    hide();
}

void PictureView::Show(const std::optional<Picture>& picture)
{
    if (decoding_)  // a picture still being decoded is no longer wanted
        std::exchange(decoding_, nullptr)->deleteLater();
    image_ = QImage();
    natural_ = picture ? QSize(picture->width, picture->height) : QSize();
    description_ = picture ? picture->description : QString();
    setAccessibleDescription(description_);
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

QSize PictureView::minimumSizeHint() const
{
    return natural_.isEmpty() ? QSize() : natural_.scaled(SmallestSide, SmallestSide, Qt::KeepAspectRatio);
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
    picture->setPixmap(QPixmap::fromImage(image_));
    picture->setAccessibleName(tr("Picture"));
    picture->setAccessibleDescription(description_);
    auto* scroll = new QScrollArea(window);
    scroll->setWidget(picture);
    scroll->setAlignment(Qt::AlignCenter);
    auto* layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroll);
    window->resize(image_.size().boundedTo(window->screen()->availableSize() * 9 / 10) + QSize(4, 4));
    window->show();
    return window;
}
