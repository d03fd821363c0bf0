#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <optional>

// A question's picture as stored: the encoded bytes, their format ("png",
// "jpeg", "gif", "bmp", "webp"), the size in pixels and the description read
// to students who cannot see it.
struct Picture {
    QByteArray bytes;
    QString format;
    int width = 0;
    int height = 0;
    QString description;

    bool operator==(const Picture&) const = default;
};

// Pictures from files, checked and made fit for storing; no widget.
namespace Pictures {

// A stored picture is at most this many pixels wide and high, and one
// within that size is kept as it came when it is no larger than
// KeptBytes; any other is scaled down and encoded again.
constexpr int LargestSide = 1600;
constexpr qsizetype KeptBytes = 1'000'000;
// A file larger than this is refused before it is decoded.
constexpr qsizetype LargestFile = 50'000'000;
constexpr int LongestDescription = 250;

struct Prepared {
    std::optional<Picture> picture;  // without a description yet
    QString refusal;                 // why the bytes give no picture
};
// The picture the bytes hold (PNG, JPEG, GIF, BMP or WebP), ready to store.
Prepared FromBytes(const QByteArray& bytes);
Prepared FromFile(const QString& path);
// The picture in base64 text, blanks and line breaks in it ignored.
Prepared FromBase64(QByteArray text);

// Why the description cannot be stored with a picture; empty when it can.
QString DescriptionRefusal(const QString& description);

// The picture's pixels; a null image when the bytes cannot be decoded.
QImage Image(const Picture& picture);

// "data:image/png;base64,..." and back: the picture a data URI holds in
// base64 (any image type Qt reads, whatever type the URI names), or why not.
QString DataUri(const Picture& picture);
Prepared FromDataUri(QStringView uri);

// Gives an imported picture the alt text of its <img> as its description:
// a missing one becomes "Picture" (stored, so the same in every language),
// a longer one is cut to LongestDescription characters. Gives the note that
// tells the teacher so, empty when the alt text was taken as it is.
QString Describe(Picture& picture, const QString& alt);

}
