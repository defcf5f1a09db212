// order_list_draw_ms: drawOrder of the reception screen's order list with twenty lines, every
// third with two option groups, painted into a picture. Two orders that differ in one quantity take
// turns, so every run lays out and paints anew.
#include "presentation/caption_key.h"
#include "reception/ui/reception_screen.h"
#include "screens/figure.h"
#include "startup/global_state.h"
#include "support/demo_shop.h"
#include "support/orders.h"
#include "support/shop_login.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

namespace {

using namespace sumbrel;

order::Order TwentyLines(int firstQuantity)
{
    order::Order lines;
    for (int i = 0; i < 20; ++i) {
        const int quantity = i == 0 ? firstQuantity : 1 + i % 3;
        const QString name = QStringLiteral("아이스 카페 라떼 %1").arg(i + 1);
        if (i % 3 == 0)
            lines.add(
                order::Line(name, 5300, quantity,
                            {{u"사이즈", u"라지", 500}, {u"토핑", u"휘핑크림", 300}, {u"토핑", u"시럽 추가", 500}}));
        else
            lines.add(order::Line(name, 5300, quantity));
    }
    return lines;
}

struct OrderListBench {
    OrderListBench()
    {
        SetProgramFolder(folder.path());
        screen = std::make_unique<ReceptionScreen>(sumbrel::testing::LogInTo(shop));
        QObject::connect(screen.get(), &ReceptionScreen::menuRequested, screen.get(),
                         [this](const cart::OrderCart& order) {
                             cart::OrderCart result = order;
                             result.order = carts[0];
                             result.selectionConfirmed = true;
                             screen->menuClosed(result);
                         });
        screen->findChild<CaptionKey*>(QStringLiteral("panelKey_%1").arg(int(reception::PanelKey::Takeout)))->touch();
    }
    double sample()
    {
        screen->cart().order = carts[++turn % 2];
        QWidget* list = screen->findChild<QWidget*>(QStringLiteral("listSurface"));
        QImage picture(list->size().expandedTo(QSize(469, 2000)), QImage::Format_RGB32);
        QElapsedTimer timer;
        timer.start();
        screen->drawOrder();
        list->render(&picture);
        return double(timer.nsecsElapsed()) / 1e6;
    }

    QTemporaryDir folder;
    DemoShop shop;
    std::unique_ptr<ReceptionScreen> screen;
    const order::Order carts[2] = {TwentyLines(2), TwentyLines(3)};
    int turn = 0;
};

std::unique_ptr<OrderListBench>& Instance()
{
    static std::unique_ptr<OrderListBench> bench;
    return bench;
}

// Made at the first run; gone with the application, before its widgets' world ends.
OrderListBench& Bench()
{
    std::unique_ptr<OrderListBench>& bench = Instance();
    if (!bench) {
        bench = std::make_unique<OrderListBench>();
        qAddPostRoutine([] { Instance().reset(); });
    }
    return *bench;
}

const bench::RegisterFigure figure({QStringLiteral("order_list_draw_ms"), 5, [] { return Bench().sample(); },
                                             [] { Bench(); }});

}  // namespace
