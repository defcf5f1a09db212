#pragma once
// The widgets of the reception screen, the menu page, the settings screen and the PIN panel, found
// by the object names the screens give them (indexed sets as name_index), so a test reaches a
// screen only as a person or a screen reader could.
#include "menu/ui/menu_page_widgets.h"
#include "presentation/caption_key.h"
#include "reception/keys.h"
#include "reception/reception_rules.h"
#include "startup/clock.h"
#include "support/find.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QSlider>

namespace sumbrel::testing {

// ---- keys and labels shared by name between the screens ----------------------------------------
inline CaptionKey* Key(const QObject& root, const QString& name)
{
    return Find<CaptionKey>(&root, name);
}
inline CaptionKey* Key(const QObject& root, const QString& name, int i)
{
    return Find<CaptionKey>(&root, name, i);
}
inline QLabel* Label(const QObject& root, const QString& name)
{
    return Find<QLabel>(&root, name);
}
inline QLabel* Label(const QObject& root, const QString& name, int i)
{
    return Find<QLabel>(&root, name, i);
}
inline ClockTimer* Timer(const QObject& root, const QString& name)
{
    return Find<ClockTimer>(&root, name);
}

inline QWidget* OrderListClip(const QObject& root)
{
    return Find(&root, QStringLiteral("listArea"));
}
inline QWidget* OrderListArea(const QObject& root)
{
    return Find(&root, QStringLiteral("listSurface"));
}
inline QFrame* RowFrame(const QObject& root, int i)
{
    return Find<QFrame>(&root, QStringLiteral("rowFrame"), i);
}
inline QLabel* RowQuantity(const QObject& root, int i)
{
    return Label(root, QStringLiteral("quantity"), i);
}
inline CaptionKey* RowQuantityDown(const QObject& root, int i)
{
    return Key(root, QStringLiteral("rowQuantityDown"), i);
}
inline CaptionKey* RowQuantityUp(const QObject& root, int i)
{
    return Key(root, QStringLiteral("quantityUp"), i);
}
inline CaptionKey* RowRemove(const QObject& root, int i)
{
    return Key(root, QStringLiteral("rowRemove"), i);
}
inline CaptionKey* TerminateKey(const QObject& root)
{
    return Key(root, QStringLiteral("terminateKey"));
}

// ---- the reception screen -----------------------------------------------------------------------
// A key of the reception screen by its group's object name and its index.
inline CaptionKey* KeyOf(const QObject& s, reception::PanelKey k)
{
    return Key(s, reception::KeyObjectName(reception::KeyGroup::Panel), int(k));
}
inline CaptionKey* KeyOf(const QObject& s, reception::PhoneKey k)
{
    return Key(s, reception::KeyObjectName(reception::KeyGroup::Phone), int(k));
}
inline CaptionKey* KeyOf(const QObject& s, reception::CarKey k)
{
    return Key(s, reception::KeyObjectName(reception::KeyGroup::Car), int(k));
}
inline QLabel* PhoneNumberLabel(const QObject& s, int i)
{
    return Label(s, QStringLiteral("phoneNumber"), i);
}
inline QLabel* PhonePlaceholder(const QObject& s)
{
    return Label(s, QStringLiteral("phonePlaceholder_0"));
}
inline QLabel* CarNumberLabel(const QObject& s, int i)
{
    return Label(s, QStringLiteral("carNumber"), i);
}
inline QLabel* DriveThroughText(const QObject& s)
{
    return Label(s, QStringLiteral("driveThroughText"));
}
inline QLabel* WaitingTeamsLabel(const QObject& s, int i)
{
    return Label(s, QStringLiteral("waitingTeamsLabel"), i);
}
inline QLabel* WaitingTimeLabel(const QObject& s, int i)
{
    return Label(s, QStringLiteral("waitingTimeLabel"), i);
}
inline QLabel* CompletionTitle(const QObject& s)
{
    return Label(s, QStringLiteral("waitTitle"));
}
inline QLabel* CompletionMessage(const QObject& s)
{
    return Label(s, QStringLiteral("completionMessage"));
}
inline QLabel* CountdownLabel(const QObject& s)
{
    return Label(s, QStringLiteral("countdown"));
}
inline QLabel* NoticeLabel(const QObject& s)
{
    return Label(s, QStringLiteral("notice"));
}
inline QLabel* ShopNameLabel(const QObject& s)
{
    return Label(s, QStringLiteral("shopNameLabel"));
}
inline QLabel* OrderAmountLabel(const QObject& s)
{
    return Label(s, QStringLiteral("orderTotalLabel"));
}
inline CaptionKey* SettingsKey(const QObject& s)
{
    return Key(s, QStringLiteral("settingsKey"));
}
inline QFrame* EntryPanel(const QObject& s, int i)
{
    return Find<QFrame>(&s, QStringLiteral("panel"), i);
}
inline QFrame* CompletionBox(const QObject& s)
{
    return Find<QFrame>(&s, QStringLiteral("completionBox"));
}
inline QFrame* OrderPanel(const QObject& s)
{
    return Find<QFrame>(&s, QStringLiteral("orderPanel"));
}
inline ClockTimer* CountdownTimer(const QObject& s)
{
    return Timer(s, QStringLiteral("countdownTimer"));
}
inline ClockTimer* PollTimer(const QObject& s)
{
    return Timer(s, QStringLiteral("pollTimer"));
}
inline ClockTimer* IdleTimer(const QObject& s)
{
    return Timer(s, QStringLiteral("idleTimer"));
}

// ---- the menu page ------------------------------------------------------------------------------
inline CaptionKey* CategoryTab(const QObject& p, int t)
{
    return Key(p, QStringLiteral("categoryTab"), t);
}
inline menu::MenuTile* Tile(const QObject& p, int k)
{
    return Find<menu::MenuTile>(&p, QStringLiteral("tile"), k);
}
inline QLabel* TilePhoto(const QObject& p, int k)
{
    return Label(p, QStringLiteral("tilePhoto"), k);
}
inline QLabel* TileName(const QObject& p, int k)
{
    return Label(p, QStringLiteral("tileName"), k);
}
inline QLabel* TilePriceLabel(const QObject& p, int k)
{
    return Label(p, QStringLiteral("tilePrice"), k);
}
inline CaptionKey* CommandKey(const QObject& p, int k)
{
    return Key(p, QStringLiteral("commandKey"), k);
}
inline QLabel* PageCounterLabel(const QObject& p)
{
    return Label(p, QStringLiteral("pageCounter"));
}
inline QLabel* PageImage(const QObject& p)
{
    return Label(p, QStringLiteral("pageMarker"));
}
inline QLabel* IdleCountdown(const QObject& p)
{
    return Label(p, QStringLiteral("idleCountdown"));
}
inline QLabel* OrderCountLabel(const QObject& p)
{
    return Label(p, QStringLiteral("orderCount"));
}
inline QLabel* OrderTotalLabel(const QObject& p)
{
    return Label(p, QStringLiteral("orderTotal"));
}
inline QWidget* Backdrop(const QObject& p)
{
    return Find(&p, QStringLiteral("backdrop"));
}
inline ClockTimer* IdleTick(const QObject& p)
{
    return Timer(p, QStringLiteral("idleTick"));
}
inline QLabel* RowSerial(const QObject& p, int i)
{
    return Label(p, QStringLiteral("rowSerial"), i);
}
inline QLabel* RowName(const QObject& p, int i)
{
    return Label(p, QStringLiteral("rowName"), i);
}
inline QLabel* RowPrice(const QObject& p, int i)
{
    return Label(p, QStringLiteral("rowPrice"), i);
}
inline QLabel* RowOptions(const QObject& p, int i)
{
    return Label(p, QStringLiteral("rowOptions"), i);
}

// ---- the settings screen ------------------------------------------------------------------------
inline QComboBox* CalledCustomerBox(const QObject& s)
{
    return Find<QComboBox>(&s, QStringLiteral("calledCustomerBox"));
}
inline QComboBox* CallTimeBox(const QObject& s)
{
    return Find<QComboBox>(&s, QStringLiteral("callTimeBox"));
}
inline QComboBox* PreparingCustomerBox(const QObject& s)
{
    return Find<QComboBox>(&s, QStringLiteral("preparingCustomerBox"));
}
inline QComboBox* AlarmKindBox(const QObject& s)
{
    return Find<QComboBox>(&s, QStringLiteral("alarmKindBox"));
}
inline QSlider* VolumeSlider(const QObject& s)
{
    return Find<QSlider>(&s, QStringLiteral("volumeSlider"));
}
inline QLineEdit* Box(const QObject& s, const QString& name)
{
    return Find<QLineEdit>(&s, name);
}
inline QLineEdit* ImageFileBox(const QObject& s)
{
    return Box(s, QStringLiteral("imageFileBox"));
}
inline QLineEdit* BottomTextBox(const QObject& s)
{
    return Box(s, QStringLiteral("bottomTextBox"));
}
inline QLineEdit* CallTextBox(const QObject& s)
{
    return Box(s, QStringLiteral("callTextBox"));
}
inline QLineEdit* OrderLeftBox(const QObject& s)
{
    return Box(s, QStringLiteral("LeftO"));
}
inline QLineEdit* OrderTopBox(const QObject& s)
{
    return Box(s, QStringLiteral("TopO"));
}
inline QLineEdit* CallLeftBox(const QObject& s)
{
    return Box(s, QStringLiteral("LeftC"));
}
inline QLineEdit* CallTopBox(const QObject& s)
{
    return Box(s, QStringLiteral("TopC"));
}
inline QLineEdit* OperatorPinBox(const QObject& s)
{
    return Box(s, QStringLiteral("operatorPinBox"));
}
inline CaptionKey* ChooseImageKey(const QObject& s)
{
    return Key(s, QStringLiteral("chooseImageKey"));
}
inline QCheckBox* DualMonitorBox(const QObject& s)
{
    return Find<QCheckBox>(&s, QStringLiteral("dualMonitorBox"));
}
inline CaptionKey* PictureDownloadKey(const QObject& s)
{
    return Key(s, QStringLiteral("downloadPicturesKey"));
}
inline CaptionKey* StopDownloadKey(const QObject& s)
{
    return Key(s, QStringLiteral("stopDownloadKey"));
}
inline CaptionKey* SavePinKey(const QObject& s)
{
    return Key(s, QStringLiteral("savePinKey"));
}
inline CaptionKey* ClearPinKey(const QObject& s)
{
    return Key(s, QStringLiteral("clearPinKey"));
}
inline QLabel* PinStateLabel(const QObject& s)
{
    return Label(s, QStringLiteral("pinState"));
}
inline QWidget* WaitPanel(const QObject& s)
{
    return Find(&s, QStringLiteral("waitPanel"));
}
inline QLabel* WaitPicture(const QObject& s)
{
    return Label(s, QStringLiteral("waitPicture"));
}
inline QProgressBar* WaitProgress(const QObject& s)
{
    return Find<QProgressBar>(&s, QStringLiteral("waitProgress"));
}
inline QLabel* WaitCount(const QObject& s)
{
    return Label(s, QStringLiteral("waitCount"));
}
inline QLabel* WaitItem(const QObject& s)
{
    return Label(s, QStringLiteral("waitItem"));
}
inline QLabel* DownloadResult(const QObject& s)
{
    return Label(s, QStringLiteral("downloadResult"));
}
inline QLabel* SaveResult(const QObject& s)
{
    return Label(s, QStringLiteral("saveResult"));
}

// ---- the operator PIN panel ---------------------------------------------------------------------
// Keys by the panel's index: 0-9 the digits, 10 back, 11 OK, 12 cancel.
inline CaptionKey* PinKey(const QObject& panel, int i)
{
    static const char* const named[] = {"pinBackKey", "pinOkKey", "pinCancelKey"};
    return i <= 9 ? Key(panel, QStringLiteral("pinKey"), i) : Key(panel, QString::fromLatin1(named[i - 10]));
}
inline QLabel* PinTitle(const QObject& p)
{
    return Label(p, QStringLiteral("pinTitle"));
}
inline QLabel* PinDigits(const QObject& p)
{
    return Label(p, QStringLiteral("pinDigits"));
}
inline QLabel* PinMessage(const QObject& p)
{
    return Label(p, QStringLiteral("pinMessage"));
}
inline QFrame* PinBox(const QObject& p)
{
    return Find<QFrame>(&p, QStringLiteral("pinBox"));
}

}  // namespace sumbrel::testing
