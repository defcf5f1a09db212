#include "server/fields.h"

#include "startup/trace_log.h"

namespace sumbrel {

namespace {

// Every occurrence of `from` replaced by `to`, left to right, non-overlapping; one scan of the text.
QString replaceAll(const QString& text, QStringView from, QStringView to)
{
    qsizetype at = text.indexOf(from);
    if (at < 0)
        return text;
    QString out;
    out.reserve(text.size());
    qsizetype pos = 0;
    const QStringView view(text);
    while (at >= 0) {
        out += view.mid(pos, at - pos);
        out += to;
        pos = at + from.size();
        at = text.indexOf(from, pos);
    }
    out += view.mid(pos);
    return out;
}

}  // namespace

std::optional<QString> Field(QStringView answer, QStringView name)
{
    const QString open = name.toString() + u'[';
    const qsizetype first = answer.indexOf(open);
    if (first < 0)
        return std::nullopt;
    const qsizetype start = first + open.size();
    // The piece ends at the next opening of the same name; the value ends at the closing tag inside it.
    const qsizetype next = answer.indexOf(open, start);
    const QStringView piece = next < 0 ? answer.mid(start) : answer.mid(start, next - start);
    const QString close = u']' + name.toString();
    const qsizetype end = piece.indexOf(close);
    return (end < 0 ? piece : piece.left(end)).toString();
}

QString FieldOr(QStringView answer, QStringView name, const QString& fallback)
{
    auto value = Field(answer, name);
    return value ? *value : fallback;
}

qsizetype CountOf(QStringView text, QStringView delimiter)
{
    if (text.isEmpty() || delimiter.isEmpty())
        return 0;
    qsizetype count = 0;
    qsizetype at = text.indexOf(delimiter);
    while (at >= 0) {
        ++count;
        at = text.indexOf(delimiter, at + delimiter.size());
    }
    return count;
}

QString CountOccurrences(QStringView text, QStringView delimiter)
{
    return QString::number(CountOf(text, delimiter));
}

QString EscapeField(const QString& text)
{
    // One pass is the same as the five replacements in turn: no replacement produces a later target.
    QString out;
    out.reserve(text.size() + text.size() / 8);
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (c == u'+') {
            out += u"플랏뚜ㅋ";
        } else if (c == u'&' || c == QChar(0xFF06)) {
            out += u"!123!";
        } else if (c == u'\r' && i + 1 < n && text[i + 1] == u'\n') {
            out += u"!줄바꿈!";
            ++i;
        } else if (c == u'\n') {
            out += u"!줄!";
        } else {
            out += c;
        }
    }
    return out;
}

QString UnescapeField(const QString& text)
{
    // In turn, as overlapping markers must resolve in this order ("ccdd!!123!" loses its "!123!").
    QString out = replaceAll(text, u"ccdd!!", u"+");
    out = replaceAll(out, u"플랏뚜ㅋ", u"+");
    out = replaceAll(out, u"!123!", u"＆");
    out = replaceAll(out, u"!줄바꿈!", u"\r\n");
    return replaceAll(out, u"!줄!", u"\r\n");
}

}  // namespace sumbrel
