// The catalogue's text forms: the field mark, the escape forms of free texts, printtext.
#include "catalogue/menu_reading.h"

#include "server/fields.h"

namespace sumbrel {

namespace reading {

namespace {

// Every `from` replaced by `to` left to right, in place: each replacement is shorter than its form,
// so the writing never overtakes the reading. Returns the new length.
qsizetype replaceInPlace(char16_t* s, qsizetype n, QStringView from, QStringView to)
{
    const char16_t first = from.utf16()[0];
    qsizetype r = 0;
    qsizetype w = 0;
    while (true) {
        const qsizetype at = scanFor(s, r, n, first, first);
        if (w != r)
            std::memmove(s + w, s + r, size_t(at - r) * sizeof(char16_t));
        w += at - r;
        r = at;
        if (r >= n)
            return w;
        if (n - r >= from.size() && sameChars(s + r, from)) {
            std::memcpy(s + w, to.utf16(), size_t(to.size()) * sizeof(char16_t));
            w += to.size();
            r += from.size();
        } else {
            s[w++] = s[r++];
        }
    }
}

}  // namespace

QString DecodeView(QStringView value)
{
    if (!needsDecoding(value))
        return value.toString();
    QString out = value.toString();
    char16_t* s = reinterpret_cast<char16_t*>(out.data());
    qsizetype n = out.size();
    // UnescapeField's replacements in its order, which decides overlapping forms.
    n = replaceInPlace(s, n, u"ccdd!!", u"+");
    n = replaceInPlace(s, n, u"플랏뚜ㅋ", u"+");
    n = replaceInPlace(s, n, u"!123!", u"＆");
    n = replaceInPlace(s, n, u"!줄바꿈!", u"\r\n");
    n = replaceInPlace(s, n, u"!줄!", u"\r\n");
    out.truncate(n);
    return out;
}

}  // namespace reading

QString ReplaceFieldMark(QString value)
{
    if (reading::findChar(value, reading::kMark) >= 0)
        value.replace(QChar(reading::kMark), QChar(reading::kMarkSafe));
    return value;
}

QString DecodeText(const QString& value)
{
    return reading::needsDecoding(value) ? reading::DecodeView(value) : value;
}

QString NormalisePrintText(QStringView value)
{
    if (value.count(u';') == 2)
        return ReplaceFieldMark(value.toString());
    return QStringLiteral(";;");
}

}  // namespace sumbrel
