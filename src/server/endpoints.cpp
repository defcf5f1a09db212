#include "server/endpoints.h"

#include "server/answer_memory.h"
#include "server/http_client.h"
#include "startup/clock.h"
#include "startup/global_state.h"
#include "startup/trace_log.h"

#include <optional>

namespace sumbrel::endpoints {

QString Url(const Session& session, const char16_t* path)
{
    return session.serviceBaseUrl + QString::fromUtf16(path);
}

QString LogoPictureUrl(const Session& session, const QString& shopNumber)
{
    return session.serviceBaseUrl + QStringLiteral("/logoimag/logo") + shopNumber + QStringLiteral("_1.png");
}

QString MenuPictureUrl(const Session& session, const QString& menuNumber)
{
    return session.serviceBaseUrl + QStringLiteral("/menuimag/") + menuNumber + QStringLiteral(".png");
}

QString FormValue(QString value)
{
    // "%" first, so the escapes added after it stay as they are.
    value.replace(u'%', QStringLiteral("%25"));
    value.replace(u'&', QStringLiteral("%26"));
    value.replace(u'+', QStringLiteral("%2B"));
    return value;
}

QString LoginBody(const QString& id, const QString& password)
{
    return QStringLiteral("ID=") + FormValue(id) + QStringLiteral("&PassWord=") + FormValue(password);
}

QString CredentialsBody(const Session& session)
{
    return LoginBody(session.loginId, session.loginPassword);
}

QString OrderBody(const Session& session, const QString& phone, Dining dining, Payment payment, const QString& taxi,
                  const QString& escapedMenu)
{
    const QString where = dining == Dining::EatIn ? QStringLiteral("매장식사") : QStringLiteral("포장");
    const QString pay = payment == Payment::Card ? QStringLiteral("1") : QStringLiteral("0");
    // The service percent-decodes the body: the customer's entries and the menu travel through
    // FormValue (the menu's "+" and "&" are already marker words) so they arrive unchanged.
    return CredentialsBody(session) + QStringLiteral("&phonet=") + FormValue(phone) + QStringLiteral("&where=") + where
        + QStringLiteral("&pay=") + pay + QStringLiteral("&taxi=") + FormValue(taxi)
        + QStringLiteral("&memo=현장접수&menu=") + FormValue(escapedMenu);
}

QString MenuPageBody(const Session& session, const QString& checktypes)
{
    return CredentialsBody(session) + QStringLiteral("&checktypes=") + checktypes;
}

QString CatalogueBody(const Session& session, const QString& category)
{
    return CredentialsBody(session) + QStringLiteral("&category=") + category;
}

QString LogoCheckBody(const Session& session, long logoNumber)
{
    return CredentialsBody(session) + QStringLiteral("&logonum=") + QString::number(logoNumber);
}

QString MenuPictureCheckBody(long menuNumber)
{
    // This check carries no login values: the body starts with "&".
    return QStringLiteral("&menunum=") + QString::number(menuNumber);
}

QString TraceAnswer(const QString& answer)
{
    if (answer.size() <= kTracedAnswerChars)
        return answer;
    // A day of huge answers must not fill the disk; the start tells what came.
    return answer.left(kTracedAnswerChars) + QStringLiteral("\r\n... (응답 ") + QString::number(answer.size())
        + QStringLiteral("자 중 앞 ") + QString::number(kTracedAnswerChars) + QStringLiteral("자만 기록)");
}

QByteArray AnswerKey(QStringView text)
{
    const Digest halves = DigestOf(text);
    return QByteArray(reinterpret_cast<const char*>(halves.data()), sizeof(halves));
}

namespace {

// Whether the answer is the one the same request had last, by the session's memory; none: never.
bool SameAsLast(const QString& procedure, const QString& url, const QString& body, const PostResult& result,
                AnswerMemory* memory)
{
    if (!memory)
        return false;
    // Of this log folder: its files hold what went before.
    const Digest request = DigestOf(ProgramFolder() + u'\n' + procedure + u'\n' + url + u'?' + body);
    const std::optional<Digest> answer =
        result.answered() ? std::optional(DigestOf(QString::number(result.status) + u'|' + result.text)) : std::nullopt;
    return memory->sameAsLast(request, answer);
}

}  // namespace

CallOptions SessionCall(const Session& session)
{
    CallOptions options;
    options.answers = session.answers;
    return options;
}

PostResult PostLogged(const QString& procedure, const QString& url, const QString& body, const QString& channel,
                      const Poster& post, const CallOptions& options)
{
    WriteLog(procedure + QStringLiteral("() ... ") + url + u'?' + body, channel);
    const uint32_t t0 = TickCount();
    PostResult result = post ? post(url, body, options) : PostForm(url, body, options);
    if (SameAsLast(procedure, url, body, result, options.answers.get()))
        WriteLog(procedure + QStringLiteral("() ... ResponseStr: 직전과 동일. ") + QString::number(TickCount() - t0)
                     + QStringLiteral("ms 걸림."),
                 channel);
    else
        WriteLog(procedure + QStringLiteral("() ... ResponseStr:") + QStringLiteral("\r\n") + TraceAnswer(result.text),
                 channel);
    return result;
}

}  // namespace sumbrel::endpoints
