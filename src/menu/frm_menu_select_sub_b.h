#pragma once
// The option-menu dialog: an item with option groups, the customer's choices and quantity, one line
// for the page's cart.
#include "menu/idle.h"
#include "menu/option_menu.h"

#include <QDialog>
#include <QPixmap>
#include <QRect>
#include <QString>
#include <QTimer>
#include <array>
#include <vector>

class QLabel;

namespace sumbrel {

class CaptionKey;
class OptionRow;
class PricePanel;

class frmMenuSelectSubB : public QDialog {
    Q_OBJECT
public:
    // pageCart: the menu page's m_SELECTED; confirming appends one line to it. page: the menu page
    // (the dialog is placed relative to it and is its child window).
    frmMenuSelectSubB(QString& pageCart, QWidget* page);
    ~frmMenuSelectSubB() override;

    QString m_SRL;  // menu number of the touched tile (kept, not used)
    QString m_메뉴IDX;  // menuCatalogue() row, as decimal text
    QString m_SELECTED;  // the selection being composed
    // exec() shows it modally; it closes itself (confirm, close, idle) and is then destroyed by its owner.

    static constexpr int kWidth = 805;
    static constexpr int kHeight = 748;
    static constexpr int kTopFromPage = 10;
    static constexpr int kCorner = 20;
    static constexpr QRect kBackArea{57, 260, 689, 295};  // picBack

    enum CmdIndex : int { kCmdClose = 0, kCmdPageBack = 1, kCmdPageNext = 2, kCmdConfirm = 3, kCmdCount = 4 };
    enum QuantityKey : int { kQuantityDown = 0, kQuantityUp = 1 };

    // The content from the catalogue row; runs once, at the first showing.
    void Form_Activate();
    void Disp_AddMenu(int j);
    bool 금액합계();
    // An option row (single choice or check box) or its price panel touched.
    void AddMenu_Option_Click(int j, int k);
    void AddMenu_Price_Click(int j, int k);
    void SetNum_Add_Click(int index);
    void SetNum_Add_MouseDown(int index);
    void SetNum_Add_MouseUp(int index);
    void CmdLabel_Click(int index);
    void Timer3_Timer();
    void AutoIncrement_Timer();

    // Nominal milliseconds before the idle close.
    int32_t idleRemainingMs() const { return m_Deadline.remainingMs(); }

    const menu::OptionMenu& model() const { return m_model; }

protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void Form_Load();
    void buildWidgets();
    void showChoices(int j);
    void placePanels();
    void closeDialog(int result);

    QString& m_pageCart;
    QWidget* m_page;
    menu::OptionMenu m_model;
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
    QLabel* 메뉴가격 = nullptr;
    QLabel* 메뉴구성 = nullptr;
    QLabel* 메뉴설명 = nullptr;
    QLabel* lbl선택갯수 = nullptr;
    QWidget* picBack = nullptr;
    std::array<QWidget*, kOptionGroups> picList{};
    std::array<QLabel*, kOptionGroups> AddMenu_Title{};
    std::array<QWidget*, kOptionGroups> m_rules{};
    // Rows of group j: single-choice rows (AddMenu_Option j) or check boxes (AddMenu_Check j).
    std::array<std::vector<OptionRow*>, kOptionGroups> m_rows;
    std::array<std::vector<PricePanel*>, kOptionGroups> AddMenu_Price;
    QLabel* SetNum = nullptr;
    QLabel* Total = nullptr;
    QLabel* ssp타이머 = nullptr;
    std::array<CaptionKey*, 2> SetNum_Add{};
    std::array<CaptionKey*, kCmdCount> CmdLabel{};
};

}  // namespace sumbrel
