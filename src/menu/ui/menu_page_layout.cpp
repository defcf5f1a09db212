// The menu page's layout, built once when the page is created, and its painted background.
#include "access/language.h"
#include "access/modes.h"
#include "access/staff_call.h"
#include "menu/ui/menu_page.h"
#include "menu/ui/menu_page_widgets.h"
#include "presentation/caption_key.h"
#include "presentation/presentation.h"
#include "presentation/screen_utils.h"
#include "presentation/stage_scale.h"
#include "presentation/widgets.h"

#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace sumbrel {

using namespace menu;

namespace {

struct KeyDesign {
    const char16_t* sign;  // the arrow before the word, in every language
    const char* word;  // Korean, shown through access::Tr
    enum { Band, Plain, Accent } look;
};
// The page's keys, in key order.
constexpr KeyDesign kKeys[kPageKeyCount] = {
    {u"◀\n", TrNoop("이전"), KeyDesign::Band},  {u"▶\n", TrNoop("다음"), KeyDesign::Band},
    {u"▲\n", TrNoop("이전"), KeyDesign::Plain}, {u"▼\n", TrNoop("다음"), KeyDesign::Plain},
    {u"▲ ", TrNoop("위로"), KeyDesign::Plain},  {u"▼ ", TrNoop("아래로"), KeyDesign::Plain},
    {u"", TrNoop("닫기"), KeyDesign::Band},     {u"", TrNoop("선택완료"), KeyDesign::Accent},
};

// A painted word set smaller where a translation does not fit its place, to two thirds at most.
void DrawFitted(QPainter& p, const QRect& place, const QString& text, const QFont& font)
{
    QFont fitted = font;
    fitted.setPixelSize(FittingPixelSize(font, text, place, true, std::max(1, font.pixelSize() * 2 / 3)));
    p.setFont(fitted);
    p.drawText(place, Qt::AlignCenter | Qt::TextWordWrap, text);
}

// A row's place at the look's row scale, still in design pixels: the factories (and Px) put it on
// the screen.
QRect Scaled(const QRect& r, double s)
{
    return QRect(int(r.x() * s), int(r.y() * s), int(r.width() * s), int(r.height() * s));
}

QPixmap MarkerPicture()
{
    const double s = StageScale();
    QPixmap picture(Px(QSize(20, 20)));
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Colours().banner, 2 * s));
    p.setBrush(Colours().accentKey.rest);
    p.drawEllipse(QRectF(2 * s, 2 * s, 16 * s, 16 * s));
    return picture;
}

}  // namespace

QPoint MenuPage::markerPlace(MarkerSlot slot) const
{
    switch (slot) {
    case MarkerSlot::First:
        return m_layout.markerAt[0];
    case MarkerSlot::Middle:
        return m_layout.markerAt[1];
    case MarkerSlot::Last:
        break;
    }
    return m_layout.markerAt[2];
}

QPoint MenuPage::tilePlace(int k) const
{
    const PageLayout& l = m_layout;
    return l.tileOrigin + QPoint(l.tilePitch.width() * (k % l.tileColumns), l.tilePitch.height() * (k / l.tileColumns));
}

int MenuPage::rowPx(int designPixels) const
{
    return PxY(int(std::lround(designPixels * m_layout.rowScale)));
}

QColor MenuPage::tabColour(bool current)
{
    return current ? Colours().accentKey.rest : Colours().menuPage.bandKey.rest;
}

void MenuPage::build()
{
    setFixedSize(Px(StageDesign()));
    const access::Modes& modes = access::CurrentModes();
    m_layout = LayoutFor(modes.low, modes.large);
    m_model.setShape({m_layout.tabsPerStrip, m_layout.tilesPerPage, int(m_layout.list.height() / m_layout.rowScale)});
    if (m_reception)
        move(m_reception->pos());
    loadSkin();
    buildTabs();
    buildTiles();
    buildKeys();
    buildOrderList();
    buildShadow();
    buildLoadingPanel();
}

void MenuPage::loadSkin()
{
    // The skin draws the design's keys and its pale faces behind texts: neither holds in the other
    // layouts or in high contrast, where plain faces are drawn instead.
    if (access::CurrentModes().any())
        return;
    m_tileBackground = SkinPicture(QStringLiteral("0502.gif"));
    m_rowBackground = SkinPicture(QStringLiteral("0503.gif"));
    // The page's picture is the wide screen's, keys and all, with their Korean words; a tall page, or
    // a visit in another language, draws its own.
    if (StagePortrait() || access::VisitLanguage() != access::Language::Korean)
        return;
    m_background = SkinPicture(QStringLiteral("0501.gif"));
    m_skinned = !m_background.isNull();
}

void MenuPage::buildTabs()
{
    const PageLayout& l = m_layout;
    for (int t = 0; t < kTabCount; ++t) {
        const QRect place = l.firstTab.translated(l.tabPitch * t, 0);
        CaptionKey* tab = MakeKey(this, QStringLiteral("categoryTab_%1").arg(t), QString(), place, KeyFont(l.tabFont),
                                  {tabColour(false), tabColour(false).darker(130)}, Colours().inkOnDark);
        connect(tab, &CaptionKey::clicked, this, [this, t] { categoryTabClicked(t); });
        tab->setVisible(t < l.tabsPerStrip);
        m_tabs[size_t(t)] = tab;
    }
    // The current tab differs in shape too (a bar under it), not by its colour alone.
    m_tabMark = new QWidget(this);
    m_tabMark->setObjectName(QStringLiteral("currentTabMark"));
    m_tabMark->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_tabMark->setAutoFillBackground(true);
    QPalette pal = m_tabMark->palette();
    pal.setColor(QPalette::Window, Colours().accentKey.rest);
    m_tabMark->setPalette(pal);
    m_tabMark->hide();
}

void MenuPage::buildTiles()
{
    const PageLayout& l = m_layout;
    const bool design = l.tileSize == QSize(132, 141);
    const QFont nameFont = LabelFont(15, true);
    const QFont priceFont = KeyFont(16, true);
    const int w = l.tileSize.width();
    const int h = l.tileSize.height();
    // Larger tiles: the price's line at the foot, two lines of name above it, the photo the rest.
    // The fonts are in the screen's pixels; the tile's places are the design's.
    const int priceHeight = int(std::ceil(DesignY(QFontMetrics(priceFont).height()))) + 6;
    const int nameHeight = int(std::ceil(DesignY(2 * QFontMetrics(nameFont).lineSpacing()))) + 4;
    const int photoHeight = h - priceHeight - nameHeight - 6;
    for (int k = 0; k < kTileCount; ++k) {
        Tile& tile = m_tiles[size_t(k)];
        tile.frame = new MenuTile(this);
        tile.frame->setObjectName(QStringLiteral("tile_%1").arg(k));
        tile.frame->setGeometry(Px(QRect(tilePlace(k), l.tileSize)));
        if (!m_tileBackground.isNull())
            tile.frame->setBackground(m_tileBackground);
        FormRound(tile.frame, Px(20));
        tile.photo = MakeLabel(tile.frame, QStringLiteral("tilePhoto_%1").arg(k),
                               design ? QRect(0, 0, 132, 70) : QRect(4, 4, w - 8, photoHeight), LabelFont(12),
                               Colours().ink, Qt::AlignCenter, LabelFlag::PassTouches);
        tile.name = MakeLabel(tile.frame, QStringLiteral("tileName_%1").arg(k),
                              design ? QRect(1, 75, 130, 38) : QRect(4, 4 + photoHeight, w - 8, nameHeight), nameFont,
                              Colours().ink, Qt::AlignCenter, LabelFlag::PassTouches);
        tile.name->setWordWrap(true);
        tile.price = MakeLabel(tile.frame, QStringLiteral("tilePrice_%1").arg(k),
                               design ? QRect(0, 114, 132, 24) : QRect(0, h - priceHeight - 2, w, priceHeight),
                               priceFont, Colours().menuPage.priceInk, Qt::AlignCenter, LabelFlag::PassTouches);
        connect(tile.frame, &MenuTile::clicked, this, [this, k] { tileClicked(k); });
        tile.frame->hide();
    }
}

void MenuPage::buildKeys()
{
    const PageLayout& l = m_layout;
    for (int i = 0; i < kPageKeyCount; ++i) {
        const KeyDesign& d = kKeys[i];
        KeyColours colours = Colours().plainKey;
        QColor ink = Colours().ink;
        // The band's keys lie on the band only where there is one behind them.
        if (d.look == KeyDesign::Band && l.keys[size_t(i)].top() < l.band) {
            colours = Colours().menuPage.bandKey;
            ink = Colours().inkOnDark;
        } else if (d.look == KeyDesign::Accent) {
            colours = Colours().accentKey;
        }
        if (colours.rest == Colours().plainKey.rest || d.look == KeyDesign::Accent)
            ink = KeyCaptionInk();
        CaptionKey* key = MakeKey(this, QStringLiteral("commandKey_%1").arg(i),
                                  QString::fromUtf16(d.sign) + access::Tr(d.word), l.keys[size_t(i)],
                                  KeyFont(l.keyFonts[size_t(i)]), colours, ink);
        fitCaption(key);
        // The skin's background carries the pictures of the keys; the confirm key keeps its caption.
        if (m_skinned && PageKey(i) != PageKey::Confirm)
            key->setInvisible(true);
        connect(key, &CaptionKey::clicked, this, [this, i] { commandKeyClicked(i); });
        connect(key, &CaptionKey::doubleClicked, this, [this, i] { commandKeyDoubleClicked(i); });
        m_keys[size_t(i)] = key;
    }
    m_page = MakeLabel(this, QStringLiteral("pageCounter"), l.pageLabel, KeyFont(18), Colours().ink, Qt::AlignCenter,
                       LabelFlag::PassTouches);
    m_pageMarker = MakeLabel(this, QStringLiteral("pageMarker"), QRect(l.markerAt[0], QSize(20, 20)), LabelFont(10),
                             Colours().ink, Qt::AlignCenter, LabelFlag::PassTouches);
    m_pageMarker->setPixmap(MarkerPicture());
    m_pageMarker->setAccessibleName(QStringLiteral("pageMarker"));
    m_pageMarker->hide();
    // Below the next-page key rather than across its lower edge.
    m_timerText = MakeLabel(this, QStringLiteral("idleCountdown"), l.timer, KeyFont(22), Colours().menuPage.priceInk,
                            Qt::AlignCenter, LabelFlag::PassTouches);
    m_timerText->setText(access::Tr("%1초").arg(access::IdleMs(menu::kIdleMs) / 1000));
    fitText(m_timerText);
    // Drawn as a key of its own in every layout: the skin has no picture of it.
    m_staffCallKey = MakeKey(this, QStringLiteral("staffCallKey"), access::Tr(access::kStaffCallCaption), l.staffCall,
                             KeyFont(22), Colours().plainKey, KeyCaptionInk());
    fitCaption(m_staffCallKey);
    connect(m_staffCallKey, &CaptionKey::clicked, this, [this] { access::CallStaff(TraceName(this)); });
}

void MenuPage::buildOrderList()
{
    const PageLayout& l = m_layout;
    m_orderCard = new QFrame(this);
    m_orderCard->setObjectName(QStringLiteral("listArea"));
    // Its size is the rows' width on the screen, so that no row is cut by a pixel of rounding.
    m_orderCard->setGeometry(QRect(Px(l.list.topLeft()), Px(l.list.size())));
    m_orderCard->setFrameShape(QFrame::NoFrame);
    m_orderRowsArea = new QFrame(m_orderCard);
    m_orderRowsArea->setObjectName(QStringLiteral("listSurface"));
    m_orderRowsArea->setGeometry(QRect(QPoint(0, 0), m_orderCard->size()));
    m_orderRowsArea->setFrameShape(QFrame::NoFrame);
    m_orderRowsArea->setFont(LabelFont(15, true));

    // The rows are the design's, at rowScale (their fonts grow with the look's scale).
    const double s = l.rowScale;
    for (int i = 0; i < kOrderRows; ++i) {
        Row& row = m_rows[size_t(i)];
        row.frame = new QFrame(m_orderRowsArea);
        row.frame->setObjectName(QStringLiteral("rowFrame_%1").arg(i));
        row.frame->setGeometry(Px(Scaled(QRect(0, kRowPitch * i, 189, kRowHeight), s)));
        row.frame->setAutoFillBackground(true);
        QPalette pal = row.frame->palette();
        if (!m_rowBackground.isNull())
            pal.setBrush(QPalette::Window, m_rowBackground.scaled(row.frame->size()));
        else
            pal.setColor(QPalette::Window, Colours().menuPage.row);
        row.frame->setPalette(pal);
        row.serial = MakeLabel(row.frame, QStringLiteral("rowSerial_%1").arg(i), Scaled(QRect(0, 2, 20, 19), s),
                               KeyFont(12), Colours().menuPage.mutedInk, Qt::AlignCenter, LabelFlag::PassTouches);
        row.name = MakeLabel(row.frame, QStringLiteral("rowName_%1").arg(i), Scaled(QRect(15, 25, 160, 39), s),
                             m_orderRowsArea->font(), Colours().ink, Qt::AlignLeft | Qt::AlignTop,
                             LabelFlag::PassTouches);
        row.name->setWordWrap(true);
        row.price = MakeLabel(row.frame, QStringLiteral("rowPrice_%1").arg(i), Scaled(QRect(10, 54, 170, 20), s),
                              KeyFont(15, true), Colours().menuPage.priceInk, Qt::AlignLeft | Qt::AlignVCenter,
                              LabelFlag::PassTouches);
        row.options = MakeLabel(row.frame, QStringLiteral("rowOptions_%1").arg(i), Scaled(QRect(10, 66, 170, 43), s),
                                LabelFont(12), Colours().menuPage.mutedInk, Qt::AlignLeft | Qt::AlignTop,
                                LabelFlag::PassTouches);
        row.options->setWordWrap(true);
        row.sub = MakeKey(row.frame, QStringLiteral("rowQuantityDown_%1").arg(i), QStringLiteral("-"),
                          Scaled(QRect(11, 99, 32, 30), s), KeyFont(20), Colours().menuPage.quantityKey,
                          KeyCaptionInk());
        row.quantity = MakeLabel(row.frame, QStringLiteral("quantity_%1").arg(i), Scaled(QRect(43, 100, 101, 28), s),
                                 KeyFont(18), Colours().ink, Qt::AlignCenter, LabelFlag::PassTouches);
        row.add = MakeKey(row.frame, QStringLiteral("quantityUp_%1").arg(i), QStringLiteral("+"),
                          Scaled(QRect(146, 99, 32, 30), s), KeyFont(20), Colours().menuPage.quantityKey,
                          KeyCaptionInk());
        row.remove = MakeKey(row.frame, QStringLiteral("rowRemove_%1").arg(i), access::Tr("삭제"),
                             Scaled(QRect(149, 0, 40, 36), s), KeyFont(13), Colours().menuPage.removeKey,
                             Colours().menuPage.removeInk);
        connect(row.sub, &CaptionKey::clicked, this, [this, i] { quantityDownClicked(i); });
        connect(row.sub, &CaptionKey::doubleClicked, this, [this, i] { quantityDownClicked(i); });
        connect(row.add, &CaptionKey::clicked, this, [this, i] { quantityUpClicked(i); });
        connect(row.add, &CaptionKey::doubleClicked, this, [this, i] { quantityUpClicked(i); });
        widenLeftward(row.remove, Px(Scaled(QRect(99, 0, 90, 36), s)).left());
        fitCaption(row.remove);
        connect(row.remove, &CaptionKey::clicked, this, [this, i] { removeClicked(i); });
        row.frame->hide();
    }
    m_orderCount = MakeLabel(this, QStringLiteral("orderCount"), l.count, KeyFont(20, true), Colours().ink,
                             Qt::AlignCenter, LabelFlag::PassTouches);
    // Where the unit is no word of its own, the amount takes its place too.
    m_orderTotal = MakeLabel(this, QStringLiteral("orderTotal"), UnitWordApart() ? l.total : l.total | l.wonWord,
                             KeyFont(20, true), Colours().menuPage.priceInk, Qt::AlignRight | Qt::AlignVCenter,
                             LabelFlag::PassTouches);
}

// A caption wider than its key (a translation longer than the Korean) takes the free room on the key's
// left, up to `leftmost`, before it is set smaller.
void MenuPage::widenLeftward(CaptionKey* key, int leftmost)
{
    const int need = QFontMetrics(key->font()).horizontalAdvance(key->caption()) + 12;
    if (need <= key->width())
        return;
    const int left = std::max(leftmost, key->geometry().right() + 1 - need);
    key->setGeometry(QRect(QPoint(left, key->y()), QPoint(key->geometry().right(), key->geometry().bottom())));
}

void MenuPage::buildShadow()
{
    m_backdrop = new QWidget(this);
    m_backdrop->setObjectName(QStringLiteral("backdrop"));
    m_backdrop->setGeometry(0, 0, width(), height());
    m_backdrop->setMask(ShadowRegion(size(), m_layout.orderArea));
    m_backdrop->hide();
}

// Over the whole page while the menu loads: what is happening and the one key that acts meanwhile.
// Its key stands in the lower part of the screen, as the low view asks of every key.
void MenuPage::buildLoadingPanel()
{
    const PageLayout& l = m_layout;
    m_loadingPanel = MakePanel(this, QStringLiteral("loadingPanel"), QRect(QPoint(0, 0), StageDesign()),
                               Colours().menuPage.page);
    fitText(MakeLabel(m_loadingPanel, QStringLiteral("loadingText"), l.loadingText, KeyFont(30), Colours().ink,
                      Qt::AlignCenter, LabelFlag::Wrap, access::Tr(kMenuLoadingText)));
    m_cancelLoadKey = MakeKey(m_loadingPanel, QStringLiteral("cancelLoadKey"), access::Tr(kMenuLoadCancelCaption),
                              l.loadingKey, KeyFont(30), Colours().menuPage.bandKey, Colours().inkOnDark);
    fitCaption(m_cancelLoadKey);
    m_cancelLoadKey->setCursor(Qt::PointingHandCursor);
    connect(m_cancelLoadKey, &CaptionKey::clicked, this, [this] { cancelLoad(); });
    m_loadingPanel->hide();
}

void MenuPage::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    if (m_skinned) {
        p.drawPixmap(rect(), m_background);
        return;
    }
    const PageLayout& l = m_layout;
    const double s = StageScale();
    const int band = Px(l.band);
    p.fillRect(rect(), Colours().menuPage.page);
    QLinearGradient bandFill(0, 0, 0, band);
    bandFill.setColorAt(0, Colours().banner.lighter(115));
    bandFill.setColorAt(1, Colours().banner);
    p.fillRect(QRect(0, 0, width(), band), bandFill);
    if (l.low) {
        // The upper part shows what the page is for; its keys are all below.
        p.setPen(Colours().inkOnDark);
        DrawFitted(p, QRect(Px(20), 0, width() - Px(40), band), access::Tr("메뉴 선택"), KeyFont(28));
    }

    p.setRenderHint(QPainter::Antialiasing);
    // The order list's card (and the totals' own where they stand apart), its heading and the words
    // around the totals.
    for (const QRect& place : {l.card, l.summary}) {
        if (place.isNull())
            continue;
        QPainterPath card;
        card.addRoundedRect(QRectF(Px(place)).adjusted(0.5 * s, 5 * s, -1.5 * s, -3 * s), 10 * s, 10 * s);
        p.fillPath(card, Colours().panel);
        p.setPen(QPen(Colours().menuPage.cardRim, 1.5 * s));
        p.drawPath(card);
    }
    p.setPen(Colours().ink);
    DrawFitted(p, Px(l.heading), access::Tr("주문 내역"), KeyFont(20));
    p.setPen(Colours().menuPage.mutedInk);
    DrawFitted(p, Px(l.totalWord), access::Tr("총"), LabelFont(16, true));
    if (UnitWordApart()) {
        p.setFont(LabelFont(16, true));
        p.drawText(Px(l.wonWord), Qt::AlignCenter, QStringLiteral("원"));
    }

    // The page marker's track between the page keys.
    if (l.marker) {
        p.setPen(QPen(Colours().menuPage.markerTrack, 4 * s, Qt::SolidLine, Qt::RoundCap));
        const QPointF centre(10, 10);
        p.drawLine((QPointF(l.markerAt[0]) + centre) * s, (QPointF(l.markerAt[2]) + centre) * s);
    }
}

}  // namespace sumbrel
