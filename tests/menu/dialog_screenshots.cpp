// Shows the two item dialogs over a stand-in menu page, against the demo shop, and saves what the
// screen shows: for looking at them under a virtual display (not a test).
//   menu_dialog_screenshots --out DIR
#include "catalogue/menu_catalogue.h"
#include "catalogue/picture_download.h"
#include "menu/frm_menu_select_sub_a.h"
#include "menu/frm_menu_select_sub_b.h"
#include "menu/option_rows.h"
#include "presentation/caption_key.h"
#include "presentation/screen_utils.h"
#include "startup/global_state.h"
#include "support/demo_shop.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QScreen>
#include <QTemporaryDir>
#include <cstdio>

using namespace sumbrel;

namespace {

void settle(int ms)
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

void shoot(const QString& folder, const QString& name)
{
    settle(400);
    const QPixmap shot = QGuiApplication::primaryScreen()->grabWindow(0);
    const QString path = folder + u'/' + name;
    std::printf("%s %s\n", shot.save(path) ? "saved" : "FAILED", path.toUtf8().constData());
}

QString RowOf(const QString& title)
{
    const MenuCatalogue& table = menuCatalogue();
    for (qsizetype r = 0; r < table.takenCount(); ++r) {
        if (table.row(r).title().startsWith(title))
            return QString::number(r);
    }
    std::printf("no menu %s\n", title.toUtf8().constData());
    return QStringLiteral("0");
}

void touch(QWidget* dialog, const QString& name)
{
    if (auto* key = dialog->findChild<CaptionKey*>(name))
        key->touch();
    else if (auto* button = dialog->findChild<QAbstractButton*>(name))
        button->click();
    else
        std::printf("no key %s\n", name.toUtf8().constData());
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QCommandLineParser parser;
    QCommandLineOption out(QStringLiteral("out"), QStringLiteral("Folder for the pictures."), QStringLiteral("DIR"));
    parser.addOption(out);
    parser.addHelpOption();
    parser.process(app);
    const QString outDir = parser.value(out).isEmpty() ? QStringLiteral(".") : parser.value(out);
    QDir().mkpath(outDir);
    static UnattendedDialogHandler dialogs;
    setDialogHandler(&dialogs);

    QTemporaryDir home;
    DemoShop shop;
    GlobalState& g = gs();
    g.programFolder = home.path();
    g.menuImageFolder = home.filePath(QStringLiteral("menu_img"));
    g.skinFolder = home.filePath(QStringLiteral("skin2"));
    g.serviceBaseUrl = shop.httpBase();
    g.loginId = QString::fromLatin1(DemoShop::kId);
    g.loginPassword = QString::fromLatin1(DemoShop::kPassword);
    QDir().mkpath(g.menuImageFolder);
    Read_메뉴(QStringLiteral("전체"));
    DownloadPictures();

    // A stand-in for the darkened menu page behind the dialog.
    QWidget page;
    page.setWindowFlag(Qt::FramelessWindowHint);
    page.setGeometry(0, 0, 1024, 768);
    page.setStyleSheet(QStringLiteral("background: rgb(58,58,62);"));
    page.show();
    settle(200);

    QString cart;
    {
        frmMenuSelectSubA dialog(cart, &page);
        dialog.m_메뉴IDX = RowOf(QStringLiteral("에스프레소"));
        dialog.show();
        touch(&dialog, QStringLiteral("SetNum_Add_1"));
        shoot(outDir, QStringLiteral("dialog-single.png"));
    }
    {
        frmMenuSelectSubB dialog(cart, &page);
        dialog.m_메뉴IDX = RowOf(QStringLiteral("아메리카노"));
        dialog.show();
        touch(&dialog, QStringLiteral("AddMenu_Option0_1"));
        touch(&dialog, QStringLiteral("AddMenu_Check1_2"));
        shoot(outDir, QStringLiteral("dialog-options.png"));
    }
    {
        frmMenuSelectSubB dialog(cart, &page);
        dialog.m_메뉴IDX = RowOf(QStringLiteral("와플"));
        dialog.show();
        touch(&dialog, QStringLiteral("AddMenu_Check0_2"));
        shoot(outDir, QStringLiteral("dialog-options-minimum.png"));
    }
    {
        frmMenuSelectSubB dialog(cart, &page);
        dialog.m_메뉴IDX = RowOf(QStringLiteral("아이스 카페라떼"));
        dialog.show();
        touch(&dialog, QStringLiteral("CmdLabel_2"));
        touch(&dialog, QStringLiteral("AddMenu_Option3_1"));
        shoot(outDir, QStringLiteral("dialog-options-page2.png"));
    }
    return 0;
}
