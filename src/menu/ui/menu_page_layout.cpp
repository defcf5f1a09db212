// The menu page's layout, built once when the page is created, and its painted background.
#include "menu/ui/frm_menu_select_main.h"
#include "menu/ui/menu_page_widgets.h"
#include "presentation/caption_key.h"
#include "presentation/presentation.h"
#include "presentation/screen_utils.h"
#include "presentation/widgets.h"

#include <QFrame>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace sumbrel {

using namespace menu;

namespace {

struct KeyDesign {
    QRect geometry;
    const char16_t* caption;
    int fontSize;
    enum { Band, Plain, Accent } look;
};
// CmdLabel(0..7), in key order.
constexpr KeyDesign kKeys[kPageKeyCount] = {
    {{90, 0, 54, 94}, u"◀\n이전", 16, KeyDesign::Band},      {{960, 0, 64, 94}, u"▶\n다음", 16, KeyDesign::Band},
    {{735, 141, 60, 136}, u"▲\n이전", 17, KeyDesign::Plain}, {{735, 581, 60, 136}, u"▼\n다음", 17, KeyDesign::Plain},
    {{800, 575, 111, 46}, u"▲ 위로", 17, KeyDesign::Plain},  {{913, 575, 111, 46}, u"▼ 아래로", 17, KeyDesign::Plain},
    {{0, 0, 86, 94}, u"닫기", 22, KeyDesign::Band},          {{830, 700, 161, 54}, u"선택완료", 26, KeyDesign::Accent},
};

QPixmap MarkerPicture()
{
    QPixmap picture(20, 20);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Colours().banner, 2));
    p.setBrush(Colours().accentKey.rest);
    p.drawEllipse(QRectF(2, 2, 16, 16));
    return picture;
}

}  // namespace

int frmMenuSelectMain::MarkerTop(MarkerSlot slot)
{
    switch (slot) {
    case MarkerSlot::First:
        return 372;
    case MarkerSlot::Middle:
        return 424;
    case MarkerSlot::Last:
        break;
    }
    return 472;
}

QPoint frmMenuSelectMain::TilePlace(int k)
{
    const TileCell cell = TileCellOf(k);
    return {21 + 144 * cell.column, 105 + 153 * cell.row};
}

QColor frmMenuSelectMain::tabColour(bool current)
{
    return current ? Colours().accentKey.rest : Colours().menuPage.bandKey.rest;
}

void frmMenuSelectMain::Form_Load()
{
    setFixedSize(1024, 768);
    if (m_reception)
        move(m_reception->pos());
    loadSkin();
    buildTabs();
    buildTiles();
    buildKeys();
    buildOrderList();
    buildShadow();
}

void frmMenuSelectMain::loadSkin()
{
    m_background = SkinPicture(QStringLiteral("0501.gif"));
    m_tileBackground = SkinPicture(QStringLiteral("0502.gif"));
    m_rowBackground = SkinPicture(QStringLiteral("0503.gif"));
}

void frmMenuSelectMain::buildTabs()
{
    for (int t = 0; t < kTabCount; ++t) {
        CaptionKey* tab = MakeKey(this, QStringLiteral("대분류_%1").arg(t), QString(), QRect(144 + 165 * t, 5, 156, 89),
                                  KeyFont(22), {tabColour(false), tabColour(false).darker(130)}, Colours().inkOnDark);
        connect(tab, &CaptionKey::clicked, this, [this, t] { 대분류_Click(t); });
        m_tabs[size_t(t)] = tab;
    }
}

void frmMenuSelectMain::buildTiles()
{
    for (int k = 0; k < kTileCount; ++k) {
        Tile& tile = m_tiles[size_t(k)];
        tile.frame = new MenuTile(this);
        tile.frame->setObjectName(QStringLiteral("picMenu_%1").arg(k));
        tile.frame->setGeometry(QRect(TilePlace(k), QSize(132, 141)));
        if (!m_tileBackground.isNull())
            tile.frame->setBackground(m_tileBackground);
        FormRound(tile.frame, 20);
        tile.photo = MakeLabel(tile.frame, QStringLiteral("메뉴사진_%1").arg(k), QRect(0, 0, 132, 70), LabelFont(12),
                               Colours().ink, Qt::AlignCenter, LabelFlag::PassTouches);
        tile.name = MakeLabel(tile.frame, QStringLiteral("메뉴이름_%1").arg(k), QRect(1, 75, 130, 38),
                              LabelFont(15, true), Colours().ink, Qt::AlignCenter, LabelFlag::PassTouches);
        tile.name->setWordWrap(true);
        tile.price = MakeLabel(tile.frame, QStringLiteral("가격_%1").arg(k), QRect(0, 114, 132, 24), KeyFont(16, true),
                               Colours().menuPage.priceInk, Qt::AlignCenter, LabelFlag::PassTouches);
        connect(tile.frame, &MenuTile::clicked, this, [this, k] { picMenu_Click(k); });
        tile.frame->hide();
    }
}

void frmMenuSelectMain::buildKeys()
{
    const bool skinned = !m_background.isNull();
    for (int i = 0; i < kPageKeyCount; ++i) {
        const KeyDesign& d = kKeys[i];
        KeyColours colours = Colours().plainKey;
        QColor ink = Colours().ink;
        if (d.look == KeyDesign::Band) {
            colours = Colours().menuPage.bandKey;
            ink = Colours().inkOnDark;
        } else if (d.look == KeyDesign::Accent) {
            colours = Colours().accentKey;
        }
        CaptionKey* key = MakeKey(this, QStringLiteral("CmdLabel_%1").arg(i), QString::fromUtf16(d.caption), d.geometry,
                                  KeyFont(d.fontSize), colours, ink);
        // The skin's background carries the pictures of the keys; the confirm key keeps its caption.
        if (skinned && PageKey(i) != PageKey::Confirm)
            key->setInvisible(true);
        connect(key, &CaptionKey::clicked, this, [this, i] { CmdLabel_Click(i); });
        connect(key, &CaptionKey::doubleClicked, this, [this, i] { CmdLabel_DblClick(i); });
        m_keys[size_t(i)] = key;
    }
    m_page = MakeLabel(this, QStringLiteral("페이지"), QRect(734, 530, 60, 41), KeyFont(18), Colours().ink,
                       Qt::AlignCenter, LabelFlag::PassTouches);
    m_pageMarker = MakeLabel(this, QStringLiteral("img페이지"), QRect(754, 372, 20, 20), LabelFont(10), Colours().ink,
                             Qt::AlignCenter, LabelFlag::PassTouches);
    m_pageMarker->setPixmap(MarkerPicture());
    m_pageMarker->setAccessibleName(QStringLiteral("img페이지"));
    m_pageMarker->hide();
    // Below the next-page key rather than across its lower edge.
    m_timerText = MakeLabel(this, QStringLiteral("ssp타이머"), QRect(730, 719, 75, 45), KeyFont(22),
                            Colours().menuPage.priceInk, Qt::AlignCenter, LabelFlag::PassTouches);
    m_timerText->setText(QStringLiteral("30초"));
}

void frmMenuSelectMain::buildOrderList()
{
    m_picBack = new QFrame(this);
    m_picBack->setObjectName(QStringLiteral("picBack"));
    m_picBack->setGeometry(815, 153, 189, 415);
    m_picBack->setFrameShape(QFrame::NoFrame);
    m_picList = new QFrame(m_picBack);
    m_picList->setObjectName(QStringLiteral("picList"));
    m_picList->setGeometry(0, 0, 189, 415);
    m_picList->setFrameShape(QFrame::NoFrame);
    m_picList->setFont(LabelFont(15, true));

    for (int i = 0; i < kOrderRows; ++i) {
        Row& row = m_rows[size_t(i)];
        row.frame = new QFrame(m_picList);
        row.frame->setObjectName(QStringLiteral("SetNum_Frame_%1").arg(i));
        row.frame->setGeometry(0, kRowPitch * i, 189, kRowHeight);
        row.frame->setAutoFillBackground(true);
        QPalette pal = row.frame->palette();
        if (!m_rowBackground.isNull())
            pal.setBrush(QPalette::Window, m_rowBackground.scaled(189, kRowHeight));
        else
            pal.setColor(QPalette::Window, Colours().menuPage.row);
        row.frame->setPalette(pal);
        row.serial = MakeLabel(row.frame, QStringLiteral("SetSerial_%1").arg(i), QRect(0, 2, 20, 19), KeyFont(12),
                               Colours().menuPage.mutedInk, Qt::AlignCenter, LabelFlag::PassTouches);
        row.name = MakeLabel(row.frame, QStringLiteral("SetMenuName_%1").arg(i), QRect(15, 25, 160, 39),
                             m_picList->font(), Colours().ink, Qt::AlignLeft | Qt::AlignTop, LabelFlag::PassTouches);
        row.name->setWordWrap(true);
        row.price = MakeLabel(row.frame, QStringLiteral("SetPrice_%1").arg(i), QRect(10, 54, 170, 20),
                              KeyFont(15, true), Colours().menuPage.priceInk, Qt::AlignLeft | Qt::AlignVCenter,
                              LabelFlag::PassTouches);
        row.options = MakeLabel(row.frame, QStringLiteral("SetOptionMenu_%1").arg(i), QRect(10, 66, 170, 43),
                                LabelFont(12), Colours().menuPage.mutedInk, Qt::AlignLeft | Qt::AlignTop,
                                LabelFlag::PassTouches);
        row.options->setWordWrap(true);
        row.sub = MakeKey(row.frame, QStringLiteral("SetNum_Sub_%1").arg(i), QStringLiteral("-"), QRect(11, 99, 32, 30),
                          KeyFont(20), Colours().menuPage.quantityKey, Colours().ink);
        row.quantity = MakeLabel(row.frame, QStringLiteral("SetNum_%1").arg(i), QRect(43, 100, 101, 28), KeyFont(18),
                                 Colours().ink, Qt::AlignCenter, LabelFlag::PassTouches);
        row.add = MakeKey(row.frame, QStringLiteral("SetNum_Add_%1").arg(i), QStringLiteral("+"),
                          QRect(146, 99, 32, 30), KeyFont(20), Colours().menuPage.quantityKey, Colours().ink);
        row.remove = MakeKey(row.frame, QStringLiteral("Set_Delete_%1").arg(i), QStringLiteral("삭제"),
                             QRect(149, 0, 40, 36), KeyFont(13), Colours().menuPage.removeKey,
                             Colours().menuPage.removeInk);
        connect(row.sub, &CaptionKey::clicked, this, [this, i] { SetNum_Sub_Click(i); });
        connect(row.sub, &CaptionKey::doubleClicked, this, [this, i] { SetNum_Sub_Click(i); });
        connect(row.add, &CaptionKey::clicked, this, [this, i] { SetNum_Add_Click(i); });
        connect(row.add, &CaptionKey::doubleClicked, this, [this, i] { SetNum_Add_Click(i); });
        connect(row.remove, &CaptionKey::clicked, this, [this, i] { Set_Delete_Click(i); });
        row.frame->hide();
    }
    m_orderCount = MakeLabel(this, QStringLiteral("주문수"), QRect(837, 641, 40, 30), KeyFont(20, true), Colours().ink,
                             Qt::AlignCenter, LabelFlag::PassTouches);
    m_orderTotal = MakeLabel(this, QStringLiteral("주문금액"), QRect(880, 641, 112, 30), KeyFont(20, true),
                             Colours().menuPage.priceInk, Qt::AlignRight | Qt::AlignVCenter, LabelFlag::PassTouches);
}

void frmMenuSelectMain::buildShadow()
{
    m_picShadow = new QWidget(this);
    m_picShadow->setObjectName(QStringLiteral("picShadow"));
    m_picShadow->setGeometry(0, 0, width(), height());
    m_picShadow->setMask(ShadowRegion(size()));
    m_picShadow->hide();
}

void frmMenuSelectMain::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    if (!m_background.isNull()) {
        p.drawPixmap(rect(), m_background);
        return;
    }
    p.fillRect(rect(), Colours().menuPage.page);
    QLinearGradient band(0, 0, 0, 99);
    band.setColorAt(0, Colours().banner.lighter(115));
    band.setColorAt(1, Colours().banner);
    p.fillRect(QRect(0, 0, width(), 99), band);

    p.setRenderHint(QPainter::Antialiasing);
    // The order list's card, its heading and the words around the totals.
    QPainterPath card;
    card.addRoundedRect(QRectF(kOrderArea).adjusted(0.5, 5, -1.5, -3), 10, 10);
    p.fillPath(card, Colours().panel);
    p.setPen(QPen(Colours().menuPage.cardRim, 1.5));
    p.drawPath(card);
    p.setPen(Colours().ink);
    p.setFont(KeyFont(20));
    p.drawText(QRect(815, 104, 189, 44), Qt::AlignCenter, QStringLiteral("주문 내역"));
    p.setFont(LabelFont(16, true));
    p.setPen(Colours().menuPage.mutedInk);
    p.drawText(QRect(806, 641, 30, 30), Qt::AlignCenter, QStringLiteral("총"));
    p.drawText(QRect(993, 641, 26, 30), Qt::AlignCenter, QStringLiteral("원"));

    // The page marker's track between the page keys.
    p.setPen(QPen(Colours().menuPage.markerTrack, 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(764, 382), QPointF(764, 482));
}

}  // namespace sumbrel
