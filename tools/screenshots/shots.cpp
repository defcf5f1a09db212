#include "shots.h"

#include "catalogue/menu_catalogue.h"
#include "catalogue/picture_download.h"
#include "kiosk/kiosk_layout.h"
#include "presentation/caption_key.h"
#include "presentation/dialog_handlers.h"
#include "presentation/stage_scale.h"
#include "server/http_client.h"
#include "startup/global_state.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPixmap>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <memory>

namespace sumbrel::shots {

Walk StartWalk(const QCoreApplication& app)
{
    QCommandLineParser parser;
    QCommandLineOption home(QStringLiteral("home"), QStringLiteral("Program folder."), QStringLiteral("DIR"));
    QCommandLineOption host(QStringLiteral("service-host"), QStringLiteral("Web service host."),
                            QStringLiteral("HOST"));
    QCommandLineOption out(QStringLiteral("out"), QStringLiteral("Folder for the pictures."), QStringLiteral("DIR"));
    QCommandLineOption language(QStringLiteral("language"), QStringLiteral("The customer's language (en, zh_CN, ja)."),
                                QStringLiteral("CODE"));
    parser.addOptions({home, host, out, language});
    parser.addHelpOption();
    parser.process(app);
    Walk walk{parser.value(home), parser.value(host), parser.value(out), parser.value(language)};
    if (walk.out.isEmpty())
        walk.out = QStringLiteral(".");
    QDir().mkpath(walk.out);
    static UnattendedDialogHandler dialogs;
    setDialogHandler(&dialogs);
    UseStage(kiosk::Audience::Customer);
    return walk;
}

void UseStage(kiosk::Audience audience)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize size = screen ? screen->geometry().size() : QSize();
    FitStage(size, audience);
}

void settle(int ms)
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

bool shoot(const QString& folder, const QString& name)
{
    settle(400);
    const QString path = folder + u'/' + name;
    bool ok = false;
    // Under a Wayland compositor (cage) no client may read the screen: the compositor's own picture.
    if (QGuiApplication::platformName() == u"wayland")
        ok = QProcess::execute(QStringLiteral("grim"), {path}) == 0;
    else
        ok = QGuiApplication::primaryScreen()->grabWindow(0).save(path);
    std::printf("%s %s\n", ok ? "saved" : "FAILED", path.toUtf8().constData());
    std::fflush(stdout);
    return ok;
}

void click(QWidget* root, const QString& name)
{
    if (auto* key = root->findChild<CaptionKey*>(name)) {
        key->touch();
    } else if (auto* button = root->findChild<QAbstractButton*>(name)) {
        button->click();
    } else {
        std::printf("no key %s\n", name.toUtf8().constData());
        return;
    }
    settle(100);
}

void touchField(QLineEdit* field)
{
    if (!field) {
        std::printf("no text box\n");
        return;
    }
    const QPointF at(field->width() / 2.0, field->height() / 2.0);
    QMouseEvent press(QEvent::MouseButtonPress, at, field->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, at, field->mapToGlobal(at), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(field, &press);
    QApplication::sendEvent(field, &release);
    settle(100);
}

std::optional<Session> UseDemoShop(const Walk& walk, const QTemporaryDir& temporary, menu::MenuTables& menu)
{
    const QString home = walk.home.isEmpty() ? temporary.path() : walk.home;
    GlobalState& g = gs();
    SetProgramFolder(home);
    g.menuImageFolder = home + QStringLiteral("/menu_img");
    g.skinFolder = home + QStringLiteral("/skin2");
    g.serviceHost = walk.host;
    Session session;
    session.serviceBaseUrl = QStringLiteral("http://") + walk.host;
    session.loginId = QStringLiteral("demo");
    session.loginPassword = QStringLiteral("demo1234");
    session.shopNumber = QStringLiteral("12");
    QDir().mkpath(g.menuImageFolder);
    std::optional<MenuCatalogue> catalogue = FetchMenuCatalogue(session, QStringLiteral("전체"));
    if (!catalogue) {
        std::printf("catalogue did not load\n");
        return std::nullopt;
    }
    menu.setCatalogue(std::move(*catalogue));
    return session;
}

void FetchShopPictures(const Session& session, const menu::MenuTables& menu)
{
    DownloadPictures({session, gs().menuImageFolder, menu.catalogueSnapshot()});
}

void ShopFault(const Walk& walk, const QString& path, const QString& kind, const QString& settings, int count)
{
    QString body = QStringLiteral("path=") + path + QStringLiteral("&kind=") + kind + QStringLiteral("&count=")
        + QString::number(count);
    if (!settings.isEmpty())
        body += u'&' + settings;
    PostForm(QStringLiteral("http://") + walk.host + QStringLiteral("/__control/fault"), body);
}

qsizetype RowOf(const menu::MenuTables& menu, const QString& title)
{
    const MenuCatalogue& table = menu.catalogue();
    for (qsizetype r = 0; r < table.takenCount(); ++r) {
        if (table.row(r).title.startsWith(title))
            return r;
    }
    std::printf("no menu %s\n", title.toUtf8().constData());
    return 0;
}

void ShowStandInPage(QWidget& page)
{
    page.setWindowFlag(Qt::FramelessWindowHint);
    page.setGeometry(0, 0, 1024, 768);
    page.setStyleSheet(QStringLiteral("background: rgb(58,58,62);"));
    page.show();
    settle(200);
}

void ShootWhenModalUp(const QWidget* behind, const QString& folder, const QString& name, const QString& key, bool& ok)
{
    auto* poll = new QTimer(QCoreApplication::instance());
    auto* waited = new QElapsedTimer;
    waited->start();
    // Up for a few polls in a row: a window just mapped may not be drawn on the screen yet.
    auto upPolls = std::make_shared<int>(0);
    QObject::connect(poll, &QTimer::timeout, [poll, waited, upPolls, behind, folder, name, key, &ok] {
        QWidget* modal = QApplication::activeModalWidget();
        const bool up = modal && modal != behind && modal->isVisible();
        *upPolls = up ? *upPolls + 1 : 0;
        if (*upPolls < 6 && waited->elapsed() < 10000)
            return;
        poll->stop();
        poll->deleteLater();
        delete waited;
        if (!up) {
            std::printf("no window up for %s\n", name.toUtf8().constData());
            ok = false;
            return;
        }
        if (!folder.isEmpty())
            ok = shoot(folder, name) && ok;
        click(modal, key);
    });
    poll->start(50);
}

void pressKey(QWidget* window, int key)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
    QApplication::sendEvent(window, &press);
    QApplication::sendEvent(window, &release);
}

DialogSteps Touches(const QStringList& keys)
{
    return [keys](QWidget* dialog) {
        for (const QString& key : keys)
            click(dialog, key);
    };
}

DialogSteps KeypadKeys(const QList<int>& keys)
{
    return [keys](QWidget* dialog) {
        for (int key : keys)
            pressKey(dialog, key);
    };
}

}  // namespace sumbrel::shots
