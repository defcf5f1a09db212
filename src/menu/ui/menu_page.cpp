#include "menu/ui/menu_page.h"

#include "access/focus_order.h"
#include "access/modes.h"
#include "access/speech.h"
#include "access/spoken.h"
#include "catalogue/category_table.h"
#include "catalogue/menu_catalogue.h"
#include "menu/ui/menu_page_widgets.h"
#include "menu/ui/menu_photo.h"
#include "menu/ui/option_item_dialog.h"
#include "menu/ui/page_prefetch.h"
#include "menu/ui/single_item_dialog.h"
#include "presentation/caption_key.h"
#include "presentation/keypad_navigator.h"
#include "presentation/presentation.h"
#include "presentation/stage_scale.h"
#include "server/http_client.h"
#include "startup/clock.h"
#include "startup/dialogs.h"
#include "startup/global_state.h"
#include "startup/trace_log.h"

#include <QEvent>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QScopeGuard>
#include <cmath>

namespace sumbrel {

using namespace menu;

namespace {

const QString kModule = QStringLiteral("frmMenuSelectMain");

void ActivationLine(const QString& what)
{
    WriteLog(QStringLiteral("  [MenuSelectMain→Form_Activate] ") + what);
}

void LoadLine(const QString& what)
{
    WriteLog(QStringLiteral("  [MenuSelectMain→Load] ") + what);
}

// The item dialog of the touched tile, over the page (which takes no touch meanwhile); deleted once
// it has reported.
template <typename Dialog>
ItemDialog* MakeItemDialog(QWidget* page, PictureCache& pictures, const MenuTables& tables, const TileTouch& touch)
{
    auto* dialog = new Dialog(page);
    dialog->m_catalogue = tables.catalogueSnapshot();
    dialog->m_row = touch.row;
    dialog->m_pictures = &pictures;
    return dialog;
}

}  // namespace

MenuPage::MenuPage(Session session, MenuTables& tables, QWidget* reception)
    // A window of its own rather than the reception screen's child, so the two screens' like-named
    // widgets (the order rows) are never found in each other.
    : QDialog(nullptr, Qt::Window | Qt::FramelessWindowHint)
    , m_tables(tables)
    , m_model(tables)
    , m_service(std::move(session))
    , m_reception(reception)
{
    setObjectName(QStringLiteral("menuPage"));
    SetTraceName(this, kModule);
    setWindowTitle(ProgramTitle());
    // Over the reception screen, which takes no touch while the page is up; shown, never exec()'d.
    setModal(true);
    m_idleTick = new ClockTimer(this);
    m_idleTick->setObjectName(QStringLiteral("idleTick"));
    connect(m_idleTick, &ClockTimer::timeout, this, [this] { idleTick(); });
    m_loadDeadline = new ClockTimer(this);
    m_loadDeadline->setObjectName(QStringLiteral("loadDeadline"));
    connect(m_loadDeadline, &ClockTimer::timeout, this, [this] { loadOverdue(); });
    build();
    buildKeypad();
}

MenuPage::~MenuPage() = default;

void MenuPage::buildKeypad()
{
    m_keypad = new KeypadNavigator(this);
    m_keypad->back = [this] {
        if (loading())
            cancelLoad();
        else
            commandKeyClicked(int(PageKey::Close));
    };
    m_keypad->describe = [this] { return intro(); };
    m_keypad->anyKey = [this] { m_model.deadline().renew(); };
    m_keypad->beyond = [this](access::Move move) { return turnPage(move == access::Move::Next ? +1 : -1); };
}

// Past the last element the next page of tiles, before the first the previous one; the first and
// the last page do not wrap around, so the arrows still reach every key.
bool MenuPage::turnPage(int direction)
{
    const TilePage& tiles = m_model.tiles();
    if ((direction > 0 && tiles.page >= tiles.pages - 1) || (direction < 0 && tiles.page <= 0))
        return false;
    commandKeyClicked(int(direction > 0 ? PageKey::NextPage : PageKey::PreviousPage));
    access::Guide(access::PageText(QString(), m_model.tiles().page + 1, m_model.tiles().pages));
    return true;
}

QString MenuPage::intro() const
{
    if (loading())
        return access::Tr(kMenuLoadingText);
    const TabStrip& strip = m_model.tabs();
    const QString category = strip.current >= 0 ? strip.captions[size_t(strip.current)] : m_model.category;
    return access::MenuPageIntro(category, m_model.tiles().page + 1, m_model.tiles().pages, m_model.tiles().count,
                                 int(m_model.composed.size()));
}

void MenuPage::sayLineAdded(const order::OrderLine& line)
{
    access::Guide(access::LineAddedText(line.name, line.quantity, WonText(m_model.composed.total())));
}

void MenuPage::open(const cart::OrderCart& cart)
{
    m_loadPending = true;
    m_model.open(cart);
    m_model.beginLoading();
    if (m_reception)
        move(m_reception->pos());
    // The previous visit's tiles never show: the loading panel is up until the menu is there.
    showLoading(true);
    show();
}

// ---- activation --------------------------------------------------------------------------------

bool MenuPage::event(QEvent* e)
{
    // Queued, so that the page is on the screen first.
    m_activation.onEvent(this, e, m_loadPending, [this] { activate(); });
    return QDialog::event(e);
}

void MenuPage::activate()
{
    if (!m_loadPending) {
        ActivationLine(QStringLiteral("Quit"));
        return;
    }
    ActivationLine(QStringLiteral("Enter"));
    m_loadPending = false;
    startLoad();
}

// The three answers are fetched and read on a thread of their own; the page keeps answering touches
// meanwhile (its model lets only the cancel act) and the whole load has one time limit.
void MenuPage::startLoad()
{
    m_idleTick->stop();
    m_model.beginLoading();
    showLoading(true);
    m_loads.cancel();
    const MenuPageService service = m_service;
    const QString caller = m_model.checkTypes;
    // The worker's own snapshot of what is shown, never the live tables.
    const std::shared_ptr<const MenuCatalogue> shown = m_tables.catalogueSnapshot();
    const ShownTiles tiles{m_tables.tilesKey(), m_tables.tilesNotes()};
    const bool started = m_loads.run<MenuPageData>(
        [service, caller, shown, tiles](const CancelFlag& cancel) { return service.fetch(caller, cancel, shown, tiles); },
        [this](const MenuPageData& data) { loadArrived(data); });
    if (!started) {
        LoadLine(QStringLiteral("메뉴를 불러오지 못함: 요청을 시작하지 못함"));
        closePage(*m_model.loadEnded(false));
        return;
    }
    m_loadLimitMs = httpLimits().callMs;
    m_loadDeadline->start(m_loadLimitMs);
    access::Guide(access::Tr(kMenuLoadingText));
}

void MenuPage::loadArrived(const MenuPageData& data)
{
    m_loadDeadline->stop();
    if (!loading())
        return;
    const MenuLoad applied = MenuPageService::apply(data, m_tables);
    const std::optional<MenuPageEnd> end = m_model.loadEnded(applied.menu);
    if (end) {
        LoadLine(QStringLiteral("메뉴를 불러오지 못함: 응답이 없거나 올바르지 않음"));
        closePage(*end);
        return;
    }
    showTabs();
    showTiles();
    drawOrder();
    showLoading(false);
    m_model.deadline().renew();
    m_idleTick->start(kIdleTickMs);
    m_keypad->refresh();
    access::Guide(intro());
}

void MenuPage::loadOverdue()
{
    m_loadDeadline->stop();
    if (!loading())
        return;
    m_loads.cancel();
    LoadLine(QStringLiteral("메뉴를 불러오지 못함: ") + QString::number(m_loadLimitMs / 1000)
             + QStringLiteral("초 안에 응답이 오지 않음"));
    closePage(*m_model.loadEnded(false));
}

void MenuPage::cancelLoad()
{
    if (!loading())
        return;
    m_loadDeadline->stop();
    m_loads.cancel();
    LoadLine(QStringLiteral("메뉴를 불러오는 중에 취소됨"));
    closePage(m_model.cancelLoading());
}

void MenuPage::showLoading(bool on)
{
    if (!m_loadingPanel)
        return;
    m_loadingPanel->setVisible(on);
    if (on)
        m_loadingPanel->raise();
    if (m_keypad)
        m_keypad->refresh();
}

// ---- showing the model -------------------------------------------------------------------------

void MenuPage::showTabs()
{
    const TabStrip& strip = m_model.tabs();
    for (int t = 0; t < kTabCount; ++t) {
        CaptionKey* tab = m_tabs[size_t(t)];
        const bool current = t == strip.current;
        tab->setCaption(strip.captions[size_t(t)]);
        fitTabCaption(tab);
        tab->setColours(tabColour(current), tabColour(current).darker(130));
        tab->setForeground(current ? Colours().menuPage.currentTabInk : Colours().inkOnDark);
        // An unused slot is no key, to the eye or to a screen reader.
        tab->setVisible(t < m_layout.tabsPerStrip && !strip.captions[size_t(t)].isEmpty());
        tab->setAccessibleDescription(current ? access::Tr("현재 분류") : QString());
    }
    if (m_tabMark) {
        const bool marked = strip.current >= 0 && strip.current < m_layout.tabsPerStrip;
        if (marked) {
            const QRect tab = m_tabs[size_t(strip.current)]->geometry();
            const int bar = qMax(Px(4), int(std::lround(5 * CurrentLook().scale * StageScale())));
            m_tabMark->setGeometry(tab.left(), tab.bottom() + 1, tab.width(), bar);
            m_tabMark->raise();
        }
        m_tabMark->setVisible(marked);
    }
}

// A category's name steps down in size where it does not fit its tab (a long name at twice the size,
// or lines that round up on a small screen), to two thirds of its size at most.
void MenuPage::fitTabCaption(CaptionKey* tab) const
{
    const QFont full = KeyFont(m_layout.tabFont);
    const QRect room = tab->rect().adjusted(4, 4, -4, -4);
    const int floor = std::max(1, full.pixelSize() * 2 / 3);
    tab->setFont(full);
    FitFont(tab, tab->caption(), room, true, floor, "frmMenuSelectMain");
}

void MenuPage::fitCaption(CaptionKey* key)
{
    FitKeyCaption(key, "frmMenuSelectMain");
}

void MenuPage::fitText(QLabel* label)
{
    FitLabelText(label, "frmMenuSelectMain");
}

void MenuPage::showTiles()
{
    const TilePage& page = m_model.tiles();
    m_page->setText(page.counter);
    // The other layouts have no track for it; their counter tells the page.
    m_pageMarker->setVisible(page.marker.has_value() && m_layout.marker);
    if (page.marker && m_layout.marker)
        m_pageMarker->move(Px(markerPlace(*page.marker)));
    for (int k = 0; k < kTileCount; ++k) {
        Tile& tile = m_tiles[size_t(k)];
        const TileEntry* entry = m_model.tileEntry(k);
        if (!entry) {
            // A category without entries leaves the tiles as they were, without texts (and no key to
            // a screen reader).
            tile.name->clear();
            tile.price->clear();
            tile.frame->setItem(QString(), QString());
            if (page.first >= 0 || k >= m_layout.tilesPerPage)
                tile.frame->hide();
            continue;
        }
        const QString name = entry->name;
        const QString price = WonText(entry->price);
        tile.name->setText(name);
        // The Chinese and Japanese type sets a Korean name a little taller.
        fitText(tile.name);
        tile.price->setText(price);
        tile.frame->setItem(
            name, access::TileText(name, price, DialogFor(entry->optionGroups) == DialogKind::Options));
        // A file that is missing or cannot be read shows the placeholder; the page goes on.
        SetMenuPhoto(&m_pictures, tile.photo, entry->num);
        tile.frame->show();
    }
    // The pages a flip shows next, decoded while the customer reads this one.
    QList<QSize> photoSizes;
    for (const Tile& tile : m_tiles)
        photoSizes.append(tile.photo->size());
    PrefetchNeighbourPages(m_pictures, m_model, photoSizes);
    if (m_keypad)
        m_keypad->refresh();
}

void MenuPage::showList()
{
    const ListGeometry& list = m_model.list();
    m_orderRowsArea->setGeometry(0, rowPx(list.top), m_orderRowsArea->width(), qMax(rowPx(list.height), 1));
}

// In the design's pixels, as the rows' rules measure.
int MenuPage::textWidth(const QString& text) const
{
    return int(DesignX(QFontMetrics(m_orderRowsArea->font()).horizontalAdvance(text)) / m_layout.rowScale);
}

bool MenuPage::drawOrder()
{
    if (m_drawing)
        return false;
    m_drawing = true;
    // Cleared on every way out.
    const auto cleared = qScopeGuard([this] { m_drawing = false; });
    const OrderRowsLayout layout = m_model.redraw([this](const QString& text) { return textWidth(text); });
    for (Row& row : m_rows)
        row.frame->hide();
    for (qsizetype i = 0; i < layout.rows.size(); ++i) {
        const OrderRow& shown = layout.rows[i];
        Row& row = m_rows[size_t(i)];
        row.serial->setText(shown.serial);
        row.name->setText(shown.name);
        row.name->move(row.name->x(), rowPx(shown.nameTop));
        row.price->setText(shown.price);
        row.price->move(row.price->x(), rowPx(shown.priceTop));
        row.options->setText(shown.options);
        row.quantity->setText(QString::number(shown.quantity));
        row.frame->show();
    }
    m_orderCount->setText(layout.count);
    const QString amount = WonText(m_model.composed.total());
    m_orderTotal->setText(UnitWordApart() ? layout.total : amount);
    fitText(m_orderTotal);
    // The bare figures read alone mean nothing.
    m_orderCount->setAccessibleName(access::Tr("총 수량 %1").arg(layout.count));
    m_orderTotal->setAccessibleName(access::Tr("합계 %1").arg(amount));
    showList();
    if (m_keypad)
        m_keypad->refresh();
    return true;
}

// ---- touches -----------------------------------------------------------------------------------

void MenuPage::categoryTabClicked(int tab)
{
    if (!m_model.touchTab(tab))
        return;
    showTabs();
    showTiles();
}

void MenuPage::tileClicked(int k)
{
    // One dialog at a time.
    if (m_dialogTile >= 0)
        return;
    const TileTouch touch = m_model.touchTile(k);
    if (touch.kind == TileTouch::Nothing)
        return;
    if (touch.kind == TileTouch::CartFull) {
        MessageBox(access::Tr("메뉴 갯수 한계만큼 주문되었습니다!"), MessageIcon::Critical);
        return;
    }
    if (touch.kind == TileTouch::MenuError) {
        MessageBox(access::Tr("메뉴 오류입니다!") + QStringLiteral("\r\n\r\n")
                       + access::Tr("프로그램 종료 후 다시 시작하세요"),
                   MessageIcon::Critical);
        return;
    }
    m_tiles[size_t(k)].frame->setEnabled(false);
    m_dialogTile = k;
    // Touches queued behind this one would land on the page while it darkens; none acts until the
    // dialog is up.
    m_tileDrop.emplace(this);
    m_idleTick->stop();
    m_backdrop->show();
    m_backdrop->raise();
    m_backdrop->repaint();
    ApplyTranslucency(m_backdrop, Colours().menuPage.shadow);
    openItemDialog(touch);
}

void MenuPage::openItemDialog(const TileTouch& touch)
{
    ItemDialog* dialog = touch.dialog == menu::DialogKind::Single ? MakeItemDialog<SingleItemDialog>(this, m_pictures, m_tables, touch)
                                                                  : MakeItemDialog<OptionItemDialog>(this, m_pictures, m_tables, touch);
    connect(dialog, &ItemDialog::shown, this, [this] { m_tileDrop.reset(); });
    connect(dialog, &ItemDialog::closedWith, this, [this, dialog](const std::optional<order::OrderLine>& added) {
        dialog->deleteLater();
        itemDialogClosed(added);
    });
    dialog->open();
}

void MenuPage::itemDialogClosed(const std::optional<order::OrderLine>& added)
{
    if (m_dialogTile < 0)
        return;
    m_tiles[size_t(m_dialogTile)].frame->setEnabled(true);
    m_dialogTile = -1;
    m_tileDrop.reset();
    m_model.afterDialog(added);
    m_backdrop->hide();
    // The page may have closed meanwhile (it never does while a dialog is up, but a caller may
    // close it): no idle limit then.
    if (isVisible())
        m_idleTick->start(kIdleTickMs);
    drawOrder();
    m_model.scrollToEnd();
    showList();
    m_keypad->refresh();
    if (added)
        sayLineAdded(*added);
}

void MenuPage::commandKeyClicked(int index)
{
    CaptionKey* key = index >= 0 && index < kPageKeyCount ? m_keys[size_t(index)] : nullptr;
    if (!key || !key->isKeyEnabled())
        return;
    key->setKeyEnabled(false);
    const PageKey which = PageKey(index);
    const KeyOutcome outcome = m_model.key(which);
    switch (which) {
    case PageKey::PreviousGroup:
    case PageKey::NextGroup:
        showTabs();
        showTiles();
        break;
    case PageKey::PreviousPage:
    case PageKey::NextPage:
        showTiles();
        break;
    case PageKey::ScrollBack:
    case PageKey::ScrollOn:
        showList();
        break;
    case PageKey::Close:
    case PageKey::Confirm:
        break;
    }
    key->setKeyEnabled(true);
    if (outcome != KeyOutcome::Stay)
        closePage(outcome == KeyOutcome::Confirmed ? MenuPageEnd::Confirmed : MenuPageEnd::Left);
}

void MenuPage::commandKeyDoubleClicked(int index)
{
    if (index >= 0 && index < kPageKeyCount && ActsOnDoubleTouch(PageKey(index)))
        commandKeyClicked(index);
}

void MenuPage::quantityDownClicked(int row)
{
    if (m_model.stepRow(row, -1))
        drawOrder();
}

void MenuPage::quantityUpClicked(int row)
{
    if (m_model.stepRow(row, +1))
        drawOrder();
}

void MenuPage::removeClicked(int row)
{
    m_model.deleteRow(row);
    drawOrder();
}

void MenuPage::idleTick()
{
    const std::optional<QString> text = m_model.idleTick();
    if (!text) {
        closePage(MenuPageEnd::Left);
        return;
    }
    if (m_timerText->text() != *text) {  // a label ignores the same text; fitting it each tick would not
        m_timerText->setText(*text);
        fitText(m_timerText);
    }
    if (const std::optional<int> seconds = m_model.deadline().warningDue())
        access::Guide(access::IdleWarningText(*seconds, access::Tr("메뉴 선택이 취소됩니다")));
}

void MenuPage::closePage(MenuPageEnd end)
{
    m_idleTick->stop();
    m_loadDeadline->stop();
    m_loads.cancel();
    hide();
    Q_EMIT closed(m_model.result(), end);
}

void MenuPage::reject()
{
    if (loading())
        cancelLoad();
    else
        commandKeyClicked(int(PageKey::Close));
}

}  // namespace sumbrel
