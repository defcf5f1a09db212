// The two item dialogs in the barrier-free mode: every layout keeps its keys where the mode wants
// them and its texts whole, every option is reached by the keypad and told to a screen reader.
#include "access/contrast.h"
#include "access/spoken.h"
#include "catalogue/menu_catalogue.h"
#include "menu/ui/option_buttons.h"
#include "menu/ui/option_item_dialog.h"
#include "menu/ui/single_item_dialog.h"
#include "presentation/keypad_navigator.h"
#include "support/barrier_free.h"
#include "support/long_option_item.h"
#include "support/screen_sizes.h"
#include "support/sumbrel_test.h"

#include <QAccessible>
#include <QLabel>
#include <QSet>
#include <algorithm>
#include <memory>

using namespace sumbrel;
using namespace sumbrel::testing;
using namespace Qt::StringLiterals;

namespace {

class ItemDialogAccessTest : public SumbrelTest {
protected:
    void SetUp() override
    {
        SumbrelTest::SetUp();
        page.setGeometry(0, 0, 1024, 768);
        page.show();
    }
    template <typename Dialog>
    std::unique_ptr<Dialog> open()
    {
        auto d = std::make_unique<Dialog>(&page);
        d->m_catalogue = sumbrel::testing::LongOptionCatalogue();
        d->m_row = 0;
        d->show();
        return d;
    }
    // One arrow until the element is in focus; false when the walk never reaches it.
    static bool walkTo(ItemDialog& d, QWidget* element, int arrow = Qt::Key_Right)
    {
        for (int i = 0; i < 80 && d.keypad()->focused() != element; ++i)
            Keypad(&d, arrow);
        return d.keypad()->focused() == element;
    }

    QWidget page;
};

// What must hold of the dialog as it stands: keys low, texts whole, the screen reader's view.
QStringList Faults(ItemDialog& d, const access::Modes& modes)
{
    QStringList faults;
    if (modes.low)
        faults << KeysAboveLowPart(&d);
    if (modes.large)
        faults << ClippedTexts(&d);
    faults << FaintCaptions(&d);
    for (OptionRow* row : d.findChildren<OptionRow*>()) {
        if (!row->isVisible())
            continue;
        // The keys check counts push buttons only; the options are keys too.
        if (modes.low && VisibleRect(row).top() < d.height() - int(d.height() * access::kLowShare))
            faults << u"option "_s + row->objectName() + u" above the lower part"_s;
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(row);
        const auto role = a->role();
        if (a->text(QAccessible::Name) != row->text() || !a->state().checkable || a->state().checked != row->isChecked()
            || (role != QAccessible::CheckBox && role != QAccessible::RadioButton)
            || !a->text(QAccessible::Description).endsWith(row->isChecked() ? u"선택됨"_s : u"선택 안 됨"_s))
            faults << u"option "_s + row->objectName() + u" as a reader sees it: "_s + a->text(QAccessible::Name)
                    + u" / "_s + a->text(QAccessible::Description);
    }
    return faults;
}

TEST_F(ItemDialogAccessTest, EveryModeKeepsKeysLowTextsWholeAndReachesEveryOptionByKeypad)
{
    const struct {
        const char* name;
        access::Modes modes;
    } cases[] = {
        {"plain", {}},
        {"low", {.low = true}},
        {"large", {.large = true}},
        {"contrast", {.contrast = true}},
        {"low and large", {.low = true, .large = true}},
        {"everything", {.voice = true, .low = true, .large = true, .contrast = true}},
    };
    // Lying and standing: the window the page covers, and the single dialog over it.
    const struct {
        QSize screen;
        QSize single;
    } stages[] = {{{1024, 768}, {645, 596}}, {{1080, 1920}, {1000, 850}}};
    for (const auto& stage : stages) {
        for (const auto& c : cases) {
            SCOPED_TRACE(SizeName(stage.screen).toStdString() + " " + c.name);
            StageScope standing(stage.screen);
            page.setGeometry(QRect(QPoint(0, 0), stage.screen));
            ModesScope scope(c.modes);
            const bool full = c.modes.low || c.modes.large;

            auto a = open<SingleItemDialog>();
            EXPECT_EQ(a->size(), full ? stage.screen : stage.single);
            EXPECT_EQ(Faults(*a, c.modes), QStringList());
            QAccessibleInterface* dialog = QAccessible::queryAccessibleInterface(a.get());
            EXPECT_EQ(dialog->text(QAccessible::Name), u"Iced caramel latte"_s);
            a->findChild<CaptionKey*>(u"quantityUp_1"_s)->touch();
            EXPECT_EQ(
                QAccessible::queryAccessibleInterface(a->findChild<QLabel*>(u"quantity"_s))->text(QAccessible::Name),
                u"수량 2"_s);
            EXPECT_EQ(a->findChild<QLabel*>(u"totalAmount"_s)->accessibleDescription(), u"합계 9,000원"_s);
            a.reset();

            // The keypad alone, from the first element on, turning every page the walk runs past.
            auto b = open<OptionItemDialog>();
            QSet<QString> reached;
            Keypad(b.get(), Qt::Key_Right);
            for (int step = 0; step < 120; ++step) {
                if (const QStringList faults = Faults(*b, c.modes); !faults.isEmpty()) {
                    ADD_FAILURE() << "step " << step << ": " << faults.join(u"; "_s).toStdString();
                    break;
                }
                if (auto* row = qobject_cast<OptionRow*>(b->keypad()->focused()))
                    reached << row->text();
                Keypad(b.get(), Qt::Key_Right);
            }
            EXPECT_EQ(reached.size(), 2 + 9 + 1 + 2)
                << QStringList(reached.begin(), reached.end()).join(u", "_s).toStdString();
        }
    }
}

TEST_F(ItemDialogAccessTest, OptionDialogByKeypadAndVoiceTogglesPagesCountsAndAdds)
{
    ModesScope scope({.voice = true, .low = true, .large = true});
    SpeechRecorder voice;
    auto d = open<OptionItemDialog>();
    EXPECT_TRUE(voice.heard(access::ItemDialogIntro(u"Iced caramel latte"_s, u"4,500"_s, 4)))
        << voice.said.join(u"\n"_s).toStdString();
    const menu::OptionMenu& model = d->model();

    // Enter on a topping ticks it, and says so.
    auto* first = d->findChild<OptionRow*>(u"optionCheck1_0"_s);
    auto* pageTurn = d->findChild<CaptionKey*>(u"commandKey_2"_s);
    ASSERT_TRUE(walkTo(*d, pageTurn));  // past the first page of groups: the toppings' page
    Keypad(d.get(), Qt::Key_Return);
    ASSERT_TRUE(walkTo(*d, first, Qt::Key_Left));
    voice.take();
    Keypad(d.get(), Qt::Key_Return);
    EXPECT_TRUE(model.isChosen(1, 0));
    EXPECT_TRUE(voice.heard(access::OptionText(u"Extra topping"_s, u"Topping number 1"_s, u"300원 추가"_s, true)))
        << voice.said.join(u"\n"_s).toStdString();

    // One short of the minimum: the confirm key says what is missing and adds nothing.
    auto* confirm = d->findChild<CaptionKey*>(u"commandKey_3"_s);
    ASSERT_TRUE(walkTo(*d, confirm));
    Keypad(d.get(), Qt::Key_Return);
    EXPECT_TRUE(voice.heard(access::MinimumNotMetText(u"Extra topping"_s, 2)));
    EXPECT_EQ(dialogs->messages.size(), 1);
    EXPECT_TRUE(d->isVisible());

    // Past the last element the toppings' rows turn to their next page.
    const int rowPage = model.rowPage(1);
    voice.take();
    Keypad(d.get(), Qt::Key_Right);
    EXPECT_EQ(model.rowPage(1), rowPage + 1);
    EXPECT_EQ(voice.said.value(0), access::PageText(u"Extra topping"_s, rowPage + 2, model.rowPages(1)))
        << "the turn is told before the option in focus";
    auto* fifth = d->findChild<OptionRow*>(u"optionCheck1_4"_s);
    ASSERT_TRUE(fifth->isVisible());
    EXPECT_EQ(d->keypad()->focused(), fifth);
    Keypad(d.get(), Qt::Key_Return);
    EXPECT_TRUE(model.isChosen(1, 4));

    ASSERT_TRUE(walkTo(*d, d->findChild<CaptionKey*>(u"quantityUp_1"_s)));
    voice.take();
    Keypad(d.get(), Qt::Key_Return);
    EXPECT_EQ(model.quantity().value(), 2);
    EXPECT_TRUE(voice.heard(access::QuantityText(2)));

    // Time runs short: said once, and a key gives the whole time back.
    voice.take();
    clock->advance(access::IdleMs(menu::kIdleMs) - 9000);
    EXPECT_TRUE(voice.heard(u"초 후 메뉴 화면으로 돌아갑니다"_s)) << voice.said.join(u"\n"_s).toStdString();
    Keypad(d.get(), Qt::Key_Down);
    Keypad(d.get(), Qt::Key_Up);
    clock->advance(12000);
    EXPECT_TRUE(d->isVisible());

    ASSERT_TRUE(walkTo(*d, confirm));
    voice.take();
    Keypad(d.get(), Qt::Key_Return);
    // The menu page tells what was added, with the order's total: the dialog does not say it first.
    EXPECT_FALSE(voice.heard(u"담았습니다"_s)) << voice.said.join(u"\n"_s).toStdString();
    ASSERT_TRUE(d->addedLine());
    const QList<order::OrderOption>& chosen = d->addedLine()->options;
    const auto has = [&chosen](const QString& name) {
        return std::any_of(chosen.begin(), chosen.end(), [&name](const order::OrderOption& o) {
            return o.group == u"Extra topping"_s && o.name == name && o.price == order::Money::Won(300);
        });
    };
    EXPECT_TRUE(has(u"Topping number 1"_s) && has(u"Topping number 5"_s));

    // Back closes the single item dialog without adding.
    auto a = open<SingleItemDialog>();
    Keypad(a.get(), Qt::Key_Escape);
    clock->advance(ItemDialog::kCloseDelayMs);
    EXPECT_EQ(a->result(), QDialog::Rejected);
    EXPECT_FALSE(a->isVisible());
    EXPECT_FALSE(a->addedLine());
}

}  // namespace
