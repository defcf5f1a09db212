#pragma once
// What every screenshot walk does: let the screens settle, photograph the whole screen, touch a key
// by its name, and point the terminal at a demo shop.
#include "kiosk/kiosk_layout.h"
#include "menu/menu_tables.h"

#include "server/session.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class QCoreApplication;
class QLineEdit;
class QTemporaryDir;
class QWidget;

namespace sumbrel::shots {

// The command line of every walk: --home DIR (program folder), --service-host HOST (the demo shop),
// --out DIR (folder for the pictures, "." by default, made when missing).
struct Walk {
    QString home;
    QString host;
    QString out;
    QString language;  // --language CODE: the customer touches that language's key first ("en")
};
// Reads the command line; from then on message boxes are answered at once and written to stderr,
// and the screens are scaled to the display as the kiosk scales them.
Walk StartWalk(const QCoreApplication& app);
// The stage for the screens built next, as the kiosk sets it for their audience on this display
// (the customer's by default: portrait on a tall display).
void UseStage(kiosk::Audience audience);

// Handles events for the time given, so the screens draw what they were told to.
void settle(int ms);
// Settles, then saves what the screen shows as folder/name; says "saved" or "FAILED" on stdout.
bool shoot(const QString& folder, const QString& name);
// Touches the caption key (or clicks the button) of that name below root, then settles briefly.
void click(QWidget* root, const QString& name);
// A terminal logged in to the walk's demo shop ("127.0.0.1:PORT") with its seeded account, and the
// shop's menus read. Its program folder (with the folders menu_img and skin2 below it) is the walk's
// home, or the temporary folder without one. Its session; none, said on stdout, when the menus do
// not load. The catalogue goes into the walk's menu, which its menu pages load into again.
std::optional<Session> UseDemoShop(const Walk& walk, const QTemporaryDir& temporary, menu::MenuTables& menu);
// The settings screen's picture download of the menu's catalogue, asking with the session.
void FetchShopPictures(const Session& session, const menu::MenuTables& menu);
// The catalogue row of the first menu whose title starts so (row 0, said on stdout, when there is none).
qsizetype RowOf(const menu::MenuTables& menu, const QString& title);
// A dark stand-in for the menu page behind an item dialog, over the whole screen.
void ShowStandInPage(QWidget& page);
// Once a modal window other than behind is up (within 10 s): photographed as folder/name (no picture
// when folder is empty), then its key of that name touched. Polled without blocking, as the screen
// behind lets events run before the window exists; ok becomes false when none came up.
void ShootWhenModalUp(const QWidget* behind, const QString& folder, const QString& name, const QString& key,
                      bool& ok);
// A touch of a text box as the touch screen reports it (a mouse press and release in it), then
// settles briefly.
void touchField(QLineEdit* field);
// A keypad key pressed and released on the window.
void pressKey(QWidget* window, int key);
// What a walk does on an item dialog before its picture: keys touched by name, or keypad keys pressed.
using DialogSteps = std::function<void(QWidget* dialog)>;
DialogSteps Touches(const QStringList& keys);
DialogSteps KeypadKeys(const QList<int>& keys);
// The item dialog of the menu titled so, shown over the page; the steps run on it, then the screen
// is photographed as folder/name.
template <typename Dialog>
bool ShootDialog(const menu::MenuTables& menu, QWidget& page, const QString& title, const DialogSteps& steps,
                 const QString& folder, const QString& name)
{
    Dialog dialog(&page);
    dialog.m_catalogue = menu.catalogueSnapshot();
    dialog.m_row = RowOf(menu, title);
    dialog.show();
    settle(50);
    steps(&dialog);
    return shoot(folder, name);
}

// A fault of the walk's demo shop for the path: kind and its settings as its control page takes them.
void ShopFault(const Walk& walk, const QString& path, const QString& kind, const QString& settings = QString(),
               int count = 1);

}  // namespace sumbrel::shots
