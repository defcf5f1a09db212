#include "menu/ui/single_item_dialog.h"

#include "access/language.h"
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

QSize SingleItemDialog::DesignSize()
{
    return StagePortrait() ? kPortraitSize : QSize(kWidth, kHeight);
}

SingleItemDialog::Places SingleItemDialog::PlacesNow()
{
    const Qt::Alignment right = Qt::AlignRight | Qt::AlignVCenter;
    if (FullScreen() && StagePortrait()) {
        // The item in the upper part; the quantity, its total and every key in the lower 55 %.
        const int top = LowTop() + 40;
        return {.size = Screen(),
                .fromPage = {0, 0},
                .item = {.photo = {30, 30, 500, 340},
                         .name = {560, 30, 490, 130},
                         .composition = {560, 170, 490, 120},
                         .description = {30, 400, 1020, 260},
                         .priceCaption = {560, 300, 100, 70},
                         .price = {660, 300, 240, 70},
                         .priceUnit = {902, 300, 70, 70},
                         .compositionWraps = true,
                         .descriptionSize = 17,
                         .priceSize = 22},
                .down = {30, top, 240, 200},
                .shown = {270, top, 540, 200},
                .up = {810, top, 240, 200},
                .quantitySize = 30,
                .countdown = {30, 720, 300, 100},
                .total = {.caption = {200, top + 246, 250, 140},
                          .amount = {450, top + 246, 450, 140},
                          .unit = {900, top + 246, 150, 140},
                          .captionText = access::Tr("합계"),
                          .captionAlignment = right},
                .close = {30, 1440, 495, 420},
                .add = {555, 1440, 495, 420},
                .commandSize = 30};
    }
    if (FullScreen()) {
        // The item above the lower part, every key within it.
        const int top = LowTop() + 24;
        return {.size = Screen(),
                .fromPage = {0, 0},
                .item = {.photo = {24, 24, 300, 200},
                         .name = {348, 16, 652, 84},
                         .composition = {348, 100, 652, 78},
                         .description = {24, 236, 976, 104},
                         .priceCaption = {348, 180, 90, 56},
                         .price = {438, 180, 200, 56},
                         .priceUnit = {640, 180, 60, 56},
                         .compositionWraps = true,
                         .descriptionSize = 17,
                         .priceSize = 22},
                .down = {24, top, 120, 100},
                .shown = {144, top, 150, 100},
                .up = {294, top, 120, 100},
                .quantitySize = 30,
                .countdown = {24, top + 112, 200, 60},
                .total = {.caption = {440, top, 120, 100},
                          .amount = {560, top, 340, 100},
                          .unit = {900, top, 100, 100},
                          .captionText = access::Tr("합계"),
                          .captionAlignment = right},
                .close = {24, top + 190, 470, 180},
                .add = {530, top + 190, 470, 180},
                .commandSize = 30};
    }
    if (StagePortrait()) {
        return {.size = kPortraitSize,
                .fromPage = LowerMiddle(kPortraitSize),
                .item = {.photo = {40, 36, 360, 240},
                         .name = {430, 36, 530, 120},
                         .composition = {430, 160, 530, 116},
                         .description = {60, 312, 880, 136},
                         .priceCaption = {60, 484, 70, 100},
                         .price = {130, 484, 200, 100},
                         .priceUnit = {332, 484, 30, 100},
                         .compositionWraps = true,
                         .descriptionSize = 17,
                         .priceSize = 28},
                .down = {620, 484, 100, 100},
                .shown = {720, 484, 140, 100},
                .up = {860, 484, 100, 100},
                .countdown = {40, 620, 120, 70},
                .total = {.caption = {420, 620, 120, 70},
                          .amount = {540, 620, 330, 70},
                          .unit = {873, 620, 40, 70},
                          .captionText = access::Tr("합계"),
                          .captionAlignment = right},
                .close = {40, 714, 440, 110},
                .add = {520, 714, 440, 110},
                .band = {40, 300, 920, 160},
                .rule = 604};
    }
    return {.size = {kWidth, kHeight},
            .fromPage = {kLeftFromPage, kTopFromPage},
            .item = {.photo = {8, 27, 245, 163},
                     .name = {265, 29, 366, 100},
                     .composition = {265, 129, 366, 56},
                     .description = {115, 229, 486, 106},
                     .priceCaption = {115, 354, 60, 61},
                     .price = {175, 354, 125, 61},
                     .priceUnit = {302, 354, 24, 61},
                     .compositionWraps = true,
                     .descriptionSize = 17,
                     .priceSize = 28},
            .down = {462, 363, 39, 39},
            .shown = {502, 363, 63, 40},
            .up = {566, 363, 39, 39},
            .countdown = {20, 436, 100, 45},
            .total = {.caption = {150, 440, 90, 40},
                      .amount = {245, 440, 205, 40},
                      .unit = {453, 440, 30, 40},
                      .captionText = access::Tr("합계"),
                      .captionAlignment = right},
            .close = {58, 511, 248, 63},
            .add = {338, 511, 247, 63},
            .band = {100, 216, 516, 132},
            .rule = 428};
}

SingleItemDialog::SingleItemDialog(QWidget* page)
    : SingleItemDialog(page, PlacesNow())
{
}

SingleItemDialog::SingleItemDialog(QWidget* page, const Places& at)
    : ItemDialog(page,
                 {QStringLiteral("singleItemDialog"), QStringLiteral("frmMenuSelectSubA"), access::Tr("메뉴 선택"),
                  at.size, at.fromPage, SkinIn(QStringLiteral("0504.gif"))})
    , m_at(at)
{
    buildWidgets();
    build();
}

SingleItemDialog::~SingleItemDialog() = default;

void SingleItemDialog::buildWidgets()
{
    makeItemTexts(m_at.item);
    makeQuantityKeys(m_at.down, m_at.shown, m_at.up, m_at.quantitySize);
    // In the order each layout has always been built in: the drawn text follows it to the pixel.
    if (FullScreen()) {
        makeTotal(m_at.total);
        makeCountdown(m_at.countdown);
    } else {
        makeCountdown(m_at.countdown);
        makeTotal(m_at.total);
    }
    makeCommandKeys(m_at.close, m_at.add, m_at.commandSize);
}

void SingleItemDialog::activate()
{
    std::optional<menu::MenuItem> read = readItem();
    // No such item in the catalogue: nothing to offer, and nothing the customer could add.
    if (!read) {
        closeDialog(Rejected);
        return;
    }
    m_model = menu::SingleMenu(std::move(*read));
    showItem();
    computeTotal();
}

bool SingleItemDialog::computeTotal()
{
    m_model.computeTotal();
    m_line = m_model.line();
    showTotal(m_model.totalText());
    m_commandKeys[kCmdAdd]->setForeground(Colours().inkOnDark);
    return true;
}

void SingleItemDialog::commandKeyClicked(int index)
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

void SingleItemDialog::paintPanels(QPainter& p)
{
    p.setPen(QPen(Colours().itemDialogs.footRule, std::max(1, Px(1))));
    if (FullScreen()) {
        p.drawLine(PxX(20), PxY(LowTop()), PxX(Screen().width() - 20), PxY(LowTop()));
        return;
    }
    PaintPanel(p, m_at.band, Colours().itemDialogs.band);
    p.setPen(QPen(Colours().itemDialogs.footRule, std::max(1, Px(1))));
    p.drawLine(Px(20), Px(m_at.rule), Px(m_at.size.width() - 20), Px(m_at.rule));
}

}  // namespace sumbrel
