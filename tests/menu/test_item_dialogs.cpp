// The two item dialogs as the customer uses them: placement, the line they add, hold-to-repeat,
// the idle close, the minimum per group and its message, rows and paging, the empty-name rule.
#include "catalogue/menu_catalogue.h"
#include "menu/order.h"
#include "menu/ui/menu_photo.h"
#include "menu/ui/option_buttons.h"
#include "menu/ui/option_item_dialog.h"
#include "menu/ui/single_item_dialog.h"
#include "presentation/caption_key.h"
#include "startup/clock.h"
#include "support/catalogue.h"
#include "support/demo_shop.h"
#include "support/orders.h"
#include "support/shop_login.h"
#include "support/sumbrel_test.h"

#include <QAccessible>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

using namespace sumbrel;
using namespace Qt::StringLiterals;
using sumbrel::order::Line;
using sumbrel::order::Of;
using sumbrel::order::Unnumbered;
using namespace sumbrel::testing;

namespace {

class ItemDialogTest : public sumbrel::testing::SumbrelTest {
protected:
    void SetUp() override
    {
        SumbrelTest::SetUp();
        page.setGeometry(40, 30, 1024, 768);
        page.show();
    }
    // The catalogue as the demo shop serves it.
    void loadFromShop()
    {
        shop = std::make_unique<DemoShop>();
        catalogue = std::make_shared<const MenuCatalogue>(FetchedCatalogue(sumbrel::testing::ShopSession(*shop)));
        ASSERT_GT(catalogue->takenCount(), 40);
    }
    // One hand-made row: name, price, group texts.
    void oneRow(const QString& name, const QString& price, std::array<QString, kOptionGroups> groups = {})
    {
        catalogue = CatalogueOf(HandMadeRecord(name, price, groups));
    }
    qsizetype rowOf(const QString& title) const
    {
        for (qsizetype r = 0; r < catalogue->takenCount(); ++r) {
            if (catalogue->row(r).title.startsWith(title))
                return r;
        }
        ADD_FAILURE() << "no menu " << title.toStdString();
        return -1;
    }
    const QString& title(qsizetype row) const { return catalogue->row(row).title; }

    template <typename Dialog>
    std::unique_ptr<Dialog> open(qsizetype row)
    {
        auto dialog = std::make_unique<Dialog>(&page);
        dialog->m_catalogue = catalogue;
        dialog->m_row = row;
        // As the page does with the line a dialog added.
        QObject::connect(dialog.get(), &QDialog::finished, &page, [this, d = dialog.get()] { takeLine(*d); });
        dialog->show();
        return dialog;
    }
    // Opened as the page opens it; the customer acts, the dialog closes a moment after its key and
    // reports once. The result, or -1 when it did not close.
    template <typename Dialog>
    int exec(qsizetype row, std::function<void(Dialog&)> customer)
    {
        Dialog dialog(&page);
        dialog.m_catalogue = catalogue;
        dialog.m_row = row;
        int reports = 0;
        QObject::connect(&dialog, &ItemDialog::closedWith, [&](const std::optional<order::OrderLine>& line) {
            ++reports;
            EXPECT_EQ(line, dialog.addedLine());
        });
        dialog.open();
        customer(dialog);
        clock->advance(ItemDialog::kCloseDelayMs);
        EXPECT_EQ(reports, 1);
        takeLine(dialog);
        return dialog.isVisible() ? -1 : dialog.result();
    }
    void takeLine(const ItemDialog& dialog)
    {
        if (dialog.addedLine())
            cart.add(*dialog.addedLine());
    }

    template <typename T = QWidget>
    static T* find(QWidget* root, const QString& name)
    {
        T* w = root->findChild<T*>(name);
        EXPECT_TRUE(w) << name.toStdString();
        return w;
    }
    static QString text(QWidget* root, const QString& name)
    {
        QLabel* label = find<QLabel>(root, name);
        return label ? label->text() : QString();
    }
    static void touch(QWidget* root, const QString& name)
    {
        if (auto* key = root->findChild<CaptionKey*>(name))
            key->touch();
        else if (auto* button = find<QAbstractButton>(root, name))
            QTest::mouseClick(button, Qt::LeftButton);
    }
    // What a screen reader is told of the widget: role and name.
    static std::pair<QAccessible::Role, QString> spoken(QWidget* w)
    {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
        return a ? std::pair{a->role(), a->text(QAccessible::Name)} : std::pair{QAccessible::NoRole, QString()};
    }
    static QImage shown(QWidget* root)
    {
        QLabel* photo = find<QLabel>(root, u"itemPhoto"_s);
        return photo ? photo->pixmap().toImage() : QImage();
    }

    QWidget page;
    order::Order cart;
    std::unique_ptr<DemoShop> shop;
    std::shared_ptr<const MenuCatalogue> catalogue = std::make_shared<const MenuCatalogue>();
};

TEST_F(ItemDialogTest, SingleDialogAddsItsLineAndTwoItemsAreJoinedByThreeMarks)
{
    loadFromShop();
    const qsizetype espresso = rowOf(u"에스프레소"_s);
    QDir().mkpath(gs().menuImageFolder);
    QImage red(40, 30, QImage::Format_RGB32);
    red.fill(Qt::red);
    ASSERT_TRUE(red.save(gs().menuImageFolder + u'/' + catalogue->row(espresso).num + u".png"_s));

    const int result = exec<SingleItemDialog>(espresso, [&](SingleItemDialog& d) {
        EXPECT_EQ(d.pos(), page.mapToGlobal(QPoint(78, 80)));
        EXPECT_EQ(d.size(), QSize(645, 596));
        EXPECT_EQ(text(&d, u"itemName"_s), u"에스프레소"_s);
        EXPECT_EQ(text(&d, u"itemPrice"_s), u"2,000"_s);
        EXPECT_EQ(shown(&d).pixelColor(122, 81), QColor(Qt::red));  // the photo, stretched to 245 x 163
        EXPECT_EQ(text(&d, u"quantity"_s), u"1"_s);
        EXPECT_EQ(text(&d, u"totalAmount"_s), u"2,000"_s);
        touch(&d, u"quantityUp_0"_s);  // stays at 1
        EXPECT_EQ(text(&d, u"quantity"_s), u"1"_s);
        touch(&d, u"quantityUp_1"_s);
        touch(&d, u"quantityUp_1"_s);
        EXPECT_EQ(text(&d, u"quantity"_s), u"3"_s);
        EXPECT_EQ(text(&d, u"totalAmount"_s), u"6,000"_s);
        EXPECT_EQ(spoken(find(&d, u"quantityUp_1"_s)), std::pair(QAccessible::Button, u"+"_s));
        EXPECT_EQ(spoken(find(&d, u"commandKey_3"_s)), std::pair(QAccessible::Button, u"주문 담기"_s));
        EXPECT_EQ(spoken(find(&d, u"totalAmount"_s)), std::pair(QAccessible::StaticText, u"합계 6,000원"_s));
        touch(&d, u"commandKey_3"_s);
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(Unnumbered(cart), Of({Line(u"에스프레소"_s, 2000, 3)}));
    EXPECT_EQ(cart.line(0).itemNumber, u"101"_s);

    // Closed without adding: the cart stays; a second item follows the first.
    exec<SingleItemDialog>(rowOf(u"도피오"_s), [&](SingleItemDialog& d) { touch(&d, u"commandKey_0"_s); });
    EXPECT_EQ(Unnumbered(cart), Of({Line(u"에스프레소"_s, 2000, 3)}));
    exec<SingleItemDialog>(rowOf(u"도피오"_s), [&](SingleItemDialog& d) {
        // No picture file: the placeholder.
        EXPECT_EQ(shown(&d), MenuPhotoPlaceholder(QSize(245, 163)).toImage());
        touch(&d, u"commandKey_3"_s);
    });
    EXPECT_EQ(Unnumbered(cart), Of({Line(u"에스프레소"_s, 2000, 3), Line(u"도피오"_s, 2500)}));
}

template <typename Dialog>
void HoldPlusForOneSecond(std::unique_ptr<Dialog> d)
{
    auto* plus = d->template findChild<CaptionKey*>(u"quantityUp_1"_s);
    auto* repeat = d->template findChild<ClockTimer*>(u"autoRepeat"_s);
    ASSERT_TRUE(plus && repeat);
    QTest::mousePress(plus, Qt::LeftButton);
    EXPECT_TRUE(repeat->isActive());
    for (int tick = 0; tick < 20; ++tick)  // one second of 50 ms ticks
        d->autoRepeatTick();
    EXPECT_EQ(d->model().quantity().value(), 1 + 15);
    QTest::mouseRelease(plus, Qt::LeftButton);
    EXPECT_FALSE(repeat->isActive());
    EXPECT_EQ(d->model().quantity().value(), 1 + 15 + 1);
    // Held long enough, it stops at 99.
    QTest::mousePress(plus, Qt::LeftButton);
    for (int tick = 0; tick < 120; ++tick)
        d->autoRepeatTick();
    QTest::mouseRelease(plus, Qt::LeftButton);
    EXPECT_EQ(d->model().quantity().value(), 99);
    EXPECT_EQ(d->m_line.quantity, 99);
}

TEST_F(ItemDialogTest, AHeldQuantityKeyRepeatsFromTheSixthTickInBothDialogs)
{
    oneRow(u"Tea"_s, u"3000"_s, {u"N◈Size◈1◈Small◈0◈Large◈500"_s});
    HoldPlusForOneSecond(open<SingleItemDialog>(0));
    HoldPlusForOneSecond(open<OptionItemDialog>(0));
}

// A hold ends without its release: the repeat stops at once and for good, and the key stands up.
template <typename Dialog>
void HoldEndsWithoutItsRelease(std::unique_ptr<Dialog> d, const std::function<void(Dialog&, CaptionKey*)>& end,
                               bool heldToTheEnd)
{
    auto* plus = d->template findChild<CaptionKey*>(u"quantityUp_1"_s);
    auto* repeat = d->template findChild<ClockTimer*>(u"autoRepeat"_s);
    ASSERT_TRUE(plus && repeat);
    QTest::mousePress(plus, Qt::LeftButton);
    for (int tick = 0; tick < 8; ++tick)  // repeats from the sixth
        d->autoRepeatTick();
    const int reached = d->model().quantity().value();
    EXPECT_EQ(reached, 1 + 3);
    end(*d, plus);
    // Held on until the end, the key kept repeating (from the timer itself) and still looks held.
    const int ended = d->model().quantity().value();
    for (int tick = 0; tick < 40; ++tick)
        d->autoRepeatTick();
    EXPECT_FALSE(repeat->isActive());
    EXPECT_EQ(d->model().quantity().value(), ended);
    if (heldToTheEnd) {
        EXPECT_GT(ended, reached);
    } else {
        EXPECT_EQ(ended, reached);
        EXPECT_TRUE(plus->isRaised());
    }
}

TEST_F(ItemDialogTest, AHoldStopsWhenTheDialogHidesTheKeyLosesThePointerOrTenSecondsPass)
{
    oneRow(u"Tea"_s, u"3000"_s, {u"N◈Size◈1◈Small◈0◈Large◈500"_s});
    QWidget other;
    const struct {
        const char* name;
        // The repeat timer fires only while the clock moves: in the ten seconds of the last case.
        bool heldToTheEnd;
        std::function<void(ItemDialog&, CaptionKey*)> end;
    } cases[] = {
        {"dialog hidden", false, [](ItemDialog& d, CaptionKey*) { d.hide(); }},
        {"pointer moved off the key", false,
         [](ItemDialog&, CaptionKey* key) {
             QMouseEvent off(QEvent::MouseMove, QPointF(-5, -5), key->mapToGlobal(QPointF(-5, -5)), Qt::NoButton,
                             Qt::LeftButton, Qt::NoModifier);
             QCoreApplication::sendEvent(key, &off);
         }},
        {"pointer taken by another window", false,
         [](ItemDialog&, CaptionKey* key) {
             QEvent leave(QEvent::Leave);
             QCoreApplication::sendEvent(key, &leave);
         }},
        {"focus taken by another window", false,
         [&other](ItemDialog& d, CaptionKey*) {
             d.activateWindow();
             ASSERT_TRUE(QTest::qWaitForWindowActive(&d));
             other.show();
             other.activateWindow();
             ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
         }},
        {"ten seconds held", true, [](ItemDialog&, CaptionKey*) { ManualClock::installed()->advance(10000); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        HoldEndsWithoutItsRelease<SingleItemDialog>(
            open<SingleItemDialog>(0), [&](SingleItemDialog& d, CaptionKey* key) { c.end(d, key); },
            c.heldToTheEnd);
        HoldEndsWithoutItsRelease<OptionItemDialog>(
            open<OptionItemDialog>(0), [&](OptionItemDialog& d, CaptionKey* key) { c.end(d, key); },
            c.heldToTheEnd);
    }
}

template <typename Dialog>
void ClosesUnattended(QWidget& page, std::shared_ptr<const MenuCatalogue> catalogue)
{
    ManualClock& clock = *ManualClock::installed();
    Dialog d(&page);
    d.m_catalogue = std::move(catalogue);
    d.m_row = 0;
    QStringList shownTexts;
    const int64_t opened = clock.elapsedMs();
    // Nobody touches anything: the clock moves a tenth of a second at a time, the countdown read
    // after each step.
    QTimer::singleShot(0, &d, [&] {
        for (int ms = 0; ms < 40000 && d.isVisible(); ms += 100) {
            const QString t = d.template findChild<QLabel*>(u"idleCountdown"_s)->text();
            if (shownTexts.isEmpty() || shownTexts.last() != t)
                shownTexts << t;
            clock.advance(100);
        }
    });
    EXPECT_EQ(d.exec(), QDialog::Rejected);
    EXPECT_GE(clock.elapsedMs() - opened, 30000);
    EXPECT_LE(clock.elapsedMs() - opened, 30500);
    EXPECT_FALSE(d.addedLine());
    ASSERT_EQ(shownTexts.size(), 30) << shownTexts.join(u' ').toStdString();
    EXPECT_EQ(shownTexts.first(), u"30초"_s);
    EXPECT_EQ(shownTexts.last(), u"1초"_s);
    for (qsizetype i = 1; i < shownTexts.size(); ++i)
        EXPECT_LT(shownTexts[i].chopped(1).toInt(), shownTexts[i - 1].chopped(1).toInt());
}

TEST_F(ItemDialogTest, ADialogForAnItemTheCatalogueLacksClosesAtOnceWithoutALineAndIsTraced)
{
    // The page's catalogue was replaced under a tile: the dialog must not offer an empty item.
    oneRow(u"Tea"_s, u"3000"_s, {u"N◈Extra◈0◈Shot◈500"_s});
    const auto closesUnread = [this](ItemDialog& d, const QString& module) {
        clock->advance(ItemDialog::kCloseDelayMs);
        EXPECT_FALSE(d.isVisible()) << module.toStdString();
        EXPECT_FALSE(d.addedLine());
        EXPECT_EQ(logEntries().filter(u"e)"_s + module + u"->Form_Activate[Erl:="_s).filter(u", Eno:=9]"_s).size(), 1)
            << logText().toStdString();
    };
    closesUnread(*open<SingleItemDialog>(1), u"frmMenuSelectSubA"_s);
    closesUnread(*open<OptionItemDialog>(1), u"frmMenuSelectSubB"_s);
}

TEST_F(ItemDialogTest, BothDialogsCloseThemselvesAfterThirtyIdleSeconds)
{
    oneRow(u"Tea"_s, u"3000"_s, {u"N◈Extra◈0◈Shot◈500◈Syrup◈300"_s});
    ClosesUnattended<SingleItemDialog>(page, catalogue);
    ClosesUnattended<OptionItemDialog>(page, catalogue);

    // Touching options alone does not put the option dialog's close off; the quantity keys do.
    // The countdown as the next half-second tick shows it.
    auto d = open<OptionItemDialog>(0);
    const auto countdown = [&] {
        clock->advance(500);
        return text(d.get(), u"idleCountdown"_s);
    };
    clock->advance(5500);
    EXPECT_EQ(countdown(), u"25초"_s);
    touch(d.get(), u"optionCheck0_0"_s);
    touch(d.get(), u"optionPrice0_1"_s);
    EXPECT_TRUE(d->model().isChosen(0, 0) && d->model().isChosen(0, 1));
    EXPECT_EQ(countdown(), u"24초"_s);
    touch(d.get(), u"quantityUp_1"_s);
    EXPECT_EQ(countdown(), u"30초"_s);
}

TEST_F(ItemDialogTest, MinimumOfTwoBlocksConfirmationUntilTwoAreTicked)
{
    loadFromShop();
    const qsizetype waffle = rowOf(u"와플"_s);
    const int result = exec<OptionItemDialog>(waffle, [&](OptionItemDialog& d) {
        EXPECT_EQ(text(&d, u"groupTitle_0"_s), u"1) 토핑 (최소: 2개 선택)"_s);
        EXPECT_EQ(text(&d, u"groupTitle_1"_s), u"2) 세트 변경"_s);
        EXPECT_FALSE(d.findChild<OptionRow*>(u"optionChoice0_0"_s));
        auto* confirm = find<CaptionKey>(&d, u"commandKey_3"_s);
        EXPECT_EQ(confirm->foreground(), QColor(192, 192, 192));
        confirm->touch();
        EXPECT_EQ(dialogs->texts(), QStringList{u"최소 선택 갯수를 확인하세요!"_s});
        EXPECT_EQ(dialogs->messages.value(0).icon, MessageIcon::Information);
        EXPECT_TRUE(d.isVisible());
        EXPECT_TRUE(cart.isEmpty());

        touch(&d, u"optionCheck0_2"_s);  // 딸기
        EXPECT_EQ(confirm->foreground(), QColor(192, 192, 192));
        touch(&d, u"optionPrice0_3"_s);  // 블루베리, by its price
        EXPECT_EQ(confirm->foreground(), QColor(255, 255, 255));
        auto* blueberry = find<OptionRow>(&d, u"optionCheck0_3"_s);
        EXPECT_TRUE(blueberry->isChecked());
        EXPECT_EQ(spoken(blueberry), std::pair(QAccessible::CheckBox, u"블루베리"_s));
        EXPECT_EQ(text(&d, u"totalAmount"_s), u"7,000"_s);
        confirm->touch();
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(dialogs->messages.size(), 1);
    EXPECT_EQ(Unnumbered(cart),
              Of({Line(title(waffle), 7000, 1, {{u"토핑", u"딸기", 500}, {u"토핑", u"블루베리", 500}})}));
}

TEST_F(ItemDialogTest, OptionDialogShowsGroupsRowsAndPagesToTheFourthGroup)
{
    loadFromShop();
    auto d = open<OptionItemDialog>(rowOf(u"아이스 카페라떼"_s));
    EXPECT_EQ(d->pos(), page.mapToGlobal(QPoint(0, 10)));
    EXPECT_EQ(d->size(), QSize(805, 748));
    EXPECT_EQ(find(d.get(), u"listArea"_s)->geometry(), QRect(57, 260, 689, 295));
    EXPECT_EQ(shown(d.get()), MenuPhotoPlaceholder(QSize(210, 140)).toImage());
    EXPECT_EQ(text(d.get(), u"chosenGroupCount"_s), u"4"_s);
    const QStringList headings{u"1) 사이즈"_s, u"2) 우유 변경"_s, u"3) 추가 선택"_s, u"4) 얼음 양"_s};
    for (int j = 0; j < 4; ++j)
        EXPECT_EQ(text(d.get(), u"groupTitle_%1"_s.arg(j)), headings[j]);
    EXPECT_FALSE(find<QLabel>(d.get(), u"groupTitle_4"_s)->isVisibleTo(d.get()));

    // Size: single choice, the first chosen; milk: check boxes, none ticked; rows 40 px apart.
    auto* regular = find<OptionRow>(d.get(), u"optionChoice0_0"_s);
    auto* large = find<OptionRow>(d.get(), u"optionChoice0_1"_s);
    auto* oat = find<OptionRow>(d.get(), u"optionCheck1_0"_s);
    EXPECT_TRUE(regular->isChecked());
    EXPECT_FALSE(large->isChecked() || oat->isChecked());
    EXPECT_EQ(large->y() - regular->y(), 40);
    EXPECT_EQ(spoken(large), std::pair(QAccessible::RadioButton, u"라지"_s));
    EXPECT_EQ(spoken(oat), std::pair(QAccessible::CheckBox, u"오트 우유"_s));
    EXPECT_EQ(spoken(find(d.get(), u"optionPrice0_1"_s)), std::pair(QAccessible::Button, u"(+500)"_s));
    touch(d.get(), u"optionChoice0_1"_s);
    EXPECT_TRUE(large->isChecked());
    EXPECT_FALSE(regular->isChecked());
    EXPECT_EQ(text(d.get(), u"totalAmount"_s), u"4,500"_s);

    QWidget* first = find(d.get(), u"groupPanel_0"_s);
    QWidget* fourth = find(d.get(), u"groupPanel_3"_s);
    EXPECT_EQ(fourth->x(), 690);
    touch(d.get(), u"commandKey_2"_s);
    EXPECT_EQ(first->x(), -690);
    EXPECT_EQ(fourth->x(), 0);
    touch(d.get(), u"commandKey_1"_s);
    EXPECT_EQ(first->x(), 0);
}

TEST_F(ItemDialogTest, NineOptionsOfAGroupCanAllBeSeenAndTouchedPageByPage)
{
    QString nine = u"N◈Topping◈2"_s;
    for (int k = 0; k < 9; ++k)
        nine += u"◈T%1◈100"_s.arg(k);
    oneRow(u"Tea"_s, u"3000"_s, {nine, u"N◈Size◈1◈Small◈0◈Large◈500"_s});
    auto d = open<OptionItemDialog>(0);
    QWidget* panel = find(d.get(), u"groupPanel_0"_s);
    EXPECT_FALSE(find(d.get(), u"groupPageKey1_1"_s)->isVisibleTo(d.get()));  // two options: no keys
    auto* next = find<CaptionKey>(d.get(), u"groupPageKey0_1"_s);
    EXPECT_EQ(spoken(next), std::pair(QAccessible::Button, u"▼ 다음"_s));
    EXPECT_EQ(spoken(find(d.get(), u"groupPageKey0_0"_s)), std::pair(QAccessible::Button, u"▲ 이전"_s));
    QList<int> seen(9, 0);
    for (int page = 0; page < 2; ++page) {
        SCOPED_TRACE(page);
        EXPECT_EQ(text(d.get(), u"groupPageText_0"_s), u"%1/2"_s.arg(page + 1));
        // What the panel shows: inside it, and nothing over anything else.
        QList<QRect> shown;
        for (QWidget* w : panel->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (!w->isVisibleTo(d.get()) || w->objectName().isEmpty())
                continue;
            EXPECT_TRUE(panel->rect().contains(w->geometry())) << w->objectName().toStdString();
            for (const QRect& other : shown)
                EXPECT_FALSE(other.intersects(w->geometry())) << w->objectName().toStdString();
            shown << w->geometry();
        }
        for (int k = 0; k < 9; ++k)
            seen[k] += find(d.get(), u"optionCheck0_%1"_s.arg(k))->isVisibleTo(d.get()) ? 1 : 0;
        if (page == 1) {
            touch(d.get(), u"optionCheck0_8"_s);
            touch(d.get(), u"optionPrice0_7"_s);
        }
        next->touch();
    }
    EXPECT_EQ(seen, QList<int>(9, 1));
    EXPECT_EQ(text(d.get(), u"groupPageText_0"_s), u"1/2"_s);  // round again
    EXPECT_TRUE(d->model().isChosen(0, 8) && d->model().isChosen(0, 7));
    EXPECT_TRUE(d->model().valid());
    EXPECT_EQ(text(d.get(), u"totalAmount"_s), u"3,200"_s);
}

TEST_F(ItemDialogTest, EmptyGroupAndOptionNamesAreSkippedAndTracedOnce)
{
    oneRow(u"Tea"_s, u"3000"_s, {u"N◈◈1◈A◈0"_s, u"N◈Size◈1◈◈0◈Large◈500"_s});
    const int result = exec<OptionItemDialog>(0, [&](OptionItemDialog& d) {
        EXPECT_EQ(text(&d, u"groupTitle_0"_s), u"1) Size"_s);
        EXPECT_FALSE(find<QLabel>(&d, u"groupTitle_1"_s)->isVisibleTo(&d));
        EXPECT_EQ(find<OptionRow>(&d, u"optionChoice0_0"_s)->text(), u"Large"_s);
        EXPECT_FALSE(d.findChild<OptionRow*>(u"optionChoice0_1"_s));
        touch(&d, u"quantityUp_1"_s);
        touch(&d, u"commandKey_3"_s);
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(Unnumbered(cart), Of({Line(u"Tea"_s, 3500, 2, {{u"Size", u"Large", 500}})}));
    const QStringList traced = logEntries().filter(u"frmMenuSelectSubB"_s);
    ASSERT_EQ(traced.size(), 2) << traced.join(u'\n').toStdString();
    EXPECT_TRUE(traced[0].contains(u"add1"_s) && traced[0].contains(u"without a name"_s));
    EXPECT_TRUE(traced[1].contains(u"add2"_s) && traced[1].contains(u"option 1 of Size"_s));
}

}  // namespace
