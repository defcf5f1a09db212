// The configuration file on arbitrary existing bytes. The input gives a section, a key and a value,
// and the file's bytes. After WriteIni:
// - the value reads back (trimmed, quotes taken off, cut to 254 bytes), when the names and the value
//   can stand in an INI line;
// - every other key of the file reads as before;
// - the lines the write did not touch stay byte for byte: at most one old line replaced, at most a
//   blank line, a section line, the key's line and a closing line break added.
#include "fuzz_support.h"
#include "startup/ini.h"

#include <QByteArrayList>
#include <QDir>
#include <QFile>
#include <fuzzer/FuzzedDataProvider.h>
#include <unistd.h>

namespace {

using namespace sumbrel;

QString g_path;

QString Name(FuzzedDataProvider& in)
{
    static const char* const kNames[] = {"Set", "set", "calltext", "LeftC", "alramsound", "Login", "a"};
    if (in.ConsumeBool())
        return QString::fromLatin1(kNames[in.ConsumeIntegralInRange(0, 6)]);
    const std::string raw = in.ConsumeRandomLengthString(12);
    return QString::fromUtf8(raw.data(), qsizetype(raw.size()));
}

bool Writable(const QString& section, const QString& key, const QString& value)
{
    static const QString kBreaks = QStringLiteral("\r\n");
    auto hasAny = [](const QString& text, const QString& chars) {
        for (QChar c : chars)
            if (text.contains(c))
                return true;
        return false;
    };
    return !section.isEmpty() && section == section.trimmed() && !hasAny(section, QStringLiteral("\r\n]"))
        && !key.isEmpty() && key == key.trimmed() && !hasAny(key, QStringLiteral("\r\n=")) && !key.startsWith(u';')
        && !key.startsWith(u'#') && !key.startsWith(u'[') && !hasAny(value, kBreaks);
}

// What a written value reads back as.
QString ReadBack(const QString& value)
{
    QByteArray v = value.toUtf8().trimmed();
    if (v.size() >= 2 && ((v.front() == '"' && v.back() == '"') || (v.front() == '\'' && v.back() == '\'')))
        v = v.mid(1, v.size() - 2);
    if (v.size() > 254) {
        qsizetype end = 254;
        while (end > 0 && (uchar(v[end]) & 0xC0) == 0x80)
            --end;
        v.truncate(end);
    }
    return QString::fromUtf8(v);
}

QByteArray FileBytes()
{
    QFile f(g_path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    const QString base = QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm") : QDir::tempPath();
    const QString dir = base + QStringLiteral("/sumbrel-fuzz-ini-%1").arg(getpid());
    QDir().mkpath(dir);
    g_path = dir + QStringLiteral("/Mirdal.cfg");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider in(data, size);
    const QString section = Name(in);
    const QString key = Name(in);
    const std::string rawValue = in.ConsumeRandomLengthString(300);
    const QString value = QString::fromUtf8(rawValue.data(), qsizetype(rawValue.size()));
    const std::vector<uint8_t> rest = in.ConsumeRemainingBytes<uint8_t>();
    const QByteArray old(reinterpret_cast<const char*>(rest.data()), qsizetype(rest.size()));
    {
        QFile f(g_path);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        f.write(old);
    }

    // The names of the file's sections and keys, and what each pair reads before the write.
    QStringList sections, keys;
    for (QByteArray line : old.split('\n')) {
        line = line.trimmed();
        if (line.startsWith('[') && line.contains(']') && sections.size() < 6)
            sections << QString::fromUtf8(line.mid(1, line.indexOf(']') - 1).trimmed());
        else if (line.indexOf('=') > 0 && keys.size() < 6)
            keys << QString::fromUtf8(line.left(line.indexOf('=')).trimmed());
    }
    QStringList before;
    for (const QString& s : sections)
        for (const QString& k : keys)
            before << ReadIni(s, k, g_path);

    WriteIni(section, key, value, g_path);
    const QByteArray now = FileBytes();
    const QString detail = QStringLiteral("[%1] %2=%3\nold: %4\nnew: %5")
                               .arg(fuzz::Show(section), fuzz::Show(key), fuzz::Show(value),
                                    fuzz::Show(QString::fromLatin1(old)), fuzz::Show(QString::fromLatin1(now)));

    // Names or a value that break the line format give no promise beyond not crashing.
    if (!Writable(section, key, value))
        return 0;
    FUZZ_CHECK(ReadIni(section, key, g_path) == ReadBack(value),
               detail + QStringLiteral("\nread: ") + fuzz::Show(ReadIni(section, key, g_path)));

    qsizetype i = 0;
    for (const QString& s : sections) {
        for (const QString& k : keys) {
            // Names match as the INI service matches them: bytes, case-insensitively.
            const bool written = s.toUtf8().compare(section.toUtf8(), Qt::CaseInsensitive) == 0
                && k.toUtf8().compare(key.toUtf8(), Qt::CaseInsensitive) == 0;
            if (!written)
                FUZZ_CHECK(ReadIni(s, k, g_path) == before[i], detail + QStringLiteral("\n[%1] %2").arg(s, k));
            ++i;
        }
    }

    const QByteArrayList a = old.split('\n');
    const QByteArrayList b = now.split('\n');
    qsizetype head = 0;
    while (head < a.size() && head < b.size() && a[head] == b[head])
        ++head;
    qsizetype tail = 0;
    while (tail < a.size() - head && tail < b.size() - head && a[a.size() - 1 - tail] == b[b.size() - 1 - tail])
        ++tail;
    FUZZ_CHECK(a.size() - head - tail <= 1 && b.size() - head - tail <= 4, detail);
    return 0;
}
