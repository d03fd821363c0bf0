#include "BenchPictures.h"

#include <QBuffer>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QtMath>
#include <cstdint>

namespace {

QByteArray Encoded(const QImage& image, const char* format, int quality = -1)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    if (quality >= 0)
        writer.setQuality(quality);
    writer.write(image);
    return bytes;
}

// Smooth colour fields (sky, hills, light) plus grain of `grain` levels.
QImage PhotographImage(QSize size, int grain, int seed)
{
    QImage image(size, QImage::Format_RGB32);
    std::uint32_t random = 2463534242u + static_cast<std::uint32_t>(seed) * 7919u;
    const auto next = [&random] {  // xorshift: the same grain every run
        random ^= random << 13;
        random ^= random >> 17;
        random ^= random << 5;
        return random;
    };
    const double phase = seed * 0.7;
    for (int y = 0; y < size.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            const double u = static_cast<double>(x) / size.width();
            const double v = static_cast<double>(y) / size.height();
            const double hills = 0.5 + 0.5 * qSin(6.0 * u + phase) * qCos(4.0 * v - phase);
            const int noise = grain > 0 ? static_cast<int>(next() % static_cast<std::uint32_t>(2 * grain + 1)) - grain : 0;
            const auto channel = [noise](double value) { return qBound(0, static_cast<int>(value) + noise, 255); };
            line[x] = qRgb(channel(60 + 150 * hills * (1 - v)), channel(90 + 120 * v + 30 * hills),
                           channel(200 - 140 * v + 40 * u));
        }
    }
    return image;
}

}

QByteArray BenchPictures::Photograph(QSize size, qsizetype bytes, int seed)
{
    // More grain, more bytes: halve the range of grains until the size is near.
    int low = 0;
    int high = 128;
    QByteArray best;
    while (low <= high) {
        const int grain = (low + high) / 2;
        QByteArray jpeg = Encoded(PhotographImage(size, grain, seed), "jpeg", 85);
        const qsizetype got = jpeg.size();
        if (best.isEmpty() || qAbs(got - bytes) < qAbs(best.size() - bytes))
            best = std::move(jpeg);
        if (qAbs(got - bytes) * 20 <= bytes)
            break;
        if (got < bytes)
            low = grain + 1;
        else
            high = grain - 1;
    }
    return best;
}

QByteArray BenchPictures::Drawing(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(220, 220, 220), 1));
    for (int x = 0; x < size.width(); x += 40)
        painter.drawLine(x, 0, x, size.height());
    for (int y = 0; y < size.height(); y += 40)
        painter.drawLine(0, y, size.width(), y);
    const QPointF centre(size.width() / 2.0, size.height() / 2.0);
    const double radius = std::min(size.width(), size.height()) * 0.4;
    painter.setPen(QPen(Qt::black, 3));
    painter.drawEllipse(centre, radius, radius);
    const QPointF a = centre + QPointF(0, -radius);
    const QPointF b = centre + QPointF(-radius * 0.866, radius * 0.5);
    const QPointF c = centre + QPointF(radius * 0.866, radius * 0.5);
    painter.setPen(QPen(Qt::blue, 4));
    painter.drawPolygon(QPolygonF{a, b, c});
    painter.setPen(Qt::black);
    QFont font = painter.font();
    font.setPixelSize(28);
    painter.setFont(font);
    painter.drawText(a + QPointF(10, -10), QStringLiteral("A"));
    painter.drawText(b + QPointF(-34, 20), QStringLiteral("B"));
    painter.drawText(c + QPointF(12, 20), QStringLiteral("C"));
    painter.drawText(QPointF(20, 40), QStringLiteral("r = 5 cm"));
    painter.end();
    return Encoded(image, "png");
}
