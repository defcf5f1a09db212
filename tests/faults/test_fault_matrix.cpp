// Every endpoint family of the terminal against every way the shop's service or the network can fail,
// through the real client: each call returns within its deadline, an order is stored at most once and
// is accepted only on "성공", the last good settings, menu and pictures stay, memory stays bounded.
// The outcome of every cell is printed as a table.
#include "catalogue/category_table.h"
#include "catalogue/menu_catalogue.h"
#include "catalogue/picture_download.h"
#include "login/login_model.h"
#include "menu/menu_page_data.h"
#include "menu/menu_page_service.h"
#include "reception/reception_service.h"
#include "server/fields.h"
#include "startup/clock.h"
#include "support/dead_ends.h"
#include "support/demo_shop.h"
#include "support/shop_login.h"
#include "support/sumbrel_test.h"
#include "support/test_certificate.h"

#include <QDir>
#include <QFile>
#include <QJsonObject>
#include <QTest>
#include <cstdio>
#include <functional>
#include <memory>
#include <sys/resource.h>

using namespace sumbrel;
using namespace sumbrel::reception;
using namespace sumbrel::testing;

namespace {

// AddressSanitizer keeps freed blocks in its quarantine (256 MB by default) and adds its shadow, so
// under it the peak only guards against the unbounded growth of hundreds of megabytes.
#if defined(__SANITIZE_ADDRESS__)
constexpr double kPeakSlackMb = 320.0;
#else
constexpr double kPeakSlackMb = 64.0;
#endif

enum class F {
    Refused,
    BlackHole,
    Hang,
    Trickle,
    Late,
    HandledDropped,
    Page4xx,
    Page5xxLatin1,
    Garbage,
    InvalidUtf8,
    Truncated,
    Huge,
    Markup,
    Redirect,
    Untrusted,
};

struct ShopFault {
    F kind;
    const char* name;
    const char* shopKind;  // the demo shop's fault kind, or nullptr where the network plays it
    QMap<QString, QString> settings;
};

const ShopFault kFaults[] = {
    {F::Refused, "refused", nullptr, {}},
    {F::BlackHole, "connect black hole", nullptr, {}},
    {F::Hang, "hang", "delay", {{QStringLiteral("delay_ms"), QStringLiteral("1500")}}},
    {F::Trickle, "trickle", "trickle", {{QStringLiteral("interval_ms"), QStringLiteral("100")}}},
    {F::Late, "answered late after handling", "late", {{QStringLiteral("delay_ms"), QStringLiteral("1000")}}},
    {F::HandledDropped, "handled then dropped", "process-close", {}},
    {F::Page4xx, "404 page", "status", {{QStringLiteral("status"), QStringLiteral("404")}}},
    {F::Page5xxLatin1,
     "503 page in latin-1",
     "status",
     {{QStringLiteral("status"), QStringLiteral("503")},
      {QStringLiteral("content_type"), QStringLiteral("text/html; charset=iso-8859-1")}}},
    {F::Garbage, "200 garbage", "garbage", {}},
    {F::InvalidUtf8, "200 invalid UTF-8", "invalid-utf8", {}},
    {F::Truncated, "truncated body", "truncate", {{QStringLiteral("size"), QStringLiteral("60")}}},
    {F::Huge, "huge body", "huge", {{QStringLiteral("size"), QString::number(9 * 1024 * 1024)}}},
    {F::Markup, "markup and hostile values", "garbage", {}},
    {F::Redirect, "redirect", "redirect", {}},
    {F::Untrusted, "untrusted certificate", nullptr, {}},
};

const QString kMarkup = QStringLiteral("<b>3</b><img src=\"/dev/zero\">");

double PeakMb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0;
}

class FaultMatrix : public SumbrelTest {
protected:
    // Shortened, in the program's shape: a stall of 200 ms, an attempt of 500 ms, three attempts
    // within 1 s, the longest any call may hold its caller.
    static constexpr HttpLimits kLimits{200, 200, 3, 500, 1000};
    static constexpr int kSlackMs = 400;

    void SetUp() override
    {
        SumbrelTest::SetUp();
        shop = std::make_unique<DemoShop>(QStringList{QStringLiteral("--repeat-window"), QStringLiteral("0")});
        session = LogInTo(*shop);
        const TestCertificate certificate = MakeCertificate(folder.path());
        ASSERT_TRUE(certificate.error.isEmpty()) << certificate.error.toStdString();
        tlsShop = std::make_unique<DemoShop>(QStringList{QStringLiteral("--tls"), certificate.cert, certificate.key});
        setHttpLimits(kLimits);
    }
    void TearDown() override
    {
        tlsShop.reset();
        shop.reset();
        SumbrelTest::TearDown();
    }

    // Puts the fault in place for the paths; runs the cell with the session it is to ask with (one
    // whose address is the dead end, for the faults of the way there); takes it away again. The
    // cell's call is timed: no call may hold its caller beyond the call's limit.
    void cell(const char* family, const ShopFault& f, const QStringList& paths, const QString& body,
              const std::function<QString(const Session& at)> run)
    {
        SCOPED_TRACE(std::string(family) + " / " + f.name);
        Session at = session;
        std::unique_ptr<FullBacklog> blackHole;
        switch (f.kind) {
        case F::Refused:
            at.serviceBaseUrl = QStringLiteral("http://127.0.0.1:") + QString::number(closedPort());
            break;
        case F::BlackHole:
            blackHole = std::make_unique<FullBacklog>();
            at.serviceBaseUrl = QStringLiteral("http://127.0.0.1:") + QString::number(blackHole->port);
            break;
        case F::Untrusted:
            at.serviceBaseUrl = QStringLiteral("https://") + tlsShop->host();
            break;
        default:
            // No kind: the caller has set the shop's answer up itself.
            if (f.shopKind) {
                QMap<QString, QString> settings = f.settings;
                if (!body.isNull())
                    settings.insert(QStringLiteral("body"), body);
                for (const QString& path : paths)
                    shop->addFault(path, QString::fromLatin1(f.shopKind), settings, 0);
            }
        }
        const double peakBefore = PeakMb();
        const uint32_t t0 = RealTickCount();
        const QString outcome = run(at);
        const int ms = int(RealTickCount() - t0);
        shop->clearFaults();
        // A call per step of the family: each within its limit.
        EXPECT_LE(ms, calls * (kLimits.callMs + kSlackMs)) << ms << " ms for " << calls << " calls";
        EXPECT_LT(PeakMb() - peakBefore, kPeakSlackMb) << "memory bounded";
        table.append(QStringLiteral("%1 | %2 | %3 | %4 ms")
                         .arg(QString::fromLatin1(family), -20)
                         .arg(QString::fromLatin1(f.name), -28)
                         .arg(outcome)
                         .arg(ms));
    }
    // A picture download of the terminal's catalogue, asking with the session.
    PictureSource pictures(const Session& at) const { return {at, gs().menuImageFolder, tables.catalogueSnapshot()}; }
    menu::MenuTables tables;
    void printTable() const
    {
        for (const QString& row : table)
            std::printf("%s\n", row.toUtf8().constData());
    }
    int ordersOf(const QString& phone) const
    {
        int n = 0;
        for (const QJsonValue& o : shop->orders())
            n += o[QStringLiteral("phone")].toString() == phone ? 1 : 0;
        return n;
    }

    std::unique_ptr<DemoShop> shop;
    std::unique_ptr<DemoShop> tlsShop;
    Session session;
    int calls = 1;
    QStringList table;
};

const QString kOrderPath = QStringLiteral("/program/TOorderProgram2.php");
const QString kSettingsPath = QStringLiteral("/program/TOLoadProgram.php");

QString OutcomeName(OrderState o)
{
    switch (o) {
    case OrderState::Accepted:
        return QStringLiteral("accepted");
    case OrderState::Refused:
        return QStringLiteral("refused (이미)");
    case OrderState::Failed:
        return QStringLiteral("failed, customer told to try again");
    case OrderState::Unknown:
        return QStringLiteral("unknown, customer told to ask the staff");
    case OrderState::NotSent:
        return QStringLiteral("not sent");
    default:
        break;
    }
    return {};
}

}  // namespace

TEST_F(FaultMatrix, OrdersAreStoredAtMostOnceAndAcceptedOnlyOnSuccess)
{
    order::Order cart;
    cart.add({QString(), QStringLiteral("아메리카노"), order::Money::Won(3000), 1, {}});
    int phone = 1000;
    for (const ShopFault& f : kFaults) {
        if (f.kind == F::Markup)
            continue;  // an order's answer is not shown
        const QString number = QStringLiteral("0101234") + QString::number(++phone);
        shop->clearRequests();
        OrderState outcome = OrderState::NotSent;
        cell("order", f, {kOrderPath}, QString(), [&](const Session& at) {
            outcome = ReceptionService(at).submit({number, Dining::Takeout, Payment::Card, {}}, cart);
            return OutcomeName(outcome);
        });
        // The shop may still be handling a request that the terminal gave up on.
        QTest::qWait(f.kind == F::Hang ? 1700 : 50);
        const int stored = ordersOf(number);
        EXPECT_LE(stored, 1) << f.name;
        // Counted by the number: a request of an earlier case that the shop answered late is
        // journaled only when it ends, after this case cleared the journal.
        int sent = 0;
        for (const QJsonValue& r : shop->requests())
            sent += r[QStringLiteral("path")].toString() == kOrderPath
                && r[QStringLiteral("fields")][QStringLiteral("phonet")].toString() == number;
        EXPECT_LE(sent, 1) << f.name << ": never sent twice";
        if (outcome == OrderState::Accepted) {
            EXPECT_EQ(stored, 1) << f.name;
            EXPECT_EQ(sent, 1) << f.name;
        }
        if (stored == 1) {
            EXPECT_NE(outcome, OrderState::Failed) << f.name << ": a stored order must not be told as failed";
        }
        const bool answeredWithSuccess = f.kind == F::InvalidUtf8;
        EXPECT_EQ(outcome == OrderState::Accepted, answeredWithSuccess) << f.name;
    }
    // What a customer's Korean becomes after the proxy's latin-1 page: the shop reads it whole.
    EXPECT_EQ(ReceptionService(session).submit({QStringLiteral("01099998888"), Dining::EatIn, Payment::Cash, {}}, cart),
              OrderState::Accepted);
    const QJsonObject last = shop->orders().last().toObject();
    EXPECT_EQ(last[QStringLiteral("where")].toString(), QStringLiteral("매장식사"));
    EXPECT_EQ(last[QStringLiteral("memo")].toString(), QStringLiteral("현장접수"));
    printTable();
}

TEST_F(FaultMatrix, SettingsAndWaitingStatusKeepTheLastGoodAndShowTextAsText)
{
    ReceptionService service(session);
    shop->setSettings({{QStringLiteral("TOWhereYN"), QStringLiteral("Y")},
                       {QStringLiteral("TakeOutCarYN"), QStringLiteral("Y")},
                       {QStringLiteral("TOPayTypeS"), QStringLiteral("Y")}});
    ASSERT_TRUE(service.loadSettings().eatInOffered);
    calls = 2;
    for (const ShopFault& listed : kFaults) {
        ShopFault f = listed;
        ReceptionSettings loaded;
        if (f.kind == F::Markup) {
            f.shopKind = nullptr;  // the shop's own answer, set up here
            shop->setSettings({{QStringLiteral("raw"),
                                QStringLiteral("count[") + kMarkup + QStringLiteral("]count time[5분]time TOWhereYN[Y")
                                    + kMarkup + QStringLiteral("]TOWhereYN TakeOutCarYN[Y]TakeOutCarYN")}});
        }
        // The screen's halves, the requests sent where the cell says: the last good settings are the
        // service's own.
        cell("settings and poll", f, {kSettingsPath}, QString(), [&](const Session& at) {
            ReceptionService::Request settings = service.settingsRequest();
            settings.url = endpoints::Url(at, endpoints::kReceptionSettings);
            loaded = service.settingsAnswered(ReceptionService::fetchSettings(settings, PostForm));
            ReceptionService::PollRequest poll = service.pollRequest();
            poll.url = settings.url;
            const WaitingStatus polled = service.pollAnswered(poll, PostForm(poll.url, poll.body, {}));
            return QStringLiteral("settings eat-in %1, poll count \"%2\"")
                .arg(loaded.eatInOffered ? QStringLiteral("offered") : QStringLiteral("not offered"),
                     polled.teams.value_or(QStringLiteral("-")));
        });
        if (f.kind == F::Markup) {
            // The shop's own answer, hostile as it is: its values are carried as text, never as "Y".
            EXPECT_FALSE(loaded.eatInOffered);
            EXPECT_EQ(loaded.waiting.teams.value_or(QString()), kMarkup);
            shop->setSettings({{QStringLiteral("reset"), QStringLiteral("1")},
                               {QStringLiteral("TOWhereYN"), QStringLiteral("Y")},
                               {QStringLiteral("TakeOutCarYN"), QStringLiteral("Y")},
                               {QStringLiteral("TOPayTypeS"), QStringLiteral("Y")}});
            ASSERT_TRUE(service.loadSettings().eatInOffered);
        } else {
            EXPECT_TRUE(loaded.eatInOffered && loaded.carNumberAsked && loaded.paymentAsked)
                << "the last good settings stay";
        }
        // An error page in another charset never becomes the charset of the customer's order.
        EXPECT_TRUE(formCharset().isEmpty() || formCharset().compare("utf-8", Qt::CaseInsensitive) == 0)
            << formCharset().constData();
    }
    printTable();
}

TEST_F(FaultMatrix, TheMenuAndItsCatalogueStayTogetherAndGood)
{
    ASSERT_TRUE(menu::MenuPageService(session).load(QString(), tables).menu);
    const MenuCatalogue catalogue = tables.catalogue();
    const std::vector<menu::TileEntry> tiles = tables.tiles();
    calls = 3;
    const QStringList paths = {QStringLiteral("/Admin/categoryloading.php"), QStringLiteral("/Admin/menuloading1.php"),
                               QStringLiteral("/shop/menuloading3.php")};
    for (const ShopFault& f : kFaults) {
        if (f.kind == F::Markup)
            continue;  // below, on the menu page's answer alone
        menu::MenuLoad load;
        cell("menu load", f, paths, QString(), [&](const Session& at) {
            load = menu::MenuPageService(at).load(QString(), tables);
            return QStringLiteral("menu %1, categories %2")
                .arg(load.menu ? QStringLiteral("replaced") : QStringLiteral("kept"),
                     load.categories ? QStringLiteral("replaced") : QStringLiteral("kept"));
        });
        EXPECT_FALSE(load.menu);
        EXPECT_FALSE(load.categories);
        EXPECT_TRUE(tables.catalogue() == catalogue);
        EXPECT_TRUE(tables.tiles() == tiles);
    }
    // A page whose names carry markup is the shop's own page: taken, its names kept as text.
    const QString page = QStringLiteral("<menubrr><mainmenuname>") + kMarkup
        + QStringLiteral("</mainmenuname><submenuname>") + kMarkup
        + QStringLiteral(" !!!!1000@@@@ !1!!!x@1@@@ !2!!!101@2@@@ !3!!!@3@@@ !5!!!@5@@@ !4!!!@4@@@</submenuname></menubrr>");
    cell("menu load", kFaults[int(F::Markup)], {QStringLiteral("/shop/menuloading3.php")}, page, [&](const Session& at) {
        return menu::MenuPageService(at).load(QString(), tables).menu ? QStringLiteral("menu replaced, names as text")
                                             : QStringLiteral("menu kept");
    });
    ASSERT_EQ(tables.tiles().size(), 1u);
    EXPECT_EQ(tables.tiles()[0].name, kMarkup);
    EXPECT_EQ(tables.tabs(), QStringList{kMarkup});
    printTable();
}

TEST_F(FaultMatrix, NoPictureIsReplacedByABadOne)
{
    ASSERT_TRUE(QDir().mkpath(gs().menuImageFolder));
    tables.setCatalogue(ParseMenuAnswer(
        QStringLiteral("<menubrr>num[101]num title[에스프레소]title category[커피]category</menubrr>")));
    const QString file = gs().menuImageFolder + QStringLiteral("/101.png");
    const QByteArray good = ReadFile(shop->dataDir() + QStringLiteral("/menuimag/101.png"));
    ASSERT_FALSE(good.isEmpty());
    calls = 4;  // logo check and GET, menu check and GET
    const QStringList paths = {QStringLiteral("/menuimag/101.png")};
    for (const ShopFault& f : kFaults) {
        QFile::remove(file);
        QFile old(file);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write(QByteArray("the picture the shop had", 24));
        old.close();
        DownloadSummary summary;
        const QString body = f.kind == F::Markup ? QStringLiteral("<html><img src=\"/dev/zero\"></html>") : QString();
        cell("pictures", f, paths, body, [&](const Session& at) {
            summary = DownloadPictures(pictures(at));
            return QStringLiteral("stored %1, failed %2, absent %3").arg(summary.stored).arg(summary.failed).arg(summary.absent);
        });
        QFile kept(file);
        ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
        const QByteArray now = kept.readAll();
        EXPECT_EQ(now, QByteArray("the picture the shop had", 24)) << f.name;
        EXPECT_EQ(summary.stored, f.kind == F::Refused || f.kind == F::BlackHole || f.kind == F::Untrusted ? 0 : 1)
            << "the logo, fetched as always";
    }
    // Once the service answers as it should, its picture takes the place.
    EXPECT_EQ(DownloadPictures(pictures(session)).stored, 2);
    QFile replaced(file);
    ASSERT_TRUE(replaced.open(QIODevice::ReadOnly));
    EXPECT_EQ(replaced.readAll(), good);
    printTable();
}

TEST_F(FaultMatrix, ALoginThatCannotReachTheShopIsNeverCountedAsARefusal)
{
    const QString id = QString::fromLatin1(DemoShop::kId);
    const QString password = QString::fromLatin1(DemoShop::kPassword);
    calls = 2;  // https, then http
    for (const ShopFault& f : kFaults) {
        LoginModel model;
        const QString host = gs().serviceHost;
        switch (f.kind) {
        case F::Refused:
            gs().serviceHost = QStringLiteral("127.0.0.1:") + QString::number(closedPort());
            break;
        case F::Untrusted:
            gs().serviceHost = tlsShop->host();
            break;
        default:
            break;
        }
        std::unique_ptr<FullBacklog> blackHole;
        if (f.kind == F::BlackHole) {
            blackHole = std::make_unique<FullBacklog>();
            gs().serviceHost = QStringLiteral("127.0.0.1:") + QString::number(blackHole->port);
        }
        const QString body = f.kind == F::Markup
            ? QStringLiteral("로그인 성공 번호[12]번호 storename[") + kMarkup + QStringLiteral("]storename")
            : QString();
        LoginOutcome outcome = LoginOutcome::Failed;
        // The login asks serviceHost itself: the dead ends above stand in its place.
        cell("login", f, {QStringLiteral("/program/logins.php")}, body, [&](const Session&) {
            outcome = model.Login(id, password, false, false);
            static const char* names[] = {"success", "refused (counted)", "third refusal", "unreachable (not counted)",
                                          "untrusted certificate (not counted)"};
            return QString::fromLatin1(names[int(outcome)]);
        });
        gs().serviceHost = host;
        switch (f.kind) {
        case F::Markup:
            EXPECT_EQ(outcome, LoginOutcome::Success);
            EXPECT_EQ(model.session().shopName, kMarkup) << "the shop's name is kept as text";
            break;
        case F::Untrusted:
            EXPECT_EQ(outcome, LoginOutcome::Untrusted);
            break;
        default:
            EXPECT_EQ(outcome, LoginOutcome::Unreachable);
            EXPECT_EQ(model.failures(), 0);
            break;
        }
    }
    printTable();
}
