#include "settings/operator_pin.h"

#include "startup/global_state.h"
#include "startup/ini.h"

#include <QCryptographicHash>
#include <QRandomGenerator>
#include <QStringList>
#include <algorithm>

namespace sumbrel::pin {

namespace {

const QString kScheme = QStringLiteral("sha256");

QByteArray Digest(const QString& digits, const QByteArray& salt)
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(salt);
    hash.addData(digits.toLatin1());
    return hash.result();
}

bool IsHex(const QString& text, qsizetype length)
{
    if (text.size() != length)
        return false;
    return std::all_of(text.begin(), text.end(),
                       [](QChar c) { return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f'); });
}

// Equal length and content without stopping at the first difference.
bool SameBytes(const QByteArray& a, const QByteArray& b)
{
    if (a.size() != b.size())
        return false;
    unsigned char diff = 0;
    for (qsizetype i = 0; i < a.size(); ++i)
        diff |= static_cast<unsigned char>(a[i] ^ b[i]);
    return diff == 0;
}

QString AreaWord(Area area)
{
    return area == Area::Settings ? QStringLiteral("settings") : QStringLiteral("terminate");
}

}  // namespace

bool IsValidPin(const QString& digits)
{
    if (digits.size() < kMinDigits || digits.size() > kMaxDigits)
        return false;
    return std::all_of(digits.begin(), digits.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

QString HashPin(const QString& digits, const QByteArray& salt)
{
    return kScheme + u'$' + QString::fromLatin1(salt.toHex()) + u'$'
        + QString::fromLatin1(Digest(digits, salt).toHex());
}

QString HashPin(const QString& digits)
{
    QByteArray salt(kSaltBytes, Qt::Uninitialized);
    QRandomGenerator::system()->generate(salt.begin(), salt.end());
    return HashPin(digits, salt);
}

bool IsWellFormed(const QString& stored)
{
    const QStringList parts = stored.trimmed().split(u'$');
    return parts.size() == 3 && parts[0] == kScheme && IsHex(parts[1], 2 * kSaltBytes) && IsHex(parts[2], 64);
}

bool Matches(const QString& stored, const QString& digits)
{
    if (!IsWellFormed(stored) || !IsValidPin(digits))
        return false;
    const QStringList parts = stored.trimmed().split(u'$');
    const QByteArray salt = QByteArray::fromHex(parts[1].toLatin1());
    return SameBytes(Digest(digits, salt), QByteArray::fromHex(parts[2].toLatin1()));
}

QString ReadStoredPin()
{
    return ReadIni(QStringLiteral("Set"), QString::fromUtf16(kConfigKey), configFilePath());
}

void WriteStoredPin(const QString& stored)
{
    WriteIni(QStringLiteral("Set"), QString::fromUtf16(kConfigKey), stored, configFilePath());
}

void PinEntry::press(int digit)
{
    if (digit < 0 || digit > 9 || m_digits.size() >= kMaxDigits)
        return;
    m_digits.append(QChar(u'0' + digit));
}

void PinEntry::back()
{
    m_digits.chop(1);
}

QString PinEntry::masked() const
{
    return QString(m_digits.size(), QChar(0x25CF));
}

int PinGate::lockLeftMs(uint32_t nowMs) const
{
    if (!m_locked)
        return 0;
    const uint32_t elapsed = nowMs - m_lockedAt;
    return elapsed >= uint32_t(m_lockMs) ? 0 : int(uint32_t(m_lockMs) - elapsed);
}

TryResult PinGate::attempt(bool matches, uint32_t nowMs, int lockMs)
{
    if (m_locked) {
        const int left = lockLeftMs(nowMs);
        if (left > 0)
            return {Verdict::Refused, 0, left};
        // The minute is over: a fresh set of tries.
        m_locked = false;
        m_triesLeft = kTries;
    }
    if (matches) {
        m_triesLeft = kTries;
        return {Verdict::Accepted, m_triesLeft, 0};
    }
    if (--m_triesLeft > 0)
        return {Verdict::Wrong, m_triesLeft, 0};
    m_locked = true;
    m_lockedAt = nowMs;
    m_lockMs = lockMs;
    m_triesLeft = 0;
    return {Verdict::LockedNow, 0, lockMs};
}

QString PanelTitle(Area area)
{
    return area == Area::Settings ? QStringLiteral("운영자 PIN · 환경 설정")
                                  : QStringLiteral("운영자 PIN · 프로그램 종료");
}

QString PromptText()
{
    return QStringLiteral("PIN을 입력하세요.");
}

int SecondsLeft(int lockLeftMs)
{
    return lockLeftMs <= 0 ? 0 : (lockLeftMs + 999) / 1000;
}

QString ResultText(const TryResult& result)
{
    switch (result.verdict) {
    case Verdict::Accepted:
        return QStringLiteral("확인되었습니다.");
    case Verdict::Wrong:
        return QStringLiteral("PIN이 틀렸습니다. 남은 횟수 %1회").arg(result.triesLeft);
    case Verdict::LockedNow:
        return QStringLiteral("%1회 틀려 잠겼습니다. %2초 후에 다시 시도하세요.")
            .arg(kTries)
            .arg(SecondsLeft(result.lockLeftMs));
    case Verdict::Refused:
        return QStringLiteral("잠겨 있습니다. %1초 후에 다시 시도하세요.").arg(SecondsLeft(result.lockLeftMs));
    }
    return QString();
}

QString TraceLine(Area area, const TryResult& result)
{
    const QString head = QStringLiteral("Operator PIN (") + AreaWord(area) + QStringLiteral("): ");
    switch (result.verdict) {
    case Verdict::Accepted:
        return head + QStringLiteral("accepted");
    case Verdict::Wrong:
        return head
            + QStringLiteral("wrong, %1 %2 left")
                  .arg(result.triesLeft)
                  .arg(result.triesLeft == 1 ? QStringLiteral("try") : QStringLiteral("tries"));
    case Verdict::LockedNow:
        return head + QStringLiteral("wrong, locked for %1 s").arg(SecondsLeft(result.lockLeftMs));
    case Verdict::Refused:
        return head + QStringLiteral("refused, locked for %1 s more").arg(SecondsLeft(result.lockLeftMs));
    }
    return head;
}

QString CancelTraceLine(Area area)
{
    return QStringLiteral("Operator PIN (") + AreaWord(area) + QStringLiteral("): cancelled");
}

SaveOutcome SaveFromSettings(const QString& typed)
{
    if (!IsValidPin(typed))
        return {false, QString(), QStringLiteral("PIN은 %1~%2자리 숫자로 입력하세요!").arg(kMinDigits).arg(kMaxDigits)};
    return {true, HashPin(typed), QStringLiteral("운영자 PIN을 저장했습니다.")};
}

QString ClearedMessage()
{
    return QStringLiteral("운영자 PIN을 해제했습니다.");
}

QString StateText(const QString& stored)
{
    return IsPinSet(stored) ? QStringLiteral("사용 중") : QStringLiteral("사용 안 함");
}

}  // namespace sumbrel::pin
