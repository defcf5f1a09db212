#include "menu/ui/frm_menu_select_sub_a.h"

#include "access/speech.h"
#include "access/spoken.h"
#include "menu/ui/item_dialog_look.h"
#include "presentation/caption_key.h"
#include "presentation/presentation.h"
#include "presentation/stage_scale.h"
#include "presentation/widgets.h"
#include "startup/trace_log.h"

#include <QLabel>
#include <QPainter>
#include <algorithm>

namespace sumbrel {

using item_dialog::PaintBackground;
using item_dialog::PaintPanel;

frmMenuSelectSubA::frmMenuSelectSubA(QWidget* page)
    : ItemDialog(page,
                 {QStringLiteral("frmMenuSelectSubA"), QStringLiteral("메뉴 선택"),
                  FullScreen() ? kScreen : QSize(kWidth, kHeight),
                  FullScreen() ? QPoint(0, 0) : QPoint(kLeftFromPage, kTopFromPage),
                  SkinIn(QStringLiteral("0504.gif"))})
{
    buildWidgets();
    Form_Load();
}

frmMenuSelectSubA::~frmMenuSelectSubA() = default;

void frmMenuSelectSubA::buildWidgets()
{
    if (FullScreen()) {
        buildFullScreen();
        return;
    }
    makeItemTexts({.photo = {8, 27, 245, 163},
                   .name = {265, 29, 366, 100},
                   .composition = {265, 129, 366, 56},
                   .description = {115, 229, 486, 106},
                   .priceCaption = {115, 354, 60, 61},
                   .price = {175, 354, 125, 61},
                   .priceUnit = {302, 354, 24, 61},
                   .compositionWraps = true,
                   .descriptionSize = 17,
                   .priceSize = 28});

    makeQuantityKeys({462, 363, 39, 39}, {502, 363, 63, 40}, {566, 363, 39, 39});
    makeCountdown({20, 436, 100, 45});
    makeTotal({.caption = {150, 440, 90, 40},
               .amount = {245, 440, 205, 40},
               .unit = {453, 440, 30, 40},
               .captionText = QStringLiteral("합계"),
               .captionAlignment = Qt::AlignRight | Qt::AlignVCenter});
    makeCommandKeys({58, 511, 248, 63}, {338, 511, 247, 63});
}

void frmMenuSelectSubA::buildFullScreen()
{
    // The item above the lower part, every key within it.
    makeItemTexts({.photo = {24, 24, 300, 200},
                   .name = {348, 16, 652, 84},
                   .composition = {348, 100, 652, 78},
                   .description = {24, 236, 976, 104},
                   .priceCaption = {348, 180, 90, 56},
                   .price = {438, 180, 200, 56},
                   .priceUnit = {640, 180, 60, 56},
                   .compositionWraps = true,
                   .descriptionSize = 17,
                   .priceSize = 22});
    const int top = LowTop() + 24;
    makeQuantityKeys({24, top, 120, 100}, {144, top, 150, 100}, {294, top, 120, 100}, 30);
    makeTotal({.caption = {440, top, 120, 100},
               .amount = {560, top, 340, 100},
               .unit = {900, top, 100, 100},
               .captionText = QStringLiteral("합계"),
               .captionAlignment = Qt::AlignRight | Qt::AlignVCenter});
    makeCountdown({24, top + 112, 200, 60});
    makeCommandKeys({24, top + 190, 470, 180}, {530, top + 190, 470, 180}, 30);
}

void frmMenuSelectSubA::Form_Activate()
{
    Procedure proc(m_frame.name, QStringLiteral("Form_Activate"));
    SUMBREL_STEP(proc, m_model = menu::SingleMenu(ReadItem()));
    if (!showItem(proc))
        return;
    SUMBREL_STEP(proc, computeTotal());
}

bool frmMenuSelectSubA::computeTotal()
{
    m_model.computeTotal();
    m_SELECTED = m_model.line();
    showTotal(m_model.totalText());
    CmdLabel[kCmdAdd]->setForeground(Colours().inkOnDark);
    return true;
}

void frmMenuSelectSubA::CmdLabel_Click(int index)
{
    CaptionKey* key = takeKey(index);
    if (!key)
        return;
    switch (CmdIndex(index)) {
    case kCmdClose:
        closeDialog(Rejected);
        break;
    case kCmdAdd:
        if (addToPage(m_model.added())) {
            closeDialog(Accepted);
        } else {
            closeDialog(Rejected);
        }
        break;
    default:
        break;
    }
    key->setKeyEnabled(true);
}

void frmMenuSelectSubA::paintPanels(QPainter& p)
{
    if (FullScreen()) {
        p.setPen(QPen(Colours().itemDialogs.footRule, std::max(1, Px(1))));
        p.drawLine(Px(20), Px(LowTop()), Px(kScreen.width() - 20), Px(LowTop()));
        return;
    }
    PaintPanel(p, {100, 216, 516, 132}, Colours().itemDialogs.band);
    p.setPen(QPen(Colours().itemDialogs.footRule, std::max(1, Px(1))));
    p.drawLine(Px(20), Px(428), Px(kWidth - 20), Px(428));
}

}  // namespace sumbrel
