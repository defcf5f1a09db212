#pragma once
// The terminal as after its login to a demo shop, for fixtures and benchmarks that hold a shop.
#include "server/session.h"
#include "startup/global_state.h"
#include "support/demo_shop.h"

#include <QDir>
#include <QFile>
#include <QString>

namespace sumbrel::testing {

// The session of the shop's seeded account, as its login over http gives it (without the shop's name).
inline Session ShopSession(const DemoShop& shop)
{
    Session session;
    session.serviceBaseUrl = shop.httpBase();
    session.loginId = QString::fromLatin1(DemoShop::kId);
    session.loginPassword = QString::fromLatin1(DemoShop::kPassword);
    session.shopNumber = QString::number(DemoShop::kShopNumber);
    return session;
}

// The shop's host as start-up would have configured it, and the shop's session.
inline Session LogInTo(const DemoShop& shop)
{
    gs().serviceHost = shop.host();
    return ShopSession(shop);
}

// The shop's menu pictures in menuImageFolder, as the settings screen would have fetched them.
inline void CopyShopPictures(const DemoShop& shop)
{
    QDir().mkpath(gs().menuImageFolder);
    const QDir pictures(shop.dataDir() + QStringLiteral("/menuimag"));
    for (const QString& name : pictures.entryList({QStringLiteral("*.png")}))
        QFile::copy(pictures.filePath(name), gs().menuImageFolder + u'/' + name);
}

}  // namespace sumbrel::testing
