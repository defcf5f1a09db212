// order_list_draw_ms: Draw_Order of the reception screen's order list with twenty lines, every
// third with two option groups, painted into a picture. Two carts that differ in one quantity take
// turns, so every run lays out and paints anew.
#include "presentation/caption_key.h"
#include "reception/ui/frm_main.h"
#include "screens/figure.h"
#include "startup/global_state.h"
#include "support/demo_shop.h"
#include "support/shop_login.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

namespace {

using namespace sumbrel;

QString TwentyLines(int firstQuantity)
{
    QStringList lines;
    for (int i = 0; i < 20; ++i) {
        const int quantity = i == 0 ? firstQuantity : 1 + i % 3;
        QString line = QStringLiteral("아이스 카페 라떼 %1◈1◈%2◈5300◈%3").arg(i + 1).arg(quantity).arg(quantity * 5300);
        if (i % 3 == 0)
            line += QStringLiteral("◈◈사이즈◈라지◈500◈◈토핑◈휘핑크림◈300◈시럽 추가◈500");
        lines << line;
    }
    return lines.join(QStringLiteral("◈◈◈"));
}

struct OrderListBench {
    OrderListBench()
    {
        gs().programFolder = folder.path();
        sumbrel::testing::LogInTo(shop);
        screen = std::make_unique<frmMain>();
        screen->openMenuPage = [this](const cart::OrderCart& order) {
            cart::OrderCart result = order;
            result.selectedOrder = carts[0];
            result.selectionConfirmed = true;
            screen->menuPageClosed(result, menu::MenuPageEnd::Confirmed);
        };
        screen->findChild<CaptionKey*>(QStringLiteral("CMD_%1").arg(int(reception::PanelKey::Takeout)))->touch();
    }
    double sample()
    {
        screen->cart().selectedOrder = carts[++turn % 2];
        QWidget* list = screen->findChild<QWidget*>(QStringLiteral("picList"));
        QImage picture(list->size().expandedTo(QSize(469, 2000)), QImage::Format_RGB32);
        QElapsedTimer timer;
        timer.start();
        screen->Draw_Order();
        list->render(&picture);
        return double(timer.nsecsElapsed()) / 1e6;
    }

    QTemporaryDir folder;
    DemoShop shop;
    std::unique_ptr<frmMain> screen;
    const QString carts[2] = {TwentyLines(2), TwentyLines(3)};
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

const bench::RegisterFigure figure({QStringLiteral("order_list_draw_ms"), 5, [] { return Bench().sample(); }});

}  // namespace
