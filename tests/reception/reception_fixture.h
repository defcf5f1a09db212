#pragma once
// A reception screen against its own demo shop, in its own program folder, with fast timers.
#include "presentation/caption_key.h"
#include "reception/frm_main.h"
#include "server/http_client.h"
#include "startup/clock.h"
#include "startup/global_state.h"
#include "startup/trace_log.h"
#include "support/demo_shop.h"
#include "support/recording_dialogs.h"

#include <QDateTime>
#include <QFile>
#include <QFrame>
#include <QJsonObject>
#include <QLabel>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>

namespace sumbrel::testing {

inline const QString kCart = QStringLiteral("아메리카노◈1◈2◈3000◈6000◈◈사이즈◈라지◈500");

class ReceptionTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        gs() = GlobalState{};
        gs().programFolder = folder.path();
        gs().skinFolder = folder.path() + QStringLiteral("/skin2");
        gs().serviceBaseUrl = shop.httpBase();
        gs().loginId = QString::fromLatin1(DemoShop::kId);
        gs().loginPassword = QString::fromLatin1(DemoShop::kPassword);
        gs().shopName = QStringLiteral("오르빅 커피 본점");
        setHttpLimits({2000, 2000, 1});
        setTimeScale(0.001);
        reception::lastWaitAnswer().clear();
    }
    void TearDown() override
    {
        screen.reset();
        setTimeScale(1.0);
    }

    // The screen with these settings; the menu page "confirms" the cart unless told otherwise.
    frmMain& open(const QMap<QString, QString>& settings = {})
    {
        QMap<QString, QString> values = settings;
        values.insert(QStringLiteral("reset"), QStringLiteral("1"));
        shop.setSettings(values);
        screen = std::make_unique<frmMain>();
        screen->openMenuPage = [this] {
            ++menuOpened;
            if (confirmMenu) {
                gs().selectedOrder = cart;
                gs().selectionConfirmed = true;
            }
        };
        return *screen;
    }
    static QMap<QString, QString> Settings(const QString& car, const QString& pay,
                                           const QString& where = QStringLiteral("Y"))
    {
        return {{QStringLiteral("TakeOutCarYN"), car},
                {QStringLiteral("TOPayTypeS"), pay},
                {QStringLiteral("TOWhereYN"), where}};
    }

    void type(CaptionKey* (frmMain::*group)(int) const, const QString& digits)
    {
        for (QChar c : digits)
            (screen.get()->*group)(c.digitValue())->touch();
    }
    void typePhone(const QString& digits) { type(&frmMain::CMD2, digits); }
    void typeCar(const QString& digits) { type(&frmMain::CMD3, digits); }
    // Empties the phone number (the preset "010" too) and types the whole number.
    void enterPhone(const QString& digits)
    {
        while (!phoneTag().isEmpty())
            screen->CMD2(10)->touch();
        typePhone(digits);
    }
    QString phoneTag() const { return screen->lblPhone(0)->property("tag").toString(); }
    static QString caption(QLabel* label) { return label->property("caption").toString(); }

    QString logText(const QString& channel = QString()) const
    {
        QFile file(programPath(LogFileName(QDateTime::currentDateTime(), channel)));
        if (!file.open(QIODevice::ReadOnly))
            return QString();
        return QString::fromUtf8(file.readAll());
    }

    QTemporaryDir folder;
    DemoShop shop;
    RecordingDialogs dialogs;
    std::unique_ptr<frmMain> screen;
    QString cart = kCart;
    bool confirmMenu = true;
    int menuOpened = 0;
};

}  // namespace sumbrel::testing
