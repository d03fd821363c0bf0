#include "Picture.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QImageReader>
#include <QImageWriter>
#include <QSet>

namespace {

const QStringList KnownFormats{QStringLiteral("png"), QStringLiteral("jpeg"), QStringLiteral("gif"),
                               QStringLiteral("bmp"), QStringLiteral("webp")};

QString FormatOf(const QByteArray& readerFormat)
{
    const QString format = QString::fromLatin1(readerFormat).toLower();
    return format == QLatin1String("jpg") ? QStringLiteral("jpeg") : format;
}

// A drawing (transparency, or at most 256 colours among the pixels looked
// at) keeps its edges as PNG; a photograph is smaller as JPEG.
bool IsDrawing(const QImage& image)
{
    if (image.hasAlphaChannel())
        return true;
    QSet<QRgb> colours;
    const int step = std::max(1, std::max(image.width(), image.height()) / 400);
    for (int y = 0; y < image.height(); y += step) {
        for (int x = 0; x < image.width(); x += step) {
            colours.insert(image.pixel(x, y));
            if (colours.size() > 256)
                return false;
        }
    }
    return true;
}

Picture Encoded(QImage image)
{
    if (image.width() > Pictures::LargestSide || image.height() > Pictures::LargestSide)
        image = image.scaled(Pictures::LargestSide, Pictures::LargestSide, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    const bool drawing = IsDrawing(image);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, drawing ? "png" : "jpeg");
    if (!drawing)
        writer.setQuality(85);
    writer.write(drawing ? image : image.convertToFormat(QImage::Format_RGB32));
    return {bytes, drawing ? QStringLiteral("png") : QStringLiteral("jpeg"), image.width(), image.height(), {}};
}

}

Pictures::Prepared Pictures::FromBytes(const QByteArray& bytes)
{
    if (bytes.size() > LargestFile)
        return {std::nullopt, QCoreApplication::translate("Pictures", "The file is larger than 50 MB, too large for a question's picture.")};
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    const QString format = FormatOf(reader.format());
    if (!KnownFormats.contains(format))
        return {std::nullopt, QCoreApplication::translate("Pictures", "The file is not a picture this program can show "
                                 "(PNG, JPEG, GIF, BMP or WebP).")};
    const QImage image = reader.read();
    if (image.isNull())
        return {std::nullopt, QCoreApplication::translate("Pictures", "The picture in the file cannot be read: %1.").arg(reader.errorString())};
    if (image.width() <= LargestSide && image.height() <= LargestSide && bytes.size() <= KeptBytes)
        return {Picture{bytes, format, image.width(), image.height(), {}}, {}};
    return {Encoded(image), {}};
}

Pictures::Prepared Pictures::FromFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {std::nullopt, QCoreApplication::translate("Pictures", "The file %1 cannot be opened: %2.").arg(path, file.errorString())};
    return FromBytes(file.read(LargestFile + 1));
}

QString Pictures::DescriptionRefusal(const QString& description)
{
    if (description.trimmed().isEmpty())
        return QCoreApplication::translate("Pictures", "A picture needs a description for students who cannot see it. "
                  "Type one in the box under the picture, or remove the picture.");
    if (description.size() > LongestDescription)
        return QCoreApplication::translate("Pictures", "A picture's description may have at most %n characters; this one has %1.",
                                           nullptr, LongestDescription)
            .arg(description.size());
    return {};
}

QImage Pictures::Image(const Picture& picture)
{
    return QImage::fromData(picture.bytes, picture.format.toLatin1().constData());
}

QString Pictures::DataUri(const Picture& picture)
{
    return QStringLiteral("data:image/%1;base64,").arg(picture.format) + QString::fromLatin1(picture.bytes.toBase64());
}

Pictures::Prepared Pictures::FromDataUri(QStringView uri)
{
    const qsizetype comma = uri.indexOf(u',');
    if (!uri.startsWith(QLatin1String("data:image/"), Qt::CaseInsensitive) || comma < 0
        || !uri.left(comma).endsWith(QLatin1String(";base64"), Qt::CaseInsensitive))
        return {std::nullopt, QCoreApplication::translate("Pictures", "The data: URI holds no picture in base64 "
                                                                      "(data:image/…;base64,…).")};
    return FromBase64(uri.mid(comma + 1).toLatin1());
}

QString Pictures::Describe(Picture& picture, const QString& alt)
{
    picture.description = alt.trimmed();
    if (picture.description.isEmpty()) {
        picture.description = QStringLiteral("Picture");
        return QCoreApplication::translate("Pictures", "its picture has no alt text; write a description for it in the "
                                                       "question editor.");
    }
    if (picture.description.size() > LongestDescription) {
        const qsizetype length = picture.description.size();
        // Never half of a character beyond the BMP.
        picture.description.truncate(picture.description[LongestDescription - 1].isHighSurrogate() ? LongestDescription - 1
                                                                                                   : LongestDescription);
        return QCoreApplication::translate("Pictures", "its picture's alt text has %n characters; the first %1 are its "
                                                       "description.", nullptr, int(length))
            .arg(LongestDescription);
    }
    return {};
}

Pictures::Prepared Pictures::FromBase64(QByteArray text)
{
    text.replace(' ', "").replace('\n', "").replace('\r', "").replace('\t', "");
    auto decoded = QByteArray::fromBase64Encoding(text, QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded)
        return {std::nullopt, QCoreApplication::translate("Pictures", "The picture's base64 text is damaged.")};
    return FromBytes(*decoded);
}
