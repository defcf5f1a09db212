#pragma once
// The operator's settings screen: the call display's keys of the configuration file, the dual-monitor
// placement, and the picture download. The rules live in settings_rules.h; this class only shows them.
#include "presentation/widgets.h"
#include "server/background_exchange.h"
#include "server/http_client.h"
#include "server/session.h"
#include "settings/download_progress.h"
#include "settings/settings_rules.h"

#include <QDialog>
#include <array>
#include <memory>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMovie;
class QProgressBar;
class QSlider;

namespace sumbrel {

class CaptionKey;
class OnScreenKeyboard;

// Opened with open() (or show()) by its caller; it reports its closing by `closed`.
class SettingsScreen : public QDialog {
    Q_OBJECT
public:
    static constexpr int kWidth = 1024;
    static constexpr int kHeight = 768;

    // Opens at the reception screen's position (centred on the screen without one) and reads every key.
    // The picture download asks the shop of the session.
    // catalogue: the menu as the screen opened, whose pictures the download fetches.
    SettingsScreen(Session session, std::shared_ptr<const MenuCatalogue> catalogue, QWidget* reception = nullptr);
    ~SettingsScreen() override;

    // Event handlers, public so that a caller can drive the screen.
    void volumeChanged(int value);
    void bottomTextKeyPressed();
    void callTextKeyPressed();
    void chooseImageFileClicked();
    void downloadPicturesClicked();
    void terminateKeyClicked();
    // The operator PIN: stores the typed PIN as a salted hash, or removes it.
    void saveOperatorPinClicked();
    void clearOperatorPinClicked();

    bool isDownloading() const { return m_downloading; }

Q_SIGNALS:
    // The closing routine has stored the values and the screen has closed.
    void closed();
    // After the wait panel has shown each progress report of a download.
    void downloadProgress(const sumbrel::settings::DownloadPanel& panel);

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void buildWidgets();
    void buildCallDisplayGroup(QWidget* group);
    void buildAlarmGroup(QWidget* group);
    void buildTextsGroup(QWidget* group);
    void buildPlacementGroup(QWidget* group);
    void buildPicturesGroup(QWidget* group);
    void buildOperatorPinGroup(QWidget* group);
    void showPinState();
    void buildWaitPanel();
    void connectElements();
    void build();
    void showProgress(const settings::DownloadPanel& panel);
    void downloadFinished(const DownloadSummary& summary);
    void stopDownload();
    void showWaitPanel(bool shown);
    // Tells a write that did not store everything (the latest such), in place of the hint.
    void tellSaveProblem(const QString& problem);

    // What the elements hold, kept as they change, written by the closing routine.
    settings::ClosingValues m_entry;
    bool m_downloading = false;
    // The stop key's flag; the download ends after the file under way and reports what it did.
    CancelFlag m_downloadCancel;
    bool m_closed = false;
    ScreenActivation m_activation{ScreenActivation::Run::InPlace};
    // A closing that could not store everything has kept the screen open once (ClosesAfter).
    bool m_stayedOpenOnce = false;
    QPixmap m_background;
    std::unique_ptr<QMovie> m_waitMovie;

    QWidget* m_content = nullptr;
    QComboBox* m_calledCustomerBox = nullptr;
    QComboBox* m_callTimeBox = nullptr;
    QComboBox* m_preparingCustomerBox = nullptr;
    QComboBox* m_alarmKindBox = nullptr;
    QSlider* m_volumeSlider = nullptr;
    QLabel* m_volumeLabel = nullptr;
    QLineEdit* m_imageFileBox = nullptr;
    QLineEdit* m_bottomTextBox = nullptr;
    QLineEdit* m_callTextBox = nullptr;
    CaptionKey* m_chooseImageKey = nullptr;
    QCheckBox* m_dualMonitorBox = nullptr;
    QLineEdit* m_orderLeftBox = nullptr;
    QLineEdit* m_orderTopBox = nullptr;
    QLineEdit* m_callLeftBox = nullptr;
    QLineEdit* m_callTopBox = nullptr;
    CaptionKey* m_downloadKey = nullptr;
    CaptionKey* m_stopDownloadKey = nullptr;
    QLabel* m_downloadResult = nullptr;
    QLabel* m_hint = nullptr;
    QLabel* m_saveResult = nullptr;
    CaptionKey* m_terminateKey = nullptr;
    QLineEdit* m_pinBox = nullptr;
    CaptionKey* m_savePinKey = nullptr;
    CaptionKey* m_clearPinKey = nullptr;
    QLabel* m_pinState = nullptr;
    QWidget* m_waitShade = nullptr;
    QWidget* m_waitPanel = nullptr;
    QLabel* m_waitPicture = nullptr;
    QProgressBar* m_waitProgress = nullptr;
    QLabel* m_waitCount = nullptr;
    QLabel* m_waitItem = nullptr;
    // For a kiosk without a keyboard: opens when a text box is touched.
    OnScreenKeyboard* m_keyboard = nullptr;
    // What the picture download asks with; the run gets a copy.
    Session m_session;
    std::shared_ptr<const MenuCatalogue> m_catalogue;
    // The download runs off the screen's thread, so the stop key can be touched meanwhile. Last:
    // gone first, so no report arrives at a screen being taken apart.
    BackgroundExchange m_download{this};
};

}  // namespace sumbrel
