// Text from the service is shown as the text it is: markup in an answer is never rendered, and no
// label of any screen reads its text as markup.
#include "catalogue/menu_answer_builder.h"
#include "catalogue/menu_catalogue.h"
#include "menu/ui/menu_page.h"
#include "menu/ui/option_item_dialog.h"
#include "menu/ui/single_item_dialog.h"
#include "reception/ui/reception_screen.h"
#include "settings/ui/settings_screen.h"
#include "support/demo_shop.h"
#include "support/shop_login.h"
#include "support/sumbrel_test.h"

#include <QImage>
#include <QLabel>
#include <QTest>
#include <functional>
#include <memory>

using namespace sumbrel;
using namespace sumbrel::testing;
using namespace Qt::StringLiterals;

namespace {

class ServiceText : public SumbrelTest {
protected:
    void SetUp() override
    {
        SumbrelTest::SetUp();
        session = LogInTo(shop);
        // A picture the markup names: an <img> rendered by a label would read it.
        QImage dot(4, 4, QImage::Format_RGB32);
        dot.fill(Qt::red);
        ASSERT_TRUE(dot.save(path(u"dot.png"_s)));
        markup = u"<b>3</b><img src=\"%1\">"_s.arg(path(u"dot.png"_s));
    }

    // The shop answers with the markup wherever a text of its own stands.
    void feedMarkup()
    {
        shop.setSettings({{u"reset"_s, u"1"_s},
                          {u"count"_s, markup},
                          {u"time"_s, markup},
                          {u"TakeOutCarYN"_s, u"Y"_s},
                          {u"TakeOutCarText"_s, markup}});
        session.shopName = markup;  // the login answer's shop name
        const QString catalogue = MenuRecordText({{u"num"_s, u"901"_s},
                                                  {u"title"_s, markup},
                                                  {u"price"_s, u"3000"_s},
                                                  {u"infotext1"_s, markup},
                                                  {u"infotext2"_s, markup}})
            + MenuRecordText({{u"num"_s, u"902"_s},
                              {u"title"_s, markup},
                              {u"price"_s, u"3000"_s},
                              {u"infotext1"_s, markup},
                              {u"infotext2"_s, markup},
                              {u"add1"_s,
                               GroupMarkup(u"Y"_s, u"N"_s, markup, u"1"_s, {{markup, u"500"_s}, {u"B"_s, u"0"_s}})}});
        shop.setFault(u"/Admin/menuloading1.php"_s, u"status"_s, 0, 200, 0, kHead + catalogue);
        const QString tile = u"<submenuname>%1 !!!!3000@@@@ !1!!!t@1@@@ !2!!!901@2@@@ !3!!!@3@@@ !5!!!@5@@@"
                             u" !4!!!@4@@@</submenuname>"_s.arg(markup);
        shop.setFault(u"/shop/menuloading3.php"_s, u"status"_s, 0, 200, 0,
                      u"<menubrr><mainmenuname>커피</mainmenuname>"_s + tile + u"</menubrr>"_s);
    }

    DemoShop shop;
    Session session;
    QString markup;
};

// Every screen that can show the service's texts, each with the markup fed in.
struct Screens {
    menu::MenuTables tables;
    std::unique_ptr<ReceptionScreen> reception;
    std::unique_ptr<MenuPage> page;
    std::unique_ptr<SingleItemDialog> single;
    std::unique_ptr<OptionItemDialog> options;
    std::unique_ptr<SettingsScreen> settings;

    QWidget* byName(const QString& name) const
    {
        for (QWidget* w :
             std::initializer_list<QWidget*>{reception.get(), page.get(), single.get(), options.get(), settings.get()})
            if (w && w->objectName() == name)
                return w;
        return nullptr;
    }
};

TEST_F(ServiceText, MarkupFromTheServiceShowsAsTextOnEveryScreen)
{
    feedMarkup();
    Screens s;
    s.reception = std::make_unique<ReceptionScreen>(session);
    s.page = std::make_unique<MenuPage>(session, s.tables);
    cart::OrderCart order;
    order.order.add({QString(), markup, order::Money::Won(3500), 1, {{u"G"_s, markup, order::Money::Won(500)}}});
    s.page->open(order);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !s.page->loadPending() && !s.page->loading(); }, 10000));
    ASSERT_EQ(s.tables.catalogue().takenCount(), 2);
    s.single = std::make_unique<SingleItemDialog>(s.page.get());
    s.single->m_catalogue = s.tables.catalogueSnapshot();
    s.single->m_row = 0;
    s.single->show();
    s.options = std::make_unique<OptionItemDialog>(s.page.get());
    s.options->m_catalogue = s.tables.catalogueSnapshot();
    s.options->m_row = 1;
    s.options->show();
    s.settings = std::make_unique<SettingsScreen>(session, s.tables.catalogueSnapshot());

    struct Case {
        const char* screen;
        const char* label;
        QString shown;
    };
    const Case cases[] = {
        {"receptionScreen", "shopNameLabel", markup},
        {"receptionScreen", "waitingTeamsLabel_0", markup},
        {"receptionScreen", "waitingTeamsLabel_1", markup},
        {"receptionScreen", "waitingTimeLabel_0", markup},
        {"receptionScreen", "waitingTimeLabel_1", markup},
        {"receptionScreen", "driveThroughText", markup},
        {"menuPage", "tileName_0", markup},
        {"menuPage", "rowName_0", markup},
        {"menuPage", "rowOptions_0", u"G:"_s + markup},
        {"singleItemDialog", "itemName", markup},
        {"singleItemDialog", "itemComposition", markup},
        {"singleItemDialog", "itemDescription", markup},
        {"optionItemDialog", "itemName", markup},
        {"optionItemDialog", "itemComposition", markup},
        {"optionItemDialog", "itemDescription", markup},
        {"optionItemDialog", "groupTitle_0", u"1) "_s + markup},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.screen) + " " + c.label);
        QWidget* screen = s.byName(QString::fromUtf8(c.screen));
        ASSERT_TRUE(screen);
        auto* label = screen->findChild<QLabel*>(QString::fromUtf8(c.label));
        ASSERT_TRUE(label);
        EXPECT_EQ(label->text(), c.shown);
        EXPECT_EQ(label->textFormat(), Qt::PlainText);
    }

    // No label anywhere is left to guess: whatever a label may come to show, it shows as text.
    for (const char* name : {"receptionScreen", "menuPage", "singleItemDialog", "optionItemDialog", "settingsScreen"}) {
        QWidget* screen = s.byName(QString::fromUtf8(name));
        ASSERT_TRUE(screen) << name;
        const QList<QLabel*> labels = screen->findChildren<QLabel*>();
        EXPECT_GT(labels.size(), 3) << name;
        for (QLabel* label : labels)
            EXPECT_EQ(label->textFormat(), Qt::PlainText) << name << " " << label->objectName().toStdString();
    }
}

}  // namespace
