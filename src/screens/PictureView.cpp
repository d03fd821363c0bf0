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
    image_ = picture ? Pictures::Image(*picture) : QImage();
    description_ = picture ? picture->description : QString();
    setAccessibleDescription(description_);
    setToolTip(description_);
    setVisible(!image_.isNull());
    updateGeometry();
    update();
}

QSize PictureView::ShownSize() const
{
    if (image_.isNull())
        return {};
    const QSize natural = image_.size();
    return natural.width() <= width() && natural.height() <= height() ? natural
                                                                       : natural.scaled(size(), Qt::KeepAspectRatio);
}

QSize PictureView::sizeHint() const { return image_.size(); }

QSize PictureView::minimumSizeHint() const
{
    return image_.isNull() ? QSize() : image_.size().scaled(SmallestSide, SmallestSide, Qt::KeepAspectRatio);
}

int PictureView::heightForWidth(int width) const
{
    if (image_.isNull() || image_.width() == 0)
        return 0;
    return std::min(image_.height(), width * image_.height() / image_.width());
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
