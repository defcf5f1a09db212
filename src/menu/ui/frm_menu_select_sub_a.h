#pragma once
// The single-menu dialog: an item without option groups, its quantity, one line for the page's cart.
#include "menu/single_menu.h"
#include "menu/ui/item_dialog.h"

namespace sumbrel {

class frmMenuSelectSubA : public ItemDialog {
    Q_OBJECT
public:
    explicit frmMenuSelectSubA(QWidget* page);
    ~frmMenuSelectSubA() override;

    static constexpr int kWidth = 645;
    static constexpr int kHeight = 596;
    static constexpr int kLeftFromPage = 78;
    static constexpr int kTopFromPage = 80;

    void Form_Activate() override;
    bool computeTotal() override;
    void CmdLabel_Click(int index) override;

    const menu::SingleMenu& model() const { return m_model; }

protected:
    menu::Quantity& quantity() override { return m_model.quantity(); }
    const menu::MenuItem& item() const override { return m_model.item(); }
    void paintPanels(QPainter& p) override;

private:
    void buildWidgets();
    void buildFullScreen();

    menu::SingleMenu m_model;
};

}  // namespace sumbrel
