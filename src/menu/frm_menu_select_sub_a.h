#pragma once
// The single-menu dialog: an item without option groups, its quantity, one line for the page's cart.
#include "menu/idle.h"
#include "menu/single_menu.h"

#include <QDialog>
#include <QPixmap>
#include <QString>
#include <QTimer>
#include <array>

class QLabel;

namespace sumbrel {

class CaptionKey;

class frmMenuSelectSubA : public QDialog {
    Q_OBJECT
public:
    // pageCart: the menu page's m_SELECTED; "add" appends one line to it. page: the menu page
    // (the dialog is placed relative to it and is its child window).
    frmMenuSelectSubA(QString& pageCart, QWidget* page);
    ~frmMenuSelectSubA() override;

    QString m_SRL;  // menu number of the touched tile (kept, not used)
    QString m_메뉴IDX;  // menuCatalogue() row, as decimal text
    QString m_SELECTED;  // the line being composed
    // exec() shows it modally; it closes itself (add, close, idle) and is then destroyed by its owner.

    static constexpr int kWidth = 645;
    static constexpr int kHeight = 596;
    static constexpr int kLeftFromPage = 78;
    static constexpr int kTopFromPage = 80;
    static constexpr int kCorner = 20;

    enum CmdIndex : int { kCmdClose = 0, kCmdAdd = 3, kCmdCount = 4 };
    enum QuantityKey : int { kQuantityDown = 0, kQuantityUp = 1 };

    // The content from the catalogue row; runs once, at the first showing.
    void Form_Activate();
    bool 금액합계();
    void SetNum_Add_Click(int index);
    void SetNum_Add_MouseDown(int index);
    void SetNum_Add_MouseUp(int index);
    void CmdLabel_Click(int index);
    void Timer3_Timer();
    void AutoIncrement_Timer();

    // Nominal milliseconds before the idle close.
    int32_t idleRemainingMs() const { return m_Deadline.remainingMs(); }

    const menu::SingleMenu& model() const { return m_model; }

protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void Form_Load();
    void buildWidgets();
    void closeDialog(int result);

    QString& m_pageCart;
    QWidget* m_page;
    menu::SingleMenu m_model;
    menu::IdleDeadline m_Deadline;
    menu::HoldRepeat m_hold;
    QTimer Timer3{this};
    QTimer AutoIncrement{this};
    QPixmap m_background;
    bool m_activated = false;
    bool m_closing = false;
    QString m_countdownShown = QStringLiteral("30초");

    QLabel* 메뉴사진 = nullptr;
    QLabel* 메뉴이름 = nullptr;
    QLabel* 메뉴구성 = nullptr;
    QLabel* 메뉴설명 = nullptr;
    QLabel* 메뉴가격 = nullptr;
    QLabel* SetNum = nullptr;
    QLabel* Total = nullptr;
    QLabel* ssp타이머 = nullptr;
    std::array<CaptionKey*, 2> SetNum_Add{};
    std::array<CaptionKey*, kCmdCount> CmdLabel{};
};

}  // namespace sumbrel
