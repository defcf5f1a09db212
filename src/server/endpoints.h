#pragma once
// The web service's paths and the form bodies the terminal sends to them.
#include "server/http_client.h"
#include "server/order_choices.h"
#include "server/session.h"

#include <QString>
#include <functional>

namespace sumbrel::endpoints {

inline constexpr auto kLogin = u"/program/logins.php";
inline constexpr auto kReceptionSettings = u"/program/TOLoadProgram.php";
inline constexpr auto kOrder = u"/program/TOorderProgram2.php";
inline constexpr auto kMenuPage = u"/shop/menuloading3.php";
inline constexpr auto kCatalogue = u"/Admin/menuloading1.php";
inline constexpr auto kCategories = u"/Admin/categoryloading.php";
inline constexpr auto kLogoCheck = u"/logoexistCheck.php";
inline constexpr auto kMenuPictureCheck = u"/menuexistCheck.php";

// The session's serviceBaseUrl + path.
QString Url(const Session& session, const char16_t* path);
QString LogoPictureUrl(const Session& session, const QString& shopNumber);
QString MenuPictureUrl(const Session& session, const QString& menuNumber);

// A value typed by a person, made safe for a form body: "%", "&" and "+" become "%25", "%26" and
// "%2B" (the service decodes its forms, and would read "+" as a blank, "&" as the next field and
// "%41" as "A"); everything else stays as it is.
QString FormValue(QString value);

// "ID=" + id + "&PassWord=" + password, the two values through FormValue.
QString LoginBody(const QString& id, const QString& password);
// The same with the session's ID and password.
QString CredentialsBody(const Session& session);
// The order: where as "포장" or "매장식사", pay as "0" (cash) or "1" (card).
QString OrderBody(const Session& session, const QString& phone, Dining dining, Payment payment, const QString& taxi,
                  const QString& escapedMenu);
QString MenuPageBody(const Session& session, const QString& checktypes);
QString CatalogueBody(const Session& session, const QString& category);
QString LogoCheckBody(const Session& session, long logoNumber);
QString MenuPictureCheckBody(long menuNumber);

// One form POST: url and body in, what came back out. PostForm unless a caller (or its test)
// sends another way.
using Poster = std::function<PostResult(const QString& url, const QString& body, const CallOptions& options)>;

// A key of the text, the same for the same text (128 bits of two seeded hashes; not secret).
QByteArray AnswerKey(QStringView text);

// The options of an exchange of the session: its memory of answers for the trace, the rest the defaults.
CallOptions SessionCall(const Session& session);

// Logs "<proc>() ... url?body", posts, logs "<proc>() ... ResponseStr:" CR LF answer; returns what
// came back. An answer identical to the last one to the same request is logged as one short line,
// "<proc>() ... ResponseStr: 직전과 동일. <n>ms 걸림.", as the waiting-status poll does.
PostResult PostLogged(const QString& procedure, const QString& url, const QString& body, const QString& channel,
                      const Poster& post = {}, const CallOptions& options = {});

// An answer as its trace line shows it: the first 64 KB, and the full length when it was longer.
QString TraceAnswer(const QString& answer);
inline constexpr qsizetype kTracedAnswerChars = 64 * 1024;

inline constexpr auto kChannelHttp = u"_WinHttp";
inline constexpr auto kChannelCatalogue = u"_WinHttp_3";

}  // namespace sumbrel::endpoints
