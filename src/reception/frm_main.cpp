#include "reception/frm_main.h"

#include "menu/order_text.h"
#include "presentation/caption_key.h"
#include "presentation/presentation.h"
#include "server/endpoints.h"
#include "server/fields.h"
#include "server/http_client.h"
#include "startup/clock.h"
#include "startup/dialogs.h"
#include "startup/global_state.h"
#include "startup/trace_log.h"

#include <QApplication>
#include <QBitmap>
#include <QDir>
#include <QFile>
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

namespace reception {
QString& lastWaitAnswer()
{
    static QString answer;
    return answer;
}
}  // namespace reception

namespace {

const QColor kPanelColour(255, 255, 255);
const QColor kInk(28, 36, 48);
const QColor kMutedInk(120, 128, 140);
const QColor kAccentInk(255, 213, 0);

struct KeyColours {
    QColor rest;
    QColor pressed;
};
KeyColours ColoursFor(KeyGroup group, int index)
{
    if (LookOf(group, index) == KeyLook::Plain)
        return {QColor(231, 231, 231), QColor(192, 192, 192)};
    return {QColor(255, 213, 0), QColor(205, 176, 32)};
}

QString KeyName(KeyGroup group)
{
    switch (group) {
    case KeyGroup::CMD:
        return QStringLiteral("CMD");
    case KeyGroup::CMD2:
        return QStringLiteral("CMD2");
    case KeyGroup::CMD3:
        return QStringLiteral("CMD3");
    }
    return QString();
}

// The caption as the system holds it (CR LF line breaks) in "caption"; the label shows Qt's line breaks.
void SetCaption(QLabel* label, const QString& caption)
{
    label->setProperty("caption", caption);
    QString shown = caption;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.remove(u'\r');
    label->setText(shown);
}

QFrame* MakePanel(QWidget* parent, const QString& name, const QRect& geometry, const QColor& colour)
{
    auto* panel = new QFrame(parent);
    panel->setObjectName(name);
    panel->setAccessibleName(name);
    panel->setGeometry(geometry);
    panel->setFrameShape(QFrame::NoFrame);
    panel->setAutoFillBackground(true);
    QPalette pal = panel->palette();
    pal.setColor(QPalette::Window, colour);
    panel->setPalette(pal);
    return panel;
}

QLabel* MakeLabel(QWidget* parent, const QString& name, const QRect& geometry, const QFont& font, const QColor& ink,
                  Qt::Alignment align = Qt::AlignCenter, const QString& text = QString())
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setAccessibleName(name);
    label->setGeometry(geometry);
    label->setFont(font);
    label->setAlignment(align);
    label->setWordWrap(true);
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, ink);
    label->setPalette(pal);
    SetCaption(label, text);
    return label;
}

void SetInk(QLabel* label, const QColor& ink)
{
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, ink);
    label->setPalette(pal);
}

// The operator keys' cursor: a small target ring, so the technician sees the hidden areas.
QCursor OperatorCursor()
{
    QPixmap pix(32, 32);
    pix.fill(Qt::transparent);
    QPainter p(&pix);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 3));
    p.drawEllipse(QPointF(16, 16), 11, 11);
    p.setPen(QPen(Qt::white, 1.5));
    p.drawEllipse(QPointF(16, 16), 11, 11);
    p.setBrush(Qt::black);
    p.drawEllipse(QPointF(16, 16), 2.5, 2.5);
    p.end();
    return QCursor(pix, 16, 16);
}

QString SkinFile(const QString& name)
{
    if (gs().skinFolder.isEmpty())
        return QString();
    return QDir(gs().skinFolder).filePath(name);
}

}  // namespace

frmMain::frmMain(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("frmMain"));
    setAccessibleName(QStringLiteral("frmMain"));
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

frmMain::~frmMain()
{
    delete m_background;
}

CaptionKey* frmMain::CMD(int index) const
{
    return index >= 0 && index < int(m_cmd.size()) ? m_cmd[size_t(index)] : nullptr;
}
CaptionKey* frmMain::CMD2(int index) const
{
    return index >= 0 && index < int(m_cmd2.size()) ? m_cmd2[size_t(index)] : nullptr;
}
CaptionKey* frmMain::CMD3(int index) const
{
    return index >= 0 && index < int(m_cmd3.size()) ? m_cmd3[size_t(index)] : nullptr;
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
    SUMBREL_STEP(proc, {
        const QString file = SkinFile(QStringLiteral("0101.gif"));
        if (!file.isEmpty() && QFile::exists(file)) {
            auto* pix = new QPixmap(file);
            if (pix->isNull())
                delete pix;
            else
                m_background = pix;
        }
    });
    SUMBREL_STEP(proc, {
        for (int i = 0; i < 4; ++i)
            m_picFrame[size_t(i)] = MakePanel(this, QStringLiteral("picFrame_%1").arg(i), QRect(474, 4, 546, 760),
                                              kPanelColour);
        buildWaitingStatus();
        buildMenuPanel();
        buildStartPanel();
        buildPhonePanel();
        buildCarPanel();
        buildPaymentPanel();
        buildCompletionPanel();
    });
    SUMBREL_STEP(proc, {
        const QCursor cursor = OperatorCursor();
        m_lblConfig->setCursor(cursor);
        m_lblTerminate->setCursor(cursor);
    });
    // The order-list rows come with the order list itself.
    SUMBREL_STEP(proc, Init_Form());
    SUMBREL_STEP(proc, Load_Setting());
    SUMBREL_STEP(proc, SetCaption(m_shopName, gs().shopName));
}

CaptionKey* frmMain::makeKey(KeyGroup group, int index, const QString& caption, QWidget* parent, const QRect& geometry)
{
    auto* key = new CaptionKey(caption, parent);
    const QString name = KeyName(group) + QStringLiteral("_%1").arg(index);
    key->setObjectName(name);
    key->setGeometry(geometry);
    const KeyColours colours = ColoursFor(group, index);
    key->setColours(colours.rest, colours.pressed);
    key->setForeground(kInk);
    const bool digitKey = group != KeyGroup::CMD && index < 10;
    key->setFont(KeyFont(digitKey ? 54 : (geometry.height() >= 100 ? 40 : 28)));
    if (caption == QStringLiteral("X"))
        key->setFont(CloseKeyFont(36));
    key->setAccessibleName(caption.isEmpty() ? name : caption);
    switch (group) {
    case KeyGroup::CMD:
        m_cmd[size_t(index)] = key;
        break;
    case KeyGroup::CMD2:
        m_cmd2[size_t(index)] = key;
        break;
    case KeyGroup::CMD3:
        m_cmd3[size_t(index)] = key;
        break;
    }
    wireKey(key, group, index);
    return key;
}

void frmMain::wireKey(CaptionKey* key, KeyGroup group, int index)
{
    switch (group) {
    case KeyGroup::CMD:
        connect(key, &CaptionKey::clicked, this, [this, index] { CMD_Click(index); });
        break;
    case KeyGroup::CMD2:
        connect(key, &CaptionKey::clicked, this, [this, index] { CMD2_Click(index); });
        connect(key, &CaptionKey::doubleClicked, this, [this, index] { CMD2_DblClick(index); });
        break;
    case KeyGroup::CMD3:
        connect(key, &CaptionKey::clicked, this, [this, index] { CMD3_Click(index); });
        connect(key, &CaptionKey::doubleClicked, this, [this, index] { CMD3_DblClick(index); });
        break;
    }
}

void frmMain::buildWaitingStatus()
{
    // Index 0 of the waiting labels stands on the window itself, left of the panels, where the
    // order panel later covers it with its own copies.
    const QColor light(235, 240, 248);
    MakeLabel(this, QStringLiteral("lblWaitTeamsCaption_0"), QRect(30, 220, 414, 56), LabelFont(40), light,
              Qt::AlignCenter, QStringLiteral("현재 대기"));
    m_lblWaitTeams[0] = MakeLabel(this, QStringLiteral("lbl현재대기팀수_0"), QRect(30, 280, 270, 130), KeyFont(110),
                                  kAccentInk, Qt::AlignRight | Qt::AlignVCenter);
    MakeLabel(this, QStringLiteral("lblWaitTeamsUnit_0"), QRect(310, 280, 134, 130), LabelFont(52), light,
              Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("명"));
    MakeLabel(this, QStringLiteral("lblWaitTimeCaption_0"), QRect(30, 450, 414, 56), LabelFont(40), light,
              Qt::AlignCenter, QStringLiteral("예상 대기 시간"));
    m_lblWaitTime[0] = MakeLabel(this, QStringLiteral("lbl예상대기시간_0"), QRect(30, 510, 414, 110), KeyFont(80),
                                 kAccentInk, Qt::AlignCenter);
}

void frmMain::buildMenuPanel()
{
    m_picFrameMenu = MakePanel(this, QStringLiteral("picFrameMenu"), QRect(5, 5, 469, 758), QColor(248, 248, 246));
    // The order list's viewport; the list itself is drawn there by the order-list work.
    m_picBack = MakePanel(m_picFrameMenu, QStringLiteral("picBack"), QRect(0, 0, 469, 531), kPanelColour);
    m_lblTotal = MakeLabel(m_picFrameMenu, QStringLiteral("lbl주문금액"), QRect(10, 535, 320, 70), KeyFont(40), kInk,
                           Qt::AlignRight | Qt::AlignVCenter);
    makeKey(KeyGroup::CMD2, 13, QStringLiteral("메뉴선택"), m_picFrameMenu, QRect(340, 535, 130, 70));
    const QFont font = LabelFont(30);
    MakeLabel(m_picFrameMenu, QStringLiteral("lblWaitTeamsCaption_1"), QRect(15, 625, 150, 50), font, kInk,
              Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("현재 대기"));
    m_lblWaitTeams[1] = MakeLabel(m_picFrameMenu, QStringLiteral("lbl현재대기팀수_1"), QRect(165, 625, 110, 50),
                                  KeyFont(36), QColor(200, 40, 40), Qt::AlignRight | Qt::AlignVCenter);
    MakeLabel(m_picFrameMenu, QStringLiteral("lblWaitTeamsUnit_1"), QRect(285, 625, 60, 50), font, kInk,
              Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("명"));
    MakeLabel(m_picFrameMenu, QStringLiteral("lblWaitTimeCaption_1"), QRect(15, 690, 210, 50), font, kInk,
              Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("예상 대기 시간"));
    m_lblWaitTime[1] = MakeLabel(m_picFrameMenu, QStringLiteral("lbl예상대기시간_1"), QRect(225, 690, 230, 50),
                                 KeyFont(36), QColor(200, 40, 40), Qt::AlignLeft | Qt::AlignVCenter);
}

void frmMain::buildStartPanel()
{
    QFrame* panel = m_picFrame[0];
    m_shopName = MakeLabel(panel, QStringLiteral("상호"), QRect(20, 95, 506, 100), LabelFont(44, true), kInk);
    makeKey(KeyGroup::CMD, 0, QStringLiteral("매장 식사"), panel, QRect(70, 205, 410, 150));
    makeKey(KeyGroup::CMD, 1, QStringLiteral("포장 주문"), panel, QRect(70, 430, 410, 150));
    m_cmd[0]->setFont(KeyFont(52));
    m_cmd[1]->setFont(KeyFont(52));

    m_pictureBox = new QLabel(panel);
    m_pictureBox->setObjectName(QStringLiteral("picOperator"));
    m_pictureBox->setAccessibleName(QStringLiteral("picOperator"));
    m_pictureBox->setGeometry(394, 10, 140, 70);
    m_pictureBox->setAutoFillBackground(true);
    QPalette pal = m_pictureBox->palette();
    pal.setColor(QPalette::Window, Qt::white);
    m_pictureBox->setPalette(pal);
    const QString picture = SkinFile(QStringLiteral("0102.gif"));
    if (!picture.isEmpty() && QFile::exists(picture))
        m_pictureBox->setPixmap(QPixmap(picture));

    m_lblConfig = new CaptionKey(QString(), m_pictureBox);
    m_lblConfig->setObjectName(QStringLiteral("lblConfig"));
    m_lblConfig->setAccessibleName(QStringLiteral("lblConfig"));
    m_lblConfig->setInvisible(true);
    m_lblConfig->setGeometry(0, 0, 70, 60);
    connect(m_lblConfig, &CaptionKey::clicked, this, [this] { lblConfig_Click(); });
    m_lblTerminate = new CaptionKey(QString(), m_pictureBox);
    m_lblTerminate->setObjectName(QStringLiteral("lblTerminate"));
    m_lblTerminate->setAccessibleName(QStringLiteral("lblTerminate"));
    m_lblTerminate->setInvisible(true);
    m_lblTerminate->setGeometry(70, 0, 70, 60);
    connect(m_lblTerminate, &CaptionKey::clicked, this, [this] { lblTerminate_Click(); });
}

namespace {
// The keypad grid: "1" "2" "3" / "4" "5" "6" / "7" "8" "9" / "<-" "0" next.
QRect KeypadCell(int key)
{
    static const int columns[] = {25, 190, 355};
    static const int rows[] = {280, 395, 510, 625};
    int row = 0;
    int column = 0;
    if (key >= 1 && key <= 9) {
        row = (key - 1) / 3;
        column = (key - 1) % 3;
    } else if (key == 0) {
        row = 3;
        column = 1;
    } else if (key == 10) {
        row = 3;
        column = 0;
    } else {
        row = 3;
        column = 2;
    }
    return QRect(columns[column], rows[row], 165, 115);
}
}  // namespace

void frmMain::buildPhonePanel()
{
    QFrame* panel = m_picFrame[1];
    makeKey(KeyGroup::CMD, 2, QStringLiteral("X"), panel, QRect(464, 1, 80, 60));
    m_lblPhone[0] = MakeLabel(panel, QStringLiteral("lblPhone_0"), QRect(0, 70, 546, 100), KeyFont(64), kInk);
    m_lblPhoneA = MakeLabel(panel, QStringLiteral("lblPhoneA_0"), QRect(0, 70, 546, 100), LabelFont(36), kMutedInk,
                            Qt::AlignCenter, QStringLiteral("휴대폰 번호를 입력하세요."));
    for (int i = 0; i <= 11; ++i) {
        const QString caption = i < 10 ? QString::number(i) : i == 10 ? QStringLiteral("<-") : kSubmitCaption;
        makeKey(KeyGroup::CMD2, i, caption, panel, KeypadCell(i));
    }
}

void frmMain::buildCarPanel()
{
    QFrame* panel = m_picFrame[2];
    makeKey(KeyGroup::CMD, 3, QStringLiteral("X"), panel, QRect(464, 1, 80, 60));
    makeKey(KeyGroup::CMD3, 12, QStringLiteral("번호변경"), panel, QRect(335, 0, 125, 60));
    m_lblPhone[1] = MakeLabel(panel, QStringLiteral("lblPhone_1"), QRect(15, 15, 305, 45), KeyFont(32), kMutedInk,
                              Qt::AlignLeft | Qt::AlignVCenter);
    m_lblCarNumber[0] = MakeLabel(panel, QStringLiteral("lblCarNumber_0"), QRect(0, 70, 546, 100), KeyFont(72), kInk);
    m_lblCarNumberA = MakeLabel(panel, QStringLiteral("lblCarNumberA_0"), QRect(0, 70, 546, 100), LabelFont(36),
                                kMutedInk, Qt::AlignCenter, QStringLiteral("차량 번호를 입력하세요."));
    m_lblDriveThruText = MakeLabel(panel, QStringLiteral("lblDriveThruText"), QRect(10, 175, 526, 101), LabelFont(28),
                                   kInk);
    for (int i = 0; i <= 11; ++i) {
        const QString caption = i < 10 ? QString::number(i) : i == 10 ? QStringLiteral("<-") : kSubmitCaption;
        makeKey(KeyGroup::CMD3, i, caption, panel, KeypadCell(i));
    }
}

void frmMain::buildPaymentPanel()
{
    QFrame* panel = m_picFrame[3];
    makeKey(KeyGroup::CMD, 4, QStringLiteral("X"), panel, QRect(464, 1, 80, 60));
    makeKey(KeyGroup::CMD, 7, QStringLiteral("번호변경"), panel, QRect(335, 0, 125, 60));
    m_lblPhone[2] = MakeLabel(panel, QStringLiteral("lblPhone_2"), QRect(129, 100, 305, 45), KeyFont(34), kInk);
    m_lblCarNumber[1] = MakeLabel(panel, QStringLiteral("lblCarNumber_1"), QRect(130, 145, 305, 45), KeyFont(34), kInk);
    makeKey(KeyGroup::CMD, 5, QStringLiteral("현금결제"), panel, QRect(115, 270, 335, 115));
    makeKey(KeyGroup::CMD, 6, QStringLiteral("카드결제"), panel, QRect(115, 430, 335, 115));
}

void frmMain::buildCompletionPanel()
{
    m_picFrame[4] = MakePanel(this, QStringLiteral("picFrame_4"), QRect(0, 0, 1024, 768), QColor(128, 128, 128));
    m_picFrame4 = MakePanel(m_picFrame[4], QStringLiteral("picFrame4"), QRect(200, 70, 624, 618), kPanelColour);
    m_picFrame4->setFrameShape(QFrame::Box);
    m_picFrame4->setLineWidth(2);
    m_lblWaitTitle = MakeLabel(m_picFrame4, QStringLiteral("lblWaitTitle"), QRect(0, 90, 624, 55), KeyFont(48),
                               titleColour());
    m_lblWaitSCM = MakeLabel(m_picFrame4, QStringLiteral("lblWaitSCM"), QRect(50, 155, 524, 241), LabelFont(40), kInk);
    makeKey(KeyGroup::CMD3, 14, QStringLiteral("확인"), m_picFrame4, QRect(100, 405, 424, 100));
    m_cmd3[14]->setFont(KeyFont(48));
    m_lblCount = MakeLabel(m_picFrame4, QStringLiteral("lblCount"), QRect(20, 530, 90, 50), KeyFont(40),
                           QColor(200, 40, 40), Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("10"));
    MakeLabel(m_picFrame4, QStringLiteral("lblCountText"), QRect(115, 530, 490, 50), LabelFont(30), kInk,
              Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("초 후 자동 종료됩니다."));
    m_picFrame[4]->raise();
}

// ---- the start state ---------------------------------------------------------------------------

void frmMain::Init_Form()
{
    m_timerCloser->stop();
    for (QFrame* panel : m_picFrame)
        panel->hide();
    m_picFrameMenu->hide();
    // The order list returns to its top with the order list work.
    m_currentPanel = kStartPanel;
    m_picFrame[0]->show();
    gs().selectedOrder.clear();
    gs().selectionConfirmed = false;
    SetCaption(m_lblPhone[0], QStringLiteral("010-"));
    m_lblPhone[0]->setProperty("tag", QStringLiteral("010"));
    for (int i = 1; i <= 2; ++i) {
        SetCaption(m_lblPhone[size_t(i)], QString());
        m_lblPhone[size_t(i)]->setProperty("tag", QString());
    }
    m_lblPhoneA->hide();
    SetCaption(m_lblCarNumber[0], QString());
    SetCaption(m_lblCarNumber[1], QString());
    m_lblCarNumberA->hide();
    SetCaption(m_lblWaitTeams[0], QString());
    SetCaption(m_lblWaitTeams[1], QString());
    SetCaption(m_lblWaitTime[0], QString());
    SetCaption(m_lblWaitTime[1], QString());
    m_diningChoice = QStringLiteral("포장");
    m_payType = QStringLiteral("0");
}

bool frmMain::Load_Setting()
{
    const QString answer = endpoints::PostLogged(
        QStringLiteral("Load_Setting"), endpoints::Url(endpoints::kReceptionSettings), endpoints::CredentialsBody(),
        QString::fromUtf16(endpoints::kChannelHttp));
    const ReceptionSettings parsed = ParseReceptionSettings(answer);
    if (parsed.waiting.teams)
        SetCaption(m_lblWaitTeams[0], *parsed.waiting.teams);
    if (parsed.waiting.time)
        SetCaption(m_lblWaitTime[0], *parsed.waiting.time);
    SetCaption(m_lblWaitTeams[1], m_lblWaitTeams[0]->property("caption").toString());
    SetCaption(m_lblWaitTime[1], m_lblWaitTime[0]->property("caption").toString());
    SetCaption(m_lblCount, QStringLiteral("10"));
    m_settings = parsed;
    SetCaption(m_lblDriveThruText, m_settings.TakeOutCarText);
    SetCaption(m_lblWaitSCM, QStringLiteral("감사합니다\r\n잠시만 기다려 주세요 ~"));
    SetCaption(m_lblWaitTitle, QStringLiteral("접수 완료"));
    SetInk(m_lblWaitTitle, titleColour());
    const DiningKeyPlacement keys = PlaceDiningKeys(m_settings.TOWhereYN);
    m_cmd[0]->move(keys.eatIn);
    m_cmd[0]->setVisible(keys.eatInVisible);
    m_cmd[1]->move(keys.takeout);
    m_cmd[1]->setVisible(true);
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
    for (QLabel* label : {m_lblWaitTeams[0], m_lblWaitTime[0], m_lblWaitTeams[1], m_lblWaitTime[1]})
        SetCaption(label, QString());
    QCoreApplication::processEvents();
    const QString url = endpoints::Url(endpoints::kReceptionSettings);
    const QString body = endpoints::CredentialsBody();
    const uint32_t t0 = TickCount();
    const QString answer = GetWinHttp(url, body);
    const QString channel = QString::fromUtf16(endpoints::kChannelHttp);
    if (answer == lastWaitAnswer()) {
        WriteLog(QStringLiteral("TOLoad() ... ResponseStr: 직전과 동일. ") + QString::number(TickCount() - t0)
                     + QStringLiteral("ms 걸림."),
                 channel);
    } else {
        const QString request = QStringLiteral("TOLoad() ... ") + url + u'?' + body;
        WriteLog(request);
        WriteLog(request, channel);
        if (const auto tail = PollAnswerTail(answer))
            WriteLog(QStringLiteral("TOLoad() ... ResponseStr:\r\n") + *tail, channel);
    }
    lastWaitAnswer() = answer;
    const WaitingStatus status = ParseWaitingStatus(answer);
    if (status.teams)
        SetCaption(m_lblWaitTeams[0], *status.teams);
    if (status.time)
        SetCaption(m_lblWaitTime[0], *status.time);
    SetCaption(m_lblWaitTeams[1], m_lblWaitTeams[0]->property("caption").toString());
    SetCaption(m_lblWaitTime[1], m_lblWaitTime[0]->property("caption").toString());
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
    const QString xml = XML_Order(gs().selectedOrder);
    const QString phone = m_lblPhone[0]->property("tag").toString();
    const QString car = m_lblCarNumber[0]->property("caption").toString();
    const QString body = endpoints::OrderBody(phone, m_diningChoice, m_payType, car, ZulEncodeAA(xml));
    const QString answer = endpoints::PostLogged(QStringLiteral("Save_Input"), endpoints::Url(endpoints::kOrder), body,
                                                 QString::fromUtf16(endpoints::kChannelHttp));
    if (answer.contains(QStringLiteral("성공")))
        return true;
    if (answer.contains(QStringLiteral("이미"))) {
        SetCaption(m_lblWaitTitle, QStringLiteral("접수 실패"));
        SetInk(m_lblWaitTitle, QColor(255, 0, 0));
        SetCaption(m_lblWaitSCM, QStringLiteral("이미 신청된 번호입니다."));
        return true;
    }
    return false;
}

void frmMain::submission()
{
    // A second tap queued behind the first must not send the order twice.
    if (m_submitting)
        return;
    m_submitting = true;
    m_currentPanel = kCompletionPanel;
    m_picFrame[4]->raise();
    m_picFrame[4]->show();
    ApplyTranslucency(m_picFrame[4]);
    m_cmd3[14]->setKeyEnabled(false);
    QCoreApplication::processEvents();
    if (Save_Input()) {
        m_closeCountdown = kCloseSeconds;
        m_timerCloser->start(scaledMs(kCloserIntervalMs));
        m_cmd3[14]->setKeyEnabled(true);
    } else {
        m_picFrame[4]->hide();
        const int back = LastEntryPanel(m_settings.TakeOutCarYN, m_settings.TOPayTypeS);
        for (int i = 0; i < 4; ++i)
            if (i != back)
                m_picFrame[size_t(i)]->hide();
        m_currentPanel = back;
        m_picFrame[size_t(back)]->show();
    }
    m_submitting = false;
}

void frmMain::Timer_Closer_Timer()
{
    --m_closeCountdown;
    if (m_closeCountdown > 0) {
        SetCaption(m_lblCount, QString::number(m_closeCountdown));
        QCoreApplication::processEvents();
    } else {
        reset();
    }
}

// ---- keys --------------------------------------------------------------------------------------

void frmMain::switchPanel(int panel)
{
    if (panel < 0 || panel > 4)
        return;
    m_picFrame[size_t(m_currentPanel)]->hide();
    m_currentPanel = panel;
    m_picFrame[size_t(panel)]->show();
}

void frmMain::setNextKeys()
{
    const NextKeyCaptions keys = NextKeys(m_settings.TakeOutCarYN, m_settings.TOPayTypeS);
    m_cmd2[11]->setCaption(keys.phoneKey);
    m_cmd3[11]->setCaption(keys.carKey);
}

void frmMain::openMenu()
{
    if (openMenuPage)
        openMenuPage();
}

void frmMain::Draw_Order()
{
    // The order list is drawn by the order-list work; until then the viewport stays empty.
}

void frmMain::redrawPhone()
{
    const QString digits = m_lblPhone[0]->property("tag").toString();
    SetCaption(m_lblPhone[0], PhoneDisplay(digits));
    m_lblPhoneA->setVisible(digits.isEmpty());
}

void frmMain::CMD_Click(int index)
{
    CaptionKey* key = CMD(index);
    if (!key)
        return;
    if (!key->isKeyEnabled()) {
        WriteLog(DisabledKeyLine(KeyGroup::CMD));
        return;
    }
    switch (index) {
    case 0:
    case 1:
        openMenu();
        if (!gs().selectionConfirmed)
            return;
        switchPanel(kPhonePanel);
        setNextKeys();
        m_picFrameMenu->show();
        Draw_Order();
        m_diningChoice = index == 0 ? QStringLiteral("매장식사") : QStringLiteral("포장");
        return;
    case 2:
    case 3:
    case 4:
        reset();
        return;
    case 5:
    case 6:
        m_payType = index == 5 ? QStringLiteral("0") : QStringLiteral("1");
        submission();
        return;
    case 7:
        switchPanel(PanelForNumberChange(m_settings.TakeOutCarYN));
        return;
    }
}

void frmMain::CMD2_Click(int index)
{
    CaptionKey* key = CMD2(index);
    if (!key)
        return;
    if (!key->isKeyEnabled()) {
        WriteLog(DisabledKeyLine(KeyGroup::CMD2));
        return;
    }
    const QString digits = m_lblPhone[0]->property("tag").toString();
    if (index >= 0 && index <= 9) {
        m_lblPhone[0]->setProperty("tag", AppendDigit(digits, index, kMaxPhoneDigits));
        redrawPhone();
    } else if (index == 10) {
        m_lblPhone[0]->setProperty("tag", DeleteLastDigit(digits));
        redrawPhone();
    } else if (index == 11) {
        if (!IsMobileNumber(digits)) {
            MessageBox(QStringLiteral("휴대폰 번호가 아닙니다!"), MessageIcon::Warning);
            return;
        }
        if (key->caption() == kSubmitCaption) {
            submission();
            return;
        }
        const QString caption = m_lblPhone[0]->property("caption").toString();
        for (int i = 1; i <= 2; ++i) {
            SetCaption(m_lblPhone[size_t(i)], caption);
            m_lblPhone[size_t(i)]->setProperty("tag", digits);
        }
        const int next = PanelAfterPhone(m_settings.TakeOutCarYN, m_settings.TOPayTypeS);
        if (next == kCompletionPanel)
            submission();
        else
            switchPanel(next);
    } else if (index == 13) {
        openMenu();
        Draw_Order();
    }
}

void frmMain::CMD3_Click(int index)
{
    CaptionKey* key = CMD3(index);
    if (!key)
        return;
    if (!key->isKeyEnabled()) {
        WriteLog(DisabledKeyLine(KeyGroup::CMD3));
        return;
    }
    const QString car = m_lblCarNumber[0]->property("caption").toString();
    if (index >= 0 && index <= 9) {
        SetCaption(m_lblCarNumber[0], AppendDigit(car, index, kCarDigits));
    } else if (index == 10) {
        SetCaption(m_lblCarNumber[0], DeleteLastDigit(car));
    } else if (index == 11) {
        if (!IsCompleteCarNumber(car)) {
            MessageBox(QStringLiteral("4자리를 입력하세요!"), MessageIcon::Warning);
            return;
        }
        if (key->caption() == kSubmitCaption) {
            submission();
            return;
        }
        SetCaption(m_lblCarNumber[1], car);
        switchPanel(kPaymentPanel);
    } else if (index == 12) {
        switchPanel(kPhonePanel);
    } else if (index == 14) {
        reset();
    }
}

void frmMain::CMD2_DblClick(int index)
{
    if (index >= 0 && index <= 10)
        CMD2_Click(index);
}

void frmMain::CMD3_DblClick(int index)
{
    if (index >= 0 && index <= 10)
        CMD3_Click(index);
}

void frmMain::lblConfig_Click()
{
    if (openSettings)
        openSettings();
    reset();
}

void frmMain::lblTerminate_Click()
{
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
    if (m_background) {
        p.drawPixmap(rect(), *m_background);
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
