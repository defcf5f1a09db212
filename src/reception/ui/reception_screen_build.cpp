// The reception screen's widgets, panel by panel, where the design puts them.
#include "access/language.h"
#include "access/modes.h"
#include "access/speech.h"
#include "access/spoken.h"
#include "access/staff_call.h"
#include "presentation/caption_key.h"
#include "presentation/look.h"
#include "presentation/presentation.h"
#include "presentation/stage_scale.h"
#include "presentation/widgets.h"
#include "reception/ui/reception_screen.h"
#include "reception/ui/screen_parts.h"
#include "startup/trace_log.h"

#include <QFontMetrics>

#include <QFrame>
#include <QLabel>
#include <algorithm>

namespace sumbrel {

using namespace reception;

namespace {

const QString kDeleteCaption = QStringLiteral("<-");
constexpr const char* kNumberChangeCaption = TrNoop("번호변경");

const KeyColours& ColoursFor(KeyGroup group, int index)
{
    return LookOf(group, index) == KeyLook::Plain ? Colours().plainKey : Colours().accentKey;
}

}  // namespace

void ReceptionScreen::makeKey(KeyGroup group, int index, const QString& caption, QWidget* parent, const QRect& geometry)
{
    const bool digitKey = group != KeyGroup::Panel && DigitOf(PhoneKey(index));
    // The design's sizes: the look's scale makes them larger, not the larger keys of its layout.
    const int designHeight = int(geometry.height() / CurrentLook().scale);
    const QFont font = caption == kCloseCaption ? CloseKeyFont(36)
                                                : KeyFont(digitKey ? 54 : (designHeight >= 100 ? 40 : 28));
    CaptionKey* key = MakeKey(parent, KeyObjectName(group) + QStringLiteral("_%1").arg(index), caption, geometry, font,
                              ColoursFor(group, index), Colours().keyInk);
    switch (group) {
    case KeyGroup::Panel:
        m_panelKeys.at(size_t(index)) = key;
        connect(key, &CaptionKey::clicked, this, [this, index] { panelKeyClicked(PanelKey(index)); });
        break;
    case KeyGroup::Phone:
        m_phoneKeys.at(size_t(index)) = key;
        connect(key, &CaptionKey::clicked, this, [this, index] { phoneKeyClicked(PhoneKey(index)); });
        connect(key, &CaptionKey::doubleClicked, this, [this, index] { phoneKeyDoubleClicked(PhoneKey(index)); });
        break;
    case KeyGroup::Car:
        m_carKeys.at(size_t(index)) = key;
        connect(key, &CaptionKey::clicked, this, [this, index] { carKeyClicked(CarKey(index)); });
        connect(key, &CaptionKey::doubleClicked, this, [this, index] { carKeyDoubleClicked(CarKey(index)); });
        break;
    }
}

void ReceptionScreen::buildKeypad(KeyGroup group, QWidget* panel)
{
    for (int i = 0; i < kKeypadKeys; ++i) {
        const std::optional<int> digit = DigitOf(PhoneKey(i));
        const QString caption = digit    ? QString::number(*digit)
            : i == int(PhoneKey::Delete) ? kDeleteCaption
                                         : access::Tr(kSubmitCaption);
        makeKey(group, i, caption, panel, m_places.keypad[size_t(i)]);
    }
}

void ReceptionScreen::buildWaitingStatus()
{
    // Index 0 of the waiting labels stands on the window itself, beside or above the panels, where
    // the order panel later covers it with its own copies.
    const WaitingPlaces& at = m_places.waiting;
    const QColor light = Colours().reception.waitingCaption;
    MakeLabel(this, QStringLiteral("waitingTeamsCaption_0"), at.teamsCaption, LabelFont(40), light, Qt::AlignCenter,
              LabelFlag::Wrap, access::Tr("현재 대기"));
    m_waitingTeamsLabels[0] = MakeLabel(this, QStringLiteral("waitingTeamsLabel_0"), at.teams, KeyFont(110),
                                        Colours().accentKey.rest, Qt::AlignRight | Qt::AlignVCenter, LabelFlag::Wrap);
    MakeLabel(this, QStringLiteral("waitingTeamsUnit_0"), at.teamsUnit, LabelFont(52), light,
              Qt::AlignLeft | Qt::AlignVCenter, LabelFlag::Wrap, access::Tr("명"));
    MakeLabel(this, QStringLiteral("waitingTimeCaption_0"), at.timeCaption, LabelFont(40), light, Qt::AlignCenter,
              LabelFlag::Wrap, access::Tr("예상 대기 시간"));
    m_waitingTimeLabels[0] = MakeLabel(this, QStringLiteral("waitingTimeLabel_0"), at.time, KeyFont(80),
                                       Colours().accentKey.rest, Qt::AlignCenter, LabelFlag::Wrap);
    // Built again over a window already shown (a new look or language), they show only when told.
    for (QLabel* label : findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly))
        label->show();
}

void ReceptionScreen::buildMenuPanel()
{
    m_orderPanel = MakePanel(this, QStringLiteral("orderPanel"), m_places.orderPanel, Colours().reception.orderPanel);
    m_orderListClip = MakePanel(m_orderPanel, QStringLiteral("listArea"), m_places.listView, Colours().panel);
    m_orderListSurface = new OrderListSurface(m_orderListClip);
    m_orderListSurface->setGeometry(Px(QRect(0, 0, m_places.listView.width(), kEmptyListHeight)));
    m_orderListSurface->touchReleased = [this](int y) { orderListReleased(y); };
    buildOrderRows();
    m_orderTotalLabel = MakeLabel(m_orderPanel, QStringLiteral("orderTotalLabel"), m_places.total, KeyFont(40),
                                  Colours().ink, Qt::AlignRight | Qt::AlignVCenter, LabelFlag::Wrap);
    makeKey(KeyGroup::Phone, int(PhoneKey::MenuSelect), access::Tr("메뉴선택"), m_orderPanel, m_places.menuSelect);
    // Its right edge, a pixel past the panel's in the design, rounded as the panel's own: then the
    // panel cuts no more of it on any screen than that pixel.
    const QPoint origin = m_places.orderPanel.topLeft();
    m_phoneKeys[size_t(PhoneKey::MenuSelect)]->setGeometry(
        Px(m_places.menuSelect.translated(origin)).translated(-Px(origin)));
    const WaitingPlaces& at = m_places.orderWaiting;
    const QFont font = LabelFont(30);
    MakeLabel(m_orderPanel, QStringLiteral("waitingTeamsCaption_1"), at.teamsCaption, font, Colours().ink,
              Qt::AlignLeft | Qt::AlignVCenter, LabelFlag::Wrap, access::Tr("현재 대기"));
    m_waitingTeamsLabels[1] = MakeLabel(m_orderPanel, QStringLiteral("waitingTeamsLabel_1"), at.teams, KeyFont(36),
                                        Colours().alert, Qt::AlignRight | Qt::AlignVCenter, LabelFlag::Wrap);
    MakeLabel(m_orderPanel, QStringLiteral("waitingTeamsUnit_1"), at.teamsUnit, font, Colours().ink,
              Qt::AlignLeft | Qt::AlignVCenter, LabelFlag::Wrap, access::Tr("명"));
    MakeLabel(m_orderPanel, QStringLiteral("waitingTimeCaption_1"), at.timeCaption, font, Colours().ink,
              Qt::AlignLeft | Qt::AlignVCenter, LabelFlag::Wrap, access::Tr("예상 대기 시간"));
    m_waitingTimeLabels[1] = MakeLabel(m_orderPanel, QStringLiteral("waitingTimeLabel_1"), at.time, KeyFont(36),
                                       Colours().alert, Qt::AlignLeft | Qt::AlignVCenter, LabelFlag::Wrap);
}

void ReceptionScreen::buildOrderRows()
{
    const Palette::Reception& colours = Colours().reception;
    auto rowKey = [](QWidget* row, const QString& name, const QString& caption, const QRect& geometry,
                     const KeyColours& keyColours) {
        return MakeKey(row, name, caption, geometry, KeyFont(26), keyColours, Colours().inkOnDark);
    };
    for (int i = 0; i < kRowPanels; ++i) {
        OrderRow& row = m_rows[size_t(i)];
        const QString index = QStringLiteral("_%1").arg(i);
        row.frame = new QFrame(m_orderListSurface);
        row.frame->setObjectName(QStringLiteral("rowFrame") + index);
        row.frame->setGeometry(Px(QRect(RowLeft(m_places.listView.width()), 0, kRowWidth, kRowHeight)));
        row.frame->hide();
        auto* border = new QFrame(row.frame);
        border->setObjectName(QStringLiteral("rowBorder") + index);
        border->setGeometry(Px(QRect(43, 0, 52, 39)));
        border->setFrameStyle(QFrame::Box | QFrame::Plain);
        border->setLineWidth(std::max(1, Px(2)));
        SetInk(border, colours.quantityRim);
        row.quantity = MakeLabel(row.frame, QStringLiteral("quantity") + index, QRect(44, 0, 50, 34), KeyFont(26),
                                 Colours().ink, Qt::AlignCenter, LabelFlag::Wrap);
        row.quantity->setWordWrap(false);  // a number: no text layout on every paint
        row.sub = rowKey(row.frame, QStringLiteral("rowQuantityDown") + index, QStringLiteral("-"), QRect(0, 0, 45, 39),
                         colours.stepKey);
        row.add = rowKey(row.frame, QStringLiteral("quantityUp") + index, QStringLiteral("+"), QRect(94, 0, 45, 39),
                         colours.stepKey);
        row.remove = rowKey(row.frame, QStringLiteral("rowRemove") + index, QStringLiteral("x"), QRect(160, 0, 45, 40),
                            colours.deleteKey);
        connect(row.sub, &CaptionKey::clicked, this, [this, i] { quantityDownClicked(i); });
        connect(row.sub, &CaptionKey::doubleClicked, this, [this, i] { quantityDownClicked(i); });
        connect(row.add, &CaptionKey::clicked, this, [this, i] { quantityUpClicked(i); });
        connect(row.add, &CaptionKey::doubleClicked, this, [this, i] { quantityUpClicked(i); });
        connect(row.remove, &CaptionKey::clicked, this, [this, i] { removeClicked(i); });
    }
}

void ReceptionScreen::buildStartPanel()
{
    QFrame* panel = m_panels[kStartPanel];
    m_shopName = MakeLabel(panel, QStringLiteral("shopNameLabel"), m_places.shopName, LabelFont(44, true),
                           Colours().ink, Qt::AlignCenter, LabelFlag::Wrap);
    makeKey(KeyGroup::Panel, int(PanelKey::EatIn), access::Tr("매장 식사"), panel, m_places.eatIn);
    makeKey(KeyGroup::Panel, int(PanelKey::Takeout), access::Tr("포장 주문"), panel, m_places.takeout);
    m_panelKeys[size_t(PanelKey::EatIn)]->setFont(KeyFont(52));
    m_panelKeys[size_t(PanelKey::Takeout)]->setFont(KeyFont(52));
    m_easyOrder = MakeKey(panel, QStringLiteral("easyOrderKey"), access::Tr("쉬운 주문"), m_places.easyOrder,
                          KeyFont(40), Colours().plainKey, Colours().keyInk);
    connect(m_easyOrder, &CaptionKey::clicked, this, [this] { easyOrderClicked(); });
    // The other languages, each named in its own script (never translated).
    size_t slot = 0;
    for (const access::LanguageInfo& info : access::kLanguages) {
        if (info.language == access::VisitLanguage())
            continue;
        CaptionKey* key = MakeKey(panel, QStringLiteral("languageKey_") + QLatin1String(info.code),
                                  QString::fromUtf16(info.name), m_places.languages.at(slot++),
                                  InScriptOf(KeyFont(28), info.language), Colours().plainKey, Colours().keyInk);
        connect(key, &CaptionKey::clicked, this, [this, language = info.language] { languageClicked(language); });
    }

    m_pictureBox = TextLabel(panel, QStringLiteral("operatorPicture"));
    m_pictureBox->setGeometry(Px(m_places.operatorBox));
    SetFill(m_pictureBox, Colours().panel);
    const QPixmap picture = access::CurrentModes().contrast ? QPixmap() : SkinPicture(QStringLiteral("0102.gif"));
    if (!picture.isNull())
        m_pictureBox->setPixmap(
            StageScale() == 1.0 ? picture
                                : picture.scaled(Px(picture.size()), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));

    // Two invisible touch areas for the operator, side by side.
    auto operatorArea = [this](const QString& name, int left) {
        auto* area = new CaptionKey(QString(), m_pictureBox);
        area->setObjectName(name);
        area->setAccessibleName(name);
        area->setInvisible(true);
        area->setGeometry(Px(QRect(left, 0, 70, 60)));
        return area;
    };
    m_settingsKey = operatorArea(QStringLiteral("settingsKey"), 0);
    connect(m_settingsKey, &CaptionKey::clicked, this, [this] { settingsKeyClicked(); });
    m_terminateKey = operatorArea(QStringLiteral("terminateKey"), 70);
    connect(m_terminateKey, &CaptionKey::clicked, this, [this] { terminateKeyClicked(); });
}

void ReceptionScreen::buildPhonePanel()
{
    QFrame* panel = m_panels[kPhonePanel];
    makeKey(KeyGroup::Panel, int(PanelKey::ClosePhone), kCloseCaption, panel, m_places.close);
    m_phoneLabels[0] = MakeLabel(panel, QStringLiteral("phoneNumber_0"), m_places.number, KeyFont(64), Colours().ink,
                                 Qt::AlignCenter, LabelFlag::Wrap);
    m_phonePlaceholder = MakeLabel(panel, QStringLiteral("phonePlaceholder_0"), m_places.number, LabelFont(36),
                                   Colours().mutedInk, Qt::AlignCenter, LabelFlag::Wrap,
                                   access::Tr("휴대폰 번호를 입력하세요."));
    buildKeypad(KeyGroup::Phone, panel);
}

void ReceptionScreen::buildCarPanel()
{
    QFrame* panel = m_panels[kCarPanel];
    makeKey(KeyGroup::Panel, int(PanelKey::CloseCar), kCloseCaption, panel, m_places.close);
    makeKey(KeyGroup::Car, int(CarKey::NumberChange), access::Tr(kNumberChangeCaption), panel, m_places.numberChange);
    m_phoneLabels[1] = MakeLabel(panel, QStringLiteral("phoneNumber_1"), m_places.phoneOnCar, KeyFont(32),
                                 Colours().mutedInk, Qt::AlignLeft | Qt::AlignVCenter, LabelFlag::Wrap);
    m_carNumberLabels[0] = MakeLabel(panel, QStringLiteral("carNumber_0"), m_places.carNumber, KeyFont(72),
                                     Colours().ink, Qt::AlignCenter, LabelFlag::Wrap);
    m_carPlaceholder = MakeLabel(panel, QStringLiteral("carPlaceholder_0"), m_places.carNumber, LabelFont(36),
                                 Colours().mutedInk, Qt::AlignCenter, LabelFlag::Wrap,
                                 access::Tr("차량 번호를 입력하세요."));
    m_driveThroughText = MakeLabel(panel, QStringLiteral("driveThroughText"), m_places.driveThru, LabelFont(28),
                                   Colours().ink, Qt::AlignCenter, LabelFlag::Wrap);
    buildKeypad(KeyGroup::Car, panel);
}

void ReceptionScreen::buildPaymentPanel()
{
    QFrame* panel = m_panels[kPaymentPanel];
    makeKey(KeyGroup::Panel, int(PanelKey::ClosePayment), kCloseCaption, panel, m_places.payClose);
    makeKey(KeyGroup::Panel, int(PanelKey::NumberChange), access::Tr(kNumberChangeCaption), panel,
            m_places.payNumberChange);
    m_phoneLabels[2] = MakeLabel(panel, QStringLiteral("phoneNumber_2"), m_places.payPhone, KeyFont(34), Colours().ink,
                                 Qt::AlignCenter, LabelFlag::Wrap);
    m_carNumberLabels[1] = MakeLabel(panel, QStringLiteral("carNumber_1"), m_places.payCar, KeyFont(34),
                                     Colours().ink, Qt::AlignCenter, LabelFlag::Wrap);
    m_paymentTotalLabel = nullptr;
    if (!m_places.payTotal.isNull())
        m_paymentTotalLabel = MakeLabel(panel, QStringLiteral("paymentTotal"), m_places.payTotal, KeyFont(40),
                                        Colours().ink, Qt::AlignCenter, LabelFlag::Wrap);
    makeKey(KeyGroup::Panel, int(PanelKey::Cash), access::Tr("현금결제"), panel, m_places.cash);
    makeKey(KeyGroup::Panel, int(PanelKey::Card), access::Tr("카드결제"), panel, m_places.card);
}

void ReceptionScreen::buildStaffCallKeys()
{
    for (int i = kStartPanel; i < kCompletionPanel; ++i) {
        const QRect& place = m_places.staffCall[size_t(i)];
        CaptionKey* key = MakeKey(m_panels[size_t(i)], QStringLiteral("staffCallKey_%1").arg(i),
                                  access::Tr(access::kStaffCallCaption), place,
                                  KeyFont(int(place.height() / CurrentLook().scale) >= 100 ? 40 : 28),
                                  Colours().plainKey, Colours().keyInk);
        connect(key, &CaptionKey::clicked, this, [this] { staffCallClicked(); });
    }
}

void ReceptionScreen::staffCallClicked()
{
    // Covered by the completion panel while an order is under way, so never then.
    access::CallStaff(TraceName(this));
}

void ReceptionScreen::buildCompletionPanel()
{
    m_panels[kCompletionPanel] = MakePanel(this, QStringLiteral("panel_4"), QRect(QPoint(0, 0), StageDesign()),
                                           Colours().dimming);
    m_completionBox = MakePanel(m_panels[kCompletionPanel], QStringLiteral("completionBox"), m_places.completionBox,
                                Colours().panel);
    m_completionBox->setFrameShape(QFrame::Box);
    m_completionBox->setLineWidth(std::max(1, Px(2)));
    m_completionTitle = MakeLabel(m_completionBox, QStringLiteral("waitTitle"), m_places.completionTitle,
                                  KeyFont(48), Colours().reception.completionTitle, Qt::AlignCenter, LabelFlag::Wrap);
    m_completionMessage = MakeLabel(m_completionBox, QStringLiteral("completionMessage"), m_places.completionMessage,
                                    LabelFont(40), Colours().ink, Qt::AlignCenter, LabelFlag::Wrap);
    makeKey(KeyGroup::Car, int(CarKey::Confirm), access::Tr("확인"), m_completionBox, m_places.completionConfirm);
    m_carKeys[size_t(CarKey::Confirm)]->setFont(KeyFont(48));
    m_countdownLabel = MakeLabel(m_completionBox, QStringLiteral("countdown"), m_places.countNumber, KeyFont(40),
                                 Colours().alert, Qt::AlignRight | Qt::AlignVCenter, LabelFlag::Wrap,
                                 QString::number(CloseSeconds()));
    m_countdownCaption = MakeLabel(m_completionBox, QStringLiteral("countdownCaption"), m_places.countText, LabelFont(30),
                                   Colours().ink, Qt::AlignLeft | Qt::AlignVCenter, LabelFlag::Wrap,
                                   access::Tr("초 후 자동 종료됩니다."));
    m_panels[kCompletionPanel]->raise();
}

void ReceptionScreen::buildPanels()
{
    m_places = PlacesFor(access::CurrentModes(), StagePortrait());
    m_orderList = OrderList(ListMeasure(), m_places.listView.width(), m_places.listView.height());
    for (int i = kStartPanel; i < kCompletionPanel; ++i)
        m_panels[size_t(i)] = MakePanel(this, QStringLiteral("panel_%1").arg(i), m_places.entryPanel, Colours().panel);
    // What each panel is, as a screen reader announces it.
    static const char* const kPanelNames[] = {TrNoop("처음 화면"), TrNoop("휴대폰 번호 입력"), TrNoop("차량 번호 입력"),
                                              TrNoop("결제 방법 선택")};
    for (int i = kStartPanel; i < kCompletionPanel; ++i)
        m_panels[size_t(i)]->setAccessibleName(access::Tr(kPanelNames[i]));
    buildWaitingStatus();
    buildMenuPanel();
    m_orderPanel->setAccessibleName(access::Tr("주문 내역"));
    buildStartPanel();
    buildPhonePanel();
    buildCarPanel();
    buildPaymentPanel();
    buildStaffCallKeys();
    buildModePanel();
    // What became of a submission, or the idle warning, over the entry panel in use.
    m_noticeLabel = MakeLabel(this, QStringLiteral("notice"), QRect(), LabelFont(26, true),
                              Colours().reception.noticeInk, Qt::AlignCenter, LabelFlag::Wrap);
    m_noticeLabel->setAutoFillBackground(true);
    SetFill(m_noticeLabel, Colours().reception.noticeFill);
    m_noticeLabel->hide();
    buildCompletionPanel();
    const QCursor cursor = OperatorCursor();
    m_settingsKey->setCursor(cursor);
    m_terminateKey->setCursor(cursor);
    // High contrast: plain faces only, no picture behind texts.
    m_background = access::CurrentModes().contrast ? QPixmap() : SkinPicture(QStringLiteral("0101.gif"));
    if (m_places.orderPanelCovered) {
        // Under the full-window panels: neither seen nor read out.
        m_orderPanel->hide();
        for (QLabel* label : findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly)) {
            if (label->objectName().endsWith(QStringLiteral("_0")))
                label->hide();
        }
    }
    fitTexts();
    m_builtLook = LookGeneration();
}

}  // namespace sumbrel
