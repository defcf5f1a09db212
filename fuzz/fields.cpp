// Answer fields and escaping. The input's first line names a field, the rest is the answer.
// - Field/FieldOr against the splitting rule: the second piece of the answer split at N + "[", cut at
//   the first "]" + N; a missing N + "[" gives nothing (FieldOr: the fallback).
// - The waiting status and the reception settings against their readings of the same fields.
// - EscapeField/UnescapeField against the five replacements in turn; and decoding an encoded text gives
//   the text back with "&" as "＆" and a lone LF as CR LF, for texts that hold no piece of an escape
//   form themselves: "!", "플", "ccdd", "123" or "줄". (With them, one form's closing "!" and the text
//   after it can spell another: "\n\n123\n" goes out as "!줄!!줄!123!줄!", whose middle reads "!123!".)
#include "server/fields.h"
#include "fuzz_support.h"
#include "reception/reception_rules.h"

#include <algorithm>
#include <optional>

namespace {

using namespace sumbrel;

std::optional<QString> FieldRef(const QString& answer, const QString& name)
{
    const QStringList pieces = answer.split(name + u'[');
    if (pieces.size() < 2)
        return std::nullopt;
    return pieces[1].split(u']' + name).front();
}

QString Replace(QString text, const QString& from, const QString& to)
{
    return text.replace(from, to);
}

QString EncodeRef(QString t)
{
    t = Replace(t, QStringLiteral("+"), QStringLiteral("플랏뚜ㅋ"));
    t = Replace(t, QStringLiteral("&"), QStringLiteral("!123!"));
    t = Replace(t, QStringLiteral("＆"), QStringLiteral("!123!"));
    t = Replace(t, QStringLiteral("\r\n"), QStringLiteral("!줄바꿈!"));
    return Replace(t, QStringLiteral("\n"), QStringLiteral("!줄!"));
}

QString DecodeRef(QString t)
{
    t = Replace(t, QStringLiteral("ccdd!!"), QStringLiteral("+"));
    t = Replace(t, QStringLiteral("플랏뚜ㅋ"), QStringLiteral("+"));
    t = Replace(t, QStringLiteral("!123!"), QStringLiteral("＆"));
    t = Replace(t, QStringLiteral("!줄바꿈!"), QStringLiteral("\r\n"));
    return Replace(t, QStringLiteral("!줄!"), QStringLiteral("\r\n"));
}

// What a plain text comes back as: "&" as "＆", a LF without its CR as CR LF.
QString Normalised(const QString& t)
{
    QString out;
    for (qsizetype i = 0; i < t.size(); ++i) {
        if (t[i] == u'&')
            out += QStringLiteral("＆");
        else if (t[i] == u'\n' && (i == 0 || t[i - 1] != u'\r'))
            out += QStringLiteral("\r\n");
        else
            out += t[i];
    }
    return out;
}

QString LineBreaks(const QString& value)
{
    QString v = value;
    v.remove(u'\r');
    return v.replace(QStringLiteral("!줄바꿈!"), QStringLiteral("\r\n"));
}

QString ShowPair(const QString& got, const QString& want)
{
    return QStringLiteral(" got: %1\nwant: %2").arg(fuzz::Show(got), fuzz::Show(want));
}

void CheckText(const QString& got, const QString& answer, const char* name)
{
    const QString want = LineBreaks(FieldRef(answer, QString::fromLatin1(name)).value_or(QString()));
    FUZZ_CHECK(got == want, QString::fromLatin1(name) + u'\n' + ShowPair(got, want));
}

// A choice is on for exactly "Y", whatever surrounds it.
void CheckChoice(bool got, const QString& answer, const char* name)
{
    const bool want = FieldRef(answer, QString::fromLatin1(name)) == QStringLiteral("Y");
    FUZZ_CHECK(got == want, QString::fromLatin1(name) + (got ? QStringLiteral(" on") : QStringLiteral(" off")));
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::NoLogFiles();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString input = fuzz::Text(data, size);
    const qsizetype eol = input.indexOf(u'\n');
    const QString name = eol < 0 ? QString() : input.left(eol);
    const QString answer = eol < 0 ? input : input.mid(eol + 1);

    const auto got = Field(answer, name);
    const auto want = FieldRef(answer, name);
    FUZZ_CHECK(got.has_value() == want.has_value(), name);
    if (want)
        FUZZ_CHECK(*got == *want, name + u'\n' + ShowPair(*got, *want));
    FUZZ_CHECK(FieldOr(answer, name, QStringLiteral("fallback")) == want.value_or(QStringLiteral("fallback")), name);

    const reception::WaitingStatus waiting = reception::ParseWaitingStatus(answer);
    const auto count = FieldRef(answer, QStringLiteral("count"));
    FUZZ_CHECK(waiting.teams.has_value() == count.has_value(), QStringLiteral("count"));
    if (count)
        FUZZ_CHECK(*waiting.teams == QString(*count).remove(u'분'), ShowPair(*waiting.teams, *count));
    FUZZ_CHECK(waiting.time == FieldRef(answer, QStringLiteral("time")), QStringLiteral("time"));

    const reception::ReceptionSettings settings = reception::ParseReceptionSettings(answer);
    FUZZ_CHECK(settings.waiting.teams == waiting.teams && settings.waiting.time == waiting.time,
               QStringLiteral("waiting"));
    CheckText(settings.TakeOutPCText, answer, "TakeOutPCText");
    CheckChoice(settings.eatInOffered, answer, "TOWhereYN");
    CheckChoice(settings.carNumberAsked, answer, "TakeOutCarYN");
    CheckText(settings.TakeOutCarText, answer, "TakeOutCarText");
    CheckChoice(settings.paymentAsked, answer, "TOPayTypeS");

    const QString encoded = EscapeField(input);
    FUZZ_CHECK(encoded == EncodeRef(input), ShowPair(encoded, EncodeRef(input)));
    const QString decoded = UnescapeField(input);
    FUZZ_CHECK(decoded == DecodeRef(input), ShowPair(decoded, DecodeRef(input)));
    static const QStringList kPieces{QStringLiteral("!"), QStringLiteral("플"), QStringLiteral("ccdd"),
                                     QStringLiteral("123"), QStringLiteral("줄")};
    if (std::none_of(kPieces.begin(), kPieces.end(), [&](const QString& p) { return input.contains(p); })) {
        const QString back = UnescapeField(encoded);
        FUZZ_CHECK(back == Normalised(input), ShowPair(back, Normalised(input)));
    }
    return 0;
}
