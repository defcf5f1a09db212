#include "reception/frm_main.h"

#include "presentation/caption_key.h"
#include "presentation/presentation.h"
#include "presentation/widgets.h"
#include "reception/screen_parts.h"
#include "startup/clock.h"
#include "startup/dialogs.h"
#include "startup/global_state.h"
#include "startup/trace_log.h"

#include <QCoreApplication>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QWindow>

namespace sumbrel {

using namespace reception;

frmMain::frmMain(QWidget* parent)
    : QWidget(parent)
    , m_orderList(ListMeasure())
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(ProgramTitle());
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    m_timerCloser = new QTimer(this);
    m_timerCloser->setObjectName(QStringLiteral("Timer_Closer"));
    connect(m_timerCloser, &QTimer::timeout, this, [this] { Timer_Closer_Timer(); });
    m_timerRefresh = new QTimer(this);
    m_timerRefresh->setObjectName(QStringLiteral("Timer_Refresh"));
    connect(m_timerRefresh, &QTimer::timeout, this, [this] { Timer_Refresh_Timer(); });
    terminateProgram = [] { QCoreApplication::exit(0); };
    Form_Load();
}

frmMain::~frmMain() = default;

QWidget* frmMain::picList() const
{
    return m_picList;
}

QColor frmMain::titleColour()
{
    return QColor(20, 70, 140);
}

// ---- window load -------------------------------------------------------------------------------

void frmMain::Form_Load()
{
    Procedure proc(QString(), QStringLiteral("Form_Load"));
    SUMBREL_STEP(proc, {
        setFixedSize(1024, 768);
        if (gs().useDualMonitor) {
            move(gs().LeftO, gs().TopO);
        } else if (QScreen* screen = QGuiApplication::primaryScreen()) {
            const QRect area = screen->geometry();
            move(area.left() + (area.width() - width()) / 2, area.top() + (area.height() - height()) / 2);
        }
    });
    SUMBREL_STEP(proc, buildPanels());
    SUMBREL_STEP(proc, Init_Form());
    SUMBREL_STEP(proc, Load_Setting());
    SUMBREL_STEP(proc, SetCaption(m_shopName, gs().shopName));
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
    m_path.start();
    m_picFrame[kStartPanel]->show();
    gs().selectedOrder.clear();
    gs().selectionConfirmed = false;
    showNumbers();
    m_lblCarNumberA->hide();
    m_waiting = {};
    showWaiting();
}

bool frmMain::Load_Setting()
{
    const ReceptionSettings settings = m_service.loadSettings();
    m_waiting.apply(settings.waiting);
    showWaiting();
    SetCaption(m_lblCount, QString::number(kCloseSeconds));
    m_path.applySettings(settings);
    SetCaption(m_lblDriveThruText, settings.TakeOutCarText);
    SetCaption(m_lblWaitSCM, kThanksMessage);
    SetCaption(m_lblWaitTitle, kCompletedTitle);
    SetInk(m_lblWaitTitle, titleColour());
    const DiningKeyPlacement keys = PlaceDiningKeys(settings.TOWhereYN);
    CMD(Cmd::EatIn)->move(keys.eatIn);
    CMD(Cmd::EatIn)->setVisible(keys.eatInVisible);
    CMD(Cmd::Takeout)->move(keys.takeout);
    CMD(Cmd::Takeout)->setVisible(true);
    return true;
}

void frmMain::reset()
{
    Init_Form();
    Load_Setting();
}

// ---- waiting status ----------------------------------------------------------------------------

bool frmMain::TOLoad()
{
    // The labels show empty while the request is under way.
    m_waiting = {};
    showWaiting();
    QCoreApplication::processEvents();
    m_waiting.apply(m_service.poll());
    showWaiting();
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

bool frmMain::Save_Input()
{
    switch (m_service.submit(m_path.orderValues(), gs().selectedOrder)) {
    case SubmitOutcome::Accepted:
        return true;
    case SubmitOutcome::AlreadyRegistered:
        SetCaption(m_lblWaitTitle, kRefusedTitle);
        SetInk(m_lblWaitTitle, QColor(255, 0, 0));
        SetCaption(m_lblWaitSCM, kRefusedMessage);
        return true;
    case SubmitOutcome::Failed:
    case SubmitOutcome::NotSent:
        break;
    }
    return false;
}

void frmMain::submission()
{
    // Nothing the customer touches acts until the answer is in: taps made meanwhile are dropped,
    // so none of them resets the screen mid-way or lands on "확인" afterwards.
    InputBlocker blocker(this);
    m_path.beginSubmission();
    QWidget* completion = m_picFrame[kCompletionPanel];
    completion->raise();
    completion->show();
    ApplyTranslucency(completion);
    CMD3(Cmd3::Confirm)->setKeyEnabled(m_path.confirmEnabled());
    QCoreApplication::processEvents();
    const bool kept = Save_Input();
    // Taps that waited behind the blocking request arrive here and are dropped.
    QCoreApplication::processEvents();
    const Reaction reaction = m_path.endSubmission(kept);
    CMD3(Cmd3::Confirm)->setKeyEnabled(m_path.confirmEnabled());
    if (kept) {
        m_timerCloser->start(scaledMs(kCloserIntervalMs));
        return;
    }
    completion->hide();
    for (int i = kStartPanel; i < kCompletionPanel; ++i)
        m_picFrame[size_t(i)]->setVisible(i == reaction.panel);
}

void frmMain::Timer_Closer_Timer()
{
    const Reaction reaction = m_path.tick();
    act(reaction, KeyGroup::CMD3);
    if (reaction.step == Step::Countdown)
        QCoreApplication::processEvents();
}

// ---- showing the model -------------------------------------------------------------------------

void frmMain::act(const Reaction& reaction, KeyGroup group)
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
        [[fallthrough]];
    case Step::Numbers:
        showNumbers();
        return;
    case Step::OpenMenu:
        if (openMenuPage)
            openMenuPage();
        act(m_path.menuClosed(gs().selectionConfirmed), group);
        return;
    case Step::Warn:
        MessageBox(reaction.text, MessageIcon::Warning);
        return;
    case Step::OrderShown:
        switchPanel(reaction.from, reaction.panel);
        setNextKeys();
        m_picFrameMenu->show();
        [[fallthrough]];
    case Step::RedrawOrder:
        Draw_Order();
        return;
    case Step::Submit:
        submission();
        return;
    case Step::Countdown:
        SetCaption(m_lblCount, reaction.text);
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
    SetCaption(m_lblPhone[0], m_path.phoneCaption());
    m_lblPhone[0]->setProperty("tag", m_path.phoneDigits());
    m_lblPhoneA->setVisible(m_path.phonePlaceholderShown());
    for (size_t i = 1; i < m_lblPhone.size(); ++i) {
        SetCaption(m_lblPhone[i], m_path.phoneCopyCaption());
        m_lblPhone[i]->setProperty("tag", m_path.phoneCopyDigits());
    }
    SetCaption(m_lblCarNumber[0], m_path.carNumber());
    SetCaption(m_lblCarNumber[1], m_path.carCopy());
}

void frmMain::showWaiting()
{
    for (QLabel* label : m_lblWaitTeams)
        SetCaption(label, m_waiting.teams);
    for (QLabel* label : m_lblWaitTime)
        SetCaption(label, m_waiting.time);
}

void frmMain::setNextKeys()
{
    CMD2(Cmd2::Next)->setCaption(m_path.nextKeys().phoneKey);
    CMD3(Cmd3::Next)->setCaption(m_path.nextKeys().carKey);
}

// ---- keys --------------------------------------------------------------------------------------

void frmMain::CMD_Click(Cmd key)
{
    act(m_path.press(key), KeyGroup::CMD);
}

void frmMain::CMD2_Click(Cmd2 key)
{
    act(m_path.press(key), KeyGroup::CMD2);
}

void frmMain::CMD3_Click(Cmd3 key)
{
    act(m_path.press(key), KeyGroup::CMD3);
}

void frmMain::CMD2_DblClick(Cmd2 key)
{
    if (RepeatsOnDoubleTap(key))
        CMD2_Click(key);
}

void frmMain::CMD3_DblClick(Cmd3 key)
{
    if (RepeatsOnDoubleTap(key))
        CMD3_Click(key);
}

void frmMain::lblConfig_Click()
{
    if (m_path.submitting())
        return;
    if (openSettings)
        openSettings();
    reset();
}

void frmMain::lblTerminate_Click()
{
    if (m_path.submitting())
        return;
    if (terminateProgram)
        terminateProgram();
}

// ---- window events -----------------------------------------------------------------------------

void frmMain::firstActivation()
{
    if (m_activated)
        return;
    m_activated = true;
    update();
    m_timerRefresh->start(scaledMs(kRefreshIntervalMs));
}

bool frmMain::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate || event->type() == QEvent::Show)
        firstActivation();
    return QWidget::event(event);
}

void frmMain::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    if (!m_background.isNull()) {
        p.drawPixmap(rect(), m_background);
    } else {
        QLinearGradient shade(0, 0, 0, height());
        shade.setColorAt(0, QColor(22, 52, 84));
        shade.setColorAt(1, QColor(12, 30, 50));
        p.fillRect(rect(), shade);
    }
    Draw_Order();
}

void frmMain::mousePressEvent(QMouseEvent* event)
{
    // Only the window's own background moves the window.
    if (childAt(event->position().toPoint()) == nullptr && windowHandle())
        windowHandle()->startSystemMove();
    QWidget::mousePressEvent(event);
}

}  // namespace sumbrel
