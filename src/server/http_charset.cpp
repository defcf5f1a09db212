#include "server/http_charset.h"

#include "server/http_client.h"
#include "startup/trace_log.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <mutex>

namespace sumbrel {

namespace {
// Read and set by exchanges on any thread.
std::mutex g_charsetMutex;
QByteArray g_formCharset;
const QString kChannel = QStringLiteral("_WinHttp");
}  // namespace

QString CharsetTrace()
{
    return QStringLiteral("GetWinHttp ... <charset> ");
}

QByteArray CharsetOf(QByteArrayView contentType)
{
    for (QByteArrayView part : QByteArray(contentType.toByteArray()).split(';')) {
        part = part.trimmed();
        if (part.size() > 8 && part.first(8).compare("charset=", Qt::CaseInsensitive) == 0) {
            QByteArrayView value = part.sliced(8).trimmed();
            if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
                value = value.sliced(1, value.size() - 2);
            return value.toByteArray();
        }
    }
    return {};
}

bool CharsetWritesHangul(const QByteArray& charset)
{
    static const QString sample = QStringLiteral("한글 포장 매장식사 현장접수");
    QStringEncoder encoder(charset.constData());
    if (!encoder.isValid())
        return false;
    const QByteArray bytes = encoder.encode(sample);
    if (encoder.hasError())
        return false;
    QStringDecoder decoder(charset.constData());
    return decoder.isValid() && QString(decoder.decode(bytes)) == sample && !decoder.hasError();
}

QByteArray formCharset()
{
    std::lock_guard lock(g_charsetMutex);
    return g_formCharset;
}

void setFormCharset(const QByteArray& charset)
{
    std::lock_guard lock(g_charsetMutex);
    g_formCharset = charset;
}

// The answer's text by the charset its Content-Type declares. Only a 200 answer whose charset writes
// Hangul becomes the charset of the next form bodies: an error page of a proxy must not turn the
// shop's Korean texts into question marks.
namespace {

QString decodeUtf8(const QByteArray& body, bool* malformed)
{
    QStringDecoder decoder(QStringDecoder::Utf8);
    QString text = decoder.decode(body);
    *malformed = decoder.hasError();
    return text;
}

}  // namespace

QString DecodeAnswer(const QByteArray& body, const QByteArray& contentType, long status, bool* malformed)
{
    const QByteArray declared = CharsetOf(contentType);
    if (declared.isEmpty())
        return decodeUtf8(body, malformed);
    QStringDecoder decoder(declared.constData());
    if (!decoder.isValid()) {
        WriteLog(CharsetTrace() + QString::fromLatin1(declared) + QStringLiteral(": 알 수 없어 UTF-8로 읽음"),
                 kChannel);
        return decodeUtf8(body, malformed);
    }
    if (status == 200) {
        if (CharsetWritesHangul(declared)) {
            setFormCharset(declared);
        } else if (declared.compare(formCharset(), Qt::CaseInsensitive) != 0) {
            WriteLog(CharsetTrace() + QString::fromLatin1(declared)
                         + QStringLiteral(": 한글을 쓸 수 없어 폼에 쓰지 않음"),
                     kChannel);
        }
    }
    QString text = decoder.decode(body);
    *malformed = decoder.hasError();
    return text;
}

QByteArray EncodeFormBody(const QString& body)
{
    const QByteArray charset = formCharset();
    if (charset.isEmpty())
        return body.toUtf8();
    QStringEncoder encoder(charset.constData());
    if (!encoder.isValid())
        return body.toUtf8();
    QByteArray bytes = encoder.encode(body);
    if (encoder.hasError()) {
        WriteLog(CharsetTrace() + QString::fromLatin1(charset) + QStringLiteral(": 본문을 쓸 수 없어 UTF-8로 보냄"),
                 kChannel);
        return body.toUtf8();
    }
    return bytes;
}

}  // namespace sumbrel
