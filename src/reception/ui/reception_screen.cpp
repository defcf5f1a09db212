#include "reception/ui/reception_screen.h"

#include "access/language.h"
#include "access/speech.h"
#include "access/spoken.h"
#include "presentation/caption_key.h"
#include "presentation/keypad_navigator.h"
#include "presentation/look.h"
#include "presentation/presentation.h"
#include "presentation/stage_scale.h"
#include "presentation/widgets.h"
#include "reception/ui/screen_parts.h"
#include "startup/clock.h"
#include "startup/dialogs.h"
#include "startup/global_state.h"
#include "startup/health_metrics.h"
#include "startup/screen_hold.h"
#include "startup/startup.h"
#include "startup/trace_log.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QWindow>

namespace sumbrel {

using namespace reception;

ReceptionScreen::ReceptionScreen(Session session, QWidget* parent)
    : QWidget(parent)
    , m_path(m_cart)
    , m_service(std::move(session))
    , m_orderList(ListMeasure())
{
    setObjectName(QStringLiteral("receptionScreen"));
    SetTraceName(this, QStringLiteral("frmMain"));
    setWindowTitle(ProgramTitle());
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    m_countdownTimer = new ClockTimer(this);
    m_countdownTimer->setObjectName(QStringLiteral("countdownTimer"));
    connect(m_countdownTimer, &ClockTimer::timeout, this, [this] { countdownTick(); });
    m_pollTimer = new ClockTimer(this);
    m_pollTimer->setObjectName(QStringLiteral("pollTimer"));
    connect(m_pollTimer, &ClockTimer::timeout, this, [this] { pollTick(); });
    m_idleTimer = new ClockTimer(this);
    m_idleTimer->setObjectName(QStringLiteral("idleTimer"));
    connect(m_idleTimer, &ClockTimer::timeout, this, [this] { idleLimitTick(); });
    // Every touch on the screen counts for the entry panels' idle limit.
    qApp->installEventFilter(this);
    build();
}

ReceptionScreen::~ReceptionScreen()
{
    qApp->removeEventFilter(this);
}

// ---- window load -------------------------------------------------------------------------------

void ReceptionScreen::build()
{
    setFixedSize(Px(StageDesign()));
    if (const Placement placement = ReadPlacement(); placement.useDualMonitor) {
        move(placement.LeftO, placement.TopO);
    } else if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.left() + (area.width() - width()) / 2, area.top() + (area.height() - height()) / 2);
    }
    buildPanels();
    buildNavigation();
    showStartState();
    loadSettings();
    ShowText(m_shopName, m_service.session().shopName);
}

// ---- the start state ---------------------------------------------------------------------------

void ReceptionScreen::showStartState()
{
    m_countdownTimer->stop();
    for (QFrame* panel : m_panels)
        panel->hide();
    m_orderPanel->hide();
    m_orderList.toTop();
    m_orderListSurface->move(0, 0);
    m_cart.clear();
    m_path.start();
    m_modePanel->hide();
    showChoices(access::CurrentModes());
    m_spokenNotice.clear();
    m_panels[kStartPanel]->show();
    placeMenuKey();
    showNumbers();
    showNotice();
    m_carPlaceholder->hide();
    ShowText(m_countdownLabel, QString::number(CloseSeconds()));
    m_waiting = {};
    showWaiting();
}

bool ReceptionScreen::loadSettings()
{
    // The last good settings stay on the panels until the answer comes.
    const ReceptionService::Request request = m_service.settingsRequest();
    const ReceptionService::Transport transport = m_service.transport();
    return m_settingsLoad.start(
        [request, transport](const CancelFlag& cancel) {
            return ReceptionService::fetchSettings(request, transport, cancel);
        },
        [this](const PostResult& result) {
            m_settings = m_service.settingsAnswered(result);
            showSettings();
        });
}

void ReceptionScreen::showSettings()
{
    const ReceptionSettings& settings = m_settings;
    m_waiting.apply(settings.waiting);
    showWaiting();
    ShowText(m_countdownLabel, QString::number(CloseSeconds()));
    m_path.applySettings(settings);
    ShowText(m_driveThroughText, settings.TakeOutCarText);
    showCompletion();
    // The takeout key alone stands in the middle of the two keys' places.
    const DiningKeyPlacement keys = PlaceDiningKeys(settings);
    m_panelKeys[size_t(PanelKey::EatIn)]->move(Px(m_places.eatIn.topLeft()));
    m_panelKeys[size_t(PanelKey::EatIn)]->setVisible(keys.eatInVisible);
    m_panelKeys[size_t(PanelKey::Takeout)]->move(
        Px((keys.takeoutAlone ? m_places.takeoutAlone : m_places.takeout).topLeft()));
    m_panelKeys[size_t(PanelKey::Takeout)]->setVisible(true);
    fitTexts();
}

void ReceptionScreen::reset()
{
    // The customer's choices and language end with the visit.
    if (access::CurrentModes().any())
        ApplyModes({});
    ApplyLanguage(access::Language::Korean);
    // And the voice as a customer set it by the keypad: the next one hears the defaults.
    access::RestoreSpeechDefaults();
    rebuildForLook();
    showStartState();
    loadSettings();
    if (m_keypad)
        m_keypad->focus(nullptr, false);
}

// ---- waiting status ----------------------------------------------------------------------------

bool ReceptionScreen::pollWaitingStatus()
{
    // Never two at once; the settings' answer carries the waiting status as well.
    if (m_poll.busy() || m_settingsLoad.busy() || ScreenHold::active())
        return false;
    // The labels show empty while the request is under way.
    m_waiting = {};
    showWaiting();
    const ReceptionService::PollRequest request = m_service.pollRequest();
    const ReceptionService::Transport transport = m_service.transport();
    m_poll.start(
        [request, transport](const CancelFlag& cancel) {
            // Counted apart from the settings load, which asks the same address.
            const health::RequestLabel label(health::Request::Poll);
            CallOptions options;
            options.cancel = cancel;
            return transport(request.url, request.body, options);
        },
        [this, request](const PostResult& result) {
            m_waiting.apply(m_service.pollAnswered(request, result));
            showWaiting();
        });
    return true;
}

void ReceptionScreen::pollTick()
{
    pollWaitingStatus();
}

// ---- the submission ----------------------------------------------------------------------------

void ReceptionScreen::submission()
{
    // Taps are dropped while the order is under way: the path takes no key, and the screen keeps
    // painting and answering (the completion panel says the order is being sent).
    m_path.beginSubmission();
    showCompletion();
    QWidget* completion = m_panels[kCompletionPanel];
    completion->raise();
    completion->show();
    placeMenuKey();
    ApplyTranslucency(completion);
    m_carKeys[size_t(CarKey::Confirm)]->setKeyEnabled(m_path.confirmEnabled());
    const std::optional<ReceptionService::OrderRequest> request = m_service.orderRequest(m_path.orderValues(),
                                                                                         m_cart.order);
    if (!request) {
        submitted(OrderState::NotSent);
        return;
    }
    const ReceptionService::Transport transport = m_service.transport();
    // Never refused: no order is under way while the path is submitting, and it takes no key then.
    m_orderExchange.start(
        [request = *request, transport](const CancelFlag& cancel) {
            return ReceptionService::sendOrder(request, transport, cancel);
        },
        [this](const PostResult& result) { submitted(m_service.orderAnswered(result)); });
}

void ReceptionScreen::submitted(OrderState outcome)
{
    const Reaction reaction = m_path.endSubmission(outcome);
    showCompletion();
    m_carKeys[size_t(CarKey::Confirm)]->setKeyEnabled(m_path.confirmEnabled());
    if (reaction.step == Step::Countdown) {
        m_countdownTimer->start(kCloserIntervalMs);
        fitTexts();
        announce();
        return;
    }
    m_panels[kCompletionPanel]->hide();
    const int panel = m_path.currentPanel();
    for (int i = kStartPanel; i < kCompletionPanel; ++i)
        m_panels[size_t(i)]->setVisible(i == panel);
    showNumbers();
    showNotice();
    placeMenuKey();
}

void ReceptionScreen::countdownTick()
{
    act(m_path.tick(), KeyGroup::Car);
}

void ReceptionScreen::idleLimitTick()
{
    act(m_path.idleTick(), KeyGroup::Panel);
}

// ---- showing the model -------------------------------------------------------------------------

void ReceptionScreen::act(const Reaction& reaction, KeyGroup group)
{
    showAct(reaction, group);
    placeMenuKey();
    fitTexts();
}

void ReceptionScreen::showAct(const Reaction& reaction, KeyGroup group)
{
    switch (reaction.step) {
    case Step::Nothing:
    case Step::Dropped:
        return;
    case Step::Disabled:
        WriteLog(DisabledKeyLine(group));
        return;
    case Step::ShowPanel:
        switchPanel(reaction.from, reaction.panel);
        showNumbers();
        showNotice();
        announce();
        return;
    case Step::Numbers: {
        showNumbers();
        showNotice();
        // Only in the customer's own ear is the number read; the speaker and the log say how long it is.
        const QString number = m_path.currentPanel() == kCarPanel ? m_path.carNumber() : m_path.phoneCaption();
        access::Guide(m_headphones ? access::DigitsText(number) : access::DigitCountText(number),
                      access::Logged::DigitCount);
        return;
    }
    case Step::Notice:
        showNotice();
        return;
    case Step::OpenMenu:
        showNotice();
        // The page keeps its own idle limit meanwhile; it answers by menuClosed.
        m_path.setIdlePaused(true);
        m_menuOpenedFrom = group;
        Q_EMIT menuRequested(m_cart);
        return;
    case Step::Warn:
        MessageBox(reaction.text, MessageIcon::Warning);
        return;
    case Step::OrderShown:
        switchPanel(reaction.from, reaction.panel);
        showNotice();
        setNextKeys();
        m_orderPanel->setVisible(!m_places.orderPanelCovered);
        drawOrder();
        announce();
        return;
    case Step::RedrawOrder:
        drawOrder();
        return;
    case Step::Submit:
        submission();
        return;
    case Step::Countdown:
        ShowText(m_countdownLabel, reaction.text);
        return;
    case Step::Reset:
        reset();
        return;
    }
}

void ReceptionScreen::switchPanel(int from, int to)
{
    m_panels.at(size_t(from))->hide();
    m_panels.at(size_t(to))->show();
}

void ReceptionScreen::showNumbers()
{
    ShowText(m_phoneLabels[0], m_path.phoneCaption());
    m_phoneLabels[0]->setProperty("tag", m_path.phoneDigits());
    m_phonePlaceholder->setVisible(m_path.phonePlaceholderShown());
    for (size_t i = 1; i < m_phoneLabels.size(); ++i) {
        ShowText(m_phoneLabels[i], m_path.phoneCopyCaption());
        m_phoneLabels[i]->setProperty("tag", m_path.phoneCopyDigits());
    }
    ShowText(m_carNumberLabels[0], m_path.carNumber());
    ShowText(m_carNumberLabels[1], m_path.carCopy());
}

void ReceptionScreen::showNotice()
{
    // Over the free part of the entry panel in use: below the number on the phone panel, over the
    // drive-through text on the car panel, below the payment keys.
    const int panel = m_path.currentPanel();
    const bool shown = !m_path.notice().isEmpty() && panel > kStartPanel && panel < kCompletionPanel;
    if (shown) {
        m_noticeLabel->setGeometry(Px(m_places.notice[size_t(panel)]).translated(m_panels[size_t(panel)]->pos()));
        ShowText(m_noticeLabel, m_path.notice());
        m_noticeLabel->raise();
        if (m_path.notice() != m_spokenNotice)
            access::Guide(m_path.notice());
        m_spokenNotice = m_path.notice();
    } else {
        ShowText(m_noticeLabel, QString());
        m_spokenNotice.clear();
    }
    m_noticeLabel->setVisible(shown);
}

void ReceptionScreen::showCompletion()
{
    const CompletionTexts texts = m_path.completion();
    ShowText(m_completionTitle, texts.title);
    m_completionBox->setAccessibleName(texts.title);
    SetInk(m_completionTitle, texts.alert ? Colours().reception.refusal : Colours().reception.completionTitle);
    ShowText(m_completionMessage, texts.message);
    m_countdownLabel->setVisible(texts.countdown);
    m_countdownCaption->setVisible(texts.countdown);
}

void ReceptionScreen::showWaiting()
{
    // A screen reader hears what the numbers count.
    for (QLabel* label : m_waitingTeamsLabels) {
        ShowText(label, m_waiting.teams);
        label->setAccessibleName(access::Tr("현재 대기 %1명").arg(m_waiting.teams));
    }
    for (QLabel* label : m_waitingTimeLabels) {
        ShowText(label, m_waiting.time);
        label->setAccessibleName(access::Tr("예상 대기 시간 %1").arg(m_waiting.time));
    }
}

void ReceptionScreen::setNextKeys()
{
    m_phoneKeys[size_t(PhoneKey::Next)]->setCaption(m_path.nextKeys().phoneKey);
    m_carKeys[size_t(CarKey::Next)]->setCaption(m_path.nextKeys().carKey);
}

// ---- keys --------------------------------------------------------------------------------------

void ReceptionScreen::panelKeyClicked(PanelKey key)
{
    act(m_path.press(key), KeyGroup::Panel);
}

void ReceptionScreen::phoneKeyClicked(PhoneKey key)
{
    act(m_path.press(key), KeyGroup::Phone);
}

void ReceptionScreen::carKeyClicked(CarKey key)
{
    act(m_path.press(key), KeyGroup::Car);
}

void ReceptionScreen::phoneKeyDoubleClicked(PhoneKey key)
{
    if (RepeatsOnDoubleTap(key))
        phoneKeyClicked(key);
}

void ReceptionScreen::carKeyDoubleClicked(CarKey key)
{
    if (RepeatsOnDoubleTap(key))
        carKeyClicked(key);
}

void ReceptionScreen::menuClosed(const cart::OrderCart& result, menu::MenuPageEnd end)
{
    m_cart = result;
    m_path.setIdlePaused(false);
    act(m_path.menuClosed(m_cart.selectionConfirmed), m_menuOpenedFrom);
    if (end == menu::MenuPageEnd::LoadFailed)
        MessageBox(access::Tr(menu::kMenuLoadFailedText), MessageIcon::Warning);
}

// The operator areas: whoever owns the screen answers (the settings end with reset()).
void ReceptionScreen::settingsKeyClicked()
{
    if (!m_path.submitting())
        Q_EMIT settingsRequested();
}

void ReceptionScreen::terminateKeyClicked()
{
    if (!m_path.submitting())
        Q_EMIT terminateRequested();
}

// ---- window events -----------------------------------------------------------------------------

void ReceptionScreen::firstActivation()
{
    if (m_activated)
        return;
    m_activated = true;
    update();
    m_pollTimer->start(kRefreshIntervalMs);
    m_idleTimer->start(kEntryIdleTickMs);
}

bool ReceptionScreen::event(QEvent* event)
{
    m_activation.onEvent(this, event, !m_activated, [this] { firstActivation(); });
    return QWidget::event(event);
}

bool ReceptionScreen::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type == QEvent::MouseButtonPress || type == QEvent::TouchBegin || type == QEvent::KeyPress) {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget && (widget == this || isAncestorOf(widget)))
            act(m_path.touched(), KeyGroup::Panel);
    }
    return QWidget::eventFilter(watched, event);
}

void ReceptionScreen::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    if (!m_background.isNull()) {
        p.drawPixmap(rect(), m_background);
    } else {
        QLinearGradient shade(0, 0, 0, height());
        shade.setColorAt(0, Colours().banner);
        shade.setColorAt(1, Colours().reception.backgroundFoot);
        p.fillRect(rect(), shade);
    }
}

void ReceptionScreen::mousePressEvent(QMouseEvent* event)
{
    // Only the window's own background moves the window.
    if (childAt(event->position().toPoint()) == nullptr && windowHandle())
        windowHandle()->startSystemMove();
    QWidget::mousePressEvent(event);
}

}  // namespace sumbrel
