#include "catalogue/picture_check.h"

#include <array>
#include <cstdint>

namespace sumbrel {

namespace {

uint32_t BigEndian(const uchar* p)
{
    return uint32_t(p[0]) << 24 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | uint32_t(p[3]);
}

uint32_t Crc32(const uchar* data, qsizetype size)
{
    static const std::array<uint32_t, 256> table = [] {
        std::array<uint32_t, 256> t{};
        for (uint32_t n = 0; n < 256; ++n) {
            uint32_t c = n;
            for (int k = 0; k < 8; ++k)
                c = c & 1 ? 0xedb88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    uint32_t c = 0xffffffffu;
    for (qsizetype i = 0; i < size; ++i)
        c = table[(c ^ data[i]) & 0xff] ^ (c >> 8);
    return c ^ 0xffffffffu;
}

PictureVerdict Refused(const QString& why)
{
    PictureVerdict v;
    v.why = why;
    return v;
}

}  // namespace

PictureVerdict CheckPng(const QByteArray& bytes)
{
    static const QByteArray kSignature("\x89PNG\r\n\x1a\n", 8);
    if (!bytes.startsWith(kSignature))
        return Refused(QStringLiteral("not a PNG"));
    const auto* data = reinterpret_cast<const uchar*>(bytes.constData());
    const qsizetype n = bytes.size();
    qsizetype at = kSignature.size();
    PictureVerdict v;
    bool header = false;
    bool imageData = false;
    while (true) {
        if (n - at < 12)
            return Refused(QStringLiteral("cut short"));
        const uint32_t length = BigEndian(data + at);
        if (length > uint32_t(n - at - 12))
            return Refused(QStringLiteral("cut short"));
        const QByteArray type(reinterpret_cast<const char*>(data + at + 4), 4);
        const uchar* body = data + at + 8;
        if (Crc32(data + at + 4, qsizetype(length) + 4) != BigEndian(body + length))
            return Refused(QStringLiteral("damaged ") + QString::fromLatin1(type) + QStringLiteral(" chunk"));
        if (!header) {
            if (type != "IHDR" || length != 13)
                return Refused(QStringLiteral("no header"));
            v.width = int(BigEndian(body) & 0x7fffffff);
            v.height = int(BigEndian(body + 4) & 0x7fffffff);
            if (v.width < 1 || v.height < 1 || v.width > kMaxPictureSide || v.height > kMaxPictureSide)
                return Refused(QStringLiteral("size %1 x %2").arg(v.width).arg(v.height));
            header = true;
        } else if (type == "IDAT") {
            imageData = true;
        } else if (type == "IEND") {
            if (!imageData)
                return Refused(QStringLiteral("no image data"));
            v.ok = true;
            return v;
        }
        at += qsizetype(length) + 12;
    }
}

bool IsPictureNumber(const QString& number)
{
    if (number.isEmpty() || number.size() > 18)
        return false;
    for (QChar c : number)
        if (c < u'0' || c > u'9')
            return false;
    return true;
}

}  // namespace sumbrel
