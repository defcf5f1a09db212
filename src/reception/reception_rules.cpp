#include "reception/reception_rules.h"

#include "access/language.h"
#include "access/modes.h"
#include "server/fields.h"
#include "startup/phone.h"

namespace sumbrel::reception {

namespace {
// A choice is on only for a field that is exactly "Y".
bool IsY(QStringView answer, const char16_t* name)
{
    return Field(answer, name) == QStringLiteral("Y");
}
}  // namespace

QString PhoneDisplay(const QString& t)
{
    const qsizetype n = t.size();
    if (n <= 3)
        return t;
    const QString head = t.left(3) + u'-' + t.at(3);
    if (n <= 6)
        return head + QString(n - 4, u'*');
    if (n == 7)
        return head + QStringLiteral("**") + t.at(6);
    return head + QStringLiteral("**") + t.at(6) + u'-' + t.mid(7);
}

QString AppendDigit(const QString& text, int digit, int maxLength)
{
    if (text.size() >= maxLength || digit < 0 || digit > 9)
        return text;
    return text + QChar(u'0' + digit);
}

QString DeleteLastDigit(const QString& text)
{
    return text.isEmpty() ? text : text.left(text.size() - 1);
}

bool IsMobileNumber(const QString& digits)
{
    QString first, middle, last;
    return SplitPhoneNumber(digits, first, middle, last) == kMobileNumber;
}

bool IsCompleteCarNumber(const QString& carNumber)
{
    return carNumber.size() >= kCarDigits;
}

NextKeyCaptions NextKeys(const ReceptionSettings& settings)
{
    return {access::Tr(settings.carNumberAsked || settings.paymentAsked ? kNextCaption : kSubmitCaption),
            access::Tr(settings.paymentAsked ? kNextCaption : kSubmitCaption)};
}

QString ThanksMessage()
{
    return access::Tr("감사합니다") + QStringLiteral("\r\n") + access::Tr("잠시만 기다려 주세요 ~");
}

QString UnknownNotice()
{
    return access::Tr("주문이 매장에 전달되었을 수 있습니다.") + QStringLiteral("\r\n")
        + access::Tr("다시 주문하기 전에 직원에게 확인해 주세요.");
}

int PanelAfterPhone(const ReceptionSettings& settings)
{
    if (settings.carNumberAsked)
        return kCarPanel;
    return settings.paymentAsked ? kPaymentPanel : kCompletionPanel;
}

int PanelForNumberChange(const ReceptionSettings& settings)
{
    return settings.carNumberAsked ? kCarPanel : kPhonePanel;
}

int LastEntryPanel(const ReceptionSettings& settings)
{
    if (settings.paymentAsked)
        return kPaymentPanel;
    return settings.carNumberAsked ? kCarPanel : kPhonePanel;
}

QString LineBreakConversion(QString value)
{
    value.remove(u'\r');
    value.replace(QStringLiteral("!줄바꿈!"), QStringLiteral("\r\n"));
    return value;
}

QString WaitingTeamsText(QString count)
{
    return count.remove(u'분');
}

WaitingStatus ParseWaitingStatus(QStringView answer)
{
    WaitingStatus status;
    if (auto count = Field(answer, u"count"))
        status.teams = WaitingTeamsText(*count);
    status.time = Field(answer, u"time");
    return status;
}

ReceptionSettings ParseReceptionSettings(QStringView answer)
{
    ReceptionSettings s;
    s.waiting = ParseWaitingStatus(answer);
    s.TakeOutPCText = LineBreakConversion(FieldOr(answer, u"TakeOutPCText"));
    s.eatInOffered = IsY(answer, u"TOWhereYN");
    s.carNumberAsked = IsY(answer, u"TakeOutCarYN");
    s.TakeOutCarText = LineBreakConversion(FieldOr(answer, u"TakeOutCarText"));
    s.paymentAsked = IsY(answer, u"TOPayTypeS");
    return s;
}

DiningKeyPlacement PlaceDiningKeys(const ReceptionSettings& settings)
{
    const bool both = settings.eatInOffered;
    return {both, !both};
}

KeyLook LookOf(KeyGroup group, int index)
{
    // The dining and close keys, the digits and delete are plain; the keys that move on are accented.
    const bool plain = group == KeyGroup::Panel ? index < int(PanelKey::Cash) : index < int(PhoneKey::Next);
    return plain ? KeyLook::Plain : KeyLook::Accent;
}

QString KeyObjectName(KeyGroup group)
{
    return group == KeyGroup::Panel ? QStringLiteral("panelKey")
        : group == KeyGroup::Phone  ? QStringLiteral("phoneKey")
                                    : QStringLiteral("carKey");
}

QString DisabledKeyLine(KeyGroup group)
{
    // The trace names the group as the shop's support has always read it.
    const QString traced = group == KeyGroup::Panel ? QStringLiteral("CMD")
        : group == KeyGroup::Phone                  ? QStringLiteral("CMD2")
                                                    : QStringLiteral("CMD3");
    return QStringLiteral("→") + traced + QStringLiteral("_Click Disabled ... Quit");
}

std::optional<QString> PollAnswerTail(const QString& answer)
{
    const qsizetype at = answer.indexOf(QStringLiteral("count["));
    if (at < 0)
        return std::nullopt;
    return QStringLiteral("... ") + answer.mid(at);
}

int CloseSeconds()
{
    return access::IdleMs(kCloseSeconds * 1000) / 1000;
}

QString IdleWarning(int seconds)
{
    // With the keypad in use a key also counts.
    return access::Tr("%1초 후 처음 화면으로 돌아갑니다.").arg(seconds) + QStringLiteral("\r\n")
        + (access::CurrentModes().any() ? access::Tr("계속하시려면 화면을 터치하거나 아무 키나 누르세요.")
                                        : access::Tr("계속하시려면 화면을 터치해 주세요."));
}

}  // namespace sumbrel::reception
