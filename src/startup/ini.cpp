#include "startup/ini.h"

#include "startup/files.h"
#include "startup/trace_log.h"

#include <QByteArrayList>
#include <QFile>
#include <QStringDecoder>
#include <exception>

namespace sumbrel {

namespace {

// The file is handled as bytes: the call display or a person may have written lines in another
// encoding (the Korean ANSI code page), and a write must leave them exactly as they are.

// "[name]" with blanks around allowed; returns the name or a null array.
QByteArray sectionName(QByteArrayView line)
{
    const QByteArrayView t = line.trimmed();
    if (t.size() >= 2 && t.front() == '[') {
        const qsizetype close = t.indexOf(']');
        if (close > 0)
            return t.sliced(1, close - 1).trimmed().toByteArray();
    }
    return QByteArray();
}

bool keyOf(QByteArrayView line, QByteArray& key, QByteArray& value)
{
    const QByteArrayView t = line.trimmed();
    if (t.startsWith(';') || t.startsWith('#'))
        return false;
    const qsizetype eq = line.indexOf('=');
    if (eq <= 0)
        return false;
    key = line.first(eq).trimmed().toByteArray();
    value = line.sliced(eq + 1).trimmed().toByteArray();
    return !key.isEmpty();
}

bool sameName(const QByteArray& a, const QString& b)
{
    return a.compare(b.toUtf8(), Qt::CaseInsensitive) == 0;
}

QByteArray stripQuotes(const QByteArray& v)
{
    if (v.size() >= 2 && ((v.front() == '"' && v.back() == '"') || (v.front() == '\'' && v.back() == '\'')))
        return v.mid(1, v.size() - 2);
    return v;
}

// At most maxBytes, never splitting a character: UTF-8 continuation bytes, or the second byte of
// a double-byte character of the Korean code page.
QString decodeCut(QByteArray bytes, int maxBytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(bytes);
    const bool isUtf8 = !utf8.hasError();
    if (bytes.size() > maxBytes) {
        qsizetype end = maxBytes;
        if (isUtf8) {
            while (end > 0 && (uchar(bytes[end]) & 0xC0) == 0x80)
                --end;
        } else {
            qsizetype i = 0;
            while (i < maxBytes) {
                const qsizetype step = uchar(bytes[i]) >= 0x81 ? 2 : 1;
                if (i + step > maxBytes)
                    break;
                i += step;
            }
            end = i;
        }
        bytes.truncate(end);
    }
    if (isUtf8)
        return QString::fromUtf8(bytes);
    QStringDecoder cp949("CP949");
    return cp949.isValid() ? cp949.decode(bytes) : QString::fromLatin1(bytes);
}

QByteArrayList splitLines(const QByteArray& text)
{
    QByteArrayList lines = text.split('\n');
    if (text.isEmpty() || text.endsWith('\n'))
        lines.removeLast();
    return lines;
}

}  // namespace

QString ReadIni(const QString& section, const QString& key, const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    bool inSection = false;
    for (QByteArray line : splitLines(file.readAll())) {
        if (line.endsWith('\r'))
            line.chop(1);
        const QByteArray name = sectionName(line);
        if (!name.isNull()) {
            inSection = sameName(name, section);
            continue;
        }
        QByteArray k, v;
        if (inSection && keyOf(line, k, v) && sameName(k, key))
            return decodeCut(stripQuotes(v), kIniValueBytes);
    }
    return QString();
}

namespace {

// The file's text with one key set: only that key's line is written anew (or added at the end of
// its section, or with a new section at the end); every other line keeps its bytes and its ending.
QByteArray WithValue(const QByteArray& text, const QString& section, const QString& key, const QString& value)
{
    const QByteArray eol = text.contains("\r\n") ? QByteArrayLiteral("\r\n") : QByteArrayLiteral("\n");
    QByteArrayList lines = splitLines(text);
    const bool lastHasBreak = text.isEmpty() || text.endsWith('\n');
    auto bare = [](QByteArray line) {
        if (line.endsWith('\r'))
            line.chop(1);
        return line;
    };
    const QByteArray entry = key.toUtf8() + '=' + value.toUtf8();
    qsizetype sectionAt = -1;
    qsizetype lastInSection = -1;
    qsizetype replaced = -1;
    bool inSection = false;
    for (qsizetype i = 0; i < lines.size() && replaced < 0; ++i) {
        const QByteArray line = bare(lines[i]);
        const QByteArray name = sectionName(line);
        if (!name.isNull()) {
            if (inSection)
                break;
            inSection = sameName(name, section);
            if (inSection)
                sectionAt = lastInSection = i;
            continue;
        }
        if (!inSection)
            continue;
        QByteArray k, v;
        if (keyOf(line, k, v) && sameName(k, key))
            replaced = i;
        else if (!line.trimmed().isEmpty())
            lastInSection = i;
    }
    const QByteArray cr = eol == "\r\n" ? QByteArrayLiteral("\r") : QByteArray();
    bool appendedAtEnd = false;
    if (replaced >= 0) {
        lines[replaced] = entry + (lines[replaced].endsWith('\r') ? QByteArrayLiteral("\r") : QByteArray());
    } else if (sectionAt >= 0) {
        appendedAtEnd = lastInSection + 1 == lines.size();
        lines.insert(lastInSection + 1, entry + cr);
    } else {
        appendedAtEnd = true;
        if (!lines.isEmpty() && !bare(lines.last()).trimmed().isEmpty())
            lines.append(cr);
        lines.append('[' + section.toUtf8() + ']' + cr);
        lines.append(entry + cr);
    }
    QByteArray out = lines.join('\n');
    // A last line without a break keeps having none, unless the write added lines after it.
    if (lastHasBreak || appendedAtEnd)
        out += '\n';
    return out;
}

}  // namespace

IniWriteResult WriteIniKeys(const QString& section, const QList<IniEntry>& entries, const QString& path)
{
    IniWriteResult result;
    QByteArray text;
    {
        QFile file(path);
        if (file.open(QIODevice::ReadOnly))
            text = file.readAll();
    }
    for (const IniEntry& e : entries) {
        // A line break would end the line early and write the rest as keys of their own.
        if (e.value.contains(u'\r') || e.value.contains(u'\n')) {
            result.refused << e.key;
            WriteLog(QStringLiteral("WriteIni: ") + e.key
                     + QStringLiteral(" not written: its value holds a line break; the old value stays"));
            continue;
        }
        text = WithValue(text, section, e.key, e.value);
    }
    if (result.refused.size() == entries.size())
        return result;
    // Written whole beside the file and renamed over it: the file is the old one or the new one.
    result.written = ReplaceFile(path, text, &result.error);
    if (!result.written && !result.error.isEmpty())
        WriteLog(QStringLiteral("WriteIni: ") + path + QStringLiteral(" not written: ") + result.error);
    return result;
}

IniWriteResult WriteIni(const QString& section, const QString& key, const QString& value, const QString& path)
{
    return WriteIniKeys(section, {{key, value}}, path);
}

}  // namespace sumbrel
