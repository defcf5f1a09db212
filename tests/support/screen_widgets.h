#pragma once
// The widgets of the reception screen, the menu page, the settings screen and the PIN panel, found
// by the object names the screens give them (indexed sets as name_index), so a test reaches a
// screen only as a person or a screen reader could.
#include "menu/ui/menu_page_widgets.h"
#include "presentation/caption_key.h"
#include "reception/keys.h"
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

inline QWidget* picBack(const QObject& root)
{
    return Find(&root, QStringLiteral("picBack"));
}
inline QWidget* picList(const QObject& root)
{
    return Find(&root, QStringLiteral("picList"));
}
inline QFrame* SetNum_Frame(const QObject& root, int i)
{
    return Find<QFrame>(&root, QStringLiteral("SetNum_Frame"), i);
}
inline QLabel* SetNum(const QObject& root, int i)
{
    return Label(root, QStringLiteral("SetNum"), i);
}
inline CaptionKey* SetNum_Sub(const QObject& root, int i)
{
    return Key(root, QStringLiteral("SetNum_Sub"), i);
}
inline CaptionKey* SetNum_Add(const QObject& root, int i)
{
    return Key(root, QStringLiteral("SetNum_Add"), i);
}
inline CaptionKey* Set_Delete(const QObject& root, int i)
{
    return Key(root, QStringLiteral("Set_Delete"), i);
}
inline CaptionKey* lblTerminate(const QObject& root)
{
    return Key(root, QStringLiteral("lblTerminate"));
}

// ---- the reception screen -----------------------------------------------------------------------
// A key of the reception screen by its group's object name and its index.
inline CaptionKey* KeyOf(const QObject& s, reception::PanelKey k)
{
    return Key(s, QStringLiteral("CMD"), int(k));
}
inline CaptionKey* KeyOf(const QObject& s, reception::PhoneKey k)
{
    return Key(s, QStringLiteral("CMD2"), int(k));
}
inline CaptionKey* KeyOf(const QObject& s, reception::CarKey k)
{
    return Key(s, QStringLiteral("CMD3"), int(k));
}
inline QLabel* lblPhone(const QObject& s, int i)
{
    return Label(s, QStringLiteral("lblPhone"), i);
}
inline QLabel* lblPhoneA(const QObject& s)
{
    return Label(s, QStringLiteral("lblPhoneA_0"));
}
inline QLabel* lblCarNumber(const QObject& s, int i)
{
    return Label(s, QStringLiteral("lblCarNumber"), i);
}
inline QLabel* lblDriveThruText(const QObject& s)
{
    return Label(s, QStringLiteral("lblDriveThruText"));
}
inline QLabel* WaitingTeamsLabel(const QObject& s, int i)
{
    return Label(s, QStringLiteral("lbl현재대기팀수"), i);
}
inline QLabel* WaitingTimeLabel(const QObject& s, int i)
{
    return Label(s, QStringLiteral("lbl예상대기시간"), i);
}
inline QLabel* lblWaitTitle(const QObject& s)
{
    return Label(s, QStringLiteral("lblWaitTitle"));
}
inline QLabel* lblWaitSCM(const QObject& s)
{
    return Label(s, QStringLiteral("lblWaitSCM"));
}
inline QLabel* lblCount(const QObject& s)
{
    return Label(s, QStringLiteral("lblCount"));
}
inline QLabel* lblNotice(const QObject& s)
{
    return Label(s, QStringLiteral("lblNotice"));
}
inline QLabel* ShopNameLabel(const QObject& s)
{
    return Label(s, QStringLiteral("상호"));
}
inline QLabel* OrderAmountLabel(const QObject& s)
{
    return Label(s, QStringLiteral("lbl주문금액"));
}
inline CaptionKey* lblConfig(const QObject& s)
{
    return Key(s, QStringLiteral("lblConfig"));
}
inline QFrame* picFrame(const QObject& s, int i)
{
    return Find<QFrame>(&s, QStringLiteral("picFrame"), i);
}
inline QFrame* picFrame4(const QObject& s)
{
    return Find<QFrame>(&s, QStringLiteral("picFrame4"));
}
inline QFrame* picFrameMenu(const QObject& s)
{
    return Find<QFrame>(&s, QStringLiteral("picFrameMenu"));
}
inline ClockTimer* Timer_Closer(const QObject& s)
{
    return Timer(s, QStringLiteral("Timer_Closer"));
}
inline ClockTimer* Timer_Refresh(const QObject& s)
{
    return Timer(s, QStringLiteral("Timer_Refresh"));
}
inline ClockTimer* Timer_Idle(const QObject& s)
{
    return Timer(s, QStringLiteral("Timer_Idle"));
}

// ---- the menu page ------------------------------------------------------------------------------
inline CaptionKey* CategoryTab(const QObject& p, int t)
{
    return Key(p, QStringLiteral("대분류"), t);
}
inline menu::MenuTile* picMenu(const QObject& p, int k)
{
    return Find<menu::MenuTile>(&p, QStringLiteral("picMenu"), k);
}
inline QLabel* m_photoLabel(const QObject& p, int k)
{
    return Label(p, QStringLiteral("메뉴사진"), k);
}
inline QLabel* m_nameLabel(const QObject& p, int k)
{
    return Label(p, QStringLiteral("메뉴이름"), k);
}
inline QLabel* TilePriceLabel(const QObject& p, int k)
{
    return Label(p, QStringLiteral("가격"), k);
}
inline CaptionKey* CmdLabel(const QObject& p, int k)
{
    return Key(p, QStringLiteral("CmdLabel"), k);
}
inline QLabel* PageCounterLabel(const QObject& p)
{
    return Label(p, QStringLiteral("페이지"));
}
inline QLabel* PageImage(const QObject& p)
{
    return Label(p, QStringLiteral("img페이지"));
}
inline QLabel* m_idleCountdownLabel(const QObject& p)
{
    return Label(p, QStringLiteral("ssp타이머"));
}
inline QLabel* OrderCountLabel(const QObject& p)
{
    return Label(p, QStringLiteral("주문수"));
}
inline QLabel* OrderTotalLabel(const QObject& p)
{
    return Label(p, QStringLiteral("주문금액"));
}
inline QWidget* picShadow(const QObject& p)
{
    return Find(&p, QStringLiteral("picShadow"));
}
inline ClockTimer* Timer3(const QObject& p)
{
    return Timer(p, QStringLiteral("Timer3"));
}
inline QLabel* SetSerial(const QObject& p, int i)
{
    return Label(p, QStringLiteral("SetSerial"), i);
}
inline QLabel* SetMenuName(const QObject& p, int i)
{
    return Label(p, QStringLiteral("SetMenuName"), i);
}
inline QLabel* SetPrice(const QObject& p, int i)
{
    return Label(p, QStringLiteral("SetPrice"), i);
}
inline QLabel* SetOptionMenu(const QObject& p, int i)
{
    return Label(p, QStringLiteral("SetOptionMenu"), i);
}

// ---- the settings screen ------------------------------------------------------------------------
inline QComboBox* Combo(const QObject& s, int n)
{
    return Find<QComboBox>(&s, QStringLiteral("Combo%1").arg(n));
}
inline QComboBox* Combo1(const QObject& s)
{
    return Combo(s, 1);
}
inline QComboBox* Combo2(const QObject& s)
{
    return Combo(s, 2);
}
inline QComboBox* Combo3(const QObject& s)
{
    return Combo(s, 3);
}
inline QComboBox* Combo4(const QObject& s)
{
    return Combo(s, 4);
}
inline QSlider* Slider1(const QObject& s)
{
    return Find<QSlider>(&s, QStringLiteral("Slider1"));
}
inline QLineEdit* Box(const QObject& s, const QString& name)
{
    return Find<QLineEdit>(&s, name);
}
inline QLineEdit* Text1(const QObject& s)
{
    return Box(s, QStringLiteral("Text1"));
}
inline QLineEdit* Text2(const QObject& s)
{
    return Box(s, QStringLiteral("Text2"));
}
inline QLineEdit* Text3(const QObject& s)
{
    return Box(s, QStringLiteral("Text3"));
}
inline QLineEdit* LeftO(const QObject& s)
{
    return Box(s, QStringLiteral("LeftO"));
}
inline QLineEdit* TopO(const QObject& s)
{
    return Box(s, QStringLiteral("TopO"));
}
inline QLineEdit* LeftC(const QObject& s)
{
    return Box(s, QStringLiteral("LeftC"));
}
inline QLineEdit* TopC(const QObject& s)
{
    return Box(s, QStringLiteral("TopC"));
}
inline QLineEdit* txtOperatorPin(const QObject& s)
{
    return Box(s, QStringLiteral("txtOperatorPin"));
}
inline CaptionKey* Command2(const QObject& s)
{
    return Key(s, QStringLiteral("Command2"));
}
inline QCheckBox* chkUseDualMonitor(const QObject& s)
{
    return Find<QCheckBox>(&s, QStringLiteral("chkUseDualMonitor"));
}
inline CaptionKey* PictureDownloadKey(const QObject& s)
{
    return Key(s, QStringLiteral("cmd서버이미지_불러오기"));
}
inline CaptionKey* cmdStopDownload(const QObject& s)
{
    return Key(s, QStringLiteral("cmdStopDownload"));
}
inline CaptionKey* cmdOperatorPinSave(const QObject& s)
{
    return Key(s, QStringLiteral("cmdOperatorPinSave"));
}
inline CaptionKey* cmdOperatorPinClear(const QObject& s)
{
    return Key(s, QStringLiteral("cmdOperatorPinClear"));
}
inline QLabel* lblOperatorPinState(const QObject& s)
{
    return Label(s, QStringLiteral("lblOperatorPinState"));
}
inline QWidget* picWait(const QObject& s)
{
    return Find(&s, QStringLiteral("picWait"));
}
inline QLabel* imgWait(const QObject& s)
{
    return Label(s, QStringLiteral("imgWait"));
}
inline QProgressBar* barWait(const QObject& s)
{
    return Find<QProgressBar>(&s, QStringLiteral("barWait"));
}
inline QLabel* lblWaitCount(const QObject& s)
{
    return Label(s, QStringLiteral("lblWaitCount"));
}
inline QLabel* lblWaitItem(const QObject& s)
{
    return Label(s, QStringLiteral("lblWaitItem"));
}
inline QLabel* lblDownloadResult(const QObject& s)
{
    return Label(s, QStringLiteral("lblDownloadResult"));
}
inline QLabel* lblSaveResult(const QObject& s)
{
    return Label(s, QStringLiteral("lblSaveResult"));
}

// ---- the operator PIN panel ---------------------------------------------------------------------
// Keys by the panel's index: 0-9 the digits, 10 back, 11 OK, 12 cancel.
inline CaptionKey* PinKey(const QObject& panel, int i)
{
    static const char* const named[] = {"cmdPinBack", "cmdPinOk", "cmdPinCancel"};
    return i <= 9 ? Key(panel, QStringLiteral("cmdPin"), i) : Key(panel, QString::fromLatin1(named[i - 10]));
}
inline QLabel* lblPinTitle(const QObject& p)
{
    return Label(p, QStringLiteral("lblPinTitle"));
}
inline QLabel* lblPinDigits(const QObject& p)
{
    return Label(p, QStringLiteral("lblPinDigits"));
}
inline QLabel* lblPinMessage(const QObject& p)
{
    return Label(p, QStringLiteral("lblPinMessage"));
}
inline QFrame* picPinBox(const QObject& p)
{
    return Find<QFrame>(&p, QStringLiteral("picPinBox"));
}

}  // namespace sumbrel::testing
