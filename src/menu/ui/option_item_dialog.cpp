#include "menu/ui/option_item_dialog.h"

#include "access/language.h"
#include "access/modes.h"
#include "access/speech.h"
#include "access/spoken.h"
#include "menu/ui/item_dialog_look.h"
#include "menu/ui/option_buttons.h"
#include "presentation/caption_key.h"
#include "presentation/keypad_navigator.h"
#include "presentation/presentation.h"
#include "presentation/stage_scale.h"
#include "presentation/widgets.h"
#include "startup/dialogs.h"
#include "startup/trace_log.h"

#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace sumbrel {

using item_dialog::PaintBackground;
using item_dialog::PaintPanel;
using menu::OptionMenu;

namespace {

constexpr int kTitleSize = 17;
constexpr int kPageKeySize = 14;
constexpr int kRowLeft = 6;

// "(+500)" as it is said.
QString SpokenPrice(order::Money money)
{
    const int64_t price = money.won();
    if (price == 0)
        return access::Tr("추가 금액 없음");
    return (price < 0 ? access::Tr("%1원 할인") : access::Tr("%1원 추가")).arg(price < 0 ? -price : price);
}

}  // namespace

OptionItemDialog::OptionItemDialog(QWidget* page)
    : OptionItemDialog(page, LayoutNow())
{
}

OptionItemDialog::OptionItemDialog(QWidget* page, const Layout& layout)
    : ItemDialog(page,
                 {QStringLiteral("optionItemDialog"), QStringLiteral("frmMenuSelectSubB"), access::Tr("옵션 선택"),
                  layout.size, layout.fromPage, SkinIn(QStringLiteral("0505.gif"))})
    , m_layout(layout)
{
    buildWidgets();
    build();
}

OptionItemDialog::~OptionItemDialog() = default;

int OptionItemDialog::panelLeft(int j, int groupPage) const
{
    return (j - groupPage * m_at.paging.groupsPerPage) * m_at.panelWidth;
}

QRect OptionItemDialog::rowPlace(int slot) const
{
    const int column = slot % m_at.columns;
    const int line = slot / m_at.columns;
    return {column * m_at.cellWidth + kRowLeft, m_at.firstRowTop + line * m_at.rowStep, m_at.rowWidth, m_at.rowHeight};
}

void OptionItemDialog::buildWidgets()
{
    const Layout& at = m_layout;
    makeItemTexts(at.item);
    makeCountdown(at.countdown);
    QLabel* groupCaption = MakeLabel(this, QStringLiteral("groupCaption"), at.groupCaption, LabelFont(15),
                                     Colours().itemDialogs.mutedInk, Qt::AlignRight | Qt::AlignVCenter, {});
    groupCaption->setText(access::Tr("옵션 그룹"));
    FitToPlace(groupCaption);
    m_chosenCountLabel = MakeLabel(this, QStringLiteral("chosenGroupCount"), at.chosenCount, KeyFont(15),
                                   Colours().itemDialogs.ink, Qt::AlignCenter, {});
    // In the order each layout has always been built in: the drawn text follows it to the pixel.
    if (FullScreen())
        makeTotal(at.total);
    m_commandKeys[kCmdPageBack] = MakeKey(this, QStringLiteral("commandKey_1"), QStringLiteral("◀ ") + access::Tr("이전"),
                                          at.pageBack, KeyFont(18), Colours().plainKey, Colours().keyInk);
    m_commandKeys[kCmdPageNext] = MakeKey(this, QStringLiteral("commandKey_2"), access::Tr("다음") + QStringLiteral(" ▶"),
                                          at.pageNext, KeyFont(18), Colours().plainKey, Colours().keyInk);
    makeQuantityKeys(at.down, at.shown, at.up, at.quantitySize);
    if (!FullScreen())
        makeTotal(at.total);
    makeCommandKeys(at.close, at.add, at.commandSize);
    m_chosenCountLabel->setStyleSheet(QStringLiteral("background: %1; color: %2; border-radius: %3px;")
                                          .arg(CssColour(Colours().accentKey.rest), CssColour(Colours().keyInk))
                                          .arg(m_chosenCountLabel->height() / 2));
    for (int i : {kCmdPageBack, kCmdPageNext}) {
        FitToPlace(m_commandKeys[i]);
        connect(m_commandKeys[i], &CaptionKey::clicked, this, [this, i] { commandKeyClicked(i); });
    }

    m_optionsArea = MakePanel(this, QStringLiteral("listArea"), m_at.back, Colours().panel);
    for (int j = 0; j < kOptionGroups; ++j) {
        m_groupPanels[j] = MakePanel(m_optionsArea, QStringLiteral("groupPanel_%1").arg(j),
                                     {panelLeft(j, 0), 0, m_at.panelWidth, m_at.back.height()}, Colours().panel);
        // A rule between neighbouring groups, shown with the group.
        m_rules[j] = new QFrame(m_groupPanels[j]);
        m_rules[j]->setObjectName(QStringLiteral("groupRule_%1").arg(j));
        m_rules[j]->setGeometry(0, PxY(12), std::max(1, Px(1)), PxY(m_at.back.height() - 24));
        SetFill(m_rules[j], Colours().itemDialogs.groupRule);
        m_rules[j]->hide();
        m_groupTitles[j] = MakeLabel(m_groupPanels[j], QStringLiteral("groupTitle_%1").arg(j), m_at.title,
                                     KeyFont(kTitleSize), Colours().itemDialogs.navy, Qt::AlignLeft | Qt::AlignVCenter,
                                     LabelFlag::Wrap);
        m_groupTitles[j]->hide();
        const std::pair<QString, QRect> keys[] = {{QStringLiteral("▲ ") + access::Tr("이전"), m_at.pageBack},
                                                  {QStringLiteral("▼ ") + access::Tr("다음"), m_at.pageNext}};
        for (int i = 0; i < 2; ++i) {
            CaptionKey* key = MakeKey(m_groupPanels[j], QStringLiteral("groupPageKey%1_%2").arg(j).arg(i),
                                      keys[i].first, keys[i].second, KeyFont(kPageKeySize), Colours().plainKey,
                                      Colours().keyInk);
            FitToPlace(key);
            connect(key, &CaptionKey::clicked, this, [this, j, i] { groupPageClicked(j, i == 0 ? -1 : +1); });
            key->hide();
            m_groupPageKeys[j][size_t(i)] = key;
        }
        m_groupPageTexts[j] = MakeLabel(m_groupPanels[j], QStringLiteral("groupPageText_%1").arg(j), m_at.pageText,
                                        KeyFont(kPageKeySize), Colours().itemDialogs.ink, Qt::AlignCenter, {});
        m_groupPageTexts[j]->hide();
    }
}

void OptionItemDialog::activate()
{
    std::optional<menu::MenuItem> read = readItem();
    // No such item in the catalogue: nothing to offer, and nothing the customer could add.
    if (!read) {
        closeDialog(Rejected);
        return;
    }
    m_model = OptionMenu(std::move(*read), m_at.paging);
    // A group or option without a name is not offered: what was left out is traced once, here.
    for (const QString& note : m_model.notes())
        WriteLog(QStringLiteral("  [frmMenuSelectSubB→Form_Activate] menu ") + m_model.item().num + QStringLiteral(" ")
                 + note);
    showItem();
    m_chosenCountLabel->setText(QString::number(m_model.groupCount()));
    // The page keys only where there is a second page.
    const bool paged = m_model.groupPages() > 1;
    m_commandKeys[kCmdPageBack]->setVisible(paged);
    m_commandKeys[kCmdPageNext]->setVisible(paged);
    for (int j = 0; j < kOptionGroups; ++j)
        showOptionGroup(j);
    placePanels();
    computeTotal();
}

void OptionItemDialog::showOptionGroup(int j)
{
    if (j < 0 || j >= kOptionGroups)
        return;
    // Rows of an earlier layout go first.
    for (OptionRow* row : m_rows[j])
        delete row;
    for (PricePanel* panel : m_pricePanels[j])
        delete panel;
    m_rows[j].clear();
    m_pricePanels[j].clear();

    const OptionGroup* group = m_model.group(j);
    m_rules[j]->setVisible(group && j % m_at.paging.groupsPerPage != 0);
    if (!group) {
        m_groupTitles[j]->hide();
        placeRows(j);
        return;
    }
    m_groupTitles[j]->setText(menu::OptionHeading(j, *group));
    m_groupTitles[j]->show();
    const QString rowName = group->singleChoice ? QStringLiteral("optionChoice%1_%2")
                                                : QStringLiteral("optionCheck%1_%2");
    for (int k = 0; k < group->options.size(); ++k) {
        const MenuOption& option = group->options[k];
        auto* row = new OptionRow(option.name, group->singleChoice, m_groupPanels[j]);
        row->setObjectName(rowName.arg(j).arg(k));
        connect(row, &QAbstractButton::clicked, this, [this, j, k] { optionClicked(j, k); });
        m_rows[j].push_back(row);

        auto* price = new PricePanel(menu::PriceCaption(option), m_groupPanels[j]);
        price->setObjectName(QStringLiteral("optionPrice%1_%2").arg(j).arg(k));
        connect(price, &QAbstractButton::clicked, this, [this, j, k] { optionPriceClicked(j, k); });
        m_pricePanels[j].push_back(price);
    }
    placeRows(j);
    showChoices(j);
}

void OptionItemDialog::placeRows(int j)
{
    // The rows of the group's current page at their slots; the others hidden until paged to.
    for (size_t k = 0; k < m_rows[j].size(); ++k) {
        const int slot = m_model.rowSlot(j, int(k));
        const QRect row = rowPlace(std::max(slot, 0));
        m_rows[j][k]->setGeometry(Px(row));
        m_pricePanels[j][k]->setGeometry(
            Px(QRect(row.left() + m_at.priceOffset, row.top(), m_at.priceWidth, row.height())));
        m_rows[j][k]->setVisible(slot >= 0);
        m_pricePanels[j][k]->setVisible(slot >= 0);
    }
    const bool paged = m_model.rowPages(j) > 1;
    for (CaptionKey* key : m_groupPageKeys[j])
        key->setVisible(paged);
    m_groupPageTexts[j]->setText(m_model.rowPageText(j));
    m_groupPageTexts[j]->setVisible(paged);
    // The keypad's ring leaves a row paged away.
    keypad()->refresh();
}

void OptionItemDialog::groupPageClicked(int j, int step)
{
    m_idleDeadline.renew();
    m_model.stepRowPage(j, step);
    placeRows(j);
}

void OptionItemDialog::showChoices(int j)
{
    // The chosen rows first: a single-choice row gives way to the newly chosen one by itself.
    const std::vector<OptionRow*>& rows = m_rows[j];
    for (size_t k = 0; k < rows.size(); ++k) {
        if (m_model.isChosen(j, int(k)))
            rows[k]->setChecked(true);
    }
    for (size_t k = 0; k < rows.size(); ++k) {
        if (!m_model.isChosen(j, int(k)))
            rows[k]->setChecked(false);
    }
    const OptionGroup* group = m_model.group(j);
    if (!group)
        return;
    for (size_t k = 0; k < rows.size(); ++k) {
        const MenuOption& option = group->options[qsizetype(k)];
        const QString said = access::OptionText(group->name, option.name, SpokenPrice(option.price),
                                                m_model.isChosen(j, int(k)));
        rows[k]->setAccessibleDescription(said);
        m_pricePanels[j][k]->setAccessibleDescription(said);
    }
}

void OptionItemDialog::guideMinimum()
{
    for (int j = 0; j < kOptionGroups; ++j) {
        const OptionGroup* group = m_model.group(j);
        if (!group || group->singleChoice)
            continue;
        int ticked = 0;
        for (qsizetype k = 0; k < group->options.size(); ++k)
            ticked += m_model.isChosen(j, int(k)) ? 1 : 0;
        if (ticked < group->required()) {
            access::Guide(access::MinimumNotMetText(group->name, group->required()));
            return;
        }
    }
}

bool OptionItemDialog::turnPage(access::Move move)
{
    const int step = move == access::Move::Next ? +1 : move == access::Move::Previous ? -1 : 0;
    if (step == 0)
        return false;
    // The rows of the groups shown first, then the groups.
    const int per = m_model.paging().groupsPerPage;
    const int first = m_model.groupPage() * per;
    for (int i = 0; i < per; ++i) {
        const int j = step > 0 ? first + i : first + per - 1 - i;
        if (j < kOptionGroups && m_model.turnRowPage(j, step)) {
            placeRows(j);
            access::Guide(access::PageText(m_model.group(j)->name, m_model.rowPage(j) + 1, m_model.rowPages(j)));
            return true;
        }
    }
    if (!m_model.turnGroupPage(step))
        return false;
    m_optionsArea->update();
    placePanels();
    access::Guide(access::PageText(access::Tr("옵션"), m_model.groupPage() + 1, m_model.groupPages()));
    return true;
}

void OptionItemDialog::placePanels()
{
    for (int j = 0; j < kOptionGroups; ++j) {
        m_groupPanels[j]->move(PxX(panelLeft(j, m_model.groupPage())), 0);
        // Off the page, a group's rows are no keys to the keypad or a screen reader.
        m_groupPanels[j]->setVisible(j / m_at.paging.groupsPerPage == m_model.groupPage());
    }
    keypad()->refresh();
}

bool OptionItemDialog::computeTotal()
{
    m_model.computeTotal();
    m_line = m_model.selection();
    showTotal(m_model.totalText());
    m_commandKeys[kCmdAdd]->setForeground(m_model.valid() ? Colours().inkOnDark : Colours().itemDialogs.invalidAddInk);
    return true;
}

void OptionItemDialog::optionClicked(int j, int k)
{
    // Choices alone do not renew the idle deadline.
    m_model.touch(j, k);
    showChoices(j);
    computeTotal();
    if (j >= 0 && j < kOptionGroups && k >= 0 && size_t(k) < m_rows[j].size())
        access::Guide(m_rows[j][size_t(k)]->accessibleDescription());
}

void OptionItemDialog::optionPriceClicked(int j, int k)
{
    optionClicked(j, k);
}

void OptionItemDialog::commandKeyClicked(int index)
{
    CaptionKey* key = takeKey(index);
    if (!key)
        return;
    switch (CmdIndex(index)) {
    case kCmdAdd:
        if (!m_model.valid()) {
            guideMinimum();
            MessageBox(access::Tr("최소 선택 갯수를 확인하세요!"), MessageIcon::Information);
            break;
        }
        if (addToPage(m_model.added())) {
            key->setKeyEnabled(true);
            m_idleDeadline.renew();
            closeDialog(Accepted);
        } else {
            key->setKeyEnabled(true);
            closeDialog(Rejected);
        }
        return;
    case kCmdClose:
        key->setKeyEnabled(true);
        m_idleDeadline.renew();
        closeDialog(Rejected);
        return;
    case kCmdPageBack:
    case kCmdPageNext:
        m_optionsArea->update();
        m_model.togglePage();
        placePanels();
        break;
    case kPanelKeyCount:
        break;
    }
    key->setKeyEnabled(true);
    m_idleDeadline.renew();
}

void OptionItemDialog::paintPanels(QPainter& p)
{
    if (!m_layout.band.isNull())
        PaintPanel(p, m_layout.band, Colours().itemDialogs.band);
    // A rim around the options area.
    const double s = StageScale();
    p.setPen(QPen(Colours().itemDialogs.optionsRim, std::max(1.0, s)));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(Px(m_at.back)).adjusted(-4.5 * s, -4.5 * s, 4.5 * s, 4.5 * s), 8 * s, 8 * s);
}

}  // namespace sumbrel
