#include "settings/ui/settings_screen.h"

#include "catalogue/picture_download.h"
#include "presentation/caption_key.h"
#include "presentation/look.h"
#include "presentation/onscreen_keyboard.h"
#include "presentation/presentation.h"
#include "presentation/stage_scale.h"
#include "presentation/widgets.h"
#include "settings/operator_pin.h"
#include "startup/dialogs.h"
#include "startup/files.h"
#include "startup/global_state.h"
#include "startup/queued_call.h"
#include "startup/trace_log.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMovie>
#include <QPainter>
#include <QPointer>
#include <QProgressBar>
#include <QScreen>
#include <QSlider>

namespace sumbrel {

namespace {

// A key press as the text box reports it before applying it: a character, backspace, enter, or a
// composed character from the input method.
bool IsTypedKey(const QEvent* event)
{
    if (event->type() == QEvent::KeyPress)
        return !static_cast<const QKeyEvent*>(event)->text().isEmpty();
    if (event->type() == QEvent::InputMethod)
        return !static_cast<const QInputMethodEvent*>(event)->commitString().isEmpty();
    return false;
}

}  // namespace

SettingsScreen::SettingsScreen(Session session, std::shared_ptr<const MenuCatalogue> catalogue, QWidget* reception)
    : QDialog(reception)
    , m_session(std::move(session))
    , m_catalogue(std::move(catalogue))
{
    setObjectName(QStringLiteral("settingsScreen"));
    SetTraceName(this, QStringLiteral("frmSetting"));
    setWindowTitle(QStringLiteral("환경 설정"));
    setAccessibleName(QStringLiteral("환경 설정"));
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    setModal(true);
    setFixedSize(Px(QSize(kWidth, kHeight)));
    buildWidgets();
    build();
    // Connected once filled: filling the elements is no change by the operator, nothing is written for it.
    connectElements();
}

SettingsScreen::~SettingsScreen()
{
    // The download watches this flag, not the exchange's own: stopped here, its thread ends quickly.
    if (m_downloadCancel)
        m_downloadCancel->store(true);
}

void SettingsScreen::build()
{
    // Placement: over the reception screen, or centred where there is none.
    if (QWidget* owner = parentWidget()) {
        move(owner->window()->pos());
    } else if (QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->geometry().center() - rect().center());
    }
    m_background = SkinPicture(QStringLiteral("0201.gif"));
    const QString wait = SkinFile(QStringLiteral("0106.gif"));
    if (FileExists(wait)) {
        m_waitMovie = std::make_unique<QMovie>(wait);
        m_waitPicture->setMovie(m_waitMovie.get());
        m_waitPicture->show();
    }
    showWaitPanel(false);

    const settings::OpeningValues opened = settings::ReadOpeningValues();
    m_entry = settings::EntryAtOpening(opened);
    tellSaveProblem(opened.saveProblem);
    m_imageFileBox->setText(opened.imagefile);
    if (opened.alramsound)
        m_volumeSlider->setValue(*opened.alramsound);
    m_volumeLabel->setText(QString::number(m_entry.alramsound));
    m_alarmKindBox->clear();
    m_alarmKindBox->addItems(settings::AlarmTexts());
    m_alarmKindBox->setCurrentIndex(opened.alramkind);
    m_calledCustomerBox->setCurrentIndex(opened.visiblesb1);
    m_preparingCustomerBox->setCurrentIndex(opened.visiblesb2);
    // A stored time outside the list is still shown, and kept when the screen closes.
    int index = m_callTimeBox->findText(opened.calltime);
    if (index < 0) {
        m_callTimeBox->addItem(opened.calltime);
        index = m_callTimeBox->count() - 1;
    }
    m_callTimeBox->setCurrentIndex(index);
    m_callTextBox->setText(opened.calltext);
    m_bottomTextBox->setText(opened.bottomtext);
    m_dualMonitorBox->setChecked(opened.useDualMonitor);
    m_callLeftBox->setText(m_entry.LeftC);
    m_callTopBox->setText(m_entry.TopC);
    m_orderLeftBox->setText(m_entry.LeftO);
    m_orderTopBox->setText(m_entry.TopO);
    showPinState();
}

void SettingsScreen::connectElements()
{
    connect(m_calledCustomerBox, &QComboBox::currentIndexChanged, this, [this](int i) { m_entry.visiblesb1 = i; });
    connect(m_callTimeBox, &QComboBox::currentTextChanged, this, [this](const QString& t) { m_entry.calltime = t; });
    connect(m_preparingCustomerBox, &QComboBox::currentIndexChanged, this, [this](int i) { m_entry.visiblesb2 = i; });
    connect(m_alarmKindBox, &QComboBox::currentIndexChanged, this, [this](int i) { m_entry.alramkind = i; });
    connect(m_volumeSlider, &QSlider::valueChanged, this, [this](int v) { volumeChanged(v); });
    connect(m_bottomTextBox, &QLineEdit::textChanged, this, [this](const QString& t) { m_entry.bottomtext = t; });
    connect(m_callTextBox, &QLineEdit::textChanged, this, [this](const QString& t) { m_entry.calltext = t; });
    connect(m_dualMonitorBox, &QCheckBox::toggled, this, [this](bool on) { m_entry.useDualMonitor = on; });
    connect(m_callLeftBox, &QLineEdit::textChanged, this, [this](const QString& t) { m_entry.LeftC = t; });
    connect(m_callTopBox, &QLineEdit::textChanged, this, [this](const QString& t) { m_entry.TopC = t; });
    connect(m_orderLeftBox, &QLineEdit::textChanged, this, [this](const QString& t) { m_entry.LeftO = t; });
    connect(m_orderTopBox, &QLineEdit::textChanged, this, [this](const QString& t) { m_entry.TopO = t; });
    connect(m_chooseImageKey, &CaptionKey::clicked, this, [this] { chooseImageFileClicked(); });
    connect(m_downloadKey, &CaptionKey::clicked, this, [this] { downloadPicturesClicked(); });
    connect(m_stopDownloadKey, &CaptionKey::clicked, this, [this] { stopDownload(); });
    connect(m_terminateKey, &CaptionKey::clicked, this, [this] { terminateKeyClicked(); });
    connect(m_savePinKey, &CaptionKey::clicked, this, [this] { saveOperatorPinClicked(); });
    connect(m_clearPinKey, &CaptionKey::clicked, this, [this] { clearOperatorPinClicked(); });
    m_bottomTextBox->installEventFilter(this);
    m_callTextBox->installEventFilter(this);
    // After the screen's own filters, so it sees the keys first: its arrows and Escape stay its own.
    m_keyboard = new OnScreenKeyboard(this);
    for (QLineEdit* box : {m_callTextBox, m_bottomTextBox, m_imageFileBox, m_orderLeftBox, m_orderTopBox, m_callLeftBox,
                           m_callTopBox, m_pinBox})
        m_keyboard->attach(box);
}

// ---- while open --------------------------------------------------------------------------------

void SettingsScreen::volumeChanged(int value)
{
    m_entry.alramsound = value;
    m_volumeLabel->setText(QString::number(value));
    tellSaveProblem(settings::SaveProblemText(settings::WriteVolume(value)));
}

void SettingsScreen::bottomTextKeyPressed()
{
    // The box still holds the text before the key; the closing routine writes the whole text.
    tellSaveProblem(settings::SaveProblemText(settings::WriteBottomText(m_entry.bottomtext)));
}

void SettingsScreen::callTextKeyPressed()
{
    tellSaveProblem(settings::SaveProblemText(settings::WriteCallText(m_entry.calltext)));
}

void SettingsScreen::chooseImageFileClicked()
{
    if (m_downloading)
        return;
    settings::ChooseImageFile(
        [screen = QPointer<SettingsScreen>(this)](const QString& path, const IniWriteResult& written) {
            if (!screen)
                return;
            screen->m_imageFileBox->setText(path);
            screen->tellSaveProblem(settings::SaveProblemText(written));
        });
}

void SettingsScreen::downloadPicturesClicked()
{
    if (m_downloading)
        return;
    m_downloading = true;
    // Until the first report the bar only shows that something runs.
    m_waitProgress->setRange(0, 0);
    m_waitCount->clear();
    m_waitItem->clear();
    m_stopDownloadKey->setCaption(QStringLiteral("중지"));
    m_stopDownloadKey->setKeyEnabled(true);
    showWaitPanel(true);
    m_downloadCancel = std::make_shared<std::atomic<bool>>(false);
    DownloadOptions options;
    options.cancel = m_downloadCancel;
    options.decode = [](const QByteArray& bytes, QString* why) {
        return DecodesAsPicture(bytes, kMaxPictureSide, why);
    };
    // The panel keeps painting and the stop key keeps working. The reports come back through the
    // event queue, before the summary; the panel's text is made there, on the screen's thread.
    // The screen outlives the work: its destructor stops the download, and m_download's destructor
    // waits for the thread before the screen is gone.
    // The run's own copies: a reload of the catalogue meanwhile changes nothing of what it fetches.
    const PictureSource source{m_session, gs().menuImageFolder, m_catalogue};
    const bool started = m_download.run<DownloadSummary>(
        [this, source, options](const CancelFlag&) {
            return DownloadPictures(
                source,
                [this](int done, int total, const QString& current) {
                    QueueTo(this, [this, done, total, current] {
                        showProgress(settings::DownloadPanelFor(done, total, current, m_catalogue.get()));
                    });
                },
                options);
        },
        [this](const DownloadSummary& summary) { downloadFinished(summary); });
    if (!started)
        downloadFinished(DownloadSummary{0, -1, 0, false});
}

void SettingsScreen::stopDownload()
{
    if (!m_downloading || !m_downloadCancel)
        return;
    m_downloadCancel->store(true);
    m_stopDownloadKey->setCaption(QStringLiteral("중지하는 중"));
    m_stopDownloadKey->setKeyEnabled(false);
}

void SettingsScreen::downloadFinished(const DownloadSummary& summary)
{
    showWaitPanel(false);
    m_downloading = false;
    const QString result = settings::DownloadSummaryText(summary);
    m_downloadResult->setText(result);
    const QString head = summary.stopped ? QStringLiteral("서버 이미지 불러오기를 중지했습니다.\n")
                                         : QStringLiteral("서버 이미지 불러오기를 마쳤습니다.\n");
    MessageBox(head + result, summary.failed != 0 ? MessageIcon::Warning : MessageIcon::Information);
}

void SettingsScreen::terminateKeyClicked()
{
    close();
}

void SettingsScreen::saveOperatorPinClicked()
{
    const pin::SaveOutcome outcome = pin::SaveFromSettings(m_pinBox->text());
    // The typed digits never stay on the screen.
    m_pinBox->clear();
    if (outcome.saved) {
        pin::WriteStoredPin(outcome.stored);
        WriteLog(QStringLiteral("Operator PIN set in the settings screen"));
    }
    showPinState();
    MessageBox(outcome.message, outcome.saved ? MessageIcon::Information : MessageIcon::Warning);
}

void SettingsScreen::clearOperatorPinClicked()
{
    m_pinBox->clear();
    pin::WriteStoredPin(QString());
    WriteLog(QStringLiteral("Operator PIN removed in the settings screen"));
    showPinState();
    MessageBox(pin::ClearedMessage(), MessageIcon::Information);
}

void SettingsScreen::showPinState()
{
    const QString state = pin::StateText(pin::ReadStoredPin());
    m_pinState->setText(state);
    m_pinState->setAccessibleName(state);
}

void SettingsScreen::showProgress(const settings::DownloadPanel& panel)
{
    m_waitProgress->setRange(0, std::max(panel.maximum, 1));
    m_waitProgress->setValue(panel.value);
    m_waitCount->setText(panel.count);
    m_waitItem->setText(
        m_waitItem->fontMetrics().elidedText(panel.item, Qt::ElideRight, m_waitPanel->width() - Px(80)));
    m_waitItem->setAccessibleName(panel.item);
    Q_EMIT downloadProgress(panel);
}

void SettingsScreen::tellSaveProblem(const QString& problem)
{
    if (problem.isEmpty())
        return;  // an earlier problem stays told until the screen closes
    m_saveResult->setText(problem);
    m_saveResult->show();
    m_hint->hide();
}

void SettingsScreen::showWaitPanel(bool shown)
{
    m_waitShade->setVisible(shown);
    m_content->setEnabled(!shown);
    if (shown) {
        // Nothing can be typed while the wait panel covers the screen.
        if (m_keyboard)
            m_keyboard->dismiss();
        m_waitShade->raise();
        if (m_waitMovie)
            m_waitMovie->start();
    } else if (m_waitMovie) {
        m_waitMovie->stop();
    }
}

// ---- closing -----------------------------------------------------------------------------------

void SettingsScreen::closeEvent(QCloseEvent* event)
{
    // The download reports to this screen: it must end (or be stopped) before the screen can go.
    if (m_downloading) {
        event->ignore();
        return;
    }
    if (!m_closed) {
        const IniWriteResult written = settings::WriteClosingValues(m_entry);
        tellSaveProblem(settings::SaveProblemText(written));
        if (!settings::ClosesAfter(written, m_stayedOpenOnce)) {
            event->ignore();
            return;
        }
        m_closed = true;
        if (QWidget* owner = parentWidget())
            owner->window()->show();
        QDialog::done(QDialog::Accepted);
        event->accept();
        Q_EMIT closed();
        return;
    }
    event->accept();
}

void SettingsScreen::reject()
{
    // Escape and the window manager close through the closing routine as well.
    close();
}

bool SettingsScreen::event(QEvent* event)
{
    // Every activation repaints the screen; there is no first one to wait for.
    m_activation.onEvent(this, event, false, [this] { update(); });
    return QDialog::event(event);
}

bool SettingsScreen::eventFilter(QObject* watched, QEvent* event)
{
    if (IsTypedKey(event)) {
        if (watched == m_bottomTextBox)
            bottomTextKeyPressed();
        else if (watched == m_callTextBox)
            callTextKeyPressed();
    }
    return QDialog::eventFilter(watched, event);
}

void SettingsScreen::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    if (!m_background.isNull())
        p.drawPixmap(rect(), m_background);
    else
        p.fillRect(rect(), Colours().operatorScreens.background);
}

}  // namespace sumbrel
