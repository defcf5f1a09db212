#include "login/ui/login_screen.h"

#include "catalogue/category_table.h"
#include "catalogue/menu_catalogue.h"
#include "login/ui/login_widgets.h"
#include "presentation/onscreen_keyboard.h"
#include "presentation/presentation.h"
#include "presentation/screen_utils.h"
#include "presentation/stage_scale.h"
#include "presentation/widgets.h"
#include "server/endpoints.h"
#include "startup/clock.h"
#include "startup/dialogs.h"
#include "startup/trace_log.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPointer>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>
#include <memory>
#include <optional>

namespace sumbrel {

namespace {

const QString kModule = QStringLiteral("frmLogin");
const QString kUnreachable = QStringLiteral("서버에 연결할 수 없습니다.");
const QString kUntrusted = QStringLiteral("매장 서버의 인증서를 신뢰할 수 없습니다.");

// A style sheet length: a design length in the screen's pixels.
QString CssPx(int designPixels)
{
    return QString::number(Px(designPixels)) + QStringLiteral("px");
}

void ActivationLine(const QString& what)
{
    WriteLog(QStringLiteral("  [frmLogin→Form_Activate] ") + what);
}

}  // namespace

LoginScreen::LoginScreen(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("loginScreen"));
    SetTraceName(this, kModule);
    setAccessibleName(QStringLiteral("로그인"));
    setWindowTitle(QStringLiteral("로그인"));
    setWindowFlag(Qt::FramelessWindowHint);
    buildWidgets();
    build();
}

LoginScreen::~LoginScreen() = default;

void LoginScreen::buildWidgets()
{
    const int left = 60;
    const int inner = kWidth - 2 * left;

    const Palette::Operator& c = Colours().operatorScreens;
    m_title = MakeLabel(this, QStringLiteral("title"), QRect(left, 58, inner, 56), KeyFont(40), c.ink,
                        Qt::AlignCenter, {}, QStringLiteral("Sumbrel"));
    m_subtitle = MakeLabel(this, QStringLiteral("subtitle"), QRect(left, 116, inner, 28), LabelFont(17), c.hint,
                           Qt::AlignCenter, {}, QStringLiteral("무인 주문 접수기 · 매장 로그인"));

    const QString boxStyle = QStringLiteral(
                                 "QLineEdit { background: %1; color: %2; border: %8 solid %3; border-radius: %9;"
                                 " padding: 0 %10; selection-background-color: %4; selection-color: %2; }"
                                 "QLineEdit:focus { border: %8 solid %5; }"
                                 "QLineEdit:disabled { background: %6; color: %7; }")
                                 .arg(CssColour(c.card), CssColour(c.ink), CssColour(c.fieldRim),
                                      CssColour(Colours().accentKey.rest), CssColour(c.focusRim),
                                      CssColour(c.disabledField), CssColour(c.disabledFieldInk), CssPx(2), CssPx(14))
                                 .arg(CssPx(18));
    m_id = new QLineEdit(this);
    m_id->setObjectName(QStringLiteral("ID"));
    m_id->setAccessibleName(QStringLiteral("아이디"));
    m_id->setPlaceholderText(QStringLiteral("아이디"));
    m_pw = new QLineEdit(this);
    m_pw->setObjectName(QStringLiteral("PW"));
    m_pw->setAccessibleName(QStringLiteral("비밀번호"));
    m_pw->setPlaceholderText(QStringLiteral("비밀번호"));
    m_pw->setEchoMode(QLineEdit::Password);
    int top = 172;
    for (QLineEdit* box : {m_id, m_pw}) {
        box->setFont(LabelFont(21));
        box->setStyleSheet(boxStyle);
        box->setGeometry(Px(QRect(left, top, inner, 58)));
        box->installEventFilter(this);
        top += 70;
    }

    m_storeToggles[0] = new ToggleBox(QStringLiteral("아이디 · 비밀번호 저장"), this);
    m_storeToggles[1] = new ToggleBox(QStringLiteral("자동 로그인"), this);
    for (int i = 0; i < 2; ++i) {
        ToggleBox* box = m_storeToggles[i];
        box->setObjectName(QStringLiteral("storeToggle_%1").arg(i));
        box->setAccessibleName(box->text());
        box->setFont(LabelFont(17));
        box->setGeometry(Px(QRect(left + 4, 318 + i * 40, inner - 4, 34)));
        box->installEventFilter(this);
        connect(box, &QAbstractButton::clicked, this, [this, i] { storeOptionClicked(i); });
    }

    m_loginKey = new ClickLabel(QStringLiteral("로그인"), this);
    m_loginKey->setObjectName(QStringLiteral("loginKey"));
    m_loginKey->setAccessibleName(QStringLiteral("로그인"));
    m_loginKey->setAlignment(Qt::AlignCenter);
    m_loginKey->setFont(KeyFont(26));
    m_loginKey->setGeometry(Px(QRect(left, 408, inner, 66)));
    m_loginKey->setCursor(Qt::PointingHandCursor);
    m_loginKey->setStyleSheet(
        QStringLiteral("QLabel { background: %1; color: %2; border-radius: %7; border-bottom: %8 solid %3; }"
                       "QLabel:disabled { background: %4; color: %5; border-bottom: %8 solid %6; }")
            .arg(CssColour(Colours().accentKey.rest), CssColour(c.ink), CssColour(c.keyEdge), CssColour(c.disabledKey),
                 CssColour(c.disabledKeyInk), CssColour(c.disabledKeyEdge), CssPx(16), CssPx(4)));
    connect(m_loginKey, &ClickLabel::clicked, this, [this] {
        if (busy())
            return;
        // The operator's own login: a failure to reach the service is told, not retried.
        m_automatic = false;
        loginClicked();
    });

    m_statusLabel = MakeLabel(this, QStringLiteral("status"), QRect(left - 20, 476, inner + 40, 36), LabelFont(15),
                              c.status, Qt::AlignCenter, LabelFlag::Wrap);

    m_retryTimer = new ClockTimer(this);
    m_retryTimer->setObjectName(QStringLiteral("retryTimer"));
    connect(m_retryTimer, &ClockTimer::timeout, this, [this] { retryTick(); });
    m_autoLoginDelay = new ClockTimer(this);
    m_autoLoginDelay->setObjectName(QStringLiteral("autoLoginDelay"));
    connect(m_autoLoginDelay, &ClockTimer::timeout, this, [this] {
        m_autoLoginDelay->stop();
        loginClicked();
    });

    m_waitPanel = new QWidget(this);
    m_waitPanel->setObjectName(QStringLiteral("waitPanel"));
    m_waitPanel->setAccessibleName(QStringLiteral("잠시만 기다려 주세요"));
    m_waitPanel->setAttribute(Qt::WA_StyledBackground);
    m_waitPicture = MakeLabel(m_waitPanel, QStringLiteral("waitPicture"), QRect(), LabelFont(20), Colours().inkOnDark);

    // Over the foot of the window, below the two boxes; the wait panel is raised above it.
    m_keyboard = new OnScreenKeyboard(this);
    m_keyboard->attach(m_id);
    m_keyboard->attach(m_pw);

    setTabOrder(m_id, m_pw);
    setTabOrder(m_pw, m_storeToggles[0]);
    setTabOrder(m_storeToggles[0], m_storeToggles[1]);
}

void LoginScreen::build()
{
    const QSize size = Px(QSize(kWidth, kHeight));
    resize(size);
    setFixedSize(size);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - QPoint(size.width() / 2, size.height() / 2));
    const QPixmap background = SkinPicture(QStringLiteral("0001.gif"));
    if (!background.isNull()) {
        m_background = background;
        // The shop's own picture carries its own title.
        m_title->hide();
        m_subtitle->hide();
    }
    const QPixmap picture = SkinPicture(QStringLiteral("0106.gif"));
    if (!picture.isNull()) {
        // The shop's picture is drawn for the design's size.
        const QSize shown = Px(picture.size());
        m_waitPicture->setPixmap(
            shown == picture.size() ? picture : picture.scaled(shown, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        m_waitPanel->resize(shown);
        m_waitPanel->setStyleSheet(QString());
    } else {
        ShowText(m_waitPicture, QStringLiteral("로그인 중입니다\n잠시만 기다려 주세요"));
        m_waitPanel->resize(Px(QSize(300, 130)));
        m_waitPanel->setStyleSheet(QStringLiteral("QWidget#waitPanel { background: %1; border-radius: %2; }")
                                       .arg(CssColour(Colours().operatorScreens.loginWait), CssPx(22)));
    }
    m_waitPicture->setGeometry(m_waitPanel->rect());
    m_waitPanel->move((width() - m_waitPanel->width()) / 2, (height() - m_waitPanel->height()) / 2);
    m_waitPanel->hide();
    FormRound(this, Px(85));
    m_loginKey->setEnabled(false);
    m_id->clear();
    m_pw->clear();
    m_storeToggles[0]->setChecked(false);
    m_storeToggles[1]->setChecked(false);
    m_model.readStoredOptions();
    m_storeToggles[0]->setChecked(m_model.storedRemember());
    m_storeToggles[1]->setChecked(m_model.storedAutoLogin());
}

bool LoginScreen::event(QEvent* e)
{
    // Queued: out of the showing's event.
    if (m_activation.onEvent(this, e, m_firstActivation, [this] { activate(); }) && e->type() == QEvent::Show) {
        raise();
        activateWindow();
    }
    return QWidget::event(e);
}

void LoginScreen::activate()
{
    if (!m_firstActivation) {
        ActivationLine(QStringLiteral("Quit"));
        return;
    }
    ActivationLine(QStringLiteral("Enter"));
    m_firstActivation = false;
    if (m_model.storedRemember()) {
        m_id->setText(m_model.storedId());
        m_pw->setText(m_model.storedPassword());
    }
    if (m_model.storedAutoLogin()) {
        m_id->setEnabled(false);
        m_pw->setEnabled(false);
        m_autoLoginDelay->start(100);
        m_automatic = true;
    } else {
        enableLoginKey();
    }
}

void LoginScreen::enableLoginKey()
{
    m_loginKey->setEnabled(true);
}

bool LoginScreen::eventFilter(QObject* watched, QEvent* e)
{
    // The operator at the keyboard or the boxes takes over from the automatic retries.
    if ((e->type() == QEvent::KeyPress || e->type() == QEvent::MouseButtonPress) && m_retryLeft > 0)
        stopRetries();
    if (e->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(e);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            if (watched == m_pw) {
                if (m_loginKey->isEnabled())
                    loginClicked();
            } else {
                SendKeysToScreen(QStringLiteral("{TAB}"));
            }
            return true;
        }
    }
    return QWidget::eventFilter(watched, e);
}

void LoginScreen::enableEntry()
{
    m_id->setEnabled(true);
    m_pw->setEnabled(true);
    enableLoginKey();
}

void LoginScreen::showStatus(const QString& text)
{
    ShowText(m_statusLabel, text);
}

void LoginScreen::scheduleRetry()
{
    // The operator may type meanwhile, which stops the retries.
    enableEntry();
    m_retryLeft = AutoLoginRetrySeconds(++m_retries);
    showStatus(kUnreachable + QStringLiteral(" ") + QString::number(m_retryLeft)
               + QStringLiteral("초 후 다시 연결합니다."));
    WriteLog(QStringLiteral("  [frmLogin→lblLogin_Click] ") + kUnreachable + QStringLiteral(" 자동 로그인 ")
             + QString::number(m_retryLeft) + QStringLiteral("초 후 다시 시도"));
    m_retryTimer->start(1000);
}

void LoginScreen::retryTick()
{
    if (--m_retryLeft > 0) {
        showStatus(kUnreachable + QStringLiteral(" ") + QString::number(m_retryLeft)
                   + QStringLiteral("초 후 다시 연결합니다."));
        return;
    }
    m_retryTimer->stop();
    m_retryLeft = 0;
    loginClicked();
}

void LoginScreen::stopRetries()
{
    m_retryTimer->stop();
    m_retryLeft = 0;
    m_automatic = false;
    showStatus(kUnreachable);
    enableEntry();
}

void LoginScreen::storeOptionClicked(int index)
{
    // Logging in by itself needs the remembered values.
    if (index == 1)
        m_storeToggles[0]->setChecked(true);
}

void LoginScreen::showWait(bool shown)
{
    if (shown)
        m_waitPanel->raise();
    m_waitPanel->setVisible(shown);
}

void LoginScreen::loginClicked()
{
    // One request at a time, whatever the operator presses meanwhile.
    if (busy())
        return;
    m_retryTimer->stop();
    m_retryLeft = 0;
    showStatus(QString());
    m_loginKey->setEnabled(false);
    showWait(true);
    const LoginRequest request = LoginModel::Prepare(m_id->text(), m_pw->text());
    const bool remember = m_storeToggles[0]->isChecked();
    const bool autoLogin = m_storeToggles[1]->isChecked();
    m_exchange.run<LoginReply>([request](const CancelFlag& cancel) { return LoginModel::Exchange(request, cancel); },
                               [this, request, remember, autoLogin](const LoginReply& reply) {
                                   loginAnswered(request, reply, remember, autoLogin);
                               });
}

void LoginScreen::loginAnswered(const LoginRequest& request, const LoginReply& reply, bool remember, bool autoLogin)
{
    const LoginOutcome outcome = m_model.Apply(request, reply, remember, autoLogin);
    if (outcome != LoginOutcome::Success)
        showWait(false);
    switch (outcome) {
    case LoginOutcome::TooManyFailures:
        // The program ends once the box has been read.
        MessageBoxThen(QStringLiteral("로그인에 3번 실패하여 종료합니다."), MessageIcon::Critical,
                       [screen = QPointer<LoginScreen>(this)] {
                           if (!screen)
                               return;
                           Q_EMIT screen->endRequested();
                           screen->close();
                       });
        return;
    case LoginOutcome::Failed:
        m_automatic = false;
        MessageBox(QStringLiteral("로그인에 실패했습니다."));
        enableEntry();
        return;
    case LoginOutcome::Unreachable:
        // Not the password's fault: a kiosk that starts before the shop's network tries again by itself.
        if (m_automatic) {
            scheduleRetry();
            return;
        }
        showStatus(kUnreachable);
        MessageBox(kUnreachable, MessageIcon::Warning);
        enableEntry();
        return;
    case LoginOutcome::Untrusted:
        m_automatic = false;
        showStatus(kUntrusted);
        MessageBox(kUntrusted + QStringLiteral("\r\n(--ca-file)"), MessageIcon::Critical);
        enableEntry();
        return;
    case LoginOutcome::Success:
        // An operator at the keyboard hears that the next start will not log in by itself; a kiosk
        // logging in unattended only traces it.
        if (m_model.storeFailed() && !m_automatic)
            MessageBox(QStringLiteral(
                           "로그인 정보를 저장하지 못했습니다.\r\n다음 시작 때 자동 로그인이 되지 않을 수 있습니다."),
                       MessageIcon::Warning);
        break;
    }
    loadCatalogue();
}

void LoginScreen::loadCatalogue()
{
    // The exchange's own copy of the session.
    const Session session = m_model.session();
    m_exchange.run<std::shared_ptr<LoginMenuLoad>>(
        [session](const CancelFlag& cancel) {
            auto load = std::make_shared<LoginMenuLoad>();
            CallOptions options = endpoints::SessionCall(session);
            options.cancel = cancel;
            // Each load on its own: a failed one keeps its last good table.
            load->categories = FetchCategoriesAt(endpoints::Url(session, endpoints::kCategories),
                                                 endpoints::CredentialsBody(session), {}, options);
            if (!(cancel && cancel->load()))
                load->catalogue = FetchMenuCatalogueAt(endpoints::Url(session, endpoints::kCatalogue),
                                                       endpoints::CatalogueBody(session, QStringLiteral("전체")), {},
                                                       options);
            return load;
        },
        [this](const std::shared_ptr<LoginMenuLoad>& load) {
            Q_EMIT menuLoaded(*load);
            showWait(false);
            Q_EMIT loggedIn(m_model.session());
            close();
        });
}

void LoginScreen::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    if (!m_background.isNull()) {
        p.drawPixmap(rect(), m_background);
        return;
    }
    // Our own look: a warm paper gradient with a band in the key colour behind the title.
    QLinearGradient paper(0, 0, 0, height());
    const Palette::Operator& c = Colours().operatorScreens;
    paper.setColorAt(0.0, c.paperTop);
    paper.setColorAt(1.0, c.paperFoot);
    p.fillRect(rect(), paper);
    const double s = StageScale();
    QPainterPath band;
    band.moveTo(0, 0);
    band.lineTo(width(), 0);
    band.lineTo(width(), 128 * s);
    band.cubicTo(width() * 0.7, 170 * s, width() * 0.3, 120 * s, 0, 150 * s);
    band.closeSubpath();
    QLinearGradient yellow(0, 0, width(), 160 * s);
    yellow.setColorAt(0.0, c.bandTop);
    yellow.setColorAt(1.0, Colours().accentKey.rest);
    p.fillPath(band, yellow);
    // Thin outline along the rounded edge, so the window reads on any desktop.
    const double rim = std::max(1.0, 2 * s);
    p.setPen(QPen(c.paperRim, rim));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(rim / 2, rim / 2, width() - rim, height() - rim), Px(85) / 2.0, Px(85) / 2.0);
}

}  // namespace sumbrel
