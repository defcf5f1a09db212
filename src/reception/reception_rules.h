#pragma once
// The reception screen's rules that need no widget: number entry, masking, the customer's path,
// the settings answer and the key placement.
#include "access/language.h"
#include "reception/keys.h"

#include <QString>
#include <QStringView>
#include <optional>

namespace sumbrel::reception {

inline constexpr int kMaxPhoneDigits = 11;
inline constexpr int kCarDigits = 4;
inline constexpr int kCloseSeconds = 10;
// The completion countdown of this visit: three times as long with the barrier-free choices.
int CloseSeconds();
inline constexpr int kCloserIntervalMs = 1000;
inline constexpr int kRefreshIntervalMs = 15000;
// The entry panels' idle limit, its warning over the last seconds, and the watch's tick.
inline constexpr int kEntryIdleMs = 60000;
inline constexpr int kEntryWarnMs = 10000;
inline constexpr int kEntryIdleTickMs = 500;

enum Panel : int { kStartPanel = 0, kPhonePanel = 1, kCarPanel = 2, kPaymentPanel = 3, kCompletionPanel = 4 };

// What the phone panel's number shows for the digit string (positions 5 and 6 masked); empty for no digits.
QString PhoneDisplay(const QString& digits);
// Appends the digit while the text is shorter than maxLength.
QString AppendDigit(const QString& text, int digit, int maxLength);
// Drops the last character (one character: empty; empty stays empty).
QString DeleteLastDigit(const QString& text);
// A mobile number for the order: SplitPhoneNumber classifies it as mobile.
bool IsMobileNumber(const QString& digits);
bool IsCompleteCarNumber(const QString& carNumber);

// The customer's texts below are Korean, shown through access::Tr in the visit's language.

// The captions of the two keys, in the visit's language.
struct NextKeyCaptions {
    QString phoneKey;  // the phone panel's "다음" key (index 11)
    QString carKey;  // the car panel's "다음" key (index 11)
};
struct ReceptionSettings;
NextKeyCaptions NextKeys(const ReceptionSettings& settings);
inline constexpr const char* kNextCaption = TrNoop("다음");
inline constexpr const char* kSubmitCaption = TrNoop("접수");

// The completion panel's texts: as loadSettings sets them, and as a refusal replaces them.
inline constexpr const char* kCompletedTitle = TrNoop("접수 완료");
// Two lines, each a text of its own.
QString ThanksMessage();
inline constexpr const char* kRefusedTitle = TrNoop("접수 실패");
inline constexpr const char* kRefusedMessage = TrNoop("이미 신청된 번호입니다.");
// While the order is under way; the thanks come only with the shop's "성공".
inline constexpr const char* kSendingTitle = TrNoop("주문 전송 중");
inline constexpr const char* kSendingMessage = TrNoop("잠시만 기다려 주세요");

// What the entry panel a submission returns to tells the customer.
inline constexpr const char* kFailedNotice = TrNoop("주문을 전송하지 못했습니다. 다시 시도해 주세요.");
// Two lines, each a text of its own.
QString UnknownNotice();
inline constexpr const char* kNotSentNotice = TrNoop("주문 내용을 만들 수 없습니다. 메뉴를 다시 선택해 주세요.");
// The idle warning over the last seconds of an entry panel.
QString IdleWarning(int seconds);

// The warnings of the entry panels.
inline constexpr const char* kNotMobileWarning = TrNoop("휴대폰 번호가 아닙니다!");
inline constexpr const char* kCarDigitsWarning = TrNoop("4자리를 입력하세요!");
inline constexpr const char* kNoMenuWarning = TrNoop("메뉴를 선택하세요!");

// Where "다음" of the phone panel leads: the car panel when car numbers are asked, else the payment
// panel (no car number to type when the shop asks for none).
int PanelAfterPhone(const ReceptionSettings& settings);
// Where "번호변경" of the payment panel leads.
int PanelForNumberChange(const ReceptionSettings& settings);
// The panel a failed submission returns to.
int LastEntryPanel(const ReceptionSettings& settings);

// Every CR removed, then "!줄바꿈!" becomes CR LF.
QString LineBreakConversion(QString value);
// The waiting-teams value as shown: every "분" removed.
QString WaitingTeamsText(QString count);

struct WaitingStatus {
    std::optional<QString> teams;  // "count" with "분" removed
    std::optional<QString> time;  // "time" unchanged
};
WaitingStatus ParseWaitingStatus(QStringView answer);

// What the waiting labels show (index 1 copies index 0): a field missing from an answer leaves
// its text as it was.
struct WaitingTexts {
    QString teams;
    QString time;
    void apply(const WaitingStatus& status)
    {
        if (status.teams)
            teams = *status.teams;
        if (status.time)
            time = *status.time;
    }
};

// The shop's choices for the reception. Each choice holds only for a field that is exactly "Y": a
// missing field, "y" or " Y" leave it off.
struct ReceptionSettings {
    WaitingStatus waiting;
    QString TakeOutPCText;
    bool eatInOffered = false;  // TOWhereYN: the eat-in key beside the takeout key
    bool carNumberAsked = false;  // TakeOutCarYN: the car panel after the phone panel
    QString TakeOutCarText;
    bool paymentAsked = false;  // TOPayTypeS: the payment panel before the submission
};
// Missing fields give empty texts and every choice off.
ReceptionSettings ParseReceptionSettings(QStringView answer);

// Both dining keys one above the other, or the takeout key alone in their middle.
struct DiningKeyPlacement {
    bool eatInVisible = false;
    bool takeoutAlone = true;
};
DiningKeyPlacement PlaceDiningKeys(const ReceptionSettings& settings);

// Which of the two press looks a key has (the screen owns the colours).
enum class KeyLook { Plain, Accent };
KeyLook LookOf(KeyGroup group, int index);
// The object name its keys carry, with their index: "panelKey_3".
QString KeyObjectName(KeyGroup group);
// The general-log line for a click on a disabled key.
QString DisabledKeyLine(KeyGroup group);
// The poll's short answer trace: "... " + the answer from the first "count["; nullopt without one.
std::optional<QString> PollAnswerTail(const QString& answer);

}  // namespace sumbrel::reception
