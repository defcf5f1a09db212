#pragma once
// The single-menu dialog: an item without option groups, its quantity, one line for the page's cart.
#include "menu/single_menu.h"
#include "menu/ui/item_dialog.h"

namespace sumbrel {

class SingleItemDialog : public ItemDialog {
    Q_OBJECT
public:
    explicit SingleItemDialog(QWidget* page);
    ~SingleItemDialog() override;

    static constexpr int kWidth = 645;
    static constexpr int kHeight = 596;
    static constexpr int kLeftFromPage = 78;
    static constexpr int kTopFromPage = 80;
    // On a standing screen: wider, with a larger photo and keys, in the lower middle of the page.
    static constexpr QSize kPortraitSize{1000, 850};

    // The dialog's size in the design's pixels where it does not cover the window.
    static QSize DesignSize();

    void activate() override;
    bool computeTotal() override;
    void commandKeyClicked(int index) override;

    const menu::SingleMenu& model() const { return m_model; }

protected:
    menu::Quantity& quantity() override { return m_model.quantity(); }
    const menu::MenuItem& item() const override { return m_model.item(); }
    void paintPanels(QPainter& p) override;

private:
    // Where everything stands, in the design's pixels: the dialog's layout or the whole screen's, lying
    // or standing.
    struct Places {
        QSize size;
        QPoint fromPage;
        ItemPlaces item;
        QRect down, shown, up;
        int quantitySize = 28;
        QRect countdown;
        TotalPlaces total;
        QRect close, add;
        int commandSize = 24;
        QRect band{};  // the soft panel behind the description; none on the whole screen
        int rule = 0;  // the rule above the foot
    };
    static Places PlacesNow();

    SingleItemDialog(QWidget* page, const Places& at);
    void buildWidgets();

    const Places m_at;
    menu::SingleMenu m_model;
};

}  // namespace sumbrel
