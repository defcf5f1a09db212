#include "startup/ini.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringList>

namespace sumbrel {

namespace {

// "[name]" with blanks around allowed; returns the name or a null string.
QString sectionName(QStringView line)
{
    const QStringView t = line.trimmed();
    if (t.size() >= 2 && t.front() == u'[') {
        const qsizetype close = t.indexOf(u']');
        if (close > 0)
            return t.mid(1, close - 1).trimmed().toString();
    }
    return QString();
}

bool isComment(QStringView line)
{
    const QStringView t = line.trimmed();
    return t.startsWith(u';') || t.startsWith(u'#');
}

bool keyOf(QStringView line, QString& key, QString& value)
{
    if (isComment(line))
        return false;
    const qsizetype eq = line.indexOf(u'=');
    if (eq <= 0)
        return false;
    key = line.left(eq).trimmed().toString();
    value = line.mid(eq + 1).trimmed().toString();
    return !key.isEmpty();
}

QString stripQuotes(const QString& v)
{
    if (v.size() >= 2 && ((v.front() == u'"' && v.back() == u'"') || (v.front() == u'\'' && v.back() == u'\'')))
        return v.mid(1, v.size() - 2);
    return v;
}

QString cutUtf8(const QString& value, int maxBytes)
{
    QByteArray bytes = value.toUtf8();
    if (bytes.size() <= maxBytes)
        return value;
    int end = maxBytes;
    // Step back over continuation bytes so no character is split.
    while (end > 0 && (uchar(bytes[end]) & 0xC0) == 0x80)
        --end;
    return QString::fromUtf8(bytes.constData(), end);
}

}  // namespace

QString ReadIni(const QString& section, const QString& key, const QString& path)
{
    try {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return QString();
        const QString text = QString::fromUtf8(file.readAll());
        bool inSection = false;
        for (QStringView line : QStringView(text).split(u'\n')) {
            if (line.endsWith(u'\r'))
                line.chop(1);
            const QString name = sectionName(line);
            if (!name.isNull()) {
                inSection = name.compare(section, Qt::CaseInsensitive) == 0;
                continue;
            }
            if (!inSection)
                continue;
            QString k, v;
            if (keyOf(line, k, v) && k.compare(key, Qt::CaseInsensitive) == 0)
                return cutUtf8(stripQuotes(v), kIniValueBytes);
        }
    } catch (...) {
    }
    return QString();
}

void WriteIni(const QString& section, const QString& key, const QString& value, const QString& path)
{
    try {
        QString text;
        {
            QFile file(path);
            if (file.open(QIODevice::ReadOnly))
                text = QString::fromUtf8(file.readAll());
        }
        const QString eol = text.contains(QStringLiteral("\r\n")) ? QStringLiteral("\r\n") : QStringLiteral("\n");
        QStringList lines = text.split(u'\n');
        for (QString& l : lines)
            if (l.endsWith(u'\r'))
                l.chop(1);
        const bool endsWithBreak = !text.isEmpty() && text.endsWith(u'\n');
        if (endsWithBreak || text.isEmpty())
            lines.removeLast();

        const QString entry = key + u'=' + value;
        qsizetype sectionAt = -1;
        qsizetype lastInSection = -1;
        bool done = false;
        bool inSection = false;
        for (qsizetype i = 0; i < lines.size() && !done; ++i) {
            const QString name = sectionName(lines[i]);
            if (!name.isNull()) {
                if (inSection)
                    break;
                inSection = name.compare(section, Qt::CaseInsensitive) == 0;
                if (inSection) {
                    sectionAt = i;
                    lastInSection = i;
                }
                continue;
            }
            if (!inSection)
                continue;
            QString k, v;
            if (keyOf(lines[i], k, v) && k.compare(key, Qt::CaseInsensitive) == 0) {
                lines[i] = entry;
                done = true;
            } else if (!lines[i].trimmed().isEmpty()) {
                lastInSection = i;
            }
        }
        if (!done) {
            if (sectionAt < 0) {
                if (!lines.isEmpty() && !lines.last().trimmed().isEmpty())
                    lines.append(QString());
                lines.append(u'[' + section + u']');
                lines.append(entry);
            } else {
                lines.insert(lastInSection + 1, entry);
            }
        }

        QSaveFile out(path);
        if (!out.open(QIODevice::WriteOnly))
            return;
        out.write((lines.join(eol) + eol).toUtf8());
        out.commit();
    } catch (...) {
        // Not reported: the screen keeps the value for this run.
    }
}

}  // namespace sumbrel
