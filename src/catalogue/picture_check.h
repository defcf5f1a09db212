#pragma once
// Whether downloaded bytes are a picture the terminal may store: a whole PNG within its limits.
// A proxy's HTML page, a cut transfer or a picture too large to show must never replace a good one.
#include <QByteArray>
#include <QString>
#include <functional>

namespace sumbrel {

inline constexpr int kMaxPictureSide = 4096;

struct PictureVerdict {
    bool ok = false;
    int width = 0;
    int height = 0;
    QString why;  // what is wrong, when not ok
};

// The PNG's structure: the signature, every chunk whole with its CRC, IHDR first with a size within
// kMaxPictureSide, image data, and IEND last.
PictureVerdict CheckPng(const QByteArray& bytes);

// A full decode, for the screens to hand in (the image library is theirs); false with why.
using PictureDecoder = std::function<bool(const QByteArray& bytes, QString* why)>;

// A menu or logo number that may name a URL or a file: digits only.
bool IsPictureNumber(const QString& number);

}  // namespace sumbrel
