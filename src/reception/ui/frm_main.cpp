#include "reception/ui/frm_main.h"

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

frmMain::frmMain(QWidget* parent)
    : QWidget(parent)
    , m_path(m_cart)
    , m_orderList(ListMeasure())
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(ProgramTitle());
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    m_timerCloser = new ClockTimer(this);
    m_timerCloser->setObjectName(QStringLiteral("Timer_Closer"));
    connect(m_timerCloser, &ClockTimer::timeout, this, [this] { Timer_Closer_Timer(); });
    m_timerRefresh = new ClockTimer(this);
    m_timerRefresh->setObjectName(QStringLiteral("Timer_Refresh"));
    connect(m_timerRefresh, &ClockTimer::timeout, this, [this] { Timer_Refresh_Timer(); });
    m_timerIdle = new ClockTimer(this);
    m_timerIdle->setObjectName(QStringLiteral("Timer_Idle"));
    connect(m_timerIdle, &ClockTimer::timeout, this, [this] { Timer_Idle_Timer(); });
    // Every touch on the screen counts for the entry panels' idle limit.
    qApp->installEventFilter(this);
    Form_Load();
}

frmMain::~frmMain()
{
    qApp->removeEventFilter(this);
}

// ---- window load -------------------------------------------------------------------------------

void frmMain::Form_Load()
{
    Procedure proc(QString(), QStringLiteral("Form_Load"));
    SUMBREL_STEP(proc, {
        setFixedSize(Px(StageDesign()));
        if (gs().useDualMonitor) {
            move(gs().LeftO, gs().TopO);
        } else if (QScreen* screen = QGuiApplication::primaryScreen()) {
            const QRect area = screen->geometry();
            move(area.left() + (area.width() - width()) / 2, area.top() + (area.height() - height()) / 2);
        }
    });
    SUMBREL_STEP(proc, buildPanels());
    SUMBREL_STEP(proc, buildNavigation());
    SUMBREL_STEP(proc, Init_Form());
    SUMBREL_STEP(proc, Load_Setting());
    SUMBREL_STEP(proc, ShowText(m_shopName, gs().shopName));
}

// ---- the start state ---------------------------------------------------------------------------

void frmMain::Init_Form()
{
    m_timerCloser->stop();
    for (QFrame* panel : m_picFrame)
        panel->hide();
    m_picFrameMenu->hide();
    m_orderList.toTop();
    m_picList->move(0, 0);
    m_cart.clear();
    m_path.start();
    m_modePanel->hide();
    showChoices(access::CurrentModes());
    m_spokenNotice.clear();
    m_picFrame[kStartPanel]->show();
    placeMenuKey();
    showNumbers();
    showNotice();
    m_lblCarNumberA->hide();
    ShowText(m_lblCount, QString::number(CloseSeconds()));
    m_waiting = {};
    showWaiting();
}

bool frmMain::Load_Setting()
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

void frmMain::showSettings()
{
    const ReceptionSettings& settings = m_settings;
    m_waiting.apply(settings.waiting);
    showWaiting();
    ShowText(m_lblCount, QString::number(CloseSeconds()));
    m_path.applySettings(settings);
    ShowText(m_lblDriveThruText, settings.TakeOutCarText);
    showCompletion();
    // The takeout key alone stands in the middle of the two keys' places.
    const DiningKeyPlacement keys = PlaceDiningKeys(settings.TOWhereYN);
    m_panelKeys[size_t(PanelKey::EatIn)]->move(Px(m_places.eatIn.topLeft()));
    m_panelKeys[size_t(PanelKey::EatIn)]->setVisible(keys.eatInVisible);
    m_panelKeys[size_t(PanelKey::Takeout)]->move(
        Px((keys.takeoutAlone ? m_places.takeoutAlone : m_places.takeout).topLeft()));
    m_panelKeys[size_t(PanelKey::Takeout)]->setVisible(true);
    fitTexts();
}

void frmMain::reset()
{
    // The customer's choices and language end with the visit.
    if (access::CurrentModes().any())
        ApplyModes({});
    ApplyLanguage(access::Language::Korean);
    rebuildForLook();
    Init_Form();
    Load_Setting();
    if (m_keypad)
        m_keypad->focus(nullptr, false);
}

// ---- waiting status ----------------------------------------------------------------------------

bool frmMain::TOLoad()
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

void frmMain::Timer_Refresh_Timer()
{
    try {
        TOLoad();
    } catch (...) {
        // The poll's failures never reach the timer.
    }
}

// ---- the submission ----------------------------------------------------------------------------

void frmMain::submission()
{
    // Taps are dropped while the order is under way: the path takes no key, and the screen keeps
    // painting and answering (the completion panel says the order is being sent).
    m_path.beginSubmission();
    showCompletion();
    QWidget* completion = m_picFrame[kCompletionPanel];
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

void frmMain::submitted(OrderState outcome)
{
    const Reaction reaction = m_path.endSubmission(outcome);
    showCompletion();
    m_carKeys[size_t(CarKey::Confirm)]->setKeyEnabled(m_path.confirmEnabled());
    if (reaction.step == Step::Countdown) {
        m_timerCloser->start(kCloserIntervalMs);
        fitTexts();
        announce();
        return;
    }
    m_picFrame[kCompletionPanel]->hide();
    const int panel = m_path.currentPanel();
    for (int i = kStartPanel; i < kCompletionPanel; ++i)
        m_picFrame[size_t(i)]->setVisible(i == panel);
    showNumbers();
    showNotice();
    placeMenuKey();
}

void frmMain::Timer_Closer_Timer()
{
    act(m_path.tick(), KeyGroup::Car);
}

void frmMain::Timer_Idle_Timer()
{
    act(m_path.idleTick(), KeyGroup::Panel);
}

// ---- showing the model -------------------------------------------------------------------------

void frmMain::act(const Reaction& reaction, KeyGroup group)
{
    showAct(reaction, group);
    placeMenuKey();
    fitTexts();
}

void frmMain::showAct(const Reaction& reaction, KeyGroup group)
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
    case Step::Numbers:
        showNumbers();
        showNotice();
        // The customer hears the number; the log keeps only how long it is.
        access::Guide(
            access::DigitsText(m_path.currentPanel() == kCarPanel ? m_path.carNumber() : m_path.phoneCaption()),
            access::Logged::DigitCount);
        return;
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
        m_picFrameMenu->setVisible(!m_places.orderPanelCovered);
        Draw_Order();
        announce();
        return;
    case Step::RedrawOrder:
        Draw_Order();
        return;
    case Step::Submit:
        submission();
        return;
    case Step::Countdown:
        ShowText(m_lblCount, reaction.text);
        return;
    case Step::Reset:
        reset();
        return;
    }
}

void frmMain::switchPanel(int from, int to)
{
    m_picFrame.at(size_t(from))->hide();
    m_picFrame.at(size_t(to))->show();
}

void frmMain::showNumbers()
{
    ShowText(m_lblPhone[0], m_path.phoneCaption());
    m_lblPhone[0]->setProperty("tag", m_path.phoneDigits());
    m_lblPhoneA->setVisible(m_path.phonePlaceholderShown());
    for (size_t i = 1; i < m_lblPhone.size(); ++i) {
        ShowText(m_lblPhone[i], m_path.phoneCopyCaption());
        m_lblPhone[i]->setProperty("tag", m_path.phoneCopyDigits());
    }
    ShowText(m_lblCarNumber[0], m_path.carNumber());
    ShowText(m_lblCarNumber[1], m_path.carCopy());
}

void frmMain::showNotice()
{
    // Over the free part of the entry panel in use: below the number on the phone panel, over the
    // drive-through text on the car panel, below the payment keys.
    const int panel = m_path.currentPanel();
    const bool shown = !m_path.notice().isEmpty() && panel > kStartPanel && panel < kCompletionPanel;
    if (shown) {
        m_lblNotice->setGeometry(Px(m_places.notice[size_t(panel)]).translated(m_picFrame[size_t(panel)]->pos()));
        ShowText(m_lblNotice, m_path.notice());
        m_lblNotice->raise();
        if (m_path.notice() != m_spokenNotice)
            access::Guide(m_path.notice());
        m_spokenNotice = m_path.notice();
    } else {
        ShowText(m_lblNotice, QString());
        m_spokenNotice.clear();
    }
    m_lblNotice->setVisible(shown);
}

void frmMain::showCompletion()
{
    const CompletionTexts texts = m_path.completion();
    ShowText(m_lblWaitTitle, texts.title);
    m_picFrame4->setAccessibleName(texts.title);
    SetInk(m_lblWaitTitle, texts.alert ? Colours().reception.refusal : Colours().reception.completionTitle);
    ShowText(m_lblWaitSCM, texts.message);
    m_lblCount->setVisible(texts.countdown);
    m_lblCountText->setVisible(texts.countdown);
}

void frmMain::showWaiting()
{
    // A screen reader hears what the numbers count.
    for (QLabel* label : m_lblWaitTeams) {
        ShowText(label, m_waiting.teams);
        label->setAccessibleName(access::Tr("현재 대기 %1명").arg(m_waiting.teams));
    }
    for (QLabel* label : m_lblWaitTime) {
        ShowText(label, m_waiting.time);
        label->setAccessibleName(access::Tr("예상 대기 시간 %1").arg(m_waiting.time));
    }
}

void frmMain::setNextKeys()
{
    m_phoneKeys[size_t(PhoneKey::Next)]->setCaption(m_path.nextKeys().phoneKey);
    m_carKeys[size_t(CarKey::Next)]->setCaption(m_path.nextKeys().carKey);
}

// ---- keys --------------------------------------------------------------------------------------

void frmMain::PanelKey_Click(PanelKey key)
{
    act(m_path.press(key), KeyGroup::Panel);
}

void frmMain::PhoneKey_Click(PhoneKey key)
{
    act(m_path.press(key), KeyGroup::Phone);
}

void frmMain::CarKey_Click(CarKey key)
{
    act(m_path.press(key), KeyGroup::Car);
}

void frmMain::PhoneKey_DblClick(PhoneKey key)
{
    if (RepeatsOnDoubleTap(key))
        PhoneKey_Click(key);
}

void frmMain::CarKey_DblClick(CarKey key)
{
    if (RepeatsOnDoubleTap(key))
        CarKey_Click(key);
}

void frmMain::menuClosed(const cart::OrderCart& result, menu::MenuPageEnd end)
{
    m_cart = result;
    m_path.setIdlePaused(false);
    act(m_path.menuClosed(m_cart.selectionConfirmed), m_menuOpenedFrom);
    if (end == menu::MenuPageEnd::LoadFailed)
        MessageBox(access::Tr(menu::kMenuLoadFailedText), MessageIcon::Warning);
}

// The operator areas: whoever owns the screen answers (the settings end with reset()).
void frmMain::lblConfig_Click()
{
    if (!m_path.submitting())
        Q_EMIT settingsRequested();
}

void frmMain::lblTerminate_Click()
{
    if (!m_path.submitting())
        Q_EMIT terminateRequested();
}

// ---- window events -----------------------------------------------------------------------------

void frmMain::firstActivation()
{
    if (m_activated)
        return;
    m_activated = true;
    update();
    m_timerRefresh->start(kRefreshIntervalMs);
    m_timerIdle->start(kEntryIdleTickMs);
}

bool frmMain::event(QEvent* event)
{
    m_activation.onEvent(this, event, !m_activated, [this] { firstActivation(); });
    return QWidget::event(event);
}

bool frmMain::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type == QEvent::MouseButtonPress || type == QEvent::TouchBegin || type == QEvent::KeyPress) {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget && (widget == this || isAncestorOf(widget)))
            act(m_path.touched(), KeyGroup::Panel);
    }
    return QWidget::eventFilter(watched, event);
}

void frmMain::paintEvent(QPaintEvent*)
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

void frmMain::mousePressEvent(QMouseEvent* event)
{
    // Only the window's own background moves the window.
    if (childAt(event->position().toPoint()) == nullptr && windowHandle())
        windowHandle()->startSystemMove();
    QWidget::mousePressEvent(event);
}

}  // namespace sumbrel
