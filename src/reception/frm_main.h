#pragma once
// The reception screen that customers use: dining choice, phone and car number, payment type,
// submission and the completion panel. The rules live in reception_rules.h; this class only shows them.
#include "reception/reception_rules.h"

#include <QString>
#include <QWidget>
#include <array>
#include <functional>

class QFrame;
class QLabel;
class QTimer;

namespace sumbrel {

class CaptionKey;

namespace reception {
// The previous poll's whole answer; lives as long as the process.
QString& lastWaitAnswer();
}

class frmMain : public QWidget {
public:
    // Builds the screen and runs the window load (Init_Form, then Load_Setting against the web service).
    explicit frmMain(QWidget* parent = nullptr);
    ~frmMain() override;

    // Shows the menu page modally. Before it: the page's m_FirstActivated = true and m_SELECTED =
    // gs().selectedOrder; a confirmation there writes gs().selectedOrder and sets gs().selectionConfirmed.
    std::function<void()> openMenuPage;
    // Shows the settings screen modally; the screen resets after it. Absent: only the reset.
    std::function<void()> openSettings;
    // Ends the program (lblTerminate). Default: QCoreApplication::exit(0).
    std::function<void()> terminateProgram;

    // Operations.
    void Init_Form();
    bool Load_Setting();
    bool TOLoad();
    bool Save_Input();
    void reset();  // Init_Form, then Load_Setting

    // Event handlers, public so that a caller can drive the flow by index.
    void CMD_Click(int index);
    void CMD2_Click(int index);
    void CMD3_Click(int index);
    void CMD2_DblClick(int index);
    void CMD3_DblClick(int index);
    void lblConfig_Click();
    void lblTerminate_Click();
    void Timer_Closer_Timer();
    void Timer_Refresh_Timer();

    // State.
    int currentPanel() const { return m_currentPanel; }
    QString diningChoice() const { return m_diningChoice; }
    QString payType() const { return m_payType; }
    int closeCountdown() const { return m_closeCountdown; }
    QString TakeOutPCText() const { return m_settings.TakeOutPCText; }
    QString TOWhereYN() const { return m_settings.TOWhereYN; }
    QString TakeOutCarYN() const { return m_settings.TakeOutCarYN; }
    QString TakeOutCarText() const { return m_settings.TakeOutCarText; }
    QString TOPayTypeS() const { return m_settings.TOPayTypeS; }

    // Widgets.
    CaptionKey* CMD(int index) const;
    CaptionKey* CMD2(int index) const;
    CaptionKey* CMD3(int index) const;
    QLabel* lblPhone(int index) const { return m_lblPhone.at(index); }
    QLabel* lblPhoneA() const { return m_lblPhoneA; }
    QLabel* lblCarNumber(int index) const { return m_lblCarNumber.at(index); }
    QLabel* lblCarNumberA() const { return m_lblCarNumberA; }
    QLabel* lblDriveThruText() const { return m_lblDriveThruText; }
    QLabel* lbl현재대기팀수(int index) const { return m_lblWaitTeams.at(index); }
    QLabel* lbl예상대기시간(int index) const { return m_lblWaitTime.at(index); }
    QLabel* lblWaitTitle() const { return m_lblWaitTitle; }
    QLabel* lblWaitSCM() const { return m_lblWaitSCM; }
    QLabel* lblCount() const { return m_lblCount; }
    QLabel* 상호() const { return m_shopName; }
    QLabel* lbl주문금액() const { return m_lblTotal; }
    CaptionKey* lblConfig() const { return m_lblConfig; }
    CaptionKey* lblTerminate() const { return m_lblTerminate; }
    QFrame* picFrame(int index) const { return m_picFrame.at(index); }
    QFrame* picFrame4() const { return m_picFrame4; }
    QFrame* picFrameMenu() const { return m_picFrameMenu; }
    QTimer* Timer_Closer() const { return m_timerCloser; }
    QTimer* Timer_Refresh() const { return m_timerRefresh; }

    // The colour of lblWaitTitle before any refusal.
    static QColor titleColour();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void Form_Load();
    void buildStartPanel();
    void buildPhonePanel();
    void buildCarPanel();
    void buildPaymentPanel();
    void buildCompletionPanel();
    void buildMenuPanel();
    void buildWaitingStatus();
    CaptionKey* makeKey(reception::KeyGroup group, int index, const QString& caption, QWidget* parent,
                        const QRect& geometry);
    void wireKey(CaptionKey* key, reception::KeyGroup group, int index);
    void switchPanel(int panel);
    void submission();
    void redrawPhone();
    void setNextKeys();
    void openMenu();
    void Draw_Order();
    void firstActivation();

    int m_currentPanel = 0;
    QString m_diningChoice = QStringLiteral("포장");
    QString m_payType = QStringLiteral("0");
    int m_closeCountdown = 0;
    reception::ReceptionSettings m_settings;
    bool m_activated = false;
    bool m_submitting = false;
    QPixmap* m_background = nullptr;

    std::array<CaptionKey*, 8> m_cmd{};
    std::array<CaptionKey*, 14> m_cmd2{};
    std::array<CaptionKey*, 15> m_cmd3{};
    std::array<QLabel*, 3> m_lblPhone{};
    std::array<QLabel*, 2> m_lblCarNumber{};
    std::array<QLabel*, 2> m_lblWaitTeams{};
    std::array<QLabel*, 2> m_lblWaitTime{};
    std::array<QFrame*, 5> m_picFrame{};
    QLabel* m_lblPhoneA = nullptr;
    QLabel* m_lblCarNumberA = nullptr;
    QLabel* m_lblDriveThruText = nullptr;
    QLabel* m_lblWaitTitle = nullptr;
    QLabel* m_lblWaitSCM = nullptr;
    QLabel* m_lblCount = nullptr;
    QLabel* m_shopName = nullptr;
    QLabel* m_lblTotal = nullptr;
    QLabel* m_pictureBox = nullptr;
    CaptionKey* m_lblConfig = nullptr;
    CaptionKey* m_lblTerminate = nullptr;
    QFrame* m_picFrame4 = nullptr;
    QFrame* m_picFrameMenu = nullptr;
    QFrame* m_picBack = nullptr;
    QTimer* m_timerCloser = nullptr;
    QTimer* m_timerRefresh = nullptr;
};

}  // namespace sumbrel
