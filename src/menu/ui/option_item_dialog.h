#pragma once
// The option-menu dialog: an item with option groups, the customer's choices and quantity, one line
// for the page's cart.
#include "menu/option_menu.h"
#include "menu/ui/item_dialog.h"

#include <QRect>
#include <array>
#include <vector>

namespace sumbrel {

class OptionRow;
class PricePanel;

class OptionItemDialog : public ItemDialog {
    Q_OBJECT
public:
    explicit OptionItemDialog(QWidget* page);
    ~OptionItemDialog() override;

    static constexpr int kWidth = 805;
    static constexpr int kHeight = 748;
    static constexpr int kTopFromPage = 10;
    // The options area (m_optionsArea): group panels side by side, three a page, rows 40 px apart.
    static constexpr int kPanelWidth = 230;
    static constexpr int kPanelHeight = 295;
    static constexpr QRect kBackArea{57, 260, 689, kPanelHeight};  // m_optionsArea

    // Where the option panels and their rows stand, and how many a page shows.
    struct Places {
        QRect back;  // m_optionsArea, in the dialog
        int panelWidth = 0;
        QRect title;  // in a panel
        int columns = 1;  // rows side by side in a panel
        int cellWidth = 0;
        // A row and its price panel within a cell.
        int rowWidth = 0;
        int priceOffset = 0;
        int priceWidth = 0;
        int firstRowTop = 0;
        int rowHeight = 0;
        int rowStep = 0;
        // A group's own page keys and its "1/2", in its panel.
        QRect pageBack, pageText, pageNext;
        menu::OptionPaging paging;
    };

    // On a standing screen: wider and taller, more rows of each group in view, larger keys, in the
    // lower middle of the page.
    static constexpr QSize kPortraitSize{1000, 1290};

    // The dialog's size in the design's pixels where it does not cover the window.
    static QSize DesignSize();

    // Everything else: the window, the item, the foot with its keys, and the options area.
    struct Layout {
        QSize size;
        QPoint fromPage;
        ItemPlaces item;
        QRect countdown, groupCaption, chosenCount;
        QRect pageBack, pageNext;
        QRect down, shown, up;
        int quantitySize = 28;
        TotalPlaces total;
        QRect close, add;
        int commandSize = 24;
        QRect band{};  // the soft panel behind the description; none on the whole screen
        Places options;
    };
    // The layout of the look and the screen's orientation.
    static Layout LayoutNow();

    void activate() override;
    void showOptionGroup(int j);
    bool computeTotal() override;
    // An option row (single choice or check box) or its price panel touched.
    void optionClicked(int j, int k);
    void optionPriceClicked(int j, int k);
    // A group's own page keys, when its rows take more than one page: back (-1) or on (+1).
    void groupPageClicked(int j, int step);
    void commandKeyClicked(int index) override;

    const menu::OptionMenu& model() const { return m_model; }

protected:
    menu::Quantity& quantity() override { return m_model.quantity(); }
    const menu::MenuItem& item() const override { return m_model.item(); }
    int optionGroups() const override { return m_model.groupCount(); }
    bool turnPage(access::Move move) override;
    void paintPanels(QPainter& p) override;

private:
    OptionItemDialog(QWidget* page, const Layout& layout);
    void buildWidgets();
    int panelLeft(int j, int groupPage) const;
    QRect rowPlace(int slot) const;
    void showChoices(int j);
    void placeRows(int j);
    void placePanels();
    // The first group short of its minimum, said.
    void guideMinimum();

    const Layout m_layout;
    const Places& m_at = m_layout.options;
    menu::OptionMenu m_model;

    QLabel* m_chosenCountLabel = nullptr;
    QWidget* m_optionsArea = nullptr;
    std::array<QWidget*, kOptionGroups> m_groupPanels{};
    std::array<QLabel*, kOptionGroups> m_groupTitles{};
    std::array<QWidget*, kOptionGroups> m_rules{};
    // Rows of group j: single-choice rows or check boxes.
    std::array<std::vector<OptionRow*>, kOptionGroups> m_rows;
    std::array<std::vector<PricePanel*>, kOptionGroups> m_pricePanels;
    // Group j's page keys and its "1/2", shown only for a group of more than six options.
    std::array<std::array<CaptionKey*, 2>, kOptionGroups> m_groupPageKeys{};
    std::array<QLabel*, kOptionGroups> m_groupPageTexts{};
};

}  // namespace sumbrel
