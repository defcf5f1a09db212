#pragma once
// The terminal as after its login to a demo shop, for fixtures and benchmarks that hold a shop.
#include "startup/global_state.h"
#include "support/demo_shop.h"

#include <QDir>
#include <QFile>
#include <QString>

namespace sumbrel::testing {

// The shop's address, the seeded account and the shop's number in the global state.
inline void LogInTo(const DemoShop& shop)
{
    gs().serviceHost = shop.host();
    gs().serviceBaseUrl = shop.httpBase();
    gs().loginId = QString::fromLatin1(DemoShop::kId);
    gs().loginPassword = QString::fromLatin1(DemoShop::kPassword);
    gs().shopNumber = QString::number(DemoShop::kShopNumber);
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
