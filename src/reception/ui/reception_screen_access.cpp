// The reception screen in the barrier-free mode: the mode panel and its choices, the screen built
// again for a new look, the keypad's navigation and the voice, and the texts fitted at twice the size.
#include "access/language.h"
#include "access/modes.h"
#include "access/speech.h"
#include "access/spoken.h"
#include "presentation/caption_key.h"
#include "presentation/keypad_navigator.h"
#include "presentation/look.h"
#include "presentation/presentation.h"
#include "presentation/stage_scale.h"
#include "presentation/widgets.h"
#include "reception/ui/reception_screen.h"
#include "reception/ui/screen_parts.h"
#include "startup/global_state.h"
#include "startup/trace_log.h"

#include <QFontMetrics>
#include <QFrame>
#include <QLabel>

namespace sumbrel {

using namespace reception;

namespace {

// No text of the large view is fitted below this size.
constexpr int kSmallestFittedPx = 8;

// The mode panel's toggles in their order, as the choices they set.
constexpr bool access::Modes::*kToggleChoices[] = {&access::Modes::voice, &access::Modes::low, &access::Modes::large,
                                                   &access::Modes::contrast};

}  // namespace

bool ReceptionScreen::completionShown() const
{
    return !m_panels[kCompletionPanel]->isHidden();
}

bool ReceptionScreen::modePanelShown() const
{
    return !m_modePanel->isHidden();
}

void ReceptionScreen::showChoices(const access::Modes& modes)
{
    m_chosen = modes;
    for (size_t i = 0; i < m_toggles.size(); ++i)
        m_toggles[i]->setChecked(m_chosen.*kToggleChoices[i]);
}

bool ReceptionScreen::rebuildForLook()
{
    if (m_builtLook == LookGeneration())
        return false;
    delete m_keypad;
    m_keypad = nullptr;
    // A key of the old panels may be the one whose touch brought us here: gone once it has returned.
    for (QWidget* old : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        old->hide();
        old->setParent(nullptr);
        old->deleteLater();
    }
    buildPanels();
    buildNavigation();
    ShowText(m_shopName, m_service.session().shopName);
    fitTexts();
    update();
    return true;
}

// ---- the keypad and the voice ------------------------------------------------------------------

void ReceptionScreen::buildNavigation()
{
    m_keypad = new KeypadNavigator(this);
    m_keypad->intercept = [this](int key) { return keypadIntercept(key); };
    m_keypad->back = [this] { keypadBack(); };
    m_keypad->erase = [this] { return keypadErase(); };
    m_keypad->describe = [this] { return panelIntro(); };
}

void ReceptionScreen::headphonesChanged(bool inserted)
{
    m_headphones = inserted;
    if (!inserted || access::CurrentModes().voice)
        return;
    access::Modes modes = access::CurrentModes();
    modes.voice = true;
    ApplyModes(modes);
    showChoices(modes);
    WriteLog(QStringLiteral("  [frmMain] 이어폰으로 음성 안내 시작 (") + access::SpeechState() + u')');
    if (m_keypad && isVisible())
        m_keypad->sayScreen();
}

bool ReceptionScreen::keypadIntercept(int key)
{
    const bool onStart = m_path.currentPanel() == kStartPanel && !modePanelShown() && !completionShown();
    const bool keypadKey = (key >= Qt::Key_Left && key <= Qt::Key_Down) || key == Qt::Key_Return || key == Qt::Key_Enter
        || (key >= Qt::Key_0 && key <= Qt::Key_9);
    if (!onStart || !keypadKey || access::CurrentModes().voice)
        return false;
    // A customer who reaches for the keypad is guided by voice from here on.
    access::Modes modes = access::CurrentModes();
    modes.voice = true;
    ApplyModes(modes);
    showChoices(modes);
    WriteLog(QStringLiteral("  [frmMain] 키패드 입력으로 음성 안내 시작 (") + access::SpeechState() + u')');
    m_keypad->focusFirst(false);
    m_keypad->sayScreen();
    return true;
}

void ReceptionScreen::keypadBack()
{
    if (modePanelShown()) {
        closeModePanelClicked();
        return;
    }
    if (completionShown())
        return;
    switch (m_path.currentPanel()) {
    case kPhonePanel:
        panelKeyClicked(PanelKey::ClosePhone);
        break;
    case kCarPanel:
        panelKeyClicked(PanelKey::CloseCar);
        break;
    case kPaymentPanel:
        panelKeyClicked(PanelKey::ClosePayment);
        break;
    default:
        break;
    }
}

bool ReceptionScreen::keypadErase()
{
    // Where digits are typed BackSpace only ever deletes one: it never throws the order away.
    if (modePanelShown() || completionShown())
        return false;
    if (m_path.currentPanel() == kPhonePanel) {
        phoneKeyClicked(PhoneKey::Delete);
        return true;
    }
    if (m_path.currentPanel() == kCarPanel) {
        carKeyClicked(CarKey::Delete);
        return true;
    }
    return false;
}

QString ReceptionScreen::panelIntro() const
{
    if (completionShown()) {
        const CompletionTexts texts = m_path.completion();
        return access::OutcomeText(texts.title, texts.message);
    }
    if (modePanelShown())
        return access::ModePanelIntro();
    switch (m_path.currentPanel()) {
    case kPhonePanel:
        return access::PhonePanelIntro(m_path.nextKeys().phoneKey == access::Tr(kSubmitCaption));
    case kCarPanel:
        return access::CarPanelIntro(m_driveThroughText->text(),
                                     m_path.nextKeys().carKey == access::Tr(kSubmitCaption));
    case kPaymentPanel:
        return access::PaymentPanelIntro();
    default:
        return access::StartPanelIntro(m_panelKeys[size_t(PanelKey::EatIn)]->isVisible());
    }
}

void ReceptionScreen::placeMenuKey()
{
    if (!m_places.orderPanelCovered)
        return;
    CaptionKey* key = m_phoneKeys[size_t(PhoneKey::MenuSelect)];
    const int panel = m_path.currentPanel();
    const bool shown = panel > kStartPanel && panel < kCompletionPanel && !completionShown()
        && !m_places.menuKey[size_t(panel)].isNull();
    if (!shown) {
        key->hide();
        return;
    }
    if (key->parentWidget() != m_panels[size_t(panel)])
        key->setParent(m_panels[size_t(panel)]);
    key->setGeometry(Px(m_places.menuKey[size_t(panel)]));
    key->show();
    key->raise();
}

void ReceptionScreen::announce()
{
    if (m_keypad)
        m_keypad->refresh();
    access::Guide(panelIntro());
}

void ReceptionScreen::easyOrderClicked()
{
    if (m_path.submitting())
        return;
    showChoices(access::CurrentModes());
    m_panels[kStartPanel]->hide();
    m_modePanel->show();
    m_modePanel->raise();
    fitTexts();
    announce();
}

void ReceptionScreen::closeModePanelClicked()
{
    m_modePanel->hide();
    m_panels[kStartPanel]->show();
    announce();
}

void ReceptionScreen::languageClicked(access::Language language)
{
    if (m_path.submitting() || m_path.currentPanel() != kStartPanel)
        return;
    WriteLog(QStringLiteral("  [frmMain] 언어: ") + QLatin1String(access::InfoOf(language).code));
    ApplyLanguage(language);
    // The visit's choices stay as they are; only the texts and their type change.
    if (rebuildForLook()) {
        showStartState();
        showSettings();
    }
    announce();
}

void ReceptionScreen::startEasyOrderClicked()
{
    WriteLog(QStringLiteral("  [frmMain] 쉬운 주문: 음성 %1, 낮은 화면 %2, 크게 보기 %3, 고대비 %4")
                 .arg(int(m_chosen.voice))
                 .arg(int(m_chosen.low))
                 .arg(int(m_chosen.large))
                 .arg(int(m_chosen.contrast)));
    if (m_chosen.voice && !access::CurrentModes().voice)
        WriteLog(QStringLiteral("  [frmMain] 음성 안내: ") + access::SpeechState());
    ApplyModes(m_chosen);
    if (!rebuildForLook()) {
        closeModePanelClicked();
        return;
    }
    // The settings of this visit's start: no exchange with the shop while the customer waits.
    showStartState();
    showSettings();
    announce();
}

void ReceptionScreen::buildModePanel()
{
    m_modePanel = MakePanel(this, QStringLiteral("modePanel"), m_places.entryPanel, Colours().panel);
    m_modePanel->hide();
    m_modePanel->setAccessibleName(access::Tr("쉬운 주문"));
    MakeLabel(m_modePanel, QStringLiteral("modeTitle"), m_places.modeTitle, LabelFont(44, true), Colours().ink,
              Qt::AlignCenter, LabelFlag::Wrap, access::Tr("쉬운 주문"));
    MakeLabel(m_modePanel, QStringLiteral("modeHint"), m_places.modeHint, LabelFont(26), Colours().ink, Qt::AlignCenter,
              LabelFlag::Wrap, access::Tr("필요한 도움을 켜고 주문 시작을 누르세요."));
    static const char* const kToggles[] = {TrNoop("음성 안내"), TrNoop("낮은 화면"), TrNoop("크게 보기"),
                                           TrNoop("고대비")};
    for (size_t i = 0; i < m_toggles.size(); ++i) {
        CaptionKey* toggle = MakeKey(m_modePanel, QStringLiteral("modeToggle_%1").arg(i), access::Tr(kToggles[i]),
                                     m_places.toggles[i], KeyFont(32), Colours().plainKey, Colours().keyInk);
        toggle->setCheckable(true);
        connect(toggle, &CaptionKey::toggled, this, [this, i, toggle](bool on) {
            m_chosen.*kToggleChoices[i] = on;
            access::Guide(access::ToggleText(toggle->caption(), on));
        });
        m_toggles[i] = toggle;
    }
    CaptionKey* start = MakeKey(m_modePanel, QStringLiteral("modeStartKey"), access::Tr("주문 시작"),
                                m_places.modeStart, KeyFont(40), Colours().accentKey, Colours().keyInk);
    connect(start, &CaptionKey::clicked, this, [this] { startEasyOrderClicked(); });
    CaptionKey* close = MakeKey(m_modePanel, QStringLiteral("modeCloseKey"), kCloseCaption, m_places.modeClose,
                                CloseKeyFont(36), Colours().plainKey, Colours().keyInk);
    connect(close, &CaptionKey::clicked, this, [this] { closeModePanelClicked(); });
}

void ReceptionScreen::fitTexts()
{
    const bool large = CurrentLook().scale > 1.0;
    // At the design's size a translated text may be longer than its place: down to two thirds.
    auto fit = [large](QWidget* w, const QString& text, const QRect& area, bool wrap) {
        FitFont(w, text, area, wrap, large ? kSmallestFittedPx : std::max(1, w->font().pixelSize() * 2 / 3), "frmMain");
    };
    // Only what is shown: the rest is fitted when its panel shows.
    for (CaptionKey* key : findChildren<CaptionKey*>()) {
        if (key->isInvisible() || !key->isVisibleTo(this))
            continue;
        // A toggle's mark takes about one and a half lines' height at the left of its caption.
        QRect room = key->rect().adjusted(4, 4, -4, -4);
        if (key->isCheckable())
            room.setLeft(room.left() + QFontMetrics(key->font()).height() * 3 / 2);
        // A caption of one word stays on one line (Chinese and Japanese would break it anywhere).
        fit(key, key->caption(), room, key->caption().contains(u' ') || key->caption().contains(u'\n'));
    }
    // Labels change their texts: each fit starts from the size it was built with.
    for (QLabel* label : findChildren<QLabel*>()) {
        if (!label->pixmap().isNull() || label->text().isEmpty() || !label->isVisibleTo(this)
            || label->property("fittedText").toString() == label->text())
            continue;
        label->setProperty("fittedText", label->text());
        const QVariant built = label->property("builtFont");
        if (built.isValid())
            label->setFont(built.value<QFont>());
        else
            label->setProperty("builtFont", label->font());
        fit(label, label->text(), label->contentsRect(), label->wordWrap());
    }
}

}  // namespace sumbrel
